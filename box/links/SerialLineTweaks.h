#pragma once

// Small things done to an open serial device through its native handle
// (a file descriptor on Linux and macOS, a HANDLE on Windows, as
// QSerialPort::handle() gives it; on Windows these do nothing).
#ifdef _WIN32
using NativeSerialHandle = void*;
#else
using NativeSerialHandle = int;
#endif

// Whether the device has modem-control lines. A pseudo-terminal has none:
// raising and dropping DTR are skipped there.
bool HasModemLines(NativeSerialHandle handle);

// Asks the driver to pass received characters on at once instead of holding
// them up to the converter's latency timer (16 ms on FTDI converters by
// default, which doubles the time of a stop-and-wait transfer), and puts the
// previous setting back. Needs no special rights. Linux: the
// ASYNC_LOW_LATENCY flag (the ftdi_sio driver then sets the timer to 1 ms);
// macOS: the receive latency of IOSSDATALAT, which has no getter, so it is
// put back to 0, the driver's own choice. Devices that know neither are
// left alone.
class CLowLatencyGuard {
public:
    CLowLatencyGuard() = default;
    ~CLowLatencyGuard() { Restore(); }
    CLowLatencyGuard(const CLowLatencyGuard&) = delete;
    CLowLatencyGuard& operator=(const CLowLatencyGuard&) = delete;

    // True when the driver now passes data on without delay (it may have
    // done so already).
    bool Enable(NativeSerialHandle handle);
    void Restore();

private:
    NativeSerialHandle handle {};
    bool changed = false;
};
