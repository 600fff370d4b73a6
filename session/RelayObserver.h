#pragma once

#include <Transfer.h>

// Hands the reports of a transfer made before its observer was known to the
// observer of the run. Set before the worker starts, read only by it. It
// keeps the last message, for the caller's thread once the run has ended.
class CRelayObserver : public CTransferObserver {
public:
    void Progress(int position) override { target->Progress(position); }
    void PhaseStarted(TransferPhase phase) override { target->PhaseStarted(phase); }
    void Message(const UserText& text) override
    {
        lastMessage = text;
        target->Message(text);
    }
    void EnableClose() override { target->EnableClose(); }
    void CloseDialog() override { target->CloseDialog(); }
    void Finished(TransferOutcome outcome) override { target->Finished(outcome); }

    CTransferObserver* target = nullptr;
    UserText lastMessage;
};
