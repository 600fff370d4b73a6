#pragma once

#include <SerialPorts.h>

#include <functional>
#include <string>
#include <vector>

// Which way to the box a transfer takes, decided once for the window and
// ramvik-cli. The decision is plain C++; the links themselves need Qt and
// are made from the chosen path in box/links (LinkChoiceFor).

// What the user named on the command line: the simulated box, a port, or
// neither (then the converter is searched for).
struct BoxRoute {
    bool demoBox = false;
    std::string port;
};

// Whether the converter is searched for: neither --demo-box nor --port.
bool SearchesForConverter(const BoxRoute& route);

struct PortChoice {
    bool demoBox = false;
    // The device the serial link opens. Empty: the vendor library first when
    // it is bound, else the converter the serial link finds when it opens;
    // with fewer than two candidates both reach the same converter.
    std::string path;
    PortPick pick; // the candidates when the converter was searched for

    // Several candidates and no remembered one plugged in: the window lets
    // the user choose, the tool asks for --port.
    bool NeedsUser() const { return pick.Ambiguous(); }
};

// The choice for a route, from the machine's serial ports (looked at only
// when the converter is searched for) and the remembered choice
// (RememberedPortKey; may be empty). With two or more candidates the link
// goes straight to the chosen device: the vendor library opens whichever
// converter it meets first.
PortChoice ChoosePort(const BoxRoute& route,
    const std::function<std::vector<SerialPortInfo>()>& listPorts, const std::string& remembered);

// The choice once the user has picked candidate index of choice.pick.
PortChoice ChooseCandidate(PortChoice choice, int index);
