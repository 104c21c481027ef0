<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name></name>
    <message id="t0">
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message id="t1">
        <source>&amp;New game</source>
        <translation>&amp;Nytt spel</translation>
    </message>
    <message id="t2">
        <source>&amp;Best results...</source>
        <translation>&amp;Topplista…</translation>
    </message>
    <message id="t3">
        <source>New game &amp;as before</source>
        <translation>Nytt spel med samma &amp;inställningar</translation>
    </message>
    <message id="t4">
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message id="t5">
        <source>&amp;Redo</source>
        <translation>&amp;Gör om</translation>
    </message>
    <message id="t6">
        <source>&amp;Statistics …</source>
        <translation>&amp;Statistik…</translation>
    </message>
    <message id="t19">
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message id="t20">
        <source>&amp;Options</source>
        <translation>&amp;Alternativ</translation>
    </message>
    <message id="t21">
        <source>&amp;Pause</source>
        <translation>&amp;Paus</translation>
    </message>
    <message id="t22">
        <source>&amp;Hint</source>
        <translation>&amp;Tips</translation>
    </message>
    <message id="t23">
        <source>&amp;Solve</source>
        <translation>&amp;Lös</translation>
    </message>
    <message id="t24">
        <source>&amp;Animation</source>
        <translation>&amp;Animering</translation>
    </message>
    <message id="t25">
        <source>So&amp;und effects</source>
        <translation>Ljud&amp;effekter</translation>
    </message>
    <message id="t26">
        <source>&amp;Music</source>
        <translation>&amp;Musik</translation>
    </message>
    <message id="t27">
        <source>&amp;Size</source>
        <translation>&amp;Storlek</translation>
    </message>
    <message id="t28">
        <source>Appeara&amp;nce</source>
        <translation>&amp;Utseende</translation>
    </message>
    <message id="t30">
        <source>Lan&amp;guage</source>
        <translation>S&amp;pråk</translation>
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
        <translation>&amp;Hjälp</translation>
    </message>
    <message id="t52">
        <source>&amp;About</source>
        <translation>&amp;Om</translation>
    </message>
    <message id="t53">
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Kortkommandon</translation>
    </message>
    <message id="t100">
        <source>Info about </source>
        <translation>Om </translation>
    </message>
    <message id="t101">
        <source>Version :</source>
        <translation>Version:</translation>
    </message>
    <message id="t200">
        <source>Hall of fame</source>
        <translation>Topplista</translation>
    </message>
    <message id="t201">
        <source>Name                         Moves    Time</source>
        <translation>Namn                         Drag     Tid</translation>
    </message>
    <message id="t202">
        <source>&amp;Delete</source>
        <translation>&amp;Rensa</translation>
    </message>
    <message id="t203">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="t204">
        <source>Pieces</source>
        <translation>Bitar</translation>
    </message>
    <message id="t300">
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message id="t301">
        <source>Version</source>
        <translation>Variant</translation>
    </message>
    <message id="t310">
        <source>Number of pieces</source>
        <translation>Antal bitar</translation>
    </message>
    <message id="t311">
        <source>pieces</source>
        <translation>bitar</translation>
    </message>
    <message id="t320">
        <source>Image subject</source>
        <translation>Bild</translation>
    </message>
    <message id="t321">
        <source>Convert image into a black-and-white image</source>
        <translation>Omvandla bilden till svartvitt</translation>
    </message>
    <message id="t322">
        <source>Hide preview display during the game</source>
        <translation>Dölj förhandsvisningen under spelet</translation>
    </message>
    <message id="t323">
        <source>Select empty field randomly</source>
        <translation>Välj tom ruta slumpmässigt</translation>
    </message>
    <message id="t324">
        <source>Cut a square from the middle</source>
        <translation>Skär ut en kvadrat ur mitten</translation>
    </message>
    <message id="t325">
        <source>&amp;Browse ...</source>
        <translation>&amp;Bläddra…</translation>
    </message>
    <message id="t326">
        <source>Choose a picture</source>
        <translation>Välj en bild</translation>
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
        <translation>&amp;Avsluta spelet</translation>
    </message>
    <message id="t332">
        <source>&amp;Back to the game</source>
        <translation>&amp;Tillbaka till spelet</translation>
    </message>
    <message id="t503">
        <source>Sorry, but this is not enough to enter 

         the hall of fame.</source>
        <translation>Tyvärr räcker det inte för en plats

