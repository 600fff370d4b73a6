// The main window's commands, as the menu bar, the toolbar and the panel
// give them. The rules behind each command are the layers' below; here every
// action must reach its handler, once, and the window must show the outcome.
#include "AppTestSupport.h"
#include "DialogSizes.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QSignalSpy>

#include <map>

namespace {

// Every action of the menu bar, submenus included, with its menu path.
std::vector<std::pair<QString, QAction*>> MenuActions(QMenuBar* bar)
{
    std::vector<std::pair<QString, QAction*>> found;
    std::function<void(QMenu*, const QString&)> walk = [&](QMenu* menu, const QString& path) {
        emit menu->aboutToShow(); // menus that fill themselves
        for (QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            const QString name = path + QStringLiteral(" > ") + action->text().remove('&');
            if (action->menu())
                walk(action->menu(), name);
            else
                found.emplace_back(name, action);
        }
    };
    for (QAction* top : bar->actions())
        walk(top->menu(), top->text().remove('&'));
    return found;
}

class MainWindow : public AppTest {
protected:
    const WindowActions& Actions() { return Inside().Actions(); }
    // Answers every file dialog with this path (empty: cancel), noting the
    // folder it showed.
    void AnswerFileDialogs(const QString& path)
    {
        Inside().AnswerFileDialogs([this, path](QFileDialog& dialog) {
            asked << dialog.directory().absolutePath();
            // Large enough to read the names in; they once opened far smaller.
            EXPECT_GE(dialog.width(), ReadableFileDialogSize().width());
            EXPECT_GE(dialog.height(), ReadableFileDialogSize().height());
            return path;
        });
    }
    QStringList asked;
};

// Every command in the menus has keys of its own and says in the status bar
// what it does; no two commands share keys.
TEST_F(MainWindow, EveryMenuCommandHasItsKeysAndATip)
{
    ChooseBoxType(2);
    std::map<QString, QString> owners;
    for (const auto& [name, action] : MenuActions(window->menuBar())) {
        // Open Recent's entries are chosen by their digit, the languages
        // rarely.
        if (name.contains("Open Recent") || name.contains("Language"))
            continue;
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(action->statusTip().isEmpty());
        EXPECT_FALSE(action->shortcuts().isEmpty());
        for (const QKeySequence& keys : action->shortcuts()) {
            const QString text = keys.toString();
            EXPECT_TRUE(owners.emplace(text, name).second)
                << text.toStdString() << " also for " << owners[text].toStdString();
        }
    }
    EXPECT_GE(owners.size(), 30u) << "the walk found the menus";
}

// Each button and check box of the panel triggers its action once, as the
// menu entry does. After refused clicks (Input-Output while it is shown,
// hiding the edited TURBO curve) the marks show the project, not the flip.
TEST_F(MainWindow, PanelControlsTriggerTheirActions)
{
    ChooseBoxType(2);
    Inside().AnswerFileDialogs([](QFileDialog&) { return QString(); });
    const std::pair<const char*, QAction*> controls[] = {
        { "newButton", Actions().newProject },
        { "openButton", Actions().open },
        { "saveButton", Actions().saveAs },
        { "inputOutputCheck", Actions().inputOutput },
        { "differenceCheck", Actions().difference },
        { "editTurboCheck", Actions().editTurbo },
        { "resetTurboButton", Actions().resetTurbo },
        { "showCrCheck", Actions().showCr },
        { "showTurboCheck", Actions().showTurbo },
        { "editCrCheck", Actions().editCr },
        { "resetCrButton", Actions().resetCr },
        { "copyCurveButton", Actions().copyCurve },
    };
    for (const auto& [name, action] : controls) {
        QSignalSpy triggered(action, &QAction::triggered);
        Click(name);
        EXPECT_EQ(triggered.count(), 1) << name;
    }
    QStringList checked;
    for (QCheckBox* box : window->findChildren<QCheckBox*>())
        if (box->isChecked())
            checked << box->objectName();
    checked.sort();
    EXPECT_EQ(
        checked.join(' ').toStdString(), "differenceCheck editCrCheck showCrCheck showTurboCheck");
}

// The File menu: New, Open, Open Recent, Save, Save As, Print, Export PDF.
TEST_F(MainWindow, FileCommands)
{
    const QString car = projects + "car.rmvp";
    Click("curveDelayUp");
    AnswerFileDialogs(car);
    Actions().save->trigger(); // no file yet: asks for the name
    EXPECT_EQ(asked.size(), 1);
    EXPECT_TRUE(QFile::exists(car));
    Click("curveDelayUp");
    Actions().save->trigger(); // to its file, without asking
    EXPECT_EQ(asked.size(), 1);
    EXPECT_FALSE(window->isWindowModified());
    Actions().saveAs->trigger(); // always asks
    EXPECT_EQ(asked.size(), 2);

    Actions().newProject->trigger();
    EXPECT_EQ(Text("curveDelayEdit"), "200");
    Actions().open->trigger();
    EXPECT_EQ(Text("curveDelayEdit"), "240"); // the panel shows the opened project
    EXPECT_EQ(window->windowTitle(), "Common Rail Tuning - car.rmvp[*]");

    // Open Recent lists what was opened and saved, newest first.
    Actions().newProject->trigger();
    emit Actions().recentMenu->aboutToShow();
    QAction* first = Actions().recentMenu->actions().value(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text(), "&1 car.rmvp");
    EXPECT_EQ(first->statusTip(), QDir::toNativeSeparators(QFileInfo(car).absoluteFilePath()));
    first->trigger();
    EXPECT_EQ(Project().curveDelay, 240);

    // The printer the dialog chose gets the sheet; Export PDF writes one and
    // says where.
    const QString printed = dataDir.path() + "/printed.pdf";
    Inside().ChoosePrinter([&](QPrinter& printer) {
        printer.setOutputFileName(printed);
        return true;
    });
    Actions().print->trigger();
    EXPECT_GT(QFileInfo(printed).size(), 1000);
    const QString exported = dataDir.path() + "/sheet.pdf";
    AnswerFileDialogs(exported);
    Actions().exportPdf->trigger();
    QFile pdf(exported);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_TRUE(Status().contains(QDir::toNativeSeparators(exported))) << Status().toStdString();

    Actions().quit->trigger();
    EXPECT_FALSE(window->isVisible());
}

// A save that fails says so with the file's name and leaves the project
// unsaved. (The file writer keeps the old file: tests/files.)
TEST_F(MainWindow, FailedSaveSaysWhereAndKeepsTheProjectUnsaved)
{
    Click("curveDelayUp");
    const QString nowhere = projects + "no such folder/car.rmvp";
    AnswerFileDialogs(nowhere);
    Actions().save->trigger();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Can't save file!\n\n"));
    EXPECT_TRUE(messages[0].contains(QDir::toNativeSeparators(nowhere)))
        << messages[0].toStdString();
    EXPECT_EQ(window->windowTitle(), "Common Rail Tuning - untitled.rmvp[*]");
    EXPECT_TRUE(window->isWindowModified());
}

// Closing asks about unsaved changes; a Save answer closes the window only
// once the project is saved, never when the save dialog is cancelled.
TEST_F(MainWindow, SaveAnswerClosesTheWindowOnlyOnceSaved)
{
    Click("curveDelayUp");
    answer = QMessageBox::Save;
    AnswerFileDialogs(QString());
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(QDir(projects).isEmpty());
    AnswerFileDialogs(projects + "closing.rmvp");
    EXPECT_TRUE(window->close());
    EXPECT_EQ(messages.filter("has changed").size(), 2);
    EXPECT_TRUE(QFile::exists(projects + "closing.rmvp"));
}

// A box type from the Box menu is stored with the view as the settings code,
// the selector follows, and the TURBO commands go with the TURBO curve. (The
// flag commands' handlers: PanelControlsTriggerTheirActions's marks.)
TEST_F(MainWindow, BoxTypeCommands)
{
    Actions().difference->trigger();
    Actions().boxTypes[2]->trigger();
    QSettings stored(SettingsFile(), QSettings::IniFormat);
    EXPECT_EQ(stored.value("USB").toString(), "2");
    Actions().boxTypes[1]->trigger();
    EXPECT_EQ(Project().twoInputs, 1);
    EXPECT_EQ(Find<QComboBox>("boxTypeCombo")->currentIndex(), 1);
    for (const char* control :
        { "editTurboCheck", "resetTurboButton", "showTurboCheck", "copyCurveButton" })
        EXPECT_FALSE(Find(control)->isEnabled()) << control;
}

} // namespace
