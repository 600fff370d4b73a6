#pragma once

#include "TransferDlg.h"

class CSession;
class CWriteJob;
class QCheckBox;

// The Write dialog, "Write to box": writes the session's project into the
// box. What is sent is the project as it was when the transfer started; the
// dialog is modal, so that is the project as it was when the dialog opened.
// The project is never changed.
//
// "Verify after writing" between the buttons chooses whether the cells are
// read back; it cannot be changed once the transfer runs. The dialog ends
// on what the box holds now, whether that was checked, and where the write
// is kept in the history.
class CWrite : public CTransferDlg {
    Q_OBJECT

public:
    explicit CWrite(CSession& session, bool verify = true, QWidget* parent = nullptr);

    QCheckBox* verifyBox = nullptr;

protected:
    QString EndSentence() const override;

private:
    // The job, as a write; null before the transfer started.
    const CWriteJob* WriteJob() const;
    // Where the write went in the history, or why it did not.
    QString HistorySentence(const CWriteJob& write) const;
    // Two sentences as one text.
    static QString Sentences(const QString& first, const QString& second);
};
