#include "sitzung/spieldatei.h"

#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdlib>
#include <string_view>

namespace sitzung {

using engine::Operation;
using engine::Phase;
using engine::Spielstand;
using engine::Variante;
using engine::Zug;

namespace {

constexpr QByteArrayView Kopf = "Tavelor-Spiel ";
constexpr int Version = 1;
constexpr QByteArrayView Schluss = "\nende\n";

enum Schluessel : std::size_t {
    SVariante, SSeite, SVorschau, SZufallsfeld, SGrau, SBild, SPruefsumme, SBrett, SHeimfeld,
    SZuege, SSekunden, SPhase, SHilfe, SCursor, SVerlauf, SZurueckgenommen, SchluesselAnzahl
};
constexpr std::array<std::string_view, SchluesselAnzahl> Namen = {
    "variante", "seite", "vorschau", "zufallsfeld", "grau", "bild", "pruefsumme", "brett", "heimfeld",
    "zuege", "sekunden", "phase", "hilfe", "cursor", "verlauf", "zurueckgenommen"};

// The moves by their letters; TeilSchieben is "T<a>:<b>" and has no entry here.
struct Zugname {
    Operation op;
    std::string_view name;
};
constexpr std::array<Zugname, 6> Zugnamen = {{{Operation::ZeileRechts, "ZR"}, {Operation::ZeileLinks, "ZL"},
                                               {Operation::SpalteRunter, "SR"}, {Operation::SpalteHoch, "SH"},
                                               {Operation::AchseRechts, "AR"}, {Operation::AchseLinks, "AL"}}};

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

QByteArray ZugText(const Zug& zug)
{
    if (zug.op == Operation::TeilSchieben)
        return 'T' + QByteArray::number(zug.a) + ':' + QByteArray::number(zug.b);
    for (const Zugname& z : Zugnamen)
        if (z.op == zug.op)
            return QByteArray(z.name.data(), qsizetype(z.name.size())) + QByteArray::number(zug.a);
    return {};
}

QByteArray ZuegeText(const std::vector<Zug>& zuege)
{
    QByteArray text;
    text.reserve(qsizetype(zuege.size()) * 5);
    for (const Zug& zug : zuege) {
        if (!text.isEmpty())
            text += ',';
        text += ZugText(zug);
    }
    return text;
}

// Reading stops at the first fault; LiesSpiel turns it into the reason.
struct Abbruch {
    Spielmangel mangel;
};
[[noreturn]] void Verwirf(Spielmangel mangel) { throw Abbruch{mangel}; }

// A decimal number without sign or leading zeros, at most `hoechstens`.
int Zahl(QByteArrayView text, int hoechstens, Spielmangel mangel = Spielmangel::Wert)
{
    if (text.isEmpty() || text.size() > 6 || (text.size() > 1 && text[0] == '0'))
        Verwirf(mangel);
    int zahl = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            Verwirf(mangel);
        zahl = zahl * 10 + (c - '0');
    }
    if (zahl > hoechstens)
        Verwirf(mangel);
    return zahl;
}

bool Schalter(QByteArrayView text) { return Zahl(text, 1) == 1; }

QString Bildpfad(QByteArrayView text)
{
    const QByteArray utf8 = QByteArray::fromPercentEncoding(text.toByteArray());
    const QString pfad = QString::fromUtf8(utf8);
    // Only the one spelling the writer makes, and only whole UTF-8 characters.
    if (utf8.toPercentEncoding() != text || pfad.toUtf8() != utf8)
        Verwirf(Spielmangel::Wert);
    return pfad;
}

QByteArray Pruefsumme(QByteArrayView text)
{
    const QByteArray summe = QByteArray::fromHex(text.toByteArray());
    if ((!text.isEmpty() && text.size() != 64) || summe.toHex() != text)
        Verwirf(Spielmangel::Wert);
    return summe;
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

void LiesBrett(Spielstand& s, QByteArrayView text)
{
    const int felder = s.felder();
    const bool mitLeerfeld = s.variante == Variante::Schieben;
    std::array<bool, engine::MaxFelder + 1> gesehen{};
    int feld = 0;
    for (QByteArrayView rest = text;; ++feld) {
        const qsizetype komma = rest.indexOf(',');
        const int teil = Zahl(komma < 0 ? rest : rest.first(komma), felder, Spielmangel::Brett);
        const bool erlaubt = mitLeerfeld ? teil != s.FreiesFeld : teil != 0;
        if (feld >= felder || gesehen[std::size_t(teil)] || !erlaubt)
            Verwirf(Spielmangel::Brett);
        gesehen[std::size_t(teil)] = true;
        s.Spielfeld[std::size_t(feld + 1)] = std::uint8_t(teil);
        if (komma < 0)
            break;
        rest = rest.sliced(komma + 1);
    }
    if (feld + 1 != felder)  // distinct and in range: the right count makes a permutation
        Verwirf(Spielmangel::Brett);
    for (int p = felder + 1; p <= engine::MaxFelder; ++p)
        s.Spielfeld[std::size_t(p)] = std::uint8_t(p);
}

bool Nachbarn(int n, int a, int b)
{
    return std::abs(a - b) == n || (std::abs(a - b) == 1 && (a - 1) / n == (b - 1) / n);
}

// One move of the game's variant with its numbers on the board.
Zug LiesZug(const Spielstand& s, QByteArrayView text)
{
    const auto Feld = [&](QByteArrayView t) { return Zahl(t, s.felder(), Spielmangel::Verlauf); };
    if (s.variante == Variante::Schieben) {
        const qsizetype doppelpunkt = text.indexOf(':');
        if (!text.startsWith('T') || doppelpunkt < 0)
            Verwirf(Spielmangel::Verlauf);
        const Zug zug{Operation::TeilSchieben, Feld(text.sliced(1, doppelpunkt - 1)), Feld(text.sliced(doppelpunkt + 1))};
        if (zug.a == 0 || zug.b == 0 || !Nachbarn(s.n(), zug.a, zug.b))
            Verwirf(Spielmangel::Verlauf);
        return zug;
    }
    const bool drehen = s.variante == Variante::Drehen;
    const int hoechstens = drehen ? engine::AchsenAnzahl(s.n()) : s.n();
    for (const Zugname& z : Zugnamen) {
        const bool achse = z.op == Operation::AchseRechts || z.op == Operation::AchseLinks;
        if (achse != drehen || !text.startsWith(QByteArrayView(z.name.data(), qsizetype(z.name.size()))))
            continue;
        const int nummer = Zahl(text.sliced(2), hoechstens, Spielmangel::Verlauf);
        if (nummer == 0)
            Verwirf(Spielmangel::Verlauf);
        return {z.op, nummer};
    }
    Verwirf(Spielmangel::Verlauf);
}

std::vector<Zug> LiesZuege(const Spielstand& s, QByteArrayView text, std::size_t schonGelesen)
{
    std::vector<Zug> zuege;
    for (QByteArrayView rest = text; !text.isEmpty();) {
        if (schonGelesen + zuege.size() >= VerlaufHoechstens)
            Verwirf(Spielmangel::Verlauf);
        const qsizetype komma = rest.indexOf(',');
        zuege.push_back(LiesZug(s, komma < 0 ? rest : rest.first(komma)));
        if (komma < 0)
            break;
        rest = rest.sliced(komma + 1);
    }
    return zuege;
}

// Variant 1: every undo from the board back, and every redo from the board on, finds the
// field it slides into empty. Rows, columns and axes can always turn.
void PruefeSpielbar(const Schnappschuss& x)
{
    if (x.spiel.variante != Variante::Schieben)
        return;
    Spielstand zurueck = x.spiel, vor = x.spiel;
    for (auto zug = x.verlauf.rbegin(); zug != x.verlauf.rend(); ++zug) {
        if (zurueck.Spielfeld[std::size_t(zug->a)] != 0)
            Verwirf(Spielmangel::Verlauf);
        engine::Ausfuehren(zurueck, engine::Umkehrung(*zug));
    }
    for (auto zug = x.zurueckgenommen.rbegin(); zug != x.zurueckgenommen.rend(); ++zug) {
        if (vor.Spielfeld[std::size_t(zug->b)] != 0)
            Verwirf(Spielmangel::Verlauf);
        engine::Ausfuehren(vor, *zug);
    }
}

using Werte = std::array<std::optional<QByteArrayView>, SchluesselAnzahl>;

// The lines between the first and the end line: each a known key with a value of allowed
// characters, each key once.
Werte Zerlege(QByteArrayView rumpf)
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
        while (k < SchluesselAnzahl && Namen[k] != name)
            ++k;
        if (k == SchluesselAnzahl || werte[k])
            Verwirf(Spielmangel::Schluessel);
        werte[k] = wert;
    }
    for (const auto& wert : werte)
        if (!wert)
            Verwirf(Spielmangel::Schluessel);
    return werte;
}

