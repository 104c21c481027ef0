<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="t0">
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message id="t1">
        <source>&amp;New game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message id="t2">
        <source>&amp;Best results...</source>
        <translation>&amp;Mejores resultados...</translation>
    </message>
    <message id="t3">
        <source>New game &amp;as before</source>
        <translation>Nueva partida, misma &amp;configuración</translation>
    </message>
    <message id="t4">
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message id="t5">
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message id="t6">
        <source>&amp;Statistics …</source>
        <translation>&amp;Estadísticas…</translation>
    </message>
    <message id="t19">
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message id="t20">
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message id="t21">
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message id="t22">
        <source>&amp;Hint</source>
        <translation>P&amp;ista</translation>
    </message>
    <message id="t23">
        <source>&amp;Solve</source>
        <translation>&amp;Resolver</translation>
    </message>
    <message id="t24">
        <source>&amp;Animation</source>
        <translation>&amp;Animación</translation>
    </message>
    <message id="t25">
        <source>So&amp;und effects</source>
        <translation>&amp;Efectos de sonido</translation>
    </message>
    <message id="t26">
        <source>&amp;Music</source>
        <translation>&amp;Música</translation>
    </message>
    <message id="t27">
        <source>&amp;Size</source>
        <translation>&amp;Tamaño</translation>
    </message>
    <message id="t28">
        <source>Appeara&amp;nce</source>
        <translation>Aparien&amp;cia</translation>
    </message>
    <message id="t30">
        <source>Lan&amp;guage</source>
        <translation>&amp;Idioma</translation>
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
        <translation>&amp;Ayuda</translation>
    </message>
    <message id="t52">
        <source>&amp;About</source>
        <translation>A&amp;cerca de</translation>
    </message>
    <message id="t53">
        <source>&amp;Keyboard shortcuts</source>
        <translation>Atajos de &amp;teclado</translation>
    </message>
    <message id="t100">
        <source>Info about </source>
        <translation>Acerca de </translation>
    </message>
    <message id="t101">
        <source>Version :</source>
        <translation>Versión:</translation>
    </message>
    <message id="t200">
        <source>Hall of fame</source>
        <translation>Cuadro de honor</translation>
    </message>
    <message id="t201">
        <source>Name                         Moves    Time</source>
        <translation>Nombre                       Movs.    Tiempo</translation>
    </message>
    <message id="t202">
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message id="t203">
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message id="t204">
        <source>Pieces</source>
        <translation>Piezas</translation>
    </message>
    <message id="t300">
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message id="t301">
        <source>Version</source>
        <translation>Variante</translation>
    </message>
    <message id="t310">
        <source>Number of pieces</source>
        <translation>Número de piezas</translation>
    </message>
    <message id="t311">
        <source>pieces</source>
        <translation>piezas</translation>
    </message>
    <message id="t320">
        <source>Image subject</source>
        <translation>Imagen</translation>
    </message>
    <message id="t321">
        <source>Convert image into a black-and-white image</source>
        <translation>Convertir la imagen a blanco y negro</translation>
    </message>
    <message id="t322">
        <source>Hide preview display during the game</source>
        <translation>Ocultar la vista previa durante la partida</translation>
    </message>
    <message id="t323">
        <source>Select empty field randomly</source>
        <translation>Elegir la casilla vacía al azar</translation>
    </message>
    <message id="t324">
        <source>Cut a square from the middle</source>
        <translation>Recortar un cuadrado del centro</translation>
    </message>
    <message id="t325">
        <source>&amp;Browse ...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message id="t326">
        <source>Choose a picture</source>
        <translation>Elegir una imagen</translation>
    </message>
    <message id="t327">
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message id="t330">
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message id="t331">
        <source>E&amp;xit game</source>
        <translation>&amp;Salir del juego</translation>
    </message>
    <message id="t332">
        <source>&amp;Back to the game</source>
        <translation>&amp;Volver al juego</translation>
    </message>
    <message id="t503">
        <source>Sorry, but this is not enough to enter 

         the hall of fame.</source>
        <translation>Lo sentimos, este resultado no basta para entrar

en el cuadro de honor.</translation>
    </message>
    <message id="t504">
        <source>You have reached the maximum number of permitted moves 

 whithout finishing the jigsaw.</source>
        <translation>Has alcanzado el número máximo de movimientos permitidos

