// The transfer dialogs and what the window shows of a write, a read and a
// comparison. The transfers themselves are the box and session layers'; the
// demo box stands in for the converter.
#include "AppTestSupport.h"
#include "Compare.h"
#include "ComparePanel.h"
#include "Read.h"
#include "Write.h"

#include <BoxSimulator.h>
#include <DemoLink.h>
#include <Protocol.h>
#include <WriteHistory.h>

#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QScopeGuard>

#include <atomic>
#include <future>
#include <thread>

namespace {

// A whole transfer with the demo box, also under the sanitizers.
constexpr int kTransferDeadline = 30000; // ms

// Holds the worker at a frame until the gate opens.
struct Gate {
    std::promise<void> open;
    std::future<void> opened = open.get_future();
    std::atomic<bool> reached { false };
    std::atomic<bool> isOpen { false };
    void Open()
    {
        if (!isOpen.exchange(true))
            open.set_value();
    }
};
struct GatedLink : CDemoLink {
    using CDemoLink::CDemoLink;
    IoResult Write(const char* data, std::size_t size) override
    {
        if (size > 1 && ++frames == 100) {
            gate->reached = true;
            gate->opened.wait();
        }
        return CDemoLink::Write(data, size);
    }
    Gate* gate = nullptr;
    int frames = 0;
};

class TransferDialog : public AppTest {
protected:
    // A session whose links reach a box that holds back its hundredth frame.
    void HoldAtTheHundredthFrame(CSession& session)
    {
        auto box = std::make_shared<CBoxSimulator>(kCrBoxId);
        session.SetLinkFactory([box, this]() -> std::unique_ptr<CLink> {
            auto link = std::make_unique<GatedLink>(box);
            link->gate = &gate;
            return link;
        });
    }
    Gate gate;
};

// While the worker runs, the line under the bar counts the cells moved and
// the time left, as ramvik-cli's progress line does; Escape and the close
// box ask, as Stop does, and answered No leave the write running; destroying
// the dialog then joins the worker before the job it runs goes.
TEST_F(TransferDialog, WhileTheWorkerRunsItCountsAndCannotBeDismissed)
{
    CSession session;
    HoldAtTheHundredthFrame(session);
    auto dialog = std::make_unique<CWrite>(session);
    // Also when a check fails: the dialog goes only once its worker has ended.
    const auto openAtLast = qScopeGuard([this] { gate.Open(); });
    dialog->show();
    QTest::mouseClick(dialog->transferButton, Qt::LeftButton);
    const QRegularExpression running("^(\\d+) of 1277 cells, \\d+:\\d\\d left$");
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return gate.reached && dialog->progressBar->value() >= 95
            && running.match(dialog->cellsLabel->text()).hasMatch();
    })) << dialog->cellsLabel->text().toStdString();
    const int held = running.match(dialog->cellsLabel->text()).captured(1).toInt();
    EXPECT_GE(held, 90);
    EXPECT_LT(held, 100) << "the hundredth frame is not answered yet";
    EXPECT_EQ(dialog->phaseLabel->text(), "Backing up...");
    answer = QMessageBox::No;
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    dialog->close();
    EXPECT_EQ(messages.filter("Stop the write?").size(), 2);
    EXPECT_TRUE(dialog->isVisible() && !dialog->closeButton->isEnabled());
    EXPECT_TRUE(dialog->WorkerRunning() && !dialog->StopRequested());
    std::thread opener([&] { gate.Open(); });
    dialog.reset();
    opener.join();
}

