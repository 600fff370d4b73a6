<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BoxCompare</name>
    <message>
        <source>Box type: project %1, box %2.</source>
        <translation>Tipo de módulo: projeto %1, módulo %2.</translation>
    </message>
    <message>
        <source>Curve delay: project %1 ms, box %2 ms.</source>
        <translation>Atraso da curva: projeto %1 ms, módulo %2 ms.</translation>
    </message>
    <message>
        <source>Start voltage: project %1 V, box %2 V.</source>
        <translation>Tensão inicial: projeto %1 V, módulo %2 V.</translation>
    </message>
    <message>
        <source>Stop voltage: project %1 V, box %2 V.</source>
        <translation>Tensão final: projeto %1 V, módulo %2 V.</translation>
    </message>
    <message>
        <source>Start delay: project %1, box %2.</source>
        <translation>Atraso de partida: projeto %1, módulo %2.</translation>
    </message>
    <message>
        <source>First CR input: project %1 V, box %2 V.</source>
        <translation>Entrada do 1º ponto CR: projeto %1 V, módulo %2 V.</translation>
    </message>
    <message>
        <source>CR output at the stop voltage: project %1 V, box %2 V.</source>
        <translation>Saída CR na tensão final: projeto %1 V, módulo %2 V.</translation>
    </message>
    <message>
        <source>CR output at the start voltage: project %1 V, box %2 V.</source>
        <translation>Saída CR na tensão inicial: projeto %1 V, módulo %2 V.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, %4 V in the box.</source>
        <translation>Ponto %1 em %2 V: saída %3 V no projeto, %4 V no módulo.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, none in the box.</source>
        <translation>Ponto %1 em %2 V: saída %3 V no projeto, nenhum no módulo.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the box, none in the project.</source>
        <translation>Ponto %1 em %2 V: saída %3 V no módulo, nenhum no projeto.</translation>
    </message>
    <message>
        <source>Cell %1 (%2): project %3, box %4.</source>
        <translation>Célula %1 (%2): projeto %3, módulo %4.</translation>
    </message>
</context>
<context>
    <name>BoxRefusals</name>
    <message>
        <source>TURBO curve (not used by this box type): %1</source>
        <translation>Curva TURBO (não usada neste tipo de módulo): %1</translation>
    </message>
    <message>
        <source>%1 curve has no points.</source>
        <translation>A curva %1 não tem pontos.</translation>
    </message>
    <message>
        <source>%1 point %2: input %3 V lies outside 0 V to 5 V.</source>
        <translation>Curva %1, ponto %2: a entrada %3 V está fora da faixa de 0 V a 5 V.</translation>
    </message>
    <message>
        <source>%1 point %2: output %3 V lies outside 0 V to 5 V.</source>
        <translation>Curva %1, ponto %2: a saída %3 V está fora da faixa de 0 V a 5 V.</translation>
    </message>
    <message>
        <source>%1 curve has %2 points; the box stores at most %3.</source>
        <translation>A curva %1 tem %2 pontos; o módulo guarda no máximo %3.</translation>
    </message>
    <message>
        <source>Box type %1 is not 0, 1 or 2.</source>
        <translation>O tipo de módulo %1 não é 0, 1 nem 2.</translation>
    </message>
    <message>
        <source>Start voltage %1 V lies outside 0 V to 5 V.</source>
        <translation>A tensão inicial %1 V está fora da faixa de 0 V a 5 V.</translation>
    </message>
    <message>
        <source>Stop voltage %1 V lies outside 0 V to 5 V.</source>
        <translation>A tensão final %1 V está fora da faixa de 0 V a 5 V.</translation>
    </message>
    <message>
        <source>Start voltage %1 V lies above the stop voltage %2 V.</source>
        <translation>A tensão inicial %1 V está acima da tensão final %2 V.</translation>
    </message>
    <message>
        <source>Curve delay %1 lies outside 0 to 500.</source>
        <translation>O atraso da curva %1 está fora da faixa de 0 a 500.</translation>
    </message>
    <message>
        <source>Curve delay %1 is not a multiple of 20.</source>
        <translation>O atraso da curva %1 não é múltiplo de 20.</translation>
    </message>
    <message>
        <source>Start delay %1 min %2 s (%3) lies outside 0:00 to 4:00.</source>
        <translation>O atraso de partida %1 min %2 s (%3) está fora da faixa de 0:00 a 4:00.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Ramvik</source>
        <translation>Sobre o Ramvik</translation>
    </message>
    <message>
        <source>Ramvik Version 2.0</source>
        <translation>Ramvik versão 2.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CCompare</name>
    <message>
        <source>Compare with box</source>
        <translation>Comparar com o módulo</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Box %1 holds the project.</source>
        <translation>O módulo %1 contém o projeto.</translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project: the compare panel lists the difference and draws the box&apos;s curves over the project&apos;s.</source>
        <translation>O módulo %1 contém valores diferentes do projeto: o painel de comparação lista a diferença e desenha as curvas do módulo sobre as do projeto.</translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project: the compare panel lists %2 differences and draws the box&apos;s curves over the project&apos;s.</source>
        <translation>O módulo %1 contém valores diferentes do projeto: o painel de comparação lista %2 diferenças e desenha as curvas do módulo sobre as do projeto.</translation>
    </message>
    <message>
        <source>The compare was stopped after %1 of %2 cells: nothing was compared, and the project is unchanged.</source>
        <translation>A comparação foi interrompida depois de %1 de %2 células: nada foi comparado, e o projeto não mudou.</translation>
    </message>
</context>
<context>
    <name>CComparePanel</name>
    <message>
        <source>Compare with box</source>
        <translation>Comparar com o módulo</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Diferenças</translation>
    </message>
    <message>
        <source>The box&apos;s curves are drawn over the project&apos;s: CR in magenta dots, TURBO in black dashes.</source>
        <translation>As curvas do módulo são desenhadas sobre as do projeto: CR em pontos magenta, TURBO em traços pretos.</translation>
    </message>
    <message>
        <source>Take the box&apos;s project</source>
        <translation>Usar o projeto do módulo</translation>
    </message>
    <message>
        <source>Keep the project</source>
        <translation>Manter o projeto</translation>
    </message>
    <message>
        <source>Box %1 holds the project.</source>
        <translation>O módulo %1 contém o projeto.</translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project:</source>
        <translation>O módulo %1 contém valores diferentes do projeto:</translation>
    </message>
</context>
<context>
    <name>CConnectionHelpDlg</name>
    <message>
        <source>Connection help</source>
        <translation>Ajuda com a conexão</translation>
    </message>
    <message>
        <source>What Ramvik found on the way to the box&apos;s converter:</source>
        <translation>O que o Ramvik encontrou no caminho até o conversor do módulo:</translation>
    </message>
    <message>
        <source>Copy report</source>
        <translation>Copiar relatório</translation>
    </message>
    <message>
        <source>Puts this report on the clipboard, followed by the same checks with the commands for whoever looks after this computer.</source>
        <translation>Copia este relatório para a área de transferência, seguido das mesmas verificações com os comandos para quem cuida deste computador.</translation>
    </message>
    <message>
        <source>%1

For whoever looks after this computer:
%2
</source>
        <translation>%1

Para quem cuida deste computador:
%2
</translation>
    </message>
    <message>
        <source>The report is on the clipboard. Paste it into an e-mail or a message to whoever looks after this computer.</source>
        <translation>O relatório está na área de transferência. Cole-o em um e-mail ou mensagem para quem cuida deste computador.</translation>
    </message>
