// Screens 1, 2 and 3 on the real main window: the saved search slots, kind
// filters, sort and boxes, Forward with supersession, the parts list, Back,
// and the comparison selection's side lists and checks.

#include "telafixture.h"

#include "core/crossref.h"
#include "core/itemtexts.h"
#include "core/searchtext.h"
#include "core/texts.h"
#include "search/sqllistapecas.h"
#include "search/sqlpesquisa.h"

#include "support/qstringprinter.h"

#include <functional>

using namespace tqtest;

namespace {

class Telas : public TelaPesquisaTeste {
protected:
    // The formatted number of a component, kit or assembly ("0501 200 153").
    static QString Numero(const QString& tabela, long codigo)
    {
        return Modulo::ObtemValorSQL(QStringLiteral("SELECT NumeroEmpresa%1 FROM %1 WHERE Codigo%1 = %2")
                                         .arg(tabela)
                                         .arg(codigo))
            .toString();
    }
    // Shows screen 1 from the start screen and types `numero` into the
    // number box; the list is bound when this returns.
    void PesquisaNumero(const QString& numero)
    {
        janela->imgPesquisa0_Click();
        janela->txtNumeroEmpresa->setText(numero);
        EsperaLista();
    }
};

TEST_F(Telas, ForwardAndBackRestoreTheSlotTheRowAndTheNumberOrder)
{
    frmTQ1& f = Abre();
    f.imgPesquisa0_Click();
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("01"));
    EXPECT_EQ(f.mSlotPesquisa, 0);
    EXPECT_TRUE(f.pctTela[1]->isVisibleTo(&f));
    EXPECT_FALSE(f.pctTela[0]->isVisibleTo(&f));
    EXPECT_TRUE(f.txtNumeroEmpresa->isEnabled());
    EXPECT_EQ(f.grdTHGrid1->Tag(), QStringLiteral("1"));

    // Untick repair kits, type a description (sorted by description), pick
    // the third row.
    f.imgChkJogosReparo->Click();
    f.txtDescricao->setText(QStringLiteral("engrenagem"));
    EsperaLista();
    EXPECT_EQ(f.grdTHGrid1->Tag(), QStringLiteral("2"));
    EXPECT_FALSE(f.dtcTHGrid1->RecordSource().contains(QStringLiteral("JOGOREPARO")));
    ASSERT_GT(Lista()->RecordCount(), 3);
    Lista()->SetAbsolutePosition(2);
    const QString tipo = Atual(QStringLiteral("Tipo"));
    const long codigo = Atual(QStringLiteral("Codigo")).toLong();

    f.imgAvancar_Click();
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("013"));
    EXPECT_TRUE(f.pctTela[3]->isVisibleTo(&f));
    EXPECT_FALSE(f.txtDescricao->isEnabled());
    EXPECT_EQ(f.mFiltrosPesquisa[0].TextoDescricao, QStringLiteral("engrenagem"));
    EXPECT_FALSE(f.mFiltrosPesquisa[0].PesquisaJogosReparo);

    f.imgVoltar_Click();
    EsperaLista();
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("01"));
    EXPECT_EQ(f.txtDescricao->text(), QStringLiteral("engrenagem"));
    EXPECT_TRUE(f.imgQuadrado_JogosReparo->isVisibleTo(&f));
    EXPECT_FALSE(f.imgQuadradoXJogosReparo->isVisibleTo(&f));
    EXPECT_TRUE(f.imgQuadradoXComponentes->isVisibleTo(&f));
    // The same row, the list by number again.
    EXPECT_EQ(Atual(QStringLiteral("Tipo")), tipo);
    EXPECT_EQ(Atual(QStringLiteral("Codigo")).toLong(), codigo);
    EXPECT_EQ(f.grdTHGrid1->Tag(), QStringLiteral("1"));
    EXPECT_TRUE(f.dtcTHGrid1->RecordSource().endsWith(QStringLiteral("ORDER BY 1")));
    EXPECT_FALSE(f.dtcTHGrid1->RecordSource().contains(QStringLiteral("JOGOREPARO")));

    // Back with an empty list stores no row.
    f.txtDescricao->setText(QStringLiteral("nada assim existe"));
    EsperaLista();
    EXPECT_EQ(Lista()->RecordCount(), 0);
    f.imgVoltar_Click();
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("0"));
    EXPECT_EQ(f.mFiltrosPesquisa[0].CodigoSelecionado, -5);
    EXPECT_TRUE(f.pctTela[0]->isVisibleTo(&f));
}

