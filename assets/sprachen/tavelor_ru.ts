<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name></name>
    <message id="t0">
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message id="t1">
        <source>&amp;New game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message id="t2">
        <source>&amp;Best results...</source>
        <translation>Таблица &amp;рекордов…</translation>
    </message>
    <message id="t3">
        <source>New game &amp;as before</source>
        <translation>Новая игра &amp;как прежде</translation>
    </message>
    <message id="t4">
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message id="t5">
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message id="t6">
        <source>&amp;Statistics …</source>
        <translation>&amp;Статистика…</translation>
    </message>
    <message id="t19">
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message id="t20">
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message id="t21">
        <source>&amp;Pause</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message id="t22">
        <source>&amp;Hint</source>
        <translation>По&amp;дсказка</translation>
    </message>
    <message id="t23">
        <source>&amp;Solve</source>
        <translation>&amp;Решить</translation>
    </message>
    <message id="t24">
        <source>&amp;Animation</source>
        <translation>&amp;Анимация</translation>
    </message>
    <message id="t25">
        <source>So&amp;und effects</source>
        <translation>Звуковые &amp;эффекты</translation>
    </message>
    <message id="t26">
        <source>&amp;Music</source>
        <translation>&amp;Музыка</translation>
    </message>
    <message id="t27">
        <source>&amp;Size</source>
        <translation>Ра&amp;змер</translation>
    </message>
    <message id="t28">
        <source>Appeara&amp;nce</source>
        <translation>&amp;Оформление</translation>
    </message>
    <message id="t30">
        <source>Lan&amp;guage</source>
        <translation>&amp;Язык</translation>
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
        <translation>&amp;Справка</translation>
    </message>
    <message id="t52">
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message id="t53">
        <source>&amp;Keyboard shortcuts</source>
        <translation>Сочетания &amp;клавиш</translation>
    </message>
    <message id="t100">
        <source>Info about </source>
        <translation>О программе </translation>
    </message>
    <message id="t101">
        <source>Version :</source>
        <translation>Версия:</translation>
    </message>
    <message id="t200">
        <source>Hall of fame</source>
        <translation>Таблица рекордов</translation>
    </message>
    <message id="t201">
        <source>Name                         Moves    Time</source>
        <translation>Имя                          Ходы     Время</translation>
    </message>
    <message id="t202">
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
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
        <translation>Настройки</translation>
    </message>
    <message id="t301">
        <source>Version</source>
        <translation>Вариант</translation>
    </message>
    <message id="t310">
        <source>Number of pieces</source>
        <translation>Число плиток</translation>
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
        <translation>Сделать картинку чёрно-белой</translation>
    </message>
    <message id="t322">
        <source>Hide preview display during the game</source>
        <translation>Скрывать образец во время игры</translation>
    </message>
    <message id="t323">
        <source>Select empty field randomly</source>
        <translation>Выбирать пустую клетку случайно</translation>
    </message>
    <message id="t324">
        <source>Cut a square from the middle</source>
        <translation>Вырезать квадрат из середины</translation>
    </message>
    <message id="t325">
        <source>&amp;Browse ...</source>
        <translation>О&amp;бзор…</translation>
    </message>
    <message id="t326">
        <source>Choose a picture</source>
        <translation>Выберите картинку</translation>
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
        <translation>Выйти из &amp;игры</translation>
    </message>
    <message id="t332">
        <source>&amp;Back to the game</source>
        <translation>&amp;Вернуться к игре</translation>
    </message>
    <message id="t503">
        <source>Sorry, but this is not enough to enter 

         the hall of fame.</source>
        <translation>К сожалению, этого не хватит,

чтобы попасть в таблицу рекордов.</translation>
    </message>
    <message id="t504">
        <source>You have reached the maximum number of permitted moves 

 whithout finishing the jigsaw.</source>
        <translation>Достигнуто максимально допустимое число ходов,

а картинка так и не собрана.</translation>
    </message>
    <message id="t505">
        <source>You have used up all the available time without finishing the jigsaw.</source>
        <translation>Всё отведённое время истекло, а картинка так и не собрана.</translation>
    </message>
    <message id="t506">
        <source>Solved with help – no entry in the list of best results.</source>
        <translation>Решено с помощью — без записи в таблицу рекордов.</translation>
    </message>
    <message id="t600">
        <source>The saved game was damaged and has been set aside as %1.

A new game begins.</source>
        <translation>Сохранённая игра была повреждена; её файл переименован в %1.

