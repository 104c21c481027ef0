#include "beste/bestenliste.h"

#include "beste/rangfolge.h"

#include <QFile>

namespace beste {

int ListenIndex(engine::Variante variante, int groesse) { return ListenIndex(int(variante), groesse); }

namespace {

std::filesystem::path Pfad(const daten::Umgebung& umgebung)
{
    return QFile::encodeName(umgebung.listenDatei()).toStdString();
}

} // namespace

Bestenliste::Bestenliste(const daten::Umgebung& umgebung) : umgebung_(umgebung), liste_(LadeListe(Pfad(umgebung))) {}

bool Bestenliste::KommtInListe(const Ergebnis& e) const
{
    return beste::KommtInListe(liste_, ListenIndex(e.variante, e.groesse), e.zuege, e.sekunden);
}

int Bestenliste::Eintragen(const Ergebnis& e)
{
    ErgebnisVormerken(liste_, e.zuege, e.sekunden);
    return Neueintrag(liste_, ListenIndex(e.variante, e.groesse));
}

void Bestenliste::NameSetzen(int liste, int platz, QStringView name) { beste::NameSetzen(liste_, liste, platz, name); }

void Bestenliste::Loeschen(int liste) { ListeLoeschen(liste_, liste); }

TSpeicherErgebnis Bestenliste::Speichern()
{
    umgebung_.SchreibordnerAnlegen();  // a failure shows as the failed save
    return SpeichereListe(liste_, Pfad(umgebung_), umgebung_.vonCD);
}

} // namespace beste
