#include "PortChoice.h"

bool SearchesForConverter(const BoxRoute& route)
{
    return !route.demoBox && route.port.empty();
}

PortChoice ChoosePort(const BoxRoute& route,
    const std::function<std::vector<SerialPortInfo>()>& listPorts, const std::string& remembered)
{
    PortChoice choice;
    choice.demoBox = route.demoBox;
    choice.path = route.port;
    if (!SearchesForConverter(route))
        return choice;
    choice.pick = PickBoxPort(listPorts(), remembered);
    if (choice.pick.chosen >= 0 && choice.pick.candidates.size() > 1)
        choice.path = choice.pick.candidates[static_cast<std::size_t>(choice.pick.chosen)].path;
    return choice;
}

PortChoice ChooseCandidate(PortChoice choice, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= choice.pick.candidates.size())
        return choice;
    choice.pick.chosen = index;
    choice.path = choice.pick.candidates[static_cast<std::size_t>(index)].path;
    return choice;
}
