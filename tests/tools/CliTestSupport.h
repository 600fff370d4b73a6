#pragma once

// Runs ramvik-cli and ramvik-boxsim as a user or a script would.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <ProjectFile.h>
#include <ProjectState.h>
#include <Protocol.h>

#include <gtest/gtest.h>

constexpr int kDeadlineMs = 60000; // a whole write over a pseudo-terminal, on a loaded machine

struct CliRun {
    int exitCode = -1;
    std::string out, err;
};

// Where the tool keeps its write history during a test run, unless a test
// names its own folder: never the user's data folder.
inline QString TestDataHome()
{
    static QTemporaryDir dataHome;
    return dataHome.path();
}

// ramvik-cli, with its standard output going to outputFile when one is given,
// and its data folder (the write history) in dataHome.
inline CliRun RunCli(const QStringList& arguments, const QString& outputFile = QString(),
    const QString& dataHome = TestDataHome())
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    process.setProcessEnvironment(environment);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(QStringLiteral(RAMVIK_CLI), arguments);
    process.closeWriteChannel();
    CliRun run; // a run that hangs is killed when process goes, with exit code -1
    if (process.waitForFinished(kDeadlineMs) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

inline std::string ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// A project file with CR LF line ends from lines without them.
inline std::string ProjectText(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

class CliTest : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString Project(const std::string& text, const char* name = "project.rmvp")
    {
        QFile file(Path(name));
        EXPECT_TRUE(
            file.open(QIODevice::WriteOnly) && file.write(text.c_str()) == qint64(text.size()));
        return Path(name);
    }
    // ramvik-cli on a command line of words, where "@name" is a file of the
    // test's folder and a last ">path" is where standard output goes.
    CliRun Run(const char* line) const
    {
        QStringList words = QString::fromLatin1(line).split(' ', Qt::SkipEmptyParts);
        for (QString& word : words) {
            if (word.startsWith('@'))
                word = dir.filePath(word.mid(1));
        }
        const bool redirected = !words.isEmpty() && words.last().startsWith('>');
        return RunCli(words, redirected ? words.takeLast().mid(1) : QString());
    }
    QTemporaryDir dir; // the test's files
    const std::string defaultText = WriteProjectText(ProjectState()); // as Save writes it
};

// A simulated box for as long as the object lives; the first line it prints is
// the path of its pseudo-terminal.
struct CBoxsimProcess {
    explicit CBoxsimProcess(const QStringList& arguments)
    {
        process.start(QStringLiteral(BOXSIM_PATH), arguments);
        while (!process.canReadLine() && process.waitForReadyRead(kDeadlineMs)) { }
        port = QString::fromLocal8Bit(process.readLine()).trimmed();
        EXPECT_FALSE(port.isEmpty()) << process.readAllStandardError().toStdString();
    }

    ~CBoxsimProcess()
    {
        process.terminate();
        process.waitForFinished(kDeadlineMs);
    }

    QString port;
    QProcess process;
};
