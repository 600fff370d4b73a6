#include "Graph.h"

#include "ProjectState.h"

#include <cmath>
#include <cstdlib>

namespace {

// A press or hover within this many pixels of a marker's centre lies on it:
// the highlighted marker's radius with half a pixel for its outline.
constexpr int kPickRadiusSquared = 20; // 4.5 squared, rounded down

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

bool PointAt(const CPunt* head, double input)
{
    const CPunt* p = head ? head->Find(input) : nullptr;
    return p && p->input == input;
}

} // namespace

CPunt* CGraph::SelectedPoint()
{
    if (!selected)
        return nullptr;
    // The input guards against a new point that took a freed point's address.
    for (CPunt* p = EditedHead(); p; p = p->next) {
        if (p == selected && p->input == selectedInput)
            return p;
    }
    selected = nullptr;
    return nullptr;
}

double CGraph::Vertical(const CPunt* p) const
{
    return InputOutputView() ? p->output : p->input - p->output;
}

CPunt* CGraph::PointUnder(int x, int y)
{
    ApplyViewGeometry(InputOutputView());
    CPunt* nearest = nullptr;
    long long best = kPickRadiusSquared;
    // Later points are drawn over earlier ones, so a tie goes to the later.
    for (CPunt* p = EditedHead(); p; p = p->next) {
        const long long dx = VoltsToX(p->input) - static_cast<long long>(x);
        const long long dy = VoltsToY(Vertical(p)) - static_cast<long long>(y);
        // Far-off markers first, so a degenerate plot's huge pixel distances
        // are never squared.
        if (std::llabs(dx) > kPickRadiusSquared || std::llabs(dy) > kPickRadiusSquared)
            continue;
        const long long distance = dx * dx + dy * dy;
        if (distance <= best) {
            best = distance;
            nearest = p;
        }
    }
    return nearest;
}

void CGraph::Highlight(CPunt* p)
{
    selected = p;
    if (!p)
        return;
    selectedInput = p->input;
    // The read-out shows the point's own values.
    cursorX = p->input;
    cursorY = Vertical(p);
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
    if (dragging)
        DragStep();
    else
        HoverStep();
    RequestRepaint();
}

void CGraph::HoverStep()
{
    Highlight(PointUnder(pointerX, pointerY));
}

void CGraph::UpdateHover()
{
    if (dragging)
        return;
    if (pointerOver) {
        CursorFromPointer();
        HoverStep();
    } else if (CPunt* p = SelectedPoint()) {
        Highlight(p);
    }
}

void CGraph::PointerLeft()
{
    if (!pointerOver)
        return;
    pointerOver = false;
    selected = nullptr;
    RequestRepaint();
}

bool CGraph::PressAt(int x, int y)
{
    addedByPress.reset();
    CPunt* p = PointUnder(x, y);
    const GraphRect plot = PlotArea();
    const bool inPlot = plot.left <= x && x <= plot.right && plot.top <= y && y <= plot.bottom;
    if (dragging || (!p && !inPlot))
        return false;
    MouseAt(x, y); // highlights p and sets the read-out
    dragging = true;
    if (dragBegan)
        dragBegan();
    if (p) {
        // The press itself changes nothing; the point follows the moves.
        dragInput = p->input;
        grabOffset = Vertical(p) - YToVolts(y);
        Report(project->MoveRefusal(dragInput));
        return true;
    }
    dragInput = cursorX;
    grabOffset = 0.0;
    const bool existed = PointAt(EditedHead(), dragInput);
    DragStep();
    if (!existed && PointAt(EditedHead(), dragInput))
        addedByPress = dragInput;
    RequestRepaint();
    return true;
}

void CGraph::DragStep()
{
    selected = nullptr;
    // Only the vertical mouse position counts: the point keeps its input.
    cursorX = dragInput;
    const double output = InputOutputView() ? cursorY : dragInput - cursorY;
    Report(project->SetPointOutput(dragInput, output).refusal);
    // The read-out shows where the point went, within its limits.
    const CPunt* at = EditedHead() ? EditedHead()->Find(dragInput) : nullptr;
    if (at && at->input == dragInput)
        cursorY = Vertical(at);
}

void CGraph::EndDrag(int x, int y)
{
    if (dragging) {
        dragging = false;
        if (dragEnded)
            dragEnded();
    }
    MouseAt(x, y);
}

void CGraph::RightClickAt(int x, int y)
{
    if (!dragging) {
        if (const CPunt* p = PointUnder(x, y))
            RemovePoint(p);
        return;
    }
    // During a drag: the dragged point goes back onto the line output = input.
    Report(project->PutPointOnLine(dragInput).refusal);
    dragging = false;
    cursorX = dragInput;
    cursorY = InputOutputView() ? dragInput : 0.0;
    if (dragEnded)
        dragEnded();
    RequestRepaint();
}

void CGraph::RemovePoint(const CPunt* p)
{
    const double input = p->input;
    CPunt* lower = p->prev;
    const PointEditResult result = project->RemovePoint(input);
    Report(result.refusal);
    if (result.changed) {
        // A key user deletes on down the curve; a mouse user sees the pointer.
        if (!pointerOver && lower)
            Highlight(lower);
        else
            selected = nullptr;
    }
    RequestRepaint();
}

void CGraph::SelectNeighbour(bool higher)
{
    CPunt* head = EditedHead();
    if (!head || dragging)
        return;
    CPunt* p = SelectedPoint();
    CPunt* chosen = p ? (higher ? p->next : p->prev) : head;
    if (!p && !higher) {
        while (chosen->next)
            chosen = chosen->next;
    }
    // The key owns the highlight until the mouse moves again.
    pointerOver = false;
    Highlight(chosen ? chosen : p);
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
    Highlight(p);
    RequestRepaint();
}

void CGraph::RemoveSelected()
{
    if (const CPunt* p = SelectedPoint(); p && !dragging)
        RemovePoint(p);
}

void CGraph::PutTypedPoint(double input, double output)
{
    if (dragging)
        return;
    Report(project->SetPointOutput(input, output).refusal);
    CPunt* head = EditedHead();
    CPunt* at = head ? head->Find(input) : nullptr;
    if (at && at->input == input) {
        pointerOver = false;
        Highlight(at);
    }
    RequestRepaint();
}

void CGraph::Report(const UserText& refusal)
{
    if (editReported)
        editReported(refusal);
}
