#include "AppTestSupport.h"
#include "Graph.h"

#include <cmath>

namespace {

// Mouse events in the real window (the editing rules are the graph layer's).
class GraphWindow : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->grab(); // the view's geometry comes with its first paint
        Project().crCurve->Add(2.0, 1.7);
    }
    CGraph& Graph() { return Inside().Graph(); }
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
    void Mouse(QTest::MouseAction action, int x, int y)
    {
        QTest::mouseEvent(action, window.get(), Qt::LeftButton, {}, QPoint(x, y));
    }
    double OutputAt(double input)
    {
        const CPunt* p = Project().crCurve->Find(input);
        return p && p->input == input ? p->output : -1.0;
    }
};

TEST_F(GraphWindow, HighlightsAPointOnlyAtItsInputAndDragsItToItsLimit)
{
    Mouse(QTest::MouseMove, X(2.0), Graph().frame.bottom - 1);
    ASSERT_NE(Graph().SelectedPoint(), nullptr);
    EXPECT_EQ(Graph().SelectedPoint()->input, 2.0);
    EXPECT_EQ(Graph().ReadOutText(), "V[in]:2.00V V[diff]:-0.30V");
    for (double input : { 1.98, 2.02 }) {
        Mouse(QTest::MouseMove, X(input), Y(1.0));
        EXPECT_EQ(Graph().SelectedPoint(), nullptr) << input;
    }
    Mouse(QTest::MouseMove, X(2.0), Y(1.0));
    Mouse(QTest::MousePress, X(2.0), Y(1.0));
    Mouse(QTest::MouseMove, X(2.0), Graph().frame.top + 1);
    Mouse(QTest::MouseRelease, X(2.0), Graph().frame.top + 1);
    EXPECT_DOUBLE_EQ(OutputAt(2.0), 2.0);
}

TEST_F(GraphWindow, LeavingTheFrameEndsADragAndAPressBesideItStartsOne)
{
    Mouse(QTest::MouseMove, X(2.0), Y(1.7));
    Mouse(QTest::MousePress, X(2.0), Y(1.7));
    Mouse(QTest::MouseMove, X(2.0), Y(1.2));
    EXPECT_DOUBLE_EQ(OutputAt(2.0), 1.2);
    Mouse(QTest::MouseMove, Graph().frame.right + 3, Y(1.0));
    EXPECT_FALSE(Graph().dragging);
    Mouse(QTest::MouseMove, X(2.0), Y(1.0)); // back inside with the button held: a hover
    Mouse(QTest::MouseRelease, X(2.0), Y(1.0));
    EXPECT_DOUBLE_EQ(OutputAt(2.0), 1.2);
    Mouse(QTest::MouseMove, X(2.5), Y(2.5));
    Mouse(QTest::MousePress, 97, Y(1.2));
    EXPECT_TRUE(Graph().dragging);
    Mouse(QTest::MouseRelease, 97, Y(1.2));
    EXPECT_DOUBLE_EQ(OutputAt(2.5), 1.2);
}

} // namespace
