#include "AppTestSupport.h"

#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QWindow>

namespace {

using RamvikDlg = AppTest;
using Settings = AppTest;

// The box type enables the TURBO controls, and after refused clicks the
// check marks show the project, not the click's flip.
TEST_F(RamvikDlg, ControlsFollowTheProject)
{
    const char* turboControls[]
        = { "editTurboCheck", "resetTurboButton", "showTurboCheck", "copyCurveButton" };
    ChooseBoxType(2);
    for (const char* control : turboControls)
        EXPECT_TRUE(Find(control)->isEnabled()) << control;
    Click("editTurboCheck");
    Click("showCrCheck");
    Click("showTurboCheck"); // the edited curve stays shown
    Click("differenceCheck", 2); // a pair: the second click is refused
    QStringList checked;
    for (QCheckBox* box : window->findChildren<QCheckBox*>())
        if (box->isChecked())
            checked << box->objectName();
    EXPECT_EQ(checked, (QStringList { "differenceCheck", "editTurboCheck", "showTurboCheck" }));
    ChooseBoxType(1);
    for (const char* control : turboControls)
        EXPECT_FALSE(Find(control)->isEnabled()) << control;
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
    ASSERT_TRUE(Inside().Session().SaveAs((rootPath + "a[*]b.rmvp").toStdString()).ok);
    window->OpenPath(rootPath + "a[*]b.rmvp");
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

// Each failure is announced and the defaults load; with no settings at all,
// no change creates them.
TEST_F(Settings, MissingKeyOrValuesAreAnnouncedAndDefaultsLoaded)
{
    struct Row {
        const char* what;
        std::optional<QByteArray> values; // none: no settings at all
        int keysNotFound, keyNotFound;
        const char* root;
    };
    const Row rows[] = {
        { "no settings at all", std::nullopt, 1, 0, "" }, { "no values", "", 0, 3, "" },
        { "no settings code", "RootPath=/opt/r\n", 0, 1, "/opt/r/" }, // the separator added
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        if (row.values) {
            Start(*row.values);
        } else {
            NewConfigFolder();
            Start();
        }
        EXPECT_EQ(messages.filter("Register Keys not found!").size(), row.keysNotFound);
        EXPECT_EQ(messages.filter("A register key was not found!").size(), row.keyNotFound);
        EXPECT_EQ(Project().rootPath, row.root);
        EXPECT_EQ(Project().boxType, 0);
        EXPECT_EQ(Project().graphType, 1);
        if (!row.values) {
            ChooseBoxType(2);
            Click("differenceCheck");
            EXPECT_FALSE(QFile::exists(SettingsFile()));
        }
    }
}

// The settings code's rules are the project's; the window stores the code
// at each change and shows it again after a restart.
TEST_F(Settings, BoxTypeAndViewAreStoredAndRemembered)
{
    ChooseBoxType(2);
    Click("differenceCheck");
    EXPECT_EQ(QSettings(SettingsFile(), QSettings::IniFormat).value("USB").toString(), "2");
    Start(); // a restart
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Find<QComboBox>("boxTypeCombo")->currentIndex(), 2);
    EXPECT_TRUE(Checked("differenceCheck"));
    EXPECT_EQ(
        QSettings(SettingsFile(), QSettings::IniFormat).value("RootPath").toString(), rootPath);
}

// What the installer does for a newcomer: the first start finds the settings,
// the project folder and the logo, and shows no message.
TEST_F(Settings, PreparedSettingsNeedNoMessage)
{
    NewConfigFolder();
    QProcess prepare;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", dataDir.path() + "/odd \"name\", with\\ space");
    prepare.setProcessEnvironment(environment);
    prepare.start("bash", { QStringLiteral(RAMVIK_SOURCE_DIR "/scripts/prepare-settings") });
    ASSERT_TRUE(prepare.waitForFinished(30000));
    ASSERT_EQ(prepare.exitCode(), 0) << prepare.readAllStandardError().toStdString();
    Start();
    EXPECT_TRUE(messages.empty());
    const QString root = dataDir.path() + "/odd \"name\", with\\ space/Ramvik/";
    EXPECT_EQ(QString::fromStdString(Project().rootPath), root);
    EXPECT_TRUE(QFileInfo(root + "Projects").isDir());
    EXPECT_TRUE(QFileInfo(root + "logo.bmp").isFile());
}

} // namespace
