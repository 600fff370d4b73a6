#include "Transfer.h"

#include "Frames.h"
#include "Protocol.h"

#include <thread>

void SleepFor(std::chrono::milliseconds duration)
{
    std::this_thread::sleep_for(duration);
}

namespace {

// A project with the fields of the given one and the default curves; the
// read replaces what it reads and keeps the rest (file name, caption, view).
std::unique_ptr<ProjectState> CopyFields(const ProjectState& from)
{
    auto to = std::make_unique<ProjectState>();
    to->CopyFieldsFrom(from);
    return to;
}

std::string RefusalMessage(const std::vector<std::string>& reasons)
{
    std::string text = "The box cannot hold this project:";
    for (const std::string& reason : reasons)
        text += "\n" + reason;
    return text;
}

// Ends a transfer whose link could not be opened.
TransferOutcome EndNotOpened(Link& link, TransferObserver& observer)
{
    const std::string reason = link.OpenFailure();
    link.Close();
    observer.Message(reason.empty() ? kNoDeviceMessage : kNoDeviceMessage + ("\n\n" + reason));
    observer.CloseDialog();
    observer.Finished(TransferOutcome::NotOpened);
    return TransferOutcome::NotOpened;
}

// Ends a transfer stopped in the handshake; the dialog stays open.
TransferOutcome EndHandshake(Link& link, TransferObserver& observer, const char* message)
{
    ShutLinkQuietly(link);
    observer.Message(message);
    observer.EnableClose();
    observer.Finished(TransferOutcome::HandshakeFailed);
    return TransferOutcome::HandshakeFailed;
}

// Ends a transfer at the normal end, with the shutdown checks.
TransferOutcome EndNormally(Link& link, TransferObserver& observer)
{
    const char* message = ShutLinkChecked(link);
    if (message)
        observer.Message(message);
    observer.EnableClose();
    TransferOutcome outcome
        = message ? TransferOutcome::ShutdownFailed : TransferOutcome::Completed;
    observer.Finished(outcome);
    return outcome;
}

// The box's answer to the handshake, as the message that stops the transfer
// or null when it may go on. A write also needs the box to fit the project.
const char* HandshakeProblem(Link& link, bool checkBoxType, int boxType)
{
    int identification = 0;
    FrameResult result = IdentifyBox(link, identification);
    if (result != FrameResult::Answered)
        return FrameFailureMessage(result);
    if (identification != kTurboBoxId && identification != kCrBoxId)
        return kForeignBoxMessage;
    if (checkBoxType && identification == kCrBoxId && boxType == 2)
        return kCrBoxOnlyMessage;
    if (checkBoxType && identification == kTurboBoxId && boxType != 2)
        return kTurboBoxOnlyMessage;
    return nullptr;
}

} // namespace

WriteTransfer::WriteTransfer(const ProjectState& project, std::unique_ptr<Link> link_,
    TransferObserver& observer_, SettleWait settle_)
    : table(ComputeBoxTable(project))
    , boxType(project.boxType)
    , refusals(BoxRefusals(project))
    , link(std::move(link_))
    , observer(observer_)
    , settle(std::move(settle_))
{
}

TransferOutcome WriteTransfer::Run()
{
    if (!refusals.empty()) {
        observer.Message(RefusalMessage(refusals));
        observer.EnableClose();
        observer.Finished(TransferOutcome::Refused);
        return TransferOutcome::Refused;
    }
    if (!OpenLink(*link, settle))
        return EndNotOpened(*link, observer);
    if (const char* problem = HandshakeProblem(*link, true, boxType))
        return EndHandshake(*link, observer, problem);

    for (int cell = 0; cell <= kLastWrittenCell; ++cell) {
        if (cell == kIdentificationCell)
            continue;
        std::string frame = cell < kIdentificationCell ? RoundedWriteFrame(cell, table[cell])
                                                       : TruncatedWriteFrame(cell, table[cell]);
        FrameResult result = ExchangeFrame(*link, frame, kWriteAnswerSize);
        if (result != FrameResult::Answered) {
            ShutLinkQuietly(*link);
            observer.Message(FrameFailureMessage(result));
            observer.CloseDialog();
            observer.Finished(TransferOutcome::DataFailed);
            return TransferOutcome::DataFailed;
        }
        observer.Progress(cell);
        if (cell == kLastWrittenCell)
            observer.EnableClose();
    }
    observer.Progress(767);
    return EndNormally(*link, observer);
}

ReadTransfer::ReadTransfer(const ProjectState& current, std::unique_ptr<Link> link_,
    TransferObserver& observer_, SettleWait settle_)
    : base(CopyFields(current))
    , link(std::move(link_))
    , observer(observer_)
    , settle(std::move(settle_))
{
}

ReadTransfer::~ReadTransfer() = default;

TransferOutcome ReadTransfer::Run()
{
    if (!base)
        return TransferOutcome::DataFailed; // Run was called before
    if (!OpenLink(*link, settle))
        return EndNotOpened(*link, observer);
    if (const char* problem = HandshakeProblem(*link, false, 0))
        return EndHandshake(*link, observer, problem);

    ReadCells cells {};
    std::string answer;
    for (int cell = 0; cell <= 255; ++cell) {
        if (cell == kIdentificationCell)
            observer.EnableClose();
        FrameResult result = ExchangeFrame(*link, ReadFrame(cell), kReadAnswerSize, &answer);
        if (result != FrameResult::Answered) {
            ShutLinkQuietly(*link);
            observer.Message(FrameFailureMessage(result));
            observer.EnableClose();
            observer.Finished(TransferOutcome::DataFailed);
            return TransferOutcome::DataFailed;
        }
        cells[cell] = ParseAnswer(answer);
        observer.Progress(cell);
    }
    link->SetDtr(false);

    observer.Progress(255);
    RebuildFromCells(cells, *base);
    {
        std::lock_guard<std::mutex> lock(resultMutex);
        result = std::move(base);
    }
    return EndNormally(*link, observer);
}

std::unique_ptr<ProjectState> ReadTransfer::TakeProject()
{
    std::lock_guard<std::mutex> lock(resultMutex);
    return std::move(result);
}
