#pragma once

#include <QAbstractEventDispatcher>

// An event dispatcher that dispatches nothing, for threads that use Qt Serial
// Port only through its blocking calls: a transfer's worker (a plain thread)
// or the main thread of a program without a QCoreApplication. Qt Serial Port
// watches its device with socket notifiers, which refuse to exist in a thread
// without any dispatcher; its blocking calls poll the device themselves.
// The same few functions are abstract on every platform: Qt 6 keeps the
// Windows event notifiers out of this interface.
class CPassiveEventDispatcher : public QAbstractEventDispatcher {
    Q_OBJECT

public:
    // Gives the calling thread this dispatcher when it has none; the thread
    // owns it from then on.
    static void EnsureForCurrentThread();

    bool processEvents(QEventLoop::ProcessEventsFlags) override { return false; }
    void registerSocketNotifier(QSocketNotifier*) override { }
    void unregisterSocketNotifier(QSocketNotifier*) override { }
    void registerTimer(int, qint64, Qt::TimerType, QObject*) override { }
    bool unregisterTimer(int) override { return false; }
    bool unregisterTimers(QObject*) override { return false; }
    QList<TimerInfo> registeredTimers(QObject*) const override { return {}; }
    int remainingTime(int) override { return -1; }
    void wakeUp() override { }
    void interrupt() override { }
};
