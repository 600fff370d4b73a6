#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QStaticText>
#include <QString>

#include <memory>
#include <vector>

class QPainter;

// What the graph draws again and again in the same way, prepared once: the
// laid-out texts of its labels and the pictures of its point markers. A paint
// then copies them instead of shaping text and rasterising circles anew.
class CGraphPaintCache {
public:
    enum class Align { Left, Right, Centre };

    // Black text on an opaque white cell; (x, y) is the cell's top-left,
    // top-right or top-centre corner.
    void DrawText(QPainter& painter, const QFont& font, int x, int y, const QString& text,
        Align align = Align::Left);
    // The width DrawText gives the text, pixels.
    int TextWidth(const QFont& font, const QString& text);

    // A circle of the radius around the centre: outline in the colour,
    // inside white, or filled in the colour.
    void DrawMarker(
        QPainter& painter, QPoint centre, int radius, const QColor& colour, bool filled = false);

private:
    struct Text {
        QStaticText text;
        int width = 0;
    };
    struct FontTexts {
        explicit FontTexts(const QFont& f)
            : font(f)
            , metrics(f)
        {
        }
        QFont font;
        QFontMetrics metrics;
        QHash<QString, Text> texts;
    };
    FontTexts& For(const QFont& font);
    const Text& Prepared(FontTexts& f, const QString& text);

    std::vector<std::unique_ptr<FontTexts>> fonts;
    QHash<quint64, QImage> markers; // key: colour, fill and radius
};
