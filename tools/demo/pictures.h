#pragma once
// Part photos and documents of the demo data folder: rendered product
// pictures for "FotoPeca/", PDF and text attachments for "Anexos/", the filter
// catalogue "FLTRS.PDF" and the help files.

#include "rng.h"
#include "vocabulary.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace demo {

// Size of the catalogue's part photo control.
inline constexpr int kPhotoWidth = 150;
inline constexpr int kPhotoHeight = 77;

// A rendered photo of an assembly: style 0 transmission, 1 axle, 2 pump,
// 3 reservoir, 4 steering gear, 5 bevel box, 6 marine gearbox.
QImage RenderPhoto(int style, Rng rng);

// Writes `image` as a JPEG file; raises platform::Error when it cannot.
void SaveJpeg(const QImage& image, const QString& path, int quality = 90);

// Writes a drawing in the format of its job (JPEG at quality 92, GIF, BMP,
// PNG, or a corrupt file); raises platform::Error when it cannot.
void SaveDrawing(const QImage& image, const QString& path, int format);

// Writes `image` as a GIF file (the picture set's encoder: at most 256
// colours); raises platform::Error when it cannot.
void SaveGif(const QImage& image, const QString& path);

// A PDF document of a few pages: a title, paragraphs and an optional table
// (rows of cells separated by "|").  Raises platform::Error when the file
// cannot be written.  The creation date inside the file is fixed, so the same
// content gives the same bytes.
void WritePdf(const QString& path, const QString& title, const QStringList& paragraphs, const QStringList& tableRows = {});

// A text file (UTF-8, CR LF line ends).
void WriteText(const QString& path, const QStringList& lines);

}  // namespace demo
