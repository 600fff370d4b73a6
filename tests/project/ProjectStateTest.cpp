#include "ProjectState.h"
#include "CurveTestSupport.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

TEST(ProjectNew, BuildsTheDefaultProjectAndKeepsBoxTypeAndView)
{
    for (int type = 0; type < 3; ++type) {
        SCOPED_TRACE(type);
        ProjectState p;
        p.SetBoxType(type);
        p.ChooseDifferenceView();
        p.SelectTurboForEdit();
        p.StepCurveDelay(true);
        p.crCurve->Add(2.0, 3.0);
        p.fileName = "old.rmvp";
        p.New();
        EXPECT_EQ(PointsOf(p.crCurve), (Points { { 0, 0 }, { 1.5, 1.5 }, { 4.5, 4.5 }, { 5, 5 } }));
        EXPECT_EQ(PointsOf(p.turboCurve), (Points { { 0, 0 }, { 5, 5 } }));
        EXPECT_EQ(p.startVoltage, 1.5);
        EXPECT_EQ(p.stopVoltage, 4.5);
        EXPECT_EQ(p.startDelayMin, 1);
        EXPECT_EQ(p.startDelaySec, 0);
        EXPECT_EQ(p.curveDelay, 200);
        EXPECT_EQ(p.boxType, type);
        EXPECT_EQ(p.graphType, 0);
        EXPECT_EQ(p.editTurbo, type == 2 ? 1 : 0);
        EXPECT_EQ(p.oneInput, type == 1 ? 0 : 1);
        EXPECT_EQ(p.twoInputs, type == 1 ? 1 : 0);
        EXPECT_EQ(p.Caption(),
            std::string(type == 2 ? "Common Rail & Turbo Tuning - " : "Common Rail Tuning - ")
                + "untitled.rmvp");
    }
}

TEST(ProjectBoxType, SetsFlagsAndKeepsTheTurboCurve)
{
    ProjectState p;
    EXPECT_TRUE(p.SetBoxType(2));
    p.turboCurve->Add(2.0, 4.0);
    p.SelectTurboForEdit();
    p.ClickShowCr();
    EXPECT_EQ(p.showCr, 0);

    EXPECT_TRUE(p.SetBoxType(1));
    EXPECT_EQ(p.editCr, 1);
    EXPECT_EQ(p.editTurbo, 0);
    EXPECT_EQ(p.showCr, 1);
    EXPECT_FALSE(p.turboEnabled);
    EXPECT_EQ(p.oneInput, 0);
    EXPECT_EQ(p.twoInputs, 1);
    EXPECT_EQ(p.titlePrefix, "Common Rail Tuning - ");

    EXPECT_TRUE(p.SetBoxType(2));
    EXPECT_TRUE(p.turboEnabled);
    EXPECT_EQ(p.oneInput, 1);
    EXPECT_EQ(PointsOf(p.turboCurve), (Points { { 0, 0 }, { 2, 4 }, { 5, 5 } }));

    EXPECT_FALSE(p.SetBoxType(7));
    EXPECT_FALSE(p.SetBoxType(-1));
    EXPECT_EQ(p.boxType, 2);
    EXPECT_TRUE(p.turboEnabled);
}

TEST(ProjectCopyCurve, CopiesInBothDirections)
{
    ProjectState p;
    p.SetBoxType(2);
    p.crCurve->Add(2.0, 2.7);
    p.CopyCurve();
    EXPECT_EQ(PointsOf(p.turboCurve), PointsOf(p.crCurve));

    p.ReplaceTurboCurve(
        BuildCurve({ { 0, 0 }, { 0.5, 1.0 }, { 1.5, 1.2 }, { 3.0, 3.3 }, { 4.8, 4.0 }, { 5, 5 } }));
    p.SelectTurboForEdit();
    p.CopyCurve();
    // Points below the start and above the stop voltage are dropped; a point
    // exactly at the start voltage sets that point's output.
    EXPECT_EQ(PointsOf(p.crCurve),
        (Points { { 0, 0 }, { 1.5, 1.2 }, { 3.0, 3.3 }, { 4.5, 4.5 }, { 5, 5 } }));

    ProjectState single;
    single.crCurve->Add(2.0, 1.0);
    single.CopyCurve();
    EXPECT_EQ(PointsOf(single.turboCurve), (Points { { 0, 0 }, { 5, 5 } }));
}

