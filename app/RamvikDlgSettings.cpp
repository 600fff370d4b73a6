#include "RamvikDlg.h"

#include "Messages.h"
#include "SettingsStore.h"
#include "Translate.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

// The settings remembered between runs: installation folder, box type, view.
// The store reads and writes them; the session decides what they mean.

namespace {
std::optional<std::string> StoredValue(const CSettingsStore& store, const char* name)
{
    if (const std::optional<QString> value = store.Read(name))
        return value->toStdString();
    return std::nullopt;
}
} // namespace

// Every missing value is announced and start-up goes on with the project's
// defaults (box type 0, input-output view).
void CRamvikDlg::LoadSettings()
{
    const CSettingsStore store;
    StoredSettings stored;
    stored.keyExists = store.Exists();
    stored.rootPath = StoredValue(store, "RootPath");
    stored.code = StoredValue(store, "USB");
    const LoadedSettings loaded = session.ApplySettings(stored);
    session.SetBackupBeforeWrite(BackupSetting());
    logoPath = loaded.logoFolder;
    for (const UserText& message : loaded.messages)
        ShowMessage(this, Tr(message), QMessageBox::Critical);
}

// Whether a write reads its cells back: on unless the user turned it off.
bool CRamvikDlg::VerifyWritesSetting() const
{
    const CSettingsStore store;
    return store.Read("VerifyWrites").value_or(QStringLiteral("1")) != QStringLiteral("0");
}

void CRamvikDlg::StoreVerifyWritesSetting(bool verify)
{
    CSettingsStore store;
    store.Write("VerifyWrites", verify ? QStringLiteral("1") : QStringLiteral("0"));
}

bool CRamvikDlg::BackupSetting() const
{
    const CSettingsStore store;
    return store.Read("BackupBeforeWrite").value_or(QStringLiteral("1")) != QStringLiteral("0");
}

void CRamvikDlg::StoreBackupSetting(bool backup)
{
    CSettingsStore store;
    store.Write("BackupBeforeWrite", backup ? QStringLiteral("1") : QStringLiteral("0"));
}

namespace {
// A project file's job fields are kept under a name made from its full path
// (a path holds characters a settings key may not), with the path itself
// first, then customer, vehicle, plate and note.
QString JobKey(const QString& path)
{
    return QStringLiteral("Jobs/")
        + QString::fromLatin1(
            QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex());
}

QString FullPath(const std::string& path)
{
    return path.empty() ? QString() : QFileInfo(QFile::decodeName(path.c_str())).absoluteFilePath();
}
} // namespace

WriteJobFields CRamvikDlg::JobFieldsSetting(const std::string& path) const
{
    const QString full = FullPath(path);
    if (full.isEmpty())
        return {};
    const QStringList kept = CSettingsStore().ReadList(JobKey(full));
    if (kept.size() != 5 || kept[0] != full)
        return {};
    WriteJobFields fields;
    fields.customer = kept[1].toStdString();
    fields.vehicle = kept[2].toStdString();
    fields.plate = kept[3].toStdString();
    fields.note = kept[4].toStdString();
    return fields;
}

void CRamvikDlg::StoreJobFieldsSetting(const std::string& path, const WriteJobFields& fields)
{
    const QString full = FullPath(path);
    if (full.isEmpty())
        return;
    const auto text = [](const std::string& value) { return QString::fromStdString(value); };
    CSettingsStore().WriteList(JobKey(full),
        { full, text(fields.customer), text(fields.vehicle), text(fields.plate),
            text(fields.note) });
}

// Failures to write are silent: where the user may not write the settings,
// the box type and view are simply not remembered.
void CRamvikDlg::StoreSettingsCode()
{
    CSettingsStore store;
    store.Write("USB", QString::fromStdString(session.SettingsCode()));
}