// Header, end line and the lines between; the caller has checked the size.
Werte Rumpf(QByteArrayView bytes)
{
    const qsizetype zeilenende = bytes.indexOf('\n');
    const QByteArrayView kopf = zeilenende < 0 ? bytes : bytes.first(zeilenende);
    if (!kopf.startsWith(Kopf))
        Verwirf(Spielmangel::Kopf);
    if (Zahl(kopf.sliced(Kopf.size()), 999999, Spielmangel::Kopf) != Version)
        Verwirf(Spielmangel::Version);
    if (!bytes.endsWith(Schluss) || bytes.size() < zeilenende + Schluss.size())
        Verwirf(Spielmangel::Ende);
    return Zerlege(bytes.sliced(zeilenende + 1, bytes.size() - zeilenende - Schluss.size()));
}

Schnappschuss Lies(QByteArrayView bytes)
{
    const Werte w = Rumpf(bytes);
    Schnappschuss x;
    Einstellungen& e = x.einstellungen;
    Spielstand& s = x.spiel;
    s.variante = Variante(Zahl(*w[SVariante], 3));
    if (int(s.variante) < 1)
        Verwirf(Spielmangel::Wert);
    const int n = Zahl(*w[SSeite], engine::MaxSeite);
    if (n < 3)
        Verwirf(Spielmangel::Wert);
    s.Groesse = std::uint8_t(n);
    e.variante = s.variante;
    e.groesse = n;
    e.vorschau = Schalter(*w[SVorschau]);
    e.posZufall = Schalter(*w[SZufallsfeld]);
    e.swBild = Schalter(*w[SGrau]);
    e.bilddatei = Bildpfad(*w[SBild]);
    x.bildPruefsumme = Pruefsumme(*w[SPruefsumme]);
    const bool schieben = s.variante == Variante::Schieben;
    s.FreiesFeld = Zahl(*w[SHeimfeld], schieben ? s.felder() : 0);
    if (schieben && s.FreiesFeld == 0)
        Verwirf(Spielmangel::Wert);
    LiesBrett(s, *w[SBrett]);
    s.ZugAnzahl = std::uint16_t(Zahl(*w[SZuege], engine::MaxZuege));
    s.Sekunden = std::uint16_t(Zahl(*w[SSekunden], engine::MaxSekunden));
    s.phase = PhaseAus(*w[SPhase]);
    x.mitHilfe = Schalter(*w[SHilfe]);
    x.cursor = Zahl(*w[SCursor], CursorHoechstens(s));
    x.verlauf = LiesZuege(s, *w[SVerlauf], 0);
    x.zurueckgenommen = LiesZuege(s, *w[SZurueckgenommen], x.verlauf.size());
    PruefeSpielbar(x);
    return x;
}

} // namespace

