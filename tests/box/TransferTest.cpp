// Where a transfer can fail and how each failure ends: the box's own faults
// where a write, its read-back and a read meet them (every kind at every
// place of each), and the device failures a box cannot cause. A compare runs
// a read; the tool's compare tests show how such a failure ends there (exit 2).
#include "BoxTestSupport.h"

#include <BoxSimulator.h>
#include <DemoLink.h>
#include <Protocol.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

// The in-process box's link with the device failures a box cannot cause by
// itself; frames count from 0 (0..2: the handshake). The link opening's "#"
// and ";" are single-character writes and no frames.
struct FaultyLink : CDemoLink {
    using CDemoLink::CDemoLink;
    bool Open() override
    {
        *leftOpen = CDemoLink::Open();
        return *leftOpen;
    }
    bool SetDtr(bool up) override { return CDemoLink::SetDtr(up) && (up || !failDtrDrop); }
    bool Purge() override { return CDemoLink::Purge() && !(failPurgeAfterFrames && frames > 0); }
    IoResult Write(const char* data, std::size_t size) override
    {
        if (size == 1 && *data == failSyncCharacter)
            return { false, 0 };
        if (size == 1 && *data == stallSyncCharacter)
            return { true, 0 };
        if (size == 1)
            return CDemoLink::Write(data, size);
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

// A line that keeps sending answers of its own ("0132" again and again,
// already there when the link opens and still coming after every purge):
// the frames reach the box, but every read takes the line's bytes.
struct ChattyLink : CDemoLink {
    using CDemoLink::CDemoLink;
    IoResult Read(char* buffer, std::size_t size) override
    {
        const IoResult box = CDemoLink::Read(buffer, size);
        if (!box.ok)
            return box;
        for (std::size_t i = 0; i < size; ++i, ++sent)
            buffer[i] = "0132"[sent % 4];
        return { true, size };
    }
    std::size_t sent = 0;
};

// Adds the box fault when its phase begins.
struct ArmingObserver : RecordingObserver {
    void PhaseStarted(TransferPhase phase) override
    {
        if (armedAt == phase)
            box->AddFault(fault);
    }
    std::shared_ptr<CBoxSimulator> box;
    BoxFault fault {};
    std::optional<TransferPhase> armedAt;
};

using O = TransferOutcome;
using P = TransferPhase;
constexpr int kOther = 7; // what the box holds in every data cell before a write

// A row of the failure table. The fault is either a box fault as
// ramvik-boxsim takes it ("short@300"), added when the phase armedAt begins,
// or at once so that it meets the handshake (whose last frame reads cell
// 255); a forget only acts on a write, so forget rows of the read-back are
// armed with the write. Or it is a device failure: "write@FRAME" (the write
// call fails), "send short@FRAME" (one character less goes out),
// "read@FRAME", "fail #" or "fail ;" (the link opening's write call fails),
// "stall ;" (it sends nothing), "purge" (fails once a frame went out), "dtr"
// (dropping DTR fails); frames count from 0 (0..2: the handshake).
struct Row {
    bool read; // else a verified write
    const char* fault;
    std::optional<TransferPhase> armedAt;
    UserText message; // empty: none
    O outcome;
    int progress; // -1: never moved
    int id = 132; // the box's identification
    int boxType = 0; // the project's
    bool backup = false; // a write reads the box first
};

// What a transfer left behind.
struct Ended {
    RecordingObserver observer;
    O outcome = O::NotOpened;
    bool built = false; // a read built a project
    bool leftOpen = false;
};

// Writes a project of the row's box type, or reads from a box that holds the
// default project, over the in-process box with the row's fault.
Ended RunRow(const Row& row)
{
    auto box = std::make_shared<CBoxSimulator>(row.id);
    const ReadCells written = SentDataCells(ComputeBoxTable(ProjectState()));
    for (int cell = 0; cell <= kLastDataCell; ++cell)
        box->SetCell(cell, row.read ? written[cell] : kOther);
    ArmingObserver observer;
    observer.box = box;
    observer.armedAt = row.armedAt;
    if (ParseBoxFault(row.fault, observer.fault) && !row.armedAt)
        box->AddFault(observer.fault);
    Ended ended;
    auto link = std::make_unique<FaultyLink>(box);
    link->leftOpen = &ended.leftOpen;
    link->failPurgeAfterFrames = !std::strcmp(row.fault, "purge");
    link->failDtrDrop = !std::strcmp(row.fault, "dtr");
    std::sscanf(row.fault, "write@%d", &link->failWriteAtFrame);
    std::sscanf(row.fault, "send short@%d", &link->shortSendAtFrame);
    std::sscanf(row.fault, "read@%d", &link->failReadAtFrame);
    std::sscanf(row.fault, "fail %c", &link->failSyncCharacter);
    std::sscanf(row.fault, "stall %c", &link->stallSyncCharacter);
    ProjectState project;
    project.SetBoxType(row.boxType);
    auto [outcome, built] = RunTransfer(row.read, project, std::move(link), observer, row.backup);
    ended.observer = observer;
    ended.outcome = outcome;
    ended.built = built != nullptr;
    return ended;
}

// Whatever the fault, a transfer ends once, closes the link, and builds a
// project only from a read that got every cell, even when the link failed to
// shut down afterwards.
void ExpectCleanEnd(const Ended& ended, bool read)
{
    EXPECT_EQ(ended.observer.finishedCalls, 1);
    EXPECT_FALSE(ended.observer.afterFinished);
    EXPECT_FALSE(ended.leftOpen);
    const bool allCells = ended.outcome == O::Completed || ended.outcome == O::ShutdownFailed;
    EXPECT_EQ(ended.built, read && allCells);
}

} // namespace

// The failures with an outcome of their own; every box fault at every place
// ends as the test after this one holds it to.
TEST(TransferFailures, EveryFailureEndsWithItsOutcomeAndMessage)
{
    const int end = kVerifiedWriteProgressEnd;
    const Row rows[] = {
        // the box's identification against the project's box type
        { false, "", {}, kCrBoxOnlyMessage, O::HandshakeFailed, -1, 132, 2 },
        { false, "", {}, kTurboBoxOnlyMessage, O::HandshakeFailed, -1, 213, 1 },
        { false, "", {}, kForeignBoxMessage, O::HandshakeFailed, -1, 214, 2 },

        // a write's answers are not examined, and a stray byte is purged
        // before the read-back: only a lost answer stops the write itself
        { false, "short@766", P::Writing, kCheckConnectionMessage, O::DataFailed, 765 },
        { false, "stray@766", P::Writing, {}, O::Completed, end },

        // the read-back names the cell the box did not take
        { false, "forget@254", P::Writing,
            RAMVIK_TR("Test",
                "The box holds other values than were written: cell 254 (start delay): box 7, "
                "written 60."),
            O::VerifyFailed, end },

        // a stray byte shifts every later answer of a read and is found left
        // over after the last one
        { true, "stray@0", P::Reading, kCheckConnectionMessage, O::DataFailed, kReadProgressEnd },

        // the link opening's single characters, once sent unchecked
        { false, "fail ;", {}, kNoDeviceMessage, O::NotOpened, -1 },
        { false, "stall ;", {}, kNoDeviceMessage, O::NotOpened, -1 },
        // a frame the write time-out cut short, once taken as sent
        { false, "send short@0", {}, kWriteFailedMessage, O::HandshakeFailed, -1 },
        { true, "send short@100", {}, kWriteFailedMessage, O::DataFailed, 96 },
        // the device's own write and read calls fail
        { false, "write@302", {}, kWriteFailedMessage, O::DataFailed,
            299 }, // cell 300: 255 is skipped
        { false, "read@103", {}, kCheckConnectionMessage, O::DataFailed, 99 },
        { false, "read@770", {}, kCheckConnectionMessage, O::VerifyFailed,
            kVerifyProgressStart }, // cell 1
        { true, "read@255", {}, kCheckConnectionMessage, O::DataFailed, 251 },
        // the link's shutdown after every cell
        { false, "purge", {}, kPurgeFailedMessage, O::ShutdownFailed, end },
        { false, "dtr", {}, kDtrFailedMessage, O::ShutdownFailed, end },
        { true, "purge", {}, kPurgeFailedMessage, O::ShutdownFailed, 255 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.read ? "read, " : "write, ") + row.fault + ", box "
            + std::to_string(row.id) + ", box type " + std::to_string(row.boxType));
        const Ended ended = RunRow(row);
        using Strings = std::vector<std::string>;
        EXPECT_EQ(ended.observer.messages,
            row.message.Empty() ? Strings {} : Strings { row.message.English() });
        EXPECT_EQ(ended.outcome, row.outcome);
        EXPECT_EQ(ended.observer.progress, row.progress);
        ExpectCleanEnd(ended, row.read);
    }
}

