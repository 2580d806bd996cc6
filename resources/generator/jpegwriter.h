#pragma once
// Baseline JPEG files for the picture set, written through libjpeg with full
// chroma resolution (4:4:4 sampling): the pictures are mostly small coloured
// captions, which the usual 4:2:0 sampling would fringe.

#include <QByteArray>
#include <QImage>

namespace resources {

// Encodes an image as a baseline JFIF file with optimised Huffman tables.
// The alpha channel, if any, is dropped (composite on white first when it
// matters).  Raises std::runtime_error when libjpeg reports an error.
QByteArray encodeJpeg(const QImage& image, int quality = 92);

}  // namespace resources
