// ramvik-cli on a fake machine: which converter write and read take, what
// ports and doctor print, and the reasons given when the converter cannot be
// opened. The tool reads the fake sysfs, /dev and /proc through
// RAMVIK_SYSTEM_ROOT, as it reads the real ones without it.
#include "CliTestSupport.h"

#include <FakeSystemTree.h>

#include <QProcess>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kNobody = 65534;

class CliPortsTest : public ::testing::Test {
protected:
    CliPortsTest()
    {
        // The tree must be reachable by an unprivileged user.
        chmod(dir.path().toLocal8Bit().constData(), 0755);
    }

    FakeConverter Converter(const char* tty, const char* usbDevice, const char* serial)
    {
        FakeConverter c;
        c.tty = tty;
        c.usbDevice = usbDevice;
        c.serialNumber = serial;
        return c;
    }

    QString Project()
    {
        const QString path = dir.filePath(QStringLiteral("project.rmvp"));
        QFile file(path);
        const std::string text = WriteProjectText(ProjectState());
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text.c_str()) > 0);
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        return path;
    }

    // ramvik-cli with the fake machine as its system; as the unprivileged
    // user when asked (the suite runs as root).
    CliRun Run(const QStringList& arguments, bool unprivileged = false)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("RAMVIK_SYSTEM_ROOT"), dir.path());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.path() + "/data");
        process.setProcessEnvironment(environment);
        if (unprivileged) {
            process.start(QStringLiteral("setpriv"),
                QStringList { "--reuid=65534", "--regid=65534", "--clear-groups", RAMVIK_CLI }
                    + arguments);
        } else {
            process.start(QStringLiteral(RAMVIK_CLI), arguments);
        }
        process.closeWriteChannel();
        CliRun run;
        if (process.waitForFinished(kDeadlineMs) && process.exitStatus() == QProcess::NormalExit)
            run.exitCode = process.exitCode();
        run.out = process.readAllStandardOutput().toStdString();
        run.err = process.readAllStandardError().toStdString();
        return run;
    }

    QTemporaryDir dir;
    FakeSystemTree tree { dir.path().toStdString() };
};

TEST_F(CliPortsTest, PortsListsEveryPortWithWhatTheSystemShows)
{
    tree.AddVirtualTerminal("tty1");
    tree.Add(Converter("ttyUSB10", "1-3", "B22"));
    FakeConverter dual = Converter("ttyUSB2", "1-2", "");
    dual.productId = 0x6010;
    dual.product = "Dual RS232-HS";
    dual.latencyTimerMs = 1;
    tree.Add(dual);
    tree.AddHolder(812, "ModemManager", "ttyUSB10");
    const CliRun run = Run({ "ports" });
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::string dev = tree.Roots().dev;
    const std::string pad(dev.size() - 4, ' '); // "PATH" as wide as the folder
    EXPECT_EQ(run.out,
        "PATH" + pad
            + "           USB ID     SERIAL  DRIVER    LATENCY  MAY OPEN  IN USE BY          "
              "CANDIDATE  PRODUCT\n"
            + dev
            + "/ttyUSB2   0403:6010  -       ftdi_sio  1 ms     yes       -                  no  "
              "       \"Dual RS232-HS\"\n"
            + dev
            + "/ttyUSB10  0403:6001  B22     ftdi_sio  16 ms    yes       ModemManager(812)  yes "
              "       \"USB <-> Serial\"\n");
}

TEST_F(CliPortsTest, TwoConvertersMakeWriteAndReadAskForThePort)
{
    tree.Add(Converter("ttyUSB10", "1-3", "B22"));
    tree.Add(Converter("ttyUSB2", "1-2", "A11"));
    const std::string dev = tree.Roots().dev;
    const std::string expected = "More than one converter may be the box's:\n"
                                 "  "
        + dev
        + "/ttyUSB2  0403:6001  serial A11  \"USB <-> Serial\"\n"
          "  "
        + dev
        + "/ttyUSB10  0403:6001  serial B22  \"USB <-> Serial\"\n"
          "Name the box's converter with --port PATH.\n";
    const QString project = Project();
    for (const char* command : { "write", "read" }) {
        const CliRun run = Run({ command, project });
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_EQ(run.err, expected) << command;
    }
}

