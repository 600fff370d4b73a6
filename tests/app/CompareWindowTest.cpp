#include "AppTestSupport.h"
#include "Write.h"

#include <BoxSimulator.h>
#include <Graph.h>
#include <ProjectFile.h>
#include <StartOptions.h>

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

namespace {

const QColor kBoxCurveColour(0, 150, 255);

int PixelsOf(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

class CompareWindow : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        StartOptions options;
        options.demoBox = true; // holds the default project
        window.reset(new CRamvikDlg(options));
        window->resize(900, 640);
        window->show();
    }

    // What the window showed while it asked whether to take the box's project.
    struct Question {
        QString text;
        bool overlay = false;
        QImage picture;
    };
    // Compares, answering the question with take (and discarding changes).
    Question Compare(bool take)
    {
        Question asked;
        CScopedMessageHook answerer(
            [&](const QString& text, QMessageBox::Icon icon, QMessageBox::StandardButtons) {
                messages << text;
                if (icon != QMessageBox::Question)
                    return QMessageBox::Discard;
                asked.text = text;
                asked.overlay = Inside().Graph().Overlay() != nullptr;
                asked.picture = window->grab().toImage();
                return take ? QMessageBox::Yes : QMessageBox::No;
            });
        ClickTransfer("compareButton");
        return asked;
    }
};

// The box's curves are drawn in both views while the question is open and
// the differences are listed. Either answer removes the overlay; No keeps
// the project, Yes takes the box's as a Read does, unsaved.
TEST_F(CompareWindow, ShowsTheBoxOverTheProjectUntilAnswered)
{
    const std::string inBox = WriteProjectText(Project());
    Project().crCurve->Add(2.0, 3.0);
    Inside().Graph().repaintRequest();
    const std::string edited = WriteProjectText(Project());
    struct Row {
        const char* view;
        const char* check;
        bool take;
    };
    const Row rows[] = { { "input-output", "inputOutputCheck", false },
        { "difference", "differenceCheck", true } };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.view);
        Click(row.check);
        const Question asked = Compare(row.take);
        EXPECT_TRUE(asked.overlay);
        EXPECT_TRUE(asked.text.startsWith("The box holds other values than the project:\n\n"))
            << asked.text.toStdString();
        EXPECT_TRUE(
            asked.text.contains("CR point at 2 V: output 3 V in the project, none in the box."))
            << asked.text.toStdString();
        EXPECT_GT(PixelsOf(asked.picture, kBoxCurveColour), 50) << "the box's dotted curve";
        EXPECT_EQ(Inside().Graph().Overlay(), nullptr);
        EXPECT_EQ(PixelsOf(window->grab().toImage(), kBoxCurveColour), 0);
        EXPECT_EQ(WriteProjectText(Project()), row.take ? inBox : edited);
    }
    EXPECT_TRUE(Inside().Session().HasUnsavedChanges()) << "the box's project is in no file yet";
    // The box holds the project now: nothing to list.
    EXPECT_EQ(Compare(false).text, "The box holds the project.");
}

// A Read installs the box's project as the box holds it, then names each
// value no project can hold. No file holds the read project, so the caption
// names none (it once kept the file opened before) and closing asks; Ctrl+Z
// brings back the opened file's project and name.
TEST_F(CompareWindow, ReadInstallsTheBoxUntitledAndWarnsOfImplausibleValues)
{
    ASSERT_TRUE(Inside().Session().SaveAs((projects + "car.rmvp").toStdString()).ok);
    window->OpenPath(projects + "car.rmvp");
    const std::string opened = WriteProjectText(Project());
    Inside().Session().DemoBox()->SetCell(1, 60); // stop voltage 6.0 V
    ClickTransfer("readButton");
    EXPECT_EQ(messages, QStringList { "Stop voltage 6 V lies outside 0 V to 5 V." });
    EXPECT_EQ(Text("stopVoltageEdit"), "6");
    EXPECT_EQ(window->windowTitle(), "Common Rail Tuning - untitled.rmvp[*]");
    answer = QMessageBox::Cancel;
    EXPECT_FALSE(window->close());
    EXPECT_EQ(messages.size(), 2) << "closing asks about the read project";

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(WriteProjectText(Project()), opened);
    EXPECT_EQ(window->windowTitle(), "Common Rail Tuning - car.rmvp[*]");
    EXPECT_FALSE(window->isWindowModified());
}

// The check box between the buttons is remembered; the phase label replaces
// it once the transfer runs and names the read-back last.
TEST_F(CompareWindow, VerifySettingIsRememberedAndThePhaseShown)
{
    struct Row {
        const char* what;
        bool offered; // the check box when the dialog opens
        bool verify;
        int lastPosition;
        const char* lastPhase;
    };
    const Row rows[] = {
        { "on by default, turned off", true, false, kWriteProgressEnd, "Writing..." },
        { "off as remembered, turned on", false, true, kVerifiedWriteProgressEnd, "Checking..." },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QTimer::singleShot(0, [&row] {
            auto* dialog = qobject_cast<CWrite*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->verifyBox->isChecked(), row.offered);
            dialog->verifyBox->setChecked(row.verify);
            QTest::mouseClick(dialog->transferButton, Qt::LeftButton);
            EXPECT_FALSE(dialog->verifyBox->isVisible());
            ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog->WorkerRunning(); }));
            EXPECT_EQ(dialog->progressBar->maximum(), row.lastPosition);
            EXPECT_EQ(dialog->progressBar->value(), row.lastPosition);
            EXPECT_EQ(dialog->phaseLabel->text(), row.lastPhase);
            QTest::mouseClick(dialog->closeButton, Qt::LeftButton);
        });
        Click("writeButton");
        EXPECT_TRUE(messages.empty()) << messages.join("|").toStdString();
        QSettings stored(SettingsFile(), QSettings::IniFormat);
        EXPECT_EQ(stored.value("VerifyWrites").toString(), row.verify ? "1" : "0");
    }
    // The window's writes are kept in the installation folder's history.
    EXPECT_EQ(QDir(rootPath + "History").entryList({ "*.rmvp" }).size(), 2);
}

} // namespace
