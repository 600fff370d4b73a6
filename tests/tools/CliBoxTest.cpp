// ramvik-cli with a box: write, read, compare and history, against
// ramvik-boxsim and the tool's own simulated box. What each box fault does to
// a transfer, and that a write comes back with a read: tests/box
// (TransferFailures, BoxRoundTrip); the history's entries: tests/session.

#include "CliTestSupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const std::string kLost = "Please check the connection\nof the USB-interface\nand try again.\n";

class CliBox : public CliTest {
protected:
    QStringList FilesInFolder() const { return QDir(dir.path()).entryList(QDir::Files); }
};

// A failed read ends with status 1 and the window's message, keeps the file
// that was there and leaves nothing beside it. (A failed write: the verify
// test.)
TEST_F(CliBox, FailedReadSaysWhyAndKeepsTheFile)
{
    const QString file = Project(defaultText);
    CBoxsimProcess silent({ "--fault", "silent@255" });
    const CliRun read = RunCli({ "read", file, "--port", silent.port });
    EXPECT_EQ(read.exitCode, 1);
    EXPECT_EQ(read.err, kLost);
    EXPECT_EQ(FilesInFolder(), QStringList { "project.rmvp" });
    EXPECT_EQ(ReadFile(file), defaultText);
}

// Exit status like cmp: 0 same, 1 different (with the lines), 2 no comparison.
// A read cut short compares nothing, even when every cell arrived before a
// stray byte (each fault at each place of a read: tests/box TransferFailures).
TEST_F(CliBox, CompareExitsLikeCmp)
{
    CBoxsimProcess hangsUp({ "--fault", "hangup@128" });
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
        { "the box hangs up", { "compare", same, "--port", hangsUp.port }, 2, "", kLost },
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

// The read-back catches a cell the box forgot and fails the write; with
// --no-verify nothing looks. `history` lists both writes, newest first, each
// with its outcome and the copy of the project as written (the lines a sheet
// printed from one carries: tests/session WriteJournal).
TEST_F(CliBox, VerifyFailsTheWriteAndHistoryKeepsWhatItFound)
{
    const QString file = Project(defaultText);
    CBoxsimProcess forgets({ "--id", "132", "--fault", "forget@100" });
    const CliRun verified = RunCli({ "write", file, "--port", forgets.port });
    EXPECT_EQ(verified.exitCode, 1);
    EXPECT_TRUE(StartsWith(verified.err, "The box holds other values than were written: cell 100"))
        << verified.err;
    CBoxsimProcess forgetsAgain({ "--id", "132", "--fault", "forget@100" });
    const CliRun unverified = RunCli({ "write", file, "--port", forgetsAgain.port, "--no-verify" });
    EXPECT_EQ(unverified.exitCode, 0);
    EXPECT_EQ(unverified.err, "");

    const QStringList lines
        = QString::fromStdString(RunCli({ "history" }).out).split('\n', Qt::SkipEmptyParts);
    const QStringList written = lines.filter(QRegularExpression("^\\d"));
    ASSERT_EQ(written.size(), 2);
    EXPECT_TRUE(written[0].contains("  box 132  not verified: ")) << written[0].toStdString();
    EXPECT_TRUE(written[1].contains("  box 132  differs: cell 100 (")) << written[1].toStdString();
    const QString newest = lines.filter("  copy:").first().section(' ', -1);
    EXPECT_EQ(ReadFile(newest), defaultText);
}

// The simulator at the other end of its pseudo-terminal holds no port: the
// doctor finds the line free, and a write that finds it held names the
// ramvik-cli that holds it. Both once named ramvik-boxsim.
TEST_F(CliBox, InUseNamesTheProgramThatHoldsTheLine)
{
    const QString file = Project(defaultText);
    CBoxsimProcess box({ "--id", "132", "--wire" });
    const CliRun doctor = RunCli({ "doctor", "--port", box.port });
    EXPECT_EQ(doctor.exitCode, 0) << doctor.out;
    EXPECT_NE(doctor.out.find("OK       No other program holds " + box.port.toStdString() + "."),
        std::string::npos)
        << doctor.out;

    // A write at wire speed holds the line for seconds; the second write
    // starts once the first has the line open.
    QProcess holder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", Path("data"));
    holder.setProcessEnvironment(environment);
    holder.start(RAMVIK_CLI, { "write", file, "--port", box.port });
    ASSERT_TRUE(holder.waitForStarted(kDeadlineMs));
    const QString pid = QString::number(holder.processId());
    const QString line = QFileInfo(box.port).canonicalFilePath();
    const auto holds = [&] {
        for (const QFileInfo& fd : QDir("/proc/" + pid + "/fd").entryInfoList(QDir::System))
            if (fd.symLinkTarget() == line)
                return true;
        return false;
    };
    QDeadlineTimer deadline(kDeadlineMs);
    while (!holds() && !deadline.hasExpired() && holder.state() == QProcess::Running)
        holder.waitForFinished(1);
    ASSERT_TRUE(holds()) << "the first write never opened the line";
    const CliRun second = RunCli({ "write", file, "--port", box.port });
    holder.kill();
    holder.waitForFinished(kDeadlineMs);
    EXPECT_EQ(second.exitCode, 1);
    EXPECT_EQ(second.err,
        "No USB Device Connected!\n\n" + box.port.toStdString()
            + " is in use by ramvik-cli (process " + pid.toStdString()
            + ").\nClose ramvik-cli, then try again.\n");
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

// A box holding a value no project can hold: the project is saved as the box
// holds it, the warning goes to standard error, and the read succeeds.
TEST_F(CliBox, ReadWarnsOfImplausibleValuesAndSucceeds)
{
    Project("1 60\n", "box.cells"); // stop voltage 6.0 V
    CBoxsimProcess box({ "--load", Path("box.cells") });
    const CliRun run = RunCli({ "read", Path("back.rmvp"), "--port", box.port });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "Stop voltage 6 V lies outside 0 V to 5 V.\n");
    EXPECT_NE(ReadFile(Path("back.rmvp")).find("Off = 6.0"), std::string::npos);
}

} // namespace
