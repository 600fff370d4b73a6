#include "WriteHistory.h"

#include <BoxTable.h>
#include <BoxText.h>
#include <FileReader.h>
#include <FileWriter.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <random>
#include <sstream>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

constexpr const char* kProjectExtension = ".rmvp";
constexpr const char* kBeforeSuffix = ".before.rmvp";
constexpr const char* kFactsExtension = ".txt";

// The keys of the facts file. "Verified:" is what older versions wrote
// instead of "Outcome:" ("yes", "no" or "off").
constexpr const char* kTimeKey = "Written: ";
constexpr const char* kBoxKey = "Box: ";
constexpr const char* kOutcomeKey = "Outcome: ";
constexpr const char* kCellKey = "Cell: ";
constexpr const char* kDifferenceKey = "Difference: ";
constexpr const char* kComputerKey = "Computer: ";
constexpr const char* kProjectKey = "Project: ";
constexpr const char* kSourceKey = "Project path: ";
constexpr const char* kBeforeKey = "Before: ";
constexpr const char* kCustomerKey = "Customer: ";
constexpr const char* kVehicleKey = "Vehicle: ";
constexpr const char* kPlateKey = "Plate: ";
constexpr const char* kNoteKey = "Note: ";
constexpr const char* kRestoresKey = "Restores: ";
constexpr const char* kLegacyVerifiedKey = "Verified: ";

constexpr WriteOutcome kOutcomes[] = { WriteOutcome::Started, WriteOutcome::Verified,
    WriteOutcome::Differs, WriteOutcome::CheckCutOff, WriteOutcome::NotVerified,
    WriteOutcome::Stopped, WriteOutcome::Failed };

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size()
        && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

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

