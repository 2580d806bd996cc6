#include "output/report/figuras.h"

#include "core/datapath.h"
#include "core/imagemdados.h"
#include "platform/base/error.h"
#include "platform/base/language.h"

#include <QFileInfo>

namespace saida {

QImage CarregaDesenho(const QString& sArquivoFigura)
{
    const QString origem = QStringLiteral("CarregaDesenho");
    const QString nome = QStringLiteral("Figuras/") + sArquivoFigura;
    // The data folder's loader says only whether it got a picture; the name
    // is looked at first so that the error box tells what went wrong.
    const QString caminho = sArquivoFigura.trimmed().isEmpty() ? QString() : Modulo::ResolveNomeDados(nome);
    if (caminho.isEmpty())
        throw platform::Error(75, platform::runTimeErrorText(75, nome), origem);
    if (!QFileInfo(caminho).isFile())
        throw platform::Error(platform::errors::FileNotFound,
                              platform::runTimeErrorText(platform::errors::FileNotFound, nome),
                              origem);
    QImage imagem = Modulo::CarregaImagemDados(nome);
    if (imagem.isNull())
        throw platform::Error(481, platform::runTimeErrorText(481, nome), origem);
    return imagem;
}

}  // namespace saida
