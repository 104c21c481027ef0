// Game codes: any text a player pastes. The parser never fails otherwise than with a reason;
// a code it takes holds a board its variant can solve, writes back within the length limit,
// and that text reads as the same code again.

#include "eingabe.h"

#include "engine/loeser.h"
#include "engine/spielcode.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    const auto gelesen = engine::CodeLesen(text);
    if (!std::holds_alternative<engine::Spielcode>(gelesen))
        return 0;
    const engine::Spielcode& code = std::get<engine::Spielcode>(gelesen);
    PRUEFE(engine::Loesbar(code.brett));
    PRUEFE(code.brett.phase == engine::Phase::Aufgebaut && code.brett.ZugAnzahl == 0);
    const std::string wieder = engine::CodeSchreiben(code);
    PRUEFE(wieder.size() <= engine::CodeHoechstens);
    const auto zurueck = engine::CodeLesen(wieder);
    PRUEFE(std::holds_alternative<engine::Spielcode>(zurueck));
    PRUEFE(std::get<engine::Spielcode>(zurueck) == code);
    return 0;
}
