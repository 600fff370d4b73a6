#include "RamvikDlgTestSupport.h"

#include <string>

namespace {

int CountCurve(const CPunt* head)
{
    int count = 0;
    for (; head; head = head->next)
        ++count;
    return count;
}

using RamvikDlgStart = RamvikDlgFixture;

TEST_F(RamvikDlgStart, ShowsTheDefaultProject)
{
    EXPECT_EQ(window->windowTitle(), "Common Rail Tuning - untitled.rmvp");
    EXPECT_EQ(Find<QComboBox>("boxTypeCombo")->currentText(), "1 CR input");
    EXPECT_EQ(CountCurve(window->project.crCurve), 4);
    EXPECT_EQ(Text("startVoltageEdit"), "1.5");
    EXPECT_EQ(Text("stopVoltageEdit"), "4.5");
    EXPECT_EQ(Text("startDelayMinEdit"), "1");
    EXPECT_EQ(Text("startDelaySecEdit"), "0");
    EXPECT_EQ(Text("curveDelayEdit"), "200");
    EXPECT_TRUE(Checked("editCrCheck"));
    EXPECT_FALSE(Checked("editTurboCheck"));
    EXPECT_TRUE(Checked("showCrCheck"));
    EXPECT_TRUE(Checked("showTurboCheck"));
    EXPECT_TRUE(Checked("inputOutputCheck"));
    EXPECT_FALSE(Checked("differenceCheck"));
    for (const char* turboControl :
        { "editTurboCheck", "resetTurboButton", "showTurboCheck", "copyCurveButton" })
        EXPECT_FALSE(Enabled(turboControl)) << turboControl;
    for (const char* button :
        { "newButton", "openButton", "saveButton", "readButton", "writeButton", "printButton" })
        EXPECT_TRUE(Enabled(button)) << button;
}

// Each row clicks one arrow of a spin control from the default project and
// reads the edit boxes back.
struct SpinCase {
    const char* arrow;
    int clicks;
    const char* edit;
    const char* shown;
    const char* otherEdit = nullptr; // a second box the same clicks change
    const char* otherShown = nullptr;
};

class RamvikDlgSpin : public RamvikDlgFixture, public ::testing::WithParamInterface<SpinCase> { };

TEST_P(RamvikDlgSpin, ShowsTheSteppedValue)
{
    const SpinCase& c = GetParam();
    ClickArrow(c.arrow, c.clicks);
    EXPECT_EQ(Text(c.edit), c.shown);
    if (c.otherEdit) {
        EXPECT_EQ(Text(c.otherEdit), c.otherShown);
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, RamvikDlgSpin,
    ::testing::Values(
        // Drifted doubles show rounded: 1.2999999999999998 is "1.3".
        SpinCase { "startVoltageDown", 2, "startVoltageEdit", "1.3" },
        SpinCase { "startVoltageDown", 5, "startVoltageEdit", "0.9" },
        SpinCase { "startVoltageDown", 20, "startVoltageEdit", "0" },
        SpinCase { "startVoltageUp", 40, "startVoltageEdit", "4.5" },
        SpinCase { "stopVoltageUp", 6, "stopVoltageEdit", "5" },
        SpinCase { "stopVoltageDown", 40, "stopVoltageEdit", "1.5" },
        SpinCase { "startDelayMinUp", 3, "startDelayMinEdit", "4", "startDelaySecEdit", "0" },
        SpinCase { "startDelayMinUp", 4, "startDelayMinEdit", "0" },
        SpinCase { "startDelayMinDown", 2, "startDelayMinEdit", "4" },
        SpinCase { "startDelaySecDown", 1, "startDelayMinEdit", "0", "startDelaySecEdit", "59" },
        SpinCase { "startDelaySecUp", 61, "startDelayMinEdit", "2", "startDelaySecEdit", "1" },
        SpinCase { "curveDelayUp", 20, "curveDelayEdit", "500" },
        SpinCase { "curveDelayDown", 11, "curveDelayEdit", "0" }));

TEST_F(RamvikDlgStart, ArrowKeysInAValueBoxStepIt)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    auto* voltage = Find<QLineEdit>("startVoltageEdit");
    voltage->setFocus();
    QTest::keyClick(voltage, Qt::Key_Down);
    QTest::keyClick(voltage, Qt::Key_Down);
    EXPECT_EQ(voltage->text(), "1.3");
    auto* delay = Find<QLineEdit>("curveDelayEdit");
    delay->setFocus();
    QTest::keyClick(delay, Qt::Key_Up);
    EXPECT_EQ(delay->text(), "220");
    EXPECT_EQ(Text("startVoltageEdit"), "1.3");
}

// Check-box clicks, some refused by the rules: the marks always show the
// project's flags afterwards, never the click's own flip.
struct CheckCase {
    const char* name;
    int boxType;
    std::vector<const char*> clicks;
    std::vector<const char*> checked;
    std::vector<const char*> unchecked;
};

class RamvikDlgCheck : public RamvikDlgFixture, public ::testing::WithParamInterface<CheckCase> { };

TEST_P(RamvikDlgCheck, MarksFollowTheProject)
{
    const CheckCase& c = GetParam();
    ChooseBoxType(c.boxType);
    for (const char* box : c.clicks)
        Click(box);
    for (const char* box : c.checked)
        EXPECT_TRUE(Checked(box)) << box;
    for (const char* box : c.unchecked)
        EXPECT_FALSE(Checked(box)) << box;
}

INSTANTIATE_TEST_SUITE_P(Clicks, RamvikDlgCheck,
    ::testing::Values(
        CheckCase { "EditedCurveCannotBeHidden", 0, { "showCrCheck" }, { "showCrCheck" }, {} },
        CheckCase { "MarkedEditBoxStaysMarked", 2, { "editCrCheck" }, { "editCrCheck" },
            { "editTurboCheck" } },
        CheckCase {
            "TurboTakesTheEdit", 2, { "editTurboCheck" }, { "editTurboCheck" }, { "editCrCheck" } },
        CheckCase { "CrHiddenWhileTurboEdited", 2, { "editTurboCheck", "showCrCheck" },
            { "showTurboCheck" }, { "showCrCheck" } },
        CheckCase { "EditedTurboCannotBeHidden", 2, { "editTurboCheck", "showTurboCheck" },
            { "showTurboCheck" }, {} },
        CheckCase { "EditingCrShowsItAgain", 2, { "editTurboCheck", "showCrCheck", "editCrCheck" },
            { "showCrCheck", "editCrCheck" }, { "editTurboCheck" } },
        CheckCase { "MarkedViewStaysMarked", 0, { "inputOutputCheck" }, { "inputOutputCheck" },
            { "differenceCheck" } },
        CheckCase { "ViewsActAsAPair", 0, { "differenceCheck", "differenceCheck" },
            { "differenceCheck" }, { "inputOutputCheck" } },
        CheckCase { "BackToInputOutput", 0, { "differenceCheck", "inputOutputCheck" },
            { "inputOutputCheck" }, { "differenceCheck" } }),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

// The selector: captions, the four TURBO controls and the edited curve.
TEST_F(RamvikDlgStart, BoxTypeSelectorSwitchesTheTurboControls)
{
    struct Row {
        int index;
        const char* caption;
        bool turbo;
    };
    for (const Row& row : { Row { 2, "Common Rail & Turbo Tuning - untitled.rmvp", true },
             Row { 1, "Common Rail Tuning - untitled.rmvp", false },
             Row { 2, "Common Rail & Turbo Tuning - untitled.rmvp", true },
             Row { 0, "Common Rail Tuning - untitled.rmvp", false } }) {
        SCOPED_TRACE(row.index);
        Click("editCrCheck");
        if (window->project.turboEnabled)
            Click("editTurboCheck");
        ChooseBoxType(row.index);
        EXPECT_EQ(window->windowTitle(), row.caption);
        EXPECT_EQ(window->project.boxType, row.index);
        EXPECT_EQ(window->project.twoInputs, row.index == 1 ? 1 : 0);
        EXPECT_TRUE(Checked("editCrCheck"));
        EXPECT_FALSE(Checked("editTurboCheck"));
        for (const char* turboControl :
            { "editTurboCheck", "resetTurboButton", "showTurboCheck", "copyCurveButton" })
            EXPECT_EQ(Enabled(turboControl), row.turbo) << turboControl;
    }
}

TEST_F(RamvikDlgStart, BoxTypeCanBeChosenWithTheKeyboard)
{
    auto* combo = Find<QComboBox>("boxTypeCombo");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(window->project.boxType, 2);
    EXPECT_TRUE(Enabled("copyCurveButton"));
}

TEST_F(RamvikDlgStart, DisabledTurboControlsDoNothing)
{
    window->project.crCurve->Add(2.0, 3.0);
    Click("copyCurveButton");
    Click("editTurboCheck");
    EXPECT_EQ(CountCurve(window->project.turboCurve), 2);
    EXPECT_TRUE(Checked("editCrCheck"));
}

TEST_F(RamvikDlgStart, CurveButtonsRebuildTheCurves)
{
    ChooseBoxType(2);
    window->project.crCurve->Add(2.0, 3.0);
    Click("copyCurveButton");
    EXPECT_EQ(CountCurve(window->project.turboCurve), 5);
    Click("resetTurboButton");
    EXPECT_EQ(CountCurve(window->project.turboCurve), 2);
    Click("resetCrButton");
    EXPECT_EQ(CountCurve(window->project.crCurve), 4);
    EXPECT_EQ(window->project.crCurve->Find(2.0)->input, 1.5);
}

TEST_F(RamvikDlgStart, NewRestoresTheDefaultsAndKeepsTheBoxType)
{
    ChooseBoxType(2);
    Click("editTurboCheck");
    ClickArrow("startVoltageDown", 3);
    ClickArrow("curveDelayUp", 2);
    ClickArrow("startDelaySecUp", 5);
    window->project.fileName = "engine.rmvp";
    window->project.crCurve->Add(2.0, 3.0);
    Click("newButton");
    EXPECT_EQ(window->windowTitle(), "Common Rail & Turbo Tuning - untitled.rmvp");
    EXPECT_EQ(Text("startVoltageEdit"), "1.5");
    EXPECT_EQ(Text("curveDelayEdit"), "200");
    EXPECT_EQ(Text("startDelaySecEdit"), "0");
    EXPECT_EQ(CountCurve(window->project.crCurve), 4);
    EXPECT_TRUE(Enabled("copyCurveButton"));
    EXPECT_TRUE(Checked("editTurboCheck"));
}

} // namespace