sin terminar el rompecabezas.</translation>
    </message>
    <message id="t505">
        <source>You have used up all the available time without finishing the jigsaw.</source>
        <translation>Has agotado todo el tiempo disponible sin terminar el rompecabezas.</translation>
    </message>
    <message id="t506">
        <source>Solved with help – no entry in the list of best results.</source>
        <translation>Resuelto con ayuda: no entra en el cuadro de honor.</translation>
    </message>
    <message id="t600">
        <source>The saved game was damaged and has been set aside as %1.

A new game begins.</source>
        <translation>La partida guardada estaba dañada y se ha guardado aparte como %1.

Empieza una nueva partida.</translation>
    </message>
    <message id="t601">
        <source>Tavelor is already running in this folder.

Games in this window will not be kept for the next start.</source>
        <translation>Tavelor ya se está ejecutando en esta carpeta.

Las partidas de esta ventana no se conservarán para el próximo inicio.</translation>
    </message>
    <message id="t602">
        <source>The folder %1 cannot be written.

The saved game goes on, but it will not be kept any more.</source>
        <translation>No se puede escribir en la carpeta %1.

La partida guardada continúa, pero ya no se conservará.</translation>
    </message>
    <message id="t603">
        <source>%1 is a folder.

Games cannot be kept for the next start.</source>
        <translation>%1 es una carpeta.

Las partidas no se pueden conservar para el próximo inicio.</translation>
    </message>
    <message id="t604">
        <source>Give up the game in progress and start a new one?</source>
        <translation>¿Abandonar la partida en curso y empezar una nueva?</translation>
    </message>
    <message id="t605">
        <source>Do not ask again</source>
        <translation>No volver a preguntar</translation>
    </message>
    <message id="t606">
        <source>Give up the game?</source>
        <translation>¿Abandonar la partida?</translation>
    </message>
    <message id="t607">
        <source>&amp;New game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message id="t608">
        <source>&amp;Keep playing</source>
        <translation>&amp;Seguir jugando</translation>
    </message>
    <message id="t650">
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message id="t651">
        <source>&amp;Variant and size:</source>
        <translation>&amp;Variante y tamaño:</translation>
    </message>
    <message id="t652">
        <source>%1, %2 × %2</source>
        <translation>%1, %2 × %2</translation>
    </message>
    <message id="t653">
        <source>No games recorded yet.</source>
        <translation>Todavía no hay partidas registradas.</translation>
    </message>
    <message id="t654">
        <source>Played</source>
        <translation>Jugadas</translation>
    </message>
    <message id="t655">
        <source>Solved</source>
        <translation>Resueltas</translation>
    </message>
    <message id="t656">
        <source>With help</source>
        <translation>Con ayuda</translation>
    </message>
    <message id="t657">
        <source>Abandoned</source>
        <translation>Abandonadas</translation>
    </message>
    <message id="t658">
        <source>Limit reached</source>
        <translation>Límite alcanzado</translation>
    </message>
    <message id="t659">
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message id="t660">
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message id="t661">
        <source>Median</source>
        <translation>Mediana</translation>
    </message>
    <message id="t662">
        <source>Average of the last 5</source>
        <translation>Media de las últimas 5</translation>
    </message>
    <message id="t663">
        <source>Average of the last 12</source>
        <translation>Media de las últimas 12</translation>
    </message>
    <message id="t664">
        <source>Moves per second</source>
        <translation>Movimientos por segundo</translation>
    </message>
    <message id="t665">
        <source>Times and moves count only games solved without help. The averages of the last 5 and 12 leave out the best and the worst.</source>
        <translation>Los tiempos y los movimientos solo tienen en cuenta las partidas resueltas sin ayuda. Las medias de las últimas 5 y 12 excluyen la mejor y la peor.</translation>
    </message>
    <message id="t666" numerus="yes">
        <source>The last %1 games</source>
        <translation>
            <numerusform>%1 partida reciente</numerusform>
            <numerusform>Las últimas %1 partidas</numerusform>
        </translation>
    </message>
    <message id="t667">
        <source>solved</source>
        <translation>resuelta</translation>
    </message>
    <message id="t668">
        <source>with help</source>
        <translation>con ayuda</translation>
    </message>
    <message id="t669">
        <source>not solved</source>
        <translation>sin resolver</translation>
    </message>
    <message id="t670">
        <source>Time and moves of the last games</source>
        <translation>Tiempo y movimientos de las últimas partidas</translation>
    </message>
    <message id="t671">
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message id="t672">
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message id="t673">
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message id="t674">
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message id="t675">
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message id="t676">
        <source>Move limit</source>
        <translation>Límite de movimientos</translation>
    </message>
    <message id="t677">
        <source>Time limit</source>
        <translation>Límite de tiempo</translation>
    </message>
    <message id="t678">
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message id="t679">
        <source>built-in picture</source>
        <translation>imagen integrada</translation>
    </message>
    <message id="t680">
        <source>&amp;Recorded games, newest first:</source>
        <translation>&amp;Partidas registradas, las más recientes primero:</translation>
    </message>
    <message id="t681">
        <source>Save as &amp;CSV …</source>
        <translation>Guardar como &amp;CSV…</translation>
    </message>
    <message id="t682">
        <source>&amp;Clear statistics</source>
        <translation>&amp;Borrar estadísticas</translation>
    </message>
    <message id="t683">
        <source>C&amp;lose</source>
        <translation>C&amp;errar</translation>
    </message>
    <message id="t684">
        <source>Save statistics as CSV</source>
        <translation>Guardar estadísticas como CSV</translation>
    </message>
    <message id="t685">
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message id="t686">
        <source>tavelor-statistics.csv</source>
        <translation>tavelor-estadisticas.csv</translation>
    </message>
    <message id="t687">
        <source>The file could not be written:

