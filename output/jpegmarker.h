#pragma once
// The segment writers of the JPEG encoder (cf. libjpeg's jcmarker).  Every
// marker is FF followed by its code; every length field is 16 bits,
// big-endian, and counts itself but not the marker.  Each writer appends to
// the output buffer.

#include "output/jpeghuff.h"
#include "output/jpegtables.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace jpeg {

using Bytes = std::vector<std::uint8_t>;

// Marker codes (the byte after FF).
enum Marker : std::uint8_t {
    SOI = 0xD8,
    EOI = 0xD9,
    SOF0 = 0xC0,
    DHT = 0xC4,
    DQT = 0xDB,
    SOS = 0xDA,
    APP0 = 0xE0,
    COM = 0xFE,
};

// The text of the comment segment every file carries: three lines joined by
// CR LF, 121 bytes.
extern const char kFixedComment[];
constexpr int kFixedCommentLength = 121;

// One component as the frame and scan headers describe it.
struct FrameComponent {
    int id = 0;
    int h = 1;
    int v = 1;
    int quantTable = 0;
    int dcTable = 0;
    int acTable = 0;
};

// A bare marker (SOI, EOI).
void WriteMarker(Bytes& out, std::uint8_t code);
// APP0: JFIF 1.01, no density units, aspect 1:1, no thumbnail (18 bytes).
void WriteJFIFHeader(Bytes& out);
// COM with the given bytes; nothing for an empty text.  The text must be at
// most 65,533 bytes long.
void WriteComment(Bytes& out, std::string_view text);
// DQT with one table of 8-bit entries (zigzag order).
void WriteQuantTable(Bytes& out, int index, const QuantTable& table);
// SOFn (baseline: SOF0) with 8-bit precision.  Width and height must fit in
// 16 bits.
void WriteFrameHeader(Bytes& out, std::uint8_t code, int width, int height,
                      const std::vector<FrameComponent>& components);
// DHT with one table; tableClass 0 is DC, 1 is AC.
void WriteHuffmanTable(Bytes& out, int index, int tableClass, const HuffTable& table);
// SOS for the given components, spectral selection 0..63, no approximation.
void WriteScanHeader(Bytes& out, const std::vector<FrameComponent>& components);

}  // namespace jpeg
