// Every fault of the simulated box against every place of a transfer: the
// handshake, the first, a middle and the last data cell of a write, of its
// read-back and of a read. In process, wire model off; each row ends with
// its outcome and message, never hangs, and builds no project on failure.
#include "BoxTestSupport.h"

#include <BoxSimulator.h>
#include <DemoLink.h>
#include <Protocol.h>

#include <gtest/gtest.h>

#include <optional>

namespace {

using O = TransferOutcome;
using P = TransferPhase;
const char* const kCheck = kCheckConnectionMessage;
constexpr int kOther = 7; // what the box holds before a write, in every cell
constexpr int kWriteEnd = kWriteProgressEnd;
constexpr int kVerifyEnd = kVerifiedWriteProgressEnd;
constexpr int kReadEnd = kReadProgressEnd;

// Verify-phase progress after cell.
constexpr int Verified(int cell)
{
    return kVerifyProgressStart + cell;
}

// The fault is added to the box when the phase begins; without a phase
// before the link opens, so that it meets the handshake (whose last frame
// reads cell 255). A forget only acts on a write, so forget rows of the
// read-back are armed with the write.
struct MatrixRow {
    const char* name;
    bool read; // else a verified write of the default project
    const char* fault; // as ramvik-boxsim takes it
    std::optional<TransferPhase> armedAt;
    O outcome;
    const char* message; // null: none
    int progress; // -1: never moved
};

struct ArmingObserver : RecordingObserver {
    void PhaseStarted(TransferPhase phase) override
    {
        RecordingObserver::PhaseStarted(phase);
        if (armedAt == phase)
            box->AddFault(fault);
    }
    std::shared_ptr<CBoxSimulator> box;
    BoxFault fault {};
    std::optional<TransferPhase> armedAt;
};

const char* const kCell127
    = "The box holds other values than were written: cell 127 (CR output at the stop "
      "voltage): box 7, written 230.";
const char* const kCell254
    = "The box holds other values than were written: cell 254 (start delay): box 7, written 60.";

const MatrixRow kRows[] = {
    // write: a fault in the handshake stops it; later only a lost answer does,
    // as the write's answers are not examined and a stray byte is purged
    // before the read-back
    { "write, short at the handshake", false, "short@255", {}, O::HandshakeFailed, kCheck, -1 },
    { "write, silent at the handshake", false, "silent@255", {}, O::HandshakeFailed, kCheck, -1 },
    { "write, hangup at the handshake", false, "hangup@255", {}, O::HandshakeFailed, kCheck, -1 },
    { "write, stray at the handshake", false, "stray@255", {}, O::Completed, nullptr, kVerifyEnd },
    { "write, noise at the handshake", false, "noise@255", {}, O::HandshakeFailed, kCheck, -1 },
    { "write, forget at the handshake", false, "forget@255", {}, O::Completed, nullptr,
        kVerifyEnd },
    { "write, short at the last cell", false, "short@766", P::Writing, O::DataFailed, kCheck, 765 },
    { "write, stray at the last cell", false, "stray@766", P::Writing, O::Completed, nullptr,
        kVerifyEnd },
    { "write, noise at the last cell", false, "noise@766", P::Writing, O::Completed, nullptr,
        kVerifyEnd },
    { "write, forget at the last cell", false, "forget@766", P::Writing, O::Completed, nullptr,
        kVerifyEnd },

    // read-back: every fault but a forgotten first cell (the handshake wrote
    // the same value there) fails it; a stray byte shifts every later answer
    // and is found after the last one
    { "verify, short at the first cell", false, "short@0", P::Verifying, O::VerifyFailed, kCheck,
        kWriteEnd },
    { "verify, stray at the first cell", false, "stray@0", P::Verifying, O::VerifyFailed, kCheck,
        kVerifyEnd },
    { "verify, noise at the first cell", false, "noise@0", P::Verifying, O::VerifyFailed, kCheck,
        kWriteEnd },
    { "verify, forget at the first cell", false, "forget@0", P::Writing, O::Completed, nullptr,
        kVerifyEnd },
    { "verify, forget at a middle cell", false, "forget@127", P::Writing, O::VerifyFailed, kCell127,
        kVerifyEnd },
    { "verify, short at the last cell", false, "short@254", P::Verifying, O::VerifyFailed, kCheck,
        Verified(253) },
    { "verify, silent at the last cell", false, "silent@254", P::Verifying, O::VerifyFailed, kCheck,
        Verified(253) },
    { "verify, hangup at the last cell", false, "hangup@254", P::Verifying, O::VerifyFailed, kCheck,
        Verified(253) },
    { "verify, stray at the last cell", false, "stray@254", P::Verifying, O::VerifyFailed, kCheck,
        kVerifyEnd },
    { "verify, noise at the last cell", false, "noise@254", P::Verifying, O::VerifyFailed, kCheck,
        Verified(253) },
    { "verify, forget at the last cell", false, "forget@254", P::Writing, O::VerifyFailed, kCell254,
        kVerifyEnd },

    // read: nothing is written but the handshake's cell 0, so forget changes
    // nothing
    { "read, short at the handshake", true, "short@255", {}, O::HandshakeFailed, kCheck, -1 },
    { "read, silent at the handshake", true, "silent@255", {}, O::HandshakeFailed, kCheck, -1 },
    { "read, hangup at the handshake", true, "hangup@255", {}, O::HandshakeFailed, kCheck, -1 },
    { "read, stray at the handshake", true, "stray@255", {}, O::DataFailed, kCheck, kReadEnd },
    { "read, noise at the handshake", true, "noise@255", {}, O::HandshakeFailed, kCheck, -1 },
    { "read, forget at the handshake", true, "forget@0", {}, O::Completed, nullptr, kReadEnd },
    { "read, short at the last cell", true, "short@255", P::Reading, O::DataFailed, kCheck, 254 },
    { "read, stray at the last cell", true, "stray@255", P::Reading, O::DataFailed, kCheck,
        kReadEnd },
    { "read, noise at the last cell", true, "noise@255", P::Reading, O::DataFailed, kCheck, 254 },
};

// A CR box holding kOther in every cell, or for a read what a write of the
// default project left.
std::shared_ptr<CBoxSimulator> BoxFor(bool read)
{
    auto box = std::make_shared<CBoxSimulator>(kCrBoxId);
    const ReadCells written = SentDataCells(ComputeBoxTable(ProjectState()));
    for (int cell = 0; cell < CBoxSimulator::kCells; ++cell)
        if (cell != kIdentificationCell)
            box->SetCell(cell, read && cell <= kLastDataCell ? written[cell] : kOther);
    return box;
}

} // namespace

