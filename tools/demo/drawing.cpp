#include "drawing.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace demo {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Width of a circle seen obliquely, relative to its diameter.
constexpr double kOblique = 0.34;
// The title block in the lower right corner; callouts keep out of it.
const QRect kTitleBlock(kDrawingWidth - 196, kDrawingHeight - 42, 190, 36);

// Proportions of each shape: diameter and length relative to the axis unit.
struct Geometry {
    double diameter, length;
};

Geometry geometryOf(Shape s)
{
    switch (s) {
    case Shape::Housing: return {1.00, 0.95};
    case Shape::Cover: return {0.92, 0.22};
    case Shape::Gasket: return {0.92, 0.03};
    case Shape::Shaft: return {0.34, 1.70};
    case Shape::Gear: return {0.78, 0.30};
    case Shape::Bearing: return {0.58, 0.24};
    case Shape::NeedleBearing: return {0.40, 0.30};
    case Shape::Seal: return {0.52, 0.12};
    case Shape::Ring: return {0.62, 0.05};
    case Shape::Circlip: return {0.44, 0.04};
    case Shape::Washer: return {0.24, 0.04};
    case Shape::Shim: return {0.50, 0.02};
    case Shape::Bolt: return {0.16, 0.60};
    case Shape::Nut: return {0.24, 0.14};
    case Shape::Pin: return {0.09, 0.38};
    case Shape::Plug: return {0.20, 0.26};
    case Shape::Ball: return {0.12, 0.12};
    case Shape::Spring: return {0.14, 0.42};
    case Shape::Fork: return {0.72, 0.30};
    case Shape::Rod: return {0.11, 1.40};
    case Shape::Lever: return {0.28, 0.80};
    case Shape::Sleeve: return {0.70, 0.30};
    case Shape::Hub: return {0.64, 0.28};
    case Shape::SynchroRing: return {0.58, 0.10};
    case Shape::Spacer: return {0.40, 0.14};
    case Shape::Flange: return {0.74, 0.34};
    case Shape::Disc: return {0.80, 0.04};
    case Shape::Piston: return {0.60, 0.50};
    case Shape::Valve: return {0.26, 0.70};
    case Shape::Filter: return {0.50, 0.70};
    case Shape::Pulley: return {0.90, 0.26};
    case Shape::Rotor: return {0.55, 0.26};
    case Shape::Tube: return {0.30, 0.90};
    case Shape::Plate: return {0.40, 0.05};
    }
    return {0.5, 0.3};
}

QPointF along(const QPointF& o, double angleDeg, double s)
{
    const double a = angleDeg * kPi / 180.0;
    return o + QPointF(std::cos(a) * s, std::sin(a) * s);
}
QPointF upNormal(double angleDeg)
{
    const double a = angleDeg * kPi / 180.0;
    return {std::sin(a), -std::cos(a)};
}

QRectF partBounds(const PlacedPart& p)
{
    const double a = p.angle * kPi / 180.0;
    const QPointF dir(std::cos(a), std::sin(a)), n = upNormal(p.angle);
    const double e = p.diameter * kOblique / 2;
    QPolygonF poly;
    for (double s : {-e, p.length + e})
        for (double t : {-p.diameter / 2, p.diameter / 2})
            poly << p.origin + dir * s + n * t;
    return poly.boundingRect();
}

bool inside(const QRect& r)
{
    return r.left() >= 4 && r.top() >= 4 && r.right() <= kDrawingWidth - 5 && r.bottom() <= kDrawingHeight - 5;
}

}  // namespace

QSize CalloutSize(const QString& text)
{
    // Advance widths of the label font in thousandths of its size (the
    // metrics Liberation Sans shares with the common sans-serif faces).
    auto advance = [](QChar c) {
        static const int upper[26] = {667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833,
                                      722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611};
        static const int lower[26] = {556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833,
                                      556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500};
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9')
            return 556;
        if (u >= u'A' && u <= u'Z')
            return upper[u - u'A'];
        if (u >= u'a' && u <= u'z')
            return lower[u - u'a'];
        switch (u) {
        case u'.': case u' ': case u'/': return 278;
        case u'-': return 333;
        case u'\'': return 191;
        default: return 556;
        }
    };
    int units = 0;
    for (QChar c : text)
        units += advance(c);
    return {std::max(1, int(std::lround(units * kLabelPixelSize / 1000.0))), kLabelHeight};
}

