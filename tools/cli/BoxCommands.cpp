#include "CliCommands.h"
#include "TerminalProgress.h"

#include <CompareJob.h>
#include <D2xxLibrary.h>
#include <LinkFactory.h>
#include <PortAdvice.h>
#include <PortChoice.h>
#include <PortFinder.h>
#include <Session.h>
#include <WriteHistory.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <optional>

namespace {

// --- stopping on SIGINT, SIGTERM and SIGHUP
//
// The handler only stores: the signal's number, and the running job's stop
// request (a lock-free flag). The transfer runs on this thread and looks at
// the flag before each frame, so the frame in flight is answered, the link
// is closed and the outcome is kept before the tool exits with 128 + the
// signal's number.

volatile std::sig_atomic_t stopSignal = 0;
std::atomic<CTransferJob*> runningJob { nullptr };
static_assert(std::atomic<CTransferJob*>::is_always_lock_free, "the signal handler reads it");

void OnStopSignal(int signal)
{
    stopSignal = signal;
    if (CTransferJob* job = runningJob.load())
        job->RequestStop();
}

// From here on a stop signal ends the transfer instead of the tool.
void CatchStopSignals()
{
#ifdef _WIN32
    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGTERM, OnStopSignal);
#else
    struct sigaction action { };
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : { SIGINT, SIGTERM, SIGHUP })
        sigaction(signal, &action, nullptr);
#endif
}

// The job the signals stop while it lives; a signal that came before it
// stops it at once.
class CStopOnSignal {
public:
    explicit CStopOnSignal(CTransferJob& job)
    {
        runningJob.store(&job);
        if (stopSignal != 0)
            job.RequestStop();
    }
    ~CStopOnSignal() { runningJob.store(nullptr); }
    CStopOnSignal(const CStopOnSignal&) = delete;
    CStopOnSignal& operator=(const CStopOnSignal&) = delete;
};

// The exit status of a transfer a signal stopped: 130, 143 or 129.
int StoppedStatus()
{
    return 128 + stopSignal;
}

void PrintTexts(const std::vector<UserText>& texts)
{
    for (const UserText& text : texts)
        PrintMessage(text.English());
}

// What the dialogs show in message boxes goes to standard error, and the
// progress bar to the terminal. The transfer runs on this thread, so every
// call arrives here in order and at once.
class CToolObserver : public CTransferObserver {
public:
    explicit CToolObserver(const CTransferJob& job_)
        : job(job_)
        , progress(job_.TotalCells())
    {
    }

    void Progress(int position) override { progress.Show(job.CellsDone(position)); }
    void PhaseStarted(TransferPhase phase) override
    {
        progress.SetPhase(TransferPhaseText(phase).English());
    }
    void Message(const UserText& text) override
    {
        progress.BreakLine();
        PrintMessage(text.English());
    }
    void EnableClose() override { }
    void CloseDialog() override { }
    void Finished(TransferOutcome) override { progress.BreakLine(); }

private:
    const CTransferJob& job;
    CTerminalProgress progress;
};

// The way to the box the window would use: the box named on the command
// line, else the converter searched for. Where the window would ask which
// of several converters to use, the tool refuses and asks for --port. The
// vendor library is bound only when the converter is searched for.
bool ChooseLink(const CliRequest& request, CSession& session)
{
    const BoxRoute route { request.demoBox, request.port };
    const PortChoice choice = ChoosePort(
        route, [] { return ListSerialPorts(SystemRootsFromEnvironment()); }, std::string());
    if (choice.NeedsUser()) {
        PrintMessage(SeveralConvertersText(choice.pick).English()
            + "\nName the box's converter with --port PATH.");
        return false;
    }
    if (choice.demoBox) {
        session.UseDemoBox();
        return true;
    }
    std::shared_ptr<const CD2xxLibrary> vendorLibrary;
    if (SearchesForConverter(route)) {
        CD2xxLibrary::Binding binding
            = CD2xxLibrary::Bind(CD2xxLibrary::DefaultFileName(), CD2xxLibrary::SerialLinkServes());
        // The window shows this at start-up and goes on; so does the tool.
        if (!binding.message.Empty())
            PrintMessage(binding.message.English());
        vendorLibrary = binding.library;
    }
    const LinkChoice links = LinkChoiceFor(choice.path, vendorLibrary);
    session.SetLinkFactory([links] { return MakeLink(links); });
    return true;
}

struct JobRun {
    TransferOutcome outcome;
    bool replaced; // Finish replaced the session's project
};

// Runs a job on this thread, stopped by the signals, and finishes it; what
// it says at its end (a write's outcome) and its notes go to standard error.
JobRun RunJob(CTransferJob& job, const CWriteJob* write = nullptr)
{
    JobRun run {};
    {
        CToolObserver observer(job);
        CStopOnSignal stops(job);
        run.outcome = job.Run(observer);
    }
    run.replaced = job.Finish();
    if (write && !write->OutcomeMessage().Empty())
        PrintMessage(write->OutcomeMessage().English());
    PrintTexts(job.Notes());
    return run;
}