%1</source>
        <translation>No se pudo escribir el archivo:

%1</translation>
    </message>
    <message id="t688">
        <source>Clear all statistics?

Every recorded game is lost; the best results stay.</source>
        <translation>¿Borrar todas las estadísticas?

Se perderán todas las partidas registradas; el cuadro de honor se conserva.</translation>
    </message>
    <message id="t689">
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message id="t690">
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message id="t691">
        <source>The statistics could not be cleared.</source>
        <translation>No se pudieron borrar las estadísticas.</translation>
    </message>
    <message id="t692">
        <source>The stored statistics were damaged or do not belong to this game. They have been set aside as

%1

The statistics start afresh.</source>
        <translation>Las estadísticas guardadas estaban dañadas o no pertenecen a este juego. Se han guardado aparte como

%1

Las estadísticas empiezan de cero.</translation>
    </message>
    <message id="t693">
        <source>The statistics cannot be stored:

%1

Play goes on; its games are recorded as soon as that works again.</source>
        <translation>No se pueden guardar las estadísticas:

%1

El juego continúa; sus partidas se registrarán en cuanto vuelva a ser posible.</translation>
    </message>
    <message id="t694">
        <source>Figures</source>
        <translation>Cifras clave</translation>
    </message>
    <message id="t700">
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message id="t701">
        <source>&amp;Light</source>
        <translation>&amp;Claro</translation>
    </message>
    <message id="t702">
        <source>&amp;Dark</source>
        <translation>&amp;Oscuro</translation>
    </message>
    <message id="t720">
        <source>Tavelor – Keyboard shortcuts</source>
        <translation>Tavelor – Atajos de teclado</translation>
    </message>
    <message id="t721">
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message id="t722">
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message id="t723">
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message id="t724">
        <source>Variant 1: slide the tile beside the empty field into it</source>
        <translation>Variante 1: deslizar a la casilla vacía la pieza contigua</translation>
    </message>
    <message id="t725">
        <source>Variant 2: move the frame</source>
        <translation>Variante 2: mover el marco</translation>
    </message>
    <message id="t726">
        <source>Variant 2: shift the frame&apos;s row or column</source>
        <translation>Variante 2: desplazar la fila o la columna del marco</translation>
    </message>
    <message id="t727">
        <source>Variant 3: move the ring</source>
        <translation>Variante 3: mover el anillo</translation>
    </message>
    <message id="t728">
        <source>Variant 3: turn clockwise</source>
        <translation>Variante 3: girar en sentido horario</translation>
    </message>
    <message id="t729">
        <source>Variant 3: turn counter-clockwise</source>
        <translation>Variante 3: girar en sentido antihorario</translation>
    </message>
    <message id="t730">
        <source>Step the tile numbers</source>
        <translation>Cambiar la vista de los números de las piezas</translation>
    </message>
    <message id="t731">
        <source>Arrow keys</source>
        <translation>Teclas de flecha</translation>
    </message>
    <message id="t732">
        <source>Shift+arrow keys</source>
        <translation>Mayús+teclas de flecha</translation>
    </message>
    <message id="t733">
        <source>Space or Return</source>
        <translation>Espacio o Intro</translation>
    </message>
    <message id="t734">
        <source>Shift+Space or Backspace</source>
        <translation>Mayús+Espacio o Retroceso</translation>
    </message>
    <message id="t735">
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message id="t740">
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>Software libre bajo la GNU General Public License, versión 3 o posterior (GPL-3.0-or-later)</translation>
    </message>
    <message id="t741">
        <source>Pictures, sounds and translations are the project&apos;s own work.</source>
        <translation>Las imágenes, los sonidos y las traducciones son obra propia del proyecto.</translation>
    </message>
    <message id="t750">
        <source>Usage: tavelor [OPTION …]
