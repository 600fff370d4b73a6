#include "SerialPorts.h"

#include <FileReader.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <system_error>

#ifndef _WIN32
#include <grp.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

const char* const kBoxConverterProduct = "USB <-> Serial";

namespace {

// The USB device lies a few levels above the tty's device (usb-serial port,
// then interface, then device); no tty is nested deeper than this.
constexpr int kMaxLevelsUp = 4;

// The most a sysfs or procfs file this lookup reads may hold (sysfs gives
// each attribute 4 KiB); a copy of a system (RAMVIK_SYSTEM_ROOT) may hold
// anything in their place, a FIFO or a huge file among them.
constexpr std::uintmax_t kSystemFileLimit = 64 * 1024;

// The first line of a small sysfs or procfs file, without the line end;
// empty when it cannot be read.
std::string ReadLine(const fs::path& file)
{
    std::istringstream in(ReadSmallFile(file.string(), kSystemFileLimit).bytes);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())))
        line.pop_back();
    return line;
}

int ReadHex(const fs::path& file)
{
    const std::string text = ReadLine(file);
    if (text.empty() || text.size() > 4 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isxdigit(static_cast<unsigned char>(c));
        }))
        return -1;
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 16));
}

int ReadDecimal(const fs::path& file)
{
    const std::string text = ReadLine(file);
    if (text.empty() || text.size() > 6 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        }))
        return -1;
    return std::atoi(text.c_str());
}

fs::path Canonical(const fs::path& path)
{
    std::error_code error;
    fs::path resolved = fs::canonical(path, error);
    return error ? fs::path() : resolved;
}

// The name of the driver a sysfs device is bound to; empty when none.
std::string DriverOf(const fs::path& device)
{
    const fs::path driver = Canonical(device / "driver");
    return driver.empty() ? std::string() : driver.filename().string();
}

// The USB device (the folder with idVendor) at or above a sysfs device.
fs::path UsbDeviceAbove(fs::path device)
{
    for (int level = 0; level <= kMaxLevelsUp && !device.empty(); ++level) {
        if (fs::exists(device / "idVendor"))
            return device;
        const fs::path parent = device.parent_path();
        if (parent == device)
            break;
        device = parent;
    }
    return {};
}

// A serial8250 port the firmware reserved but no chip backs: sysfs lists it
// with the port type 0 (unknown).
bool IsEmptyLegacyPort(const fs::path& ttyDir)
{
    return fs::exists(ttyDir / "type") && ReadDecimal(ttyDir / "type") == 0;
}

void ReadUsbDescription(const fs::path& usbDevice, SerialPortInfo& port)
{
    port.vendorId = ReadHex(usbDevice / "idVendor");
    port.productId = ReadHex(usbDevice / "idProduct");
    port.serialNumber = ReadLine(usbDevice / "serial");
    port.product = ReadLine(usbDevice / "product");
    port.manufacturer = ReadLine(usbDevice / "manufacturer");
}

bool IsDigits(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
    });
}

// The number of a pseudo-terminal's device (".../pts/3" gives "3"), or "" for
// any other device.
std::string PtyIndex(const std::string& devicePath)
{
    const fs::path path(devicePath);
    const std::string index = path.filename().string();
    return path.parent_path().filename() == "pts" && IsDigits(index) ? index : std::string();
}

// Whether the descriptor is the master side of pseudo-terminal ptyIndex: a
// descriptor of ptmx whose fdinfo names that terminal ("tty-index: 3").
bool IsPtyMaster(const fs::path& process, const fs::path& fd, const fs::path& target,
    const std::string& ptyIndex)
{
    if (ptyIndex.empty() || target.filename() != "ptmx")
        return false;
    std::istringstream info(
        ReadSmallFile((process / "fdinfo" / fd.filename()).string(), kSystemFileLimit).bytes);
    std::string line;
    while (std::getline(info, line)) {
        if (line.compare(0, 10, "tty-index:") == 0) {
            std::string index = line.substr(10);
            index.erase(0, index.find_first_not_of(" \t"));
            return index == ptyIndex;
        }
    }
    return false;
}

// The first whitespace-separated field of a line, and the text after it.
std::string TakeField(std::string& line)
{
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos) {
        line.clear();
        return {};
    }
    const std::size_t end = line.find_first_of(" \t", start);
    std::string field = line.substr(start, end == std::string::npos ? end : end - start);
    line.erase(0, end == std::string::npos ? line.size() : end);
    return field;
}

} // namespace

