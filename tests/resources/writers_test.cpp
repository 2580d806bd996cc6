// The generator's file writers, checked by decoding: the GIF encoder against
// Qt's GIF reader and ImageMagick, the JPEG writer against libjpeg's djpeg.

#include "resources/generator/gifwriter.h"
#include "resources/generator/jpegwriter.h"
#include "support/testutil.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

// Decodes with an outside program that writes raw pixels to stdout.
QByteArray decodeWith(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

QImage randomImage(int w, int h, int colours, bool withTransparency, quint32 seed)
{
    QRandomGenerator rng(seed);
    QList<QRgb> palette;
    for (int i = 0; i < colours; ++i)
        palette << (0xFF000000u | (rng.generate() & 0xFFFFFFu));
    QImage img(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool clear = withTransparency && rng.bounded(5) == 0;
            img.setPixel(x, y, clear ? 0u : palette[static_cast<int>(rng.bounded(colours))]);
        }
    return img;
}

// Pixels equal, with every fully transparent pixel counted as one value.
bool samePixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    for (int r = 0; r < x.height(); ++r)
        for (int c = 0; c < x.width(); ++c) {
            const QRgb p = x.pixel(c, r), q = y.pixel(c, r);
            if (qAlpha(p) == 0 && qAlpha(q) == 0)
                continue;
            if (p != q)
                return false;
        }
    return true;
}

TEST(GifWriter, RoundTripsThroughQtAndImageMagick)
{
    struct Case {
        const char* name;
        QImage image;
    };
    QImage single(1, 1, QImage::Format_ARGB32);
    single.fill(0xFF336699u);
    const Case cases[] = {
        {"one pixel", single},
        {"two colours", randomImage(15, 14, 2, false, 1)},
        {"transparent pixels", randomImage(15, 14, 6, true, 2)},
        {"255 colours, codes up to 12 bits and table restarts", randomImage(300, 200, 255, false, 3)},
        {"long runs of one colour", [] {
             QImage img(640, 40, QImage::Format_ARGB32);
             img.fill(0xFF102030u);
             img.setPixel(639, 39, 0xFFFFFFFFu);
             return img;
         }()},
    };
    tqtest::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray gif = resources::encodeGif(c.image);
        QImage viaQt;
        ASSERT_TRUE(viaQt.loadFromData(gif, "GIF"));
        EXPECT_TRUE(samePixels(viaQt, c.image));

        const QString file = dir.file(QStringLiteral("t.gif"));
        tqtest::writeFile(file, gif);
        const QByteArray rgba = decodeWith(QStringLiteral("convert"), {file, QStringLiteral("rgba:-")});
        ASSERT_EQ(rgba.size(), c.image.width() * c.image.height() * 4) << "ImageMagick did not decode the file";
        const QImage viaMagick(reinterpret_cast<const uchar*>(rgba.constData()), c.image.width(), c.image.height(),
                               QImage::Format_RGBA8888);
        EXPECT_TRUE(samePixels(viaMagick, c.image));
    }
}

TEST(GifWriter, TooManyColoursAreQuantisedNotRefused)
{
    const QImage photo = randomImage(64, 64, 2000, false, 4);
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(resources::encodeGif(photo), "GIF"));
    EXPECT_EQ(decoded.size(), photo.size());
}

TEST(JpegWriter, KeepsFullColourResolutionAndDecodesClose)
{
    QImage img(96, 40, QImage::Format_RGB32);
    img.fill(QColor(0x37, 0x45, 0x91));
    QPainter p(&img);
    p.fillRect(10, 10, 40, 20, QColor(0xF5, 0xB3, 0x35));
    p.end();
    const QByteArray jpeg = resources::encodeJpeg(img, 92);

    // Every component of the frame header samples 1 x 1 (4:4:4).
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    ASSERT_GE(sof, 0) << "not a baseline JPEG";
    const int components = static_cast<uchar>(jpeg[sof + 9]);
    ASSERT_EQ(components, 3);
    for (int c = 0; c < components; ++c)
        EXPECT_EQ(static_cast<uchar>(jpeg[sof + 11 + 3 * c]), 0x11) << "component " << c;

    tqtest::TempDir dir;
    const QString file = dir.file(QStringLiteral("t.jpg"));
    tqtest::writeFile(file, jpeg);
    const QByteArray ppm = decodeWith(QStringLiteral("djpeg"), {QStringLiteral("-pnm"), file});
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(ppm, "PPM")) << "djpeg did not decode the file";
    ASSERT_EQ(decoded.size(), img.size());
    int worst = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb a = img.pixel(x, y), b = decoded.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    EXPECT_LE(worst, 24);
}

}  // namespace