A picture puzzle: put a scrambled picture back together.

  --portable     read and write the working folder, even when installed
  -h, --help     show this help and exit
  -v, --version  show the version and exit
</source>
        <translation>Uso: tavelor [OPCIÓN …]
Un rompecabezas de imágenes: recompón una imagen desordenada.

  --portable     leer y escribir en la carpeta de trabajo, aunque el juego esté instalado
  -h, --help     mostrar esta ayuda y salir
  -v, --version  mostrar la versión y salir
</translation>
    </message>
    <message id="t751">
        <source>Usage: tavelor [--portable] [--help] [--version]</source>
        <translation>Uso: tavelor [--portable] [--help] [--version]</translation>
    </message>
    <message id="t752">
        <source>tavelor: unknown option &apos;%1&apos;</source>
        <translation>tavelor: opción desconocida «%1»</translation>
    </message>
    <message id="t753">
        <source>tavelor: unexpected argument &apos;%1&apos;</source>
        <translation>tavelor: argumento inesperado «%1»</translation>
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
        <translation>No se cumple uno de los siguientes requisitos del sistema.

- resolución de pantalla de 800x600 píxeles o superior
- profundidad de color de 16 bits (Hi-Color)

Corrige la configuración para cumplir los requisitos
del sistema y reinicia el juego.</translation>
    </message>
    <message id="t801">
        <source>The list with the best results could not be stored.

An access error occured.</source>
        <translation>No se pudo guardar el cuadro de honor.

Se ha producido un error de acceso.</translation>
    </message>
    <message id="t802">
        <source>The list with the best results cannot be stored

because the programme was started from a CD-ROM.</source>
        <translation>No se puede guardar el cuadro de honor

porque el programa se inició desde un CD-ROM.</translation>
    </message>
    <message id="t803">
        <source>The following file could not be found:

</source>
        <translation>No se encontró el siguiente archivo:

</translation>
    </message>
    <message id="t804">
        <source>The file you selected does not have the correct graphics format.</source>
        <translation>El archivo elegido no tiene un formato de imagen válido.</translation>
    </message>
    <message id="t805">
        <source>The image path \images cannot be found.

The programme will now be exited.</source>
        <translation>No se encuentra la carpeta \images.

El programa se cerrará.</translation>
    </message>
    <message id="t806">
        <source>No images found in the path \image.</source>
        <translation>No hay imágenes en la carpeta \images.</translation>
    </message>
    <message id="t807">
        <source>The image could not be copied into the following folder:

</source>
        <translation>No se pudo copiar la imagen en la siguiente carpeta:

</translation>
    </message>
    <message id="t808">
        <source>At the chosen scaling of %1 %, the screen offers only %2 × %3 points; the game needs at least 800 × 600.

Please set the scaling to %4 % or less and restart the game.</source>
        <translation>Con la escala elegida del %1 %, la pantalla solo ofrece %2 × %3 puntos; el juego necesita al menos 800 × 600.

Ajusta la escala al %4 % o menos y reinicia el juego.</translation>
    </message>
    <message id="t810">
        <source>The picture you selected is too large to be loaded.</source>
        <translation>La imagen elegida es demasiado grande para cargarla.</translation>
    </message>
    <message id="t811">
        <source>The file you selected is damaged or incomplete.</source>
        <translation>El archivo elegido está dañado o incompleto.</translation>
    </message>
    <message id="t812">
        <source>The file you selected does not contain a picture.</source>
        <translation>El archivo elegido no contiene ninguna imagen.</translation>
    </message>
    <message id="t813">
        <source>The saved game was damaged and has been set aside as spiel.dat.defekt.

A new game begins.</source>
        <translation>La partida guardada estaba dañada y se ha guardado aparte como spiel.dat.defekt.

