<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>BoxCompare</name>
    <message>
        <source>Box type: project %1, box %2.</source>
        <translation>Typ modułu: projekt %1, moduł %2.</translation>
    </message>
    <message>
        <source>Curve delay: project %1 ms, box %2 ms.</source>
        <translation>Opóźnienie krzywej: projekt %1 ms, moduł %2 ms.</translation>
    </message>
    <message>
        <source>Start voltage: project %1 V, box %2 V.</source>
        <translation>Napięcie początkowe: projekt %1 V, moduł %2 V.</translation>
    </message>
    <message>
        <source>Stop voltage: project %1 V, box %2 V.</source>
        <translation>Napięcie końcowe: projekt %1 V, moduł %2 V.</translation>
    </message>
    <message>
        <source>Start delay: project %1, box %2.</source>
        <translation>Opóźnienie startu: projekt %1, moduł %2.</translation>
    </message>
    <message>
        <source>First CR input: project %1 V, box %2 V.</source>
        <translation>Wejście 1. punktu CR: projekt %1 V, moduł %2 V.</translation>
    </message>
    <message>
        <source>CR output at the stop voltage: project %1 V, box %2 V.</source>
        <translation>Wyjście CR przy napięciu końcowym: projekt %1 V, moduł %2 V.</translation>
    </message>
    <message>
        <source>CR output at the start voltage: project %1 V, box %2 V.</source>
        <translation>Wyjście CR przy napięciu początkowym: projekt %1 V, moduł %2 V.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, %4 V in the box.</source>
        <translation>Punkt %1 przy %2 V: wyjście %3 V w projekcie, %4 V w module.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, none in the box.</source>
        <translation>Punkt %1 przy %2 V: wyjście %3 V w projekcie, w module brak.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the box, none in the project.</source>
        <translation>Punkt %1 przy %2 V: wyjście %3 V w module, w projekcie brak.</translation>
    </message>
    <message>
        <source>Cell %1 (%2): project %3, box %4.</source>
        <translation>Komórka %1 (%2): projekt %3, moduł %4.</translation>
    </message>
</context>
<context>
    <name>BoxRefusals</name>
    <message>
        <source>TURBO curve (not used by this box type): %1</source>
        <translation>Krzywa TURBO (nieużywana przy tym typie modułu): %1</translation>
    </message>
    <message>
        <source>%1 curve has no points.</source>
        <translation>Krzywa %1 nie ma punktów.</translation>
    </message>
    <message>
        <source>%1 point %2: input %3 V lies outside 0 V to 5 V.</source>
        <translation>Krzywa %1, punkt %2: wejście %3 V leży poza zakresem od 0 V do 5 V.</translation>
    </message>
    <message>
        <source>%1 point %2: output %3 V lies outside 0 V to 5 V.</source>
        <translation>Krzywa %1, punkt %2: wyjście %3 V leży poza zakresem od 0 V do 5 V.</translation>
    </message>
    <message>
        <source>%1 curve has %2 points; the box stores at most %3.</source>
        <translation>Liczba punktów krzywej %1: %2; moduł mieści najwyżej %3.</translation>
    </message>
    <message>
        <source>Box type %1 is not 0, 1 or 2.</source>
        <translation>Typ modułu %1 jest inny niż 0, 1 lub 2.</translation>
    </message>
    <message>
        <source>Start voltage %1 V lies outside 0 V to 5 V.</source>
        <translation>Napięcie początkowe %1 V leży poza zakresem od 0 V do 5 V.</translation>
    </message>
    <message>
        <source>Stop voltage %1 V lies outside 0 V to 5 V.</source>
        <translation>Napięcie końcowe %1 V leży poza zakresem od 0 V do 5 V.</translation>
    </message>
    <message>
        <source>Start voltage %1 V lies above the stop voltage %2 V.</source>
        <translation>Napięcie początkowe %1 V jest wyższe niż napięcie końcowe %2 V.</translation>
    </message>
    <message>
        <source>Curve delay %1 lies outside 0 to 500.</source>
        <translation>Opóźnienie krzywej %1 leży poza zakresem od 0 do 500.</translation>
    </message>
    <message>
        <source>Curve delay %1 is not a multiple of 20.</source>
        <translation>Opóźnienie krzywej %1 nie jest wielokrotnością 20.</translation>
    </message>
    <message>
        <source>Start delay %1 min %2 s (%3) lies outside 0:00 to 4:00.</source>
        <translation>Opóźnienie startu %1 min %2 s (%3) leży poza zakresem od 0:00 do 4:00.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Ramvik</source>
        <translation>O programie Ramvik</translation>
    </message>
    <message>
        <source>Ramvik Version 2.0</source>
        <translation>Ramvik wersja 2.0</translation>
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
        <translation>Porównanie z modułem</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Porównaj</translation>
    </message>
    <message>
        <source>Box %1 holds the project.</source>
        <translation>Moduł %1 zawiera ten projekt.</translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project: the compare panel lists the difference and draws the box&apos;s curves over the project&apos;s.</source>
        <translation>Moduł %1 zawiera inne wartości niż projekt: panel porównania pokazuje różnicę i rysuje krzywe modułu na krzywych projektu.</translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project: the compare panel lists %2 differences and draws the box&apos;s curves over the project&apos;s.</source>
        <translation>Moduł %1 zawiera inne wartości niż projekt: panel porównania pokazuje różnice (%2) i rysuje krzywe modułu na krzywych projektu.</translation>
    </message>
    <message>
        <source>The compare was stopped after %1 of %2 cells: nothing was compared, and the project is unchanged.</source>
        <translation>Porównanie zatrzymano po %1 z %2 komórek: nic nie porównano, a projekt jest bez zmian.</translation>
    </message>
</context>
<context>
    <name>CComparePanel</name>
    <message>
        <source>Compare with box</source>
        <translation>Porównanie z modułem</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Różnice</translation>
    </message>
    <message>
        <source>The box&apos;s curves are drawn over the project&apos;s: CR in magenta dots, TURBO in black dashes.</source>
        <translation>Krzywe modułu są narysowane na krzywych projektu: CR purpurowymi kropkami, TURBO czarnymi kreskami.</translation>
    </message>
    <message>
        <source>Take the box&apos;s project</source>
        <translation>Przyjmij projekt z modułu</translation>
    </message>
    <message>
        <source>Keep the project</source>
        <translation>Zachowaj projekt</translation>
    </message>
    <message>
        <source>Box %1 holds the project.</source>
        <translation>Moduł %1 zawiera ten projekt.</translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project:</source>
        <translation>Moduł %1 zawiera inne wartości niż projekt:</translation>
    </message>
</context>
<context>
    <name>CConnectionHelpDlg</name>
    <message>
        <source>Connection help</source>
        <translation>Pomoc przy połączeniu</translation>
    </message>
    <message>
        <source>What Ramvik found on the way to the box&apos;s converter:</source>
        <translation>Co Ramvik znalazł na drodze do konwertera modułu:</translation>
    </message>
    <message>
        <source>Copy report</source>
        <translation>Kopiuj raport</translation>
    </message>
    <message>
        <source>Puts this report on the clipboard, followed by the same checks with the commands for whoever looks after this computer.</source>
        <translation>Kopiuje ten raport do schowka, a za nim te same testy z poleceniami dla osoby, która opiekuje się tym komputerem.</translation>
    </message>
    <message>
        <source>%1

For whoever looks after this computer:
%2
</source>
        <translation>%1

Dla osoby, która opiekuje się tym komputerem:
%2
</translation>
    </message>
    <message>
        <source>The report is on the clipboard. Paste it into an e-mail or a message to whoever looks after this computer.</source>
        <translation>Raport jest w schowku. Wklej go do e-maila lub wiadomości do osoby, która opiekuje się tym komputerem.</translation>
    </message>
