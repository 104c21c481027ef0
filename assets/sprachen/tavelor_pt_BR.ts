<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name></name>
    <message id="t0">
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message id="t1">
        <source>&amp;New game</source>
        <translation>&amp;Nova partida</translation>
    </message>
    <message id="t2">
        <source>&amp;Best results...</source>
        <translation>&amp;Recordes…</translation>
    </message>
    <message id="t3">
        <source>New game &amp;as before</source>
        <translation>Nova partida como a &amp;anterior</translation>
    </message>
    <message id="t4">
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message id="t5">
        <source>&amp;Redo</source>
        <translation>Re&amp;fazer</translation>
    </message>
    <message id="t6">
        <source>&amp;Statistics …</source>
        <translation>&amp;Estatísticas…</translation>
    </message>
    <message id="t19">
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message id="t20">
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message id="t21">
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message id="t22">
        <source>&amp;Hint</source>
        <translation>&amp;Dica</translation>
    </message>
    <message id="t23">
        <source>&amp;Solve</source>
        <translation>&amp;Resolver</translation>
    </message>
    <message id="t24">
        <source>&amp;Animation</source>
        <translation>A&amp;nimação</translation>
    </message>
    <message id="t25">
        <source>So&amp;und effects</source>
        <translation>&amp;Efeitos sonoros</translation>
    </message>
    <message id="t26">
        <source>&amp;Music</source>
        <translation>&amp;Música</translation>
    </message>
    <message id="t27">
        <source>&amp;Size</source>
        <translation>&amp;Tamanho</translation>
    </message>
    <message id="t28">
        <source>Appeara&amp;nce</source>
        <translation>&amp;Aparência</translation>
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
        <translation>&amp;Ajuda</translation>
    </message>
    <message id="t52">
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message id="t53">
        <source>&amp;Keyboard shortcuts</source>
        <translation>A&amp;talhos de teclado</translation>
    </message>
    <message id="t100">
        <source>Info about </source>
        <translation>Sobre o </translation>
    </message>
    <message id="t101">
        <source>Version :</source>
        <translation>Versão:</translation>
    </message>
    <message id="t200">
        <source>Hall of fame</source>
        <translation>Recordes</translation>
    </message>
    <message id="t201">
        <source>Name                         Moves    Time</source>
        <translation>Nome                         Mov.     Tempo</translation>
    </message>
    <message id="t202">
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message id="t203">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="t204">
        <source>Pieces</source>
        <translation>Peças</translation>
    </message>
    <message id="t300">
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message id="t301">
        <source>Version</source>
        <translation>Variante</translation>
    </message>
    <message id="t310">
        <source>Number of pieces</source>
        <translation>Número de peças</translation>
    </message>
    <message id="t311">
        <source>pieces</source>
        <translation>peças</translation>
    </message>
    <message id="t320">
        <source>Image subject</source>
        <translation>Imagem</translation>
    </message>
    <message id="t321">
        <source>Convert image into a black-and-white image</source>
        <translation>Converter a imagem em preto e branco</translation>
    </message>
    <message id="t322">
        <source>Hide preview display during the game</source>
        <translation>Ocultar a prévia durante a partida</translation>
    </message>
    <message id="t323">
        <source>Select empty field randomly</source>
        <translation>Escolher a casa vazia ao acaso</translation>
    </message>
    <message id="t324">
        <source>Cut a square from the middle</source>
        <translation>Recortar um quadrado do centro</translation>
    </message>
    <message id="t325">
        <source>&amp;Browse ...</source>
        <translation>&amp;Procurar…</translation>
    </message>
    <message id="t326">
        <source>Choose a picture</source>
        <translation>Escolher uma imagem</translation>
    </message>
    <message id="t327">
        <source>Pictures</source>
        <translation>Imagens</translation>
    </message>
    <message id="t330">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="t331">
        <source>E&amp;xit game</source>
        <translation>&amp;Sair do jogo</translation>
    </message>
    <message id="t332">
        <source>&amp;Back to the game</source>
        <translation>&amp;Voltar à partida</translation>
    </message>
    <message id="t503">
        <source>Sorry, but this is not enough to enter 

         the hall of fame.</source>
        <translation>Infelizmente, este resultado não basta para entrar

nos recordes.</translation>
    </message>
    <message id="t504">
        <source>You have reached the maximum number of permitted moves 

 whithout finishing the jigsaw.</source>
        <translation>Você atingiu o número máximo de movimentos permitidos