// Each dialog names its action in its title bar and, once its transfer has
// ended, stays open with a sentence that says what happened: for a write
// whether the box holds the project, what was checked (in the history's
// words) and where the history keeps it; for a read whose project the window now has; for a
// compare whether the box differs. "{entry}" stands for the path of the
// newest history entry.
TEST_F(TransferDialog, EachDialogEndsOnWhatHappened)
{
    using Opener = std::function<std::unique_ptr<CTransferDlg>(CSession&)>;
    const auto write = [](bool verify) -> Opener {
        return [verify](CSession& s) { return std::make_unique<CWrite>(s, verify); };
    };
    const Opener read = [](CSession& s) { return std::make_unique<CRead>(s); };
    const Opener compare = [](CSession& s) { return std::make_unique<CCompare>(s); };
    const auto fault = [](const char* text) {
        return [text](CSession& session) {
            BoxFault parsed;
            ASSERT_TRUE(ParseBoxFault(text, parsed));
            session.DemoBox()->AddFault(parsed);
        };
    };
    struct Row {
        const char* what;
        const char* title;
        Opener open;
        std::function<void(CSession&)> prepare;
        QStringList says;
    };
    const Row rows[] = {
        { "verified write", "Write to box", write(true), {},
            { "box 132; verified: parameters and points (cells 0–254); the box's table cells "
              "cannot be read back.",
                "{entry}" } },
        { "write cut short while sending", "Write to box", write(true), fault("short@300"),
            { "failed at cell 300 of 766", "parts of two projects", "{entry}" } },
        { "write with no box connected", "Write to box", write(true),
            [](CSession& session) { session.SetLinkFactory({}); }, { "Nothing was written" } },
        { "read", "Read from box", read, {}, { "box 132 (1 CR input)", "not saved" } },
        { "compare, two differences", "Compare with box", compare,
            [](CSession& session) {
                session.Project().crCurve.Add(2.0, 3.0);
                session.Project().crCurve.Add(3.0, 3.5);
            },
            { "lists 2 differences" } },
    };
    const std::string history = (rootPath + "History/").toStdString();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CSession session;
        session.UseDemoBox();
        session.SetHistoryFolder(history);
        if (row.prepare)
            row.prepare(session);
        const std::unique_ptr<CTransferDlg> dialog = row.open(session);
        dialog->show();
        QTest::mouseClick(dialog->transferButton, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog->WorkerRunning(); }, kTransferDeadline));
        EXPECT_EQ(dialog->windowTitle(), row.title);
        EXPECT_TRUE(dialog->isVisible() && dialog->closeButton->isEnabled());
        EXPECT_FALSE(dialog->cellsLabel->text().contains("left")) << "nothing is left to wait for";
        const QString sentence = dialog->resultLabel->text();
        const std::vector<HistoryEntry> entries = ListHistory(history);
        const QString entry
            = entries.empty() ? "no entry" : QString::fromStdString(entries.front().projectPath);
        for (QString fact : row.says) {
            fact.replace("{entry}", entry);
            EXPECT_TRUE(sentence.contains(fact))
                << fact.toStdString() << " not in: " << sentence.toStdString();
        }
    }
    EXPECT_TRUE(messages.contains(QString::fromStdString(kNoDeviceMessage.English())))
        << messages.join("|").toStdString();
}

// The window on the demo box, which first holds the default project.
class TransferWindow : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        StartWithDemoBox();
    }

    // Compares the project with the box; the panel stays open afterwards.
    CComparePanel* Compare()
    {
        ClickTransfer("compareButton");
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the panel is not modal";
        return window->window()->findChild<CComparePanel*>("comparePanel");
    }
    // The lines the panel lists, or "none listed" when it lists none.
    QStringList Listed(CComparePanel& panel)
    {
        if (panel.differenceList->isHidden())
            return { "none listed" };
        QStringList lines;
        for (int i = 0; i < panel.differenceList->count(); ++i)
            lines << panel.differenceList->item(i)->text();
        return lines;
    }
    // Whether the graph draws the box's curves over the project's.
    bool BoxShown() { return Graph().Overlay() != nullptr; }
    // Lets the panel that closed go, as the event loop would.
    void DeleteClosedPanels()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// The panel docks on the right of the graph instead of covering it and
// leaves the graph to the user: a right click removes the point the box
// lacks, which is compared with the box at once, while the box's curves stay
// drawn. A write makes what the panel shows of the box out of date: it closes.
TEST_F(TransferWindow, ThePanelDocksBesideTheGraphAndFollowsItsEdits)
{
    Project().crCurve.Add(2.0, 3.0);
    QPointer<CComparePanel> panel = Compare();
    ASSERT_TRUE(panel);
    EXPECT_FALSE(panel->isFloating());
    EXPECT_EQ(window->dockWidgetArea(panel), Qt::RightDockWidgetArea);
    EXPECT_EQ(Listed(*panel),
        QStringList { "CR point at 2 V: output 3 V in the project, none in the box." });
    window->grab(); // painted, so the graph has its narrower place beside the panel
    QTest::mouseClick(GraphWidget(), Qt::RightButton, {}, At(2.0, 3.0));
    EXPECT_EQ(Project().crCurve.Find(2.0)->input, 1.5) << "the point is gone";
    EXPECT_EQ(Listed(*panel), QStringList { "none listed" });
    EXPECT_EQ(panel->summaryLabel->text(), "Box 132 holds the project.");
    EXPECT_TRUE(BoxShown());

    ClickTransfer("writeButton");
    DeleteClosedPanels();
    EXPECT_TRUE(panel.isNull());
    EXPECT_FALSE(BoxShown());
}

