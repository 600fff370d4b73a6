#pragma once

#include "BoxTable.h"
#include "Link.h"

#include <ProjectState.h>
#include <UserText.h>

#include <array>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// How a transfer ended. A transfer stopped on request (RequestStop) ends with
// the outcome of the part it was in: HandshakeFailed before the first data
// frame (the box holds what it held), DataFailed while sending or reading
// cells, VerifyFailed during a write's read-back; its Stopped() tells it from
// a failure.
enum class TransferOutcome {
    Completed, // every frame answered (and the box confirmed a verified write)
    Refused, // write only: the box cannot hold the project; link never opened
    NotOpened, // "No USB Device Connected!"; the link is closed again
    HandshakeFailed, // failed write, short answer, foreign or unsuitable box
    DataFailed, // failed write, short or garbled answer while sending or
                // reading cells, or bytes left on the line after a read or
                // after a write that is not read back
    VerifyFailed, // write only: every cell was sent and acknowledged, but
                  // reading cells 0..254 back found another value or lost
                  // the connection; the message says which
    ShutdownFailed, // all cells moved, but the final purge or DTR drop failed
};

// The parts of a transfer after the handshake, each announced once.
enum class TransferPhase {
    BackingUp, // a write first reads cells 0..255; progress 0..255
    Writing, // cells 0..766 without 255; progress 0..767
    Verifying, // cells 0..254 read back; progress 768 + cell, so 768..1022
    Reading, // cells 0..255; progress 0..255
};

// Progress positions of a write: the data phase ends at 767, the read-back of
// a verified write at 1022 (768 + 254). A write that backs the box up first
// reports the backup at 0..255 and every later position kBackupShift on.
constexpr int kBackupShift = 256;
constexpr int kWriteProgressEnd = 767;
constexpr int kVerifyProgressStart = 768;
constexpr int kVerifiedWriteProgressEnd = kVerifyProgressStart + kLastDataCell;
constexpr int kReadProgressEnd = 255;

// What a transfer reports to its dialog (or to the command-line tool). Every
// call comes from the transfer's worker thread, in this order of events; a
// dialog forwards each one to its user-interface thread. Finished is always
// the last call, exactly once.
class CTransferObserver {
public:
    virtual ~CTransferObserver() = default;
    // The progress bar's position: the cell just answered. A write's range is
    // 0..WriteTransfer::LastProgress() (767, or 1022 when it is verified), a
    // read's 0..255; see TransferPhase.
    virtual void Progress(int position) = 0;
    // A phase begins; a dialog may name it beside the progress bar.
    virtual void PhaseStarted(TransferPhase) { }
    // A message for a message box with an OK button; "\n" breaks lines.
    virtual void Message(const UserText& text) = 0;
    // The Close button may be pressed from now on.
    virtual void EnableClose() = 0;
    // The dialog ends as its Close button ends it (the link is already shut).
    virtual void CloseDialog() = 0;
    virtual void Finished(TransferOutcome outcome) = 0;
};

// Waits a while; production code sleeps. Benchmarks and tests may pass a
// function that returns at once, to leave out the 100 ms settle wait of the
// link opening (the only wait that is not a time-out).
using SettleWait = std::function<void(std::chrono::milliseconds)>;
void SleepFor(std::chrono::milliseconds duration);

// A stop asked of a running transfer: from another thread (the window's Stop
// button) or from a signal handler, as the flag is lock-free. The transfer
// looks at it before each frame, so the frame in flight is answered and the
// box never gets half a frame.
class CStopRequest {
public:
    void Request() noexcept { requested.store(true, std::memory_order_relaxed); }
    bool Requested() const noexcept { return requested.load(std::memory_order_relaxed); }

private:
    static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler sets it");
    std::atomic<bool> requested { false };
};

// What the box is told when a write or read is stopped: "The write stopped
// after cell 301 of 766: the box now holds parts of two projects. ..." and
// the texts for a stop before the first cell, during the read-back and
// during a read.
UserText WriteStoppedMessage(int lastCell);
extern const UserText kWriteStoppedBeforeMessage;
extern const UserText kCheckStoppedMessage;
extern const UserText kReadStoppedMessage;

// Writes a project into the box. Create it on the user-interface thread (it
// computes the box table from the project there, so the project is not used
// afterwards), then call Run on a worker thread. The transfer owns the link:
// it opens it in Run and has closed it when Run returns.
//
// A write is verified unless SetVerify(false) is called before Run: after
// the last cell, cells 0..254 are read back in the same link session and
// compared with the values sent. The first difference is reported by its
// meaning (VerifyDifferenceMessage); a lost connection while reading back
// with the connection message. Either ends with VerifyFailed.
//
// With SetBackup(true) the write first reads cells 0..255 in the same link
// session, after the handshake, so that what the box held can be kept; a
// backup read that fails ends the write before its first cell.
class CWriteTransfer {
public:
    // Called on the worker once the box is known (and read, with a backup),
    // just before the first data frame: cells is what the box held, or null
    // without a backup. An empty text lets the write go on; any other text
    // ends it there as its message (HandshakeFailed: nothing was written).
    using BeforeFirstCell = std::function<UserText(const ReadCells* cells)>;