</context>
<context>
    <name>CFileComparePanel</name>
    <message>
        <source>Compare with file</source>
        <translation>Comparar com arquivo</translation>
    </message>
    <message>
        <source>Differences from the file</source>
        <translation>Diferenças em relação ao arquivo</translation>
    </message>
    <message>
        <source>The curves of %1 are drawn over the project&apos;s: CR in teal dash-dots, TURBO in brown dash-dot-dots.</source>
        <translation>As curvas de %1 são desenhadas sobre as do projeto: CR em traço-ponto verde-azulado, TURBO em traço-ponto-ponto marrom.</translation>
    </message>
    <message>
        <source>Take These Points from the File</source>
        <translation>Usar estes pontos do arquivo</translation>
    </message>
    <message>
        <source>The selected points of the edited curve take the file&apos;s points in their stretch</source>
        <translation>Os pontos selecionados da curva editada recebem os pontos do arquivo no mesmo trecho</translation>
    </message>
    <message>
        <source>Close Comparison</source>
        <translation>Fechar comparação</translation>
    </message>
    <message>
        <source>%1 holds the project.</source>
        <translation>%1 contém o projeto.</translation>
    </message>
    <message>
        <source>%1 holds other values than the project:</source>
        <translation>%1 contém valores diferentes do projeto:</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>Keys and Mouse</source>
        <translation>Teclas e mouse</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The graph&lt;/h3&gt;&lt;p&gt;The edited curve is the one whose box is ticked beside &lt;b&gt;CR&lt;/b&gt; or &lt;b&gt;TURBO&lt;/b&gt; (F2, F3). Its points carry round markers; the chosen point is larger and filled.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Click&lt;/b&gt; on a point to choose it, and &lt;b&gt;drag&lt;/b&gt; it up or down to set its output. A point keeps its input.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Click&lt;/b&gt; anywhere else in the plot to add a point there.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Right-click&lt;/b&gt; on a point to remove it; during a drag the right button puts the point back on the line where output equals input.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Double-click&lt;/b&gt; a point, or press &lt;b&gt;Enter&lt;/b&gt;, to type its exact output; with no point chosen, Enter adds a point at the input you type.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Several points at once&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Shift+click&lt;/b&gt; a point to select every point from the last clicked one to it; &lt;b&gt;Ctrl+click&lt;/b&gt; adds a point to the selection or takes it out.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Shift+drag&lt;/b&gt; in the plot selects the points inside the rectangle.&lt;/li&gt;&lt;li&gt;Selected points carry filled squares. The &lt;b&gt;Points&lt;/b&gt; table beside the graph (View, Ctrl+T) lists every point; its selected rows are the selected points, and an output typed into it is set as Enter sets it.&lt;/li&gt;&lt;li&gt;Edit &amp;gt; Selection sets, raises, scales, interpolates or smooths the selected outputs in one step to undo; the table&apos;s right-click menu offers the same.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Zoom&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Ctrl+wheel&lt;/b&gt; zooms in and out around the pointer.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Shift+wheel&lt;/b&gt; moves the view sideways; a drag with the &lt;b&gt;middle button&lt;/b&gt; moves it in any direction.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+0&lt;/b&gt; (View &amp;gt; Reset Zoom) shows the whole range again. A printout always shows the whole range.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;The points at 0 V and 5 V stay, and so do the CR points at the start and stop voltage; only CR points between them move. An output lies at most 1.6 V below its input. Values snap to the box&apos;s steps of 0.02 V. The status line says why an edit was held back.&lt;/p&gt;&lt;h3&gt;Keys of the graph&lt;/h3&gt;&lt;p&gt;They act on the chosen point once the graph has the keyboard focus (click it, or press Tab until it is framed), wherever the mouse pointer is. Ctrl+A, Escape, Ctrl+C and Ctrl+V act in the points table too; in a text field they act on its text.&lt;/p&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Left&lt;/b&gt;, &lt;b&gt;Right&lt;/b&gt;&lt;/td&gt;&lt;td&gt;choose the neighbouring point&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;&lt;/td&gt;&lt;td&gt;move it by 0.02 V; with several points selected, move all of them&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Shift+Up&lt;/b&gt;, &lt;b&gt;Shift+Down&lt;/b&gt;&lt;/td&gt;&lt;td&gt;the same by 0.1 V&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+A&lt;/b&gt;&lt;/td&gt;&lt;td&gt;select every point of the edited curve&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Escape&lt;/b&gt;&lt;/td&gt;&lt;td&gt;select no point (a rectangle being drawn goes first)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;copy the selected points (every point when none is selected) as text: a header line, then input and output a line&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+V&lt;/b&gt;&lt;/td&gt;&lt;td&gt;paste: a column of numbers sets the outputs of as many selected points; input and output pairs replace the selected stretch, or are added when nothing is selected&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Delete&lt;/b&gt;&lt;/td&gt;&lt;td&gt;remove it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;type its exact values&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;The parameters&lt;/h3&gt;&lt;p&gt;Type a value into its field and press Enter or Tab, or use the arrows beside it, the Up and Down keys in the field or the mouse wheel. The start delay is typed as minutes:seconds (1:30). A value the box cannot take is refused, and the status line says why.&lt;/p&gt;&lt;h3&gt;Everywhere&lt;/h3&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Z&lt;/b&gt;&lt;/td&gt;&lt;td&gt;undo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+Z&lt;/b&gt;, &lt;b&gt;Ctrl+Y&lt;/b&gt;&lt;/td&gt;&lt;td&gt;redo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+N&lt;/b&gt;, &lt;b&gt;Ctrl+O&lt;/b&gt;, &lt;b&gt;Ctrl+S&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+S&lt;/b&gt;&lt;/td&gt;&lt;td&gt;new, open, save, save as&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+P&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+E&lt;/b&gt;&lt;/td&gt;&lt;td&gt;print, export PDF&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+W&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+R&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;write to the box, read from it, compare with it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+1&lt;/b&gt;, &lt;b&gt;Ctrl+2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Input-Output view, Difference view&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;reset the zoom&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+T&lt;/b&gt;&lt;/td&gt;&lt;td&gt;show or hide the points table&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F5&lt;/b&gt; to &lt;b&gt;F9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;set, raise, scale, interpolate, smooth the selected outputs&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+F&lt;/b&gt;&lt;/td&gt;&lt;td&gt;compare with another project file&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt&lt;/b&gt; and the underlined letter&lt;/td&gt;&lt;td&gt;open a menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;O gráfico&lt;/h3&gt;&lt;p&gt;A curva editada é aquela cuja caixa de seleção ao lado de &lt;b&gt;CR&lt;/b&gt; ou &lt;b&gt;TURBO&lt;/b&gt; está marcada (F2, F3). Seus pontos têm marcadores redondos; o ponto escolhido é maior e preenchido.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Clique&lt;/b&gt; em um ponto para escolhê-lo e &lt;b&gt;arraste&lt;/b&gt;-o para cima ou para baixo para definir a saída. O ponto mantém a entrada.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Clique&lt;/b&gt; em qualquer outro lugar do gráfico para adicionar um ponto ali.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Clique com o botão direito&lt;/b&gt; em um ponto para removê-lo; durante o arraste, o botão direito devolve o ponto à linha onde a saída é igual à entrada.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Clique duas vezes&lt;/b&gt; em um ponto, ou pressione &lt;b&gt;Enter&lt;/b&gt;, para digitar a saída exata; sem ponto escolhido, o Enter adiciona um ponto na entrada que você digitar.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Vários pontos de uma vez&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Shift+clique&lt;/b&gt; em um ponto seleciona todos os pontos desde o último clicado até ele; &lt;b&gt;Ctrl+clique&lt;/b&gt; adiciona um ponto à seleção ou o retira dela.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Shift+arrastar&lt;/b&gt; no gráfico seleciona os pontos dentro do retângulo.&lt;/li&gt;&lt;li&gt;Os pontos selecionados têm quadrados preenchidos. A tabela &lt;b&gt;Pontos&lt;/b&gt; ao lado do gráfico (Exibir, Ctrl+T) lista todos os pontos; as linhas selecionadas nela são os pontos selecionados, e uma saída digitada nela é definida como o Enter a define.&lt;/li&gt;&lt;li&gt;Editar &amp;gt; Seleção define, aumenta, escala, interpola ou suaviza as saídas selecionadas em um só passo, que se desfaz de uma vez; o menu do botão direito da tabela oferece o mesmo.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Zoom&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Ctrl+roda do mouse&lt;/b&gt; aproxima e afasta em torno do ponteiro.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Shift+roda do mouse&lt;/b&gt; move a visão para os lados; arrastar com o &lt;b&gt;botão do meio&lt;/b&gt; a move em qualquer direção.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+0&lt;/b&gt; (Exibir &amp;gt; Resetar zoom) mostra de novo a faixa inteira. A impressão sempre mostra a faixa inteira.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Os pontos em 0 V e 5 V são fixos, assim como os pontos CR nas tensões inicial e final; só os pontos CR entre elas se movem. A saída fica no máximo 1,6 V abaixo da entrada. Os valores se ajustam aos passos de 0,02 V do módulo. A barra de status diz por que uma edição foi recusada.&lt;/p&gt;&lt;h3&gt;Teclas do gráfico&lt;/h3&gt;&lt;p&gt;Elas atuam no ponto escolhido quando o gráfico tem o foco do teclado (clique nele ou pressione Tab até ele ficar destacado), não importa onde esteja o ponteiro do mouse. Ctrl+A, Esc, Ctrl+C e Ctrl+V também atuam na tabela de pontos; em um campo de texto, atuam sobre o texto.&lt;/p&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;←&lt;/b&gt;, &lt;b&gt;→&lt;/b&gt;&lt;/td&gt;&lt;td&gt;escolher o ponto vizinho&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;↑&lt;/b&gt;, &lt;b&gt;↓&lt;/b&gt;&lt;/td&gt;&lt;td&gt;mover o ponto 0,02 V; com vários pontos selecionados, mover todos eles&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Shift+↑&lt;/b&gt;, &lt;b&gt;Shift+↓&lt;/b&gt;&lt;/td&gt;&lt;td&gt;o mesmo com 0,1 V&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+A&lt;/b&gt;&lt;/td&gt;&lt;td&gt;selecionar todos os pontos da curva editada&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Esc&lt;/b&gt;&lt;/td&gt;&lt;td&gt;limpar a seleção (antes disso, cancela um retângulo sendo desenhado)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;copiar os pontos selecionados (todos, se nenhum estiver selecionado) como texto: uma linha de cabeçalho, depois entrada e saída, um par por linha&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+V&lt;/b&gt;&lt;/td&gt;&lt;td&gt;colar: uma coluna de números define as saídas de outros tantos pontos selecionados; pares de entrada e saída substituem o trecho selecionado, ou são adicionados se nada estiver selecionado&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Delete&lt;/b&gt;&lt;/td&gt;&lt;td&gt;remover o ponto&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;digitar os valores exatos&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Os parâmetros&lt;/h3&gt;&lt;p&gt;Digite um valor no campo e pressione Enter ou Tab, ou use as setas ao lado dele, as teclas ↑ e ↓ no campo ou a roda do mouse. O atraso de partida é digitado como minutos:segundos (1:30). Um valor que o módulo não aceita é recusado, e a barra de status diz por quê.&lt;/p&gt;&lt;h3&gt;Em qualquer lugar&lt;/h3&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Z&lt;/b&gt;&lt;/td&gt;&lt;td&gt;desfazer&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+Z&lt;/b&gt;, &lt;b&gt;Ctrl+Y&lt;/b&gt;&lt;/td&gt;&lt;td&gt;refazer&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+N&lt;/b&gt;, &lt;b&gt;Ctrl+O&lt;/b&gt;, &lt;b&gt;Ctrl+S&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+S&lt;/b&gt;&lt;/td&gt;&lt;td&gt;novo, abrir, salvar, salvar como&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+P&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+E&lt;/b&gt;&lt;/td&gt;&lt;td&gt;imprimir, exportar PDF&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+W&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+R&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;gravar no módulo, ler do módulo, comparar com o módulo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+1&lt;/b&gt;, &lt;b&gt;Ctrl+2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;visão Entrada-Saída, visão Diferença&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;resetar o zoom&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+T&lt;/b&gt;&lt;/td&gt;&lt;td&gt;mostrar ou ocultar a tabela de pontos&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F5&lt;/b&gt; a &lt;b&gt;F9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;definir, aumentar, escalar, interpolar, suavizar as saídas selecionadas&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+F&lt;/b&gt;&lt;/td&gt;&lt;td&gt;comparar com outro arquivo de projeto&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt&lt;/b&gt; e a letra sublinhada&lt;/td&gt;&lt;td&gt;abrir um menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
</context>
<context>
    <name>CHistoryBrowser</name>
    <message>
        <source>Write History</source>
        <translation>Histórico de gravações</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Customer, vehicle, registration, project, box, outcome...</source>
        <translation>Cliente, veículo, placa, projeto, módulo, resultado...</translation>
    </message>
    <message>
        <source>Writes</source>
        <translation>Gravações</translation>
    </message>
    <message>
        <source>&amp;Open Project</source>
        <translation>&amp;Abrir projeto</translation>
    </message>
    <message>
        <source>Open the project as it was written</source>
        <translation>Abrir o projeto como foi gravado</translation>
    </message>
    <message>
        <source>&amp;Compare with Box...</source>
        <translation>&amp;Comparar com o módulo...</translation>
    </message>
    <message>
        <source>Open the project as it was written and compare it with the box</source>
        <translation>Abrir o projeto como foi gravado e compará-lo com o módulo</translation>
    </message>
    <message>
        <source>&amp;Print Sheet...</source>
        <translation>&amp;Imprimir folha...</translation>
    </message>
    <message>
        <source>Print the project&apos;s sheet with the job and the outcome</source>
        <translation>Imprimir a folha do projeto com o serviço e o resultado</translation>
    </message>
    <message>
        <source>&amp;Write Back What the Box Held Before...</source>
        <translation>&amp;Restaurar o conteúdo anterior do módulo...</translation>
    </message>
    <message>
        <source>Write into the box what it held before this write</source>
        <translation>Gravar no módulo o que ele continha antes desta gravação</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>No write has been kept yet.</source>
        <translation>Nenhuma gravação foi guardada ainda.</translation>
    </message>
    <message>
        <source>Kept as %1</source>
        <translation>Guardado como %1</translation>
    </message>
    <message>
        <source>Write back into box %1 what it held before the write of %2?

The box&apos;s present contents are lost unless the backup is on.</source>
        <translation>Restaurar no módulo %1 o que ele continha antes da gravação de %2?

O conteúdo atual do módulo será perdido, a menos que o backup esteja ativado.</translation>
    </message>
</context>
<context>
    <name>CHistoryModel</name>
    <message>
        <source>did not finish</source>
        <translation>não terminou</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificado</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>diferenças</translation>
    </message>
    <message>
        <source>check cut off</source>
        <translation>verificação interrompida</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>não verificado</translation>
    </message>
    <message>
        <source>stopped before the first cell</source>
        <translation>parou antes da 1ª célula</translation>
    </message>
    <message>
        <source>stopped after cell %1</source>
        <translation>parou depois da célula %1</translation>
    </message>
    <message>
        <source>failed at cell %1</source>
        <translation>falhou na célula %1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data/hora</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Módulo</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projeto</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Veículo</translation>
    </message>
    <message>
        <source>Registration or VIN</source>
        <translation>Placa ou chassi</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
