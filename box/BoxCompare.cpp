#include "BoxCompare.h"

#include "BoxText.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

std::string Volts(int cellValue, double scale)
{
    return NumberText(cellValue / scale) + " V";
}

void CompareValue(const std::string& name, const std::string& project, const std::string& box,
    std::vector<std::string>& lines)
{
    if (project != box)
        lines.push_back(name + ": project " + project + ", box " + box + ".");
}

void CompareParameters(const ReadCells& sent, const ReadCells& box, std::vector<std::string>& lines)
{
    const CellParameters p = DecodeParameters(sent);
    const CellParameters b = DecodeParameters(box);
    CompareValue("Box type", std::to_string(p.boxTypeDigit), std::to_string(b.boxTypeDigit), lines);
    CompareValue("Curve delay", std::to_string(p.curveDelay), std::to_string(b.curveDelay), lines);
    CompareValue("Start voltage", Volts(sent[kStartVoltageCell], 10),
        Volts(box[kStartVoltageCell], 10), lines);
    CompareValue(
        "Stop voltage", Volts(sent[kStopVoltageCell], 10), Volts(box[kStopVoltageCell], 10), lines);
    CompareValue("Start delay", MinutesSecondsText(sent[kStartDelayCell]),
        MinutesSecondsText(box[kStartDelayCell]), lines);
    CompareValue("First CR input", Volts(sent[0], 50), Volts(box[0], 50), lines);
    CompareValue("CR output at the stop voltage (1/51 V)", std::to_string(sent[kStopOutputCell]),
        std::to_string(box[kStopOutputCell]), lines);
    CompareValue("CR output at the start voltage (1/51 V)", std::to_string(sent[kStartOutputCell]),
        std::to_string(box[kStartOutputCell]), lines);
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

void ComparePoints(const char* curve, const ReadCells& sent, const ReadCells& box, int firstCell,
    std::vector<std::string>& lines)
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
        const std::string point
            = std::string(curve) + " point at " + Volts(input, 50) + ": output ";
        if (project.size() == 1 && held.size() == 1) {
            lines.push_back(point + Volts(*project.begin(), 50) + " in the project, "
                + Volts(*held.begin(), 50) + " in the box.");
            continue;
        }
        for (int output : project)
            lines.push_back(point + Volts(output, 50) + " in the project, none in the box.");
        for (int output : held)
            lines.push_back(point + Volts(output, 50) + " in the box, none in the project.");
    }
}

} // namespace

bool BoxHoldsProject(const ProjectState& project, const ReadCells& boxCells)
{
    const ReadCells sent = SentDataCells(ComputeBoxTable(project));
    return std::equal(sent.begin(), sent.begin() + kLastDataCell + 1, boxCells.begin());
}

std::vector<std::string> CompareWithBox(const ProjectState& project, const ReadCells& boxCells)
{
    const BoxTable table = ComputeBoxTable(project);
    const ReadCells sent = SentDataCells(table);
    std::vector<std::string> lines;
    CompareParameters(sent, boxCells, lines);
    ComparePoints("CR", sent, boxCells, 0, lines);
    ComparePoints("TURBO", sent, boxCells, kStartVoltageCell, lines);
    if (!lines.empty())
        return lines;
    for (int cell = 0; cell <= kLastDataCell; ++cell)
        if (sent[cell] != boxCells[cell])
            lines.push_back("Cell " + std::to_string(cell) + " (" + CellMeaning(cell, table)
                + "): project " + std::to_string(sent[cell]) + ", box "
                + std::to_string(boxCells[cell]) + ".");
    return lines;
}
