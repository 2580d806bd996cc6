#include "update/janelas/registra.h"

#include "detailwindow/frmTQ2.h"
#include "mainwindow/frmTQ1.h"
#include "platform/base/error.h"
#include "update/janelas/telaatualizacao.h"
#include "update/janelas/verificacaojanela.h"

namespace Atualizacao {
namespace {

// Runs `f` on the window's checks, then mirrors their state on the window.
template <typename F>
void NaJanela(frmTQ1& janela, F&& f)
{
    VerificacaoJanela* v = VerificacaoJanela::Da(janela);
    if (!v)
        return;
    f(v->Controle());
    // The window may have been unloaded by the pass; the object lives on
    // until the window goes.
    v->Sincroniza();
}

}  // namespace

void PreencheRegistro(RegistroTQ1& r, AmbienteVerificacao ambiente)
{
    r.AoCriar.push_back([ambiente](frmTQ1& janela) {
        auto* v = new VerificacaoJanela(janela, ambiente);
        try {
            v->Controle().CarregaDataUltimaVerificacao();
        } catch (const platform::Error&) {
            // No version record to read: the first automatic tick checks.
        }
        v->Sincroniza();
    });
    r.IniciaVerificacaoAtualizacao = [](frmTQ1& janela, bool automatica) {
        NaJanela(janela, [&](VerificacaoAtualizacao& c) { c.IniciaVerificacaoAtualizacao(automatica); });
    };
    r.tmrVerificaProcessoVerificacao_Timer = [](frmTQ1& janela) {
        NaJanela(janela, [](VerificacaoAtualizacao& c) { c.TickVigia(); });
    };
    r.tmrVerificarAtualizacoes_Timer = [](frmTQ1& janela) {
        NaJanela(janela, [](VerificacaoAtualizacao& c) { c.TickAutomatico(); });
    };
    r.MostraMenuAtualizacao = [](frmTQ1& janela) {
        NaJanela(janela, [&](VerificacaoAtualizacao& c) {
            c.MostraMenuAtualizacao(janela.RetanguloMenu(), janela.imgAtualizacao->geometry());
        });
    };
    r.AoDescarregar.push_back([](frmTQ1& janela) {
        janela.tmrVerificarAtualizacoes->stop();
        NaJanela(janela, [](VerificacaoAtualizacao& c) { c.Encerra(); });
        janela.tmrVerificaProcessoVerificacao->stop();
    });
}

void RegistraTelaAtualizacao(OpcoesAtualizacao opcoes)
{
    frmTQ2::RegistraExibeTelaAtualizacao(
        [opcoes = std::move(opcoes)](frmTQ2& janela, std::int16_t atual, std::int16_t nova) {
            ExibeTelaAtualizacao(janela, atual, nova, opcoes);
        });
}

void Registra()
{
    PreencheRegistro(RegistroTQ1::Global());
    RegistraTelaAtualizacao();
}

}  // namespace Atualizacao
