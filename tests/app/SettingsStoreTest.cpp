#include "AppTestSupport.h"

#include <QFileInfo>
#include <QProcess>

namespace {

const QString kKeysNotFound = "Register Keys not found!\n\nPlease reinstall the program. The "
                              "default values will be loaded.";
const QString kKeyNotFound = "A register key was not found!\n\nPlease reinstall the program to "
                             "correct this error. The default value for this setting will be "
                             "loaded.";

using Settings = AppTest;

// Each failure is announced and the defaults load; with no settings at all,
// no change creates them.
TEST_F(Settings, MissingKeyOrValuesAreAnnouncedAndDefaultsLoaded)
{
    struct Row {
        const char* what;
        bool keyExists;
        std::optional<QString> root;
        int keysNotFound, keyNotFound;
    };
    const Row rows[] = {
        { "no settings at all", false, {}, 1, 0 },
        { "no values", true, {}, 0, 3 },
        { "no settings code", true, QString("/opt/r"), 0, 1 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        if (row.keyExists) {
            Start(std::nullopt, row.root);
        } else {
            NewConfigFolder();
            Start();
        }
        EXPECT_EQ(messages.count(kKeysNotFound), row.keysNotFound);
        EXPECT_EQ(messages.count(kKeyNotFound), row.keyNotFound);
        EXPECT_EQ(Project().rootPath, row.root ? "/opt/r/" : ""); // the separator added
        EXPECT_EQ(Project().boxType, 0);
        EXPECT_EQ(Project().graphType, 1);
        if (!row.keyExists) {
            ChooseBoxType(2);
            Click("differenceCheck");
            EXPECT_FALSE(QFile::exists(SettingsFile()));
        }
    }
}

// The settings code's rules are the project's; the window stores the code
// at each change and shows it again after a restart.
TEST_F(Settings, BoxTypeAndViewAreStoredAndRemembered)
{
    ChooseBoxType(2);
    Click("differenceCheck");
    EXPECT_EQ(QSettings(SettingsFile(), QSettings::IniFormat).value("USB").toString(), "2");

    Start(); // a restart
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Find<QComboBox>("boxTypeCombo")->currentIndex(), 2);
    EXPECT_TRUE(Checked("differenceCheck"));
    EXPECT_TRUE(window->windowTitle().startsWith("Common Rail & Turbo"));
    EXPECT_EQ(
        QSettings(SettingsFile(), QSettings::IniFormat).value("RootPath").toString(), rootPath);
}

// What the installer does for a newcomer: the first start finds the settings,
// the project folder and the logo, and shows no message.
TEST_F(Settings, PreparedSettingsNeedNoMessage)
{
    NewConfigFolder();
    QProcess prepare;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", dataDir.path() + "/odd \"name\", with\\ space");
    prepare.setProcessEnvironment(environment);
    prepare.start("bash", { QStringLiteral(RAMVIK_SOURCE_DIR "/scripts/prepare-settings") });
    ASSERT_TRUE(prepare.waitForFinished(30000));
    ASSERT_EQ(prepare.exitCode(), 0) << prepare.readAllStandardError().toStdString();
    Start();
    EXPECT_TRUE(messages.empty());
    const QString root = dataDir.path() + "/odd \"name\", with\\ space/Ramvik/";
    EXPECT_EQ(QString::fromStdString(Project().rootPath), root);
    EXPECT_TRUE(QFileInfo(root + "Projects").isDir());
    EXPECT_TRUE(QFileInfo(root + "logo.bmp").isFile());
}

} // namespace
