// What a new user ran into in the old window, each driven through the real
// widgets: typed values, foreign files, Enter after a dialog, a cancelled
// double-click, keys with the pointer elsewhere, notes that outstay their
// action, and the hint for a new project.
#include "AppTestSupport.h"
#include "CurveTestSupport.h"
#include "PointEntryDlg.h"

#include <StartOptions.h>

#include <QAction>
#include <QDoubleSpinBox>
#include <QFileDialog>

namespace {

class WindowMends : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        StartWithDemoBox();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QWidget* GraphWidget() { return &Inside().GraphWidget(); }
    CGraph& Graph() { return Inside().Graph(); }
    QPoint At(double input, double output)
    {
        return QPoint(Graph().VoltsToX(input), Graph().VoltsToY(output));
    }
    QString Status() { return Find<QLabel>("statusLine")->text(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window.get(), key, modifiers);
    }
    // Types the text into the field and leaves it with the key.
    void Type(const char* field, const QString& text, Qt::Key leaveWith)
    {
        auto* edit = Find<QLineEdit>(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, leaveWith);
    }
    CPointEntryDlg* Entry() { return window->findChild<CPointEntryDlg*>(); }
};

// A value typed and confirmed with Enter or Tab goes the arrows' road, with
// their limits and trims; one that does not fit is refused with the reason,
// and the field shows the project's value again.
TEST_F(WindowMends, TypedValuesAtTheirLimitsAndBeyond)
{
    struct Row {
        const char* field;
        const char* typed;
        Qt::Key key;
        const char* shown; // the field afterwards
        bool refused;
    };
    const Row rows[] = {
        { "startVoltageEdit", "2.0", Qt::Key_Return, "2", false },
        { "startVoltageEdit", "0", Qt::Key_Tab, "0", false },
        { "startVoltageEdit", "4.6", Qt::Key_Return, "0", true }, // above the stop voltage
        { "startVoltageEdit", "1.25", Qt::Key_Return, "0", true }, // between two steps
        { "startVoltageEdit", "volts", Qt::Key_Return, "0", true },
        { "stopVoltageEdit", "5", Qt::Key_Tab, "5", false },
        { "stopVoltageEdit", "5.1", Qt::Key_Return, "5", true },
        { "startDelayEdit", "4:00", Qt::Key_Return, "4:00", false },
        { "startDelayEdit", "4:01", Qt::Key_Return, "4:00", true },
        { "startDelayEdit", "0:5", Qt::Key_Tab, "0:05", false },
        { "startDelayEdit", "90", Qt::Key_Return, "0:05", true }, // not minutes:seconds
        { "curveDelayEdit", "500", Qt::Key_Return, "500", false },
        { "curveDelayEdit", "520", Qt::Key_Return, "500", true },
        { "curveDelayEdit", "0", Qt::Key_Tab, "0", false },
        { "curveDelayEdit", "-20", Qt::Key_Return, "0", true },
        { "curveDelayEdit", "30", Qt::Key_Return, "0", true }, // off the 20 ms steps
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.field) + " " + row.typed);
        const std::string before = WriteProjectText(Project());
        Type(row.field, row.typed, row.key);
        EXPECT_EQ(Text(row.field), row.shown);
        EXPECT_EQ(Status().isEmpty(), !row.refused) << Status().toStdString();
        if (row.refused) {
            EXPECT_EQ(WriteProjectText(Project()), before);
        }
    }
    // A typed start voltage moves the start point onto the line and trims
    // the curve below it, as the arrows do; each value is one step to undo.
    EXPECT_EQ(PointsOf(Project().crCurve), (Points { { 0, 0 }, { 5, 5 } }));
    Inside().GraphWidget().setFocus();
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Project().curveDelay, 500);
}

// A file's value is shown with every digit, however long.
TEST_F(WindowMends, FieldsShowEveryDigit)
{
    QFile file(projects + "long.rmvp");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Curve Delay = 2147483647 \r\nStart Delay = 9 min 75 sec\r\nCRD\r\n");
    file.close();
    window->OpenPath(projects + "long.rmvp");
    for (const auto& [field, value] :
        { std::pair { "curveDelayEdit", "2147483647" }, std::pair { "startDelayEdit", "9:75" } }) {
        auto* edit = Find<QLineEdit>(field);
        EXPECT_EQ(edit->text(), value);
        // The panel widens once its layout has taken the field's new size.
        EXPECT_TRUE(QTest::qWaitFor([edit] { return edit->width() >= edit->sizeHint().width(); }));
        EXPECT_LE(edit->fontMetrics().horizontalAdvance(edit->text()), edit->width() - 4) << field;
    }
    EXPECT_TRUE(Status().startsWith("A box cannot hold this project as it stands: "))
        << Status().toStdString();
}

