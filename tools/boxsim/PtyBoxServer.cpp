#include "PtyBoxServer.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

CPtyBoxServer::CPtyBoxServer(CBoxSimulator& box_)
    : box(box_)
{
}

CPtyBoxServer::~CPtyBoxServer()
{
    HangUp();
}

bool CPtyBoxServer::Open(std::string& error)
{
    master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    const char* name = ptsname(master);
    if (!name) {
        error = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    path = name;
    slave = open(path.c_str(), O_RDWR | O_NOCTTY);
    termios raw {};
    if (slave < 0 || tcgetattr(slave, &raw) != 0) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    cfmakeraw(&raw);
    cfsetispeed(&raw, B19200);
    cfsetospeed(&raw, B19200);
    if (tcsetattr(slave, TCSANOW, &raw) != 0) {
        error = "cannot set " + path + " to raw mode: " + std::strerror(errno);
        return false;
    }
    return true;
}

void CPtyBoxServer::Serve(const volatile std::sig_atomic_t& stop, int wakeFd)
{
    char buffer[256];
    while (!stop) {
        // Once hung up there is nothing to serve: only the wake-up is watched.
        pollfd watch[2] = { { wakeFd, POLLIN, 0 }, { master, POLLIN, 0 } };
        const nfds_t count = master >= 0 ? 2 : 1;
        if (poll(watch, count, -1) < 0) {
            if (errno != EINTR)
                HangUp();
            continue;
        }
        if (count < 2 || watch[1].revents == 0)
            continue; // woken up: stop is set
        ssize_t got = read(master, buffer, sizeof buffer);
        if (got > 0)
            Answer(buffer, static_cast<std::size_t>(got));
        else if (got < 0 && errno != EINTR && errno != EAGAIN)
            HangUp();
    }
}

void CPtyBoxServer::Answer(const char* bytes, std::size_t count)
{
    auto arrival = std::chrono::steady_clock::now();
    BoxReply reply = box.Receive(std::string_view(bytes, count));
    if (reply.announced && announcement)
        announcement();
    if (box.WireModel()) {
        // The frame's characters and the answer's take their time on the line.
        // The last half millisecond is spent awake: waking from a sleep comes
        // late by about that much, which would add up over 769 frames.
        auto due = arrival + CBoxSimulator::WireTime(count + reply.answer.size());
        std::this_thread::sleep_until(due - std::chrono::microseconds(500));
        while (std::chrono::steady_clock::now() < due) { }
    }
    std::size_t sent = 0;
    while (sent < reply.answer.size()) {
        ssize_t n = write(master, reply.answer.data() + sent, reply.answer.size() - sent);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        sent += static_cast<std::size_t>(n);
    }
    if (reply.hungUp)
        HangUp();
}

void CPtyBoxServer::HangUp()
{
    if (slave >= 0)
        close(slave);
    if (master >= 0)
        close(master);
    slave = -1;
    master = -1;
}
