<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BoxCompare</name>
    <message>
        <source>Box type: project %1, box %2.</source>
        <translation>Boxtyp: Projekt %1, Box %2.</translation>
    </message>
    <message>
        <source>Curve delay: project %1 ms, box %2 ms.</source>
        <translation>Kurvenverzögerung: Projekt %1 ms, Box %2 ms.</translation>
    </message>
    <message>
        <source>Start voltage: project %1 V, box %2 V.</source>
        <translation>Startspannung: Projekt %1 V, Box %2 V.</translation>
    </message>
    <message>
        <source>Stop voltage: project %1 V, box %2 V.</source>
        <translation>Stoppspannung: Projekt %1 V, Box %2 V.</translation>
    </message>
    <message>
        <source>Start delay: project %1, box %2.</source>
        <translation>Startverzögerung: Projekt %1, Box %2.</translation>
    </message>
    <message>
        <source>First CR input: project %1 V, box %2 V.</source>
        <translation>Erster CR-Eingang: Projekt %1 V, Box %2 V.</translation>
    </message>
    <message>
        <source>CR output at the stop voltage: project %1 V, box %2 V.</source>
        <translation>CR-Ausgang bei der Stoppspannung: Projekt %1 V, Box %2 V.</translation>
    </message>
    <message>
        <source>CR output at the start voltage: project %1 V, box %2 V.</source>
        <translation>CR-Ausgang bei der Startspannung: Projekt %1 V, Box %2 V.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, %4 V in the box.</source>
        <translation>%1-Punkt bei %2 V: Ausgang %3 V im Projekt, %4 V in der Box.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, none in the box.</source>
        <translation>%1-Punkt bei %2 V: Ausgang %3 V im Projekt, keiner in der Box.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the box, none in the project.</source>
        <translation>%1-Punkt bei %2 V: Ausgang %3 V in der Box, keiner im Projekt.</translation>
    </message>
    <message>
        <source>Cell %1 (%2): project %3, box %4.</source>
        <translation>Zelle %1 (%2): Projekt %3, Box %4.</translation>
    </message>
</context>
<context>
    <name>BoxRefusals</name>
    <message>
        <source>TURBO curve (not used by this box type): %1</source>
        <translation>TURBO-Kurve (von diesem Boxtyp nicht genutzt): %1</translation>
    </message>
    <message>
        <source>%1 curve has no points.</source>
        <translation>%1-Kurve hat keine Punkte.</translation>
    </message>
    <message>
        <source>%1 point %2: input %3 V lies outside 0 V to 5 V.</source>
        <translation>%1-Punkt %2: Eingang %3 V liegt außerhalb von 0 V bis 5 V.</translation>
    </message>
    <message>
        <source>%1 point %2: output %3 V lies outside 0 V to 5 V.</source>
        <translation>%1-Punkt %2: Ausgang %3 V liegt außerhalb von 0 V bis 5 V.</translation>
    </message>
    <message>
        <source>%1 curve has %2 points; the box stores at most %3.</source>
        <translation>%1-Kurve hat %2 Punkte; die Box speichert höchstens %3.</translation>
    </message>
    <message>
        <source>Box type %1 is not 0, 1 or 2.</source>
        <translation>Boxtyp %1 ist nicht 0, 1 oder 2.</translation>
    </message>
    <message>
        <source>Start voltage %1 V lies outside 0 V to 5 V.</source>
        <translation>Startspannung %1 V liegt außerhalb von 0 V bis 5 V.</translation>
    </message>
    <message>
        <source>Stop voltage %1 V lies outside 0 V to 5 V.</source>
        <translation>Stoppspannung %1 V liegt außerhalb von 0 V bis 5 V.</translation>
    </message>
    <message>
        <source>Start voltage %1 V lies above the stop voltage %2 V.</source>
        <translation>Startspannung %1 V liegt über der Stoppspannung %2 V.</translation>
    </message>
    <message>
        <source>Curve delay %1 lies outside 0 to 500.</source>
        <translation>Kurvenverzögerung %1 liegt außerhalb von 0 bis 500.</translation>
    </message>
    <message>
        <source>Curve delay %1 is not a multiple of 20.</source>
        <translation>Kurvenverzögerung %1 ist kein Vielfaches von 20.</translation>
    </message>
    <message>
        <source>Start delay %1 min %2 s (%3) lies outside 0:00 to 4:00.</source>
        <translation>Startverzögerung %1 min %2 s (%3) liegt außerhalb von 0:00 bis 4:00.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Ramvik</source>
        <translation>Über Ramvik</translation>
    </message>
    <message>
        <source>Ramvik Version 2.0</source>
        <translation>Ramvik Version 2.0</translation>
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
        <translation>Mit Box vergleichen</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Box %1 holds the project.</source>
        <translation>Box %1 enthält das Projekt.</translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project: the compare panel lists the difference and draws the box&apos;s curves over the project&apos;s.</source>
        <translation>Box %1 enthält andere Werte als das Projekt: Der Vergleichsbereich listet die Abweichung auf und zeichnet die Kurven der Box über die des Projekts.</translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project: the compare panel lists %2 differences and draws the box&apos;s curves over the project&apos;s.</source>
        <translation>Box %1 enthält andere Werte als das Projekt: Der Vergleichsbereich listet %2 Abweichungen auf und zeichnet die Kurven der Box über die des Projekts.</translation>
    </message>
    <message>
        <source>The compare was stopped after %1 of %2 cells: nothing was compared, and the project is unchanged.</source>
        <translation>Der Vergleich wurde nach %1 von %2 Zellen angehalten: Es wurde nichts verglichen, und das Projekt ist unverändert.</translation>
    </message>
</context>
<context>
    <name>CComparePanel</name>
    <message>
        <source>Compare with box</source>
        <translation>Vergleich mit Box</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Abweichungen</translation>
    </message>
    <message>
        <source>The box&apos;s curves are drawn over the project&apos;s: CR in magenta dots, TURBO in black dashes.</source>
        <translation>Die Kurven der Box liegen über denen des Projekts: CR magenta gepunktet, TURBO schwarz gestrichelt.</translation>
    </message>
    <message>
        <source>Take the box&apos;s project</source>
        <translation>Projekt der Box übernehmen</translation>
    </message>
    <message>
        <source>Keep the project</source>
        <translation>Projekt behalten</translation>
    </message>
    <message>
        <source>Box %1 holds the project.</source>
        <translation>Box %1 enthält das Projekt.</translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project:</source>
        <translation>Box %1 enthält andere Werte als das Projekt:</translation>
    </message>
</context>
<context>
    <name>CConnectionHelpDlg</name>
    <message>
        <source>Connection help</source>
        <translation>Verbindungshilfe</translation>
    </message>
    <message>
        <source>What Ramvik found on the way to the box&apos;s converter:</source>
        <translation>Was Ramvik auf dem Weg zum Adapter der Box gefunden hat:</translation>
    </message>
    <message>
        <source>Copy report</source>
        <translation>Bericht kopieren</translation>
    </message>
    <message>
        <source>Puts this report on the clipboard, followed by the same checks with the commands for whoever looks after this computer.</source>
        <translation>Legt diesen Bericht in die Zwischenablage, gefolgt von denselben Prüfungen mit den Befehlen für die IT-Betreuung dieses Computers.</translation>
    </message>
    <message>
        <source>%1

For whoever looks after this computer:
%2
</source>
        <translation>%1

Für die IT-Betreuung dieses Computers:
%2
</translation>
    </message>
    <message>
        <source>The report is on the clipboard. Paste it into an e-mail or a message to whoever looks after this computer.</source>
        <translation>Der Bericht ist in der Zwischenablage. Fügen Sie ihn in eine E-Mail oder Nachricht an die IT-Betreuung dieses Computers ein.</translation>
    </message>
