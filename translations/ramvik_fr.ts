<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BoxCompare</name>
    <message>
        <source>Box type: project %1, box %2.</source>
        <translation>Type de boîtier&#xa0;: projet %1, boîtier %2.</translation>
    </message>
    <message>
        <source>Curve delay: project %1 ms, box %2 ms.</source>
        <translation>Délai de courbe&#xa0;: projet %1 ms, boîtier %2 ms.</translation>
    </message>
    <message>
        <source>Start voltage: project %1 V, box %2 V.</source>
        <translation>Tension de début&#xa0;: projet %1 V, boîtier %2 V.</translation>
    </message>
    <message>
        <source>Stop voltage: project %1 V, box %2 V.</source>
        <translation>Tension de fin&#xa0;: projet %1 V, boîtier %2 V.</translation>
    </message>
    <message>
        <source>Start delay: project %1, box %2.</source>
        <translation>Délai initial&#xa0;: projet %1, boîtier %2.</translation>
    </message>
    <message>
        <source>First CR input: project %1 V, box %2 V.</source>
        <translation>Première entrée CR&#xa0;: projet %1 V, boîtier %2 V.</translation>
    </message>
    <message>
        <source>CR output at the stop voltage: project %1 V, box %2 V.</source>
        <translation>Sortie CR à la tension de fin&#xa0;: projet %1 V, boîtier %2 V.</translation>
    </message>
    <message>
        <source>CR output at the start voltage: project %1 V, box %2 V.</source>
        <translation>Sortie CR à la tension de début&#xa0;: projet %1 V, boîtier %2 V.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, %4 V in the box.</source>
        <translation>Point %1 à %2 V&#xa0;: sortie %3 V dans le projet, %4 V dans le boîtier.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, none in the box.</source>
        <translation>Point %1 à %2 V&#xa0;: sortie %3 V dans le projet, aucune dans le boîtier.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the box, none in the project.</source>
        <translation>Point %1 à %2 V&#xa0;: sortie %3 V dans le boîtier, aucune dans le projet.</translation>
    </message>
    <message>
        <source>Cell %1 (%2): project %3, box %4.</source>
        <translation>Cellule %1 (%2)&#xa0;: projet %3, boîtier %4.</translation>
    </message>
</context>
<context>
    <name>BoxRefusals</name>
    <message>
        <source>TURBO curve (not used by this box type): %1</source>
        <translation>Courbe TURBO (inutilisée par ce type de boîtier)&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 curve has no points.</source>
        <translation>La courbe %1 n&apos;a aucun point.</translation>
    </message>
    <message>
        <source>%1 point %2: input %3 V lies outside 0 V to 5 V.</source>
        <translation>Point %1 n° %2&#xa0;: l&apos;entrée %3 V est hors de la plage 0 V à 5 V.</translation>
    </message>
    <message>
        <source>%1 point %2: output %3 V lies outside 0 V to 5 V.</source>
        <translation>Point %1 n° %2&#xa0;: la sortie %3 V est hors de la plage 0 V à 5 V.</translation>
    </message>
    <message>
        <source>%1 curve has %2 points; the box stores at most %3.</source>
        <translation>La courbe %1 a %2 points&#xa0;; le boîtier en mémorise au plus %3.</translation>
    </message>
    <message>
        <source>Box type %1 is not 0, 1 or 2.</source>
        <translation>Le type de boîtier %1 n&apos;est pas 0, 1 ou 2.</translation>
    </message>
    <message>
        <source>Start voltage %1 V lies outside 0 V to 5 V.</source>
        <translation>La tension de début %1 V est hors de la plage 0 V à 5 V.</translation>
    </message>
    <message>
        <source>Stop voltage %1 V lies outside 0 V to 5 V.</source>
        <translation>La tension de fin %1 V est hors de la plage 0 V à 5 V.</translation>
    </message>
    <message>
        <source>Start voltage %1 V lies above the stop voltage %2 V.</source>
        <translation>La tension de début %1 V est au-dessus de la tension de fin %2 V.</translation>
    </message>
    <message>
        <source>Curve delay %1 lies outside 0 to 500.</source>
        <translation>Le délai de courbe %1 est hors de la plage 0 à 500.</translation>
    </message>
    <message>
        <source>Curve delay %1 is not a multiple of 20.</source>
        <translation>Le délai de courbe %1 n&apos;est pas un multiple de 20.</translation>
    </message>
    <message>
        <source>Start delay %1 min %2 s (%3) lies outside 0:00 to 4:00.</source>
        <translation>Le délai initial %1 min %2 s (%3) est hors de la plage 0:00 à 4:00.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Ramvik</source>
        <translation>À propos de Ramvik</translation>
    </message>
    <message>
        <source>Ramvik Version 2.0</source>
        <translation>Ramvik version 2.0</translation>
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
        <translation>Comparer au boîtier</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Box %1 holds the project.</source>
        <translation>Le boîtier %1 contient le projet.</translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project: the compare panel lists the difference and draws the box&apos;s curves over the project&apos;s.</source>
        <translation>Le boîtier %1 contient d&apos;autres valeurs que le projet&#xa0;: le panneau de comparaison indique l&apos;écart et trace les courbes du boîtier sur celles du projet.</translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project: the compare panel lists %2 differences and draws the box&apos;s curves over the project&apos;s.</source>
        <translation>Le boîtier %1 contient d&apos;autres valeurs que le projet&#xa0;: le panneau de comparaison indique %2 écarts et trace les courbes du boîtier sur celles du projet.</translation>
    </message>
    <message>
        <source>The compare was stopped after %1 of %2 cells: nothing was compared, and the project is unchanged.</source>
        <translation>La comparaison a été arrêtée après %1 cellules sur %2&#xa0;: rien n&apos;a été comparé et le projet est inchangé.</translation>
    </message>
</context>
<context>
    <name>CComparePanel</name>
    <message>
        <source>Compare with box</source>
        <translation>Comparaison avec le boîtier</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Écarts</translation>
    </message>
    <message>
        <source>The box&apos;s curves are drawn over the project&apos;s: CR in magenta dots, TURBO in black dashes.</source>
        <translation>Les courbes du boîtier sont tracées sur celles du projet&#xa0;: CR en pointillés magenta, TURBO en tirets noirs.</translation>
    </message>
    <message>
        <source>Take the box&apos;s project</source>
        <translation>Prendre le projet du boîtier</translation>
    </message>
    <message>
        <source>Keep the project</source>
        <translation>Garder le projet</translation>
    </message>
    <message>
        <source>Box %1 holds the project.</source>
        <translation>Le boîtier %1 contient le projet.</translation>
    </message>
    <message>
        <source>Box %1 holds other values than the project:</source>
        <translation>Le boîtier %1 contient d&apos;autres valeurs que le projet&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CConnectionHelpDlg</name>
    <message>
        <source>Connection help</source>
        <translation>Aide à la connexion</translation>
    </message>
    <message>
        <source>What Ramvik found on the way to the box&apos;s converter:</source>
        <translation>Ce que Ramvik a trouvé sur le chemin vers l&apos;adaptateur du boîtier&#xa0;:</translation>
    </message>
    <message>
        <source>Copy report</source>
        <translation>Copier le rapport</translation>
    </message>
    <message>
        <source>Puts this report on the clipboard, followed by the same checks with the commands for whoever looks after this computer.</source>
        <translation>Place ce rapport dans le presse-papiers, suivi des mêmes contrôles avec les commandes pour la personne qui gère cet ordinateur.</translation>
    </message>
    <message>
        <source>%1

For whoever looks after this computer:
%2
</source>
        <translation>%1

