// ramvik-boxsim in its own process keeps what it holds across runs: --load
// before it serves, --save when it is stopped. Transfers and faults over its
// pseudo-terminal are the tool's tests (tests/tools).
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

TEST(Boxsim, SavesEveryCellWhenStopped)
{
    QTemporaryDir dir;
    const QString loaded = dir.filePath("loaded"), saved = dir.filePath("saved");
    std::ofstream(loaded.toStdString()) << "767 5\n\n252 170\n";
    QProcess boxsim;
    boxsim.start(QStringLiteral(BOXSIM_PATH), { "--id", "132", "--load", loaded, "--save", saved });
    // the first line, its pseudo-terminal's path, comes once it serves
    ASSERT_TRUE(boxsim.waitForReadyRead(5000));
    boxsim.terminate();
    ASSERT_TRUE(boxsim.waitForFinished(5000));
    EXPECT_EQ(boxsim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(boxsim.exitCode(), 0);
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_EQ(text.count('\n'), 768);
    for (const char* line : { "\n252 170\n", "\n255 132\n", "\n767 5\n" })
        EXPECT_TRUE(text.contains(line)) << line;
}