</context>
<context>
    <name>CFileComparePanel</name>
    <message>
        <source>Compare with file</source>
        <translation>Vergleich mit Datei</translation>
    </message>
    <message>
        <source>Differences from the file</source>
        <translation>Abweichungen von der Datei</translation>
    </message>
    <message>
        <source>The curves of %1 are drawn over the project&apos;s: CR in teal dash-dots, TURBO in brown dash-dot-dots.</source>
        <translation>Die Kurven von %1 sind über die des Projekts gezeichnet: CR petrol strichpunktiert, TURBO braun strich-zweipunktiert.</translation>
    </message>
    <message>
        <source>Take These Points from the File</source>
        <translation>Diese Punkte aus der Datei übernehmen</translation>
    </message>
    <message>
        <source>The selected points of the edited curve take the file&apos;s points in their stretch</source>
        <translation>Die ausgewählten Punkte der bearbeiteten Kurve übernehmen in ihrem Abschnitt die Punkte der Datei</translation>
    </message>
    <message>
        <source>Close Comparison</source>
        <translation>Vergleich schließen</translation>
    </message>
    <message>
        <source>%1 holds the project.</source>
        <translation>%1 enthält das Projekt.</translation>
    </message>
    <message>
        <source>%1 holds other values than the project:</source>
        <translation>%1 enthält andere Werte als das Projekt:</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>Keys and Mouse</source>
        <translation>Tasten und Maus</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The graph&lt;/h3&gt;&lt;p&gt;The edited curve is the one whose box is ticked beside &lt;b&gt;CR&lt;/b&gt; or &lt;b&gt;TURBO&lt;/b&gt; (F2, F3). Its points carry round markers; the chosen point is larger and filled.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Click&lt;/b&gt; on a point to choose it, and &lt;b&gt;drag&lt;/b&gt; it up or down to set its output. A point keeps its input.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Click&lt;/b&gt; anywhere else in the plot to add a point there.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Right-click&lt;/b&gt; on a point to remove it; during a drag the right button puts the point back on the line where output equals input.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Double-click&lt;/b&gt; a point, or press &lt;b&gt;Enter&lt;/b&gt;, to type its exact output; with no point chosen, Enter adds a point at the input you type.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Several points at once&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Shift+click&lt;/b&gt; a point to select every point from the last clicked one to it; &lt;b&gt;Ctrl+click&lt;/b&gt; adds a point to the selection or takes it out.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Shift+drag&lt;/b&gt; in the plot selects the points inside the rectangle.&lt;/li&gt;&lt;li&gt;Selected points carry filled squares. The &lt;b&gt;Points&lt;/b&gt; table beside the graph (View, Ctrl+T) lists every point; its selected rows are the selected points, and an output typed into it is set as Enter sets it.&lt;/li&gt;&lt;li&gt;Edit &amp;gt; Selection sets, raises, scales, interpolates or smooths the selected outputs in one step to undo; the table&apos;s right-click menu offers the same.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Zoom&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Ctrl+wheel&lt;/b&gt; zooms in and out around the pointer.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Shift+wheel&lt;/b&gt; moves the view sideways; a drag with the &lt;b&gt;middle button&lt;/b&gt; moves it in any direction.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+0&lt;/b&gt; (View &amp;gt; Reset Zoom) shows the whole range again. A printout always shows the whole range.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;The points at 0 V and 5 V stay, and so do the CR points at the start and stop voltage; only CR points between them move. An output lies at most 1.6 V below its input. Values snap to the box&apos;s steps of 0.02 V. The status line says why an edit was held back.&lt;/p&gt;&lt;h3&gt;Keys of the graph&lt;/h3&gt;&lt;p&gt;They act on the chosen point once the graph has the keyboard focus (click it, or press Tab until it is framed), wherever the mouse pointer is. Ctrl+A, Escape, Ctrl+C and Ctrl+V act in the points table too; in a text field they act on its text.&lt;/p&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Left&lt;/b&gt;, &lt;b&gt;Right&lt;/b&gt;&lt;/td&gt;&lt;td&gt;choose the neighbouring point&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;&lt;/td&gt;&lt;td&gt;move it by 0.02 V; with several points selected, move all of them&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Shift+Up&lt;/b&gt;, &lt;b&gt;Shift+Down&lt;/b&gt;&lt;/td&gt;&lt;td&gt;the same by 0.1 V&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+A&lt;/b&gt;&lt;/td&gt;&lt;td&gt;select every point of the edited curve&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Escape&lt;/b&gt;&lt;/td&gt;&lt;td&gt;select no point (a rectangle being drawn goes first)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;copy the selected points (every point when none is selected) as text: a header line, then input and output a line&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+V&lt;/b&gt;&lt;/td&gt;&lt;td&gt;paste: a column of numbers sets the outputs of as many selected points; input and output pairs replace the selected stretch, or are added when nothing is selected&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Delete&lt;/b&gt;&lt;/td&gt;&lt;td&gt;remove it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;type its exact values&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;The parameters&lt;/h3&gt;&lt;p&gt;Type a value into its field and press Enter or Tab, or use the arrows beside it, the Up and Down keys in the field or the mouse wheel. The start delay is typed as minutes:seconds (1:30). A value the box cannot take is refused, and the status line says why.&lt;/p&gt;&lt;h3&gt;Everywhere&lt;/h3&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Z&lt;/b&gt;&lt;/td&gt;&lt;td&gt;undo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+Z&lt;/b&gt;, &lt;b&gt;Ctrl+Y&lt;/b&gt;&lt;/td&gt;&lt;td&gt;redo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+N&lt;/b&gt;, &lt;b&gt;Ctrl+O&lt;/b&gt;, &lt;b&gt;Ctrl+S&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+S&lt;/b&gt;&lt;/td&gt;&lt;td&gt;new, open, save, save as&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+P&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+E&lt;/b&gt;&lt;/td&gt;&lt;td&gt;print, export PDF&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+W&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+R&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;write to the box, read from it, compare with it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+1&lt;/b&gt;, &lt;b&gt;Ctrl+2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Input-Output view, Difference view&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;reset the zoom&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+T&lt;/b&gt;&lt;/td&gt;&lt;td&gt;show or hide the points table&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F5&lt;/b&gt; to &lt;b&gt;F9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;set, raise, scale, interpolate, smooth the selected outputs&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+F&lt;/b&gt;&lt;/td&gt;&lt;td&gt;compare with another project file&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt&lt;/b&gt; and the underlined letter&lt;/td&gt;&lt;td&gt;open a menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Das Diagramm&lt;/h3&gt;&lt;p&gt;Bearbeitet wird die Kurve, deren Kästchen neben &lt;b&gt;CR&lt;/b&gt; oder &lt;b&gt;TURBO&lt;/b&gt; angehakt ist (F2, F3). Ihre Punkte tragen runde Markierungen; der gewählte Punkt ist größer und gefüllt.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Einen Punkt &lt;b&gt;anklicken&lt;/b&gt;, um ihn zu wählen, und nach oben oder unten &lt;b&gt;ziehen&lt;/b&gt;, um seinen Ausgang einzustellen. Der Eingang eines Punkts bleibt.&lt;/li&gt;&lt;li&gt;Irgendwo sonst ins Diagramm &lt;b&gt;klicken&lt;/b&gt;, um dort einen Punkt hinzuzufügen.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Rechtsklick&lt;/b&gt; auf einen Punkt löscht ihn; beim Ziehen setzt die rechte Maustaste den Punkt zurück auf die Linie, auf der Ausgang gleich Eingang ist.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Doppelklick&lt;/b&gt; auf einen Punkt oder die &lt;b&gt;Eingabetaste&lt;/b&gt;, um seinen genauen Ausgang einzugeben; ist kein Punkt gewählt, fügt die Eingabetaste einen Punkt beim eingegebenen Eingang hinzu.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Mehrere Punkte auf einmal&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Umschalt+Klick&lt;/b&gt; auf einen Punkt wählt alle Punkte vom zuletzt angeklickten bis zu ihm aus; &lt;b&gt;Strg+Klick&lt;/b&gt; nimmt einen Punkt in die Auswahl auf oder aus ihr heraus.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Umschalt+Ziehen&lt;/b&gt; im Diagramm wählt die Punkte im Rechteck aus.&lt;/li&gt;&lt;li&gt;Ausgewählte Punkte tragen gefüllte Quadrate. Die Tabelle &lt;b&gt;Punkte&lt;/b&gt; neben dem Diagramm (Ansicht, Strg+T) listet alle Punkte auf; ihre ausgewählten Zeilen sind die ausgewählten Punkte, und ein dort eingegebener Ausgang wird wie mit der Eingabetaste gesetzt.&lt;/li&gt;&lt;li&gt;Bearbeiten &amp;gt; Auswahl setzt, erhöht, skaliert, interpoliert oder glättet die ausgewählten Ausgänge in einem Schritt, der sich rückgängig machen lässt; das Kontextmenü der Tabelle bietet dasselbe.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Zoom&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Strg+Mausrad&lt;/b&gt; zoomt um den Mauszeiger herum hinein und heraus.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Umschalt+Mausrad&lt;/b&gt; verschiebt die Ansicht seitwärts; Ziehen mit der &lt;b&gt;mittleren Maustaste&lt;/b&gt; verschiebt sie in jede Richtung.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Strg+0&lt;/b&gt; (Ansicht &amp;gt; Zoom zurücksetzen) zeigt wieder den ganzen Bereich. Ein Ausdruck zeigt immer den ganzen Bereich.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Die Punkte bei 0 V und 5 V bleiben, ebenso die CR-Punkte bei Start- und Stoppspannung; nur die CR-Punkte dazwischen lassen sich verschieben. Ein Ausgang liegt höchstens 1,6 V unter seinem Eingang. Werte rasten in den Schritten der Box von 0,02 V ein. Die Statuszeile sagt, warum eine Änderung nicht übernommen wurde.&lt;/p&gt;&lt;h3&gt;Tasten im Diagramm&lt;/h3&gt;&lt;p&gt;Sie wirken auf den gewählten Punkt, sobald das Diagramm den Tastaturfokus hat (anklicken oder Tab drücken, bis es umrahmt ist), egal wo der Mauszeiger steht. Strg+A, Esc, Strg+C und Strg+V wirken auch in der Punktetabelle; in einem Textfeld wirken sie auf dessen Text.&lt;/p&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Pfeil links&lt;/b&gt;, &lt;b&gt;Pfeil rechts&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Nachbarpunkt wählen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Pfeil hoch&lt;/b&gt;, &lt;b&gt;Pfeil runter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;um 0,02 V verschieben; sind mehrere Punkte ausgewählt, alle verschieben&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Umschalt+Pfeil hoch&lt;/b&gt;, &lt;b&gt;Umschalt+Pfeil runter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;dasselbe um 0,1 V&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Strg+A&lt;/b&gt;&lt;/td&gt;&lt;td&gt;alle Punkte der bearbeiteten Kurve auswählen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Esc&lt;/b&gt;&lt;/td&gt;&lt;td&gt;keinen Punkt auswählen (ein gerade aufgezogenes Rechteck wird zuerst verworfen)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Strg+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;die ausgewählten Punkte (alle, wenn keiner ausgewählt ist) als Text kopieren: eine Kopfzeile, dann je Zeile Eingang und Ausgang&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Strg+V&lt;/b&gt;&lt;/td&gt;&lt;td&gt;einfügen: eine Zahlenspalte setzt die Ausgänge ebenso vieler ausgewählter Punkte; Eingang-Ausgang-Paare ersetzen den ausgewählten Abschnitt oder werden hinzugefügt, wenn nichts ausgewählt ist&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Entf&lt;/b&gt;&lt;/td&gt;&lt;td&gt;löschen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Eingabetaste&lt;/b&gt;&lt;/td&gt;&lt;td&gt;genaue Werte eingeben&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Die Parameter&lt;/h3&gt;&lt;p&gt;Einen Wert in sein Feld eingeben und Eingabetaste oder Tab drücken, oder die Pfeile daneben, die Tasten Pfeil hoch und Pfeil runter im Feld oder das Mausrad benutzen. Die Startverzögerung wird als Minuten:Sekunden eingegeben (1:30). Ein Wert, den die Box nicht annehmen kann, wird abgewiesen, und die Statuszeile sagt, warum.&lt;/p&gt;&lt;h3&gt;Überall&lt;/h3&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Strg+Z&lt;/b&gt;&lt;/td&gt;&lt;td&gt;rückgängig&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Strg+Umschalt+Z&lt;/b&gt;, &lt;b&gt;Strg+Y&lt;/b&gt;&lt;/td&gt;&lt;td&gt;wiederholen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Strg+N&lt;/b&gt;, &lt;b&gt;Strg+O&lt;/b&gt;, &lt;b&gt;Strg+S&lt;/b&gt;, &lt;b&gt;Strg+Umschalt+S&lt;/b&gt;&lt;/td&gt;&lt;td&gt;neu, öffnen, speichern, speichern unter&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Strg+P&lt;/b&gt;, &lt;b&gt;Strg+Umschalt+E&lt;/b&gt;&lt;/td&gt;&lt;td&gt;drucken, PDF exportieren&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Strg+Umschalt+W&lt;/b&gt;, &lt;b&gt;Strg+Umschalt+R&lt;/b&gt;, &lt;b&gt;Strg+Umschalt+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;in die Box schreiben, aus ihr lesen, mit ihr vergleichen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Strg+1&lt;/b&gt;, &lt;b&gt;Strg+2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Ansicht Eingang-Ausgang, Ansicht Differenz&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Strg+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Zoom zurücksetzen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Strg+T&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Punktetabelle ein- oder ausblenden&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F5&lt;/b&gt; bis &lt;b&gt;F9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;ausgewählte Ausgänge setzen, erhöhen, skalieren, interpolieren, glätten&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Strg+Umschalt+F&lt;/b&gt;&lt;/td&gt;&lt;td&gt;mit einer anderen Projektdatei vergleichen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt&lt;/b&gt; und der unterstrichene Buchstabe&lt;/td&gt;&lt;td&gt;ein Menü öffnen&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
</context>
<context>
    <name>CHistoryBrowser</name>
    <message>
        <source>Write History</source>
        <translation>Schreibverlauf</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Customer, vehicle, registration, project, box, outcome...</source>
        <translation>Kunde, Fahrzeug, Kennzeichen, Projekt, Box, Ergebnis...</translation>
    </message>
    <message>
        <source>Writes</source>
        <translation>Schreibvorgänge</translation>
    </message>
    <message>
        <source>&amp;Open Project</source>
        <translation>Projekt ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open the project as it was written</source>
        <translation>Projekt so öffnen, wie es geschrieben wurde</translation>
    </message>
    <message>
        <source>&amp;Compare with Box...</source>
        <translation>Mit Box ver&amp;gleichen...</translation>
    </message>
    <message>
        <source>Open the project as it was written and compare it with the box</source>
        <translation>Projekt so öffnen, wie es geschrieben wurde, und mit der Box vergleichen</translation>
    </message>
    <message>
        <source>&amp;Print Sheet...</source>
        <translation>Blatt &amp;drucken...</translation>
    </message>
    <message>
        <source>Print the project&apos;s sheet with the job and the outcome</source>
        <translation>Projektblatt mit Auftrag und Ergebnis drucken</translation>
    </message>
    <message>
        <source>&amp;Write Back What the Box Held Before...</source>
        <translation>Vorherigen Boxinhalt &amp;zurückschreiben...</translation>
    </message>
    <message>
        <source>Write into the box what it held before this write</source>
        <translation>In die Box schreiben, was sie vor diesem Schreibvorgang enthielt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No write has been kept yet.</source>
        <translation>Noch kein Schreibvorgang abgelegt.</translation>
    </message>
    <message>
        <source>Kept as %1</source>
        <translation>Abgelegt unter %1</translation>
    </message>
    <message>
        <source>Write back into box %1 what it held before the write of %2?

The box&apos;s present contents are lost unless the backup is on.</source>
        <translation>In Box %1 zurückschreiben, was sie vor dem Schreibvorgang vom %2 enthielt?

