<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name></name>
    <message id="t0">
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message id="t1">
        <source>&amp;New game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message id="t2">
        <source>&amp;Best results...</source>
        <translation>Najlepsze &amp;wyniki...</translation>
    </message>
    <message id="t3">
        <source>New game &amp;as before</source>
        <translation>Nowa gra jak &amp;ostatnio</translation>
    </message>
    <message id="t4">
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message id="t5">
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message id="t6">
        <source>&amp;Statistics …</source>
        <translation>&amp;Statystyki …</translation>
    </message>
    <message id="t19">
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message id="t20">
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message id="t21">
        <source>&amp;Pause</source>
        <translation>&amp;Pauza</translation>
    </message>
    <message id="t22">
        <source>&amp;Hint</source>
        <translation>Po&amp;dpowiedź</translation>
    </message>
    <message id="t23">
        <source>&amp;Solve</source>
        <translation>&amp;Rozwiąż</translation>
    </message>
    <message id="t24">
        <source>&amp;Animation</source>
        <translation>&amp;Animacja</translation>
    </message>
    <message id="t25">
        <source>So&amp;und effects</source>
        <translation>&amp;Efekty dźwiękowe</translation>
    </message>
    <message id="t26">
        <source>&amp;Music</source>
        <translation>&amp;Muzyka</translation>
    </message>
    <message id="t27">
        <source>&amp;Size</source>
        <translation>Ro&amp;zmiar</translation>
    </message>
    <message id="t28">
        <source>Appeara&amp;nce</source>
        <translation>Wy&amp;gląd</translation>
    </message>
    <message id="t30">
        <source>Lan&amp;guage</source>
        <translation>&amp;Język</translation>
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
        <translation>&amp;Pomoc</translation>
    </message>
    <message id="t52">
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message id="t53">
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Skróty klawiszowe</translation>
    </message>
    <message id="t100">
        <source>Info about </source>
        <translation>O programie </translation>
    </message>
    <message id="t101">
        <source>Version :</source>
        <translation>Wersja:</translation>
    </message>
    <message id="t200">
        <source>Hall of fame</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message id="t201">
        <source>Name                         Moves    Time</source>
        <translation>Imię                         Ruchy    Czas</translation>
    </message>
    <message id="t202">
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message id="t203">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="t204">
        <source>Pieces</source>
        <translation>kafelki</translation>
    </message>
    <message id="t300">
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message id="t301">
        <source>Version</source>
        <translation>Wariant</translation>
    </message>
    <message id="t310">
        <source>Number of pieces</source>
        <translation>Liczba kafelków</translation>
    </message>
    <message id="t311">
        <source>pieces</source>
        <translation>kafelków</translation>
    </message>
    <message id="t320">
        <source>Image subject</source>
        <translation>Motyw obrazka</translation>
    </message>
    <message id="t321">
        <source>Convert image into a black-and-white image</source>
        <translation>Zamień obrazek na czarno-biały</translation>
    </message>
    <message id="t322">
        <source>Hide preview display during the game</source>
        <translation>Ukryj podgląd podczas gry</translation>
    </message>
    <message id="t323">
        <source>Select empty field randomly</source>
        <translation>Losuj puste pole</translation>
    </message>
    <message id="t324">
        <source>Cut a square from the middle</source>
        <translation>Wytnij kwadrat ze środka</translation>
    </message>
    <message id="t325">
        <source>&amp;Browse ...</source>
        <translation>&amp;Przeglądaj...</translation>
    </message>
    <message id="t326">
        <source>Choose a picture</source>
        <translation>Wybierz obrazek</translation>
    </message>
    <message id="t327">
        <source>Pictures</source>
        <translation>Obrazki</translation>
    </message>
    <message id="t330">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="t331">
        <source>E&amp;xit game</source>
        <translation>Za&amp;kończ grę</translation>
    </message>
    <message id="t332">
        <source>&amp;Back to the game</source>
        <translation>&amp;Wróć do gry</translation>
    </message>
    <message id="t503">
        <source>Sorry, but this is not enough to enter 

         the hall of fame.</source>
        <translation>Niestety, to za mało, by trafić

