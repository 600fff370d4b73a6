#include "ProjectState.h"

#include <algorithm>
#include <cmath>

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

// Why no point can be added to the curve; empty while it has room.
UserText RoomRefusal(const CCurve& curve, bool cr)
{
    const int capacity = cr ? kMaxCrPoints : kMaxTurboPoints;
    if (curve.Count() < capacity)
        return UserText();
    return (cr ? RAMVIK_TR("ProjectState", "A CR curve holds at most %1 points")
               : RAMVIK_TR("ProjectState", "A TURBO curve holds at most %1 points"))
        .Number(capacity, 0);
}

} // namespace

double SnapToBoxStep(double volts)
{
    // Adding 0 turns -0 (from a value just below zero) into 0, which the
    // file writes as 0.000000, not -0.000000.
    return std::round(volts * kStepsPerVolt) / kStepsPerVolt + 0.0;
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

UserText ProjectState::MoveRefusal(double input) const
{
    if (input <= kLowestVoltage)
        return RAMVIK_TR("ProjectState", "The point at 0 V stays");
    if (input > kHighestVoltage)
        return RAMVIK_TR("ProjectState", "Inputs lie between 0 V and 5 V");
    if (editCr && !(startVoltage < input && input < stopVoltage))
        return RAMVIK_TR(
            "ProjectState", "Only points between the start and stop voltage can be moved");
    return UserText();
}

PointEditResult ProjectState::SetPointOutput(double input, double output)
{
    PointEditResult result;
    result.refusal = MoveRefusal(input);
    CCurve& curve = EditedCurve();
    if (!result.refusal.Empty() || curve.Empty() || !std::isfinite(output))
        return result;
    const CPunt* existing = curve.At(input);
    if (!existing)
        result.refusal = RoomRefusal(curve, editCr);
    if (!result.refusal.Empty())
        return result;
    const OutputLimits limits = PointOutputLimits(input);
    double wanted = SnapToBoxStep(output);
    if (wanted < limits.low || wanted > limits.high) {
        result.refusal = RAMVIK_TR("ProjectState", "The output at %1 V stays between %2 V and %3 V")
                             .Number(input, 2)
                             .Number(limits.low, 2)
                             .Number(limits.high, 2);
        wanted = std::clamp(wanted, limits.low, limits.high);
    }
    if (existing && existing->output == wanted)
        return result;
    curve.Add(input, wanted);
    result.changed = true;
    return result;
}

PointEditResult ProjectState::RemovePoint(double input)
{
    PointEditResult result;
    CCurve& curve = EditedCurve();
    if (!curve.At(input))
        return result;
    if (input == curve.Head()->input)
        result.refusal = RAMVIK_TR("ProjectState", "The point at 0 V stays");
    else if (input >= kHighestVoltage)
        result.refusal = RAMVIK_TR("ProjectState", "The point at 5 V stays");
    else if (editCr && (input == startVoltage || input == stopVoltage))
        result.refusal
            = RAMVIK_TR("ProjectState", "The CR points at the start and stop voltage stay");
    if (!result.refusal.Empty())
        return result;
    curve.Remove(input);
    result.changed = true;
    return result;
}

PointEditResult ProjectState::PutPointOnLine(double input)
{
    PointEditResult result;
    CCurve& curve = EditedCurve();
    if (curve.Empty())
        return result;
    const CPunt* existing = curve.At(input);
    if (!existing)
        result.refusal = RoomRefusal(curve, editCr);
    if (!result.refusal.Empty())
        return result;
    if (existing && existing->output == input)
        return result;
    curve.Add(input, input);
    result.changed = true;
    return result;
}
