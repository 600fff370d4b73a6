#include "SessionTestSupport.h"

#include <ProjectFile.h>

#include <functional>

namespace {

// What the user sees of a session: the caption's name, the file the project
// belongs to, the modified mark and the file text.
std::string Look(const CSession& session)
{
    return session.Project().fileName + " at '" + session.FilePath() + "'"
        + (session.HasUnsavedChanges() ? " modified\n" : "\n")
        + WriteProjectText(session.Project());
}

// A CR&TURBO project opened from a file, and another file to open.
class SessionUndo : public ::testing::Test {
protected:
    void SetUp() override
    {
        ProjectState start;
        start.SetBoxType(2);
        std::string error;
        ASSERT_TRUE(SaveProjectFile(folder.File("start.rmvp"), start, error)) << error;
        start.StepCurveDelay(true);
        ASSERT_TRUE(SaveProjectFile(folder.File("other.rmvp"), start, error)) << error;
        ASSERT_TRUE(session.Open(folder.File("start.rmvp")).ok);
    }

    ProjectState& Project() { return session.Project(); }

    CTempFolder folder;
    CSession session;
};

// Each kind of change is one step: Undo brings back exactly what was there
// before it, with its file and modified mark, and Redo the change. The
// history keeps the whole project, so one parameter stands for every edit; a
// box type also takes its curve choice (below). Drags, deletions, arrow
// bursts, New and the keys: tests/app (UndoWindow); Read: tests/app
// (TransferWindow).
TEST_F(SessionUndo, EveryKindOfChangeIsOneStep)
{
    struct Row {
        const char* what;
        std::function<void(CSession&)> change;
    };
    const Row rows[] = {
        { "box type", [](CSession& s) { s.Project().SetBoxType(1); } },
        { "Open", [this](CSession& s) { ASSERT_TRUE(s.Open(folder.File("other.rmvp")).ok); } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(session.Open(folder.File("start.rmvp")).ok);
        Project().StepStartDelaySeconds(true);
        session.RecordChange();
        const std::string before = Look(session);
        row.change(session);
        session.RecordChange();
        const std::string after = Look(session);
        ASSERT_NE(before, after) << "the row changes nothing";

        EXPECT_TRUE(session.Undo());
        EXPECT_EQ(Look(session), before);
        EXPECT_TRUE(session.Redo());
        EXPECT_EQ(Look(session), after);
        EXPECT_FALSE(session.Redo()) << "nothing more to redo";
        EXPECT_TRUE(session.Undo());
        EXPECT_TRUE(session.Undo()) << "the step before is still there";
    }
}

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
