// The graph widget hands the graph the mouse buttons with Shift and Ctrl, the
// wheel and the selection's keys; the window offers Reset Zoom while zoomed.
// What the selection and the zoom do: tests/graph.
#include "AppTestSupport.h"
#include "CurveTestSupport.h"

#include <QSignalSpy>
#include <QWheelEvent>

namespace {

using Inputs = std::vector<double>;

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

TEST_F(SelectionWindow, ShiftAndCtrlClicksAndTheKeysSelect)
{
    QSignalSpy changes(GraphWidget(), SIGNAL(selectionChanged()));
    struct Row {
        const char* what;
        std::function<void()> act;
        Inputs selected;
    };
    const Row rows[] = {
        { "Shift+drag a rectangle around the middle three points",
            [this] {
                Mouse(QTest::MousePress, At(1.8, 3.0), Qt::ShiftModifier);
                Mouse(QTest::MouseMove, At(2.5, 2.0), Qt::ShiftModifier);
                Mouse(QTest::MouseMove, At(3.2, 1.0), Qt::ShiftModifier);
                Mouse(QTest::MouseRelease, At(3.2, 1.0), Qt::ShiftModifier);
            },
            { 2.0, 2.5, 3.0 } },
        { "Ctrl+click the stop point",
            [this] { Mouse(QTest::MouseClick, Marker(4.5), Qt::ControlModifier); },
            { 2.0, 2.5, 3.0, 4.5 } },
        { "Escape", [this] { Key(Qt::Key_Escape); }, {} },
        { "Ctrl+A", [this] { Key(Qt::Key_A, Qt::ControlModifier); },
            { 0.0, 1.5, 2.0, 2.5, 3.0, 4.5, 5.0 } },
    };
    const Points before = PointsOf(Project().crCurve);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        changes.clear();
        row.act();
        EXPECT_EQ(Graph().Selection(), row.selected);
        EXPECT_EQ(changes.count(), 1);
    }
    EXPECT_EQ(PointsOf(Project().crCurve), before);
}

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
