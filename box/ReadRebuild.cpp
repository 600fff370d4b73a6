#include "BoxTable.h"

namespace {

CPunt* CurveFromPairs(const ReadCells& cells, int firstCell, int lastCell)
{
    CPunt* head = MakeStraightCurve();
    for (int i = firstCell; i <= lastCell; i += 2) {
        if (cells[i] > 250)
            continue; // an empty pair
        head = head->Add(cells[i] / 50.0, cells[i + 1] / 50.0);
    }
    return head;
}

} // namespace

void RebuildFromCells(ReadCells cells, ProjectState& project)
{
    int code = cells[kBoxTypeCell];
    // A remainder other than 0, 1 or 2 (a negative code among them) keeps the
    // project's box type.
    int type = code % 10;
    if (type >= 0 && type <= 2) {
        project.boxType = type;
        project.turboEnabled = type == 2;
        project.editCr = 1;
        project.editTurbo = 0;
    }
    // The inputs follow the box type: a two-input box keeps its two inputs.
    project.oneInput = project.boxType == 1 ? 0 : 1;
    project.twoInputs = project.boxType == 1 ? 1 : 0;
    project.curveDelay = (code / 10) * 20;

    project.startVoltage = cells[126] / 10.0;
    project.stopVoltage = cells[1] / 10.0;
    int total = cells[kStartDelayCell];
    project.startDelaySec = total % 60;
    project.startDelayMin = (total - project.startDelaySec) / 60;

    // Pair 0 of each curve carried the voltages; as points it reads (0, 0).
    cells[126] = 0;
    cells[1] = 0;
    cells[127] = 0;
    project.ReplaceCrCurve(CurveFromPairs(cells, 0, 124));
    project.ReplaceTurboCurve(
        project.turboEnabled ? CurveFromPairs(cells, 126, 250) : MakeStraightCurve());

    if (project.startVoltage > 5.0)
        project.startVoltage = 5.0;
    if (!(project.startVoltage >= 0.0))
        project.startVoltage = 0.0;
    project.crCurve = project.crCurve->Add(project.startVoltage, project.startVoltage);
    project.crCurve = project.crCurve->Add(project.stopVoltage, project.stopVoltage);
    project.showCr = 1;
    project.showTurbo = 1;
}
