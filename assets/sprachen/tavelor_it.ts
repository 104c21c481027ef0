<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name></name>
    <message id="t0">
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message id="t1">
        <source>&amp;New game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message id="t2">
        <source>&amp;Best results...</source>
        <translation>&amp;Classifica…</translation>
    </message>
    <message id="t3">
        <source>New game &amp;as before</source>
        <translation>Nuova partita come la &amp;precedente</translation>
    </message>
    <message id="t4">
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message id="t5">
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message id="t6">
        <source>&amp;Statistics …</source>
        <translation>&amp;Statistiche…</translation>
    </message>
    <message id="t19">
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message id="t20">
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message id="t21">
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message id="t22">
        <source>&amp;Hint</source>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message id="t23">
        <source>&amp;Solve</source>
        <translation>&amp;Risolvi</translation>
    </message>
    <message id="t24">
        <source>&amp;Animation</source>
        <translation>&amp;Animazione</translation>
    </message>
    <message id="t25">
        <source>So&amp;und effects</source>
        <translation>&amp;Effetti sonori</translation>
    </message>
    <message id="t26">
        <source>&amp;Music</source>
        <translation>&amp;Musica</translation>
    </message>
    <message id="t27">
        <source>&amp;Size</source>
        <translation>&amp;Dimensione</translation>
    </message>
    <message id="t28">
        <source>Appeara&amp;nce</source>
        <translation>Aspe&amp;tto</translation>
    </message>
    <message id="t30">
        <source>Lan&amp;guage</source>
        <translation>&amp;Lingua</translation>
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
        <translation>&amp;Guida</translation>
    </message>
    <message id="t52">
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message id="t53">
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Scorciatoie da tastiera</translation>
    </message>
    <message id="t100">
        <source>Info about </source>
        <translation>Informazioni su </translation>
    </message>
    <message id="t101">
        <source>Version :</source>
        <translation>Versione:</translation>
    </message>
    <message id="t200">
        <source>Hall of fame</source>
        <translation>Classifica</translation>
    </message>
    <message id="t201">
        <source>Name                         Moves    Time</source>
        <translation>Nome                         Mosse    Tempo</translation>
    </message>
    <message id="t202">
        <source>&amp;Delete</source>
        <translation>&amp;Cancella</translation>
    </message>
    <message id="t203">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="t204">
        <source>Pieces</source>
        <translation>Tessere</translation>
    </message>
    <message id="t300">
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message id="t301">
        <source>Version</source>
        <translation>Variante</translation>
    </message>
    <message id="t310">
        <source>Number of pieces</source>
        <translation>Numero di tessere</translation>
    </message>
    <message id="t311">
        <source>pieces</source>
        <translation>tessere</translation>
    </message>
    <message id="t320">
        <source>Image subject</source>
        <translation>Immagine</translation>
    </message>
    <message id="t321">
        <source>Convert image into a black-and-white image</source>
        <translation>Converti l&apos;immagine in bianco e nero</translation>
    </message>
    <message id="t322">
        <source>Hide preview display during the game</source>
        <translation>Nascondi l&apos;anteprima durante la partita</translation>
    </message>
    <message id="t323">
        <source>Select empty field randomly</source>
        <translation>Scegli la casella vuota a caso</translation>
    </message>
    <message id="t324">
        <source>Cut a square from the middle</source>
        <translation>Ritaglia un quadrato dal centro</translation>
    </message>
    <message id="t325">
        <source>&amp;Browse ...</source>
        <translation>&amp;Sfoglia…</translation>
    </message>
    <message id="t326">
        <source>Choose a picture</source>
        <translation>Scegli un&apos;immagine</translation>
    </message>
    <message id="t327">
        <source>Pictures</source>
        <translation>Immagini</translation>
    </message>
    <message id="t330">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="t331">
        <source>E&amp;xit game</source>
        <translation>&amp;Esci dal gioco</translation>
    </message>
    <message id="t332">
        <source>&amp;Back to the game</source>
        <translation>&amp;Torna alla partita</translation>
    </message>
    <message id="t503">
        <source>Sorry, but this is not enough to enter 

         the hall of fame.</source>
        <translation>Purtroppo questo risultato non basta

per entrare in classifica.</translation>
    </message>
    <message id="t504">
        <source>You have reached the maximum number of permitted moves 

 whithout finishing the jigsaw.</source>
        <translation>Hai raggiunto il numero massimo di mosse consentite

