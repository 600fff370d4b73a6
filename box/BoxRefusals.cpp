#include "BoxTable.h"
#include "BoxText.h"

// The box stores voltages in whole steps of a byte-sized field and the box
// type in the last digit of cell 252; values outside these limits would be
// written into neighbouring meanings, so they are refused before any frame
// is sent. A box read back with such values is rebuilt as it is, and the same
// rules name what a write of it would refuse.

namespace {

// How a project uses its TURBO curve. A CR box still receives the TURBO
// output table (cells 512 to 766), so its hidden curve is checked too; the
// point limit concerns only the pairs stored for a CR&TURBO box.
enum class TurboUse { Shown, Hidden, NotRead };

bool InVoltRange(double v)
{
    return v >= 0.0 && v <= 5.0; // false for NaN too
}

void CheckCurve(const char* name, const CPunt* head, int maxPoints, const std::string& prefix,
    std::vector<std::string>& reasons)
{
    const std::string curve = prefix + name;
    if (!head) {
        reasons.push_back(curve + " curve has no points.");
        return;
    }
    int index = 1;
    for (const CPunt* p = head; p; p = p->next, ++index) {
        const std::string point = curve + " point " + std::to_string(index);
        if (!InVoltRange(p->input))
            reasons.push_back(
                point + ": input " + NumberText(p->input) + " V lies outside 0 V to 5 V.");
        if (!InVoltRange(p->output))
            reasons.push_back(
                point + ": output " + NumberText(p->output) + " V lies outside 0 V to 5 V.");
    }
    int count = CountPoints(head);
    if (maxPoints > 0 && count > maxPoints)
        reasons.push_back(curve + " curve has " + std::to_string(count)
            + " points; the box stores at most " + std::to_string(maxPoints) + ".");
}

std::vector<std::string> Reasons(const ProjectState& project, TurboUse turbo)
{
    std::vector<std::string> reasons;
    if (project.boxType < 0 || project.boxType > 2)
        reasons.push_back("Box type " + std::to_string(project.boxType) + " is not 0, 1 or 2.");
    CheckCurve("CR", project.crCurve, kMaxCrPoints, "", reasons);
    if (turbo == TurboUse::Shown)
        CheckCurve("TURBO", project.turboCurve, kMaxTurboPoints, "", reasons);
    else if (turbo == TurboUse::Hidden)
        CheckCurve(
            "TURBO", project.turboCurve, 0, "TURBO curve (not used by this box type): ", reasons);

    if (!InVoltRange(project.startVoltage))
        reasons.push_back(
            "Start voltage " + NumberText(project.startVoltage) + " V lies outside 0 V to 5 V.");
    if (!InVoltRange(project.stopVoltage))
        reasons.push_back(
            "Stop voltage " + NumberText(project.stopVoltage) + " V lies outside 0 V to 5 V.");
    if (project.startVoltage > project.stopVoltage)
        reasons.push_back("Start voltage " + NumberText(project.startVoltage)
            + " V lies above the stop voltage " + NumberText(project.stopVoltage) + " V.");

    if (project.curveDelay < 0 || project.curveDelay > 500)
        reasons.push_back(
            "Curve delay " + std::to_string(project.curveDelay) + " lies outside 0 to 500.");
    else if (project.curveDelay % 20 != 0)
        reasons.push_back(
            "Curve delay " + std::to_string(project.curveDelay) + " is not a multiple of 20.");

    long long delay = project.startDelayMin * 60LL + project.startDelaySec;
    if (delay < 0 || delay > 240 || project.startDelaySec < 0 || project.startDelaySec > 59)
        reasons.push_back("Start delay " + std::to_string(project.startDelayMin) + " min "
            + std::to_string(project.startDelaySec) + " s (" + MinutesSecondsText(delay)
            + ") lies outside 0:00 to 4:00.");
    return reasons;
}

} // namespace

std::vector<std::string> BoxRefusals(const ProjectState& project)
{
    return Reasons(project, project.boxType == 2 ? TurboUse::Shown : TurboUse::Hidden);
}

std::vector<std::string> ReadWarnings(const ReadCells& cells)
{
    // The rebuilt project with the values as the box holds them: the
    // box-type digit the rebuild cannot take, the start voltage before its
    // clamp, the CR curve without the start and stop points it adds.
    ProjectState project;
    RebuildFromCells(cells, project);
    const CellParameters held = DecodeParameters(cells);
    project.boxType = held.boxTypeDigit;
    project.startVoltage = held.startVoltage;
    project.ReplaceCrCurve(CurveFromCellPairs(cells, 0, 124));
    return Reasons(project, held.boxTypeDigit == 2 ? TurboUse::Shown : TurboUse::NotRead);
}
