#include <QApplication>
#include <gtest/gtest.h>

// Test programs that create widgets or paint run headless, whatever display
// the developer has.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
