#include "BoxTestSupport.h"

#include <BoxSimulator.h>
#include <DemoLink.h>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

using O = TransferOutcome;
using K = BoxFaultKind;
using Strings = std::vector<std::string>;
const char* const kNoDevice = "No USB Device Connected!";
const char* const kWr0001
    = "An error occured,\nplease replug\nthe USB-interface.\n\nError code: WR0001";
const char* const kCheck = "Please check the connection\nof the USB-interface\nand try again.";
const char* const kForeign
    = "This box is not designed for this software. \nUse the proper software, "
      "Dolvar,\nor contact your dealer to update this box.";
const char* const kCrOnly = "This box is for CR-Tuning only!\nplease adjust your project.";
const char* const kTurboOnly = "This box is for CR-TURBO-Tuning only!\nplease adjust your project.";
const char* const kPu0001 = "USB-error\n\nError code: PU0001";
const char* const kCl0001 = "USB-error\n\nError code: CL0001";

// A row of the failure tables: the fault and how the transfer has to end.
struct Row {
    const char* what;
    std::optional<BoxFault> boxFault;
    LinkFaults linkFaults; // { failOpen, failWriteAtFrame, failReadAtFrame, purge, DTR drop }
    const char* message; // null: none
    O outcome;
    int progress;
    bool closeEnabled, dialogClosed;
};

struct Run {
    RecordingObserver observer;
    O outcome;
    bool leftOpen = false;
    std::shared_ptr<BoxSimulator> box;
    std::unique_ptr<ProjectState> project;
};

// Writes the project, or reads into it from a box that holds the default
// project, over the in-process box with the row's faults.
std::unique_ptr<Run> Transfer(
    bool read, const ProjectState& project, int identification, const Row& row)
{
    auto run = std::make_unique<Run>();
    run->box = std::make_shared<BoxSimulator>(identification);
    if (row.boxFault)
        run->box->AddFault(*row.boxFault);
    auto link = std::make_unique<FaultyLink>(
        std::make_unique<DemoLink>(run->box), row.linkFaults, &run->leftOpen);
    if (read) {
        const BoxTable table = ComputeBoxTable(ProjectState());
        for (int cell = 0; cell < 255; ++cell)
            run->box->SetCell(cell, static_cast<int>(std::lround(table[cell])));
        ReadTransfer transfer(project, std::move(link), run->observer, NoWait);
        run->outcome = transfer.Run();
        run->project = transfer.TakeProject();
    } else {
        WriteTransfer transfer(project, std::move(link), run->observer, NoWait);
        run->outcome = transfer.Run();
    }
    SCOPED_TRACE(row.what);
    EXPECT_EQ(run->observer.messages, row.message ? Strings { row.message } : Strings {});
    EXPECT_EQ(run->outcome, row.outcome);
    EXPECT_EQ(run->observer.outcome, row.outcome);
    EXPECT_EQ(run->observer.finishedCalls, 1);
    EXPECT_FALSE(run->observer.afterFinished);
    EXPECT_EQ(run->observer.progress, row.progress);
    EXPECT_EQ(run->observer.closeEnabled, row.closeEnabled);
    EXPECT_EQ(run->observer.dialogClosed, row.dialogClosed);
    EXPECT_FALSE(run->leftOpen);
    return run;
}

} // namespace

TEST(Handshake, TheBoxMustFitTheProjectToWriteAndBeOursToRead)
{
    struct Case {
        bool read;
        int identification, boxType;
        const char* message; // null: accepted
    } cases[] = {
        { false, 213, 2, nullptr },
        { false, 132, 0, nullptr },
        { false, 132, 1, nullptr },
        { false, 132, 2, kCrOnly },
        { false, 213, 0, kTurboOnly },
        { false, 213, 1, kTurboOnly },
        { false, 0, 0, kForeign },
        { false, 214, 2, kForeign },
        { true, 213, 0, nullptr },
        { true, 132, 2, nullptr },
        { true, 131, 0, kForeign },
    };
    for (const Case& c : cases) {
        const std::string what = std::to_string(c.read) + " " + std::to_string(c.identification)
            + " / " + std::to_string(c.boxType);
        const int last = c.read ? 255 : 767;
        ProjectState project;
        project.SetBoxType(c.boxType);
        auto run = Transfer(c.read, project, c.identification,
            c.message ? Row { what.c_str(), {}, {}, c.message, O::HandshakeFailed, -1, true, false }
                      : Row { what.c_str(), {}, {}, nullptr, O::Completed, last, true, false });
        EXPECT_EQ(run->project != nullptr, c.read && !c.message) << what;
        // Close comes before the last cell's progress, which the shutdown follows
        EXPECT_EQ(run->observer.closeAt, c.message ? -1 : last - 1) << what;
        if (!c.read && !c.message) { // 3 handshake frames, then cells 0..766 without 255
            EXPECT_EQ(run->box->FramesAnswered(), 769) << what;
            EXPECT_EQ(run->box->Cell(255), c.identification) << what;
        }
    }
}

