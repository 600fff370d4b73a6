#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// ramvik-boxsim; its pseudo-terminal's path is the first line it prints.
class CBoxsimProcess {
public:
    explicit CBoxsimProcess(const QStringList& options)
    {
        process.start(QStringLiteral(BOXSIM_PATH), options);
        if (!process.waitForStarted(5000))
            return;
        while (!process.canReadLine() && process.waitForReadyRead(5000)) { }
        path = QString::fromLocal8Bit(process.readLine()).trimmed();
    }
    ~CBoxsimProcess() { Stop(); }
    int Stop() // SIGTERM; the exit code, or -1 after a crash
    {
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(5000);
        }
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QString path;

private:
    QProcess process;
};
