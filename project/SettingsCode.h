#pragma once

#include "ProjectState.h"

#include <string>
#include <string_view>

// The settings code remembered between runs: graph view x 10 + box type, as
// decimal text. 0, 1, 2 are the difference view with box type 0, 1, 2;
// 10, 11, 12 the input-output view.

// The code of the project's box type and view ("11" for box type 1 shown
// input against output).
std::string FormatSettingsCode(const ProjectState& project);

// Applies a stored code: the view from its tens (any non-zero tens mean the
// input-output view), the box type from the rest. A box type outside 0 to 2
// leaves the box type as it was and gives false.
bool ApplySettingsCode(std::string_view text, ProjectState& project);