på topplistan.</translation>
    </message>
    <message id="t504">
        <source>You have reached the maximum number of permitted moves 

 whithout finishing the jigsaw.</source>
        <translation>Du har nått det högsta tillåtna antalet drag

utan att lösa pusslet.</translation>
    </message>
    <message id="t505">
        <source>You have used up all the available time without finishing the jigsaw.</source>
        <translation>Du har använt all tillgänglig tid utan att lösa pusslet.</translation>
    </message>
    <message id="t506">
        <source>Solved with help – no entry in the list of best results.</source>
        <translation>Löst med hjälp – ingen plats på topplistan.</translation>
    </message>
    <message id="t600">
        <source>The saved game was damaged and has been set aside as %1.

A new game begins.</source>
        <translation>Det sparade spelet var skadat och har lagts undan som %1.

Ett nytt spel börjar.</translation>
    </message>
    <message id="t601">
        <source>Tavelor is already running in this folder.

Games in this window will not be kept for the next start.</source>
        <translation>Tavelor körs redan i den här mappen.

Spel i det här fönstret sparas inte inför nästa start.</translation>
    </message>
    <message id="t602">
        <source>The folder %1 cannot be written.

The saved game goes on, but it will not be kept any more.</source>
        <translation>Det går inte att skriva till mappen %1.

Det sparade spelet fortsätter, men det sparas inte längre.</translation>
    </message>
    <message id="t603">
        <source>%1 is a folder.

Games cannot be kept for the next start.</source>
        <translation>%1 är en mapp.

