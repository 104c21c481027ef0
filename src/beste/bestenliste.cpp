#include "beste/bestenliste.h"

#include "beste/rangfolge.h"

#include <QFile>
#include <QLockFile>

namespace beste {

int ListenIndex(engine::Variante variante, int groesse) { return ListenIndex(int(variante), groesse); }

namespace {

std::filesystem::path Pfad(const daten::Umgebung& umgebung)
{
    return QFile::encodeName(umgebung.listenDatei()).toStdString();
}

std::filesystem::path NamenPfad(const daten::Umgebung& umgebung)
{
    return Pfad(umgebung).replace_filename(NamenDateiName);
}

} // namespace

Bestenliste::Bestenliste(const daten::Umgebung& umgebung)
    : umgebung_(umgebung), liste_(LadeListe(Pfad(umgebung))), ganze_(LiesGanzeNamen(NamenPfad(umgebung), liste_))
{
}

// A name given to a result entered in the same batch goes to the place that result gets in the
// file as it is now, or nowhere when it no longer enters; any other name goes to its place.
TListe Bestenliste::Nachspielen(TListe liste, const std::vector<Aenderung>& aenderungen)
{
    // The result entered last: its list, its place here and there (0: it no longer enters).
    struct {
        int liste = 0, hier = 0, dort = 0;
    } eintrag;
    for (const Aenderung& a : aenderungen) {
        switch (a.art) {
        case Aenderung::Art::Eintrag:
            ErgebnisVormerken(liste, a.zuege, a.sekunden);
            eintrag = {a.liste, a.platz, 0};
            if (beste::KommtInListe(liste, a.liste, a.zuege, a.sekunden))
                eintrag.dort = Neueintrag(liste, a.liste);
            break;
        case Aenderung::Art::Name:
            if (eintrag.liste == a.liste && eintrag.hier == a.platz) {
                if (eintrag.dort > 0)
                    beste::NameSetzen(liste, a.liste, eintrag.dort, a.name);
            } else {
                beste::NameSetzen(liste, a.liste, a.platz, a.name);
            }
            break;
        case Aenderung::Art::Loeschen:
            ListeLoeschen(liste, a.liste);
            if (eintrag.liste == a.liste)
                eintrag = {};
            break;
        }
    }
    return liste;
}

void Bestenliste::Auffrischen()
{
    const auto datei = LiesListe(Pfad(umgebung_));
    if (!datei)
        return;
    // This copy's whole names first: its own names not yet saved are among them.
    const TListe neu = Nachspielen(*datei, offen_);
    TGanzeNamen ganze;
    NamenNachziehen(liste_, ganze_, neu, ganze);
    NamenNachziehen(*datei, LiesGanzeNamen(NamenPfad(umgebung_), *datei), neu, ganze);
    liste_ = neu;
    ganze_ = ganze;
}

bool Bestenliste::KommtInListe(const Ergebnis& e)
{
    Auffrischen();
    return beste::KommtInListe(liste_, ListenIndex(e.variante, e.groesse), e.zuege, e.sekunden);
}

int Bestenliste::Eintragen(const Ergebnis& e)
{
    const int d = ListenIndex(e.variante, e.groesse);
    const TListe vorher = liste_;
    ErgebnisVormerken(liste_, e.zuege, e.sekunden);
    const int platz = Neueintrag(liste_, d);
    TGanzeNamen ganze;
    NamenNachziehen(vorher, ganze_, liste_, ganze);
    ganze_ = ganze;
    offen_.push_back({Aenderung::Art::Eintrag, d, platz, e.zuege, e.sekunden, {}});
    return platz;
}

void Bestenliste::NameSetzen(int liste, int platz, QStringView name)
{
    beste::NameSetzen(liste_, liste, platz, name);
    ganze_[liste][platz] = name.toString();
    offen_.push_back({Aenderung::Art::Name, liste, platz, 0, 0, name.toString()});
}

void Bestenliste::Loeschen(int liste)
{
    ListeLoeschen(liste_, liste);
    ganze_[liste] = {};
    offen_.push_back({Aenderung::Art::Loeschen, liste, 0, 0, 0, {}});
}

TSpeicherErgebnis Bestenliste::Speichern()
{
    if (umgebung_.vonCD)
        return TSpeicherErgebnis::CD;
    umgebung_.SchreibordnerAnlegen();  // a failure shows as the failed save
    // Where no lock can be had (a write-protected folder, a copy that hangs), saving goes on
    // without one, as it always did.
    QLockFile sperre(umgebung_.schreibPfad() + QStringLiteral("/.") + QLatin1String(ListenDateiName)
                     + QStringLiteral(".lock"));
    sperre.tryLock(2000);
    Auffrischen();
    const TSpeicherErgebnis ergebnis = SpeichereListe(liste_, Pfad(umgebung_), false);
    if (ergebnis != TSpeicherErgebnis::Gespeichert)
        return ergebnis;
    offen_.clear();
    // The list is saved either way; a whole name that could not be kept is a failed save too.
    return SpeichereGanzeNamen(NamenPfad(umgebung_), liste_, ganze_) ? ergebnis : TSpeicherErgebnis::Fehler;
}

} // namespace beste
