#include "output/report/figuras.h"

#include "core/datapath.h"
#include "platform/base/error.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace saida {
namespace {

constexpr qint64 kTamanhoMaximo = 64LL * 1024 * 1024;

// Whether the JPEG data ends with EOI (FF D9), padding after it allowed.
bool terminaJpeg(const QByteArray& bytes)
{
    int fim = int(bytes.size());
    while (fim > 2 && (bytes[fim - 1] == '\0' || bytes[fim - 1] == '\n' || bytes[fim - 1] == '\r'))
        --fim;
    return fim >= 4 && uchar(bytes[fim - 2]) == 0xFF && uchar(bytes[fim - 1]) == 0xD9;
}

}  // namespace

QImage CarregaDesenho(const QString& sArquivoFigura)
{
    const QString origem = QStringLiteral("CarregaDesenho");
    const QString nome = QStringLiteral("Figuras/") + sArquivoFigura;
    const QString caminho = sArquivoFigura.trimmed().isEmpty() ? QString() : Modulo::ResolveNomeDados(nome);
    if (caminho.isEmpty())
        throw platform::Error(75, QStringLiteral("Path/File access error: %1").arg(nome), origem);
    if (!QFileInfo(caminho).isFile())
        throw platform::Error(platform::errors::FileNotFound, QStringLiteral("File not found: %1").arg(nome), origem);
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        throw platform::Error(platform::errors::PermissionDenied, QStringLiteral("Permission denied: %1").arg(nome), origem);
    if (arquivo.size() > kTamanhoMaximo)
        throw platform::Error(481, QStringLiteral("Invalid picture: %1 (too large)").arg(nome), origem);
    const QByteArray bytes = arquivo.readAll();
    // The JPEG decoder fills a truncated file with grey without a word: a
    // JPEG must end with its end-of-image marker.
    if (bytes.startsWith("\xFF\xD8") && !terminaJpeg(bytes))
        throw platform::Error(481, QStringLiteral("Invalid picture: %1 (truncated)").arg(nome), origem);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader leitor(&buffer);
    leitor.setDecideFormatFromContent(true);
    leitor.setAllocationLimit(256);  // megabytes of pixels
    QImage imagem = leitor.read();
    if (imagem.isNull())
        throw platform::Error(481, QStringLiteral("Invalid picture: %1 (%2)").arg(nome, leitor.errorString()), origem);
    return imagem;
}

}  // namespace saida
