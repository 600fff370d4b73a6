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
    // Answers with the path (empty: cancel); the dialog offers and adds ".rmvp".
    void AnswerDialog(const QString& path)
    {
        Inside().AnswerFileDialogs([this, path](QFileDialog& dialog) {
            modes << dialog.acceptMode();
            EXPECT_EQ(dialog.nameFilters(), QStringList { "Ramvik Project (*.rmvp)" });
            EXPECT_EQ(dialog.defaultSuffix(), "rmvp");
            EXPECT_EQ(QDir(dialog.directory()).absolutePath(), QDir(projects).absolutePath());
            EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
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
// and the Save button always ask. A cancelled dialog or an unreadable file
// changes nothing; Open asks about unsaved changes and shows the file.
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
    ChooseBoxType(1); // a change: Open asks about it
    AnswerDialog(projects + "gone.rmvp");
    Click("openButton");
    EXPECT_EQ(messages, (QStringList { kChanged, "Can't open file!" }));
    EXPECT_EQ(Project().boxType, 1);
    AnswerDialog(projects + "car.rmvp");
    Click("openButton");
    EXPECT_EQ(modes.mid(4), QList<QFileDialog::AcceptMode>(2, QFileDialog::AcceptOpen));
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
    EXPECT_EQ(QDir(projects).entryList(QDir::Files), QStringList { "old.rmvp" });
    EXPECT_EQ(window->windowTitle(), "Common Rail & Turbo Tuning - old.rmvp[*]");
}
#endif

// Closing asks about unsaved changes; only Discard or a completed Save let
// the window close.
TEST_F(ProjectFiles, UnsavedChangesAreOfferedForSaving)
{
    struct Row {
        const char* what;
        QMessageBox::StandardButton answer;
        const char* savePath; // the name given in the save dialog; empty: cancelled
        bool closes;
    };
    const Row rows[] = {
        { "cancel keeps the window", QMessageBox::Cancel, "", false },
        { "discard closes", QMessageBox::Discard, "", true },
        { "save, then close", QMessageBox::Save, "closing.rmvp", true },
        { "save cancelled keeps the window", QMessageBox::Save, "", false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QFile::remove(projects + "closing.rmvp");
        Start();
        window->show();
        Click("curveDelayUp");
        answer = row.answer;
        AnswerDialog(*row.savePath ? projects + row.savePath : QString());
        EXPECT_EQ(window->close(), row.closes);
        EXPECT_EQ(messages, QStringList { kChanged });
        EXPECT_EQ(QFile::exists(projects + "closing.rmvp"), *row.savePath != 0);
    }
}

} // namespace
