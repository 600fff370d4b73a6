#include "Read.h"

#include <QPushButton>

CRead::CRead(ProjectState& project_, const LinkChoice& link_, QWidget* parent)
    : CTransferDlg(QStringLiteral("Read Data"), parent)
    , project(project_)
    , link(link_)
{
    connect(transferButton, &QPushButton::clicked, this, [this] { OnReadData(); });
}

CRead::~CRead()
{
    JoinWorker();
}

void CRead::OnReadData()
{
    if (WorkerRunning() || !transferButton->isEnabled())
        return;
    // The fields a read does not set are copied from the project here, on
    // this thread; the worker never touches the window's project.
    transfer = std::make_unique<ReadTransfer>(project, MakeLink(link), Observer());
    StartWorker(255, [this] { transfer->Run(); });
}

void CRead::OnWorkerFinished()
{
    std::unique_ptr<ProjectState> read = transfer ? transfer->TakeProject() : nullptr;
    if (!read)
        return;
    project = std::move(*read);
    replaced = true;
}
