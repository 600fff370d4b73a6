// ramvik-cli with a box: compare and a write through a relative port,
// against ramvik-boxsim and the tool's own simulated box. What each box fault
// does to a transfer (a failed read, a cell the box forgot, implausible
// values read): tests/box (TransferFailures, ReadWarnings); each write's
// outcome in the history: tests/session (WriteJournal); which program holds
// a line: tests/box (PortHolders).

#include "CliTestSupport.h"

#include <QDir>

namespace {

const std::string kLost = "Please check the connection\nof the USB-interface\nand try again.\n";

class CliBox : public CliTest {
protected:
    QStringList FilesInFolder() const { return QDir(dir.path()).entryList(QDir::Files); }
};

// Exit status like cmp: 0 same, 1 different (with the lines), 2 no comparison.
// A read cut short compares nothing, even when every cell arrived before a
// stray byte (each fault at each place of a read: tests/box TransferFailures).
TEST_F(CliBox, CompareExitsLikeCmp)
{
    CBoxsimProcess stray({ "--fault", "stray@254" });
    const QString same = Project(defaultText, "same.rmvp");
    std::string editedText = defaultText;
    editedText.replace(editedText.find("Volt = 1.5"), 10, "Volt = 2.0");
    const QString edited = Project(editedText, "edit.rmvp");
    struct Row {
        const char* what;
        QStringList arguments;
        int exitCode;
        std::string out;
        std::string errStart;
    };
    const Row rows[] = {
        { "the box holds the project", { "compare", same, "--demo-box" }, 0, "", "" },
        { "an edited start voltage", { "compare", edited, "--demo-box" }, 1,
            "Start voltage: project 2 V, box 1.5 V.\n"
            "CR output at the start voltage: project 2.00 V, box 1.51 V.\n"
            "CR point at 1.5 V: output 1.5 V in the box, none in the project.\n",
            "" },
        { "a stray byte after the last cell", { "compare", same, "--port", stray.port }, 2, "",
            kLost },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const CliRun run = RunCli(row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_EQ(run.out, row.out);
        EXPECT_TRUE(StartsWith(run.err, row.errStart)) << run.err;
    }
    EXPECT_EQ(FilesInFolder(), (QStringList { "edit.rmvp", "same.rmvp" }));
}

// A relative --port is a path from the current folder, as any other path on
// the command line; it was once looked up under /dev.
TEST_F(CliBox, ARelativePortIsFromTheCurrentFolder)
{
    const QString file = Project(defaultText);
    CBoxsimProcess box({ "--id", "132" });
    ASSERT_TRUE(QDir(dir.path()).mkdir("t"));
    ASSERT_TRUE(QFile::link(box.port, Path("t/boxlink")));
    RunOptions here;
    here.workingDirectory = dir.path();
    const CliRun run = RunCli({ "write", file, "--port", "t/boxlink", "--no-verify" }, here);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
}

} // namespace