struct SlotLado {
    const char* edicao;
    const char* tiquesOuTipo;  // "CJTE" ticks (V, A) or the type code (D, M)
};

class SlotDaComparacao : public Telas, public ::testing::WithParamInterface<SlotLado> {};

TEST_P(SlotDaComparacao, TheSideSearchHasItsOwnSlotPerEdition)
{
    const SlotLado c = GetParam();
    const QString edicao = QLatin1String(c.edicao);
    frmTQ1& f = Abre(edicao);
    // The main search first: its text stays its own.
    f.imgPesquisa0_Click();
    f.txtDescricao->setText(QStringLiteral("anel"));
    EsperaLista();
    f.imgVoltar_Click();

    // The side search from the comparison selection.
    f.mHistoricoTelas = QStringLiteral("09");
    f.MostraPesquisaPecas(9);
    EsperaLista();
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("091"));
    EXPECT_EQ(f.mSlotPesquisa, 9);
    EXPECT_EQ(f.txtDescricao->text(), QString());
    if (edicao == QLatin1String("V") || edicao == QLatin1String("A")) {
        const QString t = QLatin1String(c.tiquesOuTipo);
        EXPECT_EQ(f.imgQuadradoXComponentes->isVisibleTo(&f), t.contains(QLatin1Char('C')));
        EXPECT_EQ(f.imgQuadradoXJogosReparo->isVisibleTo(&f), t.contains(QLatin1Char('J')));
        EXPECT_EQ(f.imgQuadradoXTransmissoes->isVisibleTo(&f), t.contains(QLatin1Char('T')));
        EXPECT_EQ(f.imgQuadradoXEixos->isVisibleTo(&f), t.contains(QLatin1Char('E')));
        EXPECT_FALSE(f.cboTHCombo1->isVisibleTo(&f));
    } else {
        EXPECT_EQ(f.mCodigoTipoPeca, QLatin1String(c.tiquesOuTipo));
        EXPECT_TRUE(f.cboTHCombo1->isVisibleTo(&f));
        EXPECT_TRUE(f.imgTitTipo->isVisibleTo(&f));
        EXPECT_EQ(Pesquisa::CodigoTipoPecaDaLinha(f.dtcTHCombo1->Recordset(), QStringLiteral("?")),
                  QLatin1String(c.tiquesOuTipo));
    }
    // Only assemblies are listed.
    EXPECT_FALSE(f.dtcTHGrid1->RecordSource().contains(QStringLiteral("FROM COMPONENTE")));
    EXPECT_FALSE(f.dtcTHGrid1->RecordSource().contains(QStringLiteral("FROM JOGOREPARO")));
    // Edition M: no manufacturer number, a wider description.
    const bool m = edicao == QLatin1String("M");
    EXPECT_EQ(f.txtNumeroFabricante->isVisibleTo(&f), !m);
    EXPECT_EQ(f.pctPainelRef[0]->isVisibleTo(&f), !m);
    EXPECT_EQ(f.txtDescricao->width(), m ? 388 : 262);
    EXPECT_EQ(f.grdTHGrid1->width(), m ? 684 : 558);

    f.txtNumeroEmpresa->setText(QStringLiteral("1"));
    EsperaLista();
    f.imgVoltar_Click();  // back to the comparison selection (stub)
    EXPECT_EQ(f.mFiltrosPesquisa[1].TextoNumeroEmpresa, QStringLiteral("1"));
    EXPECT_EQ(f.mFiltrosPesquisa[0].TextoDescricao, QStringLiteral("anel"));
    f.mHistoricoTelas = QStringLiteral("0");
    f.imgPesquisa0_Click();
    EXPECT_EQ(f.txtDescricao->text(), QStringLiteral("anel"));
    EXPECT_EQ(f.txtNumeroEmpresa->text(), QString());
}

