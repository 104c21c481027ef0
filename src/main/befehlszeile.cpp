#include "main/befehlszeile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

#include "daten/texte.h"
#include "daten/umgebung.h"
#include "daten/vorlieben.h"

namespace haupt {

Aufruf AufrufLesen(const QStringList& argumente)
{
    using A = Aufruf::Art;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& wort = argumente[i];
        if (wort == QLatin1String("-h") || wort == QLatin1String("--help"))
            return {A::Hilfe, {}};
        if (wort == QLatin1String("-v") || wort == QLatin1String("--version"))
            return {A::Version, {}};
        if (wort == QLatin1String("--portable"))
            continue;
        if (wort == QLatin1String("--"))  // what follows are no options, and the game takes no others
            return i + 1 < argumente.size() ? Aufruf{A::UnerwartetesArgument, argumente[i + 1]} : Aufruf{};
        const bool option = wort.startsWith(QLatin1Char('-')) && wort != QLatin1String("-");
        return {option ? A::UnbekannteOption : A::UnerwartetesArgument, wort};
    }
    return {};
}

std::optional<Antwort> AntwortAuf(const Aufruf& aufruf, const daten::Texte& texte)
{
    using A = Aufruf::Art;
    switch (aufruf.art) {
    case A::Spielen: return std::nullopt;
    case A::Hilfe: return Antwort{texte(daten::text::Aufruf), false};
    case A::Version:
        return Antwort{texte(daten::text::Version).arg(QStringLiteral(TAVELOR_VERSION)) + QLatin1Char('\n')
                           + texte(daten::text::Lizenz) + QLatin1Char('\n'),
                       false};
    case A::UnbekannteOption:
    case A::UnerwartetesArgument: {
        const int fehler = aufruf.art == A::UnbekannteOption ? daten::text::UnbekannteOption : daten::text::UnerwartetesArgument;
        return Antwort{texte(fehler).arg(aufruf.wort) + QLatin1Char('\n') + texte(daten::text::KurzerAufruf) + QLatin1Char('\n'),
                       true};
    }
    }
    return std::nullopt;
}

namespace {

int Ausgeben(const Antwort& antwort)
{
    std::FILE* ziel = antwort.fehler ? stderr : stdout;
    std::fputs(antwort.text.toLocal8Bit().constData(), ziel);
    std::fflush(ziel);
    return antwort.fehler ? 2 : 0;
}

} // namespace

std::optional<int> AuskunftGeben(int argc, char** argv)
{
    QStringList argumente;
    for (int i = 1; i < argc; ++i)
        argumente.append(QString::fromLocal8Bit(argv[i]));
    // Qt's own options are still among them: only the answers that need no display are given.
    const Aufruf aufruf = AufrufLesen(argumente.filter(QRegularExpression(QStringLiteral("^(-h|--help|-v|--version|--)$"))));
    if (aufruf.art != Aufruf::Art::Hilfe && aufruf.art != Aufruf::Art::Version)
        return std::nullopt;
    // Where the options file lies, as the game decides it (there is no application object yet).
    const QString programm = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
    const daten::Umgebung umgebung = daten::Umgebung::Ermitteln(daten::Arbeitsordner(), programm,
                                                                qEnvironmentVariable("XDG_DATA_HOME"),
                                                                argumente.contains(QLatin1String("--portable")));
    const daten::Vorlieben vorlieben(umgebung);
    const daten::Texte texte(umgebung, vorlieben);
    return Ausgeben(*AntwortAuf(aufruf, texte));
}

std::optional<int> AufrufPruefen(const QStringList& argumente, const daten::Texte& texte)
{
    const std::optional<Antwort> antwort = AntwortAuf(AufrufLesen(argumente.mid(1)), texte);
    return antwort ? std::optional(Ausgeben(*antwort)) : std::nullopt;
}

} // namespace haupt
