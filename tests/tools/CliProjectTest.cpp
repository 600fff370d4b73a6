// ramvik-cli on project files, without a box: show, check, table, frames,
// pdf, png, and what it says to a wrong command line or a failure.

#include "CliTestSupport.h"

#include <BoxTable.h>
#include <Frames.h>

#include <QImage>

#include <algorithm>
#include <sstream>

using CliProject = CliTest;

static std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

// A file as Open reads it (from the default project: what is missing or junk
// keeps its value), printed as Save writes it. Both themselves: tests/project.
TEST_F(CliProject, ShowPrintsWhatSaveWritesAfterOpen)
{
    const std::string text = "ADC = x\nVolt = abc\nhello world\nOff = 4.4\nCRD\n"
                             "0.000000 0.000000\n2.020000 2.600000\nTURBO\n1.000000 1.500000";
    ProjectState expected;
    ReadProjectText(text, expected);
    CliRun show = RunCli({ "show", Project(text) });
    EXPECT_EQ(show.exitCode, 0) << show.err;
    EXPECT_EQ(show.out, WriteProjectText(expected));
    EXPECT_EQ(show.err, "");
    CliRun check = RunCli({ "check", Project(defaultText) });
    EXPECT_EQ(check.exitCode, 0) << check.err;
    EXPECT_EQ(check.out, "The box can hold this project.\n");
}

// 768 lines "CELL VALUE" reading back as the same double, "unset" for 255; the
// 3 handshake frames, then cells 0..766 but 255, then the read-back of cells
// 0..254. Default's cells: tests/box.
TEST_F(CliProject, TableAndFrames)
{
    const std::string& text = defaultText;
    ProjectState project;
    ReadProjectText(text, project);
    const BoxTable table = ComputeBoxTable(project);
    const std::vector<std::string> lines = Lines(RunCli({ "table", Project(text) }).out);
    std::vector<std::string> frames { "#00000213;", "#00000000;", "%02550000;" };
    ASSERT_EQ(lines.size(), 768u);
    for (int cell = 0; cell < 768; ++cell) {
        const std::string value
            = cell == 255 ? "unset" : lines[cell].substr(lines[cell].find(' ') + 1);
        EXPECT_EQ(lines[cell], std::to_string(cell) + " " + value);
        if (cell == 255)
            continue;
        EXPECT_EQ(std::stod(value), table[cell]) << lines[cell];
        if (cell < 767)
            frames.push_back(cell < 255 ? RoundedWriteFrame(cell, table[cell])
                                        : TruncatedWriteFrame(cell, table[cell]));
    }
    for (int cell = 0; cell <= 254; ++cell) // a write reads the data cells back
        frames.push_back(ReadFrame(cell));
    EXPECT_EQ(Lines(RunCli({ "frames", Project(text) }).out), frames);
    EXPECT_EQ(Lines(RunCli({ "table", Project(defaultText) }).out).at(127), "127 229.5");
}

// The graph of the file's project in either view and any size; a one-page sheet.
TEST_F(CliProject, PngOfTheGraphAndPdfOfTheSheet)
{
    const QString file = Project(ProjectText({ "ADC = 1", "CRD", "0.000000 0.000000",
        "3.000000 2.200000", "TURBO", "0.000000 0.000000", "2.500000 3.500000" }));
    const QString out = Path("graph.png");
    for (const auto& [options, size] : std::vector<std::pair<QStringList, QSize>> {
             { {}, QSize(800, 600) }, { { "--view", "io", "--size", "640x480" }, QSize(640, 480) },
             { { "--view=diff", "--size=1024x300" }, QSize(1024, 300) } }) {
        CliRun run = RunCli(QStringList { "png", file, "-o", out } + options);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "");
        const QImage image = QImage(out).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(image.size(), size);
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
        EXPECT_GT(std::count(pixels, pixels + image.width() * image.height(), qRgb(255, 0, 0)), 100)
            << "the file's TURBO curve in red: the default project has none";
    }
    CliRun run = RunCli({ "pdf", file, "-o", Path("sheet.pdf") });
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string pdf = ReadFile(Path("sheet.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos) << "one page";
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
}

// Status 1, the message, nothing printed, no file left; refused before any box
// is asked. A full disk under standard output is a failure, not a short listing.
TEST_F(CliProject, FailuresEndWithStatusOneAndTheirMessage)
{
    const QString fine = Project(defaultText, "fine");
    Project(ProjectText({ "Curve Delay = 210 " }), "odd");
    const std::string hold
        = "The box cannot hold this project:\nCurve delay 210 is not a multiple of 20.\n";
    const std::string none = std::string(kNoDeviceMessage) + "\n\n"
        + Path("no-device").toStdString() + " does not exist.\n";
    const std::string open = "Can't open file!\n";
    const std::string full = "Can't write standard output\n";
    for (const auto& [line, message] : std::vector<std::pair<const char*, std::string>> {
             { "check @odd", hold }, { "frames @odd", hold }, { "write @odd --demo-box", hold },
             { "show @missing", open }, { "table @missing", open }, { "write @missing", open },
             { "write @fine --port @no-device", none }, { "read @fine --port @no-device", none },
             { "show @fine >/dev/full", full }, { "table @fine >/dev/full", full } }) {
        CliRun run = Run(line);
        EXPECT_EQ(run.exitCode, 1) << line;
        EXPECT_EQ(run.err, message) << line;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(ReadFile(fine), defaultText);
    const QString unwritable = Path("no-such-folder/out");
    for (const char* command : { "png", "pdf" }) {
        CliRun run = RunCli({ command, fine, "-o", unwritable });
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_EQ(run.err.rfind("Can't write " + unwritable.toStdString() + "\n", 0), 0u);
    }
    EXPECT_FALSE(QDir(Path("no-such-folder")).exists());
}

// --help for the tool and each command; bad usage ends with status 2.
TEST_F(CliProject, CommandLine)
{
    const CliRun tool = RunCli({ "--help" });
    EXPECT_EQ(tool.exitCode, 0);
    for (const char* command :
        { "show", "check", "table", "frames", "write", "read", "pdf", "png" }) {
        EXPECT_NE(tool.out.find(std::string("  ") + command + " "), std::string::npos) << command;
        CliRun help = RunCli({ command, "--help" });
        EXPECT_EQ(help.exitCode, 0) << command;
        EXPECT_EQ(help.out.rfind(std::string("Usage: ramvik-cli ") + command + " ", 0), 0u);
        EXPECT_EQ(help.err, "");
    }
    Project(defaultText, "f");
    for (const char* line :
        { "", "frobnicate @f", "show", "show @f @f", "table @f --demo-box", "write @f --port",
            "write @f --port=", "write @f --port /dev/null --demo-box", "read @f --demo-box=yes",
            "pdf @f", "png @f -o", "png @f -o @a.png --view side", "png @f -o @a.png --size 800",
            "png @f -o @a.png --size 10x10", "png @f -o @a.png --size 99999x600" }) {
        CliRun run = Run(line);
        EXPECT_EQ(run.exitCode, 2) << line;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Try 'ramvik-cli --help'."), std::string::npos) << run.err;
    }
    EXPECT_FALSE(QFile::exists(Path("a.png")));
}
