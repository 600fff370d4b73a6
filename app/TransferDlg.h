#pragma once

#include <TransferJob.h>
#include <TransferProgress.h>

#include <QDialog>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;

// What the Write, the Read and the Compare dialog share: a dialog with a
// title bar naming the action, a progress bar with the phase and the cells
// moved under it, the transfer button and "Close", and one worker thread
// that runs the session's transfer job. Once the transfer has ended the
// dialog stays open and says in a sentence what happened.
//
// Thread rules: the worker never touches a widget. Everything it reports goes
// through Post(), which queues the action on the user-interface thread. While
// a message box is up, later actions wait until the user has pressed OK, so
// the dialog changes in the order the worker reported, after its message.
//
// While the worker runs, Stop takes the place of the transfer button: it asks
// first where a stop leaves something behind (a write: StopQuestion), then
// asks the job to stop, which it does after the frame in flight; the dialog
// then says what the box now holds. Escape and the close box do the same as
// Stop. The dialog owns the job and the worker; its destructor joins the
// worker before the job and the observer the worker uses go.
class CTransferDlg : public QDialog {
    Q_OBJECT

public:
    ~CTransferDlg() override;

    bool WorkerRunning() const { return workerRunning; }
    // How the transfer ended; meaningful once the worker has ended.
    TransferOutcome Outcome() const { return outcome; }

    // Stop: asks StopQuestion() first when there is one. True when the
    // worker was asked to stop (or had already ended); false when the user
    // answered No.
    bool AskToStop();
    // Asks the worker to stop without a question (one was asked already).
    void StopTransfer();
    // Whether the user asked this transfer to stop.
    bool StopRequested() const { return stopRequested; }
    // Ends the dialog as its Close button does: now when the worker has
    // ended, else as soon as it ends.
    void CloseWhenDone();

    QProgressBar* progressBar = nullptr;
    QPushButton* transferButton = nullptr;
    QPushButton* stopButton = nullptr; // shown while the worker runs
    QPushButton* closeButton = nullptr;
    // Under the bar, left: the phase running ("Writing...", "Checking..."),
    // and once the transfer ended well its last word ("Checked").
    QLabel* phaseLabel = nullptr;
    // Under the bar, right: "312 of 1021 cells, 0:05 left".
    QLabel* cellsLabel = nullptr;
    // Above the buttons once the worker has ended: what happened.
    QLabel* resultLabel = nullptr;

protected:
    // The job is made when the transfer button is pressed, so choices made
    // in the dialog before then (a write's verification) reach it. A maker
    // that cannot make one says why and gives null; nothing starts then.
    using JobMaker = std::function<std::unique_ptr<CTransferJob>()>;
    CTransferDlg(
        const QString& title, const QString& transferText, JobMaker makeJob, QWidget* parent);

    // The job once the transfer has started; null before, and after TakeJob.
    CTransferJob* Job() const { return job.get(); }
    // Hands the job over once the worker has ended; null while it runs.
    std::unique_ptr<CTransferJob> TakeJob();
    // Whether the job's Finish replaced the session's project.
    bool ProjectReplaced() const { return projectReplaced; }
    // The cells the box had answered when the transfer ended, and in all.
    int CellsDone() const { return cellsDone; }
    int TotalCells() const;

    // Puts a control of the dialog's own between the transfer button and
    // Close.
    void PutBetweenButtons(QWidget* widget);
    // On the user-interface thread once the job has finished and its notes
    // were shown: what happened, what it did to the box or the project, and
    // where to find what it left. The message boxes have already said why a
    // transfer failed.
    virtual QString EndSentence() const = 0;
    // Called after the end sentence is shown; the dialog may then end.
    virtual void TransferFinished() { }

    // The question a stop asks first (Yes or No, No the default); empty:
    // stop without asking, as nothing in the box changes.
    virtual QString StopQuestion() const { return QString(); }
    // What the transfer said when it stopped on the user's request ("The
    // write stopped after cell 301 of 766: ..."); shown in the end sentence
    // rather than in a message box of its own. Empty otherwise.
    const UserText& StopMessage() const { return stopMessage; }
    // Puts a section of the dialog's own above the progress bar.
    void PutAboveProgress(QWidget* widget);

    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The transfer button: disables both buttons, sets the progress range and
    // runs the job on the worker. Once only.
    void StartTransfer();
    // Queues an action for the user-interface thread; callable from any
    // thread. Actions posted after the dialog is gone are dropped.
    void Post(std::function<void()> action);
    void ShowTransferMessage(const QString& text, bool offerHelp = false);
    // The bar and the cells line at a progress position the worker reported
    // at the given time.
    void ShowProgress(int position, CTimeLeft::Clock::time_point at);

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
    // Runs the actions that waited while a message box was up.
    void RunDeferred();
    void WorkerEnded();
    // The Stop button's texts, again in each new language.
    void Retranslate();

    QHBoxLayout* buttonRow = nullptr;
    // The worker uses the job and the forwarder: both are declared before it.
    JobMaker makeJob;
    std::unique_ptr<CTransferJob> job;
    Forwarder forwarder { *this };
    TransferOutcome outcome = TransferOutcome::NotOpened;
    std::optional<TransferPhase> lastPhase; // the phase the label names
    std::optional<CTimeLeft> timeLeft; // made with the job, which knows the total
    int cellsDone = 0;
    int totalCells = 0;
    bool projectReplaced = false;
    std::thread worker;
    bool workerRunning = false;
    bool closePending = false;
    bool showingMessage = false;
    bool stopRequested = false;
    UserText stopMessage;
    std::deque<std::function<void()>> deferred;
};
