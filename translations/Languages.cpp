#include "Languages.h"

#include "PseudoTranslator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

// What UseLanguage installed, parented to the application (so they go with
// it); null when the language needed none.
struct InstalledLanguage {
    QString code = QStringLiteral("en");
    QPointer<QTranslator> own;
    QPointer<QTranslator> qt;
};

InstalledLanguage& Installed()
{
    static InstalledLanguage installed;
    return installed;
}

void Remove(QPointer<QTranslator>& translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    translator = nullptr;
}

// A translator of the file, or null when it is missing or unreadable.
QTranslator* Load(const QString& file, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

const std::vector<Language>& ShippedLanguages()
{
    static const std::vector<Language> languages {
        { QStringLiteral("en"), QStringLiteral("English") },
        { QStringLiteral("de"), QStringLiteral("Deutsch") },
        { QStringLiteral("fr"), QStringLiteral("Français") },
        { QStringLiteral("es"), QStringLiteral("Español") },
        { QStringLiteral("it"), QStringLiteral("Italiano") },
        { QStringLiteral("pl"), QStringLiteral("Polski") },
        { QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)") },
    };
    return languages;
}

bool IsShippedLanguage(const QString& code)
{
    for (const Language& language : ShippedLanguages())
        if (language.code == code)
            return true;
    return false;
}

QString ShippedLanguageCodes()
{
    QStringList codes;
    for (const Language& language : ShippedLanguages())
        codes << language.code;
    return codes.join(QStringLiteral(", "));
}

QString MatchLanguage(const QStringList& uiLanguages)
{
    for (QString wanted : uiLanguages) {
        wanted.replace(u'-', u'_');
        const QString language = wanted.section(u'_', 0, 0);
        QString sameLanguage;
        for (const Language& shipped : ShippedLanguages()) {
            if (shipped.code.compare(wanted, Qt::CaseInsensitive) == 0)
                return shipped.code;
            if (shipped.code.section(u'_', 0, 0).compare(language, Qt::CaseInsensitive) == 0
                && (sameLanguage.isEmpty() || !shipped.code.contains(u'_')))
                sameLanguage = shipped.code;
        }
        if (!sameLanguage.isEmpty())
            return sameLanguage;
    }
    return QStringLiteral("en");
}

QLocale LocaleForLanguage(const QString& code)
{
    const QLocale wanted(code == kPseudoLanguage ? QStringLiteral("en") : code);
    const QLocale system = QLocale::system();
    const bool sameTerritory = !code.contains(u'_') || system.territory() == wanted.territory();
    QLocale locale = system.language() == wanted.language() && sameTerritory ? system : wanted;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

bool UseLanguage(const QString& code)
{
    if (!IsShippedLanguage(code) && code != kPseudoLanguage)
        return false;
    InstalledLanguage& installed = Installed();
    Remove(installed.own);
    Remove(installed.qt);
    // The locale first: the LanguageChange handlers write numbers anew.
    QLocale::setDefault(LocaleForLanguage(code));
    installed.code = code;
    if (code == kPseudoLanguage) {
        installed.own = new CPseudoTranslator(QCoreApplication::instance());
    } else if (code != QStringLiteral("en")) {
        installed.qt = Load(
            QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        installed.own = Load(QStringLiteral("ramvik_") + code, QStringLiteral(":/i18n"));
    }
    // Installing sends every widget QEvent::LanguageChange; English, which
    // installs nothing, has to say so itself.
    for (QTranslator* translator : { installed.qt.data(), installed.own.data() })
        if (translator)
            QCoreApplication::installTranslator(translator);
    if (!installed.own) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    }
    return true;
}

QString LanguageInUse()
{
    return Installed().code;
}
