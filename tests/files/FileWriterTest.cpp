// The file writer's rules, one test each. Where the outcome depends on file
// rights, the probe runs as an unprivileged user when the suite runs as root.

#include <FifoReading.h>
#include <FileWriter.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

const std::string kOld = "old project\r\n";
const std::string kNew = "new project, longer than the old one\r\n";
// With prlimit in front, the probe's writes fail past 4 KiB as on a nearly
// full disk (the signal the limit sends is ignored: see SetUp).
const std::string kNearlyFullDisk = "--fsize=4096";
const std::string kTooBigForTheDisk(64 * 1024, 'p');
constexpr uid_t kUnprivilegedId = 65534;

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(file), {} };
}

void PutFile(const std::string& path, const std::string& bytes, mode_t mode = 0644)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    ASSERT_EQ(chmod(path.c_str(), mode), 0) << path;
}

struct stat StatusOf(const std::string& path)
{
    struct stat status { };
    EXPECT_EQ(lstat(path.c_str(), &status), 0) << path;
    return status;
}

struct ProgramRun {
    int exitCode = -1; // -1 when it ended by a signal
    std::string err;
};

// Runs a command through the shell, its standard error kept (no argument
// holds a single quote).
ProgramRun RunProgram(const std::vector<std::string>& arguments)
{
    std::string command;
    for (const std::string& argument : arguments)
        command += "'" + argument + "' ";
    FILE* output = popen((command + "2>&1").c_str(), "r");
    ProgramRun run;
    char buffer[4096];
    std::size_t length = 0;
    while ((length = std::fread(buffer, 1, sizeof buffer, output)) > 0)
        run.err.append(buffer, length);
    const int status = pclose(output);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// The command as the unprivileged user when the tests run as root, else as
// the running (then unprivileged) user.
std::vector<std::string> AsUnprivileged(std::vector<std::string> command)
{
    if (geteuid() != 0)
        return command;
    const std::string id = std::to_string(kUnprivilegedId);
    command.insert(
        command.begin(), { "setpriv", "--reuid=" + id, "--regid=" + id, "--clear-groups" });
    return command;
}

// A fresh folder of the test's own that the unprivileged user can enter,
// removed with everything in it, also after a test closed it.
class FileWriter : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = std::filesystem::temp_directory_path() / "files_test.XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        ASSERT_EQ(chmod(folder.c_str(), 0755), 0);
        // Inherited by the programs run: a full disk sends no signal either.
        signal(SIGXFSZ, SIG_IGN);
    }
    void TearDown() override
    {
        chmod(folder.c_str(), 0700);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    std::string In(const std::string& name) const { return folder + "/" + name; }

    // The names in the folder, byte for byte.
    std::set<std::string> Names() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }

    std::string folder;
};

// The measured fault: a full disk left a truncated PDF and no error.
TEST_F(FileWriter, FullDiskKeepsTheOldFileAndSaysWhy)
{
    PutFile(In("sheet.pdf"), kOld);
    const ProgramRun run = RunProgram(
        { "prlimit", kNearlyFullDisk, FILE_WRITER_PROBE, In("sheet.pdf"), kTooBigForTheDisk });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "File too large\n");
    EXPECT_EQ(ReadBytes(In("sheet.pdf")), kOld);
    EXPECT_EQ(Names(), std::set<std::string> { "sheet.pdf" });
}

// Earlier saves went through the fixed name "PATH.saving": a link planted
// there sent the project into the link's target (here: would create it). The new file takes the
// old one's place whole (a new inode), and no temporary file stays behind. It
// keeps a mode a new file would not get (mkstemp gives 0600, the umask 0644).
TEST_F(FileWriter, ReplacesThroughAnUnpredictableTemporaryNameKeepingTheMode)
{
    PutFile(In("out.rmvp"), kOld, 0640);
    ASSERT_EQ(symlink("victim", In("out.rmvp.saving").c_str()), 0);
    const ino_t oldInode = StatusOf(In("out.rmvp")).st_ino;
    std::string error;
    ASSERT_TRUE(WriteFileSafely(In("out.rmvp"), kNew, error)) << error;
    EXPECT_EQ(ReadBytes(In("out.rmvp")), kNew);
    EXPECT_NE(StatusOf(In("out.rmvp")).st_ino, oldInode);
    EXPECT_EQ(StatusOf(In("out.rmvp")).st_mode & 07777, 0640u);
    EXPECT_EQ(Names(), (std::set<std::string> { "out.rmvp", "out.rmvp.saving" }));
}

