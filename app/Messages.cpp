#include "Messages.h"

#include <utility>

namespace {
MessageHook& CurrentHook()
{
    static MessageHook hook;
    return hook;
}
} // namespace

QMessageBox::StandardButton ShowMessage(QWidget* parent, const QString& text,
    QMessageBox::Icon icon, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton)
{
    if (const MessageHook& hook = CurrentHook())
        return hook(text, icon, buttons);
    QMessageBox box(icon, QStringLiteral("Ramvik"), text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

ScopedMessageHook::ScopedMessageHook(MessageHook hook)
    : previous(std::exchange(CurrentHook(), std::move(hook)))
{
}

ScopedMessageHook::~ScopedMessageHook()
{
    CurrentHook() = std::move(previous);
}
