#include "GraphTestSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace {

std::vector<QPolygon> LinesOf(const PrintSheet& sheet, PrintPen pen)
{
    std::vector<QPolygon> found;
    for (const PrintPolyline& line : sheet.lines) {
        if (line.pen == pen)
            found.push_back(line.points);
    }
    return found;
}

// The worked example: digits, axes with outline arrowheads, grid every 375 and 272 units.
TEST(PrintLayout, GraphStandsWhereTheWorkedExamplePutsIt)
{
    std::vector<PrintText> expected { { "0", { 203, 3360 }, PrintAlign::TopLeft,
        PrintFont::Device } };
    for (int v = 1; v <= 5; ++v)
        expected.push_back({ QString::number(v), { 225 + 750 * v, 3355 }, PrintAlign::TopCenter,
            PrintFont::Device });
    for (int v = 0; v <= 5; ++v)
        expected.push_back({ QString::number(v), { 175, 3305 - 544 * v }, PrintAlign::TopRight,
            PrintFont::Device });
    const PrintSheet sheet = LayOutPrintSheet(ProjectState());
    std::vector<PrintText> digits;
    for (const PrintText& text : sheet.texts) {
        if (text.font == PrintFont::Device)
            digits.push_back(text);
    }
    ASSERT_EQ(digits.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(digits[i].text, expected[i].text) << i;
        EXPECT_EQ(digits[i].anchor, expected[i].anchor) << i;
        EXPECT_EQ(digits[i].align, expected[i].align) << i;
    }
    EXPECT_EQ(LinesOf(sheet, PrintPen::Axis),
        (std::vector<QPolygon> { QPolygon({ { 235, 3335 }, { 4115, 3335 } }),
            QPolygon({ { 4115, 3335 }, { 4080, 3360 }, { 4080, 3310 }, { 4115, 3335 } }),
            QPolygon({ { 235, 3335 }, { 235, 505 } }),
            QPolygon({ { 235, 505 }, { 260, 540 }, { 210, 540 }, { 235, 505 } }) }));
    const std::vector<QPolygon> grid = LinesOf(sheet, PrintPen::Grid);
    ASSERT_EQ(grid.size(), 20u);
    for (int i = 0; i < 10; ++i) {
        const int x = 610 + 375 * i, y = 3063 - 272 * i;
        EXPECT_EQ(grid[i], QPolygon({ { x, 3335 }, { x, 615 } })) << i;
        EXPECT_EQ(grid[10 + i], QPolygon({ { 235, y }, { 3985, y } })) << i;
    }
}

// Stray voltages (a damaged file) land far off the graph without undefined conversions.
TEST(PrintLayout, StrayVoltagesLandOffTheGraph)
{
    ProjectState project;
    project.ReplaceCrCurve(
        BuildCurve({ { 0, 0 }, { 1, 1e300 }, { 2, -1e300 }, { 3, std::nan("") }, { 1e300, 5 } }));
    const QPolygon stray = LinesOf(LayOutPrintSheet(project), PrintPen::Cr).at(0);
    EXPECT_LT(stray[1].y(), 0);
    EXPECT_GT(stray[2].y(), 3375);
    EXPECT_GT(stray[4].x(), 4000);
}

