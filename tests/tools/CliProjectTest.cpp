// ramvik-cli on project files, without a box: what check and frames refuse,
// and what it says to a wrong command line. What the cells and frames hold:
// tests/box; the graph a png shows: tests/graph.

#include "CliTestSupport.h"

using CliProject = CliTest;

// A project the box cannot hold is refused before any box is asked: a TURBO
// curve a CR box never uses once passed check and went out as frames of
// eleven characters. A refusal ends with status 1, its message and nothing
// printed.
TEST_F(CliProject, CheckAndFramesRefuseAHiddenTurboCurve)
{
    Project(defaultText, "fine");
    Project("TURBO\n2.000000 300.000000\nADC = 1\n", "hidden");
    Project("Dear workshop,\nthe invoice follows.\n", "letter");
    const std::string hidden = "The box cannot hold this project:\nTURBO curve (not used by this "
                               "box type): TURBO point 2: output 300 V lies outside 0 V to 5 V.\n";
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
        // A letter once went into the box as the default project.
        { "frames @letter", 1, "",
            "letter does not look like a Ramvik project: no parameter line.\n" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        const CliRun run = Run(row.line);
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(run.err, row.err);
    }
}

// --help; bad usage ends with status 2.
TEST_F(CliProject, CommandLine)
{
    const CliRun help = RunCli({ "--help" });
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(StartsWith(help.out, "Usage: ramvik-cli "));
    Project(defaultText, "f");
    for (const char* line : { "", "frobnicate @f", "show @f @f", "write @f --port",
             "write @f --port @p --demo-box", "pdf @f", "png @f -o @a.png --size 10x10" }) {
        CliRun run = Run(line);
        EXPECT_EQ(run.exitCode, 2) << line;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Try 'ramvik-cli --help'."), std::string::npos) << run.err;
    }
    EXPECT_FALSE(QFile::exists(Path("a.png")));
}
