// Moves as data: which move a target and a button make, and the move played.
#include <gtest/gtest.h>

#include "engine/zug.h"
#include "hilfen.h"

using namespace engine;
using namespace engine::test;

namespace {

Ziel Feld(int p) { return {Zielart::Feld, p, p}; }
Ziel Achse(int k, int feld = 0) { return {Zielart::Achse, k, feld}; }

std::optional<Zug> ZugVon(const Spielstand& s, const Ziel& ziel, Taste taste = Taste::Links)
{
    const Absicht a = Deute(s, ziel, taste);
    return a.art == Absicht::Art::Zug ? std::optional<Zug>(a.zug) : std::nullopt;
}

} // namespace

// ---- Variant 1: sliding into the empty field ----

TEST(ZugSchieben, TeilNebenDemLeerenFeldRutschtZaehltUndStartetDieUhr)
{
    Spielstand s = GeloestesBrett(1, 4);
    ZeileRechts(s, 4);  // bottom row 0,13,14,15: empty field in 13, solved no more
    const auto zug = ZugVon(s, Feld(14));
    ASSERT_EQ(zug, (Zug{Operation::TeilSchieben, 14, 13}));
    const Zugfolge folge = Ziehe(s, *zug);
    EXPECT_EQ(folge.felder, (std::vector<int>{14, 13}));
    EXPECT_EQ(folge.ende, Ende::Keins);
    EXPECT_EQ(s.Spielfeld[13], 13);
    EXPECT_EQ(s.Spielfeld[14], 0);
    EXPECT_EQ(s.ZugAnzahl, 1);
    EXPECT_EQ(s.phase, Phase::Laeuft);
}

TEST(ZugSchieben, OhneLeerenNachbarnKeinZugUndNieInDieNaechsteZeile)
{
    Spielstand s = GeloestesBrett(1, 4);
    ZeileRechts(s, 4);  // empty field in 13
    for (int feld : {13, 1, 16, 6})  // the empty field itself, tiles without an empty neighbour
        EXPECT_FALSE(ZugVon(s, Feld(feld))) << "field " << feld;
    EXPECT_FALSE(ZugVon(s, Feld(14), Taste::Mitte));
    EXPECT_FALSE(ZugVon(s, {}));

    const Spielstand zeilenende = GeloestesBrett(1, 3, 4);  // empty field 4: first of row 2
    EXPECT_FALSE(ZugVon(zeilenende, Feld(3)));              // last field of row 1
    const Spielstand zeilenanfang = GeloestesBrett(1, 3, 3);
    EXPECT_FALSE(ZugVon(zeilenanfang, Feld(4)));
}

TEST(ZugSchieben, LoesenderZugBeendetDasSpiel)
{
    Spielstand s = GeloestesBrett(1, 3);
    TeilSchieben(s, 8, 9);
    const Zugfolge folge = Ziehe(s, *ZugVon(s, Feld(9)));
    EXPECT_EQ(folge.ende, Ende::Geloest);
    EXPECT_EQ(s.phase, Phase::Vorbei);
    EXPECT_EQ(Deute(s, Feld(8), Taste::Links).art, Absicht::Art::Nichts) << "the board is locked";
}

// ---- Variant 2: shifting rows and columns ----

TEST(ZugVerschieben, JederStreifenSchiebtVonSeinerSeiteWeg)
{
    const Spielstand s = GeloestesBrett(2, 4);
    EXPECT_EQ(ZugVon(s, {Zielart::StreifenLinks, 2}), (Zug{Operation::ZeileRechts, 2}));
    EXPECT_EQ(ZugVon(s, {Zielart::StreifenOben, 3}), (Zug{Operation::SpalteRunter, 3}));
    EXPECT_EQ(ZugVon(s, {Zielart::StreifenRechts, 4}), (Zug{Operation::ZeileLinks, 4}));
    EXPECT_EQ(ZugVon(s, {Zielart::StreifenUnten, 1}), (Zug{Operation::SpalteHoch, 1}));
    EXPECT_FALSE(ZugVon(s, {Zielart::StreifenLinks, 2}, Taste::Rechts));
    EXPECT_FALSE(ZugVon(s, Feld(5)));

    Spielstand t = GeloestesBrett(2, 4);
    EXPECT_EQ(Ziehe(t, {Operation::SpalteRunter, 3}).felder, (std::vector<int>{3, 7, 11, 15}));
    EXPECT_EQ(t.Spielfeld[3], 15);
    EXPECT_EQ(Ziehe(t, {Operation::SpalteHoch, 3}).ende, Ende::Geloest);
}

TEST(ZugVerschieben, VierMalLinksUndVierMalRechtsGebenDasBrettZurueck)
{
    Spielstand s = GeloestesBrett(2, 4);
    ZeileRechts(s, 1);  // not solved, so the game goes on
    const Spielstand vorher = s;
    for (int i = 0; i < 4; ++i)
        Ziehe(s, *ZugVon(s, {Zielart::StreifenLinks, 3}));
    for (int i = 0; i < 4; ++i)
        Ziehe(s, *ZugVon(s, {Zielart::StreifenRechts, 3}));
    EXPECT_EQ(s.Spielfeld, vorher.Spielfeld);
    EXPECT_EQ(s.ZugAnzahl, 8);
}

