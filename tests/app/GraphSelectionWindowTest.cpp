// The graph widget hands the graph the wheel and the middle button; the
// window offers Reset Zoom while zoomed. What the selection and the zoom do:
// tests/graph (the widget's selection keys: PointsWindow's shared selection).
#include "AppTestSupport.h"
#include "CurveTestSupport.h"

#include <QWheelEvent>

namespace {

class SelectionWindow : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        for (double input : { 2.0, 2.5, 3.0 })
            Project().crCurve.Add(input, input - 0.3);
        window->grab();
    }
    void Mouse(QTest::MouseAction action, QPoint at, Qt::KeyboardModifiers keys = {},
        Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseEvent(action, GraphWidget(), button, keys, at);
    }
    void Wheel(QPoint at, int eighths, Qt::KeyboardModifiers keys)
    {
        QWheelEvent event(at, GraphWidget()->mapToGlobal(at), QPoint(), QPoint(0, eighths),
            Qt::NoButton, keys, Qt::NoScrollPhase, false);
        QApplication::sendEvent(GraphWidget(), &event);
    }
    QPoint Marker(double input) { return At(input, Project().crCurve.Find(input)->output); }
    QAction* ResetZoom() { return Inside().Actions().resetZoom; }
};

TEST_F(SelectionWindow, TheWheelAndTheMiddleButtonZoomAndPanUntilCtrl0)
{
    EXPECT_FALSE(ResetZoom()->isEnabled());
    const QPoint at = Marker(2.5);
    Wheel(at, 3 * 120, Qt::ControlModifier);
    EXPECT_TRUE(Graph().Zoomed());
    EXPECT_TRUE(ResetZoom()->isEnabled());
    EXPECT_LE((Marker(2.5) - at).manhattanLength(), 2) << "the point under the pointer stays";

    double low = Graph().Visible().xLow;
    Mouse(QTest::MousePress, at, {}, Qt::MiddleButton);
    Mouse(QTest::MouseMove, at + QPoint(60, 0), {}, Qt::MiddleButton);
    Mouse(QTest::MouseRelease, at + QPoint(60, 0), {}, Qt::MiddleButton);
    EXPECT_LT(Graph().Visible().xLow, low) << "the curve follows the pointer right";
    EXPECT_LE((Marker(2.5) - at - QPoint(60, 0)).manhattanLength(), 2);
    low = Graph().Visible().xLow;
    Wheel(at, -120, Qt::ShiftModifier);
    EXPECT_GT(Graph().Visible().xLow, low);
    EXPECT_EQ(PointsOf(Project().crCurve).size(), 7u) << "no press made a point";

    Key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_FALSE(Graph().Zoomed());
    EXPECT_FALSE(ResetZoom()->isEnabled());
}

} // namespace