TEST(WriteFailures, EveryRowEndsWithItsMessage)
{
    const Row rows[] = {
        { "no device", {}, { true }, kNoDevice, O::NotOpened, -1, false, true },
        { "write fails in handshake", {}, { false, 1 }, kWr0001, O::HandshakeFailed, -1, true,
            false },
        { "short answer in handshake", BoxFault { K::Short, 0 }, {}, kCheck, O::HandshakeFailed, -1,
            true, false },
        { "silent identification", BoxFault { K::Silent, 255 }, {}, kCheck, O::HandshakeFailed, -1,
            true, false },
        { "hang-up at identification", BoxFault { K::HangUp, 255 }, {}, kCheck, O::HandshakeFailed,
            -1, true, false },
        { "identification read call fails", {}, { false, -1, 2 }, kCheck, O::HandshakeFailed, -1,
            true, false },
        // cell 300 is the 300th data frame (255 is skipped)
        { "write fails in data", {}, { false, 3 + 299 }, kWr0001, O::DataFailed, 299, false, true },
        { "short answer in data", BoxFault { K::Short, 300 }, {}, kCheck, O::DataFailed, 299, false,
            true },
        { "silent in data", BoxFault { K::Silent, 766 }, {}, kCheck, O::DataFailed, 765, false,
            true },
        { "hang-up in data", BoxFault { K::HangUp, 256 }, {}, kCheck, O::DataFailed, 254, false,
            true },
        { "read call fails in data", {}, { false, -1, 3 + 100 }, kCheck, O::DataFailed, 99, false,
            true },
        { "purge fails at the end", {}, { false, -1, -1, true }, kPu0001, O::ShutdownFailed, 767,
            true, false },
        { "DTR drop fails at the end", {}, { false, -1, -1, false, true }, kCl0001,
            O::ShutdownFailed, 767, true, false },
    };
    for (const Row& row : rows)
        Transfer(false, ProjectState(), 132, row);
}

TEST(WriteFailures, RefusedProjectNeverOpensTheLink)
{
    ProjectState project;
    project.curveDelay = 510;
    project.stopVoltage = 5.5;
    auto run = Transfer(false, project, 132,
        { "refused", {}, {},
            "The box cannot hold this project:\nStop voltage 5.5 V lies outside 0 V to 5 V.\n"
            "Curve delay 510 lies outside 0 to 500.",
            O::Refused, -1, true, false });
    EXPECT_EQ(run->box->FramesAnswered(), 0);
}

TEST(ReadFailures, EveryRowEndsWithItsMessageAndTheProjectUntouched)
{
    const Row rows[] = {
        { "no device", {}, { true }, kNoDevice, O::NotOpened, -1, false, true },
        { "write fails in handshake", {}, { false, 0 }, kWr0001, O::HandshakeFailed, -1, true,
            false },
        { "short identification", BoxFault { K::Short, 255 }, {}, kCheck, O::HandshakeFailed, -1,
            true, false },
        { "identification read call fails", {}, { false, -1, 2 }, kCheck, O::HandshakeFailed, -1,
            true, false },
        { "write fails in data", {}, { false, 3 + 17 }, kWr0001, O::DataFailed, 16, true, false },
        { "short answer at cell 200", BoxFault { K::Short, 200 }, {}, kCheck, O::DataFailed, 199,
            true, false },
        { "silent at cell 1", BoxFault { K::Silent, 1 }, {}, kCheck, O::DataFailed, 0, true,
            false },
        { "hang-up at cell 254", BoxFault { K::HangUp, 254 }, {}, kCheck, O::DataFailed, 253, true,
            false },
        { "read call fails in data", {}, { false, -1, 3 + 252 }, kCheck, O::DataFailed, 251, true,
            false },
        { "purge fails at the end", {}, { false, -1, -1, true }, kPu0001, O::ShutdownFailed, 255,
            true, false },
        { "DTR drop fails at the end", {}, { false, -1, -1, false, true }, kCl0001,
            O::ShutdownFailed, 255, true, false },
    };
    for (const Row& row : rows) {
        ProjectState current;
        current.SetBoxType(2);
        current.curveDelay = 40;
        auto run = Transfer(true, current, 132, row);
        // only a read that got every cell builds a project; the current one is never touched
        EXPECT_EQ(run->project != nullptr, row.outcome == O::ShutdownFailed) << row.what;
        EXPECT_EQ(current.boxType, 2) << row.what;
        EXPECT_EQ(current.curveDelay, 40) << row.what;
        EXPECT_EQ(run->project ? run->project->curveDelay : 200, 200) << row.what;
    }
}
