#include "CurveTestSupport.h"
#include <BoxTable.h>

#include <gtest/gtest.h>

// A CR box's TURBO pairs are not read: a box that holds them from another
// tool would otherwise give the project a hidden TURBO curve that the next
// write sends in cells 512 to 766.
TEST(ReadRebuild, TurboPairsOnlyForTheTurboBox)
{
    ReadCells cells = SentDataCells(ComputeBoxTable(ProjectState())); // the default project
    cells[128] = 100;
    cells[129] = 150;
    ProjectState project;
    RebuildFromCells(cells, project);
    EXPECT_EQ(PointsOf(project.turboCurve), (Points { { 0, 0 }, { 5, 5 } }));
    cells[252] = 252;
    RebuildFromCells(cells, project);
    EXPECT_EQ(PointsOf(project.turboCurve), (Points { { 0, 0 }, { 2, 3 }, { 5, 5 } }));
}
