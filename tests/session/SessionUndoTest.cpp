// The session's undo history where the window does not reach it: Save, and
// a box type's curve choice. Each kind of change as one step (drags,
// deletions, arrow bursts, New, typed values, Read): tests/app.
#include "SessionTestSupport.h"

#include <ProjectFile.h>

namespace {

// A CR&TURBO project opened from a file.
class SessionUndo : public ::testing::Test {
protected:
    void SetUp() override
    {
        ProjectState start;
        start.SetBoxType(2);
        std::string error;
        ASSERT_TRUE(SaveProjectFile(folder.File("start.rmvp"), start, error)) << error;
        ASSERT_TRUE(session.Open(folder.File("start.rmvp")).ok);
    }

    ProjectState& Project() { return session.Project(); }

    CTempFolder folder;
    CSession session;
};

// Save keeps the history; the modified mark follows it: the step before the
// save is a change, coming back to what was saved is none.
TEST_F(SessionUndo, SaveKeepsTheHistoryAndTheMarkFollowsIt)
{
    Project().StepCurveDelay(true);
    session.RecordChange();
    ASSERT_TRUE(session.Save().ok);
    EXPECT_FALSE(session.HasUnsavedChanges());
    ASSERT_TRUE(session.Undo());
    EXPECT_TRUE(session.HasUnsavedChanges());
    ASSERT_TRUE(session.Redo());
    EXPECT_FALSE(session.HasUnsavedChanges());
}

// Undoing a box type change brings back the curve choice of that box type,
// so the TURBO curve is never edited in a box without one.
TEST_F(SessionUndo, UndoingABoxTypeTakesItsCurveChoice)
{
    Project().SetBoxType(0);
    session.RecordChange();
    ASSERT_TRUE(session.Undo());
    EXPECT_EQ(Project().boxType, 2);
    EXPECT_TRUE(Project().turboEnabled);
    Project().SelectTurboForEdit();
    ASSERT_TRUE(session.Redo());
    EXPECT_EQ(Project().boxType, 0);
    EXPECT_EQ(std::pair(Project().editCr, Project().editTurbo), std::pair(1, 0));
}

} // namespace
