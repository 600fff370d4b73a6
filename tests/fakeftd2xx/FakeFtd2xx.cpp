// A test library with the vendor D2XX library's FT_ functions, serving one
// simulated box. Opening by the description "USB <-> Serial" reaches it; what
// the PC writes goes to the box, and a read takes the box's answers, returning
// at once with what is there (a simulated time-out costs no time).
//
// Tests steer it through the FakeFt_ functions: which box is attached and
// its faults.

#include <BoxSimulator.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>

#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

using Status = std::uint32_t;
using Handle = void*;
constexpr Status ok = 0;
constexpr Status invalidHandle = 1;
constexpr Status deviceNotFound = 2;
constexpr Status deviceNotOpened = 3;
constexpr Status ioError = 4;
constexpr std::uint32_t openByDescription = 2;

struct Device {
    std::mutex mutex;
    std::shared_ptr<CBoxSimulator> box = std::make_shared<CBoxSimulator>();
    bool present = true;
    bool open = false;
    bool hungUp = false;
    std::string answers; // from the box, not yet read
    unsigned char latencyMs = 16;
    unsigned char lowestLatencyMs = 16;
};

Device& TheDevice()
{
    static Device device;
    return device;
}

// The one handle the library hands out.
Handle TheHandle()
{
    return &TheDevice();
}

// Checks the handle and that the device is open.
Status Check(Handle handle)
{
    Device& d = TheDevice();
    if (handle != TheHandle())
        return invalidHandle;
    if (!d.open)
        return deviceNotOpened;
    return ok;
}

} // namespace

// --- the library's functions --------------------------------------------

FAKE_EXPORT Status FT_Open(int, Handle* handle)
{
    *handle = nullptr;
    return deviceNotFound;
}

FAKE_EXPORT Status FT_OpenEx(void* arg, std::uint32_t flags, Handle* handle)
{
    Device& d = TheDevice();
    std::lock_guard<std::mutex> lock(d.mutex);
    *handle = nullptr;
    if (flags != openByDescription
        || std::strcmp(static_cast<const char*>(arg), "USB <-> Serial") != 0 || !d.present
        || d.open)
        return deviceNotFound;
    d.open = true;
    d.hungUp = false;
    d.answers.clear();
    d.box->ResetFraming();
    *handle = TheHandle();
    return ok;
}

FAKE_EXPORT Status FT_ListDevices(void*, void*, std::uint32_t)
{
    return deviceNotFound;
}

FAKE_EXPORT Status FT_Close(Handle handle)
{
    Device& d = TheDevice();
    std::lock_guard<std::mutex> lock(d.mutex);
    const Status status = Check(handle);
    d.open = false;
    return status;
}

FAKE_EXPORT Status FT_Write(
    Handle handle, void* buffer, std::uint32_t count, std::uint32_t* written)
{
    Device& d = TheDevice();
    std::lock_guard<std::mutex> lock(d.mutex);
    *written = 0;
    if (Status status = Check(handle))
        return status;
    if (d.hungUp)
        return ioError;
    BoxReply reply = d.box->Receive(std::string_view(static_cast<const char*>(buffer), count));
    d.answers += reply.answer;
    d.hungUp = reply.hungUp;
    *written = count;
    return ok;
}

FAKE_EXPORT Status FT_Read(Handle handle, void* buffer, std::uint32_t count, std::uint32_t* read)
{
    Device& d = TheDevice();
    std::lock_guard<std::mutex> lock(d.mutex);
    *read = 0;
    if (Status status = Check(handle))
        return status;
    if (d.hungUp)
        return ioError;
    const std::size_t n = std::min<std::size_t>(count, d.answers.size());
    std::memcpy(buffer, d.answers.data(), n);
    d.answers.erase(0, n);
    *read = static_cast<std::uint32_t>(n);
    return ok;
}

#ifndef FAKE_FTD2XX_PARTIAL
FAKE_EXPORT Status FT_ResetDevice(Handle handle)
{
    std::lock_guard<std::mutex> lock(TheDevice().mutex);
    return Check(handle);
}
#endif

FAKE_EXPORT Status FT_Purge(Handle handle, std::uint32_t)
{
    Device& d = TheDevice();
    std::lock_guard<std::mutex> lock(d.mutex);
    if (Status status = Check(handle))
        return status;
    d.answers.clear();
    return ok;
}

