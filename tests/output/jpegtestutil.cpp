#include "jpegtestutil.h"

#include "output/jpegencoder.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <cmath>
#include <cstdlib>

namespace jpegtest {

namespace {

// A small deterministic generator, so that every run draws the same pictures.
struct Lcg {
    std::uint32_t state;
    std::uint32_t next()
    {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }
};

uchar Clamp(double v)
{
    return static_cast<uchar>(v < 0 ? 0 : v > 255 ? 255 : std::lround(v));
}

}  // namespace

QImage ReportPage(int width, int height)
{
    QImage page(width, height, QImage::Format_Grayscale8);
    page.fill(255);
    Lcg rng{12345};
    auto set = [&](int x, int y, uchar v) {
        if (x >= 0 && y >= 0 && x < width && y < height)
            page.scanLine(y)[x] = v;
    };
    // Text lines: glyphs of 5 x 7 strokes on a 7-pixel pitch.
    for (int line = 0; line * 14 + 20 < height / 2; ++line) {
        const int y0 = 12 + line * 14;
        const int chars = (width - 40) / 7 - int(rng.next() % 20);
        for (int c = 0; c < chars; ++c) {
            if (rng.next() % 9 == 0)
                continue;  // a space
            const std::uint32_t glyph = rng.next();
            for (int gy = 0; gy < 7; ++gy)
                for (int gx = 0; gx < 5; ++gx)
                    if ((glyph >> ((gy * 5 + gx) % 23)) & 1u)
                        set(20 + c * 7 + gx, y0 + gy, 0);
        }
    }
    // A ruled table in grey.
    for (int y = height / 2; y < height - 10; y += 18)
        for (int x = 10; x < width / 2; ++x)
            set(x, y, 128);
    for (int x = 10; x < width / 2; x += 60)
        for (int y = height / 2; y < height - 10; ++y)
            set(x, y, 128);
    // A shaded figure.
    const double cx = width * 0.75;
    const double cy = height * 0.72;
    const double r = std::min(width, height) * 0.22;
    for (int y = height / 2; y < height; ++y) {
        for (int x = width / 2; x < width; ++x) {
            const double d = std::hypot(x - cx, y - cy);
            if (d < r)
                set(x, y, Clamp(60 + 150 * (x - cx + r) / (2 * r)));
        }
    }
    return page;
}

QImage Photo(int width, int height)
{
    QImage photo(width, height, QImage::Format_RGB888);
    Lcg rng{777};
    for (int y = 0; y < height; ++y) {
        uchar* p = photo.scanLine(y);
        for (int x = 0; x < width; ++x, p += 3) {
            const double u = double(x) / std::max(1, width - 1);
            const double v = double(y) / std::max(1, height - 1);
            double r = 40 + 180 * u + 20 * std::sin(9 * v);
            double g = 60 + 150 * v + 25 * std::cos(7 * u);
            double b = 200 - 120 * u * v + 30 * std::sin(5 * (u + v));
            if (std::abs(u - 0.3) < 0.12 && std::abs(v - 0.6) < 0.15) {  // a red label
                r = 210;
                g = 40;
                b = 35;
            }
            if (std::hypot(u - 0.72, v - 0.35) < 0.12) {  // a dark blue disc
                r = 20;
                g = 30;
                b = 110;
            }
            const int noise = int(rng.next() % 5) - 2;
            p[0] = Clamp(r + noise);
            p[1] = Clamp(g + noise);
            p[2] = Clamp(b + noise);
        }
    }
    return photo;
}

QImage SmoothColours(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar* p = picture.scanLine(y);
        for (int x = 0; x < width; ++x, p += 3) {
            p[0] = Clamp(128 + 90 * std::sin(x / 53.0 + y / 71.0));
            p[1] = Clamp(128 + 90 * std::cos(x / 61.0 - y / 47.0));
            p[2] = Clamp(128 + 80 * std::sin((x + y) / 89.0 + 1.0));
        }
    }
    return picture;
}

QByteArray PnmBytes(const QImage& image)
{
    const bool grey = image.format() == QImage::Format_Grayscale8;
    const QImage pixels = grey ? image : image.convertToFormat(QImage::Format_RGB888);
    QByteArray bytes = QStringLiteral("%1\n%2 %3\n255\n")
                           .arg(grey ? QStringLiteral("P5") : QStringLiteral("P6"))
                           .arg(image.width())
                           .arg(image.height())
                           .toLatin1();
    const int rowBytes = image.width() * (grey ? 1 : 3);
    for (int y = 0; y < image.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), rowBytes);
    return bytes;
}

QImage ReadPnmFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    // Header: magic, width, height, maximum, each followed by one blank.
    QList<QByteArray> fields;
    int pos = 0;
    while (fields.size() < 4 && pos < data.size()) {
        while (pos < data.size() && std::isspace(static_cast<unsigned char>(data[pos])))
            ++pos;
        const int start = pos;
        while (pos < data.size() && !std::isspace(static_cast<unsigned char>(data[pos])))
            ++pos;
        fields.append(data.mid(start, pos - start));
    }
    ++pos;
    if (fields.size() != 4 || fields[3] != "255" || (fields[0] != "P5" && fields[0] != "P6"))
        return {};
    const bool grey = fields[0] == "P5";
    const int width = fields[1].toInt();
    const int height = fields[2].toInt();
    const int rowBytes = width * (grey ? 1 : 3);
    if (data.size() - pos < qsizetype(rowBytes) * height)
        return {};
    QImage image(width, height, grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), data.constData() + pos + qsizetype(y) * rowBytes, rowBytes);
    return image;
}

