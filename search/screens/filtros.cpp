// The input handlers of the search screens: the kind check boxes, the choice
// in the first drop-down, the search boxes (at every change of their text)
// and the column titles, which the part search shares with the components
// table and the comparison list.
#include "search/screens/comum.h"
#include "search/screens/telapesquisa.h"
#include "search/screens/telas.h"

#include "listcontrols/thgrid.h"
#include "mainwindow/frmTQ1.h"
#include "platform/base/doevents.h"

namespace Pesquisa {

using namespace Interno;

void imgChk_Click(frmTQ1& f, Tipo tipo)
{
    const TiposMarcados atual{f.mPesquisaComponentes, f.mPesquisaJogosReparo, f.mPesquisaTransmissoes, f.mPesquisaEixos};
    bool mudou = false;
    const TiposMarcados novo = AlternaTipo(atual, tipo, &mudou);
    // The last ticked kind stays ticked.
    if (!mudou)
        return;
    f.mPesquisaComponentes = novo.componentes;
    f.mPesquisaJogosReparo = novo.jogosReparo;
    f.mPesquisaTransmissoes = novo.transmissoes;
    f.mPesquisaEixos = novo.eixos;
    const auto caixa = [](bool marcado, QWidget* comX, QWidget* vazio) {
        comX->setVisible(marcado);
        vazio->setVisible(!marcado);
    };
    switch (tipo) {
    case Tipo::Componentes: caixa(novo.componentes, f.imgQuadradoXComponentes, f.imgQuadrado_Componentes); break;
    case Tipo::JogosReparo: caixa(novo.jogosReparo, f.imgQuadradoXJogosReparo, f.imgQuadrado_JogosReparo); break;
    case Tipo::Transmissoes: caixa(novo.transmissoes, f.imgQuadradoXTransmissoes, f.imgQuadrado_Transmissoes); break;
    case Tipo::Eixos: caixa(novo.eixos, f.imgQuadradoXEixos, f.imgQuadrado_Eixos); break;
    }
    AtualizaGridPesquisa(f, f.grdTHGrid1->Tag(), true);
}

void cboTHCombo1_Click(frmTQ1& f)
{
    platform::DoEvents();
    switch (f.CodigoTelaAtual()) {
    case 1:
        f.mCodigoTipoPeca = CodigoTipoPecaDaLinha(f.dtcTHCombo1->Recordset(), f.mCodigoTipoPeca);
        AtualizaGridPesquisa(f, f.grdTHGrid1->Tag(), true);
        break;
    case 2: AtualizaGridVeiculos(f, true); break;
    default: break;
    }
    f.PosicionaFocoTela();
}

// The boxes search while their screen shows; the part search's boxes not
// while a saved slot is written into them (mSlotPesquisa 255).
void txtNumeroEmpresa_Change(frmTQ1& f)
{
    if (f.mSlotPesquisa == 255 || f.CodigoTelaAtual() != 1)
        return;
    AtualizaGridPesquisa(f, QStringLiteral("1"), true);
}

void txtDescricao_Change(frmTQ1& f)
{
    if (f.mSlotPesquisa == 255 || f.CodigoTelaAtual() != 1)
        return;
    AtualizaGridPesquisa(f, QStringLiteral("2"), true);
}

void txtNumeroFabricante_Change(frmTQ1& f)
{
    if (f.mSlotPesquisa == 255 || f.CodigoTelaAtual() != 1)
        return;
    AtualizaGridPesquisa(f, f.grdTHGrid1->Tag(), true);
}

void txtVeiculo_Change(frmTQ1& f)
{
    if (f.CodigoTelaAtual() != 2)
        return;
    AtualizaGridVeiculos(f, true);
}

namespace {

// The comparison list's equal/different filter kept in its panel's Tag:
// 0 different, 1 equal, anything else all.
int FiltroComparacao(frmTQ1& f)
{
    bool ok = false;
    const int n = f.pctExibirComparacao->Tag().trimmed().toInt(&ok);
    return ok ? n : 2;
}

void OrdenaComparacao(frmTQ1& f, const platform::dao::RecordsetPtr& rs, const QString& ordem)
{
    Ampulheta ampulheta;
    f.AtualizaGridComparacao(CampoTexto(rs, QStringLiteral("CodigoComponente")), FiltroComparacao(f), ordem, false, true);
}

}  // namespace

void imgTitNoTQ_Click(frmTQ1& f, int Index)
{
    TelaPesquisa::De(f).Conclui();
    const auto rs = f.dtcTHGrid1->Recordset();
    if (!TemLinhaAtual(rs))
        return;
    switch (Index) {
    case 0: txtNumeroEmpresa_Change(f); break;
    case 3: f.OrdenaTabelaPorColuna(QStringLiteral("4")); break;
    case 4: OrdenaComparacao(f, rs, QStringLiteral("NumeroEmpresaComponente")); break;
    default: break;
    }
}

void imgTitDescricao_Click(frmTQ1& f, int Index)
{
    if (Index == 0)
        txtDescricao_Change(f);
}

void imgTitComponente_Click(frmTQ1& f, int Index)
{
    TelaPesquisa::De(f).Conclui();
    const auto rs = f.dtcTHGrid1->Recordset();
    if (!TemLinhaAtual(rs))
        return;
    switch (Index) {
    case 1: f.OrdenaTabelaPorColuna(QStringLiteral("3")); break;
    case 2: OrdenaComparacao(f, rs, QStringLiteral("DescricaoComponente")); break;
    default: break;
    }
}

void imgTitItem_Click(frmTQ1& f) { f.OrdenaTabelaPorColuna(QStringLiteral("1")); }

}  // namespace Pesquisa
