#include "DialogRunner.h"

#include <utility>

namespace {
DialogHook& CurrentHook()
{
    static DialogHook hook;
    return hook;
}
} // namespace

int RunDialog(QDialog& dialog)
{
    if (const DialogHook& hook = CurrentHook()) {
        const int result = hook(dialog);
        dialog.setResult(result);
        return result;
    }
    return dialog.exec();
}

ScopedDialogHook::ScopedDialogHook(DialogHook hook)
    : previous(std::exchange(CurrentHook(), std::move(hook)))
{
}

ScopedDialogHook::~ScopedDialogHook()
{
    CurrentHook() = std::move(previous);
}
