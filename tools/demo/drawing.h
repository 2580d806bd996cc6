#pragma once
// Exploded drawings of one figure page.
//
// LayoutPage places the parts of a page along one to three exploded axes and
// finds a free place for the callout (the item number) of every drawn item;
// it needs no fonts, so the catalogue rows can be written without drawing.
// RenderPage draws the layout as a technical line drawing: oblique parts with
// white faces and black outlines, dash-dot centre lines, leader lines and the
// item numbers at exactly the label positions that FIGURADETALHADA1 stores
// (PosicaoLeft/PosicaoTop are the pixel offsets of the number's top-left
// corner from the drawing's top-left corner; the catalogue shows the drawing
// unscaled and lays a transparent label with the same text over it).

#include "rng.h"
#include "vocabulary.h"

#include <QImage>
#include <QLineF>
#include <QPoint>
#include <QRect>
#include <QString>

#include <vector>

namespace demo {

// Size of a page drawing: the catalogue's drawing area.
inline constexpr int kDrawingWidth = 700;
inline constexpr int kDrawingHeight = 415;

struct DrawnItem {
    Shape shape;
    QString label;   // the text of the callout (short item text when there is one)
    int copies = 1;  // hot spots of this item on the page
};

struct PlacedPart {
    Shape shape;
    QPointF origin;     // start of the part on its axis
    double angle = 0;   // axis direction, degrees (negative rises to the right)
    double length = 0;  // along the axis
    double diameter = 0;
    int item = 0;       // index into the page's items
};

struct Callout {
    int item = 0;       // index into the page's items
    QRect label;        // where the number is written
    QPointF anchor;     // the point on the part the leader line touches
};

struct PageLayout {
    std::vector<PlacedPart> parts;
    std::vector<Callout> callouts;  // in item order, copies together
    std::vector<QLineF> axes;
};

// Approximate size of a callout text in the label font (11 px Liberation Sans).
QSize CalloutSize(const QString& text);

PageLayout LayoutPage(const std::vector<DrawnItem>& items, Rng rng);

// The drawing; `caption` goes into the title block ("FIG. 2/4"), `drawingNumber`
// beside it.
QImage RenderPage(const PageLayout& layout, const std::vector<DrawnItem>& items, const QString& drawingNumber,
                  const QString& caption);

}  // namespace demo
