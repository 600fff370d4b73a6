#include "BoxsimOptions.h"
#include "PtyBoxServer.h"

#include <csignal>
#include <cstdio>
#include <iostream>
#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int)
{
    stopRequested = 1;
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
    BoxSimulator box;
    if (!options.loadPath.empty() && !LoadCells(options.loadPath, box, error)) {
        std::cerr << "ramvik-boxsim: " << error << "\n";
        return 2;
    }
    if (options.identification)
        box.SetCell(255, *options.identification);
    box.SetWireModel(options.wire);
    for (const BoxFault& fault : options.faults)
        box.AddFault(fault);

    // SIGINT and SIGTERM are blocked except while the server waits.
    sigset_t stopSignals, waitMask;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    sigdelset(&waitMask, SIGINT);
    sigdelset(&waitMask, SIGTERM);
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
    PtyBoxServer server(box);
    if (!server.Open(error)) {
        std::cerr << "ramvik-boxsim: " << error << "\n";
        return 1;
    }
    std::printf("%s\n", server.Path().c_str());
    std::fflush(stdout);
    server.Serve(stopRequested, waitMask);

    if (!options.savePath.empty() && !SaveCells(options.savePath, box, error)) {
        std::cerr << "ramvik-boxsim: " << error << "\n";
        return 1;
    }
    return 0;
}
