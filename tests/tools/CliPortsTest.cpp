// ramvik-cli on a fake machine: which converter write and read take, what
// ports and doctor print, and the reasons given when the converter cannot be
// opened. The tool reads the fake sysfs, /dev and /proc through
// RAMVIK_SYSTEM_ROOT, as it reads the real ones without it. Which converter
// the lookup takes on each machine: tests/box (FindBoxPort); the window's
// choice among several: tests/app (WindowPortChoice).
#include "CliTestSupport.h"

#include <FakeSystemTree.h>

#include <grp.h>
#include <sys/stat.h>

namespace {

class CliPortsTest : public CliTest {
protected:
    // ramvik-cli with the fake machine as its system.
    CliRun RunOnTree(const QStringList& arguments, bool unprivileged = false) const
    {
        RunOptions options;
        options.systemRoot = dir.path();
        options.unprivileged = unprivileged;
        return RunCli(arguments, options);
    }

    FakeSystemTree tree { dir.path().toStdString() };
};

// A candidate held by another program, with what sysfs and /proc show of it.
TEST_F(CliPortsTest, PortsListsAPortWithWhatTheSystemShows)
{
    tree.Add({ "ttyUSB10", "1-3" });
    tree.AddHolder(812, "ModemManager", "ttyUSB10");
    const CliRun run = RunOnTree({ "ports" });
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find(tree.Dev("ttyUSB10")
                  + "  0403:6001  A9XK31  ftdi_sio  16 ms    yes       ModemManager(812)  yes "
                    "       \"USB <-> Serial\"\n"),
        std::string::npos)
        << run.out;
}

// The list of candidates itself: tests/box (FindBoxPort).
TEST_F(CliPortsTest, TwoConvertersMakeAWriteAskForThePort)
{
    tree.Add({ "ttyUSB10", "1-3" });
    tree.Add({ "ttyUSB2", "1-2" });
    const CliRun run = RunOnTree({ "write", Project(defaultText) });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(StartsWith(run.err, "More than one converter may be the box's:\n")) << run.err;
    EXPECT_NE(run.err.find("Name the box's converter with --port PATH.\n"), std::string::npos);
}

// The open fails with EACCES, which once read as a missing converter.
TEST_F(CliPortsTest, AConverterTheUserMayNotOpenIsReportedWithTheRemedy)
{
    ASSERT_EQ(geteuid(), 0u) << "only root can hand the device node to another owner";
    const group* dialout = getgrnam("dialout"); // every Debian system has it
    ASSERT_NE(dialout, nullptr);
    tree.Add({ "ttyUSB0", "1-2" });
    const std::string node = tree.Dev("ttyUSB0");
    ASSERT_EQ(chown(node.c_str(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(chmod(node.c_str(), 0660), 0);

    const CliRun write = RunOnTree({ "write", Project(defaultText) }, true);
    EXPECT_EQ(write.exitCode, 1);
    EXPECT_TRUE(StartsWith(write.err,
        "No USB Device Connected!\n\nThe user nobody may not open " + node
            + ": it belongs to the group dialout.\nAdd the user to that group (sudo usermod "
              "-aG dialout nobody), then log in again,\n"))
        << write.err;

    const CliRun doctor = RunOnTree({ "doctor" }, true);
    EXPECT_EQ(doctor.exitCode, 1);
    EXPECT_NE(doctor.out.find("PROBLEM  The user nobody may not open " + node), std::string::npos)
        << doctor.out;
}

TEST_F(CliPortsTest, DoctorPassesWithOneFreeConverter)
{
    FakeConverter converter { "ttyUSB0", "1-2" };
    converter.latencyTimerMs = 1;
    tree.Add(converter);
    const CliRun run = RunOnTree({ "doctor" });
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_TRUE(StartsWith(run.out, "OK       A converter is connected: " + tree.Dev("ttyUSB0")))
        << run.out;
    EXPECT_NE(run.out.find("A transfer can start.\n"), std::string::npos);
}

} // namespace
