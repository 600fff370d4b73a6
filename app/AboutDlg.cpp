#include "AboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("About Ramvik"));
    auto* layout = new QHBoxLayout(this);
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    icon->setPixmap(QIcon(QStringLiteral(":/ramvik.png")).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    // The program's name, the same in every language.
    icon->setAccessibleName(QStringLiteral("Ramvik"));
    layout->addWidget(icon);

    auto* column = new QVBoxLayout;
    auto* version = new QLabel(tr("Ramvik Version 2.0"), this);
    version->setObjectName(QStringLiteral("aboutVersion"));
    column->addWidget(version);
    column->addStretch();
    layout->addLayout(column, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, Qt::Vertical, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("aboutOk"));
    ok->setText(tr("OK"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
