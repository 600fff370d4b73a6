#pragma once

#include <QDialog>

// The About box: the application icon, the program name with its version,
// and "OK".
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