Pour la personne qui gère cet ordinateur&#xa0;:
%2
</translation>
    </message>
    <message>
        <source>The report is on the clipboard. Paste it into an e-mail or a message to whoever looks after this computer.</source>
        <translation>Le rapport est dans le presse-papiers. Collez-le dans un e-mail ou un message destiné à la personne qui gère cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>CFileComparePanel</name>
    <message>
        <source>Compare with file</source>
        <translation>Comparaison avec un fichier</translation>
    </message>
    <message>
        <source>Differences from the file</source>
        <translation>Écarts par rapport au fichier</translation>
    </message>
    <message>
        <source>The curves of %1 are drawn over the project&apos;s: CR in teal dash-dots, TURBO in brown dash-dot-dots.</source>
        <translation>Les courbes de %1 sont tracées sur celles du projet&#xa0;: CR en tiret-point bleu canard, TURBO en tiret-point-point marron.</translation>
    </message>
    <message>
        <source>Take These Points from the File</source>
        <translation>Reprendre ces points du fichier</translation>
    </message>
    <message>
        <source>The selected points of the edited curve take the file&apos;s points in their stretch</source>
        <translation>Les points sélectionnés de la courbe modifiée prennent les points du fichier sur leur portion</translation>
    </message>
    <message>
        <source>Close Comparison</source>
        <translation>Fermer la comparaison</translation>
    </message>
    <message>
        <source>%1 holds the project.</source>
        <translation>%1 contient le projet.</translation>
    </message>
    <message>
        <source>%1 holds other values than the project:</source>
        <translation>%1 contient d&apos;autres valeurs que le projet&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>Keys and Mouse</source>
        <translation>Touches et souris</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The graph&lt;/h3&gt;&lt;p&gt;The edited curve is the one whose box is ticked beside &lt;b&gt;CR&lt;/b&gt; or &lt;b&gt;TURBO&lt;/b&gt; (F2, F3). Its points carry round markers; the chosen point is larger and filled.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Click&lt;/b&gt; on a point to choose it, and &lt;b&gt;drag&lt;/b&gt; it up or down to set its output. A point keeps its input.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Click&lt;/b&gt; anywhere else in the plot to add a point there.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Right-click&lt;/b&gt; on a point to remove it; during a drag the right button puts the point back on the line where output equals input.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Double-click&lt;/b&gt; a point, or press &lt;b&gt;Enter&lt;/b&gt;, to type its exact output; with no point chosen, Enter adds a point at the input you type.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Several points at once&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Shift+click&lt;/b&gt; a point to select every point from the last clicked one to it; &lt;b&gt;Ctrl+click&lt;/b&gt; adds a point to the selection or takes it out.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Shift+drag&lt;/b&gt; in the plot selects the points inside the rectangle.&lt;/li&gt;&lt;li&gt;Selected points carry filled squares. The &lt;b&gt;Points&lt;/b&gt; table beside the graph (View, Ctrl+T) lists every point; its selected rows are the selected points, and an output typed into it is set as Enter sets it.&lt;/li&gt;&lt;li&gt;Edit &amp;gt; Selection sets, raises, scales, interpolates or smooths the selected outputs in one step to undo; the table&apos;s right-click menu offers the same.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Zoom&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Ctrl+wheel&lt;/b&gt; zooms in and out around the pointer.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Shift+wheel&lt;/b&gt; moves the view sideways; a drag with the &lt;b&gt;middle button&lt;/b&gt; moves it in any direction.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+0&lt;/b&gt; (View &amp;gt; Reset Zoom) shows the whole range again. A printout always shows the whole range.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;The points at 0 V and 5 V stay, and so do the CR points at the start and stop voltage; only CR points between them move. An output lies at most 1.6 V below its input. Values snap to the box&apos;s steps of 0.02 V. The status line says why an edit was held back.&lt;/p&gt;&lt;h3&gt;Keys of the graph&lt;/h3&gt;&lt;p&gt;They act on the chosen point once the graph has the keyboard focus (click it, or press Tab until it is framed), wherever the mouse pointer is. Ctrl+A, Escape, Ctrl+C and Ctrl+V act in the points table too; in a text field they act on its text.&lt;/p&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Left&lt;/b&gt;, &lt;b&gt;Right&lt;/b&gt;&lt;/td&gt;&lt;td&gt;choose the neighbouring point&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Up&lt;/b&gt;, &lt;b&gt;Down&lt;/b&gt;&lt;/td&gt;&lt;td&gt;move it by 0.02 V; with several points selected, move all of them&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Shift+Up&lt;/b&gt;, &lt;b&gt;Shift+Down&lt;/b&gt;&lt;/td&gt;&lt;td&gt;the same by 0.1 V&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+A&lt;/b&gt;&lt;/td&gt;&lt;td&gt;select every point of the edited curve&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Escape&lt;/b&gt;&lt;/td&gt;&lt;td&gt;select no point (a rectangle being drawn goes first)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;copy the selected points (every point when none is selected) as text: a header line, then input and output a line&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+V&lt;/b&gt;&lt;/td&gt;&lt;td&gt;paste: a column of numbers sets the outputs of as many selected points; input and output pairs replace the selected stretch, or are added when nothing is selected&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Delete&lt;/b&gt;&lt;/td&gt;&lt;td&gt;remove it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;type its exact values&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;The parameters&lt;/h3&gt;&lt;p&gt;Type a value into its field and press Enter or Tab, or use the arrows beside it, the Up and Down keys in the field or the mouse wheel. The start delay is typed as minutes:seconds (1:30). A value the box cannot take is refused, and the status line says why.&lt;/p&gt;&lt;h3&gt;Everywhere&lt;/h3&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Z&lt;/b&gt;&lt;/td&gt;&lt;td&gt;undo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+Z&lt;/b&gt;, &lt;b&gt;Ctrl+Y&lt;/b&gt;&lt;/td&gt;&lt;td&gt;redo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+N&lt;/b&gt;, &lt;b&gt;Ctrl+O&lt;/b&gt;, &lt;b&gt;Ctrl+S&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+S&lt;/b&gt;&lt;/td&gt;&lt;td&gt;new, open, save, save as&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+P&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+E&lt;/b&gt;&lt;/td&gt;&lt;td&gt;print, export PDF&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+W&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+R&lt;/b&gt;, &lt;b&gt;Ctrl+Shift+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;write to the box, read from it, compare with it&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+1&lt;/b&gt;, &lt;b&gt;Ctrl+2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Input-Output view, Difference view&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;reset the zoom&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+T&lt;/b&gt;&lt;/td&gt;&lt;td&gt;show or hide the points table&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F5&lt;/b&gt; to &lt;b&gt;F9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;set, raise, scale, interpolate, smooth the selected outputs&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+F&lt;/b&gt;&lt;/td&gt;&lt;td&gt;compare with another project file&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt&lt;/b&gt; and the underlined letter&lt;/td&gt;&lt;td&gt;open a menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;Le graphique&lt;/h3&gt;&lt;p&gt;La courbe modifiée est celle dont la case est cochée à côté de &lt;b&gt;CR&lt;/b&gt; ou &lt;b&gt;TURBO&lt;/b&gt; (F2, F3). Ses points portent des repères ronds&#xa0;; le point choisi est plus grand et plein.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Cliquez&lt;/b&gt; sur un point pour le choisir, puis &lt;b&gt;faites-le glisser&lt;/b&gt; vers le haut ou le bas pour régler sa sortie. Un point garde son entrée.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Cliquez&lt;/b&gt; ailleurs dans le graphique pour y ajouter un point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Clic droit&lt;/b&gt; sur un point pour le supprimer&#xa0;; pendant un glissement, le bouton droit remet le point sur la ligne où la sortie est égale à l&apos;entrée.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Double-cliquez&lt;/b&gt; sur un point, ou appuyez sur &lt;b&gt;Entrée&lt;/b&gt;, pour saisir sa sortie exacte&#xa0;; si aucun point n&apos;est choisi, Entrée ajoute un point à l&apos;entrée que vous saisissez.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Plusieurs points à la fois&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Maj+clic&lt;/b&gt; sur un point sélectionne tous les points depuis le dernier cliqué jusqu&apos;à lui&#xa0;; &lt;b&gt;Ctrl+clic&lt;/b&gt; ajoute un point à la sélection ou l&apos;en retire.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Maj+glisser&lt;/b&gt; dans le graphique sélectionne les points situés dans le rectangle.&lt;/li&gt;&lt;li&gt;Les points sélectionnés portent des carrés pleins. Le tableau &lt;b&gt;Points&lt;/b&gt; à côté du graphique (Affichage, Ctrl+T) liste tous les points&#xa0;; ses lignes sélectionnées sont les points sélectionnés, et une sortie saisie dans le tableau est réglée comme avec Entrée.&lt;/li&gt;&lt;li&gt;Édition &amp;gt; Sélection règle, augmente, met à l&apos;échelle, interpole ou lisse les sorties sélectionnées en une seule étape à annuler&#xa0;; le menu du clic droit du tableau propose les mêmes commandes.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Zoom&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Ctrl+molette&lt;/b&gt; zoome et dézoome autour du pointeur.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Maj+molette&lt;/b&gt; déplace la vue latéralement&#xa0;; un glissement avec le &lt;b&gt;bouton du milieu&lt;/b&gt; la déplace dans toutes les directions.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ctrl+0&lt;/b&gt; (Affichage &amp;gt; Réinitialiser le zoom) affiche de nouveau toute l&apos;étendue. Une impression montre toujours toute l&apos;étendue.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Les points à 0 V et 5 V restent en place, de même que les points CR aux tensions de début et de fin&#xa0;; seuls les points CR situés entre eux se déplacent. Une sortie est au plus 1,6 V sous son entrée. Les valeurs s&apos;alignent sur les pas de 0,02 V du boîtier. La ligne d&apos;état indique pourquoi une modification a été refusée.&lt;/p&gt;&lt;h3&gt;Touches du graphique&lt;/h3&gt;&lt;p&gt;Elles agissent sur le point choisi dès que le graphique a le focus clavier (cliquez dessus, ou appuyez sur Tab jusqu&apos;à ce qu&apos;il soit encadré), où que soit le pointeur de la souris. Ctrl+A, Échap, Ctrl+C et Ctrl+V agissent aussi dans le tableau des points&#xa0;; dans un champ de texte, elles agissent sur son texte.&lt;/p&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Flèche gauche&lt;/b&gt;, &lt;b&gt;Flèche droite&lt;/b&gt;&lt;/td&gt;&lt;td&gt;choisir le point voisin&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Flèche haut&lt;/b&gt;, &lt;b&gt;Flèche bas&lt;/b&gt;&lt;/td&gt;&lt;td&gt;le déplacer de 0,02 V&#xa0;; si plusieurs points sont sélectionnés, les déplacer tous&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Maj+Flèche haut&lt;/b&gt;, &lt;b&gt;Maj+Flèche bas&lt;/b&gt;&lt;/td&gt;&lt;td&gt;de même, de 0,1 V&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+A&lt;/b&gt;&lt;/td&gt;&lt;td&gt;sélectionner tous les points de la courbe modifiée&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Échap&lt;/b&gt;&lt;/td&gt;&lt;td&gt;ne sélectionner aucun point (un rectangle en cours de tracé est d&apos;abord abandonné)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;copier les points sélectionnés (tous les points si aucun n&apos;est sélectionné) sous forme de texte&#xa0;: une ligne d&apos;en-tête, puis l&apos;entrée et la sortie de chaque point sur une ligne&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+V&lt;/b&gt;&lt;/td&gt;&lt;td&gt;coller&#xa0;: une colonne de nombres règle les sorties d&apos;autant de points sélectionnés&#xa0;; des paires entrée-sortie remplacent la portion sélectionnée, ou sont ajoutées si rien n&apos;est sélectionné&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Suppr&lt;/b&gt;&lt;/td&gt;&lt;td&gt;le supprimer&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Entrée&lt;/b&gt;&lt;/td&gt;&lt;td&gt;saisir ses valeurs exactes&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Les paramètres&lt;/h3&gt;&lt;p&gt;Saisissez une valeur dans son champ et appuyez sur Entrée ou Tab, ou utilisez les flèches à côté, les touches Flèche haut et Flèche bas dans le champ ou la molette de la souris. Le délai initial se saisit en minutes:secondes (1:30). Une valeur que le boîtier ne peut pas prendre est refusée, et la ligne d&apos;état indique pourquoi.&lt;/p&gt;&lt;h3&gt;Partout&lt;/h3&gt;&lt;table cellspacing=&quot;6&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Z&lt;/b&gt;&lt;/td&gt;&lt;td&gt;annuler&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Maj+Z&lt;/b&gt;, &lt;b&gt;Ctrl+Y&lt;/b&gt;&lt;/td&gt;&lt;td&gt;rétablir&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+N&lt;/b&gt;, &lt;b&gt;Ctrl+O&lt;/b&gt;, &lt;b&gt;Ctrl+S&lt;/b&gt;, &lt;b&gt;Ctrl+Maj+S&lt;/b&gt;&lt;/td&gt;&lt;td&gt;nouveau, ouvrir, enregistrer, enregistrer sous&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+P&lt;/b&gt;, &lt;b&gt;Ctrl+Maj+E&lt;/b&gt;&lt;/td&gt;&lt;td&gt;imprimer, exporter en PDF&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Maj+W&lt;/b&gt;, &lt;b&gt;Ctrl+Maj+R&lt;/b&gt;, &lt;b&gt;Ctrl+Maj+C&lt;/b&gt;&lt;/td&gt;&lt;td&gt;écrire dans le boîtier, le lire, le comparer&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+1&lt;/b&gt;, &lt;b&gt;Ctrl+2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;vue Entrée-Sortie, vue Différence&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;réinitialiser le zoom&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+T&lt;/b&gt;&lt;/td&gt;&lt;td&gt;afficher ou masquer le tableau des points&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F5&lt;/b&gt; à &lt;b&gt;F9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;régler, augmenter, mettre à l&apos;échelle, interpoler, lisser les sorties sélectionnées&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Maj+F&lt;/b&gt;&lt;/td&gt;&lt;td&gt;comparer à un autre fichier projet&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt&lt;/b&gt; et la lettre soulignée&lt;/td&gt;&lt;td&gt;ouvrir un menu&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
</context>
<context>
    <name>CHistoryBrowser</name>
    <message>
        <source>Write History</source>
        <translation>Historique des écritures</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Customer, vehicle, registration, project, box, outcome...</source>
        <translation>Client, véhicule, immatriculation, projet, boîtier, résultat...</translation>
    </message>
    <message>
        <source>Writes</source>
        <translation>Écritures</translation>
    </message>
    <message>
        <source>&amp;Open Project</source>
        <translation>&amp;Ouvrir le projet</translation>
    </message>
    <message>
        <source>Open the project as it was written</source>
        <translation>Ouvrir le projet tel qu&apos;il a été écrit</translation>
    </message>
    <message>
        <source>&amp;Compare with Box...</source>
        <translation>Co&amp;mparer au boîtier...</translation>
    </message>
    <message>
        <source>Open the project as it was written and compare it with the box</source>
        <translation>Ouvrir le projet tel qu&apos;il a été écrit et le comparer au boîtier</translation>
    </message>
    <message>
        <source>&amp;Print Sheet...</source>
        <translation>&amp;Imprimer la fiche...</translation>
    </message>
    <message>
        <source>Print the project&apos;s sheet with the job and the outcome</source>
        <translation>Imprimer la fiche projet avec l&apos;intervention et le résultat</translation>
    </message>
    <message>
        <source>&amp;Write Back What the Box Held Before...</source>
        <translation>Restaurer l&apos;&amp;ancien contenu du boîtier...</translation>
    </message>
    <message>
        <source>Write into the box what it held before this write</source>
        <translation>Remettre dans le boîtier ce qu&apos;il contenait avant cette écriture</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No write has been kept yet.</source>
        <translation>Aucune écriture conservée pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Kept as %1</source>
        <translation>Conservé sous %1</translation>
    </message>
    <message>
        <source>Write back into box %1 what it held before the write of %2?

The box&apos;s present contents are lost unless the backup is on.</source>
        <translation>Remettre dans le boîtier %1 ce qu&apos;il contenait avant l&apos;écriture du %2&#xa0;?

