// The main list's row actions on every list screen (icons, double click, row
// change), the column titles of the tables of other screens, the part photo
// and the cart animation on the real main window.

#include "telafixture.h"

#include "core/globals.h"
#include "core/pictures.h"
#include "core/searchtext.h"
#include "core/texts.h"
#include "search/sqllistapecas.h"
#include "search/sqlpesquisa.h"
#include "tools/demo/pictures.h"

#include "support/qstringprinter.h"

#include <QImage>

using namespace tqtest;

namespace {

class Acoes : public TelaPesquisaTeste {
protected:
    // The first `n` component codes of the catalogue.
    static QList<long> Componentes(int n)
    {
        QList<long> out;
        for (const QString& l : Linhas(QStringLiteral("SELECT TOP %1 CodigoComponente FROM COMPONENTE ORDER BY 1").arg(n)))
            out << l.toLong();
        return out;
    }
    // Binds rows made by `sql` to the main list as another screen would,
    // and makes `tela` the current screen.
    void ListaDaTela(int tela, const QString& sql)
    {
        janela->mHistoricoTelas = tela == 8 ? QStringLiteral("098") : QStringLiteral("01345");
        janela->dtcTHGrid1->SetRecordSource(sql);
        janela->dtcTHGrid1->Refresh();
    }
    // The cart's row of an item as "Quantidade|Opcional" ("" when absent).
    static QString NoCarrinho(const QString& tipo, long codigo)
    {
        const auto rs = Modulo::gDbAuxiliar->OpenRecordset(
            QStringLiteral("SELECT Quantidade, Opcional FROM %1 WHERE Tipo = '%2' AND Codigo = %3")
                .arg(Modulo::gTabelaCarrinho, tipo)
                .arg(codigo));
        if (rs->EOF_())
            return QString();
        const QString op = rs->Value(1).toString();
        return rs->Value(0).toString() + QLatin1Char('|') + (op == QLatin1String(" ") ? QStringLiteral("op") : QStringLiteral("-"));
    }
};

TEST_F(Acoes, IconsOfTheSearchAndThePartsList)
{
    frmTQ1& f = Abre();
    const demo::Summary& s = Demo();
    f.imgPesquisa0_Click();
    EsperaLista();
    ASSERT_TRUE(VaiPara(Pesquisa::CriterioLinhaPesquisa(Modulo::ObtemTexto(2), s.clutchDiscComponent)));
    f.grdTHGrid1->EventImageClick(1);
    EXPECT_EQ(pedidos, QStringList{QStringLiteral("0|COM|%1").arg(s.clutchDiscComponent)});
    f.grdTHGrid1->EventImageClick(0);
    EXPECT_EQ(NoCarrinho(QStringLiteral("COM"), s.clutchDiscComponent), QStringLiteral("1|-"));
    EXPECT_TRUE(f.tmrAnimacao->isActive());
    EXPECT_TRUE(f.pctToolTipCarrinho->isVisibleTo(&f));

    // The double click goes forward: the parts list of the component.
    f.grdTHGrid1->DblClick();
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("013"));
    EXPECT_EQ(f.grdTHGrid1->ColumnCount(), 6);
    ASSERT_TRUE(VaiPara(Pesquisa::CriterioConjunto(s.searchAssembly)));
    pedidos.clear();
    f.grdTHGrid1->EventImageClick(1);
    f.grdTHGrid1->EventImageClick(2);
    EXPECT_EQ(pedidos, (QStringList{QStringLiteral("2|%1").arg(s.searchAssembly),
                                    QStringLiteral("0|PCA|%1").arg(s.searchAssembly)}));
    f.grdTHGrid1->EventImageClick(0);
    EXPECT_EQ(NoCarrinho(QStringLiteral("PCA"), s.searchAssembly), QStringLiteral("1|-"));
}

TEST_F(Acoes, EditionMHasNoApplicationIcon)
{
    frmTQ1& f = Abre(QStringLiteral("M"));
    const demo::Summary& s = Demo(QStringLiteral("M"));
    f.MostraListaPecas(1, QStringLiteral("PCA"), s.showcaseAssembly);
    EXPECT_EQ(f.grdTHGrid1->ColumnCount(), 5);
    EXPECT_EQ(f.grdTHGrid1->width(), 684);
    EXPECT_FALSE(f.pctPainelRef[1]->isVisibleTo(&f));
    EXPECT_TRUE(f.imgTitTipoR->isVisibleTo(&f));
    EXPECT_EQ(f.imgTitTipoR->x(), 529);
    f.grdTHGrid1->EventImageClick(1);
    f.grdTHGrid1->EventImageClick(2);
    EXPECT_EQ(pedidos, QStringList{QStringLiteral("0|PCA|%1").arg(s.showcaseAssembly)});
}

