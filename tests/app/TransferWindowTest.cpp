// The transfer dialogs and what the window shows of a write, a read and a
// comparison. The transfers themselves are the box and session layers'; the
// demo box stands in for the converter.
#include "AppTestSupport.h"
#include "Write.h"

#include <BoxSimulator.h>
#include <DemoLink.h>
#include <Protocol.h>
#include <StartOptions.h>

#include <QImage>

#include <atomic>
#include <future>
#include <thread>

namespace {

// Holds the worker at its hundredth frame until the gate opens.
struct Gate {
    std::promise<void> open;
    std::future<void> opened = open.get_future();
    std::atomic<bool> reached { false };
};
struct GatedLink : CDemoLink {
    using CDemoLink::CDemoLink;
    IoResult Write(const char* data, std::size_t size) override
    {
        if (size > 1 && ++frames == 100) {
            gate->reached = true;
            gate->opened.wait();
        }
        return CDemoLink::Write(data, size);
    }
    Gate* gate = nullptr;
    int frames = 0;
};

using TransferDialog = AppTest;

// Escape and close are refused while the worker runs; destroying the dialog
// then joins the worker before the job it runs goes.
TEST_F(TransferDialog, WriteCannotBeDismissedWhileTheWorkerRuns)
{
    Gate gate;
    CSession session;
    auto box = std::make_shared<CBoxSimulator>(kCrBoxId);
    session.SetLinkFactory([box, &gate]() -> std::unique_ptr<CLink> {
        auto link = std::make_unique<GatedLink>(box);
        link->gate = &gate;
        return link;
    });
    auto dialog = std::make_unique<CWrite>(session);
    dialog->show();
    QTest::mouseClick(dialog->transferButton, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return gate.reached && dialog->progressBar->value() > 0; }));
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    dialog->close();
    EXPECT_TRUE(dialog->isVisible() && !dialog->closeButton->isEnabled());
    std::thread opener([&] { gate.open.set_value(); });
    dialog.reset();
    opener.join();
}

const QColor kBoxCurveColour(220, 0, 220);

int PixelsOf(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

// The window on the demo box, which first holds the default project.
class TransferWindow : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        StartOptions options;
        options.demoBox = true;
        window.reset(new CRamvikDlg(options));
        window->resize(900, 640);
        window->show();
    }

    // What the window showed while it asked whether to take the box's project.
    struct Question {
        QString text;
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
TEST_F(TransferWindow, CompareShowsTheBoxOverTheProjectUntilAnswered)
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
        EXPECT_TRUE(
            asked.text.contains("CR point at 2 V: output 3 V in the project, none in the box."))
            << asked.text.toStdString();
        EXPECT_GT(PixelsOf(asked.picture, kBoxCurveColour), 50) << "the box's dotted curve";
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
TEST_F(TransferWindow, ReadInstallsTheBoxUntitledAndWarnsOfImplausibleValues)
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

// The check box between the buttons is remembered; the phase label names
// the read-back last.
TEST_F(TransferWindow, VerifySettingIsRememberedAndThePhaseShown)
{
    struct Row {
        const char* what;
        bool offered; // the check box when the dialog opens
        bool verify;
        const char* seen;
    };
    const Row rows[] = {
        { "on by default, turned off", true, false, "Written 767 of 767, left open" },
        { "off as remembered, turned on", false, true, "Checked 1022 of 1022, left open" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string seen = ClickTransfer("writeButton", [&row](CTransferDlg& dialog) {
            QCheckBox* verifyBox = static_cast<CWrite&>(dialog).verifyBox;
            EXPECT_EQ(verifyBox->isChecked(), row.offered);
            verifyBox->setChecked(row.verify);
        });
        EXPECT_EQ(seen, row.seen);
        EXPECT_TRUE(messages.empty()) << messages.join("|").toStdString();
        QSettings stored(SettingsFile(), QSettings::IniFormat);
        EXPECT_EQ(stored.value("VerifyWrites").toString(), row.verify ? "1" : "0");
    }
    // The window's writes are kept in the installation folder's history.
    EXPECT_EQ(QDir(rootPath + "History").entryList({ "*.rmvp" }).size(), 2);
}

} // namespace
