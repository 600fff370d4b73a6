#include "AppTestSupport.h"
#include "CurveTestSupport.h"
#include "ProjectFile.h"

#include <QFileDialog>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
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
    // The next file dialogs answer with this path (empty: cancelled) and
    // check how they were set up: "rmvp" everywhere (a mended fault).
    void AnswerDialog(const QString& path)
    {
        window->runFileDialog = [this, path](QFileDialog& dialog) {
            ++dialogs;
            lastMode = dialog.acceptMode();
            EXPECT_EQ(dialog.nameFilters(), QStringList { "Ramvik Project (*.rmvp)" });
            EXPECT_EQ(dialog.defaultSuffix(), "rmvp");
            EXPECT_EQ(QDir(dialog.directory()).absolutePath(), QDir(projects).absolutePath());
            EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
            return path;
        };
    }
    // A project that differs from the default everywhere the file can tell.
    void MakeChanges()
    {
        window->project.StepStartVoltage(false);
        window->project.StepStartVoltage(false);
        window->project.StepCurveDelay(true);
        window->project.StepStartDelaySeconds(true);
        window->project.crCurve = window->project.crCurve->Add(2.25, 3.5);
        window->project.turboCurve = window->project.turboCurve->Add(1.0, 0.75);
        window->Refresh();
    }
    QString Caption(const char* name) { return QString("Common Rail & Turbo Tuning - ") + name; }

    int dialogs = 0;
    QFileDialog::AcceptMode lastMode = QFileDialog::AcceptOpen;
};

TEST_F(ProjectFiles, SaveAndOpenThroughTheButtons)
{
    MakeChanges();
    const std::string expected = WriteProjectText(window->project);
    AnswerDialog(projects + "car.rmvp");
    Click("saveButton");
    EXPECT_EQ(lastMode, QFileDialog::AcceptSave);
    EXPECT_EQ(Contents(projects + "car.rmvp").toStdString(), expected);
    EXPECT_EQ(window->windowTitle(), Caption("car.rmvp"));

    Click("newButton");
    ChooseBoxType(1);
    Click("openButton");
    EXPECT_EQ(lastMode, QFileDialog::AcceptOpen);
    const ProjectState& p = window->project;
    EXPECT_EQ(p.boxType, 2);
    EXPECT_EQ(Find<QComboBox>("boxTypeCombo")->currentIndex(), 2);
    EXPECT_TRUE(Find("editTurboCheck")->isEnabled());
    EXPECT_EQ(p.curveDelay, 220);
    EXPECT_EQ(p.startDelaySec, 1);
    EXPECT_EQ(PointsOf(p.crCurve),
        (Points { { 0, 0 }, { 1.3, 1.3 }, { 2.25, 3.5 }, { 4.5, 4.5 }, { 5, 5 } }));
    EXPECT_EQ(PointsOf(p.turboCurve), (Points { { 0, 0 }, { 1, 0.75 }, { 5, 5 } }));
    EXPECT_EQ(Text("startVoltageEdit"), "1.3");
    EXPECT_EQ(window->windowTitle(), Caption("car.rmvp"));
    // The box type chosen after New was a change: Open asked about it once.
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(CountMessages(kChanged), 1);
}

TEST_F(ProjectFiles, CancelledOrFailedOpenChangesNothing)
{
    MakeChanges();
    window->MarkProjectSaved();
    const std::string before = WriteProjectText(window->project);
    AnswerDialog(QString());
    Click("openButton");
    Click("saveButton");
    EXPECT_EQ(dialogs, 2);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(QDir(projects).isEmpty());
    AnswerDialog(projects + "gone.rmvp");
    Click("openButton");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Can't open file!");
    EXPECT_EQ(WriteProjectText(window->project), before);
    EXPECT_EQ(window->windowTitle(), Caption("untitled.rmvp"));
}

#ifdef Q_OS_UNIX
// A mended fault: a disk that fills up while the file is written (a size
// limit stands in for it) lost the old file. Now the message names the file
// and the old file, the name and the caption stay.
TEST_F(ProjectFiles, FailedSaveKeepsTheOldFileAndCaption)
{
    QFile old(projects + "old.rmvp");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("Volt = 2.0\r\nTURBO\r\n");
    old.close();
    AnswerDialog(projects + "old.rmvp");
    Click("openButton");
    MakeChanges();
    rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 40;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    Click("saveButton");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].startsWith("Can't save file!\n\n"));
    EXPECT_TRUE(messages[0].contains(QDir::toNativeSeparators(projects + "old.rmvp")));
    EXPECT_EQ(Contents(projects + "old.rmvp"), "Volt = 2.0\r\nTURBO\r\n");
    EXPECT_EQ(QDir(projects).entryList(QDir::Files), QStringList { "old.rmvp" });
    EXPECT_EQ(window->windowTitle(), Caption("old.rmvp"));

    if (geteuid() == 0)
        return; // root writes into read-only folders
    QFile::setPermissions(projects, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    AnswerDialog(projects + "new.rmvp");
    Click("saveButton");
    QFile::setPermissions(
        projects, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(CountMessages("Can't save file!"), 2);
    EXPECT_FALSE(QFile::exists(projects + "new.rmvp"));
    EXPECT_EQ(window->windowTitle(), Caption("old.rmvp"));
}
#endif

// A mended fault: closing lost unsaved changes. Closing asks only when the
// file would differ from the last New, Open or Save; a cancelled question or
// save keeps the window open.
TEST_F(ProjectFiles, CloseAsksAboutUnsavedChanges)
{
    struct Case {
        bool change;
        QMessageBox::StandardButton answer;
        const char* savePath;
        bool closes, saved;
    };
    for (const Case& c : { Case { false, QMessageBox::Cancel, "", true, false },
             Case { true, QMessageBox::Cancel, "", false, false },
             Case { true, QMessageBox::Discard, "", true, false },
             Case { true, QMessageBox::Save, "closing.rmvp", true, true },
             Case { true, QMessageBox::Save, "", false, false } }) {
        SCOPED_TRACE(std::to_string(c.answer) + c.savePath);
        QFile::remove(projects + "closing.rmvp");
        Start();
        window->show();
        if (c.change)
            Click("curveDelayUp");
        answer = c.answer;
        AnswerDialog(*c.savePath ? projects + c.savePath : QString());
        EXPECT_EQ(window->close(), c.closes);
        EXPECT_EQ(CountMessages(kChanged), c.change ? 1 : 0);
        EXPECT_EQ(QFile::exists(projects + "closing.rmvp"), c.saved);
    }
}

// New and Open ask first about a changed project and Cancel keeps it; the
// view is no part of the file.
TEST_F(ProjectFiles, ReplacingAChangedProjectAsksFirst)
{
    AnswerDialog(projects + "base.rmvp");
    Click("saveButton");
    for (const char* button : { "openButton", "newButton" }) {
        SCOPED_TRACE(button);
        Click("curveDelayDown");
        messages.clear();
        answer = QMessageBox::Cancel;
        Click(button);
        EXPECT_EQ(Text("curveDelayEdit"), "180");
        EXPECT_EQ(messages.size(), 1u);
        answer = QMessageBox::Discard;
        Click(button);
        EXPECT_EQ(Text("curveDelayEdit"), "200");
        messages.clear();
        EXPECT_TRUE(window->close());
        EXPECT_TRUE(messages.empty());
        window->show();
    }
    Click("differenceCheck");
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(messages.empty());
}

} // namespace