na listę najlepszych wyników.</translation>
    </message>
    <message id="t504">
        <source>You have reached the maximum number of permitted moves 

 whithout finishing the jigsaw.</source>
        <translation>Osiągnięto największą dozwoloną liczbę ruchów

bez ułożenia obrazka.</translation>
    </message>
    <message id="t505">
        <source>You have used up all the available time without finishing the jigsaw.</source>
        <translation>Wykorzystano cały dostępny czas bez ułożenia obrazka.</translation>
    </message>
    <message id="t506">
        <source>Solved with help – no entry in the list of best results.</source>
        <translation>Rozwiązane z pomocą – bez wpisu na listę najlepszych wyników.</translation>
    </message>
    <message id="t600">
        <source>The saved game was damaged and has been set aside as %1.

A new game begins.</source>
        <translation>Zapisana gra była uszkodzona i została odłożona pod nazwą %1.

Zaczyna się nowa gra.</translation>
    </message>
    <message id="t601">
        <source>Tavelor is already running in this folder.

Games in this window will not be kept for the next start.</source>
        <translation>Tavelor jest już uruchomiony w tym folderze.

Gry w tym oknie nie zostaną zachowane do następnego uruchomienia.</translation>
    </message>
    <message id="t602">
        <source>The folder %1 cannot be written.

The saved game goes on, but it will not be kept any more.</source>
        <translation>Nie można zapisywać w folderze %1.

Zapisana gra toczy się dalej, ale nie będzie już zachowywana.</translation>
    </message>
    <message id="t603">
        <source>%1 is a folder.

Games cannot be kept for the next start.</source>
        <translation>%1 jest folderem.

