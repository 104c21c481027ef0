// The texts from 600: the saved game, the desktop's conventions, the statistics, screen readers.
// Every text of the program with its English wording: lupdate reads these into the translation
// files assets/sprachen/tavelor_<code>.ts (cmake --build build --target update_translations).
// A new text is one entry here, in order of its number: its message id "t<number>" and its
// English after //%. A text that shows a count is a QT_TRID_N_NOOP and is asked with the count.
#include <QtGlobal>

namespace {

[[maybe_unused]] constexpr const char* nachrichtenFenster[] = {
    //% "The saved game was damaged and has been set aside as %1.\n\nA new game begins."
    QT_TRID_NOOP("t600"),
    //% "Tavelor is already running in this folder.\n\nGames in this window will not be kept for the next start."
    QT_TRID_NOOP("t601"),
    //% "The folder %1 cannot be written.\n\nThe saved game goes on, but it will not be kept any more."
    QT_TRID_NOOP("t602"),
    //% "%1 is a folder.\n\nGames cannot be kept for the next start."
    QT_TRID_NOOP("t603"),
    //% "Give up the game in progress and start a new one?"
    QT_TRID_NOOP("t604"),
    //% "Do not ask again"
    QT_TRID_NOOP("t605"),
    //% "Give up the game?"
    QT_TRID_NOOP("t606"),
    //% "&New game"
    QT_TRID_NOOP("t607"),
    //% "&Keep playing"
    QT_TRID_NOOP("t608"),
    //% "Statistics"
    QT_TRID_NOOP("t650"),
    //% "&Variant and size:"
    QT_TRID_NOOP("t651"),
    //% "%1, %2 × %2"
    QT_TRID_NOOP("t652"),
    //% "No games recorded yet."
    QT_TRID_NOOP("t653"),
    //% "Played"
    QT_TRID_NOOP("t654"),
    //% "Solved"
    QT_TRID_NOOP("t655"),
    //% "With help"
    QT_TRID_NOOP("t656"),
    //% "Abandoned"
    QT_TRID_NOOP("t657"),
    //% "Limit reached"
    QT_TRID_NOOP("t658"),
    //% "Best"
    QT_TRID_NOOP("t659"),
    //% "Mean"
    QT_TRID_NOOP("t660"),
    //% "Median"
    QT_TRID_NOOP("t661"),
    //% "Average of the last 5"
    QT_TRID_NOOP("t662"),
    //% "Average of the last 12"
    QT_TRID_NOOP("t663"),
    //% "Moves per second"
    QT_TRID_NOOP("t664"),
    //% "Times and moves count only games solved without help. The averages of the last 5 and 12 leave out the best and the worst."
    QT_TRID_NOOP("t665"),
    //% "The last %1 games"
    QT_TRID_N_NOOP("t666"),
    //% "solved"
    QT_TRID_NOOP("t667"),
    //% "with help"
    QT_TRID_NOOP("t668"),
    //% "not solved"
    QT_TRID_NOOP("t669"),
    //% "Time and moves of the last games"
    QT_TRID_NOOP("t670"),
    //% "No."
    QT_TRID_NOOP("t671"),
    //% "Ended"
    QT_TRID_NOOP("t672"),
    //% "Outcome"
    QT_TRID_NOOP("t673"),
    //% "Help"
    QT_TRID_NOOP("t674"),
    //% "Picture"
    QT_TRID_NOOP("t675"),
    //% "Move limit"
    QT_TRID_NOOP("t676"),
    //% "Time limit"
    QT_TRID_NOOP("t677"),
    //% "yes"
    QT_TRID_NOOP("t678"),
    //% "built-in picture"
    QT_TRID_NOOP("t679"),
    //% "&Recorded games, newest first:"
    QT_TRID_NOOP("t680"),
    //% "Save as &CSV …"
    QT_TRID_NOOP("t681"),
    //% "&Clear statistics"
    QT_TRID_NOOP("t682"),
    //% "C&lose"
    QT_TRID_NOOP("t683"),
    //% "Save statistics as CSV"
    QT_TRID_NOOP("t684"),
    //% "CSV files (*.csv)"
    QT_TRID_NOOP("t685"),
    //% "tavelor-statistics.csv"
    QT_TRID_NOOP("t686"),
    //% "The file could not be written:\n\n%1"
    QT_TRID_NOOP("t687"),
    //% "Clear all statistics?\n\nEvery recorded game is lost; the best results stay."
    QT_TRID_NOOP("t688"),
    //% "&Clear"
    QT_TRID_NOOP("t689"),
    //% "&Cancel"
    QT_TRID_NOOP("t690"),
    //% "The statistics could not be cleared."
    QT_TRID_NOOP("t691"),
    //% "The stored statistics were damaged or do not belong to this game. They have been set aside as\n\n%1\n\nThe statistics start afresh."
    QT_TRID_NOOP("t692"),
    //% "The statistics cannot be stored:\n\n%1\n\nPlay goes on; its games are recorded as soon as that works again."
    QT_TRID_NOOP("t693"),
    //% "Figures"
    QT_TRID_NOOP("t694"),
    //% "&System"
    QT_TRID_NOOP("t700"),
    //% "&Light"
    QT_TRID_NOOP("t701"),
    //% "&Dark"
    QT_TRID_NOOP("t702"),
    //% "Tavelor – Keyboard shortcuts"
    QT_TRID_NOOP("t720"),
    //% "Menu"
    QT_TRID_NOOP("t721"),
    //% "Command"
    QT_TRID_NOOP("t722"),
    //% "Key"
    QT_TRID_NOOP("t723"),
    //% "Variant 1: slide the tile beside the empty field into it"
    QT_TRID_NOOP("t724"),
    //% "Variant 2: move the frame"
    QT_TRID_NOOP("t725"),
    //% "Variant 2: shift the frame's row or column"
    QT_TRID_NOOP("t726"),
    //% "Variant 3: move the ring"
    QT_TRID_NOOP("t727"),
    //% "Variant 3: turn clockwise"
    QT_TRID_NOOP("t728"),
    //% "Variant 3: turn counter-clockwise"
    QT_TRID_NOOP("t729"),
    //% "Step the tile numbers"
    QT_TRID_NOOP("t730"),
    //% "Arrow keys"
    QT_TRID_NOOP("t731"),
    //% "Shift+arrow keys"
    QT_TRID_NOOP("t732"),
    //% "Space or Return"
    QT_TRID_NOOP("t733"),
    //% "Shift+Space or Backspace"
    QT_TRID_NOOP("t734"),
    //% "&Close"
    QT_TRID_NOOP("t735"),
    //% "Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later)"
    QT_TRID_NOOP("t740"),
    //% "Pictures, sounds and translations are the project's own work."
    QT_TRID_NOOP("t741"),
    //% "Usage: tavelor [OPTION …]\nA picture puzzle: put a scrambled picture back together.\n\n  --portable     read and write the working folder, even when installed\n  -h, --help     show this help and exit\n  -v, --version  show the version and exit\n"
    QT_TRID_NOOP("t750"),
    //% "Usage: tavelor [--portable] [--help] [--version]"
    QT_TRID_NOOP("t751"),
    //% "tavelor: unknown option '%1'"
    QT_TRID_NOOP("t752"),
    //% "tavelor: unexpected argument '%1'"
    QT_TRID_NOOP("t753"),
    //% "Tavelor %1"
    QT_TRID_NOOP("t754"),
    //% "One of the following system requirements was not met.\n\n- screen resolution 800x600 pixel or higher\n- color depth 16bit (Hi-Color)\n\nPlease correct the settings so as to match the system\nrequirements and restart the game."
    QT_TRID_NOOP("t800"),
    //% "The list with the best results could not be stored.\n\nAn access error occured."
    QT_TRID_NOOP("t801"),
    //% "The list with the best results cannot be stored\n\nbecause the programme was started from a CD-ROM."
    QT_TRID_NOOP("t802"),
    //% "The following file could not be found:\n\n"
    QT_TRID_NOOP("t803"),
    //% "The file you selected does not have the correct graphics format."
    QT_TRID_NOOP("t804"),
    //% "The image path \\images cannot be found.\n\nThe programme will now be exited."
    QT_TRID_NOOP("t805"),
    //% "No images found in the path \\image."
    QT_TRID_NOOP("t806"),
    //% "The image could not be copied into the following folder:\n\n"
    QT_TRID_NOOP("t807"),
    //% "At the chosen scaling of %1 %, the screen offers only %2 × %3 points; the game needs at least 800 × 600.\n\nPlease set the scaling to %4 % or less and restart the game."
    QT_TRID_NOOP("t808"),
    //% "The picture you selected is too large to be loaded."
    QT_TRID_NOOP("t810"),
    //% "The file you selected is damaged or incomplete."
    QT_TRID_NOOP("t811"),
    //% "The file you selected does not contain a picture."
    QT_TRID_NOOP("t812"),
    //% "The saved game was damaged and has been set aside as spiel.dat.defekt.\n\nA new game begins."
    QT_TRID_NOOP("t813"),
    //% "The picture of the saved game is missing or has changed.\n\nThe game goes on with the built-in picture."
    QT_TRID_NOOP("t814"),
    //% "Board"
    QT_TRID_NOOP("t900"),
    //% "Tile %1 at row %2, column %3"
    QT_TRID_NOOP("t901"),
    //% "Empty field at row %1, column %2"
    QT_TRID_NOOP("t902"),
    //% "in place"
    QT_TRID_NOOP("t903"),
    //% "out of place"
    QT_TRID_NOOP("t904"),
    //% "Moves"
    QT_TRID_NOOP("t905"),
    //% "Time"
    QT_TRID_NOOP("t906"),
    //% "Variant 1: empty field"
    QT_TRID_NOOP("t910"),
    //% "Variant 2: rows and columns"
    QT_TRID_NOOP("t911"),
    //% "Variant 3: axes"
    QT_TRID_NOOP("t912"),
    //% "Axis %1: rows %2–%3, columns %4–%5"
    QT_TRID_NOOP("t913"),
    //% "Moves: %1"
    QT_TRID_NOOP("t914"),
    //% "Time: %1"
    QT_TRID_NOOP("t915"),
    //% "%1 seconds"
    QT_TRID_N_NOOP("t916"),
    //% "1 second"
    QT_TRID_NOOP("t917"),
    //% "%1 minutes"
    QT_TRID_N_NOOP("t918"),
    //% "1 minute"
    QT_TRID_NOOP("t919"),
    //% "%1 minutes %2 seconds"
    QT_TRID_N_NOOP("t920"),
    //% "%1 minutes 1 second"
    QT_TRID_N_NOOP("t921"),
    //% "1 minute %1 seconds"
    QT_TRID_N_NOOP("t922"),
    //% "1 minute 1 second"
    QT_TRID_NOOP("t923"),
    //% "Place"
    QT_TRID_NOOP("t924"),
    //% "Name"
    QT_TRID_NOOP("t925"),
    //% "Name for place %1"
    QT_TRID_NOOP("t926"),
    //% "%1 %2"
    QT_TRID_NOOP("t950"),
};

} // namespace