Der jetzige Inhalt der Box geht verloren, sofern die Sicherung nicht eingeschaltet ist.</translation>
    </message>
</context>
<context>
    <name>CHistoryModel</name>
    <message>
        <source>did not finish</source>
        <translation>nicht beendet</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>geprüft</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>abweichend</translation>
    </message>
    <message>
        <source>check cut off</source>
        <translation>Prüfung abgebrochen</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>nicht geprüft</translation>
    </message>
    <message>
        <source>stopped before the first cell</source>
        <translation>vor der ersten Zelle angehalten</translation>
    </message>
    <message>
        <source>stopped after cell %1</source>
        <translation>nach Zelle %1 angehalten</translation>
    </message>
    <message>
        <source>failed at cell %1</source>
        <translation>bei Zelle %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Fahrzeug</translation>
    </message>
    <message>
        <source>Registration or VIN</source>
        <translation>Kennzeichen oder FIN</translation>
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
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Print Project</source>
        <translation>Projekt drucken</translation>
    </message>
    <message>
        <source>Graph Type:</source>
        <translation>Diagrammtyp:</translation>
    </message>
    <message>
        <source>Input-Output</source>
        <translation>Eingang-Ausgang</translation>
    </message>
    <message>
        <source>Difference </source>
        <translation>Differenz </translation>
    </message>
    <message>
        <source>Box Type:</source>
        <translation>Boxtyp:</translation>
    </message>
    <message>
        <source>1 CR input</source>
        <translation>1 CR-Eingang</translation>
    </message>
    <message>
        <source>2 CR inputs</source>
        <translation>2 CR-Eingänge</translation>
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
        <translation>Kurve kopieren</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Start Voltage:</source>
        <translation>Startspannung:</translation>
    </message>
    <message>
        <source>Stop Voltage:</source>
        <translation>Stoppspannung:</translation>
    </message>
    <message>
        <source>Start Delay:</source>
        <translation>Startverzögerung:</translation>
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
        <translation>Kurvenverzögerung:</translation>
    </message>
    <message>
        <source>Compare with box</source>
        <translation>Mit Box vergleichen</translation>
    </message>
    <message>
        <source>Start voltage</source>
        <translation>Startspannung</translation>
    </message>
    <message>
        <source>Below this input voltage the box leaves the signal alone. Type a value in steps of 0.1 V and press Enter.</source>
        <translation>Unterhalb dieser Eingangsspannung lässt die Box das Signal unverändert. Wert in Schritten von 0,1 V eingeben und Eingabetaste drücken.</translation>
    </message>
    <message>
        <source>Stop voltage</source>
        <translation>Stoppspannung</translation>
    </message>
    <message>
        <source>Above this input voltage the box leaves the signal alone. Type a value in steps of 0.1 V and press Enter.</source>
        <translation>Oberhalb dieser Eingangsspannung lässt die Box das Signal unverändert. Wert in Schritten von 0,1 V eingeben und Eingabetaste drücken.</translation>
    </message>
    <message>
        <source>Start delay</source>
        <translation>Startverzögerung</translation>
    </message>
    <message>
        <source>How long after the engine starts the box begins, from 0:00 to 4:00. Type it as minutes:seconds and press Enter.</source>
        <translation>Wie lange nach dem Motorstart die Box eingreift, von 0:00 bis 4:00. Als Minuten:Sekunden eingeben und Eingabetaste drücken.</translation>
    </message>
    <message>
        <source>Curve delay</source>
        <translation>Kurvenverzögerung</translation>
    </message>
    <message>
        <source>Milliseconds per 0.1 V, from 0 to 500 in steps of 20. Type a value and press Enter.</source>
        <translation>Millisekunden pro 0,1 V, von 0 bis 500 in Schritten von 20. Wert eingeben und Eingabetaste drücken.</translation>
    </message>
    <message>
        <source>Raise the start voltage by 0.1 V</source>
        <translation>Startspannung um 0,1 V erhöhen</translation>
    </message>
    <message>
        <source>Lower the start voltage by 0.1 V</source>
        <translation>Startspannung um 0,1 V senken</translation>
    </message>
    <message>
        <source>Raise the stop voltage by 0.1 V</source>
        <translation>Stoppspannung um 0,1 V erhöhen</translation>
    </message>
    <message>
        <source>Lower the stop voltage by 0.1 V</source>
        <translation>Stoppspannung um 0,1 V senken</translation>
    </message>
    <message>
        <source>Start delay one minute longer</source>
        <translation>Startverzögerung eine Minute länger</translation>
    </message>
    <message>
        <source>Start delay one minute shorter</source>
        <translation>Startverzögerung eine Minute kürzer</translation>
    </message>
    <message>
        <source>Start delay one second longer</source>
        <translation>Startverzögerung eine Sekunde länger</translation>
    </message>
    <message>
        <source>Start delay one second shorter</source>
        <translation>Startverzögerung eine Sekunde kürzer</translation>
    </message>
    <message>
        <source>Curve delay 20 ms longer</source>
        <translation>Kurvenverzögerung 20 ms länger</translation>
    </message>
    <message>
        <source>Curve delay 20 ms shorter</source>
        <translation>Kurvenverzögerung 20 ms kürzer</translation>
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
        <translation>Neuer Punkt</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>The input voltage of the new point</source>
        <translation>Die Eingangsspannung des neuen Punkts</translation>
    </message>
    <message>
        <source>The input voltage of the point; dragging keeps it</source>
        <translation>Die Eingangsspannung des Punkts; beim Ziehen bleibt sie</translation>
    </message>
    <message>
        <source>The output voltage the box hands on at this input</source>
        <translation>Die Ausgangsspannung, die die Box bei diesem Eingang weitergibt</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Eingang:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Ausgang:</translation>
    </message>
    <message>
        <source>Output from %1 V to %2 V</source>
        <translation>Ausgang von %1 V bis %2 V</translation>
    </message>
</context>
<context>
    <name>CPointsTable</name>
    <message>
        <source>Input (V)</source>
        <translation>Eingang (V)</translation>
    </message>
    <message>
        <source>Output (V)</source>
        <translation>Ausgang (V)</translation>
    </message>
    <message>
        <source>Difference (V)</source>
        <translation>Differenz (V)</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Points of the edited curve</source>
        <translation>Punkte der bearbeiteten Kurve</translation>
    </message>
    <message>
        <source>Input, output and difference of each point in volts; type an output to set it</source>
        <translation>Eingang, Ausgang und Differenz jedes Punkts in Volt; einen Ausgang eingeben, um ihn zu setzen</translation>
    </message>
</context>
<context>
    <name>CPortChoiceDlg</name>
    <message>
        <source>Choose the box&apos;s converter</source>
        <translation>Adapter der Box wählen</translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s.
Choose the box&apos;s converter:</source>
        <translation>Mehrere Adapter könnten zur Box gehören.
Adapter der Box wählen:</translation>
    </message>
</context>
<context>
    <name>CRamvikDlg</name>
    <message>
        <source>Click in the graph to add a point, drag a point to move it, right-click to remove it; double-click or Enter types exact values.</source>
        <translation>Klick ins Diagramm fügt einen Punkt hinzu, Ziehen verschiebt einen Punkt, Rechtsklick löscht ihn; Doppelklick oder Eingabetaste für genaue Werte.</translation>
    </message>
    <message>
        <source>The start voltage is a number of volts, such as 1.5.</source>
        <translation>Die Startspannung ist eine Zahl in Volt, etwa 1,5.</translation>
    </message>
    <message>
        <source>The stop voltage is a number of volts, such as 4.5.</source>
        <translation>Die Stoppspannung ist eine Zahl in Volt, etwa 4,5.</translation>
    </message>
    <message>
        <source>Type the start delay as minutes and seconds, such as 1:30.</source>
        <translation>Startverzögerung als Minuten und Sekunden eingeben, etwa 1:30.</translation>
    </message>
    <message>
        <source>The curve delay is a whole number of milliseconds, such as 200.</source>
        <translation>Die Kurvenverzögerung ist eine ganze Zahl in Millisekunden, etwa 200.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Start a new project</source>
        <translation>Neues Projekt beginnen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open a project file</source>
        <translation>Projektdatei öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the project to its file; asks for a name when it has none</source>
        <translation>Projekt in seine Datei speichern; fragt nach einem Namen, wenn es noch keinen hat</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the project under a name</source>
        <translation>Projekt unter einem Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Print Project...</source>
        <translation>Projekt &amp;drucken...</translation>
    </message>
    <message>
        <source>Print the project sheet</source>
        <translation>Projektblatt drucken</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>PDF &amp;exportieren...</translation>
    </message>
    <message>
        <source>Save the project sheet as a PDF file</source>
        <translation>Projektblatt als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Close Ramvik</source>
        <translation>Ramvik schließen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Letzte Änderung zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Zurückgenommene Änderung wieder ausführen</translation>
    </message>
    <message>
        <source>&amp;Previous Point</source>
        <translation>&amp;Vorheriger Punkt</translation>
    </message>
    <message>
        <source>Choose the point left of the chosen one</source>
        <translation>Punkt links vom gewählten wählen</translation>
    </message>
    <message>
        <source>&amp;Next Point</source>
        <translation>&amp;Nächster Punkt</translation>
    </message>
    <message>
        <source>Choose the point right of the chosen one</source>
        <translation>Punkt rechts vom gewählten wählen</translation>
    </message>
    <message>
        <source>Move the chosen point up by 0.02 V</source>
        <translation>Gewählten Punkt um 0,02 V nach oben verschieben</translation>
    </message>
    <message>
        <source>Point &amp;Down</source>
        <translation>Punkt nach &amp;unten</translation>
    </message>
    <message>
        <source>Move the chosen point down by 0.02 V</source>
        <translation>Gewählten Punkt um 0,02 V nach unten verschieben</translation>
    </message>
    <message>
        <source>Move the chosen point up by 0.1 V</source>
        <translation>Gewählten Punkt um 0,1 V nach oben verschieben</translation>
    </message>
    <message>
        <source>Move the chosen point down by 0.1 V</source>
        <translation>Gewählten Punkt um 0,1 V nach unten verschieben</translation>
    </message>
    <message>
        <source>Re&amp;move Point</source>
        <translation>Punkt &amp;löschen</translation>
    </message>
    <message>
        <source>Remove the chosen point</source>
        <translation>Gewählten Punkt löschen</translation>
    </message>
    <message>
        <source>Point &amp;Values...</source>
        <translation>&amp;Punktwerte...</translation>
    </message>
    <message>
        <source>Type the exact values of the chosen point, or of a new point</source>
        <translation>Genaue Werte des gewählten Punkts oder eines neuen Punkts eingeben</translation>
    </message>
    <message>
        <source>Edit &amp;CR Curve</source>
        <translation>&amp;CR-Kurve bearbeiten</translation>
    </message>
    <message>
        <source>Edit the CR curve (blue)</source>
        <translation>CR-Kurve (blau) bearbeiten</translation>
    </message>
    <message>
        <source>Edit &amp;TURBO Curve</source>
        <translation>&amp;TURBO-Kurve bearbeiten</translation>
    </message>
    <message>
        <source>Edit the TURBO curve (red)</source>
        <translation>TURBO-Kurve (rot) bearbeiten</translation>
    </message>
    <message>
        <source>Make the CR curve a straight line again</source>
        <translation>CR-Kurve wieder zur Geraden machen</translation>
    </message>
    <message>
        <source>Make the TURBO curve a straight line again</source>
        <translation>TURBO-Kurve wieder zur Geraden machen</translation>
    </message>
    <message>
        <source>C&amp;opy Curve</source>
        <translation>Kurve &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy the edited curve onto the other curve</source>
        <translation>Bearbeitete Kurve auf die andere Kurve kopieren</translation>
    </message>
    <message>
        <source>&amp;Write to Box...</source>
        <translation>In Box &amp;schreiben...</translation>
    </message>
    <message>
        <source>Write the curves and parameters into the box</source>
        <translation>Kurven und Parameter in die Box schreiben</translation>
    </message>
    <message>
        <source>&amp;Read from Box...</source>
        <translation>Aus Box &amp;lesen...</translation>
    </message>
    <message>
        <source>Read the curves and parameters from the box</source>
        <translation>Kurven und Parameter aus der Box lesen</translation>
    </message>
    <message>
        <source>&amp;Compare with Box...</source>
        <translation>Mit Box ver&amp;gleichen...</translation>
    </message>
    <message>
        <source>Read the box and compare it with the project</source>
        <translation>Box lesen und mit dem Projekt vergleichen</translation>
    </message>
    <message>
        <source>Write &amp;History...</source>
        <translation>Schreib&amp;verlauf...</translation>
    </message>
    <message>
        <source>What Ramvik sees of the box&apos;s USB converter, and what to do</source>
        <translation>Was Ramvik vom USB-Adapter der Box sieht und was zu tun ist</translation>
    </message>
    <message>
        <source>&amp;1 CR input</source>
        <translation>&amp;1 CR-Eingang</translation>
    </message>
    <message>
        <source>&amp;2 CR inputs</source>
        <translation>&amp;2 CR-Eingänge</translation>
    </message>
    <message>
        <source>CR&amp;&amp;&amp;TURBO</source>
        <translation>CR&amp;&amp;&amp;TURBO</translation>
    </message>
    <message>
        <source>The type of the box the project is for</source>
        <translation>Typ der Box, für die das Projekt bestimmt ist</translation>
    </message>
    <message>
        <source>&amp;Input-Output</source>
        <translation>&amp;Eingang-Ausgang</translation>
    </message>
    <message>
        <source>Show the output voltage against the input voltage</source>
        <translation>Ausgangsspannung über der Eingangsspannung zeigen</translation>
    </message>
    <message>
        <source>&amp;Difference</source>
        <translation>&amp;Differenz</translation>
    </message>
    <message>
        <source>Show the input voltage minus the output voltage</source>
        <translation>Eingangsspannung minus Ausgangsspannung zeigen</translation>
    </message>
    <message>
        <source>Show C&amp;R Curve</source>
        <translation>&amp;CR-Kurve anzeigen</translation>
    </message>
    <message>
        <source>Show the CR curve while the TURBO curve is edited</source>
        <translation>CR-Kurve zeigen, während die TURBO-Kurve bearbeitet wird</translation>
    </message>
    <message>
        <source>Show &amp;TURBO Curve</source>
        <translation>&amp;TURBO-Kurve anzeigen</translation>
    </message>
    <message>
        <source>Show the TURBO curve while the CR curve is edited</source>
        <translation>TURBO-Kurve zeigen, während die CR-Kurve bearbeitet wird</translation>
    </message>
    <message>
        <source>&amp;Keys and Mouse</source>
        <translation>&amp;Tasten und Maus</translation>
    </message>
    <message>
        <source>How to edit the curves with the mouse and the keys</source>
        <translation>Wie man die Kurven mit Maus und Tasten bearbeitet</translation>
    </message>
    <message>
        <source>&amp;About Ramvik...</source>
        <translation>Ü&amp;ber Ramvik...</translation>
    </message>
    <message>
        <source>The program&apos;s name and version</source>
        <translation>Name und Version des Programms</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Box</source>
        <translation>B&amp;ox</translation>
    </message>
    <message>
        <source>Box &amp;Type</source>
        <translation>Box&amp;typ</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Everyday actions</source>
        <translation>Häufige Aktionen</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Ramvik Project (*.rmvp)</source>
        <translation>Ramvik-Projekt (*.rmvp)</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>Das PDF konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Can&apos;t save file!

