<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="t0">
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message id="t1">
        <source>&amp;New game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message id="t2">
        <source>&amp;Best results...</source>
        <translation>&amp;Meilleurs résultats...</translation>
    </message>
    <message id="t3">
        <source>New game &amp;as before</source>
        <translation>Nouvelle partie, mêmes ré&amp;glages</translation>
    </message>
    <message id="t4">
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message id="t5">
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message id="t6">
        <source>&amp;Statistics …</source>
        <translation>&amp;Statistiques…</translation>
    </message>
    <message id="t19">
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
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
        <translation>&amp;Indice</translation>
    </message>
    <message id="t23">
        <source>&amp;Solve</source>
        <translation>&amp;Résoudre</translation>
    </message>
    <message id="t24">
        <source>&amp;Animation</source>
        <translation>&amp;Animation</translation>
    </message>
    <message id="t25">
        <source>So&amp;und effects</source>
        <translation>&amp;Effets sonores</translation>
    </message>
    <message id="t26">
        <source>&amp;Music</source>
        <translation>&amp;Musique</translation>
    </message>
    <message id="t27">
        <source>&amp;Size</source>
        <translation>&amp;Taille</translation>
    </message>
    <message id="t28">
        <source>Appeara&amp;nce</source>
        <translation>Apparen&amp;ce</translation>
    </message>
    <message id="t30">
        <source>Lan&amp;guage</source>
        <translation>&amp;Langue</translation>
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
        <translation>&amp;Aide</translation>
    </message>
    <message id="t52">
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message id="t53">
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message id="t100">
        <source>Info about </source>
        <translation>À propos de </translation>
    </message>
    <message id="t101">
        <source>Version :</source>
        <translation>Version&#xa0;:</translation>
    </message>
    <message id="t200">
        <source>Hall of fame</source>
        <translation>Palmarès</translation>
    </message>
    <message id="t201">
        <source>Name                         Moves    Time</source>
        <translation>Nom                          Coups    Temps</translation>
    </message>
    <message id="t202">
        <source>&amp;Delete</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message id="t203">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="t204">
        <source>Pieces</source>
        <translation>Pièces</translation>
    </message>
    <message id="t300">
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message id="t301">
        <source>Version</source>
        <translation>Variante</translation>
    </message>
    <message id="t310">
        <source>Number of pieces</source>
        <translation>Nombre de pièces</translation>
    </message>
    <message id="t311">
        <source>pieces</source>
        <translation>pièces</translation>
    </message>
    <message id="t320">
        <source>Image subject</source>
        <translation>Image</translation>
    </message>
    <message id="t321">
        <source>Convert image into a black-and-white image</source>
        <translation>Convertir l’image en noir et blanc</translation>
    </message>
    <message id="t322">
        <source>Hide preview display during the game</source>
        <translation>Masquer l’aperçu pendant la partie</translation>
    </message>
    <message id="t323">
        <source>Select empty field randomly</source>
        <translation>Choisir la case vide au hasard</translation>
    </message>
    <message id="t324">
        <source>Cut a square from the middle</source>
        <translation>Découper un carré au centre</translation>
    </message>
    <message id="t325">
        <source>&amp;Browse ...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message id="t326">
        <source>Choose a picture</source>
        <translation>Choisir une image</translation>
    </message>
    <message id="t327">
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message id="t330">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="t331">
        <source>E&amp;xit game</source>
        <translation>&amp;Quitter le jeu</translation>
    </message>
    <message id="t332">
        <source>&amp;Back to the game</source>
        <translation>&amp;Retour au jeu</translation>
    </message>
    <message id="t503">
        <source>Sorry, but this is not enough to enter 

         the hall of fame.</source>
        <translation>Désolé, ce résultat ne suffit pas

pour entrer au palmarès.</translation>
    </message>
    <message id="t504">
        <source>You have reached the maximum number of permitted moves 

 whithout finishing the jigsaw.</source>
        <translation>Vous avez atteint le nombre maximal de coups autorisés

sans terminer le puzzle.</translation>
    </message>
    <message id="t505">
        <source>You have used up all the available time without finishing the jigsaw.</source>
        <translation>Vous avez épuisé tout le temps disponible sans terminer le puzzle.</translation>
    </message>
    <message id="t506">
        <source>Solved with help – no entry in the list of best results.</source>
        <translation>Résolu avec de l’aide – pas d’entrée au palmarès.</translation>
    </message>
    <message id="t600">
        <source>The saved game was damaged and has been set aside as %1.

