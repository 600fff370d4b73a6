<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BoxCompare</name>
    <message>
        <source>Box type: project %1, box %2.</source>
        <translation>Tipo di modulo: progetto %1, modulo %2.</translation>
    </message>
    <message>
        <source>Curve delay: project %1 ms, box %2 ms.</source>
        <translation>Ritardo curva: progetto %1 ms, modulo %2 ms.</translation>
    </message>
    <message>
        <source>Start voltage: project %1 V, box %2 V.</source>
        <translation>Tensione iniziale: progetto %1 V, modulo %2 V.</translation>
    </message>
    <message>
        <source>Stop voltage: project %1 V, box %2 V.</source>
        <translation>Tensione finale: progetto %1 V, modulo %2 V.</translation>
    </message>
    <message>
        <source>Start delay: project %1, box %2.</source>
        <translation>Ritardo avvio: progetto %1, modulo %2.</translation>
    </message>
    <message>
        <source>First CR input: project %1 V, box %2 V.</source>
        <translation>Primo ingresso CR: progetto %1 V, modulo %2 V.</translation>
    </message>
    <message>
        <source>CR output at the stop voltage: project %1 V, box %2 V.</source>
        <translation>Uscita CR alla tensione finale: progetto %1 V, modulo %2 V.</translation>
    </message>
    <message>
        <source>CR output at the start voltage: project %1 V, box %2 V.</source>
        <translation>Uscita CR alla tensione iniziale: progetto %1 V, modulo %2 V.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, %4 V in the box.</source>
        <translation>Punto %1 a %2 V: uscita %3 V nel progetto, %4 V nel modulo.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, none in the box.</source>
        <translation>Punto %1 a %2 V: uscita %3 V nel progetto, nessuna nel modulo.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the box, none in the project.</source>
        <translation>Punto %1 a %2 V: uscita %3 V nel modulo, nessuna nel progetto.</translation>
    </message>
    <message>
        <source>Cell %1 (%2): project %3, box %4.</source>
        <translation>Cella %1 (%2): progetto %3, modulo %4.</translation>
    </message>
</context>
<context>
    <name>BoxRefusals</name>
    <message>
        <source>TURBO curve (not used by this box type): %1</source>
        <translation>Curva TURBO (non usata da questo tipo di modulo): %1</translation>
    </message>
    <message>
        <source>%1 curve has no points.</source>
        <translation>La curva %1 non ha punti.</translation>
    </message>
    <message>
        <source>%1 point %2: input %3 V lies outside 0 V to 5 V.</source>
        <translation>%1, punto %2: l&apos;ingresso %3 V è fuori dall&apos;intervallo da 0 V a 5 V.</translation>
    </message>
    <message>
        <source>%1 point %2: output %3 V lies outside 0 V to 5 V.</source>
        <translation>%1, punto %2: l&apos;uscita %3 V è fuori dall&apos;intervallo da 0 V a 5 V.</translation>
    </message>
    <message>
        <source>%1 curve has %2 points; the box stores at most %3.</source>
        <translation>La curva %1 ha %2 punti; il modulo ne memorizza al massimo %3.</translation>
    </message>
    <message>
        <source>Box type %1 is not 0, 1 or 2.</source>
        <translation>Il tipo di modulo %1 non è 0, 1 o 2.</translation>
    </message>
    <message>
        <source>Start voltage %1 V lies outside 0 V to 5 V.</source>
        <translation>La tensione iniziale %1 V è fuori dall&apos;intervallo da 0 V a 5 V.</translation>
    </message>
    <message>
        <source>Stop voltage %1 V lies outside 0 V to 5 V.</source>
        <translation>La tensione finale %1 V è fuori dall&apos;intervallo da 0 V a 5 V.</translation>
    </message>
    <message>
        <source>Start voltage %1 V lies above the stop voltage %2 V.</source>
        <translation>La tensione iniziale %1 V è superiore alla tensione finale %2 V.</translation>
    </message>
    <message>
        <source>Curve delay %1 lies outside 0 to 500.</source>
        <translation>Il ritardo curva %1 è fuori dall&apos;intervallo da 0 a 500.</translation>
    </message>
    <message>
        <source>Curve delay %1 is not a multiple of 20.</source>
        <translation>Il ritardo curva %1 non è un multiplo di 20.</translation>
    </message>
    <message>
        <source>Start delay %1 min %2 s (%3) lies outside 0:00 to 4:00.</source>
        <translation>Il ritardo avvio %1 min %2 s (%3) è fuori dall&apos;intervallo da 0:00 a 4:00.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Ramvik</source>
        <translation>Informazioni su Ramvik</translation>
    </message>
    <message>
        <source>Ramvik Version 2.0</source>
        <translation>Ramvik versione 2.0</translation>
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
        <translation>Confronta col modulo</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>Box %1 holds the project.</source>
        <translation>Il modulo %1 contiene il progetto.</translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project: the compare panel lists the difference and draws the box&apos;s curves over the project&apos;s.</source>
        <translation>Il modulo %1 contiene valori diversi dal progetto: il pannello di confronto elenca la differenza e disegna le curve del modulo sopra quelle del progetto.</translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project: the compare panel lists %2 differences and draws the box&apos;s curves over the project&apos;s.</source>
        <translation>Il modulo %1 contiene valori diversi dal progetto: il pannello di confronto elenca %2 differenze e disegna le curve del modulo sopra quelle del progetto.</translation>
    </message>
    <message>
        <source>The compare was stopped after %1 of %2 cells: nothing was compared, and the project is unchanged.</source>
        <translation>Il confronto è stato interrotto dopo %1 di %2 celle: non è stato confrontato nulla e il progetto non è cambiato.</translation>
    </message>
</context>
<context>
    <name>CComparePanel</name>
    <message>
        <source>Compare with box</source>
        <translation>Confronta col modulo</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Differenze</translation>
    </message>
    <message>
        <source>The box&apos;s curves are drawn over the project&apos;s: CR in magenta dots, TURBO in black dashes.</source>
        <translation>Le curve del modulo sono disegnate sopra quelle del progetto: CR a puntini magenta, TURBO a tratteggio nero.</translation>
    </message>
    <message>
        <source>Take the box&apos;s project</source>
        <translation>Usa il progetto del modulo</translation>
    </message>
    <message>
        <source>Keep the project</source>
        <translation>Mantieni il progetto</translation>
    </message>
    <message>
        <source>Box %1 holds the project.</source>
        <translation>Il modulo %1 contiene il progetto.</translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project:</source>
        <translation>Il modulo %1 contiene valori diversi dal progetto:</translation>
    </message>
</context>
<context>
    <name>CConnectionHelpDlg</name>
    <message>
        <source>Connection help</source>
        <translation>Aiuto connessione</translation>
    </message>
    <message>
        <source>What Ramvik found on the way to the box&apos;s converter:</source>
        <translation>Cosa ha trovato Ramvik lungo il percorso fino al convertitore del modulo:</translation>
    </message>
    <message>
        <source>Copy report</source>
        <translation>Copia rapporto</translation>
    </message>
    <message>
        <source>Puts this report on the clipboard, followed by the same checks with the commands for whoever looks after this computer.</source>
        <translation>Copia questo rapporto negli appunti, seguito dagli stessi controlli con i comandi per chi gestisce questo computer.</translation>
    </message>
    <message>
        <source>%1

For whoever looks after this computer:
%2
</source>
        <translation>%1

Per chi gestisce questo computer:
%2
</translation>
    </message>
    <message>
        <source>The report is on the clipboard. Paste it into an e-mail or a message to whoever looks after this computer.</source>
        <translation>Il rapporto è negli appunti. Incollarlo in un&apos;e-mail o in un messaggio per chi gestisce questo computer.</translation>
    </message>
