#include "CliArguments.h"

#include <algorithm>
#include <cstdlib>

namespace {

struct OptionInfo {
    const char* name; // with its dashes
    const char* shortName; // or null
    const char* valueName; // null for a flag
    const char* help;
};

struct CommandInfo {
    const char* name;
    const char* arguments; // what follows the command in the usage line
    const char* brief; // one line for the tool's help
    const char* summary;
    std::vector<OptionInfo> options;
    bool outputOptional = false; // -o may be left out
};

const OptionInfo kPort { "--port", nullptr, "PATH",
    "talk to the box through this serial device (e.g. /dev/ttyUSB0)" };
const OptionInfo kDemoBox { "--demo-box", nullptr, nullptr,
    "talk to a simulated box inside the tool" };
const OptionInfo kNoVerify { "--no-verify", nullptr, nullptr,
    "do not read the cells back after writing them" };
const OptionInfo kNoBackup { "--no-backup", nullptr, nullptr,
    "do not read and keep what the box holds before writing" };
const OptionInfo kOutput { "--output", "-o", "OUT", "the file to write" };
const OptionInfo kCurve { "--curve", nullptr, "cr|turbo",
    "the CR curve (default) or the TURBO curve" };
const OptionInfo kLanguage { "--lang", nullptr, "CODE",
    "the sheet's language: en (default), de, fr, es, it, pl or pt_BR;\n"
    "its numbers as that language writes them (de: 1,5)" };

const std::vector<CommandInfo>& Commands()
{
    static const std::vector<CommandInfo> commands {
        { "show", "FILE", "print the project as Save writes it",
            "Opens FILE as Ramvik's Open does (starting from the default project with box\n"
            "type 0) and prints the project as Save would write it (the same lines, CR LF).",
            {} },
        { "check", "FILE", "say whether a box can hold the project",
            "Says whether the project can be written into a box; prints each reason it\n"
            "cannot. Exit status 0 when it can, 1 when it cannot.",
            {} },
        { "table", "FILE", "print the 768 cells of the box table",
            "Prints the box table of the project: 768 lines \"CELL VALUE\", each value with\n"
            "enough digits to read back the same number; cell 255 (the box's\n"
            "identification, never written) is \"unset\".",
            {} },
        { "frames", "FILE", "print the frames a write sends",
            "Prints the frames a write of the project sends, one per line: the three\n"
            "handshake frames, then the data frames in order.",
            {} },
        { "write",
            "FILE [--port PATH | --demo-box] [--no-verify] [--no-backup] [--customer TEXT ...]",
            "write the project into a box",
            "Writes the project into a box, with the checks, handshake and messages of\n"
            "the Write dialog, then reads cells 0 to 254 back and compares them with what\n"
            "was sent (unless --no-verify); a difference is an error. The box's table\n"
            "cells (256 to 766) cannot be read back. Without --port or --demo-box the box\n"
            "is found as the window finds it. --demo-box simulates a CR&TURBO box\n"
            "(identification 213) for a project of box type 2 and a CR box (132)\n"
            "otherwise.\n"
            "First the box is read and what it holds is kept in the history as the\n"
            "entry's \"before\" (unless --no-backup; when it cannot be kept, nothing is\n"
            "written). Every write is kept in the history (see 'history'), marked as\n"
            "started before its first cell and completed with its outcome.\n"
            "SIGINT, SIGTERM and SIGHUP stop the write after the cell in flight; the exit\n"
            "status is then 130, 143 or 129. Shows a progress bar on standard error when\n"
            "that is a terminal.",
            { kPort, kDemoBox, kNoVerify, kNoBackup,
                { "--customer", nullptr, "TEXT", "the customer, kept in the history" },
                { "--vehicle", nullptr, "TEXT", "the vehicle, kept in the history" },
                { "--plate", nullptr, "TEXT", "the registration or VIN, kept in the history" },
                { "--note", nullptr, "TEXT", "a note, kept in the history" } } },
        { "read", "FILE [--port PATH | --demo-box]", "read a box and save it as FILE",
            "Reads a box into a new project, trims it as the Read button does and saves\n"
            "it as FILE. FILE is written only after a complete read, and replaced in one\n"
            "step. --demo-box simulates a CR box (132) that holds the default project,\n"
            "as the window's simulated box does. Shows a progress bar on standard error\n"
            "when that is a terminal.",
            { kPort, kDemoBox } },
        { "compare", "FILE [--port PATH | --demo-box]", "compare a box with the project",
            "Reads the box without changing anything and prints one line for each\n"
            "difference between what it holds and what a write of FILE would put in\n"
            "cells 0 to 254. Exit status like cmp: 0 the box holds the project, 1 they\n"
            "differ, 2 no comparison could be made (bad usage, unreadable file, failed\n"
            "read).",
            { kPort, kDemoBox } },
        { "history", "[--search TEXT] [--box N] [--json]", "list the writes kept, newest first",
            "Lists the writes kept in $XDG_DATA_HOME/Ramvik/History (by default\n"
            "~/.local/share/Ramvik/History), newest first: the time, the box's\n"
            "identification and the outcome, then the entry's name (for 'restore'), the\n"
            "project's file name and path, the computer, the customer, vehicle, plate and\n"
            "note, the copy of the project as written and what the box held before, each\n"
            "an ordinary project file. --search keeps the entries with TEXT in any field\n"
            "(case-insensitive), --box those of one box. --json prints one JSON object a\n"
            "line instead. Entries that are only half there are left out and counted on\n"
            "standard error. Exit status 1 when the folder cannot be read.",
            { { "--search", nullptr, "TEXT", "only entries with TEXT in any field" },
                { "--box", nullptr, "N", "only entries of box N (132 or 213)" },
                { "--json", nullptr, nullptr, "one JSON object per entry and line" } } },
        { "restore", "[ENTRY] [--port PATH | --demo-box] [--no-verify] [--no-backup]",
            "write back what the box held before a write",
            "Writes back what the box held before the last write kept in the history, or\n"
            "before the write of ENTRY (its name as 'history' shows it, or the path of\n"
            "one of its files). It is a write like any other: the same checks, its own\n"
            "backup first, its own entry in the history. Stops and exits like 'write'.",
            { kPort, kDemoBox, kNoVerify, kNoBackup } },
        { "pdf", "FILE -o OUT.pdf [--lang CODE]", "the printed project sheet as a PDF",
            "Writes the printed project sheet as a one-page PDF, in English or in the\n"
            "language --lang names. The tool's own messages stay English.",
            { kOutput, kLanguage } },
        { "png", "FILE -o OUT.png [--view io|diff] [--size WxH] [--logo-folder DIR]",
            "the graph as a PNG picture",
            "Draws the graph as the window draws it into a PNG picture.",
            { kOutput,
                { "--view", nullptr, "io|diff",
                    "io: output against input (default); diff: input minus output" },
                { "--size", nullptr, "WxH", "picture size in pixels, default 800x600" },
                { "--logo-folder", nullptr, "DIR",
                    "folder of logo.bmp, drawn in the diff view (the window takes its\n"
                    "installation folder)" } } },
        { "points", "FILE [--curve cr|turbo]", "print the points of a curve as Copy writes them",
            "Prints every point of the curve as the window's Copy writes selected points:\n"
            "the line \"Input (V)<TAB>Output (V)\", then one line \"INPUT<TAB>OUTPUT\" for\n"
            "each point, in volts with two decimals. Spreadsheets take it as two columns,\n"
            "and set-points reads it back.",
            { kCurve } },
        { "set-points", "FILE --from TEXTFILE|- [--curve cr|turbo] [-o OUT]",
            "replace points of a curve with those of a text",
            "Reads input and output pairs as the window's Paste reads them (a header line,\n"
            "tabs, semicolons or blanks between the columns, a decimal point or comma) from\n"
            "TEXTFILE, or from standard input for -, at most 1 MiB. The points of the curve\n"
            "from the first to the last input given are replaced by those given (the rules\n"
            "keep the points at 0 V and 5 V and the CR start and stop points), and the\n"
            "project is saved to OUT, or back to FILE. A text a box cannot hold (an input\n"
            "off the 0.02 V steps, an output beyond its limits, more points than a box\n"
            "stores, a point the rules keep given another value) is refused with the\n"
            "reason, and nothing is written. Outputs snap to the 0.02 V steps.",
            { { "--from", nullptr, "TEXTFILE|-", "the text of the points; - reads standard input" },
                kCurve, kOutput },
            true },
        { "ports", "", "list the serial ports and which may be the box's",
            "Lists every serial port with hardware behind it: path, USB vendor:product\n"
            "id, serial number, kernel driver, latency timer, whether this user may open\n"
            "it, the programs that hold it, whether it may be the box's converter\n"
            "(candidate), and the USB product string.",
            {} },
        { "doctor", "[--port PATH]", "check the way to the box's converter",
            "Checks one thing after another: a converter is connected, a driver reaches\n"
            "it, this user may open it, no other program holds it, its latency timer, the\n"
            "vendor library. Prints OK, NOTE or PROBLEM with the fix for each. Exit status\n"
            "0 when a transfer can start, 1 when it cannot.",
            { kPort } },
    };
    return commands;
}

const CommandInfo* FindCommand(const std::string& name)
{
    for (const CommandInfo& entry : Commands()) {
        if (name == entry.name)
            return &entry;
    }
    return nullptr;
}

const OptionInfo* FindOption(const CommandInfo& command, const std::string& name)
{
    for (const OptionInfo& option : command.options) {
        if (name == option.name || (option.shortName && name == option.shortName))
            return &option;
    }
    return nullptr;
}

std::string ToolHelp()
{
    std::string text = "Usage: ramvik-cli COMMAND FILE [OPTIONS]\n"
                       "Inspects, writes, reads and prints Ramvik projects (*.rmvp) without "
                       "the window.\n\nCommands:\n";
    for (const CommandInfo& entry : Commands())
        text += std::string("  ") + entry.name + " " + entry.arguments + "\n      " + entry.brief
            + "\n";
    text += "\nMessages go to standard error. Exit status: 0 done, 1 refused or failed, "
            "2 bad usage.\n"
            "'ramvik-cli COMMAND --help' tells more about a command.\n";
    return text;
}

// Indents the lines after the first of a help text under its column.
std::string Indented(const std::string& text, std::size_t column)
{
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '\n')
            out += std::string(column, ' ');
    }
    return out;
}

