// The window and its dialogs as assistive technology and the keyboard reach
// them: through Qt's accessibility tree (what the desktop's accessibility
// interface exports) and with Tab. (The menu bar's keys, in every language:
// CompleteTranslations in the window's language tests.)
#include "AboutDlg.h"
#include "AppTestSupport.h"
#include "Compare.h"
#include "ConnectionHelpDlg.h"
#include "HelpDlg.h"
#include "Panel.h"
#include "PointEntryDlg.h"
#include "PortChoiceDlg.h"
#include "Read.h"
#include "Write.h"

#include <QAccessible>
#include <QApplication>
#include <QDockWidget>

#include <algorithm>

namespace {

// The roles of what a user presses, types into, chooses from or moves.
bool Interactive(const QAccessibleInterface& control)
{
    switch (control.role()) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::MenuItem:
    case QAccessible::PageTab:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Link:
    case QAccessible::Graphic:
        return true;
    default:
        // A widget of our own that takes the keyboard (the graph).
        return control.state().focusable;
    }
}

QString Describe(QAccessibleInterface& control)
{
    const QObject* object = control.object();
    QString name = object ? object->objectName() : QString();
    if (name.isEmpty() && object)
        name = QString::fromLatin1(object->metaObject()->className());
    return QStringLiteral("%1 (role %2)").arg(name).arg(int(control.role()));
}

// Every shown interactive control under the interface that has no name.
void CollectUnnamed(QAccessibleInterface* control, QStringList& unnamed, int depth = 0)
{
    if (!control || !control->isValid() || control->state().invisible || depth > 40)
        return;
    if (Interactive(*control) && control->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << Describe(*control);
    for (int i = 0; i < control->childCount(); ++i)
        CollectUnnamed(control->child(i), unnamed, depth + 1);
}

QStringList Unnamed(QWidget* top)
{
    QStringList unnamed;
    CollectUnnamed(QAccessible::queryAccessibleInterface(top), unnamed);
    return unnamed;
}

class Accessibility : public AppTest {
protected:
    // The dialog shown over the window, its controls named.
    void ExpectNamed(QDialog& dialog)
    {
        SCOPED_TRACE(dialog.metaObject()->className());
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        const QStringList unnamed = Unnamed(&dialog);
        EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
        dialog.hide();
    }
};

// The window with every control enabled and the compare panel open, and
// each dialog it opens: no control a user can operate is nameless to a
// screen reader ("push button" ten times says nothing).
TEST_F(Accessibility, EveryControlOfTheWindowAndItsDialogsHasAName)
{
    StartWithDemoBox();
    ChooseBoxType(2);
    ClickTransfer("compareButton"); // opens the compare panel beside the graph
    ASSERT_NE(window->findChild<QDockWidget*>("comparePanel"), nullptr);
    const QStringList unnamed = Unnamed(window.get());
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();

    CAboutDlg about(window.get());
    ExpectNamed(about);
    CHelpDlg help(window.get());
    ExpectNamed(help);
    for (bool newPoint : { true, false }) {
        CPointEntryDlg entry(Project(), newPoint, 2.0, 1.8, window.get());
        ExpectNamed(entry);
    }
    CPortChoiceDlg ports(
        { "/dev/ttyUSB0  0403:6001  A1", "/dev/ttyUSB1  0403:6001  B2" }, window.get());
    ExpectNamed(ports);
    CConnectionHelpDlg connection(ConnectionReport(), window.get());
    ExpectNamed(connection);
    CWrite write(Inside().Session(), true, window.get());
    ExpectNamed(write);
    CRead read(Inside().Session(), window.get());
    ExpectNamed(read);
    CCompare compare(Inside().Session(), window.get());
    ExpectNamed(compare);
}

// Where a control's purpose does not show in its name, a description says
// it: the arrows, the fields, the bare check boxes and the "0" buttons.
TEST_F(Accessibility, ControlsWithoutWordsAreDescribed)
{
    ChooseBoxType(2);
    for (const char* name : { "startVoltageUp", "curveDelayDown", "startVoltageEdit",
             "startDelayEdit", "showCrCheck", "resetTurboButton" }) {
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(Find(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_GE(control->text(QAccessible::Description).size(), 10) << name;
    }
}

// Reading order: top to bottom, and left to right within a row.
bool ReadsBefore(QWidget* a, QWidget* b)
{
    const QRect ra(a->mapTo(a->window(), QPoint(0, 0)), a->size());
    const QRect rb(b->mapTo(b->window(), QPoint(0, 0)), b->size());
    if (ra.bottom() < rb.top())
        return true;
    if (rb.bottom() < ra.top())
        return false;
    return ra.left() < rb.left();
}

// Tab goes through every control of the panel that takes the keyboard, in
// reading order, and from the last one on to the graph.
TEST_F(Accessibility, TabVisitsThePanelInReadingOrder)
{
    ChooseBoxType(2); // every control enabled
    auto* panel = window->findChild<CPanel*>();
    ASSERT_NE(panel, nullptr);
    std::vector<QWidget*> controls;
    for (QWidget* w : panel->findChildren<QWidget*>())
        if (w->isVisibleTo(window.get()) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            controls.push_back(w);
    ASSERT_GE(controls.size(), 20u);
    std::stable_sort(controls.begin(), controls.end(), ReadsBefore);

    controls.front()->setFocus(Qt::TabFocusReason);
    QStringList expected, visited;
    for (QWidget* control : controls) {
        expected << control->objectName();
        visited << QApplication::focusWidget()->objectName();
        Key(Qt::Key_Tab);
    }
    EXPECT_EQ(visited.join(' ').toStdString(), expected.join(' ').toStdString());
    EXPECT_EQ(QApplication::focusWidget(), GraphWidget());
}

} // namespace
