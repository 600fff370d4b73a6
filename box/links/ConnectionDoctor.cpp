#include "ConnectionDoctor.h"

#include "D2xxLibrary.h"
#include "PortFinder.h"

#include <PortAdvice.h>

#include <algorithm>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

constexpr ftd2xx::Dword kListNumberOnly = 0x80000000; // FT_LIST_NUMBER_ONLY

// Collects the report's lines: a check's first line after its verdict, the
// rest indented under it.
class CReportWriter {
public:
    explicit CReportWriter(DoctorReport& report_)
        : report(report_)
    {
    }
    void Ok(const std::string& text) { Add("OK       ", text); }
    void Note(const std::string& text) { Add("NOTE     ", text); }
    void Problem(const std::string& text) { Add("PROBLEM  ", text); }

private:
    void Add(const std::string& verdict, const std::string& text)
    {
        std::string line = verdict;
        for (char c : text) {
            if (c == '\n') {
                report.lines.push_back(line);
                line = std::string(verdict.size(), ' ');
            } else {
                line += c;
            }
        }
        report.lines.push_back(line);
    }
    DoctorReport& report;
};

// How many FTDI devices the vendor library sees; 0 when it sees none or
// cannot tell.
unsigned VendorDeviceCount(const CD2xxLibrary& library)
{
    ftd2xx::Dword count = 0;
    if (library.Fn().listDevices(&count, nullptr, kListNumberOnly) != ftd2xx::ok)
        return 0;
    return count;
}

bool RunsAsRoot()
{
#ifndef _WIN32
    return geteuid() == 0;
#else
    return false;
#endif
}

std::string ExpectedConverters()
{
    return "Looked for FTDI FT232 converters (USB 0403:6001, 0403:6014, 0403:6015) and for\n"
           "devices named \""
        + std::string(kBoxConverterProduct) + "\".";
}

// The converter the user named, as the system shows it.
SerialPortInfo NamedPort(const std::vector<SerialPortInfo>& ports, const DoctorRequest& request)
{
    for (const SerialPortInfo& port : ports) {
        if (port.path == request.port)
            return port;
    }
    SerialPortInfo port;
    port.path = request.port;
    InspectDeviceNode(port, request.roots);
    return port;
}

// Checks 3 to 5 on the chosen serial port; true when a transfer can use it.
bool CheckSerialPort(const SerialPortInfo& port, CReportWriter& out)
{
    if (port.access == PortAccess::Missing) {
        out.Problem(
            port.path + " does not exist.\nFix: name a device that ramvik-cli ports lists.");
        return false;
    }
    if (!port.driver.empty())
        out.Ok(port.path + " is served by the kernel driver " + port.driver + ".");
    bool usable = true;
    if (port.access == PortAccess::Denied) {
        out.Problem(DeniedReason(port));
        usable = false;
    } else if (port.access == PortAccess::Allowed) {
        out.Ok("The user " + CurrentUserName() + " may open " + port.path + ".");
    }
    if (!port.holders.empty()) {
        out.Problem(BusyReason(port));
        usable = false;
    } else if (RunsAsRoot()) {
        out.Ok("No other program holds " + port.path + ".");
    } else {
        out.Ok("No other program of this user holds " + port.path
            + " (those of other users\nare visible to root only).");
    }
    if (port.latencyTimerMs > 1) {
        out.Note("The latency timer of " + port.path + " is " + std::to_string(port.latencyTimerMs)
            + " ms. Ramvik lowers it while it transfers,\nwhere the driver allows. To set it to 1 "
              "ms "
              "for good, install the udev rule:\n"
            + UdevRuleInstallHint());
    } else if (port.latencyTimerMs >= 0) {
        out.Ok("The latency timer of " + port.path + " is " + std::to_string(port.latencyTimerMs)
            + " ms.");
    }
    return usable;
}

