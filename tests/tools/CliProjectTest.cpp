// ramvik-cli on project files, without a box: show, check, table, frames,
// and what it says to a wrong command line.

#include "CliTestSupport.h"

#include <BoxTable.h>
#include <ProjectFile.h>
#include <ProjectState.h>

#include <sstream>
#include <vector>

using namespace clitest;

namespace {

class CliProject : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QString Project(const std::string& text, const char* name = "project.rmvp")
    {
        WriteFile(Path(name), text);
        return Path(name);
    }

    QTemporaryDir dir;
};

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

// Files as the window's Open reads them, printed as its Save writes them.
TEST_F(CliProject, ShowPrintsWhatSaveWritesAfterOpen)
{
    const std::vector<std::string> files {
        DefaultProjectText(),
        // box type 2 with both curves, LF line ends, no end on the last line
        "ADC = 1\nStart Delay = 2 min 5 sec\nCurve Delay = 300 \nVolt = 1.3\nOff = 4.4\nCRD\n"
        "0.000000 0.000000\n1.300000 1.300000\n2.020000 2.600000\n4.400000 4.400000\n"
        "5.000000 5.000000\nTURBO\n0.000000 0.000000\n1.000000 1.500000\n5.000000 4.800000",
        // box type 1; a CR point below the start voltage is trimmed away
        ProjectText({ "ADC = 2", "Volt = 2.0", "Off = 4.0", "CRD", "0.500000 0.700000",
            "3.000000 2.000000" }),
        // junk: parameters missing, letters where numbers belong
        ProjectText({ "ADC = x", "Volt = abc", "hello world" }),
    };
    for (const std::string& text : files) {
        SCOPED_TRACE(text);
        ProjectState expected;
        ReadProjectText(text, expected);
        CliRun run = RunCli({ "show", Project(text) });
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, WriteProjectText(expected));
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(CliProject, TableHoldsTheCellsOfTheDefaultProject)
{
    CliRun run = RunCli({ "table", Project(DefaultProjectText()) });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 768u);
    const std::vector<std::pair<int, std::string>> known { { 0, "0" }, { 1, "45" }, { 2, "75" },
        { 3, "75" }, { 4, "225" }, { 5, "225" }, { 6, "250" }, { 7, "250" }, { 8, "251" },
        { 125, "251" }, { 126, "15" }, { 127, "229.5" }, { 252, "100" }, { 253, "76.5" },
        { 254, "60" }, { 255, "unset" }, { 256, "0" }, { 511, "0" } };
    for (const auto& [cell, value] : known)
        EXPECT_EQ(lines[cell], std::to_string(cell) + " " + value);
    for (int cell = 0; cell < 768; ++cell)
        EXPECT_EQ(lines[cell].rfind(std::to_string(cell) + " ", 0), 0u) << lines[cell];
}

// Values that are not whole numbers come out with every digit of the double.
TEST_F(CliProject, TablePrintsValuesThatReadBackExactly)
{
    const std::string text
        = ProjectText({ "ADC = 1", "Volt = 1.3", "Off = 4.3", "CRD", "0.000000 0.000000",
            "1.300000 1.300000", "2.000000 2.710000", "4.300000 4.300000", "5.000000 5.000000" });
    ProjectState project;
    ReadProjectText(text, project);
    const BoxTable table = ComputeBoxTable(project);
    CliRun run = RunCli({ "table", Project(text) });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 768u);
    for (int cell = 0; cell < 768; ++cell) {
        if (cell == 255)
            continue;
        const std::string value = lines[cell].substr(lines[cell].find(' ') + 1);
        EXPECT_EQ(std::stod(value), table[cell]) << lines[cell];
    }
}

TEST_F(CliProject, FramesOfTheDefaultProject)
{
    CliRun run = RunCli({ "frames", Project(DefaultProjectText()) });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> frames = Lines(run.out);
    ASSERT_EQ(frames.size(), 769u); // 3 handshake frames and cells 0..766 without 255
    const std::vector<std::pair<std::size_t, std::string>> known { { 0, "#00000213;" },
        { 1, "#00000000;" }, { 2, "%02550000;" }, { 3, "#00000000;" }, { 4, "#00010045;" },
        { 10, "#00070250;" }, { 11, "#00080251;" }, { 129, "#01260015;" }, { 130, "#01270230;" },
        { 255, "#02520100;" }, { 256, "#02530077;" }, { 257, "#02540060;" }, { 258, "#02560000;" },
        { 768, "#07660254;" } };
    for (const auto& [index, frame] : known)
        EXPECT_EQ(frames[index], frame) << "frame " << index;
    for (const std::string& frame : frames)
        EXPECT_NE(frame.rfind("#0255", 0), 0u) << "cell 255 is never written";
}

