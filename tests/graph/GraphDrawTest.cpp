#include "GraphTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QColor kWhite(255, 255, 255), kBlack(0, 0, 0), kGrey(127, 127, 127);
const QColor kBlue(0, 0, 255), kRed(255, 0, 0), kOrange(255, 182, 67);

// A label cell: opaque white with some dark text pixels in it.
bool HasLabelAt(const QImage& image, int left, int top)
{
    bool white = false, ink = false;
    for (int y = top; y < top + 15; ++y) {
        for (int x = left; x < left + 30; ++x) {
            white = white || image.pixelColor(x, y) == kWhite;
            ink = ink || image.pixelColor(x, y).lightness() < 100;
        }
    }
    return white && ink;
}

bool NearColour(const QImage& image, const CGraph& g, double input, double vertical, QColor colour)
{
    const QPoint at(g.VoltsToX(input), g.VoltsToY(vertical));
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (image.pixelColor(at.x() + dx, at.y() + dy) == colour)
                return true;
        }
    }
    return false;
}

// Eleven labels per axis, grid lines at all but the first tick; in the
// Difference view nothing above 1.6 V, and the zones' colours.
TEST(GraphDraw, LabelsGridAndZonesOfBothViews)
{
    for (bool io : { true, false }) {
        SCOPED_TRACE(io);
        GraphBench b;
        b.project.crCurve->Add(3.0, 2.0); // so the curve leaves the diagonal
        b.UseView(io);
        const QImage image = b.Render();
        const GraphRect plot = b.graph.PlotArea();
        const int column = (b.graph.TickX(6) + b.graph.TickX(7)) / 2;
        const int low = b.graph.VoltsToY(io ? 0.25 : 1.3);
        for (int i = 0; i <= 10; ++i) {
            SCOPED_TRACE(i);
            const bool shown = io || i <= 8;
            EXPECT_TRUE(HasLabelAt(image, b.graph.TickX(i) - 10, plot.bottom + 9));
            // A label at 1.80 V would lie under the axis label.
            EXPECT_TRUE((!io && i == 9)
                || HasLabelAt(image, plot.left - 40, b.graph.TickY(i) - 8) == shown);
            // At the first tick the black border lies, or in the Difference view the zones'
            // outline.
            EXPECT_TRUE(
                (!io && i == 0) || image.pixelColor(b.graph.TickX(i), low) == (i ? kGrey : kBlack));
            EXPECT_EQ(image.pixelColor(column, b.graph.TickY(i)) == kGrey, i > 0 && shown);
            EXPECT_TRUE(
                io || image.pixelColor(b.graph.TickX(i), b.graph.VoltsToY(1.9)) == b.Face());
            EXPECT_TRUE(!io || image.pixelColor(b.graph.TickX(i) + 5, low) == b.Face());
        }
        EXPECT_TRUE(!io || NearColour(image, b.graph, 3.25, 3.25, kGrey)); // the diagonal
        EXPECT_EQ(image.pixelColor(100, 300), kWhite); // the frame border
    }
    GraphBench b;
    b.UseView(false);
    const QImage image = b.Render();
    struct Sample {
        double input, vertical;
        QColor colour;
    };
    for (const Sample& s : { Sample { 3.25, 0.3, QColor(0, 255, 0) },
             Sample { 3.25, 0.65, QColor(255, 255, 0) }, Sample { 3.25, 1.1, kOrange },
             Sample { 0.25, 1.1, kRed }, Sample { 1.25, 1.5, kRed }, Sample { 1.75, 1.5, kOrange },
             Sample { 3.25, 1.8, b.Face() }, Sample { 0.1, 1.95, b.Face() } }) {
        SCOPED_TRACE(s.input * 100 + s.vertical);
        EXPECT_EQ(
            image.pixelColor(b.graph.VoltsToX(s.input), b.graph.VoltsToY(s.vertical)), s.colour);
    }
}

// The marker's outline seen left of its centre, 0 for none.
int MarkerRadius(const QImage& image, const CGraph& g, double in, double out, const QColor& colour)
{
    int left = 0;
    for (int dx = 2; dx <= 8; ++dx) {
        if (image.pixelColor(g.VoltsToX(in) - dx, g.VoltsToY(out)) == colour)
            left = dx;
    }
    return left;
}

