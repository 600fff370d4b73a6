#include "Graph.h"
#include "CurveTestSupport.h"
#include "ProjectState.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <tuple>

// The graph's geometry, drawing and editing. tests/app/GraphWindowTest sends the
// window real mouse events for the highlight, the CR limits, insertion and the
// right button.
namespace {

// A graph set up as the main window sets it up on a client area of 800 x 600:
// frame (100, 10, 790, 590), both axes 0 to 5 V in steps of 0.5 V.
struct GraphBench {
    ProjectState project;
    CGraph graph { &project };
    GraphBench()
    {
        graph.repaintRequest = [] {};
        graph.SetFrame(100, 10, 790, 590);
        graph.UseStandardAxes();
    }
    void UseView(bool inputOutput)
    {
        if (inputOutput)
            project.ChooseInputOutputView();
        else
            project.ChooseDifferenceView();
        Render(); // the view's geometry comes with its first paint
    }
    QImage Render(QSize size = QSize(800, 600))
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Face());
        QPainter painter(&image);
        graph.Draw(painter, Face());
        return image;
    }
    static QColor Face() { return QColor(212, 208, 200); }
    // A pixel inside the frame whose quantised cursor value is exactly volts.
    int XFor(double volts) const { return Find(graph.frame.left, graph.frame.right, volts, true); }
    int YFor(double volts) const { return Find(graph.frame.bottom, graph.frame.top, volts, false); }
    int Find(int from, int to, double volts, bool x) const
    {
        for (int p = from; p != to; p += from < to ? 1 : -1) {
            if (SnapToBoxStep(x ? graph.XToVolts(p) : graph.YToVolts(p)) == volts)
                return p;
        }
        return -1;
    }
    void Hover(double input, double vertical) { graph.MouseAt(XFor(input), YFor(vertical)); }
    // Press at the input where no marker is, move to y with the button held,
    // release there.
    void Drag(double input, int y)
    {
        graph.PressAt(XFor(input), YFor(1.0));
        graph.MouseAt(XFor(input), y);
        graph.EndDrag(XFor(input), y);
    }
    // Where the edited curve's point at this input is drawn.
    QPoint MarkerOf(double input)
    {
        const CPunt* p = project.EditedCurve()->Find(input);
        const double vertical = project.graphType ? p->output : p->input - p->output;
        return QPoint(graph.VoltsToX(p->input), graph.VoltsToY(vertical));
    }
    void EditTurbo(bool turbo)
    {
        project.SetBoxType(2);
        if (turbo)
            project.SelectTurboForEdit();
    }
};

// The output of the curve's point at the input, NaN for none.
double OutputAt(const CPunt* head, double input)
{
    for (const CPunt* p = head; p; p = p->next) {
        if (std::abs(p->input - input) < 1e-9)
            return p->output;
    }
    return std::nan("");
}

// Ticks 0, 2, 5, 10 and VoltsToX(1.23) = 304, computed by hand; nothing is clamped.
TEST(GraphGeometry, ConvertsVoltsAndPlacesTicksByTruncation)
{
    GraphBench b;
    for (const auto& [volts, tick, x, y] :
        std::vector<std::tuple<double, int, int, int>> { { 0.0, 0, 150, 560 }, { 5.0, 10, 780, 40 },
            { 1.23, -1, 304, 432 }, { 6.0, -1, 906, -64 } }) {
        SCOPED_TRACE(volts);
        EXPECT_EQ(b.graph.VoltsToX(volts), x);
        EXPECT_EQ(b.graph.VoltsToY(volts), y);
        EXPECT_TRUE(tick < 0 || (b.graph.TickX(tick) == x && b.graph.TickY(tick) == y));
    }
    EXPECT_NEAR(b.graph.XToVolts(304), 1.2222, 1e-4);
    b.UseView(false); // the Difference view: margins 150, 0 to 2 V in steps of 0.2 V
    EXPECT_EQ(b.graph.yStep, 0.2);
    EXPECT_EQ(b.graph.VoltsToY(0.0), 440);
    EXPECT_EQ(b.graph.VoltsToY(2.0), 160);
}

// A window shrunk below the margins, or ranges of no width, must not make the
// conversions, the mouse or the drawing fail or hang.
TEST(GraphGeometry, SurvivesAnEmptyPlotAreaAndEmptyRanges)
{
    for (const auto& [frame, range, step] : std::vector<std::tuple<GraphRect, int, double>> {
             { { 100, 10, 160, 70 }, 5, 0.5 }, { { 100, 10, 100, 10 }, 5, 0.5 },
             { { 0, 0, 0, 0 }, 0, 0.0 }, { { 100, 10, 790, 590 }, 5, 1e-12 } }) {
        SCOPED_TRACE(frame.right);
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

const QColor kWhite(255, 255, 255), kBlack(0, 0, 0), kGrey(127, 127, 127);
const QColor kBlue(0, 0, 255), kRed(255, 0, 0), kOrange(255, 182, 67);

template <typename Test> bool Any(const QImage& image, QRect area, Test test)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (test(image.pixelColor(x, y)))
                return true;
        }
    }
    return false;
}

