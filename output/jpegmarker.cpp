#include "output/jpegmarker.h"

#include <cassert>

namespace jpeg {

const char kFixedComment[] =
    "Baseline sequential JPEG, 8-bit samples\r\n"
    "Huffman tables optimised for this image.\r\n"
    "Written by the parts catalogue encoder";
static_assert(sizeof(kFixedComment) - 1 == kFixedCommentLength);

namespace {

void Put16(Bytes& out, int value)
{
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

// Starts a segment: marker and a length to be filled in by EndSegment.
std::size_t BeginSegment(Bytes& out, std::uint8_t code)
{
    WriteMarker(out, code);
    const std::size_t start = out.size();
    Put16(out, 0);
    return start;
}

void EndSegment(Bytes& out, std::size_t lengthAt)
{
    const std::size_t length = out.size() - lengthAt;
    assert(length <= 0xFFFF);
    out[lengthAt] = static_cast<std::uint8_t>(length >> 8);
    out[lengthAt + 1] = static_cast<std::uint8_t>(length & 0xFF);
}

}  // namespace

void WriteMarker(Bytes& out, std::uint8_t code)
{
    out.push_back(0xFF);
    out.push_back(code);
}

void WriteJFIFHeader(Bytes& out)
{
    const std::size_t at = BeginSegment(out, APP0);
    for (char c : {'J', 'F', 'I', 'F', '\0'})
        out.push_back(static_cast<std::uint8_t>(c));
    out.push_back(1);  // version 1.01
    out.push_back(1);
    out.push_back(0);  // no units: the densities give the aspect ratio
    Put16(out, 1);
    Put16(out, 1);
    out.push_back(0);  // no thumbnail
    out.push_back(0);
    EndSegment(out, at);
}

void WriteComment(Bytes& out, std::string_view text)
{
    if (text.empty())
        return;
    const std::size_t at = BeginSegment(out, COM);
    out.insert(out.end(), text.begin(), text.end());
    EndSegment(out, at);
}

void WriteQuantTable(Bytes& out, int index, const QuantTable& table)
{
    const std::size_t at = BeginSegment(out, DQT);
    out.push_back(static_cast<std::uint8_t>(index));  // 8-bit entries
    for (std::uint16_t q : table.entries)
        out.push_back(static_cast<std::uint8_t>(q));
    EndSegment(out, at);
}

void WriteFrameHeader(Bytes& out, std::uint8_t code, int width, int height,
                      const std::vector<FrameComponent>& components)
{
    const std::size_t at = BeginSegment(out, code);
    out.push_back(8);
    Put16(out, height);
    Put16(out, width);
    out.push_back(static_cast<std::uint8_t>(components.size()));
    for (const FrameComponent& c : components) {
        out.push_back(static_cast<std::uint8_t>(c.id));
        out.push_back(static_cast<std::uint8_t>(c.h * 16 + c.v));
        out.push_back(static_cast<std::uint8_t>(c.quantTable));
    }
    EndSegment(out, at);
}

void WriteHuffmanTable(Bytes& out, int index, int tableClass, const HuffTable& table)
{
    const std::size_t at = BeginSegment(out, DHT);
    out.push_back(static_cast<std::uint8_t>(tableClass * 16 + index));
    for (int l = 1; l <= 16; ++l)
        out.push_back(table.bits[l]);
    out.insert(out.end(), table.huffval.begin(), table.huffval.end());
    EndSegment(out, at);
}

void WriteScanHeader(Bytes& out, const std::vector<FrameComponent>& components)
{
    const std::size_t at = BeginSegment(out, SOS);
    out.push_back(static_cast<std::uint8_t>(components.size()));
    for (const FrameComponent& c : components) {
        out.push_back(static_cast<std::uint8_t>(c.id));
        out.push_back(static_cast<std::uint8_t>(c.dcTable * 16 + c.acTable));
    }
    out.push_back(0);   // Ss
    out.push_back(63);  // Se
    out.push_back(0);   // Ah/Al
    EndSegment(out, at);
}

}  // namespace jpeg
