<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="t0">
        <source>&amp;Game</source>
        <translation>&amp;Game</translation>
    </message>
    <message id="t1">
        <source>&amp;New game</source>
        <translation>&amp;New game</translation>
    </message>
    <message id="t2">
        <source>&amp;Best results...</source>
        <translation>&amp;Best results...</translation>
    </message>
    <message id="t3">
        <source>New game &amp;as before</source>
        <translation>New game &amp;as before</translation>
    </message>
    <message id="t4">
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message id="t5">
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message id="t6">
        <source>&amp;Statistics …</source>
        <translation>&amp;Statistics …</translation>
    </message>
    <message id="t19">
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message id="t20">
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message id="t21">
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message id="t22">
        <source>&amp;Hint</source>
        <translation>&amp;Hint</translation>
    </message>
    <message id="t23">
        <source>&amp;Solve</source>
        <translation>&amp;Solve</translation>
    </message>
    <message id="t24">
        <source>&amp;Animation</source>
        <translation>&amp;Animation</translation>
    </message>
    <message id="t25">
        <source>So&amp;und effects</source>
        <translation>So&amp;und effects</translation>
    </message>
    <message id="t26">
        <source>&amp;Music</source>
        <translation>&amp;Music</translation>
    </message>
    <message id="t27">
        <source>&amp;Size</source>
        <translation>&amp;Size</translation>
    </message>
    <message id="t28">
        <source>Appeara&amp;nce</source>
        <translation>Appeara&amp;nce</translation>
    </message>
    <message id="t30">
        <source>Lan&amp;guage</source>
        <translation>Lan&amp;guage</translation>
    </message>
    <message id="t31">
        <source>&amp;Deutsch</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message id="t32">
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message id="t50">
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message id="t51">
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message id="t52">
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message id="t53">
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Keyboard shortcuts</translation>
    </message>
    <message id="t100">
        <source>Info about </source>
        <translation>Info about </translation>
    </message>
    <message id="t101">
        <source>Version :</source>
        <translation>Version :</translation>
    </message>
    <message id="t200">
        <source>Hall of fame</source>
        <translation>Hall of fame</translation>
    </message>
    <message id="t201">
        <source>Name                         Moves    Time</source>
        <translation>Name                         Moves    Time</translation>
    </message>
    <message id="t202">
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message id="t203">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="t204">
        <source>Pieces</source>
        <translation>Pieces</translation>
    </message>
    <message id="t300">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="t301">
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message id="t310">
        <source>Number of pieces</source>
        <translation>Number of pieces</translation>
    </message>
    <message id="t311">
        <source>pieces</source>
        <translation>pieces</translation>
    </message>
    <message id="t320">
        <source>Image subject</source>
        <translation>Image subject</translation>
    </message>
    <message id="t321">
        <source>Convert image into a black-and-white image</source>
        <translation>Convert image into a black-and-white image</translation>
    </message>
    <message id="t322">
        <source>Hide preview display during the game</source>
        <translation>Hide preview display during the game</translation>
    </message>
    <message id="t323">
        <source>Select empty field randomly</source>
        <translation>Select empty field randomly</translation>
    </message>
    <message id="t324">
        <source>Cut a square from the middle</source>
        <translation>Cut a square from the middle</translation>
    </message>
    <message id="t325">
        <source>&amp;Browse ...</source>
        <translation>&amp;Browse ...</translation>
    </message>
    <message id="t326">
        <source>Choose a picture</source>
        <translation>Choose a picture</translation>
    </message>
    <message id="t327">
        <source>Pictures</source>
        <translation>Pictures</translation>
    </message>
    <message id="t330">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="t331">
        <source>E&amp;xit game</source>
        <translation>E&amp;xit game</translation>
    </message>
    <message id="t332">
        <source>&amp;Back to the game</source>
        <translation>&amp;Back to the game</translation>
    </message>
    <message id="t503">
        <source>Sorry, but this is not enough to enter 

         the hall of fame.</source>
        <translation>Sorry, but this is not enough to enter 

         the hall of fame.</translation>
    </message>
    <message id="t504">
        <source>You have reached the maximum number of permitted moves 

 whithout finishing the jigsaw.</source>
        <translation>You have reached the maximum number of permitted moves 

 whithout finishing the jigsaw.</translation>
    </message>
    <message id="t505">
        <source>You have used up all the available time without finishing the jigsaw.</source>
        <translation>You have used up all the available time without finishing the jigsaw.</translation>
    </message>
    <message id="t506">
        <source>Solved with help – no entry in the list of best results.</source>
        <translation>Solved with help – no entry in the list of best results.</translation>
    </message>
    <message id="t600">
        <source>The saved game was damaged and has been set aside as %1.

