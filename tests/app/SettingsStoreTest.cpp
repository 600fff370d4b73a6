#include "FilesTestSupport.h"

#include <QComboBox>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

const QString kKeysNotFound = "Register Keys not found!\n\nPlease reinstall the program. The "
                              "default values will be loaded.";
const QString kKeyNotFound = "A register key was not found!\n\nPlease reinstall the program to "
                             "correct this error. The default value for this setting will be "
                             "loaded.";

using Settings = FilesFixture;

TEST_F(Settings, CodesChooseBoxTypeAndView)
{
    struct Case {
        const char* code;
        int boxType;
        bool inputOutput;
        const char* caption;
    };
    const Case cases[] = {
        { "12", 2, true, "Common Rail & Turbo Tuning - untitled.rmvp" },
        { "2", 2, false, "Common Rail & Turbo Tuning - untitled.rmvp" },
        { "10", 0, true, "Common Rail Tuning - untitled.rmvp" },
        { "11", 1, true, "Common Rail Tuning - untitled.rmvp" },
        // A box type outside the list keeps the default box type.
        { "7", 0, false, "Common Rail Tuning - untitled.rmvp" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        WriteSettings(rootPath, QString(c.code));
        Start();
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(window->project.boxType, c.boxType);
        EXPECT_EQ(window->project.turboEnabled, c.boxType == 2);
        EXPECT_EQ(window->project.oneInput + 2 * window->project.twoInputs, c.boxType == 1 ? 2 : 1);
        EXPECT_EQ(window->project.graphType, c.inputOutput ? 1 : 0);
        EXPECT_EQ(Find<QComboBox>("boxTypeCombo")->currentIndex(), c.boxType);
        EXPECT_EQ(Find<QCheckBox>("inputOutputCheck")->isChecked(), c.inputOutput);
        EXPECT_EQ(Find<QCheckBox>("differenceCheck")->isChecked(), !c.inputOutput);
        EXPECT_EQ(Find<QWidget>("editTurboCheck")->isEnabled(), c.boxType == 2);
        EXPECT_EQ(window->windowTitle(), c.caption);
        EXPECT_EQ(window->project.rootPath, rootPath.toStdString());
        EXPECT_EQ(window->logoPath, rootPath.toStdString());
    }
}

// Every failure to read is announced, and start-up goes on with the defaults
// (box type 0, input-output view).
TEST_F(Settings, MissingKeyOrValuesAreAnnouncedAndDefaultsLoaded)
{
    struct Case {
        const char* name;
        bool keyExists;
        std::optional<QString> root;
        std::optional<QString> code;
        int keysNotFound, keyNotFound;
        bool rootRead, codeRead;
    };
    const Case cases[] = {
        { "no key", false, {}, {}, 1, 0, false, false },
        { "empty key", true, {}, {}, 0, 3, false, false },
        { "no RootPath", true, {}, QString("2"), 0, 2, false, true },
        { "no USB", true, QString("/opt/r/"), {}, 0, 1, true, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.keyExists)
            WriteSettings(c.root, c.code);
        else
            NewConfigFolder();
        Start();
        EXPECT_EQ(CountMessages(kKeysNotFound), c.keysNotFound);
        EXPECT_EQ(CountMessages(kKeyNotFound), c.keyNotFound);
        for (const Message& m : messages)
            EXPECT_EQ(m.icon, QMessageBox::Critical);
        EXPECT_EQ(window->project.rootPath, c.rootRead ? "/opt/r/" : "");
        EXPECT_EQ(window->logoPath, c.rootRead ? "/opt/r/" : "");
        EXPECT_EQ(window->project.boxType, c.codeRead ? 2 : 0);
        EXPECT_EQ(window->project.graphType, c.codeRead ? 0 : 1);
        EXPECT_EQ(window->windowTitle().endsWith("untitled.rmvp"), true);
        EXPECT_EQ(Find<QComboBox>("boxTypeCombo")->currentIndex(), c.codeRead ? 2 : 0);
    }
}

TEST_F(Settings, BoxTypeAndViewAreStoredAndRemembered)
{
    WriteSettings(rootPath, QString("10"));
    Start();
    auto* combo = Find<QComboBox>("boxTypeCombo");
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    EXPECT_EQ(StoredCode(), "11");
    Click("differenceCheck");
    EXPECT_EQ(StoredCode(), "1");
    Click("differenceCheck"); // refused: the view is already shown
    EXPECT_EQ(StoredCode(), "1");
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    EXPECT_EQ(StoredCode(), "2");
    Click("inputOutputCheck");
    EXPECT_EQ(StoredCode(), "12");
    Click("differenceCheck");
    EXPECT_EQ(StoredCode(), "2");

    Start(); // a restart
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(window->project.boxType, 2);
    EXPECT_EQ(window->project.graphType, 0);
    EXPECT_TRUE(Find<QCheckBox>("differenceCheck")->isChecked());
    // The installer's value is left as it was.
    QSettings settings(SettingsFile(), QSettings::IniFormat);
    EXPECT_EQ(settings.value("RootPath").toString(), rootPath);
}

// The program never creates the key: that stays the installer's job, and the
// next start still says that it is missing.
TEST_F(Settings, MissingKeyIsNotCreatedByAChange)
{
    Start();
    auto* combo = Find<QComboBox>("boxTypeCombo");
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    Click("differenceCheck");
    EXPECT_FALSE(QFile::exists(SettingsFile()));
    Start();
    EXPECT_EQ(CountMessages(kKeysNotFound), 1);
    EXPECT_EQ(window->project.boxType, 0);
}

// Paths longer than the old 255-byte buffer, with blanks, commas and
// non-ASCII letters, arrive whole.
TEST_F(Settings, RootPathArrivesWhole)
{
    const QString root = "/srv/Werkstatt Müller, Süd/" + QString(300, 'x') + "/";
    WriteSettings(root, QString("12"));
    Start();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(QString::fromStdString(window->project.rootPath), root);
    EXPECT_EQ(QString::fromStdString(window->logoPath), root);
}

// What the installer does for a newcomer: the first start finds the settings,
// the project folder and a first settings code, and shows no message.
TEST_F(Settings, PreparedSettingsNeedNoMessage)
{
    const QString script
        = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../scripts/prepare-settings";
    const QString dataHome = dataDir.path() + "/odd \"name\", with\\ \u00fc; and more";
    auto prepare = [&] {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", configHome);
        environment.insert("XDG_DATA_HOME", dataHome);
        process.setProcessEnvironment(environment);
        process.start("bash", { script, "build" });
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    };
    NewConfigFolder();
    prepare();
    Start();
    EXPECT_TRUE(messages.empty());
    const QString root = dataHome + "/Ramvik/";
    EXPECT_EQ(QString::fromStdString(window->project.rootPath), root);
    EXPECT_TRUE(QFileInfo(root + "Projects").isDir());
    EXPECT_EQ(window->project.graphType, 1);

    // A second run keeps what the user has (the stored code included).
    Click("differenceCheck");
    prepare();
    Start();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(window->project.graphType, 0);
    EXPECT_EQ(QString::fromStdString(window->project.rootPath), root);
}

TEST_F(Settings, RootPathGetsItsFinalSeparator)
{
    WriteSettings(QString("/opt/ramvik"), QString("10"));
    Start();
    EXPECT_EQ(window->project.rootPath, "/opt/ramvik/");
    EXPECT_EQ(window->logoPath, "/opt/ramvik");
}

} // namespace