senza completare il puzzle.</translation>
    </message>
    <message id="t505">
        <source>You have used up all the available time without finishing the jigsaw.</source>
        <translation>Hai esaurito il tempo disponibile senza completare il puzzle.</translation>
    </message>
    <message id="t506">
        <source>Solved with help – no entry in the list of best results.</source>
        <translation>Risolto con aiuto – non entra in classifica.</translation>
    </message>
    <message id="t600">
        <source>The saved game was damaged and has been set aside as %1.

A new game begins.</source>
        <translation>La partita salvata era danneggiata ed è stata messa da parte come %1.

Inizia una nuova partita.</translation>
    </message>
    <message id="t601">
        <source>Tavelor is already running in this folder.

Games in this window will not be kept for the next start.</source>
        <translation>Tavelor è già in esecuzione in questa cartella.

Le partite giocate in questa finestra non saranno conservate per il prossimo avvio.</translation>
    </message>
    <message id="t602">
        <source>The folder %1 cannot be written.

The saved game goes on, but it will not be kept any more.</source>
        <translation>Impossibile scrivere nella cartella %1.

La partita salvata continua, ma non sarà più conservata.</translation>
    </message>
    <message id="t603">
        <source>%1 is a folder.

Games cannot be kept for the next start.</source>
        <translation>%1 è una cartella.

Le partite non possono essere conservate per il prossimo avvio.</translation>
    </message>
    <message id="t604">
        <source>Give up the game in progress and start a new one?</source>
        <translation>Abbandonare la partita in corso e iniziarne una nuova?</translation>
    </message>
    <message id="t605">
        <source>Do not ask again</source>
        <translation>Non chiedere più</translation>
    </message>
    <message id="t606">
        <source>Give up the game?</source>
        <translation>Abbandonare la partita?</translation>
    </message>
    <message id="t607">
        <source>&amp;New game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message id="t608">
        <source>&amp;Keep playing</source>
        <translation>&amp;Continua a giocare</translation>
    </message>
    <message id="t650">
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message id="t651">
        <source>&amp;Variant and size:</source>
        <translation>&amp;Variante e dimensione:</translation>
    </message>
    <message id="t652">
        <source>%1, %2 × %2</source>
        <translation>%1, %2 × %2</translation>
    </message>
    <message id="t653">
        <source>No games recorded yet.</source>
        <translation>Ancora nessuna partita registrata.</translation>
    </message>
    <message id="t654">
        <source>Played</source>
        <translation>Giocate</translation>
    </message>
    <message id="t655">
        <source>Solved</source>
        <translation>Risolte</translation>
    </message>
    <message id="t656">
        <source>With help</source>
        <translation>Con aiuto</translation>
    </message>
    <message id="t657">
        <source>Abandoned</source>
        <translation>Abbandonate</translation>
    </message>
    <message id="t658">
        <source>Limit reached</source>
        <translation>Limite raggiunto</translation>
    </message>
    <message id="t659">
        <source>Best</source>
        <translation>Migliore</translation>
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
        <translation>Media delle ultime 5</translation>
    </message>
    <message id="t663">
        <source>Average of the last 12</source>
        <translation>Media delle ultime 12</translation>
    </message>
    <message id="t664">
        <source>Moves per second</source>
        <translation>Mosse al secondo</translation>
    </message>
    <message id="t665">
        <source>Times and moves count only games solved without help. The averages of the last 5 and 12 leave out the best and the worst.</source>
        <translation>Per tempi e mosse contano solo le partite risolte senza aiuto. Le medie delle ultime 5 e 12 escludono la migliore e la peggiore.</translation>
    </message>
    <message id="t666" numerus="yes">
        <source>The last %1 games</source>
        <translation>
            <numerusform>%1 partita recente</numerusform>
            <numerusform>Le ultime %1 partite</numerusform>
        </translation>
    </message>
    <message id="t667">
        <source>solved</source>
        <translation>risolta</translation>
    </message>
    <message id="t668">
        <source>with help</source>
        <translation>con aiuto</translation>
    </message>
    <message id="t669">
        <source>not solved</source>
        <translation>non risolta</translation>
    </message>
    <message id="t670">
        <source>Time and moves of the last games</source>
        <translation>Tempo e mosse delle ultime partite</translation>
    </message>
    <message id="t671">
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message id="t672">
        <source>Ended</source>
        <translation>Terminata</translation>
    </message>
    <message id="t673">
        <source>Outcome</source>
        <translation>Esito</translation>
    </message>
    <message id="t674">
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message id="t675">
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message id="t676">
        <source>Move limit</source>
        <translation>Limite di mosse</translation>
    </message>
    <message id="t677">
        <source>Time limit</source>
        <translation>Limite di tempo</translation>
    </message>
    <message id="t678">
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message id="t679">
        <source>built-in picture</source>
        <translation>immagine integrata</translation>
    </message>
    <message id="t680">
        <source>&amp;Recorded games, newest first:</source>
        <translation>&amp;Partite registrate, dalla più recente:</translation>
    </message>
    <message id="t681">
        <source>Save as &amp;CSV …</source>
        <translation>&amp;Salva come CSV…</translation>
    </message>
    <message id="t682">
        <source>&amp;Clear statistics</source>
        <translation>&amp;Azzera statistiche</translation>
    </message>
    <message id="t683">
        <source>C&amp;lose</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message id="t684">
        <source>Save statistics as CSV</source>
        <translation>Salva le statistiche come CSV</translation>
    </message>
    <message id="t685">
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message id="t686">
        <source>tavelor-statistics.csv</source>
        <translation>tavelor-statistiche.csv</translation>
    </message>
    <message id="t687">
        <source>The file could not be written:

%1</source>
        <translation>Impossibile scrivere il file:

%1</translation>
    </message>
    <message id="t688">
        <source>Clear all statistics?

Every recorded game is lost; the best results stay.</source>
        <translation>Azzerare tutte le statistiche?

Tutte le partite registrate andranno perse; la classifica resta invariata.</translation>
    </message>
    <message id="t689">
        <source>&amp;Clear</source>
        <translation>A&amp;zzera</translation>
    </message>
    <message id="t690">
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message id="t691">
        <source>The statistics could not be cleared.</source>
        <translation>Impossibile azzerare le statistiche.</translation>
    </message>
    <message id="t692">
        <source>The stored statistics were damaged or do not belong to this game. They have been set aside as

%1

The statistics start afresh.</source>
        <translation>Le statistiche salvate erano danneggiate o non appartengono a questo gioco. Sono state messe da parte come

%1

Le statistiche ripartono da zero.</translation>
    </message>
    <message id="t693">
        <source>The statistics cannot be stored:

%1

Play goes on; its games are recorded as soon as that works again.</source>
        <translation>Impossibile salvare le statistiche:

%1

Si continua a giocare; le partite verranno registrate non appena sarà di nuovo possibile.</translation>
    </message>
    <message id="t694">
        <source>Figures</source>
        <translation>Dati</translation>
    </message>
    <message id="t700">
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message id="t701">
        <source>&amp;Light</source>
        <translation>&amp;Chiaro</translation>
    </message>
    <message id="t702">
        <source>&amp;Dark</source>
        <translation>Sc&amp;uro</translation>
    </message>
    <message id="t720">
        <source>Tavelor – Keyboard shortcuts</source>
        <translation>Tavelor – Scorciatoie da tastiera</translation>
    </message>
    <message id="t721">
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message id="t722">
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message id="t723">
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message id="t724">
        <source>Variant 1: slide the tile beside the empty field into it</source>
        <translation>Variante 1: fai scorrere nella casella vuota la tessera accanto</translation>
    </message>
    <message id="t725">
        <source>Variant 2: move the frame</source>
        <translation>Variante 2: sposta la cornice</translation>
    </message>
    <message id="t726">
        <source>Variant 2: shift the frame&apos;s row or column</source>
        <translation>Variante 2: fai scorrere la riga o la colonna della cornice</translation>
    </message>
    <message id="t727">
        <source>Variant 3: move the ring</source>
        <translation>Variante 3: sposta l&apos;anello</translation>
    </message>
    <message id="t728">
        <source>Variant 3: turn clockwise</source>
        <translation>Variante 3: ruota in senso orario</translation>
    </message>
    <message id="t729">
        <source>Variant 3: turn counter-clockwise</source>
        <translation>Variante 3: ruota in senso antiorario</translation>
    </message>
    <message id="t730">
        <source>Step the tile numbers</source>
        <translation>Cambia la visualizzazione dei numeri delle tessere</translation>
    </message>
    <message id="t731">
        <source>Arrow keys</source>
        <translation>Tasti freccia</translation>
    </message>
    <message id="t732">
        <source>Shift+arrow keys</source>
        <translation>Maiusc+tasti freccia</translation>
    </message>
    <message id="t733">
        <source>Space or Return</source>
        <translation>Spazio o Invio</translation>
    </message>
    <message id="t734">
        <source>Shift+Space or Backspace</source>
        <translation>Maiusc+Spazio o Backspace</translation>
    </message>
    <message id="t735">
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message id="t740">
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>Software libero distribuito secondo la GNU General Public License, versione 3 o successiva (GPL-3.0-or-later)</translation>
    </message>
    <message id="t741">
        <source>Pictures, sounds and translations are the project&apos;s own work.</source>
        <translation>Immagini, suoni e traduzioni sono opera del progetto stesso.</translation>
    </message>
    <message id="t750">
        <source>Usage: tavelor [OPTION …]
