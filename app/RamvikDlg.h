#pragma once

#include "StartOptions.h"

#include <Session.h>

#include <QKeySequence>
#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QMenu;

class CCompareJob;
class CComparePanel;
class CGraph;
class CD2xxLibrary;
class CSpinArrows;
class QCheckBox;
class QComboBox;
class QFileDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

// The main window: the panel of buttons and parameter controls on the left,
// the graph in the rest of the client area. It shows the session's project
// and asks the user what the session asks.
//
// A plain top-level widget, not a dialog: Escape and Enter do nothing here,
// only the close box or the platform's quit command closes the window (and
// closeEvent asks about unsaved changes first).
//
// The member functions are defined in several files, one per area:
//   RamvikDlg.cpp, RamvikDlgLayout.cpp   construction, panel, handlers, Refresh
//   RamvikDlgGraph.cpp                   painting, graph frame, mouse, CreateGraph
//   RamvikDlgFiles.cpp                   Open, Save, unsaved-changes check
//   RamvikDlgSettings.cpp                LoadSettings, StoreSettingsCode
//   RamvikDlgBox.cpp                     Read, Write, BindUsbLibrary
//   RamvikDlgPrint.cpp                   Print
class CRamvikDlg : public QWidget {
    Q_OBJECT

public:
    explicit CRamvikDlg(const StartOptions& options = StartOptions(), QWidget* parent = nullptr);
    ~CRamvikDlg() override;
    // Opens a project file as Open does, without asking for its name: the file
    // named on the command line (RamvikDlgFiles.cpp).
    void OpenPath(const QString& path);

private:
    // The window tests read the state and answer the file and print dialogs
    // through it.
    friend class CRamvikDlgTestAccess;

    CSession session;
    // The session's project, which stays the same object for the window's
    // life; the handlers and the graph work on it.
    ProjectState& project = session.Project();
    StartOptions startOptions;

    // Records any change of the project as a step of the undo history,
    // pushes every project field into its control, sets the enabled states
    // and the caption, and repaints.
    void Refresh();
    // Records one step of a value's arrows, so a held arrow's burst is one
    // step to undo, and refreshes.
    void RecordStep(const char* value);
    // Undo or Redo of the session, unless a drag is under way.
    void TravelHistory(bool (CSession::*step)());

private slots:
    // --- panel handlers (RamvikDlg.cpp): one project operation, then Refresh
    void OnNew();
    void OnBoxTypeChosen(int index);
    void OnCopyCurve();
    void OnResetCrCurve();
    void OnResetTurboCurve();
    void OnStartVoltage(bool up);
    void OnStopVoltage(bool up);
    void OnStartDelayMinutes(bool up);
    void OnStartDelaySeconds(bool up);
    void OnCurveDelay(bool up);
    void OnEditCr();
    void OnEditTurbo();
    void OnShowCr();
    void OnShowTurbo();
    void OnInputOutputView();
    void OnDifferenceView();
    void ShowAbout();
    // Ctrl+Z and Ctrl+Shift+Z or Ctrl+Y (RamvikDlgStart.cpp).
    void OnUndo();
    void OnRedo();

private:
    // An Undo or Redo entry of the panel's menu, with its keys shown.
    void AddHistoryEntry(QMenu& menu, const QString& text, QKeySequence::StandardKey key,
        bool enabled, void (CRamvikDlg::*step)());
    // --- graph (RamvikDlgGraph.cpp)
    // Creates the graph for this window; called once at start-up after New.
    void CreateGraph();
    // Hands graphFrame to the graph; called after every resize once the
    // graph exists.
    void SetGraphFrame();
    // Frees the graph; the window's unique_ptr calls it so this header needs
    // no complete CGraph.
    struct GraphDeleter {
        void operator()(CGraph* graph) const;
    };
    std::unique_ptr<CGraph, GraphDeleter> graph;
    bool graphReady = false;
    // The plot's frame in client pixels: left 100, top 10, and right and
    // bottom 10 pixels inside the client area. Stored as x, y, width, height,
    // so x() + width() is the right edge as the graph counts it (exclusive).
    QRect graphFrame;
    // The installation folder as read at start-up; the graph's logo lives there.
    std::string logoPath;

    // --- project files (RamvikDlgFiles.cpp)
private slots:
    void OnOpen();
    void OnSave();
    // Ctrl+S: saves to the project's file without asking once it has one.
    void OnSaveToFile();

private:
    // Asks what to do with unsaved changes; false when the user cancels.
    bool MaySaveChanges();
    // Asks for a name and saves; false when cancelled or the save failed.
    bool SaveWithDialog();
    // The project file the user picks in the open or the save dialog, set
    // up in the project folder; empty when cancelled.
    QString ChooseProjectFile(bool forSaving);
    // Runs a file dialog set up by Open or Save and gives the chosen path,
    // empty when cancelled. Empty function: the dialog runs modally. Tests
    // set it to answer without a modal loop.
    std::function<QString(QFileDialog&)> runFileDialog;

