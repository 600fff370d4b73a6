#pragma once

#include <QDialog>

class QPlainTextEdit;
class QWidget;

// The connection doctor's report in a dialog of its own: monospace, read
// only but selectable and copyable, scrolled when long.
class CConnectionHelpDlg : public QDialog {
    Q_OBJECT

public:
    CConnectionHelpDlg(const QString& report, QWidget* parent = nullptr);

    QPlainTextEdit* reportView = nullptr;
};

// The doctor's report on this machine's way to the box now: the converter
// the window would search for, with the user's remembered choice.
QString ConnectionReport();

// A message of a transfer. "No USB Device Connected!..." (offerHelp, from
// IsNoDeviceMessage) gets a "Connection help" button beside OK that shows
// the doctor's report; every other message is a plain box with OK.
void ShowTransferMessageBox(QWidget* parent, const QString& text, bool offerHelp);