Spel kan inte sparas inför nästa start.</translation>
    </message>
    <message id="t604">
        <source>Give up the game in progress and start a new one?</source>
        <translation>Ge upp det pågående spelet och börja ett nytt?</translation>
    </message>
    <message id="t605">
        <source>Do not ask again</source>
        <translation>Fråga inte igen</translation>
    </message>
    <message id="t606">
        <source>Give up the game?</source>
        <translation>Ge upp spelet?</translation>
    </message>
    <message id="t607">
        <source>&amp;New game</source>
        <translation>&amp;Nytt spel</translation>
    </message>
    <message id="t608">
        <source>&amp;Keep playing</source>
        <translation>&amp;Fortsätt spela</translation>
    </message>
    <message id="t650">
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message id="t651">
        <source>&amp;Variant and size:</source>
        <translation>&amp;Variant och storlek:</translation>
    </message>
    <message id="t652">
        <source>%1, %2 × %2</source>
        <translation>%1, %2 × %2</translation>
    </message>
    <message id="t653">
        <source>No games recorded yet.</source>
        <translation>Inga spel registrerade än.</translation>
    </message>
    <message id="t654">
        <source>Played</source>
        <translation>Spelade</translation>
    </message>
    <message id="t655">
        <source>Solved</source>
        <translation>Lösta</translation>
    </message>
    <message id="t656">
        <source>With help</source>
        <translation>Med hjälp</translation>
    </message>
    <message id="t657">
        <source>Abandoned</source>
        <translation>Avbrutna</translation>
    </message>
    <message id="t658">
        <source>Limit reached</source>
        <translation>Gräns nådd</translation>
    </message>
    <message id="t659">
        <source>Best</source>
        <translation>Bästa</translation>
    </message>
    <message id="t660">
        <source>Mean</source>
        <translation>Medelvärde</translation>
    </message>
    <message id="t661">
        <source>Median</source>
        <translation>Median</translation>
    </message>
    <message id="t662">
        <source>Average of the last 5</source>
        <translation>Snitt av de senaste 5</translation>
    </message>
    <message id="t663">
        <source>Average of the last 12</source>
        <translation>Snitt av de senaste 12</translation>
    </message>
    <message id="t664">
        <source>Moves per second</source>
        <translation>Drag per sekund</translation>
    </message>
    <message id="t665">
        <source>Times and moves count only games solved without help. The averages of the last 5 and 12 leave out the best and the worst.</source>
        <translation>Tider och drag räknas bara för spel som lösts utan hjälp. Snitten av de senaste 5 och 12 utelämnar det bästa och det sämsta.</translation>
    </message>
    <message id="t666" numerus="yes">
        <source>The last %1 games</source>
        <translation>
            <numerusform>Senaste %1 spelet</numerusform>
            <numerusform>Senaste %1 spelen</numerusform>
        </translation>
    </message>
    <message id="t667">
        <source>solved</source>
        <translation>löst</translation>
    </message>
    <message id="t668">
        <source>with help</source>
        <translation>med hjälp</translation>
    </message>
    <message id="t669">
        <source>not solved</source>
        <translation>inte löst</translation>
    </message>
    <message id="t670">
        <source>Time and moves of the last games</source>
        <translation>Tid och drag för de senaste spelen</translation>
    </message>
    <message id="t671">
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message id="t672">
        <source>Ended</source>
        <translation>Avslutat</translation>
    </message>
    <message id="t673">
        <source>Outcome</source>
        <translation>Resultat</translation>
    </message>
    <message id="t674">
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message id="t675">
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message id="t676">
        <source>Move limit</source>
        <translation>Draggräns</translation>
    </message>
    <message id="t677">
        <source>Time limit</source>
        <translation>Tidsgräns</translation>
    </message>
    <message id="t678">
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message id="t679">
        <source>built-in picture</source>
        <translation>inbyggd bild</translation>
    </message>
    <message id="t680">
        <source>&amp;Recorded games, newest first:</source>
        <translation>&amp;Registrerade spel, nyaste först:</translation>
    </message>
    <message id="t681">
        <source>Save as &amp;CSV …</source>
        <translation>Spara som &amp;CSV…</translation>
    </message>
    <message id="t682">
        <source>&amp;Clear statistics</source>
        <translation>R&amp;ensa statistik</translation>
    </message>
    <message id="t683">
        <source>C&amp;lose</source>
        <translation>&amp;Stäng</translation>
    </message>
    <message id="t684">
        <source>Save statistics as CSV</source>
        <translation>Spara statistiken som CSV</translation>
    </message>
    <message id="t685">
        <source>CSV files (*.csv)</source>
        <translation>CSV-filer (*.csv)</translation>
    </message>
    <message id="t686">
        <source>tavelor-statistics.csv</source>
        <translation>tavelor-statistik.csv</translation>
    </message>
    <message id="t687">
        <source>The file could not be written:

%1</source>
        <translation>Filen kunde inte skrivas:

%1</translation>
    </message>
    <message id="t688">
        <source>Clear all statistics?

Every recorded game is lost; the best results stay.</source>
        <translation>Rensa all statistik?

Alla registrerade spel går förlorade; topplistan finns kvar.</translation>
    </message>
    <message id="t689">
        <source>&amp;Clear</source>
        <translation>&amp;Rensa</translation>
    </message>
    <message id="t690">
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message id="t691">
        <source>The statistics could not be cleared.</source>
        <translation>Statistiken kunde inte rensas.</translation>
    </message>
    <message id="t692">
        <source>The stored statistics were damaged or do not belong to this game. They have been set aside as

%1

The statistics start afresh.</source>
        <translation>Den sparade statistiken var skadad eller hör inte till det här spelet. Den har lagts undan som

%1

Statistiken börjar om.</translation>
    </message>
    <message id="t693">
        <source>The statistics cannot be stored:

%1

Play goes on; its games are recorded as soon as that works again.</source>
        <translation>Statistiken kan inte sparas:

%1

