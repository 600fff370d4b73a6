#include "Graph.h"

#include "ProjectState.h"

#include <cmath>
#include <cstdlib>

namespace {

// A press or hover within this distance of a marker's centre lies on it: the
// marker's radius with half a pixel for its outline, and a pixel more for a
// small marker, which is hard to hit. Squared, rounded down.
constexpr long long kPickSquared = 20; // 4.5 pixels
constexpr long long kHighlightedPickSquared = 30; // 5.5 pixels
static_assert(CGraph::kChosenMarkerRadius == 5, "the pick reach follows the drawn radius");

double Quantise(double volts)
{
    if (!std::isfinite(volts))
        return volts;
    return SnapToBoxStep(volts);
}

double Limit(double value, int low, int high)
{
    if (std::isnan(value) || value < low)
        return low;
    if (value > high)
        return high;
    return value;
}

} // namespace

CPunt* CGraph::Valid(PointRef& ref, bool followInput)
{
    if (!ref.point)
        return nullptr;
    for (CPunt* p = EditedHead(); p; p = p->next) {
        if (p == ref.point && p->input == ref.input)
            return p;
    }
    // Undo and Redo make the curve anew: the point at the same input is the
    // one the user chose, and the keys go on acting on it.
    if (followInput) {
        if (CPunt* p = PointAt(ref.input)) {
            ref.point = p;
            return p;
        }
    }
    ref = {};
    return nullptr;
}

CPunt* CGraph::SelectedPoint()
{
    if (CPunt* p = Valid(hovered))
        return p;
    return Valid(chosen, true);
}

CPunt* CGraph::PointAt(double input)
{
    CPunt* head = EditedHead();
    CPunt* at = head ? head->Find(input) : nullptr;
    return at && at->input == input ? at : nullptr;
}

double CGraph::Vertical(const CPunt* p) const
{
    return InputOutputView() ? p->output : p->input - p->output;
}

CPunt* CGraph::PointUnder(int x, int y)
{
    ApplyViewGeometry(InputOutputView());
    // The highlighted marker is drawn larger, and is picked over its size.
    const CPunt* highlighted = SelectedPoint();
    CPunt* nearest = nullptr;
    long long best = kHighlightedPickSquared;
    // Zoomed, a marker outside the plot area is not drawn and not picked.
    const GraphRect plot = PlotArea();
    const bool zoomed = Zoomed();
    // Later points are drawn over earlier ones, so a tie goes to the later.
    for (CPunt* p = EditedHead(); p; p = p->next) {
        const long long reach = p == highlighted ? kHighlightedPickSquared : kPickSquared;
        const long long dx = VoltsToX(p->input) - static_cast<long long>(x);
        const long long dy = VoltsToY(Vertical(p)) - static_cast<long long>(y);
        // Far-off markers first, so a degenerate plot's huge pixel distances
        // are never squared.
        if (std::llabs(dx) > reach || std::llabs(dy) > reach)
            continue;
        if (zoomed) {
            const long long px = x + dx;
            const long long py = y + dy;
            if (px < plot.left || px > plot.right || py < plot.top || py > plot.bottom)
                continue;
        }
        const long long distance = dx * dx + dy * dy;
        if (distance <= reach && distance <= best) {
            best = distance;
            nearest = p;
        }
    }
    return nearest;
}

void CGraph::ShowInReadOut(const CPunt* p)
{
    cursorX = p->input;
    cursorY = Vertical(p);
}

void CGraph::Choose(CPunt* p)
{
    hovered = {};
    if (!p)
        return;
    chosen = { p, p->input };
    ShowInReadOut(p);
    ShowPoint(p);
}

void CGraph::CursorFromPointer()
{
    ApplyViewGeometry(InputOutputView());
    cursorX = Limit(Quantise(XToVolts(pointerX)), range.xMin, range.xMax);
    const double vertical = YToVolts(pointerY) + (dragging ? grabOffset : 0.0);
    cursorY = Limit(Quantise(vertical), range.yMin, range.yMax);
}

void CGraph::MouseAt(int x, int y)
{
    pointerOver = true;
    pointerX = x;
    pointerY = y;
    CursorFromPointer();
    // While a rectangle selection runs it follows the pointer and nothing is
    // picked.
    if (dragging)
        DragStep();
    else if (!banding)
        HoverStep();
    RequestRepaint();
}

void CGraph::HoverStep()
{
    CPunt* p = PointUnder(pointerX, pointerY);
    hovered = p ? PointRef { p, p->input } : PointRef {};
    // Over a marker the read-out shows its point; elsewhere the pointer's
    // position, which is where a press would put a new point.
    if (p)
        ShowInReadOut(p);
}

void CGraph::UpdateHover()
{
    if (dragging || banding)
        return;
    if (pointerOver) {
        CursorFromPointer();
        HoverStep();
    } else if (CPunt* p = SelectedPoint()) {
        ShowInReadOut(p);
    }
}

void CGraph::PointerLeft()
{
    if (!pointerOver)
        return;
    pointerOver = false;
    hovered = {};
    if (const CPunt* p = Valid(chosen))
        ShowInReadOut(p);
    RequestRepaint();
}

