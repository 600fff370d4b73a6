#include "PassiveEventDispatcher.h"

#include <QThread>

void CPassiveEventDispatcher::EnsureForCurrentThread()
{
    QThread* thread = QThread::currentThread();
    if (thread->eventDispatcher() == nullptr)
        thread->setEventDispatcher(new CPassiveEventDispatcher);
}
