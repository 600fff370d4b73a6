#include "PseudoTranslator.h"

#include <QStringList>

#include <cmath>

namespace {

// The accented form of a plain vowel; other characters stay.
QChar Accented(QChar c)
{
    static const QString plain = QStringLiteral("aeiouAEIOU");
    static const QString accented = QStringLiteral("âêîôûÂÊÎÔÛ");
    const qsizetype at = plain.indexOf(c);
    return at < 0 ? c : accented[at];
}

bool IsAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// How many characters from i belong to something the program relies on and
// must stay as written: a placeholder, an accelerator, an HTML entity or
// tag. 0 when the character at i is plain text.
qsizetype KeptLength(const QString& line, qsizetype i)
{
    const qsizetype size = line.size();
    const auto at = [&](qsizetype k) { return k < size ? line[k] : QChar(); };
    if (line[i] == u'%') {
        qsizetype k = i + 1;
        if (at(k) == u'n')
            return 2;
        if (at(k) == u'L')
            ++k;
        qsizetype digits = k;
        while (IsAsciiDigit(at(digits)))
            ++digits;
        return digits > k ? digits - i : 0;
    }
    if (line[i] == u'&') {
        qsizetype k = i + 1;
        while (IsAsciiLetter(at(k)) || IsAsciiDigit(at(k)) || at(k) == u'#')
            ++k;
        if (k > i + 1 && at(k) == u';')
            return k + 1 - i; // "&amp;"
        return at(i + 1).isNull() ? 1 : 2; // "&&", or "&S" of "&Save"
    }
    if (line[i] == u'<' && (IsAsciiLetter(at(i + 1)) || at(i + 1) == u'/')) {
        const qsizetype end = line.indexOf(u'>', i);
        if (end > i)
            return end + 1 - i;
    }
    return 0;
}

} // namespace

QString CPseudoTranslator::Pseudo(const QString& text)
{
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        QString pseudo;
        pseudo.reserve(line.size() * 2);
        for (qsizetype i = 0; i < line.size();) {
            if (const qsizetype kept = KeptLength(line, i)) {
                pseudo += line.mid(i, kept);
                i += kept;
            } else {
                pseudo += Accented(line[i]);
                ++i;
            }
        }
        const auto extra = static_cast<qsizetype>(std::ceil(line.size() * 0.4));
        line = pseudo + QString(extra, u'~');
    }
    return lines.join(u'\n');
}

QString CPseudoTranslator::translate(const char*, const char* source, const char*, int) const
{
    return source ? Pseudo(QString::fromUtf8(source)) : QString();
}