Le contenu actuel du boîtier sera perdu, sauf si la sauvegarde est activée.</translation>
    </message>
</context>
<context>
    <name>CHistoryModel</name>
    <message>
        <source>did not finish</source>
        <translation>inachevé</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>vérifié</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>différent</translation>
    </message>
    <message>
        <source>check cut off</source>
        <translation>vérification interrompue</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>non vérifié</translation>
    </message>
    <message>
        <source>stopped before the first cell</source>
        <translation>arrêté avant la première cellule</translation>
    </message>
    <message>
        <source>stopped after cell %1</source>
        <translation>arrêté après la cellule %1</translation>
    </message>
    <message>
        <source>failed at cell %1</source>
        <translation>échec à la cellule %1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Boîtier</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Véhicule</translation>
    </message>
    <message>
        <source>Registration or VIN</source>
        <translation>Immatriculation ou VIN</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
</context>
<context>
    <name>CPanel</name>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Print Project</source>
        <translation>Imprimer le projet</translation>
    </message>
    <message>
        <source>Graph Type:</source>
        <translation>Type de graphique&#xa0;:</translation>
    </message>
    <message>
        <source>Input-Output</source>
        <translation>Entrée-Sortie</translation>
    </message>
    <message>
        <source>Difference </source>
        <translation>Différence </translation>
    </message>
    <message>
        <source>Box Type:</source>
        <translation>Type de boîtier&#xa0;:</translation>
    </message>
    <message>
        <source>1 CR input</source>
        <translation>1 entrée CR</translation>
    </message>
    <message>
        <source>2 CR inputs</source>
        <translation>2 entrées CR</translation>
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
        <translation>Copier la courbe</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Start Voltage:</source>
        <translation>Tension de début&#xa0;:</translation>
    </message>
    <message>
        <source>Stop Voltage:</source>
        <translation>Tension de fin&#xa0;:</translation>
    </message>
    <message>
        <source>Start Delay:</source>
        <translation>Délai initial&#xa0;:</translation>
    </message>
    <message>
        <source>min : sec</source>
        <translation>min&#xa0;: s</translation>
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
        <translation>Délai de courbe&#xa0;:</translation>
    </message>
    <message>
        <source>Compare with box</source>
        <translation>Comparer au boîtier</translation>
    </message>
    <message>
        <source>Start voltage</source>
        <translation>Tension de début</translation>
    </message>
    <message>
        <source>Below this input voltage the box leaves the signal alone. Type a value in steps of 0.1 V and press Enter.</source>
        <translation>Sous cette tension d&apos;entrée, le boîtier laisse le signal tel quel. Saisissez une valeur par pas de 0,1 V et appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Stop voltage</source>
        <translation>Tension de fin</translation>
    </message>
    <message>
        <source>Above this input voltage the box leaves the signal alone. Type a value in steps of 0.1 V and press Enter.</source>
        <translation>Au-dessus de cette tension d&apos;entrée, le boîtier laisse le signal tel quel. Saisissez une valeur par pas de 0,1 V et appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Start delay</source>
        <translation>Délai initial</translation>
    </message>
    <message>
        <source>How long after the engine starts the box begins, from 0:00 to 4:00. Type it as minutes:seconds and press Enter.</source>
        <translation>Temps entre le démarrage du moteur et l&apos;intervention du boîtier, de 0:00 à 4:00. Saisissez-le en minutes:secondes et appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Curve delay</source>
        <translation>Délai de courbe</translation>
    </message>
    <message>
        <source>Milliseconds per 0.1 V, from 0 to 500 in steps of 20. Type a value and press Enter.</source>
        <translation>Millisecondes par 0,1 V, de 0 à 500 par pas de 20. Saisissez une valeur et appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Raise the start voltage by 0.1 V</source>
        <translation>Augmenter la tension de début de 0,1 V</translation>
    </message>
    <message>
        <source>Lower the start voltage by 0.1 V</source>
        <translation>Baisser la tension de début de 0,1 V</translation>
    </message>
    <message>
        <source>Raise the stop voltage by 0.1 V</source>
        <translation>Augmenter la tension de fin de 0,1 V</translation>
    </message>
    <message>
        <source>Lower the stop voltage by 0.1 V</source>
        <translation>Baisser la tension de fin de 0,1 V</translation>
    </message>
    <message>
        <source>Start delay one minute longer</source>
        <translation>Délai initial plus long d&apos;une minute</translation>
    </message>
    <message>
        <source>Start delay one minute shorter</source>
        <translation>Délai initial plus court d&apos;une minute</translation>
    </message>
    <message>
        <source>Start delay one second longer</source>
        <translation>Délai initial plus long d&apos;une seconde</translation>
    </message>
    <message>
        <source>Start delay one second shorter</source>
        <translation>Délai initial plus court d&apos;une seconde</translation>
    </message>
    <message>
        <source>Curve delay 20 ms longer</source>
        <translation>Délai de courbe plus long de 20 ms</translation>
    </message>
    <message>
        <source>Curve delay 20 ms shorter</source>
        <translation>Délai de courbe plus court de 20 ms</translation>
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
        <translation>Nouveau point</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>The input voltage of the new point</source>
        <translation>La tension d&apos;entrée du nouveau point</translation>
    </message>
    <message>
        <source>The input voltage of the point; dragging keeps it</source>
        <translation>La tension d&apos;entrée du point&#xa0;; le glissement la conserve</translation>
    </message>
    <message>
        <source>The output voltage the box hands on at this input</source>
        <translation>La tension de sortie que le boîtier transmet pour cette entrée</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Entrée&#xa0;:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Output from %1 V to %2 V</source>
        <translation>Sortie de %1 V à %2 V</translation>
    </message>
</context>
<context>
    <name>CPointsTable</name>
    <message>
        <source>Input (V)</source>
        <translation>Entrée (V)</translation>
    </message>
    <message>
        <source>Output (V)</source>
        <translation>Sortie (V)</translation>
    </message>
    <message>
        <source>Difference (V)</source>
        <translation>Différence (V)</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Points of the edited curve</source>
        <translation>Points de la courbe modifiée</translation>
    </message>
    <message>
        <source>Input, output and difference of each point in volts; type an output to set it</source>
        <translation>Entrée, sortie et différence de chaque point en volts&#xa0;; saisissez une sortie pour la régler</translation>
    </message>
</context>
<context>
    <name>CPortChoiceDlg</name>
    <message>
        <source>Choose the box&apos;s converter</source>
        <translation>Choisir l&apos;adaptateur du boîtier</translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s.
Choose the box&apos;s converter:</source>
        <translation>Plusieurs adaptateurs pourraient être celui du boîtier.
Choisissez l&apos;adaptateur du boîtier&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CRamvikDlg</name>
    <message>
        <source>Click in the graph to add a point, drag a point to move it, right-click to remove it; double-click or Enter types exact values.</source>
        <translation>Cliquez dans le graphique pour ajouter un point, faites glisser un point pour le déplacer, clic droit pour le supprimer&#xa0;; double-clic ou Entrée pour saisir des valeurs exactes.</translation>
    </message>
    <message>
        <source>The start voltage is a number of volts, such as 1.5.</source>
        <translation>La tension de début est un nombre de volts, par exemple 1,5.</translation>
    </message>
    <message>
        <source>The stop voltage is a number of volts, such as 4.5.</source>
        <translation>La tension de fin est un nombre de volts, par exemple 4,5.</translation>
    </message>
    <message>
        <source>Type the start delay as minutes and seconds, such as 1:30.</source>
        <translation>Saisissez le délai initial en minutes et secondes, par exemple 1:30.</translation>
    </message>
    <message>
        <source>The curve delay is a whole number of milliseconds, such as 200.</source>
        <translation>Le délai de courbe est un nombre entier de millisecondes, par exemple 200.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Start a new project</source>
        <translation>Commencer un nouveau projet</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open a project file</source>
        <translation>Ouvrir un fichier projet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the project to its file; asks for a name when it has none</source>
        <translation>Enregistrer le projet dans son fichier&#xa0;; demande un nom s&apos;il n&apos;en a pas</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save the project under a name</source>
        <translation>Enregistrer le projet sous un nom</translation>
    </message>
    <message>
        <source>&amp;Print Project...</source>
        <translation>&amp;Imprimer le projet...</translation>
    </message>
    <message>
        <source>Print the project sheet</source>
        <translation>Imprimer la fiche projet</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>E&amp;xporter en PDF...</translation>
    </message>
    <message>
        <source>Save the project sheet as a PDF file</source>
        <translation>Enregistrer la fiche projet en fichier PDF</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Close Ramvik</source>
        <translation>Fermer Ramvik</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Annuler la dernière modification</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Refaire la modification annulée</translation>
    </message>
    <message>
        <source>&amp;Previous Point</source>
        <translation>Point &amp;précédent</translation>
    </message>
    <message>
        <source>Choose the point left of the chosen one</source>
        <translation>Choisir le point à gauche du point choisi</translation>
    </message>
    <message>
        <source>&amp;Next Point</source>
        <translation>Point suiva&amp;nt</translation>
    </message>
    <message>
        <source>Choose the point right of the chosen one</source>
        <translation>Choisir le point à droite du point choisi</translation>
    </message>
    <message>
        <source>Move the chosen point up by 0.02 V</source>
        <translation>Monter le point choisi de 0,02 V</translation>
    </message>
    <message>
        <source>Point &amp;Down</source>
        <translation>&amp;Descendre le point</translation>
    </message>
    <message>
        <source>Move the chosen point down by 0.02 V</source>
        <translation>Descendre le point choisi de 0,02 V</translation>
    </message>
    <message>
        <source>Move the chosen point up by 0.1 V</source>
        <translation>Monter le point choisi de 0,1 V</translation>
    </message>
    <message>
        <source>Move the chosen point down by 0.1 V</source>
        <translation>Descendre le point choisi de 0,1 V</translation>
    </message>
    <message>
        <source>Re&amp;move Point</source>
        <translation>&amp;Supprimer le point</translation>
    </message>
    <message>
        <source>Remove the chosen point</source>
        <translation>Supprimer le point choisi</translation>
    </message>
    <message>
        <source>Point &amp;Values...</source>
        <translation>&amp;Valeurs du point...</translation>
    </message>
    <message>
        <source>Type the exact values of the chosen point, or of a new point</source>
        <translation>Saisir les valeurs exactes du point choisi ou d&apos;un nouveau point</translation>
    </message>
    <message>
        <source>Edit &amp;CR Curve</source>
        <translation>Modi&amp;fier la courbe CR</translation>
    </message>
    <message>
        <source>Edit the CR curve (blue)</source>
        <translation>Modifier la courbe CR (bleue)</translation>
    </message>
    <message>
        <source>Edit &amp;TURBO Curve</source>
        <translation>Modifier la courbe &amp;TURBO</translation>
    </message>
    <message>
        <source>Edit the TURBO curve (red)</source>
        <translation>Modifier la courbe TURBO (rouge)</translation>
    </message>
    <message>
        <source>Make the CR curve a straight line again</source>
        <translation>Remettre la courbe CR en ligne droite</translation>
    </message>
    <message>
        <source>Make the TURBO curve a straight line again</source>
        <translation>Remettre la courbe TURBO en ligne droite</translation>
    </message>
    <message>
        <source>C&amp;opy Curve</source>
        <translation>Copier la cour&amp;be</translation>
    </message>
    <message>
        <source>Copy the edited curve onto the other curve</source>
        <translation>Copier la courbe modifiée sur l&apos;autre courbe</translation>
    </message>
    <message>
        <source>&amp;Write to Box...</source>
        <translation>É&amp;crire dans le boîtier...</translation>
    </message>
    <message>
        <source>Write the curves and parameters into the box</source>
        <translation>Écrire les courbes et les paramètres dans le boîtier</translation>
    </message>
    <message>
        <source>&amp;Read from Box...</source>
        <translation>&amp;Lire le boîtier...</translation>
    </message>
    <message>
        <source>Read the curves and parameters from the box</source>
        <translation>Lire les courbes et les paramètres du boîtier</translation>
    </message>
    <message>
        <source>&amp;Compare with Box...</source>
        <translation>Co&amp;mparer au boîtier...</translation>
    </message>
    <message>
        <source>Read the box and compare it with the project</source>
        <translation>Lire le boîtier et le comparer au projet</translation>
    </message>
    <message>
        <source>Write &amp;History...</source>
        <translation>&amp;Historique des écritures...</translation>
    </message>
    <message>
        <source>What Ramvik sees of the box&apos;s USB converter, and what to do</source>
        <translation>Ce que Ramvik voit de l&apos;adaptateur USB du boîtier, et que faire</translation>
    </message>
    <message>
        <source>&amp;1 CR input</source>
        <translation>&amp;1 entrée CR</translation>
    </message>
    <message>
        <source>&amp;2 CR inputs</source>
        <translation>&amp;2 entrées CR</translation>
    </message>
    <message>
        <source>CR&amp;&amp;&amp;TURBO</source>
        <translation>CR&amp;&amp;&amp;TURBO</translation>
    </message>
    <message>
        <source>The type of the box the project is for</source>
        <translation>Le type de boîtier auquel le projet est destiné</translation>
    </message>
    <message>
        <source>&amp;Input-Output</source>
        <translation>&amp;Entrée-Sortie</translation>
    </message>
    <message>
        <source>Show the output voltage against the input voltage</source>
        <translation>Afficher la tension de sortie en fonction de la tension d&apos;entrée</translation>
    </message>
    <message>
        <source>&amp;Difference</source>
        <translation>&amp;Différence</translation>
    </message>
    <message>
        <source>Show the input voltage minus the output voltage</source>
        <translation>Afficher la tension d&apos;entrée moins la tension de sortie</translation>
    </message>
    <message>
        <source>Show C&amp;R Curve</source>
        <translation>Afficher la courbe &amp;CR</translation>
    </message>
    <message>
        <source>Show the CR curve while the TURBO curve is edited</source>
        <translation>Afficher la courbe CR pendant la modification de la courbe TURBO</translation>
    </message>
    <message>
        <source>Show &amp;TURBO Curve</source>
        <translation>Afficher la courbe &amp;TURBO</translation>
    </message>
    <message>
        <source>Show the TURBO curve while the CR curve is edited</source>
        <translation>Afficher la courbe TURBO pendant la modification de la courbe CR</translation>
    </message>
    <message>
        <source>&amp;Keys and Mouse</source>
        <translation>&amp;Touches et souris</translation>
    </message>
    <message>
        <source>How to edit the curves with the mouse and the keys</source>
        <translation>Comment modifier les courbes avec la souris et le clavier</translation>
    </message>
    <message>
        <source>&amp;About Ramvik...</source>
        <translation>À &amp;propos de Ramvik...</translation>
    </message>
    <message>
        <source>The program&apos;s name and version</source>
        <translation>Nom et version du programme</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Box</source>
        <translation>&amp;Boîtier</translation>
    </message>
    <message>
        <source>Box &amp;Type</source>
        <translation>&amp;Type de boîtier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Everyday actions</source>
        <translation>Actions courantes</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Ramvik Project (*.rmvp)</source>
        <translation>Projet Ramvik (*.rmvp)</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>Le PDF n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>Can&apos;t save file!

