<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name></name>
    <message id="t0">
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message id="t1">
        <source>&amp;New game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message id="t2">
        <source>&amp;Best results...</source>
        <translation>&amp;Beste resultaten…</translation>
    </message>
    <message id="t3">
        <source>New game &amp;as before</source>
        <translation>Nieuw spel, &amp;zelfde instellingen</translation>
    </message>
    <message id="t4">
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message id="t5">
        <source>&amp;Redo</source>
        <translation>O&amp;pnieuw uitvoeren</translation>
    </message>
    <message id="t6">
        <source>&amp;Statistics …</source>
        <translation>&amp;Statistieken…</translation>
    </message>
    <message id="t19">
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message id="t20">
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message id="t21">
        <source>&amp;Pause</source>
        <translation>&amp;Pauze</translation>
    </message>
    <message id="t22">
        <source>&amp;Hint</source>
        <translation>&amp;Tip</translation>
    </message>
    <message id="t23">
        <source>&amp;Solve</source>
        <translation>&amp;Oplossen</translation>
    </message>
    <message id="t24">
        <source>&amp;Animation</source>
        <translation>&amp;Animatie</translation>
    </message>
    <message id="t25">
        <source>So&amp;und effects</source>
        <translation>&amp;Geluidseffecten</translation>
    </message>
    <message id="t26">
        <source>&amp;Music</source>
        <translation>&amp;Muziek</translation>
    </message>
    <message id="t27">
        <source>&amp;Size</source>
        <translation>G&amp;rootte</translation>
    </message>
    <message id="t28">
        <source>Appeara&amp;nce</source>
        <translation>&amp;Uiterlijk</translation>
    </message>
    <message id="t30">
        <source>Lan&amp;guage</source>
        <translation>&amp;Taal</translation>
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
        <translation>&amp;Over</translation>
    </message>
    <message id="t53">
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Sneltoetsen</translation>
    </message>
    <message id="t100">
        <source>Info about </source>
        <translation>Over </translation>
    </message>
    <message id="t101">
        <source>Version :</source>
        <translation>Versie:</translation>
    </message>
    <message id="t200">
        <source>Hall of fame</source>
        <translation>Beste resultaten</translation>
    </message>
    <message id="t201">
        <source>Name                         Moves    Time</source>
        <translation>Naam                         Zetten   Tijd</translation>
    </message>
    <message id="t202">
        <source>&amp;Delete</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message id="t203">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="t204">
        <source>Pieces</source>
        <translation>Stukjes</translation>
    </message>
    <message id="t300">
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message id="t301">
        <source>Version</source>
        <translation>Variant</translation>
    </message>
    <message id="t310">
        <source>Number of pieces</source>
        <translation>Aantal stukjes</translation>
    </message>
    <message id="t311">
        <source>pieces</source>
        <translation>stukjes</translation>
    </message>
    <message id="t320">
        <source>Image subject</source>
        <translation>Afbeelding</translation>
    </message>
    <message id="t321">
        <source>Convert image into a black-and-white image</source>
        <translation>Afbeelding in zwart-wit omzetten</translation>
    </message>
    <message id="t322">
        <source>Hide preview display during the game</source>
        <translation>Voorbeeld tijdens het spel verbergen</translation>
    </message>
    <message id="t323">
        <source>Select empty field randomly</source>
        <translation>Leeg vak willekeurig kiezen</translation>
    </message>
    <message id="t324">
        <source>Cut a square from the middle</source>
        <translation>Vierkant uit het midden snijden</translation>
    </message>
    <message id="t325">
        <source>&amp;Browse ...</source>
        <translation>&amp;Bladeren…</translation>
    </message>
    <message id="t326">
        <source>Choose a picture</source>
        <translation>Afbeelding kiezen</translation>
    </message>
    <message id="t327">
        <source>Pictures</source>
        <translation>Afbeeldingen</translation>
    </message>
    <message id="t330">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="t331">
        <source>E&amp;xit game</source>
        <translation>Spel &amp;afsluiten</translation>
    </message>
    <message id="t332">
        <source>&amp;Back to the game</source>
        <translation>&amp;Terug naar het spel</translation>
    </message>
    <message id="t503">
        <source>Sorry, but this is not enough to enter 

         the hall of fame.</source>
        <translation>Helaas is dit niet genoeg voor een plaats

