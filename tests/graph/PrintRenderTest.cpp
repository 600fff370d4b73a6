#include "Print.h"
#include "PrintTestProjects.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

using namespace print_test;

namespace {

int DotsPerMeter(int dpi)
{
    return qRound(dpi / 0.0254);
}

QImage BlankPage(QSize size, int dpi, QImage::Format format)
{
    QImage image(size, format);
    image.setDotsPerMeterX(DotsPerMeter(dpi));
    image.setDotsPerMeterY(DotsPerMeter(dpi));
    image.fill(Qt::white);
    return image;
}

// The graph alone, one pixel per sheet unit.
QImage DrawGraph(const ProjectState& project)
{
    QImage image = BlankPage(QSize(4200, 3450), 600, QImage::Format_RGB32);
    QPainter painter(&image);
    DrawPrintGraph(painter, kPrintGraphRect, 5, 5.0f, project);
    return image;
}

bool IsDark(QRgb pixel)
{
    return qGray(pixel) < 96;
}

bool IsWhite(QRgb pixel)
{
    return qGray(pixel) > 250;
}

// True when some pixel within the radius satisfies the test.
template <typename Test> bool Near(const QImage& image, int x, int y, int radius, Test test)
{
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            if (image.valid(x + dx, y + dy) && test(image.pixel(x + dx, y + dy)))
                return true;
        }
    }
    return false;
}

struct Spot {
    int x;
    int y;
    bool ink;
};

TEST(PrintRender, AxesEndInOutlineArrowheads)
{
    ProjectState project;
    const QImage image = DrawGraph(project);
    const std::vector<Spot> spots = {
        { 1000, 3335, true }, // horizontal axis
        { 4110, 3335, true }, // just before its tip
        { 4122, 3335, false }, // past the tip
        { 4080, 3320, true }, // the arrowhead's back edge
        { 4097, 3347, true }, // its lower side
        { 4090, 3325, false }, // inside: an outline, not filled
        { 235, 2000, true }, // vertical axis
        { 235, 510, true }, // just below its tip
        { 235, 498, false }, // past the tip
        { 225, 540, true }, // the arrowhead's back edge
        { 245, 530, false }, // inside
    };
    for (const Spot& spot : spots) {
        SCOPED_TRACE(testing::Message() << spot.x << ", " << spot.y);
        if (spot.ink)
            EXPECT_TRUE(Near(image, spot.x, spot.y, 1, IsDark));
        else
            EXPECT_FALSE(Near(image, spot.x, spot.y, 1, [](QRgb p) { return !IsWhite(p); }));
    }
}

// Share of pixels of a straight run that are the grid's grey.
double GreyShare(const QImage& image, QPoint from, QPoint step, int count)
{
    int grey = 0;
    for (int i = 0; i < count; ++i) {
        const QPoint at = from + step * i;
        if (image.pixel(at) == qRgb(127, 127, 127))
            ++grey;
    }
    return double(grey) / count;
}

TEST(PrintRender, GridLinesAreDottedGrey)
{
    ProjectState project;
    project.ReplaceCrCurve(MakeCurve({ { 0, 0.5 }, { 5, 5 } }));
    const QImage image = DrawGraph(project);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        const int x = 610 + 375 * i;
        const double vertical = GreyShare(image, { x, 700 }, { 0, 1 }, 1500);
        EXPECT_GT(vertical, 0.2);
        EXPECT_LT(vertical, 0.6);
        const int y = 3375 - (312 + 272 * i);
        const double horizontal = GreyShare(image, { 300, y }, { 1, 0 }, 200);
        EXPECT_GT(horizontal, 0.2);
        EXPECT_LT(horizontal, 0.6);
    }
}

