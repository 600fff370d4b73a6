#include "DemoLink.h"

#include <algorithm>
#include <cstring>
#include <thread>

CDemoLink::CDemoLink(std::shared_ptr<CBoxSimulator> box_)
    : box(std::move(box_))
{
}

bool CDemoLink::Open()
{
    if (!box)
        return false;
    box->ResetFraming();
    received.clear();
    open = true;
    dead = false;
    return true;
}

bool CDemoLink::SetLine(const LineSettings&)
{
    return open;
}

bool CDemoLink::SetTimeouts(const Timeouts& t)
{
    timeouts = t;
    return open;
}

bool CDemoLink::SetDtr(bool)
{
    return open && !dead;
}

bool CDemoLink::Purge()
{
    received.clear();
    return open && !dead;
}

bool CDemoLink::SetFlowControlOff()
{
    return open;
}

IoResult CDemoLink::Write(const char* data, std::size_t size)
{
    if (!open || dead)
        return { false, 0 };
    if (box->WireModel())
        std::this_thread::sleep_for(CBoxSimulator::WireTime(size));
    BoxReply reply = box->Receive(std::string_view(data, size));
    received += reply.answer;
    if (reply.hungUp)
        dead = true;
    return { true, size };
}

IoResult CDemoLink::Read(char* buffer, std::size_t size)
{
    if (!open || dead)
        return { false, 0 };
    std::size_t count = std::min(size, received.size());
    std::memcpy(buffer, received.data(), count);
    received.erase(0, count);
    if (box->WireModel()) {
        if (count < size)
            std::this_thread::sleep_for(std::chrono::milliseconds(
                timeouts.readConstantMs + timeouts.readPerByteMs * static_cast<int>(size)));
        else
            std::this_thread::sleep_for(CBoxSimulator::WireTime(count));
    }
    return { true, count };
}

void CDemoLink::Close()
{
    open = false;
    received.clear();
}
