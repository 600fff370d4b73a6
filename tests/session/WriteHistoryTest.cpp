// The session's write history: which writes it keeps, the line a printed
// entry carries, and the note when it cannot be kept. Compare, the read-back
// and listing the history: tests/app, tests/tools and tests/box.

#include "SessionTestSupport.h"

#include <BoxSimulator.h>
#include <DemoLink.h>
#include <ProjectFile.h>
#include <Protocol.h>
#include <WriteHistory.h>

namespace {

// Which writes are kept, and what their entry says: a write cut short sent
// no project to keep.
TEST(WriteHistory, KeepsEveryWriteThatSentItsCells)
{
    struct Row {
        const char* what;
        const char* fault;
        bool kept;
        WriteCheck check;
    };
    const Row rows[] = {
        { "a forgotten cell", "forget@100", true, WriteCheck::Differed },
        { "cut short", "short@300", false, WriteCheck::Off },
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
        ASSERT_TRUE(ParseBoxFault(row.fault, fault));
        box->AddFault(fault);
        const std::unique_ptr<CTransferJob> job = session.MakeWriteJob();
        RunJob(*job);
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

// A history that cannot be written, or no data folder to keep it in, does not
// fail the write; the user is told.
TEST(WriteHistory, UnwritableHistoryIsANoteNotAFailure)
{
    CTempFolder folder;
    WriteBytes(folder.File("blocked"), "a file where the folder should be");
    const std::string blocked = folder.File("blocked") + "/History/";
    const std::pair<std::string, std::string> rows[] = {
        { blocked, kHistoryNotKeptMessage + blocked + "\n\n" },
        { "", kHistoryNotKeptMessage + std::string(kNoHistoryFolderReason) }, // no data folder
    };
    for (const auto& [history, note] : rows) {
        SCOPED_TRACE(history);
        CSession session;
        session.UseDemoBox();
        session.SetHistoryFolder(history);
        const std::unique_ptr<CTransferJob> job = session.MakeWriteJob();
        EXPECT_EQ(RunJob(*job), TransferOutcome::Completed);
        ASSERT_EQ(job->Notes().size(), 1u);
        EXPECT_EQ(job->Notes()[0].rfind(note, 0), 0u) << job->Notes()[0];
    }
}

} // namespace