</context>
<context>
    <name>CFileComparePanel</name>
    <message>
        <source>Compare with file</source>
        <translation>Porównanie z plikiem</translation>
    </message>
    <message>
        <source>Differences from the file</source>
        <translation>Różnice względem pliku</translation>
    </message>
    <message>
        <source>The curves of %1 are drawn over the project&apos;s: CR in teal dash-dots, TURBO in brown dash-dot-dots.</source>
        <translation>Krzywe z %1 są narysowane na krzywych projektu: CR morską linią kreska-kropka, TURBO brązową linią kreska-kropka-kropka.</translation>
    </message>
    <message>
        <source>Take These Points from the File</source>
        <translation>Przyjmij te punkty z pliku</translation>
    </message>
    <message>
        <source>The selected points of the edited curve take the file&apos;s points in their stretch</source>
        <translation>Zaznaczone punkty edytowanej krzywej przyjmują punkty pliku z tego samego odcinka</translation>
    </message>
    <message>
        <source>Close Comparison</source>
        <translation>Zamknij porównanie</translation>
    </message>
    <message>
        <source>%1 holds the project.</source>
        <translation>%1 zawiera ten projekt.</translation>
    </message>
    <message>
        <source>%1 holds other values than the project:</source>
        <translation>%1 zawiera inne wartości niż projekt:</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>Keys and Mouse</source>
        <translation>Klawisze i mysz</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The graph&lt;/h3&gt;&lt;p&gt;The edited curve is the one whose box is ticked beside &lt;b&gt;CR&lt;/b&gt; or &lt;b&gt;TURBO&lt;/b&gt; (F2, F3). Its points carry round markers; the chosen point is larger and filled.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Click&lt;/b&gt; on a point to choose it, and &lt;b&gt;drag&lt;/b&gt; it up or down to set its output. A point keeps its input.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Click&lt;/b&gt; anywhere else in the plot to add a point there.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Right-click&lt;/b&gt; on a point to remove it; during a drag the right button puts the point back on the line where output equals input.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Double-click&lt;/b&gt; a point, or press &lt;b&gt;Enter&lt;/b&gt;, to type its exact output; with no point chosen, Enter adds a point at the input you type.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Several points at once&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Shift+click&lt;/b&gt; a point to select every point from the last clicked one to it; &lt;b&gt;Ctrl+click&lt;/b&gt; adds a point to the selection or takes it out.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Shift+drag&lt;/b&gt; in the plot selects the points inside the rectangle.&lt;/li&gt;&lt;li&gt;Selected points carry filled squares. The &lt;b&gt;Points&lt;/b&gt; table beside the graph (View, Ctrl+T) lists every point; its selected rows are the selected points, and an output typed into it is set as Enter sets it.&lt;/li&gt;&lt;li&gt;Edit &amp;gt; Selection sets, raises, scales, interpolates or smooths the selected outputs in one step to undo; the table&apos;s right-click menu offers the same.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Zoom&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Ctrl+wheel&lt;/b&gt; zooms in and out around the pointer.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Shift+wheel&lt;/b&gt; moves the view sideways; a drag with the &lt;b&gt;middle button&lt;/b&gt; moves it in any direction.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+0&lt;/b&gt; (View &amp;gt; Reset Zoom) shows the whole range again. A printout always shows the whole range.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;The points at 0 V and 5 V stay, and so do the CR points at the start and stop voltage; only CR points between them move. An output lies at most 1.6 V below its input. Values snap to the box&apos;s steps of 0.02 V. The status line says why an edit was held back.&lt;/p&gt;&lt;h3&gt;Keys of the graph&lt;/h3&gt;&lt;p&gt;They act on the chosen point once the graph has the keyboard focus (click it, or press Tab until it is framed), wherever the mouse pointer is. Ctrl+A, Escape, Ctrl+C and Ctrl+V act in the points table too; in a text field they act on its text.&lt;/p&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Left&lt;/b&gt;, &lt;b&gt;Right&lt;/b&gt;&lt;/td&gt;&lt;td&gt;choose the neighbouring point&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;&lt;/td&gt;&lt;td&gt;move it by 0.02 V; with several points selected, move all of them&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Shift+Up&lt;/b&gt;, &lt;b&gt;Shift+Down&lt;/b&gt;&lt;/td&gt;&lt;td&gt;the same by 0.1 V&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+A&lt;/b&gt;&lt;/td&gt;&lt;td&gt;select every point of the edited curve&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Escape&lt;/b&gt;&lt;/td&gt;&lt;td&gt;select no point (a rectangle being drawn goes first)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;copy the selected points (every point when none is selected) as text: a header line, then input and output a line&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+V&lt;/b&gt;&lt;/td&gt;&lt;td&gt;paste: a column of numbers sets the outputs of as many selected points; input and output pairs replace the selected stretch, or are added when nothing is selected&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Delete&lt;/b&gt;&lt;/td&gt;&lt;td&gt;remove it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;type its exact values&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;The parameters&lt;/h3&gt;&lt;p&gt;Type a value into its field and press Enter or Tab, or use the arrows beside it, the Up and Down keys in the field or the mouse wheel. The start delay is typed as minutes:seconds (1:30). A value the box cannot take is refused, and the status line says why.&lt;/p&gt;&lt;h3&gt;Everywhere&lt;/h3&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Z&lt;/b&gt;&lt;/td&gt;&lt;td&gt;undo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+Z&lt;/b&gt;, &lt;b&gt;Ctrl+Y&lt;/b&gt;&lt;/td&gt;&lt;td&gt;redo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+N&lt;/b&gt;, &lt;b&gt;Ctrl+O&lt;/b&gt;, &lt;b&gt;Ctrl+S&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+S&lt;/b&gt;&lt;/td&gt;&lt;td&gt;new, open, save, save as&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+P&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+E&lt;/b&gt;&lt;/td&gt;&lt;td&gt;print, export PDF&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+W&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+R&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;write to the box, read from it, compare with it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+1&lt;/b&gt;, &lt;b&gt;Ctrl+2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Input-Output view, Difference view&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;reset the zoom&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+T&lt;/b&gt;&lt;/td&gt;&lt;td&gt;show or hide the points table&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F5&lt;/b&gt; to &lt;b&gt;F9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;set, raise, scale, interpolate, smooth the selected outputs&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+F&lt;/b&gt;&lt;/td&gt;&lt;td&gt;compare with another project file&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt&lt;/b&gt; and the underlined letter&lt;/td&gt;&lt;td&gt;open a menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Wykres&lt;/h3&gt;&lt;p&gt;Edytowana jest ta krzywa, której pole przy &lt;b&gt;CR&lt;/b&gt; lub &lt;b&gt;TURBO&lt;/b&gt; jest zaznaczone (F2, F3). Jej punkty mają okrągłe znaczniki; wybrany punkt jest większy i wypełniony.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Kliknij&lt;/b&gt; punkt, aby go wybrać, i &lt;b&gt;przeciągnij&lt;/b&gt; go w górę lub w dół, aby ustawić jego wyjście. Wejście punktu się nie zmienia.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Kliknij&lt;/b&gt; w innym miejscu wykresu, aby dodać tam punkt.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Kliknij prawym przyciskiem&lt;/b&gt; punkt, aby go usunąć; podczas przeciągania prawy przycisk wraca punkt na linię, na której wyjście jest równe wejściu.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Kliknij dwukrotnie&lt;/b&gt; punkt lub naciśnij &lt;b&gt;Enter&lt;/b&gt;, aby wpisać dokładne wyjście; gdy żaden punkt nie jest wybrany, Enter dodaje punkt przy wpisanym wejściu.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Kilka punktów naraz&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Shift+klik&lt;/b&gt; na punkcie zaznacza wszystkie punkty od ostatnio klikniętego do niego; &lt;b&gt;Ctrl+klik&lt;/b&gt; dodaje punkt do zaznaczenia lub go z niego usuwa.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Shift+przeciągnięcie&lt;/b&gt; na wykresie zaznacza punkty wewnątrz prostokąta.&lt;/li&gt;&lt;li&gt;Zaznaczone punkty mają wypełnione kwadraty. Tabela &lt;b&gt;Punkty&lt;/b&gt; obok wykresu (Widok, Ctrl+T) zawiera wszystkie punkty; jej zaznaczone wiersze to zaznaczone punkty, a wpisane w niej wyjście jest ustawiane tak jak przez Enter.&lt;/li&gt;&lt;li&gt;Edycja &amp;gt; Zaznaczenie ustawia, podnosi, skaluje, interpoluje lub wygładza wyjścia zaznaczonych punktów w jednym kroku do cofnięcia; menu tabeli pod prawym przyciskiem oferuje to samo.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Powiększenie&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Ctrl+kółko&lt;/b&gt; powiększa i pomniejsza wokół wskaźnika.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Shift+kółko&lt;/b&gt; przesuwa widok w bok; przeciąganie &lt;b&gt;środkowym przyciskiem&lt;/b&gt; przesuwa go w dowolnym kierunku.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+0&lt;/b&gt; (Widok &amp;gt; Resetuj powiększenie) pokazuje znowu cały zakres. Wydruk zawsze pokazuje cały zakres.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Punkty przy 0 V i 5 V pozostają, tak samo punkty CR przy napięciu początkowym i końcowym; przesuwać można tylko punkty CR między nimi. Wyjście leży najwyżej 1,6 V poniżej wejścia. Wartości są dopasowywane do kroku modułu, 0,02 V. Pasek stanu podaje, dlaczego zmiana została odrzucona.&lt;/p&gt;&lt;h3&gt;Klawisze wykresu&lt;/h3&gt;&lt;p&gt;Działają na wybrany punkt, gdy wykres ma fokus klawiatury (kliknij go lub naciskaj Tab, aż pojawi się ramka), niezależnie od położenia wskaźnika myszy. Ctrl+A, Esc, Ctrl+C i Ctrl+V działają także w tabeli punktów; w polu tekstowym działają na jego tekst.&lt;/p&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;←&lt;/b&gt;, &lt;b&gt;→&lt;/b&gt;&lt;/td&gt;&lt;td&gt;wybór sąsiedniego punktu&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;↑&lt;/b&gt;, &lt;b&gt;↓&lt;/b&gt;&lt;/td&gt;&lt;td&gt;przesunięcie o 0,02 V; gdy zaznaczono kilka punktów, przesunięcie ich wszystkich&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Shift+↑&lt;/b&gt;, &lt;b&gt;Shift+↓&lt;/b&gt;&lt;/td&gt;&lt;td&gt;to samo o 0,1 V&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+A&lt;/b&gt;&lt;/td&gt;&lt;td&gt;zaznaczenie wszystkich punktów edytowanej krzywej&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Esc&lt;/b&gt;&lt;/td&gt;&lt;td&gt;odznaczenie wszystkich punktów (najpierw znika rysowany prostokąt)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;kopiowanie zaznaczonych punktów (wszystkich, gdy żaden nie jest zaznaczony) jako tekst: wiersz nagłówka, potem wejście i wyjście w każdym wierszu&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+V&lt;/b&gt;&lt;/td&gt;&lt;td&gt;wklejanie: kolumna liczb ustawia wyjścia tylu samo zaznaczonych punktów; pary wejście–wyjście zastępują zaznaczony odcinek albo są dodawane, gdy nic nie jest zaznaczone&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Delete&lt;/b&gt;&lt;/td&gt;&lt;td&gt;usunięcie punktu&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;wpisanie dokładnych wartości&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Parametry&lt;/h3&gt;&lt;p&gt;Wpisz wartość w pole i naciśnij Enter lub Tab albo użyj strzałek obok pola, klawiszy ↑ i ↓ w polu lub kółka myszy. Opóźnienie startu wpisuje się jako minuty:sekundy (1:30). Wartość, której moduł nie może przyjąć, jest odrzucana, a pasek stanu podaje przyczynę.&lt;/p&gt;&lt;h3&gt;Wszędzie&lt;/h3&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Z&lt;/b&gt;&lt;/td&gt;&lt;td&gt;cofnij&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+Z&lt;/b&gt;, &lt;b&gt;Ctrl+Y&lt;/b&gt;&lt;/td&gt;&lt;td&gt;ponów&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+N&lt;/b&gt;, &lt;b&gt;Ctrl+O&lt;/b&gt;, &lt;b&gt;Ctrl+S&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+S&lt;/b&gt;&lt;/td&gt;&lt;td&gt;nowy, otwórz, zapisz, zapisz jako&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+P&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+E&lt;/b&gt;&lt;/td&gt;&lt;td&gt;drukuj, eksportuj PDF&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+W&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+R&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;wgraj do modułu, odczytaj z modułu, porównaj z modułem&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+1&lt;/b&gt;, &lt;b&gt;Ctrl+2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;widok Wejście-wyjście, widok Różnica&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;resetuj powiększenie&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+T&lt;/b&gt;&lt;/td&gt;&lt;td&gt;pokaż lub ukryj tabelę punktów&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F5&lt;/b&gt; do &lt;b&gt;F9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;ustaw, podnieś, skaluj, interpoluj, wygładź wyjścia zaznaczonych punktów&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+F&lt;/b&gt;&lt;/td&gt;&lt;td&gt;porównaj z innym plikiem projektu&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt&lt;/b&gt; i podkreślona litera&lt;/td&gt;&lt;td&gt;otwarcie menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
</context>
<context>
    <name>CHistoryBrowser</name>
    <message>
        <source>Write History</source>
        <translation>Historia wgrań</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Szukaj:</translation>
    </message>
    <message>
        <source>Customer, vehicle, registration, project, box, outcome...</source>
        <translation>Klient, pojazd, nr rejestracyjny, projekt, moduł, wynik...</translation>
    </message>
    <message>
        <source>Writes</source>
        <translation>Wgrania</translation>
    </message>
    <message>
        <source>&amp;Open Project</source>
        <translation>&amp;Otwórz projekt</translation>
    </message>
    <message>
        <source>Open the project as it was written</source>
        <translation>Otwórz projekt w postaci, w jakiej został wgrany</translation>
    </message>
    <message>
        <source>&amp;Compare with Box...</source>
        <translation>&amp;Porównaj z modułem...</translation>
    </message>
    <message>
        <source>Open the project as it was written and compare it with the box</source>
        <translation>Otwórz projekt w postaci, w jakiej został wgrany, i porównaj go z modułem</translation>
    </message>
    <message>
        <source>&amp;Print Sheet...</source>
        <translation>&amp;Drukuj kartę...</translation>
    </message>
    <message>
        <source>Print the project&apos;s sheet with the job and the outcome</source>
        <translation>Wydrukuj kartę projektu ze zleceniem i wynikiem</translation>
    </message>
    <message>
        <source>&amp;Write Back What the Box Held Before...</source>
        <translation>P&amp;rzywróć poprzednią zawartość modułu...</translation>
    </message>
    <message>
        <source>Write into the box what it held before this write</source>
        <translation>Wgraj do modułu to, co zawierał przed tym wgraniem</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>No write has been kept yet.</source>
        <translation>Nie zachowano jeszcze żadnego wgrania.</translation>
    </message>
    <message>
        <source>Kept as %1</source>
        <translation>Zachowano jako %1</translation>
    </message>
    <message>
        <source>Write back into box %1 what it held before the write of %2?

The box&apos;s present contents are lost unless the backup is on.</source>
        <translation>Przywrócić w module %1 zawartość sprzed wgrania z %2?

Obecna zawartość modułu przepadnie, chyba że kopia zapasowa jest włączona.</translation>
    </message>
