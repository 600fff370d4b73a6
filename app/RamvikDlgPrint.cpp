#include "RamvikDlg.h"

#include "Print.h"
#include "Translate.h"

#include <QAbstractPrintDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <WriteHistory.h>

#include <optional>

// Printing the project sheet: one job with one page, named after the caption.

namespace {

// The platform's print dialog. The sheet is always one page, so selection and
// page ranges are off; printing to a file (PDF) stays for workshops without a
// printer, beside Export PDF.
bool AskForPrinter(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

void CRamvikDlg::OnPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    // Named before the dialog, which proposes the name for a PDF file.
    printer.setDocName(Tr(project.CaptionText()));
    const bool chosen = choosePrinter ? choosePrinter(printer) : AskForPrinter(printer, this);
    if (!chosen)
        return;
    // A job that cannot start is dropped without a message, as the user knows
    // it from the printer's own queue.
    PrintProject(printer, project, SheetNote());
}

QString CRamvikDlg::SheetNote() const
{
    // A copy from the write history says when and how it was written.
    const std::optional<UserText> note = HistoryNote(session.FilePath());
    return note ? Tr(*note) : QString();
}
