#pragma once
// The update run: request 7 of the detail window, without its widgets.
//
// The run brings the catalogue from the current version to the new one
// published on the update server, in four steps reported to a VisaoProgresso
// (progressoatualizacao.h):
//   1. the version list of every version after the current one, merged into
//      one list of entries (listaversao.h); then every name is checked
//      (nomesatualizacao.h) before anything else is fetched;
//   2. every entry downloaded into the staging folder (preparacao.h); a
//      script that is an HTML page, a program ("EXE" entries and the pending
//      catalogue program "NVTavrix_V.tmp") that is not a program for this
//      system of its listed size, and a body far past its listed size
//      (4 times, at least 1 GiB) end the run;
//   3. every file flushed and renamed over its target in the data folder (the
//      pending program in the program folder, where the launcher looks);
//   4. every script line and the version stamp of UMREGISTRO in one
//      transaction, committed once.  A statement that fails is rolled back
//      alone, written to the update log (registroatualizacao.h) and the
//      script goes on; a failure of the database itself (disk full, I/O,
//      corruption, a lock, a transaction lost) or of the stamp rolls every
//      line back and ends the run.  The transaction holds the catalogue's
//      write lock from its start, so "S:" programs cannot write it meanwhile.
// The run ends with text 73 in an information box, or with the error box
// (Modulo::MostraErro) at the first error; either way the staging folder is
// removed, the connection closed and an open transaction rolled back.  So a
// run stopped at any moment leaves each file and the catalogue either old or
// new, and running the update again completes it.
//
// Between units of work (each list, download, move and script line; before
// and after the commit) the run lets pending events run and calls the
// checkpoint hook, which tools use to stop the process at a chosen point.
//
//   MinhaVisao visao;
//   Atualizacao::ExecutaPedidoAtualizacao(visao, 41, 43);   // request "7|41|43"
//
// Uses: Modulo::gDbDazadize (read-only, for the update address; opened for
// the run when not open), gCaminhoDados, gEdicao, the proxy credentials of the
// configuration file, and sets gReiniciarPeloLancador through "R:" lines.

#include "platform/dao/dao.h"
#include "update/listaversao.h"
#include "update/progressoatualizacao.h"
#include "update/registroatualizacao.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace Atualizacao {

struct OpcoesAtualizacao {
    QString pastaDados;        // empty: Modulo::gCaminhoDados
    QString pastaPrograma;     // empty: the running program's folder
    // A body may reach fatorLimiteCorpo times its listed size, and at least
    // limiteMinimoCorpo bytes; a version list at most limiteLista bytes.
    qint64 limiteMinimoCorpo = qint64(1) << 30;
    int fatorLimiteCorpo = 4;
    qint64 limiteLista = qint64(16) << 20;
    // Called between units of work with their running number (from 1) and
    // what was just done ("lista 38", "download Figuras\A.JPG", ...).
    std::function<void(int numero, const QString& ponto)> pontoControle;
    // Called with the writable catalogue connection of step 4 once it is open.
    std::function<void(const platform::dao::DatabasePtr& banco)> aoAbrirBanco;
    // Start the program of the last "EXE" entry after a successful run.
    bool iniciaPrograma = true;
};

class ExecucaoAtualizacao {
public:
    explicit ExecucaoAtualizacao(VisaoProgresso& visao, OpcoesAtualizacao opcoes = {});
    ~ExecucaoAtualizacao();
    ExecucaoAtualizacao(const ExecucaoAtualizacao&) = delete;
    ExecucaoAtualizacao& operator=(const ExecucaoAtualizacao&) = delete;

    // frmTQ2.AtualizaDazadize: the four steps and the closing message box.
    // True after the success message (text 73).
    bool AtualizaDazadize(short sVersaoAtual, short sVersaoNova);

    // While AtualizaDazadize runs (the window ignores Esc and closing).
    bool EmExecucao() const { return m_emExecucao; }
    // 0 before step 1, then 1 to 4.
    int PassoAtual() const { return m_passo; }
    qint64 Total(int passo) const { return m_total[passo]; }
    qint64 Feito(int passo) const { return m_feito[passo]; }
    // The merged entries of the last run.
    const std::vector<EntradaAtualizacao>& Entradas() const { return m_entradas; }
    // The program started after the run (the last "EXE" entry), "" when none.
    const QString& ProgramaIniciar() const { return m_programaIniciar; }
    // The failed statements of the last run.
    const RegistroAtualizacao& Registro() const { return *m_registro; }
    // The number of checkpoints passed.
    int PontosControle() const { return m_pontos; }

private:
    struct Estado;
    void executa(short atual, short nova);
    void passo1Listas(short atual, short nova);
    void verificaNomes();
    void passo2Downloads();
    void passo3Copia();
    void passo4Banco(short atual, short nova);
    void limpa();
    void inicia(int passo, qint64 total);
    void avanca(int passo, qint64 quanto);
    void conclui(int passo);
    void pontoControle(const QString& ponto);
    QString baixa(const QString& objeto, const QString& arquivo, qint64 limite, const QString& nome);

    VisaoProgresso& m_visao;
    OpcoesAtualizacao m_opcoes;
    std::unique_ptr<Estado> m_estado;
    bool m_emExecucao = false;
    int m_passo = 0;
    qint64 m_total[kPassos + 1] = {};
    qint64 m_feito[kPassos + 1] = {};
    std::vector<EntradaAtualizacao> m_entradas;
    QString m_programaIniciar;
    std::unique_ptr<RegistroAtualizacao> m_registro;
    int m_pontos = 0;
};

// frmTQ2.ExibeTelaAtualizacao without the window: prepares the four rows
// (titles from texts 74 to 77) and runs the update.
bool ExecutaPedidoAtualizacao(VisaoProgresso& visao, short sVersaoAtual, short sVersaoNova,
                              OpcoesAtualizacao opcoes = {});

// Whether an error number of the database layer is a failure of the
// database itself rather than of one statement.
bool EhFalhaDoBanco(long numero);

}  // namespace Atualizacao