</context>
<context>
    <name>CHistoryModel</name>
    <message>
        <source>did not finish</source>
        <translation>nie zakończono</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>zweryfikowano</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>różnice</translation>
    </message>
    <message>
        <source>check cut off</source>
        <translation>weryfikacja przerwana</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>bez weryfikacji</translation>
    </message>
    <message>
        <source>stopped before the first cell</source>
        <translation>zatrzymano przed 1. komórką</translation>
    </message>
    <message>
        <source>stopped after cell %1</source>
        <translation>zatrzymano po komórce %1</translation>
    </message>
    <message>
        <source>failed at cell %1</source>
        <translation>błąd przy komórce %1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Moduł</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Klient</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Pojazd</translation>
    </message>
    <message>
        <source>Registration or VIN</source>
        <translation>Nr rejestracyjny lub VIN</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
</context>
<context>
    <name>CPanel</name>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Odczytaj</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Wgraj</translation>
    </message>
    <message>
        <source>Print Project</source>
        <translation>Drukuj projekt</translation>
    </message>
    <message>
        <source>Graph Type:</source>
        <translation>Typ wykresu:</translation>
    </message>
    <message>
        <source>Input-Output</source>
        <translation>Wejście-wyjście</translation>
    </message>
    <message>
        <source>Difference </source>
        <translation>Różnica </translation>
    </message>
    <message>
        <source>Box Type:</source>
        <translation>Typ modułu:</translation>
    </message>
    <message>
        <source>1 CR input</source>
        <translation>1 wejście CR</translation>
    </message>
    <message>
        <source>2 CR inputs</source>
        <translation>2 wejścia CR</translation>
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
        <translation>Kopiuj krzywą</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Start Voltage:</source>
        <translation>Napięcie początkowe:</translation>
    </message>
    <message>
        <source>Stop Voltage:</source>
        <translation>Napięcie końcowe:</translation>
    </message>
    <message>
        <source>Start Delay:</source>
        <translation>Opóźnienie startu:</translation>
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
        <translation>Opóźnienie krzywej:</translation>
    </message>
    <message>
        <source>Compare with box</source>
        <translation>Porównaj z modułem</translation>
    </message>
    <message>
        <source>Start voltage</source>
        <translation>Napięcie początkowe</translation>
    </message>
    <message>
        <source>Below this input voltage the box leaves the signal alone. Type a value in steps of 0.1 V and press Enter.</source>
        <translation>Poniżej tego napięcia wejściowego moduł nie zmienia sygnału. Wpisz wartość w krokach co 0,1 V i naciśnij Enter.</translation>
    </message>
    <message>
        <source>Stop voltage</source>
        <translation>Napięcie końcowe</translation>
    </message>
    <message>
        <source>Above this input voltage the box leaves the signal alone. Type a value in steps of 0.1 V and press Enter.</source>
        <translation>Powyżej tego napięcia wejściowego moduł nie zmienia sygnału. Wpisz wartość w krokach co 0,1 V i naciśnij Enter.</translation>
    </message>
    <message>
        <source>Start delay</source>
        <translation>Opóźnienie startu</translation>
    </message>
    <message>
        <source>How long after the engine starts the box begins, from 0:00 to 4:00. Type it as minutes:seconds and press Enter.</source>
        <translation>Po jakim czasie od uruchomienia silnika moduł zaczyna działać, od 0:00 do 4:00. Wpisz jako minuty:sekundy i naciśnij Enter.</translation>
    </message>
    <message>
        <source>Curve delay</source>
        <translation>Opóźnienie krzywej</translation>
    </message>
    <message>
        <source>Milliseconds per 0.1 V, from 0 to 500 in steps of 20. Type a value and press Enter.</source>
        <translation>Milisekundy na 0,1 V, od 0 do 500 co 20. Wpisz wartość i naciśnij Enter.</translation>
    </message>
    <message>
        <source>Raise the start voltage by 0.1 V</source>
        <translation>Zwiększ napięcie początkowe o 0,1 V</translation>
    </message>
    <message>
        <source>Lower the start voltage by 0.1 V</source>
        <translation>Zmniejsz napięcie początkowe o 0,1 V</translation>
    </message>
    <message>
        <source>Raise the stop voltage by 0.1 V</source>
        <translation>Zwiększ napięcie końcowe o 0,1 V</translation>
    </message>
    <message>
        <source>Lower the stop voltage by 0.1 V</source>
        <translation>Zmniejsz napięcie końcowe o 0,1 V</translation>
    </message>
    <message>
        <source>Start delay one minute longer</source>
        <translation>Opóźnienie startu dłuższe o minutę</translation>
    </message>
    <message>
        <source>Start delay one minute shorter</source>
        <translation>Opóźnienie startu krótsze o minutę</translation>
    </message>
    <message>
        <source>Start delay one second longer</source>
        <translation>Opóźnienie startu dłuższe o sekundę</translation>
    </message>
    <message>
        <source>Start delay one second shorter</source>
        <translation>Opóźnienie startu krótsze o sekundę</translation>
    </message>
    <message>
        <source>Curve delay 20 ms longer</source>
        <translation>Opóźnienie krzywej dłuższe o 20 ms</translation>
    </message>
    <message>
        <source>Curve delay 20 ms shorter</source>
        <translation>Opóźnienie krzywej krótsze o 20 ms</translation>
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
        <translation>Nowy punkt</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>The input voltage of the new point</source>
        <translation>Napięcie wejściowe nowego punktu</translation>
    </message>
    <message>
        <source>The input voltage of the point; dragging keeps it</source>
        <translation>Napięcie wejściowe punktu; przeciąganie go nie zmienia</translation>
    </message>
    <message>
        <source>The output voltage the box hands on at this input</source>
        <translation>Napięcie wyjściowe, które moduł podaje przy tym wejściu</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Wejście:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Wyjście:</translation>
    </message>
    <message>
        <source>Output from %1 V to %2 V</source>
        <translation>Wyjście od %1 V do %2 V</translation>
    </message>
</context>
<context>
    <name>CPointsTable</name>
    <message>
        <source>Input (V)</source>
        <translation>Wejście (V)</translation>
    </message>
    <message>
        <source>Output (V)</source>
        <translation>Wyjście (V)</translation>
    </message>
    <message>
        <source>Difference (V)</source>
        <translation>Różnica (V)</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>Points of the edited curve</source>
        <translation>Punkty edytowanej krzywej</translation>
    </message>
    <message>
        <source>Input, output and difference of each point in volts; type an output to set it</source>
        <translation>Wejście, wyjście i różnica każdego punktu w woltach; wpisz wyjście, aby je ustawić</translation>
    </message>
</context>
<context>
    <name>CPortChoiceDlg</name>
    <message>
        <source>Choose the box&apos;s converter</source>
        <translation>Wybierz konwerter modułu</translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s.
Choose the box&apos;s converter:</source>
        <translation>Do modułu może należeć więcej niż jeden konwerter.
Wybierz konwerter modułu:</translation>
    </message>
</context>
<context>
    <name>CRamvikDlg</name>
    <message>
        <source>Click in the graph to add a point, drag a point to move it, right-click to remove it; double-click or Enter types exact values.</source>
        <translation>Kliknij w wykres, aby dodać punkt, przeciągnij punkt, aby go przesunąć, kliknij prawym, aby go usunąć; dwuklik lub Enter – dokładne wartości.</translation>
    </message>
    <message>
        <source>The start voltage is a number of volts, such as 1.5.</source>
        <translation>Napięcie początkowe podaje się w woltach, np. 1,5.</translation>
    </message>
    <message>
        <source>The stop voltage is a number of volts, such as 4.5.</source>
        <translation>Napięcie końcowe podaje się w woltach, np. 4,5.</translation>
    </message>
    <message>
        <source>Type the start delay as minutes and seconds, such as 1:30.</source>
        <translation>Wpisz opóźnienie startu jako minuty i sekundy, np. 1:30.</translation>
    </message>
    <message>
        <source>The curve delay is a whole number of milliseconds, such as 200.</source>
        <translation>Opóźnienie krzywej to całkowita liczba milisekund, np. 200.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>Start a new project</source>
        <translation>Rozpocznij nowy projekt</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>Open a project file</source>
        <translation>Otwórz plik projektu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save the project to its file; asks for a name when it has none</source>
        <translation>Zapisz projekt w jego pliku; gdy nie ma nazwy, pyta o nią</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <source>Save the project under a name</source>
        <translation>Zapisz projekt pod wybraną nazwą</translation>
    </message>
    <message>
        <source>&amp;Print Project...</source>
        <translation>&amp;Drukuj projekt...</translation>
    </message>
    <message>
        <source>Print the project sheet</source>
        <translation>Wydrukuj kartę projektu</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Eksportuj PDF...</translation>
    </message>
    <message>
        <source>Save the project sheet as a PDF file</source>
        <translation>Zapisz kartę projektu jako plik PDF</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Close Ramvik</source>
        <translation>Zamknij program Ramvik</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Cofnij ostatnią zmianę</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Ponów cofniętą zmianę</translation>
    </message>
    <message>
        <source>&amp;Previous Point</source>
        <translation>Popr&amp;zedni punkt</translation>
    </message>
    <message>
        <source>Choose the point left of the chosen one</source>
        <translation>Wybierz punkt na lewo od wybranego</translation>
    </message>
    <message>
        <source>&amp;Next Point</source>
        <translation>&amp;Następny punkt</translation>
    </message>
    <message>
        <source>Choose the point right of the chosen one</source>
        <translation>Wybierz punkt na prawo od wybranego</translation>
    </message>
    <message>
        <source>Move the chosen point up by 0.02 V</source>
        <translation>Przesuń wybrany punkt w górę o 0,02 V</translation>
    </message>
    <message>
        <source>Point &amp;Down</source>
        <translation>Punkt w &amp;dół</translation>
    </message>
    <message>
        <source>Move the chosen point down by 0.02 V</source>
        <translation>Przesuń wybrany punkt w dół o 0,02 V</translation>
    </message>
    <message>
        <source>Move the chosen point up by 0.1 V</source>
        <translation>Przesuń wybrany punkt w górę o 0,1 V</translation>
    </message>
    <message>
        <source>Move the chosen point down by 0.1 V</source>
        <translation>Przesuń wybrany punkt w dół o 0,1 V</translation>
    </message>
    <message>
        <source>Re&amp;move Point</source>
        <translation>&amp;Usuń punkt</translation>
    </message>
    <message>
        <source>Remove the chosen point</source>
        <translation>Usuń wybrany punkt</translation>
    </message>
    <message>
        <source>Point &amp;Values...</source>
        <translation>&amp;Wartości punktu...</translation>
    </message>
    <message>
        <source>Type the exact values of the chosen point, or of a new point</source>
        <translation>Wpisz dokładne wartości wybranego punktu lub nowego punktu</translation>
    </message>
    <message>
        <source>Edit &amp;CR Curve</source>
        <translation>&amp;Edytuj krzywą CR</translation>
    </message>
    <message>
        <source>Edit the CR curve (blue)</source>
        <translation>Edytuj krzywą CR (niebieska)</translation>
    </message>
    <message>
        <source>Edit &amp;TURBO Curve</source>
        <translation>Edytuj krzywą &amp;TURBO</translation>
    </message>
    <message>
        <source>Edit the TURBO curve (red)</source>
        <translation>Edytuj krzywą TURBO (czerwona)</translation>
    </message>
    <message>
        <source>Make the CR curve a straight line again</source>
        <translation>Przywróć krzywą CR do linii prostej</translation>
    </message>
    <message>
        <source>Make the TURBO curve a straight line again</source>
        <translation>Przywróć krzywą TURBO do linii prostej</translation>
    </message>
    <message>
        <source>C&amp;opy Curve</source>
        <translation>&amp;Kopiuj krzywą</translation>
    </message>
    <message>
        <source>Copy the edited curve onto the other curve</source>
        <translation>Skopiuj edytowaną krzywą na drugą krzywą</translation>
    </message>
    <message>
        <source>&amp;Write to Box...</source>
        <translation>&amp;Wgraj do modułu...</translation>
    </message>
    <message>
        <source>Write the curves and parameters into the box</source>
        <translation>Wgraj krzywe i parametry do modułu</translation>
    </message>
    <message>
        <source>&amp;Read from Box...</source>
        <translation>&amp;Odczytaj z modułu...</translation>
    </message>
    <message>
        <source>Read the curves and parameters from the box</source>
        <translation>Odczytaj krzywe i parametry z modułu</translation>
    </message>
    <message>
        <source>&amp;Compare with Box...</source>
        <translation>&amp;Porównaj z modułem...</translation>
    </message>
    <message>
        <source>Read the box and compare it with the project</source>
        <translation>Odczytaj moduł i porównaj go z projektem</translation>
    </message>
    <message>
        <source>Write &amp;History...</source>
        <translation>&amp;Historia wgrań...</translation>
    </message>
    <message>
        <source>What Ramvik sees of the box&apos;s USB converter, and what to do</source>
        <translation>Jak Ramvik widzi konwerter USB modułu i co należy zrobić</translation>
    </message>
    <message>
        <source>&amp;1 CR input</source>
        <translation>&amp;1 wejście CR</translation>
    </message>
    <message>
        <source>&amp;2 CR inputs</source>
        <translation>&amp;2 wejścia CR</translation>
    </message>
    <message>
        <source>CR&amp;&amp;&amp;TURBO</source>
        <translation>CR&amp;&amp;&amp;TURBO</translation>
    </message>
    <message>
        <source>The type of the box the project is for</source>
        <translation>Typ modułu, dla którego jest projekt</translation>
    </message>
    <message>
        <source>&amp;Input-Output</source>
        <translation>&amp;Wejście-wyjście</translation>
    </message>
    <message>
        <source>Show the output voltage against the input voltage</source>
        <translation>Pokaż napięcie wyjściowe względem wejściowego</translation>
    </message>
    <message>
        <source>&amp;Difference</source>
        <translation>&amp;Różnica</translation>
    </message>
    <message>
        <source>Show the input voltage minus the output voltage</source>
        <translation>Pokaż napięcie wejściowe minus wyjściowe</translation>
    </message>
    <message>
        <source>Show C&amp;R Curve</source>
        <translation>Pokaż krzywą &amp;CR</translation>
    </message>
    <message>
        <source>Show the CR curve while the TURBO curve is edited</source>
        <translation>Pokazuj krzywą CR podczas edycji krzywej TURBO</translation>
    </message>
    <message>
        <source>Show &amp;TURBO Curve</source>
        <translation>Pokaż krzywą &amp;TURBO</translation>
    </message>
    <message>
        <source>Show the TURBO curve while the CR curve is edited</source>
        <translation>Pokazuj krzywą TURBO podczas edycji krzywej CR</translation>
    </message>
    <message>
        <source>&amp;Keys and Mouse</source>
        <translation>&amp;Klawisze i mysz</translation>
    </message>
    <message>
        <source>How to edit the curves with the mouse and the keys</source>
        <translation>Jak edytować krzywe myszą i klawiszami</translation>
    </message>
    <message>
        <source>&amp;About Ramvik...</source>
        <translation>&amp;O programie Ramvik...</translation>
    </message>
    <message>
        <source>The program&apos;s name and version</source>
        <translation>Nazwa i wersja programu</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ostatnie &amp;projekty</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Box</source>
        <translation>&amp;Moduł</translation>
    </message>
    <message>
        <source>Box &amp;Type</source>
        <translation>&amp;Typ modułu</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Everyday actions</source>
        <translation>Najczęstsze czynności</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Dokument PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Ramvik Project (*.rmvp)</source>
        <translation>Projekt Ramvik (*.rmvp)</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>Nie udało się utworzyć pliku PDF.</translation>
    </message>
    <message>
        <source>Can&apos;t save file!

