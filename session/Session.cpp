#include "Session.h"

#include "CompareJob.h"
#include "DemoBox.h"
#include "RelayObserver.h"
#include "SessionSettings.h"
#include "TransferProgress.h"
#include "WriteHistory.h"

#include <DemoLink.h>
#include <ProjectFile.h>
#include <Protocol.h>
#include <SettingsCode.h>

#include <BoxTable.h>

#include <filesystem>

namespace {

// The link of a session that has no way to the box: it never opens.
class CAbsentLink : public CLink {
public:
    bool Open() override { return false; }
    bool SetLine(const LineSettings&) override { return false; }
    bool SetTimeouts(const Timeouts&) override { return false; }
    bool SetDtr(bool) override { return false; }
    bool Purge() override { return false; }
    bool SetFlowControlOff() override { return false; }
    IoResult Write(const char*, std::size_t) override { return {}; }
    IoResult Read(char*, std::size_t) override { return {}; }
    void Close() override { }
};

// The message of a write whose backup could not be kept: it did not start.
UserText BackupNotKeptMessage(const std::string& folder, const std::string& reason)
{
    return RAMVIK_TR("Session",
        "Nothing was written: what the box held could not be kept in the history first.\n\n"
        "%1\n\n%2\n\nTurn the backup off to write all the same.")
        .Arg(folder)
        .Arg(reason);
}

// How a write that reached the box ended, as its history entry says it.
WriteOutcome OutcomeOfWrite(TransferOutcome outcome, const CWriteTransfer& transfer, int& cell)
{
    cell = -1;
    if (transfer.Stopped()) {
        // A stop after the last cell cuts the check off; the box holds the
        // project all the same.
        if (transfer.LastCellSent() == kLastWrittenCell)
            return WriteOutcome::CheckCutOff;
        cell = transfer.LastCellSent();
        return WriteOutcome::Stopped;
    }
    switch (outcome) {
    case TransferOutcome::Completed:
    case TransferOutcome::ShutdownFailed:
        return transfer.Verifies() ? WriteOutcome::Verified : WriteOutcome::NotVerified;
    case TransferOutcome::VerifyFailed:
        return transfer.Difference().Empty() ? WriteOutcome::CheckCutOff : WriteOutcome::Differs;
    case TransferOutcome::DataFailed:
        cell = transfer.FailedCell();
        return WriteOutcome::Failed;
    default:
        break;
    }
    return WriteOutcome::Stopped; // nothing was sent
}

class CSessionWriteJob : public CWriteJob {
public:
    struct Setup {
        bool verify = true;
        bool backup = true;
        std::string historyFolder;
        std::string projectName; // the project's file name
        std::string sourcePath; // its full path, empty when in no file
        std::string restores; // the entry whose "before" this writes back
    };

    CSessionWriteJob(const ProjectState& project, std::unique_ptr<CLink> link, Setup setup_)
        : transfer(project, std::move(link), relay)
        , projectText(WriteProjectText(project))
        , setup(std::move(setup_))
    {
        transfer.SetVerify(setup.verify);
        transfer.SetBackup(setup.backup);
        transfer.SetBeforeFirstCell([this](const ReadCells* before) { return StartEntry(before); });
    }
    int LastPosition() const override { return transfer.LastProgress(); }
    int CellsDone(int position) const override
    {
        if (!transfer.BacksUp())
            return WrittenCells(position);
        if (position < kBackupShift)
            return ReadCellsDone(position);
        return kBackupShift + WrittenCells(position - kBackupShift);
    }
    TransferOutcome Run(CTransferObserver& observer) override
    {
        relay.target = &observer;
        outcome = transfer.Run();
        difference = transfer.Difference();
        EndEntry();
        return outcome;
    }
    void RequestStop() override { transfer.RequestStop(); }
    bool Stopped() const override { return transfer.Stopped(); }
    std::vector<UserText> Notes() const override { return notes; }
    int BoxIdentification() const override { return transfer.BoxIdentification(); }

