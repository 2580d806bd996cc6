#include "resources/generator/gifwriter.h"

#include <QHash>

#include <stdexcept>

namespace resources {
namespace gif {
namespace {

class BitWriter {
public:
    void put(int code, int width)
    {
        m_acc |= static_cast<uint32_t>(code) << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_out.append(static_cast<char>(m_acc & 0xFF));
            m_acc >>= 8;
            m_bits -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_bits > 0)
            m_out.append(static_cast<char>(m_acc & 0xFF));
        m_acc = 0;
        m_bits = 0;
        return m_out;
    }

private:
    QByteArray m_out;
    uint32_t m_acc = 0;
    int m_bits = 0;
};

}  // namespace

QByteArray lzwCompress(const std::vector<uint8_t>& indexes, int minCodeSize)
{
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    constexpr int kMaxCodes = 4096;

    BitWriter bits;
    int width = minCodeSize + 1;
    int next = endCode + 1;
    // Table of (prefix code, next index) -> code.
    QHash<uint32_t, int> table;
    table.reserve(kMaxCodes);

    bits.put(clearCode, width);
    if (indexes.empty()) {
        bits.put(endCode, width);
        return bits.finish();
    }

    int prefix = indexes[0];
    for (size_t i = 1; i < indexes.size(); ++i) {
        const int k = indexes[i];
        const uint32_t key = (static_cast<uint32_t>(prefix) << 8) | static_cast<uint32_t>(k);
        const auto it = table.constFind(key);
        if (it != table.constEnd()) {
            prefix = it.value();
            continue;
        }
        bits.put(prefix, width);
        if (next < kMaxCodes) {
            table.insert(key, next);
            // The decoder widens its codes when its next code reaches the
            // limit of the current width; it adds its entry one code later
            // than the encoder, which the test against next covers.
            if (next == (1 << width) && width < 12)
                ++width;
            ++next;
        } else {
            bits.put(clearCode, width);
            table.clear();
            width = minCodeSize + 1;
            next = endCode + 1;
        }
        prefix = k;
    }
    bits.put(prefix, width);
    bits.put(endCode, width);
    return bits.finish();
}

}  // namespace gif

namespace {

void putWord(QByteArray& out, int v)
{
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

}  // namespace

QByteArray encodeGif(const QImage& source)
{
    if (source.isNull() || source.width() > 0xFFFF || source.height() > 0xFFFF)
        throw std::runtime_error("cannot encode this image as GIF");
    const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width();
    const int h = argb.height();

    // Palette: exact colours when they fit, Qt's quantisation otherwise.
    bool transparent = false;
    QHash<QRgb, int> lookup;
    QList<QRgb> colours;
    bool exact = true;
    for (int y = 0; y < h && exact; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(row[x]) < 128) {
                transparent = true;
                continue;
            }
            const QRgb c = row[x] | 0xFF000000u;
            if (!lookup.contains(c)) {
                if (colours.size() >= 255) {
                    exact = false;
                    break;
                }
                lookup.insert(c, static_cast<int>(colours.size()));
                colours.append(c);
            }
        }
    }

    std::vector<uint8_t> indexes(static_cast<size_t>(w) * static_cast<size_t>(h));
    int transparentIndex = -1;
    if (exact) {
        if (transparent) {
            transparentIndex = static_cast<int>(colours.size());
            colours.append(qRgb(255, 255, 255));
        }
        for (int y = 0; y < h; ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                const size_t at = static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x);
                indexes[at] = qAlpha(row[x]) < 128 ? static_cast<uint8_t>(transparentIndex)
                                                  : static_cast<uint8_t>(lookup.value(row[x] | 0xFF000000u));
            }
        }
    } else {
        // Too many colours for one table: quantise the opaque picture.
        const QImage opaque = argb.convertToFormat(QImage::Format_RGB32);
        const QImage indexed = opaque.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
        colours = indexed.colorTable();
        for (int y = 0; y < h; ++y) {
            const uchar* row = indexed.constScanLine(y);
            for (int x = 0; x < w; ++x)
                indexes[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] = row[x];
        }
    }

    // The colour table holds 2^(n+1) entries, n from 0 to 7.
    int tableBits = 1;
    while ((1 << tableBits) < colours.size())
        ++tableBits;
    const int minCodeSize = std::max(2, tableBits);

    QByteArray out;
    out.append("GIF89a", 6);
    putWord(out, w);
    putWord(out, h);
    out.append(static_cast<char>(0x80 | ((tableBits - 1) << 4) | (tableBits - 1)));
    out.append('\0');  // background colour index
    out.append('\0');  // pixel aspect ratio: none given
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb c = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
        out.append(static_cast<char>(qRed(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qBlue(c)));
    }
    if (transparentIndex >= 0) {
        const char control[] = {'\x21', '\xF9', '\x04', '\x01', '\0', '\0',
                                static_cast<char>(transparentIndex), '\0'};
        out.append(control, sizeof control);
    }
    out.append('\x2C');
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, w);
    putWord(out, h);
    out.append('\0');  // no local colour table, not interlaced
    out.append(static_cast<char>(minCodeSize));
    const QByteArray data = gif::lzwCompress(indexes, minCodeSize);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype n = std::min<qsizetype>(255, data.size() - at);
        out.append(static_cast<char>(n));
        out.append(data.constData() + at, n);
    }
    out.append('\0');
    out.append('\x3B');
    return out;
}

}  // namespace resources