    // --- settings (RamvikDlgSettings.cpp)
    void LoadSettings();
    void StoreSettingsCode();
    // "VerifyWrites" ("1" or "0"): whether the Write dialog reads the cells
    // back; on when the store does not say. Writing it fails silently, as
    // for the settings code.
    bool VerifyWritesSetting() const;
    void StoreVerifyWritesSetting(bool verify);

    // --- box transfers (RamvikDlgBox.cpp)
private slots:
    void OnRead();
    void OnWrite();
    // RamvikDlgCompare.cpp: reads the box, then opens the compare panel,
    // which shows the box's curves over the project's and offers to take them.
    void OnCompare();

private:
    // Gives the session its way to the box, from the start options and the
    // vendor library's start-up check.
    void BindUsbLibrary();
    // Settles the device the next transfer opens, asking the user when
    // several converters may be the box's; false when the user cancelled.
    bool ChooseTransferPort();
    std::shared_ptr<const CD2xxLibrary> vendorLibrary; // null: not bound
    std::string transferPort; // empty: search when the link opens
    // RamvikDlgCompare.cpp: the panel of a comparison, closing the one open.
    void OpenComparePanel(std::unique_ptr<CCompareJob> comparison);
    // Compares the project after a change with the box the panel shows.
    void RefreshComparison();

    // --- printout (RamvikDlgPrint.cpp)
private slots:
    void OnPrint();

private:
    // Chooses the printer for OnPrint; false when the user cancels. When
    // empty, the platform's print dialog asks. Tests put a PDF printer here.
    std::function<bool(QPrinter&)> choosePrinter;

protected:
    // RamvikDlgGraph.cpp
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    // RamvikDlg.cpp
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    // RamvikDlgLayout.cpp: creates every panel control in tab order.
    void BuildPanel();
    void ConnectPanel();
    void AddAboutToSystemMenu();
    // Steps the value whose box has the focus; false when none has it.
    bool StepFocusedValue(bool up);
    // RamvikDlgStart.cpp: the everyday shortcuts.
    void AddShortcuts();
    // RamvikDlgLayout.cpp: a tooltip on every control; the wheel on values.
    void AddToolTips();
    // RamvikDlgGraph.cpp: the keys that edit the curve while the window
    // itself (not a control) has the focus; false for other keys.
    bool HandleGraphKey(QKeyEvent* event);
    // The entry for the exact values of the highlighted point, or of a new
    // point when none is highlighted.
    void OpenPointEntry();
    // Says in the status line why an edit was held back; empty clears it.
    void ShowStatus(const QString& text);

    // Under the graph: why the last edit was held back.
    QLabel* statusLine = nullptr;

    // The panel's controls, top to bottom.
    QPushButton* newButton = nullptr;
    QPushButton* openButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* readButton = nullptr;
    QPushButton* writeButton = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* compareButton = nullptr;
    QCheckBox* inputOutputCheck = nullptr;
    QCheckBox* differenceCheck = nullptr;
    QComboBox* boxTypeCombo = nullptr;
    QCheckBox* editCrCheck = nullptr;
    QPushButton* resetCrButton = nullptr;
    QCheckBox* showCrCheck = nullptr;
    QCheckBox* editTurboCheck = nullptr;
    QPushButton* resetTurboButton = nullptr;
    QCheckBox* showTurboCheck = nullptr;
    QPushButton* copyCurveButton = nullptr;
    QLineEdit* startVoltageEdit = nullptr;
    CSpinArrows* startVoltageSpin = nullptr;
    QLineEdit* stopVoltageEdit = nullptr;
    CSpinArrows* stopVoltageSpin = nullptr;
    QLineEdit* startDelayMinEdit = nullptr;
    QLineEdit* startDelaySecEdit = nullptr;
    CSpinArrows* startDelayMinSpin = nullptr;
    CSpinArrows* startDelaySecSpin = nullptr;
    QLineEdit* curveDelayEdit = nullptr;
    CSpinArrows* curveDelaySpin = nullptr;

    // The compare panel while it is open (RamvikDlgCompare.cpp). Declared
    // last, so it goes first: it draws on the graph until it is destroyed.
    struct ComparePanelDeleter {
        void operator()(CComparePanel* panel) const;
    };
    std::unique_ptr<CComparePanel, ComparePanelDeleter> comparePanel;
};
