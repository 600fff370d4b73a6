#include "CurveTestSupport.h"
#include "GraphTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

// The graph's geometry, drawing and editing. tests/app/EditingWindowTest sends
// the window real mouse events for the highlight, the CR limits, insertion and
// the right button; the editing rules themselves: tests/project.
namespace {

// A window shrunk below the margins, or ranges of no width, must not make the
// conversions, the mouse or the drawing fail or hang.
TEST(GraphGeometry, SurvivesAnEmptyPlotAreaAndEmptyRanges)
{
    struct Row {
        const char* what;
        GraphRect frame;
        int range;
        double step;
    };
    const Row rows[] = {
        { "a frame smaller than the margins", { 100, 10, 160, 70 }, 5, 0.5 },
        { "no frame, no range, no step", { 0, 0, 0, 0 }, 0, 0.0 },
        { "a tick step of 1e-12 V", { 100, 10, 790, 590 }, 5, 1e-12 },
    };
    for (const auto& [what, frame, range, step] : rows) {
        SCOPED_TRACE(what);
        GraphBench b;
        b.graph.SetFrame(frame.left, frame.top, frame.right, frame.bottom);
        b.graph.SetRange(0, range, range, 0);
        b.graph.xStep = b.graph.yStep = step;
        for (bool io : { true, false }) {
            b.UseView(io);
            for (int px : { INT_MIN, -1, 130, INT_MAX }) {
                b.graph.VoltsToX(px / 100.0);
                b.graph.VoltsToY(px / 100.0);
                b.graph.TickX(px);
                b.graph.TickY(px);
                b.graph.MouseAt(px, px);
                EXPECT_TRUE(
                    b.graph.cursorX >= b.graph.range.xMin && b.graph.cursorX <= b.graph.range.xMax);
                b.graph.PressAt(px, px);
                b.graph.MouseAt(px, px);
                b.graph.RightClickAt(px, px);
            }
            b.Render(QSize(200, 100));
        }
    }
}

const QColor kBlue(0, 0, 255), kRed(255, 0, 0);

bool NearColour(const QImage& image, const CGraph& g, double input, double vertical, QColor colour)
{
    const QRect around(g.VoltsToX(input) - 1, g.VoltsToY(vertical) - 1, 3, 3);
    return Any(image, around, [&colour](QColor c) { return c == colour; });
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

// Every pixel of the marker inside its outline has the colour.
bool Filled(const QImage& image, const CGraph& g, double in, double out, const QColor& colour)
{
    const int r = CGraph::kChosenMarkerRadius - 1;
    for (int dy = -r; dy <= r; ++dy) {
        for (int dx = -r; dx <= r; ++dx) {
            if (dx * dx + dy * dy <= r * r
                && image.pixelColor(g.VoltsToX(in) + dx, g.VoltsToY(out) + dy) != colour)
                return false;
        }
    }
    return true;
}

// TURBO in red when enabled and shown. The edited curve carries small open
// markers on every point, the other one none; the highlighted point a larger
// one, filled.
TEST(GraphDraw, DrawsTurboOnlyWhenEnabledAndShownAndMarksTheEditedCurve)
{
    struct Row {
        const char* what;
        int boxType;
        bool showTurbo, editTurbo, red;
    };
    const Row rows[] = {
        { "CR & TURBO box, CR edited", 2, true, false, true },
        { "CR & TURBO box, TURBO hidden", 2, false, false, false },
        { "CR box: no TURBO curve", 0, true, false, false },
        { "CR & TURBO box, TURBO edited", 2, true, true, true },
    };
    for (const auto& [what, boxType, showTurbo, editTurbo, red] : rows) {
        SCOPED_TRACE(what);
        GraphBench b;
        b.project.SetBoxType(boxType);
        b.project.crCurve.Add(2.5, 1.5);
        b.project.turboCurve.Add(2.5, 4.0);
        if (editTurbo)
            b.project.SelectTurboForEdit();
        if (!showTurbo)
            b.project.ClickShowTurbo();
        b.Render();
        b.graph.MouseAt(b.graph.VoltsToX(1.5), b.graph.VoltsToY(1.5));
        const QImage image = b.Render(); // with the CR point at 1.5 V highlighted
        // CR runs flat at 1.5 V from 1.5 to 2.5 V; TURBO rises to its point at 2.5 V.
        EXPECT_TRUE(NearColour(image, b.graph, 2.25, 1.5, kBlue));
        EXPECT_EQ(NearColour(image, b.graph, 1.25, 2.0, kRed), red);
        const int small = CGraph::kMarkerRadius, large = CGraph::kChosenMarkerRadius;
        EXPECT_EQ(MarkerRadius(image, b.graph, 1.5, 1.5, kBlue), editTurbo ? 0 : large);
        EXPECT_EQ(Filled(image, b.graph, 1.5, 1.5, kBlue), !editTurbo);
        EXPECT_EQ(MarkerRadius(image, b.graph, 4.5, 4.5, kBlue), editTurbo ? 0 : small);
        EXPECT_FALSE(Filled(image, b.graph, 4.5, 4.5, kBlue));
        EXPECT_EQ(MarkerRadius(image, b.graph, 2.5, 4.0, kRed), editTurbo ? small : 0);
    }
}

// With a CR point of its own at 2.0 V.
class GraphMouse : public ::testing::Test, public GraphBench {
protected:
    GraphMouse() { project.crCurve.Add(2.0, 1.7); }
};

// A drag keeps the distance between the pointer and the grabbed marker, so
// the point moves with the pointer instead of jumping to it.
TEST_F(GraphMouse, ADraggedPointFollowsThePointerWithoutAJump)
{
    UseView(true);
    const QPoint grab = MarkerOf(2.0) + QPoint(0, 3);
    graph.PressAt(grab.x(), grab.y());
    graph.MouseAt(grab.x(), grab.y() + 1);
    EXPECT_NEAR(project.crCurve.Find(2.0)->output, 1.7, 0.011);
    const int down = graph.VoltsToY(0.0) - graph.VoltsToY(0.5); // pixels for 0.5 V
    graph.MouseAt(grab.x(), grab.y() + down);
    graph.EndDrag(grab.x(), grab.y() + down);
    EXPECT_NEAR(project.crCurve.Find(2.0)->output, 1.2, 0.021);
}

// The right button removes the point whose marker it is on, as far as the
// rules allow, and nothing elsewhere; during a drag it puts the dragged point
// back on the line output = input.
TEST_F(GraphMouse, RightClickRemovesThePointUnderItOrPutsTheDraggedOneOnTheLine)
{
    UseView(true);
    const Points before = PointsOf(project.crCurve);
    graph.RightClickAt(graph.VoltsToX(3.0), graph.VoltsToY(1.0)); // empty plot space
    const QPoint start = MarkerOf(1.5);
    graph.RightClickAt(start.x(), start.y()); // the start voltage's point stays
    EXPECT_EQ(PointsOf(project.crCurve), before);
    QPoint at = MarkerOf(2.0);
    graph.PressAt(at.x(), at.y());
    graph.MouseAt(at.x(), at.y() + 20);
    graph.RightClickAt(at.x(), at.y() + 20);
    EXPECT_FALSE(graph.dragging);
    EXPECT_EQ(project.crCurve.Find(2.0)->output, 2.0);
    at = MarkerOf(2.0);
    graph.RightClickAt(at.x(), at.y());
    EXPECT_EQ(project.crCurve.Find(2.0)->input, 1.5) << "the point at 2 V is gone";
}

// Once, the read-out went stale after a view switch and after a deletion.
TEST_F(GraphMouse, TheReadOutFollowsViewSwitchesAndDeletions)
{
    UseView(true);
    graph.SelectNeighbour(true);
    graph.SelectNeighbour(true);
    graph.SelectNeighbour(true);
    EXPECT_EQ(graph.ReadOutText(), "V[in]:2.00V V[diff]:-0.30V");
    graph.RemoveSelected(); // the key's highlight goes down the curve
    EXPECT_EQ(graph.ReadOutText(), "V[in]:1.50V V[diff]:0.00V");
    const int x = graph.VoltsToX(3.0), y = graph.VoltsToY(1.0);
    graph.MouseAt(x, y);
    const QString inputOutput = graph.ReadOutText();
    project.ChooseDifferenceView();
    Render();
    const QString afterSwitch = graph.ReadOutText();
    graph.MouseAt(x, y); // what the pointer shows there in this view
    EXPECT_EQ(afterSwitch, graph.ReadOutText());
    EXPECT_NE(afterSwitch, inputOutput);
}

// New, a reset, a read or Undo replace the curves behind the graph's back: a
// point chosen before is never used afterwards. The choice goes to the point
// now at its input, or is forgotten when there is none.
TEST_F(GraphMouse, ForgetsAHighlightWhoseCurveWasReplaced)
{
    graph.SelectNeighbour(false); // the point at 5 V
    project.New();
    ASSERT_NE(graph.SelectedPoint(), nullptr);
    EXPECT_EQ(graph.SelectedPoint(), project.crCurve.Find(5.0));
    project.crCurve.Add(2.0, 1.7);
    graph.SelectNeighbour(false);
    graph.SelectNeighbour(false);
    ASSERT_EQ(graph.SelectedPoint()->input, 2.0);
    project.ResetCrCurve();
    EXPECT_EQ(graph.SelectedPoint(), nullptr);
    graph.RemoveSelected();
    graph.MoveSelected(0.1);
    Render();
    EXPECT_EQ(project.crCurve.Count(), 4);
}

// Once, the point chosen with a click or the keys was let go when the pointer
// left the graph, and Up and Delete then did nothing while the read-out still
// showed it.
TEST(GraphChosenPoint, StaysChosenWhenThePointerLeaves)
{
    GraphBench b;
    b.project.crCurve.Add(2.0, 1.7);
    b.UseView(true);
    const QPoint at = b.MarkerOf(2.0);
    b.graph.PressAt(at.x(), at.y());
    b.graph.EndDrag(at.x(), at.y());
    // Resting on another marker shows what a press would take there.
    const QPoint other = b.MarkerOf(1.5);
    b.graph.MouseAt(other.x(), other.y());
    EXPECT_EQ(b.graph.SelectedPoint()->input, 1.5);
    // Through empty plot space and out of the frame.
    b.graph.MouseAt(b.graph.VoltsToX(4.0), b.graph.VoltsToY(1.0));
    b.graph.PointerLeft();
    const QImage image = b.Render();
    const CPunt* p = b.project.crCurve.Find(2.0);
    EXPECT_TRUE(Filled(image, b.graph, 2.0, 1.7, kBlue));
    // The read-out shows it, not where the pointer last was.
    EXPECT_EQ(b.graph.cursorX, 2.0);
    EXPECT_EQ(b.graph.cursorY, 1.7);
    b.graph.MoveSelected(0.1); // Up
    EXPECT_NEAR(p->output, 1.8, 1e-9);
}

} // namespace
