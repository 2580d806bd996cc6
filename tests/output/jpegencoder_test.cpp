// cJpeg as a whole: the members and their errors, the bytes of the file
// outside the entropy-coded data, and how files are written.

#include "jpegtestutil.h"
#include "output/jpegencoder.h"
#include "platform/base/error.h"
#include "support/testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include <unistd.h>
#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

using jpegtest::Markers;
using jpegtest::ParseSegments;
using jpegtest::Segment;

namespace {

QByteArray Hex(const char* text)
{
    return QByteArray::fromHex(text);
}

// Runs `call` and returns the number of the platform::Error it raised, or
// 0 when it raised none.
template <typename Call>
long ErrorNumber(Call&& call, QString* description = nullptr)
{
    try {
        call();
    } catch (const platform::Error& e) {
        if (description)
            *description = e.description();
        return e.number();
    }
    return 0;
}

QByteArray SaveGrey(cJpeg& encoder, const QString& path)
{
    EXPECT_EQ(encoder.SaveFile(path), 0);
    return tqtest::readFile(path);
}

cJpeg GreyEncoder(const QImage& picture, int quality = 85)
{
    cJpeg encoder;
    encoder.SetSamplingFrequencies(1, 1, 0, 0, 0, 0);
    encoder.SetQuality(quality);
    EXPECT_EQ(encoder.SampleHDC(picture, picture.width(), picture.height(), 0, 0), 0);
    return encoder;
}

const std::vector<std::uint8_t> kGreyMarkers = {0xD8, 0xE0, 0xFE, 0xDB, 0xC0, 0xC4, 0xC4, 0xDA, 0xD9};

}  // namespace

// ---------------------------------------------------------------------------
// Byte layout

TEST(JpegLayout, GreyscaleFileWithoutComment)
{
    tqtest::TempDir dir;
    const QImage page = jpegtest::ReportPage(840, 630);
    cJpeg encoder = GreyEncoder(page);
    const QByteArray bytes = SaveGrey(encoder, dir.file("page.jpg"));

    EXPECT_TRUE(bytes.startsWith(Hex("FFD8FFE000104A46494600010100000100010000FFFE007B")));
    EXPECT_EQ(bytes.mid(24, 121), QByteArray(jpeg::kFixedComment));
    EXPECT_EQ(bytes.mid(24, 121).count("\r\n"), 2);  // three lines

    const std::vector<Segment> segments = ParseSegments(bytes);
    ASSERT_EQ(Markers(segments), kGreyMarkers);
    const int expectedOffsets[] = {0, 2, 20, 145, 214, 227};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(segments[i].offset, expectedOffsets[i]) << "segment " << i;
    EXPECT_EQ(bytes.mid(145, 5), Hex("FFDB004300"));
    EXPECT_EQ(bytes.mid(214, 13), Hex("FFC0000B08027603480101110" "0"));  // 630 x 840
    EXPECT_EQ(segments[5].payload[0], char(0x00));                       // DC table 0
    EXPECT_EQ(segments[6].payload[0], char(0x10));                       // AC table 0
    for (int i : {5, 6}) {
        int symbols = 0;
        for (int l = 0; l < 16; ++l)
            symbols += std::uint8_t(segments[i].payload[1 + l]);
        EXPECT_EQ(segments[i].payload.size(), 17 + symbols);
    }
    EXPECT_EQ(bytes.mid(segments[7].offset, 10), Hex("FFDA000801010000" "3F00"));
    EXPECT_TRUE(bytes.endsWith(Hex("FFD9")));
    EXPECT_EQ(segments[8].offset, bytes.size() - 2);
}

