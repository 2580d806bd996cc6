#pragma once
// Line icons of the picture set, drawn on a 24 x 24 design grid and scaled to
// the box they are given.  One stroke weight and round joins for all, so the
// toolbar, the start screen and the list icons read as one family.

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace resources {

struct GlyphColours {
    QColor ink;     // strokes
    QColor fill;    // filled areas (often the ink again)
    QColor accent;  // small accents (plus signs, sparkles)
    QColor ground;  // the background behind the glyph (for knock-outs)
};

// Draws the named glyph centred in box (square area of the box's smaller
// side).  weight scales the stroke width (1 = 2 design units).  Unknown names
// draw nothing and return false.
bool drawGlyph(QPainter& p, const QString& name, const QRectF& box, const GlyphColours& colours,
               qreal weight = 1.0);

}  // namespace resources