INSTANTIATE_TEST_SUITE_P(Edicoes, SlotDaComparacao,
                         ::testing::Values(SlotLado{"V", "T"}, SlotLado{"A", "TE"}, SlotLado{"D", "3"}, SlotLado{"M", "R"}),
                         [](const auto& i) { return std::string(i.param.edicao); });

TEST_F(Telas, KindsTypeAndSortNarrowAndOrderTheList)
{
    frmTQ1& f = Abre();
    f.imgPesquisa0_Click();
    // Transmissions only: unticking it is refused.
    f.imgChkComponentes->Click();
    f.imgQuadradoXJogosReparo->Click();
    EsperaLista();
    f.imgChkTransmissoes->Click();
    EXPECT_TRUE(f.mPesquisaTransmissoes);
    EXPECT_FALSE(Pesquisa::TelaPesquisa::De(f).Pendente());
    // Components, then no transmissions: components only.
    f.imgQuadrado_Componentes->Click();
    f.imgChkTransmissoes->Click();
    EsperaLista();
    const QString sql = f.dtcTHGrid1->RecordSource();
    EXPECT_TRUE(sql.contains(QStringLiteral("FROM COMPONENTE")));
    EXPECT_FALSE(sql.contains(QStringLiteral("PECA")));

    // Sort: the description box sorts by description, the manufacturer
    // box keeps it, the number box goes back to number.
    f.txtDescricao->setText(QStringLiteral("a"));
    EsperaLista();
    EXPECT_EQ(f.grdTHGrid1->Tag(), QStringLiteral("2"));
    f.txtNumeroFabricante->setText(QStringLiteral("1"));
    EsperaLista();
    EXPECT_EQ(f.grdTHGrid1->Tag(), QStringLiteral("2"));
    f.txtNumeroEmpresa->setText(QStringLiteral("05"));
    EsperaLista();
    EXPECT_EQ(f.grdTHGrid1->Tag(), QStringLiteral("1"));
    // On an empty list the number title does nothing, the description
    // title searches by description.
    f.txtNumeroEmpresa->setText(QStringLiteral("ZZZZ"));
    EsperaLista();
    f.imgTitNoTQ[0]->Click();
    EXPECT_FALSE(Pesquisa::TelaPesquisa::De(f).Pendente());
    f.imgTitDescricao[0]->Click();
    EsperaLista();
    EXPECT_EQ(f.grdTHGrid1->Tag(), QStringLiteral("2"));
}

TEST_F(Telas, TheTypeDropDownKeepsTheOrderAndFocusesTheList)
{
    frmTQ1& f = Abre(QStringLiteral("D"));
    f.imgPesquisa0_Click();
    f.imgTitDescricao[0]->Click();
    EsperaLista();
    ASSERT_TRUE(f.dtcTHCombo1->Recordset());
    f.dtcTHCombo1->Recordset()->FindFirst(Pesquisa::CriterioTipoPeca(QStringLiteral("1")));
    f.cboTHCombo1->Click();
    EsperaLista();
    EXPECT_EQ(f.mCodigoTipoPeca, QStringLiteral("1"));
    EXPECT_EQ(f.grdTHGrid1->Tag(), QStringLiteral("2"));
    const QString sql = f.dtcTHGrid1->RecordSource();
    EXPECT_TRUE(sql.contains(QStringLiteral("FROM JOGOREPARO")));
    EXPECT_FALSE(sql.contains(QStringLiteral("FROM COMPONENTE")));
    EXPECT_TRUE(f.mPesquisaJogosReparo);
    EXPECT_FALSE(f.mPesquisaComponentes);
}

