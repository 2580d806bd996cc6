// A GIF writer for the demo photos (Qt reads GIF but does not write it):
// one image, a 256-colour global palette, LZW-coded pixel indexes.

#include "pictures.h"

#include "platform/base/atomicfile.h"
#include "platform/base/error.h"

#include <QByteArray>
#include <QImage>

#include <array>
#include <cstdint>
#include <vector>

namespace demo {
namespace {

// Variable-length LZW codes, least significant bit first, cut into the
// sub-blocks of at most 255 bytes that GIF image data is made of.
class CodeWriter {
public:
    explicit CodeWriter(QByteArray& out) : m_out(out) {}
    void write(int code, int size)
    {
        m_bits |= std::uint32_t(code) << m_count;
        m_count += size;
        while (m_count >= 8) {
            byte(std::uint8_t(m_bits & 0xFF));
            m_bits >>= 8;
            m_count -= 8;
        }
    }
    void finish()
    {
        if (m_count > 0)
            byte(std::uint8_t(m_bits & 0xFF));
        flushBlock();
        m_out.append(char(0));  // block terminator
    }

private:
    void byte(std::uint8_t b)
    {
        m_block.append(char(b));
        if (m_block.size() == 255)
            flushBlock();
    }
    void flushBlock()
    {
        if (m_block.isEmpty())
            return;
        m_out.append(char(m_block.size()));
        m_out.append(m_block);
        m_block.clear();
    }
    QByteArray& m_out;
    QByteArray m_block;
    std::uint32_t m_bits = 0;
    int m_count = 0;
};

void Le16(QByteArray& out, int v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

// LZW over 8-bit indexes: codes grow from 9 to 12 bits; when the table is
// full a clear code starts it again.
void Lzw(const std::vector<std::uint8_t>& pixels, QByteArray& out)
{
    constexpr int kMin = 8, kClear = 1 << kMin, kEnd = kClear + 1, kMax = 4095;
    out.append(char(kMin));
    CodeWriter w(out);
    std::vector<std::array<std::int16_t, 256>> next(4096);
    const auto reset = [&] {
        for (auto& n : next)
            n.fill(0);
    };
    reset();
    int size = kMin + 1, last = kEnd, cur = -1;
    w.write(kClear, size);
    for (const std::uint8_t p : pixels) {
        if (cur < 0) {
            cur = p;
        } else if (next[std::size_t(cur)][p]) {
            cur = next[std::size_t(cur)][p];
        } else {
            w.write(cur, size);
            next[std::size_t(cur)][p] = std::int16_t(++last);
            if (last >= (1 << size))
                ++size;
            if (last == kMax) {
                w.write(kClear, size);
                reset();
                size = kMin + 1;
                last = kEnd;
            }
            cur = p;
        }
    }
    if (cur >= 0)
        w.write(cur, size);
    w.write(kClear, size);
    w.write(kEnd, kMin + 1);
    w.finish();
}

}  // namespace

void SaveGif(const QImage& image, const QString& path)
{
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    if (indexed.isNull())
        throw platform::Error(platform::errors::DeviceIOError, QStringLiteral("Cannot convert the picture for \"%1\".").arg(path),
                              QStringLiteral("tqdemo"));
    QByteArray gif("GIF89a");
    Le16(gif, indexed.width());
    Le16(gif, indexed.height());
    gif.append(char(0xF7));  // global palette of 256 colours, 8 bits per primary
    gif.append(char(0));     // background colour
    gif.append(char(0));     // square pixels
    const QList<QRgb> colours = indexed.colorTable();
    for (int k = 0; k < 256; ++k) {
        const QRgb c = k < colours.size() ? colours[k] : qRgb(0, 0, 0);
        gif.append(char(qRed(c)));
        gif.append(char(qGreen(c)));
        gif.append(char(qBlue(c)));
    }
    gif.append(char(0x2C));  // image descriptor: the whole screen, no local palette
    Le16(gif, 0);
    Le16(gif, 0);
    Le16(gif, indexed.width());
    Le16(gif, indexed.height());
    gif.append(char(0));
    std::vector<std::uint8_t> pixels;
    pixels.reserve(std::size_t(indexed.width()) * std::size_t(indexed.height()));
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar* line = indexed.constScanLine(y);
        pixels.insert(pixels.end(), line, line + indexed.width());
    }
    Lzw(pixels, gif);
    gif.append(char(0x3B));  // trailer
    if (platform::WriteFileAtomically(path, gif) != 0)
        throw platform::Error(platform::errors::PathNotFound, QStringLiteral("Cannot write \"%1\".").arg(path),
                              QStringLiteral("tqdemo"));
}

}  // namespace demo