%1

%2</source>
        <translation>Nie można zapisać pliku!

%1

%2</translation>
    </message>
    <message>
        <source>The project sheet went to %1.</source>
        <translation>Kartę projektu zapisano w %1.</translation>
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
        <translation>Brak projektów</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Wyczyść listę</translation>
    </message>
    <message>
        <source>Forget the projects listed here; the files stay</source>
        <translation>Usuń projekty z tej listy; pliki pozostają</translation>
    </message>
    <message>
        <source>Po&amp;int Up</source>
        <translation>Punkt w &amp;górę</translation>
    </message>
    <message>
        <source>Point Up &amp;by 0.1 V</source>
        <translation>Punkt w&amp;yżej o 0,1 V</translation>
    </message>
    <message>
        <source>Point Do&amp;wn by 0.1 V</source>
        <translation>Punkt n&amp;iżej o 0,1 V</translation>
    </message>
    <message>
        <source>R&amp;eset CR Curve</source>
        <translation>Resetuj krzywą C&amp;R</translation>
    </message>
    <message>
        <source>Re&amp;set TURBO Curve</source>
        <translation>Resetuj krzywą TUR&amp;BO</translation>
    </message>
    <message>
        <source>C&amp;onnection Help</source>
        <translation>Pomoc przy połą&amp;czeniu</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>Język &amp;systemu</translation>
    </message>
    <message>
        <source>Reset &amp;Zoom</source>
        <translation>Resetuj &amp;powiększenie</translation>
    </message>
    <message>
        <source>Show the whole range of the graph again</source>
        <translation>Pokaż znowu cały zakres wykresu</translation>
    </message>
    <message>
        <source>Find earlier writes by customer, vehicle or box; open, compare, print or write back</source>
        <translation>Szukaj wcześniejszych wgrań według klienta, pojazdu lub modułu; otwórz, porównaj, drukuj lub przywróć</translation>
    </message>
    <message>
        <source>Select the points that take the file&apos;s points first.</source>
        <translation>Najpierw zaznacz punkty, które mają przyjąć punkty pliku.</translation>
    </message>
    <message>
        <source>Cop&amp;y Points</source>
        <translation>K&amp;opiuj punkty</translation>
    </message>
    <message>
        <source>Copy the selected points, or every point when none is selected, as text</source>
        <translation>Skopiuj zaznaczone punkty (wszystkie, gdy żaden nie jest zaznaczony) jako tekst</translation>
    </message>
    <message>
        <source>P&amp;aste Points</source>
        <translation>Wk&amp;lej punkty</translation>
    </message>
    <message>
        <source>Paste outputs or input and output pairs onto the selected points</source>
        <translation>Wklej wyjścia lub pary wejście–wyjście na zaznaczone punkty</translation>
    </message>
    <message>
        <source>Select &amp;All Points</source>
        <translation>Zaznacz &amp;wszystkie</translation>
    </message>
    <message>
        <source>Select every point of the edited curve</source>
        <translation>Zaznacz wszystkie punkty edytowanej krzywej</translation>
    </message>
    <message>
        <source>&amp;Clear Selection</source>
        <translation>&amp;Odznacz wszystko</translation>
    </message>
    <message>
        <source>Select no point</source>
        <translation>Odznacz wszystkie punkty</translation>
    </message>
    <message>
        <source>&amp;Set Output...</source>
        <translation>&amp;Ustaw wyjście...</translation>
    </message>
    <message>
        <source>Give every selected point the same output</source>
        <translation>Nadaj wszystkim zaznaczonym punktom to samo wyjście</translation>
    </message>
    <message>
        <source>A&amp;dd Voltage...</source>
        <translation>&amp;Dodaj napięcie...</translation>
    </message>
    <message>
        <source>Raise the outputs of the selected points by a voltage; a negative one lowers them</source>
        <translation>Podnieś wyjścia zaznaczonych punktów o podane napięcie; ujemne je obniża</translation>
    </message>
    <message>
        <source>Scale by &amp;Percent...</source>
        <translation>&amp;Skaluj procentowo...</translation>
    </message>
    <message>
        <source>Multiply the outputs of the selected points by a percentage</source>
        <translation>Pomnóż wyjścia zaznaczonych punktów przez wartość procentową</translation>
    </message>
    <message>
        <source>&amp;Interpolate</source>
        <translation>&amp;Interpoluj</translation>
    </message>
    <message>
        <source>Put the inner selected points on the straight line between the first and the last</source>
        <translation>Ustaw wewnętrzne zaznaczone punkty na prostej między pierwszym a ostatnim</translation>
    </message>
    <message>
        <source>S&amp;mooth</source>
        <translation>W&amp;ygładź</translation>
    </message>
    <message>
        <source>Move each inner selected point halfway toward its neighbours; the ends stay</source>
        <translation>Przesuń każdy wewnętrzny zaznaczony punkt do połowy drogi ku sąsiadom; skrajne zostają</translation>
    </message>
    <message>
        <source>Compare with &amp;File...</source>
        <translation>Porównaj z pl&amp;ikiem...</translation>
    </message>
    <message>
        <source>Draw another project file over this one and list what differs</source>
        <translation>Narysuj inny plik projektu na tym projekcie i pokaż różnice</translation>
    </message>
    <message>
        <source>Se&amp;lection</source>
        <translation>Z&amp;aznaczenie</translation>
    </message>
    <message>
        <source>&amp;Points Table</source>
        <translation>T&amp;abela punktów</translation>
    </message>
    <message>
        <source>Show or hide the table of the edited curve&apos;s points</source>
        <translation>Pokaż lub ukryj tabelę punktów edytowanej krzywej</translation>
    </message>
    <message>
        <source>Set Output</source>
        <translation>Ustaw wyjście</translation>
    </message>
    <message>
        <source>Output of the selected points:</source>
        <translation>Wyjście zaznaczonych punktów:</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Type an output from 0 to 5 V, such as %1.</source>
        <translation>Wpisz wyjście od 0 do 5 V, np. %1.</translation>
    </message>
    <message>
        <source>Add Voltage</source>
        <translation>Dodaj napięcie</translation>
    </message>
    <message>
        <source>Voltage to add (negative lowers):</source>
        <translation>Napięcie do dodania (ujemne obniża):</translation>
    </message>
    <message>
        <source>Type a voltage from -5 to 5 V, such as %1 or %2.</source>
        <translation>Wpisz napięcie od -5 do 5 V, np. %1 lub %2.</translation>
    </message>
    <message>
        <source>Scale by Percent</source>
        <translation>Skaluj procentowo</translation>
    </message>
    <message>
        <source>Percentage of the outputs:</source>
        <translation>Procent obecnych wyjść:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Type a percentage from 0 to 1000, such as %1.</source>
        <translation>Wpisz procent od 0 do 1000, np. %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s) copied.</source>
        <translation>
            <numerusform>Skopiowano %n punkt.</numerusform>
            <numerusform>Skopiowano %n punkty.</numerusform>
            <numerusform>Skopiowano %n punktów.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>Schowek nie zawiera tekstu do wklejenia.</translation>
    </message>
    <message>
        <source>An output is a number of volts, such as %1.</source>
        <translation>Wyjście podaje się w woltach, np. %1.</translation>
    </message>
