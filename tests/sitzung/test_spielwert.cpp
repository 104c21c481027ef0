// The game in progress as one value, and hint and solve working beside the window's loop.
#include "engine/loeser.h"
#include "engine/mischen.h"
#include "sitzung/spielsitzung.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace sitzung;
using engine::Phase;
using engine::Variante;

namespace {

Einstellungen Wahl(Variante variante, int n)
{
    Einstellungen e;
    e.variante = variante;
    e.groesse = n;
    e.bilddatei = QStringLiteral("/bilder/Bild = ü\n.jpg");
    return e;
}

// Plays `zuege` moves the keys make, then takes `zurueck` of them back.
void Spiele(Spielsitzung& s, int zuege, int zurueck)
{
    using T = engine::Spieltaste;
    const T tasten[] = {T::Rechts, T::Runter, T::Drehen, T::Links, T::Hoch};
    for (int i = 0; s.spiel().ZugAnzahl < zuege && i < 400; ++i) {
        s.Eingabe(engine::Eingabe::Tastatur(tasten[i % 5], i % 3 == 0));
        if (s.spiel().phase == Phase::Vorbei)
            return;
    }
    for (int i = 0; i < zurueck; ++i)
        s.Rueckgaengig();
}

TEST(Spielwert, JedeVarianteUndGroesseKommtGenauSoZurueck)
{
    for (Variante variante : {Variante::Schieben, Variante::Verschieben, Variante::Drehen}) {
        for (int n = 3; n <= 6; ++n) {
            engine::MtZufall zufall(unsigned(n * 7 + int(variante)));
            Spielsitzung alt(zufall);
            alt.NeuesSpiel(Wahl(variante, n));
            Spiele(alt, 12, 3);
            if (alt.spiel().phase == Phase::Vorbei)
                continue;
            alt.Sekunde();
            alt.Sekunde();
            if (n == 5)
                alt.PauseUmschalten();
            const Schnappschuss wert = alt.schnappschuss();

            Spielsitzung neu(zufall);
            neu.Wiederherstellen(wert);
            Schnappschuss erwartet = wert;
            erwartet.spiel.phase = wert.spiel.phase == Phase::Laeuft ? Phase::Pausiert : wert.spiel.phase;
            EXPECT_EQ(neu.schnappschuss(), erwartet) << int(variante) << " " << n;
            EXPECT_FALSE(neu.uhrLaeuft()) << "the clock waits for the player";

            // Undo and redo work across the restart as they would have before it.
            for (auto* s : {&alt, &neu})
                if (s->spiel().pausiert())
                    s->PauseUmschalten();
            ASSERT_EQ(alt.spiel().phase, neu.spiel().phase);
            for (auto* s : {&alt, &neu}) {
                s->Rueckgaengig();
                s->Wiederholen();
                s->Wiederholen();
                s->Rueckgaengig();
            }
            EXPECT_EQ(neu.spiel().Spielfeld, alt.spiel().Spielfeld);
            EXPECT_EQ(neu.spiel().ZugAnzahl, alt.spiel().ZugAnzahl);
            EXPECT_EQ(neu.verlauf(), alt.verlauf());
        }
    }
}

// The hard 4 x 4 board: 80 moves from home, the longest optimal search there is.
engine::Spielstand HartesBrett()
{
    engine::Spielstand s;
    s.variante = Variante::Schieben;
    s.Groesse = 4;
    s.FreiesFeld = 16;
    const int felder[] = {0, 12, 9, 13, 15, 11, 10, 14, 3, 7, 2, 5, 4, 8, 6, 1};
    for (int p = 1; p <= 16; ++p)
        s.Spielfeld[p] = uint8_t(felder[p - 1] == 0 ? 0 : felder[p - 1]);
    s.phase = Phase::Aufgebaut;
    return s;
}

class Hilfe : public ::testing::Test {
protected:
    engine::MtZufall zufall{3};
    std::unique_ptr<Spielsitzung> sitzung = std::make_unique<Spielsitzung>(zufall);