std::string CommandHelp(const CommandInfo& entry)
{
    std::string text = std::string("Usage: ramvik-cli ") + entry.name + " " + entry.arguments
        + "\n\n" + entry.summary + "\n";
    std::vector<OptionInfo> options = entry.options;
    options.push_back({ "--help", "-h", nullptr, "show this help" });
    text += "\nOptions:\n";
    constexpr std::size_t kColumn = 24;
    for (const OptionInfo& option : options) {
        std::string left = "  ";
        if (option.shortName)
            left += std::string(option.shortName) + ", ";
        left += option.name;
        if (option.valueName)
            left += std::string(" ") + option.valueName;
        left.resize(std::max(left.size() + 2, kColumn), ' ');
        text += left + Indented(option.help, kColumn) + "\n";
    }
    return text;
}

bool TakesFile(const CommandInfo& command)
{
    const std::string arguments = command.arguments;
    return arguments.rfind("FILE", 0) == 0 || arguments.rfind("[ENTRY]", 0) == 0;
}

bool NeedsFile(const CommandInfo& command)
{
    return std::string(command.arguments).rfind("FILE", 0) == 0;
}

bool IsHelp(const std::string& argument)
{
    return argument == "--help" || argument == "-h";
}

// A whole number made of digits only, within limits.
bool ParseSide(const std::string& text, int& side)
{
    if (text.empty() || text.size() > 5
        || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    side = std::atoi(text.c_str());
    return side >= kMinPictureSide && side <= kMaxPictureSide;
}

bool ParseSize(const std::string& text, CliRequest& request)
{
    std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos)
        return false;
    return ParseSide(text.substr(0, x), request.width)
        && ParseSide(text.substr(x + 1), request.height);
}

