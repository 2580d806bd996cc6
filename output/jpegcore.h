#pragma once
// jpeg::Encoder - the baseline JPEG encoder itself, without Qt.
//
// Writes one JFIF 1.01 file of baseline sequential DCT with Huffman coding
// and 8-bit samples: one greyscale component or three YCbCr components with
// sampling factors from 1 to 4, Huffman tables optimised for the very image.
// The pipeline, one stage per file:
//   jpegsample  area of a picture -> (averaging scaled copy) -> colour
//               conversion -> 8x8 blocks, last column and row repeated
//   jpegdct     floating-point AAN transform -> quantisation, zigzag order
//   jpeghuff    symbol statistics -> optimal tables -> block coding -> bit
//               writer with 00 after every FF
//   jpegmarker  SOI, APP0, COM, DQT, SOF0, DHT, SOS, EOI
//   newfile     the file, written beside and moved into place
//
// The catalogue uses it through cJpeg (jpegencoder.h), which takes Qt
// pictures and names and raises platform::Error; tqjpeg uses it directly.
// Errors are raised as jpeg::Failure, with the run time's numbers and texts
// (the list is cJpeg's).  Every object is independent; objects are not
// shared between threads.

#include "output/jpeghuff.h"
#include "output/jpegsample.h"
#include "output/jpegmarker.h"
#include "output/jpegtables.h"

#include <array>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

namespace jpeg {

struct PixelArea;

// A run-time error of the encoder: its number, its text and the routine
// that raised it (empty for the errors of writing a file).
class Failure : public std::exception {
public:
    Failure(long number, std::string description, std::string source = {})
        : m_number(number), m_description(std::move(description)), m_source(std::move(source))
    {
    }
    long number() const noexcept { return m_number; }
    const std::string& description() const noexcept { return m_description; }
    const std::string& source() const noexcept { return m_source; }
    const char* what() const noexcept override { return m_description.c_str(); }

private:
    long m_number;
    std::string m_description;
    std::string m_source;
};

class Encoder {
public:
    // Constant tables, three components sampled 2x2, 1x1, 1x1, quality 75,
    // empty comment, no image.
    Encoder();

    // Quality from 1 to 100; both quantisation tables are rebuilt from it.
    // Any other value is ignored.
    void SetQuality(int quality);
    int Quality() const { return m_quality; }

    // Component table: with H2, V2, H3 and V3 all 0 one greyscale component
    // (H = V = 1 whatever H1 and V1 are, but both must be 1..4); otherwise
    // three components (H1, V1), (H2, V2), (H3, V3), every factor 1..4.
    // Drops the sampled image.  Error 1 "Invalid Sampling Value".
    void SetSamplingFrequencies(int H1, int V1, int H2, int V2, int H3, int V3);

    // Samples the width x height area at (left, top) of a picture with the
    // current components and quality.  Pixels outside the picture count as
    // black.  Returns 0 when sampled, 1 when the area is empty or the memory
    // for it is not available; after 1 no image is held.  Error 6 "Overflow"
    // for an area whose 24-bit bitmap exceeds 2^31 bytes.
    int SamplePixels(const PixelArea& picture, int width, int height, int left, int top);

    // The comment, written as it is as its own segment before the fixed one.
    // More than 65,533 bytes raises error 1 "Illegal Comment Length" and
    // keeps the old comment.
    void SetComment(std::string bytes);
    const std::string& Comment() const { return m_comment; }

    // The whole file of the sampled image, with the quantisation tables it
    // was sampled with.  Error 9 "Subscript out of range" with no sampled
    // image, 6 "Overflow" for a side above 65,535 pixels.
    Bytes Encode();

    // Writes Encode()'s file to a new file (the name as the system takes
    // it).  Returns 0 written, 1 empty name, 2 something of that name
    // exists (it is never replaced).  The file appears complete or not at
    // all.  Besides Encode()'s errors: 76, 70, 61, 52, 57 when the file
    // cannot be written (newfile.h); no file is left behind.
    int SaveFile(const std::string& fileName);

private:
    struct Component {
        FrameComponent frame;
        int blocksWide = 0;
        int blocksHigh = 0;
        Coefficients coefficients;  // 64 a block, zigzag order, raster order
    };
    using Scan = std::vector<int>;  // component indexes

    // Drops the sampled image and takes the new size; false (nothing to
    // sample) for an empty one.  Raises error 6 for a size too large.
    bool BeginSample(int width, int height);

    std::vector<Scan> GroupScans() const;
    template <typename Visit>
    void VisitScanBlocks(const Scan& scan, Visit&& visit) const;
    void OptimizeHuffmanTables();
    void EncodeScan(Bytes& out, const Scan& scan) const;
    void EncodeScans(Bytes& out) const;
    std::vector<FrameComponent> Frame(const Scan& scan) const;
    bool HasImage() const;

    std::vector<Component> m_components;
    int m_hmax = 1;
    int m_vmax = 1;
    int m_precision = 0;
    int m_width = 0;
    int m_height = 0;
    int m_quality = 0;
    std::string m_comment;
    std::array<QuantTable, 2> m_quant;
    // The tables the stored coefficients were quantised with.
    std::array<QuantTable, 2> m_sampledQuant;
    std::array<HuffTable, 2> m_dc;
    std::array<HuffTable, 2> m_ac;
};

}  // namespace jpeg
