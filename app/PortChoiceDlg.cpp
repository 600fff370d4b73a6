#include "PortChoiceDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

CPortChoiceDlg::CPortChoiceDlg(const QStringList& lines, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Choose the box's converter"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        tr("More than one converter may be the box's.\nChoose the box's converter:"), this));
    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("portList"));
    list->setAccessibleName(tr("Choose the box's converter"));
    list->addItems(lines);
    list->setCurrentRow(0);
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() + 24);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons);
}

int CPortChoiceDlg::ChosenIndex() const
{
    return list->currentRow();
}
