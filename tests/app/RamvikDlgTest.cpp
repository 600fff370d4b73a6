#include "AppTestSupport.h"
#include "RamvikApp.h"

#include <QApplication>
#include <QWindow>

#include <string>

namespace {

using RamvikDlg = AppTest;

const char* const kTurboControls[]
    = { "editTurboCheck", "resetTurboButton", "showTurboCheck", "copyCurveButton" };

TEST_F(RamvikDlg, ShowsTheDefaultProject)
{
    EXPECT_EQ(window->windowTitle(), "Common Rail Tuning - untitled.rmvp");
    EXPECT_EQ(Find<QComboBox>("boxTypeCombo")->currentText(), "1 CR input");
    EXPECT_EQ(CountPoints(window->project.crCurve), 4);
    for (auto [edit, shown] : { std::pair { "startVoltageEdit", "1.5" },
             { "stopVoltageEdit", "4.5" }, { "startDelayMinEdit", "1" },
             { "startDelaySecEdit", "0" }, { "curveDelayEdit", "200" } })
        EXPECT_EQ(Text(edit), shown) << edit;
    for (const char* box : { "editCrCheck", "showCrCheck", "showTurboCheck", "inputOutputCheck" })
        EXPECT_TRUE(Checked(box)) << box;
    EXPECT_FALSE(Checked("editTurboCheck"));
    EXPECT_FALSE(Checked("differenceCheck"));
    for (const char* control : kTurboControls)
        EXPECT_FALSE(Find(control)->isEnabled()) << control;
}

// Each row clicks one spin arrow of the default project and reads the edit
// boxes back: limits, wrap-arounds, and drifted doubles shown rounded.
TEST_F(RamvikDlg, SpinArrowsStepTheShownValues)
{
    struct Row {
        const char* arrow;
        int clicks;
        const char *edit, *shown, *otherEdit, *otherShown;
    };
    for (const Row& r : { Row { "startVoltageDown", 2, "startVoltageEdit", "1.3" },
             Row { "startVoltageDown", 20, "startVoltageEdit", "0" },
             Row { "startVoltageUp", 40, "startVoltageEdit", "4.5" },
             Row { "stopVoltageUp", 6, "stopVoltageEdit", "5" },
             Row { "stopVoltageDown", 40, "stopVoltageEdit", "1.5" },
             Row { "startDelayMinUp", 3, "startDelayMinEdit", "4", "startDelaySecEdit", "0" },
             Row { "startDelayMinUp", 4, "startDelayMinEdit", "0" },
             Row { "startDelaySecDown", 1, "startDelayMinEdit", "0", "startDelaySecEdit", "59" },
             Row { "startDelaySecUp", 61, "startDelayMinEdit", "2", "startDelaySecEdit", "1" },
             Row { "curveDelayUp", 20, "curveDelayEdit", "500" },
             Row { "curveDelayDown", 11, "curveDelayEdit", "0" } }) {
        SCOPED_TRACE(std::string(r.arrow) + " x" + std::to_string(r.clicks));
        Start();
        Click(r.arrow, r.clicks);
        EXPECT_EQ(Text(r.edit), r.shown);
        if (r.otherEdit)
            EXPECT_EQ(Text(r.otherEdit), r.otherShown);
    }
}

// Check-box clicks, some refused by the rules: the marks show the project's
// flags afterwards, never the click's own flip.
TEST_F(RamvikDlg, CheckMarksFollowTheProject)
{
    struct Row {
        int boxType;
        std::vector<const char*> clicks, checked, unchecked;
    };
    for (const Row& r : { Row { 0, { "showCrCheck" }, { "showCrCheck" }, {} },
             Row { 2, { "editCrCheck" }, { "editCrCheck" }, { "editTurboCheck" } },
             Row { 2, { "editTurboCheck", "showCrCheck", "showTurboCheck" },
                 { "editTurboCheck", "showTurboCheck" }, { "editCrCheck", "showCrCheck" } },
             Row { 2, { "editTurboCheck", "showCrCheck", "editCrCheck" },
                 { "showCrCheck", "editCrCheck" }, { "editTurboCheck" } },
             Row { 0, { "differenceCheck", "differenceCheck" }, { "differenceCheck" },
                 { "inputOutputCheck" } },
             Row { 0, { "differenceCheck", "inputOutputCheck" }, { "inputOutputCheck" },
                 { "differenceCheck" } } }) {
        SCOPED_TRACE(r.clicks.back());
        Start();
        ChooseBoxType(r.boxType);
        for (const char* box : r.clicks)
            Click(box);
        for (const char* box : r.checked)
            EXPECT_TRUE(Checked(box)) << box;
        for (const char* box : r.unchecked)
            EXPECT_FALSE(Checked(box)) << box;
    }
}

// The selector: caption, flags, the four TURBO controls and the edited curve.
TEST_F(RamvikDlg, BoxTypeSelectorSwitchesTheTurboControls)
{
    for (int index : { 2, 1, 2, 0 }) {
        SCOPED_TRACE(index);
        if (window->project.turboEnabled)
            Click("editTurboCheck");
        ChooseBoxType(index);
        EXPECT_EQ(window->windowTitle(),
            index == 2 ? "Common Rail & Turbo Tuning - untitled.rmvp"
                       : "Common Rail Tuning - untitled.rmvp");
        EXPECT_EQ(window->project.boxType, index);
        EXPECT_EQ(window->project.twoInputs, index == 1 ? 1 : 0);
        EXPECT_TRUE(Checked("editCrCheck"));
        EXPECT_FALSE(Checked("editTurboCheck"));
        for (const char* control : kTurboControls)
            EXPECT_EQ(Find(control)->isEnabled(), index == 2) << control;
    }
}

TEST_F(RamvikDlg, CurveButtonsRebuildTheCurves)
{
    ChooseBoxType(2);
    window->project.crCurve->Add(2.0, 3.0);
    Click("copyCurveButton");
    EXPECT_EQ(CountPoints(window->project.turboCurve), 5);
    Click("resetTurboButton");
    EXPECT_EQ(CountPoints(window->project.turboCurve), 2);
    Click("resetCrButton");
    EXPECT_EQ(CountPoints(window->project.crCurve), 4);
    EXPECT_EQ(window->project.crCurve->Find(2.0)->input, 1.5);
}

TEST_F(RamvikDlg, NewRestoresTheDefaultsAndKeepsTheBoxType)
{
    ChooseBoxType(2);
    Click("editTurboCheck");
    Click("startVoltageDown", 3);
    Click("curveDelayUp", 2);
    Click("startDelaySecUp", 5);
    window->project.fileName = "engine.rmvp";
    window->project.crCurve->Add(2.0, 3.0);
    Click("newButton");
    EXPECT_EQ(window->windowTitle(), "Common Rail & Turbo Tuning - untitled.rmvp");
    EXPECT_EQ(Text("startVoltageEdit"), "1.5");
    EXPECT_EQ(Text("curveDelayEdit"), "200");
    EXPECT_EQ(Text("startDelaySecEdit"), "0");
    EXPECT_EQ(CountPoints(window->project.crCurve), 4);
    EXPECT_TRUE(Find("copyCurveButton")->isEnabled());
    EXPECT_TRUE(Checked("editTurboCheck"));
}

// A mended fault: the platform's dialog defaults closed the window on Escape
// and Enter. Only Enter on a push button presses it.
TEST_F(RamvikDlg, EscapeAndEnterLeaveTheWindowOpen)
{
    Show();
    Click("curveDelayUp");
    for (const char* focus : { "", "startVoltageEdit", "boxTypeCombo", "editCrCheck" }) {
        QWidget* target = *focus ? Find(focus) : window.get();
        for (Qt::Key key : { Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter }) {
            SCOPED_TRACE(std::string(focus) + " " + std::to_string(key));
            QTest::keyClick(target, key);
            EXPECT_TRUE(window->isVisible());
        }
    }
    EXPECT_EQ(window->project.boxType, 0);
    EXPECT_EQ(Text("curveDelayEdit"), "220");
    Find("newButton")->setFocus();
    QTest::keyClick(Find("newButton"), Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Text("curveDelayEdit"), "200");
    // Qt's "[*]" placeholder in a file name is shown as written.
    window->project.fileName = "a[*]b.rmvp";
    window->Refresh();
    EXPECT_EQ(window->windowHandle()->title(), "Common Rail Tuning - a[*]b.rmvp");
}

// A mended fault: without settings, start with box type 0 and the
// input-output view.
TEST_F(RamvikDlg, WithoutSettingsStartsWithOneCrInputAndTheInputOutputView)
{
    NewConfigFolder();
    Start();
    EXPECT_FALSE(messages.empty());
    EXPECT_EQ(Find<QComboBox>("boxTypeCombo")->currentText(), "1 CR input");
    EXPECT_TRUE(Checked("inputOutputCheck"));
    EXPECT_FALSE(Checked("differenceCheck"));
    EXPECT_EQ(window->project.graphType, 1);
}

TEST_F(RamvikDlg, ResizingMovesTheGraphFrameAndNotThePanel)
{
    EXPECT_EQ(window->size(), QSize(704, 523));
    Show();
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
        EXPECT_EQ(children[i]->geometry(), panelBefore[i]);
}

TEST(RamvikStartOptions, ParsesTheCommandLine)
{
    struct Row {
        QStringList arguments;
        bool ok, demoBox;
        QString port;
    };
    for (const Row& row : { Row { { "ramvik", "--demo-box" }, true, true, "" },
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
