#pragma once

#include "TransferDlg.h"

class CSession;

// The Write dialog: writes the session's project into the box. What is sent
// is the project as it was when the dialog opened; the project is never
// changed.
class CWrite : public CTransferDlg {
    Q_OBJECT

public:
    explicit CWrite(CSession& session, QWidget* parent = nullptr);
};
