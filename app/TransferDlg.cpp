#include "TransferDlg.h"

#include "ConnectionHelpDlg.h"
#include "Messages.h"
#include "PanelGeometry.h"
#include "Translate.h"

#include <Protocol.h>

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {
// The dialog's control ids, kept as a property so tests find each control
// by its id.
constexpr int kCloseId = 1;
constexpr int kTransferId = 1004;
constexpr int kProgressId = 1005;
} // namespace

CTransferDlg::CTransferDlg(const QString& transferText, JobMaker makeJob_, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , makeJob(std::move(makeJob_))
{
    setModal(true);
    setFixedSize(DialogUnits(0, 0, 186, 47).size());

    // Without a title bar the platform draws no border either; the frame
    // gives the pop-up its edge.
    auto* border = new QFrame(this);
    border->setFrameStyle(QFrame::Panel | QFrame::Raised);
    border->setGeometry(rect());

    progressBar = new QProgressBar(this);
    progressBar->setObjectName("progressBar");
    progressBar->setProperty("controlId", kProgressId);
    progressBar->setGeometry(DialogUnits(7, 7, 172, 14));
    progressBar->setTextVisible(false);
    progressBar->setRange(0, 100);
    progressBar->setValue(0);

    transferButton = new QPushButton(transferText, this);
    transferButton->setObjectName("transferButton");
    transferButton->setProperty("controlId", kTransferId);
    transferButton->setGeometry(DialogUnits(7, 26, 50, 14));
    transferButton->setAutoDefault(false);
    connect(transferButton, &QPushButton::clicked, this, [this] { StartTransfer(); });

    closeButton = new QPushButton(QStringLiteral("Close"), this);
    closeButton->setObjectName("closeButton");
    closeButton->setProperty("controlId", kCloseId);
    closeButton->setGeometry(DialogUnits(129, 26, 50, 14));
    closeButton->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, [this] { CloseWhenDone(); });

    phaseLabel = new QLabel(this);
    phaseLabel->setObjectName("phaseLabel");
    phaseLabel->setGeometry(MiddleArea());
    phaseLabel->setAlignment(Qt::AlignCenter);
}

QRect CTransferDlg::MiddleArea() const
{
    return DialogUnits(59, 26, 68, 14);
}

CTransferDlg::~CTransferDlg()
{
    // Normally the worker has ended long before; this only waits when the
    // dialog is destroyed while its transfer still runs. The job and the
    // forwarder are members, so they outlive this join.
    if (worker.joinable())
        worker.join();
}

void CTransferDlg::StartTransfer()
{
    // A second click, queued before the button was disabled, starts nothing.
    if (workerRunning || !transferButton->isEnabled())
        return;
    job = makeJob();
    progressBar->setRange(0, job->LastPosition());
    progressBar->setValue(0);
    transferButton->setEnabled(false);
    closeButton->setEnabled(false);
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
    while (!deferred.empty() && !showingMessage) {
        auto next = std::move(deferred.front());
        deferred.pop_front();
        next();
    }
}

void CTransferDlg::WorkerEnded()
{
    // The worker posts this as its last act; the join returns at once.
    worker.join();
    workerRunning = false;
    job->Finish();
    // Notes come after the transfer's own messages and after a read has
    // installed its project, which the graph behind already shows.
    QStringList notes;
    for (const UserText& note : job->Notes())
        notes << Tr(note);
    if (!notes.isEmpty())
        ShowTransferMessage(notes.join(QStringLiteral("\n")));
    TransferFinished();
    if (closePending)
        accept();
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
    // Escape and the system's close command: refused while the worker runs.
    if (workerRunning)
        return;
    QDialog::reject();
}

void CTransferDlg::closeEvent(QCloseEvent* event)
{
    if (workerRunning) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void CTransferDlg::Forwarder::Progress(int position)
{
    dialog.Post([d = &dialog, position] { d->progressBar->setValue(position); });
}

void CTransferDlg::Forwarder::PhaseStarted(TransferPhase phase)
{
    dialog.Post([d = &dialog, phase] {
        d->phaseLabel->setText(Tr(TransferPhaseText(phase)));
        d->lastPhase = phase;
    });
}

void CTransferDlg::Forwarder::Message(const UserText& text)
{
    // Translated on the user-interface thread, where the translators live.
    dialog.Post([d = &dialog, text] { d->ShowTransferMessage(Tr(text), IsNoDeviceMessage(text)); });
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
    dialog.Post([d = &dialog] { d->CloseWhenDone(); });
}

void CTransferDlg::Forwarder::Finished(TransferOutcome result)
{
    dialog.Post([d = &dialog, result] {
        d->outcome = result;
        // A full bar beside "Reading..." looked as if the transfer still ran
        // while the dialog waited for Close.
        if (result == TransferOutcome::Completed && d->lastPhase)
            d->phaseLabel->setText(Tr(TransferDoneText(*d->lastPhase)));
    });
}
