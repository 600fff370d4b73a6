// The real window driven with mouse events and keys, as the user edits. The
// editing rules themselves are the graph, project and session layers'; here
// the window must pass the events on, record each change and show it.
#include "AppTestSupport.h"
#include "CurveTestSupport.h"

namespace {

class UndoWindow : public AppTest {
protected:
    // At a point of the graph's own coordinates.
    void Mouse(QTest::MouseAction action, QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseEvent(action, GraphWidget(), button, {}, at);
    }
    // A press and release with two moves between: one step for the history.
    void Drag(double input, double fromOutput, double toOutput)
    {
        Mouse(QTest::MousePress, At(input, fromOutput));
        Mouse(QTest::MouseMove, At(input, (fromOutput + toOutput) / 2));
        Mouse(QTest::MouseMove, At(input, toOutput));
        Mouse(QTest::MouseRelease, At(input, toOutput));
    }
    std::string ProjectText() { return WriteProjectText(Project()); }
};

// With a CR point of its own at 2.0 V.
class GraphWindow : public UndoWindow {
protected:
    void SetUp() override
    {
        UndoWindow::SetUp();
        Project().crCurve.Add(2.0, 1.7);
    }
    // Where the CR point at this input is drawn.
    QPoint Marker(double input)
    {
        const CPunt* p = Project().crCurve.Find(input);
        return At(p->input, p->output);
    }
    Points Curve() { return PointsOf(Project().crCurve); }
};

// Once, a press on a marker's centre made a new point 0.02 V to its left.
// Every marker, pressed at its centre and at its edges, is picked and the
// press alone leaves the curve as it was.
TEST_F(GraphWindow, PressesOnEachDrawnMarkerPickThatPoint)
{
    const Points before = Curve();
    for (const auto& [input, output] : before) {
        for (QPoint offset : { QPoint(0, 0), QPoint(-4, 0), QPoint(4, 0), QPoint(0, 4) }) {
            SCOPED_TRACE(testing::Message() << input << " " << offset.x() << "," << offset.y());
            const QPoint at = Marker(input) + offset;
            Mouse(QTest::MouseMove, at);
            ASSERT_NE(Graph().SelectedPoint(), nullptr); // hover shows what a press takes
            EXPECT_EQ(Graph().SelectedPoint()->input, input);
            Mouse(QTest::MousePress, at);
            EXPECT_EQ(Graph().dragInput, input);
            Mouse(QTest::MouseRelease, at);
            EXPECT_EQ(Curve(), before);
        }
    }
}

// Once, a press on a label, a group box, a tick label or a margin inserted
// a point at the last hovered input.
TEST_F(GraphWindow, PressesOutsideThePlotAreaChangeNothing)
{
    const Points before = Curve();
    const GraphRect plot = Graph().PlotArea();
    const GraphRect& frame = Graph().frame;
    const std::pair<const char*, QPoint> places[] = {
        { "tick label", QPoint(Graph().TickX(4), plot.bottom + 15) },
        { "frame margin", QPoint(frame.left + 5, frame.top + 5) },
    };
    for (const auto& [name, at] : places) {
        SCOPED_TRACE(name);
        Mouse(QTest::MouseMove, Marker(2.0)); // a point hovered just before
        Mouse(QTest::MousePress, at);
        EXPECT_FALSE(Graph().dragging);
        Mouse(QTest::MouseRelease, at);
        Mouse(QTest::MouseClick, at, Qt::RightButton);
        EXPECT_EQ(Curve(), before);
    }
}

// The keys (the Edit menu's point commands) act on the chosen point, also
// once the pointer has left the graph and after Undo made the curve anew:
// Left and Right walk the curve, Delete keeps the start point. (Where Up and
// Down stop: PointsWindow's typed outputs and the project's point edits.)
TEST_F(GraphWindow, KeysActOnTheChosenPointWhereverThePointerIs)
{
    Mouse(QTest::MouseClick, Marker(2.0)); // picks it and gives the graph the keys
    QTest::mouseMove(Find("curveDelayLabel")); // over the panel
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(GraphWidget(), &leave);
    Key(Qt::Key_Up);
    EXPECT_NEAR(Project().crCurve.Find(2.0)->output, 1.72, 1e-12);
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Up);
    EXPECT_NEAR(Project().crCurve.Find(2.0)->output, 1.72, 1e-12);
    Key(Qt::Key_Left);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Status(), "The CR points at the start and stop voltage stay");
    Key(Qt::Key_Right);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Curve(), (Points { { 0, 0 }, { 1.5, 1.5 }, { 4.5, 4.5 }, { 5, 5 } }));
}

// Each change the window makes comes back with one Ctrl+Z, also while a
// value box has the focus: a whole drag, a right-click deletion, the curve
// reset, a quick run of arrow clicks and New. Ctrl+Shift+Z and Ctrl+Y redo,
// and the modified mark follows the history.
TEST_F(UndoWindow, EachChangeIsOneStepForTheKeys)
{
    std::vector<std::string> steps { ProjectText() };
    const auto change = [&](const char* what, const std::function<void()>& make) {
        make();
        EXPECT_NE(ProjectText(), steps.back()) << what << " changed nothing";
        steps.push_back(ProjectText());
    };
    change("drag", [&] { Drag(3.0, 3.0, 2.6); });
    change("second drag", [&] { Drag(2.0, 2.0, 1.6); });
    change(
        "deletion", [&] { QTest::mouseClick(GraphWidget(), Qt::RightButton, {}, At(2.0, 1.6)); });
    change("reset", [&] { Click("resetCrButton"); });
    change("arrow clicks", [&] { Click("curveDelayUp", 3); });
    change("New", [&] { Click("newButton"); }); // answered with Discard
    // A field with nothing typed into it leaves the keys to the window.
    Find<QLineEdit>("curveDelayEdit")->setFocus();
    for (int step = int(steps.size()) - 2; step >= 0; --step) {
        Key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(ProjectText(), steps[step]) << "Ctrl+Z back to step " << step;
    }
    EXPECT_FALSE(window->isWindowModified());
    Key(Qt::Key_Z, Qt::ControlModifier); // nothing left
    EXPECT_EQ(ProjectText(), steps[0]);
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(ProjectText(), steps[1]);
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(ProjectText(), steps[2]);
    EXPECT_TRUE(window->isWindowModified());
}

} // namespace