TEST(JpegLayout, CallersCommentComesBeforeTheFixedOne)
{
    tqtest::TempDir dir;
    cJpeg encoder = GreyEncoder(jpegtest::ReportPage(16, 16));
    encoder.SetComment(QStringLiteral("abc"));
    const QByteArray bytes = SaveGrey(encoder, dir.file("c.jpg"));
    EXPECT_EQ(bytes.mid(20, 7), Hex("FFFE0005616263"));
    EXPECT_EQ(bytes.mid(27, 4), Hex("FFFE007B"));
    EXPECT_EQ(bytes.mid(152, 4), Hex("FFDB0043"));
    std::vector<std::uint8_t> markers = kGreyMarkers;
    markers.insert(markers.begin() + 2, 0xFE);
    EXPECT_EQ(Markers(ParseSegments(bytes)), markers);

    // Characters are written in the Windows-1252 code page.
    encoder.SetComment(QStringLiteral("Vedação €5 ☺"));
    const QByteArray ansi = SaveGrey(encoder, dir.file("d.jpg"));
    EXPECT_EQ(ansi.mid(20, 16), QByteArray("\xFF\xFE\x00\x0E" "Veda\xE7\xE3o \x80" "5 ?", 16));
}

TEST(JpegLayout, LongestComment)
{
    tqtest::TempDir dir;
    cJpeg encoder = GreyEncoder(jpegtest::ReportPage(8, 8));
    encoder.SetComment(QString(65533, QLatin1Char('x')));
    const QByteArray bytes = SaveGrey(encoder, dir.file("long.jpg"));
    EXPECT_EQ(bytes.mid(20, 4), Hex("FFFEFFFF"));
    EXPECT_EQ(bytes.mid(20 + 65537, 4), Hex("FFFE007B"));

    QString description;
    EXPECT_EQ(ErrorNumber([&] { encoder.SetComment(QString(65534, QLatin1Char('y'))); }, &description), 1);
    EXPECT_EQ(description, QStringLiteral("Illegal Comment Length"));
    EXPECT_EQ(encoder.Comment(), QString(65533, QLatin1Char('x')));
}

TEST(JpegLayout, ColourFramesAndScans)
{
    struct Row {
        const char* name;
        jpegtest::Factors factors;
        QByteArray frameComponents;             // after Nf
        std::vector<QByteArray> scans;          // SOS payloads
    };
    const Row rows[] = {
        {"default 2x2,1x1,1x1", {2, 2, 1, 1, 1, 1}, Hex("012200" "021101" "031101"), {Hex("03" "0100" "0211" "0311" "003F00")}},
        {"4x4 first alone", {4, 4, 1, 1, 1, 1}, Hex("014400" "021101" "031101"), {Hex("01" "0100" "003F00"), Hex("02" "0211" "0311" "003F00")}},
        {"2x2 three times", {2, 2, 2, 2, 2, 2}, Hex("012200" "022201" "032201"), {Hex("02" "0100" "0211" "003F00"), Hex("01" "0311" "003F00")}},
        {"grey from 4x4", {4, 4, 0, 0, 0, 0}, Hex("011100"), {Hex("01" "0100" "003F00")}},
    };
    tqtest::TempDir dir;
    const QImage photo = jpegtest::Photo(100, 70);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QByteArray bytes = jpegtest::Encode(photo, dir.file(row.name), row.factors, 75);
        const std::vector<Segment> segments = ParseSegments(bytes);
        ASSERT_FALSE(segments.empty());
        const bool colour = row.frameComponents.size() == 9;
        std::vector<std::uint8_t> markers = {0xD8, 0xE0, 0xFE, 0xDB};
        if (colour)
            markers.push_back(0xDB);
        markers.push_back(0xC0);
        for (int t = 0; t < (colour ? 4 : 2); ++t)
            markers.push_back(0xC4);
        for (std::size_t s = 0; s < row.scans.size(); ++s)
            markers.push_back(0xDA);
        markers.push_back(0xD9);
        EXPECT_EQ(Markers(segments), markers);

        for (const Segment& s : segments) {
            if (s.marker == 0xC0) {
                EXPECT_EQ(s.payload, Hex("0800460064") + char(row.frameComponents.size() / 3) + row.frameComponents);
            }
        }
        std::vector<QByteArray> scans;
        QByteArray tableIds;
        for (const Segment& s : segments) {
            if (s.marker == 0xDA)
                scans.push_back(s.payload);
            if (s.marker == 0xC4 || s.marker == 0xDB)
                tableIds += s.payload[0];
        }
        EXPECT_EQ(scans, row.scans);
        EXPECT_EQ(tableIds, colour ? Hex("0001" "00100111") : Hex("00" "0010"));
    }
}