TEST(ProjectResets, BuildTheLineOfSlopeOne)
{
    ProjectState p;
    p.crCurve->Add(2.0, 1.0);
    p.ResetCrCurve();
    EXPECT_EQ(PointsOf(p.crCurve), (Points { { 0, 0 }, { 1.5, 1.5 }, { 4.5, 4.5 }, { 5, 5 } }));

    p.startVoltage = 0.0;
    p.stopVoltage = 5.0;
    p.ResetCrCurve();
    EXPECT_EQ(PointsOf(p.crCurve), (Points { { 0, 0 }, { 5, 5 } }));

    p.turboCurve->Add(1.0, 3.0);
    p.ResetTurboCurve();
    EXPECT_EQ(PointsOf(p.turboCurve), (Points { { 0, 0 }, { 5, 5 } }));
}

TEST(ProjectTrim, KeepsTheEndsAndTheVoltagePoints)
{
    ProjectState p;
    p.ReplaceCrCurve(BuildCurve(
        { { 0, 0 }, { 0.5, 1 }, { 1.5, 2 }, { 2, 2 }, { 4.5, 3 }, { 4.7, 1 }, { 5, 5 } }));
    p.ReplaceTurboCurve(BuildCurve({ { 0, 0 }, { 0.5, 1 }, { 4.7, 1 }, { 5, 5 } }));
    p.TrimBelowStart();
    p.TrimAboveStop();
    EXPECT_EQ(
        PointsOf(p.crCurve), (Points { { 0, 0 }, { 1.5, 2 }, { 2, 2 }, { 4.5, 3 }, { 5, 5 } }));
    EXPECT_EQ(CountPoints(p.turboCurve), 4);
}

TEST(ProjectStartVoltage, DriftsExactlyAndKeepsTheNinetyRule)
{
    ProjectState p;
    const std::vector<double> down
        = { 1.4, 1.2999999999999998, 1.1999999999999997, 1.0999999999999996, 0.9, 0.8 };
    for (double expected : down) {
        p.StepStartVoltage(false);
        EXPECT_EQ(p.startVoltage, expected);
    }
    EXPECT_EQ(PointsOf(p.crCurve), (Points { { 0, 0 }, { 0.8, 0.8 }, { 4.5, 4.5 }, { 5, 5 } }));

    p.startVoltage = 0.0;
    p.ResetCrCurve();
    const std::vector<double> up = { 0.1, 0.2, 0.30000000000000004, 0.4, 0.5, 0.6, 0.7,
        0.7999999999999999, 0.8999999999999999, 0.9, 1.0 };
    for (double expected : up) {
        p.StepStartVoltage(true);
        EXPECT_EQ(p.startVoltage, expected);
    }

    p.startVoltage = 0.10000000000000014;
    p.StepStartVoltage(false);
    EXPECT_EQ(p.startVoltage, 1.3877787807814457e-16);
    p.StepStartVoltage(false);
    EXPECT_EQ(p.startVoltage, 0.0);
}

TEST(ProjectStartVoltage, NeverPassesTheStopVoltageAndTrimsBelow)
{
    ProjectState p;
    p.stopVoltage = 4.5;
    p.startVoltage = 4.5;
    p.ResetCrCurve();
    p.StepStartVoltage(true);
    EXPECT_EQ(p.startVoltage, 4.5);
    EXPECT_EQ(PointsOf(p.crCurve), (Points { { 0, 0 }, { 4.5, 4.5 }, { 5, 5 } }));

    ProjectState q;
    q.crCurve->Add(1.55, 3.0);
    q.crCurve->Add(2.0, 3.0);
    q.StepStartVoltage(true);
    EXPECT_EQ(PointsOf(q.crCurve),
        (Points { { 0, 0 }, { 1.6, 1.6 }, { 2.0, 3.0 }, { 4.5, 4.5 }, { 5, 5 } }));
}

TEST(ProjectStopVoltage, ReachesFiveAndKeepsTheEndPoint)
{
    ProjectState p;
    const std::vector<double> up = { 4.6, 4.699999999999999, 4.799999999999999, 4.899999999999999,
        4.999999999999998, 5.0, 5.0 };
    for (double expected : up) {
        p.StepStopVoltage(true);
        EXPECT_EQ(p.stopVoltage, expected);
    }
    EXPECT_EQ(PointsOf(p.crCurve), (Points { { 0, 0 }, { 1.5, 1.5 }, { 5, 5 } }));

    ProjectState q;
    q.crCurve->Add(4.45, 2.0);
    q.crCurve->Add(4.0, 2.0);
    q.StepStopVoltage(false); // stop 4.4: points from 4.3 up to 5.0 go
    EXPECT_EQ(PointsOf(q.crCurve),
        (Points { { 0, 0 }, { 1.5, 1.5 }, { 4.0, 2.0 }, { 4.4, 4.4 }, { 5, 5 } }));

    ProjectState r;
    r.startVoltage = 4.5;
    r.ResetCrCurve();
    r.StepStopVoltage(false);
    EXPECT_EQ(r.stopVoltage, 4.5);
    EXPECT_EQ(PointsOf(r.crCurve), (Points { { 0, 0 }, { 4.5, 4.5 }, { 5, 5 } }));
}