Gier nie można zachować do następnego uruchomienia.</translation>
    </message>
    <message id="t604">
        <source>Give up the game in progress and start a new one?</source>
        <translation>Przerwać bieżącą grę i zacząć nową?</translation>
    </message>
    <message id="t605">
        <source>Do not ask again</source>
        <translation>Nie pytaj ponownie</translation>
    </message>
    <message id="t606">
        <source>Give up the game?</source>
        <translation>Przerwać grę?</translation>
    </message>
    <message id="t607">
        <source>&amp;New game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message id="t608">
        <source>&amp;Keep playing</source>
        <translation>&amp;Graj dalej</translation>
    </message>
    <message id="t650">
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message id="t651">
        <source>&amp;Variant and size:</source>
        <translation>&amp;Wariant i rozmiar:</translation>
    </message>
    <message id="t652">
        <source>%1, %2 × %2</source>
        <translation>%1, %2 × %2</translation>
    </message>
    <message id="t653">
        <source>No games recorded yet.</source>
        <translation>Dziennik nie zawiera jeszcze żadnej gry.</translation>
    </message>
    <message id="t654">
        <source>Played</source>
        <translation>Rozegrane</translation>
    </message>
    <message id="t655">
        <source>Solved</source>
        <translation>Rozwiązane</translation>
    </message>
    <message id="t656">
        <source>With help</source>
        <translation>Z pomocą</translation>
    </message>
    <message id="t657">
        <source>Abandoned</source>
        <translation>Przerwane</translation>
    </message>
    <message id="t658">
        <source>Limit reached</source>
        <translation>Osiągnięty limit</translation>
    </message>
    <message id="t659">
        <source>Best</source>
        <translation>Najlepszy</translation>
    </message>
    <message id="t660">
        <source>Mean</source>
        <translation>Średnia</translation>
    </message>
    <message id="t661">
        <source>Median</source>
        <translation>Mediana</translation>
    </message>
    <message id="t662">
        <source>Average of the last 5</source>
        <translation>Średnia z ostatnich 5</translation>
    </message>
    <message id="t663">
        <source>Average of the last 12</source>
        <translation>Średnia z ostatnich 12</translation>
    </message>
    <message id="t664">
        <source>Moves per second</source>
        <translation>Ruchy na sekundę</translation>
    </message>
    <message id="t665">
        <source>Times and moves count only games solved without help. The averages of the last 5 and 12 leave out the best and the worst.</source>
        <translation>Czasy i ruchy obejmują tylko gry rozwiązane bez pomocy. Średnie z ostatnich 5 i 12 pomijają najlepszy i najgorszy wynik.</translation>
    </message>
    <message id="t666" numerus="yes">
        <source>The last %1 games</source>
        <translation>
            <numerusform>Ostatnia %1 gra</numerusform>
            <numerusform>Ostatnie %1 gry</numerusform>
            <numerusform>Ostatnich %1 gier</numerusform>
        </translation>
    </message>
    <message id="t667">
        <source>solved</source>
        <translation>rozwiązana</translation>
    </message>
    <message id="t668">
        <source>with help</source>
        <translation>z pomocą</translation>
    </message>
    <message id="t669">
        <source>not solved</source>
        <translation>nierozwiązana</translation>
    </message>
    <message id="t670">
        <source>Time and moves of the last games</source>
        <translation>Czas i ruchy ostatnich gier</translation>
    </message>
    <message id="t671">
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message id="t672">
        <source>Ended</source>
        <translation>Koniec</translation>
    </message>
    <message id="t673">
        <source>Outcome</source>
        <translation>Wynik</translation>
    </message>
    <message id="t674">
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message id="t675">
        <source>Picture</source>
        <translation>Obrazek</translation>
    </message>
    <message id="t676">
        <source>Move limit</source>
        <translation>Limit ruchów</translation>
    </message>
    <message id="t677">
        <source>Time limit</source>
        <translation>Limit czasu</translation>
    </message>
    <message id="t678">
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message id="t679">
        <source>built-in picture</source>
        <translation>wbudowany obrazek</translation>
    </message>
    <message id="t680">
        <source>&amp;Recorded games, newest first:</source>
        <translation>&amp;Gry w dzienniku, od najnowszej:</translation>
    </message>
    <message id="t681">
        <source>Save as &amp;CSV …</source>
        <translation>Zapisz jako &amp;CSV …</translation>
    </message>
    <message id="t682">
        <source>&amp;Clear statistics</source>
        <translation>Wyczyść &amp;statystyki</translation>
    </message>
    <message id="t683">
        <source>C&amp;lose</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message id="t684">
        <source>Save statistics as CSV</source>
        <translation>Zapisz statystyki jako CSV</translation>
    </message>
    <message id="t685">
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message id="t686">
        <source>tavelor-statistics.csv</source>
        <translation>tavelor-statystyki.csv</translation>
    </message>
    <message id="t687">
        <source>The file could not be written:

%1</source>
        <translation>Nie udało się zapisać pliku:

%1</translation>
    </message>
    <message id="t688">
        <source>Clear all statistics?

Every recorded game is lost; the best results stay.</source>
        <translation>Wyczyścić wszystkie statystyki?

Wszystkie gry z dziennika zostaną utracone; najlepsze wyniki pozostaną.</translation>
    </message>
    <message id="t689">
        <source>&amp;Clear</source>
        <translation>&amp;Wyczyść</translation>
    </message>
    <message id="t690">
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message id="t691">
        <source>The statistics could not be cleared.</source>
        <translation>Nie udało się wyczyścić statystyk.</translation>
    </message>
    <message id="t692">
        <source>The stored statistics were damaged or do not belong to this game. They have been set aside as

%1

The statistics start afresh.</source>
        <translation>Zapisane statystyki były uszkodzone lub nie należą do tej gry. Zostały odłożone pod nazwą

%1

Statystyki będą prowadzone od nowa.</translation>
    </message>
    <message id="t693">
        <source>The statistics cannot be stored:

%1

Play goes on; its games are recorded as soon as that works again.</source>
        <translation>Nie można zapisać statystyk:

%1