A picture puzzle: put a scrambled picture back together.

  --portable     read and write the working folder, even when installed
  -h, --help     show this help and exit
  -v, --version  show the version and exit
</source>
        <translation>Uso: tavelor [OPZIONE …]
Un puzzle di immagini: ricomponi un&apos;immagine mescolata.

  --portable     legge e scrive nella cartella di lavoro, anche se installato
  -h, --help     mostra questo aiuto ed esce
  -v, --version  mostra la versione ed esce
</translation>
    </message>
    <message id="t751">
        <source>Usage: tavelor [--portable] [--help] [--version]</source>
        <translation>Uso: tavelor [--portable] [--help] [--version]</translation>
    </message>
    <message id="t752">
        <source>tavelor: unknown option &apos;%1&apos;</source>
        <translation>tavelor: opzione sconosciuta «%1»</translation>
    </message>
    <message id="t753">
        <source>tavelor: unexpected argument &apos;%1&apos;</source>
        <translation>tavelor: argomento inatteso «%1»</translation>
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
        <translation>Uno dei seguenti requisiti di sistema non è soddisfatto.

- risoluzione dello schermo di almeno 800x600 pixel
- profondità di colore di almeno 16 bit (Hi-Color)

Modifica le impostazioni in modo da soddisfare i requisiti
di sistema e riavvia il gioco.</translation>
    </message>
    <message id="t801">
        <source>The list with the best results could not be stored.

An access error occured.</source>
        <translation>Impossibile salvare la classifica.

Si è verificato un errore di accesso.</translation>
    </message>
    <message id="t802">
        <source>The list with the best results cannot be stored

because the programme was started from a CD-ROM.</source>
        <translation>Impossibile salvare la classifica

perché il programma è stato avviato da un CD-ROM.</translation>
    </message>
    <message id="t803">
        <source>The following file could not be found:

</source>
        <translation>Impossibile trovare il file seguente:

</translation>
    </message>
    <message id="t804">
        <source>The file you selected does not have the correct graphics format.</source>
        <translation>Il file selezionato non ha un formato grafico corretto.</translation>
    </message>
    <message id="t805">
        <source>The image path \images cannot be found.

The programme will now be exited.</source>
        <translation>Impossibile trovare il percorso \images.

Il programma verrà chiuso.</translation>
    </message>
    <message id="t806">
        <source>No images found in the path \image.</source>
        <translation>Nessuna immagine trovata nel percorso \images.</translation>
    </message>
    <message id="t807">
        <source>The image could not be copied into the following folder:

</source>
        <translation>Impossibile copiare l&apos;immagine nella cartella seguente:

</translation>
    </message>
    <message id="t808">
        <source>At the chosen scaling of %1 %, the screen offers only %2 × %3 points; the game needs at least 800 × 600.

Please set the scaling to %4 % or less and restart the game.</source>
        <translation>Con la scala impostata al %1 %, lo schermo offre solo %2 × %3 punti; il gioco ne richiede almeno 800 × 600.

Imposta la scala al %4 % o meno e riavvia il gioco.</translation>
    </message>
    <message id="t810">
        <source>The picture you selected is too large to be loaded.</source>
        <translation>L&apos;immagine selezionata è troppo grande per essere caricata.</translation>
    </message>
    <message id="t811">
        <source>The file you selected is damaged or incomplete.</source>
        <translation>Il file selezionato è danneggiato o incompleto.</translation>
    </message>
    <message id="t812">
        <source>The file you selected does not contain a picture.</source>
        <translation>Il file selezionato non contiene un&apos;immagine.</translation>
    </message>
    <message id="t813">
        <source>The saved game was damaged and has been set aside as spiel.dat.defekt.

A new game begins.</source>
        <translation>La partita salvata era danneggiata ed è stata messa da parte come spiel.dat.defekt.

Inizia una nuova partita.</translation>
    </message>
    <message id="t814">
        <source>The picture of the saved game is missing or has changed.

