#include "CurveTestSupport.h"
#include "ProjectState.h"
#include "SettingsCode.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

// The points of a curve, checking on the way that prev mirrors next.
Points Collect(const CPunt* head)
{
    const CPunt* last = nullptr;
    for (const CPunt* p = head; p; last = p, p = p->next)
        EXPECT_EQ(p->prev, last) << "prev does not mirror next at " << p->input;
    return PointsOf(head);
}

// Add ('+') returns the new head when the point goes below the old one, and
// 0.9999999999999999 is another input than 1; Remove ('-') takes only an
// exact match after the head.
TEST(PuntEdit, AddsSortedReplacesEqualInputsAndRemovesExactMatches)
{
    const Points start { { 0, 0 }, { 1, 1 }, { 5, 5 } };
    const std::tuple<char, double, double, Points> cases[]
        = { { '+', 2.0, 3.1, { { 0, 0 }, { 1, 1 }, { 2, 3.1 }, { 5, 5 } } },
              { '+', 1.0, 2.5, { { 0, 0 }, { 1, 2.5 }, { 5, 5 } } },
              { '+', 6.0, 1.0, { { 0, 0 }, { 1, 1 }, { 5, 5 }, { 6, 1 } } },
              { '+', -0.5, 0.2, { { -0.5, 0.2 }, { 0, 0 }, { 1, 1 }, { 5, 5 } } },
              { '+', 0.0, 4.0, { { 0, 4 }, { 1, 1 }, { 5, 5 } } },
              { '+', 0.9999999999999999, 2.0,
                  { { 0, 0 }, { 0.9999999999999999, 2 }, { 1, 1 }, { 5, 5 } } },
              { '-', 0.0, 0, start }, { '-', 1.0000000000000002, 0, start },
              { '-', 1.0, 0, { { 0, 0 }, { 5, 5 } } }, { '-', 5.0, 0, { { 0, 0 }, { 1, 1 } } } };
    for (const auto& [op, x, y, expected] : cases) {
        SCOPED_TRACE(testing::Message() << op << x);
        CPunt* head = BuildCurve(start);
        if (op == '+')
            head = head->Add(x, y);
        else
            head->Remove(x);
        EXPECT_EQ(Collect(head), expected);
        delete head;
    }
}

// Find gives the last point not above the value; FindNear the nearest point
// strictly within the tolerance, a tie going to the higher point (-1: none).
TEST(PuntFind, LastPointNotAboveAndNearestWithStrictTolerance)
{
    CPunt* head = BuildCurve({ { 0, 0 }, { 2, 2 }, { 3, 3 } });
    EXPECT_EQ(head->Find(-0.1), nullptr);
    EXPECT_EQ(head->Find(2.5)->input, 2.0);
    EXPECT_EQ(head->Find(9.0)->input, 3.0);
    const std::tuple<double, double, double> cases[] = { { 2.5, 1.0, 3.0 }, { 2.25, 1.0, 2.0 },
        { 2.5, 0.5, -1 }, { 2.9, 0.2, 3.0 }, { 3.4, 0.5, 3.0 }, { 3.5, 0.5, -1 } };
    for (const auto& [x, tolerance, expected] : cases) {
        const CPunt* found = head->FindNear(x, tolerance);
        EXPECT_EQ(found ? found->input : -1, expected) << x << " within " << tolerance;
    }
    delete head;
}

TEST(PuntLifetime, DestroyingTheHeadFreesALongCurve)
{
    // The sanitizer build reports unfreed points; freeing must not recurse.
    CPunt* head = new CPunt(2.0, 0.0);
    for (int i = 199999; i > 0; --i)
        head = head->Add(i * 1e-5, 0.0);
    EXPECT_EQ(CountPoints(head), 200000);
    delete head;
}

// From TURBO, points outside the voltages are dropped and a point at the start
// voltage sets that point's output.
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
    EXPECT_EQ(PointsOf(p.crCurve),
        (Points { { 0, 0 }, { 1.5, 1.2 }, { 3.0, 3.3 }, { 4.5, 4.5 }, { 5, 5 } }));
}

TEST(ProjectResetsAndTrims, KeepTheEndsAndMoveTheVoltagePoints)
{
    ProjectState p;
    p.ReplaceCrCurve(
        BuildCurve({ { 0, 0 }, { 0.5, 1 }, { 1.5, 2 }, { 4.5, 3 }, { 4.7, 1 }, { 5, 5 } }));
    p.TrimBelowStart();
    p.TrimAboveStop();
    EXPECT_EQ(PointsOf(p.crCurve), (Points { { 0, 0 }, { 1.5, 2 }, { 4.5, 3 }, { 5, 5 } }));
    p.turboCurve->Add(2.0, 1.0);
    p.ResetCrCurve();
    p.ResetTurboCurve();
    EXPECT_EQ(PointsOf(p.crCurve), (Points { { 0, 0 }, { 1.5, 1.5 }, { 4.5, 4.5 }, { 5, 5 } }));
    EXPECT_EQ(PointsOf(p.turboCurve), (Points { { 0, 0 }, { 5, 5 } }));
    for (double x : { 1.55, 2.0, 4.0, 4.45 })
        p.crCurve->Add(x, 3.0);
    p.StepStartVoltage(true); // the steps trim the points they pass
    p.StepStopVoltage(false);
    EXPECT_EQ(PointsOf(p.crCurve),
        (Points { { 0, 0 }, { 1.6, 1.6 }, { 2, 3 }, { 4, 3 }, { 4.4, 4.4 }, { 5, 5 } }));
}

