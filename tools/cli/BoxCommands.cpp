#include "CliCommands.h"
#include "DemoBox.h"
#include "TerminalProgress.h"

#include <D2xxLibrary.h>
#include <LinkFactory.h>
#include <ProjectFile.h>
#include <ProjectState.h>
#include <Transfer.h>

#include <QFile>

#include <algorithm>
#include <functional>

namespace {

constexpr int kWriteCells = kLastWrittenCell; // cells 0..766 without 255
constexpr int kReadCellCount = static_cast<int>(ReadCells().size()); // cells 0..255

// The cells a write has sent when the box has answered the cell at this
// position: cell 255 is never written, and the last report (767) ends it.
int WrittenCells(int position)
{
    return position < kIdentificationCell ? position + 1 : std::min(position, kLastWrittenCell);
}

int ReadCellsDone(int position)
{
    return std::min(position + 1, kReadCellCount);
}

// What the dialogs show in message boxes goes to standard error, and the
// progress bar to the terminal. The transfer runs on this thread, so every
// call arrives here in order and at once.
class ToolObserver : public TransferObserver {
public:
    ToolObserver(int totalCells, std::function<int(int)> cellsDone_)
        : progress(totalCells)
        , cellsDone(std::move(cellsDone_))
    {
    }

    void Progress(int position) override { progress.Show(cellsDone(position)); }
    void Message(const std::string& text) override
    {
        progress.BreakLine();
        PrintMessage(text);
    }
    void EnableClose() override { }
    void CloseDialog() override { }
    void Finished(TransferOutcome) override { progress.BreakLine(); }

private:
    TerminalProgress progress;
    std::function<int(int)> cellsDone;
};

// The link the window would use: the box named on the command line, else the
// vendor library as the start-up binds it, else the converter found by its
// USB product string.
LinkChoice ChooseLink(const CliRequest& request, std::shared_ptr<BoxSimulator> demoBox)
{
    LinkChoice choice;
    if (request.demoBox) {
        choice.demoBox = std::move(demoBox);
    } else if (!request.port.empty()) {
        choice.port = QFile::decodeName(request.port.c_str());
    } else {
        D2xxLibrary::Binding binding
            = D2xxLibrary::Bind(D2xxLibrary::DefaultFileName(), D2xxLibrary::SerialLinkServes());
        // The window shows this at start-up and goes on; so does the tool.
        if (!binding.message.isEmpty())
            PrintMessage(binding.message.toStdString());
        choice.vendorLibrary = binding.library;
    }
    return choice;
}

} // namespace

int WriteCommand(const CliRequest& request)
{
    ProjectState project;
    if (!LoadProject(request.file, project) || RefuseSeveralConverters(request))
        return kExitFailed;
    const LinkChoice choice = ChooseLink(request, request.demoBox ? DemoBoxFor(project) : nullptr);
    ToolObserver observer(kWriteCells, WrittenCells);
    WriteTransfer transfer(project, MakeLink(choice), observer);
    return transfer.Run() == TransferOutcome::Completed ? kExitDone : kExitFailed;
}

int ReadCommand(const CliRequest& request)
{
    // The read starts from the window's first project; the box replaces
    // everything a project file holds.
    ProjectState current;
    if (RefuseSeveralConverters(request))
        return kExitFailed;
    const LinkChoice choice = ChooseLink(request, request.demoBox ? DemoBoxForRead() : nullptr);
    ToolObserver observer(kReadCellCount, ReadCellsDone);
    ReadTransfer transfer(current, MakeLink(choice), observer);
    const TransferOutcome outcome = transfer.Run();
    std::unique_ptr<ProjectState> project = transfer.TakeProject();
    if (!project)
        return kExitFailed;

    // Every cell arrived, even when the link then did not shut cleanly (its
    // message is out): the project is complete and is saved.
    project->TrimBelowStart();
    project->TrimAboveStop();
    std::string error;
    if (!SaveProjectFile(request.file, *project, error)) {
        PrintMessage("Can't save file!\n\n" + request.file + "\n\n" + error);
        return kExitFailed;
    }
    return outcome == TransferOutcome::Completed ? kExitDone : kExitFailed;
}
