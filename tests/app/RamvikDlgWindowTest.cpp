#include "AboutDlg.h"
#include "RamvikApp.h"
#include "RamvikDlgTestSupport.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QWindow>

namespace {

using RamvikDlgWindow = RamvikDlgFixture;

TEST_F(RamvikDlgWindow, EscapeAndEnterLeaveTheWindowOpen)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    // Where the keys land: the window itself, a read-only edit box, the
    // selector and a check box (neither handles them itself).
    for (const char* focus : { "", "startVoltageEdit", "boxTypeCombo", "editCrCheck" }) {
        QWidget* target = *focus ? Find<QWidget>(focus) : window.get();
        for (Qt::Key key : { Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter }) {
            SCOPED_TRACE(std::string(focus) + " " + std::to_string(key));
            QTest::keyClick(target, key);
            EXPECT_TRUE(window->isVisible());
        }
    }
    EXPECT_EQ(window->project.boxType, 0);
    EXPECT_EQ(window->windowTitle(), "Common Rail Tuning - untitled.rmvp");
}

class RamvikDlgWithoutSettings : public RamvikDlgFixture {
protected:
    bool WithSettings() const override { return false; }
};

TEST_F(RamvikDlgWithoutSettings, StartsWithOneCrInputAndTheInputOutputView)
{
    EXPECT_FALSE(messages.empty());
    EXPECT_EQ(Find<QComboBox>("boxTypeCombo")->currentText(), "1 CR input");
    EXPECT_TRUE(Checked("inputOutputCheck"));
    EXPECT_FALSE(Checked("differenceCheck"));
    EXPECT_EQ(window->project.graphType, 1);
    EXPECT_EQ(window->windowTitle(), "Common Rail Tuning - untitled.rmvp");
}

TEST_F(RamvikDlgWindow, EnterPressesTheFocusedButton)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    ClickArrow("curveDelayUp");
    auto* button = Find<QPushButton>("newButton");
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Text("curveDelayEdit"), "200");
}

TEST_F(RamvikDlgWindow, TitleBarShowsTheWholeFileName)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    for (const char* name : { "engine.rmvp", "a[*]b.rmvp", "[*][*].rmvp" }) {
        window->project.fileName = name;
        window->Refresh();
        EXPECT_EQ(window->windowHandle()->title(), QString("Common Rail Tuning - ") + name);
    }
}

TEST_F(RamvikDlgWindow, StartsAtTheTemplateSize)
{
    EXPECT_EQ(window->size(), QSize(704, 523));
    EXPECT_EQ(window->graphFrame, QRect(100, 10, 594, 503));
    EXPECT_FALSE(window->windowIcon().isNull());
}

TEST_F(RamvikDlgWindow, ResizingMovesTheGraphFrameAndNotThePanel)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    std::vector<QRect> panelBefore;
    const auto children = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children)
        panelBefore.push_back(child->geometry());
    for (QSize size : { QSize(1000, 700), QSize(300, 200), QSize(704, 523) }) {
        window->resize(size);
        QApplication::processEvents();
        EXPECT_EQ(window->graphFrame, QRect(100, 10, size.width() - 110, size.height() - 20));
    }
    for (qsizetype i = 0; i < children.size(); ++i)
        EXPECT_EQ(children[i]->geometry(), panelBefore[i])
            << children[i]->objectName().toStdString();
}

TEST_F(RamvikDlgWindow, PanelStaysLeftOfTheGraphAndControlsDoNotOverlap)
{
    std::vector<QWidget*> controls;
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_LT(child->geometry().right(), 95) << child->objectName().toStdString();
        EXPECT_FALSE(child->objectName().isEmpty());
        // Group boxes frame controls and the pictures lie under labels.
        if (!qobject_cast<QGroupBox*>(child) && !qobject_cast<QLabel*>(child))
            controls.push_back(child);
    }
    EXPECT_EQ(controls.size(), 26u);
    for (size_t i = 0; i < controls.size(); ++i)
        for (size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << controls[i]->objectName().toStdString() << " and "
                << controls[j]->objectName().toStdString();
}

TEST_F(RamvikDlgWindow, TabVisitsTheControlsTopToBottom)
{
    const std::vector<QString> expected { "newButton", "openButton", "saveButton", "readButton",
        "writeButton", "printButton", "inputOutputCheck", "differenceCheck", "boxTypeCombo",
        "editCrCheck", "resetCrButton", "showCrCheck", "editTurboCheck", "resetTurboButton",
        "showTurboCheck", "copyCurveButton", "startVoltageEdit", "stopVoltageEdit",
        "startDelayMinEdit", "startDelaySecEdit", "curveDelayEdit" };
    std::vector<QString> order;
    QWidget* first = Find<QWidget>("newButton");
    QWidget* widget = first;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->parentWidget() == window.get())
            order.push_back(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != first);
    EXPECT_EQ(order, expected);
}

