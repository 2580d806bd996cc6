// tqjpeg IN.pnm OUT.jpg [quality] [h1,v1,h2,v2,h3,v3]
//
// Encodes a PGM or PPM picture with cJpeg.  Without sampling factors a PGM
// gives a greyscale file and a PPM the encoder's default 2x2,1x1,1x1; the
// quality defaults to the encoder's 75.  An existing OUT is never replaced.
// Exit status: 0 written, 1 failed (reason on stderr), 2 bad arguments.

#include "output/jpegencoder.h"
#include "platform/base/error.h"
#include "pnm.h"

#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {

int Usage()
{
    std::fputs("usage: tqjpeg IN.pnm OUT.jpg [quality] [h1,v1,h2,v2,h3,v3]\n", stderr);
    return 2;
}

int Fail(const QString& message)
{
    std::fprintf(stderr, "tqjpeg: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 5)
        return Usage();
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);

    int quality = 0;
    if (argc >= 4) {
        bool ok = false;
        quality = QString::fromLocal8Bit(argv[3]).toInt(&ok);
        if (!ok || quality < 1 || quality > 100)
            return Usage();
    }
    QList<int> factors;
    if (argc >= 5) {
        const QStringList parts = QString::fromLocal8Bit(argv[4]).split(QLatin1Char(','));
        if (parts.size() != 6)
            return Usage();
        for (const QString& part : parts) {
            bool ok = false;
            factors.append(part.toInt(&ok));
            if (!ok)
                return Usage();
        }
    }

    QFile file(input);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(input + QStringLiteral(": ") + file.errorString());
    // Read through a map when the file allows one: no copy of its bytes.
    QByteArray bytes;
    if (const uchar* mapped = file.size() > 0 ? file.map(0, file.size()) : nullptr)
        bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), file.size());
    else
        bytes = file.readAll();
    QString error;
    const jpeg::PixelArea picture = tqjpeg::ReadPnm(bytes, error);
    if (picture.isNull())
        return Fail(input + QStringLiteral(": ") + error);

    try {
        cJpeg encoder;
        if (!factors.isEmpty())
            encoder.SetSamplingFrequencies(factors[0], factors[1], factors[2], factors[3], factors[4], factors[5]);
        else if (picture.isGray())
            encoder.SetSamplingFrequencies(1, 1, 0, 0, 0, 0);
        if (quality)
            encoder.SetQuality(quality);
        if (encoder.SamplePixels(picture, picture.width(), picture.height(), 0, 0) != 0)
            return Fail(QStringLiteral("not enough memory to sample the picture"));
        switch (encoder.SaveFile(output)) {
        case 0:
            return 0;
        case 2:
            return Fail(output + QStringLiteral(" exists; it is not replaced"));
        default:
            return Fail(QStringLiteral("no output file name"));
        }
    } catch (const platform::Error& e) {
        return Fail(QStringLiteral("error %1: %2").arg(e.number()).arg(e.description()));
    }
}
