#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

// The languages Ramvik speaks, and the switch between them. Only on the
// thread of the QCoreApplication, which must exist.

struct Language {
    QString code; // "en", "de", "pt_BR": the .qm file's suffix and a locale name
    QString ownName; // as its speakers write it: "Deutsch", "Português (Brasil)"
};

// English (the language the texts are written in) first, then the
// translations built into the program.
const std::vector<Language>& ShippedLanguages();
bool IsShippedLanguage(const QString& code);
// "en, de, fr, es, it, pl, pt_BR"
QString ShippedLanguageCodes();

// Every text 40 % longer and accented, for checking layouts (see
// PseudoTranslator.h). Never in a menu.
inline const QString kPseudoLanguage = QStringLiteral("pseudo");

// The first of the user's languages, most wanted first as
// QLocale::uiLanguages gives them ("de-DE", "de"), that Ramvik speaks:
// the language and territory ("pt-BR"), else the language alone ("de-AT"
// gives "de"), else another territory's form of it ("pt-PT" gives "pt_BR").
// English when none is spoken.
QString MatchLanguage(const QStringList& uiLanguages);

// How numbers are written in the language: the system's own way where the
// system speaks that language (a Swiss German system keeps its decimal
// point), else the language's usual country's; never with group separators,
// so 1500 stays "1500".
QLocale LocaleForLanguage(const QString& code);

// Makes the program speak the language from now on: Ramvik's translation
// and Qt's own for its standard dialogs (qtbase_XX.qm from Qt's translations
// folder; where a platform's Qt has none they stay English) replace those
// this installed before, and QLocale's default becomes the language's
// locale, so numbers follow. Every widget receives QEvent::LanguageChange.
// False, and nothing changes, for a code that is neither shipped nor the
// pseudo language.
bool UseLanguage(const QString& code);
// The language UseLanguage last made current; "en" before.
QString LanguageInUse();
