#include "AppTestSupport.h"
#include "CurveTestSupport.h"
#include "Graph.h"
#include "ProjectFile.h"

#include <QFileDialog>

namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The real window, shown and active so its shortcuts take the keys.
class UndoWindow : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->grab(); // the view's geometry comes with its first paint
        Inside().AnswerFileDialogs([this](QFileDialog&) {
            ++dialogs;
            return dialogAnswer;
        });
    }
    CGraph& Graph() { return Inside().Graph(); }
    QPoint At(double input, double output)
    {
        return QPoint(Graph().VoltsToX(input), Graph().VoltsToY(output));
    }
    void Mouse(QTest::MouseAction action, QPoint at)
    {
        QTest::mouseEvent(action, window.get(), Qt::LeftButton, {}, at);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(window.get(), key, modifiers);
    }
    Points Curve() { return PointsOf(Project().crCurve); }

    int dialogs = 0;
    QString dialogAnswer;
};

// A drag is one step however many moves it takes; Ctrl+Z takes it back,
// Ctrl+Shift+Z and Ctrl+Y bring it again, and the modified mark follows.
TEST_F(UndoWindow, DragIsOneStepAndTheKeysUndoAndRedoIt)
{
    const Points before = Curve();
    Mouse(QTest::MousePress, At(3.0, 3.0));
    for (double output : { 2.9, 2.8, 2.7, 2.6 })
        Mouse(QTest::MouseMove, At(3.0, output));
    Mouse(QTest::MouseRelease, At(3.0, 2.6));
    const Points dragged = Curve();
    ASSERT_NE(dragged, before);
    EXPECT_TRUE(window->isWindowModified());

    struct Row {
        const char* what;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const Points& expected;
        bool modified;
    };
    const Row rows[] = {
        { "Ctrl+Z undoes the whole drag", Qt::Key_Z, Qt::ControlModifier, before, false },
        { "a second Ctrl+Z has nothing left", Qt::Key_Z, Qt::ControlModifier, before, false },
        { "Ctrl+Shift+Z redoes it", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, dragged,
            true },
        { "Ctrl+Shift+Z has nothing more", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier,
            dragged, true },
        { "Ctrl+Z again", Qt::Key_Z, Qt::ControlModifier, before, false },
        { "Ctrl+Y redoes it too", Qt::Key_Y, Qt::ControlModifier, dragged, true },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Key(row.key, row.modifiers);
        EXPECT_EQ(Curve(), row.expected);
        EXPECT_EQ(window->isWindowModified(), row.modified);
    }
}

// Arrow clicks in a quick run are one step; the value box shows the value
// that comes back.
TEST_F(UndoWindow, QuickArrowClicksAreOneStep)
{
    Click("curveDelayUp", 3);
    Click("startVoltageDown");
    EXPECT_EQ(Text("curveDelayEdit"), "260");
    Key(Qt::Key_Z);
    EXPECT_EQ(Text("startVoltageEdit"), "1.5");
    EXPECT_EQ(Text("curveDelayEdit"), "260");
    Key(Qt::Key_Z);
    EXPECT_EQ(Text("curveDelayEdit"), "200");
    EXPECT_FALSE(window->isWindowModified());
}

// The keys undo also while a value box has the focus: the boxes are
// read-only, so they keep no undo of their own.
TEST_F(UndoWindow, KeysUndoWhileAValueBoxHasTheFocus)
{
    Click("curveDelayUp");
    Find<QLineEdit>("curveDelayEdit")->setFocus();
    Key(Qt::Key_Z);
    EXPECT_EQ(Text("curveDelayEdit"), "200");
    Key(Qt::Key_Y);
    EXPECT_EQ(Text("curveDelayEdit"), "220");
}

// A right click removes a point, the reset brings the straight curve, New
// the default project: each comes back with Ctrl+Z.
TEST_F(UndoWindow, DeletionResetAndNewComeBack)
{
    Project().crCurve->Add(2.0, 1.7);
    Project().crCurve->Add(3.0, 2.7);
    Inside().Refresh();
    const Points withPoint = Curve();
    QTest::mouseClick(window.get(), Qt::RightButton, {}, At(2.0, 1.7));
    ASSERT_NE(Curve(), withPoint);
    Click("resetCrButton");
    Click("curveDelayUp");
    Click("newButton"); // answered with Discard
    EXPECT_EQ(Text("curveDelayEdit"), "200");
    for (const char* step : { "New", "curve delay", "reset", "deletion" }) {
        SCOPED_TRACE(step);
        Key(Qt::Key_Z);
    }
    EXPECT_EQ(Curve(), withPoint);
}

// Ctrl+S saves to the project's file without asking once it has one, and
// asks for a name before; Ctrl+Shift+S always asks; the Save button too.
TEST_F(UndoWindow, CtrlSSavesToTheFileOnceThereIsOne)
{
    dialogAnswer = projects + "first.rmvp";
    Key(Qt::Key_S);
    EXPECT_EQ(dialogs, 1) << "no file yet: asks for a name";
    EXPECT_EQ(window->windowTitle(), "Common Rail Tuning - first.rmvp[*]");

    Click("curveDelayUp");
    EXPECT_TRUE(window->isWindowModified());
    Key(Qt::Key_S);
    EXPECT_EQ(dialogs, 1) << "saved without asking";
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(Contents(projects + "first.rmvp").toStdString(), WriteProjectText(Project()));

    dialogAnswer = projects + "second.rmvp";
    Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(window->windowTitle(), "Common Rail Tuning - second.rmvp[*]");
    Click("saveButton");
    EXPECT_EQ(dialogs, 3) << "the Save button asks every time";

    // The history survives the saves: back to the first file's saved state.
    Key(Qt::Key_Z);
    EXPECT_EQ(Text("curveDelayEdit"), "200");
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(messages.empty()) << messages.join("|").toStdString();
}

} // namespace