PageLayout LayoutPage(const std::vector<DrawnItem>& items, Rng rng)
{
    PageLayout out;
    std::vector<int> order;  // item index of every hot spot, copies together
    for (int i = 0; i < int(items.size()); ++i)
        for (int c = 0; c < std::max(1, items[std::size_t(i)].copies); ++c)
            order.push_back(i);
    const int m = int(order.size());
    if (m == 0)
        return out;

    const int axes = m <= 12 ? 1 : (m <= 26 ? 2 : 3);
    const double angle = axes == 1 ? -14.0 : (axes == 2 ? -8.0 : -5.0);
    const double unit = axes == 1 ? 118.0 : (axes == 2 ? 80.0 : 56.0);
    const double x0 = 48, x1 = kDrawingWidth - 48;
    const double axisLength = (x1 - x0) / std::cos(angle * kPi / 180.0);
    const double rise = (x1 - x0) * std::tan(-angle * kPi / 180.0);
    const int perAxis = (m + axes - 1) / axes;

    // Parts, axis by axis.
    for (int a = 0; a < axes; ++a) {
        const int first = a * perAxis, last = std::min(m, first + perAxis);
        if (first >= last)
            break;
        const double band = double(kDrawingHeight - 40) / axes;
        const double yCentre = 14 + band * (a + 0.5);
        const QPointF start(x0, yCentre + rise / 2);
        out.axes.emplace_back(start, along(start, angle, axisLength));

        // Each part takes its length plus the width of its oblique end faces;
        // a crowded axis shortens the parts first and then thins them.
        double lengths = 0, faces = 0;
        const double gap = 9 + rng.range(0, 6);
        for (int k = first; k < last; ++k) {
            const Geometry g = geometryOf(items[std::size_t(order[std::size_t(k)])].shape);
            lengths += g.length * unit;
            faces += g.diameter * unit * kOblique;
        }
        const double room = axisLength - 24 - gap * (last - first - 1);
        double squeeze = 1.0, diameterScale = 1.0;
        for (int pass = 0; pass < 3; ++pass) {
            squeeze = std::min(1.0, std::max(0.15, (room - faces * diameterScale) / lengths));
            diameterScale = std::max(0.45, std::min(1.0, squeeze * 1.4));
        }
        if (lengths * squeeze + faces * diameterScale > room)
            diameterScale = std::max(0.2, (room - lengths * squeeze) / faces);
        double s = 12 + std::max(0.0, (room - lengths * squeeze - faces * diameterScale) / 2);
        for (int k = first; k < last; ++k) {
            const int item = order[std::size_t(k)];
            const Geometry g = geometryOf(items[std::size_t(item)].shape);
            PlacedPart p;
            p.shape = items[std::size_t(item)].shape;
            p.angle = angle;
            p.length = std::max(2.0, g.length * unit * squeeze);
            p.diameter = std::max(8.0, g.diameter * unit * diameterScale);
            p.origin = along(start, angle, s + p.diameter * kOblique / 2);
            p.item = item;
            out.parts.push_back(p);
            s += p.length + gap + p.diameter * kOblique / 2;
        }
    }

    // Callouts: above or below each part, away from other callouts, parts and
    // the title block.
    std::vector<QRectF> partBoxes;
    for (const PlacedPart& p : out.parts)
        partBoxes.push_back(partBounds(p).adjusted(-2, -2, 2, 2));
    std::vector<QRect> taken;
    auto free = [&](const QRect& r, bool avoidParts) {
        if (!inside(r) || r.intersects(kTitleBlock.adjusted(-4, -4, 4, 4)))
            return false;
        for (const QRect& t : taken)
            if (r.intersects(t.adjusted(-5, -3, 5, 3)))
                return false;
        if (avoidParts)
            for (const QRectF& b : partBoxes)
                if (QRectF(r).intersects(b))
                    return false;
        return true;
    };

    for (std::size_t k = 0; k < out.parts.size(); ++k) {
        const PlacedPart& p = out.parts[k];
        const QSize size = CalloutSize(items[std::size_t(p.item)].label);
        const QPointF n = upNormal(p.angle);
        const int preferred = (k % 2 == 0) ? 1 : -1;
        const QPointF mid = along(p.origin, p.angle, p.length / 2);
        QRect chosen;
        QPointF anchor;
        for (int pass = 0; pass < 2 && chosen.isNull(); ++pass) {
            for (int side : {preferred, -preferred}) {
                const QPointF rim = mid + n * (side * p.diameter * 0.42);
                for (double dist : {20.0, 30.0, 42.0, 56.0, 72.0, 90.0, 112.0, 136.0}) {
                    for (double shift : {0.0, -14.0, 14.0, -28.0, 28.0, -44.0, 44.0}) {
                        const QPointF c = rim + n * (side * (dist + p.diameter * 0.08)) + QPointF(shift, 0);
                        const QRect r(QPoint(int(std::lround(c.x() - size.width() / 2.0)), int(std::lround(c.y() - size.height() / 2.0))), size);
                        if (free(r, pass == 0)) {
                            chosen = r;
                            anchor = rim;
                            break;
                        }
                    }
                    if (!chosen.isNull())
                        break;
                }
                if (!chosen.isNull())
                    break;
            }
        }
        if (chosen.isNull()) {
            // Crowded page: the first free place, scanning from the part outwards.
            anchor = mid;
            for (int radius = 10; radius < 800 && chosen.isNull(); radius += 8)
                for (int step = 0; step < 16 && chosen.isNull(); ++step) {
                    const double t = step * kPi / 8;
                    const QRect r(QPoint(int(mid.x() + radius * std::cos(t)), int(mid.y() + radius * std::sin(t))), size);
                    if (free(r, false))
                        chosen = r;
                }
            if (chosen.isNull())
                chosen = QRect(QPoint(6, 6), size);
        }
        taken.push_back(chosen);
        out.callouts.push_back({p.item, chosen, anchor});
    }
    return out;
}