</context>
<context>
    <name>CFileComparePanel</name>
    <message>
        <source>Compare with file</source>
        <translation>Confronta con file</translation>
    </message>
    <message>
        <source>Differences from the file</source>
        <translation>Differenze dal file</translation>
    </message>
    <message>
        <source>The curves of %1 are drawn over the project&apos;s: CR in teal dash-dots, TURBO in brown dash-dot-dots.</source>
        <translation>Le curve di %1 sono disegnate sopra quelle del progetto: CR a tratto-punto verde acqua, TURBO a tratto-punto-punto marrone.</translation>
    </message>
    <message>
        <source>Take These Points from the File</source>
        <translation>Prendi questi punti dal file</translation>
    </message>
    <message>
        <source>The selected points of the edited curve take the file&apos;s points in their stretch</source>
        <translation>I punti selezionati della curva in modifica prendono i punti del file nel loro tratto</translation>
    </message>
    <message>
        <source>Close Comparison</source>
        <translation>Chiudi confronto</translation>
    </message>
    <message>
        <source>%1 holds the project.</source>
        <translation>%1 contiene il progetto.</translation>
    </message>
    <message>
        <source>%1 holds other values than the project:</source>
        <translation>%1 contiene valori diversi dal progetto:</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>Keys and Mouse</source>
        <translation>Tasti e mouse</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The graph&lt;/h3&gt;&lt;p&gt;The edited curve is the one whose box is ticked beside &lt;b&gt;CR&lt;/b&gt; or &lt;b&gt;TURBO&lt;/b&gt; (F2, F3). Its points carry round markers; the chosen point is larger and filled.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Click&lt;/b&gt; on a point to choose it, and &lt;b&gt;drag&lt;/b&gt; it up or down to set its output. A point keeps its input.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Click&lt;/b&gt; anywhere else in the plot to add a point there.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Right-click&lt;/b&gt; on a point to remove it; during a drag the right button puts the point back on the line where output equals input.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Double-click&lt;/b&gt; a point, or press &lt;b&gt;Enter&lt;/b&gt;, to type its exact output; with no point chosen, Enter adds a point at the input you type.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Several points at once&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Shift+click&lt;/b&gt; a point to select every point from the last clicked one to it; &lt;b&gt;Ctrl+click&lt;/b&gt; adds a point to the selection or takes it out.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Shift+drag&lt;/b&gt; in the plot selects the points inside the rectangle.&lt;/li&gt;&lt;li&gt;Selected points carry filled squares. The &lt;b&gt;Points&lt;/b&gt; table beside the graph (View, Ctrl+T) lists every point; its selected rows are the selected points, and an output typed into it is set as Enter sets it.&lt;/li&gt;&lt;li&gt;Edit &amp;gt; Selection sets, raises, scales, interpolates or smooths the selected outputs in one step to undo; the table&apos;s right-click menu offers the same.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Zoom&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Ctrl+wheel&lt;/b&gt; zooms in and out around the pointer.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Shift+wheel&lt;/b&gt; moves the view sideways; a drag with the &lt;b&gt;middle button&lt;/b&gt; moves it in any direction.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+0&lt;/b&gt; (View &amp;gt; Reset Zoom) shows the whole range again. A printout always shows the whole range.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;The points at 0 V and 5 V stay, and so do the CR points at the start and stop voltage; only CR points between them move. An output lies at most 1.6 V below its input. Values snap to the box&apos;s steps of 0.02 V. The status line says why an edit was held back.&lt;/p&gt;&lt;h3&gt;Keys of the graph&lt;/h3&gt;&lt;p&gt;They act on the chosen point once the graph has the keyboard focus (click it, or press Tab until it is framed), wherever the mouse pointer is. Ctrl+A, Escape, Ctrl+C and Ctrl+V act in the points table too; in a text field they act on its text.&lt;/p&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Left&lt;/b&gt;, &lt;b&gt;Right&lt;/b&gt;&lt;/td&gt;&lt;td&gt;choose the neighbouring point&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;&lt;/td&gt;&lt;td&gt;move it by 0.02 V; with several points selected, move all of them&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Shift+Up&lt;/b&gt;, &lt;b&gt;Shift+Down&lt;/b&gt;&lt;/td&gt;&lt;td&gt;the same by 0.1 V&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+A&lt;/b&gt;&lt;/td&gt;&lt;td&gt;select every point of the edited curve&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Escape&lt;/b&gt;&lt;/td&gt;&lt;td&gt;select no point (a rectangle being drawn goes first)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;copy the selected points (every point when none is selected) as text: a header line, then input and output a line&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+V&lt;/b&gt;&lt;/td&gt;&lt;td&gt;paste: a column of numbers sets the outputs of as many selected points; input and output pairs replace the selected stretch, or are added when nothing is selected&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Delete&lt;/b&gt;&lt;/td&gt;&lt;td&gt;remove it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;type its exact values&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;The parameters&lt;/h3&gt;&lt;p&gt;Type a value into its field and press Enter or Tab, or use the arrows beside it, the Up and Down keys in the field or the mouse wheel. The start delay is typed as minutes:seconds (1:30). A value the box cannot take is refused, and the status line says why.&lt;/p&gt;&lt;h3&gt;Everywhere&lt;/h3&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Z&lt;/b&gt;&lt;/td&gt;&lt;td&gt;undo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+Z&lt;/b&gt;, &lt;b&gt;Ctrl+Y&lt;/b&gt;&lt;/td&gt;&lt;td&gt;redo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+N&lt;/b&gt;, &lt;b&gt;Ctrl+O&lt;/b&gt;, &lt;b&gt;Ctrl+S&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+S&lt;/b&gt;&lt;/td&gt;&lt;td&gt;new, open, save, save as&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+P&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+E&lt;/b&gt;&lt;/td&gt;&lt;td&gt;print, export PDF&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+W&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+R&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;write to the box, read from it, compare with it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+1&lt;/b&gt;, &lt;b&gt;Ctrl+2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Input-Output view, Difference view&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;reset the zoom&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+T&lt;/b&gt;&lt;/td&gt;&lt;td&gt;show or hide the points table&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F5&lt;/b&gt; to &lt;b&gt;F9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;set, raise, scale, interpolate, smooth the selected outputs&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+F&lt;/b&gt;&lt;/td&gt;&lt;td&gt;compare with another project file&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt&lt;/b&gt; and the underlined letter&lt;/td&gt;&lt;td&gt;open a menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Il grafico&lt;/h3&gt;&lt;p&gt;La curva in modifica è quella con la casella spuntata accanto a &lt;b&gt;CR&lt;/b&gt; o &lt;b&gt;TURBO&lt;/b&gt; (F2, F3). I suoi punti hanno marcatori rotondi; il punto scelto è più grande e pieno.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Fare clic&lt;/b&gt; su un punto per sceglierlo e &lt;b&gt;trascinarlo&lt;/b&gt; in su o in giù per impostarne l&apos;uscita. Un punto mantiene il suo ingresso.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Fare clic&lt;/b&gt; in qualsiasi altra posizione del grafico per aggiungervi un punto.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Fare clic destro&lt;/b&gt; su un punto per eliminarlo; durante un trascinamento il tasto destro riporta il punto sulla linea in cui l&apos;uscita è uguale all&apos;ingresso.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Fare doppio clic&lt;/b&gt; su un punto, o premere &lt;b&gt;Invio&lt;/b&gt;, per inserirne l&apos;uscita esatta; se nessun punto è scelto, Invio aggiunge un punto all&apos;ingresso inserito.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Più punti insieme&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Maiusc+clic&lt;/b&gt; su un punto seleziona tutti i punti dall&apos;ultimo cliccato fino a questo; &lt;b&gt;Ctrl+clic&lt;/b&gt; aggiunge un punto alla selezione o lo toglie.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Maiusc+trascinamento&lt;/b&gt; nel grafico seleziona i punti all&apos;interno del rettangolo.&lt;/li&gt;&lt;li&gt;I punti selezionati hanno quadratini pieni. La tabella &lt;b&gt;Punti&lt;/b&gt; accanto al grafico (Visualizza, Ctrl+T) elenca tutti i punti; le sue righe selezionate sono i punti selezionati, e un&apos;uscita inserita nella tabella viene impostata come con Invio.&lt;/li&gt;&lt;li&gt;Modifica &amp;gt; Selezione imposta, alza, scala, interpola o smussa le uscite selezionate in un solo passo da annullare; il menu del clic destro della tabella offre le stesse funzioni.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Zoom&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Ctrl+rotellina&lt;/b&gt; ingrandisce e riduce attorno al puntatore.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Maiusc+rotellina&lt;/b&gt; sposta la vista lateralmente; un trascinamento con il &lt;b&gt;tasto centrale&lt;/b&gt; la sposta in qualsiasi direzione.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+0&lt;/b&gt; (Visualizza &amp;gt; Reimposta zoom) mostra di nuovo l&apos;intero intervallo. Una stampa mostra sempre l&apos;intero intervallo.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;I punti a 0 V e 5 V sono fissi, così come i punti CR alla tensione iniziale e finale; si spostano solo i punti CR compresi tra questi. Un&apos;uscita è al massimo 1,6 V sotto il suo ingresso. I valori si allineano ai passi di 0,02 V del modulo. La riga di stato spiega perché una modifica è stata bloccata.&lt;/p&gt;&lt;h3&gt;Tasti del grafico&lt;/h3&gt;&lt;p&gt;Agiscono sul punto scelto quando il grafico ha il focus della tastiera (fare clic sul grafico, o premere Tab finché non è incorniciato), ovunque si trovi il puntatore del mouse. Ctrl+A, Esc, Ctrl+C e Ctrl+V agiscono anche nella tabella dei punti; in un campo di testo agiscono sul suo testo.&lt;/p&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Freccia sinistra&lt;/b&gt;, &lt;b&gt;Freccia destra&lt;/b&gt;&lt;/td&gt;&lt;td&gt;sceglie il punto vicino&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Freccia su&lt;/b&gt;, &lt;b&gt;Freccia giù&lt;/b&gt;&lt;/td&gt;&lt;td&gt;lo sposta di 0,02 V; con più punti selezionati, li sposta tutti&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Maiusc+Freccia su&lt;/b&gt;, &lt;b&gt;Maiusc+Freccia giù&lt;/b&gt;&lt;/td&gt;&lt;td&gt;lo stesso, di 0,1 V&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+A&lt;/b&gt;&lt;/td&gt;&lt;td&gt;seleziona tutti i punti della curva in modifica&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Esc&lt;/b&gt;&lt;/td&gt;&lt;td&gt;deseleziona tutti i punti (prima annulla un rettangolo in corso di disegno)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;copia come testo i punti selezionati (tutti se nessuno è selezionato): una riga di intestazione, poi ingresso e uscita, una riga per punto&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+V&lt;/b&gt;&lt;/td&gt;&lt;td&gt;incolla: una colonna di numeri imposta le uscite di altrettanti punti selezionati; le coppie di ingresso e uscita sostituiscono il tratto selezionato, o vengono aggiunte se non c&apos;è nulla di selezionato&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Canc&lt;/b&gt;&lt;/td&gt;&lt;td&gt;lo elimina&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Invio&lt;/b&gt;&lt;/td&gt;&lt;td&gt;inserisce i suoi valori esatti&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;I parametri&lt;/h3&gt;&lt;p&gt;Inserire un valore nel suo campo e premere Invio o Tab, oppure usare le frecce accanto, i tasti Freccia su e Freccia giù nel campo o la rotellina del mouse. Il ritardo avvio si inserisce come minuti:secondi (1:30). Un valore che il modulo non accetta viene rifiutato, e la riga di stato spiega perché.&lt;/p&gt;&lt;h3&gt;Ovunque&lt;/h3&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Z&lt;/b&gt;&lt;/td&gt;&lt;td&gt;annulla&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Maiusc+Z&lt;/b&gt;, &lt;b&gt;Ctrl+Y&lt;/b&gt;&lt;/td&gt;&lt;td&gt;ripeti&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+N&lt;/b&gt;, &lt;b&gt;Ctrl+O&lt;/b&gt;, &lt;b&gt;Ctrl+S&lt;/b&gt;, &lt;b&gt;Ctrl+Maiusc+S&lt;/b&gt;&lt;/td&gt;&lt;td&gt;nuovo, apri, salva, salva con nome&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+P&lt;/b&gt;, &lt;b&gt;Ctrl+Maiusc+E&lt;/b&gt;&lt;/td&gt;&lt;td&gt;stampa, esporta PDF&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Maiusc+W&lt;/b&gt;, &lt;b&gt;Ctrl+Maiusc+R&lt;/b&gt;, &lt;b&gt;Ctrl+Maiusc+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;scrivi il modulo, leggilo, confrontalo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+1&lt;/b&gt;, &lt;b&gt;Ctrl+2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;vista Ingresso-Uscita, vista Differenza&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;reimposta lo zoom&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+T&lt;/b&gt;&lt;/td&gt;&lt;td&gt;mostra o nasconde la tabella dei punti&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F5&lt;/b&gt; - &lt;b&gt;F9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;imposta, alza, scala, interpola, smussa le uscite selezionate&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Maiusc+F&lt;/b&gt;&lt;/td&gt;&lt;td&gt;confronta con un altro file di progetto&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt&lt;/b&gt; e la lettera sottolineata&lt;/td&gt;&lt;td&gt;apre un menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
</context>
<context>
    <name>CHistoryBrowser</name>
    <message>
        <source>Write History</source>
        <translation>Cronologia scritture</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Cerca:</translation>
    </message>
    <message>
        <source>Customer, vehicle, registration, project, box, outcome...</source>
        <translation>Cliente, veicolo, targa, progetto, modulo, esito...</translation>
    </message>
    <message>
        <source>Writes</source>
        <translation>Scritture</translation>
    </message>
    <message>
        <source>&amp;Open Project</source>
        <translation>&amp;Apri progetto</translation>
    </message>
    <message>
        <source>Open the project as it was written</source>
        <translation>Apre il progetto così come è stato scritto</translation>
    </message>
    <message>
        <source>&amp;Compare with Box...</source>
        <translation>C&amp;onfronta col modulo...</translation>
    </message>
    <message>
        <source>Open the project as it was written and compare it with the box</source>
        <translation>Apre il progetto così come è stato scritto e lo confronta col modulo</translation>
    </message>
    <message>
        <source>&amp;Print Sheet...</source>
        <translation>&amp;Stampa scheda...</translation>
    </message>
    <message>
        <source>Print the project&apos;s sheet with the job and the outcome</source>
        <translation>Stampa la scheda del progetto con l&apos;intervento e l&apos;esito</translation>
    </message>
    <message>
        <source>&amp;Write Back What the Box Held Before...</source>
        <translation>&amp;Ripristina il contenuto precedente del modulo...</translation>
    </message>
    <message>
        <source>Write into the box what it held before this write</source>
        <translation>Scrive nel modulo ciò che conteneva prima di questa scrittura</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>No write has been kept yet.</source>
        <translation>Non è stata ancora conservata nessuna scrittura.</translation>
    </message>
    <message>
        <source>Kept as %1</source>
        <translation>Conservato come %1</translation>
    </message>
    <message>
        <source>Write back into box %1 what it held before the write of %2?

