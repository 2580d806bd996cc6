// tqjpegbench TQJPEG [RUNS]
//
// Time per megapixel of the catalogue's JPEG encoder (the tqjpeg program)
// as a ratio to libjpeg's cjpeg -dct float -optimize with the same
// quantisation tables, both measured in this run on the same machine:
//   - an 840 x 630 greyscale report page (one component, quality 85);
//   - a 2000 x 1500 colour picture (2x2,1x1,1x1, quality 85).
// Each program reads the same netpbm file and writes a JPEG file; runs
// alternate between the two.  The figure is the median CPU time of the
// child processes (wall time is printed too).  Also printed: the
// encoder's own time in this process (sampling and saving, no file
// reading), for scale.

#include "bench/common/resultado.h"
#include "output/jpegencoder.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

std::uint32_t g_seed = 2024;
std::uint32_t Random()
{
    g_seed = g_seed * 1664525u + 1013904223u;
    return g_seed >> 8;
}

uchar Clamp(double v)
{
    return static_cast<uchar>(v < 0 ? 0 : v > 255 ? 255 : std::lround(v));
}

// White paper with lines of text-like glyphs, a ruled table and a shaded
// drawing, as the report pages are.
QImage ReportPage()
{
    const int width = 840;
    const int height = 630;
    QImage page(width, height, QImage::Format_Grayscale8);
    page.fill(255);
    for (int y0 = 60; y0 < 300; y0 += 14) {
        for (int c = 0; c < 110; ++c) {
            const std::uint32_t glyph = Random();
            if (glyph % 8 == 0)
                continue;
            for (int gy = 0; gy < 7; ++gy)
                for (int gx = 0; gx < 5; ++gx)
                    if ((glyph >> ((gy * 5 + gx) % 23)) & 1u)
                        page.scanLine(y0 + gy)[30 + c * 7 + gx] = 0;
        }
    }
    for (int y = 320; y < 620; y += 18)
        std::fill(page.scanLine(y) + 20, page.scanLine(y) + 420, 128);
    for (int x = 20; x <= 420; x += 80)
        for (int y = 320; y < 620; ++y)
            page.scanLine(y)[x] = 128;
    for (int y = 330; y < 620; ++y)
        for (int x = 450; x < 820; ++x)
            if (std::hypot(x - 635, y - 475) < 140)
                page.scanLine(y)[x] = Clamp(70 + 120 * (x - 495) / 280.0);
    return page;
}

// A photograph-like picture: smooth colour fields, shapes and grain.
QImage Picture()
{
    const int width = 2000;
    const int height = 1500;
    QImage picture(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar* p = picture.scanLine(y);
        for (int x = 0; x < width; ++x, p += 3) {
            const double u = x / double(width);
            const double v = y / double(height);
            double r = 60 + 150 * u + 30 * std::sin(x / 37.0) * std::cos(y / 51.0);
            double g = 50 + 140 * v + 25 * std::cos(x / 23.0 + y / 41.0);
            double b = 180 - 100 * u * v + 30 * std::sin((x + y) / 67.0);
            if (std::hypot(u - 0.3, v - 0.4) < 0.15) {
                r = 200 - 60 * v;
                g = 40;
                b = 30 + 50 * u;
            }
            const int grain = int(Random() % 9) - 4;
            p[0] = Clamp(r + grain);
            p[1] = Clamp(g + grain);
            p[2] = Clamp(b + grain);
        }
    }
    return picture;
}

bool WritePnm(const QImage& image, const QString& path)
{
    const bool grey = image.format() == QImage::Format_Grayscale8;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral("%1\n%2 %3\n255\n").arg(grey ? "P5" : "P6").arg(image.width()).arg(image.height()).toLatin1());
    const int rowBytes = image.width() * (grey ? 1 : 3);
    for (int y = 0; y < image.height(); ++y)
        file.write(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes);
    return file.flush();
}

// The DQT tables of a JPEG file in cjpeg's -qtables form (natural order).
QByteArray QTables(const QByteArray& jpeg)
{
    static const int natural[64] = {
        0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
        41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
        30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
    };
    QByteArray text;
    int i = 2;
    while (i + 4 <= jpeg.size() && uchar(jpeg[i]) == 0xFF && uchar(jpeg[i + 1]) != 0xDA) {
        const int length = (uchar(jpeg[i + 2]) << 8) | uchar(jpeg[i + 3]);
        if (uchar(jpeg[i + 1]) == 0xDB) {
            int table[64];
            for (int z = 0; z < 64; ++z)
                table[natural[z]] = uchar(jpeg[i + 5 + z]);
            for (int n = 0; n < 64; ++n)
                text += QByteArray::number(table[n]) + (n % 8 == 7 ? "\n" : " ");
        }
        i += 2 + length;
    }
    return text;
}

struct Sample {
    double cpu = 0;   // seconds, user + system of the child
    double wall = 0;  // seconds
    bool ok = false;
};