// A value on one line: backslashes, line feeds and carriage returns escaped.
std::string Escaped(const std::string& value)
{
    std::string out;
    for (char c : value) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string Unescaped(const std::string& value)
{
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

// The value after key on a line of the facts, or nothing.
std::optional<std::string> ValueOf(const std::string& line, const char* key)
{
    const std::string prefix = key;
    if (line.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    std::string value = line.substr(prefix.size());
    while (!value.empty() && (value.back() == '\r' || value.back() == '\n'))
        value.pop_back();
    return Unescaped(value);
}

std::string FactsText(const HistoryEntry& entry)
{
    std::ostringstream facts;
    const auto line = [&facts](const char* key, const std::string& value) {
        facts << key << Escaped(value) << "\n";
    };
    const auto optional = [&line](const char* key, const std::string& value) {
        if (!value.empty())
            line(key, value);
    };
    line(kTimeKey, entry.time);
    line(kBoxKey, std::to_string(entry.boxIdentification));
    line(kOutcomeKey, WriteOutcomeCode(entry.outcome));
    if (entry.outcome == WriteOutcome::Stopped || entry.outcome == WriteOutcome::Failed)
        line(kCellKey, std::to_string(entry.cell));
    optional(kDifferenceKey, entry.difference);
    optional(kComputerKey, entry.computer);
    optional(kProjectKey, entry.projectName);
    optional(kSourceKey, entry.sourcePath);
    if (!entry.beforePath.empty())
        line(kBeforeKey, fs::u8path(entry.beforePath).filename().u8string());
    optional(kCustomerKey, entry.job.customer);
    optional(kVehicleKey, entry.job.vehicle);
    optional(kPlateKey, entry.job.plate);
    optional(kNoteKey, entry.job.note);
    optional(kRestoresKey, entry.restores);
    return facts.str();
}

std::optional<WriteOutcome> OutcomeOfCode(const std::string& code)
{
    for (WriteOutcome outcome : kOutcomes) {
        if (code == WriteOutcomeCode(outcome))
            return outcome;
    }
    return std::nullopt;
}

// The entry whose facts file this is; nothing when a fact it needs is
// missing or its copy is not there.
std::optional<HistoryEntry> ReadFacts(const fs::path& factsPath)
{
    // A regular file of a note's size only: a FIFO would hang the listing.
    const SmallFile file = ReadSmallFile(factsPath.u8string());
    if (file.status != SmallFileStatus::Read)
        return std::nullopt;
    std::istringstream in(file.bytes);
    HistoryEntry entry;
    const fs::path folder = factsPath.parent_path();
    entry.name = factsPath.stem().u8string();
    entry.projectPath = (folder / fs::u8path(entry.name + kProjectExtension)).u8string();
    bool haveTime = false;
    bool haveBox = false;
    bool haveOutcome = false;
    std::string line;
    while (std::getline(in, line)) {
        if (auto time = ValueOf(line, kTimeKey)) {
            entry.time = *time;
            haveTime = true;
        } else if (auto box = ValueOf(line, kBoxKey)) {
            entry.boxIdentification = std::atoi(box->c_str());
            haveBox = true;
        } else if (auto code = ValueOf(line, kOutcomeKey)) {
            const std::optional<WriteOutcome> outcome = OutcomeOfCode(*code);
            haveOutcome = outcome.has_value();
            if (outcome)
                entry.outcome = *outcome;
        } else if (auto verified = ValueOf(line, kLegacyVerifiedKey)) {
            // "no" stood for a difference and for a cut-off check alike; the
            // difference was never kept.
            haveOutcome = *verified == "yes" || *verified == "no" || *verified == "off";
            entry.outcome = *verified == "yes" ? WriteOutcome::Verified
                : *verified == "no"            ? WriteOutcome::Differs
                                               : WriteOutcome::NotVerified;
        } else if (auto cell = ValueOf(line, kCellKey)) {
            entry.cell = std::atoi(cell->c_str());
        } else if (auto difference = ValueOf(line, kDifferenceKey)) {
            entry.difference = *difference;
        } else if (auto computer = ValueOf(line, kComputerKey)) {
            entry.computer = *computer;
        } else if (auto project = ValueOf(line, kProjectKey)) {
            entry.projectName = *project;
        } else if (auto source = ValueOf(line, kSourceKey)) {
            entry.sourcePath = *source;
        } else if (auto before = ValueOf(line, kBeforeKey)) {
            // Only a name in the same folder: the facts never point elsewhere.
            const fs::path name = fs::u8path(*before).filename();
            if (!name.empty())
                entry.beforePath = (folder / name).u8string();
        } else if (auto customer = ValueOf(line, kCustomerKey)) {
            entry.job.customer = *customer;
        } else if (auto vehicle = ValueOf(line, kVehicleKey)) {
            entry.job.vehicle = *vehicle;
        } else if (auto plate = ValueOf(line, kPlateKey)) {
            entry.job.plate = *plate;
        } else if (auto note = ValueOf(line, kNoteKey)) {
            entry.job.note = *note;
        } else if (auto restores = ValueOf(line, kRestoresKey)) {
            entry.restores = *restores;
        }
    }
    std::error_code code;
    if (!haveTime || !haveBox || !haveOutcome
        || !fs::is_regular_file(fs::u8path(entry.projectPath), code))
        return std::nullopt;
    if (!entry.beforePath.empty() && !fs::is_regular_file(fs::u8path(entry.beforePath), code))
        entry.beforePath.clear();
    return entry;
}

// The facts file of an entry's copy: NAME.rmvp gives NAME.txt. A before file
// (NAME.before.rmvp) has none of its own.
fs::path FactsPathOf(const std::string& projectPath)
{
    fs::path path = fs::u8path(projectPath);
    path.replace_extension(kFactsExtension);
    return path;
}

std::string RandomPart()
{
    std::random_device source;
    char text[16];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(source()));
    return text;
}

// The lower-case letter of a Latin capital (Basic Latin, Latin-1 and Latin
// Extended-A: the workshops' languages); any other character as it is.
char32_t LowerLatin(char32_t c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 0x20;
    if (c == 0x178) // Y with diaeresis
        return 0xFF;
    // Extended-A pairs capital and small; the pairs start on even code
    // points except between the dotless i and the apostrophe n, and in the
    // last few (Z with acute, dot, caron).
    const bool oddCapitals = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    const bool evenCapitals = c >= 0x100 && c <= 0x177 && c != 0x130 && c != 0x131 && c != 0x138
        && !(c >= 0x139 && c <= 0x149);
    if ((oddCapitals && c % 2 == 1) || (evenCapitals && c % 2 == 0))
        return c + 1;
    return c;
}

// The text with Latin letters in lower case, for a search that ignores case;
// bytes that are no UTF-8 stay as they are.
std::string Folded(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char first = static_cast<unsigned char>(text[i]);
        const unsigned char second
            = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (first < 0x80) {
            out += static_cast<char>(LowerLatin(first));
            ++i;
        } else if (first >= 0xC2 && first <= 0xC5 && (second & 0xC0) == 0x80) {
            const char32_t lower = LowerLatin(((first & 0x1F) << 6) | (second & 0x3F));
            out += static_cast<char>(0xC0 | (lower >> 6));
            out += static_cast<char>(0x80 | (lower & 0x3F));
            i += 2;
        } else {
            out += text[i++];
        }
    }
    return out;
}

} // namespace

