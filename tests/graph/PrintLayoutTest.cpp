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
    struct Label {
        const char* text;
        QPoint anchor;
        PrintAlign align;
    };
    const std::vector<Label> expected = { { "0", { 203, 3360 }, PrintAlign::TopLeft },
        { "1", { 975, 3355 }, PrintAlign::TopCenter },
        { "2", { 1725, 3355 }, PrintAlign::TopCenter },
        { "3", { 2475, 3355 }, PrintAlign::TopCenter },
        { "4", { 3225, 3355 }, PrintAlign::TopCenter },
        { "5", { 3975, 3355 }, PrintAlign::TopCenter },
        { "0", { 175, 3305 }, PrintAlign::TopRight }, { "1", { 175, 2761 }, PrintAlign::TopRight },
        { "2", { 175, 2217 }, PrintAlign::TopRight }, { "3", { 175, 1673 }, PrintAlign::TopRight },
        { "4", { 175, 1129 }, PrintAlign::TopRight }, { "5", { 175, 585 }, PrintAlign::TopRight } };
    ProjectState project;
    const PrintSheet sheet = LayOutPrintSheet(project);
    std::vector<PrintText> digits;
    for (const PrintText& text : sheet.texts) {
        if (text.font == PrintFont::Device)
            digits.push_back(text);
    }
    ASSERT_EQ(digits.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(digits[i].text.toStdString(), expected[i].text);
        EXPECT_EQ(digits[i].anchor, expected[i].anchor);
        EXPECT_EQ(digits[i].align, expected[i].align);
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

// The printout ignores the screen's view and show settings; stray voltages
// (a damaged file) land far off the graph without undefined conversions.
TEST(PrintLayout, CurvesFollowTheVoltMapping)
{
    ProjectState project;
    project.ReplaceCrCurve(BuildCurve({ { 0, 0 }, { 2.0, 1.5 }, { 5, 5 } }));
    project.ReplaceTurboCurve(BuildCurve({ { 0, 0 }, { 2.5, 4.0 }, { 5, 5 } }));
    project.showCr = project.showTurbo = project.graphType = 0;
    project.differenceView = 1;
    for (bool turbo : { false, true }) {
        project.turboEnabled = turbo;
        const PrintSheet sheet = LayOutPrintSheet(project);
        EXPECT_EQ(LinesOf(sheet, PrintPen::Diagonal),
            std::vector<QPolygon> { QPolygon({ { 235, 3335 }, { 3985, 615 } }) });
        EXPECT_EQ(LinesOf(sheet, PrintPen::Cr),
            std::vector<QPolygon> { QPolygon({ { 235, 3335 }, { 1735, 2519 }, { 3985, 615 } }) });
        EXPECT_EQ(LinesOf(sheet, PrintPen::Turbo),
            turbo ? std::vector<QPolygon> { QPolygon(
                { { 235, 3335 }, { 2110, 1159 }, { 3985, 615 } }) }
                  : std::vector<QPolygon> {});
    }
    project.ReplaceCrCurve(
        BuildCurve({ { 0, 0 }, { 1, 1e300 }, { 2, -1e300 }, { 3, std::nan("") }, { 1e300, 5 } }));
    const QPolygon stray = LinesOf(LayOutPrintSheet(project), PrintPen::Cr).at(0);
    EXPECT_LT(stray[1].y(), 0);
    EXPECT_GT(stray[2].y(), 3375);
    EXPECT_GT(stray[4].x(), 4000);
}

// Column start x -> the "Vin" texts, top to bottom.
std::map<int, std::vector<PrintText>> InputColumns(const PrintSheet& sheet)
{
    std::map<int, std::vector<PrintText>> columns;
    for (const PrintText& text : sheet.texts) {
        if (text.font == PrintFont::Small && text.anchor.y() >= 4885
            && (text.anchor.x() - 175) % 1000 == 0)
            columns[text.anchor.x()].push_back(text);
    }
    return columns;
}

TEST(PrintLayout, TableColumnsBreakAfter21RowsThenEvery20)
{
    struct Case {
        int crPoints, turboPoints;
        std::vector<size_t> rowsPerColumn;
    };
    for (const Case& c : { Case { 21, 0, { 21 } }, Case { 22, 0, { 21, 1 } },
             Case { 42, 0, { 21, 20, 1 } }, Case { 5, 25, { 5, 21, 4 } } }) {
        SCOPED_TRACE(c.crPoints);
        ProjectState project;
        project.SetBoxType(c.turboPoints ? 2 : 0);
        project.ReplaceCrCurve(EvenCurve(c.crPoints));
        if (c.turboPoints)
            project.ReplaceTurboCurve(EvenCurve(c.turboPoints));
        const PrintSheet sheet = LayOutPrintSheet(project);
        const auto columns = InputColumns(sheet);
        ASSERT_EQ(columns.size(), c.rowsPerColumn.size());
        ASSERT_TRUE(TextAt(sheet, { 235, 4585 }));
        EXPECT_EQ(TextAt(sheet, { 235, 4585 })->text.toStdString(), "CR-curve");
        // The TURBO table starts at the column after the CR table, titled there.
        const PrintText* turboTitle = TextAt(sheet, { 1175, 4585 });
        EXPECT_EQ(
            turboTitle ? turboTitle->text.toStdString() : "", c.turboPoints ? "TURBO-curve" : "");
        Points values = PointsOf(project.crCurve); // the TURBO rows follow the CR rows
        if (c.turboPoints)
            for (const auto& v : PointsOf(project.turboCurve))
                values.push_back(v);
        size_t next = 0;
        for (size_t k = 0; k < c.rowsPerColumn.size(); ++k) {
            const int x = 175 + 1000 * int(k);
            const std::vector<PrintText>& rows = columns.at(x);
            ASSERT_EQ(rows.size(), c.rowsPerColumn[k]) << k;
            ASSERT_TRUE(TextAt(sheet, { x, 4735 }) && TextAt(sheet, { x + 350, 4735 }));
            EXPECT_EQ(TextAt(sheet, { x + 350, 4735 })->text.toStdString(), "Vdif");
            for (size_t row = 0; row < rows.size() && next < values.size(); ++row, ++next) {
                const int y = 4885 + 100 * int(row);
                EXPECT_EQ(rows[row].anchor.y(), y);
                EXPECT_EQ(rows[row].text, QString::asprintf("%0.2f", values[next].first));
                ASSERT_TRUE(TextAt(sheet, { x + 350, y }));
                EXPECT_EQ(TextAt(sheet, { x + 350, y })->text,
                    QString::asprintf("%0.2f", values[next].second - values[next].first));
            }
        }
        EXPECT_EQ(next, values.size());
    }
}

TEST(PrintLayout, DifferenceIsOutputMinusInputWithTwoDecimals)
{
    ProjectState project;
    // 0.1 + 0.2 lies a hair above 0.3: the difference must not print as "-0.00".
    project.ReplaceCrCurve(BuildCurve({ { 0, 0 }, { 0.1 + 0.2, 0.3 }, { 2.0, 1.5 }, { 5, 5 } }));
    const PrintSheet sheet = LayOutPrintSheet(project);
    ASSERT_TRUE(TextAt(sheet, { 525, 4985 }) && TextAt(sheet, { 525, 5085 }));
    EXPECT_EQ(TextAt(sheet, { 525, 4985 })->text.toStdString(), "0.00");
    EXPECT_EQ(TextAt(sheet, { 525, 5085 })->text.toStdString(), "-0.50");
}

TEST(PrintLayout, HeadingRowsFromTheFlagsWithoutLeadingZerosOrStopVoltage)
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
        SCOPED_TRACE(c.text);
        ProjectState project;
        project.boxType = 1; // the selector does not count
        project.turboEnabled = c.turbo;
        project.twoInputs = c.twoInputs;
        project.oneInput = c.oneInput;
        const PrintText* row = TextAt(LayOutPrintSheet(project), { 175, 3885 });
        ASSERT_TRUE(row);
        EXPECT_EQ(row->text.toStdString(), c.text);
    }
    ProjectState project;
    project.SetBoxType(2);
    project.fileName = "pump.rmvp";
    project.startVoltage = 0.1 + 0.2 + 2.0;
    project.stopVoltage = 4.7;
    project.startDelayMin = 2;
    project.startDelaySec = 5;
    project.curveDelay = 40;
    const PrintSheet sheet = LayOutPrintSheet(project);
    struct Row {
        QPoint at;
        PrintFont font;
        const char* text;
    };
    for (const Row& row :
        { Row { { 150, 200 }, PrintFont::Large, "Common Rail & Turbo Tuning - pump.rmvp" },
            Row { { 175, 4035 }, PrintFont::Medium, "Start Voltage [V] :   2.3" },
            Row { { 175, 4185 }, PrintFont::Medium, "Start Delay [mm:ss] :   2:5" },
            Row { { 175, 4335 }, PrintFont::Medium, "Curve Delay [ms/0.1V] :   40" } }) {
        const PrintText* text = TextAt(sheet, row.at);
        ASSERT_TRUE(text) << row.text;
        EXPECT_EQ(text->text.toStdString(), row.text);
        EXPECT_EQ(text->font, row.font);
    }
    for (const PrintText& text : sheet.texts)
        EXPECT_FALSE(text.text.contains("Stop") || text.text.contains("4.7"));
}

} // namespace
