#include "GraphTestSupport.h"
#include "Print.h"

#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Share of the points along the segment with a matching pixel within reach.
template <typename Test>
double Share(const QImage& image, QPoint from, QPoint to, Test test, int reach = 1)
{
    const int steps = std::max({ 1, std::abs(to.x() - from.x()), std::abs(to.y() - from.y()) });
    int hits = 0;
    for (int i = 0; i <= steps; ++i) {
        const QPoint at = from + (to - from) * i / steps;
        bool hit = false;
        for (int dy = -reach; dy <= reach; ++dy) {
            for (int dx = -reach; dx <= reach; ++dx)
                hit = hit || test(image.pixel(at.x() + dx, at.y() + dy));
        }
        hits += hit;
    }
    return double(hits) / (steps + 1);
}

const auto Ink = [](QRgb p) { return qGray(p) < 96; };
const auto NotWhite = [](QRgb p) { return qGray(p) <= 250; };
const auto Is = [](QRgb colour) { return [colour](QRgb p) { return p == colour; }; };

// The graph at 600 dpi, one pixel per sheet unit, whatever the screen shows.
TEST(PrintRender, AxesGridAndCurvesInTheirPens)
{
    ProjectState project;
    project.ReplaceCrCurve(BuildCurve({ { 0, 0 }, { 2.0, 1.5 }, { 5, 5 } }));
    project.ReplaceTurboCurve(BuildCurve({ { 0, 0 }, { 2.5, 4.0 }, { 5, 5 } }));
    project.showCr = project.showTurbo = project.graphType = 0;
    project.differenceView = 1;
    for (bool turbo : { false, true }) {
        SCOPED_TRACE(turbo);
        project.turboEnabled = turbo;
        QImage image(QSize(4200, 3450), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            DrawPrintGraph(painter, kPrintGraphRect, 5, 5.0f, project);
        }
        // The axes end in outline arrowheads.
        EXPECT_EQ(Share(image, { 300, 3335 }, { 4110, 3335 }, Ink), 1.0);
        EXPECT_EQ(Share(image, { 235, 3300 }, { 235, 510 }, Ink), 1.0);
        EXPECT_EQ(Share(image, { 4080, 3320 }, { 4080, 3320 }, Ink), 1.0);
        for (QPoint blank :
            { QPoint(4122, 3335), QPoint(4090, 3325), QPoint(235, 498), QPoint(245, 530) })
            EXPECT_EQ(Share(image, blank, blank, NotWhite), 0.0) << blank.x();
        // Dotted grey grid lines; the diagonal where neither curve nor grid crosses it.
        const double dots = Share(image, { 985, 700 }, { 985, 2200 }, Is(qRgb(127, 127, 127)), 0);
        EXPECT_GT(dots, 0.2);
        EXPECT_LT(dots, 0.6);
        EXPECT_GT(Share(image, { 2900, 1402 }, { 2960, 1359 }, Is(qRgb(127, 127, 127))), 0.9);
        // The CR curve bends at page (1735, 2519), three pixels wide; TURBO dashed.
        EXPECT_EQ(Share(image, { 300, 3300 }, { 1700, 2538 }, Is(qRgb(0, 0, 255))), 1.0);
        EXPECT_EQ(Share(image, { 1770, 2490 }, { 3950, 645 }, Is(qRgb(0, 0, 255))), 1.0);
        EXPECT_EQ(Share(image, { 985, 2921 }, { 985, 2921 }, Is(qRgb(0, 0, 255))), 0.0);
        const double dashed = Share(image, { 300, 3260 }, { 2080, 1194 }, Is(qRgb(255, 0, 0)));
        EXPECT_TRUE(turbo ? dashed > 0.5 && dashed < 0.9 : dashed == 0.0) << dashed;
    }
}

QString Tool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Of the words with this text, the top-left corner (points) nearest the point.
QPointF NearestWord(const QString& file, const QString& text, QPointF point)
{
    const QRegularExpression word("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                  "xMax=\"[\\d.]+\" yMax=\"[\\d.]+\">([^<]*)</word>");
    QPointF nearest(-1e9, -1e9);
    for (auto it = word.globalMatch(Tool("pdftotext", { "-bbox", file, "-" })); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QPointF at(m.captured(1).toDouble(), m.captured(2).toDouble());
        if (m.captured(3) == text && QLineF(at, point).length() < QLineF(nearest, point).length())
            nearest = at;
    }
    return nearest;
}

// A PDF writer at its own resolution (1200 dpi) still gets the sheet in
// 1/600 inch: the words stand where the layout puts them.
TEST(PrintPdf, WordsStandAtTheLayoutPositions)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext and pdfinfo are needed";
    QTemporaryDir dir;
    const QString file = dir.filePath("sheet.pdf");
    ProjectState project;
    project.ReplaceCrCurve(BuildCurve({ { 0, 0 }, { 2.0, 1.5 }, { 5, 5 } }));
    project.startDelayMin = 2;
    project.startDelaySec = 5;
    {
        QPdfWriter writer(file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        ASSERT_TRUE(PrintProject(writer, project));
    }
    EXPECT_TRUE(Tool("pdfinfo", { file }).contains(QRegularExpression("Pages:\\s+1\\n")));
    const double delayLeft = 175
        + QFontMetricsF(PrintFontFor(PrintFont::Medium, QFont()))
              .horizontalAdvance("Start Delay [mm:ss] :   ");
    struct Expected {
        const char* text;
        double left, top; // sheet units
    };
    for (const Expected& e : { Expected { "Common", 150, 200 }, Expected { "CR-curve", 235, 4585 },
             Expected { "Vdif", 525, 4735 }, Expected { "2.00", 175, 4985 },
             Expected { "-0.50", 525, 4985 }, Expected { "1", 975 - 20, 3355 },
             Expected { "Start", 175, 4185 }, Expected { "2:5", delayLeft, 4185 } }) {
        SCOPED_TRACE(e.text);
        const QPointF expected = QPointF(e.left, e.top) * 72.0 / 600.0;
        const QPointF at = NearestWord(file, e.text, expected);
        EXPECT_NEAR(at.x(), expected.x(), 2.5);
        EXPECT_NEAR(at.y(), expected.y(), 2.0);
    }
}

} // namespace
