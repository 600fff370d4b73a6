// Where ramvik-cli's outputs land: `read`, `pdf -o` and `png -o` into
// read-only files, names that are not UTF-8 and a nearly full disk. The
// read-only refusal is the file writer's own, so each command writes through
// it; each rule of the writer itself (links, FIFOs, "-"): tests/files.

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
    void SetUp() override
    {
        project = Project(defaultText);
        // The unprivileged user must reach the project and the outputs.
        ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    }

    QStringList Arguments(const OutputCommand& command) const
    {
        QStringList arguments = command.arguments;
        arguments.replaceInStrings("@project", project);
        return arguments;
    }

    // The command through a shell, which gets the output's name as bytes:
    // QProcess would pass it as text. A fileSizeBlocks above 0 caps the size
    // of what the tool writes (in blocks of 512 bytes), as a nearly full disk
    // does; the signal the cap sends is ignored, as a full disk sends none.
    CliRun RunInShell(
        const OutputCommand& command, const std::string& outputBytes, int fileSizeBlocks = 0) const
    {
        // The name arrives as octal escapes, for printf to turn into bytes.
        const QString script = "trap '' XFSZ; ulimit -f \"$1\"; output=$(printf \"$2\"); shift 2; "
                               "exec \"$@\" \"$output\"";
        QString escaped;
        for (unsigned char byte : outputBytes)
            escaped += QString("\\%1").arg(int(byte), 3, 8, QChar('0'));
        const QString cap = fileSizeBlocks > 0 ? QString::number(fileSizeBlocks) : "unlimited";
        return RunProgram("sh",
            QStringList { "-c", script, "sh", cap, escaped, RAMVIK_CLI } + Arguments(command));
    }

    QString project;
};

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

// Once, `pdf -o $'bad\xff.pdf'` wrote a differently named file, and pdf
// replaced a good PDF with a truncated one on a nearly full disk and exited 0.
TEST_F(CliFileOutput, NameThatIsNotUtf8IsKeptAndAFullDiskKeepsTheOldFile)
{
    for (const OutputCommand& command : kOutputCommands) {
        SCOPED_TRACE(command.name);
        const std::string name = QFile::encodeName(dir.path()).toStdString() + "/bad\xff.out";
        const CliRun run = RunInShell(command, name);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        std::ifstream written(name, std::ios::binary);
        const std::string good { std::istreambuf_iterator<char>(written), {} };
        EXPECT_TRUE(StartsWith(good, command.start));
        // A project is smaller than any disk's last blocks.
        if (command.arguments.front() != "read") {
            const CliRun full = RunInShell(command, name, 4);
            EXPECT_EQ(full.exitCode, 1);
            EXPECT_NE(full.err.find("File too large"), std::string::npos) << full.err;
            std::ifstream kept(name, std::ios::binary);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), good);
        }
        EXPECT_EQ(unlink(name.c_str()), 0);
    }
}

} // namespace
