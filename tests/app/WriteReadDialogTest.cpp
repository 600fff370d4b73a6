#include "RamvikDlgTestSupport.h"

#include "Messages.h"
#include "Read.h"
#include "Write.h"

#include <BoxSimulator.h>
#include <DemoLink.h>
#include <ProjectFile.h>
#include <Protocol.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace {

// Runs the event loop until the condition holds or five seconds pass.
bool WaitFor(const std::function<bool()>& condition)
{
    QDeadlineTimer deadline(5000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Holds the worker at a chosen frame until the test lets it go, so the test
// can act while a transfer runs.
struct Gate {
    std::mutex mutex;
    std::condition_variable opened;
    bool open = false;
    std::atomic<bool> reached { false };

    void Pass()
    {
        reached = true;
        std::unique_lock<std::mutex> lock(mutex);
        opened.wait(lock, [this] { return open; });
    }
    void Open()
    {
        std::lock_guard<std::mutex> lock(mutex);
        open = true;
        opened.notify_all();
    }
};

class GatedLink : public DemoLink {
public:
    GatedLink(std::shared_ptr<BoxSimulator> box, Gate& gate_, int holdAtFrame_)
        : DemoLink(std::move(box))
        , gate(gate_)
        , holdAtFrame(holdAtFrame_)
    {
    }
    IoResult Write(const char* data, std::size_t size) override
    {
        if (size > 1 && frames++ == holdAtFrame)
            gate.Pass();
        return DemoLink::Write(data, size);
    }

private:
    Gate& gate;
    int holdAtFrame;
    int frames = 0;
};

class TransferDialogTest : public ::testing::Test {
protected:
    LinkChoice DemoChoice() const
    {
        LinkChoice choice;
        choice.demoBox = box;
        return choice;
    }
    // Frames count from 0: 0 to 2 are the handshake.
    LinkChoice GatedChoice(int holdAtFrame)
    {
        LinkChoice choice;
        choice.custom
            = [this, holdAtFrame] { return std::make_unique<GatedLink>(box, gate, holdAtFrame); };
        return choice;
    }
    // Shows the dialog, records every progress position, presses the
    // transfer button.
    void Start(CTransferDlg& dialog)
    {
        dialog.show();
        QObject::connect(dialog.progressBar, &QProgressBar::valueChanged,
            [this](int value) { positions.push_back(value); });
        QTest::mouseClick(dialog.transferButton, Qt::LeftButton);
    }
    static bool Ended(const CTransferDlg& dialog) { return !dialog.WorkerRunning(); }

    std::shared_ptr<BoxSimulator> box = std::make_shared<BoxSimulator>(132);
    Gate gate;
    std::vector<int> positions;
    std::vector<std::string> messages;
    ScopedMessageHook hook { [this](const QString& text, QMessageBox::Icon,
                                 QMessageBox::StandardButtons) {
        messages.push_back(text.toStdString());
        return QMessageBox::Ok;
    } };
};

TEST_F(TransferDialogTest, WriteMovesTheProgressBarAndLeavesCloseToTheUser)
{
    ProjectState project;
    CWrite dialog(project, DemoChoice());
    EXPECT_EQ(dialog.transferButton->text(), "Write Data");
    EXPECT_EQ(dialog.closeButton->text(), "Close");
    Start(dialog);
    EXPECT_FALSE(dialog.transferButton->isEnabled());
    ASSERT_TRUE(WaitFor([&] { return Ended(dialog); }));

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(dialog.Outcome(), TransferOutcome::Completed);
    EXPECT_EQ(dialog.progressBar->maximum(), 767);
    EXPECT_EQ(dialog.progressBar->value(), 767);
    EXPECT_GT(positions.size(), 700u); // it moved cell by cell
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
    EXPECT_TRUE(dialog.isVisible()); // the user closes it
    EXPECT_TRUE(dialog.closeButton->isEnabled());
    EXPECT_FALSE(dialog.transferButton->isEnabled()); // a second write needs a new dialog
    EXPECT_EQ(box->Cell(1), 45);
    EXPECT_EQ(box->Cell(253), 77);

    QTest::mouseClick(dialog.closeButton, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(TransferDialogTest, ReadInstallsTheBoxProjectWhenTheWorkerEnds)
{
    ProjectState written;
    written.SetBoxType(1);
    written.curveDelay = 340;
    written.crCurve->Add(3.0, 2.0);
    {
        CWrite write(written, DemoChoice());
        Start(write);
        ASSERT_TRUE(WaitFor([&] { return Ended(write); }));
    }
    positions.clear();

    ProjectState project;
    project.fileName = "mine.rmvp";
    CRead dialog(project, DemoChoice());
    EXPECT_EQ(dialog.transferButton->text(), "Read Data");
    Start(dialog);
    ASSERT_TRUE(WaitFor([&] { return Ended(dialog); }));

    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(dialog.ProjectReplaced());
    EXPECT_EQ(dialog.progressBar->maximum(), 255);
    EXPECT_EQ(dialog.progressBar->value(), 255);
    EXPECT_GT(positions.size(), 200u);
    EXPECT_TRUE(dialog.closeButton->isEnabled());
    EXPECT_EQ(project.boxType, 1);
    EXPECT_EQ(project.oneInput, 0); // a box with two CR inputs
    EXPECT_EQ(project.twoInputs, 1);
    EXPECT_EQ(project.curveDelay, 340);
    EXPECT_EQ(CountPoints(project.crCurve), 5);
    EXPECT_EQ(project.fileName, "mine.rmvp");
}

TEST_F(TransferDialogTest, FailuresShowTheirMessageAndEndAsTheUserExpects)
{
    struct Case {
        bool read;
        const char* fault;
        const char* message;
        bool dialogOpen;
        int progress;
    };
    const Case cases[] = {
        { false, "short@300", kCheckConnectionMessage, false, 299 },
        { false, "hangup@255", kCheckConnectionMessage, true, 0 },
        { true, "short@200", kCheckConnectionMessage, true, 199 },
        { true, "silent@0", kCheckConnectionMessage, true, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        box = std::make_shared<BoxSimulator>(132);
        BoxFault fault;
        ASSERT_TRUE(ParseBoxFault(c.fault, fault));
        box->AddFault(fault);
        messages.clear();
        ProjectState project;
        const std::string before = WriteProjectText(project);
        std::unique_ptr<CTransferDlg> dialog;
        if (c.read)
            dialog = std::make_unique<CRead>(project, DemoChoice());
        else
            dialog = std::make_unique<CWrite>(project, DemoChoice());
        Start(*dialog);
        ASSERT_TRUE(WaitFor([&] { return Ended(*dialog); }));
        EXPECT_EQ(messages, std::vector<std::string> { c.message });
        EXPECT_EQ(dialog->isVisible(), c.dialogOpen);
        if (c.dialogOpen) {
            EXPECT_TRUE(dialog->closeButton->isEnabled());
        }
        EXPECT_EQ(dialog->progressBar->value(), c.progress);
        EXPECT_EQ(WriteProjectText(project), before);
    }
}

TEST_F(TransferDialogTest, NoConverterClosesTheDialogAndAnUnfitProjectIsRefusedBeforeOpening)
{
    ProjectState project;
    LinkChoice nowhere;
    nowhere.port = "/nonexistent/ttyUSB9";
    CWrite noDevice(project, nowhere);
    Start(noDevice);
    ASSERT_TRUE(WaitFor([&] { return Ended(noDevice); }));
    EXPECT_EQ(messages, std::vector<std::string> { kNoDeviceMessage });
    EXPECT_FALSE(noDevice.isVisible());

    messages.clear();
    project.startDelayMin = 5;
    CWrite refused(project, DemoChoice());
    Start(refused);
    ASSERT_TRUE(WaitFor([&] { return Ended(refused); }));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("5:00"), std::string::npos) << messages[0];
    EXPECT_EQ(box->FramesAnswered(), 0); // the link was never opened
    EXPECT_TRUE(refused.isVisible());
    EXPECT_TRUE(refused.closeButton->isEnabled());
}

TEST_F(TransferDialogTest, CannotBeDismissedWhileTheWorkerRuns)
{
    ProjectState project;
    CWrite dialog(project, GatedChoice(100));
    Start(dialog);
    ASSERT_TRUE(WaitFor([&] { return gate.reached.load(); }));
    ASSERT_TRUE(WaitFor([&] { return dialog.progressBar->value() > 0; }));

    QTest::keyClick(&dialog, Qt::Key_Escape);
    dialog.close(); // the system's close command
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.closeButton->isEnabled());
    EXPECT_TRUE(dialog.WorkerRunning());
    dialog.grab().save(QDir::temp().filePath("ramvik-write-running.png"));

    gate.Open();
    ASSERT_TRUE(WaitFor([&] { return Ended(dialog); }));
    EXPECT_EQ(dialog.Outcome(), TransferOutcome::Completed);
    EXPECT_TRUE(dialog.isVisible());
    dialog.grab().save(QDir::temp().filePath("ramvik-write-done.png"));
    QTest::keyClick(&dialog, Qt::Key_Escape); // now it may go
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(TransferDialogTest, ADialogClosedMidTransferWaitsForItsWorker)
{
    // Close pressed while the read finishes its last cell (Close is enabled
    // from cell 255 on): the dialog ends once the project is installed.
    ProjectState project;
    project.curveDelay = 60;
    {
        CWrite write(project, DemoChoice());
        Start(write);
        ASSERT_TRUE(WaitFor([&] { return Ended(write); }));
    }
    ProjectState target;
    CRead dialog(target, GatedChoice(3 + 255));
    Start(dialog);
    ASSERT_TRUE(WaitFor([&] { return gate.reached.load() && dialog.closeButton->isEnabled(); }));
    QTest::mouseClick(dialog.closeButton, Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    gate.Open();
    ASSERT_TRUE(WaitFor([&] { return !dialog.isVisible(); }));
    EXPECT_TRUE(dialog.ProjectReplaced());
    EXPECT_EQ(target.curveDelay, 60);

    // A dialog destroyed while its worker is held joins the worker first.
    Gate second;
    auto held = std::make_unique<CWrite>(project, [&] {
        LinkChoice choice;
        choice.custom = [&] { return std::make_unique<GatedLink>(box, second, 10); };
        return choice;
    }());
    Start(*held);
    ASSERT_TRUE(WaitFor([&] { return second.reached.load(); }));
    std::thread opener([&] { second.Open(); });
    held.reset();
    opener.join();
}

class MainWindowTransferTest : public RamvikDlgFixture { };

// Runs the modal dialog the handler opens: presses its transfer button, waits
// for the worker, then presses Close.
void DriveModalDialog(const QString* screenshot = nullptr)
{
    QMetaObject::invokeMethod(
        qApp,
        [screenshot] {
            auto* dialog = qobject_cast<CTransferDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            if (screenshot)
                dialog->grab().save(*screenshot + "-idle.png");
            QTest::mouseClick(dialog->transferButton, Qt::LeftButton);
            ASSERT_TRUE(WaitFor([&] { return !dialog->WorkerRunning(); }));
            if (screenshot)
                dialog->grab().save(*screenshot + "-done.png");
            QTest::mouseClick(dialog->closeButton, Qt::LeftButton);
        },
        Qt::QueuedConnection);
}

TEST_F(MainWindowTransferTest, ReadButtonInstallsTrimsAndCountsAsSaved)
{
    auto box = std::make_shared<BoxSimulator>(213);
    window->linkChoice = LinkChoice();
    window->linkChoice.demoBox = box;
    // The box holds a CR&TURBO project whose CR curve has points outside
    // its start and stop voltages: the Read button trims them.
    ProjectState inBox;
    inBox.SetBoxType(2);
    inBox.crCurve->Add(1.0, 2.0);
    inBox.crCurve->Add(4.8, 4.0);
    {
        CWrite write(inBox, window->linkChoice);
        write.show();
        QTest::mouseClick(write.transferButton, Qt::LeftButton);
        ASSERT_TRUE(WaitFor([&] { return !write.WorkerRunning(); }));
    }

    const QString shots = QDir::temp().filePath("ramvik-read");
    DriveModalDialog(&shots);
    window->OnRead();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(window->project.boxType, 2);
    EXPECT_EQ(CountPoints(window->project.crCurve), 4); // (0,0) start stop (5,5)
    EXPECT_EQ(WriteProjectText(window->project), window->savedProjectText);
    EXPECT_EQ(Find<QComboBox>("boxTypeCombo")->currentIndex(), 2);
    window->grab().save(shots + "-window.png");

    DriveModalDialog();
    window->OnWrite();
    EXPECT_TRUE(messages.empty());
}

} // namespace
