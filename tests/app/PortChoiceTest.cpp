// The window on a fake machine, read through RAMVIK_SYSTEM_ROOT as it reads
// the real one without it: which of several converters a transfer takes, the
// remembered choice, and the connection help after "No USB Device
// Connected!". The fake device nodes are plain files, so every open fails and
// the message names the device the transfer tried.
#include "AppTestSupport.h"
#include "ConnectionHelpDlg.h"
#include "DialogRunner.h"
#include "PortChoiceDlg.h"
#include "SettingsStore.h"
#include "Translate.h"

#include <ConnectionDoctor.h>
#include <D2xxLibrary.h>
#include <FakeSystemTree.h>
#include <Protocol.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QScrollBar>
#include <QTextBrowser>

namespace {

class WindowPortChoice : public AppTest {
protected:
    void SetUp() override
    {
        qputenv("RAMVIK_SYSTEM_ROOT", machine.path().toUtf8());
        AppTest::SetUp();
    }
    void TearDown() override
    {
        AppTest::TearDown();
        qunsetenv("RAMVIK_SYSTEM_ROOT");
    }

    void AddConverter(const char* tty, const char* usbDevice, const char* serial)
    {
        FakeConverter converter { tty, usbDevice };
        converter.serialNumber = serial;
        tree.Add(converter);
    }
    QString Dev(const char* tty) const { return QString::fromStdString(tree.Dev(tty)); }
    QString Line(const char* tty, const char* serial) const
    {
        return Dev(tty) + "  0403:6001  serial " + serial + "  \"USB <-> Serial\"";
    }

    QTemporaryDir machine;
    FakeSystemTree tree { machine.path().toStdString() };
    // What the port choice dialogs showed; the answer picks a line or cancels.
    std::vector<QStringList> asked;
    int pick = -1; // -1: Cancel
    std::function<void(CConnectionHelpDlg&)> workHelp; // works the connection help
    CScopedDialogHook dialogs { [this](QDialog& dialog) {
        if (auto* choice = qobject_cast<CPortChoiceDlg*>(&dialog)) {
            QStringList lines;
            for (int i = 0; i < choice->list->count(); ++i)
                lines << choice->list->item(i)->text();
            asked.push_back(lines);
            if (pick < 0)
                return int(QDialog::Rejected);
            choice->list->setCurrentRow(pick);
            return int(QDialog::Accepted);
        }
        if (auto* help = qobject_cast<CConnectionHelpDlg*>(&dialog); help && workHelp)
            workHelp(*help);
        return int(QDialog::Rejected);
    } };
};

// A cancelled choice starts nothing and remembers nothing; a chosen
// converter is remembered and used from then on, after a restart too.
TEST_F(WindowPortChoice, TwoConvertersAreAskedForOnceAndTheChoiceIsUsedFromThenOn)
{
    AddConverter("ttyUSB10", "1-3", "B22");
    AddConverter("ttyUSB2", "1-2", "A11");
    EXPECT_EQ(ClickTransfer("writeButton"), "no dialog") << "cancelled";
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(CSettingsStore().Read(kPortSetting), std::nullopt);

    answer = QMessageBox::Ok;
    pick = 1;
    ASSERT_NE(ClickTransfer("writeButton"), "no dialog");
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1], (QStringList { Line("ttyUSB2", "A11"), Line("ttyUSB10", "B22") }))
        << "natural order, each with its serial number";
    EXPECT_EQ(CSettingsStore().Read(kPortSetting), QString("B22"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(Dev("ttyUSB10"))) << messages[0].toStdString();

    Start(); // after a restart the remembered converter is taken without asking
    ClickTransfer("writeButton");
    EXPECT_EQ(asked.size(), 2u);
}

// One converter is taken without asking. Here ModemManager holds it: "No USB
// Device Connected!" names it, says what to do in the workshop's words and
// offers the connection help. Its lines wrap at the dialog's width; "Copy
// report" puts what it shows on the
// clipboard, and after it, for whoever helps, the report ramvik-cli doctor
// prints, with the commands.
TEST_F(WindowPortChoice, TheConnectionHelpNamesTheHolderWrapsAndCopiesTheCommandsToo)
{
    AddConverter("ttyUSB0", "1-2", "A11");
    tree.AddHolder(812, "ModemManager", "ttyUSB0");
    DoctorRequest request;
    request.roots = tree.Roots();
    request.vendorLibraryFile = CD2xxLibrary::DefaultFileName();
    const QString administrator = QString::fromStdString(RunConnectionDoctor(request).Text());
    request.audience = Audience::Workshop;
    const DoctorReport workshop = RunConnectionDoctor(request);

    bool worked = false;
    workHelp = [&](CConnectionHelpDlg& help) {
        worked = true;
        help.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
        QTextBrowser* view = help.reportView;
        QString longest;
        for (const DoctorCheck& check : workshop.checks) {
            EXPECT_TRUE(view->toPlainText().contains(Tr(check.text)))
                << Tr(check.text).toStdString();
            for (const QString& line : Tr(check.text).split('\n'))
                longest = line.size() > longest.size() ? line : longest;
        }
        EXPECT_GT(view->fontMetrics().horizontalAdvance(longest), view->viewport()->width())
            << "a line longer than the view, to wrap";
        EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0) << "the lines wrap";
        EXPECT_FALSE(view->horizontalScrollBar()->isVisible());

        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(help.copyButton, Qt::LeftButton);
        const QString copied = QGuiApplication::clipboard()->text();
        const QString heading = "\n\nFor whoever looks after this computer:\n";
        EXPECT_EQ(copied, help.ShownText() + heading + administrator + "\n");
        EXPECT_FALSE(help.ShownText().contains("sudo")) << "the commands are for whoever helps";
        EXPECT_TRUE(copied.contains("sudo systemctl stop ModemManager")) << copied.toStdString();
        EXPECT_TRUE(help.copiedLabel->isVisible()) << "says where the report went";
    };
    answer = QMessageBox::Help;
    ASSERT_NE(ClickTransfer("writeButton"), "no dialog");
    EXPECT_TRUE(asked.empty());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QString::fromStdString(kNoDeviceMessage.English())));
    EXPECT_TRUE(messages[0].contains(Dev("ttyUSB0"))) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains("Ask whoever looks after this computer to stop it"))
        << messages[0].toStdString();
    EXPECT_FALSE(messages[0].contains("sudo")) << messages[0].toStdString();
    EXPECT_TRUE(worked);
}

} // namespace
