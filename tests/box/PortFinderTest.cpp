// Finding the box's converter among the serial ports of a fake machine. One
// converter, two to choose from, a held one, one the user may not open, ports
// that are no candidates and the connection doctor: the window's and the
// tool's tests (tests/app, tests/tools).
#include <FakeSystemTree.h>

#include <ConnectionDoctor.h>
#include <PortAdvice.h>
#include <PortFinder.h>
#include <SerialPorts.h>

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(FindBoxPort, TakesTheBoxsConverterByIdsOrProductString)
{
    struct Case {
        const char* name;
        std::vector<FakeConverter> converters;
        const char* heldTty; // "": none is held
        const char* expectedTty; // "": none found
    };
    // tty, USB device, vendor and product id, product string
    const Case cases[] = {
        { "the box's ids with a foreign product string",
            { { "ttyUSB0", "1-2", 0x0403, 0x6001, "FT232R USB UART" } }, "", "ttyUSB0" },
        { "the product string on a Prolific converter",
            { { "ttyUSB3", "1-2", 0x067b, 0x2303, "USB <-> Serial" } }, "", "ttyUSB3" },
        // the first match in name order was taken even while another program
        // held it
        { "of two converters, the one another program holds is skipped",
            { { "ttyUSB0", "1-2" }, { "ttyUSB1", "1-3" } }, "ttyUSB0", "ttyUSB1" },
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        FakeSystemTree tree(dir.path().toStdString());
        for (const FakeConverter& converter : c.converters)
            tree.Add(converter);
        if (*c.heldTty)
            tree.AddHolder(812, "ModemManager", c.heldTty);
        const PortLookup lookup = FindBoxPort(tree.Roots());
        EXPECT_EQ(lookup.path, *c.expectedTty ? tree.Dev(c.expectedTty) : "") << c.name;
    }
}

// A converter's line leaves out what the system does not show; each part
// keeps its place whichever are missing.
TEST(ConverterLine, LeavesOutWhatTheSystemDoesNotShow)
{
    struct Case {
        const char* name;
        int vendorId;
        const char* serial;
        const char* product;
        const char* line;
    };
    const Case cases[] = {
        { "everything known", 0x0403, "A9XK31", "USB <-> Serial",
            "/dev/ttyUSB0  0403:6001  serial A9XK31  \"USB <-> Serial\"" },
        { "no USB ids", -1, "A9XK31", "USB <-> Serial",
            "/dev/ttyUSB0  serial A9XK31  \"USB <-> Serial\"" },
        { "no product string", 0x0403, "A9XK31", "", "/dev/ttyUSB0  0403:6001  serial A9XK31" },
        { "only the path", -1, "", "", "/dev/ttyUSB0  serial (none)" },
    };
    for (const Case& c : cases) {
        SerialPortInfo port;
        port.path = "/dev/ttyUSB0";
        port.vendorId = c.vendorId;
        port.productId = c.vendorId < 0 ? -1 : 0x6001;
        port.serialNumber = c.serial;
        port.product = c.product;
        EXPECT_EQ(ConverterLine(port).English(), c.line) << c.name;
    }
}

// The verdicts stand in a column of their own, as wide as the longest word
// the words give them (counted in characters, not UTF-8 bytes); a check's
// further lines are indented under its first, the summary is not.
TEST(ConnectionDoctor, VerdictsStandInAColumnWhateverTheirWords)
{
    DoctorReport report;
    report.checks = {
        { DoctorVerdict::Ok, RAMVIK_TR("Test", "fine") },
        { DoctorVerdict::Problem, RAMVIK_TR("Test", "wrong\nFix: %1").Arg("mend it") },
        { DoctorVerdict::Summary, RAMVIK_TR("Test", "done") },
    };
    EXPECT_EQ(report.Text(), "OK       fine\nPROBLEM  wrong\n         Fix: mend it\ndone");
    // A language whose word for PROBLEM is longer, with a letter of two bytes.
    const auto words = [](const UserText& text) {
        const std::string english = text.English();
        return english == "PROBLEM" ? std::string("PROBL\u00c8ME DE BO\u00ceTE") : english;
    };
    EXPECT_EQ(report.Text(words),
        "OK                 fine\n"
        "PROBL\u00c8ME DE BO\u00ceTE  wrong\n"
        "                   Fix: mend it\n"
        "done");
}

} // namespace
