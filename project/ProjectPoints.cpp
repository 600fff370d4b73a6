#include "ProjectState.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

// Edits of single points of the edited curve, with the rules that hold them
// back and the reason given to the user.

namespace {

// The box stores voltages in fiftieths of a volt.
constexpr double kStepsPerVolt = 50.0;
// A dragged output lies at most this far below its input (and, for the
// TURBO curve in the Input-Output view, above it).
constexpr double kMaxDifference = 1.6;
constexpr double kLowestVoltage = 0.0;
constexpr double kHighestVoltage = 5.0;

std::string Volts(double volts)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f V", volts);
    return text;
}

const CPunt* PointAt(const CPunt* head, double input)
{
    const CPunt* p = head ? head->Find(input) : nullptr;
    return p && p->input == input ? p : nullptr;
}

// Why no point can be added to the curve; empty while it has room.
std::string RoomRefusal(const CPunt* head, bool cr)
{
    const int capacity = cr ? kMaxCrPoints : kMaxTurboPoints;
    if (CountPoints(head) < capacity)
        return std::string();
    return std::string("A ") + (cr ? "CR" : "TURBO") + " curve holds at most "
        + std::to_string(capacity) + " points";
}

} // namespace

double SnapToBoxStep(double volts)
{
    return std::round(volts * kStepsPerVolt) / kStepsPerVolt;
}

OutputLimits ProjectState::PointOutputLimits(double input) const
{
    OutputLimits limits;
    limits.low = std::max(kLowestVoltage, input - kMaxDifference);
    limits.high = input;
    // Only the TURBO curve may rise above the line, and only where the view
    // can show it: the Difference view has no negative differences.
    if (!editCr && graphType != 0)
        limits.high = std::min(kHighestVoltage, input + kMaxDifference);
    return limits;
}

std::string ProjectState::MoveRefusal(double input) const
{
    if (input <= kLowestVoltage)
        return "The point at 0 V stays";
    if (input > kHighestVoltage)
        return "Inputs lie between 0 V and 5 V";
    if (editCr && !(startVoltage < input && input < stopVoltage))
        return "Only points between the start and stop voltage can be moved";
    return std::string();
}

PointEditResult ProjectState::SetPointOutput(double input, double output)
{
    PointEditResult result;
    result.refusal = MoveRefusal(input);
    CPunt*& head = EditedCurve();
    if (!result.refusal.empty() || !head || !std::isfinite(output))
        return result;
    const CPunt* existing = PointAt(head, input);
    if (!existing)
        result.refusal = RoomRefusal(head, editCr);
    if (!result.refusal.empty())
        return result;
    const OutputLimits limits = PointOutputLimits(input);
    double wanted = SnapToBoxStep(output);
    if (wanted < limits.low || wanted > limits.high) {
        result.refusal = "The output at " + Volts(input) + " stays between " + Volts(limits.low)
            + " and " + Volts(limits.high);
        wanted = std::clamp(wanted, limits.low, limits.high);
    }
    if (existing && existing->output == wanted)
        return result;
    head = head->Add(input, wanted);
    result.changed = true;
    return result;
}

PointEditResult ProjectState::RemovePoint(double input)
{
    PointEditResult result;
    CPunt* head = EditedCurve();
    if (!PointAt(head, input))
        return result;
    if (input == head->input)
        result.refusal = "The point at 0 V stays";
    else if (input >= kHighestVoltage)
        result.refusal = "The point at 5 V stays";
    else if (editCr && (input == startVoltage || input == stopVoltage))
        result.refusal = "The CR points at the start and stop voltage stay";
    if (!result.refusal.empty())
        return result;
    head->Remove(input);
    result.changed = true;
    return result;
}

PointEditResult ProjectState::PutPointOnLine(double input)
{
    PointEditResult result;
    CPunt*& head = EditedCurve();
    if (!head)
        return result;
    const CPunt* existing = PointAt(head, input);
    if (!existing)
        result.refusal = RoomRefusal(head, editCr);
    if (!result.refusal.empty())
        return result;
    if (existing && existing->output == input)
        return result;
    head = head->Add(input, input);
    result.changed = true;
    return result;
}