A new game begins.</source>
        <translation>La partie enregistrée était endommagée et a été mise de côté sous le nom %1.

Une nouvelle partie commence.</translation>
    </message>
    <message id="t601">
        <source>Tavelor is already running in this folder.

Games in this window will not be kept for the next start.</source>
        <translation>Tavelor est déjà lancé dans ce dossier.

Les parties de cette fenêtre ne seront pas conservées pour le prochain lancement.</translation>
    </message>
    <message id="t602">
        <source>The folder %1 cannot be written.

The saved game goes on, but it will not be kept any more.</source>
        <translation>Impossible d’écrire dans le dossier %1.

La partie enregistrée continue, mais elle ne sera plus conservée.</translation>
    </message>
    <message id="t603">
        <source>%1 is a folder.

Games cannot be kept for the next start.</source>
        <translation>%1 est un dossier.

Les parties ne peuvent pas être conservées pour le prochain lancement.</translation>
    </message>
    <message id="t604">
        <source>Give up the game in progress and start a new one?</source>
        <translation>Abandonner la partie en cours et en commencer une nouvelle&#xa0;?</translation>
    </message>
    <message id="t605">
        <source>Do not ask again</source>
        <translation>Ne plus demander</translation>
    </message>
    <message id="t606">
        <source>Give up the game?</source>
        <translation>Abandonner la partie&#xa0;?</translation>
    </message>
    <message id="t607">
        <source>&amp;New game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message id="t608">
        <source>&amp;Keep playing</source>
        <translation>&amp;Continuer la partie</translation>
    </message>
    <message id="t650">
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message id="t651">
        <source>&amp;Variant and size:</source>
        <translation>&amp;Variante et taille&#xa0;:</translation>
    </message>
    <message id="t652">
        <source>%1, %2 × %2</source>
        <translation>%1, %2 × %2</translation>
    </message>
    <message id="t653">
        <source>No games recorded yet.</source>
        <translation>Aucune partie enregistrée pour l’instant.</translation>
    </message>
    <message id="t654">
        <source>Played</source>
        <translation>Jouées</translation>
    </message>
    <message id="t655">
        <source>Solved</source>
        <translation>Résolues</translation>
    </message>
    <message id="t656">
        <source>With help</source>
        <translation>Avec aide</translation>
    </message>
    <message id="t657">
        <source>Abandoned</source>
        <translation>Abandonnées</translation>
    </message>
    <message id="t658">
        <source>Limit reached</source>
        <translation>Limite atteinte</translation>
    </message>
    <message id="t659">
        <source>Best</source>
        <translation>Meilleur</translation>
    </message>
    <message id="t660">
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message id="t661">
        <source>Median</source>
        <translation>Médiane</translation>
    </message>
    <message id="t662">
        <source>Average of the last 5</source>
        <translation>Moyenne des 5 dernières</translation>
    </message>
    <message id="t663">
        <source>Average of the last 12</source>
        <translation>Moyenne des 12 dernières</translation>
    </message>
    <message id="t664">
        <source>Moves per second</source>
        <translation>Coups par seconde</translation>
    </message>
    <message id="t665">
        <source>Times and moves count only games solved without help. The averages of the last 5 and 12 leave out the best and the worst.</source>
        <translation>Les temps et les coups ne comptent que les parties résolues sans aide. Les moyennes des 5 et des 12 dernières excluent la meilleure et la pire.</translation>
    </message>
    <message id="t666" numerus="yes">
        <source>The last %1 games</source>
        <translation>
            <numerusform>%1 partie récente</numerusform>
            <numerusform>Les %1 dernières parties</numerusform>
        </translation>
    </message>
    <message id="t667">
        <source>solved</source>
        <translation>résolue</translation>
    </message>
    <message id="t668">
        <source>with help</source>
        <translation>avec aide</translation>
    </message>
    <message id="t669">
        <source>not solved</source>
        <translation>non résolue</translation>
    </message>
    <message id="t670">
        <source>Time and moves of the last games</source>
        <translation>Temps et coups des dernières parties</translation>
    </message>
    <message id="t671">
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message id="t672">
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message id="t673">
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message id="t674">
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message id="t675">
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message id="t676">
        <source>Move limit</source>
        <translation>Limite de coups</translation>
    </message>
    <message id="t677">
        <source>Time limit</source>
        <translation>Limite de temps</translation>
    </message>
    <message id="t678">
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message id="t679">
        <source>built-in picture</source>
        <translation>image intégrée</translation>
    </message>
    <message id="t680">
        <source>&amp;Recorded games, newest first:</source>
        <translation>&amp;Parties enregistrées, les plus récentes d’abord&#xa0;:</translation>
    </message>
    <message id="t681">
        <source>Save as &amp;CSV …</source>
        <translation>Enregistrer en &amp;CSV…</translation>
    </message>
    <message id="t682">
        <source>&amp;Clear statistics</source>
        <translation>&amp;Effacer les statistiques</translation>
    </message>
    <message id="t683">
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message id="t684">
        <source>Save statistics as CSV</source>
        <translation>Enregistrer les statistiques en CSV</translation>
    </message>
    <message id="t685">
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message id="t686">
        <source>tavelor-statistics.csv</source>
        <translation>tavelor-statistiques.csv</translation>
    </message>
    <message id="t687">
        <source>The file could not be written:

%1</source>
        <translation>Impossible d’écrire le fichier&#xa0;:

%1</translation>
    </message>
    <message id="t688">
        <source>Clear all statistics?

Every recorded game is lost; the best results stay.</source>
        <translation>Effacer toutes les statistiques&#xa0;?

Toutes les parties enregistrées seront perdues&#xa0;; le palmarès est conservé.</translation>
    </message>
    <message id="t689">
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message id="t690">
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message id="t691">
        <source>The statistics could not be cleared.</source>
        <translation>Impossible d’effacer les statistiques.</translation>
    </message>
    <message id="t692">
        <source>The stored statistics were damaged or do not belong to this game. They have been set aside as

%1

The statistics start afresh.</source>
        <translation>Les statistiques enregistrées étaient endommagées ou n’appartiennent pas à ce jeu. Elles ont été mises de côté sous le nom

%1

Les statistiques repartent de zéro.</translation>
    </message>
    <message id="t693">
        <source>The statistics cannot be stored:

%1

Play goes on; its games are recorded as soon as that works again.</source>
        <translation>Impossible d’enregistrer les statistiques&#xa0;:

%1

Le jeu continue&#xa0;; ses parties seront enregistrées dès que ce sera de nouveau possible.</translation>
    </message>
    <message id="t694">
        <source>Figures</source>
        <translation>Chiffres clés</translation>
    </message>
    <message id="t700">
        <source>&amp;System</source>
        <translation>&amp;Système</translation>
    </message>
    <message id="t701">
        <source>&amp;Light</source>
        <translation>&amp;Clair</translation>
    </message>
    <message id="t702">
        <source>&amp;Dark</source>
        <translation>S&amp;ombre</translation>
    </message>
    <message id="t720">
        <source>Tavelor – Keyboard shortcuts</source>
        <translation>Tavelor – Raccourcis clavier</translation>
    </message>
    <message id="t721">
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message id="t722">
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message id="t723">
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message id="t724">
        <source>Variant 1: slide the tile beside the empty field into it</source>
        <translation>Variante 1&#xa0;: faire glisser dans la case vide la pièce voisine</translation>
    </message>
    <message id="t725">
        <source>Variant 2: move the frame</source>
        <translation>Variante 2&#xa0;: déplacer le cadre</translation>
    </message>
    <message id="t726">
        <source>Variant 2: shift the frame&apos;s row or column</source>
        <translation>Variante 2&#xa0;: décaler la ligne ou la colonne du cadre</translation>
    </message>
    <message id="t727">
        <source>Variant 3: move the ring</source>
        <translation>Variante 3&#xa0;: déplacer l’anneau</translation>
    </message>
    <message id="t728">
        <source>Variant 3: turn clockwise</source>
        <translation>Variante 3&#xa0;: tourner dans le sens horaire</translation>
    </message>
    <message id="t729">
        <source>Variant 3: turn counter-clockwise</source>
        <translation>Variante 3&#xa0;: tourner dans le sens antihoraire</translation>
    </message>
    <message id="t730">
        <source>Step the tile numbers</source>
        <translation>Changer l’affichage des numéros des pièces</translation>
    </message>
    <message id="t731">
        <source>Arrow keys</source>
        <translation>Touches fléchées</translation>
    </message>
    <message id="t732">
        <source>Shift+arrow keys</source>
        <translation>Maj+touches fléchées</translation>
    </message>
    <message id="t733">
        <source>Space or Return</source>
        <translation>Espace ou Entrée</translation>
    </message>
    <message id="t734">
        <source>Shift+Space or Backspace</source>
        <translation>Maj+Espace ou Retour arrière</translation>
    </message>
    <message id="t735">
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message id="t740">
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>Logiciel libre sous licence GNU General Public License, version 3 ou ultérieure (GPL-3.0-or-later)</translation>
    </message>
    <message id="t741">
        <source>Pictures, sounds and translations are the project&apos;s own work.</source>
        <translation>Les images, les sons et les traductions sont l’œuvre du projet lui-même.</translation>
    </message>
    <message id="t750">
        <source>Usage: tavelor [OPTION …]
