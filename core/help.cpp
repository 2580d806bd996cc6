#include "core/help.h"

#include "core/files.h"
#include "core/globals.h"
#include "core/janelas.h"
#include "platform/base/error.h"
#include "platform/desktop/fileopener.h"

namespace Modulo {

QString NomeArquivoAjuda(const QString& Edicao, const QString& Idioma)
{
    QString prefixo = QStringLiteral("AjudaDazadizeTQ_");
    if (Edicao == QLatin1String("D"))
        prefixo = QStringLiteral("AjudaDazadizeTQSD_");
    else if (Edicao == QLatin1String("M"))
        prefixo = QStringLiteral("AjudaDazadizeTQM_");
    return prefixo + Idioma + QStringLiteral(".chm");
}

std::optional<int> TopicoAjuda(int CodigoTela)
{
    switch (CodigoTela) {
    case 0: return 10002;
    case 1: return 10003;
    case 2: return 10004;
    case 3: return 10005;
    case 4: return 10006;
    case 5: return 10007;
    case 8:
    case 9: return 10014;
    default: return std::nullopt;
    }
}

int AbreAjuda(short CodigoTela)
{
    const QString arquivo = gCaminhoDados + NomeArquivoAjuda(gEdicao, gIdioma);
    if (!ArquivoExiste(arquivo))
        throw platform::Error(-1, QStringLiteral("Arquivo de Ajuda \"%1\" não encontrado.").arg(arquivo),
                              QStringLiteral("AbreAjuda"));
    const std::optional<int> topico = TopicoAjuda(CodigoTela);
    const auto falhaTardia = [arquivo](int tardio) { MostraFalhaAbertura(arquivo, tardio); };
    const int resultado =
        topico ? platform::fileOpener().OpenHelp(arquivo, platform::HelpCommand::HelpContext, *topico, falhaTardia)
               : platform::fileOpener().OpenHelp(arquivo, platform::HelpCommand::DisplayTopic, 0, falhaTardia);
    if (resultado <= 32)
        MostraFalhaAbertura(arquivo, resultado);
    return resultado;
}

}  // namespace Modulo