The game goes on with the built-in picture.</source>
        <translation>L&apos;immagine della partita salvata manca o è cambiata.

La partita continua con l&apos;immagine integrata.</translation>
    </message>
    <message id="t900">
        <source>Board</source>
        <translation>Campo di gioco</translation>
    </message>
    <message id="t901">
        <source>Tile %1 at row %2, column %3</source>
        <translation>Tessera %1, riga %2, colonna %3</translation>
    </message>
    <message id="t902">
        <source>Empty field at row %1, column %2</source>
        <translation>Casella vuota, riga %1, colonna %2</translation>
    </message>
    <message id="t903">
        <source>in place</source>
        <translation>al suo posto</translation>
    </message>
    <message id="t904">
        <source>out of place</source>
        <translation>fuori posto</translation>
    </message>
    <message id="t905">
        <source>Moves</source>
        <translation>Mosse</translation>
    </message>
    <message id="t906">
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message id="t910">
        <source>Variant 1: empty field</source>
        <translation>Variante 1: casella vuota</translation>
    </message>
    <message id="t911">
        <source>Variant 2: rows and columns</source>
        <translation>Variante 2: righe e colonne</translation>
    </message>
    <message id="t912">
        <source>Variant 3: axes</source>
        <translation>Variante 3: assi</translation>
    </message>
    <message id="t913">
        <source>Axis %1: rows %2–%3, columns %4–%5</source>
        <translation>Asse %1: righe %2 e %3, colonne %4 e %5</translation>
    </message>
    <message id="t914">
        <source>Moves: %1</source>
        <translation>Mosse: %1</translation>
    </message>
    <message id="t915">
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message id="t916" numerus="yes">
        <source>%1 seconds</source>
        <translation>
            <numerusform>%1 secondo</numerusform>
            <numerusform>%1 secondi</numerusform>
        </translation>
    </message>
    <message id="t917">
        <source>1 second</source>
        <translation>1 secondo</translation>
    </message>
    <message id="t918" numerus="yes">
        <source>%1 minutes</source>
        <translation>
            <numerusform>%1 minuto</numerusform>
            <numerusform>%1 minuti</numerusform>
        </translation>
    </message>
    <message id="t919">
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message id="t920" numerus="yes">
        <source>%1 minutes %2 seconds</source>
        <translation>
            <numerusform>%1 minuti e %2 secondo</numerusform>
            <numerusform>%1 minuti e %2 secondi</numerusform>
        </translation>
    </message>
    <message id="t921" numerus="yes">
        <source>%1 minutes 1 second</source>
        <translation>
            <numerusform>%1 minuto e 1 secondo</numerusform>
            <numerusform>%1 minuti e 1 secondo</numerusform>
        </translation>
    </message>
    <message id="t922" numerus="yes">
        <source>1 minute %1 seconds</source>
        <translation>
            <numerusform>1 minuto e %1 secondo</numerusform>
            <numerusform>1 minuto e %1 secondi</numerusform>
        </translation>
    </message>
    <message id="t923">
        <source>1 minute 1 second</source>
        <translation>1 minuto e 1 secondo</translation>
    </message>
    <message id="t924">
        <source>Place</source>
        <translation>Posizione</translation>
    </message>
    <message id="t925">
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message id="t926">
        <source>Name for place %1</source>
        <translation>Nome per la posizione %1</translation>
    </message>
    <message id="t950">
        <source>%1 %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message id="t8">
        <source>Res&amp;tart this board</source>
        <translation>Ric&amp;omincia questo campo di gioco</translation>
    </message>
    <message id="t9">
        <source>&amp;Copy game code</source>
        <translation>Copia co&amp;dice partita</translation>
    </message>
    <message id="t10">
        <source>&amp;Enter game code …</source>
        <translation>&amp;Inserisci codice partita…</translation>
    </message>
    <message id="t11">
        <source>Today&apos;s &amp;puzzle</source>
        <translation>Puzzle del &amp;giorno</translation>
    </message>
    <message id="t29">
        <source>Solve spee&amp;d</source>
        <translation>&amp;Velocità di risoluzione</translation>
    </message>
    <message id="t400" numerus="yes">
        <source>%1 moves a second</source>
        <translation>
            <numerusform>%1 mossa al secondo</numerusform>
            <numerusform>%1 mosse al secondo</numerusform>
        </translation>
    </message>
    <message id="t401">
        <source>%1 move a second</source>
        <translation>%1 mossa al secondo</translation>
    </message>
    <message id="t450">
        <source>Enter game code</source>
        <translation>Inserisci codice partita</translation>
    </message>
    <message id="t451">
        <source>Game code, for example from another player:</source>
        <translation>Codice partita, ad esempio da un altro giocatore:</translation>
    </message>
    <message id="t452">
        <source>&amp;Play</source>
        <translation>&amp;Gioca</translation>
    </message>
    <message id="t453">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="t454">
        <source>This is not a Tavelor game code. A game code begins with TAV1-.</source>
        <translation>Questo non è un codice partita di Tavelor. Un codice partita inizia con TAV1-.</translation>
    </message>
    <message id="t455">
        <source>This game code comes from a newer version of Tavelor and cannot be played here.</source>
        <translation>Questo codice partita proviene da una versione più recente di Tavelor e non può essere giocato qui.</translation>
    </message>
    <message id="t456">
        <source>The game code is incomplete or too long.</source>
        <translation>Il codice partita è incompleto o troppo lungo.</translation>
    </message>
    <message id="t457">
        <source>The game code contains a typo: the check characters at its end do not match the rest.</source>
        <translation>Il codice partita contiene un errore di battitura: i caratteri di controllo alla fine non corrispondono al resto.</translation>
    </message>
    <message id="t458">
        <source>The game code names none of the three variants.</source>
        <translation>Il codice partita non indica nessuna delle tre varianti.</translation>
    </message>
    <message id="t459">
        <source>The game code names a board size outside 3 × 3 to 6 × 6.</source>
        <translation>Il codice partita indica una dimensione del campo di gioco al di fuori dell&apos;intervallo da 3 × 3 a 6 × 6.</translation>
    </message>
    <message id="t460">
        <source>The game code holds no complete board: every tile must appear exactly once.</source>
        <translation>Il codice partita non contiene un campo di gioco completo: ogni tessera deve comparire esattamente una volta.</translation>
    </message>
    <message id="t461">
        <source>The board of this game code cannot be solved in its variant.</source>
        <translation>Il campo di gioco di questo codice partita non si può risolvere nella sua variante.</translation>
    </message>
    <message id="t462">
        <source>The game code is damaged: it contains characters that do not belong in it.</source>
        <translation>Il codice partita è danneggiato: contiene caratteri che non ne fanno parte.</translation>
    </message>
    <message id="t463">
        <source>The picture “%1” is not in the picture folder. The built-in picture is used instead.</source>
        <translation>L&apos;immagine «%1» non è nella cartella delle immagini. Al suo posto viene usata l&apos;immagine integrata.</translation>
    </message>
    <message id="t464">
        <source>Today&apos;s puzzle – days played: %1, in a row: %2</source>
        <translation>Puzzle del giorno – giorni giocati: %1, di fila: %2</translation>
    </message>
    <message id="t7">
        <source>&amp;Watch last game</source>
        <translation>Rivedi l&apos;&amp;ultima partita</translation>
    </message>
    <message id="t410">
        <source>Replay</source>
        <translation>Riproduzione</translation>
    </message>
    <message id="t411">
        <source>&amp;Play</source>
        <translation>&amp;Riproduci</translation>
    </message>
    <message id="t412">
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message id="t413">
        <source>Step bac&amp;k</source>
        <translation>Mossa &amp;indietro</translation>
    </message>
    <message id="t414">
        <source>Step &amp;forward</source>
        <translation>Mossa &amp;avanti</translation>
    </message>
    <message id="t415">
        <source>Choose move</source>
        <translation>Scegli la mossa</translation>
    </message>
    <message id="t416">
        <source>Moves per second</source>
        <translation>Mosse al secondo</translation>
    </message>
    <message id="t417">
        <source>&amp;Back to the game</source>
        <translation>&amp;Torna alla partita</translation>
    </message>
    <message id="t418">
        <source>Move %1 of %2</source>
        <translation>Mossa %1 di %2</translation>
    </message>
    <message id="t419">
        <source>&amp;Watch</source>
        <translation>&amp;Rivedi</translation>
    </message>
    <message id="t420">
        <source>This game cannot be shown: its start board or its moves cannot be read.</source>
        <translation>Impossibile mostrare questa partita: il campo di gioco iniziale o le mosse non sono leggibili.</translation>
    </message>
    <message id="t421">
        <source>No game has been recorded yet.</source>
        <translation>Nessuna partita è stata ancora registrata.</translation>
    </message>
    <message id="t422">
        <source> moves/s</source>
        <translation> mosse/s</translation>
    </message>
</context>
</TS>