in de lijst met beste resultaten.</translation>
    </message>
    <message id="t504">
        <source>You have reached the maximum number of permitted moves 

 whithout finishing the jigsaw.</source>
        <translation>Je hebt het maximale aantal zetten bereikt

zonder de puzzel op te lossen.</translation>
    </message>
    <message id="t505">
        <source>You have used up all the available time without finishing the jigsaw.</source>
        <translation>Je hebt alle beschikbare tijd gebruikt zonder de puzzel op te lossen.</translation>
    </message>
    <message id="t506">
        <source>Solved with help – no entry in the list of best results.</source>
        <translation>Opgelost met hulp – geen plaats in de lijst met beste resultaten.</translation>
    </message>
    <message id="t600">
        <source>The saved game was damaged and has been set aside as %1.

A new game begins.</source>
        <translation>Het opgeslagen spel was beschadigd en is apart gezet als %1.

Er begint een nieuw spel.</translation>
    </message>
    <message id="t601">
        <source>Tavelor is already running in this folder.

Games in this window will not be kept for the next start.</source>
        <translation>Tavelor draait al in deze map.

Spellen in dit venster worden niet bewaard voor de volgende start.</translation>
    </message>
    <message id="t602">
        <source>The folder %1 cannot be written.

The saved game goes on, but it will not be kept any more.</source>
        <translation>In de map %1 kan niet worden geschreven.

Het opgeslagen spel gaat verder, maar wordt niet meer bewaard.</translation>
    </message>
    <message id="t603">
        <source>%1 is a folder.

Games cannot be kept for the next start.</source>
        <translation>%1 is een map.