%1

%2</source>
        <translation>Datei kann nicht gespeichert werden!

%1

%2</translation>
    </message>
    <message>
        <source>The project sheet went to %1.</source>
        <translation>Das Projektblatt wurde nach %1 geschrieben.</translation>
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
        <translation>Noch keine Projekte</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>Forget the projects listed here; the files stay</source>
        <translation>Die hier aufgeführten Projekte vergessen; die Dateien bleiben</translation>
    </message>
    <message>
        <source>Po&amp;int Up</source>
        <translation>Punkt nach &amp;oben</translation>
    </message>
    <message>
        <source>Point Up &amp;by 0.1 V</source>
        <translation>Punkt 0,1 V nach o&amp;ben</translation>
    </message>
    <message>
        <source>Point Do&amp;wn by 0.1 V</source>
        <translation>Punkt 0,1 V nach unt&amp;en</translation>
    </message>
    <message>
        <source>R&amp;eset CR Curve</source>
        <translation>CR-Kurve &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Re&amp;set TURBO Curve</source>
        <translation>TURBO-Kurve zurück&amp;setzen</translation>
    </message>
    <message>
        <source>C&amp;onnection Help</source>
        <translation>Verbindungs&amp;hilfe</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <source>Reset &amp;Zoom</source>
        <translation>&amp;Zoom zurücksetzen</translation>
    </message>
    <message>
        <source>Show the whole range of the graph again</source>
        <translation>Wieder den ganzen Bereich des Diagramms zeigen</translation>
    </message>
    <message>
        <source>Find earlier writes by customer, vehicle or box; open, compare, print or write back</source>
        <translation>Frühere Schreibvorgänge nach Kunde, Fahrzeug oder Box finden; öffnen, vergleichen, drucken oder zurückschreiben</translation>
    </message>
    <message>
        <source>Select the points that take the file&apos;s points first.</source>
        <translation>Zuerst die Punkte auswählen, die die Punkte der Datei übernehmen.</translation>
    </message>
    <message>
        <source>Cop&amp;y Points</source>
        <translation>Punkte kop&amp;ieren</translation>
    </message>
    <message>
        <source>Copy the selected points, or every point when none is selected, as text</source>
        <translation>Ausgewählte Punkte, oder alle, wenn keiner ausgewählt ist, als Text kopieren</translation>
    </message>
    <message>
        <source>P&amp;aste Points</source>
        <translation>Punkte ein&amp;fügen</translation>
    </message>
    <message>
        <source>Paste outputs or input and output pairs onto the selected points</source>
        <translation>Ausgänge oder Eingang-Ausgang-Paare auf die ausgewählten Punkte einfügen</translation>
    </message>
    <message>
        <source>Select &amp;All Points</source>
        <translation>&amp;Alle Punkte auswählen</translation>
    </message>
    <message>
        <source>Select every point of the edited curve</source>
        <translation>Alle Punkte der bearbeiteten Kurve auswählen</translation>
    </message>
    <message>
        <source>&amp;Clear Selection</source>
        <translation>Auswahl auf&amp;heben</translation>
    </message>
    <message>
        <source>Select no point</source>
        <translation>Keinen Punkt auswählen</translation>
    </message>
    <message>
        <source>&amp;Set Output...</source>
        <translation>Ausgang &amp;setzen...</translation>
    </message>
    <message>
        <source>Give every selected point the same output</source>
        <translation>Allen ausgewählten Punkten denselben Ausgang geben</translation>
    </message>
    <message>
        <source>A&amp;dd Voltage...</source>
        <translation>Spannung a&amp;ddieren...</translation>
    </message>
    <message>
        <source>Raise the outputs of the selected points by a voltage; a negative one lowers them</source>
        <translation>Ausgänge der ausgewählten Punkte um eine Spannung erhöhen; eine negative senkt sie</translation>
    </message>
    <message>
        <source>Scale by &amp;Percent...</source>
        <translation>&amp;Prozentual skalieren...</translation>
    </message>
    <message>
        <source>Multiply the outputs of the selected points by a percentage</source>
        <translation>Ausgänge der ausgewählten Punkte mit einem Prozentsatz multiplizieren</translation>
    </message>
    <message>
        <source>&amp;Interpolate</source>
        <translation>I&amp;nterpolieren</translation>
    </message>
    <message>
        <source>Put the inner selected points on the straight line between the first and the last</source>
        <translation>Die inneren ausgewählten Punkte auf die Gerade zwischen dem ersten und dem letzten legen</translation>
    </message>
    <message>
        <source>S&amp;mooth</source>
        <translation>&amp;Glätten</translation>
    </message>
    <message>
        <source>Move each inner selected point halfway toward its neighbours; the ends stay</source>
        <translation>Jeden inneren ausgewählten Punkt halbwegs zu seinen Nachbarn hin verschieben; die Enden bleiben</translation>
    </message>
    <message>
        <source>Compare with &amp;File...</source>
        <translation>Mit Datei &amp;vergleichen...</translation>
    </message>
    <message>
        <source>Draw another project file over this one and list what differs</source>
        <translation>Eine andere Projektdatei über diese zeichnen und die Abweichungen auflisten</translation>
    </message>
    <message>
        <source>Se&amp;lection</source>
        <translation>&amp;Auswahl</translation>
    </message>
    <message>
        <source>&amp;Points Table</source>
        <translation>&amp;Punktetabelle</translation>
    </message>
    <message>
        <source>Show or hide the table of the edited curve&apos;s points</source>
        <translation>Tabelle der Punkte der bearbeiteten Kurve ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Set Output</source>
        <translation>Ausgang setzen</translation>
    </message>
    <message>
        <source>Output of the selected points:</source>
        <translation>Ausgang der ausgewählten Punkte:</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Type an output from 0 to 5 V, such as %1.</source>
        <translation>Ausgang von 0 bis 5 V eingeben, etwa %1.</translation>
    </message>
    <message>
        <source>Add Voltage</source>
        <translation>Spannung addieren</translation>
    </message>
    <message>
        <source>Voltage to add (negative lowers):</source>
        <translation>Zu addierende Spannung (negativ senkt):</translation>
    </message>
    <message>
        <source>Type a voltage from -5 to 5 V, such as %1 or %2.</source>
        <translation>Spannung von -5 bis 5 V eingeben, etwa %1 oder %2.</translation>
    </message>
    <message>
        <source>Scale by Percent</source>
        <translation>Prozentual skalieren</translation>
    </message>
    <message>
        <source>Percentage of the outputs:</source>
        <translation>Prozentsatz der Ausgänge:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Type a percentage from 0 to 1000, such as %1.</source>
        <translation>Prozentsatz von 0 bis 1000 eingeben, etwa %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s) copied.</source>
        <translation>
            <numerusform>%n Punkt kopiert.</numerusform>
            <numerusform>%n Punkte kopiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>Die Zwischenablage enthält keinen Text zum Einfügen.</translation>
    </message>
    <message>
        <source>An output is a number of volts, such as %1.</source>
        <translation>Ein Ausgang ist eine Zahl in Volt, etwa %1.</translation>
    </message>
</context>
<context>
    <name>CRead</name>
    <message>
        <source>Read from box</source>
        <translation>Aus Box lesen</translation>
    </message>
    <message>
        <source>Read Data</source>
        <translation>Daten lesen</translation>
    </message>
    <message>
        <source>Nothing was read: no box could be reached. The project is unchanged.</source>
        <translation>Es wurde nichts gelesen: Keine Box war erreichbar. Das Projekt ist unverändert.</translation>
    </message>
    <message>
        <source>Nothing was read: the transfer stopped before the first cell. The project is unchanged.</source>
        <translation>Es wurde nichts gelesen: Die Übertragung brach vor der ersten Zelle ab. Das Projekt ist unverändert.</translation>
    </message>
    <message>
        <source>The read stopped after %1 of %2 cells, so nothing was taken from the box. The project is unchanged.</source>
        <translation>Das Lesen brach nach %1 von %2 Zellen ab, daher wurde nichts aus der Box übernommen. Das Projekt ist unverändert.</translation>
    </message>
    <message>
        <source>The project of box %1 (%2) is now the window&apos;s project; it is not saved in any file yet.</source>
        <translation>Das Projekt von Box %1 (%2) ist jetzt das Projekt des Fensters; es ist noch in keiner Datei gespeichert.</translation>
    </message>
    <message>
        <source>The read was stopped after %1 of %2 cells: nothing was taken from the box, and the project is unchanged.</source>
        <translation>Das Lesen wurde nach %1 von %2 Zellen angehalten: Es wurde nichts aus der Box übernommen, und das Projekt ist unverändert.</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 of %2 cells</source>
        <translation>%1 von %2 Zellen</translation>
    </message>
    <message>
        <source>%1 of %2 cells, %3 left</source>
        <translation>%1 von %2 Zellen, noch %3</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stop the transfer after the cell on its way</source>
        <translation>Übertragung nach der laufenden Zelle anhalten</translation>
    </message>
