#include "Write.h"

#include "Messages.h"
#include "Translate.h"

#include <Session.h>
#include <Transfer.h>

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include <type_traits>

namespace {
// The note's field shows this many lines before it scrolls.
constexpr int kNoteLines = 3;
} // namespace

CWrite::CWrite(CSession& session, bool verify, QWidget* parent)
    : CWrite(
        session, verify, [&session](bool verifies) { return session.MakeWriteJob(verifies); },
        tr("Write to box"), parent)
{
}

CWrite::CWrite(CSession& session, const HistoryEntry& restore, bool verify, QWidget* parent)
    : CWrite(
        session, verify,
        [this, &session, restore](bool verifies) {
            UserText problem;
            std::unique_ptr<CWriteJob> job = session.MakeRestoreJob(restore, problem, verifies);
            if (!job)
                ShowMessage(this, Tr(problem), QMessageBox::Warning);
            return job;
        },
        tr("Write back to box"), parent)
{
    restored = restore;
    restoreLabel = new QLabel(this);
    restoreLabel->setObjectName("restoreLabel");
    restoreLabel->setWordWrap(true);
    PutAboveProgress(restoreLabel);
    WriteJobFields fields = restore.job;
    fields.note.clear();
    SetJobFields(fields);
    Retranslate();
}

CWrite::CWrite(
    CSession& session, bool verify, WriteJobMaker make, const QString& title, QWidget* parent)
    : CTransferDlg(
        title, tr("Write Data"),
        [this, &session, make = std::move(make)]() -> std::unique_ptr<CTransferJob> {
            session.SetBackupBeforeWrite(backupBox->isChecked());
            std::unique_ptr<CWriteJob> job = make(verifyBox->isChecked());
            if (job)
                job->SetJobFields(JobFields());
            return job;
        },
        parent)
{
    verifyBox = new QCheckBox(this);
    verifyBox->setObjectName("verifyBox");
    verifyBox->setChecked(verify);
    PutBetweenButtons(verifyBox);
    backupBox = new QCheckBox(this);
    backupBox->setObjectName("backupBox");
    backupBox->setChecked(session.BackupBeforeWrite());
    PutBetweenButtons(backupBox);
    setTabOrder(verifyBox, backupBox);
    setTabOrder(backupBox, closeButton);
    MakeJobSection();
    // What was chosen stays in view, but a running write cannot change it.
    connect(transferButton, &QPushButton::clicked, this, [this] {
        if (!Job())
            return;
        for (QWidget* choice :
            { static_cast<QWidget*>(verifyBox), static_cast<QWidget*>(backupBox), jobFields })
            choice->setEnabled(false);
    });
    Retranslate();
}

void CWrite::MakeJobSection()
{
    auto* section = new QWidget(this);
    auto* sectionLayout = new QVBoxLayout(section);
    sectionLayout->setContentsMargins(0, 0, 0, 0);
    jobButton = new QToolButton(section);
    jobButton->setObjectName("jobButton");
    jobButton->setCheckable(true);
    jobButton->setAutoRaise(true);
    jobButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    jobButton->setArrowType(Qt::RightArrow);
    sectionLayout->addWidget(jobButton);

    jobFields = new QWidget(section);
    jobFields->setObjectName("jobFields");
    auto* form = new QFormLayout(jobFields);
    form->setContentsMargins(0, 0, 0, 0);
    const auto field = [this, form](QLabel*& label, auto*& edit, const char* name) {
        using Edit = std::remove_reference_t<decltype(*edit)>;
        label = new QLabel(jobFields);
        edit = new Edit(jobFields);
        edit->setObjectName(QString::fromLatin1(name));
        label->setBuddy(edit);
        form->addRow(label, edit);
    };
    field(customerLabel, customerEdit, "customerEdit");
    field(vehicleLabel, vehicleEdit, "vehicleEdit");
    field(plateLabel, plateEdit, "plateEdit");
    field(noteLabel, noteEdit, "noteEdit");
    noteEdit->setTabChangesFocus(true);
    noteEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    noteEdit->setFixedHeight(noteEdit->fontMetrics().lineSpacing() * kNoteLines
        + 2 * (noteEdit->frameWidth() + qRound(noteEdit->document()->documentMargin())) + 2);
    jobFields->hide();
    sectionLayout->addWidget(jobFields);
    connect(jobButton, &QToolButton::toggled, this, [this](bool shown) { ShowJob(shown); });
    PutAboveProgress(section);
}