%1

%2</source>
        <translation>Impossible d&apos;enregistrer le fichier&#xa0;!

%1

%2</translation>
    </message>
    <message>
        <source>The project sheet went to %1.</source>
        <translation>La fiche projet a été enregistrée dans %1.</translation>
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
        <translation>Aucun projet pour l&apos;instant</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Effacer la liste</translation>
    </message>
    <message>
        <source>Forget the projects listed here; the files stay</source>
        <translation>Oublier les projets listés ici&#xa0;; les fichiers restent</translation>
    </message>
    <message>
        <source>Po&amp;int Up</source>
        <translation>&amp;Monter le point</translation>
    </message>
    <message>
        <source>Point Up &amp;by 0.1 V</source>
        <translation>Mont&amp;er le point de 0,1 V</translation>
    </message>
    <message>
        <source>Point Do&amp;wn by 0.1 V</source>
        <translation>Descendre le po&amp;int de 0,1 V</translation>
    </message>
    <message>
        <source>R&amp;eset CR Curve</source>
        <translation>Réinitia&amp;liser la courbe CR</translation>
    </message>
    <message>
        <source>Re&amp;set TURBO Curve</source>
        <translation>Réinitialiser la courbe T&amp;URBO</translation>
    </message>
    <message>
        <source>C&amp;onnection Help</source>
        <translation>&amp;Aide à la connexion</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>Langue du &amp;système</translation>
    </message>
    <message>
        <source>Reset &amp;Zoom</source>
        <translation>Réinitialiser le &amp;zoom</translation>
    </message>
    <message>
        <source>Show the whole range of the graph again</source>
        <translation>Afficher de nouveau toute l&apos;étendue du graphique</translation>
    </message>
    <message>
        <source>Find earlier writes by customer, vehicle or box; open, compare, print or write back</source>
        <translation>Retrouver les écritures passées par client, véhicule ou boîtier&#xa0;; ouvrir, comparer, imprimer ou restaurer</translation>
    </message>
    <message>
        <source>Select the points that take the file&apos;s points first.</source>
        <translation>Sélectionnez d&apos;abord les points qui prendront ceux du fichier.</translation>
    </message>
    <message>
        <source>Cop&amp;y Points</source>
        <translation>&amp;Copier les points</translation>
    </message>
    <message>
        <source>Copy the selected points, or every point when none is selected, as text</source>
        <translation>Copier les points sélectionnés, ou tous les points si aucun n&apos;est sélectionné, sous forme de texte</translation>
    </message>
    <message>
        <source>P&amp;aste Points</source>
        <translation>C&amp;oller les points</translation>
    </message>
    <message>
        <source>Paste outputs or input and output pairs onto the selected points</source>
        <translation>Coller des sorties ou des paires entrée-sortie sur les points sélectionnés</translation>
    </message>
    <message>
        <source>Select &amp;All Points</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Select every point of the edited curve</source>
        <translation>Sélectionner tous les points de la courbe modifiée</translation>
    </message>
    <message>
        <source>&amp;Clear Selection</source>
        <translation>Tout &amp;désélectionner</translation>
    </message>
    <message>
        <source>Select no point</source>
        <translation>Ne sélectionner aucun point</translation>
    </message>
    <message>
        <source>&amp;Set Output...</source>
        <translation>&amp;Régler la sortie...</translation>
    </message>
    <message>
        <source>Give every selected point the same output</source>
        <translation>Donner la même sortie à tous les points sélectionnés</translation>
    </message>
    <message>
        <source>A&amp;dd Voltage...</source>
        <translation>&amp;Ajouter une tension...</translation>
    </message>
    <message>
        <source>Raise the outputs of the selected points by a voltage; a negative one lowers them</source>
        <translation>Augmenter les sorties des points sélectionnés d&apos;une tension&#xa0;; une tension négative les baisse</translation>
    </message>
    <message>
        <source>Scale by &amp;Percent...</source>
        <translation>Échelle en &amp;pourcentage...</translation>
    </message>
    <message>
        <source>Multiply the outputs of the selected points by a percentage</source>
        <translation>Multiplier les sorties des points sélectionnés par un pourcentage</translation>
    </message>
    <message>
        <source>&amp;Interpolate</source>
        <translation>&amp;Interpoler</translation>
    </message>
    <message>
        <source>Put the inner selected points on the straight line between the first and the last</source>
        <translation>Placer les points sélectionnés intérieurs sur la droite entre le premier et le dernier</translation>
    </message>
    <message>
        <source>S&amp;mooth</source>
        <translation>&amp;Lisser</translation>
    </message>
    <message>
        <source>Move each inner selected point halfway toward its neighbours; the ends stay</source>
        <translation>Déplacer chaque point sélectionné intérieur à mi-chemin vers ses voisins&#xa0;; les extrémités restent</translation>
    </message>
    <message>
        <source>Compare with &amp;File...</source>
        <translation>Comparer à un &amp;fichier...</translation>
    </message>
    <message>
        <source>Draw another project file over this one and list what differs</source>
        <translation>Tracer un autre fichier projet sur celui-ci et lister les écarts</translation>
    </message>
    <message>
        <source>Se&amp;lection</source>
        <translation>S&amp;élection</translation>
    </message>
    <message>
        <source>&amp;Points Table</source>
        <translation>Tableau des &amp;points</translation>
    </message>
    <message>
        <source>Show or hide the table of the edited curve&apos;s points</source>
        <translation>Afficher ou masquer le tableau des points de la courbe modifiée</translation>
    </message>
    <message>
        <source>Set Output</source>
        <translation>Régler la sortie</translation>
    </message>
    <message>
        <source>Output of the selected points:</source>
        <translation>Sortie des points sélectionnés&#xa0;:</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Type an output from 0 to 5 V, such as %1.</source>
        <translation>Saisissez une sortie de 0 à 5 V, par exemple %1.</translation>
    </message>
    <message>
        <source>Add Voltage</source>
        <translation>Ajouter une tension</translation>
    </message>
    <message>
        <source>Voltage to add (negative lowers):</source>
        <translation>Tension à ajouter (négative pour baisser)&#xa0;:</translation>
    </message>
    <message>
        <source>Type a voltage from -5 to 5 V, such as %1 or %2.</source>
        <translation>Saisissez une tension de -5 à 5 V, par exemple %1 ou %2.</translation>
    </message>
    <message>
        <source>Scale by Percent</source>
        <translation>Échelle en pourcentage</translation>
    </message>
    <message>
        <source>Percentage of the outputs:</source>
        <translation>Pourcentage des sorties&#xa0;:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Type a percentage from 0 to 1000, such as %1.</source>
        <translation>Saisissez un pourcentage de 0 à 1000, par exemple %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s) copied.</source>
        <translation>
            <numerusform>%n point copié.</numerusform>
            <numerusform>%n points copiés.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>Le presse-papiers ne contient aucun texte à coller.</translation>
    </message>
    <message>
        <source>An output is a number of volts, such as %1.</source>
        <translation>Une sortie est un nombre de volts, par exemple %1.</translation>
    </message>
</context>
<context>
    <name>CRead</name>
    <message>
        <source>Read from box</source>
        <translation>Lire le boîtier</translation>
    </message>
    <message>
        <source>Read Data</source>
        <translation>Lire les données</translation>
    </message>
    <message>
        <source>Nothing was read: no box could be reached. The project is unchanged.</source>
        <translation>Rien n&apos;a été lu&#xa0;: aucun boîtier n&apos;a pu être joint. Le projet est inchangé.</translation>
    </message>
    <message>
        <source>Nothing was read: the transfer stopped before the first cell. The project is unchanged.</source>
        <translation>Rien n&apos;a été lu&#xa0;: le transfert s&apos;est arrêté avant la première cellule. Le projet est inchangé.</translation>
    </message>
    <message>
        <source>The read stopped after %1 of %2 cells, so nothing was taken from the box. The project is unchanged.</source>
        <translation>La lecture s&apos;est arrêtée après %1 cellules sur %2&#xa0;; rien n&apos;a donc été repris du boîtier. Le projet est inchangé.</translation>
    </message>
    <message>
        <source>The project of box %1 (%2) is now the window&apos;s project; it is not saved in any file yet.</source>
        <translation>Le projet du boîtier %1 (%2) est maintenant celui de la fenêtre&#xa0;; il n&apos;est encore enregistré dans aucun fichier.</translation>
    </message>
    <message>
        <source>The read was stopped after %1 of %2 cells: nothing was taken from the box, and the project is unchanged.</source>
        <translation>La lecture a été arrêtée après %1 cellules sur %2&#xa0;: rien n&apos;a été repris du boîtier et le projet est inchangé.</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 of %2 cells</source>
        <translation>%1 cellules sur %2</translation>
    </message>
    <message>
        <source>%1 of %2 cells, %3 left</source>
        <translation>%1 cellules sur %2, reste %3</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop the transfer after the cell on its way</source>
        <translation>Arrêter le transfert après la cellule en cours</translation>
    </message>
