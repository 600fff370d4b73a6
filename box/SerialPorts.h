#pragma once

#include <optional>
#include <string>
#include <vector>

// The serial ports of this machine as the system shows them, and which of
// them may be the box's USB converter. Plain C++: on Linux everything comes
// from sysfs, /dev and /proc; the roots of those trees are parameters, so
// the same lookup also reads a copy of them (a container's, or a test's).

struct SystemRoots {
    std::string sys = "/sys";
    std::string dev = "/dev";
    std::string proc = "/proc";
};

// The roots to look at: /sys, /dev and /proc, or the same three folders
// below the folder named by RAMVIK_SYSTEM_ROOT when that is set (the system
// of a container, or a copy of one, seen from outside).
SystemRoots SystemRootsFromEnvironment();

// A program that has the device open.
struct PortHolder {
    int pid = 0;
    std::string program; // its command name, as in /proc/PID/comm
};

enum class PortAccess {
    Unknown, // not checked (the platform cannot tell without opening)
    Allowed, // the current user may open it for reading and writing
    Denied, // the device node's rights forbid it (EACCES)
    Missing, // no device node (the driver has not made one yet)
};

struct SerialPortInfo {
    std::string path; // the device node, e.g. /dev/ttyUSB0
    std::string name; // ttyUSB0
    int vendorId = -1; // USB vendor and product id; -1 when not on USB
    int productId = -1;
    std::string serialNumber; // the USB serial number; empty when none
    std::string product; // the USB product string, e.g. "USB <-> Serial"
    std::string manufacturer;
    std::string driver; // the kernel driver, e.g. ftdi_sio
    int latencyTimerMs = -1; // the FTDI latency timer; -1 when unknown
    PortAccess access = PortAccess::Unknown;
    std::string group; // the group that owns the device node
    bool groupMayUse = false; // the node's group has read and write rights
    std::vector<PortHolder> holders; // programs that have it open, as far as visible
    bool candidate = false; // may be the box's converter
};

// The product string of the box's converter.
extern const char* const kBoxConverterProduct; // "USB <-> Serial"
constexpr int kFtdiVendorId = 0x0403;

// Whether a USB device may be the box's converter: an FTDI single-port UART
// (FT232AM/BM/R 6001, FT232H 6014, FT-X series 6015) or any device whose
// product string is "USB <-> Serial". The multi-port FT2232 (6010) and
// FT4232 (6011) are left out: they serve JTAG adapters and boards.
bool IsBoxConverter(int vendorId, int productId, const std::string& product);

// "0403:6001", or "" when the ids are unknown.
std::string UsbIds(int vendorId, int productId);

// Orders names with their digit runs read as numbers: ttyUSB2 before ttyUSB10.
bool NaturalLess(const std::string& a, const std::string& b);

// Every serial port with hardware behind it, in natural order of the names,
// from sysfs (Linux). Empty where sysfs is missing.
std::vector<SerialPortInfo> ScanSysfsPorts(const SystemRoots& roots);

// The device a port name the user gave (--port) names: a path starting with
// a slash as it stands; one with a slash elsewhere (t/boxlink) from the
// current folder, as every other path on the command line; a bare name
// (ttyUSB0) in devRoot, as the serial port itself takes it. On Windows every
// name stands as it is (COM3).
std::string PortDevicePath(const std::string& name, const std::string& devRoot = "/dev");

// Fills in what the device node tells: whether this user may open it and its
// group, and the programs holding it.
void InspectDeviceNode(SerialPortInfo& port, const SystemRoots& roots);

// The programs that have the device open, found through the links in
// /proc/PID/fd (the device may be named through a symlink, such as
// /dev/serial/by-id/...). Processes of other users are visible only to root. The
// program at the other end of a pseudo-terminal (it holds the master side,
// /dev/ptmx with the terminal's tty-index) is the line, not a holder.
std::vector<PortHolder> FindPortHolders(const std::string& devicePath, const std::string& procRoot);

// Whether the character device major:minor belongs to a terminal driver of
// the kernel's list (/proc/tty/drivers); nothing when the list holds no
// driver. Only a terminal can be held as a serial port: a device such as
// /dev/null, which every shell has open, has no holders to name.
std::optional<bool> IsTerminalDevice(
    unsigned major, unsigned minor, const std::string& ttyDriversText);

// A USB device that may be the box's converter but has no serial port: no
// kernel driver took it (or another program, such as brltty, took it away).
struct UnboundConverter {
    std::string usbPath; // the device's name in sysfs, e.g. 1-2
    int vendorId = -1;
    int productId = -1;
    std::string product;
};
std::vector<UnboundConverter> FindUnboundConverters(
    const SystemRoots& roots, const std::vector<SerialPortInfo>& ports);

// Which candidate a transfer uses when no port was named.
struct PortPick {
    std::vector<SerialPortInfo> candidates; // every candidate, natural order
    int chosen = -1; // index into candidates; -1: none, or several to choose from
    bool Ambiguous() const { return chosen < 0 && candidates.size() > 1; }
};

// The remembered choice when that converter is connected; else the only
// candidate; else the only candidate no other program holds. Otherwise none
// is chosen: no candidate, or several for the user to choose from.
PortPick PickBoxPort(const std::vector<SerialPortInfo>& ports, const std::string& remembered);

// What to remember of the user's choice: the serial number, which stays with
// the converter whichever socket it is plugged into, else the path.
std::string RememberedPortKey(const SerialPortInfo& port);
