#include "output/jpegencoder.h"

#include "output/jpegsample.h"
#include "output/newfile.h"
#include "platform/base/error.h"

#include <algorithm>
#include <new>

namespace {

constexpr long kSubscriptOutOfRange = 9;
constexpr int kMaxCommentLength = 65533;
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
    throw platform::Error(1, QStringLiteral("Invalid Sampling Value"), QStringLiteral("cJpeg"));
}

}  // namespace

cJpeg::cJpeg()
{
    SetSamplingFrequencies(2, 2, 1, 1, 1, 1);
    SetQuality(75);
}

void cJpeg::SetQuality(int vData)
{
    if (vData < 1 || vData > 100)
        return;
    m_quality = vData;
    m_quant[0] = jpeg::MakeQuantTable(jpeg::kBaseLuminance, vData);
    m_quant[1] = jpeg::MakeQuantTable(jpeg::kBaseChrominance, vData);
}

void cJpeg::SetSamplingFrequencies(int H1, int V1, int H2, int V2, int H3, int V3)
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

bool cJpeg::BeginSample(int lWidth, int lHeight)
{
    m_precision = 8;
    m_height = lHeight;
    m_width = lWidth;
    // The previous image goes first: whatever happens below, the object
    // never pairs this size with another image's coefficients.
    for (Component& c : m_components) {
        c.coefficients.clear();
        c.coefficients.shrink_to_fit();
        c.frame.id = 0;
    }
    if (lWidth < 1 || lHeight < 1)
        return false;

    // The 24-bit bitmap of the whole area, rows of whole 4-byte words, must
    // be addressable with 32 bits.
    const std::int64_t rowBytes = (std::int64_t(CeilDiv(lWidth, 8)) * 8 * 3 + 3) / 4 * 4;
    if (rowBytes * (std::int64_t(CeilDiv(lHeight, 8)) * 8) > INT32_MAX)
        throw platform::Error(platform::errors::Overflow, QStringLiteral("Overflow"), QStringLiteral("cJpeg"));
    return true;
}