</context>
<context>
    <name>CPanel</name>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Print Project</source>
        <translation>Imprimir projeto</translation>
    </message>
    <message>
        <source>Graph Type:</source>
        <translation>Tipo de gráfico:</translation>
    </message>
    <message>
        <source>Input-Output</source>
        <translation>Entrada-Saída</translation>
    </message>
    <message>
        <source>Difference </source>
        <translation>Diferença </translation>
    </message>
    <message>
        <source>Box Type:</source>
        <translation>Tipo de módulo:</translation>
    </message>
    <message>
        <source>1 CR input</source>
        <translation>1 entrada CR</translation>
    </message>
    <message>
        <source>2 CR inputs</source>
        <translation>2 entradas CR</translation>
    </message>
    <message>
        <source>CR&amp;TURBO</source>
        <translation>CR&amp;TURBO</translation>
    </message>
    <message>
        <source>CR</source>
        <translation>CR</translation>
    </message>
    <message>
        <source>TURBO</source>
        <translation>TURBO</translation>
    </message>
    <message>
        <source>Copy curve</source>
        <translation>Copiar curva</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Start Voltage:</source>
        <translation>Tensão inicial:</translation>
    </message>
    <message>
        <source>Stop Voltage:</source>
        <translation>Tensão final:</translation>
    </message>
    <message>
        <source>Start Delay:</source>
        <translation>Atraso de partida:</translation>
    </message>
    <message>
        <source>min : sec</source>
        <translation>min : s</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>0,1 V</source>
        <translation>0,1 V</translation>
    </message>
    <message>
        <source>Curve Delay:</source>
        <translation>Atraso da curva:</translation>
    </message>
    <message>
        <source>Compare with box</source>
        <translation>Comparar com o módulo</translation>
    </message>
    <message>
        <source>Start voltage</source>
        <translation>Tensão inicial</translation>
    </message>
    <message>
        <source>Below this input voltage the box leaves the signal alone. Type a value in steps of 0.1 V and press Enter.</source>
        <translation>Abaixo desta tensão de entrada o módulo não altera o sinal. Digite um valor em passos de 0,1 V e pressione Enter.</translation>
    </message>
    <message>
        <source>Stop voltage</source>
        <translation>Tensão final</translation>
    </message>
    <message>
        <source>Above this input voltage the box leaves the signal alone. Type a value in steps of 0.1 V and press Enter.</source>
        <translation>Acima desta tensão de entrada o módulo não altera o sinal. Digite um valor em passos de 0,1 V e pressione Enter.</translation>
    </message>
    <message>
        <source>Start delay</source>
        <translation>Atraso de partida</translation>
    </message>
    <message>
        <source>How long after the engine starts the box begins, from 0:00 to 4:00. Type it as minutes:seconds and press Enter.</source>
        <translation>Quanto tempo depois da partida do motor o módulo começa a atuar, de 0:00 a 4:00. Digite como minutos:segundos e pressione Enter.</translation>
    </message>
    <message>
        <source>Curve delay</source>
        <translation>Atraso da curva</translation>
    </message>
    <message>
        <source>Milliseconds per 0.1 V, from 0 to 500 in steps of 20. Type a value and press Enter.</source>
        <translation>Milissegundos por 0,1 V, de 0 a 500 em passos de 20. Digite um valor e pressione Enter.</translation>
    </message>
    <message>
        <source>Raise the start voltage by 0.1 V</source>
        <translation>Aumentar a tensão inicial em 0,1 V</translation>
    </message>
    <message>
        <source>Lower the start voltage by 0.1 V</source>
        <translation>Diminuir a tensão inicial em 0,1 V</translation>
    </message>
    <message>
        <source>Raise the stop voltage by 0.1 V</source>
        <translation>Aumentar a tensão final em 0,1 V</translation>
    </message>
    <message>
        <source>Lower the stop voltage by 0.1 V</source>
        <translation>Diminuir a tensão final em 0,1 V</translation>
    </message>
    <message>
        <source>Start delay one minute longer</source>
        <translation>Atraso de partida um minuto maior</translation>
    </message>
    <message>
        <source>Start delay one minute shorter</source>
        <translation>Atraso de partida um minuto menor</translation>
    </message>
    <message>
        <source>Start delay one second longer</source>
        <translation>Atraso de partida um segundo maior</translation>
    </message>
    <message>
        <source>Start delay one second shorter</source>
        <translation>Atraso de partida um segundo menor</translation>
    </message>
    <message>
        <source>Curve delay 20 ms longer</source>
        <translation>Atraso da curva 20 ms maior</translation>
    </message>
    <message>
        <source>Curve delay 20 ms shorter</source>
        <translation>Atraso da curva 20 ms menor</translation>
    </message>
</context>
<context>
    <name>CPointEntryDlg</name>
    <message>
        <source> V</source>
        <translation> V</translation>
    </message>
    <message>
        <source>New Point</source>
        <translation>Novo ponto</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Ponto</translation>
    </message>
    <message>
        <source>The input voltage of the new point</source>
        <translation>A tensão de entrada do novo ponto</translation>
    </message>
    <message>
        <source>The input voltage of the point; dragging keeps it</source>
        <translation>A tensão de entrada do ponto; arrastar não a altera</translation>
    </message>
    <message>
        <source>The output voltage the box hands on at this input</source>
        <translation>A tensão de saída que o módulo entrega nesta entrada</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Entrada:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Saída:</translation>
    </message>
    <message>
        <source>Output from %1 V to %2 V</source>
        <translation>Saída de %1 V a %2 V</translation>
    </message>
</context>
<context>
    <name>CPointsTable</name>
    <message>
        <source>Input (V)</source>
        <translation>Entrada (V)</translation>
    </message>
    <message>
        <source>Output (V)</source>
        <translation>Saída (V)</translation>
    </message>
    <message>
        <source>Difference (V)</source>
        <translation>Diferença (V)</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Points of the edited curve</source>
        <translation>Pontos da curva editada</translation>
    </message>
    <message>
        <source>Input, output and difference of each point in volts; type an output to set it</source>
        <translation>Entrada, saída e diferença de cada ponto em volts; digite uma saída para defini-la</translation>
    </message>
</context>
<context>
    <name>CPortChoiceDlg</name>
    <message>
        <source>Choose the box&apos;s converter</source>
        <translation>Escolha o conversor do módulo</translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s.
Choose the box&apos;s converter:</source>
        <translation>Mais de um conversor pode ser o do módulo.
Escolha o conversor do módulo:</translation>
    </message>
</context>
<context>
    <name>CRamvikDlg</name>
    <message>
        <source>Click in the graph to add a point, drag a point to move it, right-click to remove it; double-click or Enter types exact values.</source>
        <translation>Clique no gráfico para adicionar um ponto, arraste um ponto para movê-lo, clique com o botão direito para removê-lo; clique duplo ou Enter digita valores exatos.</translation>
    </message>
    <message>
        <source>The start voltage is a number of volts, such as 1.5.</source>
        <translation>A tensão inicial é um número de volts, como 1,5.</translation>
    </message>
    <message>
        <source>The stop voltage is a number of volts, such as 4.5.</source>
        <translation>A tensão final é um número de volts, como 4,5.</translation>
    </message>
    <message>
        <source>Type the start delay as minutes and seconds, such as 1:30.</source>
        <translation>Digite o atraso de partida em minutos e segundos, como 1:30.</translation>
    </message>
    <message>
        <source>The curve delay is a whole number of milliseconds, such as 200.</source>
        <translation>O atraso da curva é um número inteiro de milissegundos, como 200.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Start a new project</source>
        <translation>Iniciar um novo projeto</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open a project file</source>
        <translation>Abrir um arquivo de projeto</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save the project to its file; asks for a name when it has none</source>
        <translation>Salvar o projeto no seu arquivo; pede um nome quando ele não tem</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>Save the project under a name</source>
        <translation>Salvar o projeto com um nome</translation>
    </message>
    <message>
        <source>&amp;Print Project...</source>
        <translation>&amp;Imprimir projeto...</translation>
    </message>
    <message>
        <source>Print the project sheet</source>
        <translation>Imprimir a folha do projeto</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Exportar PDF...</translation>
    </message>
    <message>
        <source>Save the project sheet as a PDF file</source>
        <translation>Salvar a folha do projeto como arquivo PDF</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Close Ramvik</source>
        <translation>Fechar o Ramvik</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Desfazer a última alteração</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Re&amp;fazer</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Refazer a alteração desfeita</translation>
    </message>
    <message>
        <source>&amp;Previous Point</source>
        <translation>Ponto &amp;anterior</translation>
    </message>
    <message>
        <source>Choose the point left of the chosen one</source>
        <translation>Escolher o ponto à esquerda do escolhido</translation>
    </message>
    <message>
        <source>&amp;Next Point</source>
        <translation>&amp;Próximo ponto</translation>
    </message>
    <message>
        <source>Choose the point right of the chosen one</source>
        <translation>Escolher o ponto à direita do escolhido</translation>
    </message>
    <message>
        <source>Move the chosen point up by 0.02 V</source>
        <translation>Mover o ponto escolhido 0,02 V para cima</translation>
    </message>
    <message>
        <source>Point &amp;Down</source>
        <translation>Ponto para &amp;baixo</translation>
    </message>
    <message>
        <source>Move the chosen point down by 0.02 V</source>
        <translation>Mover o ponto escolhido 0,02 V para baixo</translation>
    </message>
    <message>
        <source>Move the chosen point up by 0.1 V</source>
        <translation>Mover o ponto escolhido 0,1 V para cima</translation>
    </message>
    <message>
        <source>Move the chosen point down by 0.1 V</source>
        <translation>Mover o ponto escolhido 0,1 V para baixo</translation>
    </message>
    <message>
        <source>Re&amp;move Point</source>
        <translation>Re&amp;mover ponto</translation>
    </message>
    <message>
        <source>Remove the chosen point</source>
        <translation>Remover o ponto escolhido</translation>
    </message>
    <message>
        <source>Point &amp;Values...</source>
        <translation>&amp;Valores do ponto...</translation>
    </message>
    <message>
        <source>Type the exact values of the chosen point, or of a new point</source>
        <translation>Digitar os valores exatos do ponto escolhido ou de um novo ponto</translation>
    </message>
    <message>
        <source>Edit &amp;CR Curve</source>
        <translation>&amp;Editar curva CR</translation>
    </message>
    <message>
        <source>Edit the CR curve (blue)</source>
        <translation>Editar a curva CR (azul)</translation>
    </message>
    <message>
        <source>Edit &amp;TURBO Curve</source>
        <translation>Editar curva &amp;TURBO</translation>
    </message>
    <message>
        <source>Edit the TURBO curve (red)</source>
        <translation>Editar a curva TURBO (vermelha)</translation>
    </message>
    <message>
        <source>Make the CR curve a straight line again</source>
        <translation>Tornar a curva CR uma linha reta de novo</translation>
    </message>
    <message>
        <source>Make the TURBO curve a straight line again</source>
        <translation>Tornar a curva TURBO uma linha reta de novo</translation>
    </message>
    <message>
        <source>C&amp;opy Curve</source>
        <translation>C&amp;opiar curva</translation>
    </message>
    <message>
        <source>Copy the edited curve onto the other curve</source>
        <translation>Copiar a curva editada sobre a outra curva</translation>
    </message>
    <message>
        <source>&amp;Write to Box...</source>
        <translation>&amp;Gravar no módulo...</translation>
    </message>
    <message>
        <source>Write the curves and parameters into the box</source>
        <translation>Gravar as curvas e os parâmetros no módulo</translation>
    </message>
    <message>
        <source>&amp;Read from Box...</source>
        <translation>&amp;Ler do módulo...</translation>
    </message>
    <message>
        <source>Read the curves and parameters from the box</source>
        <translation>Ler as curvas e os parâmetros do módulo</translation>
    </message>
    <message>
        <source>&amp;Compare with Box...</source>
        <translation>&amp;Comparar com o módulo...</translation>
    </message>
    <message>
        <source>Read the box and compare it with the project</source>
        <translation>Ler o módulo e compará-lo com o projeto</translation>
    </message>
    <message>
        <source>Write &amp;History...</source>
        <translation>&amp;Histórico de gravações...</translation>
    </message>
    <message>
        <source>What Ramvik sees of the box&apos;s USB converter, and what to do</source>
        <translation>O que o Ramvik vê do conversor USB do módulo, e o que fazer</translation>
    </message>
    <message>
        <source>&amp;1 CR input</source>
        <translation>&amp;1 entrada CR</translation>
    </message>
    <message>
        <source>&amp;2 CR inputs</source>
        <translation>&amp;2 entradas CR</translation>
    </message>
    <message>
        <source>CR&amp;&amp;&amp;TURBO</source>
        <translation>CR&amp;&amp;&amp;TURBO</translation>
    </message>
    <message>
        <source>The type of the box the project is for</source>
        <translation>O tipo de módulo para o qual o projeto é feito</translation>
    </message>
    <message>
        <source>&amp;Input-Output</source>
        <translation>&amp;Entrada-Saída</translation>
    </message>
    <message>
        <source>Show the output voltage against the input voltage</source>
        <translation>Mostrar a tensão de saída em função da tensão de entrada</translation>
    </message>
    <message>
        <source>&amp;Difference</source>
        <translation>&amp;Diferença</translation>
    </message>
    <message>
        <source>Show the input voltage minus the output voltage</source>
        <translation>Mostrar a tensão de entrada menos a tensão de saída</translation>
    </message>
    <message>
        <source>Show C&amp;R Curve</source>
        <translation>Mostrar curva C&amp;R</translation>
    </message>
    <message>
        <source>Show the CR curve while the TURBO curve is edited</source>
        <translation>Mostrar a curva CR enquanto a curva TURBO é editada</translation>
    </message>
    <message>
        <source>Show &amp;TURBO Curve</source>
        <translation>Mostrar curva &amp;TURBO</translation>
    </message>
    <message>
        <source>Show the TURBO curve while the CR curve is edited</source>
        <translation>Mostrar a curva TURBO enquanto a curva CR é editada</translation>
    </message>
    <message>
        <source>&amp;Keys and Mouse</source>
        <translation>&amp;Teclas e mouse</translation>
    </message>
    <message>
        <source>How to edit the curves with the mouse and the keys</source>
        <translation>Como editar as curvas com o mouse e as teclas</translation>
    </message>
    <message>
        <source>&amp;About Ramvik...</source>
        <translation>&amp;Sobre o Ramvik...</translation>
    </message>
    <message>
        <source>The program&apos;s name and version</source>
        <translation>Nome e versão do programa</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir recen&amp;tes</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Box</source>
        <translation>&amp;Módulo</translation>
    </message>
    <message>
        <source>Box &amp;Type</source>
        <translation>&amp;Tipo de módulo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Everyday actions</source>
        <translation>Ações do dia a dia</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Ramvik Project (*.rmvp)</source>
        <translation>Projeto Ramvik (*.rmvp)</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>Não foi possível criar o PDF.</translation>
    </message>
    <message>
        <source>Can&apos;t save file!

