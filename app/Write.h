#pragma once

#include "TransferDlg.h"

class CSession;
class QCheckBox;

// The Write dialog: writes the session's project into the box. What is sent
// is the project as it was when the transfer started; the dialog is modal,
// so that is the project as it was when the dialog opened. The project is
// never changed.
//
// "Verify after writing" between the buttons chooses whether the cells are
// read back; the phase label takes its place once the transfer runs.
class CWrite : public CTransferDlg {
    Q_OBJECT

public:
    explicit CWrite(CSession& session, bool verify = true, QWidget* parent = nullptr);

    QCheckBox* verifyBox = nullptr;
};
