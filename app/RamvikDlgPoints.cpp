#include "RamvikDlg.h"

#include "DialogRunner.h"
#include "FileComparePanel.h"
#include "Graph.h"
#include "GraphWidget.h"
#include "LocalNumbers.h"
#include "PointsTable.h"
#include "RangeValueDlg.h"
#include "Translate.h"

#include <PointRange.h>
#include <PointText.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

#include <string>

// The window's side of working on many points at once: the points table, the
// selection's commands, the range operations and the clipboard. The rules of
// every operation are PointRange's; here they are asked for, applied to the
// graph's selection, recorded as one step and reported in the status line.

namespace {

constexpr int kTableWidthInCharacters = 44;

// Where a command of the selection listens: the graph and the points table
// themselves. A text field (a value of the panel, a cell being typed into)
// keeps Ctrl+C, Ctrl+V, Ctrl+A and Escape for its own text.
void ListenOn(QAction* action, std::initializer_list<QWidget*> widgets)
{
    action->setShortcutContext(Qt::WidgetShortcut);
    for (QWidget* widget : widgets)
        widget->addAction(action);
}

} // namespace

void CRamvikDlg::MakeRangeActions()
{
    const auto make = [this](const QKeySequence& keys, auto handler) {
        auto* action = new QAction(this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [this] { ClearStatus(); });
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    WindowActions& a = actions;
    a.copyPoints = make(QKeySequence::Copy, &CRamvikDlg::OnCopyPoints);
    a.pastePoints = make(QKeySequence::Paste, &CRamvikDlg::OnPastePoints);
    a.selectAll = make(QKeySequence::SelectAll, [this] { Graph().SelectAll(); });
    a.clearSelection = make(QKeySequence(Qt::Key_Escape), [this] { Graph().Escape(); });
    a.setOutputs = make(QKeySequence(Qt::Key_F5), [this] { OnRangeCommand(RangeCommand::Set); });
    a.addToOutputs = make(QKeySequence(Qt::Key_F6), [this] { OnRangeCommand(RangeCommand::Add); });
    a.scaleOutputs
        = make(QKeySequence(Qt::Key_F7), [this] { OnRangeCommand(RangeCommand::Scale); });
    a.interpolate
        = make(QKeySequence(Qt::Key_F8), [this] { OnRangeCommand(RangeCommand::Interpolate); });
    a.smooth = make(QKeySequence(Qt::Key_F9), [this] { OnRangeCommand(RangeCommand::Smooth); });
    a.compareFile
        = make(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), &CRamvikDlg::OnCompareWithFile);
    TranslatePointCommands();
}

void CRamvikDlg::TranslatePointCommands()
{
    const WindowActions& a = actions;
    const std::tuple<QAction*, QString, QString> texts[] = {
        { a.copyPoints, tr("Cop&y Points"),
            tr("Copy the selected points, or every point when none is selected, as text") },
        { a.pastePoints, tr("P&aste Points"),
            tr("Paste outputs or input and output pairs onto the selected points") },
        { a.selectAll, tr("Select &All Points"), tr("Select every point of the edited curve") },
        { a.clearSelection, tr("&Clear Selection"), tr("Select no point") },
        { a.setOutputs, tr("&Set Output..."), tr("Give every selected point the same output") },
        { a.addToOutputs, tr("A&dd Voltage..."),
            tr("Raise the outputs of the selected points by a voltage; a negative one lowers "
               "them") },
        { a.scaleOutputs, tr("Scale by &Percent..."),
            tr("Multiply the outputs of the selected points by a percentage") },
        { a.interpolate, tr("&Interpolate"),
            tr("Put the inner selected points on the straight line between the first and the "
               "last") },
        { a.smooth, tr("S&mooth"),
            tr("Move each inner selected point halfway toward its neighbours; the ends stay") },
        { a.compareFile, tr("Compare with &File..."),
            tr("Draw another project file over this one and list what differs") },
    };
    for (const auto& [action, text, tip] : texts) {
        action->setText(text);
        action->setStatusTip(tip);
    }
    if (a.selectionMenu)
        a.selectionMenu->setTitle(tr("Se&lection"));
    if (a.showPointsTable) {
        a.showPointsTable->setText(tr("&Points Table"));
        a.showPointsTable->setStatusTip(tr("Show or hide the table of the edited curve's points"));
    }
}

void CRamvikDlg::AddRangeMenu(QMenu* edit)
{
    WindowActions& a = actions;
    edit->addSeparator();
    edit->addActions({ a.copyPoints, a.pastePoints });
    a.selectionMenu = edit->addMenu(QString());
    a.selectionMenu->setObjectName(QStringLiteral("selectionMenu"));
    a.selectionMenu->addActions({ a.selectAll, a.clearSelection });
    a.selectionMenu->addSeparator();
    a.selectionMenu->addActions(
        { a.setOutputs, a.addToOutputs, a.scaleOutputs, a.interpolate, a.smooth });
    TranslatePointCommands();

    // The keys of the selection act where the points are: in the graph and
    // in the table.
    for (QAction* action : { a.copyPoints, a.pastePoints, a.selectAll, a.clearSelection })
        ListenOn(action, { graphWidget, pointsTable->View() });
    QAction* separator = new QAction(this);
    separator->setSeparator(true);
    pointsTable->SetContextActions({ a.copyPoints, a.pastePoints, separator, a.setOutputs,
        a.addToOutputs, a.scaleOutputs, a.interpolate, a.smooth });
}

