#pragma once
// Reading of netpbm greyscale and colour pictures (PGM P2/P5, PPM P3/P6).

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tqjpeg {

// Decodes a PGM (into Format_Grayscale8) or PPM (into Format_RGB888)
// picture; samples of another maximum than 255 are scaled to 0..255.
// Returns a null image and sets `error` when the data is not such a picture.
QImage ReadPnm(const QByteArray& data, QString& error);

}  // namespace tqjpeg
