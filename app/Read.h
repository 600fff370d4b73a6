#pragma once

#include "TransferDlg.h"

#include <LinkFactory.h>

#include <memory>

struct ProjectState;

// The Read dialog: reads the box and replaces the project with what it holds.
// The new project is built on the worker and installed here, on the
// user-interface thread, in one step, so painting never sees half of it.
class CRead : public CTransferDlg {
    Q_OBJECT

public:
    // project: the main window's project, replaced after a complete read.
    CRead(ProjectState& project, const LinkChoice& link, QWidget* parent = nullptr);
    ~CRead() override;

    // "Read Data": opens the link and reads the cells on the worker.
    void OnReadData();

    // Whether a complete read replaced the project.
    bool ProjectReplaced() const { return replaced; }

protected:
    void OnWorkerFinished() override;

private:
    ProjectState& project;
    LinkChoice link;
    std::unique_ptr<ReadTransfer> transfer;
    bool replaced = false;
};
