#pragma once

#include <Transfer.h>

#include <QDialog>

#include <deque>
#include <functional>
#include <thread>

class QProgressBar;
class QPushButton;

// What the Write and the Read dialog share: a bordered pop-up without a title
// bar (186 x 47 dialog units) with a progress bar, the transfer button and
// "Close", and one worker thread that runs the transfer.
//
// Thread rules: the worker never touches a widget. Everything it reports goes
// through Post(), which queues the action on the user-interface thread. While
// a message box is up, later actions wait until the user has pressed OK, so
// the dialog changes in the order the worker reported, after its message.
//
// The dialog cannot be dismissed (Escape, the system's close command) while
// the worker runs; the destructor joins the worker.
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

protected:
    CTransferDlg(const QString& transferText, QWidget* parent);

    // Disables both buttons, sets the progress range 0..last and starts the
    // worker with the body.
    void StartWorker(int lastProgress, std::function<void()> body);
    // Receives the transfer's reports on the worker and forwards each one to
    // the user-interface thread.
    TransferObserver& Observer() { return forwarder; }
    // Queues an action for the user-interface thread; callable from any
    // thread. Actions posted after the dialog is gone are dropped.
    void Post(std::function<void()> action);

    // Waits for the worker. A derived dialog calls it first in its destructor,
    // as the worker uses the derived dialog's transfer.
    void JoinWorker();

    // Called on the user-interface thread when the worker has ended.
    virtual void OnWorkerFinished() { }

    void ShowTransferMessage(const QString& text);
    // Ends the dialog as its Close button does: now when the worker has
    // ended, else as soon as it ends.
    void CloseWhenDone();

    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    class Forwarder : public TransferObserver {
    public:
        explicit Forwarder(CTransferDlg& dialog_)
            : dialog(dialog_)
        {
        }
        void Progress(int position) override;
        void Message(const std::string& text) override;
        void EnableClose() override;
        void CloseDialog() override;
        void Finished(TransferOutcome outcome) override;

    private:
        CTransferDlg& dialog;
    };

    void RunOrDefer(std::function<void()> action);
    void WorkerEnded();

    Forwarder forwarder { *this };
    TransferOutcome outcome = TransferOutcome::NotOpened;
    std::thread worker;
    bool workerRunning = false;
    bool closePending = false;
    bool showingMessage = false;
    std::deque<std::function<void()>> deferred;
};
