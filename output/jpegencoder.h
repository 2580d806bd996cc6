#pragma once
// cJpeg - the catalogue's own baseline JPEG encoder.
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
// Use: SetSamplingFrequencies and SetQuality (any order), then SampleHDC,
// then SaveFile (as often as wanted, with different names).  The report
// pages use one greyscale component at quality 85.
//
// Errors are raised as platform::Error:
//   1  "Invalid Sampling Value"   SetSamplingFrequencies, nothing changed
//   1  "Illegal Comment Length"   SetComment, the old comment kept
//   9  "Subscript out of range"   SaveFile with no sampled image, no file
//   6  "Overflow"                 SaveFile of a side above 65,535 pixels, or
//                                 SampleHDC of an area whose 24-bit bitmap
//                                 exceeds 2^31 bytes; no file
//   76, 70, 61, 57                SaveFile when the file cannot be written
//                                 (path not found, permission denied, disk
//                                 full, other); no file is left behind
// Every object is independent; objects are not shared between threads.

#include "output/jpeghuff.h"
#include "output/jpegmarker.h"
#include "output/jpegtables.h"

#include <QString>
#include <QtGui/qwindowdefs.h>

#include <array>
#include <cstdint>
#include <vector>

class QImage;
class QPixmap;

namespace jpeg {
struct PixelArea;
}

class cJpeg {
public:
    // Constant tables, three components sampled 2x2, 1x1, 1x1, quality 75,
    // empty comment, no image.
    cJpeg();

    // A picture of the whole primary screen; a null picture when the
    // program has no screen (no GUI application object).
    QImage CaptureScreen();

    // Quality from 1 to 100; both quantisation tables are rebuilt from it.
    // Any other value is ignored.
    void SetQuality(int vData);
    int Quality() const { return m_quality; }

    // Component table: with H2, V2, H3 and V3 all 0 one greyscale component
    // (H = V = 1 whatever H1 and V1 are, but both must be 1..4); otherwise
    // three components (H1, V1), (H2, V2), (H3, V3), every factor 1..4.
    // Drops the sampled image.  Error 1 "Invalid Sampling Value".
    void SetSamplingFrequencies(int H1, int V1, int H2, int V2, int H3, int V3);

    // Samples the lWidth x lHeight area at (lSrcLeft, lSrcTop) of a picture
    // (the page canvas) with the current components and quality.  Pixels
    // outside the picture count as black.  Returns 0 when sampled, 1 when
    // the area is empty or the memory for it is not available; after 1 no
    // image is held, so SaveFile raises error 9.
    int SampleHDC(const QImage& lHDC, int lWidth, int lHeight, int lSrcLeft, int lSrcTop);
    // The same for a picture held as plain pixels (jpegsample.h); this and
    // everything but SampleHDC and the captures need no graphics library
    // (they live in the library tq_jpeg).
    int SamplePixels(const jpeg::PixelArea& picture, int lWidth, int lHeight, int lSrcLeft, int lSrcTop);

    // The caller's comment, written as its own segment (Windows-1252 bytes)
    // before the fixed one.  More than 65,533 characters raises error 1
    // "Illegal Comment Length".
    void SetComment(const QString& Value);
    QString Comment() const { return m_comment; }

    // Writes the sampled image to a new file.  Returns 0 written, 1 empty
    // name, 2 something of that name exists (it is never replaced).  The
    // file appears complete or not at all.  It carries the quantisation
    // tables the image was sampled with.
    int SaveFile(const QString& FileName);

private:
    struct Component {
        jpeg::FrameComponent frame;
        int blocksWide = 0;
        int blocksHigh = 0;
        std::vector<std::int16_t> coefficients;  // 64 a block, zigzag order, raster order
    };
    using Scan = std::vector<int>;  // component indexes

    // Drops the sampled image and takes the new size; false (nothing to
    // sample) for an empty one.  Raises error 6 for a size too large.
    bool BeginSample(int lWidth, int lHeight);
    QImage PictureFromBitmap(const QPixmap& bitmap) const;
    QImage CaptureWindowArea(WId window, bool clientArea, int left, int top, int width, int height);

    std::vector<Scan> GroupScans() const;
    template <typename Visit>
    void VisitScanBlocks(const Scan& scan, Visit&& visit) const;
    void OptimizeHuffmanTables();
    void EncodeScan(jpeg::Bytes& out, const Scan& scan) const;
    void EncodeScans(jpeg::Bytes& out) const;
    std::vector<jpeg::FrameComponent> Frame(const Scan& scan) const;
    bool HasImage() const;

    std::vector<Component> m_components;
    int m_hmax = 1;
    int m_vmax = 1;
    int m_precision = 0;
    int m_width = 0;
    int m_height = 0;
    int m_quality = 0;
    QString m_comment;
    std::array<jpeg::QuantTable, 2> m_quant;
    // The tables the stored coefficients were quantised with.
    std::array<jpeg::QuantTable, 2> m_sampledQuant;
    std::array<jpeg::HuffTable, 2> m_dc;
    std::array<jpeg::HuffTable, 2> m_ac;
};
