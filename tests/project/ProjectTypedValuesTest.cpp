#include "CurveTestSupport.h"
#include "ProjectState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>

namespace {

// A typed value takes the arrows' road: the same limits, the same curve
// upkeep; what the arrows could not reach is refused and changes nothing.
// The project starts as New makes it, with a CR point at 2.0 V and one at
// 3.5 V.
TEST(ProjectTypedValues, TakeTheArrowsRoadOrAreRefused)
{
    using Type = std::function<UserText(ProjectState&)>;
    const struct {
        const char* what;
        Type type;
        bool taken;
        Points crAfter; // empty: as before
    } rows[] = {
        { "start voltage above the point at 2 V drops it",
            [](ProjectState& p) { return p.TypeStartVoltage(2.5); }, true,
            { { 0, 0 }, { 2.5, 2.5 }, { 3.5, 3.1 }, { 4.5, 4.5 }, { 5, 5 } } },
        { "start voltage between two tenths",
            [](ProjectState& p) { return p.TypeStartVoltage(2.05); }, false, {} },
        { "start voltage above the stop voltage",
            [](ProjectState& p) { return p.TypeStartVoltage(4.6); }, false, {} },
        { "start voltage not a number",
            [](ProjectState& p) { return p.TypeStartVoltage(std::nan("")); }, false, {} },
        { "stop voltage below the point at 3.5 V drops it; 2 V stays",
            [](ProjectState& p) { return p.TypeStopVoltage(3.0); }, true,
            { { 0, 0 }, { 1.5, 1.5 }, { 2, 1.7 }, { 3, 3 }, { 5, 5 } } },
        { "stop voltage at 5 V keeps the end point",
            [](ProjectState& p) { return p.TypeStopVoltage(5.0); }, true,
            { { 0, 0 }, { 1.5, 1.5 }, { 2, 1.7 }, { 3.5, 3.1 }, { 5, 5 } } },
        { "stop voltage beyond 5 V", [](ProjectState& p) { return p.TypeStopVoltage(5.1); }, false,
            {} },
        { "stop voltage below the start voltage",
            [](ProjectState& p) { return p.TypeStopVoltage(1.4); }, false, {} },
        { "start delay of 4:00", [](ProjectState& p) { return p.TypeStartDelay(240); }, true, {} },
        { "start delay of 4:01", [](ProjectState& p) { return p.TypeStartDelay(241); }, false, {} },
        { "curve delay of 500 ms", [](ProjectState& p) { return p.TypeCurveDelay(500); }, true,
            {} },
        { "curve delay of 510 ms", [](ProjectState& p) { return p.TypeCurveDelay(510); }, false,
            {} },
        { "curve delay off the 20 ms steps", [](ProjectState& p) { return p.TypeCurveDelay(210); },
            false, {} },
        { "curve delay below 0 ms", [](ProjectState& p) { return p.TypeCurveDelay(-20); }, false,
            {} },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ProjectState p;
        p.crCurve->Add(2.0, 1.7);
        p.crCurve->Add(3.5, 3.1);
        const Points before = PointsOf(p.crCurve);
        const int delays[] = { p.startDelayMin, p.startDelaySec, p.curveDelay };
        const UserText refusal = row.type(p);
        EXPECT_EQ(refusal.Empty(), row.taken) << refusal.English();
        EXPECT_EQ(PointsOf(p.crCurve), row.crAfter.empty() ? before : row.crAfter);
        if (!row.taken) {
            EXPECT_EQ(p.startVoltage, 1.5);
            EXPECT_EQ(p.stopVoltage, 4.5);
            EXPECT_EQ(p.startDelayMin, delays[0]);
            EXPECT_EQ(p.startDelaySec, delays[1]);
            EXPECT_EQ(p.curveDelay, delays[2]);
        }
    }
}

// Five clicks up from 1.5 V drift to 1.9999999999999998; typing 2.0 lands on
// 2.0 and leaves the same curve points otherwise.
TEST(ProjectTypedValues, TypedVoltageIsExact)
{
    ProjectState clicked, typed;
    for (int i = 0; i < 5; ++i)
        clicked.StepStartVoltage(true);
    EXPECT_TRUE(typed.TypeStartVoltage(2.0).Empty());
    EXPECT_EQ(typed.startVoltage, 2.0);
    EXPECT_NEAR(clicked.startVoltage, 2.0, 1e-12);
    EXPECT_EQ(CountPoints(typed.crCurve), CountPoints(clicked.crCurve));
}

TEST(ProjectTypedValues, StartDelayIsReadAsMinutesAndSeconds)
{
    const struct {
        const char* text;
        std::optional<int> seconds;
    } rows[] = {
        { "1:30", 90 },
        { " 0 : 05 ", 5 },
        { "4:00", 240 },
        { "0:5", 5 },
        { "1:60", std::nullopt },
        { "90", std::nullopt },
        { "1:", std::nullopt },
        { ":30", std::nullopt },
        { "1:3a", std::nullopt },
        { "-1:30", std::nullopt },
        { "99999999999:00", std::nullopt },
    };
    for (const auto& row : rows)
        EXPECT_EQ(ParseMinutesSeconds(row.text), row.seconds) << row.text;
}

} // namespace
