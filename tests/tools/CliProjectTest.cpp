// ramvik-cli on project files, without a box: show, check, table, frames,
// pdf, png, and what it says to a wrong command line or a failure.

#include "CliTestSupport.h"

#include <BoxTable.h>
#include <Frames.h>
#include <Protocol.h>

#include <QColor>
#include <QImage>

#include <sstream>
#include <vector>

using namespace clitest;

namespace {

using CliProject = CliTest;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

const std::string kTurbo = ProjectText({ "ADC = 1", "Volt = 1.5", "Off = 4.5", "CRD",
    "0.000000 0.000000", "1.500000 1.500000", "3.000000 2.200000", "4.500000 4.500000",
    "5.000000 5.000000", "TURBO", "0.000000 0.000000", "2.500000 3.500000", "5.000000 4.000000" });

int CountPixels(const QImage& image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    }
    return count;
}

} // namespace

// Files as the window's Open reads them (from the default project), printed
// as its Save writes them. Reading and writing themselves: tests/project.
TEST_F(CliProject, ShowPrintsWhatSaveWritesAfterOpen)
{
    const std::vector<std::string> files {
        // box type 2, LF line ends, no end on the last line
        "ADC = 1\nStart Delay = 2 min 5 sec\nCurve Delay = 300 \nVolt = 1.3\nOff = 4.4\nCRD\n"
        "0.000000 0.000000\n1.300000 1.300000\n2.020000 2.600000\n4.400000 4.400000\n"
        "5.000000 5.000000\nTURBO\n0.000000 0.000000\n1.000000 1.500000\n5.000000 4.800000",
        // junk: what is missing keeps the default project's value
        ProjectText({ "ADC = x", "Volt = abc", "hello world" }),
    };
    for (const std::string& text : files) {
        ProjectState expected;
        ReadProjectText(text, expected);
        CliRun run = RunCli({ "show", Project(text) });
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, WriteProjectText(expected)) << text;
        EXPECT_EQ(run.err, "");
    }
    CliRun check = RunCli({ "check", Project(DefaultProjectText()) });
    EXPECT_EQ(check.exitCode, 0) << check.err;
    EXPECT_EQ(check.out, "The box can hold this project.\n");
}

// 768 lines "CELL VALUE" that read back to the same double, "unset" for 255;
// the default project's cells are those the write tests check (tests/box).
TEST_F(CliProject, TablePrintsEveryCellSoItReadsBackExactly)
{
    for (const std::string& text : { DefaultProjectText(),
             ProjectText({ "ADC = 1", "Volt = 1.3", "Off = 4.3", "CRD", "0.000000 0.000000",
                 "1.300000 1.300000", "2.000000 2.710000", "4.300000 4.300000" }) }) {
        ProjectState project;
        ReadProjectText(text, project);
        const BoxTable table = ComputeBoxTable(project);
        const std::vector<std::string> lines = Lines(RunCli({ "table", Project(text) }).out);
        ASSERT_EQ(lines.size(), 768u);
        EXPECT_EQ(lines[255], "255 unset");
        for (int cell = 0; cell < 768; ++cell) {
            ASSERT_EQ(lines[cell].rfind(std::to_string(cell) + " ", 0), 0u) << lines[cell];
            if (cell != 255) {
                EXPECT_EQ(std::stod(lines[cell].substr(lines[cell].find(' ') + 1)), table[cell]);
            }
        }
    }
    const std::vector<std::string> lines
        = Lines(RunCli({ "table", Project(DefaultProjectText()) }).out);
    EXPECT_EQ(lines.at(127), "127 229.5");
}

// The three handshake frames, then cells 0..766 in order without 255.
TEST_F(CliProject, FramesOfTheDefaultProject)
{
    const std::vector<std::string> frames
        = Lines(RunCli({ "frames", Project(DefaultProjectText()) }).out);
    const BoxTable table = ComputeBoxTable(ProjectState());
    std::vector<std::string> expected { "#00000213;", "#00000000;", "%02550000;" };
    for (int cell = 0; cell < 767; ++cell) {
        if (cell != 255)
            expected.push_back(cell < 255 ? RoundedWriteFrame(cell, table[cell])
                                          : TruncatedWriteFrame(cell, table[cell]));
    }
    EXPECT_EQ(frames, expected);
    EXPECT_EQ(frames.at(130), "#01270230;");
}

