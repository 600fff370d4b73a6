#include "PrintTestProjects.h"

#include <gtest/gtest.h>

#include <map>

using namespace print_test;

namespace {

struct Label {
    const char* text;
    QPoint anchor;
    PrintAlign align;
};

TEST(PrintGraphLayout, DigitsStandWhereTheWorkedExamplePutsThem)
{
    const std::vector<Label> expected = {
        { "0", { 203, 3360 }, PrintAlign::TopLeft },
        { "1", { 975, 3355 }, PrintAlign::TopCenter },
        { "2", { 1725, 3355 }, PrintAlign::TopCenter },
        { "3", { 2475, 3355 }, PrintAlign::TopCenter },
        { "4", { 3225, 3355 }, PrintAlign::TopCenter },
        { "5", { 3975, 3355 }, PrintAlign::TopCenter },
        { "0", { 175, 3305 }, PrintAlign::TopRight },
        { "1", { 175, 2761 }, PrintAlign::TopRight },
        { "2", { 175, 2217 }, PrintAlign::TopRight },
        { "3", { 175, 1673 }, PrintAlign::TopRight },
        { "4", { 175, 1129 }, PrintAlign::TopRight },
        { "5", { 175, 585 }, PrintAlign::TopRight },
    };
    ProjectState project;
    const PrintSheet sheet = LayOutPrintSheet(project);
    const std::vector<PrintText> digits = TextsIn(sheet, PrintFont::Device);
    ASSERT_EQ(digits.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(digits[i].text.toStdString(), expected[i].text);
        EXPECT_EQ(digits[i].anchor, expected[i].anchor);
        EXPECT_EQ(digits[i].align, expected[i].align);
    }
}

TEST(PrintGraphLayout, AxesEndInOutlineArrowheads)
{
    ProjectState project;
    const std::vector<PrintPolyline> axes = LinesOf(LayOutPrintSheet(project), PrintPen::Axis);
    ASSERT_EQ(axes.size(), 4u);
    EXPECT_EQ(axes[0].points, QPolygon({ { 235, 3335 }, { 4115, 3335 } }));
    EXPECT_EQ(axes[1].points,
        QPolygon({ { 4115, 3335 }, { 4080, 3360 }, { 4080, 3310 }, { 4115, 3335 } }));
    EXPECT_EQ(axes[2].points, QPolygon({ { 235, 3335 }, { 235, 505 } }));
    EXPECT_EQ(axes[3].points, QPolygon({ { 235, 505 }, { 260, 540 }, { 210, 540 }, { 235, 505 } }));
}

TEST(PrintGraphLayout, GridLinesEvery375And272Units)
{
    ProjectState project;
    const std::vector<PrintPolyline> grid = LinesOf(LayOutPrintSheet(project), PrintPen::Grid);
    ASSERT_EQ(grid.size(), 20u);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        const int x = 175 + 435 + 375 * i;
        EXPECT_EQ(grid[i].points, QPolygon({ { x, 3335 }, { x, 615 } }));
        const int y = 3375 - (312 + 272 * i);
        EXPECT_EQ(grid[10 + i].points, QPolygon({ { 235, y }, { 3985, y } }));
    }
}

TEST(PrintGraphLayout, CurvesFollowTheVoltMappingWhateverTheScreenShows)
{
    ProjectState project;
    project.ReplaceCrCurve(MakeCurve({ { 0, 0 }, { 2.0, 1.5 }, { 5, 5 } }));
    project.ReplaceTurboCurve(MakeCurve({ { 0, 0 }, { 2.5, 4.0 }, { 5, 5 } }));
    project.showCr = 0;
    project.graphType = 0;
    project.differenceView = 1;

    for (bool turbo : { false, true }) {
        SCOPED_TRACE(turbo);
        project.turboEnabled = turbo;
        project.showTurbo = 0;
        const PrintSheet sheet = LayOutPrintSheet(project);
        const std::vector<PrintPolyline> diagonal = LinesOf(sheet, PrintPen::Diagonal);
        ASSERT_EQ(diagonal.size(), 1u);
        EXPECT_EQ(diagonal[0].points, QPolygon({ { 235, 3335 }, { 3985, 615 } }));
        const std::vector<PrintPolyline> cr = LinesOf(sheet, PrintPen::Cr);
        ASSERT_EQ(cr.size(), 1u);
        EXPECT_EQ(cr[0].points, QPolygon({ { 235, 3335 }, { 1735, 2519 }, { 3985, 615 } }));
        const std::vector<PrintPolyline> turboLines = LinesOf(sheet, PrintPen::Turbo);
        ASSERT_EQ(turboLines.size(), turbo ? 1u : 0u);
        if (turbo) {
            EXPECT_EQ(
                turboLines[0].points, QPolygon({ { 235, 3335 }, { 2110, 1159 }, { 3985, 615 } }));
        }
    }
}

