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

class CSessionWriteJob : public CWriteJob {
public:
    CSessionWriteJob(const ProjectState& project, std::unique_ptr<CLink> link, bool verify,
        std::string historyFolder_)
        : transfer(project, std::move(link), relay)
        , projectText(WriteProjectText(project))
        , historyFolder(std::move(historyFolder_))
    {
        transfer.SetVerify(verify);
    }
    int LastPosition() const override { return transfer.LastProgress(); }
    int CellsDone(int position) const override { return WrittenCells(position); }
    TransferOutcome Run(CTransferObserver& observer) override
    {
        relay.target = &observer;
        outcome = transfer.Run();
        return outcome;
    }
    bool Finish() override
    {
        // The read-back names the first difference in the message it ends on.
        if (outcome == TransferOutcome::VerifyFailed)
            difference = DifferenceOfVerifyMessage(relay.lastMessage);
        KeepInHistory();
        return false;
    }
    std::vector<UserText> Notes() const override { return notes; }
    int BoxIdentification() const override { return transfer.BoxIdentification(); }

    bool Verifies() const override { return transfer.Verifies(); }
    const UserText& Difference() const override { return difference; }
    WriteKept Kept() const override { return kept; }
    const std::string& HistoryEntry() const override { return historyEntry; }
    const std::string& HistoryProblem() const override { return historyProblem; }

private:
    // Every write that sent all its cells is kept, with what its read-back
    // found: the box holds that project now, or something close to it.
    void KeepInHistory()
    {
        WriteCheck check = transfer.Verifies() ? WriteCheck::Verified : WriteCheck::Off;
        if (outcome == TransferOutcome::VerifyFailed)
            check = WriteCheck::Differed;
        else if (outcome != TransferOutcome::Completed
            && outcome != TransferOutcome::ShutdownFailed)
            return;
        // Without a data folder the write is still done, but the user learns
        // that no copy of it is kept.
        if (historyFolder.empty()) {
            kept = WriteKept::NoFolder;
            notes.push_back(NoHistoryFolderNote());
            return;
        }
        if (!RecordWrite(historyFolder, projectText, transfer.BoxIdentification(), check,
                historyProblem, &historyEntry)) {
            kept = WriteKept::Failed;
            notes.push_back(HistoryNotKeptNote(historyFolder, historyProblem));
            return;
        }
        kept = WriteKept::Kept;
    }

    CRelayObserver relay; // before transfer, which keeps a reference to it
    CWriteTransfer transfer;
    std::string projectText; // the project as written, for the history
    std::string historyFolder;
    TransferOutcome outcome = TransferOutcome::NotOpened;
    std::vector<UserText> notes;
    UserText difference;
    WriteKept kept = WriteKept::NotSent;
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
    return std::make_unique<CSessionWriteJob>(project, MakeLink(), verify, historyFolder);
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
