#pragma once

#include "BoxTable.h"
#include "Link.h"

#include <ProjectState.h>

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// How a transfer ended.
enum class TransferOutcome {
    Completed, // every frame answered, the link shut cleanly
    Refused, // write only: the box cannot hold the project; link never opened
    NotOpened, // "No USB Device Connected!"; the link is closed again
    HandshakeFailed, // failed write, short answer, foreign or unsuitable box
    DataFailed, // failed write or short answer while sending or reading cells
    ShutdownFailed, // all cells moved, but the final purge or DTR drop failed
};

// What a transfer reports to its dialog (or to the command-line tool). Every
// call comes from the transfer's worker thread, in this order of events; a
// dialog forwards each one to its user-interface thread. Finished is always
// the last call, exactly once.
class TransferObserver {
public:
    virtual ~TransferObserver() = default;
    // The progress bar's position: the cell just answered (write 0..767, read
    // 0..255). The range is 0..767 for a write and 0..255 for a read.
    virtual void Progress(int position) = 0;
    // A message for a message box with an OK button; text exact, "\n" breaks.
    virtual void Message(const std::string& text) = 0;
    // The Close button may be pressed from now on.
    virtual void EnableClose() = 0;
    // The dialog ends as its Close button ends it (the link is already shut).
    virtual void CloseDialog() = 0;
    virtual void Finished(TransferOutcome outcome) = 0;
};

// Waits a while; production code sleeps. Benchmarks and tests may pass a
// function that returns at once, to leave out the 100 ms settle wait of the
// link opening (the only wait that is not a time-out).
using SettleWait = std::function<void(std::chrono::milliseconds)>;
void SleepFor(std::chrono::milliseconds duration);

// Writes a project into the box. Create it on the user-interface thread (it
// computes the box table from the project there, so the project is not used
// afterwards), then call Run on a worker thread. The transfer owns the link:
// it opens it in Run and has closed it when Run returns.
class WriteTransfer {
public:
    WriteTransfer(const ProjectState& project, std::unique_ptr<Link> link,
        TransferObserver& observer, SettleWait settle = SleepFor);

    // The whole transfer: the refusal check, opening the link, the
    // handshake, cells 0 to 766 without 255, the shutdown. Blocks. Run once.
    TransferOutcome Run();

    const BoxTable& Table() const { return table; }

private:
    BoxTable table;
    int boxType;
    std::vector<std::string> refusals;
    std::unique_ptr<Link> link;
    TransferObserver& observer;
    SettleWait settle;
};

// Reads the box into a new project. Create it on the user-interface thread
// with the current project (the fields a read does not set are copied from
// it there), then call Run on a worker thread. The new project is built on
// the worker; after Finished (outcome Completed or ShutdownFailed) the
// user-interface thread takes it with TakeProject and installs it in one
// step: project = std::move(*newProject).
class ReadTransfer {
public:
    ReadTransfer(const ProjectState& current, std::unique_ptr<Link> link,
        TransferObserver& observer, SettleWait settle = SleepFor);
    ~ReadTransfer();

    // The handshake, cells 0 to 255, the rebuild, the shutdown. Blocks. Run
    // once: a second call reports nothing and returns DataFailed.
    TransferOutcome Run();

    // The project read from the box, or null when the read did not get every
    // cell. Safe to call from any thread; hands the project over once.
    std::unique_ptr<ProjectState> TakeProject();

private:
    std::unique_ptr<ProjectState> base; // copy of the fields a read keeps
    std::unique_ptr<Link> link;
    TransferObserver& observer;
    SettleWait settle;
    std::mutex resultMutex;
    std::unique_ptr<ProjectState> result;
};