Spellen kunnen niet worden bewaard voor de volgende start.</translation>
    </message>
    <message id="t604">
        <source>Give up the game in progress and start a new one?</source>
        <translation>Het lopende spel opgeven en een nieuw spel beginnen?</translation>
    </message>
    <message id="t605">
        <source>Do not ask again</source>
        <translation>Niet meer vragen</translation>
    </message>
    <message id="t606">
        <source>Give up the game?</source>
        <translation>Spel opgeven?</translation>
    </message>
    <message id="t607">
        <source>&amp;New game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message id="t608">
        <source>&amp;Keep playing</source>
        <translation>&amp;Verder spelen</translation>
    </message>
    <message id="t650">
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message id="t651">
        <source>&amp;Variant and size:</source>
        <translation>&amp;Variant en grootte:</translation>
    </message>
    <message id="t652">
        <source>%1, %2 × %2</source>
        <translation>%1, %2 × %2</translation>
    </message>
    <message id="t653">
        <source>No games recorded yet.</source>
        <translation>Nog geen spellen vastgelegd.</translation>
    </message>
    <message id="t654">
        <source>Played</source>
        <translation>Gespeeld</translation>
    </message>
    <message id="t655">
        <source>Solved</source>
        <translation>Opgelost</translation>
    </message>
    <message id="t656">
        <source>With help</source>
        <translation>Met hulp</translation>
    </message>
    <message id="t657">
        <source>Abandoned</source>
        <translation>Afgebroken</translation>
    </message>
    <message id="t658">
        <source>Limit reached</source>
        <translation>Limiet bereikt</translation>
    </message>
    <message id="t659">
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message id="t660">
        <source>Mean</source>
        <translation>Gemiddelde</translation>
    </message>
    <message id="t661">
        <source>Median</source>
        <translation>Mediaan</translation>
    </message>
    <message id="t662">
        <source>Average of the last 5</source>
        <translation>Gemiddelde van de laatste 5</translation>
    </message>
    <message id="t663">
        <source>Average of the last 12</source>
        <translation>Gemiddelde van de laatste 12</translation>
    </message>
    <message id="t664">
        <source>Moves per second</source>
        <translation>Zetten per seconde</translation>
    </message>
    <message id="t665">
        <source>Times and moves count only games solved without help. The averages of the last 5 and 12 leave out the best and the worst.</source>
        <translation>Tijden en zetten tellen alleen spellen die zonder hulp zijn opgelost. De gemiddelden van de laatste 5 en 12 laten het beste en het slechtste spel weg.</translation>
    </message>
    <message id="t666" numerus="yes">
        <source>The last %1 games</source>
        <translation>
            <numerusform>Laatste %1 spel</numerusform>
            <numerusform>Laatste %1 spellen</numerusform>
        </translation>
    </message>
    <message id="t667">
        <source>solved</source>
        <translation>opgelost</translation>
    </message>
    <message id="t668">
        <source>with help</source>
        <translation>met hulp</translation>
    </message>
    <message id="t669">
        <source>not solved</source>
        <translation>niet opgelost</translation>
    </message>
    <message id="t670">
        <source>Time and moves of the last games</source>
        <translation>Tijd en zetten van de laatste spellen</translation>
    </message>
    <message id="t671">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="t672">
        <source>Ended</source>
        <translation>Beëindigd</translation>
    </message>
    <message id="t673">
        <source>Outcome</source>
        <translation>Uitkomst</translation>
    </message>
    <message id="t674">
        <source>Help</source>
        <translation>Hulp</translation>
    </message>
    <message id="t675">
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
    <message id="t676">
        <source>Move limit</source>
        <translation>Zettenlimiet</translation>
    </message>
    <message id="t677">
        <source>Time limit</source>
        <translation>Tijdlimiet</translation>
    </message>
    <message id="t678">
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message id="t679">
        <source>built-in picture</source>
        <translation>ingebouwde afbeelding</translation>
    </message>
    <message id="t680">
        <source>&amp;Recorded games, newest first:</source>
        <translation>Vastgelegde spellen, &amp;nieuwste eerst:</translation>
    </message>
    <message id="t681">
        <source>Save as &amp;CSV …</source>
        <translation>Opslaan als &amp;CSV…</translation>
    </message>
    <message id="t682">
        <source>&amp;Clear statistics</source>
        <translation>Statistieken &amp;wissen</translation>
    </message>
    <message id="t683">
        <source>C&amp;lose</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message id="t684">
        <source>Save statistics as CSV</source>
        <translation>Statistieken opslaan als CSV</translation>
    </message>
    <message id="t685">
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message id="t686">
        <source>tavelor-statistics.csv</source>
        <translation>tavelor-statistieken.csv</translation>
    </message>
    <message id="t687">
        <source>The file could not be written:

%1</source>
        <translation>Het bestand kon niet worden geschreven:

%1</translation>
    </message>
    <message id="t688">
        <source>Clear all statistics?

Every recorded game is lost; the best results stay.</source>
        <translation>Alle statistieken wissen?

Alle vastgelegde spellen gaan verloren; de beste resultaten blijven bewaard.</translation>
    </message>
    <message id="t689">
        <source>&amp;Clear</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message id="t690">
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message id="t691">
        <source>The statistics could not be cleared.</source>
        <translation>De statistieken konden niet worden gewist.</translation>
    </message>
    <message id="t692">
        <source>The stored statistics were damaged or do not belong to this game. They have been set aside as

%1

The statistics start afresh.</source>
        <translation>De opgeslagen statistieken waren beschadigd of horen niet bij dit spel. Ze zijn apart gezet als

%1

De statistieken beginnen opnieuw.</translation>
    </message>
    <message id="t693">
        <source>The statistics cannot be stored:

%1

Play goes on; its games are recorded as soon as that works again.</source>
        <translation>De statistieken kunnen niet worden opgeslagen:

%1

