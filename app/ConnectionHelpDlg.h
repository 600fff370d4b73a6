#pragma once

#include <ConnectionDoctor.h>

#include <QDialog>
#include <QString>

#include <string>

class QLabel;
class QPushButton;
class QTextBrowser;
class QWidget;

// What the connection help shows and copies: the doctor's checks in the
// workshop's words, and the same checks as ramvik-cli doctor prints them
// (English, with the commands) for whoever looks after the computer.
struct ConnectionReports {
    DoctorReport workshop;
    std::string administrator;
};

// The connection doctor's report in a dialog of its own: each check's
// verdict in a column of its own and its text wrapped to the dialog's width.
// "Copy report" puts the report on the clipboard with the administrator's
// report after it, so whoever helps gets the exact commands.
class CConnectionHelpDlg : public QDialog {
    Q_OBJECT

public:
    explicit CConnectionHelpDlg(const ConnectionReports& reports, QWidget* parent = nullptr);

    // The report as shown, as plain text: each check's verdict, then its
    // text, further lines indented under the first; the summary last.
    QString ShownText() const { return shownText; }
    // What "Copy report" puts on the clipboard.
    QString CopiedText() const;

    QTextBrowser* reportView = nullptr;
    QPushButton* copyButton = nullptr;
    QLabel* copiedLabel = nullptr; // says where the report went, once copied

private:
    void ShowReport(const DoctorReport& report);
    void FitToScreen();
    void CopyReport();

    QString shownText;
    QString administrator;
};

// The doctor's report on this machine's way to the box now, for both
// audiences: the converter the window would search for, with the user's
// remembered choice.
ConnectionReports ConnectionReport();

// A message of a transfer. "No USB Device Connected!..." (offerHelp, from
// IsNoDeviceMessage) gets a "Connection help" button beside OK that shows
// the doctor's report; every other message is a plain box with OK.
void ShowTransferMessageBox(QWidget* parent, const QString& text, bool offerHelp);
