#include "resources/generator/recipes.h"

#include "resources/generator/recipeparts.h"

#include "resources/generator/captions.h"
#include "resources/generator/glyphs.h"
#include "resources/generator/typesetting.h"
#include "resources/palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>

namespace resources {

using namespace palette;

namespace recipe {

void roundedFill(QPainter& p, const QRectF& r, qreal radius, const QColor& c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(r, radius, radius);
}

// The brand mark: a rounded square with the brand letters.
void drawBrandMark(QPainter& p, const QRectF& r, QChar edition, const QColor& ground, const QColor& ink)
{
    roundedFill(p, r, r.width() * 0.18, ground);
    p.setPen(ink);
    const QString word = edition == QLatin1Char('D') ? QStringLiteral("TQSD") : QStringLiteral("TQ");
    const int px = static_cast<int>(r.height() * (edition == QLatin1Char('D') ? 0.3 : 0.5));
    drawLines(p, r.adjusted(0, 0, 0, -r.height() * 0.12), {word}, uiFont(px, true), Qt::AlignHCenter);
    // The amber rule under the letters.
    p.setPen(Qt::NoPen);
    p.setBrush(amber());
    p.drawRect(QRectF(r.left() + r.width() * 0.28, r.bottom() - r.height() * 0.2, r.width() * 0.44,
                      std::max<qreal>(2, r.height() * 0.05)));
}

QString editionProduct(QChar edition)
{
    switch (edition.unicode()) {
    case 'D': return QStringLiteral("Razovovu Estelvo");
    case 'M': return QStringLiteral("Razovovu Quorvan");
    default: return QStringLiteral("Razovovu TQ");
    }
}

QString editionArt(QChar edition)
{
    switch (edition.unicode()) {
    case 'A': return QStringLiteral("tractor");
    case 'D': return QStringLiteral("steering");
    case 'M': return QStringLiteral("boat");
    default: return QStringLiteral("vehicle");
    }
}

// The rectangle drawGearArt covers for a centre and scale: its big gear,
// the small gear above right and the one below right.
QRectF gearArtBounds(const QPointF& centre, qreal scale)
{
    return QRectF(centre.x() - 90 * scale, centre.y() - 128 * scale, 262 * scale, 252 * scale);
}

// The centre moved the least so that the gear art lies whole inside `room`.
QPointF gearArtInside(QPointF centre, qreal scale, const QRectF& room)
{
    const QRectF box = gearArtBounds(centre, scale);
    return centre + QPointF(std::min(0.0, room.right() - box.right()) + std::max(0.0, room.left() - box.left()),
                            std::min(0.0, room.bottom() - box.bottom()) + std::max(0.0, room.top() - box.top()));
}

// A quiet illustration: meshing gears and the edition's vehicle, in light
// tints of the brand colours.
void drawGearArt(QPainter& p, const QPointF& centre, qreal scale, QChar edition, const QColor& ground)
{
    const GlyphColours tint{mist(), mist(), sky(), ground};
    drawGlyph(p, QStringLiteral("gear"), QRectF(centre.x() - 90 * scale, centre.y() - 90 * scale, 180 * scale, 180 * scale), tint);
    const GlyphColours tint2{sky(), QColor(0xC9, 0xE8, 0xF5), sky(), ground};
    drawGlyph(p, QStringLiteral("gear"),
              QRectF(centre.x() + 62 * scale, centre.y() - 128 * scale, 110 * scale, 110 * scale), tint2);
    drawGlyph(p, QStringLiteral("gear"),
              QRectF(centre.x() + 40 * scale, centre.y() + 40 * scale, 84 * scale, 84 * scale), tint);
    const GlyphColours art{steel(), steel(), amber(), ground};
    drawGlyph(p, editionArt(edition),
              QRectF(centre.x() - 58 * scale, centre.y() - 58 * scale, 116 * scale, 116 * scale), art);
}

}  // namespace recipe

using namespace recipe;

namespace {

// Colour of the system tooltip panel the figure's hint icons sit on.
QColor tooltipGround() { return QColor(0xFF, 0xFF, 0xDC); }
QColor success() { return QColor(0x2E, 0x9E, 0x5B); }
// The soft band behind the start screen's buttons.
QColor startBand() { return QColor(0xE7, 0xEF, 0xFA); }

using Recipe = std::function<void(QPainter&, const QRectF&, const Job&)>;


// ---------------------------------------------------------------------------
// Toolbar pictures (on the brand-blue toolbar strip)

void toolButton(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, brand());
    if (j.lit)
        roundedFill(p, inset(r, 1), 6, lit());
    const QString caption = j.caption();
    const int lines = caption.isEmpty() ? 0 : static_cast<int>(caption.count(QLatin1Char('\n')) + 1);
    const qreal captionH = lines == 0 ? 0 : (lines == 1 ? 13 : 24);
    const QRectF glyphBox(r.left() + 2, r.top() + 3, r.width() - 4, r.height() - captionH - 6);
    const QColor ink = j.lit ? amber() : white();
    drawGlyph(p, j.spec.argument, glyphBox, {ink, ink, j.lit ? white() : amber(), j.lit ? lit() : brand()});
    if (lines > 0) {
        p.setPen(j.lit ? white() : mist());
        drawCaption(p, QRectF(r.left() + 1, r.bottom() - captionH - 2, r.width() - 2, captionH), caption, 11, 8,
                    true, Qt::AlignHCenter, j.where());
    }
}

void toolIcon(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, brand());
    if (j.lit)
        roundedFill(p, inset(r, 0.5), 5, lit());
    const QColor ink = j.lit ? amber() : white();
    drawGlyph(p, j.spec.argument, inset(r, 1), {ink, ink, amber(), j.lit ? lit() : brand()});
}

