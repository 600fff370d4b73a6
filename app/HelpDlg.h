#pragma once

#include <QDialog>

class QTextBrowser;

// Help, "Keys and Mouse": one short page on how the curves are edited with
// the mouse and the keys, and which keys the menus have.
class CHelpDlg : public QDialog {
    Q_OBJECT

public:
    explicit CHelpDlg(QWidget* parent = nullptr);

    QTextBrowser* page = nullptr;
};
