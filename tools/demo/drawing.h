#pragma once
// Exploded drawings of one figure page.
//
// LayoutPage places the parts of a page along one to three exploded axes and
// finds a free place for the callout (the item number) of every drawn item;
// it needs no fonts, so the catalogue rows can be written without drawing.
// RenderPage draws the layout as a technical line drawing: oblique parts with
// white faces and black outlines, dash-dot centre lines and leader lines that
// end at the label boxes.  The drawings carry no item numbers: the catalogue
// shows the drawing unscaled and writes each number in a transparent label at
// the position FIGURADETALHADA1 stores (PosicaoLeft/PosicaoTop, the pixel
// offsets of the box's top-left corner from the drawing's top-left corner),
// on screen and in print.

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

// The label font of the catalogue's figure: Liberation Sans, 11 pixels, a
// line 12 pixels high.
inline constexpr int kLabelPixelSize = 11;
inline constexpr int kLabelHeight = 12;

// Size of a callout text in the label font, from the font's advance widths:
// the box the catalogue's label fills.
QSize CalloutSize(const QString& text);

PageLayout LayoutPage(const std::vector<DrawnItem>& items, Rng rng);

// The drawing; `caption` goes into the title block ("FIG. 2/4"), `drawingNumber`
// beside it.
QImage RenderPage(const PageLayout& layout, const std::vector<DrawnItem>& items, const QString& drawingNumber,
                  const QString& caption);

}  // namespace demo
