#pragma once

#include "Graph.h"
#include "GraphWidget.h"
#include "Messages.h"
#include "PointsTable.h"
#include "ProjectFile.h"
#include "RamvikDlg.h"
#include "StartOptions.h"
#include "TransferDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

// The window's inside, for tests: the project as the graph and the handlers
// change it, the session, the graph, and the answerer of the file dialogs.
class CRamvikDlgTestAccess {
public:
    CRamvikDlg& window;

    ProjectState& Project() { return window.project; }
    CSession& Session() { return window.session; }
    CGraph& Graph() { return window.Graph(); }
    CGraphWidget& GraphWidget() { return *window.graphWidget; }
    CPointsTable& PointsTable() { return *window.pointsTable; }
    // Shows the project as it is now, recording a change as one step.
    void Refresh() { window.Refresh(); }
    const WindowActions& Actions() { return window.actions; }
    void AnswerFileDialogs(std::function<QString(QFileDialog&)> answer)
    {
        window.runFileDialog = std::move(answer);
    }
    void ChoosePrinter(std::function<bool(QPrinter&)> choose)
    {
        window.choosePrinter = std::move(choose);
    }
};

inline void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

inline QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The key a menu text gives its entry: the character after its single "&"
// ("&&" is a plain "&"), in lower case; null when it has none.
inline QChar MenuKey(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i;
    }
    return QChar();
}

// What keeps the menu bar from being used by keyboard alone, one line each:
// a menu or an entry without a key of its own (also one disabled now; only a
// disabled note without a tip, such as "No projects yet", needs none), two in
// one menu with the same key.
inline QStringList MenuKeyProblems(QMenuBar* bar)
{
    QStringList problems;
    std::function<void(const QString&, const QList<QAction*>&)> check
        = [&](const QString& path, const QList<QAction*>& entries) {
              std::map<QChar, QString> owners;
              for (QAction* entry : entries) {
                  if (entry->isSeparator())
                      continue;
                  const QString name = path + QStringLiteral(" > ") + entry->text();
                  const QChar key = MenuKey(entry->text());
                  const bool note
                      = !entry->isEnabled() && entry->statusTip().isEmpty() && !entry->menu();
                  if (key.isNull() && !note)
                      problems << name + QStringLiteral(" has no key");
                  else if (!key.isNull() && !owners.emplace(key, name).second)
                      problems << name + QStringLiteral(" has the key of ") + owners[key];
                  if (QMenu* menu = entry->menu()) {
                      emit menu->aboutToShow(); // menus that fill themselves
                      check(name, menu->actions());
                  }
              }
          };
    check(QStringLiteral("menu bar"), bar->actions());
    return problems;
}

// A main window on settings of its own; the test records and answers messages.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(configDir.isValid() && dataDir.isValid());
        QDir().mkpath(projects);
        Start("RootPath=\"" + rootPath.toUtf8() + "\"\nUSB=10\n");
    }
    void TearDown() override
    {
        window.reset();
        qputenv("XDG_CONFIG_HOME", oldConfigHome);
    }

    // A new folder each time: QSettings' cache may miss a quick rewrite.
    void NewConfigFolder()
    {
        configHome = configDir.path() + "/" + QString::number(++configFolders);
        QDir().mkpath(configHome + "/Ramvik");
        qputenv("XDG_CONFIG_HOME", configHome.toUtf8());
    }
    QString SettingsFile() const { return configHome + "/Ramvik/Ramvik.conf"; }
    // Starts the window on new settings holding these values ("Key=value" lines).
    void Start(const QByteArray& values)
    {
        NewConfigFolder();
        WriteFile(SettingsFile(), "[General]\n" + values);
        Start();
    }
    // Shown, so its layouts have placed every control where a click finds it;
    // active, so its shortcuts take the keys; painted once, as the graph's
    // geometry comes with its first paint.
    void Start(const StartOptions& options = {})
    {
        messages.clear();
        window.reset(new CRamvikDlg(options));
        window->show();
        Activate();
        window->grab();
    }
    // On the demo box, which first holds the default project.
    void StartWithDemoBox()
    {
        StartOptions options;
        options.demoBox = true;
        Start(options);
    }
    // The offscreen platform leaves giving the window the keys to the test.
    void Activate()
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    CRamvikDlgTestAccess Inside() { return CRamvikDlgTestAccess { *window }; }
    ProjectState& Project() { return Inside().Project(); }
    CGraph& Graph() { return Inside().Graph(); }
    QWidget* GraphWidget() { return &Inside().GraphWidget(); }
    // Where the graph draws this input and output, in its own coordinates.
    QPoint At(double input, double output)
    {
        return QPoint(Graph().VoltsToX(input), Graph().VoltsToY(output));
    }
    // To the widget that has the focus, as a keyboard gives it.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window.get(), key, modifiers);
    }
    QString Status() const { return Find<QLabel>("statusLine")->text(); }

    template <typename Widget = QWidget> Widget* Find(const char* name) const
    {
        auto* widget = window->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // Where a click presses the control: a check box only takes clicks on
    // its mark and its text, which need not reach the middle of a wide one.
    void Click(const char* name, int times = 1)
    {
        QAbstractButton* button = Find<QAbstractButton>(name);
        QPoint at = button->rect().center();
        if (auto* box = qobject_cast<QCheckBox*>(button)) {
            QStyleOptionButton option;
            option.initFrom(box);
            at = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
        }
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(button, Qt::LeftButton, {}, at);
    }
    // Clicks a window button that opens a transfer dialog, lets prepare set
    // the dialog up, runs its transfer to the end and closes it. Gives what
    // its progress showed at the end ("Writing... 767 of 767"), or "no dialog".
    std::string ClickTransfer(const char* button, std::function<void(CTransferDlg&)> prepare = {})
    {
        QString seen = "no dialog";
        QTimer::singleShot(0, [&] { // runs in the modal dialog's event loop
            auto* dialog = qobject_cast<CTransferDlg*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            if (prepare)
                prepare(*dialog);
            QTest::mouseClick(dialog->transferButton, Qt::LeftButton);
            EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->WorkerRunning(); }));
            const QProgressBar* progress = dialog->progressBar;
            seen = QString("%1 %2 of %3")
                       .arg(dialog->phaseLabel->text())
                       .arg(progress->value())
                       .arg(progress->maximum());
            if (dialog->isVisible())
                QTest::mouseClick(dialog->closeButton, Qt::LeftButton);
        });
        Click(button);
        QCoreApplication::processEvents(); // the timer, when no dialog ran it
        return seen.toStdString();
    }
    QString Text(const char* name) const { return Find<QLineEdit>(name)->text(); }
    // Types the text into the field and leaves it with the key.
    void Type(const char* field, const QString& text, Qt::Key leaveWith)
    {
        auto* edit = Find<QLineEdit>(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, leaveWith);
    }
    void ChooseBoxType(int index)
    {
        Find<QComboBox>("boxTypeCombo")->setCurrentIndex(index);
        emit Find<QComboBox>("boxTypeCombo")->activated(index);
    }

    QTemporaryDir configDir, dataDir;
    QString rootPath = dataDir.path() + "/", projects = rootPath + "Projects/", configHome;
    int configFolders = 0;
    QByteArray oldConfigHome = qgetenv("XDG_CONFIG_HOME");
    QStringList messages;
    QMessageBox::StandardButton answer = QMessageBox::Discard;
    CScopedMessageHook hook { [this](const QString& text, QMessageBox::Icon,
                                  QMessageBox::StandardButtons) {
        messages << text;
        return answer;
    } };
    std::unique_ptr<CRamvikDlg> window;
};
