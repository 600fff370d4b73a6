<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BoxCompare</name>
    <message>
        <source>Box type: project %1, box %2.</source>
        <translation>Tipo de módulo: proyecto %1, módulo %2.</translation>
    </message>
    <message>
        <source>Curve delay: project %1 ms, box %2 ms.</source>
        <translation>Retardo de curva: proyecto %1 ms, módulo %2 ms.</translation>
    </message>
    <message>
        <source>Start voltage: project %1 V, box %2 V.</source>
        <translation>Tensión inicial: proyecto %1 V, módulo %2 V.</translation>
    </message>
    <message>
        <source>Stop voltage: project %1 V, box %2 V.</source>
        <translation>Tensión final: proyecto %1 V, módulo %2 V.</translation>
    </message>
    <message>
        <source>Start delay: project %1, box %2.</source>
        <translation>Retardo inicial: proyecto %1, módulo %2.</translation>
    </message>
    <message>
        <source>First CR input: project %1 V, box %2 V.</source>
        <translation>Primera entrada CR: proyecto %1 V, módulo %2 V.</translation>
    </message>
    <message>
        <source>CR output at the stop voltage: project %1 V, box %2 V.</source>
        <translation>Salida CR en la tensión final: proyecto %1 V, módulo %2 V.</translation>
    </message>
    <message>
        <source>CR output at the start voltage: project %1 V, box %2 V.</source>
        <translation>Salida CR en la tensión inicial: proyecto %1 V, módulo %2 V.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, %4 V in the box.</source>
        <translation>Punto %1 en %2 V: salida %3 V en el proyecto, %4 V en el módulo.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, none in the box.</source>
        <translation>Punto %1 en %2 V: salida %3 V en el proyecto, ninguna en el módulo.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the box, none in the project.</source>
        <translation>Punto %1 en %2 V: salida %3 V en el módulo, ninguna en el proyecto.</translation>
    </message>
    <message>
        <source>Cell %1 (%2): project %3, box %4.</source>
        <translation>Celda %1 (%2): proyecto %3, módulo %4.</translation>
    </message>
</context>
<context>
    <name>BoxRefusals</name>
    <message>
        <source>TURBO curve (not used by this box type): %1</source>
        <translation>Curva TURBO (no la usa este tipo de módulo): %1</translation>
    </message>
    <message>
        <source>%1 curve has no points.</source>
        <translation>La curva %1 no tiene puntos.</translation>
    </message>
    <message>
        <source>%1 point %2: input %3 V lies outside 0 V to 5 V.</source>
        <translation>%1, punto %2: la entrada %3 V está fuera del rango de 0 V a 5 V.</translation>
    </message>
    <message>
        <source>%1 point %2: output %3 V lies outside 0 V to 5 V.</source>
        <translation>%1, punto %2: la salida %3 V está fuera del rango de 0 V a 5 V.</translation>
    </message>
    <message>
        <source>%1 curve has %2 points; the box stores at most %3.</source>
        <translation>La curva %1 tiene %2 puntos; el módulo admite como máximo %3.</translation>
    </message>
    <message>
        <source>Box type %1 is not 0, 1 or 2.</source>
        <translation>El tipo de módulo %1 no es 0, 1 ni 2.</translation>
    </message>
    <message>
        <source>Start voltage %1 V lies outside 0 V to 5 V.</source>
        <translation>La tensión inicial %1 V está fuera del rango de 0 V a 5 V.</translation>
    </message>
    <message>
        <source>Stop voltage %1 V lies outside 0 V to 5 V.</source>
        <translation>La tensión final %1 V está fuera del rango de 0 V a 5 V.</translation>
    </message>
    <message>
        <source>Start voltage %1 V lies above the stop voltage %2 V.</source>
        <translation>La tensión inicial %1 V es mayor que la tensión final %2 V.</translation>
    </message>
    <message>
        <source>Curve delay %1 lies outside 0 to 500.</source>
        <translation>El retardo de curva %1 está fuera del rango de 0 a 500.</translation>
    </message>
    <message>
        <source>Curve delay %1 is not a multiple of 20.</source>
        <translation>El retardo de curva %1 no es múltiplo de 20.</translation>
    </message>
    <message>
        <source>Start delay %1 min %2 s (%3) lies outside 0:00 to 4:00.</source>
        <translation>El retardo inicial %1 min %2 s (%3) está fuera del rango de 0:00 a 4:00.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Ramvik</source>
        <translation>Acerca de Ramvik</translation>
    </message>
    <message>
        <source>Ramvik Version 2.0</source>
        <translation>Ramvik versión 2.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CCompare</name>
    <message>
        <source>Compare with box</source>
        <translation>Comparar con módulo</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Box %1 holds the project.</source>
        <translation>El módulo %1 contiene el proyecto.</translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project: the compare panel lists the difference and draws the box&apos;s curves over the project&apos;s.</source>
        <translation>El módulo %1 contiene valores distintos de los del proyecto: el panel de comparación muestra la diferencia y dibuja las curvas del módulo sobre las del proyecto.</translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project: the compare panel lists %2 differences and draws the box&apos;s curves over the project&apos;s.</source>
        <translation>El módulo %1 contiene valores distintos de los del proyecto: el panel de comparación muestra %2 diferencias y dibuja las curvas del módulo sobre las del proyecto.</translation>
    </message>
    <message>
        <source>The compare was stopped after %1 of %2 cells: nothing was compared, and the project is unchanged.</source>
        <translation>Se detuvo la comparación tras %1 de %2 celdas: no se comparó nada y el proyecto no ha cambiado.</translation>
    </message>
</context>
<context>
    <name>CComparePanel</name>
    <message>
        <source>Compare with box</source>
        <translation>Comparar con módulo</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Diferencias</translation>
    </message>
    <message>
        <source>The box&apos;s curves are drawn over the project&apos;s: CR in magenta dots, TURBO in black dashes.</source>
        <translation>Las curvas del módulo se dibujan sobre las del proyecto: CR en puntos magenta, TURBO en trazos negros.</translation>
    </message>
    <message>
        <source>Take the box&apos;s project</source>
        <translation>Usar el proyecto del módulo</translation>
    </message>
    <message>
        <source>Keep the project</source>
        <translation>Mantener el proyecto</translation>
    </message>
    <message>
        <source>Box %1 holds the project.</source>
        <translation>El módulo %1 contiene el proyecto.</translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project:</source>
        <translation>El módulo %1 contiene valores distintos de los del proyecto:</translation>
    </message>
</context>
<context>
    <name>CConnectionHelpDlg</name>
    <message>
        <source>Connection help</source>
        <translation>Ayuda de conexión</translation>
    </message>
    <message>
        <source>What Ramvik found on the way to the box&apos;s converter:</source>
        <translation>Lo que Ramvik encontró en el camino hasta el convertidor del módulo:</translation>
    </message>
    <message>
        <source>Copy report</source>
        <translation>Copiar informe</translation>
    </message>
    <message>
        <source>Puts this report on the clipboard, followed by the same checks with the commands for whoever looks after this computer.</source>
        <translation>Copia este informe al portapapeles, seguido de las mismas comprobaciones con los comandos para quien administre este ordenador.</translation>
    </message>
    <message>
        <source>%1

For whoever looks after this computer:
%2
</source>
        <translation>%1

Para quien administre este ordenador:
%2
</translation>
    </message>
    <message>
        <source>The report is on the clipboard. Paste it into an e-mail or a message to whoever looks after this computer.</source>
        <translation>El informe está en el portapapeles. Péguelo en un correo o un mensaje para quien administre este ordenador.</translation>
    </message>
