// Transfer speed. In process, against the simulated box with its wire model
// off and the 100 ms settle wait of the link opening left out: our own cost,
// target under 0.2 ms per frame. Over a pseudo-terminal against
// ramvik-boxsim through the serial link, with the real settle wait: target a
// write under 0.5 s; with --wire, no more than 5 % above the wire time of
// 769 frames of 12 characters at 19200 baud (4.81 s).
#include <BoxSimulator.h>
#include <DemoLink.h>
#include <Transfer.h>

#include <benchmark/benchmark.h>

#ifdef BOXSIM_PATH
#include <SerialLink.h>

#include <csignal>
#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

namespace {

struct QuietObserver : TransferObserver {
    void Progress(int) override { }
    void Message(const std::string&) override { ++messages; }
    void EnableClose() override { }
    void CloseDialog() override { }
    void Finished(TransferOutcome) override { }
    int messages = 0;
};

void NoSettle(std::chrono::milliseconds) { }

void BM_WriteDefaultProject(benchmark::State& state)
{
    auto box = std::make_shared<BoxSimulator>(132);
    ProjectState project;
    QuietObserver observer;
    for (auto _ : state) {
        WriteTransfer transfer(project, std::make_unique<DemoLink>(box), observer, NoSettle);
        if (transfer.Run() != TransferOutcome::Completed)
            state.SkipWithError("write failed");
    }
    state.counters["per_frame"] = benchmark::Counter(769.0 * state.iterations(),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}

void BM_ReadDefaultProject(benchmark::State& state)
{
    auto box = std::make_shared<BoxSimulator>(132);
    ProjectState project;
    QuietObserver observer;
    WriteTransfer(project, std::make_unique<DemoLink>(box), observer, NoSettle).Run();
    for (auto _ : state) {
        ReadTransfer transfer(project, std::make_unique<DemoLink>(box), observer, NoSettle);
        if (transfer.Run() != TransferOutcome::Completed)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(transfer.TakeProject());
    }
    state.counters["per_frame"] = benchmark::Counter(259.0 * state.iterations(),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}

#ifdef BOXSIM_PATH
// ramvik-boxsim as a child process; its pseudo-terminal's path.
class BoxsimProcess {
public:
    explicit BoxsimProcess(bool wire)
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
    ~BoxsimProcess()
    {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }
    pid_t pid = -1;
    std::string path;
};

void WriteOverPty(benchmark::State& state, bool wire)
{
    BoxsimProcess boxsim(wire);
    if (boxsim.path.empty()) {
        state.SkipWithError("ramvik-boxsim did not start");
        return;
    }
    ProjectState project;
    QuietObserver observer;
    for (auto _ : state) {
        auto link = std::make_unique<SerialLink>(QString::fromStdString(boxsim.path));
        WriteTransfer transfer(project, std::move(link), observer, SleepFor);
        if (transfer.Run() != TransferOutcome::Completed)
            state.SkipWithError("write failed");
    }
}

void BM_WriteOverPty(benchmark::State& state)
{
    WriteOverPty(state, false);
}

void BM_WriteOverPtyWithWireModel(benchmark::State& state)
{
    WriteOverPty(state, true);
    state.counters["over_wire_time"] = benchmark::Counter(
        state.iterations() * 4.80625, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_WriteOverPty)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteOverPtyWithWireModel)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);
#endif

} // namespace

BENCHMARK(BM_WriteDefaultProject)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDefaultProject)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