The box&apos;s present contents are lost unless the backup is on.</source>
        <translation>Ripristinare nel modulo %1 ciò che conteneva prima della scrittura del %2?

Il contenuto attuale del modulo va perso se il backup non è attivo.</translation>
    </message>
</context>
<context>
    <name>CHistoryModel</name>
    <message>
        <source>did not finish</source>
        <translation>non terminata</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificata</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>con differenze</translation>
    </message>
    <message>
        <source>check cut off</source>
        <translation>verifica incompleta</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>non verificata</translation>
    </message>
    <message>
        <source>stopped before the first cell</source>
        <translation>interrotta prima della prima cella</translation>
    </message>
    <message>
        <source>stopped after cell %1</source>
        <translation>interrotta dopo la cella %1</translation>
    </message>
    <message>
        <source>failed at cell %1</source>
        <translation>non riuscita alla cella %1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Progetto</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Veicolo</translation>
    </message>
    <message>
        <source>Registration or VIN</source>
        <translation>Targa o VIN</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
</context>
<context>
    <name>CPanel</name>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Scrivi</translation>
    </message>
    <message>
        <source>Print Project</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Graph Type:</source>
        <translation>Tipo di grafico:</translation>
    </message>
    <message>
        <source>Input-Output</source>
        <translation>Ingresso-Uscita</translation>
    </message>
    <message>
        <source>Difference </source>
        <translation>Differenza </translation>
    </message>
    <message>
        <source>Box Type:</source>
        <translation>Tipo di modulo:</translation>
    </message>
    <message>
        <source>1 CR input</source>
        <translation>1 ingresso CR</translation>
    </message>
    <message>
        <source>2 CR inputs</source>
        <translation>2 ingressi CR</translation>
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
        <translation>Copia curva</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Start Voltage:</source>
        <translation>Tensione iniziale:</translation>
    </message>
    <message>
        <source>Stop Voltage:</source>
        <translation>Tensione finale:</translation>
    </message>
    <message>
        <source>Start Delay:</source>
        <translation>Ritardo avvio:</translation>
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
        <translation>Ritardo curva:</translation>
    </message>
    <message>
        <source>Compare with box</source>
        <translation>Confronta col modulo</translation>
    </message>
    <message>
        <source>Start voltage</source>
        <translation>Tensione iniziale</translation>
    </message>
    <message>
        <source>Below this input voltage the box leaves the signal alone. Type a value in steps of 0.1 V and press Enter.</source>
        <translation>Sotto questa tensione d&apos;ingresso il modulo lascia invariato il segnale. Inserire un valore a passi di 0,1 V e premere Invio.</translation>
    </message>
    <message>
        <source>Stop voltage</source>
        <translation>Tensione finale</translation>
    </message>
    <message>
        <source>Above this input voltage the box leaves the signal alone. Type a value in steps of 0.1 V and press Enter.</source>
        <translation>Sopra questa tensione d&apos;ingresso il modulo lascia invariato il segnale. Inserire un valore a passi di 0,1 V e premere Invio.</translation>
    </message>
    <message>
        <source>Start delay</source>
        <translation>Ritardo avvio</translation>
    </message>
    <message>
        <source>How long after the engine starts the box begins, from 0:00 to 4:00. Type it as minutes:seconds and press Enter.</source>
        <translation>Quanto tempo dopo l&apos;avviamento del motore il modulo entra in funzione, da 0:00 a 4:00. Inserirlo come minuti:secondi e premere Invio.</translation>
    </message>
    <message>
        <source>Curve delay</source>
        <translation>Ritardo curva</translation>
    </message>
    <message>
        <source>Milliseconds per 0.1 V, from 0 to 500 in steps of 20. Type a value and press Enter.</source>
        <translation>Millisecondi per 0,1 V, da 0 a 500 a passi di 20. Inserire un valore e premere Invio.</translation>
    </message>
    <message>
        <source>Raise the start voltage by 0.1 V</source>
        <translation>Alza la tensione iniziale di 0,1 V</translation>
    </message>
    <message>
        <source>Lower the start voltage by 0.1 V</source>
        <translation>Abbassa la tensione iniziale di 0,1 V</translation>
    </message>
    <message>
        <source>Raise the stop voltage by 0.1 V</source>
        <translation>Alza la tensione finale di 0,1 V</translation>
    </message>
    <message>
        <source>Lower the stop voltage by 0.1 V</source>
        <translation>Abbassa la tensione finale di 0,1 V</translation>
    </message>
    <message>
        <source>Start delay one minute longer</source>
        <translation>Ritardo avvio più lungo di un minuto</translation>
    </message>
    <message>
        <source>Start delay one minute shorter</source>
        <translation>Ritardo avvio più corto di un minuto</translation>
    </message>
    <message>
        <source>Start delay one second longer</source>
        <translation>Ritardo avvio più lungo di un secondo</translation>
    </message>
    <message>
        <source>Start delay one second shorter</source>
        <translation>Ritardo avvio più corto di un secondo</translation>
    </message>
    <message>
        <source>Curve delay 20 ms longer</source>
        <translation>Ritardo curva più lungo di 20 ms</translation>
    </message>
    <message>
        <source>Curve delay 20 ms shorter</source>
        <translation>Ritardo curva più corto di 20 ms</translation>
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
        <translation>Nuovo punto</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>The input voltage of the new point</source>
        <translation>La tensione d&apos;ingresso del nuovo punto</translation>
    </message>
    <message>
        <source>The input voltage of the point; dragging keeps it</source>
        <translation>La tensione d&apos;ingresso del punto; trascinandolo non cambia</translation>
    </message>
    <message>
        <source>The output voltage the box hands on at this input</source>
        <translation>La tensione d&apos;uscita che il modulo fornisce con questo ingresso</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Ingresso:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Uscita:</translation>
    </message>
    <message>
        <source>Output from %1 V to %2 V</source>
        <translation>Uscita da %1 V a %2 V</translation>
    </message>
</context>
<context>
    <name>CPointsTable</name>
    <message>
        <source>Input (V)</source>
        <translation>Ingresso (V)</translation>
    </message>
    <message>
        <source>Output (V)</source>
        <translation>Uscita (V)</translation>
    </message>
    <message>
        <source>Difference (V)</source>
        <translation>Differenza (V)</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Points of the edited curve</source>
        <translation>Punti della curva in modifica</translation>
    </message>
    <message>
        <source>Input, output and difference of each point in volts; type an output to set it</source>
        <translation>Ingresso, uscita e differenza di ogni punto in volt; inserire un&apos;uscita per impostarla</translation>
    </message>
</context>
<context>
    <name>CPortChoiceDlg</name>
    <message>
        <source>Choose the box&apos;s converter</source>
        <translation>Scegliere il convertitore del modulo</translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s.
Choose the box&apos;s converter:</source>
        <translation>Più di un convertitore potrebbe essere quello del modulo.
Scegliere il convertitore del modulo:</translation>
    </message>
