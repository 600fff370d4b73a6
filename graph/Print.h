#pragma once

#include "PrintLayout.h"

#include <QFont>
#include <QPen>
#include <QRectF>

class QFontMetricsF;
class QPaintDevice;
class QPainter;

// The printed project sheet on any paint device: a printer, a PDF writer or
// an image. The sheet is laid out in units of 1/600 inch whatever the device's
// resolution, so it keeps its size on a 300 dpi and on a 1200 dpi printer.

constexpr int kPrintUnitsPerInch = 600;

// Draws the whole sheet as one page: prepares the device (a printer or PDF
// writer is switched to 600 dpi), scales the painter from sheet units to the
// device, and shrinks the sheet just enough to fit when it would run off the
// printable area. The document name is the caller's (QPrinter::setDocName).
// False when the device cannot start a page; nothing is drawn then.
bool PrintProject(
    QPaintDevice& device, const ProjectState& project, const QString& note = QString());

// Draws laid-out items; the painter works in sheet units.
void DrawPrintSheet(QPainter& painter, const PrintSheet& sheet);

QPen PrintPenFor(PrintPen pen);
// The device default font must be the one the painter had at its start.
QFont PrintFontFor(PrintFont font, const QFont& deviceDefault);

// The rectangle a text item covers when set in the given font's metrics: the
// character cell (ascent + descent) high, its top at the anchor.
QRectF PrintTextRect(const PrintText& text, const QFontMetricsF& metrics);

// How far the sheet reaches right and down from its origin, in sheet units,
// with the painter's default font as the device font. The curves do not count:
// within 0 V to 5 V they stay inside the axes.
QSizeF PrintSheetExtent(const PrintSheet& sheet, const QFont& deviceDefault);
