// The session's checked transfers: the compare job, the write history and
// the notes a transfer leaves for its user.

#include "SessionTestSupport.h"

#include <BoxSimulator.h>
#include <CompareJob.h>
#include <DemoLink.h>
#include <ProjectFile.h>
#include <Protocol.h>
#include <Punt.h>
#include <WriteHistory.h>

namespace {

// A compare leaves the project alone, and taking the box's project installs
// it as a read does.
TEST(CheckedTransfer, CompareLeavesTheProjectUntilTheBoxIsTaken)
{
    CSession session;
    session.UseDemoBox(); // holds the default project
    session.Project().crCurve->Add(2.0, 3.0);
    session.Project().curveDelay = 340;
    const std::string edited = WriteProjectText(session.Project());
    const std::unique_ptr<CCompareJob> job = session.MakeCompareJob();
    // Edits made while the box is read do not change what is compared.
    session.Project().curveDelay = 100;
    CRecordingObserver observer;
    EXPECT_EQ(RunJob(*job, observer), TransferOutcome::Completed);
    EXPECT_FALSE(observer.replaced);
    ASSERT_TRUE(job->Compared());
    EXPECT_EQ(job->Differences(),
        (std::vector<std::string> { "Curve delay: project 340, box 200.",
            "CR point at 2 V: output 3 V in the project, none in the box." }));
    session.Project().curveDelay = 340;
    EXPECT_EQ(WriteProjectText(session.Project()), edited);

    ASSERT_TRUE(session.TakeBoxProject(*job));
    EXPECT_EQ(WriteProjectText(session.Project()), WriteProjectText(ProjectState()));
    // As after a read: the box's project is stored in no file yet.
    EXPECT_TRUE(session.HasUnsavedChanges());
    EXPECT_EQ(session.Project().fileName, kUntitledFileName);
    EXPECT_FALSE(session.TakeBoxProject(*job)) << "handed over once";
}

// Which writes are kept, and what their entry says.
TEST(CheckedTransfer, HistoryKeepsEveryWriteThatSentItsCells)
{
    struct Row {
        const char* what;
        const char* fault; // empty: none
        bool verify;
        bool kept;
        WriteCheck check;
    };
    const Row rows[] = {
        { "verified", "", true, true, WriteCheck::Verified },
        { "not verified", "", false, true, WriteCheck::Off },
        { "a forgotten cell", "forget@100", true, true, WriteCheck::Differed },
        { "cut short", "short@300", true, false, WriteCheck::Off },
        { "failed handshake", "silent@255", true, false, WriteCheck::Off },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CTempFolder folder;
        CSession session;
        // A box fresh from the factory holds zeros, so a forgotten cell
        // keeps another value than the one written.
        auto box = std::make_shared<CBoxSimulator>(kCrBoxId);
        session.SetLinkFactory([box] { return std::make_unique<CDemoLink>(box); });
        session.SetHistoryFolder(folder.File("History/"));
        BoxFault fault;
        if (ParseBoxFault(row.fault, fault))
            box->AddFault(fault);
        const std::unique_ptr<CTransferJob> job = session.MakeWriteJob(row.verify);
        CRecordingObserver observer;
        RunJob(*job, observer);
        EXPECT_TRUE(job->Notes().empty());
        const std::vector<HistoryEntry> entries = ListHistory(folder.File("History/"));
        ASSERT_EQ(entries.size(), row.kept ? 1u : 0u);
        if (!row.kept)
            continue;
        EXPECT_EQ(entries[0].check, row.check);
        EXPECT_EQ(entries[0].boxIdentification, 132);
        EXPECT_EQ(FileBytes(entries[0].projectPath), WriteProjectText(session.Project()));
        EXPECT_EQ(HistoryNote(entries[0].projectPath),
            "Written into box 132 on " + entries[0].time
                + "; verified: " + WriteCheckWord(row.check) + ".");
    }
}

TEST(CheckedTransfer, HistoryListsNewestFirstAndIgnoresStrangers)
{
    CTempFolder folder;
    const std::string history = folder.File("History/");
    std::string error;
    ASSERT_TRUE(RecordWrite(history, "first", 132, WriteCheck::Verified, error)) << error;
    ASSERT_TRUE(RecordWrite(history, "second", 213, WriteCheck::Off, error)) << error;
    ASSERT_TRUE(RecordWrite(history, "third", 132, WriteCheck::Differed, error)) << error;
    WriteBytes(history + "stranger.rmvp", "no sidecar");
    WriteBytes(history + "odd.rmvp", "");
    WriteBytes(history + "odd.txt", "Written: yesterday\nBox: 132\nVerified: maybe\n");
    const std::vector<HistoryEntry> entries = ListHistory(history);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(FileBytes(entries[0].projectPath), "third");
    EXPECT_EQ(FileBytes(entries[1].projectPath), "second");
    EXPECT_EQ(FileBytes(entries[2].projectPath), "first");
    EXPECT_EQ(entries[1].boxIdentification, 213);
    EXPECT_EQ(HistoryNote(history + "stranger.rmvp"), std::nullopt);
}

// A history that cannot be written does not fail the write; the user is told.
TEST(CheckedTransfer, UnwritableHistoryIsANoteNotAFailure)
{
    CTempFolder folder;
    WriteBytes(folder.File("blocked"), "a file where the folder should be");
    CSession session;
    session.UseDemoBox();
    const std::string history = folder.File("blocked") + "/History/";
    session.SetHistoryFolder(history);
    const std::unique_ptr<CTransferJob> job = session.MakeWriteJob();
    CRecordingObserver observer;
    EXPECT_EQ(RunJob(*job, observer), TransferOutcome::Completed);
    ASSERT_EQ(job->Notes().size(), 1u);
    EXPECT_EQ(job->Notes()[0].rfind(kHistoryNotKeptMessage + history + "\n\n", 0), 0u)
        << job->Notes()[0];
}

} // namespace
