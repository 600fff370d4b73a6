#include "Read.h"

#include "Translate.h"

#include <Session.h>

#include <QCoreApplication>

CRead::CRead(CSession& session_, QWidget* parent)
    : CTransferDlg(
        tr("Read from box"), tr("Read Data"), [&session_] { return session_.MakeReadJob(); },
        parent)
    , session(session_)
{
}

QString UnreadSentence(TransferOutcome outcome, int cellsDone, int totalCells)
{
    switch (outcome) {
    case TransferOutcome::NotOpened:
        return QCoreApplication::translate(
            "CRead", "Nothing was read: no box could be reached. The project is unchanged.");
    case TransferOutcome::HandshakeFailed:
        return QCoreApplication::translate("CRead",
            "Nothing was read: the transfer stopped before the first cell. The project is "
            "unchanged.");
    default:
        break;
    }
    return QCoreApplication::translate("CRead",
        "The read stopped after %1 of %2 cells, so nothing was taken from the box. The "
        "project is unchanged.")
        .arg(cellsDone)
        .arg(totalCells);
}

QString CRead::EndSentence() const
{
    if (Job() && Job()->Stopped())
        return tr("The read was stopped after %1 of %2 cells: nothing was taken from the box, "
                  "and the project is unchanged.")
            .arg(CellsDone())
            .arg(TotalCells());
    if (!ProjectReplaced())
        return UnreadSentence(Outcome(), CellsDone(), TotalCells());
    return tr("The project of box %1 (%2) is now the window's project; it is not saved in any "
              "file yet.")
        .arg(Job()->BoxIdentification())
        .arg(Tr(BoxTypeName(session.Project().boxType)));
}
