#pragma once

#include "SerialPorts.h"

#include <UserText.h>

#include <string>

// The words shown to the user about serial ports: why the box's converter
// cannot be opened and what to do about it, and how to name a converter in a
// list. Shown after "No USB Device Connected!" and by the connection doctor.

// Whom the remedies are for. The administrator (ramvik-cli) gets the commands
// to type; the workshop (the window) gets words to act on or to pass on to
// whoever looks after the computer, and no command line. The findings are
// the same for both.
enum class Audience { Administrator, Workshop };

// The administrator's text or the workshop's; both take the same parts.
UserText ForAudience(Audience audience, UserText administrator, UserText workshop);

// The file name of Ramvik's udev rule for the box's converter.
extern const char* const kUdevRuleName; // "60-ramvik.rules"

// The reason the port cannot be opened and its remedy, from what the system
// shows (the node's rights, the programs holding it); empty when it shows
// nothing wrong.
UserText OpenFailureReason(const SerialPortInfo& port, Audience audience = Audience::Administrator);

// The reason for a user who may not open the port.
UserText DeniedReason(const SerialPortInfo& port, Audience audience = Audience::Administrator);

// The reason for a port other programs hold, naming the first of them.
UserText BusyReason(const SerialPortInfo& port, Audience audience = Audience::Administrator);

// No converter that may be the box's is connected: nothing more for the
// administrator, who has ramvik-cli ports; the remedy for the workshop.
UserText NoConverterReason(Audience audience);

// A converter that may be the box's is plugged in, but no serial driver has
// taken it (brltty took it away, or the kernel's driver is not loaded): the
// reason and the remedy in the workshop's words.
UserText NoDriverWorkshopReason();

// One line for a converter in a list: path, ids, serial number, product.
// "/dev/ttyUSB0  0403:6001  serial A9XK31  "USB <-> Serial""
UserText ConverterLine(const SerialPortInfo& port);

// Several candidates and nothing to choose between them by: the list, one
// line each, after a first line that says so.
UserText SeveralConvertersText(const PortPick& pick);

// The name of the user this program runs as.
std::string CurrentUserName();

// How to install the udev rule for good, on two lines: the administrator's
// commands.
UserText UdevRuleInstallHint();
