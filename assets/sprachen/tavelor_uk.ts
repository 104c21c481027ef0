<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name></name>
    <message id="t0">
        <source>&amp;Game</source>
        <translation>&amp;Гра</translation>
    </message>
    <message id="t1">
        <source>&amp;New game</source>
        <translation>&amp;Нова гра</translation>
    </message>
    <message id="t2">
        <source>&amp;Best results...</source>
        <translation>Таблиця &amp;рекордів…</translation>
    </message>
    <message id="t3">
        <source>New game &amp;as before</source>
        <translation>Нова гра &amp;як раніше</translation>
    </message>
    <message id="t4">
        <source>&amp;Undo</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message id="t5">
        <source>&amp;Redo</source>
        <translation>&amp;Повторити</translation>
    </message>
    <message id="t6">
        <source>&amp;Statistics …</source>
        <translation>С&amp;татистика…</translation>
    </message>
    <message id="t19">
        <source>E&amp;xit</source>
        <translation>&amp;Вийти</translation>
    </message>
    <message id="t20">
        <source>&amp;Options</source>
        <translation>&amp;Параметри</translation>
    </message>
    <message id="t21">
        <source>&amp;Pause</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message id="t22">
        <source>&amp;Hint</source>
        <translation>П&amp;ідказка</translation>
    </message>
    <message id="t23">
        <source>&amp;Solve</source>
        <translation>&amp;Розв’язати</translation>
    </message>
    <message id="t24">
        <source>&amp;Animation</source>
        <translation>&amp;Анімація</translation>
    </message>
    <message id="t25">
        <source>So&amp;und effects</source>
        <translation>Звукові &amp;ефекти</translation>
    </message>
    <message id="t26">
        <source>&amp;Music</source>
        <translation>&amp;Музика</translation>
    </message>
    <message id="t27">
        <source>&amp;Size</source>
        <translation>Ро&amp;змір</translation>
    </message>
    <message id="t28">
        <source>Appeara&amp;nce</source>
        <translation>&amp;Вигляд</translation>
    </message>
    <message id="t30">
        <source>Lan&amp;guage</source>
        <translation>&amp;Мова</translation>
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
        <translation>&amp;Довідка</translation>
    </message>
    <message id="t52">
        <source>&amp;About</source>
        <translation>&amp;Про програму</translation>
    </message>
    <message id="t53">
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Клавіатурні скорочення</translation>
    </message>
    <message id="t100">
        <source>Info about </source>
        <translation>Про програму </translation>
    </message>
    <message id="t101">
        <source>Version :</source>
        <translation>Версія:</translation>
    </message>
    <message id="t200">
        <source>Hall of fame</source>
        <translation>Таблиця рекордів</translation>
    </message>
    <message id="t201">
        <source>Name                         Moves    Time</source>
        <translation>Ім’я                         Ходи     Час</translation>
    </message>
    <message id="t202">
        <source>&amp;Delete</source>
        <translation>&amp;Видалити</translation>
    </message>
    <message id="t203">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="t204">
        <source>Pieces</source>
        <translation>плиток</translation>
    </message>
    <message id="t300">
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message id="t301">
        <source>Version</source>
        <translation>Варіант</translation>
    </message>
    <message id="t310">
        <source>Number of pieces</source>
        <translation>Кількість плиток</translation>
    </message>
    <message id="t311">
        <source>pieces</source>
        <translation>плиток</translation>
    </message>
    <message id="t320">
        <source>Image subject</source>
        <translation>Картинка</translation>
    </message>
    <message id="t321">
        <source>Convert image into a black-and-white image</source>
        <translation>Зробити картинку чорно-білою</translation>
    </message>
    <message id="t322">
        <source>Hide preview display during the game</source>
        <translation>Приховувати зразок під час гри</translation>
    </message>
    <message id="t323">
        <source>Select empty field randomly</source>
        <translation>Вибирати порожню клітинку випадково</translation>
    </message>
    <message id="t324">
        <source>Cut a square from the middle</source>
        <translation>Вирізати квадрат із середини</translation>
    </message>
    <message id="t325">
        <source>&amp;Browse ...</source>
        <translation>О&amp;гляд…</translation>
    </message>
    <message id="t326">
        <source>Choose a picture</source>
        <translation>Виберіть картинку</translation>
    </message>
    <message id="t327">
        <source>Pictures</source>
        <translation>Картинки</translation>
    </message>
    <message id="t330">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="t331">
        <source>E&amp;xit game</source>
        <translation>&amp;Вийти з гри</translation>
    </message>
    <message id="t332">
        <source>&amp;Back to the game</source>
        <translation>&amp;Повернутися до гри</translation>
    </message>
    <message id="t503">
        <source>Sorry, but this is not enough to enter 

         the hall of fame.</source>
        <translation>На жаль, цього не досить,

