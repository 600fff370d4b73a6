#include "CurveTestSupport.h"
#include "ProjectState.h"
#include "SettingsCode.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using Step = void (ProjectState::*)(bool up);

TEST(PuntLifetime, DestroyingTheHeadFreesALongCurve)
{
    // The sanitizer build reports unfreed points; freeing must not recurse.
    CCurve curve { { 2.0, 0.0 } };
    for (int i = 199999; i > 0; --i)
        curve.Add(i * 1e-5, 0.0);
    EXPECT_EQ(curve.Count(), 200000);
    CCurve copy = curve;
    EXPECT_EQ(copy, curve);
}

// From TURBO, points outside the voltages are dropped and a point at the start
// voltage sets that point's output.
TEST(ProjectCopyCurve, CopiesInBothDirections)
{
    ProjectState p;
    p.SetBoxType(2);
    p.crCurve.Add(2.0, 2.7);
    p.CopyCurve();
    EXPECT_EQ(PointsOf(p.turboCurve), PointsOf(p.crCurve));
    p.turboCurve = BuildCurve(
        { { 0, 0 }, { 0.5, 1.0 }, { 1.5, 1.2 }, { 3.0, 3.3 }, { 4.8, 4.0 }, { 5, 5 } });
    p.SelectTurboForEdit();
    p.CopyCurve();
    EXPECT_EQ(PointsOf(p.crCurve),
        (Points { { 0, 0 }, { 1.5, 1.2 }, { 3.0, 3.3 }, { 4.5, 4.5 }, { 5, 5 } }));
}

