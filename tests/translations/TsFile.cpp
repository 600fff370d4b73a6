#include "TsFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <set>

namespace {

std::set<QString> Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(L?[1-9][0-9]?|n)"));
    std::set<QString> found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found.insert(match.captured().remove(QLatin1Char('L')));
    return found;
}

QString Joined(const std::set<QString>& placeholders)
{
    QStringList list(placeholders.begin(), placeholders.end());
    return list.isEmpty() ? QStringLiteral("none") : list.join(QLatin1Char(' '));
}

void ReadTranslation(QXmlStreamReader& xml, TsMessage& message)
{
    const QStringView type = xml.attributes().value(QStringLiteral("type"));
    message.unfinished = type == QLatin1String("unfinished");
    message.gone = type == QLatin1String("vanished") || type == QLatin1String("obsolete");
    QString text;
    while (xml.readNext() != QXmlStreamReader::Invalid) {
        if (xml.isEndElement() && xml.name() == QLatin1String("translation"))
            break;
        if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
            message.translations << xml.readElementText();
        else if (xml.isCharacters())
            text += xml.text();
    }
    if (message.translations.isEmpty())
        message.translations << text;
}

TsMessage ReadMessage(QXmlStreamReader& xml, const QString& context)
{
    TsMessage message;
    message.context = context;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source"))
            message.source = xml.readElementText();
        else if (xml.name() == QLatin1String("comment"))
            message.comment = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            ReadTranslation(xml, message);
        else
            xml.skipCurrentElement();
    }
    return message;
}

} // namespace

std::vector<TsMessage> ReadTsText(const QByteArray& text, QString& error)
{
    std::vector<TsMessage> messages;
    QXmlStreamReader xml(text);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("TS")) {
        error = QStringLiteral("no <TS> element");
        return {};
    }
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("context")) {
            xml.skipCurrentElement();
            continue;
        }
        QString context;
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("message"))
                messages.push_back(ReadMessage(xml, context));
            else
                xml.skipCurrentElement();
        }
    }
    if (xml.hasError()) {
        error = xml.errorString();
        return {};
    }
    return messages;
}

std::vector<TsMessage> ReadTsFile(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return {};
    }
    return ReadTsText(file.readAll(), error);
}

QStringList TranslationProblems(const std::vector<TsMessage>& messages)
{
    QStringList problems;
    for (const TsMessage& message : messages) {
        if (message.gone)
            continue;
        const QString where = QStringLiteral("%1: \"%2\"").arg(message.context, message.source);
        if (message.unfinished) {
            problems << where + QStringLiteral(" is unfinished");
            continue;
        }
        const std::set<QString> wanted = Placeholders(message.source);
        for (const QString& translation : message.translations) {
            if (translation.trimmed().isEmpty()) {
                problems << where + QStringLiteral(" has no translation");
                continue;
            }
            const std::set<QString> kept = Placeholders(translation);
            if (kept != wanted)
                problems << where
                        + QStringLiteral(" needs the placeholders %1, its translation has %2")
                              .arg(Joined(wanted), Joined(kept));
        }
    }
    return problems;
}
