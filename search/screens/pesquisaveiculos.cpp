// Screen 2, the vehicle search, and its manufacturer drop-down.  The screen
// keeps one manufacturer and one vehicle for both origins (start screen and
// comparison selection); the vehicle box keeps what was typed for the run.
#include "search/screens/comum.h"
#include "search/screens/telapesquisa.h"
#include "search/screens/telas.h"

#include "core/globals.h"
#include "core/texts.h"
#include "listcontrols/thcombo.h"
#include "listcontrols/thgrid.h"
#include "mainwindow/frmTQ1.h"
#include "platform/base/doevents.h"
#include "search/estadopesquisa.h"
#include "search/sqlpesquisa.h"
#include "search/vinculolista.h"

namespace Pesquisa {

using namespace Interno;

namespace {

// The vehicle search of the box and the drop-down's current maker (none:
// all makers).
QString SqlVeiculos(frmTQ1& f)
{
    return SqlPesquisaVeiculos(f.txtVeiculo->text(), CodigoFabricanteDaLinha(f.dtcTHCombo1->Recordset()),
                               Modulo::gIdioma);
}

}  // namespace

void CarregaComboFabricantes(frmTQ1& f, const QString& sTextoTodos)
{
    f.cboTHCombo1->AnalisarScollProximoRefresh();
    f.dtcTHCombo1->SetRecordSource(SqlComboFabricantes(sTextoTodos, Modulo::gIdioma));
    f.dtcTHCombo1->Refresh();
}

void AtualizaGridVeiculos(frmTQ1& f, bool sAtualizaGrid)
{
    TelaPesquisa::De(f).IniciaLista(SqlVeiculos(f), sAtualizaGrid);
}

void MostraPesquisaVeiculos(frmTQ1& f, quint8 sTelaOrigem)
{
    TelaPesquisa& tela = TelaPesquisa::De(f);
    tela.Cancela();
    const QRect tela2 = f.pctTela[2]->geometry();

    // 3. The drop-down (no other screen shown before this one uses it) and
    // the list's rows, before the screen shown is left (see screen 1).
    QString sql;
    platform::dao::RecordsetPtr linhas;
    // 1. Then leave the previous screen.
    LeEDeixaTelaOrigem(f, sTelaOrigem, QLatin1Char('2'), [&] {
        f.cboTHCombo1->mUserControlPixelWidth = 261;
        f.cboTHCombo1->Move(tela2.left() + 429, tela2.top() + 135, 261, f.cboTHCombo1->height());
        CarregaComboFabricantes(f, Modulo::ObtemTexto(0).toUpper());
        f.cboTHCombo1->ObtemDataControl(f.dtcTHCombo1);
        f.cboTHCombo1->ConfiguraColunas({QStringLiteral("DescricaoFabricante|0|") + Largura(261) + QStringLiteral("|T|6")});
        if (const auto rs = f.dtcTHCombo1->Recordset())
            rs->FindFirst(CriterioFabricante(f.mCodigoFabricante));
        f.cboTHCombo1->AtualizaCombo();
        sql = SqlVeiculos(f);
        linhas = tela.Le(sql);
    });

    // 2.
    f.CarregaImagensTela(QStringLiteral("C"), 2);
    f.MostraSubTitulo(QString(), true);

    // 4, 5. The list (no icons).
    f.grdTHGrid1->mUserControlPixelWidth = 685;
    f.grdTHGrid1->mUserControlPixelHeight = 391;
    f.grdTHGrid1->Move(tela2.left() + 15, tela2.top() + 173, 685, 391);
    VinculoLista(f.grdTHGrid1, f.dtcTHGrid1, sql, false)(linhas);
    f.grdTHGrid1->ObtemDataControl(f.dtcTHGrid1);
    f.grdTHGrid1->ConfiguraColunas((QStringLiteral("Veiculo|0|") + Largura(416) + QStringLiteral("|T|6;Fabricante|0|") +
                                    Largura(258) + QStringLiteral("|T|6"))
                                       .split(QLatin1Char(';')));

    // 6. The vehicle the user left the screen on.
    if (f.mCodigoVeiculo > 0)
        if (const auto rs = f.dtcTHGrid1->Recordset())
            rs->FindFirst(CriterioVeiculo(f.mCodigoVeiculo));

    // 7.
    f.grdTHGrid1->AtualizaGrid();
    f.txtVeiculo->setEnabled(true);
    f.pctTela[2]->show();
    f.pctTela[2]->update();
    f.cboTHCombo1->show();
    f.grdTHGrid1->show();
    f.AjustaBotoesNavegacao(2);
    // The box has the focus before pending events run: keys typed while
    // the screen opens are still queued, and they are the box's.
    f.txtVeiculo->setFocus();
    platform::DoEvents();
}

void EscondePesquisaVeiculos(frmTQ1& f)
{
    TelaPesquisa::De(f).Cancela();
    f.txtVeiculo->setEnabled(false);
    f.AjustaBotoesNavegacao(200);
    f.cboTHCombo1->hide();
    f.grdTHGrid1->hide();
    f.pctTela[2]->hide();
    f.MostraSubTitulo(QString(), false);
    f.cboTHCombo1->Descarrega();
    f.grdTHGrid1->Descarrega();
    for (platform::dao::DataControl* d : {f.dtcTHCombo1, f.dtcTHGrid1}) {
        if (const auto rs = d->Recordset())
            rs->Close();
        d->SetRecordset(nullptr);
    }
    f.CarregaImagensTela(QStringLiteral("D"), 2);
}

}  // namespace Pesquisa
