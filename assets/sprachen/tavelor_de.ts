<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="t0">
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message id="t1">
        <source>&amp;New game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message id="t2">
        <source>&amp;Best results...</source>
        <translation>Besten&amp;liste</translation>
    </message>
    <message id="t3">
        <source>New game &amp;as before</source>
        <translation>Neues Spiel wie &amp;zuvor</translation>
    </message>
    <message id="t4">
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message id="t5">
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message id="t6">
        <source>&amp;Statistics …</source>
        <translation>&amp;Statistik …</translation>
    </message>
    <message id="t19">
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message id="t20">
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message id="t21">
        <source>&amp;Pause</source>
        <translation>Pa&amp;use</translation>
    </message>
    <message id="t22">
        <source>&amp;Hint</source>
        <translation>T&amp;ipp</translation>
    </message>
    <message id="t23">
        <source>&amp;Solve</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message id="t24">
        <source>&amp;Animation</source>
        <translation>&amp;Animation</translation>
    </message>
    <message id="t25">
        <source>So&amp;und effects</source>
        <translation>&amp;Ton an</translation>
    </message>
    <message id="t26">
        <source>&amp;Music</source>
        <translation>&amp;Musik</translation>
    </message>
    <message id="t27">
        <source>&amp;Size</source>
        <translation>&amp;Größe</translation>
    </message>
    <message id="t28">
        <source>Appeara&amp;nce</source>
        <translation>&amp;Erscheinungsbild</translation>
    </message>
    <message id="t30">
        <source>Lan&amp;guage</source>
        <translation>S&amp;prache</translation>
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
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="t52">
        <source>&amp;About</source>
        <translation>Inf&amp;o</translation>
    </message>
    <message id="t53">
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message id="t100">
        <source>Info about </source>
        <translation>Info über </translation>
    </message>
    <message id="t101">
        <source>Version :</source>
        <translation>Version :</translation>
    </message>
    <message id="t200">
        <source>Hall of fame</source>
        <translation>Hier sind die Besten</translation>
    </message>
    <message id="t201">
        <source>Name                         Moves    Time</source>
        <translation>Name                           Züge      Zeit</translation>
    </message>
    <message id="t202">
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message id="t203">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="t204">
        <source>Pieces</source>
        <translation>Teile</translation>
    </message>
    <message id="t300">
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="t301">
        <source>Version</source>
        <translation>Variante</translation>
    </message>
    <message id="t310">
        <source>Number of pieces</source>
        <translation>Anzahl Teile</translation>
    </message>
    <message id="t311">
        <source>pieces</source>
        <translation>Teile</translation>
    </message>
    <message id="t320">
        <source>Image subject</source>
        <translation>Bildmotiv</translation>
    </message>
    <message id="t321">
        <source>Convert image into a black-and-white image</source>
        <translation>Bild in schwarzweiß umwandeln</translation>
    </message>
    <message id="t322">
        <source>Hide preview display during the game</source>
        <translation>Vorschaubild im Spiel ausblenden</translation>
    </message>
    <message id="t323">
        <source>Select empty field randomly</source>
        <translation>Freies Feld durch Zufall bestimmen</translation>
    </message>
    <message id="t324">
        <source>Cut a square from the middle</source>
        <translation>Quadrat aus der Mitte schneiden</translation>
    </message>
    <message id="t325">
        <source>&amp;Browse ...</source>
        <translation>&amp;Bild suchen ...</translation>
    </message>
    <message id="t326">
        <source>Choose a picture</source>
        <translation>Bild wählen</translation>
    </message>
    <message id="t327">
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message id="t330">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="t331">
        <source>E&amp;xit game</source>
        <translation>Spiel &amp;beenden</translation>
    </message>
    <message id="t332">
        <source>&amp;Back to the game</source>
        <translation>&amp;Zurück zum Spiel</translation>
    </message>
    <message id="t503">
        <source>Sorry, but this is not enough to enter 

         the hall of fame.</source>
        <translation>Das reicht leider nicht für einen Eintrag 

            in die Bestenliste.</translation>
    </message>
    <message id="t504">
        <source>You have reached the maximum number of permitted moves 

 whithout finishing the jigsaw.</source>
        <translation>Die maximal zulässige Zuganzahl wurde erreicht 

        und damit das Morvik nicht gelöst.</translation>
    </message>
    <message id="t505">
        <source>You have used up all the available time without finishing the jigsaw.</source>
        <translation>Die maximal zulässige Zeit wurde erreicht 

   und damit das Morvik nicht gelöst.</translation>
    </message>
    <message id="t506">
        <source>Solved with help – no entry in the list of best results.</source>
        <translation>Mit Hilfe gelöst – kein Eintrag in die Bestenliste.</translation>
    </message>
    <message id="t600">
        <source>The saved game was damaged and has been set aside as %1.

