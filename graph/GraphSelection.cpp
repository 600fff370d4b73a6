#include "Graph.h"

#include "ProjectState.h"

#include <algorithm>
#include <cstdlib>

// The selection: points of the edited curve, held by their inputs, which a
// point keeps however its output is dragged and which survive the curve being
// made anew by Undo or a read.

namespace {

// A Shift-press released within this many pixels of where it went down is a
// click, not a rectangle.
constexpr int kClickSlop = 3;

} // namespace

std::vector<std::pair<double, double>> CGraph::EditedPoints() const
{
    std::vector<std::pair<double, double>> points;
    for (const CPunt* p = (EditingCr() ? project->crCurve : project->turboCurve).Head(); p;
         p = p->next)
        points.emplace_back(p->input, Vertical(p));
    return points;
}

void CGraph::ChangeSelection(std::vector<double> inputs)
{
    std::sort(inputs.begin(), inputs.end());
    inputs.erase(std::unique(inputs.begin(), inputs.end()), inputs.end());
    selectionOfCr = EditingCr();
    if (inputs == selection)
        return;
    selection = std::move(inputs);
    if (selectionChanged)
        selectionChanged();
}

void CGraph::PruneSelection()
{
    if (selectionOfCr != EditingCr()) {
        // Another curve is edited now: its points are not the ones chosen.
        anchor.reset();
        ChangeSelection({});
        return;
    }
    if (selection.empty())
        return;
    const std::vector<std::pair<double, double>> points = EditedPoints();
    std::vector<double> kept;
    for (double input : selection) {
        const auto at = std::lower_bound(points.begin(), points.end(), input,
            [](const auto& p, double v) { return p.first < v; });
        if (at != points.end() && at->first == input)
            kept.push_back(input);
    }
    ChangeSelection(std::move(kept));
}

const std::vector<double>& CGraph::Selection()
{
    PruneSelection();
    return selection;
}

bool CGraph::IsSelected(double input) const
{
    return std::binary_search(selection.begin(), selection.end(), input);
}

void CGraph::SetSelection(std::vector<double> inputs)
{
    PruneSelection();
    std::vector<double> held;
    for (const auto& point : EditedPoints()) {
        if (std::find(inputs.begin(), inputs.end(), point.first) != inputs.end())
            held.push_back(point.first);
    }
    ChangeSelection(std::move(held));
    RequestRepaint();
}

void CGraph::SelectAll()
{
    PruneSelection();
    std::vector<double> all;
    for (const auto& point : EditedPoints())
        all.push_back(point.first);
    ChangeSelection(std::move(all));
    RequestRepaint();
}

void CGraph::ClearSelection()
{
    ChangeSelection({});
    RequestRepaint();
}

bool CGraph::Escape()
{
    if (banding) {
        banding = false;
        RequestRepaint();
        return true;
    }
    // A drag ends with the button; its point stays selected meanwhile.
    if (dragging || Selection().empty())
        return false;
    ClearSelection();
    return true;
}

void CGraph::SelectOnly(const CPunt* p)
{
    if (!p) {
        ChangeSelection({});
        return;
    }
    anchor = p->input;
    ChangeSelection({ p->input });
}

// Every point from the anchor to p, both included; p becomes the current point.
void CGraph::SelectRangeTo(CPunt* p)
{
    if (!anchor) {
        const CPunt* current = Valid(chosen);
        anchor = current ? current->input : p->input;
    }
    const double low = std::min(*anchor, p->input);
    const double high = std::max(*anchor, p->input);
    std::vector<double> inputs;
    for (const auto& point : EditedPoints()) {
        if (low <= point.first && point.first <= high)
            inputs.push_back(point.first);
    }
    ChangeSelection(std::move(inputs));
    Choose(p);
}

void CGraph::ToggleSelected(CPunt* p)
{
    std::vector<double> inputs = selection;
    const auto at = std::find(inputs.begin(), inputs.end(), p->input);
    if (at != inputs.end())
        inputs.erase(at);
    else
        inputs.push_back(p->input);
    ChangeSelection(std::move(inputs));
    anchor = p->input;
    Choose(p);
}

QRect CGraph::BandRect() const
{
    const GraphRect plot = PlotArea();
    const QRect band = QRect(QPoint(bandX, bandY), QPoint(pointerX, pointerY)).normalized();
    return band & QRect(QPoint(plot.left, plot.top), QPoint(plot.right, plot.bottom));
}

void CGraph::EndBand(int x, int y)
{
    banding = false;
    pointerX = x;
    pointerY = y;
    if (std::abs(x - bandX) <= kClickSlop && std::abs(y - bandY) <= kClickSlop) {
        if (CPunt* p = Valid(bandPoint))
            SelectRangeTo(p);
        return;
    }
    // The points drawn inside the rectangle.
    const QRect band = BandRect();
    std::vector<double> inside;
    for (const auto& [input, vertical] : EditedPoints()) {
        if (band.contains(VoltsToX(input), VoltsToY(vertical)))
            inside.push_back(input);
    }
    ChangeSelection(inside);
    // The current point stays where it is selected; otherwise the lowest
    // selected point takes its place.
    const CPunt* current = Valid(chosen);
    if (!inside.empty() && !(current && IsSelected(current->input))) {
        Choose(PointAt(inside.front()));
        anchor = inside.front();
    }
}
