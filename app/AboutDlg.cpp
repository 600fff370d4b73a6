#include "AboutDlg.h"

#include "PanelGeometry.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle("About Ramvik");
    setFont(parent ? parent->font() : font());
    setFixedSize(DialogUnits(0, 0, 194, 46).size());

    auto* icon = new QLabel(this);
    icon->setObjectName("aboutIcon");
    icon->setPixmap(QIcon(":/ramvik.png").pixmap(32, 32));
    icon->setGeometry(DialogUnits(11, 10, 22, 20));

    auto* version = new QLabel("Ramvik Version 2.0", this);
    version->setObjectName("aboutVersion");
    version->setGeometry(DialogUnits(40, 17, 90, 8));

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("aboutOk");
    ok->setDefault(true);
    ok->setGeometry(DialogUnits(137, 14, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
