#include "output/report/figuras.h"

#include "core/datapath.h"
#include "core/imagemdados.h"
#include "platform/base/error.h"

#include <QFile>
#include <QFileInfo>

namespace saida {
namespace {

// Whether JPEG data ends with EOI (FF D9); line ends or zeros after it are
// allowed.
bool TerminaJpeg(const QByteArray& bytes)
{
    qsizetype fim = bytes.size();
    while (fim > 2 && (bytes[fim - 1] == '\0' || bytes[fim - 1] == '\n' || bytes[fim - 1] == '\r'))
        --fim;
    return fim >= 4 && uchar(bytes[fim - 2]) == 0xFF && uchar(bytes[fim - 1]) == 0xD9;
}

}  // namespace

QImage CarregaDesenho(const QString& sArquivoFigura)
{
    const QString origem = QStringLiteral("CarregaDesenho");
    const QString nome = QStringLiteral("Figuras/") + sArquivoFigura;
    // The data folder's loader says only whether it got a picture; the name
    // is looked at first so that the error box tells what went wrong.
    const QString caminho = sArquivoFigura.trimmed().isEmpty() ? QString() : Modulo::ResolveNomeDados(nome);
    if (caminho.isEmpty())
        throw platform::Error(75, QStringLiteral("Path/File access error: %1").arg(nome), origem);
    if (!QFileInfo(caminho).isFile())
        throw platform::Error(platform::errors::FileNotFound, QStringLiteral("File not found: %1").arg(nome), origem);
    // Qt's JPEG reader fills a truncated file with grey without a word: a
    // JPEG must end with its end-of-image marker.
    QFile arquivo(caminho);
    if (arquivo.open(QIODevice::ReadOnly) && arquivo.size() <= Modulo::kLimiteBytesImagem) {
        const QByteArray bytes = arquivo.readAll();
        if (bytes.startsWith("\xFF\xD8") && !TerminaJpeg(bytes))
            throw platform::Error(481, QStringLiteral("Invalid picture: %1 (truncated)").arg(nome), origem);
    }
    QImage imagem = Modulo::CarregaImagemDados(nome);
    if (imagem.isNull())
        throw platform::Error(481, QStringLiteral("Invalid picture: %1").arg(nome), origem);
    return imagem;
}

}  // namespace saida
