// tqpictures: draws the catalogue's picture set and lays it out for review.
//
//   tqpictures generate MANIFEST OUTDIR
//       draws every picture of the manifest into OUTDIR/pictures/<type>/ and
//       writes OUTDIR/tqpictures.qrc, which the build compiles into the
//       program (resource paths ":/tq/<type>/<NAME>");
//   tqpictures EDITION LANGUAGE [OUTPUT.png]
//       writes a contact sheet of the pictures one edition shows in one
//       language, read back from the drawn files (default
//       docs/pictures-EDITION-LANGUAGE.png).

#include "platform/base/atomicfile.h"
#include "resources/generator/contactsheet.h"
#include "resources/generator/gifwriter.h"
#include "resources/generator/jpegwriter.h"
#include "resources/generator/recipes.h"
#include "resources/generator/typesetting.h"
#include "resources/manifest.h"
#include "resources/palette.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    if (platform::WriteFileAtomically(path, bytes) != 0)
        throw std::runtime_error(("cannot write " + path).toStdString());
}

// GIF pictures keep the panel behind them: the paper colour becomes
// transparent.
QImage withPaperTransparent(const QImage& image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb paper = resources::palette::paper().rgb();
    for (int y = 0; y < out.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((row[x] | 0xFF000000u) == paper)
                row[x] = 0;
    }
    return out;
}

int generate(const QString& manifestPath, const QString& outDir)
{
    const resources::Manifest manifest = resources::Manifest::load(manifestPath);
    QDir out(outDir);
    for (const QString& type : {QStringLiteral("P"), QStringLiteral("E"), QStringLiteral("I"), QStringLiteral("G")})
        if (!out.mkpath(QStringLiteral("pictures/") + type))
            throw std::runtime_error(("cannot create " + out.filePath("pictures/" + type)).toStdString());

    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/tq\">\n";
    int count = 0;
    for (const resources::Picture& picture : manifest.pictures()) {
        const resources::PictureSpec& spec = *picture.spec;
        const QImage image = resources::renderPicture(spec, picture.type.at(0), picture.lit);
        const bool gif = spec.format == QLatin1String("gif");
        const QByteArray bytes = gif ? resources::encodeGif(withPaperTransparent(image)) : resources::encodeJpeg(image);
        const QString relative = QStringLiteral("pictures/%1/%2.%3").arg(picture.type, picture.name, spec.format);
        writeFile(out.filePath(relative), bytes);
        qrc += QStringLiteral("<file alias=\"%1/%2\">%3</file>\n").arg(picture.type, picture.name, relative).toUtf8();
        ++count;
    }
    qrc += "</qresource>\n</RCC>\n";
    writeFile(out.filePath(QStringLiteral("tqpictures.qrc")), qrc);

    for (const QString& w : resources::captionWarnings())
        std::fprintf(stderr, "tqpictures: warning: %s\n", qPrintable(w));
    std::printf("tqpictures: %d pictures drawn\n", count);
    return 0;
}

int contactSheet(const QString& edition, const QString& language, QString output)
{
    if (edition.size() != 1 || !QStringLiteral("VADM").contains(edition) || language.size() != 1
        || !QStringLiteral("PEI").contains(language)) {
        std::fprintf(stderr, "usage: tqpictures EDITION(V|A|D|M) LANGUAGE(P|E|I) [OUTPUT.png]\n");
        return 2;
    }
    const resources::Manifest manifest = resources::Manifest::load(QStringLiteral(TQ_MANIFEST));
    const QDir pictures(QStringLiteral(TQ_PICTURES_DIR));
    const QImage sheet = resources::buildContactSheet(
        manifest, edition.at(0), language.at(0), [&](const resources::Picture& p) {
            return QImage(pictures.filePath(QStringLiteral("pictures/%1/%2.%3").arg(p.type, p.name, p.spec->format)));
        });
    if (output.isEmpty())
        output = QStringLiteral("docs/pictures-%1-%2.png").arg(edition, language);
    QDir().mkpath(QFileInfo(output).absolutePath());
    if (!sheet.save(output, nullptr, 0))  // 0: the smallest PNG
        throw std::runtime_error(("cannot write " + output).toStdString());
    std::printf("%s\n", qPrintable(output));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    try {
        if (args.size() == 3 && args[0] == QLatin1String("generate"))
            return generate(args[1], args[2]);
        if (args.size() == 2 || args.size() == 3)
            return contactSheet(args[0], args[1], args.value(2));
        std::fprintf(stderr,
                     "usage: tqpictures generate MANIFEST OUTDIR\n"
                     "       tqpictures EDITION LANGUAGE [OUTPUT.png]\n");
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tqpictures: %s\n", e.what());
        return 1;
    }
}
