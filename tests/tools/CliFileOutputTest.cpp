// Where ramvik-cli's outputs land: `read`, `pdf -o` and `png -o` into FIFOs,
// links, standard output, read-only files, names that are not UTF-8 and a
// nearly full disk. What the file writer itself does: tests/files.

#include "CliTestSupport.h"

#include <FifoReading.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace {

// One of the commands that write a file, and how its output starts.
struct OutputCommand {
    const char* name;
    QStringList arguments; // OUT stands for the output, @project for the project file
    std::string start;
};

const OutputCommand kOutputCommands[] = {
    { "read from the demo box", { "read", "OUT", "--demo-box" }, "ADC = 1\r\n" },
    { "pdf", { "pdf", "@project", "-o", "OUT" }, "%PDF-" },
    { "png", { "png", "@project", "-o", "OUT" }, "\x89PNG" },
};

bool HasType(const QString& path, mode_t type)
{
    struct stat status { };
    return lstat(QFile::encodeName(path).constData(), &status) == 0
        && (status.st_mode & S_IFMT) == type;
}

class CliFileOutput : public CliTest {
protected:
    void SetUp() override
    {
        project = Project(defaultText);
        // The unprivileged user must reach the project and the outputs.
        ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    }

    QStringList Arguments(const OutputCommand& command, const QString& output) const
    {
        QStringList arguments;
        for (const QString& argument : command.arguments)
            arguments << (argument == "OUT" ? output : argument == "@project" ? project : argument);
        return arguments;
    }

    // The command through a shell, which gets the output's name as bytes:
    // QProcess would pass it as text. A fileSizeBlocks above 0 caps the size
    // of what the tool writes (in blocks of 512 bytes), as a nearly full disk
    // does; the signal the cap sends is ignored, as a full disk sends none.
    CliRun RunInShell(
        const OutputCommand& command, const std::string& outputBytes, int fileSizeBlocks = 0) const
    {
        QString script = "trap '' XFSZ; ";
        if (fileSizeBlocks > 0)
            script += QString("ulimit -f %1; ").arg(fileSizeBlocks);
        // The name arrives as octal escapes; the word OUT is replaced by it.
        script += "output=$(printf \"$1\"); shift; "
                  "for word; do shift; "
                  "if [ \"$word\" = OUT ]; then set -- \"$@\" \"$output\"; "
                  "else set -- \"$@\" \"$word\"; fi; done; "
                  "exec \"$@\"";
        QString escaped;
        for (unsigned char byte : outputBytes)
            escaped += QString("\\%1").arg(int(byte), 3, 8, QChar('0'));
        QStringList arguments { "-c", script, "sh", escaped, QStringLiteral(RAMVIK_CLI) };
        return RunProgram("sh", arguments << Arguments(command, "OUT"));
    }

    // ramvik-cli as the unprivileged user when the tests run as root, else as
    // the running (unprivileged) user.
    CliRun RunUnprivileged(const QStringList& arguments) const
    {
        if (geteuid() != 0)
            return RunCli(arguments);
        QStringList wrapped { "--reuid=65534", "--regid=65534", "--clear-groups",
            QStringLiteral(RAMVIK_CLI) };
        return RunProgram("setpriv", wrapped << arguments);
    }

    static CliRun RunProgram(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.closeWriteChannel();
        CliRun run;
        if (process.waitForFinished(kDeadlineMs) && process.exitStatus() == QProcess::NormalExit)
            run.exitCode = process.exitCode();
        run.out = process.readAllStandardOutput().toStdString();
        run.err = process.readAllStandardError().toStdString();
        return run;
    }

    QString project;
};

TEST_F(CliFileOutput, FifoIsWrittenIntoNotReplaced)
{
    for (const OutputCommand& command : kOutputCommands) {
        SCOPED_TRACE(command.name);
        const QString fifo = Path("out.fifo");
        QFile::remove(fifo);
        ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        const int readEnd = open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(readEnd, 0);
        std::string received;
        std::thread reader(
            [&] { received = ReadUntilClosed(readEnd, std::chrono::milliseconds(kDeadlineMs)); });
        const CliRun run = RunCli(Arguments(command, fifo));
        reader.join();
        close(readEnd);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(received.substr(0, command.start.size()), command.start);
        EXPECT_TRUE(HasType(fifo, S_IFIFO));
    }
}

TEST_F(CliFileOutput, DashIsStandardOutput)
{
    for (const OutputCommand& command : kOutputCommands) {
        SCOPED_TRACE(command.name);
        const CliRun run = RunCli(Arguments(command, "-"), Path("stdout"));
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(ReadFile(Path("stdout")).substr(0, command.start.size()), command.start);
        EXPECT_FALSE(QFile::exists(Path("-")));
    }
}

TEST_F(CliFileOutput, LinkStaysALinkAndItsTargetGetsTheOutput)
{
    for (const OutputCommand& command : kOutputCommands) {
        SCOPED_TRACE(command.name);
        QFile::remove(Path("link.out"));
        ASSERT_TRUE(QFile::link("real.out", Path("link.out")));
        Project("old", "real.out");
        const CliRun run = RunCli(Arguments(command, Path("link.out")));
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_TRUE(HasType(Path("link.out"), S_IFLNK));
        EXPECT_EQ(ReadFile(Path("real.out")).substr(0, command.start.size()), command.start);
    }
}

TEST_F(CliFileOutput, ReadOnlyFileIsRefused)
{
    const QString readOnly = Project("old", "read-only.out");
    ASSERT_EQ(chmod(QFile::encodeName(readOnly).constData(), 0444), 0);
    for (const OutputCommand& command : kOutputCommands) {
        SCOPED_TRACE(command.name);
        for (const bool unprivileged : { false, true }) {
            SCOPED_TRACE(unprivileged ? "as an unprivileged user" : "as the running user");
            const QStringList arguments = Arguments(command, readOnly);
            const CliRun run = unprivileged ? RunUnprivileged(arguments) : RunCli(arguments);
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_NE(run.err.find("The file is read-only."), std::string::npos) << run.err;
            EXPECT_EQ(ReadFile(readOnly), "old");
        }
    }
}

TEST_F(CliFileOutput, NameThatIsNotUtf8IsKeptByteForByte)
{
    for (const OutputCommand& command : kOutputCommands) {
        SCOPED_TRACE(command.name);
        const std::string name = QFile::encodeName(dir.path()).toStdString() + "/bad\xff.out";
        const CliRun run = RunInShell(command, name);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        std::ifstream written(name, std::ios::binary);
        std::string start(command.start.size(), '\0');
        written.read(start.data(), std::streamsize(start.size()));
        EXPECT_EQ(start, command.start);
        EXPECT_EQ(unlink(name.c_str()), 0);
    }
}

// Measured before: pdf replaced a good PDF with a truncated one and exited 0.
TEST_F(CliFileOutput, FullDiskKeepsTheOldFile)
{
    for (const OutputCommand& command : kOutputCommands) {
        if (command.arguments.front() == "read")
            continue; // a project is smaller than any disk's last blocks
        SCOPED_TRACE(command.name);
        const std::string path = QFile::encodeName(Path("sheet.out")).toStdString();
        ASSERT_EQ(RunInShell(command, path).exitCode, 0);
        const std::string good = ReadFile(Path("sheet.out"));
        const CliRun run = RunInShell(command, path, 4);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find("File too large"), std::string::npos) << run.err;
        EXPECT_EQ(ReadFile(Path("sheet.out")), good);
    }
}

} // namespace
