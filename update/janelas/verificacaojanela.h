#pragma once
// The update checks on the main window frmTQ1: the window's side of
// update/verificacaoatualizacao.h.
//
// Each main window gets one VerificacaoJanela, a child object made when the
// window is created (RegistroTQ1::AoCriar), which owns the window's
// VerificacaoAtualizacao and gives it the window:
//   AtualizaInfoUltimaAtualizacao   frmTQ1::AtualizaInfoUltimaAtualizacao
//   AbreJanelaSecundaria            frmTQ1::AbreJanelaSecundaria (modal)
//   DescarregaJanelaDetalhe         the open detail window's Descarrega
//   VoltaInicio                     frmTQ1::imgInicio_Click
//   Descarrega                      closing the window (Form_Unload, which
//                                   restarts through the launcher when asked)
//   HabilitaVigia                   tmrVerificaProcessoVerificacao on or off
//   IntervaloAutomatico             tmrVerificarAtualizacoes' interval
//   Ampulheta                       the hourglass pointer
// After every call it copies the check's state into the window's form-level
// members (mVerificacaoEmAndamento, mDazadizeBloqueado, mContadorVerificacao,
// mProcessoVerificacao).

#include "mainwindow/frmTQ1.h"
#include "update/verificacaoatualizacao.h"

#include <QObject>

namespace Atualizacao {

class VerificacaoJanela final : public QObject, public JanelaVerificacao {
    Q_OBJECT
public:
    VerificacaoJanela(frmTQ1& janela, AmbienteVerificacao ambiente);

    // The window's object, or nullptr when it has none.
    static VerificacaoJanela* Da(const frmTQ1& janela);

    VerificacaoAtualizacao& Controle() { return m_controle; }
    // The check's state into the window's members.
    void Sincroniza();

    void AtualizaInfoUltimaAtualizacao(bool carregaUltimaVerificacao) override;
    void AbreJanelaSecundaria(int codigo, const QString& parametros) override;
    void DescarregaJanelaDetalhe() override;
    void VoltaInicio() override;
    void Descarrega() override;
    void HabilitaVigia(bool habilitada) override;
    int IntervaloAutomatico() const override;
    void DefineIntervaloAutomatico(int ms) override;
    void Ampulheta(bool ligada) override;

private:
    frmTQ1& m_janela;
    VerificacaoAtualizacao m_controle;
};

}  // namespace Atualizacao
