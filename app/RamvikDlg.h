#pragma once

#include "StartOptions.h"

#include <Session.h>

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CCompareJob;
class CComparePanel;
class CD2xxLibrary;
class CFileComparePanel;
class CGraph;
class CGraphWidget;
class CPanel;
class CPointsTable;
class CTransferDlg;
class CWrite;
struct RangeEditResult;
class QAction;
class QActionGroup;
class QFileDialog;
class QLabel;
class QMenu;
class QPrinter;
class QScrollArea;

// Every user command of the main window, made once (text, shortcut, status
// tip, handler) and used by the menu bar, the toolbar and the panel alike.
struct WindowActions {
    // File
    QAction* newProject = nullptr;
    QAction* open = nullptr;
    QMenu* recentMenu = nullptr;
    QAction* save = nullptr;
    QAction* saveAs = nullptr;
    QAction* print = nullptr;
    QAction* exportPdf = nullptr;
    QAction* quit = nullptr;
    // Edit: the history, then the chosen point of the edited curve (keys of
    // the graph), then whole curves
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* previousPoint = nullptr;
    QAction* nextPoint = nullptr;
    QAction* raisePoint = nullptr;
    QAction* lowerPoint = nullptr;
    QAction* raisePointMore = nullptr;
    QAction* lowerPointMore = nullptr;
    QAction* removePoint = nullptr;
    QAction* pointValues = nullptr;
    QAction* editCr = nullptr;
    QAction* editTurbo = nullptr;
    QAction* resetCr = nullptr;
    QAction* resetTurbo = nullptr;
    QAction* copyCurve = nullptr;
    // The selected points of the edited curve (RamvikDlgPoints.cpp): the
    // clipboard, then the selection itself and the range commands, which
    // the points table's context menu offers too
    QAction* copyPoints = nullptr;
    QAction* pastePoints = nullptr;
    QMenu* selectionMenu = nullptr;
    QAction* selectAll = nullptr;
    QAction* clearSelection = nullptr;
    QAction* setOutputs = nullptr;
    QAction* addToOutputs = nullptr;
    QAction* scaleOutputs = nullptr;
    QAction* interpolate = nullptr;
    QAction* smooth = nullptr;
    // File, beside Open
    QAction* compareFile = nullptr;
    // Box
    QAction* write = nullptr;
    QAction* read = nullptr;
    QAction* compare = nullptr;
    QAction* history = nullptr;
    QAction* connectionHelp = nullptr;
    QActionGroup* boxTypeGroup = nullptr;
    QAction* boxTypes[3] = {};
    // View
    QAction* inputOutput = nullptr;
    QAction* difference = nullptr;
    QAction* showCr = nullptr;
    QAction* showTurbo = nullptr;
    QAction* resetZoom = nullptr; // enabled while the graph is zoomed
    QAction* showPointsTable = nullptr; // the points table's own toggle
    // View > Language: the system's language, then each language in its own
    // name
    QMenu* languageMenu = nullptr;
    QActionGroup* languageGroup = nullptr;
    QAction* systemLanguage = nullptr;
    std::vector<QAction*> languages;
    // Help
    QAction* keysHelp = nullptr;
    QAction* about = nullptr;
};

// The main window: menus, a toolbar, the panel of buttons and parameters on
// the left, the graph beside it and the status bar. It shows the session's
// project and asks the user what the session asks.
//
// Every text it shows follows the language chosen in View > Language at
// once (QEvent::LanguageChange), numbers included.
//
// Escape and Enter end nothing here: only the close box, Quit or the
// platform's quit command close the window (closeEvent asks about unsaved
// changes first).
//
// The member functions are defined in several files, one per area:
//   RamvikDlg.cpp           construction, Refresh, the panel's handlers
//   RamvikDlgActions.cpp    the actions, menus, toolbar, and the panel's binding
//   RamvikDlgGraph.cpp      the graph's handlers: keys, point entry, status line
//   RamvikDlgFiles.cpp      New, Open, Open Recent, Save, Save As, Export PDF
//   RamvikDlgSettings.cpp   LoadSettings, StoreSettingsCode
//   RamvikDlgBox.cpp        Read, Write, BindUsbLibrary
//   RamvikDlgHistory.cpp    the write history browser, write-back, unfinished writes
//   RamvikDlgCompare.cpp    Compare with box, Compare with file
//   RamvikDlgPoints.cpp     the points table, the selection, the range
//                           commands and the clipboard
//   RamvikDlgPrint.cpp      Print
//   RamvikDlgLanguage.cpp   View > Language and the texts anew in another language
class CRamvikDlg : public QMainWindow {
    Q_OBJECT

public:
    explicit CRamvikDlg(const StartOptions& options = StartOptions(), QWidget* parent = nullptr);
    ~CRamvikDlg() override;
    // Opens a project file as Open does, without asking for its name: the file
    // named on the command line, or one of Open Recent (RamvikDlgFiles.cpp).
    void OpenPath(const QString& path);