FAKE_EXPORT Status FT_SetTimeouts(Handle handle, std::uint32_t, std::uint32_t)
{
    std::lock_guard<std::mutex> lock(TheDevice().mutex);
    return Check(handle);
}

FAKE_EXPORT Status FT_GetQueueStatus(Handle handle, std::uint32_t* received)
{
    Device& d = TheDevice();
    std::lock_guard<std::mutex> lock(d.mutex);
    *received = static_cast<std::uint32_t>(d.answers.size());
    return Check(handle);
}

FAKE_EXPORT Status FT_SetBaudRate(Handle handle, std::uint32_t baud)
{
    std::lock_guard<std::mutex> lock(TheDevice().mutex);
    if (baud != 19200)
        return ioError; // the box talks at 19200 only
    return Check(handle);
}

FAKE_EXPORT Status FT_SetDataCharacteristics(
    Handle handle, unsigned char bits, unsigned char stopBits, unsigned char parity)
{
    std::lock_guard<std::mutex> lock(TheDevice().mutex);
    if (bits != 8 || stopBits != 0 || parity != 0)
        return ioError;
    return Check(handle);
}

FAKE_EXPORT Status FT_SetFlowControl(Handle handle, unsigned short, unsigned char, unsigned char)
{
    std::lock_guard<std::mutex> lock(TheDevice().mutex);
    return Check(handle);
}

FAKE_EXPORT Status FT_SetDtr(Handle handle)
{
    std::lock_guard<std::mutex> lock(TheDevice().mutex);
    return Check(handle);
}

#ifndef FAKE_FTD2XX_PARTIAL
FAKE_EXPORT Status FT_ClrDtr(Handle handle)
{
    std::lock_guard<std::mutex> lock(TheDevice().mutex);
    return Check(handle);
}
#endif

FAKE_EXPORT Status FT_SetLatencyTimer(Handle handle, unsigned char ms)
{
    Device& d = TheDevice();
    std::lock_guard<std::mutex> lock(d.mutex);
    if (Status status = Check(handle))
        return status;
    d.latencyMs = ms;
    d.lowestLatencyMs = std::min(d.lowestLatencyMs, ms);
    return ok;
}

FAKE_EXPORT Status FT_GetLatencyTimer(Handle handle, unsigned char* ms)
{
    Device& d = TheDevice();
    std::lock_guard<std::mutex> lock(d.mutex);
    *ms = d.latencyMs;
    return Check(handle);
}

// --- for the tests -------------------------------------------------------

// A fresh box with this identification, attached.
FAKE_EXPORT void FakeFt_Reset(int identification)
{
    Device& d = TheDevice();
    std::lock_guard<std::mutex> lock(d.mutex);
    d.box = std::make_shared<CBoxSimulator>(identification);
    d.present = true;
    d.open = false;
    d.hungUp = false;
    d.answers.clear();
    d.latencyMs = d.lowestLatencyMs = 16;
}

FAKE_EXPORT void FakeFt_SetPresent(int present)
{
    std::lock_guard<std::mutex> lock(TheDevice().mutex);
    TheDevice().present = present != 0;
}

// A fault as ramvik-boxsim takes it ("short@300"); false when not one.
FAKE_EXPORT int FakeFt_AddFault(const char* text)
{
    BoxFault fault;
    if (!ParseBoxFault(text, fault))
        return 0;
    std::lock_guard<std::mutex> lock(TheDevice().mutex);
    TheDevice().box->AddFault(fault);
    return 1;
}

FAKE_EXPORT int FakeFt_Cell(int cell)
{
    std::lock_guard<std::mutex> lock(TheDevice().mutex);
    return TheDevice().box->Cell(cell);
}

// 1 while the device is open.
FAKE_EXPORT int FakeFt_IsOpen()
{
    std::lock_guard<std::mutex> lock(TheDevice().mutex);
    return TheDevice().open ? 1 : 0;
}

FAKE_EXPORT int FakeFt_LatencyMs()
{
    std::lock_guard<std::mutex> lock(TheDevice().mutex);
    return TheDevice().latencyMs;
}

FAKE_EXPORT int FakeFt_LowestLatencyMs()
{
    std::lock_guard<std::mutex> lock(TheDevice().mutex);
    return TheDevice().lowestLatencyMs;
}
