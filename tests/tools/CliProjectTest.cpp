// ramvik-cli on project files, without a box: check, table, frames, pdf, png,
// and what it says to a wrong command line or a failure. What the cells and
// frames hold: tests/box.

#include "CliTestSupport.h"

#include <QImage>

#include <algorithm>
#include <sstream>

using CliProject = CliTest;

static QStringList Lines(const std::string& text)
{
    return QString::fromStdString(text).split('\n', Qt::SkipEmptyParts);
}

// table: every cell, halves kept, the identification cell unset. frames: the
// handshake, every cell but the identification, then the read-back of 0..254.
TEST_F(CliProject, TableAndFramesListWhatAWriteSends)
{
    const QString file = Project(defaultText);
    const QStringList table = Lines(RunCli({ "table", file }).out);
    ASSERT_EQ(table.size(), 768);
    EXPECT_EQ(table[127], "127 229.5");
    EXPECT_EQ(table[255], "255 unset");
    const QStringList frames = Lines(RunCli({ "frames", file }).out);
    ASSERT_EQ(frames.size(), 3 + 766 + 255);
    EXPECT_EQ(frames[0], "#00000213;");
    EXPECT_EQ(frames[3 + 127], "#01270230;");
    EXPECT_EQ(frames[3 + 255], "#02560000;");
    EXPECT_EQ(frames.back(), "%02540000;");
}

// The graph of the file's project in either view and any size.
TEST_F(CliProject, PngOfTheGraphInEitherViewAndAnySize)
{
    const QString file = Project("ADC = 1\nCRD\n0.000000 0.000000\n3.000000 2.200000\nTURBO\n"
                                 "0.000000 0.000000\n2.500000 3.500000\n");
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
}

// A project the box cannot hold is refused before any box is asked: a TURBO
// curve a CR box never uses once passed check and went out as frames of
// eleven characters. Failures end with status 1, their message and nothing
// printed.
TEST_F(CliProject, CheckRefusesAHiddenTurboCurveAndFailuresEndWithStatusOne)
{
    Project(defaultText, "fine");
    Project("TURBO\n2.000000 300.000000\nADC = 1\n", "hidden");
    const std::string hidden = "The box cannot hold this project:\nTURBO curve (not used by this "
                               "box type): TURBO point 2: output 300 V lies outside 0 V to 5 V.\n";
    const std::string none
        = "No USB Device Connected!\n\n" + Path("no-device").toStdString() + " does not exist.\n";
    const std::string open = "Can't open file!\n";
    struct Row {
        const char* line;
        int exitCode;
        std::string out;
        std::string err;
    };
    const Row rows[] = {
        { "check @fine", 0, "The box can hold this project.\n", "" },
        { "check @hidden", 1, "", hidden },
        { "frames @hidden", 1, "", hidden },
        { "write @missing", 1, "", open },
        { "read @fine --port @no-device", 1, "", none },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        const CliRun run = Run(row.line);
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(run.err, row.err);
    }
    EXPECT_EQ(ReadFile(Path("fine")), defaultText);
}

// --help; bad usage ends with status 2.
TEST_F(CliProject, CommandLine)
{
    const CliRun help = RunCli({ "--help" });
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(StartsWith(help.out, "Usage: ramvik-cli "));
    Project(defaultText, "f");
    for (const char* line :
        { "", "frobnicate @f", "show", "show @f @f", "table @f --demo-box", "write @f --port",
            "write @f --port=", "write @f --port @p --demo-box", "read @f --demo-box=yes", "pdf @f",
            "png @f -o @a.png --view side", "png @f -o @a.png --size 800",
            "png @f -o @a.png --size 10x10", "png @f -o @a.png --size 99999x600" }) {
        CliRun run = Run(line);
        EXPECT_EQ(run.exitCode, 2) << line;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Try 'ramvik-cli --help'."), std::string::npos) << run.err;
    }
    EXPECT_FALSE(QFile::exists(Path("a.png")));
}
