#include "sitzung/spieldatei.h"

#include <QByteArrayView>

#include <array>
#include <string_view>

#include "engine/loeser.h"
#include "sitzung/spielwerte.h"

namespace sitzung {

using engine::Phase;
using engine::Spielstand;
using engine::Variante;
using engine::Zug;
using namespace spielwerte;

namespace {

constexpr QByteArrayView Kopf = "Tavelor-Spiel ";
constexpr int Version = 2;
constexpr QByteArrayView Schluss = "\nende\n";

// Version 1 has the keys up to SZurueckgenommen.
enum Schluessel : std::size_t {
    SVariante, SSeite, SVorschau, SZufallsfeld, SGrau, SBild, SPruefsumme, SBrett, SHeimfeld,
    SZuege, SSekunden, SPhase, SHilfe, SCursor, SVerlauf, SZurueckgenommen,
    SZuschnitt, SStart, SGespielt, SZugsekunden, SBeginn, SWiederholung, SSpielcode, STagesraetsel, SchluesselAnzahl
};
constexpr std::size_t SchluesselVersion1 = SZuschnitt;
constexpr std::array<std::string_view, SchluesselAnzahl> Namen = {
    "variante", "seite", "vorschau", "zufallsfeld", "grau", "bild", "pruefsumme", "brett", "heimfeld",
    "zuege", "sekunden", "phase", "hilfe", "cursor", "verlauf", "zurueckgenommen",
    "zuschnitt", "start", "gespielt", "zugsekunden", "beginn", "wiederholung", "spielcode", "tagesraetsel"};

// Every phase has its name, so that a game that is over, written by mistake, is not read.
QByteArray PhasenName(Phase phase)
{
    switch (phase) {
    case Phase::KeinSpiel: return "keinspiel";
    case Phase::Aufgebaut: return "aufgebaut";
    case Phase::Laeuft: return "laeuft";
    case Phase::Pausiert: return "pausiert";
    case Phase::Vorbei: return "vorbei";
    }
    return {};
}

Phase PhaseAus(QByteArrayView text)
{
    for (Phase phase : {Phase::Aufgebaut, Phase::Laeuft, Phase::Pausiert})
        if (text == PhasenName(phase))
            return phase;
    Verwirf(Spielmangel::Wert);
}

// Variant 1 has no cursor; variant 2 walks the fields, variant 3 the axes.
int CursorHoechstens(const Spielstand& s)
{
    switch (s.variante) {
    case Variante::Verschieben: return s.felder();
    case Variante::Drehen: return engine::AchsenAnzahl(s.n());
    default: return 0;
    }
}

// The board before `zuege`, taken back one by one from `s`: in variant 1 each finds the field
// its tile came from empty. Rows, columns and axes can always turn.
Spielstand Zurueckgespielt(Spielstand s, const std::vector<Zug>& zuege)
{
    for (auto zug = zuege.rbegin(); zug != zuege.rend(); ++zug) {
        if (s.variante == Variante::Schieben && s.Spielfeld[std::size_t(zug->a)] != 0)
            Verwirf(Spielmangel::Verlauf);
        engine::Ausfuehren(s, engine::Umkehrung(*zug));
    }
    return s;
}

// Each redo played forward from the board finds its field empty.
void PruefeWiederholbar(Spielstand s, const std::vector<Zug>& zurueckgenommen)
{
    for (auto zug = zurueckgenommen.rbegin(); zug != zurueckgenommen.rend(); ++zug) {
        if (s.variante == Variante::Schieben && s.Spielfeld[std::size_t(zug->b)] != 0)
            Verwirf(Spielmangel::Verlauf);
        engine::Ausfuehren(s, *zug);
    }
}

using Werte = std::array<std::optional<QByteArrayView>, SchluesselAnzahl>;

// The lines between the first and the end line: each a known key of the version with a value
// of allowed characters, each key once.
Werte Zerlege(QByteArrayView rumpf, std::size_t schluessel)
{
    Werte werte;
    while (!rumpf.isEmpty()) {
        const qsizetype ende = rumpf.indexOf('\n');
        const QByteArrayView zeile = ende < 0 ? rumpf : rumpf.first(ende);
        rumpf = ende < 0 ? QByteArrayView() : rumpf.sliced(ende + 1);
        const qsizetype gleich = zeile.indexOf('=');
        if (gleich < 0)
            Verwirf(Spielmangel::Zeile);
        const QByteArrayView wert = zeile.sliced(gleich + 1);
        for (char c : wert)
            if (c < '!' || c > '~')
                Verwirf(Spielmangel::Zeile);
        const std::string_view name(zeile.data(), std::size_t(gleich));
        std::size_t k = 0;
        while (k < schluessel && Namen[k] != name)
            ++k;
        if (k == schluessel || werte[k])
            Verwirf(Spielmangel::Schluessel);
        werte[k] = wert;
    }
    for (std::size_t k = 0; k < schluessel; ++k)
        if (!werte[k])
            Verwirf(Spielmangel::Schluessel);
    return werte;
}

// Header, end line and the lines between; the caller has checked the size.
Werte Rumpf(QByteArrayView bytes, int& version)
{
    const qsizetype zeilenende = bytes.indexOf('\n');
    const QByteArrayView kopf = zeilenende < 0 ? bytes : bytes.first(zeilenende);
    if (!kopf.startsWith(Kopf))
        Verwirf(Spielmangel::Kopf);
    version = int(Zahl(kopf.sliced(Kopf.size()), 999999, Spielmangel::Kopf));
    if (version != 1 && version != Version)
        Verwirf(Spielmangel::Version);
    if (!bytes.endsWith(Schluss) || bytes.size() < zeilenende + Schluss.size())
        Verwirf(Spielmangel::Ende);
    return Zerlege(bytes.sliced(zeilenende + 1, bytes.size() - zeilenende - Schluss.size()),
                   version == 1 ? SchluesselVersion1 : SchluesselAnzahl);
}

// Settings, board and counters: a game not over, on a board its variant brings home.
void LiesSpielstand(const Werte& w, Schnappschuss& x)
{
    Einstellungen& e = x.einstellungen;
    Spielstand& s = x.spiel;
    s.variante = Variante(Zahl(*w[SVariante], 3));
    if (int(s.variante) < 1)
        Verwirf(Spielmangel::Wert);
    const int n = int(Zahl(*w[SSeite], engine::MaxSeite));
    if (n < 3)
        Verwirf(Spielmangel::Wert);
    s.Groesse = std::uint8_t(n);
    e.variante = s.variante;
    e.groesse = n;
    e.vorschau = Schalter(*w[SVorschau]);
    e.posZufall = Schalter(*w[SZufallsfeld]);
    e.swBild = Schalter(*w[SGrau]);
    e.bilddatei = Text(*w[SBild]);
    x.bildPruefsumme = Pruefsumme(*w[SPruefsumme]);
    const bool schieben = s.variante == Variante::Schieben;
    s.FreiesFeld = int(Zahl(*w[SHeimfeld], schieben ? s.felder() : 0));
    if (schieben && s.FreiesFeld == 0)
        Verwirf(Spielmangel::Wert);
    LiesBrett(s, *w[SBrett]);
    if (!engine::Loesbar(s))
        Verwirf(Spielmangel::Brett);
    s.ZugAnzahl = std::uint16_t(Zahl(*w[SZuege], engine::MaxZuege - 1));
    s.Sekunden = std::uint16_t(Zahl(*w[SSekunden], engine::MaxSekunden - 1));
    s.phase = PhaseAus(*w[SPhase]);
    x.mitHilfe = Schalter(*w[SHilfe]);
    x.cursor = int(Zahl(*w[SCursor], CursorHoechstens(s)));
}

// What version 2 adds: the picture's cut, the start board with the course from it, the start
// time and where the board came from.
void LiesVerlauf(const Werte& w, Schnappschuss& x)
{
    const Spielstand& s = x.spiel;
    x.zuschnitt = Schalter(*w[SZuschnitt]) ? daten::Zuschnitt::Mitte : daten::Zuschnitt::Strecken;
    x.gespielt = LiesZuege(s, *w[SGespielt], s.ZugAnzahl);
    const Spielstand davor = Zurueckgespielt(s, x.gespielt);
    if (!w[SStart]->isEmpty()) {
        Spielstand start = s;
        LiesBrett(start, *w[SStart]);
        if (!engine::Loesbar(start))
            Verwirf(Spielmangel::Brett);
        if (x.gespielt.size() != s.ZugAnzahl || davor.Spielfeld != start.Spielfeld)
            Verwirf(Spielmangel::Verlauf);
        start.ZugAnzahl = start.Sekunden = 0;
        start.phase = Phase::Aufgebaut;
        x.start = start;
    }
    x.zugSekunden = Sekundenfolge(*w[SZugsekunden], x.gespielt.size(), s.Sekunden);
    x.beginn = Zeitpunkt(*w[SBeginn]);
    x.herkunft.wiederholungVon = Zahl(*w[SWiederholung], std::int64_t(999999999999999999));
    x.herkunft.spielcode = Text(*w[SSpielcode]);
    x.herkunft.tagesraetsel = Datum(*w[STagesraetsel]);
}

Schnappschuss Lies(QByteArrayView bytes, int& version)
{
    const Werte w = Rumpf(bytes, version);
    Schnappschuss x;
    LiesSpielstand(w, x);
    const Spielstand& s = x.spiel;
    // Each move of either list got there by a counted move.
    x.verlauf = LiesZuege(s, *w[SVerlauf], s.ZugAnzahl);
    x.zurueckgenommen = LiesZuege(s, *w[SZurueckgenommen], s.ZugAnzahl - x.verlauf.size());
    Zurueckgespielt(s, x.verlauf);
    PruefeWiederholbar(s, x.zurueckgenommen);
    if (version == Version)
        LiesVerlauf(w, x);
    return x;
}

} // namespace

QByteArray SpielAlsBytes(const Schnappschuss& x)
{
    const Spielstand& s = x.spiel;
    std::array<QByteArray, SchluesselAnzahl> werte;
    werte[SVariante] = QByteArray::number(int(s.variante));
    werte[SSeite] = QByteArray::number(s.n());
    werte[SVorschau] = SchalterText(x.einstellungen.vorschau);
    werte[SZufallsfeld] = SchalterText(x.einstellungen.posZufall);
    werte[SGrau] = SchalterText(x.einstellungen.swBild);
    werte[SBild] = TextAlsWert(x.einstellungen.bilddatei);
    werte[SPruefsumme] = x.bildPruefsumme.toHex();
    werte[SBrett] = BrettText(s);
    werte[SHeimfeld] = QByteArray::number(s.FreiesFeld);
    werte[SZuege] = QByteArray::number(s.ZugAnzahl);
    werte[SSekunden] = QByteArray::number(s.Sekunden);
    werte[SPhase] = PhasenName(s.phase);
    werte[SHilfe] = SchalterText(x.mitHilfe);
    werte[SCursor] = QByteArray::number(x.cursor);
    werte[SVerlauf] = ZuegeText(x.verlauf);
    werte[SZurueckgenommen] = ZuegeText(x.zurueckgenommen);
    werte[SZuschnitt] = SchalterText(x.zuschnitt == daten::Zuschnitt::Mitte);
    werte[SStart] = x.start ? BrettText(*x.start) : QByteArray();
    werte[SGespielt] = ZuegeText(x.gespielt);
    werte[SZugsekunden] = SekundenfolgeText(x.zugSekunden);
    werte[SBeginn] = ZeitpunktText(x.beginn);
    werte[SWiederholung] = QByteArray::number(qint64(x.herkunft.wiederholungVon));
    werte[SSpielcode] = TextAlsWert(x.herkunft.spielcode);
    werte[STagesraetsel] = x.herkunft.tagesraetsel.toString(Qt::ISODate).toLatin1();

    QByteArray datei = Kopf.toByteArray() + QByteArray::number(Version) + '\n';
    for (std::size_t k = 0; k < SchluesselAnzahl; ++k)
        datei += QByteArray(Namen[k].data(), qsizetype(Namen[k].size())) + '=' + werte[k] + '\n';
    return datei + "ende\n";
}

Spiellesung LiesSpiel(const QByteArray& bytes)
{
    if (bytes.size() > SpielDateiHoechstens)
        return {std::nullopt, Spielmangel::ZuGross};
    int version = 0;
    try {
        Schnappschuss spiel = Lies(bytes, version);
        return {std::move(spiel), Spielmangel::Keiner, version};
    } catch (const Abbruch& abbruch) {
        return {std::nullopt, abbruch.mangel, version};
    }
}

} // namespace sitzung
