#include "RamvikDlg.h"

#include "Graph.h"

#include <QKeySequence>
#include <QShortcut>

#include <utility>

// What the window does beyond its panel: the everyday shortcuts, undo and
// redo.

void CRamvikDlg::AddShortcuts()
{
    const std::pair<QKeySequence::StandardKey, void (CRamvikDlg::*)()> keys[] = {
        { QKeySequence::New, &CRamvikDlg::OnNew },
        { QKeySequence::Open, &CRamvikDlg::OnOpen },
        { QKeySequence::Save, &CRamvikDlg::OnSaveToFile },
        { QKeySequence::Print, &CRamvikDlg::OnPrint },
    };
    for (const auto& [key, handler] : keys)
        connect(new QShortcut(key, this), &QShortcut::activated, this, handler);
    // The same keys on every platform; the platform's own standard keys
    // could claim one of them twice and make it ambiguous.
    const std::pair<QKeySequence, void (CRamvikDlg::*)()> fixedKeys[] = {
        { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &CRamvikDlg::OnSave },
        { QKeySequence(Qt::CTRL | Qt::Key_Z), &CRamvikDlg::OnUndo },
        { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &CRamvikDlg::OnRedo },
        { QKeySequence(Qt::CTRL | Qt::Key_Y), &CRamvikDlg::OnRedo },
    };
    for (const auto& [key, handler] : fixedKeys)
        connect(new QShortcut(key, this), &QShortcut::activated, this, handler);
    // Ctrl+Q everywhere, also where the platform has no standard quit key;
    // closing asks about unsaved changes first.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this,
        &QWidget::close);
}

void CRamvikDlg::OnUndo()
{
    TravelHistory(&CSession::Undo);
}

void CRamvikDlg::OnRedo()
{
    TravelHistory(&CSession::Redo);
}

void CRamvikDlg::TravelHistory(bool (CSession::*step)())
{
    // A drag in progress is not a step yet; it ends first.
    if (graph && graph->dragging)
        return;
    if ((session.*step)())
        ShowStatus(QString());
    Refresh();
}
