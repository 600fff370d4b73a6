#include "CurveTestSupport.h"
#include "FilesTestSupport.h"
#include "ProjectFile.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

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

class ProjectFiles : public FilesFixture {
protected:
    void SetUp() override
    {
        FilesFixture::SetUp();
        WriteSettings(rootPath, QString("12"));
        Start();
        window->show();
        projects = rootPath + "Projects/";
    }

    // The next file dialog answers with this path (empty: cancelled) and
    // records how it was set up.
    void AnswerDialog(const QString& path)
    {
        window->runFileDialog = [this, path](QFileDialog& dialog) {
            ++dialogs;
            lastMode = dialog.acceptMode();
            EXPECT_EQ(dialog.nameFilters(), QStringList { "Ramvik Project (*.rmvp)" });
            EXPECT_EQ(dialog.defaultSuffix(), "rmvp");
            EXPECT_EQ(QDir(dialog.directory()).absolutePath(), QDir(projects).absolutePath());
            EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
            EXPECT_EQ(dialog.fileMode(),
                dialog.acceptMode() == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                               : QFileDialog::AnyFile);
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

    QString projects;
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
    EXPECT_EQ(window->project.fileName, "car.rmvp");
    EXPECT_EQ(window->windowTitle(), "Common Rail & Turbo Tuning - car.rmvp");

    Click("newButton");
    auto* combo = Find<QComboBox>("boxTypeCombo");
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    EXPECT_EQ(window->windowTitle(), "Common Rail Tuning - untitled.rmvp");

    AnswerDialog(projects + "car.rmvp");
    Click("openButton");
    EXPECT_EQ(lastMode, QFileDialog::AcceptOpen);
    const ProjectState& p = window->project;
    EXPECT_EQ(p.boxType, 2);
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_TRUE(Find<QWidget>("editTurboCheck")->isEnabled());
    EXPECT_EQ(p.startVoltage, 1.3);
    EXPECT_EQ(p.curveDelay, 220);
    EXPECT_EQ(p.startDelaySec, 1);
    EXPECT_EQ(PointsOf(p.crCurve),
        (Points { { 0, 0 }, { 1.3, 1.3 }, { 2.25, 3.5 }, { 4.5, 4.5 }, { 5, 5 } }));
    EXPECT_EQ(PointsOf(p.turboCurve), (Points { { 0, 0 }, { 1, 0.75 }, { 5, 5 } }));
    EXPECT_EQ(Find<QLineEdit>("startVoltageEdit")->text(), "1.3");
    EXPECT_EQ(window->windowTitle(), "Common Rail & Turbo Tuning - car.rmvp");
    // The box type chosen after New was a change: Open asked about it once.
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(CountMessages("The project \"untitled.rmvp\" has changed."), 1);
}

// The real dialog, as a user fills it in: a name typed without an extension
// gets ".rmvp", so the Open dialog's filter shows the file afterwards.
TEST_F(ProjectFiles, RealSaveDialogAddsTheExtension)
{
    QString shownName;
    QTimer::singleShot(0, [&shownName] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        shownName = name->text();
        name->setText("typed");
        QTest::keyClick(name, Qt::Key_Return);
    });
    Click("saveButton");
    EXPECT_EQ(shownName, "*.rmvp");
    EXPECT_TRUE(QFile::exists(projects + "typed.rmvp"));
    EXPECT_EQ(window->project.fileName, "typed.rmvp");
}

TEST_F(ProjectFiles, CancelledDialogsChangeNothing)
{
    MakeChanges();
    window->MarkProjectSaved();
    const std::string before = WriteProjectText(window->project);
    const QString caption = window->windowTitle();
    AnswerDialog(QString());
    Click("openButton");
    Click("saveButton");
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(WriteProjectText(window->project), before);
    EXPECT_EQ(window->project.fileName, "untitled.rmvp");
    EXPECT_EQ(window->windowTitle(), caption);
    EXPECT_TRUE(QDir(projects).isEmpty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(ProjectFiles, FileThatCannotBeOpenedIsReported)
{
    MakeChanges();
    window->MarkProjectSaved();
    const std::string before = WriteProjectText(window->project);
    AnswerDialog(projects + "gone.rmvp");
    Click("openButton");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Can't open file!");
    EXPECT_EQ(messages[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(WriteProjectText(window->project), before);
    EXPECT_EQ(window->windowTitle(), "Common Rail & Turbo Tuning - untitled.rmvp");
}

// A disk that fills up while the file is written (a size limit stands in for
// it): the message names the file and the reason, the old file, the name and
// the caption stay.
#ifdef Q_OS_UNIX
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
    EXPECT_TRUE(messages[0].text.startsWith("Can't save file!\n\n"));
    EXPECT_TRUE(messages[0].text.contains(QDir::toNativeSeparators(projects + "old.rmvp")));
    EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(Contents(projects + "old.rmvp"), "Volt = 2.0\r\nTURBO\r\n");
    EXPECT_EQ(QDir(projects).entryList(QDir::Files), QStringList { "old.rmvp" });
    EXPECT_EQ(window->project.fileName, "old.rmvp");
    EXPECT_EQ(window->windowTitle(), "Common Rail & Turbo Tuning - old.rmvp");
}

TEST_F(ProjectFiles, SaveIntoReadOnlyFolderIsReported)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    QFile::setPermissions(projects, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    AnswerDialog(projects + "new.rmvp");
    Click("saveButton");
    QFile::setPermissions(
        projects, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("Can't save file!"));
    EXPECT_FALSE(QFile::exists(projects + "new.rmvp"));
    EXPECT_EQ(window->project.fileName, "untitled.rmvp");
    EXPECT_EQ(window->windowTitle(), "Common Rail & Turbo Tuning - untitled.rmvp");
}

#endif

// Closing asks only when the file would differ from the last New, Open, Save
// or read, and a cancelled question or save keeps the window open.
TEST_F(ProjectFiles, CloseAsksAboutUnsavedChanges)
{
    struct Case {
        const char* name;
        bool change;
        QMessageBox::StandardButton answer;
        QString savePath;
        bool closes;
        bool saved;
    };
    const Case cases[] = {
        { "unchanged", false, QMessageBox::Cancel, {}, true, false },
        { "cancel", true, QMessageBox::Cancel, {}, false, false },
        { "discard", true, QMessageBox::Discard, {}, true, false },
        { "save", true, QMessageBox::Save, "closing.rmvp", true, true },
        { "save cancelled", true, QMessageBox::Save, {}, false, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(projects + "closing.rmvp");
        Start();
        window->show();
        if (c.change) {
            window->project.crCurve->Add(3.0, 1.0);
            window->Refresh();
        }
        answer = c.answer;
        AnswerDialog(c.savePath.isEmpty() ? QString() : projects + c.savePath);
        EXPECT_EQ(window->close(), c.closes);
        EXPECT_EQ(CountMessages("The project \"untitled.rmvp\" has changed."), c.change ? 1 : 0);
        EXPECT_EQ(QFile::exists(projects + "closing.rmvp"), c.saved);
    }
}

// New and Open replace the project: a changed one is offered for saving first
// and Cancel keeps it. Afterwards, as after Save, the project is unchanged.
TEST_F(ProjectFiles, ReplacingAChangedProjectAsksFirst)
{
    auto change = [this] {
        window->project.StepCurveDelay(false);
        window->Refresh();
    };
    AnswerDialog(projects + "base.rmvp");
    change();
    Click("saveButton");
    messages.clear();
    EXPECT_TRUE(window->close());
    window->show();

    for (const char* button : { "openButton", "newButton" }) {
        SCOPED_TRACE(button);
        change();
        const int changed = window->project.curveDelay;
        answer = QMessageBox::Cancel;
        Click(button);
        EXPECT_EQ(window->project.curveDelay, changed);
        EXPECT_EQ(messages.size(), 1u);
        answer = QMessageBox::Discard;
        Click(button);
        EXPECT_NE(window->project.curveDelay, changed);
        messages.clear();
        EXPECT_TRUE(window->close());
        EXPECT_TRUE(messages.empty());
        window->show();
    }

    // The view is not part of the file.
    Click("differenceCheck");
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(messages.empty());
}

} // namespace
