#pragma once

#include <UserText.h>

#include <optional>
#include <string>
#include <vector>

// The history of writes, the workshop's job log: which project went into
// which box, when, from which computer, for which customer and vehicle, and
// how the write ended. An entry is up to three files under one name:
//
//   NAME.rmvp          the project as written: exactly what Save writes, so
//                      any tool opens and prints it
//   NAME.before.rmvp   what the box held before the write (the backup read
//                      first), again an ordinary project file
//   NAME.txt           the entry's facts, one "Key: value" a line
//
// NAME is the local time the write began, the computer's name and a random
// part ("2026-12-07_12-04-13.123_WORKSHOP-1_9f3a1c2e"), so computers sharing
// a network folder never pick the same name. Every file goes through the
// file writer, the facts last: a project copy without its facts is an entry
// still being written (or one whose writer died), and readers skip it.
//
// A write records its entry as started before its first data frame and
// completes it with its outcome when it ends. An entry still started after
// that is a write that was killed, crashed or lost its power.

// How a write ended, as the history keeps it.
enum class WriteOutcome {
    Started, // began and never ended: killed, crashed, power lost
    Verified, // every cell sent; cells 0..254 read back as written
    Differs, // every cell sent; the read-back found another value
    CheckCutOff, // every cell sent; the read-back did not finish
    NotVerified, // every cell sent; no read-back was asked for
    Stopped, // stopped on request after cell `cell` (-1: before the first)
    Failed, // the line failed at cell `cell`
};

// What the user may tell about a write; each optional.
struct WriteJobFields {
    std::string customer;
    std::string vehicle;
    std::string plate; // registration or VIN
    std::string note;
};

struct HistoryEntry {
    std::string name; // NAME above; what `ramvik-cli restore` takes
    std::string projectPath; // the copy of the project as written
    std::string beforePath; // what the box held before; empty: not kept
    std::string time; // local time the write began, "YYYY-MM-DD HH:MM:SS"
    int boxIdentification = 0;
    std::string computer; // empty in entries of older versions
    WriteOutcome outcome = WriteOutcome::Started;
    int cell = -1; // Stopped: the last cell the box took; Failed: the cell that failed
    std::string difference; // Differs: the first difference, as the write named it
    std::string projectName; // the project's file name when it was written
    std::string sourcePath; // its full path; empty when it was in no file
    std::string restores; // a write-back: the entry whose "before" it wrote
    WriteJobFields job;
};

// A folder's entries, newest first.
struct HistoryListing {
    std::vector<HistoryEntry> entries;
    // Entries that are only half there (a copy without its facts, facts
    // without their copy or that cannot be read): left out and counted.
    int skipped = 0;
    // False when the folder exists but cannot be read; problem says why. A
    // folder that does not exist yet is an empty, readable history.
    bool readable = true;
    std::string problem;
};

// The tool's history folder: $XDG_DATA_HOME/Ramvik/History/, else
// ~/.local/share/Ramvik/History/; empty when neither can be found.
std::string ToolHistoryFolder();
// The window's: "History/" in the installation folder (which ends in a
// separator); empty when that is unknown.
std::string WindowHistoryFolder(const std::string& rootPath);

// This computer's name as entries carry it: letters, digits and "-" only.
std::string ComputerName();

// What a new entry is made of.
struct NewHistoryEntry {
    int boxIdentification = 0;
    std::string projectText; // the project file text as written
    std::optional<std::string> beforeText; // what the box held, when read first
    std::string projectName;
    std::string sourcePath;
    std::string restores;
    WriteJobFields job;
};

// Writes a new entry marked as started (the time is now; the folder is made
// when missing) and fills entry with it. False with the reason in error;
// nothing of the entry is then left but perhaps a copy without its facts.
bool StartHistoryEntry(const std::string& folder, const NewHistoryEntry& facts, HistoryEntry& entry,
    std::string& error);
// Replaces the facts of a started entry by those of entry (its outcome,
// cell and difference). False with the reason in error; the entry then stays
// as it was.
bool CompleteHistoryEntry(const HistoryEntry& entry, std::string& error);

// The folder's entries, newest first, and what could not be read.
HistoryListing ReadHistory(const std::string& folder);
// The entries alone.
std::vector<HistoryEntry> ListHistory(const std::string& folder);

// Which entries a search keeps: text found in any field (case-insensitive
// for Latin letters, ä and Ą among them; the outcome as its words say it),
// and the box's identification unless box is 0.
struct HistoryFilter {
    std::string text;
    int box = 0;
};
bool HistoryEntryMatches(const HistoryEntry& entry, const HistoryFilter& filter);
std::vector<HistoryEntry> SearchHistory(
    const std::vector<HistoryEntry>& entries, const HistoryFilter& filter);

// The entry of that name in the folder, or of that path (any of its files);
// nothing when there is none or it cannot be read.
std::optional<HistoryEntry> FindHistoryEntry(
    const std::string& folder, const std::string& nameOrPath);

// The outcome as the history, the messages and the printed sheet say it:
// "verified: parameters and points (cells 0–254); the box's table cells
// cannot be read back", "stopped after cell 301 of 766: ...".
UserText WriteOutcomeText(const HistoryEntry& entry);
// The outcome's word in the facts file and in ramvik-cli's JSON: "started",
// "verified", "differs", "check cut off", "not verified", "stopped", "failed".
const char* WriteOutcomeCode(WriteOutcome outcome);

// Whether the box may hold parts of two projects after this write: it
// started and never ended, or it stopped or failed after taking a cell.
bool LeftBoxUnfinished(const HistoryEntry& entry);
// The newest entry of each box whose newest entry left it unfinished. A
// later write into the same box number that sent every cell (whatever its
// check found) clears it. The box number is the box's identification, so a
// complete write into another box of the same kind clears it too.
std::vector<HistoryEntry> UnfinishedWrites(const std::vector<HistoryEntry>& newestFirst);
// "The last write into box 132 (2026-12-07 12:04) did not finish: the box may
// hold parts of two projects. Write the project again."
UserText UnfinishedWriteMessage(const HistoryEntry& entry);
// Why a compare cannot vouch for such a box although cells 0..254 match:
// "The box's table cells (256–766) cannot be read back, and the last write
// into box 132 (2026-12-07 12:04) did not finish: they may hold another
// project."
UserText UnfinishedCompareNote(const HistoryEntry& entry);

// "Left out 2 history entries that are only half there ..."; empty for 0.
UserText SkippedEntriesNote(int skipped);
// "Can't read the write history:", the folder and the reason.
UserText HistoryUnreadableMessage(const std::string& folder, const std::string& problem);

// The lines a printed sheet of a history entry's copy carries: when, into
// which box and from which computer it was written, the outcome, the
// customer, vehicle and registration, the note, the entry a write-back
// restored; nothing when the project
// file is no entry's copy.
std::vector<UserText> HistoryNoteLines(const std::string& projectPath);
// The same lines as one text, one a line.
std::optional<UserText> HistoryNote(const std::string& projectPath);
