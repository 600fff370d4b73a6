#include "BoxTestSupport.h"

#include <BoxSimulator.h>
#include <DemoLink.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// The in-process box's link with the device failures a box cannot cause by
// itself; frames count from 0 (0..2: the handshake). The link opening's "#"
// and ";" are single-character writes and no frames.
struct FaultyLink : CDemoLink {
    using CDemoLink::CDemoLink;
    bool Open() override
    {
        *leftOpen = !failOpen && CDemoLink::Open();
        return *leftOpen;
    }
    bool SetDtr(bool up) override { return CDemoLink::SetDtr(up) && (up || !failDtrDrop); }
    bool Purge() override { return CDemoLink::Purge() && !(failPurgeAfterFrames && frames > 0); }
    IoResult Write(const char* data, std::size_t size) override
    {
        if (size == 1)
            return WriteSyncCharacter(*data);
        current = frames;
        ++frames;
        if (current == failWriteAtFrame)
            return { false, 0 };
        if (current == shortSendAtFrame) { // the write time-out ran out early
            CDemoLink::Write(data, size - 1);
            return { true, size - 1 };
        }
        return CDemoLink::Write(data, size);
    }
    IoResult WriteSyncCharacter(char c)
    {
        if (c == failSyncCharacter)
            return { false, 0 };
        if (c == stallSyncCharacter)
            return { true, 0 };
        return CDemoLink::Write(&c, 1);
    }
    IoResult Read(char* buffer, std::size_t size) override
    {
        IoResult result = CDemoLink::Read(buffer, size);
        return current == failReadAtFrame ? IoResult { false, 0 } : result; // fails outright
    }
    void Close() override
    {
        CDemoLink::Close();
        *leftOpen = false;
    }

    bool failOpen = false;
    bool failPurgeAfterFrames = false;
    bool failDtrDrop = false;
    char failSyncCharacter = 0; // the write call fails
    char stallSyncCharacter = 0; // the write call sends nothing
    int failWriteAtFrame = -1;
    int shortSendAtFrame = -1;
    int failReadAtFrame = -1;
    int frames = 0;
    int current = -1;
    bool* leftOpen = nullptr;
};

using O = TransferOutcome;
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

// A row of the handshake and failure tables. The fault is a box fault as
// ramvik-boxsim takes it ("short@300") or a device failure: "no device",
// "write@FRAME" (the write call fails), "send short@FRAME" (one character
// less goes out), "read@FRAME", "fail #" or "fail ;" (the link opening's
// write call fails), "stall ;" (it sends nothing), "purge" (fails once a
// frame went out), "dtr" (dropping DTR fails); frames count from 0 (0..2:
// the handshake).
struct Row {
    const char* fault;
    const char* message; // null: none
    O outcome;
    int progress; // -1: never moved
    int id = 132; // the box's identification
    int boxType = 0; // the project's
    bool verify = true; // a write only
};

// Writes the project, or reads into it from a box that holds the default
// project, over the in-process box with the row's fault; checks the end.
void Transfer(bool read, const Row& row, const ProjectState& project)
{
    auto box = std::make_shared<CBoxSimulator>(row.id);
    const BoxTable table = ComputeBoxTable(ProjectState());
    for (int cell = 0; read && cell < 255; ++cell)
        box->SetCell(cell, static_cast<int>(std::lround(table[cell])));
    BoxFault boxFault;
    if (ParseBoxFault(row.fault, boxFault))
        box->AddFault(boxFault);
    bool leftOpen = false;
    auto link = std::make_unique<FaultyLink>(box);
    link->leftOpen = &leftOpen;
    link->failOpen = !std::strcmp(row.fault, "no device");
    link->failPurgeAfterFrames = !std::strcmp(row.fault, "purge");
    link->failDtrDrop = !std::strcmp(row.fault, "dtr");
    std::sscanf(row.fault, "write@%d", &link->failWriteAtFrame);
    std::sscanf(row.fault, "send short@%d", &link->shortSendAtFrame);
    std::sscanf(row.fault, "read@%d", &link->failReadAtFrame);
    std::sscanf(row.fault, "fail %c", &link->failSyncCharacter);
    std::sscanf(row.fault, "stall %c", &link->stallSyncCharacter);
    RecordingObserver observer;
    auto [outcome, built] = RunTransfer(read, project, std::move(link), observer, row.verify);
    SCOPED_TRACE(std::string(read ? "read, " : "write, ") + row.fault + " " + std::to_string(row.id)
        + "/" + std::to_string(row.boxType));
    using Strings = std::vector<std::string>;
    EXPECT_EQ(observer.messages, row.message ? Strings { row.message } : Strings {});
    EXPECT_EQ(outcome, row.outcome);
    EXPECT_EQ(observer.outcome, row.outcome);
    EXPECT_EQ(observer.finishedCalls, 1);
    EXPECT_FALSE(observer.afterFinished);
    EXPECT_EQ(observer.progress, row.progress);
    // the dialog closes itself without a link and after a failed write in the data phase
    const bool closes = row.outcome == O::NotOpened || (!read && row.outcome == O::DataFailed);
    EXPECT_EQ(observer.dialogClosed, closes);
    EXPECT_EQ(observer.closeEnabled, !closes);
    EXPECT_FALSE(leftOpen);
    const bool allCells = row.outcome == O::Completed || row.outcome == O::ShutdownFailed;
    // Close comes before the last cell's progress, which the shutdown follows;
    // a verified write enables it once the last cell read back matched
    if (allCells) {
        EXPECT_EQ(observer.closeAt, !read && row.verify ? row.progress : row.progress - 1);
    }
    // only a read that got every cell builds a project, from the box's cells
    EXPECT_EQ(built != nullptr, read && allCells);
    EXPECT_EQ(built ? built->curveDelay : 200, 200);
    if (!read && allCells) { // 3 handshake frames, cells 0..766 without 255, 0..254 read back
        EXPECT_EQ(box->FramesAnswered(), row.verify ? 769 + 255 : 769);
        EXPECT_EQ(box->Cell(255), row.id);
    }
}

} // namespace

