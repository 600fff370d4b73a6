#include "CurveTestSupport.h"
#include <BoxTable.h>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// The cells a box holds after a write of the default project.
ReadCells DefaultCells()
{
    const BoxTable table = ComputeBoxTable(ProjectState());
    ReadCells cells {};
    for (int i = 0; i < 255; ++i)
        cells[i] = static_cast<int>(std::lround(table[i]));
    cells[255] = 213;
    return cells;
}

} // namespace

TEST(ReadRebuild, DefaultProjectComesBack)
{
    ProjectState project;
    project.SetBoxType(2);
    project.fileName = "kept.rmvp";
    project.startVoltage = 0.3;
    project.turboCurve = project.turboCurve->Add(1.0, 3.0);
    RebuildFromCells(DefaultCells(), project);
    EXPECT_EQ(project.boxType, 0);
    EXPECT_FALSE(project.turboEnabled);
    EXPECT_EQ(project.curveDelay, 200);
    EXPECT_EQ(project.startVoltage, 1.5);
    EXPECT_EQ(project.stopVoltage, 4.5);
    EXPECT_EQ(project.startDelayMin, 1);
    EXPECT_EQ(project.startDelaySec, 0);
    EXPECT_EQ(
        PointsOf(project.crCurve), (Points { { 0, 0 }, { 1.5, 1.5 }, { 4.5, 4.5 }, { 5, 5 } }));
    EXPECT_EQ(PointsOf(project.turboCurve), (Points { { 0, 0 }, { 5, 5 } }));
    EXPECT_EQ(project.fileName, "kept.rmvp");
    EXPECT_EQ(project.titlePrefix, "Common Rail & Turbo Tuning - "); // a read keeps the caption
}

TEST(ReadRebuild, CodeCellGivesBoxTypeDelayAndInputs)
{
    struct Case {
        int code, boxType, curveDelay, oneInput, twoInputs;
        bool turbo;
    } cases[] = {
        { 252, 2, 500, 1, 0, true },
        { 100, 0, 200, 1, 0, false },
        { 101, 1, 200, 0, 1, false }, // a two-input box keeps its two inputs
        { 7, 0, 0, 1, 0, false }, // remainder 7: the box type stays as it was
        { -3, 0, 0, 1, 0, false },
    };
    for (const Case& c : cases) {
        ProjectState project;
        ReadCells cells = DefaultCells();
        cells[252] = c.code;
        RebuildFromCells(cells, project);
        EXPECT_EQ(project.boxType, c.boxType) << c.code;
        EXPECT_EQ(project.curveDelay, c.curveDelay) << c.code;
        EXPECT_EQ(project.oneInput, c.oneInput) << c.code;
        EXPECT_EQ(project.twoInputs, c.twoInputs) << c.code;
        EXPECT_EQ(project.turboEnabled, c.turbo) << c.code;
    }
}

TEST(ReadRebuild, OtherRemainderKeepsTheTurboBox)
{
    ProjectState project;
    project.SetBoxType(2);
    ReadCells cells = DefaultCells();
    cells[252] = 209;
    cells[128] = 100;
    cells[129] = 150;
    RebuildFromCells(cells, project);
    EXPECT_EQ(project.boxType, 2);
    EXPECT_TRUE(project.turboEnabled);
    EXPECT_EQ(PointsOf(project.turboCurve), (Points { { 0, 0 }, { 2, 3 }, { 5, 5 } }));
}

TEST(ReadRebuild, VoltagesDelaysAndPairs)
{
    struct Case {
        const char* what;
        int cell, value;
        double start, stop;
        int minutes, seconds;
    } cases[] = {
        { "start clamped high", 126, 60, 5.0, 4.5, 1, 0 },
        { "start clamped low", 126, -3, 0.0, 4.5, 1, 0 },
        { "stop taken as read", 1, 60, 1.5, 6.0, 1, 0 },
        { "delay 90 s", 254, 90, 1.5, 4.5, 1, 30 },
    };
    for (const Case& c : cases) {
        ProjectState project;
        ReadCells cells = DefaultCells();
        cells[c.cell] = c.value;
        RebuildFromCells(cells, project);
        EXPECT_EQ(project.startVoltage, c.start) << c.what;
        EXPECT_EQ(project.stopVoltage, c.stop) << c.what;
        EXPECT_EQ(project.startDelayMin, c.minutes) << c.what;
        EXPECT_EQ(project.startDelaySec, c.seconds) << c.what;
    }
}

TEST(ReadRebuild, EmptyPairMarkerAndCrBoxTurboArea)
{
    ProjectState project;
    ReadCells cells = DefaultCells();
    cells[8] = 250; // input 5.0 V: merges with the end point
    cells[9] = 200;
    cells[10] = 251; // empty
    cells[11] = 10;
    cells[128] = 100; // TURBO pair in a CR box: ignored
    cells[129] = 100;
    RebuildFromCells(cells, project);
    EXPECT_EQ(
        PointsOf(project.crCurve), (Points { { 0, 0 }, { 1.5, 1.5 }, { 4.5, 4.5 }, { 5, 4 } }));
    EXPECT_EQ(PointsOf(project.turboCurve), (Points { { 0, 0 }, { 5, 5 } }));
}
