#include "daten/vorlieben.h"

#include "daten/textkatalog.h"

#include <QFile>

#include <algorithm>
#include <utility>

namespace daten {

namespace {

constexpr char AbschnittSprache[] = "Sprache";
constexpr char SchluesselAktuell[] = "Aktuell";
constexpr char SchluesselCode[] = "Code";
constexpr char Optionen[] = "Optionen";
constexpr char Animation[] = "Animation";
constexpr char Groesse[] = "Groesse";
constexpr char ZuschnittSchluessel[] = "Zuschnitt";
constexpr char NachfragenSchluessel[] = "Nachfragen";
constexpr char ErscheinungsbildSchluessel[] = "Erscheinungsbild";
constexpr char SuchordnerSchluessel[] = "Suchordner";
constexpr char LoesetempoSchluessel[] = "Loesetempo";
constexpr char Fenster[] = "Fenster";
constexpr char Ecke[] = "Ecke";
constexpr char Maximiert[] = "Maximiert";

// The file stores the language as the offset of its text ids.
constexpr int Englisch = EnglischVersatz;

QByteArray Schalter(bool an) { return an ? "1" : "0"; }

// A 0 written as a number, in any spelling the file allows; not an empty or garbled value.
bool IstNull(const QByteArray& wert)
{
    bool zahl = false;
    wert.trimmed().toInt(&zahl, 0);
    return zahl && IniZahl(wert) == 0;
}

// "x,y" in whole pixels, either of them negative left of or above the first screen.
std::optional<QPoint> LiesEcke(const QByteArray& wert)
{
    const QList<QByteArray> teile = wert.split(',');
    bool xOk = false, yOk = false;
    const int x = teile.size() == 2 ? teile[0].trimmed().toInt(&xOk) : 0;
    const int y = teile.size() == 2 ? teile[1].trimmed().toInt(&yOk) : 0;
    return xOk && yOk ? std::optional(QPoint(x, y)) : std::nullopt;
}

} // namespace

// Aktuell=0 is German whatever Code says: an older version chose it. Aktuell=1000 is English
// unless Code names another language, which only this version writes.
Sprache GespeicherteSprache(const QByteArray& aktuell, const std::optional<QByteArray>& code)
{
    if (IniZahl(aktuell) != Englisch)
        return Sprache::Deutsch;
    const auto sprache = code ? SpracheAusCode(QString::fromUtf8(*code)) : std::nullopt;
    return sprache && sprache != Sprache::Deutsch ? *sprache : Sprache::Englisch;
}

Vorlieben::Vorlieben(const Umgebung& umgebung, Schreiber schreiber, QObject* eltern)
    : QObject(eltern), umgebung_(umgebung), schreiber_(std::move(schreiber))
{
    QFile datei(umgebung_.optionsDatei());
    const QByteArray inhalt = datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    const auto zahl = [&inhalt](const char* abschnitt, const char* schluessel) {
        const auto wert = IniWert(inhalt, abschnitt, schluessel);
        return wert ? IniZahl(*wert) : 0;
    };
    // With none stored, nothing is written until the player switches.
    const auto sprache = IniWert(inhalt, AbschnittSprache, SchluesselAktuell);
    const auto code = IniWert(inhalt, AbschnittSprache, SchluesselCode);
    codeGespeichert_ = code.has_value();
    sprache_ = sprache ? GespeicherteSprache(*sprache, code) : SpracheDesDesktops(Sprachwahl::AusUmgebung());
    animation_ = zahl(Optionen, Animation) == 1;
    const int prozent = zahl(Optionen, Groesse);
    groesse_ = prozent >= KleinsteGroesse && prozent <= GroessteGroesse ? prozent : KleinsteGroesse;
    zuschnitt_ = zahl(Optionen, ZuschnittSchluessel) == 1 ? Zuschnitt::Mitte : Zuschnitt::Strecken;
    const auto nachfragen = IniWert(inhalt, Optionen, NachfragenSchluessel);
    nachfragen_ = !nachfragen || !IstNull(*nachfragen);
    const int erscheinung = zahl(Optionen, ErscheinungsbildSchluessel);
    if (erscheinung == int(Erscheinungsbild::Hell) || erscheinung == int(Erscheinungsbild::Dunkel))
        erscheinungsbild_ = Erscheinungsbild(erscheinung);
    const int tempo = zahl(Optionen, LoesetempoSchluessel);
    if (std::find(Loesetempi.begin(), Loesetempi.end(), tempo) != Loesetempi.end())
        loesetempo_ = tempo;
    suchordner_ = QString::fromUtf8(IniWert(inhalt, Optionen, SuchordnerSchluessel).value_or(QByteArray()));
    if (const auto ecke = IniWert(inhalt, Fenster, Ecke); ecke && LiesEcke(*ecke))
        fensterlage_ = Fensterlage{*LiesEcke(*ecke), zahl(Fenster, Maximiert) == 1};
}

bool Vorlieben::Schreibbar() const
{
    if (umgebung_.vonCD)
        return false;
    umgebung_.SchreibordnerAnlegen();  // a failure shows as the failed write
    return true;
}

void Vorlieben::Schreibe(QByteArrayView abschnitt, QByteArrayView schluessel, QByteArrayView wert) const
{
    if (Schreibbar())
        SchreibeIniWert(umgebung_.optionsDatei(), abschnitt, schluessel, wert, schreiber_);
}

template <class T>
void Vorlieben::Uebernimm(T& wert, T neu, Schluessel schluessel)
{
    if (std::exchange(wert, neu) != neu)
        emit geaendert(schluessel);
}

// Written first: when that throws, nothing has changed. German and English store only Aktuell, as
// older versions do, and overwrite a Code left by another language; any other language stores
// English for older versions and its code beside.
void Vorlieben::SpracheSetzen(Sprache sprache)
{
    const QByteArray aktuell = QByteArray::number(sprache == Sprache::Deutsch ? 0 : Englisch);
    const QByteArray code = SprachCode(sprache).toUtf8();
    const bool mitCode = codeGespeichert_ || (sprache != Sprache::Deutsch && sprache != Sprache::Englisch);
    if (Schreibbar()) {
        if (mitCode)
            SchreibeIniWerte(umgebung_.optionsDatei(), AbschnittSprache,
                             {{SchluesselAktuell, aktuell}, {SchluesselCode, code}}, schreiber_);
        else
            SchreibeIniWert(umgebung_.optionsDatei(), AbschnittSprache, SchluesselAktuell, aktuell, schreiber_);
        codeGespeichert_ = mitCode;
    }
    Uebernimm(sprache_, sprache, Schluessel::Sprache);
}

void Vorlieben::AnimationSetzen(bool an)
{
    Schreibe(Optionen, Animation, Schalter(an));
    Uebernimm(animation_, an, Schluessel::Animation);
}

void Vorlieben::GroesseSetzen(int prozent)
{
    Schreibe(Optionen, Groesse, QByteArray::number(prozent));
    Uebernimm(groesse_, prozent, Schluessel::Groesse);
}

void Vorlieben::ZuschnittSetzen(Zuschnitt zuschnitt)
{
    Schreibe(Optionen, ZuschnittSchluessel, Schalter(zuschnitt == Zuschnitt::Mitte));
    Uebernimm(zuschnitt_, zuschnitt, Schluessel::Zuschnitt);
}

void Vorlieben::NachfragenSetzen(bool an)
{
    Schreibe(Optionen, NachfragenSchluessel, Schalter(an));
    Uebernimm(nachfragen_, an, Schluessel::Nachfragen);
}

void Vorlieben::ErscheinungsbildSetzen(Erscheinungsbild wahl)
{
    Schreibe(Optionen, ErscheinungsbildSchluessel, QByteArray::number(int(wahl)));
    Uebernimm(erscheinungsbild_, wahl, Schluessel::Erscheinungsbild);
}

void Vorlieben::LoesetempoSetzen(int zuegeProSekunde)
{
    Schreibe(Optionen, LoesetempoSchluessel, QByteArray::number(zuegeProSekunde));
    Uebernimm(loesetempo_, zuegeProSekunde, Schluessel::Loesetempo);
}

void Vorlieben::TonSetzen(bool an) { Uebernimm(ton_, an, Schluessel::Ton); }

void Vorlieben::FensterlageSetzen(const Fensterlage& lage)
{
    if (!fensterlage_ || fensterlage_->ecke != lage.ecke)
        Schreibe(Fenster, Ecke, QByteArray::number(lage.ecke.x()) + ',' + QByteArray::number(lage.ecke.y()));
    if (!fensterlage_ || fensterlage_->maximiert != lage.maximiert)
        Schreibe(Fenster, Maximiert, Schalter(lage.maximiert));
    Uebernimm(fensterlage_, std::optional(lage), Schluessel::Fensterlage);
}

// A line break would end the key's line early: such a folder is kept for this run only.
void Vorlieben::SuchordnerSetzen(const QString& ordner)
{
    if (!ordner.contains(QLatin1Char('\n')) && !ordner.contains(QLatin1Char('\r')) && ordner != suchordner_)
        Schreibe(Optionen, SuchordnerSchluessel, ordner.toUtf8());
    Uebernimm(suchordner_, ordner, Schluessel::Suchordner);
}

} // namespace daten
