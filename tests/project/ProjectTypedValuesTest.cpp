#include "CurveTestSupport.h"
#include "ProjectFile.h"
#include "ProjectState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>

namespace {

// What the model alone decides of a typed value: the curve upkeep a taken
// voltage makes, and that a refused value leaves the whole project as it was.
// The limits of each field: the window's tests, through the fields. The
// project starts as New makes it, with a CR point at 2.0 V and one at 3.5 V.
TEST(ProjectTypedValues, TakenVoltagesTrimTheCurveRefusalsChangeNothing)
{
    using Type = std::function<UserText(ProjectState&)>;
    const struct {
        const char* what;
        Type type;
        bool taken;
        Points crAfter; // of a taken value
    } rows[] = {
        { "start voltage above the point at 2 V drops it",
            [](ProjectState& p) { return p.TypeStartVoltage(2.5); }, true,
            { { 0, 0 }, { 2.5, 2.5 }, { 3.5, 3.1 }, { 4.5, 4.5 }, { 5, 5 } } },
        { "stop voltage below the point at 3.5 V drops it; 2 V stays",
            [](ProjectState& p) { return p.TypeStopVoltage(3.0); }, true,
            { { 0, 0 }, { 1.5, 1.5 }, { 2, 1.7 }, { 3, 3 }, { 5, 5 } } },
        { "stop voltage at 5 V keeps the end point",
            [](ProjectState& p) { return p.TypeStopVoltage(5.0); }, true,
            { { 0, 0 }, { 1.5, 1.5 }, { 2, 1.7 }, { 3.5, 3.1 }, { 5, 5 } } },
        { "start voltage between two tenths",
            [](ProjectState& p) { return p.TypeStartVoltage(2.05); }, false, {} },
        { "start voltage not a number",
            [](ProjectState& p) { return p.TypeStartVoltage(std::nan("")); }, false, {} },
        { "stop voltage below the start voltage",
            [](ProjectState& p) { return p.TypeStopVoltage(1.4); }, false, {} },
        { "start delay of 4:01", [](ProjectState& p) { return p.TypeStartDelay(241); }, false, {} },
        { "curve delay off the 20 ms steps", [](ProjectState& p) { return p.TypeCurveDelay(210); },
            false, {} },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ProjectState p;
        p.crCurve.Add(2.0, 1.7);
        p.crCurve.Add(3.5, 3.1);
        const std::string before = WriteProjectText(p);
        const UserText refusal = row.type(p);
        EXPECT_EQ(refusal.Empty(), row.taken) << refusal.English();
        if (row.taken)
            EXPECT_EQ(PointsOf(p.crCurve), row.crAfter);
        else
            EXPECT_EQ(WriteProjectText(p), before);
    }
}

TEST(ProjectTypedValues, StartDelayIsReadAsMinutesAndSeconds)
{
    const struct {
        const char* text;
        std::optional<int> seconds;
    } rows[] = {
        { "1:30", 90 },
        { " 0 : 05 ", 5 },
        { "1:60", std::nullopt },
        { "90", std::nullopt },
        { "1:3a", std::nullopt },
        { "99999999999:00", std::nullopt },
    };
    for (const auto& row : rows)
        EXPECT_EQ(ParseMinutesSeconds(row.text), row.seconds) << row.text;
}

} // namespace
