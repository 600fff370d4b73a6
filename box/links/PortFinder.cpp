#include "PortFinder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace {

// The USB device directory lies a few levels above the tty's device link
// (interface, then device); no tty is nested deeper than this.
constexpr int maxLevelsUp = 4;

QString ReadProduct(const QString& usbDeviceDir)
{
    QFile file(usbDeviceDir + QStringLiteral("/product"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll()).trimmed();
}

QString FindInSysfs(const QString& product, const QString& sysRoot, const QString& devRoot)
{
    const QDir ttys(sysRoot + QStringLiteral("/class/tty"));
    const QStringList names
        = ttys.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    for (const QString& name : names) {
        const QString device
            = QFileInfo(ttys.filePath(name) + QStringLiteral("/device")).canonicalFilePath();
        if (device.isEmpty())
            continue; // a virtual terminal: no hardware behind it
        QDir dir(device);
        for (int level = 0; level <= maxLevelsUp; ++level) {
            if (QFile::exists(dir.filePath(QStringLiteral("product")))) {
                if (ReadProduct(dir.path()) == product)
                    return devRoot + QLatin1Char('/') + name;
                break;
            }
            if (!dir.cdUp())
                break;
        }
    }
    return QString();
}

} // namespace

QString FindPortByProduct(const QString& product, const QString& sysRoot, const QString& devRoot)
{
#ifdef __linux__
    const QString found = FindInSysfs(product, sysRoot, devRoot);
    if (!found.isEmpty())
        return found;
#else
    Q_UNUSED(sysRoot);
    Q_UNUSED(devRoot);
#endif
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : ports) {
        if (info.description() == product)
            return info.systemLocation();
    }
    return QString();
}
