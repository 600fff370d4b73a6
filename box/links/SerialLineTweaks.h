#pragma once

// Small things done to an open serial device through its native handle
// (a file descriptor on Linux and macOS; elsewhere these do nothing).

// Whether the device has modem-control lines. A pseudo-terminal has none:
// raising and dropping DTR are skipped there.
bool HasModemLines(long long handle);

// Asks the driver to pass received characters on at once instead of holding
// them up to the converter's latency timer (16 ms on FTDI converters by
// default, which doubles the time of a stop-and-wait transfer), and puts the
// previous setting back. Linux only, through the ASYNC_LOW_LATENCY flag, which
// needs no special rights; devices that do not know it are left alone.
class LowLatencyGuard {
public:
    LowLatencyGuard() = default;
    ~LowLatencyGuard() { Restore(); }
    LowLatencyGuard(const LowLatencyGuard&) = delete;
    LowLatencyGuard& operator=(const LowLatencyGuard&) = delete;

    // True when the flag is now set (it may have been set already).
    bool Enable(long long handle);
    void Restore();

private:
    long long handle = -1;
    bool changed = false;
};
