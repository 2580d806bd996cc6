#include "resources/generator/glyphs.h"

#include <QPainterPath>

#include <cmath>
#include <functional>
#include <map>

namespace resources {
namespace {

using GlyphFn = std::function<void(QPainter&, const GlyphColours&, qreal)>;

QPen stroke(const QColor& c, qreal w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void line(QPainter& p, qreal x1, qreal y1, qreal x2, qreal y2) { p.drawLine(QPointF(x1, y1), QPointF(x2, y2)); }

void polyline(QPainter& p, std::initializer_list<QPointF> pts)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : pts) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    p.drawPath(path);
}

void arrow(QPainter& p, const GlyphColours& c, qreal w, bool right)
{
    p.setPen(stroke(c.ink, 2.6 * w));
    p.setBrush(Qt::NoBrush);
    if (right) {
        line(p, 4, 12, 19, 12);
        polyline(p, {{12.5, 5.5}, {19.5, 12}, {12.5, 18.5}});
    } else {
        line(p, 5, 12, 20, 12);
        polyline(p, {{11.5, 5.5}, {4.5, 12}, {11.5, 18.5}});
    }
}

void gear(QPainter& p, const GlyphColours& c, qreal cx, qreal cy, qreal r, int teeth, qreal w)
{
    QPainterPath path;
    const qreal inner = r * 0.78;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal a0 = M_PI * 2 * i / (teeth * 2);
        const qreal a1 = M_PI * 2 * (i + 1) / (teeth * 2);
        const qreal rr = (i % 2 == 0) ? r : inner;
        const QPointF p0(cx + rr * std::cos(a0), cy + rr * std::sin(a0));
        const QPointF p1(cx + rr * std::cos(a1), cy + rr * std::sin(a1));
        if (i == 0)
            path.moveTo(p0);
        else
            path.lineTo(p0);
        path.lineTo(p1);
    }
    path.closeSubpath();
    path.addEllipse(QPointF(cx, cy), r * 0.32, r * 0.32);
    path.setFillRule(Qt::OddEvenFill);
    p.setPen(Qt::NoPen);
    p.setBrush(c.fill);
    p.drawPath(path);
    Q_UNUSED(w);
}

void page(QPainter& p, const GlyphColours& c, qreal w, QRectF r, bool lines)
{
    const qreal fold = r.width() * 0.32;
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(stroke(c.ink, 2 * w));
    p.setBrush(c.ground);
    p.drawPath(path);
    polyline(p, {{r.right() - fold, r.top()}, {r.right() - fold, r.top() + fold}, {r.right(), r.top() + fold}});
    if (lines) {
        p.setPen(stroke(c.ink, 1.6 * w));
        const qreal x0 = r.left() + 3.2;
        const qreal x1 = r.right() - 3.2;
        for (qreal y = r.top() + fold + 3; y < r.bottom() - 2.5; y += 3.6)
            line(p, x0, y, x1, y);
    }
}

void cart(QPainter& p, const GlyphColours& c, qreal w)
{
    p.setPen(stroke(c.ink, 2.2 * w));
    p.setBrush(Qt::NoBrush);
    polyline(p, {{2, 4}, {5, 4}, {7.5, 15}, {18.5, 15}, {21, 7}, {6, 7}});
    p.setPen(Qt::NoPen);
    p.setBrush(c.fill);
    QPainterPath basket;
    basket.moveTo(6.6, 8.6);
    basket.lineTo(19.4, 8.6);
    basket.lineTo(17.6, 13.4);
    basket.lineTo(8.2, 13.4);
    basket.closeSubpath();
    p.drawPath(basket);
    p.drawEllipse(QPointF(9, 19.5), 2.1, 2.1);
    p.drawEllipse(QPointF(17, 19.5), 2.1, 2.1);
}

void plusBadge(QPainter& p, const GlyphColours& c, qreal cx, qreal cy, qreal r, qreal w)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c.accent);
    p.drawEllipse(QPointF(cx, cy), r, r);
    p.setPen(stroke(c.ground, 1.8 * w));
    line(p, cx - r * 0.55, cy, cx + r * 0.55, cy);
    line(p, cx, cy - r * 0.55, cx, cy + r * 0.55);
}