</context>
<context>
    <name>CWrite</name>
    <message>
        <source>Write to box</source>
        <translation>Écrire dans le boîtier</translation>
    </message>
    <message>
        <source>Write Data</source>
        <translation>Écrire les données</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Vérifier après l&apos;écriture</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>two sentences, one after the other</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>It is kept in the history as %1.</source>
        <translation>Il est conservé dans l&apos;historique sous %1.</translation>
    </message>
    <message>
        <source>It was not kept in the history: no history folder is known.</source>
        <translation>Il n&apos;a pas été conservé dans l&apos;historique&#xa0;: aucun dossier d&apos;historique n&apos;est connu.</translation>
    </message>
    <message>
        <source>It could not be kept in the history: %1.</source>
        <translation>Il n&apos;a pas pu être conservé dans l&apos;historique&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The connection did not close cleanly afterwards; the box holds the project all the same.</source>
        <translation>La connexion ne s&apos;est pas fermée proprement ensuite&#xa0;; le boîtier contient quand même le projet.</translation>
    </message>
    <message>
        <source>The project was written into box %1, but the box holds other values than were written; the first difference: %2</source>
        <translation>Le projet a été écrit dans le boîtier %1, mais le boîtier contient d&apos;autres valeurs que celles écrites&#xa0;; premier écart&#xa0;: %2</translation>
    </message>
    <message>
        <source>The write stopped after %1 of %2 cells: box %3 may now hold parts of two projects. Write the project again before the box is used.</source>
        <translation>L&apos;écriture s&apos;est arrêtée après %1 cellules sur %2&#xa0;: le boîtier %3 contient peut-être maintenant des morceaux de deux projets. Écrivez à nouveau le projet avant d&apos;utiliser le boîtier.</translation>
    </message>
    <message>
        <source>Nothing was written: the transfer stopped before the first cell. The box holds what it held before.</source>
        <translation>Rien n&apos;a été écrit&#xa0;: le transfert s&apos;est arrêté avant la première cellule. Le boîtier contient ce qu&apos;il contenait avant.</translation>
    </message>
    <message>
        <source>Nothing was written: the box cannot hold the project as it is.</source>
        <translation>Rien n&apos;a été écrit&#xa0;: le boîtier ne peut pas recevoir le projet tel quel.</translation>
    </message>
    <message>
        <source>Nothing was written: no box could be reached.</source>
        <translation>Rien n&apos;a été écrit&#xa0;: aucun boîtier n&apos;a pu être joint.</translation>
    </message>
    <message>
        <source>Write back to box</source>
        <translation>Restaurer le boîtier</translation>
    </message>
    <message>
        <source>Read cells 0 to 254 back after writing and compare them</source>
        <translation>Relire les cellules 0 à 254 après l&apos;écriture et les comparer</translation>
    </message>
    <message>
        <source>Back up the box first</source>
        <translation>Sauvegarder d&apos;abord le boîtier</translation>
    </message>
    <message>
        <source>Read what the box holds before writing and keep it in the write history, so that it can be written back</source>
        <translation>Lire le contenu du boîtier avant l&apos;écriture et le conserver dans l&apos;historique des écritures pour pouvoir le restaurer</translation>
    </message>
    <message>
        <source>&amp;Job (customer, vehicle, note)</source>
        <translation>&amp;Intervention (client, véhicule, note)</translation>
    </message>
    <message>
        <source>What the write history keeps about this job; all optional</source>
        <translation>Ce que l&apos;historique des écritures conserve de cette intervention&#xa0;; tout est facultatif</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>&amp;Client&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Vehicle:</source>
        <translation>&amp;Véhicule&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Registration or VIN:</source>
        <translation>Im&amp;matriculation ou VIN&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Note&#xa0;:</translation>
    </message>
    <message>
        <source>Writes back what box %1 held before the write of %2.</source>
        <translation>Restaure ce que le boîtier %1 contenait avant l&apos;écriture du %2.</translation>
    </message>
    <message>
        <source>Stop the write?

The box will hold parts of two projects until a project is written into it again.</source>
        <translation>Arrêter l&apos;écriture&#xa0;?

Le boîtier contiendra des morceaux de deux projets jusqu&apos;à ce qu&apos;un projet y soit de nouveau écrit.</translation>
    </message>
    <message>
        <source>Written into box %1; %2.</source>
        <comment>the box, then the outcome</comment>
        <translation>Écrit dans le boîtier %1&#xa0;; %2.</translation>
    </message>
</context>
<context>
    <name>CellMeaning</name>
    <message>
        <source>empty %1 pair %2, input</source>
        <translation>paire %1 n° %2 vide, entrée</translation>
    </message>
    <message>
        <source>empty %1 pair %2, output</source>
        <translation>paire %1 n° %2 vide, sortie</translation>
    </message>
    <message>
        <source>%1 point at %2 V, input</source>
        <translation>point %1 à %2 V, entrée</translation>
    </message>
    <message>
        <source>%1 point at %2 V, output</source>
        <translation>point %1 à %2 V, sortie</translation>
    </message>
    <message>
        <source>first CR input</source>
        <translation>première entrée CR</translation>
    </message>
    <message>
        <source>stop voltage</source>
        <translation>tension de fin</translation>
    </message>
    <message>
        <source>start voltage</source>
        <translation>tension de début</translation>
    </message>
    <message>
        <source>CR output at the stop voltage</source>
        <translation>sortie CR à la tension de fin</translation>
    </message>
    <message>
        <source>box type and curve delay</source>
        <translation>type de boîtier et délai de courbe</translation>
    </message>
    <message>
        <source>CR output at the start voltage</source>
        <translation>sortie CR à la tension de début</translation>
    </message>
    <message>
        <source>start delay</source>
        <translation>délai initial</translation>
    </message>
    <message>
        <source>box identification</source>
        <translation>identification du boîtier</translation>
    </message>
    <message>
        <source>CR difference table at %1 V</source>
        <translation>table de différence CR à %1 V</translation>
    </message>
    <message>
        <source>TURBO table at %1 V</source>
        <translation>table TURBO à %1 V</translation>
    </message>
    <message>
        <source>cell outside the box</source>
        <translation>cellule hors du boîtier</translation>
    </message>
</context>
<context>
    <name>ConnectionDoctor</name>
    <message>
        <source>Looked for FTDI FT232 converters (USB 0403:6001, 0403:6014, 0403:6015) and for
devices named &quot;%1&quot;.</source>
        <translation>Recherche d&apos;adaptateurs FTDI FT232 (USB 0403:6001, 0403:6014, 0403:6015) et
d&apos;appareils nommés «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Ramvik looked for FTDI FT232 converters (USB 0403:6001, 0403:6014, 0403:6015) and for devices named &quot;%1&quot;.</source>
        <translation>Ramvik a cherché des adaptateurs FTDI FT232 (USB 0403:6001, 0403:6014, 0403:6015) et des appareils nommés «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>%1 does not exist.
Fix: name a device that ramvik-cli ports lists.</source>
        <translation>%1 n&apos;existe pas.
Solution&#xa0;: indiquer un périphérique listé par ramvik-cli ports.</translation>
    </message>
    <message>
        <source>%1 does not exist.
What to do: Plug the box&apos;s converter in, then try the transfer again.</source>
        <translation>%1 n&apos;existe pas.
Que faire&#xa0;: branchez l&apos;adaptateur du boîtier, puis relancez le transfert.</translation>
    </message>
    <message>
        <source>%1 is served by the kernel driver %2.</source>
        <translation>%1 est pris en charge par le pilote noyau %2.</translation>
    </message>
    <message>
        <source>The user %1 may open %2.</source>
        <translation>L&apos;utilisateur %1 peut ouvrir %2.</translation>
    </message>
    <message>
        <source>No other program holds %1.</source>
        <translation>Aucun autre programme n&apos;occupe %1.</translation>
    </message>
    <message>
        <source>No other program of this user holds %1 (those of other users
are visible to root only).</source>
        <translation>Aucun autre programme de cet utilisateur n&apos;occupe %1 (ceux des autres utilisateurs
ne sont visibles que pour root).</translation>
    </message>
    <message>
        <source>No other program of this user holds %1.</source>
        <translation>Aucun autre programme de cet utilisateur n&apos;occupe %1.</translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms. Ramvik lowers it while it transfers, where the driver allows.
Nothing to do for a transfer. Whoever looks after this computer can set it to 1 ms for good with Ramvik&apos;s udev rule %3.</source>
        <translation>Le timer de latence de %1 est de %2 ms. Ramvik le réduit pendant les transferts, là où le pilote le permet.
Rien à faire pour un transfert. La personne qui gère cet ordinateur peut le régler durablement à 1 ms avec la règle udev %3 de Ramvik.</translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms. Ramvik lowers it while it transfers,
where the driver allows. To set it to 1 ms for good, install the udev rule:
%3</source>
        <translation>Le timer de latence de %1 est de %2 ms. Ramvik le réduit pendant les transferts,
là où le pilote le permet. Pour le régler durablement à 1 ms, installer la règle udev&#xa0;:
%3</translation>
    </message>
    <message>
        <source>The latency timer of %1 is %2 ms.</source>
        <translation>Le timer de latence de %1 est de %2 ms.</translation>
    </message>
    <message>
        <source>A converter is connected: %1</source>
        <translation>Un adaptateur est branché&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1
Fix: name the box&apos;s converter: ramvik-cli doctor --port PATH, and the same
--port PATH for write and read.</source>
        <translation>%1
Solution&#xa0;: indiquer l&apos;adaptateur du boîtier&#xa0;: ramvik-cli doctor --port PATH, et le même
--port PATH pour write et read.</translation>
    </message>
    <message>
        <source>%1
What to do: Start a transfer and choose the box&apos;s converter when Ramvik asks; Ramvik remembers the choice. Or unplug the converters that are not the box&apos;s.</source>
        <translation>%1
Que faire&#xa0;: lancez un transfert et choisissez l&apos;adaptateur du boîtier quand Ramvik le demande&#xa0;; Ramvik retient ce choix. Ou débranchez les adaptateurs qui ne sont pas celui du boîtier.</translation>
    </message>
    <message>
        <source>A converter is connected: USB %1 (USB device %2).</source>
        <translation>Un adaptateur est branché&#xa0;: USB %1 (périphérique USB %2).</translation>
    </message>
    <message>
        <source>A converter is connected: USB %1  &quot;%2&quot; (USB device %3).</source>
        <translation>Un adaptateur est branché&#xa0;: USB %1  «&#xa0;%2&#xa0;» (périphérique USB %3).</translation>
    </message>
    <message>
        <source>The vendor library reaches it.</source>
        <translation>La bibliothèque du fabricant l&apos;atteint.</translation>
    </message>
    <message>
        <source>No serial driver has taken it: it has no serial device.
Fix: load the kernel&apos;s driver (sudo modprobe ftdi_sio). brltty, when installed, takes
such converters away: remove it (sudo apt remove brltty) unless a braille
display is used, then plug the converter in again.</source>
        <translation>Aucun pilote série ne l&apos;a pris en charge&#xa0;: il n&apos;a pas de périphérique série.
Solution&#xa0;: charger le pilote du noyau (sudo modprobe ftdi_sio). brltty, s&apos;il est installé, accapare
ces adaptateurs&#xa0;: le supprimer (sudo apt remove brltty) si aucun afficheur braille
n&apos;est utilisé, puis rebrancher l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>A converter is connected: the vendor library sees %1 FTDI device(s).</source>
        <translation>Un adaptateur est branché&#xa0;: la bibliothèque du fabricant voit %1 périphérique(s) FTDI.</translation>
    </message>
    <message>
        <source>No converter for the box is connected.
