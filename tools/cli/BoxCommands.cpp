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

#include <cstdio>

namespace {

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

// Runs a job on this thread and finishes it; its notes go to standard error.
TransferOutcome RunJob(CTransferJob& job)
{
    CToolObserver observer(job);
    const TransferOutcome outcome = job.Run(observer);
    job.Finish();
    for (const UserText& note : job.Notes())
        PrintMessage(note.English());
    return outcome;
}

} // namespace

int WriteCommand(const CliRequest& request)
{
    CSession session;
    if (!ShowFailure(session.Open(request.file)) || !ChooseLink(request, session))
        return kExitFailed;
    session.SetHistoryFolder(ToolHistoryFolder());
    const std::unique_ptr<CTransferJob> job = session.MakeWriteJob(!request.noVerify);
    const TransferOutcome outcome = RunJob(*job);
    return outcome == TransferOutcome::Completed ? kExitDone : kExitFailed;
}

int ReadCommand(const CliRequest& request)
{
    // The read starts from the window's first project; the box replaces
    // everything a project file holds.
    CSession session;
    if (!ChooseLink(request, session))
        return kExitFailed;
    const std::unique_ptr<CTransferJob> job = session.MakeReadJob();
    CToolObserver observer(*job);
    const TransferOutcome outcome = job->Run(observer);
    // Every cell arrived, even when the link then did not shut cleanly (its
    // message is out): the project is complete and is saved. Implausible
    // values are named, but the project holds them as the box does.
    const bool installed = job->Finish();
    for (const UserText& note : job->Notes())
        PrintMessage(note.English());
    if (!installed || !ShowFailure(session.SaveAs(request.file)))
        return kExitFailed;
    return outcome == TransferOutcome::Completed ? kExitDone : kExitFailed;
}

int CompareCommand(const CliRequest& request)
{
    // Like cmp: 1 means "differs", so every failure to compare is 2.
    CSession session;
    if (!ShowFailure(session.Open(request.file)) || !ChooseLink(request, session))
        return kExitBadUsage;
    const std::unique_ptr<CCompareJob> job = session.MakeCompareJob();
    RunJob(*job);
    if (!job->Compared())
        return kExitBadUsage;
    std::string lines;
    for (const UserText& line : job->Differences())
        lines += line.English() + "\n";
    if (!PrintOutput(lines))
        return kExitBadUsage;
    return job->Differences().empty() ? kExitDone : kExitFailed;
}

int HistoryCommand(const CliRequest&)
{
    const std::string folder = ToolHistoryFolder();
    std::string lines;
    for (const HistoryEntry& entry : ListHistory(folder)) {
        lines += entry.time + "  box " + std::to_string(entry.boxIdentification) + "  verified "
            + WriteCheckWord(entry.check) + "  " + entry.projectPath + "\n";
    }
    return PrintOutput(lines) ? kExitDone : kExitFailed;
}
