// Finding the box's converter among the serial ports of a fake machine, and
// what a link says when it cannot open the one it found.
#include <FakeSystemTree.h>

#include <ConnectionDoctor.h>
#include <PortAdvice.h>
#include <PortFinder.h>
#include <SerialLink.h>
#include <SerialPorts.h>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(NaturalOrder, DigitRunsCompareAsNumbers)
{
    struct Case {
        const char* name;
        const char* smaller;
        const char* larger;
    };
    const Case cases[] = {
        { "one digit before two", "ttyUSB2", "ttyUSB10" },
        { "same length by value", "ttyUSB3", "ttyUSB4" },
        { "letters before the number", "ttyACM10", "ttyUSB0" },
        { "a leading zero is the same number", "ttyUSB02", "ttyUSB10" },
        { "a shorter name first", "ttyUSB", "ttyUSB0" },
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(NaturalLess(c.smaller, c.larger)) << c.name;
        EXPECT_FALSE(NaturalLess(c.larger, c.smaller)) << c.name;
    }
    EXPECT_FALSE(NaturalLess("ttyUSB1", "ttyUSB1"));
}

FakeConverter Converter(const char* tty, const char* usbDevice, const char* serial)
{
    FakeConverter c;
    c.tty = tty;
    c.usbDevice = usbDevice;
    c.serialNumber = serial;
    return c;
}

// Each machine is built by its row; the expected path is a tty name ("" for
// none) and the failure the start of what follows "No USB Device Connected!".
TEST(FindBoxPort, ChoosesTheRightConverterOrSaysWhy)
{
    struct Case {
        const char* name;
        std::function<void(FakeSystemTree&)> build;
        const char* remembered;
        const char* expectedTty;
        const char* failureStart;
    };
    const Case cases[] = {
        { "one converter",
            [](FakeSystemTree& tree) {
                tree.AddVirtualTerminal("tty0");
                tree.Add(Converter("ttyUSB0", "1-2", "A9XK31"));
            },
            "", "ttyUSB0", "" },
        { "the box's ids with a foreign product string",
            [](FakeSystemTree& tree) {
                FakeConverter c = Converter("ttyUSB0", "1-2", "A9XK31");
                c.product = "FT232R USB UART";
                tree.Add(c);
            },
            "", "ttyUSB0", "" },
        { "the product string on foreign ids",
            [](FakeSystemTree& tree) {
                FakeConverter c = Converter("ttyUSB3", "1-2", "");
                c.vendorId = 0x067b; // a Prolific converter carrying the old name
                c.productId = 0x2303;
                tree.Add(c);
            },
            "", "ttyUSB3", "" },
        { "a dual-port FTDI chip and a modem are no candidates",
            [](FakeSystemTree& tree) {
                FakeConverter dual = Converter("ttyUSB0", "1-2", "FT2232");
                dual.productId = 0x6010;
                dual.product = "Dual RS232-HS";
                tree.Add(dual);
                FakeConverter modem = Converter("ttyACM0", "1-3", "");
                modem.vendorId = 0x1bc7;
                modem.productId = 0x1201;
                modem.product = "Some Modem";
                tree.Add(modem);
            },
            "", "", "" },
        { "two converters: the user chooses",
            [](FakeSystemTree& tree) {
                tree.Add(Converter("ttyUSB10", "1-3", "B22"));
                tree.Add(Converter("ttyUSB2", "1-2", "A11"));
            },
            "", "",
            "More than one converter may be the box's:\n"
            "  DEV/ttyUSB2  0403:6001  serial A11  \"USB <-> Serial\"\n"
            "  DEV/ttyUSB10  0403:6001  serial B22  \"USB <-> Serial\"\n"
            "Choose the box's converter." },
        { "two converters: the remembered serial number wins",
            [](FakeSystemTree& tree) {
                tree.Add(Converter("ttyUSB10", "1-3", "B22"));
                tree.Add(Converter("ttyUSB2", "1-2", "A11"));
            },
            "B22", "ttyUSB10", "" },
        { "two converters: the one another program holds is skipped",
            [](FakeSystemTree& tree) {
                tree.Add(Converter("ttyUSB0", "1-2", "A11"));
                tree.Add(Converter("ttyUSB1", "1-3", "B22"));
                tree.AddHolder(812, "ModemManager", "ttyUSB0");
            },
            "", "ttyUSB1", "" },
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        FakeSystemTree tree(dir.path().toStdString());
        c.build(tree);
        const PortLookup lookup = FindBoxPort(tree.Roots(), c.remembered);
        const std::string expected = *c.expectedTty ? tree.Dev(c.expectedTty) : "";
        EXPECT_EQ(lookup.path, expected) << c.name;
        std::string failure = c.failureStart;
        for (std::size_t at = failure.find("DEV"); at != std::string::npos;
             at = failure.find("DEV", at))
            failure.replace(at, 3, tree.Roots().dev);
        EXPECT_EQ(lookup.failure, failure) << c.name;
    }
}