Można grać dalej; gry trafią do dziennika, gdy tylko znów będzie to możliwe.</translation>
    </message>
    <message id="t694">
        <source>Figures</source>
        <translation>Wskaźniki</translation>
    </message>
    <message id="t700">
        <source>&amp;System</source>
        <translation>&amp;Systemowy</translation>
    </message>
    <message id="t701">
        <source>&amp;Light</source>
        <translation>&amp;Jasny</translation>
    </message>
    <message id="t702">
        <source>&amp;Dark</source>
        <translation>&amp;Ciemny</translation>
    </message>
    <message id="t720">
        <source>Tavelor – Keyboard shortcuts</source>
        <translation>Tavelor – skróty klawiszowe</translation>
    </message>
    <message id="t721">
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message id="t722">
        <source>Command</source>
        <translation>Polecenie</translation>
    </message>
    <message id="t723">
        <source>Key</source>
        <translation>Klawisz</translation>
    </message>
    <message id="t724">
        <source>Variant 1: slide the tile beside the empty field into it</source>
        <translation>Wariant 1: wsuń sąsiedni kafelek na puste pole</translation>
    </message>
    <message id="t725">
        <source>Variant 2: move the frame</source>
        <translation>Wariant 2: przemieść ramkę</translation>
    </message>
    <message id="t726">
        <source>Variant 2: shift the frame&apos;s row or column</source>
        <translation>Wariant 2: przesuń wiersz lub kolumnę ramki</translation>
    </message>
    <message id="t727">
        <source>Variant 3: move the ring</source>
        <translation>Wariant 3: przemieść pierścień</translation>
    </message>
    <message id="t728">
        <source>Variant 3: turn clockwise</source>
        <translation>Wariant 3: obróć zgodnie z ruchem wskazówek zegara</translation>
    </message>
    <message id="t729">
        <source>Variant 3: turn counter-clockwise</source>
        <translation>Wariant 3: obróć przeciwnie do ruchu wskazówek zegara</translation>
    </message>
    <message id="t730">
        <source>Step the tile numbers</source>
        <translation>Przełącz numery kafelków</translation>
    </message>
    <message id="t731">
        <source>Arrow keys</source>
        <translation>Klawisze strzałek</translation>
    </message>
    <message id="t732">
        <source>Shift+arrow keys</source>
        <translation>Shift+strzałki</translation>
    </message>
    <message id="t733">
        <source>Space or Return</source>
        <translation>Spacja lub Enter</translation>
    </message>
    <message id="t734">
        <source>Shift+Space or Backspace</source>
        <translation>Shift+Spacja lub Backspace</translation>
    </message>
    <message id="t735">
        <source>&amp;Close</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message id="t740">
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>Wolne oprogramowanie na licencji GNU General Public License w wersji 3 lub nowszej (GPL-3.0-or-later)</translation>
    </message>
    <message id="t741">
        <source>Pictures, sounds and translations are the project&apos;s own work.</source>
        <translation>Obrazki, dźwięki i tłumaczenia są własnym dziełem projektu.</translation>
    </message>
    <message id="t750">
        <source>Usage: tavelor [OPTION …]
A picture puzzle: put a scrambled picture back together.

  --portable     read and write the working folder, even when installed
  -h, --help     show this help and exit
  -v, --version  show the version and exit
</source>
        <translation>Użycie: tavelor [OPCJA …]
Układanka obrazkowa: ułóż z powrotem pomieszany obrazek.

  --portable     czytaj i zapisuj w folderze roboczym, nawet po instalacji
  -h, --help     pokaż tę pomoc i zakończ
  -v, --version  pokaż wersję i zakończ
</translation>
    </message>
    <message id="t751">
        <source>Usage: tavelor [--portable] [--help] [--version]</source>
        <translation>Użycie: tavelor [--portable] [--help] [--version]</translation>
    </message>
    <message id="t752">
        <source>tavelor: unknown option &apos;%1&apos;</source>
        <translation>tavelor: nieznana opcja „%1”</translation>
    </message>
    <message id="t753">
        <source>tavelor: unexpected argument &apos;%1&apos;</source>
        <translation>tavelor: nieoczekiwany argument „%1”</translation>
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
        <translation>Jedno z poniższych wymagań systemowych nie zostało spełnione.

