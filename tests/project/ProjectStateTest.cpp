#include "ProjectState.h"
#include "CurveTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const Points kDefaultCr { { 0, 0 }, { 1.5, 1.5 }, { 4.5, 4.5 }, { 5, 5 } };
const Points kStraight { { 0, 0 }, { 5, 5 } };

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
        EXPECT_EQ(PointsOf(p.crCurve), kDefaultCr);
        EXPECT_EQ(PointsOf(p.turboCurve), kStraight);
        EXPECT_EQ(p.curveDelay, 200);
        EXPECT_EQ(p.boxType, type);
        EXPECT_EQ(p.graphType, 0);
        EXPECT_EQ(p.editTurbo, type == 2 ? 1 : 0);
        // New once set one input whatever the box type.
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
    EXPECT_TRUE(p.SetBoxType(1));
    EXPECT_EQ(p.editCr, 1);
    EXPECT_EQ(p.showCr, 1);
    EXPECT_FALSE(p.turboEnabled);
    EXPECT_TRUE(p.SetBoxType(2));
    EXPECT_EQ(PointsOf(p.turboCurve), (Points { { 0, 0 }, { 2, 4 }, { 5, 5 } }));
    EXPECT_FALSE(p.SetBoxType(7));
    EXPECT_EQ(p.boxType, 2);
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

    ProjectState single; // box type 0: there is no TURBO curve to copy to
    single.crCurve->Add(2.0, 1.0);
    single.CopyCurve();
    EXPECT_EQ(PointsOf(single.turboCurve), kStraight);
}

TEST(ProjectResetsAndTrims, KeepTheEndsAndTheVoltagePoints)
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
    p.ResetCrCurve();
    p.ResetTurboCurve();
    EXPECT_EQ(PointsOf(p.crCurve), kDefaultCr);
    EXPECT_EQ(PointsOf(p.turboCurve), kStraight);
}

TEST(ProjectStartVoltage, DriftsExactlyAndKeepsTheNinetyRule)
{
    ProjectState p;
    for (double expected :
        { 1.4, 1.2999999999999998, 1.1999999999999997, 1.0999999999999996, 0.9, 0.8 }) {
        p.StepStartVoltage(false);
        EXPECT_EQ(p.startVoltage, expected);
    }
    EXPECT_EQ(PointsOf(p.crCurve), (Points { { 0, 0 }, { 0.8, 0.8 }, { 4.5, 4.5 }, { 5, 5 } }));

    p.startVoltage = 0.6;
    for (double expected : { 0.7, 0.7999999999999999, 0.8999999999999999, 0.9, 1.0 }) {
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
    for (double expected : { 4.6, 4.699999999999999, 4.799999999999999, 4.899999999999999,
             4.999999999999998, 5.0, 5.0 }) {
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

    q.startVoltage = 4.4;
    q.StepStopVoltage(false);
    EXPECT_EQ(q.stopVoltage, 4.4);
}

TEST(ProjectStartDelay, WrapsBothWays)
{
    struct Case {
        bool seconds, up;
        int m, s, m2, s2;
    };
    const Case cases[] = {
        { true, true, 3, 59, 4, 0 },
        { true, true, 4, 0, 0, 0 },
        { true, false, 0, 0, 4, 0 },
        { true, false, 2, 0, 1, 59 },
        { false, true, 3, 30, 4, 0 },
        { false, true, 4, 0, 0, 0 },
        { false, true, 1, 15, 2, 15 },
        { false, false, 0, 45, 4, 0 },
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
    // from, up, to: the limits are checked before the step.
    const std::vector<std::tuple<int, bool, int>> cases
        = { { 500, true, 500 }, { 0, false, 0 }, { 490, true, 510 }, { 10, false, -10 } };
    for (const auto& [from, up, to] : cases) {
        ProjectState p;
        p.curveDelay = from;
        p.StepCurveDelay(up);
        EXPECT_EQ(p.curveDelay, to) << from << (up ? " up" : " down");
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
    p.SelectCrForEdit(); // editing a hidden curve shows it
    EXPECT_EQ(p.showCr, 1);
    EXPECT_EQ(p.editTurbo, 0);
}

} // namespace
