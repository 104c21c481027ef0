// The texts 0 to 599: menus, dialogs, messages.
// Every text of the program with its English wording: lupdate reads these into the translation
// files assets/sprachen/tavelor_<code>.ts (cmake --build build --target update_translations).
// A new text is one entry here, in order of its number: its message id "t<number>" and its
// English after //%. A text that shows a count is a QT_TRID_N_NOOP and is asked with the count.
#include <QtGlobal>

namespace {

[[maybe_unused]] constexpr const char* nachrichtenSpiel[] = {
    //% "&Game"
    QT_TRID_NOOP("t0"),
    //% "&New game"
    QT_TRID_NOOP("t1"),
    //% "&Best results..."
    QT_TRID_NOOP("t2"),
    //% "New game &as before"
    QT_TRID_NOOP("t3"),
    //% "&Undo"
    QT_TRID_NOOP("t4"),
    //% "&Redo"
    QT_TRID_NOOP("t5"),
    //% "&Statistics …"
    QT_TRID_NOOP("t6"),
    //% "&Watch last game"
    QT_TRID_NOOP("t7"),
    //% "Res&tart this board"
    QT_TRID_NOOP("t8"),
    //% "&Copy game code"
    QT_TRID_NOOP("t9"),
    //% "&Enter game code …"
    QT_TRID_NOOP("t10"),
    //% "Today's &puzzle"
    QT_TRID_NOOP("t11"),
    //% "E&xit"
    QT_TRID_NOOP("t19"),
    //% "&Options"
    QT_TRID_NOOP("t20"),
    //% "&Pause"
    QT_TRID_NOOP("t21"),
    //% "&Hint"
    QT_TRID_NOOP("t22"),
    //% "&Solve"
    QT_TRID_NOOP("t23"),
    //% "&Animation"
    QT_TRID_NOOP("t24"),
    //% "So&und effects"
    QT_TRID_NOOP("t25"),
    //% "&Music"
    QT_TRID_NOOP("t26"),
    //% "&Size"
    QT_TRID_NOOP("t27"),
    //% "Appeara&nce"
    QT_TRID_NOOP("t28"),
    //% "Solve spee&d"
    QT_TRID_NOOP("t29"),
    //% "Lan&guage"
    QT_TRID_NOOP("t30"),
    //% "&Deutsch"
    QT_TRID_NOOP("t31"),
    //% "&English"
    QT_TRID_NOOP("t32"),
    //% "&?"
    QT_TRID_NOOP("t50"),
    //% "&Help"
    QT_TRID_NOOP("t51"),
    //% "&About"
    QT_TRID_NOOP("t52"),
    //% "&Keyboard shortcuts"
    QT_TRID_NOOP("t53"),
    //% "Info about "
    QT_TRID_NOOP("t100"),
    //% "Version :"
    QT_TRID_NOOP("t101"),
    //% "Hall of fame"
    QT_TRID_NOOP("t200"),
    //% "Name                         Moves    Time"
    QT_TRID_NOOP("t201"),
    //% "&Delete"
    QT_TRID_NOOP("t202"),
    //% "&OK"
    QT_TRID_NOOP("t203"),
    //% "Pieces"
    QT_TRID_NOOP("t204"),
    //% "Settings"
    QT_TRID_NOOP("t300"),
    //% "Version"
    QT_TRID_NOOP("t301"),
    //% "Number of pieces"
    QT_TRID_NOOP("t310"),
    //% "pieces"
    QT_TRID_NOOP("t311"),
    //% "Image subject"
    QT_TRID_NOOP("t320"),
    //% "Convert image into a black-and-white image"
    QT_TRID_NOOP("t321"),
    //% "Hide preview display during the game"
    QT_TRID_NOOP("t322"),
    //% "Select empty field randomly"
    QT_TRID_NOOP("t323"),
    //% "Cut a square from the middle"
    QT_TRID_NOOP("t324"),
    //% "&Browse ..."
    QT_TRID_NOOP("t325"),
    //% "Choose a picture"
    QT_TRID_NOOP("t326"),
    //% "Pictures"
    QT_TRID_NOOP("t327"),
    //% "&OK"
    QT_TRID_NOOP("t330"),
    //% "E&xit game"
    QT_TRID_NOOP("t331"),
    //% "&Back to the game"
    QT_TRID_NOOP("t332"),
    //% "%1 moves a second"
    QT_TRID_N_NOOP("t400"),
    //% "%1 move a second"
    QT_TRID_NOOP("t401"),
    //% "Replay"
    QT_TRID_NOOP("t410"),
    //% "&Play"
    QT_TRID_NOOP("t411"),
    //% "&Pause"
    QT_TRID_NOOP("t412"),
    //% "Step bac&k"
    QT_TRID_NOOP("t413"),
    //% "Step &forward"
    QT_TRID_NOOP("t414"),
    //% "Choose move"
    QT_TRID_NOOP("t415"),
    //% "Moves per second"
    QT_TRID_NOOP("t416"),
    //% "&Back to the game"
    QT_TRID_NOOP("t417"),
    //% "Move %1 of %2"
    QT_TRID_NOOP("t418"),
    //% "&Watch"
    QT_TRID_NOOP("t419"),
    //% "This game cannot be shown: its start board or its moves cannot be read."
    QT_TRID_NOOP("t420"),
    //% "No game has been recorded yet."
    QT_TRID_NOOP("t421"),
    //% " moves/s"
    QT_TRID_NOOP("t422"),
    //% "Enter game code"
    QT_TRID_NOOP("t450"),
    //% "Game code, for example from another player:"
    QT_TRID_NOOP("t451"),
    //% "&Play"
    QT_TRID_NOOP("t452"),
    //% "Cancel"
    QT_TRID_NOOP("t453"),
    //% "This is not a Tavelor game code. A game code begins with TAV1-."
    QT_TRID_NOOP("t454"),
    //% "This game code comes from a newer version of Tavelor and cannot be played here."
    QT_TRID_NOOP("t455"),
    //% "The game code is incomplete or too long."
    QT_TRID_NOOP("t456"),
    //% "The game code contains a typo: the check characters at its end do not match the rest."
    QT_TRID_NOOP("t457"),
    //% "The game code names none of the three variants."
    QT_TRID_NOOP("t458"),
    //% "The game code names a board size outside 3 × 3 to 6 × 6."
    QT_TRID_NOOP("t459"),
    //% "The game code holds no complete board: every tile must appear exactly once."
    QT_TRID_NOOP("t460"),
    //% "The board of this game code cannot be solved in its variant."
    QT_TRID_NOOP("t461"),
    //% "The game code is damaged: it contains characters that do not belong in it."
    QT_TRID_NOOP("t462"),
    //% "The picture “%1” is not in the picture folder. The built-in picture is used instead."
    QT_TRID_NOOP("t463"),
    //% "Today's puzzle – days played: %1, in a row: %2"
    QT_TRID_NOOP("t464"),
    //% "Sorry, but this is not enough to enter \n\n         the hall of fame."
    QT_TRID_NOOP("t503"),
    //% "You have reached the maximum number of permitted moves \n\n whithout finishing the jigsaw."
    QT_TRID_NOOP("t504"),
    //% "You have used up all the available time without finishing the jigsaw."
    QT_TRID_NOOP("t505"),
    //% "Solved with help – no entry in the list of best results."
    QT_TRID_NOOP("t506"),
};

} // namespace