</context>
<context>
    <name>CFileComparePanel</name>
    <message>
        <source>Compare with file</source>
        <translation>Comparar con archivo</translation>
    </message>
    <message>
        <source>Differences from the file</source>
        <translation>Diferencias con el archivo</translation>
    </message>
    <message>
        <source>The curves of %1 are drawn over the project&apos;s: CR in teal dash-dots, TURBO in brown dash-dot-dots.</source>
        <translation>Las curvas de %1 se dibujan sobre las del proyecto: CR en raya-punto verde azulado, TURBO en raya-punto-punto marrón.</translation>
    </message>
    <message>
        <source>Take These Points from the File</source>
        <translation>Tomar estos puntos del archivo</translation>
    </message>
    <message>
        <source>The selected points of the edited curve take the file&apos;s points in their stretch</source>
        <translation>Los puntos seleccionados de la curva editada toman los puntos del archivo en su tramo</translation>
    </message>
    <message>
        <source>Close Comparison</source>
        <translation>Cerrar comparación</translation>
    </message>
    <message>
        <source>%1 holds the project.</source>
        <translation>%1 contiene el proyecto.</translation>
    </message>
    <message>
        <source>%1 holds other values than the project:</source>
        <translation>%1 contiene valores distintos de los del proyecto:</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>Keys and Mouse</source>
        <translation>Teclas y ratón</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The graph&lt;/h3&gt;&lt;p&gt;The edited curve is the one whose box is ticked beside &lt;b&gt;CR&lt;/b&gt; or &lt;b&gt;TURBO&lt;/b&gt; (F2, F3). Its points carry round markers; the chosen point is larger and filled.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Click&lt;/b&gt; on a point to choose it, and &lt;b&gt;drag&lt;/b&gt; it up or down to set its output. A point keeps its input.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Click&lt;/b&gt; anywhere else in the plot to add a point there.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Right-click&lt;/b&gt; on a point to remove it; during a drag the right button puts the point back on the line where output equals input.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Double-click&lt;/b&gt; a point, or press &lt;b&gt;Enter&lt;/b&gt;, to type its exact output; with no point chosen, Enter adds a point at the input you type.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Several points at once&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Shift+click&lt;/b&gt; a point to select every point from the last clicked one to it; &lt;b&gt;Ctrl+click&lt;/b&gt; adds a point to the selection or takes it out.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Shift+drag&lt;/b&gt; in the plot selects the points inside the rectangle.&lt;/li&gt;&lt;li&gt;Selected points carry filled squares. The &lt;b&gt;Points&lt;/b&gt; table beside the graph (View, Ctrl+T) lists every point; its selected rows are the selected points, and an output typed into it is set as Enter sets it.&lt;/li&gt;&lt;li&gt;Edit &amp;gt; Selection sets, raises, scales, interpolates or smooths the selected outputs in one step to undo; the table&apos;s right-click menu offers the same.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Zoom&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Ctrl+wheel&lt;/b&gt; zooms in and out around the pointer.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Shift+wheel&lt;/b&gt; moves the view sideways; a drag with the &lt;b&gt;middle button&lt;/b&gt; moves it in any direction.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+0&lt;/b&gt; (View &amp;gt; Reset Zoom) shows the whole range again. A printout always shows the whole range.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;The points at 0 V and 5 V stay, and so do the CR points at the start and stop voltage; only CR points between them move. An output lies at most 1.6 V below its input. Values snap to the box&apos;s steps of 0.02 V. The status line says why an edit was held back.&lt;/p&gt;&lt;h3&gt;Keys of the graph&lt;/h3&gt;&lt;p&gt;They act on the chosen point once the graph has the keyboard focus (click it, or press Tab until it is framed), wherever the mouse pointer is. Ctrl+A, Escape, Ctrl+C and Ctrl+V act in the points table too; in a text field they act on its text.&lt;/p&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Left&lt;/b&gt;, &lt;b&gt;Right&lt;/b&gt;&lt;/td&gt;&lt;td&gt;choose the neighbouring point&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;&lt;/td&gt;&lt;td&gt;move it by 0.02 V; with several points selected, move all of them&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Shift+Up&lt;/b&gt;, &lt;b&gt;Shift+Down&lt;/b&gt;&lt;/td&gt;&lt;td&gt;the same by 0.1 V&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+A&lt;/b&gt;&lt;/td&gt;&lt;td&gt;select every point of the edited curve&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Escape&lt;/b&gt;&lt;/td&gt;&lt;td&gt;select no point (a rectangle being drawn goes first)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;copy the selected points (every point when none is selected) as text: a header line, then input and output a line&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+V&lt;/b&gt;&lt;/td&gt;&lt;td&gt;paste: a column of numbers sets the outputs of as many selected points; input and output pairs replace the selected stretch, or are added when nothing is selected&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Delete&lt;/b&gt;&lt;/td&gt;&lt;td&gt;remove it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;type its exact values&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;The parameters&lt;/h3&gt;&lt;p&gt;Type a value into its field and press Enter or Tab, or use the arrows beside it, the Up and Down keys in the field or the mouse wheel. The start delay is typed as minutes:seconds (1:30). A value the box cannot take is refused, and the status line says why.&lt;/p&gt;&lt;h3&gt;Everywhere&lt;/h3&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Z&lt;/b&gt;&lt;/td&gt;&lt;td&gt;undo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+Z&lt;/b&gt;, &lt;b&gt;Ctrl+Y&lt;/b&gt;&lt;/td&gt;&lt;td&gt;redo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+N&lt;/b&gt;, &lt;b&gt;Ctrl+O&lt;/b&gt;, &lt;b&gt;Ctrl+S&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+S&lt;/b&gt;&lt;/td&gt;&lt;td&gt;new, open, save, save as&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+P&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+E&lt;/b&gt;&lt;/td&gt;&lt;td&gt;print, export PDF&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+W&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+R&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;write to the box, read from it, compare with it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+1&lt;/b&gt;, &lt;b&gt;Ctrl+2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Input-Output view, Difference view&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;reset the zoom&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+T&lt;/b&gt;&lt;/td&gt;&lt;td&gt;show or hide the points table&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F5&lt;/b&gt; to &lt;b&gt;F9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;set, raise, scale, interpolate, smooth the selected outputs&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+F&lt;/b&gt;&lt;/td&gt;&lt;td&gt;compare with another project file&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt&lt;/b&gt; and the underlined letter&lt;/td&gt;&lt;td&gt;open a menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;El gráfico&lt;/h3&gt;&lt;p&gt;La curva que se edita es aquella cuya casilla está marcada junto a &lt;b&gt;CR&lt;/b&gt; o &lt;b&gt;TURBO&lt;/b&gt; (F2, F3). Sus puntos llevan marcadores redondos; el punto elegido es más grande y relleno.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Haga clic&lt;/b&gt; en un punto para elegirlo y &lt;b&gt;arrástrelo&lt;/b&gt; hacia arriba o hacia abajo para ajustar su salida. Un punto conserva su entrada.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Haga clic&lt;/b&gt; en cualquier otro lugar del gráfico para añadir ahí un punto.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Haga clic derecho&lt;/b&gt; en un punto para eliminarlo; durante un arrastre, el botón derecho devuelve el punto a la línea en la que la salida es igual a la entrada.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Haga doble clic&lt;/b&gt; en un punto, o pulse &lt;b&gt;Intro&lt;/b&gt;, para escribir su salida exacta; sin ningún punto elegido, Intro añade un punto en la entrada que escriba.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Varios puntos a la vez&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Mayús+clic&lt;/b&gt; en un punto selecciona todos los puntos desde el último en que se hizo clic hasta él; &lt;b&gt;Ctrl+clic&lt;/b&gt; añade un punto a la selección o lo quita.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Mayús+arrastrar&lt;/b&gt; en el gráfico selecciona los puntos que quedan dentro del rectángulo.&lt;/li&gt;&lt;li&gt;Los puntos seleccionados llevan cuadrados rellenos. La tabla &lt;b&gt;Puntos&lt;/b&gt; junto al gráfico (Ver, Ctrl+T) lista todos los puntos; sus filas seleccionadas son los puntos seleccionados, y una salida escrita en ella se fija igual que con Intro.&lt;/li&gt;&lt;li&gt;Edición &amp;gt; Selección fija, sube, escala, interpola o suaviza las salidas seleccionadas en un solo paso que se deshace de una vez; el menú del clic derecho de la tabla ofrece lo mismo.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Zoom&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Ctrl+rueda&lt;/b&gt; acerca y aleja la vista alrededor del puntero.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Mayús+rueda&lt;/b&gt; desplaza la vista hacia los lados; arrastrar con el &lt;b&gt;botón central&lt;/b&gt; la mueve en cualquier dirección.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+0&lt;/b&gt; (Ver &amp;gt; Restablecer zoom) vuelve a mostrar todo el rango. Una impresión siempre muestra todo el rango.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Los puntos de 0 V y 5 V son fijos, igual que los puntos CR de la tensión inicial y la final; solo se mueven los puntos CR que hay entre ellos. Una salida queda como máximo 1,6 V por debajo de su entrada. Los valores se ajustan a los pasos de 0,02 V del módulo. La línea de estado indica por qué no se aceptó una edición.&lt;/p&gt;&lt;h3&gt;Teclas del gráfico&lt;/h3&gt;&lt;p&gt;Actúan sobre el punto elegido cuando el gráfico tiene el foco del teclado (haga clic en él o pulse Tab hasta que quede enmarcado), esté donde esté el puntero del ratón. Ctrl+A, Esc, Ctrl+C y Ctrl+V actúan también en la tabla de puntos; en un campo de texto actúan sobre su texto.&lt;/p&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Flecha izquierda&lt;/b&gt;, &lt;b&gt;Flecha derecha&lt;/b&gt;&lt;/td&gt;&lt;td&gt;elegir el punto vecino&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Flecha arriba&lt;/b&gt;, &lt;b&gt;Flecha abajo&lt;/b&gt;&lt;/td&gt;&lt;td&gt;moverlo 0,02 V; con varios puntos seleccionados, moverlos todos&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Mayús+Flecha arriba&lt;/b&gt;, &lt;b&gt;Mayús+Flecha abajo&lt;/b&gt;&lt;/td&gt;&lt;td&gt;lo mismo, 0,1 V&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+A&lt;/b&gt;&lt;/td&gt;&lt;td&gt;seleccionar todos los puntos de la curva editada&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Esc&lt;/b&gt;&lt;/td&gt;&lt;td&gt;no seleccionar ningún punto (antes se descarta un rectángulo que se esté dibujando)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;copiar como texto los puntos seleccionados (todos si no hay ninguno seleccionado): una línea de encabezado y luego entrada y salida, una línea por punto&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+V&lt;/b&gt;&lt;/td&gt;&lt;td&gt;pegar: una columna de números fija las salidas de otros tantos puntos seleccionados; los pares de entrada y salida sustituyen el tramo seleccionado, o se añaden si no hay nada seleccionado&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Supr&lt;/b&gt;&lt;/td&gt;&lt;td&gt;eliminarlo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Intro&lt;/b&gt;&lt;/td&gt;&lt;td&gt;escribir sus valores exactos&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Los parámetros&lt;/h3&gt;&lt;p&gt;Escriba un valor en su campo y pulse Intro o Tab, o use las flechas que hay a su lado, las teclas Flecha arriba y Flecha abajo en el campo o la rueda del ratón. El retardo inicial se escribe como minutos:segundos (1:30). Un valor que el módulo no admite se rechaza, y la línea de estado indica por qué.&lt;/p&gt;&lt;h3&gt;En cualquier lugar&lt;/h3&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Z&lt;/b&gt;&lt;/td&gt;&lt;td&gt;deshacer&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Mayús+Z&lt;/b&gt;, &lt;b&gt;Ctrl+Y&lt;/b&gt;&lt;/td&gt;&lt;td&gt;rehacer&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+N&lt;/b&gt;, &lt;b&gt;Ctrl+O&lt;/b&gt;, &lt;b&gt;Ctrl+S&lt;/b&gt;, &lt;b&gt;Ctrl+Mayús+S&lt;/b&gt;&lt;/td&gt;&lt;td&gt;nuevo, abrir, guardar, guardar como&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+P&lt;/b&gt;, &lt;b&gt;Ctrl+Mayús+E&lt;/b&gt;&lt;/td&gt;&lt;td&gt;imprimir, exportar PDF&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Mayús+W&lt;/b&gt;, &lt;b&gt;Ctrl+Mayús+R&lt;/b&gt;, &lt;b&gt;Ctrl+Mayús+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;escribir el módulo, leerlo, compararlo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+1&lt;/b&gt;, &lt;b&gt;Ctrl+2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;vista Entrada-Salida, vista Diferencia&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;restablecer el zoom&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+T&lt;/b&gt;&lt;/td&gt;&lt;td&gt;mostrar u ocultar la tabla de puntos&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F5&lt;/b&gt; a &lt;b&gt;F9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;fijar, subir, escalar, interpolar, suavizar las salidas seleccionadas&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Mayús+F&lt;/b&gt;&lt;/td&gt;&lt;td&gt;comparar con otro archivo de proyecto&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt&lt;/b&gt; y la letra subrayada&lt;/td&gt;&lt;td&gt;abrir un menú&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
