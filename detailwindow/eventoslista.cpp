// The list events of the detail window, for every screen: a row icon
// clicked (cart, notes, the cart list's quantity and delete icons), the
// mouse over the list (hover and wheel target), and a change of the current
// row (the cross-reference panel of the kits and optionals).

#include "detailwindow/frmTQ2.h"

#include "core/crossref.h"
#include "core/errorbox.h"
#include "core/janelas.h"
#include "core/searchtext.h"
#include "detailwindow/carrinhodetalhe.h"
#include "detailwindow/ponteiro.h"
#include "listcontrols/gridnavigation.h"
#include "platform/base/vbruntime.h"

#include <algorithm>

namespace {

constexpr int kQuantidadeMaxima = 32000;
constexpr int kQuantidadeMinima = 1;
constexpr int kBotaoDireito = 2;

QString CriterioItem(const QString& Tipo, std::int32_t Codigo)
{
    return QStringLiteral("Tipo = '") + Modulo::TextoSQL(Tipo) + QStringLiteral("' AND Codigo = ") +
           QString::number(Codigo);
}

}  // namespace

void frmTQ2::grdTHGrid1_ImageClick(int sColuna, const platform::dao::Bookmark&, int sButton)
{
    Modulo::Guarda([&] {
        const int tela = TelaAtual();
        const platform::dao::RecordsetPtr rs = dtcTHGrid1->Recordset();
        if (!rs || rs->EOF_() || rs->BOF())
            return;  // an empty list has no row to act on
        if (tela == 1 || tela == 4) {
            DetalhePonteiro::Escopo ampulheta;
            const bool jogo = tela == 1;
            const auto codigo = platform::vb::CLng(rs->Value(jogo ? QStringLiteral("CodigoJogoReparo")
                                                              : QStringLiteral("CodigoComponente")));
            const QString tipo = jogo ? QStringLiteral("JRE") : QStringLiteral("COM");
            if (sColuna == 0) {
                CarrinhoDetalhe::IncluiItemCarrinho(tipo, codigo, QStringLiteral("1"), false, true);
            } else if (sColuna == 1) {
                const auto peca = platform::vb::CLng(rs->Value(QStringLiteral("CodigoPeca")));
                ExibeTelaObservacao(static_cast<std::uint8_t>(tela), tipo, codigo, peca, std::nullopt, QString());
            }
        } else if (tela == 3) {
            if (sColuna == 1)
                AlteraQuantidadeLista(sButton == kBotaoDireito ? 10 : 1);
            else if (sColuna == 2)
                AlteraQuantidadeLista(sButton == kBotaoDireito ? -10 : -1);
            else if (sColuna == 3)
                ExcluiItemLista();
        }
    });
}

void frmTQ2::AlteraQuantidadeLista(int delta)
{
    const platform::dao::RecordsetPtr rs = dtcTHGrid1->Recordset();
    const QString tipo = rs->Value(QStringLiteral("Tipo")).toString();
    const std::int32_t codigo = platform::vb::CLng(rs->Value(QStringLiteral("Codigo")));
    const long atual = platform::vb::CLng(rs->Value(QStringLiteral("Quantidade")));
    const long nova = std::clamp(atual + delta, static_cast<long>(kQuantidadeMinima), static_cast<long>(kQuantidadeMaxima));
    const int linha = Modulo::ObtemLinhaGrid(grdTHGrid1);
    CarrinhoDetalhe::AlteraQuantidadeCarrinho(tipo, codigo, QString::number(nova));
    dtcTHGrid1->Refresh();
    dtcTHGrid1->Recordset()->FindFirst(CriterioItem(tipo, codigo));
    Modulo::RestauraLinhaGrid(grdTHGrid1, linha);
    grdTHGrid1->AtualizaGrid();
}

void frmTQ2::ExcluiItemLista()
{
    platform::dao::RecordsetPtr rs = dtcTHGrid1->Recordset();
    const QString tipo = rs->Value(QStringLiteral("Tipo")).toString();
    const std::int32_t codigo = platform::vb::CLng(rs->Value(QStringLiteral("Codigo")));

    // The row to show afterwards: the next one, else the one before, at the
    // screen row the deleted one stood on (one higher for the one before).
    // The screen row is taken before the recordset moves: the list follows
    // the moves and may scroll when the next record lies below its last row.
    const int linhaClicada = Modulo::ObtemLinhaGrid(grdTHGrid1);
    QString tipoVizinho;
    std::int32_t codigoVizinho = 0;
    int linha = Modulo::LinhaGridNenhuma;
    rs->MoveNext();
    if (!rs->EOF_()) {
        tipoVizinho = rs->Value(QStringLiteral("Tipo")).toString();
        codigoVizinho = platform::vb::CLng(rs->Value(QStringLiteral("Codigo")));
        rs->MovePrevious();
        linha = linhaClicada;
    } else {
        rs->MoveLast();
        rs->MovePrevious();
        if (!rs->BOF()) {
            tipoVizinho = rs->Value(QStringLiteral("Tipo")).toString();
            codigoVizinho = platform::vb::CLng(rs->Value(QStringLiteral("Codigo")));
            rs->MoveNext();
            linha = linhaClicada > 0 ? linhaClicada - 1 : linhaClicada;
        } else {
            rs->MoveFirst();
        }
    }

    CarrinhoDetalhe::ExcluiItemCarrinho(tipo, codigo);
    grdTHGrid1->AnalisarScollProximoRefresh();
    dtcTHGrid1->Refresh();
    if (codigoVizinho > 0)
        dtcTHGrid1->Recordset()->FindFirst(CriterioItem(tipoVizinho, codigoVizinho));
    Modulo::RestauraLinhaGrid(grdTHGrid1, linha);

    grdTHGrid1->AtualizaGrid();
}

void frmTQ2::grdTHGrid1_MouseMove(int, int, float, float)
{
    DestacaControle(QStringLiteral(">THGRID1"));
    Modulo::DefineAlvoRoda(QStringLiteral("TEL_GRID1"));
}

void frmTQ2::grdTHGrid1_RowColChange(const platform::dao::Bookmark& LastRow, int)
{
    const int tela = TelaAtual();
    if (tela != 1 && tela != 4)
        return;
    Modulo::Guarda([&] {
        if (!Modulo::BookmarkDiferente(dtcTHGrid1, grdTHGrid1, LastRow))
            return;
        AtualizaReferencias(tela);
    });
}

void frmTQ2::AtualizaReferencias(int tela)
{
    const bool jogo = tela == 1;
    const platform::dao::RecordsetPtr rs = dtcTHGrid1->Recordset();
    QString numero;
    if (rs && !rs->EOF_() && !rs->BOF())
        numero = Modulo::NormalizaNumeroEmpresa(
            rs->Value(jogo ? QStringLiteral("NumeroEmpresaJogoReparo") : QStringLiteral("NumeroEmpresaComponente"))
                .toString());
    const QString& tag = pctPainelRefTag[jogo ? 0 : 1];
    const QString filtro = Modulo::ObtemFabricantesPeca(tag.toLong(), -1);
    Modulo::ExibeReferenciaCruzada(jogo ? Modulo::kOrigemJogosReparo : Modulo::kOrigemOpcionais, numero, filtro);
    ++mAtualizacoesReferencia;
}