щоб потрапити до таблиці рекордів.</translation>
    </message>
    <message id="t504">
        <source>You have reached the maximum number of permitted moves 

 whithout finishing the jigsaw.</source>
        <translation>Досягнуто максимально допустимої кількості ходів,

а картинку так і не складено.</translation>
    </message>
    <message id="t505">
        <source>You have used up all the available time without finishing the jigsaw.</source>
        <translation>Увесь відведений час вичерпано, а картинку так і не складено.</translation>
    </message>
    <message id="t506">
        <source>Solved with help – no entry in the list of best results.</source>
        <translation>Розв’язано з допомогою — без запису до таблиці рекордів.</translation>
    </message>
    <message id="t600">
        <source>The saved game was damaged and has been set aside as %1.

A new game begins.</source>
        <translation>Збережену гру було пошкоджено; її файл перейменовано на %1.

Починається нова гра.</translation>
    </message>
    <message id="t601">
        <source>Tavelor is already running in this folder.

Games in this window will not be kept for the next start.</source>
        <translation>Tavelor уже запущено в цій теці.

Ігри в цьому вікні не буде збережено для наступного запуску.</translation>
    </message>
    <message id="t602">
        <source>The folder %1 cannot be written.

The saved game goes on, but it will not be kept any more.</source>
        <translation>Неможливо записати до теки %1.

Збережена гра триває, але більше не зберігатиметься.</translation>
    </message>
    <message id="t603">
        <source>%1 is a folder.

Games cannot be kept for the next start.</source>
        <translation>%1 — це тека.

