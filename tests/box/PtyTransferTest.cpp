// Transfers end to end over a pseudo-terminal: the serial link as Ramvik uses
// it with --port, against ramvik-boxsim in its own process.
#include "BoxsimProcess.h"
#include "LinkTestSupport.h"
#include "TransferDoubles.h"

#include <ProjectFile.h>
#include <Protocol.h>
#include <SerialLink.h>

#include <gtest/gtest.h>

#include <future>

namespace {

// Runs a transfer on a worker, as the dialogs do, and fails the test instead
// of waiting for ever when it hangs.
template <typename Transfer> TransferOutcome RunWithDeadline(Transfer& transfer)
{
    auto running = std::async(std::launch::async, [&transfer] { return transfer.Run(); });
    if (running.wait_for(std::chrono::seconds(20)) != std::future_status::ready)
        ADD_FAILURE() << "the transfer hangs";
    return running.get();
}

std::unique_ptr<SerialLink> LinkTo(const BoxsimProcess& box)
{
    return std::make_unique<SerialLink>(box.path);
}

void WriteThenRead(const BoxsimProcess& box, const ProjectState& project)
{
    RecordingObserver writing;
    WriteTransfer write(project, LinkTo(box), writing, NoWait);
    ASSERT_EQ(RunWithDeadline(write), TransferOutcome::Completed)
        << ::testing::PrintToString(writing.messages);
    EXPECT_EQ(writing.progress, 767);

    ProjectState current;
    current.fileName = "mine.rmvp";
    RecordingObserver reading;
    ReadTransfer read(current, LinkTo(box), reading, NoWait);
    ASSERT_EQ(RunWithDeadline(read), TransferOutcome::Completed)
        << ::testing::PrintToString(reading.messages);
    std::unique_ptr<ProjectState> back = read.TakeProject();
    ASSERT_TRUE(back);
    linktest::ExpectReadBack(*back, project);
    EXPECT_EQ(back->fileName, "mine.rmvp");
}

TEST(PtyTransfer, WriteThenReadGivesBackTheProject)
{
    BoxsimProcess crBox({ "--id", "132" });
    BoxsimProcess turboBox({ "--id", "213" });
    ASSERT_FALSE(crBox.path.isEmpty());
    ASSERT_FALSE(turboBox.path.isEmpty());

    std::mt19937 random(1206);
    for (int i = 0; i < 12; ++i) {
        const int boxType = i % 3;
        ProjectState project;
        if (i < 3)
            project.SetBoxType(boxType); // the default project
        else
            linktest::RandomBoxProject(project, boxType, random);
        SCOPED_TRACE("project " + std::to_string(i) + ", box type " + std::to_string(boxType));
        ASSERT_TRUE(BoxRefusals(project).empty());
        WriteThenRead(boxType == 2 ? turboBox : crBox, project);
    }
}

TEST(PtyTransfer, EveryFaultEndsWithItsMessage)
{
    struct Case {
        bool read;
        const char* fault;
        TransferOutcome outcome;
        int progress; // -1: never moved
    };
    const Case cases[] = {
        { false, "short@0", TransferOutcome::HandshakeFailed, -1 },
        { false, "silent@255", TransferOutcome::HandshakeFailed, -1 },
        { false, "hangup@0", TransferOutcome::HandshakeFailed, -1 },
        { false, "short@300", TransferOutcome::DataFailed, 299 },
        { false, "silent@766", TransferOutcome::DataFailed, 765 },
        { false, "hangup@512", TransferOutcome::DataFailed, 511 },
        { true, "short@255", TransferOutcome::HandshakeFailed, -1 },
        { true, "silent@0", TransferOutcome::HandshakeFailed, -1 },
        { true, "hangup@255", TransferOutcome::HandshakeFailed, -1 },
        { true, "short@100", TransferOutcome::DataFailed, 99 },
        { true, "silent@200", TransferOutcome::DataFailed, 199 },
        { true, "hangup@1", TransferOutcome::DataFailed, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.read ? "read, " : "write, ") + c.fault);
        BoxsimProcess box({ "--id", "132", "--fault", c.fault });
        ASSERT_FALSE(box.path.isEmpty());
        ProjectState project;
        const std::string before = WriteProjectText(project);
        RecordingObserver observer;
        TransferOutcome outcome;
        if (c.read) {
            ReadTransfer read(project, LinkTo(box), observer, NoWait);
            outcome = RunWithDeadline(read);
            EXPECT_FALSE(read.TakeProject());
        } else {
            WriteTransfer write(project, LinkTo(box), observer, NoWait);
            outcome = RunWithDeadline(write);
        }
        EXPECT_EQ(outcome, c.outcome);
        EXPECT_EQ(observer.messages, std::vector<std::string> { kCheckConnectionMessage });
        EXPECT_EQ(observer.progress, c.progress);
        EXPECT_EQ(observer.finishedCalls, 1);
        EXPECT_EQ(WriteProjectText(project), before);
    }
}

TEST(PtyTransfer, APseudoTerminalOpensWithoutModemLines)
{
    BoxsimProcess box({});
    ASSERT_FALSE(box.path.isEmpty());
    SerialLink link(box.path);
    ASSERT_TRUE(link.Open());
    EXPECT_TRUE(link.SetDtr(true)); // skipped: there is no line to raise
    EXPECT_TRUE(link.SetDtr(false));
    EXPECT_FALSE(link.LowLatency()); // not a USB converter
    link.Close();
    EXPECT_FALSE(link.SetDtr(true)); // closed
}

} // namespace