A new game begins.</source>
        <translation>The saved game was damaged and has been set aside as %1.

A new game begins.</translation>
    </message>
    <message id="t601">
        <source>Tavelor is already running in this folder.

Games in this window will not be kept for the next start.</source>
        <translation>Tavelor is already running in this folder.

Games in this window will not be kept for the next start.</translation>
    </message>
    <message id="t602">
        <source>The folder %1 cannot be written.

The saved game goes on, but it will not be kept any more.</source>
        <translation>The folder %1 cannot be written.

The saved game goes on, but it will not be kept any more.</translation>
    </message>
    <message id="t603">
        <source>%1 is a folder.

Games cannot be kept for the next start.</source>
        <translation>%1 is a folder.

Games cannot be kept for the next start.</translation>
    </message>
    <message id="t604">
        <source>Give up the game in progress and start a new one?</source>
        <translation>Give up the game in progress and start a new one?</translation>
    </message>
    <message id="t605">
        <source>Do not ask again</source>
        <translation>Do not ask again</translation>
    </message>
    <message id="t606">
        <source>Give up the game?</source>
        <translation>Give up the game?</translation>
    </message>
    <message id="t607">
        <source>&amp;New game</source>
        <translation>&amp;New game</translation>
    </message>
    <message id="t608">
        <source>&amp;Keep playing</source>
        <translation>&amp;Keep playing</translation>
    </message>
    <message id="t650">
        <source>Statistics</source>
        <translation>Statistics</translation>
    </message>
    <message id="t651">
        <source>&amp;Variant and size:</source>
        <translation>&amp;Variant and size:</translation>
    </message>
    <message id="t652">
        <source>%1, %2 × %2</source>
        <translation>%1, %2 × %2</translation>
    </message>
    <message id="t653">
        <source>No games recorded yet.</source>
        <translation>No games recorded yet.</translation>
    </message>
    <message id="t654">
        <source>Played</source>
        <translation>Played</translation>
    </message>
    <message id="t655">
        <source>Solved</source>
        <translation>Solved</translation>
    </message>
    <message id="t656">
        <source>With help</source>
        <translation>With help</translation>
    </message>
    <message id="t657">
        <source>Abandoned</source>
        <translation>Abandoned</translation>
    </message>
    <message id="t658">
        <source>Limit reached</source>
        <translation>Limit reached</translation>
    </message>
    <message id="t659">
        <source>Best</source>
        <translation>Best</translation>
    </message>
    <message id="t660">
        <source>Mean</source>
        <translation>Mean</translation>
    </message>
    <message id="t661">
        <source>Median</source>
        <translation>Median</translation>
    </message>
    <message id="t662">
        <source>Average of the last 5</source>
        <translation>Average of the last 5</translation>
    </message>
    <message id="t663">
        <source>Average of the last 12</source>
        <translation>Average of the last 12</translation>
    </message>
    <message id="t664">
        <source>Moves per second</source>
        <translation>Moves per second</translation>
    </message>
    <message id="t665">
        <source>Times and moves count only games solved without help. The averages of the last 5 and 12 leave out the best and the worst.</source>
        <translation>Times and moves count only games solved without help. The averages of the last 5 and 12 leave out the best and the worst.</translation>
    </message>
    <message id="t666" numerus="yes">
        <source>The last %1 games</source>
        <translation>
            <numerusform>The last %1 games</numerusform>
            <numerusform>The last %1 games</numerusform>
        </translation>
    </message>
    <message id="t667">
        <source>solved</source>
        <translation>solved</translation>
    </message>
    <message id="t668">
        <source>with help</source>
        <translation>with help</translation>
    </message>
    <message id="t669">
        <source>not solved</source>
        <translation>not solved</translation>
    </message>
    <message id="t670">
        <source>Time and moves of the last games</source>
        <translation>Time and moves of the last games</translation>
    </message>
    <message id="t671">
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message id="t672">
        <source>Ended</source>
        <translation>Ended</translation>
    </message>
    <message id="t673">
        <source>Outcome</source>
        <translation>Outcome</translation>
    </message>
    <message id="t674">
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message id="t675">
        <source>Picture</source>
        <translation>Picture</translation>
    </message>
    <message id="t676">
        <source>Move limit</source>
        <translation>Move limit</translation>
    </message>
    <message id="t677">
        <source>Time limit</source>
        <translation>Time limit</translation>
    </message>
    <message id="t678">
        <source>yes</source>
        <translation>yes</translation>
    </message>
    <message id="t679">
        <source>built-in picture</source>
        <translation>built-in picture</translation>
    </message>
    <message id="t680">
        <source>&amp;Recorded games, newest first:</source>
        <translation>&amp;Recorded games, newest first:</translation>
    </message>
    <message id="t681">
        <source>Save as &amp;CSV …</source>
        <translation>Save as &amp;CSV …</translation>
    </message>
    <message id="t682">
        <source>&amp;Clear statistics</source>
        <translation>&amp;Clear statistics</translation>
    </message>
    <message id="t683">
        <source>C&amp;lose</source>
        <translation>C&amp;lose</translation>
    </message>
    <message id="t684">
        <source>Save statistics as CSV</source>
        <translation>Save statistics as CSV</translation>
    </message>
    <message id="t685">
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message id="t686">
        <source>tavelor-statistics.csv</source>
        <translation>tavelor-statistics.csv</translation>
    </message>
    <message id="t687">
        <source>The file could not be written:

%1</source>
        <translation>The file could not be written:

%1</translation>
    </message>
    <message id="t688">
        <source>Clear all statistics?

Every recorded game is lost; the best results stay.</source>
        <translation>Clear all statistics?

Every recorded game is lost; the best results stay.</translation>
    </message>
    <message id="t689">
        <source>&amp;Clear</source>
        <translation>&amp;Clear</translation>
    </message>
    <message id="t690">
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message id="t691">
        <source>The statistics could not be cleared.</source>
        <translation>The statistics could not be cleared.</translation>
    </message>
    <message id="t692">
        <source>The stored statistics were damaged or do not belong to this game. They have been set aside as

%1

The statistics start afresh.</source>
        <translation>The stored statistics were damaged or do not belong to this game. They have been set aside as

%1

The statistics start afresh.</translation>
    </message>
    <message id="t693">
        <source>The statistics cannot be stored:

%1

Play goes on; its games are recorded as soon as that works again.</source>
        <translation>The statistics cannot be stored:

%1

Play goes on; its games are recorded as soon as that works again.</translation>
    </message>
    <message id="t694">
        <source>Figures</source>
        <translation>Figures</translation>
    </message>
    <message id="t700">
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
    <message id="t701">
        <source>&amp;Light</source>
        <translation>&amp;Light</translation>
    </message>
    <message id="t702">
        <source>&amp;Dark</source>
        <translation>&amp;Dark</translation>
    </message>
    <message id="t720">
        <source>Tavelor – Keyboard shortcuts</source>
        <translation>Tavelor – Keyboard shortcuts</translation>
    </message>
    <message id="t721">
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message id="t722">
        <source>Command</source>
        <translation>Command</translation>
    </message>
    <message id="t723">
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message id="t724">
        <source>Variant 1: slide the tile beside the empty field into it</source>
        <translation>Variant 1: slide the tile beside the empty field into it</translation>
    </message>
    <message id="t725">
        <source>Variant 2: move the frame</source>
        <translation>Variant 2: move the frame</translation>
    </message>
    <message id="t726">
        <source>Variant 2: shift the frame&apos;s row or column</source>
        <translation>Variant 2: shift the frame&apos;s row or column</translation>
    </message>
    <message id="t727">
        <source>Variant 3: move the ring</source>
        <translation>Variant 3: move the ring</translation>
    </message>
    <message id="t728">
        <source>Variant 3: turn clockwise</source>
        <translation>Variant 3: turn clockwise</translation>
    </message>
    <message id="t729">
        <source>Variant 3: turn counter-clockwise</source>
        <translation>Variant 3: turn counter-clockwise</translation>
    </message>
    <message id="t730">
        <source>Step the tile numbers</source>
        <translation>Step the tile numbers</translation>
    </message>
    <message id="t731">
        <source>Arrow keys</source>
        <translation>Arrow keys</translation>
    </message>
    <message id="t732">
        <source>Shift+arrow keys</source>
        <translation>Shift+arrow keys</translation>
    </message>
    <message id="t733">
        <source>Space or Return</source>
        <translation>Space or Return</translation>
    </message>
    <message id="t734">
        <source>Shift+Space or Backspace</source>
        <translation>Shift+Space or Backspace</translation>
    </message>
    <message id="t735">
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message id="t740">
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later)</translation>
    </message>
    <message id="t741">
        <source>Pictures, sounds and translations are the project&apos;s own work.</source>
        <translation>Pictures, sounds and translations are the project&apos;s own work.</translation>
    </message>
    <message id="t750">
        <source>Usage: tavelor [OPTION …]