</context>
<context>
    <name>CRead</name>
    <message>
        <source>Read from box</source>
        <translation>Odczyt z modułu</translation>
    </message>
    <message>
        <source>Read Data</source>
        <translation>Odczytaj dane</translation>
    </message>
    <message>
        <source>Nothing was read: no box could be reached. The project is unchanged.</source>
        <translation>Nic nie odczytano: nie udało się połączyć z modułem. Projekt jest bez zmian.</translation>
    </message>
    <message>
        <source>Nothing was read: the transfer stopped before the first cell. The project is unchanged.</source>
        <translation>Nic nie odczytano: transmisja zatrzymała się przed pierwszą komórką. Projekt jest bez zmian.</translation>
    </message>
    <message>
        <source>The read stopped after %1 of %2 cells, so nothing was taken from the box. The project is unchanged.</source>
        <translation>Odczyt zatrzymał się po %1 z %2 komórek, więc nic nie przejęto z modułu. Projekt jest bez zmian.</translation>
    </message>
    <message>
        <source>The project of box %1 (%2) is now the window&apos;s project; it is not saved in any file yet.</source>
        <translation>Projekt z modułu %1 (%2) jest teraz projektem w oknie; nie jest jeszcze zapisany w żadnym pliku.</translation>
    </message>
    <message>
        <source>The read was stopped after %1 of %2 cells: nothing was taken from the box, and the project is unchanged.</source>
        <translation>Odczyt zatrzymano po %1 z %2 komórek: nic nie przejęto z modułu, a projekt jest bez zmian.</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>%1 of %2 cells</source>
        <translation>%1 z %2 komórek</translation>
    </message>
    <message>
        <source>%1 of %2 cells, %3 left</source>
        <translation>%1 z %2 komórek, zostało %3</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Stop the transfer after the cell on its way</source>
        <translation>Zatrzymaj transmisję po komórce, która jest właśnie przesyłana</translation>
    </message>
</context>
<context>
    <name>CWrite</name>
    <message>
        <source>Write to box</source>
        <translation>Wgrywanie do modułu</translation>
    </message>
    <message>
        <source>Write Data</source>
        <translation>Wgraj dane</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Weryfikuj po wgraniu</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>two sentences, one after the other</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>It is kept in the history as %1.</source>
        <translation>Projekt został zachowany w historii jako %1.</translation>
    </message>
    <message>
        <source>It was not kept in the history: no history folder is known.</source>
        <translation>Projekt nie został zachowany w historii: nie jest znany folder historii.</translation>
    </message>
    <message>
        <source>It could not be kept in the history: %1.</source>
        <translation>Nie udało się zachować projektu w historii: %1.</translation>
    </message>
    <message>
        <source>The connection did not close cleanly afterwards; the box holds the project all the same.</source>
        <translation>Potem połączenie nie zamknęło się poprawnie; mimo to moduł zawiera projekt.</translation>
    </message>
    <message>
        <source>The project was written into box %1, but the box holds other values than were written; the first difference: %2</source>
        <translation>Projekt został wgrany do modułu %1, ale moduł zawiera inne wartości niż wgrane; pierwsza różnica: %2</translation>
    </message>
    <message>
        <source>The write stopped after %1 of %2 cells: box %3 may now hold parts of two projects. Write the project again before the box is used.</source>
        <translation>Wgrywanie zatrzymało się po %1 z %2 komórek: moduł %3 może teraz zawierać części dwóch projektów. Wgraj projekt ponownie, zanim moduł zostanie użyty.</translation>
    </message>
    <message>
        <source>Nothing was written: the transfer stopped before the first cell. The box holds what it held before.</source>
        <translation>Nic nie wgrano: transmisja zatrzymała się przed pierwszą komórką. Moduł zawiera to, co przedtem.</translation>
    </message>
    <message>
        <source>Nothing was written: the box cannot hold the project as it is.</source>
        <translation>Nic nie wgrano: moduł nie może przyjąć projektu w obecnej postaci.</translation>
    </message>
    <message>
        <source>Nothing was written: no box could be reached.</source>
        <translation>Nic nie wgrano: nie udało się połączyć z modułem.</translation>
    </message>
    <message>
        <source>Write back to box</source>
        <translation>Przywracanie zawartości modułu</translation>
    </message>
    <message>
        <source>Read cells 0 to 254 back after writing and compare them</source>
        <translation>Po wgraniu odczytaj komórki od 0 do 254 i porównaj je</translation>
    </message>
    <message>
        <source>Back up the box first</source>
        <translation>Najpierw kopia zapasowa modułu</translation>
    </message>
    <message>
        <source>Read what the box holds before writing and keep it in the write history, so that it can be written back</source>
        <translation>Przed wgraniem odczytaj zawartość modułu i zachowaj ją w historii wgrań, aby można ją było przywrócić</translation>
    </message>
    <message>
        <source>&amp;Job (customer, vehicle, note)</source>
        <translation>&amp;Zlecenie (klient, pojazd, uwagi)</translation>
    </message>
    <message>
        <source>What the write history keeps about this job; all optional</source>
        <translation>Dane zlecenia zachowywane w historii wgrań; wszystkie opcjonalne</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>&amp;Klient:</translation>
    </message>
    <message>
        <source>&amp;Vehicle:</source>
        <translation>&amp;Pojazd:</translation>
    </message>
    <message>
        <source>&amp;Registration or VIN:</source>
        <translation>Nr &amp;rejestracyjny lub VIN:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Uwagi:</translation>
    </message>
    <message>
        <source>Writes back what box %1 held before the write of %2.</source>
        <translation>Przywraca zawartość modułu %1 sprzed wgrania z %2.</translation>
    </message>
    <message>
        <source>Stop the write?

The box will hold parts of two projects until a project is written into it again.</source>
        <translation>Zatrzymać wgrywanie?

Moduł będzie zawierał części dwóch projektów, dopóki ponownie nie zostanie do niego wgrany projekt.</translation>
    </message>
    <message>
        <source>Written into box %1; %2.</source>
        <comment>the box, then the outcome</comment>
        <translation>Wgrano do modułu %1; %2.</translation>
    </message>
</context>
<context>
    <name>CellMeaning</name>
    <message>
        <source>empty %1 pair %2, input</source>
        <translation>pusta para %1 nr %2, wejście</translation>
    </message>
    <message>
        <source>empty %1 pair %2, output</source>
        <translation>pusta para %1 nr %2, wyjście</translation>
    </message>
    <message>
        <source>%1 point at %2 V, input</source>
        <translation>punkt %1 przy %2 V, wejście</translation>
    </message>
    <message>
        <source>%1 point at %2 V, output</source>
        <translation>punkt %1 przy %2 V, wyjście</translation>
    </message>
    <message>
        <source>first CR input</source>
        <translation>wejście 1. punktu CR</translation>
    </message>
    <message>
        <source>stop voltage</source>
        <translation>napięcie końcowe</translation>
    </message>
    <message>
        <source>start voltage</source>
        <translation>napięcie początkowe</translation>
    </message>
    <message>
        <source>CR output at the stop voltage</source>
        <translation>wyjście CR przy napięciu końcowym</translation>
    </message>
    <message>
        <source>box type and curve delay</source>
        <translation>typ modułu i opóźnienie krzywej</translation>
    </message>
    <message>
        <source>CR output at the start voltage</source>
        <translation>wyjście CR przy napięciu początkowym</translation>
    </message>
    <message>
        <source>start delay</source>
        <translation>opóźnienie startu</translation>
    </message>
    <message>
        <source>box identification</source>
        <translation>identyfikator modułu</translation>
    </message>
    <message>
        <source>CR difference table at %1 V</source>
        <translation>tabela różnic CR przy %1 V</translation>
    </message>
    <message>
        <source>TURBO table at %1 V</source>
        <translation>tabela TURBO przy %1 V</translation>
    </message>
    <message>
        <source>cell outside the box</source>
        <translation>komórka spoza modułu</translation>
    </message>
</context>
<context>
    <name>ConnectionDoctor</name>
    <message>
        <source>Looked for FTDI FT232 converters (USB 0403:6001, 0403:6014, 0403:6015) and for
devices named &quot;%1&quot;.</source>
        <translation>Szukano konwerterów FTDI FT232 (USB 0403:6001, 0403:6014, 0403:6015) oraz
urządzeń o nazwie &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Ramvik looked for FTDI FT232 converters (USB 0403:6001, 0403:6014, 0403:6015) and for devices named &quot;%1&quot;.</source>
        <translation>Ramvik szukał konwerterów FTDI FT232 (USB 0403:6001, 0403:6014, 0403:6015) oraz urządzeń o nazwie „%1”.</translation>
    </message>
    <message>
        <source>%1 does not exist.
Fix: name a device that ramvik-cli ports lists.</source>
        <translation>%1 nie istnieje.
Rozwiązanie: podaj urządzenie, które wymienia ramvik-cli ports.</translation>
    </message>
    <message>
        <source>%1 does not exist.
What to do: Plug the box&apos;s converter in, then try the transfer again.</source>
        <translation>%1 nie istnieje.
Co zrobić: podłącz konwerter modułu i ponów transmisję.</translation>
    </message>
    <message>
        <source>%1 is served by the kernel driver %2.</source>
        <translation>%1 jest obsługiwany przez sterownik jądra %2.</translation>
    </message>
    <message>
        <source>The user %1 may open %2.</source>
        <translation>Użytkownik %1 może otwierać %2.</translation>
    </message>
    <message>
        <source>No other program holds %1.</source>
        <translation>Żaden inny program nie używa %1.</translation>
    </message>
    <message>
        <source>No other program of this user holds %1 (those of other users
are visible to root only).</source>
        <translation>Żaden inny program tego użytkownika nie używa %1 (programy innych
użytkowników widzi tylko root).</translation>
    </message>
    <message>
        <source>No other program of this user holds %1.</source>
        <translation>Żaden inny program tego użytkownika nie używa %1.</translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms. Ramvik lowers it while it transfers, where the driver allows.
Nothing to do for a transfer. Whoever looks after this computer can set it to 1 ms for good with Ramvik&apos;s udev rule %3.</source>
        <translation>Latency timer portu %1 wynosi %2 ms. Ramvik obniża go na czas transmisji, jeśli sterownik na to pozwala.
Do transmisji nic nie trzeba robić. Osoba, która opiekuje się tym komputerem, może ustawić go na stałe na 1 ms regułą udev programu Ramvik %3.</translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms. Ramvik lowers it while it transfers,
where the driver allows. To set it to 1 ms for good, install the udev rule:
%3</source>
        <translation>Latency timer portu %1 wynosi %2 ms. Ramvik obniża go na czas transmisji,
jeśli sterownik pozwala. Aby ustawić go na stałe na 1 ms, zainstaluj regułę udev:
%3</translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms.</source>
        <translation>Latency timer portu %1 wynosi %2 ms.</translation>
    </message>
    <message>
        <source>A converter is connected: %1</source>
        <translation>Konwerter jest podłączony: %1</translation>
    </message>
    <message>
        <source>%1
Fix: name the box&apos;s converter: ramvik-cli doctor --port PATH, and the same
--port PATH for write and read.</source>
        <translation>%1
Rozwiązanie: wskaż konwerter modułu: ramvik-cli doctor --port ŚCIEŻKA, i to samo
--port ŚCIEŻKA przy write i read.</translation>
    </message>
    <message>
        <source>%1
What to do: Start a transfer and choose the box&apos;s converter when Ramvik asks; Ramvik remembers the choice. Or unplug the converters that are not the box&apos;s.</source>
        <translation>%1
Co zrobić: rozpocznij transmisję i wybierz konwerter modułu, gdy Ramvik zapyta; Ramvik zapamięta wybór. Albo odłącz konwertery, które nie należą do modułu.</translation>
    </message>
    <message>
        <source>A converter is connected: USB %1 (USB device %2).</source>
        <translation>Konwerter jest podłączony: USB %1 (urządzenie USB %2).</translation>
    </message>
    <message>
        <source>A converter is connected: USB %1  &quot;%2&quot; (USB device %3).</source>
        <translation>Konwerter jest podłączony: USB %1  &quot;%2&quot; (urządzenie USB %3).</translation>
    </message>
    <message>
        <source>The vendor library reaches it.</source>
        <translation>Biblioteka producenta ma do niego dostęp.</translation>
    </message>
    <message>
        <source>No serial driver has taken it: it has no serial device.
Fix: load the kernel&apos;s driver (sudo modprobe ftdi_sio). brltty, when installed, takes
such converters away: remove it (sudo apt remove brltty) unless a braille
display is used, then plug the converter in again.</source>
        <translation>Żaden sterownik portu szeregowego go nie przejął: nie ma urządzenia szeregowego.
