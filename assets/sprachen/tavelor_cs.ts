<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name></name>
    <message id="t0">
        <source>&amp;Game</source>
        <translation>&amp;Hra</translation>
    </message>
    <message id="t1">
        <source>&amp;New game</source>
        <translation>&amp;Nová hra</translation>
    </message>
    <message id="t2">
        <source>&amp;Best results...</source>
        <translation>Nejlepší &amp;výsledky...</translation>
    </message>
    <message id="t3">
        <source>New game &amp;as before</source>
        <translation>Nová hra &amp;jako minule</translation>
    </message>
    <message id="t4">
        <source>&amp;Undo</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message id="t5">
        <source>&amp;Redo</source>
        <translation>Znov&amp;u</translation>
    </message>
    <message id="t6">
        <source>&amp;Statistics …</source>
        <translation>&amp;Statistika …</translation>
    </message>
    <message id="t19">
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message id="t20">
        <source>&amp;Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message id="t21">
        <source>&amp;Pause</source>
        <translation>&amp;Pauza</translation>
    </message>
    <message id="t22">
        <source>&amp;Hint</source>
        <translation>&amp;Rada</translation>
    </message>
    <message id="t23">
        <source>&amp;Solve</source>
        <translation>&amp;Vyřešit</translation>
    </message>
    <message id="t24">
        <source>&amp;Animation</source>
        <translation>&amp;Animace</translation>
    </message>
    <message id="t25">
        <source>So&amp;und effects</source>
        <translation>&amp;Zvukové efekty</translation>
    </message>
    <message id="t26">
        <source>&amp;Music</source>
        <translation>&amp;Hudba</translation>
    </message>
    <message id="t27">
        <source>&amp;Size</source>
        <translation>V&amp;elikost</translation>
    </message>
    <message id="t28">
        <source>Appeara&amp;nce</source>
        <translation>Vzh&amp;led</translation>
    </message>
    <message id="t30">
        <source>Lan&amp;guage</source>
        <translation>&amp;Jazyk</translation>
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
        <translation>&amp;Nápověda</translation>
    </message>
    <message id="t52">
        <source>&amp;About</source>
        <translation>&amp;O programu</translation>
    </message>
    <message id="t53">
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Klávesové zkratky</translation>
    </message>
    <message id="t100">
        <source>Info about </source>
        <translation>O programu </translation>
    </message>
    <message id="t101">
        <source>Version :</source>
        <translation>Verze:</translation>
    </message>
    <message id="t200">
        <source>Hall of fame</source>
        <translation>Nejlepší výsledky</translation>
    </message>
    <message id="t201">
        <source>Name                         Moves    Time</source>
        <translation>Jméno                        Tahy     Čas</translation>
    </message>
    <message id="t202">
        <source>&amp;Delete</source>
        <translation>&amp;Smazat</translation>
    </message>
    <message id="t203">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="t204">
        <source>Pieces</source>
        <translation>dílky</translation>
    </message>
    <message id="t300">
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message id="t301">
        <source>Version</source>
        <translation>Varianta</translation>
    </message>
    <message id="t310">
        <source>Number of pieces</source>
        <translation>Počet dílků</translation>
    </message>
    <message id="t311">
        <source>pieces</source>
        <translation>dílků</translation>
    </message>
    <message id="t320">
        <source>Image subject</source>
        <translation>Motiv obrázku</translation>
    </message>
    <message id="t321">
        <source>Convert image into a black-and-white image</source>
        <translation>Převést obrázek na černobílý</translation>
    </message>
    <message id="t322">
        <source>Hide preview display during the game</source>
        <translation>Skrýt náhled během hry</translation>
    </message>
    <message id="t323">
        <source>Select empty field randomly</source>
        <translation>Vybrat prázdné pole náhodně</translation>
    </message>
    <message id="t324">
        <source>Cut a square from the middle</source>
        <translation>Vyříznout čtverec ze středu</translation>
    </message>
    <message id="t325">
        <source>&amp;Browse ...</source>
        <translation>&amp;Procházet...</translation>
    </message>
    <message id="t326">
        <source>Choose a picture</source>
        <translation>Vyberte obrázek</translation>
    </message>
    <message id="t327">
        <source>Pictures</source>
        <translation>Obrázky</translation>
    </message>
    <message id="t330">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="t331">
        <source>E&amp;xit game</source>
        <translation>&amp;Ukončit hru</translation>
    </message>
    <message id="t332">
        <source>&amp;Back to the game</source>
        <translation>&amp;Zpět do hry</translation>
    </message>
    <message id="t503">
        <source>Sorry, but this is not enough to enter 

         the hall of fame.</source>
        <translation>Bohužel to nestačí na zápis

