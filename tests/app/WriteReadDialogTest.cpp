#include "AppTestSupport.h"
#include "Read.h"
#include "Write.h"

#include <BoxSimulator.h>
#include <DemoLink.h>
#include <ProjectFile.h>
#include <Protocol.h>

#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <atomic>
#include <future>
#include <thread>

namespace {

// Holds the worker at a frame (0 to 2: the handshake) until the gate opens.
struct Gate {
    std::promise<void> open;
    std::shared_future<void> opened = open.get_future().share();
    std::atomic<bool> reached { false };
};
struct GatedLink : CDemoLink {
    using CDemoLink::CDemoLink;
    IoResult Write(const char* data, std::size_t size) override
    {
        if (size > 1 && frames++ == holdAt) {
            gate->reached = true;
            gate->opened.wait();
        }
        return CDemoLink::Write(data, size);
    }
    Gate* gate = nullptr;
    int holdAt = 0, frames = 0;
};

class TransferDialog : public AppTest {
protected:
    // The window's way to the demo box; with a gate, held at a frame.
    LinkFactory Demo(Gate* gate = nullptr, int holdAt = 0)
    {
        return [this, gate, holdAt]() -> std::unique_ptr<CLink> {
            if (!gate)
                return std::make_unique<CDemoLink>(box);
            auto link = std::make_unique<GatedLink>(box);
            link->gate = gate;
            link->holdAt = holdAt;
            return link;
        };
    }
    void Start(CTransferDlg& dialog)
    {
        dialog.show();
        QTest::mouseClick(dialog.transferButton, Qt::LeftButton);
    }
    bool Run(CTransferDlg& dialog)
    {
        Start(dialog);
        return QTest::qWaitFor([&] { return !dialog.WorkerRunning(); });
    }

    std::shared_ptr<CBoxSimulator> box = std::make_shared<CBoxSimulator>(kCrBoxId);
    Gate gate;
};

// The dialog after failures: the message, where the progress stopped, and
// the project untouched. The fault kinds themselves are the box layer's.
TEST_F(TransferDialog, FailuresShowTheirMessageAndLeaveTheProject)
{
    enum class Direction { Write, Read };
    struct Row {
        const char* what;
        Direction direction;
        const char* fault;
        bool dialogStaysOpen;
        int progress;
    };
    const Row rows[] = {
        { "write, short answer in the data", Direction::Write, "short@300", false, 299 },
        { "write, hang-up at the handshake", Direction::Write, "hangup@255", true, 0 },
        { "read, silent box", Direction::Read, "silent@0", true, 0 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        box = std::make_shared<CBoxSimulator>(kCrBoxId);
        BoxFault fault;
        ASSERT_TRUE(ParseBoxFault(row.fault, fault));
        box->AddFault(fault);
        CSession session;
        session.SetLinkFactory(Demo());
        messages.clear();
        const std::string before = WriteProjectText(session.Project());
        std::unique_ptr<CTransferDlg> dialog;
        if (row.direction == Direction::Read)
            dialog = std::make_unique<CRead>(session);
        else
            dialog = std::make_unique<CWrite>(session);
        ASSERT_TRUE(Run(*dialog));
        EXPECT_EQ(messages, QStringList { kCheckConnectionMessage });
        EXPECT_EQ(dialog->isVisible(), row.dialogStaysOpen);
        EXPECT_TRUE(!row.dialogStaysOpen || dialog->closeButton->isEnabled());
        EXPECT_EQ(dialog->progressBar->value(), row.progress);
        EXPECT_EQ(WriteProjectText(session.Project()), before);
    }
}

// Escape and close are refused while the worker runs; destruction joins it.
TEST_F(TransferDialog, WriteCannotBeDismissedWhileTheWorkerRuns)
{
    CSession session;
    session.SetLinkFactory(Demo(&gate, 100));
    CWrite dialog(session);
    Start(dialog);
    ASSERT_TRUE(QTest::qWaitFor([&] { return gate.reached && dialog.progressBar->value() > 0; }));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    dialog.close();
    EXPECT_TRUE(dialog.isVisible() && !dialog.closeButton->isEnabled());
    gate.open.set_value();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.WorkerRunning(); }));
    EXPECT_EQ(dialog.Outcome(), TransferOutcome::Completed);
    // Close is the user's; a second write needs a new dialog.
    EXPECT_TRUE(dialog.isVisible() && dialog.closeButton->isEnabled()
        && !dialog.transferButton->isEnabled());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());

    // Destroyed while its worker waits at the gate: the dialog's own
    // destructor joins the worker before the job goes.
    Gate second;
    session.SetLinkFactory(Demo(&second, 10));
    auto held = std::make_unique<CWrite>(session);
    Start(*held);
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.reached.load(); }));
    std::thread opener([&] { second.open.set_value(); });
    held.reset();
    opener.join();
}

} // namespace
