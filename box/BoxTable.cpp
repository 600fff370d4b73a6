#include "BoxTable.h"

#include "Frames.h"

namespace {

// n x this factor is the table's input voltage n / 51 V, computed exactly as
// the boxes in the field were written: for 20 of the 256 inputs the product
// with 51 falls just below n, and the box tables carry that.
constexpr double kCountStep = 0.0196078431372549;

void PlaceCurvePairs(BoxTable& table, int firstCell, const CPunt* head, int maxPoints)
{
    int k = 0;
    for (const CPunt* p = head; p && k < maxPoints; p = p->next, ++k) {
        table[firstCell + 2 * k] = p->input * 50;
        table[firstCell + 2 * k + 1] = p->output * 50;
    }
}

} // namespace

double CurveCounts(double v, const CPunt* head)
{
    if (!head)
        return 0.0;
    const CPunt* p = head;
    while (v > p->input && p->next)
        p = p->next;
    const CPunt* q = p->prev;
    if (v == p->input || v > p->input || !q)
        return p->output * 51;
    // The slope first: the box tables in the field were computed so, and the
    // last bit of a table value decides where it truncates.
    double slope = (p->output - q->output) / (p->input - q->input);
    double result = q->output + (v - q->input) * slope;
    return result * 51;
}

BoxTable ComputeBoxTable(const ProjectState& project)
{
    BoxTable table {};
    for (int cell = 0; cell <= 251; ++cell)
        table[cell] = kEmptyPair;
    PlaceCurvePairs(table, 0, project.crCurve.Head(), kMaxCrPoints);
    if (project.boxType == 2)
        PlaceCurvePairs(table, 126, project.turboCurve.Head(), kMaxTurboPoints);

    // Pair 0 of each curve carries the voltages instead of its point.
    table[0] = 0;
    table[1] = project.stopVoltage * 10;
    table[126] = project.startVoltage * 10;
    table[127] = CurveCounts(project.stopVoltage, project.crCurve.Head());
    table[253] = CurveCounts(project.startVoltage, project.crCurve.Head());
    table[kStartDelayCell]
        = static_cast<double>(project.startDelayMin * 60LL + project.startDelaySec);
    table[kBoxTypeCell] = static_cast<double>(project.boxType + project.curveDelay * 10LL / 20);

    for (int n = 0; n <= 255; ++n) {
        double v = n * kCountStep;
        table[256 + n] = n - CurveCounts(v, project.crCurve.Head());
        table[512 + n] = CurveCounts(v, project.turboCurve.Head());
    }
    return table;
}

ReadCells SentDataCells(const BoxTable& table)
{
    ReadCells cells {};
    for (int cell = 0; cell <= kLastDataCell; ++cell)
        cells[cell] = RoundedFrameValue(table[cell]);
    return cells;
}