do nejlepších výsledků.</translation>
    </message>
    <message id="t504">
        <source>You have reached the maximum number of permitted moves 

 whithout finishing the jigsaw.</source>
        <translation>Bylo dosaženo nejvyššího povoleného počtu tahů

a obrázek nebyl složen.</translation>
    </message>
    <message id="t505">
        <source>You have used up all the available time without finishing the jigsaw.</source>
        <translation>Vypršel veškerý dostupný čas a obrázek nebyl složen.</translation>
    </message>
    <message id="t506">
        <source>Solved with help – no entry in the list of best results.</source>
        <translation>Vyřešeno s pomocí – bez zápisu do nejlepších výsledků.</translation>
    </message>
    <message id="t600">
        <source>The saved game was damaged and has been set aside as %1.

A new game begins.</source>
        <translation>Uložená hra byla poškozená a byla uschována pod názvem %1.

Začíná nová hra.</translation>
    </message>
    <message id="t601">
        <source>Tavelor is already running in this folder.

Games in this window will not be kept for the next start.</source>
        <translation>Tavelor už v této složce běží.

Hry v tomto okně se do příštího spuštění neuchovají.</translation>
    </message>
    <message id="t602">
        <source>The folder %1 cannot be written.

The saved game goes on, but it will not be kept any more.</source>
        <translation>Do složky %1 nelze zapisovat.

Uložená hra pokračuje, ale už se nebude uchovávat.</translation>
    </message>
    <message id="t603">
        <source>%1 is a folder.

Games cannot be kept for the next start.</source>
        <translation>%1 je složka.