    bool Verifies() const override { return transfer.Verifies(); }
    bool BacksUp() const override { return transfer.BacksUp(); }
    void SetJobFields(const WriteJobFields& fields) override { job = fields; }
    const WriteJobFields& JobFields() const override { return job; }
    const UserText& Difference() const override { return difference; }
    WriteKept Kept() const override { return kept; }
    const std::string& HistoryEntry() const override { return historyEntry; }
    const ::HistoryEntry& JournalEntry() const override { return entry; }
    const std::string& HistoryProblem() const override { return historyProblem; }
    UserText OutcomeMessage() const override
    {
        if (kept == WriteKept::NotSent || transfer.Stopped())
            return UserText(); // the transfer's own message says it all
        const std::string box = std::to_string(transfer.BoxIdentification());
        switch (entry.outcome) {
        case WriteOutcome::Verified:
            return RAMVIK_TR("Session", "Written into box %1; %2.")
                .Arg(box)
                .Arg(WriteOutcomeText(entry));
        case WriteOutcome::CheckCutOff:
            return RAMVIK_TR("Session",
                "Every cell was written into box %1, but the check was cut off: the write is not "
                "verified.")
                .Arg(box);
        case WriteOutcome::Failed:
            return RAMVIK_TR("Session",
                "The write failed at cell %1 of %2: the box now holds parts of two projects. "
                "Write the project again before the engine runs.")
                .Arg(std::to_string(entry.cell))
                .Arg(std::to_string(kLastWrittenCell));
        default:
            break;
        }
        return UserText();
    }

private:
    NewHistoryEntry Facts() const
    {
        NewHistoryEntry facts;
        facts.boxIdentification = transfer.BoxIdentification();
        facts.projectText = projectText;
        facts.projectName = setup.projectName;
        facts.sourcePath = setup.sourcePath;
        facts.restores = setup.restores;
        facts.job = job;
        return facts;
    }

    // On the worker, before the first data frame: the entry, marked started,
    // with what the box held. Without a place for the backup the write does
    // not start; without one for the journal alone it goes on, and the user
    // learns afterwards that it was not kept.
    UserText StartEntry(const ReadCells* before)
    {
        NewHistoryEntry facts = Facts();
        if (before) {
            ProjectState box;
            RebuildFromCells(*before, box);
            facts.beforeText = WriteProjectText(box);
        }
        // With no data folder at all nothing is ever kept, and the user
        // learns so afterwards; a folder that fails now may hold the backups
        // the user relies on, so the write waits until it can keep this one.
        if (setup.historyFolder.empty()) {
            kept = WriteKept::NoFolder;
            notes.push_back(NoHistoryFolderNote());
            return UserText();
        }
        if (!StartHistoryEntry(setup.historyFolder, facts, entry, historyProblem)) {
            kept = WriteKept::Failed;
            if (before)
                return BackupNotKeptMessage(setup.historyFolder, historyProblem);
            notes.push_back(HistoryNotKeptNote(setup.historyFolder, historyProblem));
            return UserText();
        }
        kept = WriteKept::Kept;
        historyEntry = entry.projectPath;
        return UserText();
    }

    // On the worker, once the transfer has ended: the entry's outcome. A
    // write stopped before it could start its entry is kept too, as
    // stopped before the first cell; one that failed before is not.
    void EndEntry()
    {
        // A write that ended before its first cell, unasked, changed nothing
        // and leaves no entry (a refused backup among them).
        const bool reachedCells = transfer.LastCellSent() >= 0 || transfer.FailedCell() >= 0;
        if (!reachedCells && !transfer.Stopped())
            return;
        if (kept == WriteKept::NotSent && transfer.Stopped() && transfer.BoxIdentification() != 0
            && !setup.historyFolder.empty()) {
            if (StartHistoryEntry(setup.historyFolder, Facts(), entry, historyProblem)) {
                kept = WriteKept::Kept;
                historyEntry = entry.projectPath;
            } else {
                kept = WriteKept::Failed;
                notes.push_back(HistoryNotKeptNote(setup.historyFolder, historyProblem));
                return;
            }
        }
        if (kept == WriteKept::NotSent)
            return;
        entry.boxIdentification = transfer.BoxIdentification();
        entry.job = job;
        entry.outcome = OutcomeOfWrite(outcome, transfer, entry.cell);
        entry.difference = difference.English();
        if (kept != WriteKept::Kept)
            return;
        if (!CompleteHistoryEntry(entry, historyProblem)) {
            kept = WriteKept::Failed;
            notes.push_back(HistoryNotKeptNote(setup.historyFolder, historyProblem));
        }
    }

