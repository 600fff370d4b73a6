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

bool AskChoice(QWidget* parent, const QString& text, const QString& yesText, const QString& noText)
{
    const auto buttons = QMessageBox::Yes | QMessageBox::No;
    if (const MessageHook& hook = CurrentHook())
        return hook(text, QMessageBox::Question, buttons) == QMessageBox::Yes;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Ramvik"), text, buttons, parent);
    box.button(QMessageBox::Yes)->setText(yesText);
    box.button(QMessageBox::No)->setText(noText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

CScopedMessageHook::CScopedMessageHook(MessageHook hook)
    : previous(std::exchange(CurrentHook(), std::move(hook)))
{
}

CScopedMessageHook::~CScopedMessageHook()
{
    CurrentHook() = std::move(previous);
}