%1

%2</source>
        <translation>Erro ao salvar o arquivo!

%1

%2</translation>
    </message>
    <message>
        <source>The project sheet went to %1.</source>
        <translation>A folha do projeto foi salva em %1.</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>1&amp;0 %1</source>
        <translation>1&amp;0 %1</translation>
    </message>
    <message>
        <source>No projects yet</source>
        <translation>Nenhum projeto ainda</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Limpar lista</translation>
    </message>
    <message>
        <source>Forget the projects listed here; the files stay</source>
        <translation>Esquecer os projetos desta lista; os arquivos continuam</translation>
    </message>
    <message>
        <source>Po&amp;int Up</source>
        <translation>Ponto para &amp;cima</translation>
    </message>
    <message>
        <source>Point Up &amp;by 0.1 V</source>
        <translation>Ponto para c&amp;ima 0,1 V</translation>
    </message>
    <message>
        <source>Point Do&amp;wn by 0.1 V</source>
        <translation>Ponto para bai&amp;xo 0,1 V</translation>
    </message>
    <message>
        <source>R&amp;eset CR Curve</source>
        <translation>Re&amp;setar curva CR</translation>
    </message>
    <message>
        <source>Re&amp;set TURBO Curve</source>
        <translation>Resetar curva T&amp;URBO</translation>
    </message>
    <message>
        <source>C&amp;onnection Help</source>
        <translation>&amp;Ajuda com a conexão</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>Idioma do &amp;sistema</translation>
    </message>
    <message>
        <source>Reset &amp;Zoom</source>
        <translation>Resetar &amp;zoom</translation>
    </message>
    <message>
        <source>Show the whole range of the graph again</source>
        <translation>Mostrar de novo toda a faixa do gráfico</translation>
    </message>
    <message>
        <source>Find earlier writes by customer, vehicle or box; open, compare, print or write back</source>
        <translation>Buscar gravações anteriores por cliente, veículo ou módulo; abrir, comparar, imprimir ou restaurar</translation>
    </message>
    <message>
        <source>Select the points that take the file&apos;s points first.</source>
        <translation>Primeiro selecione os pontos que vão receber os pontos do arquivo.</translation>
    </message>
    <message>
        <source>Cop&amp;y Points</source>
        <translation>Copiar po&amp;ntos</translation>
    </message>
    <message>
        <source>Copy the selected points, or every point when none is selected, as text</source>
        <translation>Copiar os pontos selecionados, ou todos se nenhum estiver selecionado, como texto</translation>
    </message>
    <message>
        <source>P&amp;aste Points</source>
        <translation>Cola&amp;r pontos</translation>
    </message>
    <message>
        <source>Paste outputs or input and output pairs onto the selected points</source>
        <translation>Colar saídas ou pares de entrada e saída nos pontos selecionados</translation>
    </message>
    <message>
        <source>Select &amp;All Points</source>
        <translation>Selecionar &amp;tudo</translation>
    </message>
    <message>
        <source>Select every point of the edited curve</source>
        <translation>Selecionar todos os pontos da curva editada</translation>
    </message>
    <message>
        <source>&amp;Clear Selection</source>
        <translation>&amp;Limpar seleção</translation>
    </message>
    <message>
        <source>Select no point</source>
        <translation>Limpar a seleção de pontos</translation>
    </message>
    <message>
        <source>&amp;Set Output...</source>
        <translation>&amp;Definir saída...</translation>
    </message>
    <message>
        <source>Give every selected point the same output</source>
        <translation>Dar a mesma saída a todos os pontos selecionados</translation>
    </message>
    <message>
        <source>A&amp;dd Voltage...</source>
        <translation>&amp;Adicionar tensão...</translation>
    </message>
    <message>
        <source>Raise the outputs of the selected points by a voltage; a negative one lowers them</source>
        <translation>Aumentar as saídas dos pontos selecionados em uma tensão; uma negativa as reduz</translation>
    </message>
    <message>
        <source>Scale by &amp;Percent...</source>
        <translation>Escalar por &amp;porcentagem...</translation>
    </message>
    <message>
        <source>Multiply the outputs of the selected points by a percentage</source>
        <translation>Multiplicar as saídas dos pontos selecionados por uma porcentagem</translation>
    </message>
    <message>
        <source>&amp;Interpolate</source>
        <translation>&amp;Interpolar</translation>
    </message>
    <message>
        <source>Put the inner selected points on the straight line between the first and the last</source>
        <translation>Colocar os pontos selecionados internos na reta entre o primeiro e o último</translation>
    </message>
    <message>
        <source>S&amp;mooth</source>
        <translation>&amp;Suavizar</translation>
    </message>
    <message>
        <source>Move each inner selected point halfway toward its neighbours; the ends stay</source>
        <translation>Mover cada ponto selecionado interno até a metade do caminho até os vizinhos; as pontas ficam</translation>
    </message>
    <message>
        <source>Compare with &amp;File...</source>
        <translation>Co&amp;mparar com arquivo...</translation>
    </message>
    <message>
        <source>Draw another project file over this one and list what differs</source>
        <translation>Desenhar outro arquivo de projeto sobre este e listar as diferenças</translation>
    </message>
    <message>
        <source>Se&amp;lection</source>
        <translation>Se&amp;leção</translation>
    </message>
    <message>
        <source>&amp;Points Table</source>
        <translation>Tabela de &amp;pontos</translation>
    </message>
    <message>
        <source>Show or hide the table of the edited curve&apos;s points</source>
        <translation>Mostrar ou ocultar a tabela de pontos da curva editada</translation>
    </message>
    <message>
        <source>Set Output</source>
        <translation>Definir saída</translation>
    </message>
    <message>
        <source>Output of the selected points:</source>
        <translation>Saída dos pontos selecionados:</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Type an output from 0 to 5 V, such as %1.</source>
        <translation>Digite uma saída de 0 a 5 V, como %1.</translation>
    </message>
    <message>
        <source>Add Voltage</source>
        <translation>Adicionar tensão</translation>
    </message>
    <message>
        <source>Voltage to add (negative lowers):</source>
        <translation>Tensão a adicionar (negativa reduz):</translation>
    </message>
    <message>
        <source>Type a voltage from -5 to 5 V, such as %1 or %2.</source>
        <translation>Digite uma tensão de -5 a 5 V, como %1 ou %2.</translation>
    </message>
    <message>
        <source>Scale by Percent</source>
        <translation>Escalar por porcentagem</translation>
    </message>
    <message>
        <source>Percentage of the outputs:</source>
        <translation>Porcentagem das saídas:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Type a percentage from 0 to 1000, such as %1.</source>
        <translation>Digite uma porcentagem de 0 a 1000, como %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s) copied.</source>
        <translation>
            <numerusform>%n ponto copiado.</numerusform>
            <numerusform>%n pontos copiados.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>A área de transferência não contém texto para colar.</translation>
    </message>
    <message>
        <source>An output is a number of volts, such as %1.</source>
        <translation>A saída é um número de volts, como %1.</translation>
    </message>
