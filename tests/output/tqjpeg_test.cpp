// The tqjpeg front end: netpbm input, arguments and exit statuses.

#include "jpegtestutil.h"
#include "support/testutil.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

jpegtest::RunResult Tqjpeg(const QStringList& arguments)
{
    return jpegtest::Run(tqtest::builtProgram(QStringLiteral("tqjpeg")), arguments);
}

// The same picture as plain (ASCII) netpbm, samples scaled to `maxval`.
QByteArray PlainPnm(const QImage& image, int maxval)
{
    const bool grey = image.format() == QImage::Format_Grayscale8;
    QByteArray text = (grey ? "P2\n# plain grey\n" : "P3\n") + QByteArray::number(image.width()) + ' '
                      + QByteArray::number(image.height()) + '\n' + QByteArray::number(maxval) + '\n';
    const int rowBytes = image.width() * (grey ? 1 : 3);
    for (int y = 0; y < image.height(); ++y) {
        for (int i = 0; i < rowBytes; ++i)
            text += QByteArray::number(image.constScanLine(y)[i] * maxval / 255) + (i + 1 < rowBytes ? " " : "\n");
    }
    return text;
}

// Binary netpbm with two bytes a sample (maximum 65535).
QByteArray WidePnm(const QImage& image)
{
    const bool grey = image.format() == QImage::Format_Grayscale8;
    QByteArray bytes = (grey ? "P5 " : "P6 ") + QByteArray::number(image.width()) + ' '
                       + QByteArray::number(image.height()) + " 65535\n";
    const int rowBytes = image.width() * (grey ? 1 : 3);
    for (int y = 0; y < image.height(); ++y) {
        for (int i = 0; i < rowBytes; ++i) {
            const int v = image.constScanLine(y)[i] * 257;
            bytes += char(v >> 8);
            bytes += char(v & 0xFF);
        }
    }
    return bytes;
}

}  // namespace

TEST(Tqjpeg, EncodesEveryNetpbmFormLikeTheEncoder)
{
    tqtest::TempDir dir;
    const QImage page = jpegtest::ReportPage(45, 31);
    const QImage photo = jpegtest::Photo(45, 31);
    const QByteArray greyDefault = jpegtest::Encode(page, dir.file("grey.ref"), jpegtest::kGrey, 75);
    const QByteArray colourDefault = jpegtest::Encode(photo, dir.file("colour.ref"), {2, 2, 1, 1, 1, 1}, 75);
    const QByteArray colourChosen = jpegtest::Encode(photo, dir.file("chosen.ref"), {1, 2, 1, 1, 1, 1}, 60);

    struct Row {
        const char* name;
        QByteArray input;
        QStringList options;
        QByteArray expected;
    };
    const Row rows[] = {
        {"P5", jpegtest::PnmBytes(page), {}, greyDefault},
        {"P2", PlainPnm(page, 255), {}, greyDefault},
        {"P5 of 16 bits", WidePnm(page), {}, greyDefault},
        {"P6", jpegtest::PnmBytes(photo), {}, colourDefault},
        {"P3", PlainPnm(photo, 255), {}, colourDefault},
        {"P6 of 16 bits", WidePnm(photo), {}, colourDefault},
        {"quality and factors", jpegtest::PnmBytes(photo), {"60", "1,2,1,1,1,1"}, colourChosen},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString input = dir.file(QString::fromLatin1(row.name) + ".pnm");
        const QString output = dir.file(QString::fromLatin1(row.name) + ".jpg");
        tqtest::writeFile(input, row.input);
        const jpegtest::RunResult run = Tqjpeg(QStringList{input, output} + row.options);
        ASSERT_TRUE(run.started);
        EXPECT_EQ(run.exitCode, 0) << run.err.constData();
        EXPECT_TRUE(tqtest::readFile(output) == row.expected);
    }
}

TEST(Tqjpeg, RefusesBadInputAndNeverReplacesAFile)
{
    tqtest::TempDir dir;
    const QString good = dir.file("good.pgm");
    tqtest::writeFile(good, jpegtest::PnmBytes(jpegtest::ReportPage(16, 16)));
    tqtest::writeFile(dir.file("truncated.pgm"), jpegtest::PnmBytes(jpegtest::ReportPage(16, 16)).left(100));
    tqtest::writeFile(dir.file("notpnm.pgm"), "GIF89a");
    tqtest::writeFile(dir.file("badsample.pgm"), "P2 2 1 7\n3 9\n");
    tqtest::writeFile(dir.file("exists.jpg"), "keep me");

    struct Row {
        const char* name;
        QStringList arguments;
        int exitCode;
        const char* message;
    };
    const Row rows[] = {
        {"no arguments", {}, 2, "usage"},
        {"quality 0", {good, dir.file("a.jpg"), "0"}, 2, "usage"},
        {"five factors", {good, dir.file("a.jpg"), "75", "1,1,1,1,1"}, 2, "usage"},
        {"bad factors", {good, dir.file("a.jpg"), "75", "5,1,1,1,1,1"}, 1, "Invalid Sampling Value"},
        {"missing input", {dir.file("none.pgm"), dir.file("a.jpg")}, 1, "none.pgm"},
        {"truncated", {dir.file("truncated.pgm"), dir.file("a.jpg")}, 1, "truncated"},
        {"not a picture", {dir.file("notpnm.pgm"), dir.file("a.jpg")}, 1, "not a PGM or PPM"},
        {"sample above maximum", {dir.file("badsample.pgm"), dir.file("a.jpg")}, 1, "maximum"},
        {"existing output", {good, dir.file("exists.jpg")}, 1, "not replaced"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const jpegtest::RunResult run = Tqjpeg(row.arguments);
        ASSERT_TRUE(run.started);
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_TRUE(run.err.contains(row.message)) << run.err.constData();
        EXPECT_FALSE(QFile::exists(dir.file("a.jpg")));
    }
    EXPECT_EQ(tqtest::readFile(dir.file("exists.jpg")), QByteArray("keep me"));
}

TEST(Tqjpeg, StartsWithoutQt)
{
    // Loading Qt and the libraries it needs would cost the program more than
    // encoding a report page: it needs the C++ and C libraries only (none at
    // all where it is linked statically).
    const jpegtest::RunResult r =
        jpegtest::Run(QStringLiteral("readelf"), {QStringLiteral("-d"), tqtest::builtProgram(QStringLiteral("tqjpeg"))});
    ASSERT_TRUE(r.started);
    ASSERT_EQ(r.exitCode, 0);
    const QRegularExpression needed(QStringLiteral(R"(\(NEEDED\).*\[(.*)\])"));
    const QRegularExpression allowed(
        QStringLiteral(R"(^(libstdc\+\+|libgcc_s|libc|libm|libpthread|libdl|librt|libresolv|ld-linux.*)\.so.*)"));
    for (auto it = needed.globalMatch(QString::fromLocal8Bit(r.out)); it.hasNext();) {
        const QString library = it.next().captured(1);
        EXPECT_TRUE(allowed.match(library).hasMatch()) << library.toStdString();
    }
}
