// Which device a transfer opens, decided once for the window and the tool.
// Two converters and no remembered choice, one converter, the demo box:
// tests/app (WindowPortChoice) and tests/tools (CliPortsTest); a named port
// (--port): the tools tests against ramvik-boxsim (CliBox).
#include <PortChoice.h>

#include <gtest/gtest.h>

namespace {

SerialPortInfo Candidate(const char* path, const char* serial)
{
    SerialPortInfo port;
    port.path = path;
    port.serialNumber = serial;
    port.candidate = true;
    return port;
}

// Two converters, as found in natural order (ttyUSB2 before ttyUSB10), and
// the serial number of the one chosen earlier.
TEST(PortChoice, TheRememberedConverterIsTakenOnlyWhilePluggedIn)
{
    const std::vector<SerialPortInfo> two { Candidate("/dev/ttyUSB2", "A11"),
        Candidate("/dev/ttyUSB10", "B22") };
    struct Row {
        const char* what;
        const char* remembered;
        const char* path;
        bool needsUser;
    };
    const Row rows[] = {
        // The vendor library would open the first it meets: straight to the device.
        { "one remembered", "B22", "/dev/ttyUSB10", false },
        // Never the first one instead: that may be another car's box.
        { "the remembered one unplugged", "C33", "", true },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const PortChoice choice = ChoosePort(
            {}, [&] { return two; }, row.remembered);
        EXPECT_EQ(choice.path, row.path);
        EXPECT_EQ(choice.NeedsUser(), row.needsUser);
    }
}

} // namespace