// Spin steps drift unrounded, but the start lands on exactly 0.9 V and 0 V
// going down, and the stop ends at exactly 5 and never passes the start.
TEST(ProjectVoltages, StepsDriftExactlyWithinTheirLimits)
{
    const Step start = &ProjectState::StepStartVoltage, stop = &ProjectState::StepStopVoltage;
    const struct {
        const char* name;
        Step step;
        bool up;
        double startVoltage, stopVoltage;
        std::vector<double> values;
    } rows[] = {
        { "start down from 1.5 V", start, false, 1.5, 4.5,
            { 1.4, 1.2999999999999998, 1.1999999999999997, 1.0999999999999996, 0.9, 0.8 } },
        { "stop up to 5 V", stop, true, 1.5, 4.899999999999999, { 4.999999999999998, 5.0, 5.0 } },
        { "stop down against the start", stop, false, 1.5, 1.6, { 1.5, 1.5 } },
        // Once, this step ended at 1.3877787807814457e-16 instead of 0.
        { "start down to 0 V", start, false, 0.10000000000000014, 4.5, { 0.0, 0.0 } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ProjectState p;
        std::tie(p.startVoltage, p.stopVoltage)
            = std::make_tuple(row.startVoltage, row.stopVoltage);
        for (double expected : row.values) {
            (p.*row.step)(row.up);
            EXPECT_EQ(row.step == start ? p.startVoltage : p.stopVoltage, expected);
        }
    }
}

// A voltage step removes the points it passes and moves its own point. Once,
// lowering the stop voltage removed every point from 0.1 V below the new
// stop voltage upwards.
TEST(ProjectVoltages, StepsRemoveOnlyThePointsTheyPass)
{
    ProjectState p;
    for (double x : { 1.55, 2.0, 4.3, 4.35, 4.4, 4.45 })
        p.crCurve.Add(x, 3.0);
    p.StepStartVoltage(true);
    p.StepStopVoltage(false);
    EXPECT_EQ(PointsOf(p.crCurve),
        (Points {
            { 0, 0 }, { 1.6, 1.6 }, { 2, 3 }, { 4.3, 3 }, { 4.35, 3 }, { 4.4, 4.4 }, { 5, 5 } }));
}

// The three point edits on either curve and view: what each does to the point
// at 2.0 V (or the named input) and the reason given when held back. The CR
// curve's limits and refusals: the window's key and entry tests.
TEST(ProjectPoints, EditsFollowTheDraggingRulesAndSayWhy)
{
    enum class Edit { Set, Remove, OnLine };
    enum class Curve { Cr, Turbo, TurboInTheDifferenceView };
    const struct {
        const char* name;
        Curve curve;
        Edit edit;
        double input, output;
        bool changed;
        double after; // the output at the input afterwards, -1: no point there
        const char* refusal;
    } rows[] = {
        { "TURBO held 1.6 V above", Curve::Turbo, Edit::Set, 2.0, 4.0, true, 3.6,
            "The output at 2.00 V stays between 0.40 V and 3.60 V" },
        { "TURBO in the Difference view stays below", Curve::TurboInTheDifferenceView, Edit::Set,
            2.0, 2.5, true, 2.0, "The output at 2.00 V stays between 0.40 V and 2.00 V" },
        { "remove the point at 5 V", Curve::Turbo, Edit::Remove, 5.0, 0, false, 5.0,
            "The point at 5 V stays" },
        { "back on the line below the start voltage", Curve::Cr, Edit::OnLine, 1.0, 0, true, 1.0,
            "" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ProjectState p;
        p.SetBoxType(2);
        if (row.curve != Curve::Cr)
            p.SelectTurboForEdit();
        if (row.curve == Curve::TurboInTheDifferenceView)
            p.ChooseDifferenceView();
        p.EditedCurve().Add(2.0, 1.0);
        const PointEditResult result = row.edit == Edit::Set
            ? p.SetPointOutput(row.input, row.output)
            : row.edit == Edit::Remove ? p.RemovePoint(row.input)
                                       : p.PutPointOnLine(row.input);
        EXPECT_EQ(result.changed, row.changed);
        EXPECT_EQ(result.refusal.English(), row.refusal);
        const CPunt* at = p.EditedCurve().Find(row.input);
        EXPECT_NEAR(at && at->input == row.input ? at->output : -1, row.after, 1e-12);
    }
}

// The start delay wraps both ways between 0:00 and 4:00; the curve delay's
// limits are checked before the step, so one step goes past them.
TEST(ProjectDelays, StepsWrapAndStopAtTheirLimits)
{
    const Step seconds = &ProjectState::StepStartDelaySeconds;
    const Step minutes = &ProjectState::StepStartDelayMinutes;
    const Step curveDelay = &ProjectState::StepCurveDelay;
    using Delays = std::tuple<int, int, int>; // minutes, seconds, curve delay
    const struct {
        const char* name;
        Step step;
        bool up;
        Delays before, after;
    } rows[] = {
        { "seconds up past 4:00", seconds, true, { 4, 0, 0 }, { 0, 0, 0 } },
        { "minutes down past 0:45", minutes, false, { 0, 45, 0 }, { 4, 0, 0 } },
        { "curve delay up at 500", curveDelay, true, { 0, 0, 500 }, { 0, 0, 500 } },
        { "curve delay up from 490", curveDelay, true, { 0, 0, 490 }, { 0, 0, 510 } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ProjectState p;
        std::tie(p.startDelayMin, p.startDelaySec, p.curveDelay) = row.before;
        (p.*row.step)(row.up);
        EXPECT_EQ(Delays(p.startDelayMin, p.startDelaySec, p.curveDelay), row.after);
    }
}

// From box type 1 and the other view: whether the code applies, and the box
// type and graph type it leaves (and stores again).
TEST(SettingsCode, AppliesAndFollowsViewAndBoxType)
{
    struct Row {
        const char* what;
        const char* code;
        bool applied;
        int boxType, graphType;
    };
    const Row rows[] = {
        { "box type 2 in the Difference view", "2", true, 2, 0 },
        { "box type 0 in the Input-Output view", "10", true, 0, 1 },
        { "a negative code changes nothing", "-12", false, 1, 1 },
        { "a code beyond the int range changes nothing", "99999999999", false, 1, 1 },
    };
    for (const auto& [what, text, applied, boxType, graphType] : rows) {
        SCOPED_TRACE(what);
        ProjectState p;
        p.SetBoxType(1);
        p.SetGraphType(1 - graphType);
        EXPECT_EQ(ApplySettingsCode(text, p), applied);
        EXPECT_EQ(std::make_tuple(p.boxType, p.turboEnabled, p.inputOutputView, p.differenceView),
            std::make_tuple(boxType, boxType == 2, graphType, 1 - graphType));
        EXPECT_EQ(FormatSettingsCode(p), std::to_string(graphType * 10 + boxType));
    }
}

} // namespace
