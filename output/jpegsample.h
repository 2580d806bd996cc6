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

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

namespace jpeg {

// Memory for the encoder's large working arrays (scaled copies and
// coefficients, megabytes for a photograph).  Areas of 2 MB and more are
// mapped from the system in whole huge pages where it offers them: a fresh
// area then costs a few page faults instead of one every 4 KB, which is
// most of the time a one-shot encoding spends outside the transform.
// Smaller areas come from the heap.  AllocateWork throws std::bad_alloc;
// FreeWork takes the size that was asked for.
void* AllocateWork(std::size_t bytes);
void FreeWork(void* p, std::size_t bytes) noexcept;

template <typename T>
struct WorkAllocator {
    using value_type = T;
    WorkAllocator() = default;
    template <typename U>
    WorkAllocator(const WorkAllocator<U>&) noexcept {}
    T* allocate(std::size_t n)
    {
        if (n > std::size_t(-1) / sizeof(T))
            throw std::bad_alloc();
        return static_cast<T*>(AllocateWork(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept { FreeWork(p, n * sizeof(T)); }
    template <typename U>
    bool operator==(const WorkAllocator<U>&) const noexcept { return true; }
};

// The quantised coefficients of a component: 64 a block, zigzag order.
using Coefficients = std::vector<std::int16_t, WorkAllocator<std::int16_t>>;

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

// A rectangle of 8-bit pixels, one byte a pixel (grey) or three (R, G, B),
// rows `stride` bytes apart.  It either owns its pixels or is a read-only
// view into a picture it must not outlive.  The encoder needs no graphics
// library, nor Qt at all: a program that only encodes (tqjpeg) starts
// without them.
struct PixelArea {
    const std::uint8_t* pixels = nullptr;
    int w = 0;
    int h = 0;
    std::ptrdiff_t stride = 0;
    bool gray = false;
    std::shared_ptr<std::uint8_t[]> owned;  // the pixels, when not a view

    // Uninitialised pixels of a new area; throws std::bad_alloc.
    static PixelArea Allocate(int width, int height, bool gray);
    // A view of pixels kept elsewhere.
    static PixelArea View(const std::uint8_t* pixels, int width, int height, std::ptrdiff_t stride, bool gray);

    int width() const { return w; }
    int height() const { return h; }
    bool isGray() const { return gray; }
    bool isNull() const { return pixels == nullptr; }
    int bytesPerPixel() const { return gray ? 1 : 3; }
    const std::uint8_t* constScanLine(int y) const { return pixels + y * stride; }
    std::uint8_t* scanLine(int y) { return owned.get() + y * stride; }
};

// The area (left, top, width, height) of a picture: a view when it lies
// wholly inside, else a 1:1 copy, black where the area lies outside the
// picture (all of it for a null picture).  Throws std::bad_alloc when the
// memory for the copy is not available.
PixelArea TakeArea(const PixelArea& source, int left, int top, int width, int height);

// An averaging scaled copy into a size no larger than the area's: every
// output pixel is the mean of the source pixels it covers, each weighted by
// the part of it that is covered, rounded to the nearest integer.  Throws
// std::bad_alloc when the memory is not available.
PixelArea ScaledCopy(const PixelArea& area, int width, int height);

// Samples all blocks of a component from its pixels (raster order, top block
// row first), quantising each with `table` into `store` (64 coefficients a
// block, zigzag order).  The store is sized to blocksWide x blocksHigh
// blocks, which must cover the raster.
void SampleComponent(const PixelArea& raster, const ColorRow& conversion, const QuantTable& table,
                     int blocksWide, int blocksHigh, Coefficients& store);

}  // namespace jpeg
