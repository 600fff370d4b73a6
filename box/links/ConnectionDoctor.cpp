#include "ConnectionDoctor.h"

#include "D2xxLibrary.h"
#include "PortFinder.h"

#include <PortAdvice.h>

#include <QFile>

#include <algorithm>
#include <utility>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

constexpr ftd2xx::Dword kListNumberOnly = 0x80000000; // FT_LIST_NUMBER_ONLY

// The verdicts stand in a column this wide at least, two blanks after the
// longest.
constexpr std::size_t kVerdictColumn = 9;

// Collects the report's checks, in the words of its audience.
class CReportWriter {
public:
    CReportWriter(DoctorReport& report_, Audience audience_)
        : audience(audience_)
        , report(report_)
    {
    }
    void Ok(UserText text) { Add(DoctorVerdict::Ok, std::move(text)); }
    void Note(UserText text) { Add(DoctorVerdict::Note, std::move(text)); }
    void Problem(UserText text) { Add(DoctorVerdict::Problem, std::move(text)); }
    // The administrator's words or the workshop's, which take the same parts.
    UserText Say(UserText administrator, UserText workshop) const
    {
        return ForAudience(audience, std::move(administrator), std::move(workshop));
    }

    const Audience audience;

private:
    void Add(DoctorVerdict verdict, UserText text)
    {
        report.checks.push_back({ verdict, std::move(text) });
    }
    DoctorReport& report;
};

