#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QSettings;

// The value that remembers which converter the user chose among several:
// its USB serial number, or its path when it has none.
extern const char* const kPortSetting; // "Port"

// The settings that outlive a run: "RootPath" (the installation folder,
// ending in a separator, written by the installer) and "USB" (the settings
// code, written on every change of box type or view).
//
// On Windows they live in the registry key HKEY_LOCAL_MACHINE\SOFTWARE\Ramvik\;
// elsewhere in the INI file Ramvik/Ramvik.conf in the user's configuration
// folder ($XDG_CONFIG_HOME, by default ~/.config), which stands in for the key.
class CSettingsStore {
public:
    CSettingsStore();
    ~CSettingsStore();
    CSettingsStore(const CSettingsStore&) = delete;
    CSettingsStore& operator=(const CSettingsStore&) = delete;

    // Whether the key exists and can be read (the installer made it). A
    // settings file over 1 MiB is not read and counts as missing.
    bool Exists() const;
    // The text of a value; nothing when the key or the value is missing.
    std::optional<QString> Read(const QString& name) const;
    // Sets a value in an existing key; false when the key is missing or the
    // write failed. A missing key is never created here: that is the
    // installer's job, and a missing key must still be announced next time.
    bool Write(const QString& name, const QString& value);
    // A list of texts (file paths), kept as the platform keeps lists; an
    // empty list when the key or the value is missing.
    QStringList ReadList(const QString& name) const;
    bool WriteList(const QString& name, const QStringList& values);

    // Where the settings live: the INI file's path, or the registry key.
    static QString Location();

private:
    std::unique_ptr<QSettings> settings; // null: a file too large to be settings
};
