#include "PointRange.h"
#include "CurveTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

// The CR curve of New with points at 2, 3 and 4 V.
const Points kCr { { 0, 0 }, { 1.5, 1.5 }, { 2, 1.7 }, { 3, 2.8 }, { 4, 3.6 }, { 4.5, 4.5 },
    { 5, 5 } };

// A CR&TURBO project in the Input-Output view whose edited curve holds the
// points; the CR curve while start and stop stay at 1.5 V and 4.5 V.
ProjectState ProjectWith(bool turbo, const Points& curve)
{
    ProjectState project;
    project.SetBoxType(2);
    if (turbo)
        project.SelectTurboForEdit();
    project.EditedCurve() = BuildCurve(curve);
    return project;
}

RangeEditResult Scale110(ProjectState& p, const PointSelection& s)
{
    return ScaleOutputs(p, s, 110.0);
}

// Each operation at its limits: what the edited curve holds afterwards and
// what the status line says. An empty curve after: refused, nothing changed.
TEST(PointRange, OperationsSnapHoldAndKeepWhatTheRulesKeep)
{
    using Operation = RangeEditResult (*)(ProjectState&, const PointSelection&);
    const struct {
        const char* name;
        bool turbo;
        Points before;
        PointSelection selection;
        Operation operation;
        Points after;
        const char* status;
    } rows[] = {
        { "+10 % on a TURBO range touching 5 V", true,
            { { 0, 0 }, { 3, 3 }, { 4, 4 }, { 4.6, 4.6 }, { 5, 4.8 } }, { 3, 4, 4.6, 5 }, Scale110,
            { { 0, 0 }, { 3, 3.3 }, { 4, 4.4 }, { 4.6, 5 }, { 5, 5 } },
            "4 points changed, 2 held at 5.00 V" },
        { "one CR point held at its input", false, kCr, { 2 },
            [](ProjectState& p, const PointSelection& s) { return SetOutputs(p, s, 2.5); },
            { { 0, 0 }, { 1.5, 1.5 }, { 2, 2 }, { 3, 2.8 }, { 4, 3.6 }, { 4.5, 4.5 }, { 5, 5 } },
            "1 point changed, 1 held at 2.00 V" },
        { "a selection with the start and stop points", false, kCr, { 1.5, 2, 3, 4.5 },
            [](ProjectState& p, const PointSelection& s) { return AddToOutputs(p, s, -0.1); },
            { { 0, 0 }, { 1.5, 1.5 }, { 2, 1.6 }, { 3, 2.7 }, { 4, 3.6 }, { 4.5, 4.5 }, { 5, 5 } },
            "2 points changed, 2 may not move" },
        { "every point, as an arrow key moves them", false, kCr, { 0, 1.5, 2, 3, 4, 4.5, 5 },
            [](ProjectState& p, const PointSelection& s) { return AddToOutputs(p, s, 0.02); },
            { { 0, 0 }, { 1.5, 1.5 }, { 2, 1.72 }, { 3, 2.82 }, { 4, 3.62 }, { 4.5, 4.5 },
                { 5, 5 } },
            "3 points changed, 4 may not move" },
        { "a negative percentage holds each output at its own limit", false, kCr, { 2, 3 },
            [](ProjectState& p, const PointSelection& s) { return ScaleOutputs(p, s, -10); },
            { { 0, 0 }, { 1.5, 1.5 }, { 2, 0.4 }, { 3, 1.4 }, { 4, 3.6 }, { 4.5, 4.5 }, { 5, 5 } },
            "2 points changed, 2 held at their limits" },
        { "interpolating from the start point, which stays", false, kCr, { 1.5, 2, 3, 4 },
            InterpolateOutputs,
            { { 0, 0 }, { 1.5, 1.5 }, { 2, 1.92 }, { 3, 2.76 }, { 4, 3.6 }, { 4.5, 4.5 },
                { 5, 5 } },
            "2 points changed" },
        { "interpolating one point", false, kCr, { 2 }, InterpolateOutputs, {},
            "Interpolating needs three selected points or more." },
        { "smoothing goes halfway to the neighbours' line", true,
            { { 0, 0 }, { 2, 1.6 }, { 2.5, 2.4 }, { 3, 2 }, { 3.5, 3.3 }, { 5, 5 } },
            { 2, 2.5, 3, 3.5 }, SmoothOutputs,
            { { 0, 0 }, { 2, 1.6 }, { 2.5, 2.1 }, { 3, 2.42 }, { 3.5, 3.3 }, { 5, 5 } },
            "2 points changed" },
        { "smoothing flattens a zigzag in one step", true,
            { { 0, 0 }, { 2, 1.6 }, { 2.2, 2 }, { 2.4, 1.6 }, { 2.6, 2 }, { 2.8, 1.6 }, { 5, 5 } },
            { 2, 2.2, 2.4, 2.6, 2.8 }, SmoothOutputs,
            { { 0, 0 }, { 2, 1.6 }, { 2.2, 1.8 }, { 2.4, 1.8 }, { 2.6, 1.8 }, { 2.8, 1.6 },
                { 5, 5 } },
            "3 points changed" },
        { "no number", false, kCr, { 2 },
            [](ProjectState& p, const PointSelection& s) { return SetOutputs(p, s, NAN); }, {},
            "The value is not a number." },
        { "nothing selected that the curve holds", false, kCr, { 2.5 }, Scale110, {},
            "No point is selected." },
        { "outputs taken along the other project's curve", false, kCr, { 2, 3, 4 },
            [](ProjectState& p, const PointSelection& s) {
                return TakeOutputsFrom(p, s,
                    ProjectWith(
                        false, { { 0, 0 }, { 1.5, 1.5 }, { 2.5, 2.1 }, { 4.5, 4.5 }, { 5, 5 } }));
            },
            { { 0, 0 }, { 1.5, 1.5 }, { 2, 1.8 }, { 3, 2.7 }, { 4, 3.9 }, { 4.5, 4.5 }, { 5, 5 } },
            "3 points changed" },
        { "the other project's points in the selected stretch", false, kCr, { 2, 4 },
            [](ProjectState& p, const PointSelection& s) {
                return TakePointsFrom(p, s,
                    ProjectWith(false,
                        { { 0, 0 }, { 1.5, 1.5 }, { 2.5, 2.1 }, { 3.5, 3 }, { 4.5, 4.5 },
                            { 5, 5 } }));
            },
            { { 0, 0 }, { 1.5, 1.5 }, { 2.5, 2.1 }, { 3.5, 3 }, { 4.5, 4.5 }, { 5, 5 } },
            "2 points added, 3 points removed" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ProjectState project = ProjectWith(row.turbo, row.before);
        const ProjectState unchanged = project;
        const RangeEditResult result = row.operation(project, row.selection);
        EXPECT_EQ(result.status.English(), row.status);
        EXPECT_EQ(result.changed, !row.after.empty());
        EXPECT_EQ(result.refusal.Empty(), !row.after.empty());
        if (row.after.empty())
            EXPECT_EQ(project, unchanged);
        else
            EXPECT_EQ(PointsOf(project.EditedCurve()), row.after);
    }
}

// Points from a to b V, 0.02 V apart, each 0.2 V below its input.
Points Steps(double a, double b)
{
    Points points;
    for (long step = std::lround(a * 50); step <= std::lround(b * 50); ++step)
        points.emplace_back(step / 50.0, (step - 10) / 50.0);
    return points;
}

std::string PairsText(const Points& points)
{
    std::string text;
    for (const auto& [input, output] : points) {
        char line[32];
        std::snprintf(line, sizeof line, "%.2f\t%.2f\n", input, output);
        text += line;
    }
    return text;
}

// The curve with these points added.
Points Merged(const Points& curve, const Points& added)
{
    CCurve merged = BuildCurve(curve);
    for (const auto& [input, output] : added)
        merged.Add(input, output);
    return PointsOf(merged);
}

// A paste onto the CR curve: a column onto the selected points, pairs
// replacing or adding points; a paste that cannot go in as given changes
// nothing. An empty curve after: refused.
TEST(PointRange, PasteTakesItAllOrNothing)
{
    const struct {
        const char* name;
        PointSelection selection;
        std::string text;
        Points after;
        const char* status;
    } rows[] = {
        { "a column onto as many selected points", { 2, 3, 4 }, "Output\n1.8\n2.9\n3.7\n",
            { { 0, 0 }, { 1.5, 1.5 }, { 2, 1.8 }, { 3, 2.9 }, { 4, 3.7 }, { 4.5, 4.5 }, { 5, 5 } },
            "3 points changed" },
        { "one number onto every selected point", { 2, 3 }, "1.9",
            { { 0, 0 }, { 1.5, 1.5 }, { 2, 1.9 }, { 3, 1.9 }, { 4, 3.6 }, { 4.5, 4.5 }, { 5, 5 } },
            "2 points changed" },
        { "more numbers than selected points", { 2, 3 }, "1.8\n2.9\n3.7", {},
            "3 numbers for 2 selected points: select as many points as there are numbers." },
        { "a bad line in the middle", { 2, 3, 4 }, "1.8\n2.9\r\nabc\n3.7", {},
            "Line 3 is not a number or a pair of numbers: \"abc\"" },
        { "a column with nothing selected", {}, "1.8", {},
            "Select the points these numbers are the outputs of, or paste input and output "
            "pairs." },
        { "pairs with nothing selected are added", {}, "2.5\t2.2\n3.5\t3.0",
            { { 0, 0 }, { 1.5, 1.5 }, { 2, 1.7 }, { 2.5, 2.2 }, { 3, 2.8 }, { 3.5, 3 }, { 4, 3.6 },
                { 4.5, 4.5 }, { 5, 5 } },
            "2 points added" },
        { "pairs replace the selected stretch", { 2, 3, 4 },
            "Input (V)\tOutput (V)\n2.50\t2.20\n3.50\t3.00\n",
            { { 0, 0 }, { 1.5, 1.5 }, { 2.5, 2.2 }, { 3.5, 3 }, { 4.5, 4.5 }, { 5, 5 } },
            "2 points added, 3 points removed" },
        { "pairs at and below the start point", {}, "1.00\t1.00\n1.50\t1.30\n2.00\t1.90",
            { { 0, 0 }, { 1.5, 1.5 }, { 2, 1.9 }, { 3, 2.8 }, { 4, 3.6 }, { 4.5, 4.5 }, { 5, 5 } },
            "1 point changed, 2 may not move" },
        { "an output above its limit", {}, "2.00\t1.90\n3.00\t3.10", {},
            "Line 2: the output 3.10 V at 3.00 V lies outside 1.40 V to 3.00 V." },
        { "an input between the box's steps", {}, "2.01\t1.90", {},
            "Line 1: the input 2.01 V is not on the box's 0.02 V steps." },
        { "an input twice", {}, "2.50\t2.20\n2.50\t2.30", {},
            "Line 2: the input 2.50 V is given twice." },
        { "up to the 62 points a box stores", {}, PairsText(Steps(3.02, 4.12)),
            Merged(kCr, Steps(3.02, 4.12)), "1 point changed, 55 points added" },
        { "one point more than a box stores", {}, PairsText(Steps(3.02, 4.14)), {},
            "The CR curve would hold 63 points; a box stores 62." },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ProjectState project = ProjectWith(false, kCr);
        const ProjectState unchanged = project;
        const RangeEditResult result
            = PastePoints(project, row.selection, ReadPointsText(row.text));
        EXPECT_EQ(result.status.English(), row.status);
        EXPECT_EQ(result.refusal.Empty(), !row.after.empty());
        if (row.after.empty())
            EXPECT_EQ(project, unchanged);
        else
            EXPECT_EQ(PointsOf(project.crCurve), row.after);
    }
}

// A copy pastes back as no change, also where the start voltage drifted
// through its 0.1 V steps (1.2999999999999998 V) and the copy says 1.30.
TEST(PointRange, ACopyOfEveryPointPastesBackAsNoChange)
{
    ProjectState project = ProjectWith(false, kCr);
    project.StepStartVoltage(false);
    project.StepStartVoltage(false);
    ASSERT_NE(project.startVoltage, 1.3);
    const PointsReading copy = ReadPointsText(WritePointsText(project.crCurve));
    PointSelection every;
    for (const CPunt& p : project.crCurve)
        every.push_back(p.input);
    const ProjectState before = project;
    for (const RangeEditResult& result :
        { PastePoints(project, every, copy), SetPointsFromText(project, copy) }) {
        EXPECT_EQ(result.status.English(), "No point changed");
        EXPECT_EQ(project, before);
    }
}

// The forms the paste reader takes, and how it refuses the others.
TEST(PointText, ReaderTakesSpreadsheetFormsAndNamesTheLineItCannotRead)
{
    using Shape = PointsReading::Shape;
    const Points pairs { { 1.5, 1.5 }, { 2, 1.7 } };
    const Points column { { 0, 1.5 }, { 0, 2 } };
    const struct {
        const char* name;
        const char* text;
        Shape shape;
        Points points; // a column's numbers as outputs; empty: refused
        const char* refusal;
    } rows[] = {
        { "the copy's own header and tabs", "Input (V)\tOutput (V)\n1.50\t1.50\n2.00\t1.70\n",
            Shape::Pairs, pairs, "" },
        { "CR LF, blank lines and blanks around", "\r\n 1.50\t1.50 \r\n\r\n2.00\t1.70\r\n",
            Shape::Pairs, pairs, "" },
        { "a lone CR ends a line", "1.5\r2", Shape::Column, column, "" },
        { "semicolons and decimal commas", "Eingang;Ausgang\n1,50;1,50\n2,00;1,70", Shape::Pairs,
            pairs, "" },
        { "commas between numbers with decimal points", "1.50,1.50\n2.00, 1.70", Shape::Pairs,
            pairs, "" },
        { "decimal commas between tabs or blanks", "1,50\t1,50\n2,00  1,70", Shape::Pairs, pairs,
            "" },
        { "a spreadsheet's trailing separators", "1.50;1.50;\n2.00;1.70;", Shape::Pairs, pairs,
            "" },
        { "a bad line in the middle", "1.5\n\nabc\n2.0", Shape::Column, {},
            "Line 3 is not a number or a pair of numbers: \"abc\"" },
        { "three numbers", "1.5 2.0 3.0", Shape::Column, {},
            "Line 1 is not a number or a pair of numbers: \"1.5 2.0 3.0\"" },
        { "an empty cell between two", "1.5\t\t2.0", Shape::Column, {},
            "Line 1 is not a number or a pair of numbers: \"1.5  2.0\"" },
        { "one number after pairs", "1.5\t1.5\n2.0", Shape::Column, {},
            "Line 2 holds one number where the lines before it hold two: \"2.0\"" },
        { "an exponent", "1.5\n1e3", Shape::Column, {},
            "Line 2 is not a number or a pair of numbers: \"1e3\"" },
        { "nothing but a header", "Input (V)\tOutput (V)\n", Shape::Column, {},
            "The text holds no numbers." },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const PointsReading reading = ReadPointsText(row.text);
        EXPECT_EQ(reading.refusal.English(), row.refusal);
        Points read;
        for (const GivenPoint& point : reading.points)
            read.emplace_back(point.input, point.output);
        EXPECT_EQ(read, row.points);
        if (!row.points.empty()) {
            EXPECT_EQ(reading.shape, row.shape);
        }
    }
}

// What Copy writes of a selection pastes back as the same points.
TEST(PointText, ACopyOfSelectedPointsReadsBack)
{
    const std::string copy = WritePointsText(BuildCurve(kCr), { 2, 3, 3.5 });
    const PointsReading reading = ReadPointsText(copy);
    ASSERT_TRUE(reading.refusal.Empty());
    ASSERT_EQ(reading.points.size(), 2u);
    EXPECT_EQ(reading.points[1].input, 3.0);
    EXPECT_EQ(reading.points[1].output, 2.8);
}

} // namespace