const char* WriteOutcomeCode(WriteOutcome outcome)
{
    switch (outcome) {
    case WriteOutcome::Started:
        return "started";
    case WriteOutcome::Verified:
        return "verified";
    case WriteOutcome::Differs:
        return "differs";
    case WriteOutcome::CheckCutOff:
        return "check cut off";
    case WriteOutcome::NotVerified:
        return "not verified";
    case WriteOutcome::Stopped:
        return "stopped";
    case WriteOutcome::Failed:
        break;
    }
    return "failed";
}

UserText WriteOutcomeText(const HistoryEntry& entry)
{
    const std::string cell = std::to_string(entry.cell);
    const std::string last = std::to_string(kLastWrittenCell);
    switch (entry.outcome) {
    case WriteOutcome::Started:
        return RAMVIK_TR("WriteHistory",
            "did not finish (the program ended during the write): the box may hold parts of two "
            "projects");
    case WriteOutcome::Verified:
        // The dash's escape ends its literal: the translation tools would
        // take the digits after it for more of the escape.
        return RAMVIK_TR("WriteHistory",
            "verified: parameters and points (cells 0\u2013"
            "254); the box's table cells cannot be "
            "read back");
    case WriteOutcome::Differs:
        if (entry.difference.empty())
            return RAMVIK_TR(
                "WriteHistory", "differs: the box holds other values than were written");
        return RAMVIK_TR("WriteHistory", "differs: %1").Arg(entry.difference);
    case WriteOutcome::CheckCutOff:
        return RAMVIK_TR("WriteHistory",
            "check cut off: every cell was written, but not all of cells 0\u2013"
            "254 were read "
            "back");
    case WriteOutcome::NotVerified:
        return RAMVIK_TR("WriteHistory", "not verified: every cell was written, the check was off");
    case WriteOutcome::Stopped:
        if (entry.cell < 0)
            return RAMVIK_TR(
                "WriteHistory", "stopped before the first cell: the box holds what it held before");
        return RAMVIK_TR(
            "WriteHistory", "stopped after cell %1 of %2: the box holds parts of two projects")
            .Arg(cell)
            .Arg(last);
    case WriteOutcome::Failed:
        break;
    }
    return RAMVIK_TR("WriteHistory", "failed at cell %1 of %2: the box holds parts of two projects")
        .Arg(cell)
        .Arg(last);
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

std::string ComputerName()
{
    std::string name;
#ifdef _WIN32
    if (const char* computer = std::getenv("COMPUTERNAME"))
        name = computer;
#else
    char host[256] = {};
    if (gethostname(host, sizeof host - 1) == 0)
        name = host;
#endif
    // Only what every file system takes in a name, and not too long.
    for (char& c : name) {
        const bool plain
            = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!plain)
            c = '-';
    }
    name.resize(std::min<std::size_t>(name.size(), 40));
    return name.empty() ? std::string("computer") : name;
}

bool StartHistoryEntry(const std::string& folder, const NewHistoryEntry& facts, HistoryEntry& entry,
    std::string& error)
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
    char fraction[8];
    std::snprintf(fraction, sizeof fraction, ".%03d", milliseconds);

    entry = HistoryEntry();
    entry.time = Formatted(local, "%Y-%m-%d %H:%M:%S");
    entry.computer = ComputerName();
    entry.boxIdentification = facts.boxIdentification;
    entry.projectName = facts.projectName;
    entry.sourcePath = facts.sourcePath;
    entry.restores = facts.restores;
    entry.job = facts.job;
    entry.outcome = WriteOutcome::Started;
    // The time sorts the names; the computer and the random part keep two
    // computers (or two writes of one) in the same millisecond apart. A name
    // already taken is never reused.
    const std::string stem
        = Formatted(local, "%Y-%m-%d_%H-%M-%S") + fraction + "_" + entry.computer;
    for (int attempt = 0; attempt < 100 && entry.name.empty(); ++attempt) {
        const std::string name = stem + "_" + RandomPart();
        const fs::path base = fs::u8path(folder) / fs::u8path(name);
        if (!fs::exists(fs::u8path(base.u8string() + kProjectExtension), code)
            && !fs::exists(fs::u8path(base.u8string() + kFactsExtension), code))
            entry.name = name;
    }
    if (entry.name.empty()) {
        error = "no free name for the entry";
        return false;
    }
    const std::string base = (fs::u8path(folder) / fs::u8path(entry.name)).u8string();
    entry.projectPath = base + kProjectExtension;
    if (facts.beforeText) {
        entry.beforePath = base + kBeforeSuffix;
        if (!WriteFileSafely(entry.beforePath, *facts.beforeText, error))
            return false;
    }
    // The facts last: until they are there, readers skip the entry.
    return WriteFileSafely(entry.projectPath, facts.projectText, error)
        && WriteFileSafely(FactsPathOf(entry.projectPath).u8string(), FactsText(entry), error);
}

