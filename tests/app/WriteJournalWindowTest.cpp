// What the window makes of the write journal: Stop in the transfer dialogs,
// closing the window during a write, the Job section of the Write dialog,
// the history browser, writing back what a box held before, and the warning
// at start about a write that did not finish. The journal itself is the
// session layer's; the demo box stands in for the converter.
#include "AppTestSupport.h"
#include "DialogRunner.h"
#include "HistoryBrowser.h"
#include "Translate.h"
#include "Write.h"

#include <BoxSimulator.h>
#include <DemoLink.h>
#include <Frames.h>
#include <WriteHistory.h>

#include <QAccessible>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTableView>
#include <QToolButton>

#include <array>
#include <atomic>
#include <future>

namespace {

constexpr int kTransferDeadline = 30000; // ms, also under the sanitizers

// Holds the worker on one frame until the test opens the gate.
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

// The demo box behind a link that holds the first frame for a cell
// ("#0300": the write of cell 300, "%0100": the read of cell 100).
struct GatedLink : CDemoLink {
    GatedLink(std::shared_ptr<CBoxSimulator> box, std::shared_ptr<Gate> gate_, std::string held_)
        : CDemoLink(std::move(box))
        , gate(gate_)
        , held(std::move(held_))
    {
    }
    IoResult Write(const char* data, std::size_t size) override
    {
        if (std::string_view(data, size).substr(0, held.size()) == held && !gate->reached) {
            gate->reached = true;
            gate->opened.wait();
        }
        return CDemoLink::Write(data, size);
    }
    std::shared_ptr<Gate> gate;
    std::string held;
};

class WriteJournalWindow : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        StartWithDemoBox();
        box = Inside().Session().DemoBox();
    }
    void TearDown() override
    {
        if (gate)
            gate->Open(); // a check that failed must not leave a worker waiting
        AppTest::TearDown();
    }

    // From the next transfer on, the window's transfers hold at the first
    // frame that begins so, once.
    void HoldAt(const std::string& frame)
    {
        if (gate)
            gate->Open();
        gate = std::make_shared<Gate>();
        Inside().Session().SetLinkFactory([held = gate, frame, demo = box] {
            return std::make_unique<GatedLink>(demo, held, frame);
        });
    }
    std::string History() const { return (rootPath + "History/").toStdString(); }
    std::vector<HistoryEntry> Entries() const { return ListHistory(History()); }
    // The dialog the window runs, once it is up.
    static CTransferDlg* RunningDialog()
    {
        return qobject_cast<CTransferDlg*>(QApplication::activeModalWidget());
    }
    // Runs the transfer of the dialog the button opens until the gate holds
    // it, lets during act, opens the gate and, unless the dialog was to close
    // itself, gives its end sentence and closes it.
    QString RunHeld(const char* button, const std::function<void(CTransferDlg&)>& during,
        const std::function<void(CTransferDlg&)>& prepare = {})
    {
        QString sentence = "no dialog";
        QTimer::singleShot(0, [&] {
            CTransferDlg* dialog = RunningDialog();
            if (!dialog)
                return;
            if (prepare)
                prepare(*dialog);
            QTest::mouseClick(dialog->transferButton, Qt::LeftButton);
            EXPECT_TRUE(QTest::qWaitFor([&] { return gate->reached.load(); }, kTransferDeadline));
            EXPECT_TRUE(dialog->stopButton->isVisible() && dialog->WorkerRunning());
            during(*dialog);
            gate->Open();
            if (!dialog->isVisible())
                return;
            EXPECT_TRUE(
                QTest::qWaitFor([&] { return !dialog->WorkerRunning(); }, kTransferDeadline));
            sentence = dialog->resultLabel->text();
            if (dialog->isVisible())
                QTest::mouseClick(dialog->closeButton, Qt::LeftButton);
        });
        Click(button);
        return sentence;
    }
    QStringList Questions() const { return messages.filter("Stop the write?"); }

    std::shared_ptr<Gate> gate;
    std::shared_ptr<CBoxSimulator> box; // the demo box, also behind the gate
};

