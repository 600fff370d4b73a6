#include "GraphTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Ticks 0, 2, 5, 10 and the worked example VoltsToX(1.23) = 304; nothing is clamped.
TEST(GraphGeometry, ConvertsVoltsAndPlacesTicksByTruncation)
{
    GraphBench b;
    struct Case {
        double volts;
        int tick, x, y;
    };
    for (const Case& c :
        { Case { 0.0, 0, 150, 560 }, Case { 1.0, 2, 276, 456 }, Case { 2.5, 5, 465, 300 },
            Case { 5.0, 10, 780, 40 }, Case { 1.23, -1, 304, 432 }, Case { 6.0, -1, 906, -64 } }) {
        SCOPED_TRACE(c.volts);
        EXPECT_EQ(b.graph.VoltsToX(c.volts), c.x);
        EXPECT_EQ(b.graph.VoltsToY(c.volts), c.y);
        EXPECT_TRUE(c.tick < 0 || (b.graph.TickX(c.tick) == c.x && b.graph.TickY(c.tick) == c.y));
    }
    EXPECT_NEAR(b.graph.XToVolts(304), 1.2222, 1e-4);
    b.UseView(false); // the Difference view: margins 150, 0 to 2 V in steps of 0.2 V
    EXPECT_EQ(b.graph.yStep, 0.2);
    EXPECT_EQ(b.graph.VoltsToY(0.0), 440);
    EXPECT_EQ(b.graph.VoltsToY(2.0), 160);
    b.UseView(true);
    EXPECT_EQ(b.graph.VoltsToY(2.5), 300);
}

TEST(GraphGeometry, NormalisesFrameAndRange)
{
    GraphBench b;
    b.graph.SetFrame(200, 50, 100, 10);
    const GraphRect& f = b.graph.frame;
    EXPECT_EQ(std::vector<int>({ f.left, f.top, f.right, f.bottom }),
        std::vector<int>({ 100, 10, 200, 50 }));
    // left, top, right, bottom -> xMin, yMax, xMax, yMin, xStep, yStep (a fifth, whole volts)
    for (const std::vector<double>& c : { std::vector<double> { 5, 0, 0, 5, 0, 5, 5, 0, 1, 1 },
             { 0, 3, 3, 0, 0, 3, 3, 0, 0, 0 }, { -5, 10, 5, 0, -5, 10, 5, 0, 2, 2 } }) {
        b.graph.SetRange(c[0], c[1], c[2], c[3]);
        const GraphRange& r = b.graph.range;
        EXPECT_EQ(std::vector<double>({ 1.0 * r.xMin, 1.0 * r.yMax, 1.0 * r.xMax, 1.0 * r.yMin,
                      b.graph.xStep, b.graph.yStep }),
            std::vector<double>(c.begin() + 4, c.end()));
    }
}

// A window shrunk below the margins, or ranges of no width, must not make the
// conversions, the mouse or the drawing fail or hang.
TEST(GraphGeometry, SurvivesAnEmptyPlotAreaAndEmptyRanges)
{
    struct Case {
        GraphRect frame;
        int range;
        double step;
    };
    for (const Case& c :
        { Case { { 100, 10, 160, 70 }, 5, 0.5 }, Case { { 100, 10, 100, 10 }, 5, 0.5 },
            Case { { 0, 0, 0, 0 }, 0, 0.0 }, Case { { 100, 10, 790, 590 }, 5, 1e-12 } }) {
        SCOPED_TRACE(c.frame.right);
        GraphBench b;
        b.graph.SetFrame(c.frame.left, c.frame.top, c.frame.right, c.frame.bottom);
        b.graph.SetRange(0, c.range, c.range, 0);
        b.graph.xStep = b.graph.yStep = c.step;
        for (bool io : { true, false }) {
            b.UseView(io);
            for (int px : { INT_MIN, -1, 130, INT_MAX }) {
                b.graph.VoltsToX(px / 100.0);
                b.graph.VoltsToY(px / 100.0);
                b.graph.TickX(px);
                b.graph.TickY(px);
                b.graph.MouseAt(px, px);
                EXPECT_GE(b.graph.cursorX, b.graph.range.xMin);
                EXPECT_LE(b.graph.cursorX, b.graph.range.xMax);
                b.graph.BeginDrag();
                b.graph.MouseAt(px, px);
                b.graph.RightClick();
            }
            b.Render(QSize(200, 100));
        }
    }
}

} // namespace
