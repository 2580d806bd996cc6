#include "resources/generator/typesetting.h"

#include <QFontMetricsF>

#include <cmath>
#include <vector>

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
    if (maxCapHeight > 0)
        while (maxPx > minPx && QFontMetricsF(uiFont(maxPx, bold)).capHeight() > maxCapHeight)
            --maxPx;
    auto fits = [&](const QFont& f) {
        const QFontMetricsF fm(f);
        for (const QString& line : lines)
            if (fm.horizontalAdvance(line) > maxWidth)
                return false;
        return true;
    };
    // At each size: the weight asked for, a little narrower, then (for bold
    // captions) the regular weight, which is narrower still; only then a
    // smaller size.  A larger regular caption reads better than a small bold
    // one.
    struct Variant {
        bool bold;
        int stretch;
    };
    std::vector<Variant> variants = {{bold, 100}, {bold, 93}, {bold, 86}};
    if (bold)
        variants.insert(variants.end(), {{false, 100}, {false, 93}});
    for (int px = maxPx; px >= minPx; --px)
        for (const Variant& v : variants) {
            const QFont f = uiFont(px, v.bold, v.stretch);
            if (fits(f))
                return {f, true};
        }
    return {uiFont(minPx, false, 86), false};
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
