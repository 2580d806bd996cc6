#pragma once
// Constant tables of the JPEG encoder and the quantisation tables built from
// them (the "parameter" stage of the encoder, cf. libjpeg's jcparam).
//
// Glossary used throughout output/jpeg*:
//   natural order  row-major position n = row * 8 + column inside an 8x8
//                  block; row is the vertical frequency, column the
//                  horizontal one.
//   zigzag order   the order in which coefficients are stored and coded:
//                  index 1 is row 0 column 1, index 2 is row 1 column 0, ...
//   Q              a quantisation table entry (1..255, 8-bit tables only).
//   D              the divisor the transform output is multiplied by; it
//                  folds the normalisation of the unnormalised AAN transform
//                  and 1/Q into one single-precision factor.

#include <array>
#include <cstdint>

namespace jpeg {

// Zigzag index of every natural position.
extern const std::array<std::uint8_t, 64> kZigzag;
// Natural position of every zigzag index (the inverse of kZigzag).
extern const std::array<std::uint8_t, 64> kNaturalOrder;

// The example tables of the JPEG standard (Annex K, tables K.1 and K.2),
// in natural order.
extern const std::array<std::uint16_t, 64> kBaseLuminance;
extern const std::array<std::uint16_t, 64> kBaseChrominance;

// Per-frequency factors of the floating-point AAN transform:
// s[k] = 1 / (2 * sqrt(2) * a[k]), a[0] = 1, a[k] = sqrt(2) * cos(k * pi / 16).
extern const std::array<double, 8> kAanScale;

// One quantisation table: the entries as written to the file and the
// divisors the quantiser multiplies by, both in zigzag order.
struct QuantTable {
    std::array<std::uint16_t, 64> entries{};
    std::array<float, 64> divisors{};
    // The same divisors in natural order, as the quantiser reads them.
    std::array<float, 64> naturalDivisors{};
};

// The scale factor S of a quality from 1 to 100: 5000 / q taken to the nearest
// integer (ties to even) below 50, 200 - 2q from 50 on.
int QualityScaleFactor(int quality);

// The entries (zigzag order) of a base table (natural order) scaled to a
// quality from 1 to 100: (B * S + 50) / 100 to the nearest integer, ties to
// even, clamped to 1..255.
std::array<std::uint16_t, 64> ScaledQuantEntries(const std::array<std::uint16_t, 64>& base, int quality);

// Computes the divisors of a table from its entries: D[z] = s[row] * s[col] / Q[z]
// for z the zigzag index of (row, col).
void ScaleQuantTable(QuantTable& table);

// A complete table for a base table and a quality (entries and divisors).
QuantTable MakeQuantTable(const std::array<std::uint16_t, 64>& base, int quality);

}  // namespace jpeg
