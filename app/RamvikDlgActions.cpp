#include "RamvikDlg.h"

#include "Graph.h"
#include "GraphWidget.h"
#include "Panel.h"
#include "SpinArrows.h"
#include "ValueField.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>

#include <tuple>
#include <vector>

// Every command of the window is made here, once: its text, shortcut, status
// tip and handler. The menus, the toolbar and the panel's buttons use these
// actions; none of them connects a handler of its own.

namespace {

// The step of the Up and Down keys: one of the box's steps, with Shift five.
constexpr double kKeyStep = 0.02;
constexpr double kShiftKeyStep = 0.1;

// A button or check box of the panel that stands for an action: a click
// triggers it, and it is enabled and marked as the action is. Its own text
// stays (the panel's texts are the box's words); the tooltip names the
// action and its keys.
void Bind(QAbstractButton* button, QAction* action)
{
    QObject::connect(button, &QAbstractButton::clicked, action, [action] { action->trigger(); });
    const auto follow = [button, action] {
        button->setEnabled(action->isEnabled());
        if (action->isCheckable())
            button->setChecked(action->isChecked());
        const QString keys = action->shortcut().toString(QKeySequence::NativeText);
        button->setToolTip(keys.isEmpty()
                ? action->statusTip()
                : QStringLiteral("%1 (%2)").arg(action->statusTip(), keys));
    };
    QObject::connect(action, &QAction::changed, button, follow);
    follow();
    // A button without words ("0", a bare check box) is named by its command.
    if (button->text().length() < 2)
        button->setAccessibleName(action->text().remove(QLatin1Char('&')));
}

} // namespace