Hry nelze uchovat do příštího spuštění.</translation>
    </message>
    <message id="t604">
        <source>Give up the game in progress and start a new one?</source>
        <translation>Vzdát rozehranou hru a začít novou?</translation>
    </message>
    <message id="t605">
        <source>Do not ask again</source>
        <translation>Už se neptat</translation>
    </message>
    <message id="t606">
        <source>Give up the game?</source>
        <translation>Vzdát hru?</translation>
    </message>
    <message id="t607">
        <source>&amp;New game</source>
        <translation>&amp;Nová hra</translation>
    </message>
    <message id="t608">
        <source>&amp;Keep playing</source>
        <translation>&amp;Hrát dál</translation>
    </message>
    <message id="t650">
        <source>Statistics</source>
        <translation>Statistika</translation>
    </message>
    <message id="t651">
        <source>&amp;Variant and size:</source>
        <translation>&amp;Varianta a velikost:</translation>
    </message>
    <message id="t652">
        <source>%1, %2 × %2</source>
        <translation>%1, %2 × %2</translation>
    </message>
    <message id="t653">
        <source>No games recorded yet.</source>
        <translation>Deník zatím neobsahuje žádné hry.</translation>
    </message>
    <message id="t654">
        <source>Played</source>
        <translation>Odehráno</translation>
    </message>
    <message id="t655">
        <source>Solved</source>
        <translation>Vyřešeno</translation>
    </message>
    <message id="t656">
        <source>With help</source>
        <translation>S pomocí</translation>
    </message>
    <message id="t657">
        <source>Abandoned</source>
        <translation>Vzdáno</translation>
    </message>
    <message id="t658">
        <source>Limit reached</source>
        <translation>Dosažen limit</translation>
    </message>
    <message id="t659">
        <source>Best</source>
        <translation>Nejlepší</translation>
    </message>
    <message id="t660">
        <source>Mean</source>
        <translation>Průměr</translation>
    </message>
    <message id="t661">
        <source>Median</source>
        <translation>Medián</translation>
    </message>
    <message id="t662">
        <source>Average of the last 5</source>
        <translation>Průměr posledních 5</translation>
    </message>
    <message id="t663">
        <source>Average of the last 12</source>
        <translation>Průměr posledních 12</translation>
    </message>
    <message id="t664">
        <source>Moves per second</source>
        <translation>Tahů za sekundu</translation>
    </message>
    <message id="t665">
        <source>Times and moves count only games solved without help. The averages of the last 5 and 12 leave out the best and the worst.</source>
        <translation>Časy a tahy se počítají jen z her vyřešených bez pomoci. Průměry posledních 5 a 12 vynechávají nejlepší a nejhorší výsledek.</translation>
    </message>
    <message id="t666" numerus="yes">
        <source>The last %1 games</source>
        <translation>
            <numerusform>Poslední %1 hra</numerusform>
            <numerusform>Poslední %1 hry</numerusform>
            <numerusform>Posledních %1 her</numerusform>
        </translation>
    </message>
    <message id="t667">
        <source>solved</source>
        <translation>vyřešeno</translation>
    </message>
    <message id="t668">
        <source>with help</source>
        <translation>s pomocí</translation>
    </message>
    <message id="t669">
        <source>not solved</source>
        <translation>nevyřešeno</translation>
    </message>
    <message id="t670">
        <source>Time and moves of the last games</source>
        <translation>Čas a tahy posledních her</translation>
    </message>
    <message id="t671">
        <source>No.</source>
        <translation>Č.</translation>
    </message>
    <message id="t672">
        <source>Ended</source>
        <translation>Konec</translation>
    </message>
    <message id="t673">
        <source>Outcome</source>
        <translation>Výsledek</translation>
    </message>
    <message id="t674">
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message id="t675">
        <source>Picture</source>
        <translation>Obrázek</translation>
    </message>
    <message id="t676">
        <source>Move limit</source>
        <translation>Limit tahů</translation>
    </message>
    <message id="t677">
        <source>Time limit</source>
        <translation>Časový limit</translation>
    </message>
    <message id="t678">
        <source>yes</source>
        <translation>ano</translation>
    </message>
    <message id="t679">
        <source>built-in picture</source>
        <translation>vestavěný obrázek</translation>
    </message>
    <message id="t680">
        <source>&amp;Recorded games, newest first:</source>
        <translation>&amp;Hry v deníku, od nejnovější:</translation>
    </message>
    <message id="t681">
        <source>Save as &amp;CSV …</source>
        <translation>Uložit jako &amp;CSV …</translation>
    </message>
    <message id="t682">
        <source>&amp;Clear statistics</source>
        <translation>Vymazat &amp;statistiku</translation>
    </message>
    <message id="t683">
        <source>C&amp;lose</source>
        <translation>&amp;Zavřít</translation>
    </message>
    <message id="t684">
        <source>Save statistics as CSV</source>
        <translation>Uložit statistiku jako CSV</translation>
    </message>
    <message id="t685">
        <source>CSV files (*.csv)</source>
        <translation>Soubory CSV (*.csv)</translation>
    </message>
    <message id="t686">
        <source>tavelor-statistics.csv</source>
        <translation>tavelor-statistika.csv</translation>
    </message>
    <message id="t687">
        <source>The file could not be written:

%1</source>
        <translation>Soubor se nepodařilo zapsat:

%1</translation>
    </message>
    <message id="t688">
        <source>Clear all statistics?

Every recorded game is lost; the best results stay.</source>
        <translation>Vymazat celou statistiku?

Všechny hry v deníku budou ztraceny; nejlepší výsledky zůstanou.</translation>
    </message>
    <message id="t689">
        <source>&amp;Clear</source>
        <translation>&amp;Vymazat</translation>
    </message>
    <message id="t690">
        <source>&amp;Cancel</source>
        <translation>&amp;Zrušit</translation>
    </message>
    <message id="t691">
        <source>The statistics could not be cleared.</source>
        <translation>Statistiku se nepodařilo vymazat.</translation>
    </message>
    <message id="t692">
        <source>The stored statistics were damaged or do not belong to this game. They have been set aside as

%1

The statistics start afresh.</source>
        <translation>Uložená statistika byla poškozená nebo nepatří k této hře. Byla uschována pod názvem

%1

Statistika se začne vést znovu.</translation>
    </message>
    <message id="t693">
        <source>The statistics cannot be stored:

%1