Rozwiązanie: załaduj sterownik jądra (sudo modprobe ftdi_sio). Zainstalowany brltty przejmuje
takie konwertery: usuń go (sudo apt remove brltty), jeśli nie jest używany monitor
brajlowski, a potem podłącz konwerter ponownie.</translation>
    </message>
    <message>
        <source>A converter is connected: the vendor library sees %1 FTDI device(s).</source>
        <translation>Konwerter jest podłączony: liczba urządzeń FTDI widzianych przez bibliotekę producenta: %1.</translation>
    </message>
    <message>
        <source>No converter for the box is connected.
%1
Fix: plug the box&apos;s converter in; ramvik-cli ports lists every serial port.</source>
        <translation>Nie podłączono konwertera modułu.
%1
Rozwiązanie: podłącz konwerter modułu; ramvik-cli ports wymienia wszystkie porty szeregowe.</translation>
    </message>
    <message>
        <source>No converter for the box is connected.
%1
What to do: Plug the box&apos;s converter in (into another USB socket if it is plugged in), then try the transfer again.</source>
        <translation>Nie podłączono konwertera modułu.
%1
Co zrobić: podłącz konwerter modułu (do innego gniazda USB, jeśli już jest podłączony) i ponów transmisję.</translation>
    </message>
    <message>
        <source>The vendor library %1 is present and complete.</source>
        <translation>Biblioteka producenta %1 jest obecna i kompletna.</translation>
    </message>
    <message>
        <source>The vendor library %1 is not installed; the system&apos;s serial driver serves
the converter instead.</source>
        <translation>Biblioteka producenta %1 nie jest zainstalowana; konwerter obsługuje zamiast
niej systemowy sterownik portu szeregowego.</translation>
    </message>
    <message>
        <source>The vendor library %1 is not installed; the system&apos;s serial driver serves the converter instead.</source>
        <translation>Biblioteka producenta %1 nie jest zainstalowana; konwerter obsługuje zamiast niej systemowy sterownik portu szeregowego.</translation>
    </message>
    <message>
        <source>%1
Fix: install FTDI&apos;s D2XX driver (ftdichip.com, &quot;D2XX Drivers&quot;) for this system.</source>
        <translation>%1
Rozwiązanie: zainstaluj sterownik D2XX firmy FTDI (ftdichip.com, &quot;D2XX Drivers&quot;) dla tego systemu.</translation>
    </message>
    <message>
        <source>%1
What to do: Ask whoever looks after this computer to install FTDI&apos;s D2XX driver (ftdichip.com, &quot;D2XX Drivers&quot;) for this system.</source>
        <translation>%1
Co zrobić: poproś osobę, która opiekuje się tym komputerem, o zainstalowanie sterownika D2XX firmy FTDI (ftdichip.com, &quot;D2XX Drivers&quot;) dla tego systemu.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NOTE</source>
        <translation>UWAGA</translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <translation>PROBLEM</translation>
    </message>
    <message>
        <source>The named device is there: %1</source>
        <translation>Wskazane urządzenie jest obecne: %1</translation>
    </message>
    <message>
        <source>A transfer can start.</source>
        <translation>Można rozpocząć transmisję.</translation>
    </message>
    <message>
        <source>A transfer cannot start yet.</source>
        <translation>Nie można jeszcze rozpocząć transmisji.</translation>
    </message>
</context>
<context>
    <name>D2xxLibrary</name>
    <message>
        <source>Error: Can&apos;t Load %1</source>
        <translation>Błąd: nie można załadować %1</translation>
    </message>
    <message>
        <source>Error: Can&apos;t Find %1</source>
        <translation>Błąd: nie można znaleźć %1</translation>
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
        <translation>U[we]</translation>
    </message>
    <message>
        <source>V[Out]</source>
        <translation>U[wy]</translation>
    </message>
    <message>
        <source>Input - Output</source>
        <translation>Wejście - wyjście</translation>
    </message>
    <message>
        <source>V[Diff]</source>
        <translation>ΔU</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Różnica</translation>
    </message>
    <message>
        <source>Input - output:</source>
        <translation>Wejście - wyjście:</translation>
    </message>
    <message>
        <source>up to %1 V</source>
        <translation>do %1 V</translation>
    </message>
    <message>
        <source>%1 V to %2 V</source>
        <translation>od %1 V do %2 V</translation>
    </message>
    <message>
        <source>above the input: the output would be below 0 V</source>
        <translation>powyżej wejścia: wyjście byłoby poniżej 0 V</translation>
    </message>
    <message>
        <source>V[in]:%1 V[diff]:%2</source>
        <translation>U[we]:%1 ΔU:%2</translation>
    </message>
    <message>
        <source>Project CR</source>
        <translation>CR projektu</translation>
    </message>
    <message>
        <source>Project TURBO</source>
        <translation>TURBO projektu</translation>
    </message>
    <message>
        <source>Box CR</source>
        <translation>CR modułu</translation>
    </message>
    <message>
        <source>Box TURBO</source>
        <translation>TURBO modułu</translation>
    </message>
    <message>
        <source>CR of %1</source>
        <translation>CR z %1</translation>
    </message>
    <message>
        <source>TURBO of %1</source>
        <translation>TURBO z %1</translation>
    </message>
</context>
<context>
    <name>PointRange</name>
    <message>
        <source>%1, %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>1 point changed</source>
        <translation>Zmieniono 1 punkt</translation>
    </message>
    <message>
        <source>%1 points changed</source>
        <translation>Zmieniono %1 pkt</translation>
    </message>
    <message>
        <source>1 point added</source>
        <translation>Dodano 1 punkt</translation>
    </message>
    <message>
        <source>%1 points added</source>
        <translation>Dodano %1 pkt</translation>
    </message>
    <message>
        <source>1 point removed</source>
        <translation>Usunięto 1 punkt</translation>
    </message>
    <message>
        <source>%1 points removed</source>
        <translation>Usunięto %1 pkt</translation>
    </message>
    <message>
        <source>No point changed</source>
        <translation>Żaden punkt się nie zmienił</translation>
    </message>
    <message>
        <source>1 held at %1 V</source>
        <translation>Ograniczono 1 punkt do %1 V</translation>
    </message>
    <message>
        <source>%1 held at %2 V</source>
        <translation>Ograniczono %1 pkt do %2 V</translation>
    </message>
    <message>
        <source>1 held at its limit</source>
        <translation>Ograniczono 1 punkt do granicy</translation>
    </message>
    <message>
        <source>%1 held at their limits</source>
        <translation>Ograniczono %1 pkt do granic</translation>
    </message>
    <message>
        <source>1 may not move</source>
        <translation>Nie można przesunąć 1 punktu</translation>
    </message>
    <message>
        <source>%1 may not move</source>
        <translation>Nie można przesunąć %1 pkt</translation>
    </message>
    <message>
        <source>The text holds no numbers.</source>
        <translation>Tekst nie zawiera liczb.</translation>
    </message>
    <message>
        <source>No point is selected.</source>
        <translation>Nie zaznaczono żadnego punktu.</translation>
    </message>
    <message>
        <source>The value is not a number.</source>
        <translation>Wartość nie jest liczbą.</translation>
    </message>
    <message>
        <source>The other project has no TURBO curve.</source>
        <translation>Drugi projekt nie ma krzywej TURBO.</translation>
    </message>
    <message>
        <source>Nothing changed: %1</source>
        <translation>Nic nie zmieniono: %1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message>
        <source>Interpolating needs three selected points or more.</source>
        <translation>Interpolacja wymaga co najmniej trzech zaznaczonych punktów.</translation>
    </message>
    <message>
        <source>Smoothing needs three selected points or more.</source>
        <translation>Wygładzanie wymaga co najmniej trzech zaznaczonych punktów.</translation>
    </message>
    <message>
        <source>the output is not a number.</source>
        <translation>wyjście nie jest liczbą.</translation>
    </message>
    <message>
        <source>the input %1 V lies outside 0 V to 5 V.</source>
        <translation>wejście %1 V leży poza zakresem od 0 V do 5 V.</translation>
    </message>
    <message>
        <source>the input %1 V is not on the box&apos;s 0.02 V steps.</source>
        <translation>wejście %1 V nie pasuje do kroku modułu 0,02 V.</translation>
    </message>
    <message>
        <source>the input %1 V is given twice.</source>
        <translation>wejście %1 V podano dwukrotnie.</translation>
    </message>
    <message>
        <source>the output %1 V at %2 V lies outside %3 V to %4 V.</source>
        <translation>wyjście %1 V przy %2 V leży poza zakresem od %3 V do %4 V.</translation>
    </message>
    <message>
        <source>The CR curve would hold %1 points; a box stores %2.</source>
        <translation>Krzywa CR miałaby %1 pkt; moduł mieści najwyżej %2.</translation>
    </message>
    <message>
        <source>The TURBO curve would hold %1 points; a box stores %2.</source>
        <translation>Krzywa TURBO miałaby %1 pkt; moduł mieści najwyżej %2.</translation>
    </message>
    <message>
        <source>Select the points these numbers are the outputs of, or paste input and output pairs.</source>
        <translation>Zaznacz punkty, których wyjściami są te liczby, albo wklej pary wejście–wyjście.</translation>
    </message>
    <message>
        <source>%1 numbers for 1 selected point: select as many points as there are numbers.</source>
        <translation>Liczb: %1, zaznaczonych punktów: 1; zaznacz tyle punktów, ile jest liczb.</translation>
    </message>
    <message>
        <source>%1 numbers for %2 selected points: select as many points as there are numbers.</source>
        <translation>Liczb: %1, zaznaczonych punktów: %2; zaznacz tyle punktów, ile jest liczb.</translation>
    </message>
    <message>
        <source>The text holds single numbers; replacing points needs an input and an output on each line.</source>
        <translation>Tekst zawiera pojedyncze liczby; zastąpienie punktów wymaga wejścia i wyjścia w każdym wierszu.</translation>
    </message>
</context>
<context>
    <name>PointText</name>
    <message>
        <source>Line %1 is not a number or a pair of numbers: &quot;%2&quot;</source>
        <translation>Wiersz %1 nie jest liczbą ani parą liczb: „%2”</translation>
    </message>
    <message>
        <source>The text holds no numbers.</source>
        <translation>Tekst nie zawiera liczb.</translation>
    </message>
    <message>
        <source>Line %1 holds two numbers where the lines before it hold one: &quot;%2&quot;</source>
        <translation>Wiersz %1 zawiera dwie liczby, a wcześniejsze wiersze po jednej: „%2”</translation>
    </message>
    <message>
        <source>Line %1 holds one number where the lines before it hold two: &quot;%2&quot;</source>
        <translation>Wiersz %1 zawiera jedną liczbę, a wcześniejsze wiersze po dwie: „%2”</translation>
    </message>
</context>
<context>
    <name>PortAdvice</name>
    <message>
        <source>Stop it (sudo systemctl stop ModemManager), or install Ramvik&apos;s udev rule %1,
which tells ModemManager to leave the box&apos;s converter alone.</source>
        <translation>Zatrzymaj go (sudo systemctl stop ModemManager) lub zainstaluj regułę udev programu Ramvik %1,
która każe ModemManagerowi zostawić konwerter modułu w spokoju.</translation>
    </message>
    <message>
        <source>What to do: ModemManager looks after mobile modems and has taken the converter. Ask whoever looks after this computer to stop it, or to install Ramvik&apos;s udev rule %1, which tells ModemManager to leave the box&apos;s converter alone.</source>
        <translation>Co zrobić: ModemManager obsługuje modemy komórkowe i przejął konwerter. Poproś osobę, która opiekuje się tym komputerem, o jego zatrzymanie lub o zainstalowanie reguły udev programu Ramvik %1, która każe ModemManagerowi zostawić konwerter modułu w spokoju.</translation>
    </message>
    <message>
        <source>brltty, the braille display driver, takes USB serial converters. Stop it
