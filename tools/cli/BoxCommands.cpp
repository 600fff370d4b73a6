#include "CliCommands.h"
#include "TerminalProgress.h"

#include <D2xxLibrary.h>
#include <LinkFactory.h>
#include <Session.h>

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
class CToolObserver : public TransferObserver {
public:
    CToolObserver(int totalCells, std::function<int(int)> cellsDone_)
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
    CTerminalProgress progress;
    std::function<int(int)> cellsDone;
};

// The way to the box the window would use: the box named on the command
// line, else the vendor library as the start-up binds it, else the converter
// found by its USB product string.
void ChooseLink(const CliRequest& request, CSession& session)
{
    if (request.demoBox) {
        session.UseDemoBox();
        return;
    }
    LinkChoice choice;
    if (!request.port.empty()) {
        choice.port = QFile::decodeName(request.port.c_str());
    } else {
        D2xxLibrary::Binding binding
            = D2xxLibrary::Bind(D2xxLibrary::DefaultFileName(), D2xxLibrary::SerialLinkServes());
        // The window shows this at start-up and goes on; so does the tool.
        if (!binding.message.isEmpty())
            PrintMessage(binding.message.toStdString());
        choice.vendorLibrary = binding.library;
    }
    session.SetLinkFactory([choice] { return MakeLink(choice); });
}

} // namespace

int WriteCommand(const CliRequest& request)
{
    CSession session;
    if (!ShowFailure(session.Open(request.file)) || RefuseSeveralConverters(request))
        return kExitFailed;
    ChooseLink(request, session);
    CToolObserver observer(kWriteCells, WrittenCells);
    const TransferOutcome outcome = session.MakeWriteJob()->Run(observer);
    return outcome == TransferOutcome::Completed ? kExitDone : kExitFailed;
}

int ReadCommand(const CliRequest& request)
{
    // The read starts from the window's first project; the box replaces
    // everything a project file holds.
    if (RefuseSeveralConverters(request))
        return kExitFailed;
    CSession session;
    ChooseLink(request, session);
    CToolObserver observer(kReadCellCount, ReadCellsDone);
    const std::unique_ptr<CTransferJob> job = session.MakeReadJob();
    const TransferOutcome outcome = job->Run(observer);
    // Every cell arrived, even when the link then did not shut cleanly (its
    // message is out): the project is complete and is saved.
    if (!job->Finish() || !ShowFailure(session.SaveAs(request.file)))
        return kExitFailed;
    return outcome == TransferOutcome::Completed ? kExitDone : kExitFailed;
}