Het spel gaat door; de spellen worden vastgelegd zodra dat weer lukt.</translation>
    </message>
    <message id="t694">
        <source>Figures</source>
        <translation>Kerncijfers</translation>
    </message>
    <message id="t700">
        <source>&amp;System</source>
        <translation>&amp;Systeem</translation>
    </message>
    <message id="t701">
        <source>&amp;Light</source>
        <translation>&amp;Licht</translation>
    </message>
    <message id="t702">
        <source>&amp;Dark</source>
        <translation>&amp;Donker</translation>
    </message>
    <message id="t720">
        <source>Tavelor – Keyboard shortcuts</source>
        <translation>Tavelor – Sneltoetsen</translation>
    </message>
    <message id="t721">
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message id="t722">
        <source>Command</source>
        <translation>Opdracht</translation>
    </message>
    <message id="t723">
        <source>Key</source>
        <translation>Toets</translation>
    </message>
    <message id="t724">
        <source>Variant 1: slide the tile beside the empty field into it</source>
        <translation>Variant 1: het stukje naast het lege vak erin schuiven</translation>
    </message>
    <message id="t725">
        <source>Variant 2: move the frame</source>
        <translation>Variant 2: het kader verplaatsen</translation>
    </message>
    <message id="t726">
        <source>Variant 2: shift the frame&apos;s row or column</source>
        <translation>Variant 2: rij of kolom van het kader verschuiven</translation>
    </message>
    <message id="t727">
        <source>Variant 3: move the ring</source>
        <translation>Variant 3: de ring verplaatsen</translation>
    </message>
    <message id="t728">
        <source>Variant 3: turn clockwise</source>
        <translation>Variant 3: met de klok mee draaien</translation>
    </message>
    <message id="t729">
        <source>Variant 3: turn counter-clockwise</source>
        <translation>Variant 3: tegen de klok in draaien</translation>
    </message>
    <message id="t730">
        <source>Step the tile numbers</source>
        <translation>Nummers van de stukjes doorschakelen</translation>
    </message>
    <message id="t731">
        <source>Arrow keys</source>
        <translation>Pijltjestoetsen</translation>
    </message>
    <message id="t732">
        <source>Shift+arrow keys</source>
        <translation>Shift+pijltjestoetsen</translation>
    </message>
    <message id="t733">
        <source>Space or Return</source>
        <translation>Spatie of Enter</translation>
    </message>
    <message id="t734">
        <source>Shift+Space or Backspace</source>
        <translation>Shift+Spatie of Backspace</translation>
    </message>
    <message id="t735">
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message id="t740">
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>Vrije software onder de GNU General Public License, versie 3 of later (GPL-3.0-or-later)</translation>
    </message>
    <message id="t741">
        <source>Pictures, sounds and translations are the project&apos;s own work.</source>
        <translation>Afbeeldingen, geluiden en vertalingen zijn eigen werk van het project.</translation>
    </message>
    <message id="t750">
        <source>Usage: tavelor [OPTION …]
A picture puzzle: put a scrambled picture back together.

  --portable     read and write the working folder, even when installed
  -h, --help     show this help and exit
  -v, --version  show the version and exit
</source>
        <translation>Gebruik: tavelor [OPTIE …]
Een beeldpuzzel: zet een door elkaar gehusselde afbeelding weer in elkaar.

  --portable     in de werkmap lezen en schrijven, ook als het spel geïnstalleerd is
  -h, --help     deze hulp tonen en afsluiten
  -v, --version  de versie tonen en afsluiten
</translation>
    </message>
    <message id="t751">
        <source>Usage: tavelor [--portable] [--help] [--version]</source>
        <translation>Gebruik: tavelor [--portable] [--help] [--version]</translation>
    </message>
    <message id="t752">
        <source>tavelor: unknown option &apos;%1&apos;</source>
        <translation>tavelor: onbekende optie ‘%1’</translation>
    </message>
    <message id="t753">
        <source>tavelor: unexpected argument &apos;%1&apos;</source>
        <translation>tavelor: onverwacht argument ‘%1’</translation>
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
        <translation>Er is niet voldaan aan een van de volgende systeemeisen.

- schermresolutie 800x600 pixels of hoger
- kleurdiepte 16 bit (Hi-Color)