Начинается новая игра.</translation>
    </message>
    <message id="t601">
        <source>Tavelor is already running in this folder.

Games in this window will not be kept for the next start.</source>
        <translation>Tavelor уже запущен в этой папке.

Игры в этом окне не сохранятся для следующего запуска.</translation>
    </message>
    <message id="t602">
        <source>The folder %1 cannot be written.

The saved game goes on, but it will not be kept any more.</source>
        <translation>Нельзя записать в папку %1.

Сохранённая игра продолжается, но больше не будет сохраняться.</translation>
    </message>
    <message id="t603">
        <source>%1 is a folder.

Games cannot be kept for the next start.</source>
        <translation>%1 — это папка.

Игры не удастся сохранить для следующего запуска.</translation>
    </message>
    <message id="t604">
        <source>Give up the game in progress and start a new one?</source>
        <translation>Прервать текущую игру и начать новую?</translation>
    </message>
    <message id="t605">
        <source>Do not ask again</source>
        <translation>Больше не спрашивать</translation>
    </message>
    <message id="t606">
        <source>Give up the game?</source>
        <translation>Прервать игру?</translation>
    </message>
    <message id="t607">
        <source>&amp;New game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message id="t608">
        <source>&amp;Keep playing</source>
        <translation>&amp;Играть дальше</translation>
    </message>
    <message id="t650">
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message id="t651">
        <source>&amp;Variant and size:</source>
        <translation>&amp;Вариант и размер:</translation>
    </message>
    <message id="t652">
        <source>%1, %2 × %2</source>
        <translation>%1, %2 × %2</translation>
    </message>
    <message id="t653">
        <source>No games recorded yet.</source>
        <translation>Записанных игр пока нет.</translation>
    </message>
    <message id="t654">
        <source>Played</source>
        <translation>Сыграно</translation>
    </message>
    <message id="t655">
        <source>Solved</source>
        <translation>Решено</translation>
    </message>
    <message id="t656">
        <source>With help</source>
        <translation>С помощью</translation>
    </message>
    <message id="t657">
        <source>Abandoned</source>
        <translation>Прервано</translation>
    </message>
    <message id="t658">
        <source>Limit reached</source>
        <translation>Достигнут лимит</translation>
    </message>
    <message id="t659">
        <source>Best</source>
        <translation>Лучшее</translation>
    </message>
    <message id="t660">
        <source>Mean</source>
        <translation>Среднее</translation>
    </message>
    <message id="t661">
        <source>Median</source>
        <translation>Медиана</translation>
    </message>
    <message id="t662">
        <source>Average of the last 5</source>
        <translation>Среднее за последние 5</translation>
    </message>
    <message id="t663">
        <source>Average of the last 12</source>
        <translation>Среднее за последние 12</translation>
    </message>
    <message id="t664">
        <source>Moves per second</source>
        <translation>Ходов в секунду</translation>
    </message>
    <message id="t665">
        <source>Times and moves count only games solved without help. The averages of the last 5 and 12 leave out the best and the worst.</source>
        <translation>Время и ходы учитываются только для игр, решённых без помощи. Средние за последние 5 и 12 не учитывают лучший и худший результаты.</translation>
    </message>
    <message id="t666" numerus="yes">
        <source>The last %1 games</source>
        <translation>
            <numerusform>Последняя %1 игра</numerusform>
            <numerusform>Последние %1 игры</numerusform>
            <numerusform>Последние %1 игр</numerusform>
        </translation>
    </message>
    <message id="t667">
        <source>solved</source>
        <translation>решена</translation>
    </message>
    <message id="t668">
        <source>with help</source>
        <translation>с помощью</translation>
    </message>
    <message id="t669">
        <source>not solved</source>
        <translation>не решена</translation>
    </message>
    <message id="t670">
        <source>Time and moves of the last games</source>
        <translation>Время и ходы последних игр</translation>
    </message>
    <message id="t671">
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message id="t672">
        <source>Ended</source>
        <translation>Окончание</translation>
    </message>
    <message id="t673">
        <source>Outcome</source>
        <translation>Итог</translation>
    </message>
    <message id="t674">
        <source>Help</source>
        <translation>Помощь</translation>
    </message>
    <message id="t675">
        <source>Picture</source>
        <translation>Картинка</translation>
    </message>
    <message id="t676">
        <source>Move limit</source>
        <translation>Лимит ходов</translation>
    </message>
    <message id="t677">
        <source>Time limit</source>
        <translation>Лимит времени</translation>
    </message>
    <message id="t678">
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message id="t679">
        <source>built-in picture</source>
        <translation>встроенная картинка</translation>
    </message>
    <message id="t680">
        <source>&amp;Recorded games, newest first:</source>
        <translation>Записанные &amp;игры, сначала новые:</translation>
    </message>
    <message id="t681">
        <source>Save as &amp;CSV …</source>
        <translation>Сохранить в &amp;CSV…</translation>
    </message>
    <message id="t682">
        <source>&amp;Clear statistics</source>
        <translation>&amp;Очистить статистику</translation>
    </message>
    <message id="t683">
        <source>C&amp;lose</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message id="t684">
        <source>Save statistics as CSV</source>
        <translation>Сохранить статистику в CSV</translation>
    </message>
    <message id="t685">
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message id="t686">
        <source>tavelor-statistics.csv</source>
        <translation>tavelor-статистика.csv</translation>
    </message>
    <message id="t687">
        <source>The file could not be written:

