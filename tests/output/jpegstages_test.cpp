// The stages of the JPEG encoder on their own: quantisation tables,
// transform, sampling, Huffman tables and the bit writer.

#include "output/jpegdct.h"
#include "output/jpegencoder.h"
#include "output/jpeghuff.h"
#include "output/jpegsample.h"
#include "output/jpegtables.h"

#include <QImage>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <numeric>
#include <random>

using namespace jpeg;

// ---------------------------------------------------------------------------
// Quantisation tables

TEST(JpegQuantTables, ScaleFactorRoundsHalfToEvenBelowQuality50)
{
    struct Row { int quality; int scale; };
    const Row rows[] = {{1, 5000}, {3, 1667}, {16, 312}, {48, 104}, {49, 102}, {50, 100}, {75, 50}, {85, 30}, {100, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.quality);
        EXPECT_EQ(QualityScaleFactor(row.quality), row.scale);
    }
}

TEST(JpegQuantTables, EntriesAtTheQualitiesTheEncoderIsKnownBy)
{
    // Quality 1: everything clamps to 255; quality 100: everything to 1.
    for (std::uint16_t q : ScaledQuantEntries(kBaseLuminance, 1))
        EXPECT_EQ(q, 255);
    for (std::uint16_t q : ScaledQuantEntries(kBaseChrominance, 100))
        EXPECT_EQ(q, 1);

    // Quality 50: B + 0.5 goes to the even neighbour, so odd entries grow by one.
    const auto q50 = ScaledQuantEntries(kBaseLuminance, 50);
    for (int n = 0; n < 64; ++n) {
        const int base = kBaseLuminance[n];
        EXPECT_EQ(q50[kZigzag[n]], base % 2 ? base + 1 : base) << "position " << n;
    }
    EXPECT_EQ(q50[kZigzag[1 * 8 + 2]], 14);  // base entry 13

    EXPECT_EQ(ScaledQuantEntries(kBaseLuminance, 75)[0], 8);  // 8.5 to even
    EXPECT_EQ(ScaledQuantEntries(kBaseLuminance, 85)[0], 5);
    EXPECT_EQ(ScaledQuantEntries(kBaseChrominance, 85)[0], 6);

    // Quality 85, the report pages' setting, in full (natural order).
    const std::uint16_t luminance85[64] = {
        5,  4,  4,  5,  8,  12, 16, 19, 4,  4,  5,  6,  8,  18, 18, 17,
        5,  4,  5,  8,  12, 18, 21, 17, 5,  6,  7,  9,  16, 27, 24, 19,
        6,  7,  12, 17, 21, 33, 31, 24, 8,  11, 17, 20, 25, 32, 34, 28,
        15, 20, 24, 27, 31, 37, 36, 31, 22, 28, 29, 30, 34, 30, 31, 30,
    };
    const auto q85 = ScaledQuantEntries(kBaseLuminance, 85);
    for (int n = 0; n < 64; ++n)
        EXPECT_EQ(q85[kZigzag[n]], luminance85[n]) << "position " << n;
}

TEST(JpegQuantTables, ZigzagOrderAndDivisors)
{
    EXPECT_EQ(kZigzag[0 * 8 + 1], 1);
    EXPECT_EQ(kZigzag[1 * 8 + 0], 2);
    EXPECT_EQ(kZigzag[2 * 8 + 0], 3);
    EXPECT_EQ(kZigzag[7 * 8 + 7], 63);
    for (int z = 0; z < 64; ++z)
        EXPECT_EQ(kZigzag[kNaturalOrder[z]], z);

    for (int k = 0; k < 8; ++k) {
        const double a = k == 0 ? 1.0 : std::sqrt(2.0) * std::cos(k * M_PI / 16);
        EXPECT_NEAR(kAanScale[k], 1.0 / (2.0 * std::sqrt(2.0) * a), 1e-13);
    }
    const QuantTable t = MakeQuantTable(kBaseLuminance, 85);
    EXPECT_FLOAT_EQ(t.divisors[kZigzag[2 * 8 + 5]], float(kAanScale[2] * kAanScale[5] / t.entries[kZigzag[2 * 8 + 5]]));
}

// ---------------------------------------------------------------------------
// Transform and quantisation