bool CompleteHistoryEntry(const HistoryEntry& entry, std::string& error)
{
    return WriteFileSafely(FactsPathOf(entry.projectPath).u8string(), FactsText(entry), error);
}

HistoryListing ReadHistory(const std::string& folder)
{
    HistoryListing listing;
    std::error_code code;
    fs::path path = fs::u8path(folder);
    if (!path.has_filename())
        path = path.parent_path(); // the folder itself, not what is in it
    const fs::file_status status = fs::status(path, code);
    // Nothing written yet (or no folder known at all).
    if (folder.empty() || status.type() == fs::file_type::not_found)
        return listing;
    if (!code && !fs::is_directory(status))
        code = std::make_error_code(std::errc::not_a_directory);
    if (code) {
        listing.readable = false;
        listing.problem = code.message();
        return listing;
    }
    fs::directory_iterator it(path, code);
    if (code) {
        listing.readable = false;
        listing.problem = code.message();
        return listing;
    }
    for (; it != fs::directory_iterator(); it.increment(code)) {
        const fs::path file = it->path();
        const std::string name = file.filename().u8string();
        // Hidden files are the file writer's temporary files, or no one's.
        if (name.empty() || name[0] == '.')
            continue;
        // A facts file that is no small regular file is read as none and
        // counted; only a regular copy without facts counts as half there.
        if (EndsWith(name, kFactsExtension)) {
            if (auto entry = ReadFacts(file))
                listing.entries.push_back(*entry);
            else
                ++listing.skipped;
        } else if (EndsWith(name, kProjectExtension) && !EndsWith(name, kBeforeSuffix)
            && it->is_regular_file(code) && !fs::exists(FactsPathOf(file.u8string()), code)) {
            ++listing.skipped; // a copy whose facts are not written (yet)
        }
    }
    if (code) {
        listing.readable = false;
        listing.problem = code.message();
    }
    // The names start with the time, so the newest sorts last by name.
    std::sort(listing.entries.begin(), listing.entries.end(),
        [](const HistoryEntry& a, const HistoryEntry& b) { return a.name > b.name; });
    return listing;
}

std::vector<HistoryEntry> ListHistory(const std::string& folder)
{
    return ReadHistory(folder).entries;
}

bool HistoryEntryMatches(const HistoryEntry& entry, const HistoryFilter& filter)
{
    if (filter.box != 0 && entry.boxIdentification != filter.box)
        return false;
    if (filter.text.empty())
        return true;
    const std::string wanted = Folded(filter.text);
    for (const std::string& field : { entry.name, entry.projectPath, entry.beforePath, entry.time,
             std::to_string(entry.boxIdentification), entry.computer,
             std::string(WriteOutcomeCode(entry.outcome)), WriteOutcomeText(entry).English(),
             entry.difference, entry.projectName, entry.sourcePath, entry.job.customer,
             entry.job.vehicle, entry.job.plate, entry.job.note, entry.restores }) {
        if (Folded(field).find(wanted) != std::string::npos)
            return true;
    }
    return false;
}

std::vector<HistoryEntry> SearchHistory(
    const std::vector<HistoryEntry>& entries, const HistoryFilter& filter)
{
    std::vector<HistoryEntry> found;
    for (const HistoryEntry& entry : entries) {
        if (HistoryEntryMatches(entry, filter))
            found.push_back(entry);
    }
    return found;
}

std::optional<HistoryEntry> FindHistoryEntry(
    const std::string& folder, const std::string& nameOrPath)
{
    fs::path path = fs::u8path(nameOrPath);
    std::string name = path.filename().u8string();
    for (const char* ending : { kBeforeSuffix, kProjectExtension, kFactsExtension }) {
        if (EndsWith(name, ending)) {
            name.resize(name.size() - std::string(ending).size());
            break;
        }
    }
    // A bare name is looked for in the folder; a path names its own.
    const fs::path where = path.has_parent_path() ? path.parent_path() : fs::u8path(folder);
    if (name.empty())
        return std::nullopt;
    return ReadFacts(where / fs::u8path(name + kFactsExtension));
}