std::optional<bool> IsTerminalDevice(
    unsigned major, unsigned minor, const std::string& ttyDriversText)
{
    // Each line: driver name, node name, major, minors ("0-1048575" or "64"),
    // type. A line is read as its fields from the end of the node name on:
    // the names hold no blanks in practice, but the driver name may.
    std::istringstream lines(ttyDriversText);
    std::string line;
    bool any = false;
    while (std::getline(lines, line)) {
        TakeField(line); // driver
        TakeField(line); // node
        const std::string majorText = TakeField(line);
        const std::string minors = TakeField(line);
        if (!IsDigits(majorText) || minors.empty())
            continue;
        any = true;
        const std::size_t dash = minors.find('-');
        const std::string first = minors.substr(0, dash);
        const std::string last = dash == std::string::npos ? first : minors.substr(dash + 1);
        if (!IsDigits(first) || !IsDigits(last))
            continue;
        if (std::strtoul(majorText.c_str(), nullptr, 10) == major
            && std::strtoul(first.c_str(), nullptr, 10) <= minor
            && minor <= std::strtoul(last.c_str(), nullptr, 10))
            return true;
    }
    if (!any)
        return std::nullopt;
    return false;
}

SystemRoots SystemRootsFromEnvironment()
{
    SystemRoots roots;
    const char* base = std::getenv("RAMVIK_SYSTEM_ROOT");
    if (base && *base) {
        const std::string root = base;
        roots.sys = root + "/sys";
        roots.dev = root + "/dev";
        roots.proc = root + "/proc";
    }
    return roots;
}

bool IsBoxConverter(int vendorId, int productId, const std::string& product)
{
    if (product == kBoxConverterProduct)
        return true;
    return vendorId == kFtdiVendorId
        && (productId == 0x6001 || productId == 0x6014 || productId == 0x6015);
}

std::string UsbIds(int vendorId, int productId)
{
    if (vendorId < 0 || productId < 0)
        return {};
    char text[16];
    std::snprintf(text, sizeof text, "%04x:%04x", vendorId & 0xffff, productId & 0xffff);
    return text;
}