void CRamvikDlg::BuildPointsTable()
{
    pointsTable = new CPointsTable(project, Graph(), this);
    addDockWidget(Qt::RightDockWidgetArea, pointsTable);
    // Where the window has room, wide enough for the headers' words
    // ("Difference (V)"); the window's layout takes it down to the least.
    resizeDocks({ pointsTable }, { fontMetrics().averageCharWidth() * kTableWidthInCharacters },
        Qt::Horizontal);
    // An action of its own rather than the dock's toggle, whose text is the
    // dock's title and has no key in the menu.
    QAction* show = actions.showPointsTable = new QAction(this);
    show->setObjectName(QStringLiteral("showPointsTable"));
    show->setCheckable(true);
    show->setChecked(true);
    show->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(show, &QAction::triggered, pointsTable, &QWidget::setVisible);
    connect(pointsTable, &QDockWidget::visibilityChanged, show, [this](bool) {
        // Hidden behind another tabbed dock still counts as shown.
        actions.showPointsTable->setChecked(!pointsTable->isHidden());
    });
    connect(pointsTable, &CPointsTable::outputTyped, this, &CRamvikDlg::OnTableOutputTyped);
    connect(graphWidget, &CGraphWidget::selectionChanged, this, [this] {
        if (pointsTable)
            pointsTable->ShowSelection();
        UpdateRangeActions();
    });
}

void CRamvikDlg::UpdateRangeActions()
{
    const WindowActions& a = actions;
    const bool idle = !Graph().dragging;
    const std::size_t selected = Graph().Selection().size();
    for (QAction* some : { a.setOutputs, a.addToOutputs, a.scaleOutputs })
        some->setEnabled(idle && selected >= 1);
    // A line and a mean need two ends and a point between them.
    for (QAction* three : { a.interpolate, a.smooth })
        three->setEnabled(idle && selected >= 3);
    a.clearSelection->setEnabled(selected > 0);
    a.pastePoints->setEnabled(idle);
    if (fileComparePanel)
        fileComparePanel->takeButton->setEnabled(idle && selected >= 1);
}

void CRamvikDlg::OnRangeCommand(RangeCommand command)
{
    if (Graph().dragging)
        return;
    const PointSelection selection = Graph().Selection();
    if (selection.empty())
        return;
    double value = 0.0;
    if (command == RangeCommand::Set || command == RangeCommand::Add
        || command == RangeCommand::Scale) {
        CRangeValueDlg::Question question;
        const CPunt* first = project.EditedCurve().At(selection.front());
        switch (command) {
        case RangeCommand::Set:
            question = { tr("Set Output"), tr("Output of the selected points:"), tr("V"),
                tr("Type an output from 0 to 5 V, such as %1.")
                    .arg(QLocale().toString(2.5, 'f', 2)),
                0.0, 5.0, first ? first->output : 0.0 };
            break;
        case RangeCommand::Add:
            question = { tr("Add Voltage"), tr("Voltage to add (negative lowers):"), tr("V"),
                tr("Type a voltage from -5 to 5 V, such as %1 or %2.")
                    .arg(QLocale().toString(0.1, 'f', 2), QLocale().toString(-0.1, 'f', 2)),
                -5.0, 5.0, 0.1 };
            break;
        default:
            question = { tr("Scale by Percent"), tr("Percentage of the outputs:"), tr("%"),
                tr("Type a percentage from 0 to 1000, such as %1.").arg(QLocale().toString(110)),
                0.0, 1000.0, 100.0 };
            break;
        }
        CRangeValueDlg dialog(question, this);
        if (RunDialog(dialog) != QDialog::Accepted)
            return;
        value = dialog.Value();
    }
    switch (command) {
    case RangeCommand::Set:
        ApplyRangeResult(SetOutputs(project, selection, value));
        break;
    case RangeCommand::Add:
        ApplyRangeResult(AddToOutputs(project, selection, value));
        break;
    case RangeCommand::Scale:
        ApplyRangeResult(ScaleOutputs(project, selection, value));
        break;
    case RangeCommand::Interpolate:
        ApplyRangeResult(InterpolateOutputs(project, selection));
        break;
    case RangeCommand::Smooth:
        ApplyRangeResult(SmoothOutputs(project, selection));
        break;
    }
}

void CRamvikDlg::ApplyRangeResult(const RangeEditResult& result)
{
    if (result.changed)
        session.RecordChange();
    Refresh();
    ShowStatus([status = result.status] { return Tr(status); });
}

void CRamvikDlg::OnCopyPoints()
{
    const CCurve& curve = project.EditedCurve();
    PointSelection inputs = Graph().Selection();
    if (inputs.empty())
        for (const CPunt& p : curve)
            inputs.push_back(p.input);
    QGuiApplication::clipboard()->setText(QString::fromStdString(WritePointsText(curve, inputs)));
    ShowStatus([count = int(inputs.size())] { return tr("%n point(s) copied.", nullptr, count); });
}

void CRamvikDlg::OnPastePoints()
{
    if (Graph().dragging)
        return;
    const QString text = QGuiApplication::clipboard()->text();
    if (text.trimmed().isEmpty()) {
        ShowStatus([] { return tr("The clipboard holds no text to paste."); });
        return;
    }
    const PointsReading reading = ReadPointsText(text.toStdString());
    ApplyRangeResult(PastePoints(project, Graph().Selection(), reading));
}

void CRamvikDlg::OnTableOutputTyped(double input, const QString& text)
{
    ClearStatus();
    const std::optional<double> volts = ReadLocalNumber(text);
    if (!volts) {
        ShowStatus([] {
            return tr("An output is a number of volts, such as %1.")
                .arg(QLocale().toString(2.4, 'f', 2));
        });
        return;
    }
    // As the typed point entry: the graph sets the point, held within its
    // limits, and says why it held it back.
    Graph().PutTypedPoint(input, *volts);
    Refresh();
}