// Share of the points along the segment that have a pixel of the colour
// within one pixel.
double ColourShare(const QImage& image, QPoint from, QPoint to, QRgb colour)
{
    const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    int hits = 0;
    for (int i = 0; i <= steps; ++i) {
        const int x = from.x() + (to.x() - from.x()) * i / steps;
        const int y = from.y() + (to.y() - from.y()) * i / steps;
        if (Near(image, x, y, 1, [colour](QRgb p) { return p == colour; }))
            ++hits;
    }
    return double(hits) / (steps + 1);
}

TEST(PrintRender, CurvesInTheirPensAndTheDiagonal)
{
    const QRgb blue = qRgb(0, 0, 255);
    const QRgb red = qRgb(255, 0, 0);
    const QRgb grey = qRgb(127, 127, 127);
    ProjectState project;
    project.ReplaceCrCurve(MakeCurve({ { 0, 0 }, { 2.0, 1.5 }, { 5, 5 } }));
    project.ReplaceTurboCurve(MakeCurve({ { 0, 0 }, { 2.5, 4.0 }, { 5, 5 } }));

    const QImage single = DrawGraph(project);
    // The CR curve bends at page (1735, 2519); one pen width is three pixels.
    EXPECT_DOUBLE_EQ(ColourShare(single, { 300, 3300 }, { 1700, 2538 }, blue), 1.0);
    EXPECT_DOUBLE_EQ(ColourShare(single, { 1770, 2490 }, { 3950, 645 }, blue), 1.0);
    EXPECT_FALSE(Near(single, 985, 2927 - 6, 1, [blue](QRgb p) { return p == blue; }));
    EXPECT_EQ(ColourShare(single, { 300, 3260 }, { 2080, 1194 }, red), 0.0);
    // The diagonal where neither curve nor grid line crosses it.
    EXPECT_GT(ColourShare(single, { 2900, 1402 }, { 2960, 1359 }, grey), 0.9);

    project.SetBoxType(2);
    const QImage turbo = DrawGraph(project);
    // Dashed: most of the way red, with gaps.
    const double dashed = ColourShare(turbo, { 300, 3260 }, { 2080, 1194 }, red);
    EXPECT_GT(dashed, 0.5);
    EXPECT_LT(dashed, 0.9);
}

// Every sheet unit is 1/600 inch: the graph's axes fall on the same place of
// the paper whatever the device's resolution.
TEST(PrintRender, SheetKeepsItsSizeAtEveryResolution)
{
    ProjectState project;
    const QSizeF extent = PrintSheetExtent(LayOutPrintSheet(project), QFont());
    for (int dpi : { 96, 300, 600, 1200 }) {
        SCOPED_TRACE(dpi);
        const double scale = dpi / 600.0;
        const QSize size(
            std::ceil(extent.width() * scale) + 8, std::ceil(extent.height() * scale) + 8);
        QImage image = BlankPage(size, dpi, QImage::Format_Grayscale8);
        ASSERT_TRUE(PrintProject(image, project));
        // Below 600 dpi a line of one unit covers part of a pixel and comes out grey.
        const auto isInk = [](QRgb pixel) { return !IsWhite(pixel); };
        const auto at = [&](int x, int y) { return QPoint(qRound(x * scale), qRound(y * scale)); };
        for (QPoint unit :
            { QPoint(1000, 3335), QPoint(3000, 3335), QPoint(235, 2000), QPoint(235, 900) }) {
            const QPoint p = at(unit.x(), unit.y());
            EXPECT_TRUE(Near(image, p.x(), p.y(), 1, isInk)) << unit.x() << ", " << unit.y();
        }
        const QPoint past = at(4140, 3335);
        EXPECT_FALSE(Near(image, past.x(), past.y(), 1, isInk));
    }
}

// The box around every dark pixel of a grey-scale image.
QRect InkBounds(const QImage& image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] < 96)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

