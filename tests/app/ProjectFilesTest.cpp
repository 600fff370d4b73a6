#include "AppTestSupport.h"
#include "DialogSizes.h"
#include "ProjectFile.h"

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

const QString kChanged = "The project \"untitled.rmvp\" has changed.";

class ProjectFiles : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        Start(QString("12"), rootPath);
        window->show();
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
        Project().crCurve->Add(2.25, 3.5);
        Project().turboCurve->Add(1.0, 0.75);
    }
    QString Caption(const char* name)
    {
        return QString("Common Rail & Turbo Tuning - ") + name + "[*]";
    }

    QList<QFileDialog::AcceptMode> modes;
};

// Cancelled dialogs and an unreadable file change nothing; Save and Open do.
TEST_F(ProjectFiles, SaveAndOpenThroughTheButtons)
{
    MakeChanges();
    Inside().Session().MarkSaved();
    const std::string expected = WriteProjectText(Project());
    AnswerDialog(QString());
    Click("openButton");
    Click("saveButton");
    AnswerDialog(projects + "gone.rmvp");
    Click("openButton");
    EXPECT_EQ(messages, QStringList { "Can't open file!" });
    EXPECT_TRUE(QDir(projects).isEmpty());
    EXPECT_EQ(WriteProjectText(Project()), expected);
    EXPECT_EQ(window->windowTitle(), Caption("untitled.rmvp"));

    AnswerDialog(projects + "car.rmvp");
    Click("saveButton");
    EXPECT_EQ(Contents(projects + "car.rmvp").toStdString(), expected);
    EXPECT_EQ(window->windowTitle(), Caption("car.rmvp"));
    Click("newButton");
    ChooseBoxType(1); // a change: Open asks about it
    Click("openButton");
    EXPECT_EQ(modes,
        (QList { QFileDialog::AcceptOpen, QFileDialog::AcceptSave, QFileDialog::AcceptOpen,
            QFileDialog::AcceptSave, QFileDialog::AcceptOpen }));
    EXPECT_EQ(WriteProjectText(Project()), expected);
    EXPECT_EQ(Project().startVoltage, 1.3);
    EXPECT_EQ(Text("startVoltageEdit"), "1.3");
    EXPECT_EQ(Find<QComboBox>("boxTypeCombo")->currentIndex(), 2);
    EXPECT_EQ(window->windowTitle(), Caption("car.rmvp"));
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(messages.filter(kChanged).size(), 1);
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
    EXPECT_EQ(window->windowTitle(), Caption("old.rmvp"));
}
#endif

// Closing offers unsaved changes for saving (the view is no part of them).
TEST_F(ProjectFiles, UnsavedChangesAreOfferedForSaving)
{
    struct Row {
        const char* what;
        const char* change;
        QMessageBox::StandardButton answer;
        const char* savePath; // the name given in the save dialog; empty: cancelled
        bool closes;
    };
    const Row rows[] = {
        { "a view change is no unsaved change", "differenceCheck", QMessageBox::Cancel, "", true },
        { "cancel keeps the window", "curveDelayUp", QMessageBox::Cancel, "", false },
        { "discard closes", "curveDelayUp", QMessageBox::Discard, "", true },
        { "save, then close", "curveDelayUp", QMessageBox::Save, "closing.rmvp", true },
        { "save cancelled keeps the window", "curveDelayUp", QMessageBox::Save, "", false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QFile::remove(projects + "closing.rmvp");
        Start();
        window->show();
        Click(row.change);
        answer = row.answer;
        AnswerDialog(*row.savePath ? projects + row.savePath : QString());
        EXPECT_EQ(window->close(), row.closes);
        EXPECT_EQ(messages.filter(kChanged).size(),
            row.closes && row.answer == QMessageBox::Cancel ? 0 : 1);
        EXPECT_EQ(QFile::exists(projects + "closing.rmvp"), *row.savePath != 0);
    }
}

} // namespace
