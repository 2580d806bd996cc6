// The encoder against libjpeg's programs as the outside reference: djpeg
// decodes our files, jpegtran recodes them, cjpeg encodes the same pictures
// with the same quantisation tables.  Tests skip when a program is missing.

#include "jpegtestutil.h"
#include "output/jpegencoder.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

#include <cmath>

using jpegtest::Factors;

namespace {

struct Size {
    int width;
    int height;
};
const Size kOddSizes[] = {{1, 1}, {7, 9}, {100, 630}, {840, 630}};

QString FactorsName(const Factors& f)
{
    return QStringLiteral("%1x%2,%3x%4,%5x%6").arg(f[0]).arg(f[1]).arg(f[2]).arg(f[3]).arg(f[4]).arg(f[5]);
}

// A jpegtran scan script that repeats the scans of a stream.
QByteArray ScanScript(const QByteArray& jpeg)
{
    QByteArray script;
    for (const jpegtest::Segment& s : jpegtest::ParseSegments(jpeg)) {
        if (s.marker != 0xDA)
            continue;
        const int count = std::uint8_t(s.payload[0]);
        for (int i = 0; i < count; ++i)
            script += QByteArray::number(std::uint8_t(s.payload[1 + 2 * i]) - 1) + ' ';
        script += ": 0 63 0 0;\n";
    }
    return script;
}

}  // namespace

// ---------------------------------------------------------------------------
// Every sampling configuration and odd sizes decode.

class JpegSamplingConfiguration : public ::testing::TestWithParam<Factors> {};