    CWriteTransfer(const ProjectState& project, std::unique_ptr<CLink> link,
        CTransferObserver& observer, SettleWait settle = SleepFor);

    void SetVerify(bool verify) { this->verify = verify; }
    bool Verifies() const { return verify; }
    void SetBackup(bool backup) { this->backup = backup; }
    bool BacksUp() const { return backup; }
    void SetBeforeFirstCell(BeforeFirstCell hook) { beforeFirstCell = std::move(hook); }
    // The progress bar's end: kVerifiedWriteProgressEnd or kWriteProgressEnd,
    // kBackupShift later with a backup.
    int LastProgress() const
    {
        return (backup ? kBackupShift : 0)
            + (verify ? kVerifiedWriteProgressEnd : kWriteProgressEnd);
    }

    // The whole transfer: the refusal check, opening the link, the
    // handshake, the backup read, cells 0 to 766 without 255, the read-back,
    // the shutdown. Blocks. Run once.
    TransferOutcome Run();

    // Any thread, also a signal handler, at any time: the write stops before
    // its next frame and tells what the box now holds.
    void RequestStop() noexcept { stop.Request(); }

    const BoxTable& Table() const { return table; }
    // The box's identification (cell 255) once the handshake read it, else 0.
    // Read it and the facts below after Run has returned.
    int BoxIdentification() const { return identification; }
    // Whether the write ended early because a stop was requested.
    bool Stopped() const { return stopped; }
    // The last data cell the box acknowledged: -1 before the first, 766 when
    // every cell was sent.
    int LastCellSent() const { return lastCellSent; }
    // The cell whose frame failed in the data phase, else -1.
    int FailedCell() const { return failedCell; }
    // The read-back's first difference ("cell 1 (stop voltage): box 44,
    // written 45."); empty when it found none or did not finish.
    const UserText& Difference() const { return difference; }

private:
    TransferOutcome BackUp(ReadCells& cells);
    TransferOutcome SendCells();
    TransferOutcome VerifyCells();
    TransferOutcome EndStopped(const UserText& message, TransferOutcome outcome);

    BoxTable table;
    ReadCells sent; // the values of cells 0..254 as their frames carry them
    int boxType;
    std::vector<UserText> refusals;
    std::unique_ptr<CLink> link;
    CTransferObserver& observer;
    SettleWait settle;
    bool verify = true;
    bool backup = false;
    BeforeFirstCell beforeFirstCell;
    CStopRequest stop;
    int identification = 0;
    bool stopped = false;
    int lastCellSent = -1;
    int failedCell = -1;
    UserText difference;
};

// "The box holds other values than were written: " followed by the cell,
// its meaning and both values, e.g. "cell 1 (stop voltage): box 44, written
// 45."
UserText VerifyDifferenceMessage(int cell, int boxValue, int sentValue, const BoxTable& table);
// The difference such a message names ("cell 1 (stop voltage): box 44,
// written 45."), or an empty text for any other message.
UserText DifferenceOfVerifyMessage(const UserText& message);

// What a completed read hands over.
struct BoxReading {
    std::unique_ptr<ProjectState> project; // rebuilt from the cells
    ReadCells cells {}; // as the box answered, cell 255 its identification
    // Values no project can hold (ReadWarnings): the project is rebuilt from
    // them all the same; show these after installing it.
    std::vector<UserText> warnings;
};

// Reads the box into a new project. Create it on the user-interface thread
// with the current project (the fields a read does not set are copied from
// it there), then call Run on a worker thread. The new project is built on
// the worker; after Finished (outcome Completed or ShutdownFailed) the
// user-interface thread takes it with TakeReading (or TakeProject) and
// installs it in one step: project = std::move(*reading->project).
class CReadTransfer {
public:
    CReadTransfer(const ProjectState& current, std::unique_ptr<CLink> link,
        CTransferObserver& observer, SettleWait settle = SleepFor);
    ~CReadTransfer();

    // The handshake, cells 0 to 255, the check that nothing more is on the
    // line, the rebuild, the shutdown. Blocks. Run once: a second call
    // reports nothing and returns DataFailed.
    TransferOutcome Run();

    // Any thread, also a signal handler: the read stops before its next
    // frame and hands nothing over.
    void RequestStop() noexcept { stop.Request(); }
    // After Run: whether it ended early because a stop was requested.
    bool Stopped() const { return stopped; }

    // What the read got, or null when it did not get every cell. Safe to call
    // from any thread; hands the reading over once.
    std::unique_ptr<BoxReading> TakeReading();
    // The project alone, out of the same reading (taken once by either call).
    std::unique_ptr<ProjectState> TakeProject();

private:
    std::unique_ptr<ProjectState> base; // the project as it was; a read keeps what it does not read
    std::unique_ptr<CLink> link;
    CTransferObserver& observer;
    SettleWait settle;
    CStopRequest stop;
    bool stopped = false;
    std::mutex resultMutex;
    std::unique_ptr<BoxReading> result;
};