TEST(ProjectStartDelay, WrapsBothWays)
{
    struct Case {
        bool seconds, up;
        int m, s, m2, s2;
    };
    const Case cases[] = {
        { true, true, 0, 59, 1, 0 },
        { true, true, 3, 59, 4, 0 },
        { true, true, 4, 0, 0, 0 },
        { true, false, 0, 0, 4, 0 },
        { true, false, 2, 0, 1, 59 },
        { true, false, 2, 30, 2, 29 },
        { false, true, 3, 30, 4, 0 },
        { false, true, 3, 0, 4, 0 },
        { false, true, 4, 0, 0, 0 },
        { false, true, 1, 15, 2, 15 },
        { false, false, 0, 45, 4, 0 },
        { false, false, 2, 45, 1, 45 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
            << (c.seconds ? "sec " : "min ") << (c.up ? "up " : "down ") << c.m << ":" << c.s);
        ProjectState p;
        p.startDelayMin = c.m;
        p.startDelaySec = c.s;
        if (c.seconds)
            p.StepStartDelaySeconds(c.up);
        else
            p.StepStartDelayMinutes(c.up);
        EXPECT_EQ(p.startDelayMin, c.m2);
        EXPECT_EQ(p.startDelaySec, c.s2);
    }
}

TEST(ProjectCurveDelay, StepsWithinItsLimits)
{
    struct Case {
        int from;
        bool up;
        int to;
    };
    const Case cases[] = { { 500, true, 500 }, { 0, false, 0 }, { 490, true, 510 },
        { 200, true, 220 }, { 200, false, 180 }, { 10, false, -10 }, { 510, false, 490 } };
    for (const Case& c : cases) {
        ProjectState p;
        p.curveDelay = c.from;
        p.StepCurveDelay(c.up);
        EXPECT_EQ(p.curveDelay, c.to) << c.from << (c.up ? " up" : " down");
    }
}

TEST(ProjectCheckBoxes, RefuseHidingTheEditedCurve)
{
    ProjectState p;
    p.ClickShowCr();
    EXPECT_EQ(p.showCr, 1);
    p.ClickShowTurbo();
    EXPECT_EQ(p.showTurbo, 0);
    p.SelectTurboForEdit(); // refused: no TURBO curve in box type 0
    EXPECT_EQ(p.editCr, 1);

    p.SetBoxType(2);
    p.SelectTurboForEdit();
    EXPECT_EQ(p.editTurbo, 1);
    EXPECT_EQ(p.editCr, 0);
    p.ClickShowTurbo();
    EXPECT_EQ(p.showTurbo, 1);
    p.ClickShowCr();
    EXPECT_EQ(p.showCr, 0);
    p.ClickShowCr();
    EXPECT_EQ(p.showCr, 1);
    p.ClickShowCr();
    p.SelectCrForEdit();
    EXPECT_EQ(p.showCr, 1);
    EXPECT_EQ(p.editTurbo, 0);
}

TEST(ProjectView, BehavesAsARadioPairAndGivesTheSettingsCode)
{
    ProjectState p;
    p.SetBoxType(1);
    EXPECT_EQ(p.SettingsCode(), 11);
    p.ChooseInputOutputView();
    EXPECT_EQ(p.graphType, 1);
    EXPECT_EQ(p.differenceView, 0);
    p.ChooseDifferenceView();
    EXPECT_EQ(p.graphType, 0);
    EXPECT_EQ(p.inputOutputView, 0);
    EXPECT_EQ(p.differenceView, 1);
    EXPECT_EQ(p.SettingsCode(), 1);
    p.ChooseDifferenceView();
    EXPECT_EQ(p.graphType, 0);
    p.ChooseInputOutputView();
    EXPECT_EQ(p.SettingsCode(), 11);
    EXPECT_EQ(p.differenceView, 0);
}

TEST(ProjectMove, TransfersTheCurves)
{
    ProjectState a;
    a.crCurve->Add(2.0, 2.2);
    ProjectState b;
    b = std::move(a);
    EXPECT_EQ(CountPoints(b.crCurve), 5);
    EXPECT_EQ(a.crCurve, nullptr);
}

} // namespace
