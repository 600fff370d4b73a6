// Transfers end to end over a pseudo-terminal: the serial link as Ramvik uses
// it with --port, against ramvik-boxsim in its own process.
#include "BoxTestSupport.h"
#include "BoxsimProcess.h"

#include <ProjectFile.h>
#include <Protocol.h>
#include <SerialLink.h>

#include <QFile>
#include <QTemporaryDir>

#include <fstream>

namespace {

std::function<std::unique_ptr<CLink>()> LinkTo(const CBoxsimProcess& box)
{
    return [path = box.path] { return std::make_unique<CSerialLink>(path); };
}

TEST(PtyTransfer, WriteThenReadGivesBackTheProject)
{
    CBoxsimProcess crBox({ "--id", "132" });
    CBoxsimProcess turboBox({ "--id", "213" });
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
        CBoxsimProcess box({ "--id", "132", "--load", loaded, "--save", saved });
        WriteThenRead(LinkTo(box), project);
        EXPECT_EQ(box.Stop(), 0);
    }
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_EQ(text.count('\n'), 768);
    for (const char* line : { "\n252 170\n", "\n255 132\n", "\n767 5\n" }) // 767: loaded
        EXPECT_TRUE(text.contains(line)) << line;
    CBoxsimProcess box({ "--id", "132", "--load", saved });
    RecordingObserver observer;
    auto [outcome, back] = RunTransfer(true, ProjectState(), LinkTo(box)(), observer);
    ASSERT_EQ(outcome, TransferOutcome::Completed);
    EXPECT_EQ(back->curveDelay, 340);
}

TEST(PtyTransfer, EveryFaultEndsWithItsMessage)
{
    using O = TransferOutcome;
    const char* const kCheck = kCheckConnectionMessage;
    struct Case {
        bool read;
        const char* fault;
        O outcome;
        const char* message;
        int progress; // -1: never moved, the handshake failed
    } cases[] = {
        { false, "short@0", O::HandshakeFailed, kCheck, -1 },
        { true, "short@100", O::DataFailed, kCheck, 99 },
        { false, "silent@766", O::DataFailed, kCheck, 765 },
        { false, "hangup@512", O::DataFailed, kCheck, 511 },
        // the extra byte comes in the same write as the answer
        { true, "stray@253", O::DataFailed, kCheck, kReadProgressEnd },
        { false, "forget@254", O::VerifyFailed,
            "The box holds other values than were written: cell 254 (start delay): box 0, "
            "written 60.",
            kVerifiedWriteProgressEnd },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.read ? "read, " : "write, ") + c.fault);
        CBoxsimProcess box({ "--id", "132", "--fault", c.fault });
        ProjectState project;
        const std::string before = WriteProjectText(project);
        RecordingObserver observer;
        auto [outcome, built] = RunTransfer(c.read, project, LinkTo(box)(), observer);
        EXPECT_EQ(outcome, c.outcome);
        EXPECT_FALSE(built);
        EXPECT_EQ(observer.messages, std::vector<std::string> { c.message });
        EXPECT_EQ(observer.progress, c.progress);
        EXPECT_EQ(observer.finishedCalls, 1);
        EXPECT_EQ(WriteProjectText(project), before);
        EXPECT_EQ(box.Stop(), 0); // the tool outlives its faults
    }
}

} // namespace
