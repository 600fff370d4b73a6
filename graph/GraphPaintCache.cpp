#include "GraphPaintCache.h"

#include <QPainter>

namespace {

// The read-out changes with every mouse move; past this many texts per font
// the oldest layouts are dropped rather than kept for ever.
constexpr int kMaxTextsPerFont = 256;

} // namespace

CGraphPaintCache::FontTexts& CGraphPaintCache::For(const QFont& font)
{
    for (const auto& f : fonts) {
        if (f->font == font)
            return *f;
    }
    fonts.push_back(std::make_unique<FontTexts>(font));
    return *fonts.back();
}

const CGraphPaintCache::Text& CGraphPaintCache::Prepared(FontTexts& f, const QString& text)
{
    auto it = f.texts.find(text);
    if (it == f.texts.end()) {
        if (f.texts.size() >= kMaxTextsPerFont)
            f.texts.clear();
        Text t;
        t.text.setText(text);
        t.text.setTextFormat(Qt::PlainText);
        t.text.setPerformanceHint(QStaticText::AggressiveCaching);
        t.text.prepare(QTransform(), f.font);
        t.width = f.metrics.horizontalAdvance(text);
        it = f.texts.insert(text, t);
    }
    return *it;
}

int CGraphPaintCache::TextWidth(const QFont& font, const QString& text)
{
    return Prepared(For(font), text).width;
}

void CGraphPaintCache::DrawText(
    QPainter& painter, const QFont& font, int x, int y, const QString& text, Align align)
{
    FontTexts& f = For(font);
    const Text& t = Prepared(f, text);
    int left = x;
    if (align == Align::Right)
        left = x - t.width;
    else if (align == Align::Centre)
        left = x - t.width / 2;
    painter.fillRect(QRect(left, y, t.width, f.metrics.height()), Qt::white);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawStaticText(left, y, t.text);
}

void CGraphPaintCache::DrawMarker(
    QPainter& painter, QPoint centre, int radius, const QColor& colour, bool filled)
{
    const quint64 key
        = (quint64(colour.rgba()) << 9) | (quint64(filled) << 8) | quint64(radius & 0xff);
    auto it = markers.find(key);
    if (it == markers.end()) {
        // Drawn without smoothing, so every pixel is either the circle or
        // fully transparent and the copy equals drawing the circle in place.
        const int side = 2 * radius + 1;
        QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(colour, 1));
        p.setBrush(filled ? colour : QColor(Qt::white));
        p.drawEllipse(QPoint(radius, radius), radius, radius);
        p.end();
        it = markers.insert(key, picture);
    }
    painter.drawImage(centre.x() - radius, centre.y() - radius, *it);
}
