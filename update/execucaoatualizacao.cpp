#include "update/execucaoatualizacao.h"

#include "update/caminhos.h"

#include "core/config.h"
#include "core/database.h"
#include "core/errorbox.h"
#include "core/files.h"
#include "core/globals.h"
#include "core/texts.h"
#include "core/textosproprios.h"
#include "platform/base/codepage.h"
#include "platform/base/doevents.h"
#include "platform/base/language.h"
#include "platform/desktop/messagebox.h"
#include "platform/process/process.h"
#include "update/internet.h"
#include "update/nomesatualizacao.h"
#include "update/preparacao.h"
#include "update/scriptatualizacao.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

#include <sqlite3.h>

#include <limits>
#include <new>

namespace Atualizacao {

using namespace platform::dao;

namespace {

const QString kFonteExecucao = QStringLiteral("AtualizaDazadize");

QString Canonica(const QString& pasta)
{
    const QString c = QFileInfo(pasta).canonicalFilePath();
    return c.isEmpty() ? pasta : c;
}

// One line of the joined script and where it comes from.
struct PecaScript {
    QString texto;
    QString script;
    int linha = 0;
};

}  // namespace

bool EhFalhaDoBanco(long numero)
{
    switch (numero) {
    case JetError::DiskFull:
    case JetError::Corrupt:
    case JetError::NotADatabase:
    case JetError::CannotOpen:
    case JetError::ReadOnly:
    case JetError::Locked:
    case 7:  // out of memory
        return true;
    default:
        return false;
    }
}

// What one run holds besides its counters.
struct ExecucaoAtualizacao::Estado {
    QString dados, programa;
    QString prefixo;  // path prefix on the server, empty or ending in "/"
    QString usuario, senha;
    std::unique_ptr<PastaPreparacao> preparacaoDados, preparacaoPrograma;
    std::vector<DestinoEntrada> destinos;
    std::vector<QString> arquivos;   // the staged file of each entry
    std::vector<QString> conteudos;  // the text of each script entry
    // The body being received: bytes so far, the most allowed, whose.
    qint64 recebido = 0, limite = 0;
    QString nomeCorpo;
    WorkspacePtr ws;
    DatabasePtr db;
};

ExecucaoAtualizacao::ExecucaoAtualizacao(VisaoProgresso& visao, OpcoesAtualizacao opcoes)
    : m_visao(visao), m_opcoes(std::move(opcoes)), m_registro(std::make_unique<RegistroAtualizacao>(QString()))
{
}

ExecucaoAtualizacao::~ExecucaoAtualizacao()
{
    if (m_estado)
        limpa();
}

bool ExecucaoAtualizacao::AtualizaDazadize(short sVersaoAtual, short sVersaoNova)
{
    m_emExecucao = true;
    m_passo = 0;
    m_pontos = 0;
    for (int p = 0; p <= kPassos; ++p)
        m_total[p] = m_feito[p] = 0;
    m_entradas.clear();
    m_programaIniciar.clear();

    long numero = 0;
    QString descricao;
    try {
        executa(sVersaoAtual, sVersaoNova);
    } catch (const platform::Error& e) {
        numero = e.number();
        descricao = e.description();
    } catch (const std::bad_alloc&) {
        numero = Modulo::kErroSemMemoria;
        descricao = platform::runTimeErrorText(Modulo::kErroSemMemoria);
    } catch (const std::exception& e) {
        numero = Modulo::kErroInterno;
        descricao = QString::fromLocal8Bit(e.what());
    }
    limpa();
    m_emExecucao = false;

    if (numero != 0) {
        Modulo::MostraErro(numero, descricao);
        return false;
    }
    platform::MsgBox(Modulo::ObtemTexto(73) + QLatin1Char('.'), platform::vbInformation, Modulo::ObtemTexto(19));
    if (!m_programaIniciar.isEmpty() && m_opcoes.iniciaPrograma)
        platform::spawnProgram(m_programaIniciar, {});  // a program that does not start is no error
    return true;
}

void ExecucaoAtualizacao::executa(short atual, short nova)
{
    m_estado = std::make_unique<Estado>();
    Estado& e = *m_estado;
    e.dados = ComBarra(m_opcoes.pastaDados.isEmpty() ? Modulo::gCaminhoDados : m_opcoes.pastaDados);
    e.programa = ComBarra(m_opcoes.pastaPrograma.isEmpty() ? Modulo::ObtemCaminhoApp(true) : m_opcoes.pastaPrograma);
    m_registro = std::make_unique<RegistroAtualizacao>(e.dados + QLatin1String(kRegistroAtualizacao));

    // The server's address, from the version record.
    DatabasePtr leitura = Modulo::gDbDazadize;
    WorkspacePtr wsLeitura;
    if (!leitura || !leitura->IsOpen())
        Modulo::AbreBancoDazadize(wsLeitura, QStringLiteral("wsAtualizacao"), leitura, true);
    QVariant url;
    try {
        RecordsetPtr rs = leitura->OpenRecordset(QStringLiteral("SELECT UrlAtualizacao FROM UMREGISTRO"),
                                                 dbOpenForwardOnly);
        url = rs->Fields(QStringLiteral("UrlAtualizacao")).Value();
        rs->Close();
    } catch (...) {
        if (wsLeitura)
            Modulo::FechaBanco(wsLeitura, leitura);
        throw;
    }
    if (wsLeitura)
        Modulo::FechaBanco(wsLeitura, leitura);
    if (IsNull(url))
        throw platform::Error(94, platform::runTimeErrorText(94), kFonteExecucao);
    QString endereco = url.toString();
    if (!endereco.endsWith(QLatin1Char('/')))
        endereco += QLatin1Char('/');
    if (endereco.left(7).toLower() == QLatin1String("http://"))
        endereco.remove(0, 7);
    const qsizetype barra = endereco.indexOf(QLatin1Char('/'));
    e.prefixo = endereco.mid(barra + 1);

    // What an interrupted run left behind goes first.
    e.preparacaoDados = std::make_unique<PastaPreparacao>(e.dados);
    e.preparacaoDados->Prepara();
    if (Canonica(e.programa) != Canonica(e.dados)) {
        e.preparacaoPrograma = std::make_unique<PastaPreparacao>(e.programa);
        RemoveCaminho(e.preparacaoPrograma->Caminho());
    }

    modInternet::AbreConexaoInternet(endereco.left(barra));
    try {
        Modulo::LeConfiguracao(QStringLiteral("USUARIO_SENHA"), e.usuario, e.senha);
    } catch (const platform::Error&) {
        // No readable configuration: no stored credentials.
        e.usuario.clear();
        e.senha.clear();
    }
    modInternet::DefineGanchoProgresso([this](long bytes) {
        Estado& s = *m_estado;
        s.recebido += bytes;
        if (s.recebido > s.limite)
            throw platform::Error(
                platform::errors::Overflow,
                Modulo::TextoNoIdioma(
                    "O servidor de atualização enviou mais de %1 bytes para \"%2\"; o download foi interrompido.",
                    "El servidor de actualización envió más de %1 bytes para \"%2\"; se interrumpió la descarga.",
                    "The update server sent more than %1 bytes for \"%2\"; the download was stopped.")
                    .arg(s.limite)
                    .arg(s.nomeCorpo),
                kFonteExecucao);
        modInternet::AtualizaProgressoDownload(bytes);
    });
    modInternet::DefineProgressoDownload([this](long bytes) { avanca(2, bytes); });

    passo1Listas(atual, nova);
    verificaNomes();
    passo2Downloads();
    passo3Copia();
    passo4Banco(atual, nova);
}

QString ExecucaoAtualizacao::baixa(const QString& objeto, const QString& arquivo, qint64 limite, const QString& nome)
{
    Estado& e = *m_estado;
    e.recebido = 0;
    e.limite = limite;
    e.nomeCorpo = nome;
    return modInternet::ExecutaRequisicaoHttp(QStringLiteral("D"), true, objeto, arquivo.isEmpty(), arquivo, {}, {},
                                              e.usuario, e.senha);
}

void ExecucaoAtualizacao::passo1Listas(short atual, short nova)
{
    inicia(1, qint64(nova) - atual + 1);
    ListaEntradas lista;
    for (int v = atual + 1; v <= nova; ++v) {
        const QString nome = QStringLiteral("ListVersao%1.txt").arg(v);
        const QString texto =
            baixa(m_estado->prefixo + Modulo::gEdicao + QLatin1Char('/') + nome, {}, m_opcoes.limiteLista, nome);
        lista.Acrescenta(LeListaVersao(texto, nome));
        avanca(1, 1);
        platform::DoEvents();
        pontoControle(QStringLiteral("lista %1").arg(v));
    }
    m_entradas = lista.Entradas();
    m_total[2] = lista.TotalTamanhos();
    conclui(1);
}

void ExecucaoAtualizacao::verificaNomes()
{
    Estado& e = *m_estado;
    VerificacaoNomes nomes(e.dados, e.programa, {QCoreApplication::applicationFilePath()});
    bool pendente = false;
    for (const EntradaAtualizacao& entrada : m_entradas) {
        const bool script = entrada.Tipo == QLatin1String("SDB");
        e.destinos.push_back(nomes.Verifica(entrada.Nome, script));
        pendente = pendente || e.destinos.back().programaPendente;
    }
    if (pendente && e.preparacaoPrograma)
        e.preparacaoPrograma->Prepara();
}

void ExecucaoAtualizacao::passo2Downloads()
{
    Estado& e = *m_estado;
    const qint64 total = m_total[2];
    inicia(2, total);
    modInternet::gFaseAtualizacao = QStringLiteral("P2");
    for (std::size_t i = 0; i < m_entradas.size(); ++i) {
        const EntradaAtualizacao& entrada = m_entradas[i];
        const DestinoEntrada& destino = e.destinos[i];
        const bool programa = entrada.Tipo == QLatin1String("EXE") || destino.programaPendente;
        const PastaPreparacao& preparacao =
            destino.programaPendente && e.preparacaoPrograma ? *e.preparacaoPrograma : *e.preparacaoDados;
        const QString arquivo = preparacao.Caminho() + QStringLiteral("%1.dat").arg(i + 1, 5, 10, QLatin1Char('0'));
        const qint64 limite = entrada.Tamanho > (std::numeric_limits<qint64>::max() / m_opcoes.fatorLimiteCorpo)
                                  ? std::numeric_limits<qint64>::max()
                                  : std::max(entrada.Tamanho * m_opcoes.fatorLimiteCorpo, m_opcoes.limiteMinimoCorpo);
        baixa(e.prefixo + Modulo::gEdicao + QLatin1Char('/') + entrada.Nome, arquivo, limite, entrada.Nome);
        e.arquivos.push_back(arquivo);
        e.conteudos.emplace_back();

        if (entrada.Tipo == QLatin1String("SDB")) {
            e.conteudos.back() = Modulo::LeArquivo(arquivo);
            if (PareceHtml(e.conteudos.back()))
                throw platform::Error(
                    platform::errors::TypeMismatch,
                    Modulo::TextoNoIdioma("O script de atualização \"%1\" recebido é uma página HTML, não um script.",
                                          "El script de actualización \"%1\" recibido es una página HTML, "
                                          "no un script.",
                                          "The update script \"%1\" received is an HTML page, not a script.")
                        .arg(entrada.Nome),
                    kFonteExecucao);
        } else if (programa) {
            const qint64 tamanho = QFileInfo(arquivo).size();
            if (tamanho != entrada.Tamanho || !platform::isProgramForThisSystem(arquivo))
                throw platform::Error(
                    platform::errors::TypeMismatch,
                    Modulo::TextoNoIdioma("O programa \"%1\" recebido (%2 bytes; a lista indica %3) não é um programa "
                                          "deste sistema do tamanho indicado.",
                                          "El programa \"%1\" recibido (%2 bytes; la lista indica %3) no es un "
                                          "programa de este sistema del tamaño indicado.",
                                          "The program \"%1\" received (%2 bytes; the list says %3) is not a "
                                          "program for this system of the stated size.")
                        .arg(entrada.Nome)
                        .arg(tamanho)
                        .arg(entrada.Tamanho),
                    kFonteExecucao);
            if (entrada.Tipo == QLatin1String("EXE") && !destino.programaPendente)
                m_programaIniciar = destino.caminho;  // a later "EXE" entry replaces an earlier one
        }
        platform::DoEvents();
        pontoControle(QStringLiteral("download ") + entrada.Nome);
    }
    modInternet::gFaseAtualizacao.clear();
    conclui(2);
    modInternet::FechaConexaoInternet();
}

void ExecucaoAtualizacao::passo3Copia()
{
    Estado& e = *m_estado;
    inicia(3, static_cast<qint64>(m_entradas.size()));
    const QString dadosReal = Canonica(e.dados.chopped(1));
    for (std::size_t i = 0; i < m_entradas.size(); ++i) {
        const EntradaAtualizacao& entrada = m_entradas[i];
        const DestinoEntrada& destino = e.destinos[i];
        if (entrada.Tipo != QLatin1String("SDB")) {
            for (const QString& pasta : destino.pastasNovas)
                CriaPastaSincronizada(pasta);
            // The folder was checked before the downloads; it must not have
            // been turned into a way out of the data folder since.
            if (!destino.programaPendente && !Dentro(Canonica(destino.pasta.chopped(1)), dadosReal))
                throw platform::Error(
                    75,
                    Modulo::TextoNoIdioma("O arquivo de atualização \"%1\" ficaria fora da pasta de dados.",
                                          "El archivo de actualización \"%1\" quedaría fuera de la carpeta "
                                          "de datos.",
                                          "The update file \"%1\" would be outside the data folder.")
                        .arg(entrada.Nome),
                    kFonteExecucao);
            const bool programa = entrada.Tipo == QLatin1String("EXE") || destino.programaPendente;
            MoveArquivo(e.arquivos[i], destino.caminho, programa ? ModoArquivo::Programa : ModoArquivo::Dados);
            pontoControle(QStringLiteral("copia ") + entrada.Nome);
        }
        avanca(3, 1);
        platform::DoEvents();
    }
    conclui(3);
}

void ExecucaoAtualizacao::passo4Banco(short atual, short nova)
{
    Estado& e = *m_estado;
    m_passo = 4;
    m_visao.IniciaPasso(4);

    // The joined script: piece 0 is the empty text before the first script.
    std::vector<PecaScript> pecas;
    for (std::size_t i = 0; i < m_entradas.size(); ++i) {
        if (m_entradas[i].Tipo != QLatin1String("SDB"))
            continue;
        if (pecas.empty())
            pecas.push_back({});
        const QStringList linhas = DivideLinhasScript(e.conteudos[i]);
        for (qsizetype k = 0; k < linhas.size(); ++k)
            pecas.push_back({linhas[k], m_entradas[i].Nome, static_cast<int>(k + 1)});
        e.conteudos[i].clear();
        platform::DoEvents();
    }
    m_total[4] = static_cast<qint64>(pecas.size());
    m_feito[4] = 0;
    m_visao.AtualizarProgressBar(4, m_total[4], 0);

    const QString cabecalho = QStringLiteral("%1  Atualização da versão %2 para a versão %3")
                                  .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")))
                                  .arg(atual)
                                  .arg(nova);
    try {
        Modulo::AbreBancoDazadize(e.ws, QStringLiteral("sWsNotReadOnly"), e.db, false);
        if (m_opcoes.aoAbrirBanco)
            m_opcoes.aoAbrirBanco(e.db);
        e.db->SetUntrusted(true);
        e.ws->BeginTrans();
        // The write lock for the whole transaction, taken at once: from here
        // on no other program ("S:" commands included) writes the catalogue.
        e.db->Execute(QStringLiteral("UPDATE UMREGISTRO SET Versao = Versao"), dbFailOnError);

        const auto transacaoPerdida = [&] {
            if (sqlite3_get_autocommit(e.db->nativeHandle()))
                throw platform::Error(
                    JetError::NoTransaction,
                    Modulo::TextoNoIdioma("A transação da atualização foi perdida; nenhuma alteração do banco de "
                                          "dados foi gravada.",
                                          "Se perdió la transacción de la actualización; no se grabó ningún "
                                          "cambio en la base de datos.",
                                          "The update's transaction was lost; no change to the database was "
                                          "saved."),
                    kFonteExecucao);
        };
        InterpretadorScript interpretador;
        interpretador.DefinePastaPrograma(e.programa);
        const PecaScript* atualPeca = nullptr;
        interpretador.DefineRelatorFalhas([&](const QString& sql, const platform::Error& erro) {
            if (EhFalhaDoBanco(erro.number()))
                throw platform::Error(
                    erro.number(),
                    Modulo::TextoNoIdioma("%1 (script \"%2\", linha %3; nenhuma alteração do banco de dados foi "
                                          "gravada)",
                                          "%1 (script \"%2\", línea %3; no se grabó ningún cambio en la base "
                                          "de datos)",
                                          "%1 (script \"%2\", line %3; no change to the database was saved)")
                        .arg(erro.description(), atualPeca->script)
                        .arg(atualPeca->linha),
                    kFonteExecucao);
            m_registro->Falha(atualPeca->script, atualPeca->linha, erro.number(), erro.description(), sql);
        });
        for (std::size_t k = 1; k < pecas.size(); ++k) {
            atualPeca = &pecas[k];
            transacaoPerdida();
            interpretador.ExecutaComandoScript(e.db, pecas[k].texto);
            transacaoPerdida();
            avanca(4, 1);
            platform::DoEvents();
            pontoControle(QStringLiteral("linha %1 de %2").arg(pecas[k].linha).arg(pecas[k].script));
        }
        pecas.clear();

        const QString carimbo = QStringLiteral("UPDATE UMREGISTRO SET Versao                    = %1,"
                                               "VersaoAnterior            = %2,"
                                               "DataUltimaVerificacao     = %3,"
                                               "FlagErroUltimaVerificacao = 0")
                                    .arg(nova)
                                    .arg(atual)
                                    .arg(Modulo::DataHoraSQL());
        try {
            e.db->Execute(carimbo, dbFailOnError);
        } catch (const platform::Error& erro) {
            throw platform::Error(
                erro.number(),
                Modulo::TextoNoIdioma("A versão nova não pôde ser gravada no banco de dados (%1); nenhuma "
                                      "alteração do banco de dados foi gravada.",
                                      "No se pudo grabar la versión nueva en la base de datos (%1); no se "
                                      "grabó ningún cambio en la base de datos.",
                                      "The new version could not be saved in the database (%1); no change "
                                      "to the database was saved.")
                    .arg(erro.description()),
                kFonteExecucao);
        }
        if (e.db->RecordsAffected() != 1)
            throw platform::Error(
                JetError::NoCurrentRecord,
                Modulo::TextoNoIdioma("A versão nova não pôde ser gravada: o banco de dados não tem o registro "
                                      "da versão (UMREGISTRO); nenhuma alteração foi gravada.",
                                      "No se pudo grabar la versión nueva: la base de datos no tiene el "
                                      "registro de la versión (UMREGISTRO); no se grabó ningún cambio.",
                                      "The new version could not be saved: the database has no version "
                                      "record (UMREGISTRO); no change was saved."),
                kFonteExecucao);
        transacaoPerdida();
        pontoControle(QStringLiteral("antes da confirmação"));
        e.ws->CommitTrans(dbForceOSFlush);
    } catch (const platform::Error& erro) {
        m_registro->Grava(cabecalho, QStringLiteral("Desfeita: erro %1: %2").arg(erro.number()).arg(erro.description()),
                          true);
        throw;
    }
    m_registro->Grava(cabecalho, QStringLiteral("Confirmada; as linhas acima não foram aplicadas."));
    pontoControle(QStringLiteral("depois da confirmação"));

    DBEngine::Idle(dbRefreshCache);
    Modulo::FechaBanco(e.ws, e.db);
    platform::DoEvents();
    DBEngine::Idle(dbRefreshCache);
    platform::DoEvents();
    conclui(4);
}

void ExecucaoAtualizacao::limpa()
{
    if (!m_estado)
        return;
    Estado& e = *m_estado;
    modInternet::gFaseAtualizacao.clear();
    modInternet::DefineGanchoProgresso(&modInternet::AtualizaProgressoDownload);
    modInternet::DefineProgressoDownload({});
    modInternet::FechaConexaoInternet();
    // Closing the connection rolls back a transaction still open.
    Modulo::FechaBanco(e.ws, e.db);
    if (e.preparacaoDados)
        e.preparacaoDados->Remove();
    if (e.preparacaoPrograma) {
        e.preparacaoPrograma->Remove();
        RemoveCaminho(e.preparacaoPrograma->Caminho());
    }
    m_estado.reset();
}

void ExecucaoAtualizacao::inicia(int passo, qint64 total)
{
    m_passo = passo;
    m_total[passo] = total;
    m_feito[passo] = 0;
    m_visao.IniciaPasso(passo);
    m_visao.AtualizarProgressBar(passo, total, 0);
}

void ExecucaoAtualizacao::avanca(int passo, qint64 quanto)
{
    m_feito[passo] += quanto;
    m_visao.AtualizarProgressBar(passo, m_total[passo], m_feito[passo]);
}

void ExecucaoAtualizacao::conclui(int passo)
{
    m_feito[passo] = m_total[passo];
    m_visao.AtualizarProgressBar(passo, m_total[passo], m_feito[passo]);
    platform::DoEvents();
    m_visao.ConcluiPasso(passo);
}

void ExecucaoAtualizacao::pontoControle(const QString& ponto)
{
    ++m_pontos;
    if (m_opcoes.pontoControle)
        m_opcoes.pontoControle(m_pontos, ponto);
}

bool ExecutaPedidoAtualizacao(VisaoProgresso& visao, short sVersaoAtual, short sVersaoNova, OpcoesAtualizacao opcoes)
{
    visao.Prepara(TitulosPassos());
    platform::DoEvents();
    ExecucaoAtualizacao execucao(visao, std::move(opcoes));
    return execucao.AtualizaDazadize(sVersaoAtual, sVersaoNova);
}

}  // namespace Atualizacao
