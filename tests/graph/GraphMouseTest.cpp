#include "GraphTestSupport.h"

#include <gtest/gtest.h>

// The main window's mouse events reach these calls; tests/app/GraphWindowTest
// sends real events for the highlight, CR limits and the right button.
namespace {

struct Mouse {
    GraphBench& b;

    int Top() const { return b.graph.frame.top + 1; }
    int Bottom() const { return b.graph.frame.bottom - 1; }
    void Hover(double input, double vertical) { b.graph.MouseAt(b.XFor(input), b.YFor(vertical)); }
    // Press at the input, move to y with the button held, release there.
    void Drag(double input, int y)
    {
        Hover(input, 1.0);
        b.graph.BeginDrag();
        b.graph.MouseAt(b.XFor(input), b.YFor(1.0));
        b.graph.MouseAt(b.XFor(input), y);
        b.graph.EndDrag(b.XFor(input), y);
    }
};

// Where a point at 2.0 V ends when dragged to the top or the bottom of the plot.
TEST(GraphMouse, DragLimitsOfBothCurvesInBothViews)
{
    struct Case {
        bool io, cr;
        double top, bottom;
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
        // The start and stop points of the CR curve stay where they are.
        const Points before = PointsOf(head);
        m.Drag(1.5, m.Bottom());
        m.Drag(4.5, m.Bottom());
        EXPECT_TRUE(!c.cr || PointsOf(head) == before);
    }
}

TEST(GraphMouse, PressWhereNoPointIsInsertsOne)
{
    GraphBench b;
    Mouse m { b };
    m.Drag(2.5, b.YFor(2.2));
    EXPECT_EQ(PointsOf(b.project.crCurve),
        (Points { { 0, 0 }, { 1.5, 1.5 }, { 2.5, 2.2 }, { 4.5, 4.5 }, { 5, 5 } }));
    m.Drag(1.0, b.YFor(0.5)); // below the start voltage the CR curve stays the line
    EXPECT_EQ(CountPoints(b.project.crCurve), 5);
    b.project.SetBoxType(2); // the TURBO curve knows no start or stop voltage
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
        EXPECT_EQ(PointAt(head, 4.42), nullptr);
        m.Drag(1.54, b.YFor(1.0));
        EXPECT_NEAR(PointAt(head, 1.54)->output, 1.0, 1e-9);
        m.Hover(4.42, 1.0); // a right click during a drag takes no new point either
        b.graph.BeginDrag();
        b.graph.RightClick();
        EXPECT_EQ(CountPoints(head), limit);
        m.Hover(1.54, 1.0); // after a deletion there is room again
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
    for (const Case& c : { Case { true, 2.0, true, true }, Case { true, 4.5, false, true },
             Case { true, 5.0, false, false }, Case { true, 0.0, false, true },
             Case { false, 1.5, true, true }, Case { false, 5.0, false, false } }) {
        SCOPED_TRACE(c.cr * 10 + c.input);
        GraphBench b;
        b.project.SetBoxType(2);
        b.project.crCurve->Add(2.0, 1.0);
        b.project.turboCurve->Add(1.5, 1.0);
        if (!c.cr)
            b.project.SelectTurboForEdit();
        CPunt* head = c.cr ? b.project.crCurve : b.project.turboCurve;
        Mouse { b }.Hover(c.input, 1.0);
        ASSERT_NE(b.graph.SelectedPoint(), nullptr);
        const int count = CountPoints(head);
        b.repaints = 0;
        b.graph.RightClick();
        EXPECT_EQ(CountPoints(head), count - c.removed);
        EXPECT_EQ(b.repaints > 0, c.repainted);
    }
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
    b.project.SetBoxType(2); // a switch to the other curve drops the highlight too
    m.Hover(1.5, 1.0);
    b.project.SelectTurboForEdit();
    EXPECT_EQ(b.graph.SelectedPoint(), nullptr);
}

} // namespace