void toolLink(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, brand());
    const int px = std::min(13, static_cast<int>(r.height()) + 3);
    if (j.lit) {
        roundedFill(p, r, r.height() / 2, amber());
        p.setPen(navy());
    } else {
        p.setPen(mist());
    }
    drawCaption(p, r.adjusted(2, 0, -2, 0), j.caption(), px, 8, true, Qt::AlignHCenter, j.where());
}

void menuBar(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, brand());
    // A lighter edge on the right separates the toolbar from the screens.
    p.fillRect(QRectF(r.right() - 1, r.top(), 1, r.height()), lit());
    // Edition D's logo box (LOGO_D) lies over the top of its bar, so that bar
    // carries no mark of its own.
    const QChar e = j.spec.argument.isEmpty() ? QLatin1Char('V') : j.spec.argument.at(0);
    if (e != QLatin1Char('D'))
        drawBrandMark(p, QRectF(14, 18, 56, 56), e, white(), brand());
}

void logo(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, brand());
    roundedFill(p, inset(r, 1), 7, white());
    drawBrandMark(p, QRectF(r.left() + 6, r.top() + 6, 44, 44), QLatin1Char('D'), brand(), white());
    p.setPen(brand());
    drawLines(p, QRectF(r.left() + 56, r.top() + 8, r.width() - 60, 22), {QStringLiteral("Estelvo")}, uiFont(19, true),
              Qt::AlignLeft);
    p.setPen(steel());
    drawLines(p, QRectF(r.left() + 56, r.top() + 31, r.width() - 60, 16), {QStringLiteral("TQSD")}, uiFont(12, true),
              Qt::AlignLeft);
    Q_UNUSED(j);
}

// ---------------------------------------------------------------------------
// Start screen

void startBackground(QPainter& p, const QRectF& r, const Job& j)
{
    const QChar e = j.spec.argument.at(0);
    p.fillRect(r, paper());
    // A soft band behind the column of buttons.
    QRect hull;
    for (const StartPlace& place : startScreenPlaces(e)) {
        if (place.picture.startsWith(QLatin1String("ICO")) || place.picture.startsWith(QLatin1String("ATUALIZADOEM"))
            || place.picture.startsWith(QLatin1String("DAZADIZE")))
            continue;
        const QRect b(place.at, QSize(200, 28));
        hull = hull.isNull() ? b : hull.united(b);
    }
    // Buttons can stand close to the picture's edge: the band stays whole.
    roundedFill(p, QRectF(hull).adjusted(-22, -22, 22, 22).intersected(r.adjusted(4, 4, -4, -4)), 24, startBand());

    // The illustration, placed where the edition's layout leaves room and
    // kept whole inside the picture.
    QPointF art;
    qreal scale = 1.2;
    switch (e.unicode()) {
    case 'A': art = QPointF(565, 480); scale = 0.8; break;
    case 'D': art = QPointF(230, 350); scale = 1.35; break;
    case 'M': art = QPointF(250, 390); scale = 1.3; break;
    default: art = QPointF(430, 445); scale = 1.1; break;
    }
    art = gearArtInside(art, scale, r.adjusted(8, 8, -8, -8));
    drawGearArt(p, art, scale, e, paper());


    p.setPen(QPen(mist(), 1));
    p.drawLine(QPointF(24, r.bottom() - 24), QPointF(r.right() - 24, r.bottom() - 24));
}

void appTitle(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, paper());
    const QString text = j.caption();
    p.fillRect(QRectF(r.left(), r.top() + 4, 3, r.height() - 8), amber());
    const int dash = static_cast<int>(text.indexOf(QLatin1String(" - ")));
    const QRectF area = r.adjusted(9, 0, -1, 0);
    if (dash > 0) {
        const QString first = text.left(dash);
        const QString second = text.mid(dash + 3);
        p.setPen(brand());
        const TextFit f1 = fitText({first}, area.width(), 18, 12, true);
        drawLines(p, QRectF(area.left(), area.top() + 1, area.width(), 24), {first}, f1.font, Qt::AlignLeft);
        p.setPen(steel());
        const TextFit f2 = fitText({second}, area.width(), 14, 10, true);
        drawLines(p, QRectF(area.left(), area.top() + 24, area.width(), 19), {second}, f2.font, Qt::AlignLeft);
    } else {
        p.setPen(brand());
        drawCaption(p, area, text, 20, 12, true, Qt::AlignLeft, j.where());
    }
}

