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

CScopedDialogHook::CScopedDialogHook(DialogHook hook)
    : previous(std::exchange(CurrentHook(), std::move(hook)))
{
}

CScopedDialogHook::~CScopedDialogHook()
{
    CurrentHook() = std::move(previous);
}
