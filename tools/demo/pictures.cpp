#include "pictures.h"

#include "catalogue.h"
#include "resources/generator/gifwriter.h"

#include "platform/base/atomicfile.h"
#include "platform/base/error.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QLinearGradient>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QRadialGradient>
#include <QRegularExpression>

namespace demo {

namespace {

[[noreturn]] void cannotWrite(const QString& path)
{
    throw platform::Error(platform::errors::PathNotFound, QStringLiteral("Cannot write \"%1\".").arg(path), QStringLiteral("tqdemo"));
}

// Metal with light from above: light at the top edge, dark at the bottom.
QLinearGradient metal(const QRectF& r, QColor base)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, base.lighter(165));
    g.setColorAt(0.35, base.lighter(115));
    g.setColorAt(0.7, base);
    g.setColorAt(1.0, base.darker(170));
    return g;
}

void body(QPainter& p, const QRectF& r, QColor c, double radius = 4)
{
    p.setBrush(metal(r, c));
    p.setPen(QPen(c.darker(200), 0.8));
    p.drawRoundedRect(r, radius, radius);
}

void disc(QPainter& p, const QPointF& centre, double rx, double ry, QColor c)
{
    QRadialGradient g(centre - QPointF(rx * 0.3, ry * 0.3), std::max(rx, ry) * 1.3);
    g.setColorAt(0, c.lighter(170));
    g.setColorAt(1, c.darker(160));
    p.setBrush(g);
    p.setPen(QPen(c.darker(220), 0.8));
    p.drawEllipse(centre, rx, ry);
}

void bolts(QPainter& p, const QPointF& centre, double rx, double ry, int count)
{
    p.setBrush(QColor(70, 70, 75));
    p.setPen(Qt::NoPen);
    for (int k = 0; k < count; ++k) {
        const double t = 6.2831853 * k / count;
        p.drawEllipse(centre + QPointF(rx * std::cos(t), ry * std::sin(t)), 1.3, 1.3);
    }
}

}  // namespace

QImage RenderPhoto(int style, Rng rng)
{
    QImage image(kPhotoWidth, kPhotoHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    QRadialGradient bg(QPointF(kPhotoWidth * 0.45, kPhotoHeight * 0.35), kPhotoWidth * 0.8);
    bg.setColorAt(0, QColor(252, 252, 250));
    bg.setColorAt(1, QColor(214, 218, 224));
    p.fillRect(image.rect(), bg);

    // Shadow on the floor.
    QRadialGradient shadow(QPointF(75, 68), 60);
    shadow.setColorAt(0, QColor(0, 0, 0, 70));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(75, 68), 62, 7);

    // Cast iron, paint and machined steel, slightly different per picture.
    const int tint = rng.range(-12, 12);
    const QColor iron(118 + tint, 124 + tint, 132 + tint);
    const QColor paint = rng.chance(0.5) ? QColor(34, 58, 110) : QColor(40, 40, 44);
    const QColor steel(170, 172, 176);

    switch (style) {
    case 0: {  // transmission: bell housing, case, tail housing
        QPainterPath bell;
        bell.moveTo(14, 14);
        bell.lineTo(46, 20);
        bell.lineTo(46, 60);
        bell.lineTo(14, 66);
        bell.closeSubpath();
        p.setBrush(metal(QRectF(14, 14, 32, 52), iron));
        p.setPen(QPen(iron.darker(200), 0.8));
        p.drawPath(bell);
        body(p, QRectF(44, 18, 62, 44), paint, 5);
        body(p, QRectF(60, 10, 30, 9), paint, 2);
        body(p, QRectF(104, 30, 26, 20), iron, 3);
        disc(p, QPointF(134, 40), 5, 11, steel);
        bolts(p, QPointF(30, 40), 9, 20, 8);
        break;
    }
    case 1: {  // axle: long tube, centre housing, hubs
        body(p, QRectF(8, 34, 134, 12), iron, 3);
        disc(p, QPointF(75, 40), 24, 22, paint);
        disc(p, QPointF(75, 40), 9, 9, steel);
        disc(p, QPointF(12, 40), 6, 16, steel);
        disc(p, QPointF(138, 40), 6, 16, steel);
        bolts(p, QPointF(75, 40), 17, 16, 10);
        break;
    }
    case 2: {  // pump: round body, pulley
        body(p, QRectF(50, 22, 56, 36), iron, 8);
        disc(p, QPointF(44, 40), 8, 22, paint);
        disc(p, QPointF(44, 40), 3, 6, steel);
        body(p, QRectF(96, 14, 14, 10), steel, 2);
        bolts(p, QPointF(78, 40), 20, 12, 4);
        break;
    }
    case 3: {  // reservoir: canister with cap and hose nipples
        body(p, QRectF(54, 16, 42, 46), QColor(40, 40, 44), 10);
        body(p, QRectF(64, 9, 22, 9), QColor(200, 40, 30), 3);
        body(p, QRectF(96, 44, 18, 6), steel, 2);
        body(p, QRectF(36, 48, 18, 6), steel, 2);
        break;
    }
    case 4: {  // steering gear: box with sector shaft and input shaft
        body(p, QRectF(36, 22, 74, 38), iron, 6);
        disc(p, QPointF(70, 44), 14, 14, iron.darker(110));
        disc(p, QPointF(70, 44), 5, 5, steel);
        body(p, QRectF(108, 34, 30, 8), steel, 2);
        body(p, QRectF(22, 30, 16, 14), paint, 2);
        break;
    }
    case 5: {  // bevel box: cube with two shafts at a right angle
        body(p, QRectF(50, 22, 46, 38), iron, 5);
        body(p, QRectF(96, 36, 30, 8), steel, 2);
        body(p, QRectF(68, 6, 9, 18), steel, 2);
        bolts(p, QPointF(73, 41), 16, 12, 6);
        break;
    }
    default: {  // marine gearbox: housing, output flange, cooler
        body(p, QRectF(28, 16, 76, 46), paint, 6);
        disc(p, QPointF(112, 40), 7, 18, steel);
        bolts(p, QPointF(112, 40), 4, 12, 6);
        body(p, QRectF(38, 8, 44, 9), iron, 4);
        body(p, QRectF(16, 28, 14, 24), iron, 3);
        break;
    }
    }

    // A soft highlight, as on a studio photo.
    QLinearGradient gloss(QPointF(0, 0), QPointF(0, kPhotoHeight));
    gloss.setColorAt(0, QColor(255, 255, 255, 40));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), gloss);
    p.end();
    return image;
}

