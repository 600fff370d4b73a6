#pragma once

#include <string>
#include <vector>

// One run of ramvik-cli as its command line asks for it.
struct CliRequest {
    std::string command; // "show", "check", "table", "frames", "write", "read", "compare",
                         // "history", "restore", "pdf", "png", "points", "set-points", ...
    std::string file; // the project file (read from, or for "read" written to);
                      // for "restore" the history entry, empty for the last
    bool noBackup = false; // --no-backup: a write does not read the box first
    std::string output; // -o: the sheet or picture to write
    std::string port; // --port: the serial device of the box; empty: find the box
    bool demoBox = false; // --demo-box: a simulated box inside the tool
    bool noVerify = false; // --no-verify: a write is not read back
    // A write's job: --customer, --vehicle, --plate, --note.
    std::string customer;
    std::string vehicle;
    std::string plate;
    std::string note;
    // history: --search TEXT, --box N (0: every box), --json.
    std::string search;
    int box = 0;
    bool json = false;
    bool differenceView = false; // --view diff
    std::string logoFolder; // --logo-folder: where logo.bmp lies
    bool turboCurve = false; // --curve turbo
    std::string from; // --from: the text of points, "-" for standard input
    std::string language; // --lang: the printed sheet's language; empty: English
    int width = 800; // --size, pixels
    int height = 600;
};

enum class ParseOutcome {
    Run, // request holds what to do
    Help, // text is the help to print on standard output
    BadUsage, // text says what is wrong with the command line
};

struct ParseResult {
    ParseOutcome outcome = ParseOutcome::BadUsage;
    CliRequest request;
    std::string text;
};

// Reads the arguments after the program name. "--help" (or "-h") anywhere
// asks for help: the tool's without a command, else the command's.
ParseResult ParseCommandLine(const std::vector<std::string>& arguments);

// The picture sizes --size takes, pixels per side.
constexpr int kMinPictureSide = 64;
constexpr int kMaxPictureSide = 4096;
