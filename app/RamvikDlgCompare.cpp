#include "RamvikDlg.h"

#include "Compare.h"
#include "ComparePanel.h"
#include "Graph.h"

#include <CompareJob.h>

// Comparing the project with the box: the session reads and compares, the
// compare panel lists the differences and the graph draws the box's curves
// over the project's until the user takes one of the two projects.

void CRamvikDlg::ComparePanelDeleter::operator()(CComparePanel* panel) const
{
    delete panel;
}

void CRamvikDlg::OnCompare()
{
    if (!ChooseTransferPort())
        return;
    CCompare dialog(session, this);
    // The panel opens as soon as the box is read, so the dialog's last
    // sentence speaks of a panel the user can already see.
    dialog.compared = [this](std::unique_ptr<CCompareJob> comparison) {
        OpenComparePanel(std::move(comparison));
    };
    RunTransfer(dialog);
}

void CRamvikDlg::OpenComparePanel(std::unique_ptr<CCompareJob> comparison)
{
    // A new comparison replaces the one on show.
    if (comparePanel)
        comparePanel->close();
    CComparePanel::WindowHooks hooks;
    hooks.maySaveChanges = [this] { return MaySaveChanges(); };
    hooks.projectReplaced = [this] { Refresh(); };
    comparePanel.reset(new CComparePanel(session, Graph(), std::move(comparison), hooks, this));
    CComparePanel* panel = comparePanel.get();
    connect(panel, &CComparePanel::Closed, this, [this, panel] {
        // The signal comes from the panel's own handlers: it goes once they
        // have returned.
        if (comparePanel.get() == panel)
            comparePanel.release()->deleteLater();
    });
    // A main window around this one deletes its docks with it.
    connect(panel, &QObject::destroyed, this, [this, panel] {
        if (comparePanel.get() == panel)
            comparePanel.release();
    });
    addDockWidget(Qt::RightDockWidgetArea, panel);
    panel->show();
}

void CRamvikDlg::RefreshComparison()
{
    if (comparePanel)
        comparePanel->ProjectChanged();
}
