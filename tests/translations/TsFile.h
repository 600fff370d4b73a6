#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// One message of a Qt Linguist .ts file, as lupdate writes it and
// translators fill it in.
struct TsMessage {
    QString context;
    QString source;
    QString comment; // the disambiguation, if any
    QStringList translations; // one, or one per plural form
    bool unfinished = false; // type="unfinished"
    bool gone = false; // type="vanished" or "obsolete": no longer in the sources
};

// The messages of a .ts file; empty with the reason in error when it cannot
// be read.
std::vector<TsMessage> ReadTsFile(const QString& path, QString& error);
std::vector<TsMessage> ReadTsText(const QByteArray& xml, QString& error);

// What keeps a language from being shipped, one line per fault: a text not
// translated or marked unfinished, a translation that drops or adds a
// placeholder (%1, %L2, %n) of its source. Texts gone from the sources do
// not count.
QStringList TranslationProblems(const std::vector<TsMessage>& messages);
