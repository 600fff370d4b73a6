#include "Graph.h"

#include "ProjectState.h"

#include <algorithm>
#include <cmath>

// Zoom and pan of the screen graph. The zoom is this graph's own: the
// conversions between pixels and volts read it, and nothing else does, so the
// printout and the tool's pictures, which use graphs of their own or none,
// always show the whole range.

namespace {

// A window this close to the whole range is the whole range.
constexpr double kWholeRange = 1.0001;
// A key that chooses a point outside the window pans until the point lies
// this fraction of the window inside its edge.
constexpr double kShowMargin = 0.1;

// The low end of a window of the span that lies within low .. high.
double Within(double windowLow, double span, double low, double high)
{
    if (std::isnan(windowLow))
        return low;
    return std::max(low, std::min(windowLow, high - span));
}

} // namespace

GraphVisible CGraph::Visible() const
{
    GraphVisible v { double(range.xMin), double(range.xMax), double(range.yMin),
        double(range.yMax) };
    if (!Zoomed())
        return v;
    const double xSpan = (v.xHigh - v.xLow) / zoom.factor;
    const double ySpan = (v.yHigh - v.yLow) / zoom.factor;
    v.xLow = Within(zoom.xLow, xSpan, v.xLow, v.xHigh);
    v.xHigh = v.xLow + xSpan;
    v.yLow = Within(zoom.yLow[InputOutputView() ? 1 : 0], ySpan, v.yLow, v.yHigh);
    v.yHigh = v.yLow + ySpan;
    return v;
}

void CGraph::KeepInRange()
{
    const GraphVisible v = Visible();
    zoom.xLow = v.xLow;
    zoom.yLow[InputOutputView() ? 1 : 0] = v.yLow;
}

void CGraph::ReportZoom()
{
    RequestRepaint();
    if (zoomChanged)
        zoomChanged();
}

void CGraph::ZoomAt(int x, int y, double factor)
{
    ApplyViewGeometry(InputOutputView());
    const GraphRect plot = PlotArea();
    const int xSpan = range.xMax - range.xMin;
    if (plot.right <= plot.left || plot.bottom <= plot.top || xSpan <= 0 || !(factor > 0.0))
        return;
    const double most = xSpan / kNarrowestInputSpan;
    double wanted = std::clamp(zoom.factor * factor, 1.0, std::max(1.0, most));
    if (wanted < kWholeRange)
        wanted = 1.0;
    if (wanted == zoom.factor)
        return;
    // The volts under the pointer before, and where the pointer lies across
    // the plot: the same volts lie there after.
    const int px = std::clamp(x, plot.left, plot.right);
    const int py = std::clamp(y, plot.top, plot.bottom);
    const double underX = XToVolts(px);
    const double underY = YToVolts(py);
    const double acrossX = double(px - plot.left) / (plot.right - plot.left);
    const double upY = double(plot.bottom - py) / (plot.bottom - plot.top);
    zoom.factor = wanted;
    if (Zoomed()) {
        zoom.xLow = underX - acrossX * xSpan / wanted;
        zoom.yLow[InputOutputView() ? 1 : 0] = underY - upY * (range.yMax - range.yMin) / wanted;
        KeepInRange();
    }
    zoomedView = InputOutputView() ? 1 : 0;
    ReportZoom();
}

void CGraph::PanBy(int dx, int dy)
{
    if (!Zoomed())
        return;
    ApplyViewGeometry(InputOutputView());
    const GraphRect plot = PlotArea();
    if (plot.right <= plot.left || plot.bottom <= plot.top)
        return;
    const GraphVisible v = Visible();
    zoom.xLow = v.xLow - dx * (v.xHigh - v.xLow) / (plot.right - plot.left);
    zoom.yLow[InputOutputView() ? 1 : 0]
        = v.yLow + dy * (v.yHigh - v.yLow) / (plot.bottom - plot.top);
    KeepInRange();
    ReportZoom();
}

void CGraph::ResetZoom()
{
    if (!Zoomed())
        return;
    zoom = Zoom();
    ReportZoom();
}

// The input window is the same in both views, but a vertical value is not:
// the view switched to shows the edited curve's middle of the window.
void CGraph::FollowViewSwitch()
{
    const int view = InputOutputView() ? 1 : 0;
    if (zoomedView == view || !Zoomed()) {
        zoomedView = view;
        return;
    }
    zoomedView = view;
    const GraphVisible v = Visible();
    const double middle = (v.xLow + v.xHigh) / 2;
    const std::vector<std::pair<double, double>> points = EditedPoints();
    // The curve's line at the middle input, between the points either side.
    const auto above = std::lower_bound(points.begin(), points.end(), middle,
        [](const std::pair<double, double>& p, double input) { return p.first < input; });
    double vertical = (v.yLow + v.yHigh) / 2;
    if (above == points.begin() && above != points.end()) {
        vertical = above->second;
    } else if (above == points.end() && !points.empty()) {
        vertical = points.back().second;
    } else if (above != points.end()) {
        const auto below = std::prev(above);
        const double t = (middle - below->first) / (above->first - below->first);
        vertical = below->second + t * (above->second - below->second);
    }
    zoom.yLow[view] = vertical - (v.yHigh - v.yLow) / 2;
    KeepInRange();
}

void CGraph::ShowPoint(const CPunt* p)
{
    if (!p || !Zoomed())
        return;
    ApplyViewGeometry(InputOutputView());
    const GraphVisible v = Visible();
    const double xMargin = (v.xHigh - v.xLow) * kShowMargin;
    const double yMargin = (v.yHigh - v.yLow) * kShowMargin;
    const double vertical = Vertical(p);
    const int view = InputOutputView() ? 1 : 0;
    bool moved = false;
    if (p->input < v.xLow || p->input > v.xHigh) {
        zoom.xLow
            = p->input < v.xLow ? p->input - xMargin : p->input + xMargin - (v.xHigh - v.xLow);
        moved = true;
    }
    if (vertical < v.yLow || vertical > v.yHigh) {
        zoom.yLow[view]
            = vertical < v.yLow ? vertical - yMargin : vertical + yMargin - (v.yHigh - v.yLow);
        moved = true;
    }
    if (moved) {
        KeepInRange();
        ReportZoom();
    }
}