void car(QPainter& p, const GlyphColours& c, qreal w)
{
    QPainterPath body;
    body.moveTo(1.5, 16);
    body.lineTo(1.5, 12.5);
    body.quadTo(1.5, 11, 3.5, 10.6);
    body.lineTo(6.5, 10);
    body.lineTo(9.5, 6.2);
    body.quadTo(10.2, 5.5, 11.5, 5.5);
    body.lineTo(16.5, 5.5);
    body.quadTo(17.6, 5.5, 18.3, 6.4);
    body.lineTo(20.8, 10.2);
    body.quadTo(22.5, 10.8, 22.5, 12.5);
    body.lineTo(22.5, 16);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c.fill);
    p.drawPath(body);
    // Windows knocked out of the body.
    p.setBrush(c.ground);
    QPainterPath glass;
    glass.moveTo(8.6, 10);
    glass.lineTo(10.8, 7.2);
    glass.lineTo(13.5, 7.2);
    glass.lineTo(13.5, 10);
    glass.closeSubpath();
    glass.moveTo(15, 7.2);
    glass.lineTo(17.2, 7.2);
    glass.lineTo(19, 10);
    glass.lineTo(15, 10);
    glass.closeSubpath();
    p.drawPath(glass);
    for (qreal x : {6.5, 17.5}) {
        p.setBrush(c.ground);
        p.drawEllipse(QPointF(x, 16.5), 3.6, 3.6);
        p.setBrush(c.fill);
        p.drawEllipse(QPointF(x, 16.5), 2.5, 2.5);
    }
    Q_UNUSED(w);
}

void tractor(QPainter& p, const GlyphColours& c, qreal w)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c.fill);
    QPainterPath body;
    body.addRect(QRectF(8, 4, 7, 9));      // cabin
    body.addRect(QRectF(8, 11, 14, 5));    // hood and frame
    body.addRect(QRectF(18.5, 7, 1.6, 4)); // exhaust
    p.drawPath(body);
    p.setBrush(c.ground);
    p.drawRect(QRectF(9.6, 5.6, 3.8, 4));  // cabin window
    p.setBrush(c.fill);
    p.drawEllipse(QPointF(8, 16.5), 5.5, 5.5);
    p.drawEllipse(QPointF(19.5, 18.5), 3.2, 3.2);
    p.setBrush(c.ground);
    p.drawEllipse(QPointF(8, 16.5), 2.2, 2.2);
    p.drawEllipse(QPointF(19.5, 18.5), 1.2, 1.2);
    Q_UNUSED(w);
}

void magnifier(QPainter& p, const GlyphColours& c, qreal w)
{
    p.setPen(stroke(c.ink, 2.6 * w));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10, 10), 6, 6);
    p.setPen(stroke(c.ink, 3.4 * w));
    line(p, 14.6, 14.6, 20.5, 20.5);
}

