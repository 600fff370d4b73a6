#include "FileTestSupport.h"

#include <FifoReading.h>

#include <chrono>
#include <thread>

namespace {

constexpr auto kDeadline = std::chrono::seconds(30);
const std::string kNew = "new content\r\n";

std::string LinkText(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::read_symlink(path, ec).string();
}

TEST(NonRegularTargetTest, LinksStayLinksAndTheirTargetGetsTheContent)
{
    const struct {
        const char* name;
        std::vector<std::pair<std::string, std::string>> links; // link name, what it holds
        std::string finalTarget; // the file that must get the content
    } rows[] = {
        { "relative link", { { "link.rmvp", "real.rmvp" } }, "real.rmvp" },
        { "absolute link", { { "link.rmvp", "@/real.rmvp" } }, "real.rmvp" },
        { "chain of two links", { { "link.rmvp", "middle" }, { "middle", "real.rmvp" } },
            "real.rmvp" },
        { "link into a subfolder holding a relative link",
            { { "link.rmvp", "sub/inner" }, { "sub/inner", "../real.rmvp" } }, "real.rmvp" },
        { "link to nowhere", { { "link.rmvp", "sub/created.rmvp" } }, "sub/created.rmvp" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TestFolder folder;
        ASSERT_EQ(mkdir((folder / "sub").c_str(), 0755), 0);
        PutFile(folder / "real.rmvp", "old\r\n");
        for (const auto& [link, text] : row.links) {
            const std::string target = text[0] == '@' ? folder.Path() + text.substr(1) : text;
            ASSERT_EQ(symlink(target.c_str(), (folder / link).c_str()), 0);
        }
        std::string error;
        ASSERT_TRUE(WriteFileSafely(folder / "link.rmvp", kNew, error)) << error;
        EXPECT_EQ(ReadBytes(folder / row.finalTarget), kNew);
        for (const auto& [link, text] : row.links) {
            EXPECT_TRUE(S_ISLNK(StatusOf(folder / link).st_mode)) << link;
            const std::string target = text[0] == '@' ? folder.Path() + text.substr(1) : text;
            EXPECT_EQ(LinkText(folder / link), target);
        }
    }
}

TEST(NonRegularTargetTest, LinkLoopIsReported)
{
    TestFolder folder;
    ASSERT_EQ(symlink("b", (folder / "a").c_str()), 0);
    ASSERT_EQ(symlink("a", (folder / "b").c_str()), 0);
    std::string error;
    EXPECT_FALSE(WriteFileSafely(folder / "a", kNew, error));
    EXPECT_EQ(error, "Too many levels of symbolic links");
    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::string> { "a", "b" }));
}

// More than a pipe holds, so the writer must wait for the reader and go on
// after short writes.
TEST(NonRegularTargetTest, FifoIsWrittenIntoNotReplaced)
{
    TestFolder folder;
    const std::string fifo = folder / "sheet.pdf";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    const int readEnd = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(readEnd, 0);
    std::string received;
    std::thread reader([&] { received = ReadUntilClosed(readEnd, kDeadline); });

    const std::string bytes(1 << 20, 'f');
    std::string error;
    const bool written = WriteFileSafely(fifo, bytes, error);
    reader.join();
    close(readEnd);
    EXPECT_TRUE(written) << error;
    EXPECT_EQ(received.size(), bytes.size());
    EXPECT_TRUE(S_ISFIFO(StatusOf(fifo).st_mode));
    EXPECT_EQ(NamesIn(folder.Path()), std::set<std::string> { "sheet.pdf" });
}

// Standard output pointed into a pipe for as long as the object lives.
class CapturedStandardOutput {
public:
    CapturedStandardOutput()
    {
        EXPECT_EQ(pipe(ends_), 0);
        saved_ = dup(STDOUT_FILENO);
        dup2(ends_[1], STDOUT_FILENO);
        close(ends_[1]);
    }
    ~CapturedStandardOutput()
    {
        Restore();
        if (ends_[0] >= 0)
            close(ends_[0]);
    }
    void Restore()
    {
        if (saved_ < 0)
            return;
        dup2(saved_, STDOUT_FILENO);
        close(saved_);
        saved_ = -1;
    }
    // What was written, once standard output is restored (so the pipe ends).
    std::string Received()
    {
        Restore();
        return ReadUntilClosed(ends_[0], kDeadline);
    }
    void CloseReader()
    {
        close(ends_[0]);
        ends_[0] = -1;
    }

private:
    int ends_[2] { -1, -1 };
    int saved_ = -1;
};

TEST(NonRegularTargetTest, DashIsStandardOutput)
{
    CapturedStandardOutput output;
    std::string error;
    EXPECT_TRUE(WriteFileSafely("-", kNew, error)) << error;
    EXPECT_EQ(output.Received(), kNew);
    EXPECT_FALSE(std::filesystem::exists("-"));
}

TEST(NonRegularTargetTest, StandardOutputThatFailsIsReported)
{
    CapturedStandardOutput output;
    output.CloseReader();
    const auto oldHandler = signal(SIGPIPE, SIG_IGN);
    std::string error;
    const bool written = WriteFileSafely("-", kNew, error);
    signal(SIGPIPE, oldHandler);
    output.Restore();
    EXPECT_FALSE(written);
    EXPECT_EQ(error, "Broken pipe");
}

} // namespace