sem completar o quebra-cabeça.</translation>
    </message>
    <message id="t505">
        <source>You have used up all the available time without finishing the jigsaw.</source>
        <translation>Você esgotou o tempo disponível sem completar o quebra-cabeça.</translation>
    </message>
    <message id="t506">
        <source>Solved with help – no entry in the list of best results.</source>
        <translation>Resolvido com ajuda – não entra nos recordes.</translation>
    </message>
    <message id="t600">
        <source>The saved game was damaged and has been set aside as %1.

A new game begins.</source>
        <translation>A partida salva estava danificada e foi guardada à parte como %1.

Começa uma nova partida.</translation>
    </message>
    <message id="t601">
        <source>Tavelor is already running in this folder.

Games in this window will not be kept for the next start.</source>
        <translation>O Tavelor já está em execução nesta pasta.

As partidas desta janela não serão guardadas para a próxima vez.</translation>
    </message>
    <message id="t602">
        <source>The folder %1 cannot be written.

The saved game goes on, but it will not be kept any more.</source>
        <translation>Não é possível gravar na pasta %1.

A partida salva continua, mas não será mais guardada.</translation>
    </message>
    <message id="t603">
        <source>%1 is a folder.

Games cannot be kept for the next start.</source>
        <translation>%1 é uma pasta.

As partidas não podem ser guardadas para a próxima vez.</translation>
    </message>
    <message id="t604">
        <source>Give up the game in progress and start a new one?</source>
        <translation>Abandonar a partida em andamento e começar uma nova?</translation>
    </message>
    <message id="t605">
        <source>Do not ask again</source>
        <translation>Não perguntar novamente</translation>
    </message>
    <message id="t606">
        <source>Give up the game?</source>
        <translation>Abandonar a partida?</translation>
    </message>
    <message id="t607">
        <source>&amp;New game</source>
        <translation>&amp;Nova partida</translation>
    </message>
    <message id="t608">
        <source>&amp;Keep playing</source>
        <translation>&amp;Continuar jogando</translation>
    </message>
    <message id="t650">
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message id="t651">
        <source>&amp;Variant and size:</source>
        <translation>&amp;Variante e tamanho:</translation>
    </message>
    <message id="t652">
        <source>%1, %2 × %2</source>
        <translation>%1, %2 × %2</translation>
    </message>
    <message id="t653">
        <source>No games recorded yet.</source>
        <translation>Nenhuma partida registrada ainda.</translation>
    </message>
    <message id="t654">
        <source>Played</source>
        <translation>Jogadas</translation>
    </message>
    <message id="t655">
        <source>Solved</source>
        <translation>Resolvidas</translation>
    </message>
    <message id="t656">
        <source>With help</source>
        <translation>Com ajuda</translation>
    </message>
    <message id="t657">
        <source>Abandoned</source>
        <translation>Abandonadas</translation>
    </message>
    <message id="t658">
        <source>Limit reached</source>
        <translation>Limite atingido</translation>
    </message>
    <message id="t659">
        <source>Best</source>
        <translation>Melhor</translation>
    </message>
    <message id="t660">
        <source>Mean</source>
        <translation>Média</translation>
    </message>
    <message id="t661">
        <source>Median</source>
        <translation>Mediana</translation>
    </message>
    <message id="t662">
        <source>Average of the last 5</source>
        <translation>Média das últimas 5</translation>
    </message>
    <message id="t663">
        <source>Average of the last 12</source>
        <translation>Média das últimas 12</translation>
    </message>
    <message id="t664">
        <source>Moves per second</source>
        <translation>Movimentos por segundo</translation>
    </message>
    <message id="t665">
        <source>Times and moves count only games solved without help. The averages of the last 5 and 12 leave out the best and the worst.</source>
        <translation>Tempos e movimentos levam em conta apenas partidas resolvidas sem ajuda. As médias das últimas 5 e 12 desconsideram a melhor e a pior.</translation>
    </message>
    <message id="t666" numerus="yes">
        <source>The last %1 games</source>
        <translation>
            <numerusform>%1 partida recente</numerusform>
            <numerusform>As últimas %1 partidas</numerusform>
        </translation>
    </message>
    <message id="t667">
        <source>solved</source>
        <translation>resolvida</translation>
    </message>
    <message id="t668">
        <source>with help</source>
        <translation>com ajuda</translation>
    </message>
    <message id="t669">
        <source>not solved</source>
        <translation>não resolvida</translation>
    </message>
    <message id="t670">
        <source>Time and moves of the last games</source>
        <translation>Tempo e movimentos das últimas partidas</translation>
    </message>
    <message id="t671">
        <source>No.</source>
        <translation>Nº</translation>
    </message>
    <message id="t672">
        <source>Ended</source>
        <translation>Encerrada</translation>
    </message>
    <message id="t673">
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message id="t674">
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message id="t675">
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message id="t676">
        <source>Move limit</source>
        <translation>Limite de movimentos</translation>
    </message>
    <message id="t677">
        <source>Time limit</source>
        <translation>Limite de tempo</translation>
    </message>
    <message id="t678">
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message id="t679">
        <source>built-in picture</source>
        <translation>imagem embutida</translation>
    </message>
    <message id="t680">
        <source>&amp;Recorded games, newest first:</source>
        <translation>&amp;Partidas registradas, da mais recente:</translation>
    </message>
    <message id="t681">
        <source>Save as &amp;CSV …</source>
        <translation>Salvar como &amp;CSV…</translation>
    </message>
    <message id="t682">
        <source>&amp;Clear statistics</source>
        <translation>&amp;Limpar estatísticas</translation>
    </message>
    <message id="t683">
        <source>C&amp;lose</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message id="t684">
        <source>Save statistics as CSV</source>
        <translation>Salvar estatísticas como CSV</translation>
    </message>
    <message id="t685">
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message id="t686">
        <source>tavelor-statistics.csv</source>
        <translation>tavelor-estatisticas.csv</translation>
    </message>
    <message id="t687">
        <source>The file could not be written:

