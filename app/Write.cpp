#include "Write.h"

#include "Translate.h"

#include <Session.h>

#include <QCheckBox>
#include <QDir>
#include <QPushButton>

CWrite::CWrite(CSession& session, bool verify, QWidget* parent)
    : CTransferDlg(
        tr("Write to box"), tr("Write Data"),
        [this, &session] { return session.MakeWriteJob(verifyBox->isChecked()); }, parent)
{
    verifyBox = new QCheckBox(tr("Verify after writing"), this);
    verifyBox->setObjectName("verifyBox");
    verifyBox->setChecked(verify);
    PutBetweenButtons(verifyBox);
    // What was chosen stays in view, but a running write cannot change it.
    connect(transferButton, &QPushButton::clicked, this, [this] { verifyBox->setEnabled(false); });
}

QString CWrite::Sentences(const QString& first, const QString& second)
{
    // Some languages join sentences without a blank.
    return tr("%1 %2", "two sentences, one after the other").arg(first, second);
}

const CWriteJob* CWrite::WriteJob() const
{
    return static_cast<const CWriteJob*>(Job());
}

QString CWrite::HistorySentence(const CWriteJob& write) const
{
    switch (write.Kept()) {
    case WriteKept::Kept: {
        const QString entry
            = QDir::toNativeSeparators(QString::fromStdString(write.HistoryEntry()));
        if (Outcome() == TransferOutcome::VerifyFailed)
            return tr("It is kept in the history, marked as not verified, as %1.").arg(entry);
        return tr("It is kept in the history as %1.").arg(entry);
    }
    case WriteKept::NoFolder:
        return tr("It was not kept in the history: no history folder is known.");
    case WriteKept::Failed:
        return tr("It could not be kept in the history: %1.")
            .arg(QString::fromStdString(write.HistoryProblem()));
    case WriteKept::NotSent:
        break;
    }
    return QString();
}

QString CWrite::EndSentence() const
{
    const CWriteJob* write = WriteJob();
    if (!write)
        return QString();
    const QString box = QString::number(write->BoxIdentification());
    QString sentence;
    switch (Outcome()) {
    case TransferOutcome::Completed:
    case TransferOutcome::ShutdownFailed:
        if (write->Verifies())
            sentence = tr("The project was written into box %1 and checked: cells 0 to 254 read "
                          "back as written (the box gives no way to read the rest back).")
                           .arg(box);
        else
            sentence = tr("The project was written into box %1 and not checked, as \"Verify "
                          "after writing\" was off.")
                           .arg(box);
        if (Outcome() == TransferOutcome::ShutdownFailed)
            sentence = Sentences(sentence,
                tr("The connection did not close cleanly afterwards; the box holds the project "
                   "all the same."));
        break;
    case TransferOutcome::VerifyFailed:
        if (!write->Difference().Empty())
            sentence = tr("The project was written into box %1, but the box holds other values "
                          "than were written; the first difference: %2")
                           .arg(box, Tr(write->Difference()));
        else
            sentence = tr("The project was written into box %1, but reading it back failed, so "
                          "it is not checked.")
                           .arg(box);
        break;
    case TransferOutcome::DataFailed:
        return tr("The write stopped after %1 of %2 cells: box %3 may now hold parts of two "
                  "projects. Write the project again before the box is used.")
            .arg(CellsDone())
            .arg(TotalCells())
            .arg(box);
    case TransferOutcome::HandshakeFailed:
        return tr("Nothing was written: the transfer stopped before the first cell. The box "
                  "holds what it held before.");
    case TransferOutcome::Refused:
        return tr("Nothing was written: the box cannot hold the project as it is.");
    case TransferOutcome::NotOpened:
        return tr("Nothing was written: no box could be reached.");
    }
    const QString history = HistorySentence(*write);
    return history.isEmpty() ? sentence : Sentences(sentence, history);
}
