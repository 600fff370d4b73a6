// Many points at once in the window: the points table and its edits, the one
// selection of table and graph, the range commands, the clipboard, the arrow
// keys on a selection and the comparison with another project file. What the
// operations compute is tested in tests/project; here the window must ask,
// apply, record one step and show the result.
#include "AppTestSupport.h"
#include "CurveTestSupport.h"
#include "DialogRunner.h"
#include "FileComparePanel.h"
#include "RangeValueDlg.h"

#include <PointText.h>

#include <QClipboard>
#include <QListWidget>
#include <QSignalSpy>
#include <QTableView>

namespace {

using Inputs = std::vector<double>;

// The default CR curve with three points of its own between the start and
// stop voltage: (2.0, 1.5), (2.5, 1.8), (3.0, 2.5).
class PointsWindow : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        Project().crCurve.Add(2.0, 1.5);
        Project().crCurve.Add(2.5, 1.8);
        Project().crCurve.Add(3.0, 2.5);
        Refresh();
    }
    CPointsTable& Table() { return Inside().PointsTable(); }
    QTableView* View() { return Table().View(); }
    const WindowActions& Actions() { return Inside().Actions(); }
    void Refresh() { Inside().Refresh(); }
    Points Curve() { return PointsOf(Project().crCurve); }
    // The outputs at these inputs.
    std::vector<double> Outputs(const Inputs& inputs)
    {
        std::vector<double> outputs;
        for (double input : inputs)
            outputs.push_back(Project().crCurve.At(input)->output);
        return outputs;
    }
    Inputs TableSelection()
    {
        Inputs inputs;
        for (const QModelIndex& row : View()->selectionModel()->selectedRows())
            inputs.push_back(Table().Model()->InputAt(row.row()));
        std::sort(inputs.begin(), inputs.end());
        return inputs;
    }
    // Types into the output cell of the point at input, as a user does:
    // the cell's editor, then Enter.
    void TypeOutput(double input, const QString& text)
    {
        const QModelIndex cell
            = Table().Model()->index(Table().Model()->RowOf(input), CPointsModel::OutputColumn);
        View()->setCurrentIndex(cell);
        View()->edit(cell);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr) << "the cell opens an editor";
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The editor hands its text over once the key's handling is done.
        QCoreApplication::processEvents();
    }
    // One step: Undo brings back before, Redo after.
    void ExpectOneStep(const Points& before, const Points& after)
    {
        Actions().undo->trigger();
        EXPECT_EQ(Curve(), before);
        Actions().redo->trigger();
        EXPECT_EQ(Curve(), after);
    }
    const Inputs middle { 2.0, 2.5, 3.0 };
};

// An output typed into the table is taken as the point entry takes it: on
// the box's steps, held at the limit with the reason, refused for a point
// the rules keep, and one step to undo.
TEST_F(PointsWindow, AnOutputTypedIntoTheTableIsTakenAsTheTypedEntryTakesIt)
{
    struct Row {
        const char* what;
        double input;
        const char* typed;
        double output; // after
        const char* status;
    };
    const Row rows[] = {
        { "a decimal comma, off the box's steps", 2.0, "1,73", 1.74, "" },
        { "below the limit: held there, with the reason", 2.0, "0.1", 0.4,
            "The output at 2.00 V stays between 0.40 V and 2.00 V" },
        { "the start point: stays, with the reason", 1.5, "1.2", 1.5,
            "Only points between the start and stop voltage can be moved" },
        { "no number", 2.5, "abc", 1.8, "An output is a number of volts, such as 2.40." },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const Points before = Curve();
        TypeOutput(row.input, row.typed);
        // The limit input - 1.6 V is worked out in doubles: 0.4 V within a bit.
        EXPECT_DOUBLE_EQ(Project().crCurve.At(row.input)->output, row.output);
        EXPECT_EQ(Status(), row.status);
        const QModelIndex cell
            = Table().Model()->index(Table().Model()->RowOf(row.input), CPointsModel::OutputColumn);
        EXPECT_EQ(cell.data().toString(), QLocale().toString(row.output, 'f', 2));
        if (Curve() != before)
            ExpectOneStep(before, Curve());
    }
}

