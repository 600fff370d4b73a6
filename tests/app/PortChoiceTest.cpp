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

#include <FakeSystemTree.h>
#include <Protocol.h>

#include <QListWidget>
#include <QPlainTextEdit>

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
    std::vector<QString> reports; // what the connection help dialogs showed
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
        if (auto* help = qobject_cast<CConnectionHelpDlg*>(&dialog))
            reports.push_back(help->reportView->toPlainText());
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

// One converter is taken without asking. Here brltty holds it: "No USB
// Device Connected!" names it and offers the connection help, which shows
// the doctor's report with the holder.
TEST_F(WindowPortChoice, OneHeldConverterIsTakenAndTheHelpNamesItsHolder)
{
    AddConverter("ttyUSB0", "1-2", "A11");
    tree.AddHolder(77, "brltty", "ttyUSB0");
    answer = QMessageBox::Help;
    ASSERT_NE(ClickTransfer("writeButton"), "no dialog");
    EXPECT_TRUE(asked.empty());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QString::fromStdString(kNoDeviceMessage.English())));
    EXPECT_TRUE(messages[0].contains(Dev("ttyUSB0"))) << messages[0].toStdString();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(reports[0].contains("is in use by brltty")) << reports[0].toStdString();
}

} // namespace
