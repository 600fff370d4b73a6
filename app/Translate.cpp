#include "Translate.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QStringList>

namespace {
QString NumberText(double value, int decimals)
{
    const QLocale locale;
    if (decimals >= 0)
        return locale.toString(value, 'f', decimals);
    // Up to six significant digits, without the locale's group separators
    // ("300", not "300.0" or "1,234").
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 6);
}

// Fills %1 to %9 in one pass, as FillPlaceholders does for English.
QString Fill(const QString& pattern, const QStringList& fillings)
{
    QString filled;
    filled.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar next = i + 1 < pattern.size() ? pattern[i + 1] : QChar();
        if (pattern[i] == QLatin1Char('%') && next >= QLatin1Char('1')
            && next <= QLatin1Char('9')) {
            const qsizetype index = next.unicode() - '1';
            if (index < fillings.size()) {
                filled += fillings[index];
                ++i;
                continue;
            }
        }
        filled += pattern[i];
    }
    return filled;
}
} // namespace

QString Tr(const UserText& text)
{
    if (text.Empty())
        return QString();
    QStringList fillings;
    for (const UserText::Part& part : text.Parts()) {
        switch (part.kind) {
        case UserText::Part::Kind::Verbatim:
            // Names and paths hold the bytes the platform encodes file names in.
            fillings << QFile::decodeName(part.verbatim.c_str());
            break;
        case UserText::Part::Kind::Number:
            fillings << NumberText(part.number, part.decimals);
            break;
        case UserText::Part::Kind::Text:
            fillings << (part.text ? Tr(*part.text) : QString());
            break;
        }
    }
    return Fill(QCoreApplication::translate(text.Context(), text.Source()), fillings);
}
