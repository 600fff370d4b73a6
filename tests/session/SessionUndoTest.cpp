// The session's undo history where the window does not reach it: Save, and
// a box type's curve choice. Each kind of change as one step (drags,
// deletions, arrow bursts, New, typed values, Read): tests/app.
#include "SessionTestSupport.h"

#include <ProjectFile.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <tuple>
#include <utility>
#include <vector>

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

namespace {

// Whether the comparison's list names each field of the struct once: the
// build checks that it is as long as the struct; here, that its fields lie
// inside the struct without overlapping, so none is named twice.
template <class Struct> bool ListsEachFieldOnce(const Struct& value)
{
    std::vector<std::pair<const char*, const char*>> spans;
    std::apply(
        [&spans](const auto&... field) {
            (spans.emplace_back(
                 reinterpret_cast<const char*>(&field), reinterpret_cast<const char*>(&field + 1)),
                ...);
        },
        value.Fields());
    std::sort(spans.begin(), spans.end());
    const char* end = reinterpret_cast<const char*>(&value);
    for (const auto& [from, to] : spans) {
        if (from < end)
            return false;
        end = to;
    }
    return end <= reinterpret_cast<const char*>(&value + 1);
}

// The project as a value: a copy equals its original, and a change to any
// one field makes them differ. A change to the document is one step that
// Undo takes back exactly, and an unsaved change; a change to the view is
// neither, and Undo leaves it (the name in the caption excepted, which
// belongs to the file it names). The rows cover every field of both parts,
// so a field added later needs a row here, and the build makes it part of
// the comparison.
TEST(ProjectValue, EveryFieldCopiesComparesAndUndoes)
{
    enum class Part { Document, View, FileName };
    const struct {
        const char* field;
        Part part;
        void (*change)(ProjectState&);
    } rows[] = {
        { "crCurve", Part::Document, [](ProjectState& p) { p.crCurve.Add(2.0, 1.7); } },
        { "turboCurve", Part::Document, [](ProjectState& p) { p.turboCurve.Add(2.0, 2.3); } },
        { "oneInput", Part::Document, [](ProjectState& p) { p.oneInput = 0; } },
        { "twoInputs", Part::Document, [](ProjectState& p) { p.twoInputs = 1; } },
        { "startDelayMin", Part::Document, [](ProjectState& p) { p.startDelayMin = 3; } },
        { "startDelaySec", Part::Document, [](ProjectState& p) { p.startDelaySec = 30; } },
        // A voltage that drifted by one bit writes another box table.
        { "startVoltage", Part::Document,
            [](ProjectState& p) { p.startVoltage = std::nextafter(1.5, 0.0); } },
        { "curveDelay", Part::Document, [](ProjectState& p) { p.curveDelay = 220; } },
        { "stopVoltage", Part::Document, [](ProjectState& p) { p.stopVoltage = 4.4; } },
        { "boxType", Part::Document, [](ProjectState& p) { p.SetBoxType(1); } },
        { "turboEnabled", Part::Document, [](ProjectState& p) { p.turboEnabled = false; } },
        { "editCr", Part::View, [](ProjectState& p) { p.editCr = 0; } },
        { "editTurbo", Part::View, [](ProjectState& p) { p.editTurbo = 1; } },
        { "showCr", Part::View, [](ProjectState& p) { p.showCr = 0; } },
        { "showTurbo", Part::View, [](ProjectState& p) { p.showTurbo = 0; } },
        { "differenceView", Part::View, [](ProjectState& p) { p.differenceView = 1; } },
        { "inputOutputView", Part::View, [](ProjectState& p) { p.inputOutputView = 0; } },
        { "graphType", Part::View, [](ProjectState& p) { p.graphType = 0; } },
        { "rootPath", Part::View, [](ProjectState& p) { p.rootPath = "/opt/ramvik/"; } },
        { "fileName", Part::FileName, [](ProjectState& p) { p.fileName = "car.rmvp"; } },
        { "titlePrefix", Part::View, [](ProjectState& p) { p.titlePrefix = "Tuning - "; } },
    };
    const auto rowsOf = [&rows](bool document) {
        return std::count_if(std::begin(rows), std::end(rows),
            [document](const auto& row) { return (row.part == Part::Document) == document; });
    };
    EXPECT_EQ(rowsOf(true), FieldCount<ProjectData>());
    EXPECT_EQ(rowsOf(false), FieldCount<ProjectView>());
    const ProjectState standard;
    EXPECT_TRUE(ListsEachFieldOnce(standard.Data()));
    EXPECT_TRUE(ListsEachFieldOnce(standard.View()));

    for (const auto& row : rows) {
        SCOPED_TRACE(row.field);
        CSession session;
        // A CR&TURBO project where the session starts: nothing to undo.
        session.ApplySettings({ true, std::string("/opt/"), std::string("12") });
        ProjectState& project = session.Project();
        ASSERT_FALSE(session.CanUndo());
        const ProjectState before = project;
        EXPECT_EQ(before, project);

        row.change(project);
        ProjectState assigned;
        assigned = project;
        const ProjectState copied(project);
        EXPECT_NE(project, before);
        EXPECT_EQ(assigned, project);
        EXPECT_EQ(copied, project);
        EXPECT_EQ(session.HasUnsavedChanges(), row.part == Part::Document);

        session.RecordChange();
        const bool step = row.part != Part::View;
        ASSERT_EQ(session.CanUndo(), step);
        if (!step)
            continue;
        ASSERT_TRUE(session.Undo());
        EXPECT_EQ(project, before);
        EXPECT_FALSE(session.HasUnsavedChanges());
        ASSERT_TRUE(session.Redo());
        EXPECT_EQ(project, copied);
    }
}

} // namespace