Spelet fortsätter; spelen registreras så snart det fungerar igen.</translation>
    </message>
    <message id="t694">
        <source>Figures</source>
        <translation>Nyckeltal</translation>
    </message>
    <message id="t700">
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
    <message id="t701">
        <source>&amp;Light</source>
        <translation>&amp;Ljust</translation>
    </message>
    <message id="t702">
        <source>&amp;Dark</source>
        <translation>&amp;Mörkt</translation>
    </message>
    <message id="t720">
        <source>Tavelor – Keyboard shortcuts</source>
        <translation>Tavelor – Kortkommandon</translation>
    </message>
    <message id="t721">
        <source>Menu</source>
        <translation>Meny</translation>
    </message>
    <message id="t722">
        <source>Command</source>
        <translation>Kommando</translation>
    </message>
    <message id="t723">
        <source>Key</source>
        <translation>Tangent</translation>
    </message>
    <message id="t724">
        <source>Variant 1: slide the tile beside the empty field into it</source>
        <translation>Variant 1: skjut in biten bredvid den tomma rutan</translation>
    </message>
    <message id="t725">
        <source>Variant 2: move the frame</source>
        <translation>Variant 2: flytta ramen</translation>
    </message>
    <message id="t726">
        <source>Variant 2: shift the frame&apos;s row or column</source>
        <translation>Variant 2: skjut ramens rad eller kolumn</translation>
    </message>
    <message id="t727">
        <source>Variant 3: move the ring</source>
        <translation>Variant 3: flytta ringen</translation>
    </message>
    <message id="t728">
        <source>Variant 3: turn clockwise</source>
        <translation>Variant 3: vrid medurs</translation>
    </message>
    <message id="t729">
        <source>Variant 3: turn counter-clockwise</source>
        <translation>Variant 3: vrid moturs</translation>
    </message>
    <message id="t730">
        <source>Step the tile numbers</source>
        <translation>Stega bitarnas nummer</translation>
    </message>
    <message id="t731">
        <source>Arrow keys</source>
        <translation>Piltangenter</translation>
    </message>
    <message id="t732">
        <source>Shift+arrow keys</source>
        <translation>Skift+piltangenter</translation>
    </message>
    <message id="t733">
        <source>Space or Return</source>
        <translation>Blanksteg eller Retur</translation>
    </message>
    <message id="t734">
        <source>Shift+Space or Backspace</source>
        <translation>Skift+Blanksteg eller Backsteg</translation>
    </message>
    <message id="t735">
        <source>&amp;Close</source>
        <translation>&amp;Stäng</translation>
    </message>
    <message id="t740">
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>Fri programvara under GNU General Public License, version 3 eller senare (GPL-3.0-or-later)</translation>
    </message>
    <message id="t741">
        <source>Pictures, sounds and translations are the project&apos;s own work.</source>
        <translation>Bilder, ljud och översättningar är projektets eget verk.</translation>
    </message>
    <message id="t750">
        <source>Usage: tavelor [OPTION …]
A picture puzzle: put a scrambled picture back together.

  --portable     read and write the working folder, even when installed
  -h, --help     show this help and exit
  -v, --version  show the version and exit
</source>
        <translation>Användning: tavelor [FLAGGA …]
Ett bildpussel: sätt ihop en uppblandad bild igen.

  --portable     läs och skriv i arbetsmappen, även när spelet är installerat
  -h, --help     visa den här hjälpen och avsluta
  -v, --version  visa versionen och avsluta
</translation>
    </message>
    <message id="t751">
        <source>Usage: tavelor [--portable] [--help] [--version]</source>
        <translation>Användning: tavelor [--portable] [--help] [--version]</translation>
    </message>
    <message id="t752">
        <source>tavelor: unknown option &apos;%1&apos;</source>
        <translation>tavelor: okänd flagga ”%1”</translation>
    </message>
    <message id="t753">
        <source>tavelor: unexpected argument &apos;%1&apos;</source>
        <translation>tavelor: oväntat argument ”%1”</translation>
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
        <translation>Ett av följande systemkrav uppfylls inte.

