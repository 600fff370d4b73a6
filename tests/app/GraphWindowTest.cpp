#include "AppTestSupport.h"
#include "Graph.h"

#include <cmath>

namespace {

// The graph in the real window, driven by the mouse events a user makes.
class GraphWindow : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->grab(); // the view's geometry comes with its first paint
        window->project.crCurve->Add(2.0, 1.7);
    }
    CGraph& Graph() { return *window->graph; }
    // A window pixel at which the quantised cursor value is exactly volts.
    int At(double volts, bool vertical)
    {
        const GraphRect& f = Graph().frame;
        for (int p = vertical ? f.top + 1 : f.left + 1; p < (vertical ? f.bottom : f.right); ++p)
            if (std::trunc((vertical ? Graph().YToVolts(p) : Graph().XToVolts(p)) * 50) / 50
                == volts)
                return p;
        ADD_FAILURE() << volts;
        return 0;
    }
    int X(double volts) { return At(volts, false); }
    int Y(double volts) { return At(volts, true); }
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
    double OutputAt(double input)
    {
        const CPunt* p = window->project.crCurve->Find(input);
        return p && p->input == input ? p->output : -1.0;
    }
};

TEST_F(GraphWindow, HighlightsAPointOnlyAtItsInput)
{
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

TEST_F(GraphWindow, DraggingACrPointStopsAtItsLimitsAndTheEndsStay)
{
    Drag(2.0, Top());
    EXPECT_DOUBLE_EQ(OutputAt(2.0), 2.0);
    Drag(2.0, Bottom());
    EXPECT_NEAR(OutputAt(2.0), 0.4, 1e-9);
    Drag(1.5, Bottom());
    Drag(4.5, Bottom());
    EXPECT_EQ(OutputAt(1.5), 1.5);
    EXPECT_EQ(OutputAt(4.5), 4.5);
}

TEST_F(GraphWindow, LeavingTheFrameEndsADragAndAPressBesideItStartsOne)
{
    Move(X(2.0), Y(1.7));
    Press(X(2.0), Y(1.7));
    Move(X(2.0), Y(1.2));
    EXPECT_DOUBLE_EQ(OutputAt(2.0), 1.2);
    Move(Graph().frame.right + 3, Y(1.0));
    EXPECT_FALSE(Graph().dragging);
    Move(X(2.0), Y(1.0)); // back inside with the button held: only a hover
    Release(X(2.0), Y(1.0));
    EXPECT_DOUBLE_EQ(OutputAt(2.0), 1.2);
    // Left of the frame, beside the panel: a drag at the last input.
    Move(X(2.5), Y(2.5));
    Press(97, Y(1.2));
    EXPECT_TRUE(Graph().dragging);
    Release(97, Y(1.2));
    EXPECT_DOUBLE_EQ(OutputAt(2.5), 1.2);
}

TEST_F(GraphWindow, RightButtonDeletesOrResets)
{
    window->project.crCurve->Add(3.0, 2.0);
    Move(X(2.0), Y(1.0));
    RightClick(X(2.0), Y(1.0));
    EXPECT_EQ(OutputAt(2.0), -1.0);
    Move(X(1.5), Y(1.0)); // the start point stays
    RightClick(X(1.5), Y(1.0));
    EXPECT_EQ(OutputAt(1.5), 1.5);
    // During a drag the point goes back onto the line output = input.
    Move(X(3.0), Y(2.0));
    Press(X(3.0), Y(2.0));
    Move(X(3.0), Y(1.5));
    RightClick(X(3.0), Y(1.5));
    EXPECT_FALSE(Graph().dragging);
    Release(X(3.0), Y(1.5));
    EXPECT_EQ(OutputAt(3.0), 3.0);
}

TEST_F(GraphWindow, EditsInTheDifferenceView)
{
    Click("differenceCheck");
    window->grab();
    Move(X(2.0), Y(1.0));
    EXPECT_EQ(Graph().ReadOutText(), "V[in]:2.00V V[diff]:0.30V");
    Drag(2.0, Top()); // the difference stops at 1.6 V
    EXPECT_NEAR(OutputAt(2.0), 0.4, 1e-9);
    Drag(2.0, Y(0.5));
    EXPECT_NEAR(OutputAt(2.0), 1.5, 1e-9);
}

} // namespace