Ігри не вдасться зберегти для наступного запуску.</translation>
    </message>
    <message id="t604">
        <source>Give up the game in progress and start a new one?</source>
        <translation>Перервати поточну гру й почати нову?</translation>
    </message>
    <message id="t605">
        <source>Do not ask again</source>
        <translation>Більше не питати</translation>
    </message>
    <message id="t606">
        <source>Give up the game?</source>
        <translation>Перервати гру?</translation>
    </message>
    <message id="t607">
        <source>&amp;New game</source>
        <translation>&amp;Нова гра</translation>
    </message>
    <message id="t608">
        <source>&amp;Keep playing</source>
        <translation>&amp;Грати далі</translation>
    </message>
    <message id="t650">
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message id="t651">
        <source>&amp;Variant and size:</source>
        <translation>&amp;Варіант і розмір:</translation>
    </message>
    <message id="t652">
        <source>%1, %2 × %2</source>
        <translation>%1, %2 × %2</translation>
    </message>
    <message id="t653">
        <source>No games recorded yet.</source>
        <translation>Записаних ігор ще немає.</translation>
    </message>
    <message id="t654">
        <source>Played</source>
        <translation>Зіграно</translation>
    </message>
    <message id="t655">
        <source>Solved</source>
        <translation>Розв’язано</translation>
    </message>
    <message id="t656">
        <source>With help</source>
        <translation>З допомогою</translation>
    </message>
    <message id="t657">
        <source>Abandoned</source>
        <translation>Перервано</translation>
    </message>
    <message id="t658">
        <source>Limit reached</source>
        <translation>Досягнуто ліміту</translation>
    </message>
    <message id="t659">
        <source>Best</source>
        <translation>Найкраще</translation>
    </message>
    <message id="t660">
        <source>Mean</source>
        <translation>Середнє</translation>
    </message>
    <message id="t661">
        <source>Median</source>
        <translation>Медіана</translation>
    </message>
    <message id="t662">
        <source>Average of the last 5</source>
        <translation>Середнє за останні 5</translation>
    </message>
    <message id="t663">
        <source>Average of the last 12</source>
        <translation>Середнє за останні 12</translation>
    </message>
    <message id="t664">
        <source>Moves per second</source>
        <translation>Ходів за секунду</translation>
    </message>
    <message id="t665">
        <source>Times and moves count only games solved without help. The averages of the last 5 and 12 leave out the best and the worst.</source>
        <translation>Час і ходи враховуються лише для ігор, розв’язаних без допомоги. Середні за останні 5 і 12 не враховують найкращий і найгірший результати.</translation>
    </message>
    <message id="t666" numerus="yes">
        <source>The last %1 games</source>
        <translation>
            <numerusform>Остання %1 гра</numerusform>
            <numerusform>Останні %1 гри</numerusform>
            <numerusform>Останні %1 ігор</numerusform>
        </translation>
    </message>
    <message id="t667">
        <source>solved</source>
        <translation>розв’язана</translation>
    </message>
    <message id="t668">
        <source>with help</source>
        <translation>з допомогою</translation>
    </message>
    <message id="t669">
        <source>not solved</source>
        <translation>не розв’язана</translation>
    </message>
    <message id="t670">
        <source>Time and moves of the last games</source>
        <translation>Час і ходи останніх ігор</translation>
    </message>
    <message id="t671">
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message id="t672">
        <source>Ended</source>
        <translation>Завершення</translation>
    </message>
    <message id="t673">
        <source>Outcome</source>
        <translation>Підсумок</translation>
    </message>
    <message id="t674">
        <source>Help</source>
        <translation>Допомога</translation>
    </message>
    <message id="t675">
        <source>Picture</source>
        <translation>Картинка</translation>
    </message>
    <message id="t676">
        <source>Move limit</source>
        <translation>Ліміт ходів</translation>
    </message>
    <message id="t677">
        <source>Time limit</source>
        <translation>Ліміт часу</translation>
    </message>
    <message id="t678">
        <source>yes</source>
        <translation>так</translation>
    </message>
    <message id="t679">
        <source>built-in picture</source>
        <translation>вбудована картинка</translation>
    </message>
    <message id="t680">
        <source>&amp;Recorded games, newest first:</source>
        <translation>&amp;Записані ігри, спершу найновіші:</translation>
    </message>
    <message id="t681">
        <source>Save as &amp;CSV …</source>
        <translation>Зберегти як &amp;CSV…</translation>
    </message>
    <message id="t682">
        <source>&amp;Clear statistics</source>
        <translation>&amp;Очистити статистику</translation>
    </message>
    <message id="t683">
        <source>C&amp;lose</source>
        <translation>За&amp;крити</translation>
    </message>
    <message id="t684">
        <source>Save statistics as CSV</source>
        <translation>Зберегти статистику як CSV</translation>
    </message>
    <message id="t685">
        <source>CSV files (*.csv)</source>
        <translation>Файли CSV (*.csv)</translation>
    </message>
    <message id="t686">
        <source>tavelor-statistics.csv</source>
        <translation>tavelor-статистика.csv</translation>
    </message>
    <message id="t687">
        <source>The file could not be written:

%1</source>
        <translation>Не вдалося записати файл:

%1</translation>
    </message>
    <message id="t688">
        <source>Clear all statistics?

Every recorded game is lost; the best results stay.</source>
        <translation>Очистити всю статистику?

Усі записані ігри буде втрачено; таблиця рекордів залишиться.</translation>
    </message>
    <message id="t689">
        <source>&amp;Clear</source>
        <translation>&amp;Очистити</translation>
    </message>
    <message id="t690">
        <source>&amp;Cancel</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message id="t691">
        <source>The statistics could not be cleared.</source>
        <translation>Не вдалося очистити статистику.</translation>
    </message>
    <message id="t692">
        <source>The stored statistics were damaged or do not belong to this game. They have been set aside as

%1

The statistics start afresh.</source>
        <translation>Збережену статистику було пошкоджено, або вона не належить цій грі. Її файл перейменовано на

