#pragma once

#include <Transfer.h>
#include <UserText.h>

#include <vector>

// One transfer with the box as the session prepares it: made on the caller's
// (user-interface) thread, run once on a worker, then finished on the
// caller's thread again. Whoever starts the worker owns the job and joins the
// worker before the job goes.
class CTransferJob {
public:
    virtual ~CTransferJob() = default;

    // The progress reports run from 0 to this position: 767 for a write,
    // 1022 for a verified write, 256 more with a backup, 255 for a read.
    virtual int LastPosition() const = 0;
    // The cells moved once the box has answered the cell at this progress
    // position (TransferProgress.h), and in all: 766 for a write, 1021 for
    // a verified write, 256 more with a backup, 256 for a read.
    virtual int CellsDone(int position) const = 0;
    int TotalCells() const { return CellsDone(LastPosition()); }

    // On the worker: the whole transfer, reported through observer, which
    // must outlive the call. Blocks. Call once.
    virtual TransferOutcome Run(CTransferObserver& observer) = 0;

    // From any thread at any time, also from a signal handler (it only sets
    // a lock-free flag): the transfer stops before its next frame, so the
    // frame in flight is answered first; the link is closed, the transfer
    // says what the box now holds, and a write records its outcome in the
    // history. A read or compare that is stopped hands nothing over.
    virtual void RequestStop() = 0;
    // After Run: whether the transfer ended early because of RequestStop.
    virtual bool Stopped() const = 0;

    // On the caller's thread once Run has returned: a read installs the
    // project it brought. True when the session's project was replaced; a
    // write never replaces it.
    virtual bool Finish() { return false; }

    // What to tell the user once Finish has run, besides the transfer's own
    // messages: the implausible values of a read, a write the history could
    // not keep. The window shows them in one message box, the tool prints
    // each on standard error.
    virtual std::vector<UserText> Notes() const { return {}; }

    // The box's identification (132 or 213) once the transfer learnt it,
    // else 0. Read it after Finish.
    virtual int BoxIdentification() const = 0;
};

// The words for a transfer's phase: while it runs, as the dialog and the tool
// show it beside the progress ("Writing...", "Checking...", "Reading..."),
// and once it ended well, as the dialog shows it beside the full bar
// ("Written", "Checked" for a write that was verified, "Read").
struct TransferPhaseWords {
    UserText running;
    UserText done;
};

inline TransferPhaseWords WordsFor(TransferPhase phase)
{
    switch (phase) {
    case TransferPhase::BackingUp:
        return { RAMVIK_TR("TransferPhase", "Backing up..."),
            RAMVIK_TR("TransferPhase", "Backed up") };
    case TransferPhase::Writing:
        return { RAMVIK_TR("TransferPhase", "Writing..."), RAMVIK_TR("TransferPhase", "Written") };
    case TransferPhase::Verifying:
        return { RAMVIK_TR("TransferPhase", "Checking..."), RAMVIK_TR("TransferPhase", "Checked") };
    case TransferPhase::Reading:
        break;
    }
    return { RAMVIK_TR("TransferPhase", "Reading..."), RAMVIK_TR("TransferPhase", "Read") };
}

inline UserText TransferPhaseText(TransferPhase phase)
{
    return WordsFor(phase).running;
}

inline UserText TransferDoneText(TransferPhase lastPhase)
{
    return WordsFor(lastPhase).done;
}
