#include "output/jpegtables.h"

#include <cmath>

namespace jpeg {

const std::array<std::uint8_t, 64> kNaturalOrder = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
    12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
    35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
    58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
};

const std::array<std::uint8_t, 64> kZigzag = [] {
    std::array<std::uint8_t, 64> zz{};
    for (int z = 0; z < 64; ++z)
        zz[kNaturalOrder[z]] = static_cast<std::uint8_t>(z);
    return zz;
}();

const std::array<std::uint16_t, 64> kBaseLuminance = {
    16, 11, 10, 16, 24,  40,  51,  61,
    12, 12, 14, 19, 26,  58,  60,  55,
    14, 13, 16, 24, 40,  57,  69,  56,
    14, 17, 22, 29, 51,  87,  80,  62,
    18, 22, 37, 56, 68,  109, 103, 77,
    24, 35, 55, 64, 81,  104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101,
    72, 92, 95, 98, 112, 100, 103, 99,
};

const std::array<std::uint16_t, 64> kBaseChrominance = {
    17, 18, 24, 47, 99, 99, 99, 99,
    18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99,
    47, 66, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99,
};

const std::array<double, 8> kAanScale = {
    0.353553390593273, 0.25489778955208,  0.270598050073098, 0.300672443467523,
    0.353553390593273, 0.449988111568207, 0.653281482438186, 1.28145772387074,
};

namespace {

// Nearest integer with ties to even (std::nearbyint under the default
// rounding mode, spelled out so that no caller depends on the mode).
double RoundHalfEven(double x)
{
    const double f = std::floor(x);
    const double diff = x - f;
    if (diff > 0.5)
        return f + 1.0;
    if (diff < 0.5)
        return f;
    return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}

}  // namespace

int QualityScaleFactor(int quality)
{
    if (quality < 50)
        return static_cast<int>(RoundHalfEven(5000.0 / quality));
    return 200 - 2 * quality;
}

std::array<std::uint16_t, 64> ScaledQuantEntries(const std::array<std::uint16_t, 64>& base, int quality)
{
    const double scale = QualityScaleFactor(quality);
    std::array<std::uint16_t, 64> entries{};
    for (int n = 0; n < 64; ++n) {
        double q = RoundHalfEven((base[n] * scale + 50.0) / 100.0);
        if (q < 1.0)
            q = 1.0;
        if (q > 255.0)
            q = 255.0;
        entries[kZigzag[n]] = static_cast<std::uint16_t>(q);
    }
    return entries;
}

void ScaleQuantTable(QuantTable& table)
{
    for (int row = 0; row < 8; ++row) {
        for (int col = 0; col < 8; ++col) {
            const int z = kZigzag[row * 8 + col];
            table.divisors[z] = static_cast<float>(kAanScale[row] * kAanScale[col] / table.entries[z]);
            table.naturalDivisors[row * 8 + col] = table.divisors[z];
        }
    }
}

QuantTable MakeQuantTable(const std::array<std::uint16_t, 64>& base, int quality)
{
    QuantTable table;
    table.entries = ScaledQuantEntries(base, quality);
    ScaleQuantTable(table);
    return table;
}

}  // namespace jpeg