TEST(JpegTransform, MatchesTheDefinitionOfTheDct)
{
    // After the AAN factors the unnormalised output is the DCT of the
    // standard: S(v, u) = 1/4 C(u) C(v) sum s(y, x) cos((2x+1)u pi/16) cos((2y+1)v pi/16).
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> sample(-128, 127);
    for (int trial = 0; trial < 20; ++trial) {
        float block[64];
        double source[64];
        for (int i = 0; i < 64; ++i)
            block[i] = float(source[i] = sample(rng));
        ForwardDCT(block);
        for (int v = 0; v < 8; ++v) {
            for (int u = 0; u < 8; ++u) {
                double sum = 0;
                for (int y = 0; y < 8; ++y)
                    for (int x = 0; x < 8; ++x)
                        sum += source[y * 8 + x] * std::cos((2 * x + 1) * u * M_PI / 16)
                               * std::cos((2 * y + 1) * v * M_PI / 16);
                const double expected = 0.25 * (u ? 1 : M_SQRT1_2) * (v ? 1 : M_SQRT1_2) * sum;
                ASSERT_NEAR(block[v * 8 + u] * kAanScale[v] * kAanScale[u], expected, 2e-3)
                    << "frequency row " << v << " column " << u;
            }
        }
    }
}

TEST(JpegTransform, FlatBlockQuantisesToItsDcOnly)
{
    const QuantTable table = MakeQuantTable(kBaseLuminance, 85);  // Q[0] = 5
    for (int value : {-128, -3, 0, 17, 127}) {
        SCOPED_TRACE(value);
        float block[64];
        std::fill(block, block + 64, float(value));
        ForwardDCT(block);
        EXPECT_FLOAT_EQ(block[0], 64.0f * value);
        std::int16_t out[64];
        QuantizeBlock(block, table, out);
        EXPECT_EQ(out[0], std::lrint(8.0 * value / 5.0));
        for (int z = 1; z < 64; ++z)
            EXPECT_EQ(out[z], 0);
    }
}

TEST(JpegTransform, QuantiserRoundsTiesToEven)
{
    QuantTable table = MakeQuantTable(kBaseLuminance, 100);  // Q = 1
    table.naturalDivisors.fill(1.0f);
    float block[64] = {};
    block[0] = 2.5f;
    block[1] = -2.5f;
    block[8] = 3.5f;
    block[9] = 0.49f;
    std::int16_t out[64];
    QuantizeBlock(block, table, out);
    EXPECT_EQ(out[0], 2);
    EXPECT_EQ(out[kZigzag[1]], -2);
    EXPECT_EQ(out[kZigzag[8]], 4);
    EXPECT_EQ(out[kZigzag[9]], 0);
}

// ---------------------------------------------------------------------------
// Sampling

namespace {

PixelArea GreyArea(int width, int height, const std::function<int(int, int)>& value)
{
    PixelArea area = PixelArea::Allocate(width, height, true);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            area.scanLine(y)[x] = uchar(value(x, y));
    return area;
}

}  // namespace

TEST(JpegSampling, BlocksRepeatTheLastColumnAndRow)
{
    // 100 x 630 samples as 13 x 79 blocks: the same coefficients as a
    // 104 x 632 picture whose extra columns and rows copy column 99 and row 629.
    auto pattern = [](int x, int y) { return (x * 7 + y * 13 + (x * y) % 31) % 256; };
    const PixelArea area = GreyArea(100, 630, pattern);
    const PixelArea padded = GreyArea(104, 632, [&](int x, int y) { return pattern(std::min(x, 99), std::min(y, 629)); });
    const QuantTable table = MakeQuantTable(kBaseLuminance, 85);
    Coefficients store;
    Coefficients expected;
    SampleComponent(area, kLuminance, table, 13, 79, store);
    SampleComponent(padded, kLuminance, table, 13, 79, expected);
    EXPECT_EQ(store.size(), 13u * 79u * 64u);
    EXPECT_EQ(store, expected);
}

TEST(JpegSampling, WorkAreasOfEverySizeStartAtZeroAndKeepWhatIsWritten)
{
    // Around the size from which the areas are mapped from the system.
    const std::size_t mb2 = std::size_t(2) << 20;
    for (const std::size_t bytes : {std::size_t(2), std::size_t(4096), mb2 - 2, mb2, mb2 + 2, 5 * mb2 + 246}) {
        Coefficients c(bytes / 2);
        ASSERT_EQ(c.front(), 0);
        ASSERT_EQ(c[c.size() / 2], 0);
        ASSERT_EQ(c.back(), 0);
        for (std::size_t i = 0; i < c.size(); i += 997)
            c[i] = std::int16_t(i);
        c.back() = -7;
        c.resize(c.size() + 1);  // moves to a new area
        for (std::size_t i = 0; i + 1 < c.size() - 1; i += 997)
            ASSERT_EQ(c[i], std::int16_t(i)) << bytes;
        EXPECT_EQ(c[c.size() - 2], -7) << bytes;
        EXPECT_EQ(c.back(), 0) << bytes;
    }
    const PixelArea big = PixelArea::Allocate(1500, 700, false);  // 3 MB of pixels
    std::memset(big.owned.get(), 0x5A, std::size_t(big.stride) * big.height());
    EXPECT_EQ(big.constScanLine(699)[1500 * 3 - 1], 0x5A);
}

