#pragma once

#include <QString>

// Finds the serial device of the box's USB converter by the product string its
// USB descriptor carries ("USB <-> Serial").
//
// On Linux the string is the file `product` of the USB device above the tty in
// sysfs; Qt's port description there comes from udev with '<', '>' and blanks
// mangled, so it is only the fallback. sysRoot lets tests stand up a fake
// sysfs tree; devRoot is where the device nodes live.
QString FindPortByProduct(const QString& product, const QString& sysRoot = QStringLiteral("/sys"),
    const QString& devRoot = QStringLiteral("/dev"));