A picture puzzle: put a scrambled picture back together.

  --portable     read and write the working folder, even when installed
  -h, --help     show this help and exit
  -v, --version  show the version and exit
</source>
        <translation>Usage: tavelor [OPTION …]
A picture puzzle: put a scrambled picture back together.

  --portable     read and write the working folder, even when installed
  -h, --help     show this help and exit
  -v, --version  show the version and exit
</translation>
    </message>
    <message id="t751">
        <source>Usage: tavelor [--portable] [--help] [--version]</source>
        <translation>Usage: tavelor [--portable] [--help] [--version]</translation>
    </message>
    <message id="t752">
        <source>tavelor: unknown option &apos;%1&apos;</source>
        <translation>tavelor: unknown option &apos;%1&apos;</translation>
    </message>
    <message id="t753">
        <source>tavelor: unexpected argument &apos;%1&apos;</source>
        <translation>tavelor: unexpected argument &apos;%1&apos;</translation>
    </message>
    <message id="t754">
        <source>Tavelor %1</source>
        <translation>Tavelor %1</translation>
    </message>
    <message id="t800">
        <source>One of the following system requirements was not met.

- screen resolution 800x600 pixel or higher
- color depth 16bit (Hi-Color)

Please correct the settings so as to match the system
requirements and restart the game.</source>
        <translation>One of the following system requirements was not met.

- screen resolution 800x600 pixel or higher
- color depth 16bit (Hi-Color)

Please correct the settings so as to match the system
requirements and restart the game.</translation>
    </message>
    <message id="t801">
        <source>The list with the best results could not be stored.

An access error occured.</source>
        <translation>The list with the best results could not be stored.

An access error occured.</translation>
    </message>
    <message id="t802">
        <source>The list with the best results cannot be stored

because the programme was started from a CD-ROM.</source>
        <translation>The list with the best results cannot be stored

because the programme was started from a CD-ROM.</translation>
    </message>
    <message id="t803">
        <source>The following file could not be found:

</source>
        <translation>The following file could not be found:

</translation>
    </message>
    <message id="t804">
        <source>The file you selected does not have the correct graphics format.</source>
        <translation>The file you selected does not have the correct graphics format.</translation>
    </message>
    <message id="t805">
        <source>The image path \images cannot be found.

The programme will now be exited.</source>
        <translation>The image path \images cannot be found.

The programme will now be exited.</translation>
    </message>
    <message id="t806">
        <source>No images found in the path \image.</source>
        <translation>No images found in the path \image.</translation>
    </message>
    <message id="t807">
        <source>The image could not be copied into the following folder:

</source>
        <translation>The image could not be copied into the following folder:

</translation>
    </message>
    <message id="t808">
        <source>At the chosen scaling of %1 %, the screen offers only %2 × %3 points; the game needs at least 800 × 600.

Please set the scaling to %4 % or less and restart the game.</source>
        <translation>At the chosen scaling of %1 %, the screen offers only %2 × %3 points; the game needs at least 800 × 600.

Please set the scaling to %4 % or less and restart the game.</translation>
    </message>
    <message id="t810">
        <source>The picture you selected is too large to be loaded.</source>
        <translation>The picture you selected is too large to be loaded.</translation>
    </message>
    <message id="t811">
        <source>The file you selected is damaged or incomplete.</source>
        <translation>The file you selected is damaged or incomplete.</translation>
    </message>
    <message id="t812">
        <source>The file you selected does not contain a picture.</source>
        <translation>The file you selected does not contain a picture.</translation>
    </message>
    <message id="t813">
        <source>The saved game was damaged and has been set aside as spiel.dat.defekt.

