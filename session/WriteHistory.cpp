#include "WriteHistory.h"

#include <FileReader.h>
#include <FileWriter.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr const char* kProjectExtension = ".rmvp";
constexpr const char* kSidecarExtension = ".txt";
constexpr const char* kTimeKey = "Written: ";
constexpr const char* kBoxKey = "Box: ";
constexpr const char* kVerifiedKey = "Verified: ";

std::tm LocalTime(std::time_t seconds)
{
    std::tm local {};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    return local;
}

std::string Formatted(const std::tm& local, const char* format)
{
    char text[64];
    std::strftime(text, sizeof text, format, &local);
    return text;
}

std::string SidecarPath(const std::string& projectPath)
{
    fs::path path = fs::u8path(projectPath);
    path.replace_extension(kSidecarExtension);
    return path.u8string();
}

// The value after key on a line of the sidecar, or nothing.
std::optional<std::string> ValueOf(const std::string& line, const char* key)
{
    const std::string prefix = key;
    if (line.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    std::string value = line.substr(prefix.size());
    while (!value.empty() && (value.back() == '\r' || value.back() == '\n'))
        value.pop_back();
    return value;
}

std::optional<HistoryEntry> ReadSidecar(const std::string& projectPath)
{
    // A regular file of a note's size only: a FIFO would hang the listing.
    const SmallFile file = ReadSmallFile(SidecarPath(projectPath));
    if (file.status != SmallFileStatus::Read)
        return std::nullopt;
    std::istringstream in(file.bytes);
    HistoryEntry entry;
    entry.projectPath = projectPath;
    bool haveTime = false;
    bool haveBox = false;
    bool haveCheck = false;
    std::string line;
    while (std::getline(in, line)) {
        if (auto time = ValueOf(line, kTimeKey)) {
            entry.time = *time;
            haveTime = true;
        } else if (auto box = ValueOf(line, kBoxKey)) {
            entry.boxIdentification = std::atoi(box->c_str());
            haveBox = true;
        } else if (auto check = ValueOf(line, kVerifiedKey)) {
            haveCheck = true;
            if (*check == "yes")
                entry.check = WriteCheck::Verified;
            else if (*check == "no")
                entry.check = WriteCheck::Differed;
            else if (*check == "off")
                entry.check = WriteCheck::Off;
            else
                haveCheck = false;
        }
    }
    if (!haveTime || !haveBox || !haveCheck)
        return std::nullopt;
    return entry;
}

} // namespace

const char* WriteCheckWord(WriteCheck check)
{
    switch (check) {
    case WriteCheck::Verified:
        return "yes";
    case WriteCheck::Differed:
        return "no";
    case WriteCheck::Off:
        break;
    }
    return "off";
}

std::string ToolHistoryFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    fs::path base;
    if (dataHome && *dataHome) {
        base = fs::u8path(dataHome);
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home)
            return {};
        base = fs::u8path(home) / ".local" / "share";
    }
    return ((base / "Ramvik" / "History") / "").u8string();
}

std::string WindowHistoryFolder(const std::string& rootPath)
{
    return rootPath.empty() ? std::string() : rootPath + "History/";
}

bool RecordWrite(const std::string& folder, const std::string& projectText, int boxIdentification,
    WriteCheck check, std::string& error, std::string* keptAs)
{
    if (folder.empty()) {
        error = "no folder for the history";
        return false;
    }
    std::error_code code;
    fs::create_directories(fs::u8path(folder), code);
    if (code) {
        error = code.message();
        return false;
    }
    const auto now = std::chrono::system_clock::now();
    const std::tm local = LocalTime(std::chrono::system_clock::to_time_t(now));
    const int milliseconds = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count()
        % 1000);
    // The name sorts by time; a second write within the same millisecond
    // gets a counter rather than replacing the first.
    char fraction[8];
    std::snprintf(fraction, sizeof fraction, ".%03d", milliseconds);
    const std::string stem = Formatted(local, "%Y-%m-%d_%H-%M-%S") + fraction;
    fs::path projectPath = fs::u8path(folder) / (stem + kProjectExtension);
    for (int counter = 2; fs::exists(projectPath, code); ++counter)
        projectPath
            = fs::u8path(folder) / (stem + "_" + std::to_string(counter) + kProjectExtension);

    std::ostringstream sidecar;
    sidecar << kTimeKey << Formatted(local, "%Y-%m-%d %H:%M:%S") << "\n"
            << kBoxKey << boxIdentification << "\n"
            << kVerifiedKey << WriteCheckWord(check) << "\n";
    // The sidecar first: a project file without one would not count as an
    // entry, and one with a sidecar but no project is never listed.
    if (!WriteFileSafely(SidecarPath(projectPath.u8string()), sidecar.str(), error)
        || !WriteFileSafely(projectPath.u8string(), projectText, error))
        return false;
    if (keptAs)
        *keptAs = projectPath.u8string();
    return true;
}

std::vector<HistoryEntry> ListHistory(const std::string& folder)
{
    std::vector<HistoryEntry> entries;
    std::error_code code;
    fs::directory_iterator it(fs::u8path(folder), code);
    if (code)
        return entries;
    for (const fs::directory_entry& file : it) {
        if (file.path().extension() != kProjectExtension || !file.is_regular_file(code))
            continue;
        if (auto entry = ReadSidecar(file.path().u8string()))
            entries.push_back(*entry);
    }
    // The names start with the time, so the newest sorts last by name.
    std::sort(entries.begin(), entries.end(),
        [](const HistoryEntry& a, const HistoryEntry& b) { return a.projectPath > b.projectPath; });
    return entries;
}

std::optional<UserText> HistoryNote(const std::string& projectPath)
{
    const std::optional<HistoryEntry> entry = ReadSidecar(projectPath);
    if (!entry)
        return std::nullopt;
    UserText note;
    switch (entry->check) {
    case WriteCheck::Verified:
        note = RAMVIK_TR("WriteHistory", "Written into box %1 on %2; verified: yes.");
        break;
    case WriteCheck::Differed:
        note = RAMVIK_TR("WriteHistory", "Written into box %1 on %2; verified: no.");
        break;
    case WriteCheck::Off:
        note = RAMVIK_TR("WriteHistory", "Written into box %1 on %2; verified: off.");
        break;
    }
    return note.Arg(std::to_string(entry->boxIdentification)).Arg(entry->time);
}
