// Screen 8 of the main window: the comparison list of two assemblies, its
// header, filter options and select-all icons.
#include "comparison/carrinho.h"
#include "comparison/comparacaotabela.h"
#include "comparison/comparacaotela.h"
#include "comparison/screen/estado.h"
#include "comparison/screen/telascomparacao.h"
#include "core/crossref.h"
#include "core/errorbox.h"
#include "core/globals.h"
#include "core/janelas.h"
#include "core/pictures.h"
#include "core/runtables.h"
#include "listcontrols/thgrid.h"
#include "mainwindow/frmTQ1.h"
#include "platform/base/doevents.h"
#include "platform/base/error.h"

namespace Comparacao {

using platform::dao::RecordsetPtr;

namespace {

THPictures IconesComparacao() { return CarregaIcones(NomesIconesComparacao()); }

}  // namespace

void AtualizaGridComparacao(frmTQ1& f, const QString& CodigoComponente, int Filtro, const QString& Ordem, bool Recriar,
                            bool Atualizar)
{
    QString filtro = f.pctExibirComparacao->Tag();
    QString ordem = f.grdTHGrid1->Tag();
    ContextoComparacao c;
    c.catalogo = Modulo::gDbDazadize;
    c.wsAuxiliar = Modulo::gWsAuxiliar;
    c.auxiliar = Modulo::gDbAuxiliar;
    c.idioma = Modulo::gIdioma;
    c.codigoPeca = f.mCodigoPeca;
    c.codigoPecaComparacao = f.mCodigoPecaComparacao;
    c.tabela = &f.mTabelaComparacao;
    c.tagFiltro = &filtro;
    c.tagOrdem = &ordem;
    c.dataControl = f.dtcTHGrid1;
    THGrid* grade = f.grdTHGrid1;
    c.analisarScroll = [grade] { grade->AnalisarScollProximoRefresh(); };
    c.atualizaGrid = [grade] { grade->AtualizaGrid(); };
    // The filter and the order are stored first, whatever follows.
    const auto guardaTags = [&] {
        f.pctExibirComparacao->SetTag(filtro);
        f.grdTHGrid1->SetTag(ordem);
    };
    try {
        Comparacao::AtualizaGridComparacao(c, CodigoComponente, Filtro, Ordem, Recriar, Atualizar);
    } catch (...) {
        guardaTags();
        throw;
    }
    guardaTags();
}

void MostraComparacao(frmTQ1& f, quint8 Origem)
{
    using namespace Modulo;
    // 1. History.
    if (Origem == 0) {
        f.mHistoricoTelas += QLatin1Char('8');
        f.EscondeSelecaoComparacao();
    } else if (Origem == 4) {
        if (!f.mHistoricoTelas.isEmpty())
            f.mHistoricoTelas.back() = QLatin1Char('8');
        f.EscondeFigura();
    }
    f.CarregaImagensTela(QStringLiteral("C"), 8);
    // The list reads the open auxiliary database.
    f.dtcTHGrid1->SetDatabase(gDbAuxiliar);

    const GeometriaComparacao g = GeometriaTelaComparacao(gEdicao);
    THGrid* grade = f.grdTHGrid1;
    if (!f.mComparacaoCarregada) {
        // The first showing of this comparison.
        f.lblExibirComparacao->setText(LegendaExibirComparacao(gIdioma));
        const auto legendas = LegendasFiltroComparacao(gIdioma);
        f.optExibirComponentesDiferentes->setText(legendas[0]);
        f.optExibirComponentesIguais->setText(legendas[1]);
        f.optExibirComponentesTodos->setText(legendas[2]);
        f.optExibirComponentesDiferentes->setChecked(true);
        f.pctExibirComparacao->SetTag(QStringLiteral("0"));

        const auto lados = LeCabecalhoComparacao(gDbDazadize, f.mCodigoPeca, f.mCodigoPecaComparacao, gIdioma);
        for (std::size_t i = 0; i < 2; ++i) {
            f.lblNumeroEmpresaPeca[i]->SetTag(lados[i].codigo);
            f.lblNumeroEmpresaPeca[i]->setText(lados[i].numero);
            f.lblNumeroEmpresaPeca[i]->setToolTip(lados[i].descricao);
            f.imgTitQuantidade[i]->SetTag(lados[i].tipo);
        }

        grade->mUserControlPixelWidth = g.listaLargura;
        grade->mUserControlPixelHeight = g.listaAltura;
        grade->Move(f.pctTela[8]->x() + g.listaEsquerda, f.pctTela[8]->y() + g.listaTopo, g.listaLargura,
                    g.listaAltura);

        // A build that fails leaves no table and an empty list: the error
        // box says why, the screen still shows (Back leaves it).
        bool construida = true;
        try {
            AtualizaGridComparacao(f, QString(), f.pctExibirComparacao->Tag().toInt(), kOrdemNumero, true, false);
        } catch (const platform::Error& e) {
            construida = false;
            MostraErro(e.number(), e.description());
        }

        if (construida) {
            grade->ObtemDataControl(f.dtcTHGrid1);
            grade->ObtemPictures(IconesComparacao());
            grade->ConfiguraColunas(ColunasComparacao(gEdicao, gIdioma));
            grade->AtualizaGrid();
        } else {
            // No table, no list: its columns go with the rows.
            grade->Descarrega();
        }
        f.mComparacaoCarregada = construida;
    }

    // 14. The title, at every showing.
    f.MostraSubTitulo(TituloComparacao(gDbDazadize, gEdicao, gIdioma, f.imgTitQuantidade[1]->Tag(),
                                       f.lblNumeroEmpresaPeca[0]->text(), f.lblNumeroEmpresaPeca[1]->text()),
                      true);
    // 15, 16. The cross-reference panel, empty; none in edition M.
    ExibeReferenciaCruzada(kOrigemComparacao, QString(), QString());
    f.imgTitNo[3]->setVisible(g.painelReferencia);
    f.pctPainelRef[3]->setVisible(g.painelReferencia);

    // 17. The header's places.
    for (std::size_t i = 0; i < 2; ++i) {
        f.lblNumeroEmpresaPeca[i]->move(g.lblNumeroEmpresaPeca[i], f.lblNumeroEmpresaPeca[i]->y());
        f.imgTitQuantidade[i + 1]->move(g.imgTitQuantidade[i], f.imgTitQuantidade[i + 1]->y());
        f.imgSelecionarTodos[i]->move(g.imgSelecionarTodos[i], f.imgSelecionarTodos[i]->y());
        Linha* l = f.linComparacao[i];
        l->SetPontos(g.linComparacao[i], l->Y1(), g.linComparacao[i], l->Y2());
    }
    // The first quantity title ends at the line between the two sides (its
    // picture is wider than the room the places leave it).
    Imagem* titulo = f.imgTitQuantidade[1];
    const int ate = g.linComparacao[1] - titulo->x();
    if (ate > 0 && titulo->width() > ate)
        titulo->resize(ate, titulo->height());

    // 18. Show.
    f.pctTela[8]->show();
    f.pctTela[8]->repaint();
    grade->setVisible(f.mComparacaoCarregada);
    // The list above the screen, the floating panels still above the list
    // (raising the list alone would leave the suggestion panel under it for
    // the rest of the run).
    f.TrazPaineisFrente();
    f.AjustaBotoesNavegacao(8);
    platform::DoEvents();
    IgnorandoErros([&] { grade->setFocus(); });
}

void EscondeComparacao(frmTQ1& f)
{
    f.AjustaBotoesNavegacao(200);
    f.pctTela[8]->hide();
    f.grdTHGrid1->hide();
    f.CarregaImagensTela(QStringLiteral("D"), 8);
}

void LiberaComparacao(frmTQ1& f)
{
    if (!f.pctTela[8]->isHidden())
        EscondeComparacao(f);
    // The assembly view's FechaConjunto drops the table and gives the list
    // back to the catalogue; without it, that is done here.
    if (f.mTabelaComparacao.isEmpty())
        return;
    if (Modulo::gDbAuxiliar && f.dtcTHGrid1->Database() == Modulo::gDbAuxiliar) {
        f.grdTHGrid1->hide();
        f.grdTHGrid1->Descarrega();
        if (RecordsetPtr rs = f.dtcTHGrid1->Recordset())
            IgnorandoErros([&] { rs->Close(); });
        f.dtcTHGrid1->SetRecordset({});
        f.dtcTHGrid1->SetDatabaseName(Modulo::gCaminhoDados + Modulo::NomeArquivoCatalogo());
    }
    if (Modulo::gDbAuxiliar)
        Modulo::ExcluiTabela(Modulo::gDbAuxiliar, f.mTabelaComparacao);
    f.mTabelaComparacao.clear();
}

void optExibirComponentes_Click(frmTQ1& f, int Filtro)
{
    if (!f.mComparacaoCarregada)
        return;
    {
        Ampulheta ampulheta;
        f.pctExibirComparacao->SetTag(QString::number(Filtro));
        AtualizaGridComparacao(f, QString(), Filtro, f.grdTHGrid1->Tag(), false, true);
    }
    IgnorandoErros([&] { f.grdTHGrid1->setFocus(); });
}

void imgSelecionarTodos_Click(frmTQ1& f, int Index)
{
    int incluidos = 0;
    {
        Ampulheta ampulheta;
        // Without a table (a build that failed) there is nothing to add.
        if (!f.mTabelaComparacao.isEmpty())
            incluidos = SelecionaTodosComparacao(
                Modulo::gDbAuxiliar, f.mTabelaComparacao, Index, f.pctExibirComparacao->Tag(), f.grdTHGrid1->Tag(),
                [](const QString& tipo, long codigo, const QString& quantidade, bool opcional, bool efeito) {
                    Modulo::IncluiItemCarrinho(tipo, codigo, quantidade, opcional, efeito);
                },
                {});
    }
    if (incluidos > 0)
        f.EfeitoCarrinho(false);
    else if (f.mTabelaComparacao.isEmpty())
        MensagemCritica(43);
}

}  // namespace Comparacao
