#include "RamvikDlg.h"

#include "ComparePanel.h"
#include "ConnectionHelpDlg.h"
#include "DialogRunner.h"
#include "Messages.h"
#include "PortChoiceDlg.h"
#include "Read.h"
#include "SettingsStore.h"
#include "Translate.h"
#include "Write.h"

#include <LinkFactory.h>
#include <PortAdvice.h>
#include <PortChoice.h>
#include <PortFinder.h>

#include <QCheckBox>
#include <QFile>
#include <WriteHistory.h>

// Reading from and writing to the box: the session runs the transfers, the
// dialogs show them. Every write is kept in the installation folder's
// history (RamvikDlgHistory.cpp).

void CRamvikDlg::OnRead()
{
    // A read replaces the project: unsaved changes are offered for saving first.
    if (!MaySaveChanges() || !ChooseTransferPort())
        return;
    CRead dialog(session, this);
    RunTransfer(dialog);
    Refresh();
}

void CRamvikDlg::OnWrite()
{
    if (!ChooseTransferPort())
        return;
    session.SetHistoryFolder(HistoryFolder().toStdString());
    const bool verify = VerifyWritesSetting();
    const bool backup = BackupSetting();
    session.SetBackupBeforeWrite(backup);
    CWrite dialog(session, verify, this);
    // The customer and vehicle of the last write of this project file.
    dialog.SetJobFields(JobFieldsSetting(session.FilePath()));
    RunTransfer(dialog);
    RememberWriteChoices(dialog, verify, backup);
    if (!session.FilePath().empty()) {
        const WriteJobFields fields = dialog.JobFields();
        const WriteJobFields before = JobFieldsSetting(session.FilePath());
        if (fields.customer != before.customer || fields.vehicle != before.vehicle
            || fields.plate != before.plate || fields.note != before.note)
            StoreJobFieldsSetting(session.FilePath(), fields);
    }
    ForgetComparison(dialog.Outcome());
}

void CRamvikDlg::RememberWriteChoices(const CWrite& dialog, bool verify, bool backup)
{
    if (dialog.verifyBox->isChecked() != verify)
        StoreVerifyWritesSetting(dialog.verifyBox->isChecked());
    if (dialog.backupBox->isChecked() != backup)
        StoreBackupSetting(dialog.backupBox->isChecked());
    session.SetBackupBeforeWrite(dialog.backupBox->isChecked());
}

void CRamvikDlg::ForgetComparison(TransferOutcome outcome)
{
    const bool sent = outcome != TransferOutcome::NotOpened && outcome != TransferOutcome::Refused
        && outcome != TransferOutcome::HandshakeFailed;
    if (sent && comparePanel)
        comparePanel->close();
}

void CRamvikDlg::RunTransfer(CTransferDlg& dialog)
{
    runningTransfer = &dialog;
    dialog.exec();
    runningTransfer = nullptr;
    // The window was asked to close while the transfer ran and the user
    // agreed to stop it: it closes now, after the usual question about
    // unsaved changes.
    if (closeAfterTransfer) {
        closeAfterTransfer = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

bool CRamvikDlg::StopTransferForClose()
{
    if (!runningTransfer || !runningTransfer->WorkerRunning())
        return true;
    // The question of the dialog's Stop (a write asks; a read or compare
    // leaves the box as it was and stops at once).
    if (!runningTransfer->AskToStop())
        return false;
    // The worker ends after the frame in flight; the dialog goes with it,
    // and the window closes then (RunTransfer).
    closeAfterTransfer = true;
    runningTransfer->CloseWhenDone();
    return false;
}

QString CRamvikDlg::HistoryFolder() const
{
    return QString::fromStdString(WindowHistoryFolder(project.rootPath));
}

void CRamvikDlg::OnConnectionHelp()
{
    CConnectionHelpDlg help(ConnectionReport(), this);
    RunDialog(help);
}

void CRamvikDlg::BindUsbLibrary()
{
    // The library is checked at every start, so its message shows also when
    // the options choose another way to the box.
    const CD2xxLibrary::Binding binding
        = CD2xxLibrary::Bind(CD2xxLibrary::DefaultFileName(), CD2xxLibrary::SerialLinkServes());
    if (!binding.message.Empty())
        ShowMessage(this, Tr(binding.message));
    if (startOptions.demoBox) {
        session.UseDemoBox();
        return;
    }
    vendorLibrary = binding.library;
    transferPort = QFile::encodeName(startOptions.port).toStdString();
    // The port is settled before each transfer (ChooseTransferPort), so a
    // converter plugged in while the window is open is found.
    // A failed opening is explained in the workshop's words, without commands.
    session.SetLinkFactory([this] {
        return MakeLink(LinkChoiceFor(transferPort, vendorLibrary, Audience::Workshop));
    });
}

bool CRamvikDlg::ChooseTransferPort()
{
    const BoxRoute route { startOptions.demoBox,
        QFile::encodeName(startOptions.port).toStdString() };
    if (!SearchesForConverter(route))
        return true;
    CSettingsStore store;
    const std::string remembered = store.Read(kPortSetting).value_or(QString()).toStdString();
    PortChoice choice = ChoosePort(
        route, [] { return ListSerialPorts(SystemRootsFromEnvironment()); }, remembered);
    if (choice.NeedsUser()) {
        QStringList lines;
        for (const SerialPortInfo& candidate : choice.pick.candidates)
            lines << Tr(ConverterLine(candidate));
        CPortChoiceDlg dialog(lines, this);
        if (RunDialog(dialog) != QDialog::Accepted || dialog.ChosenIndex() < 0)
            return false;
        choice = ChooseCandidate(choice, dialog.ChosenIndex());
        const SerialPortInfo& chosen
            = choice.pick.candidates[static_cast<std::size_t>(dialog.ChosenIndex())];
        // A settings key the installer never made stays missing; the user is
        // then asked again next time.
        store.Write(kPortSetting, QString::fromStdString(RememberedPortKey(chosen)));
    }
    transferPort = choice.path;
    return true;
}