A new game begins.</source>
        <translation>Das gespeicherte Spiel war beschädigt und wurde als %1 beiseitegelegt.

Es beginnt ein neues Spiel.</translation>
    </message>
    <message id="t601">
        <source>Tavelor is already running in this folder.

Games in this window will not be kept for the next start.</source>
        <translation>Tavelor läuft in diesem Ordner schon.

Spiele in diesem Fenster werden nicht für den nächsten Start aufbewahrt.</translation>
    </message>
    <message id="t602">
        <source>The folder %1 cannot be written.

The saved game goes on, but it will not be kept any more.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden.

Das gespeicherte Spiel geht weiter, wird aber nicht mehr aufbewahrt.</translation>
    </message>
    <message id="t603">
        <source>%1 is a folder.

Games cannot be kept for the next start.</source>
        <translation>%1 ist ein Ordner.

Spiele können nicht für den nächsten Start aufbewahrt werden.</translation>
    </message>
    <message id="t604">
        <source>Give up the game in progress and start a new one?</source>
        <translation>Das laufende Spiel aufgeben und ein neues beginnen?</translation>
    </message>
    <message id="t605">
        <source>Do not ask again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message id="t606">
        <source>Give up the game?</source>
        <translation>Spiel aufgeben?</translation>
    </message>
    <message id="t607">
        <source>&amp;New game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message id="t608">
        <source>&amp;Keep playing</source>
        <translation>&amp;Weiterspielen</translation>
    </message>
    <message id="t650">
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message id="t651">
        <source>&amp;Variant and size:</source>
        <translation>&amp;Variante und Größe:</translation>
    </message>
    <message id="t652">
        <source>%1, %2 × %2</source>
        <translation>%1, %2 × %2</translation>
    </message>
    <message id="t653">
        <source>No games recorded yet.</source>
        <translation>Noch keine Spiele aufgezeichnet.</translation>
    </message>
    <message id="t654">
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message id="t655">
        <source>Solved</source>
        <translation>Gelöst</translation>
    </message>
    <message id="t656">
        <source>With help</source>
        <translation>Mit Hilfe</translation>
    </message>
    <message id="t657">
        <source>Abandoned</source>
        <translation>Abgebrochen</translation>
    </message>
    <message id="t658">
        <source>Limit reached</source>
        <translation>Grenze erreicht</translation>
    </message>
    <message id="t659">
        <source>Best</source>
        <translation>Bestwert</translation>
    </message>
    <message id="t660">
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message id="t661">
        <source>Median</source>
        <translation>Median</translation>
    </message>
    <message id="t662">
        <source>Average of the last 5</source>
        <translation>Schnitt der letzten 5</translation>
    </message>
    <message id="t663">
        <source>Average of the last 12</source>
        <translation>Schnitt der letzten 12</translation>
    </message>
    <message id="t664">
        <source>Moves per second</source>
        <translation>Züge pro Sekunde</translation>
    </message>
    <message id="t665">
        <source>Times and moves count only games solved without help. The averages of the last 5 and 12 leave out the best and the worst.</source>
        <translation>Zeiten und Züge zählen nur gelöste Spiele ohne Hilfe. Die Schnitte der letzten 5 und 12 lassen das beste und das schlechteste weg.</translation>
    </message>
    <message id="t666" numerus="yes">
        <source>The last %1 games</source>
        <translation>
            <numerusform>Die letzten %1 Spiele</numerusform>
            <numerusform>Die letzten %1 Spiele</numerusform>
        </translation>
    </message>
    <message id="t667">
        <source>solved</source>
        <translation>gelöst</translation>
    </message>
    <message id="t668">
        <source>with help</source>
        <translation>mit Hilfe</translation>
    </message>
    <message id="t669">
        <source>not solved</source>
        <translation>nicht gelöst</translation>
    </message>
    <message id="t670">
        <source>Time and moves of the last games</source>
        <translation>Zeit und Züge der letzten Spiele</translation>
    </message>
    <message id="t671">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="t672">
        <source>Ended</source>
        <translation>Ende</translation>
    </message>
    <message id="t673">
        <source>Outcome</source>
        <translation>Ausgang</translation>
    </message>
    <message id="t674">
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message id="t675">
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message id="t676">
        <source>Move limit</source>
        <translation>Zuggrenze</translation>
    </message>
    <message id="t677">
        <source>Time limit</source>
        <translation>Zeitgrenze</translation>
    </message>
    <message id="t678">
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message id="t679">
        <source>built-in picture</source>
        <translation>eingebautes Bild</translation>
    </message>
    <message id="t680">
        <source>&amp;Recorded games, newest first:</source>
        <translation>&amp;Aufgezeichnete Spiele, das neueste zuerst:</translation>
    </message>
    <message id="t681">
        <source>Save as &amp;CSV …</source>
        <translation>Als &amp;CSV speichern …</translation>
    </message>
    <message id="t682">
        <source>&amp;Clear statistics</source>
        <translation>Statistik &amp;löschen</translation>
    </message>
    <message id="t683">
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message id="t684">
        <source>Save statistics as CSV</source>
        <translation>Statistik als CSV speichern</translation>
    </message>
    <message id="t685">
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message id="t686">
        <source>tavelor-statistics.csv</source>
        <translation>tavelor-statistik.csv</translation>
    </message>
    <message id="t687">
        <source>The file could not be written:

