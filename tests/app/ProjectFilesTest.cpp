#include "AppTestSupport.h"
#include "DialogSizes.h"

#include <QFileDialog>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const QString kChanged
    = "The project \"untitled.rmvp\" has changed.\n\nDo you want to save the changes?";

class ProjectFiles : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        Start("RootPath=\"" + rootPath.toUtf8() + "\"\nUSB=12\n"); // a CR&TURBO box
        window->show();
        window->activateWindow(); // for the shortcuts
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // Answers with the path (empty: cancel).
    void AnswerDialog(const QString& path)
    {
        Inside().AnswerFileDialogs([this, path](QFileDialog& dialog) {
            modes << dialog.acceptMode();
            // Large enough to read the names in; they once opened far smaller.
            EXPECT_GE(dialog.width(), ReadableFileDialogSize().width());
            EXPECT_GE(dialog.height(), ReadableFileDialogSize().height());
            return path;
        });
    }
    void MakeChanges()
    {
        Click("startVoltageDown", 2);
        Click("startDelaySecUp");
        Project().turboCurve->Add(1.0, 0.75);
    }

    QList<QFileDialog::AcceptMode> modes;
};

// Ctrl+S asks for a name only while the project has no file; Ctrl+Shift+S
// and the Save button always ask. A cancelled dialog changes nothing; Open
// shows the file.
TEST_F(ProjectFiles, SaveAndOpenThroughTheDialogs)
{
    MakeChanges();
    AnswerDialog(QString());
    Click("saveButton");
    EXPECT_TRUE(QDir(projects).isEmpty());
    AnswerDialog(projects + "car.rmvp");
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(window->windowTitle(), "Common Rail & Turbo Tuning - car.rmvp[*]");
    Click("curveDelayUp");
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(window->isWindowModified());
    const std::string saved = WriteProjectText(Project());
    EXPECT_EQ(Contents(projects + "car.rmvp").toStdString(), saved);
    AnswerDialog(projects + "other.rmvp");
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window->windowTitle(), "Common Rail & Turbo Tuning - other.rmvp[*]");
    Click("saveButton");
    EXPECT_EQ(modes, QList<QFileDialog::AcceptMode>(4, QFileDialog::AcceptSave))
        << "Ctrl+S asked only once";

    Click("newButton");
    AnswerDialog(projects + "car.rmvp");
    Click("openButton");
    EXPECT_EQ(WriteProjectText(Project()), saved);
    EXPECT_EQ(Text("startVoltageEdit"), "1.3"); // the panel shows the opened project
    EXPECT_EQ(window->windowTitle(), "Common Rail & Turbo Tuning - car.rmvp[*]");
}

#ifdef Q_OS_UNIX
// A full disk (a size limit here) must not cost the old file on Save.
TEST_F(ProjectFiles, FailedSaveKeepsTheOldFileAndCaption)
{
    AnswerDialog(projects + "old.rmvp");
    Click("saveButton");
    const QByteArray old = Contents(projects + "old.rmvp");
    MakeChanges();
    rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small { 40, saved.rlim_max };
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    Click("saveButton");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Can't save file!\n\n"));
    EXPECT_TRUE(messages[0].contains(QDir::toNativeSeparators(projects + "old.rmvp")));
    EXPECT_EQ(Contents(projects + "old.rmvp"), old);
    EXPECT_EQ(window->windowTitle(), "Common Rail & Turbo Tuning - old.rmvp[*]");
}
#endif

// Closing asks about unsaved changes; a Save answer closes the window only
// once the project is saved, never when the save dialog is cancelled.
TEST_F(ProjectFiles, SaveAnswerClosesTheWindowOnlyOnceSaved)
{
    Click("curveDelayUp");
    answer = QMessageBox::Save;
    AnswerDialog(QString());
    EXPECT_FALSE(window->close());
    AnswerDialog(projects + "closing.rmvp");
    EXPECT_TRUE(window->close());
    EXPECT_EQ(messages, QStringList(2, kChanged));
    EXPECT_TRUE(QFile::exists(projects + "closing.rmvp"));
}

} // namespace
