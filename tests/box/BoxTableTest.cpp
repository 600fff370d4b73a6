#include <BoxTable.h>
#include <BoxText.h>
#include <Frames.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <set>

namespace {

CCurve CurveWithPoints(int count)
{
    CCurve curve = CCurve::Straight();
    for (int i = 1; i < count - 1; ++i)
        curve.Add(i * 5.0 / (count - 1), 2.0);
    return curve;
}

} // namespace

// The default project's cells, worked out by hand: the parameters, the CR
// pairs with the half-volt steps (cell 127: 229.5) and the empty-pair marker
// 251 everywhere else; no differences for the straight CR curve.
TEST(BoxTable, DefaultProjectCells)
{
    BoxTable table = ComputeBoxTable(ProjectState());
    const std::map<int, double> cells
        = { { 1, 45 }, { 2, 75 }, { 3, 75 }, { 4, 225 }, { 5, 225 }, { 6, 250 }, { 7, 250 },
              { 126, 15 }, { 127, 229.5 }, { 252, 100 }, { 253, 76.5 }, { 254, 60 } };
    for (int cell = 0; cell <= 254; ++cell) // no TURBO points for box type 0
        EXPECT_EQ(table[cell], cell == 0 ? 0 : cells.count(cell) ? cells.at(cell) : 251) << cell;
    for (int cell = 256; cell <= 511; ++cell)
        EXPECT_EQ(TruncatedWriteFrame(cell, table[cell]), TruncatedWriteFrame(cell, 0))
            << "cell " << cell;
}

TEST(BoxTable, StraightTurboCurveTruncatesTwentyInputsToOneLess)
{
    const std::set<int> lower = { 31, 59, 62, 105, 111, 117, 118, 124, 209, 210, 211, 221, 222, 223,
        234, 235, 236, 247, 248, 249 };
    ProjectState project;
    project.SetBoxType(2);
    BoxTable table = ComputeBoxTable(project);
    for (int n = 0; n <= 254; ++n) {
        int expected = lower.count(n) ? n - 1 : n;
        EXPECT_EQ(std::trunc(table[512 + n]), expected) << "n " << n;
    }
}

// At most 62 CR and 63 TURBO pairs fit: the pairs after them would overwrite
// the empty-pair marker and the cells that follow.
TEST(BoxTable, PointsBeyondTheLimitsStayOutOfTheTable)
{
    ProjectState project;
    project.SetBoxType(2);
    project.crCurve = CurveWithPoints(82);
    project.turboCurve = CurveWithPoints(83);
    const BoxTable table = ComputeBoxTable(project);
    int crPairs = 0;
    int turboPairs = 0; // 126, the first, holds the start voltage
    for (int cell = 0; cell <= 124; cell += 2)
        crPairs += table[cell] <= 250;
    for (int cell = 126; cell <= 250; cell += 2)
        turboPairs += table[cell] <= 250;
    EXPECT_EQ(crPairs, 62);
    EXPECT_EQ(turboPairs, 63);
    EXPECT_EQ(table[124], 251.0);
    EXPECT_EQ(table[125], 251.0);
}

TEST(BoxRefusals, NameTheValueTheBoxCannotHold)
{
    struct Case {
        const char* what;
        void (*change)(ProjectState&);
        const char* expected;
    } cases[] = {
        { "CR output", [](ProjectState& p) { p.crCurve.Add(2.0, 5.2); },
            "CR point 3: output 5.2 V" },
        { "delay too long", [](ProjectState& p) { p.curveDelay = 520; },
            "Curve delay 520 lies outside 0 to 500" },
        { "start delay",
            [](ProjectState& p) {
                p.startDelayMin = 4;
                p.startDelaySec = 1;
            },
            "Start delay 4 min 1 s (4:01) lies outside 0:00 to 4:00" },
        { "CR points", [](ProjectState& p) { p.crCurve = CurveWithPoints(63); },
            "CR curve has 63 points; the box stores at most 62." },
    };
    for (const Case& c : cases) {
        ProjectState project;
        c.change(project);
        const std::vector<UserText> reasons = BoxRefusals(project);
        ASSERT_EQ(reasons.size(), 1u) << c.what;
        const std::string reason = reasons[0].English();
        EXPECT_NE(reason.find(c.expected), std::string::npos) << c.what << ": " << reason;
    }
}

// The joins of a list nest as a tree; every line keeps its place in it.
TEST(JoinedLines, KeepsEveryLineInItsPlace)
{
    std::vector<UserText> lines;
    std::string expected;
    for (int count = 1; count <= 9; ++count) {
        lines.push_back(RAMVIK_TR("Test", "line %1").Arg(std::to_string(count)));
        expected += (count > 1 ? "\n" : "") + lines.back().English();
        EXPECT_EQ(JoinedLines(lines, RAMVIK_TR("Test", "%1\n%2")).English(), expected) << count;
    }
    EXPECT_TRUE(JoinedLines({}, RAMVIK_TR("Test", "%1\n%2")).Empty());
}

TEST(Frames, DataCellsRoundHalvesAwayFromZeroTableCellsTruncateTowardZero)
{
    struct Case {
        bool rounded;
        int cell;
        double value;
        const char* frame;
    } cases[] = {
        { true, 253, 76.5, "#02530077;" }, // printf("%.0f") would give 0076
        { true, 10, -2.5, "#0010-003;" },
        { true, 1, std::numeric_limits<double>::quiet_NaN(), "#00010000;" },
        { false, 300, -2.7, "#0300-002;" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            c.rounded ? RoundedWriteFrame(c.cell, c.value) : TruncatedWriteFrame(c.cell, c.value),
            c.frame)
            << c.value;
}

TEST(Frames, ReadAnswersCountOnlyAsBlanksSignAndDigits)
{
    struct Case {
        const char* answer;
        bool counts;
        int value;
    } cases[] = {
        { "0213", true, 213 },
        { "  12", true, 12 },
        { "  +7", true, 7 },
        { " 12x", false, 0 }, // a trailing character
        { "12 3", false, 0 }, // a blank after a digit
        { "0K01", false, 0 }, // a write answer shifted into a read answer
        { "02130", false, 0 },
    };
    for (const Case& c : cases) {
        int value = 0;
        EXPECT_EQ(ParseAnswer(c.answer, value), c.counts) << c.answer;
        EXPECT_EQ(value, c.value) << c.answer;
    }
}