%1</source>
        <translation>Die Datei konnte nicht geschrieben werden:

%1</translation>
    </message>
    <message id="t688">
        <source>Clear all statistics?

Every recorded game is lost; the best results stay.</source>
        <translation>Die ganze Statistik löschen?

Alle aufgezeichneten Spiele gehen verloren; die Bestenliste bleibt.</translation>
    </message>
    <message id="t689">
        <source>&amp;Clear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message id="t690">
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message id="t691">
        <source>The statistics could not be cleared.</source>
        <translation>Die Statistik konnte nicht gelöscht werden.</translation>
    </message>
    <message id="t692">
        <source>The stored statistics were damaged or do not belong to this game. They have been set aside as

%1

The statistics start afresh.</source>
        <translation>Die gespeicherte Statistik war beschädigt oder gehört nicht zu diesem Spiel. Sie wurde beiseitegelegt als

%1

Die Statistik beginnt neu.</translation>
    </message>
    <message id="t693">
        <source>The statistics cannot be stored:

%1

Play goes on; its games are recorded as soon as that works again.</source>
        <translation>Die Statistik kann nicht gespeichert werden:

%1

Das Spiel geht weiter; seine Spiele werden aufgezeichnet, sobald es wieder geht.</translation>
    </message>
    <message id="t694">
        <source>Figures</source>
        <translation>Kennzahlen</translation>
    </message>
    <message id="t700">
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
    <message id="t701">
        <source>&amp;Light</source>
        <translation>&amp;Hell</translation>
    </message>
    <message id="t702">
        <source>&amp;Dark</source>
        <translation>&amp;Dunkel</translation>
    </message>
    <message id="t720">
        <source>Tavelor – Keyboard shortcuts</source>
        <translation>Tavelor – Tastenkürzel</translation>
    </message>
    <message id="t721">
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message id="t722">
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message id="t723">
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message id="t724">
        <source>Variant 1: slide the tile beside the empty field into it</source>
        <translation>Variante 1: das Teil neben dem freien Feld hineinschieben</translation>
    </message>
    <message id="t725">
        <source>Variant 2: move the frame</source>
        <translation>Variante 2: den Rahmen bewegen</translation>
    </message>
    <message id="t726">
        <source>Variant 2: shift the frame&apos;s row or column</source>
        <translation>Variante 2: Reihe oder Spalte des Rahmens schieben</translation>
    </message>
    <message id="t727">
        <source>Variant 3: move the ring</source>
        <translation>Variante 3: den Ring bewegen</translation>
    </message>
    <message id="t728">
        <source>Variant 3: turn clockwise</source>
        <translation>Variante 3: im Uhrzeigersinn drehen</translation>
    </message>
    <message id="t729">
        <source>Variant 3: turn counter-clockwise</source>
        <translation>Variante 3: gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message id="t730">
        <source>Step the tile numbers</source>
        <translation>Teilenummern weiterschalten</translation>
    </message>
    <message id="t731">
        <source>Arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message id="t732">
        <source>Shift+arrow keys</source>
        <translation>Umschalt+Pfeiltasten</translation>
    </message>
    <message id="t733">
        <source>Space or Return</source>
        <translation>Leertaste oder Eingabe</translation>
    </message>
    <message id="t734">
        <source>Shift+Space or Backspace</source>
        <translation>Umschalt+Leertaste oder Rücktaste</translation>
    </message>
    <message id="t735">
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message id="t740">
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später (GPL-3.0-or-later)</translation>
    </message>
    <message id="t741">
        <source>Pictures, sounds and translations are the project&apos;s own work.</source>
        <translation>Bilder, Töne und Übersetzungen sind eigene Werke des Projekts.</translation>
    </message>
    <message id="t750">
        <source>Usage: tavelor [OPTION …]
