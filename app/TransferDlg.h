#pragma once

#include <TransferJob.h>

#include <QDialog>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

class QLabel;
class QProgressBar;
class QPushButton;

// What the Write and the Read dialog share: a bordered pop-up without a title
// bar (186 x 47 dialog units) with a progress bar, the transfer button and
// "Close", and one worker thread that runs the session's transfer job.
//
// Thread rules: the worker never touches a widget. Everything it reports goes
// through Post(), which queues the action on the user-interface thread. While
// a message box is up, later actions wait until the user has pressed OK, so
// the dialog changes in the order the worker reported, after its message.
//
// The dialog cannot be dismissed (Escape, the system's close command) while
// the worker runs. The dialog owns the job and the worker; its destructor
// joins the worker before the job and the observer the worker uses go.
class CTransferDlg : public QDialog {
    Q_OBJECT

public:
    ~CTransferDlg() override;

    bool WorkerRunning() const { return workerRunning; }
    // How the transfer ended; meaningful once the worker has ended.
    TransferOutcome Outcome() const { return outcome; }

    QProgressBar* progressBar = nullptr;
    QPushButton* transferButton = nullptr;
    QPushButton* closeButton = nullptr;
    // Between the buttons: the phase running ("Writing...", "Checking...").
    QLabel* phaseLabel = nullptr;

protected:
    // The job is made when the transfer button is pressed, so choices made
    // in the dialog before then (a write's verification) reach it.
    using JobMaker = std::function<std::unique_ptr<CTransferJob>()>;
    CTransferDlg(const QString& transferText, JobMaker makeJob, QWidget* parent);

    // The job once the transfer has started; null before.
    CTransferJob* Job() const { return job.get(); }
    // Called on the user-interface thread after the job's Finish and its
    // notes were shown; the dialog may then end.
    virtual void TransferFinished() { }
    // The free space between the buttons, for a control of the dialog's own.
    QRect MiddleArea() const;

    // Ends the dialog as its Close button does: now when the worker has
    // ended, else as soon as it ends.
    void CloseWhenDone();

    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The transfer button: disables both buttons, sets the progress range and
    // runs the job on the worker. Once only.
    void StartTransfer();
    // Queues an action for the user-interface thread; callable from any
    // thread. Actions posted after the dialog is gone are dropped.
    void Post(std::function<void()> action);
    void ShowTransferMessage(const QString& text, bool offerHelp = false);

    class Forwarder : public CTransferObserver {
    public:
        explicit Forwarder(CTransferDlg& dialog_)
            : dialog(dialog_)
        {
        }
        void Progress(int position) override;
        void PhaseStarted(TransferPhase phase) override;
        void Message(const UserText& text) override;
        void EnableClose() override;
        void CloseDialog() override;
        void Finished(TransferOutcome outcome) override;

    private:
        CTransferDlg& dialog;
    };

    void RunOrDefer(std::function<void()> action);
    void WorkerEnded();

    // The worker uses the job and the forwarder: both are declared before it.
    JobMaker makeJob;
    std::unique_ptr<CTransferJob> job;
    Forwarder forwarder { *this };
    TransferOutcome outcome = TransferOutcome::NotOpened;
    std::optional<TransferPhase> lastPhase; // the phase the label names
    std::thread worker;
    bool workerRunning = false;
    bool closePending = false;
    bool showingMessage = false;
    std::deque<std::function<void()>> deferred;
};
