// How long one paint of the graph takes: the window draws the whole graph on
// every mouse move of a drag, so this bounds how smoothly a point follows the
// pointer. Measures what the window's paint does: fill an off-screen image of
// a 1920 x 1080 client area with the face colour and draw the graph into it.
#include "Graph.h"
#include "ProjectState.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// Curves of 60 points each that stay inside the drag limits.
void FillCurves(ProjectState& project)
{
    project.SetBoxType(2);
    project.startVoltage = 0.02;
    project.stopVoltage = 4.98;
    project.ResetCrCurve();
    for (int i = 1; project.crCurve.Count() < 60; ++i) {
        const double input = i * 0.08;
        project.crCurve.Add(input, input - 0.3 * (i % 3));
        project.turboCurve.Add(input, input + 0.2 * (i % 4) - 0.3);
    }
    while (project.turboCurve.Count() < 60)
        project.turboCurve.Add(4.99 - 0.001 * project.turboCurve.Count(), 4.5);
}

void DrawGraph(benchmark::State& state, bool inputOutput, bool withBox = false, bool zoomed = false)
{
    QTemporaryDir logoDir;
    QImage logo(470, 100, QImage::Format_RGB32);
    logo.fill(QColor(20, 60, 160));
    logo.save(QDir(logoDir.path()).filePath("logo.bmp"), "BMP");

    ProjectState project;
    FillCurves(project);
    if (inputOutput)
        project.ChooseInputOutputView();
    else
        project.ChooseDifferenceView();
    CGraph graph(&project);
    const QSize client(1920, 1080);
    graph.SetFrame(100, 10, client.width() - 10, client.height() - 10);
    graph.UseStandardAxes();
    graph.logoPath = logoDir.path();
    // What a compare with the box shows: its curves and the legend.
    ProjectState box;
    FillCurves(box);
    for (CPunt& p : box.crCurve)
        p.output *= 0.95;
    if (withBox)
        graph.SetOverlay(&box);
    if (zoomed) {
        // Every other point of the edited curve selected (30 of 60), and the
        // view four times narrower around 2.4 V: the selection's squares,
        // finer ticks and the clipped zones.
        QImage first(client, QImage::Format_RGB32);
        QPainter setUp(&first);
        graph.Draw(setUp, CGraph::FaceColour()); // the view's geometry
        setUp.end();
        std::vector<double> every;
        int i = 0;
        for (const CPunt* p = project.crCurve.Head(); p; p = p->next) {
            if (i++ % 2 == 0)
                every.push_back(p->input);
        }
        graph.SetSelection(every);
        graph.ZoomAt(graph.VoltsToX(2.4), graph.VoltsToY(inputOutput ? 2.2 : 0.3), 4.0);
        if (graph.Selection().size() != 30 || graph.ZoomFactor() != 4.0)
            state.SkipWithError("the selection or the zoom did not take");
    }
    const QColor face = CGraph::FaceColour();

    QImage buffer(client, QImage::Format_RGB32);
    int y = 0;
    for (auto _ : state) {
        // A drag step moves a point, as the window's paints follow them.
        graph.MouseAt(graph.VoltsToX(2.4), 100 + (y++ % 800));
        buffer.fill(face);
        QPainter painter(&buffer);
        graph.Draw(painter, face);
        painter.end();
        benchmark::DoNotOptimize(buffer.constBits());
    }
}

void BM_DrawInputOutputView(benchmark::State& state)
{
    DrawGraph(state, true);
}

void BM_DrawDifferenceViewWithLogo(benchmark::State& state)
{
    DrawGraph(state, false);
}

void BM_DrawInputOutputViewWithBox(benchmark::State& state)
{
    DrawGraph(state, true, true);
}

void BM_DrawDifferenceViewWithBox(benchmark::State& state)
{
    DrawGraph(state, false, true);
}

void BM_DrawInputOutputViewSelectedAndZoomed(benchmark::State& state)
{
    DrawGraph(state, true, false, true);
}

void BM_DrawDifferenceViewSelectedAndZoomed(benchmark::State& state)
{
    DrawGraph(state, false, false, true);
}

BENCHMARK(BM_DrawInputOutputView)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();
BENCHMARK(BM_DrawDifferenceViewWithLogo)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();
BENCHMARK(BM_DrawInputOutputViewWithBox)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();
BENCHMARK(BM_DrawDifferenceViewWithBox)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();
BENCHMARK(BM_DrawInputOutputViewSelectedAndZoomed)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();
BENCHMARK(BM_DrawDifferenceViewSelectedAndZoomed)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