ParseResult BadUsage(const std::string& complaint)
{
    ParseResult result;
    result.outcome = ParseOutcome::BadUsage;
    result.text = complaint;
    return result;
}

// Stores one option's value; a complaint when the value is not one the
// option takes.
std::string ApplyOption(const OptionInfo& option, const std::string& value, CliRequest& request)
{
    const std::string name = option.name;
    if (name == "--port") {
        if (value.empty())
            return "--port needs the path of a serial device";
        request.port = value;
    } else if (name == "--demo-box") {
        request.demoBox = true;
    } else if (name == "--no-verify") {
        request.noVerify = true;
    } else if (name == "--no-backup") {
        request.noBackup = true;
    } else if (name == "--customer") {
        request.customer = value;
    } else if (name == "--vehicle") {
        request.vehicle = value;
    } else if (name == "--plate") {
        request.plate = value;
    } else if (name == "--note") {
        request.note = value;
    } else if (name == "--search") {
        request.search = value;
    } else if (name == "--box") {
        if (value.empty() || value.size() > 4
            || !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; })
            || std::atoi(value.c_str()) == 0)
            return "--box takes a box's identification such as 132, not '" + value + "'";
        request.box = std::atoi(value.c_str());
    } else if (name == "--json") {
        request.json = true;
    } else if (name == "--output") {
        if (value.empty())
            return "-o needs a file name";
        request.output = value;
    } else if (name == "--view") {
        if (value != "io" && value != "diff")
            return "--view takes io or diff, not '" + value + "'";
        request.differenceView = value == "diff";
    } else if (name == "--size") {
        if (!ParseSize(value, request))
            return "--size takes WIDTHxHEIGHT, each " + std::to_string(kMinPictureSide) + " to "
                + std::to_string(kMaxPictureSide) + " pixels, not '" + value + "'";
    } else if (name == "--logo-folder") {
        request.logoFolder = value;
    } else if (name == "--curve") {
        if (value != "cr" && value != "turbo")
            return "--curve takes cr or turbo, not '" + value + "'";
        request.turboCurve = value == "turbo";
    } else if (name == "--from") {
        if (value.empty())
            return "--from needs a text file, or - for standard input";
        request.from = value;
    } else if (name == "--lang") {
        // The languages are the translations built into the program; the
        // command checks the code.
        request.language = value;
    }
    return {};
}

} // namespace