A picture puzzle: put a scrambled picture back together.

  --portable     read and write the working folder, even when installed
  -h, --help     show this help and exit
  -v, --version  show the version and exit
</source>
        <translation>Aufruf: tavelor [OPTION …]
Ein Bilderpuzzle: ein durcheinandergewürfeltes Bild wieder zusammensetzen.

  --portable     im Arbeitsordner lesen und schreiben, auch wenn das Spiel installiert ist
  -h, --help     diese Hilfe zeigen und beenden
  -v, --version  die Version zeigen und beenden
</translation>
    </message>
    <message id="t751">
        <source>Usage: tavelor [--portable] [--help] [--version]</source>
        <translation>Aufruf: tavelor [--portable] [--help] [--version]</translation>
    </message>
    <message id="t752">
        <source>tavelor: unknown option &apos;%1&apos;</source>
        <translation>tavelor: unbekannte Option „%1“</translation>
    </message>
    <message id="t753">
        <source>tavelor: unexpected argument &apos;%1&apos;</source>
        <translation>tavelor: unerwartetes Argument „%1“</translation>
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
        <translation>Eine der folgenden Systemanforderungen ist nicht erfüllt.

- Bildschirmauflösung mindestens 800x600 Pixel
- Farbtiefe mindestens 16bit (Hi-Color)

Bitte Einstellungen berichtigen und das Programm neu starten.</translation>
    </message>
    <message id="t801">
        <source>The list with the best results could not be stored.

