// Screen 5 offscreen on the demo catalogue: the components table, its kit
// combo shared with the figure, its sort and its find boxes; leaving the
// assembly, in comparison mode too.

#include "asmfixture.h"

#include "assembly/consultas.h"
#include "assembly/utilcontroles.h"

#include "core/globals.h"
#include "core/runtables.h"
#include "core/searchtext.h"
#include "core/crossref.h"
#include "core/texts.h"
#include "listcontrols/thcombo.h"
#include "listcontrols/thgrid.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>

using namespace asmtest;
using Conjunto::Visivel;

namespace {

class Tabela : public TelaConjunto {
protected:
    platform::dao::RecordsetPtr Rs() { return T().dtcTHGrid1->Recordset(); }
    QString Atual(const char* campo) { return Rs()->Fields(QLatin1String(campo)).Text(); }
    QStringList Coluna(const char* campo)
    {
        QStringList out;
        const auto rs = Rs();
        const int c = rs->FieldIndex(QLatin1String(campo));
        for (long r = 0; r < rs->RecordCount(); ++r)
            out << rs->ValueAt(r, c).toString();
        return out;
    }
    // Typing into a find box: the focus first (its sort), then the text.
    void Digita(QLineEdit* caixa, const QString& texto)
    {
        QFocusEvent foco(QEvent::FocusIn, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(caixa, &foco);
        caixa->setText(texto);
    }
    void AbreTabela(std::int64_t conjunto)
    {
        D().AbreConjunto(conjunto, QString());
        F().imgTabela_Click();
    }
};

}  // namespace

TEST_F(Tabela, SortedByItemNumbersThenDottedThenText)
{
    Abre();
    AbreTabela(s.showcaseAssembly);
    EXPECT_EQ(T().grdTHGrid1->Tag(), QStringLiteral("1"));
    const QStringList itens = Coluna("ItemComponente");
    const std::vector<QString> ordem{"1", "2", "3.5", "10", "01.001", "01.002", "12.345", "12.345A", "A1", "B-2"};
    for (std::size_t k = 1; k < ordem.size(); ++k)
        EXPECT_LT(itens.indexOf(ordem[k - 1]), itens.indexOf(ordem[k])) << ordem[k - 1].toStdString() << " " << ordem[k].toStdString();
    EXPECT_EQ(itens.count(QStringLiteral("12.345")), 1);
    // Only regular positions: the optional alternatives are no rows.
    EXPECT_EQ(Rs()->RecordCount(),
              Valor(QStringLiteral("SELECT count(*) FROM PECA_COMPONENTE WHERE CodigoPeca = %1 AND FlagOpcionalComponente = 0").arg(s.showcaseAssembly)).toLongLong());

    // A re-sort keeps the current item; the same sort again runs nothing.
    Rs()->FindFirst(Conjunto::CriterioItem(QStringLiteral("12.345")));
    V().OrdenaTabelaPorColuna(QStringLiteral("3"));
    EXPECT_EQ(Atual("ItemComponente"), QStringLiteral("12.345"));
    EXPECT_TRUE(V().ConsultaTabela().endsWith(QStringLiteral("ORDER BY 3")));
    const auto antes = Rs();
    V().OrdenaTabelaPorColuna(QStringLiteral("3"));
    EXPECT_EQ(Rs(), antes);
    V().OrdenaTabelaPorColuna(QStringLiteral("4"));
    EXPECT_EQ(Atual("ItemComponente"), QStringLiteral("12.345"));
    const QStringList numeros = Coluna("NumeroEmpresaComponente");
    EXPECT_TRUE(std::is_sorted(numeros.begin(), numeros.end()));

    // An item holding an apostrophe survives a re-sort.
    V().FechaConjunto();
    AbreTabela(s.casesAssembly);
    Rs()->FindFirst(Conjunto::CriterioItem(s.itemApostrophe));
    ASSERT_FALSE(Rs()->NoMatch());
    for (const char* ordem2 : {"3", "4", "1"}) {
        V().OrdenaTabelaPorColuna(QLatin1String(ordem2));
        EXPECT_EQ(Atual("ItemComponente"), s.itemApostrophe) << ordem2;
    }
}

TEST_F(Tabela, FindBoxes)
{
    Abre();
    AbreTabela(s.showcaseAssembly);
    V().OrdenaTabelaPorColuna(QStringLiteral("3"));
    // "12" in the item box: sorted by item first, then the first item from 12.
    Digita(T().txtItem, QStringLiteral("12"));
    EXPECT_EQ(T().grdTHGrid1->Tag(), QStringLiteral("1"));
    const QStringList itens = Coluna("ItemComponente");
    const auto primeiro = std::find_if(itens.begin(), itens.end(), [](const QString& i) { return i.startsWith(QLatin1String("12")); });
    ASSERT_NE(primeiro, itens.end());
    EXPECT_EQ(Atual("ItemComponente"), *primeiro);
    EXPECT_EQ(Rs()->AbsolutePosition(), long(primeiro - itens.begin()));
    EXPECT_EQ(bipes.count, 0);
    // Emptied: the first row.
    T().txtItem->clear();
    EXPECT_EQ(Rs()->AbsolutePosition(), 0);
    // No match, and a text that is no valid pattern: the row stays, a beep each.
    Rs()->FindFirst(Conjunto::CriterioItem(QStringLiteral("01.002")));
    Digita(T().txtItem, QStringLiteral("ZZ"));
    EXPECT_EQ(Atual("ItemComponente"), QStringLiteral("01.002"));
    EXPECT_EQ(bipes.count, 1);
    T().txtItem->setText(QStringLiteral("["));
    EXPECT_EQ(Atual("ItemComponente"), QStringLiteral("01.002"));
    EXPECT_EQ(bipes.count, 2);
    EXPECT_TRUE(caixas.shown.empty());

    // A description typed without accents, sorted by description.
    Digita(T().txtComponente, QStringLiteral("anel de vedacao"));
    EXPECT_EQ(T().grdTHGrid1->Tag(), QStringLiteral("3"));
    EXPECT_EQ(Atual("DescricaoComponente"), QStringLiteral("ANEL DE VEDAÇÃO"));
    // Numbers: leading zeros and the display's blanks are dropped.
    Digita(T().txtNumeroEmpresaT, QStringLiteral("0501 123 4"));
    EXPECT_EQ(T().grdTHGrid1->Tag(), QStringLiteral("4"));
    EXPECT_EQ(Atual("NumeroEmpresaComponentePesquisa"), QStringLiteral("501123456"));
    const int bipesAntes = bipes.count;
    T().txtNumeroEmpresaT->setText(QStringLiteral("0012"));
    EXPECT_EQ(Atual("NumeroEmpresaComponentePesquisa"), QStringLiteral("501123456"));
    EXPECT_EQ(bipes.count, bipesAntes + 1);

    // A fragment of a manufacturer's number: one of the components that
    // carry it for one of the assembly's manufacturers becomes current, and
    // the sort stays.
    const QString fabricantes = Modulo::ObtemFabricantesPeca(long(s.showcaseAssembly), -1);
    const QString numero = Valor(QStringLiteral("SELECT TOP 1 r.NumeroFabricante FROM (REFERENCIACRUZADA AS r INNER JOIN COMPONENTE AS c ON "
                                                "r.NumeroEmpresa = c.NumeroEmpresaComponente) INNER JOIN PECA_COMPONENTE AS pc ON "
                                                "pc.CodigoComponente = c.CodigoComponente WHERE pc.CodigoPeca = %1 AND r.CodigoFabricante IN (%2) "
                                                "ORDER BY r.NumeroFabricante")
                                     .arg(s.showcaseAssembly)
                                     .arg(fabricantes))
                               .toString();
    ASSERT_GE(numero.size(), 6);
    const QString fragmento = numero.mid(2, 4);
    T().txtNumeroFabricanteT->setText(fragmento.toLower());
    const QStringList candidatos = Modulo::ObtemListaSQL(Conjunto::ConsultaComponentesFabricante(fragmento, fabricantes, s.showcaseAssembly))
                                       .split(QLatin1Char(','));
    EXPECT_TRUE(candidatos.contains(Atual("CodigoComponente")));
    EXPECT_EQ(T().grdTHGrid1->Tag(), QStringLiteral("4"));
    // The box's empty normal form changes nothing.
    const long posicao = Rs()->AbsolutePosition();
    T().txtNumeroFabricanteT->setText(QStringLiteral("-.-"));
    EXPECT_EQ(Rs()->AbsolutePosition(), posicao);

    // Items in other letter case.
    V().FechaConjunto();
    AbreTabela(s.casesAssembly);
    Digita(T().txtItem, s.itemLowerCase.toUpper());
    EXPECT_EQ(Atual("ItemComponente"), s.itemLowerCase);
}

TEST_F(Tabela, ANoMatchKeepsTheCurrentRowAmongRowsSharingItsItem)
{
    Abre();
    AbreTabela(s.casesAssembly);
    // The second row of an item with several components is current.
    Rs()->FindFirst(Conjunto::CriterioItem(s.itemThreeComponents));
    ASSERT_FALSE(Rs()->NoMatch());
    Rs()->MoveNext();
    ASSERT_EQ(Atual("ItemComponente"), s.itemThreeComponents);
    const long linha = Rs()->AbsolutePosition();
    const QString componente = Atual("CodigoComponente");
    // Whichever box matches nothing, that row stays current, a beep each
    // (the texts typed without the focus, so that no sort moves the row).
    const int bipesAntes = bipes.count;
    const std::pair<QLineEdit*, const char*> casos[] = {
        {T().txtItem, "ZZ"}, {T().txtItem, "["}, {T().txtNumeroEmpresaT, "999999999"},
        {T().txtComponente, "QQQQ"}, {T().txtNumeroFabricanteT, "QQ99QQ"}};
    for (const auto& [caixa, texto] : casos) {
        caixa->setText(QLatin1String(texto));
        EXPECT_EQ(Rs()->AbsolutePosition(), linha) << texto;
        EXPECT_EQ(Atual("CodigoComponente"), componente) << texto;
    }
    EXPECT_EQ(bipes.count, bipesAntes + 5);
}

TEST_F(Tabela, EachScreenKeepsItsOwnKit)
{
    Abre();
    D().AbreConjunto(s.showcaseAssembly, QString());
    const QStringList jogos = Modulo::ObtemListaSQL(QStringLiteral("SELECT DISTINCT CodigoJogoReparo FROM PECA_COMPONENTE_JOGOREPARO WHERE CodigoPeca = %1 "
                                                                   "ORDER BY CodigoJogoReparo")
                                                        .arg(s.showcaseAssembly))
                                .split(QLatin1Char(','));
    ASSERT_GE(jogos.size(), 2);
    const std::int64_t a = jogos[0].toLongLong(), b = jogos[1].toLongLong();
    EXPECT_TRUE(Visivel(C().cboTHCombo2));
    EXPECT_EQ(C().cboTHCombo2->pos(), QPoint(89 + 259, 61));
    EscolheJogo(a);
    F().imgTabela_Click();
    EXPECT_EQ(F().mJogoReparoFigura, a);
    EXPECT_EQ(V().CodigoJogoReparoAtual(), 0);  // the table starts unfiltered
    const long todas = Rs()->RecordCount();
    EscolheJogo(b);
    const long doJogo = Valor(QStringLiteral("SELECT count(*) FROM PECA_COMPONENTE AS pc INNER JOIN PECA_COMPONENTE_JOGOREPARO AS k ON "
                                             "pc.CodigoPeca = k.CodigoPeca AND pc.ItemComponente = k.ItemComponente WHERE pc.CodigoPeca = %1 "
                                             "AND pc.FlagOpcionalComponente = 0 AND k.CodigoJogoReparo = %2")
                                  .arg(s.showcaseAssembly)
                                  .arg(b))
                            .toLongLong();
    EXPECT_EQ(Rs()->RecordCount(), doJogo);
    EXPECT_LT(doJogo, todas);
    F().imgFigura_Click();
    EXPECT_EQ(F().mJogoReparoTabela, b);
    EXPECT_EQ(V().CodigoJogoReparoAtual(), a);
    F().imgTabela_Click();
    EXPECT_EQ(V().CodigoJogoReparoAtual(), b);
    EXPECT_EQ(Rs()->RecordCount(), doJogo);

    // The item menu's "Tabela" on an item outside the table's kit drops the
    // table's filter and finds the item.
    F().imgFigura_Click();
    QString fora;
    for (const QString& item : s.itemsDotted)
        if (Valor(QStringLiteral("SELECT count(*) FROM PECA_COMPONENTE_JOGOREPARO WHERE CodigoPeca = %1 AND ItemComponente = '%2' AND CodigoJogoReparo = %3")
                      .arg(s.showcaseAssembly)
                      .arg(item)
                      .arg(b))
                    .toInt() == 0 &&
            Rotulo(item) > 0) {
            fora = item;
            break;
        }
    ASSERT_FALSE(fora.isEmpty());
    Passa(Rotulo(fora));
    menus.answers = {1};
    V().lblItem_MouseUp(Rotulo(fora), 1);
    EXPECT_EQ(F().mJogoReparoTabela, 0);
    EXPECT_EQ(V().CodigoJogoReparoAtual(), 0);
    EXPECT_EQ(Rs()->RecordCount(), todas);
    EXPECT_EQ(*V().ItemAtualTabela(), fora);
}

TEST_F(Tabela, ComboRowsNoteIconsAndTheKitlessAssembly)
{
    Abre();
    AbreTabela(s.casesAssembly);
    const auto combo = C().dtcTHCombo2->Recordset();
    ASSERT_EQ(combo->RecordCount(), 3);
    const QChar cr(13);
    EXPECT_EQ(combo->ValueAt(0, 0).toLongLong(), 0);
    EXPECT_EQ(combo->ValueAt(0, 2).toString(), QStringLiteral("TODOS OS COMPONENTES"));
    EXPECT_EQ(combo->ValueAt(0, 3).toString(), QString(2, cr));
    for (long r = 1; r < 3; ++r) {
        const std::int64_t jogo = combo->ValueAt(r, 0).toLongLong();
        EXPECT_TRUE(jogo == s.kitWithGeneralNote || jogo == s.kitWithAssemblyNote) << jogo;
        // The kit whose note holds no assembly shows its note icon too.
        EXPECT_EQ(combo->ValueAt(r, 3).toString(), QStringLiteral("  ")) << jogo;
    }
    EXPECT_LT(combo->ValueAt(1, 2).toString(), combo->ValueAt(2, 2).toString());
    // The face shows the kit word while the all row is chosen.
    EXPECT_EQ(C().cboTHCombo2->Tag(), QStringLiteral("JOGOS DE REPARO"));

    // The kit icons: cart and notes.
    EscolheJogo(s.kitWithGeneralNote);
    V().cboTHCombo2_ImageClick(0, 1);
    V().cboTHCombo2_ImageClick(1, 1);
    EXPECT_EQ(D().Carrinho(), QStringList{QStringLiteral("JRE|%1|1|").arg(s.kitWithGeneralNote)});
    EXPECT_EQ(D().requisicoes.last(), QStringLiteral("0|JRE|%1|%2").arg(s.kitWithGeneralNote).arg(s.casesAssembly));
    EXPECT_FALSE(C().cboTHCombo2->mNaoFecharExitFocus);

    // On the figure the all row has no caption; a kit without notes shows
    // only its cart icon.
    V().FechaConjunto();
    D().AbreConjunto(s.bigFigureAssembly, QString());
    const auto combo2 = C().dtcTHCombo2->Recordset();
    ASSERT_EQ(combo2->RecordCount(), 2);
    EXPECT_EQ(combo2->ValueAt(0, 2).toString(), QString());
    EXPECT_EQ(combo2->ValueAt(1, 3).toString(), QStringLiteral(" ") + cr);

    // An assembly without kits: the combo stays hidden on both screens.
    V().FechaConjunto();
    D().AbreConjunto(s.assemblyWithoutKits, QString());
    EXPECT_FALSE(Visivel(C().cboTHCombo2));
    F().imgTabela_Click();
    EXPECT_FALSE(Visivel(C().cboTHCombo2));
    EXPECT_GT(Rs()->RecordCount(), 0);
}

TEST_F(Tabela, GeometryPerEdition)
{
    struct Caso {
        const char* edicao;
        int tabela, descricao, caixa, quantidade;
        bool referencias;
    };
    for (const Caso& c : std::vector<Caso>{{"V", 568, 217, 210, 409, true}, {"M", 684, 340, 333, 532, false}, {"D", 568, 217, 210, 409, true}}) {
        SCOPED_TRACE(c.edicao);
        Abre(QLatin1String(c.edicao));
        AbreTabela(Resumo(QLatin1String(c.edicao)).showcaseAssembly);
        EXPECT_EQ(T().grdTHGrid1->width(), c.tabela);
        EXPECT_EQ(T().grdTHGrid1->pos(), QPoint(89 + 15, 182));
        EXPECT_EQ(T().grdTHGrid1->Columns(3).Width(), c.descricao * 15);
        EXPECT_EQ(T().txtComponente->width(), c.caixa);
        EXPECT_EQ(T().imgTitQuantidade0->x(), c.quantidade);
        EXPECT_EQ(Visivel(T().txtNumeroFabricanteT), c.referencias);
        EXPECT_EQ(Visivel(T().pctPainelRef2), c.referencias);
        EXPECT_EQ(Visivel(T().imgTitNo2), c.referencias);
        TearDown();
    }
}

TEST_F(Tabela, BackFromTheFigureReopensTheSuggestionAndTheSubtitleStays)
{
    Abre();
    AbreTabela(s.casesAssembly);
    Rs()->FindFirst(Conjunto::CriterioItem(s.itemAllFlags));
    F().imgFigura_Click();
    F().imgTabela_Click();
    EXPECT_EQ(*V().ItemAtualTabela(), s.itemAllFlags);
    EXPECT_EQ(D().sugestoes.last(), QStringLiteral("tabela"));
    // Back from the table returns to the parts list and closes the assembly.
    F().imgVoltar_Click();
    EXPECT_EQ(F().mHistoricoTelas, QStringLiteral("013"));
    EXPECT_FALSE(Visivel(T().grdTHGrid1));
    EXPECT_FALSE(Rs());
}

TEST_F(Tabela, LeavingAComparisonDropsItsTableAndRepointsTheList)
{
    Abre();
    const QString comparacao = Modulo::CriaTabelaComparacao(Modulo::gDbAuxiliar);
    ASSERT_TRUE(Modulo::TabelaExiste(Modulo::gDbAuxiliar, comparacao));
    F().mTabelaComparacao = comparacao;
    D().AbreConjunto(s.showcaseAssembly, QString(), s.variantAssembly);
    EXPECT_EQ(F().imgTabela->x(), 18);
    // The Table button leads to the comparison list, which reads the auxiliary database.
    F().imgTabela_Click();
    EXPECT_EQ(F().mHistoricoTelas, QStringLiteral("0138"));
    T().dtcTHGrid1->SetDatabase(Modulo::gDbAuxiliar);
    V().FechaConjunto();
    EXPECT_FALSE(Modulo::TabelaExiste(Modulo::gDbAuxiliar, comparacao));
    EXPECT_TRUE(F().mTabelaComparacao.isEmpty());
    EXPECT_FALSE(T().dtcTHGrid1->Database());
    EXPECT_EQ(T().dtcTHGrid1->DatabaseName(), Modulo::gDbDazadize->Name());
    EXPECT_FALSE(Visivel(F().pctTela[8]));
}
