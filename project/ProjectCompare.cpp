#include "ProjectCompare.h"

#include <cmath>
#include <string>

namespace {

// What a file's six decimals cannot tell apart.
constexpr double kSame = 1e-6;

bool Same(double a, double b)
{
    return std::abs(a - b) < kSame;
}

std::string MinutesSeconds(int minutes, int seconds)
{
    const std::string secs = std::to_string(seconds);
    return std::to_string(minutes) + ":" + (seconds < 10 ? "0" + secs : secs);
}

// A box type by its name, or its number where no box type has it.
UserText WithBoxType(UserText line, int boxType)
{
    const UserText name = BoxTypeName(boxType);
    if (name.Empty())
        return std::move(line).Arg(std::to_string(boxType));
    return std::move(line).Arg(name);
}

void CompareParameters(const ProjectState& p, const ProjectState& f, std::vector<UserText>& lines)
{
    if (p.boxType != f.boxType)
        lines.push_back(WithBoxType(
            WithBoxType(RAMVIK_TR("ProjectCompare", "Box type: project %1, file %2."), p.boxType),
            f.boxType));
    if (p.curveDelay != f.curveDelay)
        lines.push_back(RAMVIK_TR("ProjectCompare", "Curve delay: project %1 ms, file %2 ms.")
                            .Number(p.curveDelay, 0)
                            .Number(f.curveDelay, 0));
    if (!Same(p.startVoltage, f.startVoltage))
        lines.push_back(RAMVIK_TR("ProjectCompare", "Start voltage: project %1 V, file %2 V.")
                            .Number(p.startVoltage)
                            .Number(f.startVoltage));
    if (!Same(p.stopVoltage, f.stopVoltage))
        lines.push_back(RAMVIK_TR("ProjectCompare", "Stop voltage: project %1 V, file %2 V.")
                            .Number(p.stopVoltage)
                            .Number(f.stopVoltage));
    if (p.startDelayMin != f.startDelayMin || p.startDelaySec != f.startDelaySec)
        lines.push_back(RAMVIK_TR("ProjectCompare", "Start delay: project %1, file %2.")
                            .Arg(MinutesSeconds(p.startDelayMin, p.startDelaySec))
                            .Arg(MinutesSeconds(f.startDelayMin, f.startDelaySec)));
}

// Both curves walked together by input; the curve's name ("CR", "TURBO")
// stays as it is.
void ComparePoints(
    const char* name, const CCurve& project, const CCurve& file, std::vector<UserText>& lines)
{
    auto p = project.begin();
    auto f = file.begin();
    while (p != project.end() || f != file.end()) {
        const bool both = p != project.end() && f != file.end() && Same(p->input, f->input);
        if (both) {
            if (!Same(p->output, f->output))
                lines.push_back(RAMVIK_TR("ProjectCompare",
                    "%1 point at %2 V: output %3 V in the project, %4 V in the file.")
                                    .Arg(name)
                                    .Number(p->input)
                                    .Number(p->output)
                                    .Number(f->output));
            ++p;
            ++f;
        } else if (f == file.end() || (p != project.end() && p->input < f->input)) {
            lines.push_back(RAMVIK_TR(
                "ProjectCompare", "%1 point at %2 V: output %3 V in the project, none in the file.")
                                .Arg(name)
                                .Number(p->input)
                                .Number(p->output));
            ++p;
        } else {
            lines.push_back(RAMVIK_TR(
                "ProjectCompare", "%1 point at %2 V: output %3 V in the file, none in the project.")
                                .Arg(name)
                                .Number(f->input)
                                .Number(f->output));
            ++f;
        }
    }
}

} // namespace

std::vector<UserText> CompareProjects(const ProjectState& project, const ProjectState& file)
{
    std::vector<UserText> lines;
    CompareParameters(project, file, lines);
    ComparePoints("CR", project.crCurve, file.crCurve, lines);
    if (project.turboEnabled || file.turboEnabled)
        ComparePoints("TURBO", project.turboCurve, file.turboCurve, lines);
    return lines;
}