// A write or a write-back: 0 when the box holds the project (checked as
// asked), 128 + the signal when a signal stopped it, else 1.
int RunWrite(CWriteJob& job)
{
    const TransferOutcome outcome = RunJob(job, &job).outcome;
    if (job.Stopped())
        return StoppedStatus();
    return outcome == TransferOutcome::Completed ? kExitDone : kExitFailed;
}

// A JSON string: quotes, backslashes and control characters escaped, bytes
// that are no UTF-8 (a file name from another system) as U+FFFD.
std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
            ++i;
        } else if (c == '\n' || c == '\r' || c == '\t') {
            out += c == '\n' ? "\\n" : c == '\r' ? "\\r" : "\\t";
            ++i;
        } else if (c < 0x20 || c == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
            ++i;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
        } else {
            // The length of the sequence its first byte announces, and
            // whether the bytes that follow continue it.
            const std::size_t length = c >= 0xf0 && c <= 0xf4 ? 4
                : c >= 0xe0                                   ? 3
                : c >= 0xc2 && c < 0xe0                       ? 2
                                                              : 0;
            bool valid = length > 0 && i + length <= text.size();
            for (std::size_t k = 1; valid && k < length; ++k)
                valid = (static_cast<unsigned char>(text[i + k]) & 0xc0) == 0x80;
            if (valid && length == 3) { // no overlong forms, no surrogates
                const unsigned char second = static_cast<unsigned char>(text[i + 1]);
                valid = !(c == 0xe0 && second < 0xa0) && !(c == 0xed && second >= 0xa0);
            }
            if (valid && length == 4) {
                const unsigned char second = static_cast<unsigned char>(text[i + 1]);
                valid = !(c == 0xf0 && second < 0x90) && !(c == 0xf4 && second >= 0x90);
            }
            if (valid) {
                out.append(text, i, length);
                i += length;
            } else {
                out += "\\ufffd";
                ++i;
            }
        }
    }
    return out + "\"";
}

// One line of the listing: control characters (a note's line breaks) as
// blanks.
std::string OneLine(std::string text)
{
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    }
    return text;
}

std::string EntryBlock(const HistoryEntry& entry)
{
    std::string text = entry.time + "  box " + std::to_string(entry.boxIdentification) + "  "
        + WriteOutcomeText(entry).English() + "\n";
    const auto field = [&text](const char* name, const std::string& value) {
        if (!value.empty())
            text += std::string("  ") + name + OneLine(value) + "\n";
    };
    field("entry:     ", entry.name);
    field("project:   ",
        entry.projectName + (entry.sourcePath.empty() ? "" : "  " + entry.sourcePath));
    field("computer:  ", entry.computer);
    field("customer:  ", entry.job.customer);
    field("vehicle:   ", entry.job.vehicle);
    field("plate:     ", entry.job.plate);
    field("note:      ", entry.job.note);
    field("restores:  ", entry.restores);
    field("copy:      ", entry.projectPath);
    field("before:    ", entry.beforePath);
    return text;
}

std::string EntryJson(const HistoryEntry& entry)
{
    const bool hasCell = entry.cell >= 0
        && (entry.outcome == WriteOutcome::Stopped || entry.outcome == WriteOutcome::Failed);
    std::string json = "{";
    const auto string = [&json](const char* key, const std::string& value) {
        json += (json.size() > 1 ? "," : "") + JsonString(key) + ":" + JsonString(value);
    };
    string("entry", entry.name);
    string("time", entry.time);
    json += ",\"box\":" + std::to_string(entry.boxIdentification);
    string("outcome", WriteOutcomeCode(entry.outcome));
    json += ",\"cell\":" + (hasCell ? std::to_string(entry.cell) : std::string("null"));
    string("outcomeText", WriteOutcomeText(entry).English());
    string("difference", entry.difference);
    string("project", entry.projectName);
    string("projectPath", entry.sourcePath);
    string("computer", entry.computer);
    string("customer", entry.job.customer);
    string("vehicle", entry.job.vehicle);
    string("plate", entry.job.plate);
    string("note", entry.job.note);
    string("restores", entry.restores);
    string("copy", entry.projectPath);
    string("before", entry.beforePath);
    return json + "}";
}

// The history's entries, or nothing with the message printed.
std::optional<HistoryListing> ReadToolHistory(const std::string& folder)
{
    if (folder.empty()) {
        PrintMessage("No history folder is known: neither XDG_DATA_HOME nor HOME is set.");
        return std::nullopt;
    }
    HistoryListing listing = ReadHistory(folder);
    if (!listing.readable) {
        PrintMessage(HistoryUnreadableMessage(folder, listing.problem).English());
        return std::nullopt;
    }
    return listing;
}

} // namespace

void PrintUnfinishedWrites()
{
    for (const HistoryEntry& entry : UnfinishedWrites(ReadHistory(ToolHistoryFolder()).entries))
        PrintMessage(UnfinishedWriteMessage(entry).English());
}