TEST_F(Telas, AnItemInNoAssemblySaysText45AndGoesBack)
{
    frmTQ1& f = Abre();
    const long kit = Demo().kitInNoAssembly;
    PesquisaNumero(Numero(QStringLiteral("JOGOREPARO"), kit));
    ASSERT_TRUE(VaiPara(Pesquisa::CriterioLinhaPesquisa(Modulo::ObtemTexto(4), kit)));
    f.imgAvancar_Click();
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_EQ(caixas.last().text, Modulo::ObtemTexto(45) + QLatin1Char('.'));
    EXPECT_EQ(caixas.last().icon(), platform::vbExclamation);
    EXPECT_EQ(caixas.last().title, Modulo::ObtemTexto(19));
    // Back on the search, the kit reselected.
    EsperaLista();
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("01"));
    EXPECT_TRUE(f.pctTela[1]->isVisibleTo(&f));
    EXPECT_FALSE(f.pctTela[3]->isVisibleTo(&f));
    EXPECT_EQ(Atual(QStringLiteral("Codigo")).toLong(), kit);
    EXPECT_EQ(f.mTipoItemLista, QStringLiteral("JRE"));
    EXPECT_EQ(f.pctTela[3]->Tag(), QStringLiteral("J:%1:J").arg(kit));
}

TEST_F(Telas, ASupersededItemShowsItsNotesThenItsNewestReplacement)
{
    frmTQ1& f = Abre();
    const demo::Summary& s = Demo();
    PesquisaNumero(Numero(QStringLiteral("COMPONENTE"), s.chainA));
    ASSERT_TRUE(VaiPara(Pesquisa::CriterioLinhaPesquisa(Modulo::ObtemTexto(2), s.chainA)));
    f.imgAvancar_Click();
    EXPECT_EQ(pedidos, QStringList{QStringLiteral("0|Componente|%1|-5||").arg(s.chainA)});
    EXPECT_EQ(f.mTipoItemLista, QStringLiteral("COM"));
    EXPECT_EQ(f.mCodigoItemLista, s.chainC);
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("013"));
    EXPECT_EQ(f.lblSubTitulo->text(), Modulo::ObtemTituloItem(QStringLiteral("COM"), s.chainC));
    EXPECT_EQ(Linhas(Lista()), Linhas(Pesquisa::SqlListaPecas(QStringLiteral("COM"), s.chainC, QStringLiteral("P"))));
    // Back reselects the row picked, not its replacement.
    f.imgVoltar_Click();
    EsperaLista();
    EXPECT_EQ(Atual(QStringLiteral("Codigo")).toLong(), s.chainA);

    // Left screen 1 while the notes were open: the flow stops there.
    pedidos.clear();
    aoPedir = [&f] { f.mHistoricoTelas = QStringLiteral("0"); };
    f.imgAvancar_Click();
    aoPedir = nullptr;
    EXPECT_EQ(pedidos.size(), 1);
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("0"));
    EXPECT_TRUE(f.pctTela[1]->isVisibleTo(&f));
}

TEST_F(Telas, ASupersessionCycleEnds)
{
    frmTQ1& f = Abre();
    const demo::Summary& s = Demo();
    PesquisaNumero(Numero(QStringLiteral("JOGOREPARO"), s.cycleX));
    ASSERT_TRUE(VaiPara(Pesquisa::CriterioLinhaPesquisa(Modulo::ObtemTexto(4), s.cycleX)));
    f.imgAvancar_Click();
    EXPECT_EQ(pedidos, QStringList{QStringLiteral("0|Jogo de Reparo|%1|-5||").arg(s.cycleX)});
    EXPECT_EQ(f.mTipoItemLista, QStringLiteral("JRE"));
    EXPECT_EQ(f.mCodigoItemLista, Modulo::ObtemCodigoSubstituto(s.cycleX, QStringLiteral("JRE")));
}

