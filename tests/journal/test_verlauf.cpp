#include "journal/verlauf.h"

#include <gtest/gtest.h>

#include "journal/ergebnisbau.h"

using namespace journal;
using engine::Variante;

namespace {

// Every variant and side, with the start and the seconds known or not: read back as written,
// and written again to the same bytes.
TEST(Verlauf, JedeVarianteUndSeiteKommtUnveraendertZurueck)
{
    for (Variante v : {Variante::Schieben, Variante::Verschieben, Variante::Drehen})
        for (int n = 3; n <= engine::MaxSeite; ++n)
            for (int art = 0; art < 3; ++art) {
                const sitzung::Spielergebnis e = ergebnisbau::Ergebnis(v, n, std::uint32_t(n * 10 + art), 120);
                Verlauf verlauf{art == 1 ? std::nullopt : e.start, e.gespielt, art == 2 ? std::vector<std::uint16_t>{} : e.zugSekunden};
                const Verlaufsbytes bytes = VerlaufKodieren(v, n, verlauf);
                EXPECT_EQ(bytes.zuege.size(), 120);
                const std::optional<Verlauf> gelesen = VerlaufDekodieren(v, n, bytes);
                ASSERT_TRUE(gelesen) << int(v) << " " << n << " " << art;
                EXPECT_EQ(*gelesen, verlauf);
                EXPECT_EQ(VerlaufKodieren(v, n, *gelesen), bytes);
            }
}

// Each fault alone in an otherwise good 3 x 3 record is refused.
TEST(Verlauf, JederFehlerWirdAbgelehnt)
{
    const QByteArray brett1("\x01\x02\x03\x04\x05\x06\x07\x00\x08", 9);  // empty field home at 9, one slide away
    const QByteArray brett2("\x01\x02\x03\x04\x05\x06\x07\x08\x09", 9);
    struct Fall {
        const char* was;
        Variante variante;
        Verlaufsbytes bytes;
    };
    const Fall faelle[] = {
        {"board too short", Variante::Verschieben, {brett2.left(8), 0, {}, {}}},
        {"a tile twice", Variante::Verschieben, {QByteArray("\x01\x01\x03\x04\x05\x06\x07\x08\x09", 9), 0, {}, {}}},
        {"home field in variant 2", Variante::Verschieben, {brett2, 9, {}, {}}},
        {"no empty field", Variante::Schieben, {brett2, 9, {}, {}}},
        {"home field off the board", Variante::Schieben, {brett1, 10, {}, {}}},
        {"cannot be solved", Variante::Schieben, {QByteArray("\x02\x01\x03\x04\x05\x06\x07\x00\x08", 9), 9, {}, {}}},
        {"home field without a board", Variante::Schieben, {std::nullopt, 9, {}, {}}},
        {"slide off the top", Variante::Schieben, {std::nullopt, 0, QByteArray(1, 0), {}}},
        {"slide off the right", Variante::Schieben, {std::nullopt, 0, QByteArray(1, 4 * 2 + 1), {}}},
        {"slide past the last field", Variante::Schieben, {std::nullopt, 0, QByteArray(1, char(4 * 9)), {}}},
        {"slide onto a tile", Variante::Schieben, {brett1, 9, QByteArray(1, 4 * 0 + 1), {}}},
        {"row 4 of 3", Variante::Verschieben, {std::nullopt, 0, QByteArray(1, 3), {}}},
        {"a fifth kind of line move", Variante::Verschieben, {std::nullopt, 0, QByteArray(1, 24), {}}},
        {"axis 5 of 4", Variante::Drehen, {std::nullopt, 0, QByteArray(1, 8), {}}},
        {"seconds for another count", Variante::Drehen, {std::nullopt, 0, QByteArray(2, 0), QByteArray(2, 0)}},
        {"seconds running back", Variante::Drehen, {std::nullopt, 0, QByteArray(2, 0), QByteArray("\x05\x00\x04\x00", 4)}},
        {"second 3600", Variante::Drehen, {std::nullopt, 0, QByteArray(1, 0), QByteArray("\x10\x0E", 2)}},
        {"too many moves", Variante::Drehen, {std::nullopt, 0, QByteArray(qsizetype(ZuegeHoechstens + 1), 0), {}}},
    };
    for (const Fall& fall : faelle)
        EXPECT_FALSE(VerlaufDekodieren(fall.variante, 3, fall.bytes)) << fall.was;
    // The good ones the faults were made from.
    EXPECT_TRUE(VerlaufDekodieren(Variante::Schieben, 3, {brett1, 9, QByteArray(1, 4 * 8 + 3), QByteArray(2, 0)}));
    EXPECT_TRUE(VerlaufDekodieren(Variante::Drehen, 3, {std::nullopt, 0, QByteArray(1, 7), QByteArray("\x0F\x0E", 2)}));
}

} // namespace