</context>
<context>
    <name>CHistoryBrowser</name>
    <message>
        <source>Write History</source>
        <translation>Historial de escrituras</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Customer, vehicle, registration, project, box, outcome...</source>
        <translation>Cliente, vehículo, matrícula, proyecto, módulo, resultado...</translation>
    </message>
    <message>
        <source>Writes</source>
        <translation>Escrituras</translation>
    </message>
    <message>
        <source>&amp;Open Project</source>
        <translation>&amp;Abrir proyecto</translation>
    </message>
    <message>
        <source>Open the project as it was written</source>
        <translation>Abrir el proyecto tal como se escribió</translation>
    </message>
    <message>
        <source>&amp;Compare with Box...</source>
        <translation>&amp;Comparar con módulo...</translation>
    </message>
    <message>
        <source>Open the project as it was written and compare it with the box</source>
        <translation>Abrir el proyecto tal como se escribió y compararlo con el módulo</translation>
    </message>
    <message>
        <source>&amp;Print Sheet...</source>
        <translation>&amp;Imprimir hoja...</translation>
    </message>
    <message>
        <source>Print the project&apos;s sheet with the job and the outcome</source>
        <translation>Imprimir la hoja del proyecto con el trabajo y el resultado</translation>
    </message>
    <message>
        <source>&amp;Write Back What the Box Held Before...</source>
        <translation>&amp;Restaurar el contenido anterior del módulo...</translation>
    </message>
    <message>
        <source>Write into the box what it held before this write</source>
        <translation>Escribir en el módulo lo que contenía antes de esta escritura</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No write has been kept yet.</source>
        <translation>Aún no se ha guardado ninguna escritura.</translation>
    </message>
    <message>
        <source>Kept as %1</source>
        <translation>Guardado como %1</translation>
    </message>
    <message>
        <source>Write back into box %1 what it held before the write of %2?

The box&apos;s present contents are lost unless the backup is on.</source>
        <translation>¿Restaurar en el módulo %1 lo que contenía antes de la escritura del %2?

El contenido actual del módulo se perderá si la copia de seguridad no está activada.</translation>
    </message>
</context>
<context>
    <name>CHistoryModel</name>
    <message>
        <source>did not finish</source>
        <translation>no terminada</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificada</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>con diferencias</translation>
    </message>
    <message>
        <source>check cut off</source>
        <translation>verificación incompleta</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>no verificada</translation>
    </message>
    <message>
        <source>stopped before the first cell</source>
        <translation>detenida antes de la primera celda</translation>
    </message>
    <message>
        <source>stopped after cell %1</source>
        <translation>detenida tras la celda %1</translation>
    </message>
    <message>
        <source>failed at cell %1</source>
        <translation>fallida en la celda %1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Fecha y hora</translation>
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
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Vehículo</translation>
    </message>
    <message>
        <source>Registration or VIN</source>
        <translation>Matrícula o VIN</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
</context>
<context>
    <name>CPanel</name>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Print Project</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Graph Type:</source>
        <translation>Tipo de gráfico:</translation>
    </message>
    <message>
        <source>Input-Output</source>
        <translation>Entrada-Salida</translation>
    </message>
    <message>
        <source>Difference </source>
        <translation>Diferencia </translation>
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
        <translation>Tensión inicial:</translation>
    </message>
    <message>
        <source>Stop Voltage:</source>
        <translation>Tensión final:</translation>
    </message>
    <message>
        <source>Start Delay:</source>
        <translation>Retardo inicial:</translation>
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
        <translation>Retardo de curva:</translation>
    </message>
    <message>
        <source>Compare with box</source>
        <translation>Comparar con módulo</translation>
    </message>
    <message>
        <source>Start voltage</source>
        <translation>Tensión inicial</translation>
    </message>
    <message>
        <source>Below this input voltage the box leaves the signal alone. Type a value in steps of 0.1 V and press Enter.</source>
        <translation>Por debajo de esta tensión de entrada, el módulo no modifica la señal. Escriba un valor en pasos de 0,1 V y pulse Intro.</translation>
    </message>
    <message>
        <source>Stop voltage</source>
        <translation>Tensión final</translation>
    </message>
    <message>
        <source>Above this input voltage the box leaves the signal alone. Type a value in steps of 0.1 V and press Enter.</source>
        <translation>Por encima de esta tensión de entrada, el módulo no modifica la señal. Escriba un valor en pasos de 0,1 V y pulse Intro.</translation>
    </message>
    <message>
        <source>Start delay</source>
        <translation>Retardo inicial</translation>
    </message>
    <message>
        <source>How long after the engine starts the box begins, from 0:00 to 4:00. Type it as minutes:seconds and press Enter.</source>
        <translation>Cuánto tiempo espera el módulo tras arrancar el motor, de 0:00 a 4:00. Escríbalo como minutos:segundos y pulse Intro.</translation>
    </message>
    <message>
        <source>Curve delay</source>
        <translation>Retardo de curva</translation>
    </message>
    <message>
        <source>Milliseconds per 0.1 V, from 0 to 500 in steps of 20. Type a value and press Enter.</source>
        <translation>Milisegundos por 0,1 V, de 0 a 500 en pasos de 20. Escriba un valor y pulse Intro.</translation>
    </message>
    <message>
        <source>Raise the start voltage by 0.1 V</source>
        <translation>Subir la tensión inicial 0,1 V</translation>
    </message>
    <message>
        <source>Lower the start voltage by 0.1 V</source>
        <translation>Bajar la tensión inicial 0,1 V</translation>
    </message>
    <message>
        <source>Raise the stop voltage by 0.1 V</source>
        <translation>Subir la tensión final 0,1 V</translation>
    </message>
    <message>
        <source>Lower the stop voltage by 0.1 V</source>
        <translation>Bajar la tensión final 0,1 V</translation>
    </message>
    <message>
        <source>Start delay one minute longer</source>
        <translation>Retardo inicial un minuto más</translation>
    </message>
    <message>
        <source>Start delay one minute shorter</source>
        <translation>Retardo inicial un minuto menos</translation>
    </message>
    <message>
        <source>Start delay one second longer</source>
        <translation>Retardo inicial un segundo más</translation>
    </message>
    <message>
        <source>Start delay one second shorter</source>
        <translation>Retardo inicial un segundo menos</translation>
    </message>
    <message>
        <source>Curve delay 20 ms longer</source>
        <translation>Retardo de curva 20 ms más</translation>
    </message>
    <message>
        <source>Curve delay 20 ms shorter</source>
        <translation>Retardo de curva 20 ms menos</translation>
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
        <translation>Punto nuevo</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>The input voltage of the new point</source>
        <translation>La tensión de entrada del punto nuevo</translation>
    </message>
    <message>
        <source>The input voltage of the point; dragging keeps it</source>
        <translation>La tensión de entrada del punto; al arrastrarlo no cambia</translation>
    </message>
    <message>
        <source>The output voltage the box hands on at this input</source>
        <translation>La tensión de salida que el módulo entrega con esta entrada</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Entrada:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Salida:</translation>
    </message>
    <message>
        <source>Output from %1 V to %2 V</source>
        <translation>Salida de %1 V a %2 V</translation>
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
        <translation>Salida (V)</translation>
    </message>
    <message>
        <source>Difference (V)</source>
        <translation>Diferencia (V)</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Points of the edited curve</source>
        <translation>Puntos de la curva editada</translation>
    </message>
    <message>
        <source>Input, output and difference of each point in volts; type an output to set it</source>
        <translation>Entrada, salida y diferencia de cada punto en voltios; escriba una salida para fijarla</translation>
    </message>
</context>
<context>
    <name>CPortChoiceDlg</name>
    <message>
        <source>Choose the box&apos;s converter</source>
        <translation>Elija el convertidor del módulo</translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s.
Choose the box&apos;s converter:</source>
        <translation>Más de un convertidor puede ser el del módulo.
Elija el convertidor del módulo:</translation>
    </message>
