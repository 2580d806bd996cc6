#include "pnm.h"

#include <cctype>
#include <cstdint>
#include <cstring>
#include <new>

namespace tqjpeg {

namespace {

class Parser {
public:
    Parser(const QByteArray& data, qsizetype from)
        : m_p(data.constData() + from), m_end(data.constData() + data.size())
    {
    }

    // Skips blanks and comments, then reads a decimal number.
    bool number(qint64& value)
    {
        for (;;) {
            while (m_p < m_end && std::isspace(static_cast<unsigned char>(*m_p)))
                ++m_p;
            if (m_p < m_end && *m_p == '#') {
                while (m_p < m_end && *m_p != '\n' && *m_p != '\r')
                    ++m_p;
                continue;
            }
            break;
        }
        if (m_p == m_end || !std::isdigit(static_cast<unsigned char>(*m_p)))
            return false;
        value = 0;
        while (m_p < m_end && std::isdigit(static_cast<unsigned char>(*m_p))) {
            value = value * 10 + (*m_p++ - '0');
            if (value > 0x7FFFFFFF)
                return false;
        }
        return true;
    }

    // The single blank between the header and binary data.
    bool blank()
    {
        if (m_p == m_end || !std::isspace(static_cast<unsigned char>(*m_p)))
            return false;
        ++m_p;
        return true;
    }

    const char* pos() const { return m_p; }
    qint64 left() const { return m_end - m_p; }

private:
    const char* m_p;
    const char* m_end;
};

}  // namespace

jpeg::PixelArea ReadPnm(const QByteArray& data, QString& error)
{
    if (data.size() < 2 || data[0] != 'P' || !QByteArray("2356").contains(data[1])) {
        error = QStringLiteral("not a PGM or PPM picture");
        return {};
    }
    const char kind = data[1];
    const bool colour = kind == '3' || kind == '6';
    const bool binary = kind == '5' || kind == '6';

    Parser p(data, 2);
    qint64 width = 0;
    qint64 height = 0;
    qint64 maxval = 0;
    if (!p.number(width) || !p.number(height) || !p.number(maxval) || width < 1 || height < 1
        || maxval < 1 || maxval > 65535) {
        error = QStringLiteral("bad picture header");
        return {};
    }
    if (binary && !p.blank()) {
        error = QStringLiteral("bad picture header");
        return {};
    }

    // The file must hold every sample before anything is allocated: binary
    // samples take one or two bytes, text samples at least a digit and a
    // blank (the last one only its digit).  Width and height are below 2^31,
    // so the sample count fits; the byte count is compared by division.
    const int channels = colour ? 3 : 1;
    const qint64 rowSamples = width * channels;
    const int bytesPerSample = maxval > 255 ? 2 : 1;
    const qint64 needPerRow = binary ? rowSamples * bytesPerSample : rowSamples * 2;
    if (height > (p.left() + (binary ? 0 : 1)) / needPerRow) {
        error = QStringLiteral("picture data is truncated");
        return {};
    }

    const auto* raw = reinterpret_cast<const std::uint8_t*>(p.pos());
    if (binary && maxval == 255)
        return jpeg::PixelArea::View(raw, int(width), int(height), rowSamples, !colour);
    jpeg::PixelArea image;
    try {
        image = jpeg::PixelArea::Allocate(int(width), int(height), !colour);
    } catch (const std::bad_alloc&) {
        error = QStringLiteral("picture too large");
        return {};
    }
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = image.scanLine(y);
        for (qint64 i = 0; i < rowSamples; ++i) {
            qint64 v = 0;
            if (!binary) {
                if (!p.number(v)) {
                    error = QStringLiteral("picture data is truncated or malformed");
                    return {};
                }
            } else if (bytesPerSample == 2) {
                v = (raw[0] << 8) | raw[1];
                raw += 2;
            } else {
                v = *raw++;
            }
            if (v > maxval) {
                error = QStringLiteral("sample above the maximum value");
                return {};
            }
            row[i] = static_cast<std::uint8_t>(maxval == 255 ? v : (v * 255 + maxval / 2) / maxval);
        }
    }
    return image;
}

}  // namespace tqjpeg