    // The language the program starts in, made current (UseLanguage) before
    // the window is made: the one chosen in View > Language, else the
    // system's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), else English.
    // RAMVIK_PSEUDO_LANGUAGE=1 in the environment asks for the test language
    // whose texts are 40 % longer and accented.
    static QString StartLanguage();

    // The status line's note, made anew in the language of the moment.
    using StatusText = std::function<QString()>;

private:
    // The window tests read the state and answer the file and print dialogs
    // through it.
    friend class CRamvikDlgTestAccess;

    CSession session;
    // The session's project, which stays the same object for the window's
    // life; the handlers and the graph work on it.
    ProjectState& project = session.Project();
    StartOptions startOptions;
    WindowActions actions;

    // Records any change of the project as a step of the undo history,
    // pushes every project field into its control, sets the actions'
    // checked and enabled states and the caption, and repaints.
    void Refresh();
    // Records one step of a value's arrows, so a held arrow's burst is one
    // step to undo, and refreshes.
    void RecordStep(const char* value);
    // A typed value has been applied or refused: shows the project again
    // and the refusal, if any, in the status line.
    void ApplyTyped(const StatusText& refusal);
    // A voltage typed into a field through the project's operation for it:
    // its refusal, or notANumber when the text is no number.
    StatusText TypedVoltage(
        const QString& text, UserText (ProjectState::*type)(double), StatusText notANumber);
    // Undo or Redo of the session, unless a drag is under way.
    void TravelHistory(bool (CSession::*step)());

    // --- construction (RamvikDlg.cpp, RamvikDlgActions.cpp)
    void BuildWindow();
    void MakeActions();
    void MakeMenus();
    void MakeToolBar();
    void BindPanel();
    // The keys of the graph that act on its chosen point.
    std::vector<QAction*> PointActions() const;
    // The start size: roomy, but within the screen's free area and never
    // below the window's minimum.
    void FitToScreen();
    // Gives the panel's scroll area the panel's width.
    void FitPanelWidth();

    // --- panel handlers (RamvikDlg.cpp): one project operation, then Refresh
    void OnBoxTypeChosen(int index);
    void OnCopyCurve();
    void OnResetCrCurve();
    void OnResetTurboCurve();
    void OnStartVoltage(bool up);
    void OnStopVoltage(bool up);
    void OnStartDelayMinutes(bool up);
    void OnStartDelaySeconds(bool up);
    void OnCurveDelay(bool up);
    void OnStartVoltageTyped(const QString& text);
    void OnStopVoltageTyped(const QString& text);
    void OnStartDelayTyped(const QString& text);
    void OnCurveDelayTyped(const QString& text);
    void OnEditCr();
    void OnEditTurbo();
    void OnShowCr();
    void OnShowTurbo();
    void OnInputOutputView();
    void OnDifferenceView();
    void OnUndo();
    void OnRedo();
    void ShowAbout();
    void ShowKeysHelp();

    // --- graph (RamvikDlgGraph.cpp)
    CGraph& Graph();
    // The point commands: one graph operation each, then Refresh.
    void OnNeighbourPoint(bool higher);
    void OnMovePoint(double volts);
    void OnRemovePoint();
    // The entry for the exact values of the chosen point, or of a new point
    // when none is chosen. pointAddedByFirstClick: the point the graph
    // shows was made by the first click of a double-click, and goes again
    // when the entry is cancelled.
    void OpenPointEntry(bool pointAddedByFirstClick = false);
    // The point commands are enabled while they have a point to act on.
    void UpdatePointActions();
    // Says in the status line why an edit was held back, or a note; the
    // next action (any command, arrow, typed value or press on the graph)
    // clears it. An empty function, or one that gives an empty text, clears
    // it now.
    void ShowStatus(StatusText text);
    void ClearStatus() { ShowStatus(nullptr); }
    // The hint for a project whose curves nobody has edited yet.
    void UpdateHint();

