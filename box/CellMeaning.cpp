#include "BoxTable.h"
#include "BoxText.h"

#include <cstdio>

namespace {

// A curve pair's cell, named by the input voltage written there.
std::string PairCell(const char* curve, int firstCell, int cell, const BoxTable& written)
{
    const int pair = (cell - firstCell) / 2;
    const int inputCell = firstCell + 2 * pair;
    const char* part = cell == inputCell ? "input" : "output";
    if (!(written[inputCell] <= 250.0))
        return std::string("empty ") + curve + " pair " + std::to_string(pair) + ", " + part;
    return std::string(curve) + " point at " + NumberText(written[inputCell] / 50.0) + " V, "
        + part;
}

std::string TableCell(const char* table, int n)
{
    char volts[32];
    std::snprintf(volts, sizeof volts, "%.2f", n / 51.0);
    return std::string(table) + " table at " + volts + " V";
}

} // namespace

std::string CellMeaning(int cell, const BoxTable& written)
{
    switch (cell) {
    case 0:
        return "first CR input";
    case kStopVoltageCell:
        return "stop voltage";
    case kStartVoltageCell:
        return "start voltage";
    case kStopOutputCell:
        return "CR output at the stop voltage";
    case kBoxTypeCell:
        return "box type and curve delay";
    case kStartOutputCell:
        return "CR output at the start voltage";
    case kStartDelayCell:
        return "start delay";
    case kIdentificationCell:
        return "box identification";
    default:
        break;
    }
    if (cell > 0 && cell < kStartVoltageCell)
        return PairCell("CR", 0, cell, written);
    if (cell > kStartVoltageCell && cell < kBoxTypeCell)
        return PairCell("TURBO", kStartVoltageCell, cell, written);
    if (cell >= 256 && cell < 512)
        return TableCell("CR difference", cell - 256);
    if (cell >= 512 && cell < kBoxCells)
        return TableCell("TURBO", cell - 512);
    return "cell outside the box";
}
