#pragma once

#include "SessionSettings.h"
#include "TransferJob.h"
#include "UndoHistory.h"
#include "WriteHistory.h"
#include "WriteJob.h"

#include <Link.h>
#include <ProjectState.h>
#include <UserText.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CBoxSimulator;
class CCompareJob;

// Makes a new, unopened link to the box for one transfer. Called on the
// caller's thread; the link is then used only by the transfer's worker.
using LinkFactory = std::function<std::unique_ptr<CLink>()>;

// What an operation of the session did. A failure carries the text the
// window shows in its message box and the tool prints on standard error.
struct SessionResult {
    bool ok = true;
    UserText message; // empty when ok
    // Not empty: nothing was done yet; ask the user this question (yes or
    // no) and call again with the answer.
    UserText question;
    // Done, with something the user should know in passing (a status line).
    UserText note;

    static SessionResult Done() { return {}; }
    static SessionResult Failed(UserText text)
    {
        SessionResult result;
        result.ok = false;
        result.message = std::move(text);
        return result;
    }
};

// Reads a project file into a project as Open does, for a caller that needs
// no session around it (ramvik-cli). A file that does not look like a project
// is refused, with what is wrong, since there is no one to ask.
SessionResult OpenProject(const std::string& path, ProjectState& project);

// One user's working session, the same for the window and ramvik-cli: the
// project, the file it came from or went to, the project as last saved (to
// tell unsaved changes), and the transfers with the box. It never shows
// anything: results, messages and questions come back as values, and the
// window or the tool presents them.
//
// Threads: every member is for the caller's thread. Only a transfer job's
// Run goes to a worker, and it never touches the session's project.
class CSession {
public:
    CSession();
    ~CSession();
    CSession(const CSession&) = delete;
    CSession& operator=(const CSession&) = delete;

    // The project. It is the same object for the session's whole life (New,
    // Open, a read and Undo replace its contents), so the window and its
    // graph may keep a reference or pointer to it. Edits go straight to it;
    // the caller then records them with RecordChange.
    ProjectState& Project() { return project; }
    const ProjectState& Project() const { return project; }

    // --- files
    // The default project, counted as saved; no file.
    void New();
    // Reads a project file (a regular file only, whole before anything
    // changes) into the project, as the window's Open does: parameters the
    // file does not mention keep their values. Counts as saved. New and Open
    // are steps of the undo history. Fails with
    // "Can't open file!" and leaves the project as it was; a file over
    // kMaxProjectFileBytes fails unread, with "NAME is not a Ramvik project:
    // SIZE bytes." and no question.
    //
    // A file that does not look like a project (ForeignFileReason) is opened
    // only with anyway; without, the result holds the question and nothing
    // changes. Values no box can hold open as they stand, with a note.
    SessionResult Open(const std::string& path, bool anyway = false);
    // Saves to the file of the last Open or Save As. Without one it fails
    // with an empty message: the adapter asks for a name and calls SaveAs.
    // A file that was no project when it was opened is replaced only with
    // replaceForeign; without, the result holds the question.
    SessionResult Save(bool replaceForeign = false);
    // Saves under a new name; from then on the caption shows that name. On
    // failure, "Can't save file!\n\n<path>\n\n<reason>", and the project's
    // name and saved state stay as they were.
    SessionResult SaveAs(const std::string& path);
    // The file of the last Open or Save As; empty after New.
    const std::string& FilePath() const { return filePath; }

    // Whether the project's document (ProjectData: what a file stores, to the
    // last bit of every value) differs from what was last saved, opened or
    // made new; the view is no part of it. A project read from the box and
    // not yet saved always counts as changed.
    bool HasUnsavedChanges() const;
    // The question to ask before the project is replaced or the window
    // closes, answered with Save, Discard or Cancel; nothing when no change
    // would be lost.
    std::optional<UserText> UnsavedChangesQuestion() const;
    // Counts the project as it is now as saved.
    void MarkSaved();

    // --- the box
    // Where transfers find the box. Without a factory every link fails to
    // open: the transfer says "No USB Device Connected!".
    void SetLinkFactory(LinkFactory factory);
    // A simulated box in this process instead: it first holds the default
    // project, and before each write it takes the identification the
    // project needs (a CR&TURBO box for box type 2, a CR box otherwise), so
    // any project can be written and read back without hardware.
    void UseDemoBox();
    // The simulated box of UseDemoBox; null otherwise.
    std::shared_ptr<CBoxSimulator> DemoBox() const { return demoBox; }

