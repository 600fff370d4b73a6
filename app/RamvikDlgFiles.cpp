#include "RamvikDlg.h"

#include "Messages.h"
#include "ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

#include <string_view>

// Opening and saving project files, and the unsaved-changes check.

namespace {

// Sets up the platform's open or save dialog in the project folder and gives
// the chosen path, empty when cancelled.
QString ChooseProjectFile(CRamvikDlg& window, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(&window);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(
        mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter("Ramvik Project (*.rmvp)");
    // The suffix a name typed without one gets; the filter shows only these.
    dialog.setDefaultSuffix("rmvp");
    // rootPath ends in a separator; without settings the folder is relative.
    dialog.setDirectory(QString::fromStdString(window.project.rootPath) + "Projects");
    dialog.selectFile("*.rmvp");
    if (window.runFileDialog)
        return window.runFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QString path = dialog.selectedFiles().value(0);
    // The initial name is a pattern, not a file anyone means to write.
    if (QFileInfo(path).fileName().contains('*'))
        return QString();
    return path;
}

// Unbuffered, with every write checked: through Qt's buffer a disk that
// fills up halfway gives a short write that commit() does not notice. The
// write after a short one fails and tells the reason.
bool WriteAll(QSaveFile& file, const std::string& text)
{
    const char* data = text.data();
    auto left = static_cast<qint64>(text.size());
    while (left > 0) {
        const qint64 written = file.write(data, left);
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

QString FileNameText(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

void CRamvikDlg::OnOpen()
{
    if (!MaySaveChanges())
        return;
    const QString path = ChooseProjectFile(*this, QFileDialog::AcceptOpen);
    if (path.isEmpty())
        return;
    QFile file(path);
    // Only a regular file: a device would never end, a folder reads as nothing.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        ShowMessage(this, "Can't open file!", QMessageBox::Warning);
        return;
    }
    // The whole file first: a read that fails halfway leaves the project as it was.
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ShowMessage(this, "Can't open file!", QMessageBox::Warning);
        return;
    }
    ReadProjectText(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), project);
    project.fileName = QFileInfo(path).fileName().toStdString();
    MarkProjectSaved();
    Refresh();
}

void CRamvikDlg::OnSave()
{
    SaveWithDialog();
}

// Writes through a temporary file that replaces the old one only when every
// byte is on disk, so a full disk or a pulled stick keeps the old project.
bool CRamvikDlg::SaveWithDialog()
{
    const QString path = ChooseProjectFile(*this, QFileDialog::AcceptSave);
    if (path.isEmpty())
        return false;
    const std::string text = WriteProjectText(project);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !WriteAll(file, text)
        || !file.commit()) {
        ShowMessage(this,
            QString("Can't save file!\n\n%1\n\n%2").arg(FileNameText(path), file.errorString()),
            QMessageBox::Critical);
        return false;
    }
    project.fileName = QFileInfo(path).fileName().toStdString();
    savedProjectText = text;
    Refresh();
    return true;
}

bool CRamvikDlg::MaySaveChanges()
{
    if (WriteProjectText(project) == savedProjectText)
        return true;
    const QString question = QString("The project \"%1\" has changed.\n\nDo you want to save the "
                                     "changes?")
                                 .arg(QString::fromStdString(project.fileName));
    switch (ShowMessage(this, question, QMessageBox::Warning,
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save:
        return SaveWithDialog();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void CRamvikDlg::MarkProjectSaved()
{
    savedProjectText = WriteProjectText(project);
}
