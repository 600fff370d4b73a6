#include "TransferDlg.h"

#include "ConnectionHelpDlg.h"
#include "Messages.h"
#include "Translate.h"

#include <BoxText.h>
#include <Protocol.h>
#include <Transfer.h>

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>

namespace {
// The dialog's control ids, kept as a property so tests find each control
// by its id.
constexpr int kCloseId = 1;
constexpr int kTransferId = 1004;
constexpr int kProgressId = 1005;
// The bar is at least this many average characters wide, so the cells line
// and a short sentence fit beside and under it at any font size.
constexpr int kMinimumWidthInCharacters = 52;

// Whether the transfer said this because it was asked to stop.
bool IsStopMessage(const UserText& text)
{
    const UserText stops[] = { WriteStoppedMessage(0), kWriteStoppedBeforeMessage,
        kCheckStoppedMessage, kReadStoppedMessage };
    return std::any_of(std::begin(stops), std::end(stops), [&text](const UserText& stop) {
        return !text.Empty() && std::strcmp(stop.Source(), text.Source()) == 0;
    });
}
} // namespace

CTransferDlg::CTransferDlg(
    const QString& title, const QString& transferText, JobMaker makeJob_, QWidget* parent)
    : QDialog(parent)
    , makeJob(std::move(makeJob_))
{
    setModal(true);
    setWindowTitle(title);

    progressBar = new QProgressBar(this);
    progressBar->setObjectName("progressBar");
    progressBar->setProperty("controlId", kProgressId);
    progressBar->setTextVisible(false);
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    progressBar->setMinimumWidth(fontMetrics().averageCharWidth() * kMinimumWidthInCharacters);

    // Both take room only once the transfer reports something.
    phaseLabel = new QLabel(this);
    phaseLabel->setObjectName("phaseLabel");
    phaseLabel->hide();
    cellsLabel = new QLabel(this);
    cellsLabel->setObjectName("cellsLabel");
    cellsLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cellsLabel->hide();

    resultLabel = new QLabel(this);
    resultLabel->setObjectName("resultLabel");
    resultLabel->setWordWrap(true);
    // The history entry's path is worth copying.
    resultLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    resultLabel->setTextFormat(Qt::PlainText);
    resultLabel->hide();

    transferButton = new QPushButton(transferText, this);
    transferButton->setObjectName("transferButton");
    transferButton->setProperty("controlId", kTransferId);
    transferButton->setAutoDefault(false);
    connect(transferButton, &QPushButton::clicked, this, [this] { StartTransfer(); });

    stopButton = new QPushButton(this);
    stopButton->setObjectName("stopButton");
    stopButton->setAutoDefault(false);
    stopButton->hide();
    connect(stopButton, &QPushButton::clicked, this, [this] { AskToStop(); });

    closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName("closeButton");
    closeButton->setProperty("controlId", kCloseId);
    closeButton->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, [this] { CloseWhenDone(); });

    auto* progressLine = new QHBoxLayout;
    progressLine->addWidget(phaseLabel);
    progressLine->addStretch(1);
    progressLine->addWidget(cellsLabel);

    buttonRow = new QHBoxLayout;
    buttonRow->addWidget(transferButton);
    buttonRow->addWidget(stopButton);
    buttonRow->addStretch(1);
    buttonRow->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(progressBar);
    layout->addLayout(progressLine);
    layout->addWidget(resultLabel);
    layout->addLayout(buttonRow);
    // The dialog grows with its sentence, but the user may not shrink it
    // below what its texts need.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    setTabOrder(transferButton, stopButton);
    Retranslate();
}

void CTransferDlg::Retranslate()
{
    stopButton->setText(tr("Stop"));
    stopButton->setToolTip(tr("Stop the transfer after the cell on its way"));
}

void CTransferDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QDialog::changeEvent(event);
}

void CTransferDlg::PutAboveProgress(QWidget* widget)
{
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, widget);
}