    CPanel* panel = nullptr;
    QScrollArea* panelScroll = nullptr;
    CGraphWidget* graphWidget = nullptr;
    QLabel* hint = nullptr;
    QLabel* statusLine = nullptr; // notes, refusals; the next action clears it
    StatusText statusText; // what statusLine shows
    // The installation folder as read at start-up; the graph's logo lives there.
    std::string logoPath;

    // --- the selected points (RamvikDlgPoints.cpp)
    // The commands on the selection and the clipboard, made as MakeActions
    // makes the others; their texts in TranslatePointCommands.
    void MakeRangeActions();
    void TranslatePointCommands();
    // Edit > Selection; the points table's context menu offers the same.
    void AddRangeMenu(QMenu* edit);
    // The points table as a dock beside the graph, shown from the start.
    void BuildPointsTable();
    // A range command asks for its number (RunDialog) and applies it.
    enum class RangeCommand { Set, Add, Scale, Interpolate, Smooth };
    void OnRangeCommand(RangeCommand command);
    // The selected points, or every point of the edited curve when none is
    // selected, as text on the clipboard.
    void OnCopyPoints();
    // The clipboard's text read and pasted onto the selection.
    void OnPastePoints();
    // An output typed into the points table: as the typed point entry.
    void OnTableOutputTyped(double input, const QString& text);
    // Shows what a range operation did and, when the curve changed, records
    // it as one step.
    void ApplyRangeResult(const RangeEditResult& result);
    // Enabled while the selection suits them.
    void UpdateRangeActions();
    CPointsTable* pointsTable = nullptr;

    // --- project files (RamvikDlgFiles.cpp)
    void OnNew();
    void OnOpen();
    // Ctrl+S: saves to the project's file without asking once it has one
    // (after a question when that file was no project when opened).
    void OnSave();
    // Save As and the panel's Save button: always asks for a name.
    void OnSaveAs();
    void OnExportPdf();
    // Asks what to do with unsaved changes; false when the user cancels.
    bool MaySaveChanges();
    // Asks for a name and saves; false when cancelled or the save failed.
    bool SaveWithDialog();
    // A file the user picks in a file dialog set up for projects (or, with
    // pdf, for the printed sheet) in the project folder; empty when
    // cancelled.
    QString ChooseFile(bool forSaving, bool pdf = false, const QString& folder = QString());
    // Runs a file dialog and gives the chosen path, empty when cancelled.
    // Empty function: the dialog runs modally. Tests set it to answer
    // without a modal loop.
    std::function<QString(QFileDialog&)> runFileDialog;
    // Open Recent: the last ten projects opened or saved, newest first,
    // kept in the settings.
    void RememberRecent(const QString& path);
    void ForgetRecent(const QString& path);
    void FillRecentMenu();

    // --- languages (RamvikDlgLanguage.cpp)
    // The system's language where Ramvik speaks it, else English.
    static QString SystemLanguage();
    void MakeLanguageMenu(QMenu* view);
    // Checks the entry of the language chosen; empty: the system's.
    void ShowLanguageChoice(const QString& code);
    // View > Language: speaks the language at once and remembers it; an
    // empty code follows the system's language again.
    void ChooseLanguage(const QString& code);
    // Sets a text now, and again in each new language: setText calls tr().
    void Translated(std::function<void()> setText);
    // Every text of the window, its menus and its docks anew; the numbers
    // in the new language's way.
    void Retranslate();
    std::vector<std::function<void()>> retranslations;

