#include "GraphTestSupport.h"

#include <gtest/gtest.h>

// tests/app/GraphWindowTest sends the window real mouse events for the highlight,
// the CR limits, insertion and the right button; here the rest of the editing.
namespace {

struct Mouse {
    GraphBench& b;

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

GraphBench& EditTurbo(GraphBench& b, bool turbo)
{
    b.project.SetBoxType(2);
    if (turbo)
        b.project.SelectTurboForEdit();
    return b;
}

// Where a point at 2.0 V ends when dragged to the top or the bottom of the plot;
// the start and stop points of the CR curve do not move.
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
        CPunt*& head = c.cr ? b.project.crCurve : b.project.turboCurve;
        EditTurbo(b, !c.cr);
        head->Add(2.0, 2.0);
        b.UseView(c.io);
        Mouse m { b };
        m.Drag(2.0, b.graph.frame.top + 1);
        EXPECT_NEAR(PointAt(head, 2.0)->output, c.top, 1e-9);
        m.Drag(2.0, b.graph.frame.bottom - 1);
        EXPECT_NEAR(PointAt(head, 2.0)->output, c.bottom, 1e-9);
        EXPECT_FALSE(b.graph.dragging);
        const Points before = PointsOf(head);
        m.Drag(1.5, b.graph.frame.bottom - 1);
        m.Drag(4.5, b.graph.frame.bottom - 1);
        EXPECT_TRUE(!c.cr || PointsOf(head) == before);
    }
}

// A press where no point is inserts one, not below the CR curve's start voltage
// (the TURBO curve has none) and not into a curve as full as the box stores
// (62 CR, 63 TURBO points).
TEST(GraphMouse, InsertsWhereNoPointIsUnlessTheCurveIsFull)
{
    for (bool cr : { true, false }) {
        SCOPED_TRACE(cr);
        GraphBench b;
        CPunt*& head = cr ? b.project.crCurve : b.project.turboCurve;
        EditTurbo(b, !cr);
        Mouse m { b };
        m.Drag(1.0, b.YFor(0.5));
        EXPECT_EQ(PointAt(head, 1.0) != nullptr, !cr);
        const int limit = cr ? 62 : 63;
        for (int n = 1; CountPoints(head) < limit; ++n)
            head->Add(1.5 + n * 0.04, 1.5);
        m.Drag(4.42, b.YFor(4.0));
        EXPECT_EQ(PointAt(head, 4.42), nullptr);
        m.Drag(1.54, b.YFor(1.0)); // its points still move
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

// New, a reset or a read replace the curves behind the graph's back: a point
// highlighted before must not be used afterwards.
TEST(GraphMouse, ForgetsAHighlightWhoseCurveWasReplaced)
{
    GraphBench b;
    Mouse m { b };
    b.project.crCurve->Add(2.0, 1.0);
    m.Hover(2.0, 1.0);
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
    EditTurbo(b, false); // a switch to the other curve drops the highlight too
    m.Hover(1.5, 1.0);
    b.project.SelectTurboForEdit();
    EXPECT_EQ(b.graph.SelectedPoint(), nullptr);
}

} // namespace
