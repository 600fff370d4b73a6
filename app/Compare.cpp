#include "Compare.h"

#include <CompareJob.h>
#include <Session.h>

CCompare::CCompare(CSession& session, QWidget* parent)
    : CTransferDlg(
        QStringLiteral("Compare"),
        [this, &session]() -> std::unique_ptr<CTransferJob> {
            std::unique_ptr<CCompareJob> job = session.MakeCompareJob();
            comparison = job.get();
            return job;
        },
        parent)
{
}