</context>
<context>
    <name>CRamvikDlg</name>
    <message>
        <source>Click in the graph to add a point, drag a point to move it, right-click to remove it; double-click or Enter types exact values.</source>
        <translation>Haga clic en el gráfico para añadir un punto, arrastre un punto para moverlo, clic derecho para eliminarlo; doble clic o Intro para escribir valores exactos.</translation>
    </message>
    <message>
        <source>The start voltage is a number of volts, such as 1.5.</source>
        <translation>La tensión inicial es un número de voltios, por ejemplo 1,5.</translation>
    </message>
    <message>
        <source>The stop voltage is a number of volts, such as 4.5.</source>
        <translation>La tensión final es un número de voltios, por ejemplo 4,5.</translation>
    </message>
    <message>
        <source>Type the start delay as minutes and seconds, such as 1:30.</source>
        <translation>Escriba el retardo inicial en minutos y segundos, por ejemplo 1:30.</translation>
    </message>
    <message>
        <source>The curve delay is a whole number of milliseconds, such as 200.</source>
        <translation>El retardo de curva es un número entero de milisegundos, por ejemplo 200.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Start a new project</source>
        <translation>Empezar un proyecto nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open a project file</source>
        <translation>Abrir un archivo de proyecto</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the project to its file; asks for a name when it has none</source>
        <translation>Guardar el proyecto en su archivo; pide un nombre si no lo tiene</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save the project under a name</source>
        <translation>Guardar el proyecto con un nombre</translation>
    </message>
    <message>
        <source>&amp;Print Project...</source>
        <translation>&amp;Imprimir proyecto...</translation>
    </message>
    <message>
        <source>Print the project sheet</source>
        <translation>Imprimir la hoja del proyecto</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Exportar PDF...</translation>
    </message>
    <message>
        <source>Save the project sheet as a PDF file</source>
        <translation>Guardar la hoja del proyecto como archivo PDF</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Close Ramvik</source>
        <translation>Cerrar Ramvik</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Deshacer el último cambio</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Re&amp;hacer</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Volver a aplicar el cambio deshecho</translation>
    </message>
    <message>
        <source>&amp;Previous Point</source>
        <translation>Punto &amp;anterior</translation>
    </message>
    <message>
        <source>Choose the point left of the chosen one</source>
        <translation>Elegir el punto a la izquierda del elegido</translation>
    </message>
    <message>
        <source>&amp;Next Point</source>
        <translation>Punto &amp;siguiente</translation>
    </message>
    <message>
        <source>Choose the point right of the chosen one</source>
        <translation>Elegir el punto a la derecha del elegido</translation>
    </message>
    <message>
        <source>Move the chosen point up by 0.02 V</source>
        <translation>Subir el punto elegido 0,02 V</translation>
    </message>
    <message>
        <source>Point &amp;Down</source>
        <translation>&amp;Bajar punto</translation>
    </message>
    <message>
        <source>Move the chosen point down by 0.02 V</source>
        <translation>Bajar el punto elegido 0,02 V</translation>
    </message>
    <message>
        <source>Move the chosen point up by 0.1 V</source>
        <translation>Subir el punto elegido 0,1 V</translation>
    </message>
    <message>
        <source>Move the chosen point down by 0.1 V</source>
        <translation>Bajar el punto elegido 0,1 V</translation>
    </message>
    <message>
        <source>Re&amp;move Point</source>
        <translation>&amp;Eliminar punto</translation>
    </message>
    <message>
        <source>Remove the chosen point</source>
        <translation>Eliminar el punto elegido</translation>
    </message>
    <message>
        <source>Point &amp;Values...</source>
        <translation>&amp;Valores del punto...</translation>
    </message>
    <message>
        <source>Type the exact values of the chosen point, or of a new point</source>
        <translation>Escribir los valores exactos del punto elegido o de un punto nuevo</translation>
    </message>
    <message>
        <source>Edit &amp;CR Curve</source>
        <translation>Editar curva &amp;CR</translation>
    </message>
    <message>
        <source>Edit the CR curve (blue)</source>
        <translation>Editar la curva CR (azul)</translation>
    </message>
    <message>
        <source>Edit &amp;TURBO Curve</source>
        <translation>Editar curva &amp;TURBO</translation>
    </message>
    <message>
        <source>Edit the TURBO curve (red)</source>
        <translation>Editar la curva TURBO (roja)</translation>
    </message>
    <message>
        <source>Make the CR curve a straight line again</source>
        <translation>Volver a dejar la curva CR como una línea recta</translation>
    </message>
    <message>
        <source>Make the TURBO curve a straight line again</source>
        <translation>Volver a dejar la curva TURBO como una línea recta</translation>
    </message>
    <message>
        <source>C&amp;opy Curve</source>
        <translation>Co&amp;piar curva</translation>
    </message>
    <message>
        <source>Copy the edited curve onto the other curve</source>
        <translation>Copiar la curva editada sobre la otra curva</translation>
    </message>
    <message>
        <source>&amp;Write to Box...</source>
        <translation>&amp;Escribir módulo...</translation>
    </message>
    <message>
        <source>Write the curves and parameters into the box</source>
        <translation>Escribir las curvas y los parámetros en el módulo</translation>
    </message>
    <message>
        <source>&amp;Read from Box...</source>
        <translation>&amp;Leer módulo...</translation>
    </message>
    <message>
        <source>Read the curves and parameters from the box</source>
        <translation>Leer las curvas y los parámetros del módulo</translation>
    </message>
    <message>
        <source>&amp;Compare with Box...</source>
        <translation>&amp;Comparar con módulo...</translation>
    </message>
    <message>
        <source>Read the box and compare it with the project</source>
        <translation>Leer el módulo y compararlo con el proyecto</translation>
    </message>
    <message>
        <source>Write &amp;History...</source>
        <translation>&amp;Historial de escrituras...</translation>
    </message>
    <message>
        <source>What Ramvik sees of the box&apos;s USB converter, and what to do</source>
        <translation>Lo que Ramvik ve del convertidor USB del módulo, y qué hacer</translation>
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
        <translation>El tipo de módulo al que va destinado el proyecto</translation>
    </message>
    <message>
        <source>&amp;Input-Output</source>
        <translation>&amp;Entrada-Salida</translation>
    </message>
    <message>
        <source>Show the output voltage against the input voltage</source>
        <translation>Mostrar la tensión de salida frente a la tensión de entrada</translation>
    </message>
    <message>
        <source>&amp;Difference</source>
        <translation>&amp;Diferencia</translation>
    </message>
    <message>
        <source>Show the input voltage minus the output voltage</source>
        <translation>Mostrar la tensión de entrada menos la tensión de salida</translation>
    </message>
    <message>
        <source>Show C&amp;R Curve</source>
        <translation>Mostrar curva C&amp;R</translation>
    </message>
    <message>
        <source>Show the CR curve while the TURBO curve is edited</source>
        <translation>Mostrar la curva CR mientras se edita la curva TURBO</translation>
    </message>
    <message>
        <source>Show &amp;TURBO Curve</source>
        <translation>Mostrar curva &amp;TURBO</translation>
    </message>
    <message>
        <source>Show the TURBO curve while the CR curve is edited</source>
        <translation>Mostrar la curva TURBO mientras se edita la curva CR</translation>
    </message>
    <message>
        <source>&amp;Keys and Mouse</source>
        <translation>&amp;Teclas y ratón</translation>
    </message>
    <message>
        <source>How to edit the curves with the mouse and the keys</source>
        <translation>Cómo editar las curvas con el ratón y el teclado</translation>
    </message>
    <message>
        <source>&amp;About Ramvik...</source>
        <translation>&amp;Acerca de Ramvik...</translation>
    </message>
    <message>
        <source>The program&apos;s name and version</source>
        <translation>Nombre y versión del programa</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recientes</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
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
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Everyday actions</source>
        <translation>Acciones habituales</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Ramvik Project (*.rmvp)</source>
        <translation>Proyecto Ramvik (*.rmvp)</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>No se pudo crear el PDF.</translation>
    </message>
    <message>
        <source>Can&apos;t save file!

%1

%2</source>
        <translation>¡No se puede guardar el archivo!

%1

%2</translation>
    </message>
    <message>
        <source>The project sheet went to %1.</source>
        <translation>La hoja del proyecto se guardó en %1.</translation>
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
        <translation>Aún no hay proyectos</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Borrar lista</translation>
    </message>
    <message>
        <source>Forget the projects listed here; the files stay</source>
        <translation>Olvidar los proyectos de esta lista; los archivos se conservan</translation>
    </message>
    <message>
        <source>Po&amp;int Up</source>
        <translation>S&amp;ubir punto</translation>
    </message>
    <message>
        <source>Point Up &amp;by 0.1 V</source>
        <translation>Sub&amp;ir punto 0,1 V</translation>
    </message>
    <message>
        <source>Point Do&amp;wn by 0.1 V</source>
        <translation>Ba&amp;jar punto 0,1 V</translation>
    </message>
    <message>
        <source>R&amp;eset CR Curve</source>
        <translation>Restablecer curva C&amp;R</translation>
    </message>
    <message>
        <source>Re&amp;set TURBO Curve</source>
        <translation>Restablecer curva TURB&amp;O</translation>
    </message>
    <message>
        <source>C&amp;onnection Help</source>
        <translation>Ayuda de co&amp;nexión</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>Idioma del &amp;sistema</translation>
    </message>
    <message>
        <source>Reset &amp;Zoom</source>
        <translation>Restablecer &amp;zoom</translation>
    </message>
    <message>
        <source>Show the whole range of the graph again</source>
        <translation>Volver a mostrar todo el rango del gráfico</translation>
    </message>
    <message>
        <source>Find earlier writes by customer, vehicle or box; open, compare, print or write back</source>
        <translation>Buscar escrituras anteriores por cliente, vehículo o módulo; abrir, comparar, imprimir o restaurar</translation>
    </message>
    <message>
        <source>Select the points that take the file&apos;s points first.</source>
        <translation>Seleccione primero los puntos que tomarán los puntos del archivo.</translation>
    </message>
    <message>
        <source>Cop&amp;y Points</source>
        <translation>Copiar pu&amp;ntos</translation>
    </message>
    <message>
        <source>Copy the selected points, or every point when none is selected, as text</source>
        <translation>Copiar como texto los puntos seleccionados, o todos si no hay ninguno seleccionado</translation>
    </message>
    <message>
        <source>P&amp;aste Points</source>
        <translation>Pe&amp;gar puntos</translation>
    </message>
    <message>
        <source>Paste outputs or input and output pairs onto the selected points</source>
        <translation>Pegar salidas o pares de entrada y salida en los puntos seleccionados</translation>
    </message>
    <message>
        <source>Select &amp;All Points</source>
        <translation>Seleccionar &amp;todos los puntos</translation>
    </message>
    <message>
        <source>Select every point of the edited curve</source>
        <translation>Seleccionar todos los puntos de la curva editada</translation>
    </message>
    <message>
        <source>&amp;Clear Selection</source>
        <translation>&amp;Quitar selección</translation>
    </message>
    <message>
        <source>Select no point</source>
        <translation>No seleccionar ningún punto</translation>
    </message>
    <message>
        <source>&amp;Set Output...</source>
        <translation>&amp;Fijar salida...</translation>
    </message>
    <message>
        <source>Give every selected point the same output</source>
        <translation>Dar la misma salida a todos los puntos seleccionados</translation>
    </message>
    <message>
        <source>A&amp;dd Voltage...</source>
        <translation>&amp;Sumar tensión...</translation>
    </message>
    <message>
        <source>Raise the outputs of the selected points by a voltage; a negative one lowers them</source>
        <translation>Subir las salidas de los puntos seleccionados una tensión; una negativa las baja</translation>
    </message>
    <message>
        <source>Scale by &amp;Percent...</source>
        <translation>Escalar por &amp;porcentaje...</translation>
    </message>
    <message>
        <source>Multiply the outputs of the selected points by a percentage</source>
        <translation>Multiplicar las salidas de los puntos seleccionados por un porcentaje</translation>
    </message>
    <message>
        <source>&amp;Interpolate</source>
        <translation>&amp;Interpolar</translation>
    </message>
    <message>
        <source>Put the inner selected points on the straight line between the first and the last</source>
        <translation>Poner los puntos seleccionados interiores en la recta entre el primero y el último</translation>
    </message>
    <message>
        <source>S&amp;mooth</source>
        <translation>Su&amp;avizar</translation>
    </message>
    <message>
        <source>Move each inner selected point halfway toward its neighbours; the ends stay</source>
        <translation>Mover cada punto seleccionado interior a medio camino hacia sus vecinos; los extremos no se mueven</translation>
    </message>
    <message>
        <source>Compare with &amp;File...</source>
        <translation>Co&amp;mparar con archivo...</translation>
    </message>
    <message>
        <source>Draw another project file over this one and list what differs</source>
        <translation>Dibujar otro archivo de proyecto sobre este y listar las diferencias</translation>
    </message>
    <message>
        <source>Se&amp;lection</source>
        <translation>Se&amp;lección</translation>
    </message>
    <message>
        <source>&amp;Points Table</source>
        <translation>Tabla de &amp;puntos</translation>
    </message>
    <message>
        <source>Show or hide the table of the edited curve&apos;s points</source>
        <translation>Mostrar u ocultar la tabla de puntos de la curva editada</translation>
    </message>
    <message>
        <source>Set Output</source>
        <translation>Fijar salida</translation>
    </message>
    <message>
        <source>Output of the selected points:</source>
        <translation>Salida de los puntos seleccionados:</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Type an output from 0 to 5 V, such as %1.</source>
        <translation>Escriba una salida de 0 a 5 V, por ejemplo %1.</translation>
    </message>
    <message>
        <source>Add Voltage</source>
        <translation>Sumar tensión</translation>
    </message>
    <message>
        <source>Voltage to add (negative lowers):</source>
        <translation>Tensión a sumar (negativa baja):</translation>
    </message>
    <message>
        <source>Type a voltage from -5 to 5 V, such as %1 or %2.</source>
        <translation>Escriba una tensión de -5 a 5 V, por ejemplo %1 o %2.</translation>
    </message>
    <message>
        <source>Scale by Percent</source>
        <translation>Escalar por porcentaje</translation>
    </message>
    <message>
        <source>Percentage of the outputs:</source>
        <translation>Porcentaje de las salidas:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Type a percentage from 0 to 1000, such as %1.</source>
        <translation>Escriba un porcentaje de 0 a 1000, por ejemplo %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s) copied.</source>
        <translation>
            <numerusform>%n punto copiado.</numerusform>
            <numerusform>%n puntos copiados.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>El portapapeles no contiene texto para pegar.</translation>
    </message>
    <message>
        <source>An output is a number of volts, such as %1.</source>
        <translation>Una salida es un número de voltios, por ejemplo %1.</translation>
    </message>
