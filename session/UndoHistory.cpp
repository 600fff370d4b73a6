#include "UndoHistory.h"

#include <utility>

namespace {

void ForEachState(std::deque<SessionSnapshot>& earlier, std::deque<SessionSnapshot>& undone,
    SessionSnapshot& present, const std::string& path, const std::string& text)
{
    auto mark = [&](SessionSnapshot& state) {
        if (state.project && state.filePath == path)
            state.savedText = text;
    };
    for (SessionSnapshot& state : earlier)
        mark(state);
    for (SessionSnapshot& state : undone)
        mark(state);
    mark(present);
}

} // namespace

void RestoreProject(ProjectState& project, const ProjectState& from)
{
    const bool sameBox = project.boxType == from.boxType;
    const int editCr = project.editCr;
    const int editTurbo = project.editTurbo;
    const int showCr = project.showCr;
    const int showTurbo = project.showTurbo;
    const int differenceView = project.differenceView;
    const int inputOutputView = project.inputOutputView;
    const unsigned char graphType = project.graphType;
    const std::string rootPath = project.rootPath;

    project.CopyFieldsFrom(from);
    project.ReplaceCrCurve(CopyPoints(from.crCurve));
    project.ReplaceTurboCurve(CopyPoints(from.turboCurve));

    project.differenceView = differenceView;
    project.inputOutputView = inputOutputView;
    project.graphType = graphType;
    project.rootPath = rootPath;
    if (sameBox) {
        project.editCr = editCr;
        project.editTurbo = editTurbo;
        project.showCr = showCr;
        project.showTurbo = showTurbo;
    }
}

void CUndoHistory::Reset(SessionSnapshot state)
{
    earlier.clear();
    undone.clear();
    present = std::move(state);
    lastGroup.clear();
}

bool CUndoHistory::Record(SessionSnapshot state, const std::string& group, Clock::time_point at)
{
    if (!present.project) {
        Reset(std::move(state));
        return true;
    }
    if (state.SameAs(present))
        return false;
    const bool burst = !group.empty() && group == lastGroup && at - lastAt <= kBurstGap;
    if (!burst) {
        earlier.push_back(std::move(present));
        if (earlier.size() > kUndoLimit)
            earlier.pop_front();
    }
    present = std::move(state);
    undone.clear();
    lastGroup = group;
    lastAt = at;
    return true;
}

void CUndoHistory::Saved(const std::string& path, const std::string& text)
{
    ForEachState(earlier, undone, present, path, text);
}

const SessionSnapshot* CUndoHistory::Undo()
{
    return Travel(earlier, undone);
}

const SessionSnapshot* CUndoHistory::Redo()
{
    return Travel(undone, earlier);
}

const SessionSnapshot* CUndoHistory::Travel(
    std::deque<SessionSnapshot>& from, std::deque<SessionSnapshot>& to)
{
    if (from.empty())
        return nullptr;
    to.push_back(std::move(present));
    present = std::move(from.back());
    from.pop_back();
    lastGroup.clear();
    return &present;
}
