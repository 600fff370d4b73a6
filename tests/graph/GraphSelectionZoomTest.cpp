#include "CurveTestSupport.h"
#include "GraphTestSupport.h"

#include <functional>
#include <vector>

#include <gtest/gtest.h>

// The selection of points and the zoom of the screen graph, through the
// graph's own operations. tests/app drives the same through the window's
// mouse, wheel and keys.
namespace {

using Inputs = std::vector<double>;
using Mode = CGraph::PressMode;

// CR points at 1.5 (start), 2.0, 2.5, 3.0, 3.5 and 4.5 (stop) V besides the
// ends, below the line output = input.
class GraphPoints : public GraphBench {
public:
    GraphPoints()
    {
        for (double input : { 2.0, 2.5, 3.0, 3.5 })
            project.crCurve.Add(input, input - 0.3);
        graph.selectionChanged = [this] { ++changes; };
        UseView(true);
    }
    void Click(double input, Mode mode = Mode::Plain)
    {
        const QPoint at = MarkerOf(input);
        graph.PressAt(at.x(), at.y(), mode);
        graph.EndDrag(at.x(), at.y());
    }
    // Presses with Shift at one corner (input, output volts) and lets go at
    // the other.
    void Band(double fromInput, double fromOutput, double toInput, double toOutput)
    {
        const QPoint from(graph.VoltsToX(fromInput), graph.VoltsToY(fromOutput));
        const QPoint to(graph.VoltsToX(toInput), graph.VoltsToY(toOutput));
        graph.PressAt(from.x(), from.y(), Mode::Extend);
        graph.MouseAt((from.x() + to.x()) / 2, (from.y() + to.y()) / 2);
        graph.MouseAt(to.x(), to.y());
        graph.EndDrag(to.x(), to.y());
    }
    int changes = 0;
};

TEST(GraphSelection, ClicksShiftCtrlAndRectangles)
{
    struct Row {
        const char* what;
        std::function<void(GraphPoints&)> act;
        Inputs selected;
        double current; // the point the keys move and the read-out shows
    };
    const Row rows[] = {
        { "a click selects its point alone", [](GraphPoints& g) { g.Click(2.5); }, { 2.5 }, 2.5 },
        { "Shift+clicks select from the point clicked before, both ways",
            [](GraphPoints& g) {
                g.Click(2.5);
                g.Click(4.5, Mode::Extend);
                g.Click(1.5, Mode::Extend);
            },
            { 1.5, 2.0, 2.5 }, 1.5 },
        { "Ctrl+click adds points and takes them out again",
            [](GraphPoints& g) {
                g.Click(2.0);
                g.Click(3.0, Mode::Toggle);
                g.Click(4.5, Mode::Toggle);
                g.Click(2.0, Mode::Toggle);
            },
            { 3.0, 4.5 }, 2.0 },
        { "Shift+click after a Ctrl+click selects from the Ctrl-clicked point on, alone",
            [](GraphPoints& g) {
                g.Click(1.5);
                g.Click(3.0, Mode::Toggle);
                g.Click(4.5, Mode::Extend);
            },
            { 3.0, 3.5, 4.5 }, 4.5 },
        { "Shift+drag selects the points inside the rectangle, in place of the selection",
            [](GraphPoints& g) {
                g.Click(4.5);
                g.Band(1.8, 3.0, 3.2, 1.0);
            },
            { 2.0, 2.5, 3.0 }, 2.0 },
        { "Escape during a Shift+drag keeps the selection as it was",
            [](GraphPoints& g) {
                g.Click(4.5);
                const QPoint from(g.graph.VoltsToX(1.8), g.graph.VoltsToY(3.0));
                g.graph.PressAt(from.x(), from.y(), Mode::Extend);
                g.graph.MouseAt(g.graph.VoltsToX(3.2), g.graph.VoltsToY(1.0));
                EXPECT_TRUE(g.graph.Escape());
                g.graph.EndDrag(g.graph.VoltsToX(3.2), g.graph.VoltsToY(1.0));
            },
            { 4.5 }, 4.5 },
        { "Ctrl+A selects every point of the edited curve",
            [](GraphPoints& g) {
                g.Click(3.0);
                g.graph.SelectAll();
            },
            { 0.0, 1.5, 2.0, 2.5, 3.0, 3.5, 4.5, 5.0 }, 3.0 },
        { "Escape clears the selection and leaves the current point for the keys",
            [](GraphPoints& g) {
                g.Click(3.0);
                g.Click(4.5, Mode::Extend);
                EXPECT_TRUE(g.graph.Escape());
                EXPECT_FALSE(g.graph.Escape());
            },
            {}, 4.5 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        GraphPoints g;
        const Points before = PointsOf(g.project.crCurve);
        row.act(g);
        EXPECT_EQ(g.graph.Selection(), row.selected);
        ASSERT_NE(g.graph.SelectedPoint(), nullptr);
        EXPECT_EQ(g.graph.SelectedPoint()->input, row.current);
        EXPECT_EQ(PointsOf(g.project.crCurve), before) << "selecting moves no point";
        EXPECT_GT(g.changes, 0);
    }
}

// Undo, a read and the right button take points away behind the selection's
// back: what is gone leaves it, and the window hears of it.
TEST(GraphSelection, FollowsTheEditedCurve)
{
    struct Row {
        const char* what;
        std::function<void(GraphPoints&)> change;
        Inputs selected;
    };
    const Row rows[] = {
        { "a point removed with the right button",
            [](GraphPoints& g) {
                const QPoint at = g.MarkerOf(2.5);
                g.graph.RightClickAt(at.x(), at.y());
            },
            { 2.0, 3.0 } },
        { "the curve made anew with every point, at other outputs",
            [](GraphPoints& g) {
                g.project.crCurve = BuildCurve({ { 0, 0 }, { 1.5, 1.5 }, { 2.0, 1.9 }, { 2.5, 2.0 },
                    { 3.0, 2.0 }, { 4.5, 4.5 }, { 5, 5 } });
            },
            { 2.0, 2.5, 3.0 } },
        { "the TURBO curve edited instead",
            [](GraphPoints& g) {
                g.project.SetBoxType(2);
                g.project.SelectTurboForEdit();
            },
            {} },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        GraphPoints g;
        g.Click(2.0);
        g.Click(3.0, Mode::Extend);
        g.changes = 0;
        row.change(g);
        g.Render(); // a paint finds out, as the window's refresh does
        EXPECT_EQ(g.changes > 0, row.selected.size() != 3);
        EXPECT_EQ(g.graph.Selection(), row.selected);
    }
}

// Wherever the pointer stands, the volts under it stay under it; near an end
// of the range the view stops there instead.
TEST(GraphZoom, KeepsTheVoltsUnderThePointer)
{
    struct Row {
        const char* what;
        bool inputOutput;
        double input, vertical, factor;
    };
    const Row rows[] = {
        { "close to the start voltage, zoomed 20 times", true, 1.52, 1.3, 20.0 },
        { "the Difference view", false, 3.1, 0.4, 8.0 },
        { "as far as the zoom goes", true, 4.02, 3.9, 1000.0 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        GraphPoints g;
        g.UseView(row.inputOutput);
        const int x = g.graph.VoltsToX(row.input), y = g.graph.VoltsToY(row.vertical);
        g.graph.ZoomAt(x, y, row.factor);
        g.Render();
        const GraphVisible v = g.graph.Visible();
        // Within the volts one pixel spans after the zoom.
        const GraphRect plot = g.graph.PlotArea();
        EXPECT_NEAR(g.graph.XToVolts(x), row.input, 5.0 / (plot.right - plot.left));
        EXPECT_NEAR(g.graph.YToVolts(y), row.vertical, 5.0 / (plot.bottom - plot.top));
        EXPECT_NEAR(
            v.xHigh - v.xLow, std::max(5.0 / row.factor, CGraph::kNarrowestInputSpan), 1e-9);
    }
    // A pan far past the ends.
    GraphPoints g;
    g.graph.ZoomAt(g.graph.VoltsToX(2.5), g.graph.VoltsToY(2.5), 4.0);
    g.graph.PanBy(100000, 100000);
    EXPECT_EQ(g.graph.Visible().xLow, 0.0) << "the view stops at 0 V";
    EXPECT_EQ(g.graph.Visible().yHigh, 5.0) << "and at 5 V";
}

// Three points 0.02 V apart lie a few pixels apart in the whole range; zoomed
// in, a press on the middle one's marker takes it, a drag moves it by the
// volts the pointer moved, and a press on an empty step beside them makes a
// point there.
TEST(GraphZoom, PicksAndDragsExactlyWhenZoomedIn)
{
    for (bool inputOutput : { true, false }) {
        SCOPED_TRACE(inputOutput ? "Input-Output" : "Difference");
        GraphPoints g;
        for (double input : { 2.98, 3.02 })
            g.project.crCurve.Add(input, 2.7);
        g.UseView(inputOutput);
        const QPoint middle = g.MarkerOf(3.0);
        g.graph.ZoomAt(middle.x(), middle.y(), 50.0);
        g.Render();
        const QPoint at = g.MarkerOf(3.0);
        ASSERT_TRUE(g.graph.PressAt(at.x(), at.y()));
        EXPECT_EQ(g.graph.dragInput, 3.0);
        const int down = g.graph.VoltsToY(0.0) - g.graph.VoltsToY(0.04); // pixels for 0.04 V
        g.graph.MouseAt(at.x(), at.y() + down);
        g.graph.EndDrag(at.x(), at.y() + down);
        // Down the screen: a lower output, or a lower difference (a higher output).
        EXPECT_NEAR(g.project.crCurve.Find(3.0)->output, inputOutput ? 2.66 : 2.74, 1e-9);
        EXPECT_EQ(g.project.crCurve.Find(2.98)->output, 2.7);
        EXPECT_EQ(g.project.crCurve.Find(3.02)->output, 2.7);
        EXPECT_EQ(g.graph.cursorX, 3.0) << "the read-out shows the dragged point";

        const Points before = PointsOf(g.project.crCurve);
        const int x = g.graph.VoltsToX(2.96) + 2;
        const int y = g.graph.VoltsToY(inputOutput ? 2.7 : 0.3);
        ASSERT_TRUE(g.graph.PressAt(x, y));
        g.graph.EndDrag(x, y);
        EXPECT_EQ(g.graph.Selection(), Inputs { 2.96 });
        EXPECT_EQ(PointsOf(g.project.crCurve).size(), before.size() + 1);
        EXPECT_NEAR(g.project.crCurve.Find(2.96)->output, inputOutput ? 2.7 : 2.66, 1e-9);
    }
}

// Switching views while zoomed keeps the inputs shown; the other view's
// vertical values differ, and it shows the curve there, not an empty stretch.
TEST(GraphZoom, AViewSwitchKeepsTheInputsAndFindsTheCurve)
{
    for (bool toInputOutput : { false, true }) {
        SCOPED_TRACE(toInputOutput ? "to Input-Output" : "to Difference");
        GraphPoints g;
        g.UseView(!toInputOutput);
        const QPoint at = g.MarkerOf(3.0);
        g.graph.ZoomAt(at.x(), at.y(), 20.0);
        g.Render();
        const GraphVisible before = g.graph.Visible();
        g.UseView(toInputOutput);
        EXPECT_EQ(g.graph.Visible().xLow, before.xLow);
        EXPECT_EQ(g.graph.Visible().xHigh, before.xHigh);
        const GraphRect plot = g.graph.PlotArea();
        const QPoint now = g.MarkerOf(3.0);
        EXPECT_TRUE(plot.top <= now.y() && now.y() <= plot.bottom) << now.y();
    }
}

// Zoomed, the ticks come closer in volts: about ten of them, on multiples of
// their step, inside the view and where their volts are drawn.
TEST(GraphZoom, TicksFollowTheZoom)
{
    for (bool inputOutput : { true, false }) {
        for (double factor : { 1.0, 3.0, 12.0, 50.0 }) {
            SCOPED_TRACE(testing::Message() << inputOutput << " x" << factor);
            GraphPoints g;
            g.UseView(inputOutput);
            g.graph.ZoomAt(
                g.graph.VoltsToX(2.9), g.graph.VoltsToY(inputOutput ? 2.1 : 0.6), factor);
            g.Render();
            const GraphVisible v = g.graph.Visible();
            const GraphTicks ticks = g.graph.TicksX();
            EXPECT_GE(ticks.count, 4);
            EXPECT_LE(ticks.count, 13);
            EXPECT_NEAR(std::remainder(ticks.first, ticks.step), 0.0, 1e-9);
            EXPECT_GE(ticks.first, v.xLow - 1e-9);
            EXPECT_LE(ticks.first + (ticks.count - 1) * ticks.step, v.xHigh + 1e-9);
            for (int i = 0; i < ticks.count; ++i)
                EXPECT_NEAR(g.graph.TickX(i), g.graph.VoltsToX(ticks.first + i * ticks.step), 1);
            const GraphTicks vertical = g.graph.TicksY(v.yHigh);
            EXPECT_GE(vertical.count, 4);
            for (int j = 0; j < vertical.count; ++j) {
                EXPECT_NEAR(
                    g.graph.TickY(j), g.graph.VoltsToY(vertical.first + j * vertical.step), 1);
            }
        }
    }
}

// Reset shows the whole range again, with the mapping of a graph never
// zoomed.
TEST(GraphZoom, ResetGivesTheMappingOfAGraphNeverZoomed)
{
    GraphPoints g;
    int reports = 0;
    g.graph.zoomChanged = [&reports] { ++reports; };
    g.graph.ZoomAt(g.graph.VoltsToX(2.0), g.graph.VoltsToY(1.7), 6.0);
    g.graph.PanBy(-40, 25);
    g.Click(2.0);
    g.Render();
    EXPECT_TRUE(g.graph.Zoomed());
    g.graph.ResetZoom();
    EXPECT_FALSE(g.graph.Zoomed());
    EXPECT_EQ(reports, 3);
    GraphPoints fresh;
    fresh.Click(2.0);
    for (GraphPoints* each : { &g, &fresh })
        each->graph.PointerLeft();
    for (double volts : { 0.0, 1.23, 2.5, 5.0 }) {
        EXPECT_EQ(g.graph.VoltsToX(volts), fresh.graph.VoltsToX(volts));
        EXPECT_EQ(g.graph.VoltsToY(volts), fresh.graph.VoltsToY(volts));
    }
    EXPECT_TRUE(g.Render() == fresh.Render()) << "with the point chosen in both";
}

} // namespace