%1</source>
        <translation>Não foi possível gravar o arquivo:

%1</translation>
    </message>
    <message id="t688">
        <source>Clear all statistics?

Every recorded game is lost; the best results stay.</source>
        <translation>Limpar todas as estatísticas?

Todas as partidas registradas serão perdidas; os recordes permanecem.</translation>
    </message>
    <message id="t689">
        <source>&amp;Clear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message id="t690">
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message id="t691">
        <source>The statistics could not be cleared.</source>
        <translation>Não foi possível limpar as estatísticas.</translation>
    </message>
    <message id="t692">
        <source>The stored statistics were damaged or do not belong to this game. They have been set aside as

%1

The statistics start afresh.</source>
        <translation>As estatísticas salvas estavam danificadas ou não pertencem a este jogo. Elas foram guardadas à parte como

%1

As estatísticas recomeçam do zero.</translation>
    </message>
    <message id="t693">
        <source>The statistics cannot be stored:

%1

Play goes on; its games are recorded as soon as that works again.</source>
        <translation>Não é possível salvar as estatísticas:

%1

O jogo continua; as partidas serão registradas assim que isso voltar a funcionar.</translation>
    </message>
    <message id="t694">
        <source>Figures</source>
        <translation>Números</translation>
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
        <translation>&amp;Escuro</translation>
    </message>
    <message id="t720">
        <source>Tavelor – Keyboard shortcuts</source>
        <translation>Tavelor – Atalhos de teclado</translation>
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
        <translation>Tecla</translation>
    </message>
    <message id="t724">
        <source>Variant 1: slide the tile beside the empty field into it</source>
        <translation>Variante 1: deslizar para a casa vazia a peça ao lado dela</translation>
    </message>
    <message id="t725">
        <source>Variant 2: move the frame</source>
        <translation>Variante 2: mover a moldura</translation>
    </message>
    <message id="t726">
        <source>Variant 2: shift the frame&apos;s row or column</source>
        <translation>Variante 2: deslocar a linha ou a coluna da moldura</translation>
    </message>
    <message id="t727">
        <source>Variant 3: move the ring</source>
        <translation>Variante 3: mover o anel</translation>
    </message>
    <message id="t728">
        <source>Variant 3: turn clockwise</source>
        <translation>Variante 3: girar no sentido horário</translation>
    </message>
    <message id="t729">
        <source>Variant 3: turn counter-clockwise</source>
        <translation>Variante 3: girar no sentido anti-horário</translation>
    </message>
    <message id="t730">
        <source>Step the tile numbers</source>
        <translation>Avançar a exibição dos números das peças</translation>
    </message>
    <message id="t731">
        <source>Arrow keys</source>
        <translation>Teclas de seta</translation>
    </message>
    <message id="t732">
        <source>Shift+arrow keys</source>
        <translation>Shift+teclas de seta</translation>
    </message>
    <message id="t733">
        <source>Space or Return</source>
        <translation>Espaço ou Enter</translation>
    </message>
    <message id="t734">
        <source>Shift+Space or Backspace</source>
        <translation>Shift+Espaço ou Backspace</translation>
    </message>
    <message id="t735">
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message id="t740">
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>Software livre sob a GNU General Public License, versão 3 ou posterior (GPL-3.0-or-later)</translation>
    </message>
    <message id="t741">
        <source>Pictures, sounds and translations are the project&apos;s own work.</source>
        <translation>Imagens, sons e traduções são obra do próprio projeto.</translation>
    </message>
    <message id="t750">
        <source>Usage: tavelor [OPTION …]