A new game begins.</source>
        <translation>The saved game was damaged and has been set aside as spiel.dat.defekt.

A new game begins.</translation>
    </message>
    <message id="t814">
        <source>The picture of the saved game is missing or has changed.

The game goes on with the built-in picture.</source>
        <translation>The picture of the saved game is missing or has changed.

The game goes on with the built-in picture.</translation>
    </message>
    <message id="t900">
        <source>Board</source>
        <translation>Board</translation>
    </message>
    <message id="t901">
        <source>Tile %1 at row %2, column %3</source>
        <translation>Tile %1 at row %2, column %3</translation>
    </message>
    <message id="t902">
        <source>Empty field at row %1, column %2</source>
        <translation>Empty field at row %1, column %2</translation>
    </message>
    <message id="t903">
        <source>in place</source>
        <translation>in place</translation>
    </message>
    <message id="t904">
        <source>out of place</source>
        <translation>out of place</translation>
    </message>
    <message id="t905">
        <source>Moves</source>
        <translation>Moves</translation>
    </message>
    <message id="t906">
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message id="t910">
        <source>Variant 1: empty field</source>
        <translation>Variant 1: empty field</translation>
    </message>
    <message id="t911">
        <source>Variant 2: rows and columns</source>
        <translation>Variant 2: rows and columns</translation>
    </message>
    <message id="t912">
        <source>Variant 3: axes</source>
        <translation>Variant 3: axes</translation>
    </message>
    <message id="t913">
        <source>Axis %1: rows %2–%3, columns %4–%5</source>
        <translation>Axis %1: rows %2–%3, columns %4–%5</translation>
    </message>
    <message id="t914">
        <source>Moves: %1</source>
        <translation>Moves: %1</translation>
    </message>
    <message id="t915">
        <source>Time: %1</source>
        <translation>Time: %1</translation>
    </message>
    <message id="t916" numerus="yes">
        <source>%1 seconds</source>
        <translation>
            <numerusform>%1 seconds</numerusform>
            <numerusform>%1 seconds</numerusform>
        </translation>
    </message>
    <message id="t917">
        <source>1 second</source>
        <translation>1 second</translation>
    </message>
    <message id="t918" numerus="yes">
        <source>%1 minutes</source>
        <translation>
            <numerusform>%1 minutes</numerusform>
            <numerusform>%1 minutes</numerusform>
        </translation>
    </message>
    <message id="t919">
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message id="t920" numerus="yes">
        <source>%1 minutes %2 seconds</source>
        <translation>
            <numerusform>%1 minutes %2 seconds</numerusform>
            <numerusform>%1 minutes %2 seconds</numerusform>
        </translation>
    </message>
    <message id="t921" numerus="yes">
        <source>%1 minutes 1 second</source>
        <translation>
            <numerusform>%1 minutes 1 second</numerusform>
            <numerusform>%1 minutes 1 second</numerusform>
        </translation>
    </message>
    <message id="t922" numerus="yes">
        <source>1 minute %1 seconds</source>
        <translation>
            <numerusform>1 minute %1 seconds</numerusform>
            <numerusform>1 minute %1 seconds</numerusform>
        </translation>
    </message>
    <message id="t923">
        <source>1 minute 1 second</source>
        <translation>1 minute 1 second</translation>
    </message>
    <message id="t924">
        <source>Place</source>
        <translation>Place</translation>
    </message>
    <message id="t925">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="t926">
        <source>Name for place %1</source>
        <translation>Name for place %1</translation>
    </message>
    <message id="t950">
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message id="t8">
        <source>Res&amp;tart this board</source>
        <translation>Res&amp;tart this board</translation>
    </message>
    <message id="t9">
        <source>&amp;Copy game code</source>
        <translation>&amp;Copy game code</translation>
    </message>
    <message id="t10">
        <source>&amp;Enter game code …</source>
        <translation>&amp;Enter game code …</translation>
    </message>
    <message id="t11">
        <source>Today&apos;s &amp;puzzle</source>
        <translation>Today&apos;s &amp;puzzle</translation>
    </message>
    <message id="t29">
        <source>Solve spee&amp;d</source>
        <translation>Solve spee&amp;d</translation>
    </message>
    <message id="t400" numerus="yes">
        <source>%1 moves a second</source>
        <translation>
            <numerusform>%1 moves a second</numerusform>
            <numerusform>%1 moves a second</numerusform>
        </translation>
    </message>
    <message id="t401">
        <source>%1 move a second</source>
        <translation>%1 move a second</translation>
    </message>
    <message id="t450">
        <source>Enter game code</source>
        <translation>Enter game code</translation>
    </message>
    <message id="t451">
        <source>Game code, for example from another player:</source>
        <translation>Game code, for example from another player:</translation>
    </message>
    <message id="t452">
        <source>&amp;Play</source>
        <translation>&amp;Play</translation>
    </message>
    <message id="t453">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="t454">
        <source>This is not a Tavelor game code. A game code begins with TAV1-.</source>
        <translation>This is not a Tavelor game code. A game code begins with TAV1-.</translation>
    </message>
    <message id="t455">
        <source>This game code comes from a newer version of Tavelor and cannot be played here.</source>
        <translation>This game code comes from a newer version of Tavelor and cannot be played here.</translation>
    </message>
    <message id="t456">
        <source>The game code is incomplete or too long.</source>
        <translation>The game code is incomplete or too long.</translation>
    </message>
    <message id="t457">
        <source>The game code contains a typo: the check characters at its end do not match the rest.</source>
        <translation>The game code contains a typo: the check characters at its end do not match the rest.</translation>
    </message>
    <message id="t458">
        <source>The game code names none of the three variants.</source>
        <translation>The game code names none of the three variants.</translation>
    </message>
    <message id="t459">
        <source>The game code names a board size outside 3 × 3 to 6 × 6.</source>
        <translation>The game code names a board size outside 3 × 3 to 6 × 6.</translation>
    </message>
    <message id="t460">
        <source>The game code holds no complete board: every tile must appear exactly once.</source>
        <translation>The game code holds no complete board: every tile must appear exactly once.</translation>
    </message>
    <message id="t461">
        <source>The board of this game code cannot be solved in its variant.</source>
        <translation>The board of this game code cannot be solved in its variant.</translation>
    </message>
    <message id="t462">
        <source>The game code is damaged: it contains characters that do not belong in it.</source>
        <translation>The game code is damaged: it contains characters that do not belong in it.</translation>
    </message>
    <message id="t463">
        <source>The picture “%1” is not in the picture folder. The built-in picture is used instead.</source>
        <translation>The picture “%1” is not in the picture folder. The built-in picture is used instead.</translation>
    </message>
    <message id="t464">
        <source>Today&apos;s puzzle – days played: %1, in a row: %2</source>
        <translation>Today&apos;s puzzle – days played: %1, in a row: %2</translation>
    </message>
    <message id="t7">
        <source>&amp;Watch last game</source>
        <translation>&amp;Watch last game</translation>
    </message>
    <message id="t410">
        <source>Replay</source>
        <translation>Replay</translation>
    </message>
    <message id="t411">
        <source>&amp;Play</source>
        <translation>&amp;Play</translation>
    </message>
    <message id="t412">
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message id="t413">
        <source>Step bac&amp;k</source>
        <translation>Step bac&amp;k</translation>
    </message>
    <message id="t414">
        <source>Step &amp;forward</source>
        <translation>Step &amp;forward</translation>
    </message>
    <message id="t415">
        <source>Choose move</source>
        <translation>Choose move</translation>
    </message>
    <message id="t416">
        <source>Moves per second</source>
        <translation>Moves per second</translation>
    </message>
    <message id="t417">
        <source>&amp;Back to the game</source>
        <translation>&amp;Back to the game</translation>
    </message>
    <message id="t418">
        <source>Move %1 of %2</source>
        <translation>Move %1 of %2</translation>
    </message>
    <message id="t419">
        <source>&amp;Watch</source>
        <translation>&amp;Watch</translation>
    </message>
    <message id="t420">
        <source>This game cannot be shown: its start board or its moves cannot be read.</source>
        <translation>This game cannot be shown: its start board or its moves cannot be read.</translation>
    </message>
    <message id="t421">
        <source>No game has been recorded yet.</source>
        <translation>No game has been recorded yet.</translation>
    </message>
    <message id="t422">
        <source> moves/s</source>
        <translation> moves/s</translation>
    </message>
</context>
</TS>
