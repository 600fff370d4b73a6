#include "D2xxLink.h"

#include <algorithm>
#include <string>

CD2xxLink::CD2xxLink(std::shared_ptr<const CD2xxLibrary> library_)
    : library(std::move(library_))
{
}

CD2xxLink::~CD2xxLink()
{
    Close();
}

bool CD2xxLink::Open()
{
    Close();
    if (!library)
        return false;
    const auto& fn = library->Fn();
    // The library takes the description through a pointer to non-const.
    std::string description = kConverterProduct;
    ftd2xx::Handle opened = nullptr;
    if (fn.openEx(description.data(), ftd2xx::openByDescription, &opened) != ftd2xx::ok
        || opened == nullptr)
        return false;
    handle = opened;
    appliedReadMs = appliedWriteMs = 0;
    if (fn.getLatencyTimer && fn.setLatencyTimer
        && fn.getLatencyTimer(handle, &savedLatencyMs) == ftd2xx::ok
        && savedLatencyMs > kTransferLatencyMs)
        latencyLowered = fn.setLatencyTimer(handle, kTransferLatencyMs) == ftd2xx::ok;
    return true;
}

bool CD2xxLink::SetLine(const LineSettings& line)
{
    if (!handle)
        return false;
    const auto& fn = library->Fn();
    const unsigned char parity = line.parity == Parity::Odd ? 1
        : line.parity == Parity::Even                       ? 2
                                                            : 0;
    const unsigned char stopBits = line.stopBits == 2 ? 2 : ftd2xx::stopBits1;
    return fn.setBaudRate(handle, static_cast<std::uint32_t>(line.baud)) == ftd2xx::ok
        && fn.setDataCharacteristics(
               handle, static_cast<unsigned char>(line.dataBits), stopBits, parity)
        == ftd2xx::ok;
}

bool CD2xxLink::SetTimeouts(const Timeouts& t)
{
    timeouts = t;
    return handle && ApplyTimeouts(lastReadSize, lastWriteSize);
}

bool CD2xxLink::ApplyTimeouts(std::size_t readSize, std::size_t writeSize)
{
    const auto readMs
        = static_cast<std::uint32_t>(timeouts.readConstantMs + timeouts.readPerByteMs * readSize);
    const auto writeMs = static_cast<std::uint32_t>(
        timeouts.writeConstantMs + timeouts.writePerByteMs * writeSize);
    lastReadSize = readSize;
    lastWriteSize = writeSize;
    if (readMs == appliedReadMs && writeMs == appliedWriteMs)
        return true;
    if (library->Fn().setTimeouts(handle, readMs, writeMs) != ftd2xx::ok)
        return false;
    appliedReadMs = readMs;
    appliedWriteMs = writeMs;
    return true;
}

bool CD2xxLink::SetDtr(bool raised)
{
    if (!handle)
        return false;
    const auto& fn = library->Fn();
    return (raised ? fn.setDtr(handle) : fn.clrDtr(handle)) == ftd2xx::ok;
}

bool CD2xxLink::Purge()
{
    return handle && library->Fn().purge(handle, ftd2xx::purgeRx | ftd2xx::purgeTx) == ftd2xx::ok;
}

bool CD2xxLink::SetFlowControlOff()
{
    return handle && library->Fn().setFlowControl(handle, ftd2xx::flowNone, 0, 0) == ftd2xx::ok;
}

IoResult CD2xxLink::Write(const char* data, std::size_t size)
{
    if (!handle || !ApplyTimeouts(lastReadSize, size))
        return { false, 0 };
    ftd2xx::Dword written = 0;
    // The library's parameter is not const; it does not write to the buffer.
    const ftd2xx::Status status = library->Fn().write(
        handle, const_cast<char*>(data), static_cast<ftd2xx::Dword>(size), &written);
    return { status == ftd2xx::ok, std::min<std::size_t>(written, size) };
}

IoResult CD2xxLink::Read(char* buffer, std::size_t size)
{
    if (!handle || !ApplyTimeouts(size, lastWriteSize))
        return { false, 0 };
    ftd2xx::Dword got = 0;
    const ftd2xx::Status status
        = library->Fn().read(handle, buffer, static_cast<ftd2xx::Dword>(size), &got);
    // A count above the request would be the library's fault; never trust it.
    return { status == ftd2xx::ok, std::min<std::size_t>(got, size) };
}

void CD2xxLink::Close()
{
    if (!handle)
        return;
    const auto& fn = library->Fn();
    if (latencyLowered)
        fn.setLatencyTimer(handle, savedLatencyMs);
    latencyLowered = false;
    fn.close(handle);
    handle = nullptr;
}