</context>
<context>
    <name>CRamvikDlg</name>
    <message>
        <source>Click in the graph to add a point, drag a point to move it, right-click to remove it; double-click or Enter types exact values.</source>
        <translation>Fare clic nel grafico per aggiungere un punto, trascinare un punto per spostarlo, clic destro per eliminarlo; doppio clic o Invio per inserire valori esatti.</translation>
    </message>
    <message>
        <source>The start voltage is a number of volts, such as 1.5.</source>
        <translation>La tensione iniziale è un numero di volt, ad esempio 1,5.</translation>
    </message>
    <message>
        <source>The stop voltage is a number of volts, such as 4.5.</source>
        <translation>La tensione finale è un numero di volt, ad esempio 4,5.</translation>
    </message>
    <message>
        <source>Type the start delay as minutes and seconds, such as 1:30.</source>
        <translation>Inserire il ritardo avvio in minuti e secondi, ad esempio 1:30.</translation>
    </message>
    <message>
        <source>The curve delay is a whole number of milliseconds, such as 200.</source>
        <translation>Il ritardo curva è un numero intero di millisecondi, ad esempio 200.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Start a new project</source>
        <translation>Inizia un nuovo progetto</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open a project file</source>
        <translation>Apre un file di progetto</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save the project to its file; asks for a name when it has none</source>
        <translation>Salva il progetto nel suo file; chiede un nome se non ne ha uno</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <source>Save the project under a name</source>
        <translation>Salva il progetto con un nome</translation>
    </message>
    <message>
        <source>&amp;Print Project...</source>
        <translation>S&amp;tampa progetto...</translation>
    </message>
    <message>
        <source>Print the project sheet</source>
        <translation>Stampa la scheda del progetto</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>Esporta &amp;PDF...</translation>
    </message>
    <message>
        <source>Save the project sheet as a PDF file</source>
        <translation>Salva la scheda del progetto come file PDF</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Close Ramvik</source>
        <translation>Chiude Ramvik</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Annulla l&apos;ultima modifica</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>R&amp;ipeti</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Ripete la modifica annullata</translation>
    </message>
    <message>
        <source>&amp;Previous Point</source>
        <translation>Punto &amp;precedente</translation>
    </message>
    <message>
        <source>Choose the point left of the chosen one</source>
        <translation>Scegli il punto a sinistra di quello scelto</translation>
    </message>
    <message>
        <source>&amp;Next Point</source>
        <translation>Punto &amp;successivo</translation>
    </message>
    <message>
        <source>Choose the point right of the chosen one</source>
        <translation>Scegli il punto a destra di quello scelto</translation>
    </message>
    <message>
        <source>Move the chosen point up by 0.02 V</source>
        <translation>Alza il punto scelto di 0,02 V</translation>
    </message>
    <message>
        <source>Point &amp;Down</source>
        <translation>A&amp;bbassa punto</translation>
    </message>
    <message>
        <source>Move the chosen point down by 0.02 V</source>
        <translation>Abbassa il punto scelto di 0,02 V</translation>
    </message>
    <message>
        <source>Move the chosen point up by 0.1 V</source>
        <translation>Alza il punto scelto di 0,1 V</translation>
    </message>
    <message>
        <source>Move the chosen point down by 0.1 V</source>
        <translation>Abbassa il punto scelto di 0,1 V</translation>
    </message>
    <message>
        <source>Re&amp;move Point</source>
        <translation>&amp;Elimina punto</translation>
    </message>
    <message>
        <source>Remove the chosen point</source>
        <translation>Elimina il punto scelto</translation>
    </message>
    <message>
        <source>Point &amp;Values...</source>
        <translation>&amp;Valori del punto...</translation>
    </message>
    <message>
        <source>Type the exact values of the chosen point, or of a new point</source>
        <translation>Inserisce i valori esatti del punto scelto o di un nuovo punto</translation>
    </message>
    <message>
        <source>Edit &amp;CR Curve</source>
        <translation>Modi&amp;fica curva CR</translation>
    </message>
    <message>
        <source>Edit the CR curve (blue)</source>
        <translation>Modifica la curva CR (blu)</translation>
    </message>
    <message>
        <source>Edit &amp;TURBO Curve</source>
        <translation>Modifica curva &amp;TURBO</translation>
    </message>
    <message>
        <source>Edit the TURBO curve (red)</source>
        <translation>Modifica la curva TURBO (rossa)</translation>
    </message>
    <message>
        <source>Make the CR curve a straight line again</source>
        <translation>Riporta la curva CR a una linea retta</translation>
    </message>
    <message>
        <source>Make the TURBO curve a straight line again</source>
        <translation>Riporta la curva TURBO a una linea retta</translation>
    </message>
    <message>
        <source>C&amp;opy Curve</source>
        <translation>C&amp;opia curva</translation>
    </message>
    <message>
        <source>Copy the edited curve onto the other curve</source>
        <translation>Copia la curva modificata sull&apos;altra curva</translation>
    </message>
    <message>
        <source>&amp;Write to Box...</source>
        <translation>&amp;Scrivi modulo...</translation>
    </message>
    <message>
        <source>Write the curves and parameters into the box</source>
        <translation>Scrive le curve e i parametri nel modulo</translation>
    </message>
    <message>
        <source>&amp;Read from Box...</source>
        <translation>&amp;Leggi modulo...</translation>
    </message>
    <message>
        <source>Read the curves and parameters from the box</source>
        <translation>Legge le curve e i parametri dal modulo</translation>
    </message>
    <message>
        <source>&amp;Compare with Box...</source>
        <translation>&amp;Confronta col modulo...</translation>
    </message>
    <message>
        <source>Read the box and compare it with the project</source>
        <translation>Legge il modulo e lo confronta con il progetto</translation>
    </message>
    <message>
        <source>Write &amp;History...</source>
        <translation>Cronologia sc&amp;ritture...</translation>
    </message>
    <message>
        <source>What Ramvik sees of the box&apos;s USB converter, and what to do</source>
        <translation>Cosa vede Ramvik del convertitore USB del modulo, e cosa fare</translation>
    </message>
    <message>
        <source>&amp;1 CR input</source>
        <translation>&amp;1 ingresso CR</translation>
    </message>
    <message>
        <source>&amp;2 CR inputs</source>
        <translation>&amp;2 ingressi CR</translation>
    </message>
    <message>
        <source>CR&amp;&amp;&amp;TURBO</source>
        <translation>CR&amp;&amp;&amp;TURBO</translation>
    </message>
    <message>
        <source>The type of the box the project is for</source>
        <translation>Il tipo di modulo a cui è destinato il progetto</translation>
    </message>
    <message>
        <source>&amp;Input-Output</source>
        <translation>&amp;Ingresso-Uscita</translation>
    </message>
    <message>
        <source>Show the output voltage against the input voltage</source>
        <translation>Mostra la tensione d&apos;uscita in funzione della tensione d&apos;ingresso</translation>
    </message>
    <message>
        <source>&amp;Difference</source>
        <translation>&amp;Differenza</translation>
    </message>
    <message>
        <source>Show the input voltage minus the output voltage</source>
        <translation>Mostra la tensione d&apos;ingresso meno la tensione d&apos;uscita</translation>
    </message>
    <message>
        <source>Show C&amp;R Curve</source>
        <translation>Mostra curva C&amp;R</translation>
    </message>
    <message>
        <source>Show the CR curve while the TURBO curve is edited</source>
        <translation>Mostra la curva CR mentre si modifica la curva TURBO</translation>
    </message>
    <message>
        <source>Show &amp;TURBO Curve</source>
        <translation>Mostra curva &amp;TURBO</translation>
    </message>
    <message>
        <source>Show the TURBO curve while the CR curve is edited</source>
        <translation>Mostra la curva TURBO mentre si modifica la curva CR</translation>
    </message>
    <message>
        <source>&amp;Keys and Mouse</source>
        <translation>&amp;Tasti e mouse</translation>
    </message>
    <message>
        <source>How to edit the curves with the mouse and the keys</source>
        <translation>Come modificare le curve con il mouse e la tastiera</translation>
    </message>
    <message>
        <source>&amp;About Ramvik...</source>
        <translation>&amp;Informazioni su Ramvik...</translation>
    </message>
    <message>
        <source>The program&apos;s name and version</source>
        <translation>Nome e versione del programma</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Box</source>
        <translation>Mo&amp;dulo</translation>
    </message>
    <message>
        <source>Box &amp;Type</source>
        <translation>&amp;Tipo di modulo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Everyday actions</source>
        <translation>Azioni frequenti</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Ramvik Project (*.rmvp)</source>
        <translation>Progetto Ramvik (*.rmvp)</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>Impossibile creare il PDF.</translation>
    </message>
    <message>
        <source>Can&apos;t save file!

%1

%2</source>
        <translation>Impossibile salvare il file!

%1

%2</translation>
    </message>
    <message>
        <source>The project sheet went to %1.</source>
        <translation>La scheda del progetto è stata salvata in %1.</translation>
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
        <translation>Ancora nessun progetto</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Cancella elenco</translation>
    </message>
    <message>
        <source>Forget the projects listed here; the files stay</source>
        <translation>Dimentica i progetti elencati qui; i file restano</translation>
    </message>
    <message>
        <source>Po&amp;int Up</source>
        <translation>Al&amp;za punto</translation>
    </message>
    <message>
        <source>Point Up &amp;by 0.1 V</source>
        <translation>A&amp;lza punto di 0,1 V</translation>
    </message>
    <message>
        <source>Point Do&amp;wn by 0.1 V</source>
        <translation>Abbassa punto &amp;di 0,1 V</translation>
    </message>
    <message>
        <source>R&amp;eset CR Curve</source>
        <translation>Reimposta curva C&amp;R</translation>
    </message>
    <message>
        <source>Re&amp;set TURBO Curve</source>
        <translation>Rei&amp;mposta curva TURBO</translation>
    </message>
    <message>
        <source>C&amp;onnection Help</source>
        <translation>&amp;Aiuto connessione</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>Lingua di &amp;sistema</translation>
    </message>
    <message>
        <source>Reset &amp;Zoom</source>
        <translation>Reimposta &amp;zoom</translation>
    </message>
    <message>
        <source>Show the whole range of the graph again</source>
        <translation>Mostra di nuovo l&apos;intero intervallo del grafico</translation>
    </message>
    <message>
        <source>Find earlier writes by customer, vehicle or box; open, compare, print or write back</source>
        <translation>Cerca le scritture precedenti per cliente, veicolo o modulo; apre, confronta, stampa o ripristina</translation>
    </message>
    <message>
        <source>Select the points that take the file&apos;s points first.</source>
        <translation>Selezionare prima i punti che devono prendere i punti del file.</translation>
    </message>
    <message>
        <source>Cop&amp;y Points</source>
        <translation>&amp;Copia punti</translation>
    </message>
    <message>
        <source>Copy the selected points, or every point when none is selected, as text</source>
        <translation>Copia come testo i punti selezionati, o tutti i punti se nessuno è selezionato</translation>
    </message>
    <message>
        <source>P&amp;aste Points</source>
        <translation>Incolla p&amp;unti</translation>
    </message>
    <message>
        <source>Paste outputs or input and output pairs onto the selected points</source>
        <translation>Incolla uscite o coppie di ingresso e uscita sui punti selezionati</translation>
    </message>
    <message>
        <source>Select &amp;All Points</source>
        <translation>Seleziona &amp;tutti i punti</translation>
    </message>
    <message>
        <source>Select every point of the edited curve</source>
        <translation>Seleziona tutti i punti della curva in modifica</translation>
    </message>
    <message>
        <source>&amp;Clear Selection</source>
        <translation>&amp;Deseleziona tutti</translation>
    </message>
    <message>
        <source>Select no point</source>
        <translation>Deseleziona tutti i punti</translation>
    </message>
    <message>
        <source>&amp;Set Output...</source>
        <translation>&amp;Imposta uscita...</translation>
    </message>
    <message>
        <source>Give every selected point the same output</source>
        <translation>Assegna la stessa uscita a tutti i punti selezionati</translation>
    </message>
    <message>
        <source>A&amp;dd Voltage...</source>
        <translation>&amp;Aggiungi tensione...</translation>
    </message>
    <message>
        <source>Raise the outputs of the selected points by a voltage; a negative one lowers them</source>
        <translation>Alza le uscite dei punti selezionati di una tensione; una negativa le abbassa</translation>
    </message>
    <message>
        <source>Scale by &amp;Percent...</source>
        <translation>Scala in &amp;percentuale...</translation>
    </message>
    <message>
        <source>Multiply the outputs of the selected points by a percentage</source>
        <translation>Moltiplica le uscite dei punti selezionati per una percentuale</translation>
    </message>
    <message>
        <source>&amp;Interpolate</source>
        <translation>I&amp;nterpola</translation>
    </message>
    <message>
        <source>Put the inner selected points on the straight line between the first and the last</source>
        <translation>Porta i punti selezionati interni sulla retta tra il primo e l&apos;ultimo</translation>
    </message>
    <message>
        <source>S&amp;mooth</source>
        <translation>S&amp;mussa</translation>
    </message>
    <message>
        <source>Move each inner selected point halfway toward its neighbours; the ends stay</source>
        <translation>Sposta ogni punto selezionato interno a metà strada verso i vicini; gli estremi restano</translation>
    </message>
    <message>
        <source>Compare with &amp;File...</source>
        <translation>Confronta con &amp;file...</translation>
    </message>
    <message>
        <source>Draw another project file over this one and list what differs</source>
        <translation>Disegna un altro file di progetto sopra questo ed elenca le differenze</translation>
    </message>
    <message>
        <source>Se&amp;lection</source>
        <translation>Selezio&amp;ne</translation>
    </message>
    <message>
        <source>&amp;Points Table</source>
        <translation>Tabella &amp;punti</translation>
    </message>
    <message>
        <source>Show or hide the table of the edited curve&apos;s points</source>
        <translation>Mostra o nasconde la tabella dei punti della curva in modifica</translation>
    </message>
    <message>
        <source>Set Output</source>
        <translation>Imposta uscita</translation>
    </message>
    <message>
        <source>Output of the selected points:</source>
        <translation>Uscita dei punti selezionati:</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Type an output from 0 to 5 V, such as %1.</source>
        <translation>Inserire un&apos;uscita da 0 a 5 V, ad esempio %1.</translation>
    </message>
    <message>
        <source>Add Voltage</source>
        <translation>Aggiungi tensione</translation>
    </message>
    <message>
        <source>Voltage to add (negative lowers):</source>
        <translation>Tensione da aggiungere (negativa abbassa):</translation>
    </message>
    <message>
        <source>Type a voltage from -5 to 5 V, such as %1 or %2.</source>
        <translation>Inserire una tensione da -5 a 5 V, ad esempio %1 o %2.</translation>
    </message>
    <message>
        <source>Scale by Percent</source>
        <translation>Scala in percentuale</translation>
    </message>
    <message>
        <source>Percentage of the outputs:</source>
        <translation>Percentuale delle uscite:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Type a percentage from 0 to 1000, such as %1.</source>
        <translation>Inserire una percentuale da 0 a 1000, ad esempio %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s) copied.</source>
        <translation>
            <numerusform>%n punto copiato.</numerusform>
            <numerusform>%n punti copiati.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>Gli appunti non contengono testo da incollare.</translation>
    </message>
    <message>
        <source>An output is a number of volts, such as %1.</source>
        <translation>Un&apos;uscita è un numero di volt, ad esempio %1.</translation>
    </message>
