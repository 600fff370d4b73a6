#include "AppTestSupport.h"

#include <QFileInfo>
#include <QProcess>

namespace {

// The settings the window starts from.
using Settings = AppTest;

// Each failure is announced and the defaults load.
TEST_F(Settings, MissingKeyOrValuesAreAnnouncedAndDefaultsLoaded)
{
    struct Row {
        const char* what;
        std::optional<QByteArray> values; // none: no settings at all
        int keysNotFound, keyNotFound;
        const char* root;
    };
    const Row rows[] = {
        { "no settings at all", std::nullopt, 1, 0, "" },
        { "no settings code", "RootPath=/opt/r\n", 0, 1, "/opt/r/" }, // the separator added
        // read whole by the settings store, up to 4 GB
        { "a file larger than settings can be, unread",
            "RootPath=/opt/r\nUSB=12\n" + QByteArray(1 << 20, '\n'), 1, 0, "" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        if (row.values) {
            Start(*row.values);
        } else {
            NewConfigFolder();
            Start();
        }
        EXPECT_EQ(messages.filter("Register Keys not found!").size(), row.keysNotFound);
        EXPECT_EQ(messages.filter("A register key was not found!").size(), row.keyNotFound);
        EXPECT_EQ(Project().rootPath, row.root);
        EXPECT_EQ(Project().boxType, 0);
        EXPECT_EQ(Project().graphType, 1);
    }
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
