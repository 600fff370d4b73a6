// The write journal: how each end of a write lands in the history, the box
// that a stopped write leaves behind, which writes count as unfinished, and
// a history folder that other computers write into at the same time. The
// tool's stops by signal and its listing: tests/tools (CliStop, CliHistory).

#include "SessionTestSupport.h"

#include <BoxSimulator.h>
#include <DemoLink.h>
#include <ProjectFile.h>
#include <Protocol.h>
#include <WriteHistory.h>

#include <fstream>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

// Asks for a stop from another thread, as the window's Stop button does, once
// the transfer has reported this progress position; the position's frame has
// been answered then, and the next has not gone out.
class CStoppingObserver : public CSilentObserver {
public:
    CStoppingObserver(CTransferJob& job_, int at_)
        : job(job_)
        , at(at_)
    {
    }
    void Progress(int position) override
    {
        if (position != at)
            return;
        std::thread button([this] { job.RequestStop(); });
        button.join();
    }
    void PhaseStarted(TransferPhase phase) override { phases.push_back(phase); }

    std::vector<TransferPhase> phases;

private:
    CTransferJob& job;
    int at;
};

// A session on a CR box of its own that holds the cells of another project.
struct JournalBox {
    JournalBox()
    {
        ProjectState other;
        other.stopVoltage = 4.0;
        other.crCurve.Add(3.0, 3.5);
        other.turboCurve.Add(2.0, 3.0);
        const BoxTable cells = ComputeBoxTable(other);
        for (int cell = 0; cell <= kLastWrittenCell; ++cell)
            box->SetCell(cell, cell == kIdentificationCell ? kCrBoxId : int(cells[cell]));
        oldCells = box->Cells();
        session.SetLinkFactory([box = box] { return std::make_unique<CDemoLink>(box); });
        session.SetHistoryFolder(folder.File("History"));
    }
    std::shared_ptr<CBoxSimulator> box = std::make_shared<CBoxSimulator>(kCrBoxId);
    std::array<int, CBoxSimulator::kCells> oldCells {};
    CTempFolder folder;
    CSession session;
};

// Positions of a verified write with its backup: the backup reads 0..255,
// then each position is kBackupShift later.
constexpr int kAtBackupCell = 100;
constexpr int kAtCell460 = kBackupShift + 460; // both projects differ from here on
constexpr int kAtCheckedCell = kBackupShift + kVerifyProgressStart + 40;