    // A write of the project as it is now: the box table is computed here,
    // so later edits do not change what is sent.
    // A verified write reads cells 0..254 back after the last cell. With the
    // backup on (BackupBeforeWrite) it first reads what the box holds. Its
    // journal goes into the history folder (see SetHistoryFolder and
    // WriteJob.h), with the project's file name and path; give the job's
    // customer, vehicle, plate and note with SetJobFields before Run.
    std::unique_ptr<CWriteJob> MakeWriteJob(bool verify = true);
    // A write of what the box held before the entry's write (its "before")
    // back into the box: a write like any other, with its checks, its own
    // backup and its own entry, which names the entry it restores and keeps
    // its customer, vehicle and plate. The session's project is untouched.
    // Null with the reason in problem when the entry kept no "before" or it
    // cannot be read.
    std::unique_ptr<CWriteJob> MakeRestoreJob(
        const HistoryEntry& entry, UserText& problem, bool verify = true);
    // Whether writes read and keep the box's contents first; on unless the
    // user turned it off.
    void SetBackupBeforeWrite(bool backup) { backupBeforeWrite = backup; }
    bool BackupBeforeWrite() const { return backupBeforeWrite; }
    // A read that replaces the project. Its Finish installs the project read
    // in one step and trims the CR curve to the start and stop voltages (also
    // when nothing was read). A complete read is a step of the undo history
    // and leaves the project without a file: it is stored nowhere, so it
    // counts as unsaved and Save asks for a name. The job
    // refers to this session, which must outlive it.
    std::unique_ptr<CTransferJob> MakeReadJob();
    // What the read job's Finish does with the project the transfer built
    // (null when the read did not get every cell). True when it replaced
    // the project.
    bool InstallRead(std::unique_ptr<ProjectState> read);

    // --- checked transfers: compare with the box, the write history
    // Where writes are kept (WriteHistory.h); empty keeps none.
    void SetHistoryFolder(std::string folder);
    const std::string& HistoryFolder() const { return historyFolder; }
    // The history folder's entries, newest first (search them with
    // SearchHistory), with the count of entries left out as half there.
    HistoryListing ReadWriteHistory() const;
    // What to say at start and before using the box: for each box whose last
    // write did not finish, "The last write into box 132 (2026-12-07 12:04)
    // did not finish: ...". Empty when every box's last write finished.
    std::vector<UserText> UnfinishedWriteWarnings() const;
    // A read that leaves the project alone and compares the box with it.
    std::unique_ptr<CCompareJob> MakeCompareJob();
    // Installs the project the compare read, as a read's Finish does. True
    // when it replaced the project.
    bool TakeBoxProject(CCompareJob& job);

    // --- settings
    // Applies what the settings store held at start-up: the view and box
    // type of the settings code, the project folder. Says what to announce.
    LoadedSettings ApplySettings(const StoredSettings& stored);
    // The settings code remembered between runs (view x 10 + box type).
    std::string SettingsCode() const;

    // --- undo history (UndoHistory.h)
    // Takes the project as it is now as one step of the history when its
    // document, name or file differs from the last step; changes of the view
    // alone are no step. Steps of the same non-empty group (one value's
    // arrows) within kBurstGap of each other make one step.
    void RecordChange(const std::string& group = std::string(),
        CUndoHistory::Clock::time_point at = CUndoHistory::Clock::now());
    bool CanUndo() const { return history.CanUndo(); }
    bool CanRedo() const { return history.CanRedo(); }
    // Brings back the project, its file and its saved state before the last
    // step, or after the last undone one. False when there is none. The
    // history survives Save; a new change forgets what was undone.
    bool Undo();
    bool Redo();
    // Undoes the last step and forgets it, so Redo cannot bring it back (a
    // point the first click of a double-click made, then cancelled). False
    // when there is no step.
    bool RevertLastStep();

private:
    SessionSnapshot Snapshot() const;
    void Restore(const SessionSnapshot& state);
    bool Travel(const SessionSnapshot* (CUndoHistory::*step)());

    CUndoHistory history;

private:
    std::unique_ptr<CLink> MakeLink() const;

    ProjectState project;
    // The project as last saved, opened or made new; null while the project
    // is stored nowhere (after a read).
    std::shared_ptr<const ProjectData> saved;
    std::string filePath;
    // A file opened although it did not look like a project: Save asks
    // before it replaces it.
    std::string foreignPath;
    LinkFactory linkFactory;
    std::shared_ptr<CBoxSimulator> demoBox;
    std::string historyFolder;
    bool backupBeforeWrite = true;
};

// The note of a write the history could not keep: "The write was not kept in
// the history:", a blank line, the folder, a blank line and the reason; or,
// with no folder known, the note that says so.
UserText HistoryNotKeptNote(const std::string& folder, const std::string& reason);
UserText NoHistoryFolderNote();
