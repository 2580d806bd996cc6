// Screen 3, the parts list: the assemblies that hold a component or a repair
// kit, the assembly itself, or the assemblies that fit a vehicle.
#include "search/screens/comum.h"
#include "search/screens/telapesquisa.h"
#include "search/screens/telas.h"

#include "core/crossref.h"
#include "core/globals.h"
#include "core/itemtexts.h"
#include "core/pictures.h"
#include "core/texts.h"
#include "listcontrols/thgrid.h"
#include "mainwindow/frmTQ1.h"
#include "platform/base/doevents.h"
#include "platform/desktop/messagebox.h"
#include "search/sqllistapecas.h"
#include "search/vinculolista.h"

namespace Pesquisa {

using namespace Interno;

namespace {

// Icons: add to the cart, the vehicle application and the note; edition M
// has no application icon (the note is icon 1).
THPictures IconesLista()
{
    QStringList nomes{QStringLiteral("ICOSELECIONAR")};
    if (!EdicaoM())
        nomes << QStringLiteral("ICOAPLICACAO");
    nomes << QStringLiteral("ICOOBSERVACAO");
    THPictures p;
    for (const QString& n : nomes) {
        p[0].push_back(Modulo::CarregaImagemRecurso(n, QStringLiteral("G")));
        p[1].push_back(Modulo::CarregaImagemRecurso(n + QStringLiteral("_S"), QStringLiteral("G")));
    }
    return p;
}

QStringList ColunasLista()
{
    QStringList specs{
        QStringLiteral("|2|") + Largura(22) + QStringLiteral("|F|6|") + Modulo::ObtemTexto(101) + QStringLiteral("|99"),
        QStringLiteral("NumeroEmpresaPeca|0|") + Largura(89) + QStringLiteral("|T|6"),
        QStringLiteral("DescricaoPeca|0|") + Largura(EdicaoM() ? 405 : 223) + QStringLiteral("|T|6"),
        QStringLiteral("DescricaoTipoPeca|0|") + Largura(110) + QStringLiteral("|T|6"),
    };
    if (!EdicaoM())
        specs << QStringLiteral("|2|") + Largura(56) + QStringLiteral("|F|6|") + Modulo::ObtemTexto(7) + QStringLiteral("|99");
    specs << QStringLiteral("ImagensGrid|2|") + Largura(47) + QStringLiteral("|I|6|") + Modulo::ObtemTexto(8) +
                 QStringLiteral("|99");
    // Joined and split again, as every list of the window hands its specs.
    return specs.join(QLatin1Char(';')).split(QLatin1Char(';'));
}

}  // namespace

void MostraListaPecas(frmTQ1& f, quint8 sTelaOrigem, const QString& sTipoItem, long sCodigoItem)
{
    TelaPesquisa& tela = TelaPesquisa::De(f);
    tela.Cancela();

    // The rows and the subtitle before the screen shown is left: a failing
    // query leaves the user where he was.  Back from the figure or the
    // components table has already dropped its digit; it is put back then.
    QString sql, titulo;
    platform::dao::RecordsetPtr linhas;
    try {
        sql = SqlListaPecas(sTipoItem, sCodigoItem, Modulo::gIdioma);
        linhas = tela.Le(sql);
        titulo = Modulo::ObtemTituloItem(sTipoItem, sCodigoItem);
    } catch (...) {
        if (sTelaOrigem == 4 || sTelaOrigem == 5)
            f.mHistoricoTelas += QString::number(sTelaOrigem);
        throw;
    }

    // 1. Leave the previous screen.
    switch (sTelaOrigem) {
    case 1:
        f.mHistoricoTelas += QLatin1Char('3');
        f.EscondePesquisaPecas();
        break;
    case 2:
        f.mHistoricoTelas += QLatin1Char('3');
        f.EscondePesquisaVeiculos();
        break;
    case 4:
    case 5: f.FechaConjunto(); break;
    default: break;
    }

    // 2-5.
    f.mTipoItemLista = sTipoItem;
    f.mCodigoItemLista = sCodigoItem;
    f.CarregaImagensTela(QStringLiteral("C"), 3);
    f.MostraSubTitulo(titulo, true);
    f.pctTela[3]->SetTag(SolicitacaoLocalizacaoLista(sTipoItem, sCodigoItem));

    // 6, 7. The list, bound to its statement.
    const QRect tela3 = f.pctTela[3]->geometry();
    const int largura = EdicaoM() ? 684 : 558;
    f.grdTHGrid1->mUserControlPixelWidth = largura;
    f.grdTHGrid1->mUserControlPixelHeight = 238;
    f.grdTHGrid1->Move(tela3.left() + 15, tela3.top() + 146, largura, 238);
    VinculoLista(f.grdTHGrid1, f.dtcTHGrid1, sql, false)(linhas);

    // 8.
    f.grdTHGrid1->ObtemDataControl(f.dtcTHGrid1);
    f.grdTHGrid1->ObtemPictures(IconesLista());
    f.grdTHGrid1->ConfiguraColunas(ColunasLista());

    // 9. Back from the assembly: the assembly just left.
    if (sTelaOrigem == 4 || sTelaOrigem == 5)
        if (const auto rs = f.dtcTHGrid1->Recordset())
            rs->FindFirst(CriterioConjunto(f.mCodigoPeca));

    // 10, 11.  The panel shows the current row's references: a list bound
    // on its current row (one row, or the assembly reselected) raises no row
    // change that would bring them.
    f.grdTHGrid1->AtualizaGrid();
    ReferenciasLinhaAtual(f, 3);

    // 12. The edition's titles and panel.
    f.imgTitTipoR->move(EdicaoM() ? 347 + 182 : 347, f.imgTitTipoR->y());
    f.imgTitTipoR->setVisible(Modulo::gEdicao != QLatin1String("V"));
    f.pctPainelRef[1]->setVisible(!EdicaoM());
    f.imgTitNo[1]->setVisible(!EdicaoM());

    // 13.
    f.pctTela[3]->show();
    f.pctTela[3]->repaint();
    f.grdTHGrid1->show();
    f.AjustaBotoesNavegacao(3);
    platform::DoEvents();

    // 14. No assembly refers to the item: said, and Back.
    const auto rs = f.dtcTHGrid1->Recordset();
    if (!rs || rs->EOF_()) {
        Modulo::DefinePonteiroTela(Modulo::vbDefault);
        platform::MsgBox(Modulo::ObtemTexto(45) + QLatin1Char('.'), platform::vbExclamation, Modulo::ObtemTexto(19));
        f.imgVoltar_Click();
        return;
    }
    platform::DoEvents();
    f.grdTHGrid1->setFocus();
}

void EscondeListaPecas(frmTQ1& f)
{
    TelaPesquisa::De(f).Cancela();
    f.AjustaBotoesNavegacao(200);
    f.grdTHGrid1->hide();
    f.pctTela[3]->hide();
    f.MostraSubTitulo(QString(), false);
    f.grdTHGrid1->Descarrega();
    if (const auto rs = f.dtcTHGrid1->Recordset())
        rs->Close();
    f.dtcTHGrid1->SetRecordset(nullptr);
    CarregaFotoPeca(f, QString());
    f.CarregaImagensTela(QStringLiteral("D"), 3);
}

}  // namespace Pesquisa
