#pragma once

// ramvik-boxsim as a child process for end-to-end transfers: started with its
// options, its pseudo-terminal's path taken from the first line it prints,
// ended with SIGTERM.

#include <QProcess>
#include <QStringList>

class BoxsimProcess {
public:
    explicit BoxsimProcess(const QStringList& options)
    {
        process.start(QStringLiteral(BOXSIM_PATH), options);
        if (!process.waitForStarted(5000))
            return;
        while (!process.canReadLine() && process.waitForReadyRead(5000)) { }
        path = QString::fromLocal8Bit(process.readLine()).trimmed();
    }
    ~BoxsimProcess()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
        process.waitForFinished(5000);
    }
    BoxsimProcess(const BoxsimProcess&) = delete;
    BoxsimProcess& operator=(const BoxsimProcess&) = delete;

    // The pseudo-terminal to open as the box's serial device; empty when the
    // tool did not start.
    QString path;

private:
    QProcess process;
};
