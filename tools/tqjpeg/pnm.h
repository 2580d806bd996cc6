#pragma once
// Reading of netpbm greyscale and colour pictures (PGM P2/P5, PPM P3/P6).

#include "output/jpegsample.h"

#include <string>
#include <string_view>

namespace tqjpeg {

// Decodes a PGM (one byte a pixel) or PPM (three) picture from the bytes of
// its file; samples of another maximum than 255 are scaled to 0..255.
// Binary samples of maximum 255 are read in place: the picture is then a view into `data`, which must
// outlive it.  Returns a null picture and sets `error` when the data is not
// such a picture (or its memory is not available).
jpeg::PixelArea ReadPnm(std::string_view data, std::string& error);

}  // namespace tqjpeg
