#include "HelpDlg.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

CHelpDlg::CHelpDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Keys and Mouse"));
    auto* layout = new QVBoxLayout(this);
    page = new QTextBrowser(this);
    page->setObjectName(QStringLiteral("helpPage"));
    page->setAccessibleName(tr("Keys and Mouse"));
    page->setHtml(tr(
        "<h3>The graph</h3>"
        "<p>The edited curve is the one whose box is ticked beside <b>CR</b> or <b>TURBO</b> "
        "(F2, F3). Its points carry round markers; the chosen point is larger and filled.</p>"
        "<ul>"
        "<li><b>Click</b> on a point to choose it, and <b>drag</b> it up or down to set its "
        "output. A point keeps its input.</li>"
        "<li><b>Click</b> anywhere else in the plot to add a point there.</li>"
        "<li><b>Right-click</b> on a point to remove it; during a drag the right button puts the "
        "point back on the line where output equals input.</li>"
        "<li><b>Double-click</b> a point, or press <b>Enter</b>, to type its exact output; with "
        "no point chosen, Enter adds a point at the input you type.</li>"
        "</ul>"
        "<h3>Several points at once</h3>"
        "<ul>"
        "<li><b>Shift+click</b> a point to select every point from the last clicked one to it; "
        "<b>Ctrl+click</b> adds a point to the selection or takes it out.</li>"
        "<li><b>Shift+drag</b> in the plot selects the points inside the rectangle.</li>"
        "<li>Selected points carry filled squares. The <b>Points</b> table beside the graph "
        "(View, Ctrl+T) lists every point; its selected rows are the selected points, and an "
        "output typed into it is set as Enter sets it.</li>"
        "<li>Edit &gt; Selection sets, raises, scales, interpolates or smooths the selected "
        "outputs in one step to undo; the table's right-click menu offers the same.</li>"
        "</ul>"
        "<h3>Zoom</h3>"
        "<ul>"
        "<li><b>Ctrl+wheel</b> zooms in and out around the pointer.</li>"
        "<li><b>Shift+wheel</b> moves the view sideways; a drag with the <b>middle button</b> "
        "moves it in any direction.</li>"
        "<li><b>Ctrl+0</b> (View &gt; Reset Zoom) shows the whole range again. A printout always "
        "shows the whole range.</li>"
        "</ul>"
        "<p>The points at 0 V and 5 V stay, and so do the CR points at the start and stop "
        "voltage; only CR points between them move. An output lies at most 1.6 V below its "
        "input. Values snap to the box's steps of 0.02 V. The status line says why an edit was "
        "held back.</p>"
        "<h3>Keys of the graph</h3>"
        "<p>They act on the chosen point once the graph has the keyboard focus (click it, or "
        "press Tab until it is framed), wherever the mouse pointer is. Ctrl+A, Escape, Ctrl+C "
        "and Ctrl+V act in the points table too; in a text field they act on its text.</p>"
        "<table cellspacing=\"6\">"
        "<tr><td><b>Left</b>, <b>Right</b></td><td>choose the neighbouring point</td></tr>"
        "<tr><td><b>Up</b>, <b>Down</b></td><td>move it by 0.02 V; with several points "
        "selected, move all of them</td></tr>"
        "<tr><td><b>Shift+Up</b>, <b>Shift+Down</b></td><td>the same by 0.1 V</td></tr>"
        "<tr><td><b>Ctrl+A</b></td><td>select every point of the edited curve</td></tr>"
        "<tr><td><b>Escape</b></td><td>select no point (a rectangle being drawn goes "
        "first)</td></tr>"
        "<tr><td><b>Ctrl+C</b></td><td>copy the selected points (every point when none is "
        "selected) as text: a header line, then input and output a line</td></tr>"
        "<tr><td><b>Ctrl+V</b></td><td>paste: a column of numbers sets the outputs of as many "
        "selected points; input and output pairs replace the selected stretch, or are added "
        "when nothing is selected</td></tr>"
        "<tr><td><b>Delete</b></td><td>remove it</td></tr>"
        "<tr><td><b>Enter</b></td><td>type its exact values</td></tr>"
        "</table>"
        "<h3>The parameters</h3>"
        "<p>Type a value into its field and press Enter or Tab, or use the arrows beside it, "
        "the Up and Down keys in the field or the mouse wheel. The start delay is typed as "
        "minutes:seconds (1:30). A value the box cannot take is refused, and the status line "
        "says why.</p>"
        "<h3>Everywhere</h3>"
        "<table cellspacing=\"6\">"
        "<tr><td><b>Ctrl+Z</b></td><td>undo</td></tr>"
        "<tr><td><b>Ctrl+Shift+Z</b>, <b>Ctrl+Y</b></td><td>redo</td></tr>"
        "<tr><td><b>Ctrl+N</b>, <b>Ctrl+O</b>, <b>Ctrl+S</b>, <b>Ctrl+Shift+S</b></td>"
        "<td>new, open, save, save as</td></tr>"
        "<tr><td><b>Ctrl+P</b>, <b>Ctrl+Shift+E</b></td><td>print, export PDF</td></tr>"
        "<tr><td><b>Ctrl+Shift+W</b>, <b>Ctrl+Shift+R</b>, <b>Ctrl+Shift+C</b></td>"
        "<td>write to the box, read from it, compare with it</td></tr>"
        "<tr><td><b>Ctrl+1</b>, <b>Ctrl+2</b></td><td>Input-Output view, Difference view</td></tr>"
        "<tr><td><b>Ctrl+0</b></td><td>reset the zoom</td></tr>"
        "<tr><td><b>Ctrl+T</b></td><td>show or hide the points table</td></tr>"
        "<tr><td><b>F5</b> to <b>F9</b></td><td>set, raise, scale, interpolate, smooth the "
        "selected outputs</td></tr>"
        "<tr><td><b>Ctrl+Shift+F</b></td><td>compare with another project file</td></tr>"
        "<tr><td><b>Alt</b> and the underlined letter</td><td>open a menu</td></tr>"
        "</table>"));
    layout->addWidget(page);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(page->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 80,
        page->fontMetrics().lineSpacing() * 36);
}
