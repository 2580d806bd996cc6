#include "core/imagemdados.h"

#include "core/datapath.h"

#include <QFile>
#include <QImageReader>

namespace Modulo {
namespace {

// Qt decodes a JPEG or PNG that stops short and fills the rest with grey;
// a picture counts as whole only when its end marker is there.  JPEG: the
// end-of-image marker near the end of the file (FF D9 cannot occur inside
// the coded data, where every FF is followed by 00 or a restart marker).
// PNG: the IEND chunk closes the file.
bool TerminaInteira(QFile& arquivo, const QByteArray& formato)
{
    const qint64 tamanho = arquivo.size();
    const qint64 cauda = qMin<qint64>(tamanho, 1024);
    if (!arquivo.seek(tamanho - cauda))
        return false;
    const QByteArray fim = arquivo.read(cauda);
    arquivo.seek(0);
    if (formato == "jpeg")
        return fim.contains(QByteArray("\xFF\xD9", 2));
    if (formato == "png")
        return fim.contains("IEND");
    return true;
}

}  // namespace

QImage CarregaImagemDados(const QString& nome, const QString& pasta)
{
    const QString caminho = ResolveNomeDados(nome, pasta);
    if (caminho.isEmpty())
        return {};
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly) || arquivo.size() <= 0 || arquivo.size() > kLimiteBytesImagem)
        return {};
    const QByteArray formato = QImageReader::imageFormat(&arquivo).toLower();
    if (formato != "jpeg" && formato != "gif" && formato != "bmp" && formato != "png")
        return {};
    if (!TerminaInteira(arquivo, formato))
        return {};
    QImageReader leitor(&arquivo, formato);
    leitor.setDecideFormatFromContent(false);
    const QSize tamanho = leitor.size();
    if (tamanho.isValid() &&
        static_cast<qint64>(tamanho.width()) * static_cast<qint64>(tamanho.height()) > kLimitePixelsImagem)
        return {};
    QImage imagem;
    if (!leitor.read(&imagem))
        return {};
    if (static_cast<qint64>(imagem.width()) * imagem.height() > kLimitePixelsImagem)
        return {};
    return imagem;
}

}  // namespace Modulo
