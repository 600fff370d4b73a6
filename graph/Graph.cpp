#include "Graph.h"

#include "GraphPaintCache.h"
#include "ProjectState.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

// The Difference view's margins above and below its plot, pixels, and the
// plot height they leave at least while they can shrink.
constexpr int kDifferenceMargin = 150;
constexpr int kLeastDifferenceMargin = 90;
constexpr int kSmallestDifferencePlot = 240;

// Pixels far outside any screen; a value beyond them is drawn there instead,
// so an absurd voltage or an empty plot area can never overflow an int.
constexpr double kFarPixel = 1.0e6;

// Drops the fraction towards zero (304.98 is pixel 304, not 305). Every
// conversion from volts to pixels goes through here, so a curve, its markers
// and the grid land on the same pixels.
int TruncToPixel(double value)
{
    if (std::isnan(value))
        return 0;
    if (value > kFarPixel)
        return static_cast<int>(kFarPixel);
    if (value < -kFarPixel)
        return static_cast<int>(-kFarPixel);
    return static_cast<int>(value);
}

// Tick steps of a zoomed axis, coarsest first: the finest that leaves no
// more than kMostTickGaps gaps between ticks is used, down to the box's own
// step. Only a view too short for kFewestTickGaps of those (the Difference
// view's vertical axis, zoomed all the way) goes down to half of it.
constexpr double kZoomedTickSteps[] = { 0.5, 0.2, 0.1, 0.05, 0.02 };
constexpr double kMostTickGaps = 12.0;
constexpr double kFewestTickGaps = 4.0;
constexpr double kFinestTickStep = 0.01;
// More ticks than this on one axis would be unreadable; a tiny step stops
// there instead of running for ever.
constexpr int kMaxTicks = 1000;

// The ticks from low to the lesser of high and top. Unzoomed every step from
// low, as the axes were set up; zoomed every multiple of a step that suits
// the span.
GraphTicks Ticks(double low, double high, double top, double step, bool zoomed)
{
    const double end = std::min(high, top);
    GraphTicks t;
    if (!zoomed) {
        t.first = low;
        t.step = step;
        if (!(step > 0.0))
            return t;
        for (int i = 0; i <= kMaxTicks && low + i * step <= end; ++i)
            t.count = i + 1;
        return t;
    }
    t.step = kZoomedTickSteps[0];
    for (double candidate : kZoomedTickSteps) {
        if ((high - low) / candidate <= kMostTickGaps + 1e-9)
            t.step = candidate;
    }
    if ((high - low) / t.step < kFewestTickGaps)
        t.step = kFinestTickStep;
    // Multiples of the step, with room for the rounding of the window's ends.
    const double slack = 1e-6;
    const double firstIndex = std::ceil(low / t.step - slack);
    const double lastIndex = std::floor(end / t.step + slack);
    t.first = firstIndex * t.step;
    t.count = static_cast<int>(std::clamp(lastIndex - firstIndex + 1.0, 0.0, double(kMaxTicks)));
    return t;
}

// How many steps from low the first tick lies: 0 unzoomed.
double StepsIn(const GraphTicks& t, double low)
{
    return t.step > 0.0 && t.first != low ? (t.first - low) / t.step : 0.0;
}

} // namespace

CGraph::CGraph(ProjectState* state)
    : project(state)
    , paintCache(std::make_unique<CGraphPaintCache>())
{
}

CGraph::~CGraph() = default;

void CGraph::SetFrame(int left, int top, int right, int bottom)
{
    frame.left = left < right ? left : right;
    frame.right = left < right ? right : left;
    frame.top = top < bottom ? top : bottom;
    frame.bottom = top < bottom ? bottom : top;
    RequestRepaint();
}

void CGraph::SetRange(int left, int top, int right, int bottom)
{
    range.xMin = left < right ? left : right;
    range.xMax = left < right ? right : left;
    range.yMax = top > bottom ? top : bottom;
    range.yMin = top > bottom ? bottom : top;
    xStep = (range.xMax - range.xMin) / 5;
    yStep = (range.yMax - range.yMin) / 5;
    RequestRepaint();
}

