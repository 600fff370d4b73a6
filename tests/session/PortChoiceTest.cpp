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

// Two converters, as found in natural order (ttyUSB2 before ttyUSB10).
TEST(PortChoice, TheRouteAndTheCandidatesDecideTheDevice)
{
    const std::vector<SerialPortInfo> two { Candidate("/dev/ttyUSB2", "A11"),
        Candidate("/dev/ttyUSB10", "B22") };
    struct Row {
        const char* what;
        bool demoBox;
        const char* port; // --port
        const char* remembered;
        bool portsListed;
        const char* path;
        bool needsUser;
    };
    const Row rows[] = {
        { "demo box", true, "", "", false, "", false },
        { "named port", false, "/dev/ttyS0", "", false, "/dev/ttyS0", false },
        { "two converters", false, "", "", true, "", true },
        // The vendor library would open the first it meets: straight to the device.
        { "two, one remembered", false, "", "B22", true, "/dev/ttyUSB10", false },
        { "two, the remembered one unplugged", false, "", "C33", true, "", true },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        bool listed = false;
        const auto listPorts = [&] {
            listed = true;
            return two;
        };
        const PortChoice choice = ChoosePort({ row.demoBox, row.port }, listPorts, row.remembered);
        EXPECT_EQ(listed, row.portsListed);
        EXPECT_EQ(choice.demoBox, row.demoBox);
        EXPECT_EQ(choice.path, row.path);
        EXPECT_EQ(choice.NeedsUser(), row.needsUser);
    }
}

} // namespace