int cJpeg::SamplePixels(const jpeg::PixelArea& picture, int lWidth, int lHeight, int lSrcLeft, int lSrcTop)
{
    if (!BeginSample(lWidth, lHeight))
        return 1;

    try {
        const jpeg::PixelArea area = jpeg::TakeArea(picture, lSrcLeft, lSrcTop, lWidth, lHeight);

        jpeg::PixelArea scaled;
        static const jpeg::ColorRow* const conversions[3] = {&jpeg::kLuminance, &jpeg::kChromaBlue,
                                                             &jpeg::kChromaRed};
        for (std::size_t i = 0; i < m_components.size(); ++i) {
            Component& c = m_components[i];
            const int cw = CeilDiv(std::int64_t(lWidth) * c.frame.h, m_hmax);
            const int ch = CeilDiv(std::int64_t(lHeight) * c.frame.v, m_vmax);
            c.blocksWide = CeilDiv(cw, 8);
            c.blocksHigh = CeilDiv(ch, 8);

            const jpeg::PixelArea* raster = &area;
            if (cw != lWidth || ch != lHeight) {
                // Components of one size share one scaled copy.
                if (scaled.isNull() || scaled.width() != cw || scaled.height() != ch)
                    scaled = jpeg::ScaledCopy(area, cw, ch);
                raster = &scaled;
            }
            jpeg::SampleComponent(*raster, *conversions[i], m_quant[c.frame.quantTable], c.blocksWide,
                                  c.blocksHigh, c.coefficients);
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

void cJpeg::SetComment(const QString& Value)
{
    if (Value.size() > kMaxCommentLength)
        throw platform::Error(1, QStringLiteral("Illegal Comment Length"), QStringLiteral("cJpeg"));
    m_comment = Value;
}

bool cJpeg::HasImage() const
{
    return !m_components.empty()
        && std::all_of(m_components.begin(), m_components.end(),
                       [](const Component& c) { return !c.coefficients.empty(); });
}

int cJpeg::SaveFile(const QString& FileName)
{
    if (FileName.isEmpty())
        return 1;
    if (jpeg::PathExists(FileName))
        return 2;
    if (!HasImage())
        throw platform::Error(kSubscriptOutOfRange, QStringLiteral("Subscript out of range"),
                              QStringLiteral("cJpeg"));
    if (m_width > kMaxSide || m_height > kMaxSide)
        throw platform::Error(platform::errors::Overflow, QStringLiteral("Overflow"), QStringLiteral("cJpeg"));

    OptimizeHuffmanTables();

    std::size_t blocks = 0;
    for (const Component& c : m_components)
        blocks += c.coefficients.size() / 64;
    jpeg::Bytes out;
    out.reserve(1024 + m_comment.size() + blocks * 16);

    const bool colour = m_components.size() == 3;
    jpeg::WriteMarker(out, jpeg::SOI);
    jpeg::WriteJFIFHeader(out);
    jpeg::WriteComment(out, jpeg::CommentBytes(m_comment));
    jpeg::WriteComment(out, QByteArray(jpeg::kFixedComment, jpeg::kFixedCommentLength));
    jpeg::WriteQuantTable(out, 0, m_sampledQuant[0]);
    if (colour)
        jpeg::WriteQuantTable(out, 1, m_sampledQuant[1]);
    Scan all(m_components.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<int>(i);
    jpeg::WriteFrameHeader(out, jpeg::SOF0, m_width, m_height, Frame(all));
    jpeg::WriteHuffmanTable(out, 0, 0, m_dc[0]);
    jpeg::WriteHuffmanTable(out, 0, 1, m_ac[0]);
    if (colour) {
        jpeg::WriteHuffmanTable(out, 1, 0, m_dc[1]);
        jpeg::WriteHuffmanTable(out, 1, 1, m_ac[1]);
    }
    EncodeScans(out);
    jpeg::WriteMarker(out, jpeg::EOI);

    return jpeg::WriteNewFile(FileName, reinterpret_cast<const char*>(out.data()), out.size()) ? 0 : 2;
}

std::vector<jpeg::FrameComponent> cJpeg::Frame(const Scan& scan) const
{
    std::vector<jpeg::FrameComponent> frame;
    for (int i : scan)
        frame.push_back(m_components[i].frame);
    return frame;
}

std::vector<cJpeg::Scan> cJpeg::GroupScans() const
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
void cJpeg::VisitScanBlocks(const Scan& scan, Visit&& visit) const
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

void cJpeg::OptimizeHuffmanTables()
{
    std::array<jpeg::Frequencies, 2> dc{};
    std::array<jpeg::Frequencies, 2> ac{};
    for (const Scan& scan : GroupScans()) {
        std::array<int, 3> predictor{};
        VisitScanBlocks(scan, [&](int index, const std::int16_t* block) {
            const jpeg::FrameComponent& f = m_components[index].frame;
            if (!block) {
                ++dc[f.dcTable][0];
                ++ac[f.acTable][0x00];
                return;
            }
            jpeg::CountBlockSymbols(block, predictor[index], dc[f.dcTable], ac[f.acTable]);
        });
    }
    const std::size_t tables = m_components.size() == 3 ? 2 : 1;
    for (std::size_t t = 0; t < tables; ++t) {
        jpeg::BuildOptimalHuffman(m_dc[t], dc[t]);
        jpeg::ExpandHuffmanTable(m_dc[t]);
        jpeg::BuildOptimalHuffman(m_ac[t], ac[t]);
        jpeg::ExpandHuffmanTable(m_ac[t]);
    }
}

void cJpeg::EncodeScan(jpeg::Bytes& out, const Scan& scan) const
{
    jpeg::WriteScanHeader(out, Frame(scan));
    jpeg::BitWriter writer(out);
    writer.ResetBitWriter();
    std::array<int, 3> predictor{};
    std::array<std::int16_t, 64> filler{};
    VisitScanBlocks(scan, [&](int index, const std::int16_t* block) {
        const jpeg::FrameComponent& f = m_components[index].frame;
        if (!block) {
            filler[0] = static_cast<std::int16_t>(predictor[index]);
            block = filler.data();
        }
        jpeg::EncodeBlock(writer, block, predictor[index], m_dc[f.dcTable], m_ac[f.acTable]);
    });
    writer.FlushBits();
}

void cJpeg::EncodeScans(jpeg::Bytes& out) const
{
    for (const Scan& scan : GroupScans())
        EncodeScan(out, scan);
}
