// The buying-suggestion panel pctSugestaoCompra of the main window: where it
// shows (beside a figure item, beside a table row, the pointer moved onto
// it) and what the user does in it (ticks, quantities, pages, include, the
// optional alternatives, close, hover and drag).
#include "comparison/carrinho.h"
#include "comparison/screen/estado.h"
#include "comparison/screen/telascomparacao.h"
#include "comparison/sugestaocompra.h"
#include "core/globals.h"
#include "core/janelas.h"
#include "listcontrols/gridnavigation.h"
#include "listcontrols/thgrid.h"
#include "mainwindow/frmTQ1.h"
#include "platform/desktop/pointerwarp.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>

namespace Comparacao {

using platform::dao::RecordsetPtr;

namespace {

QString texto(const QVariant& v) { return platform::dao::IsNull(v) ? QString() : v.toString(); }

// Whether a quantity box of the panel has the focus.
bool FocoEmQuantidade(frmTQ1& f)
{
    QWidget* foco = QApplication::focusWidget();
    for (CaixaTexto* t : f.txtQtdSug)
        if (foco == t)
            return true;
    return false;
}

void MostraPainel(frmTQ1& f, QPoint posicao)
{
    f.pctSugestaoCompra->move(posicao);
    f.pctSugestaoCompra->show();
    if (FocoEmQuantidade(f))
        f.pctSugestaoCompra->setFocus();
}

void EscondePainel(frmTQ1& f)
{
    if (!f.pctSugestaoCompra->isHidden())
        f.pctSugestaoCompra->hide();
}

// The panel's Tag: the assembly's code and the item.
long PecaDoPainel(frmTQ1& f) { return f.pctSugestaoCompra->Tag().section(QLatin1Char('|'), 0, 0).toLong(); }
QString ItemDoPainel(frmTQ1& f) { return f.pctSugestaoCompra->Tag().section(QLatin1Char('|'), 1); }

IncluiItem IncluiNoCarrinho()
{
    return [](const QString& tipo, long codigo, const QString& quantidade, bool opcional, bool efeito) {
        Modulo::IncluiItemCarrinho(tipo, codigo, quantidade, opcional, efeito);
    };
}

}  // namespace

bool CarregaSugestaoCompra(frmTQ1& f, long CodigoPeca, const QString& Item, int Pagina, bool Reset)
{
    SugestaoCompra& s = EstadoTelas::De(f).sugestao;
    if (!s.Carrega(Modulo::gDbDazadize, CodigoPeca, Item, Pagina, Reset, Modulo::gIdioma))
        return false;
    const PaginaSugestao& p = s.Pagina();
    for (int i = 0; i < kLinhasPaginaSugestao; ++i) {
        const auto k = std::size_t(i);
        const bool usada = k < p.linhas.size();
        for (QWidget* w : {static_cast<QWidget*>(f.chkSug[k]), static_cast<QWidget*>(f.lblNumeroSug[k]),
                           static_cast<QWidget*>(f.lblDescricaoSug[k]), static_cast<QWidget*>(f.lblQtdSug[k]),
                           static_cast<QWidget*>(f.shpQtdSug[k]), static_cast<QWidget*>(f.txtQtdSug[k])})
            w->setVisible(usada);
        f.imgOpcionalSug[k]->setVisible(usada && p.linhas[k].linha.temOpcionais());
        f.imgOpcionalSugS[k]->hide();
        if (i > 0)
            f.linSug[k - 1]->setVisible(usada);
        if (!usada)
            continue;
        const LinhaPaginaSugestao& l = p.linhas[k];
        f.lblNumeroSug[k]->setText(l.linha.numero);
        f.lblNumeroSug[k]->SetTag(QString::number(l.linha.codigo));
        Rotulo* descricao = f.lblDescricaoSug[k];
        descricao->setText(l.linha.descricao);
        const int largura = QFontMetrics(descricao->font()).horizontalAdvance(l.linha.descricao);
        descricao->move(descricao->x(), TopoDescricaoSugestao(f.lblNumeroSug[k]->y(), largura, descricao->width()));
        f.chkSug[k]->setChecked(l.marcada);
        f.txtQtdSug[k]->setText(l.quantidade);
    }
    f.lblPaginasSug->setText(p.legenda);
    f.lblPaginasSug->SetTag(QString::number(p.paginas));
    f.lblPaginasSug->setToolTip(p.dica);
    f.pctSugestaoCompra->SetTag(s.Tag());
    f.imgSelecionarTodosSug->SetTag(s.TagSelecionarTodos());
    return true;
}

void MostraSugestaoFigura(frmTQ1& f, int Index, int LeftRotulo)
{
    Q_UNUSED(Index);
    f.mManterSelecaoFigura = false;
    const RecordsetPtr& rs = f.mRsItensFigura;
    const bool sugestao = f.CodigoTelaAtual() == 4 && f.mItemSobMouse != -1 && rs && !rs->NoMatch() && !rs->EOF_() &&
                          !rs->BOF() && texto(rs->Value(QStringLiteral("SugestaoCompra"))) == QLatin1String(" ");
    // No suggestion, or a list without rows: no panel (never the last
    // item's list beside this one).
    if (!sugestao ||
        !CarregaSugestaoCompra(f, f.mCodigoPeca, texto(rs->Value(QStringLiteral("ItemComponente"))), 1, true)) {
        EscondePainel(f);
        return;
    }
    LugarFigura l;
    l.larguraJanela = f.width();
    l.esquerdaRotulo = LeftRotulo;
    l.figura = f.imgFiguraDetalhada->geometry();
    l.esquerdaTela = f.pctTela[4]->x();
    l.jogoReparoVisivel = !f.pctJogoReparo->isHidden();
    l.jogoReparo = f.pctJogoReparo->geometry();
    MostraPainel(f, PosicaoSugestaoFigura(l));
}

void MostraSugestaoGrid(frmTQ1& f)
{
    if (f.CodigoTelaAtual() != 5)
        return;
    const RecordsetPtr rs = f.dtcTHGrid1->Recordset();
    if (!rs || rs->EOF_() || rs->BOF() || !texto(rs->Value(QStringLiteral("ImagensGrid"))).startsWith(QLatin1Char(' ')))
        return;
    if (!CarregaSugestaoCompra(f, f.mCodigoPeca, texto(rs->Value(QStringLiteral("ItemComponente"))), 1, true)) {
        EscondePainel(f);
        return;
    }
    LugarGrade l;
    l.larguraJanela = f.width();
    l.alturaJanela = f.height();
    l.topoGrade = f.grdTHGrid1->y();
    l.topoBarra = f.grdTHGrid1->TopPixels_pctTHGrid();
    l.barraOculta = l.topoBarra < 0;
    MostraPainel(f, PosicaoSugestaoGrade(l));
}

void MostraSugestaoMenu(frmTQ1& f)
{
    QWidget* painel = f.pctSugestaoCompra;
    if (painel->isHidden())
        return;
    const QRect tela(painel->mapToGlobal(QPoint(0, 0)), painel->size());
    platform::pointerWarper().MoveTo(CentroPainelSugestao(tela));
    // What the pointer's arrival on the panel does, done here: where the
    // pointer cannot be moved (or no mouse-move follows) the panel must still
    // stay with the item and take the keys and the wheel.
    pctSugestaoCompra_MouseMove(f, 0, tela.center());
    IgnorandoErros([&] { painel->setFocus(); });
}

void GuardaSelecaoSugestao(frmTQ1& f)
{
    std::vector<bool> marcadas;
    QStringList quantidades;
    for (int i = 0; i < kLinhasPaginaSugestao; ++i) {
        const auto k = std::size_t(i);
        if (f.chkSug[k]->isHidden())
            break;
        marcadas.push_back(f.chkSug[k]->isChecked());
        quantidades << f.txtQtdSug[k]->text();
    }
    EstadoTelas::De(f).sugestao.Guarda(marcadas, quantidades);
}

bool ValidaQuantidadesSugestao(frmTQ1& f)
{
    QStringList quantidades;
    std::vector<CaixaTexto*> caixas;
    for (CaixaTexto* t : f.txtQtdSug)
        if (!t->isHidden()) {
            caixas.push_back(t);
            quantidades << t->text();
        }
    const QStringList antes = quantidades;
    const int invalida = Comparacao::ValidaQuantidadesSugestao(quantidades);
    // Each box checked was first reduced to its digits.
    for (qsizetype i = 0; i < quantidades.size(); ++i)
        if (quantidades[i] != antes[i])
            caixas[std::size_t(i)]->setText(quantidades[i]);
    if (invalida < 0)
        return true;
    MensagemCritica(62);
    if (f.CodigoTelaAtual() == 4)
        MostraSugestaoMenu(f);
    IgnorandoErros([&] { caixas[std::size_t(invalida)]->setFocus(); });
    return false;
}

void imgMudaPagina_Click(frmTQ1& f, int Index)
{
    if (!ValidaQuantidadesSugestao(f))
        return;
    if (FocoEmQuantidade(f))
        f.pctSugestaoCompra->setFocus();
    GuardaSelecaoSugestao(f);
    const SugestaoCompra& s = EstadoTelas::De(f).sugestao;
    CarregaSugestaoCompra(f, PecaDoPainel(f), ItemDoPainel(f), s.PaginaSeguinte(Index), false);
}

void imgIncluirSelecionadosSug_Click(frmTQ1& f)
{
    if (!ValidaQuantidadesSugestao(f))
        return;
    GuardaSelecaoSugestao(f);
    IncluiSelecionadosSugestao(EstadoTelas::De(f).sugestao, Modulo::gDbDazadize, Modulo::gIdioma, IncluiNoCarrinho(),
                               [&f] { f.EfeitoCarrinho(false); });
}

void imgSelecionarTodosSug_Click(frmTQ1& f)
{
    SugestaoCompra& s = EstadoTelas::De(f).sugestao;
    const bool marcar = s.SelecionaTodos();
    for (QCheckBox* c : f.chkSug)
        c->setChecked(marcar);
    f.imgSelecionarTodosSug->SetTag(s.TagSelecionarTodos());
}

void lblNumeroSug_Click(frmTQ1& f, int Index)
{
    QCheckBox* c = f.chkSug[std::size_t(Index)];
    c->setChecked(!c->isChecked());
}

void imgOpcionalSug_Click(frmTQ1& f, int Index)
{
    const long peca = PecaDoPainel(f);
    const long componente = f.lblNumeroSug[std::size_t(Index)]->Tag().toLong();
    const QString item = ItemOpcionalSugestao(Modulo::gDbDazadize, peca, ItemDoPainel(f), componente);
    if (item.isEmpty())
        return;
    // "4|A|C|item|0": the request code apart from its fields.
    f.AbreJanelaSecundaria(4, SolicitacaoOpcionaisSugestao(peca, componente, item).mid(2));
}

void imgFecharSug_Click(frmTQ1& f)
{
    switch (f.CodigoTelaAtual()) {
    case 4:
        f.mManterSelecaoFigura = false;
        f.LimpaSelecaoItem(false);
        break;
    case 5: f.pctSugestaoCompra->hide(); break;
    default: break;
    }
}

void pctSugestaoCompra_MouseDown(frmTQ1& f, int Button, QPoint Global)
{
    EstadoTelas& e = EstadoTelas::De(f);
    e.arrastando = Button == 1;
    e.cursorInicio = Global;
    e.painelInicio = f.pctSugestaoCompra->pos();
}

void pctSugestaoCompra_MouseMove(frmTQ1& f, int Button, QPoint Global)
{
    if (!f.mManterSelecaoFigura)
        f.mManterSelecaoFigura = true;
    f.DestacaControle(QStringLiteral("FORM"));
    Modulo::DefineAlvoRoda(QStringLiteral("CAT_SUGEST"));

    // Dragged with the left button: the panel follows the pointer, never
    // leaving the window; the drop-downs stay in front of it.
    if ((Button & 1) == 0) {
        EstadoTelas::De(f).arrastando = false;
        return;
    }
    EstadoTelas& e = EstadoTelas::De(f);
    if (!e.arrastando) {
        pctSugestaoCompra_MouseDown(f, 1, Global);
        return;
    }
    const QPoint destino = LimitaPainelSugestao(e.painelInicio + (Global - e.cursorInicio), f.size(),
                                                f.pctSugestaoCompra->size());
    if (destino != f.pctSugestaoCompra->pos())
        f.pctSugestaoCompra->move(destino);
    f.TrazCombosFrente();
}

}  // namespace Comparacao