// Each end of a write is one outcome in its entry, and the box holds what the
// outcome says: the new project up to the cell it names, the old one after.
TEST(WriteJournal, EachEndOfAWriteIsOneOutcome)
{
    struct Row {
        const char* what;
        bool verify;
        const char* fault; // as ramvik-boxsim takes it; empty: none
        int stopAt; // progress position of the stop; -1: none
        TransferOutcome outcome;
        WriteOutcome kept;
        int cell; // the entry's cell for a stop or a failure
        int lastNewCell; // the box holds the new project up to this cell
        bool before; // what the box held is kept beside the entry
    };
    const Row rows[] = {
        { "verified", true, "", -1, TransferOutcome::Completed, WriteOutcome::Verified, -1,
            kLastWrittenCell, true },
        { "not verified", false, "", -1, TransferOutcome::Completed, WriteOutcome::NotVerified, -1,
            kLastWrittenCell, true },
        { "a cell the box forgot", true, "forget@1", -1, TransferOutcome::VerifyFailed,
            WriteOutcome::Differs, -1, kLastWrittenCell, true },
        { "the line lost in the check", true, "short@1/3", -1, TransferOutcome::VerifyFailed,
            WriteOutcome::CheckCutOff, -1, kLastWrittenCell, true },
        { "the line lost at cell 300", true, "short@300", -1, TransferOutcome::DataFailed,
            WriteOutcome::Failed, 300, 300, true },
        { "stopped during the backup", true, "", kAtBackupCell, TransferOutcome::HandshakeFailed,
            WriteOutcome::Stopped, -1, -1, false },
        { "stopped after cell 460", true, "", kAtCell460, TransferOutcome::DataFailed,
            WriteOutcome::Stopped, 460, 460, true },
        { "stopped in the check", true, "", kAtCheckedCell, TransferOutcome::VerifyFailed,
            WriteOutcome::CheckCutOff, -1, kLastWrittenCell, true },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        JournalBox box;
        BoxFault fault;
        if (ParseBoxFault(row.fault, fault))
            box.box->AddFault(fault);
        const std::unique_ptr<CWriteJob> job = box.session.MakeWriteJob(row.verify);
        CStoppingObserver observer(*job, row.stopAt);
        EXPECT_EQ(job->Run(observer), row.outcome);
        job->Finish();
        EXPECT_EQ(job->Stopped(), row.stopAt >= 0);

        const std::vector<HistoryEntry> entries = ListHistory(box.session.HistoryFolder());
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(job->Kept(), WriteKept::Kept);
        EXPECT_EQ(job->HistoryEntry(), entries[0].projectPath);
        EXPECT_EQ(entries[0].outcome, row.kept) << WriteOutcomeText(entries[0]).English();
        EXPECT_EQ(job->JournalEntry().outcome, row.kept);
        if (row.kept == WriteOutcome::Stopped || row.kept == WriteOutcome::Failed) {
            EXPECT_EQ(entries[0].cell, row.cell);
        }
        EXPECT_EQ(entries[0].difference.empty(), row.kept != WriteOutcome::Differs);
        EXPECT_EQ(entries[0].beforePath.empty(), !row.before);

        const BoxTable written = ComputeBoxTable(box.session.Project());
        const std::array<int, CBoxSimulator::kCells> now = box.box->Cells();
        for (int cell = 0; cell <= kLastWrittenCell; ++cell) {
            if (cell == kIdentificationCell || (row.fault[0] == 'f' && cell == 1))
                continue; // the identification; the cell the box forgot
            const int expected = cell <= row.lastNewCell
                ? (cell < kIdentificationCell ? int(std::lround(written[cell]))
                                              : int(written[cell]))
                : box.oldCells[cell];
            ASSERT_EQ(now[cell], expected) << "cell " << cell;
        }
    }
}

// Before the first data frame the entry says "started", with what the box
// held beside it; it is completed only when the write has ended.
TEST(WriteJournal, StartedBeforeTheFirstDataFrame)
{
    struct WatchingObserver : CSilentObserver {
        void PhaseStarted(TransferPhase phase) override
        {
            if (phase == TransferPhase::Writing)
                seen = ListHistory(folder);
        }
        std::string folder;
        std::vector<HistoryEntry> seen;
    };
    JournalBox box;
    box.session.Project().startVoltage = 2.0;
    const std::unique_ptr<CWriteJob> job = box.session.MakeWriteJob();
    job->SetJobFields({ "Mr Smith", "Golf 1.9 TDI", "AB-123", "injector 3\nreplaced" });
    WatchingObserver observer;
    observer.folder = box.session.HistoryFolder();
    EXPECT_EQ(job->Run(observer), TransferOutcome::Completed);
    ASSERT_EQ(observer.seen.size(), 1u);
    const HistoryEntry& started = observer.seen[0];
    EXPECT_EQ(started.outcome, WriteOutcome::Started);
    EXPECT_EQ(started.boxIdentification, kCrBoxId);
    EXPECT_EQ(started.job.note, "injector 3\nreplaced") << "a line break survives the facts";

    // The "before" is the box's old project, an ordinary project file.
    ProjectState before;
    ASSERT_TRUE(OpenProject(started.beforePath, before).ok);
    EXPECT_DOUBLE_EQ(before.stopVoltage, 4.0);
    const SmallFile copy = ReadProjectFileBytes(started.projectPath);
    ASSERT_EQ(copy.status, SmallFileStatus::Read);
    EXPECT_EQ(copy.bytes, WriteProjectText(box.session.Project()));
    EXPECT_EQ(ListHistory(box.session.HistoryFolder())[0].outcome, WriteOutcome::Verified);

    // A sheet printed from the copy says when, where and how it was written,
    // and for whom (its words: tests/app WriteJournalWindow).
    EXPECT_EQ(HistoryNoteLines(started.projectPath).size(), 4u);
    EXPECT_TRUE(HistoryNoteLines(started.beforePath).empty()) << "the before is no write";
}