// A file that does not look like a project opens only after a question that
// says what is wrong, and once open, Save asks before it replaces it.
TEST_F(WindowMends, ForeignFilesAreOpenedAndReplacedOnlyWhenTheUserSays)
{
    const QString letter = projects + "letter.txt";
    QFile file(letter);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Dear workshop,\r\nplease find the invoice.\r\n");
    file.close();
    const std::string before = WriteProjectText(Project());
    answer = QMessageBox::No;
    window->OpenPath(letter);
    EXPECT_EQ(messages,
        QStringList {
            "letter.txt does not look like a Ramvik project: no parameter line. Open it anyway?" });
    EXPECT_EQ(WriteProjectText(Project()), before);
    EXPECT_EQ(window->windowTitle(), "Common Rail Tuning - untitled.rmvp[*]");

    answer = QMessageBox::Yes;
    window->OpenPath(letter);
    EXPECT_EQ(window->windowTitle(), "Common Rail Tuning - letter.txt[*]");
    Click("curveDelayUp");
    messages.clear();
    answer = QMessageBox::No;
    Inside().Actions().save->trigger();
    EXPECT_EQ(messages,
        QStringList {
            "letter.txt was no Ramvik project when it was opened. Replace it with this project?" });
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("Dear workshop"));
    file.close();
    answer = QMessageBox::Yes;
    Inside().Actions().save->trigger();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("ADC = 1"));
    EXPECT_FALSE(window->isWindowModified());
}

// Once, after Write and Close the focus stayed on the Write button, and
// Enter opened Write again instead of the point entry.
TEST_F(WindowMends, EnterReachesThePointEntryOnceADialogCloses)
{
    GraphWidget()->setFocus();
    ClickTransfer("writeButton");
    // The window gets the keys back (the offscreen platform leaves that to
    // the test), and with them the graph, which had them before.
    EXPECT_EQ(window->focusWidget(), GraphWidget());
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Key(Qt::Key_Return);
    EXPECT_NE(Entry(), nullptr);
}

// Once, Cancel after a double-click in empty plot space left the point its
// first click had made. Now the click's point goes, with nothing to redo;
// OK puts the typed point in its place, in one step.
TEST_F(WindowMends, CancelledDoubleClickLeavesNoPoint)
{
    const Points before = PointsOf(Project().crCurve);
    for (bool accept : { false, true }) {
        SCOPED_TRACE(accept ? "OK" : "Cancel");
        // A double-click as the mouse gives it: press, release, double-click.
        QTest::mouseClick(GraphWidget(), Qt::LeftButton, {}, At(3.0, 2.5));
        QTest::mouseDClick(GraphWidget(), Qt::LeftButton, {}, At(3.0, 2.5));
        QTest::mouseRelease(GraphWidget(), Qt::LeftButton, {}, At(3.0, 2.5));
        CPointEntryDlg* entry = Entry();
        ASSERT_NE(entry, nullptr);
        if (accept) {
            entry->findChild<QDoubleSpinBox*>("outputBox")->setValue(2.8);
            entry->accept();
        } else {
            entry->reject();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(Project().crCurve->Find(3.0)->output, 2.8);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(PointsOf(Project().crCurve), before) << "the typed point was one step";
    EXPECT_FALSE(Inside().Actions().undo->isEnabled()) << "the cancelled one was none";
}

// The keys act on the chosen point wherever the pointer is.
TEST_F(WindowMends, KeysFollowTheChosenPointWhenThePointerLeaves)
{
    Project().crCurve->Add(2.0, 1.7);
    window->grab();
    QTest::mouseClick(GraphWidget(), Qt::LeftButton, {}, At(2.0, 1.7));
    QTest::mouseMove(Find("curveDelayLabel")); // over the panel
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(GraphWidget(), &leave);
    Key(Qt::Key_Up);
    EXPECT_NEAR(Project().crCurve->Find(2.0)->output, 1.72, 1e-12);
}

// A note stays only until the next action, also an unrelated one.
TEST_F(WindowMends, TheStatusLineClearsAtTheNextAction)
{
    Type("curveDelayEdit", "30", Qt::Key_Return);
    EXPECT_FALSE(Status().isEmpty());
    Click("differenceCheck");
    EXPECT_EQ(Status(), "");
}

// The hint says how to edit while nobody has drawn on the curves.
TEST_F(WindowMends, TheHintShowsUntilTheFirstEdit)
{
    auto* hint = Find<QLabel>("hint");
    EXPECT_TRUE(hint->isVisible());
    QTest::mouseClick(GraphWidget(), Qt::LeftButton, {}, At(3.0, 2.5));
    EXPECT_FALSE(hint->isVisible());
    Click("newButton"); // answered with Discard
    EXPECT_TRUE(hint->isVisible());
}

} // namespace
