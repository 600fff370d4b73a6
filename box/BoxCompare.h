#pragma once

#include "BoxTable.h"

#include <ProjectState.h>
#include <UserText.h>

#include <vector>

// A project against the cells read from a box. Both sides are taken as the
// data cells 0 to 254: the project as a write would send them, the box as it
// answered. The tables in cells 256 and up follow from the curves and are
// not read.

// True when the box holds what a write of the project would put in cells 0
// to 254.
bool BoxHoldsProject(const ProjectState& project, const ReadCells& boxCells);

// The differences by meaning, one line each, empty exactly when
// BoxHoldsProject is true:
//   each parameter with both values in the user's units: voltages and the CR
//     outputs in volts, the start delay as m:ss, the curve delay in ms, the
//     box type by its name: "Stop voltage: project 4.5 V, box 4.4 V.",
//     "CR output at the stop voltage: project 4.61 V, box 4.51 V."
//   each curve point one side lacks: "CR point at 2 V: output 3 V in the
//     project, none in the box."
//   each curve point with another output: "TURBO point at 2 V: output 3 V in
//     the project, 3.1 V in the box."
// Cells that differ without a difference in meaning (the same points in
// other pairs, an empty pair's output) are named by cell: "Cell 9 (empty CR
// pair 4, output): project 251, box 7."
std::vector<UserText> CompareWithBox(const ProjectState& project, const ReadCells& boxCells);
