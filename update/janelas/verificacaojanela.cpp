#include "update/janelas/verificacaojanela.h"

#include "core/janelas.h"
#include "detailwindow/frmTQ2.h"
#include "platform/base/doevents.h"

namespace Atualizacao {

VerificacaoJanela::VerificacaoJanela(frmTQ1& janela, AmbienteVerificacao ambiente)
    : QObject(&janela), m_janela(janela), m_controle(*this, std::move(ambiente))
{
    setObjectName(QStringLiteral("VerificacaoAtualizacao"));
}

VerificacaoJanela* VerificacaoJanela::Da(const frmTQ1& janela)
{
    return janela.findChild<VerificacaoJanela*>(QStringLiteral("VerificacaoAtualizacao"), Qt::FindDirectChildrenOnly);
}

void VerificacaoJanela::Sincroniza()
{
    m_janela.mVerificacaoEmAndamento = m_controle.VerificacaoEmAndamento();
    m_janela.mDazadizeBloqueado = m_controle.DazadizeBloqueado();
    m_janela.mContadorVerificacao = static_cast<quint8>(m_controle.ContadorVerificacao());
    m_janela.mProcessoVerificacao = m_controle.ProcessoVerificacao() > 0 ? m_controle.ProcessoVerificacao() : 0;
}

void VerificacaoJanela::AtualizaInfoUltimaAtualizacao(bool carregaUltimaVerificacao)
{
    m_janela.AtualizaInfoUltimaAtualizacao(carregaUltimaVerificacao);
}

void VerificacaoJanela::AbreJanelaSecundaria(int codigo, const QString& parametros)
{
    Sincroniza();
    m_janela.AbreJanelaSecundaria(static_cast<quint8>(codigo), parametros);
}

void VerificacaoJanela::DescarregaJanelaDetalhe()
{
    frmTQ2* detalhe = frmTQ2::Instancia();
    if (!detalhe || detalhe->Descarregada())
        return;
    detalhe->Descarrega();
    platform::DoEvents();
}

void VerificacaoJanela::VoltaInicio() { m_janela.imgInicio_Click(); }

void VerificacaoJanela::Descarrega()
{
    Sincroniza();
    m_janela.close();
}

void VerificacaoJanela::HabilitaVigia(bool habilitada)
{
    if (habilitada)
        m_janela.tmrVerificaProcessoVerificacao->start();
    else
        m_janela.tmrVerificaProcessoVerificacao->stop();
    Sincroniza();
}

int VerificacaoJanela::IntervaloAutomatico() const { return m_janela.tmrVerificarAtualizacoes->interval(); }

void VerificacaoJanela::DefineIntervaloAutomatico(int ms) { m_janela.tmrVerificarAtualizacoes->setInterval(ms); }

void VerificacaoJanela::Ampulheta(bool ligada)
{
    Modulo::DefinePonteiroTela(ligada ? Modulo::vbHourglass : Modulo::vbDefault);
}

}  // namespace Atualizacao
