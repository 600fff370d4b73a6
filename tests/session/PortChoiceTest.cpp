// Which device a transfer opens, decided once for the window and the tool.
#include <PortChoice.h>

#include <gtest/gtest.h>

namespace {

SerialPortInfo Candidate(const char* path, const char* serial)
{
    SerialPortInfo port;
    port.path = path;
    port.name = std::string(path).substr(5);
    port.vendorId = kFtdiVendorId;
    port.productId = 0x6001;
    port.serialNumber = serial;
    port.product = kBoxConverterProduct;
    port.candidate = true;
    return port;
}

TEST(PortChoice, TheRouteAndTheCandidatesDecideTheDevice)
{
    const std::vector<SerialPortInfo> one { Candidate("/dev/ttyUSB0", "A11") };
    const std::vector<SerialPortInfo> two { Candidate("/dev/ttyUSB2", "A11"),
        Candidate("/dev/ttyUSB10", "B22") };
    struct Row {
        const char* what;
        BoxRoute route;
        std::vector<SerialPortInfo> ports;
        std::string remembered;
        bool portsListed;
        std::string path;
        bool needsUser;
    };
    const Row rows[] = {
        { "demo box", { true, "" }, two, "", false, "", false },
        { "named port", { false, "/dev/ttyS0" }, two, "", false, "/dev/ttyS0", false },
        // The vendor library first, then the serial port: both find the one.
        { "one converter", {}, one, "", true, "", false },
        { "no converter", {}, {}, "", true, "", false },
        { "two converters", {}, two, "", true, "", true },
        // The vendor library would open the first it meets: straight to the device.
        { "two, one remembered", {}, two, "B22", true, "/dev/ttyUSB10", false },
        { "two, the remembered one unplugged", {}, two, "C33", true, "", true },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        bool listed = false;
        const PortChoice choice = ChoosePort(
            row.route,
            [&] {
                listed = true;
                return row.ports;
            },
            row.remembered);
        EXPECT_EQ(listed, row.portsListed);
        EXPECT_EQ(choice.demoBox, row.route.demoBox);
        EXPECT_EQ(choice.path, row.path);
        EXPECT_EQ(choice.NeedsUser(), row.needsUser);
    }
}

} // namespace
