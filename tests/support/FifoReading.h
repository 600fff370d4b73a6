#pragma once

// Reading what a program writes into a FIFO, without hanging when it never
// comes.

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>

// Reads fd (opened with O_NONBLOCK before the writer opened its end) until
// the writer closes its end, giving up at the deadline.
inline std::string ReadUntilClosed(int fd, std::chrono::milliseconds deadline)
{
    std::string bytes;
    const auto end = std::chrono::steady_clock::now() + deadline;
    char buffer[65536];
    while (std::chrono::steady_clock::now() < end) {
        pollfd ready { fd, POLLIN, 0 };
        if (poll(&ready, 1, 100) <= 0)
            continue;
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EAGAIN)
            continue;
        if (got <= 0)
            break; // the writer closed its end
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}
