#include "SettingsStore.h"

#include <FileReader.h>

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

const char* const kPortSetting = "Port";

namespace {
#ifdef Q_OS_WIN
const char* const kParentKey = "HKEY_LOCAL_MACHINE\\SOFTWARE";
const char* const kKeyName = "Ramvik";
#endif
} // namespace

QString CSettingsStore::Location()
{
#ifdef Q_OS_WIN
    return QString::fromLatin1(kParentKey) + QLatin1Char('\\') + QString::fromLatin1(kKeyName);
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Ramvik/Ramvik.conf");
#endif
}

CSettingsStore::CSettingsStore()
{
#ifdef Q_OS_WIN
    settings = std::make_unique<QSettings>(Location(), QSettings::NativeFormat);
#else
    // QSettings reads the whole file: one larger than any settings file
    // counts as no key, unread (and is never written over).
    if (QFileInfo(Location()).size() <= qint64(kSmallFileLimit))
        settings = std::make_unique<QSettings>(Location(), QSettings::IniFormat);
#endif
}

CSettingsStore::~CSettingsStore() = default;

bool CSettingsStore::Exists() const
{
    if (!settings || settings->status() != QSettings::NoError)
        return false;
#ifdef Q_OS_WIN
    QSettings parent(kParentKey, QSettings::NativeFormat);
    return parent.childGroups().contains(kKeyName, Qt::CaseInsensitive);
#else
    const QFileInfo file(Location());
    return file.isFile() && file.isReadable();
#endif
}

std::optional<QString> CSettingsStore::Read(const QString& name) const
{
    if (!Exists() || !settings->contains(name))
        return std::nullopt;
    const QVariant value = settings->value(name);
    // An unquoted comma in a hand-written INI line makes a list of the text.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

bool CSettingsStore::Write(const QString& name, const QString& value)
{
    if (!Exists())
        return false;
    settings->setValue(name, value);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

QStringList CSettingsStore::ReadList(const QString& name) const
{
    if (!Exists() || !settings->contains(name))
        return {};
    return settings->value(name).toStringList();
}

bool CSettingsStore::WriteList(const QString& name, const QStringList& values)
{
    if (!Exists())
        return false;
    settings->setValue(name, values);
    settings->sync();
    return settings->status() == QSettings::NoError;
}
