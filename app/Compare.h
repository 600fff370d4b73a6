#pragma once

#include "TransferDlg.h"

#include <functional>
#include <memory>

class CCompareJob;
class CSession;

// The Compare dialog, "Compare with box": reads the box as the Read dialog
// does, but leaves the project alone; the session compares the two once
// every cell has arrived. The dialog ends on whether the box holds the
// project.
class CCompare : public CTransferDlg {
    Q_OBJECT

public:
    // The session must outlive the dialog.
    explicit CCompare(CSession& session, QWidget* parent = nullptr);

    // Called once the box was read and compared, before the dialog is
    // closed, with the comparison, which is then no longer the dialog's. Left
    // empty, the dialog keeps it.
    std::function<void(std::unique_ptr<CCompareJob>)> compared;

protected:
    QString EndSentence() const override;
    void TransferFinished() override;

private:
    CCompareJob* comparison = nullptr; // the dialog's job until handed over
};