// ---- Variant 3: turning axes ----

TEST(ZugDrehen, LinksDrehtImUhrzeigersinnRechtsZurueckMitteGarNicht)
{
    Spielstand s = GeloestesBrett(3, 4);
    ZeileRechts(s, 4);
    const Spielstand vorher = s;
    const Zugfolge links = Ziehe(s, *ZugVon(s, Achse(2)));
    EXPECT_EQ(links.felder, (std::vector<int>{2, 3, 7, 6}));
    EXPECT_EQ(s.Spielfeld[3], 2);
    Ziehe(s, *ZugVon(s, Achse(2), Taste::Rechts));
    EXPECT_EQ(s.Spielfeld, vorher.Spielfeld);
    EXPECT_EQ(s.ZugAnzahl, 2);
    const Absicht mitte = Deute(s, Achse(2, 6), Taste::Mitte);
    EXPECT_EQ(mitte.art, Absicht::Art::Nichts);
}

// ---- Tile-number help, limits, no game ----

TEST(Nummernhilfe, RechteTasteAufDemBrettAberNichtAufEinerAchse)
{
    Spielstand s = GeloestesBrett(2, 3);
    ZeileRechts(s, 1);
    const Absicht a = Deute(s, {Zielart::Nichts, 0, 5}, Taste::Rechts);
    EXPECT_EQ(a.art, Absicht::Art::Nummernhilfe);
    EXPECT_EQ(a.feld, 5);
    EXPECT_EQ(Deute(s, {}, Taste::Rechts).art, Absicht::Art::Nichts) << "off the field range";
    EXPECT_EQ(Deute(s, {Zielart::Nichts, 0, 5}, Taste::Links).art, Absicht::Art::Nichts);

    Spielstand drehen = GeloestesBrett(3, 3);
    ZeileRechts(drehen, 1);
    EXPECT_EQ(Deute(drehen, Achse(1, 5), Taste::Rechts).art, Absicht::Art::Zug) << "a turn is no call for numbers";
    EXPECT_EQ(Deute(drehen, Achse(1, 5), Taste::Mitte).art, Absicht::Art::Nichts);
    EXPECT_EQ(Deute(drehen, {Zielart::Nichts, 0, 5}, Taste::Rechts).art, Absicht::Art::Nummernhilfe);
}

TEST(Zuggrenze, Zug9999BeendetUngeloestUndLoesenGehtVor)
{
    Spielstand s = GeloestesBrett(3, 3);
    ZeileRechts(s, 3);
    s.phase = Phase::Laeuft;
    s.ZugAnzahl = 9998;
    EXPECT_EQ(Ziehe(s, {Operation::AchseRechts, 1}).ende, Ende::MaxZuege);
    EXPECT_EQ(s.ZugAnzahl, 9999);
    EXPECT_FALSE(s.brettAktiv());

    Spielstand l = GeloestesBrett(2, 3);
    ZeileRechts(l, 3);
    l.phase = Phase::Laeuft;
    l.ZugAnzahl = 9998;
    EXPECT_EQ(Ziehe(l, {Operation::ZeileLinks, 3}).ende, Ende::Geloest);
    EXPECT_EQ(l.ZugAnzahl, 9999);
}

TEST(Zug, OhneSpielKeineAbsicht)
{
    const Spielstand s;  // before the first game
    EXPECT_EQ(Deute(s, Feld(1), Taste::Links).art, Absicht::Art::Nichts);
    EXPECT_EQ(Deute(s, Feld(1), Taste::Rechts).art, Absicht::Art::Nichts);
}

// What a move does to every field: the board after any move is the board before it with every
// field taking what its origin held, in variant 1 the empty field included.
TEST(Herkunft, JederZugIstDieVertauschungSeinerFelder)
{
    for (int n = 3; n <= MaxSeite; ++n) {
        std::vector<Zug> zuege;
        for (int a = 1; a <= n; ++a)
            for (Operation op : {Operation::ZeileRechts, Operation::ZeileLinks, Operation::SpalteRunter, Operation::SpalteHoch})
                zuege.push_back({op, a});
        for (int k = 1; k <= AchsenAnzahl(n); ++k)
            zuege.insert(zuege.end(), {{Operation::AchseRechts, k}, {Operation::AchseLinks, k}});
        zuege.insert(zuege.end(), {{Operation::TeilSchieben, n * n - 1, n * n}, {Operation::TeilSchieben, n * n - n, n * n}});
        for (const Zug& zug : zuege) {
            Spielstand vorher;
            vorher.Groesse = uint8_t(n);
            for (int p = 1; p < n * n; ++p)  // every field a tile of its own, backwards; the last one empty
                vorher.Spielfeld[p] = uint8_t(n * n + 1 - p);
            Spielstand nachher = vorher;
            Ausfuehren(nachher, zug);
            const auto herkunft = Herkunft(Variante::Schieben, n, zug);
            for (int p = 1; p <= n * n; ++p)
                EXPECT_EQ(nachher.Spielfeld[p], vorher.Spielfeld[herkunft[p - 1] + 1]) << n << " op " << int(zug.op) << " field " << p;
        }
    }
}