Empieza una nueva partida.</translation>
    </message>
    <message id="t814">
        <source>The picture of the saved game is missing or has changed.

The game goes on with the built-in picture.</source>
        <translation>Falta la imagen de la partida guardada o ha cambiado.

La partida continúa con la imagen integrada.</translation>
    </message>
    <message id="t900">
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message id="t901">
        <source>Tile %1 at row %2, column %3</source>
        <translation>Pieza %1 en la fila %2, columna %3</translation>
    </message>
    <message id="t902">
        <source>Empty field at row %1, column %2</source>
        <translation>Casilla vacía en la fila %1, columna %2</translation>
    </message>
    <message id="t903">
        <source>in place</source>
        <translation>en su sitio</translation>
    </message>
    <message id="t904">
        <source>out of place</source>
        <translation>fuera de su sitio</translation>
    </message>
    <message id="t905">
        <source>Moves</source>
        <translation>Movimientos</translation>
    </message>
    <message id="t906">
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message id="t910">
        <source>Variant 1: empty field</source>
        <translation>Variante 1: casilla vacía</translation>
    </message>
    <message id="t911">
        <source>Variant 2: rows and columns</source>
        <translation>Variante 2: filas y columnas</translation>
    </message>
    <message id="t912">
        <source>Variant 3: axes</source>
        <translation>Variante 3: ejes</translation>
    </message>
    <message id="t913">
        <source>Axis %1: rows %2–%3, columns %4–%5</source>
        <translation>Eje %1: filas %2 y %3, columnas %4 y %5</translation>
    </message>
    <message id="t914">
        <source>Moves: %1</source>
        <translation>Movimientos: %1</translation>
    </message>
    <message id="t915">
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message id="t916" numerus="yes">
        <source>%1 seconds</source>
        <translation>
            <numerusform>%1 segundo</numerusform>
            <numerusform>%1 segundos</numerusform>
        </translation>
    </message>
    <message id="t917">
        <source>1 second</source>
        <translation>1 segundo</translation>
    </message>
    <message id="t918" numerus="yes">
        <source>%1 minutes</source>
        <translation>
            <numerusform>%1 minuto</numerusform>
            <numerusform>%1 minutos</numerusform>
        </translation>
    </message>
    <message id="t919">
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message id="t920" numerus="yes">
        <source>%1 minutes %2 seconds</source>
        <translation>
            <numerusform>%1 minutos y %2 segundo</numerusform>
            <numerusform>%1 minutos y %2 segundos</numerusform>
        </translation>
    </message>
    <message id="t921" numerus="yes">
        <source>%1 minutes 1 second</source>
        <translation>
            <numerusform>%1 minuto y 1 segundo</numerusform>
            <numerusform>%1 minutos y 1 segundo</numerusform>
        </translation>
    </message>
    <message id="t922" numerus="yes">
        <source>1 minute %1 seconds</source>
        <translation>
            <numerusform>1 minuto y %1 segundo</numerusform>
            <numerusform>1 minuto y %1 segundos</numerusform>
        </translation>
    </message>
    <message id="t923">
        <source>1 minute 1 second</source>
        <translation>1 minuto y 1 segundo</translation>
    </message>
    <message id="t924">
        <source>Place</source>
        <translation>Puesto</translation>
    </message>
    <message id="t925">
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message id="t926">
        <source>Name for place %1</source>
        <translation>Nombre para el puesto %1</translation>
    </message>
    <message id="t950">
        <source>%1 %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message id="t8">
        <source>Res&amp;tart this board</source>
        <translation>Reiniciar este &amp;tablero</translation>
    </message>
    <message id="t9">
        <source>&amp;Copy game code</source>
        <translation>C&amp;opiar código de partida</translation>
    </message>
    <message id="t10">
        <source>&amp;Enter game code …</source>
        <translation>&amp;Introducir código de partida…</translation>
    </message>
    <message id="t11">
        <source>Today&apos;s &amp;puzzle</source>
        <translation>Rompecabezas de &amp;hoy</translation>
    </message>
    <message id="t29">
        <source>Solve spee&amp;d</source>
        <translation>&amp;Velocidad de resolución</translation>
    </message>
    <message id="t400" numerus="yes">
        <source>%1 moves a second</source>
        <translation>
            <numerusform>%1 movimiento por segundo</numerusform>
            <numerusform>%1 movimientos por segundo</numerusform>
        </translation>
    </message>
    <message id="t401">
        <source>%1 move a second</source>
        <translation>%1 movimiento por segundo</translation>
    </message>
    <message id="t450">
        <source>Enter game code</source>
        <translation>Introducir código de partida</translation>
    </message>
    <message id="t451">
        <source>Game code, for example from another player:</source>
        <translation>Código de partida, por ejemplo de otro jugador:</translation>
    </message>
    <message id="t452">
        <source>&amp;Play</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message id="t453">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="t454">
        <source>This is not a Tavelor game code. A game code begins with TAV1-.</source>
        <translation>Esto no es un código de partida de Tavelor. Un código de partida empieza por TAV1-.</translation>
    </message>
    <message id="t455">
        <source>This game code comes from a newer version of Tavelor and cannot be played here.</source>
        <translation>Este código de partida procede de una versión más reciente de Tavelor y no se puede jugar aquí.</translation>
    </message>
    <message id="t456">
        <source>The game code is incomplete or too long.</source>
        <translation>El código de partida está incompleto o es demasiado largo.</translation>
    </message>
    <message id="t457">
        <source>The game code contains a typo: the check characters at its end do not match the rest.</source>
        <translation>El código de partida contiene un error tipográfico: los caracteres de control del final no coinciden con el resto.</translation>
    </message>
    <message id="t458">
        <source>The game code names none of the three variants.</source>
        <translation>El código de partida no indica ninguna de las tres variantes.</translation>
    </message>
    <message id="t459">
        <source>The game code names a board size outside 3 × 3 to 6 × 6.</source>
        <translation>El código de partida indica un tamaño de tablero fuera del rango de 3 × 3 a 6 × 6.</translation>
    </message>
    <message id="t460">
        <source>The game code holds no complete board: every tile must appear exactly once.</source>
        <translation>El código de partida no contiene un tablero completo: cada pieza debe aparecer exactamente una vez.</translation>
    </message>
    <message id="t461">
        <source>The board of this game code cannot be solved in its variant.</source>
        <translation>El tablero de este código de partida no se puede resolver en su variante.</translation>
    </message>
    <message id="t462">
        <source>The game code is damaged: it contains characters that do not belong in it.</source>
        <translation>El código de partida está dañado: contiene caracteres que no le corresponden.</translation>
    </message>
    <message id="t463">
        <source>The picture “%1” is not in the picture folder. The built-in picture is used instead.</source>
        <translation>La imagen «%1» no está en la carpeta de imágenes. Se usa la imagen integrada en su lugar.</translation>
    </message>
    <message id="t464">
        <source>Today&apos;s puzzle – days played: %1, in a row: %2</source>
        <translation>Rompecabezas de hoy – días jugados: %1, seguidos: %2</translation>
    </message>
    <message id="t7">
        <source>&amp;Watch last game</source>
        <translation>&amp;Ver la última partida</translation>
    </message>
    <message id="t410">
        <source>Replay</source>
        <translation>Repetición</translation>
    </message>
    <message id="t411">
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message id="t412">
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message id="t413">
        <source>Step bac&amp;k</source>
        <translation>Paso &amp;atrás</translation>
    </message>
    <message id="t414">
        <source>Step &amp;forward</source>
        <translation>Paso a&amp;delante</translation>
    </message>
    <message id="t415">
        <source>Choose move</source>
        <translation>Elegir movimiento</translation>
    </message>
    <message id="t416">
        <source>Moves per second</source>
        <translation>Movimientos por segundo</translation>
    </message>
    <message id="t417">
        <source>&amp;Back to the game</source>
        <translation>&amp;Volver a la partida</translation>
    </message>
    <message id="t418">
        <source>Move %1 of %2</source>
        <translation>Movimiento %1 de %2</translation>
    </message>
    <message id="t419">
        <source>&amp;Watch</source>
        <translation>&amp;Ver</translation>
    </message>
    <message id="t420">
        <source>This game cannot be shown: its start board or its moves cannot be read.</source>
        <translation>No se puede mostrar esta partida: su tablero inicial o sus movimientos no se pueden leer.</translation>
    </message>
    <message id="t421">
        <source>No game has been recorded yet.</source>
        <translation>Todavía no se ha registrado ninguna partida.</translation>
    </message>
    <message id="t422">
        <source> moves/s</source>
        <translation> movs./s</translation>
    </message>
</context>
</TS>