// A project the box cannot hold is refused by check, frames and write alike,
// with the same message, before any box is asked.
TEST_F(CliProject, ProjectsTheBoxCannotHold)
{
    struct Case {
        std::string text;
        std::string reason;
    };
    const std::vector<Case> cases {
        { ProjectText({ "ADC = 1", "Curve Delay = 210 ", "CRD" }),
            "Curve delay 210 is not a multiple of 20." },
        { ProjectText({ "ADC = 1", "Volt = 4.0", "Off = 3.0", "CRD" }),
            "Start voltage 4 V lies above the stop voltage 3 V." },
        { ProjectText({ "ADC = 1", "Start Delay = 4 min 30 sec", "CRD" }),
            "Start delay 4 min 30 s (4:30) lies outside 0:00 to 4:00." },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        const QString file = Project(c.text);
        for (const QStringList& arguments : { QStringList { "check", file },
                 QStringList { "frames", file }, QStringList { "write", file, "--demo-box" } }) {
            CliRun run = RunCli(arguments);
            EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(run.err, "The box cannot hold this project:\n" + c.reason + "\n");
        }
    }
    CliRun fine = RunCli({ "check", Project(DefaultProjectText()) });
    EXPECT_EQ(fine.exitCode, 0) << fine.err;
    EXPECT_EQ(fine.out, "The box can hold this project.\n");
}

TEST_F(CliProject, FilesThatCannotBeOpened)
{
    for (const QString& file : { Path("missing.rmvp"), dir.path() }) {
        for (const char* command : { "show", "check", "table", "frames", "write" }) {
            CliRun run = RunCli({ command, file });
            EXPECT_EQ(run.exitCode, 1) << command;
            EXPECT_EQ(run.err, "Can't open file!\n") << command;
            EXPECT_EQ(run.out, "") << command;
        }
    }
}

// A full disk under standard output is a failure, not a short listing.
TEST_F(CliProject, StandardOutputThatCannotBeWritten)
{
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    const QString file = Project(DefaultProjectText());
    for (const char* command : { "show", "check", "table", "frames" }) {
        CliRun run = RunCli({ command, file }, "/dev/full");
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_EQ(run.err, "Can't write standard output\n") << command;
    }
}

TEST_F(CliProject, BadUsageEndsWithStatusTwo)
{
    const QString file = Project(DefaultProjectText());
    const std::vector<QStringList> commandLines {
        {},
        { "frobnicate", file },
        { "show" },
        { "show", file, file },
        { "table", file, "--demo-box" },
        { "write", file, "--port" },
        { "write", file, "--port=" },
        { "write", file, "--port", "/dev/null", "--demo-box" },
        { "read", file, "--demo-box=yes" },
        { "pdf", file },
        { "png", file, "-o" },
        { "png", file, "-o", Path("a.png"), "--view", "side" },
        { "png", file, "-o", Path("a.png"), "--size", "800" },
        { "png", file, "-o", Path("a.png"), "--size", "10x10" },
        { "png", file, "-o", Path("a.png"), "--size", "800x-600" },
        { "png", file, "-o", Path("a.png"), "--size", "99999x600" },
    };
    for (const QStringList& arguments : commandLines) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        CliRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Try 'ramvik-cli --help'."), std::string::npos) << run.err;
    }
    EXPECT_FALSE(QFile::exists(Path("a.png")));
}

TEST_F(CliProject, HelpForTheToolAndEachCommand)
{
    CliRun tool = RunCli({ "--help" });
    EXPECT_EQ(tool.exitCode, 0);
    for (const char* command :
        { "show", "check", "table", "frames", "write", "read", "pdf", "png" }) {
        EXPECT_NE(tool.out.find(std::string("  ") + command + " "), std::string::npos) << command;
        CliRun help = RunCli({ command, "--help" });
        EXPECT_EQ(help.exitCode, 0) << command;
        EXPECT_EQ(help.out.rfind(std::string("Usage: ramvik-cli ") + command + " ", 0), 0u)
            << help.out;
        EXPECT_EQ(help.err, "");
    }
}
