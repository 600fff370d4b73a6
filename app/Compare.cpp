#include "Compare.h"

#include "Read.h"

#include <CompareJob.h>
#include <Session.h>

CCompare::CCompare(CSession& session, QWidget* parent)
    : CTransferDlg(
        tr("Compare with box"), tr("Compare"),
        [this, &session]() -> std::unique_ptr<CTransferJob> {
            std::unique_ptr<CCompareJob> job = session.MakeCompareJob();
            comparison = job.get();
            return job;
        },
        parent)
{
}

QString CCompare::EndSentence() const
{
    if (comparison && comparison->Stopped())
        return tr("The compare was stopped after %1 of %2 cells: nothing was compared, and the "
                  "project is unchanged.")
            .arg(CellsDone())
            .arg(TotalCells());
    if (!comparison || !comparison->Compared())
        return UnreadSentence(Outcome(), CellsDone(), TotalCells());
    const int box = comparison->BoxIdentification();
    const int count = static_cast<int>(comparison->Differences().size());
    if (count == 0)
        return tr("Box %1 holds the project.").arg(box);
    // Translators get both forms; English needs no plural rules beyond one.
    if (count == 1)
        return tr("Box %1 holds other values than the project: the compare panel lists the "
                  "difference and draws the box's curves over the project's.")
            .arg(box);
    return tr("Box %1 holds other values than the project: the compare panel lists %2 "
              "differences and draws the box's curves over the project's.")
        .arg(box)
        .arg(count);
}

void CCompare::TransferFinished()
{
    if (!compared || !comparison || !comparison->Compared())
        return;
    comparison = nullptr;
    std::unique_ptr<CTransferJob> job = TakeJob();
    compared(std::unique_ptr<CCompareJob>(static_cast<CCompareJob*>(job.release())));
}