%1

Статистика почнеться заново.</translation>
    </message>
    <message id="t693">
        <source>The statistics cannot be stored:

%1

Play goes on; its games are recorded as soon as that works again.</source>
        <translation>Неможливо зберегти статистику:

%1

Грати можна далі; ігри буде записано, щойно це знову стане можливим.</translation>
    </message>
    <message id="t694">
        <source>Figures</source>
        <translation>Показники</translation>
    </message>
    <message id="t700">
        <source>&amp;System</source>
        <translation>&amp;Системний</translation>
    </message>
    <message id="t701">
        <source>&amp;Light</source>
        <translation>Світ&amp;лий</translation>
    </message>
    <message id="t702">
        <source>&amp;Dark</source>
        <translation>&amp;Темний</translation>
    </message>
    <message id="t720">
        <source>Tavelor – Keyboard shortcuts</source>
        <translation>Tavelor — клавіатурні скорочення</translation>
    </message>
    <message id="t721">
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message id="t722">
        <source>Command</source>
        <translation>Команда</translation>
    </message>
    <message id="t723">
        <source>Key</source>
        <translation>Клавіша</translation>
    </message>
    <message id="t724">
        <source>Variant 1: slide the tile beside the empty field into it</source>
        <translation>Варіант 1: пересунути сусідню плитку в порожню клітинку</translation>
    </message>
    <message id="t725">
        <source>Variant 2: move the frame</source>
        <translation>Варіант 2: переміщати рамку</translation>
    </message>
    <message id="t726">
        <source>Variant 2: shift the frame&apos;s row or column</source>
        <translation>Варіант 2: зсунути ряд або стовпець рамки</translation>
    </message>
    <message id="t727">
        <source>Variant 3: move the ring</source>
        <translation>Варіант 3: переміщати кільце</translation>
    </message>
    <message id="t728">
        <source>Variant 3: turn clockwise</source>
        <translation>Варіант 3: повернути за годинниковою стрілкою</translation>
    </message>
    <message id="t729">
        <source>Variant 3: turn counter-clockwise</source>
        <translation>Варіант 3: повернути проти годинникової стрілки</translation>
    </message>
    <message id="t730">
        <source>Step the tile numbers</source>
        <translation>Перемкнути номери плиток</translation>
    </message>
    <message id="t731">
        <source>Arrow keys</source>
        <translation>Клавіші зі стрілками</translation>
    </message>
    <message id="t732">
        <source>Shift+arrow keys</source>
        <translation>Shift+клавіші зі стрілками</translation>
    </message>
    <message id="t733">
        <source>Space or Return</source>
        <translation>Пробіл або Enter</translation>
    </message>
    <message id="t734">
        <source>Shift+Space or Backspace</source>
        <translation>Shift+Пробіл або Backspace</translation>
    </message>
    <message id="t735">
        <source>&amp;Close</source>
        <translation>&amp;Закрити</translation>
    </message>
    <message id="t740">
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>Вільна програма за ліцензією GNU General Public License версії 3 або пізнішої (GPL-3.0-or-later)</translation>
    </message>
    <message id="t741">
        <source>Pictures, sounds and translations are the project&apos;s own work.</source>
        <translation>Картинки, звуки й переклади створено самим проєктом.</translation>
    </message>
    <message id="t750">
        <source>Usage: tavelor [OPTION …]
A picture puzzle: put a scrambled picture back together.

  --portable     read and write the working folder, even when installed
  -h, --help     show this help and exit
  -v, --version  show the version and exit
</source>
        <translation>Використання: tavelor [ПАРАМЕТР …]
Головоломка-картинка: складіть перемішану картинку знову.

  --portable     читати й записувати в робочій теці, навіть якщо гру встановлено
  -h, --help     показати цю довідку й вийти
  -v, --version  показати версію й вийти