// Both tables in columns 1000 units apart: "Vin" and "Vdif" headers, 21 rows in
// a curve's first column and 20 after; the TURBO table starts a new column.
TEST(PrintLayout, TableColumnsBreakAfter21RowsThenEvery20)
{
    struct Case {
        int crPoints, turboPoints;
        std::vector<int> rowsPerColumn;
    };
    for (const Case& c : { Case { 21, 0, { 21 } }, Case { 22, 0, { 21, 1 } },
             Case { 42, 0, { 21, 20, 1 } }, Case { 5, 25, { 5, 21, 4 } } }) {
        SCOPED_TRACE(c.crPoints);
        ProjectState project;
        project.SetBoxType(c.turboPoints ? 2 : 0);
        project.ReplaceCrCurve(EvenCurve(c.crPoints));
        Points values = PointsOf(project.crCurve);
        if (c.turboPoints) {
            project.ReplaceTurboCurve(EvenCurve(c.turboPoints));
            for (const auto& v : PointsOf(project.turboCurve))
                values.push_back(v);
        }
        const PrintSheet sheet = LayOutPrintSheet(project);
        EXPECT_EQ(TextAt(sheet, { 235, 4585 }), "CR-curve");
        EXPECT_EQ(TextAt(sheet, { 1175, 4585 }), c.turboPoints ? "TURBO-curve" : "<none>");
        std::map<int, int> rows; // column x -> rows
        for (const PrintText& text : sheet.texts) {
            if (text.font == PrintFont::Small && text.anchor.y() >= 4885)
                rows[text.anchor.x()] += (text.anchor.x() - 175) % 1000 == 0;
        }
        size_t next = 0;
        for (size_t k = 0; k < c.rowsPerColumn.size(); ++k) {
            const int x = 175 + 1000 * int(k);
            ASSERT_EQ(rows[x], c.rowsPerColumn[k]) << k;
            EXPECT_EQ(TextAt(sheet, { x, 4735 }) + TextAt(sheet, { x + 350, 4735 }), "VinVdif");
            for (int row = 0; row < rows[x]; ++row, ++next) {
                const int y = 4885 + 100 * row;
                EXPECT_EQ(TextAt(sheet, { x, y }), QString::asprintf("%0.2f", values[next].first));
                EXPECT_EQ(TextAt(sheet, { x + 350, y }),
                    QString::asprintf("%0.2f", values[next].second - values[next].first));
            }
        }
        EXPECT_EQ(next, values.size());
        EXPECT_EQ(rows[175 + 1000 * int(c.rowsPerColumn.size())], 0);
    }
}

// The box type from the flags, not the selector (empty when no flag is set);
// the delay without leading zeros; no stop voltage; "-0.50", never "-0.00".
TEST(PrintLayout, HeadingAndDifferenceTexts)
{
    struct Case {
        bool turbo;
        int twoInputs, oneInput;
        const char* text;
    };
    for (const Case& c : { Case { true, 0, 1, "CR & TURBO" }, Case { true, 1, 0, "CR & TURBO" },
             Case { true, 0, 0, "CR & TURBO" }, Case { false, 1, 0, "2 CR input" },
             Case { false, 1, 1, "2 CR input" }, Case { false, 0, 1, "1 CR input" },
             Case { false, 0, 0, "" } }) {
        ProjectState project;
        project.boxType = 1;
        project.turboEnabled = c.turbo;
        project.twoInputs = c.twoInputs;
        project.oneInput = c.oneInput;
        EXPECT_EQ(TextAt(LayOutPrintSheet(project), { 175, 3885 }), c.text);
    }
    ProjectState project;
    project.SetBoxType(2);
    project.fileName = "pump.rmvp";
    project.startVoltage = 0.1 + 0.2 + 2.0;
    project.stopVoltage = 4.7;
    project.startDelayMin = 2;
    project.startDelaySec = 5;
    project.curveDelay = 40;
    project.ReplaceCrCurve(BuildCurve({ { 0, 0 }, { 0.1 + 0.2, 0.3 }, { 2.0, 1.5 }, { 5, 5 } }));
    const PrintSheet sheet = LayOutPrintSheet(project);
    EXPECT_EQ(TextAt(sheet, { 150, 200 }), "Common Rail & Turbo Tuning - pump.rmvp");
    EXPECT_EQ(TextAt(sheet, { 175, 4035 }), "Start Voltage [V] :   2.3");
    EXPECT_EQ(TextAt(sheet, { 175, 4185 }), "Start Delay [mm:ss] :   2:5");
    EXPECT_EQ(TextAt(sheet, { 175, 4335 }), "Curve Delay [ms/0.1V] :   40");
    EXPECT_EQ(TextAt(sheet, { 525, 4985 }), "0.00");
    EXPECT_EQ(TextAt(sheet, { 525, 5085 }), "-0.50");
    for (const PrintText& text : sheet.texts)
        EXPECT_FALSE(text.text.contains("Stop") || text.text.contains("4.7"));
}

} // namespace
