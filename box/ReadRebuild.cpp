#include "BoxTable.h"

CellParameters DecodeParameters(const ReadCells& cells)
{
    CellParameters held;
    const int code = cells[kBoxTypeCell];
    held.boxTypeDigit = code % 10;
    held.curveDelay = (code / 10) * 20;
    held.startVoltage = cells[kStartVoltageCell] / 10.0;
    held.stopVoltage = cells[kStopVoltageCell] / 10.0;
    const int total = cells[kStartDelayCell];
    held.startDelaySec = total % 60;
    held.startDelayMin = (total - held.startDelaySec) / 60;
    return held;
}

CCurve CurveFromCellPairs(ReadCells cells, int firstCell, int lastCell)
{
    // Pair 0 of each curve carried the voltages; as points it reads (0, 0).
    cells[kStartVoltageCell] = 0;
    cells[kStopVoltageCell] = 0;
    cells[kStopOutputCell] = 0;
    CCurve curve = CCurve::Straight();
    for (int i = firstCell; i <= lastCell; i += 2) {
        if (cells[i] > 250)
            continue; // an empty pair
        curve.Add(cells[i] / 50.0, cells[i + 1] / 50.0);
    }
    return curve;
}

void RebuildFromCells(const ReadCells& cells, ProjectState& project)
{
    const CellParameters held = DecodeParameters(cells);
    // A remainder other than 0, 1 or 2 (a negative code among them) keeps the
    // project's box type.
    const int type = held.boxTypeDigit;
    if (type >= 0 && type <= 2) {
        project.boxType = type;
        project.turboEnabled = type == 2;
        project.editCr = 1;
        project.editTurbo = 0;
    }
    // The inputs follow the box type: a two-input box keeps its two inputs.
    project.oneInput = project.boxType == 1 ? 0 : 1;
    project.twoInputs = project.boxType == 1 ? 1 : 0;
    project.curveDelay = held.curveDelay;
    project.startVoltage = held.startVoltage;
    project.stopVoltage = held.stopVoltage;
    project.startDelaySec = held.startDelaySec;
    project.startDelayMin = held.startDelayMin;

    project.crCurve = CurveFromCellPairs(cells, 0, 124);
    project.turboCurve
        = project.turboEnabled ? CurveFromCellPairs(cells, 126, 250) : CCurve::Straight();

    if (project.startVoltage > 5.0)
        project.startVoltage = 5.0;
    if (!(project.startVoltage >= 0.0))
        project.startVoltage = 0.0;
    project.crCurve.Add(project.startVoltage, project.startVoltage);
    project.crCurve.Add(project.stopVoltage, project.stopVoltage);
    project.showCr = 1;
    project.showTurbo = 1;
}
