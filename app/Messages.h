#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// Every message box of the program goes through here, so that an answerer
// can be put in place of the user (the headless tests read the texts and
// answer the questions without a modal loop).

// Shows a modal message box captioned "Ramvik" and returns the button the
// user pressed. Escape or the close box give the escape button Qt chooses.
// While a CScopedMessageHook lives, its answerer gets the message instead.
// A Help button among the buttons carries helpLabel when one is given.
QMessageBox::StandardButton ShowMessage(QWidget* parent, const QString& text,
    QMessageBox::Icon icon = QMessageBox::Critical,
    QMessageBox::StandardButtons buttons = QMessageBox::Ok,
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
    const QString& helpLabel = QString());

// Receives each message instead of the user and gives the button pressed.
using MessageHook = std::function<QMessageBox::StandardButton(
    const QString& text, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)>;

// While one of these lives, messages go to its hook instead of a box.
// Only on the UI thread; the previous hook comes back when it ends.
class CScopedMessageHook {
public:
    explicit CScopedMessageHook(MessageHook hook);
    ~CScopedMessageHook();
    CScopedMessageHook(const CScopedMessageHook&) = delete;
    CScopedMessageHook& operator=(const CScopedMessageHook&) = delete;

private:
    MessageHook previous;
};