- rozdzielczość ekranu 800x600 pikseli lub wyższa
- głębia kolorów 16 bitów (High Color)

Zmień ustawienia tak, aby spełniały wymagania
systemowe, i uruchom grę ponownie.</translation>
    </message>
    <message id="t801">
        <source>The list with the best results could not be stored.

An access error occured.</source>
        <translation>Nie udało się zapisać listy najlepszych wyników.

Wystąpił błąd dostępu.</translation>
    </message>
    <message id="t802">
        <source>The list with the best results cannot be stored

because the programme was started from a CD-ROM.</source>
        <translation>Nie można zapisać listy najlepszych wyników,

ponieważ program uruchomiono z płyty CD-ROM.</translation>
    </message>
    <message id="t803">
        <source>The following file could not be found:

</source>
        <translation>Nie znaleziono następującego pliku:

</translation>
    </message>
    <message id="t804">
        <source>The file you selected does not have the correct graphics format.</source>
        <translation>Wybrany plik ma nieprawidłowy format graficzny.</translation>
    </message>
    <message id="t805">
        <source>The image path \images cannot be found.

The programme will now be exited.</source>
        <translation>Nie znaleziono folderu \images.

Program zostanie zamknięty.</translation>
    </message>
    <message id="t806">
        <source>No images found in the path \image.</source>
        <translation>W folderze \images nie znaleziono żadnych obrazków.</translation>
    </message>
    <message id="t807">
        <source>The image could not be copied into the following folder:

</source>
        <translation>Nie udało się skopiować obrazka do następującego folderu:

</translation>
    </message>
    <message id="t808">
        <source>At the chosen scaling of %1 %, the screen offers only %2 × %3 points; the game needs at least 800 × 600.

Please set the scaling to %4 % or less and restart the game.</source>
        <translation>Przy wybranym skalowaniu %1 % ekran ma tylko %2 × %3 punktów, a gra potrzebuje co najmniej 800 × 600.

Ustaw skalowanie na %4 % lub mniej i uruchom grę ponownie.</translation>
    </message>
    <message id="t810">
        <source>The picture you selected is too large to be loaded.</source>
        <translation>Wybrany obrazek jest za duży, aby go wczytać.</translation>
    </message>
    <message id="t811">
        <source>The file you selected is damaged or incomplete.</source>
        <translation>Wybrany plik jest uszkodzony lub niekompletny.</translation>
    </message>
    <message id="t812">
        <source>The file you selected does not contain a picture.</source>
        <translation>Wybrany plik nie zawiera obrazka.</translation>
    </message>
    <message id="t813">
        <source>The saved game was damaged and has been set aside as spiel.dat.defekt.

A new game begins.</source>
        <translation>Zapisana gra była uszkodzona i została odłożona pod nazwą spiel.dat.defekt.

Zaczyna się nowa gra.</translation>
    </message>
    <message id="t814">
        <source>The picture of the saved game is missing or has changed.

The game goes on with the built-in picture.</source>
        <translation>Obrazek zapisanej gry nie istnieje lub został zmieniony.