CTransferDlg::~CTransferDlg()
{
    // Normally the worker has ended long before; this only waits when the
    // dialog is destroyed while its transfer still runs. The job and the
    // forwarder are members, so they outlive this join.
    if (worker.joinable())
        worker.join();
}

void CTransferDlg::PutBetweenButtons(QWidget* widget)
{
    // After the transfer and Stop buttons, before the stretch that pushes
    // Close right; the tab order follows.
    buttonRow->insertWidget(buttonRow->indexOf(stopButton) + 1, widget);
    setTabOrder(stopButton, widget);
    setTabOrder(widget, closeButton);
}

std::unique_ptr<CTransferJob> CTransferDlg::TakeJob()
{
    if (workerRunning)
        return nullptr;
    return std::move(job);
}

int CTransferDlg::TotalCells() const
{
    return totalCells;
}

void CTransferDlg::StartTransfer()
{
    // A second click, queued before the button was disabled, starts nothing.
    if (workerRunning || !transferButton->isEnabled())
        return;
    job = makeJob();
    if (!job)
        return;
    totalCells = job->TotalCells();
    timeLeft.emplace(totalCells);
    progressBar->setRange(0, job->LastPosition());
    progressBar->setValue(0);
    transferButton->setEnabled(false);
    closeButton->setEnabled(false);
    // Stop stands where the transfer button stood, and has the keyboard.
    transferButton->hide();
    stopButton->show();
    stopButton->setFocus(Qt::OtherFocusReason);
    workerRunning = true;
    worker = std::thread([this] {
        job->Run(forwarder);
        Post([this] { WorkerEnded(); });
    });
}

void CTransferDlg::Post(std::function<void()> action)
{
    // The dialog is the context: a queued call to a destroyed dialog is
    // dropped by Qt, and the destructor joins the worker first anyway.
    QMetaObject::invokeMethod(
        this, [this, action = std::move(action)]() mutable { RunOrDefer(std::move(action)); },
        Qt::QueuedConnection);
}

void CTransferDlg::RunOrDefer(std::function<void()> action)
{
    if (showingMessage) {
        deferred.push_back(std::move(action));
        return;
    }
    action();
}

void CTransferDlg::ShowTransferMessage(const QString& text, bool offerHelp)
{
    showingMessage = true;
    // A plain message box with an OK button ("No USB Device Connected!" also
    // with "Connection help").
    ShowTransferMessageBox(this, text, offerHelp);
    showingMessage = false;
    RunDeferred();
}

void CTransferDlg::RunDeferred()
{
    while (!deferred.empty() && !showingMessage) {
        auto next = std::move(deferred.front());
        deferred.pop_front();
        next();
    }
}

void CTransferDlg::ShowProgress(int position, CTimeLeft::Clock::time_point at)
{
    progressBar->setValue(position);
    cellsLabel->show();
    cellsDone = job->CellsDone(position);
    const double secondsLeft = timeLeft->Update(cellsDone, at);
    if (secondsLeft < 0) {
        cellsLabel->setText(tr("%1 of %2 cells").arg(cellsDone).arg(totalCells));
        return;
    }
    cellsLabel->setText(
        tr("%1 of %2 cells, %3 left")
            .arg(cellsDone)
            .arg(totalCells)
            .arg(QString::fromStdString(MinutesSecondsText(WholeSeconds(secondsLeft)))));
}

void CTransferDlg::WorkerEnded()
{
    // The worker posts this as its last act; the join returns at once.
    worker.join();
    workerRunning = false;
    stopButton->hide();
    transferButton->show();
    projectReplaced = job->Finish();
    // Nothing is left to wait for once the transfer has ended.
    if (cellsDone > 0)
        cellsLabel->setText(tr("%1 of %2 cells").arg(cellsDone).arg(totalCells));
    // Notes come after the transfer's own messages and after a read has
    // installed its project, which the graph behind already shows.
    QStringList notes;
    for (const UserText& note : job->Notes())
        notes << Tr(note);
    if (!notes.isEmpty())
        ShowTransferMessage(notes.join(QStringLiteral("\n")));
    resultLabel->setText(EndSentence());
    resultLabel->show();
    // The sentence makes the dialog taller where it needs the room; a width
    // the user gave it stays.
    layout()->activate();
    const int needed = hasHeightForWidth() ? heightForWidth(width()) : sizeHint().height();
    resize(width(), std::max(height(), needed));
    TransferFinished();
    if (closePending)
        accept();
}

