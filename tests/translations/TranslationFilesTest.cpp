// The .ts files against the sources and against what a shipped language
// needs. CompleteTranslations fails while a language still has unfinished
// texts: a language is shipped whole or not at all.
#include "TsFile.h"

#include <Languages.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

namespace {

QString TsPath(const QString& code)
{
    return QStringLiteral(RAMVIK_SOURCE_DIR "/translations/ramvik_%1.ts").arg(code);
}

// Every translated language, English (the sources' own) left out.
QStringList TranslatedLanguages()
{
    QStringList codes;
    for (const Language& language : ShippedLanguages())
        if (language.code != QLatin1String("en"))
            codes << language.code;
    return codes;
}

using MessageKey = std::tuple<QString, QString, QString>; // context, source, comment

std::set<MessageKey> Keys(const std::vector<TsMessage>& messages)
{
    std::set<MessageKey> keys;
    for (const TsMessage& message : messages)
        if (!message.gone)
            keys.emplace(message.context, message.source, message.comment);
    return keys;
}

QString Describe(const MessageKey& key)
{
    return QStringLiteral("%1: \"%2\"").arg(std::get<0>(key), std::get<1>(key));
}

// Each .ts file holds exactly the texts the sources mark now: lupdate, run as
// the build's update_translations target runs it, on a copy of the file,
// would add nothing and remove nothing. A text added or reworded in the
// sources and not yet in the files would stay English in every language.
TEST(TranslationFiles, HoldEveryTextTheSourcesMark)
{
    QTemporaryDir copies;
    ASSERT_TRUE(copies.isValid());
    QStringList arguments = QStringLiteral(RAMVIK_LUPDATE_OPTIONS).split(QLatin1Char('|'));
    arguments << QStringLiteral(RAMVIK_TRANSLATED_FOLDERS).split(QLatin1Char('|'));
    arguments << QStringLiteral("-ts");
    for (const QString& code : TranslatedLanguages()) {
        const QString copy = copies.filePath(QFileInfo(TsPath(code)).fileName());
        ASSERT_TRUE(QFile::copy(TsPath(code), copy)) << code.toStdString();
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        arguments << copy;
    }
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(RAMVIK_SOURCE_DIR));
    lupdate.start(QStringLiteral(RAMVIK_LUPDATE), arguments);
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    for (const QString& code : TranslatedLanguages()) {
        SCOPED_TRACE(code.toStdString());
        QString error;
        const std::set<MessageKey> kept = Keys(ReadTsFile(TsPath(code), error));
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        const std::set<MessageKey> marked
            = Keys(ReadTsFile(copies.filePath(QFileInfo(TsPath(code)).fileName()), error));
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        ASSERT_GT(marked.size(), 100u) << "lupdate found the sources";
        QStringList missing, stale;
        for (const MessageKey& key : marked)
            if (!kept.count(key))
                missing << Describe(key);
        for (const MessageKey& key : kept)
            if (!marked.count(key))
                stale << Describe(key);
        EXPECT_TRUE(missing.isEmpty() && stale.isEmpty())
            << "run: cmake --build build --target update_translations\nmissing:\n  "
            << missing.join("\n  ").toStdString() << "\nno longer in the sources:\n  "
            << stale.join("\n  ").toStdString();
    }
}

// Every language Ramvik offers is complete: no text unfinished or empty, and
// every translation keeps the placeholders of its source, which the program
// fills in. (The menus' keys: CompleteTranslations in the window's tests.)
TEST(CompleteTranslations, EveryTextIsTranslatedWithItsPlaceholders)
{
    for (const QString& code : TranslatedLanguages()) {
        SCOPED_TRACE(code.toStdString());
        QString error;
        const std::vector<TsMessage> messages = ReadTsFile(TsPath(code), error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        const QStringList problems = TranslationProblems(messages);
        EXPECT_TRUE(problems.isEmpty()) << problems.size() << " of " << messages.size()
                                        << " texts:\n  " << problems.join("\n  ").toStdString();
    }
}

// The check above on small hand-made files: it passes a complete one and
// names each fault a translator can make.
TEST(TranslationChecks, PassACompleteFileAndNameEachFault)
{
    const auto ts = [](const char* messages) {
        return QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                          "<TS version=\"2.1\" language=\"de\"><context><name>CWrite</name>")
            + messages + "</context></TS>";
    };
    const struct {
        const char* what;
        const char* messages;
        const char* problem; // null: none
    } rows[] = {
        { "complete, with a plural and a text gone from the sources",
            "<message><source>%1 of %2 cells</source>"
            "<translation>%1 von %2 Zellen</translation></message>"
            "<message numerus=\"yes\"><source>%n differences</source><translation>"
            "<numerusform>%n Unterschied</numerusform><numerusform>%n Unterschiede"
            "</numerusform></translation></message>"
            "<message><source>Old</source><translation type=\"vanished\"></translation>"
            "</message>",
            nullptr },
        { "unfinished",
            "<message><source>Close</source>"
            "<translation type=\"unfinished\">Schließen</translation></message>",
            "CWrite: \"Close\" is unfinished" },
        { "empty", "<message><source>Close</source><translation></translation></message>",
            "CWrite: \"Close\" has no translation" },
        { "a placeholder dropped",
            "<message><source>%1 of %2 cells</source>"
            "<translation>%1 Zellen</translation></message>",
            "CWrite: \"%1 of %2 cells\" needs the placeholders %1 %2, its translation has %1" },
        { "a plural form without its number",
            "<message numerus=\"yes\"><source>%n differences</source><translation>"
            "<numerusform>ein Unterschied</numerusform><numerusform>%n Unterschiede"
            "</numerusform></translation></message>",
            "CWrite: \"%n differences\" needs the placeholders %n, its translation has none" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        QString error;
        const std::vector<TsMessage> messages = ReadTsText(ts(row.messages), error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        const QStringList problems = TranslationProblems(messages);
        if (row.problem)
            EXPECT_EQ(problems, QStringList { row.problem });
        else
            EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
    }
}

} // namespace