void startButton(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, startBand());
    const QRectF pill = inset(r, 0.5);
    const qreal radius = pill.height() / 2;
    p.setRenderHint(QPainter::Antialiasing);
    if (j.lit) {
        roundedFill(p, pill, radius, brand());
    } else {
        p.setPen(QPen(QColor(0xB8, 0xC7, 0xE6), 1));
        p.setBrush(white());
        p.drawRoundedRect(pill, radius, radius);
    }
    const QRectF disc(r.left() + 3, r.top() + 3, r.height() - 6, r.height() - 6);
    roundedFill(p, disc, disc.height() / 2, j.lit ? amber() : brand());
    const QColor glyphInk = j.lit ? navy() : white();
    drawGlyph(p, j.spec.argument, inset(disc, 3.5), {glyphInk, glyphInk, glyphInk, j.lit ? amber() : brand()});
    p.setPen(j.lit ? white() : brand());
    drawCaption(p, QRectF(disc.right() + 7, r.top(), r.right() - disc.right() - 14, r.height()), j.caption(), 13, 10,
                true, Qt::AlignLeft, j.where());
}

void updatedOn(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, paper());
    p.setPen(brand());
    drawCaption(p, r, j.caption(), 10, 8, true, Qt::AlignLeft, j.where());
}

// ---------------------------------------------------------------------------
// Titles, rules, headers and labels of the screens

// Width of the main window's title strip pictures (TITULOPESQUISA ...).
constexpr int kMainTitleWidth = 716;

void title(QPainter& p, const QRectF& r, const Job& j)
{
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, brand());
    g.setColorAt(1, steel());
    p.fillRect(r, g);
    // Faint diagonal facets at the right end.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        QPainterPath facet;
        const qreal x = r.right() - 150 + i * 46;
        facet.moveTo(x, r.bottom());
        facet.lineTo(x + r.height() * 0.9, r.top());
        facet.lineTo(x + r.height() * 0.9 + 20, r.top());
        facet.lineTo(x + 20, r.bottom());
        facet.closeSubpath();
        p.setBrush(QColor(255, 255, 255, 18 + i * 6));
        p.drawPath(facet);
    }
    // The main window's title strip (716 wide) starts under edition D's logo,
    // which reaches about 67 px into it: its disc and caption start after
    // that.  The detail window's titles have nothing over them.
    const qreal logoRoom = j.spec.width == kMainTitleWidth ? 75 : 0;
    const qreal d = r.height() - 10;
    const QRectF disc(r.left() + logoRoom + 8, r.top() + 5, d, d);
    roundedFill(p, disc, d / 2, white());
    drawGlyph(p, j.spec.argument == QLatin1String("list") ? QStringLiteral("table") : j.spec.argument, inset(disc, d * 0.2),
              {brand(), brand(), amber(), white()});
    p.setPen(white());
    const int px = static_cast<int>(std::round(r.height() * 0.56));
    drawCaption(p, QRectF(disc.right() + 12, r.top(), r.width() - disc.right() - 170, r.height()), j.caption(), px, 12,
                true, Qt::AlignLeft, j.where());
    // The amber underline that ties titles and rules together.
    p.fillRect(QRectF(r.left(), r.bottom() - 1, 96, 2), amber());
}

void rule(QPainter& p, const QRectF& r, const Job&)
{
    p.fillRect(r, paper());
    const qreal y = r.top() + 2;
    p.fillRect(QRectF(r.left(), y, 96, 2), amber());
    QLinearGradient g(QPointF(r.left() + 96, 0), QPointF(r.right(), 0));
    g.setColorAt(0, brand());
    g.setColorAt(1, mist());
    p.fillRect(QRectF(r.left() + 96, y, r.width() - 96, 2), g);
}

void columnHeader(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, paper());
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tab;
    tab.addRoundedRect(r, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(brand());
    p.drawPath(tab);
    p.fillRect(QRectF(r.left(), r.bottom() - 2, r.width(), 2), steel());
    p.setPen(white());
    drawCaption(p, QRectF(r.left() + 5, r.top(), r.width() - 9, r.height() - 1), j.caption(), 12, 8, true,
                Qt::AlignLeft, j.where());
}