A picture puzzle: put a scrambled picture back together.

  --portable     read and write the working folder, even when installed
  -h, --help     show this help and exit
  -v, --version  show the version and exit
</source>
        <translation>Uso: tavelor [OPÇÃO …]
Um quebra-cabeça de imagem: remonte uma imagem embaralhada.

  --portable     lê e grava na pasta de trabalho, mesmo quando instalado
  -h, --help     mostra esta ajuda e sai
  -v, --version  mostra a versão e sai
</translation>
    </message>
    <message id="t751">
        <source>Usage: tavelor [--portable] [--help] [--version]</source>
        <translation>Uso: tavelor [--portable] [--help] [--version]</translation>
    </message>
    <message id="t752">
        <source>tavelor: unknown option &apos;%1&apos;</source>
        <translation>tavelor: opção desconhecida “%1”</translation>
    </message>
    <message id="t753">
        <source>tavelor: unexpected argument &apos;%1&apos;</source>
        <translation>tavelor: argumento inesperado “%1”</translation>
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
        <translation>Um dos seguintes requisitos de sistema não foi atendido.

- resolução de tela de 800x600 pixels ou maior
- profundidade de cor de 16 bits (High Color)

Ajuste as configurações para atender aos requisitos
do sistema e reinicie o jogo.</translation>
    </message>
    <message id="t801">
        <source>The list with the best results could not be stored.

An access error occured.</source>
        <translation>Não foi possível salvar os recordes.

Ocorreu um erro de acesso.</translation>
    </message>
    <message id="t802">
        <source>The list with the best results cannot be stored

because the programme was started from a CD-ROM.</source>
        <translation>Não é possível salvar os recordes

porque o programa foi iniciado a partir de um CD-ROM.</translation>
    </message>
    <message id="t803">
        <source>The following file could not be found:

</source>
        <translation>O seguinte arquivo não foi encontrado:

</translation>
    </message>
    <message id="t804">
        <source>The file you selected does not have the correct graphics format.</source>
        <translation>O arquivo selecionado não está no formato de imagem correto.</translation>
    </message>
    <message id="t805">
        <source>The image path \images cannot be found.

The programme will now be exited.</source>
        <translation>O caminho \images não foi encontrado.

O programa será encerrado.</translation>
    </message>
    <message id="t806">
        <source>No images found in the path \image.</source>
        <translation>Nenhuma imagem encontrada no caminho \images.</translation>
    </message>
    <message id="t807">
        <source>The image could not be copied into the following folder:

</source>
        <translation>Não foi possível copiar a imagem para a seguinte pasta:

</translation>
    </message>
    <message id="t808">
        <source>At the chosen scaling of %1 %, the screen offers only %2 × %3 points; the game needs at least 800 × 600.

Please set the scaling to %4 % or less and restart the game.</source>
        <translation>Com a escala definida em %1 %, a tela oferece apenas %2 × %3 pontos; o jogo precisa de pelo menos 800 × 600.

Defina a escala para %4 % ou menos e reinicie o jogo.</translation>
    </message>
    <message id="t810">
        <source>The picture you selected is too large to be loaded.</source>
        <translation>A imagem selecionada é grande demais para ser carregada.</translation>
    </message>
    <message id="t811">
        <source>The file you selected is damaged or incomplete.</source>
        <translation>O arquivo selecionado está danificado ou incompleto.</translation>
    </message>
    <message id="t812">
        <source>The file you selected does not contain a picture.</source>
        <translation>O arquivo selecionado não contém uma imagem.</translation>
    </message>
    <message id="t813">
        <source>The saved game was damaged and has been set aside as spiel.dat.defekt.

