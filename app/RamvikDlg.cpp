#include "RamvikDlg.h"

#include "AboutDlg.h"
#include "ComparePanel.h"
#include "DialogRunner.h"
#include "FileComparePanel.h"
#include "Graph.h"
#include "GraphWidget.h"
#include "HelpDlg.h"
#include "LocalNumbers.h"
#include "Panel.h"
#include "PointsTable.h"
#include "Translate.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>

#include <cmath>
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

// The size the window would like at start, where the screen has room.
constexpr QSize kPreferredSize(1200, 780);

// A refusal of the project's, translated whenever the status line shows it.
CRamvikDlg::StatusText Refusal(const UserText& refusal)
{
    if (refusal.Empty())
        return nullptr;
    return [refusal] { return Tr(refusal); };
}

} // namespace

CRamvikDlg::CRamvikDlg(const StartOptions& options, QWidget* parent)
    : QMainWindow(parent)
    , startOptions(options)
{
    InitResources();
    setWindowTitle(QStringLiteral("Ramvik"));
    setWindowIcon(QIcon(QStringLiteral(":/ramvik.png")));
    setAttribute(Qt::WA_QuitOnClose);
    MakeActions();
    MakeRangeActions();
    BuildWindow();
    BuildPointsTable();
    MakeMenus();
    MakeToolBar();
    BindPanel();

    LoadSettings();
    BindUsbLibrary();
    // The settings chose box type and view; New keeps them.
    session.New();
    // Every write is kept in the installation folder's history; a write the
    // last run did not finish is named at once.
    session.SetHistoryFolder(HistoryFolder().toStdString());
    WarnOfUnfinishedWrites();
    Graph().logoPath = QString::fromStdString(logoPath);

    FitToScreen();
    AddAboutToSystemMenu();
    Refresh();
    // The keys edit the curve from the start.
    graphWidget->setFocus(Qt::OtherFocusReason);
}

CRamvikDlg::~CRamvikDlg()
{
    // A comparison takes its curves off the graph as it goes: while the
    // graph is still there, also one closed and waiting for deleteLater.
    comparePanel.reset();
    fileComparePanel.reset();
    qDeleteAll(findChildren<CComparePanel*>());
    qDeleteAll(findChildren<CFileComparePanel*>());
    // The children outlive this part of the window: a field that loses the
    // focus as it goes, or a dock deleted with the window's base, still
    // signals. Nothing of theirs may reach the window any more.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
    // The table keeps the graph's selection in step with its rows: it goes
    // before the graph does.
    delete std::exchange(pointsTable, nullptr);
}

void CRamvikDlg::BuildWindow()
{
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    panel = new CPanel;
    connect(panel, &CPanel::relaidOut, this, &CRamvikDlg::FitPanelWidth);
    // A short window scrolls the panel instead of cutting it.
    panelScroll = new QScrollArea(central);
    panelScroll->setObjectName(QStringLiteral("panelScroll"));
    panelScroll->setWidget(panel);
    panelScroll->setWidgetResizable(true);
    panelScroll->setFrameShape(QFrame::NoFrame);
    panelScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panelScroll->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    // Tab goes to the panel's controls, never to the area around them.
    panelScroll->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(panelScroll);

    graphWidget = new CGraphWidget(project, central);
    layout->addWidget(graphWidget, 1);
    setCentralWidget(central);

    hint = new QLabel(this);
    Translated([this] {
        hint->setText(tr("Click in the graph to add a point, drag a point to move it, right-click "
                         "to remove it; double-click or Enter types exact values."));
        graphWidget->setAccessibleDescription(hint->text());
    });
    hint->setObjectName(QStringLiteral("hint"));
    hint->setWordWrap(true);
    statusLine = new QLabel(this);
    statusLine->setObjectName(QStringLiteral("statusLine"));
    statusLine->setWordWrap(true);
    statusLine->hide();
    statusBar()->addWidget(statusLine, 1);
    statusBar()->addWidget(hint, 1);
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    // Two lines, whatever it shows: a note coming or going never moves the
    // graph under the pointer.
    statusBar()->setFixedHeight(2 * fontMetrics().lineSpacing() + 8);

    // A press on the graph is the next action: the last note goes.
    connect(graphWidget, &CGraphWidget::pressed, this, [this] { ClearStatus(); });
    connect(graphWidget, &CGraphWidget::edited, this, [this] { Refresh(); });
    connect(graphWidget, &CGraphWidget::editReported, this,
        [this](const UserText& refusal) { ShowStatus(Refusal(refusal)); });
    connect(graphWidget, &CGraphWidget::pointEntryWanted, this, &CRamvikDlg::OpenPointEntry);
    connect(graphWidget, &CGraphWidget::viewChanged, this, &CRamvikDlg::UpdatePointActions);
}

void CRamvikDlg::FitPanelWidth()
{
    // The scroll area is as wide as the panel it shows, with room for its
    // scroll bar when the window is short; a long value widens both.
    const int width
        = panel->sizeHint().width() + panelScroll->verticalScrollBar()->sizeHint().width();
    if (panelScroll->minimumWidth() != width || panelScroll->maximumWidth() != width)
        panelScroll->setFixedWidth(width);
}

void CRamvikDlg::FitToScreen()
{
    FitPanelWidth();
    setMinimumSize(minimumSizeHint());
    QSize size = kPreferredSize;
    if (const QScreen* screen = this->screen()) {
        // The title bar and the frame take some of the free area.
        const QRect free = screen->availableGeometry();
        size = size.boundedTo(free.size() - QSize(16, 48));
        size = size.expandedTo(minimumSize());
        resize(size);
        move(free.center() - QPoint(size.width() / 2, size.height() / 2));
        return;
    }
    resize(size.expandedTo(minimumSize()));
}