bool CGraph::PressAt(int x, int y, PressMode mode)
{
    addedByLastPress.reset();
    PruneSelection();
    CPunt* p = PointUnder(x, y);
    const GraphRect plot = PlotArea();
    const bool inPlot = plot.left <= x && x <= plot.right && plot.top <= y && y <= plot.bottom;
    if (dragging || banding || (!p && !inPlot))
        return false;
    if (mode == PressMode::Toggle) {
        if (!p)
            return false;
        ToggleSelected(p);
        RequestRepaint();
        return true;
    }
    if (mode == PressMode::Extend) {
        MouseAt(x, y);
        banding = true;
        bandX = x;
        bandY = y;
        bandPoint = p ? PointRef { p, p->input } : PointRef {};
        hovered = {};
        RequestRepaint();
        return true;
    }
    MouseAt(x, y); // highlights p and sets the read-out
    dragging = true;
    if (dragBegan)
        dragBegan();
    if (p) {
        // The press itself changes nothing; the point follows the moves.
        Choose(p);
        SelectOnly(p);
        dragInput = p->input;
        grabOffset = Vertical(p) - YToVolts(y);
        Report(project->MoveRefusal(dragInput));
        return true;
    }
    dragInput = cursorX;
    grabOffset = 0.0;
    const bool existed = PointAt(dragInput) != nullptr;
    DragStep();
    if (!existed && PointAt(dragInput))
        addedByLastPress = dragInput;
    // What the press made is selected; a press the rules refused leaves
    // nothing selected, as a click on empty space does.
    SelectOnly(PointAt(dragInput));
    RequestRepaint();
    return true;
}

void CGraph::DragStep()
{
    hovered = {};
    // Only the vertical mouse position counts: the point keeps its input.
    cursorX = dragInput;
    const double output = InputOutputView() ? cursorY : dragInput - cursorY;
    Report(project->SetPointOutput(dragInput, output).refusal);
    // The dragged point is the chosen one; the read-out shows where it went,
    // within its limits.
    if (CPunt* at = PointAt(dragInput)) {
        chosen = { at, at->input };
        cursorY = Vertical(at);
    }
}

void CGraph::EndDrag(int x, int y)
{
    if (banding)
        EndBand(x, y);
    if (dragging) {
        dragging = false;
        if (dragEnded)
            dragEnded();
    }
    MouseAt(x, y);
}

void CGraph::RightClickAt(int x, int y)
{
    if (banding)
        return;
    if (!dragging) {
        if (CPunt* p = PointUnder(x, y))
            RemovePoint(p);
        return;
    }
    // During a drag: the dragged point goes back onto the line output = input.
    Report(project->PutPointOnLine(dragInput).refusal);
    dragging = false;
    if (CPunt* at = PointAt(dragInput))
        chosen = { at, at->input };
    cursorX = dragInput;
    cursorY = InputOutputView() ? dragInput : 0.0;
    if (dragEnded)
        dragEnded();
    RequestRepaint();
}

void CGraph::RemovePoint(CPunt* p)
{
    const double input = p->input;
    CPunt* lower = p->prev;
    const bool wasChosen = chosen.point == p;
    const PointEditResult result = project->RemovePoint(input);
    Report(result.refusal);
    if (result.changed) {
        hovered = {};
        // A key user deletes on down the curve; a mouse user sees the pointer.
        if (!pointerOver && lower)
            Choose(lower);
        else if (wasChosen)
            chosen = {};
    }
    RequestRepaint();
}

void CGraph::SelectNeighbour(bool higher)
{
    CPunt* head = EditedHead();
    if (!head || dragging)
        return;
    CPunt* p = SelectedPoint();
    CPunt* next = p ? (higher ? p->next : p->prev) : head;
    if (!p && !higher) {
        while (next->next)
            next = next->next;
    }
    pointerOver = false;
    Choose(next ? next : p);
    SelectOnly(next ? next : p);
    RequestRepaint();
}

void CGraph::MoveSelected(double volts)
{
    CPunt* p = SelectedPoint();
    if (!p || dragging)
        return;
    // Up on the screen: a higher output, or in the Difference view a greater
    // difference, which is a lower output.
    const double output = InputOutputView() ? p->output + volts : p->output - volts;
    Report(project->SetPointOutput(p->input, output).refusal);
    pointerOver = false;
    Choose(p);
    RequestRepaint();
}

void CGraph::RemoveSelected()
{
    CPunt* p = SelectedPoint();
    if (!p || dragging)
        return;
    pointerOver = false;
    Choose(p); // stays chosen when the rules keep it
    RemovePoint(p);
}

void CGraph::PutTypedPoint(double input, double output)
{
    if (dragging)
        return;
    Report(project->SetPointOutput(input, output).refusal);
    if (CPunt* at = PointAt(input)) {
        pointerOver = false;
        Choose(at);
        SelectOnly(at);
    }
    RequestRepaint();
}

void CGraph::Report(const UserText& refusal)
{
    if (editReported)
        editReported(refusal);
}
