#include "SessionTestSupport.h"

#include <ProjectFile.h>

#include <functional>

namespace {

const char* const kChangedQuestion
    = "The project \"untitled.rmvp\" has changed.\n\nDo you want to save the changes?";

// Which user actions count as unsaved changes: what a file would show does,
// the view (remembered in the settings instead) does not.
TEST(SessionFiles, ChangesThatAFileWouldShowAreUnsaved)
{
    struct Row {
        const char* action;
        std::function<void(ProjectState&)> edit;
        bool unsaved;
    };
    const Row rows[] = {
        { "nothing", [](ProjectState&) {}, false },
        { "curve delay up", [](ProjectState& p) { p.StepCurveDelay(true); }, true },
        { "a new CR point", [](ProjectState& p) { p.crCurve = p.crCurve->Add(2.2, 3.1); }, true },
        { "box type 2", [](ProjectState& p) { p.SetBoxType(2); }, true },
        { "difference view", [](ProjectState& p) { p.ChooseDifferenceView(); }, false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.action);
        CSession session;
        row.edit(session.Project());
        EXPECT_EQ(session.HasUnsavedChanges(), row.unsaved);
        EXPECT_EQ(
            session.UnsavedChangesQuestion().value_or(""), row.unsaved ? kChangedQuestion : "");
        session.New();
        EXPECT_FALSE(session.HasUnsavedChanges());
    }
}

TEST(SessionFiles, SaveAsWritesTheFileTextAndCountsAsSaved)
{
    CTempFolder folder;
    CSession session;
    EXPECT_EQ(session.Save().message, "") << "no file yet: the adapter asks for a name";
    EXPECT_FALSE(session.Save().ok);

    session.Project().StepStartVoltage(false);
    const std::string path = folder.File("pump.rmvp");
    ASSERT_TRUE(session.SaveAs(path).ok);
    EXPECT_EQ(FileBytes(path), WriteProjectText(session.Project()));
    EXPECT_EQ(session.Project().fileName, "pump.rmvp");
    EXPECT_EQ(session.FilePath(), path);
    EXPECT_FALSE(session.HasUnsavedChanges());

    session.Project().StepCurveDelay(true);
    EXPECT_TRUE(session.HasUnsavedChanges());
    ASSERT_TRUE(session.Save().ok);
    EXPECT_FALSE(session.HasUnsavedChanges());
    EXPECT_NE(FileBytes(path).find("Curve Delay = 220 \r\n"), std::string::npos);
}

// A failed save says why and keeps the name and the unsaved changes.
TEST(SessionFiles, FailedSaveKeepsNameAndChanges)
{
    CTempFolder folder;
    CSession session;
    session.Project().StepCurveDelay(true);
    const std::string path = folder.File("no-such-folder/pump.rmvp");
    const SessionResult result = session.SaveAs(path);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message.rfind("Can't save file!\n\n" + path + "\n\n", 0), 0u)
        << result.message;
    EXPECT_GT(result.message.size(), ("Can't save file!\n\n" + path + "\n\n").size())
        << "the reason follows";
    EXPECT_EQ(session.Project().fileName, "untitled.rmvp");
    EXPECT_EQ(session.FilePath(), "");
    EXPECT_TRUE(session.HasUnsavedChanges());
}

// Open takes regular files only; a failure leaves project and changes alone.
TEST(SessionFiles, OpenReadsARegularFileOrChangesNothing)
{
    CTempFolder folder;
    const std::string good = folder.File("car.rmvp");
    WriteBytes(good, "ADC = 1\r\nVolt = 1.2\r\nCRD\r\n0.000000 0.000000\r\n2.000000 2.600000\r\n");
    std::filesystem::create_directory(folder.File("folder.rmvp"));

    struct Row {
        const char* what;
        std::string path;
    };
    for (const Row& row : { Row { "a missing file", folder.File("gone.rmvp") },
             Row { "a folder", folder.File("folder.rmvp") } }) {
        SCOPED_TRACE(row.what);
        CSession session;
        session.Project().StepCurveDelay(true);
        const std::string before = WriteProjectText(session.Project());
        const SessionResult result = session.Open(row.path);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, "Can't open file!");
        EXPECT_EQ(WriteProjectText(session.Project()), before);
        EXPECT_TRUE(session.HasUnsavedChanges());
    }

    CSession session;
    session.Project().StepCurveDelay(true);
    ASSERT_TRUE(session.Open(good).ok);
    EXPECT_EQ(session.Project().startVoltage, 1.2);
    EXPECT_EQ(session.Project().curveDelay, 220) << "a value the file leaves out stays";
    EXPECT_EQ(session.Project().fileName, "car.rmvp");
    EXPECT_EQ(session.FilePath(), good);
    EXPECT_FALSE(session.HasUnsavedChanges());
    session.New();
    EXPECT_EQ(session.FilePath(), "");
    EXPECT_EQ(session.Project().fileName, "untitled.rmvp");
}

} // namespace