</context>
<context>
    <name>CRead</name>
    <message>
        <source>Read from box</source>
        <translation>Leer módulo</translation>
    </message>
    <message>
        <source>Read Data</source>
        <translation>Leer datos</translation>
    </message>
    <message>
        <source>Nothing was read: no box could be reached. The project is unchanged.</source>
        <translation>No se ha leído nada: no se pudo contactar con ningún módulo. El proyecto no ha cambiado.</translation>
    </message>
    <message>
        <source>Nothing was read: the transfer stopped before the first cell. The project is unchanged.</source>
        <translation>No se ha leído nada: la transferencia se detuvo antes de la primera celda. El proyecto no ha cambiado.</translation>
    </message>
    <message>
        <source>The read stopped after %1 of %2 cells, so nothing was taken from the box. The project is unchanged.</source>
        <translation>La lectura se detuvo tras %1 de %2 celdas, así que no se tomó nada del módulo. El proyecto no ha cambiado.</translation>
    </message>
    <message>
        <source>The project of box %1 (%2) is now the window&apos;s project; it is not saved in any file yet.</source>
        <translation>El proyecto del módulo %1 (%2) es ahora el proyecto de la ventana; aún no está guardado en ningún archivo.</translation>
    </message>
    <message>
        <source>The read was stopped after %1 of %2 cells: nothing was taken from the box, and the project is unchanged.</source>
        <translation>Se detuvo la lectura tras %1 de %2 celdas: no se tomó nada del módulo y el proyecto no ha cambiado.</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 of %2 cells</source>
        <translation>%1 de %2 celdas</translation>
    </message>
    <message>
        <source>%1 of %2 cells, %3 left</source>
        <translation>%1 de %2 celdas, faltan %3</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop the transfer after the cell on its way</source>
        <translation>Detener la transferencia tras la celda en curso</translation>
    </message>
</context>
<context>
    <name>CWrite</name>
    <message>
        <source>Write to box</source>
        <translation>Escribir módulo</translation>
    </message>
    <message>
        <source>Write Data</source>
        <translation>Escribir datos</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Verificar tras escribir</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>two sentences, one after the other</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>It is kept in the history as %1.</source>
        <translation>Queda guardado en el historial como %1.</translation>
    </message>
    <message>
        <source>It was not kept in the history: no history folder is known.</source>
        <translation>No se guardó en el historial: no se conoce ninguna carpeta de historial.</translation>
    </message>
    <message>
        <source>It could not be kept in the history: %1.</source>
        <translation>No se pudo guardar en el historial: %1.</translation>
    </message>
    <message>
        <source>The connection did not close cleanly afterwards; the box holds the project all the same.</source>
        <translation>Después, la conexión no se cerró correctamente; aun así, el módulo contiene el proyecto.</translation>
    </message>
    <message>
        <source>The project was written into box %1, but the box holds other values than were written; the first difference: %2</source>
        <translation>El proyecto se escribió en el módulo %1, pero el módulo contiene valores distintos de los escritos; la primera diferencia: %2</translation>
    </message>
    <message>
        <source>The write stopped after %1 of %2 cells: box %3 may now hold parts of two projects. Write the project again before the box is used.</source>
        <translation>La escritura se detuvo tras %1 de %2 celdas: el módulo %3 puede contener ahora partes de dos proyectos. Vuelva a escribir el proyecto antes de usar el módulo.</translation>
    </message>
    <message>
        <source>Nothing was written: the transfer stopped before the first cell. The box holds what it held before.</source>
        <translation>No se escribió nada: la transferencia se detuvo antes de la primera celda. El módulo conserva lo que tenía.</translation>
    </message>
    <message>
        <source>Nothing was written: the box cannot hold the project as it is.</source>
        <translation>No se escribió nada: el módulo no puede admitir el proyecto tal como está.</translation>
    </message>
    <message>
        <source>Nothing was written: no box could be reached.</source>
        <translation>No se escribió nada: no se pudo contactar con ningún módulo.</translation>
    </message>
    <message>
        <source>Write back to box</source>
        <translation>Restaurar módulo</translation>
    </message>
    <message>
        <source>Read cells 0 to 254 back after writing and compare them</source>
        <translation>Volver a leer las celdas 0 a 254 tras escribir y compararlas</translation>
    </message>
    <message>
        <source>Back up the box first</source>
        <translation>Copia de seguridad previa</translation>
    </message>
    <message>
        <source>Read what the box holds before writing and keep it in the write history, so that it can be written back</source>
        <translation>Leer lo que contiene el módulo antes de escribir y guardarlo en el historial de escrituras para poder restaurarlo</translation>
    </message>
    <message>
        <source>&amp;Job (customer, vehicle, note)</source>
        <translation>&amp;Trabajo (cliente, vehículo, nota)</translation>
    </message>
    <message>
        <source>What the write history keeps about this job; all optional</source>
        <translation>Lo que el historial de escrituras guarda sobre este trabajo; todo opcional</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>&amp;Cliente:</translation>
    </message>
    <message>
        <source>&amp;Vehicle:</source>
        <translation>&amp;Vehículo:</translation>
    </message>
    <message>
        <source>&amp;Registration or VIN:</source>
        <translation>&amp;Matrícula o VIN:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>Writes back what box %1 held before the write of %2.</source>
        <translation>Restaura lo que contenía el módulo %1 antes de la escritura del %2.</translation>
    </message>
    <message>
        <source>Stop the write?

The box will hold parts of two projects until a project is written into it again.</source>
        <translation>¿Detener la escritura?

El módulo contendrá partes de dos proyectos hasta que se vuelva a escribir un proyecto en él.</translation>
    </message>
    <message>
        <source>Written into box %1; %2.</source>
        <comment>the box, then the outcome</comment>
        <translation>Escrito en el módulo %1; %2.</translation>
    </message>
</context>
<context>
    <name>CellMeaning</name>
    <message>
        <source>empty %1 pair %2, input</source>
        <translation>par %1 %2 vacío, entrada</translation>
    </message>
    <message>
        <source>empty %1 pair %2, output</source>
        <translation>par %1 %2 vacío, salida</translation>
    </message>
    <message>
        <source>%1 point at %2 V, input</source>
        <translation>punto %1 en %2 V, entrada</translation>
    </message>
    <message>
        <source>%1 point at %2 V, output</source>
        <translation>punto %1 en %2 V, salida</translation>
    </message>
    <message>
        <source>first CR input</source>
        <translation>primera entrada CR</translation>
    </message>
    <message>
        <source>stop voltage</source>
        <translation>tensión final</translation>
    </message>
    <message>
        <source>start voltage</source>
        <translation>tensión inicial</translation>
    </message>
    <message>
        <source>CR output at the stop voltage</source>
        <translation>salida CR en la tensión final</translation>
    </message>
    <message>
        <source>box type and curve delay</source>
        <translation>tipo de módulo y retardo de curva</translation>
    </message>
    <message>
        <source>CR output at the start voltage</source>
        <translation>salida CR en la tensión inicial</translation>
    </message>
    <message>
        <source>start delay</source>
        <translation>retardo inicial</translation>
    </message>
    <message>
        <source>box identification</source>
        <translation>identificación del módulo</translation>
    </message>
    <message>
        <source>CR difference table at %1 V</source>
        <translation>tabla de diferencias CR en %1 V</translation>
    </message>
    <message>
        <source>TURBO table at %1 V</source>
        <translation>tabla TURBO en %1 V</translation>
    </message>
    <message>
        <source>cell outside the box</source>
        <translation>celda fuera del módulo</translation>
    </message>
</context>
<context>
    <name>ConnectionDoctor</name>
    <message>
        <source>Looked for FTDI FT232 converters (USB 0403:6001, 0403:6014, 0403:6015) and for
devices named &quot;%1&quot;.</source>
        <translation>Se buscaron convertidores FTDI FT232 (USB 0403:6001, 0403:6014, 0403:6015) y
dispositivos llamados &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Ramvik looked for FTDI FT232 converters (USB 0403:6001, 0403:6014, 0403:6015) and for devices named &quot;%1&quot;.</source>
        <translation>Ramvik buscó convertidores FTDI FT232 (USB 0403:6001, 0403:6014, 0403:6015) y dispositivos llamados &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 does not exist.
Fix: name a device that ramvik-cli ports lists.</source>
        <translation>%1 no existe.
Solución: indique un dispositivo de los que lista ramvik-cli ports.</translation>
    </message>
    <message>
        <source>%1 does not exist.
What to do: Plug the box&apos;s converter in, then try the transfer again.</source>
        <translation>%1 no existe.
Qué hacer: conecte el convertidor del módulo y vuelva a intentar la transferencia.</translation>
    </message>
    <message>
        <source>%1 is served by the kernel driver %2.</source>
        <translation>%1 lo gestiona el controlador del kernel %2.</translation>
    </message>
    <message>
        <source>The user %1 may open %2.</source>
        <translation>El usuario %1 puede abrir %2.</translation>
    </message>
    <message>
        <source>No other program holds %1.</source>
        <translation>Ningún otro programa tiene abierto %1.</translation>
    </message>
    <message>
        <source>No other program of this user holds %1 (those of other users
are visible to root only).</source>
        <translation>Ningún otro programa de este usuario tiene abierto %1 (los de otros usuarios
solo los ve root).</translation>
    </message>
    <message>
        <source>No other program of this user holds %1.</source>
        <translation>Ningún otro programa de este usuario tiene abierto %1.</translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms. Ramvik lowers it while it transfers, where the driver allows.
Nothing to do for a transfer. Whoever looks after this computer can set it to 1 ms for good with Ramvik&apos;s udev rule %3.</source>
        <translation>El temporizador de latencia de %1 es de %2 ms. Ramvik lo reduce durante la transferencia, si el controlador lo permite.
No hace falta hacer nada para transferir. Quien administre este ordenador puede fijarlo en 1 ms de forma permanente con la regla udev de Ramvik %3.</translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms. Ramvik lowers it while it transfers,
where the driver allows. To set it to 1 ms for good, install the udev rule:
%3</source>
        <translation>El temporizador de latencia de %1 es de %2 ms. Ramvik lo reduce al transferir,
si el controlador lo permite. Para fijarlo en 1 ms de forma permanente, instale la regla udev:
%3</translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms.</source>
        <translation>El temporizador de latencia de %1 es de %2 ms.</translation>
    </message>
    <message>
        <source>A converter is connected: %1</source>
        <translation>Hay un convertidor conectado: %1</translation>
    </message>
    <message>
        <source>%1
Fix: name the box&apos;s converter: ramvik-cli doctor --port PATH, and the same
--port PATH for write and read.</source>
        <translation>%1
