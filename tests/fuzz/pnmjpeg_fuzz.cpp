// The netpbm reader with the JPEG encoder: any bytes as a PGM or PPM file;
// a picture that reads is encoded with components and quality chosen from
// the input, and the file written must decode (Qt's JPEG reader, libjpeg)
// to a picture of the same size.
#include "fuzzsupport.h"

#include "output/jpegencoder.h"
#include "tools/tqjpeg/pnm.h"

#include <QFile>
#include <QImage>

namespace {

// Encodes the picture into `file`.
void encode(const jpeg::PixelArea& image, const int* sampling, int quality, int left, int top, const QString& file)
{
    cJpeg jpeg;
    jpeg.SetQuality(quality);
    jpeg.SetSamplingFrequencies(sampling[0], sampling[1], sampling[2], sampling[3], sampling[4], sampling[5]);
    if (jpeg.SamplePixels(image, image.width(), image.height(), left, top) != 0)
        tqfuzz::Finding("a picture could not be sampled");
    if (jpeg.SaveFile(file) != 0)
        tqfuzz::Finding("the encoder wrote no file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string error;
    const jpeg::PixelArea image = tqjpeg::ReadPnm(std::string_view(reinterpret_cast<const char*>(data), size), error);
    if (image.isNull() || image.width() > 1024 || image.height() > 1024 ||
        qint64(image.width()) * image.height() > 256 * 256)
        return 0;

    // The last bytes (past a small picture's samples) pick the settings:
    // sampling factors whose ratios libjpeg decodes (it refuses fractional
    // ones such as 3:2, which the format allows).
    const auto tail = [&](std::size_t k) { return k < size ? data[size - 1 - k] : std::uint8_t(0); };
    static const int sampling[][6] = {{1, 1, 0, 0, 0, 0}, {2, 2, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1},
                                      {4, 1, 2, 1, 1, 1}, {1, 4, 1, 2, 1, 1}, {3, 3, 1, 1, 1, 1}};
    const QString file = tqfuzz::Folder() + QStringLiteral("/saida.jpg");
    QFile::remove(file);
    try {
        encode(image, sampling[tail(0) % std::size(sampling)], 1 + tail(1) % 100, std::int8_t(tail(2)) % 8,
               std::int8_t(tail(3)) % 8, file);
    } catch (const platform::Error& e) {
        tqfuzz::Finding(e.what());
    }
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        tqfuzz::Finding("the encoder's file cannot be read");
    const QImage decoded = QImage::fromData(f.readAll(), "JPEG");
    if (decoded.size() != QSize(image.width(), image.height()))
        tqfuzz::Finding("the encoder's file does not decode to the picture's size");
    return 0;
}