%1</source>
        <translation>Не удалось записать файл:

%1</translation>
    </message>
    <message id="t688">
        <source>Clear all statistics?

Every recorded game is lost; the best results stay.</source>
        <translation>Очистить всю статистику?

Все записанные игры будут потеряны; таблица рекордов останется.</translation>
    </message>
    <message id="t689">
        <source>&amp;Clear</source>
        <translation>О&amp;чистить</translation>
    </message>
    <message id="t690">
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message id="t691">
        <source>The statistics could not be cleared.</source>
        <translation>Не удалось очистить статистику.</translation>
    </message>
    <message id="t692">
        <source>The stored statistics were damaged or do not belong to this game. They have been set aside as

%1

The statistics start afresh.</source>
        <translation>Сохранённая статистика была повреждена или не относится к этой игре. Её файл переименован в

%1

Статистика будет вестись заново.</translation>
    </message>
    <message id="t693">
        <source>The statistics cannot be stored:

%1

Play goes on; its games are recorded as soon as that works again.</source>
        <translation>Не удаётся сохранить статистику:

%1

Играть можно дальше; игры будут записываться, как только это снова станет возможно.</translation>
    </message>
    <message id="t694">
        <source>Figures</source>
        <translation>Показатели</translation>
    </message>
    <message id="t700">
        <source>&amp;System</source>
        <translation>&amp;Системное</translation>
    </message>
    <message id="t701">
        <source>&amp;Light</source>
        <translation>С&amp;ветлое</translation>
    </message>
    <message id="t702">
        <source>&amp;Dark</source>
        <translation>&amp;Тёмное</translation>
    </message>
    <message id="t720">
        <source>Tavelor – Keyboard shortcuts</source>
        <translation>Tavelor — сочетания клавиш</translation>
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
        <translation>Клавиша</translation>
    </message>
    <message id="t724">
        <source>Variant 1: slide the tile beside the empty field into it</source>
        <translation>Вариант 1: сдвинуть соседнюю плитку в пустую клетку</translation>
    </message>
    <message id="t725">
        <source>Variant 2: move the frame</source>
        <translation>Вариант 2: перемещать рамку</translation>
    </message>
    <message id="t726">
        <source>Variant 2: shift the frame&apos;s row or column</source>
        <translation>Вариант 2: сдвинуть ряд или столбец рамки</translation>
    </message>
    <message id="t727">
        <source>Variant 3: move the ring</source>
        <translation>Вариант 3: перемещать кольцо</translation>
    </message>
    <message id="t728">
        <source>Variant 3: turn clockwise</source>
        <translation>Вариант 3: повернуть по часовой стрелке</translation>
    </message>
    <message id="t729">
        <source>Variant 3: turn counter-clockwise</source>
        <translation>Вариант 3: повернуть против часовой стрелки</translation>
    </message>
    <message id="t730">
        <source>Step the tile numbers</source>
        <translation>Переключить номера плиток</translation>
    </message>
    <message id="t731">
        <source>Arrow keys</source>
        <translation>Стрелки</translation>
    </message>
    <message id="t732">
        <source>Shift+arrow keys</source>
        <translation>Shift+стрелки</translation>
    </message>
    <message id="t733">
        <source>Space or Return</source>
        <translation>Пробел или Enter</translation>
    </message>
    <message id="t734">
        <source>Shift+Space or Backspace</source>
        <translation>Shift+Пробел или Backspace</translation>
    </message>
    <message id="t735">
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message id="t740">
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>Свободная программа под лицензией GNU General Public License версии 3 или более поздней (GPL-3.0-or-later)</translation>
    </message>
    <message id="t741">
        <source>Pictures, sounds and translations are the project&apos;s own work.</source>
        <translation>Картинки, звуки и переводы созданы самим проектом.</translation>
    </message>
    <message id="t750">
        <source>Usage: tavelor [OPTION …]