TEST_F(Telas, AnAssemblyOfUnknownTypeIsAnAssemblyEverywhere)
{
    frmTQ1& f = Abre(QStringLiteral("A"));
    const demo::Summary& s = Demo(QStringLiteral("A"));
    ASSERT_GT(s.assemblyUnknownType, 0);
    PesquisaNumero(Numero(QStringLiteral("PECA"), s.assemblyUnknownType));
    ASSERT_TRUE(VaiPara(Pesquisa::CriterioLinhaPesquisa(QString(), s.assemblyUnknownType)));
    EXPECT_EQ(Atual(QStringLiteral("Tipo")), QString());
    f.grdTHGrid1->EventImageClick(1);
    EXPECT_EQ(pedidos, QStringList{QStringLiteral("0|PCA|%1").arg(s.assemblyUnknownType)});
    f.imgAvancar_Click();
    EXPECT_EQ(f.mTipoItemLista, QStringLiteral("PCA"));
    EXPECT_EQ(f.mCodigoItemLista, s.assemblyUnknownType);
    EXPECT_EQ(f.pctTela[3]->Tag(), QString());
    EXPECT_EQ(Lista()->RecordCount(), 1);
    f.imgVoltar_Click();
    EsperaLista();
    EXPECT_EQ(Atual(QStringLiteral("Codigo")).toLong(), s.assemblyUnknownType);
}

TEST_F(Telas, ForwardOnTheListOpensTheFigureAndBackReselectsTheAssembly)
{
    frmTQ1& f = Abre();
    const demo::Summary& s = Demo();
    PesquisaNumero(Numero(QStringLiteral("COMPONENTE"), s.componentUsedTwice));
    ASSERT_TRUE(VaiPara(Pesquisa::CriterioLinhaPesquisa(Modulo::ObtemTexto(2), s.componentUsedTwice)));
    f.imgAvancar_Click();
    ASSERT_EQ(f.mHistoricoTelas, QStringLiteral("013"));
    ASSERT_GT(Lista()->RecordCount(), 1);
    Lista()->MoveLast();
    const long peca = Atual(QStringLiteral("CodigoPeca")).toLong();
    f.mFiguraCarregada = true;
    f.imgAvancar_Click();
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("0134"));
    EXPECT_EQ(f.mCodigoPeca, peca);
    EXPECT_EQ(f.mCodigoPecaComparacao, -1);
    EXPECT_FALSE(f.mFiguraCarregada);
    EXPECT_EQ(Modulo::gParametro, QStringLiteral("C:%1:C").arg(s.componentUsedTwice));
    EXPECT_TRUE(gravador.chamadas.contains(QStringLiteral("MostraFigura(3)")));
    // Back from the figure: the list again, on that assembly.
    Modulo::gParametro.clear();
    f.imgVoltar_Click();
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("013"));
    EXPECT_TRUE(gravador.chamadas.contains(QStringLiteral("FechaConjunto")));
    EXPECT_EQ(Atual(QStringLiteral("CodigoPeca")).toLong(), peca);
    // Home restores the search.
    f.imgInicio_Click();
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("0"));
    f.imgPesquisa0_Click();
    EsperaLista();
    EXPECT_EQ(Atual(QStringLiteral("Codigo")).toLong(), s.componentUsedTwice);
}

