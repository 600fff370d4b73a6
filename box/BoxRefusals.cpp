#include "BoxTable.h"
#include "BoxText.h"

#include <utility>

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

// The reasons about one curve. The curve's name ("CR", "TURBO") stays as it
// is; the TURBO curve of a CR box has every reason wrapped in a note that
// says so.
void CheckCurve(
    const char* name, const CPunt* head, int maxPoints, bool hidden, std::vector<UserText>& reasons)
{
    auto add = [&](UserText reason) {
        if (hidden)
            reason = RAMVIK_TR("BoxRefusals", "TURBO curve (not used by this box type): %1")
                         .Arg(reason);
        reasons.push_back(std::move(reason));
    };
    if (!head) {
        add(RAMVIK_TR("BoxRefusals", "%1 curve has no points.").Arg(name));
        return;
    }
    int index = 1;
    for (const CPunt* p = head; p; p = p->next, ++index) {
        if (!InVoltRange(p->input))
            add(RAMVIK_TR("BoxRefusals", "%1 point %2: input %3 V lies outside 0 V to 5 V.")
                    .Arg(name)
                    .Arg(std::to_string(index))
                    .Number(p->input));
        if (!InVoltRange(p->output))
            add(RAMVIK_TR("BoxRefusals", "%1 point %2: output %3 V lies outside 0 V to 5 V.")
                    .Arg(name)
                    .Arg(std::to_string(index))
                    .Number(p->output));
    }
    const int count = index - 1;
    if (maxPoints > 0 && count > maxPoints)
        add(RAMVIK_TR("BoxRefusals", "%1 curve has %2 points; the box stores at most %3.")
                .Arg(name)
                .Number(count, 0)
                .Number(maxPoints, 0));
}

std::vector<UserText> Reasons(const ProjectState& project, TurboUse turbo)
{
    std::vector<UserText> reasons;
    if (project.boxType < 0 || project.boxType > 2)
        reasons.push_back(RAMVIK_TR("BoxRefusals", "Box type %1 is not 0, 1 or 2.")
                              .Arg(std::to_string(project.boxType)));
    CheckCurve("CR", project.crCurve.Head(), kMaxCrPoints, false, reasons);
    if (turbo == TurboUse::Shown)
        CheckCurve("TURBO", project.turboCurve.Head(), kMaxTurboPoints, false, reasons);
    else if (turbo == TurboUse::Hidden)
        CheckCurve("TURBO", project.turboCurve.Head(), 0, true, reasons);

    if (!InVoltRange(project.startVoltage))
        reasons.push_back(RAMVIK_TR("BoxRefusals", "Start voltage %1 V lies outside 0 V to 5 V.")
                              .Number(project.startVoltage));
    if (!InVoltRange(project.stopVoltage))
        reasons.push_back(RAMVIK_TR("BoxRefusals", "Stop voltage %1 V lies outside 0 V to 5 V.")
                              .Number(project.stopVoltage));
    if (project.startVoltage > project.stopVoltage)
        reasons.push_back(
            RAMVIK_TR("BoxRefusals", "Start voltage %1 V lies above the stop voltage %2 V.")
                .Number(project.startVoltage)
                .Number(project.stopVoltage));

    if (project.curveDelay < 0 || project.curveDelay > 500)
        reasons.push_back(RAMVIK_TR("BoxRefusals", "Curve delay %1 lies outside 0 to 500.")
                              .Number(project.curveDelay, 0));
    else if (project.curveDelay % 20 != 0)
        reasons.push_back(RAMVIK_TR("BoxRefusals", "Curve delay %1 is not a multiple of 20.")
                              .Number(project.curveDelay, 0));

    long long delay = project.startDelayMin * 60LL + project.startDelaySec;
    if (delay < 0 || delay > 240 || project.startDelaySec < 0 || project.startDelaySec > 59)
        reasons.push_back(
            RAMVIK_TR("BoxRefusals", "Start delay %1 min %2 s (%3) lies outside 0:00 to 4:00.")
                .Number(project.startDelayMin, 0)
                .Number(project.startDelaySec, 0)
                .Arg(MinutesSecondsText(delay)));
    return reasons;
}

} // namespace

std::vector<UserText> BoxRefusals(const ProjectState& project)
{
    return Reasons(project, project.boxType == 2 ? TurboUse::Shown : TurboUse::Hidden);
}

std::vector<UserText> ReadWarnings(const ReadCells& cells)
{
    // The rebuilt project with the values as the box holds them: the
    // box-type digit the rebuild cannot take, the start voltage before its
    // clamp, the CR curve without the start and stop points it adds.
    ProjectState project;
    RebuildFromCells(cells, project);
    const CellParameters held = DecodeParameters(cells);
    project.boxType = held.boxTypeDigit;
    project.startVoltage = held.startVoltage;
    project.crCurve = CurveFromCellPairs(cells, 0, 124);
    return Reasons(project, held.boxTypeDigit == 2 ? TurboUse::Shown : TurboUse::NotRead);
}
