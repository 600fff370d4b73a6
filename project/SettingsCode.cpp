#include "SettingsCode.h"

#include "DecimalText.h"

std::string FormatSettingsCode(const ProjectState& project)
{
    return std::to_string(project.SettingsCode());
}

bool ApplySettingsCode(std::string_view text, ProjectState& project)
{
    const long long value = ReadDecimalInt(text);
    const int graphType = value / 10 != 0 ? 1 : 0;
    const long long boxType = value - 10 * graphType;
    project.SetGraphType(graphType);
    if (boxType < 0 || boxType > 2)
        return false;
    return project.SetBoxType(static_cast<int>(boxType));
}