</context>
<context>
    <name>CRead</name>
    <message>
        <source>Read from box</source>
        <translation>Leitura do módulo</translation>
    </message>
    <message>
        <source>Read Data</source>
        <translation>Ler dados</translation>
    </message>
    <message>
        <source>Nothing was read: no box could be reached. The project is unchanged.</source>
        <translation>Nada foi lido: não foi possível conectar a nenhum módulo. O projeto não mudou.</translation>
    </message>
    <message>
        <source>Nothing was read: the transfer stopped before the first cell. The project is unchanged.</source>
        <translation>Nada foi lido: a transferência parou antes da primeira célula. O projeto não mudou.</translation>
    </message>
    <message>
        <source>The read stopped after %1 of %2 cells, so nothing was taken from the box. The project is unchanged.</source>
        <translation>A leitura parou depois de %1 de %2 células, então nada foi tirado do módulo. O projeto não mudou.</translation>
    </message>
    <message>
        <source>The project of box %1 (%2) is now the window&apos;s project; it is not saved in any file yet.</source>
        <translation>O projeto do módulo %1 (%2) agora é o projeto da janela; ainda não está salvo em nenhum arquivo.</translation>
    </message>
    <message>
        <source>The read was stopped after %1 of %2 cells: nothing was taken from the box, and the project is unchanged.</source>
        <translation>A leitura foi interrompida depois de %1 de %2 células: nada foi tirado do módulo, e o projeto não mudou.</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>%1 of %2 cells</source>
        <translation>%1 de %2 células</translation>
    </message>
    <message>
        <source>%1 of %2 cells, %3 left</source>
        <translation>%1 de %2 células, faltam %3</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stop the transfer after the cell on its way</source>
        <translation>Parar a transferência depois da célula em andamento</translation>
    </message>
</context>
<context>
    <name>CWrite</name>
    <message>
        <source>Write to box</source>
        <translation>Gravação no módulo</translation>
    </message>
    <message>
        <source>Write Data</source>
        <translation>Gravar dados</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Verificar após gravar</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>two sentences, one after the other</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>It is kept in the history as %1.</source>
        <translation>O projeto foi guardado no histórico como %1.</translation>
    </message>
    <message>
        <source>It was not kept in the history: no history folder is known.</source>
        <translation>O projeto não foi guardado no histórico: nenhuma pasta de histórico é conhecida.</translation>
    </message>
    <message>
        <source>It could not be kept in the history: %1.</source>
        <translation>Não foi possível guardar o projeto no histórico: %1.</translation>
    </message>
    <message>
        <source>The connection did not close cleanly afterwards; the box holds the project all the same.</source>
        <translation>Depois, a conexão não fechou corretamente; mesmo assim o módulo contém o projeto.</translation>
    </message>
    <message>
        <source>The project was written into box %1, but the box holds other values than were written; the first difference: %2</source>
        <translation>O projeto foi gravado no módulo %1, mas o módulo contém valores diferentes dos gravados; a primeira diferença: %2</translation>
    </message>
    <message>
        <source>The write stopped after %1 of %2 cells: box %3 may now hold parts of two projects. Write the project again before the box is used.</source>
        <translation>A gravação parou depois de %1 de %2 células: o módulo %3 pode conter agora partes de dois projetos. Grave o projeto de novo antes de usar o módulo.</translation>
    </message>
    <message>
        <source>Nothing was written: the transfer stopped before the first cell. The box holds what it held before.</source>
        <translation>Nada foi gravado: a transferência parou antes da primeira célula. O módulo contém o que tinha antes.</translation>
    </message>
    <message>
        <source>Nothing was written: the box cannot hold the project as it is.</source>
        <translation>Nada foi gravado: o módulo não comporta o projeto como ele está.</translation>
    </message>
    <message>
        <source>Nothing was written: no box could be reached.</source>
        <translation>Nada foi gravado: não foi possível conectar a nenhum módulo.</translation>
    </message>
    <message>
        <source>Write back to box</source>
        <translation>Restauração do módulo</translation>
    </message>
    <message>
        <source>Read cells 0 to 254 back after writing and compare them</source>
        <translation>Ler as células 0 a 254 após gravar e compará-las</translation>
    </message>
    <message>
        <source>Back up the box first</source>
        <translation>Fazer backup do módulo antes</translation>
    </message>
    <message>
        <source>Read what the box holds before writing and keep it in the write history, so that it can be written back</source>
        <translation>Ler o que o módulo contém antes de gravar e guardar no histórico de gravações, para que possa ser restaurado</translation>
    </message>
    <message>
        <source>&amp;Job (customer, vehicle, note)</source>
        <translation>&amp;Serviço (cliente, veículo, observação)</translation>
    </message>
    <message>
        <source>What the write history keeps about this job; all optional</source>
        <translation>O que o histórico de gravações guarda sobre este serviço; tudo opcional</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>&amp;Cliente:</translation>
    </message>
    <message>
        <source>&amp;Vehicle:</source>
        <translation>&amp;Veículo:</translation>
    </message>
    <message>
        <source>&amp;Registration or VIN:</source>
        <translation>&amp;Placa ou chassi:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Observação:</translation>
    </message>
    <message>
        <source>Writes back what box %1 held before the write of %2.</source>
        <translation>Restaura o que o módulo %1 continha antes da gravação de %2.</translation>
    </message>
    <message>
        <source>Stop the write?

The box will hold parts of two projects until a project is written into it again.</source>
        <translation>Parar a gravação?

O módulo conterá partes de dois projetos até que um projeto seja gravado nele de novo.</translation>
    </message>
    <message>
        <source>Written into box %1; %2.</source>
        <comment>the box, then the outcome</comment>
        <translation>Gravado no módulo %1; %2.</translation>
    </message>
</context>
<context>
    <name>CellMeaning</name>
    <message>
        <source>empty %1 pair %2, input</source>
        <translation>par %1 %2 vazio, entrada</translation>
    </message>
    <message>
        <source>empty %1 pair %2, output</source>
        <translation>par %1 %2 vazio, saída</translation>
    </message>
    <message>
        <source>%1 point at %2 V, input</source>
        <translation>ponto %1 em %2 V, entrada</translation>
    </message>
    <message>
        <source>%1 point at %2 V, output</source>
        <translation>ponto %1 em %2 V, saída</translation>
    </message>
    <message>
        <source>first CR input</source>
        <translation>entrada do 1º ponto CR</translation>
    </message>
    <message>
        <source>stop voltage</source>
        <translation>tensão final</translation>
    </message>
    <message>
        <source>start voltage</source>
        <translation>tensão inicial</translation>
    </message>
    <message>
        <source>CR output at the stop voltage</source>
        <translation>saída CR na tensão final</translation>
    </message>
    <message>
        <source>box type and curve delay</source>
        <translation>tipo de módulo e atraso da curva</translation>
    </message>
    <message>
        <source>CR output at the start voltage</source>
        <translation>saída CR na tensão inicial</translation>
    </message>
    <message>
        <source>start delay</source>
        <translation>atraso de partida</translation>
    </message>
    <message>
        <source>box identification</source>
        <translation>identificação do módulo</translation>
    </message>
    <message>
        <source>CR difference table at %1 V</source>
        <translation>tabela de diferença CR em %1 V</translation>
    </message>
    <message>
        <source>TURBO table at %1 V</source>
        <translation>tabela TURBO em %1 V</translation>
    </message>
    <message>
        <source>cell outside the box</source>
        <translation>célula fora do módulo</translation>
    </message>
</context>
<context>
    <name>ConnectionDoctor</name>
    <message>
        <source>Looked for FTDI FT232 converters (USB 0403:6001, 0403:6014, 0403:6015) and for
devices named &quot;%1&quot;.</source>
        <translation>Procurados conversores FTDI FT232 (USB 0403:6001, 0403:6014, 0403:6015) e
dispositivos chamados &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Ramvik looked for FTDI FT232 converters (USB 0403:6001, 0403:6014, 0403:6015) and for devices named &quot;%1&quot;.</source>
        <translation>O Ramvik procurou conversores FTDI FT232 (USB 0403:6001, 0403:6014, 0403:6015) e dispositivos chamados “%1”.</translation>
    </message>
    <message>
        <source>%1 does not exist.
Fix: name a device that ramvik-cli ports lists.</source>
        <translation>%1 não existe.
Solução: indique um dispositivo listado por ramvik-cli ports.</translation>
    </message>
    <message>
        <source>%1 does not exist.
What to do: Plug the box&apos;s converter in, then try the transfer again.</source>
        <translation>%1 não existe.
O que fazer: conecte o conversor do módulo e tente a transferência de novo.</translation>
    </message>
    <message>
        <source>%1 is served by the kernel driver %2.</source>
        <translation>%1 é atendido pelo driver do kernel %2.</translation>
    </message>
    <message>
        <source>The user %1 may open %2.</source>
        <translation>O usuário %1 pode abrir %2.</translation>
    </message>
    <message>
        <source>No other program holds %1.</source>
        <translation>Nenhum outro programa está usando %1.</translation>
    </message>
    <message>
        <source>No other program of this user holds %1 (those of other users
are visible to root only).</source>
        <translation>Nenhum outro programa deste usuário está usando %1 (os de outros usuários
só são visíveis para o root).</translation>
    </message>
    <message>
        <source>No other program of this user holds %1.</source>
        <translation>Nenhum outro programa deste usuário está usando %1.</translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms. Ramvik lowers it while it transfers, where the driver allows.
Nothing to do for a transfer. Whoever looks after this computer can set it to 1 ms for good with Ramvik&apos;s udev rule %3.</source>
        <translation>O latency timer de %1 é %2 ms. O Ramvik o reduz durante a transferência, quando o driver permite.
Nada a fazer para a transferência. Quem cuida deste computador pode fixá-lo em 1 ms com a regra udev %3 do Ramvik.</translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms. Ramvik lowers it while it transfers,
where the driver allows. To set it to 1 ms for good, install the udev rule:
%3</source>
        <translation>O latency timer de %1 é %2 ms. O Ramvik o reduz durante a transferência,
quando o driver permite. Para fixá-lo em 1 ms, instale a regra udev:
%3</translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms.</source>
        <translation>O latency timer de %1 é %2 ms.</translation>
    </message>
    <message>
        <source>A converter is connected: %1</source>
        <translation>Há um conversor conectado: %1</translation>
    </message>
    <message>
        <source>%1
Fix: name the box&apos;s converter: ramvik-cli doctor --port PATH, and the same
--port PATH for write and read.</source>
        <translation>%1
Solução: indique o conversor do módulo: ramvik-cli doctor --port CAMINHO, e o mesmo
--port CAMINHO para write e read.</translation>
    </message>
    <message>
        <source>%1
What to do: Start a transfer and choose the box&apos;s converter when Ramvik asks; Ramvik remembers the choice. Or unplug the converters that are not the box&apos;s.</source>
        <translation>%1
O que fazer: inicie uma transferência e escolha o conversor do módulo quando o Ramvik perguntar; o Ramvik lembra a escolha. Ou desconecte os conversores que não são do módulo.</translation>
    </message>
    <message>
        <source>A converter is connected: USB %1 (USB device %2).</source>
        <translation>Há um conversor conectado: USB %1 (dispositivo USB %2).</translation>
    </message>
    <message>
        <source>A converter is connected: USB %1  &quot;%2&quot; (USB device %3).</source>
        <translation>Há um conversor conectado: USB %1  &quot;%2&quot; (dispositivo USB %3).</translation>
    </message>
    <message>
        <source>The vendor library reaches it.</source>
        <translation>A biblioteca do fabricante tem acesso a ele.</translation>
    </message>
    <message>
        <source>No serial driver has taken it: it has no serial device.
Fix: load the kernel&apos;s driver (sudo modprobe ftdi_sio). brltty, when installed, takes
such converters away: remove it (sudo apt remove brltty) unless a braille
display is used, then plug the converter in again.</source>
        <translation>Nenhum driver serial o assumiu: ele não tem dispositivo serial.
