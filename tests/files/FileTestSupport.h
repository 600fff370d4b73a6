#pragma once

// A folder of the test's own and programs run as another user or under a
// file size limit, for the file writer's tests.

#include <FileWriter.h>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

// The user that tests of file rights run as when the suite runs as root.
constexpr uid_t kUnprivilegedId = 65534;

inline bool RunningAsRoot()
{
    return geteuid() == 0;
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

inline void PutFile(const std::string& path, const std::string& bytes, mode_t mode = 0644)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    ASSERT_EQ(chmod(path.c_str(), mode), 0) << path;
}

inline struct stat StatusOf(const std::string& path)
{
    struct stat status { };
    EXPECT_EQ(lstat(path.c_str(), &status), 0) << path;
    return status;
}

// The names in a folder, byte for byte, without "." and "..".
inline std::set<std::string> NamesIn(const std::string& folder)
{
    std::set<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.insert(name);
        }
        closedir(dir);
    }
    return names;
}

// A fresh folder under the system's temporary folder that the unprivileged
// user can enter; removed with everything in it, whatever rights the test
// left on its subfolders.
class TestFolder {
public:
    TestFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "files_test.XXXXXX");
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();
        EXPECT_FALSE(path_.empty());
        chmod(path_.c_str(), 0755);
    }
    ~TestFolder()
    {
        std::error_code ec;
        namespace fs = std::filesystem;
        for (fs::recursive_directory_iterator entry(path_, ec), end; !ec && entry != end;
             entry.increment(ec)) {
            if (entry->symlink_status(ec).type() == fs::file_type::directory)
                chmod(entry->path().c_str(), 0700);
        }
        chmod(path_.c_str(), 0700);
        std::filesystem::remove_all(path_, ec);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

struct ProgramRun {
    int exitCode = -1; // -1 when it ended by a signal
    std::string err;
};

using Environment = std::vector<std::pair<std::string, std::string>>;

// Runs a program with its standard error captured. A fileSizeLimit above 0
// caps the size of files it writes, as a nearly full disk would, with
// SIGXFSZ ignored so the writes fail with EFBIG instead of killing it.
inline ProgramRun RunProgram(const std::vector<std::string>& arguments, rlim_t fileSizeLimit = 0,
    const Environment& environment = {})
{
    int errPipe[2];
    if (pipe(errPipe) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        dup2(errPipe[1], STDERR_FILENO);
        close(errPipe[0]);
        close(errPipe[1]);
        if (fileSizeLimit > 0) {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit { fileSizeLimit, fileSizeLimit };
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        for (const auto& [name, value] : environment)
            setenv(name.c_str(), value.c_str(), 1);
        std::vector<char*> argv;
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(errPipe[1]);
    ProgramRun run;
    char buffer[256];
    for (;;) {
        const ssize_t got = read(errPipe[0], buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        run.err.append(buffer, static_cast<std::size_t>(got));
    }
    close(errPipe[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) { }
    if (WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    return run;
}

// The probe writing text to path as the unprivileged user when the tests run
// as root, else as the user running them (who is unprivileged then).
inline ProgramRun ProbeUnprivileged(
    const std::string& path, const std::string& text, rlim_t fileSizeLimit = 0)
{
    std::vector<std::string> arguments { FILE_WRITER_PROBE, path, text };
    if (RunningAsRoot()) {
        const std::string id = std::to_string(kUnprivilegedId);
        arguments.insert(
            arguments.begin(), { "setpriv", "--reuid=" + id, "--regid=" + id, "--clear-groups" });
    }
    return RunProgram(arguments, fileSizeLimit);
}

// A file the unprivileged user owns (the running user's own when not root).
inline void GiveToUnprivileged(const std::string& path)
{
    if (RunningAsRoot()) {
        ASSERT_EQ(lchown(path.c_str(), kUnprivilegedId, kUnprivilegedId), 0) << path;
    }
}
