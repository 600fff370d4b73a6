#pragma once

#include "TransferDlg.h"

class CSession;

// The Read dialog: reads the box and replaces the session's project with
// what it holds. The new project is built on the worker and installed on the
// user-interface thread in one step, when the worker ends, so painting never
// sees half of it.
class CRead : public CTransferDlg {
    Q_OBJECT

public:
    // The session must outlive the dialog.
    explicit CRead(CSession& session, QWidget* parent = nullptr);
};