TEST(ScanSysfsPorts, ReadsWhatTheSystemShowsOfAConverter)
{
    QTemporaryDir dir;
    FakeSystemTree tree(dir.path().toStdString());
    tree.Add(Converter("ttyUSB0", "1-2", "A9XK31"));
    tree.AddHolder(4242, "minicom", "ttyUSB0");
    const auto ports = ScanSysfsPorts(tree.Roots());
    ASSERT_EQ(ports.size(), 1u);
    const SerialPortInfo& port = ports.front();
    EXPECT_EQ(port.path, tree.Dev("ttyUSB0"));
    EXPECT_EQ(UsbIds(port.vendorId, port.productId), "0403:6001");
    EXPECT_EQ(port.serialNumber, "A9XK31");
    EXPECT_EQ(port.product, "USB <-> Serial");
    EXPECT_EQ(port.driver, "ftdi_sio");
    EXPECT_EQ(port.latencyTimerMs, 16);
    ASSERT_EQ(port.holders.size(), 1u);
    EXPECT_EQ(port.holders.front().program, "minicom");
    EXPECT_EQ(port.holders.front().pid, 4242);
    EXPECT_TRUE(port.candidate);
}

// The serial link opens what the lookup found; a node it cannot use (here a
// plain file, which is no terminal) fails, and the link says why.
TEST(CSerialLink, NamesTheProgramThatHoldsTheConverter)
{
    QTemporaryDir dir;
    FakeSystemTree tree(dir.path().toStdString());
    tree.Add(Converter("ttyUSB0", "1-2", "A9XK31"));
    tree.AddHolder(812, "ModemManager", "ttyUSB0");
    ASSERT_TRUE(qputenv("RAMVIK_SYSTEM_ROOT", dir.path().toLocal8Bit()));
    CSerialLink link;
    EXPECT_FALSE(link.Open());
    qunsetenv("RAMVIK_SYSTEM_ROOT");
    EXPECT_EQ(link.OpenFailure(),
        tree.Dev("ttyUSB0")
            + " is in use by ModemManager (process 812).\n"
              "Stop it (sudo systemctl stop ModemManager), or install Ramvik's udev rule "
              "60-ramvik.rules,\nwhich tells ModemManager to leave the box's converter alone.");
}

TEST(DeniedReason, NamesTheGroupOnlyWhenJoiningItHelps)
{
    SerialPortInfo port;
    port.path = "/dev/ttyUSB0";
    port.access = PortAccess::Denied;
    port.group = "dialout";
    port.groupMayUse = true;
    const std::string user = CurrentUserName();
    EXPECT_EQ(OpenFailureReason(port),
        "The user " + user
            + " may not open /dev/ttyUSB0: it belongs to the group dialout.\n"
              "Add the user to that group (sudo usermod -aG dialout "
            + user
            + "), then log in again,\nor install Ramvik's udev rule 60-ramvik.rules, which "
              "gives the logged-in user the box's converter.");
    port.groupMayUse = false; // mode 0600: joining the group would not help
    EXPECT_EQ(OpenFailureReason(port),
        "The user " + user
            + " may not open /dev/ttyUSB0.\nInstall Ramvik's udev rule 60-ramvik.rules, which "
              "gives the logged-in user the box's converter,\nthen plug the converter in again.");
}

// The doctor's verdicts on machines where no transfer can start.
TEST(ConnectionDoctor, SaysWhatStandsInTheWay)
{
    struct Case {
        const char* name;
        std::function<void(FakeSystemTree&)> build;
        const char* expectedLine; // the start of one line of the report
    };
    const Case cases[] = {
        { "nothing connected", [](FakeSystemTree&) {},
            "PROBLEM  No converter for the box is connected." },
        { "a converter that no driver took",
            [](FakeSystemTree& tree) {
                FakeConverter c = Converter("ttyUSB0", "1-2", "A9XK31");
                c.hasTty = false;
                tree.Add(c);
            },
            "PROBLEM  No serial driver has taken it: it has no serial device." },
        { "two converters",
            [](FakeSystemTree& tree) {
                tree.Add(Converter("ttyUSB0", "1-2", "A11"));
                tree.Add(Converter("ttyUSB1", "1-3", "B22"));
            },
            "PROBLEM  More than one converter may be the box's:" },
        { "a converter brltty holds",
            [](FakeSystemTree& tree) {
                tree.Add(Converter("ttyUSB0", "1-2", "A11"));
                tree.AddHolder(77, "brltty", "ttyUSB0");
            },
            "is in use by brltty (process 77)." },
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        FakeSystemTree tree(dir.path().toStdString());
        c.build(tree);
        DoctorRequest request;
        request.roots = tree.Roots();
        request.vendorLibraryFile = dir.filePath(QStringLiteral("libftd2xx.so")); // none there
        const DoctorReport report = RunConnectionDoctor(request);
        EXPECT_FALSE(report.transferCanStart) << c.name;
        EXPECT_NE(report.Text().find(c.expectedLine), std::string::npos) << c.name << "\n"
                                                                         << report.Text();
    }
}

TEST(ConnectionDoctor, OneFreeConverterLetsATransferStart)
{
    QTemporaryDir dir;
    FakeSystemTree tree(dir.path().toStdString());
    tree.Add(Converter("ttyUSB0", "1-2", "A9XK31"));
    DoctorRequest request;
    request.roots = tree.Roots();
    request.vendorLibraryFile = dir.filePath(QStringLiteral("libftd2xx.so"));
    const DoctorReport report = RunConnectionDoctor(request);
    EXPECT_TRUE(report.transferCanStart) << report.Text();
    const std::string dev = tree.Dev("ttyUSB0");
    EXPECT_EQ(report.lines.front(),
        "OK       A converter is connected: " + dev
            + "  0403:6001  serial A9XK31  \"USB <-> Serial\"");
    EXPECT_NE(report.Text().find("NOTE     The latency timer of " + dev + " is 16 ms."),
        std::string::npos);
    EXPECT_EQ(report.lines.back(), "A transfer can start.");
}

} // namespace
