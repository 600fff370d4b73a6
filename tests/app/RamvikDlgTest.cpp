#include "AppTestSupport.h"

#include <QPrinter>
#include <QWindow>

namespace {

using RamvikDlg = AppTest;

// After refused clicks the marks show the project, not the click's flip.
TEST_F(RamvikDlg, CheckMarksFollowTheProject)
{
    ChooseBoxType(2);
    Click("showCrCheck"); // the edited curve stays shown
    EXPECT_TRUE(Checked("showCrCheck"));
    Click("editTurboCheck");
    Click("showCrCheck");
    Click("showTurboCheck");
    for (const char* box : { "editTurboCheck", "showTurboCheck" })
        EXPECT_TRUE(Checked(box)) << box;
    for (const char* box : { "editCrCheck", "showCrCheck" })
        EXPECT_FALSE(Checked(box)) << box;
    Click("differenceCheck", 2); // a pair: the second click is refused
    EXPECT_TRUE(Checked("differenceCheck"));
    EXPECT_FALSE(Checked("inputOutputCheck"));
}

TEST_F(RamvikDlg, BoxTypeSelectorEnablesTheTurboControls)
{
    for (int index : { 2, 1, 0 }) {
        ChooseBoxType(index);
        EXPECT_EQ(window->windowTitle().startsWith("Common Rail & Turbo"), index == 2);
        EXPECT_EQ(Project().twoInputs, index == 1 ? 1 : 0);
        for (const char* control :
            { "editTurboCheck", "resetTurboButton", "showTurboCheck", "copyCurveButton" })
            EXPECT_EQ(Find(control)->isEnabled(), index == 2) << control;
    }
}

// Escape and Enter leave the window open; "[*]" in a name stays in the caption.
TEST_F(RamvikDlg, EscapeAndEnterLeaveTheWindowOpen)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    Click("curveDelayUp");
    for (const char* focus : { "", "startVoltageEdit", "boxTypeCombo", "editCrCheck" }) {
        for (Qt::Key key : { Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter }) {
            QTest::keyClick(*focus ? Find(focus) : window.get(), key);
            EXPECT_TRUE(window->isVisible()) << focus << " " << key;
        }
    }
    EXPECT_EQ(Text("curveDelayEdit"), "220");
    Find("newButton")->setFocus();
    QTest::keyClick(Find("newButton"), Qt::Key_Return); // presses New
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Text("curveDelayEdit"), "200");
    Project().fileName = "a[*]b.rmvp";
    Inside().Refresh();
    EXPECT_EQ(window->windowHandle()->title(), "Common Rail Tuning - a[*]b.rmvp");
    Click("curveDelayUp"); // the project now differs from the saved one
    EXPECT_EQ(window->windowHandle()->title(), "Common Rail Tuning - a[*]b.rmvp*");
}

// Print hands the sheet to the printer the dialog chose, as one job named
// after the caption; a cancelled dialog prints nothing.
TEST_F(RamvikDlg, PrintProjectPrintsOneNamedJob)
{
    const QString pdf = rootPath + "sheet.pdf";
    bool confirmed = false;
    Project().fileName = "pump.rmvp";
    Inside().AnswerPrintDialogs([&](QPrinter& printer) {
        EXPECT_EQ(printer.docName(), "Common Rail Tuning - pump.rmvp");
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return confirmed;
    });
    Click("printButton");
    EXPECT_FALSE(QFile::exists(pdf)) << "cancelled";
    confirmed = true;
    Click("printButton");
    QFile file(pdf);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.read(4) == "%PDF");
    EXPECT_TRUE(messages.empty());
}

} // namespace
