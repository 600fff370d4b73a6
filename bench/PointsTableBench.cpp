// How long the points table takes to show a changed curve: the window
// refreshes it after every edit, key press and Undo, so a held arrow key on
// a selection of the whole curve refreshes it at the key's repeat rate. A
// full CR curve of 62 points, every output moved each time (the worst case:
// every row redrawn), and once with a point more or less (the rows made anew).
#include "Graph.h"
#include "PointsTable.h"
#include "ProjectState.h"

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

namespace {

void FillCurve(ProjectState& project)
{
    project.startVoltage = 0.02;
    project.stopVoltage = 4.98;
    project.ResetCrCurve();
    for (int i = 1; project.crCurve.Count() < kMaxCrPoints; ++i)
        project.crCurve.Add(i * 0.08, i * 0.08 - 0.3 * (i % 3));
}

void RefreshTable(benchmark::State& state, bool countChanges)
{
    ProjectState project;
    FillCurve(project);
    CGraph graph(&project);
    CPointsTable table(project, graph);
    table.resize(300, 800);
    table.show();
    std::vector<double> all;
    for (const CPunt& p : project.crCurve)
        all.push_back(p.input);
    graph.SetSelection(all);
    table.Refresh();
    if (table.Model()->rowCount() != kMaxCrPoints)
        state.SkipWithError("the table does not hold the curve");
    int step = 0;
    for (auto _ : state) {
        if (countChanges) {
            if (step++ % 2 == 0)
                project.crCurve.Remove(2.0);
            else
                project.crCurve.Add(2.0, 1.9);
        } else {
            const double by = (step++ % 2 == 0) ? 0.02 : -0.02;
            for (CPunt& p : project.crCurve)
                p.output += by;
        }
        table.Refresh();
        benchmark::DoNotOptimize(table.Model()->rowCount());
    }
}

void BM_PointsTableRefreshEveryOutput(benchmark::State& state)
{
    RefreshTable(state, false);
}

void BM_PointsTableRefreshPointCount(benchmark::State& state)
{
    RefreshTable(state, true);
}

BENCHMARK(BM_PointsTableRefreshEveryOutput)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PointsTableRefreshPointCount)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