%1
Fix: plug the box&apos;s converter in; ramvik-cli ports lists every serial port.</source>
        <translation>Aucun adaptateur pour le boîtier n&apos;est branché.
%1
Solution&#xa0;: brancher l&apos;adaptateur du boîtier&#xa0;; ramvik-cli ports liste tous les ports série.</translation>
    </message>
    <message>
        <source>No converter for the box is connected.
%1
What to do: Plug the box&apos;s converter in (into another USB socket if it is plugged in), then try the transfer again.</source>
        <translation>Aucun adaptateur pour le boîtier n&apos;est branché.
%1
Que faire&#xa0;: branchez l&apos;adaptateur du boîtier (sur une autre prise USB s&apos;il est déjà branché), puis relancez le transfert.</translation>
    </message>
    <message>
        <source>The vendor library %1 is present and complete.</source>
        <translation>La bibliothèque du fabricant %1 est présente et complète.</translation>
    </message>
    <message>
        <source>The vendor library %1 is not installed; the system&apos;s serial driver serves
the converter instead.</source>
        <translation>La bibliothèque du fabricant %1 n&apos;est pas installée&#xa0;; le pilote série du système
prend l&apos;adaptateur en charge à sa place.</translation>
    </message>
    <message>
        <source>The vendor library %1 is not installed; the system&apos;s serial driver serves the converter instead.</source>
        <translation>La bibliothèque du fabricant %1 n&apos;est pas installée&#xa0;; le pilote série du système prend l&apos;adaptateur en charge à sa place.</translation>
    </message>
    <message>
        <source>%1
Fix: install FTDI&apos;s D2XX driver (ftdichip.com, &quot;D2XX Drivers&quot;) for this system.</source>
        <translation>%1
Solution&#xa0;: installer le pilote D2XX de FTDI (ftdichip.com, «&#xa0;D2XX Drivers&#xa0;») pour ce système.</translation>
    </message>
    <message>
        <source>%1
What to do: Ask whoever looks after this computer to install FTDI&apos;s D2XX driver (ftdichip.com, &quot;D2XX Drivers&quot;) for this system.</source>
        <translation>%1
Que faire&#xa0;: demandez à la personne qui gère cet ordinateur d&apos;installer le pilote D2XX de FTDI (ftdichip.com, «&#xa0;D2XX Drivers&#xa0;») pour ce système.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NOTE</source>
        <translation>REMARQUE</translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <translation>PROBLÈME</translation>
    </message>
    <message>
        <source>The named device is there: %1</source>
        <translation>Le périphérique indiqué est présent&#xa0;: %1</translation>
    </message>
    <message>
        <source>A transfer can start.</source>
        <translation>Un transfert peut démarrer.</translation>
    </message>
    <message>
        <source>A transfer cannot start yet.</source>
        <translation>Un transfert ne peut pas encore démarrer.</translation>
    </message>
</context>
<context>
    <name>D2xxLibrary</name>
    <message>
        <source>Error: Can&apos;t Load %1</source>
        <translation>Erreur&#xa0;: impossible de charger %1</translation>
    </message>
    <message>
        <source>Error: Can&apos;t Find %1</source>
        <translation>Erreur&#xa0;: %1 introuvable</translation>
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
        <translation>V[Entrée]</translation>
    </message>
    <message>
        <source>V[Out]</source>
        <translation>V[Sortie]</translation>
    </message>
    <message>
        <source>Input - Output</source>
        <translation>Entrée - Sortie</translation>
    </message>
    <message>
        <source>V[Diff]</source>
        <translation>V[Diff]</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Input - output:</source>
        <translation>Entrée - sortie&#xa0;:</translation>
    </message>
    <message>
        <source>up to %1 V</source>
        <translation>jusqu&apos;à %1 V</translation>
    </message>
    <message>
        <source>%1 V to %2 V</source>
        <translation>de %1 V à %2 V</translation>
    </message>
    <message>
        <source>above the input: the output would be below 0 V</source>
        <translation>au-dessus de l&apos;entrée&#xa0;: la sortie serait sous 0 V</translation>
    </message>
    <message>
        <source>V[in]:%1 V[diff]:%2</source>
        <translation>V[entrée]:%1 V[diff]:%2</translation>
    </message>
    <message>
        <source>Project CR</source>
        <translation>CR (projet)</translation>
    </message>
    <message>
        <source>Project TURBO</source>
        <translation>TURBO (projet)</translation>
    </message>
    <message>
        <source>Box CR</source>
        <translation>CR (boîtier)</translation>
    </message>
    <message>
        <source>Box TURBO</source>
        <translation>TURBO (boîtier)</translation>
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
        <translation>1 point modifié</translation>
    </message>
    <message>
        <source>%1 points changed</source>
        <translation>%1 points modifiés</translation>
    </message>
    <message>
        <source>1 point added</source>
        <translation>1 point ajouté</translation>
    </message>
    <message>
        <source>%1 points added</source>
        <translation>%1 points ajoutés</translation>
    </message>
    <message>
        <source>1 point removed</source>
        <translation>1 point supprimé</translation>
    </message>
    <message>
        <source>%1 points removed</source>
        <translation>%1 points supprimés</translation>
    </message>
    <message>
        <source>No point changed</source>
        <translation>Aucun point modifié</translation>
    </message>
    <message>
        <source>1 held at %1 V</source>
        <translation>1 bloqué à %1 V</translation>
    </message>
    <message>
        <source>%1 held at %2 V</source>
        <translation>%1 bloqués à %2 V</translation>
    </message>
    <message>
        <source>1 held at its limit</source>
        <translation>1 bloqué à sa limite</translation>
    </message>
    <message>
        <source>%1 held at their limits</source>
        <translation>%1 bloqués à leurs limites</translation>
    </message>
    <message>
        <source>1 may not move</source>
        <translation>1 non déplaçable</translation>
    </message>
    <message>
        <source>%1 may not move</source>
        <translation>%1 non déplaçables</translation>
    </message>
    <message>
        <source>The text holds no numbers.</source>
        <translation>Le texte ne contient aucun nombre.</translation>
    </message>
    <message>
        <source>No point is selected.</source>
        <translation>Aucun point sélectionné.</translation>
    </message>
    <message>
        <source>The value is not a number.</source>
        <translation>La valeur n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The other project has no TURBO curve.</source>
        <translation>L&apos;autre projet n&apos;a pas de courbe TURBO.</translation>
    </message>
    <message>
        <source>Nothing changed: %1</source>
        <translation>Aucune modification&#xa0;: %1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Interpolating needs three selected points or more.</source>
        <translation>L&apos;interpolation demande au moins trois points sélectionnés.</translation>
    </message>
    <message>
        <source>Smoothing needs three selected points or more.</source>
        <translation>Le lissage demande au moins trois points sélectionnés.</translation>
    </message>
    <message>
        <source>the output is not a number.</source>
        <translation>la sortie n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>the input %1 V lies outside 0 V to 5 V.</source>
        <translation>l&apos;entrée %1 V est hors de la plage 0 V à 5 V.</translation>
    </message>
    <message>
        <source>the input %1 V is not on the box&apos;s 0.02 V steps.</source>
        <translation>l&apos;entrée %1 V n&apos;est pas sur les pas de 0,02 V du boîtier.</translation>
    </message>
    <message>
        <source>the input %1 V is given twice.</source>
        <translation>l&apos;entrée %1 V est donnée deux fois.</translation>
    </message>
    <message>
        <source>the output %1 V at %2 V lies outside %3 V to %4 V.</source>
        <translation>la sortie %1 V à %2 V est hors de la plage %3 V à %4 V.</translation>
    </message>
    <message>
        <source>The CR curve would hold %1 points; a box stores %2.</source>
        <translation>La courbe CR aurait %1 points&#xa0;; un boîtier en mémorise %2.</translation>
    </message>
    <message>
        <source>The TURBO curve would hold %1 points; a box stores %2.</source>
        <translation>La courbe TURBO aurait %1 points&#xa0;; un boîtier en mémorise %2.</translation>
    </message>
    <message>
        <source>Select the points these numbers are the outputs of, or paste input and output pairs.</source>
        <translation>Sélectionnez les points dont ces nombres sont les sorties, ou collez des paires entrée-sortie.</translation>
    </message>
    <message>
        <source>%1 numbers for 1 selected point: select as many points as there are numbers.</source>
        <translation>%1 nombres pour 1 point sélectionné&#xa0;: sélectionnez autant de points qu&apos;il y a de nombres.</translation>
    </message>
    <message>
        <source>%1 numbers for %2 selected points: select as many points as there are numbers.</source>
        <translation>%1 nombres pour %2 points sélectionnés&#xa0;: sélectionnez autant de points qu&apos;il y a de nombres.</translation>
    </message>
    <message>
        <source>The text holds single numbers; replacing points needs an input and an output on each line.</source>
        <translation>Le texte contient des nombres seuls&#xa0;; pour remplacer des points, il faut une entrée et une sortie sur chaque ligne.</translation>
    </message>
</context>
<context>
    <name>PointText</name>
    <message>
        <source>Line %1 is not a number or a pair of numbers: &quot;%2&quot;</source>
        <translation>La ligne %1 n&apos;est ni un nombre ni une paire de nombres&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>The text holds no numbers.</source>
        <translation>Le texte ne contient aucun nombre.</translation>
    </message>
    <message>
        <source>Line %1 holds two numbers where the lines before it hold one: &quot;%2&quot;</source>
        <translation>La ligne %1 contient deux nombres alors que les lignes précédentes en contiennent un&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>Line %1 holds one number where the lines before it hold two: &quot;%2&quot;</source>
        <translation>La ligne %1 contient un nombre alors que les lignes précédentes en contiennent deux&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
</context>
<context>
    <name>PortAdvice</name>
    <message>
        <source>Stop it (sudo systemctl stop ModemManager), or install Ramvik&apos;s udev rule %1,
which tells ModemManager to leave the box&apos;s converter alone.</source>
        <translation>L&apos;arrêter (sudo systemctl stop ModemManager), ou installer la règle udev %1 de Ramvik,
qui indique à ModemManager de laisser l&apos;adaptateur du boîtier tranquille.</translation>
    </message>
    <message>
        <source>What to do: ModemManager looks after mobile modems and has taken the converter. Ask whoever looks after this computer to stop it, or to install Ramvik&apos;s udev rule %1, which tells ModemManager to leave the box&apos;s converter alone.</source>
        <translation>Que faire&#xa0;: ModemManager gère les modems mobiles et a pris l&apos;adaptateur. Demandez à la personne qui gère cet ordinateur de l&apos;arrêter, ou d&apos;installer la règle udev %1 de Ramvik, qui indique à ModemManager de laisser l&apos;adaptateur du boîtier tranquille.</translation>
    </message>
    <message>
        <source>brltty, the braille display driver, takes USB serial converters. Stop it
(sudo systemctl stop brltty), or remove it (sudo apt remove brltty) when no
braille display is used.</source>
        <translation>brltty, le pilote des afficheurs braille, accapare les adaptateurs USB-série. L&apos;arrêter
(sudo systemctl stop brltty), ou le supprimer (sudo apt remove brltty) si aucun
afficheur braille n&apos;est utilisé.</translation>
    </message>
    <message>
        <source>What to do: brltty, the driver for braille displays, takes USB serial converters. Ask whoever looks after this computer to stop it, or to remove it when no braille display is used.</source>
        <translation>Que faire&#xa0;: brltty, le pilote des afficheurs braille, accapare les adaptateurs USB-série. Demandez à la personne qui gère cet ordinateur de l&apos;arrêter, ou de le supprimer si aucun afficheur braille n&apos;est utilisé.</translation>
    </message>
    <message>
        <source>Close %1, then try again.</source>
        <translation>Fermer %1, puis réessayer.</translation>
    </message>
    <message>
        <source>What to do: Close the program %1, which has the converter open, then try again. If you cannot find it, ask whoever looks after this computer to stop it.</source>
        <translation>Que faire&#xa0;: fermez le programme %1, qui a ouvert l&apos;adaptateur, puis réessayez. Si vous ne le trouvez pas, demandez à la personne qui gère cet ordinateur de l&apos;arrêter.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2.