- skärmupplösning 800x600 bildpunkter eller högre
- färgdjup 16 bitar (Hi-Color)

Ändra inställningarna så att de uppfyller
systemkraven och starta om spelet.</translation>
    </message>
    <message id="t801">
        <source>The list with the best results could not be stored.

An access error occured.</source>
        <translation>Topplistan kunde inte sparas.

Ett åtkomstfel uppstod.</translation>
    </message>
    <message id="t802">
        <source>The list with the best results cannot be stored

because the programme was started from a CD-ROM.</source>
        <translation>Topplistan kan inte sparas

eftersom programmet startades från en cd-rom.</translation>
    </message>
    <message id="t803">
        <source>The following file could not be found:

</source>
        <translation>Följande fil kunde inte hittas:

</translation>
    </message>
    <message id="t804">
        <source>The file you selected does not have the correct graphics format.</source>
        <translation>Den valda filen har fel grafikformat.</translation>
    </message>
    <message id="t805">
        <source>The image path \images cannot be found.

The programme will now be exited.</source>
        <translation>Bildsökvägen \images kan inte hittas.

Programmet avslutas nu.</translation>
    </message>
    <message id="t806">
        <source>No images found in the path \image.</source>
        <translation>Inga bilder hittades i sökvägen \images.</translation>
    </message>
    <message id="t807">
        <source>The image could not be copied into the following folder:

</source>
        <translation>Bilden kunde inte kopieras till följande mapp:

</translation>
    </message>
    <message id="t808">
        <source>At the chosen scaling of %1 %, the screen offers only %2 × %3 points; the game needs at least 800 × 600.

Please set the scaling to %4 % or less and restart the game.</source>
        <translation>Med den valda skalningen på %1 % ger skärmen bara %2 × %3 bildpunkter; spelet behöver minst 800 × 600.

Ställ in skalningen på högst %4 % och starta om spelet.</translation>
    </message>
    <message id="t810">
        <source>The picture you selected is too large to be loaded.</source>
        <translation>Den valda bilden är för stor för att läsas in.</translation>
    </message>
    <message id="t811">
        <source>The file you selected is damaged or incomplete.</source>
        <translation>Den valda filen är skadad eller ofullständig.</translation>
    </message>
    <message id="t812">
        <source>The file you selected does not contain a picture.</source>
        <translation>Den valda filen innehåller ingen bild.</translation>
    </message>
    <message id="t813">
        <source>The saved game was damaged and has been set aside as spiel.dat.defekt.

A new game begins.</source>
        <translation>Det sparade spelet var skadat och har lagts undan som spiel.dat.defekt.

Ett nytt spel börjar.</translation>
    </message>
    <message id="t814">
        <source>The picture of the saved game is missing or has changed.

The game goes on with the built-in picture.</source>
        <translation>Bilden till det sparade spelet saknas eller har ändrats.

