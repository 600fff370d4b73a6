#include "Graph.h"
#include "RamvikDlgTestSupport.h"

#include <QApplication>
#include <QImage>

#include <cmath>

namespace {

// The graph in the real window, driven by the mouse events a user makes.
class GraphWindow : public RamvikDlgFixture {
protected:
    void SetUp() override
    {
        RamvikDlgFixture::SetUp();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        Paint(); // the view's geometry comes with its first paint
    }

    CGraph& Graph() { return *window->graph; }
    QImage Paint() { return window->grab().toImage(); }

    // A window pixel at which the quantised cursor value is exactly the
    // given one.
    int X(double volts)
    {
        for (int x = Graph().frame.left + 1; x < Graph().frame.right; ++x) {
            if (std::trunc(Graph().XToVolts(x) * 50) / 50 == volts)
                return x;
        }
        ADD_FAILURE() << volts;
        return 0;
    }
    int Y(double volts)
    {
        for (int y = Graph().frame.bottom - 1; y > Graph().frame.top; --y) {
            if (std::trunc(Graph().YToVolts(y) * 50) / 50 == volts)
                return y;
        }
        ADD_FAILURE() << volts;
        return 0;
    }
    int Top() { return Graph().frame.top + 1; }
    int Bottom() { return Graph().frame.bottom - 1; }

    void Move(int x, int y) { QTest::mouseMove(window.get(), QPoint(x, y)); }
    void Press(int x, int y) { QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(x, y)); }
    void Release(int x, int y)
    {
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(x, y));
    }
    void RightClick(int x, int y)
    {
        QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(x, y));
    }
    // Takes the point at the input and drags it to y.
    void Drag(double input, int y)
    {
        Move(X(input), Y(1.0));
        Press(X(input), Y(1.0));
        Move(X(input), y);
        Release(X(input), y);
    }

    double OutputAt(double input, const CPunt* head = nullptr)
    {
        for (const CPunt* p = head ? head : window->project.crCurve; p; p = p->next) {
            if (p->input == input)
                return p->output;
        }
        return -1.0;
    }
};

TEST_F(GraphWindow, HighlightsAPointOnlyAtItsInput)
{
    window->project.crCurve->Add(2.0, 1.7);
    for (int y : { Top(), Bottom() }) {
        Move(X(2.0), y);
        ASSERT_NE(Graph().SelectedPoint(), nullptr);
        EXPECT_EQ(Graph().SelectedPoint()->input, 2.0);
        EXPECT_EQ(Graph().ReadOutText(), "V[in]:2.00V V[diff]:-0.30V");
    }
    for (double input : { 1.98, 2.02 }) {
        Move(X(input), Top());
        EXPECT_EQ(Graph().SelectedPoint(), nullptr) << input;
    }
}

TEST_F(GraphWindow, DraggingACrPointStopsAtItsLimits)
{
    window->project.crCurve->Add(2.0, 1.7);
    Drag(2.0, Top());
    EXPECT_DOUBLE_EQ(OutputAt(2.0), 2.0);
    Drag(2.0, Bottom());
    EXPECT_NEAR(OutputAt(2.0), 0.4, 1e-9);
    // The start and stop points stay where they are.
    Drag(1.5, Bottom());
    Drag(4.5, Bottom());
    EXPECT_EQ(OutputAt(1.5), 1.5);
    EXPECT_EQ(OutputAt(4.5), 4.5);
}

TEST_F(GraphWindow, LeavingTheFrameEndsADrag)
{
    window->project.crCurve->Add(2.0, 1.7);
    Move(X(2.0), Y(1.7));
    Press(X(2.0), Y(1.7));
    Move(X(2.0), Y(1.2));
    EXPECT_DOUBLE_EQ(OutputAt(2.0), 1.2);
    Move(Graph().frame.right + 3, Y(1.0));
    EXPECT_FALSE(Graph().dragging);
    // Back inside with the button still held: only a hover.
    Move(X(2.0), Y(1.0));
    EXPECT_DOUBLE_EQ(OutputAt(2.0), 1.2);
    Release(X(2.0), Y(1.0));
    EXPECT_DOUBLE_EQ(OutputAt(2.0), 1.2);
}

TEST_F(GraphWindow, PressBesideTheFrameStartsADragAtTheLastInput)
{
    Move(X(2.5), Y(2.5));
    // Left of the frame, on the window's own surface beside the panel.
    Press(97, Y(1.2));
    EXPECT_TRUE(Graph().dragging);
    Release(97, Y(1.2));
    EXPECT_DOUBLE_EQ(OutputAt(2.5), 1.2);
    EXPECT_EQ(CountPoints(window->project.crCurve), 5);
}

TEST_F(GraphWindow, RightButtonDeletesOrResets)
{
    window->project.crCurve->Add(2.0, 1.7);
    window->project.crCurve->Add(3.0, 2.0);
    Move(X(2.0), Y(1.0));
    RightClick(X(2.0), Y(1.0));
    EXPECT_EQ(OutputAt(2.0), -1.0);
    // The start point stays.
    Move(X(1.5), Y(1.0));
    RightClick(X(1.5), Y(1.0));
    EXPECT_EQ(OutputAt(1.5), 1.5);
    // During a drag the point goes back onto the line output = input.
    Move(X(3.0), Y(2.0));
    Press(X(3.0), Y(2.0));
    Move(X(3.0), Y(1.5));
    QTest::mouseClick(window.get(), Qt::RightButton, Qt::NoModifier, QPoint(X(3.0), Y(1.5)));
    EXPECT_FALSE(Graph().dragging);
    EXPECT_EQ(OutputAt(3.0), 3.0);
    Release(X(3.0), Y(1.5));
    EXPECT_EQ(OutputAt(3.0), 3.0);
}

TEST_F(GraphWindow, EditsInTheDifferenceView)
{
    Click("differenceCheck");
    ASSERT_EQ(window->project.graphType, 0);
    Paint();
    window->project.crCurve->Add(2.0, 1.7);
    Move(X(2.0), Y(1.0));
    EXPECT_EQ(Graph().ReadOutText(), "V[in]:2.00V V[diff]:0.30V");
    Drag(2.0, Top()); // the difference stops at 1.6 V
    EXPECT_NEAR(OutputAt(2.0), 0.4, 1e-9);
    Drag(2.0, Y(0.5));
    EXPECT_NEAR(OutputAt(2.0), 1.5, 1e-9);
}

// The graph is copied from x = 95 rightwards; the panel keeps its own pixels.
TEST_F(GraphWindow, PaintsTheGraphBesideThePanel)
{
    const QImage shot = Paint();
    const GraphRect& f = Graph().frame;
    const int middle = (f.top + f.bottom) / 2;
    EXPECT_EQ(shot.pixelColor(f.left, middle), QColor(Qt::white)); // frame border
    EXPECT_EQ(shot.pixelColor(f.left + 50, middle + 7), QColor(Qt::black)); // plot border
    // Between the panel and the frame: the face colour of the graph's image.
    EXPECT_EQ(shot.pixelColor(97, middle), window->palette().color(QPalette::Button));
    // The panel's controls are drawn by themselves, not covered.
    auto* newButton = Find<QWidget>("newButton");
    const QImage button = newButton->grab().toImage();
    const QPoint at = newButton->geometry().center();
    EXPECT_EQ(shot.pixelColor(at), button.pixelColor(at - newButton->geometry().topLeft()));
}

} // namespace
