#include "daten/sprache.h"

#include <QRegularExpression>
#include <QStringList>

namespace daten {

namespace {

struct Angabe {
    const char* code;
    const char16_t* name;
};

// Indexed by Sprache.
constexpr Angabe angaben[] = {
    {"de", u"Deutsch"},  {"en", u"English"},  {"fr", u"Français"},  {"es", u"Español"},
    {"it", u"Italiano"}, {"pt_BR", u"Português (Brasil)"},          {"nl", u"Nederlands"},
    {"pl", u"Polski"},   {"cs", u"Čeština"},  {"sv", u"Svenska"},   {"ru", u"Русский"},
    {"uk", u"Українська"}};
static_assert(std::size(angaben) == AlleSprachen.size());

const Angabe& AngabeZu(Sprache sprache) { return angaben[int(sprache)]; }

} // namespace

QString SprachCode(Sprache sprache) { return QString::fromLatin1(AngabeZu(sprache).code); }

QString SprachName(Sprache sprache) { return QString::fromUtf16(AngabeZu(sprache).name); }

std::optional<Sprache> SpracheAusCode(QStringView code)
{
    // "ll_TT.encoding@modifier": only the language decides, and for Portuguese there is one.
    const qsizetype ende = code.indexOf(QRegularExpression(QStringLiteral("[_.@-]")));
    const QString sprache = code.left(ende < 0 ? code.size() : ende).toString().toLower();
    if (sprache == QLatin1String("pt"))
        return Sprache::PortugiesischBrasilien;
    for (Sprache s : AlleSprachen)
        if (sprache == QLatin1String(AngabeZu(s).code))
            return s;
    return std::nullopt;
}

Sprachwahl Sprachwahl::AusUmgebung()
{
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
            qEnvironmentVariable("LANG")};
}

Sprache SpracheDesDesktops(const Sprachwahl& wahl)
{
    for (const QString& eintrag : wahl.language.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (const auto sprache = SpracheAusCode(eintrag))
            return *sprache;
    for (const QString* gebiet : {&wahl.lcAll, &wahl.lcMessages, &wahl.lang}) {
        const QString name = gebiet->section(QLatin1Char('.'), 0, 0);
        if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
            continue;
        return SpracheAusCode(name).value_or(Sprache::Englisch);
    }
    return Sprache::Englisch;
}

} // namespace daten