Solución: indique el convertidor del módulo: ramvik-cli doctor --port PATH, y el mismo
--port PATH para write y read.</translation>
    </message>
    <message>
        <source>%1
What to do: Start a transfer and choose the box&apos;s converter when Ramvik asks; Ramvik remembers the choice. Or unplug the converters that are not the box&apos;s.</source>
        <translation>%1
Qué hacer: inicie una transferencia y elija el convertidor del módulo cuando Ramvik lo pregunte; Ramvik recuerda la elección. O desconecte los convertidores que no son del módulo.</translation>
    </message>
    <message>
        <source>A converter is connected: USB %1 (USB device %2).</source>
        <translation>Hay un convertidor conectado: USB %1 (dispositivo USB %2).</translation>
    </message>
    <message>
        <source>A converter is connected: USB %1  &quot;%2&quot; (USB device %3).</source>
        <translation>Hay un convertidor conectado: USB %1  &quot;%2&quot; (dispositivo USB %3).</translation>
    </message>
    <message>
        <source>The vendor library reaches it.</source>
        <translation>La librería del fabricante accede a él.</translation>
    </message>
    <message>
        <source>No serial driver has taken it: it has no serial device.
Fix: load the kernel&apos;s driver (sudo modprobe ftdi_sio). brltty, when installed, takes
such converters away: remove it (sudo apt remove brltty) unless a braille
display is used, then plug the converter in again.</source>
        <translation>Ningún controlador serie lo ha tomado: no tiene dispositivo serie.
Solución: cargue el controlador del kernel (sudo modprobe ftdi_sio). brltty, si está instalado, se apropia
de estos convertidores: desinstálelo (sudo apt remove brltty) salvo que se use una pantalla
braille, y vuelva a conectar el convertidor.</translation>
    </message>
    <message>
        <source>A converter is connected: the vendor library sees %1 FTDI device(s).</source>
        <translation>Hay un convertidor conectado: la librería del fabricante ve %1 dispositivo(s) FTDI.</translation>
    </message>
    <message>
        <source>No converter for the box is connected.
%1
Fix: plug the box&apos;s converter in; ramvik-cli ports lists every serial port.</source>
        <translation>No hay ningún convertidor del módulo conectado.
%1
Solución: conecte el convertidor del módulo; ramvik-cli ports lista todos los puertos serie.</translation>
    </message>
    <message>
        <source>No converter for the box is connected.
%1
What to do: Plug the box&apos;s converter in (into another USB socket if it is plugged in), then try the transfer again.</source>
        <translation>No hay ningún convertidor del módulo conectado.
%1
Qué hacer: conecte el convertidor del módulo (en otro puerto USB si ya está conectado) y vuelva a intentar la transferencia.</translation>
    </message>
    <message>
        <source>The vendor library %1 is present and complete.</source>
        <translation>La librería del fabricante %1 está presente y completa.</translation>
    </message>
    <message>
        <source>The vendor library %1 is not installed; the system&apos;s serial driver serves
the converter instead.</source>
        <translation>La librería del fabricante %1 no está instalada; en su lugar, el controlador serie del sistema
gestiona el convertidor.</translation>
    </message>
    <message>
        <source>The vendor library %1 is not installed; the system&apos;s serial driver serves the converter instead.</source>
        <translation>La librería del fabricante %1 no está instalada; en su lugar, el controlador serie del sistema gestiona el convertidor.</translation>
    </message>
    <message>
        <source>%1
Fix: install FTDI&apos;s D2XX driver (ftdichip.com, &quot;D2XX Drivers&quot;) for this system.</source>
        <translation>%1
Solución: instale el controlador D2XX de FTDI (ftdichip.com, &quot;D2XX Drivers&quot;) para este sistema.</translation>
    </message>
    <message>
        <source>%1
What to do: Ask whoever looks after this computer to install FTDI&apos;s D2XX driver (ftdichip.com, &quot;D2XX Drivers&quot;) for this system.</source>
        <translation>%1
Qué hacer: pida a quien administre este ordenador que instale el controlador D2XX de FTDI (ftdichip.com, &quot;D2XX Drivers&quot;) para este sistema.</translation>
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
        <translation>El dispositivo indicado existe: %1</translation>
    </message>
    <message>
        <source>A transfer can start.</source>
        <translation>Se puede iniciar una transferencia.</translation>
    </message>
    <message>
        <source>A transfer cannot start yet.</source>
        <translation>Aún no se puede iniciar una transferencia.</translation>
    </message>
</context>
<context>
    <name>D2xxLibrary</name>
    <message>
        <source>Error: Can&apos;t Load %1</source>
        <translation>Error: no se puede cargar %1</translation>
    </message>
    <message>
        <source>Error: Can&apos;t Find %1</source>
        <translation>Error: no se encuentra %1</translation>
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
        <translation>V[Sal]</translation>
    </message>
    <message>
        <source>Input - Output</source>
        <translation>Entrada - Salida</translation>
    </message>
    <message>
        <source>V[Diff]</source>
        <translation>V[Dif]</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Input - output:</source>
        <translation>Entrada - salida:</translation>
    </message>
    <message>
        <source>up to %1 V</source>
        <translation>hasta %1 V</translation>
    </message>
    <message>
        <source>%1 V to %2 V</source>
        <translation>de %1 V a %2 V</translation>
    </message>
    <message>
        <source>above the input: the output would be below 0 V</source>
        <translation>mayor que la entrada: la salida quedaría por debajo de 0 V</translation>
    </message>
    <message>
        <source>V[in]:%1 V[diff]:%2</source>
        <translation>V[ent]:%1 V[dif]:%2</translation>
    </message>
    <message>
        <source>Project CR</source>
        <translation>CR del proyecto</translation>
    </message>
    <message>
        <source>Project TURBO</source>
        <translation>TURBO del proyecto</translation>
    </message>
    <message>
        <source>Box CR</source>
        <translation>CR del módulo</translation>
    </message>
    <message>
        <source>Box TURBO</source>
        <translation>TURBO del módulo</translation>
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
        <translation>1 punto modificado</translation>
    </message>
    <message>
        <source>%1 points changed</source>
        <translation>%1 puntos modificados</translation>
    </message>
    <message>
        <source>1 point added</source>
        <translation>1 punto añadido</translation>
    </message>
    <message>
        <source>%1 points added</source>
        <translation>%1 puntos añadidos</translation>
    </message>
    <message>
        <source>1 point removed</source>
        <translation>1 punto eliminado</translation>
    </message>
    <message>
        <source>%1 points removed</source>
        <translation>%1 puntos eliminados</translation>
    </message>
    <message>
        <source>No point changed</source>
        <translation>Ningún punto modificado</translation>
    </message>
    <message>
        <source>1 held at %1 V</source>
        <translation>1 limitado a %1 V</translation>
    </message>
    <message>
        <source>%1 held at %2 V</source>
        <translation>%1 limitados a %2 V</translation>
    </message>
    <message>
        <source>1 held at its limit</source>
        <translation>1 en su límite</translation>
    </message>
    <message>
        <source>%1 held at their limits</source>
        <translation>%1 en sus límites</translation>
    </message>
    <message>
        <source>1 may not move</source>
        <translation>1 fijo</translation>
    </message>
    <message>
        <source>%1 may not move</source>
        <translation>%1 fijos</translation>
    </message>
    <message>
        <source>The text holds no numbers.</source>
        <translation>El texto no contiene números.</translation>
    </message>
    <message>
        <source>No point is selected.</source>
        <translation>No hay ningún punto seleccionado.</translation>
    </message>
    <message>
        <source>The value is not a number.</source>
        <translation>El valor no es un número.</translation>
    </message>
    <message>
        <source>The other project has no TURBO curve.</source>
        <translation>El otro proyecto no tiene curva TURBO.</translation>
    </message>
    <message>
        <source>Nothing changed: %1</source>
        <translation>No se ha cambiado nada: %1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>Interpolating needs three selected points or more.</source>
        <translation>Para interpolar hacen falta tres o más puntos seleccionados.</translation>
    </message>
    <message>
        <source>Smoothing needs three selected points or more.</source>
        <translation>Para suavizar hacen falta tres o más puntos seleccionados.</translation>
    </message>
    <message>
        <source>the output is not a number.</source>
        <translation>la salida no es un número.</translation>
    </message>
    <message>
        <source>the input %1 V lies outside 0 V to 5 V.</source>
        <translation>la entrada %1 V está fuera del rango de 0 V a 5 V.</translation>
    </message>
    <message>
        <source>the input %1 V is not on the box&apos;s 0.02 V steps.</source>
        <translation>la entrada %1 V no está en los pasos de 0,02 V del módulo.</translation>
    </message>
    <message>
        <source>the input %1 V is given twice.</source>
        <translation>la entrada %1 V aparece dos veces.</translation>
    </message>
    <message>
        <source>the output %1 V at %2 V lies outside %3 V to %4 V.</source>
        <translation>la salida %1 V en %2 V está fuera del rango de %3 V a %4 V.</translation>
    </message>
    <message>
        <source>The CR curve would hold %1 points; a box stores %2.</source>
        <translation>La curva CR tendría %1 puntos; un módulo admite %2.</translation>
    </message>
    <message>
        <source>The TURBO curve would hold %1 points; a box stores %2.</source>
        <translation>La curva TURBO tendría %1 puntos; un módulo admite %2.</translation>
    </message>
    <message>
        <source>Select the points these numbers are the outputs of, or paste input and output pairs.</source>
        <translation>Seleccione los puntos cuyas salidas son estos números, o pegue pares de entrada y salida.</translation>
    </message>
    <message>
        <source>%1 numbers for 1 selected point: select as many points as there are numbers.</source>
        <translation>%1 números para 1 punto seleccionado: seleccione tantos puntos como números haya.</translation>
    </message>
    <message>
        <source>%1 numbers for %2 selected points: select as many points as there are numbers.</source>
        <translation>%1 números para %2 puntos seleccionados: seleccione tantos puntos como números haya.</translation>
    </message>
    <message>
        <source>The text holds single numbers; replacing points needs an input and an output on each line.</source>
        <translation>El texto contiene números sueltos; para sustituir puntos hace falta una entrada y una salida en cada línea.</translation>
    </message>
</context>
<context>
    <name>PointText</name>
    <message>
        <source>Line %1 is not a number or a pair of numbers: &quot;%2&quot;</source>
        <translation>La línea %1 no es un número ni un par de números: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The text holds no numbers.</source>
        <translation>El texto no contiene números.</translation>
    </message>
    <message>
        <source>Line %1 holds two numbers where the lines before it hold one: &quot;%2&quot;</source>
        <translation>La línea %1 contiene dos números, pero las anteriores contienen uno: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Line %1 holds one number where the lines before it hold two: &quot;%2&quot;</source>
        <translation>La línea %1 contiene un número, pero las anteriores contienen dos: &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>PortAdvice</name>
    <message>
        <source>Stop it (sudo systemctl stop ModemManager), or install Ramvik&apos;s udev rule %1,
