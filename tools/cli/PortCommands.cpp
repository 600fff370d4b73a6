#include "CliCommands.h"

#include <ConnectionDoctor.h>
#include <D2xxLibrary.h>
#include <PortAdvice.h>
#include <PortFinder.h>

#include <algorithm>
#include <vector>

namespace {

using Row = std::vector<std::string>;

std::string OrDash(const std::string& text)
{
    return text.empty() ? "-" : text;
}

std::string MayOpen(PortAccess access)
{
    switch (access) {
    case PortAccess::Allowed:
        return "yes";
    case PortAccess::Denied:
        return "no";
    case PortAccess::Missing:
        return "no node";
    case PortAccess::Unknown:
        break;
    }
    return "?";
}

std::string HeldBy(const std::vector<PortHolder>& holders)
{
    std::string text;
    for (const PortHolder& holder : holders)
        text += (text.empty() ? "" : ",") + holder.program + "(" + std::to_string(holder.pid) + ")";
    return OrDash(text);
}

Row PortRow(const SerialPortInfo& port)
{
    return { port.path, OrDash(UsbIds(port.vendorId, port.productId)), OrDash(port.serialNumber),
        OrDash(port.driver),
        port.latencyTimerMs < 0 ? "-" : std::to_string(port.latencyTimerMs) + " ms",
        MayOpen(port.access), HeldBy(port.holders), port.candidate ? "yes" : "no",
        port.product.empty() ? "-" : "\"" + port.product + "\"" };
}

// The rows in columns two blanks apart; the last column is not padded.
std::string Columns(const std::vector<Row>& rows)
{
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const Row& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    std::string text;
    for (const Row& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size())
                line += std::string(widths[i] - row[i].size() + 2, ' ');
        }
        text += line + "\n";
    }
    return text;
}

} // namespace

int PortsCommand(const CliRequest&)
{
    const std::vector<SerialPortInfo> ports = ListSerialPorts(SystemRootsFromEnvironment());
    if (ports.empty())
        return PrintOutput("No serial ports.\n") ? kExitDone : kExitFailed;
    std::vector<Row> rows { { "PATH", "USB ID", "SERIAL", "DRIVER", "LATENCY", "MAY OPEN",
        "IN USE BY", "CANDIDATE", "PRODUCT" } };
    for (const SerialPortInfo& port : ports)
        rows.push_back(PortRow(port));
    return PrintOutput(Columns(rows)) ? kExitDone : kExitFailed;
}

int DoctorCommand(const CliRequest& request)
{
    PrintUnfinishedWrites();
    DoctorRequest doctor;
    doctor.roots = SystemRootsFromEnvironment();
    doctor.port = request.port;
    doctor.vendorLibraryFile = CD2xxLibrary::DefaultFileName();
    const DoctorReport report = RunConnectionDoctor(doctor);
    if (!PrintOutput(report.Text() + "\n"))
        return kExitFailed;
    return report.transferCanStart ? kExitDone : kExitFailed;
}