namespace {

// ---------------------------------------------------------------------------
// Drawing in the frame of one part: x along its axis from 0 to L, y across,
// the visible end face at x = 0.

QRectF ellipseAt(double x, double d) { return QRectF(x - d * kOblique / 2, -d / 2, d * kOblique, d); }
QPointF onEllipse(double x, double d, double theta)
{
    return {x + d * kOblique / 2 * std::cos(theta), d / 2 * std::sin(theta)};
}

// A cylinder: its silhouette filled white (hiding what lies behind) and
// outlined, and, unless told otherwise, its end face.
void cylinder(QPainter& p, double x, double L, double D, bool face = true)
{
    QPainterPath path;
    path.moveTo(x, -D / 2);
    path.lineTo(x + L, -D / 2);
    path.arcTo(ellipseAt(x + L, D), 90, -180);
    path.lineTo(x, D / 2);
    path.arcTo(ellipseAt(x, D), 270, -180);
    path.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(path);
    if (face)
        p.drawEllipse(ellipseAt(x, D));
}

void face(QPainter& p, double x, double d) { p.drawEllipse(ellipseAt(x, d)); }

void holes(QPainter& p, double x, double circle, double hole, int count)
{
    for (int k = 0; k < count; ++k) {
        const QPointF c = onEllipse(x, circle, 2 * kPi * k / count + 0.3);
        p.drawEllipse(QRectF(c.x() - hole * kOblique / 2, c.y() - hole / 2, hole * kOblique, hole));
    }
}

void toothedFace(QPainter& p, double x, double tip, double root, int teeth)
{
    QPolygonF poly;
    for (int k = 0; k < teeth; ++k) {
        const double t = 2 * kPi * k / teeth, w = 2 * kPi / teeth;
        poly << onEllipse(x, root, t) << onEllipse(x, tip, t + w * 0.2) << onEllipse(x, tip, t + w * 0.5)
             << onEllipse(x, root, t + w * 0.7);
    }
    p.setBrush(Qt::white);
    p.drawPolygon(poly);
}

void thread(QPainter& p, double x, double L, double d)
{
    for (double s = x + 2; s < x + L - 1; s += 3)
        p.drawLine(QPointF(s, -d / 2), QPointF(s + 1.5, d / 2));
}

void hexHead(QPainter& p, double x, double L, double D)
{
    cylinder(p, x, L, D, false);
    QPolygonF hex;
    for (int k = 0; k < 6; ++k)
        hex << onEllipse(x, D, kPi / 6 + k * kPi / 3);
    p.setBrush(Qt::white);
    p.drawPolygon(hex);
    p.drawLine(QPointF(x, -D / 4), QPointF(x + L, -D / 4));
    p.drawLine(QPointF(x, D / 4), QPointF(x + L, D / 4));
}

void drawShape(QPainter& p, Shape s, double L, double D, const QPen& fine)
{
    const QPen bold = p.pen();
    switch (s) {
    case Shape::Housing: {
        cylinder(p, 0.18 * L, 0.82 * L, D * 0.88);
        // a boss on top and the mounting flange at the front
        p.drawRect(QRectF(0.45 * L, -D * 0.52, 0.3 * L, D * 0.1));
        cylinder(p, 0, 0.18 * L, D);
        face(p, 0, D * 0.46);
        face(p, 0, D * 0.34);
        p.setPen(fine);
        holes(p, 0, D * 0.84, D * 0.05, 8);
        p.setPen(bold);
        break;
    }
    case Shape::Cover:
        cylinder(p, 0.35 * L, 0.65 * L, D * 0.45);
        cylinder(p, 0, 0.35 * L, D);
        face(p, 0, D * 0.3);
        p.setPen(fine);
        holes(p, 0, D * 0.82, D * 0.06, 6);
        p.setPen(bold);
        break;
    case Shape::Gasket:
        cylinder(p, 0, L, D);
        face(p, 0, D * 0.62);
        p.setPen(fine);
        holes(p, 0, D * 0.82, D * 0.06, 6);
        p.setPen(bold);
        break;
    case Shape::Shaft: {
        // stepped shaft, splined at the front end
        const double d1 = D * 0.62, d2 = D, d3 = D * 0.8, d4 = D * 0.55;
        cylinder(p, 0.78 * L, 0.22 * L, d4);
        cylinder(p, 0.45 * L, 0.33 * L, d3);
        cylinder(p, 0.25 * L, 0.2 * L, d2);
        cylinder(p, 0, 0.25 * L, d1);
        p.setPen(fine);
        for (double y = -d1 / 2 + 2; y < d1 / 2 - 1; y += 2.5)
            p.drawLine(QPointF(1, y), QPointF(0.2 * L, y));
        p.setPen(bold);
        break;
    }
    case Shape::Gear:
    case Shape::Rotor: {
        cylinder(p, 0, L, D, false);
        p.setPen(fine);
        for (double y = -D / 2 + 3; y < -D / 2 + D * 0.18; y += 3)
            p.drawLine(QPointF(1, y), QPointF(L, y));
        p.setPen(bold);
        toothedFace(p, 0, D, D * 0.86, s == Shape::Rotor ? 12 : std::max(14, int(D / 3)));
        face(p, 0, D * 0.32);
        if (s == Shape::Rotor) {
            p.setPen(fine);
            for (int k = 0; k < 12; ++k)
                p.drawLine(onEllipse(0, D * 0.4, k * kPi / 6), onEllipse(0, D * 0.78, k * kPi / 6));
            p.setPen(bold);
        }
        break;
    }
    case Shape::Bearing: {
        cylinder(p, 0, L, D);
        face(p, 0, D * 0.84);
        face(p, 0, D * 0.6);
        face(p, 0, D * 0.46);
        const double ball = D * 0.11;
        for (int k = 0; k < 10; ++k) {
            const QPointF c = onEllipse(0, D * 0.72, 2 * kPi * k / 10);
            p.drawEllipse(QRectF(c.x() - ball * kOblique / 1.5, c.y() - ball / 2, ball * kOblique * 1.33, ball));
        }
        break;
    }
    case Shape::NeedleBearing:
        cylinder(p, 0, L, D);
        face(p, 0, D * 0.8);
        p.setPen(fine);
        for (double y = -D / 2 + 2; y < D / 2 - 1; y += 3)
            p.drawLine(QPointF(2, y), QPointF(L - 1, y));
        p.setPen(bold);
        break;
    case Shape::Seal:
        cylinder(p, 0, L, D);
        face(p, 0, D * 0.86);
        face(p, 0, D * 0.64);
        p.setPen(fine);
        face(p, L * 0.5, D * 0.6);
        p.setPen(bold);
        break;
    case Shape::Ring:
    case Shape::Disc:
    case Shape::SynchroRing:
    case Shape::Shim:
    case Shape::Washer:
    case Shape::Spacer:
    case Shape::Plate: {
        const double inner = s == Shape::Washer ? 0.5 : (s == Shape::Plate ? 0.0 : (s == Shape::Spacer ? 0.62 : 0.8));
        cylinder(p, 0, L, D, s != Shape::SynchroRing);
        if (s == Shape::SynchroRing)
            toothedFace(p, 0, D, D * 0.92, 30);
        if (inner > 0)
            face(p, 0, D * inner);
        if (s == Shape::Disc) {
            p.setPen(fine);
            for (int k = 0; k < 16; ++k)
                p.drawLine(onEllipse(0, D * 0.82, k * kPi / 8), onEllipse(0, D * 0.98, k * kPi / 8));
            p.setPen(bold);
        }
        break;
    }
    case Shape::Circlip: {
        QPainterPath arc;
        arc.arcMoveTo(ellipseAt(0, D), 115);
        arc.arcTo(ellipseAt(0, D), 115, 310);
        p.setBrush(Qt::NoBrush);
        p.drawPath(arc);
        QPainterPath inner;
        inner.arcMoveTo(ellipseAt(0, D * 0.84), 118);
        inner.arcTo(ellipseAt(0, D * 0.84), 118, 304);
        p.drawPath(inner);
        for (double t : {115.0, 65.0}) {
            const QPointF c = onEllipse(0, D * 0.92, -t * kPi / 180);
            p.drawEllipse(c, 1.5, 2.5);
        }
        break;
    }
    case Shape::Bolt:
        cylinder(p, L * 0.22, L * 0.78, D * 0.55, false);
        p.setPen(fine);
        thread(p, L * 0.55, L * 0.45, D * 0.55);
        p.setPen(bold);
        hexHead(p, 0, L * 0.22, D);
        break;
    case Shape::Nut:
        hexHead(p, 0, L, D);
        face(p, 0, D * 0.5);
        break;
    case Shape::Pin:
        cylinder(p, 0, L, D);
        p.setPen(fine);
        p.drawLine(QPointF(0, 0), QPointF(L, 0));
        p.setPen(bold);
        break;
    case Shape::Plug:
        cylinder(p, L * 0.4, L * 0.6, D * 0.7, false);
        p.setPen(fine);
        thread(p, L * 0.4, L * 0.6, D * 0.7);
        p.setPen(bold);
        hexHead(p, 0, L * 0.4, D);
        break;
    case Shape::Ball:
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(L / 2, 0), D / 2, D / 2);
        p.setPen(fine);
        p.drawArc(QRectF(L / 2 - D * 0.3, -D * 0.3, D * 0.6, D * 0.6), 100 * 16, 70 * 16);
        p.setPen(bold);
        break;
    case Shape::Spring: {
        QPainterPath coil;
        const int turns = 7;
        for (int k = 0; k <= turns * 24; ++k) {
            const double t = k * 2 * kPi / 24;
            const QPointF pt(L * k / (turns * 24.0) + D * kOblique / 2 * std::cos(t), D / 2 * std::sin(t));
            if (k == 0)
                coil.moveTo(pt);
            else
                coil.lineTo(pt);
        }
        p.setBrush(Qt::NoBrush);
        p.drawPath(coil);
        break;
    }
    case Shape::Fork: {
        cylinder(p, L * 0.5, L * 0.5, D * 0.22);
        p.setBrush(Qt::NoBrush);
        QPainterPath prongs;
        prongs.arcMoveTo(ellipseAt(L * 0.25, D), 200);
        prongs.arcTo(ellipseAt(L * 0.25, D), 200, 140);
        prongs.arcTo(ellipseAt(L * 0.25, D * 0.8), 340, -140);
        prongs.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(prongs);
        p.drawLine(QPointF(L * 0.25, -D * 0.42), QPointF(L * 0.55, -D * 0.11));
        break;
    }
    case Shape::Rod:
        cylinder(p, 0, L, D);
        p.setPen(fine);
        for (double x : {0.15, 0.22, 0.29})
            face(p, L * x, D);
        p.setPen(bold);
        break;
    case Shape::Lever:
        cylinder(p, L * 0.15, L * 0.85, D * 0.3);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(L * 0.1, 0), D * 0.5, D * 0.5);
        break;
    case Shape::Sleeve:
    case Shape::Hub:
        cylinder(p, 0, L, D);
        p.setPen(fine);
        face(p, L * 0.35, D);
        face(p, L * 0.65, D);
        p.setPen(bold);
        toothedFace(p, 0, D * (s == Shape::Hub ? 0.5 : 0.66), D * (s == Shape::Hub ? 0.44 : 0.6), 24);
        break;
    case Shape::Flange:
        cylinder(p, L * 0.3, L * 0.7, D * 0.5);
        cylinder(p, 0, L * 0.3, D);
        face(p, 0, D * 0.3);
        p.setPen(fine);
        holes(p, 0, D * 0.78, D * 0.08, 4);
        p.setPen(bold);
        break;
    case Shape::Piston:
        cylinder(p, 0, L, D);
        p.setPen(fine);
        for (double x : {0.2, 0.3, 0.7})
            face(p, L * x, D);
        p.setPen(bold);
        face(p, 0, D * 0.4);
        break;
    case Shape::Valve: {
        double x = L;
        const double parts[] = {0.2, 0.15, 0.2, 0.15, 0.3};
        const double diams[] = {1.0, 0.6, 1.0, 0.6, 1.0};
        for (int k = 4; k >= 0; --k) {
            x -= parts[k] * L;
            cylinder(p, x, parts[k] * L, D * diams[k]);
        }
        break;
    }
    case Shape::Filter:
        cylinder(p, 0, L, D);
        p.setPen(fine);
        for (double y = -D / 2 + 3; y < D / 2 - 2; y += 3)
            p.drawLine(QPointF(L * 0.1, y), QPointF(L * 0.9, y));
        p.setPen(bold);
        face(p, 0, D * 0.35);
        break;
    case Shape::Pulley:
        cylinder(p, 0, L, D);
        p.setPen(fine);
        face(p, L * 0.4, D * 0.9);
        face(p, L * 0.6, D * 0.9);
        p.setPen(bold);
        face(p, 0, D * 0.35);
        face(p, 0, D * 0.2);
        break;
    case Shape::Tube: {
        QPainterPath path(QPointF(0, 0));
        path.cubicTo(QPointF(L * 0.4, -D * 1.2), QPointF(L * 0.6, D * 1.2), QPointF(L, 0));
        QPen outer = bold;
        outer.setWidthF(std::max(4.0, D * 0.5));
        outer.setCapStyle(Qt::FlatCap);
        p.strokePath(path, outer);
        QPen inner(Qt::white, std::max(2.0, D * 0.5 - 2.2));
        inner.setCapStyle(Qt::FlatCap);
        p.strokePath(path, inner);
        break;
    }
    }
}

}  // namespace

