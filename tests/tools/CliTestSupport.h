#pragma once

// Runs ramvik-cli and ramvik-boxsim as a user or a script would.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <ProjectFile.h>
#include <ProjectState.h>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

constexpr int kDeadlineMs = 60000; // a whole write over a pseudo-terminal, on a loaded machine

struct CliRun {
    int exitCode = -1;
    std::string out, err;
};

// How a program runs, besides its arguments.
struct RunOptions {
    QString systemRoot; // a fake machine whose sysfs, /dev and /proc the tool reads
    bool unprivileged = false; // as the user nobody when the suite runs as root
    int deadlineMs = kDeadlineMs; // then the run counts as hanging and is killed
    QString workingDirectory; // empty: the test's own
    QByteArray input; // standard input
    QString data = "data"; // the data folder (the write history's) in the test's folder
    QString language; // LANG and LC_ALL of the run ("de_DE.UTF-8"); empty: the suite's
};

// The options of a run whose data folder (the write history's) is another.
inline RunOptions WithDataFolder(const QString& data)
{
    RunOptions options;
    options.data = data;
    return options;
}

inline bool StartsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

inline std::string ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

class CliTest : public ::testing::Test {
protected:
    CliTest()
    {
        // Some tests run the tool as the unprivileged user, who must reach the
        // project, the fake machine and the outputs.
        EXPECT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString Project(const std::string& text, const char* name = "project.rmvp")
    {
        QFile file(Path(name));
        EXPECT_TRUE(
            file.open(QIODevice::WriteOnly) && file.write(text.c_str()) == qint64(text.size()));
        return Path(name);
    }
    // A program with its data folder (the tool's write history) in the test's
    // folder, never the user's.
    CliRun RunProgram(QString program, QStringList arguments, const RunOptions& options = {}) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", dir.filePath(options.data));
        if (!options.systemRoot.isEmpty())
            environment.insert("RAMVIK_SYSTEM_ROOT", options.systemRoot);
        if (!options.language.isEmpty()) {
            environment.insert("LANG", options.language);
            environment.insert("LC_ALL", options.language);
        }
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(options.workingDirectory);
        if (options.unprivileged && geteuid() == 0) {
            arguments = QStringList { "--reuid=65534", "--regid=65534", "--clear-groups", program }
                + arguments;
            program = "setpriv";
        }
        process.start(program, arguments);
        if (!options.input.isEmpty() && process.waitForStarted(kDeadlineMs))
            process.write(options.input);
        process.closeWriteChannel();
        CliRun run; // a run that hangs is killed when process goes, with exit code -1
        if (process.waitForFinished(options.deadlineMs)
            && process.exitStatus() == QProcess::NormalExit)
            run.exitCode = process.exitCode();
        run.out = process.readAllStandardOutput().toStdString();
        run.err = process.readAllStandardError().toStdString();
        return run;
    }
    CliRun RunCli(const QStringList& arguments, const RunOptions& options = {}) const
    {
        return RunProgram(RAMVIK_CLI, arguments, options);
    }
    // ramvik-cli whose process id is in pidFile before it starts, for a box
    // that signals it (ramvik-boxsim --signal).
    CliRun RunCliWithPidFile(
        const QString& pidFile, const QStringList& arguments, const RunOptions& options = {}) const
    {
        return RunProgram("sh",
            QStringList { "-c", "echo $$ > \"$0\" && exec \"$@\"", pidFile, RAMVIK_CLI }
                + arguments,
            options);
    }
    // ramvik-cli on a command line of words, where "@name" is a file of the
    // test's folder.
    CliRun Run(const char* line, const RunOptions& options = {}) const
    {
        QStringList words = QString::fromLatin1(line).split(' ', Qt::SkipEmptyParts);
        for (QString& word : words) {
            if (word.startsWith('@'))
                word = dir.filePath(word.mid(1));
        }
        return RunCli(words, options);
    }
    QTemporaryDir dir; // the test's files
    const std::string defaultText = WriteProjectText(ProjectState()); // as Save writes it
};

// A simulated box for as long as the object lives; the first line it prints is
// the path of its pseudo-terminal.
struct CBoxsimProcess {
    explicit CBoxsimProcess(const QStringList& arguments)
    {
        process.start(BOXSIM_PATH, arguments);
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
