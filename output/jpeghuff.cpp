#include "output/jpeghuff.h"

#include <bit>
#include <cassert>
#include <cstdlib>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace jpeg {

void BuildOptimalHuffman(HuffTable& table, Frequencies& freq)
{
    // Code sizes can exceed 16 while merging; they are limited afterwards.
    std::array<int, 257> codesize{};
    std::array<int, 257> others;
    others.fill(-1);

    freq[256] = 1;  // reserves the all-ones code

    for (;;) {
        // Smallest nonzero frequency; the larger symbol wins a tie.
        int c1 = -1;
        std::int64_t v = INT64_MAX;
        for (int i = 0; i <= 256; ++i) {
            if (freq[i] && freq[i] <= v) {
                v = freq[i];
                c1 = i;
            }
        }
        // Next smallest, other than c1.
        int c2 = -1;
        v = INT64_MAX;
        for (int i = 0; i <= 256; ++i) {
            if (freq[i] && freq[i] <= v && i != c1) {
                v = freq[i];
                c2 = i;
            }
        }
        if (c2 < 0)
            break;

        freq[c1] += freq[c2];
        freq[c2] = 0;
        ++codesize[c1];
        while (others[c1] >= 0) {
            c1 = others[c1];
            ++codesize[c1];
        }
        others[c1] = c2;
        ++codesize[c2];
        while (others[c2] >= 0) {
            c2 = others[c2];
            ++codesize[c2];
        }
    }

    // Count the codes of each length, lengths beyond 16 included.
    std::array<int, 258> bits{};
    for (int i = 0; i <= 256; ++i)
        if (codesize[i])
            ++bits[codesize[i]];

    // Limit the lengths to 16: take two codes of the longest length away,
    // give one of them to the length above and split a shorter code.
    int longest = 257;
    while (longest > 0 && bits[longest] == 0)
        --longest;
    for (int i = longest; i > 16; --i) {
        while (bits[i] > 0) {
            int j = i - 2;
            while (bits[j] == 0)
                --j;
            bits[i] -= 2;
            bits[i - 1] += 1;
            bits[j + 1] += 2;
            bits[j] -= 1;
        }
    }
    // Drop the reserved symbol's code, one of the longest.
    int i = longest > 16 ? 16 : longest;
    while (i > 0 && bits[i] == 0)
        --i;
    if (i > 0)
        --bits[i];

    table.bits.fill(0);
    for (int l = 1; l <= 16; ++l)
        table.bits[l] = static_cast<std::uint8_t>(bits[l]);

    // Symbols by their merged code size, then by value.
    table.huffval.clear();
    for (int size = 1; size <= 256; ++size)
        for (int s = 0; s <= 255; ++s)
            if (codesize[s] == size)
                table.huffval.push_back(static_cast<std::uint8_t>(s));
}

void ExpandHuffmanTable(HuffTable& table)
{
    table.code.fill(0);
    table.size.fill(0);
    unsigned code = 0;
    std::size_t k = 0;
    for (int length = 1; length <= 16; ++length) {
        for (int n = 0; n < table.bits[length] && k < table.huffval.size(); ++n, ++k) {
            const int symbol = table.huffval[k];
            table.code[symbol] = static_cast<std::uint16_t>(code);
            table.size[symbol] = static_cast<std::uint8_t>(length);
            ++code;
        }
        code <<= 1;
    }
}

void BitWriter::PutBits(std::uint32_t mask, std::uint32_t value)
{
    put(std::bit_width(mask), value);
}

void BitWriter::FlushBits()
{
    if (m_count > 0)
        put(8 - m_count, 0xFF);
}

std::uint64_t NonzeroMask(const std::int16_t block[64])
{
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    std::uint64_t mask = 0;
    for (int i = 0; i < 4; ++i) {
        const __m128i lo = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i));
        const __m128i hi = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i + 8));
        const __m128i isZero = _mm_packs_epi16(_mm_cmpeq_epi16(lo, zero), _mm_cmpeq_epi16(hi, zero));
        const auto bits = static_cast<std::uint32_t>(~_mm_movemask_epi8(isZero)) & 0xFFFFu;
        mask |= std::uint64_t{bits} << (16 * i);
    }
    return mask;
#else
    std::uint64_t mask = 0;
    for (int k = 0; k < 64; ++k)
        mask |= std::uint64_t{block[k] != 0} << k;
    return mask;
#endif
}

namespace {

// Walks one block as the Huffman coder sees it: the DC difference, then each
// nonzero AC coefficient as a (run, category) symbol, ZRL (0xF0) for every 16
// zeros of a longer run, and EOB (0x00) when the block ends in zeros.  Calls
// onDC(category, difference) and onAC(symbol, category, value).
template <typename OnDC, typename OnAC>
inline void WalkBlock(const std::int16_t block[64], int& previousDC, OnDC onDC, OnAC onAC)
{
    const int diff = block[0] - previousDC;
    previousDC = block[0];
    onDC(Category(diff), diff);

    // Visit the nonzero AC coefficients only; the gaps are the runs.
    std::uint64_t nonzero = NonzeroMask(block) & ~std::uint64_t{1};
    int last = 0;
    while (nonzero) {
        const int k = std::countr_zero(nonzero);
        nonzero &= nonzero - 1;
        int run = k - last - 1;
        last = k;
        while (run > 15) {
            onAC(0xF0, 0, 0);
            run -= 16;
        }
        const int v = block[k];
        const int category = Category(v);
        onAC((run << 4) | category, category, v);
    }
    if (last != 63)
        onAC(0x00, 0, 0);
}

// Writes a symbol's code followed by the additional bits of v.
inline void PutSymbol(BitWriter& w, const HuffTable& t, int symbol, int category, int v)
{
    assert(t.size[symbol] != 0);
    const std::uint32_t extra = static_cast<std::uint32_t>(v < 0 ? v - 1 : v);
    const std::uint32_t low = category ? extra & ((1u << category) - 1) : 0u;
    w.put(t.size[symbol] + category, (std::uint32_t{t.code[symbol]} << category) | low);
}

}  // namespace

void CountBlockSymbols(const std::int16_t block[64], int& previousDC, Frequencies& dc, Frequencies& ac)
{
    WalkBlock(
        block, previousDC, [&](int category, int) { ++dc[category]; },
        [&](int symbol, int, int) { ++ac[symbol]; });
}

void EncodeBlock(BitWriter& writer, const std::int16_t block[64], int& previousDC,
                 const HuffTable& dc, const HuffTable& ac)
{
    WalkBlock(
        block, previousDC, [&](int category, int diff) { PutSymbol(writer, dc, category, category, diff); },
        [&](int symbol, int category, int v) { PutSymbol(writer, ac, symbol, category, v); });
}

}  // namespace jpeg
