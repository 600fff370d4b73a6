#pragma once

#include "TransferDlg.h"

class CSession;

// The Read dialog, "Read from box": reads the box and replaces the session's
// project with what it holds. The new project is built on the worker and
// installed on the user-interface thread in one step, when the worker ends,
// so painting never sees half of it. The dialog ends on whose project the
// window now shows.
class CRead : public CTransferDlg {
    Q_OBJECT

public:
    // The session must outlive the dialog.
    explicit CRead(CSession& session, QWidget* parent = nullptr);

protected:
    QString EndSentence() const override;

private:
    CSession& session;
};

// The sentence of a read or a compare that stopped before the box gave every
// cell; the project is unchanged then.
QString UnreadSentence(TransferOutcome outcome, int cellsDone, int totalCells);
