#pragma once
// Game codes: a board as a short line of text that another player types in or pastes to get
// exactly that board: variant, side, every field, the empty field's home, and the picture by
// its file name and the first bytes of its SHA-256. Plain functions over text, no Qt.
//
//   TAV1-<variant><side>[F | Z<home>]<fields>[/<checksum><name>[/]]-<check>
//
// Digits are base 36 (0-9, A-Z, either case). Each field is its tile's number - 1; in variant 1
// the empty field is written as the tile whose home it is. `F`: the empty field belongs in the
// last field, `Z<home>`: in a field the scramble chose. The picture's checksum is 8 hex digits;
// its name follows as it is, with `%`, `/` and control characters as %XX, and a closing `/`
// where only its beginning fitted. The two check digits catch a mistyped character.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "engine/spielstand.h"

namespace engine {

inline constexpr std::size_t CodeHoechstens = 100;  // bytes, and so characters too
inline constexpr std::size_t CodeSummenBytes = 4;   // of the picture's SHA-256

struct Spielcode {
    // Variant, side, fields and the empty field's home; counters at 0, phase Aufgebaut.
    Spielstand brett;
    bool posZufall = false;  // variant 1: the empty field's home was chosen at random
    std::string bildname;    // UTF-8 file name without folder; empty for the built-in picture
    bool bildnameGekuerzt = false;  // the name is only the beginning of the file's name
    std::array<std::uint8_t, CodeSummenBytes> bildsumme{};
    bool operator==(const Spielcode&) const = default;
};

// Why a text is not a code this version can play.
enum class Codefehler : std::uint8_t {
    Fremd,      // no code of this program
    Zukunft,    // a code of a later version
    Laenge,     // too long, too short, or cut off
    Pruefung,   // the check digits do not match: a typo
    Variante,   // no variant 1-3
    Groesse,    // a side outside 3-6
    KeinBrett,  // the fields are not every tile once
    Unloesbar,  // the variant's moves cannot bring the board home
    Form        // any other damage (a character that does not belong)
};

// The two check digits of everything before the dash that precedes them.
std::string Pruefzeichen(std::string_view rumpf);
// The code of a board; a picture name too long for the code is shortened.
std::string CodeSchreiben(const Spielcode& code);
// Surrounding white space is ignored.
std::variant<Spielcode, Codefehler> CodeLesen(std::string_view text);

} // namespace engine