TEST_F(RamvikDlgWindow, PanelTexts)
{
    struct Row {
        const char* name;
        const char* text;
    };
    for (const Row& row :
        { Row { "newButton", "New" }, Row { "openButton", "Open" }, Row { "saveButton", "Save" },
            Row { "readButton", "Read" }, Row { "writeButton", "Write" },
            Row { "printButton", "Print Project" }, Row { "inputOutputCheck", "Input-Output" },
            Row { "differenceCheck", "Difference " }, Row { "editCrCheck", "CR" },
            Row { "editTurboCheck", "TURBO" }, Row { "resetCrButton", "0" },
            Row { "resetTurboButton", "0" }, Row { "copyCurveButton", "Copy curve" } })
        EXPECT_EQ(Find<QAbstractButton>(row.name)->text(), row.text) << row.name;
    for (const Row& row :
        { Row { "graphTypeGroup", "Graph Type:" }, Row { "boxTypeGroup", "Box Type:" } })
        EXPECT_EQ(Find<QGroupBox>(row.name)->title(), row.text) << row.name;
    for (const Row& row :
        { Row { "startVoltageLabel", "Start Voltage:" }, Row { "startVoltageUnit", "V" },
            Row { "stopVoltageLabel", "Stop Voltage:" }, Row { "stopVoltageUnit", "V" },
            Row { "startDelayLabel", "Start Delay:" }, Row { "startDelayColon", ":" },
            Row { "startDelayUnit", "min : sec" }, Row { "curveDelayLabel", "Curve Delay:" },
            Row { "curveDelayUnitTop", "ms" }, Row { "curveDelayUnitBottom", "0,1 V" } })
        EXPECT_EQ(Find<QLabel>(row.name)->text(), row.text) << row.name;
    auto* combo = Find<QComboBox>("boxTypeCombo");
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), "1 CR input");
    EXPECT_EQ(combo->itemText(1), "2 CR inputs");
    EXPECT_EQ(combo->itemText(2), "CR&TURBO");
    struct Edit {
        const char* name;
        Qt::Alignment alignment;
    };
    for (const Edit& edit :
        { Edit { "startVoltageEdit", Qt::AlignLeft }, Edit { "stopVoltageEdit", Qt::AlignLeft },
            Edit { "startDelayMinEdit", Qt::AlignHCenter },
            Edit { "startDelaySecEdit", Qt::AlignHCenter },
            Edit { "curveDelayEdit", Qt::AlignRight } }) {
        auto* box = Find<QLineEdit>(edit.name);
        EXPECT_TRUE(box->isReadOnly()) << edit.name;
        EXPECT_EQ(box->alignment() & Qt::AlignHorizontal_Mask, edit.alignment) << edit.name;
    }
}

TEST_F(RamvikDlgWindow, AboutBox)
{
    CAboutDlg about(window.get());
    EXPECT_EQ(about.windowTitle(), "About Ramvik");
    EXPECT_EQ(about.size(), QSize(291, 75));
    EXPECT_EQ(about.findChild<QLabel*>("aboutVersion")->text(), "Ramvik Version 2.0");
    EXPECT_FALSE(about.findChild<QLabel*>("aboutIcon")->pixmap().isNull());
    auto* ok = about.findChild<QPushButton*>("aboutOk");
    EXPECT_EQ(ok->text(), "OK");
    about.show();
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

#ifndef Q_OS_WIN
// Returns the texts of the context menu that a right click at the point
// opens, or nothing when no menu opens.
QStringList ContextMenuAt(QWidget* window, QPoint at)
{
    QStringList texts;
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions())
                texts << action->text();
            menu->close();
        }
    });
    closer.start();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, window->mapToGlobal(at));
    QApplication::sendEvent(window, &event);
    return texts;
}

TEST_F(RamvikDlgWindow, AboutIsInThePanelsContextMenuOnly)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(ContextMenuAt(window.get(), QPoint(50, 515)), QStringList { "&About Ramvik..." });
    EXPECT_EQ(ContextMenuAt(window.get(), QPoint(300, 200)), QStringList {});
}
#endif

// Command lines and the start options they give.
TEST(RamvikStartOptions, ParsesTheCommandLine)
{
    struct Row {
        QStringList arguments;
        bool ok;
        bool demoBox;
        QString port;
    };
    for (const Row& row :
        { Row { { "ramvik" }, true, false, "" }, Row { { "ramvik", "--demo-box" }, true, true, "" },
            Row { { "ramvik", "--port", "/dev/ttyUSB0" }, true, false, "/dev/ttyUSB0" },
            Row { { "ramvik", "--port=/dev/pts/3", "--demo-box" }, true, true, "/dev/pts/3" },
            Row { { "ramvik", "--port" }, false, false, "" },
            Row { { "ramvik", "--box" }, false, false, "" } }) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        StartOptions options;
        QString error;
        EXPECT_EQ(ParseStartOptions(row.arguments, options, error), row.ok);
        EXPECT_EQ(error.isEmpty(), row.ok);
        if (row.ok) {
            EXPECT_EQ(options.demoBox, row.demoBox);
            EXPECT_EQ(options.port, row.port);
        }
    }
}

} // namespace
