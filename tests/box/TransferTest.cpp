#include "TransferDoubles.h"

#include <BoxSimulator.h>
#include <DemoLink.h>
#include <Frames.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

const std::string kNoDevice = "No USB Device Connected!";
const std::string kWr0001
    = "An error occured,\nplease replug\nthe USB-interface.\n\nError code: WR0001";
const std::string kCheck = "Please check the connection\nof the USB-interface\nand try again.";
const std::string kForeign
    = "This box is not designed for this software. \nUse the proper software, "
      "Dolvar,\nor contact your dealer to update this box.";
const std::string kCrOnly = "This box is for CR-Tuning only!\nplease adjust your project.";
const std::string kTurboOnly = "This box is for CR-TURBO-Tuning only!\nplease adjust your project.";
const std::string kPu0001 = "USB-error\n\nError code: PU0001";
const std::string kCl0001 = "USB-error\n\nError code: CL0001";

struct BoxSetup {
    int identification = 132;
    int boxType = 0;
    std::optional<BoxFault> boxFault;
    LinkFaults linkFaults;
};

struct TransferRun {
    RecordingObserver observer;
    TransferOutcome outcome;
    bool leftOpen = false;
    std::shared_ptr<BoxSimulator> box;
    std::unique_ptr<ProjectState> readProject;
};

std::unique_ptr<Link> MakeLink(
    const BoxSetup& setup, std::shared_ptr<BoxSimulator>& box, bool* leftOpen)
{
    box = std::make_shared<BoxSimulator>(setup.identification);
    if (setup.boxFault)
        box->AddFault(*setup.boxFault);
    return std::make_unique<FaultyLink>(
        std::make_unique<DemoLink>(box), setup.linkFaults, leftOpen);
}

std::unique_ptr<TransferRun> RunWrite(const BoxSetup& setup)
{
    auto run = std::make_unique<TransferRun>();
    ProjectState project;
    project.SetBoxType(setup.boxType);
    WriteTransfer transfer(
        project, MakeLink(setup, run->box, &run->leftOpen), run->observer, NoWait);
    run->outcome = transfer.Run();
    return run;
}

std::unique_ptr<TransferRun> RunRead(const BoxSetup& setup, const ProjectState& current)
{
    auto run = std::make_unique<TransferRun>();
    ReadTransfer transfer(
        current, MakeLink(setup, run->box, &run->leftOpen), run->observer, NoWait);
    // a written default project in the box
    ProjectState written;
    BoxTable table = ComputeBoxTable(written);
    for (int cell = 0; cell < 255; ++cell)
        run->box->SetCell(cell, static_cast<int>(std::lround(table[cell])));
    run->outcome = transfer.Run();
    run->readProject = transfer.TakeProject();
    return run;
}

// What a transfer has to end with.
struct Expected {
    const char* message; // null: none
    TransferOutcome outcome;
    int progress;
    bool closeEnabled;
    bool dialogClosed;
};

void ExpectEnd(const TransferRun& run, const Expected& expected, const std::string& what)
{
    SCOPED_TRACE(what);
    if (expected.message) {
        ASSERT_EQ(run.observer.messages.size(), 1u);
        EXPECT_EQ(run.observer.messages[0], expected.message);
    } else {
        EXPECT_TRUE(run.observer.messages.empty());
    }
    EXPECT_EQ(run.outcome, expected.outcome);
    EXPECT_EQ(run.observer.outcome, expected.outcome);
    EXPECT_EQ(run.observer.finishedCalls, 1);
    EXPECT_EQ(run.observer.events.back(), "finished");
    EXPECT_EQ(run.observer.progress, expected.progress);
    EXPECT_EQ(run.observer.closeEnabled, expected.closeEnabled);
    EXPECT_EQ(run.observer.dialogClosed, expected.dialogClosed);
    EXPECT_FALSE(run.leftOpen);
}

BoxFault Fault(BoxFaultKind kind, int cell)
{
    return BoxFault { kind, cell };
}

} // namespace

TEST(Handshake, WriteNeedsABoxThatFitsTheProject)
{
    struct Case {
        int identification, boxType;
        const char* message;
    } cases[] = {
        { 213, 2, nullptr },
        { 132, 0, nullptr },
        { 132, 1, nullptr },
        { 132, 2, kCrOnly.c_str() },
        { 213, 0, kTurboOnly.c_str() },
        { 213, 1, kTurboOnly.c_str() },
        { 0, 0, kForeign.c_str() },
        { 214, 2, kForeign.c_str() },
        { 9999, 0, kForeign.c_str() },
    };
    for (const Case& c : cases) {
        BoxSetup setup;
        setup.identification = c.identification;
        setup.boxType = c.boxType;
        auto run = RunWrite(setup);
        std::string what = std::to_string(c.identification) + " / " + std::to_string(c.boxType);
        if (c.message)
            ExpectEnd(*run, { c.message, TransferOutcome::HandshakeFailed, -1, true, false }, what);
        else
            ExpectEnd(*run, { nullptr, TransferOutcome::Completed, 767, true, false }, what);
    }
}

