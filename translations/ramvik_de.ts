<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BoxCompare</name>
    <message>
        <source>Box type: project %1, box %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve delay: project %1 ms, box %2 ms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start voltage: project %1 V, box %2 V.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop voltage: project %1 V, box %2 V.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start delay: project %1, box %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First CR input: project %1 V, box %2 V.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CR output at the stop voltage: project %1 V, box %2 V.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CR output at the start voltage: project %1 V, box %2 V.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, %4 V in the box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, none in the box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the box, none in the project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell %1 (%2): project %3, box %4.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoxRefusals</name>
    <message>
        <source>TURBO curve (not used by this box type): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 curve has no points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 point %2: input %3 V lies outside 0 V to 5 V.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 point %2: output %3 V lies outside 0 V to 5 V.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 curve has %2 points; the box stores at most %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box type %1 is not 0, 1 or 2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start voltage %1 V lies outside 0 V to 5 V.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop voltage %1 V lies outside 0 V to 5 V.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start voltage %1 V lies above the stop voltage %2 V.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve delay %1 lies outside 0 to 500.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve delay %1 is not a multiple of 20.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start delay %1 min %2 s (%3) lies outside 0:00 to 4:00.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Ramvik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ramvik Version 2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCompare</name>
    <message>
        <source>Compare with box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box %1 holds the project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project: the compare panel lists the difference and draws the box&apos;s curves over the project&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project: the compare panel lists %2 differences and draws the box&apos;s curves over the project&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CComparePanel</name>
    <message>
        <source>Compare with box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The box&apos;s curves are drawn over the project&apos;s: CR in magenta dots, TURBO in black dashes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the box&apos;s project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box %1 holds the project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CConnectionHelpDlg</name>
    <message>
        <source>Connection help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What Ramvik found on the way to the box&apos;s converter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts this report on the clipboard, followed by the same checks with the commands for whoever looks after this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

For whoever looks after this computer:
%2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report is on the clipboard. Paste it into an e-mail or a message to whoever looks after this computer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>Keys and Mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;The graph&lt;/h3&gt;&lt;p&gt;The edited curve is the one whose box is ticked beside &lt;b&gt;CR&lt;/b&gt; or &lt;b&gt;TURBO&lt;/b&gt; (F2, F3). Its points carry round markers; the chosen point is larger and filled.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Click&lt;/b&gt; on a point to choose it, and &lt;b&gt;drag&lt;/b&gt; it up or down to set its output. A point keeps its input.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Click&lt;/b&gt; anywhere else in the plot to add a point there.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Right-click&lt;/b&gt; on a point to remove it; during a drag the right button puts the point back on the line where output equals input.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Double-click&lt;/b&gt; a point, or press &lt;b&gt;Enter&lt;/b&gt;, to type its exact output; with no point chosen, Enter adds a point at the input you type.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;The points at 0 V and 5 V stay, and so do the CR points at the start and stop voltage; only CR points between them move. An output lies at most 1.6 V below its input. Values snap to the box&apos;s steps of 0.02 V. The status line says why an edit was held back.&lt;/p&gt;&lt;h3&gt;Keys of the graph&lt;/h3&gt;&lt;p&gt;They act on the chosen point once the graph has the keyboard focus (click it, or press Tab until it is framed), wherever the mouse pointer is.&lt;/p&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Left&lt;/b&gt;, &lt;b&gt;Right&lt;/b&gt;&lt;/td&gt;&lt;td&gt;choose the neighbouring point&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;&lt;/td&gt;&lt;td&gt;move it by 0.02 V&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Shift+Up&lt;/b&gt;, &lt;b&gt;Shift+Down&lt;/b&gt;&lt;/td&gt;&lt;td&gt;move it by 0.1 V&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Delete&lt;/b&gt;&lt;/td&gt;&lt;td&gt;remove it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;type its exact values&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;The parameters&lt;/h3&gt;&lt;p&gt;Type a value into its field and press Enter or Tab, or use the arrows beside it, the Up and Down keys in the field or the mouse wheel. The start delay is typed as minutes:seconds (1:30). A value the box cannot take is refused, and the status line says why.&lt;/p&gt;&lt;h3&gt;Everywhere&lt;/h3&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Z&lt;/b&gt;&lt;/td&gt;&lt;td&gt;undo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+Z&lt;/b&gt;, &lt;b&gt;Ctrl+Y&lt;/b&gt;&lt;/td&gt;&lt;td&gt;redo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+N&lt;/b&gt;, &lt;b&gt;Ctrl+O&lt;/b&gt;, &lt;b&gt;Ctrl+S&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+S&lt;/b&gt;&lt;/td&gt;&lt;td&gt;new, open, save, save as&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+P&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+E&lt;/b&gt;&lt;/td&gt;&lt;td&gt;print, export PDF&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+W&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+R&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;write to the box, read from it, compare with it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+1&lt;/b&gt;, &lt;b&gt;Ctrl+2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Input-Output view, Difference view&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt&lt;/b&gt; and the underlined letter&lt;/td&gt;&lt;td&gt;open a menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPanel</name>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input-Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 CR input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 CR inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CR&amp;TURBO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TURBO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Voltage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Voltage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Delay:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min : sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0,1 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve Delay:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Below this input voltage the box leaves the signal alone. Type a value in steps of 0.1 V and press Enter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Above this input voltage the box leaves the signal alone. Type a value in steps of 0.1 V and press Enter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long after the engine starts the box begins, from 0:00 to 4:00. Type it as minutes:seconds and press Enter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Milliseconds per 0.1 V, from 0 to 500 in steps of 20. Type a value and press Enter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise the start voltage by 0.1 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower the start voltage by 0.1 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise the stop voltage by 0.1 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower the stop voltage by 0.1 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start delay one minute longer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start delay one minute shorter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start delay one second longer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start delay one second shorter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve delay 20 ms longer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve delay 20 ms shorter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPointEntryDlg</name>
    <message>
        <source> V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The input voltage of the new point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The input voltage of the point; dragging keeps it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output voltage the box hands on at this input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output from %1 V to %2 V</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPortChoiceDlg</name>
    <message>
        <source>Choose the box&apos;s converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s.
