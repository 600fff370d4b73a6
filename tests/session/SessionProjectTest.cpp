// Where the session's project comes from: a file opened, or a read installed
// (the one home of the trim after a read). Save, Save As, a failed save,
// unsaved changes and failed reads are checked through the window and the
// tool (tests/app, tests/tools).

#include "SessionTestSupport.h"

#include <CurveTestSupport.h>
#include <ProjectFile.h>

#include <fstream>
#include <iterator>

namespace {

// Open takes regular files of a project's size only; a failure leaves project
// and changes alone and asks nothing: a file larger than any project is no
// project, so not even "open anyway" opens it. A value the file leaves out
// keeps what the project held.
TEST(SessionFiles, OpenReadsARegularFileOrChangesNothing)
{
    CTempFolder folder;
    std::filesystem::create_directory(folder.File("folder.rmvp"));
    const std::string big = folder.File("big.rmvp");
    std::ofstream(big, std::ios::binary) << "ADC = 1\r\n";
    std::filesystem::resize_file(big, kMaxProjectFileBytes + 1);
    const struct {
        const char* name;
        const char* message;
    } refused[] = {
        { "folder.rmvp", "Can't open file!" },
        { "missing.rmvp", "Can't open file!" },
        { "big.rmvp", "big.rmvp is not a Ramvik project: 1048577 bytes." },
    };
    CSession session;
    session.Project().StepCurveDelay(true);
    const std::string before = WriteProjectText(session.Project());
    for (const auto& row : refused) {
        for (bool anyway : { false, true }) {
            SCOPED_TRACE(std::string(row.name) + (anyway ? ", anyway" : ""));
            const SessionResult result = session.Open(folder.File(row.name), anyway);
            EXPECT_FALSE(result.ok);
            EXPECT_EQ(result.message.English(), row.message);
            EXPECT_TRUE(result.question.Empty());
            EXPECT_EQ(WriteProjectText(session.Project()), before);
            EXPECT_TRUE(session.HasUnsavedChanges());
        }
        ProjectState project;
        EXPECT_EQ(OpenProject(folder.File(row.name), project).message.English(), row.message);
    }

    const std::string good = folder.File("car.rmvp");
    // Binary, so Windows writes the CR LF as they stand.
    std::ofstream(good, std::ios::binary) << "ADC = 1\r\nVolt = 1.2\r\nCRD\r\n";
    ASSERT_TRUE(session.Open(good).ok);
    EXPECT_EQ(session.Project().startVoltage, 1.2);
    EXPECT_EQ(session.Project().curveDelay, 220);
    EXPECT_EQ(session.FilePath(), good);
    EXPECT_FALSE(session.HasUnsavedChanges());
}

// A file that does not look like a project opens only after a question that
// names what is wrong (open anyway, and Save's question before it replaces
// the file: tests/app WindowMends). A project file opens without a question,
// also when a box could not hold its values.
TEST(SessionFiles, ForeignFilesAskBeforeTheyOpenAndBeforeTheyAreReplaced)
{
    const struct {
        const char* what;
        std::string bytes;
        const char* reason; // empty: a project file
    } rows[] = {
        { "a letter", "Dear workshop,\r\nVolvo and Off road are ours.\r\n", "no parameter line" },
        { "an empty file", "", "the file is empty" },
        { "random bytes", std::string("ADC = 1\r\n\x00\x13", 11),
            "it holds control characters (byte 10 is 0)" },
        { "a project with a value no box holds", "Curve Delay = 99999 \r\nCRD\r\n", "" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CTempFolder folder;
        const std::string path = folder.File("letter.txt");
        std::ofstream(path, std::ios::binary) << row.bytes;
        CSession session;
        const std::string before = WriteProjectText(session.Project());
        SessionResult opened = session.Open(path);
        ASSERT_TRUE(opened.ok);
        if (*row.reason == '\0') {
            EXPECT_TRUE(opened.question.Empty()) << opened.question.English();
            EXPECT_EQ(session.Project().curveDelay, 99999);
            EXPECT_FALSE(opened.note.Empty()) << "the window's status line says why";
            EXPECT_TRUE(session.Save().question.Empty());
            continue;
        }
        EXPECT_EQ(opened.question.English(),
            "letter.txt does not look like a Ramvik project: " + std::string(row.reason)
                + ". Open it anyway?");
        EXPECT_EQ(WriteProjectText(session.Project()), before) << "nothing opened yet";
        EXPECT_TRUE(session.FilePath().empty());
    }
}

// The box may hold CR points that the voltages exclude; installing trims them
// and keeps the TURBO curve whole.
TEST(SessionBox, InstallingAReadTrimsTheCrCurve)
{
    CSession session;
    auto read = std::make_unique<ProjectState>();
    read->SetBoxType(2);
    read->crCurve = BuildCurve(
        { { 0, 0 }, { 0.5, 0.8 }, { 1.5, 1.5 }, { 3, 3.3 }, { 4.5, 4.5 }, { 4.8, 4.9 }, { 5, 5 } });
    read->turboCurve = BuildCurve({ { 0, 0 }, { 0.5, 0.8 }, { 4.8, 4.9 } });
    EXPECT_TRUE(session.InstallRead(std::move(read)));
    EXPECT_EQ(PointsOf(session.Project().crCurve),
        (Points { { 0, 0 }, { 1.5, 1.5 }, { 3, 3.3 }, { 4.5, 4.5 }, { 5, 5 } }));
    EXPECT_EQ(
        PointsOf(session.Project().turboCurve), (Points { { 0, 0 }, { 0.5, 0.8 }, { 4.8, 4.9 } }));
    EXPECT_TRUE(session.HasUnsavedChanges()) << "no file holds the read project";
    EXPECT_FALSE(session.InstallRead(nullptr));
}

// The demo box is whatever box the project needs: a CR&TURBO project can be
// tried without hardware (the box once answered as a CR box to every project),
// and reading it back gives the box type that was written.
TEST(SessionBox, DemoBoxTakesEveryBoxType)
{
    for (int boxType = 0; boxType <= 2; ++boxType) {
        SCOPED_TRACE(boxType);
        CSession session;
        session.UseDemoBox();
        session.Project().SetBoxType(boxType);
        EXPECT_EQ(RunJob(*session.MakeWriteJob()), TransferOutcome::Completed);
        session.Project().SetBoxType(boxType == 0 ? 1 : 0);
        const std::unique_ptr<CTransferJob> read = session.MakeReadJob();
        EXPECT_EQ(RunJob(*read), TransferOutcome::Completed);
        EXPECT_EQ(session.Project().boxType, boxType);
    }
}

} // namespace
