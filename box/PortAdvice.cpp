#include "PortAdvice.h"

#include <cstdlib>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

const char* const kUdevRuleName = "60-ramvik.rules";

namespace {

// What to do about the program that holds the port.
std::string HolderRemedy(const std::string& program)
{
    if (program == "ModemManager")
        return "Stop it (sudo systemctl stop ModemManager), or install Ramvik's udev rule "
            + std::string(kUdevRuleName)
            + ",\nwhich tells ModemManager to leave the box's "
              "converter alone.";
    if (program == "brltty")
        return "brltty, the braille display driver, takes USB serial converters. Stop it\n"
               "(sudo systemctl stop brltty), or remove it (sudo apt remove brltty) when no\n"
               "braille display is used.";
    return "Close " + program + ", then try again.";
}

} // namespace

std::string CurrentUserName()
{
#ifndef _WIN32
    if (const passwd* user = getpwuid(geteuid()))
        return user->pw_name;
#endif
    const char* name = std::getenv("USER");
    return name && *name ? name : "$USER";
}

std::string DeniedReason(const SerialPortInfo& port)
{
    const std::string user = CurrentUserName();
    const std::string rule = std::string("Ramvik's udev rule ") + kUdevRuleName
        + ", which gives the logged-in user the box's converter";
    if (!port.groupMayUse || port.group == "root" || port.group.empty())
        return "The user " + user + " may not open " + port.path + ".\nInstall " + rule
            + ",\nthen plug the converter in again.";
    return "The user " + user + " may not open " + port.path + ": it belongs to the group "
        + port.group + ".\nAdd the user to that group (sudo usermod -aG " + port.group + " " + user
        + "), then log in again,\nor install " + rule + ".";
}

std::string BusyReason(const SerialPortInfo& port)
{
    if (port.holders.empty())
        return {};
    const PortHolder& holder = port.holders.front();
    return port.path + " is in use by " + holder.program + " (process " + std::to_string(holder.pid)
        + ").\n" + HolderRemedy(holder.program);
}

std::string OpenFailureReason(const SerialPortInfo& port)
{
    if (port.access == PortAccess::Missing)
        return port.path + " does not exist.";
    if (port.access == PortAccess::Denied)
        return DeniedReason(port);
    return BusyReason(port);
}

std::string ConverterLine(const SerialPortInfo& port)
{
    std::string line = port.path;
    const std::string ids = UsbIds(port.vendorId, port.productId);
    if (!ids.empty())
        line += "  " + ids;
    line += "  serial " + (port.serialNumber.empty() ? std::string("(none)") : port.serialNumber);
    if (!port.product.empty())
        line += "  \"" + port.product + "\"";
    return line;
}

std::string SeveralConvertersText(const PortPick& pick)
{
    std::string text = "More than one converter may be the box's:";
    for (const SerialPortInfo& port : pick.candidates)
        text += "\n  " + ConverterLine(port);
    return text;
}

std::string UdevRuleInstallHint()
{
    return std::string("sudo cp resources/udev/") + kUdevRuleName
        + " /etc/udev/rules.d/ (the Debian package installs it itself),\nthen sudo udevadm "
          "control --reload-rules && sudo udevadm trigger";
}
