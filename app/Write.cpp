#include "Write.h"

#include <Session.h>

CWrite::CWrite(CSession& session, QWidget* parent)
    : CTransferDlg(QStringLiteral("Write Data"), session.MakeWriteJob(), parent)
{
}
