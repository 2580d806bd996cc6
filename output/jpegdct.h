#pragma once
// The forward transform and the quantiser of the JPEG encoder (cf. libjpeg's
// jfdctflt and jcdctmgr).

#include "output/jpegtables.h"

#include <cstdint>

namespace jpeg {

// Transforms one 8x8 block of level-shifted samples (natural order) in place
// with the floating-point Arai-Agui-Nakajima factorisation: first every
// column, then every row, in single precision.  The result is not
// normalised: element 0 becomes the sum of the 64 samples; the quantiser's
// divisors carry the normalisation.
void ForwardDCT(float block[64]);

// Quantises a transformed block (natural order) with a table: out[z] is the
// 16-bit integer nearest to block[n] * D[z], ties to even, for every natural
// position n with zigzag index z.
void QuantizeBlock(const float block[64], const QuantTable& table, std::int16_t out[64]);

}  // namespace jpeg
