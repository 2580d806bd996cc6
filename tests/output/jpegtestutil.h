#pragma once
// Helpers of the JPEG encoder tests: generated pictures, netpbm files, a
// reader of JPEG segments, image comparison and the libjpeg programs used
// as the outside reference.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace jpegtest {

using Factors = std::array<int, 6>;
constexpr Factors kGrey{1, 1, 0, 0, 0, 0};

// A greyscale report page: white paper, black text-like strokes, ruled
// table lines in grey and a shaded figure.
QImage ReportPage(int width, int height);
// A colour picture: smooth colour fields, a few sharp coloured shapes and a
// little noise, scaled to the size.
QImage Photo(int width, int height);
// Colour fields that change slowly per pixel whatever the size, so that
// subsampled chroma loses little.
QImage SmoothColours(int width, int height);

// Binary PGM (Grayscale8) or PPM (RGB888).
QByteArray PnmBytes(const QImage& image);
// Reads a binary PGM or PPM with maximum 255; a null image otherwise.
QImage ReadPnmFile(const QString& path);

// Encodes `image` whole with cJpeg into `path` and returns the file's bytes.
QByteArray Encode(const QImage& image, const QString& path, const Factors& factors, int quality);

// One segment of a JPEG stream.
struct Segment {
    std::uint8_t marker = 0;
    int offset = 0;           // of the FF of the marker
    QByteArray payload;       // after the length field
    QByteArray entropy;       // SOS only: the entropy-coded data that follows
};
// Reads the segments up to and including EOI; an empty list when the stream
// is malformed.
std::vector<Segment> ParseSegments(const QByteArray& jpeg);
std::vector<std::uint8_t> Markers(const std::vector<Segment>& segments);

// The quantisation tables of a stream in the text form of cjpeg -qtables
// (natural order, one table after the other).
QByteArray QTablesText(const QByteArray& jpeg);
// The entries of DQT table `index` of a stream, in natural order.
std::array<int, 64> QuantTableOf(const QByteArray& jpeg, int index);

// Full path of a program on PATH, empty when it is not installed.
QString Tool(const QString& name);

struct RunResult {
    bool started = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};
RunResult Run(const QString& program, const QStringList& arguments);

struct Agreement {
    double identical = 0;  // fraction of equal sample values
    int maxDiff = 0;
    double meanAbsDiff = 0;
};
Agreement Compare(const QImage& a, const QImage& b);
// Peak signal-to-noise ratio in dB of `decoded` against `source` (same
// size and format).
double Psnr(const QImage& source, const QImage& decoded);

}  // namespace jpegtest

// Skips the current test when a libjpeg program is missing.
#define REQUIRE_TOOL(var, name)                                                  \
    const QString var = jpegtest::Tool(QStringLiteral(name));                    \
    if (var.isEmpty())                                                           \
        GTEST_SKIP() << name << " is not installed (package libjpeg-turbo-progs)"
