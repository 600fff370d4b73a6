#include "BoxTable.h"

namespace {

// A curve pair's cell, named by the input voltage written there. The curve
// ("CR", "TURBO") is a name and stays as it is.
UserText PairCell(const char* curve, int firstCell, int cell, const BoxTable& written)
{
    const int pair = (cell - firstCell) / 2;
    const int inputCell = firstCell + 2 * pair;
    const bool input = cell == inputCell;
    if (!(written[inputCell] <= 250.0))
        return (input ? RAMVIK_TR("CellMeaning", "empty %1 pair %2, input")
                      : RAMVIK_TR("CellMeaning", "empty %1 pair %2, output"))
            .Arg(curve)
            .Arg(std::to_string(pair));
    return (input ? RAMVIK_TR("CellMeaning", "%1 point at %2 V, input")
                  : RAMVIK_TR("CellMeaning", "%1 point at %2 V, output"))
        .Arg(curve)
        .Number(written[inputCell] / 50.0);
}

} // namespace

UserText CellMeaning(int cell, const BoxTable& written)
{
    switch (cell) {
    case 0:
        return RAMVIK_TR("CellMeaning", "first CR input");
    case kStopVoltageCell:
        return RAMVIK_TR("CellMeaning", "stop voltage");
    case kStartVoltageCell:
        return RAMVIK_TR("CellMeaning", "start voltage");
    case kStopOutputCell:
        return RAMVIK_TR("CellMeaning", "CR output at the stop voltage");
    case kBoxTypeCell:
        return RAMVIK_TR("CellMeaning", "box type and curve delay");
    case kStartOutputCell:
        return RAMVIK_TR("CellMeaning", "CR output at the start voltage");
    case kStartDelayCell:
        return RAMVIK_TR("CellMeaning", "start delay");
    case kIdentificationCell:
        return RAMVIK_TR("CellMeaning", "box identification");
    default:
        break;
    }
    if (cell > 0 && cell < kStartVoltageCell)
        return PairCell("CR", 0, cell, written);
    if (cell > kStartVoltageCell && cell < kBoxTypeCell)
        return PairCell("TURBO", kStartVoltageCell, cell, written);
    // The tables step in 1/51 V; a cell is named to the hundredth of a volt.
    if (cell >= 256 && cell < 512)
        return RAMVIK_TR("CellMeaning", "CR difference table at %1 V")
            .Number((cell - 256) / 51.0, 2);
    if (cell >= 512 && cell < kBoxCells)
        return RAMVIK_TR("CellMeaning", "TURBO table at %1 V").Number((cell - 512) / 51.0, 2);
    return RAMVIK_TR("CellMeaning", "cell outside the box");
}
