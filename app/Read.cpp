#include "Read.h"

#include <Session.h>

CRead::CRead(CSession& session, QWidget* parent)
    : CTransferDlg(
        QStringLiteral("Read Data"), [&session] { return session.MakeReadJob(); }, parent)
{
}
