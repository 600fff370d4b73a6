#include "RamvikDlg.h"

#include "AboutDlg.h"
#include "Graph.h"
#include "PanelGeometry.h"
#include "ProjectFile.h"
#include "SpinArrows.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>

#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

static void InitResources()
{
    // The resources live in a static library; nothing else would pull them in.
    Q_INIT_RESOURCE(ramvik);
}

namespace {
// The system-menu command of "&About Ramvik...". Below 0xF000 like every
// application command; the platform uses the low four bits itself.
constexpr unsigned kAboutCommand = 16;

QString VoltageText(double volts)
{
    // Up to 15 significant digits, so 0.1 V steps that drifted (1.2999999999999998)
    // show as the value the user expects (1.3).
    return QString::asprintf("%.15g", volts);
}
} // namespace

CRamvikDlg::CRamvikDlg(const StartOptions& options, QWidget* parent)
    : QWidget(parent)
    , startOptions(options)
{
    InitResources();
    setWindowTitle("Ramvik");
    setWindowIcon(QIcon(":/ramvik.png"));
    setAttribute(Qt::WA_QuitOnClose);
    BuildPanel();
    ConnectPanel();
    resize(WindowStartSize());
    setMinimumSize(WindowMinimumSize());
    AddAboutToSystemMenu();
    AddShortcuts();

    LoadSettings();
    BindUsbLibrary();
    // The settings chose box type and view; New keeps them.
    session.New();

    CreateGraph();
    graphReady = true;
    graphFrame = GraphFrameFor(size());
    SetGraphFrame();
    Refresh();
}

CRamvikDlg::~CRamvikDlg() = default;

void CRamvikDlg::Refresh()
{
    // Whatever changed the project since the last step is one step; a drag
    // becomes one when it ends.
    if (!graph || !graph->dragging)
        session.RecordChange();
    startVoltageEdit->setText(VoltageText(project.startVoltage));
    stopVoltageEdit->setText(VoltageText(project.stopVoltage));
    startDelayMinEdit->setText(QString::number(project.startDelayMin));
    startDelaySecEdit->setText(QString::number(project.startDelaySec));
    curveDelayEdit->setText(QString::number(project.curveDelay));

    // A click flips a check box's mark before its handler runs; setting every
    // mark from the fields undoes the flip of a refused click.
    editCrCheck->setChecked(project.editCr != 0);
    editTurboCheck->setChecked(project.editTurbo != 0);
    showCrCheck->setChecked(project.showCr != 0);
    showTurboCheck->setChecked(project.showTurbo != 0);
    inputOutputCheck->setChecked(project.inputOutputView != 0);
    differenceCheck->setChecked(project.differenceView != 0);
    // A box type outside the list shows no entry.
    const bool known = project.boxType >= 0 && project.boxType < boxTypeCombo->count();
    boxTypeCombo->setCurrentIndex(known ? project.boxType : -1);

    for (QWidget* turboControl :
        { static_cast<QWidget*>(editTurboCheck), static_cast<QWidget*>(copyCurveButton),
            static_cast<QWidget*>(showTurboCheck), static_cast<QWidget*>(resetTurboButton) })
        turboControl->setEnabled(project.turboEnabled);

    // The toolkit's modified mark "[*]" goes after the name; a "[*]" in the
    // file name itself is doubled so it shows as written.
    QString caption = QString::fromStdString(project.Caption());
    setWindowTitle(caption.replace("[*]", "[*][*]") + "[*]");
    setWindowModified(session.HasUnsavedChanges());
    RefreshComparison();
    update();
}

void CRamvikDlg::OnNew()
{
    if (!MaySaveChanges())
        return;
    session.New();
    Refresh();
}

void CRamvikDlg::OnBoxTypeChosen(int index)
{
    if (!project.SetBoxType(index))
        return;
    Refresh();
    StoreSettingsCode();
}

void CRamvikDlg::OnCopyCurve()
{
    project.CopyCurve();
    Refresh();
}

void CRamvikDlg::OnResetCrCurve()
{
    project.ResetCrCurve();
    Refresh();
}

void CRamvikDlg::OnResetTurboCurve()
{
    project.ResetTurboCurve();
    Refresh();
}

void CRamvikDlg::OnStartVoltage(bool up)
{
    project.StepStartVoltage(up);
    RecordStep("start voltage");
}

void CRamvikDlg::OnStopVoltage(bool up)
{
    project.StepStopVoltage(up);
    RecordStep("stop voltage");
}

