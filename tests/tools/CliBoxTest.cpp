// ramvik-cli writing into and reading from ramvik-boxsim over its
// pseudo-terminal, and from the simulated box inside the tool. Where each
// fault happens in a transfer is tested in tests/box (PtyTransfer); here, what
// the tool makes of it.

#include "CliTestSupport.h"

#include <Protocol.h>

#include <vector>

using namespace clitest;

namespace {

using CliBox = CliTest;

const std::string kCheckConnection
    = "Please check the connection\nof the USB-interface\nand try again.\n";

// Projects on the box's grid whose CR points at the start and stop voltage
// lie on the line of slope 1, as a read puts them back.
struct BoxCase {
    const char* identification;
    std::string text;
};

const std::vector<BoxCase>& BoxCases()
{
    static const std::vector<BoxCase> cases {
        { "132", // one CR input
            ProjectText({ "ADC = 1", "Start Delay = 2 min 5 sec", "Curve Delay = 300 ",
                "Volt = 1.2", "Off = 4.4", "CRD", "0.000000 0.000000", "1.200000 1.200000",
                "2.000000 2.500000", "4.400000 4.400000", "5.000000 5.000000" }) },
        { "132", // two CR inputs
            ProjectText({ "ADC = 2", "Start Delay = 0 min 0 sec", "Curve Delay = 0 ", "Volt = 0.0",
                "Off = 5.0", "CRD", "0.000000 0.000000", "0.020000 0.000000", "2.500000 1.000000",
                "4.980000 5.000000", "5.000000 5.000000" }) },
        { "213", // CR and TURBO
            ProjectText({ "ADC = 1", "Start Delay = 4 min 0 sec", "Curve Delay = 500 ",
                "Volt = 1.5", "Off = 4.5", "CRD", "0.000000 0.000000", "1.500000 1.500000",
                "3.000000 2.700000", "4.500000 4.500000", "5.000000 5.000000", "TURBO",
                "0.000000 0.000000", "1.000000 1.500000", "5.000000 4.800000" }) },
    };
    return cases;
}

} // namespace

TEST_F(CliBox, WriteThenReadGivesTheProjectBackForEveryBoxType)
{
    for (const BoxCase& c : BoxCases()) {
        SCOPED_TRACE(c.text);
        BoxsimProcess box({ "--id", c.identification });
        ASSERT_FALSE(box.port.isEmpty()) << box.process.readAllStandardError().toStdString();
        const QString written = Project(c.text);
        QFile::remove(Path("back.rmvp"));
        CliRun write = RunCli({ "write", written, "--port", box.port });
        ASSERT_EQ(write.exitCode, 0) << write.err;
        EXPECT_EQ(write.err, ""); // not a terminal: no progress bar
        CliRun read = RunCli({ "read", Path("back.rmvp"), "--port", box.port });
        ASSERT_EQ(read.exitCode, 0) << read.err;
        EXPECT_EQ(read.err, "");
        EXPECT_EQ(ReadFile(Path("back.rmvp")), RunCli({ "show", written }).out);
    }
}

// Every failure of a transfer, in the handshake or in the data, ends with
// status 1 and the window's message; a failed read leaves no file behind.
TEST_F(CliBox, FaultsEndWithTheirMessageAndNoFile)
{
    struct Case {
        const char* command;
        QStringList box;
        std::string message;
    };
    const std::vector<Case> cases {
        { "write", { "--id", "132", "--fault", "short@255" }, kCheckConnection },
        { "write", { "--id", "132", "--fault", "short@300" }, kCheckConnection },
        { "write", { "--id", "132", "--fault", "hangup@600" }, kCheckConnection },
        { "write", { "--id", "213" }, std::string(kTurboBoxOnlyMessage) + "\n" },
        { "write", { "--id", "77" }, std::string(kForeignBoxMessage) + "\n" },
        { "read", { "--fault", "silent@255" }, kCheckConnection },
        { "read", { "--fault", "short@200" }, kCheckConnection },
        { "read", { "--fault", "hangup@128" }, kCheckConnection },
        { "read", { "--id", "0" }, std::string(kForeignBoxMessage) + "\n" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + c.box.join(' ').toStdString());
        BoxsimProcess box(c.box);
        ASSERT_FALSE(box.port.isEmpty()) << box.process.readAllStandardError().toStdString();
        const bool read = std::string(c.command) == "read";
        const QString file = read ? Path("back.rmvp") : Project(BoxCases()[0].text);
        CliRun run = RunCli({ c.command, file, "--port", box.port });
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, c.message);
        EXPECT_NE(QFile::exists(file), read);
        EXPECT_TRUE(QDir(dir.path()).entryList({ "*.saving" }, QDir::Files).isEmpty());
    }
}

// A read that fails keeps the file that was there before.
TEST_F(CliBox, FailedReadKeepsTheOldFile)
{
    const QString kept = Project(BoxCases()[2].text);
    BoxsimProcess box({ "--fault", "short@250" });
    ASSERT_FALSE(box.port.isEmpty());
    EXPECT_EQ(RunCli({ "read", kept, "--port", box.port }).exitCode, 1);
    EXPECT_EQ(ReadFile(kept), BoxCases()[2].text);
}

TEST_F(CliBox, NoBoxAtThePort)
{
    const QString file = Project(DefaultProjectText());
    for (const char* command : { "write", "read" }) {
        CliRun run = RunCli({ command, file, "--port", Path("no-such-device") });
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_EQ(run.err, std::string(kNoDeviceMessage) + "\n") << command;
    }
    EXPECT_EQ(ReadFile(file), DefaultProjectText());
}

// The simulated box inside the tool: for a read the window's, a CR box
// holding the default project; for a write a box that fits the project.
TEST_F(CliBox, DemoBox)
{
    CliRun read = RunCli({ "read", Path("demo.rmvp"), "--demo-box" });
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(ReadFile(Path("demo.rmvp")), DefaultProjectText());
    for (const BoxCase& c : BoxCases()) {
        CliRun write = RunCli({ "write", Project(c.text), "--demo-box" });
        EXPECT_EQ(write.exitCode, 0) << c.identification << write.err;
    }
}