TEST_F(Acoes, ComponentsTableIconsAndQuantities)
{
    frmTQ1& f = Abre();
    const QList<long> c = Componentes(2);
    ListaDaTela(5, QStringLiteral("SELECT CodigoComponente, '01.001' AS ItemComponente, '2.7' AS QuantidadeComponente, "
                                  "'1 34' AS ImagensGrid, NumeroEmpresaComponente FROM COMPONENTE WHERE CodigoComponente = %1 "
                                  "UNION ALL SELECT CodigoComponente, '01.002', 'A/R', ' 234', NumeroEmpresaComponente FROM "
                                  "COMPONENTE WHERE CodigoComponente = %2")
                       .arg(c[0])
                       .arg(c[1]));
    f.mCodigoPeca = 77;
    // Row 1: "2.7" adds 2, optional (a space in position 2).
    f.grdTHGrid1->EventImageClick(0);
    EXPECT_EQ(NoCarrinho(QStringLiteral("COM"), c[0]), QStringLiteral("2|op"));
    f.grdTHGrid1->EventImageClick(2);
    f.grdTHGrid1->EventImageClick(3);
    f.grdTHGrid1->EventImageClick(4);
    EXPECT_EQ(pedidos, (QStringList{QStringLiteral("4|77|%1|01.001|0").arg(c[0]), QStringLiteral("1|77|01.001|%1|0").arg(c[0]),
                                    QStringLiteral("0|COM|%1|77|01.001").arg(c[0])}));
    // Row 2: "A/R" adds 1, regular; the suggestion icon opens the panel
    // only while it is hidden.
    Lista()->MoveNext();
    f.grdTHGrid1->EventImageClick(0);
    EXPECT_EQ(NoCarrinho(QStringLiteral("COM"), c[1]), QStringLiteral("1|-"));
    f.grdTHGrid1->EventImageClick(1);
    f.pctSugestaoCompra->show();
    f.grdTHGrid1->EventImageClick(1);
    EXPECT_EQ(gravador.chamadas.count(QStringLiteral("MostraSugestaoGrid")), 1);
    // Its row change hides the panel and, with the suggestion flag, shows it.
    gravador.chamadas.clear();
    Pesquisa::grdTHGrid1_RowColChange(f, {});
    EXPECT_FALSE(f.pctSugestaoCompra->isVisibleTo(&f));
    EXPECT_EQ(gravador.chamadas, QStringList{QStringLiteral("MostraSugestaoGrid")});

    // Double click: the figure at the row's item, the kit of the table kept.
    gravador.chamadas.clear();
    f.grdTHGrid1->DblClick();
    EXPECT_EQ(gravador.chamadas, QStringList{QStringLiteral("MostraFigura(5)")});
    EXPECT_EQ(Modulo::gParametro, QStringLiteral("I:01.002:I"));
    EXPECT_EQ(f.mCodigoJogoReparoTabela, 0);

    // Column titles of the table.
    gravador.chamadas.clear();
    f.imgTitItem->Click();
    f.imgTitComponente[1]->Click();
    f.imgTitNoTQ[3]->Click();
    EXPECT_EQ(gravador.chamadas, (QStringList{QStringLiteral("OrdenaTabelaPorColuna(1)"), QStringLiteral("OrdenaTabelaPorColuna(3)"),
                                              QStringLiteral("OrdenaTabelaPorColuna(4)")}));
}

