// Saving through the file dialogs when something goes wrong or the window
// closes; the commands themselves: MainWindow.FileCommands.
#include "AppTestSupport.h"
#include "DialogSizes.h"

#include <QFileDialog>

namespace {

class ProjectFiles : public AppTest {
protected:
    // Answers with the path (empty: cancel).
    void AnswerDialog(const QString& path)
    {
        Inside().AnswerFileDialogs([path](QFileDialog& dialog) {
            // Large enough to read the names in; they once opened far smaller.
            EXPECT_GE(dialog.width(), ReadableFileDialogSize().width());
            EXPECT_GE(dialog.height(), ReadableFileDialogSize().height());
            return path;
        });
    }
};

// A save that fails says so with the file's name and leaves the project
// unsaved. (The file writer keeps the old file: tests/files.)
TEST_F(ProjectFiles, FailedSaveSaysWhereAndKeepsTheProjectUnsaved)
{
    Click("curveDelayUp");
    const QString nowhere = projects + "no such folder/car.rmvp";
    AnswerDialog(nowhere);
    Click("saveButton");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Can't save file!\n\n"));
    EXPECT_TRUE(messages[0].contains(QDir::toNativeSeparators(nowhere)))
        << messages[0].toStdString();
    EXPECT_EQ(window->windowTitle(), "Common Rail Tuning - untitled.rmvp[*]");
    EXPECT_TRUE(window->isWindowModified());
}

// Closing asks about unsaved changes; a Save answer closes the window only
// once the project is saved, never when the save dialog is cancelled.
TEST_F(ProjectFiles, SaveAnswerClosesTheWindowOnlyOnceSaved)
{
    Click("curveDelayUp");
    answer = QMessageBox::Save;
    AnswerDialog(QString());
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(QDir(projects).isEmpty());
    AnswerDialog(projects + "closing.rmvp");
    EXPECT_TRUE(window->close());
    EXPECT_EQ(messages.filter("has changed").size(), 2);
    EXPECT_TRUE(QFile::exists(projects + "closing.rmvp"));
}

} // namespace
