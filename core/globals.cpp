#include "core/globals.h"

namespace Modulo {

QString gIdioma = QStringLiteral("P");
QString gEdicao = LetraEdicaoDoArquivo(QStringLiteral(TQ_CATALOGUE_FILE));
QString gCaminhoDados;
platform::dao::WorkspacePtr gWsDazadize;
platform::dao::DatabasePtr gDbDazadize;
platform::dao::WorkspacePtr gWsAuxiliar;
platform::dao::DatabasePtr gDbAuxiliar;
platform::dao::WorkspacePtr gWsBloqueio;
platform::dao::DatabasePtr gDbBloqueio;
QString gTabelaCarrinho;
QString gParametro;
bool gVerificacaoAutomatica = true;
bool gReiniciarPeloLancador = false;
QString gTextoDataEmissao;
bool gEdicaoNaoMaritima = true;

QString NomeArquivoCatalogo() { return QStringLiteral(TQ_CATALOGUE_FILE); }

QString LetraEdicaoDoArquivo(const QString& nomeArquivo)
{
    const int us = nomeArquivo.indexOf(QLatin1Char('_'));
    if (us < 0 || us + 1 >= nomeArquivo.size())
        return {};
    return nomeArquivo.mid(us + 1, 1).toUpper();
}

}  // namespace Modulo
