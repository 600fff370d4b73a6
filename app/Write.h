#pragma once

#include "TransferDlg.h"

#include <LinkFactory.h>

#include <memory>

struct ProjectState;

// The Write dialog: writes the project into the box. The box table is
// computed from the project when the dialog is made, so what is sent is the
// project as it was when the dialog opened; the project is never changed.
class CWrite : public CTransferDlg {
    Q_OBJECT

public:
    CWrite(const ProjectState& project, const LinkChoice& link, QWidget* parent = nullptr);
    ~CWrite() override;

    // "Write Data": opens the link and sends the cells on the worker.
    void OnWriteData();

private:
    std::unique_ptr<WriteTransfer> transfer;
};
