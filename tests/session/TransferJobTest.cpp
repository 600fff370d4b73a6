// What the session's transfer jobs tell their dialog and the tool besides the
// transfer's own reports: the time left, the box they met, and for a write
// whether it was checked and where it was kept (the history's listing:
// tests/tools; the cells counted: the dialogs' tests in tests/app).

#include "SessionTestSupport.h"

#include <BoxSimulator.h>
#include <DemoLink.h>
#include <ProjectFile.h>
#include <Protocol.h>
#include <TransferProgress.h>
#include <WriteHistory.h>

#include <filesystem>
#include <fstream>
#include <future>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

using namespace std::chrono_literals;

// A session on a box of its own, which starts empty.
struct BoxSession {
    BoxSession()
    {
        session.SetLinkFactory([box = box] { return std::make_unique<CDemoLink>(box); });
    }
    void AddFault(const char* text)
    {
        BoxFault fault;
        ASSERT_TRUE(ParseBoxFault(text, fault)) << text;
        box->AddFault(fault);
    }
    std::shared_ptr<CBoxSimulator> box = std::make_shared<CBoxSimulator>(kCrBoxId);
    CSession session;
};

// The time left comes from the rate of the running phase, measured from its
// first cell; the link's opening and a phase before it do not count.
TEST(TransferCells, TimeLeftFollowsTheRateOfThePhase)
{
    const CTimeLeft::Clock::time_point t0 {};
    CTimeLeft left(1000);
    EXPECT_LT(left.Update(10, t0 + 5s), 0) << "the first cell of a phase says nothing";
    EXPECT_DOUBLE_EQ(left.Update(110, t0 + 6s), 8.9) << "100 cells a second, 890 to go";
    EXPECT_DOUBLE_EQ(left.Update(1000, t0 + 7s), 0.0);

    left.Restart(); // a slower phase: 10 cells a second
    EXPECT_LT(left.Update(500, t0 + 60s), 0);
    EXPECT_DOUBLE_EQ(left.Update(510, t0 + 61s), 49.0);
    EXPECT_DOUBLE_EQ(left.Update(1200, t0 + 62s), 0.0) << "past the total";
}

// What a write tells about itself once finished: the box it met, whether it
// was checked and what the check found, and its history entry. A verified,
// an unverified, a differing and a cut-short write: the dialog's sentences
// (tests/app TransferDialog).
TEST(WriteJobFacts, TheBoxTheCheckAndTheHistoryEntry)
{
    struct Row {
        const char* what;
        bool verify;
        std::vector<const char*> faults; // each taken by the first frame at its cell
        const char* history; // in the test's folder, where a file "blocked" lies
        TransferOutcome outcome;
        WriteKept kept;
    };
    const Row rows[] = {
        { "verified", true, {}, "History/", TransferOutcome::Completed, WriteKept::Kept },
        { "the read-back lost the box", true, { "forget@1", "short@1" }, "History/",
            TransferOutcome::VerifyFailed, WriteKept::Kept },
        { "no history folder", true, {}, nullptr, TransferOutcome::Completed, WriteKept::NoFolder },
        { "a file where the history should be", true, {}, "blocked/History/",
            TransferOutcome::Completed, WriteKept::Failed },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CTempFolder folder;
        std::ofstream(folder.File("blocked")) << "a file where the history should be";
        const std::string history = row.history ? folder.File(row.history) : std::string();
        BoxSession box;
        for (const char* fault : row.faults)
            box.AddFault(fault);
        box.session.SetHistoryFolder(history);
        const std::unique_ptr<CWriteJob> job = box.session.MakeWriteJob(row.verify);
        EXPECT_EQ(RunJob(*job), row.outcome);
        EXPECT_EQ(job->BoxIdentification(), kCrBoxId);
        EXPECT_EQ(job->Verifies(), row.verify);
        EXPECT_TRUE(job->Difference().Empty());
        EXPECT_EQ(job->Kept(), row.kept);
        const std::vector<HistoryEntry> entries = ListHistory(history);
        EXPECT_EQ(job->HistoryEntry(), entries.empty() ? "" : entries.front().projectPath)
            << "kept only when it says so";
        EXPECT_EQ(job->HistoryEntry().empty(), row.kept != WriteKept::Kept);
        // A sheet printed from the entry says how the write was checked.
        if (row.kept == WriteKept::Kept) {
            const std::optional<UserText> note = HistoryNote(job->HistoryEntry());
            ASSERT_TRUE(note.has_value());
            const std::string check = !row.verify           ? "off"
                : row.outcome == TransferOutcome::Completed ? "yes"
                                                            : "no";
            EXPECT_NE(note->English().find("Written into box 132 on "), std::string::npos);
            EXPECT_NE(note->English().find("; verified: " + check + "."), std::string::npos)
                << note->English();
        }
        EXPECT_EQ(job->HistoryProblem().empty(), row.kept != WriteKept::Failed);
        // A write not kept for want of a history is done all the same; the
        // user is told.
        const bool told = row.kept == WriteKept::NoFolder || row.kept == WriteKept::Failed;
        EXPECT_EQ(job->Notes().size(), told ? 1u : 0u);
    }
}

// An entry whose note is no file of a note's size is left out at once, as
// one without a note: a FIFO once hung the listing.
TEST(WriteHistoryEntries, ANoteThatIsNoSmallFileLeavesItsEntryOut)
{
    CTempFolder folder;
    const std::string history = folder.File("History/");
    std::string error;
    ASSERT_TRUE(RecordWrite(
        history, WriteProjectText(ProjectState()), kCrBoxId, WriteCheck::Verified, error))
        << error;
    const std::string note = "Written: 2000-01-01 00:00:00\nBox: 132\nVerified: yes\n";
    for (const char* stem : { "2000-01-01_00-00-00.000", "2000-01-01_00-00-01.000" }) {
        std::ofstream(history + stem + ".rmvp", std::ios::binary)
            << WriteProjectText(ProjectState());
        std::ofstream(history + stem + ".txt", std::ios::binary) << note;
    }
    std::filesystem::resize_file(history + "2000-01-01_00-00-00.000.txt", (1 << 20) + 1);
#ifdef _WIN32
    std::filesystem::resize_file(history + "2000-01-01_00-00-01.000.txt", (1 << 20) + 1);
#else
    std::filesystem::remove(history + "2000-01-01_00-00-01.000.txt");
    ASSERT_EQ(mkfifo((history + "2000-01-01_00-00-01.000.txt").c_str(), 0600), 0);
#endif
    auto listing = std::async(std::launch::async, [&] { return ListHistory(history); });
    ASSERT_EQ(listing.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(listing.get().size(), 1u);
}

} // namespace
