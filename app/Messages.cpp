#include "Messages.h"

#include <QAbstractButton>
#include <QPushButton>

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
    QMessageBox::StandardButton defaultButton, const QString& helpLabel)
{
    if (const MessageHook& hook = CurrentHook())
        return hook(text, icon, buttons);
    QMessageBox box(icon, QStringLiteral("Ramvik"), text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    if (QAbstractButton* help = box.button(QMessageBox::Help); help && !helpLabel.isEmpty())
        help->setText(helpLabel);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

CScopedMessageHook::CScopedMessageHook(MessageHook hook)
    : previous(std::exchange(CurrentHook(), std::move(hook)))
{
}

CScopedMessageHook::~CScopedMessageHook()
{
    CurrentHook() = std::move(previous);
}