int WriteCommand(const CliRequest& request)
{
    CatchStopSignals();
    CSession session;
    if (!ShowFailure(session.Open(request.file)) || !ChooseLink(request, session))
        return kExitFailed;
    session.SetHistoryFolder(ToolHistoryFolder());
    PrintTexts(session.UnfinishedWriteWarnings());
    session.SetBackupBeforeWrite(!request.noBackup);
    const std::unique_ptr<CWriteJob> job = session.MakeWriteJob(!request.noVerify);
    job->SetJobFields({ request.customer, request.vehicle, request.plate, request.note });
    return RunWrite(*job);
}

int RestoreCommand(const CliRequest& request)
{
    CatchStopSignals();
    const std::string folder = ToolHistoryFolder();
    std::optional<HistoryEntry> entry;
    if (request.file.empty()) {
        const std::optional<HistoryListing> listing = ReadToolHistory(folder);
        if (!listing)
            return kExitFailed;
        // The last write that kept what the box held before it.
        for (const HistoryEntry& candidate : listing->entries) {
            if (!candidate.beforePath.empty()) {
                entry = candidate;
                break;
            }
        }
        if (!entry) {
            PrintMessage("No write in the history kept what the box held before it.");
            return kExitFailed;
        }
    } else {
        entry = FindHistoryEntry(folder, request.file);
        if (!entry) {
            PrintMessage("No history entry " + request.file + " in " + folder);
            return kExitFailed;
        }
    }
    CSession session;
    session.SetHistoryFolder(folder);
    if (!ChooseLink(request, session))
        return kExitFailed;
    PrintTexts(session.UnfinishedWriteWarnings());
    session.SetBackupBeforeWrite(!request.noBackup);
    UserText problem;
    const std::unique_ptr<CWriteJob> job
        = session.MakeRestoreJob(*entry, problem, !request.noVerify);
    if (!job) {
        PrintMessage(problem.English());
        return kExitFailed;
    }
    return RunWrite(*job);
}

int ReadCommand(const CliRequest& request)
{
    CatchStopSignals();
    // The read starts from the window's first project; the box replaces
    // everything a project file holds.
    CSession session;
    if (!ChooseLink(request, session))
        return kExitFailed;
    PrintUnfinishedWrites();
    const std::unique_ptr<CTransferJob> job = session.MakeReadJob();
    const JobRun run = RunJob(*job);
    // A stopped read hands nothing over, and its message said so.
    if (job->Stopped())
        return StoppedStatus();
    // Every cell arrived, even when the link then did not shut cleanly (its
    // message is out): the project is complete and is saved. Implausible
    // values are named, but the project holds them as the box does.
    if (!run.replaced || !ShowFailure(session.SaveAs(request.file)))
        return kExitFailed;
    return run.outcome == TransferOutcome::Completed ? kExitDone : kExitFailed;
}

int CompareCommand(const CliRequest& request)
{
    CatchStopSignals();
    // Like cmp: 1 means "differs", so every failure to compare is 2.
    CSession session;
    if (!ShowFailure(session.Open(request.file)) || !ChooseLink(request, session))
        return kExitBadUsage;
    session.SetHistoryFolder(ToolHistoryFolder());
    const std::vector<HistoryEntry> unfinished
        = UnfinishedWrites(session.ReadWriteHistory().entries);
    for (const HistoryEntry& entry : unfinished)
        PrintMessage(UnfinishedWriteMessage(entry).English());
    const std::unique_ptr<CCompareJob> job = session.MakeCompareJob();
    RunJob(*job);
    if (job->Stopped())
        return StoppedStatus();
    if (!job->Compared())
        return kExitBadUsage;
    std::string lines;
    for (const UserText& line : job->Differences())
        lines += line.English() + "\n";
    // Cells 0 to 254 may match while the table cells hold another project.
    bool unsure = false;
    for (const HistoryEntry& entry : unfinished) {
        if (entry.boxIdentification == job->BoxIdentification()) {
            lines += UnfinishedCompareNote(entry).English() + "\n";
            unsure = true;
        }
    }
    if (!PrintOutput(lines))
        return kExitBadUsage;
    return job->Differences().empty() && !unsure ? kExitDone : kExitFailed;
}

int HistoryCommand(const CliRequest& request)
{
    const std::string folder = ToolHistoryFolder();
    const std::optional<HistoryListing> listing = ReadToolHistory(folder);
    if (!listing)
        return kExitFailed;
    std::string text;
    for (const HistoryEntry& entry :
        SearchHistory(listing->entries, { request.search, request.box }))
        text += request.json ? EntryJson(entry) + "\n" : EntryBlock(entry);
    const bool printed = PrintOutput(text);
    if (listing->skipped > 0)
        PrintMessage(SkippedEntriesNote(listing->skipped).English());
    return printed ? kExitDone : kExitFailed;
}