TEST(PrintGraphLayout, RectangleTooSmallForThePlotDrawsNothing)
{
    struct Case {
        PrintRect r;
        bool drawn;
    };
    // plotW = width - 75 must exceed 400, plotH = height - 155 must exceed 100.
    const std::vector<Case> cases = {
        { { 0, 0, 475, 1000 }, false },
        { { 0, 0, 476, 1000 }, true },
        { { 0, 0, 1000, 255 }, false },
        { { 0, 0, 1000, 256 }, true },
    };
    ProjectState project;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.r.right * 10000 + c.r.bottom);
        PrintSheet sheet;
        LayOutPrintGraph(sheet, c.r, 5, 5.0f, project);
        EXPECT_EQ(sheet.lines.empty(), !c.drawn);
        EXPECT_EQ(sheet.texts.empty(), !c.drawn);
    }
}

// Data rows of the value tables: column start x -> the "Vin" texts, top to bottom.
std::map<int, std::vector<PrintText>> InputColumns(const PrintSheet& sheet)
{
    std::map<int, std::vector<PrintText>> columns;
    for (const PrintText& text : TextsIn(sheet, PrintFont::Small)) {
        if (text.anchor.y() >= 4885 && (text.anchor.x() - 175) % 1000 == 0)
            columns[text.anchor.x()].push_back(text);
    }
    return columns;
}

TEST(PrintTables, ColumnsBreakAfter21RowsThenEvery20)
{
    struct Case {
        int points;
        std::vector<size_t> rowsPerColumn;
    };
    const std::vector<Case> cases = {
        { 21, { 21 } },
        { 22, { 21, 1 } },
        { 41, { 21, 20 } },
        { 42, { 21, 20, 1 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.points);
        ProjectState project;
        project.ReplaceCrCurve(MakeEvenCurve(c.points));
        const PrintSheet sheet = LayOutPrintSheet(project);
        const auto columns = InputColumns(sheet);
        ASSERT_EQ(columns.size(), c.rowsPerColumn.size());

        const CPunt* point = project.crCurve;
        for (size_t k = 0; k < c.rowsPerColumn.size(); ++k) {
            SCOPED_TRACE(k);
            const int x = 175 + 1000 * int(k);
            const std::vector<PrintText>& rows = columns.at(x);
            ASSERT_EQ(rows.size(), c.rowsPerColumn[k]);
            const PrintText* vin = TextAt(sheet, { x, 4735 });
            const PrintText* vdif = TextAt(sheet, { x + 350, 4735 });
            ASSERT_TRUE(vin && vdif);
            EXPECT_EQ(vin->text.toStdString(), "Vin");
            EXPECT_EQ(vdif->text.toStdString(), "Vdif");
            for (size_t row = 0; row < rows.size(); ++row, point = point->next) {
                ASSERT_TRUE(point);
                const int y = 4885 + 100 * int(row);
                EXPECT_EQ(rows[row].anchor.y(), y);
                EXPECT_EQ(rows[row].text.toStdString(),
                    QString::asprintf("%0.2f", point->input).toStdString());
                const PrintText* difference = TextAt(sheet, { x + 350, y });
                ASSERT_TRUE(difference);
                EXPECT_EQ(
                    difference->text, QString::asprintf("%0.2f", point->output - point->input));
            }
        }
        EXPECT_EQ(point, nullptr);
    }
}

TEST(PrintTables, TurboTableStartsInTheColumnAfterTheCrTable)
{
    ProjectState project;
    project.SetBoxType(2);
    project.ReplaceCrCurve(MakeEvenCurve(5));
    project.ReplaceTurboCurve(MakeEvenCurve(25));
    const PrintSheet sheet = LayOutPrintSheet(project);

    const PrintText* crTitle = TextAt(sheet, { 235, 4585 });
    ASSERT_TRUE(crTitle);
    EXPECT_EQ(crTitle->text.toStdString(), "CR-curve");
    const PrintText* turboTitle = TextAt(sheet, { 1175, 4585 });
    ASSERT_TRUE(turboTitle);
    EXPECT_EQ(turboTitle->text.toStdString(), "TURBO-curve");
    EXPECT_EQ(turboTitle->font, PrintFont::Small);

    const auto columns = InputColumns(sheet);
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns.at(175).size(), 5u);
    EXPECT_EQ(columns.at(1175).size(), 21u);
    EXPECT_EQ(columns.at(2175).size(), 4u);
    ASSERT_TRUE(TextAt(sheet, { 2175, 4735 }));

    project.SetBoxType(0);
    const PrintSheet single = LayOutPrintSheet(project);
    EXPECT_EQ(TextAt(single, { 1175, 4585 }), nullptr);
    EXPECT_EQ(InputColumns(single).size(), 1u);
}