// Every fault kind at the handshake, the first and the last cell of
// a write, of its read-back, of the backup read before it and of a read. A fault where the box's
// answers are read (the read-back, a read) never passes in silence: only a forgotten write can end
// well, when the handshake wrote the same value or the read writes nothing. Each ends with no
// message or one that says what went wrong.
TEST(TransferFailures, EveryFaultKindAtEveryPlaceEndsCleanly)
{
    struct Place {
        const char* name;
        bool read;
        std::optional<TransferPhase> phase; // none: the handshake
        int cell;
    };
    const Place places[] = {
        { "write, handshake", false, {}, 255 },
        { "write, first cell", false, P::Writing, 0 },
        { "write, last cell", false, P::Writing, 766 },
        { "read-back, first cell", false, P::Verifying, 0 },
        { "read-back, last cell", false, P::Verifying, 254 },
        { "backup, first cell", false, P::BackingUp, 0 },
        { "backup, last cell", false, P::BackingUp, 255 },
        { "read, handshake", true, {}, 255 },
        { "read, first cell", true, P::Reading, 0 },
        { "read, last cell", true, P::Reading, 255 },
    };
    const std::string verifyFailed = "The box holds other values than were written: ";
    for (const Place& place : places) {
        for (const char* kind : { "short", "silent", "hangup", "stray", "noise", "forget" }) {
            const std::string fault = std::string(kind) + "@" + std::to_string(place.cell);
            SCOPED_TRACE(std::string(place.name) + ", " + fault);
            const bool forget = !std::strcmp(kind, "forget");
            // a forget acts on a write: for the read-back it is armed with the write
            const std::optional<TransferPhase> armedAt
                = forget && place.phase == P::Verifying ? P::Writing : place.phase;
            const bool backup = place.phase == P::BackingUp;
            const Ended ended = RunRow(
                { place.read, fault.c_str(), armedAt, {}, O::Completed, 0, 132, 0, backup });
            ExpectCleanEnd(ended, place.read);
            const std::vector<std::string>& messages = ended.observer.messages;
            if (ended.outcome == O::Completed) {
                EXPECT_TRUE(messages.empty());
            } else {
                ASSERT_EQ(messages.size(), 1u);
                EXPECT_TRUE(messages[0] == kCheckConnectionMessage.English()
                    || messages[0].rfind(verifyFailed, 0) == 0)
                    << messages[0];
            }
            // A byte after the backup's last answer shifts none of its values
            // and is purged before the first cell.
            const bool harmless = backup && place.cell == 255 && !std::strcmp(kind, "stray");
            const bool answersRead = place.read || place.phase == P::Verifying || backup;
            if (answersRead && !forget && !harmless) {
                EXPECT_NE(ended.outcome, O::Completed);
            }
            // A fault in the backup writes nothing; a stray byte is found when
            // the last answer is not the identification.
            if (backup && !forget && !harmless) {
                EXPECT_EQ(ended.outcome, O::HandshakeFailed);
                const bool stray = !std::strcmp(kind, "stray");
                EXPECT_EQ(ended.observer.progress, stray ? kReadProgressEnd : place.cell - 1);
            }
        }
    }
}

