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
    const double span = range.xMax - range.xMin;
    return TruncToPixel(pl + (pr - pl) * ((volts - range.xMin) / span));
}

int CGraph::VoltsToY(double volts) const
{
    const GraphRect plot = PlotArea();
    const double pt = plot.top;
    const double pb = plot.bottom;
    const double span = range.yMax - range.yMin;
    return TruncToPixel(pb - (pb - pt) * ((volts - range.yMin) / span));
}

double CGraph::XToVolts(int x) const
{
    const GraphRect plot = PlotArea();
    const double pl = plot.left;
    const double pr = plot.right;
    return range.xMin + ((x - pl) / (pr - pl)) * (range.xMax - range.xMin);
}

double CGraph::YToVolts(int y) const
{
    const GraphRect plot = PlotArea();
    const double pt = plot.top;
    const double pb = plot.bottom;
    return range.yMax - ((y - pt) / (pb - pt)) * (range.yMax - range.yMin);
}

int CGraph::TickX(int i) const
{
    const GraphRect plot = PlotArea();
    const double pl = plot.left;
    const double pr = plot.right;
    return TruncToPixel(pl + (pr - pl) / ((range.xMax - range.xMin) / xStep) * i);
}

int CGraph::TickY(int j) const
{
    const GraphRect plot = PlotArea();
    const double pt = plot.top;
    const double pb = plot.bottom;
    return TruncToPixel(pb - (pb - pt) / ((range.yMax - range.yMin) / yStep) * j);
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
}
