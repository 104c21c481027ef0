#pragma once
// The saved game, spiel.dat: a game in progress as bytes and back. Plain functions, no files.
//
// The file is UTF-8 text of lines ending in "\n" (no "\r"): first the line "Tavelor-Spiel 2"
// (the word and the version), then one "key=value" line per key below, each exactly once and
// in any order, and last the line "ende". Nothing may follow it, so a file cut short at any
// byte is refused. Values hold only the printable ASCII characters '!'..'~'; numbers are
// decimal without sign or leading zeros. Reading refuses anything else: unknown keys, keys
// twice or missing, a file of more than 4 MiB, another version.
//
//   variante         1 empty field, 2 rows and columns, 3 axes
//   seite            board side n, 3..6
//   vorschau         0 or 1: the preview beside the board
//   zufallsfeld      0 or 1: variant 1's empty field belongs in a random field
//   grau             0 or 1: the picture in grey tones
//   bild             the picture's full path as UTF-8, percent-encoded (every byte but
//                    A-Z a-z 0-9 - . _ ~ as %XX, capitals); empty for the built-in picture
//   pruefsumme       SHA-256 of the picture file, 64 lower-case hex digits, or empty
//   brett            the tiles of fields 1..n·n, comma-separated. Variant 1: every tile
//                    1..n·n except heimfeld's own once, and one 0 (the empty field); variants
//                    2 and 3: every tile 1..n·n once. The board must be one the variant's moves
//                    bring home: in variant 1 the tiles' parity (the empty field counted as
//                    heimfeld's tile) is that of the empty field's distance from heimfeld; in
//                    variant 2 on sides 3 and 5 the tiles are an even permutation
//   heimfeld         variant 1: the field where the empty field belongs, 1..n·n; else 0
//   zuege            moves counted, 0..9998 (a game at 9999 is over)
//   sekunden         seconds counted, 0..3598 (a game at 3599 is over)
//   phase            aufgebaut, laeuft or pausiert (a finished game is never saved)
//   hilfe            0 or 1: hint or solve was used, the game enters no list
//   cursor           variant 2: a field 0..n·n; variant 3: an axis 0..(n-1)²; variant 1: 0.
//                    0 is no cursor
//   verlauf          the moves undo takes back, oldest first, comma-separated; may be empty
//   zurueckgenommen  the moves redo plays again, the next one last; may be empty
//   zuschnitt        0 the picture stretched to the square board, 1 its centred square cut out
//   start            the board as the game began, as brett (a board the variant brings home);
//                    empty for a game first saved by version 1, which kept none
//   gespielt         every move counted, in order, undo's inverse moves included; with a start
//                    board exactly zuege of them, which played on it give brett, without one at
//                    most zuege, the last ones
//   zugsekunden      the clock's second at each move of gespielt, comma-separated, as many as
//                    it holds: each 0..sekunden, none below the one before
//   beginn           when the board was set up, UTC to the second: "2024-05-01T12:00:00Z"
//   wiederholung     the journal's number of the game this one plays again; 0 for none
//   spielcode        the game code the board came from, percent-encoded as bild; may be empty
//   tagesraetsel     the day whose puzzle the board is, "2024-05-01"; may be empty
//
// A move is "T<a>:<b>" (variant 1: the tile on field a slides to the neighbouring field b),
// "ZR<z>" "ZL<z>" (row z shifted right, left), "SR<s>" "SH<s>" (column s down, up), "AR<k>"
// "AL<k>" (axis k turned clockwise, counter-clockwise): only those of the game's variant, their
// numbers on the board. verlauf and zurueckgenommen together hold at most zuege moves (each got
// there by a counted move), and every move must be playable where it stands: taken back one by
// one from the board, each move of verlauf and gespielt finds its field empty (variant 1), and
// so does each redo played forward from the board.
//
// Version 1 is read too: its first line says 1, and it has the keys from variante to
// zurueckgenommen only. Its game has no start board, no course, no start time, and its picture
// was cut as the preferences say.
//
// The game's variant and side are also the settings' ones. The fields past n·n are not stored;
// reading fills them as a new game leaves them, each with its own number.

#include <QByteArray>

#include <cstdint>
#include <optional>

#include "sitzung/schnappschuss.h"

namespace sitzung {

inline constexpr char SpielDateiName[] = "spiel.dat";
inline constexpr qsizetype SpielDateiHoechstens = 4 * 1024 * 1024;

// Why a file was refused; the first fault found counts.
enum class Spielmangel : std::uint8_t {
    Keiner,
    ZuGross,     // over 4 MiB
    Kopf,        // not a saved game of this program
    Version,     // a saved game of another version
    Ende,        // cut short, or something after the end line
    Zeile,       // a line that is no "key=value" of allowed characters
    Schluessel,  // a key unknown, twice or missing
    Wert,        // a value malformed or out of its range
    Brett,       // the tiles are no board of that variant and side, or one it never brings home
    Verlauf,     // a move malformed, not of the variant, off the board, not playable, too many
};

struct Spiellesung {
    std::optional<Schnappschuss> spiel;
    Spielmangel mangel = Spielmangel::Keiner;
    int version = 0;  // of the file read: 1 or 2
};

// The file for a game in progress, in the current version. Its settings' variant and side must
// be the game's.
QByteArray SpielAlsBytes(const Schnappschuss& spiel);
// The game, or nothing with the reason.
Spiellesung LiesSpiel(const QByteArray& bytes);
inline std::optional<Schnappschuss> SpielAusBytes(const QByteArray& bytes) { return LiesSpiel(bytes).spiel; }

} // namespace sitzung
