#pragma once

#include <Transfer.h>

// One transfer with the box as the session prepares it: made on the caller's
// (user-interface) thread, run once on a worker, then finished on the
// caller's thread again. Whoever starts the worker owns the job and joins the
// worker before the job goes.
class CTransferJob {
public:
    virtual ~CTransferJob() = default;

    // The progress reports run from 0 to this position: 767 for a write,
    // 255 for a read.
    virtual int LastPosition() const = 0;

    // On the worker: the whole transfer, reported through observer, which
    // must outlive the call. Blocks. Call once.
    virtual TransferOutcome Run(TransferObserver& observer) = 0;

    // On the caller's thread once Run has returned: a read installs the
    // project it brought. True when the session's project was replaced; a
    // write never replaces it.
    virtual bool Finish() { return false; }
};