QImage RenderPage(const PageLayout& layout, const std::vector<DrawnItem>& items, const QString& drawingNumber,
                  const QString& caption)
{
    QImage image(kDrawingWidth, kDrawingHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    const QPen outline(QColor(20, 20, 20), 1.1);
    const QPen fine(QColor(60, 60, 60), 0.7);
    QPen centre(QColor(120, 120, 120), 0.7, Qt::DashDotLine);

    p.setPen(QPen(QColor(150, 150, 150), 1.0));
    p.drawRect(QRectF(0.5, 0.5, kDrawingWidth - 1, kDrawingHeight - 1));

    p.setPen(centre);
    for (const QLineF& axis : layout.axes)
        p.drawLine(axis);

    // Far parts first, so that nearer ones hide them.
    for (auto it = layout.parts.rbegin(); it != layout.parts.rend(); ++it) {
        p.save();
        p.translate(it->origin);
        p.rotate(it->angle);
        p.setPen(outline);
        drawShape(p, it->shape, it->length, it->diameter, fine);
        p.restore();
    }

    // Leader lines end at the edge of the label box; the box stays empty,
    // since the catalogue writes the item number there itself.
    for (const Callout& c : layout.callouts) {
        const QRectF r(c.label);
        const QPointF target(std::clamp(c.anchor.x(), r.left(), r.right()), std::clamp(c.anchor.y(), r.top() - 1, r.bottom() + 1));
        p.setPen(QPen(Qt::black, 0.7));
        p.drawLine(c.anchor, target);
        p.setBrush(Qt::black);
        p.drawEllipse(c.anchor, 1.3, 1.3);
    }

    // Title block.
    p.setBrush(Qt::white);
    p.setPen(QPen(Qt::black, 1.0));
    p.drawRect(kTitleBlock);
    p.drawLine(kTitleBlock.left() + 44, kTitleBlock.top(), kTitleBlock.left() + 44, kTitleBlock.bottom());
    QFont brand(QStringLiteral("Liberation Sans"));
    brand.setPixelSize(18);
    brand.setBold(true);
    p.setFont(brand);
    p.drawText(QRect(kTitleBlock.left(), kTitleBlock.top(), 44, kTitleBlock.height()), Qt::AlignCenter, QStringLiteral("TQ"));
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(10);
    p.setFont(small);
    p.drawText(QRect(kTitleBlock.left() + 50, kTitleBlock.top() + 2, kTitleBlock.width() - 54, 16), Qt::AlignLeft | Qt::AlignVCenter,
               drawingNumber);
    p.drawText(QRect(kTitleBlock.left() + 50, kTitleBlock.top() + 18, kTitleBlock.width() - 54, 16), Qt::AlignLeft | Qt::AlignVCenter,
               caption);
    p.end();
    return image;
}

}  // namespace demo
