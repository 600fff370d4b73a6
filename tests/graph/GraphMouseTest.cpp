#include "GraphTestSupport.h"

#include <gtest/gtest.h>

namespace {

// The pointer as the user moves it over the graph; positions in volts are
// turned into the pixels that quantise to them.
struct Mouse {
    GraphBench& b;

    int Top() const { return b.graph.frame.top + 1; }
    int Bottom() const { return b.graph.frame.bottom - 1; }
    void Hover(double input, int y) { b.graph.MouseAt(b.XFor(input), y); }
    void Hover(double input, double vertical) { b.graph.MouseAt(b.XFor(input), b.YFor(vertical)); }
    // Press at the input, move to y with the button held, release there.
    void Drag(double input, int y)
    {
        Hover(input, b.YFor(1.0));
        b.graph.BeginDrag();
        b.graph.MouseAt(b.XFor(input), b.YFor(1.0));
        b.graph.MouseAt(b.XFor(input), y);
        b.graph.EndDrag(b.XFor(input), y);
    }
};

TEST(GraphMouse, QuantisesTheCursorAndLimitsItToTheRanges)
{
    GraphBench b;
    for (int x = 150; x < 780; x += 7) {
        b.graph.MouseAt(x, 300);
        const double volts = b.graph.XToVolts(x);
        if (b.graph.SelectedPoint())
            continue; // the read-out snapped to a point
        EXPECT_LE(b.graph.cursorX, volts);
        EXPECT_GT(b.graph.cursorX, volts - 0.02);
        EXPECT_DOUBLE_EQ(b.graph.cursorX * 50, std::round(b.graph.cursorX * 50));
    }
    b.graph.MouseAt(120, 5); // left of the plot, above the frame
    EXPECT_EQ(b.graph.cursorX, 0.0);
    EXPECT_EQ(b.graph.SelectedPoint(), b.project.crCurve); // the head is highlighted
    b.graph.MouseAt(789, 589);
    EXPECT_EQ(b.graph.cursorX, 5.0);
    b.graph.MouseAt(400, 589);
    EXPECT_EQ(b.graph.cursorY, 0.0);
}

TEST(GraphMouse, HighlightsAPointOnlyAtItsOwnInput)
{
    for (bool io : { true, false }) {
        GraphBench b;
        b.UseView(io);
        Mouse m { b };
        b.project.crCurve->Add(2.0, 1.7);
        const CPunt* point = PointAt(b.project.crCurve, 2.0);
        for (int y : { m.Top(), m.Bottom(), b.graph.VoltsToY(io ? 1.7 : 0.3) }) {
            m.Hover(2.0, y);
            EXPECT_EQ(b.graph.SelectedPoint(), point);
            EXPECT_EQ(b.graph.ReadOutText(),
                io ? "V[in]:2.00V V[diff]:-0.30V" : "V[in]:2.00V V[diff]:0.30V");
        }
        for (double input : { 1.98, 2.02 }) {
            m.Hover(input, m.Top());
            EXPECT_EQ(b.graph.SelectedPoint(), nullptr) << input;
        }
    }
}

// Where a dragged point at 2.0 V ends when the pointer goes to the top or the
// bottom of the plot.
TEST(GraphMouse, DragLimitsOfBothCurvesInBothViews)
{
    struct Case {
        bool io, cr;
        double top, bottom; // outputs
    };
    for (const Case& c : { Case { true, true, 2.0, 0.4 }, Case { false, true, 0.4, 2.0 },
             Case { true, false, 3.6, 0.4 }, Case { false, false, 0.4, 2.0 } }) {
        SCOPED_TRACE(c.io * 10 + c.cr);
        GraphBench b;
        b.project.SetBoxType(2);
        if (!c.cr)
            b.project.SelectTurboForEdit();
        CPunt*& head = c.cr ? b.project.crCurve : b.project.turboCurve;
        head->Add(2.0, 2.0);
        b.UseView(c.io);
        Mouse m { b };
        m.Drag(2.0, m.Top());
        EXPECT_NEAR(PointAt(head, 2.0)->output, c.top, 1e-9);
        m.Drag(2.0, m.Bottom());
        EXPECT_NEAR(PointAt(head, 2.0)->output, c.bottom, 1e-9);
        EXPECT_FALSE(b.graph.dragging);
        EXPECT_EQ(CountPoints(head), c.cr ? 5 : 3);
    }
}

TEST(GraphMouse, StartStopAndZeroPointsDoNotMove)
{
    for (bool io : { true, false }) {
        GraphBench b;
        b.UseView(io);
        Mouse m { b };
        const Points before = PointsOf(b.project.crCurve);
        for (double input : { 1.5, 4.5 }) {
            b.repaints = 0;
            m.Drag(input, m.Bottom());
            EXPECT_GT(b.repaints, 0) << input;
        }
        // Pressing left of the plot picks the point at 0 V; no drag step runs.
        b.graph.MouseAt(120, 300);
        b.graph.BeginDrag();
        b.repaints = 0;
        b.graph.MouseAt(160, 100);
        EXPECT_EQ(b.repaints, 0);
        b.graph.EndDrag(160, 100);
        EXPECT_EQ(PointsOf(b.project.crCurve), before);
    }
}

TEST(GraphMouse, PressWhereNoPointIsInsertsOne)
{
    GraphBench b;
    Mouse m { b };
    m.Drag(2.5, b.YFor(2.2));
    EXPECT_EQ(PointsOf(b.project.crCurve),
        (Points { { 0, 0 }, { 1.5, 1.5 }, { 2.5, 2.2 }, { 4.5, 4.5 }, { 5, 5 } }));
    // Below the start voltage the CR curve stays the line.
    m.Drag(1.0, b.YFor(0.5));
    EXPECT_EQ(CountPoints(b.project.crCurve), 5);
    // The TURBO curve knows no start or stop voltage.
    b.project.SetBoxType(2);
    b.project.SelectTurboForEdit();
    m.Drag(1.0, b.YFor(0.5));
    EXPECT_EQ(PointsOf(b.project.turboCurve), (Points { { 0, 0 }, { 1.0, 0.5 }, { 5, 5 } }));
}

// The box stores at most 62 CR and 63 TURBO points: a full curve takes no new
// point, but its points still move.
TEST(GraphMouse, FullCurveRefusesANewPoint)
{
    for (bool cr : { true, false }) {
        SCOPED_TRACE(cr);
        GraphBench b;
        b.project.SetBoxType(2);
        if (!cr)
            b.project.SelectTurboForEdit();
        CPunt*& head = cr ? b.project.crCurve : b.project.turboCurve;
        const int limit = cr ? 62 : 63;
        for (int n = 1; CountPoints(head) < limit; ++n)
            head->Add(1.5 + n * 0.04, 1.5);
        Mouse m { b };
        m.Drag(4.42, b.YFor(4.0));
        EXPECT_EQ(CountPoints(head), limit);
        EXPECT_EQ(PointAt(head, 4.42), nullptr);
        m.Drag(1.54, b.YFor(1.0));
        EXPECT_NEAR(PointAt(head, 1.54)->output, 1.0, 1e-9);
        // A right click during a drag takes no new point either.
        m.Hover(4.42, 1.0);
        b.graph.BeginDrag();
        b.graph.RightClick();
        EXPECT_EQ(CountPoints(head), limit);
        // After a deletion there is room again.
        m.Hover(1.54, 1.0);
        b.graph.RightClick();
        m.Drag(4.42, b.YFor(4.0));
        EXPECT_NEAR(PointAt(head, 4.42)->output, 4.0, 1e-9);
    }
}

TEST(GraphMouse, RightClickDeletesButKeepsTheFixedPoints)
{
    struct Case {
        bool cr;
        double input;
        bool removed, repainted;
    };
    for (const Case& c : { Case { true, 2.0, true, true }, Case { true, 1.5, false, true },
             Case { true, 4.5, false, true }, Case { true, 5.0, false, false },
             Case { true, 0.0, false, true }, Case { false, 1.5, true, true },
             Case { false, 5.0, false, false } }) {
        SCOPED_TRACE(c.cr * 10 + c.input);
        GraphBench b;
        b.project.SetBoxType(2);
        b.project.crCurve->Add(2.0, 1.0);
        b.project.turboCurve->Add(1.5, 1.0);
        if (!c.cr)
            b.project.SelectTurboForEdit();
        CPunt* head = c.cr ? b.project.crCurve : b.project.turboCurve;
        Mouse m { b };
        m.Hover(c.input, 1.0);
        ASSERT_NE(b.graph.SelectedPoint(), nullptr);
        const int count = CountPoints(head);
        b.repaints = 0;
        b.graph.RightClick();
        EXPECT_EQ(CountPoints(head), count - c.removed);
        EXPECT_EQ(b.repaints > 0, c.repainted);
        if (c.removed) {
            EXPECT_EQ(b.graph.SelectedPoint(), nullptr);
        }
    }
    // Nothing highlighted: nothing happens.
    GraphBench b;
    Mouse m { b };
    m.Hover(3.0, 1.0);
    b.repaints = 0;
    b.graph.RightClick();
    EXPECT_EQ(b.repaints, 0);
    EXPECT_EQ(CountPoints(b.project.crCurve), 4);
}

TEST(GraphMouse, RightClickDuringADragPutsThePointOnTheLine)
{
    for (bool io : { true, false }) {
        GraphBench b;
        b.UseView(io);
        Mouse m { b };
        b.project.crCurve->Add(2.0, 1.0);
        m.Hover(2.0, 1.0);
        b.graph.BeginDrag();
        b.graph.MouseAt(b.XFor(2.0), m.Bottom());
        b.graph.RightClick();
        EXPECT_FALSE(b.graph.dragging);
        EXPECT_EQ(PointAt(b.project.crCurve, 2.0)->output, 2.0);
        EXPECT_EQ(b.graph.cursorX, 2.0);
        EXPECT_EQ(b.graph.cursorY, io ? 2.0 : 0.0);
        // Below the start voltage too: the reset knows no limits.
        m.Hover(1.0, 1.0);
        b.graph.BeginDrag();
        b.graph.RightClick();
        EXPECT_EQ(PointAt(b.project.crCurve, 1.0)->output, 1.0);
    }
}

TEST(GraphMouse, PressAfterADeletionInsertsAtTheDeletedInput)
{
    GraphBench b;
    Mouse m { b };
    b.project.crCurve->Add(2.0, 1.0);
    m.Hover(2.0, 1.0);
    b.graph.RightClick();
    ASSERT_EQ(PointAt(b.project.crCurve, 2.0), nullptr);
    b.graph.BeginDrag();
    b.graph.MouseAt(b.XFor(3.0), b.YFor(1.5));
    EXPECT_NEAR(PointAt(b.project.crCurve, 2.0)->output, 1.5, 1e-9);
}

// New, a reset or a read replace the curves behind the graph's back: a point
// highlighted before must not be used afterwards.
TEST(GraphMouse, ForgetsAHighlightWhoseCurveWasReplaced)
{
    GraphBench b;
    Mouse m { b };
    b.project.crCurve->Add(2.0, 1.0);
    m.Hover(2.0, 1.0);
    ASSERT_NE(b.graph.SelectedPoint(), nullptr);
    b.project.New();
    EXPECT_EQ(b.graph.SelectedPoint(), nullptr);
    b.graph.RightClick();
    b.Render();
    EXPECT_EQ(CountPoints(b.project.crCurve), 4);

    m.Hover(1.5, 1.0);
    b.project.ResetCrCurve();
    b.graph.BeginDrag();
    EXPECT_EQ(b.graph.dragInput, 1.5);
    b.graph.EndDrag(b.XFor(3.0), 300);

    // A switch to the other curve drops the highlight as well.
    b.project.SetBoxType(2);
    m.Hover(1.5, 1.0);
    b.project.SelectTurboForEdit();
    EXPECT_EQ(b.graph.SelectedPoint(), nullptr);
}

} // namespace
