// The window in the user's language: a change reaches every text at once,
// the choice is kept, numbers are shown and taken in the language's way, and
// every language's menus work from the keyboard.
#include "AppTestSupport.h"
#include "PointEntryDlg.h"

#include <Languages.h>
#include <PseudoTranslator.h>

#include <QAbstractSpinBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QRegularExpression>
#include <QTranslator>

namespace {

class WindowLanguage : public AppTest {
protected:
    void TearDown() override
    {
        AppTest::TearDown();
        UseLanguage(QStringLiteral("en"));
    }
    // Switches as View > Language does and lets the change reach the
    // widgets, and the layouts take the texts' new sizes.
    void Speak(const QString& code)
    {
        ASSERT_TRUE(UseLanguage(code));
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
    QAction* LanguageEntry(const char* code)
    {
        return Find<QAction>(qPrintable(QStringLiteral("language_") + code));
    }
};

// Every text a user reads in the window: its widgets' texts, tips and names
// for assistive technology, the menus and their entries, the docks. Numbers,
// file names and the languages' own names carry no words to translate.
QStringList ShownTexts(QMainWindow& window)
{
    QStringList texts;
    const auto add = [&texts](const QString& text) {
        if (text.count(QRegularExpression(QStringLiteral("[A-Za-z]"))) >= 2)
            texts << text;
    };
    for (QWidget* w : window.findChildren<QWidget*>()) {
        // Qt's own (a dock's title buttons) name themselves once, in the
        // language of their start.
        if (!w->isVisibleTo(&window) || qobject_cast<QLineEdit*>(w)
            || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w))
            add(label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w))
            add(group->title());
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                add(combo->itemText(i));
        if (auto* dock = qobject_cast<QDockWidget*>(w))
            add(dock->windowTitle());
        if (auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i)
                add(list->item(i)->text());
        add(w->toolTip());
        add(w->accessibleName());
        add(w->accessibleDescription());
    }
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        add(menu->title());
        emit menu->aboutToShow();
        for (QAction* action : menu->actions()) {
            if (action->objectName().startsWith(QLatin1String("language_")))
                continue;
            if (action->menu())
                walk(action->menu());
            else
                add(action->text()), add(action->statusTip());
        }
    };
    for (QAction* top : window.menuBar()->actions())
        walk(top->menu());
    return texts;
}

// A change of language reaches every text at once, without a restart: the
// panel, the menus, the status line's note, the open compare panel, the
// graph's units and the caption. The made-up language shows what a real
// translation would: each translated text ends in "~".
TEST_F(WindowLanguage, EveryTextFollowsAChangeAtOnce)
{
    StartWithDemoBox();
    ChooseBoxType(2);
    ClickTransfer("compareButton");
    Type("curveDelayEdit", "200.5", Qt::Key_Return); // a note in the status line
    const QString caption = window->windowTitle();
    ASSERT_FALSE(Status().isEmpty());
    const QStringList english = ShownTexts(*window);
    ASSERT_GT(english.size(), 100);

    Speak(kPseudoLanguage);
    QStringList untranslated = ShownTexts(*window).filter(QRegularExpression("^[^~]*$"));
    EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join("\n").toStdString();
    EXPECT_TRUE(Status().endsWith('~')) << Status().toStdString();
    EXPECT_EQ(Graph().xUnit, CPseudoTranslator::Pseudo("V"));
    EXPECT_NE(window->windowTitle(), caption);

    Speak("en");
    EXPECT_EQ(ShownTexts(*window).join('\n').toStdString(), english.join('\n').toStdString());
    EXPECT_EQ(window->windowTitle(), caption);
}

// View > Language speaks the language at once and keeps the choice for the
// next start; the fields write and take numbers in its way and take the
// point as well. "System language" follows the system again (here one
// Ramvik does not speak, so English).
TEST_F(WindowLanguage, TheChoiceIsKeptAndNumbersFollowIt)
{
    EXPECT_TRUE(Find<QAction>("systemLanguage")->isChecked());
    LanguageEntry("de")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(LanguageInUse(), "de");
    EXPECT_TRUE(LanguageEntry("de")->isChecked());
    EXPECT_EQ(QSettings(SettingsFile(), QSettings::IniFormat).value("Language").toString(), "de");
    EXPECT_EQ(CRamvikDlg::StartLanguage(), "de");
    EXPECT_EQ(Text("startVoltageEdit"), "1,5");

    const struct {
        const char* typed;
        double volts;
    } rows[] = { { "1,7", 1.7 }, { "1.6", 1.6 }, { "2,0", 2.0 } };
    for (const auto& row : rows) {
        Type("startVoltageEdit", row.typed, Qt::Key_Return);
        EXPECT_NEAR(Project().startVoltage, row.volts, 1e-9) << row.typed;
    }
    EXPECT_EQ(Text("startVoltageEdit"), "2");
    // "1.500" is 1.5 V, never 1500 V read with a German thousands point.
    Type("stopVoltageEdit", "4.500", Qt::Key_Return);
    EXPECT_NEAR(Project().stopVoltage, 4.5, 1e-9);

    Find<QAction>("systemLanguage")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(LanguageInUse(), "en");
    EXPECT_EQ(CRamvikDlg::StartLanguage(), "en");
    EXPECT_EQ(Text("stopVoltageEdit"), "4.5");
}

// The point entry shows the language's separator and takes both.
TEST_F(WindowLanguage, PointEntryTakesEitherSeparator)
{
    for (const char* code : { "de", "en" }) {
        Speak(code);
        for (const char* typed : { "1,26", "1.26" }) {
            SCOPED_TRACE(std::string(code) + " " + typed);
            CPointEntryDlg entry(Project(), true, 2.0, 2.0, window.get());
            auto* output = entry.findChild<QDoubleSpinBox*>("outputBox");
            output->selectAll();
            QTest::keyClicks(output, typed);
            output->interpretText();
            EXPECT_NEAR(entry.Output(), 1.26, 1e-9);
            EXPECT_EQ(output->text(), code == std::string("de") ? "1,26 V" : "1.26 V");
        }
    }
}

// Every language's menus work from the keyboard: each menu and entry has a
// key of its own in its menu, as the translator placed the "&". (The texts
// themselves: CompleteTranslations in the translations' tests.)
class CompleteTranslations : public WindowLanguage { };

TEST_F(CompleteTranslations, MenuKeysInEveryLanguage)
{
    QDir().mkpath(rootPath + "History"); // Box > Write History shows
    for (const Language& language : ShippedLanguages()) {
        SCOPED_TRACE(language.code.toStdString());
        Speak(language.code);
        Start();
        const QStringList problems = MenuKeyProblems(window->menuBar());
        EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
    }
}

// A translation that gives two entries of one menu the same key: the
// check above names both.
class CSameKeys : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        if (source == QLatin1String("&Undo"))
            return QStringLiteral("&Rückgängig");
        return QString(); // "&Redo" keeps its R
    }
};

TEST_F(WindowLanguage, MenuKeysCheckNamesTwoEntriesWithOneKey)
{
    CSameKeys sameKeys;
    QCoreApplication::installTranslator(&sameKeys);
    QCoreApplication::processEvents();
    const QStringList problems = MenuKeyProblems(window->menuBar());
    QCoreApplication::removeTranslator(&sameKeys);
    EXPECT_EQ(problems,
        QStringList { "menu bar > &Edit > &Redo has the key of menu bar > &Edit > &Rückgängig" });
}

} // namespace
