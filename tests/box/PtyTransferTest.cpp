// Transfers end to end over a pseudo-terminal: the serial link as Ramvik uses
// it with --port, against ramvik-boxsim in its own process.
#include "BoxTestSupport.h"

#include <ProjectFile.h>
#include <Protocol.h>
#include <SerialLink.h>

#include <QFile>
#include <QTemporaryDir>

#include <fstream>

namespace {

std::function<std::unique_ptr<Link>()> LinkTo(const BoxsimProcess& box)
{
    return [path = box.path] { return std::make_unique<SerialLink>(path); };
}

TEST(PtyTransfer, WriteThenReadGivesBackTheProject)
{
    BoxsimProcess crBox({ "--id", "132" });
    BoxsimProcess turboBox({ "--id", "213" });
    std::mt19937 random(1206);
    for (int i = 0; i < 9; ++i) {
        const int boxType = i % 3;
        ProjectState project;
        if (i < 3)
            project.SetBoxType(boxType); // the default project
        else
            RandomBoxProject(project, boxType, random);
        SCOPED_TRACE("project " + std::to_string(i) + ", box type " + std::to_string(boxType));
        WriteThenRead(LinkTo(boxType == 2 ? turboBox : crBox), project);
    }
}

TEST(PtyTransfer, TheToolServesTransfersSavesOnSigtermAndLoadsWhatItSaved)
{
    QTemporaryDir dir;
    const QString saved = dir.filePath("saved"), loaded = dir.filePath("loaded");
    std::ofstream(loaded.toStdString()) << "767 5\n\n252 100\n";
    ProjectState project;
    project.curveDelay = 340;
    {
        BoxsimProcess box({ "--id", "132", "--load", loaded, "--save", saved });
        WriteThenRead(LinkTo(box), project);
        EXPECT_EQ(box.Stop(), 0);
    }
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_EQ(text.count('\n'), 768);
    for (const char* line : { "\n252 170\n", "\n255 132\n", "\n767 5\n" }) // 767: loaded
        EXPECT_TRUE(text.contains(line)) << line;
    BoxsimProcess box({ "--id", "132", "--load", saved });
    RecordingObserver observer;
    const ProjectState current;
    ReadTransfer read(current, LinkTo(box)(), observer, NoWait);
    ASSERT_EQ(RunWithDeadline(read), TransferOutcome::Completed);
    EXPECT_EQ(read.TakeProject()->curveDelay, 340);
}

TEST(PtyTransfer, EveryFaultEndsWithItsMessage)
{
    struct Case {
        bool read;
        const char* fault;
        TransferOutcome outcome;
        int progress; // -1: never moved
    } cases[] = {
        { false, "short@0", TransferOutcome::HandshakeFailed, -1 },
        { true, "silent@255", TransferOutcome::HandshakeFailed, -1 },
        { false, "hangup@0", TransferOutcome::HandshakeFailed, -1 },
        { true, "short@100", TransferOutcome::DataFailed, 99 },
        { false, "silent@766", TransferOutcome::DataFailed, 765 },
        { true, "hangup@1", TransferOutcome::DataFailed, 0 },
        { false, "hangup@512", TransferOutcome::DataFailed, 511 },
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
            ReadTransfer read(project, LinkTo(box)(), observer, NoWait);
            outcome = RunWithDeadline(read);
            EXPECT_FALSE(read.TakeProject());
        } else {
            WriteTransfer write(project, LinkTo(box)(), observer, NoWait);
            outcome = RunWithDeadline(write);
        }
        EXPECT_EQ(outcome, c.outcome);
        EXPECT_EQ(observer.messages, std::vector<std::string> { kCheckConnectionMessage });
        EXPECT_EQ(observer.progress, c.progress);
        EXPECT_EQ(observer.finishedCalls, 1);
        EXPECT_EQ(WriteProjectText(project), before);
        EXPECT_EQ(box.Stop(), 0); // the tool outlives its faults
    }
}

} // namespace
