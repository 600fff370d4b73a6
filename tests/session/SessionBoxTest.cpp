#include "SessionTestSupport.h"

#include <CurveTestSupport.h>
#include <DemoBox.h>
#include <DemoLink.h>
#include <ProjectFile.h>
#include <Protocol.h>

namespace {

// A project of box type 2 with curves of its own, as a user would make it.
void MakeTurboProject(ProjectState& project)
{
    project.SetBoxType(2);
    project.StepCurveDelay(true);
    project.crCurve = project.crCurve->Add(2.5, 3.0);
    project.turboCurve = project.turboCurve->Add(1.0, 1.5);
}

// The demo box takes a write of every box type and gives the project back;
// today's window demo box took CR projects only.
TEST(SessionBox, DemoBoxTakesEveryBoxTypeAndReadsItBack)
{
    for (int boxType : { 0, 1, 2 }) {
        SCOPED_TRACE(boxType);
        CSession session;
        session.UseDemoBox();
        session.Project().SetBoxType(boxType);
        session.Project().StepStartDelaySeconds(true);
        const std::string written = WriteProjectText(session.Project());
        CRecordingObserver writing;
        EXPECT_EQ(RunJob(*session.MakeWriteJob(), writing), TransferOutcome::Completed);
        EXPECT_EQ(writing.messages, std::vector<std::string> {});
        EXPECT_EQ(writing.lastPosition, session.MakeWriteJob()->LastPosition());
        EXPECT_EQ(session.DemoBox()->Cell(kIdentificationCell), boxType == 2 ? 213 : 132);

        session.New();
        CRecordingObserver reading;
        EXPECT_EQ(RunJob(*session.MakeReadJob(), reading), TransferOutcome::Completed);
        EXPECT_EQ(reading.lastPosition, 255);
        EXPECT_TRUE(reading.replaced);
        EXPECT_EQ(WriteProjectText(session.Project()), written);
        // No file holds the read project: it counts as unsaved, and Save
        // asks for a name.
        EXPECT_TRUE(session.HasUnsavedChanges());
        EXPECT_EQ(session.FilePath(), "");
        EXPECT_EQ(session.Project().fileName, "untitled.rmvp");
        EXPECT_EQ(session.Save().message, "");
    }
}

// A read that stops early leaves the project, its name and its unsaved
// changes as they were; so does a session without a way to the box.
TEST(SessionBox, FailedReadLeavesTheProjectUntouched)
{
    struct Row {
        const char* what;
        const char* fault; // empty: no link factory at all
        const char* message;
        TransferOutcome outcome;
    };
    const Row rows[] = {
        { "no device", "", kNoDeviceMessage, TransferOutcome::NotOpened },
        { "silent at the handshake", "silent@255", kCheckConnectionMessage,
            TransferOutcome::HandshakeFailed },
        { "short answer in the data", "short@200", kCheckConnectionMessage,
            TransferOutcome::DataFailed },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CSession session;
        BoxFault fault;
        if (ParseBoxFault(row.fault, fault)) {
            auto box = MakeDemoBox();
            box->AddFault(fault);
            session.SetLinkFactory([box] { return std::make_unique<CDemoLink>(box); });
        }
        MakeTurboProject(session.Project());
        session.Project().fileName = "mine.rmvp";
        const std::string before = WriteProjectText(session.Project());
        CRecordingObserver reading;
        EXPECT_EQ(RunJob(*session.MakeReadJob(), reading), row.outcome);
        EXPECT_EQ(reading.messages, std::vector<std::string> { row.message });
        EXPECT_FALSE(reading.replaced);
        EXPECT_EQ(WriteProjectText(session.Project()), before);
        EXPECT_EQ(session.Project().fileName, "mine.rmvp");
        EXPECT_TRUE(session.HasUnsavedChanges());
    }
}

// The box may hold CR points that the voltages exclude; installing trims them
// and keeps the TURBO curve whole.
TEST(SessionBox, InstallingAReadTrimsTheCrCurve)
{
    CSession session;
    auto read = std::make_unique<ProjectState>();
    read->SetBoxType(2);
    read->ReplaceCrCurve(BuildCurve({ { 0, 0 }, { 0.5, 0.8 }, { 1.5, 1.5 }, { 3, 3.3 },
        { 4.5, 4.5 }, { 4.8, 4.9 }, { 5, 5 } }));
    read->ReplaceTurboCurve(BuildCurve({ { 0, 0 }, { 0.5, 0.8 }, { 4.8, 4.9 } }));
    EXPECT_TRUE(session.InstallRead(std::move(read)));
    EXPECT_EQ(PointsOf(session.Project().crCurve),
        (Points { { 0, 0 }, { 1.5, 1.5 }, { 3, 3.3 }, { 4.5, 4.5 }, { 5, 5 } }));
    EXPECT_EQ(
        PointsOf(session.Project().turboCurve), (Points { { 0, 0 }, { 0.5, 0.8 }, { 4.8, 4.9 } }));
    EXPECT_TRUE(session.HasUnsavedChanges()) << "no file holds the read project";
    EXPECT_FALSE(session.InstallRead(nullptr));
}

} // namespace