bool NaturalLess(const std::string& a, const std::string& b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const bool digitA = std::isdigit(static_cast<unsigned char>(a[i])) != 0;
        const bool digitB = std::isdigit(static_cast<unsigned char>(b[j])) != 0;
        if (digitA && digitB) {
            std::size_t endA = i;
            std::size_t endB = j;
            while (endA < a.size() && std::isdigit(static_cast<unsigned char>(a[endA])))
                ++endA;
            while (endB < b.size() && std::isdigit(static_cast<unsigned char>(b[endB])))
                ++endB;
            // Leading zeros aside, the longer run is the larger number.
            std::string runA = a.substr(i, endA - i);
            std::string runB = b.substr(j, endB - j);
            runA.erase(0, std::min(runA.find_first_not_of('0'), runA.size()));
            runB.erase(0, std::min(runB.find_first_not_of('0'), runB.size()));
            if (runA.size() != runB.size())
                return runA.size() < runB.size();
            if (runA != runB)
                return runA < runB;
            i = endA;
            j = endB;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

std::vector<SerialPortInfo> ScanSysfsPorts(const SystemRoots& roots)
{
    std::vector<SerialPortInfo> ports;
    std::error_code error;
    for (const fs::directory_entry& entry :
        fs::directory_iterator(fs::path(roots.sys) / "class" / "tty", error)) {
        const fs::path ttyDir = entry.path();
        const fs::path device = Canonical(ttyDir / "device");
        if (device.empty() || IsEmptyLegacyPort(ttyDir))
            continue; // a virtual terminal or a reserved legacy port: no hardware
        SerialPortInfo port;
        port.name = ttyDir.filename().string();
        port.path = roots.dev + "/" + port.name;
        port.driver = DriverOf(device);
        port.latencyTimerMs = ReadDecimal(device / "latency_timer");
        const fs::path usbDevice = UsbDeviceAbove(device);
        if (!usbDevice.empty())
            ReadUsbDescription(usbDevice, port);
        port.candidate
            = !usbDevice.empty() && IsBoxConverter(port.vendorId, port.productId, port.product);
        InspectDeviceNode(port, roots);
        ports.push_back(std::move(port));
    }
    std::sort(ports.begin(), ports.end(), [](const SerialPortInfo& a, const SerialPortInfo& b) {
        return NaturalLess(a.name, b.name);
    });
    return ports;
}

std::string PortDevicePath(const std::string& name, const std::string& devRoot)
{
#ifdef _WIN32
    (void)devRoot;
    return name;
#else
    if (name.empty() || name.front() == '/')
        return name;
    if (name.find('/') == std::string::npos)
        return devRoot + "/" + name;
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(name), error);
    return error ? name : absolute.string();
#endif
}

void InspectDeviceNode(SerialPortInfo& port, const SystemRoots& roots)
{
#ifndef _WIN32
    struct stat node { };
    if (stat(port.path.c_str(), &node) != 0) {
        port.access = PortAccess::Missing;
        return;
    }
    port.access = access(port.path.c_str(), R_OK | W_OK) == 0 ? PortAccess::Allowed
        : errno == EACCES                                     ? PortAccess::Denied
                                                              : PortAccess::Unknown;
    if (const group* owner = getgrgid(node.st_gid))
        port.group = owner->gr_name;
    else
        port.group = std::to_string(node.st_gid);
    port.groupMayUse = (node.st_mode & S_IRGRP) != 0 && (node.st_mode & S_IWGRP) != 0;
#endif
    port.holders = FindPortHolders(port.path, roots.proc);
#ifndef _WIN32
    // Only a terminal is held as a serial port: the programs that have a
    // device such as /dev/null open (every shell) keep no one from it.
    if (S_ISCHR(node.st_mode)) {
        const std::optional<bool> terminal
            = IsTerminalDevice(major(node.st_rdev), minor(node.st_rdev),
                ReadSmallFile(roots.proc + "/tty/drivers", kSystemFileLimit).bytes);
        if (terminal == false)
            port.holders.clear();
    }
#endif
}

std::vector<PortHolder> FindPortHolders(const std::string& devicePath, const std::string& procRoot)
{
    std::vector<PortHolder> holders;
    // The links in /proc name the device itself, whatever link led to it.
    const fs::path resolved = Canonical(devicePath);
    const std::string device = resolved.empty() ? devicePath : resolved.string();
    const std::string ptyIndex = PtyIndex(device);
    std::error_code error;
    for (const fs::directory_entry& process : fs::directory_iterator(procRoot, error)) {
        const std::string pid = process.path().filename().string();
        if (!IsDigits(pid))
            continue;
        bool holds = false;
        bool otherEnd = false;
        std::error_code fdError;
        // Another user's descriptors are unreadable without root: skipped.
        for (const fs::directory_entry& fd :
            fs::directory_iterator(process.path() / "fd", fdError)) {
            std::error_code linkError;
            const fs::path target = fs::read_symlink(fd.path(), linkError);
            if (linkError)
                continue;
            holds |= target.string() == device;
            otherEnd |= IsPtyMaster(process.path(), fd.path(), target, ptyIndex);
        }
        // The program at the other end of a pseudo-terminal (a simulated box,
        // a terminal) holds its master side: it is the line, not a user of it.
        if (holds && !otherEnd)
            holders.push_back({ std::atoi(pid.c_str()), ReadLine(process.path() / "comm") });
    }
    std::sort(holders.begin(), holders.end(),
        [](const PortHolder& a, const PortHolder& b) { return a.pid < b.pid; });
    return holders;
}

std::vector<UnboundConverter> FindUnboundConverters(
    const SystemRoots& roots, const std::vector<SerialPortInfo>& ports)
{
    // The USB devices that already have a serial port.
    std::vector<fs::path> served;
    for (const SerialPortInfo& port : ports) {
        const fs::path usbDevice = UsbDeviceAbove(
            Canonical(fs::path(roots.sys) / "class" / "tty" / port.name / "device"));
        if (!usbDevice.empty())
            served.push_back(usbDevice);
    }
    std::vector<UnboundConverter> unbound;
    std::error_code error;
    for (const fs::directory_entry& entry :
        fs::directory_iterator(fs::path(roots.sys) / "bus" / "usb" / "devices", error)) {
        const fs::path device = Canonical(entry.path());
        if (device.empty() || !fs::exists(device / "idVendor"))
            continue; // an interface, not a device
        UnboundConverter found;
        found.usbPath = entry.path().filename().string();
        found.vendorId = ReadHex(device / "idVendor");
        found.productId = ReadHex(device / "idProduct");
        found.product = ReadLine(device / "product");
        if (!IsBoxConverter(found.vendorId, found.productId, found.product)
            || std::find(served.begin(), served.end(), device) != served.end())
            continue;
        unbound.push_back(std::move(found));
    }
    std::sort(
        unbound.begin(), unbound.end(), [](const UnboundConverter& a, const UnboundConverter& b) {
            return NaturalLess(a.usbPath, b.usbPath);
        });
    return unbound;
}

PortPick PickBoxPort(const std::vector<SerialPortInfo>& ports, const std::string& remembered)
{
    PortPick pick;
    for (const SerialPortInfo& port : ports) {
        if (port.candidate)
            pick.candidates.push_back(port);
    }
    const auto& candidates = pick.candidates;
    for (std::size_t i = 0; i < candidates.size() && !remembered.empty(); ++i) {
        if (RememberedPortKey(candidates[i]) == remembered || candidates[i].path == remembered) {
            pick.chosen = static_cast<int>(i);
            return pick;
        }
    }
    if (candidates.size() == 1) {
        pick.chosen = 0;
        return pick;
    }
    int free = -1;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (!candidates[i].holders.empty())
            continue;
        if (free >= 0)
            return pick; // two free ones: the user chooses
        free = static_cast<int>(i);
    }
    pick.chosen = free;
    return pick;
}

std::string RememberedPortKey(const SerialPortInfo& port)
{
    return port.serialNumber.empty() ? port.path : port.serialNumber;
}
