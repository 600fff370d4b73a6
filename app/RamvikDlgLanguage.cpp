#include "RamvikDlg.h"

#include "Languages.h"
#include "Panel.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>

// The window in the user's language: the start language, View > Language,
// and every text anew when the language changes. The dialogs are modal and
// made anew each time, so they come up in the language of the moment and
// need no retranslation of their own.

namespace {

// The keys of View > Language: each language's own name with a key no other
// entry of the menu takes in any of the translations of "&System language",
// which all take "s".
QString MenuName(const Language& language)
{
    const std::pair<const char*, const char*> keyed[] = {
        { "en", "&English" },
        { "de", "&Deutsch" },
        { "fr", "&Français" },
        { "es", "Españo&l" },
        { "it", "&Italiano" },
        { "pl", "&Polski" },
        { "pt_BR", "Português (&Brasil)" },
    };
    for (const auto& [code, name] : keyed)
        if (language.code == QLatin1String(code))
            return QString::fromUtf8(name);
    return language.ownName;
}

} // namespace

QString CRamvikDlg::StartLanguage()
{
    if (qEnvironmentVariableIntValue("RAMVIK_PSEUDO_LANGUAGE") == 1)
        return kPseudoLanguage;
    const QString chosen = LanguageSetting();
    return IsShippedLanguage(chosen) ? chosen : SystemLanguage();
}

QString CRamvikDlg::SystemLanguage()
{
    return MatchLanguage(QLocale::system().uiLanguages());
}

void CRamvikDlg::MakeLanguageMenu(QMenu* menu)
{
    WindowActions& a = actions;
    a.languageGroup = new QActionGroup(this);
    a.systemLanguage = new QAction(this);
    a.systemLanguage->setObjectName(QStringLiteral("systemLanguage"));
    Translated([this] { actions.systemLanguage->setText(tr("&System language")); });
    a.languageGroup->addAction(a.systemLanguage);
    connect(a.systemLanguage, &QAction::triggered, this, [this] { ChooseLanguage(QString()); });
    menu->addAction(a.systemLanguage);
    menu->addSeparator();
    // The names stay as their speakers write them, whatever the window speaks.
    for (const Language& language : ShippedLanguages()) {
        auto* action = new QAction(MenuName(language), this);
        action->setObjectName(QStringLiteral("language_") + language.code);
        action->setData(language.code);
        a.languageGroup->addAction(action);
        a.languages.push_back(action);
        connect(action, &QAction::triggered, this,
            [this, code = language.code] { ChooseLanguage(code); });
        menu->addAction(action);
    }
    for (QAction* action : a.languageGroup->actions())
        action->setCheckable(true);
    const QString chosen = LanguageSetting();
    ShowLanguageChoice(IsShippedLanguage(chosen) ? chosen : QString());
}

void CRamvikDlg::ShowLanguageChoice(const QString& code)
{
    actions.systemLanguage->setChecked(code.isEmpty());
    for (QAction* action : actions.languages)
        action->setChecked(action->data().toString() == code);
}

void CRamvikDlg::ChooseLanguage(const QString& code)
{
    // Where the settings cannot be written, the choice holds for this run.
    StoreLanguageSetting(code);
    ShowLanguageChoice(code);
    UseLanguage(code.isEmpty() ? SystemLanguage() : code);
}

void CRamvikDlg::Translated(std::function<void()> setText)
{
    setText();
    retranslations.push_back(std::move(setText));
}

void CRamvikDlg::Retranslate()
{
    for (const std::function<void()>& setText : retranslations)
        setText();
    TranslatePointCommands();
    ShowStatus(statusText);
    AddAboutToSystemMenu();
    // The caption and the fields' numbers in the new language's way.
    Refresh();
}

void CRamvikDlg::changeEvent(QEvent* event)
{
    // The panel, the graph and the docks follow on their own, as the event
    // reaches every child.
    if (event->type() == QEvent::LanguageChange && panel)
        Retranslate();
    QMainWindow::changeEvent(event);
}