    CRelayObserver relay; // before transfer, which keeps a reference to it
    CWriteTransfer transfer;
    std::string projectText; // the project as written, for the history
    Setup setup;
    WriteJobFields job;
    TransferOutcome outcome = TransferOutcome::NotOpened;
    std::vector<UserText> notes;
    UserText difference;
    WriteKept kept = WriteKept::NotSent;
    ::HistoryEntry entry;
    std::string historyEntry;
    std::string historyProblem;
};

class CReadJob : public CTransferJob {
public:
    CReadJob(CSession& session_, std::unique_ptr<CLink> link)
        : session(session_)
        , transfer(session_.Project(), std::move(link), relay)
    {
    }
    int LastPosition() const override { return kIdentificationCell; }
    int CellsDone(int position) const override { return ReadCellsDone(position); }
    TransferOutcome Run(CTransferObserver& observer) override
    {
        relay.target = &observer;
        return transfer.Run();
    }
    void RequestStop() override { transfer.RequestStop(); }
    bool Stopped() const override { return transfer.Stopped(); }
    bool Finish() override
    {
        std::unique_ptr<BoxReading> reading = transfer.TakeReading();
        if (!reading)
            return session.InstallRead(nullptr);
        warnings = reading->warnings;
        identification = reading->cells[kIdentificationCell];
        return session.InstallRead(std::move(reading->project));
    }
    std::vector<UserText> Notes() const override { return warnings; }
    int BoxIdentification() const override { return identification; }

private:
    CSession& session;
    std::vector<UserText> warnings;
    int identification = 0;
    CRelayObserver relay;
    CReadTransfer transfer;
};

} // namespace

UserText KeysNotFoundMessage()
{
    return RAMVIK_TR("Session",
        "Register Keys not found!\n\nPlease reinstall the program. The default values will be "
        "loaded.");
}

UserText KeyNotFoundMessage()
{
    return RAMVIK_TR("Session",
        "A register key was not found!\n\nPlease reinstall the program to correct this error. "
        "The default value for this setting will be loaded.");
}

std::string WithFolderSeparator(const std::string& path)
{
#ifdef _WIN32
    const bool ends = !path.empty() && (path.back() == '/' || path.back() == '\\');
    const char separator = '\\';
#else
    const bool ends = !path.empty() && path.back() == '/';
    const char separator = '/';
#endif
    return path.empty() || ends ? path : path + separator;
}

CSession::CSession()
{
    New();
}

CSession::~CSession() = default;

void CSession::New()
{
    project.New();
    filePath.clear();
    MarkSaved();
    RecordChange();
}

namespace {

// A project file's bytes, and what makes them no project (empty when they
// are one); read is false when the file could not be read, and refusal then
// says why when it is not "Can't open file!".
struct ProjectFileBytes {
    bool read = false;
    std::string bytes;
    UserText foreign;
    UserText refusal;
};

UserText ForeignFileMessage(const std::string& path, const UserText& reason)
{
    return RAMVIK_TR("Session", "%1 does not look like a Ramvik project: %2.")
        .Arg(FileNameOf(path))
        .Arg(reason);
}

// A file far larger than any project: refused by its size, unread, and
// without the question a foreign file gets, since it cannot be one.
UserText OversizeFileMessage(const std::string& path, std::uintmax_t size)
{
    return RAMVIK_TR("Session", "%1 is not a Ramvik project: %2 bytes.")
        .Arg(FileNameOf(path))
        .Number(static_cast<double>(size), 0);
}

ProjectFileBytes ReadProjectFile(const std::string& path)
{
    ProjectFileBytes file;
    SmallFile small = ReadProjectFileBytes(path);
    file.read = small.status == SmallFileStatus::Read;
    if (small.status == SmallFileStatus::TooLarge)
        file.refusal = OversizeFileMessage(path, small.size);
    else if (!file.read)
        file.refusal = RAMVIK_TR("Session", "Can't open file!");
    file.bytes = std::move(small.bytes);
    if (file.read)
        file.foreign = ForeignFileReason(file.bytes);
    return file;
}

void InstallProjectFile(
    const ProjectFileBytes& file, const std::string& path, ProjectState& project)
{
    ReadProjectText(file.bytes, project);
    project.fileName = FileNameOf(path);
}

} // namespace

SessionResult OpenProject(const std::string& path, ProjectState& project)
{
    const ProjectFileBytes file = ReadProjectFile(path);
    if (!file.read)
        return SessionResult::Failed(file.refusal);
    // No one is asked here: a letter or a damaged file would go into a box,
    // a printout or a table as the default project.
    if (!file.foreign.Empty())
        return SessionResult::Failed(ForeignFileMessage(path, file.foreign));
    InstallProjectFile(file, path, project);
    return SessionResult::Done();
}