Choose the box&apos;s converter:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRamvikDlg</name>
    <message>
        <source>Click in the graph to add a point, drag a point to move it, right-click to remove it; double-click or Enter types exact values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start voltage is a number of volts, such as 1.5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stop voltage is a number of volts, such as 4.5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the start delay as minutes and seconds, such as 1:30.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The curve delay is a whole number of milliseconds, such as 200.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a new project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a project file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the project to its file; asks for a name when it has none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the project under a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Project...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the project sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the project sheet as a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Ramvik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the point left of the chosen one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the point right of the chosen one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point &amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the chosen point up by 0.02 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point &amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the chosen point down by 0.02 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point Up by 0.1 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the chosen point up by 0.1 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point Down by 0.1 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the chosen point down by 0.1 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the chosen point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point &amp;Values...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the exact values of the chosen point, or of a new point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &amp;CR Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the CR curve (blue)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &amp;TURBO Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the TURBO curve (red)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset C&amp;R Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the CR curve a straight line again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset T&amp;URBO Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the TURBO curve a straight line again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;opy Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the edited curve onto the other curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write to Box...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the curves and parameters into the box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read from Box...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the curves and parameters from the box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare with Box...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the box and compare it with the project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write &amp;History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a copy of an earlier write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection &amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What Ramvik sees of the box&apos;s USB converter, and what to do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;1 CR input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;2 CR inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CR&amp;&amp;&amp;TURBO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The type of the box the project is for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Input-Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the output voltage against the input voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the input voltage minus the output voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show C&amp;R Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the CR curve while the TURBO curve is edited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;TURBO Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the TURBO curve while the CR curve is edited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keys and Mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to edit the curves with the mouse and the keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Ramvik...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program&apos;s name and version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box &amp;Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everyday actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ramvik Project (*.rmvp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save file!

%1

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project sheet went to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1&amp;0 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No projects yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget the projects listed here; the files stay</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRead</name>
    <message>
        <source>Read from box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was read: no box could be reached. The project is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was read: the transfer stopped before the first cell. The project is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The read stopped after %1 of %2 cells, so nothing was taken from the box. The project is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project of box %1 (%2) is now the window&apos;s project; it is not saved in any file yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 cells, %3 left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWrite</name>
    <message>
        <source>Write to box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>two sentences, one after the other</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is kept in the history, marked as not verified, as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is kept in the history as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was not kept in the history: no history folder is known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be kept in the history: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project was written into box %1 and checked: cells 0 to 254 read back as written (the box gives no way to read the rest back).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project was written into box %1 and not checked, as &quot;Verify after writing&quot; was off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection did not close cleanly afterwards; the box holds the project all the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project was written into box %1, but the box holds other values than were written; the first difference: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project was written into box %1, but reading it back failed, so it is not checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The write stopped after %1 of %2 cells: box %3 may now hold parts of two projects. Write the project again before the box is used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written: the transfer stopped before the first cell. The box holds what it held before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written: the box cannot hold the project as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written: no box could be reached.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CellMeaning</name>
    <message>
        <source>empty %1 pair %2, input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty %1 pair %2, output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 point at %2 V, input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 point at %2 V, output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first CR input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CR output at the stop voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>box type and curve delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CR output at the start voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>box identification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CR difference table at %1 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TURBO table at %1 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cell outside the box</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectionDoctor</name>
    <message>
        <source>Looked for FTDI FT232 converters (USB 0403:6001, 0403:6014, 0403:6015) and for
devices named &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ramvik looked for FTDI FT232 converters (USB 0403:6001, 0403:6014, 0403:6015) and for devices named &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist.
Fix: name a device that ramvik-cli ports lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist.
What to do: Plug the box&apos;s converter in, then try the transfer again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is served by the kernel driver %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user %1 may open %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No other program holds %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No other program of this user holds %1 (those of other users
are visible to root only).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No other program of this user holds %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms. Ramvik lowers it while it transfers, where the driver allows.
Nothing to do for a transfer. Whoever looks after this computer can set it to 1 ms for good with Ramvik&apos;s udev rule %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms. Ramvik lowers it while it transfers,
where the driver allows. To set it to 1 ms for good, install the udev rule:
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A converter is connected: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Fix: name the box&apos;s converter: ramvik-cli doctor --port PATH, and the same
--port PATH for write and read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
What to do: Start a transfer and choose the box&apos;s converter when Ramvik asks; Ramvik remembers the choice. Or unplug the converters that are not the box&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A converter is connected: USB %1 (USB device %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A converter is connected: USB %1  &quot;%2&quot; (USB device %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vendor library reaches it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial driver has taken it: it has no serial device.
Fix: load the kernel&apos;s driver (sudo modprobe ftdi_sio). brltty, when installed, takes
such converters away: remove it (sudo apt remove brltty) unless a braille
display is used, then plug the converter in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A converter is connected: the vendor library sees %1 FTDI device(s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No converter for the box is connected.
%1
Fix: plug the box&apos;s converter in; ramvik-cli ports lists every serial port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No converter for the box is connected.
%1
What to do: Plug the box&apos;s converter in (into another USB socket if it is plugged in), then try the transfer again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vendor library %1 is present and complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vendor library %1 is not installed; the system&apos;s serial driver serves
the converter instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vendor library %1 is not installed; the system&apos;s serial driver serves the converter instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Fix: install FTDI&apos;s D2XX driver (ftdichip.com, &quot;D2XX Drivers&quot;) for this system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
What to do: Ask whoever looks after this computer to install FTDI&apos;s D2XX driver (ftdichip.com, &quot;D2XX Drivers&quot;) for this system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOTE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The named device is there: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A transfer can start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A transfer cannot start yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>D2xxLibrary</name>
    <message>
        <source>Error: Can&apos;t Load %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Can&apos;t Find %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V[In]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V[Out]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input - Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V[Diff]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input - output:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>up to %1 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 V to %2 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>above the input: the output would be below 0 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V[in]:%1 V[diff]:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project CR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project TURBO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box CR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box TURBO</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortAdvice</name>
    <message>
        <source>Stop it (sudo systemctl stop ModemManager), or install Ramvik&apos;s udev rule %1,
which tells ModemManager to leave the box&apos;s converter alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What to do: ModemManager looks after mobile modems and has taken the converter. Ask whoever looks after this computer to stop it, or to install Ramvik&apos;s udev rule %1, which tells ModemManager to leave the box&apos;s converter alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brltty, the braille display driver, takes USB serial converters. Stop it
(sudo systemctl stop brltty), or remove it (sudo apt remove brltty) when no
braille display is used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What to do: brltty, the driver for braille displays, takes USB serial converters. Ask whoever looks after this computer to stop it, or to remove it when no braille display is used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close %1, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What to do: Close the program %1, which has the converter open, then try again. If you cannot find it, ask whoever looks after this computer to stop it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user %1 may not open %2.
Install Ramvik&apos;s udev rule %3, which gives the logged-in user the box&apos;s converter,
then plug the converter in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user %1 may not open %2.
What to do: Ask whoever looks after this computer to install Ramvik&apos;s udev rule %3, which gives the logged-in user the box&apos;s converter. Then plug the converter in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user %1 may not open %2: it belongs to the group %3.
Add the user to that group (sudo usermod -aG %3 %1), then log in again,
or install Ramvik&apos;s udev rule %4, which gives the logged-in user the box&apos;s converter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user %1 may not open %2: it belongs to the group %3.
What to do: Ask whoever looks after this computer to add the user %1 to the group %3 (or to install Ramvik&apos;s udev rule %4), then log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in use by %2 (process %3).
%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist.
What to do: Plug the box&apos;s converter in, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ramvik finds no converter that may be the box&apos;s.
What to do: Plug the box&apos;s converter in (into another USB socket if it is plugged in), then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The box&apos;s converter is plugged in, but no serial driver has taken it, so Ramvik cannot talk through it.
What to do: Unplug the converter and plug it in again. If that does not help, ask whoever looks after this computer to load the driver ftdi_sio and to remove brltty (a driver for braille displays, which takes such converters away) unless a braille display is used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  %2  serial %3  &quot;%4&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  %2  serial %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  serial %2  &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  serial %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s:
  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
  %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sudo cp resources/udev/%1 /etc/udev/rules.d/ (the Debian package installs it itself),
then sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortFinder</name>
    <message>
        <source>%1
Choose the box&apos;s converter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
What to do: Start the transfer again and choose the box&apos;s converter when Ramvik asks, or unplug the converters that are not the box&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening %1 failed: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>CR &amp; TURBO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 CR input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 CR input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Voltage [V] :   %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Delay [mm:ss] :   %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve Delay [ms/0.1V] :   %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vdif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CR-curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TURBO-curve</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds control characters (byte %1 is %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no parameter line</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProjectState</name>
    <message>
        <source>A CR curve holds at most %1 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A TURBO curve holds at most %1 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The point at 0 V stays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inputs lie between 0 V and 5 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only points between the start and stop voltage can be moved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output at %1 V stays between %2 V and %3 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The point at 5 V stays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CR points at the start and stop voltage stay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 CR input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 CR inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CR&amp;TURBO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common Rail &amp; Turbo Tuning - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common Rail Tuning - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start voltage lies between 0.0 V and 5.0 V.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start voltage goes in steps of 0.1 V.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start voltage cannot lie above the stop voltage (%1 V).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stop voltage lies between 0.0 V and 5.0 V.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stop voltage goes in steps of 0.1 V.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stop voltage cannot lie below the start voltage (%1 V).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start delay lies between 0:00 and 4:00.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The curve delay lies between 0 ms and 500 ms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The curve delay goes in steps of 20 ms.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>No USB Device Connected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error occured,
please replug
the USB-interface.

Error code: WR0001</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please check the connection
of the USB-interface
and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This box is not designed for this software. 
Use the proper software, Dolvar,
or contact your dealer to update this box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This box is for CR-Tuning only!
please adjust your project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This box is for CR-TURBO-Tuning only!
please adjust your project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB-error

Error code: PU0001</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB-error

Error code: CL0001</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No USB Device Connected!

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Register Keys not found!

Please reinstall the program. The default values will be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A register key was not found!

Please reinstall the program to correct this error. The default value for this setting will be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not look like a Ramvik project: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Open it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A box cannot hold this project as it stands: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A box cannot hold this project as it stands: %1 (and %2 more)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was no Ramvik project when it was opened. Replace it with this project?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save file!

%1

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; has changed.

Do you want to save the changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The write was not kept in the history:

%1

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The write was not kept in the history:

no data folder is known (the settings hold no RootPath, or HOME is not set).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>The box cannot hold this project:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The box holds other values than were written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cell %1 (%2): box %3, written %4.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferPhase</name>
    <message>
        <source>Writing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WriteHistory</name>
    <message>
        <source>Written into box %1 on %2; verified: yes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written into box %1 on %2; verified: no.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written into box %1 on %2; verified: off.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
