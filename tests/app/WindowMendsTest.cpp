// What a new user ran into in the old window, each driven through the real
// widgets: typed values and the notes that outstay them, foreign files, Enter
// after a dialog, a cancelled double-click, and the hint for a new project.
#include "AppTestSupport.h"
#include "CurveTestSupport.h"
#include "PointEntryDlg.h"

#include <QAction>
#include <QDoubleSpinBox>

namespace {

class WindowMends : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        StartWithDemoBox();
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
        { "startVoltageEdit", "volts", Qt::Key_Return, "0", true },
        { "stopVoltageEdit", "5", Qt::Key_Tab, "5", false },
        { "startDelayEdit", "4:00", Qt::Key_Return, "4:00", false },
        { "curveDelayEdit", "500", Qt::Key_Return, "500", false },
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
    GraphWidget()->setFocus();
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Project().startDelayMin, 4);
    EXPECT_EQ(Project().curveDelay, 200);
    // The refusal stays only until the next action, also an unrelated one.
    Type("curveDelayEdit", "520", Qt::Key_Return);
    Click("differenceCheck");
    EXPECT_EQ(Status(), "");
}

// A file's value is shown with every digit, however long.
TEST_F(WindowMends, FieldsShowEveryDigit)
{
    WriteFile(projects + "long.rmvp",
        "Curve Delay = 2147483647 \r\nStart Delay = 9 min 75 sec\r\nCRD\r\n");
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
    WriteFile(letter, "Dear workshop,\r\nplease find the invoice.\r\n");
    const std::string before = WriteProjectText(Project());
    answer = QMessageBox::No;
    window->OpenPath(letter);
    EXPECT_EQ(messages,
        QStringList {
            "letter.txt does not look like a Ramvik project: no parameter line. Open it anyway?" });
    EXPECT_EQ(WriteProjectText(Project()), before);

    answer = QMessageBox::Yes;
    window->OpenPath(letter);
    EXPECT_EQ(window->windowTitle(), "Common Rail Tuning - letter.txt[*]");
    Click("curveDelayUp");
    answer = QMessageBox::No;
    Inside().Actions().save->trigger();
    EXPECT_TRUE(messages.last().startsWith("letter.txt was no Ramvik project when it was opened."))
        << messages.last().toStdString();
    EXPECT_TRUE(Contents(letter).startsWith("Dear workshop"));
    answer = QMessageBox::Yes;
    Inside().Actions().save->trigger();
    EXPECT_TRUE(Contents(letter).startsWith("ADC = 1"));
    EXPECT_FALSE(window->isWindowModified());
}

// Once, after Write and Close the focus stayed on the Write button, and
// Enter opened Write again instead of the point entry.
TEST_F(WindowMends, EnterReachesThePointEntryOnceADialogCloses)
{
    GraphWidget()->setFocus();
    ClickTransfer("writeButton");
    // The window gets the keys back, and with them the graph, which had them.
    EXPECT_EQ(window->focusWidget(), GraphWidget());
    Activate();
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
    EXPECT_EQ(Project().crCurve.Find(3.0)->output, 2.8);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(PointsOf(Project().crCurve), before) << "the typed point was one step";
    EXPECT_FALSE(Inside().Actions().undo->isEnabled()) << "the cancelled one was none";
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