TEST(WriteFailures, HandshakeAndEveryFailureEndWithTheirMessage)
{
    const int end = kVerifiedWriteProgressEnd;
    const Row rows[] = {
        { "", nullptr, O::Completed, end, 213, 2 },
        { "", nullptr, O::Completed, end, 132, 0 },
        { "", nullptr, O::Completed, end, 132, 1 },
        { "", nullptr, O::Completed, kWriteProgressEnd, 132, 0, false }, // not verified
        { "", kCrOnly, O::HandshakeFailed, -1, 132, 2 },
        { "", kTurboOnly, O::HandshakeFailed, -1, 213, 0 },
        { "", kTurboOnly, O::HandshakeFailed, -1, 213, 1 },
        { "", kForeign, O::HandshakeFailed, -1, 0, 0 },
        { "", kForeign, O::HandshakeFailed, -1, 214, 2 },
        { "no device", kNoDevice, O::NotOpened, -1 },
        { "fail #", kNoDevice, O::NotOpened, -1 },
        { "fail ;", kNoDevice, O::NotOpened, -1 },
        { "stall ;", kNoDevice, O::NotOpened, -1 },
        { "write@1", kWr0001, O::HandshakeFailed, -1 },
        { "send short@0", kWr0001, O::HandshakeFailed, -1 },
        { "read@2", kCheck, O::HandshakeFailed, -1 }, // the identification's read call
        { "write@302", kWr0001, O::DataFailed, 299 }, // cell 300: 255 is skipped
        { "send short@302", kWr0001, O::DataFailed, 299 },
        { "hangup@256", kCheck, O::DataFailed, 254 },
        { "read@103", kCheck, O::DataFailed, 99 },
        { "read@770", kCheck, O::VerifyFailed, kVerifyProgressStart }, // reading back cell 1
        { "purge", kPu0001, O::ShutdownFailed, end },
        { "dtr", kCl0001, O::ShutdownFailed, end },
    };
    for (const Row& row : rows) {
        ProjectState project;
        project.SetBoxType(row.boxType);
        Transfer(false, row, project);
    }
    ProjectState refused; // before the link is opened
    refused.curveDelay = 510;
    refused.stopVoltage = 5.5;
    Transfer(false,
        { "no device",
            "The box cannot hold this project:\nStop voltage 5.5 V lies outside 0 V to 5 V.\n"
            "Curve delay 510 lies outside 0 to 500.",
            O::Refused, -1 },
        refused);
}

TEST(ReadFailures, HandshakeAndEveryFailureEndWithTheirMessageAndTheProjectUntouched)
{
    const Row rows[] = {
        { "", nullptr, O::Completed, 255, 213 },
        { "", nullptr, O::Completed, 255, 132 },
        { "", kForeign, O::HandshakeFailed, -1, 131 },
        { "no device", kNoDevice, O::NotOpened, -1 },
        { "fail #", kNoDevice, O::NotOpened, -1 },
        { "fail ;", kNoDevice, O::NotOpened, -1 },
        { "write@0", kWr0001, O::HandshakeFailed, -1 },
        { "send short@2", kWr0001, O::HandshakeFailed, -1 },
        { "read@2", kCheck, O::HandshakeFailed, -1 },
        { "write@20", kWr0001, O::DataFailed, 16 },
        { "send short@100", kWr0001, O::DataFailed, 96 },
        { "read@255", kCheck, O::DataFailed, 251 },
        { "purge", kPu0001, O::ShutdownFailed, 255 },
        { "dtr", kCl0001, O::ShutdownFailed, 255 },
    };
    for (const Row& row : rows) {
        ProjectState current;
        current.SetBoxType(2);
        current.curveDelay = 40;
        Transfer(true, row, current);
        EXPECT_EQ(current.boxType, 2) << row.fault;
        EXPECT_EQ(current.curveDelay, 40) << row.fault;
    }
}