</translation>
    </message>
    <message id="t751">
        <source>Usage: tavelor [--portable] [--help] [--version]</source>
        <translation>Використання: tavelor [--portable] [--help] [--version]</translation>
    </message>
    <message id="t752">
        <source>tavelor: unknown option &apos;%1&apos;</source>
        <translation>tavelor: невідомий параметр «%1»</translation>
    </message>
    <message id="t753">
        <source>tavelor: unexpected argument &apos;%1&apos;</source>
        <translation>tavelor: зайвий аргумент «%1»</translation>
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
        <translation>Не виконано одну з таких системних вимог.

- роздільність екрана щонайменше 800x600 пікселів
- глибина кольору щонайменше 16 біт (High Color)

Змініть налаштування відповідно до системних
вимог і перезапустіть гру.</translation>
    </message>
    <message id="t801">
        <source>The list with the best results could not be stored.

An access error occured.</source>
        <translation>Не вдалося зберегти таблицю рекордів.

Помилка доступу.</translation>
    </message>
    <message id="t802">
        <source>The list with the best results cannot be stored

because the programme was started from a CD-ROM.</source>
        <translation>Таблицю рекордів неможливо зберегти,

бо гру запущено з компакт-диска.</translation>
    </message>
    <message id="t803">
        <source>The following file could not be found:

</source>
        <translation>Не вдалося знайти такий файл:

</translation>
    </message>
    <message id="t804">
        <source>The file you selected does not have the correct graphics format.</source>
        <translation>Вибраний файл має непридатний графічний формат.</translation>
    </message>
    <message id="t805">
        <source>The image path \images cannot be found.

The programme will now be exited.</source>
        <translation>Не знайдено теку з картинками \images.

Гру буде закрито.</translation>
    </message>
    <message id="t806">
        <source>No images found in the path \image.</source>
        <translation>У теці \images немає картинок.</translation>
    </message>
    <message id="t807">
        <source>The image could not be copied into the following folder:

</source>
        <translation>Не вдалося скопіювати картинку до такої теки:

</translation>
    </message>
    <message id="t808">
        <source>At the chosen scaling of %1 %, the screen offers only %2 × %3 points; the game needs at least 800 × 600.

Please set the scaling to %4 % or less and restart the game.</source>
        <translation>За вибраного масштабу %1 % екран вміщує лише %2 × %3 точок, а грі потрібно щонайменше 800 × 600.

Встановіть масштаб не більше %4 % і перезапустіть гру.</translation>
    </message>
    <message id="t810">
        <source>The picture you selected is too large to be loaded.</source>
        <translation>Вибрана картинка завелика для завантаження.</translation>
    </message>
    <message id="t811">
        <source>The file you selected is damaged or incomplete.</source>
        <translation>Вибраний файл пошкоджений або неповний.</translation>
    </message>
    <message id="t812">
        <source>The file you selected does not contain a picture.</source>
        <translation>Вибраний файл не містить картинки.</translation>
    </message>
    <message id="t813">
        <source>The saved game was damaged and has been set aside as spiel.dat.defekt.

A new game begins.</source>
        <translation>Збережену гру було пошкоджено; її файл перейменовано на spiel.dat.defekt.

Починається нова гра.</translation>
    </message>
    <message id="t814">
        <source>The picture of the saved game is missing or has changed.

The game goes on with the built-in picture.</source>
        <translation>Картинка збереженої гри відсутня або змінилася.