Sample RunOnce(const QStringList& command, const QString& stdoutPath)
{
    std::vector<QByteArray> storage;
    std::vector<char*> argv;
    for (const QString& a : command)
        storage.push_back(QFile::encodeName(a));
    for (QByteArray& a : storage)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray out = QFile::encodeName(stdoutPath.isEmpty() ? QStringLiteral("/dev/null") : stdoutPath);
    posix_spawn_file_actions_addopen(&actions, 1, out.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

    Sample sample;
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return sample;
    int status = 0;
    struct rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid)
        return sample;
    sample.wall = timer.nsecsElapsed() / 1e9;
    sample.cpu = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
    sample.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return sample;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

struct Case {
    const char* name;
    QImage picture;
    const char* factors;   // tqjpeg form
    const char* sampling;  // cjpeg form, empty for greyscale
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs("usage: tqjpegbench TQJPEG [RUNS]\n", stderr);
        return 2;
    }
    const QString tqjpeg = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 2 ? std::max(3, atoi(argv[2])) : 15;
    const QString cjpeg = QStandardPaths::findExecutable(QStringLiteral("cjpeg"));
    if (cjpeg.isEmpty()) {
        std::puts("cjpeg is not installed (package libjpeg-turbo-progs): no reference, nothing measured");
        return 0;
    }
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;

    const Case cases[] = {
        {"840x630 greyscale report page, quality 85", ReportPage(), "1,1,0,0,0,0", ""},
        {"2000x1500 colour picture 2x2,1x1,1x1, quality 85", Picture(), "2,2,1,1,1,1", "2x2,1x1,1x1"},
    };
    for (const Case& c : cases) {
        const bool grey = c.picture.format() == QImage::Format_Grayscale8;
        const QString input = dir.filePath(grey ? "in.pgm" : "in.ppm");
        const QString ours = dir.filePath("ours.jpg");
        const QString theirs = dir.filePath("theirs.jpg");
        const QString tables = dir.filePath("tables.txt");
        if (!WritePnm(c.picture, input))
            return 1;

        // Our tables, for cjpeg; at quality 50 cjpeg uses them unscaled.
        QFile::remove(ours);
        if (!RunOnce({tqjpeg, input, ours, "85", c.factors}, {}).ok) {
            std::fprintf(stderr, "tqjpeg failed\n");
            return 1;
        }
        QFile jpeg(ours);
        jpeg.open(QIODevice::ReadOnly);
        QFile text(tables);
        text.open(QIODevice::WriteOnly);
        text.write(QTables(jpeg.readAll()));
        text.close();

        QStringList reference = {cjpeg, "-quality", grey ? "50" : "50,50", "-qtables", tables, "-dct", "float", "-optimize"};
        if (!grey)
            reference << "-sample" << c.sampling;
        reference << input;

        std::vector<double> oursCpu, oursWall, theirsCpu, theirsWall;
        for (int r = 0; r < runs; ++r) {
            QFile::remove(ours);
            const Sample a = RunOnce({tqjpeg, input, ours, "85", c.factors}, {});
            const Sample b = RunOnce(reference, theirs);
            if (!a.ok || !b.ok) {
                std::fprintf(stderr, "a run failed\n");
                return 1;
            }
            oursCpu.push_back(a.cpu);
            oursWall.push_back(a.wall);
            theirsCpu.push_back(b.cpu);
            theirsWall.push_back(b.wall);
        }

        // The encoder alone, in this process.
        std::vector<double> inProcess;
        for (int r = 0; r < std::min(runs, 7); ++r) {
            const QString file = dir.filePath(QStringLiteral("inproc%1.jpg").arg(r));
            QElapsedTimer timer;
            timer.start();
            cJpeg encoder;
            if (grey)
                encoder.SetSamplingFrequencies(1, 1, 0, 0, 0, 0);
            encoder.SetQuality(85);
            encoder.SampleHDC(c.picture, c.picture.width(), c.picture.height(), 0, 0);
            encoder.SaveFile(file);
            inProcess.push_back(timer.nsecsElapsed() / 1e9);
            QFile::remove(file);
        }

        const double megapixels = c.picture.width() * double(c.picture.height()) / 1e6;
        const double ratio = Median(oursCpu) / Median(theirsCpu);
        std::printf("%s (%d runs each)\n", c.name, runs);
        std::printf("  tqjpeg  %6.1f ms/MP cpu  %6.1f ms/MP wall   (encoder in-process %.1f ms/MP)\n",
                    1e3 * Median(oursCpu) / megapixels, 1e3 * Median(oursWall) / megapixels,
                    1e3 * Median(inProcess) / megapixels);
        std::printf("  cjpeg   %6.1f ms/MP cpu  %6.1f ms/MP wall\n", 1e3 * Median(theirsCpu) / megapixels,
                    1e3 * Median(theirsWall) / megapixels);
        std::printf("  ratio   %.2f cpu, %.2f wall\n", ratio, Median(oursWall) / Median(theirsWall));
        bench::Resultado(std::string("jpeg: ") + c.name + ", cpu / cjpeg", ratio, bench::Alvo::NoMaximo, 1.5);
    }
    return 0;
}
