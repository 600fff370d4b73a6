// The small-file reader: what it reads whole and what it refuses at once.

#include <FileReader.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

class FileReaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path()
            / ("ramvik-reader-" + std::to_string(getpid()) + "-"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string Make(const char* name, const std::string& bytes) const
    {
        std::ofstream(folder / name, std::ios::binary) << bytes;
        return (folder / name).string();
    }
    fs::path folder;
};

} // namespace

TEST_F(FileReaderTest, ReadsSmallRegularFilesAndRefusesEverythingElseAtOnce)
{
    constexpr std::uintmax_t kLimit = 16;
    const std::string atLimit(kLimit, 'a');
    Make("limit", atLimit);
    fs::create_symlink(folder / "limit", folder / "link");
    Make("over", atLimit + "b");
    // A 100 MB file that holds no blocks: refused by its size alone.
    Make("sparse", "ADC = 1\r\n");
    fs::resize_file(folder / "sparse", 100u << 20);
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
    fs::create_directory(folder / "folder");

    struct Row {
        const char* name;
        SmallFileStatus status;
        std::uintmax_t size;
    };
    const Row rows[] = {
        { "limit", SmallFileStatus::Read, kLimit },
        { "link", SmallFileStatus::Read, kLimit }, // a link reads as what it names
        { "over", SmallFileStatus::TooLarge, kLimit + 1 },
        { "sparse", SmallFileStatus::TooLarge, 100u << 20 },
        { "fifo", SmallFileStatus::NotRegular, 0 }, // no writer: would wait for ever
        { "folder", SmallFileStatus::NotRegular, 0 },
        { "missing", SmallFileStatus::Unreadable, 0 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = (folder / row.name).string();
        auto reading = std::async(std::launch::async, [&] { return ReadSmallFile(path, kLimit); });
        ASSERT_EQ(reading.wait_for(std::chrono::seconds(10)), std::future_status::ready);
        const SmallFile file = reading.get();
        EXPECT_EQ(file.status, row.status);
        EXPECT_EQ(file.size, row.size);
        EXPECT_EQ(file.bytes, row.status == SmallFileStatus::Read ? atLimit : "");
        EXPECT_EQ(file.error.empty(), row.status != SmallFileStatus::Unreadable);
    }
}