// Start or stop, up, start and stop voltage, the steps' values: drifting
// unrounded, stopping at 0.9 V, start never past stop, stop ending at 5.
TEST(ProjectVoltages, StepsDriftExactlyWithinTheirLimits)
{
    using Steps = std::vector<double>;
    const std::tuple<bool, bool, double, double, Steps> cases[]
        = { { true, false, 1.5, 4.5,
                { 1.4, 1.2999999999999998, 1.1999999999999997, 1.0999999999999996, 0.9, 0.8 } },
              { true, true, 0.6, 4.5, { 0.7, 0.7999999999999999, 0.8999999999999999, 0.9, 1.0 } },
              { true, false, 0.10000000000000014, 4.5, { 0.0, 0.0 } },
              { true, true, 4.4, 4.5, { 4.5, 4.5 } },
              { false, true, 1.5, 4.5,
                  { 4.6, 4.699999999999999, 4.799999999999999, 4.899999999999999, 4.999999999999998,
                      5.0, 5.0 } },
              { false, false, 1.5, 1.6, { 1.5, 1.5 } } };
    for (const auto& [start, up, startVoltage, stopVoltage, steps] : cases) {
        SCOPED_TRACE(testing::Message() << start << up << " " << startVoltage);
        ProjectState p;
        std::tie(p.startVoltage, p.stopVoltage) = std::make_tuple(startVoltage, stopVoltage);
        for (double expected : steps) {
            start ? p.StepStartVoltage(up) : p.StepStopVoltage(up);
            EXPECT_EQ(start ? p.startVoltage : p.stopVoltage, expected);
        }
    }
}

// Once, stepping down to zero from 1.5 V ended at 1.4e-16 V, which showed
// as such and left a second point beside the head.
TEST(ProjectVoltages, StartStepsDownFromTheDefaultEndAtExactlyZero)
{
    ProjectState p;
    for (int i = 0; i < 15; ++i)
        p.StepStartVoltage(false);
    EXPECT_EQ(p.startVoltage, 0.0);
    EXPECT_EQ(PointsOf(p.crCurve), (Points { { 0, 0 }, { 4.5, 4.5 }, { 5, 5 } }));
}

// Once, lowering the stop voltage removed every point from 0.1 V below the
// new stop voltage upwards.
TEST(ProjectVoltages, LoweringTheStopVoltageKeepsThePointsBelowIt)
{
    ProjectState p;
    for (double x : { 4.3, 4.35, 4.4, 4.45 })
        p.crCurve->Add(x, 3.0);
    p.StepStopVoltage(false);
    EXPECT_EQ(PointsOf(p.crCurve),
        (Points { { 0, 0 }, { 1.5, 1.5 }, { 4.3, 3 }, { 4.35, 3 }, { 4.4, 4.4 }, { 5, 5 } }));
}