// Stop asks before it leaves a box with parts of two projects, and the
// write ends after the frame in flight: the journal and the dialog say where
// it stopped. Answered No, the write goes on to the end. A read or compare
// changes nothing in the box: it stops without asking and says that nothing
// was taken (the compare takes the read's road). The backup is a read before the write: a stop
// there leaves the box as it was.
TEST_F(WriteJournalWindow, StopAsksForAWriteAndSaysWhatTheBoxHolds)
{
    struct Row {
        const char* what;
        const char* button;
        std::string heldFrame;
        QMessageBox::StandardButton answer;
        bool asks;
        QString says;
        std::optional<WriteOutcome> journal; // the newest entry, when the row writes
        int cell;
    };
    const Row rows[] = {
        { "write stopped while sending cells", "writeButton", "#0300", QMessageBox::Yes, true,
            "The write stopped after cell 300 of 766: the box now holds parts of two projects.",
            WriteOutcome::Stopped, 300 },
        { "stop answered No: the write goes on", "writeButton", "#0300", QMessageBox::No, true,
            "verified: parameters and points (cells 0–254)", WriteOutcome::Verified, -1 },
        { "write stopped during its backup", "writeButton", "%0100", QMessageBox::Yes, true,
            "stopped before the first cell", WriteOutcome::Stopped, -1 },
        { "read stopped", "readButton", "%0100", QMessageBox::Yes, false,
            "nothing was taken from the box", std::nullopt, 0 },
    };
    const std::string project = WriteProjectText(Project());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        HoldAt(row.heldFrame);
        messages.clear();
        const std::size_t entriesBefore = Entries().size();
        answer = row.answer;
        const QString sentence
            = RunHeld(row.button, [](CTransferDlg& dialog) { dialog.stopButton->click(); });
        EXPECT_TRUE(sentence.contains(row.says)) << sentence.toStdString();
        EXPECT_EQ(Questions().size(), row.asks ? 1 : 0) << messages.join("|").toStdString();
        EXPECT_EQ(messages.size(), Questions().size())
            << "the stop's own message is the sentence: " << messages.join("|").toStdString();
        EXPECT_EQ(WriteProjectText(Project()), project);
        const std::vector<HistoryEntry> entries = Entries();
        if (!row.journal) {
            EXPECT_EQ(entries.size(), entriesBefore);
            continue;
        }
        ASSERT_EQ(entries.size(), entriesBefore + 1);
        EXPECT_EQ(entries.front().outcome, *row.journal);
        EXPECT_EQ(entries.front().cell, row.cell);
    }
}

// Closing the window during a write asks the Stop question. Yes stops the
// write after its frame in flight and closes the window once the worker has
// ended; No leaves both running.
TEST_F(WriteJournalWindow, ClosingTheWindowDuringAWriteAsksFirst)
{
    struct Row {
        const char* what;
        QMessageBox::StandardButton answer;
        bool windowStays;
        WriteOutcome journal;
    };
    const Row rows[] = {
        { "No: the write goes on", QMessageBox::No, true, WriteOutcome::Verified },
        { "Yes: stopped, then closed", QMessageBox::Yes, false, WriteOutcome::Stopped },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        HoldAt("#0300");
        messages.clear();
        answer = row.answer;
        RunHeld("writeButton", [this](CTransferDlg&) { EXPECT_FALSE(window->close()); });
        EXPECT_EQ(Questions().size(), 1);
        EXPECT_TRUE(QTest::qWaitFor([&] { return window->isVisible() == row.windowStays; }));
        QCoreApplication::processEvents();
        EXPECT_EQ(window->isVisible(), row.windowStays);
        ASSERT_FALSE(Entries().empty());
        EXPECT_EQ(Entries().front().outcome, row.journal);
    }
}

// The Job section's fields reach the write's history entry and come back
// the next time that project file is written; a project in no file starts
// with an empty, folded section.
TEST_F(WriteJournalWindow, JobFieldsAreKeptAndComeBackForTheSameFile)
{
    ASSERT_TRUE(Inside().Session().SaveAs((projects + "car.rmvp").toStdString()).ok);
    window->OpenPath(projects + "car.rmvp");
    ClickTransfer("writeButton", [](CTransferDlg& dialog) {
        auto& write = static_cast<CWrite&>(dialog);
        EXPECT_FALSE(write.JobShown());
        QTest::mouseClick(write.jobButton, Qt::LeftButton);
        ASSERT_TRUE(write.JobShown());
        QTest::keyClicks(write.customerEdit, "Garage Berg");
        QTest::keyClicks(write.vehicleEdit, "Octavia 2.0 TDI");
        QTest::keyClicks(write.plateEdit, "KR 4711");
        write.noteEdit->setPlainText("Rail sensor replaced\nTest drive done");
    });
    ASSERT_FALSE(Entries().empty());
    const HistoryEntry written = Entries().front();
    EXPECT_EQ(written.job.customer, "Garage Berg");
    EXPECT_EQ(written.job.vehicle, "Octavia 2.0 TDI");
    EXPECT_EQ(written.job.plate, "KR 4711");
    EXPECT_EQ(written.job.note, "Rail sensor replaced\nTest drive done");
    EXPECT_EQ(written.sourcePath, (projects + "car.rmvp").toStdString());

    const auto offered = [this] {
        WriteJobFields fields;
        bool shown = false;
        ClickTransfer("writeButton", [&](CTransferDlg& dialog) {
            fields = static_cast<CWrite&>(dialog).JobFields();
            shown = static_cast<CWrite&>(dialog).JobShown();
        });
        return std::make_pair(fields, shown);
    };
    const auto [again, shownAgain] = offered();
    EXPECT_TRUE(shownAgain);
    EXPECT_EQ(again.customer, "Garage Berg");
    EXPECT_EQ(again.note, "Rail sensor replaced\nTest drive done");

    Inside().Actions().newProject->trigger();
    const auto [none, shownForNone] = offered();
    EXPECT_FALSE(shownForNone);
    EXPECT_TRUE(none.customer.empty() && none.note.empty());
}

