// Screen 1, the part search: its show and hide routines, the two saved
// search slots, the search itself and the type drop-down of editions D and M.
#include "search/screens/comum.h"
#include "search/screens/telapesquisa.h"
#include "search/screens/telas.h"

#include "core/globals.h"
#include "core/pictures.h"
#include "core/texts.h"
#include "listcontrols/thcombo.h"
#include "listcontrols/thgrid.h"
#include "mainwindow/frmTQ1.h"
#include "platform/base/doevents.h"
#include "search/sqlpesquisa.h"

namespace Pesquisa {

using namespace Interno;

namespace {

// The statement of the part search from the live state of screen 1.  In
// editions D and M the kind flags follow the type code first.
QString SqlDaTela(frmTQ1& f, const QString& ordem)
{
    if (EdicaoTiposCombo()) {
        const QString& c = f.mCodigoTipoPeca;
        f.mPesquisaComponentes = c == QLatin1String("2") || c == QLatin1String(" ");
        f.mPesquisaJogosReparo = c == QLatin1String("1") || c == QLatin1String(" ");
        f.mPesquisaTransmissoes = c != QLatin1String("1") && c != QLatin1String("2");
    }
    EntradaPesquisaPecas e;
    e.numeroEmpresa = f.txtNumeroEmpresa->text();
    e.descricao = f.txtDescricao->text();
    e.numeroFabricante = f.txtNumeroFabricante->text();
    e.componentes = f.mPesquisaComponentes;
    e.jogosReparo = f.mPesquisaJogosReparo;
    e.transmissoes = f.mPesquisaTransmissoes;
    e.eixos = f.mPesquisaEixos;
    e.codigoTipoPeca = f.mCodigoTipoPeca;
    e.edicao = Modulo::gEdicao;
    e.idioma = Modulo::gIdioma;
    return SqlPesquisaPecas(e, ordem);
}

// Icons of the part-search list: add to the cart, the note.
THPictures IconesPesquisa()
{
    THPictures p;
    for (const char* nome : {"ICOSELECIONAR", "ICOOBSERVACAO"}) {
        const QString n = QString::fromLatin1(nome);
        p[0].push_back(Modulo::CarregaImagemRecurso(n, QStringLiteral("G")));
        p[1].push_back(Modulo::CarregaImagemRecurso(n + QStringLiteral("_S"), QStringLiteral("G")));
    }
    return p;
}

QStringList ColunasPesquisa()
{
    const QString spec = QStringLiteral("|2|") + Largura(22) + QStringLiteral("|F|6|") + Modulo::ObtemTexto(101) +
                         QStringLiteral("|99;NumeroEmpresa|0|") + Largura(89) + QStringLiteral("|T|6;Descricao|0|") +
                         Largura(EdicaoM() ? 396 : 270) + QStringLiteral("|T|6;Tipo|0|") + Largura(129) +
                         QStringLiteral("|T|6;ImagensGrid|2|") + Largura(37) + QStringLiteral("|I|6|") +
                         Modulo::ObtemTexto(8) + QStringLiteral("|99");
    return spec.split(QLatin1Char(';'));
}

// Makes the row of kind `tipo` and code `codigo` current (as FindFirst with
// CriterioLinhaPesquisa: an empty kind stands for a Null or empty one; the
// current row stays when there is none).  The two columns are read directly:
// on a list of the whole catalogue the criterion, evaluated row by row, takes
// a good part of a second to reach a row near the end, on the window's thread.
void Reseleciona(const platform::dao::RecordsetPtr& rs, const QString& tipo, long codigo)
{
    const int campoTipo = rs->FieldIndex(QStringLiteral("Tipo"));
    const int campoCodigo = rs->FieldIndex(QStringLiteral("Codigo"));
    if (campoTipo < 0 || campoCodigo < 0)
        return;
    const long n = rs->RecordCount();
    for (long r = 0; r < n; ++r) {
        const QVariant c = rs->ValueAt(r, campoCodigo);
        if (platform::dao::IsNull(c) || c.toLongLong() != codigo)
            continue;
        const QVariant t = rs->ValueAt(r, campoTipo);
        const QString texto = platform::dao::IsNull(t) ? QString() : t.toString();
        if (tipo.isEmpty() ? texto.isEmpty() : texto.compare(tipo, Qt::CaseInsensitive) == 0) {
            rs->SetAbsolutePosition(r);
            return;
        }
    }
}

// The list's data control, icons and columns, given once its first rows are
// bound (the list lays itself out on its rows): by the bind of the screen's
// own search, or of a search typed before it arrived.
void PreparaLista(frmTQ1& f)
{
    if (f.grdTHGrid1->colunasConfiguradas())
        return;
    f.grdTHGrid1->ObtemDataControl(f.dtcTHGrid1);
    f.grdTHGrid1->ObtemPictures(IconesPesquisa());
    f.grdTHGrid1->ConfiguraColunas(ColunasPesquisa());
}

}  // namespace

void CarregaComboTiposPeca(frmTQ1& f)
{
    f.cboTHCombo1->AnalisarScollProximoRefresh();
    f.dtcTHCombo1->SetRecordSource(SqlComboTiposPeca(Modulo::gEdicao, Modulo::gIdioma));
    f.dtcTHCombo1->Refresh();
}

void AtualizaGridPesquisa(frmTQ1& f, const QString& sOrdem, bool sAtualizaGrid)
{
    f.grdTHGrid1->SetTag(sOrdem);
    TelaPesquisa::De(f).IniciaLista(SqlDaTela(f, sOrdem), sAtualizaGrid, [&f] { PreparaLista(f); });
}

void MostraPesquisaPecas(frmTQ1& f, quint8 sTelaOrigem)
{
    TelaPesquisa& tela = TelaPesquisa::De(f);
    tela.Cancela();
    const bool tiposCombo = EdicaoTiposCombo();

    // The slot and the drop-down's rows come first: while they fail, the
    // user stays on the screen he had.  Back from the parts list has already
    // dropped its digit from the history; it is put back then.  The list's
    // rows are not waited for (steps 6, 8 and 9 below).
    QString sql;
    // 1. Then leave the previous screen.
    LeEDeixaTelaOrigem(f, sTelaOrigem, QLatin1Char('1'), [&] {
        RestauraFiltrosPesquisa(f, sTelaOrigem == 3 ? f.mSlotPesquisa : sTelaOrigem);
        if (tiposCombo)
            CarregaComboTiposPeca(f);
        sql = SqlDaTela(f, QStringLiteral("1"));
    });

    // 2. Pictures and the title bar.
    f.CarregaImagensTela(QStringLiteral("C"), 1);
    f.MostraSubTitulo(QString(), true);
    const QRect tela1 = f.pctTela[1]->geometry();

    // 4. The type drop-down of editions D and M.
    if (tiposCombo) {
        const int largura = EdicaoM() ? 132 : 165;
        f.cboTHCombo1->mUserControlPixelWidth = largura;
        f.cboTHCombo1->Move(tela1.left() + 393 + (EdicaoM() ? 126 : 0), tela1.top() + 133, largura,
                            f.cboTHCombo1->height());
        f.cboTHCombo1->ObtemDataControl(f.dtcTHCombo1);
        f.cboTHCombo1->ConfiguraColunas({QStringLiteral("DescricaoTipoPeca|0|") + Largura(largura) + QStringLiteral("|T|6")});
        if (const auto rs = f.dtcTHCombo1->Recordset())
            rs->FindFirst(CriterioTipoPeca(f.mCodigoTipoPeca));
        f.cboTHCombo1->AtualizaCombo();
    }

    // 5. The list's place; it stays empty until its rows are bound.
    const int largura = EdicaoM() ? 684 : 558;
    f.grdTHGrid1->mUserControlPixelWidth = largura;
    f.grdTHGrid1->mUserControlPixelHeight = 391;
    f.grdTHGrid1->Move(tela1.left() + 15, tela1.top() + 173, largura, 391);
    f.grdTHGrid1->SetTag(QStringLiteral("1"));

    // 6-9.  The search, always by number first, runs on the runner and the
    // screen shows at once.  When its rows arrive they are bound, the list
    // gets its data control, icons and columns, the row the user left the
    // screen on is made current again (the first row when it is gone), the
    // list redraws and the panel shows that row's references.  Whatever
    // reads the list before then finishes the search first; typing replaces
    // it.
    const QString tipoSelecionado = f.mTipoSelecionado;
    const long codigoSelecionado = f.mCodigoSelecionado;
    tela.IniciaLista(sql, false, [&f, tipoSelecionado, codigoSelecionado] {
        PreparaLista(f);
        if (codigoSelecionado > 0)
            if (const auto rs = f.dtcTHGrid1->Recordset())
                Reseleciona(rs, tipoSelecionado, codigoSelecionado);
        f.grdTHGrid1->AtualizaGrid();
        ReferenciasLinhaAtual(f, 1);
    });

    // 10.
    for (QLineEdit* caixa : {static_cast<QLineEdit*>(f.txtNumeroEmpresa), static_cast<QLineEdit*>(f.txtDescricao),
                             static_cast<QLineEdit*>(f.txtNumeroFabricante)})
        caixa->setEnabled(true);

    // 11. The edition's layout.
    const bool m = EdicaoM();
    f.imgTitNo[0]->setVisible(!m);
    f.txtNumeroFabricante->setVisible(!m);
    f.pctPainelRef[0]->setVisible(!m);
    f.txtDescricao->resize(m ? 388 : 262, f.txtDescricao->height());
    f.imgTitTipo->move(f.txtDescricao->x() + f.txtDescricao->width() + 8, f.imgTitDescricao[0]->y());
    f.imgTitTipo->setVisible(tiposCombo);

    // 12. Show.
    f.pctTela[1]->show();
    f.pctTela[1]->update();
    if (tiposCombo)
        f.cboTHCombo1->show();
    f.grdTHGrid1->show();
    f.AjustaBotoesNavegacao(1);
    // The box has the focus before pending events run: keys typed while
    // the screen opens are still queued, and they are the box's.
    f.txtNumeroEmpresa->setFocus();
    platform::DoEvents();
}

void EscondePesquisaPecas(frmTQ1& f)
{
    TelaPesquisa::De(f).Cancela();
    for (QLineEdit* caixa : {static_cast<QLineEdit*>(f.txtNumeroEmpresa), static_cast<QLineEdit*>(f.txtDescricao),
                             static_cast<QLineEdit*>(f.txtNumeroFabricante)})
        caixa->setEnabled(false);
    f.AjustaBotoesNavegacao(200);
    f.grdTHGrid1->hide();
    const bool tiposCombo = EdicaoTiposCombo();
    if (tiposCombo)
        f.cboTHCombo1->hide();
    f.pctTela[1]->hide();
    f.MostraSubTitulo(QString(), false);
    f.grdTHGrid1->Descarrega();
    if (const auto rs = f.dtcTHGrid1->Recordset())
        rs->Close();
    f.dtcTHGrid1->SetRecordset(nullptr);
    if (tiposCombo) {
        f.cboTHCombo1->Descarrega();
        if (const auto rs = f.dtcTHCombo1->Recordset())
            rs->Close();
        f.dtcTHCombo1->SetRecordset(nullptr);
    }
    f.CarregaImagensTela(QStringLiteral("D"), 1);
}

void GuardaFiltrosPesquisa(frmTQ1& f)
{
    ::FiltrosPesquisa& s = f.mFiltrosPesquisa[f.mSlotPesquisa != 0 ? 1 : 0];
    s.TextoNumeroEmpresa = f.txtNumeroEmpresa->text();
    s.TextoDescricao = f.txtDescricao->text();
    s.TextoNumeroFabricante = f.txtNumeroFabricante->text();
    if (EdicaoTiposCombo()) {
        s.CodigoTipoPeca = f.mCodigoTipoPeca;
    } else {
        s.PesquisaComponentes = f.mPesquisaComponentes;
        s.PesquisaJogosReparo = f.mPesquisaJogosReparo;
        s.PesquisaTransmissoes = f.mPesquisaTransmissoes;
        if (Modulo::gEdicao == QLatin1String("A"))
            s.PesquisaEixos = f.mPesquisaEixos;
    }
    s.TipoSelecionado = f.mTipoSelecionado;
    s.CodigoSelecionado = f.mCodigoSelecionado;
}

void RestauraFiltrosPesquisa(frmTQ1& f, quint8 sOrigem)
{
    // Writing the boxes below runs no search.
    f.mSlotPesquisa = 255;
    const ::FiltrosPesquisa& s = f.mFiltrosPesquisa[sOrigem != 0 ? 1 : 0];
    f.txtNumeroEmpresa->setText(s.TextoNumeroEmpresa);
    f.txtDescricao->setText(s.TextoDescricao);
    f.txtNumeroFabricante->setText(s.TextoNumeroFabricante);
    if (EdicaoTiposCombo()) {
        f.mCodigoTipoPeca = s.CodigoTipoPeca;
    } else {
        const auto caixa = [](bool marcado, QWidget* comX, QWidget* vazio) {
            comX->setVisible(marcado);
            vazio->setVisible(!marcado);
        };
        f.mPesquisaComponentes = s.PesquisaComponentes;
        caixa(s.PesquisaComponentes, f.imgQuadradoXComponentes, f.imgQuadrado_Componentes);
        f.mPesquisaJogosReparo = s.PesquisaJogosReparo;
        caixa(s.PesquisaJogosReparo, f.imgQuadradoXJogosReparo, f.imgQuadrado_JogosReparo);
        f.mPesquisaTransmissoes = s.PesquisaTransmissoes;
        caixa(s.PesquisaTransmissoes, f.imgQuadradoXTransmissoes, f.imgQuadrado_Transmissoes);
        if (Modulo::gEdicao == QLatin1String("A")) {
            f.mPesquisaEixos = s.PesquisaEixos;
            caixa(s.PesquisaEixos, f.imgQuadradoXEixos, f.imgQuadrado_Eixos);
        }
    }
    f.mTipoSelecionado = s.TipoSelecionado;
    f.mCodigoSelecionado = s.CodigoSelecionado;
    f.mSlotPesquisa = sOrigem;
}

}  // namespace Pesquisa