// The characters of UTF-8 text, as a fixed-pitch font sets them.
std::size_t Columns(const std::string& text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(),
        [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

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

UserText ExpectedConverters(const CReportWriter& out)
{
    return out
        .Say(RAMVIK_TR("ConnectionDoctor",
                 "Looked for FTDI FT232 converters (USB 0403:6001, 0403:6014, 0403:6015) and "
                 "for\ndevices named \"%1\"."),
            RAMVIK_TR("ConnectionDoctor",
                "Ramvik looked for FTDI FT232 converters (USB 0403:6001, 0403:6014, 0403:6015) "
                "and for devices named \"%1\"."))
        .Arg(kBoxConverterProduct);
}

// The converter the user named, as the system shows it.
SerialPortInfo NamedPort(const std::vector<SerialPortInfo>& ports, const DoctorRequest& request)
{
    const std::string path = PortDevicePath(request.port, request.roots.dev);
    for (const SerialPortInfo& port : ports) {
        if (port.path == path)
            return port;
    }
    SerialPortInfo port;
    port.path = path;
    InspectDeviceNode(port, request.roots);
    return port;
}

// Checks 3 to 5 on the chosen serial port; true when a transfer can use it.
bool CheckSerialPort(const SerialPortInfo& port, CReportWriter& out)
{
    if (port.access == PortAccess::Missing) {
        out.Problem(out.Say(RAMVIK_TR("ConnectionDoctor",
                                "%1 does not exist.\nFix: name a device that ramvik-cli ports "
                                "lists."),
                           RAMVIK_TR("ConnectionDoctor",
                               "%1 does not exist.\nWhat to do: Plug the box's converter in, "
                               "then try the transfer again."))
                        .Arg(port.path));
        return false;
    }
    if (!port.driver.empty())
        out.Ok(RAMVIK_TR("ConnectionDoctor", "%1 is served by the kernel driver %2.")
                   .Arg(port.path)
                   .Arg(port.driver));
    bool usable = true;
    if (port.access == PortAccess::Denied) {
        out.Problem(DeniedReason(port, out.audience));
        usable = false;
    } else if (port.access == PortAccess::Allowed) {
        out.Ok(RAMVIK_TR("ConnectionDoctor", "The user %1 may open %2.")
                   .Arg(CurrentUserName())
                   .Arg(port.path));
    }
    if (!port.holders.empty()) {
        out.Problem(BusyReason(port, out.audience));
        usable = false;
    } else if (RunsAsRoot()) {
        out.Ok(RAMVIK_TR("ConnectionDoctor", "No other program holds %1.").Arg(port.path));
    } else {
        out.Ok(out.Say(RAMVIK_TR("ConnectionDoctor",
                           "No other program of this user holds %1 (those of other users\nare "
                           "visible to root only)."),
                      RAMVIK_TR("ConnectionDoctor", "No other program of this user holds %1."))
                   .Arg(port.path));
    }
    if (port.latencyTimerMs > 1 && out.audience == Audience::Workshop) {
        out.Note(RAMVIK_TR("ConnectionDoctor",
            "The latency timer of %1 is %2 ms. Ramvik lowers it while it transfers, where the "
            "driver allows.\nNothing to do for a transfer. Whoever looks after this computer "
            "can set it to 1 ms for good with Ramvik's udev rule %3.")
                     .Arg(port.path)
                     .Number(port.latencyTimerMs, 0)
                     .Arg(kUdevRuleName));
    } else if (port.latencyTimerMs > 1) {
        out.Note(RAMVIK_TR("ConnectionDoctor",
            "The latency timer of %1 is %2 ms. Ramvik lowers it while it transfers,\nwhere the "
            "driver allows. To set it to 1 ms for good, install the udev rule:\n%3")
                     .Arg(port.path)
                     .Number(port.latencyTimerMs, 0)
                     .Arg(UdevRuleInstallHint()));
    } else if (port.latencyTimerMs >= 0) {
        out.Ok(RAMVIK_TR("ConnectionDoctor", "The latency timer of %1 is %2 ms.")
                   .Arg(port.path)
                   .Number(port.latencyTimerMs, 0));
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
        out.Ok(
            RAMVIK_TR("ConnectionDoctor", "A converter is connected: %1").Arg(ConverterLine(port)));
        return &port;
    }
    if (pick.Ambiguous()) {
        out.Problem(out.Say(RAMVIK_TR("ConnectionDoctor",
                                "%1\nFix: name the box's converter: ramvik-cli doctor --port "
                                "PATH, and the same\n--port PATH for write and read."),
                           RAMVIK_TR("ConnectionDoctor",
                               "%1\nWhat to do: Start a transfer and choose the box's "
                               "converter when Ramvik asks; Ramvik remembers the choice. Or "
                               "unplug the converters that are not the box's."))
                        .Arg(SeveralConvertersText(pick)));
        return nullptr;
    }
    if (!unbound.empty()) {
        const UnboundConverter& device = unbound.front();
        const std::string ids = UsbIds(device.vendorId, device.productId);
        if (device.product.empty())
            out.Ok(
                RAMVIK_TR("ConnectionDoctor", "A converter is connected: USB %1 (USB device %2).")
                    .Arg(ids)
                    .Arg(device.usbPath));
        else
            out.Ok(RAMVIK_TR(
                "ConnectionDoctor", "A converter is connected: USB %1  \"%2\" (USB device %3).")
                       .Arg(ids)
                       .Arg(device.product)
                       .Arg(device.usbPath));
        if (vendorDevices > 0) {
            out.Ok(RAMVIK_TR("ConnectionDoctor", "The vendor library reaches it."));
            vendorReaches = true;
        } else {
            out.Problem(out.Say(RAMVIK_TR("ConnectionDoctor",
                                    "No serial driver has taken it: it has no serial "
                                    "device.\nFix: load the kernel's driver (sudo modprobe "
                                    "ftdi_sio). brltty, when installed, takes\nsuch converters "
                                    "away: remove it (sudo apt remove brltty) unless a "
                                    "braille\ndisplay is used, then plug the converter in "
                                    "again."),
                NoDriverWorkshopReason()));
        }
        return nullptr;
    }
    if (vendorDevices > 0) {
        out.Ok(RAMVIK_TR("ConnectionDoctor",
            "A converter is connected: the vendor library sees %1 FTDI device(s).")
                   .Number(vendorDevices, 0));
        vendorReaches = true;
        return nullptr;
    }
    out.Problem(out.Say(RAMVIK_TR("ConnectionDoctor",
                            "No converter for the box is connected.\n%1\nFix: plug the box's "
                            "converter in; ramvik-cli ports lists every serial port."),
                       RAMVIK_TR("ConnectionDoctor",
                           "No converter for the box is connected.\n%1\nWhat to do: Plug the "
                           "box's converter in (into another USB socket if it is plugged in), "
                           "then try the transfer again."))
                    .Arg(ExpectedConverters(out)));
    return nullptr;
}

// Check 6; true when the library is there and complete.
bool CheckVendorLibrary(
    const CD2xxLibrary::Binding& binding, const QString& file, CReportWriter& out)
{
    const std::string name = QFile::encodeName(file).toStdString();
    if (binding.library) {
        out.Ok(RAMVIK_TR("ConnectionDoctor", "The vendor library %1 is present and complete.")
                   .Arg(name));
        return true;
    }
    if (binding.message.Empty()) {
        out.Ok(out.Say(RAMVIK_TR("ConnectionDoctor",
                           "The vendor library %1 is not installed; the system's serial driver "
                           "serves\nthe converter instead."),
                      RAMVIK_TR("ConnectionDoctor",
                          "The vendor library %1 is not installed; the system's serial driver "
                          "serves the converter instead."))
                   .Arg(name));
        return false;
    }
    out.Problem(out.Say(RAMVIK_TR("ConnectionDoctor",
                            "%1\nFix: install FTDI's D2XX driver (ftdichip.com, \"D2XX "
                            "Drivers\") for this system."),
                       RAMVIK_TR("ConnectionDoctor",
                           "%1\nWhat to do: Ask whoever looks after this computer to install "
                           "FTDI's D2XX driver (ftdichip.com, \"D2XX Drivers\") for this "
                           "system."))
                    .Arg(binding.message));
    return false;
}

} // namespace

UserText VerdictWord(DoctorVerdict verdict)
{
    switch (verdict) {
    case DoctorVerdict::Ok:
        return RAMVIK_TR("ConnectionDoctor", "OK");
    case DoctorVerdict::Note:
        return RAMVIK_TR("ConnectionDoctor", "NOTE");
    case DoctorVerdict::Problem:
        return RAMVIK_TR("ConnectionDoctor", "PROBLEM");
    case DoctorVerdict::Summary:
        break;
    }
    return UserText();
}

std::vector<std::string> DoctorReport::Lines(const Words& words) const
{
    std::size_t column = kVerdictColumn;
    for (DoctorVerdict verdict : { DoctorVerdict::Ok, DoctorVerdict::Note, DoctorVerdict::Problem })
        column = std::max(column, Columns(words(VerdictWord(verdict))) + 2);
    std::vector<std::string> lines;
    for (const DoctorCheck& check : checks) {
        const std::string text = words(check.text);
        if (check.verdict == DoctorVerdict::Summary) {
            lines.push_back(text);
            continue;
        }
        const std::string verdict = words(VerdictWord(check.verdict));
        std::string line = verdict + std::string(column - Columns(verdict), ' ');
        for (char c : text) {
            if (c == '\n') {
                lines.push_back(line);
                line = std::string(column, ' ');
            } else {
                line += c;
            }
        }
        lines.push_back(line);
    }
    return lines;
}

std::string DoctorReport::Text(const Words& words) const
{
    std::string text;
    for (const std::string& line : Lines(words))
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

std::string DoctorReport::Text() const
{
    return Text([](const UserText& text) { return text.English(); });
}

DoctorReport RunConnectionDoctor(const DoctorRequest& request)
{
    DoctorReport report;
    CReportWriter out(report, request.audience);
    const std::vector<SerialPortInfo> ports = ListSerialPorts(request.roots);
    const CD2xxLibrary::Binding binding
        = CD2xxLibrary::Bind(request.vendorLibraryFile, CD2xxLibrary::SerialLinkServes());
    const unsigned vendorDevices = binding.library ? VendorDeviceCount(*binding.library) : 0;

    bool serialUsable = false;
    bool vendorReaches = false;
    if (!request.port.empty()) {
        const SerialPortInfo port = NamedPort(ports, request);
        if (port.access != PortAccess::Missing)
            out.Ok(RAMVIK_TR("ConnectionDoctor", "The named device is there: %1")
                       .Arg(ConverterLine(port)));
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
    report.checks.push_back({ DoctorVerdict::Summary,
        report.transferCanStart ? RAMVIK_TR("ConnectionDoctor", "A transfer can start.")
                                : RAMVIK_TR("ConnectionDoctor", "A transfer cannot start yet.") });
    return report;
}
