#include "SerialLineTweaks.h"

#ifdef __linux__
#include <linux/serial.h>
#include <sys/ioctl.h>
#elif defined(__APPLE__)
#include <sys/ioctl.h>
#include <termios.h>
#endif

bool HasModemLines(long long handle)
{
#if defined(__linux__) || defined(__APPLE__)
    int lines = 0;
    return handle >= 0 && ioctl(static_cast<int>(handle), TIOCMGET, &lines) == 0;
#else
    (void)handle;
    return true;
#endif
}

bool LowLatencyGuard::Enable(long long fd)
{
#ifdef __linux__
    Restore();
    serial_struct info {};
    if (fd < 0 || ioctl(static_cast<int>(fd), TIOCGSERIAL, &info) != 0)
        return false;
    if ((info.flags & ASYNC_LOW_LATENCY) != 0)
        return true;
    info.flags |= ASYNC_LOW_LATENCY;
    if (ioctl(static_cast<int>(fd), TIOCSSERIAL, &info) != 0)
        return false;
    handle = fd;
    changed = true;
    return true;
#else
    (void)fd;
    return false;
#endif
}

void LowLatencyGuard::Restore()
{
#ifdef __linux__
    if (!changed)
        return;
    changed = false;
    serial_struct info {};
    if (ioctl(static_cast<int>(handle), TIOCGSERIAL, &info) == 0) {
        info.flags &= ~ASYNC_LOW_LATENCY;
        ioctl(static_cast<int>(handle), TIOCSSERIAL, &info);
    }
#endif
}