TEST_F(CliProject, PngOfTheGraphInEitherViewAndSize)
{
    const QString out = Path("graph.png");
    for (const auto& [options, size] : std::vector<std::pair<QStringList, QSize>> {
             { {}, QSize(800, 600) }, { { "--view", "io", "--size", "640x480" }, QSize(640, 480) },
             { { "--view=diff", "--size=1024x300" }, QSize(1024, 300) } }) {
        QFile::remove(out);
        CliRun run = RunCli(QStringList { "png", Project(kTurbo), "-o", out } + options);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "");
        const QImage image(out);
        EXPECT_EQ(image.size(), size);
        // Both curves are drawn: the CR curve blue, the TURBO curve red.
        EXPECT_GT(CountPixels(image, QColor(0, 0, 255)), 100);
        EXPECT_GT(CountPixels(image, QColor(255, 0, 0)), 100);
    }
}

TEST_F(CliProject, PdfOfTheProjectSheet)
{
    CliRun run = RunCli({ "pdf", Project(kTurbo), "-o", Path("sheet.pdf") });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string pdf = ReadFile(Path("sheet.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos) << "one page";
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
}

// A refused or failed command ends with status 1 and its message, prints
// nothing and leaves no file behind. A full disk under standard output is a
// failure, not a short listing.
TEST_F(CliProject, FailuresEndWithStatusOneAndTheirMessage)
{
    const QString fine = Project(DefaultProjectText());
    const QString odd
        = Project(ProjectText({ "ADC = 1", "Curve Delay = 210 ", "CRD" }), "odd.rmvp");
    const QString missing = Path("missing.rmvp");
    const QString device = Path("no-such-device");
    const std::string hold
        = "The box cannot hold this project:\nCurve delay 210 is not a multiple of 20.\n";
    const std::string noDevice = std::string(kNoDeviceMessage) + "\n";
    const std::string cantOpen = "Can't open file!\n";
    const std::string full = "Can't write standard output\n";
    const std::vector<std::tuple<QStringList, std::string, QString>> cases {
        { { "check", odd }, hold, {} },
        { { "frames", odd }, hold, {} },
        { { "write", odd, "--demo-box" }, hold, {} }, // before any box is asked
        { { "show", missing }, cantOpen, {} },
        { { "check", dir.path() }, cantOpen, {} },
        { { "table", missing }, cantOpen, {} },
        { { "frames", dir.path() }, cantOpen, {} },
        { { "write", missing }, cantOpen, {} },
        { { "write", dir.path() }, cantOpen, {} },
        { { "write", fine, "--port", device }, noDevice, {} },
        { { "read", fine, "--port", device }, noDevice, {} },
        { { "show", fine }, full, "/dev/full" },
        { { "check", fine }, full, "/dev/full" },
        { { "table", fine }, full, "/dev/full" },
        { { "frames", fine }, full, "/dev/full" },
    };
    for (const auto& [arguments, message, out] : cases) {
        CliRun run = RunCli(arguments, out);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.err, message) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(ReadFile(fine), DefaultProjectText());
    for (const char* command : { "png", "pdf" }) {
        CliRun run = RunCli({ command, fine, "-o", Path("no-such-folder/out") });
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_EQ(
            run.err.rfind("Can't write " + Path("no-such-folder/out").toStdString() + "\n", 0), 0u)
            << run.err;
    }
    EXPECT_FALSE(QDir(Path("no-such-folder")).exists());
}

TEST_F(CliProject, BadUsageEndsWithStatusTwo)
{
    const QString file = Project(DefaultProjectText());
    const QString png = Path("a.png");
    for (const QStringList& arguments :
        std::vector<QStringList> { {}, { "frobnicate", file }, { "show" }, { "show", file, file },
            { "table", file, "--demo-box" }, { "write", file, "--port" },
            { "write", file, "--port=" }, { "write", file, "--port", "/dev/null", "--demo-box" },
            { "read", file, "--demo-box=yes" }, { "pdf", file }, { "png", file, "-o" },
            { "png", file, "-o", png, "--view", "side" },
            { "png", file, "-o", png, "--size", "800" },
            { "png", file, "-o", png, "--size", "10x10" },
            { "png", file, "-o", png, "--size", "800x-600" },
            { "png", file, "-o", png, "--size", "99999x600" } }) {
        CliRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Try 'ramvik-cli --help'."), std::string::npos) << run.err;
    }
    EXPECT_FALSE(QFile::exists(png));
}

TEST_F(CliProject, HelpForTheToolAndEachCommand)
{
    const std::string tool = RunCli({ "--help" }).out;
    for (const char* command :
        { "show", "check", "table", "frames", "write", "read", "pdf", "png" }) {
        EXPECT_NE(tool.find(std::string("  ") + command + " "), std::string::npos) << command;
        CliRun help = RunCli({ command, "--help" });
        EXPECT_EQ(help.exitCode, 0) << command;
        EXPECT_EQ(help.out.rfind(std::string("Usage: ramvik-cli ") + command + " ", 0), 0u)
            << help.out;
        EXPECT_EQ(help.err, "");
    }
}