Solução: carregue o driver do kernel (sudo modprobe ftdi_sio). O brltty, quando instalado, toma
esses conversores: remova-o (sudo apt remove brltty) se nenhum display braille
for usado, e conecte o conversor de novo.</translation>
    </message>
    <message>
        <source>A converter is connected: the vendor library sees %1 FTDI device(s).</source>
        <translation>Há um conversor conectado: a biblioteca do fabricante vê %1 dispositivo(s) FTDI.</translation>
    </message>
    <message>
        <source>No converter for the box is connected.
%1
Fix: plug the box&apos;s converter in; ramvik-cli ports lists every serial port.</source>
        <translation>Nenhum conversor do módulo está conectado.
%1
Solução: conecte o conversor do módulo; ramvik-cli ports lista todas as portas seriais.</translation>
    </message>
    <message>
        <source>No converter for the box is connected.
%1
What to do: Plug the box&apos;s converter in (into another USB socket if it is plugged in), then try the transfer again.</source>
        <translation>Nenhum conversor do módulo está conectado.
%1
O que fazer: conecte o conversor do módulo (em outra porta USB, se já estiver conectado) e tente a transferência de novo.</translation>
    </message>
    <message>
        <source>The vendor library %1 is present and complete.</source>
        <translation>A biblioteca do fabricante %1 está presente e completa.</translation>
    </message>
    <message>
        <source>The vendor library %1 is not installed; the system&apos;s serial driver serves
the converter instead.</source>
        <translation>A biblioteca do fabricante %1 não está instalada; o driver serial do sistema atende
o conversor no lugar dela.</translation>
    </message>
    <message>
        <source>The vendor library %1 is not installed; the system&apos;s serial driver serves the converter instead.</source>
        <translation>A biblioteca do fabricante %1 não está instalada; o driver serial do sistema atende o conversor no lugar dela.</translation>
    </message>
    <message>
        <source>%1
Fix: install FTDI&apos;s D2XX driver (ftdichip.com, &quot;D2XX Drivers&quot;) for this system.</source>
        <translation>%1
Solução: instale o driver D2XX da FTDI (ftdichip.com, &quot;D2XX Drivers&quot;) para este sistema.</translation>
    </message>
    <message>
        <source>%1
What to do: Ask whoever looks after this computer to install FTDI&apos;s D2XX driver (ftdichip.com, &quot;D2XX Drivers&quot;) for this system.</source>
        <translation>%1
O que fazer: peça a quem cuida deste computador para instalar o driver D2XX da FTDI (ftdichip.com, &quot;D2XX Drivers&quot;) para este sistema.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NOTE</source>
        <translation>NOTA</translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <translation>PROBLEMA</translation>
    </message>
    <message>
        <source>The named device is there: %1</source>
        <translation>O dispositivo indicado está presente: %1</translation>
    </message>
    <message>
        <source>A transfer can start.</source>
        <translation>A transferência pode começar.</translation>
    </message>
    <message>
        <source>A transfer cannot start yet.</source>
        <translation>A transferência ainda não pode começar.</translation>
    </message>
</context>
<context>
    <name>D2xxLibrary</name>
    <message>
        <source>Error: Can&apos;t Load %1</source>
        <translation>Erro: falha ao carregar %1</translation>
    </message>
    <message>
        <source>Error: Can&apos;t Find %1</source>
        <translation>Erro: %1 não encontrado</translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>V[In]</source>
        <translation>V[Ent]</translation>
    </message>
    <message>
        <source>V[Out]</source>
        <translation>V[Saída]</translation>
    </message>
    <message>
        <source>Input - Output</source>
        <translation>Entrada - Saída</translation>
    </message>
    <message>
        <source>V[Diff]</source>
        <translation>V[Dif]</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferença</translation>
    </message>
    <message>
        <source>Input - output:</source>
        <translation>Entrada - saída:</translation>
    </message>
    <message>
        <source>up to %1 V</source>
        <translation>até %1 V</translation>
    </message>
    <message>
        <source>%1 V to %2 V</source>
        <translation>de %1 V a %2 V</translation>
    </message>
    <message>
        <source>above the input: the output would be below 0 V</source>
        <translation>acima da entrada: a saída ficaria abaixo de 0 V</translation>
    </message>
    <message>
        <source>V[in]:%1 V[diff]:%2</source>
        <translation>V[ent]:%1 V[dif]:%2</translation>
    </message>
    <message>
        <source>Project CR</source>
        <translation>CR do projeto</translation>
    </message>
    <message>
        <source>Project TURBO</source>
        <translation>TURBO do projeto</translation>
    </message>
    <message>
        <source>Box CR</source>
        <translation>CR do módulo</translation>
    </message>
    <message>
        <source>Box TURBO</source>
        <translation>TURBO do módulo</translation>
    </message>
    <message>
        <source>CR of %1</source>
        <translation>CR de %1</translation>
    </message>
    <message>
        <source>TURBO of %1</source>
        <translation>TURBO de %1</translation>
    </message>
</context>
<context>
    <name>PointRange</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>1 point changed</source>
        <translation>1 ponto alterado</translation>
    </message>
    <message>
        <source>%1 points changed</source>
        <translation>%1 pontos alterados</translation>
    </message>
    <message>
        <source>1 point added</source>
        <translation>1 ponto adicionado</translation>
    </message>
    <message>
        <source>%1 points added</source>
        <translation>%1 pontos adicionados</translation>
    </message>
    <message>
        <source>1 point removed</source>
        <translation>1 ponto removido</translation>
    </message>
    <message>
        <source>%1 points removed</source>
        <translation>%1 pontos removidos</translation>
    </message>
    <message>
        <source>No point changed</source>
        <translation>Nenhum ponto alterado</translation>
    </message>
    <message>
        <source>1 held at %1 V</source>
        <translation>1 retido em %1 V</translation>
    </message>
    <message>
        <source>%1 held at %2 V</source>
        <translation>%1 retidos em %2 V</translation>
    </message>
    <message>
        <source>1 held at its limit</source>
        <translation>1 retido no limite</translation>
    </message>
    <message>
        <source>%1 held at their limits</source>
        <translation>%1 retidos nos limites</translation>
    </message>
    <message>
        <source>1 may not move</source>
        <translation>1 não pode ser movido</translation>
    </message>
    <message>
        <source>%1 may not move</source>
        <translation>%1 não podem ser movidos</translation>
    </message>
    <message>
        <source>The text holds no numbers.</source>
        <translation>O texto não contém números.</translation>
    </message>
    <message>
        <source>No point is selected.</source>
        <translation>Nenhum ponto selecionado.</translation>
    </message>
    <message>
        <source>The value is not a number.</source>
        <translation>O valor não é um número.</translation>
    </message>
    <message>
        <source>The other project has no TURBO curve.</source>
        <translation>O outro projeto não tem curva TURBO.</translation>
    </message>
    <message>
        <source>Nothing changed: %1</source>
        <translation>Nada foi alterado: %1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>Interpolating needs three selected points or more.</source>
        <translation>Interpolar exige três ou mais pontos selecionados.</translation>
    </message>
    <message>
        <source>Smoothing needs three selected points or more.</source>
        <translation>Suavizar exige três ou mais pontos selecionados.</translation>
    </message>
    <message>
        <source>the output is not a number.</source>
        <translation>a saída não é um número.</translation>
    </message>
    <message>
        <source>the input %1 V lies outside 0 V to 5 V.</source>
        <translation>a entrada %1 V está fora da faixa de 0 V a 5 V.</translation>
    </message>
    <message>
        <source>the input %1 V is not on the box&apos;s 0.02 V steps.</source>
        <translation>a entrada %1 V não está nos passos de 0,02 V do módulo.</translation>
    </message>
    <message>
        <source>the input %1 V is given twice.</source>
        <translation>a entrada %1 V aparece duas vezes.</translation>
    </message>
    <message>
        <source>the output %1 V at %2 V lies outside %3 V to %4 V.</source>
        <translation>a saída %1 V em %2 V está fora da faixa de %3 V a %4 V.</translation>
    </message>
    <message>
        <source>The CR curve would hold %1 points; a box stores %2.</source>
        <translation>A curva CR teria %1 pontos; um módulo guarda %2.</translation>
    </message>
    <message>
        <source>The TURBO curve would hold %1 points; a box stores %2.</source>
        <translation>A curva TURBO teria %1 pontos; um módulo guarda %2.</translation>
    </message>
    <message>
        <source>Select the points these numbers are the outputs of, or paste input and output pairs.</source>
        <translation>Selecione os pontos cujas saídas são estes números, ou cole pares de entrada e saída.</translation>
    </message>
    <message>
        <source>%1 numbers for 1 selected point: select as many points as there are numbers.</source>
        <translation>%1 números para 1 ponto selecionado: selecione tantos pontos quantos forem os números.</translation>
    </message>
    <message>
        <source>%1 numbers for %2 selected points: select as many points as there are numbers.</source>
        <translation>%1 números para %2 pontos selecionados: selecione tantos pontos quantos forem os números.</translation>
    </message>
    <message>
        <source>The text holds single numbers; replacing points needs an input and an output on each line.</source>
        <translation>O texto contém números isolados; substituir pontos exige uma entrada e uma saída em cada linha.</translation>
    </message>
</context>
<context>
    <name>PointText</name>
    <message>
        <source>Line %1 is not a number or a pair of numbers: &quot;%2&quot;</source>
        <translation>A linha %1 não é um número nem um par de números: “%2”</translation>
    </message>
    <message>
        <source>The text holds no numbers.</source>
        <translation>O texto não contém números.</translation>
    </message>
    <message>
        <source>Line %1 holds two numbers where the lines before it hold one: &quot;%2&quot;</source>
        <translation>A linha %1 contém dois números, mas as linhas anteriores contêm um: “%2”</translation>
    </message>
    <message>
        <source>Line %1 holds one number where the lines before it hold two: &quot;%2&quot;</source>
        <translation>A linha %1 contém um número, mas as linhas anteriores contêm dois: “%2”</translation>
    </message>
</context>
<context>
    <name>PortAdvice</name>
    <message>
        <source>Stop it (sudo systemctl stop ModemManager), or install Ramvik&apos;s udev rule %1,
which tells ModemManager to leave the box&apos;s converter alone.</source>
        <translation>Pare-o (sudo systemctl stop ModemManager) ou instale a regra udev %1 do Ramvik,
que faz o ModemManager deixar o conversor do módulo em paz.</translation>
    </message>
    <message>
        <source>What to do: ModemManager looks after mobile modems and has taken the converter. Ask whoever looks after this computer to stop it, or to install Ramvik&apos;s udev rule %1, which tells ModemManager to leave the box&apos;s converter alone.</source>
        <translation>O que fazer: o ModemManager cuida de modems móveis e tomou o conversor. Peça a quem cuida deste computador para pará-lo ou para instalar a regra udev %1 do Ramvik, que faz o ModemManager deixar o conversor do módulo em paz.</translation>
    </message>
    <message>
        <source>brltty, the braille display driver, takes USB serial converters. Stop it
(sudo systemctl stop brltty), or remove it (sudo apt remove brltty) when no
braille display is used.</source>
        <translation>O brltty, driver de displays braille, toma conversores seriais USB. Pare-o
