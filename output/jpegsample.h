#pragma once
// The sampling stage of the JPEG encoder (cf. libjpeg's jccolor and
// jcsample): takes a rectangle of a picture as 8-bit pixels, makes the
// averaging scaled copy a subsampled component needs, converts pixels to
// component samples and runs every 8x8 block through the transform and the
// quantiser.
//
// A component of cw x ch samples is stored as whole blocks: its last sample
// column and row are repeated up to the next multiple of 8.

#include "output/jpegtables.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace jpeg {

// The colour conversion of one component:
// sample = R * r + G * g + B * b + offset, stored in single precision.
struct ColorRow {
    double r;
    double g;
    double b;
    double offset;
};
// Y (also the greyscale component, level-shifted by -128), Cb and Cr.
extern const ColorRow kLuminance;
extern const ColorRow kChromaBlue;
extern const ColorRow kChromaRed;

// A rectangle of 8-bit pixels, Format_Grayscale8 or Format_RGB888.  It may
// be a read-only view into the source picture, so it must not outlive it.
struct PixelArea {
    QImage image;

    int width() const { return image.width(); }
    int height() const { return image.height(); }
    bool isGray() const { return image.format() == QImage::Format_Grayscale8; }
    bool isNull() const { return image.isNull(); }
};

// The area (left, top, width, height) of a picture: a 1:1 copy, black where
// the area lies outside the picture (all of it for a null picture).  Grey
// pictures stay grey, every other format becomes 24-bit RGB.  A null result
// means the memory for the copy was not available.
PixelArea TakeArea(const QImage& source, int left, int top, int width, int height);

// An averaging scaled copy into a size no larger than the area's: every
// output pixel is the mean of the source pixels it covers, each weighted by
// the part of it that is covered, rounded to the nearest integer.
PixelArea ScaledCopy(const PixelArea& area, int width, int height);

// Samples all blocks of a component from its pixels (raster order, top block
// row first), quantising each with `table` into `store` (64 coefficients a
// block, zigzag order).  The store is sized to blocksWide x blocksHigh
// blocks, which must cover the raster.
void SampleComponent(const PixelArea& raster, const ColorRow& conversion, const QuantTable& table,
                     int blocksWide, int blocksHigh, std::vector<std::int16_t>& store);

}  // namespace jpeg