Install Ramvik&apos;s udev rule %3, which gives the logged-in user the box&apos;s converter,
then plug the converter in again.</source>
        <translation>L&apos;utilisateur %1 ne peut pas ouvrir %2.
Installer la règle udev %3 de Ramvik, qui donne l&apos;adaptateur du boîtier à l&apos;utilisateur connecté,
puis rebrancher l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2.
What to do: Ask whoever looks after this computer to install Ramvik&apos;s udev rule %3, which gives the logged-in user the box&apos;s converter. Then plug the converter in again.</source>
        <translation>L&apos;utilisateur %1 ne peut pas ouvrir %2.
Que faire&#xa0;: demandez à la personne qui gère cet ordinateur d&apos;installer la règle udev %3 de Ramvik, qui donne l&apos;adaptateur du boîtier à l&apos;utilisateur connecté. Rebranchez ensuite l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2: it belongs to the group %3.
Add the user to that group (sudo usermod -aG %3 %1), then log in again,
or install Ramvik&apos;s udev rule %4, which gives the logged-in user the box&apos;s converter.</source>
        <translation>L&apos;utilisateur %1 ne peut pas ouvrir %2&#xa0;: il appartient au groupe %3.
Ajouter l&apos;utilisateur à ce groupe (sudo usermod -aG %3 %1), puis se reconnecter,
ou installer la règle udev %4 de Ramvik, qui donne l&apos;adaptateur du boîtier à l&apos;utilisateur connecté.</translation>
    </message>
    <message>
        <source>The user %1 may not open %2: it belongs to the group %3.
What to do: Ask whoever looks after this computer to add the user %1 to the group %3 (or to install Ramvik&apos;s udev rule %4), then log in again.</source>
        <translation>L&apos;utilisateur %1 ne peut pas ouvrir %2&#xa0;: il appartient au groupe %3.
Que faire&#xa0;: demandez à la personne qui gère cet ordinateur d&apos;ajouter l&apos;utilisateur %1 au groupe %3 (ou d&apos;installer la règle udev %4 de Ramvik), puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>%1 is in use by %2 (process %3).
%4</source>
        <translation>%1 est utilisé par %2 (processus %3).
%4</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 does not exist.
What to do: Plug the box&apos;s converter in, then try again.</source>
        <translation>%1 n&apos;existe pas.
Que faire&#xa0;: branchez l&apos;adaptateur du boîtier, puis réessayez.</translation>
    </message>
    <message>
        <source>Ramvik finds no converter that may be the box&apos;s.
What to do: Plug the box&apos;s converter in (into another USB socket if it is plugged in), then try again.</source>
        <translation>Ramvik ne trouve aucun adaptateur qui pourrait être celui du boîtier.
Que faire&#xa0;: branchez l&apos;adaptateur du boîtier (sur une autre prise USB s&apos;il est déjà branché), puis réessayez.</translation>
    </message>
    <message>
        <source>The box&apos;s converter is plugged in, but no serial driver has taken it, so Ramvik cannot talk through it.
What to do: Unplug the converter and plug it in again. If that does not help, ask whoever looks after this computer to load the driver ftdi_sio and to remove brltty (a driver for braille displays, which takes such converters away) unless a braille display is used.</source>
        <translation>L&apos;adaptateur du boîtier est branché, mais aucun pilote série ne l&apos;a pris en charge&#xa0;; Ramvik ne peut donc pas communiquer par lui.
Que faire&#xa0;: débranchez l&apos;adaptateur et rebranchez-le. Si cela ne suffit pas, demandez à la personne qui gère cet ordinateur de charger le pilote ftdi_sio et de supprimer brltty (un pilote pour afficheurs braille, qui accapare ces adaptateurs) si aucun afficheur braille n&apos;est utilisé.</translation>
    </message>
    <message>
        <source>%1  %2  serial %3  &quot;%4&quot;</source>
        <translation>%1  %2  n° de série %3  «&#xa0;%4&#xa0;»</translation>
    </message>
    <message>
        <source>%1  %2  serial %3</source>
        <translation>%1  %2  n° de série %3</translation>
    </message>
    <message>
        <source>%1  serial %2  &quot;%3&quot;</source>
        <translation>%1  n° de série %2  «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>%1  serial %2</source>
        <translation>%1  n° de série %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s:</source>
        <translation>Plusieurs adaptateurs pourraient être celui du boîtier&#xa0;:</translation>
    </message>
    <message>
        <source>More than one converter may be the box&apos;s:
  %1</source>
        <translation>Plusieurs adaptateurs pourraient être celui du boîtier&#xa0;:
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
        <translation>sudo cp resources/udev/%1 /etc/udev/rules.d/ (le paquet Debian l&apos;installe lui-même),
puis sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger</translation>
    </message>
</context>
<context>
    <name>PortFinder</name>
    <message>
        <source>%1
Choose the box&apos;s converter.</source>
        <translation>%1
Choisir l&apos;adaptateur du boîtier.</translation>
    </message>
    <message>
        <source>%1
What to do: Start the transfer again and choose the box&apos;s converter when Ramvik asks, or unplug the converters that are not the box&apos;s.</source>
        <translation>%1
Que faire&#xa0;: relancez le transfert et choisissez l&apos;adaptateur du boîtier quand Ramvik le demande, ou débranchez les adaptateurs qui ne sont pas celui du boîtier.</translation>
    </message>
    <message>
        <source>Opening %1 failed: %2.</source>
        <translation>L&apos;ouverture de %1 a échoué&#xa0;: %2.</translation>
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
        <translation>2 entrées CR</translation>
    </message>
    <message>
        <source>1 CR input</source>
        <translation>1 entrée CR</translation>
    </message>
    <message>
        <source>Start Voltage [V] :   %1</source>
        <translation>Tension de début [V]&#xa0;:   %1</translation>
    </message>
    <message>
        <source>Start Delay [mm:ss] :   %1:%2</source>
        <translation>Délai initial [mm:ss]&#xa0;:   %1:%2</translation>
    </message>
    <message>
        <source>Curve Delay [ms/0.1V] :   %1</source>
        <translation>Délai de courbe [ms/0,1V]&#xa0;:   %1</translation>
    </message>
    <message>
        <source>Vin</source>
        <translation>Ve</translation>
    </message>
    <message>
        <source>Vdif</source>
        <translation>Vdiff</translation>
    </message>
    <message>
        <source>CR-curve</source>
        <translation>Courbe CR</translation>
    </message>
    <message>
        <source>TURBO-curve</source>
        <translation>Courbe TURBO</translation>
    </message>
</context>
<context>
    <name>ProjectCompare</name>
    <message>
        <source>Box type: project %1, file %2.</source>
        <translation>Type de boîtier&#xa0;: projet %1, fichier %2.</translation>
    </message>
    <message>
        <source>Curve delay: project %1 ms, file %2 ms.</source>
        <translation>Délai de courbe&#xa0;: projet %1 ms, fichier %2 ms.</translation>
    </message>
    <message>
        <source>Start voltage: project %1 V, file %2 V.</source>
        <translation>Tension de début&#xa0;: projet %1 V, fichier %2 V.</translation>
    </message>
    <message>
        <source>Stop voltage: project %1 V, file %2 V.</source>
        <translation>Tension de fin&#xa0;: projet %1 V, fichier %2 V.</translation>
    </message>
    <message>
        <source>Start delay: project %1, file %2.</source>
        <translation>Délai initial&#xa0;: projet %1, fichier %2.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, %4 V in the file.</source>
        <translation>Point %1 à %2 V&#xa0;: sortie %3 V dans le projet, %4 V dans le fichier.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the project, none in the file.</source>
        <translation>Point %1 à %2 V&#xa0;: sortie %3 V dans le projet, aucune dans le fichier.</translation>
    </message>
    <message>
        <source>%1 point at %2 V: output %3 V in the file, none in the project.</source>
        <translation>Point %1 à %2 V&#xa0;: sortie %3 V dans le fichier, aucune dans le projet.</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>it holds control characters (byte %1 is %2)</source>
        <translation>il contient des caractères de contrôle (l&apos;octet %1 vaut %2)</translation>
    </message>
    <message>
        <source>no parameter line</source>
        <translation>aucune ligne de paramètres</translation>
    </message>
</context>
<context>
    <name>ProjectState</name>
    <message>
        <source>A CR curve holds at most %1 points</source>
        <translation>Une courbe CR a au plus %1 points</translation>
    </message>
    <message>
        <source>A TURBO curve holds at most %1 points</source>
        <translation>Une courbe TURBO a au plus %1 points</translation>
    </message>
    <message>
        <source>The point at 0 V stays</source>
        <translation>Le point à 0 V reste en place</translation>
    </message>
    <message>
        <source>Inputs lie between 0 V and 5 V</source>
        <translation>Les entrées sont comprises entre 0 V et 5 V</translation>
    </message>
    <message>
        <source>Only points between the start and stop voltage can be moved</source>
        <translation>Seuls les points entre la tension de début et la tension de fin peuvent être déplacés</translation>
    </message>
    <message>
        <source>The output at %1 V stays between %2 V and %3 V</source>
        <translation>La sortie à %1 V reste entre %2 V et %3 V</translation>
    </message>
    <message>
        <source>The point at 5 V stays</source>
        <translation>Le point à 5 V reste en place</translation>
    </message>
    <message>
        <source>The CR points at the start and stop voltage stay</source>
        <translation>Les points CR aux tensions de début et de fin restent en place</translation>
    </message>
    <message>
        <source>1 CR input</source>
        <translation>1 entrée CR</translation>
    </message>
    <message>
        <source>2 CR inputs</source>
        <translation>2 entrées CR</translation>
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
        <translation>La tension de début est comprise entre 0,0 V et 5,0 V.</translation>
    </message>
    <message>
        <source>The start voltage goes in steps of 0.1 V.</source>
        <translation>La tension de début se règle par pas de 0,1 V.</translation>
    </message>
    <message>
        <source>The start voltage cannot lie above the stop voltage (%1 V).</source>
        <translation>La tension de début ne peut pas dépasser la tension de fin (%1 V).</translation>
    </message>
    <message>
        <source>The stop voltage lies between 0.0 V and 5.0 V.</source>
        <translation>La tension de fin est comprise entre 0,0 V et 5,0 V.</translation>
    </message>
    <message>
        <source>The stop voltage goes in steps of 0.1 V.</source>
        <translation>La tension de fin se règle par pas de 0,1 V.</translation>
    </message>
    <message>
        <source>The stop voltage cannot lie below the start voltage (%1 V).</source>
        <translation>La tension de fin ne peut pas être inférieure à la tension de début (%1 V).</translation>
    </message>
    <message>
        <source>The start delay lies between 0:00 and 4:00.</source>
        <translation>Le délai initial est compris entre 0:00 et 4:00.</translation>
    </message>
    <message>
        <source>The curve delay lies between 0 ms and 500 ms.</source>
        <translation>Le délai de courbe est compris entre 0 ms et 500 ms.</translation>
    </message>
    <message>
        <source>The curve delay goes in steps of 20 ms.</source>
        <translation>Le délai de courbe se règle par pas de 20 ms.</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>No USB Device Connected!</source>
        <translation>Aucun périphérique USB connecté&#xa0;!</translation>
    </message>
    <message>
        <source>An error occured,
please replug
the USB-interface.

Error code: WR0001</source>
        <translation>Une erreur est survenue,
veuillez rebrancher
l&apos;adaptateur USB.

Code d&apos;erreur&#xa0;: WR0001</translation>
    </message>
    <message>
        <source>Please check the connection