(sudo systemctl stop brltty), or remove it (sudo apt remove brltty) when no
braille display is used.</source>
        <translation>brltty, sterownik monitorów brajlowskich, przejmuje konwertery USB-szeregowe. Zatrzymaj go
(sudo systemctl stop brltty) lub usuń (sudo apt remove brltty), jeśli nie jest
używany monitor brajlowski.</translation>
    </message>
    <message>
        <source>What to do: brltty, the driver for braille displays, takes USB serial converters. Ask whoever looks after this computer to stop it, or to remove it when no braille display is used.</source>
        <translation>Co zrobić: brltty, sterownik monitorów brajlowskich, przejmuje konwertery USB-szeregowe. Poproś osobę, która opiekuje się tym komputerem, o jego zatrzymanie lub usunięcie, jeśli nie jest używany monitor brajlowski.</translation>
    </message>
    <message>
        <source>Close %1, then try again.</source>
        <translation>Zamknij %1 i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>What to do: Close the program %1, which has the converter open, then try again. If you cannot find it, ask whoever looks after this computer to stop it.</source>
        <translation>Co zrobić: zamknij program %1, który ma otwarty konwerter, i spróbuj ponownie. Jeśli nie możesz go znaleźć, poproś osobę, która opiekuje się tym komputerem, o jego zatrzymanie.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2.
Install Ramvik&apos;s udev rule %3, which gives the logged-in user the box&apos;s converter,
then plug the converter in again.</source>
        <translation>Użytkownik %1 nie może otwierać %2.
Zainstaluj regułę udev programu Ramvik %3, która daje zalogowanemu użytkownikowi dostęp do konwertera modułu,
a potem podłącz konwerter ponownie.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2.
What to do: Ask whoever looks after this computer to install Ramvik&apos;s udev rule %3, which gives the logged-in user the box&apos;s converter. Then plug the converter in again.</source>
        <translation>Użytkownik %1 nie może otwierać %2.
Co zrobić: poproś osobę, która opiekuje się tym komputerem, o zainstalowanie reguły udev programu Ramvik %3, która daje zalogowanemu użytkownikowi dostęp do konwertera modułu. Potem podłącz konwerter ponownie.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2: it belongs to the group %3.
Add the user to that group (sudo usermod -aG %3 %1), then log in again,
or install Ramvik&apos;s udev rule %4, which gives the logged-in user the box&apos;s converter.</source>
        <translation>Użytkownik %1 nie może otwierać %2: urządzenie należy do grupy %3.
Dodaj użytkownika do tej grupy (sudo usermod -aG %3 %1) i zaloguj się ponownie
albo zainstaluj regułę udev programu Ramvik %4, która daje zalogowanemu użytkownikowi dostęp do konwertera modułu.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2: it belongs to the group %3.
What to do: Ask whoever looks after this computer to add the user %1 to the group %3 (or to install Ramvik&apos;s udev rule %4), then log in again.</source>
        <translation>Użytkownik %1 nie może otwierać %2: urządzenie należy do grupy %3.
Co zrobić: poproś osobę, która opiekuje się tym komputerem, o dodanie użytkownika %1 do grupy %3 (lub o zainstalowanie reguły udev programu Ramvik %4), a potem zaloguj się ponownie.</translation>
    </message>
    <message>
        <source>%1 is in use by %2 (process %3).
%4</source>
        <translation>%1 jest używany przez %2 (proces %3).
%4</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 nie istnieje.</translation>
    </message>
    <message>
        <source>%1 does not exist.
What to do: Plug the box&apos;s converter in, then try again.</source>
        <translation>%1 nie istnieje.
Co zrobić: podłącz konwerter modułu i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Ramvik finds no converter that may be the box&apos;s.
What to do: Plug the box&apos;s converter in (into another USB socket if it is plugged in), then try again.</source>
        <translation>Ramvik nie znajduje żadnego konwertera, który mógłby należeć do modułu.
Co zrobić: podłącz konwerter modułu (do innego gniazda USB, jeśli już jest podłączony) i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The box&apos;s converter is plugged in, but no serial driver has taken it, so Ramvik cannot talk through it.
What to do: Unplug the converter and plug it in again. If that does not help, ask whoever looks after this computer to load the driver ftdi_sio and to remove brltty (a driver for braille displays, which takes such converters away) unless a braille display is used.</source>
        <translation>Konwerter modułu jest podłączony, ale nie przejął go żaden sterownik portu szeregowego, więc Ramvik nie może się przez niego komunikować.
Co zrobić: odłącz konwerter i podłącz go ponownie. Jeśli to nie pomoże, poproś osobę, która opiekuje się tym komputerem, o załadowanie sterownika ftdi_sio i usunięcie brltty (sterownika monitorów brajlowskich, który przejmuje takie konwertery), jeśli nie jest używany monitor brajlowski.</translation>
    </message>
    <message>
        <source>%1  %2  serial %3  &quot;%4&quot;</source>
        <translation>%1  %2  nr seryjny %3  &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1  %2  serial %3</source>
        <translation>%1  %2  nr seryjny %3</translation>
    </message>
    <message>
        <source>%1  serial %2  &quot;%3&quot;</source>
        <translation>%1  nr seryjny %2  &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1  serial %2</source>
        <translation>%1  nr seryjny %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s:</source>
        <translation>Do modułu może należeć więcej niż jeden konwerter:</translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s:
  %1</source>
        <translation>Do modułu może należeć więcej niż jeden konwerter:
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
        <translation>sudo cp resources/udev/%1 /etc/udev/rules.d/ (pakiet Debiana instaluje ją sam),
a potem sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger</translation>
    </message>
</context>
<context>
    <name>PortFinder</name>
    <message>
        <source>%1
Choose the box&apos;s converter.</source>
        <translation>%1
Wybierz konwerter modułu.</translation>
    </message>
    <message>
        <source>%1
What to do: Start the transfer again and choose the box&apos;s converter when Ramvik asks, or unplug the converters that are not the box&apos;s.</source>
        <translation>%1
Co zrobić: rozpocznij transmisję ponownie i wybierz konwerter modułu, gdy Ramvik zapyta, albo odłącz konwertery, które nie należą do modułu.</translation>
    </message>
    <message>
        <source>Opening %1 failed: %2.</source>
        <translation>Nie udało się otworzyć %1: %2.</translation>
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
        <translation>2 wejścia CR</translation>
    </message>
    <message>
        <source>1 CR input</source>
        <translation>1 wejście CR</translation>
    </message>
    <message>
        <source>Start Voltage [V] :   %1</source>
        <translation>Napięcie początkowe [V] :   %1</translation>
    </message>
    <message>
        <source>Start Delay [mm:ss] :   %1:%2</source>
        <translation>Opóźnienie startu [mm:ss] :   %1:%2</translation>
    </message>
    <message>
        <source>Curve Delay [ms/0.1V] :   %1</source>
        <translation>Opóźnienie krzywej [ms/0,1V] :   %1</translation>
    </message>
    <message>
        <source>Vin</source>
        <translation>Uwe</translation>
    </message>
    <message>
        <source>Vdif</source>
        <translation>ΔU</translation>
    </message>
    <message>
        <source>CR-curve</source>
        <translation>Krzywa CR</translation>
    </message>
    <message>
        <source>TURBO-curve</source>
        <translation>Krzywa TURBO</translation>
    </message>
</context>
<context>
    <name>ProjectCompare</name>
    <message>
        <source>Box type: project %1, file %2.</source>
        <translation>Typ modułu: projekt %1, plik %2.</translation>
    </message>
    <message>
        <source>Curve delay: project %1 ms, file %2 ms.</source>
        <translation>Opóźnienie krzywej: projekt %1 ms, plik %2 ms.</translation>
    </message>
    <message>
        <source>Start voltage: project %1 V, file %2 V.</source>
        <translation>Napięcie początkowe: projekt %1 V, plik %2 V.</translation>
    </message>
    <message>
        <source>Stop voltage: project %1 V, file %2 V.</source>
        <translation>Napięcie końcowe: projekt %1 V, plik %2 V.</translation>
    </message>
    <message>
        <source>Start delay: project %1, file %2.</source>
        <translation>Opóźnienie startu: projekt %1, plik %2.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, %4 V in the file.</source>
        <translation>Punkt %1 przy %2 V: wyjście %3 V w projekcie, %4 V w pliku.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, none in the file.</source>
        <translation>Punkt %1 przy %2 V: wyjście %3 V w projekcie, w pliku brak.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the file, none in the project.</source>
        <translation>Punkt %1 przy %2 V: wyjście %3 V w pliku, w projekcie brak.</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>the file is empty</source>
        <translation>plik jest pusty</translation>
    </message>
    <message>
        <source>it holds control characters (byte %1 is %2)</source>
        <translation>zawiera znaki sterujące (bajt %1 to %2)</translation>
    </message>
    <message>
        <source>no parameter line</source>
        <translation>brak wiersza parametrów</translation>
    </message>
</context>
<context>
    <name>ProjectState</name>
    <message>
        <source>A CR curve holds at most %1 points</source>
        <translation>Maksymalna liczba punktów krzywej CR: %1</translation>
    </message>
    <message>
        <source>A TURBO curve holds at most %1 points</source>
        <translation>Maksymalna liczba punktów krzywej TURBO: %1</translation>
    </message>
    <message>
        <source>The point at 0 V stays</source>
        <translation>Punkt przy 0 V musi pozostać</translation>
    </message>
    <message>
        <source>Inputs lie between 0 V and 5 V</source>
        <translation>Wejście musi leżeć między 0 V a 5 V</translation>
    </message>
    <message>
        <source>Only points between the start and stop voltage can be moved</source>
        <translation>Przesuwać można tylko punkty między napięciem początkowym a końcowym</translation>
    </message>
    <message>
        <source>The output at %1 V stays between %2 V and %3 V</source>
        <translation>Wyjście przy %1 V musi leżeć między %2 V a %3 V</translation>
    </message>
    <message>
        <source>The point at 5 V stays</source>
        <translation>Punkt przy 5 V musi pozostać</translation>
    </message>
    <message>
        <source>The CR points at the start and stop voltage stay</source>
        <translation>Punkty CR przy napięciu początkowym i końcowym muszą pozostać</translation>
    </message>
    <message>
        <source>1 CR input</source>
        <translation>1 wejście CR</translation>
    </message>
    <message>
        <source>2 CR inputs</source>
        <translation>2 wejścia CR</translation>
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
        <translation>Napięcie początkowe musi wynosić od 0,0 V do 5,0 V.</translation>
    </message>
    <message>
        <source>The start voltage goes in steps of 0.1 V.</source>
        <translation>Napięcie początkowe zmienia się co 0,1 V.</translation>
    </message>
    <message>
        <source>The start voltage cannot lie above the stop voltage (%1 V).</source>
        <translation>Napięcie początkowe nie może być wyższe niż napięcie końcowe (%1 V).</translation>
    </message>
    <message>
        <source>The stop voltage lies between 0.0 V and 5.0 V.</source>
        <translation>Napięcie końcowe musi wynosić od 0,0 V do 5,0 V.</translation>
    </message>
    <message>
        <source>The stop voltage goes in steps of 0.1 V.</source>
        <translation>Napięcie końcowe zmienia się co 0,1 V.</translation>
    </message>
    <message>
        <source>The stop voltage cannot lie below the start voltage (%1 V).</source>
        <translation>Napięcie końcowe nie może być niższe niż napięcie początkowe (%1 V).</translation>
    </message>
    <message>
        <source>The start delay lies between 0:00 and 4:00.</source>
        <translation>Opóźnienie startu musi wynosić od 0:00 do 4:00.</translation>
    </message>
    <message>
        <source>The curve delay lies between 0 ms and 500 ms.</source>
        <translation>Opóźnienie krzywej musi wynosić od 0 ms do 500 ms.</translation>
    </message>
    <message>
        <source>The curve delay goes in steps of 20 ms.</source>
        <translation>Opóźnienie krzywej zmienia się co 20 ms.</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>No USB Device Connected!</source>
        <translation>Nie podłączono urządzenia USB!</translation>
    </message>
    <message>
        <source>An error occured,