void CWrite::Retranslate()
{
    setWindowTitle(restored ? tr("Write back to box") : tr("Write to box"));
    transferButton->setText(tr("Write Data"));
    verifyBox->setText(tr("Verify after writing"));
    verifyBox->setToolTip(tr("Read cells 0 to 254 back after writing and compare them"));
    backupBox->setText(tr("Back up the box first"));
    backupBox->setToolTip(tr("Read what the box holds before writing and keep it in the write "
                             "history, so that it can be written back"));
    jobButton->setText(tr("&Job (customer, vehicle, note)"));
    jobButton->setToolTip(tr("What the write history keeps about this job; all optional"));
    customerLabel->setText(tr("&Customer:"));
    vehicleLabel->setText(tr("&Vehicle:"));
    plateLabel->setText(tr("&Registration or VIN:"));
    noteLabel->setText(tr("&Note:"));
    if (restoreLabel && restored)
        restoreLabel->setText(tr("Writes back what box %1 held before the write of %2.")
                                  .arg(restored->boxIdentification)
                                  .arg(QString::fromStdString(restored->time)));
}

void CWrite::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && verifyBox)
        Retranslate();
    CTransferDlg::changeEvent(event);
}

WriteJobFields CWrite::JobFields() const
{
    WriteJobFields fields;
    fields.customer = customerEdit->text().trimmed().toStdString();
    fields.vehicle = vehicleEdit->text().trimmed().toStdString();
    fields.plate = plateEdit->text().trimmed().toStdString();
    fields.note = noteEdit->toPlainText().trimmed().toStdString();
    return fields;
}

void CWrite::SetJobFields(const WriteJobFields& fields)
{
    customerEdit->setText(QString::fromStdString(fields.customer));
    vehicleEdit->setText(QString::fromStdString(fields.vehicle));
    plateEdit->setText(QString::fromStdString(fields.plate));
    noteEdit->setPlainText(QString::fromStdString(fields.note));
    const bool filled = !fields.customer.empty() || !fields.vehicle.empty() || !fields.plate.empty()
        || !fields.note.empty();
    if (filled)
        ShowJob(true);
}

bool CWrite::JobShown() const
{
    return !jobFields->isHidden();
}

void CWrite::ShowJob(bool shown)
{
    jobButton->setChecked(shown);
    jobButton->setArrowType(shown ? Qt::DownArrow : Qt::RightArrow);
    jobFields->setVisible(shown);
    if (shown && isVisible())
        customerEdit->setFocus(Qt::OtherFocusReason);
    // Folding gives the room back.
    if (isVisible()) {
        layout()->activate();
        resize(width(), layout()->minimumSize().height());
    }
}

QString CWrite::StopQuestion() const
{
    return tr("Stop the write?\n\nThe box will hold parts of two projects until a project is "
              "written into it again.");
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
    case WriteKept::Kept:
        return tr("It is kept in the history as %1.")
            .arg(QDir::toNativeSeparators(QString::fromStdString(write.HistoryEntry())));
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

QString CWrite::OutcomeSentence(const CWriteJob& write) const
{
    // A stop the user asked for: what the transfer said it left.
    if (write.Stopped() && !StopMessage().Empty())
        return Tr(StopMessage());
    // The journal's words: what was verified, a check cut off, a failed cell.
    if (!write.OutcomeMessage().Empty())
        return Tr(write.OutcomeMessage());
    const QString box = QString::number(write.BoxIdentification());
    if (write.Kept() != WriteKept::NotSent)
        switch (write.JournalEntry().outcome) {
        case WriteOutcome::Differs:
            return tr("The project was written into box %1, but the box holds other values than "
                      "were written; the first difference: %2")
                .arg(box, Tr(write.Difference()));
        case WriteOutcome::NotVerified:
        case WriteOutcome::Stopped:
            return tr("Written into box %1; %2.", "the box, then the outcome")
                .arg(box, Tr(WriteOutcomeText(write.JournalEntry())));
        default:
            break;
        }
    switch (Outcome()) {
    case TransferOutcome::HandshakeFailed:
        return tr("Nothing was written: the transfer stopped before the first cell. The box "
                  "holds what it held before.");
    case TransferOutcome::Refused:
        return tr("Nothing was written: the box cannot hold the project as it is.");
    case TransferOutcome::NotOpened:
        return tr("Nothing was written: no box could be reached.");
    default:
        break;
    }
    return tr("The write stopped after %1 of %2 cells: box %3 may now hold parts of two "
              "projects. Write the project again before the box is used.")
        .arg(CellsDone())
        .arg(TotalCells())
        .arg(box);
}

QString CWrite::EndSentence() const
{
    const CWriteJob* write = WriteJob();
    if (!write)
        return QString();
    QString sentence = OutcomeSentence(*write);
    if (Outcome() == TransferOutcome::ShutdownFailed)
        sentence = Sentences(sentence,
            tr("The connection did not close cleanly afterwards; the box holds the project all "
               "the same."));
    const QString history = HistorySentence(*write);
    return history.isEmpty() ? sentence : Sentences(sentence, history);
}