TEST_F(Telas, VehiclesByMakerForwardAndBack)
{
    frmTQ1& f = Abre();
    const demo::Summary& s = Demo();
    f.imgPesquisa1_Click();
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("02"));
    EXPECT_EQ(Pesquisa::CodigoFabricanteDaLinha(f.dtcTHCombo1->Recordset()), 0);
    const long todos = Lista()->RecordCount();
    f.dtcTHCombo1->Recordset()->FindFirst(Pesquisa::CriterioFabricante(s.manufacturerOfVehicle));
    f.cboTHCombo1->Click();
    EsperaLista();
    const QStringList esperadas = Linhas(Pesquisa::SqlPesquisaVeiculos(QString(), s.manufacturerOfVehicle, QStringLiteral("P")));
    EXPECT_EQ(Linhas(Lista()), esperadas);
    EXPECT_LT(Lista()->RecordCount(), todos);
    ASSERT_TRUE(VaiPara(Pesquisa::CriterioVeiculo(s.vehicleWithManyAssemblies)));
    f.imgAvancar_Click();
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("023"));
    EXPECT_EQ(f.mTipoItemLista, QStringLiteral("VEI"));
    EXPECT_EQ(Lista()->RecordCount(),
              Modulo::ObtemValorSQL(QStringLiteral("SELECT Count(*) FROM VEICULO_PECA WHERE CodigoVeiculo = %1")
                                        .arg(s.vehicleWithManyAssemblies))
                  .toLongLong());
    f.imgVoltar_Click();
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("02"));
    EXPECT_EQ(Pesquisa::CodigoFabricanteDaLinha(f.dtcTHCombo1->Recordset()), s.manufacturerOfVehicle);
    EXPECT_EQ(Atual(QStringLiteral("Codigo")).toLong(), s.vehicleWithManyAssemblies);
    // "caminhão" finds the trucks by their unaccented search form.
    f.txtVeiculo->setText(QStringLiteral("caminhão"));
    EsperaLista();
    EXPECT_EQ(Linhas(Lista()),
              Linhas(Pesquisa::SqlPesquisaVeiculos(QStringLiteral("caminhão"), s.manufacturerOfVehicle, QStringLiteral("P"))));
}

TEST_F(Telas, AListOpenedFromTheComparisonSelectionFillsItsSide)
{
    frmTQ1& f = Abre();
    const demo::Summary& s = Demo();
    f.mHistoricoTelas = QStringLiteral("09");
    f.imgNum1Comp->SetTag(QString());
    f.imgNum2Comp->SetTag(QStringLiteral("1"));
    f.MostraPesquisaPecas(9);
    f.txtNumeroEmpresa->setText(Numero(QStringLiteral("PECA"), s.comparisonSecond));
    EsperaLista();
    ASSERT_TRUE(VaiPara(QStringLiteral("Codigo = %1").arg(s.comparisonSecond)));
    f.imgAvancar_Click();
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("0913"));
    f.imgAvancar_Click();
    EXPECT_TRUE(gravador.chamadas.contains(QStringLiteral("MostraSelecaoComparacao(3)")));
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("09"));
    EXPECT_EQ(f.txtNumeroEmpresaComp[1]->Tag(), QString::number(s.comparisonSecond));
    EXPECT_EQ(f.txtNumeroEmpresaComp[1]->text(),
              Modulo::ObtemValorSQL(QStringLiteral("SELECT Format(NumeroEmpresaPeca,'0000 000 000') FROM PECA WHERE "
                                                   "CodigoPeca = %1")
                                        .arg(s.comparisonSecond))
                  .toString());
    EXPECT_EQ(f.lblDescricaoPecaComp[1]->Tag(), s.comparisonType);
    EXPECT_TRUE(f.lblDescricaoPecaComp[1]->text().contains(QStringLiteral(": ")));
    EXPECT_EQ(f.txtNumeroEmpresaComp[0]->Tag(), QString());
}

