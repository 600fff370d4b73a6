#pragma once

#include <UserText.h>

#include <optional>
#include <string>
#include <vector>

// The history of writes: every write that sent all its cells leaves a copy of
// the project as written (an ordinary project file any tool can open) and,
// beside it under the same name with ".txt", what is known about the write.
// The project file stays exactly what Save writes, so other programs read it.

// What the read-back of a write found.
enum class WriteCheck { Verified, Differed, Off };

struct HistoryEntry {
    std::string projectPath; // the copy of the project as written
    std::string time; // local time, "YYYY-MM-DD HH:MM:SS"
    int boxIdentification = 0;
    WriteCheck check = WriteCheck::Off;
};

// The tool's history folder: $XDG_DATA_HOME/Ramvik/History/, else
// ~/.local/share/Ramvik/History/; empty when neither can be found.
std::string ToolHistoryFolder();
// The window's: "History/" in the installation folder (which ends in a
// separator); empty when that is unknown.
std::string WindowHistoryFolder(const std::string& rootPath);

// Keeps one write: the project file text and its sidecar, in a folder that is
// created when missing. The time is now. False with the reason in error;
// true with the path of the project's copy in keptAs, when given.
bool RecordWrite(const std::string& folder, const std::string& projectText, int boxIdentification,
    WriteCheck check, std::string& error, std::string* keptAs = nullptr);

// Every entry of the folder, newest first; entries without a readable sidecar
// are left out.
std::vector<HistoryEntry> ListHistory(const std::string& folder);

// "yes", "no" or "off", as the sidecar and ramvik-cli history write it.
const char* WriteCheckWord(WriteCheck check);

// The line a printed sheet of a history entry carries, e.g. "Written into box
// 132 on 2026-12-07 03:18:13; verified: yes.", or nothing when the project
// file has no sidecar.
std::optional<UserText> HistoryNote(const std::string& projectPath);
