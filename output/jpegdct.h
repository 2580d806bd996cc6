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

// Marks the upper halves of the processor's 256-bit vector registers unused
// (vzeroupper), on a processor that has them; elsewhere it does nothing.
// The transform, the quantiser and the rest of the encoder are SSE code.
// While a caller leaves those upper halves in use, every SSE instruction
// waits on them, and the sampling stage takes twice as long or more: Qt's
// seeded string hash (QHash and QSet keys of fewer than 16 bytes) returns
// without clearing them on processors with VAES and AVX-512, so a report
// run that looks up a field or a font between two pages hands its pages to
// the encoder in that state.  The encoder calls this on entering each stage.
void ReleaseUpperVectorState();

}  // namespace jpeg