// A backup the folder cannot take stops the write before its first cell;
// without the backup the write goes on and says it was not kept. With no
// data folder at all nothing is ever kept, and the write goes on.
TEST(WriteJournal, AHistoryThatCannotKeepTheWrite)
{
    struct Row {
        const char* what;
        const char* history; // in the test's folder, where a file "blocked" lies; null: none
        bool backup;
        TransferOutcome outcome;
        WriteKept kept;
        std::size_t notes;
    };
    const Row rows[] = {
        { "the backup cannot be kept", "blocked/History", true, TransferOutcome::HandshakeFailed,
            WriteKept::Failed, 0 },
        { "no backup, the entry cannot be kept", "blocked/History", false,
            TransferOutcome::Completed, WriteKept::Failed, 1 },
        { "no data folder", nullptr, true, TransferOutcome::Completed, WriteKept::NoFolder, 1 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        JournalBox box;
        std::ofstream(box.folder.File("blocked")) << "a file where the history should be";
        box.session.SetHistoryFolder(row.history ? box.folder.File(row.history) : std::string());
        box.session.SetBackupBeforeWrite(row.backup);
        const std::unique_ptr<CWriteJob> job = box.session.MakeWriteJob();
        EXPECT_EQ(RunJob(*job), row.outcome);
        EXPECT_EQ(box.box->Cells() == box.oldCells, row.outcome != TransferOutcome::Completed);
        EXPECT_EQ(job->Kept(), row.kept);
        EXPECT_EQ(job->Notes().size(), row.notes);
    }
}

HistoryEntry Entry(int box, WriteOutcome outcome, int cell = -1)
{
    HistoryEntry entry;
    entry.boxIdentification = box;
    entry.outcome = outcome;
    entry.cell = cell;
    entry.time = "2026-12-07 12:04:13";
    return entry;
}

// A box's write is unfinished when its newest entry started and never ended,
// or stopped or failed after taking a cell; a later write into the same box
// number that sent every cell clears it.
TEST(WriteJournal, WhichWritesLeaveTheBoxUnfinished)
{
    using O = WriteOutcome;
    struct Row {
        const char* what;
        std::vector<HistoryEntry> newestFirst;
        std::vector<int> unfinished; // the boxes
    };
    const Row rows[] = {
        { "killed", { Entry(132, O::Started) }, { 132 } },
        { "killed, then written again", { Entry(132, O::NotVerified), Entry(132, O::Started) },
            {} },
        { "killed, then another box written", { Entry(213, O::Verified), Entry(132, O::Started) },
            { 132 } },
        { "killed, then a write stopped before its first cell",
            { Entry(132, O::Stopped, -1), Entry(132, O::Started) }, { 132 } },
        { "stopped after cell 0", { Entry(132, O::Stopped, 0) }, { 132 } },
        { "failed at cell 0", { Entry(213, O::Failed, 0) }, { 213 } },
        { "every cell sent, the check differed or was cut off",
            { Entry(132, O::Differs), Entry(213, O::CheckCutOff) }, {} },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::vector<int> boxes;
        for (const HistoryEntry& entry : UnfinishedWrites(row.newestFirst))
            boxes.push_back(entry.boxIdentification);
        EXPECT_EQ(boxes, row.unfinished);
    }
}

// Another computer's entry that is only half written, a broken one and the
// file writer's temporary files are left out and counted; an older
// version's entry still reads.
TEST(HistoryFolder, EntriesHalfThereAreSkippedAndCounted)
{
    CTempFolder folder;
    const std::string history = folder.File("History");
    HistoryEntry whole;
    std::string error;
    ASSERT_TRUE(
        StartHistoryEntry(history, { 132, "ADC = 1\r\n", {}, "a.rmvp", "", "", {} }, whole, error))
        << error;
    const auto file = [&history](const std::string& name, const std::string& text) {
        std::ofstream(history + "/" + name) << text;
    };
    file("2026-12-07_10-00-00.000_OTHER-PC_0000beef.rmvp", "ADC = 1\r\n"); // no facts yet
    file("2026-12-07_10-00-01.000_OTHER-PC_0000cafe.txt",
        "Written: x\nBox: 132\nOutcome: verified\n");
    file("2026-12-07_10-00-02.000_OTHER-PC_0000f00d.rmvp", "ADC = 1\r\n");
    file("2026-12-07_10-00-02.000_OTHER-PC_0000f00d.txt", "Written: x\nBox: 132\n"); // no outcome
    file(".ramvik-0123456789abcdef.tmp", "half a file");
    file("2026-12-06_09-00-00.000.rmvp", "ADC = 1\r\n");
    file("2026-12-06_09-00-00.000.txt", "Written: 2026-12-06 09:00:00\nBox: 213\nVerified: yes\n");
    int halfThere = 3;
#ifndef _WIN32
    // A facts file that is no regular file (a FIFO once hung the listing).
    file("2026-12-07_10-00-03.000_OTHER-PC_00000fff.rmvp", "ADC = 1\r\n");
    ASSERT_EQ(
        mkfifo((history + "/2026-12-07_10-00-03.000_OTHER-PC_00000fff.txt").c_str(), 0600), 0);
    ++halfThere;
#endif

    const HistoryListing listing = ReadHistory(history);
    EXPECT_TRUE(listing.readable);
    EXPECT_EQ(listing.skipped, halfThere);
    ASSERT_EQ(listing.entries.size(), 2u);
    EXPECT_EQ(listing.entries[0].name, whole.name) << "newest first";
    EXPECT_EQ(listing.entries[1].boxIdentification, 213);
    EXPECT_EQ(listing.entries[1].outcome, WriteOutcome::Verified);

    // A file where the folder should be cannot be listed.
    std::ofstream(folder.File("plain")) << "no folder";
    const HistoryListing unreadable = ReadHistory(folder.File("plain"));
    EXPECT_FALSE(unreadable.readable);
    EXPECT_FALSE(unreadable.problem.empty());
}

// A search finds its text in any field, in any case; --box keeps one box.
TEST(HistoryFolder, SearchLooksAtEveryField)
{
    HistoryEntry entry = Entry(132, WriteOutcome::Stopped, 301);
    entry.name = "2026-12-07_12-04-13.123_WORKSHOP-1_9f3a1c2e";
    entry.computer = "WORKSHOP-1";
    entry.projectName = "golf.rmvp";
    entry.sourcePath = "/home/ana/Projects/golf.rmvp";
    entry.job = { "Müller GmbH", "VW Golf", "B-MW 1234", "after the injector change in Łódź" };
    struct Row {
        const char* text;
        int box;
        bool found;
    };
    const Row rows[] = {
        { "", 0, true },
        { "MÜLLER", 0, true },
        { "GOLF.RMVP", 0, true },
        { "b-mw", 0, true },
        { "injector", 0, true },
        { "workshop-1", 0, true },
        { "after cell 301", 0, true },
        { "2026-12-07 12:04", 0, true },
        { "golf", 213, false },
        { "golf", 132, true },
        { "passat", 0, false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(HistoryEntryMatches(entry, { row.text, row.box }), row.found);
    }
}

} // namespace