TEST(JpegLayout, FlatSmallPictureHasOneSymbolTables)
{
    // One block: each table holds one symbol with the 1-bit code 0.
    tqtest::TempDir dir;
    QImage flat(5, 7, QImage::Format_Grayscale8);
    flat.fill(200);  // sample 72, DC = 8 x 72 / 5 = 115.2 -> 115, category 7
    cJpeg encoder = GreyEncoder(flat);
    const std::vector<Segment> segments = ParseSegments(SaveGrey(encoder, dir.file("flat.jpg")));
    ASSERT_EQ(Markers(segments), kGreyMarkers);
    EXPECT_EQ(segments[5].payload, Hex("00" "01000000000000000000000000000000" "07"));
    EXPECT_EQ(segments[6].payload, Hex("10" "01000000000000000000000000000000" "00"));
    // Code 0 and the bits of 115 (1110011); end of block 0, filled with ones.
    EXPECT_EQ(segments[7].entropy, Hex("73" "7F"));
}

// ---------------------------------------------------------------------------
// Members

TEST(JpegMembers, QualityKeepsOnlyValuesFrom1To100)
{
    cJpeg encoder;
    EXPECT_EQ(encoder.Quality(), 75);
    encoder.SetQuality(0);
    encoder.SetQuality(101);
    encoder.SetQuality(-5);
    EXPECT_EQ(encoder.Quality(), 75);
    encoder.SetQuality(1);
    EXPECT_EQ(encoder.Quality(), 1);
    encoder.SetQuality(100);
    EXPECT_EQ(encoder.Quality(), 100);
}

TEST(JpegMembers, QualityTablesInTheFile)
{
    // The tables the file carries at the qualities worth knowing.
    struct Row { int quality; int luminance0; int chrominance0; int luminanceLast; int chrominanceLast; };
    const Row rows[] = {{1, 255, 255, 255, 255}, {50, 16, 18, 100, 100}, {75, 8, 9, 50, 50},
                        {85, 5, 6, 30, 30}, {100, 1, 1, 1, 1}};
    tqtest::TempDir dir;
    const QImage photo = jpegtest::Photo(16, 16);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.quality);
        const QByteArray bytes = jpegtest::Encode(photo, dir.file(QString::number(row.quality)),
                                                  {1, 1, 1, 1, 1, 1}, row.quality);
        const auto luminance = jpegtest::QuantTableOf(bytes, 0);
        const auto chrominance = jpegtest::QuantTableOf(bytes, 1);
        EXPECT_EQ(luminance[0], row.luminance0);
        EXPECT_EQ(chrominance[0], row.chrominance0);
        EXPECT_EQ(luminance[63], row.luminanceLast);
        EXPECT_EQ(chrominance[63], row.chrominanceLast);
    }
}