Pas de instellingen aan zodat ze aan de systeemeisen
voldoen en start het spel opnieuw.</translation>
    </message>
    <message id="t801">
        <source>The list with the best results could not be stored.

An access error occured.</source>
        <translation>De lijst met beste resultaten kon niet worden opgeslagen.

Er is een toegangsfout opgetreden.</translation>
    </message>
    <message id="t802">
        <source>The list with the best results cannot be stored

because the programme was started from a CD-ROM.</source>
        <translation>De lijst met beste resultaten kan niet worden opgeslagen,

omdat het programma vanaf een cd-rom is gestart.</translation>
    </message>
    <message id="t803">
        <source>The following file could not be found:

</source>
        <translation>Het volgende bestand is niet gevonden:

</translation>
    </message>
    <message id="t804">
        <source>The file you selected does not have the correct graphics format.</source>
        <translation>Het gekozen bestand heeft niet het juiste grafische formaat.</translation>
    </message>
    <message id="t805">
        <source>The image path \images cannot be found.

The programme will now be exited.</source>
        <translation>Het afbeeldingspad \images is niet gevonden.

Het programma wordt afgesloten.</translation>
    </message>
    <message id="t806">
        <source>No images found in the path \image.</source>
        <translation>Geen afbeeldingen gevonden in het pad \images.</translation>
    </message>
    <message id="t807">
        <source>The image could not be copied into the following folder:

</source>
        <translation>De afbeelding kon niet worden gekopieerd naar de volgende map:

</translation>
    </message>
    <message id="t808">
        <source>At the chosen scaling of %1 %, the screen offers only %2 × %3 points; the game needs at least 800 × 600.

Please set the scaling to %4 % or less and restart the game.</source>
        <translation>Bij de gekozen schaal van %1% biedt het scherm maar %2 × %3 beeldpunten; het spel heeft minstens 800 × 600 nodig.

Stel de schaal in op %4% of minder en start het spel opnieuw.</translation>
    </message>
    <message id="t810">
        <source>The picture you selected is too large to be loaded.</source>
        <translation>De gekozen afbeelding is te groot om te laden.</translation>
    </message>
    <message id="t811">
        <source>The file you selected is damaged or incomplete.</source>
        <translation>Het gekozen bestand is beschadigd of onvolledig.</translation>
    </message>
    <message id="t812">
        <source>The file you selected does not contain a picture.</source>
        <translation>Het gekozen bestand bevat geen afbeelding.</translation>
    </message>
    <message id="t813">
        <source>The saved game was damaged and has been set aside as spiel.dat.defekt.

A new game begins.</source>
        <translation>Het opgeslagen spel was beschadigd en is apart gezet als spiel.dat.defekt.

Er begint een nieuw spel.</translation>
    </message>
    <message id="t814">
        <source>The picture of the saved game is missing or has changed.

The game goes on with the built-in picture.</source>
        <translation>De afbeelding van het opgeslagen spel ontbreekt of is gewijzigd.