(sudo systemctl stop brltty) ou remova-o (sudo apt remove brltty) se nenhum
display braille for usado.</translation>
    </message>
    <message>
        <source>What to do: brltty, the driver for braille displays, takes USB serial converters. Ask whoever looks after this computer to stop it, or to remove it when no braille display is used.</source>
        <translation>O que fazer: o brltty, driver de displays braille, toma conversores seriais USB. Peça a quem cuida deste computador para pará-lo ou para removê-lo se nenhum display braille for usado.</translation>
    </message>
    <message>
        <source>Close %1, then try again.</source>
        <translation>Feche %1 e tente de novo.</translation>
    </message>
    <message>
        <source>What to do: Close the program %1, which has the converter open, then try again. If you cannot find it, ask whoever looks after this computer to stop it.</source>
        <translation>O que fazer: feche o programa %1, que está com o conversor aberto, e tente de novo. Se não conseguir encontrá-lo, peça a quem cuida deste computador para pará-lo.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2.
Install Ramvik&apos;s udev rule %3, which gives the logged-in user the box&apos;s converter,
then plug the converter in again.</source>
        <translation>O usuário %1 não pode abrir %2.
Instale a regra udev %3 do Ramvik, que dá ao usuário logado acesso ao conversor do módulo,
e conecte o conversor de novo.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2.
What to do: Ask whoever looks after this computer to install Ramvik&apos;s udev rule %3, which gives the logged-in user the box&apos;s converter. Then plug the converter in again.</source>
        <translation>O usuário %1 não pode abrir %2.
O que fazer: peça a quem cuida deste computador para instalar a regra udev %3 do Ramvik, que dá ao usuário logado acesso ao conversor do módulo. Depois conecte o conversor de novo.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2: it belongs to the group %3.
Add the user to that group (sudo usermod -aG %3 %1), then log in again,
or install Ramvik&apos;s udev rule %4, which gives the logged-in user the box&apos;s converter.</source>
        <translation>O usuário %1 não pode abrir %2: o dispositivo pertence ao grupo %3.
Adicione o usuário a esse grupo (sudo usermod -aG %3 %1) e faça login de novo,
ou instale a regra udev %4 do Ramvik, que dá ao usuário logado acesso ao conversor do módulo.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2: it belongs to the group %3.
What to do: Ask whoever looks after this computer to add the user %1 to the group %3 (or to install Ramvik&apos;s udev rule %4), then log in again.</source>
        <translation>O usuário %1 não pode abrir %2: o dispositivo pertence ao grupo %3.
O que fazer: peça a quem cuida deste computador para adicionar o usuário %1 ao grupo %3 (ou para instalar a regra udev %4 do Ramvik) e depois faça login de novo.</translation>
    </message>
    <message>
        <source>%1 is in use by %2 (process %3).
%4</source>
        <translation>%1 está em uso por %2 (processo %3).
%4</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 não existe.</translation>
    </message>
    <message>
        <source>%1 does not exist.
What to do: Plug the box&apos;s converter in, then try again.</source>
        <translation>%1 não existe.
O que fazer: conecte o conversor do módulo e tente de novo.</translation>
    </message>
    <message>
        <source>Ramvik finds no converter that may be the box&apos;s.
What to do: Plug the box&apos;s converter in (into another USB socket if it is plugged in), then try again.</source>
        <translation>O Ramvik não encontra nenhum conversor que possa ser o do módulo.
O que fazer: conecte o conversor do módulo (em outra porta USB, se já estiver conectado) e tente de novo.</translation>
    </message>
    <message>
        <source>The box&apos;s converter is plugged in, but no serial driver has taken it, so Ramvik cannot talk through it.
What to do: Unplug the converter and plug it in again. If that does not help, ask whoever looks after this computer to load the driver ftdi_sio and to remove brltty (a driver for braille displays, which takes such converters away) unless a braille display is used.</source>
        <translation>O conversor do módulo está conectado, mas nenhum driver serial o assumiu, então o Ramvik não consegue se comunicar por ele.
O que fazer: desconecte o conversor e conecte-o de novo. Se não adiantar, peça a quem cuida deste computador para carregar o driver ftdi_sio e remover o brltty (um driver de displays braille, que toma esses conversores) se nenhum display braille for usado.</translation>
    </message>
    <message>
        <source>%1  %2  serial %3  &quot;%4&quot;</source>
        <translation>%1  %2  nº de série %3  &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1  %2  serial %3</source>
        <translation>%1  %2  nº de série %3</translation>
    </message>
    <message>
        <source>%1  serial %2  &quot;%3&quot;</source>
        <translation>%1  nº de série %2  &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1  serial %2</source>
        <translation>%1  nº de série %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhum)</translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s:</source>
        <translation>Mais de um conversor pode ser o do módulo:</translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s:
  %1</source>
        <translation>Mais de um conversor pode ser o do módulo:
  %1</translation>
    </message>
    <message>
        <source>%1
  %2</source>
        <translation>%1
  %2</translation>
    </message>
    <message>
        <source>sudo cp resources/udev/%1 /etc/udev/rules.d/ (the Debian package installs it itself),
then sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger</source>
        <translation>sudo cp resources/udev/%1 /etc/udev/rules.d/ (o pacote Debian a instala sozinho),
depois sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger</translation>
    </message>
</context>
<context>
    <name>PortFinder</name>
    <message>
        <source>%1
Choose the box&apos;s converter.</source>
        <translation>%1
Escolha o conversor do módulo.</translation>
    </message>
    <message>
        <source>%1
What to do: Start the transfer again and choose the box&apos;s converter when Ramvik asks, or unplug the converters that are not the box&apos;s.</source>
        <translation>%1
O que fazer: inicie a transferência de novo e escolha o conversor do módulo quando o Ramvik perguntar, ou desconecte os conversores que não são do módulo.</translation>
    </message>
    <message>
        <source>Opening %1 failed: %2.</source>
        <translation>Falha ao abrir %1: %2.</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>CR &amp; TURBO</source>
        <translation>CR &amp; TURBO</translation>
    </message>
    <message>
        <source>2 CR input</source>
        <translation>2 entradas CR</translation>
    </message>
    <message>
        <source>1 CR input</source>
        <translation>1 entrada CR</translation>
    </message>
    <message>
        <source>Start Voltage [V] :   %1</source>
        <translation>Tensão inicial [V] :   %1</translation>
    </message>
    <message>
        <source>Start Delay [mm:ss] :   %1:%2</source>
        <translation>Atraso de partida [mm:ss] :   %1:%2</translation>
    </message>
    <message>
        <source>Curve Delay [ms/0.1V] :   %1</source>
        <translation>Atraso da curva [ms/0,1V] :   %1</translation>
    </message>
    <message>
        <source>Vin</source>
        <translation>Vent</translation>
    </message>
    <message>
        <source>Vdif</source>
        <translation>Vdif</translation>
    </message>
    <message>
        <source>CR-curve</source>
        <translation>Curva CR</translation>
    </message>
    <message>
        <source>TURBO-curve</source>
        <translation>Curva TURBO</translation>
    </message>
</context>
<context>
    <name>ProjectCompare</name>
    <message>
        <source>Box type: project %1, file %2.</source>
        <translation>Tipo de módulo: projeto %1, arquivo %2.</translation>
    </message>
    <message>
        <source>Curve delay: project %1 ms, file %2 ms.</source>
        <translation>Atraso da curva: projeto %1 ms, arquivo %2 ms.</translation>
    </message>
    <message>
        <source>Start voltage: project %1 V, file %2 V.</source>
        <translation>Tensão inicial: projeto %1 V, arquivo %2 V.</translation>
    </message>
    <message>
        <source>Stop voltage: project %1 V, file %2 V.</source>
        <translation>Tensão final: projeto %1 V, arquivo %2 V.</translation>
    </message>
    <message>
        <source>Start delay: project %1, file %2.</source>
        <translation>Atraso de partida: projeto %1, arquivo %2.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, %4 V in the file.</source>
        <translation>Ponto %1 em %2 V: saída %3 V no projeto, %4 V no arquivo.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, none in the file.</source>
        <translation>Ponto %1 em %2 V: saída %3 V no projeto, nenhum no arquivo.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the file, none in the project.</source>
        <translation>Ponto %1 em %2 V: saída %3 V no arquivo, nenhum no projeto.</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>it holds control characters (byte %1 is %2)</source>
        <translation>ele contém caracteres de controle (o byte %1 é %2)</translation>
    </message>
    <message>
        <source>no parameter line</source>
        <translation>falta a linha de parâmetros</translation>
    </message>
</context>
<context>
    <name>ProjectState</name>
    <message>
        <source>A CR curve holds at most %1 points</source>
        <translation>Uma curva CR tem no máximo %1 pontos</translation>
    </message>
    <message>
        <source>A TURBO curve holds at most %1 points</source>
        <translation>Uma curva TURBO tem no máximo %1 pontos</translation>
    </message>
    <message>
        <source>The point at 0 V stays</source>
        <translation>O ponto em 0 V é fixo</translation>
    </message>
    <message>
        <source>Inputs lie between 0 V and 5 V</source>
        <translation>As entradas ficam entre 0 V e 5 V</translation>
    </message>
    <message>
        <source>Only points between the start and stop voltage can be moved</source>
        <translation>Só os pontos entre a tensão inicial e a final podem ser movidos</translation>
    </message>
    <message>
        <source>The output at %1 V stays between %2 V and %3 V</source>
        <translation>A saída em %1 V fica entre %2 V e %3 V</translation>
    </message>
    <message>
        <source>The point at 5 V stays</source>
        <translation>O ponto em 5 V é fixo</translation>
    </message>
    <message>
        <source>The CR points at the start and stop voltage stay</source>
        <translation>Os pontos CR nas tensões inicial e final são fixos</translation>
    </message>
    <message>
        <source>1 CR input</source>
        <translation>1 entrada CR</translation>
    </message>
    <message>
        <source>2 CR inputs</source>
        <translation>2 entradas CR</translation>
    </message>
    <message>
        <source>CR&amp;TURBO</source>
        <translation>CR&amp;TURBO</translation>
    </message>
    <message>
        <source>Common Rail &amp; Turbo Tuning - %1</source>
        <translation>Tuning Common Rail &amp; Turbo - %1</translation>
    </message>
    <message>
        <source>Common Rail Tuning - %1</source>
        <translation>Tuning Common Rail - %1</translation>
    </message>
    <message>
        <source>The start voltage lies between 0.0 V and 5.0 V.</source>
        <translation>A tensão inicial deve ficar entre 0,0 V e 5,0 V.</translation>
    </message>
    <message>
        <source>The start voltage goes in steps of 0.1 V.</source>
        <translation>A tensão inicial varia em passos de 0,1 V.</translation>
    </message>
    <message>
        <source>The start voltage cannot lie above the stop voltage (%1 V).</source>
        <translation>A tensão inicial não pode ficar acima da tensão final (%1 V).</translation>
    </message>
    <message>
        <source>The stop voltage lies between 0.0 V and 5.0 V.</source>
        <translation>A tensão final deve ficar entre 0,0 V e 5,0 V.</translation>
    </message>
    <message>
        <source>The stop voltage goes in steps of 0.1 V.</source>
        <translation>A tensão final varia em passos de 0,1 V.</translation>
    </message>
    <message>
        <source>The stop voltage cannot lie below the start voltage (%1 V).</source>
        <translation>A tensão final não pode ficar abaixo da tensão inicial (%1 V).</translation>
    </message>
    <message>
        <source>The start delay lies between 0:00 and 4:00.</source>
        <translation>O atraso de partida deve ficar entre 0:00 e 4:00.</translation>
    </message>
    <message>
        <source>The curve delay lies between 0 ms and 500 ms.</source>
        <translation>O atraso da curva deve ficar entre 0 ms e 500 ms.</translation>
    </message>
    <message>
        <source>The curve delay goes in steps of 20 ms.</source>
        <translation>O atraso da curva varia em passos de 20 ms.</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>No USB Device Connected!</source>
        <translation>Nenhum dispositivo USB conectado!</translation>
    </message>
    <message>
        <source>An error occured,