TEST(Handshake, ReadAcceptsEitherBox)
{
    for (int identification : { 213, 132, 0, 131 }) {
        BoxSetup setup;
        setup.identification = identification;
        ProjectState current;
        auto run = RunRead(setup, current);
        bool accepted = identification == 213 || identification == 132;
        if (accepted)
            ExpectEnd(*run, { nullptr, TransferOutcome::Completed, 255, true, false }, "accepted");
        else
            ExpectEnd(*run, { kForeign.c_str(), TransferOutcome::HandshakeFailed, -1, true, false },
                "foreign");
        EXPECT_EQ(run->readProject != nullptr, accepted) << identification;
    }
}

TEST(Handshake, FramesTheBoxReceives)
{
    auto box = std::make_shared<BoxSimulator>(132);
    RecordingObserver observer;
    ProjectState project;
    WriteTransfer transfer(project, std::make_unique<DemoLink>(box), observer, NoWait);
    EXPECT_EQ(transfer.Run(), TransferOutcome::Completed);
    // 3 handshake frames, then 766 cells: 0..766 without 255
    EXPECT_EQ(box->FramesAnswered(), 769);
    EXPECT_EQ(box->Cell(255), 132);
    EXPECT_EQ(box->Cell(767), 0);
    EXPECT_EQ(box->Cell(127), 230);
    EXPECT_EQ(box->Cell(253), 77);
}

TEST(WriteFailures, EveryRowEndsWithItsMessage)
{
    using O = TransferOutcome;
    struct Case {
        const char* what;
        BoxSetup setup;
        Expected expected;
    };
    auto box = [](BoxFaultKind kind, int cell) {
        BoxSetup s;
        s.boxFault = Fault(kind, cell);
        return s;
    };
    auto link = [](LinkFaults faults) {
        BoxSetup s;
        s.linkFaults = faults;
        return s;
    };
    LinkFaults noOpen;
    noOpen.failOpen = true;
    LinkFaults writeHandshake;
    writeHandshake.failWriteAtFrame = 1;
    LinkFaults readHandshake;
    readHandshake.failReadAtFrame = 2;
    LinkFaults writeData;
    writeData.failWriteAtFrame = 3 + 299;
    LinkFaults readData;
    readData.failReadAtFrame = 3 + 100;
    LinkFaults purge;
    purge.failPurgeAfterFrames = true;
    LinkFaults dtr;
    dtr.failDtrDrop = true;
    const Case cases[] = {
        { "no device", link(noOpen), { kNoDevice.c_str(), O::NotOpened, -1, false, true } },
        { "write fails in handshake", link(writeHandshake),
            { kWr0001.c_str(), O::HandshakeFailed, -1, true, false } },
        { "short answer in handshake", box(BoxFaultKind::Short, 0),
            { kCheck.c_str(), O::HandshakeFailed, -1, true, false } },
        { "silent identification", box(BoxFaultKind::Silent, 255),
            { kCheck.c_str(), O::HandshakeFailed, -1, true, false } },
        { "hang-up at identification", box(BoxFaultKind::HangUp, 255),
            { kCheck.c_str(), O::HandshakeFailed, -1, true, false } },
        { "identification read call fails", link(readHandshake),
            { kCheck.c_str(), O::HandshakeFailed, -1, true, false } },
        // cell 300 is the 300th data frame (255 is skipped)
        { "write fails in data", link(writeData),
            { kWr0001.c_str(), O::DataFailed, 299, false, true } },
        { "short answer in data", box(BoxFaultKind::Short, 300),
            { kCheck.c_str(), O::DataFailed, 299, false, true } },
        { "silent in data", box(BoxFaultKind::Silent, 766),
            { kCheck.c_str(), O::DataFailed, 765, false, true } },
        { "hang-up in data", box(BoxFaultKind::HangUp, 256),
            { kCheck.c_str(), O::DataFailed, 254, false, true } },
        { "read call fails in data", link(readData),
            { kCheck.c_str(), O::DataFailed, 99, false, true } },
        { "purge fails at the end", link(purge),
            { kPu0001.c_str(), O::ShutdownFailed, 767, true, false } },
        { "DTR drop fails at the end", link(dtr),
            { kCl0001.c_str(), O::ShutdownFailed, 767, true, false } },
    };
    for (const Case& c : cases)
        ExpectEnd(*RunWrite(c.setup), c.expected, c.what);
}

