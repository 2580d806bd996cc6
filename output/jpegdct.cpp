#include "output/jpegdct.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace jpeg {

namespace {

constexpr float kC4 = 0.707106781186548f;   // cos(4 pi / 16)
constexpr float kC6 = 0.382683432365091f;   // cos(6 pi / 16)
constexpr float kC2mC6 = 0.541196100146196f;
constexpr float kC2pC6 = 1.30656296487638f;

// One 1-D AAN pass over eight values d[0], d[stride], ..., d[7 * stride].
inline void Aan8(float* d, int stride)
{
    const float t0 = d[0] + d[7 * stride];
    const float t7 = d[0] - d[7 * stride];
    const float t1 = d[1 * stride] + d[6 * stride];
    const float t6 = d[1 * stride] - d[6 * stride];
    const float t2 = d[2 * stride] + d[5 * stride];
    const float t5 = d[2 * stride] - d[5 * stride];
    const float t3 = d[3 * stride] + d[4 * stride];
    const float t4 = d[3 * stride] - d[4 * stride];

    // Even part.
    const float e10 = t0 + t3;
    const float e13 = t0 - t3;
    const float e11 = t1 + t2;
    const float e12 = t1 - t2;
    d[0] = e10 + e11;
    d[4 * stride] = e10 - e11;
    const float z1 = (e12 + e13) * kC4;
    d[2 * stride] = e13 + z1;
    d[6 * stride] = e13 - z1;

    // Odd part.
    const float o10 = t4 + t5;
    const float o11 = t5 + t6;
    const float o12 = t6 + t7;
    const float z5 = (o10 - o12) * kC6;
    const float z2 = kC2mC6 * o10 + z5;
    const float z4 = kC2pC6 * o12 + z5;
    const float z3 = o11 * kC4;
    const float z11 = t7 + z3;
    const float z13 = t7 - z3;
    d[5 * stride] = z13 + z2;
    d[3 * stride] = z13 - z2;
    d[1 * stride] = z11 + z4;
    d[7 * stride] = z11 - z4;
}

}  // namespace

void ForwardDCT(float block[64])
{
    for (int col = 0; col < 8; ++col)
        Aan8(block + col, 8);
    for (int row = 0; row < 8; ++row)
        Aan8(block + row * 8, 1);
}

void QuantizeBlock(const float block[64], const QuantTable& table, std::int16_t out[64])
{
    // Adding and taking away 1.5 * 2^23 leaves a float of magnitude below
    // 2^22 at the nearest integer, ties to even, in the default rounding
    // mode (which this program never changes); unlike lrintf the loop
    // vectorises.  Transformed 8-bit samples stay far below that bound.
    constexpr float kRounder = 12582912.0f;
    alignas(32) std::int32_t natural[64];
    for (int n = 0; n < 64; ++n)
        natural[n] = static_cast<std::int32_t>((block[n] * table.naturalDivisors[n] + kRounder) - kRounder);
    for (int z = 0; z < 64; ++z)
        out[z] = static_cast<std::int16_t>(natural[kNaturalOrder[z]]);
}

#if defined(__x86_64__) || defined(__i386__)

namespace {

// Compiled for AVX alone, called only where the processor and the system
// support it.
__attribute__((target("avx"))) void ZeroUpper()
{
    _mm256_zeroupper();
}

}  // namespace

void ReleaseUpperVectorState()
{
    static const bool avx = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx") != 0;
    }();
    if (avx)
        ZeroUpper();
}

#else

void ReleaseUpperVectorState() {}

#endif

}  // namespace jpeg
