#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Test programs that create widgets or paint run headless, whatever display
// the developer has, and keep their settings in a folder of their own, so a
// test never reads or changes the developer's Ramvik settings.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