SessionResult CSession::Open(const std::string& path, bool anyway)
{
    const ProjectFileBytes file = ReadProjectFile(path);
    if (!file.read)
        return SessionResult::Failed(file.refusal);
    SessionResult result;
    if (!file.foreign.Empty() && !anyway) {
        result.question = RAMVIK_TR("Session", "%1 Open it anyway?")
                              .Arg(ForeignFileMessage(path, file.foreign));
        return result;
    }
    InstallProjectFile(file, path, project);
    filePath = path;
    foreignPath = file.foreign.Empty() ? std::string() : path;
    MarkSaved();
    RecordChange();
    const std::vector<UserText> refusals = BoxRefusals(project);
    if (refusals.size() == 1)
        result.note = RAMVIK_TR("Session", "A box cannot hold this project as it stands: %1")
                          .Arg(refusals.front());
    else if (refusals.size() > 1)
        result.note
            = RAMVIK_TR("Session", "A box cannot hold this project as it stands: %1 (and %2 more)")
                  .Arg(refusals.front())
                  .Number(static_cast<double>(refusals.size() - 1), 0);
    return result;
}

SessionResult CSession::Save(bool replaceForeign)
{
    if (filePath.empty())
        return SessionResult::Failed(UserText());
    if (filePath == foreignPath && !replaceForeign) {
        SessionResult result;
        result.question = RAMVIK_TR(
            "Session", "%1 was no Ramvik project when it was opened. Replace it with this project?")
                              .Arg(FileNameOf(filePath));
        return result;
    }
    return SaveAs(filePath);
}

SessionResult CSession::SaveAs(const std::string& path)
{
    std::string error;
    if (!SaveProjectFile(path, project, error))
        return SessionResult::Failed(
            RAMVIK_TR("Session", "Can't save file!\n\n%1\n\n%2").Arg(path).Arg(error));
    filePath = path;
    if (path == foreignPath)
        foreignPath.clear();
    project.fileName = FileNameOf(path);
    MarkSaved();
    history.Saved(filePath, saved);
    history.ReplacePresent(Snapshot());
    return SessionResult::Done();
}

bool CSession::HasUnsavedChanges() const
{
    return !saved || project.Data() != *saved;
}

std::optional<UserText> CSession::UnsavedChangesQuestion() const
{
    if (!HasUnsavedChanges())
        return std::nullopt;
    return RAMVIK_TR(
        "Session", "The project \"%1\" has changed.\n\nDo you want to save the changes?")
        .Arg(project.fileName);
}

void CSession::MarkSaved()
{
    saved = std::make_shared<const ProjectData>(project.Data());
}

void CSession::SetLinkFactory(LinkFactory factory)
{
    linkFactory = std::move(factory);
    demoBox.reset();
}

void CSession::UseDemoBox()
{
    demoBox = MakeDemoBox();
    linkFactory = [box = demoBox] { return std::make_unique<CDemoLink>(box); };
}

std::unique_ptr<CLink> CSession::MakeLink() const
{
    std::unique_ptr<CLink> link = linkFactory ? linkFactory() : nullptr;
    if (!link)
        return std::make_unique<CAbsentLink>();
    return link;
}

std::unique_ptr<CWriteJob> CSession::MakeWriteJob(bool verify)
{
    if (demoBox)
        FitDemoBox(*demoBox, project);
    CSessionWriteJob::Setup setup;
    setup.verify = verify;
    setup.backup = backupBeforeWrite;
    setup.historyFolder = historyFolder;
    setup.projectName = project.fileName;
    if (!filePath.empty()) {
        std::error_code ignored;
        const std::filesystem::path full
            = std::filesystem::absolute(std::filesystem::u8path(filePath), ignored);
        setup.sourcePath = full.empty() ? filePath : full.lexically_normal().u8string();
    }
    return std::make_unique<CSessionWriteJob>(project, MakeLink(), std::move(setup));
}

std::unique_ptr<CWriteJob> CSession::MakeRestoreJob(
    const HistoryEntry& entry, UserText& problem, bool verify)
{
    if (entry.beforePath.empty()) {
        problem = RAMVIK_TR("Session",
            "The write of %1 kept nothing to write back: the box was not read before it.")
                      .Arg(entry.time);
        return nullptr;
    }
    ProjectState before;
    const SessionResult opened = OpenProject(entry.beforePath, before);
    if (!opened.ok) {
        problem = RAMVIK_TR("Session", "%1\n\n%2").Arg(entry.beforePath).Arg(opened.message);
        return nullptr;
    }
    if (demoBox)
        FitDemoBox(*demoBox, before);
    CSessionWriteJob::Setup setup;
    setup.verify = verify;
    setup.backup = backupBeforeWrite;
    setup.historyFolder = historyFolder;
    setup.projectName = before.fileName;
    setup.sourcePath = entry.beforePath;
    setup.restores = entry.name;
    auto job = std::make_unique<CSessionWriteJob>(before, MakeLink(), std::move(setup));
    WriteJobFields fields = entry.job;
    fields.note.clear();
    job->SetJobFields(fields);
    return job;
}