// Checks 1 and 2 when no port was named: whether a converter is there and a
// driver reaches it. Returns the port to check further, or null.
const SerialPortInfo* FindConverter(const PortPick& pick,
    const std::vector<UnboundConverter>& unbound, unsigned vendorDevices, CReportWriter& out,
    bool& vendorReaches)
{
    if (pick.chosen >= 0) {
        const SerialPortInfo& port = pick.candidates[static_cast<std::size_t>(pick.chosen)];
        out.Ok("A converter is connected: " + ConverterLine(port));
        return &port;
    }
    if (pick.Ambiguous()) {
        out.Problem(SeveralConvertersText(pick)
            + "\nFix: name the box's converter: ramvik-cli doctor --port PATH, and the same\n"
              "--port PATH for write and read.");
        return nullptr;
    }
    if (!unbound.empty()) {
        const UnboundConverter& device = unbound.front();
        std::string line
            = "A converter is connected: USB " + UsbIds(device.vendorId, device.productId);
        if (!device.product.empty())
            line += "  \"" + device.product + "\"";
        out.Ok(line + " (USB device " + device.usbPath + ").");
        if (vendorDevices > 0) {
            out.Ok("The vendor library reaches it.");
            vendorReaches = true;
        } else {
            out.Problem("No serial driver has taken it: it has no serial device.\n"
                        "Fix: load the kernel's driver (sudo modprobe ftdi_sio). brltty, when "
                        "installed, takes\nsuch converters away: remove it (sudo apt remove "
                        "brltty) unless a braille\ndisplay is used, then plug the converter in "
                        "again.");
        }
        return nullptr;
    }
    if (vendorDevices > 0) {
        out.Ok("A converter is connected: the vendor library sees " + std::to_string(vendorDevices)
            + " FTDI device(s).");
        vendorReaches = true;
        return nullptr;
    }
    out.Problem("No converter for the box is connected.\n" + ExpectedConverters()
        + "\nFix: plug the box's converter in; ramvik-cli ports lists every serial port.");
    return nullptr;
}

// Check 6; true when the library is there and complete.
bool CheckVendorLibrary(
    const CD2xxLibrary::Binding& binding, const QString& file, CReportWriter& out)
{
    const std::string name = file.toStdString();
    if (binding.library) {
        out.Ok("The vendor library " + name + " is present and complete.");
        return true;
    }
    if (binding.message.isEmpty()) {
        out.Ok("The vendor library " + name
            + " is not installed; the system's serial driver serves\nthe converter instead.");
        return false;
    }
    out.Problem(binding.message.toStdString()
        + "\nFix: install FTDI's D2XX driver (ftdichip.com, \"D2XX Drivers\") for this system.");
    return false;
}

} // namespace

std::string DoctorReport::Text() const
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

DoctorReport RunConnectionDoctor(const DoctorRequest& request)
{
    DoctorReport report;
    CReportWriter out(report);
    const std::vector<SerialPortInfo> ports = ListSerialPorts(request.roots);
    const CD2xxLibrary::Binding binding
        = CD2xxLibrary::Bind(request.vendorLibraryFile, CD2xxLibrary::SerialLinkServes());
    const unsigned vendorDevices = binding.library ? VendorDeviceCount(*binding.library) : 0;

    bool serialUsable = false;
    bool vendorReaches = false;
    if (!request.port.empty()) {
        const SerialPortInfo port = NamedPort(ports, request);
        if (port.access != PortAccess::Missing)
            out.Ok("The named device is there: " + ConverterLine(port));
        serialUsable = CheckSerialPort(port, out);
    } else {
        const PortPick pick = PickBoxPort(ports, request.remembered);
        const std::vector<UnboundConverter> unbound = FindUnboundConverters(request.roots, ports);
        const SerialPortInfo* port
            = FindConverter(pick, unbound, vendorDevices, out, vendorReaches);
        if (port)
            serialUsable = CheckSerialPort(*port, out);
    }
    const bool vendorComplete = CheckVendorLibrary(binding, request.vendorLibraryFile, out);
    report.transferCanStart = serialUsable || (vendorComplete && vendorReaches);
    report.lines.push_back(
        report.transferCanStart ? "A transfer can start." : "A transfer cannot start yet.");
    return report;
}