// Without the flush a crash soon after the rename can leave an empty file
// under the name: the rename may reach the disk before the content. The
// folder is flushed after the rename, so the rename itself stays.
TEST_F(FileWriter, NewContentReachesTheDiskBeforeTheRename)
{
    PutFile(In("project.rmvp"), kOld);
    const ProgramRun run = RunProgram(
        { "env", std::string("LD_PRELOAD=") + SYNC_RECORDER, "SYNC_RECORDER_LOG=" + In("sync.log"),
            "ASAN_OPTIONS=verify_asan_link_order=0", FILE_WRITER_PROBE, In("project.rmvp"), kNew });
    ASSERT_EQ(run.exitCode, 0) << run.err;

    const std::string calls = ReadBytes(In("sync.log"));
    const std::string dir = std::filesystem::canonical(folder);
    const std::regex flushRenameFlush(
        "fsync (" + dir + "/[^\n]+)\n(.*\n)*rename \\1\n(.*\n)*fsync " + dir + "\n");
    EXPECT_TRUE(std::regex_search(calls, flushRenameFlush)) << calls;
}

// Once the link itself was replaced. A chain whose second link, in a
// subfolder, is relative to that subfolder.
TEST_F(FileWriter, LinksStayLinksAndTheirTargetGetsTheContent)
{
    ASSERT_EQ(mkdir(In("sub").c_str(), 0755), 0);
    PutFile(In("real.rmvp"), kOld);
    ASSERT_EQ(symlink("sub/inner", In("link.rmvp").c_str()), 0);
    ASSERT_EQ(symlink("../real.rmvp", In("sub/inner").c_str()), 0);
    std::string error;
    ASSERT_TRUE(WriteFileSafely(In("link.rmvp"), kNew, error)) << error;
    EXPECT_EQ(ReadBytes(In("real.rmvp")), kNew);
    EXPECT_TRUE(S_ISLNK(StatusOf(In("link.rmvp")).st_mode));
}

// Once a FIFO (and a character device) became a regular file. More than a
// pipe holds, so the writer must wait for the reader and go on after short
// writes. Standard output ("-"): tests/tools.
TEST_F(FileWriter, FifoIsWrittenIntoNotReplaced)
{
    ASSERT_EQ(mkfifo(In("sheet.pdf").c_str(), 0644), 0);
    const int readEnd = open(In("sheet.pdf").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(readEnd, 0);
    std::string received;
    std::thread reader([&] { received = ReadUntilClosed(readEnd, std::chrono::seconds(30)); });
    const std::string bytes(1 << 20, 'f');
    std::string error;
    const bool written = WriteFileSafely(In("sheet.pdf"), bytes, error);
    reader.join();
    close(readEnd);
    EXPECT_TRUE(written) << error;
    EXPECT_EQ(received.size(), bytes.size());
    EXPECT_TRUE(S_ISFIFO(StatusOf(In("sheet.pdf")).st_mode));
}

// The folder is closed to the user but the file is theirs to edit: it is
// written where it is. Space is reserved before the old content is touched,
// so a full disk leaves it whole; a shorter content leaves no old tail.
TEST_F(FileWriter, WritableFileInAClosedFolderIsWrittenInPlace)
{
    const std::string path = In("shared.rmvp");
    PutFile(path, kOld);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(path.c_str(), kUnprivilegedId, kUnprivilegedId), 0);
    }
    const ino_t inode = StatusOf(path).st_ino;
    ASSERT_EQ(chmod(folder.c_str(), 0555), 0);

    const ProgramRun full = RunProgram(
        AsUnprivileged({ "prlimit", kNearlyFullDisk, FILE_WRITER_PROBE, path, kTooBigForTheDisk }));
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_EQ(full.err, "File too large\n");
    EXPECT_EQ(ReadBytes(path), kOld);
    const ProgramRun shorter = RunProgram(AsUnprivileged({ FILE_WRITER_PROBE, path, "short" }));
    EXPECT_EQ(shorter.exitCode, 0) << shorter.err;
    EXPECT_EQ(ReadBytes(path), "short");
    EXPECT_EQ(StatusOf(path).st_ino, inode);
    EXPECT_EQ(Names(), std::set<std::string> { "shared.rmvp" });
}

// The tool replaced a mode-444 file: root may, but the user marked it read-only.
TEST_F(FileWriter, ReadOnlyFileIsRefused)
{
    PutFile(In("read-only.rmvp"), kOld, 0444);
    std::string error;
    EXPECT_FALSE(WriteFileSafely(In("read-only.rmvp"), kNew, error));
    EXPECT_EQ(error, kReadOnlyFileReason);
    EXPECT_EQ(ReadBytes(In("read-only.rmvp")), kOld);
}

// A name of the system's longest length leaves no room for a suffix on the
// temporary name; the other is not UTF-8. Each is written new, then replaced.
TEST_F(FileWriter, NamesAreKeptByteForByte)
{
    const std::set<std::string> names { std::string(NAME_MAX - 5, 'n') + ".rmvp",
        "bad\xff\xfe name.pdf" };
    for (const std::string& name : names) {
        std::string error;
        ASSERT_TRUE(WriteFileSafely(In(name), kOld, error)) << error;
        ASSERT_TRUE(WriteFileSafely(In(name), kNew, error)) << error;
        EXPECT_EQ(ReadBytes(In(name)), kNew);
    }
    EXPECT_EQ(Names(), names);
}

} // namespace