TEST(WriteFailures, RefusedProjectNeverOpensTheLink)
{
    auto box = std::make_shared<BoxSimulator>(132);
    RecordingObserver observer;
    ProjectState project;
    project.curveDelay = 510;
    project.stopVoltage = 5.5;
    WriteTransfer transfer(project, std::make_unique<DemoLink>(box), observer, NoWait);
    EXPECT_EQ(transfer.Run(), TransferOutcome::Refused);
    ASSERT_EQ(observer.messages.size(), 1u);
    EXPECT_EQ(observer.messages[0],
        "The box cannot hold this project:\nStop voltage 5.5 V lies outside 0 V to 5 V.\n"
        "Curve delay 510 lies outside 0 to 500.");
    EXPECT_TRUE(observer.closeEnabled);
    EXPECT_EQ(box->FramesAnswered(), 0);
    EXPECT_EQ(box->Cell(0), 0);
}

TEST(WriteFailures, CloseIsEnabledWhenCell766IsAnsweredBeforeTheShutdown)
{
    BoxSetup setup;
    auto run = RunWrite(setup);
    const auto& e = run->observer.events;
    ASSERT_GE(e.size(), 5u);
    EXPECT_EQ(e[e.size() - 5], "progress 766");
    EXPECT_EQ(e[e.size() - 4], "enable close");
    EXPECT_EQ(e[e.size() - 3], "progress 767");
}

TEST(ReadFailures, EveryRowEndsWithItsMessageAndTheProjectUntouched)
{
    using O = TransferOutcome;
    struct Case {
        const char* what;
        std::optional<BoxFault> boxFault;
        LinkFaults linkFaults;
        Expected expected;
        bool projectBuilt;
    };
    auto faults = [](auto change) {
        LinkFaults f;
        change(f);
        return f;
    };
    const Case cases[] = {
        { "no device", {}, faults([](LinkFaults& f) { f.failOpen = true; }),
            { kNoDevice.c_str(), O::NotOpened, -1, false, true }, false },
        { "write fails in handshake", {}, faults([](LinkFaults& f) { f.failWriteAtFrame = 0; }),
            { kWr0001.c_str(), O::HandshakeFailed, -1, true, false }, false },
        { "short identification", Fault(BoxFaultKind::Short, 255), {},
            { kCheck.c_str(), O::HandshakeFailed, -1, true, false }, false },
        { "identification read call fails", {},
            faults([](LinkFaults& f) { f.failReadAtFrame = 2; }),
            { kCheck.c_str(), O::HandshakeFailed, -1, true, false }, false },
        { "write fails in data", {}, faults([](LinkFaults& f) { f.failWriteAtFrame = 3 + 17; }),
            { kWr0001.c_str(), O::DataFailed, 16, true, false }, false },
        { "short answer at cell 200", Fault(BoxFaultKind::Short, 200), {},
            { kCheck.c_str(), O::DataFailed, 199, true, false }, false },
        { "silent at cell 1", Fault(BoxFaultKind::Silent, 1), {},
            { kCheck.c_str(), O::DataFailed, 0, true, false }, false },
        { "hang-up at cell 254", Fault(BoxFaultKind::HangUp, 254), {},
            { kCheck.c_str(), O::DataFailed, 253, true, false }, false },
        { "read call fails in data", {}, faults([](LinkFaults& f) { f.failReadAtFrame = 3 + 252; }),
            { kCheck.c_str(), O::DataFailed, 251, true, false }, false },
        { "purge fails at the end", {},
            faults([](LinkFaults& f) { f.failPurgeAfterFrames = true; }),
            { kPu0001.c_str(), O::ShutdownFailed, 255, true, false }, true },
        { "DTR drop fails at the end", {}, faults([](LinkFaults& f) { f.failDtrDrop = true; }),
            { kCl0001.c_str(), O::ShutdownFailed, 255, true, false }, true },
    };
    for (const Case& c : cases) {
        BoxSetup setup;
        setup.boxFault = c.boxFault;
        setup.linkFaults = c.linkFaults;
        ProjectState current;
        current.SetBoxType(2);
        current.curveDelay = 40;
        auto run = RunRead(setup, current);
        ExpectEnd(*run, c.expected, c.what);
        EXPECT_EQ(run->readProject != nullptr, c.projectBuilt) << c.what;
        // the current project is never touched by the transfer itself
        EXPECT_EQ(current.boxType, 2) << c.what;
        EXPECT_EQ(current.curveDelay, 40) << c.what;
        if (run->readProject) {
            EXPECT_EQ(run->readProject->curveDelay, 200) << c.what;
        }
    }
}

TEST(ReadFailures, CloseIsEnabledBeforeCell255IsAsked)
{
    BoxSetup setup;
    ProjectState current;
    auto run = RunRead(setup, current);
    const auto& e = run->observer.events;
    auto enable = std::find(e.begin(), e.end(), "enable close");
    ASSERT_NE(enable, e.end());
    EXPECT_EQ(*(enable - 1), "progress 254");
    EXPECT_EQ(*(enable + 1), "progress 255");
}
