#include "FileTestSupport.h"

namespace {

const std::string kOld = "old project\r\n";

// A mode-444 file stays as it is even where its folder would let the file
// be replaced, for root as for anyone.
TEST(RightsTest, ReadOnlyFileIsRefused)
{
    TestFolder folder;
    const std::string path = folder / "read-only.rmvp";
    PutFile(path, kOld, 0444);
    GiveToUnprivileged(path);
    ASSERT_EQ(chmod(folder.Path().c_str(), 0777), 0);

    std::string error;
    EXPECT_FALSE(WriteFileSafely(path, "new", error)) << "as the running user";
    EXPECT_EQ(error, kReadOnlyFileReason);
    const ProgramRun run = ProbeUnprivileged(path, "new");
    EXPECT_EQ(run.exitCode, 1) << "as an unprivileged user";
    EXPECT_EQ(run.err, std::string(kReadOnlyFileReason) + "\n");
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(StatusOf(path).st_mode & 07777, 0444u);
}

// Someone else's file in a folder everyone may write: replacing it would
// take it from its owner.
TEST(RightsTest, FileTheUserMayNotWriteIsRefused)
{
    ASSERT_TRUE(RunningAsRoot()) << "only root can make a file of another user";
    TestFolder folder;
    const std::string path = folder / "root's.rmvp";
    PutFile(path, kOld, 0644);
    ASSERT_EQ(chmod(folder.Path().c_str(), 0777), 0);
    const ProgramRun run = ProbeUnprivileged(path, "new");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Permission denied\n");
    EXPECT_EQ(ReadBytes(path), kOld);
}

// The folder is closed to the user but the file is theirs to edit: it is
// written where it is, the same file with new content.
TEST(RightsTest, WritableFileInAClosedFolderIsWrittenInPlace)
{
    const struct {
        const char* name;
        std::string text;
    } rows[] = {
        { "longer than the old content", std::string(10000, 'L') },
        { "shorter than the old content", "short" },
        { "empty", "" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TestFolder folder;
        const std::string path = folder / "shared.rmvp";
        PutFile(path, kOld, 0644);
        GiveToUnprivileged(path);
        const ino_t inode = StatusOf(path).st_ino;
        ASSERT_EQ(chmod(folder.Path().c_str(), 0555), 0);

        const ProgramRun run = ProbeUnprivileged(path, row.text);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(ReadBytes(path), row.text);
        EXPECT_EQ(StatusOf(path).st_ino, inode);
        EXPECT_EQ(NamesIn(folder.Path()), std::set<std::string> { "shared.rmvp" });
    }
}

// Space for the new content is reserved before the old is touched, so a
// full disk leaves the old file whole even where it cannot be replaced.
TEST(RightsTest, FullDiskKeepsTheFileInAClosedFolder)
{
    TestFolder folder;
    const std::string path = folder / "shared.rmvp";
    PutFile(path, kOld, 0644);
    GiveToUnprivileged(path);
    ASSERT_EQ(chmod(folder.Path().c_str(), 0555), 0);

    const ProgramRun run = ProbeUnprivileged(path, std::string(64 * 1024, 'p'), 4096);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "File too large\n");
    EXPECT_EQ(ReadBytes(path), kOld);
}

} // namespace