Play goes on; its games are recorded as soon as that works again.</source>
        <translation>Statistiku nelze uložit:

%1

Hrát se dá dál; hry se začnou zapisovat do deníku, jakmile to zase půjde.</translation>
    </message>
    <message id="t694">
        <source>Figures</source>
        <translation>Ukazatele</translation>
    </message>
    <message id="t700">
        <source>&amp;System</source>
        <translation>&amp;Systémový</translation>
    </message>
    <message id="t701">
        <source>&amp;Light</source>
        <translation>S&amp;větlý</translation>
    </message>
    <message id="t702">
        <source>&amp;Dark</source>
        <translation>&amp;Tmavý</translation>
    </message>
    <message id="t720">
        <source>Tavelor – Keyboard shortcuts</source>
        <translation>Tavelor – klávesové zkratky</translation>
    </message>
    <message id="t721">
        <source>Menu</source>
        <translation>Nabídka</translation>
    </message>
    <message id="t722">
        <source>Command</source>
        <translation>Příkaz</translation>
    </message>
    <message id="t723">
        <source>Key</source>
        <translation>Klávesa</translation>
    </message>
    <message id="t724">
        <source>Variant 1: slide the tile beside the empty field into it</source>
        <translation>Varianta 1: přesunout sousední dílek na prázdné pole</translation>
    </message>
    <message id="t725">
        <source>Variant 2: move the frame</source>
        <translation>Varianta 2: přesunout rámeček</translation>
    </message>
    <message id="t726">
        <source>Variant 2: shift the frame&apos;s row or column</source>
        <translation>Varianta 2: posunout řádek nebo sloupec rámečku</translation>
    </message>
    <message id="t727">
        <source>Variant 3: move the ring</source>
        <translation>Varianta 3: přesunout kroužek</translation>
    </message>
    <message id="t728">
        <source>Variant 3: turn clockwise</source>
        <translation>Varianta 3: otočit po směru hodinových ručiček</translation>
    </message>
    <message id="t729">
        <source>Variant 3: turn counter-clockwise</source>
        <translation>Varianta 3: otočit proti směru hodinových ručiček</translation>
    </message>
    <message id="t730">
        <source>Step the tile numbers</source>
        <translation>Přepnout čísla dílků</translation>
    </message>
    <message id="t731">
        <source>Arrow keys</source>
        <translation>Šipky</translation>
    </message>
    <message id="t732">
        <source>Shift+arrow keys</source>
        <translation>Shift+šipky</translation>
    </message>
    <message id="t733">
        <source>Space or Return</source>
        <translation>Mezerník nebo Enter</translation>
    </message>
    <message id="t734">
        <source>Shift+Space or Backspace</source>
        <translation>Shift+mezerník nebo Backspace</translation>
    </message>
    <message id="t735">
        <source>&amp;Close</source>
        <translation>&amp;Zavřít</translation>
    </message>
    <message id="t740">
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>Svobodný software pod licencí GNU General Public License, verze 3 nebo novější (GPL-3.0-or-later)</translation>
    </message>
    <message id="t741">
        <source>Pictures, sounds and translations are the project&apos;s own work.</source>
        <translation>Obrázky, zvuky a překlady jsou vlastní tvorbou projektu.</translation>
    </message>
    <message id="t750">
        <source>Usage: tavelor [OPTION …]
A picture puzzle: put a scrambled picture back together.

  --portable     read and write the working folder, even when installed
  -h, --help     show this help and exit
  -v, --version  show the version and exit
</source>
        <translation>Použití: tavelor [VOLBA …]
Obrázková skládačka: poskládejte zamíchaný obrázek zpět.

  --portable     číst a zapisovat v pracovní složce, i když je hra nainstalovaná
  -h, --help     zobrazit tuto nápovědu a skončit
  -v, --version  zobrazit verzi a skončit
</translation>
    </message>
    <message id="t751">
        <source>Usage: tavelor [--portable] [--help] [--version]</source>
        <translation>Použití: tavelor [--portable] [--help] [--version]</translation>
    </message>
    <message id="t752">
        <source>tavelor: unknown option &apos;%1&apos;</source>
        <translation>tavelor: neznámá volba „%1“</translation>
    </message>
    <message id="t753">
        <source>tavelor: unexpected argument &apos;%1&apos;</source>
        <translation>tavelor: neočekávaný argument „%1“</translation>
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
        <translation>Některý z následujících systémových požadavků není splněn.

