#include "BoxsimOptions.h"

#include <FileReader.h>
#include <FileWriter.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

const char* const kBoxsimUsage
    = "usage: ramvik-boxsim [--id N] [--load FILE] [--save FILE] [--wire] [--fault "
      "KIND@CELL[/N]]...\n"
      "                     [--signal SIG@CELL[/N] --pid-file FILE]\n"
      "Serves a simulated tuning box on a pseudo-terminal whose path is the first line\n"
      "printed. KIND is short (one answer character), silent (no answer), hangup\n"
      "(the pseudo-terminal closes), stray (one extra character after the answer),\n"
      "noise (an answer of non-digits) or forget (a write is acknowledged but not\n"
      "stored); each happens once, at the Nth frame for CELL (forget: the Nth write\n"
      "of CELL), the first when /N is left out.\n"
      "--signal sends SIG (int, term, hup or kill) to the process whose id FILE holds\n"
      "when that frame arrives, before the box answers it: a test stops or kills the\n"
      "program on the other end at a cell of its choice.\n"
      "SIGINT or SIGTERM ends it; --save then writes the cells as lines \"CELL VALUE\".\n";

namespace {

// "int@301/2": the signal and the fault that announces its frame.
bool ParseSignal(const std::string& text, int& signal, BoxFault& fault)
{
    static const std::pair<const char*, int> kSignals[]
        = { { "int", SIGINT }, { "term", SIGTERM }, { "hup", SIGHUP }, { "kill", SIGKILL } };
    const std::size_t at = text.find('@');
    if (at == std::string::npos)
        return false;
    signal = 0;
    for (const auto& [name, number] : kSignals) {
        if (text.compare(0, at, name) == 0 && at == std::string(name).size())
            signal = number;
    }
    return signal != 0 && ParseBoxFault("announce" + text.substr(at), fault);
}

bool ParseInt(const std::string& text, long low, long high, int& value)
{
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    long parsed = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed < low || parsed > high)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

} // namespace

bool ParseBoxsimOptions(int argc, char** argv, BoxsimOptions& options, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        std::string text;
        if (arg == "--wire") {
            options.wire = true;
        } else if (arg == "--id") {
            int id = 0;
            if (!value(text))
                return false;
            if (!ParseInt(text, -999, 9999, id)) {
                error = "--id wants a whole number from -999 to 9999, not \"" + text + "\"";
                return false;
            }
            options.identification = id;
        } else if (arg == "--load") {
            if (!value(options.loadPath))
                return false;
        } else if (arg == "--save") {
            if (!value(options.savePath))
                return false;
        } else if (arg == "--fault") {
            BoxFault fault {};
            if (!value(text))
                return false;
            if (!ParseBoxFault(text, fault)) {
                error = "--fault wants KIND@CELL[/N] with KIND short, silent, hangup, stray, noise "
                        "or forget, CELL 0 to 767 and N from 1, not \""
                    + text + "\"";
                return false;
            }
            options.faults.push_back(fault);
        } else if (arg == "--signal") {
            BoxFault fault {};
            if (!value(text))
                return false;
            if (options.signal != 0 || !ParseSignal(text, options.signal, fault)) {
                error = "--signal wants SIG@CELL with SIG int, term, hup or kill, once, not \""
                    + text + "\"";
                return false;
            }
            options.faults.push_back(fault);
        } else if (arg == "--pid-file") {
            if (!value(options.pidFile))
                return false;
        } else {
            error = "unknown option \"" + arg + "\"";
            return false;
        }
    }
    if ((options.signal != 0) != !options.pidFile.empty()) {
        error = "--signal and --pid-file go together";
        return false;
    }
    return true;
}

bool LoadCells(const std::string& path, CBoxSimulator& box, std::string& error)
{
    const SmallFile file = ReadSmallFile(path);
    switch (file.status) {
    case SmallFileStatus::Read:
        break;
    case SmallFileStatus::Unreadable:
        error = "cannot open " + path + ": " + file.error;
        return false;
    case SmallFileStatus::NotRegular:
        error = "cannot load " + path + ": not a regular file";
        return false;
    case SmallFileStatus::TooLarge:
        error = "cannot load " + path + ": " + std::to_string(file.size)
            + " bytes, more than a file of cells holds (at most " + std::to_string(kSmallFileLimit)
            + ")";
        return false;
    }
    std::istringstream in(file.bytes);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::istringstream fields(line);
        std::string cellText, valueText, extra;
        if (!(fields >> cellText))
            continue; // blank line
        int cell = 0;
        int value = 0;
        if (!(fields >> valueText) || (fields >> extra)
            || !ParseInt(cellText, 0, CBoxSimulator::kCells - 1, cell)
            || !ParseInt(valueText, -999, 9999, value)) {
            error = path + " line " + std::to_string(number)
                + ": expected \"CELL VALUE\" with CELL 0 to 767 and VALUE -999 to 9999";
            return false;
        }
        box.SetCell(cell, value);
    }
    return true;
}

bool CheckSavePath(const std::string& path, std::string& error)
{
    if (path == "-")
        return true; // standard output
    struct stat node { };
    // The file writer follows links to their target and writes beside it.
    std::error_code code;
    fs::path target = fs::weakly_canonical(fs::path(path), code);
    if (code)
        target = fs::path(path);
    if (stat(target.c_str(), &node) == 0) {
        if (S_ISDIR(node.st_mode)) {
            error = "cannot save to " + path + ": it is a folder";
            return false;
        }
        if (S_ISREG(node.st_mode) && (node.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            error = "cannot save to " + path + ": " + kReadOnlyFileReason;
            return false;
        }
        // A file that may be written is written in place when its folder
        // takes no new files; a device or FIFO is written into.
        if (access(target.c_str(), W_OK) == 0)
            return true;
    }
    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    if (stat(folder.c_str(), &node) != 0 || !S_ISDIR(node.st_mode)) {
        error = "cannot save to " + path + ": the folder " + folder.string() + " does not exist";
        return false;
    }
    if (access(folder.c_str(), W_OK | X_OK) != 0) {
        error = "cannot save to " + path + ": the folder " + folder.string()
            + " takes no new files (" + std::strerror(errno) + ")";
        return false;
    }
    return true;
}

bool SaveCells(const std::string& path, const CBoxSimulator& box, std::string& error)
{
    std::ostringstream text;
    auto cells = box.Cells();
    for (int cell = 0; cell < CBoxSimulator::kCells; ++cell)
        text << cell << ' ' << cells[cell] << '\n';
    if (WriteFileSafely(path, text.str(), error))
        return true;
    error = "cannot write " + path + ": " + error;
    return false;
}