of the USB-interface
and try again.</source>
        <translation>Veuillez vérifier la connexion
de l&apos;adaptateur USB
et réessayer.</translation>
    </message>
    <message>
        <source>This box is not designed for this software. 
Use the proper software, Dolvar,
or contact your dealer to update this box.</source>
        <translation>Ce boîtier n&apos;est pas prévu pour ce logiciel.
Utilisez le logiciel approprié, Dolvar,
ou contactez votre revendeur pour mettre ce boîtier à jour.</translation>
    </message>
    <message>
        <source>This box is for CR-Tuning only!
please adjust your project.</source>
        <translation>Ce boîtier est réservé au tuning CR&#xa0;!
Veuillez adapter votre projet.</translation>
    </message>
    <message>
        <source>This box is for CR-TURBO-Tuning only!
please adjust your project.</source>
        <translation>Ce boîtier est réservé au tuning CR-TURBO&#xa0;!
Veuillez adapter votre projet.</translation>
    </message>
    <message>
        <source>USB-error

Error code: PU0001</source>
        <translation>Erreur USB

Code d&apos;erreur&#xa0;: PU0001</translation>
    </message>
    <message>
        <source>USB-error

Error code: CL0001</source>
        <translation>Erreur USB

Code d&apos;erreur&#xa0;: CL0001</translation>
    </message>
    <message>
        <source>No USB Device Connected!

%1</source>
        <translation>Aucun périphérique USB connecté&#xa0;!

%1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Register Keys not found!

Please reinstall the program. The default values will be loaded.</source>
        <translation>Clés de registre introuvables&#xa0;!

Veuillez réinstaller le programme. Les valeurs par défaut vont être chargées.</translation>
    </message>
    <message>
        <source>A register key was not found!

Please reinstall the program to correct this error. The default value for this setting will be loaded.</source>
        <translation>Une clé de registre est introuvable&#xa0;!

Veuillez réinstaller le programme pour corriger cette erreur. La valeur par défaut de ce réglage va être chargée.</translation>
    </message>
    <message>
        <source>%1 does not look like a Ramvik project: %2.</source>
        <translation>%1 ne ressemble pas à un projet Ramvik&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Can&apos;t open file!</source>
        <translation>Impossible d&apos;ouvrir le fichier&#xa0;!</translation>
    </message>
    <message>
        <source>%1 Open it anyway?</source>
        <translation>%1 L&apos;ouvrir quand même&#xa0;?</translation>
    </message>
    <message>
        <source>A box cannot hold this project as it stands: %1</source>
        <translation>Un boîtier ne peut pas recevoir ce projet en l&apos;état&#xa0;: %1</translation>
    </message>
    <message>
        <source>A box cannot hold this project as it stands: %1 (and %2 more)</source>
        <translation>Un boîtier ne peut pas recevoir ce projet en l&apos;état&#xa0;: %1 (et %2 autres)</translation>
    </message>
    <message>
        <source>%1 was no Ramvik project when it was opened. Replace it with this project?</source>
        <translation>%1 n&apos;était pas un projet Ramvik à son ouverture. Le remplacer par ce projet&#xa0;?</translation>
    </message>
    <message>
        <source>Can&apos;t save file!

%1

%2</source>
        <translation>Impossible d&apos;enregistrer le fichier&#xa0;!

%1

%2</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; has changed.

Do you want to save the changes?</source>
        <translation>Le projet «&#xa0;%1&#xa0;» a été modifié.

Voulez-vous enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>The write was not kept in the history:

%1

%2</source>
        <translation>L&apos;écriture n&apos;a pas été conservée dans l&apos;historique&#xa0;:

%1

%2</translation>
    </message>
    <message>
        <source>The write was not kept in the history:

no data folder is known (the settings hold no RootPath, or HOME is not set).</source>
        <translation>L&apos;écriture n&apos;a pas été conservée dans l&apos;historique&#xa0;:

aucun dossier de données n&apos;est connu (les réglages ne contiennent pas de RootPath, ou HOME n&apos;est pas défini).</translation>
    </message>
    <message>
        <source>%1 is not a Ramvik project: %2 bytes.</source>
        <translation>%1 n&apos;est pas un projet Ramvik&#xa0;: %2 octets.</translation>
    </message>
    <message>
        <source>Nothing was written: what the box held could not be kept in the history first.

%1

%2

Turn the backup off to write all the same.</source>
        <translation>Rien n&apos;a été écrit&#xa0;: le contenu du boîtier n&apos;a pas pu être conservé d&apos;abord dans l&apos;historique.

%1

%2

Désactivez la sauvegarde pour écrire quand même.</translation>
    </message>
    <message>
        <source>Written into box %1; %2.</source>
        <translation>Écrit dans le boîtier %1&#xa0;; %2.</translation>
    </message>
    <message>
        <source>Every cell was written into box %1, but the check was cut off: the write is not verified.</source>
        <translation>Toutes les cellules ont été écrites dans le boîtier %1, mais la vérification a été interrompue&#xa0;: l&apos;écriture n&apos;est pas vérifiée.</translation>
    </message>
    <message>
        <source>The write failed at cell %1 of %2: the box now holds parts of two projects. Write the project again before the engine runs.</source>
        <translation>L&apos;écriture a échoué à la cellule %1 sur %2&#xa0;: le boîtier contient maintenant des morceaux de deux projets. Écrivez à nouveau le projet avant de faire tourner le moteur.</translation>
    </message>
    <message>
        <source>The write of %1 kept nothing to write back: the box was not read before it.</source>
        <translation>L&apos;écriture du %1 n&apos;a rien conservé à restaurer&#xa0;: le boîtier n&apos;a pas été lu avant.</translation>
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
        <translation>Le boîtier ne peut pas recevoir ce projet&#xa0;:
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
        <translation>Le boîtier contient d&apos;autres valeurs que celles écrites&#xa0;: %1</translation>
    </message>
    <message>
        <source>cell %1 (%2): box %3, written %4.</source>
        <translation>cellule %1 (%2)&#xa0;: boîtier %3, écrit %4.</translation>
    </message>
    <message>
        <source>The write was stopped before the first cell: the box holds what it held before.</source>
        <translation>L&apos;écriture a été arrêtée avant la première cellule&#xa0;: le boîtier contient ce qu&apos;il contenait avant.</translation>
    </message>
    <message>
        <source>The check was stopped: every cell was written, but not all of cells 0–254 were read back, so the write is not verified.</source>
        <translation>La vérification a été arrêtée&#xa0;: toutes les cellules ont été écrites, mais les cellules 0–254 n&apos;ont pas toutes été relues&#xa0;; l&apos;écriture n&apos;est donc pas vérifiée.</translation>
    </message>
    <message>
        <source>The read was stopped before every cell had arrived: nothing was saved.</source>
        <translation>La lecture a été arrêtée avant l&apos;arrivée de toutes les cellules&#xa0;: rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The write stopped after cell %1 of %2: the box now holds parts of two projects. Write the project again before the engine runs.</source>
        <translation>L&apos;écriture a été arrêtée après la cellule %1 sur %2&#xa0;: le boîtier contient maintenant des morceaux de deux projets. Écrivez à nouveau le projet avant de faire tourner le moteur.</translation>
    </message>
</context>
<context>
    <name>TransferPhase</name>
    <message>
        <source>Writing...</source>
        <translation>Écriture...</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Écriture terminée</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Vérification...</translation>
    </message>
    <message>
        <source>Checked</source>
        <translation>Vérification terminée</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lecture...</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lecture terminée</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sauvegarde...</translation>
    </message>
    <message>
        <source>Backed up</source>
        <translation>Sauvegarde terminée</translation>
    </message>
</context>
<context>
    <name>WriteHistory</name>
    <message>
        <source>did not finish (the program ended during the write): the box may hold parts of two projects</source>
        <translation>inachevé (le programme s&apos;est fermé pendant l&apos;écriture)&#xa0;: le boîtier contient peut-être des morceaux de deux projets</translation>
    </message>
    <message>
        <source>differs: the box holds other values than were written</source>
        <translation>différent&#xa0;: le boîtier contient d&apos;autres valeurs que celles écrites</translation>
    </message>
    <message>
        <source>differs: %1</source>
        <translation>différent&#xa0;: %1</translation>
    </message>
    <message>
        <source>not verified: every cell was written, the check was off</source>
        <translation>non vérifié&#xa0;: toutes les cellules ont été écrites, la vérification était désactivée</translation>
    </message>
    <message>
        <source>stopped before the first cell: the box holds what it held before</source>
        <translation>arrêté avant la première cellule&#xa0;: le boîtier contient ce qu&apos;il contenait avant</translation>
    </message>
    <message>
        <source>stopped after cell %1 of %2: the box holds parts of two projects</source>
        <translation>arrêté après la cellule %1 sur %2&#xa0;: le boîtier contient des morceaux de deux projets</translation>
    </message>
    <message>
        <source>failed at cell %1 of %2: the box holds parts of two projects</source>
        <translation>échec à la cellule %1 sur %2&#xa0;: le boîtier contient des morceaux de deux projets</translation>
    </message>
    <message>
        <source>The last write into box %1 (%2) did not finish: the box may hold parts of two projects. Write the project again.</source>
        <translation>La dernière écriture dans le boîtier %1 (%2) est inachevée&#xa0;: le boîtier contient peut-être des morceaux de deux projets. Écrivez à nouveau le projet.</translation>
    </message>
    <message>
        <source>The box&apos;s table cells (256–766) cannot be read back, and the last write into box %1 (%2) did not finish: they may hold another project.</source>
        <translation>Les cellules de table du boîtier (256–766) ne peuvent pas être relues, et la dernière écriture dans le boîtier %1 (%2) est inachevée&#xa0;: elles contiennent peut-être un autre projet.</translation>
    </message>
    <message>
        <source>Left out 1 history entry that is only half there (another computer may be writing it).</source>
        <translation>1 entrée d&apos;historique incomplète ignorée (un autre ordinateur est peut-être en train de l&apos;écrire).</translation>
    </message>
    <message>
        <source>Left out %1 history entries that are only half there (another computer may be writing them).</source>
        <translation>%1 entrées d&apos;historique incomplètes ignorées (un autre ordinateur est peut-être en train de les écrire).</translation>
    </message>
    <message>
        <source>Can&apos;t read the write history:

%1

%2</source>
        <translation>Impossible de lire l&apos;historique des écritures&#xa0;:

%1

%2</translation>
    </message>
    <message>
        <source>Written into box %1 on %2.</source>
        <translation>Écrit dans le boîtier %1 le %2.</translation>
    </message>
    <message>
        <source>Written into box %1 on %2 at %3.</source>
        <translation>Écrit dans le boîtier %1 le %2 sur %3.</translation>
    </message>
    <message>
        <source>Outcome: %1.</source>
        <translation>Résultat&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Customer: %1</source>
        <translation>Client&#xa0;: %1</translation>
    </message>
    <message>
        <source>Vehicle: %1</source>
        <translation>Véhicule&#xa0;: %1</translation>
    </message>
    <message>
        <source>Registration or VIN: %1</source>
        <translation>Immatriculation ou VIN&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1&#xa0;; %2</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Note&#xa0;: %1</translation>
    </message>
    <message>
        <source>Writes back what the box held before the write %1.</source>
        <translation>Restaure ce que le boîtier contenait avant l&apos;écriture %1.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>verified: parameters and points (cells 0–254); the box&apos;s table cells cannot be read back</source>
        <translation>vérifié&#xa0;: paramètres et points (cellules 0–254)&#xa0;; les cellules de table du boîtier ne peuvent pas être relues</translation>
    </message>
    <message>
        <source>check cut off: every cell was written, but not all of cells 0–254 were read back</source>
        <translation>vérification interrompue&#xa0;: toutes les cellules ont été écrites, mais les cellules 0–254 n&apos;ont pas toutes été relues</translation>
    </message>
</context>
</TS>
