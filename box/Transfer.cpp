#include "Transfer.h"

#include "BoxText.h"
#include "Frames.h"
#include "Protocol.h"

#include <thread>

void SleepFor(std::chrono::milliseconds duration)
{
    std::this_thread::sleep_for(duration);
}

namespace {

// Ends a transfer whose link could not be opened.
TransferOutcome EndNotOpened(CLink& link, CTransferObserver& observer)
{
    const UserText reason = link.OpenFailure();
    link.Close();
    observer.Message(NoDeviceMessage(reason));
    observer.CloseDialog();
    observer.Finished(TransferOutcome::NotOpened);
    return TransferOutcome::NotOpened;
}

// Ends a transfer at the normal end, with the shutdown checks.
TransferOutcome EndNormally(CLink& link, CTransferObserver& observer)
{
    const UserText* message = ShutLinkChecked(link);
    if (message)
        observer.Message(*message);
    observer.EnableClose();
    TransferOutcome outcome
        = message ? TransferOutcome::ShutdownFailed : TransferOutcome::Completed;
    observer.Finished(outcome);
    return outcome;
}

// Ends a transfer at a failure once the link is open: the link is shut
// without checks; the dialog closes or stays open with Close enabled.
TransferOutcome EndFailed(CLink& link, CTransferObserver& observer, const UserText& message,
    TransferOutcome outcome, bool closeDialog = false)
{
    ShutLinkQuietly(link);
    observer.Message(message);
    if (closeDialog)
        observer.CloseDialog();
    else
        observer.EnableClose();
    observer.Finished(outcome);
    return outcome;
}

// The box's answer to the handshake, as the message that stops the transfer
// or null when it may go on. A write also needs the box to fit the project.
const UserText* HandshakeProblem(CLink& link, bool checkBoxType, int boxType, int& identification)
{
    FrameResult result = IdentifyBox(link, identification);
    if (result != FrameResult::Answered)
        return &FrameFailureMessage(result);
    if (identification != kTurboBoxId && identification != kCrBoxId)
        return &kForeignBoxMessage;
    if (checkBoxType && identification == kCrBoxId && boxType == 2)
        return &kCrBoxOnlyMessage;
    if (checkBoxType && identification == kTurboBoxId && boxType != 2)
        return &kTurboBoxOnlyMessage;
    return nullptr;
}

// "The box cannot hold this project:" and the reasons, one a line.
UserText RefusalMessage(const std::vector<UserText>& reasons)
{
    return RAMVIK_TR("Transfer", "The box cannot hold this project:\n%1")
        .Arg(JoinedLines(reasons, RAMVIK_TR("Transfer", "%1\n%2")));
}

} // namespace

const UserText kWriteStoppedBeforeMessage = RAMVIK_TR(
    "Transfer", "The write was stopped before the first cell: the box holds what it held before.");
const UserText kCheckStoppedMessage = RAMVIK_TR("Transfer",
    "The check was stopped: every cell was written, but not all of cells 0–254 were read "
    "back, so the write is not verified.");
const UserText kReadStoppedMessage = RAMVIK_TR(
    "Transfer", "The read was stopped before every cell had arrived: nothing was saved.");

UserText WriteStoppedMessage(int lastCell)
{
    return RAMVIK_TR("Transfer",
        "The write stopped after cell %1 of %2: the box now holds parts of two projects. Write "
        "the project again before the engine runs.")
        .Arg(std::to_string(lastCell))
        .Arg(std::to_string(kLastWrittenCell));
}

namespace {
const UserText kVerifyDifference
    = RAMVIK_TR("Transfer", "The box holds other values than were written: %1");
} // namespace

UserText VerifyDifferenceMessage(int cell, int boxValue, int sentValue, const BoxTable& table)
{
    const UserText difference = RAMVIK_TR("Transfer", "cell %1 (%2): box %3, written %4.")
                                    .Arg(std::to_string(cell))
                                    .Arg(CellMeaning(cell, table))
                                    .Arg(std::to_string(boxValue))
                                    .Arg(std::to_string(sentValue));
    return UserText(kVerifyDifference).Arg(difference);
}

UserText DifferenceOfVerifyMessage(const UserText& message)
{
    if (message.Empty() || std::string(message.Source()) != kVerifyDifference.Source()
        || message.Parts().size() != 1 || !message.Parts()[0].text)
        return UserText();
    return *message.Parts()[0].text;
}