An access error occured.</source>
        <translation>Die Bestenliste konnte nicht gespeichert werden.

Es ist ein Zugriffsfehler aufgetreten.</translation>
    </message>
    <message id="t802">
        <source>The list with the best results cannot be stored

because the programme was started from a CD-ROM.</source>
        <translation>Die Bestenliste kann nicht gespeichert werden,

da das Programm von CD-Rom gestartet wurde.</translation>
    </message>
    <message id="t803">
        <source>The following file could not be found:

</source>
        <translation>Folgende Datei wurde nicht gefunden :

</translation>
    </message>
    <message id="t804">
        <source>The file you selected does not have the correct graphics format.</source>
        <translation>Die gewählte Datei besitzt das falsche Grafikformat.</translation>
    </message>
    <message id="t805">
        <source>The image path \images cannot be found.

The programme will now be exited.</source>
        <translation>Kann Pfad \images nicht finden. 

Programm wird beendet.</translation>
    </message>
    <message id="t806">
        <source>No images found in the path \image.</source>
        <translation>Es wurden keine Bilder im Pfad \images gefunden.</translation>
    </message>
    <message id="t807">
        <source>The image could not be copied into the following folder:

</source>
        <translation>Das Bild konnte nicht in folgenden Ordner kopiert werden :

</translation>
    </message>
    <message id="t808">
        <source>At the chosen scaling of %1 %, the screen offers only %2 × %3 points; the game needs at least 800 × 600.

Please set the scaling to %4 % or less and restart the game.</source>
        <translation>Bei der eingestellten Skalierung von %1 % bietet der Bildschirm nur %2 × %3 Punkte, das Spiel braucht mindestens 800 × 600.

Bitte die Skalierung auf höchstens %4 % stellen und das Programm neu starten.</translation>
    </message>
    <message id="t810">
        <source>The picture you selected is too large to be loaded.</source>
        <translation>Das gewählte Bild ist zu groß, um es zu laden.</translation>
    </message>
    <message id="t811">
        <source>The file you selected is damaged or incomplete.</source>
        <translation>Die gewählte Datei ist beschädigt oder unvollständig.</translation>
    </message>
    <message id="t812">
        <source>The file you selected does not contain a picture.</source>
        <translation>Die gewählte Datei enthält kein Bild.</translation>
    </message>
    <message id="t813">
        <source>The saved game was damaged and has been set aside as spiel.dat.defekt.

A new game begins.</source>
        <translation>Das gespeicherte Spiel war beschädigt und wurde als spiel.dat.defekt beiseitegelegt.

Es beginnt ein neues Spiel.</translation>
    </message>
    <message id="t814">
        <source>The picture of the saved game is missing or has changed.

The game goes on with the built-in picture.</source>
        <translation>Das Bild des gespeicherten Spiels fehlt oder wurde verändert.