TEST(PrintTables, DifferenceIsOutputMinusInputWithTwoDecimals)
{
    ProjectState project;
    // 0.1 + 0.2 lies a hair above 0.3: the difference must not print as "-0.00".
    project.ReplaceCrCurve(MakeCurve({ { 0, 0 }, { 0.1 + 0.2, 0.3 }, { 2.0, 1.5 }, { 5, 5 } }));
    const PrintSheet sheet = LayOutPrintSheet(project);
    struct Row {
        int y;
        const char* input;
        const char* difference;
    };
    for (const Row& row : { Row { 4985, "0.30", "0.00" }, Row { 5085, "2.00", "-0.50" } }) {
        SCOPED_TRACE(row.y);
        const PrintText* input = TextAt(sheet, { 175, row.y });
        const PrintText* difference = TextAt(sheet, { 525, row.y });
        ASSERT_TRUE(input && difference);
        EXPECT_EQ(input->text.toStdString(), row.input);
        EXPECT_EQ(difference->text.toStdString(), row.difference);
    }
}

TEST(PrintHeading, BoxTypeRowComesFromTheFlagsNotTheSelector)
{
    struct Case {
        bool turbo;
        int twoInputs;
        int oneInput;
        const char* text;
    };
    const std::vector<Case> cases = {
        { true, 0, 1, "CR & TURBO" },
        { true, 1, 0, "CR & TURBO" },
        { true, 0, 0, "CR & TURBO" },
        { false, 1, 0, "2 CR input" },
        { false, 1, 1, "2 CR input" },
        { false, 0, 1, "1 CR input" },
        { false, 0, 0, "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ProjectState project;
        project.boxType = 1;
        project.turboEnabled = c.turbo;
        project.twoInputs = c.twoInputs;
        project.oneInput = c.oneInput;
        const PrintSheet sheet = LayOutPrintSheet(project);
        const PrintText* row = TextAt(sheet, { 175, 3885 });
        ASSERT_TRUE(row);
        EXPECT_EQ(row->text.toStdString(), c.text);
        EXPECT_EQ(row->font, PrintFont::Medium);
    }
}

TEST(PrintHeading, TitleAndParameterRowsWithoutLeadingZerosOrStopVoltage)
{
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
    const std::vector<Row> rows = {
        { { 150, 200 }, PrintFont::Large, "Common Rail & Turbo Tuning - pump.rmvp" },
        { { 175, 4035 }, PrintFont::Medium, "Start Voltage [V] :   2.3" },
        { { 175, 4185 }, PrintFont::Medium, "Start Delay [mm:ss] :   2:5" },
        { { 175, 4335 }, PrintFont::Medium, "Curve Delay [ms/0.1V] :   40" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const PrintText* text = TextAt(sheet, row.at);
        ASSERT_TRUE(text);
        EXPECT_EQ(text->text.toStdString(), row.text);
        EXPECT_EQ(text->font, row.font);
        EXPECT_EQ(text->align, PrintAlign::TopLeft);
    }
    for (const PrintText& text : sheet.texts)
        EXPECT_FALSE(text.text.contains("Stop") || text.text.contains("4.7"))
            << text.text.toStdString();
}

} // namespace