// A history folder with entries made as the session makes them.
class HistoryBrowserWindow : public WriteJournalWindow {
protected:
    HistoryEntry AddEntry(const char* customer, const char* vehicle, WriteOutcome outcome,
        int cell = -1, bool complete = true)
    {
        NewHistoryEntry facts;
        facts.boxIdentification = 132;
        facts.projectText = WriteProjectText(Project());
        facts.beforeText = facts.projectText;
        facts.projectName = "car.rmvp";
        facts.job.customer = customer;
        facts.job.vehicle = vehicle;
        HistoryEntry entry;
        std::string error;
        EXPECT_TRUE(StartHistoryEntry(History(), facts, entry, error)) << error;
        entry.outcome = outcome;
        entry.cell = cell;
        if (complete) {
            EXPECT_TRUE(CompleteHistoryEntry(entry, error)) << error;
        }
        return entry;
    }
    // Opens Box > Write History and lets use work the browser.
    void Browse(const std::function<void(CHistoryBrowser&)>& use)
    {
        bool shown = false;
        CScopedDialogHook hook([&](QDialog& dialog) {
            auto* browser = qobject_cast<CHistoryBrowser*>(&dialog);
            if (!browser)
                return int(QDialog::Rejected);
            shown = true;
            browser->show();
            browser->grab(); // laid out, so a click finds its row
            use(*browser);
            return browser->result();
        });
        Inside().Actions().history->trigger();
        EXPECT_TRUE(shown);
    }
    static int Rows(CHistoryBrowser& browser) { return browser.table->model()->rowCount(); }
};

// The search narrows the list to the entries with the text in any field,
// the outcome's words among them; entries only half there are left out and
// counted under the list, and a history folder that cannot be read is an
// error there, not an empty list.
TEST_F(HistoryBrowserWindow, SearchNarrowsTheListAndTheLineUnderItSaysWhatIsMissing)
{
    AddEntry("Garage Berg", "Octavia", WriteOutcome::Verified);
    AddEntry("Nowak", "Passat", WriteOutcome::Stopped, 301);
    AddEntry("Nowak", "Golf", WriteOutcome::NotVerified);
    WriteFile(rootPath + "History/2026-01-01_00-00-00.000_OTHER_00000000.rmvp",
        QByteArray::fromStdString(WriteProjectText(Project())));
    struct Row {
        const char* what;
        const char* search;
        int rows;
    };
    const Row rows[] = {
        { "no search", "", 3 },
        { "a customer", "nowak", 2 },
        { "a vehicle", "Octavia", 1 },
        { "an outcome's words", "stopped", 1 },
        { "nothing matches", "Berlingo", 0 },
    };
    Browse([&](CHistoryBrowser& browser) {
        EXPECT_EQ(browser.noteLabel->text().toStdString(), Tr(SkippedEntriesNote(1)).toStdString());
        for (const Row& row : rows) {
            SCOPED_TRACE(row.what);
            browser.searchEdit->clear();
            QTest::keyClicks(browser.searchEdit, row.search);
            EXPECT_EQ(Rows(browser), row.rows);
            EXPECT_EQ(browser.openButton->isEnabled(), row.rows > 0);
        }
    });

    QDir(rootPath + "History").removeRecursively();
    WriteFile(rootPath + "History", "not a folder");
    Browse([&](CHistoryBrowser& browser) {
        EXPECT_TRUE(browser.noteLabel->text().startsWith("Can't read the write history:"))
            << browser.noteLabel->text().toStdString();
        EXPECT_FALSE(browser.table->isEnabled());
    });
}

