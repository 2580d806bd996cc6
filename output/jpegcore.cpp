#include "output/jpegcore.h"

#include "output/jpegdct.h"
#include "output/jpegsample.h"
#include "output/newfile.h"
#include "platform/posix/atomicfile.h"

#include <algorithm>
#include <new>
#include <string_view>
#include <utility>

namespace jpeg {

namespace {

constexpr long kSubscriptOutOfRange = 9;
constexpr long kOverflow = 6;
// The routine named in the encoder's own errors, as the catalogue knows it.
constexpr const char* kSource = "cJpeg";
constexpr std::size_t kMaxCommentLength = 65533;
constexpr int kMaxSide = 65535;
// Largest number of blocks in one interleaved MCU, and of components in one scan.
constexpr int kMaxBlocksInMcu = 10;
constexpr int kMaxComponentsInScan = 4;

int CeilDiv(std::int64_t a, std::int64_t b)
{
    return static_cast<int>((a + b - 1) / b);
}

[[noreturn]] void RaiseInvalidSampling()
{
    throw Failure(1, "Invalid Sampling Value", kSource);
}

}  // namespace

Encoder::Encoder()
{
    SetSamplingFrequencies(2, 2, 1, 1, 1, 1);
    SetQuality(75);
}

void Encoder::SetQuality(int quality)
{
    if (quality < 1 || quality > 100)
        return;
    m_quality = quality;
    m_quant[0] = MakeQuantTable(kBaseLuminance, quality);
    m_quant[1] = MakeQuantTable(kBaseChrominance, quality);
}

void Encoder::SetSamplingFrequencies(int H1, int V1, int H2, int V2, int H3, int V3)
{
    auto valid = [](int f) { return f >= 1 && f <= 4; };
    if (!valid(H1) || !valid(V1))
        RaiseInvalidSampling();

    std::vector<Component> components;
    if (H2 == 0 && V2 == 0 && H3 == 0 && V3 == 0) {
        components.resize(1);
        components[0].frame = {0, 1, 1, 0, 0, 0};
    } else {
        if (!valid(H2) || !valid(V2) || !valid(H3) || !valid(V3))
            RaiseInvalidSampling();
        components.resize(3);
        components[0].frame = {0, H1, V1, 0, 0, 0};
        components[1].frame = {0, H2, V2, 1, 1, 1};
        components[2].frame = {0, H3, V3, 1, 1, 1};
    }

    m_components = std::move(components);
    m_hmax = 1;
    m_vmax = 1;
    for (const Component& c : m_components) {
        m_hmax = std::max(m_hmax, c.frame.h);
        m_vmax = std::max(m_vmax, c.frame.v);
    }
}

bool Encoder::BeginSample(int width, int height)
{
    m_precision = 8;
    m_height = height;
    m_width = width;
    // The previous image goes first: whatever happens below, the object
    // never pairs this size with another image's coefficients.
    for (Component& c : m_components) {
        c.coefficients.clear();
        c.coefficients.shrink_to_fit();
        c.frame.id = 0;
    }
    if (width < 1 || height < 1)
        return false;

    // The 24-bit bitmap of the whole area, rows of whole 4-byte words, must
    // be addressable with 32 bits.
    const std::int64_t rowBytes = (std::int64_t(CeilDiv(width, 8)) * 8 * 3 + 3) / 4 * 4;
    if (rowBytes * (std::int64_t(CeilDiv(height, 8)) * 8) > INT32_MAX)
        throw Failure(kOverflow, "Overflow", kSource);
    return true;
}

int Encoder::SamplePixels(const PixelArea& picture, int width, int height, int left, int top)
{
    ReleaseUpperVectorState();
    if (!BeginSample(width, height))
        return 1;

    try {
        const PixelArea area = TakeArea(picture, left, top, width, height);

        PixelArea scaled;
        static const ColorRow* const conversions[3] = {&kLuminance, &kChromaBlue, &kChromaRed};
        for (std::size_t i = 0; i < m_components.size(); ++i) {
            Component& c = m_components[i];
            const int cw = CeilDiv(std::int64_t(width) * c.frame.h, m_hmax);
            const int ch = CeilDiv(std::int64_t(height) * c.frame.v, m_vmax);
            c.blocksWide = CeilDiv(cw, 8);
            c.blocksHigh = CeilDiv(ch, 8);

            const PixelArea* raster = &area;
            if (cw != width || ch != height) {
                // Components of one size share one scaled copy.
                if (scaled.isNull() || scaled.width() != cw || scaled.height() != ch)
                    scaled = ScaledCopy(area, cw, ch);
                raster = &scaled;
            }
            SampleComponent(*raster, *conversions[i], m_quant[c.frame.quantTable], c.blocksWide, c.blocksHigh,
                            c.coefficients);
        }
    } catch (const std::bad_alloc&) {
        for (Component& c : m_components) {
            c.coefficients.clear();
            c.coefficients.shrink_to_fit();
        }
        return 1;
    }

    for (std::size_t i = 0; i < m_components.size(); ++i)
        m_components[i].frame.id = static_cast<int>(i) + 1;
    m_sampledQuant = m_quant;
    return 0;
}

void Encoder::SetComment(std::string bytes)
{
    if (bytes.size() > kMaxCommentLength)
        throw Failure(1, "Illegal Comment Length", kSource);
    m_comment = std::move(bytes);
}

bool Encoder::HasImage() const
{
    return !m_components.empty()
        && std::all_of(m_components.begin(), m_components.end(),
                       [](const Component& c) { return !c.coefficients.empty(); });
}

Bytes Encoder::Encode()
{
    ReleaseUpperVectorState();
    if (!HasImage())
        throw Failure(kSubscriptOutOfRange, "Subscript out of range", kSource);
    if (m_width > kMaxSide || m_height > kMaxSide)
        throw Failure(kOverflow, "Overflow", kSource);

    OptimizeHuffmanTables();

    std::size_t blocks = 0;
    for (const Component& c : m_components)
        blocks += c.coefficients.size() / 64;
    Bytes out;
    out.reserve(1024 + m_comment.size() + blocks * 16);

    const bool colour = m_components.size() == 3;
    WriteMarker(out, SOI);
    WriteJFIFHeader(out);
    WriteComment(out, m_comment);
    WriteComment(out, std::string_view(kFixedComment, kFixedCommentLength));
    WriteQuantTable(out, 0, m_sampledQuant[0]);
    if (colour)
        WriteQuantTable(out, 1, m_sampledQuant[1]);
    Scan all(m_components.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<int>(i);
    WriteFrameHeader(out, SOF0, m_width, m_height, Frame(all));
    WriteHuffmanTable(out, 0, 0, m_dc[0]);
    WriteHuffmanTable(out, 0, 1, m_ac[0]);
    if (colour) {
        WriteHuffmanTable(out, 1, 0, m_dc[1]);
        WriteHuffmanTable(out, 1, 1, m_ac[1]);
    }
    EncodeScans(out);
    WriteMarker(out, EOI);
    return out;
}

int Encoder::SaveFile(const std::string& fileName)
{
    if (fileName.empty())
        return 1;
    if (platform::posix::PathExists(fileName))
        return 2;
    const Bytes out = Encode();
    return WriteNewFile(fileName, reinterpret_cast<const char*>(out.data()), out.size()) ? 0 : 2;
}

std::vector<FrameComponent> Encoder::Frame(const Scan& scan) const
{
    std::vector<FrameComponent> frame;
    for (int i : scan)
        frame.push_back(m_components[i].frame);
    return frame;
}

std::vector<Encoder::Scan> Encoder::GroupScans() const
{
    // Components join the current scan while it keeps at most 4 components
    // and at most 10 blocks per MCU; a lone component may exceed that.
    std::vector<Scan> scans;
    Scan current;
    int blocks = 0;
    for (std::size_t i = 0; i < m_components.size(); ++i) {
        const int n = m_components[i].frame.h * m_components[i].frame.v;
        if (!current.empty()
            && (int(current.size()) + 1 > kMaxComponentsInScan || blocks + n > kMaxBlocksInMcu)) {
            scans.push_back(std::move(current));
            current.clear();
            blocks = 0;
        }
        current.push_back(static_cast<int>(i));
        blocks += n;
    }
    if (!current.empty())
        scans.push_back(std::move(current));
    return scans;
}

// Calls visit(componentIndex, block) for every block of a scan in coding
// order; block is null for a filler block (DC equal to the component's
// predictor, all AC zero) that completes an MCU beyond the component's grid.
template <typename Visit>
void Encoder::VisitScanBlocks(const Scan& scan, Visit&& visit) const
{
    if (scan.size() == 1) {
        const Component& c = m_components[scan[0]];
        const std::int16_t* block = c.coefficients.data();
        const std::size_t count = std::size_t(c.blocksWide) * c.blocksHigh;
        for (std::size_t b = 0; b < count; ++b, block += 64)
            visit(scan[0], block);
        return;
    }

    const int mcusWide = CeilDiv(m_width, 8 * m_hmax);
    const int mcusHigh = CeilDiv(m_height, 8 * m_vmax);
    for (int my = 0; my < mcusHigh; ++my) {
        for (int mx = 0; mx < mcusWide; ++mx) {
            for (int index : scan) {
                const Component& c = m_components[index];
                for (int v = 0; v < c.frame.v; ++v) {
                    const int row = my * c.frame.v + v;
                    for (int h = 0; h < c.frame.h; ++h) {
                        const int col = mx * c.frame.h + h;
                        if (row < c.blocksHigh && col < c.blocksWide)
                            visit(index, c.coefficients.data() + (std::size_t(row) * c.blocksWide + col) * 64);
                        else
                            visit(index, nullptr);
                    }
                }
            }
        }
    }
}

void Encoder::OptimizeHuffmanTables()
{
    std::array<Frequencies, 2> dc{};
    std::array<Frequencies, 2> ac{};
    for (const Scan& scan : GroupScans()) {
        std::array<int, 3> predictor{};
        VisitScanBlocks(scan, [&](int index, const std::int16_t* block) {
            const FrameComponent& f = m_components[index].frame;
            if (!block) {
                ++dc[f.dcTable][0];
                ++ac[f.acTable][0x00];
                return;
            }
            CountBlockSymbols(block, predictor[index], dc[f.dcTable], ac[f.acTable]);
        });
    }
    const std::size_t tables = m_components.size() == 3 ? 2 : 1;
    for (std::size_t t = 0; t < tables; ++t) {
        BuildOptimalHuffman(m_dc[t], dc[t]);
        ExpandHuffmanTable(m_dc[t]);
        BuildOptimalHuffman(m_ac[t], ac[t]);
        ExpandHuffmanTable(m_ac[t]);
    }
}

void Encoder::EncodeScan(Bytes& out, const Scan& scan) const
{
    WriteScanHeader(out, Frame(scan));
    BitWriter writer(out);
    writer.ResetBitWriter();
    std::array<int, 3> predictor{};
    std::array<std::int16_t, 64> filler{};
    VisitScanBlocks(scan, [&](int index, const std::int16_t* block) {
        const FrameComponent& f = m_components[index].frame;
        if (!block) {
            filler[0] = static_cast<std::int16_t>(predictor[index]);
            block = filler.data();
        }
        EncodeBlock(writer, block, predictor[index], m_dc[f.dcTable], m_ac[f.acTable]);
    });
    writer.FlushBits();
}

void Encoder::EncodeScans(Bytes& out) const
{
    for (const Scan& scan : GroupScans())
        EncodeScan(out, scan);
}

}  // namespace jpeg
