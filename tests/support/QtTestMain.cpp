#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Test programs that create widgets or paint run headless, whatever display
// and language the developer has, and keep their settings in a folder of
// their own, so a test never reads or changes the developer's Ramvik
// settings.
int main(int argc, char** argv)
{
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    // One screen of 1920 x 1080 pixels, the size the window must fit at every
    // scale; the offscreen platform's own is 800 x 600.
    const QString screens = home.path() + "/screens.json";
    QFile screenFile(screens);
    if (!screenFile.open(QIODevice::WriteOnly))
        return 2;
    screenFile.write(R"({ "screens": [ { "name": "screen", "x": 0, "y": 0,
        "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] })");
    screenFile.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    // The same system language on every machine, one Ramvik does not speak:
    // the window starts in English, and a test that wants another language
    // chooses it.
    qputenv("LC_ALL", "C.UTF-8");
    qunsetenv("LANGUAGE");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
