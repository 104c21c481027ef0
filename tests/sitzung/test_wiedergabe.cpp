// A recorded game watched again: from its start board, every move forward and back, and the
// slider to any move, shows the boards the game had, with its move and second as counters.
#include "sitzung/wiedergabe.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include "sitzung/spielsitzung.h"
#include "spielbau.h"

using namespace sitzung;
using engine::Variante;

namespace {

TEST(Wiedergabe, ZeigtJedenZugWieDasSpielIhnHatte)
{
    for (const auto& [variante, n] : {std::pair{Variante::Schieben, 4}, {Variante::Verschieben, 5}, {Variante::Drehen, 6}}) {
        engine::MtZufall zufall(23);
        Spielsitzung sitzung(zufall);
        std::vector<Spielergebnis> enden;
        QObject::connect(&sitzung, &Spielsitzung::spielZuEnde, [&](const Spielergebnis& e) { enden.push_back(e); });
        sitzung.NeuesSpiel({variante, n});
        std::vector<engine::Spielstand> verlauf{sitzung.spiel()};
        for (int i = 0; i < 60; ++i) {
            if (i % 7 == 6)
                sitzung.Rueckgaengig();  // taken back: an inverse move of its own
            else
                sitzung.Ziehe(spielbau::ZufallsZug(sitzung.spiel(), zufall));
            verlauf.push_back(sitzung.spiel());
            if (i % 10 == 0)
                sitzung.Sekunde();  // the next moves at a later second
        }
        sitzung.Aufgeben();
        ASSERT_EQ(enden.size(), 1u);

        Wiedergabe w;
        ASSERT_TRUE(w.Laden(enden[0]));
        ASSERT_EQ(w.anzahl() + 1, int(verlauf.size()));
        const auto gleich = [&](int k) {
            EXPECT_EQ(w.zug(), k);
            EXPECT_EQ(w.brett().Spielfeld, verlauf[std::size_t(k)].Spielfeld) << int(variante) << " move " << k;
            EXPECT_EQ(w.brett().ZugAnzahl, k);
            EXPECT_EQ(w.brett().Sekunden, verlauf[std::size_t(k)].Sekunden) << int(variante) << " move " << k;
        };
        gleich(0);
        w.Springen(w.anzahl());  // the slider at its end: the board the game ended with
        gleich(w.anzahl());
        for (int k : {37, 5, 59, 1}) {  // the slider anywhere, then a step back and forward
            w.Springen(k);
            gleich(k);
            w.Zurueck();
            gleich(k - 1);
            w.Vor();
            gleich(k);
        }
    }
}

// A record whose start is unknown, or whose moves leave the board, is refused and nothing of
// the one shown before changes.
TEST(Wiedergabe, UnpassendeAufzeichnungWirdAbgelehnt)
{
    Spielergebnis gut;
    gut.start = spielbau::Spiel(Variante::Drehen, 3, 5, 0, 0).spiel;
    gut.gespielt = {{engine::Operation::AchseRechts, 4}};
    Wiedergabe w;
    ASSERT_TRUE(w.Laden(gut));
    const engine::Zug falsch[] = {{engine::Operation::AchseRechts, 5}, {engine::Operation::ZeileLinks, 1},
                                  {engine::Operation::TeilSchieben, 1, 2}};
    for (const engine::Zug& zug : falsch) {
        Spielergebnis e = gut;
        e.gespielt.push_back(zug);
        EXPECT_FALSE(w.Laden(e)) << int(zug.op);
    }
    Spielergebnis ohneStart = gut;
    ohneStart.start.reset();
    EXPECT_FALSE(w.Laden(ohneStart));
    EXPECT_EQ(w.ergebnis(), gut);
}

} // namespace
