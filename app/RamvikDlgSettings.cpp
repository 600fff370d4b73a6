#include "RamvikDlg.h"

#include "Messages.h"
#include "SettingsCode.h"
#include "SettingsStore.h"

#include <QDir>

// The settings remembered between runs: installation folder, box type, view.

namespace {
const char* const kKeysNotFound = "Register Keys not found!\n\nPlease reinstall the program. The "
                                  "default values will be loaded.";
const char* const kKeyNotFound = "A register key was not found!\n\nPlease reinstall the program "
                                 "to correct this error. The default value for this setting will "
                                 "be loaded.";

// Project files are looked for in the root path followed directly by
// "Projects"; a hand-written value without the final separator still works.
QString WithSeparator(const QString& path)
{
    if (path.isEmpty() || path.endsWith('/') || path.endsWith(QDir::separator()))
        return path;
    return path + QDir::separator();
}
} // namespace

// Every missing value is announced and start-up goes on with the project's
// defaults (box type 0, input-output view). "RootPath" is read twice, for the
// logo and for the project folder, and each read announces its own failure.
void CRamvikDlg::LoadSettings()
{
    const CSettingsStore store;
    if (!store.Exists()) {
        ShowMessage(this, kKeysNotFound, QMessageBox::Critical);
        return;
    }
    if (const auto root = store.Read("RootPath"))
        logoPath = root->toStdString();
    else
        ShowMessage(this, kKeyNotFound, QMessageBox::Critical);

    if (const auto code = store.Read("USB"))
        ApplySettingsCode(code->toStdString(), project);
    else
        ShowMessage(this, kKeyNotFound, QMessageBox::Critical);

    if (const auto root = store.Read("RootPath")) {
        project.rootPath = WithSeparator(*root).toStdString();
    } else {
        ShowMessage(this, kKeyNotFound, QMessageBox::Critical);
        project.rootPath.clear();
    }
}

// Failures to write are silent: where the user may not write the settings,
// the box type and view are simply not remembered.
void CRamvikDlg::StoreSettingsCode()
{
    CSettingsStore store;
    store.Write("USB", QString::fromStdString(FormatSettingsCode(project)));
}