void CGraph::UseStandardAxes()
{
    SetRange(0, 5, 5, 0);
    xStep = 0.5;
    yStep = 0.5;
    xUnit = QCoreApplication::translate("Graph", "V");
    yUnit = xUnit;
}

GraphRect CGraph::PlotArea() const
{
    return { frame.left + marginLeft, frame.top + marginTop, frame.right - marginRight,
        frame.bottom - marginBottom };
}

int CGraph::VoltsToX(double volts) const
{
    const GraphRect plot = PlotArea();
    const double pl = plot.left;
    const double pr = plot.right;
    const GraphVisible v = Visible();
    return TruncToPixel(pl + (pr - pl) * ((volts - v.xLow) / (v.xHigh - v.xLow)));
}

int CGraph::VoltsToY(double volts) const
{
    const GraphRect plot = PlotArea();
    const double pt = plot.top;
    const double pb = plot.bottom;
    const GraphVisible v = Visible();
    return TruncToPixel(pb - (pb - pt) * ((volts - v.yLow) / (v.yHigh - v.yLow)));
}

double CGraph::XToVolts(int x) const
{
    const GraphRect plot = PlotArea();
    const double pl = plot.left;
    const double pr = plot.right;
    const GraphVisible v = Visible();
    return v.xLow + ((x - pl) / (pr - pl)) * (v.xHigh - v.xLow);
}

double CGraph::YToVolts(int y) const
{
    const GraphRect plot = PlotArea();
    const double pt = plot.top;
    const double pb = plot.bottom;
    const GraphVisible v = Visible();
    return v.yHigh - ((y - pt) / (pb - pt)) * (v.yHigh - v.yLow);
}

GraphTicks CGraph::TicksX() const
{
    const GraphVisible v = Visible();
    return Ticks(v.xLow, v.xHigh, v.xHigh, xStep, Zoomed());
}

GraphTicks CGraph::TicksY(double top) const
{
    const GraphVisible v = Visible();
    return Ticks(v.yLow, v.yHigh, top, yStep, Zoomed());
}

int CGraph::TickX(int i) const
{
    const GraphRect plot = PlotArea();
    const double pl = plot.left;
    const double pr = plot.right;
    const GraphVisible v = Visible();
    const GraphTicks t = TicksX();
    return TruncToPixel(pl + (pr - pl) / ((v.xHigh - v.xLow) / t.step) * (i + StepsIn(t, v.xLow)));
}

int CGraph::TickY(int j) const
{
    const GraphRect plot = PlotArea();
    const double pt = plot.top;
    const double pb = plot.bottom;
    const GraphVisible v = Visible();
    const GraphTicks t = TicksY(v.yHigh);
    return TruncToPixel(pb - (pb - pt) / ((v.yHigh - v.yLow) / t.step) * (j + StepsIn(t, v.yLow)));
}

bool CGraph::InputOutputView() const
{
    return project->graphType != 0;
}

bool CGraph::EditingCr() const
{
    return project->editCr != 0;
}

CPunt* CGraph::EditedHead()
{
    return project->EditedCurve().Head();
}

void CGraph::RequestRepaint()
{
    // After every operation: a point it removed leaves the selection.
    PruneSelection();
    if (repaintRequest)
        repaintRequest();
}

void CGraph::ApplyViewGeometry(bool inputOutput)
{
    marginLeft = 50;
    marginRight = 10;
    if (inputOutput) {
        marginTop = 30;
        marginBottom = 30;
        range.yMax = 5;
        yStep = 0.5;
    } else {
        // 150 pixels above and below the plot where the frame has room for
        // them; a short frame (a small window, a large scale) gives up margin
        // before its plot gets too low to read the nine tick labels.
        const int room = (frame.bottom - frame.top - kSmallestDifferencePlot) / 2;
        marginTop = std::clamp(room, kLeastDifferenceMargin, kDifferenceMargin);
        marginBottom = marginTop;
        range.yMax = 2;
        yStep = 0.2;
    }
    FollowViewSwitch();
}
