#pragma once

#include "ProjectState.h"
#include "UserText.h"

#include <vector>

// Two projects side by side, by meaning: the edited project against another
// project file. One line for each difference, in the order the parameters
// stand in the panel, then the CR points and the TURBO points by input:
//   "Stop voltage: project 4.5 V, file 4.4 V."
//   "CR point at 2 V: output 1.7 V in the project, 1.9 V in the file."
//   "CR point at 2.5 V: output 2.2 V in the project, none in the file."
// Inputs and outputs within a millionth of a volt are the same (a file
// stores six decimals). The TURBO curve counts where either project has one
// (box type CR&TURBO). Empty when the two hold the same.
std::vector<UserText> CompareProjects(const ProjectState& project, const ProjectState& file);
