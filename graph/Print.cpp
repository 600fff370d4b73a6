#include "Print.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {

const QColor kGrey(127, 127, 127);

// The "Arial" font whose character cell (ascent + descent) is the given number
// of sheet units high. Unhinted, so its metrics scale with the painter.
QFont ArialWithCellHeight(int cellHeight)
{
    QFont font(QStringLiteral("Arial"));
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    constexpr int probe = 1000;
    font.setPixelSize(probe);
    const QFontMetricsF metrics(font);
    const qreal probeCell = metrics.ascent() + metrics.descent();
    if (probeCell > 0)
        font.setPixelSize(std::max(1, qRound(cellHeight * probe / probeCell)));
    return font;
}

} // namespace

QPen PrintPenFor(PrintPen pen)
{
    switch (pen) {
    case PrintPen::Axis:
        return QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    case PrintPen::Grid:
        return QPen(kGrey, 1, Qt::DotLine, Qt::FlatCap, Qt::MiterJoin);
    case PrintPen::Diagonal:
        return QPen(kGrey, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    case PrintPen::Cr:
        return QPen(QColor(0, 0, 255), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    case PrintPen::Turbo: {
        QPen turbo(QColor(255, 0, 0), 3, Qt::CustomDashLine, Qt::RoundCap, Qt::RoundJoin);
        // In pen widths: dashes of 36 units (1.5 mm) with gaps of 18, plainly
        // dashed on paper.
        turbo.setDashPattern({ 12, 6 });
        return turbo;
    }
    }
    return QPen(Qt::black);
}

QFont PrintFontFor(PrintFont font, const QFont& deviceDefault)
{
    switch (font) {
    case PrintFont::Small:
        return ArialWithCellHeight(90);
    case PrintFont::Medium:
        return ArialWithCellHeight(120);
    case PrintFont::Large:
        return ArialWithCellHeight(200);
    case PrintFont::Device:
        break;
    }
    // A point size would be turned into pixels at the device's resolution and
    // then scaled again by the painter; sheet units are fixed at 600 per inch.
    QFont device = deviceDefault;
    if (device.pixelSize() <= 0 && device.pointSizeF() > 0)
        device.setPixelSize(std::max(1, qRound(device.pointSizeF() * kPrintUnitsPerInch / 72.0)));
    return device;
}

QRectF PrintTextRect(const PrintText& text, const QFontMetricsF& metrics)
{
    const qreal width = metrics.horizontalAdvance(text.text);
    qreal left = text.anchor.x();
    if (text.align == PrintAlign::TopCenter)
        left -= width / 2;
    else if (text.align == PrintAlign::TopRight)
        left -= width;
    return QRectF(left, text.anchor.y(), width, metrics.ascent() + metrics.descent());
}

QSizeF PrintSheetExtent(const PrintSheet& sheet, const QFont& deviceDefault)
{
    qreal right = 0;
    qreal bottom = 0;
    for (const PrintPolyline& line : sheet.lines) {
        // Curves stay inside the axes for voltages from 0 V to 5 V; a stray
        // point of a damaged file must not shrink the whole sheet.
        if (line.pen == PrintPen::Cr || line.pen == PrintPen::Turbo)
            continue;
        const qreal half = PrintPenFor(line.pen).widthF() / 2;
        const QRect bounds = line.points.boundingRect();
        right = std::max(right, bounds.right() + half);
        bottom = std::max(bottom, bounds.bottom() + half);
    }
    for (const PrintText& text : sheet.texts) {
        const QRectF rect
            = PrintTextRect(text, QFontMetricsF(PrintFontFor(text.font, deviceDefault)));
        right = std::max(right, rect.right());
        bottom = std::max(bottom, rect.bottom());
    }
    return QSizeF(right, bottom);
}

void DrawPrintSheet(QPainter& painter, const PrintSheet& sheet)
{
    const QFont deviceDefault = painter.font();
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBrush(Qt::NoBrush);
    for (const PrintPolyline& line : sheet.lines) {
        painter.setPen(PrintPenFor(line.pen));
        painter.drawPolyline(line.points);
    }
    painter.setPen(Qt::black);
    for (const PrintText& text : sheet.texts) {
        const QFont font = PrintFontFor(text.font, deviceDefault);
        const QFontMetricsF metrics(font);
        const QRectF rect = PrintTextRect(text, metrics);
        painter.setFont(font);
        painter.drawText(QPointF(rect.left(), rect.top() + metrics.ascent()), text.text);
    }
    painter.setFont(deviceDefault);
}

bool PrintProject(QPaintDevice& device, const ProjectState& project, const QString& note)
{
    // Both must hear the resolution before the painter starts. A printer may
    // settle on a resolution of its own; the scale below covers that.
    if (auto* printer = dynamic_cast<QPrinter*>(&device))
        printer->setResolution(kPrintUnitsPerInch);
    else if (auto* pdf = dynamic_cast<QPdfWriter*>(&device))
        pdf->setResolution(kPrintUnitsPerInch);

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const PrintSheet sheet = LayOutPrintSheet(project, note);
    const QSizeF extent = PrintSheetExtent(sheet, painter.font());

    const qreal toDeviceX = device.logicalDpiX() / qreal(kPrintUnitsPerInch);
    const qreal toDeviceY = device.logicalDpiY() / qreal(kPrintUnitsPerInch);
    // Long tables (a curve fills its first column at 21 points) reach below a
    // Letter page; the whole sheet then shrinks so that nothing is cut off.
    qreal fit = 1.0;
    if (extent.width() > 0 && extent.height() > 0 && toDeviceX > 0 && toDeviceY > 0) {
        fit = std::min({ fit, device.width() / toDeviceX / extent.width(),
            device.height() / toDeviceY / extent.height() });
    }
    painter.scale(toDeviceX * fit, toDeviceY * fit);
    DrawPrintSheet(painter, sheet);
    return painter.end();
}