TEST_F(Acoes, ComparisonListIconsTitlesAndFigures)
{
    frmTQ1& f = Abre();
    const QList<long> c = Componentes(3);
    ListaDaTela(8, QStringLiteral("SELECT CodigoComponente, '3' AS QuantidadeComponente1, Null AS QuantidadeComponente2, "
                                  "NumeroEmpresaComponente FROM COMPONENTE WHERE CodigoComponente = %1 "
                                  "UNION ALL SELECT CodigoComponente, '2', '5', NumeroEmpresaComponente FROM COMPONENTE WHERE "
                                  "CodigoComponente = %2 UNION ALL SELECT CodigoComponente, 'x', 'y', NumeroEmpresaComponente "
                                  "FROM COMPONENTE WHERE CodigoComponente = %3")
                       .arg(c[0])
                       .arg(c[1])
                       .arg(c[2]));
    // The larger quantity, Null and non-numbers counting 1.
    for (const auto& [codigo, esperado] : {std::pair{c[0], "3|-"}, std::pair{c[1], "5|-"}, std::pair{c[2], "1|-"}}) {
        ASSERT_TRUE(VaiPara(QStringLiteral("CodigoComponente = %1").arg(codigo)));
        f.grdTHGrid1->EventImageClick(0);
        EXPECT_EQ(NoCarrinho(QStringLiteral("COM"), codigo), QLatin1String(esperado));
    }
    // Titles sort the comparison under its filter.
    f.pctExibirComparacao->SetTag(QStringLiteral("1"));
    f.imgTitNoTQ[4]->Click();
    f.imgTitComponente[2]->Click();
    EXPECT_EQ(gravador.chamadas, (QStringList{QStringLiteral("AtualizaGridComparacao(%1,1,NumeroEmpresaComponente,0,1)").arg(c[2]),
                                              QStringLiteral("AtualizaGridComparacao(%1,1,DescricaoComponente,0,1)").arg(c[2])}));
    // The second assembly's figure while the first one's is loaded.
    gravador.chamadas.clear();
    f.mCodigoPeca = 11;
    f.mCodigoPecaComparacao = 22;
    f.lblNumeroEmpresaPeca[0]->SetTag(QStringLiteral("11"));
    f.lblNumeroEmpresaPeca[1]->SetTag(QStringLiteral("22"));
    f.mFiguraCarregada = true;
    f.grdTHGrid1->EventImageClick(3);
    EXPECT_EQ(gravador.chamadas, (QStringList{QStringLiteral("FechaFigura"), QStringLiteral("MostraFigura(8)")}));
    EXPECT_EQ(f.mCodigoPeca, 22);
    EXPECT_EQ(f.mCodigoPecaComparacao, 11);
    EXPECT_EQ(Modulo::gParametro, QStringLiteral("C:%1:C").arg(c[2]));
    // A double click does nothing there.
    gravador.chamadas.clear();
    f.grdTHGrid1->DblClick();
    EXPECT_TRUE(gravador.chamadas.isEmpty());
}

TEST_F(Acoes, ThePhotoFollowsTheRowAndFailsToNoPhoto)
{
    frmTQ1& f = Abre();
    const demo::Summary& s = Demo();
    // The test catalogue has no picture files: the photos the cases name.
    const QString fotos = s.dataFolder + QStringLiteral("FotoPeca/");
    QImage foto(150, 77, QImage::Format_RGB32);
    foto.fill(Qt::darkGray);
    demo::SaveGif(foto, fotos + s.gifPhoto);
    ASSERT_TRUE(foto.save(fotos + QStringLiteral("FOTO_940_1.jpg"), "JPG"));
    ASSERT_TRUE(foto.save(fotos + QStringLiteral("BASE_TESTE.JPG"), "JPG"));

    // A GIF photo, then an assembly without a photo name.
    f.MostraListaPecas(1, QStringLiteral("PCA"), s.searchAssembly);
    EXPECT_FALSE(f.imgFotoPeca->Picture().isNull());
    f.MostraListaPecas(1, QStringLiteral("PCA"), s.assemblyPhotoNull);
    EXPECT_TRUE(f.imgFotoPeca->Picture().isNull());

    // Names as stored.
    QImage grande(600, 300, QImage::Format_RGB32);
    grande.fill(Qt::darkBlue);
    ASSERT_TRUE(grande.save(fotos + QStringLiteral("GRANDE_TESTE.PNG"), "PNG"));
    QFile corrompida(fotos + QStringLiteral("CORROMPIDA_TESTE.JPG"));
    ASSERT_TRUE(corrompida.open(QIODevice::WriteOnly));
    corrompida.write(QByteArray("\xFF\xD8\xFF\xE0 not a picture"));
    corrompida.close();
    const QString comBrancos = Modulo::ObtemValorSQL(
        QStringLiteral("SELECT ArquivoFotoPeca FROM PECA WHERE CodigoPeca = %1").arg(s.assemblyPhotoTrailingBlanks)).toString();
    const QString ausente = Modulo::ObtemValorSQL(
        QStringLiteral("SELECT ArquivoFotoPeca FROM PECA WHERE CodigoPeca = %1").arg(s.assemblyPhotoMissing)).toString();
    ASSERT_TRUE(comBrancos.endsWith(QLatin1Char(' ')));
    const struct {
        const char* nome;
        QString arquivo;
        QSize tamanho;  // empty: no photo
    } casos[] = {
        {"trailing blanks", comBrancos, QSize(150, 77)},
        {"larger, scaled into the box", QStringLiteral("GRANDE_TESTE.PNG"), QSize(150, 75)},
        {"missing file", ausente, QSize()},
        {"corrupt file", QStringLiteral("CORROMPIDA_TESTE.JPG"), QSize()},
        {"blank name", QStringLiteral("   "), QSize()},
        {"outside the data folder", QStringLiteral("..\\") + Modulo::NomeArquivoCatalogo(), QSize()},
        {"absolute name", QStringLiteral("/etc/hostname"), QSize()},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        Pesquisa::CarregaFotoPeca(f, QStringLiteral("BASE_TESTE.JPG"));
        ASSERT_FALSE(f.imgFotoPeca->Picture().isNull());
        Pesquisa::CarregaFotoPeca(f, c.arquivo);
        EXPECT_EQ(f.imgFotoPeca->Picture().isNull(), c.tamanho.isEmpty());
        if (!c.tamanho.isEmpty()) {
            EXPECT_EQ(f.imgFotoPeca->Picture().size(), c.tamanho);
        }
    }
    // Leaving the list clears the photo.
    f.EscondeListaPecas();
    EXPECT_TRUE(f.imgFotoPeca->Picture().isNull());
}

