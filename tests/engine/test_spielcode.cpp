// Game codes: every board of every variant and side comes back exactly, and every kind of
// damage is refused with its own reason.
#include "engine/mischen.h"
#include "engine/spielcode.h"

#include <gtest/gtest.h>

#include <string>

using namespace engine;

namespace {

Spielcode Zufallscode(Variante v, int n, unsigned saat)
{
    MtZufall zufall(saat);
    Spielcode code;
    code.posZufall = v == Variante::Schieben && saat % 2;
    NeuesSpiel(code.brett, zufall, v, n, code.posZufall);
    if (saat % 3) {  // names with what must be escaped, and long ones that only begin in the code
        code.bildname = "Bild " + std::to_string(saat) + (saat % 5 ? "%/\n.jpg" : std::string(saat % 70, 'x') + "ä.jpg");
        for (auto& byte : code.bildsumme)
            byte = std::uint8_t(zufall.Random(256));
    }
    return code;
}

TEST(Spielcode, JedesBrettKommtUnveraendertZurueck)
{
    for (Variante v : {Variante::Schieben, Variante::Verschieben, Variante::Drehen})
        for (int n = 3; n <= MaxSeite; ++n)
            for (unsigned saat = 0; saat < 1000; ++saat) {
                Spielcode code = Zufallscode(v, n, saat);
                const std::string text = CodeSchreiben(code);
                ASSERT_LE(text.size(), CodeHoechstens) << text;
                const auto gelesen = CodeLesen(" " + text + "\n");
                ASSERT_TRUE(std::holds_alternative<Spielcode>(gelesen)) << text;
                const Spielcode& zurueck = std::get<Spielcode>(gelesen);
                if (zurueck.bildnameGekuerzt) {  // the beginning of the name, cut between characters
                    ASSERT_EQ(code.bildname.rfind(zurueck.bildname, 0), 0u) << text;
                    code.bildname = zurueck.bildname;
                    code.bildnameGekuerzt = true;
                }
                ASSERT_EQ(zurueck, code) << text;
            }
}

std::string MitPruefung(const std::string& rumpf) { return rumpf + '-' + Pruefzeichen(rumpf); }

TEST(Spielcode, FehlerhafteCodesWerdenMitIhremGrundAbgelehnt)
{
    const std::string gut = CodeSchreiben(Zufallscode(Variante::Schieben, 3, 1));
    std::string vertippt = gut;
    vertippt[9] = vertippt[9] == '1' ? '2' : '1';
    const std::pair<std::string, Codefehler> faelle[] = {
        {"", Codefehler::Fremd},
        {"https://example.org/TAV1-13F123456780-AB", Codefehler::Fremd},
        {"TAV2-13F123456780-AB", Codefehler::Zukunft},
        {gut + std::string(CodeHoechstens, ' ') + "x", Codefehler::Laenge},
        {gut.substr(0, gut.size() - 1), Codefehler::Laenge},
        {vertippt, Codefehler::Pruefung},
        {MitPruefung("TAV1-43123456789"), Codefehler::Variante},
        {MitPruefung("TAV1-27" + std::string(49, '0')), Codefehler::Groesse},
        {MitPruefung("TAV1-13F1234567"), Codefehler::Laenge},
        {MitPruefung("TAV1-13F123456788"), Codefehler::KeinBrett},
        {MitPruefung("TAV1-13F123456709"), Codefehler::KeinBrett},
        {MitPruefung("TAV1-13F102345678"), Codefehler::Unloesbar},
        {MitPruefung("TAV1-23021345678"), Codefehler::Unloesbar},  // odd lines shift only to even orders
        {MitPruefung("TAV1-13F12345#780"), Codefehler::Form},
        {MitPruefung("TAV1-13F087654321/0A0B0C0Dbad%2"), Codefehler::Form},
    };
    for (const auto& [text, fehler] : faelle) {
        const auto gelesen = CodeLesen(text);
        ASSERT_TRUE(std::holds_alternative<Codefehler>(gelesen)) << text;
        EXPECT_EQ(std::get<Codefehler>(gelesen), fehler) << text;
    }
}

} // namespace
