#include "RamvikDlg.h"

#include <QKeySequence>
#include <QShortcut>

#include <utility>

// What the window does beyond its panel: the everyday shortcuts.

void CRamvikDlg::AddShortcuts()
{
    const std::pair<QKeySequence::StandardKey, void (CRamvikDlg::*)()> keys[] = {
        { QKeySequence::New, &CRamvikDlg::OnNew },
        { QKeySequence::Open, &CRamvikDlg::OnOpen },
        { QKeySequence::Save, &CRamvikDlg::OnSave },
        { QKeySequence::Print, &CRamvikDlg::OnPrint },
    };
    for (const auto& [key, handler] : keys)
        connect(new QShortcut(key, this), &QShortcut::activated, this, handler);
    // Ctrl+Q everywhere, also where the platform has no standard quit key;
    // closing asks about unsaved changes first.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this,
        &QWidget::close);
}
