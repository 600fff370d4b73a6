#include "PortAdvice.h"

#include "BoxText.h"

#include <cstdlib>
#include <utility>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

const char* const kUdevRuleName = "60-ramvik.rules";

namespace {

// What to do about the program that holds the port.
UserText HolderRemedy(const std::string& program, Audience audience)
{
    if (program == "ModemManager")
        return ForAudience(audience,
            RAMVIK_TR("PortAdvice",
                "Stop it (sudo systemctl stop ModemManager), or install Ramvik's udev rule %1,\n"
                "which tells ModemManager to leave the box's converter alone."),
            RAMVIK_TR("PortAdvice",
                "What to do: ModemManager looks after mobile modems and has taken the converter. "
                "Ask whoever looks after this computer to stop it, or to install Ramvik's udev "
                "rule %1, which tells ModemManager to leave the box's converter alone."))
            .Arg(kUdevRuleName);
    if (program == "brltty")
        return ForAudience(audience,
            RAMVIK_TR("PortAdvice",
                "brltty, the braille display driver, takes USB serial converters. Stop it\n(sudo "
                "systemctl stop brltty), or remove it (sudo apt remove brltty) when no\nbraille "
                "display is used."),
            RAMVIK_TR("PortAdvice",
                "What to do: brltty, the driver for braille displays, takes USB serial "
                "converters. Ask whoever looks after this computer to stop it, or to remove it "
                "when no braille display is used."));
    return ForAudience(audience, RAMVIK_TR("PortAdvice", "Close %1, then try again."),
        RAMVIK_TR("PortAdvice",
            "What to do: Close the program %1, which has the converter open, then try again. "
            "If you cannot find it, ask whoever looks after this computer to stop it."))
        .Arg(program);
}

} // namespace

UserText ForAudience(Audience audience, UserText administrator, UserText workshop)
{
    return audience == Audience::Workshop ? std::move(workshop) : std::move(administrator);
}

std::string CurrentUserName()
{
#ifndef _WIN32
    if (const passwd* user = getpwuid(geteuid()))
        return user->pw_name;
#endif
    const char* name = std::getenv("USER");
    return name && *name ? name : "$USER";
}

UserText DeniedReason(const SerialPortInfo& port, Audience audience)
{
    const std::string user = CurrentUserName();
    if (!port.groupMayUse || port.group == "root" || port.group.empty())
        return ForAudience(audience,
            RAMVIK_TR("PortAdvice",
                "The user %1 may not open %2.\nInstall Ramvik's udev rule %3, which gives the "
                "logged-in user the box's converter,\nthen plug the converter in again."),
            RAMVIK_TR("PortAdvice",
                "The user %1 may not open %2.\nWhat to do: Ask whoever looks after this "
                "computer to install Ramvik's udev rule %3, which gives the logged-in user the "
                "box's converter. Then plug the converter in again."))
            .Arg(user)
            .Arg(port.path)
            .Arg(kUdevRuleName);
    return ForAudience(audience,
        RAMVIK_TR("PortAdvice",
            "The user %1 may not open %2: it belongs to the group %3.\nAdd the user to that "
            "group (sudo usermod -aG %3 %1), then log in again,\nor install Ramvik's udev rule "
            "%4, which gives the logged-in user the box's converter."),
        RAMVIK_TR("PortAdvice",
            "The user %1 may not open %2: it belongs to the group %3.\nWhat to do: Ask whoever "
            "looks after this computer to add the user %1 to the group %3 (or to install "
            "Ramvik's udev rule %4), then log in again."))
        .Arg(user)
        .Arg(port.path)
        .Arg(port.group)
        .Arg(kUdevRuleName);
}

UserText BusyReason(const SerialPortInfo& port, Audience audience)
{
    if (port.holders.empty())
        return {};
    const PortHolder& holder = port.holders.front();
    return RAMVIK_TR("PortAdvice", "%1 is in use by %2 (process %3).\n%4")
        .Arg(port.path)
        .Arg(holder.program)
        .Arg(std::to_string(holder.pid))
        .Arg(HolderRemedy(holder.program, audience));
}

UserText OpenFailureReason(const SerialPortInfo& port, Audience audience)
{
    if (port.access == PortAccess::Missing)
        return ForAudience(audience, RAMVIK_TR("PortAdvice", "%1 does not exist."),
            RAMVIK_TR("PortAdvice",
                "%1 does not exist.\nWhat to do: Plug the box's converter in, then try again."))
            .Arg(port.path);
    if (port.access == PortAccess::Denied)
        return DeniedReason(port, audience);
    return BusyReason(port, audience);
}

UserText NoConverterReason(Audience audience)
{
    if (audience == Audience::Administrator)
        return {};
    return RAMVIK_TR("PortAdvice",
        "Ramvik finds no converter that may be the box's.\nWhat to do: Plug the box's converter "
        "in (into another USB socket if it is plugged in), then try again.");
}

UserText NoDriverWorkshopReason()
{
    return RAMVIK_TR("PortAdvice",
        "The box's converter is plugged in, but no serial driver has taken it, so Ramvik cannot "
        "talk through it.\nWhat to do: Unplug the converter and plug it in again. If that does "
        "not help, ask whoever looks after this computer to load the driver ftdi_sio and to "
        "remove brltty (a driver for braille displays, which takes such converters away) unless "
        "a braille display is used.");
}

UserText ConverterLine(const SerialPortInfo& port)
{
    const std::string ids = UsbIds(port.vendorId, port.productId);
    const bool product = !port.product.empty();
    UserText line;
    if (!ids.empty())
        line = product ? RAMVIK_TR("PortAdvice", "%1  %2  serial %3  \"%4\"")
                       : RAMVIK_TR("PortAdvice", "%1  %2  serial %3");
    else
        line = product ? RAMVIK_TR("PortAdvice", "%1  serial %2  \"%3\"")
                       : RAMVIK_TR("PortAdvice", "%1  serial %2");
    line.Arg(port.path);
    if (!ids.empty())
        line.Arg(ids);
    if (port.serialNumber.empty())
        line.Arg(RAMVIK_TR("PortAdvice", "(none)"));
    else
        line.Arg(port.serialNumber);
    if (product)
        line.Arg(port.product);
    return line;
}

UserText SeveralConvertersText(const PortPick& pick)
{
    std::vector<UserText> lines;
    for (const SerialPortInfo& port : pick.candidates)
        lines.push_back(ConverterLine(port));
    if (lines.empty())
        return RAMVIK_TR("PortAdvice", "More than one converter may be the box's:");
    return RAMVIK_TR("PortAdvice", "More than one converter may be the box's:\n  %1")
        .Arg(JoinedLines(lines, RAMVIK_TR("PortAdvice", "%1\n  %2")));
}

UserText UdevRuleInstallHint()
{
    return RAMVIK_TR("PortAdvice",
        "sudo cp resources/udev/%1 /etc/udev/rules.d/ (the Debian package installs it "
        "itself),\nthen sudo udevadm control --reload-rules && sudo udevadm trigger")
        .Arg(kUdevRuleName);
}
