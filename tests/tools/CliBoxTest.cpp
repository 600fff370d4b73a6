// ramvik-cli writing into and reading from ramvik-boxsim and its own simulated
// box. Where each fault strikes a transfer: tests/box (PtyTransfer).

#include "CliTestSupport.h"

using CliBox = CliTest;

// Projects of each box type on the box's grid, whose CR points at the start
// and stop voltage lie on the line of slope 1, as a read puts them back.
const std::vector<std::pair<QString, std::string>> kBoxCases {
    { "132", // one CR input
        ProjectText({ "ADC = 1", "Start Delay = 2 min 5 sec", "Curve Delay = 300 ", "Volt = 1.2",
            "Off = 4.4", "CRD", "0.000000 0.000000", "1.200000 1.200000", "2.000000 2.500000",
            "4.400000 4.400000", "5.000000 5.000000" }) },
    { "132", // two CR inputs
        ProjectText({ "ADC = 2", "Start Delay = 0 min 0 sec", "Curve Delay = 0 ", "Volt = 0.0",
            "Off = 5.0", "CRD", "0.000000 0.000000", "0.020000 0.000000", "2.500000 1.000000",
            "4.980000 5.000000", "5.000000 5.000000" }) },
    { "213", // CR and TURBO
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
    for (const auto& [identification, text] : kBoxCases) {
        BoxsimProcess box({ "--id", identification });
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
    const std::vector<std::tuple<const char*, const char*, std::string>> cases {
        { "write", "--id 132 --fault short@255", lost },
        { "write", "--id 132 --fault short@300", lost },
        { "write", "--id 132 --fault hangup@600", lost },
        { "write", "--id 213", std::string(kTurboBoxOnlyMessage) + "\n" },
        { "write", "--id 77", foreign }, { "read", "--fault silent@255", lost },
        { "read", "--fault short@200", lost }, { "read", "--fault hangup@128", lost },
        { "read", "--id 0", foreign }
    };
    for (const auto& [command, boxArguments, message] : cases) {
        SCOPED_TRACE(std::string(command) + " " + boxArguments);
        BoxsimProcess box(QString::fromLatin1(boxArguments).split(' '));
        const bool read = std::string(command) == "read";
        const QString file = read ? Path("back.rmvp") : Project(kBoxCases[0].second);
        CliRun run = RunCli({ command, file, "--port", box.port });
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, message);
        EXPECT_NE(QFile::exists(file), read);
        EXPECT_TRUE(QDir(dir.path()).entryList({ "*.saving" }, QDir::Files).isEmpty());
    }
    BoxsimProcess box({ "--fault", "short@250" });
    EXPECT_EQ(RunCli({ "read", Project(kBoxCases[2].second), "--port", box.port }).exitCode, 1);
    EXPECT_EQ(ReadFile(Path("project.rmvp")), kBoxCases[2].second);
}