which tells ModemManager to leave the box&apos;s converter alone.</source>
        <translation>Deténgalo (sudo systemctl stop ModemManager) o instale la regla udev de Ramvik %1,
que indica a ModemManager que no toque el convertidor del módulo.</translation>
    </message>
    <message>
        <source>What to do: ModemManager looks after mobile modems and has taken the converter. Ask whoever looks after this computer to stop it, or to install Ramvik&apos;s udev rule %1, which tells ModemManager to leave the box&apos;s converter alone.</source>
        <translation>Qué hacer: ModemManager gestiona los módems móviles y se ha apropiado del convertidor. Pida a quien administre este ordenador que lo detenga o que instale la regla udev de Ramvik %1, que indica a ModemManager que no toque el convertidor del módulo.</translation>
    </message>
    <message>
        <source>brltty, the braille display driver, takes USB serial converters. Stop it
(sudo systemctl stop brltty), or remove it (sudo apt remove brltty) when no
braille display is used.</source>
        <translation>brltty, el controlador de pantallas braille, se apropia de los convertidores USB serie. Deténgalo
(sudo systemctl stop brltty) o desinstálelo (sudo apt remove brltty) si no se usa
ninguna pantalla braille.</translation>
    </message>
    <message>
        <source>What to do: brltty, the driver for braille displays, takes USB serial converters. Ask whoever looks after this computer to stop it, or to remove it when no braille display is used.</source>
        <translation>Qué hacer: brltty, el controlador de pantallas braille, se apropia de los convertidores USB serie. Pida a quien administre este ordenador que lo detenga, o que lo desinstale si no se usa ninguna pantalla braille.</translation>
    </message>
    <message>
        <source>Close %1, then try again.</source>
        <translation>Cierre %1 y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>What to do: Close the program %1, which has the converter open, then try again. If you cannot find it, ask whoever looks after this computer to stop it.</source>
        <translation>Qué hacer: cierre el programa %1, que tiene abierto el convertidor, y vuelva a intentarlo. Si no lo encuentra, pida a quien administre este ordenador que lo detenga.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2.
Install Ramvik&apos;s udev rule %3, which gives the logged-in user the box&apos;s converter,
then plug the converter in again.</source>
        <translation>El usuario %1 no puede abrir %2.
Instale la regla udev de Ramvik %3, que da al usuario con sesión iniciada acceso al convertidor del módulo,
y vuelva a conectar el convertidor.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2.
What to do: Ask whoever looks after this computer to install Ramvik&apos;s udev rule %3, which gives the logged-in user the box&apos;s converter. Then plug the converter in again.</source>
        <translation>El usuario %1 no puede abrir %2.
Qué hacer: pida a quien administre este ordenador que instale la regla udev de Ramvik %3, que da al usuario con sesión iniciada acceso al convertidor del módulo. Después, vuelva a conectar el convertidor.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2: it belongs to the group %3.
Add the user to that group (sudo usermod -aG %3 %1), then log in again,
or install Ramvik&apos;s udev rule %4, which gives the logged-in user the box&apos;s converter.</source>
        <translation>El usuario %1 no puede abrir %2: pertenece al grupo %3.
Añada el usuario a ese grupo (sudo usermod -aG %3 %1) y vuelva a iniciar sesión,
o instale la regla udev de Ramvik %4, que da al usuario con sesión iniciada acceso al convertidor del módulo.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2: it belongs to the group %3.
What to do: Ask whoever looks after this computer to add the user %1 to the group %3 (or to install Ramvik&apos;s udev rule %4), then log in again.</source>
        <translation>El usuario %1 no puede abrir %2: pertenece al grupo %3.
Qué hacer: pida a quien administre este ordenador que añada el usuario %1 al grupo %3 (o que instale la regla udev de Ramvik %4) y después vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>%1 is in use by %2 (process %3).
%4</source>
        <translation>%2 está usando %1 (proceso %3).
%4</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>%1 does not exist.
What to do: Plug the box&apos;s converter in, then try again.</source>
        <translation>%1 no existe.
Qué hacer: conecte el convertidor del módulo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Ramvik finds no converter that may be the box&apos;s.
What to do: Plug the box&apos;s converter in (into another USB socket if it is plugged in), then try again.</source>
        <translation>Ramvik no encuentra ningún convertidor que pueda ser el del módulo.
Qué hacer: conecte el convertidor del módulo (en otro puerto USB si ya está conectado) y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The box&apos;s converter is plugged in, but no serial driver has taken it, so Ramvik cannot talk through it.
What to do: Unplug the converter and plug it in again. If that does not help, ask whoever looks after this computer to load the driver ftdi_sio and to remove brltty (a driver for braille displays, which takes such converters away) unless a braille display is used.</source>
        <translation>El convertidor del módulo está conectado, pero ningún controlador serie lo ha tomado, así que Ramvik no puede comunicarse a través de él.
Qué hacer: desconecte el convertidor y vuelva a conectarlo. Si no sirve, pida a quien administre este ordenador que cargue el controlador ftdi_sio y que desinstale brltty (un controlador de pantallas braille que se apropia de estos convertidores), salvo que se use una pantalla braille.</translation>
    </message>
    <message>
        <source>%1  %2  serial %3  &quot;%4&quot;</source>
        <translation>%1  %2  n.º de serie %3  &quot;%4&quot;</translation>
    </message>
    <message>
        <source>%1  %2  serial %3</source>
        <translation>%1  %2  n.º de serie %3</translation>
    </message>
    <message>
        <source>%1  serial %2  &quot;%3&quot;</source>
        <translation>%1  n.º de serie %2  &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1  serial %2</source>
        <translation>%1  n.º de serie %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s:</source>
        <translation>Más de un convertidor puede ser el del módulo:</translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s:
  %1</source>
        <translation>Más de un convertidor puede ser el del módulo:
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
        <translation>sudo cp resources/udev/%1 /etc/udev/rules.d/ (el paquete Debian la instala por sí mismo),
y después sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger</translation>
    </message>
</context>
<context>
    <name>PortFinder</name>
    <message>
        <source>%1
Choose the box&apos;s converter.</source>
        <translation>%1
Elija el convertidor del módulo.</translation>
    </message>
    <message>
        <source>%1
What to do: Start the transfer again and choose the box&apos;s converter when Ramvik asks, or unplug the converters that are not the box&apos;s.</source>
        <translation>%1
Qué hacer: vuelva a iniciar la transferencia y elija el convertidor del módulo cuando Ramvik lo pregunte, o desconecte los convertidores que no son del módulo.</translation>
    </message>
    <message>
        <source>Opening %1 failed: %2.</source>
        <translation>No se pudo abrir %1: %2.</translation>
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
        <translation>Tensión inicial [V] :   %1</translation>
    </message>
    <message>
        <source>Start Delay [mm:ss] :   %1:%2</source>
        <translation>Retardo inicial [mm:ss] :   %1:%2</translation>
    </message>
    <message>
        <source>Curve Delay [ms/0.1V] :   %1</source>
        <translation>Retardo de curva [ms/0,1V] :   %1</translation>
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
        <translation>Tipo de módulo: proyecto %1, archivo %2.</translation>
    </message>
    <message>
        <source>Curve delay: project %1 ms, file %2 ms.</source>
        <translation>Retardo de curva: proyecto %1 ms, archivo %2 ms.</translation>
    </message>
    <message>
        <source>Start voltage: project %1 V, file %2 V.</source>
        <translation>Tensión inicial: proyecto %1 V, archivo %2 V.</translation>
    </message>
    <message>
        <source>Stop voltage: project %1 V, file %2 V.</source>
        <translation>Tensión final: proyecto %1 V, archivo %2 V.</translation>
    </message>
    <message>
        <source>Start delay: project %1, file %2.</source>
        <translation>Retardo inicial: proyecto %1, archivo %2.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, %4 V in the file.</source>
        <translation>Punto %1 en %2 V: salida %3 V en el proyecto, %4 V en el archivo.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, none in the file.</source>
        <translation>Punto %1 en %2 V: salida %3 V en el proyecto, ninguna en el archivo.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the file, none in the project.</source>
        <translation>Punto %1 en %2 V: salida %3 V en el archivo, ninguna en el proyecto.</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>it holds control characters (byte %1 is %2)</source>
        <translation>contiene caracteres de control (el byte %1 es %2)</translation>
    </message>
    <message>
        <source>no parameter line</source>
        <translation>no tiene ninguna línea de parámetros</translation>
    </message>
</context>
<context>
    <name>ProjectState</name>
    <message>
        <source>A CR curve holds at most %1 points</source>
        <translation>Una curva CR admite como máximo %1 puntos</translation>
    </message>
    <message>
        <source>A TURBO curve holds at most %1 points</source>
        <translation>Una curva TURBO admite como máximo %1 puntos</translation>
    </message>
    <message>
        <source>The point at 0 V stays</source>
        <translation>El punto de 0 V es fijo</translation>
    </message>
    <message>
        <source>Inputs lie between 0 V and 5 V</source>
        <translation>Las entradas van de 0 V a 5 V</translation>
    </message>
    <message>
        <source>Only points between the start and stop voltage can be moved</source>
        <translation>Solo se pueden mover los puntos entre la tensión inicial y la final</translation>
    </message>
    <message>
        <source>The output at %1 V stays between %2 V and %3 V</source>
        <translation>La salida en %1 V debe quedar entre %2 V y %3 V</translation>
    </message>
    <message>
        <source>The point at 5 V stays</source>
        <translation>El punto de 5 V es fijo</translation>
    </message>
    <message>
        <source>The CR points at the start and stop voltage stay</source>
        <translation>Los puntos CR de la tensión inicial y la final son fijos</translation>
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
        <translation>La tensión inicial va de 0,0 V a 5,0 V.</translation>
    </message>
    <message>
        <source>The start voltage goes in steps of 0.1 V.</source>
        <translation>La tensión inicial va en pasos de 0,1 V.</translation>
    </message>
    <message>
        <source>The start voltage cannot lie above the stop voltage (%1 V).</source>
        <translation>La tensión inicial no puede ser mayor que la tensión final (%1 V).</translation>
    </message>
    <message>
        <source>The stop voltage lies between 0.0 V and 5.0 V.</source>
        <translation>La tensión final va de 0,0 V a 5,0 V.</translation>
    </message>
    <message>
        <source>The stop voltage goes in steps of 0.1 V.</source>
        <translation>La tensión final va en pasos de 0,1 V.</translation>
    </message>
    <message>
        <source>The stop voltage cannot lie below the start voltage (%1 V).</source>
        <translation>La tensión final no puede ser menor que la tensión inicial (%1 V).</translation>
    </message>
    <message>
        <source>The start delay lies between 0:00 and 4:00.</source>
        <translation>El retardo inicial va de 0:00 a 4:00.</translation>
    </message>
    <message>
        <source>The curve delay lies between 0 ms and 500 ms.</source>
        <translation>El retardo de curva va de 0 ms a 500 ms.</translation>
    </message>
    <message>
        <source>The curve delay goes in steps of 20 ms.</source>
        <translation>El retardo de curva va en pasos de 20 ms.</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>No USB Device Connected!</source>
        <translation>¡No hay ningún dispositivo USB conectado!</translation>
    </message>
    <message>
        <source>An error occured,
