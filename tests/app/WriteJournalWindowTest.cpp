// What the window makes of the write journal: Stop in the transfer dialogs,
// closing the window during a write, the Job section of the Write dialog,
// the history browser, writing back what a box held before, and the warning
// at start about a write that did not finish. The journal itself is the
// session layer's; the demo box stands in for the converter.
#include "AppTestSupport.h"
#include "HistoryBrowser.h"
#include "Write.h"

#include <BoxSimulator.h>
#include <DemoLink.h>
#include <Frames.h>
#include <WriteHistory.h>

#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <QToolButton>

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
// was taken. The backup is a read before the write: a stop there leaves the
// box as it was.
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
        { "compare stopped", "compareButton", "%0100", QMessageBox::Yes, false,
            "nothing was compared", std::nullopt, 0 },
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

} // namespace
