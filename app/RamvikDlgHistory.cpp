#include "RamvikDlg.h"

#include "DialogRunner.h"
#include "HistoryBrowser.h"
#include "Messages.h"
#include "Print.h"
#include "Translate.h"
#include "Write.h"

#include <QAbstractPrintDialog>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

// The write history as the workshop's job log: the browser lists the writes,
// opens, compares and prints their copies and writes back what a box held
// before a write; at start the window names every box whose last write did
// not finish.

void CRamvikDlg::OnWriteHistory()
{
    session.SetHistoryFolder(HistoryFolder().toStdString());
    HistoryBrowserHooks hooks;
    hooks.open = [this](const HistoryEntry& entry) { return OpenHistoryEntry(entry); };
    hooks.print = [this](const HistoryEntry& entry) { PrintHistoryEntry(entry); };
    hooks.writeBack = [this](const HistoryEntry& entry) { WriteBack(entry); };
    CHistoryBrowser browser([this] { return session.ReadWriteHistory(); }, session.HistoryFolder(),
        std::move(hooks), this);
    RunDialog(browser);
    // The compare panel docks beside the graph: the browser is gone first.
    if (browser.CompareChosen())
        OnCompare();
}

bool CRamvikDlg::OpenHistoryEntry(const HistoryEntry& entry)
{
    // Every entry's copy is an ordinary project file, opened like any other.
    if (!MaySaveChanges())
        return false;
    OpenPath(QFile::decodeName(entry.projectPath.c_str()));
    return session.FilePath() == entry.projectPath;
}

void CRamvikDlg::PrintHistoryEntry(const HistoryEntry& entry)
{
    // The copy as it was written, whatever the window shows; its sheet
    // carries the entry's time, box, outcome, customer and vehicle.
    ProjectState copy;
    const SessionResult opened = OpenProject(entry.projectPath, copy);
    if (!opened.ok) {
        ShowMessage(this, Tr(opened.message), QMessageBox::Warning);
        return;
    }
    copy.rootPath = project.rootPath; // the logo
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(
        QString::fromStdString(entry.projectName.empty() ? entry.name : entry.projectName));
    bool chosen = false;
    if (choosePrinter) {
        chosen = choosePrinter(printer);
    } else {
        QPrintDialog dialog(&printer, this);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        chosen = dialog.exec() == QDialog::Accepted;
    }
    if (!chosen)
        return;
    const std::optional<UserText> note = HistoryNote(entry.projectPath);
    PrintProject(printer, copy, note ? Tr(*note) : QString());
}

void CRamvikDlg::WriteBack(const HistoryEntry& entry)
{
    if (!ChooseTransferPort())
        return;
    const bool verify = VerifyWritesSetting();
    const bool backup = BackupSetting();
    session.SetBackupBeforeWrite(backup);
    CWrite dialog(session, entry, verify, this);
    RunTransfer(dialog);
    RememberWriteChoices(dialog, verify, backup);
    ForgetComparison(dialog.Outcome());
}

void CRamvikDlg::WarnOfUnfinishedWrites()
{
    const std::vector<UserText> warnings = session.UnfinishedWriteWarnings();
    if (warnings.empty())
        return;
    QStringList texts;
    for (const UserText& warning : warnings)
        texts << Tr(warning);
    ShowMessage(this, texts.join(QStringLiteral("\n\n")), QMessageBox::Warning);
}
