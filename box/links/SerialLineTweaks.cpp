#include "SerialLineTweaks.h"

#ifdef __linux__
#include <linux/serial.h>
#include <sys/ioctl.h>
#elif defined(__APPLE__)
#include <IOKit/serial/ioss.h>
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace {

#ifdef __APPLE__
// The receive latency while a transfer runs, in microseconds.
constexpr unsigned long kTransferLatencyUs = 1000;
#endif

} // namespace

bool HasModemLines(NativeSerialHandle handle)
{
#if defined(__linux__) || defined(__APPLE__)
    int lines = 0;
    return handle >= 0 && ioctl(handle, TIOCMGET, &lines) == 0;
#else
    (void)handle;
    return true;
#endif
}

bool CLowLatencyGuard::Enable(NativeSerialHandle fd)
{
    Restore();
#ifdef __linux__
    serial_struct info {};
    if (fd < 0 || ioctl(fd, TIOCGSERIAL, &info) != 0)
        return false;
    if ((info.flags & ASYNC_LOW_LATENCY) != 0)
        return true;
    info.flags |= ASYNC_LOW_LATENCY;
    if (ioctl(fd, TIOCSSERIAL, &info) != 0)
        return false;
    handle = fd;
    changed = true;
    return true;
#elif defined(__APPLE__)
    unsigned long latencyUs = kTransferLatencyUs;
    if (fd < 0 || ioctl(fd, IOSSDATALAT, &latencyUs) != 0)
        return false;
    handle = fd;
    changed = true;
    return true;
#else
    (void)fd;
    return false;
#endif
}

void CLowLatencyGuard::Restore()
{
    if (!changed)
        return;
    changed = false;
#ifdef __linux__
    serial_struct info {};
    if (ioctl(handle, TIOCGSERIAL, &info) == 0) {
        info.flags &= ~ASYNC_LOW_LATENCY;
        ioctl(handle, TIOCSSERIAL, &info);
    }
#elif defined(__APPLE__)
    unsigned long driverChoice = 0;
    ioctl(handle, IOSSDATALAT, &driverChoice);
#endif
}
