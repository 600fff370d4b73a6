// Which language the program speaks, how it writes numbers in it, and the
// made-up language of the layout checks.
#include <Languages.h>
#include <PseudoTranslator.h>

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

// Switches back to English when a test ends.
struct SpeakEnglishAfter {
    ~SpeakEnglishAfter() { UseLanguage(QStringLiteral("en")); }
};

// The system's languages, most wanted first, as QLocale::uiLanguages gives
// them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
TEST(Languages, TheFirstOfTheUsersLanguagesRamvikSpeaks)
{
    const struct {
        const char* what;
        QStringList wanted;
        const char* spoken;
    } rows[] = {
        { "German from Germany", { "de-DE", "de-Latn-DE", "de" }, "de" },
        { "Brazilian Portuguese", { "pt-BR" }, "pt_BR" },
        { "Portuguese from Portugal takes Brazil's", { "pt-PT", "pt" }, "pt_BR" },
        { "Dutch, then French", { "nl-NL", "nl", "fr-FR" }, "fr" },
        { "British English before German", { "en-GB", "de" }, "en" },
        { "the C locale", { "C" }, "en" },
        { "none at all", {}, "en" },
    };
    for (const auto& row : rows)
        EXPECT_EQ(MatchLanguage(row.wanted), row.spoken) << row.what;
}

// Numbers follow the language: German, French, Spanish, Italian, Polish and
// Brazilian Portuguese write a decimal comma, and none groups thousands, so a
// curve delay of 1500 never reads as "1.500".
TEST(Languages, NumbersAreWrittenAsTheLanguageWritesThem)
{
    for (const Language& language : ShippedLanguages()) {
        SCOPED_TRACE(language.code.toStdString());
        const QLocale locale = LocaleForLanguage(language.code);
        const QString expected
            = language.code == QLatin1String("en") ? QStringLiteral("1500.5") : "1500,5";
        EXPECT_EQ(locale.toString(1500.5, 'f', 1), expected);
    }
}

// Every offered language is built into the program, so it works wherever the
// program is copied; switching sets the locale and refuses what it does not
// know without changing anything.
TEST(Languages, EveryOfferedLanguageIsBuiltIn)
{
    SpeakEnglishAfter english;
    for (const Language& language : ShippedLanguages()) {
        if (language.code == QLatin1String("en"))
            continue;
        SCOPED_TRACE(language.code.toStdString());
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/ramvik_") + language.code));
        EXPECT_EQ(translator.language(), language.code);
        ASSERT_TRUE(UseLanguage(language.code));
        EXPECT_EQ(LanguageInUse(), language.code);
        EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    }
    EXPECT_FALSE(UseLanguage(QStringLiteral("xx")));
    EXPECT_EQ(LanguageInUse(), QStringLiteral("pt_BR"));
}

// Qt's own dialogs (file, print, the buttons of message boxes) speak the
// language too. Qt's translations come with qt6-translations-l10n, which
// scripts/ensure-deps installs: without them the dialogs would stay English.
TEST(Languages, QtsOwnTextsFollowWhereQtHasThem)
{
    SpeakEnglishAfter english;
    const QString qtbase = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm";
    ASSERT_TRUE(QFile::exists(qtbase))
        << qtbase.toStdString() << " is missing: install qt6-translations-l10n";
    UseLanguage(QStringLiteral("de"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    UseLanguage(QStringLiteral("en"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

// The made-up language lengthens and accents each line and keeps what the
// program needs: placeholders, the key after "&", HTML tags and entities.
TEST(PseudoLanguage, LongerAccentedAndKeepsWhatTheProgramNeeds)
{
    const struct {
        const char* source;
        const char* pseudo;
    } rows[] = {
        { "&Save Project", "&Sâvê Prôjêct~~~~~~" },
        { "%1 of %2 cells, %L3 left", "%1 ôf %2 cêlls, %L3 lêft~~~~~~~~~~" },
        { "CR&&&TURBO", "CR&&&TÛRBÔ~~~~" },
        { "<b>CR</b> &amp; USB <-> Serial", "<b>CR</b> &amp; ÛSB <-> Sêrîâl~~~~~~~~~~~~" },
        { "Input:\nOutput", "Înpût:~~~\nÔûtpût~~~" },
    };
    for (const auto& row : rows)
        EXPECT_EQ(
            CPseudoTranslator::Pseudo(QString::fromUtf8(row.source)), QString::fromUtf8(row.pseudo))
            << row.source;
}

} // namespace
