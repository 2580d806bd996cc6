#pragma once
// Captions of the picture set: one family (Liberation Sans, DejaVu Sans where
// a glyph is missing), sized to the largest pixel size that fits the space the
// layout gives, narrowed a little before it is made smaller, and placed on
// whole-pixel baselines so that small text stays sharp.

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace resources {

QFont uiFont(int pixelSize, bool bold, int stretch = 100);

struct TextFit {
    QFont font;
    bool fits = true;
};

// The largest font, from maxPx down to minPx and then narrower, at which each
// line is at most maxWidth wide.  When none fits, the smallest narrowest font
// with fits = false.
// maxCapHeight, when above 0, also caps the size: capitals are at most that
// tall.
TextFit fitText(const QStringList& lines, qreal maxWidth, int maxPx, int minPx, bool bold, qreal maxCapHeight = 0);

// Draws the lines in rect: the block of cap height (plus descender room when
// a line has descenders) is centred vertically; each line is aligned
// horizontally by align (left, centre or right).
void drawLines(QPainter& p, const QRectF& rect, const QStringList& lines, const QFont& font,
               Qt::Alignment align, qreal lineSpacing = 0);

// fitText + drawLines for a caption ("\n" separates lines), with capitals at
// most one pixel less than the rect's height per line.  A caption that does
// not fit is still drawn and reported through captionWarnings().
void drawCaption(QPainter& p, const QRectF& rect, const QString& caption, int maxPx, int minPx, bool bold,
                 Qt::Alignment align, const QString& where);

QStringList& captionWarnings();

}  // namespace resources
