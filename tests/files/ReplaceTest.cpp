#include "FileTestSupport.h"

#include <algorithm>
#include <climits>

namespace {

const std::string kOld = "old project\r\n";
const std::string kNew = "new project, longer than the old one\r\n";

bool Write(const std::string& path, const std::string& bytes, std::string& error)
{
    return WriteFileSafely(path, bytes, error);
}

// A reader that opened the old file keeps reading all of it: the new file
// arrives under the name at once, never by overwriting the old bytes.
TEST(ReplaceTest, OldFileIsReplacedWholeNotOverwritten)
{
    TestFolder folder;
    const std::string path = folder / "project.rmvp";
    PutFile(path, kOld);
    const ino_t oldInode = StatusOf(path).st_ino;
    std::ifstream oldReader(path, std::ios::binary);

    std::string error;
    ASSERT_TRUE(Write(path, kNew, error)) << error;
    std::ostringstream seenByOldReader;
    seenByOldReader << oldReader.rdbuf();
    EXPECT_EQ(seenByOldReader.str(), kOld);
    EXPECT_EQ(ReadBytes(path), kNew);
    EXPECT_NE(StatusOf(path).st_ino, oldInode);
    EXPECT_EQ(NamesIn(folder.Path()), std::set<std::string> { "project.rmvp" });
}

TEST(ReplaceTest, ReplacementKeepsTheOldPermissions)
{
    const struct {
        const char* name;
        mode_t mode;
    } rows[] = {
        { "private file", 0600 },
        { "file shared with the group", 0640 },
        { "executable script", 0755 },
        { "file others may write", 0666 },
    };
    TestFolder folder;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = folder / row.name;
        PutFile(path, kOld, row.mode);
        std::string error;
        ASSERT_TRUE(Write(path, kNew, error)) << error;
        EXPECT_EQ(StatusOf(path).st_mode & 07777, row.mode);
    }
}

TEST(ReplaceTest, ReplacementKeepsTheOwnerWhenRootSaves)
{
    // The suite runs as root (./test and CI do), so it can give a file away.
    ASSERT_TRUE(RunningAsRoot()) << "only root can give a file to another user";
    TestFolder folder;
    const std::string path = folder / "customer.rmvp";
    PutFile(path, kOld, 0640);
    GiveToUnprivileged(path);
    std::string error;
    ASSERT_TRUE(Write(path, kNew, error)) << error;
    EXPECT_EQ(StatusOf(path).st_uid, kUnprivilegedId);
    EXPECT_EQ(StatusOf(path).st_gid, kUnprivilegedId);
    EXPECT_EQ(StatusOf(path).st_mode & 07777, 0640u);
}

// Without the flush a crash soon after the rename can leave an empty file
// under the name: the rename may reach the disk before the content.
TEST(ReplaceTest, NewContentReachesTheDiskBeforeTheRename)
{
    TestFolder folder;
    const std::string path = folder / "project.rmvp";
    PutFile(path, kOld);
    const std::string log = folder / "sync.log";
    const ProgramRun run = RunProgram({ FILE_WRITER_PROBE, path, kNew }, 0,
        { { "LD_PRELOAD", SYNC_RECORDER }, { "SYNC_RECORDER_LOG", log },
            { "ASAN_OPTIONS", "verify_asan_link_order=0" } });
    ASSERT_EQ(run.exitCode, 0) << run.err;

    std::vector<std::string> calls;
    std::istringstream lines(ReadBytes(log));
    for (std::string line; std::getline(lines, line);)
        calls.push_back(line);
    const auto rename = std::find_if(calls.begin(), calls.end(),
        [](const std::string& call) { return call.rfind("rename ", 0) == 0; });
    ASSERT_NE(rename, calls.end()) << ReadBytes(log);
    // The kernel names the descriptors by their canonical paths.
    const std::string folderPath = std::filesystem::canonical(folder.Path()).string();
    const std::string temporary = folderPath + "/"
        + std::filesystem::path(rename->substr(std::string("rename ").size())).filename().string();
    EXPECT_NE(std::find(calls.begin(), rename, "fsync " + temporary), rename) << ReadBytes(log);
    EXPECT_NE(std::find(rename, calls.end(), "fsync " + folderPath), calls.end()) << ReadBytes(log);
}

// Earlier saves went through the fixed name "PATH.saving": a link planted
// there sent the project into the link's target.
TEST(ReplaceTest, LinkPlantedAtAFixedTemporaryNameIsNotFollowed)
{
    TestFolder folder;
    const std::string victim = folder / "victim";
    PutFile(victim, "precious\n");
    ASSERT_EQ(symlink(victim.c_str(), (folder / "out.rmvp.saving").c_str()), 0);
    std::string error;
    ASSERT_TRUE(Write(folder / "out.rmvp", kNew, error)) << error;
    EXPECT_EQ(ReadBytes(victim), "precious\n");
    EXPECT_EQ(ReadBytes(folder / "out.rmvp"), kNew);
}

TEST(ReplaceTest, NamesAreKeptByteForByte)
{
    const struct {
        const char* row;
        std::string name;
    } rows[] = {
        { "name of the longest length the system allows",
            std::string(NAME_MAX - 5, 'n') + ".rmvp" },
        { "name that is not UTF-8", "bad\xff\xfe name.pdf" },
        { "name with a backslash and a newline", "a\\b\nc.png" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.row);
        TestFolder folder;
        const std::string path = folder / row.name;
        std::string error;
        ASSERT_TRUE(Write(path, kOld, error)) << "new file: " << error;
        ASSERT_TRUE(Write(path, kNew, error)) << "replacing it: " << error;
        EXPECT_EQ(NamesIn(folder.Path()), std::set<std::string> { row.name });
        EXPECT_EQ(ReadBytes(path), kNew);
    }
}

TEST(ReplaceTest, WhatCannotBeWrittenIsReportedAndLeftAlone)
{
    TestFolder folder;
    ASSERT_EQ(mkdir((folder / "folder").c_str(), 0755), 0);
    const struct {
        const char* name;
        std::string path;
        std::string reason;
    } rows[] = {
        { "a folder", folder / "folder", "Is a directory" },
        { "a file in a missing folder", folder / "missing/out.rmvp", "No such file or directory" },
        { "a name longer than the system allows", folder / std::string(NAME_MAX + 1, 'n'),
            "File name too long" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::string error;
        EXPECT_FALSE(Write(row.path, kNew, error));
        EXPECT_EQ(error, row.reason);
    }
    EXPECT_EQ(NamesIn(folder.Path()), std::set<std::string> { "folder" });
    EXPECT_TRUE(NamesIn(folder / "folder").empty());
}

// A nearly full disk, made by a file size limit smaller than the new file:
// the old file stays whole and the system's reason comes back.
TEST(ReplaceTest, FullDiskKeepsTheOldFile)
{
    TestFolder folder;
    const std::string path = folder / "sheet.pdf";
    PutFile(path, kOld);
    const std::string bigger(64 * 1024, 'p');
    const ProgramRun run = RunProgram({ FILE_WRITER_PROBE, path, bigger }, 4096);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "File too large\n");
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(NamesIn(folder.Path()), std::set<std::string> { "sheet.pdf" });
}

} // namespace
