// The connection doctor and the failed opening in the workshop's words, on a
// fake machine with each kind of problem: the report keeps the checks and
// verdicts of the administrator's (whose words: tests/tools), names the
// remedy, and asks for no command line.
#include <FakeSystemTree.h>

#include <ConnectionDoctor.h>
#include <PortAdvice.h>
#include <PortFinder.h>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <grp.h>
#include <optional>
#include <regex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;

// Runs the checks as the user nobody, as a workshop's user runs the window:
// root may open every device. Takes root back when it ends.
class CAsNobody {
public:
    CAsNobody()
    {
        switched = setresgid(kNobody, kNobody, 0) == 0 && setresuid(kNobody, kNobody, 0) == 0;
    }
    ~CAsNobody()
    {
        [[maybe_unused]] const int user = setresuid(0, 0, 0);
        [[maybe_unused]] const int group = setresgid(0, 0, 0);
    }
    CAsNobody(const CAsNobody&) = delete;
    CAsNobody& operator=(const CAsNobody&) = delete;

    bool switched = false;
};

// The first word of a command line in text, or "" when there is none.
std::string CommandLineWord(const std::string& text)
{
    static const std::regex command(
        R"(\b(sudo|ramvik-cli|apt|modprobe|systemctl|usermod|udevadm)\b|/etc/|--port)");
    std::smatch found;
    return std::regex_search(text, found, command) ? found.str() : std::string();
}

std::vector<DoctorVerdict> Verdicts(const DoctorReport& report)
{
    std::vector<DoctorVerdict> verdicts;
    for (const DoctorCheck& check : report.checks)
        verdicts.push_back(check.verdict);
    return verdicts;
}

// The English texts of the report's problems, one after another.
std::string Problems(const DoctorReport& report)
{
    std::string text;
    for (const DoctorCheck& check : report.checks) {
        if (check.verdict == DoctorVerdict::Problem)
            text += check.text.English() + "\n";
    }
    return text;
}

// A fake machine of its own for each case.
struct Machine {
    Machine()
    {
        // nobody must reach it
        EXPECT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    }

    // The converter's device node is handed to the group dialout only.
    void HandToDialout(const char* tty)
    {
        ASSERT_EQ(geteuid(), 0u) << "only root can hand the device node to another owner";
        const group* dialout = getgrnam("dialout"); // every Debian system has it
        ASSERT_NE(dialout, nullptr);
        const std::string node = tree.Dev(tty);
        ASSERT_EQ(chown(node.c_str(), 0, dialout->gr_gid), 0);
        ASSERT_EQ(chmod(node.c_str(), 0660), 0);
    }

    // The text without the machine's folder, whose random name might spell
    // anything.
    std::string WithoutRoot(std::string text) const
    {
        const std::string root = dir.path().toStdString();
        for (std::size_t at = text.find(root); at != std::string::npos; at = text.find(root))
            text.replace(at, root.size(), "ROOT");
        return text;
    }

    QTemporaryDir dir;
    FakeSystemTree tree { dir.path().toStdString() };
};

TEST(WorkshopAdvice, EachProblemGetsItsRemedyWithoutACommandLine)
{
    struct Case {
        const char* name;
        std::function<void(Machine&)> make; // the machine's problem
        const char* port; // the tty the doctor is given; "": it searches
        const char* remedy; // in the workshop's report and message
        // What the window's "No USB Device Connected!" adds after a failed
        // opening; null: the case has no such message.
        std::function<UserText(Machine&)> message;
        bool asNobody = false;
        const char* vendorLibrary = "";
    };
    // The failed opening of ttyUSB0, and the search for a converter.
    const auto opening = [](Machine& m) {
        return ExplainOpenFailure(
            m.tree.Dev("ttyUSB0"), "Permission denied", m.tree.Roots(), Audience::Workshop);
    };
    const auto search = [](Machine& m) {
        return FindBoxPort(m.tree.Roots(), std::string(), Audience::Workshop).failure;
    };
    const Case cases[] = {
        { "only the group dialout may open the converter",
            [](Machine& m) {
                m.tree.Add({ "ttyUSB0", "1-2" });
                m.HandToDialout("ttyUSB0");
            },
            "", "Ask whoever looks after this computer to add the user nobody to the group dialout",
            opening, true },
        { "another program holds the converter",
            [](Machine& m) {
                m.tree.Add({ "ttyUSB0", "1-2" });
                m.tree.AddHolder(812, "ModemManager", "ttyUSB0");
            },
            "", "in use by ModemManager (process 812).\nWhat to do: ", opening },
        { "no converter is connected", [](Machine&) {}, "", "Plug the box's converter in", search },
        { "no driver took the converter (brltty, or no ftdi_sio)",
            [](Machine& m) {
                FakeConverter converter { "ttyUSB0", "1-2" };
                converter.hasTty = false;
                m.tree.Add(converter);
            },
            "", "ask whoever looks after this computer to load the driver ftdi_sio", search },
        { "several candidates and none remembered",
            [](Machine& m) {
                m.tree.Add({ "ttyUSB0", "1-2" });
                m.tree.Add({ "ttyUSB1", "1-3" });
            },
            "", "choose the box's converter when Ramvik asks", search },
        { "the device Ramvik was told to use is not there",
            [](Machine& m) {
                m.tree.Add({ "ttyUSB0", "1-2" });
            },
            "ttyUSB9", "Plug the box's converter in",
            [](Machine& m) {
                return ExplainOpenFailure(m.tree.Dev("ttyUSB9"), "No such file or directory",
                    m.tree.Roots(), Audience::Workshop);
            } },
        { "the vendor library lacks functions",
            [](Machine& m) {
                m.tree.Add({ "ttyUSB0", "1-2" });
            },
            "", "Ask whoever looks after this computer to install FTDI's D2XX driver", nullptr,
            false, FAKE_FTD2XX_PARTIAL },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Machine machine;
        c.make(machine);
        DoctorRequest request;
        request.roots = machine.tree.Roots();
        if (*c.port)
            request.port = machine.tree.Dev(c.port);
        request.vendorLibraryFile = QString::fromUtf8(c.vendorLibrary);
        std::optional<CAsNobody> nobody;
        if (c.asNobody) {
            nobody.emplace();
            ASSERT_TRUE(nobody->switched);
        }
        const DoctorReport administrator = RunConnectionDoctor(request);
        request.audience = Audience::Workshop;
        const DoctorReport workshop = RunConnectionDoctor(request);
        const UserText message = c.message ? c.message(machine) : UserText();
        nobody.reset();

        EXPECT_EQ(Verdicts(workshop), Verdicts(administrator)) << "the same checks";
        EXPECT_EQ(workshop.transferCanStart, administrator.transferCanStart);
        EXPECT_NE(Problems(workshop).find(c.remedy), std::string::npos) << Problems(workshop);
        const std::string report = machine.WithoutRoot(workshop.Text());
        EXPECT_EQ(CommandLineWord(report), "") << report;
        if (c.message) {
            const std::string words = machine.WithoutRoot(message.English());
            EXPECT_NE(words.find(c.remedy), std::string::npos) << words;
            EXPECT_EQ(CommandLineWord(words), "") << words;
        }
    }
}

} // namespace
