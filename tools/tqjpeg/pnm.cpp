#include "pnm.h"

#include <cctype>
#include <cstdint>
#include <new>

namespace tqjpeg {

namespace {

class Parser {
public:
    Parser(std::string_view data, std::size_t from) : m_p(data.data() + from), m_end(data.data() + data.size())
    {
    }

    // Skips blanks and comments, then reads a decimal number.
    bool number(std::int64_t& value)
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
    std::int64_t left() const { return m_end - m_p; }

private:
    const char* m_p;
    const char* m_end;
};

}  // namespace

jpeg::PixelArea ReadPnm(std::string_view data, std::string& error)
{
    if (data.size() < 2 || data[0] != 'P' || std::string_view("2356").find(data[1]) == std::string_view::npos) {
        error = "not a PGM or PPM picture";
        return {};
    }
    const char kind = data[1];
    const bool colour = kind == '3' || kind == '6';
    const bool binary = kind == '5' || kind == '6';

    Parser p(data, 2);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::int64_t maxval = 0;
    if (!p.number(width) || !p.number(height) || !p.number(maxval) || width < 1 || height < 1
        || maxval < 1 || maxval > 65535) {
        error = "bad picture header";
        return {};
    }
    if (binary && !p.blank()) {
        error = "bad picture header";
        return {};
    }

    // The file must hold every sample before anything is allocated: binary
    // samples take one or two bytes, text samples at least a digit and a
    // blank (the last one only its digit).  Width and height are below 2^31,
    // so the sample count fits; the byte count is compared by division.
    const int channels = colour ? 3 : 1;
    const std::int64_t rowSamples = width * channels;
    const int bytesPerSample = maxval > 255 ? 2 : 1;
    const std::int64_t needPerRow = binary ? rowSamples * bytesPerSample : rowSamples * 2;
    if (height > (p.left() + (binary ? 0 : 1)) / needPerRow) {
        error = "picture data is truncated";
        return {};
    }

    const auto* raw = reinterpret_cast<const std::uint8_t*>(p.pos());
    if (binary && maxval == 255)
        return jpeg::PixelArea::View(raw, int(width), int(height), rowSamples, !colour);
    jpeg::PixelArea image;
    try {
        image = jpeg::PixelArea::Allocate(int(width), int(height), !colour);
    } catch (const std::bad_alloc&) {
        error = "picture too large";
        return {};
    }
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = image.scanLine(y);
        for (std::int64_t i = 0; i < rowSamples; ++i) {
            std::int64_t v = 0;
            if (!binary) {
                if (!p.number(v)) {
                    error = "picture data is truncated or malformed";
                    return {};
                }
            } else if (bytesPerSample == 2) {
                v = (raw[0] << 8) | raw[1];
                raw += 2;
            } else {
                v = *raw++;
            }
            if (v > maxval) {
                error = "sample above the maximum value";
                return {};
            }
            row[i] = static_cast<std::uint8_t>(maxval == 255 ? v : (v * 255 + maxval / 2) / maxval);
        }
    }
    return image;
}

}  // namespace tqjpeg