please replug
the USB-interface.

Error code: WR0001</source>
        <translation>Se ha producido un error.
Vuelva a conectar
la interfaz USB.

Código de error: WR0001</translation>
    </message>
    <message>
        <source>Please check the connection
of the USB-interface
and try again.</source>
        <translation>Compruebe la conexión
de la interfaz USB
y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>This box is not designed for this software. 
Use the proper software, Dolvar,
or contact your dealer to update this box.</source>
        <translation>Este módulo no está diseñado para este programa.
Use el programa adecuado, Dolvar,
o contacte con su distribuidor para actualizar este módulo.</translation>
    </message>
    <message>
        <source>This box is for CR-Tuning only!
please adjust your project.</source>
        <translation>¡Este módulo es solo para tuning CR!
Adapte su proyecto.</translation>
    </message>
    <message>
        <source>This box is for CR-TURBO-Tuning only!
please adjust your project.</source>
        <translation>¡Este módulo es solo para tuning CR-TURBO!
Adapte su proyecto.</translation>
    </message>
    <message>
        <source>USB-error

Error code: PU0001</source>
        <translation>Error USB

Código de error: PU0001</translation>
    </message>
    <message>
        <source>USB-error

Error code: CL0001</source>
        <translation>Error USB

Código de error: CL0001</translation>
    </message>
    <message>
        <source>No USB Device Connected!

%1</source>
        <translation>¡No hay ningún dispositivo USB conectado!

%1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Register Keys not found!

Please reinstall the program. The default values will be loaded.</source>
        <translation>¡No se encontraron las claves del registro!

Vuelva a instalar el programa. Se cargarán los valores predeterminados.</translation>
    </message>
    <message>
        <source>A register key was not found!

Please reinstall the program to correct this error. The default value for this setting will be loaded.</source>
        <translation>¡No se encontró una clave del registro!

Vuelva a instalar el programa para corregir este error. Se cargará el valor predeterminado de este ajuste.</translation>
    </message>
    <message>
        <source>%1 does not look like a Ramvik project: %2.</source>
        <translation>%1 no parece un proyecto de Ramvik: %2.</translation>
    </message>
    <message>
        <source>Can&apos;t open file!</source>
        <translation>¡No se puede abrir el archivo!</translation>
    </message>
    <message>
        <source>%1 Open it anyway?</source>
        <translation>%1 ¿Abrirlo de todos modos?</translation>
    </message>
    <message>
        <source>A box cannot hold this project as it stands: %1</source>
        <translation>Un módulo no puede admitir este proyecto tal como está: %1</translation>
    </message>
    <message>
        <source>A box cannot hold this project as it stands: %1 (and %2 more)</source>
        <translation>Un módulo no puede admitir este proyecto tal como está: %1 (y %2 más)</translation>
    </message>
    <message>
        <source>%1 was no Ramvik project when it was opened. Replace it with this project?</source>
        <translation>%1 no era un proyecto de Ramvik cuando se abrió. ¿Sustituirlo por este proyecto?</translation>
    </message>
    <message>
        <source>Can&apos;t save file!

%1

%2</source>
        <translation>¡No se puede guardar el archivo!

%1

%2</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; has changed.

Do you want to save the changes?</source>
        <translation>El proyecto «%1» ha cambiado.

¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>The write was not kept in the history:

%1

%2</source>
        <translation>La escritura no se guardó en el historial:

%1

%2</translation>
    </message>
    <message>
        <source>The write was not kept in the history:

no data folder is known (the settings hold no RootPath, or HOME is not set).</source>
        <translation>La escritura no se guardó en el historial:

no se conoce ninguna carpeta de datos (los ajustes no tienen RootPath, o HOME no está definido).</translation>
    </message>
    <message>
        <source>%1 is not a Ramvik project: %2 bytes.</source>
        <translation>%1 no es un proyecto de Ramvik: %2 bytes.</translation>
    </message>
    <message>
        <source>Nothing was written: what the box held could not be kept in the history first.

%1

%2

Turn the backup off to write all the same.</source>
        <translation>No se escribió nada: no se pudo guardar antes en el historial lo que contenía el módulo.

%1

%2

Desactive la copia de seguridad para escribir de todos modos.</translation>
    </message>
    <message>
        <source>Written into box %1; %2.</source>
        <translation>Escrito en el módulo %1; %2.</translation>
    </message>
    <message>
        <source>Every cell was written into box %1, but the check was cut off: the write is not verified.</source>
        <translation>Se escribieron todas las celdas en el módulo %1, pero la verificación se interrumpió: la escritura no está verificada.</translation>
    </message>
    <message>
        <source>The write failed at cell %1 of %2: the box now holds parts of two projects. Write the project again before the engine runs.</source>
        <translation>La escritura falló en la celda %1 de %2: el módulo contiene ahora partes de dos proyectos. Vuelva a escribir el proyecto antes de arrancar el motor.</translation>
    </message>
    <message>
        <source>The write of %1 kept nothing to write back: the box was not read before it.</source>
        <translation>La escritura del %1 no guardó nada que restaurar: el módulo no se leyó antes.</translation>
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
        <translation>El módulo no puede admitir este proyecto:
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
        <translation>El módulo contiene valores distintos de los escritos: %1</translation>
    </message>
    <message>
        <source>cell %1 (%2): box %3, written %4.</source>
        <translation>celda %1 (%2): módulo %3, escrito %4.</translation>
    </message>
    <message>
        <source>The write was stopped before the first cell: the box holds what it held before.</source>
        <translation>Se detuvo la escritura antes de la primera celda: el módulo conserva lo que tenía.</translation>
    </message>
    <message>
        <source>The check was stopped: every cell was written, but not all of cells 0–254 were read back, so the write is not verified.</source>
        <translation>Se detuvo la verificación: se escribieron todas las celdas, pero no se volvieron a leer todas las celdas 0–254, así que la escritura no está verificada.</translation>
    </message>
    <message>
        <source>The read was stopped before every cell had arrived: nothing was saved.</source>
        <translation>Se detuvo la lectura antes de que llegaran todas las celdas: no se guardó nada.</translation>
    </message>
    <message>
        <source>The write stopped after cell %1 of %2: the box now holds parts of two projects. Write the project again before the engine runs.</source>
        <translation>La escritura se detuvo tras la celda %1 de %2: el módulo contiene ahora partes de dos proyectos. Vuelva a escribir el proyecto antes de arrancar el motor.</translation>
    </message>
</context>
<context>
    <name>TransferPhase</name>
    <message>
        <source>Writing...</source>
        <translation>Escribiendo...</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Escrito</translation>
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
        <translation>Leyendo...</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leído</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Copia de seguridad...</translation>
    </message>
    <message>
        <source>Backed up</source>
        <translation>Copia de seguridad hecha</translation>
    </message>
</context>
<context>
    <name>WriteHistory</name>
    <message>
        <source>did not finish (the program ended during the write): the box may hold parts of two projects</source>
        <translation>no terminada (el programa se cerró durante la escritura): el módulo puede contener partes de dos proyectos</translation>
    </message>
    <message>
        <source>differs: the box holds other values than were written</source>
        <translation>con diferencias: el módulo contiene valores distintos de los escritos</translation>
    </message>
    <message>
        <source>differs: %1</source>
        <translation>con diferencias: %1</translation>
    </message>
    <message>
        <source>not verified: every cell was written, the check was off</source>
        <translation>no verificada: se escribieron todas las celdas, sin verificación</translation>
    </message>
    <message>
        <source>stopped before the first cell: the box holds what it held before</source>
        <translation>detenida antes de la primera celda: el módulo conserva lo que tenía</translation>
    </message>
    <message>
        <source>stopped after cell %1 of %2: the box holds parts of two projects</source>
        <translation>detenida tras la celda %1 de %2: el módulo contiene partes de dos proyectos</translation>
    </message>
    <message>
        <source>failed at cell %1 of %2: the box holds parts of two projects</source>
        <translation>fallida en la celda %1 de %2: el módulo contiene partes de dos proyectos</translation>
    </message>
    <message>
        <source>The last write into box %1 (%2) did not finish: the box may hold parts of two projects. Write the project again.</source>
        <translation>La última escritura en el módulo %1 (%2) no terminó: el módulo puede contener partes de dos proyectos. Vuelva a escribir el proyecto.</translation>
    </message>
    <message>
        <source>The box&apos;s table cells (256–766) cannot be read back, and the last write into box %1 (%2) did not finish: they may hold another project.</source>
        <translation>Las celdas de tabla del módulo (256–766) no se pueden volver a leer, y la última escritura en el módulo %1 (%2) no terminó: pueden contener otro proyecto.</translation>
    </message>
    <message>
        <source>Left out 1 history entry that is only half there (another computer may be writing it).</source>
        <translation>Se omitió 1 entrada del historial que está incompleta (puede que otro ordenador la esté escribiendo).</translation>
    </message>
    <message>
        <source>Left out %1 history entries that are only half there (another computer may be writing them).</source>
        <translation>Se omitieron %1 entradas del historial que están incompletas (puede que otro ordenador las esté escribiendo).</translation>
    </message>
    <message>
        <source>Can&apos;t read the write history:

%1

%2</source>
        <translation>No se puede leer el historial de escrituras:

%1

%2</translation>
    </message>
    <message>
        <source>Written into box %1 on %2.</source>
        <translation>Escrito en el módulo %1 el %2.</translation>
    </message>
    <message>
        <source>Written into box %1 on %2 at %3.</source>
        <translation>Escrito en el módulo %1 el %2 desde %3.</translation>
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
        <translation>Vehículo: %1</translation>
    </message>
    <message>
        <source>Registration or VIN: %1</source>
        <translation>Matrícula o VIN: %1</translation>
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
        <translation>Restaura lo que contenía el módulo antes de la escritura %1.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>verified: parameters and points (cells 0–254); the box&apos;s table cells cannot be read back</source>
        <translation>verificada: parámetros y puntos (celdas 0–254); las celdas de tabla del módulo no se pueden volver a leer</translation>
    </message>
    <message>
        <source>check cut off: every cell was written, but not all of cells 0–254 were read back</source>
        <translation>verificación incompleta: se escribieron todas las celdas, pero no se volvieron a leer todas las celdas 0–254</translation>
    </message>
</context>
</TS>
