#pragma once

#include <QDialog>

#include <functional>

// Runs the program's own modal dialogs (the port choice, the connection
// help) as Messages.h runs message boxes: normally with exec(), and while a
// CScopedDialogHook lives through its runner instead, which gets the real
// dialog, may work its widgets and returns the result (QDialog::Accepted or
// QDialog::Rejected) in place of the user.
int RunDialog(QDialog& dialog);

using DialogHook = std::function<int(QDialog& dialog)>;

// Only on the UI thread; the previous hook comes back when it ends.
class CScopedDialogHook {
public:
    explicit CScopedDialogHook(DialogHook hook);
    ~CScopedDialogHook();
    CScopedDialogHook(const CScopedDialogHook&) = delete;
    CScopedDialogHook& operator=(const CScopedDialogHook&) = delete;

private:
    DialogHook previous;
};
