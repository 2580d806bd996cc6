#pragma once
// What the picture recipes share between their files: the job a recipe
// draws (one picture of the set in one language) and the drawing helpers.

#include "resources/generator/captions.h"
#include "resources/generator/recipes.h"

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace resources::recipe {

struct Job {
    const PictureSpec& spec;
    QChar type;
    bool lit;
    QString caption() const { return pictureCaption(spec, type); }
    QChar language() const { return type == QLatin1Char('G') ? QLatin1Char('P') : type; }
    QChar edition() const { return spec.editions.size() == 1 ? spec.editions.at(0) : QLatin1Char('V'); }
    QString where() const { return QStringLiteral("%1/%2%3").arg(type).arg(spec.name, lit ? QStringLiteral("_S") : QString()); }
};

inline QColor white() { return QColor(Qt::white); }
inline QRectF inset(const QRectF& r, qreal d) { return r.adjusted(d, d, -d, -d); }

void roundedFill(QPainter& p, const QRectF& r, qreal radius, const QColor& c);
// The brand mark: a rounded square with the brand letters.
void drawBrandMark(QPainter& p, const QRectF& r, QChar edition, const QColor& ground, const QColor& ink);
// A quiet illustration: meshing gears and the edition's vehicle, in light
// tints of the brand colours.
void drawGearArt(QPainter& p, const QPointF& centre, qreal scale, QChar edition, const QColor& ground);

// The presentation and pump-table pages (recipepages.cpp).
void presentationPage(QPainter& p, const QRectF& r, const Job& j);
void pumpTablePage(QPainter& p, const QRectF& r, const Job& j);

}  // namespace resources::recipe
