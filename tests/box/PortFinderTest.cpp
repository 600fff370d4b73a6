// Finding the box's converter among the serial ports of a fake machine, and
// which programs hold a port. One converter, two to choose from, a held one,
// one the user may not open, ports that are no candidates and the connection
// doctor: the window's and the tool's tests (tests/app, tests/tools).
#include <FakeSystemTree.h>

#include <ConnectionDoctor.h>
#include <PortAdvice.h>
#include <PortFinder.h>
#include <SerialPorts.h>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>

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

// The program named as holding a port is one that uses it. The simulator or
// terminal at the other end of a pseudo-terminal holds its master side: it
// is the line itself, and "in use by ramvik-boxsim" once hid the ramvik-cli
// that held the line. A line named through a link (as /dev/serial/by-id/...
// names a converter) has the holders of the device it leads to.
TEST(PortHolders, TheOtherEndOfAPseudoTerminalIsNoHolder)
{
    struct Process {
        int pid;
        const char* program;
        int masterOf; // -1: no pseudo-terminal's master side
        bool holdsLine; // has pts/0 open
    };
    const struct {
        const char* what;
        std::vector<Process> processes;
        std::vector<std::string> holders;
        bool throughLink = false;
    } rows[] = {
        { "the simulator behind the line, keeping it open too",
            { { 100, "ramvik-boxsim", 0, true } }, {} },
        { "the simulator and a tool that holds the line",
            { { 100, "ramvik-boxsim", 0, true }, { 300, "ramvik-cli", -1, true } },
            { "ramvik-cli" } },
        { "the end of another terminal, with this line open as a serial line",
            { { 100, "ramvik-boxsim", 0, true }, { 200, "screen", 1, true } }, { "screen" } },
        { "a tool that holds the line, named through a link",
            { { 100, "ramvik-boxsim", 0, true }, { 300, "ramvik-cli", -1, true } },
            { "ramvik-cli" }, true },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir dir;
        FakeSystemTree tree(dir.path().toStdString());
        SerialPortInfo port;
        port.path = tree.AddPseudoTerminal(0);
        if (row.throughLink) {
            const std::string link = dir.filePath("boxlink").toStdString();
            std::filesystem::create_symlink(port.path, link);
            port.path = link;
        }
        for (const Process& process : row.processes) {
            if (process.masterOf >= 0)
                tree.AddPtyMaster(process.pid, process.program, process.masterOf);
            if (process.holdsLine)
                tree.AddHolder(process.pid, process.program, "pts/0");
        }
        InspectDeviceNode(port, tree.Roots());
        std::vector<std::string> holders;
        for (const PortHolder& holder : port.holders)
            holders.push_back(holder.program);
        EXPECT_EQ(holders, row.holders);
    }
}

// Only a terminal is held as a serial port, by the kernel's list of terminal
// drivers: "in use by bash" once stood for /dev/null, which every shell has
// open. Without the list, every holder counts.
TEST(PortHolders, OnlyTerminalsHaveHolders)
{
    // /proc/tty/drivers of a machine with a USB converter and a modem
    const std::string drivers = "/dev/tty             /dev/tty        5       0 system:/dev/tty\n"
                                "/dev/console         /dev/console    5       1 system:console\n"
                                "/dev/ptmx            /dev/ptmx       5       2 system\n"
                                "/dev/vc/0            /dev/vc/0       4       0 system:vtmaster\n"
                                "acm                  /dev/ttyACM   166 0-255 serial\n"
                                "usbserial            /dev/ttyUSB   188 0-511 serial\n"
                                "serial               /dev/ttyS       4 64-111 serial\n"
                                "pty_slave            /dev/pts      136 0-1048575 pty:slave\n"
                                "pty_master           /dev/ptm      128 0-1048575 pty:master\n"
                                "unknown              /dev/tty        4 1-63 console\n";
    const struct {
        const char* device;
        unsigned major, minor;
        std::optional<bool> terminal;
    } rows[] = {
        { "/dev/null", 1, 3, false },
        { "/dev/ttyUSB0", 188, 0, true },
        { "/dev/ttyUSB511", 188, 511, true },
        { "/dev/ttyS0", 4, 64, true },
        { "/dev/tty1", 4, 1, true },
        { "/dev/pts/7", 136, 7, true },
    };
    for (const auto& row : rows)
        EXPECT_EQ(IsTerminalDevice(row.major, row.minor, drivers), row.terminal) << row.device;
    EXPECT_EQ(IsTerminalDevice(1, 3, ""), std::nullopt);
}

} // namespace
