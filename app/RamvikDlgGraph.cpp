#include "RamvikDlg.h"

#include "Graph.h"
#include "GraphWidget.h"
#include "PointEntryDlg.h"
#include "Translate.h"

#include <PointRange.h>

#include <QAction>
#include <QLabel>
#include <QStatusBar>

#include <string>

// The graph's side of the main window: the point commands, the entry for
// exact values, the status line and the hint for a new project.

CGraph& CRamvikDlg::Graph()
{
    return graphWidget->Graph();
}

void CRamvikDlg::OnNeighbourPoint(bool higher)
{
    Graph().SelectNeighbour(higher);
    UpdatePointActions();
}

void CRamvikDlg::OnMovePoint(double volts)
{
    // Several selected points move together, as Add Voltage moves them.
    const PointSelection selection = Graph().Selection();
    if (selection.size() > 1 && !Graph().dragging) {
        // Up on the screen: in the Difference view a greater difference,
        // which is a lower output.
        const RangeEditResult moved
            = AddToOutputs(project, selection, project.graphType == 0 ? -volts : volts);
        // A held key's repeats move the selection in one step to undo.
        if (moved.changed)
            session.RecordChange("selection keys " + std::to_string(selection.front()) + " "
                + std::to_string(selection.back()) + " " + std::to_string(selection.size()));
        Refresh();
        ShowStatus([status = moved.status] { return Tr(status); });
        return;
    }
    Graph().MoveSelected(volts);
    // A held key's repeats move one point in one step to undo.
    if (const CPunt* moved = Graph().SelectedPoint())
        session.RecordChange("point key " + std::to_string(moved->input));
    Refresh();
}

void CRamvikDlg::OnRemovePoint()
{
    Graph().RemoveSelected();
    Refresh();
}

void CRamvikDlg::UpdatePointActions()
{
    const bool chosen = Graph().SelectedPoint() != nullptr && !Graph().dragging;
    const bool several = Graph().Selection().size() > 1 && !Graph().dragging;
    for (QAction* action : { actions.previousPoint, actions.nextPoint })
        action->setEnabled(!Graph().dragging);
    for (QAction* action :
        { actions.raisePoint, actions.lowerPoint, actions.raisePointMore, actions.lowerPointMore })
        action->setEnabled(chosen || several);
    actions.removePoint->setEnabled(chosen);
    actions.pointValues->setEnabled(!Graph().dragging);
    UpdateRangeActions();
}

void CRamvikDlg::OpenPointEntry(bool pointAddedByFirstClick)
{
    if (Graph().dragging)
        return;
    const CPunt* chosen = Graph().SelectedPoint();
    // A new point starts where the pointer or the key last was; one the first
    // click of a double-click made is offered as new, at its own values.
    const bool isNew = !chosen || pointAddedByFirstClick;
    const double input = chosen ? chosen->input : Graph().cursorX;
    const double output = chosen ? chosen->output : input;
    auto* entry = new CPointEntryDlg(project, isNew, input, output, this);
    entry->setAttribute(Qt::WA_DeleteOnClose);
    connect(entry, &QDialog::accepted, this, [this, entry, pointAddedByFirstClick] {
        // The typed point takes the place of the one the click made, in one
        // step to undo.
        if (pointAddedByFirstClick)
            session.RevertLastStep();
        Graph().PutTypedPoint(entry->Input(), entry->Output());
        Refresh();
    });
    if (pointAddedByFirstClick) {
        connect(entry, &QDialog::rejected, this, [this] {
            session.RevertLastStep();
            Refresh();
        });
    }
    entry->open();
}

void CRamvikDlg::ShowStatus(StatusText text)
{
    statusText = std::move(text);
    const QString shown = statusText ? statusText() : QString();
    statusLine->setText(shown);
    statusLine->setVisible(!shown.isEmpty());
    UpdateHint();
}

void CRamvikDlg::UpdateHint()
{
    // The curves as New or a reset makes them: straight lines through no more
    // than their ends and the start and stop points. Nobody has drawn yet.
    const auto straight = [](const CPunt* head, int most) {
        int count = 0;
        for (const CPunt* p = head; p; p = p->next, ++count)
            if (p->output != p->input)
                return false;
        return count <= most;
    };
    // A note in the status line takes the hint's place.
    hint->setVisible(statusLine->text().isEmpty() && straight(project.crCurve.Head(), 4)
        && straight(project.turboCurve.Head(), 2));
}
