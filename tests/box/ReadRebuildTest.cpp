#include "CurveTestSupport.h"
#include <BoxTable.h>

#include <gtest/gtest.h>

namespace {

// The cells a box holds after a write of the default project, and one cell changed.
ReadCells DefaultCellsWith(int cell, int value)
{
    ReadCells cells = SentDataCells(ComputeBoxTable(ProjectState()));
    cells[cell] = value;
    return cells;
}

} // namespace

// Codes no write sends: the rebuild keeps them as the box holds them, so the
// user sees them (their warnings: ReadWarnings).
TEST(ReadRebuild, CellsGiveBoxTypeDelayAndVoltages)
{
    struct Case {
        const char* what;
        int cell, value, boxTypeBefore, boxType, curveDelay;
        double start, stop;
    } cases[] = {
        { "remainder 7 keeps the box type", 252, 7, 0, 0, 0, 1.5, 4.5 },
        { "remainder 9 keeps the TURBO box", 252, 209, 2, 2, 400, 1.5, 4.5 },
        { "negative code", 252, -3, 0, 0, 0, 1.5, 4.5 },
        { "start clamped high", 126, 60, 0, 0, 200, 5.0, 4.5 },
        { "start clamped low", 126, -3, 0, 0, 200, 0.0, 4.5 },
        { "stop taken as read", 1, 60, 0, 0, 200, 1.5, 6.0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProjectState project;
        project.SetBoxType(c.boxTypeBefore);
        RebuildFromCells(DefaultCellsWith(c.cell, c.value), project);
        EXPECT_EQ(project.boxType, c.boxType);
        EXPECT_EQ(project.turboEnabled, c.boxType == 2);
        EXPECT_EQ(project.curveDelay, c.curveDelay);
        EXPECT_EQ(project.startVoltage, c.start);
        EXPECT_EQ(project.stopVoltage, c.stop);
    }
}

TEST(ReadRebuild, EmptyPairMarkerAndTurboPairsOnlyForTheTurboBox)
{
    ReadCells cells = DefaultCellsWith(8, 250); // input 5.0 V: merges with the end point
    cells[9] = 200;
    cells[10] = 251; // empty
    cells[11] = 10;
    cells[128] = 100;
    cells[129] = 150;
    ProjectState project;
    RebuildFromCells(cells, project);
    EXPECT_EQ(
        PointsOf(project.crCurve), (Points { { 0, 0 }, { 1.5, 1.5 }, { 4.5, 4.5 }, { 5, 4 } }));
    EXPECT_EQ(PointsOf(project.turboCurve), (Points { { 0, 0 }, { 5, 5 } }));
    cells[252] = 252;
    RebuildFromCells(cells, project);
    EXPECT_EQ(PointsOf(project.turboCurve), (Points { { 0, 0 }, { 2, 3 }, { 5, 5 } }));
}