A picture puzzle: put a scrambled picture back together.

  --portable     read and write the working folder, even when installed
  -h, --help     show this help and exit
  -v, --version  show the version and exit
</source>
        <translation>Использование: tavelor [ПАРАМЕТР …]
Головоломка-картинка: соберите перемешанную картинку заново.

  --portable     читать и писать в рабочей папке, даже если игра установлена
  -h, --help     показать эту справку и выйти
  -v, --version  показать версию и выйти
</translation>
    </message>
    <message id="t751">
        <source>Usage: tavelor [--portable] [--help] [--version]</source>
        <translation>Использование: tavelor [--portable] [--help] [--version]</translation>
    </message>
    <message id="t752">
        <source>tavelor: unknown option &apos;%1&apos;</source>
        <translation>tavelor: неизвестный параметр «%1»</translation>
    </message>
    <message id="t753">
        <source>tavelor: unexpected argument &apos;%1&apos;</source>
        <translation>tavelor: лишний аргумент «%1»</translation>
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
        <translation>Не выполнено одно из следующих системных требований.

- разрешение экрана не менее 800x600 пикселей
- глубина цвета не менее 16 бит (High Color)

Измените настройки в соответствии с системными
требованиями и перезапустите игру.</translation>
    </message>
    <message id="t801">
        <source>The list with the best results could not be stored.

An access error occured.</source>
        <translation>Не удалось сохранить таблицу рекордов.

Ошибка доступа.</translation>
    </message>
    <message id="t802">
        <source>The list with the best results cannot be stored

because the programme was started from a CD-ROM.</source>
        <translation>Таблицу рекордов нельзя сохранить,

потому что игра запущена с компакт-диска.</translation>
    </message>
    <message id="t803">
        <source>The following file could not be found:

</source>
        <translation>Не найден следующий файл:

</translation>
    </message>
    <message id="t804">
        <source>The file you selected does not have the correct graphics format.</source>
        <translation>Выбранный файл имеет неподходящий графический формат.</translation>
    </message>
    <message id="t805">
        <source>The image path \images cannot be found.

The programme will now be exited.</source>
        <translation>Не найдена папка с картинками \images.

Игра будет закрыта.</translation>
    </message>
    <message id="t806">
        <source>No images found in the path \image.</source>
        <translation>В папке \images нет картинок.</translation>
    </message>
    <message id="t807">
        <source>The image could not be copied into the following folder:

</source>
        <translation>Не удалось скопировать картинку в следующую папку:

</translation>
    </message>
    <message id="t808">
        <source>At the chosen scaling of %1 %, the screen offers only %2 × %3 points; the game needs at least 800 × 600.

Please set the scaling to %4 % or less and restart the game.</source>
        <translation>При выбранном масштабе %1 % экран вмещает только %2 × %3 точек, а игре нужно не менее 800 × 600.

Установите масштаб не более %4 % и перезапустите игру.</translation>
    </message>
    <message id="t810">
        <source>The picture you selected is too large to be loaded.</source>
        <translation>Выбранная картинка слишком велика для загрузки.</translation>
    </message>
    <message id="t811">
        <source>The file you selected is damaged or incomplete.</source>
        <translation>Выбранный файл повреждён или неполный.</translation>
    </message>
    <message id="t812">
        <source>The file you selected does not contain a picture.</source>
        <translation>Выбранный файл не содержит картинки.</translation>
    </message>
    <message id="t813">
        <source>The saved game was damaged and has been set aside as spiel.dat.defekt.

A new game begins.</source>
        <translation>Сохранённая игра была повреждена; её файл переименован в spiel.dat.defekt.

Начинается новая игра.</translation>
    </message>
    <message id="t814">
        <source>The picture of the saved game is missing or has changed.

The game goes on with the built-in picture.</source>
        <translation>Картинка сохранённой игры отсутствует или изменилась.

