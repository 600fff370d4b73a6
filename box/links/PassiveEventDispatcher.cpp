#include "PassiveEventDispatcher.h"

#include <QThread>

void PassiveEventDispatcher::EnsureForCurrentThread()
{
    QThread* thread = QThread::currentThread();
    if (thread->eventDispatcher() == nullptr)
        thread->setEventDispatcher(new PassiveEventDispatcher);
}
