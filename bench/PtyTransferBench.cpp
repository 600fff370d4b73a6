// Transfers over a pseudo-terminal against ramvik-boxsim in its own process,
// through the serial link Ramvik uses with --port, the 100 ms settle wait of
// the link opening included: the time a user waits.
//
//   plain: our cost per frame plus the pseudo-terminal's (target: a write
//          under 0.5 s);
//   wire:  the box sends at 19200 baud, 10 bits a character; a write moves
//          769 frames of 12 characters (4.806 s on the wire), a read 259 of
//          14 (1.889 s). Target: no more than 5 % above.
//   verified write: the write and its read-back of 255 frames of 14
//          characters; target no more than 1.10 x (4.806 s + 1.889 s), the
//          time of a write and a read (counter of_write_and_read).
//   verified write with its backup: 256 more frames of 14 characters read
//          before the first cell; target no more than 1.10 x (4.806 s +
//          2 x 1.889 s), a write and two reads (counter of_write_and_two_reads).
#include <SerialLink.h>
#include <Transfer.h>

#include <benchmark/benchmark.h>

#include <csignal>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr double kWriteWireSeconds = 769 * 12 * 10 / 19200.0;
constexpr double kReadWireSeconds = 259 * 14 * 10 / 19200.0;
constexpr double kVerifyWireSeconds = 255 * 14 * 10 / 19200.0;
constexpr double kBackupWireSeconds = 256 * 14 * 10 / 19200.0;

// ramvik-boxsim as a child process, serving a CR box.
class Boxsim {
public:
    explicit Boxsim(bool wire)
    {
        int out[2];
        if (pipe(out) != 0)
            return;
        const char* argv[] = { BOXSIM_PATH, "--id", "132", wire ? "--wire" : nullptr, nullptr };
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        if (posix_spawn(&pid, BOXSIM_PATH, &actions, nullptr, const_cast<char**>(argv), environ)
            != 0)
            pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        char c;
        while (pid > 0 && read(out[0], &c, 1) == 1 && c != '\n')
            path += c;
        close(out[0]);
    }
    ~Boxsim()
    {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }
    Boxsim(const Boxsim&) = delete;
    Boxsim& operator=(const Boxsim&) = delete;

    pid_t pid = -1;
    std::string path;
};

struct QuietObserver : CTransferObserver {
    void Progress(int) override { }
    void Message(const UserText&) override { }
    void EnableClose() override { }
    void CloseDialog() override { }
    void Finished(TransferOutcome) override { }
};

// Runs the transfer made by makeTransfer(link, observer) over the
// pseudo-terminal once per iteration.
template <typename MakeTransfer>
void RunOverPty(benchmark::State& state, bool wire, double wireSeconds, MakeTransfer makeTransfer)
{
    Boxsim boxsim(wire);
    if (boxsim.path.empty()) {
        state.SkipWithError("ramvik-boxsim did not start");
        return;
    }
    QuietObserver observer;
    for (auto _ : state) {
        auto transfer = makeTransfer(
            std::make_unique<CSerialLink>(QString::fromStdString(boxsim.path)), observer);
        if (transfer->Run() != TransferOutcome::Completed) {
            state.SkipWithError("the transfer failed");
            return;
        }
    }
    if (wire) // seconds per transfer divided by the wire time: 1.05 is the limit
        state.counters["of_wire_time"] = benchmark::Counter(state.iterations() * wireSeconds,
            benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Arguments: wire model, verification, backup.
void BM_WriteOverPty(benchmark::State& state)
{
    const ProjectState project;
    const bool wire = state.range(0) != 0;
    const bool verify = state.range(1) != 0;
    const bool backup = state.range(2) != 0;
    RunOverPty(state, wire,
        kWriteWireSeconds + (verify ? kVerifyWireSeconds : 0.0)
            + (backup ? kBackupWireSeconds : 0.0),
        [&](std::unique_ptr<CLink> link, CTransferObserver& observer) {
            auto transfer = std::make_unique<CWriteTransfer>(project, std::move(link), observer);
            transfer->SetVerify(verify);
            transfer->SetBackup(backup);
            return transfer;
        });
    if (!wire || !verify) // 1.10 is the limit of each
        return;
    const double reads = backup ? 2 : 1;
    state.counters[backup ? "of_write_and_two_reads" : "of_write_and_read"]
        = benchmark::Counter(state.iterations() * (kWriteWireSeconds + reads * kReadWireSeconds),
            benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_ReadOverPty(benchmark::State& state)
{
    const ProjectState project;
    RunOverPty(state, state.range(0) != 0, kReadWireSeconds,
        [&](std::unique_ptr<CLink> link, CTransferObserver& observer) {
            return std::make_unique<CReadTransfer>(project, std::move(link), observer);
        });
}

} // namespace

BENCHMARK(BM_WriteOverPty)
    ->ArgNames({ "wire", "verify", "backup" })
    ->Args({ 0, 0, 0 })
    ->Args({ 0, 1, 0 })
    ->Args({ 0, 1, 1 })
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteOverPty)
    ->ArgNames({ "wire", "verify", "backup" })
    ->Args({ 1, 0, 0 })
    ->Args({ 1, 1, 0 })
    ->Args({ 1, 1, 1 })
    ->Iterations(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadOverPty)
    ->ArgName("wire")
    ->Arg(0)
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadOverPty)
    ->ArgName("wire")
    ->Arg(1)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