TEST_F(Acoes, TheCartAnimationPlaysTwelveFramesAndStopsAtTheTwentiethTick)
{
    frmTQ1& f = Abre();
    f.EfeitoCarrinho(true);  // idle: nothing changes
    EXPECT_FALSE(f.pctToolTipCarrinho->isVisibleTo(&f));

    f.EfeitoCarrinho(false);
    f.tmrAnimacao->stop();  // the ticks below by hand
    EXPECT_TRUE(f.pctToolTipCarrinho->isVisibleTo(&f));
    EXPECT_FALSE(f.pctAnimacaoCarro->isVisibleTo(&f));
    EXPECT_EQ(f.lblToolTipCarrinho->text(), Modulo::ObtemTexto(100));
    EXPECT_EQ(f.lblToolTipCarrinho->Tag(), QStringLiteral("1"));
    const auto tiques = [&f](int n) {
        for (int i = 0; i < n; ++i)
            Pesquisa::tmrAnimacao_Timer(f);
    };
    tiques(1);
    EXPECT_TRUE(f.pctAnimacaoCarro->isVisibleTo(&f));
    EXPECT_EQ(f.pctAnimacaoCarro->Picture().toImage(),
              Modulo::CarregaImagemRecurso(QStringLiteral("ANIMACAOCARRO1"), QStringLiteral("G")).toImage());
    // A second start 6 ticks later: the car again from frame 1, the end 20
    // ticks after it.
    tiques(5);
    f.EfeitoCarrinho(false);
    f.tmrAnimacao->stop();
    EXPECT_FALSE(f.pctAnimacaoCarro->isVisibleTo(&f));
    tiques(12);
    EXPECT_EQ(f.tmrAnimacao->property("Tag").toString(), QStringLiteral("12"));
    EXPECT_EQ(f.pctAnimacaoCarro->Picture().toImage(),
              Modulo::CarregaImagemRecurso(QStringLiteral("ANIMACAOCARRO12"), QStringLiteral("G")).toImage());
    tiques(7);
    EXPECT_TRUE(f.pctToolTipCarrinho->isVisibleTo(&f));
    EXPECT_TRUE(f.pctAnimacaoCarro->isVisibleTo(&f));
    tiques(1);
    EXPECT_FALSE(f.pctToolTipCarrinho->isVisibleTo(&f));
    EXPECT_FALSE(f.pctAnimacaoCarro->isVisibleTo(&f));
    EXPECT_FALSE(f.tmrAnimacao->isActive());

    // The real timer ends it by itself.
    f.EfeitoCarrinho(false);
    EXPECT_TRUE(QTest::qWaitFor([&f] { return !f.pctToolTipCarrinho->isVisibleTo(&f); }, 5000));
}

}  // namespace
