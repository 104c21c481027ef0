// The session between rules and windows: what it tells for a move, a pause and an end, and
// how it takes moves back.
#include "engine/mischen.h"
#include "sitzung/spielsitzung.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace sitzung;
using engine::Operation;
using engine::Phase;
using engine::Zug;

namespace {

class SitzungTest : public ::testing::Test {
protected:
    engine::MtZufall zufall{11};
    Spielsitzung sitzung{zufall};
    QSignalSpy gezogen{&sitzung, &Spielsitzung::gezogen};
    QSignalSpy phasen{&sitzung, &Spielsitzung::phaseGeaendert};
    QSignalSpy enden{&sitzung, &Spielsitzung::spielZuEnde};

    // A 3 x 3 game of rows and columns; the scramble decides the board.
    void Neu(engine::Variante variante = engine::Variante::Verschieben, int n = 3)
    {
        Einstellungen e;
        e.variante = variante;
        e.groesse = n;
        e.vorschau = false;
        sitzung.NeuesSpiel(e);
    }
};

TEST_F(SitzungTest, NeuesSpielOhneUhrUndOhneZug)
{
    QSignalSpy begonnen(&sitzung, &Spielsitzung::neuesSpielBegonnen);
    Neu();
    EXPECT_EQ(begonnen.size(), 1);
    EXPECT_EQ(sitzung.spiel().phase, Phase::Aufgebaut);
    EXPECT_FALSE(sitzung.uhrLaeuft());
    EXPECT_FALSE(sitzung.KannRueckgaengig());
    EXPECT_FALSE(sitzung.einstellungen().vorschau);
}

TEST_F(SitzungTest, EinZugMeldetFelderZaehltUndStartetDieUhr)
{
    Neu();
    phasen.clear();
    sitzung.Druecke({engine::Zielart::StreifenLinks, 2}, engine::Taste::Links);
    ASSERT_EQ(gezogen.size(), 1);
    EXPECT_EQ(gezogen[0][0].value<Zug>(), (Zug{Operation::ZeileRechts, 2}));
    EXPECT_EQ(gezogen[0][1].value<std::vector<int>>(), (std::vector<int>{4, 5, 6}));
    EXPECT_EQ(sitzung.spiel().ZugAnzahl, 1);
    EXPECT_TRUE(sitzung.uhrLaeuft());
    ASSERT_EQ(phasen.size(), 1);
    EXPECT_EQ(phasen[0][0].value<Phase>(), Phase::Laeuft);

    sitzung.Druecke({engine::Zielart::Nichts, 0, 5}, engine::Taste::Rechts);  // tile numbers
    EXPECT_EQ(sitzung.nummernmodus(), Nummernmodus::EinFeld);
    EXPECT_EQ(sitzung.nummernfeld(), 5);
    sitzung.Druecke({engine::Zielart::StreifenOben, 1}, engine::Taste::Links);
    EXPECT_EQ(sitzung.nummernmodus(), Nummernmodus::Keine) << "a counted move takes the numbers away";
}

TEST_F(SitzungTest, PauseHaeltDieUhrUndEinDruckAufsBrettSetztNurFort)
{
    Neu();
    sitzung.Ziehe({Operation::SpalteHoch, 1});
    sitzung.Druecke({engine::Zielart::Nichts, 0, 1}, engine::Taste::Rechts);
    sitzung.PauseUmschalten();
    EXPECT_EQ(sitzung.spiel().phase, Phase::Pausiert);
    EXPECT_FALSE(sitzung.uhrLaeuft());
    EXPECT_EQ(sitzung.nummernmodus(), Nummernmodus::Keine);
    EXPECT_FALSE(sitzung.Ziehe({Operation::SpalteHoch, 1}));
    const auto brett = sitzung.spiel().Spielfeld;
    sitzung.Druecke({engine::Zielart::StreifenLinks, 1}, engine::Taste::Links);
    EXPECT_EQ(sitzung.spiel().Spielfeld, brett);
    EXPECT_EQ(sitzung.spiel().phase, Phase::Laeuft);
    EXPECT_TRUE(sitzung.uhrLaeuft());
    EXPECT_EQ(sitzung.spiel().ZugAnzahl, 1);
}

TEST_F(SitzungTest, RueckgaengigUndWiederholenZaehlenUndStellenDasBrettHer)
{
    Neu(engine::Variante::Drehen, 4);
    const auto start = sitzung.spiel().Spielfeld;
    sitzung.Ziehe({Operation::AchseRechts, 5});
    const auto nachZug = sitzung.spiel().Spielfeld;
    sitzung.Rueckgaengig();
    EXPECT_EQ(sitzung.spiel().Spielfeld, start);
    EXPECT_EQ(sitzung.spiel().ZugAnzahl, 2);
    EXPECT_FALSE(sitzung.KannRueckgaengig());
    ASSERT_TRUE(sitzung.KannWiederholen());
    sitzung.Wiederholen();
    EXPECT_EQ(sitzung.spiel().Spielfeld, nachZug);
    EXPECT_EQ(sitzung.spiel().ZugAnzahl, 3);
    sitzung.Rueckgaengig();
    sitzung.Ziehe({Operation::AchseLinks, 1});  // a new move drops what was taken back
    EXPECT_FALSE(sitzung.KannWiederholen());
    EXPECT_EQ(sitzung.verlauf().size(), 1u);
}

TEST_F(SitzungTest, EndeDurchZeitZeigtDieVorschauWiederUndStopptDieUhr)
{
    Neu();
    sitzung.Ziehe({Operation::ZeileLinks, 3});
    QSignalSpy sekunden(&sitzung, &Spielsitzung::sekundeVergangen);
    for (int i = 0; i < engine::MaxSekunden + 5; ++i)
        sitzung.Sekunde();
    EXPECT_EQ(sekunden.size(), engine::MaxSekunden);
    EXPECT_EQ(sitzung.spiel().Sekunden, engine::MaxSekunden);
    ASSERT_EQ(enden.size(), 1);
    EXPECT_EQ(enden[0][0].value<Spielergebnis>().ausgang, Ausgang::MaxZeit);
    EXPECT_EQ(sitzung.spiel().phase, Phase::Vorbei);
    EXPECT_FALSE(sitzung.uhrLaeuft());
    EXPECT_TRUE(sitzung.einstellungen().vorschau);
    EXPECT_FALSE(sitzung.KannRueckgaengig());
}

TEST_F(SitzungTest, GeloestesBrettEndetMitGeloest)
{
    Neu(engine::Variante::Verschieben, 3);
    // Take the scramble back move by move through the session; its last move solves.
    engine::MtZufall gleich{11};
    engine::Spielstand probe;
    std::vector<Zug> protokoll;
    engine::NeuesSpiel(probe, gleich, engine::Variante::Verschieben, 3, false, &protokoll);
    ASSERT_EQ(probe.Spielfeld, sitzung.spiel().Spielfeld);
    for (auto it = protokoll.rbegin(); it != protokoll.rend() && sitzung.spiel().brettAktiv(); ++it)
        sitzung.Ziehe(engine::Umkehrung(*it));
    ASSERT_EQ(enden.size(), 1);
    EXPECT_EQ(enden[0][0].value<Spielergebnis>().ausgang, Ausgang::Geloest);
    EXPECT_EQ(phasen.back()[0].value<Phase>(), Phase::Vorbei);
}

} // namespace
