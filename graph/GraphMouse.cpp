#include "Graph.h"

#include "ProjectState.h"

#include <cmath>

namespace {

// Mouse positions are cut down to whole fiftieths of a volt, the box's own
// resolution.
constexpr double kPerVolt = 50.0;
// A point is picked when its input lies closer than this to the cursor's.
constexpr double kPickTolerance = 0.01;
// A dragged output lies at most this far below its input (and, for the TURBO
// curve in the Input-Output view, above it).
constexpr double kMaxDifference = 1.6;

double Quantise(double volts)
{
    if (!std::isfinite(volts))
        return volts;
    return std::trunc(volts * kPerVolt) / kPerVolt;
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

void CGraph::MouseAt(int x, int y)
{
    cursorX = Limit(Quantise(XToVolts(x)), range.xMin, range.xMax);
    cursorY = Limit(Quantise(YToVolts(y)), range.yMin, range.yMax);
    if (dragging)
        DragStep();
    else
        HoverStep();
}

void CGraph::HoverStep()
{
    CPunt* head = EditedHead();
    CPunt* p = head ? head->FindNear(cursorX, kPickTolerance) : nullptr;
    selected = p;
    if (p) {
        selectedInput = p->input;
        // The read-out snaps to the point.
        cursorX = p->input;
        cursorY = InputOutputView() ? p->output : p->input - p->output;
    }
    RequestRepaint();
}

void CGraph::DragStep()
{
    // The point at 0 V is never edited.
    if (dragInput == 0.0)
        return;
    selected = nullptr;
    // Only the vertical mouse position counts: the point keeps its input.
    cursorX = dragInput;
    const bool inputOutput = InputOutputView();
    if (EditingCr()) {
        if (cursorY > cursorX)
            cursorY = cursorX;
        if (project->startVoltage < dragInput && dragInput < project->stopVoltage) {
            if (inputOutput) {
                if (cursorX - kMaxDifference > cursorY)
                    cursorY = cursorX - kMaxDifference;
                PutPoint(dragInput, cursorY);
            } else {
                if (cursorY > kMaxDifference)
                    cursorY = kMaxDifference;
                PutPoint(dragInput, dragInput - cursorY);
            }
        }
    } else if (inputOutput) {
        if (cursorX - kMaxDifference > cursorY)
            cursorY = cursorX - kMaxDifference;
        if (cursorX + kMaxDifference < cursorY)
            cursorY = cursorX + kMaxDifference;
        PutPoint(dragInput, cursorY);
    } else {
        if (cursorY > cursorX)
            cursorY = cursorX;
        if (cursorY > kMaxDifference)
            cursorY = kMaxDifference;
        PutPoint(dragInput, dragInput - cursorY);
    }
    RequestRepaint();
}

void CGraph::PutPoint(double input, double output)
{
    CPunt*& head = EditedHead();
    if (!head)
        return;
    const CPunt* at = head->Find(input);
    const bool exists = at && at->input == input;
    const int limit = EditingCr() ? kMaxCrPoints : kMaxTurboPoints;
    if (!exists && CountPoints(head) >= limit)
        return;
    head = head->Add(input, output);
}

void CGraph::BeginDrag()
{
    dragging = true;
    const CPunt* p = SelectedPoint();
    dragInput = p ? p->input : cursorX;
}

void CGraph::EndDrag(int x, int y)
{
    dragging = false;
    MouseAt(x, y);
}

void CGraph::RightClick()
{
    if (!dragging) {
        const CPunt* p = SelectedPoint();
        if (!p)
            return;
        const double input = p->input;
        // The point at the top of the range stays.
        if (input == range.xMax)
            return;
        // The CR curve keeps its start and stop points.
        const bool fixed
            = EditingCr() && (input == project->startVoltage || input == project->stopVoltage);
        if (!fixed) {
            EditedHead()->Remove(input);
            selected = nullptr;
        }
        RequestRepaint();
        return;
    }
    // During a drag: the dragged point goes back onto the line output = input.
    PutPoint(dragInput, dragInput);
    dragging = false;
    cursorX = dragInput;
    cursorY = InputOutputView() ? dragInput : 0.0;
    RequestRepaint();
}