Gra toczy się dalej z wbudowanym obrazkiem.</translation>
    </message>
    <message id="t900">
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message id="t901">
        <source>Tile %1 at row %2, column %3</source>
        <translation>Kafelek %1 w wierszu %2, kolumnie %3</translation>
    </message>
    <message id="t902">
        <source>Empty field at row %1, column %2</source>
        <translation>Puste pole w wierszu %1, kolumnie %2</translation>
    </message>
    <message id="t903">
        <source>in place</source>
        <translation>na swoim miejscu</translation>
    </message>
    <message id="t904">
        <source>out of place</source>
        <translation>nie na swoim miejscu</translation>
    </message>
    <message id="t905">
        <source>Moves</source>
        <translation>Ruchy</translation>
    </message>
    <message id="t906">
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message id="t910">
        <source>Variant 1: empty field</source>
        <translation>Wariant 1: puste pole</translation>
    </message>
    <message id="t911">
        <source>Variant 2: rows and columns</source>
        <translation>Wariant 2: wiersze i kolumny</translation>
    </message>
    <message id="t912">
        <source>Variant 3: axes</source>
        <translation>Wariant 3: osie</translation>
    </message>
    <message id="t913">
        <source>Axis %1: rows %2–%3, columns %4–%5</source>
        <translation>Oś %1: wiersze %2–%3, kolumny %4–%5</translation>
    </message>
    <message id="t914">
        <source>Moves: %1</source>
        <translation>Ruchy: %1</translation>
    </message>
    <message id="t915">
        <source>Time: %1</source>
        <translation>Czas: %1</translation>
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
            <numerusform>%1 minut i %2 sekunda</numerusform>
            <numerusform>%1 minut i %2 sekundy</numerusform>
            <numerusform>%1 minut i %2 sekund</numerusform>
        </translation>
    </message>
    <message id="t921" numerus="yes">
        <source>%1 minutes 1 second</source>
        <translation>
            <numerusform>%1 minuta i 1 sekunda</numerusform>
            <numerusform>%1 minuty i 1 sekunda</numerusform>
            <numerusform>%1 minut i 1 sekunda</numerusform>
        </translation>
    </message>
    <message id="t922" numerus="yes">
        <source>1 minute %1 seconds</source>
        <translation>
            <numerusform>1 minuta i %1 sekunda</numerusform>
            <numerusform>1 minuta i %1 sekundy</numerusform>
            <numerusform>1 minuta i %1 sekund</numerusform>
        </translation>
    </message>
    <message id="t923">
        <source>1 minute 1 second</source>
        <translation>1 minuta i 1 sekunda</translation>
    </message>
    <message id="t924">
        <source>Place</source>
        <translation>Miejsce</translation>
    </message>
    <message id="t925">
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message id="t926">
        <source>Name for place %1</source>
        <translation>Imię dla miejsca %1</translation>
    </message>
    <message id="t950">
        <source>%1 %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message id="t8">
        <source>Res&amp;tart this board</source>
        <translation>&amp;Ta sama plansza jeszcze raz</translation>
    </message>
    <message id="t9">
        <source>&amp;Copy game code</source>
        <translation>Kopi&amp;uj kod gry</translation>
    </message>
    <message id="t10">
        <source>&amp;Enter game code …</source>
        <translation>Wp&amp;isz kod gry …</translation>
    </message>
    <message id="t11">
        <source>Today&apos;s &amp;puzzle</source>
        <translation>Układanka &amp;dnia</translation>
    </message>
    <message id="t29">
        <source>Solve spee&amp;d</source>
        <translation>&amp;Tempo rozwiązywania</translation>
    </message>
    <message id="t400" numerus="yes">
        <source>%1 moves a second</source>
        <translation>
            <numerusform>%1 ruch na sekundę</numerusform>
            <numerusform>%1 ruchy na sekundę</numerusform>
            <numerusform>%1 ruchów na sekundę</numerusform>
        </translation>
    </message>
    <message id="t401">
        <source>%1 move a second</source>
        <translation>%1 ruch na sekundę</translation>
    </message>
    <message id="t450">
        <source>Enter game code</source>
        <translation>Wpisz kod gry</translation>
    </message>
    <message id="t451">
        <source>Game code, for example from another player:</source>
        <translation>Kod gry, na przykład od innego gracza:</translation>
    </message>
    <message id="t452">
        <source>&amp;Play</source>
        <translation>&amp;Graj</translation>
    </message>
    <message id="t453">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="t454">
        <source>This is not a Tavelor game code. A game code begins with TAV1-.</source>
        <translation>To nie jest kod gry Tavelor. Kod gry zaczyna się od TAV1-.</translation>
    </message>
    <message id="t455">
        <source>This game code comes from a newer version of Tavelor and cannot be played here.</source>
        <translation>Ten kod gry pochodzi z nowszej wersji Tavelor i nie można go tu rozegrać.</translation>
    </message>
    <message id="t456">
        <source>The game code is incomplete or too long.</source>
        <translation>Kod gry jest niekompletny lub za długi.</translation>
    </message>
    <message id="t457">
        <source>The game code contains a typo: the check characters at its end do not match the rest.</source>
        <translation>Kod gry zawiera literówkę: znaki kontrolne na końcu nie pasują do reszty.</translation>
    </message>
    <message id="t458">
        <source>The game code names none of the three variants.</source>
        <translation>Kod gry nie wskazuje żadnego z trzech wariantów.</translation>
    </message>
    <message id="t459">
        <source>The game code names a board size outside 3 × 3 to 6 × 6.</source>
        <translation>Kod gry podaje rozmiar planszy spoza zakresu od 3 × 3 do 6 × 6.</translation>
    </message>
    <message id="t460">
        <source>The game code holds no complete board: every tile must appear exactly once.</source>
        <translation>Kod gry nie zawiera pełnej planszy: każdy kafelek musi wystąpić dokładnie raz.</translation>
    </message>
    <message id="t461">
        <source>The board of this game code cannot be solved in its variant.</source>
        <translation>Planszy z tego kodu gry nie da się rozwiązać w jej wariancie.</translation>
    </message>
    <message id="t462">
        <source>The game code is damaged: it contains characters that do not belong in it.</source>
        <translation>Kod gry jest uszkodzony: zawiera znaki, które do niego nie należą.</translation>
    </message>
    <message id="t463">
        <source>The picture “%1” is not in the picture folder. The built-in picture is used instead.</source>
        <translation>Obrazka „%1” nie ma w folderze obrazków. Zamiast niego używany jest obrazek wbudowany.</translation>
    </message>
    <message id="t464">
        <source>Today&apos;s puzzle – days played: %1, in a row: %2</source>
        <translation>Układanka dnia – rozegrane dni: %1, z rzędu: %2</translation>
    </message>
    <message id="t7">
        <source>&amp;Watch last game</source>
        <translation>Obejrzyj ostatnią &amp;grę</translation>
    </message>
    <message id="t410">
        <source>Replay</source>
        <translation>Powtórka</translation>
    </message>
    <message id="t411">
        <source>&amp;Play</source>
        <translation>&amp;Odtwórz</translation>
    </message>
    <message id="t412">
        <source>&amp;Pause</source>
        <translation>&amp;Pauza</translation>
    </message>
    <message id="t413">
        <source>Step bac&amp;k</source>
        <translation>Ruch w&amp;stecz</translation>
    </message>
    <message id="t414">
        <source>Step &amp;forward</source>
        <translation>Ruch &amp;naprzód</translation>
    </message>
    <message id="t415">
        <source>Choose move</source>
        <translation>Wybierz ruch</translation>
    </message>
    <message id="t416">
        <source>Moves per second</source>
        <translation>Ruchy na sekundę</translation>
    </message>
    <message id="t417">
        <source>&amp;Back to the game</source>
        <translation>&amp;Wróć do gry</translation>
    </message>
    <message id="t418">
        <source>Move %1 of %2</source>
        <translation>Ruch %1 z %2</translation>
    </message>
    <message id="t419">
        <source>&amp;Watch</source>
        <translation>&amp;Obejrzyj</translation>
    </message>
    <message id="t420">
        <source>This game cannot be shown: its start board or its moves cannot be read.</source>
        <translation>Tej gry nie można pokazać: nie da się odczytać jej planszy startowej lub ruchów.</translation>
    </message>
    <message id="t421">
        <source>No game has been recorded yet.</source>
        <translation>Nie nagrano jeszcze żadnej gry.</translation>
    </message>
    <message id="t422">
        <source> moves/s</source>
        <translation> ruch./s</translation>
    </message>
</context>
</TS>
