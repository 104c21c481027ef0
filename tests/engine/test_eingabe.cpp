// One interpreter for clicks and keys: what each input makes in each variant, with the cursor.
#include <gtest/gtest.h>

#include "engine/eingabe.h"
#include "hilfen.h"

using namespace engine;
using namespace engine::test;

namespace {

struct Fall {
    const char* was;
    int variante;
    int cursor;
    Eingabe eingabe;
    std::optional<Zug> zug;
    int cursorDanach;
    std::optional<int> nummernfeld;
};

TEST(Eingabe, KlickUndTasteMachenInJederVarianteDasSelbeWieDieRegeln)
{
    using T = Spieltaste;
    const auto taste = [](T t, bool umschalt = false) { return Eingabe::Tastatur(t, umschalt); };
    const std::vector<Fall> faelle = {
        // Variant 1 (empty field 5 in the middle): arrows push a tile in; no cursor ever.
        {"slide left", 1, 0, taste(T::Links), Zug{Operation::TeilSchieben, 6, 5}, 0, {}},
        {"slide down", 1, 0, taste(T::Runter), Zug{Operation::TeilSchieben, 2, 5}, 0, {}},
        {"turn key does nothing", 1, 0, taste(T::Drehen), {}, 0, {}},
        {"N right of the empty field", 1, 0, taste(T::Nummern), {}, 0, 6},
        {"click beside the empty field", 1, 0, Eingabe::Zeiger({Zielart::Feld, 4, 4}, Taste::Links),
         Zug{Operation::TeilSchieben, 4, 5}, 0, {}},
        {"right click: numbers", 1, 0, Eingabe::Zeiger({Zielart::Feld, 1, 1}, Taste::Rechts), {}, 0, 1},
        // Variant 2: arrows walk a frame, Shift shifts its line.
        {"first arrow shows the frame", 2, 0, taste(T::Rechts), {}, 1, {}},
        {"frame walks", 2, 1, taste(T::Runter), {}, 4, {}},
        {"shift without frame walks", 2, 0, taste(T::Links, true), {}, 1, {}},
        {"shift moves the row", 2, 4, taste(T::Rechts, true), Zug{Operation::ZeileRechts, 2}, 4, {}},
        {"shift moves the column", 2, 4, taste(T::Hoch, true), Zug{Operation::SpalteHoch, 1}, 4, {}},
        {"N at the frame", 2, 4, taste(T::Nummern), {}, 4, 4},
        {"a click hides the frame", 2, 4, Eingabe::Zeiger({Zielart::StreifenLinks, 1}, Taste::Links),
         Zug{Operation::ZeileRechts, 1}, 0, {}},
        // Variant 3: arrows walk a ring between the axes, Space turns, Backspace or Shift back.
        {"turn without ring", 3, 0, taste(T::Drehen), {}, 0, {}},
        {"ring walks", 3, 1, taste(T::Rechts), {}, 2, {}},
        {"space turns clockwise", 3, 2, taste(T::Drehen), Zug{Operation::AchseRechts, 2}, 2, {}},
        {"shift space turns back", 3, 2, taste(T::Drehen, true), Zug{Operation::AchseLinks, 2}, 2, {}},
        {"backspace turns back", 3, 2, taste(T::GegenDrehen), Zug{Operation::AchseLinks, 2}, 2, {}},
        {"N at the ring's top left", 3, 4, taste(T::Nummern), {}, 4, 5},
        {"middle click on a knob does nothing", 3, 2, Eingabe::Zeiger({Zielart::Achse, 1}, Taste::Mitte), {}, 0, {}},
        {"right click on a knob turns back", 3, 0, Eingabe::Zeiger({Zielart::Achse, 1}, Taste::Rechts),
         Zug{Operation::AchseLinks, 1}, 0, {}},
    };
    for (const Fall& f : faelle) {
        Spielstand s = GeloestesBrett(f.variante, 3, f.variante == 1 ? 5 : 0);
        s.phase = Phase::Laeuft;
        const Handlung h = Interpretiere(s, f.cursor, f.eingabe);
        EXPECT_EQ(h.zug, f.zug) << f.was;
        EXPECT_EQ(h.cursor, f.cursorDanach) << f.was;
        EXPECT_EQ(h.nummernfeld, f.nummernfeld) << f.was;
    }
}

} // namespace
