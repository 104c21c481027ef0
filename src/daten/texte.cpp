#include "daten/texte.h"

#include "daten/inidatei.h"
#include "daten/textkatalog.h"

#include <QFile>
#include <QLocale>

namespace daten {

namespace {

constexpr char AbschnittSprache[] = "Sprache";
constexpr char SchluesselAktuell[] = "Aktuell";

// The file stores the language as the offset of its text ids.
constexpr int Englisch = 1000;

int Versatz(Sprache sprache) { return sprache == Sprache::Englisch ? Englisch : 0; }

} // namespace

// Starts in the stored language, so that even a message before the first window speaks it.
Texte::Texte(const Umgebung& umgebung, QObject* eltern)
    : QObject(eltern), umgebung_(umgebung), sprache_(GespeicherteSprache())
{
}

QString Texte::operator()(int id) const { return LadeText(id, Versatz(sprache_)); }

Sprache SpracheDesDesktops(const QStringList& sprachen)
{
    return !sprachen.isEmpty() && QLocale(sprachen.first()).language() == QLocale::German ? Sprache::Deutsch
                                                                                          : Sprache::Englisch;
}

Sprache Texte::GespeicherteSprache() const
{
    QFile datei(umgebung_.optionsDatei());
    const auto wert = datei.open(QIODevice::ReadOnly)
        ? IniWert(datei.readAll(), AbschnittSprache, SchluesselAktuell) : std::nullopt;
    if (!wert)  // nothing stored yet: nothing is written until the player switches
        return SpracheDesDesktops(QLocale::system().uiLanguages());
    return IniZahl(*wert) == Englisch ? Sprache::Englisch : Sprache::Deutsch;
}

void Texte::Laden()
{
    sprache_ = GespeicherteSprache();
    emit spracheGeaendert();
}

void Texte::Setzen(Sprache sprache)
{
    // Written first: when this throws, the old language stays in force.
    if (!umgebung_.vonCD) {
        umgebung_.SchreibordnerAnlegen();  // a failure shows as the failed write
        SchreibeIniWert(umgebung_.optionsDatei(), AbschnittSprache, SchluesselAktuell,
                        QByteArray::number(Versatz(sprache)));
    }
    sprache_ = sprache;
    emit spracheGeaendert();
}

} // namespace daten
