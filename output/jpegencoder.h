#pragma once
// cJpeg - the catalogue's own baseline JPEG encoder: jpeg::Encoder
// (jpegcore.h, the encoder itself, without Qt) with Qt pictures, texts and
// file names, raising its errors as platform::Error.
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

#include "output/jpegcore.h"
#include "output/jpegsample.h"

#include <QByteArray>
#include <QString>
#include <QtGui/qwindowdefs.h>

class QImage;
class QPixmap;

namespace jpeg {
// A view of a Format_Grayscale8 or Format_RGB888 picture (a null area for a
// null picture or another format).  Defined with the encoder's picture
// entry points, in the library that links the graphics library.
PixelArea ImageArea(const QImage& image);
}  // namespace jpeg

class cJpeg {
public:
    // Constant tables, three components sampled 2x2, 1x1, 1x1, quality 75,
    // empty comment, no image.
    cJpeg() = default;

    // A picture of the whole primary screen; a null picture when the
    // program has no screen (no GUI application object).
    QImage CaptureScreen();

    // Quality from 1 to 100; both quantisation tables are rebuilt from it.
    // Any other value is ignored.
    void SetQuality(int vData) { m_encoder.SetQuality(vData); }
    int Quality() const { return m_encoder.Quality(); }

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
    // The bytes SaveFile writes, for a caller that writes the file itself;
    // errors 9 and 6 as SaveFile's.
    QByteArray Encode();

private:
    QImage PictureFromBitmap(const QPixmap& bitmap) const;
    QImage CaptureWindowArea(WId window, bool clientArea, int left, int top, int width, int height);

    jpeg::Encoder m_encoder;
    QString m_comment;
};
