#include "PortFinder.h"

#include <PortAdvice.h>

#include <QSerialPortInfo>

#include <algorithm>
#include <filesystem>

namespace {

// The ports as Qt Serial Port lists them, where sysfs is not there to read.
std::vector<SerialPortInfo> PortsFromQt(const SystemRoots& roots)
{
    std::vector<SerialPortInfo> ports;
    const auto available = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : available) {
        SerialPortInfo port;
        port.path = info.systemLocation().toStdString();
        port.name = info.portName().toStdString();
        if (info.hasVendorIdentifier())
            port.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier())
            port.productId = info.productIdentifier();
        port.serialNumber = info.serialNumber().toStdString();
        port.product = info.description().toStdString();
        port.manufacturer = info.manufacturer().toStdString();
        port.candidate = IsBoxConverter(port.vendorId, port.productId, port.product);
        InspectDeviceNode(port, roots);
        ports.push_back(std::move(port));
    }
    std::sort(ports.begin(), ports.end(), [](const SerialPortInfo& a, const SerialPortInfo& b) {
        return NaturalLess(a.name, b.name);
    });
    return ports;
}

} // namespace

std::vector<SerialPortInfo> ListSerialPorts(const SystemRoots& roots)
{
#ifdef __linux__
    std::error_code error;
    if (std::filesystem::is_directory(roots.sys + "/class/tty", error))
        return ScanSysfsPorts(roots);
#endif
    return PortsFromQt(roots);
}

PortLookup FindBoxPort(const SystemRoots& roots, const std::string& remembered, Audience audience)
{
    PortLookup lookup;
    const std::vector<SerialPortInfo> ports = ListSerialPorts(roots);
    const PortPick pick = PickBoxPort(ports, remembered);
    if (pick.chosen >= 0)
        lookup.path = pick.candidates[static_cast<std::size_t>(pick.chosen)].path;
    else if (pick.Ambiguous())
        lookup.failure
            = ForAudience(audience, RAMVIK_TR("PortFinder", "%1\nChoose the box's converter."),
                RAMVIK_TR("PortFinder",
                    "%1\nWhat to do: Start the transfer again and choose the box's converter when "
                    "Ramvik asks, or unplug the converters that are not the box's."))
                  .Arg(SeveralConvertersText(pick));
    else if (audience == Audience::Workshop && !FindUnboundConverters(roots, ports).empty())
        lookup.failure = NoDriverWorkshopReason();
    else
        lookup.failure = NoConverterReason(audience);
    return lookup;
}

UserText ExplainOpenFailure(const std::string& path, const std::string& driverError,
    const SystemRoots& roots, Audience audience)
{
    SerialPortInfo port;
    port.path = path;
    InspectDeviceNode(port, roots);
    UserText reason = OpenFailureReason(port, audience);
    if (reason.Empty())
        reason = RAMVIK_TR("PortFinder", "Opening %1 failed: %2.").Arg(path).Arg(driverError);
    return reason;
}