void CRamvikDlg::MakeActions()
{
    const auto make
        = [this](const QString& text, const QKeySequence& keys, const QString& tip, auto handler) {
              auto* action = new QAction(text, this);
              action->setShortcut(keys);
              action->setStatusTip(tip);
              // Every command is the user's next action: the last note goes
              // first, so the handler may leave one of its own.
              connect(action, &QAction::triggered, this, [this] { ShowStatus(QString()); });
              connect(action, &QAction::triggered, this, handler);
              return action;
          };
    const auto icon = [this](const char* theme, QStyle::StandardPixmap fallback) {
        return QIcon::fromTheme(QString::fromLatin1(theme), style()->standardIcon(fallback));
    };
    WindowActions& a = actions;

    a.newProject
        = make(tr("&New"), QKeySequence::New, tr("Start a new project"), &CRamvikDlg::OnNew);
    a.newProject->setIcon(icon("document-new", QStyle::SP_FileIcon));
    a.open
        = make(tr("&Open..."), QKeySequence::Open, tr("Open a project file"), &CRamvikDlg::OnOpen);
    a.open->setIcon(icon("document-open", QStyle::SP_DialogOpenButton));
    a.save = make(tr("&Save"), QKeySequence::Save,
        tr("Save the project to its file; asks for a name when it has none"), &CRamvikDlg::OnSave);
    a.save->setIcon(icon("document-save", QStyle::SP_DialogSaveButton));
    // The same keys on every platform; the platform's own standard keys
    // could claim one of them twice and make it ambiguous.
    a.saveAs = make(tr("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        tr("Save the project under a name"), &CRamvikDlg::OnSaveAs);
    a.print = make(tr("&Print Project..."), QKeySequence::Print, tr("Print the project sheet"),
        &CRamvikDlg::OnPrint);
    a.print->setIcon(icon("document-print", QStyle::SP_FileDialogDetailedView));
    a.exportPdf = make(tr("&Export PDF..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
        tr("Save the project sheet as a PDF file"), &CRamvikDlg::OnExportPdf);
    // Ctrl+Q everywhere, also where the platform has no standard quit key;
    // closing asks about unsaved changes first.
    a.quit = make(
        tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), tr("Close Ramvik"), &QWidget::close);

    a.undo = make(tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z), tr("Take back the last change"),
        &CRamvikDlg::OnUndo);
    a.undo->setIcon(icon("edit-undo", QStyle::SP_ArrowBack));
    a.redo = make(tr("&Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
        tr("Make the change taken back again"), &CRamvikDlg::OnRedo);
    a.redo->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y) });
    a.redo->setIcon(icon("edit-redo", QStyle::SP_ArrowForward));

    // The point keys are the graph's: they act while the graph has the
    // keyboard focus (a click on it gives it), wherever the pointer is, and
    // leave the arrow keys to the fields and the selector.
    a.previousPoint = make(tr("&Previous Point"), QKeySequence(Qt::Key_Left),
        tr("Choose the point left of the chosen one"), [this] { OnNeighbourPoint(false); });
    a.nextPoint = make(tr("&Next Point"), QKeySequence(Qt::Key_Right),
        tr("Choose the point right of the chosen one"), [this] { OnNeighbourPoint(true); });
    a.raisePoint = make(tr("Point &Up"), QKeySequence(Qt::Key_Up),
        tr("Move the chosen point up by 0.02 V"), [this] { OnMovePoint(kKeyStep); });
    a.lowerPoint = make(tr("Point &Down"), QKeySequence(Qt::Key_Down),
        tr("Move the chosen point down by 0.02 V"), [this] { OnMovePoint(-kKeyStep); });
    a.raisePointMore = make(tr("Point Up by 0.1 V"), QKeySequence(Qt::SHIFT | Qt::Key_Up),
        tr("Move the chosen point up by 0.1 V"), [this] { OnMovePoint(kShiftKeyStep); });
    a.lowerPointMore = make(tr("Point Down by 0.1 V"), QKeySequence(Qt::SHIFT | Qt::Key_Down),
        tr("Move the chosen point down by 0.1 V"), [this] { OnMovePoint(-kShiftKeyStep); });
    a.removePoint = make(tr("Re&move Point"), QKeySequence(Qt::Key_Delete),
        tr("Remove the chosen point"), &CRamvikDlg::OnRemovePoint);
    a.pointValues = make(tr("Point &Values..."), QKeySequence(Qt::Key_Return),
        tr("Type the exact values of the chosen point, or of a new point"),
        [this] { OpenPointEntry(); });
    a.pointValues->setShortcuts({ QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter) });
    for (QAction* key : PointActions())
        key->setShortcutContext(Qt::WidgetShortcut);

    a.editCr = make(tr("Edit &CR Curve"), QKeySequence(Qt::Key_F2), tr("Edit the CR curve (blue)"),
        &CRamvikDlg::OnEditCr);
    a.editTurbo = make(tr("Edit &TURBO Curve"), QKeySequence(Qt::Key_F3),
        tr("Edit the TURBO curve (red)"), &CRamvikDlg::OnEditTurbo);
    a.resetCr = make(tr("Reset C&R Curve"), QKeySequence(Qt::SHIFT | Qt::Key_F2),
        tr("Make the CR curve a straight line again"), &CRamvikDlg::OnResetCrCurve);
    a.resetTurbo = make(tr("Reset T&URBO Curve"), QKeySequence(Qt::SHIFT | Qt::Key_F3),
        tr("Make the TURBO curve a straight line again"), &CRamvikDlg::OnResetTurboCurve);
    a.copyCurve = make(tr("C&opy Curve"), QKeySequence(Qt::Key_F4),
        tr("Copy the edited curve onto the other curve"), &CRamvikDlg::OnCopyCurve);

    a.write = make(tr("&Write to Box..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W),
        tr("Write the curves and parameters into the box"), &CRamvikDlg::OnWrite);
    a.write->setIcon(icon("go-up", QStyle::SP_ArrowUp));
    a.read = make(tr("&Read from Box..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
        tr("Read the curves and parameters from the box"), &CRamvikDlg::OnRead);
    a.read->setIcon(icon("go-down", QStyle::SP_ArrowDown));
    a.compare = make(tr("&Compare with Box..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
        tr("Read the box and compare it with the project"), &CRamvikDlg::OnCompare);
    a.compare->setIcon(icon("view-list-details", QStyle::SP_FileDialogContentsView));
    a.history = make(tr("Write &History..."), QKeySequence(Qt::CTRL | Qt::Key_H),
        tr("Find earlier writes by customer, vehicle or box; open, compare, print or write back"),
        &CRamvikDlg::OnWriteHistory);
    a.connectionHelp = make(tr("Connection &Help"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H),
        tr("What Ramvik sees of the box's USB converter, and what to do"),
        &CRamvikDlg::OnConnectionHelp);
    a.boxTypeGroup = new QActionGroup(this);
    const QString boxTypeNames[3] = { tr("&1 CR input"), tr("&2 CR inputs"), tr("CR&&&TURBO") };
    for (int type = 0; type < 3; ++type) {
        a.boxTypes[type] = make(boxTypeNames[type], QKeySequence(Qt::ALT | (Qt::Key_1 + type)),
            tr("The type of the box the project is for"), [this, type] { OnBoxTypeChosen(type); });
        a.boxTypes[type]->setCheckable(true);
        a.boxTypeGroup->addAction(a.boxTypes[type]);
    }

    a.inputOutput = make(tr("&Input-Output"), QKeySequence(Qt::CTRL | Qt::Key_1),
        tr("Show the output voltage against the input voltage"), &CRamvikDlg::OnInputOutputView);
    a.difference = make(tr("&Difference"), QKeySequence(Qt::CTRL | Qt::Key_2),
        tr("Show the input voltage minus the output voltage"), &CRamvikDlg::OnDifferenceView);
    a.showCr = make(tr("Show C&R Curve"), QKeySequence(Qt::CTRL | Qt::Key_3),
        tr("Show the CR curve while the TURBO curve is edited"), &CRamvikDlg::OnShowCr);
    a.showTurbo = make(tr("Show &TURBO Curve"), QKeySequence(Qt::CTRL | Qt::Key_4),
        tr("Show the TURBO curve while the CR curve is edited"), &CRamvikDlg::OnShowTurbo);
    // The graph's own view, not the project: a printout always shows the
    // whole range.
    a.resetZoom = make(tr("Reset &Zoom"), QKeySequence(Qt::CTRL | Qt::Key_0),
        tr("Show the whole range of the graph again"), [this] { Graph().ResetZoom(); });
    a.resetZoom->setEnabled(false);
    for (QAction* checkable :
        { a.editCr, a.editTurbo, a.inputOutput, a.difference, a.showCr, a.showTurbo })
        checkable->setCheckable(true);

    a.keysHelp = make(tr("&Keys and Mouse"), QKeySequence(Qt::Key_F1),
        tr("How to edit the curves with the mouse and the keys"), &CRamvikDlg::ShowKeysHelp);
    a.about = make(tr("&About Ramvik..."), QKeySequence(Qt::CTRL | Qt::Key_F1),
        tr("The program's name and version"), &CRamvikDlg::ShowAbout);
}

std::vector<QAction*> CRamvikDlg::PointActions() const
{
    const WindowActions& a = actions;
    return { a.previousPoint, a.nextPoint, a.raisePoint, a.lowerPoint, a.raisePointMore,
        a.lowerPointMore, a.removePoint, a.pointValues };
}

void CRamvikDlg::MakeMenus()
{
    WindowActions& a = actions;
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addActions({ a.newProject, a.open });
    a.recentMenu = file->addMenu(tr("Open &Recent"));
    a.recentMenu->setObjectName(QStringLiteral("recentMenu"));
    connect(a.recentMenu, &QMenu::aboutToShow, this, &CRamvikDlg::FillRecentMenu);
    file->addAction(a.compareFile);
    file->addActions({ a.save, a.saveAs });
    file->addSeparator();
    file->addActions({ a.print, a.exportPdf });
    file->addSeparator();
    file->addAction(a.quit);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addActions({ a.undo, a.redo });
    edit->addSeparator();
    for (QAction* key : PointActions())
        edit->addAction(key);
    AddRangeMenu(edit);
    edit->addSeparator();
    edit->addActions({ a.editCr, a.editTurbo, a.resetCr, a.resetTurbo, a.copyCurve });

    QMenu* box = menuBar()->addMenu(tr("&Box"));
    box->addActions({ a.write, a.read, a.compare });
    box->addSeparator();
    QMenu* types = box->addMenu(tr("Box &Type"));
    types->addActions(a.boxTypeGroup->actions());
    box->addSeparator();
    box->addActions({ a.history, a.connectionHelp });

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addActions({ a.inputOutput, a.difference });
    view->addSeparator();
    view->addActions({ a.showCr, a.showTurbo });
    view->addSeparator();
    view->addAction(a.resetZoom);
    view->addSeparator();
    view->addAction(a.showPointsTable);
    connect(graphWidget, &CGraphWidget::zoomChanged, this,
        [this] { actions.resetZoom->setEnabled(Graph().Zoomed()); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addActions({ a.keysHelp, a.about });

    // The point keys are shortcuts of the graph only.
    for (QAction* key : PointActions())
        graphWidget->addAction(key);
}

void CRamvikDlg::MakeToolBar()
{
    QToolBar* bar = addToolBar(tr("Everyday actions"));
    bar->setObjectName(QStringLiteral("toolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const WindowActions& a = actions;
    bar->addActions({ a.newProject, a.open, a.save });
    bar->addSeparator();
    bar->addActions({ a.undo, a.redo });
    bar->addSeparator();
    bar->addActions({ a.read, a.write, a.compare });
    bar->addSeparator();
    bar->addAction(a.print);
}

void CRamvikDlg::BindPanel()
{
    CPanel& p = *panel;
    const WindowActions& a = actions;
    const std::pair<QAbstractButton*, QAction*> bindings[] = {
        { p.newButton, a.newProject },
        { p.openButton, a.open },
        // The panel's Save always asks for the name, as it always did.
        { p.saveButton, a.saveAs },
        { p.readButton, a.read },
        { p.writeButton, a.write },
        { p.printButton, a.print },
        { p.compareButton, a.compare },
        { p.inputOutputCheck, a.inputOutput },
        { p.differenceCheck, a.difference },
        { p.editCrCheck, a.editCr },
        { p.resetCrButton, a.resetCr },
        { p.showCrCheck, a.showCr },
        { p.editTurboCheck, a.editTurbo },
        { p.resetTurboButton, a.resetTurbo },
        { p.showTurboCheck, a.showTurbo },
        { p.copyCurveButton, a.copyCurve },
    };
    for (const auto& [button, action] : bindings)
        Bind(button, action);
    connect(p.boxTypeCombo, &QComboBox::activated, this,
        [this](int index) { actions.boxTypes[index]->trigger(); });
    p.boxTypeCombo->setToolTip(a.boxTypes[0]->statusTip());

    const std::pair<CSpinArrows*, void (CRamvikDlg::*)(bool)> arrows[] = {
        { p.startVoltageSpin, &CRamvikDlg::OnStartVoltage },
        { p.stopVoltageSpin, &CRamvikDlg::OnStopVoltage },
        { p.startDelayMinSpin, &CRamvikDlg::OnStartDelayMinutes },
        { p.startDelaySecSpin, &CRamvikDlg::OnStartDelaySeconds },
        { p.curveDelaySpin, &CRamvikDlg::OnCurveDelay },
    };
    for (const auto& [spin, handler] : arrows)
        connect(spin, &CSpinArrows::stepped, this, handler);

    // A field's Up and Down keys and its wheel step it as its arrows do; the
    // start delay's field steps the seconds.
    const std::tuple<CValueField*, CSpinArrows*, void (CRamvikDlg::*)(const QString&)> fields[] = {
        { p.startVoltageEdit, p.startVoltageSpin, &CRamvikDlg::OnStartVoltageTyped },
        { p.stopVoltageEdit, p.stopVoltageSpin, &CRamvikDlg::OnStopVoltageTyped },
        { p.startDelayEdit, p.startDelaySecSpin, &CRamvikDlg::OnStartDelayTyped },
        { p.curveDelayEdit, p.curveDelaySpin, &CRamvikDlg::OnCurveDelayTyped },
    };
    for (const auto& [field, spin, handler] : fields) {
        connect(field, &CValueField::typed, this, handler);
        connect(field, &CValueField::stepped, spin, &CSpinArrows::stepped);
        spin->StepOnWheelOver(field);
    }
}