// Rows selected in the table select the points, points selected in the graph
// select the rows, each change reported once (no echo between the two).
TEST_F(PointsWindow, TheTableAndTheGraphShareOneSelection)
{
    QSignalSpy changes(GraphWidget(), SIGNAL(selectionChanged()));
    QItemSelection rows;
    for (double input : { 2.0, 2.5 }) {
        const int row = Table().Model()->RowOf(input);
        rows.select(Table().Model()->index(row, 0), Table().Model()->index(row, 2));
    }
    View()->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(Graph().Selection(), (Inputs { 2.0, 2.5 }));
    EXPECT_EQ(changes.count(), 1);

    changes.clear();
    GraphWidget()->setFocus();
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(TableSelection(), (Inputs { 0.0, 1.5, 2.0, 2.5, 3.0, 4.5, 5.0 }));
    EXPECT_EQ(changes.count(), 1);

    changes.clear();
    Key(Qt::Key_Escape);
    EXPECT_TRUE(TableSelection().empty());
    EXPECT_EQ(changes.count(), 1);

    // A point that goes (Undo) drops out of both.
    Graph().SetSelection({ 2.0, 3.0 });
    Project().crCurve.Remove(3.0);
    Refresh();
    EXPECT_EQ(TableSelection(), (Inputs { 2.0 }));
}

// Each range command, chosen in the menu, asks for its number where it has
// one and changes the selected points in one step to undo; the status line
// says what happened.
TEST_F(PointsWindow, EachRangeCommandIsOneStepToUndo)
{
    struct Row {
        const char* what;
        QAction* WindowActions::*action;
        QStringList typed; // what the dialog is given, in turn, before OK
        std::vector<double> outputs;
    };
    const Row rows[] = {
        { "set, with a decimal comma", &WindowActions::setOutputs, { "2,0" }, { 2.0, 2.0, 2.0 } },
        { "add a negative voltage, after a refused word", &WindowActions::addToOutputs,
            { "much", "-0.1" }, { 1.4, 1.7, 2.4 } },
        { "scale by 120 %", &WindowActions::scaleOutputs, { "120" }, { 1.8, 2.16, 3.0 } },
        { "interpolate", &WindowActions::interpolate, {}, { 1.5, 2.0, 2.5 } },
        { "smooth", &WindowActions::smooth, {}, { 1.5, 1.9, 2.5 } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Graph().SetSelection(middle);
        const Points before = Curve();
        QStringList refusedWith;
        CScopedDialogHook dialogs([&](QDialog& dialog) {
            auto& ask = dynamic_cast<CRangeValueDlg&>(dialog);
            for (const QString& text : row.typed) {
                ask.valueEdit->setText(text);
                ask.accept();
                if (ask.result() != QDialog::Accepted)
                    refusedWith << ask.problemLabel->text();
            }
            return ask.result();
        });
        QAction* action = Actions().*row.action;
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
        EXPECT_EQ(Outputs(middle), row.outputs);
        EXPECT_EQ(refusedWith.size(), row.typed.size() > 1 ? 1 : 0);
        EXPECT_FALSE(Status().isEmpty());
        ExpectOneStep(before, Curve());
        Actions().undo->trigger();
    }
}

// Interpolate and Smooth need two ends and a point between them.
TEST_F(PointsWindow, TheRangeCommandsFollowTheSelection)
{
    Graph().SetSelection({ 2.0, 2.5 });
    EXPECT_TRUE(Actions().scaleOutputs->isEnabled());
    EXPECT_FALSE(Actions().interpolate->isEnabled());
    Graph().SetSelection(middle);
    EXPECT_TRUE(Actions().smooth->isEnabled());
    Graph().ClearSelection();
    EXPECT_FALSE(Actions().setOutputs->isEnabled());
}

// Ctrl+V pastes the clipboard's text onto the selection in one step, or
// refuses it whole, saying which line; Ctrl+C copies the selected points.
TEST_F(PointsWindow, PasteSetsTheSelectionOrChangesNothing)
{
    struct Row {
        const char* what;
        const char* clipboard;
        std::vector<double> outputs;
        const char* statusHas;
    };
    const Row rows[] = {
        { "a column typed in an editor, CR LF and decimal commas", "1,6\r\n1,9\r\n\r\n2,2\r\n",
            { 1.6, 1.9, 2.2 }, "3" },
        { "a bad line in the middle", "1.6\nabc\n2.2\n", { 1.5, 1.8, 2.5 }, "abc" },
        { "more values than selected points", "1.6\n1.7\n1.8\n1.9\n", { 1.5, 1.8, 2.5 }, "4" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Graph().SetSelection(middle);
        const Points before = Curve();
        const bool couldUndo = Actions().undo->isEnabled();
        QGuiApplication::clipboard()->setText(row.clipboard);
        GraphWidget()->setFocus();
        Key(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Outputs(middle), row.outputs);
        EXPECT_TRUE(Status().contains(row.statusHas)) << Status().toStdString();
        if (Curve() != before) {
            ExpectOneStep(before, Curve());
            Actions().undo->trigger();
        } else {
            EXPECT_EQ(Actions().undo->isEnabled(), couldUndo);
        }
    }

    Graph().SetSelection({ 2.0, 2.5 });
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
        WritePointsText(Project().crCurve, { 2.0, 2.5 }));
}

// In a text field Ctrl+C and Ctrl+V are the field's: the points stay on the
// clipboard's other side.
TEST_F(PointsWindow, ATextFieldKeepsItsOwnCopyAndPaste)
{
    auto* field = Find<QLineEdit>("startVoltageEdit");
    Graph().SetSelection(middle);
    field->setFocus();
    field->selectAll();
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), field->text());
    const Points before = Curve();
    QGuiApplication::clipboard()->setText("1.7");
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Curve(), before);
    EXPECT_EQ(field->text(), "1.7");
}