please replug
the USB-interface.

Error code: WR0001</source>
        <translation>Ocorreu um erro,
desconecte e reconecte
o conversor USB.

Código de erro: WR0001</translation>
    </message>
    <message>
        <source>Please check the connection
of the USB-interface
and try again.</source>
        <translation>Verifique a conexão
do conversor USB
e tente de novo.</translation>
    </message>
    <message>
        <source>This box is not designed for this software. 
Use the proper software, Dolvar,
or contact your dealer to update this box.</source>
        <translation>Este módulo não foi feito para este programa. 
Use o programa correto, Dolvar,
ou fale com o seu revendedor para atualizar este módulo.</translation>
    </message>
    <message>
        <source>This box is for CR-Tuning only!
please adjust your project.</source>
        <translation>Este módulo é só para tuning CR!
Ajuste o seu projeto.</translation>
    </message>
    <message>
        <source>This box is for CR-TURBO-Tuning only!
please adjust your project.</source>
        <translation>Este módulo é só para tuning CR-TURBO!
Ajuste o seu projeto.</translation>
    </message>
    <message>
        <source>USB-error

Error code: PU0001</source>
        <translation>Erro de USB

Código de erro: PU0001</translation>
    </message>
    <message>
        <source>USB-error

Error code: CL0001</source>
        <translation>Erro de USB

Código de erro: CL0001</translation>
    </message>
    <message>
        <source>No USB Device Connected!

%1</source>
        <translation>Nenhum dispositivo USB conectado!

%1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Register Keys not found!

Please reinstall the program. The default values will be loaded.</source>
        <translation>Chaves de registro não encontradas!

Reinstale o programa. Os valores padrão serão carregados.</translation>
    </message>
    <message>
        <source>A register key was not found!

Please reinstall the program to correct this error. The default value for this setting will be loaded.</source>
        <translation>Uma chave de registro não foi encontrada!

Reinstale o programa para corrigir este erro. O valor padrão desta configuração será carregado.</translation>
    </message>
    <message>
        <source>%1 does not look like a Ramvik project: %2.</source>
        <translation>%1 não parece um projeto Ramvik: %2.</translation>
    </message>
    <message>
        <source>Can&apos;t open file!</source>
        <translation>Erro ao abrir o arquivo!</translation>
    </message>
    <message>
        <source>%1 Open it anyway?</source>
        <translation>%1 Abrir mesmo assim?</translation>
    </message>
    <message>
        <source>A box cannot hold this project as it stands: %1</source>
        <translation>Um módulo não comporta este projeto como ele está: %1</translation>
    </message>
    <message>
        <source>A box cannot hold this project as it stands: %1 (and %2 more)</source>
        <translation>Um módulo não comporta este projeto como ele está: %1 (e mais %2)</translation>
    </message>
    <message>
        <source>%1 was no Ramvik project when it was opened. Replace it with this project?</source>
        <translation>%1 não era um projeto Ramvik quando foi aberto. Substituí-lo por este projeto?</translation>
    </message>
    <message>
        <source>Can&apos;t save file!

%1

%2</source>
        <translation>Erro ao salvar o arquivo!

%1

%2</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; has changed.

Do you want to save the changes?</source>
        <translation>O projeto “%1” foi alterado.

Deseja salvar as alterações?</translation>
    </message>
    <message>
        <source>The write was not kept in the history:

%1

%2</source>
        <translation>A gravação não foi guardada no histórico:

%1

%2</translation>
    </message>
    <message>
        <source>The write was not kept in the history:

no data folder is known (the settings hold no RootPath, or HOME is not set).</source>
        <translation>A gravação não foi guardada no histórico:

nenhuma pasta de dados é conhecida (as configurações não têm RootPath, ou HOME não está definido).</translation>
    </message>
    <message>
        <source>%1 is not a Ramvik project: %2 bytes.</source>
        <translation>%1 não é um projeto Ramvik: %2 bytes.</translation>
    </message>
    <message>
        <source>Nothing was written: what the box held could not be kept in the history first.

%1

%2

Turn the backup off to write all the same.</source>
        <translation>Nada foi gravado: não foi possível guardar antes no histórico o que o módulo continha.

%1

%2

Desative o backup para gravar mesmo assim.</translation>
    </message>
    <message>
        <source>Written into box %1; %2.</source>
        <translation>Gravado no módulo %1; %2.</translation>
    </message>
    <message>
        <source>Every cell was written into box %1, but the check was cut off: the write is not verified.</source>
        <translation>Todas as células foram gravadas no módulo %1, mas a verificação foi interrompida: a gravação não está verificada.</translation>
    </message>
    <message>
        <source>The write failed at cell %1 of %2: the box now holds parts of two projects. Write the project again before the engine runs.</source>
        <translation>A gravação falhou na célula %1 de %2: o módulo agora contém partes de dois projetos. Grave o projeto de novo antes de ligar o motor.</translation>
    </message>
    <message>
        <source>The write of %1 kept nothing to write back: the box was not read before it.</source>
        <translation>A gravação de %1 não guardou nada para restaurar: o módulo não foi lido antes dela.</translation>
    </message>
    <message>
        <source>%1

%2</source>
        <translation>%1

%2</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>The box cannot hold this project:
%1</source>
        <translation>O módulo não comporta este projeto:
%1</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>The box holds other values than were written: %1</source>
        <translation>O módulo contém valores diferentes dos gravados: %1</translation>
    </message>
    <message>
        <source>cell %1 (%2): box %3, written %4.</source>
        <translation>célula %1 (%2): módulo %3, gravado %4.</translation>
    </message>
    <message>
        <source>The write was stopped before the first cell: the box holds what it held before.</source>
        <translation>A gravação foi interrompida antes da primeira célula: o módulo contém o que tinha antes.</translation>
    </message>
    <message>
        <source>The check was stopped: every cell was written, but not all of cells 0–254 were read back, so the write is not verified.</source>
        <translation>A verificação foi interrompida: todas as células foram gravadas, mas nem todas as células 0–254 foram lidas de volta, então a gravação não está verificada.</translation>
    </message>
    <message>
        <source>The read was stopped before every cell had arrived: nothing was saved.</source>
        <translation>A leitura foi interrompida antes de chegarem todas as células: nada foi salvo.</translation>
    </message>
    <message>
        <source>The write stopped after cell %1 of %2: the box now holds parts of two projects. Write the project again before the engine runs.</source>
        <translation>A gravação parou depois da célula %1 de %2: o módulo agora contém partes de dois projetos. Grave o projeto de novo antes de ligar o motor.</translation>
    </message>
</context>
<context>
    <name>TransferPhase</name>
    <message>
        <source>Writing...</source>
        <translation>Gravando...</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Gravado</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Verificando...</translation>
    </message>
    <message>
        <source>Checked</source>
        <translation>Verificado</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lendo...</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lido</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Fazendo backup...</translation>
    </message>
    <message>
        <source>Backed up</source>
        <translation>Backup feito</translation>
    </message>
</context>
<context>
    <name>WriteHistory</name>
    <message>
        <source>did not finish (the program ended during the write): the box may hold parts of two projects</source>
        <translation>não terminou (o programa foi fechado durante a gravação): o módulo pode conter partes de dois projetos</translation>
    </message>
    <message>
        <source>differs: the box holds other values than were written</source>
        <translation>diferenças: o módulo contém valores diferentes dos gravados</translation>
    </message>
    <message>
        <source>differs: %1</source>
        <translation>diferenças: %1</translation>
    </message>
    <message>
        <source>not verified: every cell was written, the check was off</source>
        <translation>não verificado: todas as células foram gravadas, a verificação estava desativada</translation>
    </message>
    <message>
        <source>stopped before the first cell: the box holds what it held before</source>
        <translation>parou antes da primeira célula: o módulo contém o que tinha antes</translation>
    </message>
    <message>
        <source>stopped after cell %1 of %2: the box holds parts of two projects</source>
        <translation>parou depois da célula %1 de %2: o módulo contém partes de dois projetos</translation>
    </message>
    <message>
        <source>failed at cell %1 of %2: the box holds parts of two projects</source>
        <translation>falhou na célula %1 de %2: o módulo contém partes de dois projetos</translation>
    </message>
    <message>
        <source>The last write into box %1 (%2) did not finish: the box may hold parts of two projects. Write the project again.</source>
        <translation>A última gravação no módulo %1 (%2) não terminou: o módulo pode conter partes de dois projetos. Grave o projeto de novo.</translation>
    </message>
    <message>
        <source>The box&apos;s table cells (256–766) cannot be read back, and the last write into box %1 (%2) did not finish: they may hold another project.</source>
        <translation>As células de tabela do módulo (256–766) não podem ser lidas de volta, e a última gravação no módulo %1 (%2) não terminou: elas podem conter outro projeto.</translation>
    </message>
    <message>
        <source>Left out 1 history entry that is only half there (another computer may be writing it).</source>
        <translation>Foi omitida 1 entrada incompleta do histórico (outro computador pode estar gravando-a).</translation>
    </message>
    <message>
        <source>Left out %1 history entries that are only half there (another computer may be writing them).</source>
        <translation>Foram omitidas %1 entradas incompletas do histórico (outro computador pode estar gravando-as).</translation>
    </message>
    <message>
        <source>Can&apos;t read the write history:

%1

%2</source>
        <translation>Não foi possível ler o histórico de gravações:

%1

%2</translation>
    </message>
    <message>
        <source>Written into box %1 on %2.</source>
        <translation>Gravado no módulo %1 em %2.</translation>
    </message>
    <message>
        <source>Written into box %1 on %2 at %3.</source>
        <translation>Gravado no módulo %1 em %2 no computador %3.</translation>
    </message>
    <message>
        <source>Outcome: %1.</source>
        <translation>Resultado: %1.</translation>
    </message>
    <message>
        <source>Customer: %1</source>
        <translation>Cliente: %1</translation>
    </message>
    <message>
        <source>Vehicle: %1</source>
        <translation>Veículo: %1</translation>
    </message>
    <message>
        <source>Registration or VIN: %1</source>
        <translation>Placa ou chassi: %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Observação: %1</translation>
    </message>
    <message>
        <source>Writes back what the box held before the write %1.</source>
        <translation>Restaura o que o módulo continha antes da gravação %1.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>verified: parameters and points (cells 0–254); the box&apos;s table cells cannot be read back</source>
        <translation>verificado: parâmetros e pontos (células 0–254); as células de tabela do módulo não podem ser lidas de volta</translation>
    </message>
    <message>
        <source>check cut off: every cell was written, but not all of cells 0–254 were read back</source>
        <translation>verificação interrompida: todas as células foram gravadas, mas nem todas as células 0–254 foram lidas de volta</translation>
    </message>
</context>
</TS>