void SaveJpeg(const QImage& image, const QString& path, int quality)
{
    if (!image.save(path, "JPEG", quality))
        cannotWrite(path);
}

void SaveGif(const QImage& image, const QString& path)
{
    if (platform::WriteFileAtomically(path, resources::encodeGif(image)) != 0)
        cannotWrite(path);
}

void SaveDrawing(const QImage& image, const QString& path, int format)
{
    QByteArray bytes;
    switch (format) {
    case DrawingJob::Gif:
        // The drawings are black and grey on white: 256 greys keep them.
        bytes = resources::encodeGif(image.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32));
        break;
    case DrawingJob::Bmp:
    case DrawingJob::Png: {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, format == DrawingJob::Bmp ? "BMP" : "PNG"))
            cannotWrite(path);
        break;
    }
    case DrawingJob::Corrupt: {
        // A JPEG start of image and its first header, then bytes that are no
        // JPEG segment: readers give up on it.
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "JPEG", 92))
            cannotWrite(path);
        bytes.truncate(20);
        for (int k = 0; k < 4096; ++k)
            bytes.append(char((k * 37 + 11) & 0x7F));
        break;
    }
    default:
        SaveJpeg(image, path, 92);
        return;
    }
    if (platform::WriteFileAtomically(path, bytes) != 0)
        cannotWrite(path);
}

void WritePdf(const QString& path, const QString& title, const QStringList& paragraphs, const QStringList& tableRows)
{
    {
        QPdfWriter pdf(path);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("TQ"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        pdf.setDocumentXmpMetadata(QByteArrayLiteral(
            "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>"
            "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>"
            "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/'><dc:creator>TQ</dc:creator></rdf:Description>"
            "</rdf:RDF></x:xmpmeta><?xpacket end='w'?>"));
        QPainter p;
        if (!p.begin(&pdf))
            cannotWrite(path);
        const int w = pdf.width(), h = pdf.height();
        const int margin = 150;
        int y = margin;

        QFont titleFont(QStringLiteral("Liberation Sans"));
        titleFont.setPointSizeF(16);
        titleFont.setBold(true);
        QFont text(QStringLiteral("Liberation Sans"));
        text.setPointSizeF(10);

        p.setPen(QColor(34, 58, 110));
        p.setFont(titleFont);
        p.drawText(QRect(margin, y, w - 2 * margin, 120), Qt::AlignLeft | Qt::TextWordWrap, QStringLiteral("TQ   ") + title);
        y += 160;
        p.drawLine(margin, y, w - margin, y);
        y += 60;
        p.setPen(Qt::black);
        p.setFont(text);
        for (const QString& para : paragraphs) {
            const QRect need = p.boundingRect(QRect(margin, y, w - 2 * margin, h), Qt::TextWordWrap, para);
            if (y + need.height() > h - margin) {
                pdf.newPage();
                y = margin;
            }
            p.drawText(QRect(margin, y, w - 2 * margin, need.height()), Qt::TextWordWrap, para);
            y += need.height() + 50;
        }
        if (!tableRows.isEmpty()) {
            const int rowHeight = 70;
            for (int r = 0; r < tableRows.size(); ++r) {
                if (y + rowHeight > h - margin) {
                    pdf.newPage();
                    y = margin;
                }
                const QStringList cells = tableRows[r].split(QLatin1Char('|'));
                const int cw = (w - 2 * margin) / std::max<qsizetype>(1, cells.size());
                QFont f = text;
                f.setBold(r == 0);
                p.setFont(f);
                for (int c = 0; c < cells.size(); ++c) {
                    const QRect cell(margin + c * cw, y, cw, rowHeight);
                    p.drawRect(cell);
                    p.drawText(cell.adjusted(20, 0, -10, 0), Qt::AlignVCenter | Qt::AlignLeft, cells[c]);
                }
                y += rowHeight;
            }
        }
        p.end();
    }
    // The PDF writer stamps the current time; a fixed stamp keeps the output
    // identical for the same content.  The replacement has the same length, so
    // the cross-reference offsets stay right.
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        cannotWrite(path);
    QByteArray bytes = f.readAll();
    f.close();
    static const QRegularExpression stamp(QStringLiteral("\\(D:\\d{14}"));
    QString latin = QString::fromLatin1(bytes);
    latin.replace(stamp, QStringLiteral("(D:20240315080000"));
    if (platform::WriteFileAtomically(path, latin.toLatin1()) != 0)
        cannotWrite(path);
}

void WriteText(const QString& path, const QStringList& lines)
{
    if (platform::WriteFileAtomically(path, (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8()) != 0)
        cannotWrite(path);
}

}  // namespace demo
