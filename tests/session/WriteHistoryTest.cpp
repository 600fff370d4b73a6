// The session's write history: a write it does not keep, and the note when it
// cannot be kept. Compare, the read-back, the entries and listing the
// history: tests/app, tests/tools and tests/box.

#include "SessionTestSupport.h"

#include <BoxSimulator.h>
#include <DemoLink.h>
#include <Protocol.h>
#include <WriteHistory.h>

#include <fstream>

namespace {

// A write cut short sent no project, so none is kept. A completed write whose
// read-back differed is kept with what it found: tests/tools (CliBox).
TEST(WriteHistory, AWriteCutShortIsNotKept)
{
    CTempFolder folder;
    CSession session;
    auto box = std::make_shared<CBoxSimulator>(kCrBoxId);
    session.SetLinkFactory([box] { return std::make_unique<CDemoLink>(box); });
    session.SetHistoryFolder(folder.File("History/"));
    BoxFault fault;
    ASSERT_TRUE(ParseBoxFault("short@300", fault));
    box->AddFault(fault);
    const std::unique_ptr<CTransferJob> job = session.MakeWriteJob();
    EXPECT_NE(RunJob(*job), TransferOutcome::Completed);
    EXPECT_TRUE(job->Notes().empty());
    EXPECT_TRUE(ListHistory(folder.File("History/")).empty());
}

// A history that cannot be written, or no data folder to keep it in, does not
// fail the write; the user is told.
TEST(WriteHistory, UnwritableHistoryIsANoteNotAFailure)
{
    CTempFolder folder;
    std::ofstream(folder.File("blocked")) << "a file where the folder should be";
    const std::string blocked = folder.File("blocked") + "/History/";
    const std::pair<std::string, std::string> rows[] = {
        { blocked, "The write was not kept in the history:\n\n" + blocked + "\n\n" },
        { "", NoHistoryFolderNote().English() }, // no data folder
    };
    for (const auto& [history, note] : rows) {
        SCOPED_TRACE(history);
        CSession session;
        session.UseDemoBox();
        session.SetHistoryFolder(history);
        const std::unique_ptr<CTransferJob> job = session.MakeWriteJob();
        EXPECT_EQ(RunJob(*job), TransferOutcome::Completed);
        ASSERT_EQ(job->Notes().size(), 1u);
        const std::string written = job->Notes()[0].English();
        EXPECT_EQ(written.rfind(note, 0), 0u) << written;
    }
}

} // namespace
