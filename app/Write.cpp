#include "Write.h"

#include <Session.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

CWrite::CWrite(CSession& session, bool verify, QWidget* parent)
    : CTransferDlg(
        QStringLiteral("Write Data"),
        [this, &session] { return session.MakeWriteJob(verifyBox->isChecked()); }, parent)
{
    verifyBox = new QCheckBox(QStringLiteral("Verify after writing"), this);
    verifyBox->setObjectName("verifyBox");
    verifyBox->setGeometry(MiddleArea());
    verifyBox->setChecked(verify);
    phaseLabel->hide();
    connect(transferButton, &QPushButton::clicked, this, [this] {
        verifyBox->hide();
        phaseLabel->show();
    });
}