Гра продовжиться із вбудованою картинкою.</translation>
    </message>
    <message id="t900">
        <source>Board</source>
        <translation>Ігрове поле</translation>
    </message>
    <message id="t901">
        <source>Tile %1 at row %2, column %3</source>
        <translation>Плитка %1, ряд %2, стовпець %3</translation>
    </message>
    <message id="t902">
        <source>Empty field at row %1, column %2</source>
        <translation>Порожня клітинка, ряд %1, стовпець %2</translation>
    </message>
    <message id="t903">
        <source>in place</source>
        <translation>на своєму місці</translation>
    </message>
    <message id="t904">
        <source>out of place</source>
        <translation>не на своєму місці</translation>
    </message>
    <message id="t905">
        <source>Moves</source>
        <translation>Ходи</translation>
    </message>
    <message id="t906">
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message id="t910">
        <source>Variant 1: empty field</source>
        <translation>Варіант 1: порожня клітинка</translation>
    </message>
    <message id="t911">
        <source>Variant 2: rows and columns</source>
        <translation>Варіант 2: ряди й стовпці</translation>
    </message>
    <message id="t912">
        <source>Variant 3: axes</source>
        <translation>Варіант 3: осі</translation>
    </message>
    <message id="t913">
        <source>Axis %1: rows %2–%3, columns %4–%5</source>
        <translation>Вісь %1: ряди %2–%3, стовпці %4–%5</translation>
    </message>
    <message id="t914">
        <source>Moves: %1</source>
        <translation>Ходи: %1</translation>
    </message>
    <message id="t915">
        <source>Time: %1</source>
        <translation>Час: %1</translation>
    </message>
    <message id="t916" numerus="yes">
        <source>%1 seconds</source>
        <translation>
            <numerusform>%1 секунда</numerusform>
            <numerusform>%1 секунди</numerusform>
            <numerusform>%1 секунд</numerusform>
        </translation>
    </message>
    <message id="t917">
        <source>1 second</source>
        <translation>1 секунда</translation>
    </message>
    <message id="t918" numerus="yes">
        <source>%1 minutes</source>
        <translation>
            <numerusform>%1 хвилина</numerusform>
            <numerusform>%1 хвилини</numerusform>
            <numerusform>%1 хвилин</numerusform>
        </translation>
    </message>
    <message id="t919">
        <source>1 minute</source>
        <translation>1 хвилина</translation>
    </message>
    <message id="t920" numerus="yes">
        <source>%1 minutes %2 seconds</source>
        <translation>
            <numerusform>%1 хвилин %2 секунда</numerusform>
            <numerusform>%1 хвилин %2 секунди</numerusform>
            <numerusform>%1 хвилин %2 секунд</numerusform>
        </translation>
    </message>
    <message id="t921" numerus="yes">
        <source>%1 minutes 1 second</source>
        <translation>
            <numerusform>%1 хвилина 1 секунда</numerusform>
            <numerusform>%1 хвилини 1 секунда</numerusform>
            <numerusform>%1 хвилин 1 секунда</numerusform>
        </translation>
    </message>
    <message id="t922" numerus="yes">
        <source>1 minute %1 seconds</source>
        <translation>
            <numerusform>1 хвилина %1 секунда</numerusform>
            <numerusform>1 хвилина %1 секунди</numerusform>
            <numerusform>1 хвилина %1 секунд</numerusform>
        </translation>
    </message>
    <message id="t923">
        <source>1 minute 1 second</source>
        <translation>1 хвилина 1 секунда</translation>
    </message>
    <message id="t924">
        <source>Place</source>
        <translation>Місце</translation>
    </message>
    <message id="t925">
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message id="t926">
        <source>Name for place %1</source>
        <translation>Ім’я для місця %1</translation>
    </message>
    <message id="t950">
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message id="t8">
        <source>Res&amp;tart this board</source>
        <translation>Зіграти це поле &amp;знову</translation>
    </message>
    <message id="t9">
        <source>&amp;Copy game code</source>
        <translation>Копіювати &amp;код гри</translation>
    </message>
    <message id="t10">
        <source>&amp;Enter game code …</source>
        <translation>Вв&amp;ести код гри…</translation>
    </message>
    <message id="t11">
        <source>Today&apos;s &amp;puzzle</source>
        <translation>Головоломка &amp;дня</translation>
    </message>
    <message id="t29">
        <source>Solve spee&amp;d</source>
        <translation>&amp;Швидкість розв’язування</translation>
    </message>
    <message id="t400" numerus="yes">
        <source>%1 moves a second</source>
        <translation>
            <numerusform>%1 хід за секунду</numerusform>
            <numerusform>%1 ходи за секунду</numerusform>
            <numerusform>%1 ходів за секунду</numerusform>
        </translation>
    </message>
    <message id="t401">
        <source>%1 move a second</source>
        <translation>%1 хід за секунду</translation>
    </message>
    <message id="t450">
        <source>Enter game code</source>
        <translation>Введення коду гри</translation>
    </message>
    <message id="t451">
        <source>Game code, for example from another player:</source>
        <translation>Код гри, наприклад від іншого гравця:</translation>
    </message>
    <message id="t452">
        <source>&amp;Play</source>
        <translation>&amp;Грати</translation>
    </message>
    <message id="t453">
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message id="t454">
        <source>This is not a Tavelor game code. A game code begins with TAV1-.</source>
        <translation>Це не код гри Tavelor. Код гри починається з TAV1-.</translation>
    </message>
    <message id="t455">
        <source>This game code comes from a newer version of Tavelor and cannot be played here.</source>
        <translation>Цей код гри походить із новішої версії Tavelor, і зіграти за ним тут неможливо.</translation>
    </message>
    <message id="t456">
        <source>The game code is incomplete or too long.</source>
        <translation>Код гри неповний або задовгий.</translation>
    </message>
    <message id="t457">
        <source>The game code contains a typo: the check characters at its end do not match the rest.</source>
        <translation>У коді гри є друкарська помилка: контрольні символи в кінці не відповідають решті.</translation>
    </message>
    <message id="t458">
        <source>The game code names none of the three variants.</source>
        <translation>У коді гри не вказано жодного з трьох варіантів.</translation>
    </message>
    <message id="t459">
        <source>The game code names a board size outside 3 × 3 to 6 × 6.</source>
        <translation>У коді гри вказано розмір поля поза межами від 3 × 3 до 6 × 6.</translation>
    </message>
    <message id="t460">
        <source>The game code holds no complete board: every tile must appear exactly once.</source>
        <translation>У коді гри немає повного поля: кожна плитка має траплятися рівно один раз.</translation>
    </message>
    <message id="t461">
        <source>The board of this game code cannot be solved in its variant.</source>
        <translation>Поле з цього коду гри неможливо розв’язати в його варіанті.</translation>
    </message>
    <message id="t462">
        <source>The game code is damaged: it contains characters that do not belong in it.</source>
        <translation>Код гри пошкоджено: він містить символи, яких там не має бути.</translation>
    </message>
    <message id="t463">
        <source>The picture “%1” is not in the picture folder. The built-in picture is used instead.</source>
        <translation>Картинки «%1» немає в теці з картинками. Натомість використано вбудовану картинку.</translation>
    </message>
    <message id="t464">
        <source>Today&apos;s puzzle – days played: %1, in a row: %2</source>
        <translation>Головоломка дня — днів зіграно: %1, поспіль: %2</translation>
    </message>
    <message id="t7">
        <source>&amp;Watch last game</source>
        <translation>Переглянути останню &amp;гру</translation>
    </message>
    <message id="t410">
        <source>Replay</source>
        <translation>Повтор гри</translation>
    </message>
    <message id="t411">
        <source>&amp;Play</source>
        <translation>&amp;Відтворити</translation>
    </message>
    <message id="t412">
        <source>&amp;Pause</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message id="t413">
        <source>Step bac&amp;k</source>
        <translation>Хід &amp;назад</translation>
    </message>
    <message id="t414">
        <source>Step &amp;forward</source>
        <translation>Хід впе&amp;ред</translation>
    </message>
    <message id="t415">
        <source>Choose move</source>
        <translation>Вибрати хід</translation>
    </message>
    <message id="t416">
        <source>Moves per second</source>
        <translation>Ходів за секунду</translation>
    </message>
    <message id="t417">
        <source>&amp;Back to the game</source>
        <translation>Повернутися до &amp;гри</translation>
    </message>
    <message id="t418">
        <source>Move %1 of %2</source>
        <translation>Хід %1 з %2</translation>
    </message>
    <message id="t419">
        <source>&amp;Watch</source>
        <translation>&amp;Переглянути</translation>
    </message>
    <message id="t420">
        <source>This game cannot be shown: its start board or its moves cannot be read.</source>
        <translation>Цю гру неможливо показати: не вдається прочитати її початкове поле або ходи.</translation>
    </message>
    <message id="t421">
        <source>No game has been recorded yet.</source>
        <translation>Ще жодної гри не записано.</translation>
    </message>
    <message id="t422">
        <source> moves/s</source>
        <translation> хід/с</translation>
    </message>
</context>
</TS>
