#include "Write.h"

#include <QPushButton>

CWrite::CWrite(const ProjectState& project, const LinkChoice& link, QWidget* parent)
    : CTransferDlg(QStringLiteral("Write Data"), parent)
    , transfer(std::make_unique<WriteTransfer>(project, MakeLink(link), Observer()))
{
    connect(transferButton, &QPushButton::clicked, this, [this] { OnWriteData(); });
}

// The worker is joined by the base class before the transfer it runs goes.
CWrite::~CWrite()
{
    JoinWorker();
}

void CWrite::OnWriteData()
{
    if (WorkerRunning() || !transferButton->isEnabled())
        return;
    StartWorker(767, [this] { transfer->Run(); });
}
