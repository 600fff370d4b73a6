#include "BoxTable.h"

#include <locale>
#include <sstream>

// The box stores voltages in whole steps of a byte-sized field and the box
// type in the last digit of cell 252; values outside these limits would be
// written into neighbouring meanings, so they are refused before any frame
// is sent.

namespace {

std::string Number(double value)
{
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << value;
    return text.str();
}

bool InVoltRange(double v)
{
    return v >= 0.0 && v <= 5.0; // false for NaN too
}

void CheckCurve(
    const char* name, const CPunt* head, int maxPoints, std::vector<std::string>& reasons)
{
    if (!head) {
        reasons.push_back(std::string(name) + " curve has no points.");
        return;
    }
    int index = 1;
    for (const CPunt* p = head; p; p = p->next, ++index) {
        if (!InVoltRange(p->input))
            reasons.push_back(std::string(name) + " point " + std::to_string(index) + ": input "
                + Number(p->input) + " V lies outside 0 V to 5 V.");
        if (!InVoltRange(p->output))
            reasons.push_back(std::string(name) + " point " + std::to_string(index) + ": output "
                + Number(p->output) + " V lies outside 0 V to 5 V.");
    }
    int count = CountPoints(head);
    if (count > maxPoints)
        reasons.push_back(std::string(name) + " curve has " + std::to_string(count)
            + " points; the box stores at most " + std::to_string(maxPoints) + ".");
}

std::string MinutesSeconds(long long seconds)
{
    std::string sign = seconds < 0 ? "-" : "";
    long long magnitude = seconds < 0 ? -seconds : seconds;
    std::string secs = std::to_string(magnitude % 60);
    return sign + std::to_string(magnitude / 60) + ":" + (secs.size() < 2 ? "0" : "") + secs;
}

} // namespace

std::vector<std::string> BoxRefusals(const ProjectState& project)
{
    std::vector<std::string> reasons;
    if (project.boxType < 0 || project.boxType > 2)
        reasons.push_back("Box type " + std::to_string(project.boxType) + " is not 0, 1 or 2.");
    CheckCurve("CR", project.crCurve, kMaxCrPoints, reasons);
    if (project.boxType == 2)
        CheckCurve("TURBO", project.turboCurve, kMaxTurboPoints, reasons);

    if (!InVoltRange(project.startVoltage))
        reasons.push_back(
            "Start voltage " + Number(project.startVoltage) + " V lies outside 0 V to 5 V.");
    if (!InVoltRange(project.stopVoltage))
        reasons.push_back(
            "Stop voltage " + Number(project.stopVoltage) + " V lies outside 0 V to 5 V.");
    if (project.startVoltage > project.stopVoltage)
        reasons.push_back("Start voltage " + Number(project.startVoltage)
            + " V lies above the stop voltage " + Number(project.stopVoltage) + " V.");

    if (project.curveDelay < 0 || project.curveDelay > 500)
        reasons.push_back(
            "Curve delay " + std::to_string(project.curveDelay) + " lies outside 0 to 500.");
    else if (project.curveDelay % 20 != 0)
        reasons.push_back(
            "Curve delay " + std::to_string(project.curveDelay) + " is not a multiple of 20.");

    long long delay = project.startDelayMin * 60LL + project.startDelaySec;
    if (delay < 0 || delay > 240 || project.startDelaySec < 0 || project.startDelaySec > 59)
        reasons.push_back("Start delay " + std::to_string(project.startDelayMin) + " min "
            + std::to_string(project.startDelaySec) + " s (" + MinutesSeconds(delay)
            + ") lies outside 0:00 to 4:00.");
    return reasons;
}
