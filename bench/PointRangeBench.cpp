// How long one range operation on a whole CR curve of 62 points takes (the
// most a box stores), and with it the undo step the window records after it.
// Each iteration starts from the same curve: the copy back is measured too,
// so these times are an upper bound of the operation alone.
#include "PointRange.h"
#include "ProjectState.h"
#include "Session.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// A CR curve of 62 points, none on the line, every one movable but the ends.
ProjectState FullProject()
{
    ProjectState project;
    project.startVoltage = 0.02;
    project.stopVoltage = 4.98;
    project.ResetCrCurve();
    for (int i = 1; project.crCurve.Count() < kMaxCrPoints; ++i) {
        const double input = SnapToBoxStep(i * 0.08);
        project.crCurve.Add(input, SnapToBoxStep(input - 0.3 * (i % 3) - 0.1));
    }
    return project;
}

PointSelection EveryInput(const ProjectState& project)
{
    PointSelection selection;
    for (const CPunt& p : project.crCurve)
        selection.push_back(p.input);
    return selection;
}

using Operation = RangeEditResult (*)(ProjectState&, const PointSelection&);

void RunOperation(benchmark::State& state, Operation operation)
{
    const ProjectState start = FullProject();
    const PointSelection selection = EveryInput(start);
    ProjectState project = start;
    for (auto _ : state) {
        project.crCurve = start.crCurve;
        RangeEditResult result = operation(project, selection);
        benchmark::DoNotOptimize(result);
    }
}

// The same with the step the window records after it (a copy of the project
// and a comparison with the last step).
void RunOperationWithUndoStep(benchmark::State& state, Operation operation)
{
    const ProjectState start = FullProject();
    const PointSelection selection = EveryInput(start);
    CSession session;
    session.Project() = start;
    session.RecordChange();
    for (auto _ : state) {
        session.Project().crCurve = start.crCurve;
        RangeEditResult result = operation(session.Project(), selection);
        session.RecordChange();
        benchmark::DoNotOptimize(result);
    }
}

RangeEditResult SetTo(ProjectState& p, const PointSelection& s)
{
    return SetOutputs(p, s, 2.5);
}
RangeEditResult Add(ProjectState& p, const PointSelection& s)
{
    return AddToOutputs(p, s, 0.02);
}
RangeEditResult Scale(ProjectState& p, const PointSelection& s)
{
    return ScaleOutputs(p, s, 110.0);
}
RangeEditResult TakePoints(ProjectState& p, const PointSelection& s)
{
    static const ProjectState other = [] {
        ProjectState project = FullProject();
        for (CPunt& point : project.crCurve)
            point.output = SnapToBoxStep(point.output * 0.95);
        return project;
    }();
    return TakePointsFrom(p, s, other);
}
RangeEditResult Paste(ProjectState& p, const PointSelection& s)
{
    static const std::string text = WritePointsText(FullProject().crCurve);
    return PastePoints(p, s, ReadPointsText(text));
}

BENCHMARK_CAPTURE(RunOperation, SetOutputs, SetTo)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunOperation, AddToOutputs, Add)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunOperation, ScaleOutputs, Scale)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunOperation, InterpolateOutputs, InterpolateOutputs)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunOperation, SmoothOutputs, SmoothOutputs)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunOperation, TakePointsFrom, TakePoints)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunOperation, PasteEveryPoint, Paste)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunOperationWithUndoStep, ScaleOutputs, Scale)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
