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
struct GatedLink : DemoLink {
    using DemoLink::DemoLink;
    IoResult Write(const char* data, std::size_t size) override
    {
        if (size > 1 && frames++ == holdAt) {
            gate->reached = true;
            gate->opened.wait();
        }
        return DemoLink::Write(data, size);
    }
    Gate* gate = nullptr;
    int holdAt = 0, frames = 0;
};

class TransferDialog : public AppTest {
protected:
    LinkChoice Demo(Gate* g = nullptr, int holdAt = 0)
    {
        LinkChoice choice;
        choice.demoBox = box;
        if (g)
            choice.custom = [this, g, holdAt] {
                auto link = std::make_unique<GatedLink>(box);
                link->gate = g;
                link->holdAt = holdAt;
                return link;
            };
        return choice;
    }
    void Start(CTransferDlg& dialog)
    {
        dialog.show();
        QObject::connect(dialog.progressBar, &QProgressBar::valueChanged,
            [this](int value) { positions.push_back(value); });
        QTest::mouseClick(dialog.transferButton, Qt::LeftButton);
    }
    bool Run(CTransferDlg& dialog)
    {
        Start(dialog);
        return QTest::qWaitFor([&] { return !dialog.WorkerRunning(); });
    }

    std::shared_ptr<BoxSimulator> box = std::make_shared<BoxSimulator>(132);
    Gate gate;
    std::vector<int> positions;
};

// The dialog after failures (an unfit project's refusal is the box layer's).
TEST_F(TransferDialog, FailuresShowTheirMessageAndLeaveTheProject)
{
    struct Case {
        bool read;
        const char *fault, *message;
        bool dialogOpen;
        int progress;
    };
    const std::string noDevice
        = std::string(kNoDeviceMessage) + "\n\n/nonexistent/ttyUSB9 does not exist.";
    for (const Case& c : { Case { false, "short@300", kCheckConnectionMessage, false, 299 },
             Case { false, "hangup@255", kCheckConnectionMessage, true, 0 },
             Case { true, "short@200", kCheckConnectionMessage, true, 199 },
             Case { true, "silent@0", kCheckConnectionMessage, true, 0 },
             Case { false, "", noDevice.c_str(), false, 0 } }) {
        SCOPED_TRACE(c.fault);
        box = std::make_shared<BoxSimulator>(132);
        BoxFault fault;
        if (ParseBoxFault(c.fault, fault))
            box->AddFault(fault);
        LinkChoice link = *c.fault ? Demo() : LinkChoice();
        link.port = *c.fault ? "" : "/nonexistent/ttyUSB9"; // no converter at all
        messages.clear();
        ProjectState project;
        const std::string before = WriteProjectText(project);
        std::unique_ptr<CTransferDlg> dialog(c.read
                ? static_cast<CTransferDlg*>(new CRead(project, link))
                : new CWrite(project, link));
        ASSERT_TRUE(Run(*dialog));
        EXPECT_EQ(messages, QStringList { c.message });
        EXPECT_EQ(dialog->isVisible(), c.dialogOpen);
        EXPECT_TRUE(!c.dialogOpen || dialog->closeButton->isEnabled());
        EXPECT_EQ(dialog->progressBar->value(), c.progress);
        EXPECT_EQ(WriteProjectText(project), before);
    }
}

// Escape and close are refused while the worker runs; destruction joins it.
TEST_F(TransferDialog, WriteCannotBeDismissedWhileTheWorkerRuns)
{
    ProjectState project;
    CWrite dialog(project, Demo(&gate, 100));
    Start(dialog);
    ASSERT_TRUE(QTest::qWaitFor([&] { return gate.reached && dialog.progressBar->value() > 0; }));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    dialog.close();
    EXPECT_TRUE(dialog.isVisible() && !dialog.closeButton->isEnabled());
    gate.open.set_value();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.WorkerRunning(); }));
    EXPECT_EQ(dialog.Outcome(), TransferOutcome::Completed);
    EXPECT_EQ(dialog.progressBar->value(), 767);
    EXPECT_GT(positions.size(), 700u);
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
    // Close is the user's; a second write needs a new dialog.
    EXPECT_TRUE(dialog.isVisible() && dialog.closeButton->isEnabled()
        && !dialog.transferButton->isEnabled());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());

    Gate second;
    auto held = std::make_unique<CWrite>(project, Demo(&second, 10));
    Start(*held);
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.reached.load(); }));
    std::thread opener([&] { second.open.set_value(); });
    held.reset();
    opener.join();
}

// Read installs in one step and trims; mended: the flags of two CR inputs.
TEST_F(TransferDialog, ReadButtonInstallsTrimsAndCountsAsSaved)
{
    window->linkChoice = Demo();
    ProjectState inBox;
    inBox.SetBoxType(1);
    inBox.curveDelay = 340;
    inBox.crCurve->Add(1.0, 2.0);
    inBox.crCurve->Add(4.8, 4.0);
    CWrite write(inBox, Demo());
    ASSERT_TRUE(Run(write));
    QTimer::singleShot(0, [] { // the modal dialog the button opens
        auto* dialog = qobject_cast<CTransferDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(dialog->transferButton, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog->WorkerRunning(); }));
        QTest::mouseClick(dialog->closeButton, Qt::LeftButton);
    });
    Click("readButton");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(window->project.boxType, 1);
    EXPECT_EQ(std::pair(window->project.oneInput, window->project.twoInputs), std::pair(0, 1));
    EXPECT_EQ(window->project.curveDelay, 340);
    EXPECT_EQ(CountPoints(window->project.crCurve), 4); // (0,0) start stop (5,5)
    EXPECT_EQ(WriteProjectText(window->project), window->savedProjectText);
    EXPECT_EQ(Find<QComboBox>("boxTypeCombo")->currentIndex(), 1);
}

} // namespace