TEST(JpegMembers, SamplingFactorsAreChecked)
{
    struct Row { const char* name; jpegtest::Factors factors; bool valid; };
    const Row rows[] = {
        {"grey", {1, 1, 0, 0, 0, 0}, true},
        {"grey ignores 4x4", {4, 4, 0, 0, 0, 0}, true},
        {"largest", {4, 4, 4, 4, 4, 4}, true},
        {"H1 zero", {0, 1, 0, 0, 0, 0}, false},
        {"V1 five", {1, 5, 1, 1, 1, 1}, false},
        {"one nonzero chroma factor", {1, 1, 0, 0, 0, 1}, false},
        {"negative", {1, 1, 1, -1, 1, 1}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        cJpeg encoder;
        encoder.SetSamplingFrequencies(1, 1, 0, 0, 0, 0);
        const auto& f = row.factors;
        QString description;
        const long number =
            ErrorNumber([&] { encoder.SetSamplingFrequencies(f[0], f[1], f[2], f[3], f[4], f[5]); }, &description);
        EXPECT_EQ(number, row.valid ? 0 : 1);
        if (!row.valid) {
            EXPECT_EQ(description, QStringLiteral("Invalid Sampling Value"));
            // The component table is unchanged: still one grey component.
            tqtest::TempDir dir;
            QImage grey(8, 8, QImage::Format_Grayscale8);
            grey.fill(0);
            ASSERT_EQ(encoder.SampleHDC(grey, 8, 8, 0, 0), 0);
            ASSERT_EQ(encoder.SaveFile(dir.file("x.jpg")), 0);
            EXPECT_EQ(Markers(ParseSegments(tqtest::readFile(dir.file("x.jpg")))), kGreyMarkers);
        }
    }
}

TEST(JpegMembers, SavingNeedsASampledImage)
{
    tqtest::TempDir dir;
    QString description;
    cJpeg fresh;
    EXPECT_EQ(ErrorNumber([&] { fresh.SaveFile(dir.file("a.jpg")); }, &description), 9);
    EXPECT_EQ(description, QStringLiteral("Subscript out of range"));

    // New sampling factors drop the image.
    cJpeg sampled = GreyEncoder(jpegtest::ReportPage(20, 20));
    sampled.SetSamplingFrequencies(2, 2, 1, 1, 1, 1);
    EXPECT_EQ(ErrorNumber([&] { sampled.SaveFile(dir.file("b.jpg")); }), 9);

    // A failed sampling leaves no image behind, not even the previous one.
    cJpeg failed = GreyEncoder(jpegtest::ReportPage(20, 20));
    EXPECT_EQ(failed.SampleHDC(jpegtest::ReportPage(20, 20), 0, 20, 0, 0), 1);
    EXPECT_EQ(ErrorNumber([&] { failed.SaveFile(dir.file("c.jpg")); }), 9);
    EXPECT_EQ(failed.SampleHDC(jpegtest::ReportPage(20, 20), 20, -1, 0, 0), 1);

    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

TEST(JpegMembers, SidesAbove65535AreRefused)
{
    tqtest::TempDir dir;
    QImage wide(65536, 1, QImage::Format_Grayscale8);
    wide.fill(90);
    cJpeg encoder = GreyEncoder(wide);
    QString description;
    EXPECT_EQ(ErrorNumber([&] { encoder.SaveFile(dir.file("wide.jpg")); }, &description), 6);
    EXPECT_EQ(description, QStringLiteral("Overflow"));
    EXPECT_FALSE(QFile::exists(dir.file("wide.jpg")));

    // The largest side still works.
    QImage tall(1, 65535, QImage::Format_Grayscale8);
    tall.fill(90);
    cJpeg largest = GreyEncoder(tall);
    const QByteArray bytes = SaveGrey(largest, dir.file("tall.jpg"));
    EXPECT_EQ(bytes.mid(214 + 5, 4), Hex("FFFF0001"));

    // An area whose bitmap would not be addressable with 32 bits.
    EXPECT_EQ(ErrorNumber([&] { largest.SampleHDC(tall, 30000, 30000, 0, 0); }), 6);
}

TEST(JpegMembers, FileCarriesTheTablesTheImageWasSampledWith)
{
    // Quality set after sampling does not pair new tables with old
    // coefficients.
    tqtest::TempDir dir;
    const QImage page = jpegtest::ReportPage(64, 64);
    cJpeg encoder = GreyEncoder(page, 30);
    encoder.SetQuality(95);
    EXPECT_EQ(encoder.Quality(), 95);
    const QByteArray bytes = SaveGrey(encoder, dir.file("late.jpg"));
    EXPECT_EQ(jpegtest::QuantTableOf(bytes, 0)[0], 27);  // 16 x 167 / 100 = 26.72
    const QByteArray fresh = jpegtest::Encode(page, dir.file("fresh.jpg"), jpegtest::kGrey, 30);
    EXPECT_EQ(bytes, fresh);
}

// ---------------------------------------------------------------------------
// Files

TEST(JpegFiles, ExistingNamesAreNeverReplaced)
{
    tqtest::TempDir dir;
    cJpeg encoder = GreyEncoder(jpegtest::ReportPage(30, 30));
    EXPECT_EQ(encoder.SaveFile(QString()), 1);

    const QString plain = dir.file("plain.jpg");
    const QString hidden = dir.file(".hidden.jpg");
    const QString readOnly = dir.file("readonly.jpg");
    for (const QString& name : {plain, hidden, readOnly})
        tqtest::writeFile(name, "old contents");
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner);
    ASSERT_TRUE(QDir().mkdir(dir.file("folder.jpg")));
    ASSERT_EQ(::symlink("nowhere.jpg", QFile::encodeName(dir.file("dangling.jpg")).constData()), 0);

    for (const QString& name : {plain, hidden, readOnly}) {
        EXPECT_EQ(encoder.SaveFile(name), 2) << qPrintable(name);
        EXPECT_EQ(tqtest::readFile(name), QByteArray("old contents"));
    }
    EXPECT_EQ(encoder.SaveFile(dir.file("folder.jpg")), 2);
    EXPECT_EQ(encoder.SaveFile(dir.file("dangling.jpg")), 2);
    EXPECT_FALSE(QFile::exists(dir.file("nowhere.jpg")));

    // Only the files made above: no temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size(), 5);
}

TEST(JpegFiles, RepeatedSavesWriteTheSameBytes)
{
    tqtest::TempDir dir;
    cJpeg encoder;
    const QImage photo = jpegtest::Photo(37, 21);
    ASSERT_EQ(encoder.SampleHDC(photo, 37, 21, 0, 0), 0);
    ASSERT_EQ(encoder.SaveFile(dir.file("one.jpg")), 0);
    ASSERT_EQ(encoder.SaveFile(dir.file("two.jpg")), 0);
    const QByteArray one = tqtest::readFile(dir.file("one.jpg"));
    EXPECT_FALSE(one.isEmpty());
    EXPECT_EQ(one, tqtest::readFile(dir.file("two.jpg")));
    // The file gets the permissions of any new file, not a temporary file's.
    tqtest::writeFile(dir.file("reference"), "x");
    EXPECT_EQ(QFileInfo(dir.file("one.jpg")).permissions(), QFileInfo(dir.file("reference")).permissions());
}

TEST(JpegFiles, UnwritableTargetsRaiseTheFileSystemsError)
{
    tqtest::TempDir dir;
    cJpeg encoder = GreyEncoder(jpegtest::ReportPage(30, 30));
    QString description;
    EXPECT_EQ(ErrorNumber([&] { encoder.SaveFile(dir.file("missing/page.jpg")); }, &description), 76);
    EXPECT_EQ(description, QStringLiteral("Path not found"));
    EXPECT_EQ(ErrorNumber([&] { encoder.SaveFile(dir.file(QString(300, QLatin1Char('n')))); }), 52);

    // The longest name a folder takes still works.
    const QString longest = dir.file(QString(251, QLatin1Char('p')) + QStringLiteral(".jpg"));
    EXPECT_EQ(encoder.SaveFile(longest), 0);
    EXPECT_TRUE(QFile::exists(longest));

    if (::geteuid() != 0) {  // permissions do not bind the superuser
        const QString locked = dir.file("locked");
        ASSERT_TRUE(QDir().mkdir(locked));
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(ErrorNumber([&] { encoder.SaveFile(locked + QStringLiteral("/page.jpg")); }), 70);
        EXPECT_TRUE(QDir(locked).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
}

// ---------------------------------------------------------------------------
// The processor's vector state

#if defined(__x86_64__) || defined(__i386__)

namespace {

// Whether the upper halves of the 256-bit registers are in use (XGETBV 1,
// bit 2); false where the processor cannot say.
bool CanReadVectorState()
{
    unsigned a = 0, b = 0, c = 0, d = 0;
    return __builtin_cpu_supports("avx") && __get_cpuid_count(0xD, 1, &a, &b, &c, &d) && (a & 4) != 0;
}

bool UpperHalvesInUse()
{
    unsigned lo = 0, hi = 0;
    __asm__ volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(1));
    return (lo & 4) != 0;
}

// Plain assembly: a function compiled for AVX would release the halves
// again on its way out.  Called only where CanReadVectorState.
void UseUpperHalves()
{
    __asm__ volatile("vpcmpeqd %%ymm1, %%ymm1, %%ymm1" ::: "xmm1");
}

}  // namespace

TEST(JpegVectorState, EveryStageStartsWithTheUpperHalvesReleased)
{
    // A caller that leaves the upper halves of the vector registers in use
    // (Qt's seeded hash of a short key does, on processors with VAES and
    // AVX-512) would make the encoder's SSE code wait on them at every
    // instruction.  Each stage the report run calls releases them first,
    // and the bytes do not depend on the state it was handed.
    if (!CanReadVectorState())
        GTEST_SKIP() << "the processor does not report its vector state";
    tqtest::TempDir dir;
    const QImage page = jpegtest::ReportPage(840, 630);
    const QImage photo = jpegtest::Photo(203, 97);
    const QByteArray pageBytes = GreyEncoder(page).Encode();
    cJpeg colourEncoder;
    ASSERT_EQ(colourEncoder.SampleHDC(photo, 203, 97, 0, 0), 0);
    const QByteArray photoBytes = colourEncoder.Encode();

    struct Caller {
        const char* name;
        std::function<void()> leaveInUse;
    };
    const Caller callers[] = {
        {"an AVX instruction", UseUpperHalves},
        {"a QSet lookup of a short text", [] {
             static QSet<QString> fields{QStringLiteral("ArquivoFigura")};
             EXPECT_FALSE(fields.contains(QStringLiteral("Figura")));
         }},
    };
    int engaged = 0;
    for (const Caller& caller : callers) {
        SCOPED_TRACE(caller.name);
        caller.leaveInUse();
        if (!UpperHalvesInUse())
            continue;  // Qt's hash leaves them in use on some processors only
        ++engaged;
        std::printf("[ vector   ] left in use by %s\n", caller.name);
        cJpeg encoder;
        encoder.SetSamplingFrequencies(1, 1, 0, 0, 0, 0);
        encoder.SetQuality(85);
        ASSERT_EQ(encoder.SampleHDC(page, 840, 630, 0, 0), 0);
        EXPECT_FALSE(UpperHalvesInUse()) << "sampling a greyscale page";
        caller.leaveInUse();
        EXPECT_EQ(encoder.Encode(), pageBytes);
        EXPECT_FALSE(UpperHalvesInUse()) << "entropy coding";

        caller.leaveInUse();
        cJpeg colour;
        ASSERT_EQ(colour.SampleHDC(photo, 203, 97, 0, 0), 0);
        EXPECT_FALSE(UpperHalvesInUse()) << "sampling a colour picture";
        caller.leaveInUse();
        const QString file = dir.file(QStringLiteral("%1.jpg").arg(QLatin1String(caller.name).size()));
        ASSERT_EQ(colour.SaveFile(file), 0);
        EXPECT_EQ(tqtest::readFile(file), photoBytes);
    }
    EXPECT_GE(engaged, 1);
}

#endif