CWriteTransfer::CWriteTransfer(const ProjectState& project, std::unique_ptr<CLink> link_,
    CTransferObserver& observer_, SettleWait settle_)
    : table(ComputeBoxTable(project))
    , sent(SentDataCells(table))
    , boxType(project.boxType)
    , refusals(BoxRefusals(project))
    , link(std::move(link_))
    , observer(observer_)
    , settle(std::move(settle_))
{
}

TransferOutcome CWriteTransfer::Run()
{
    if (!refusals.empty()) {
        observer.Message(RefusalMessage(refusals));
        observer.EnableClose();
        observer.Finished(TransferOutcome::Refused);
        return TransferOutcome::Refused;
    }
    if (stop.Requested())
        return EndStopped(kWriteStoppedBeforeMessage, TransferOutcome::HandshakeFailed);
    if (!OpenLink(*link, settle))
        return EndNotOpened(*link, observer);
    if (const UserText* problem = HandshakeProblem(*link, true, boxType, identification))
        return EndFailed(*link, observer, *problem, TransferOutcome::HandshakeFailed);
    // Whatever came after the identification's answer answers no frame: it
    // goes, so that each acknowledgement is one the box sent for its cell.
    link->Purge();
    ReadCells before {};
    if (backup) {
        const TransferOutcome backedUp = BackUp(before);
        if (backedUp != TransferOutcome::Completed)
            return backedUp;
    }
    // A stop from here on is seen before the first data frame, once the
    // entry with what the box held is kept.
    if (beforeFirstCell) {
        const UserText refusal = beforeFirstCell(backup ? &before : nullptr);
        if (!refusal.Empty())
            return EndFailed(*link, observer, refusal, TransferOutcome::HandshakeFailed);
    }
    TransferOutcome outcome = SendCells();
    if (outcome == TransferOutcome::Completed && verify)
        outcome = VerifyCells();
    // Unread back, the acknowledgements only count when nothing follows the
    // last one, as with a read: a line that keeps sending (old answers, an
    // echo) would pass for a box that took every cell.
    else if (outcome == TransferOutcome::Completed && !LineIsQuiet(*link))
        return EndFailed(*link, observer, kCheckConnectionMessage, TransferOutcome::DataFailed);
    if (outcome != TransferOutcome::Completed)
        return outcome;
    return EndNormally(*link, observer);
}

TransferOutcome CWriteTransfer::EndStopped(const UserText& message, TransferOutcome outcome)
{
    stopped = true;
    return EndFailed(*link, observer, message, outcome);
}

TransferOutcome CWriteTransfer::BackUp(ReadCells& cells)
{
    observer.PhaseStarted(TransferPhase::BackingUp);
    for (int cell = 0; cell < static_cast<int>(cells.size()); ++cell) {
        if (stop.Requested())
            return EndStopped(kWriteStoppedBeforeMessage, TransferOutcome::HandshakeFailed);
        const FrameResult result = ReadCell(*link, cell, cells[cell]);
        if (result != FrameResult::Answered)
            return EndFailed(
                *link, observer, FrameFailureMessage(result), TransferOutcome::HandshakeFailed);
        observer.Progress(cell);
    }
    // A stray byte shifts every later answer, and the values would be kept as
    // what the box held. The last answer tells: cell 255 must read as the
    // handshake read it. This spares the read time-out that waiting for
    // silence would cost; a byte after the last answer is purged.
    if (cells[kIdentificationCell] != identification)
        return EndFailed(
            *link, observer, kCheckConnectionMessage, TransferOutcome::HandshakeFailed);
    link->Purge();
    return TransferOutcome::Completed;
}

TransferOutcome CWriteTransfer::SendCells()
{
    observer.PhaseStarted(TransferPhase::Writing);
    const int shift = backup ? kBackupShift : 0;
    for (int cell = 0; cell <= kLastWrittenCell; ++cell) {
        if (cell == kIdentificationCell)
            continue;
        if (stop.Requested())
            return lastCellSent < 0
                ? EndStopped(kWriteStoppedBeforeMessage, TransferOutcome::HandshakeFailed)
                : EndStopped(WriteStoppedMessage(lastCellSent), TransferOutcome::DataFailed);
        std::string frame = cell < kIdentificationCell ? RoundedWriteFrame(cell, table[cell])
                                                       : TruncatedWriteFrame(cell, table[cell]);
        FrameResult result = ExchangeFrame(*link, frame, kWriteAnswerSize);
        if (result != FrameResult::Answered) {
            failedCell = cell;
            return EndFailed(
                *link, observer, FrameFailureMessage(result), TransferOutcome::DataFailed, true);
        }
        lastCellSent = cell;
        observer.Progress(shift + cell);
        if (cell == kLastWrittenCell && !verify)
            observer.EnableClose();
    }
    observer.Progress(shift + kWriteProgressEnd);
    return TransferOutcome::Completed;
}

