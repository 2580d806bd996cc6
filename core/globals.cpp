#include "core/globals.h"

#include "platform/base/language.h"
#include "platform/desktop/messagebox.h"

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

namespace {
// The message boxes caption their buttons, and the platform layer words the
// errors it raises, in the language of the run.
QString IdiomaAtual() { return gIdioma; }
const bool g_idiomaCaixas = (platform::setMessageBoxLanguageSource(&IdiomaAtual),
                             platform::setTextLanguageSource(&IdiomaAtual), true);
}  // namespace

QString NomeArquivoCatalogo() { return QStringLiteral(TQ_CATALOGUE_FILE); }

QString LetraEdicaoDoArquivo(const QString& nomeArquivo)
{
    const int us = nomeArquivo.indexOf(QLatin1Char('_'));
    if (us < 0 || us + 1 >= nomeArquivo.size())
        return {};
    return nomeArquivo.mid(us + 1, 1).toUpper();
}

}  // namespace Modulo