// Print Sheet prints the entry's copy (the lines its sheet carries: the
// session's WriteJournal tests and the graph's PrintLayout tests). A
// double-click opens the copy as the window's project.
TEST_F(HistoryBrowserWindow, PrintSheetPrintsAndDoubleClickOpens)
{
    const HistoryEntry entry = AddEntry("Garage Berg", "Octavia", WriteOutcome::Verified);
    const QString printed = dataDir.path() + "/entry.pdf";
    Inside().ChoosePrinter([&](QPrinter& printer) {
        printer.setOutputFileName(printed);
        return true;
    });
    Browse([&](CHistoryBrowser& browser) {
        QTest::mouseClick(browser.printButton, Qt::LeftButton);
        const QRect first = browser.table->visualRect(browser.table->model()->index(0, 0));
        // A double-click begins with a press, as the item view expects.
        QTest::mousePress(browser.table->viewport(), Qt::LeftButton, {}, first.center());
        QTest::mouseDClick(browser.table->viewport(), Qt::LeftButton, {}, first.center());
        EXPECT_FALSE(browser.isVisible()) << "the browser ends once the project is open";
    });
    EXPECT_EQ(Inside().Session().FilePath(), entry.projectPath);
    EXPECT_GT(QFileInfo(printed).size(), 1000) << "the printer got the sheet";
}

// "Write Back What the Box Held Before" asks, naming the box and the time,
// then writes the entry's "before" through a write dialog of its own: the
// box's cells are those it held before the write.
TEST_F(HistoryBrowserWindow, WriteBackRestoresWhatTheBoxHeld)
{
    box->SetCell(1, 45); // stop voltage 4.5 V in the box
    Project().stopVoltage = 4.0;
    std::array<int, CBoxSimulator::kCells> held = box->Cells();
    ClickTransfer("writeButton");
    ASSERT_NE(box->Cell(1), held[1]) << "the write changed the box";
    answer = QMessageBox::Yes;
    messages.clear();
    std::string restored = "no dialog";
    Browse([&](CHistoryBrowser& browser) {
        ASSERT_TRUE(browser.writeBackButton->isEnabled());
        QTimer::singleShot(0, [&] {
            CTransferDlg* dialog = RunningDialog();
            if (!dialog)
                return;
            QTest::mouseClick(dialog->transferButton, Qt::LeftButton);
            EXPECT_TRUE(
                QTest::qWaitFor([&] { return !dialog->WorkerRunning(); }, kTransferDeadline));
            restored = dialog->resultLabel->text().toStdString();
            dialog->accept();
        });
        QTest::mouseClick(browser.writeBackButton, Qt::LeftButton);
        EXPECT_EQ(Rows(browser), 2) << "the write-back is an entry of its own";
    });
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("box 132")) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(QString::fromStdString(Entries().back().time)));
    EXPECT_NE(restored.find("verified"), std::string::npos) << restored;
    for (int cell = 0; cell < 255; ++cell)
        EXPECT_EQ(box->Cell(cell), held[static_cast<std::size_t>(cell)]) << "cell " << cell;
    EXPECT_FALSE(Entries().front().restores.empty());
}

// A write the last run never finished is named in a warning box at start.
TEST_F(HistoryBrowserWindow, AnUnfinishedWriteIsNamedAtStart)
{
    const HistoryEntry started = AddEntry("Nowak", "Golf", WriteOutcome::Started, -1, false);
    Start("RootPath=\"" + rootPath.toUtf8() + "\"\nUSB=10\n");
    ASSERT_EQ(messages.size(), 1) << messages.join("|").toStdString();
    EXPECT_EQ(messages[0].toStdString(), UnfinishedWriteMessage(started).English());
}

// Assistive technology finds a name for every control of the Write
// dialog's Job section and of the history browser (their labels' buddies,
// the buttons' texts, the list's own name).
TEST_F(HistoryBrowserWindow, NewControlsAreNamedForAssistiveTechnology)
{
    AddEntry("Nowak", "Golf", WriteOutcome::Verified);
    const auto unnamed = [](QWidget& top) {
        QStringList found;
        for (QWidget* w : top.findChildren<QWidget*>()) {
            const bool interactive = qobject_cast<QAbstractButton*>(w)
                || qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w)
                || qobject_cast<QTableView*>(w);
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
            if (interactive && w->isVisibleTo(&top)
                && (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty()))
                found << w->objectName();
        }
        return found;
    };
    CWrite write(Inside().Session(), true, window.get());
    write.ShowJob(true);
    EXPECT_EQ(unnamed(write), QStringList());
    Browse([&](CHistoryBrowser& browser) { EXPECT_EQ(unnamed(browser), QStringList()); });
}

} // namespace