</context>
<context>
    <name>CWrite</name>
    <message>
        <source>Write to box</source>
        <translation>In Box schreiben</translation>
    </message>
    <message>
        <source>Write Data</source>
        <translation>Daten schreiben</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>two sentences, one after the other</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>It is kept in the history as %1.</source>
        <translation>Es ist im Verlauf abgelegt unter %1.</translation>
    </message>
    <message>
        <source>It was not kept in the history: no history folder is known.</source>
        <translation>Es wurde nicht im Verlauf abgelegt, da kein Verlaufsordner bekannt ist.</translation>
    </message>
    <message>
        <source>It could not be kept in the history: %1.</source>
        <translation>Es konnte nicht im Verlauf abgelegt werden: %1.</translation>
    </message>
    <message>
        <source>The connection did not close cleanly afterwards; the box holds the project all the same.</source>
        <translation>Die Verbindung wurde danach nicht sauber geschlossen; die Box enthält das Projekt trotzdem.</translation>
    </message>
    <message>
        <source>The project was written into box %1, but the box holds other values than were written; the first difference: %2</source>
        <translation>Das Projekt wurde in Box %1 geschrieben, aber die Box enthält andere Werte als geschrieben; die erste Abweichung: %2</translation>
    </message>
    <message>
        <source>The write stopped after %1 of %2 cells: box %3 may now hold parts of two projects. Write the project again before the box is used.</source>
        <translation>Das Schreiben brach nach %1 von %2 Zellen ab: Box %3 enthält jetzt womöglich Teile zweier Projekte. Schreiben Sie das Projekt erneut, bevor die Box benutzt wird.</translation>
    </message>
    <message>
        <source>Nothing was written: the transfer stopped before the first cell. The box holds what it held before.</source>
        <translation>Es wurde nichts geschrieben: Die Übertragung brach vor der ersten Zelle ab. Die Box enthält, was sie vorher enthielt.</translation>
    </message>
    <message>
        <source>Nothing was written: the box cannot hold the project as it is.</source>
        <translation>Es wurde nichts geschrieben: Die Box kann das Projekt in dieser Form nicht aufnehmen.</translation>
    </message>
    <message>
        <source>Nothing was written: no box could be reached.</source>
        <translation>Es wurde nichts geschrieben: Keine Box war erreichbar.</translation>
    </message>
    <message>
        <source>Write back to box</source>
        <translation>In Box zurückschreiben</translation>
    </message>
    <message>
        <source>Read cells 0 to 254 back after writing and compare them</source>
        <translation>Zellen 0 bis 254 nach dem Schreiben zurücklesen und vergleichen</translation>
    </message>
    <message>
        <source>Back up the box first</source>
        <translation>Box vorher sichern</translation>
    </message>
    <message>
        <source>Read what the box holds before writing and keep it in the write history, so that it can be written back</source>
        <translation>Vor dem Schreiben den Inhalt der Box lesen und im Schreibverlauf ablegen, damit er zurückgeschrieben werden kann</translation>
    </message>
    <message>
        <source>&amp;Job (customer, vehicle, note)</source>
        <translation>&amp;Auftrag (Kunde, Fahrzeug, Notiz)</translation>
    </message>
    <message>
        <source>What the write history keeps about this job; all optional</source>
        <translation>Was der Schreibverlauf zu diesem Auftrag ablegt; alles optional</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>&amp;Kunde:</translation>
    </message>
    <message>
        <source>&amp;Vehicle:</source>
        <translation>&amp;Fahrzeug:</translation>
    </message>
    <message>
        <source>&amp;Registration or VIN:</source>
        <translation>Kenn&amp;zeichen oder FIN:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notiz:</translation>
    </message>
    <message>
        <source>Writes back what box %1 held before the write of %2.</source>
        <translation>Schreibt zurück, was Box %1 vor dem Schreibvorgang vom %2 enthielt.</translation>
    </message>
    <message>
        <source>Stop the write?

The box will hold parts of two projects until a project is written into it again.</source>
        <translation>Schreibvorgang anhalten?

Die Box enthält dann Teile zweier Projekte, bis erneut ein Projekt hineingeschrieben wird.</translation>
    </message>
    <message>
        <source>Written into box %1; %2.</source>
        <comment>the box, then the outcome</comment>
        <translation>In Box %1 geschrieben; %2.</translation>
    </message>
</context>
<context>
    <name>CellMeaning</name>
    <message>
        <source>empty %1 pair %2, input</source>
        <translation>leeres %1-Paar %2, Eingang</translation>
    </message>
    <message>
        <source>empty %1 pair %2, output</source>
        <translation>leeres %1-Paar %2, Ausgang</translation>
    </message>
    <message>
        <source>%1 point at %2 V, input</source>
        <translation>%1-Punkt bei %2 V, Eingang</translation>
    </message>
    <message>
        <source>%1 point at %2 V, output</source>
        <translation>%1-Punkt bei %2 V, Ausgang</translation>
    </message>
    <message>
        <source>first CR input</source>
        <translation>erster CR-Eingang</translation>
    </message>
    <message>
        <source>stop voltage</source>
        <translation>Stoppspannung</translation>
    </message>
    <message>
        <source>start voltage</source>
        <translation>Startspannung</translation>
    </message>
    <message>
        <source>CR output at the stop voltage</source>
        <translation>CR-Ausgang bei der Stoppspannung</translation>
    </message>
    <message>
        <source>box type and curve delay</source>
        <translation>Boxtyp und Kurvenverzögerung</translation>
    </message>
    <message>
        <source>CR output at the start voltage</source>
        <translation>CR-Ausgang bei der Startspannung</translation>
    </message>
    <message>
        <source>start delay</source>
        <translation>Startverzögerung</translation>
    </message>
    <message>
        <source>box identification</source>
        <translation>Boxkennung</translation>
    </message>
    <message>
        <source>CR difference table at %1 V</source>
        <translation>CR-Differenztabelle bei %1 V</translation>
    </message>
    <message>
        <source>TURBO table at %1 V</source>
        <translation>TURBO-Tabelle bei %1 V</translation>
    </message>
    <message>
        <source>cell outside the box</source>
        <translation>Zelle außerhalb der Box</translation>
    </message>
</context>
<context>
    <name>ConnectionDoctor</name>
    <message>
        <source>Looked for FTDI FT232 converters (USB 0403:6001, 0403:6014, 0403:6015) and for
devices named &quot;%1&quot;.</source>
        <translation>Gesucht wurde nach FTDI-FT232-Adaptern (USB 0403:6001, 0403:6014, 0403:6015) und
nach Geräten namens „%1“.</translation>
    </message>
    <message>
        <source>Ramvik looked for FTDI FT232 converters (USB 0403:6001, 0403:6014, 0403:6015) and for devices named &quot;%1&quot;.</source>
        <translation>Ramvik hat nach FTDI-FT232-Adaptern (USB 0403:6001, 0403:6014, 0403:6015) und nach Geräten namens „%1“ gesucht.</translation>
    </message>
    <message>
        <source>%1 does not exist.
Fix: name a device that ramvik-cli ports lists.</source>
        <translation>%1 existiert nicht.
Abhilfe: ein Gerät angeben, das ramvik-cli ports auflistet.</translation>
    </message>
    <message>
        <source>%1 does not exist.
What to do: Plug the box&apos;s converter in, then try the transfer again.</source>
        <translation>%1 existiert nicht.
Abhilfe: Stecken Sie den Adapter der Box ein und starten Sie die Übertragung erneut.</translation>
    </message>
    <message>
        <source>%1 is served by the kernel driver %2.</source>
        <translation>%1 wird vom Kerneltreiber %2 bedient.</translation>
    </message>
    <message>
        <source>The user %1 may open %2.</source>
        <translation>Der Benutzer %1 darf %2 öffnen.</translation>
    </message>
    <message>
        <source>No other program holds %1.</source>
        <translation>Kein anderes Programm belegt %1.</translation>
    </message>
    <message>
        <source>No other program of this user holds %1 (those of other users
are visible to root only).</source>
        <translation>Kein anderes Programm dieses Benutzers belegt %1 (die anderer Benutzer
sieht nur root).</translation>
    </message>
    <message>
        <source>No other program of this user holds %1.</source>
        <translation>Kein anderes Programm dieses Benutzers belegt %1.</translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms. Ramvik lowers it while it transfers, where the driver allows.
Nothing to do for a transfer. Whoever looks after this computer can set it to 1 ms for good with Ramvik&apos;s udev rule %3.</source>
        <translation>Der Latenz-Timer von %1 steht auf %2 ms. Ramvik senkt ihn während der Übertragung, soweit der Treiber es zulässt.
Für eine Übertragung ist nichts zu tun. Die IT-Betreuung dieses Computers kann ihn mit der udev-Regel %3 von Ramvik dauerhaft auf 1 ms stellen.</translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms. Ramvik lowers it while it transfers,
where the driver allows. To set it to 1 ms for good, install the udev rule:
%3</source>
        <translation>Der Latenz-Timer von %1 steht auf %2 ms. Ramvik senkt ihn während der Übertragung,
soweit der Treiber es zulässt. Um ihn dauerhaft auf 1 ms zu stellen, die udev-Regel installieren:
%3</translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms.</source>
        <translation>Der Latenz-Timer von %1 steht auf %2 ms.</translation>
    </message>
    <message>
        <source>A converter is connected: %1</source>
        <translation>Ein Adapter ist angeschlossen: %1</translation>
    </message>
    <message>
        <source>%1
Fix: name the box&apos;s converter: ramvik-cli doctor --port PATH, and the same
--port PATH for write and read.</source>
        <translation>%1
Abhilfe: den Adapter der Box angeben: ramvik-cli doctor --port PATH, und dasselbe
--port PATH für write und read.</translation>
    </message>
    <message>
        <source>%1
What to do: Start a transfer and choose the box&apos;s converter when Ramvik asks; Ramvik remembers the choice. Or unplug the converters that are not the box&apos;s.</source>
        <translation>%1
Abhilfe: Starten Sie eine Übertragung und wählen Sie den Adapter der Box, wenn Ramvik fragt; Ramvik merkt sich die Wahl. Oder ziehen Sie die Adapter ab, die nicht zur Box gehören.</translation>
    </message>
    <message>
        <source>A converter is connected: USB %1 (USB device %2).</source>
        <translation>Ein Adapter ist angeschlossen: USB %1 (USB-Gerät %2).</translation>
    </message>
    <message>
        <source>A converter is connected: USB %1  &quot;%2&quot; (USB device %3).</source>
        <translation>Ein Adapter ist angeschlossen: USB %1  „%2“ (USB-Gerät %3).</translation>
    </message>
    <message>
        <source>The vendor library reaches it.</source>
        <translation>Die Herstellerbibliothek erreicht ihn.</translation>
    </message>
    <message>
        <source>No serial driver has taken it: it has no serial device.
Fix: load the kernel&apos;s driver (sudo modprobe ftdi_sio). brltty, when installed, takes
such converters away: remove it (sudo apt remove brltty) unless a braille
display is used, then plug the converter in again.</source>
        <translation>Kein serieller Treiber hat ihn übernommen: Er hat kein serielles Gerät.
