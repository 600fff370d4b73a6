#include "RamvikDlg.h"

#include "Compare.h"
#include "ComparePanel.h"
#include "FileComparePanel.h"
#include "Graph.h"
#include "Messages.h"
#include "PointsTable.h"
#include "Translate.h"

#include <CompareJob.h>
#include <PointRange.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

// Comparing the project with the box: the session reads and compares, the
// compare panel lists the differences and the graph draws the box's curves
// over the project's until the user takes one of the two projects.
//
// Comparing it with another project file: the file is read as Open reads it,
// without touching the project; the file's panel lists the differences, the
// graph draws the file's curves, and the selected stretch can take the
// file's points. One comparison is shown at a time.

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

void CRamvikDlg::FileComparePanelDeleter::operator()(CFileComparePanel* panel) const
{
    delete panel;
}

void CRamvikDlg::CloseComparisons()
{
    if (comparePanel)
        comparePanel->close();
    if (fileComparePanel)
        fileComparePanel->close();
}

void CRamvikDlg::OpenComparePanel(std::unique_ptr<CCompareJob> comparison)
{
    // A new comparison replaces the one on show.
    CloseComparisons();
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
    if (fileComparePanel)
        fileComparePanel->ProjectChanged();
}

void CRamvikDlg::OnCompareWithFile()
{
    const QString path = ChooseFile(false);
    if (path.isEmpty())
        return;
    auto file = std::make_unique<ProjectState>();
    // What the window shows of its own project stays its own; the file's
    // view fields only say which of its curves there are.
    const SessionResult opened
        = OpenProject(QFile::encodeName(QDir::toNativeSeparators(path)).toStdString(), *file);
    if (!opened.ok) {
        ShowMessage(this, Tr(opened.message), QMessageBox::Warning);
        return;
    }
    CloseComparisons();
    fileComparePanel.reset(
        new CFileComparePanel(project, Graph(), std::move(file), QFileInfo(path).fileName(), this));
    CFileComparePanel* panel = fileComparePanel.get();
    connect(panel, &CFileComparePanel::takePointsWanted, this, [this] {
        ClearStatus();
        OnTakePointsFromFile();
    });
    connect(panel, &CFileComparePanel::Closed, this, [this, panel] {
        if (fileComparePanel.get() == panel)
            fileComparePanel.release()->deleteLater();
    });
    connect(panel, &QObject::destroyed, this, [this, panel] {
        if (fileComparePanel.get() == panel)
            fileComparePanel.release();
    });
    addDockWidget(Qt::RightDockWidgetArea, panel);
    // Beside the points table, not in its place.
    if (pointsTable && !pointsTable->isHidden())
        splitDockWidget(pointsTable, panel, Qt::Vertical);
    panel->show();
    UpdateRangeActions();
}

void CRamvikDlg::OnTakePointsFromFile()
{
    if (!fileComparePanel || Graph().dragging)
        return;
    const PointSelection selection = Graph().Selection();
    if (selection.empty()) {
        ShowStatus([] { return tr("Select the points that take the file's points first."); });
        return;
    }
    ApplyRangeResult(TakePointsFrom(project, selection, fileComparePanel->File()));
}