TransferOutcome CWriteTransfer::VerifyCells()
{
    observer.PhaseStarted(TransferPhase::Verifying);
    const int shift = backup ? kBackupShift : 0;
    // The write answers were not examined; whatever extra they brought must
    // not be taken for the first values read back.
    link->Purge();
    UserText found;
    for (int cell = 0; cell <= kLastDataCell; ++cell) {
        if (stop.Requested())
            return EndStopped(kCheckStoppedMessage, TransferOutcome::VerifyFailed);
        int value = 0;
        FrameResult result = ReadCell(*link, cell, value);
        if (result != FrameResult::Answered)
            return EndFailed(
                *link, observer, FrameFailureMessage(result), TransferOutcome::VerifyFailed);
        if (value != sent[cell] && found.Empty())
            found = VerifyDifferenceMessage(cell, value, sent[cell], table);
        observer.Progress(shift + kVerifyProgressStart + cell);
    }
    // A stray byte shifts every later answer: the values only count when
    // nothing follows the last one, so the difference is told after that.
    if (!LineIsQuiet(*link))
        return EndFailed(*link, observer, kCheckConnectionMessage, TransferOutcome::VerifyFailed);
    if (!found.Empty()) {
        difference = DifferenceOfVerifyMessage(found);
        return EndFailed(*link, observer, found, TransferOutcome::VerifyFailed);
    }
    observer.EnableClose();
    return TransferOutcome::Completed;
}

CReadTransfer::CReadTransfer(const ProjectState& current, std::unique_ptr<CLink> link_,
    CTransferObserver& observer_, SettleWait settle_)
    : base(std::make_unique<ProjectState>(current))
    , link(std::move(link_))
    , observer(observer_)
    , settle(std::move(settle_))
{
}

CReadTransfer::~CReadTransfer() = default;

TransferOutcome CReadTransfer::Run()
{
    if (!base)
        return TransferOutcome::DataFailed; // Run was called before
    if (stop.Requested()) {
        stopped = true;
        return EndFailed(*link, observer, kReadStoppedMessage, TransferOutcome::HandshakeFailed);
    }
    if (!OpenLink(*link, settle))
        return EndNotOpened(*link, observer);
    int identification = 0;
    if (const UserText* problem = HandshakeProblem(*link, false, 0, identification))
        return EndFailed(*link, observer, *problem, TransferOutcome::HandshakeFailed);

    observer.PhaseStarted(TransferPhase::Reading);
    auto reading = std::make_unique<BoxReading>();
    for (int cell = 0; cell <= kReadProgressEnd; ++cell) {
        if (stop.Requested()) {
            stopped = true;
            return EndFailed(*link, observer, kReadStoppedMessage, TransferOutcome::DataFailed);
        }
        if (cell == kIdentificationCell)
            observer.EnableClose();
        FrameResult result = ReadCell(*link, cell, reading->cells[cell]);
        if (result != FrameResult::Answered)
            return EndFailed(
                *link, observer, FrameFailureMessage(result), TransferOutcome::DataFailed);
        observer.Progress(cell);
    }
    if (!LineIsQuiet(*link))
        return EndFailed(*link, observer, kCheckConnectionMessage, TransferOutcome::DataFailed);
    link->SetDtr(false);

    observer.Progress(kReadProgressEnd);
    RebuildFromCells(reading->cells, *base);
    reading->project = std::move(base);
    reading->warnings = ReadWarnings(reading->cells);
    {
        std::lock_guard<std::mutex> lock(resultMutex);
        result = std::move(reading);
    }
    return EndNormally(*link, observer);
}

std::unique_ptr<BoxReading> CReadTransfer::TakeReading()
{
    std::lock_guard<std::mutex> lock(resultMutex);
    return std::move(result);
}

std::unique_ptr<ProjectState> CReadTransfer::TakeProject()
{
    std::lock_guard<std::mutex> lock(resultMutex);
    return result ? std::move(result->project) : nullptr;
}