void CRamvikDlg::Refresh()
{
    // Whatever changed the project since the last step is one step; a drag
    // becomes one when it ends.
    if (!Graph().dragging)
        session.RecordChange();
    panel->ShowProject(project);

    // A click flips a check box's mark (and a checkable action's) before its
    // handler runs; setting every mark from the fields undoes the flip of a
    // refused click.
    const std::pair<QAction*, int> marks[] = { { actions.editCr, project.editCr },
        { actions.editTurbo, project.editTurbo }, { actions.showCr, project.showCr },
        { actions.showTurbo, project.showTurbo }, { actions.inputOutput, project.inputOutputView },
        { actions.difference, project.differenceView } };
    for (const auto& [action, flag] : marks)
        action->setChecked(flag != 0);
    // A box type outside the list shows no entry.
    const bool known = project.boxType >= 0 && project.boxType < 3;
    panel->boxTypeCombo->setCurrentIndex(known ? project.boxType : -1);
    for (int type = 0; type < 3; ++type)
        actions.boxTypes[type]->setChecked(known && type == project.boxType);
    for (QAction* turbo :
        { actions.editTurbo, actions.copyCurve, actions.showTurbo, actions.resetTurbo })
        turbo->setEnabled(project.turboEnabled);
    actions.undo->setEnabled(session.CanUndo());
    actions.redo->setEnabled(session.CanRedo());
    if (pointsTable)
        pointsTable->Refresh();
    UpdatePointActions();
    UpdateHint();

    // The toolkit's modified mark "[*]" goes after the name; a "[*]" in the
    // file name itself is doubled so it shows as written.
    QString caption = Tr(project.CaptionText());
    setWindowTitle(
        caption.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")) + QStringLiteral("[*]"));
    setWindowModified(session.HasUnsavedChanges());
    RefreshComparison();
    graphWidget->update();
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
    ClearStatus();
    session.RecordChange(value);
    Refresh();
}

void CRamvikDlg::ApplyTyped(const StatusText& refusal)
{
    // Refresh records the typed value as a step of its own.
    Refresh();
    ShowStatus(refusal);
}

void CRamvikDlg::OnStartVoltageTyped(const QString& text)
{
    ApplyTyped(TypedVoltage(text, &ProjectState::TypeStartVoltage,
        [] { return tr("The start voltage is a number of volts, such as 1.5."); }));
}

void CRamvikDlg::OnStopVoltageTyped(const QString& text)
{
    ApplyTyped(TypedVoltage(text, &ProjectState::TypeStopVoltage,
        [] { return tr("The stop voltage is a number of volts, such as 4.5."); }));
}

CRamvikDlg::StatusText CRamvikDlg::TypedVoltage(
    const QString& text, UserText (ProjectState::*type)(double), StatusText notANumber)
{
    const std::optional<double> volts = ReadLocalNumber(text);
    return volts ? Refusal((project.*type)(*volts)) : notANumber;
}

void CRamvikDlg::OnStartDelayTyped(const QString& text)
{
    const std::optional<int> seconds = ParseMinutesSeconds(text.toStdString());
    ApplyTyped(seconds ? Refusal(project.TypeStartDelay(*seconds)) : [] {
        return tr("Type the start delay as minutes and seconds, such as 1:30.");
    });
}

void CRamvikDlg::OnCurveDelayTyped(const QString& text)
{
    const std::optional<double> number = ReadLocalNumber(text);
    const bool whole = number && std::abs(*number) < 1e9 && *number == std::trunc(*number);
    ApplyTyped(whole ? Refusal(project.TypeCurveDelay(static_cast<int>(*number))) : [] {
        return tr("The curve delay is a whole number of milliseconds, such as 200.");
    });
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

void CRamvikDlg::OnUndo()
{
    TravelHistory(&CSession::Undo);
}

void CRamvikDlg::OnRedo()
{
    TravelHistory(&CSession::Redo);
}

void CRamvikDlg::TravelHistory(bool (CSession::*step)())
{
    // A drag in progress is not a step yet; it ends first.
    if (Graph().dragging)
        return;
    (session.*step)();
    Refresh();
}

void CRamvikDlg::ShowAbout()
{
    CAboutDlg about(this);
    RunDialog(about);
}

void CRamvikDlg::ShowKeysHelp()
{
    CHelpDlg help(this);
    RunDialog(help);
}

void CRamvikDlg::closeEvent(QCloseEvent* event)
{
    if (!StopTransferForClose()) {
        event->ignore();
        return;
    }
    if (MaySaveChanges())
        event->accept();
    else
        event->ignore();
}

void CRamvikDlg::AddAboutToSystemMenu()
{
#ifdef Q_OS_WIN
    HMENU systemMenu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
    if (!systemMenu)
        return;
    const std::wstring text = actions.about->text().toStdWString();
    // Once there, the entry only takes the text of another language.
    if (GetMenuState(systemMenu, kAboutCommand, MF_BYCOMMAND) != UINT(-1)) {
        ModifyMenuW(
            systemMenu, kAboutCommand, MF_BYCOMMAND | MF_STRING, kAboutCommand, text.c_str());
        return;
    }
    AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(systemMenu, MF_STRING, kAboutCommand, text.c_str());
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
    return QMainWindow::nativeEvent(eventType, message, result);
}