Abhilfe: den Kerneltreiber laden (sudo modprobe ftdi_sio). brltty nimmt, falls installiert,
solche Adapter weg: brltty entfernen (sudo apt remove brltty), sofern keine Braillezeile
benutzt wird, dann den Adapter neu einstecken.</translation>
    </message>
    <message>
        <source>A converter is connected: the vendor library sees %1 FTDI device(s).</source>
        <translation>Ein Adapter ist angeschlossen: Die Herstellerbibliothek sieht %1 FTDI-Gerät(e).</translation>
    </message>
    <message>
        <source>No converter for the box is connected.
%1
Fix: plug the box&apos;s converter in; ramvik-cli ports lists every serial port.</source>
        <translation>Es ist kein Adapter für die Box angeschlossen.
%1
Abhilfe: den Adapter der Box einstecken; ramvik-cli ports listet jede serielle Schnittstelle auf.</translation>
    </message>
    <message>
        <source>No converter for the box is connected.
%1
What to do: Plug the box&apos;s converter in (into another USB socket if it is plugged in), then try the transfer again.</source>
        <translation>Es ist kein Adapter für die Box angeschlossen.
%1
Abhilfe: Stecken Sie den Adapter der Box ein (in eine andere USB-Buchse, falls er schon steckt) und starten Sie die Übertragung erneut.</translation>
    </message>
    <message>
        <source>The vendor library %1 is present and complete.</source>
        <translation>Die Herstellerbibliothek %1 ist vorhanden und vollständig.</translation>
    </message>
    <message>
        <source>The vendor library %1 is not installed; the system&apos;s serial driver serves
the converter instead.</source>
        <translation>Die Herstellerbibliothek %1 ist nicht installiert; stattdessen bedient der serielle
Treiber des Systems den Adapter.</translation>
    </message>
    <message>
        <source>The vendor library %1 is not installed; the system&apos;s serial driver serves the converter instead.</source>
        <translation>Die Herstellerbibliothek %1 ist nicht installiert; stattdessen bedient der serielle Treiber des Systems den Adapter.</translation>
    </message>
    <message>
        <source>%1
Fix: install FTDI&apos;s D2XX driver (ftdichip.com, &quot;D2XX Drivers&quot;) for this system.</source>
        <translation>%1
Abhilfe: den D2XX-Treiber von FTDI (ftdichip.com, „D2XX Drivers“) für dieses System installieren.</translation>
    </message>
    <message>
        <source>%1
What to do: Ask whoever looks after this computer to install FTDI&apos;s D2XX driver (ftdichip.com, &quot;D2XX Drivers&quot;) for this system.</source>
        <translation>%1
Abhilfe: Bitten Sie die IT-Betreuung dieses Computers, den D2XX-Treiber von FTDI (ftdichip.com, „D2XX Drivers“) für dieses System zu installieren.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NOTE</source>
        <translation>HINWEIS</translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <translation>PROBLEM</translation>
    </message>
    <message>
        <source>The named device is there: %1</source>
        <translation>Das angegebene Gerät ist vorhanden: %1</translation>
    </message>
    <message>
        <source>A transfer can start.</source>
        <translation>Eine Übertragung kann starten.</translation>
    </message>
    <message>
        <source>A transfer cannot start yet.</source>
        <translation>Eine Übertragung kann noch nicht starten.</translation>
    </message>
</context>
<context>
    <name>D2xxLibrary</name>
    <message>
        <source>Error: Can&apos;t Load %1</source>
        <translation>Fehler: %1 kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Error: Can&apos;t Find %1</source>
        <translation>Fehler: %1 nicht gefunden</translation>
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
        <translation>V[Ein]</translation>
    </message>
    <message>
        <source>V[Out]</source>
        <translation>V[Aus]</translation>
    </message>
    <message>
        <source>Input - Output</source>
        <translation>Eingang - Ausgang</translation>
    </message>
    <message>
        <source>V[Diff]</source>
        <translation>V[Diff]</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Input - output:</source>
        <translation>Eingang - Ausgang:</translation>
    </message>
    <message>
        <source>up to %1 V</source>
        <translation>bis %1 V</translation>
    </message>
    <message>
        <source>%1 V to %2 V</source>
        <translation>%1 V bis %2 V</translation>
    </message>
    <message>
        <source>above the input: the output would be below 0 V</source>
        <translation>über dem Eingang: Ausgang läge unter 0 V</translation>
    </message>
    <message>
        <source>V[in]:%1 V[diff]:%2</source>
        <translation>V[ein]:%1 V[diff]:%2</translation>
    </message>
    <message>
        <source>Project CR</source>
        <translation>CR (Projekt)</translation>
    </message>
    <message>
        <source>Project TURBO</source>
        <translation>TURBO (Projekt)</translation>
    </message>
    <message>
        <source>Box CR</source>
        <translation>CR (Box)</translation>
    </message>
    <message>
        <source>Box TURBO</source>
        <translation>TURBO (Box)</translation>
    </message>
    <message>
        <source>CR of %1</source>
        <translation>CR von %1</translation>
    </message>
    <message>
        <source>TURBO of %1</source>
        <translation>TURBO von %1</translation>
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
        <translation>1 Punkt geändert</translation>
    </message>
    <message>
        <source>%1 points changed</source>
        <translation>%1 Punkte geändert</translation>
    </message>
    <message>
        <source>1 point added</source>
        <translation>1 Punkt hinzugefügt</translation>
    </message>
    <message>
        <source>%1 points added</source>
        <translation>%1 Punkte hinzugefügt</translation>
    </message>
    <message>
        <source>1 point removed</source>
        <translation>1 Punkt gelöscht</translation>
    </message>
    <message>
        <source>%1 points removed</source>
        <translation>%1 Punkte gelöscht</translation>
    </message>
    <message>
        <source>No point changed</source>
        <translation>Kein Punkt geändert</translation>
    </message>
    <message>
        <source>1 held at %1 V</source>
        <translation>1 auf %1 V begrenzt</translation>
    </message>
    <message>
        <source>%1 held at %2 V</source>
        <translation>%1 auf %2 V begrenzt</translation>
    </message>
    <message>
        <source>1 held at its limit</source>
        <translation>1 auf seinen Grenzwert begrenzt</translation>
    </message>
    <message>
        <source>%1 held at their limits</source>
        <translation>%1 auf ihre Grenzwerte begrenzt</translation>
    </message>
    <message>
        <source>1 may not move</source>
        <translation>1 nicht verschiebbar</translation>
    </message>
    <message>
        <source>%1 may not move</source>
        <translation>%1 nicht verschiebbar</translation>
    </message>
    <message>
        <source>The text holds no numbers.</source>
        <translation>Der Text enthält keine Zahlen.</translation>
    </message>
    <message>
        <source>No point is selected.</source>
        <translation>Kein Punkt ausgewählt.</translation>
    </message>
    <message>
        <source>The value is not a number.</source>
        <translation>Der Wert ist keine Zahl.</translation>
    </message>
    <message>
        <source>The other project has no TURBO curve.</source>
        <translation>Das andere Projekt hat keine TURBO-Kurve.</translation>
    </message>
    <message>
        <source>Nothing changed: %1</source>
        <translation>Nichts geändert: %1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Interpolating needs three selected points or more.</source>
        <translation>Interpolieren braucht mindestens drei ausgewählte Punkte.</translation>
    </message>
    <message>
        <source>Smoothing needs three selected points or more.</source>
        <translation>Glätten braucht mindestens drei ausgewählte Punkte.</translation>
    </message>
    <message>
        <source>the output is not a number.</source>
        <translation>Der Ausgang ist keine Zahl.</translation>
    </message>
    <message>
        <source>the input %1 V lies outside 0 V to 5 V.</source>
        <translation>Der Eingang %1 V liegt außerhalb von 0 V bis 5 V.</translation>
    </message>
    <message>
        <source>the input %1 V is not on the box&apos;s 0.02 V steps.</source>
        <translation>Der Eingang %1 V liegt nicht auf den 0,02-V-Schritten der Box.</translation>
    </message>
    <message>
        <source>the input %1 V is given twice.</source>
        <translation>Der Eingang %1 V ist doppelt angegeben.</translation>
    </message>
    <message>
        <source>the output %1 V at %2 V lies outside %3 V to %4 V.</source>
        <translation>Der Ausgang %1 V bei %2 V liegt außerhalb von %3 V bis %4 V.</translation>
    </message>
    <message>
        <source>The CR curve would hold %1 points; a box stores %2.</source>
        <translation>Die CR-Kurve hätte %1 Punkte; eine Box speichert %2.</translation>
    </message>
    <message>
        <source>The TURBO curve would hold %1 points; a box stores %2.</source>
        <translation>Die TURBO-Kurve hätte %1 Punkte; eine Box speichert %2.</translation>
    </message>
    <message>
        <source>Select the points these numbers are the outputs of, or paste input and output pairs.</source>
        <translation>Wählen Sie die Punkte aus, deren Ausgänge diese Zahlen sind, oder fügen Sie Eingang-Ausgang-Paare ein.</translation>
    </message>
    <message>
        <source>%1 numbers for 1 selected point: select as many points as there are numbers.</source>
        <translation>%1 Zahlen für 1 ausgewählten Punkt: Wählen Sie so viele Punkte aus, wie es Zahlen gibt.</translation>
    </message>
    <message>
        <source>%1 numbers for %2 selected points: select as many points as there are numbers.</source>
        <translation>%1 Zahlen für %2 ausgewählte Punkte: Wählen Sie so viele Punkte aus, wie es Zahlen gibt.</translation>
    </message>
    <message>
        <source>The text holds single numbers; replacing points needs an input and an output on each line.</source>
        <translation>Der Text enthält einzelne Zahlen; zum Ersetzen von Punkten braucht jede Zeile einen Eingang und einen Ausgang.</translation>
    </message>
</context>
<context>
    <name>PointText</name>
    <message>
        <source>Line %1 is not a number or a pair of numbers: &quot;%2&quot;</source>
        <translation>Zeile %1 ist keine Zahl und kein Zahlenpaar: „%2“</translation>
    </message>
    <message>
        <source>The text holds no numbers.</source>
        <translation>Der Text enthält keine Zahlen.</translation>
    </message>
    <message>
        <source>Line %1 holds two numbers where the lines before it hold one: &quot;%2&quot;</source>
        <translation>Zeile %1 enthält zwei Zahlen, die Zeilen davor je eine: „%2“</translation>
    </message>
    <message>
        <source>Line %1 holds one number where the lines before it hold two: &quot;%2&quot;</source>
        <translation>Zeile %1 enthält eine Zahl, die Zeilen davor je zwei: „%2“</translation>
    </message>
</context>
<context>
    <name>PortAdvice</name>
    <message>
        <source>Stop it (sudo systemctl stop ModemManager), or install Ramvik&apos;s udev rule %1,
which tells ModemManager to leave the box&apos;s converter alone.</source>
        <translation>Stoppen (sudo systemctl stop ModemManager) oder die udev-Regel %1 von Ramvik installieren,
die ModemManager anweist, den Adapter der Box in Ruhe zu lassen.</translation>
    </message>
    <message>
        <source>What to do: ModemManager looks after mobile modems and has taken the converter. Ask whoever looks after this computer to stop it, or to install Ramvik&apos;s udev rule %1, which tells ModemManager to leave the box&apos;s converter alone.</source>
        <translation>Abhilfe: ModemManager kümmert sich um Mobilfunkmodems und hat den Adapter belegt. Bitten Sie die IT-Betreuung dieses Computers, ihn zu stoppen oder die udev-Regel %1 von Ramvik zu installieren, die ModemManager anweist, den Adapter der Box in Ruhe zu lassen.</translation>
    </message>
    <message>
        <source>brltty, the braille display driver, takes USB serial converters. Stop it
(sudo systemctl stop brltty), or remove it (sudo apt remove brltty) when no
braille display is used.</source>
        <translation>brltty, der Treiber für Braillezeilen, belegt USB-Seriell-Adapter. Stoppen
