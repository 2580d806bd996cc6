// The encoder's entry points that take Qt pictures: sampling a QImage (the
// page canvas) and capturing the screen.  They need the graphics library, so
// they live in tq_output, apart from the rest of cJpeg (tq_jpeg) and the
// encoder itself (tq_jpegcore).

#include "output/jpegencoder.h"

#include "output/jpegsample.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <algorithm>
#include <new>

jpeg::PixelArea jpeg::ImageArea(const QImage& image)
{
    const bool gray = image.format() == QImage::Format_Grayscale8;
    if (image.isNull() || (!gray && image.format() != QImage::Format_RGB888))
        return {};
    return PixelArea::View(image.constBits(), image.width(), image.height(), image.bytesPerLine(), gray);
}

int cJpeg::SampleHDC(const QImage& lHDC, int lWidth, int lHeight, int lSrcLeft, int lSrcTop)
{
    const QImage::Format format = lHDC.format();
    if (lHDC.isNull() || format == QImage::Format_Grayscale8 || format == QImage::Format_RGB888)
        return SamplePixels(jpeg::ImageArea(lHDC), lWidth, lHeight, lSrcLeft, lSrcTop);

    // Any other format: the part of the picture inside the area, as 24-bit
    // RGB (computed in 64 bits: an origin far outside must not overflow).
    const std::int64_t x0 = std::max<std::int64_t>(lSrcLeft, 0);
    const std::int64_t y0 = std::max<std::int64_t>(lSrcTop, 0);
    const std::int64_t x1 = std::min<std::int64_t>(std::int64_t(lSrcLeft) + std::max(lWidth, 0), lHDC.width());
    const std::int64_t y1 = std::min<std::int64_t>(std::int64_t(lSrcTop) + std::max(lHeight, 0), lHDC.height());
    if (x1 <= x0 || y1 <= y0)
        return SamplePixels({}, lWidth, lHeight, lSrcLeft, lSrcTop);
    const QImage part =
        lHDC.copy(QRect(int(x0), int(y0), int(x1 - x0), int(y1 - y0))).convertToFormat(QImage::Format_RGB888);
    if (part.isNull()) {
        // No memory for the copy: no image held.
        return SamplePixels({}, 0, 0, 0, 0);
    }
    return SamplePixels(jpeg::ImageArea(part), lWidth, lHeight, int(lSrcLeft - x0), int(lSrcTop - y0));
}

QImage cJpeg::CaptureScreen()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return {};
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect geometry = screen->geometry();
    return CaptureWindowArea(0, false, 0, 0, geometry.width(), geometry.height());
}

QImage cJpeg::CaptureWindowArea(WId window, bool clientArea, int left, int top, int width, int height)
{
    // A window's frame is the window manager's here; the client area and the
    // whole window give the same pixels.
    Q_UNUSED(clientArea);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return PictureFromBitmap(screen->grabWindow(window, left, top, width, height));
}

QImage cJpeg::PictureFromBitmap(const QPixmap& bitmap) const
{
    return bitmap.toImage();
}