// TURBO in red when enabled and shown. The edited curve carries markers of
// radius 3 on every point, the other one none; the highlighted point radius 4.
TEST(GraphDraw, DrawsTurboOnlyWhenEnabledAndShownAndMarksTheEditedCurve)
{
    struct Case {
        int boxType;
        bool showTurbo, editTurbo, red;
    };
    for (bool io : { true, false }) {
        for (const Case& c : { Case { 2, true, false, true }, Case { 2, false, false, false },
                 Case { 0, true, false, false }, Case { 2, true, true, true } }) {
            SCOPED_TRACE(c.boxType * 100 + c.showTurbo * 10 + c.editTurbo);
            GraphBench b;
            b.project.SetBoxType(c.boxType);
            if (!io)
                b.project.ChooseDifferenceView();
            b.project.crCurve->Add(2.5, 1.5);
            b.project.turboCurve->Add(2.5, io ? 4.0 : 2.2);
            if (c.editTurbo)
                b.project.SelectTurboForEdit();
            if (!c.showTurbo)
                b.project.ClickShowTurbo();
            b.graph.MouseAt(b.XFor(1.5), 300); // highlights the CR point at 1.5 V
            const QImage image = b.Render();
            // CR runs flat at 1.5 V from 1.5 to 2.5 V; TURBO rises to its point at 2.5 V.
            EXPECT_TRUE(NearColour(image, b.graph, 2.25, io ? 1.5 : 0.75, kBlue));
            EXPECT_EQ(NearColour(image, b.graph, 1.25, io ? 2.0 : 0.15, kRed), c.red);
            if (io) {
                EXPECT_EQ(MarkerRadius(image, b.graph, 1.5, 1.5, kBlue), c.editTurbo ? 0 : 4);
                EXPECT_EQ(MarkerRadius(image, b.graph, 4.5, 4.5, kBlue), c.editTurbo ? 0 : 3);
                EXPECT_EQ(MarkerRadius(image, b.graph, 2.5, 4.0, kRed), c.editTurbo ? 3 : 0);
            }
        }
    }
}

TEST(GraphDraw, ReadOutRightAlignedAndLimitedToOnePointSix)
{
    GraphBench b;
    b.graph.cursorX = 2.0;
    b.graph.cursorY = 1.7;
    QImage image = b.Render();
    EXPECT_EQ(b.graph.ReadOutText(), "V[in]:2.00V V[diff]:-0.30V");
    EXPECT_EQ(image.pixelColor(790 - 11, 10 + 8), kWhite); // ten pixels inside the frame
    EXPECT_NE(image.pixelColor(790 - 9, 10 + 8), kWhite);
    b.project.ChooseDifferenceView();
    b.graph.cursorY = 1.9;
    image = b.Render();
    EXPECT_EQ(b.graph.ReadOutText(), "V[in]:2.00V V[diff]:1.60V");
    EXPECT_EQ(image.pixelColor(790 - 11, 10 + 168), kWhite);
}

// Drawn at (110, 20) at most 235 x 150; a missing file leaves the view as it was.
TEST(GraphDraw, LogoIsScaledAndMayBeMissing)
{
    QTemporaryDir dir;
    GraphBench b;
    b.project.ChooseDifferenceView();
    const QImage reference = b.Render();
    b.graph.logoPath = dir.path() + "/";
    const QString file = dir.filePath("logo.bmp");
    EXPECT_EQ(QDir::fromNativeSeparators(b.graph.LogoFile()), file);
    const QColor magenta(255, 0, 255);
    for (QSize size : { QSize(470, 100), QSize(100, 300) }) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(magenta);
        ASSERT_TRUE(picture.save(file, "BMP"));
        const QSize drawn = CGraph::LogoSize(size);
        EXPECT_EQ(drawn, size.width() > 400 ? QSize(235, 50) : QSize(50, 150));
        const QImage image = b.Render();
        EXPECT_EQ(image.pixelColor(110 + drawn.width() - 1, 20 + drawn.height() - 1), magenta);
        EXPECT_NE(image.pixelColor(110 + drawn.width(), 20), magenta);
        EXPECT_NE(image.pixelColor(110, 20 + drawn.height()), magenta);
    }
    QFile::remove(file);
    EXPECT_EQ(b.Render(), reference);
}

} // namespace