void checkLabel(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, paper());
    if (j.lit) {
        p.setRenderHint(QPainter::Antialiasing);
        roundedFill(p, r, r.height() / 2, brand());
        p.setPen(white());
    } else {
        p.setPen(ink());
    }
    drawCaption(p, r.adjusted(4, 0, -3, 0), j.caption(), 12, 8, true, Qt::AlignLeft, j.where());
}

void panelTitle(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, brand());
    p.setPen(white());
    drawCaption(p, r.adjusted(4, 0, -4, 0), j.caption(), 11, 8, true, Qt::AlignLeft, j.where());
}

void panelLink(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, paper());
    const qreal g = r.height();
    drawGlyph(p, j.spec.argument, QRectF(r.left(), r.top(), g, g), {brand(), brand(), amber(), paper()}, 1.3);
    p.setPen(brand());
    drawCaption(p, QRectF(r.left() + g + 3, r.top(), r.width() - g - 3, r.height()), j.caption(),
                static_cast<int>(r.height()) + 4, 7, true, Qt::AlignLeft, j.where());
}

void link(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, paper());
    QColor ink = brand();
    QColor ground = paper();
    if (j.lit) {
        p.setRenderHint(QPainter::Antialiasing);
        roundedFill(p, r, r.height() / 2, brand());
        ink = white();
        ground = brand();
    }
    const qreal g = r.height();
    drawGlyph(p, j.spec.argument, QRectF(r.left() + 2, r.top(), g, g), {ink, ink, ink, ground}, 1.2);
    p.setPen(ink);
    // The whole line within the box's height, accents and descenders too
    // (the links of screen 9 are 10 pixels high).
    const int px = static_cast<int>(r.height()) - 1;
    drawCaption(p, QRectF(r.left() + g + 5, r.top(), r.width() - g - 8, r.height()), j.caption(), px,
                std::min(8, px), true, Qt::AlignLeft, j.where());
}

void badge(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, paper());
    p.setRenderHint(QPainter::Antialiasing);
    const qreal d = std::min(r.width(), r.height()) - 2;
    const QRectF disc(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
    roundedFill(p, disc, d / 2, brand());
    p.setPen(QPen(amber(), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(inset(disc, 2.5));
    p.setPen(white());
    drawLines(p, disc, {j.spec.argument}, uiFont(static_cast<int>(d * 0.58), true), Qt::AlignHCenter);
}

void fork(QPainter& p, const QRectF& r, const Job&)
{
    p.fillRect(r, paper());
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(steel(), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(1, 9.5);
    path.lineTo(6, 9.5);
    path.cubicTo(10, 9.5, 10, 1.5, 14, 1.5);
    path.lineTo(18, 1.5);
    path.moveTo(6, 9.5);
    path.cubicTo(10, 9.5, 10, 17.5, 14, 17.5);
    path.lineTo(18, 17.5);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(steel());
    for (qreal y : {1.5, 17.5}) {
        QPainterPath head;
        head.moveTo(21.5, y);
        head.lineTo(17, y - 2.8);
        head.lineTo(17, y + 2.8);
        head.closeSubpath();
        p.drawPath(head);
    }
}

// ---------------------------------------------------------------------------
// Language-free pictures of the detail window, lists and panels

void detailBackground(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, QColor(0xE7, 0xEF, 0xFA));
    p.fillRect(QRectF(r.left(), r.top(), 93, r.height()), brand());
    p.fillRect(QRectF(r.left() + 93, r.top(), 2, r.height()), amber());
    p.setPen(QPen(navy(), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 1, r.height() - 1));
    const QChar e = j.spec.argument.at(0);
    p.setPen(mist());
    drawLines(p, QRectF(r.left() + 6, r.top() + 6, 80, 16),
              {e == QLatin1Char('D') ? QStringLiteral("TQSD") : QStringLiteral("TQ")}, uiFont(12, true), Qt::AlignLeft);
}

void icon(QPainter& p, const QRectF& r, const Job& j, const QColor& ground)
{
    p.fillRect(r, ground);
    GlyphColours c{brand(), brand(), amber(), ground};
    if (j.lit) {
        p.setRenderHint(QPainter::Antialiasing);
        roundedFill(p, r, 3, brand());
        c = {white(), white(), amber(), brand()};
    }
    const QString glyph = j.spec.argument;
    if (glyph == QLatin1String("delete") && !j.lit)
        c.ink = QColor(0xB0, 0x2A, 0x2A);
    const qreal pad = r.width() >= 20 ? 1.5 : 0.5;
    drawGlyph(p, glyph, inset(r, pad), c, r.width() < 20 ? 1.15 : 1.0);
}

void progressFrame(QPainter& p, const QRectF& r, const Job&)
{
    p.fillRect(r, paper());
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xB8, 0xC7, 0xE6), 1));
    p.setBrush(white());
    p.drawRoundedRect(inset(r, 0.5), 6, 6);
    roundedFill(p, QRectF(r.left() + 1, r.top() + 7, r.width() - 2, 13), 4, mist());
}

