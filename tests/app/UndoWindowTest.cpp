#include "AppTestSupport.h"
#include "Graph.h"
#include "ProjectFile.h"

#include <QFileDialog>

namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The real window, shown and active so its shortcuts take the keys. Which
// changes count as one step is the session's rule; here the window must
// record each of its changes and pass the keys on.
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
    QPoint At(double input, double output)
    {
        return QPoint(Inside().Graph().VoltsToX(input), Inside().Graph().VoltsToY(output));
    }
    // A press and release with two moves between: one step for the history.
    void Drag(double input, double fromOutput, double toOutput)
    {
        const double between = (fromOutput + toOutput) / 2;
        for (auto [action, output] :
            { std::pair(QTest::MousePress, fromOutput), std::pair(QTest::MouseMove, between),
                std::pair(QTest::MouseMove, toOutput), std::pair(QTest::MouseRelease, toOutput) })
            QTest::mouseEvent(action, window.get(), Qt::LeftButton, {}, At(input, output));
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(window.get(), key, modifiers);
    }
    std::string ProjectText() { return WriteProjectText(Project()); }

    int dialogs = 0;
    QString dialogAnswer;
};

// Each change the window makes comes back with one Ctrl+Z: a whole drag, a
// quick run of arrow clicks, a right-click deletion, the curve reset and New.
// Ctrl+Shift+Z and Ctrl+Y redo, and the modified mark follows the history.
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
    change("deletion", [&] { QTest::mouseClick(window.get(), Qt::RightButton, {}, At(2.0, 1.6)); });
    change("reset", [&] { Click("resetCrButton"); });
    change("arrow clicks", [&] { Click("curveDelayUp", 3); });
    change("New", [&] { Click("newButton"); }); // answered with Discard

    for (int step = int(steps.size()) - 2; step >= 0; --step) {
        Key(Qt::Key_Z);
        EXPECT_EQ(ProjectText(), steps[step]) << "Ctrl+Z back to step " << step;
    }
    EXPECT_FALSE(window->isWindowModified());
    Key(Qt::Key_Z); // nothing left
    EXPECT_EQ(ProjectText(), steps[0]);
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(ProjectText(), steps[1]);
    Key(Qt::Key_Y);
    EXPECT_EQ(ProjectText(), steps[2]);
    EXPECT_TRUE(window->isWindowModified());
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

// Ctrl+S saves to the project's file without asking once it has one, and
// asks for a name before; Ctrl+Shift+S always asks; the Save button too.
TEST_F(UndoWindow, CtrlSSavesToTheFileOnceThereIsOne)
{
    dialogAnswer = projects + "first.rmvp";
    Key(Qt::Key_S);
    EXPECT_EQ(dialogs, 1) << "no file yet: asks for a name";
    EXPECT_EQ(window->windowTitle(), "Common Rail Tuning - first.rmvp[*]");

    Click("curveDelayUp");
    Key(Qt::Key_S);
    EXPECT_EQ(dialogs, 1) << "saved without asking";
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(Contents(projects + "first.rmvp").toStdString(), ProjectText());

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