A picture puzzle: put a scrambled picture back together.

  --portable     read and write the working folder, even when installed
  -h, --help     show this help and exit
  -v, --version  show the version and exit
</source>
        <translation>Utilisation&#xa0;: tavelor [OPTION …]
Un puzzle d’image&#xa0;: reconstituer une image mélangée.

  --portable     lire et écrire dans le dossier de travail, même si le jeu est installé
  -h, --help     afficher cette aide et quitter
  -v, --version  afficher la version et quitter
</translation>
    </message>
    <message id="t751">
        <source>Usage: tavelor [--portable] [--help] [--version]</source>
        <translation>Utilisation&#xa0;: tavelor [--portable] [--help] [--version]</translation>
    </message>
    <message id="t752">
        <source>tavelor: unknown option &apos;%1&apos;</source>
        <translation>tavelor&#xa0;: option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message id="t753">
        <source>tavelor: unexpected argument &apos;%1&apos;</source>
        <translation>tavelor&#xa0;: argument inattendu «&#xa0;%1&#xa0;»</translation>
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
        <translation>L’une des conditions système suivantes n’est pas remplie.

- résolution d’écran de 800x600 pixels ou plus
- profondeur de couleur de 16 bits (Hi-Color)

Veuillez corriger les réglages pour remplir les conditions
système, puis relancer le jeu.</translation>
    </message>
    <message id="t801">
        <source>The list with the best results could not be stored.

An access error occured.</source>
        <translation>Impossible d’enregistrer le palmarès.

Une erreur d’accès s’est produite.</translation>
    </message>
    <message id="t802">
        <source>The list with the best results cannot be stored

because the programme was started from a CD-ROM.</source>
        <translation>Impossible d’enregistrer le palmarès,

car le programme a été lancé depuis un CD-ROM.</translation>
    </message>
    <message id="t803">
        <source>The following file could not be found:

</source>
        <translation>Le fichier suivant est introuvable&#xa0;:

</translation>
    </message>
    <message id="t804">
        <source>The file you selected does not have the correct graphics format.</source>
        <translation>Le fichier choisi n’a pas le bon format d’image.</translation>
    </message>
    <message id="t805">
        <source>The image path \images cannot be found.

The programme will now be exited.</source>
        <translation>Le dossier \images est introuvable.

Le programme va se fermer.</translation>
    </message>
    <message id="t806">
        <source>No images found in the path \image.</source>
        <translation>Aucune image trouvée dans le dossier \images.</translation>
    </message>
    <message id="t807">
        <source>The image could not be copied into the following folder:

</source>
        <translation>Impossible de copier l’image dans le dossier suivant&#xa0;:

</translation>
    </message>
    <message id="t808">
        <source>At the chosen scaling of %1 %, the screen offers only %2 × %3 points; the game needs at least 800 × 600.

Please set the scaling to %4 % or less and restart the game.</source>
        <translation>À l’échelle choisie de %1&#xa0;%, l’écran n’offre que %2 × %3 points&#xa0;; le jeu a besoin d’au moins 800 × 600.

Veuillez régler l’échelle sur %4&#xa0;% ou moins, puis relancer le jeu.</translation>
    </message>
    <message id="t810">
        <source>The picture you selected is too large to be loaded.</source>
        <translation>L’image choisie est trop grande pour être chargée.</translation>
    </message>
    <message id="t811">
        <source>The file you selected is damaged or incomplete.</source>
        <translation>Le fichier choisi est endommagé ou incomplet.</translation>
    </message>
    <message id="t812">
        <source>The file you selected does not contain a picture.</source>
        <translation>Le fichier choisi ne contient pas d’image.</translation>
    </message>
    <message id="t813">
        <source>The saved game was damaged and has been set aside as spiel.dat.defekt.