TEST(PrintRender, LongTablesShrinkTheSheetOntoThePage)
{
    ProjectState project;
    project.SetBoxType(2);
    project.ReplaceCrCurve(MakeEvenCurve(42));
    project.ReplaceTurboCurve(MakeEvenCurve(42));
    // The printable area of a Letter page with quarter-inch margins at 600 dpi.
    const QSize page(4800, 6300);
    const QSizeF extent = PrintSheetExtent(LayOutPrintSheet(project), QFont());
    ASSERT_GT(extent.height(), page.height());
    ASSERT_GT(extent.width(), page.width());
    const double fit = std::min(page.width() / extent.width(), page.height() / extent.height());

    QImage image = BlankPage(page, 600, QImage::Format_Grayscale8);
    ASSERT_TRUE(PrintProject(image, project));
    const int axisY = qRound(3335 * fit);
    EXPECT_TRUE(Near(image, qRound(1000 * fit), axisY, 1, IsDark));
    EXPECT_FALSE(Near(image, qRound(1000 * fit), qRound(3335 * fit * 1.05), 1, IsDark));
    // The last column and the last row are on the page, as far out as the
    // shrunken sheet reaches.
    const QRect ink = InkBounds(image);
    EXPECT_GT(ink.right(), (extent.width() - 150) * fit);
    EXPECT_GT(ink.bottom(), (extent.height() - 60) * fit);
    EXPECT_LE(ink.right(), extent.width() * fit + 2);
    EXPECT_LE(ink.bottom(), extent.height() * fit + 2);
}

// Voltages far outside 0 V to 5 V, or no number at all (a damaged file), are
// drawn far off the graph without undefined conversions (the sanitizer build
// watches this), and the sheet still prints.
TEST(PrintRender, StrayVoltagesStillPrint)
{
    ProjectState project;
    project.ReplaceCrCurve(
        MakeCurve({ { 0, 0 }, { 1, 1e300 }, { 2, -1e300 }, { 3, std::nan("") }, { 1e300, 5 } }));
    const std::vector<PrintPolyline> cr = LinesOf(LayOutPrintSheet(project), PrintPen::Cr);
    ASSERT_EQ(cr.size(), 1u);
    EXPECT_EQ(cr[0].points.size(), 5);
    EXPECT_LT(cr[0].points[1].y(), 0);
    EXPECT_GT(cr[0].points[2].y(), 3375);
    EXPECT_GT(cr[0].points[4].x(), 4000);
    QImage image = BlankPage(QSize(700, 900), 96, QImage::Format_Grayscale8);
    EXPECT_TRUE(PrintProject(image, project));
}

// Text is set in the font's character cell with its top at the anchor: the
// ink of a sheet's texts stays inside the rectangles the layout reports.
TEST(PrintRender, TextInkStaysInsideItsCell)
{
    ProjectState project;
    project.SetBoxType(2);
    const PrintSheet sheet = LayOutPrintSheet(project);
    const QFont deviceDefault;
    for (const PrintText& text : sheet.texts) {
        if (text.text.isEmpty())
            continue;
        SCOPED_TRACE(text.text.toStdString());
        const QRectF cell
            = PrintTextRect(text, QFontMetricsF(PrintFontFor(text.font, deviceDefault)));
        const QRect area = cell.toAlignedRect().adjusted(-40, -40, 40, 40);
        QImage image = BlankPage(area.size(), 600, QImage::Format_Grayscale8);
        {
            QPainter painter(&image);
            painter.translate(-area.topLeft());
            DrawPrintSheet(painter, PrintSheet { {}, { text } });
        }
        QRect ink = InkBounds(image);
        ASSERT_FALSE(ink.isEmpty());
        ink.translate(area.topLeft());
        EXPECT_TRUE(cell.adjusted(-2, -2, 2, 2).contains(QRectF(ink)))
            << "cell " << cell.left() << "," << cell.top() << " ink " << ink.left() << ","
            << ink.top();
        // Capitals and digits fill most of the cell above the baseline.
        EXPECT_GT(ink.height(), cell.height() * 0.55);
    }
}

} // namespace