TEST_F(Telas, TheComparisonChecksRunInOrder)
{
    frmTQ1& f = Abre();
    f.mHistoricoTelas = QStringLiteral("09");
    struct Caso {
        const char* nome;
        const char* texto0;
        const char* codigo0;
        const char* tipo0;
        const char* texto1;
        const char* codigo1;
        const char* tipo1;
        int texto;  // -1: the comparison opens
    } casos[] = {
        {"side 0 empty", " ", "", "", "", "", "", 56},
        {"side 0 not found", "123", "", "", "", "", "", 58},
        {"side 1 empty", "123", "7", "T", " ", "", "", 56},
        {"side 1 not found", "123", "7", "T", "456", "", "", 58},
        {"same assembly", "123", "7", "T", "456", "7", "T", 60},
        {"different types", "123", "7", "T", "456", "8", "E", 61},
        {"compared", "123", "7", "T", "456", "8", "T", -1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        caixas.shown.clear();
        gravador.chamadas.clear();
        f.txtNumeroEmpresaComp[0]->setText(QLatin1String(c.texto0));
        f.txtNumeroEmpresaComp[0]->SetTag(QLatin1String(c.codigo0));
        f.lblDescricaoPecaComp[0]->SetTag(QLatin1String(c.tipo0));
        f.txtNumeroEmpresaComp[1]->setText(QLatin1String(c.texto1));
        f.txtNumeroEmpresaComp[1]->SetTag(QLatin1String(c.codigo1));
        f.lblDescricaoPecaComp[1]->SetTag(QLatin1String(c.tipo1));
        f.imgAvancar_Click();
        if (c.texto < 0) {
            EXPECT_TRUE(caixas.shown.empty());
            EXPECT_EQ(gravador.chamadas.value(0), QStringLiteral("MostraComparacao(0)"));
            EXPECT_EQ(f.mCodigoPeca, 7);
            EXPECT_EQ(f.mCodigoPecaComparacao, 8);
            continue;
        }
        ASSERT_EQ(caixas.shown.size(), 1u);
        EXPECT_EQ(caixas.last().text, Modulo::ObtemTexto(c.texto) + QLatin1Char('.'));
        EXPECT_EQ(caixas.last().icon(), platform::vbCritical);
        EXPECT_TRUE(gravador.chamadas.isEmpty());
    }
}

// Notes, at the moment a widget is shown (in its window), whether the
// window's search was still pending and whether the main list had rows
// bound; then runs `acao`, when given, as the user would at that moment.
class AoMostrar : public QObject {
public:
    AoMostrar(QWidget* alvo, frmTQ1& janela, std::function<void()> acao = {}) : m_janela(janela), m_acao(std::move(acao))
    {
        alvo->installEventFilter(this);
    }
    bool visto = false, pendente = false, comLinhas = false;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::ShowToParent && !visto) {
            visto = true;
            pendente = Pesquisa::TelaPesquisa::De(m_janela).Pendente();
            comLinhas = m_janela.dtcTHGrid1->Recordset() != nullptr;
            if (m_acao)
                m_acao();
        }
        return false;
    }

private:
    frmTQ1& m_janela;
    std::function<void()> m_acao;
};

TEST_F(Telas, ScreenOneShowsAtOnceAndBindsItsRowsWhenItsSearchEnds)
{
    frmTQ1& f = Abre();
    const demo::Summary& s = Demo();
    // From the start screen: the screen shows while its search still runs.
    {
        AoMostrar tela1(f.pctTela[1], f);
        f.imgPesquisa0_Click();
        ASSERT_TRUE(tela1.visto);
        EXPECT_TRUE(tela1.pendente);
        EXPECT_FALSE(tela1.comLinhas);
    }
    EsperaLista();
    EXPECT_EQ(Linhas(Lista()), Linhas(f.dtcTHGrid1->RecordSource()));
    EXPECT_GT(Lista()->RecordCount(), 0);

    // Back from the parts list: the same, and the row left is current again.
    f.txtNumeroEmpresa->setText(Numero(QStringLiteral("COMPONENTE"), s.componentUsedTwice));
    EsperaLista();
    ASSERT_TRUE(VaiPara(Pesquisa::CriterioLinhaPesquisa(Modulo::ObtemTexto(2), s.componentUsedTwice)));
    f.imgAvancar_Click();
    ASSERT_EQ(f.mHistoricoTelas, QStringLiteral("013"));
    {
        AoMostrar tela1(f.pctTela[1], f);
        f.imgVoltar_Click();
        ASSERT_TRUE(tela1.visto);
        EXPECT_TRUE(tela1.pendente);
    }
    EsperaLista();
    EXPECT_EQ(Atual(QStringLiteral("Codigo")).toLong(), s.componentUsedTwice);

    // Typing before the rows arrive replaces the screen's search: the typed
    // one is bound, into the list's columns.
    f.imgVoltar_Click();
    {
        AoMostrar tela1(f.pctTela[1], f, [&f] { f.txtDescricao->setText(QStringLiteral("engrenagem")); });
        f.imgPesquisa0_Click();
        ASSERT_TRUE(tela1.visto);
        EXPECT_TRUE(tela1.pendente);
    }
    EsperaLista();
    EXPECT_TRUE(f.dtcTHGrid1->RecordSource().endsWith(QStringLiteral("ORDER BY 2")));
    EXPECT_EQ(Linhas(Lista()), Linhas(f.dtcTHGrid1->RecordSource()));
    EXPECT_TRUE(f.grdTHGrid1->colunasConfiguradas());
}