</context>
<context>
    <name>CRead</name>
    <message>
        <source>Read from box</source>
        <translation>Leggi modulo</translation>
    </message>
    <message>
        <source>Read Data</source>
        <translation>Leggi dati</translation>
    </message>
    <message>
        <source>Nothing was read: no box could be reached. The project is unchanged.</source>
        <translation>Non è stato letto nulla: nessun modulo raggiungibile. Il progetto non è cambiato.</translation>
    </message>
    <message>
        <source>Nothing was read: the transfer stopped before the first cell. The project is unchanged.</source>
        <translation>Non è stato letto nulla: il trasferimento si è interrotto prima della prima cella. Il progetto non è cambiato.</translation>
    </message>
    <message>
        <source>The read stopped after %1 of %2 cells, so nothing was taken from the box. The project is unchanged.</source>
        <translation>La lettura si è interrotta dopo %1 di %2 celle, quindi non è stato preso nulla dal modulo. Il progetto non è cambiato.</translation>
    </message>
    <message>
        <source>The project of box %1 (%2) is now the window&apos;s project; it is not saved in any file yet.</source>
        <translation>Il progetto del modulo %1 (%2) è ora il progetto della finestra; non è ancora salvato in nessun file.</translation>
    </message>
    <message>
        <source>The read was stopped after %1 of %2 cells: nothing was taken from the box, and the project is unchanged.</source>
        <translation>La lettura è stata interrotta dopo %1 di %2 celle: non è stato preso nulla dal modulo e il progetto non è cambiato.</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1 of %2 cells</source>
        <translation>%1 di %2 celle</translation>
    </message>
    <message>
        <source>%1 of %2 cells, %3 left</source>
        <translation>%1 di %2 celle, mancano %3</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Stop the transfer after the cell on its way</source>
        <translation>Interrompe il trasferimento dopo la cella in corso</translation>
    </message>
</context>
<context>
    <name>CWrite</name>
    <message>
        <source>Write to box</source>
        <translation>Scrivi modulo</translation>
    </message>
    <message>
        <source>Write Data</source>
        <translation>Scrivi dati</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Verifica dopo la scrittura</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>two sentences, one after the other</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>It is kept in the history as %1.</source>
        <translation>È conservato nella cronologia come %1.</translation>
    </message>
    <message>
        <source>It was not kept in the history: no history folder is known.</source>
        <translation>Non è stato conservato nella cronologia: non è nota nessuna cartella per la cronologia.</translation>
    </message>
    <message>
        <source>It could not be kept in the history: %1.</source>
        <translation>Non è stato possibile conservarlo nella cronologia: %1.</translation>
    </message>
    <message>
        <source>The connection did not close cleanly afterwards; the box holds the project all the same.</source>
        <translation>In seguito la connessione non si è chiusa correttamente; il modulo contiene comunque il progetto.</translation>
    </message>
    <message>
        <source>The project was written into box %1, but the box holds other values than were written; the first difference: %2</source>
        <translation>Il progetto è stato scritto nel modulo %1, ma il modulo contiene valori diversi da quelli scritti; la prima differenza: %2</translation>
    </message>
    <message>
        <source>The write stopped after %1 of %2 cells: box %3 may now hold parts of two projects. Write the project again before the box is used.</source>
        <translation>La scrittura si è interrotta dopo %1 di %2 celle: il modulo %3 potrebbe ora contenere parti di due progetti. Scrivere di nuovo il progetto prima di usare il modulo.</translation>
    </message>
    <message>
        <source>Nothing was written: the transfer stopped before the first cell. The box holds what it held before.</source>
        <translation>Non è stato scritto nulla: il trasferimento si è interrotto prima della prima cella. Il modulo contiene ciò che conteneva prima.</translation>
    </message>
    <message>
        <source>Nothing was written: the box cannot hold the project as it is.</source>
        <translation>Non è stato scritto nulla: il modulo non può contenere il progetto così com&apos;è.</translation>
    </message>
    <message>
        <source>Nothing was written: no box could be reached.</source>
        <translation>Non è stato scritto nulla: nessun modulo raggiungibile.</translation>
    </message>
    <message>
        <source>Write back to box</source>
        <translation>Ripristina modulo</translation>
    </message>
    <message>
        <source>Read cells 0 to 254 back after writing and compare them</source>
        <translation>Rilegge le celle da 0 a 254 dopo la scrittura e le confronta</translation>
    </message>
    <message>
        <source>Back up the box first</source>
        <translation>Esegui prima il backup</translation>
    </message>
    <message>
        <source>Read what the box holds before writing and keep it in the write history, so that it can be written back</source>
        <translation>Legge ciò che il modulo contiene prima della scrittura e lo conserva nella cronologia scritture, così che possa essere ripristinato</translation>
    </message>
    <message>
        <source>&amp;Job (customer, vehicle, note)</source>
        <translation>&amp;Intervento (cliente, veicolo, nota)</translation>
    </message>
    <message>
        <source>What the write history keeps about this job; all optional</source>
        <translation>Ciò che la cronologia scritture conserva di questo intervento; tutto facoltativo</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>&amp;Cliente:</translation>
    </message>
    <message>
        <source>&amp;Vehicle:</source>
        <translation>&amp;Veicolo:</translation>
    </message>
    <message>
        <source>&amp;Registration or VIN:</source>
        <translation>&amp;Targa o VIN:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>Writes back what box %1 held before the write of %2.</source>
        <translation>Ripristina ciò che il modulo %1 conteneva prima della scrittura del %2.</translation>
    </message>
    <message>
        <source>Stop the write?

The box will hold parts of two projects until a project is written into it again.</source>
        <translation>Interrompere la scrittura?

Il modulo conterrà parti di due progetti finché non vi verrà scritto di nuovo un progetto.</translation>
    </message>
    <message>
        <source>Written into box %1; %2.</source>
        <comment>the box, then the outcome</comment>
        <translation>Scritto nel modulo %1; %2.</translation>
    </message>
</context>
<context>
    <name>CellMeaning</name>
    <message>
        <source>empty %1 pair %2, input</source>
        <translation>coppia %1 %2 vuota, ingresso</translation>
    </message>
    <message>
        <source>empty %1 pair %2, output</source>
        <translation>coppia %1 %2 vuota, uscita</translation>
    </message>
    <message>
        <source>%1 point at %2 V, input</source>
        <translation>punto %1 a %2 V, ingresso</translation>
    </message>
    <message>
        <source>%1 point at %2 V, output</source>
        <translation>punto %1 a %2 V, uscita</translation>
    </message>
    <message>
        <source>first CR input</source>
        <translation>primo ingresso CR</translation>
    </message>
    <message>
        <source>stop voltage</source>
        <translation>tensione finale</translation>
    </message>
    <message>
        <source>start voltage</source>
        <translation>tensione iniziale</translation>
    </message>
    <message>
        <source>CR output at the stop voltage</source>
        <translation>uscita CR alla tensione finale</translation>
    </message>
    <message>
        <source>box type and curve delay</source>
        <translation>tipo di modulo e ritardo curva</translation>
    </message>
    <message>
        <source>CR output at the start voltage</source>
        <translation>uscita CR alla tensione iniziale</translation>
    </message>
    <message>
        <source>start delay</source>
        <translation>ritardo avvio</translation>
    </message>
    <message>
        <source>box identification</source>
        <translation>identificativo del modulo</translation>
    </message>
    <message>
        <source>CR difference table at %1 V</source>
        <translation>tabella differenze CR a %1 V</translation>
    </message>
    <message>
        <source>TURBO table at %1 V</source>
        <translation>tabella TURBO a %1 V</translation>
    </message>
    <message>
        <source>cell outside the box</source>
        <translation>cella fuori dal modulo</translation>
    </message>
</context>
<context>
    <name>ConnectionDoctor</name>
    <message>
        <source>Looked for FTDI FT232 converters (USB 0403:6001, 0403:6014, 0403:6015) and for
devices named &quot;%1&quot;.</source>
        <translation>Cercati convertitori FTDI FT232 (USB 0403:6001, 0403:6014, 0403:6015) e
dispositivi chiamati &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Ramvik looked for FTDI FT232 converters (USB 0403:6001, 0403:6014, 0403:6015) and for devices named &quot;%1&quot;.</source>
        <translation>Ramvik ha cercato convertitori FTDI FT232 (USB 0403:6001, 0403:6014, 0403:6015) e dispositivi chiamati &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 does not exist.
Fix: name a device that ramvik-cli ports lists.</source>
        <translation>%1 non esiste.
Soluzione: indicare un dispositivo elencato da ramvik-cli ports.</translation>
    </message>
    <message>
        <source>%1 does not exist.
What to do: Plug the box&apos;s converter in, then try the transfer again.</source>
        <translation>%1 non esiste.
Cosa fare: collegare il convertitore del modulo, poi riprovare il trasferimento.</translation>
    </message>
    <message>
        <source>%1 is served by the kernel driver %2.</source>
        <translation>%1 è gestito dal driver del kernel %2.</translation>
    </message>
    <message>
        <source>The user %1 may open %2.</source>
        <translation>L&apos;utente %1 può aprire %2.</translation>
    </message>
    <message>
        <source>No other program holds %1.</source>
        <translation>Nessun altro programma tiene aperto %1.</translation>
    </message>
    <message>
        <source>No other program of this user holds %1 (those of other users
are visible to root only).</source>
        <translation>Nessun altro programma di questo utente tiene aperto %1 (quelli di altri utenti
sono visibili solo a root).</translation>
    </message>
    <message>
        <source>No other program of this user holds %1.</source>
        <translation>Nessun altro programma di questo utente tiene aperto %1.</translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms. Ramvik lowers it while it transfers, where the driver allows.
Nothing to do for a transfer. Whoever looks after this computer can set it to 1 ms for good with Ramvik&apos;s udev rule %3.</source>
        <translation>Il timer di latenza di %1 è di %2 ms. Ramvik lo abbassa durante il trasferimento, se il driver lo consente.
Non serve fare nulla per trasferire. Chi gestisce questo computer può impostarlo a 1 ms in modo permanente con la regola udev di Ramvik %3.</translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms. Ramvik lowers it while it transfers,
where the driver allows. To set it to 1 ms for good, install the udev rule:
%3</source>
        <translation>Il timer di latenza di %1 è di %2 ms. Ramvik lo abbassa durante il trasferimento,
se il driver lo consente. Per impostarlo a 1 ms in modo permanente, installare la regola udev:
%3</translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms.</source>
        <translation>Il timer di latenza di %1 è di %2 ms.</translation>
    </message>
    <message>
        <source>A converter is connected: %1</source>
        <translation>È collegato un convertitore: %1</translation>
    </message>
    <message>
        <source>%1
Fix: name the box&apos;s converter: ramvik-cli doctor --port PATH, and the same
--port PATH for write and read.</source>
        <translation>%1
Soluzione: indicare il convertitore del modulo: ramvik-cli doctor --port PATH, e lo stesso
--port PATH per write e read.</translation>
    </message>
    <message>
        <source>%1
What to do: Start a transfer and choose the box&apos;s converter when Ramvik asks; Ramvik remembers the choice. Or unplug the converters that are not the box&apos;s.</source>
        <translation>%1