TEST_P(JpegSamplingConfiguration, DecodesWithLibjpeg)
{
    REQUIRE_TOOL(djpeg, "djpeg");
    REQUIRE_TOOL(jpegtran, "jpegtran");
    const Factors f = GetParam();
    const bool grey = f[2] == 0;
    // libjpeg upsamples whole ratios only; the other configurations are
    // checked by reading every block back with jpegtran.
    bool wholeRatios = true;
    const int hmax = grey ? 1 : std::max({f[0], f[2], f[4]});
    const int vmax = grey ? 1 : std::max({f[1], f[3], f[5]});
    for (int c = 0; c < (grey ? 1 : 3); ++c)
        wholeRatios = wholeRatios && hmax % f[2 * c] == 0 && vmax % f[2 * c + 1] == 0;

    tqtest::TempDir dir;
    for (const Size& size : kOddSizes) {
        SCOPED_TRACE(QStringLiteral("%1 x %2").arg(size.width).arg(size.height).toStdString());
        const QImage source = grey ? jpegtest::ReportPage(size.width, size.height)
                                   : jpegtest::SmoothColours(size.width, size.height);
        const QString name = dir.file(QStringLiteral("%1x%2.jpg").arg(size.width).arg(size.height));
        const QByteArray bytes = jpegtest::Encode(source, name, f, 90);
        ASSERT_FALSE(bytes.isEmpty());

        const QString script = dir.file(QStringLiteral("scans-%1x%2").arg(size.width).arg(size.height));
        tqtest::writeFile(script, ScanScript(bytes));
        const jpegtest::RunResult recoded =
            jpegtest::Run(jpegtran, {"-copy", "none", "-scans", script, "-outfile", name + ".t", name});
        EXPECT_EQ(recoded.exitCode, 0);
        EXPECT_EQ(recoded.err, QByteArray());

        if (!wholeRatios)
            continue;
        const QString decodedName = name + (grey ? ".pgm" : ".ppm");
        const jpegtest::RunResult decoded = jpegtest::Run(djpeg, {"-outfile", decodedName, name});
        EXPECT_EQ(decoded.exitCode, 0);
        EXPECT_EQ(decoded.err, QByteArray());
        const QImage image = jpegtest::ReadPnmFile(decodedName);
        ASSERT_EQ(image.size(), source.size());
        ASSERT_EQ(image.format(), source.format());
        // Blocks in the wrong place or component would be far below this.
        EXPECT_GT(jpegtest::Psnr(source, image), 33.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Jpeg, JpegSamplingConfiguration,
    ::testing::Values(Factors{1, 1, 0, 0, 0, 0}, Factors{1, 1, 1, 1, 1, 1}, Factors{2, 2, 1, 1, 1, 1},
                      Factors{2, 1, 1, 1, 1, 1}, Factors{1, 2, 1, 1, 1, 1}, Factors{4, 1, 1, 1, 1, 1},
                      Factors{1, 4, 1, 1, 1, 1}, Factors{4, 2, 1, 1, 1, 1}, Factors{3, 3, 1, 1, 1, 1},
                      Factors{4, 4, 1, 1, 1, 1}, Factors{2, 2, 2, 2, 2, 2}, Factors{4, 4, 4, 4, 4, 4},
                      Factors{4, 4, 2, 2, 2, 2}, Factors{2, 2, 2, 1, 1, 2}, Factors{1, 1, 2, 2, 2, 2},
                      Factors{1, 1, 4, 4, 1, 1}, Factors{3, 1, 2, 1, 1, 1}, Factors{4, 4, 3, 3, 1, 1},
                      Factors{1, 2, 3, 4, 2, 1}),
    [](const ::testing::TestParamInfo<Factors>& info) {
        return FactorsName(info.param).replace(QLatin1Char(','), QLatin1Char('_')).toStdString();
    });

// ---------------------------------------------------------------------------
// jpegtran -optimize finds the same tables and codes the same bits.

TEST(JpegAgainstLibjpeg, RecodingGivesTheSameTablesAndEntropyData)
{
    REQUIRE_TOOL(jpegtran, "jpegtran");
    struct Row {
        const char* name;
        QImage picture;
        Factors factors;
        int quality;
    };
    const Row rows[] = {
        {"report page", jpegtest::ReportPage(840, 630), jpegtest::kGrey, 85},
        {"narrow page", jpegtest::ReportPage(100, 630), jpegtest::kGrey, 50},
        {"tiny grey", jpegtest::ReportPage(7, 9), jpegtest::kGrey, 100},
        {"colour 2x2", jpegtest::Photo(100, 70), {2, 2, 1, 1, 1, 1}, 75},
        {"colour 1x1", jpegtest::Photo(333, 101), {1, 1, 1, 1, 1, 1}, 95},
    };
    tqtest::TempDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString ours = dir.file(QString::fromLatin1(row.name));
        const QByteArray bytes = jpegtest::Encode(row.picture, ours, row.factors, row.quality);
        const jpegtest::RunResult recoded =
            jpegtran.isEmpty() ? jpegtest::RunResult{}
                               : jpegtest::Run(jpegtran, {"-optimize", "-copy", "none", "-outfile", ours + ".t", ours});
        ASSERT_EQ(recoded.exitCode, 0);
        const QByteArray theirs = tqtest::readFile(ours + ".t");

        auto tables = [](const QByteArray& jpeg) {
            std::vector<QByteArray> t;
            for (const jpegtest::Segment& s : jpegtest::ParseSegments(jpeg))
                if (s.marker == 0xC4)
                    t.push_back(s.payload);
            return t;
        };
        auto scan = [](const QByteArray& jpeg) {
            for (const jpegtest::Segment& s : jpegtest::ParseSegments(jpeg))
                if (s.marker == 0xDA)
                    return s.entropy;
            return QByteArray();
        };
        EXPECT_FALSE(tables(bytes).empty());
        EXPECT_EQ(tables(bytes), tables(theirs));
        EXPECT_FALSE(scan(bytes).isEmpty());
        EXPECT_TRUE(scan(bytes) == scan(theirs)) << "entropy-coded data differs";
    }
}

// ---------------------------------------------------------------------------
// cjpeg with the same tables: the same picture, near enough.

namespace {

struct Decoded {
    QImage ours;
    QImage theirs;
};

// Encodes `source` with cJpeg and with cjpeg using our tables, and decodes
// both with djpeg.
Decoded EncodeBoth(const QString& djpeg, const QString& cjpeg, const QImage& source, const Factors& f,
                   int quality, const tqtest::TempDir& dir)
{
    const bool grey = f[2] == 0;
    const QString ours = dir.file("ours.jpg");
    const QString theirs = dir.file("theirs.jpg");
    QFile::remove(ours);
    const QByteArray bytes = jpegtest::Encode(source, ours, f, quality);
    tqtest::writeFile(dir.file("source.pnm"), jpegtest::PnmBytes(source));
    tqtest::writeFile(dir.file("tables.txt"), jpegtest::QTablesText(bytes));

    // Quality 50 leaves the tables of the file as they are.
    QStringList args = {"-quality", grey ? "50" : "50,50", "-qtables", dir.file("tables.txt"), "-dct", "float",
                        "-optimize", "-baseline"};
    if (!grey)
        args << "-sample" << QStringLiteral("%1x%2,%3x%4,%5x%6").arg(f[0]).arg(f[1]).arg(f[2]).arg(f[3]).arg(f[4]).arg(f[5]);
    args << "-outfile" << theirs << dir.file("source.pnm");
    EXPECT_EQ(jpegtest::Run(cjpeg, args).exitCode, 0);
    EXPECT_EQ(jpegtest::QuantTableOf(tqtest::readFile(theirs), 0), jpegtest::QuantTableOf(bytes, 0));

    Decoded decoded;
    for (const QString& name : {ours, theirs}) {
        EXPECT_EQ(jpegtest::Run(djpeg, {"-outfile", name + ".pnm", name}).exitCode, 0);
        (name == ours ? decoded.ours : decoded.theirs) = jpegtest::ReadPnmFile(name + ".pnm");
    }
    return decoded;
}

}  // namespace

TEST(JpegAgainstLibjpeg, GreyscaleMatchesCjpeg)
{
    REQUIRE_TOOL(djpeg, "djpeg");
    REQUIRE_TOOL(cjpeg, "cjpeg");
    tqtest::TempDir dir;
    const QImage page = jpegtest::ReportPage(840, 630);
    for (int quality : {50, 85, 95}) {
        SCOPED_TRACE(quality);
        const Decoded d = EncodeBoth(djpeg, cjpeg, page, jpegtest::kGrey, quality, dir);
        ASSERT_EQ(d.ours.size(), page.size());
        ASSERT_EQ(d.theirs.size(), page.size());
        const jpegtest::Agreement a = jpegtest::Compare(d.ours, d.theirs);
        EXPECT_GE(a.identical, 0.999);
        EXPECT_LE(a.maxDiff, 2);
        EXPECT_NEAR(jpegtest::Psnr(page, d.ours), jpegtest::Psnr(page, d.theirs), 0.05);
    }
}

TEST(JpegAgainstLibjpeg, ColourMatchesCjpeg)
{
    // The colour samples keep their fractions and chroma is averaged before
    // conversion, where cjpeg rounds every sample to an integer: the
    // pictures agree in quality, not value for value.
    REQUIRE_TOOL(djpeg, "djpeg");
    REQUIRE_TOOL(cjpeg, "cjpeg");
    tqtest::TempDir dir;
    const QImage photo = jpegtest::Photo(400, 300);
    for (const Factors& f : {Factors{2, 2, 1, 1, 1, 1}, Factors{1, 1, 1, 1, 1, 1}, Factors{2, 1, 1, 1, 1, 1}}) {
        SCOPED_TRACE(FactorsName(f).toStdString());
        const Decoded d = EncodeBoth(djpeg, cjpeg, photo, f, 85, dir);
        ASSERT_EQ(d.ours.size(), photo.size());
        ASSERT_EQ(d.theirs.size(), photo.size());
        EXPECT_NEAR(jpegtest::Psnr(photo, d.ours), jpegtest::Psnr(photo, d.theirs), 0.3);
        EXPECT_LT(jpegtest::Compare(d.ours, d.theirs).meanAbsDiff, 1.0);
    }
}