Das Spiel geht mit dem eingebauten Bild weiter.</translation>
    </message>
    <message id="t900">
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message id="t901">
        <source>Tile %1 at row %2, column %3</source>
        <translation>Teil %1 auf Zeile %2, Spalte %3</translation>
    </message>
    <message id="t902">
        <source>Empty field at row %1, column %2</source>
        <translation>Leeres Feld auf Zeile %1, Spalte %2</translation>
    </message>
    <message id="t903">
        <source>in place</source>
        <translation>an seinem Platz</translation>
    </message>
    <message id="t904">
        <source>out of place</source>
        <translation>nicht an seinem Platz</translation>
    </message>
    <message id="t905">
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message id="t906">
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message id="t910">
        <source>Variant 1: empty field</source>
        <translation>Variante 1: leeres Feld</translation>
    </message>
    <message id="t911">
        <source>Variant 2: rows and columns</source>
        <translation>Variante 2: Zeilen und Spalten</translation>
    </message>
    <message id="t912">
        <source>Variant 3: axes</source>
        <translation>Variante 3: Achsen</translation>
    </message>
    <message id="t913">
        <source>Axis %1: rows %2–%3, columns %4–%5</source>
        <translation>Achse %1: Zeilen %2–%3, Spalten %4–%5</translation>
    </message>
    <message id="t914">
        <source>Moves: %1</source>
        <translation>Züge: %1</translation>
    </message>
    <message id="t915">
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message id="t916" numerus="yes">
        <source>%1 seconds</source>
        <translation>
            <numerusform>%1 Sekunden</numerusform>
            <numerusform>%1 Sekunden</numerusform>
        </translation>
    </message>
    <message id="t917">
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message id="t918" numerus="yes">
        <source>%1 minutes</source>
        <translation>
            <numerusform>%1 Minuten</numerusform>
            <numerusform>%1 Minuten</numerusform>
        </translation>
    </message>
    <message id="t919">
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message id="t920" numerus="yes">
        <source>%1 minutes %2 seconds</source>
        <translation>
            <numerusform>%1 Minuten %2 Sekunden</numerusform>
            <numerusform>%1 Minuten %2 Sekunden</numerusform>
        </translation>
    </message>
    <message id="t921" numerus="yes">
        <source>%1 minutes 1 second</source>
        <translation>
            <numerusform>%1 Minuten 1 Sekunde</numerusform>
            <numerusform>%1 Minuten 1 Sekunde</numerusform>
        </translation>
    </message>
    <message id="t922" numerus="yes">
        <source>1 minute %1 seconds</source>
        <translation>
            <numerusform>1 Minute %1 Sekunden</numerusform>
            <numerusform>1 Minute %1 Sekunden</numerusform>
        </translation>
    </message>
    <message id="t923">
        <source>1 minute 1 second</source>
        <translation>1 Minute 1 Sekunde</translation>
    </message>
    <message id="t924">
        <source>Place</source>
        <translation>Platz</translation>
    </message>
    <message id="t925">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="t926">
        <source>Name for place %1</source>
        <translation>Name für Platz %1</translation>
    </message>
    <message id="t950">
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message id="t8">
        <source>Res&amp;tart this board</source>
        <translation>&amp;Dasselbe Brett noch einmal</translation>
    </message>
    <message id="t9">
        <source>&amp;Copy game code</source>
        <translation>Spiel&amp;code kopieren</translation>
    </message>
    <message id="t10">
        <source>&amp;Enter game code …</source>
        <translation>Spielcode &amp;eingeben …</translation>
    </message>
    <message id="t11">
        <source>Today&apos;s &amp;puzzle</source>
        <translation>Rätsel des &amp;Tages</translation>
    </message>
    <message id="t29">
        <source>Solve spee&amp;d</source>
        <translation>Lö&amp;setempo</translation>
    </message>
    <message id="t400" numerus="yes">
        <source>%1 moves a second</source>
        <translation>
            <numerusform>%1 Züge pro Sekunde</numerusform>
            <numerusform>%1 Züge pro Sekunde</numerusform>
        </translation>
    </message>
    <message id="t401">
        <source>%1 move a second</source>
        <translation>%1 Zug pro Sekunde</translation>
    </message>
    <message id="t450">
        <source>Enter game code</source>
        <translation>Spielcode eingeben</translation>
    </message>
    <message id="t451">
        <source>Game code, for example from another player:</source>
        <translation>Spielcode, zum Beispiel von einem anderen Spieler:</translation>
    </message>
    <message id="t452">
        <source>&amp;Play</source>
        <translation>&amp;Spielen</translation>
    </message>
    <message id="t453">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="t454">
        <source>This is not a Tavelor game code. A game code begins with TAV1-.</source>
        <translation>Das ist kein Spielcode von Tavelor. Ein Spielcode beginnt mit TAV1-.</translation>
    </message>
    <message id="t455">
        <source>This game code comes from a newer version of Tavelor and cannot be played here.</source>
        <translation>Dieser Spielcode stammt aus einer neueren Version von Tavelor und kann hier nicht gespielt werden.</translation>
    </message>
    <message id="t456">
        <source>The game code is incomplete or too long.</source>
        <translation>Der Spielcode ist unvollständig oder zu lang.</translation>
    </message>
    <message id="t457">
        <source>The game code contains a typo: the check characters at its end do not match the rest.</source>
        <translation>Der Spielcode enthält einen Tippfehler: Die Prüfzeichen am Ende passen nicht zum Rest.</translation>
    </message>
    <message id="t458">
        <source>The game code names none of the three variants.</source>
        <translation>Der Spielcode nennt keine der drei Varianten.</translation>
    </message>
    <message id="t459">
        <source>The game code names a board size outside 3 × 3 to 6 × 6.</source>
        <translation>Der Spielcode nennt eine Brettgröße außerhalb von 3 × 3 bis 6 × 6.</translation>
    </message>
    <message id="t460">
        <source>The game code holds no complete board: every tile must appear exactly once.</source>
        <translation>Der Spielcode enthält kein vollständiges Brett: Jedes Teil muss genau einmal vorkommen.</translation>
    </message>
    <message id="t461">
        <source>The board of this game code cannot be solved in its variant.</source>
        <translation>Das Brett dieses Spielcodes lässt sich in seiner Variante nicht lösen.</translation>
    </message>
    <message id="t462">
        <source>The game code is damaged: it contains characters that do not belong in it.</source>
        <translation>Der Spielcode ist beschädigt: Er enthält Zeichen, die nicht hineingehören.</translation>
    </message>
    <message id="t463">
        <source>The picture “%1” is not in the picture folder. The built-in picture is used instead.</source>
        <translation>Das Bild „%1“ ist nicht im Bilderordner. Gespielt wird mit dem eingebauten Bild.</translation>
    </message>
    <message id="t464">
        <source>Today&apos;s puzzle – days played: %1, in a row: %2</source>
        <translation>Rätsel des Tages – Tage gespielt: %1, in Folge: %2</translation>
    </message>
    <message id="t7">
        <source>&amp;Watch last game</source>
        <translation>Letztes Spiel &amp;ansehen</translation>
    </message>
    <message id="t410">
        <source>Replay</source>
        <translation>Wiedergabe</translation>
    </message>
    <message id="t411">
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message id="t412">
        <source>&amp;Pause</source>
        <translation>An&amp;halten</translation>
    </message>
    <message id="t413">
        <source>Step bac&amp;k</source>
        <translation>Zug zu&amp;rück</translation>
    </message>
    <message id="t414">
        <source>Step &amp;forward</source>
        <translation>Zug &amp;vor</translation>
    </message>
    <message id="t415">
        <source>Choose move</source>
        <translation>Zug wählen</translation>
    </message>
    <message id="t416">
        <source>Moves per second</source>
        <translation>Züge pro Sekunde</translation>
    </message>
    <message id="t417">
        <source>&amp;Back to the game</source>
        <translation>&amp;Zurück zum Spiel</translation>
    </message>
    <message id="t418">
        <source>Move %1 of %2</source>
        <translation>Zug %1 von %2</translation>
    </message>
    <message id="t419">
        <source>&amp;Watch</source>
        <translation>A&amp;nsehen</translation>
    </message>
    <message id="t420">
        <source>This game cannot be shown: its start board or its moves cannot be read.</source>
        <translation>Dieses Spiel kann nicht gezeigt werden: sein Startbrett oder seine Züge sind nicht lesbar.</translation>
    </message>
    <message id="t421">
        <source>No game has been recorded yet.</source>
        <translation>Es ist noch kein Spiel aufgezeichnet.</translation>
    </message>
    <message id="t422">
        <source> moves/s</source>
        <translation> Züge/s</translation>
    </message>
</context>
</TS>
