#pragma once

#include "TransferDlg.h"

#include <WriteHistory.h>

#include <functional>
#include <memory>
#include <optional>

class CSession;
class CWriteJob;
class QCheckBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

// The Write dialog, "Write to box": writes the session's project into the
// box. What is sent is the project as it was when the transfer started; the
// dialog is modal, so that is the project as it was when the dialog opened.
// The project is never changed.
//
// "Verify after writing" and "Back up the box first" between the buttons
// choose whether the cells are read back and whether what the box holds is
// read and kept in the history before the write; neither can be changed once
// the transfer runs. The "Job" section above the bar (folded until opened,
// or while it is empty) takes the customer, vehicle, registration or VIN and
// a note, which the write's history entry keeps. The dialog ends on what the
// box holds now, what was checked, and where the write is kept in the
// history.
//
// The same dialog writes back what a box held before an earlier write
// (the history's "before"), with the session's restore job.
class CWrite : public CTransferDlg {
    Q_OBJECT

public:
    explicit CWrite(CSession& session, bool verify = true, QWidget* parent = nullptr);
    // Writes back what the box held before the entry's write. The job
    // section starts with the entry's customer, vehicle and plate.
    CWrite(CSession& session, const HistoryEntry& restore, bool verify, QWidget* parent = nullptr);

    // The job's fields as the section shows them; setting them opens the
    // section when one is filled.
    WriteJobFields JobFields() const;
    void SetJobFields(const WriteJobFields& fields);
    // Whether the Job section is open.
    bool JobShown() const;
    void ShowJob(bool shown);

    QCheckBox* verifyBox = nullptr;
    QCheckBox* backupBox = nullptr;
    QToolButton* jobButton = nullptr; // opens and folds the Job section
    QLineEdit* customerEdit = nullptr;
    QLineEdit* vehicleEdit = nullptr;
    QLineEdit* plateEdit = nullptr;
    QPlainTextEdit* noteEdit = nullptr;

protected:
    QString EndSentence() const override;
    QString StopQuestion() const override;
    void changeEvent(QEvent* event) override;

private:
    using WriteJobMaker = std::function<std::unique_ptr<CWriteJob>(bool verify)>;
    CWrite(
        CSession& session, bool verify, WriteJobMaker make, const QString& title, QWidget* parent);
    void MakeJobSection();
    void Retranslate();

    // The job, as a write; null before the transfer started.
    const CWriteJob* WriteJob() const;
    // What the box holds now, or what was checked.
    QString OutcomeSentence(const CWriteJob& write) const;
    // Where the write went in the history, or why it did not.
    QString HistorySentence(const CWriteJob& write) const;
    // Two sentences as one text.
    static QString Sentences(const QString& first, const QString& second);

    QWidget* jobFields = nullptr;
    QLabel* customerLabel = nullptr;
    QLabel* vehicleLabel = nullptr;
    QLabel* plateLabel = nullptr;
    QLabel* noteLabel = nullptr;
    QLabel* restoreLabel = nullptr; // a write-back: what it writes back
    std::optional<HistoryEntry> restored;
};