QByteArray Encode(const QImage& image, const QString& path, const Factors& f, int quality)
{
    cJpeg encoder;
    encoder.SetSamplingFrequencies(f[0], f[1], f[2], f[3], f[4], f[5]);
    encoder.SetQuality(quality);
    if (encoder.SampleHDC(image, image.width(), image.height(), 0, 0) != 0)
        return {};
    if (encoder.SaveFile(path) != 0)
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<Segment> ParseSegments(const QByteArray& jpeg)
{
    std::vector<Segment> segments;
    auto byte = [&](int i) { return static_cast<std::uint8_t>(jpeg[i]); };
    int i = 0;
    while (i + 1 < jpeg.size()) {
        if (byte(i) != 0xFF)
            return {};
        Segment s;
        s.marker = byte(i + 1);
        s.offset = i;
        if (s.marker == 0xD8 || s.marker == 0xD9) {
            segments.push_back(s);
            i += 2;
            if (s.marker == 0xD9)
                return segments;
            continue;
        }
        if (i + 3 >= jpeg.size())
            return {};
        const int length = (byte(i + 2) << 8) | byte(i + 3);
        if (length < 2 || i + 2 + length > jpeg.size())
            return {};
        s.payload = jpeg.mid(i + 4, length - 2);
        i += 2 + length;
        if (s.marker == 0xDA) {
            // Entropy-coded data runs to the next marker that is not a
            // stuffed 00 or a restart marker.
            int j = i;
            while (j + 1 < jpeg.size()
                   && !(byte(j) == 0xFF && byte(j + 1) != 0x00 && (byte(j + 1) < 0xD0 || byte(j + 1) > 0xD7)))
                ++j;
            s.entropy = jpeg.mid(i, j - i);
            i = j;
        }
        segments.push_back(s);
    }
    return {};
}

std::vector<std::uint8_t> Markers(const std::vector<Segment>& segments)
{
    std::vector<std::uint8_t> markers;
    for (const Segment& s : segments)
        markers.push_back(s.marker);
    return markers;
}

namespace {

constexpr int kNatural[64] = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
};

}  // namespace

std::array<int, 64> QuantTableOf(const QByteArray& jpeg, int index)
{
    std::array<int, 64> table{};
    for (const Segment& s : ParseSegments(jpeg)) {
        if (s.marker == 0xDB && s.payload.size() == 65 && (s.payload[0] & 0x0F) == index) {
            for (int z = 0; z < 64; ++z)
                table[kNatural[z]] = static_cast<std::uint8_t>(s.payload[1 + z]);
        }
    }
    return table;
}

QByteArray QTablesText(const QByteArray& jpeg)
{
    QByteArray text;
    for (const Segment& s : ParseSegments(jpeg)) {
        if (s.marker != 0xDB)
            continue;
        const std::array<int, 64> table = QuantTableOf(jpeg, s.payload[0] & 0x0F);
        for (int row = 0; row < 8; ++row) {
            for (int col = 0; col < 8; ++col)
                text += QByteArray::number(table[row * 8 + col]) + (col == 7 ? "\n" : " ");
        }
    }
    return text;
}

QString Tool(const QString& name)
{
    return QStandardPaths::findExecutable(name);
}

RunResult Run(const QString& program, const QStringList& arguments)
{
    RunResult result;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return result;
    result.started = true;
    process.closeWriteChannel();
    process.waitForFinished(60000);
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

Agreement Compare(const QImage& a, const QImage& b)
{
    Agreement agreement;
    const int rowBytes = a.width() * (a.format() == QImage::Format_Grayscale8 ? 1 : 3);
    qint64 same = 0;
    qint64 total = 0;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar* p = a.constScanLine(y);
        const uchar* q = b.constScanLine(y);
        for (int i = 0; i < rowBytes; ++i) {
            const int d = std::abs(int(p[i]) - int(q[i]));
            same += d == 0;
            agreement.maxDiff = std::max(agreement.maxDiff, d);
            sum += d;
            ++total;
        }
    }
    agreement.identical = double(same) / double(total);
    agreement.meanAbsDiff = sum / double(total);
    return agreement;
}

double Psnr(const QImage& source, const QImage& decoded)
{
    const int rowBytes = source.width() * (source.format() == QImage::Format_Grayscale8 ? 1 : 3);
    double squares = 0;
    for (int y = 0; y < source.height(); ++y) {
        const uchar* p = source.constScanLine(y);
        const uchar* q = decoded.constScanLine(y);
        for (int i = 0; i < rowBytes; ++i) {
            const double d = double(p[i]) - double(q[i]);
            squares += d * d;
        }
    }
    const double mse = squares / (double(rowBytes) * source.height());
    return mse == 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

}  // namespace jpegtest
