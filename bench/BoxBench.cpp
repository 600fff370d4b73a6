// Our own cost of a transfer: in process, against the simulated box with its
// wire model off and the 100 ms settle wait of the link opening left out.
// Target under 0.2 ms per frame. (PtyTransferBench measures transfers over a
// pseudo-terminal against ramvik-boxsim.)
#include <BoxSimulator.h>
#include <DemoLink.h>
#include <Transfer.h>

#include <benchmark/benchmark.h>

namespace {

struct QuietObserver : CTransferObserver {
    void Progress(int) override { }
    void Message(const UserText&) override { ++messages; }
    void EnableClose() override { }
    void CloseDialog() override { }
    void Finished(TransferOutcome) override { }
    int messages = 0;
};

void NoSettle(std::chrono::milliseconds) { }

// Argument: verification (255 read frames more).
void BM_WriteDefaultProject(benchmark::State& state)
{
    auto box = std::make_shared<CBoxSimulator>(132);
    ProjectState project;
    QuietObserver observer;
    const bool verify = state.range(0) != 0;
    for (auto _ : state) {
        CWriteTransfer transfer(project, std::make_unique<CDemoLink>(box), observer, NoSettle);
        transfer.SetVerify(verify);
        if (transfer.Run() != TransferOutcome::Completed)
            state.SkipWithError("write failed");
    }
    const double frames = verify ? 769.0 + 255.0 : 769.0;
    state.counters["per_frame"] = benchmark::Counter(frames * state.iterations(),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}

void BM_ReadDefaultProject(benchmark::State& state)
{
    auto box = std::make_shared<CBoxSimulator>(132);
    ProjectState project;
    QuietObserver observer;
    CWriteTransfer(project, std::make_unique<CDemoLink>(box), observer, NoSettle).Run();
    for (auto _ : state) {
        CReadTransfer transfer(project, std::make_unique<CDemoLink>(box), observer, NoSettle);
        if (transfer.Run() != TransferOutcome::Completed)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(transfer.TakeProject());
    }
    state.counters["per_frame"] = benchmark::Counter(259.0 * state.iterations(),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}

} // namespace

BENCHMARK(BM_WriteDefaultProject)->ArgName("verify")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDefaultProject)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
