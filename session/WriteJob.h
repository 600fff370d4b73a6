#pragma once

#include "TransferJob.h"
#include "WriteHistory.h"

#include <string>

// What became of the history entry of a write.
enum class WriteKept {
    NotSent, // the write ended before it reached the box's cells (and was not
             // stopped there): there is nothing to keep
    Kept, // HistoryEntry() names the copy; JournalEntry() holds its facts
    NoFolder, // no data folder is known, so nothing could be kept
    Failed, // the folder could not be written; HistoryProblem() says why
};

// A write of a project into the box (CSession::MakeWriteJob, MakeRestoreJob),
// with what the window and the tool need to tell the user afterwards. Every
// fact is for the caller's thread once Run has returned.
//
// The write keeps its journal in the history folder: with a backup (on by
// default) it first reads what the box holds; before its first data frame it
// records the entry as started, with that "before" and the job's fields;
// when it ends it completes the entry with its outcome. A backup that the
// history folder cannot take stops the write before its first cell: what the
// box held would be lost. With no folder at all (no data folder is known)
// nothing is kept and the write goes on; a note says so.
class CWriteJob : public CTransferJob {
public:
    // Whether the cells were to be read back after writing.
    virtual bool Verifies() const = 0;
    // Whether the box is read and kept before the write.
    virtual bool BacksUp() const = 0;
    // What the user tells about this write (customer, vehicle, plate, note),
    // kept in its history entry. On the caller's thread, before Run.
    virtual void SetJobFields(const WriteJobFields& fields) = 0;
    virtual const WriteJobFields& JobFields() const = 0;
    // The read-back's first difference as the transfer named it ("cell 1
    // (stop voltage): box 44, written 45."); empty when it found none or was
    // cut short (the outcome is VerifyFailed then too).
    virtual const UserText& Difference() const = 0;
    virtual WriteKept Kept() const = 0;
    // The copy of the project as written (an ordinary project file); empty
    // unless Kept() is Kept.
    virtual const std::string& HistoryEntry() const = 0;
    // The write's entry as the history keeps it: outcome, cell, difference,
    // box, time, the "before" (beforePath) and the job's fields. Its facts
    // hold also when the history could not keep them (Kept() NoFolder or
    // Failed); they mean nothing when Kept() is NotSent.
    virtual const ::HistoryEntry& JournalEntry() const = 0;
    // Why the history could not be written, as the system said it.
    virtual const std::string& HistoryProblem() const = 0;
    // What to say once the write has ended, besides the transfer's own
    // messages: "Written into box 132; verified: parameters and points
    // (cells 0–254); the box's table cells cannot be read back.", a check
    // cut off by the line, a write that failed at a cell; empty otherwise.
    virtual UserText OutcomeMessage() const = 0;
};
