// Forward (imgAvancar) on screens 1, 2, 3 and 9, run inside the frame's
// common frame (pending messages, hourglass, default pointer after): from a
// search result to its parts list (a superseded item: its notes, then the
// parts list of its newest replacement), from the parts list to the figure
// or back to the comparison selection, from the comparison selection to the
// comparison list after its checks.
#include "search/screens/comum.h"
#include "search/screens/telapesquisa.h"
#include "search/screens/telas.h"

#include "core/globals.h"
#include "core/itemtexts.h"
#include "mainwindow/frmTQ1.h"
#include "platform/base/doevents.h"
#include "platform/desktop/messagebox.h"
#include "search/verificacomparacao.h"

namespace Pesquisa {

using namespace Interno;

namespace {

// The list's rows after the pending search; none: text 16 and false.
platform::dao::RecordsetPtr LinhaEscolhida(frmTQ1& f)
{
    TelaPesquisa::De(f).Conclui();
    const auto rs = f.dtcTHGrid1->Recordset();
    if (!TemLinhaAtual(rs)) {
        Modulo::DefinePonteiroTela(Modulo::vbDefault);
        CaixaCritica(16);
        return {};
    }
    return rs;
}

}  // namespace

void AvancaPesquisaPecas(frmTQ1& f)
{
    const auto rs = LinhaEscolhida(f);
    if (!rs)
        return;
    // A Null kind (an assembly whose type has no TIPOPECA row) is an assembly.
    const QVariant tipo = Campo(rs, QStringLiteral("Tipo"));
    const QString tipoTexto = platform::dao::IsNull(tipo) ? QString() : tipo.toString();
    const QString tipoItem = TipoItemDaLinha(tipo, Modulo::gIdioma);
    const long codigo = CampoCodigo(rs, QStringLiteral("Codigo"), -5);

    // The row picked is what Back reselects, also when it is superseded.
    f.mTipoSelecionado = tipoTexto;
    f.mCodigoSelecionado = codigo;
    f.GuardaFiltrosPesquisa();

    const long substituto = Modulo::ObtemCodigoSubstituto(codigo, tipoItem);
    if (substituto > 0) {
        // The superseded item's notes (they begin with the supersession
        // text), then the parts list of its newest replacement.
        f.AbreJanelaSecundaria(0, (tipoTexto.isEmpty() ? tipoItem : tipoTexto) + QLatin1Char('|') +
                                      QString::number(codigo) + QStringLiteral("|-5||"));
        platform::DoEvents();
        if (f.CodigoTelaAtual() != 1)
            return;
        Modulo::DefinePonteiroTela(Modulo::vbHourglass);
        f.MostraListaPecas(1, tipoItem, substituto);
        return;
    }
    f.MostraListaPecas(1, tipoItem, codigo);
}

void AvancaPesquisaVeiculos(frmTQ1& f)
{
    const auto rs = LinhaEscolhida(f);
    if (!rs)
        return;
    f.mCodigoFabricante = CodigoFabricanteDaLinha(f.dtcTHCombo1->Recordset());
    f.mCodigoVeiculo = CampoCodigo(rs, QStringLiteral("Codigo"), -5);
    f.MostraListaPecas(2, QStringLiteral("VEI"), f.mCodigoVeiculo);
}

void AvancaListaPecas(frmTQ1& f)
{
    const auto rs = LinhaEscolhida(f);
    if (!rs)
        return;
    const QString& h = f.mHistoricoTelas;
    if (h.size() >= 3 && h.at(h.size() - 3) == QLatin1Char('9')) {
        // The list serves a side of the comparison selection.
        const int lado = f.imgNum1Comp->Tag() == QLatin1String("1") ? 0 : 1;
        const QString descricao = CampoTexto(rs, QStringLiteral("DescricaoPeca"));
        f.lblDescricaoPecaComp[lado]->setText(
            Modulo::gEdicao == QLatin1String("D")
                ? descricao
                : CampoTexto(rs, QStringLiteral("DescricaoTipoPeca")) + QStringLiteral(": ") + descricao);
        f.lblDescricaoPecaComp[lado]->SetTag(CampoTexto(rs, QStringLiteral("TipoPeca")));
        f.txtNumeroEmpresaComp[lado]->setText(CampoTexto(rs, QStringLiteral("NumeroEmpresaPeca")));
        f.txtNumeroEmpresaComp[lado]->SetTag(QString::number(CampoCodigo(rs, QStringLiteral("CodigoPeca"))));
        f.MostraSelecaoComparacao(3);
        return;
    }
    f.mCodigoPeca = CampoCodigo(rs, QStringLiteral("CodigoPeca"));
    f.mCodigoPecaComparacao = -1;
    f.mFiguraCarregada = false;
    f.mTabelaCarregada = false;
    Modulo::gParametro = f.pctTela[3]->Tag();
    f.MostraFigura(3);
}

void AvancaSelecaoComparacao(frmTQ1& f)
{
    Modulo::DefinePonteiroTela(Modulo::vbDefault);
    LadoComparacao lados[2];
    for (int i = 0; i < 2; ++i) {
        lados[i].texto = f.txtNumeroEmpresaComp[i]->text();
        lados[i].codigo = f.txtNumeroEmpresaComp[i]->Tag();
        lados[i].tipoPeca = f.lblDescricaoPecaComp[i]->Tag();
    }
    const FalhaComparacao falha = VerificaSelecaoComparacao(lados[0], lados[1], Modulo::gEdicao);
    if (!falha.ok) {
        CaixaCritica(falha.texto);
        f.txtNumeroEmpresaComp[falha.caixaFoco]->setFocus();
        return;
    }
    Ampulheta ampulheta;
    f.mCodigoPeca = lados[0].codigo.trimmed().toLong();
    f.mCodigoPecaComparacao = lados[1].codigo.trimmed().toLong();
    f.mComparacaoCarregada = false;
    f.mFiguraCarregada = false;
    f.mTabelaCarregada = false;
    f.MostraComparacao(0);
}

}  // namespace Pesquisa
