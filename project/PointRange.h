#pragma once

#include "PointText.h"
#include "ProjectState.h"
#include "UserText.h"

#include <vector>

// Operations on several points of the edited curve at once. Each is one user
// action: it changes the curve in one go (or not at all), and the window
// records one undo step after it when the result says the curve changed.

// The selected points of the edited curve: their inputs, ascending, exactly
// as the curve stores them. Inputs the curve no longer holds are passed over.
using PointSelection = std::vector<double>;

// What a range operation did, and the sentence for the status line.
struct RangeEditResult {
    bool changed = false; // the curve changed: one undo step
    int moved = 0; // points whose output changed
    int added = 0; // points a paste added
    int removed = 0; // points a paste replaced
    int held = 0; // points whose output the operation would put beyond a limit,
                  // now at that limit (among the moved ones when they were not there)
    int fixed = 0; // points the rules keep where they are, which would have changed
    UserText heldBack; // why the first of the fixed points stays (with its line)
    // Not empty: the operation was refused as a whole and nothing changed;
    // why (the status says the same).
    UserText refusal;
    // "7 points changed, 2 held at 5.00 V", "No point changed, 1 may not
    // move", or the refusal.
    UserText status;
};

// --- computed outputs. Every result snaps to the box's 0.02 V steps and is
// held within the outputs dragging allows the point (PointOutputLimits);
// points the rules do not let move (MoveRefusal) stay and are counted.

// Every selected point takes this output.
RangeEditResult SetOutputs(ProjectState& project, const PointSelection& selection, double volts);
// Adds volts to every selected output (negative subtracts).
RangeEditResult AddToOutputs(ProjectState& project, const PointSelection& selection, double volts);
// Multiplies every selected output by percent / 100.
RangeEditResult ScaleOutputs(
    ProjectState& project, const PointSelection& selection, double percent);
// The inner selected points go onto the straight line between the first and
// the last selected point, which stay. Needs three selected points or more.
RangeEditResult InterpolateOutputs(ProjectState& project, const PointSelection& selection);
// Each inner selected point goes halfway toward the value its two neighbours
// on the curve give at its input (their mean when it lies midway between
// them), all from the outputs before the step; the first and the last
// selected point stay. Needs three selected points or more.
RangeEditResult SmoothOutputs(ProjectState& project, const PointSelection& selection);
// Every selected point takes the output the other project's curve of the
// same kind (CR or TURBO) has at its input, along the straight lines between
// that curve's points.
RangeEditResult TakeOutputsFrom(
    ProjectState& project, const PointSelection& selection, const ProjectState& other);

// --- given points. Checked before anything changes: an input must lie in 0 V
// to 5 V on the box's steps, appear once, and an output (snapped to the
// steps) within the point's limits; the curve must stay within what a box
// stores (kMaxCrPoints, kMaxTurboPoints). Anything else refuses the whole
// call, with the line of the value when it has one. A given point where the
// rules keep the curve as it is (the point at 0 V, a CR point at or beyond
// the start and stop voltage) stays as the curve has it and is counted,
// when its values differ.

// Replaces the points with inputs from `from` to `to` (both included) by the
// given points: a point in that stretch the given ones leave out goes, unless
// the rules keep it (the first and the last point, the CR start and stop
// points), and every given point is set or added; from > to removes nothing.
// An input within a millionth of a volt of a point's input is that point.
RangeEditResult ReplacePoints(
    ProjectState& project, double from, double to, const std::vector<GivenPoint>& points);
// The points of the other project's curve of the same kind that lie from the
// first to the last selected input replace the selected stretch
// (ReplacePoints).
RangeEditResult TakePointsFrom(
    ProjectState& project, const PointSelection& selection, const ProjectState& other);

// Paste (ReadPointsText): a column of numbers sets the outputs of as many
// selected points, in order, or one number those of every selected point;
// another count is refused. Input and output pairs replace the stretch from
// the first to the last input of the selection and of the pairs together,
// or are added when nothing is selected. The given values are checked as
// above; an unreadable text is refused with its reason.
RangeEditResult PastePoints(
    ProjectState& project, const PointSelection& selection, const PointsReading& pasted);
// ramvik-cli set-points: input and output pairs replace the points from the
// first to the last input given; a column is refused.
RangeEditResult SetPointsFromText(ProjectState& project, const PointsReading& pasted);

// The output of the curve at an input, along the straight lines between its
// points; the first or last point's output beyond them, 0 for no points.
double CurveOutputAt(const CCurve& curve, double input);
