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

TEST_F(Settings, CodesChooseBoxTypeAndViewAndIgnoreAnUnknownType)
{
    struct Row {
        const char* what;
        const char* code;
        int boxType;
        bool inputOutput;
    };
    const Row rows[] = {
        { "CR&TURBO, input-output", "12", 2, true },
        { "one CR input, input-output", "10", 0, true },
        { "unknown box type 7", "7", 0, false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Start(QString(row.code), rootPath);
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(Project().boxType, row.boxType);
        EXPECT_EQ(Project().graphType, row.inputOutput ? 1 : 0);
        EXPECT_EQ(Find<QComboBox>("boxTypeCombo")->currentIndex(), row.boxType);
        EXPECT_EQ(Checked("inputOutputCheck"), row.inputOutput);
        EXPECT_EQ(window->windowTitle().startsWith("Common Rail & Turbo"), row.boxType == 2);
    }
}

// Each failure is announced; the defaults load; no change creates the key.
TEST_F(Settings, MissingKeyOrValuesAreAnnouncedAndDefaultsLoaded)
{
    struct Row {
        const char* what;
        bool keyExists;
        std::optional<QString> root, code;
        int keysNotFound, keyNotFound;
    };
    const Row rows[] = {
        { "no settings at all", false, {}, {}, 1, 0 },
        { "no values", true, {}, {}, 0, 3 },
        { "no root path", true, {}, QString("2"), 0, 2 },
        { "no settings code", true, QString("/opt/r"), {}, 0, 1 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        if (row.keyExists) {
            Start(row.code, row.root);
        } else {
            NewConfigFolder();
            Start();
        }
        EXPECT_EQ(messages.count(kKeysNotFound), row.keysNotFound);
        EXPECT_EQ(messages.count(kKeyNotFound), row.keyNotFound);
        EXPECT_EQ(Project().rootPath, row.root ? "/opt/r/" : ""); // the separator added
        EXPECT_EQ(Inside().LogoPath(), row.root ? "/opt/r" : "");
        EXPECT_EQ(Project().boxType, row.code ? 2 : 0);
        EXPECT_EQ(Project().graphType, row.code ? 0 : 1);
        EXPECT_EQ(Find<QComboBox>("boxTypeCombo")->currentIndex(), row.code ? 2 : 0);
        if (!row.keyExists) {
            ChooseBoxType(2);
            Click("differenceCheck");
            EXPECT_FALSE(QFile::exists(SettingsFile()));
        }
    }
}

TEST_F(Settings, BoxTypeAndViewAreStoredAndRemembered)
{
    auto stored = [this] {
        return QSettings(SettingsFile(), QSettings::IniFormat).value("USB").toString();
    };
    ChooseBoxType(1);
    EXPECT_EQ(stored(), "11");
    Click("differenceCheck");
    EXPECT_EQ(stored(), "1");
    ChooseBoxType(2);
    EXPECT_EQ(stored(), "2");
    Click("inputOutputCheck");
    EXPECT_EQ(stored(), "12");
    Click("differenceCheck");
    EXPECT_EQ(stored(), "2");

    Start(); // a restart
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Project().boxType, 2);
    EXPECT_TRUE(Checked("differenceCheck"));
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