TEST(JpegSampling, WhiteBlackAndGreyPixels)
{
    // A white pixel is the sample 127, a black one -128 (seen through the DC
    // at quality 100, Q = 1: 8 x sample); a grey one has no chroma.
    const QuantTable table = MakeQuantTable(kBaseLuminance, 100);
    QImage rgb(8, 8, QImage::Format_RGB888);
    Coefficients store;
    struct Row { QRgb colour; const ColorRow* conversion; int dc; };
    const Row rows[] = {
        {qRgb(255, 255, 255), &kLuminance, 8 * 127},
        {qRgb(0, 0, 0), &kLuminance, 8 * -128},
        {qRgb(77, 77, 77), &kChromaBlue, 0},
        {qRgb(200, 200, 200), &kChromaRed, 0},
        {qRgb(255, 0, 0), &kChromaRed, 1020},  // 8 x 0.5 x 255
    };
    for (const Row& row : rows) {
        rgb.fill(row.colour);
        SampleComponent(ImageArea(rgb), *row.conversion, table, 1, 1, store);
        EXPECT_EQ(store[0], row.dc) << std::hex << row.colour;
        for (int z = 1; z < 64; ++z)
            ASSERT_EQ(store[z], 0);
    }
}

TEST(JpegSampling, AreaOutsideThePictureIsBlack)
{
    QImage picture(4, 4, QImage::Format_RGB888);
    picture.fill(qRgb(10, 20, 30));
    const PixelArea area = TakeArea(ImageArea(picture), 2, -1, 4, 3);
    ASSERT_FALSE(area.isNull());
    ASSERT_FALSE(area.isGray());
    const auto pixel = [&](int x, int y) {
        const uchar* p = area.constScanLine(y) + 3 * x;
        return qRgb(p[0], p[1], p[2]);
    };
    EXPECT_EQ(pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(pixel(0, 1), qRgb(10, 20, 30));
    EXPECT_EQ(pixel(1, 2), qRgb(10, 20, 30));
    EXPECT_EQ(pixel(2, 1), qRgb(0, 0, 0));
    const PixelArea none = TakeArea(PixelArea(), 0, 0, 2, 2);
    EXPECT_FALSE(none.isGray());
    EXPECT_EQ(none.constScanLine(1)[5], 0);
    const PixelArea far = TakeArea(ImageArea(picture), INT_MAX - 1, INT_MIN, 3, 2);
    ASSERT_FALSE(far.isNull());
    EXPECT_EQ(far.constScanLine(1)[8], 0);
    // A whole area inside is read in place.
    EXPECT_EQ(TakeArea(ImageArea(picture), 1, 1, 2, 2).constScanLine(0), picture.constScanLine(1) + 3);
}

TEST(JpegSampling, ScaledCopyAveragesTheCoveredPixels)
{
    struct Row {
        const char* name;
        std::vector<int> source;  // one row
        std::vector<int> expected;
    };
    const Row rows[] = {
        {"two to one", {0, 255, 10, 20}, {128, 15}},             // 127.5 rounds up
        {"three to two", {0, 90, 180}, {30, 150}},               // weights 1, 1/2 and 1/2, 1
        {"seven to four", {0, 0, 0, 0, 0, 0, 70}, {0, 0, 0, 40}},  // last covers 1/4 + 1 of 7/4
        {"same size", {1, 2, 3}, {1, 2, 3}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const int w = int(row.source.size());
        const PixelArea area = GreyArea(w, 2, [&](int x, int) { return row.source[x]; });
        const PixelArea scaled = ScaledCopy(area, int(row.expected.size()), 1);
        for (std::size_t x = 0; x < row.expected.size(); ++x)
            EXPECT_EQ(scaled.constScanLine(0)[x], row.expected[x]) << "column " << x;
    }

    // Colour 2 x 2 means, and a size that is not a whole ratio.
    QImage rgb(4, 2, QImage::Format_RGB888);
    const uchar bytes[2][12] = {{0, 0, 0, 4, 8, 12, 100, 100, 100, 100, 100, 100},
                                {8, 8, 8, 0, 0, 0, 100, 100, 100, 104, 100, 96}};
    for (int y = 0; y < 2; ++y)
        std::memcpy(rgb.scanLine(y), bytes[y], 12);
    const PixelArea half = ScaledCopy(ImageArea(rgb), 2, 1);
    const uchar expected[6] = {3, 4, 5, 101, 100, 99};
    EXPECT_EQ(std::memcmp(half.constScanLine(0), expected, 6), 0);
    const PixelArea third = ScaledCopy(ImageArea(rgb), 3, 1);
    EXPECT_EQ(third.width(), 3);
}

// ---------------------------------------------------------------------------
// Huffman tables, block coding and the bit writer

TEST(JpegHuffman, Categories)
{
    const std::pair<int, int> rows[] = {{0, 0}, {1, 1}, {-1, 1}, {2, 2}, {3, 2}, {-3, 2}, {4, 3},
                                        {-7, 3}, {8, 4}, {1023, 10}, {-1024, 11}, {2047, 11}};
    for (auto [value, category] : rows)
        EXPECT_EQ(Category(value), category) << value;
}

namespace {

// Checks that BITS and HUFFVAL describe a complete prefix code of lengths
// at most 16 without the all-ones code, covering exactly `symbols`.
void ExpectValidTable(const HuffTable& table, std::vector<int> symbols)
{
    int total = 0;
    double kraft = 0;
    for (int l = 1; l <= 16; ++l) {
        total += table.bits[l];
        kraft += table.bits[l] / std::pow(2.0, l);
    }
    EXPECT_LT(kraft, 1.0);  // one code is kept back: the all-ones code
    ASSERT_EQ(total, int(table.huffval.size()));
    std::vector<int> listed(table.huffval.begin(), table.huffval.end());
    std::sort(listed.begin(), listed.end());
    std::sort(symbols.begin(), symbols.end());
    EXPECT_EQ(listed, symbols);
    for (int s : symbols) {
        ASSERT_GT(table.size[s], 0);
        EXPECT_NE(table.code[s], (1u << table.size[s]) - 1) << "all-ones code for " << s;
    }
}

}  // namespace

TEST(JpegHuffman, OptimalTables)
{
    // One symbol: the 1-bit code 0.
    {
        HuffTable t;
        Frequencies f{};
        f[5] = 40;
        BuildOptimalHuffman(t, f);
        ExpandHuffmanTable(t);
        EXPECT_EQ(t.bits[1], 1);
        EXPECT_EQ(t.huffval, std::vector<std::uint8_t>{5});
        EXPECT_EQ(t.size[5], 1);
        EXPECT_EQ(t.code[5], 0);
        EXPECT_EQ(t.mask(5), 1u);
        EXPECT_EQ(t.mask(6), 0u);
    }
    // A skewed distribution: shorter codes for more frequent symbols, ties
    // listed by symbol value.
    {
        HuffTable t;
        Frequencies f{};
        f[0] = 100;
        f[1] = 50;
        f[2] = 25;
        f[3] = 25;
        BuildOptimalHuffman(t, f);
        ExpandHuffmanTable(t);
        EXPECT_EQ(t.huffval, (std::vector<std::uint8_t>{0, 1, 2, 3}));
        EXPECT_EQ(t.size[0], 1);
        EXPECT_EQ(t.size[1], 2);
        EXPECT_EQ(t.size[2], 3);
        EXPECT_EQ(t.size[3], 4);  // shares the longest length with the reserved code
        ExpectValidTable(t, {0, 1, 2, 3});
    }
    // Frequencies that would need codes of 30 bits are limited to 16.
    {
        HuffTable t;
        Frequencies f{};
        std::vector<int> symbols;
        std::int64_t a = 1;
        std::int64_t b = 1;
        for (int s = 0; s < 32; ++s) {
            f[s * 3] = a;
            symbols.push_back(s * 3);
            const std::int64_t c = a + b;
            a = b;
            b = c;
        }
        BuildOptimalHuffman(t, f);
        ExpandHuffmanTable(t);
        int longest = 0;
        for (int l = 1; l <= 16; ++l)
            if (t.bits[l])
                longest = l;
        EXPECT_EQ(longest, 16);
        ExpectValidTable(t, symbols);
    }
}

namespace {

// A DC table with codes 00, 01, 10 for categories 0, 1, 2 and an AC table
// whose only symbol is end of block, code 0.
void SmallTables(HuffTable& dc, HuffTable& ac)
{
    dc.bits = {};
    dc.bits[2] = 3;
    dc.huffval = {0, 1, 2};
    ExpandHuffmanTable(dc);
    ac.bits = {};
    ac.bits[1] = 1;
    ac.huffval = {0x00};
    ExpandHuffmanTable(ac);
}

}  // namespace

TEST(JpegHuffman, DcDifferencesAndTheirAdditionalBits)
{
    HuffTable dc;
    HuffTable ac;
    SmallTables(dc, ac);
    struct Row { int previous; int dc; std::uint8_t byte; };
    const Row rows[] = {
        {0, -3, 0x87},  // 10 00, EOB 0, filled with 1-bits: 1000 0111
        {0, 3, 0xB7},   // 10 11 0 111
        {5, 5, 0x1F},   // 00 (no bits) 0 11111
        {2, 1, 0x4F},   // diff -1: 01 0, 0 1111
    };
    for (const Row& row : rows) {
        std::vector<std::uint8_t> out;
        BitWriter writer(out);
        writer.ResetBitWriter();
        std::int16_t block[64] = {};
        block[0] = std::int16_t(row.dc);
        int previous = row.previous;
        EncodeBlock(writer, block, previous, dc, ac);
        writer.FlushBits();
        EXPECT_EQ(previous, row.dc);
        EXPECT_EQ(out, std::vector<std::uint8_t>{row.byte}) << "diff " << row.dc - row.previous;
    }
}

TEST(JpegHuffman, RunsOfZerosAndEndOfBlock)
{
    struct Row {
        const char* name;
        std::vector<std::pair<int, int>> coefficients;  // zigzag index, value
        std::vector<std::pair<int, int>> symbols;       // AC symbol, count
    };
    const Row rows[] = {
        {"all zero", {}, {{0x00, 1}}},
        {"20 zeros then 5", {{21, 5}}, {{0xF0, 1}, {0x43, 1}, {0x00, 1}}},
        {"16 zeros then -1", {{17, -1}}, {{0xF0, 1}, {0x01, 1}, {0x00, 1}}},
        {"last coefficient set", {{1, 2}, {63, -300}}, {{0x02, 1}, {0xF0, 3}, {0xD9, 1}}},
        {"33 zeros before the last", {{30, 1}, {63, 1}}, {{0xF0, 1}, {0xD1, 1}, {0xF0, 2}, {0x01, 1}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::int16_t block[64] = {};
        for (auto [k, v] : row.coefficients)
            block[k] = std::int16_t(v);
        Frequencies dc{};
        Frequencies ac{};
        int previous = 0;
        CountBlockSymbols(block, previous, dc, ac);
        Frequencies expected{};
        for (auto [symbol, count] : row.symbols)
            expected[symbol] += count;
        EXPECT_EQ(ac, expected);
        EXPECT_EQ(dc[0], 1);
    }
}

TEST(JpegHuffman, BitWriterStuffsZeroAfterEveryFF)
{
    struct Put { std::uint32_t mask; std::uint32_t value; };
    struct Row {
        const char* name;
        std::vector<Put> puts;
        std::vector<std::uint8_t> bytes;
    };
    const Row rows[] = {
        {"one FF byte", {{0x80, 0xFF}}, {0xFF, 0x00}},
        {"FF across two puts", {{0x8, 0xF}, {0x8, 0xF}, {0x80, 0x12}}, {0xFF, 0x00, 0x12}},
        {"flush fills with ones", {{0x4, 0x5}}, {0xBF}},
        {"flush that makes FF", {{0x40, 0x7F}}, {0xFF, 0x00}},
        {"no flush on a byte boundary", {{0x8000, 0xA55A}}, {0xA5, 0x5A}},
        {"mask 0 writes nothing", {{0, 0xFFFF}}, {}},
        {"only the bits up to the mask", {{0x2, 0xFD}, {0x10, 0x00}}, {0x41}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::uint8_t> out;
        BitWriter writer(out);
        writer.ResetBitWriter();
        for (const Put& p : row.puts)
            writer.PutBits(p.mask, p.value);
        writer.FlushBits();
        EXPECT_EQ(out, row.bytes);
    }
}