    void Hart() { sitzung->Fortsetzen(Wahl(Variante::Schieben, 4), HartesBrett()); }
};

// While Solve thinks, the loop of the window goes on; a move, a new game or quitting drops it,
// and no move of the dropped plan is ever played.
TEST_F(Hilfe, LoesenDenktNebenherUndWirdVonZugNeuemSpielUndEndeVerworfen)
{
    Hart();
    QSignalSpy gezogen(sitzung.get(), &Spielsitzung::gezogen);
    sitzung->Loesen();
    QElapsedTimer uhr;
    uhr.start();
    QTest::qWait(30);
    EXPECT_LT(uhr.elapsed(), 500) << "the loop was blocked";
    sitzung->Eingabe(engine::Eingabe::Tastatur(engine::Spieltaste::Links, false));  // the player moves
    EXPECT_FALSE(sitzung->loest());
    QTest::qWait(600);
    EXPECT_EQ(gezogen.size(), 1) << "only the player's move";

    sitzung->Loesen();
    QTest::qWait(20);
    sitzung->NeuesSpiel(Wahl(Variante::Verschieben, 3));
    QTest::qWait(600);
    EXPECT_EQ(sitzung->spiel().ZugAnzahl, 0);
    EXPECT_FALSE(sitzung->mitHilfe());

    Hart();
    sitzung->Loesen();
    QTest::qWait(20);
    uhr.restart();
    sitzung.reset();  // quitting
    EXPECT_LT(uhr.elapsed(), 2000) << "quitting waited for the solver";
}

TEST_F(Hilfe, TippKommtNachDemFensterUndEinVeralteterWirdNichtGezeigt)
{
    sitzung->NeuesSpiel(Wahl(Variante::Drehen, 3));
    QSignalSpy tipps(sitzung.get(), &Spielsitzung::tippGezeigt);
    sitzung->Tipp();
    EXPECT_TRUE(tipps.wait(5000));
    ASSERT_EQ(tipps.size(), 1);
    EXPECT_TRUE(sitzung->mitHilfe());
    engine::Spielstand danach = sitzung->spiel();
    engine::Ausfuehren(danach, tipps.at(0).at(0).value<engine::Zug>());
    EXPECT_EQ(engine::Loesung(danach).size() + 1, engine::Loesung(sitzung->spiel()).size())
        << "the hint is the first move of a shortest way";

    // Off the plan's way (its first turn the other way round), once the best plan is known too.
    QTest::qWait(300);
    ASSERT_TRUE(sitzung->Ziehe(engine::Umkehrung(tipps.at(0).at(0).value<engine::Zug>())));
    sitzung->Tipp();
    EXPECT_TRUE(tipps.size() == 2 || tipps.wait(5000)) << "no hint after a move off the plan";

    const auto gezeigt = tipps.size();
    sitzung->NeuesSpiel(Wahl(Variante::Schieben, 5));
    sitzung->Tipp();
    sitzung->Eingabe(engine::Eingabe::Tastatur(engine::Spieltaste::Rechts, false));
    QTest::qWait(400);
    EXPECT_EQ(tipps.size(), gezeigt) << "the hint for the board before the move came late";
}

// Solve plays the shortest way where the solver knows one (side 3, sliding games of side 4, a
// board near home) although elsewhere it begins with a quick way and goes on with a better one:
// there it plays no more moves than the quick way has, and every one of them is legal.
TEST_F(Hilfe, LoesenBleibtAmKuerzestenWoEsDasWar)
{
    using engine::Operation;
    const struct {
        Variante variante;
        int n;
        std::vector<engine::Zug> vonDaheim;  // none: a new game
        bool kuerzester;
    } faelle[] = {{Variante::Schieben, 3, {}, true},  {Variante::Verschieben, 3, {}, true},
                  {Variante::Drehen, 3, {}, true},    {Variante::Schieben, 4, {}, true},
                  {Variante::Drehen, 6,
                   {{Operation::AchseRechts, 1}, {Operation::AchseRechts, 8}, {Operation::AchseLinks, 20}}, true},
                  {Variante::Verschieben, 5,
                   {{Operation::ZeileRechts, 1}, {Operation::SpalteRunter, 3}, {Operation::ZeileLinks, 5}}, true},
                  {Variante::Drehen, 6, {}, false},   {Variante::Schieben, 6, {}, false}};
    sitzung->LoesetempoSetzen(1000);
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << "variant " << int(f.variante) << " side " << f.n);
        sitzung->NeuesSpiel(Wahl(f.variante, f.n));
        if (!f.vonDaheim.empty()) {
            engine::Spielstand s = sitzung->spiel();
            for (int p = 1; p <= f.n * f.n; ++p)
                s.Spielfeld[p] = uint8_t(p);
            for (const engine::Zug& z : f.vonDaheim)
                engine::Ausfuehren(s, z);
            sitzung->Fortsetzen(Wahl(f.variante, f.n), s);
        }
        const engine::Spielstand start = sitzung->spiel();
        const std::size_t erwartet = (f.kuerzester ? engine::Loesung(start) : engine::SchnelleLoesung(start)).size();
        sitzung->Loesen();
        for (int i = 0; i < 1000 && (sitzung->loest() || sitzung->spiel().phase != Phase::Vorbei); ++i)
            QTest::qWait(10);
        ASSERT_EQ(sitzung->spiel().phase, Phase::Vorbei) << "not solved";
        if (f.kuerzester)
            EXPECT_EQ(sitzung->spiel().ZugAnzahl, erwartet);
        else
            EXPECT_LE(sitzung->spiel().ZugAnzahl, erwartet);
    }
}

} // namespace