QByteArray SpielAlsBytes(const Schnappschuss& x)
{
    const Spielstand& s = x.spiel;
    const auto schalter = [](bool ja) { return QByteArray(ja ? "1" : "0"); };
    QByteArray brett;
    for (int p = 1; p <= s.felder(); ++p)
        brett += (p > 1 ? "," : "") + QByteArray::number(s.Spielfeld[std::size_t(p)]);
    std::array<QByteArray, SchluesselAnzahl> werte;
    werte[SVariante] = QByteArray::number(int(s.variante));
    werte[SSeite] = QByteArray::number(s.n());
    werte[SVorschau] = schalter(x.einstellungen.vorschau);
    werte[SZufallsfeld] = schalter(x.einstellungen.posZufall);
    werte[SGrau] = schalter(x.einstellungen.swBild);
    werte[SBild] = x.einstellungen.bilddatei.toUtf8().toPercentEncoding();
    werte[SPruefsumme] = x.bildPruefsumme.toHex();
    werte[SBrett] = brett;
    werte[SHeimfeld] = QByteArray::number(s.FreiesFeld);
    werte[SZuege] = QByteArray::number(s.ZugAnzahl);
    werte[SSekunden] = QByteArray::number(s.Sekunden);
    werte[SPhase] = PhasenName(s.phase);
    werte[SHilfe] = schalter(x.mitHilfe);
    werte[SCursor] = QByteArray::number(x.cursor);
    werte[SVerlauf] = ZuegeText(x.verlauf);
    werte[SZurueckgenommen] = ZuegeText(x.zurueckgenommen);

    QByteArray datei = Kopf.toByteArray() + QByteArray::number(Version) + '\n';
    for (std::size_t k = 0; k < SchluesselAnzahl; ++k)
        datei += QByteArray(Namen[k].data(), qsizetype(Namen[k].size())) + '=' + werte[k] + '\n';
    return datei + "ende\n";
}

Spiellesung LiesSpiel(const QByteArray& bytes)
{
    if (bytes.size() > SpielDateiHoechstens)
        return {std::nullopt, Spielmangel::ZuGross};
    try {
        return {Lies(bytes), Spielmangel::Keiner};
    } catch (const Abbruch& abbruch) {
        return {std::nullopt, abbruch.mangel};
    }
}

} // namespace sitzung