- rozlišení obrazovky 800x600 pixelů nebo vyšší
- barevná hloubka 16 bitů (High Color)

Upravte prosím nastavení tak, aby splňovalo systémové
požadavky, a spusťte hru znovu.</translation>
    </message>
    <message id="t801">
        <source>The list with the best results could not be stored.

An access error occured.</source>
        <translation>Nejlepší výsledky se nepodařilo uložit.

Došlo k chybě přístupu.</translation>
    </message>
    <message id="t802">
        <source>The list with the best results cannot be stored

because the programme was started from a CD-ROM.</source>
        <translation>Nejlepší výsledky nelze uložit,

protože program byl spuštěn z CD-ROM.</translation>
    </message>
    <message id="t803">
        <source>The following file could not be found:

</source>
        <translation>Následující soubor nebyl nalezen:

</translation>
    </message>
    <message id="t804">
        <source>The file you selected does not have the correct graphics format.</source>
        <translation>Vybraný soubor nemá správný grafický formát.</translation>
    </message>
    <message id="t805">
        <source>The image path \images cannot be found.

The programme will now be exited.</source>
        <translation>Složku \images nelze najít.

Program bude ukončen.</translation>
    </message>
    <message id="t806">
        <source>No images found in the path \image.</source>
        <translation>Ve složce \images nebyly nalezeny žádné obrázky.</translation>
    </message>
    <message id="t807">
        <source>The image could not be copied into the following folder:

</source>
        <translation>Obrázek se nepodařilo zkopírovat do následující složky:

</translation>
    </message>
    <message id="t808">
        <source>At the chosen scaling of %1 %, the screen offers only %2 × %3 points; the game needs at least 800 × 600.

Please set the scaling to %4 % or less and restart the game.</source>
        <translation>Při nastaveném měřítku %1 % nabízí obrazovka jen %2 × %3 bodů; hra potřebuje alespoň 800 × 600.

Nastavte měřítko na %4 % nebo méně a spusťte hru znovu.</translation>
    </message>
    <message id="t810">
        <source>The picture you selected is too large to be loaded.</source>
        <translation>Vybraný obrázek je příliš velký, nelze ho načíst.</translation>
    </message>
    <message id="t811">
        <source>The file you selected is damaged or incomplete.</source>
        <translation>Vybraný soubor je poškozený nebo neúplný.</translation>
    </message>
    <message id="t812">
        <source>The file you selected does not contain a picture.</source>
        <translation>Vybraný soubor neobsahuje obrázek.</translation>
    </message>
    <message id="t813">
        <source>The saved game was damaged and has been set aside as spiel.dat.defekt.

A new game begins.</source>
        <translation>Uložená hra byla poškozená a byla uschována pod názvem spiel.dat.defekt.

Začíná nová hra.</translation>
    </message>
    <message id="t814">
        <source>The picture of the saved game is missing or has changed.

The game goes on with the built-in picture.</source>
        <translation>Obrázek uložené hry chybí nebo byl změněn.

