#pragma once

// Projects for end-to-end transfers over the real links, and the comparison
// of a project read back with the one written.

#include "CurveTestSupport.h"
#include <BoxTable.h>
#include <ProjectState.h>

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace linktest {

// A project the box can hold, on the box's grid (points in 20 mV steps,
// voltages in 0.1 V steps, CR points between start and stop, which a read
// puts back on the line of slope 1).
inline void RandomBoxProject(ProjectState& project, int boxType, std::mt19937& random)
{
    auto pick
        = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    project.SetBoxType(boxType);
    const int start = pick(0, 50);
    const int stop = pick(start, 50);
    project.startVoltage = start / 10.0;
    project.stopVoltage = stop / 10.0;
    project.curveDelay = 20 * pick(0, 25);
    const int delay = pick(0, 240);
    project.startDelayMin = delay / 60;
    project.startDelaySec = delay % 60;
    project.ResetCrCurve();
    for (int i = pick(0, 58); i > 0; --i)
        project.crCurve
            = project.crCurve->Add(pick(5 * start, 5 * stop) / 50.0, pick(0, 250) / 50.0);
    project.ResetTurboCurve();
    for (int i = pick(0, 61); i > 0; --i)
        project.turboCurve = project.turboCurve->Add(pick(1, 250) / 50.0, pick(0, 250) / 50.0);
    project.crCurve->Add(project.startVoltage, project.startVoltage);
    project.crCurve->Add(project.stopVoltage, project.stopVoltage);
}

// What a read must give back of a written project.
inline void ExpectReadBack(const ProjectState& back, const ProjectState& written)
{
    EXPECT_EQ(back.boxType, written.boxType);
    EXPECT_EQ(back.turboEnabled, written.turboEnabled);
    EXPECT_EQ(back.curveDelay, written.curveDelay);
    EXPECT_EQ(back.startVoltage, written.startVoltage);
    EXPECT_EQ(back.stopVoltage, written.stopVoltage);
    EXPECT_EQ(back.startDelayMin, written.startDelayMin);
    EXPECT_EQ(back.startDelaySec, written.startDelaySec);
    EXPECT_EQ(PointsOf(back.crCurve), PointsOf(written.crCurve));
    if (written.boxType == 2)
        EXPECT_EQ(PointsOf(back.turboCurve), PointsOf(written.turboCurve));
    else
        EXPECT_EQ(PointsOf(back.turboCurve), (Points { { 0, 0 }, { 5, 5 } }));
}

} // namespace linktest