// The three point edits on either curve and view: what each does to the point
// at 2.0 V (or the named input) and the reason given when held back.
TEST(ProjectPoints, EditsFollowTheDraggingRulesAndSayWhy)
{
    enum Edit { Set, Remove, OnLine };
    struct Row {
        const char* name;
        bool turbo, difference;
        Edit edit;
        double input, output;
        bool changed;
        double after; // the output at the input afterwards, -1: no point there
        const char* refusal;
    };
    const Row rows[] = {
        { "CR output snaps to the box's step", false, false, Set, 2.0, 1.234, true, 1.24, "" },
        { "CR output held at the input", false, false, Set, 2.0, 2.5, true, 2.0,
            "The output at 2.00 V stays between 0.40 V and 2.00 V" },
        { "CR point at the start voltage", false, false, Set, 1.5, 1.0, false, 1.5,
            "Only points between the start and stop voltage can be moved" },
        { "CR new point below the start voltage", false, false, Set, 1.0, 1.0, false, -1,
            "Only points between the start and stop voltage can be moved" },
        { "the point at 0 V", true, false, Set, 0.0, 0.5, false, 0.0, "The point at 0 V stays" },
        { "TURBO rises above the line", true, false, Set, 2.0, 3.6, true, 3.6, "" },
        { "TURBO held 1.6 V above", true, false, Set, 2.0, 4.0, true, 3.6,
            "The output at 2.00 V stays between 0.40 V and 3.60 V" },
        { "TURBO in the Difference view stays below", true, true, Set, 2.0, 2.5, true, 2.0,
            "The output at 2.00 V stays between 0.40 V and 2.00 V" },
        { "remove a CR point", false, false, Remove, 2.0, 0, true, -1, "" },
        { "remove the CR stop point", false, false, Remove, 4.5, 0, false, 4.5,
            "The CR points at the start and stop voltage stay" },
        { "remove the point at 5 V", true, false, Remove, 5.0, 0, false, 5.0,
            "The point at 5 V stays" },
        { "back on the line below the start voltage", false, false, OnLine, 1.0, 0, true, 1.0, "" },
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ProjectState p;
        p.SetBoxType(2);
        if (r.turbo)
            p.SelectTurboForEdit();
        if (r.difference)
            p.ChooseDifferenceView();
        p.EditedCurve()->Add(2.0, 1.0);
        const PointEditResult result = r.edit == Set ? p.SetPointOutput(r.input, r.output)
            : r.edit == Remove                       ? p.RemovePoint(r.input)
                                                     : p.PutPointOnLine(r.input);
        EXPECT_EQ(result.changed, r.changed);
        EXPECT_EQ(result.refusal, r.refusal);
        const CPunt* at = p.EditedCurve()->Find(r.input);
        EXPECT_NEAR(at && at->input == r.input ? at->output : -1, r.after, 1e-12);
    }
}

// Spin, up, start delay and curve delay before and after: the start delay
// wraps both ways; the curve delay's limits are checked before the step.
TEST(ProjectDelays, StepsWrapAndStopAtTheirLimits)
{
    using Delays = std::tuple<int, int, int>;
    const std::tuple<char, bool, Delays, Delays> cases[] = { { 's', true, { 3, 59, 0 },
                                                                 { 4, 0, 0 } },
        { 's', true, { 4, 0, 0 }, { 0, 0, 0 } }, { 's', false, { 0, 0, 0 }, { 4, 0, 0 } },
        { 's', false, { 2, 0, 0 }, { 1, 59, 0 } }, { 'm', true, { 3, 30, 0 }, { 4, 0, 0 } },
        { 'm', true, { 4, 0, 0 }, { 0, 0, 0 } }, { 'm', false, { 0, 45, 0 }, { 4, 0, 0 } },
        { 'c', true, { 0, 0, 500 }, { 0, 0, 500 } }, { 'c', false, { 0, 0, 0 }, { 0, 0, 0 } },
        { 'c', true, { 0, 0, 490 }, { 0, 0, 510 } }, { 'c', false, { 0, 0, 10 }, { 0, 0, -10 } } };
    for (const auto& [spin, up, before, after] : cases) {
        SCOPED_TRACE(testing::Message() << spin << up << " " << testing::PrintToString(before));
        ProjectState p;
        std::tie(p.startDelayMin, p.startDelaySec, p.curveDelay) = before;
        spin == 's'       ? p.StepStartDelaySeconds(up)
            : spin == 'm' ? p.StepStartDelayMinutes(up)
                          : p.StepCurveDelay(up);
        EXPECT_EQ(Delays(p.startDelayMin, p.startDelaySec, p.curveDelay), after);
    }
}

// Code, applied, box type, graph type. The project starts at box type 1 and
// the other view, so what a code leaves alone shows.
TEST(SettingsCode, AppliesAndFollowsViewAndBoxType)
{
    const std::tuple<const char*, bool, int, int> cases[]
        = { { "12", true, 2, 1 }, { "2", true, 2, 0 }, { "10", true, 0, 1 }, { "7", false, 1, 0 },
              { "13", false, 1, 1 }, { "-12", false, 1, 1 }, { "abc", true, 0, 0 },
              { " 12 junk", true, 2, 1 }, { "99999999999", false, 1, 1 } };
    for (const auto& [text, applied, boxType, graphType] : cases) {
        SCOPED_TRACE(text);
        ProjectState p;
        p.SetBoxType(1);
        p.SetGraphType(1 - graphType);
        EXPECT_EQ(ApplySettingsCode(text, p), applied);
        EXPECT_EQ(std::make_tuple(p.boxType, p.turboEnabled, p.inputOutputView, p.differenceView),
            std::make_tuple(boxType, boxType == 2, graphType, 1 - graphType));
        EXPECT_EQ(FormatSettingsCode(p), std::to_string(graphType * 10 + boxType));
    }

    // The view check boxes act as a radio pair, and the code follows them.
    ProjectState p;
    p.SetBoxType(1);
    p.ChooseDifferenceView();
    p.ChooseDifferenceView();
    EXPECT_EQ(FormatSettingsCode(p), "1");
    p.SetBoxType(2);
    p.ChooseInputOutputView();
    EXPECT_EQ(FormatSettingsCode(p), "12");
}

} // namespace