(sudo systemctl stop brltty) oder entfernen (sudo apt remove brltty), wenn keine
Braillezeile benutzt wird.</translation>
    </message>
    <message>
        <source>What to do: brltty, the driver for braille displays, takes USB serial converters. Ask whoever looks after this computer to stop it, or to remove it when no braille display is used.</source>
        <translation>Abhilfe: brltty, der Treiber für Braillezeilen, belegt USB-Seriell-Adapter. Bitten Sie die IT-Betreuung dieses Computers, ihn zu stoppen oder zu entfernen, wenn keine Braillezeile benutzt wird.</translation>
    </message>
    <message>
        <source>Close %1, then try again.</source>
        <translation>%1 schließen, dann erneut versuchen.</translation>
    </message>
    <message>
        <source>What to do: Close the program %1, which has the converter open, then try again. If you cannot find it, ask whoever looks after this computer to stop it.</source>
        <translation>Abhilfe: Schließen Sie das Programm %1, das den Adapter geöffnet hat, und versuchen Sie es erneut. Wenn Sie es nicht finden, bitten Sie die IT-Betreuung dieses Computers, es zu beenden.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2.
Install Ramvik&apos;s udev rule %3, which gives the logged-in user the box&apos;s converter,
then plug the converter in again.</source>
        <translation>Der Benutzer %1 darf %2 nicht öffnen.
Die udev-Regel %3 von Ramvik installieren, die dem angemeldeten Benutzer den Adapter der Box gibt,
dann den Adapter neu einstecken.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2.
What to do: Ask whoever looks after this computer to install Ramvik&apos;s udev rule %3, which gives the logged-in user the box&apos;s converter. Then plug the converter in again.</source>
        <translation>Der Benutzer %1 darf %2 nicht öffnen.
Abhilfe: Bitten Sie die IT-Betreuung dieses Computers, die udev-Regel %3 von Ramvik zu installieren, die dem angemeldeten Benutzer den Adapter der Box gibt. Stecken Sie den Adapter dann neu ein.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2: it belongs to the group %3.
Add the user to that group (sudo usermod -aG %3 %1), then log in again,
or install Ramvik&apos;s udev rule %4, which gives the logged-in user the box&apos;s converter.</source>
        <translation>Der Benutzer %1 darf %2 nicht öffnen: Es gehört der Gruppe %3.
Den Benutzer in diese Gruppe aufnehmen (sudo usermod -aG %3 %1), dann neu anmelden,
oder die udev-Regel %4 von Ramvik installieren, die dem angemeldeten Benutzer den Adapter der Box gibt.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2: it belongs to the group %3.
What to do: Ask whoever looks after this computer to add the user %1 to the group %3 (or to install Ramvik&apos;s udev rule %4), then log in again.</source>
        <translation>Der Benutzer %1 darf %2 nicht öffnen: Es gehört der Gruppe %3.
Abhilfe: Bitten Sie die IT-Betreuung dieses Computers, den Benutzer %1 in die Gruppe %3 aufzunehmen (oder die udev-Regel %4 von Ramvik zu installieren), und melden Sie sich dann neu an.</translation>
    </message>
    <message>
        <source>%1 is in use by %2 (process %3).
%4</source>
        <translation>%1 wird von %2 benutzt (Prozess %3).
%4</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 does not exist.
What to do: Plug the box&apos;s converter in, then try again.</source>
        <translation>%1 existiert nicht.
Abhilfe: Stecken Sie den Adapter der Box ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Ramvik finds no converter that may be the box&apos;s.
What to do: Plug the box&apos;s converter in (into another USB socket if it is plugged in), then try again.</source>
        <translation>Ramvik findet keinen Adapter, der zur Box gehören könnte.
Abhilfe: Stecken Sie den Adapter der Box ein (in eine andere USB-Buchse, falls er schon steckt) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The box&apos;s converter is plugged in, but no serial driver has taken it, so Ramvik cannot talk through it.
What to do: Unplug the converter and plug it in again. If that does not help, ask whoever looks after this computer to load the driver ftdi_sio and to remove brltty (a driver for braille displays, which takes such converters away) unless a braille display is used.</source>
        <translation>Der Adapter der Box steckt, aber kein serieller Treiber hat ihn übernommen, daher kann Ramvik nicht über ihn kommunizieren.
Abhilfe: Ziehen Sie den Adapter ab und stecken Sie ihn neu ein. Hilft das nicht, bitten Sie die IT-Betreuung dieses Computers, den Treiber ftdi_sio zu laden und brltty zu entfernen (einen Treiber für Braillezeilen, der solche Adapter wegnimmt), sofern keine Braillezeile benutzt wird.</translation>
    </message>
    <message>
        <source>%1  %2  serial %3  &quot;%4&quot;</source>
        <translation>%1  %2  Seriennr. %3  „%4“</translation>
    </message>
    <message>
        <source>%1  %2  serial %3</source>
        <translation>%1  %2  Seriennr. %3</translation>
    </message>
    <message>
        <source>%1  serial %2  &quot;%3&quot;</source>
        <translation>%1  Seriennr. %2  „%3“</translation>
    </message>
    <message>
        <source>%1  serial %2</source>
        <translation>%1  Seriennr. %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s:</source>
        <translation>Mehrere Adapter könnten zur Box gehören:</translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s:
  %1</source>
        <translation>Mehrere Adapter könnten zur Box gehören:
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
        <translation>sudo cp resources/udev/%1 /etc/udev/rules.d/ (das Debian-Paket installiert sie selbst),
dann sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger</translation>
    </message>
</context>
<context>
    <name>PortFinder</name>
    <message>
        <source>%1
Choose the box&apos;s converter.</source>
        <translation>%1
Den Adapter der Box wählen.</translation>
    </message>
    <message>
        <source>%1
What to do: Start the transfer again and choose the box&apos;s converter when Ramvik asks, or unplug the converters that are not the box&apos;s.</source>
        <translation>%1
Abhilfe: Starten Sie die Übertragung erneut und wählen Sie den Adapter der Box, wenn Ramvik fragt, oder ziehen Sie die Adapter ab, die nicht zur Box gehören.</translation>
    </message>
    <message>
        <source>Opening %1 failed: %2.</source>
        <translation>Öffnen von %1 fehlgeschlagen: %2.</translation>
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
        <translation>2 CR-Eingänge</translation>
    </message>
    <message>
        <source>1 CR input</source>
        <translation>1 CR-Eingang</translation>
    </message>
    <message>
        <source>Start Voltage [V] :   %1</source>
        <translation>Startspannung [V] :   %1</translation>
    </message>
    <message>
        <source>Start Delay [mm:ss] :   %1:%2</source>
        <translation>Startverzögerung [mm:ss] :   %1:%2</translation>
    </message>
    <message>
        <source>Curve Delay [ms/0.1V] :   %1</source>
        <translation>Kurvenverzögerung [ms/0,1V] :   %1</translation>
    </message>
    <message>
        <source>Vin</source>
        <translation>V ein</translation>
    </message>
    <message>
        <source>Vdif</source>
        <translation>V diff</translation>
    </message>
    <message>
        <source>CR-curve</source>
        <translation>CR-Kurve</translation>
    </message>
    <message>
        <source>TURBO-curve</source>
        <translation>TURBO-Kurve</translation>
    </message>
</context>
<context>
    <name>ProjectCompare</name>
    <message>
        <source>Box type: project %1, file %2.</source>
        <translation>Boxtyp: Projekt %1, Datei %2.</translation>
    </message>
    <message>
        <source>Curve delay: project %1 ms, file %2 ms.</source>
        <translation>Kurvenverzögerung: Projekt %1 ms, Datei %2 ms.</translation>
    </message>
    <message>
        <source>Start voltage: project %1 V, file %2 V.</source>
        <translation>Startspannung: Projekt %1 V, Datei %2 V.</translation>
    </message>
    <message>
        <source>Stop voltage: project %1 V, file %2 V.</source>
        <translation>Stoppspannung: Projekt %1 V, Datei %2 V.</translation>
    </message>
    <message>
        <source>Start delay: project %1, file %2.</source>
        <translation>Startverzögerung: Projekt %1, Datei %2.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, %4 V in the file.</source>
        <translation>%1-Punkt bei %2 V: Ausgang %3 V im Projekt, %4 V in der Datei.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, none in the file.</source>
        <translation>%1-Punkt bei %2 V: Ausgang %3 V im Projekt, keiner in der Datei.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the file, none in the project.</source>
        <translation>%1-Punkt bei %2 V: Ausgang %3 V in der Datei, keiner im Projekt.</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>it holds control characters (byte %1 is %2)</source>
        <translation>sie enthält Steuerzeichen (Byte %1 ist %2)</translation>
    </message>
    <message>
        <source>no parameter line</source>
        <translation>keine Parameterzeile</translation>
    </message>
</context>
<context>
    <name>ProjectState</name>
    <message>
        <source>A CR curve holds at most %1 points</source>
        <translation>Eine CR-Kurve hat höchstens %1 Punkte</translation>
    </message>
    <message>
        <source>A TURBO curve holds at most %1 points</source>
        <translation>Eine TURBO-Kurve hat höchstens %1 Punkte</translation>
    </message>
    <message>
        <source>The point at 0 V stays</source>
        <translation>Der Punkt bei 0 V bleibt</translation>
    </message>
    <message>
        <source>Inputs lie between 0 V and 5 V</source>
        <translation>Eingänge liegen zwischen 0 V und 5 V</translation>
    </message>
    <message>
        <source>Only points between the start and stop voltage can be moved</source>
        <translation>Nur Punkte zwischen Start- und Stoppspannung lassen sich verschieben</translation>
    </message>
    <message>
        <source>The output at %1 V stays between %2 V and %3 V</source>
        <translation>Der Ausgang bei %1 V bleibt zwischen %2 V und %3 V</translation>
    </message>
    <message>
        <source>The point at 5 V stays</source>
        <translation>Der Punkt bei 5 V bleibt</translation>
    </message>
    <message>
        <source>The CR points at the start and stop voltage stay</source>
        <translation>Die CR-Punkte bei Start- und Stoppspannung bleiben</translation>
    </message>
    <message>
        <source>1 CR input</source>
        <translation>1 CR-Eingang</translation>
    </message>
    <message>
        <source>2 CR inputs</source>
        <translation>2 CR-Eingänge</translation>
    </message>
    <message>
        <source>CR&amp;TURBO</source>
        <translation>CR&amp;TURBO</translation>
    </message>
    <message>
        <source>Common Rail &amp; Turbo Tuning - %1</source>
        <translation>Common-Rail- &amp; Turbo-Tuning - %1</translation>
    </message>
    <message>
        <source>Common Rail Tuning - %1</source>
        <translation>Common-Rail-Tuning - %1</translation>
    </message>
    <message>
        <source>The start voltage lies between 0.0 V and 5.0 V.</source>
        <translation>Die Startspannung liegt zwischen 0,0 V und 5,0 V.</translation>
    </message>
    <message>
        <source>The start voltage goes in steps of 0.1 V.</source>
        <translation>Die Startspannung wird in Schritten von 0,1 V eingestellt.</translation>
    </message>
    <message>
        <source>The start voltage cannot lie above the stop voltage (%1 V).</source>
        <translation>Die Startspannung kann nicht über der Stoppspannung (%1 V) liegen.</translation>
    </message>
    <message>
        <source>The stop voltage lies between 0.0 V and 5.0 V.</source>
        <translation>Die Stoppspannung liegt zwischen 0,0 V und 5,0 V.</translation>
    </message>
    <message>
        <source>The stop voltage goes in steps of 0.1 V.</source>
        <translation>Die Stoppspannung wird in Schritten von 0,1 V eingestellt.</translation>
    </message>
    <message>
        <source>The stop voltage cannot lie below the start voltage (%1 V).</source>
        <translation>Die Stoppspannung kann nicht unter der Startspannung (%1 V) liegen.</translation>
    </message>
    <message>
        <source>The start delay lies between 0:00 and 4:00.</source>
        <translation>Die Startverzögerung liegt zwischen 0:00 und 4:00.</translation>
    </message>
    <message>
        <source>The curve delay lies between 0 ms and 500 ms.</source>
        <translation>Die Kurvenverzögerung liegt zwischen 0 ms und 500 ms.</translation>
    </message>
    <message>
        <source>The curve delay goes in steps of 20 ms.</source>
        <translation>Die Kurvenverzögerung wird in Schritten von 20 ms eingestellt.</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>No USB Device Connected!</source>
        <translation>Kein USB-Gerät angeschlossen!</translation>
    </message>
    <message>
        <source>An error occured,