ParseResult ParseCommandLine(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return BadUsage("no command given");
    ParseResult result;
    if (IsHelp(arguments[0])) {
        result.outcome = ParseOutcome::Help;
        result.text = ToolHelp();
        return result;
    }
    const CommandInfo* command = FindCommand(arguments[0]);
    if (!command)
        return BadUsage("unknown command '" + arguments[0] + "'");
    if (std::any_of(arguments.begin() + 1, arguments.end(), IsHelp)) {
        result.outcome = ParseOutcome::Help;
        result.text = CommandHelp(*command);
        return result;
    }

    CliRequest& request = result.request;
    request.command = command->name;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            if (!request.file.empty() || !TakesFile(*command))
                return BadUsage("unexpected argument '" + argument + "'");
            request.file = argument;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const OptionInfo* option = FindOption(*command, name);
        if (!option)
            return BadUsage(std::string("'") + command->name + "' has no option " + name);
        std::string value;
        if (!option->valueName) {
            if (equals != std::string::npos)
                return BadUsage(name + " takes no value");
        } else if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            return BadUsage(name + " needs a value");
        }
        std::string complaint = ApplyOption(*option, value, request);
        if (!complaint.empty())
            return BadUsage(complaint);
    }

    if (request.file.empty() && NeedsFile(*command))
        return BadUsage(std::string("'") + command->name + "' needs a project FILE");
    if (request.demoBox && !request.port.empty())
        return BadUsage("--port and --demo-box exclude each other");
    if (FindOption(*command, "--output") && request.output.empty() && !command->outputOptional)
        return BadUsage(std::string("'") + command->name + "' needs -o OUT");
    if (FindOption(*command, "--from") && request.from.empty())
        return BadUsage(std::string("'") + command->name + "' needs --from TEXTFILE or --from -");
    result.outcome = ParseOutcome::Run;
    return result;
}
