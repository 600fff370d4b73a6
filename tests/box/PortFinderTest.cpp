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

} // namespace