std::unique_ptr<CTransferJob> CSession::MakeReadJob()
{
    return std::make_unique<CReadJob>(*this, MakeLink());
}

bool CSession::InstallRead(std::unique_ptr<ProjectState> read)
{
    if (read) {
        project = std::move(*read);
        // No file holds what the box held: the caption names none, and the
        // project counts as unsaved until it is saved under a name.
        project.fileName = kUntitledFileName;
        filePath.clear();
        saved.reset();
    }
    // The box's curve may hold points the voltages exclude.
    project.TrimBelowStart();
    project.TrimAboveStop();
    RecordChange();
    return read != nullptr;
}

// --- checked transfers

UserText HistoryNotKeptNote(const std::string& folder, const std::string& reason)
{
    return RAMVIK_TR("Session", "The write was not kept in the history:\n\n%1\n\n%2")
        .Arg(folder)
        .Arg(reason);
}

UserText NoHistoryFolderNote()
{
    return RAMVIK_TR("Session",
        "The write was not kept in the history:\n\nno data folder is known (the settings hold "
        "no RootPath, or HOME is not set).");
}

void CSession::SetHistoryFolder(std::string folder)
{
    historyFolder = std::move(folder);
}

HistoryListing CSession::ReadWriteHistory() const
{
    return ReadHistory(historyFolder);
}

std::vector<UserText> CSession::UnfinishedWriteWarnings() const
{
    std::vector<UserText> warnings;
    for (const HistoryEntry& entry : UnfinishedWrites(ReadWriteHistory().entries))
        warnings.push_back(UnfinishedWriteMessage(entry));
    return warnings;
}

std::unique_ptr<CCompareJob> CSession::MakeCompareJob()
{
    return std::make_unique<CCompareJob>(project, MakeLink());
}

bool CSession::TakeBoxProject(CCompareJob& job)
{
    std::unique_ptr<ProjectState> box = job.TakeBoxProject();
    return box && InstallRead(std::move(box));
}

LoadedSettings CSession::ApplySettings(const StoredSettings& stored)
{
    LoadedSettings loaded;
    if (!stored.keyExists) {
        loaded.messages.push_back(KeysNotFoundMessage());
        return loaded;
    }
    // The root path serves the logo and the project folder, and each use
    // announces its own missing value.
    if (stored.rootPath)
        loaded.logoFolder = *stored.rootPath;
    else
        loaded.messages.push_back(KeyNotFoundMessage());
    if (stored.code)
        ApplySettingsCode(*stored.code, project);
    else
        loaded.messages.push_back(KeyNotFoundMessage());
    if (stored.rootPath) {
        project.rootPath = WithFolderSeparator(*stored.rootPath);
    } else {
        loaded.messages.push_back(KeyNotFoundMessage());
        project.rootPath.clear();
    }
    // The remembered settings are where the user starts, not a step back.
    MarkSaved();
    history.Reset(Snapshot());
    return loaded;
}

SessionSnapshot CSession::Snapshot() const
{
    return { project.Data(), project.fileName, filePath, saved };
}

void CSession::Restore(const SessionSnapshot& state)
{
    RestoreProject(project, state);
    filePath = state.filePath;
    saved = state.saved;
}

void CSession::RecordChange(const std::string& group, CUndoHistory::Clock::time_point at)
{
    history.Record(Snapshot(), group, at);
}

bool CSession::Undo()
{
    return Travel(&CUndoHistory::Undo);
}

bool CSession::Redo()
{
    return Travel(&CUndoHistory::Redo);
}

bool CSession::RevertLastStep()
{
    if (!Undo())
        return false;
    history.ForgetRedo();
    return true;
}

bool CSession::Travel(const SessionSnapshot* (CUndoHistory::*step)())
{
    // A change made without being recorded is still a step to undo.
    RecordChange();
    const SessionSnapshot* state = (history.*step)();
    if (state)
        Restore(*state);
    return state != nullptr;
}

std::string CSession::SettingsCode() const
{
    return FormatSettingsCode(project);
}
