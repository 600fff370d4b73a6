#include "RamvikDlg.h"

#include "DialogSizes.h"
#include "Messages.h"
#include "Translate.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

// Opening and saving project files, and the unsaved-changes check: the
// session does them; the window asks for the names and shows the outcome.

namespace {

// The path as the file system and the messages take it: native separators,
// and the bytes of the name as the platform encodes file names.
std::string SessionPath(const QString& path)
{
    return QFile::encodeName(QDir::toNativeSeparators(path)).toStdString();
}

} // namespace

QString CRamvikDlg::ChooseProjectFile(bool forSaving)
{
    QFileDialog dialog(this);
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter("Ramvik Project (*.rmvp)");
    // The suffix a name typed without one gets; the filter shows only these.
    dialog.setDefaultSuffix("rmvp");
    // rootPath ends in a separator; without settings the folder is relative.
    dialog.setDirectory(QString::fromStdString(project.rootPath) + "Projects");
    dialog.selectFile("*.rmvp");
    GiveReadableSize(dialog);
    if (runFileDialog)
        return runFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QString path = dialog.selectedFiles().value(0);
    // The initial name is a pattern, not a file anyone means to write.
    if (QFileInfo(path).fileName().contains('*'))
        return QString();
    return path;
}

void CRamvikDlg::OnOpen()
{
    if (!MaySaveChanges())
        return;
    const QString path = ChooseProjectFile(false);
    if (!path.isEmpty())
        OpenPath(path);
}

void CRamvikDlg::OpenPath(const QString& path)
{
    const SessionResult opened = session.Open(SessionPath(path));
    if (!opened.ok)
        ShowMessage(this, Tr(opened.message), QMessageBox::Warning);
    Refresh();
}

void CRamvikDlg::OnSave()
{
    SaveWithDialog();
}

void CRamvikDlg::OnSaveToFile()
{
    if (session.FilePath().empty()) {
        SaveWithDialog();
        return;
    }
    const SessionResult saved = session.Save();
    if (!saved.ok)
        ShowMessage(this, Tr(saved.message), QMessageBox::Critical);
    Refresh();
}

bool CRamvikDlg::SaveWithDialog()
{
    const QString path = ChooseProjectFile(true);
    if (path.isEmpty())
        return false;
    const SessionResult saved = session.SaveAs(SessionPath(path));
    if (!saved.ok)
        ShowMessage(this, Tr(saved.message), QMessageBox::Critical);
    Refresh();
    return saved.ok;
}

bool CRamvikDlg::MaySaveChanges()
{
    const std::optional<UserText> question = session.UnsavedChangesQuestion();
    if (!question)
        return true;
    switch (ShowMessage(this, Tr(*question), QMessageBox::Warning,
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save:
        return SaveWithDialog();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}
