#include "BoxCompare.h"

#include "BoxText.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace {

// The box stores the start and stop voltage in tenths of a volt, curve
// inputs and outputs in fiftieths, and the CR outputs at the start and stop
// voltage in counts (fifty-firsts).
constexpr double kTenths = 10.0;
constexpr double kFiftieths = 50.0;
constexpr double kCounts = 51.0;

// A parameter both sides hold, in the user's units: the line when they
// differ.
void CompareValue(bool same, UserText line, std::vector<UserText>& lines)
{
    if (!same)
        lines.push_back(std::move(line));
}

// Fills the next placeholder with a box type by its name, or with a digit
// no box type has as it is.
UserText WithBoxType(UserText line, int digit)
{
    const UserText name = BoxTypeName(digit);
    if (name.Empty())
        line.Arg(std::to_string(digit));
    else
        line.Arg(name);
    return line;
}

void CompareParameters(const ReadCells& sent, const ReadCells& box, std::vector<UserText>& lines)
{
    const CellParameters p = DecodeParameters(sent);
    const CellParameters b = DecodeParameters(box);
    CompareValue(p.boxTypeDigit == b.boxTypeDigit,
        WithBoxType(
            WithBoxType(RAMVIK_TR("BoxCompare", "Box type: project %1, box %2."), p.boxTypeDigit),
            b.boxTypeDigit),
        lines);
    CompareValue(p.curveDelay == b.curveDelay,
        RAMVIK_TR("BoxCompare", "Curve delay: project %1 ms, box %2 ms.")
            .Number(p.curveDelay, 0)
            .Number(b.curveDelay, 0),
        lines);
    const auto volts = [&](int cell, double steps, int decimals, UserText line) {
        CompareValue(sent[cell] == box[cell],
            std::move(line)
                .Number(sent[cell] / steps, decimals)
                .Number(box[cell] / steps, decimals),
            lines);
    };
    volts(kStartVoltageCell, kTenths, -1,
        RAMVIK_TR("BoxCompare", "Start voltage: project %1 V, box %2 V."));
    volts(kStopVoltageCell, kTenths, -1,
        RAMVIK_TR("BoxCompare", "Stop voltage: project %1 V, box %2 V."));
    CompareValue(sent[kStartDelayCell] == box[kStartDelayCell],
        RAMVIK_TR("BoxCompare", "Start delay: project %1, box %2.")
            .Arg(MinutesSecondsText(sent[kStartDelayCell]))
            .Arg(MinutesSecondsText(box[kStartDelayCell])),
        lines);
    volts(0, kFiftieths, -1, RAMVIK_TR("BoxCompare", "First CR input: project %1 V, box %2 V."));
    // Counts to the hundredth of a volt: one count is 0.0196 V, so two
    // counts never read the same.
    volts(kStopOutputCell, kCounts, 2,
        RAMVIK_TR("BoxCompare", "CR output at the stop voltage: project %1 V, box %2 V."));
    volts(kStartOutputCell, kCounts, 2,
        RAMVIK_TR("BoxCompare", "CR output at the start voltage: project %1 V, box %2 V."));
}

// The outputs of the non-empty pairs 1..62 of a curve, by input (both in
// volts x 50); a box may hold one input twice.
std::map<int, std::multiset<int>> PairsOf(const ReadCells& cells, int firstCell)
{
    std::map<int, std::multiset<int>> pairs;
    for (int cell = firstCell + 2; cell < firstCell + 126; cell += 2)
        if (cells[cell] <= 250)
            pairs[cells[cell]].insert(cells[cell + 1]);
    return pairs;
}

// The curve's name ("CR", "TURBO") stays as it is.
void ComparePoints(const char* curve, const ReadCells& sent, const ReadCells& box, int firstCell,
    std::vector<UserText>& lines)
{
    auto projectPairs = PairsOf(sent, firstCell);
    auto boxPairs = PairsOf(box, firstCell);
    std::set<int> inputs;
    for (const auto& entry : projectPairs)
        inputs.insert(entry.first);
    for (const auto& entry : boxPairs)
        inputs.insert(entry.first);
    for (int input : inputs) {
        std::multiset<int> project = projectPairs[input];
        std::multiset<int> held = boxPairs[input];
        for (auto it = project.begin(); it != project.end();) {
            auto same = held.find(*it);
            if (same == held.end()) {
                ++it;
            } else {
                held.erase(same);
                it = project.erase(it);
            }
        }
        const double at = input / kFiftieths;
        if (project.size() == 1 && held.size() == 1) {
            lines.push_back(RAMVIK_TR(
                "BoxCompare", "%1 point at %2 V: output %3 V in the project, %4 V in the box.")
                                .Arg(curve)
                                .Number(at)
                                .Number(*project.begin() / kFiftieths)
                                .Number(*held.begin() / kFiftieths));
            continue;
        }
        for (int output : project)
            lines.push_back(RAMVIK_TR(
                "BoxCompare", "%1 point at %2 V: output %3 V in the project, none in the box.")
                                .Arg(curve)
                                .Number(at)
                                .Number(output / kFiftieths));
        for (int output : held)
            lines.push_back(RAMVIK_TR(
                "BoxCompare", "%1 point at %2 V: output %3 V in the box, none in the project.")
                                .Arg(curve)
                                .Number(at)
                                .Number(output / kFiftieths));
    }
}

} // namespace

bool BoxHoldsProject(const ProjectState& project, const ReadCells& boxCells)
{
    const ReadCells sent = SentDataCells(ComputeBoxTable(project));
    return std::equal(sent.begin(), sent.begin() + kLastDataCell + 1, boxCells.begin());
}

std::vector<UserText> CompareWithBox(const ProjectState& project, const ReadCells& boxCells)
{
    const BoxTable table = ComputeBoxTable(project);
    const ReadCells sent = SentDataCells(table);
    std::vector<UserText> lines;
    CompareParameters(sent, boxCells, lines);
    ComparePoints("CR", sent, boxCells, 0, lines);
    ComparePoints("TURBO", sent, boxCells, kStartVoltageCell, lines);
    if (!lines.empty())
        return lines;
    for (int cell = 0; cell <= kLastDataCell; ++cell)
        if (sent[cell] != boxCells[cell])
            lines.push_back(RAMVIK_TR("BoxCompare", "Cell %1 (%2): project %3, box %4.")
                                .Arg(std::to_string(cell))
                                .Arg(CellMeaning(cell, table))
                                .Arg(std::to_string(sent[cell]))
                                .Arg(std::to_string(boxCells[cell])));
    return lines;
}