Игра продолжится со встроенной картинкой.</translation>
    </message>
    <message id="t900">
        <source>Board</source>
        <translation>Игровое поле</translation>
    </message>
    <message id="t901">
        <source>Tile %1 at row %2, column %3</source>
        <translation>Плитка %1, ряд %2, столбец %3</translation>
    </message>
    <message id="t902">
        <source>Empty field at row %1, column %2</source>
        <translation>Пустая клетка, ряд %1, столбец %2</translation>
    </message>
    <message id="t903">
        <source>in place</source>
        <translation>на своём месте</translation>
    </message>
    <message id="t904">
        <source>out of place</source>
        <translation>не на своём месте</translation>
    </message>
    <message id="t905">
        <source>Moves</source>
        <translation>Ходы</translation>
    </message>
    <message id="t906">
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message id="t910">
        <source>Variant 1: empty field</source>
        <translation>Вариант 1: пустая клетка</translation>
    </message>
    <message id="t911">
        <source>Variant 2: rows and columns</source>
        <translation>Вариант 2: ряды и столбцы</translation>
    </message>
    <message id="t912">
        <source>Variant 3: axes</source>
        <translation>Вариант 3: оси</translation>
    </message>
    <message id="t913">
        <source>Axis %1: rows %2–%3, columns %4–%5</source>
        <translation>Ось %1: ряды %2–%3, столбцы %4–%5</translation>
    </message>
    <message id="t914">
        <source>Moves: %1</source>
        <translation>Ходы: %1</translation>
    </message>
    <message id="t915">
        <source>Time: %1</source>
        <translation>Время: %1</translation>
    </message>
    <message id="t916" numerus="yes">
        <source>%1 seconds</source>
        <translation>
            <numerusform>%1 секунда</numerusform>
            <numerusform>%1 секунды</numerusform>
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
            <numerusform>%1 минута</numerusform>
            <numerusform>%1 минуты</numerusform>
            <numerusform>%1 минут</numerusform>
        </translation>
    </message>
    <message id="t919">
        <source>1 minute</source>
        <translation>1 минута</translation>
    </message>
    <message id="t920" numerus="yes">
        <source>%1 minutes %2 seconds</source>
        <translation>
            <numerusform>%1 минут %2 секунда</numerusform>
            <numerusform>%1 минут %2 секунды</numerusform>
            <numerusform>%1 минут %2 секунд</numerusform>
        </translation>
    </message>
    <message id="t921" numerus="yes">
        <source>%1 minutes 1 second</source>
        <translation>
            <numerusform>%1 минута 1 секунда</numerusform>
            <numerusform>%1 минуты 1 секунда</numerusform>
            <numerusform>%1 минут 1 секунда</numerusform>
        </translation>
    </message>
    <message id="t922" numerus="yes">
        <source>1 minute %1 seconds</source>
        <translation>
            <numerusform>1 минута %1 секунда</numerusform>
            <numerusform>1 минута %1 секунды</numerusform>
            <numerusform>1 минута %1 секунд</numerusform>
        </translation>
    </message>
    <message id="t923">
        <source>1 minute 1 second</source>
        <translation>1 минута 1 секунда</translation>
    </message>
    <message id="t924">
        <source>Place</source>
        <translation>Место</translation>
    </message>
    <message id="t925">
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message id="t926">
        <source>Name for place %1</source>
        <translation>Имя для места %1</translation>
    </message>
    <message id="t950">
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message id="t8">
        <source>Res&amp;tart this board</source>
        <translation>Сыграть это поле &amp;заново</translation>
    </message>
    <message id="t9">
        <source>&amp;Copy game code</source>
        <translation>Копировать ко&amp;д игры</translation>
    </message>
    <message id="t10">
        <source>&amp;Enter game code …</source>
        <translation>Вв&amp;ести код игры…</translation>
    </message>
    <message id="t11">
        <source>Today&apos;s &amp;puzzle</source>
        <translation>&amp;Головоломка дня</translation>
    </message>
    <message id="t29">
        <source>Solve spee&amp;d</source>
        <translation>&amp;Скорость решения</translation>
    </message>
    <message id="t400" numerus="yes">
        <source>%1 moves a second</source>
        <translation>
            <numerusform>%1 ход в секунду</numerusform>
            <numerusform>%1 хода в секунду</numerusform>
            <numerusform>%1 ходов в секунду</numerusform>
        </translation>
    </message>
    <message id="t401">
        <source>%1 move a second</source>
        <translation>%1 ход в секунду</translation>
    </message>
    <message id="t450">
        <source>Enter game code</source>
        <translation>Ввод кода игры</translation>
    </message>
    <message id="t451">
        <source>Game code, for example from another player:</source>
        <translation>Код игры, например от другого игрока:</translation>
    </message>
    <message id="t452">
        <source>&amp;Play</source>
        <translation>&amp;Играть</translation>
    </message>
    <message id="t453">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="t454">
        <source>This is not a Tavelor game code. A game code begins with TAV1-.</source>
        <translation>Это не код игры Tavelor. Код игры начинается с TAV1-.</translation>
    </message>
    <message id="t455">
        <source>This game code comes from a newer version of Tavelor and cannot be played here.</source>
        <translation>Этот код игры создан более новой версией Tavelor, и сыграть по нему здесь нельзя.</translation>
    </message>
    <message id="t456">
        <source>The game code is incomplete or too long.</source>
        <translation>Код игры неполный или слишком длинный.</translation>
    </message>
    <message id="t457">
        <source>The game code contains a typo: the check characters at its end do not match the rest.</source>
        <translation>В коде игры опечатка: контрольные символы в конце не соответствуют остальной части.</translation>
    </message>
    <message id="t458">
        <source>The game code names none of the three variants.</source>
        <translation>В коде игры не указан ни один из трёх вариантов.</translation>
    </message>
    <message id="t459">
        <source>The game code names a board size outside 3 × 3 to 6 × 6.</source>
        <translation>В коде игры указан размер поля вне диапазона от 3 × 3 до 6 × 6.</translation>
    </message>
    <message id="t460">
        <source>The game code holds no complete board: every tile must appear exactly once.</source>
        <translation>В коде игры нет полного поля: каждая плитка должна встречаться ровно один раз.</translation>
    </message>
    <message id="t461">
        <source>The board of this game code cannot be solved in its variant.</source>
        <translation>Поле из этого кода игры нельзя решить в его варианте.</translation>
    </message>
    <message id="t462">
        <source>The game code is damaged: it contains characters that do not belong in it.</source>
        <translation>Код игры повреждён: в нём есть символы, которых там быть не должно.</translation>
    </message>
    <message id="t463">
        <source>The picture “%1” is not in the picture folder. The built-in picture is used instead.</source>
        <translation>Картинки «%1» нет в папке с картинками. Вместо неё используется встроенная картинка.</translation>
    </message>
    <message id="t464">
        <source>Today&apos;s puzzle – days played: %1, in a row: %2</source>
        <translation>Головоломка дня — дней сыграно: %1, подряд: %2</translation>
    </message>
    <message id="t7">
        <source>&amp;Watch last game</source>
        <translation>Посмотреть последнюю &amp;игру</translation>
    </message>
    <message id="t410">
        <source>Replay</source>
        <translation>Повтор игры</translation>
    </message>
    <message id="t411">
        <source>&amp;Play</source>
        <translation>В&amp;оспроизвести</translation>
    </message>
    <message id="t412">
        <source>&amp;Pause</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message id="t413">
        <source>Step bac&amp;k</source>
        <translation>Ход &amp;назад</translation>
    </message>
    <message id="t414">
        <source>Step &amp;forward</source>
        <translation>Ход &amp;вперёд</translation>
    </message>
    <message id="t415">
        <source>Choose move</source>
        <translation>Выбрать ход</translation>
    </message>
    <message id="t416">
        <source>Moves per second</source>
        <translation>Ходов в секунду</translation>
    </message>
    <message id="t417">
        <source>&amp;Back to the game</source>
        <translation>Вернуться к &amp;игре</translation>
    </message>
    <message id="t418">
        <source>Move %1 of %2</source>
        <translation>Ход %1 из %2</translation>
    </message>
    <message id="t419">
        <source>&amp;Watch</source>
        <translation>&amp;Посмотреть</translation>
    </message>
    <message id="t420">
        <source>This game cannot be shown: its start board or its moves cannot be read.</source>
        <translation>Эту игру нельзя показать: не удаётся прочитать её начальное поле или ходы.</translation>
    </message>
    <message id="t421">
        <source>No game has been recorded yet.</source>
        <translation>Ещё ни одна игра не записана.</translation>
    </message>
    <message id="t422">
        <source> moves/s</source>
        <translation> ход/с</translation>
    </message>
</context>
</TS>