A new game begins.</source>
        <translation>La partie enregistrée était endommagée et a été mise de côté sous le nom spiel.dat.defekt.

Une nouvelle partie commence.</translation>
    </message>
    <message id="t814">
        <source>The picture of the saved game is missing or has changed.

The game goes on with the built-in picture.</source>
        <translation>L’image de la partie enregistrée est manquante ou a été modifiée.

La partie continue avec l’image intégrée.</translation>
    </message>
    <message id="t900">
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message id="t901">
        <source>Tile %1 at row %2, column %3</source>
        <translation>Pièce %1, ligne %2, colonne %3</translation>
    </message>
    <message id="t902">
        <source>Empty field at row %1, column %2</source>
        <translation>Case vide, ligne %1, colonne %2</translation>
    </message>
    <message id="t903">
        <source>in place</source>
        <translation>à sa place</translation>
    </message>
    <message id="t904">
        <source>out of place</source>
        <translation>pas à sa place</translation>
    </message>
    <message id="t905">
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message id="t906">
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message id="t910">
        <source>Variant 1: empty field</source>
        <translation>Variante 1&#xa0;: case vide</translation>
    </message>
    <message id="t911">
        <source>Variant 2: rows and columns</source>
        <translation>Variante 2&#xa0;: lignes et colonnes</translation>
    </message>
    <message id="t912">
        <source>Variant 3: axes</source>
        <translation>Variante 3&#xa0;: axes</translation>
    </message>
    <message id="t913">
        <source>Axis %1: rows %2–%3, columns %4–%5</source>
        <translation>Axe %1&#xa0;: lignes %2 et %3, colonnes %4 et %5</translation>
    </message>
    <message id="t914">
        <source>Moves: %1</source>
        <translation>Coups&#xa0;: %1</translation>
    </message>
    <message id="t915">
        <source>Time: %1</source>
        <translation>Temps&#xa0;: %1</translation>
    </message>
    <message id="t916" numerus="yes">
        <source>%1 seconds</source>
        <translation>
            <numerusform>%1 seconde</numerusform>
            <numerusform>%1 secondes</numerusform>
        </translation>
    </message>
    <message id="t917">
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message id="t918" numerus="yes">
        <source>%1 minutes</source>
        <translation>
            <numerusform>%1 minute</numerusform>
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
            <numerusform>%1 minutes et %2 seconde</numerusform>
            <numerusform>%1 minutes et %2 secondes</numerusform>
        </translation>
    </message>
    <message id="t921" numerus="yes">
        <source>%1 minutes 1 second</source>
        <translation>
            <numerusform>%1 minute et 1 seconde</numerusform>
            <numerusform>%1 minutes et 1 seconde</numerusform>
        </translation>
    </message>
    <message id="t922" numerus="yes">
        <source>1 minute %1 seconds</source>
        <translation>
            <numerusform>1 minute et %1 seconde</numerusform>
            <numerusform>1 minute et %1 secondes</numerusform>
        </translation>
    </message>
    <message id="t923">
        <source>1 minute 1 second</source>
        <translation>1 minute et 1 seconde</translation>
    </message>
    <message id="t924">
        <source>Place</source>
        <translation>Rang</translation>
    </message>
    <message id="t925">
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message id="t926">
        <source>Name for place %1</source>
        <translation>Nom pour le rang %1</translation>
    </message>
    <message id="t950">
        <source>%1 %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message id="t8">
        <source>Res&amp;tart this board</source>
        <translation>Re&amp;jouer ce plateau</translation>
    </message>
    <message id="t9">
        <source>&amp;Copy game code</source>
        <translation>&amp;Copier le code de partie</translation>
    </message>
    <message id="t10">
        <source>&amp;Enter game code …</source>
        <translation>Sais&amp;ir un code de partie…</translation>
    </message>
    <message id="t11">
        <source>Today&apos;s &amp;puzzle</source>
        <translation>&amp;Puzzle du jour</translation>
    </message>
    <message id="t29">
        <source>Solve spee&amp;d</source>
        <translation>&amp;Vitesse de résolution</translation>
    </message>
    <message id="t400" numerus="yes">
        <source>%1 moves a second</source>
        <translation>
            <numerusform>%1 coup par seconde</numerusform>
            <numerusform>%1 coups par seconde</numerusform>
        </translation>
    </message>
    <message id="t401">
        <source>%1 move a second</source>
        <translation>%1 coup par seconde</translation>
    </message>
    <message id="t450">
        <source>Enter game code</source>
        <translation>Saisir un code de partie</translation>
    </message>
    <message id="t451">
        <source>Game code, for example from another player:</source>
        <translation>Code de partie, par exemple reçu d’un autre joueur&#xa0;:</translation>
    </message>
    <message id="t452">
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message id="t453">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="t454">
        <source>This is not a Tavelor game code. A game code begins with TAV1-.</source>
        <translation>Ce n’est pas un code de partie Tavelor. Un code de partie commence par TAV1-.</translation>
    </message>
    <message id="t455">
        <source>This game code comes from a newer version of Tavelor and cannot be played here.</source>
        <translation>Ce code de partie provient d’une version plus récente de Tavelor et ne peut pas être joué ici.</translation>
    </message>
    <message id="t456">
        <source>The game code is incomplete or too long.</source>
        <translation>Le code de partie est incomplet ou trop long.</translation>
    </message>
    <message id="t457">
        <source>The game code contains a typo: the check characters at its end do not match the rest.</source>
        <translation>Le code de partie contient une faute de frappe&#xa0;: les caractères de contrôle à la fin ne correspondent pas au reste.</translation>
    </message>
    <message id="t458">
        <source>The game code names none of the three variants.</source>
        <translation>Le code de partie n’indique aucune des trois variantes.</translation>
    </message>
    <message id="t459">
        <source>The game code names a board size outside 3 × 3 to 6 × 6.</source>
        <translation>Le code de partie indique une taille de plateau hors de 3 × 3 à 6 × 6.</translation>
    </message>
    <message id="t460">
        <source>The game code holds no complete board: every tile must appear exactly once.</source>
        <translation>Le code de partie ne contient pas de plateau complet&#xa0;: chaque pièce doit apparaître exactement une fois.</translation>
    </message>
    <message id="t461">
        <source>The board of this game code cannot be solved in its variant.</source>
        <translation>Le plateau de ce code de partie ne peut pas être résolu dans sa variante.</translation>
    </message>
    <message id="t462">
        <source>The game code is damaged: it contains characters that do not belong in it.</source>
        <translation>Le code de partie est endommagé&#xa0;: il contient des caractères qui n’y ont pas leur place.</translation>
    </message>
    <message id="t463">
        <source>The picture “%1” is not in the picture folder. The built-in picture is used instead.</source>
        <translation>L’image «&#xa0;%1&#xa0;» n’est pas dans le dossier d’images. L’image intégrée est utilisée à la place.</translation>
    </message>
    <message id="t464">
        <source>Today&apos;s puzzle – days played: %1, in a row: %2</source>
        <translation>Puzzle du jour – jours joués&#xa0;: %1, d’affilée&#xa0;: %2</translation>
    </message>
    <message id="t7">
        <source>&amp;Watch last game</source>
        <translation>Revoir la &amp;dernière partie</translation>
    </message>
    <message id="t410">
        <source>Replay</source>
        <translation>Revoir la partie</translation>
    </message>
    <message id="t411">
        <source>&amp;Play</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message id="t412">
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message id="t413">
        <source>Step bac&amp;k</source>
        <translation>Coup pré&amp;cédent</translation>
    </message>
    <message id="t414">
        <source>Step &amp;forward</source>
        <translation>Coup &amp;suivant</translation>
    </message>
    <message id="t415">
        <source>Choose move</source>
        <translation>Choisir le coup</translation>
    </message>
    <message id="t416">
        <source>Moves per second</source>
        <translation>Coups par seconde</translation>
    </message>
    <message id="t417">
        <source>&amp;Back to the game</source>
        <translation>&amp;Retour à la partie</translation>
    </message>
    <message id="t418">
        <source>Move %1 of %2</source>
        <translation>Coup %1 sur %2</translation>
    </message>
    <message id="t419">
        <source>&amp;Watch</source>
        <translation>&amp;Revoir</translation>
    </message>
    <message id="t420">
        <source>This game cannot be shown: its start board or its moves cannot be read.</source>
        <translation>Impossible d’afficher cette partie&#xa0;: son plateau de départ ou ses coups sont illisibles.</translation>
    </message>
    <message id="t421">
        <source>No game has been recorded yet.</source>
        <translation>Aucune partie n’a encore été enregistrée.</translation>
    </message>
    <message id="t422">
        <source> moves/s</source>
        <translation> coups/s</translation>
    </message>
</context>
</TS>