bool CTransferDlg::AskToStop()
{
    if (!workerRunning)
        return true;
    const QString question = StopQuestion();
    if (!question.isEmpty()) {
        // What the worker reports meanwhile waits for the answer, so the
        // dialog cannot end under the question.
        showingMessage = true;
        const QMessageBox::StandardButton answer = ShowMessage(this, question, QMessageBox::Warning,
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        showingMessage = false;
        if (answer != QMessageBox::Yes) {
            RunDeferred();
            return false;
        }
    }
    StopTransfer();
    RunDeferred();
    return true;
}

void CTransferDlg::StopTransfer()
{
    if (!workerRunning || stopRequested)
        return;
    stopRequested = true;
    stopButton->setEnabled(false);
    job->RequestStop();
}

void CTransferDlg::CloseWhenDone()
{
    if (workerRunning) {
        closePending = true;
        closeButton->setEnabled(false);
        return;
    }
    accept();
}

void CTransferDlg::reject()
{
    // Escape and the close box: the same as Stop while the worker runs; the
    // dialog stays to say what the stop left.
    if (workerRunning) {
        AskToStop();
        return;
    }
    QDialog::reject();
}

void CTransferDlg::closeEvent(QCloseEvent* event)
{
    if (workerRunning) {
        event->ignore();
        AskToStop();
        return;
    }
    QDialog::closeEvent(event);
}

void CTransferDlg::Forwarder::Progress(int position)
{
    // The time is taken here, on the worker: a message box may hold the
    // queued call back.
    dialog.Post(
        [d = &dialog, position, at = CTimeLeft::Clock::now()] { d->ShowProgress(position, at); });
}

void CTransferDlg::Forwarder::PhaseStarted(TransferPhase phase)
{
    dialog.Post([d = &dialog, phase] {
        d->phaseLabel->setText(Tr(TransferPhaseText(phase)));
        d->phaseLabel->show();
        d->lastPhase = phase;
        d->timeLeft->Restart();
    });
}

void CTransferDlg::Forwarder::Message(const UserText& text)
{
    // Translated on the user-interface thread, where the translators live.
    // What a stop the user asked for left is said in the end sentence.
    dialog.Post([d = &dialog, text] {
        if (d->stopRequested && IsStopMessage(text)) {
            d->stopMessage = text;
            return;
        }
        d->ShowTransferMessage(Tr(text), IsNoDeviceMessage(text));
    });
}

void CTransferDlg::Forwarder::EnableClose()
{
    dialog.Post([d = &dialog] {
        if (!d->closePending)
            d->closeButton->setEnabled(true);
    });
}

void CTransferDlg::Forwarder::CloseDialog()
{
    // The transfer would end the dialog here (a failed open, a write cut
    // short in its data phase). It stays open instead, so that its sentence
    // can say what the box may now hold; Close ends it.
    EnableClose();
}

void CTransferDlg::Forwarder::Finished(TransferOutcome result)
{
    dialog.Post([d = &dialog, result] {
        d->outcome = result;
        // A full bar beside "Reading..." looked as if the transfer still ran
        // while the dialog waited for Close. A transfer that ended otherwise
        // names no phase: the sentence says where it stopped.
        if (result == TransferOutcome::Completed && d->lastPhase)
            d->phaseLabel->setText(Tr(TransferDoneText(*d->lastPhase)));
        else
            d->phaseLabel->clear();
    });
}
