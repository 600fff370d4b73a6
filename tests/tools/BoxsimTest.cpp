// What ramvik-boxsim refuses at its start, before it serves a box. Its faults
// in a transfer: CliBoxTest.

#include "CliTestSupport.h"

#include <sys/sysmacros.h>

#include <filesystem>

using Boxsim = CliTest;

// A --load that is no regular file of a cells file's size is refused at once
// (a FIFO once hung the simulator, a device such as /dev/zero grew it by
// 150 MB/s), and so is a --save whose file cannot be written, which was once
// found only when the cells were saved at the end of a session.
TEST_F(Boxsim, RefusesAtStartWhatItCouldNotLoadOrSave)
{
    const std::string folder = QFile::encodeName(dir.path()).toStdString();
    ASSERT_EQ(mkfifo((folder + "/fifo").c_str(), 0600), 0);
    std::filesystem::create_directory(folder + "/folder");
    std::filesystem::create_directory(folder + "/closed");
    std::filesystem::permissions(folder + "/closed", std::filesystem::perms(0555));
    Project("1 60\n", "big.cells");
    std::filesystem::resize_file(folder + "/big.cells", (1 << 20) + 1);
    // A node like /dev/zero, made here; only root may make one.
    const bool device = mknod((folder + "/zero").c_str(), S_IFCHR | 0600, makedev(1, 5)) == 0;

    struct Row {
        const char* what;
        QStringList arguments;
        std::string message;
        bool unprivileged = false;
    };
    const Row rows[] = {
        { "a FIFO to load", { "--load", Path("fifo") },
            "cannot load " + folder + "/fifo: not a regular file" },
        { "a device to load", { "--load", Path("zero") },
            "cannot load " + folder + "/zero: not a regular file" },
        { "a folder to load", { "--load", Path("folder") },
            "cannot load " + folder + "/folder: not a regular file" },
        { "a file too large to load", { "--load", Path("big.cells") },
            "cannot load " + folder
                + "/big.cells: 1048577 bytes, more than a file of cells holds (at most 1048576)" },
        { "a missing folder to save into", { "--save", Path("gone/box.cells") },
            "cannot save to " + folder + "/gone/box.cells: the folder " + folder
                + "/gone does not exist" },
        { "a folder to save as", { "--save", Path("folder") },
            "cannot save to " + folder + "/folder: it is a folder" },
        { "a folder that takes no files", { "--save", Path("closed/box.cells") },
            "cannot save to " + folder + "/closed/box.cells: the folder " + folder
                + "/closed takes no new files (Permission denied)",
            true },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        if (!device && row.arguments.last().endsWith("zero"))
            continue; // not root: no device node to load
        RunOptions options;
        options.unprivileged = row.unprivileged;
        options.deadlineMs = 10000;
        const CliRun run = RunProgram(BOXSIM_PATH, row.arguments, options);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "") << "no pseudo-terminal is served";
        EXPECT_EQ(run.err, "ramvik-boxsim: " + row.message + "\n");
    }
}