std::map<QString, GlyphFn> makeGlyphs()
{
    std::map<QString, GlyphFn> g;
    g["forward"] = [](QPainter& p, const GlyphColours& c, qreal w) { arrow(p, c, w, true); };
    g["back"] = [](QPainter& p, const GlyphColours& c, qreal w) { arrow(p, c, w, false); };
    g["figure"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        // An exploded view: a gear, a shaft part pulled away, a leader line.
        gear(p, c, 9, 14, 7.5, 8, w);
        p.setPen(stroke(c.ink, 2 * w));
        p.setBrush(c.ground);
        p.drawRoundedRect(QRectF(16, 2.5, 5.5, 5.5), 1, 1);
        QPen dash = stroke(c.ink, 1.4 * w);
        dash.setDashPattern({1.2, 1.6});
        p.setPen(dash);
        line(p, 13.5, 9, 16.5, 6.5);
    };
    g["table"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        p.setPen(stroke(c.ink, 2 * w));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(3, 4, 18, 16), 1.5, 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(c.fill);
        p.drawRect(QRectF(3, 4, 18, 4.5));
        p.setPen(stroke(c.ink, 1.6 * w));
        line(p, 3, 12.5, 21, 12.5);
        line(p, 3, 16.3, 21, 16.3);
        line(p, 9.5, 8.5, 9.5, 20);
    };
    g["compare"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        p.setPen(stroke(c.ink, 2 * w));
        p.setBrush(c.ground);
        p.drawRoundedRect(QRectF(2.5, 3, 8, 15), 1, 1);
        p.drawRoundedRect(QRectF(13.5, 3, 8, 15), 1, 1);
        p.setPen(stroke(c.ink, 1.5 * w));
        for (qreal y : {7.0, 10.5, 14.0}) {
            line(p, 4.8, y, 8.2, y);
            line(p, 15.8, y, 19.2, y);
        }
        p.setPen(stroke(c.accent, 1.8 * w));
        line(p, 6, 21.5, 18, 21.5);
        polyline(p, {{8.5, 19.5}, {6, 21.5}, {8.5, 23.5}});
        polyline(p, {{15.5, 19.5}, {18, 21.5}, {15.5, 23.5}});
    };
    g["print"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        p.setPen(stroke(c.ink, 2 * w));
        p.setBrush(c.ground);
        p.drawRect(QRectF(7, 3, 10, 6));
        p.setPen(Qt::NoPen);
        p.setBrush(c.fill);
        p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
        p.setPen(stroke(c.ink, 2 * w));
        p.setBrush(c.ground);
        p.drawRect(QRectF(7, 13.5, 10, 8));
        p.setPen(stroke(c.ink, 1.3 * w));
        line(p, 9, 16.5, 15, 16.5);
        line(p, 9, 19, 13.5, 19);
        p.setPen(Qt::NoPen);
        p.setBrush(c.accent);
        p.drawEllipse(QPointF(18.5, 11.3), 1.1, 1.1);
    };
    g["file"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        page(p, c, w, QRectF(4, 2.5, 13, 17), false);
        p.setPen(stroke(c.accent, 2.4 * w));
        line(p, 15.5, 10, 15.5, 20.5);
        polyline(p, {{11.5, 16.8}, {15.5, 21}, {19.5, 16.8}});
    };
    g["mail"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        p.setPen(stroke(c.ink, 2 * w));
        p.setBrush(c.ground);
        p.drawRoundedRect(QRectF(2.5, 5.5, 19, 13), 1.5, 1.5);
        polyline(p, {{3, 6.5}, {12, 13}, {21, 6.5}});
    };
    g["clear"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        // An eraser over a baseline.
        p.save();
        p.translate(12, 11);
        p.rotate(-40);
        p.setPen(stroke(c.ink, 2 * w));
        p.setBrush(c.ground);
        p.drawRoundedRect(QRectF(-8, -4.5, 16, 9), 1.5, 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(c.fill);
        p.drawRoundedRect(QRectF(-8, -4.5, 7, 9), 1.5, 1.5);
        p.restore();
        p.setPen(stroke(c.accent, 2 * w));
        line(p, 9, 21, 21, 21);
    };
    g["ok"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        p.setPen(stroke(c.ink, 3.2 * w));
        p.setBrush(Qt::NoBrush);
        polyline(p, {{4.5, 12.5}, {9.8, 18}, {19.5, 6.5}});
    };
    g["cart"] = [](QPainter& p, const GlyphColours& c, qreal w) { cart(p, c, w); };
    g["cartadd"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        p.save();
        p.translate(-1, 2);
        p.scale(0.92, 0.92);
        cart(p, c, w);
        p.restore();
        plusBadge(p, c, 18.5, 5, 5, w);
    };
    g["note"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        page(p, c, w, QRectF(4.5, 2, 15, 20), true);
    };
    g["vehicle"] = [](QPainter& p, const GlyphColours& c, qreal w) { car(p, c, w); };
    g["tractor"] = [](QPainter& p, const GlyphColours& c, qreal w) { tractor(p, c, w); };
    g["suggestion"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        // A light bulb.
        QPainterPath bulb;
        bulb.moveTo(8.6, 15.5);
        bulb.cubicTo(4.5, 12.5, 5.2, 3, 12, 3);
        bulb.cubicTo(18.8, 3, 19.5, 12.5, 15.4, 15.5);
        bulb.lineTo(15.4, 17);
        bulb.lineTo(8.6, 17);
        bulb.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(c.fill);
        p.drawPath(bulb);
        p.setPen(stroke(c.ink, 2 * w));
        line(p, 9, 19.5, 15, 19.5);
        line(p, 10.2, 22, 13.8, 22);
        p.setPen(stroke(c.ground, 1.5 * w));
        polyline(p, {{10, 11}, {12, 13.5}, {14, 11}});
    };
    g["optional"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        // Two interchangeable parts: arrows both ways.
        p.setPen(stroke(c.ink, 2.4 * w));
        p.setBrush(Qt::NoBrush);
        line(p, 3, 8, 19, 8);
        polyline(p, {{15, 4}, {19.5, 8}, {15, 12}});
        line(p, 21, 16, 5, 16);
        polyline(p, {{9, 12}, {4.5, 16}, {9, 20}});
    };
    g["kit"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        // A wrench.
        p.save();
        p.translate(12, 12);
        p.rotate(45);
        QPainterPath path;
        path.addRoundedRect(QRectF(-2.2, -3, 4.4, 14), 2, 2);
        path.addEllipse(QPointF(0, -6.5), 5.2, 5.2);
        QPainterPath jaw;
        jaw.addRect(QRectF(-1.8, -13, 3.6, 6.2));
        path = path.subtracted(jaw);
        p.setPen(Qt::NoPen);
        p.setBrush(c.fill);
        p.drawPath(path);
        p.restore();
        Q_UNUSED(w);
    };
    g["plus"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        p.setPen(stroke(c.ink, 3.2 * w));
        line(p, 12, 4.5, 12, 19.5);
        line(p, 4.5, 12, 19.5, 12);
    };
    g["minus"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        p.setPen(stroke(c.ink, 3.2 * w));
        line(p, 4.5, 12, 19.5, 12);
    };
    g["delete"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        p.setPen(stroke(c.ink, 3 * w));
        line(p, 5.5, 5.5, 18.5, 18.5);
        line(p, 18.5, 5.5, 5.5, 18.5);
    };
    g["pdf"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        page(p, c, w, QRectF(4, 2, 16, 20), false);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xC6, 0x28, 0x28));
        p.drawRect(QRectF(2, 11, 15, 7));
        p.setBrush(Qt::white);
        // Three bars suggest the lettering at this size.
        p.drawRect(QRectF(4, 13, 2.4, 3));
        p.drawRect(QRectF(8.2, 13, 2.4, 3));
        p.drawRect(QRectF(12.4, 13, 2.4, 3));
    };
    g["update"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        p.setPen(stroke(c.ink, 2.6 * w));
        p.setBrush(Qt::NoBrush);
        const QRectF r(4.5, 4.5, 15, 15);
        p.drawArc(r, 30 * 16, 150 * 16);
        p.drawArc(r, 210 * 16, 150 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(c.ink);
        QPainterPath head1;
        head1.moveTo(20.6, 3.8);
        head1.lineTo(21.4, 10.6);
        head1.lineTo(14.8, 9.0);
        head1.closeSubpath();
        p.drawPath(head1);
        QPainterPath head2;
        head2.moveTo(3.4, 20.2);
        head2.lineTo(2.6, 13.4);
        head2.lineTo(9.2, 15.0);
        head2.closeSubpath();
        p.drawPath(head2);
    };
    g["search"] = [](QPainter& p, const GlyphColours& c, qreal w) { magnifier(p, c, w); };
    g["pump"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        // A pump: a drop over a gauge.
        QPainterPath drop;
        drop.moveTo(12, 2);
        drop.cubicTo(16, 8, 19, 11, 19, 14.5);
        drop.cubicTo(19, 18.8, 15.8, 22, 12, 22);
        drop.cubicTo(8.2, 22, 5, 18.8, 5, 14.5);
        drop.cubicTo(5, 11, 8, 8, 12, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(c.fill);
        p.drawPath(drop);
        p.setPen(stroke(c.ground, 1.8 * w));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(8, 11.5, 8, 8), 20 * 16, 140 * 16);
        line(p, 12, 15.5, 14.6, 12.6);
    };
    g["filter"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        QPainterPath funnel;
        funnel.moveTo(3, 4);
        funnel.lineTo(21, 4);
        funnel.lineTo(14, 12.5);
        funnel.lineTo(14, 20);
        funnel.lineTo(10, 22);
        funnel.lineTo(10, 12.5);
        funnel.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(c.fill);
        p.drawPath(funnel);
        Q_UNUSED(w);
    };
    g["checkall"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        p.setPen(stroke(c.ink, 2 * w));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 2.5, 2.5);
        p.setPen(stroke(c.ink, 3 * w));
        polyline(p, {{7, 12}, {10.5, 15.8}, {17, 8}});
    };
    g["gear"] = [](QPainter& p, const GlyphColours& c, qreal w) { gear(p, c, 12, 12, 10, 8, w); };
    g["settings"] = [](QPainter& p, const GlyphColours& c, qreal w) { gear(p, c, 12, 12, 10, 8, w); };
    g["cartlist"] = [](QPainter& p, const GlyphColours& c, qreal w) { cart(p, c, w); };
    g["boat"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        QPainterPath hull;
        hull.moveTo(1.5, 13);
        hull.lineTo(22.5, 13);
        hull.lineTo(19, 19);
        hull.lineTo(5, 19);
        hull.closeSubpath();
        hull.addRect(QRectF(7, 8.5, 9, 4.5));     // cabin
        hull.addRect(QRectF(9, 5, 2, 3.5));       // mast
        p.setPen(Qt::NoPen);
        p.setBrush(c.fill);
        p.drawPath(hull);
        p.setBrush(c.ground);
        p.drawRect(QRectF(8.6, 9.8, 2.4, 2));
        p.drawRect(QRectF(12.2, 9.8, 2.4, 2));
        p.setPen(stroke(c.ink, 1.6 * w));
        p.setBrush(Qt::NoBrush);
        QPainterPath wave;
        wave.moveTo(1, 21.5);
        for (int i = 0; i < 4; ++i) {
            const qreal x = 1 + i * 5.5;
            wave.quadTo(x + 1.4, 20, x + 2.75, 21.5);
            wave.quadTo(x + 4.1, 23, x + 5.5, 21.5);
        }
        p.drawPath(wave);
    };
    g["steering"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        p.setPen(stroke(c.ink, 2.6 * w));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(12, 12), 9, 9);
        p.setPen(Qt::NoPen);
        p.setBrush(c.fill);
        p.drawEllipse(QPointF(12, 12), 3, 3);
        p.setPen(stroke(c.ink, 2.4 * w));
        line(p, 3.5, 11, 9, 11.5);
        line(p, 20.5, 11, 15, 11.5);
        line(p, 12, 15, 12, 20.5);
    };
    g["globe"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        p.setPen(stroke(c.ink, 1.8 * w));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(12, 12), 9, 9);
        p.drawEllipse(QRectF(8, 3, 8, 18));
        line(p, 3, 12, 21, 12);
        line(p, 12, 3, 12, 21);
        QPainterPath lat;
        lat.moveTo(4.5, 7.5);
        lat.quadTo(12, 9.5, 19.5, 7.5);
        lat.moveTo(4.5, 16.5);
        lat.quadTo(12, 14.5, 19.5, 16.5);
        p.drawPath(lat);
    };
    g["chevrondown"] = [](QPainter& p, const GlyphColours& c, qreal w) {
        p.setPen(stroke(c.ink, 3 * w));
        p.setBrush(Qt::NoBrush);
        polyline(p, {{6, 9.5}, {12, 15.5}, {18, 9.5}});
    };
    return g;
}

}  // namespace

bool drawGlyph(QPainter& p, const QString& name, const QRectF& box, const GlyphColours& colours, qreal weight)
{
    static const std::map<QString, GlyphFn> glyphs = makeGlyphs();
    const auto it = glyphs.find(name);
    if (it == glyphs.end())
        return false;
    const qreal side = std::min(box.width(), box.height());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    p.scale(side / 24.0, side / 24.0);
    it->second(p, colours, weight);
    p.restore();
    return true;
}

}  // namespace resources
