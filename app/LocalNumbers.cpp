#include "LocalNumbers.h"

#include <QLocale>

#include <cmath>

std::optional<double> ReadLocalNumber(const QString& text)
{
    const QLocale locale;
    QString plain = text.trimmed();
    // Into the C locale's form: a point, an ASCII minus.
    plain.replace(locale.decimalPoint(), QStringLiteral("."));
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    plain.replace(locale.negativeSign(), QStringLiteral("-"));
    plain.replace(locale.positiveSign(), QStringLiteral("+"));
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString LocalNumber(double value)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}
