// The connection doctor and the failed opening in the workshop's words, on a
// fake machine with the problems a workshop meets most (a converter another
// program holds: tests/app WindowPortChoice): the report names the remedy and
// asks for no command line (the administrator's words: tests/tools).
#include <FakeSystemTree.h>

#include <ConnectionDoctor.h>
#include <PortAdvice.h>
#include <PortFinder.h>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <regex>

namespace {

// The first word of a command line in text, or "" when there is none.
std::string CommandLineWord(const std::string& text)
{
    static const std::regex command(
        R"(\b(sudo|ramvik-cli|apt|modprobe|systemctl|usermod|udevadm)\b|/etc/|--port)");
    std::smatch found;
    return std::regex_search(text, found, command) ? found.str() : std::string();
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
        const char* remedy; // in the workshop's report and message
        // What the window's "No USB Device Connected!" adds after a failed
        // opening; null: the case has no such message.
        std::function<UserText(Machine&)> message;
        const char* vendorLibrary = "";
    };
    // The search for a converter, as a transfer makes it.
    const auto search = [](Machine& m) {
        return FindBoxPort(m.tree.Roots(), std::string(), Audience::Workshop).failure;
    };
    const Case cases[] = {
        { "no driver took the converter (brltty, or no ftdi_sio)",
            [](Machine& m) {
                FakeConverter converter { "ttyUSB0", "1-2" };
                converter.hasTty = false;
                m.tree.Add(converter);
            },
            "ask whoever looks after this computer to load the driver ftdi_sio", search },
        { "the vendor library lacks functions",
            [](Machine& m) {
                m.tree.Add({ "ttyUSB0", "1-2" });
            },
            "Ask whoever looks after this computer to install FTDI's D2XX driver", nullptr,
            FAKE_FTD2XX_PARTIAL },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Machine machine;
        c.make(machine);
        DoctorRequest request;
        request.roots = machine.tree.Roots();
        request.vendorLibraryFile = QString::fromUtf8(c.vendorLibrary);
        request.audience = Audience::Workshop;
        const DoctorReport workshop = RunConnectionDoctor(request);
        const UserText message = c.message ? c.message(machine) : UserText();

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
