#include "RamvikDlg.h"

#include "Messages.h"
#include "SettingsStore.h"
#include "Translate.h"

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

// Failures to write are silent: where the user may not write the settings,
// the box type and view are simply not remembered.
void CRamvikDlg::StoreSettingsCode()
{
    CSettingsStore store;
    store.Write("USB", QString::fromStdString(session.SettingsCode()));
}

QString CRamvikDlg::LanguageSetting()
{
    const CSettingsStore store;
    return store.Read("Language").value_or(QString()).trimmed();
}

// Where the settings cannot be written, the choice holds for this run.
void CRamvikDlg::StoreLanguageSetting(const QString& code)
{
    CSettingsStore store;
    store.Write("Language", code);
}
