#include "BoxsimOptions.h"
#include "PtyBoxServer.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <string>
#include <sys/types.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace {

volatile std::sig_atomic_t stopRequested = 0;
int wakeWriteFd = -1;

void RequestStop(int)
{
    const int savedErrno = errno;
    stopRequested = 1;
    const char wake = 1;
    // A full pipe already holds a wake-up: nothing lost.
    [[maybe_unused]] const ssize_t written = write(wakeWriteFd, &wake, 1);
    errno = savedErrno;
}

// The pipe through which the signal handler wakes the server's wait; both
// ends never block and are not inherited.
bool MakeWakePipe(int& readFd, std::string& error)
{
    int ends[2];
    if (pipe(ends) != 0) {
        error = std::string("cannot create a pipe: ") + std::strerror(errno);
        return false;
    }
    for (int end : ends) {
        fcntl(end, F_SETFL, fcntl(end, F_GETFL) | O_NONBLOCK);
        fcntl(end, F_SETFD, FD_CLOEXEC);
    }
    readFd = ends[0];
    wakeWriteFd = ends[1];
    return true;
}

// Sends the signal to the process whose id the file holds; says so on
// standard error when it cannot.
void SignalPeer(const std::string& pidFile, int signal)
{
    long pid = 0;
    std::ifstream(pidFile) >> pid;
    if (pid <= 1 || kill(static_cast<pid_t>(pid), signal) != 0)
        std::cerr << "ramvik-boxsim: cannot signal the process in " << pidFile << "\n";
}

} // namespace

int main(int argc, char** argv)
{
    BoxsimOptions options;
    std::string error;
    if (!ParseBoxsimOptions(argc, argv, options, error)) {
        std::cerr << "ramvik-boxsim: " << error << "\n" << kBoxsimUsage;
        return 2;
    }
    CBoxSimulator box;
    if (!options.loadPath.empty() && !LoadCells(options.loadPath, box, error)) {
        std::cerr << "ramvik-boxsim: " << error << "\n";
        return 2;
    }
    // Found now, not when the cells are saved at the end of a session.
    if (!options.savePath.empty() && !CheckSavePath(options.savePath, error)) {
        std::cerr << "ramvik-boxsim: " << error << "\n";
        return 2;
    }
    if (options.identification)
        box.SetCell(255, *options.identification);
    box.SetWireModel(options.wire);
    for (const BoxFault& fault : options.faults)
        box.AddFault(fault);

    int wakeReadFd = -1;
    if (!MakeWakePipe(wakeReadFd, error)) {
        std::cerr << "ramvik-boxsim: " << error << "\n";
        return 1;
    }
    struct sigaction action { };
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

#ifdef __linux__
    // The wire model waits a few milliseconds per frame; the kernel's default
    // timer slack (50 us) would add to every wait.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
#endif
    CPtyBoxServer server(box);
    if (options.signal != 0)
        server.SetAnnouncement([&options] { SignalPeer(options.pidFile, options.signal); });
    if (!server.Open(error)) {
        std::cerr << "ramvik-boxsim: " << error << "\n";
        return 1;
    }
    std::printf("%s\n", server.Path().c_str());
    std::fflush(stdout);
    server.Serve(stopRequested, wakeReadFd);

    if (!options.savePath.empty() && !SaveCells(options.savePath, box, error)) {
        std::cerr << "ramvik-boxsim: " << error << "\n";
        return 1;
    }
    return 0;
}
