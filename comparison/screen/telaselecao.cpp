// Screen 9 of the main window: the choice of the two assemblies to compare.
#include "comparison/comparacaotela.h"
#include "comparison/screen/estado.h"
#include "comparison/screen/telascomparacao.h"
#include "core/globals.h"
#include "core/janelas.h"
#include "core/texts.h"
#include "mainwindow/frmTQ1.h"
#include "platform/base/doevents.h"

namespace Comparacao {

namespace {

void FechaPecas(EstadoTelas& e)
{
    if (e.mRsPecasComparacao)
        IgnorandoErros([&] { e.mRsPecasComparacao->Close(); });
    e.mRsPecasComparacao.reset();
}

}  // namespace

void MostraSelecaoComparacao(frmTQ1& f, quint8 Origem)
{
    switch (Origem) {
    case 0:
        f.mHistoricoTelas += QLatin1Char('9');
        f.EscondeInicio();
        break;
    case 1: f.EscondePesquisaPecas(); break;
    case 2: f.EscondePesquisaVeiculos(); break;
    case 3:
        f.mHistoricoTelas.chop(2);
        f.EscondeListaPecas();
        break;
    case 4:
    case 8:
        f.FechaConjunto();
        LiberaComparacao(f);
        break;
    default: break;
    }

    f.CarregaImagensTela(QStringLiteral("C"), 9);
    f.MostraSubTitulo(QString(), true);

    EstadoTelas& e = EstadoTelas::De(f);
    FechaPecas(e);
    e.mRsPecasComparacao =
        Modulo::gDbDazadize->OpenRecordset(ConsultaPecasComparacao(Modulo::gIdioma), platform::dao::dbOpenSnapshot);

    // No vehicle search in edition M.
    const bool veiculos = PesquisaVeiculoComparacao(Modulo::gEdicao);
    for (QWidget* w : {static_cast<QWidget*>(f.imgGuarfo1Comp), static_cast<QWidget*>(f.imgGuarfo2Comp),
                       static_cast<QWidget*>(f.imgPesquisa1Comp1), static_cast<QWidget*>(f.imgPesquisa1Comp2)})
        w->setVisible(veiculos);
    for (CaixaTexto* t : f.txtNumeroEmpresaComp)
        t->setEnabled(true);

    f.pctTela[9]->show();
    f.pctTela[9]->repaint();
    f.AjustaBotoesNavegacao(9);
    platform::DoEvents();

    // The focus on the side that was searched last (box 0 otherwise).
    IgnorandoErros([&] {
        if (f.imgNum2Comp->Tag() == QLatin1String("1")) {
            f.imgNum2Comp->SetTag(QString());
            f.txtNumeroEmpresaComp[1]->setFocus();
        } else {
            f.imgNum1Comp->SetTag(QString());
            f.txtNumeroEmpresaComp[0]->setFocus();
        }
    });
}

void EscondeSelecaoComparacao(frmTQ1& f)
{
    for (CaixaTexto* t : f.txtNumeroEmpresaComp)
        t->setEnabled(false);
    f.AjustaBotoesNavegacao(200);
    f.pctTela[9]->hide();
    f.MostraSubTitulo(QString(), false);
    FechaPecas(EstadoTelas::De(f));
    f.CarregaImagensTela(QStringLiteral("D"), 9);
}

void txtNumeroEmpresaComp_Change(frmTQ1& f, int Index)
{
    // A number written while another screen is current (the parts list's
    // Forward) is not looked up.
    if (f.CodigoTelaAtual() != 9)
        return;
    const EstadoTelas& e = EstadoTelas::De(f);
    if (!e.mRsPecasComparacao)
        return;
    const EscolhaComparacao escolha = ProcuraPecaComparacao(e.mRsPecasComparacao, Modulo::gDbDazadize, Modulo::gEdicao,
                                                            Modulo::gIdioma, f.txtNumeroEmpresaComp[Index]->text());
    f.lblDescricaoPecaComp[Index]->setText(escolha.legenda);
    f.txtNumeroEmpresaComp[Index]->SetTag(escolha.codigo);
    f.lblDescricaoPecaComp[Index]->SetTag(escolha.tipo);
}

void imgPesquisaComp_Click(frmTQ1& f, int Lado, bool Veiculo)
{
    Ampulheta ampulheta;
    f.imgNum1Comp->SetTag(Lado == 0 ? QStringLiteral("1") : QString());
    f.imgNum2Comp->SetTag(Lado == 1 ? QStringLiteral("1") : QString());
    if (Veiculo)
        f.MostraPesquisaVeiculos(9);
    else
        f.MostraPesquisaPecas(9);
}

}  // namespace Comparacao