please replug
the USB-interface.

Error code: WR0001</source>
        <translation>Ein Fehler ist aufgetreten,
bitte den USB-Adapter
neu einstecken.

Fehlercode: WR0001</translation>
    </message>
    <message>
        <source>Please check the connection
of the USB-interface
and try again.</source>
        <translation>Bitte die Verbindung
des USB-Adapters prüfen
und erneut versuchen.</translation>
    </message>
    <message>
        <source>This box is not designed for this software. 
Use the proper software, Dolvar,
or contact your dealer to update this box.</source>
        <translation>Diese Box ist nicht für diese Software ausgelegt.
Bitte die passende Software Dolvar verwenden
oder die Box beim Händler aktualisieren lassen.</translation>
    </message>
    <message>
        <source>This box is for CR-Tuning only!
please adjust your project.</source>
        <translation>Diese Box ist nur für CR-Tuning!
Bitte das Projekt anpassen.</translation>
    </message>
    <message>
        <source>This box is for CR-TURBO-Tuning only!
please adjust your project.</source>
        <translation>Diese Box ist nur für CR-TURBO-Tuning!
Bitte das Projekt anpassen.</translation>
    </message>
    <message>
        <source>USB-error

Error code: PU0001</source>
        <translation>USB-Fehler

Fehlercode: PU0001</translation>
    </message>
    <message>
        <source>USB-error

Error code: CL0001</source>
        <translation>USB-Fehler

Fehlercode: CL0001</translation>
    </message>
    <message>
        <source>No USB Device Connected!

%1</source>
        <translation>Kein USB-Gerät angeschlossen!

%1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Register Keys not found!

Please reinstall the program. The default values will be loaded.</source>
        <translation>Registrierungsschlüssel nicht gefunden!

Bitte das Programm neu installieren. Die Standardwerte werden geladen.</translation>
    </message>
    <message>
        <source>A register key was not found!

Please reinstall the program to correct this error. The default value for this setting will be loaded.</source>
        <translation>Ein Registrierungsschlüssel wurde nicht gefunden!

Bitte das Programm neu installieren, um diesen Fehler zu beheben. Für diese Einstellung wird der Standardwert geladen.</translation>
    </message>
    <message>
        <source>%1 does not look like a Ramvik project: %2.</source>
        <translation>%1 sieht nicht wie ein Ramvik-Projekt aus: %2.</translation>
    </message>
    <message>
        <source>Can&apos;t open file!</source>
        <translation>Datei kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>%1 Open it anyway?</source>
        <translation>%1 Trotzdem öffnen?</translation>
    </message>
    <message>
        <source>A box cannot hold this project as it stands: %1</source>
        <translation>Eine Box kann dieses Projekt so nicht aufnehmen: %1</translation>
    </message>
    <message>
        <source>A box cannot hold this project as it stands: %1 (and %2 more)</source>
        <translation>Eine Box kann dieses Projekt so nicht aufnehmen: %1 (und %2 weitere)</translation>
    </message>
    <message>
        <source>%1 was no Ramvik project when it was opened. Replace it with this project?</source>
        <translation>%1 war beim Öffnen kein Ramvik-Projekt. Durch dieses Projekt ersetzen?</translation>
    </message>
    <message>
        <source>Can&apos;t save file!

%1

%2</source>
        <translation>Datei kann nicht gespeichert werden!

%1

%2</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; has changed.

Do you want to save the changes?</source>
        <translation>Das Projekt „%1“ wurde geändert.

Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>The write was not kept in the history:

%1

%2</source>
        <translation>Der Schreibvorgang wurde nicht im Verlauf abgelegt:

%1

%2</translation>
    </message>
    <message>
        <source>The write was not kept in the history:

no data folder is known (the settings hold no RootPath, or HOME is not set).</source>
        <translation>Der Schreibvorgang wurde nicht im Verlauf abgelegt:

Kein Datenordner bekannt (die Einstellungen enthalten keinen RootPath, oder HOME ist nicht gesetzt).</translation>
    </message>
    <message>
        <source>%1 is not a Ramvik project: %2 bytes.</source>
        <translation>%1 ist kein Ramvik-Projekt: %2 Bytes.</translation>
    </message>
    <message>
        <source>Nothing was written: what the box held could not be kept in the history first.

%1

%2

Turn the backup off to write all the same.</source>
        <translation>Es wurde nichts geschrieben: Der Inhalt der Box konnte vorher nicht im Verlauf abgelegt werden.

%1

%2

Schalten Sie die Sicherung aus, um trotzdem zu schreiben.</translation>
    </message>
    <message>
        <source>Written into box %1; %2.</source>
        <translation>In Box %1 geschrieben; %2.</translation>
    </message>
    <message>
        <source>Every cell was written into box %1, but the check was cut off: the write is not verified.</source>
        <translation>Alle Zellen wurden in Box %1 geschrieben, aber die Prüfung wurde abgebrochen: Der Schreibvorgang ist nicht geprüft.</translation>
    </message>
    <message>
        <source>The write failed at cell %1 of %2: the box now holds parts of two projects. Write the project again before the engine runs.</source>
        <translation>Das Schreiben schlug bei Zelle %1 von %2 fehl: Die Box enthält jetzt Teile zweier Projekte. Schreiben Sie das Projekt erneut, bevor der Motor läuft.</translation>
    </message>
    <message>
        <source>The write of %1 kept nothing to write back: the box was not read before it.</source>
        <translation>Der Schreibvorgang vom %1 hat nichts zum Zurückschreiben abgelegt: Die Box wurde vorher nicht gelesen.</translation>
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
        <translation>Die Box kann dieses Projekt nicht aufnehmen:
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
        <translation>Die Box enthält andere Werte als geschrieben: %1</translation>
    </message>
    <message>
        <source>cell %1 (%2): box %3, written %4.</source>
        <translation>Zelle %1 (%2): Box %3, geschrieben %4.</translation>
    </message>
    <message>
        <source>The write was stopped before the first cell: the box holds what it held before.</source>
        <translation>Das Schreiben wurde vor der ersten Zelle angehalten: Die Box enthält, was sie vorher enthielt.</translation>
    </message>
    <message>
        <source>The check was stopped: every cell was written, but not all of cells 0–254 were read back, so the write is not verified.</source>
        <translation>Die Prüfung wurde angehalten: Alle Zellen wurden geschrieben, aber nicht alle Zellen 0–254 zurückgelesen, daher ist der Schreibvorgang nicht geprüft.</translation>
    </message>
    <message>
        <source>The read was stopped before every cell had arrived: nothing was saved.</source>
        <translation>Das Lesen wurde angehalten, bevor alle Zellen angekommen waren: Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The write stopped after cell %1 of %2: the box now holds parts of two projects. Write the project again before the engine runs.</source>
        <translation>Das Schreiben wurde nach Zelle %1 von %2 angehalten: Die Box enthält jetzt Teile zweier Projekte. Schreiben Sie das Projekt erneut, bevor der Motor läuft.</translation>
    </message>
</context>
<context>
    <name>TransferPhase</name>
    <message>
        <source>Writing...</source>
        <translation>Schreiben...</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Prüfen...</translation>
    </message>
    <message>
        <source>Checked</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lesen...</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Gelesen</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sichern...</translation>
    </message>
    <message>
        <source>Backed up</source>
        <translation>Gesichert</translation>
    </message>
</context>
<context>
    <name>WriteHistory</name>
    <message>
        <source>did not finish (the program ended during the write): the box may hold parts of two projects</source>
        <translation>nicht beendet (das Programm endete während des Schreibens): Die Box enthält womöglich Teile zweier Projekte</translation>
    </message>
    <message>
        <source>differs: the box holds other values than were written</source>
        <translation>abweichend: Die Box enthält andere Werte als geschrieben</translation>
    </message>
    <message>
        <source>differs: %1</source>
        <translation>abweichend: %1</translation>
    </message>
    <message>
        <source>not verified: every cell was written, the check was off</source>
        <translation>nicht geprüft: Alle Zellen wurden geschrieben, die Prüfung war ausgeschaltet</translation>
    </message>
    <message>
        <source>stopped before the first cell: the box holds what it held before</source>
        <translation>vor der ersten Zelle angehalten: Die Box enthält, was sie vorher enthielt</translation>
    </message>
    <message>
        <source>stopped after cell %1 of %2: the box holds parts of two projects</source>
        <translation>nach Zelle %1 von %2 angehalten: Die Box enthält Teile zweier Projekte</translation>
    </message>
    <message>
        <source>failed at cell %1 of %2: the box holds parts of two projects</source>
        <translation>bei Zelle %1 von %2 fehlgeschlagen: Die Box enthält Teile zweier Projekte</translation>
    </message>
    <message>
        <source>The last write into box %1 (%2) did not finish: the box may hold parts of two projects. Write the project again.</source>
        <translation>Der letzte Schreibvorgang in Box %1 (%2) wurde nicht beendet: Die Box enthält womöglich Teile zweier Projekte. Schreiben Sie das Projekt erneut.</translation>
    </message>
    <message>
        <source>The box&apos;s table cells (256–766) cannot be read back, and the last write into box %1 (%2) did not finish: they may hold another project.</source>
        <translation>Die Tabellenzellen der Box (256–766) lassen sich nicht zurücklesen, und der letzte Schreibvorgang in Box %1 (%2) wurde nicht beendet: Sie enthalten womöglich ein anderes Projekt.</translation>
    </message>
    <message>
        <source>Left out 1 history entry that is only half there (another computer may be writing it).</source>
        <translation>1 unvollständiger Verlaufseintrag ausgelassen (ein anderer Computer schreibt ihn womöglich gerade).</translation>
    </message>
    <message>
        <source>Left out %1 history entries that are only half there (another computer may be writing them).</source>
        <translation>%1 unvollständige Verlaufseinträge ausgelassen (ein anderer Computer schreibt sie womöglich gerade).</translation>
    </message>
    <message>
        <source>Can&apos;t read the write history:

%1

%2</source>
        <translation>Schreibverlauf kann nicht gelesen werden:

%1

%2</translation>
    </message>
    <message>
        <source>Written into box %1 on %2.</source>
        <translation>Am %2 in Box %1 geschrieben.</translation>
    </message>
    <message>
        <source>Written into box %1 on %2 at %3.</source>
        <translation>Am %2 am Computer %3 in Box %1 geschrieben.</translation>
    </message>
    <message>
        <source>Outcome: %1.</source>
        <translation>Ergebnis: %1.</translation>
    </message>
    <message>
        <source>Customer: %1</source>
        <translation>Kunde: %1</translation>
    </message>
    <message>
        <source>Vehicle: %1</source>
        <translation>Fahrzeug: %1</translation>
    </message>
    <message>
        <source>Registration or VIN: %1</source>
        <translation>Kennzeichen oder FIN: %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Notiz: %1</translation>
    </message>
    <message>
        <source>Writes back what the box held before the write %1.</source>
        <translation>Schreibt zurück, was die Box vor dem Schreibvorgang %1 enthielt.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>verified: parameters and points (cells 0–254); the box&apos;s table cells cannot be read back</source>
        <translation>geprüft: Parameter und Punkte (Zellen 0–254); die Tabellenzellen der Box lassen sich nicht zurücklesen</translation>
    </message>
    <message>
        <source>check cut off: every cell was written, but not all of cells 0–254 were read back</source>
        <translation>Prüfung abgebrochen: Alle Zellen wurden geschrieben, aber nicht alle Zellen 0–254 zurückgelesen</translation>
    </message>
</context>
</TS>
