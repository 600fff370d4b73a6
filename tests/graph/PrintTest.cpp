#include "Print.h"
#include "CurveTestSupport.h"
#include "GraphTestSupport.h"
#include "PrintLayout.h"
#include "ProjectState.h"

#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <tuple>

// The printout: its layout in sheet units of 1/600 inch, its pixels and a PDF.
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

// Stray voltages (a damaged file) land far off the graph without undefined conversions.
TEST(PrintLayout, StrayVoltagesLandOffTheGraph)
{
    ProjectState project;
    project.crCurve
        = BuildCurve({ { 0, 0 }, { 1, 1e300 }, { 2, -1e300 }, { 3, std::nan("") }, { 1e300, 5 } });
    const QPolygon stray = LinesOf(LayOutPrintSheet(project), PrintPen::Cr).at(0);
    EXPECT_LT(stray[1].y(), 0);
    EXPECT_GT(stray[2].y(), 3375);
    EXPECT_GT(stray[4].x(), 4000);
}

// The sheet and the graph's read-out write numbers as the language chosen
// writes them (QLocale's default, which choosing a language sets): German
// with a decimal comma, ramvik-cli and English with the point. A drifted
// start voltage stands as a save writes it, and a drifted difference of
// -5.6e-17 V never as "-0.00".
TEST(LocalNumbers, SheetAndReadOutFollowTheLanguage)
{
    const struct {
        const char* locale;
        const char* startVoltage;
        const char* difference;
        const char* readOut;
    } rows[] = {
        { "C", "Start Voltage [V] :   2.3", "-0.50", "V[in]:2.00V V[diff]:-0.30V" },
        { "de_DE", "Start Voltage [V] :   2,3", "-0,50", "V[in]:2,00V V[diff]:-0,30V" },
    };
    ProjectState project;
    project.startVoltage = 0.1 + 0.2 + 2.0;
    project.crCurve = BuildCurve({ { 0, 0 }, { 0.1 + 0.2, 0.3 }, { 2.0, 1.5 }, { 5, 5 } });
    for (const auto& row : rows) {
        SCOPED_TRACE(row.locale);
        QLocale::setDefault(QLocale(row.locale));
        QStringList texts;
        for (const PrintText& text : LayOutPrintSheet(project).texts)
            texts << text.text;
        EXPECT_TRUE(texts.contains(row.startVoltage)) << texts.join(" | ").toStdString();
        EXPECT_TRUE(texts.contains(row.difference));
        EXPECT_EQ(texts.filter(QRegularExpression("^-0.00$")).size(), 0);
        GraphBench bench;
        EXPECT_EQ(bench.graph.ReadOutText(2.0, -0.3).toStdString(), row.readOut);
    }
    QLocale::setDefault(QLocale::system());
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

// A note of several lines (a write history entry's time, outcome, customer
// and note) stands line under line below the parameters, and the tables move
// down to make room: no table text stands on a note line.
TEST(PrintLayout, ANoteOfSeveralLinesPushesTheTablesDown)
{
    const ProjectState project;
    const QStringList note { "Written into box 132 on 2026-12-07 12:04:13 at WORKSHOP-1.",
        "Outcome: verified: parameters and points (cells 0\u2013254); the box's table cells "
        "cannot be read back.",
        "Customer: Mr Smith; Vehicle: Golf", "Note: injector 3 replaced" };
    const PrintSheet single = LayOutPrintSheet(project, note[0]);
    const PrintSheet sheet = LayOutPrintSheet(project, note.join('\n'));
    std::vector<int> noteTops;
    int firstTableTop = INT_MAX;
    for (const PrintText& text : sheet.texts) {
        if (note.contains(text.text))
            noteTops.push_back(text.anchor.y());
        else if (text.anchor.y() > kPrintNoteY)
            firstTableTop = std::min(firstTableTop, text.anchor.y());
    }
    ASSERT_EQ(noteTops.size(), 4u);
    EXPECT_EQ(noteTops[0], kPrintNoteY);
    for (std::size_t i = 1; i < noteTops.size(); ++i)
        EXPECT_GE(noteTops[i] - noteTops[i - 1], 100) << "line " << i;
    EXPECT_GE(firstTableTop - noteTops.back(), 100);
    EXPECT_EQ(sheet.texts.size(), single.texts.size() + 3);
}

// A PDF writer at its own resolution (1200 dpi) still gets the sheet in
// 1/600 inch: the words stand where the layout puts them.
TEST(PrintPdf, WordsStandAtTheLayoutPositions)
{
    ASSERT_FALSE(QStandardPaths::findExecutable("pdftotext").isEmpty())
        << "pdftotext is needed: scripts/ensure-deps installs poppler-utils";
    QTemporaryDir dir;
    const QString file = dir.filePath("sheet.pdf");
    ProjectState project;
    project.crCurve = BuildCurve({ { 0, 0 }, { 2.0, 1.5 }, { 5, 5 } });
    {
        QPdfWriter writer(file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        ASSERT_TRUE(PrintProject(writer, project));
    }
    QProcess pdftotext;
    pdftotext.start("pdftotext", { "-bbox", file, "-" });
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_EQ(html.count("<page "), 1);
    for (const auto& [text, left, top] : std::vector<std::tuple<const char*, double, double>> {
             { "Common", 150, 200 }, { "-0.50", 525, 4985 }, { "1", 975 - 20, 3355 } }) {
        SCOPED_TRACE(text);
        const QPointF expected = QPointF(left, top) * 72.0 / 600.0;
        const QPointF at = NearestWord(html, text, expected);
        EXPECT_NEAR(at.x(), expected.x(), 2.5);
        EXPECT_NEAR(at.y(), expected.y(), 2.0);
    }
}

} // namespace
