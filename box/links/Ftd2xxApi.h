#pragma once

#include <cstdint>

// Our own declarations of the FTDI D2XX library's functions, types and
// constants, as far as the links use them. The library is never linked: it is
// loaded at run time and each function is looked up by name.
//
// The library's DWORD and ULONG are 32-bit unsigned values on every platform we
// run on; FT_STATUS is read as 32 bits, which holds every status code.

#if defined(_WIN32) && !defined(_WIN64)
#define RAMVIK_FTAPI __stdcall
#else
#define RAMVIK_FTAPI
#endif

namespace ftd2xx {

using Handle = void*;
using Status = std::uint32_t;
using Dword = std::uint32_t;

constexpr Status ok = 0;

constexpr Dword openByDescription = 2; // FT_OPEN_BY_DESCRIPTION
constexpr std::uint32_t purgeRx = 1; // FT_PURGE_RX
constexpr std::uint32_t purgeTx = 2; // FT_PURGE_TX
constexpr unsigned char bits8 = 8; // FT_BITS_8
constexpr unsigned char stopBits1 = 0; // FT_STOP_BITS_1
constexpr unsigned char parityNone = 0; // FT_PARITY_NONE
constexpr unsigned short flowNone = 0; // FT_FLOW_NONE

using WriteFn = Status(RAMVIK_FTAPI*)(Handle, void* buffer, Dword count, Dword* written);
using ReadFn = Status(RAMVIK_FTAPI*)(Handle, void* buffer, Dword count, Dword* read);
using OpenFn = Status(RAMVIK_FTAPI*)(int device, Handle* handle);
using OpenExFn = Status(RAMVIK_FTAPI*)(void* arg, Dword flags, Handle* handle);
using ListDevicesFn = Status(RAMVIK_FTAPI*)(void* arg1, void* arg2, Dword flags);
using CloseFn = Status(RAMVIK_FTAPI*)(Handle);
using ResetDeviceFn = Status(RAMVIK_FTAPI*)(Handle);
using PurgeFn = Status(RAMVIK_FTAPI*)(Handle, std::uint32_t mask);
// Total time-outs of one read call and one write call, in milliseconds.
using SetTimeoutsFn = Status(RAMVIK_FTAPI*)(Handle, std::uint32_t readMs, std::uint32_t writeMs);
using GetQueueStatusFn = Status(RAMVIK_FTAPI*)(Handle, Dword* received);
using SetBaudRateFn = Status(RAMVIK_FTAPI*)(Handle, std::uint32_t baud);
using SetDataCharacteristicsFn = Status(RAMVIK_FTAPI*)(
    Handle, unsigned char wordLength, unsigned char stopBits, unsigned char parity);
using SetFlowControlFn
    = Status(RAMVIK_FTAPI*)(Handle, unsigned short flow, unsigned char xon, unsigned char xoff);
using SetDtrFn = Status(RAMVIK_FTAPI*)(Handle);
using ClrDtrFn = Status(RAMVIK_FTAPI*)(Handle);
// Optional: not every version of the library has them, and the link works
// without them (only slower on FTDI converters).
using SetLatencyTimerFn = Status(RAMVIK_FTAPI*)(Handle, unsigned char ms);
using GetLatencyTimerFn = Status(RAMVIK_FTAPI*)(Handle, unsigned char* ms);

} // namespace ftd2xx
