// ramvik-cli writing into and reading from ramvik-boxsim and its own simulated
// box. Where each fault strikes a transfer: tests/box (PtyTransfer).

#include "CliTestSupport.h"

using CliBox = CliTest;

// Projects of each box type on the box's grid, whose CR points at the start
// and stop voltage lie on the line of slope 1, as a read puts them back.
struct BoxCase {
    const char* what;
    QString identification;
    std::string text;
};
const std::vector<BoxCase> kBoxCases {
    { "one CR input", "132",
        ProjectText({ "ADC = 1", "Start Delay = 2 min 5 sec", "Curve Delay = 300 ", "Volt = 1.2",
            "Off = 4.4", "CRD", "0.000000 0.000000", "1.200000 1.200000", "2.000000 2.500000",
            "4.400000 4.400000", "5.000000 5.000000" }) },
    { "two CR inputs", "132",
        ProjectText({ "ADC = 2", "Start Delay = 0 min 0 sec", "Curve Delay = 0 ", "Volt = 0.0",
            "Off = 5.0", "CRD", "0.000000 0.000000", "0.020000 0.000000", "2.500000 1.000000",
            "4.980000 5.000000", "5.000000 5.000000" }) },
    { "CR and TURBO", "213",
        ProjectText({ "ADC = 1", "Start Delay = 4 min 0 sec", "Curve Delay = 500 ", "Volt = 1.5",
            "Off = 4.5", "CRD", "0.000000 0.000000", "1.500000 1.500000", "3.000000 2.700000",
            "4.500000 4.500000", "5.000000 5.000000", "TURBO", "0.000000 0.000000",
            "1.000000 1.500000", "5.000000 4.800000" }) },
};

// Against ramvik-boxsim, and the simulated box inside the tool: for a write
// one that fits the project, for a read the window's, holding the default one.
TEST_F(CliBox, WriteThenReadGivesTheProjectBackForEveryBoxType)
{
    const QString back = Path("back.rmvp");
    for (const BoxCase& boxCase : kBoxCases) {
        SCOPED_TRACE(boxCase.what);
        const std::string& text = boxCase.text;
        CBoxsimProcess box({ "--id", boxCase.identification });
        CliRun write = RunCli({ "write", Project(text), "--port", box.port });
        EXPECT_EQ(write.exitCode, 0) << text;
        EXPECT_EQ(write.err, ""); // not a terminal: no progress bar
        CliRun read = RunCli({ "read", back, "--port", box.port });
        EXPECT_EQ(read.exitCode, 0) << text;
        EXPECT_EQ(read.err, "");
        EXPECT_EQ(ReadFile(back), RunCli({ "show", Path("project.rmvp") }).out);
        EXPECT_EQ(RunCli({ "write", Path("project.rmvp"), "--demo-box" }).exitCode, 0) << text;
    }
    EXPECT_EQ(RunCli({ "read", back, "--demo-box" }).exitCode, 0);
    EXPECT_EQ(ReadFile(back), defaultText);
}

// Failures in the handshake or the data end with status 1 and the window's
// message; a failed read leaves no file behind and keeps one that was there.
TEST_F(CliBox, FaultsEndWithTheirMessageAndNoFile)
{
    const std::string lost = "Please check the connection\nof the USB-interface\nand try again.\n";
    const std::string foreign = std::string(kForeignBoxMessage) + "\n";
    struct Row {
        const char* what;
        const char* command;
        const char* boxArguments;
        std::string message;
    };
    const Row rows[] = {
        { "write, hang-up in the data", "write", "--id 132 --fault hangup@600", lost },
        { "write to a CR&TURBO box", "write", "--id 213",
            std::string(kTurboBoxOnlyMessage) + "\n" },
        { "write to a foreign box", "write", "--id 77", foreign },
        { "read, silent at the handshake", "read", "--fault silent@255", lost },
        { "read from a foreign box", "read", "--id 0", foreign },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CBoxsimProcess box(QString::fromLatin1(row.boxArguments).split(' '));
        const bool read = std::string(row.command) == "read";
        const QString file = read ? Path("back.rmvp") : Project(kBoxCases[0].text);
        CliRun run = RunCli({ row.command, file, "--port", box.port });
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, row.message);
        EXPECT_NE(QFile::exists(file), read);
        EXPECT_TRUE(QDir(dir.path()).entryList({ "*.saving" }, QDir::Files).isEmpty());
    }
    CBoxsimProcess box({ "--fault", "short@250" });
    EXPECT_EQ(RunCli({ "read", Project(kBoxCases[2].text), "--port", box.port }).exitCode, 1);
    EXPECT_EQ(ReadFile(Path("project.rmvp")), kBoxCases[2].text);
}
