#include "RamvikDlg.h"

#include "DialogSizes.h"
#include "Graph.h"
#include "Messages.h"
#include "PrintPdf.h"
#include "SettingsStore.h"
#include "Translate.h"

#include <FileWriter.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

// New, Open, Save and the files around them: the session opens and saves;
// the window asks for the names, asks the session's questions and shows the
// outcome.

namespace {

// The most projects Open Recent lists.
constexpr int kRecentFiles = 10;
const char* const kRecentSetting = "RecentFiles";

// The path as the file system and the messages take it: native separators,
// and the bytes of the name as the platform encodes file names.
std::string SessionPath(const QString& path)
{
    return QFile::encodeName(QDir::toNativeSeparators(path)).toStdString();
}

} // namespace

QString CRamvikDlg::ChooseFile(bool forSaving, bool pdf, const QString& folder)
{
    QFileDialog dialog(this);
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(pdf ? tr("PDF document (*.pdf)") : tr("Ramvik Project (*.rmvp)"));
    // The suffix a name typed without one gets; the filter shows only these.
    dialog.setDefaultSuffix(pdf ? QStringLiteral("pdf") : QStringLiteral("rmvp"));
    // rootPath ends in a separator; without settings the folder is relative.
    dialog.setDirectory(folder.isEmpty()
            ? QString::fromStdString(project.rootPath) + QStringLiteral("Projects")
            : folder);
    if (pdf)
        dialog.selectFile(QFileInfo(QString::fromStdString(project.fileName)).completeBaseName()
            + QStringLiteral(".pdf"));
    else
        dialog.selectFile(QStringLiteral("*.rmvp"));
    GiveReadableSize(dialog);
    if (runFileDialog)
        return runFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QString path = dialog.selectedFiles().value(0);
    // The initial name is a pattern, not a file anyone means to write.
    if (QFileInfo(path).fileName().contains(QLatin1Char('*')))
        return QString();
    return path;
}

void CRamvikDlg::OnNew()
{
    if (!MaySaveChanges())
        return;
    session.New();
    // Another project is shown whole.
    Graph().ResetZoom();
    Refresh();
}

void CRamvikDlg::OnOpen()
{
    if (!MaySaveChanges())
        return;
    const QString path = ChooseFile(false);
    if (!path.isEmpty())
        OpenPath(path);
}

void CRamvikDlg::OpenPath(const QString& path)
{
    SessionResult opened = session.Open(SessionPath(path));
    // A file that does not look like a project opens only when the user says so.
    if (!opened.question.Empty()) {
        if (ShowMessage(this, Tr(opened.question), QMessageBox::Warning,
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            != QMessageBox::Yes)
            return;
        opened = session.Open(SessionPath(path), true);
    }
    if (!opened.ok) {
        ShowMessage(this, Tr(opened.message), QMessageBox::Warning);
        ForgetRecent(path);
    } else {
        RememberRecent(path);
        Graph().ResetZoom();
    }
    Refresh();
    if (!opened.note.Empty())
        ShowStatus([note = opened.note] { return Tr(note); });
}

void CRamvikDlg::OnSaveAs()
{
    SaveWithDialog();
}

void CRamvikDlg::OnSave()
{
    if (session.FilePath().empty()) {
        SaveWithDialog();
        return;
    }
    SessionResult saved = session.Save();
    if (!saved.question.Empty()) {
        if (ShowMessage(this, Tr(saved.question), QMessageBox::Warning,
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            != QMessageBox::Yes)
            return;
        saved = session.Save(true);
    }
    if (!saved.ok)
        ShowMessage(this, Tr(saved.message), QMessageBox::Critical);
    Refresh();
}

bool CRamvikDlg::SaveWithDialog()
{
    const QString path = ChooseFile(true);
    if (path.isEmpty())
        return false;
    const SessionResult saved = session.SaveAs(SessionPath(path));
    if (!saved.ok)
        ShowMessage(this, Tr(saved.message), QMessageBox::Critical);
    else
        RememberRecent(path);
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

void CRamvikDlg::OnExportPdf()
{
    const QString path = ChooseFile(true, true);
    if (path.isEmpty())
        return;
    const QByteArray pdf = ProjectSheetPdf(project, SheetNote());
    std::string error;
    if (pdf.isEmpty()) {
        ShowMessage(this, tr("The PDF could not be made."), QMessageBox::Critical);
        return;
    }
    if (!WriteFileSafely(SessionPath(path), std::string_view(pdf.constData(), pdf.size()), error)) {
        ShowMessage(this,
            tr("Can't save file!\n\n%1\n\n%2")
                .arg(QDir::toNativeSeparators(path), QFile::decodeName(error.c_str())),
            QMessageBox::Critical);
        return;
    }
    ShowStatus(
        [path] { return tr("The project sheet went to %1.").arg(QDir::toNativeSeparators(path)); });
}

// --- Open Recent

void CRamvikDlg::RememberRecent(const QString& path)
{
    CSettingsStore store;
    QStringList recent = store.ReadList(QString::fromLatin1(kRecentSetting));
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    while (recent.size() > kRecentFiles)
        recent.removeLast();
    // Without the installer's settings the list is simply not kept.
    store.WriteList(QString::fromLatin1(kRecentSetting), recent);
}

void CRamvikDlg::ForgetRecent(const QString& path)
{
    CSettingsStore store;
    QStringList recent = store.ReadList(QString::fromLatin1(kRecentSetting));
    if (recent.removeAll(QFileInfo(path).absoluteFilePath()) > 0)
        store.WriteList(QString::fromLatin1(kRecentSetting), recent);
}

void CRamvikDlg::FillRecentMenu()
{
    QMenu* menu = actions.recentMenu;
    menu->clear();
    const QStringList recent = CSettingsStore().ReadList(QString::fromLatin1(kRecentSetting));
    int number = 0;
    for (const QString& path : recent) {
        ++number;
        // "&1 car.rmvp": the digit chooses it from the keyboard; an "&" of
        // the name is shown, not taken for a key.
        const QString name
            = QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString text
            = number < 10 ? tr("&%1 %2").arg(number).arg(name) : tr("1&0 %1").arg(name);
        QAction* entry = menu->addAction(text, this, [this, path] {
            if (MaySaveChanges())
                OpenPath(path);
        });
        entry->setStatusTip(QDir::toNativeSeparators(path));
        entry->setToolTip(QDir::toNativeSeparators(path));
    }
    if (recent.isEmpty())
        menu->addAction(tr("No projects yet"))->setEnabled(false);
    menu->addSeparator();
    QAction* clear = menu->addAction(tr("&Clear List"), this,
        [] { CSettingsStore().WriteList(QString::fromLatin1(kRecentSetting), QStringList()); });
    clear->setStatusTip(tr("Forget the projects listed here; the files stay"));
    clear->setEnabled(!recent.isEmpty());
}