void progressBar(QPainter& p, const QRectF& r, const Job&)
{
    // A vertical gradient only, so that a bar stretched to its progress keeps
    // its look.
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, lit());
    g.setColorAt(0.55, brand());
    g.setColorAt(1, navy());
    p.fillRect(r, g);
    p.fillRect(QRectF(r.left(), r.top() + 2, r.width(), 1), QColor(255, 255, 255, 60));
}

void stepCurrent(QPainter& p, const QRectF& r, const Job&)
{
    p.fillRect(r, brand());
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tri;
    tri.moveTo(r.left() + 3, r.top() + 3);
    tri.lineTo(r.right() - 2, r.center().y());
    tri.lineTo(r.left() + 3, r.bottom() - 3);
    tri.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(amber());
    p.drawPath(tri);
}

void stepDone(QPainter& p, const QRectF& r, const Job&)
{
    p.fillRect(r, brand());
    p.setRenderHint(QPainter::Antialiasing);
    roundedFill(p, inset(r, 0.5), r.width() / 2, success());
    drawGlyph(p, QStringLiteral("ok"), inset(r, 2), {white(), white(), white(), success()}, 1.1);
}

void cartFrame(QPainter& p, const QRectF& r, const Job& j)
{
    // Frame n of 12: a parcel drops into the cart (1-6), the cart dips under
    // its weight (7-9), sparkles (9-12) and a tick confirm it (11-12).
    const int n = j.spec.number;
    p.fillRect(r, brand());
    p.setRenderHint(QPainter::Antialiasing);
    const qreal dips[] = {0, 0, 0, 0, 0, 0, 0, 3, 1, 2, 0, 0, 0};
    const qreal dip = dips[std::clamp(n, 0, 12)];
    const QRectF cartBox(r.left() + 6, r.top() + 13 + dip, 34, 34);
    const qreal parcelY = n <= 6 ? -10 + n * 4.6 : 17.6 + dip;
    const QRectF parcel(r.left() + 18, r.top() + parcelY, 12, 10);
    auto drawParcel = [&] {
        roundedFill(p, parcel, 1.5, amber());
        p.fillRect(QRectF(parcel.center().x() - 1, parcel.top(), 2, parcel.height()), QColor(0xC2, 0x80, 0x10));
    };
    if (n < 6)
        drawParcel();
    drawGlyph(p, QStringLiteral("cart"), cartBox, {white(), QColor(0x8E, 0x9C, 0xD8), amber(), brand()});
    if (n >= 6)
        drawParcel();
    if (n >= 9) {
        const qreal s = (n - 8) * 2.0;
        p.setPen(QPen(amber(), 1.6, Qt::SolidLine, Qt::RoundCap));
        const QPointF c(parcel.center());
        for (int k = 0; k < 5; ++k) {
            const qreal a = M_PI * (1.0 + k / 4.0);
            p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * (9 + s), c + QPointF(std::cos(a), std::sin(a)) * (12 + s));
        }
    }
    if (n >= 11) {
        const QRectF b(r.right() - 17, r.top() + 1, 16, 16);
        roundedFill(p, b, 8, success());
        drawGlyph(p, QStringLiteral("ok"), inset(b, 2.5), {white(), white(), white(), success()}, 1.1);
    }
}

// ---------------------------------------------------------------------------
// Start window and closing window

const QRect kLanguageCard(214, 84, 352, 48);

void languageScreen(QPainter& p, const QRectF& r, const Job& j)
{
    const QChar e = j.spec.argument.at(0);
    p.fillRect(r, paper());
    QLinearGradient g(r.topLeft(), QPointF(r.left(), 70));
    g.setColorAt(0, brand());
    g.setColorAt(1, QColor(0x32, 0x3F, 0x86));
    p.fillRect(QRectF(r.left(), r.top(), r.width(), 70), g);
    p.fillRect(QRectF(r.left(), r.top() + 70, r.width(), 3), amber());
    drawBrandMark(p, QRectF(20, 8, 54, 54), e, white(), brand());
    p.setPen(white());
    drawLines(p, QRectF(88, 12, 400, 30), {editionProduct(e)}, uiFont(24, true), Qt::AlignLeft);
    p.setPen(mist());
    drawLines(p, QRectF(88, 42, 400, 18), {QStringLiteral("Português  ·  Español  ·  English")}, uiFont(13, false),
              Qt::AlignLeft);

    // The card with the three choices; the lit pictures cover each word.
    p.setRenderHint(QPainter::Antialiasing);
    roundedFill(p, QRectF(kLanguageCard).adjusted(0, 3, 0, 3), 12, QColor(0xD5, 0xDF, 0xF0));
    roundedFill(p, kLanguageCard, 12, white());
    const GlyphColours globe{steel(), steel(), amber(), white()};
    drawGlyph(p, QStringLiteral("globe"), QRectF(226, 96, 22, 22), globe, 0.8);
    for (const LanguageChoice& c : languageChoices()) {
        p.setPen(brand());
        drawLines(p, c.hotSpot, {c.word}, uiFont(14, true), Qt::AlignHCenter);
    }
    p.setPen(mist());
    for (int x : {346, 433})
        p.drawLine(QPointF(x, 100), QPointF(x, 116));

    drawGearArt(p, QPointF(400, 380), 1.6, e, paper());
    p.setPen(QPen(mist(), 1));
    p.drawLine(QPointF(40, 560), QPointF(760, 560));
    p.setPen(steel());
    drawLines(p, QRectF(40, 566, 720, 20), {QStringLiteral("Norvale Informática")}, uiFont(12, false), Qt::AlignRight);
}

