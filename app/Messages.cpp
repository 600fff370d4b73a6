#include "Messages.h"

#include <QGuiApplication>

#include <cstdio>
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
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        // Nobody could answer a box there (a headless test without a hook):
        // report on stderr and take the most cautious answer.
        std::fprintf(stderr, "Ramvik message: %s\n", qUtf8Printable(text));
        if (buttons.testFlag(QMessageBox::Cancel))
            return QMessageBox::Cancel;
        return buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::NoButton;
    }
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
