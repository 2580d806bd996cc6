#pragma once
// Entropy coding of the JPEG encoder (cf. libjpeg's jchuff): symbol
// statistics, optimal Huffman tables, the bit writer with byte stuffing and
// the coding of one block.
//
// Symbols: a DC symbol is the category of the difference to the previous
// block's DC; an AC symbol is run * 16 + category, where run counts the zero
// coefficients before a nonzero one (0xF0 stands for 16 zeros, 0x00 ends a
// block whose remaining coefficients are zero).  After each symbol come its
// additional bits: the low `category` bits of v when v >= 0, of v - 1 when
// v < 0.

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace jpeg {

// Occurrences of symbols 0..255 and of the reserved symbol 256.
using Frequencies = std::array<std::int64_t, 257>;

// One Huffman table: the form written to the file (BITS, HUFFVAL) and the
// expanded form used to code (code and length of every symbol).
struct HuffTable {
    // bits[L], L = 1..16: the number of codes of length L (bits[0] unused).
    std::array<std::uint8_t, 17> bits{};
    // The symbols in order of increasing code length.
    std::vector<std::uint8_t> huffval;
    // Per symbol: its code and its length in bits (0: the symbol has no code).
    std::array<std::uint16_t, 256> code{};
    std::array<std::uint8_t, 256> size{};

    // The mask of the top bit of a symbol's code, 0 when it has none.
    std::uint32_t mask(int symbol) const { return size[symbol] ? 1u << (size[symbol] - 1) : 0u; }
};

// The category (magnitude size) of a value: 0 for 0, otherwise the number of
// bits of |v|.
inline int Category(int v)
{
    return std::bit_width(static_cast<unsigned>(v < 0 ? -v : v));
}

// Builds BITS and HUFFVAL of an optimal table of code lengths at most 16 from
// symbol frequencies (the procedure of the JPEG standard, Annex K.2: the
// reserved symbol 256 keeps the all-ones code out of use; among equal
// frequencies the larger symbol is merged first).  Consumes `freq`.  A single
// symbol gets the 1-bit code 0.
void BuildOptimalHuffman(HuffTable& table, Frequencies& freq);

// Assigns canonical codes from BITS and HUFFVAL.
void ExpandHuffmanTable(HuffTable& table);

// Appends bits to a byte buffer, most significant first; a byte FF in the
// data is followed by a byte 00.
class BitWriter {
public:
    explicit BitWriter(std::vector<std::uint8_t>& out) : m_out(out) {}

    // Starts a new entropy-coded segment: no pending bits.
    void ResetBitWriter() { m_acc = 0; m_count = 0; }
    // Appends the bits of `value` from the bit `mask` down to bit 0 (nothing
    // when mask is 0).
    void PutBits(std::uint32_t mask, std::uint32_t value);
    // Completes a partly filled byte with 1-bits.
    void FlushBits();

    // Appends the low `count` bits of value (count <= 32).
    void put(int count, std::uint32_t value)
    {
        if (count <= 0)
            return;
        m_acc = (m_acc << count) | (value & (0xFFFFFFFFu >> (32 - count)));
        m_count += count;
        while (m_count >= 8) {
            m_count -= 8;
            const auto byte = static_cast<std::uint8_t>(m_acc >> m_count);
            m_out.push_back(byte);
            if (byte == 0xFF)
                m_out.push_back(0x00);
        }
        m_acc &= (std::uint64_t{1} << m_count) - 1;
    }

private:
    std::vector<std::uint8_t>& m_out;
    std::uint64_t m_acc = 0;  // pending bits, the oldest highest
    int m_count = 0;          // number of pending bits, below 8 between calls
};

// Bit k is set when coefficient k of a block is not zero.
std::uint64_t NonzeroMask(const std::int16_t block[64]);

// Adds one block's symbols (coefficients in zigzag order) to the DC and AC
// frequencies and makes its DC the previous DC.
void CountBlockSymbols(const std::int16_t block[64], int& previousDC, Frequencies& dc, Frequencies& ac);

// Codes one block (coefficients in zigzag order) and makes its DC the
// previous DC.  Every symbol the block needs must have a code in the tables.
void EncodeBlock(BitWriter& writer, const std::int16_t block[64], int& previousDC,
                 const HuffTable& dc, const HuffTable& ac);

}  // namespace jpeg
