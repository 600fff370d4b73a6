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
        // A button without words ("0", a bare check box) is named by its
        // command; every button is described by it.
        if (button->text().length() < 2)
            button->setAccessibleName(action->text().remove(QLatin1Char('&')));
        button->setAccessibleDescription(action->statusTip());
    };
    QObject::connect(action, &QAction::changed, button, follow);
    follow();
}

} // namespace

// The texts are marked with QT_TR_NOOP and translated in each language anew.
void CRamvikDlg::MakeActions()
{
    const auto make
        = [this](const char* text, const QKeySequence& keys, const char* tip, auto handler) {
              auto* action = new QAction(this);
              action->setShortcut(keys);
              Translated([action, text, tip] {
                  action->setText(tr(text));
                  action->setStatusTip(tr(tip));
              });
              // Every command is the user's next action: the last note goes
              // first, so the handler may leave one of its own.
              connect(action, &QAction::triggered, this, [this] { ClearStatus(); });
              connect(action, &QAction::triggered, this, handler);
              return action;
          };
    const auto icon = [this](const char* theme, QStyle::StandardPixmap fallback) {
        return QIcon::fromTheme(QString::fromLatin1(theme), style()->standardIcon(fallback));
    };
    WindowActions& a = actions;

    a.newProject = make(QT_TR_NOOP("&New"), QKeySequence::New, QT_TR_NOOP("Start a new project"),
        &CRamvikDlg::OnNew);
    a.newProject->setIcon(icon("document-new", QStyle::SP_FileIcon));
    a.open = make(QT_TR_NOOP("&Open..."), QKeySequence::Open, QT_TR_NOOP("Open a project file"),
        &CRamvikDlg::OnOpen);
    a.open->setIcon(icon("document-open", QStyle::SP_DialogOpenButton));
    a.save = make(QT_TR_NOOP("&Save"), QKeySequence::Save,
        QT_TR_NOOP("Save the project to its file; asks for a name when it has none"),
        &CRamvikDlg::OnSave);
    a.save->setIcon(icon("document-save", QStyle::SP_DialogSaveButton));
    // The same keys on every platform; the platform's own standard keys
    // could claim one of them twice and make it ambiguous.
    a.saveAs = make(QT_TR_NOOP("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        QT_TR_NOOP("Save the project under a name"), &CRamvikDlg::OnSaveAs);
    a.print = make(QT_TR_NOOP("&Print Project..."), QKeySequence::Print,
        QT_TR_NOOP("Print the project sheet"), &CRamvikDlg::OnPrint);
    a.print->setIcon(icon("document-print", QStyle::SP_FileDialogDetailedView));
    a.exportPdf = make(QT_TR_NOOP("&Export PDF..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
        QT_TR_NOOP("Save the project sheet as a PDF file"), &CRamvikDlg::OnExportPdf);
    // Ctrl+Q everywhere, also where the platform has no standard quit key;
    // closing asks about unsaved changes first.
    a.quit = make(QT_TR_NOOP("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q),
        QT_TR_NOOP("Close Ramvik"), &QWidget::close);

    a.undo = make(QT_TR_NOOP("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
        QT_TR_NOOP("Take back the last change"), &CRamvikDlg::OnUndo);
    a.undo->setIcon(icon("edit-undo", QStyle::SP_ArrowBack));
    a.redo = make(QT_TR_NOOP("&Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
        QT_TR_NOOP("Make the change taken back again"), &CRamvikDlg::OnRedo);
    a.redo->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y) });
    a.redo->setIcon(icon("edit-redo", QStyle::SP_ArrowForward));

    // The point keys are the graph's: they act while the graph has the
    // keyboard focus (a click on it gives it), wherever the pointer is, and
    // leave the arrow keys to the fields and the selector.
    a.previousPoint = make(QT_TR_NOOP("&Previous Point"), QKeySequence(Qt::Key_Left),
        QT_TR_NOOP("Choose the point left of the chosen one"), [this] { OnNeighbourPoint(false); });
    a.nextPoint = make(QT_TR_NOOP("&Next Point"), QKeySequence(Qt::Key_Right),
        QT_TR_NOOP("Choose the point right of the chosen one"), [this] { OnNeighbourPoint(true); });
    a.raisePoint = make(QT_TR_NOOP("Po&int Up"), QKeySequence(Qt::Key_Up),
        QT_TR_NOOP("Move the chosen point up by 0.02 V"), [this] { OnMovePoint(kKeyStep); });
    a.lowerPoint = make(QT_TR_NOOP("Point &Down"), QKeySequence(Qt::Key_Down),
        QT_TR_NOOP("Move the chosen point down by 0.02 V"), [this] { OnMovePoint(-kKeyStep); });
    a.raisePointMore = make(QT_TR_NOOP("Point Up &by 0.1 V"), QKeySequence(Qt::SHIFT | Qt::Key_Up),
        QT_TR_NOOP("Move the chosen point up by 0.1 V"), [this] { OnMovePoint(kShiftKeyStep); });
    a.lowerPointMore = make(QT_TR_NOOP("Point Do&wn by 0.1 V"),
        QKeySequence(Qt::SHIFT | Qt::Key_Down), QT_TR_NOOP("Move the chosen point down by 0.1 V"),
        [this] { OnMovePoint(-kShiftKeyStep); });
    a.removePoint = make(QT_TR_NOOP("Re&move Point"), QKeySequence(Qt::Key_Delete),
        QT_TR_NOOP("Remove the chosen point"), &CRamvikDlg::OnRemovePoint);
    a.pointValues = make(QT_TR_NOOP("Point &Values..."), QKeySequence(Qt::Key_Return),
        QT_TR_NOOP("Type the exact values of the chosen point, or of a new point"),
        [this] { OpenPointEntry(); });
    a.pointValues->setShortcuts({ QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter) });
    for (QAction* key : PointActions())
        key->setShortcutContext(Qt::WidgetShortcut);

    a.editCr = make(QT_TR_NOOP("Edit &CR Curve"), QKeySequence(Qt::Key_F2),
        QT_TR_NOOP("Edit the CR curve (blue)"), &CRamvikDlg::OnEditCr);
    a.editTurbo = make(QT_TR_NOOP("Edit &TURBO Curve"), QKeySequence(Qt::Key_F3),
        QT_TR_NOOP("Edit the TURBO curve (red)"), &CRamvikDlg::OnEditTurbo);
    a.resetCr = make(QT_TR_NOOP("R&eset CR Curve"), QKeySequence(Qt::SHIFT | Qt::Key_F2),
        QT_TR_NOOP("Make the CR curve a straight line again"), &CRamvikDlg::OnResetCrCurve);
    a.resetTurbo = make(QT_TR_NOOP("Re&set TURBO Curve"), QKeySequence(Qt::SHIFT | Qt::Key_F3),
        QT_TR_NOOP("Make the TURBO curve a straight line again"), &CRamvikDlg::OnResetTurboCurve);
    a.copyCurve = make(QT_TR_NOOP("C&opy Curve"), QKeySequence(Qt::Key_F4),
        QT_TR_NOOP("Copy the edited curve onto the other curve"), &CRamvikDlg::OnCopyCurve);

    a.write = make(QT_TR_NOOP("&Write to Box..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W),
        QT_TR_NOOP("Write the curves and parameters into the box"), &CRamvikDlg::OnWrite);
    a.write->setIcon(icon("go-up", QStyle::SP_ArrowUp));
    a.read = make(QT_TR_NOOP("&Read from Box..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
        QT_TR_NOOP("Read the curves and parameters from the box"), &CRamvikDlg::OnRead);
    a.read->setIcon(icon("go-down", QStyle::SP_ArrowDown));
    a.compare
        = make(QT_TR_NOOP("&Compare with Box..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
            QT_TR_NOOP("Read the box and compare it with the project"), &CRamvikDlg::OnCompare);
    a.compare->setIcon(icon("view-list-details", QStyle::SP_FileDialogContentsView));
    a.history = make(QT_TR_NOOP("Write &History..."), QKeySequence(Qt::CTRL | Qt::Key_H),
        QT_TR_NOOP(
            "Find earlier writes by customer, vehicle or box; open, compare, print or write back"),
        &CRamvikDlg::OnWriteHistory);
    a.connectionHelp
        = make(QT_TR_NOOP("C&onnection Help"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H),
            QT_TR_NOOP("What Ramvik sees of the box's USB converter, and what to do"),
            &CRamvikDlg::OnConnectionHelp);
    a.boxTypeGroup = new QActionGroup(this);
    const char* const boxTypeNames[3]
        = { QT_TR_NOOP("&1 CR input"), QT_TR_NOOP("&2 CR inputs"), QT_TR_NOOP("CR&&&TURBO") };
    for (int type = 0; type < 3; ++type) {
        a.boxTypes[type] = make(boxTypeNames[type], QKeySequence(Qt::ALT | (Qt::Key_1 + type)),
            QT_TR_NOOP("The type of the box the project is for"),
            [this, type] { OnBoxTypeChosen(type); });
        a.boxTypes[type]->setCheckable(true);
        a.boxTypeGroup->addAction(a.boxTypes[type]);
    }

    a.inputOutput = make(QT_TR_NOOP("&Input-Output"), QKeySequence(Qt::CTRL | Qt::Key_1),
        QT_TR_NOOP("Show the output voltage against the input voltage"),
        &CRamvikDlg::OnInputOutputView);
    a.difference = make(QT_TR_NOOP("&Difference"), QKeySequence(Qt::CTRL | Qt::Key_2),
        QT_TR_NOOP("Show the input voltage minus the output voltage"),
        &CRamvikDlg::OnDifferenceView);
    a.showCr = make(QT_TR_NOOP("Show C&R Curve"), QKeySequence(Qt::CTRL | Qt::Key_3),
        QT_TR_NOOP("Show the CR curve while the TURBO curve is edited"), &CRamvikDlg::OnShowCr);
    a.showTurbo = make(QT_TR_NOOP("Show &TURBO Curve"), QKeySequence(Qt::CTRL | Qt::Key_4),
        QT_TR_NOOP("Show the TURBO curve while the CR curve is edited"), &CRamvikDlg::OnShowTurbo);
    // The graph's own view, not the project: a printout always shows the
    // whole range.
    a.resetZoom = make(QT_TR_NOOP("Reset &Zoom"), QKeySequence(Qt::CTRL | Qt::Key_0),
        QT_TR_NOOP("Show the whole range of the graph again"), [this] { Graph().ResetZoom(); });
    a.resetZoom->setEnabled(false);
    for (QAction* checkable :
        { a.editCr, a.editTurbo, a.inputOutput, a.difference, a.showCr, a.showTurbo })
        checkable->setCheckable(true);

    a.keysHelp = make(QT_TR_NOOP("&Keys and Mouse"), QKeySequence(Qt::Key_F1),
        QT_TR_NOOP("How to edit the curves with the mouse and the keys"),
        &CRamvikDlg::ShowKeysHelp);
    a.about = make(QT_TR_NOOP("&About Ramvik..."), QKeySequence(Qt::CTRL | Qt::Key_F1),
        QT_TR_NOOP("The program's name and version"), &CRamvikDlg::ShowAbout);
}

std::vector<QAction*> CRamvikDlg::PointActions() const
{
    const WindowActions& a = actions;
    return { a.previousPoint, a.nextPoint, a.raisePoint, a.lowerPoint, a.raisePointMore,
        a.lowerPointMore, a.removePoint, a.pointValues };
}

void CRamvikDlg::MakeMenus()
{
    // A menu of the menu bar, or of another menu, titled in each language.
    const auto menu = [this](QMenu* parent, const char* title) {
        QMenu* made = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
        Translated([made, title] { made->setTitle(tr(title)); });
        return made;
    };
    WindowActions& a = actions;
    QMenu* file = menu(nullptr, QT_TR_NOOP("&File"));
    file->addActions({ a.newProject, a.open });
    a.recentMenu = menu(file, QT_TR_NOOP("Open &Recent"));
    a.recentMenu->setObjectName(QStringLiteral("recentMenu"));
    connect(a.recentMenu, &QMenu::aboutToShow, this, &CRamvikDlg::FillRecentMenu);
    file->addAction(a.compareFile);
    file->addActions({ a.save, a.saveAs });
    file->addSeparator();
    file->addActions({ a.print, a.exportPdf });
    file->addSeparator();
    file->addAction(a.quit);

    QMenu* edit = menu(nullptr, QT_TR_NOOP("&Edit"));
    edit->addActions({ a.undo, a.redo });
    edit->addSeparator();
    for (QAction* key : PointActions())
        edit->addAction(key);
    AddRangeMenu(edit);
    edit->addSeparator();
    edit->addActions({ a.editCr, a.editTurbo, a.resetCr, a.resetTurbo, a.copyCurve });

    QMenu* box = menu(nullptr, QT_TR_NOOP("&Box"));
    box->addActions({ a.write, a.read, a.compare });
    box->addSeparator();
    QMenu* types = menu(box, QT_TR_NOOP("Box &Type"));
    types->addActions(a.boxTypeGroup->actions());
    box->addSeparator();
    box->addActions({ a.history, a.connectionHelp });

    QMenu* view = menu(nullptr, QT_TR_NOOP("&View"));
    view->addActions({ a.inputOutput, a.difference });
    view->addSeparator();
    view->addActions({ a.showCr, a.showTurbo });
    view->addSeparator();
    view->addAction(a.resetZoom);
    view->addSeparator();
    view->addAction(a.showPointsTable);
    connect(graphWidget, &CGraphWidget::zoomChanged, this,
        [this] { actions.resetZoom->setEnabled(Graph().Zoomed()); });
    view->addSeparator();
    a.languageMenu = menu(view, QT_TR_NOOP("&Language"));
    MakeLanguageMenu(a.languageMenu);

    QMenu* help = menu(nullptr, QT_TR_NOOP("&Help"));
    help->addActions({ a.keysHelp, a.about });

    // The point keys are shortcuts of the graph only.
    for (QAction* key : PointActions())
        graphWidget->addAction(key);
}

void CRamvikDlg::MakeToolBar()
{
    QToolBar* bar = addToolBar(QString());
    Translated([bar] { bar->setWindowTitle(tr("Everyday actions")); });
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
    Translated([this] { panel->boxTypeCombo->setToolTip(actions.boxTypes[0]->statusTip()); });

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
