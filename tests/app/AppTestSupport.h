#pragma once

#include "Graph.h"
#include "GraphWidget.h"
#include "Messages.h"
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
        QFile file(SettingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[General]\n" + values);
        file.close();
        Start();
    }
    // Shown, so its layouts have placed every control where a click finds it.
    void Start()
    {
        messages.clear();
        window.reset(new CRamvikDlg);
        window->show();
    }

    // A window on the demo box, which first holds the default project, shown
    // and painted once (the graph's geometry comes with its first paint).
    void StartWithDemoBox()
    {
        StartOptions options;
        options.demoBox = true;
        window.reset(new CRamvikDlg(options));
        window->show();
        window->grab();
    }

    CRamvikDlgTestAccess Inside() { return CRamvikDlgTestAccess { *window }; }
    ProjectState& Project() { return Inside().Project(); }

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
    // the dialog showed at the end ("Writing... 767 of 767, left open"), or
    // "no dialog".
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
            QString end = "closed";
            if (dialog->isVisible())
                end = dialog->closeButton->isEnabled() ? "left open" : "open, Close disabled";
            const QProgressBar* progress = dialog->progressBar;
            seen = QString("%1 of %2, %3").arg(progress->value()).arg(progress->maximum()).arg(end);
            if (!dialog->phaseLabel->text().isEmpty())
                seen = dialog->phaseLabel->text() + " " + seen;
            if (dialog->isVisible())
                QTest::mouseClick(dialog->closeButton, Qt::LeftButton);
        });
        Click(button);
        QCoreApplication::processEvents(); // the timer, when no dialog ran it
        return seen.toStdString();
    }
    QString Text(const char* name) const { return Find<QLineEdit>(name)->text(); }
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
