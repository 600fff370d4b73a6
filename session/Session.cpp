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
        const std::string& said = relay.lastMessage;
        const std::string prefix = kVerifyDifferenceMessage;
        if (outcome == TransferOutcome::VerifyFailed && said.compare(0, prefix.size(), prefix) == 0)
            difference = said.substr(prefix.size());
        KeepInHistory();
        return false;
    }
    std::vector<std::string> Notes() const override { return notes; }
    int BoxIdentification() const override { return transfer.BoxIdentification(); }

    bool Verifies() const override { return transfer.Verifies(); }
    const std::string& Difference() const override { return difference; }
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
            notes.push_back(std::string(kHistoryNotKeptMessage) + kNoHistoryFolderReason);
            return;
        }
        if (!RecordWrite(historyFolder, projectText, transfer.BoxIdentification(), check,
                historyProblem, &historyEntry)) {
            kept = WriteKept::Failed;
            notes.push_back(kHistoryNotKeptMessage + historyFolder + "\n\n" + historyProblem);
            return;
        }
        kept = WriteKept::Kept;
    }

    CRelayObserver relay; // before transfer, which keeps a reference to it
    CWriteTransfer transfer;
    std::string projectText; // the project as written, for the history
    std::string historyFolder;
    TransferOutcome outcome = TransferOutcome::NotOpened;
    std::vector<std::string> notes;
    std::string difference;
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
    std::vector<std::string> Notes() const override { return warnings; }
    int BoxIdentification() const override { return identification; }

private:
    CSession& session;
    std::vector<std::string> warnings;
    int identification = 0;
    CRelayObserver relay;
    CReadTransfer transfer;
};

} // namespace

const char* const kKeysNotFoundMessage = "Register Keys not found!\n\nPlease reinstall the "
                                         "program. The default values will be loaded.";
const char* const kKeyNotFoundMessage = "A register key was not found!\n\nPlease reinstall the "
                                        "program to correct this error. The default value for "
                                        "this setting will be loaded.";

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

SessionResult OpenProject(const std::string& path, ProjectState& project)
{
    if (!OpenProjectFile(path, project))
        return SessionResult::Failed("Can't open file!");
    return SessionResult::Done();
}

SessionResult CSession::Open(const std::string& path)
{
    SessionResult result = OpenProject(path, project);
    if (!result.ok)
        return result;
    filePath = path;
    MarkSaved();
    RecordChange();
    return SessionResult::Done();
}

SessionResult CSession::Save()
{
    if (filePath.empty())
        return SessionResult::Failed(std::string());
    return SaveAs(filePath);
}

SessionResult CSession::SaveAs(const std::string& path)
{
    std::string error;
    if (!SaveProjectFile(path, project, error))
        return SessionResult::Failed("Can't save file!\n\n" + path + "\n\n" + error);
    filePath = path;
    project.fileName = FileNameOf(path);
    MarkSaved();
    history.Saved(filePath, savedText);
    history.ReplacePresent(Snapshot());
    return SessionResult::Done();
}

bool CSession::HasUnsavedChanges() const
{
    return WriteProjectText(project) != savedText;
}

std::optional<std::string> CSession::UnsavedChangesQuestion() const
{
    if (!HasUnsavedChanges())
        return std::nullopt;
    return "The project \"" + project.fileName
        + "\" has changed.\n\nDo you want to save the changes?";
}

void CSession::MarkSaved()
{
    savedText = WriteProjectText(project);
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
        savedText.clear();
    }
    // The box's curve may hold points the voltages exclude.
    project.TrimBelowStart();
    project.TrimAboveStop();
    RecordChange();
    return read != nullptr;
}

// --- checked transfers

const char* const kHistoryNotKeptMessage = "The write was not kept in the history:\n\n";
const char* const kNoHistoryFolderReason
    = "no data folder is known (the settings hold no RootPath, or HOME is not set).";

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
        loaded.messages.push_back(kKeysNotFoundMessage);
        return loaded;
    }
    // The root path serves the logo and the project folder, and each use
    // announces its own missing value.
    if (stored.rootPath)
        loaded.logoFolder = *stored.rootPath;
    else
        loaded.messages.push_back(kKeyNotFoundMessage);
    if (stored.code)
        ApplySettingsCode(*stored.code, project);
    else
        loaded.messages.push_back(kKeyNotFoundMessage);
    if (stored.rootPath) {
        project.rootPath = WithFolderSeparator(*stored.rootPath);
    } else {
        loaded.messages.push_back(kKeyNotFoundMessage);
        project.rootPath.clear();
    }
    // The remembered settings are where the user starts, not a step back.
    MarkSaved();
    history.Reset(Snapshot());
    return loaded;
}

SessionSnapshot CSession::Snapshot() const
{
    return { CloneProject(project), WriteProjectText(project), filePath, savedText };
}

void CSession::Restore(const SessionSnapshot& state)
{
    RestoreProject(project, *state.project);
    filePath = state.filePath;
    savedText = state.savedText;
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