void languageLit(QPainter& p, const QRectF& r, const Job& j)
{
    const QChar language = j.spec.argument.at(0);
    for (const LanguageChoice& c : languageChoices()) {
        if (c.language != language)
            continue;
        p.fillRect(r, white());  // the card around the words
        p.setRenderHint(QPainter::Antialiasing);
        roundedFill(p, inset(r, 0.5), r.height() / 2, brand());
        p.setPen(white());
        drawLines(p, QRectF(c.hotSpot.translated(-c.lit.topLeft())), {c.word}, uiFont(14, true), Qt::AlignHCenter);
    }
}

void credits(QPainter& p, const QRectF& r, const Job&)
{
    p.fillRect(r, cream());
    const qreal s = r.width() / 800.0;
    const QPointF c = r.center();
    // Beside the card's lower right corner, kept whole inside the picture.
    const qreal scale = 1.1 * s;
    const QPointF art = gearArtInside(QPointF(c.x() + 250 * s, c.y() + 150 * s), scale, r.adjusted(8 * s, 8 * s, -8 * s, -8 * s));
    drawGearArt(p, art, scale, QLatin1Char('V'), cream());
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card(c.x() - 230 * s, c.y() - 150 * s, 460 * s, 250 * s);
    roundedFill(p, card.translated(0, 4 * s), 16 * s, QColor(0xEF, 0xE6, 0xD8));
    roundedFill(p, card, 16 * s, white());
    drawBrandMark(p, QRectF(c.x() - 40 * s, card.top() + 26 * s, 80 * s, 80 * s), QLatin1Char('V'), brand(), white());
    p.setPen(brand());
    drawLines(p, QRectF(card.left(), card.top() + 120 * s, card.width(), 34 * s), {QStringLiteral("Razovovu TQ")},
              uiFont(static_cast<int>(28 * s), true), Qt::AlignHCenter);
    p.fillRect(QRectF(c.x() - 40 * s, card.top() + 164 * s, 80 * s, 2 * s), amber());
    p.setPen(steel());
    drawLines(p, QRectF(card.left(), card.top() + 178 * s, card.width(), 22 * s), {QStringLiteral("Norvale Informática")},
              uiFont(static_cast<int>(17 * s), true), Qt::AlignHCenter);
    p.setPen(grey());
    drawLines(p, QRectF(card.left(), card.top() + 208 * s, card.width(), 18 * s),
              {QStringLiteral("Obrigado  ·  Gracias  ·  Thank you")}, uiFont(static_cast<int>(13 * s), false),
              Qt::AlignHCenter);
}

// ---------------------------------------------------------------------------
// Design pictures of the windows

void comboArrow(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, paper());
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = inset(r, 2);
    roundedFill(p, box, 4, j.lit ? brand() : mist());
    const QColor ink = j.lit ? white() : brand();
    drawGlyph(p, QStringLiteral("chevrondown"), inset(box, 2), {ink, ink, ink, j.lit ? brand() : mist()});
}

void tickBox(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, paper());
    p.setRenderHint(QPainter::Antialiasing);
    const bool ticked = j.spec.argument == QLatin1String("ticked");
    if (ticked) {
        roundedFill(p, r, 2, brand());
        p.setPen(QPen(white(), 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath tick;
        tick.moveTo(2.2, 5.2);
        tick.lineTo(4.2, 7.3);
        tick.lineTo(7.9, 2.8);
        p.drawPath(tick);
    } else {
        p.setPen(QPen(steel(), 1));
        p.setBrush(white());
        p.drawRoundedRect(inset(r, 0.5), 1.5, 1.5);
    }
}

void thumbnail(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, paper());
    p.setPen(QPen(brand(), 1));
    p.setBrush(white());
    p.drawRect(inset(r, 0.5));
    p.setPen(brand());
    drawLines(p, r.adjusted(0, 0, 0, 0), {QString::number(j.spec.number)}, uiFont(9, true), Qt::AlignHCenter);
}