bool LeftBoxUnfinished(const HistoryEntry& entry)
{
    switch (entry.outcome) {
    case WriteOutcome::Started:
        return true;
    case WriteOutcome::Stopped:
    case WriteOutcome::Failed:
        return entry.cell >= 0;
    default:
        return false;
    }
}

std::vector<HistoryEntry> UnfinishedWrites(const std::vector<HistoryEntry>& newestFirst)
{
    std::vector<HistoryEntry> unfinished;
    std::vector<int> seen;
    for (const HistoryEntry& entry : newestFirst) {
        // A write stopped before its first cell changed nothing: the box's
        // state is what the write before it left.
        if (entry.outcome == WriteOutcome::Stopped && entry.cell < 0)
            continue;
        if (std::find(seen.begin(), seen.end(), entry.boxIdentification) != seen.end())
            continue;
        seen.push_back(entry.boxIdentification);
        if (LeftBoxUnfinished(entry))
            unfinished.push_back(entry);
    }
    return unfinished;
}

UserText UnfinishedWriteMessage(const HistoryEntry& entry)
{
    return RAMVIK_TR("WriteHistory",
        "The last write into box %1 (%2) did not finish: the box may hold parts of two projects. "
        "Write the project again.")
        .Arg(std::to_string(entry.boxIdentification))
        .Arg(entry.time.substr(0, 16));
}

UserText UnfinishedCompareNote(const HistoryEntry& entry)
{
    return RAMVIK_TR("WriteHistory",
        "The box's table cells (256–766) cannot be read back, and the last write into box %1 "
        "(%2) did not finish: they may hold another project.")
        .Arg(std::to_string(entry.boxIdentification))
        .Arg(entry.time.substr(0, 16));
}

UserText SkippedEntriesNote(int skipped)
{
    if (skipped <= 0)
        return UserText();
    if (skipped == 1)
        return RAMVIK_TR("WriteHistory",
            "Left out 1 history entry that is only half there (another computer may be writing "
            "it).");
    return RAMVIK_TR("WriteHistory",
        "Left out %1 history entries that are only half there (another computer may be writing "
        "them).")
        .Number(skipped, 0);
}

UserText HistoryUnreadableMessage(const std::string& folder, const std::string& problem)
{
    return RAMVIK_TR("WriteHistory", "Can't read the write history:\n\n%1\n\n%2")
        .Arg(folder)
        .Arg(problem);
}

std::vector<UserText> HistoryNoteLines(const std::string& projectPath)
{
    std::vector<UserText> lines;
    if (projectPath.empty() || EndsWith(projectPath, kBeforeSuffix))
        return lines;
    const std::optional<HistoryEntry> entry = ReadFacts(FactsPathOf(projectPath));
    if (!entry)
        return lines;
    const std::string box = std::to_string(entry->boxIdentification);
    if (entry->computer.empty())
        lines.push_back(
            RAMVIK_TR("WriteHistory", "Written into box %1 on %2.").Arg(box).Arg(entry->time));
    else
        lines.push_back(RAMVIK_TR("WriteHistory", "Written into box %1 on %2 at %3.")
                            .Arg(box)
                            .Arg(entry->time)
                            .Arg(entry->computer));
    lines.push_back(RAMVIK_TR("WriteHistory", "Outcome: %1.").Arg(WriteOutcomeText(*entry)));
    std::vector<UserText> job;
    const auto add = [](std::vector<UserText>& to, UserText pattern, const std::string& value) {
        if (!value.empty())
            to.push_back(std::move(pattern).Arg(value));
    };
    add(job, RAMVIK_TR("WriteHistory", "Customer: %1"), entry->job.customer);
    add(job, RAMVIK_TR("WriteHistory", "Vehicle: %1"), entry->job.vehicle);
    add(job, RAMVIK_TR("WriteHistory", "Registration or VIN: %1"), entry->job.plate);
    if (!job.empty())
        lines.push_back(JoinedLines(job, RAMVIK_TR("WriteHistory", "%1; %2")));
    add(lines, RAMVIK_TR("WriteHistory", "Note: %1"), entry->job.note);
    add(lines, RAMVIK_TR("WriteHistory", "Writes back what the box held before the write %1."),
        entry->restores);
    return lines;
}

std::optional<UserText> HistoryNote(const std::string& projectPath)
{
    const std::vector<UserText> lines = HistoryNoteLines(projectPath);
    if (lines.empty())
        return std::nullopt;
    return JoinedLines(lines, RAMVIK_TR("WriteHistory", "%1\n%2"));
}