// A line that keeps sending is no box, whether the write is read back or
// not: its bytes are no acknowledgements. A write without its read-back once
// took them for the box's 769 answers and reported success in 0.23 s, where
// the wire needs 4.8 s.
TEST(TransferFailures, ALineThatKeepsSendingPassesNoWrite)
{
    for (bool verify : { false, true }) {
        SCOPED_TRACE(verify ? "verified" : "not verified");
        RecordingObserver observer;
        CWriteTransfer write(ProjectState(),
            std::make_unique<ChattyLink>(std::make_shared<CBoxSimulator>(kCrBoxId)), observer,
            NoWait);
        write.SetVerify(verify);
        EXPECT_EQ(RunWithDeadline(write), verify ? O::VerifyFailed : O::DataFailed);
        EXPECT_EQ(
            observer.messages, std::vector<std::string> { kCheckConnectionMessage.English() });
    }
}

// A write that is not read back takes its acknowledgements only when nothing
// follows the last one, as a read takes its answers: a byte left over means
// every answer after it was one out of step. A stray byte after the
// identification is flushed before the first cell and shifts nothing.
TEST(TransferFailures, AWriteWithoutReadBackFailsOnBytesLeftOver)
{
    const struct {
        const char* stray;
        O outcome;
        std::vector<std::string> messages;
    } rows[] = {
        { "stray@400", O::DataFailed, { kCheckConnectionMessage.English() } },
        { "stray@255", O::Completed, {} },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.stray);
        auto box = std::make_shared<CBoxSimulator>(kCrBoxId);
        BoxFault fault {};
        ASSERT_TRUE(ParseBoxFault(row.stray, fault));
        box->AddFault(fault);
        RecordingObserver observer;
        CWriteTransfer write(ProjectState(), std::make_unique<CDemoLink>(box), observer, NoWait);
        write.SetVerify(false);
        EXPECT_EQ(RunWithDeadline(write), row.outcome);
        EXPECT_EQ(observer.messages, row.messages);
        EXPECT_EQ(observer.progress, kWriteProgressEnd);
    }
}