Spelet fortsätter med den inbyggda bilden.</translation>
    </message>
    <message id="t900">
        <source>Board</source>
        <translation>Spelplan</translation>
    </message>
    <message id="t901">
        <source>Tile %1 at row %2, column %3</source>
        <translation>Bit %1 på rad %2, kolumn %3</translation>
    </message>
    <message id="t902">
        <source>Empty field at row %1, column %2</source>
        <translation>Tom ruta på rad %1, kolumn %2</translation>
    </message>
    <message id="t903">
        <source>in place</source>
        <translation>på sin plats</translation>
    </message>
    <message id="t904">
        <source>out of place</source>
        <translation>inte på sin plats</translation>
    </message>
    <message id="t905">
        <source>Moves</source>
        <translation>Drag</translation>
    </message>
    <message id="t906">
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message id="t910">
        <source>Variant 1: empty field</source>
        <translation>Variant 1: tom ruta</translation>
    </message>
    <message id="t911">
        <source>Variant 2: rows and columns</source>
        <translation>Variant 2: rader och kolumner</translation>
    </message>
    <message id="t912">
        <source>Variant 3: axes</source>
        <translation>Variant 3: axlar</translation>
    </message>
    <message id="t913">
        <source>Axis %1: rows %2–%3, columns %4–%5</source>
        <translation>Axel %1: rader %2 till %3, kolumner %4 till %5</translation>
    </message>
    <message id="t914">
        <source>Moves: %1</source>
        <translation>Drag: %1</translation>
    </message>
    <message id="t915">
        <source>Time: %1</source>
        <translation>Tid: %1</translation>
    </message>
    <message id="t916" numerus="yes">
        <source>%1 seconds</source>
        <translation>
            <numerusform>%1 sekund</numerusform>
            <numerusform>%1 sekunder</numerusform>
        </translation>
    </message>
    <message id="t917">
        <source>1 second</source>
        <translation>1 sekund</translation>
    </message>
    <message id="t918" numerus="yes">
        <source>%1 minutes</source>
        <translation>
            <numerusform>%1 minut</numerusform>
            <numerusform>%1 minuter</numerusform>
        </translation>
    </message>
    <message id="t919">
        <source>1 minute</source>
        <translation>1 minut</translation>
    </message>
    <message id="t920" numerus="yes">
        <source>%1 minutes %2 seconds</source>
        <translation>
            <numerusform>%1 minuter och %2 sekund</numerusform>
            <numerusform>%1 minuter och %2 sekunder</numerusform>
        </translation>
    </message>
    <message id="t921" numerus="yes">
        <source>%1 minutes 1 second</source>
        <translation>
            <numerusform>%1 minut och 1 sekund</numerusform>
            <numerusform>%1 minuter och 1 sekund</numerusform>
        </translation>
    </message>
    <message id="t922" numerus="yes">
        <source>1 minute %1 seconds</source>
        <translation>
            <numerusform>1 minut och %1 sekund</numerusform>
            <numerusform>1 minut och %1 sekunder</numerusform>
        </translation>
    </message>
    <message id="t923">
        <source>1 minute 1 second</source>
        <translation>1 minut och 1 sekund</translation>
    </message>
    <message id="t924">
        <source>Place</source>
        <translation>Plats</translation>
    </message>
    <message id="t925">
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message id="t926">
        <source>Name for place %1</source>
        <translation>Namn för plats %1</translation>
    </message>
    <message id="t950">
        <source>%1 %2</source>
        <translation>%1 och %2</translation>
    </message>
    <message id="t8">
        <source>Res&amp;tart this board</source>
        <translation>&amp;Börja om med samma spelplan</translation>
    </message>
    <message id="t9">
        <source>&amp;Copy game code</source>
        <translation>&amp;Kopiera spelkod</translation>
    </message>
    <message id="t10">
        <source>&amp;Enter game code …</source>
        <translation>Ang&amp;e spelkod…</translation>
    </message>
    <message id="t11">
        <source>Today&apos;s &amp;puzzle</source>
        <translation>Dagens &amp;pussel</translation>
    </message>
    <message id="t29">
        <source>Solve spee&amp;d</source>
        <translation>Lösnings&amp;hastighet</translation>
    </message>
    <message id="t400" numerus="yes">
        <source>%1 moves a second</source>
        <translation>
            <numerusform>%1 drag per sekund</numerusform>
            <numerusform>%1 drag per sekund</numerusform>
        </translation>
    </message>
    <message id="t401">
        <source>%1 move a second</source>
        <translation>%1 drag per sekund</translation>
    </message>
    <message id="t450">
        <source>Enter game code</source>
        <translation>Ange spelkod</translation>
    </message>
    <message id="t451">
        <source>Game code, for example from another player:</source>
        <translation>Spelkod, till exempel från en annan spelare:</translation>
    </message>
    <message id="t452">
        <source>&amp;Play</source>
        <translation>&amp;Spela</translation>
    </message>
    <message id="t453">
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message id="t454">
        <source>This is not a Tavelor game code. A game code begins with TAV1-.</source>
        <translation>Det här är ingen spelkod för Tavelor. En spelkod börjar med TAV1-.</translation>
    </message>
    <message id="t455">
        <source>This game code comes from a newer version of Tavelor and cannot be played here.</source>
        <translation>Den här spelkoden kommer från en nyare version av Tavelor och kan inte spelas här.</translation>
    </message>
    <message id="t456">
        <source>The game code is incomplete or too long.</source>
        <translation>Spelkoden är ofullständig eller för lång.</translation>
    </message>
    <message id="t457">
        <source>The game code contains a typo: the check characters at its end do not match the rest.</source>
        <translation>Spelkoden innehåller ett skrivfel: kontrolltecknen i slutet stämmer inte med resten.</translation>
    </message>
    <message id="t458">
        <source>The game code names none of the three variants.</source>
        <translation>Spelkoden anger ingen av de tre varianterna.</translation>
    </message>
    <message id="t459">
        <source>The game code names a board size outside 3 × 3 to 6 × 6.</source>
        <translation>Spelkoden anger en storlek på spelplanen utanför 3 × 3 till 6 × 6.</translation>
    </message>
    <message id="t460">
        <source>The game code holds no complete board: every tile must appear exactly once.</source>
        <translation>Spelkoden innehåller ingen fullständig spelplan: varje bit måste förekomma exakt en gång.</translation>
    </message>
    <message id="t461">
        <source>The board of this game code cannot be solved in its variant.</source>
        <translation>Spelplanen i den här spelkoden går inte att lösa i sin variant.</translation>
    </message>
    <message id="t462">
        <source>The game code is damaged: it contains characters that do not belong in it.</source>
        <translation>Spelkoden är skadad: den innehåller tecken som inte hör hemma där.</translation>
    </message>
    <message id="t463">
        <source>The picture “%1” is not in the picture folder. The built-in picture is used instead.</source>
        <translation>Bilden ”%1” finns inte i bildmappen. Den inbyggda bilden används i stället.</translation>
    </message>
    <message id="t464">
        <source>Today&apos;s puzzle – days played: %1, in a row: %2</source>
        <translation>Dagens pussel – spelade dagar: %1, i rad: %2</translation>
    </message>
    <message id="t7">
        <source>&amp;Watch last game</source>
        <translation>Spela &amp;upp senaste spelet</translation>
    </message>
    <message id="t410">
        <source>Replay</source>
        <translation>Uppspelning</translation>
    </message>
    <message id="t411">
        <source>&amp;Play</source>
        <translation>&amp;Spela upp</translation>
    </message>
    <message id="t412">
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message id="t413">
        <source>Step bac&amp;k</source>
        <translation>Steg &amp;bakåt</translation>
    </message>
    <message id="t414">
        <source>Step &amp;forward</source>
        <translation>Steg &amp;framåt</translation>
    </message>
    <message id="t415">
        <source>Choose move</source>
        <translation>Välj drag</translation>
    </message>
    <message id="t416">
        <source>Moves per second</source>
        <translation>Drag per sekund</translation>
    </message>
    <message id="t417">
        <source>&amp;Back to the game</source>
        <translation>&amp;Tillbaka till spelet</translation>
    </message>
    <message id="t418">
        <source>Move %1 of %2</source>
        <translation>Drag %1 av %2</translation>
    </message>
    <message id="t419">
        <source>&amp;Watch</source>
        <translation>Spela &amp;upp</translation>
    </message>
    <message id="t420">
        <source>This game cannot be shown: its start board or its moves cannot be read.</source>
        <translation>Det här spelet kan inte visas: spelplanen vid starten eller dragen går inte att läsa.</translation>
    </message>
    <message id="t421">
        <source>No game has been recorded yet.</source>
        <translation>Inget spel har spelats in än.</translation>
    </message>
    <message id="t422">
        <source> moves/s</source>
        <translation> drag/s</translation>
    </message>
</context>
</TS>
