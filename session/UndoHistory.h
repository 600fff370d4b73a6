#pragma once

#include <ProjectState.h>

#include <chrono>
#include <cstddef>
#include <deque>
#include <memory>
#include <string>

// How many steps Undo can go back; the oldest step is forgotten beyond it.
constexpr std::size_t kUndoLimit = 200;
// Steps of one control closer together than this make one step: a held
// arrow repeats every 100 ms or so after a 300 ms pause, and quick clicks on
// the same arrow read as one adjustment too.
constexpr std::chrono::milliseconds kBurstGap { 500 };

// One state the history can go back to: the document, the name it goes by,
// the file it belongs to and what that file holds. The view is no part of
// it: undo brings back documents, not what the user looks at.
struct SessionSnapshot {
    ProjectData data;
    std::string fileName; // the caption's name
    std::string filePath; // empty while the project is stored nowhere
    // The project as its file holds it; null while no file holds it (a read
    // from the box). Shared by the states of one save.
    std::shared_ptr<const ProjectData> saved;

    bool SameAs(const SessionSnapshot& other) const
    {
        const bool sameSaved
            = saved == other.saved || (saved && other.saved && *saved == *other.saved);
        return data == other.data && fileName == other.fileName && filePath == other.filePath
            && sameSaved;
    }
};

// Puts a state of the history back into the project: its document and name.
// What the user looks at stays: the view, the folder, and which curve is
// shown and edited as long as the box type stays the same (another box type
// starts with its own, as choosing it does).
void RestoreProject(ProjectState& project, const SessionSnapshot& state);

// The undo and redo history of a session: the states before each change, the
// present state, and the states undone. Plain values; the session decides
// when to record.
class CUndoHistory {
public:
    using Clock = std::chrono::steady_clock;

    // Starts afresh from this state: nothing to undo or redo.
    void Reset(SessionSnapshot present);
    // Takes this state as the next step when it differs from the present one.
    // A step of the same non-empty group within kBurstGap of that group's
    // last step joins it. True when the state differed.
    bool Record(SessionSnapshot state, const std::string& group, Clock::time_point at);
    // The file at path now holds this project: every state of that file
    // says so, so undoing back to the saved project shows it unmodified.
    void Saved(const std::string& path, const std::shared_ptr<const ProjectData>& saved);
    // The present state takes this one without a step (Save As names the
    // project anew but changes nothing to undo).
    void ReplacePresent(SessionSnapshot state) { present = std::move(state); }

    bool CanUndo() const { return !earlier.empty(); }
    bool CanRedo() const { return !undone.empty(); }
    std::size_t UndoSteps() const { return earlier.size(); }
    // Steps back or forward; the state to restore, or null when there is none.
    const SessionSnapshot* Undo();
    const SessionSnapshot* Redo();
    // Forgets every undone step: Redo has nothing to bring back.
    void ForgetRedo() { undone.clear(); }

private:
    // Makes the last state of from the present one and keeps the present
    // one at the end of to.
    const SessionSnapshot* Travel(
        std::deque<SessionSnapshot>& from, std::deque<SessionSnapshot>& to);

    std::deque<SessionSnapshot> earlier; // oldest first
    std::deque<SessionSnapshot> undone; // the most recently undone last
    SessionSnapshot present;
    bool started = false; // present holds a state
    std::string lastGroup;
    Clock::time_point lastAt;
};
