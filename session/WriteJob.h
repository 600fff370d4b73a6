#pragma once

#include "TransferJob.h"

#include <string>

// What became of the history entry of a write.
enum class WriteKept {
    NotSent, // the write did not send every cell: there is nothing to keep
    Kept, // HistoryEntry() names the copy
    NoFolder, // no data folder is known, so nothing could be kept
    Failed, // the folder could not be written; HistoryProblem() says why
};

// A write of the project into the box (CSession::MakeWriteJob), with what the
// window needs to tell the user afterwards. Every fact is for the caller's
// thread once Finish has run.
class CWriteJob : public CTransferJob {
public:
    // Whether the cells were to be read back after writing.
    virtual bool Verifies() const = 0;
    // The read-back's first difference as the transfer named it ("cell 1
    // (stop voltage): box 44, written 45."); empty when it found none or was
    // cut short (the outcome is VerifyFailed then too).
    virtual const UserText& Difference() const = 0;
    virtual WriteKept Kept() const = 0;
    // The copy of the project as written (an ordinary project file); empty
    // unless Kept() is Kept.
    virtual const std::string& HistoryEntry() const = 0;
    // Why the history could not be written, as the system said it.
    virtual const std::string& HistoryProblem() const = 0;
};
