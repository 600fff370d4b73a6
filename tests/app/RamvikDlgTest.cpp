#include "AppTestSupport.h"

#include <QPrinter>
#include <QWindow>

namespace {

using RamvikDlg = AppTest;

// Limits, wrap-arounds, and a drifted 1.2999999999999998 shown as "1.3".
TEST_F(RamvikDlg, SpinArrowsStepTheShownValues)
{
    struct Row {
        const char* arrow;
        int clicks;
        const char *edit, *shown;
    };
    for (const Row& row : { Row { "startVoltageDown", 2, "startVoltageEdit", "1.3" },
             Row { "stopVoltageUp", 6, "stopVoltageEdit", "5" },
             Row { "startDelayMinUp", 4, "startDelayMinEdit", "0" },
             Row { "startDelaySecDown", 1, "startDelaySecEdit", "59" },
             Row { "curveDelayUp", 20, "curveDelayEdit", "500" } }) {
        SCOPED_TRACE(row.arrow);
        Start();
        Click(row.arrow, row.clicks);
        EXPECT_EQ(Text(row.edit), row.shown);
    }
}

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

// One job named after the caption; nothing after a cancel, and no message
// when the job cannot start.
TEST_F(RamvikDlg, PrintProjectPrintsOneNamedJob)
{
    const QString pdf = rootPath + "sheet.pdf";
    QString target;
    bool confirmed = true;
    Project().fileName = "pump.rmvp";
    Inside().AnswerPrintDialogs([&](QPrinter& printer) {
        EXPECT_EQ(printer.docName(), "Common Rail Tuning - pump.rmvp");
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        return confirmed;
    });
    struct Row {
        const char* what;
        QString path;
        bool confirmed, written;
    };
    const Row rows[] = {
        { "print dialog cancelled", pdf, false, false },
        { "job cannot start", rootPath + "missing/sheet.pdf", true, false },
        { "printed", pdf, true, true },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const QString& path = row.path;
        const bool written = row.written;
        target = path;
        confirmed = row.confirmed;
        Click("printButton");
        QFile file(path);
        EXPECT_EQ(file.open(QIODevice::ReadOnly) && file.read(4) == "%PDF", written)
            << path.toStdString();
    }
    EXPECT_TRUE(messages.empty());
}

} // namespace