// Up and Down move every selected point by one of the box's steps, upward on
// the screen: in the Difference view that lowers the outputs. A held key is
// one step to undo.
TEST_F(PointsWindow, TheArrowKeysMoveEverySelectedPoint)
{
    struct Row {
        const char* what;
        QAction* WindowActions::*view;
        Qt::Key key;
        int presses;
        std::vector<double> outputs;
    };
    const Row rows[] = {
        { "Up in the Input-Output view", &WindowActions::inputOutput, Qt::Key_Up, 1,
            { 1.52, 1.82, 2.52 } },
        { "Down held in the Input-Output view", &WindowActions::inputOutput, Qt::Key_Down, 3,
            { 1.44, 1.74, 2.44 } },
        { "Up in the Difference view", &WindowActions::difference, Qt::Key_Up, 1,
            { 1.48, 1.78, 2.48 } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        (Actions().*row.view)->trigger();
        Graph().SetSelection(middle);
        const Points before = Curve();
        GraphWidget()->setFocus();
        for (int i = 0; i < row.presses; ++i)
            Key(row.key);
        EXPECT_EQ(Outputs(middle), row.outputs);
        EXPECT_EQ(Graph().Selection(), middle);
        ExpectOneStep(before, Curve());
        Actions().undo->trigger();
    }
}

// Compare with File lists what differs from another project file, draws its
// curves, takes its points for the selected stretch in one step, and closes.
TEST_F(PointsWindow, CompareWithFileListsTheDifferencesAndTakesPoints)
{
    ProjectState other = Project();
    other.crCurve.Remove(2.5);
    other.crCurve.Add(2.6, 2.0);
    other.stopVoltage = 4.4;
    other.TrimAboveStop();
    const QString path = projects + "other.rmvp";
    WriteFile(path, QByteArray::fromStdString(WriteProjectText(other)));
    Inside().AnswerFileDialogs([&](QFileDialog&) { return path; });

    Actions().compareFile->trigger();
    auto* panel = window->findChild<CFileComparePanel*>();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(Graph().Overlay(), &panel->File());
    QStringList listed;
    for (int i = 0; i < panel->differenceList->count(); ++i)
        listed << panel->differenceList->item(i)->text();
    EXPECT_EQ(listed.join('\n').toStdString(),
        "Stop voltage: project 4.5 V, file 4.4 V.\n"
        "CR point at 2.5 V: output 1.8 V in the project, none in the file.\n"
        "CR point at 2.6 V: output 2 V in the file, none in the project.\n"
        "CR point at 4.5 V: output 4.5 V in the project, none in the file.");

    Graph().SetSelection(middle);
    const Points before = Curve();
    QTest::mouseClick(panel->takeButton, Qt::LeftButton);
    EXPECT_EQ(Curve(),
        (Points { { 0, 0 }, { 1.5, 1.5 }, { 2.0, 1.5 }, { 2.6, 2.0 }, { 3.0, 2.5 }, { 4.5, 4.5 },
            { 5, 5 } }));
    EXPECT_EQ(panel->differenceList->count(), 2) << "the list follows the edit";
    ExpectOneStep(before, Curve());

    QTest::mouseClick(panel->closeButton, Qt::LeftButton);
    EXPECT_EQ(Graph().Overlay(), nullptr);
}

} // namespace