Hra pokračuje s vestavěným obrázkem.</translation>
    </message>
    <message id="t900">
        <source>Board</source>
        <translation>Hrací plocha</translation>
    </message>
    <message id="t901">
        <source>Tile %1 at row %2, column %3</source>
        <translation>Dílek %1 na řádku %2, ve sloupci %3</translation>
    </message>
    <message id="t902">
        <source>Empty field at row %1, column %2</source>
        <translation>Prázdné pole na řádku %1, ve sloupci %2</translation>
    </message>
    <message id="t903">
        <source>in place</source>
        <translation>na svém místě</translation>
    </message>
    <message id="t904">
        <source>out of place</source>
        <translation>mimo své místo</translation>
    </message>
    <message id="t905">
        <source>Moves</source>
        <translation>Tahy</translation>
    </message>
    <message id="t906">
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message id="t910">
        <source>Variant 1: empty field</source>
        <translation>Varianta 1: prázdné pole</translation>
    </message>
    <message id="t911">
        <source>Variant 2: rows and columns</source>
        <translation>Varianta 2: řádky a sloupce</translation>
    </message>
    <message id="t912">
        <source>Variant 3: axes</source>
        <translation>Varianta 3: osy</translation>
    </message>
    <message id="t913">
        <source>Axis %1: rows %2–%3, columns %4–%5</source>
        <translation>Osa %1: řádky %2–%3, sloupce %4–%5</translation>
    </message>
    <message id="t914">
        <source>Moves: %1</source>
        <translation>Tahy: %1</translation>
    </message>
    <message id="t915">
        <source>Time: %1</source>
        <translation>Čas: %1</translation>
    </message>
    <message id="t916" numerus="yes">
        <source>%1 seconds</source>
        <translation>
            <numerusform>%1 sekunda</numerusform>
            <numerusform>%1 sekundy</numerusform>
            <numerusform>%1 sekund</numerusform>
        </translation>
    </message>
    <message id="t917">
        <source>1 second</source>
        <translation>1 sekunda</translation>
    </message>
    <message id="t918" numerus="yes">
        <source>%1 minutes</source>
        <translation>
            <numerusform>%1 minuta</numerusform>
            <numerusform>%1 minuty</numerusform>
            <numerusform>%1 minut</numerusform>
        </translation>
    </message>
    <message id="t919">
        <source>1 minute</source>
        <translation>1 minuta</translation>
    </message>
    <message id="t920" numerus="yes">
        <source>%1 minutes %2 seconds</source>
        <translation>
            <numerusform>%1 minut a %2 sekunda</numerusform>
            <numerusform>%1 minut a %2 sekundy</numerusform>
            <numerusform>%1 minut a %2 sekund</numerusform>
        </translation>
    </message>
    <message id="t921" numerus="yes">
        <source>%1 minutes 1 second</source>
        <translation>
            <numerusform>%1 minuta a 1 sekunda</numerusform>
            <numerusform>%1 minuty a 1 sekunda</numerusform>
            <numerusform>%1 minut a 1 sekunda</numerusform>
        </translation>
    </message>
    <message id="t922" numerus="yes">
        <source>1 minute %1 seconds</source>
        <translation>
            <numerusform>1 minuta a %1 sekunda</numerusform>
            <numerusform>1 minuta a %1 sekundy</numerusform>
            <numerusform>1 minuta a %1 sekund</numerusform>
        </translation>
    </message>
    <message id="t923">
        <source>1 minute 1 second</source>
        <translation>1 minuta a 1 sekunda</translation>
    </message>
    <message id="t924">
        <source>Place</source>
        <translation>Pořadí</translation>
    </message>
    <message id="t925">
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message id="t926">
        <source>Name for place %1</source>
        <translation>Jméno pro %1. místo</translation>
    </message>
    <message id="t950">
        <source>%1 %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message id="t8">
        <source>Res&amp;tart this board</source>
        <translation>&amp;Hrát tutéž hrací plochu znovu</translation>
    </message>
    <message id="t9">
        <source>&amp;Copy game code</source>
        <translation>K&amp;opírovat kód hry</translation>
    </message>
    <message id="t10">
        <source>&amp;Enter game code …</source>
        <translation>Zad&amp;at kód hry …</translation>
    </message>
    <message id="t11">
        <source>Today&apos;s &amp;puzzle</source>
        <translation>Skládačka &amp;dne</translation>
    </message>
    <message id="t29">
        <source>Solve spee&amp;d</source>
        <translation>&amp;Tempo řešení</translation>
    </message>
    <message id="t400" numerus="yes">
        <source>%1 moves a second</source>
        <translation>
            <numerusform>%1 tah za sekundu</numerusform>
            <numerusform>%1 tahy za sekundu</numerusform>
            <numerusform>%1 tahů za sekundu</numerusform>
        </translation>
    </message>
    <message id="t401">
        <source>%1 move a second</source>
        <translation>%1 tah za sekundu</translation>
    </message>
    <message id="t450">
        <source>Enter game code</source>
        <translation>Zadat kód hry</translation>
    </message>
    <message id="t451">
        <source>Game code, for example from another player:</source>
        <translation>Kód hry, například od jiného hráče:</translation>
    </message>
    <message id="t452">
        <source>&amp;Play</source>
        <translation>&amp;Hrát</translation>
    </message>
    <message id="t453">
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message id="t454">
        <source>This is not a Tavelor game code. A game code begins with TAV1-.</source>
        <translation>Toto není kód hry Tavelor. Kód hry začíná znaky TAV1-.</translation>
    </message>
    <message id="t455">
        <source>This game code comes from a newer version of Tavelor and cannot be played here.</source>
        <translation>Tento kód hry pochází z novější verze hry Tavelor a zde jej nelze hrát.</translation>
    </message>
    <message id="t456">
        <source>The game code is incomplete or too long.</source>
        <translation>Kód hry je neúplný nebo příliš dlouhý.</translation>
    </message>
    <message id="t457">
        <source>The game code contains a typo: the check characters at its end do not match the rest.</source>
        <translation>Kód hry obsahuje překlep: kontrolní znaky na konci neodpovídají zbytku.</translation>
    </message>
    <message id="t458">
        <source>The game code names none of the three variants.</source>
        <translation>Kód hry neuvádí žádnou ze tří variant.</translation>
    </message>
    <message id="t459">
        <source>The game code names a board size outside 3 × 3 to 6 × 6.</source>
        <translation>Kód hry uvádí velikost hrací plochy mimo rozsah 3 × 3 až 6 × 6.</translation>
    </message>
    <message id="t460">
        <source>The game code holds no complete board: every tile must appear exactly once.</source>
        <translation>Kód hry neobsahuje úplnou hrací plochu: každý dílek se v ní musí vyskytovat právě jednou.</translation>
    </message>
    <message id="t461">
        <source>The board of this game code cannot be solved in its variant.</source>
        <translation>Hrací plochu z tohoto kódu hry nelze v její variantě vyřešit.</translation>
    </message>
    <message id="t462">
        <source>The game code is damaged: it contains characters that do not belong in it.</source>
        <translation>Kód hry je poškozený: obsahuje znaky, které do něj nepatří.</translation>
    </message>
    <message id="t463">
        <source>The picture “%1” is not in the picture folder. The built-in picture is used instead.</source>
        <translation>Obrázek „%1“ není ve složce obrázků. Místo něj se použije vestavěný obrázek.</translation>
    </message>
    <message id="t464">
        <source>Today&apos;s puzzle – days played: %1, in a row: %2</source>
        <translation>Skládačka dne – odehrané dny: %1, v řadě: %2</translation>
    </message>
    <message id="t7">
        <source>&amp;Watch last game</source>
        <translation>&amp;Přehrát poslední hru</translation>
    </message>
    <message id="t410">
        <source>Replay</source>
        <translation>Přehrávání</translation>
    </message>
    <message id="t411">
        <source>&amp;Play</source>
        <translation>&amp;Přehrát</translation>
    </message>
    <message id="t412">
        <source>&amp;Pause</source>
        <translation>Poz&amp;astavit</translation>
    </message>
    <message id="t413">
        <source>Step bac&amp;k</source>
        <translation>&amp;O tah zpět</translation>
    </message>
    <message id="t414">
        <source>Step &amp;forward</source>
        <translation>O tah &amp;vpřed</translation>
    </message>
    <message id="t415">
        <source>Choose move</source>
        <translation>Vybrat tah</translation>
    </message>
    <message id="t416">
        <source>Moves per second</source>
        <translation>Tahů za sekundu</translation>
    </message>
    <message id="t417">
        <source>&amp;Back to the game</source>
        <translation>&amp;Zpět do hry</translation>
    </message>
    <message id="t418">
        <source>Move %1 of %2</source>
        <translation>Tah %1 z %2</translation>
    </message>
    <message id="t419">
        <source>&amp;Watch</source>
        <translation>&amp;Přehrát</translation>
    </message>
    <message id="t420">
        <source>This game cannot be shown: its start board or its moves cannot be read.</source>
        <translation>Tuto hru nelze zobrazit: její výchozí hrací plochu nebo tahy nelze přečíst.</translation>
    </message>
    <message id="t421">
        <source>No game has been recorded yet.</source>
        <translation>Zatím nebyla zaznamenána žádná hra.</translation>
    </message>
    <message id="t422">
        <source> moves/s</source>
        <translation> tahů/s</translation>
    </message>
</context>
</TS>
