// ramvik-boxsim itself: started as a process, spoken to over its
// pseudo-terminal, ended with SIGTERM.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kDeadline = std::chrono::seconds(5);

int MillisecondsLeft(Clock::time_point end)
{
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Reads up to count bytes, until they are there, the line ends or the time is up.
std::string ReadFor(int fd, std::size_t count, std::chrono::milliseconds within)
{
    std::string got;
    auto end = Clock::now() + within;
    while (got.size() < count) {
        pollfd watch { fd, POLLIN, 0 };
        if (poll(&watch, 1, MillisecondsLeft(end)) <= 0)
            break;
        char buffer[64];
        ssize_t n = read(fd, buffer, std::min(sizeof buffer, count - got.size()));
        if (n <= 0)
            break;
        got.append(buffer, static_cast<std::size_t>(n));
    }
    return got;
}

class Boxsim {
public:
    explicit Boxsim(std::vector<std::string> args, bool quiet = false)
    {
        args.insert(args.begin(), BOXSIM_PATH);
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        int out[2];
        if (pipe(out) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        if (quiet) // the usage text of a refused command line
            posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawn(&pid, BOXSIM_PATH, &actions, nullptr, argv.data(), environ) != 0)
            pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        std::string line;
        auto end = Clock::now() + kDeadline;
        while (pid > 0 && (line.empty() || line.back() != '\n')) {
            std::string c = ReadFor(out[0], 1, std::chrono::milliseconds(MillisecondsLeft(end)));
            if (c.empty())
                break;
            line += c;
        }
        close(out[0]);
        if (!line.empty() && line.back() == '\n')
            path = line.substr(0, line.size() - 1);
    }

    ~Boxsim()
    {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }

    // Sends SIGTERM and waits for the exit; the exit status or -1.
    int Terminate()
    {
        kill(pid, SIGTERM);
        int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
        if (pidfd >= 0) {
            pollfd watch { pidfd, POLLIN, 0 };
            poll(&watch, 1, static_cast<int>(std::chrono::milliseconds(kDeadline).count()));
            close(pidfd);
        }
        int status = 0;
        pid_t done = waitpid(pid, &status, pidfd >= 0 ? WNOHANG : 0);
        if (done != pid)
            return -1;
        pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    int OpenLine() const
    {
        int fd = open(path.c_str(), O_RDWR | O_NOCTTY);
        termios raw {};
        if (fd >= 0 && tcgetattr(fd, &raw) == 0) {
            cfmakeraw(&raw);
            tcsetattr(fd, TCSANOW, &raw);
        }
        return fd;
    }

    pid_t pid = -1;
    std::string path;
};

std::string Exchange(int fd, const std::string& frame, std::size_t answer,
    std::chrono::milliseconds within = kDeadline)
{
    if (write(fd, frame.data(), frame.size()) != static_cast<ssize_t>(frame.size()))
        return "write failed";
    return ReadFor(fd, answer, within);
}

std::map<int, int> SavedCells(const std::string& file)
{
    std::map<int, int> cells;
    std::ifstream in(file);
    int cell, value;
    while (in >> cell >> value)
        cells[cell] = value;
    return cells;
}

std::string TempFile(const char* name)
{
    return testing::TempDir() + "boxsim-" + std::to_string(getpid()) + "-" + name;
}

} // namespace

TEST(BoxsimTool, ServesFramesAcrossReopeningAndSavesOnSigterm)
{
    std::string load = TempFile("load"), save = TempFile("save");
    std::ofstream(load) << "10 77\n\n252 100\n";
    Boxsim sim({ "--id", "132", "--load", load, "--save", save });
    ASSERT_EQ(sim.path.rfind("/dev/", 0), 0u) << sim.path;

    int fd = sim.OpenLine();
    ASSERT_GE(fd, 0);
    EXPECT_EQ(Exchange(fd, "#;", 2, std::chrono::milliseconds(100)), ""); // no frame, no answer
    EXPECT_EQ(Exchange(fd, "#00000213;", 2), "OK");
    EXPECT_EQ(Exchange(fd, "%02550000;", 4), "0132");
    EXPECT_EQ(Exchange(fd, "%00100000;", 4), "0077");
    EXPECT_EQ(Exchange(fd, "#0300-005;", 2), "OK");
    close(fd);

    fd = sim.OpenLine(); // the next transfer opens the line afresh
    ASSERT_GE(fd, 0);
    EXPECT_EQ(Exchange(fd, "%03000000;", 4), "-005");
    close(fd);

    EXPECT_EQ(sim.Terminate(), 0);
    std::map<int, int> cells = SavedCells(save);
    EXPECT_EQ(cells.size(), 768u);
    EXPECT_EQ(cells[300], -5);
    EXPECT_EQ(cells[255], 132);
    EXPECT_EQ(cells[10], 77);
    EXPECT_EQ(cells[252], 100);
    EXPECT_EQ(cells[0], 213);
    EXPECT_EQ(cells[11], 0);
    std::remove(load.c_str());
    std::remove(save.c_str());
}

TEST(BoxsimTool, FaultsHappenOnceAtTheirCell)
{
    struct Case {
        const char* fault;
        const char* frame;
        std::size_t answerSize;
        const char* first;
        const char* second; // the same frame again
    } cases[] = {
        { "short@7", "#00070001;", 2, "O", "OK" },
        { "silent@255", "%02550000;", 4, "", "0213" },
        { "short@255", "%02550000;", 4, "0", "0213" },
    };
    for (const Case& c : cases) {
        Boxsim sim({ "--fault", c.fault });
        int fd = sim.OpenLine();
        ASSERT_GE(fd, 0) << c.fault;
        // the answer that does not come is given a short while, not the deadline
        EXPECT_EQ(Exchange(fd, c.frame, c.answerSize, std::chrono::milliseconds(300)), c.first)
            << c.fault;
        EXPECT_EQ(Exchange(fd, c.frame, c.answerSize), c.second) << c.fault;
        close(fd);
        EXPECT_EQ(sim.Terminate(), 0) << c.fault;
    }
}

TEST(BoxsimTool, HangUpClosesTheLineAndTheToolStillEndsCleanly)
{
    std::string save = TempFile("hangup");
    Boxsim sim({ "--fault", "hangup@5", "--save", save });
    int fd = sim.OpenLine();
    ASSERT_GE(fd, 0);
    EXPECT_EQ(Exchange(fd, "#00040009;", 2), "OK");
    EXPECT_EQ(Exchange(fd, "#00050009;", 2), "");
    // the line is gone: the client sees a hang-up, not a silent wait
    pollfd watch { fd, POLLIN, 0 };
    ASSERT_EQ(poll(&watch, 1, 5000), 1);
    EXPECT_NE(watch.revents & (POLLHUP | POLLERR), 0);
    close(fd);
    EXPECT_EQ(sim.Terminate(), 0);
    std::map<int, int> cells = SavedCells(save);
    EXPECT_EQ(cells[4], 9);
    EXPECT_EQ(cells[5], 0);
    std::remove(save.c_str());
}

TEST(BoxsimTool, RefusesABadCommandLine)
{
    for (std::vector<std::string> args : std::vector<std::vector<std::string>> {
             { "--fault", "loud@3" }, { "--fault", "short@768" }, { "--id" }, { "--bogus" } }) {
        Boxsim sim(args, true);
        EXPECT_EQ(sim.path, "") << args[0];
        EXPECT_EQ(sim.Terminate(), 2) << args[0];
    }
}
