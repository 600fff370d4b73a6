// Where ramvik-cli's outputs land: `read`, `pdf -o` and `png -o` into "-"
// (standard output), read-only files and names that are not UTF-8. The
// read-only refusal is the file writer's own, so each command writes through
// it; each other rule of the writer (links, FIFOs, a full disk): tests/files.

#include "CliTestSupport.h"

#include <sys/stat.h>

#include <fstream>

namespace {

// One of the commands that write a file, its arguments before the output's
// name, and how its output starts.
struct OutputCommand {
    const char* name;
    QStringList arguments; // @project stands for the project file
    std::string start;
};

const OutputCommand kOutputCommands[] = {
    { "read from the demo box", { "read", "--demo-box" }, "ADC = 1\r\n" },
    { "pdf", { "pdf", "@project", "-o" }, "%PDF-" },
    { "png", { "png", "@project", "-o" }, "\x89PNG" },
};

class CliFileOutput : public CliTest {
protected:
    void SetUp() override { project = Project(defaultText); }

    QStringList Arguments(const OutputCommand& command) const
    {
        QStringList arguments = command.arguments;
        arguments.replaceInStrings("@project", project);
        return arguments;
    }

    // The command through a shell, which gets the output's name as bytes:
    // QProcess would pass it as text. The name arrives as octal escapes, for
    // printf to turn into bytes.
    CliRun RunInShell(const OutputCommand& command, const std::string& outputBytes) const
    {
        QString escaped;
        for (unsigned char byte : outputBytes)
            escaped += QString("\\%1").arg(int(byte), 3, 8, QChar('0'));
        const QString script = "output=$(printf \"$1\"); shift; exec \"$@\" \"$output\"";
        return RunProgram(
            "sh", QStringList { "-c", script, "sh", escaped, RAMVIK_CLI } + Arguments(command));
    }

    QString project;
};

// "-" is standard output, never a file of that name.
TEST_F(CliFileOutput, DashIsStandardOutput)
{
    for (const OutputCommand& command : kOutputCommands) {
        SCOPED_TRACE(command.name);
        const CliRun run = RunCli(Arguments(command) << "-");
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_TRUE(StartsWith(run.out, command.start));
        EXPECT_FALSE(QFile::exists("-"));
    }
}

// Once, the tool replaced a mode-444 file. Run as the unprivileged user; the
// message is the writer's own check, not an open the system refused.
TEST_F(CliFileOutput, ReadOnlyFileIsRefused)
{
    const QString readOnly = Project("old", "read-only.out");
    ASSERT_EQ(chmod(QFile::encodeName(readOnly).constData(), 0444), 0);
    for (const OutputCommand& command : kOutputCommands) {
        SCOPED_TRACE(command.name);
        RunOptions options;
        options.unprivileged = true;
        const CliRun run = RunCli(Arguments(command) << readOnly, options);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find("The file is read-only."), std::string::npos) << run.err;
        EXPECT_EQ(ReadFile(readOnly), "old");
    }
}

// Once, `pdf -o $'bad\xff.pdf'` wrote a differently named file.
TEST_F(CliFileOutput, NameThatIsNotUtf8IsKeptByteForByte)
{
    for (const OutputCommand& command : kOutputCommands) {
        SCOPED_TRACE(command.name);
        const std::string name = QFile::encodeName(dir.path()).toStdString() + "/bad\xff.out";
        const CliRun run = RunInShell(command, name);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        std::ifstream written(name, std::ios::binary);
        EXPECT_TRUE(StartsWith({ std::istreambuf_iterator<char>(written), {} }, command.start));
        EXPECT_EQ(unlink(name.c_str()), 0);
    }
}

} // namespace
