#include "RamvikDlg.h"

#include "Compare.h"
#include "Graph.h"
#include "Messages.h"
#include "Translate.h"

#include <CompareJob.h>

// Comparing the project with the box: the session reads and compares, the
// window draws the box's curves over the project's and asks what to keep.

namespace {
QString ComparisonText(const CCompareJob& comparison)
{
    if (comparison.Differences().empty())
        return QStringLiteral("The box holds the project.");
    QString text = QStringLiteral("The box holds other values than the project:\n");
    for (const UserText& line : comparison.Differences())
        text += QStringLiteral("\n") + Tr(line);
    return text;
}
} // namespace

void CRamvikDlg::OnCompare()
{
    CCompare dialog(session, this);
    dialog.exec();
    CCompareJob* comparison = dialog.Comparison();
    if (!comparison || !comparison->Compared())
        return;
    // The box's curves stay over the project's while the question is open.
    Graph().SetOverlay(comparison->BoxProject());
    const bool take = AskChoice(this, ComparisonText(*comparison),
        QStringLiteral("Take the box's project"), QStringLiteral("Keep the project"));
    Graph().SetOverlay(nullptr);
    // Taking replaces the project as a read does: changes may be saved first.
    if (take && MaySaveChanges())
        session.TakeBoxProject(*comparison);
    Refresh();
}