TEST_F(Telas, TheCrossReferencesOfTheCurrentRowShowOnceTheListIsBound)
{
    frmTQ1& f = Abre();
    // The panel's labels of an origin, as "number|maker" per row.
    const auto painel = [&f](int origem) {
        const auto& numeros = origem == 1 ? f.lblNumeroFabricanteRef : f.lblNumeroFabricanteRefR;
        const auto& nomes = origem == 1 ? f.lblFabricanteRef : f.lblFabricanteRefR;
        QStringList out;
        for (std::size_t i = 0; i < numeros.size(); ++i)
            out << numeros[i]->text() + QLatin1Char('|') + nomes[i]->text();
        return out;
    };
    // What the panel shows for a company number.
    const auto esperado = [&](int origem, const QString& numero) {
        const QStringList antes = painel(origem);
        Modulo::ExibeReferenciaCruzada(origem, Modulo::NormalizaNumeroEmpresa(numero), QString());
        const QStringList out = painel(origem);
        Modulo::ExibeReferenciaCruzada(origem, QString(), QString());
        EXPECT_NE(out, painel(origem)) << "the number has no references";
        return out;
    };
    // An assembly and a component that have references.
    const long peca = Modulo::ObtemValorSQL(QStringLiteral("SELECT TOP 1 PECA.CodigoPeca FROM PECA INNER JOIN REFERENCIACRUZADA "
                                                           "ON REFERENCIACRUZADA.NumeroEmpresa = PECA.NumeroEmpresaPeca ORDER BY 1"))
                          .toLongLong();
    const long componente =
        Modulo::ObtemValorSQL(QStringLiteral("SELECT TOP 1 COMPONENTE.CodigoComponente FROM COMPONENTE INNER JOIN "
                                             "REFERENCIACRUZADA ON REFERENCIACRUZADA.NumeroEmpresa = "
                                             "COMPONENTE.NumeroEmpresaComponente ORDER BY 1"))
            .toLongLong();
    ASSERT_GT(peca, 0);
    ASSERT_GT(componente, 0);

    // A one-row parts list: its row is current from the start.
    f.MostraListaPecas(1, QStringLiteral("PCA"), peca);
    ASSERT_EQ(Lista()->RecordCount(), 1);
    const QStringList daPeca = painel(3);
    EXPECT_EQ(daPeca, esperado(3, Numero(QStringLiteral("PECA"), peca)));
    f.EscondeListaPecas();

    // Screen 1 after Back: the row reselected.
    f.mHistoricoTelas = QStringLiteral("0");
    PesquisaNumero(Numero(QStringLiteral("COMPONENTE"), componente));
    ASSERT_TRUE(VaiPara(Pesquisa::CriterioLinhaPesquisa(Modulo::ObtemTexto(2), componente)));
    f.imgAvancar_Click();
    ASSERT_EQ(f.mHistoricoTelas, QStringLiteral("013"));
    f.imgVoltar_Click();
    EsperaLista();
    ASSERT_EQ(Atual(QStringLiteral("Codigo")).toLong(), componente);
    const QStringList doComponente = painel(1);
    EXPECT_EQ(doComponente, esperado(1, Numero(QStringLiteral("COMPONENTE"), componente)));
}

}  // namespace