Cosa fare: avviare un trasferimento e scegliere il convertitore del modulo quando Ramvik lo chiede; Ramvik ricorda la scelta. Oppure scollegare i convertitori che non sono del modulo.</translation>
    </message>
    <message>
        <source>A converter is connected: USB %1 (USB device %2).</source>
        <translation>È collegato un convertitore: USB %1 (dispositivo USB %2).</translation>
    </message>
    <message>
        <source>A converter is connected: USB %1  &quot;%2&quot; (USB device %3).</source>
        <translation>È collegato un convertitore: USB %1  &quot;%2&quot; (dispositivo USB %3).</translation>
    </message>
    <message>
        <source>The vendor library reaches it.</source>
        <translation>La libreria del produttore lo raggiunge.</translation>
    </message>
    <message>
        <source>No serial driver has taken it: it has no serial device.
Fix: load the kernel&apos;s driver (sudo modprobe ftdi_sio). brltty, when installed, takes
such converters away: remove it (sudo apt remove brltty) unless a braille
display is used, then plug the converter in again.</source>
        <translation>Nessun driver seriale lo ha preso in carico: non ha un dispositivo seriale.
Soluzione: caricare il driver del kernel (sudo modprobe ftdi_sio). brltty, se installato, si appropria
di questi convertitori: rimuoverlo (sudo apt remove brltty) a meno che non si usi un display
braille, poi ricollegare il convertitore.</translation>
    </message>
    <message>
        <source>A converter is connected: the vendor library sees %1 FTDI device(s).</source>
        <translation>È collegato un convertitore: la libreria del produttore vede %1 dispositivi FTDI.</translation>
    </message>
    <message>
        <source>No converter for the box is connected.
%1
Fix: plug the box&apos;s converter in; ramvik-cli ports lists every serial port.</source>
        <translation>Nessun convertitore per il modulo è collegato.
%1
Soluzione: collegare il convertitore del modulo; ramvik-cli ports elenca tutte le porte seriali.</translation>
    </message>
    <message>
        <source>No converter for the box is connected.
%1
What to do: Plug the box&apos;s converter in (into another USB socket if it is plugged in), then try the transfer again.</source>
        <translation>Nessun convertitore per il modulo è collegato.
%1
Cosa fare: collegare il convertitore del modulo (in un&apos;altra presa USB se è già collegato), poi riprovare il trasferimento.</translation>
    </message>
    <message>
        <source>The vendor library %1 is present and complete.</source>
        <translation>La libreria del produttore %1 è presente e completa.</translation>
    </message>
    <message>
        <source>The vendor library %1 is not installed; the system&apos;s serial driver serves
the converter instead.</source>
        <translation>La libreria del produttore %1 non è installata; al suo posto il driver seriale del sistema
gestisce il convertitore.</translation>
    </message>
    <message>
        <source>The vendor library %1 is not installed; the system&apos;s serial driver serves the converter instead.</source>
        <translation>La libreria del produttore %1 non è installata; al suo posto il driver seriale del sistema gestisce il convertitore.</translation>
    </message>
    <message>
        <source>%1
Fix: install FTDI&apos;s D2XX driver (ftdichip.com, &quot;D2XX Drivers&quot;) for this system.</source>
        <translation>%1
Soluzione: installare il driver D2XX di FTDI (ftdichip.com, &quot;D2XX Drivers&quot;) per questo sistema.</translation>
    </message>
    <message>
        <source>%1
What to do: Ask whoever looks after this computer to install FTDI&apos;s D2XX driver (ftdichip.com, &quot;D2XX Drivers&quot;) for this system.</source>
        <translation>%1
Cosa fare: chiedere a chi gestisce questo computer di installare il driver D2XX di FTDI (ftdichip.com, &quot;D2XX Drivers&quot;) per questo sistema.</translation>
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
        <translation>Il dispositivo indicato è presente: %1</translation>
    </message>
    <message>
        <source>A transfer can start.</source>
        <translation>Un trasferimento può iniziare.</translation>
    </message>
    <message>
        <source>A transfer cannot start yet.</source>
        <translation>Un trasferimento non può ancora iniziare.</translation>
    </message>
</context>
<context>
    <name>D2xxLibrary</name>
    <message>
        <source>Error: Can&apos;t Load %1</source>
        <translation>Errore: impossibile caricare %1</translation>
    </message>
    <message>
        <source>Error: Can&apos;t Find %1</source>
        <translation>Errore: impossibile trovare %1</translation>
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
        <translation>V[In]</translation>
    </message>
    <message>
        <source>V[Out]</source>
        <translation>V[Usc]</translation>
    </message>
    <message>
        <source>Input - Output</source>
        <translation>Ingresso - Uscita</translation>
    </message>
    <message>
        <source>V[Diff]</source>
        <translation>V[Diff]</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenza</translation>
    </message>
    <message>
        <source>Input - output:</source>
        <translation>Ingresso - uscita:</translation>
    </message>
    <message>
        <source>up to %1 V</source>
        <translation>fino a %1 V</translation>
    </message>
    <message>
        <source>%1 V to %2 V</source>
        <translation>da %1 V a %2 V</translation>
    </message>
    <message>
        <source>above the input: the output would be below 0 V</source>
        <translation>sopra l&apos;ingresso: l&apos;uscita sarebbe sotto 0 V</translation>
    </message>
    <message>
        <source>V[in]:%1 V[diff]:%2</source>
        <translation>V[in]:%1 V[diff]:%2</translation>
    </message>
    <message>
        <source>Project CR</source>
        <translation>CR del progetto</translation>
    </message>
    <message>
        <source>Project TURBO</source>
        <translation>TURBO del progetto</translation>
    </message>
    <message>
        <source>Box CR</source>
        <translation>CR del modulo</translation>
    </message>
    <message>
        <source>Box TURBO</source>
        <translation>TURBO del modulo</translation>
    </message>
    <message>
        <source>CR of %1</source>
        <translation>CR di %1</translation>
    </message>
    <message>
        <source>TURBO of %1</source>
        <translation>TURBO di %1</translation>
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
        <translation>1 punto modificato</translation>
    </message>
    <message>
        <source>%1 points changed</source>
        <translation>%1 punti modificati</translation>
    </message>
    <message>
        <source>1 point added</source>
        <translation>1 punto aggiunto</translation>
    </message>
    <message>
        <source>%1 points added</source>
        <translation>%1 punti aggiunti</translation>
    </message>
    <message>
        <source>1 point removed</source>
        <translation>1 punto eliminato</translation>
    </message>
    <message>
        <source>%1 points removed</source>
        <translation>%1 punti eliminati</translation>
    </message>
    <message>
        <source>No point changed</source>
        <translation>Nessun punto modificato</translation>
    </message>
    <message>
        <source>1 held at %1 V</source>
        <translation>1 limitato a %1 V</translation>
    </message>
    <message>
        <source>%1 held at %2 V</source>
        <translation>%1 limitati a %2 V</translation>
    </message>
    <message>
        <source>1 held at its limit</source>
        <translation>1 al suo limite</translation>
    </message>
    <message>
        <source>%1 held at their limits</source>
        <translation>%1 ai loro limiti</translation>
    </message>
    <message>
        <source>1 may not move</source>
        <translation>1 fisso</translation>
    </message>
    <message>
        <source>%1 may not move</source>
        <translation>%1 fissi</translation>
    </message>
    <message>
        <source>The text holds no numbers.</source>
        <translation>Il testo non contiene numeri.</translation>
    </message>
    <message>
        <source>No point is selected.</source>
        <translation>Nessun punto selezionato.</translation>
    </message>
    <message>
        <source>The value is not a number.</source>
        <translation>Il valore non è un numero.</translation>
    </message>
    <message>
        <source>The other project has no TURBO curve.</source>
        <translation>L&apos;altro progetto non ha una curva TURBO.</translation>
    </message>
    <message>
        <source>Nothing changed: %1</source>
        <translation>Nessuna modifica: %1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>Interpolating needs three selected points or more.</source>
        <translation>Per interpolare servono almeno tre punti selezionati.</translation>
    </message>
    <message>
        <source>Smoothing needs three selected points or more.</source>
        <translation>Per smussare servono almeno tre punti selezionati.</translation>
    </message>
    <message>
        <source>the output is not a number.</source>
        <translation>l&apos;uscita non è un numero.</translation>
    </message>
    <message>
        <source>the input %1 V lies outside 0 V to 5 V.</source>
        <translation>l&apos;ingresso %1 V è fuori dall&apos;intervallo da 0 V a 5 V.</translation>
    </message>
    <message>
        <source>the input %1 V is not on the box&apos;s 0.02 V steps.</source>
        <translation>l&apos;ingresso %1 V non rientra nei passi di 0,02 V del modulo.</translation>
    </message>
    <message>
        <source>the input %1 V is given twice.</source>
        <translation>l&apos;ingresso %1 V compare due volte.</translation>
    </message>
    <message>
        <source>the output %1 V at %2 V lies outside %3 V to %4 V.</source>
        <translation>l&apos;uscita %1 V a %2 V è fuori dall&apos;intervallo da %3 V a %4 V.</translation>
    </message>
    <message>
        <source>The CR curve would hold %1 points; a box stores %2.</source>
        <translation>La curva CR avrebbe %1 punti; un modulo ne memorizza %2.</translation>
    </message>
    <message>
        <source>The TURBO curve would hold %1 points; a box stores %2.</source>
        <translation>La curva TURBO avrebbe %1 punti; un modulo ne memorizza %2.</translation>
    </message>
    <message>
        <source>Select the points these numbers are the outputs of, or paste input and output pairs.</source>
        <translation>Selezionare i punti di cui questi numeri sono le uscite, oppure incollare coppie di ingresso e uscita.</translation>
    </message>
    <message>
        <source>%1 numbers for 1 selected point: select as many points as there are numbers.</source>
        <translation>%1 numeri per 1 punto selezionato: selezionare tanti punti quanti sono i numeri.</translation>
    </message>
    <message>
        <source>%1 numbers for %2 selected points: select as many points as there are numbers.</source>
        <translation>%1 numeri per %2 punti selezionati: selezionare tanti punti quanti sono i numeri.</translation>
    </message>
    <message>
        <source>The text holds single numbers; replacing points needs an input and an output on each line.</source>
        <translation>Il testo contiene numeri singoli; per sostituire i punti servono un ingresso e un&apos;uscita su ogni riga.</translation>
    </message>
</context>
<context>
    <name>PointText</name>
    <message>
        <source>Line %1 is not a number or a pair of numbers: &quot;%2&quot;</source>
        <translation>La riga %1 non è un numero né una coppia di numeri: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The text holds no numbers.</source>
        <translation>Il testo non contiene numeri.</translation>
    </message>
    <message>
        <source>Line %1 holds two numbers where the lines before it hold one: &quot;%2&quot;</source>
        <translation>La riga %1 contiene due numeri, ma le righe precedenti ne contengono uno: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Line %1 holds one number where the lines before it hold two: &quot;%2&quot;</source>
        <translation>La riga %1 contiene un numero, ma le righe precedenti ne contengono due: &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>PortAdvice</name>
    <message>
        <source>Stop it (sudo systemctl stop ModemManager), or install Ramvik&apos;s udev rule %1,
which tells ModemManager to leave the box&apos;s converter alone.</source>
        <translation>Arrestarlo (sudo systemctl stop ModemManager) o installare la regola udev di Ramvik %1,