A new game begins.</source>
        <translation>A partida salva estava danificada e foi guardada à parte como spiel.dat.defekt.

Começa uma nova partida.</translation>
    </message>
    <message id="t814">
        <source>The picture of the saved game is missing or has changed.

The game goes on with the built-in picture.</source>
        <translation>A imagem da partida salva está faltando ou foi alterada.

A partida continua com a imagem embutida.</translation>
    </message>
    <message id="t900">
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message id="t901">
        <source>Tile %1 at row %2, column %3</source>
        <translation>Peça %1 na linha %2, coluna %3</translation>
    </message>
    <message id="t902">
        <source>Empty field at row %1, column %2</source>
        <translation>Casa vazia na linha %1, coluna %2</translation>
    </message>
    <message id="t903">
        <source>in place</source>
        <translation>no lugar</translation>
    </message>
    <message id="t904">
        <source>out of place</source>
        <translation>fora do lugar</translation>
    </message>
    <message id="t905">
        <source>Moves</source>
        <translation>Movimentos</translation>
    </message>
    <message id="t906">
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message id="t910">
        <source>Variant 1: empty field</source>
        <translation>Variante 1: casa vazia</translation>
    </message>
    <message id="t911">
        <source>Variant 2: rows and columns</source>
        <translation>Variante 2: linhas e colunas</translation>
    </message>
    <message id="t912">
        <source>Variant 3: axes</source>
        <translation>Variante 3: eixos</translation>
    </message>
    <message id="t913">
        <source>Axis %1: rows %2–%3, columns %4–%5</source>
        <translation>Eixo %1: linhas %2 e %3, colunas %4 e %5</translation>
    </message>
    <message id="t914">
        <source>Moves: %1</source>
        <translation>Movimentos: %1</translation>
    </message>
    <message id="t915">
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
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
            <numerusform>%1 minutos e %2 segundo</numerusform>
            <numerusform>%1 minutos e %2 segundos</numerusform>
        </translation>
    </message>
    <message id="t921" numerus="yes">
        <source>%1 minutes 1 second</source>
        <translation>
            <numerusform>%1 minuto e 1 segundo</numerusform>
            <numerusform>%1 minutos e 1 segundo</numerusform>
        </translation>
    </message>
    <message id="t922" numerus="yes">
        <source>1 minute %1 seconds</source>
        <translation>
            <numerusform>1 minuto e %1 segundo</numerusform>
            <numerusform>1 minuto e %1 segundos</numerusform>
        </translation>
    </message>
    <message id="t923">
        <source>1 minute 1 second</source>
        <translation>1 minuto e 1 segundo</translation>
    </message>
    <message id="t924">
        <source>Place</source>
        <translation>Posição</translation>
    </message>
    <message id="t925">
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message id="t926">
        <source>Name for place %1</source>
        <translation>Nome para a posição %1</translation>
    </message>
    <message id="t950">
        <source>%1 %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message id="t8">
        <source>Res&amp;tart this board</source>
        <translation>Recomeçar este &amp;tabuleiro</translation>
    </message>
    <message id="t9">
        <source>&amp;Copy game code</source>
        <translation>&amp;Copiar código de partida</translation>
    </message>
    <message id="t10">
        <source>&amp;Enter game code …</source>
        <translation>&amp;Inserir código de partida…</translation>
    </message>
    <message id="t11">
        <source>Today&apos;s &amp;puzzle</source>
        <translation>&amp;Quebra-cabeça do dia</translation>
    </message>
    <message id="t29">
        <source>Solve spee&amp;d</source>
        <translation>&amp;Velocidade de resolução</translation>
    </message>
    <message id="t400" numerus="yes">
        <source>%1 moves a second</source>
        <translation>
            <numerusform>%1 movimento por segundo</numerusform>
            <numerusform>%1 movimentos por segundo</numerusform>
        </translation>
    </message>
    <message id="t401">
        <source>%1 move a second</source>
        <translation>%1 movimento por segundo</translation>
    </message>
    <message id="t450">
        <source>Enter game code</source>
        <translation>Inserir código de partida</translation>
    </message>
    <message id="t451">
        <source>Game code, for example from another player:</source>
        <translation>Código de partida, por exemplo de outro jogador:</translation>
    </message>
    <message id="t452">
        <source>&amp;Play</source>
        <translation>&amp;Jogar</translation>
    </message>
    <message id="t453">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="t454">
        <source>This is not a Tavelor game code. A game code begins with TAV1-.</source>
        <translation>Este não é um código de partida do Tavelor. Um código de partida começa com TAV1-.</translation>
    </message>
    <message id="t455">
        <source>This game code comes from a newer version of Tavelor and cannot be played here.</source>
        <translation>Este código de partida vem de uma versão mais nova do Tavelor e não pode ser jogado aqui.</translation>
    </message>
    <message id="t456">
        <source>The game code is incomplete or too long.</source>
        <translation>O código de partida está incompleto ou longo demais.</translation>
    </message>
    <message id="t457">
        <source>The game code contains a typo: the check characters at its end do not match the rest.</source>
        <translation>O código de partida contém um erro de digitação: os caracteres de verificação no final não correspondem ao resto.</translation>
    </message>
    <message id="t458">
        <source>The game code names none of the three variants.</source>
        <translation>O código de partida não indica nenhuma das três variantes.</translation>
    </message>
    <message id="t459">
        <source>The game code names a board size outside 3 × 3 to 6 × 6.</source>
        <translation>O código de partida indica um tamanho de tabuleiro fora do intervalo de 3 × 3 a 6 × 6.</translation>
    </message>
    <message id="t460">
        <source>The game code holds no complete board: every tile must appear exactly once.</source>
        <translation>O código de partida não contém um tabuleiro completo: cada peça deve aparecer exatamente uma vez.</translation>
    </message>
    <message id="t461">
        <source>The board of this game code cannot be solved in its variant.</source>
        <translation>O tabuleiro deste código de partida não pode ser resolvido na sua variante.</translation>
    </message>
    <message id="t462">
        <source>The game code is damaged: it contains characters that do not belong in it.</source>
        <translation>O código de partida está danificado: contém caracteres que não pertencem a ele.</translation>
    </message>
    <message id="t463">
        <source>The picture “%1” is not in the picture folder. The built-in picture is used instead.</source>
        <translation>A imagem “%1” não está na pasta de imagens. A imagem embutida é usada no lugar.</translation>
    </message>
    <message id="t464">
        <source>Today&apos;s puzzle – days played: %1, in a row: %2</source>
        <translation>Quebra-cabeça do dia – dias jogados: %1, seguidos: %2</translation>
    </message>
    <message id="t7">
        <source>&amp;Watch last game</source>
        <translation>&amp;Ver a última partida</translation>
    </message>
    <message id="t410">
        <source>Replay</source>
        <translation>Reprodução</translation>
    </message>
    <message id="t411">
        <source>&amp;Play</source>
        <translation>&amp;Reproduzir</translation>
    </message>
    <message id="t412">
        <source>&amp;Pause</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message id="t413">
        <source>Step bac&amp;k</source>
        <translation>Movimento &amp;anterior</translation>
    </message>
    <message id="t414">
        <source>Step &amp;forward</source>
        <translation>Pró&amp;ximo movimento</translation>
    </message>
    <message id="t415">
        <source>Choose move</source>
        <translation>Escolher movimento</translation>
    </message>
    <message id="t416">
        <source>Moves per second</source>
        <translation>Movimentos por segundo</translation>
    </message>
    <message id="t417">
        <source>&amp;Back to the game</source>
        <translation>&amp;Voltar à partida</translation>
    </message>
    <message id="t418">
        <source>Move %1 of %2</source>
        <translation>Movimento %1 de %2</translation>
    </message>
    <message id="t419">
        <source>&amp;Watch</source>
        <translation>&amp;Ver</translation>
    </message>
    <message id="t420">
        <source>This game cannot be shown: its start board or its moves cannot be read.</source>
        <translation>Não é possível mostrar esta partida: o tabuleiro inicial ou os movimentos não podem ser lidos.</translation>
    </message>
    <message id="t421">
        <source>No game has been recorded yet.</source>
        <translation>Nenhuma partida foi registrada ainda.</translation>
    </message>
    <message id="t422">
        <source> moves/s</source>
        <translation> mov./s</translation>
    </message>
</context>
</TS>
