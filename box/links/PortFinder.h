#pragma once

#include <PortAdvice.h>
#include <SerialPorts.h>
#include <UserText.h>

#include <string>
#include <vector>

// Finds the serial device of the box's USB converter among the machine's
// serial ports.
//
// On Linux the ports and their USB descriptions come from sysfs (Qt's port
// description there comes from udev with '<', '>' and blanks mangled, so it
// never equals "USB <-> Serial"); elsewhere from Qt Serial Port, which there
// knows the USB ids and, on macOS, the product string.

// Every serial port with hardware behind it, in natural order of the names.
std::vector<SerialPortInfo> ListSerialPorts(const SystemRoots& roots);

// The converter a transfer uses when no port is named, or why there is none
// to use, in the audience's words.
struct PortLookup {
    std::string path; // empty: none found, or several to choose from
    UserText failure; // what to add to "No USB Device Connected!"; may be empty
};
PortLookup FindBoxPort(const SystemRoots& roots, const std::string& remembered = std::string(),
    Audience audience = Audience::Administrator);

// Why the device at path could not be opened, with the remedy for the
// audience, from what the system shows; else the driver's own words
// (driverError).
UserText ExplainOpenFailure(const std::string& path, const std::string& driverError,
    const SystemRoots& roots, Audience audience = Audience::Administrator);