che indica a ModemManager di lasciar stare il convertitore del modulo.</translation>
    </message>
    <message>
        <source>What to do: ModemManager looks after mobile modems and has taken the converter. Ask whoever looks after this computer to stop it, or to install Ramvik&apos;s udev rule %1, which tells ModemManager to leave the box&apos;s converter alone.</source>
        <translation>Cosa fare: ModemManager gestisce i modem mobili e si è preso il convertitore. Chiedere a chi gestisce questo computer di arrestarlo, o di installare la regola udev di Ramvik %1, che indica a ModemManager di lasciar stare il convertitore del modulo.</translation>
    </message>
    <message>
        <source>brltty, the braille display driver, takes USB serial converters. Stop it
(sudo systemctl stop brltty), or remove it (sudo apt remove brltty) when no
braille display is used.</source>
        <translation>brltty, il driver per display braille, si appropria dei convertitori seriali USB. Arrestarlo
(sudo systemctl stop brltty) o rimuoverlo (sudo apt remove brltty) se non si usa
nessun display braille.</translation>
    </message>
    <message>
        <source>What to do: brltty, the driver for braille displays, takes USB serial converters. Ask whoever looks after this computer to stop it, or to remove it when no braille display is used.</source>
        <translation>Cosa fare: brltty, il driver per display braille, si appropria dei convertitori seriali USB. Chiedere a chi gestisce questo computer di arrestarlo, o di rimuoverlo se non si usa nessun display braille.</translation>
    </message>
    <message>
        <source>Close %1, then try again.</source>
        <translation>Chiudere %1, poi riprovare.</translation>
    </message>
    <message>
        <source>What to do: Close the program %1, which has the converter open, then try again. If you cannot find it, ask whoever looks after this computer to stop it.</source>
        <translation>Cosa fare: chiudere il programma %1, che tiene aperto il convertitore, poi riprovare. Se non lo si trova, chiedere a chi gestisce questo computer di arrestarlo.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2.
Install Ramvik&apos;s udev rule %3, which gives the logged-in user the box&apos;s converter,
then plug the converter in again.</source>
        <translation>L&apos;utente %1 non può aprire %2.
Installare la regola udev di Ramvik %3, che dà all&apos;utente connesso l&apos;accesso al convertitore del modulo,
poi ricollegare il convertitore.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2.
What to do: Ask whoever looks after this computer to install Ramvik&apos;s udev rule %3, which gives the logged-in user the box&apos;s converter. Then plug the converter in again.</source>
        <translation>L&apos;utente %1 non può aprire %2.
Cosa fare: chiedere a chi gestisce questo computer di installare la regola udev di Ramvik %3, che dà all&apos;utente connesso l&apos;accesso al convertitore del modulo. Poi ricollegare il convertitore.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2: it belongs to the group %3.
Add the user to that group (sudo usermod -aG %3 %1), then log in again,
or install Ramvik&apos;s udev rule %4, which gives the logged-in user the box&apos;s converter.</source>
        <translation>L&apos;utente %1 non può aprire %2: appartiene al gruppo %3.
Aggiungere l&apos;utente a quel gruppo (sudo usermod -aG %3 %1), poi accedere di nuovo,
o installare la regola udev di Ramvik %4, che dà all&apos;utente connesso l&apos;accesso al convertitore del modulo.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2: it belongs to the group %3.
What to do: Ask whoever looks after this computer to add the user %1 to the group %3 (or to install Ramvik&apos;s udev rule %4), then log in again.</source>
        <translation>L&apos;utente %1 non può aprire %2: appartiene al gruppo %3.
Cosa fare: chiedere a chi gestisce questo computer di aggiungere l&apos;utente %1 al gruppo %3 (o di installare la regola udev di Ramvik %4), poi accedere di nuovo.</translation>
    </message>
    <message>
        <source>%1 is in use by %2 (process %3).
%4</source>
        <translation>%1 è in uso da parte di %2 (processo %3).
%4</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 non esiste.</translation>
    </message>
    <message>
        <source>%1 does not exist.
What to do: Plug the box&apos;s converter in, then try again.</source>
        <translation>%1 non esiste.
Cosa fare: collegare il convertitore del modulo, poi riprovare.</translation>
    </message>
    <message>
        <source>Ramvik finds no converter that may be the box&apos;s.
What to do: Plug the box&apos;s converter in (into another USB socket if it is plugged in), then try again.</source>
        <translation>Ramvik non trova nessun convertitore che possa essere quello del modulo.
Cosa fare: collegare il convertitore del modulo (in un&apos;altra presa USB se è già collegato), poi riprovare.</translation>
    </message>
    <message>
        <source>The box&apos;s converter is plugged in, but no serial driver has taken it, so Ramvik cannot talk through it.
What to do: Unplug the converter and plug it in again. If that does not help, ask whoever looks after this computer to load the driver ftdi_sio and to remove brltty (a driver for braille displays, which takes such converters away) unless a braille display is used.</source>
        <translation>Il convertitore del modulo è collegato, ma nessun driver seriale lo ha preso in carico, quindi Ramvik non può comunicare attraverso di esso.
Cosa fare: scollegare il convertitore e ricollegarlo. Se non basta, chiedere a chi gestisce questo computer di caricare il driver ftdi_sio e di rimuovere brltty (un driver per display braille, che si appropria di questi convertitori), a meno che non si usi un display braille.</translation>
    </message>
    <message>
        <source>%1  %2  serial %3  &quot;%4&quot;</source>
        <translation>%1  %2  n. di serie %3  &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1  %2  serial %3</source>
        <translation>%1  %2  n. di serie %3</translation>
    </message>
    <message>
        <source>%1  serial %2  &quot;%3&quot;</source>
        <translation>%1  n. di serie %2  &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1  serial %2</source>
        <translation>%1  n. di serie %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s:</source>
        <translation>Più di un convertitore potrebbe essere quello del modulo:</translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s:
  %1</source>
        <translation>Più di un convertitore potrebbe essere quello del modulo:
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
        <translation>sudo cp resources/udev/%1 /etc/udev/rules.d/ (il pacchetto Debian la installa da sé),
poi sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger</translation>
    </message>
</context>
<context>
    <name>PortFinder</name>
    <message>
        <source>%1
Choose the box&apos;s converter.</source>
        <translation>%1
Scegliere il convertitore del modulo.</translation>
    </message>
    <message>
        <source>%1
What to do: Start the transfer again and choose the box&apos;s converter when Ramvik asks, or unplug the converters that are not the box&apos;s.</source>
        <translation>%1
Cosa fare: avviare di nuovo il trasferimento e scegliere il convertitore del modulo quando Ramvik lo chiede, oppure scollegare i convertitori che non sono del modulo.</translation>
    </message>
    <message>
        <source>Opening %1 failed: %2.</source>
        <translation>Apertura di %1 non riuscita: %2.</translation>
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
        <translation>2 ingressi CR</translation>
    </message>
    <message>
        <source>1 CR input</source>
        <translation>1 ingresso CR</translation>
    </message>
    <message>
        <source>Start Voltage [V] :   %1</source>
        <translation>Tensione iniziale [V] :   %1</translation>
    </message>
    <message>
        <source>Start Delay [mm:ss] :   %1:%2</source>
        <translation>Ritardo avvio [mm:ss] :   %1:%2</translation>
    </message>
    <message>
        <source>Curve Delay [ms/0.1V] :   %1</source>
        <translation>Ritardo curva [ms/0,1V] :   %1</translation>
    </message>
    <message>
        <source>Vin</source>
        <translation>Vin</translation>
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
        <translation>Tipo di modulo: progetto %1, file %2.</translation>
    </message>
    <message>
        <source>Curve delay: project %1 ms, file %2 ms.</source>
        <translation>Ritardo curva: progetto %1 ms, file %2 ms.</translation>
    </message>
    <message>
        <source>Start voltage: project %1 V, file %2 V.</source>
        <translation>Tensione iniziale: progetto %1 V, file %2 V.</translation>
    </message>
    <message>
        <source>Stop voltage: project %1 V, file %2 V.</source>
        <translation>Tensione finale: progetto %1 V, file %2 V.</translation>
    </message>
    <message>
        <source>Start delay: project %1, file %2.</source>
        <translation>Ritardo avvio: progetto %1, file %2.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, %4 V in the file.</source>
        <translation>Punto %1 a %2 V: uscita %3 V nel progetto, %4 V nel file.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, none in the file.</source>
        <translation>Punto %1 a %2 V: uscita %3 V nel progetto, nessuna nel file.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the file, none in the project.</source>
        <translation>Punto %1 a %2 V: uscita %3 V nel file, nessuna nel progetto.</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>it holds control characters (byte %1 is %2)</source>
        <translation>contiene caratteri di controllo (il byte %1 è %2)</translation>
    </message>
    <message>
        <source>no parameter line</source>
        <translation>nessuna riga di parametri</translation>
    </message>
</context>
<context>
    <name>ProjectState</name>
    <message>
        <source>A CR curve holds at most %1 points</source>
        <translation>Una curva CR contiene al massimo %1 punti</translation>
    </message>
    <message>
        <source>A TURBO curve holds at most %1 points</source>
        <translation>Una curva TURBO contiene al massimo %1 punti</translation>
    </message>
    <message>
        <source>The point at 0 V stays</source>
        <translation>Il punto a 0 V è fisso</translation>
    </message>
    <message>
        <source>Inputs lie between 0 V and 5 V</source>
        <translation>Gli ingressi vanno da 0 V a 5 V</translation>
    </message>
    <message>
        <source>Only points between the start and stop voltage can be moved</source>
        <translation>Si possono spostare solo i punti tra la tensione iniziale e quella finale</translation>
    </message>
    <message>
        <source>The output at %1 V stays between %2 V and %3 V</source>
        <translation>L&apos;uscita a %1 V resta tra %2 V e %3 V</translation>
    </message>
    <message>
        <source>The point at 5 V stays</source>
        <translation>Il punto a 5 V è fisso</translation>
    </message>
    <message>
        <source>The CR points at the start and stop voltage stay</source>
        <translation>I punti CR alla tensione iniziale e finale sono fissi</translation>
    </message>
    <message>
        <source>1 CR input</source>
        <translation>1 ingresso CR</translation>
    </message>
    <message>
        <source>2 CR inputs</source>
        <translation>2 ingressi CR</translation>
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
        <translation>La tensione iniziale va da 0,0 V a 5,0 V.</translation>
    </message>
    <message>
        <source>The start voltage goes in steps of 0.1 V.</source>
        <translation>La tensione iniziale va a passi di 0,1 V.</translation>
    </message>
    <message>
        <source>The start voltage cannot lie above the stop voltage (%1 V).</source>
        <translation>La tensione iniziale non può superare la tensione finale (%1 V).</translation>
    </message>
    <message>
        <source>The stop voltage lies between 0.0 V and 5.0 V.</source>
        <translation>La tensione finale va da 0,0 V a 5,0 V.</translation>
    </message>
    <message>
        <source>The stop voltage goes in steps of 0.1 V.</source>
        <translation>La tensione finale va a passi di 0,1 V.</translation>
    </message>
    <message>
        <source>The stop voltage cannot lie below the start voltage (%1 V).</source>
        <translation>La tensione finale non può essere inferiore alla tensione iniziale (%1 V).</translation>
    </message>
    <message>
        <source>The start delay lies between 0:00 and 4:00.</source>
        <translation>Il ritardo avvio va da 0:00 a 4:00.</translation>
    </message>
    <message>
        <source>The curve delay lies between 0 ms and 500 ms.</source>
        <translation>Il ritardo curva va da 0 ms a 500 ms.</translation>
    </message>
    <message>
        <source>The curve delay goes in steps of 20 ms.</source>
        <translation>Il ritardo curva va a passi di 20 ms.</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>No USB Device Connected!</source>
        <translation>Nessun dispositivo USB collegato!</translation>
    </message>
    <message>
        <source>An error occured,