void CRamvikDlg::OnStartDelayMinutes(bool up)
{
    project.StepStartDelayMinutes(up);
    RecordStep("start delay minutes");
}

void CRamvikDlg::OnStartDelaySeconds(bool up)
{
    project.StepStartDelaySeconds(up);
    RecordStep("start delay seconds");
}

void CRamvikDlg::OnCurveDelay(bool up)
{
    project.StepCurveDelay(up);
    RecordStep("curve delay");
}

void CRamvikDlg::RecordStep(const char* value)
{
    session.RecordChange(value);
    Refresh();
}

void CRamvikDlg::OnEditCr()
{
    project.SelectCrForEdit();
    Refresh();
}

void CRamvikDlg::OnEditTurbo()
{
    project.SelectTurboForEdit();
    Refresh();
}

void CRamvikDlg::OnShowCr()
{
    project.ClickShowCr();
    Refresh();
}

void CRamvikDlg::OnShowTurbo()
{
    project.ClickShowTurbo();
    Refresh();
}

void CRamvikDlg::OnInputOutputView()
{
    project.ChooseInputOutputView();
    Refresh();
    StoreSettingsCode();
}

void CRamvikDlg::OnDifferenceView()
{
    project.ChooseDifferenceView();
    Refresh();
    StoreSettingsCode();
}

void CRamvikDlg::ShowAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void CRamvikDlg::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    graphFrame = GraphFrameFor(size());
    if (graphReady)
        SetGraphFrame();
}

void CRamvikDlg::closeEvent(QCloseEvent* event)
{
    if (MaySaveChanges())
        event->accept();
    else
        event->ignore();
}

void CRamvikDlg::keyPressEvent(QKeyEvent* event)
{
    // Escape and Enter end nothing here: closing the window is the close
    // box's job, which asks about unsaved changes first.
    if (HandleGraphKey(event))
        return;
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (StepFocusedValue(event->key() == Qt::Key_Up)) {
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

// The arrow keys in a value box click its spin's arrows, so the panel works
// without a mouse.
bool CRamvikDlg::StepFocusedValue(bool up)
{
    const QWidget* focus = focusWidget();
    const std::pair<const QLineEdit*, CSpinArrows*> spins[]
        = { { startVoltageEdit, startVoltageSpin }, { stopVoltageEdit, stopVoltageSpin },
              { startDelayMinEdit, startDelayMinSpin }, { startDelaySecEdit, startDelaySecSpin },
              { curveDelayEdit, curveDelaySpin } };
    for (const auto& [edit, spin] : spins) {
        if (edit == focus) {
            emit spin->stepped(up);
            return true;
        }
    }
    return false;
}

void CRamvikDlg::contextMenuEvent(QContextMenuEvent* event)
{
    // Right clicks on the graph edit the curves; only the panel has a menu.
    if (event->pos().x() >= kPanelWidth) {
        QWidget::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    AddHistoryEntry(menu, "&Undo", QKeySequence::Undo, session.CanUndo(), &CRamvikDlg::OnUndo);
    AddHistoryEntry(menu, "&Redo", QKeySequence::Redo, session.CanRedo(), &CRamvikDlg::OnRedo);
#ifndef Q_OS_WIN
    // On Windows the About entry lives in the system menu.
    menu.addSeparator();
    menu.addAction("&About Ramvik...", this, &CRamvikDlg::ShowAbout);
#endif
    menu.exec(event->globalPos());
}

void CRamvikDlg::AddHistoryEntry(QMenu& menu, const QString& text, QKeySequence::StandardKey key,
    bool enabled, void (CRamvikDlg::*step)())
{
    // The keys are shown beside the text only: the window's own shortcuts
    // stay the ones that act.
    const QString keys = QKeySequence(key).toString(QKeySequence::NativeText);
    QAction* action = menu.addAction(text + '\t' + keys, this, step);
    action->setEnabled(enabled);
}

void CRamvikDlg::AddAboutToSystemMenu()
{
#ifdef Q_OS_WIN
    HMENU systemMenu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
    if (systemMenu) {
        AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(systemMenu, MF_STRING, kAboutCommand, L"&About Ramvik...");
    }
#endif
}

bool CRamvikDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
#ifdef Q_OS_WIN
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == kAboutCommand) {
        ShowAbout();
        *result = 0;
        return true;
    }
#else
    (void)kAboutCommand;
#endif
    return QWidget::nativeEvent(eventType, message, result);
}