TEST(FaultMatrix, EveryFaultAtEveryPlaceEndsWithItsOutcomeAndMessage)
{
    for (const MatrixRow& row : kRows) {
        SCOPED_TRACE(row.name);
        ArmingObserver observer;
        observer.box = BoxFor(row.read);
        ASSERT_TRUE(ParseBoxFault(row.fault, observer.fault));
        observer.armedAt = row.armedAt;
        if (!row.armedAt)
            observer.box->AddFault(observer.fault);
        const ProjectState project;
        std::unique_ptr<BoxReading> reading;
        TransferOutcome outcome;
        if (row.read) {
            CReadTransfer transfer(
                project, std::make_unique<CDemoLink>(observer.box), observer, NoWait);
            outcome = RunWithDeadline(transfer);
            reading = transfer.TakeReading();
        } else {
            CWriteTransfer transfer(
                project, std::make_unique<CDemoLink>(observer.box), observer, NoWait);
            outcome = RunWithDeadline(transfer);
        }
        EXPECT_EQ(outcome, row.outcome);
        EXPECT_EQ(observer.finishedCalls, 1);
        EXPECT_EQ(observer.messages,
            row.message ? std::vector<std::string> { row.message } : std::vector<std::string> {});
        EXPECT_EQ(observer.progress, row.progress);
        EXPECT_EQ(reading != nullptr, row.read && row.outcome == O::Completed);
        if (reading) {
            EXPECT_EQ(reading->cells[1], 45);
            EXPECT_EQ(reading->project->stopVoltage, 4.5);
        }
    }
}

TEST(FaultMatrix, ThePhasesAreAnnouncedInOrder)
{
    const std::vector<TransferPhase> verified { P::Writing, P::Verifying };
    const std::vector<TransferPhase> unverified { P::Writing };
    for (bool verify : { true, false }) {
        RecordingObserver observer;
        auto box = std::make_shared<CBoxSimulator>(kCrBoxId);
        ASSERT_EQ(
            RunTransfer(false, ProjectState(), std::make_unique<CDemoLink>(box), observer, verify)
                .first,
            O::Completed);
        EXPECT_EQ(observer.phases, verify ? verified : unverified);
    }
    RecordingObserver observer;
    auto box = BoxFor(true);
    ASSERT_EQ(RunTransfer(true, ProjectState(), std::make_unique<CDemoLink>(box), observer).first,
        O::Completed);
    EXPECT_EQ(observer.phases, std::vector<TransferPhase> { P::Reading });
}
