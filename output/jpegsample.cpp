#include "output/jpegsample.h"

#include "output/jpegdct.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include <sys/mman.h>

namespace jpeg {

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;

// Under the address sanitizer every area comes from the heap, where it
// guards the bounds.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMapLargeAreas = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kMapLargeAreas = false;
#else
constexpr bool kMapLargeAreas = true;
#endif
#else
constexpr bool kMapLargeAreas = true;
#endif

bool Mapped(std::size_t bytes) { return kMapLargeAreas && bytes >= kHugePage; }

std::size_t WholePages(std::size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage; }

}  // namespace

void* AllocateWork(std::size_t bytes)
{
    if (!Mapped(bytes))
        return ::operator new(bytes);
    if (bytes > std::size_t(-1) - 2 * kHugePage)
        throw std::bad_alloc();
    // One huge page more than needed, then the ends cut off so that the
    // area starts on a huge-page boundary.
    const std::size_t length = WholePages(bytes);
    void* p = ::mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(p);
    const std::uintptr_t aligned = (start + kHugePage - 1) & ~std::uintptr_t(kHugePage - 1);
    if (aligned > start)
        ::munmap(p, aligned - start);
    if (const std::size_t tail = kHugePage - (aligned - start))
        ::munmap(reinterpret_cast<void*>(aligned + length), tail);
    ::madvise(reinterpret_cast<void*>(aligned), length, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
}

void FreeWork(void* p, std::size_t bytes) noexcept
{
    if (!p)
        return;
    if (Mapped(bytes))
        ::munmap(p, WholePages(bytes));
    else
        ::operator delete(p);
}

const ColorRow kLuminance{0.299, 0.587, 0.114, -128.0};
const ColorRow kChromaBlue{-0.16874, -0.33126, 0.5, 0.0};
const ColorRow kChromaRed{0.5, -0.41869, -0.08131, 0.0};

PixelArea PixelArea::Allocate(int width, int height, bool gray)
{
    PixelArea area;
    area.w = width;
    area.h = height;
    area.gray = gray;
    area.stride = std::ptrdiff_t(width) * area.bytesPerPixel();
    const std::size_t bytes = std::size_t(area.stride) * std::size_t(height);
    area.owned = std::shared_ptr<std::uint8_t[]>(static_cast<std::uint8_t*>(AllocateWork(bytes)),
                                                 [bytes](std::uint8_t* p) { FreeWork(p, bytes); });
    area.pixels = area.owned.get();
    return area;
}

PixelArea PixelArea::View(const std::uint8_t* pixels, int width, int height, std::ptrdiff_t stride, bool gray)
{
    PixelArea area;
    area.pixels = pixels;
    area.w = width;
    area.h = height;
    area.stride = stride;
    area.gray = gray;
    return area;
}

PixelArea TakeArea(const PixelArea& source, int left, int top, int width, int height)
{
    const bool gray = !source.isNull() && source.isGray();
    const int bytesPerPixel = gray ? 1 : 3;

    // The part of the area inside the picture, in 64 bits: an origin far
    // outside must not overflow.
    const std::int64_t x0 = std::max<std::int64_t>(left, 0);
    const std::int64_t y0 = std::max<std::int64_t>(top, 0);
    const std::int64_t x1 = std::min<std::int64_t>(std::int64_t(left) + width, source.width());
    const std::int64_t y1 = std::min<std::int64_t>(std::int64_t(top) + height, source.height());
    const bool whollyInside = x0 == left && y0 == top && x1 - x0 == width && y1 - y0 == height;

    if (whollyInside && !source.isNull()) {
        // Read the picture in place: no copy for the common case of a whole page.
        return PixelArea::View(source.constScanLine(top) + std::size_t(left) * bytesPerPixel, width, height,
                               source.stride, gray);
    }

    PixelArea area = PixelArea::Allocate(width, height, gray);
    std::memset(area.owned.get(), 0, std::size_t(area.stride) * std::size_t(height));
    if (x1 <= x0 || y1 <= y0)
        return area;
    const std::size_t rowBytes = std::size_t(x1 - x0) * bytesPerPixel;
    const std::size_t dx = std::size_t(x0 - left) * bytesPerPixel;
    for (std::int64_t y = y0; y < y1; ++y)
        std::memcpy(area.scanLine(int(y - top)) + dx, source.constScanLine(int(y)) + std::size_t(x0) * bytesPerPixel, rowBytes);
    return area;
}

namespace {

// The source pixels one output pixel covers along one axis, with integer
// weights: output pixel i covers [i * s, (i + 1) * s) and source pixel j
// covers [j * d, (j + 1) * d) in units of 1 / d source pixels; the weight
// of j is the length of the overlap.  The weights of one output pixel sum
// to s.
struct Span {
    int first = 0;
    int count = 0;
    int weightsAt = 0;
};

struct Axis {
    std::vector<Span> spans;
    std::vector<std::uint32_t> weights;
};

Axis MakeAxis(int source, int dest)
{
    Axis axis;
    axis.spans.resize(dest);
    const std::int64_t s = source;
    const std::int64_t d = dest;
    for (int i = 0; i < dest; ++i) {
        const std::int64_t begin = i * s;
        const std::int64_t end = begin + s;
        Span& span = axis.spans[i];
        span.first = static_cast<int>(begin / d);
        span.weightsAt = static_cast<int>(axis.weights.size());
        for (std::int64_t j = span.first; j * d < end && j < source; ++j) {
            const std::int64_t lo = std::max(begin, j * d);
            const std::int64_t hi = std::min(end, (j + 1) * d);
            axis.weights.push_back(static_cast<std::uint32_t>(hi - lo));
            ++span.count;
        }
    }
    return axis;
}

}  // namespace

namespace {

// Both passes of the scaled copy for one sum type: 32 bits while the
// largest weighted sum (255 * source width * source height) fits, else 64.
template <typename Sum, int Channels>
void ScaleInto(const PixelArea& area, const Axis& ax, const Axis& ay, PixelArea& result)
{
    const int width = result.width();
    const int height = result.height();
    const std::uint64_t total = std::uint64_t(area.width()) * std::uint64_t(area.height());
    // value = sum / total rounded half up.  Multiplying by the reciprocal
    // is off by far less than 2^-40 while a sum that is not a tie lies at
    // least 1 / (2 * total) >= 2^-33 from one, so the small bias only
    // settles exact ties upwards.
    const double reciprocal = 1.0 / static_cast<double>(total);
    constexpr double kTieBias = 0.5 + 1.0 / (1ull << 40);

    // Horizontal sums of one source row, kept while consecutive output rows
    // share it.
    std::vector<Sum> rowSums(std::size_t(width) * Channels);
    std::vector<Sum> acc(std::size_t(width) * Channels);
    int summedRow = -1;

    auto sumRow = [&](int y) {
        if (y == summedRow)
            return;
        const std::uint8_t* src = area.constScanLine(y);
        Sum* out = rowSums.data();
        for (int x = 0; x < width; ++x) {
            const Span& span = ax.spans[x];
            const std::uint32_t* w = ax.weights.data() + span.weightsAt;
            const std::uint8_t* p = src + std::size_t(span.first) * Channels;
            Sum s[Channels] = {};
            for (int k = 0; k < span.count; ++k, p += Channels)
                for (int c = 0; c < Channels; ++c)
                    s[c] += Sum(w[k]) * p[c];
            for (int c = 0; c < Channels; ++c)
                *out++ = s[c];
        }
        summedRow = y;
    };

    const std::size_t n = acc.size();
    for (int y = 0; y < height; ++y) {
        const Span& span = ay.spans[y];
        for (int k = 0; k < span.count; ++k) {
            sumRow(span.first + k);
            const Sum w = ay.weights[span.weightsAt + k];
            Sum* a = acc.data();
            const Sum* r = rowSums.data();
            if (k == 0) {
                for (std::size_t i = 0; i < n; ++i)
                    a[i] = w * r[i];
            } else {
                for (std::size_t i = 0; i < n; ++i)
                    a[i] += w * r[i];
            }
        }
        std::uint8_t* dst = result.scanLine(y);
        for (std::size_t i = 0; i < n; ++i)
            dst[i] = static_cast<std::uint8_t>(static_cast<double>(acc[i]) * reciprocal + kTieBias);
    }
}

// The usual case of whole ratios (each output pixel covers kx by ky source
// pixels, all weighing the same): plain sums and a table of rounded means.
template <int Channels, int KX>
void ScaleWholeRatio(const PixelArea& area, int ky, PixelArea& result)
{
    const int width = result.width();
    const int height = result.height();
    const int count = KX * ky;
    std::vector<std::uint8_t> mean(std::size_t(255) * count + 1);
    for (std::size_t sum = 0; sum < mean.size(); ++sum)
        mean[sum] = static_cast<std::uint8_t>((2 * sum + count) / (2 * count));  // half up

    const std::size_t n = std::size_t(width) * Channels;
    std::vector<std::uint16_t> acc(n);
    for (int y = 0; y < height; ++y) {
        std::fill(acc.begin(), acc.end(), 0);
        for (int k = 0; k < ky; ++k) {
            const std::uint8_t* src = area.constScanLine(y * ky + k);
            std::uint16_t* a = acc.data();
            for (int x = 0; x < width; ++x, a += Channels, src += KX * Channels) {
                for (int c = 0; c < Channels; ++c) {
                    unsigned sum = 0;
                    for (int j = 0; j < KX; ++j)
                        sum += src[j * Channels + c];
                    a[c] = static_cast<std::uint16_t>(a[c] + sum);
                }
            }
        }
        std::uint8_t* dst = result.scanLine(y);
        for (std::size_t i = 0; i < n; ++i)
            dst[i] = mean[acc[i]];
    }
}

template <int Channels>
void ScaleWholeRatio(const PixelArea& area, int kx, int ky, PixelArea& result)
{
    switch (kx) {
    case 1: ScaleWholeRatio<Channels, 1>(area, ky, result); break;
    case 2: ScaleWholeRatio<Channels, 2>(area, ky, result); break;
    case 3: ScaleWholeRatio<Channels, 3>(area, ky, result); break;
    default: ScaleWholeRatio<Channels, 4>(area, ky, result); break;
    }
}

}  // namespace

PixelArea ScaledCopy(const PixelArea& area, int width, int height)
{
    PixelArea result = PixelArea::Allocate(width, height, area.isGray());

    if (area.width() % width == 0 && area.height() % height == 0) {
        const int kx = area.width() / width;
        const int ky = area.height() / height;
        if (kx <= 4 && ky <= 4) {
            if (area.isGray())
                ScaleWholeRatio<1>(area, kx, ky, result);
            else
                ScaleWholeRatio<3>(area, kx, ky, result);
            return result;
        }
    }

    const Axis ax = MakeAxis(area.width(), width);
    const Axis ay = MakeAxis(area.height(), height);
    const bool narrow = 255ull * std::uint64_t(area.width()) * std::uint64_t(area.height()) <= 0xFFFFFFFFull;
    if (area.isGray()) {
        if (narrow)
            ScaleInto<std::uint32_t, 1>(area, ax, ay, result);
        else
            ScaleInto<std::uint64_t, 1>(area, ax, ay, result);
    } else {
        if (narrow)
            ScaleInto<std::uint32_t, 3>(area, ax, ay, result);
        else
            ScaleInto<std::uint64_t, 3>(area, ax, ay, result);
    }
    return result;
}

void SampleComponent(const PixelArea& raster, const ColorRow& conversion, const QuantTable& table,
                     int blocksWide, int blocksHigh, Coefficients& store)
{
    // The conversion as lookup tables.  Products and sums are carried in
    // double precision and the sample is stored in single precision: a grey
    // pixel v then gives exactly v - 128, where single-precision sums would
    // be off by an ulp and tip coefficients that lie on a rounding tie.
    std::array<double, 256> tr;
    std::array<double, 256> tg;
    std::array<double, 256> tb;
    std::array<float, 256> grey;
    for (int v = 0; v < 256; ++v) {
        tr[v] = v * conversion.r;
        tg[v] = v * conversion.g;
        tb[v] = v * conversion.b;
        grey[v] = static_cast<float>(((tr[v] + tg[v]) + tb[v]) + conversion.offset);
    }

    const int width = raster.width();
    const int height = raster.height();
    const bool isGray = raster.isGray();
    const int paddedWidth = blocksWide * 8;
    store.resize(std::size_t(blocksWide) * blocksHigh * 64);

    // Eight rows of samples, each extended to whole blocks by repeating its
    // last sample.
    std::vector<float> rows(std::size_t(paddedWidth) * 8);
    alignas(32) float block[64];
    std::int16_t* out = store.data();
    for (int by = 0; by < blocksHigh; ++by) {
        for (int r = 0; r < 8; ++r) {
            const std::uint8_t* src = raster.constScanLine(std::min(by * 8 + r, height - 1));
            float* dst = rows.data() + std::size_t(r) * paddedWidth;
            if (isGray) {
                for (int x = 0; x < width; ++x)
                    dst[x] = grey[src[x]];
            } else {
                for (int x = 0; x < width; ++x, src += 3)
                    dst[x] = static_cast<float>(((tr[src[0]] + tg[src[1]]) + tb[src[2]]) + conversion.offset);
            }
            std::fill(dst + width, dst + paddedWidth, dst[width - 1]);
        }
        for (int bx = 0; bx < blocksWide; ++bx) {
            for (int r = 0; r < 8; ++r)
                std::memcpy(block + r * 8, rows.data() + std::size_t(r) * paddedWidth + bx * 8, 8 * sizeof(float));
            ForwardDCT(block);
            QuantizeBlock(block, table, out);
            out += 64;
        }
    }
}

}  // namespace jpeg
