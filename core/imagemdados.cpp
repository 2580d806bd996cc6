#include "core/imagemdados.h"

#include "core/datapath.h"

#include <QFile>
#include <QImageReader>

namespace Modulo {

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
