#include "resources/generator/typesetting.h"

#include <QFontMetricsF>

#include <cmath>

namespace resources {

QFont uiFont(int pixelSize, bool bold, int stretch)
{
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStretch(stretch);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

TextFit fitText(const QStringList& lines, qreal maxWidth, int maxPx, int minPx, bool bold, qreal maxCapHeight)
{
    static const int stretches[] = {100, 93, 86};
    if (maxCapHeight > 0)
        while (maxPx > minPx && QFontMetricsF(uiFont(maxPx, bold)).capHeight() > maxCapHeight)
            --maxPx;
    for (int px = maxPx; px >= minPx; --px) {
        for (int stretch : stretches) {
            const QFont f = uiFont(px, bold, stretch);
            const QFontMetricsF fm(f);
            bool ok = true;
            for (const QString& line : lines)
                ok = ok && fm.horizontalAdvance(line) <= maxWidth;
            if (ok)
                return {f, true};
            // A narrower width is only tried at the largest sizes; below that
            // a smaller size reads better than a squeezed one.
            if (px < maxPx - 1)
                break;
        }
    }
    return {uiFont(minPx, bold, 86), false};
}

namespace {

bool hasDescender(const QString& s)
{
    static const QString letters = QStringLiteral("gjpqyQ,;()[]ç");
    for (QChar c : s)
        if (letters.contains(c))
            return true;
    return false;
}

}  // namespace

void drawLines(QPainter& p, const QRectF& rect, const QStringList& lines, const QFont& font, Qt::Alignment align,
               qreal lineSpacing)
{
    const QFontMetricsF fm(font);
    const qreal cap = fm.capHeight();
    const qreal descent = fm.descent();
    const qreal spacing = lineSpacing > 0 ? lineSpacing : std::round(font.pixelSize() * 1.18);
    bool descenders = false;
    for (const QString& l : lines)
        descenders = descenders || hasDescender(l);
    // Half the descender counts: it centres the x-height without pushing
    // capitals off centre.
    const qreal block = cap + (lines.size() - 1) * spacing + (descenders ? descent * 0.5 : 0);
    qreal baseline = std::round(rect.top() + (rect.height() - block) / 2 + cap);
    p.setFont(font);
    for (const QString& l : lines) {
        const qreal w = fm.horizontalAdvance(l);
        qreal x = rect.left();
        if (align & Qt::AlignHCenter)
            x = rect.left() + (rect.width() - w) / 2;
        else if (align & Qt::AlignRight)
            x = rect.right() - w;
        p.drawText(QPointF(std::round(x), baseline), l);
        baseline += spacing;
    }
}

void drawCaption(QPainter& p, const QRectF& rect, const QString& caption, int maxPx, int minPx, bool bold,
                 Qt::Alignment align, const QString& where)
{
    if (caption.isEmpty())
        return;
    const QStringList lines = caption.split(QLatin1Char('\n'));
    const qreal capLimit = rect.height() / lines.size() - 1;
    const TextFit fit = fitText(lines, rect.width(), maxPx, minPx, bold, capLimit);
    if (!fit.fits)
        captionWarnings() << QStringLiteral("%1: \"%2\" does not fit %3 px").arg(where, caption).arg(rect.width());
    drawLines(p, rect, lines, fit.font, align);
}

QStringList& captionWarnings()
{
    static QStringList warnings;
    return warnings;
}

}  // namespace resources