    // --- settings (RamvikDlgSettings.cpp)
    void LoadSettings();
    void StoreSettingsCode();
    // "VerifyWrites" ("1" or "0"): whether the Write dialog reads the cells
    // back; on when the store does not say. Writing it fails silently, as
    // for the settings code.
    bool VerifyWritesSetting() const;
    void StoreVerifyWritesSetting(bool verify);
    // "BackupBeforeWrite" ("1" or "0"): whether a write reads and keeps what
    // the box holds first; on when the store does not say.
    bool BackupSetting() const;
    void StoreBackupSetting(bool backup);
    // The Write dialog's job fields last used for the project file at this
    // full path ("Jobs/..." keyed by a hash of the path); nothing for a
    // project in no file.
    WriteJobFields JobFieldsSetting(const std::string& path) const;
    void StoreJobFieldsSetting(const std::string& path, const WriteJobFields& fields);
    // "Language": the code chosen in View > Language ("de"); empty or
    // missing: the system's language.
    static QString LanguageSetting();
    void StoreLanguageSetting(const QString& code);

    // --- box transfers (RamvikDlgBox.cpp)
    void OnRead();
    void OnWrite();
    // Runs a transfer dialog; a close of the window asked for meanwhile
    // (closeEvent) follows once it has ended.
    void RunTransfer(CTransferDlg& dialog);
    // The write dialog's choices, remembered for the next write.
    void RememberWriteChoices(const CWrite& dialog, bool verify, bool backup);
    // A box that took cells no longer holds what the compare panel shows.
    void ForgetComparison(TransferOutcome outcome);
    // Closing the window while a transfer runs: asks as the dialog's Stop
    // does, stops it and closes the window once it has ended. True when no
    // transfer runs (the window may close now).
    bool StopTransferForClose();
    QPointer<CTransferDlg> runningTransfer; // while a transfer dialog runs
    bool closeAfterTransfer = false;

    // --- the write history (RamvikDlgHistory.cpp)
    // The history browser: search, open, compare, print, write back.
    void OnWriteHistory();
    // Opens an entry's copy as Open does; false when cancelled or failed.
    bool OpenHistoryEntry(const HistoryEntry& entry);
    void PrintHistoryEntry(const HistoryEntry& entry);
    // Writes back what the box held before the entry's write.
    void WriteBack(const HistoryEntry& entry);
    // At start: a warning for each box whose last write did not finish.
    void WarnOfUnfinishedWrites();
    void OnConnectionHelp();
    // RamvikDlgCompare.cpp: reads the box, then opens the compare panel,
    // which shows the box's curves over the project's and offers to take them.
    void OnCompare();
    // Gives the session its way to the box, from the start options and the
    // vendor library's start-up check.
    void BindUsbLibrary();
    // Settles the device the next transfer opens, asking the user when
    // several converters may be the box's; false when the user cancelled.
    bool ChooseTransferPort();
    // Where the window keeps its writes.
    QString HistoryFolder() const;
    std::shared_ptr<const CD2xxLibrary> vendorLibrary; // null: not bound
    std::string transferPort; // empty: search when the link opens
    // RamvikDlgCompare.cpp: the panel of a comparison, closing the one open.
    void OpenComparePanel(std::unique_ptr<CCompareJob> comparison);
    // Compares the project after a change with the box or the file the
    // panels show.
    void RefreshComparison();
    // File > Compare with File: another project file over the edited one.
    void OnCompareWithFile();
    // Closes the panel of a comparison, whichever it is; the graph draws one
    // other project at a time.
    void CloseComparisons();
    // The file panel's "Take These Points from the File".
    void OnTakePointsFromFile();

    // --- printout (RamvikDlgPrint.cpp)
    void OnPrint();
    // Chooses the printer for OnPrint; false when the user cancels. When
    // empty, the platform's print dialog asks. Tests put a PDF printer here.
    std::function<bool(QPrinter&)> choosePrinter;
    // The note a copy from the write history carries on its sheet.
    QString SheetNote() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    // On Windows, "&About Ramvik..." in the window's system menu as well.
    void AddAboutToSystemMenu();

    // The compare panel while it is open (RamvikDlgCompare.cpp). It draws on
    // the graph until it is destroyed, which this member does before the
    // window's children go.
    struct ComparePanelDeleter {
        void operator()(CComparePanel* panel) const;
    };
    std::unique_ptr<CComparePanel, ComparePanelDeleter> comparePanel;
    struct FileComparePanelDeleter {
        void operator()(CFileComparePanel* panel) const;
    };
    std::unique_ptr<CFileComparePanel, FileComparePanelDeleter> fileComparePanel;
};
