#include "beste/rangfolge.h"

#include "beste/namen.h"

namespace beste {
namespace {

// True when the result (zuege, sekunden) ranks above place `platz` of list d.
bool IstBesserAls(const TListe& liste, int d, int platz, std::uint16_t zuege, std::uint16_t sekunden)
{
    const std::uint16_t platzZuege = liste.Zuege[d][platz];
    return platzZuege == 0 || platzZuege > zuege
        || (platzZuege == zuege && liste.Zeiten[d][platz] > sekunden);
}

void KuerzeName(TNamensFeld& feld)
{
    if (feld[0] > NamenLaenge)
        feld[0] = NamenLaenge;
}

} // namespace

bool KommtInListe(const TListe& liste, int d, std::uint16_t zuege, std::uint16_t sekunden)
{
    return IstBesserAls(liste, d, PlatzAnzahl, zuege, sekunden);
}

void ErgebnisVormerken(TListe& liste, std::uint16_t zuege, std::uint16_t sekunden)
{
    liste.Zuege[0][1] = zuege;
    liste.Zeiten[0][1] = sekunden;
}

int Neueintrag(TListe& liste, int d)
{
    const std::uint16_t zuege = liste.Zuege[0][1];
    const std::uint16_t sekunden = liste.Zeiten[0][1];

    // An equal result stays above the new one.
    int platz = PlatzAnzahl - 1;
    while (platz > 0 && IstBesserAls(liste, d, platz, zuege, sekunden))
        --platz;
    ++platz;

    for (int j = PlatzAnzahl; j > platz; --j) {
        liste.Namen[d][j] = liste.Namen[d][j - 1];
        KuerzeName(liste.Namen[d][j]);
        liste.Zuege[d][j] = liste.Zuege[d][j - 1];
        liste.Zeiten[d][j] = liste.Zeiten[d][j - 1];
    }
    liste.Zuege[d][platz] = zuege;
    liste.Zeiten[d][platz] = sekunden;
    return platz;
}

void NameSetzen(TListe& liste, int d, int platz, QStringView text)
{
    NameEintragen(liste.Namen[d][platz], text);
}

void ListeLoeschen(TListe& liste, int d)
{
    for (int i = 1; i <= PlatzAnzahl; ++i) {
        liste.Namen[d][i][0] = 0;
        liste.Zuege[d][i] = 0;
        liste.Zeiten[d][i] = 0;
    }
}

QString ZeitText(std::uint16_t sekunden)
{
    const QChar null(u'0');
    return QStringLiteral("%1:%2").arg(sekunden / 60, 2, 10, null).arg(sekunden % 60, 2, 10, null);
}

} // namespace beste
