#pragma once

#include "TransferDlg.h"

class CCompareJob;
class CSession;

// The Compare dialog: reads the box as the Read dialog does, but leaves the
// project alone; the session compares the two once every cell has arrived.
class CCompare : public CTransferDlg {
    Q_OBJECT

public:
    // The session must outlive the dialog.
    explicit CCompare(CSession& session, QWidget* parent = nullptr);

    // The comparison once the transfer has ended; null before it started.
    CCompareJob* Comparison() const { return comparison; }

private:
    CCompareJob* comparison = nullptr; // owned by the dialog's job
};