please replug
the USB-interface.

Error code: WR0001</source>
        <translation>Si è verificato un errore.
Ricollegare
l&apos;interfaccia USB.

Codice errore: WR0001</translation>
    </message>
    <message>
        <source>Please check the connection
of the USB-interface
and try again.</source>
        <translation>Controllare il collegamento
dell&apos;interfaccia USB
e riprovare.</translation>
    </message>
    <message>
        <source>This box is not designed for this software. 
Use the proper software, Dolvar,
or contact your dealer to update this box.</source>
        <translation>Questo modulo non è progettato per questo software.
Usare il software adatto, Dolvar,
o contattare il rivenditore per aggiornare il modulo.</translation>
    </message>
    <message>
        <source>This box is for CR-Tuning only!
please adjust your project.</source>
        <translation>Questo modulo è solo per tuning CR!
Adattare il progetto.</translation>
    </message>
    <message>
        <source>This box is for CR-TURBO-Tuning only!
please adjust your project.</source>
        <translation>Questo modulo è solo per tuning CR-TURBO!
Adattare il progetto.</translation>
    </message>
    <message>
        <source>USB-error

Error code: PU0001</source>
        <translation>Errore USB

Codice errore: PU0001</translation>
    </message>
    <message>
        <source>USB-error

Error code: CL0001</source>
        <translation>Errore USB

Codice errore: CL0001</translation>
    </message>
    <message>
        <source>No USB Device Connected!

%1</source>
        <translation>Nessun dispositivo USB collegato!

%1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Register Keys not found!

Please reinstall the program. The default values will be loaded.</source>
        <translation>Chiavi di registro non trovate!

Reinstallare il programma. Verranno caricati i valori predefiniti.</translation>
    </message>
    <message>
        <source>A register key was not found!

Please reinstall the program to correct this error. The default value for this setting will be loaded.</source>
        <translation>Una chiave di registro non è stata trovata!

Reinstallare il programma per correggere l&apos;errore. Verrà caricato il valore predefinito per questa impostazione.</translation>
    </message>
    <message>
        <source>%1 does not look like a Ramvik project: %2.</source>
        <translation>%1 non sembra un progetto Ramvik: %2.</translation>
    </message>
    <message>
        <source>Can&apos;t open file!</source>
        <translation>Impossibile aprire il file!</translation>
    </message>
    <message>
        <source>%1 Open it anyway?</source>
        <translation>%1 Aprirlo comunque?</translation>
    </message>
    <message>
        <source>A box cannot hold this project as it stands: %1</source>
        <translation>Un modulo non può contenere questo progetto così com&apos;è: %1</translation>
    </message>
    <message>
        <source>A box cannot hold this project as it stands: %1 (and %2 more)</source>
        <translation>Un modulo non può contenere questo progetto così com&apos;è: %1 (e altri %2)</translation>
    </message>
    <message>
        <source>%1 was no Ramvik project when it was opened. Replace it with this project?</source>
        <translation>%1 non era un progetto Ramvik quando è stato aperto. Sostituirlo con questo progetto?</translation>
    </message>
    <message>
        <source>Can&apos;t save file!

%1

%2</source>
        <translation>Impossibile salvare il file!

%1

%2</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; has changed.

Do you want to save the changes?</source>
        <translation>Il progetto «%1» è stato modificato.

Salvare le modifiche?</translation>
    </message>
    <message>
        <source>The write was not kept in the history:

%1

%2</source>
        <translation>La scrittura non è stata conservata nella cronologia:

%1

%2</translation>
    </message>
    <message>
        <source>The write was not kept in the history:

no data folder is known (the settings hold no RootPath, or HOME is not set).</source>
        <translation>La scrittura non è stata conservata nella cronologia:

non è nota nessuna cartella dati (le impostazioni non contengono RootPath, oppure HOME non è impostato).</translation>
    </message>
    <message>
        <source>%1 is not a Ramvik project: %2 bytes.</source>
        <translation>%1 non è un progetto Ramvik: %2 byte.</translation>
    </message>
    <message>
        <source>Nothing was written: what the box held could not be kept in the history first.

%1

%2

Turn the backup off to write all the same.</source>
        <translation>Non è stato scritto nulla: non è stato possibile conservare prima nella cronologia ciò che il modulo conteneva.

%1

%2

Disattivare il backup per scrivere comunque.</translation>
    </message>
    <message>
        <source>Written into box %1; %2.</source>
        <translation>Scritto nel modulo %1; %2.</translation>
    </message>
    <message>
        <source>Every cell was written into box %1, but the check was cut off: the write is not verified.</source>
        <translation>Tutte le celle sono state scritte nel modulo %1, ma la verifica si è interrotta: la scrittura non è verificata.</translation>
    </message>
    <message>
        <source>The write failed at cell %1 of %2: the box now holds parts of two projects. Write the project again before the engine runs.</source>
        <translation>La scrittura non è riuscita alla cella %1 di %2: il modulo ora contiene parti di due progetti. Scrivere di nuovo il progetto prima di avviare il motore.</translation>
    </message>
    <message>
        <source>The write of %1 kept nothing to write back: the box was not read before it.</source>
        <translation>La scrittura del %1 non ha conservato nulla da ripristinare: il modulo non è stato letto prima.</translation>
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
        <translation>Il modulo non può contenere questo progetto:
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
        <translation>Il modulo contiene valori diversi da quelli scritti: %1</translation>
    </message>
    <message>
        <source>cell %1 (%2): box %3, written %4.</source>
        <translation>cella %1 (%2): modulo %3, scritto %4.</translation>
    </message>
    <message>
        <source>The write was stopped before the first cell: the box holds what it held before.</source>
        <translation>La scrittura è stata interrotta prima della prima cella: il modulo contiene ciò che conteneva prima.</translation>
    </message>
    <message>
        <source>The check was stopped: every cell was written, but not all of cells 0–254 were read back, so the write is not verified.</source>
        <translation>La verifica è stata interrotta: tutte le celle sono state scritte, ma non tutte le celle 0–254 sono state rilette, quindi la scrittura non è verificata.</translation>
    </message>
    <message>
        <source>The read was stopped before every cell had arrived: nothing was saved.</source>
        <translation>La lettura è stata interrotta prima che arrivassero tutte le celle: non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>The write stopped after cell %1 of %2: the box now holds parts of two projects. Write the project again before the engine runs.</source>
        <translation>La scrittura si è interrotta dopo la cella %1 di %2: il modulo ora contiene parti di due progetti. Scrivere di nuovo il progetto prima di avviare il motore.</translation>
    </message>
</context>
<context>
    <name>TransferPhase</name>
    <message>
        <source>Writing...</source>
        <translation>Scrittura...</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Scritto</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Verifica...</translation>
    </message>
    <message>
        <source>Checked</source>
        <translation>Verificato</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lettura...</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Letto</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Backup...</translation>
    </message>
    <message>
        <source>Backed up</source>
        <translation>Backup eseguito</translation>
    </message>
</context>
<context>
    <name>WriteHistory</name>
    <message>
        <source>did not finish (the program ended during the write): the box may hold parts of two projects</source>
        <translation>non terminata (il programma si è chiuso durante la scrittura): il modulo potrebbe contenere parti di due progetti</translation>
    </message>
    <message>
        <source>differs: the box holds other values than were written</source>
        <translation>con differenze: il modulo contiene valori diversi da quelli scritti</translation>
    </message>
    <message>
        <source>differs: %1</source>
        <translation>con differenze: %1</translation>
    </message>
    <message>
        <source>not verified: every cell was written, the check was off</source>
        <translation>non verificata: tutte le celle sono state scritte, senza verifica</translation>
    </message>
    <message>
        <source>stopped before the first cell: the box holds what it held before</source>
        <translation>interrotta prima della prima cella: il modulo contiene ciò che conteneva prima</translation>
    </message>
    <message>
        <source>stopped after cell %1 of %2: the box holds parts of two projects</source>
        <translation>interrotta dopo la cella %1 di %2: il modulo contiene parti di due progetti</translation>
    </message>
    <message>
        <source>failed at cell %1 of %2: the box holds parts of two projects</source>
        <translation>non riuscita alla cella %1 di %2: il modulo contiene parti di due progetti</translation>
    </message>
    <message>
        <source>The last write into box %1 (%2) did not finish: the box may hold parts of two projects. Write the project again.</source>
        <translation>L&apos;ultima scrittura nel modulo %1 (%2) non è terminata: il modulo potrebbe contenere parti di due progetti. Scrivere di nuovo il progetto.</translation>
    </message>
    <message>
        <source>The box&apos;s table cells (256–766) cannot be read back, and the last write into box %1 (%2) did not finish: they may hold another project.</source>
        <translation>Le celle delle tabelle del modulo (256–766) non si possono rileggere, e l&apos;ultima scrittura nel modulo %1 (%2) non è terminata: potrebbero contenere un altro progetto.</translation>
    </message>
    <message>
        <source>Left out 1 history entry that is only half there (another computer may be writing it).</source>
        <translation>Omessa 1 voce della cronologia ancora incompleta (forse un altro computer la sta scrivendo).</translation>
    </message>
    <message>
        <source>Left out %1 history entries that are only half there (another computer may be writing them).</source>
        <translation>Omesse %1 voci della cronologia ancora incomplete (forse un altro computer le sta scrivendo).</translation>
    </message>
    <message>
        <source>Can&apos;t read the write history:

%1

%2</source>
        <translation>Impossibile leggere la cronologia scritture:

%1

%2</translation>
    </message>
    <message>
        <source>Written into box %1 on %2.</source>
        <translation>Scritto nel modulo %1 il %2.</translation>
    </message>
    <message>
        <source>Written into box %1 on %2 at %3.</source>
        <translation>Scritto nel modulo %1 il %2 dal computer %3.</translation>
    </message>
    <message>
        <source>Outcome: %1.</source>
        <translation>Esito: %1.</translation>
    </message>
    <message>
        <source>Customer: %1</source>
        <translation>Cliente: %1</translation>
    </message>
    <message>
        <source>Vehicle: %1</source>
        <translation>Veicolo: %1</translation>
    </message>
    <message>
        <source>Registration or VIN: %1</source>
        <translation>Targa o VIN: %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>Writes back what the box held before the write %1.</source>
        <translation>Ripristina ciò che il modulo conteneva prima della scrittura %1.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>verified: parameters and points (cells 0–254); the box&apos;s table cells cannot be read back</source>
        <translation>verificata: parametri e punti (celle 0–254); le celle delle tabelle del modulo non si possono rileggere</translation>
    </message>
    <message>
        <source>check cut off: every cell was written, but not all of cells 0–254 were read back</source>
        <translation>verifica incompleta: tutte le celle sono state scritte, ma non tutte le celle 0–254 sono state rilette</translation>
    </message>
</context>
</TS>