please replug
the USB-interface.

Error code: WR0001</source>
        <translation>Wystąpił błąd,
odłącz i podłącz ponownie
konwerter USB.

Kod błędu: WR0001</translation>
    </message>
    <message>
        <source>Please check the connection
of the USB-interface
and try again.</source>
        <translation>Sprawdź połączenie
konwertera USB
i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>This box is not designed for this software. 
Use the proper software, Dolvar,
or contact your dealer to update this box.</source>
        <translation>Ten moduł nie jest przeznaczony dla tego programu. 
Użyj właściwego programu, Dolvar,
lub poproś sprzedawcę o aktualizację modułu.</translation>
    </message>
    <message>
        <source>This box is for CR-Tuning only!
please adjust your project.</source>
        <translation>Ten moduł jest tylko do tuningu CR!
Dostosuj swój projekt.</translation>
    </message>
    <message>
        <source>This box is for CR-TURBO-Tuning only!
please adjust your project.</source>
        <translation>Ten moduł jest tylko do tuningu CR-TURBO!
Dostosuj swój projekt.</translation>
    </message>
    <message>
        <source>USB-error

Error code: PU0001</source>
        <translation>Błąd USB

Kod błędu: PU0001</translation>
    </message>
    <message>
        <source>USB-error

Error code: CL0001</source>
        <translation>Błąd USB

Kod błędu: CL0001</translation>
    </message>
    <message>
        <source>No USB Device Connected!

%1</source>
        <translation>Nie podłączono urządzenia USB!

%1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Register Keys not found!

Please reinstall the program. The default values will be loaded.</source>
        <translation>Nie znaleziono kluczy rejestru!

Zainstaluj program ponownie. Zostaną wczytane wartości domyślne.</translation>
    </message>
    <message>
        <source>A register key was not found!

Please reinstall the program to correct this error. The default value for this setting will be loaded.</source>
        <translation>Nie znaleziono klucza rejestru!

Zainstaluj program ponownie, aby usunąć ten błąd. Zostanie wczytana domyślna wartość tego ustawienia.</translation>
    </message>
    <message>
        <source>%1 does not look like a Ramvik project: %2.</source>
        <translation>Plik %1 nie wygląda na projekt Ramvik: %2.</translation>
    </message>
    <message>
        <source>Can&apos;t open file!</source>
        <translation>Nie można otworzyć pliku!</translation>
    </message>
    <message>
        <source>%1 Open it anyway?</source>
        <translation>%1 Otworzyć mimo to?</translation>
    </message>
    <message>
        <source>A box cannot hold this project as it stands: %1</source>
        <translation>Moduł nie może przyjąć tego projektu w obecnej postaci: %1</translation>
    </message>
    <message>
        <source>A box cannot hold this project as it stands: %1 (and %2 more)</source>
        <translation>Moduł nie może przyjąć tego projektu w obecnej postaci: %1 (i jeszcze %2)</translation>
    </message>
    <message>
        <source>%1 was no Ramvik project when it was opened. Replace it with this project?</source>
        <translation>Plik %1 nie był projektem Ramvik, gdy go otwierano. Zastąpić go tym projektem?</translation>
    </message>
    <message>
        <source>Can&apos;t save file!

%1

%2</source>
        <translation>Nie można zapisać pliku!

%1

%2</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; has changed.

Do you want to save the changes?</source>
        <translation>Projekt „%1” został zmieniony.

Czy chcesz zapisać zmiany?</translation>
    </message>
    <message>
        <source>The write was not kept in the history:

%1

%2</source>
        <translation>Wgranie nie zostało zachowane w historii:

%1

%2</translation>
    </message>
    <message>
        <source>The write was not kept in the history:

no data folder is known (the settings hold no RootPath, or HOME is not set).</source>
        <translation>Wgranie nie zostało zachowane w historii:

nie jest znany folder danych (w ustawieniach brak RootPath albo nie ustawiono HOME).</translation>
    </message>
    <message>
        <source>%1 is not a Ramvik project: %2 bytes.</source>
        <translation>Plik %1 nie jest projektem Ramvik: rozmiar %2 B.</translation>
    </message>
    <message>
        <source>Nothing was written: what the box held could not be kept in the history first.

%1

%2

Turn the backup off to write all the same.</source>
        <translation>Nic nie wgrano: nie udało się najpierw zachować zawartości modułu w historii.

%1

%2

Wyłącz kopię zapasową, aby mimo to wgrać projekt.</translation>
    </message>
    <message>
        <source>Written into box %1; %2.</source>
        <translation>Wgrano do modułu %1; %2.</translation>
    </message>
    <message>
        <source>Every cell was written into box %1, but the check was cut off: the write is not verified.</source>
        <translation>Wszystkie komórki wgrano do modułu %1, ale weryfikację przerwano: wgranie nie jest zweryfikowane.</translation>
    </message>
    <message>
        <source>The write failed at cell %1 of %2: the box now holds parts of two projects. Write the project again before the engine runs.</source>
        <translation>Wgrywanie nie powiodło się przy komórce %1 z %2: moduł zawiera teraz części dwóch projektów. Wgraj projekt ponownie przed uruchomieniem silnika.</translation>
    </message>
    <message>
        <source>The write of %1 kept nothing to write back: the box was not read before it.</source>
        <translation>Wgranie z %1 nie zachowało niczego do przywrócenia: moduł nie został przed nim odczytany.</translation>
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
        <translation>Moduł nie może przyjąć tego projektu:
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
        <translation>Moduł zawiera inne wartości niż wgrane: %1</translation>
    </message>
    <message>
        <source>cell %1 (%2): box %3, written %4.</source>
        <translation>komórka %1 (%2): moduł %3, wgrano %4.</translation>
    </message>
    <message>
        <source>The write was stopped before the first cell: the box holds what it held before.</source>
        <translation>Wgrywanie zatrzymano przed pierwszą komórką: moduł zawiera to, co przedtem.</translation>
    </message>
    <message>
        <source>The check was stopped: every cell was written, but not all of cells 0–254 were read back, so the write is not verified.</source>
        <translation>Weryfikację zatrzymano: wszystkie komórki wgrano, ale nie wszystkie komórki 0–254 zostały odczytane, więc wgranie nie jest zweryfikowane.</translation>
    </message>
    <message>
        <source>The read was stopped before every cell had arrived: nothing was saved.</source>
        <translation>Odczyt zatrzymano, zanim dotarły wszystkie komórki: nic nie zapisano.</translation>
    </message>
    <message>
        <source>The write stopped after cell %1 of %2: the box now holds parts of two projects. Write the project again before the engine runs.</source>
        <translation>Wgrywanie zatrzymało się po komórce %1 z %2: moduł zawiera teraz części dwóch projektów. Wgraj projekt ponownie przed uruchomieniem silnika.</translation>
    </message>
</context>
<context>
    <name>TransferPhase</name>
    <message>
        <source>Writing...</source>
        <translation>Wgrywanie...</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Wgrano</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Weryfikacja...</translation>
    </message>
    <message>
        <source>Checked</source>
        <translation>Zweryfikowano</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Odczyt...</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Odczytano</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Kopia zapasowa...</translation>
    </message>
    <message>
        <source>Backed up</source>
        <translation>Kopia gotowa</translation>
    </message>
</context>
<context>
    <name>WriteHistory</name>
    <message>
        <source>did not finish (the program ended during the write): the box may hold parts of two projects</source>
        <translation>nie zakończono (program zamknął się podczas wgrywania): moduł może zawierać części dwóch projektów</translation>
    </message>
    <message>
        <source>differs: the box holds other values than were written</source>
        <translation>różnice: moduł zawiera inne wartości niż wgrane</translation>
    </message>
    <message>
        <source>differs: %1</source>
        <translation>różnice: %1</translation>
    </message>
    <message>
        <source>not verified: every cell was written, the check was off</source>
        <translation>bez weryfikacji: wszystkie komórki wgrano, weryfikacja była wyłączona</translation>
    </message>
    <message>
        <source>stopped before the first cell: the box holds what it held before</source>
        <translation>zatrzymano przed pierwszą komórką: moduł zawiera to, co przedtem</translation>
    </message>
    <message>
        <source>stopped after cell %1 of %2: the box holds parts of two projects</source>
        <translation>zatrzymano po komórce %1 z %2: moduł zawiera części dwóch projektów</translation>
    </message>
    <message>
        <source>failed at cell %1 of %2: the box holds parts of two projects</source>
        <translation>błąd przy komórce %1 z %2: moduł zawiera części dwóch projektów</translation>
    </message>
    <message>
        <source>The last write into box %1 (%2) did not finish: the box may hold parts of two projects. Write the project again.</source>
        <translation>Ostatnie wgrywanie do modułu %1 (%2) nie zostało zakończone: moduł może zawierać części dwóch projektów. Wgraj projekt ponownie.</translation>
    </message>
    <message>
        <source>The box&apos;s table cells (256–766) cannot be read back, and the last write into box %1 (%2) did not finish: they may hold another project.</source>
        <translation>Komórek tabel modułu (256–766) nie da się odczytać, a ostatnie wgrywanie do modułu %1 (%2) nie zostało zakończone: mogą zawierać inny projekt.</translation>
    </message>
    <message>
        <source>Left out 1 history entry that is only half there (another computer may be writing it).</source>
        <translation>Pominięto 1 niekompletny wpis historii (być może zapisuje go inny komputer).</translation>
    </message>
    <message>
        <source>Left out %1 history entries that are only half there (another computer may be writing them).</source>
        <translation>Pominięto niekompletne wpisy historii: %1 (być może zapisuje je inny komputer).</translation>
    </message>
    <message>
        <source>Can&apos;t read the write history:

%1

%2</source>
        <translation>Nie można odczytać historii wgrań:

%1

%2</translation>
    </message>
    <message>
        <source>Written into box %1 on %2.</source>
        <translation>Wgrano do modułu %1 w dniu %2.</translation>
    </message>
    <message>
        <source>Written into box %1 on %2 at %3.</source>
        <translation>Wgrano do modułu %1 w dniu %2 na komputerze %3.</translation>
    </message>
    <message>
        <source>Outcome: %1.</source>
        <translation>Wynik: %1.</translation>
    </message>
    <message>
        <source>Customer: %1</source>
        <translation>Klient: %1</translation>
    </message>
    <message>
        <source>Vehicle: %1</source>
        <translation>Pojazd: %1</translation>
    </message>
    <message>
        <source>Registration or VIN: %1</source>
        <translation>Nr rejestracyjny lub VIN: %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Uwagi: %1</translation>
    </message>
    <message>
        <source>Writes back what the box held before the write %1.</source>
        <translation>Przywraca zawartość modułu sprzed wgrania %1.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>verified: parameters and points (cells 0–254); the box&apos;s table cells cannot be read back</source>
        <translation>zweryfikowano: parametry i punkty (komórki 0–254); komórek tabel modułu nie da się odczytać</translation>
    </message>
    <message>
        <source>check cut off: every cell was written, but not all of cells 0–254 were read back</source>
        <translation>weryfikacja przerwana: wszystkie komórki wgrano, ale nie wszystkie komórki 0–254 zostały odczytane</translation>
    </message>
</context>
</TS>