Het spel gaat verder met de ingebouwde afbeelding.</translation>
    </message>
    <message id="t900">
        <source>Board</source>
        <translation>Speelbord</translation>
    </message>
    <message id="t901">
        <source>Tile %1 at row %2, column %3</source>
        <translation>Stukje %1 op rij %2, kolom %3</translation>
    </message>
    <message id="t902">
        <source>Empty field at row %1, column %2</source>
        <translation>Leeg vak op rij %1, kolom %2</translation>
    </message>
    <message id="t903">
        <source>in place</source>
        <translation>op zijn plaats</translation>
    </message>
    <message id="t904">
        <source>out of place</source>
        <translation>niet op zijn plaats</translation>
    </message>
    <message id="t905">
        <source>Moves</source>
        <translation>Zetten</translation>
    </message>
    <message id="t906">
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message id="t910">
        <source>Variant 1: empty field</source>
        <translation>Variant 1: leeg vak</translation>
    </message>
    <message id="t911">
        <source>Variant 2: rows and columns</source>
        <translation>Variant 2: rijen en kolommen</translation>
    </message>
    <message id="t912">
        <source>Variant 3: axes</source>
        <translation>Variant 3: assen</translation>
    </message>
    <message id="t913">
        <source>Axis %1: rows %2–%3, columns %4–%5</source>
        <translation>As %1: rijen %2 tot %3, kolommen %4 tot %5</translation>
    </message>
    <message id="t914">
        <source>Moves: %1</source>
        <translation>Zetten: %1</translation>
    </message>
    <message id="t915">
        <source>Time: %1</source>
        <translation>Tijd: %1</translation>
    </message>
    <message id="t916" numerus="yes">
        <source>%1 seconds</source>
        <translation>
            <numerusform>%1 seconde</numerusform>
            <numerusform>%1 seconden</numerusform>
        </translation>
    </message>
    <message id="t917">
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message id="t918" numerus="yes">
        <source>%1 minutes</source>
        <translation>
            <numerusform>%1 minuut</numerusform>
            <numerusform>%1 minuten</numerusform>
        </translation>
    </message>
    <message id="t919">
        <source>1 minute</source>
        <translation>1 minuut</translation>
    </message>
    <message id="t920" numerus="yes">
        <source>%1 minutes %2 seconds</source>
        <translation>
            <numerusform>%1 minuten en %2 seconde</numerusform>
            <numerusform>%1 minuten en %2 seconden</numerusform>
        </translation>
    </message>
    <message id="t921" numerus="yes">
        <source>%1 minutes 1 second</source>
        <translation>
            <numerusform>%1 minuut en 1 seconde</numerusform>
            <numerusform>%1 minuten en 1 seconde</numerusform>
        </translation>
    </message>
    <message id="t922" numerus="yes">
        <source>1 minute %1 seconds</source>
        <translation>
            <numerusform>1 minuut en %1 seconde</numerusform>
            <numerusform>1 minuut en %1 seconden</numerusform>
        </translation>
    </message>
    <message id="t923">
        <source>1 minute 1 second</source>
        <translation>1 minuut en 1 seconde</translation>
    </message>
    <message id="t924">
        <source>Place</source>
        <translation>Plaats</translation>
    </message>
    <message id="t925">
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message id="t926">
        <source>Name for place %1</source>
        <translation>Naam voor plaats %1</translation>
    </message>
    <message id="t950">
        <source>%1 %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message id="t8">
        <source>Res&amp;tart this board</source>
        <translation>Dit speelbord &amp;herstarten</translation>
    </message>
    <message id="t9">
        <source>&amp;Copy game code</source>
        <translation>Spel&amp;code kopiëren</translation>
    </message>
    <message id="t10">
        <source>&amp;Enter game code …</source>
        <translation>Spelcode &amp;invoeren…</translation>
    </message>
    <message id="t11">
        <source>Today&apos;s &amp;puzzle</source>
        <translation>Puzzel van de &amp;dag</translation>
    </message>
    <message id="t29">
        <source>Solve spee&amp;d</source>
        <translation>Oplos&amp;snelheid</translation>
    </message>
    <message id="t400" numerus="yes">
        <source>%1 moves a second</source>
        <translation>
            <numerusform>%1 zet per seconde</numerusform>
            <numerusform>%1 zetten per seconde</numerusform>
        </translation>
    </message>
    <message id="t401">
        <source>%1 move a second</source>
        <translation>%1 zet per seconde</translation>
    </message>
    <message id="t450">
        <source>Enter game code</source>
        <translation>Spelcode invoeren</translation>
    </message>
    <message id="t451">
        <source>Game code, for example from another player:</source>
        <translation>Spelcode, bijvoorbeeld van een andere speler:</translation>
    </message>
    <message id="t452">
        <source>&amp;Play</source>
        <translation>&amp;Spelen</translation>
    </message>
    <message id="t453">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="t454">
        <source>This is not a Tavelor game code. A game code begins with TAV1-.</source>
        <translation>Dit is geen spelcode van Tavelor. Een spelcode begint met TAV1-.</translation>
    </message>
    <message id="t455">
        <source>This game code comes from a newer version of Tavelor and cannot be played here.</source>
        <translation>Deze spelcode komt uit een nieuwere versie van Tavelor en kan hier niet worden gespeeld.</translation>
    </message>
    <message id="t456">
        <source>The game code is incomplete or too long.</source>
        <translation>De spelcode is onvolledig of te lang.</translation>
    </message>
    <message id="t457">
        <source>The game code contains a typo: the check characters at its end do not match the rest.</source>
        <translation>De spelcode bevat een typefout: de controletekens aan het eind passen niet bij de rest.</translation>
    </message>
    <message id="t458">
        <source>The game code names none of the three variants.</source>
        <translation>De spelcode noemt geen van de drie varianten.</translation>
    </message>
    <message id="t459">
        <source>The game code names a board size outside 3 × 3 to 6 × 6.</source>
        <translation>De spelcode noemt een speelbordgrootte buiten 3 × 3 tot 6 × 6.</translation>
    </message>
    <message id="t460">
        <source>The game code holds no complete board: every tile must appear exactly once.</source>
        <translation>De spelcode bevat geen volledig speelbord: elk stukje moet precies één keer voorkomen.</translation>
    </message>
    <message id="t461">
        <source>The board of this game code cannot be solved in its variant.</source>
        <translation>Het speelbord van deze spelcode kan in zijn variant niet worden opgelost.</translation>
    </message>
    <message id="t462">
        <source>The game code is damaged: it contains characters that do not belong in it.</source>
        <translation>De spelcode is beschadigd: hij bevat tekens die er niet in thuishoren.</translation>
    </message>
    <message id="t463">
        <source>The picture “%1” is not in the picture folder. The built-in picture is used instead.</source>
        <translation>De afbeelding ‘%1’ staat niet in de afbeeldingenmap. De ingebouwde afbeelding wordt gebruikt.</translation>
    </message>
    <message id="t464">
        <source>Today&apos;s puzzle – days played: %1, in a row: %2</source>
        <translation>Puzzel van de dag – gespeelde dagen: %1, op rij: %2</translation>
    </message>
    <message id="t7">
        <source>&amp;Watch last game</source>
        <translation>Laatste spel be&amp;kijken</translation>
    </message>
    <message id="t410">
        <source>Replay</source>
        <translation>Terugkijken</translation>
    </message>
    <message id="t411">
        <source>&amp;Play</source>
        <translation>&amp;Afspelen</translation>
    </message>
    <message id="t412">
        <source>&amp;Pause</source>
        <translation>&amp;Pauzeren</translation>
    </message>
    <message id="t413">
        <source>Step bac&amp;k</source>
        <translation>&amp;Vorige zet</translation>
    </message>
    <message id="t414">
        <source>Step &amp;forward</source>
        <translation>V&amp;olgende zet</translation>
    </message>
    <message id="t415">
        <source>Choose move</source>
        <translation>Zet kiezen</translation>
    </message>
    <message id="t416">
        <source>Moves per second</source>
        <translation>Zetten per seconde</translation>
    </message>
    <message id="t417">
        <source>&amp;Back to the game</source>
        <translation>&amp;Terug naar het spel</translation>
    </message>
    <message id="t418">
        <source>Move %1 of %2</source>
        <translation>Zet %1 van %2</translation>
    </message>
    <message id="t419">
        <source>&amp;Watch</source>
        <translation>&amp;Bekijken</translation>
    </message>
    <message id="t420">
        <source>This game cannot be shown: its start board or its moves cannot be read.</source>
        <translation>Dit spel kan niet worden getoond: het speelbord bij de start of de zetten zijn onleesbaar.</translation>
    </message>
    <message id="t421">
        <source>No game has been recorded yet.</source>
        <translation>Er is nog geen spel vastgelegd.</translation>
    </message>
    <message id="t422">
        <source> moves/s</source>
        <translation> zetten/s</translation>
    </message>
</context>
</TS>
