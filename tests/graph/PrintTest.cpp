#include "Print.h"
#include "CurveTestSupport.h"
#include "PrintLayout.h"
#include "ProjectState.h"

#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

// The printout: its layout in sheet units of 1/600 inch, its pixels and a PDF.
namespace {

// The sheet's text at exactly this anchor.
QString TextAt(const PrintSheet& sheet, QPoint anchor)
{
    for (const PrintText& text : sheet.texts) {
        if (text.anchor == anchor)
            return text.text;
    }
    return "<none>";
}

std::vector<QPolygon> LinesOf(const PrintSheet& sheet, PrintPen pen)
{
    std::vector<QPolygon> found;
    for (const PrintPolyline& line : sheet.lines) {
        if (line.pen == pen)
            found.push_back(line.points);
    }
    return found;
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

// The box type from the flags, not the selector (empty when no flag is set);
// the delay without leading zeros; no stop voltage; "-0.50", never "-0.00".
TEST(PrintLayout, HeadingAndDifferenceTexts)
{
    for (const auto& [turbo, twoInputs, oneInput, text] :
        std::vector<std::tuple<bool, int, int, const char*>> { { true, 0, 1, "CR & TURBO" },
            { false, 1, 1, "2 CR input" }, { false, 0, 1, "1 CR input" }, { false, 0, 0, "" } }) {
        ProjectState project;
        project.boxType = 1;
        project.turboEnabled = turbo;
        project.twoInputs = twoInputs;
        project.oneInput = oneInput;
        EXPECT_EQ(TextAt(LayOutPrintSheet(project), { 175, 3885 }), text);
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

// Of the words with this text, the top-left corner (points) nearest the point.
QPointF NearestWord(const QString& html, const QString& text, QPointF point)
{
    const QRegularExpression word("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                  "xMax=\"[\\d.]+\" yMax=\"[\\d.]+\">([^<]*)</word>");
    QPointF nearest(-1e9, -1e9);
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QPointF at(m.captured(1).toDouble(), m.captured(2).toDouble());
        if (m.captured(3) == text && QLineF(at, point).length() < QLineF(nearest, point).length())
            nearest = at;
    }
    return nearest;
}

// A PDF writer at its own resolution (1200 dpi) still gets the sheet in
// 1/600 inch: the words stand where the layout puts them. A sheet printed
// from the write history carries its note on a line of its own under the
// parameters, above the tables.
TEST(PrintPdf, WordsStandAtTheLayoutPositions)
{
    ASSERT_FALSE(QStandardPaths::findExecutable("pdftotext").isEmpty())
        << "pdftotext is needed: scripts/ensure-deps installs poppler-utils";
    QTemporaryDir dir;
    const QString file = dir.filePath("sheet.pdf");
    ProjectState project;
    project.ReplaceCrCurve(BuildCurve({ { 0, 0 }, { 2.0, 1.5 }, { 5, 5 } }));
    {
        QPdfWriter writer(file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        ASSERT_TRUE(PrintProject(writer, project, "Written into box 132; verified: yes."));
    }
    QProcess pdftotext;
    pdftotext.start("pdftotext", { "-bbox", file, "-" });
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_EQ(html.count("<page "), 1);
    for (const auto& [text, left, top] :
        std::vector<std::tuple<const char*, double, double>> { { "Common", 150, 200 },
            { "-0.50", 525, 4985 }, { "1", 975 - 20, 3355 }, { "Written", 175, kPrintNoteY } }) {
        SCOPED_TRACE(text);
        const QPointF expected = QPointF(left, top) * 72.0 / 600.0;
        const QPointF at = NearestWord(html, text, expected);
        EXPECT_NEAR(at.x(), expected.x(), 2.5);
        EXPECT_NEAR(at.y(), expected.y(), 2.0);
    }
}

} // namespace
