#include "UndoHistory.h"

#include <utility>

namespace {

void ForEachState(std::deque<SessionSnapshot>& earlier, std::deque<SessionSnapshot>& undone,
    SessionSnapshot& present, const std::string& path,
    const std::shared_ptr<const ProjectData>& saved)
{
    auto mark = [&](SessionSnapshot& state) {
        if (state.filePath == path)
            state.saved = saved;
    };
    for (SessionSnapshot& state : earlier)
        mark(state);
    for (SessionSnapshot& state : undone)
        mark(state);
    mark(present);
}

} // namespace

void RestoreProject(ProjectState& project, const SessionSnapshot& state)
{
    const bool sameBox = project.boxType == state.data.boxType;
    project.Data() = state.data;
    project.fileName = state.fileName;
    // A TURBO curve must never stay edited in a box without one.
    if (!sameBox)
        project.ApplyBoxTypeView();
}

void CUndoHistory::Reset(SessionSnapshot state)
{
    earlier.clear();
    undone.clear();
    present = std::move(state);
    started = true;
    lastGroup.clear();
}

bool CUndoHistory::Record(SessionSnapshot state, const std::string& group, Clock::time_point at)
{
    if (!started) {
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

void CUndoHistory::Saved(const std::string& path, const std::shared_ptr<const ProjectData>& saved)
{
    ForEachState(earlier, undone, present, path, saved);
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
