#pragma once

#include <BoxSimulator.h>

#include <csignal>
#include <functional>
#include <string>

// Serves a simulated box on a pseudo-terminal. The program on the other end
// opens Path() like a serial port; it may close and reopen it between
// transfers (the server keeps a handle on that end itself, so the line never
// hangs up). A hang-up fault closes the pseudo-terminal for good.
class CPtyBoxServer {
public:
    explicit CPtyBoxServer(CBoxSimulator& box);
    ~CPtyBoxServer();
    CPtyBoxServer(const CPtyBoxServer&) = delete;
    CPtyBoxServer& operator=(const CPtyBoxServer&) = delete;

    // Creates the pseudo-terminal in raw mode. False with a message.
    bool Open(std::string& error);
    const std::string& Path() const { return path; }

    // Answers frames until stop is set. Whatever sets stop then writes a
    // byte into the pipe whose reading end is wakeFd, so a signal that comes
    // between the test of stop and the wait still ends the wait.
    void Serve(const volatile std::sig_atomic_t& stop, int wakeFd);

    // Runs when a frame that an Announce fault took has arrived, before its
    // answer goes out.
    void SetAnnouncement(std::function<void()> action) { announcement = std::move(action); }

private:
    void Answer(const char* bytes, std::size_t count);
    void HangUp();

    CBoxSimulator& box;
    int master = -1;
    int slave = -1; // held open so that a client closing the line does not hang it up
    std::string path;
    std::function<void()> announcement;
};