// A label cell: opaque white with some dark text pixels in it.
bool HasLabelAt(const QImage& image, int left, int top)
{
    const QRect cell(left, top, 30, 15);
    return Any(image, cell, [](QColor c) { return c == kWhite; })
        && Any(image, cell, [](QColor c) { return c.lightness() < 100; });
}

bool NearColour(const QImage& image, const CGraph& g, double input, double vertical, QColor colour)
{
    const QRect around(g.VoltsToX(input) - 1, g.VoltsToY(vertical) - 1, 3, 3);
    return Any(image, around, [&colour](QColor c) { return c == colour; });
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
        b.graph.cursorX = 2.0;
        b.graph.cursorY = 1.7;
        const QImage image = b.Render();
        // The read-out; the Difference view reads at most 1.6 V.
        EXPECT_EQ(
            b.graph.ReadOutText(), io ? "V[in]:2.00V V[diff]:-0.30V" : "V[in]:2.00V V[diff]:1.60V");
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
            // At the first tick lies the black border, or the zones' outline.
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
    for (const auto& [input, vertical, colour] :
        std::vector<std::tuple<double, double, QColor>> { { 3.25, 0.3, QColor(0, 255, 0) },
            { 3.25, 0.65, QColor(255, 255, 0) }, { 3.25, 1.1, kOrange }, { 0.25, 1.1, kRed },
            { 1.25, 1.5, kRed }, { 3.25, 1.8, b.Face() } }) {
        SCOPED_TRACE(input * 100 + vertical);
        EXPECT_EQ(image.pixelColor(b.graph.VoltsToX(input), b.graph.VoltsToY(vertical)), colour);
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
    for (bool io : { true, false }) {
        for (const auto& [boxType, showTurbo, editTurbo, red] :
            std::vector<std::tuple<int, bool, bool, bool>> { { 2, true, false, true },
                { 2, false, false, false }, { 0, true, false, false }, { 2, true, true, true } }) {
            SCOPED_TRACE(boxType * 100 + showTurbo * 10 + editTurbo);
            GraphBench b;
            b.project.SetBoxType(boxType);
            if (!io)
                b.project.ChooseDifferenceView();
            b.project.crCurve->Add(2.5, 1.5);
            b.project.turboCurve->Add(2.5, io ? 4.0 : 2.2);
            if (editTurbo)
                b.project.SelectTurboForEdit();
            if (!showTurbo)
                b.project.ClickShowTurbo();
            b.Render();
            b.graph.MouseAt(b.graph.VoltsToX(1.5), b.graph.VoltsToY(io ? 1.5 : 0.0));
            const QImage image = b.Render(); // with the CR point at 1.5 V highlighted
            // CR runs flat at 1.5 V from 1.5 to 2.5 V; TURBO rises to its point at 2.5 V.
            EXPECT_TRUE(NearColour(image, b.graph, 2.25, io ? 1.5 : 0.75, kBlue));
            EXPECT_EQ(NearColour(image, b.graph, 1.25, io ? 2.0 : 0.15, kRed), red);
            if (io) {
                EXPECT_EQ(MarkerRadius(image, b.graph, 1.5, 1.5, kBlue), editTurbo ? 0 : 4);
                EXPECT_EQ(MarkerRadius(image, b.graph, 4.5, 4.5, kBlue), editTurbo ? 0 : 3);
                EXPECT_EQ(MarkerRadius(image, b.graph, 2.5, 4.0, kRed), editTurbo ? 3 : 0);
            }
        }
    }
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

// Where a point at 2.0 V ends when dragged to the top or the bottom of the plot.
TEST(GraphMouse, DragLimitsOfBothCurvesInBothViews)
{
    for (const auto& [io, cr, top, bottom] :
        std::vector<std::tuple<bool, bool, double, double>> { { true, true, 2.0, 0.4 },
            { false, true, 0.4, 2.0 }, { true, false, 3.6, 0.4 }, { false, false, 0.4, 2.0 } }) {
        SCOPED_TRACE(io * 10 + cr);
        GraphBench b;
        CPunt*& head = cr ? b.project.crCurve : b.project.turboCurve;
        b.EditTurbo(!cr);
        head->Add(2.0, 2.0);
        b.UseView(io);
        b.Drag(2.0, b.graph.frame.top + 1);
        EXPECT_NEAR(OutputAt(head, 2.0), top, 1e-9);
        b.Drag(2.0, b.graph.frame.bottom - 1);
        EXPECT_NEAR(OutputAt(head, 2.0), bottom, 1e-9);
        EXPECT_FALSE(b.graph.dragging);
    }
}

// Once, a press on a marker's centre made a new point 0.02 V to its left.
// Pixels around the marker of the CR point at 2.0 V (drawn at the truncated
// pixel): a press there picks the point, which the press alone leaves as it
// was, and a hover there highlights the same point; further off a press makes
// a new point where the pointer is.
TEST(GraphMouse, PressesOnADrawnMarkerPickThatPoint)
{
    struct Row {
        const char* name;
        int dx, dy;
        bool picked;
    };
    const Row rows[] = { { "centre", 0, 0, true }, { "right edge", 4, 0, true },
        { "lower right", 3, 3, true }, { "beside the right edge", 6, 0, false } };
    for (bool io : { true, false }) {
        for (const Row& r : rows) {
            SCOPED_TRACE(testing::Message() << r.name << (io ? " input-output" : " difference"));
            GraphBench b;
            b.project.crCurve->Add(2.0, 1.7);
            b.UseView(io);
            const QPoint at = b.MarkerOf(2.0) + QPoint(r.dx, r.dy);
            b.graph.MouseAt(at.x(), at.y());
            const CPunt* hovered = b.graph.SelectedPoint();
            EXPECT_EQ(hovered && hovered->input == 2.0, r.picked);
            EXPECT_TRUE(b.graph.PressAt(at.x(), at.y()));
            EXPECT_EQ(b.graph.dragInput == 2.0, r.picked);
            b.graph.EndDrag(at.x(), at.y());
            EXPECT_EQ(CountPoints(b.project.crCurve), r.picked ? 5 : 6);
            EXPECT_EQ(OutputAt(b.project.crCurve, 2.0), 1.7);
        }
    }
}

// A drag keeps the distance between the pointer and the grabbed marker, so
// the point moves with the pointer instead of jumping to it.
TEST(GraphMouse, ADraggedPointFollowsThePointerWithoutAJump)
{
    GraphBench b;
    b.project.crCurve->Add(2.0, 1.7);
    b.UseView(true);
    const QPoint grab = b.MarkerOf(2.0) + QPoint(0, 3);
    b.graph.PressAt(grab.x(), grab.y());
    b.graph.MouseAt(grab.x(), grab.y() + 1);
    EXPECT_NEAR(OutputAt(b.project.crCurve, 2.0), 1.7, 0.011);
    const int down = b.graph.VoltsToY(0.0) - b.graph.VoltsToY(0.5); // pixels for 0.5 V
    b.graph.MouseAt(grab.x(), grab.y() + down);
    b.graph.EndDrag(grab.x(), grab.y() + down);
    EXPECT_NEAR(OutputAt(b.project.crCurve, 2.0), 1.2, 0.021);
}

// Once, the read-out went stale after a view switch and after a deletion.
TEST(GraphMouse, TheReadOutFollowsViewSwitchesAndDeletions)
{
    GraphBench b;
    b.project.crCurve->Add(2.0, 1.7);
    b.UseView(true);
    b.graph.SelectNeighbour(true);
    b.graph.SelectNeighbour(true);
    b.graph.SelectNeighbour(true);
    EXPECT_EQ(b.graph.ReadOutText(), "V[in]:2.00V V[diff]:-0.30V");
    b.graph.RemoveSelected(); // the key's highlight goes down the curve
    EXPECT_EQ(b.graph.ReadOutText(), "V[in]:1.50V V[diff]:0.00V");
    const int x = b.XFor(3.0), y = b.YFor(1.0);
    b.graph.MouseAt(x, y);
    const QString inputOutput = b.graph.ReadOutText();
    b.project.ChooseDifferenceView();
    b.Render();
    const QString afterSwitch = b.graph.ReadOutText();
    b.graph.MouseAt(x, y); // what the pointer shows there in this view
    EXPECT_EQ(afterSwitch, b.graph.ReadOutText());
    EXPECT_NE(afterSwitch, inputOutput);
}

// New, a reset or a read replace the curves behind the graph's back: a point
// highlighted before must not be used afterwards.
TEST(GraphMouse, ForgetsAHighlightWhoseCurveWasReplaced)
{
    GraphBench b;
    b.project.crCurve->Add(2.0, 1.0);
    b.graph.SelectNeighbour(false);
    b.project.New();
    EXPECT_EQ(b.graph.SelectedPoint(), nullptr);
    b.graph.RemoveSelected();
    b.graph.MoveSelected(0.1);
    b.Render();
    EXPECT_EQ(CountPoints(b.project.crCurve), 4);
}

} // namespace
