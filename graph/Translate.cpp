#include "Translate.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include <string>
#include <vector>

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

} // namespace

QString Tr(const UserText& text)
{
    if (text.Empty())
        return QString();
    std::vector<std::string> fillings;
    for (const UserText::Part& part : text.Parts()) {
        switch (part.kind) {
        case UserText::Part::Kind::Verbatim:
            // Names and paths hold the bytes the platform encodes file names in.
            fillings.push_back(QFile::decodeName(part.verbatim.c_str()).toStdString());
            break;
        case UserText::Part::Kind::Number:
            fillings.push_back(NumberText(part.number, part.decimals).toStdString());
            break;
        case UserText::Part::Kind::Text:
            fillings.push_back(part.text ? Tr(*part.text).toStdString() : std::string());
            break;
        }
    }
    // One pass over the translated pattern, as for English: a filling that
    // holds "%2" stays as it is.
    const QString pattern = QCoreApplication::translate(text.Context(), text.Source());
    return QString::fromStdString(FillPlaceholders(pattern.toStdString(), fillings));
}