TEST_F(CliPortsTest, AHeldConverterIsReportedWithTheProgramThatHoldsIt)
{
    tree.Add(Converter("ttyUSB0", "1-2", "A11"));
    tree.AddHolder(77, "brltty", "ttyUSB0");
    const CliRun run = Run({ "write", Project() });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
        "No USB Device Connected!\n\n" + tree.Dev("ttyUSB0")
            + " is in use by brltty (process 77).\n"
              "brltty, the braille display driver, takes USB serial converters. Stop it\n"
              "(sudo systemctl stop brltty), or remove it (sudo apt remove brltty) when no\n"
              "braille display is used.\n");
    const CliRun doctor = Run({ "doctor" });
    EXPECT_EQ(doctor.exitCode, 1);
    EXPECT_NE(doctor.out.find("PROBLEM  " + tree.Dev("ttyUSB0") + " is in use by brltty"),
        std::string::npos)
        << doctor.out;
}

TEST_F(CliPortsTest, AConverterTheUserMayNotOpenIsReportedWithTheRemedy)
{
    ASSERT_EQ(geteuid(), 0u) << "only root can hand the device node to another owner";
    const group* dialout = getgrnam("dialout"); // every Debian system has it
    ASSERT_NE(dialout, nullptr);
    tree.Add(Converter("ttyUSB0", "1-2", "A11"));
    const std::string node = tree.Dev("ttyUSB0");
    ASSERT_EQ(chown(node.c_str(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(chmod(node.c_str(), 0660), 0);
    const std::string reason = "The user nobody may not open " + node
        + ": it belongs to the group dialout.\n"
          "Add the user to that group (sudo usermod -aG dialout nobody), then log in again,\n"
          "or install Ramvik's udev rule 60-ramvik.rules, which gives the logged-in user the "
          "box's converter.";

    const CliRun write = Run({ "write", Project() }, true);
    EXPECT_EQ(write.exitCode, 1);
    EXPECT_EQ(write.err, "No USB Device Connected!\n\n" + reason + "\n");

    const CliRun doctor = Run({ "doctor" }, true);
    EXPECT_EQ(doctor.exitCode, 1);
    std::string indented = reason;
    for (std::size_t at = indented.find('\n'); at != std::string::npos;
         at = indented.find('\n', at + 1))
        indented.insert(at + 1, 9, ' ');
    EXPECT_NE(doctor.out.find("PROBLEM  " + indented + "\n"), std::string::npos) << doctor.out;
    EXPECT_NE(doctor.out.find("A transfer cannot start yet.\n"), std::string::npos);
}

TEST_F(CliPortsTest, DoctorPassesWithOneFreeConverter)
{
    FakeConverter c = Converter("ttyUSB0", "1-2", "A11");
    c.latencyTimerMs = 1;
    tree.Add(c);
    const CliRun run = Run({ "doctor" });
    EXPECT_EQ(run.exitCode, 0) << run.out;
    const std::string dev = tree.Dev("ttyUSB0");
    EXPECT_EQ(run.out.substr(0, run.out.find("OK       The vendor library")),
        "OK       A converter is connected: " + dev
            + "  0403:6001  serial A11  \"USB <-> Serial\"\n"
              "OK       "
            + dev
            + " is served by the kernel driver ftdi_sio.\n"
              "OK       The user "
            + std::string(getpwuid(geteuid())->pw_name) + " may open " + dev + ".\n"
            + (geteuid() == 0 ? "OK       No other program holds " + dev + ".\n"
                              : "OK       No other program of this user holds " + dev
                        + " (those of other users\n         are visible to root only).\n")
            + "OK       The latency timer of " + dev + " is 1 ms.\n");
    EXPECT_NE(run.out.find("A transfer can start.\n"), std::string::npos);
}

} // namespace