// "Take the box's project" replaces the project as a read does, after the
// window's question about unsaved changes; cancelling that question keeps
// everything as it was. Keeping the project (the panel's close box does the
// same) changes nothing. Whenever the panel closes, the box's curves go with it.
TEST_F(TransferWindow, TakeAndKeepDoWhatTheySay)
{
    const std::string inBox = WriteProjectText(Project());
    Project().crCurve.Add(2.0, 3.0);
    const std::string edited = WriteProjectText(Project());
    struct Row {
        const char* what;
        std::function<void(CComparePanel&)> act;
        QMessageBox::StandardButton answer; // to the unsaved-changes question
        bool asked;
        bool panelStays;
        const std::string& project;
    };
    const auto click = [](QPushButton* CComparePanel::*button) {
        return [button](CComparePanel& panel) { QTest::mouseClick(panel.*button, Qt::LeftButton); };
    };
    const Row rows[] = {
        { "keep the project", click(&CComparePanel::keepButton), QMessageBox::Cancel, false, false,
            edited },
        { "take, the question cancelled", click(&CComparePanel::takeButton), QMessageBox::Cancel,
            true, true, edited },
        { "take, changes discarded", click(&CComparePanel::takeButton), QMessageBox::Discard, true,
            false, inBox },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QPointer<CComparePanel> panel = Compare();
        ASSERT_TRUE(panel);
        messages.clear();
        answer = row.answer;
        row.act(*panel);
        DeleteClosedPanels();
        EXPECT_EQ(messages.size(), row.asked ? 1 : 0);
        EXPECT_EQ(!panel.isNull() && panel->isVisible(), row.panelStays);
        EXPECT_EQ(BoxShown(), row.panelStays);
        EXPECT_EQ(WriteProjectText(Project()), row.project);
        if (panel)
            panel->close();
        DeleteClosedPanels();
    }
    EXPECT_TRUE(window->isWindowModified()) << "the box's project is in no file yet";
}

// A Read installs the box's project as the box holds it, then names each
// value no project can hold. No file holds the read project, so the caption
// names none (it once kept the file opened before); Ctrl+Z brings back the
// opened file's project and name.
TEST_F(TransferWindow, ReadInstallsTheBoxUntitledAndWarnsOfImplausibleValues)
{
    ASSERT_TRUE(Inside().Session().SaveAs((projects + "car.rmvp").toStdString()).ok);
    window->OpenPath(projects + "car.rmvp");
    const std::string opened = WriteProjectText(Project());
    Inside().Session().DemoBox()->SetCell(1, 60); // stop voltage 6.0 V
    ClickTransfer("readButton");
    EXPECT_EQ(messages, QStringList { "Stop voltage 6 V lies outside 0 V to 5 V." });
    EXPECT_EQ(Text("stopVoltageEdit"), "6");
    EXPECT_EQ(window->windowTitle(), "Common Rail Tuning - untitled.rmvp[*]");
    EXPECT_TRUE(window->isWindowModified());

    Activate();
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(WriteProjectText(Project()), opened);
    EXPECT_EQ(window->windowTitle(), "Common Rail Tuning - car.rmvp[*]");
    EXPECT_FALSE(window->isWindowModified());
}

// The check box between the buttons is remembered; the phase label names
// the read-back last.
TEST_F(TransferWindow, VerifySettingIsRememberedAndThePhaseShown)
{
    struct Row {
        const char* what;
        bool offered; // the check box when the dialog opens
        bool verify;
        const char* seen;
    };
    const Row rows[] = {
        { "on by default, turned off", true, false, "Written 1023 of 1023" },
        { "off as remembered, turned on", false, true, "Checked 1278 of 1278" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string seen = ClickTransfer("writeButton", [&row](CTransferDlg& dialog) {
            QCheckBox* verifyBox = static_cast<CWrite&>(dialog).verifyBox;
            EXPECT_EQ(verifyBox->isChecked(), row.offered);
            verifyBox->setChecked(row.verify);
        });
        EXPECT_EQ(seen, row.seen);
        EXPECT_TRUE(messages.empty()) << messages.join("|").toStdString();
        QSettings stored(SettingsFile(), QSettings::IniFormat);
        EXPECT_EQ(stored.value("VerifyWrites").toString(), row.verify ? "1" : "0");
    }
    // The window's writes are kept in the installation folder's history.
    EXPECT_EQ(QDir(rootPath + "History").entryList({ "*.txt" }).size(), 2);
}

} // namespace