void thumbFrame(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, paper());
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ring = j.spec.argument == QLatin1String("current") ? brand() : amber();
    QPainterPath path;
    path.addRoundedRect(inset(r, 0.5), 4, 4);
    QPainterPath hole;
    hole.addRect(QRectF(r.left() + 3, r.top() + 3, r.width() - 6, r.height() - 6));
    p.setPen(Qt::NoPen);
    p.setBrush(ring);
    p.drawPath(path.subtracted(hole));
}

void panelFooter(QPainter& p, const QRectF& r, const Job&)
{
    p.fillRect(r, paper());
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(r.left(), r.top() - 6, r.width(), r.height() + 6), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(brand());
    p.drawPath(path.intersected([&] {
        QPainterPath clip;
        clip.addRect(r);
        return clip;
    }()));
    p.fillRect(QRectF(r.left(), r.top(), r.width(), 1), amber());
}

void suggestionBackground(QPainter& p, const QRectF& r, const Job&)
{
    p.fillRect(r, paper());
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(steel(), 1));
    p.setBrush(paper());
    p.drawRoundedRect(inset(r, 0.5), 5, 5);
    // Header band behind the title picture (7, 7, 162 x 12) and the close
    // button (156, 6, 13 x 12).
    roundedFill(p, QRectF(r.left() + 4, r.top() + 4, r.width() - 8, 18), 3, brand());
    p.fillRect(QRectF(r.left() + 4, r.top() + 21, r.width() - 8, 1), amber());
}

void pageArrow(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, paper());
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tri;
    if (j.spec.argument == QLatin1String("prev")) {
        tri.moveTo(r.right() - 1.5, r.top() + 2);
        tri.lineTo(r.left() + 1.5, r.center().y());
        tri.lineTo(r.right() - 1.5, r.bottom() - 2);
    } else {
        tri.moveTo(r.left() + 1.5, r.top() + 2);
        tri.lineTo(r.right() - 1.5, r.center().y());
        tri.lineTo(r.left() + 1.5, r.bottom() - 2);
    }
    tri.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(brand());
    p.drawPath(tri);
}

void closeBox(QPainter& p, const QRectF& r, const Job&)
{
    p.fillRect(r, brand());
    p.setRenderHint(QPainter::Antialiasing);
    roundedFill(p, inset(r, 0.5), 3, lit());
    p.setPen(QPen(white(), 1.6, Qt::SolidLine, Qt::RoundCap));
    const QRectF x = inset(r, 3.5);
    p.drawLine(x.topLeft(), x.bottomRight());
    p.drawLine(x.topRight(), x.bottomLeft());
}

void minimizeBox(QPainter& p, const QRectF& r, const Job&)
{
    p.fillRect(r, steel());
    p.setRenderHint(QPainter::Antialiasing);
    roundedFill(p, r, 2, navy());
    p.fillRect(QRectF(r.left() + 3, r.bottom() - 3.5, r.width() - 6, 1.6), white());
}

void tipIcon(QPainter& p, const QRectF& r, const Job& j)
{
    icon(p, r, j, tooltipGround());
}

void handCursor(QPainter& p, const QRectF& r, const Job&)
{
    // Drawn without antialiasing: a cursor has hard edges, and the paper
    // around the hand becomes transparent in the GIF.
    p.fillRect(r, paper());
    p.setRenderHint(QPainter::Antialiasing, false);
    auto rounded = [](const QRectF& rect, qreal radius) {
        QPainterPath path;
        path.addRoundedRect(rect, radius, radius);
        return path;
    };
    QPainterPath hand = rounded(QRectF(3, 0, 5, 17), 2.5);  // index finger; its tip is the hot spot (5, 0)
    hand = hand.united(rounded(QRectF(7, 8, 5, 11), 2.5));
    hand = hand.united(rounded(QRectF(11, 9, 5, 10), 2.5));
    hand = hand.united(rounded(QRectF(15, 11, 5, 9), 2.5));
    hand = hand.united(rounded(QRectF(3, 14, 17, 12), 4));  // palm
    hand = hand.united(QTransform().translate(3.5, 16).rotate(-40).map(rounded(QRectF(-2.5, -2, 5, 11), 2.5)));
    hand = hand.united(rounded(QRectF(6, 24, 12, 6), 1));   // wrist
    hand = hand.simplified();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(white());
    p.drawPath(hand);
}

void appIcon(QPainter& p, const QRectF& r, const Job& j)
{
    p.fillRect(r, paper());
    p.setRenderHint(QPainter::Antialiasing);
    drawBrandMark(p, r, j.spec.argument.at(0), brand(), white());
}

