#pragma once

// Runs ramvik-cli and ramvik-boxsim as a user or a script would, and keeps
// the files of one test in a folder of their own.

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace clitest {

// Long enough for a whole write over a pseudo-terminal on a loaded machine;
// a run that needs it has hung.
constexpr int kDeadlineMs = 60000;

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// The tool's standard output goes to outputFile when one is given.
inline CliRun RunCli(const QStringList& arguments, const QString& outputFile = QString())
{
    QProcess process;
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(QStringLiteral(RAMVIK_CLI), arguments);
    CliRun run;
    if (!process.waitForStarted(kDeadlineMs)) {
        run.err = "ramvik-cli did not start";
        return run;
    }
    process.closeWriteChannel();
    if (!process.waitForFinished(kDeadlineMs)) {
        process.kill();
        process.waitForFinished(kDeadlineMs);
        run.err = "ramvik-cli did not end in time";
        return run;
    }
    if (process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

inline void WriteFile(const QString& path, const std::string& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

inline std::string ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

// A project file with CR LF line ends from lines without them.
inline std::string ProjectText(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

// The default project (box type 0) as Save writes it.
inline std::string DefaultProjectText()
{
    return ProjectText({ "ADC = 1", "Start Delay = 1 min 0 sec", "Curve Delay = 200 ", "Volt = 1.5",
        "Off = 4.5", "CRD", "0.000000 0.000000", "1.500000 1.500000", "4.500000 4.500000",
        "5.000000 5.000000" });
}

// A simulated box on a pseudo-terminal, for as long as the object lives.
class BoxsimProcess {
public:
    explicit BoxsimProcess(const QStringList& arguments)
    {
        process.start(QStringLiteral(BOXSIM_PATH), arguments);
        if (!process.waitForStarted(kDeadlineMs))
            return;
        // The first line it prints is the path of its pseudo-terminal.
        QDeadlineTimer deadline(kDeadlineMs);
        while (!process.canReadLine() && process.state() == QProcess::Running
            && !deadline.hasExpired())
            process.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        port = QString::fromLocal8Bit(process.readLine()).trimmed();
    }

    ~BoxsimProcess()
    {
        process.terminate();
        if (!process.waitForFinished(kDeadlineMs))
            process.kill();
        process.waitForFinished(kDeadlineMs);
    }

    QString port; // empty when the box did not come up
    QProcess process;
};

} // namespace clitest