std::map<QString, Recipe> makeRecipes()
{
    std::map<QString, Recipe> m;
    m["tool"] = toolButton;
    m["toolicon"] = toolIcon;
    m["toollink"] = toolLink;
    m["menubar"] = menuBar;
    m["logo"] = logo;
    m["startbg"] = startBackground;
    m["apptitle"] = appTitle;
    m["startbtn"] = startButton;
    m["updatedon"] = updatedOn;
    m["title"] = title;
    m["rule"] = rule;
    m["colhead"] = columnHeader;
    m["check"] = checkLabel;
    m["paneltitle"] = panelTitle;
    m["panellink"] = panelLink;
    m["link"] = link;
    m["badge"] = badge;
    m["fork"] = fork;
    m["page"] = [](QPainter& p, const QRectF& r, const Job& j) {
        if (j.spec.argument == QLatin1String("pumps"))
            pumpTablePage(p, r, j);
        else
            presentationPage(p, r, j);
    };
    m["detailbg"] = detailBackground;
    m["icon"] = [](QPainter& p, const QRectF& r, const Job& j) { icon(p, r, j, paper()); };
    m["tipicon"] = tipIcon;
    m["progressframe"] = progressFrame;
    m["progressbar"] = progressBar;
    m["stepcurrent"] = stepCurrent;
    m["stepdone"] = stepDone;
    m["anim"] = cartFrame;
    m["langscreen"] = languageScreen;
    m["langlit"] = languageLit;
    m["credits"] = credits;
    m["comboarrow"] = comboArrow;
    m["tickbox"] = tickBox;
    m["thumb"] = thumbnail;
    m["thumbframe"] = thumbFrame;
    m["panelfooter"] = panelFooter;
    m["suggestionbg"] = suggestionBackground;
    m["pagearrow"] = pageArrow;
    m["closebox"] = closeBox;
    m["minimize"] = minimizeBox;
    m["cursor"] = handCursor;
    m["appicon"] = appIcon;
    return m;
}

const std::map<QString, Recipe>& recipes()
{
    static const std::map<QString, Recipe> m = makeRecipes();
    return m;
}

}  // namespace

const std::vector<LanguageChoice>& languageChoices()
{
    static const std::vector<LanguageChoice> choices = {
        {QLatin1Char('P'), QStringLiteral("Português"), QRect(259, 98, 77, 20), QRect(254, 97, 89, 21)},
        {QLatin1Char('E'), QStringLiteral("Español"), QRect(356, 98, 68, 20), QRect(351, 97, 79, 21)},
        {QLatin1Char('I'), QStringLiteral("English"), QRect(443, 98, 65, 20), QRect(438, 97, 77, 21)},
    };
    return choices;
}

std::vector<StartPlace> startScreenPlaces(QChar edition)
{
    auto at = [](int x, int y) { return QPoint(x, y); };
    switch (edition.unicode()) {
    case 'A':
        return {{"PESQUISAVEIA", at(120, 253)}, {"PESQUISAPECASA", at(25, 284)}, {"COMPARARA", at(40, 327)},
                {"BOMBASA", at(104, 358)},      {"FILTROSA", at(258, 390)},      {"DAZADIZEDEPECASA", at(346, 48)},
                {"ICOATUALIZAR", at(563, 274)}, {"ATUALIZADOEMA", at(593, 276)}};
    case 'D':
        return {{"PESQUISAVEID", at(499, 217)}, {"PESQUISAPECASD", at(499, 169)}, {"COMPARARD", at(499, 269)},
                {"DAZADIZEDEPECASD", at(431, 31)}, {"ICOATUALIZAR", at(528, 522)}, {"ATUALIZADOEMD", at(558, 524)}};
    case 'M':
        return {{"PESQUISAPECASM", at(101, 126)}, {"COMPARARM", at(49, 163)}, {"DAZADIZEDEPECASM", at(334, 70)},
                {"ICOATUALIZAR", at(486, 502)}, {"ATUALIZADOEMM", at(516, 504)}};
    default:
        return {{"PESQUISAVEIV", at(127, 126)}, {"PESQUISAPECASV", at(113, 156)}, {"COMPARARV", at(103, 197)},
                {"BOMBASV", at(96, 231)},       {"FILTROSV", at(92, 264)},       {"DAZADIZEDEPECASV", at(346, 48)},
                {"ICOATUALIZAR", at(563, 274)}, {"ATUALIZADOEMV", at(593, 276)}};
    }
}

bool knownRecipe(const QString& recipe)
{
    return recipes().count(recipe) > 0;
}

QImage renderPicture(const PictureSpec& spec, QChar type, bool lit)
{
    const auto it = recipes().find(spec.recipe);
    if (it == recipes().end())
        throw std::runtime_error(QStringLiteral("%1: unknown drawing recipe \"%2\"").arg(spec.name, spec.recipe).toStdString());
    QImage image(spec.width, spec.height, QImage::Format_RGB32);
    image.fill(paper());
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    it->second(p, QRectF(0, 0, spec.width, spec.height), Job{spec, type, lit});
    p.end();
    return image;
}

}  // namespace resources
