// Screen 4 offscreen on the demo catalogue: entering and leaving, pages and
// drawings, locate requests, marks and blinking, the hover panels, the right
// button and the item menu.

#include "asmfixture.h"

#include "assembly/consultas.h"
#include "assembly/estilos.h"
#include "assembly/utilcontroles.h"

#include "core/globals.h"
#include "core/texts.h"
#include "listcontrols/thcombo.h"
#include "platform/desktop/messagebox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

using namespace asmtest;
using Conjunto::Visivel;

namespace {

class Figura : public TelaConjunto {
protected:
    // Whether frame `quadro` (the current page's or the hover frame) marks
    // thumbnail `pagina` alone: shown, holding the thumbnail with some of
    // itself round it, and reaching no other thumbnail.
    ::testing::AssertionResult MarcaSo(const QWidget* quadro, int pagina)
    {
        const auto texto = [](const QRect& r) {
            return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
        };
        const QRect q = quadro->geometry(), m = V().Miniatura(pagina)->geometry();
        if (!Visivel(quadro))
            return ::testing::AssertionFailure() << "the frame of page " << pagina << " is hidden";
        if (!q.contains(m) || q.width() <= m.width() || q.height() <= m.height())
            return ::testing::AssertionFailure() << "frame " << texto(q) << " not round thumbnail " << pagina << " " << texto(m);
        const auto* figura = qobject_cast<const QLabel*>(quadro);
        if (!figura || figura->pixmap().size() != q.size())
            return ::testing::AssertionFailure() << "the frame of page " << pagina << " is not drawn at its size " << texto(q);
        for (int j = 0; j < V().Figura().QuantidadePartes(); ++j)
            if (j != pagina && q.intersects(V().Miniatura(j)->geometry()))
                return ::testing::AssertionFailure() << "frame " << texto(q) << " of page " << pagina << " covers thumbnail " << j << " "
                                                     << texto(V().Miniatura(j)->geometry());
        return ::testing::AssertionSuccess();
    }

    // Writes into `dir` a copy of the edition V catalogue (the shared one,
    // written by an earlier Abre) in which each of `figuras` (assemblies
    // without a figure) gets one of that many pages, one label a page and
    // no drawings, and the labels of `paginasDoJogo` go into kit `jogo`.
    void CopiaComFiguras(const tqtest::TempDir& dir, const std::vector<std::pair<long, int>>& figuras,
                         const std::vector<int>& paginasDoJogo, std::int64_t jogo)
    {
        const QString mdb = dir.file(QStringLiteral("DAZADIZETQ_V.MDB"));
        ASSERT_TRUE(QFile::copy(PastaDemo(QStringLiteral("V")) + QStringLiteral("/DAZADIZETQ_V.MDB"), mdb));
        auto ws = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("w"));
        auto db = ws->OpenDatabase(mdb);
        long codigo = db->OpenRecordset(QStringLiteral("SELECT MAX(CodigoFiguraDetalhada) FROM FIGURADETALHADA1"))->Value(0).toLongLong();
        ws->BeginTrans();
        for (const auto& [conjunto, partes] : figuras) {
            for (int p = 1; p <= partes; ++p)
                db->Execute(QStringLiteral("INSERT INTO FIGURADETALHADA1 (CodigoFiguraDetalhada, CodigoPeca, NumeroParte, ItemComponente, "
                                           "PosicaoLeft, PosicaoTop, DescricaoParteP) VALUES (%1, %2, %3, '%3', 100, 100, 'PARTE %3')")
                                .arg(++codigo)
                                .arg(conjunto)
                                .arg(p));
            for (int p : paginasDoJogo)
                if (p < partes)
                    db->Execute(QStringLiteral("INSERT INTO PECA_COMPONENTE_JOGOREPARO (CodigoPeca, ItemComponente, CodigoJogoReparo) "
                                               "VALUES (%1, '%2', %3)")
                                    .arg(conjunto)
                                    .arg(p + 1)
                                    .arg(jogo));
        }
        ws->CommitTrans();
        db->Close();
    }

    // Whether the screen as drawn shows thumbnail `pagina` whole under frame
    // `quadro` (the current page's or the hover frame) and the frame round
    // it: every pixel of the thumbnail as it is with the frame hidden, and
    // every pixel the frame draws outside the thumbnail as the frame draws
    // it, but where frame `outro` draws (the two frames may share the room
    // between two thumbnails, and mark the same one); some of them at least.
    ::testing::AssertionResult EmVista(QLabel* quadro, int pagina, const QLabel* outro)
    {
        QWidget* tela = C().pctTela4;
        const auto naTela = [&](const QWidget* w) { return QRect(w->parentWidget()->mapTo(tela, w->pos()), w->size()); };
        const QRect q = naTela(quadro), m = naTela(V().Miniatura(pagina));
        const QRect o = outro && Visivel(outro) ? naTela(outro) : QRect();
        const QImage desenhoOutro = o.isEmpty() ? QImage() : outro->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage com = tela->grab().toImage();
        quadro->setVisible(false);
        const QImage sem = tela->grab().toImage();
        quadro->setVisible(true);
        const QImage desenho = quadro->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        if (desenho.size() != q.size() || desenhoOutro.size() != o.size())
            return ::testing::AssertionFailure() << "the frames are not drawn at their sizes";
        for (int y = m.top(); y <= m.bottom(); ++y)
            for (int x = m.left(); x <= m.right(); ++x)
                if (com.pixel(x, y) != sem.pixel(x, y))
                    return ::testing::AssertionFailure() << "the frame hides thumbnail " << pagina << " at " << x - m.left() << ","
                                                         << y - m.top() << " of its " << m.width() << " x " << m.height() << " pixels";
        int vistos = 0;
        for (int y = q.top(); y <= q.bottom(); ++y)
            for (int x = q.left(); x <= q.right(); ++x) {
                const QRgb d = desenho.pixel(x - q.left(), y - q.top());
                if (m.contains(x, y) || qAlpha(d) != 255
                    || (o.contains(x, y) && qAlpha(desenhoOutro.pixel(x - o.left(), y - o.top())) != 0))
                    continue;
                if ((com.pixel(x, y) | 0xff000000u) != d)
                    return ::testing::AssertionFailure() << "the frame of page " << pagina << " is covered at " << x - q.left() << ","
                                                         << y - q.top();
                ++vistos;
            }
        if (vistos == 0 && !o.contains(q))
            return ::testing::AssertionFailure() << "nothing of the frame of page " << pagina << " is in sight";
        return ::testing::AssertionSuccess();
    }
};

}  // namespace

TEST_F(Figura, HistoryAndTheScreensBetweenFigureAndTable)
{
    Abre();
    D().AbreConjunto(s.showcaseAssembly, QString());
    EXPECT_EQ(F().mHistoricoTelas, QStringLiteral("0134"));
    EXPECT_TRUE(Visivel(C().pctTela4));
    EXPECT_FALSE(Visivel(F().pctTela[3]));
    EXPECT_TRUE(F().mFiguraCarregada);
    EXPECT_TRUE(Visivel(F().imgTabela));
    EXPECT_EQ(F().imgTabela->x(), 23);
    EXPECT_TRUE(F().lblSubTitulo->text().contains(QStringLiteral("TRANSMISS")));

    F().imgTabela_Click();  // 4 -> 5
    EXPECT_EQ(F().mHistoricoTelas, QStringLiteral("0135"));
    EXPECT_FALSE(Visivel(C().pctTela4));
    EXPECT_TRUE(Visivel(T().pctTela5));
    EXPECT_TRUE(F().mTabelaCarregada);

    // 5 -> 4: the table's current row is located on the figure.
    T().dtcTHGrid1->Recordset()->FindFirst(Conjunto::CriterioItem(s.itemsDotted[1]));
    const QString item = *V().ItemAtualTabela();
    EXPECT_EQ(item, s.itemsDotted[1]);
    F().imgFigura_Click();
    EXPECT_EQ(F().mHistoricoTelas, QStringLiteral("0134"));
    ASSERT_FALSE(V().ItensDestacados().empty());
    EXPECT_EQ(V().Figura().ObtemTextoItem(V().ItensDestacados().front().indice, false), item);
    EXPECT_TRUE(Modulo::gParametro.isEmpty());

    // 8 -> 4 replaces the comparison's digit.
    F().mHistoricoTelas = QStringLiteral("0198");
    F().pctTela[8]->setVisible(true);
    Modulo::gParametro = QStringLiteral("C:%1:C").arg(s.componentOnTwoPages);
    F().MostraFigura(8);
    EXPECT_EQ(F().mHistoricoTelas, QStringLiteral("0194"));
    EXPECT_FALSE(Visivel(F().pctTela[8]));

    // Back to the parts list leaves the assembly: nothing of the figure stays.
    F().mHistoricoTelas = QStringLiteral("0134");
    F().imgVoltar_Click();
    EXPECT_EQ(F().mHistoricoTelas, QStringLiteral("013"));
    EXPECT_TRUE(Visivel(F().pctTela[3]));
    EXPECT_FALSE(Visivel(C().pctTela4));
    EXPECT_EQ(V().Figura().UltimoItem(), 0);
    EXPECT_FALSE(V().RsItensFigura());
    EXPECT_FALSE(Visivel(C().cboTHCombo2));
    EXPECT_TRUE(F().pctTitulo->isHidden());
    EXPECT_TRUE(F().lblSubTitulo->text().isEmpty());
}

TEST_F(Figura, PagesThumbnailsAndWrap)
{
    Abre();
    D().AbreConjunto(s.showcaseAssembly, QString());
    const int partes = V().Figura().QuantidadePartes();
    ASSERT_EQ(partes, s.showcasePages);
    EXPECT_EQ(F().mParteFiguraAtual, 0);
    for (int i = 0; i < partes; ++i)
        EXPECT_TRUE(Visivel(V().Miniatura(i))) << i;
    EXPECT_FALSE(Visivel(V().Miniatura(partes)));
    // The current page's frame stands 4 pixels out of its thumbnail.
    EXPECT_EQ(C().imgQuadradoParteAtual->pos(), V().Miniatura(0)->pos() - QPoint(4, 4));
    EXPECT_TRUE(Visivel(C().imgQuadradoParteAtual));
    // Only the labels of the page shown are visible.
    const Conjunto::ParteFigura& p0 = V().Figura().Parte(0);
    std::vector<int> esperados;
    for (int i = p0.primeiro; i <= p0.ultimo; ++i)
        esperados.push_back(i);
    EXPECT_EQ(RotulosVisiveis(), esperados);

    // The window's keys: PgUp on page 0 shows the last page, PgDn on the
    // last page 0.
    int pgUp = 33, pgDn = 34;
    F().Form_KeyDown(pgUp, 0);
    EXPECT_EQ(F().mParteFiguraAtual, partes - 1);
    EXPECT_EQ(V().ArquivoFiguraAtual(), QStringLiteral("FIG_000_%1.jpg").arg(partes));
    EXPECT_EQ(C().lblDescricaoParteFigura->text(), V().Figura().Parte(partes - 1).descricao);
    F().Form_KeyDown(pgDn, 0);
    EXPECT_EQ(F().mParteFiguraAtual, 0);
    EXPECT_EQ(RotulosVisiveis(), esperados);
    // The wheel over the figure: towards the user the next page, away the
    // previous one.
    F().pctTela_MouseMove(4);
    const auto roda = [&](int distancia) {
        const QPoint centro = C().pctTela4->mapToGlobal(C().pctTela4->rect().center());
        QWheelEvent e(F().mapFromGlobal(QPointF(centro)), QPointF(centro), QPoint(), QPoint(0, distancia), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&F(), &e);
    };
    roda(-120);
    EXPECT_EQ(V().ParteFiguraAtual(), 1);
    roda(120);
    EXPECT_EQ(V().ParteFiguraAtual(), 0);
    // A thumbnail's click shows its page.
    Q_EMIT V().Miniatura(2)->Click();
    EXPECT_EQ(V().ParteFiguraAtual(), 2);
    F().imgParteFigura_Click(0);

    // Hovering a thumbnail names its page in grey; the current one is not clickable.
    V().imgParteFigura_MouseMove(2);
    EXPECT_EQ(F().mChaveDestaque, QStringLiteral("PARTEFIGURA2"));
    EXPECT_EQ(C().lblDescricaoParteFigura->text(), V().Figura().Parte(2).descricao);
    EXPECT_EQ(Conjunto::CorTexto(C().lblDescricaoParteFigura), 0x808080);
    EXPECT_EQ(V().Miniatura(0)->MousePointer(), 0);
    EXPECT_EQ(V().Miniatura(1)->MousePointer(), 99);

    // A one-page figure has no thumbnail and the keys keep its page.
    V().FechaConjunto();
    D().AbreConjunto(s.assemblyOnePage, QString());
    EXPECT_FALSE(Visivel(V().Miniatura(0)));
    EXPECT_FALSE(Visivel(C().imgQuadradoParteAtual));
    EXPECT_EQ(V().ParteSeguinte(), 0);
    F().Form_KeyDown(pgDn, 0);
    EXPECT_EQ(F().mParteFiguraAtual, 0);
}

TEST_F(Figura, DrawingsInEveryFormatAndTheMissingOnes)
{
    Abre();
    D().AbreConjunto(s.casesAssembly, QString());
    struct Caso {
        int pagina;
        QString arquivo;  // "" : an empty drawing
    };
    // Page 0 holds the rows of part 0.
    for (const Caso& c : std::vector<Caso>{{s.casesPageGif, QStringLiteral("FIG_CASOS_0.gif")},
                                           {s.casesPageBmp, QStringLiteral("FIG_CASOS_1.bmp")},
                                           {s.casesPageOtherCase, s.casesStoredOtherCase},
                                           {s.casesPageCorrupt, QString()},
                                           {s.casesPagePng, QStringLiteral("FIG_CASOS_4.png")}}) {
        SCOPED_TRACE(c.pagina);
        V().imgParteFigura_Click(c.pagina);
        EXPECT_EQ(F().mParteFiguraAtual, c.pagina);
        EXPECT_EQ(V().ArquivoFiguraAtual(), c.arquivo);
        EXPECT_EQ(C().imgFiguraDetalhada->size(), QSize(700, 415));
        EXPECT_EQ(C().imgFiguraDetalhada->pixmap().isNull(), c.arquivo.isEmpty());
        EXPECT_FALSE(RotulosVisiveis().empty());
    }
    // The hot spot without an item is no label.
    EXPECT_EQ(V().Figura().UltimoItem(),
              Valor(QStringLiteral("SELECT count(*) FROM FIGURADETALHADA1 WHERE CodigoPeca = %1 AND ItemComponente IS NOT NULL").arg(s.casesAssembly)).toInt());

    // A page whose file is missing, and one without a file name: empty drawings, labels placed.
    V().FechaConjunto();
    D().AbreConjunto(s.assemblyMissingDrawing, QString());
    for (int numero : {s.pageMissingDrawing, s.pageWithoutFile}) {
        V().imgParteFigura_Click(numero - 1);
        EXPECT_EQ(V().ArquivoFiguraAtual(), QString()) << numero;
        EXPECT_TRUE(C().imgFiguraDetalhada->pixmap().isNull());
        EXPECT_FALSE(RotulosVisiveis().empty());
    }
    V().imgParteFigura_Click(0);
    EXPECT_FALSE(V().ArquivoFiguraAtual().isEmpty());
    EXPECT_TRUE(caixas.shown.empty());
}

TEST_F(Figura, DrawingNamesThatLeadAnywhereElseGiveAnEmptyDrawing)
{
    // A copy of the catalogue whose first pages name files in odd ways.
    tqtest::TempDir dir;
    const QString origem = PastaDemo(QStringLiteral("V"));
    {
        Abre();  // writes the shared folder when needed
        TearDown();
    }
    ASSERT_TRUE(QFile::copy(origem + QStringLiteral("/DAZADIZETQ_V.MDB"), dir.file(QStringLiteral("DAZADIZETQ_V.MDB"))));
    ASSERT_TRUE(QDir().mkpath(dir.file(QStringLiteral("Figuras/SUB"))));
    ASSERT_TRUE(QFile::copy(origem + QStringLiteral("/Figuras/FIG_CASOS_2.jpg"), dir.file(QStringLiteral("Figuras/SUB/FIG.jpg"))));
    tqtest::writeFile(dir.file(QStringLiteral("Figuras/VAZIA.jpg")), QByteArray());
    const QByteArray inteira = tqtest::readFile(origem + QStringLiteral("/Figuras/FIG_CASOS_2.jpg"));
    tqtest::writeFile(dir.file(QStringLiteral("Figuras/TRUNCADA.jpg")), inteira.left(inteira.size() / 3));
    tqtest::writeFile(dir.file(QStringLiteral("Figuras/TEXTO.jpg")), "not a picture at all");
    const QStringList nomes{QStringLiteral("sub\\fig.JPG"), QStringLiteral("..\\DAZADIZETQ_V.MDB"), QStringLiteral("/etc/hostname"),
                            QStringLiteral("VAZIA.jpg"),   QStringLiteral("TEXTO.jpg"),           QStringLiteral("TRUNCADA.jpg")};
    {
        auto ws = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("w"));
        auto db = ws->OpenDatabase(dir.file(QStringLiteral("DAZADIZETQ_V.MDB")));
        for (int k = 0; k < 5; ++k)
            db->Execute(QStringLiteral("UPDATE FIGURADETALHADA1 SET ArquivoFigura = '%1' WHERE CodigoPeca = %2 AND NumeroParte = %3")
                            .arg(QString(nomes[k]).replace(QLatin1Char('\''), QStringLiteral("''")))
                            .arg(s.casesAssembly)
                            .arg(k));
        db->Close();
    }
    Abre(QStringLiteral("V"), QStringLiteral("P"), dir.path());
    D().AbreConjunto(s.casesAssembly, QString());
    V().imgParteFigura_Click(1);
    V().imgParteFigura_Click(0);
    EXPECT_EQ(V().ArquivoFiguraAtual(), nomes[0]);  // backslash and letter case resolved
    for (int k = 1; k < 5; ++k) {
        V().imgParteFigura_Click(k);
        EXPECT_EQ(V().ArquivoFiguraAtual(), QString()) << nomes[k].toStdString();
        EXPECT_EQ(C().imgFiguraDetalhada->size(), QSize(700, 415));
        EXPECT_FALSE(RotulosVisiveis().empty());
    }
    EXPECT_TRUE(caixas.shown.empty());
}

TEST_F(Figura, ThirtyOnePagesAndMoreThan999Labels)
{
    Abre();
    D().AbreConjunto(s.bigFigureAssembly, QString());
    ASSERT_EQ(V().Figura().QuantidadePartes(), 31);
    EXPECT_EQ(V().Figura().UltimoItem(), s.bigFigureLabels);
    int direita = 0;
    for (int i = 0; i < 31; ++i) {
        QLabel* m = V().Miniatura(i);
        ASSERT_TRUE(m) << i;
        EXPECT_TRUE(Visivel(m)) << i;
        EXPECT_GT(m->x(), direita - 17) << i;
        direita = m->x() + m->width();
    }
    EXPECT_LE(direita, 701);
    EXPECT_FALSE(V().Miniatura(30)->pixmap().isNull());
    // The keys reach the 31st page and wrap.
    V().imgParteFigura_Click(V().ParteAnterior());
    EXPECT_EQ(F().mParteFiguraAtual, 30);
    const Conjunto::ParteFigura& ultima = V().Figura().Parte(30);
    EXPECT_EQ(ultima.ultimo, s.bigFigureLabels);
    EXPECT_GT(ultima.ultimo, 999);
    EXPECT_EQ(int(RotulosVisiveis().size()), ultima.ultimo - ultima.primeiro + 1);
    V().imgParteFigura_Click(V().ParteSeguinte());
    EXPECT_EQ(F().mParteFiguraAtual, 0);
    // A kit with an item on every page frames every thumbnail.
    EscolheJogo(s.bigFigureKit);
    for (int i = 0; i < 31; ++i)
        EXPECT_TRUE(V().MiniaturaEmoldurada(i)) << i;
    // The frames keep their design size round the thumbnails, which are
    // still of the design size, each on its own page.
    for (int i : {0, 15, 30}) {
        V().imgParteFigura_Click(i);
        V().imgParteFigura_MouseMove((i + 1) % 31);
        EXPECT_TRUE(MarcaSo(C().imgQuadradoParteAtual, i));
        EXPECT_TRUE(MarcaSo(C().imgQuadradoParteSelecionada, (i + 1) % 31));
        EXPECT_EQ(C().imgQuadradoParteAtual->geometry(), V().Miniatura(i)->geometry().adjusted(-3, -3, 3, 3));
    }
    // Leaving the figure puts the window's thumbnails back and drops the rest.
    V().FechaFigura();
    EXPECT_EQ(V().Miniatura(29)->geometry(), QRect(16 + 23 * 29, 560, 17, 11));
    EXPECT_FALSE(V().Miniatura(30));
}

TEST_F(Figura, ThumbnailsOfManyPagesStayApartAndEachClickShowsItsPage)
{
    // A copy of the catalogue in which two assemblies without a figure get
    // one of 60 and one of 200 pages (one label each, no drawings), the
    // labels of a few pages in a kit: neighbours in a row and one below
    // the other (the 200 pages take two rows of 100).
    tqtest::TempDir dir;
    {
        Abre();  // writes the shared folder when needed
        TearDown();
    }
    const std::pair<long, int> casos[] = {{s.showcaseAssembly, s.showcasePages}, {s.comparisonFirst, 60}, {s.comparisonSecond, 200}};
    const std::vector<int> paginasDoJogo = {10, 11, 12, 20, 110, 111};
    const std::int64_t jogo = s.bigFigureKit;
    ASSERT_NO_FATAL_FAILURE(CopiaComFiguras(dir, {casos[1], casos[2]}, paginasDoJogo, jogo));
    Abre(QStringLiteral("V"), QStringLiteral("P"), dir.path());
    // The frames' design pictures, 25 x 19.
    const QImage desenhoAtual = C().imgQuadradoParteAtual->pixmap().toImage();
    const QImage desenhoSelecao = C().imgQuadradoParteSelecionada->pixmap().toImage();
    ASSERT_EQ(desenhoAtual.size(), QSize(25, 19));
    ASSERT_EQ(desenhoSelecao.size(), QSize(25, 19));
    // Up to 30 pages the frames are the design pictures 4 pixels out of the
    // thumbnail.
    const auto comoDesenhados = [&](int atual, int sob) {
        EXPECT_EQ(C().imgQuadradoParteAtual->geometry(), V().Miniatura(atual)->geometry().adjusted(-4, -4, 4, 4));
        EXPECT_EQ(C().imgQuadradoParteSelecionada->geometry(), V().Miniatura(sob)->geometry().adjusted(-4, -4, 4, 4));
        EXPECT_EQ(C().imgQuadradoParteAtual->pixmap().toImage(), desenhoAtual);
        EXPECT_EQ(C().imgQuadradoParteSelecionada->pixmap().toImage(), desenhoSelecao);
    };
    for (const auto& [conjunto, partes] : casos) {
        SCOPED_TRACE(partes);
        D().AbreConjunto(conjunto, QString());
        ASSERT_EQ(V().Figura().QuantidadePartes(), partes);
        std::vector<QRect> retangulos;
        for (int i = 0; i < partes; ++i) {
            ASSERT_TRUE(Visivel(V().Miniatura(i))) << i;
            retangulos.push_back(V().Miniatura(i)->geometry());
            EXPECT_FALSE(retangulos.back().isEmpty()) << i;
        }
        for (int i = 0; i < partes; ++i)
            for (int j = i + 1; j < partes; ++j)
                ASSERT_FALSE(retangulos[std::size_t(i)].intersects(retangulos[std::size_t(j)])) << i << " " << j;
        // A click at the middle of each thumbnail lands on it and shows its
        // page, whose thumbnail the frame marks; the pointer on the next
        // thumbnail, the hover frame marks that one.
        for (int k = 1; k <= partes; ++k) {
            const int i = k % partes;
            const QPoint centro = retangulos[std::size_t(i)].center();
            QWidget* alvo = C().pctTela4->childAt(centro);
            ASSERT_EQ(alvo, V().Miniatura(i)) << i;
            QTest::mouseClick(alvo, Qt::LeftButton, Qt::NoModifier, alvo->mapFrom(C().pctTela4, centro));
            EXPECT_EQ(V().ParteFiguraAtual(), i) << i;
            EXPECT_TRUE(MarcaSo(C().imgQuadradoParteAtual, i));
            const int sob = (i + 1) % partes;
            V().imgParteFigura_MouseMove(sob);
            EXPECT_TRUE(MarcaSo(C().imgQuadradoParteSelecionada, sob));
            if (partes <= 30)
                comoDesenhados(i, sob);
        }
        if (partes > 30) {
            // The kit frames its pages' thumbnails (a pixel larger each
            // side); the frames still mark one thumbnail each, the current
            // page's also when its thumbnail is framed while it shows.
            V().imgParteFigura_Click(11);
            EscolheJogo(jogo);
            for (int p = 0; p < partes; ++p)
                ASSERT_EQ(V().MiniaturaEmoldurada(p), std::count(paginasDoJogo.begin(), paginasDoJogo.end(), p) > 0) << p;
            EXPECT_TRUE(MarcaSo(C().imgQuadradoParteAtual, 11));
            for (int i : {9, 10, 11, 12, 13, 19, 20, 21, 110, 111, 112, 5}) {
                if (i >= partes)
                    continue;
                V().imgParteFigura_Click(i);
                EXPECT_TRUE(MarcaSo(C().imgQuadradoParteAtual, i)) << i;
                V().imgParteFigura_MouseMove(i + 1);
                EXPECT_TRUE(MarcaSo(C().imgQuadradoParteSelecionada, i + 1)) << i;
                V().imgParteFigura_MouseMove(i - 1);
                EXPECT_TRUE(MarcaSo(C().imgQuadradoParteSelecionada, i - 1)) << i;
            }
            // The kit's frames gone, the frame hugs the thumbnail again (the
            // thumbnails two pixels apart leave it a pixel).
            V().imgParteFigura_Click(11);
            EscolheJogo(0);
            EXPECT_FALSE(V().MiniaturaEmoldurada(11));
            EXPECT_TRUE(MarcaSo(C().imgQuadradoParteAtual, 11));
            EXPECT_EQ(C().imgQuadradoParteAtual->geometry(), V().Miniatura(11)->geometry().adjusted(-1, -1, 1, 1));
        }
        V().FechaConjunto();
        // Leaving puts the window's thumbnails back as they were.
        EXPECT_EQ(V().Miniatura(29)->geometry(), QRect(16 + 23 * 29, 560, 17, 11));
        EXPECT_EQ(V().Miniatura(29)->pixmap().size(), QSize(17, 11));
    }
    // A figure of fewer pages after them: the frames as designed again.
    D().AbreConjunto(s.showcaseAssembly, QString());
    V().imgParteFigura_MouseMove(1);
    comoDesenhados(0, 1);
}

// What the user sees of the thumbnail row while the pointer goes from
// thumbnail to thumbnail: the thumbnail under the pointer and the current
// page's stay whole, their numbers in sight, with their frames round them,
// at page counts on both sides of the design's 30 thumbnails and of where
// the frames stop fitting at their design size, with and without the kit
// frames of a chosen kit.
TEST_F(Figura, TheFramesLeaveTheThumbnailTheyMarkInSightAtAnyPageCount)
{
    const int contagens[] = {2, 3, 30, 31, 32, 35, 36, 60, 200};
    std::vector<std::pair<long, int>> figuras;
    {
        Abre();
        const auto rs = Modulo::gDbDazadize->OpenRecordset(QStringLiteral(
            "SELECT CodigoPeca FROM PECA WHERE CodigoPeca NOT IN (SELECT CodigoPeca FROM FIGURADETALHADA1) ORDER BY CodigoPeca"));
        for (int contagem : contagens) {
            ASSERT_FALSE(rs->EOF_()) << "too few assemblies without a figure";
            figuras.emplace_back(long(rs->Value(0).toLongLong()), contagem);
            rs->MoveNext();
        }
        TearDown();
    }
    tqtest::TempDir dir;
    const std::vector<int> paginasDoJogo = {0, 1, 2, 29, 30, 31, 34, 35, 58, 59, 100, 198};
    ASSERT_NO_FATAL_FAILURE(CopiaComFiguras(dir, figuras, paginasDoJogo, s.bigFigureKit));
    Abre(QStringLiteral("V"), QStringLiteral("P"), dir.path());
    QLabel* atual = C().imgQuadradoParteAtual;
    QLabel* sob = C().imgQuadradoParteSelecionada;
    for (const auto& [conjunto, partes] : figuras) {
        D().AbreConjunto(conjunto, QString());
        ASSERT_EQ(V().Figura().QuantidadePartes(), partes);
        for (bool kit : {false, true}) {
            EscolheJogo(kit ? s.bigFigureKit : 0);
            for (int pagina : {0, 1, partes / 2, partes - 1}) {
                SCOPED_TRACE(testing::Message() << partes << " pages, kit frames " << (kit ? "on" : "off") << ", page " << pagina);
                F().DestacaControle(QStringLiteral("FORM"));
                V().imgParteFigura_Click(pagina);
                ASSERT_EQ(V().ParteFiguraAtual(), pagina);
                EXPECT_TRUE(EmVista(atual, pagina, nullptr));
                // The pointer from the thumbnail before to the two after,
                // over the current one, and to both ends of the row.
                for (int passo : {-1, 0, 1, 2, 0 - pagina, partes - 1 - pagina}) {
                    const int i = pagina + passo;
                    if (i < 0 || i >= partes)
                        continue;
                    V().imgParteFigura_MouseMove(i);
                    ASSERT_TRUE(Visivel(sob));
                    EXPECT_TRUE(EmVista(sob, i, atual)) << "hovering " << i;
                    EXPECT_TRUE(EmVista(atual, pagina, sob)) << "hovering " << i;
                }
            }
        }
        V().FechaConjunto();
    }
}

TEST_F(Figura, LocateRequestsMarksAndTheNotDrawnBox)
{
    Abre();
    // A component drawn on two pages: both labels blink, the first page
    // shows, the data line names the component in red.
    D().AbreConjunto(s.casesAssembly, QStringLiteral("C:%1:C").arg(s.componentOnTwoPages));
    ASSERT_EQ(V().ItensDestacados().size(), 2u);
    const int a = Rotulo(s.itemsOfComponentOnTwoPages[0]), b = Rotulo(s.itemsOfComponentOnTwoPages[1]);
    EXPECT_EQ(V().ItensDestacados()[0].indice, a);
    EXPECT_EQ(V().ItensDestacados()[1].indice, b);
    EXPECT_NE(V().Figura().Item(a).pagina, V().Figura().Item(b).pagina);
    EXPECT_EQ(F().mParteFiguraAtual, V().Figura().Item(a).pagina);
    EXPECT_TRUE(L(a)->FontBold() && L(b)->FontBold());
    EXPECT_EQ(Conjunto::CorTexto(C().lblComponente), 0x0000FF);
    EXPECT_FALSE(C().lblComponente->text().isEmpty());
    EXPECT_TRUE(Visivel(C().imgTitNoTQ2));
    EXPECT_TRUE(C().tmrFigura->isActive());
    EXPECT_TRUE(caixas.shown.empty());

    // Blinking: white at the first tick, red at the second.
    EsperaTique();
    EXPECT_EQ(L(a)->ForeColor(), 0xFFFFFF);
    EsperaTique();
    EXPECT_EQ(L(a)->ForeColor(), 0x0000FF);
    // Hovering a label stops the blinking and restores the marks.
    Passa(Rotulo(QStringLiteral("04.010")));
    EXPECT_FALSE(C().tmrFigura->isActive());
    EXPECT_FALSE(L(a)->FontBold());
    EXPECT_EQ(L(a)->ForeColor(), 0);

    // An item not drawn: page 0, then the box naming text 24.
    V().FechaConjunto();
    D().AbreConjunto(s.showcaseAssembly, QStringLiteral("I:ZZ.999:I"));
    EXPECT_EQ(F().mParteFiguraAtual, 0);
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_EQ(caixas.last().text, QStringLiteral("Item não representado graficamente."));
    EXPECT_EQ(caixas.last().icon(), platform::vbInformation);
    EXPECT_EQ(caixas.last().title, Modulo::ObtemTexto(19));

    // An assembly without a figure: the box too, on the run's first figure.
    V().FechaConjunto();
    D().AbreConjunto(s.assemblyWithoutFigure, QStringLiteral("C:1:C"));
    EXPECT_EQ(caixas.shown.size(), 2u);
    EXPECT_EQ(F().mParteFiguraAtual, 255);
    EXPECT_TRUE(Visivel(C().pctTela4));

    // An empty request marks nothing and says nothing; a malformed one too.
    V().FechaConjunto();
    D().AbreConjunto(s.showcaseAssembly, QStringLiteral("C:12"));
    EXPECT_TRUE(V().ItensDestacados().empty());
    EXPECT_EQ(caixas.shown.size(), 2u);
}

TEST_F(Figura, KitRequestFramesItsPagesAndTheTimerStopsAtItsFirstTick)
{
    Abre();
    const std::int64_t jogo = Valor(QStringLiteral("SELECT TOP 1 CodigoJogoReparo FROM PECA_COMPONENTE_JOGOREPARO WHERE CodigoPeca = %1 AND ItemComponente = '%2'")
                                        .arg(s.showcaseAssembly)
                                        .arg(s.itemInThreeKits))
                                  .toLongLong();
    D().AbreConjunto(s.showcaseAssembly, QStringLiteral("J:%1:J").arg(jogo));
    EXPECT_EQ(V().CodigoJogoReparoAtual(), jogo);
    const auto& figura = V().Figura();
    int primeiro = -1;
    for (int i = 1; i <= figura.UltimoItem(); ++i) {
        const bool doJogo = figura.Item(i).PertenceAoJogo(jogo);
        EXPECT_EQ(L(i)->EstiloItem, doJogo ? 1 : (figura.Item(i).estilo == 2 ? 2 : 0)) << i;
        if (doJogo) {
            EXPECT_EQ(L(i)->BackStyle(), 1);
            if (primeiro < 0)
                primeiro = i;
        }
    }
    ASSERT_GT(primeiro, 0);
    EXPECT_EQ(F().mParteFiguraAtual, figura.Item(primeiro).pagina);
    const std::vector<int> paginasDoJogo = Conjunto::PartesDoJogo(figura, jogo);
    ASSERT_FALSE(paginasDoJogo.empty());
    for (int p = 0; p < figura.QuantidadePartes(); ++p)
        EXPECT_EQ(V().MiniaturaEmoldurada(p), std::count(paginasDoJogo.begin(), paginasDoJogo.end(), p) > 0) << p;
    EXPECT_TRUE(caixas.shown.empty());
    EXPECT_TRUE(C().tmrFigura->isActive());
    EsperaTique();
    EXPECT_FALSE(C().tmrFigura->isActive());

    // A kit the combo does not list: the all row, no marks, the box with text 4.
    V().FechaConjunto();
    D().AbreConjunto(s.showcaseAssembly, QStringLiteral("J:%1:J").arg(s.bigFigureKit));
    EXPECT_EQ(V().CodigoJogoReparoAtual(), 0);
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_TRUE(caixas.last().text.startsWith(Modulo::ObtemTexto(4)));
    // The all row takes every kit marking away.
    V().FechaConjunto();
    D().AbreConjunto(s.showcaseAssembly, QStringLiteral("J:%1:J").arg(jogo));
    EscolheJogo(0);
    for (int i = 1; i <= figura.UltimoItem(); ++i)
        EXPECT_EQ(L(i)->BackStyle(), 0);
    for (int p = 0; p < figura.QuantidadePartes(); ++p)
        EXPECT_FALSE(V().MiniaturaEmoldurada(p));

    // A component and a kit in one request: the kit's items marked, the
    // located labels still bold and blinking.
    V().FechaConjunto();
    const std::int64_t componente = Valor(QStringLiteral("SELECT CodigoComponente FROM PECA_COMPONENTE WHERE CodigoPeca = %1 AND ItemComponente = '%2'")
                                              .arg(s.showcaseAssembly)
                                              .arg(s.itemInThreeKits))
                                        .toLongLong();
    D().AbreConjunto(s.showcaseAssembly, QStringLiteral("C:%1:CJ:%2:J").arg(componente).arg(jogo));
    EXPECT_EQ(V().CodigoJogoReparoAtual(), jogo);
    int localizados = 0;
    for (const auto& marca : V().ItensDestacados()) {
        if (!marca.pisca)
            continue;
        ++localizados;
        EXPECT_EQ(V().Figura().ObtemTextoItem(marca.indice, false), s.itemInThreeKits);
        EXPECT_TRUE(L(marca.indice)->FontBold()) << marca.indice;
        EXPECT_EQ(L(marca.indice)->BackStyle(), 1) << "also an item of the kit";
    }
    EXPECT_GT(localizados, 0);
    EXPECT_TRUE(C().tmrFigura->isActive());
}

TEST_F(Figura, HoverRedAndBlueLabelsDataLineAndPanels)
{
    Abre();
    D().AbreConjunto(s.showcaseAssembly, QString());
    const int i = Rotulo(s.itemDrawnTwice), twin = Rotulo(s.itemDrawnTwice, 1);
    ASSERT_GT(twin, 0);
    Passa(i);
    EXPECT_EQ(F().mItemSobMouse, i);
    EXPECT_TRUE(Visivel(C().shpSelecaoItem));
    EXPECT_EQ(C().shpSelecaoItem->pos(), L(i)->pos() - QPoint(4, 2));
    EXPECT_EQ(C().shpSelecaoItem->height(), 17);
    EXPECT_EQ(L(twin)->ForeColor(), 0x0000FF);
    EXPECT_TRUE(L(twin)->FontBold());
    const Conjunto::ItensRelacionados rel = Conjunto::RelacionadosDoItem(V().Figura(), i);
    for (int azul : rel.azuis) {
        EXPECT_EQ(L(azul)->ForeColor(), 0xFF0000) << azul;
        EXPECT_TRUE(L(azul)->FontBold());
    }
    for (int p : rel.partes)
        EXPECT_TRUE(V().MiniaturaEmoldurada(p)) << p;
    // The data line holds the item's component.
    const QString numero = Valor(QStringLiteral("SELECT Format(c.NumeroEmpresaComponente, '0000 000 000') FROM PECA_COMPONENTE AS pc INNER JOIN "
                                                "COMPONENTE AS c ON c.CodigoComponente = pc.CodigoComponente WHERE pc.CodigoPeca = %1 AND "
                                                "pc.ItemComponente = '%2' AND pc.FlagOpcionalComponente = 0")
                                    .arg(s.showcaseAssembly)
                                    .arg(s.itemDrawnTwice))
                               .toString();
    EXPECT_EQ(C().lblNumeroEmpresa->text(), numero);
    EXPECT_TRUE(Visivel(C().imgTitNoTQ2));
    EXPECT_FALSE(Visivel(C().lblInstrucoesF));
    // Moving within the label does nothing; moving onto the bare screen clears.
    V().lblItem_MouseMove(i);
    EXPECT_EQ(F().mItemSobMouse, i);
    V().LimpaSelecaoItem(false);
    EXPECT_EQ(F().mItemSobMouse, -1);
    EXPECT_EQ(L(twin)->ForeColor(), 0);
    EXPECT_FALSE(Visivel(C().shpSelecaoItem));
    EXPECT_TRUE(C().lblNumeroEmpresa->text().isEmpty());
    for (int p = 0; p < V().Figura().QuantidadePartes(); ++p)
        EXPECT_FALSE(V().MiniaturaEmoldurada(p));
}

TEST_F(Figura, ItemsOfTheCasesAssemblyOnTheDataLineAndTheKitPanel)
{
    Abre(QStringLiteral("V"), QStringLiteral("I"));
    D().AbreConjunto(s.casesAssembly, QString());
    // The apostrophe item is found; its kit panel lists its kit.
    Passa(Rotulo(s.itemApostrophe));
    EXPECT_FALSE(C().lblComponente->text().isEmpty());
    EXPECT_TRUE(Visivel(C().pctJogoReparo));
    ASSERT_EQ(V().LinhasPainelJogos().size(), 1u);
    EXPECT_EQ(V().LinhasPainelJogos()[0].first, Valor(QStringLiteral("SELECT Format(NumeroEmpresaJogoReparo, '0000 000 000') FROM JOGOREPARO WHERE CodigoJogoReparo = %1")
                                                           .arg(s.kitWithGeneralNote))
                                                       .toString());
    // Two kits: two rows, the second below the first's description.
    Passa(Rotulo(s.itemAllFlags));
    const auto linhas = V().LinhasPainelJogos();
    ASSERT_EQ(linhas.size(), 2u);
    EXPECT_EQ(C().pctJogoReparo->y(), C().imgFiguraDetalhada->y());
    // The kit flag without kit rows hides the panel rather than keep the last item's kits.
    Passa(Rotulo(s.itemKitFlagWithoutKits));
    EXPECT_FALSE(Visivel(C().pctJogoReparo));
    // A Null quantity shows empty; the lower-case item is found.
    Passa(Rotulo(s.itemNullQuantity));
    EXPECT_TRUE(C().lblQuantidade->text().isEmpty());
    EXPECT_FALSE(C().lblComponente->text().isEmpty());
    Passa(Rotulo(s.itemLowerCase));
    EXPECT_FALSE(C().lblComponente->text().isEmpty());
    // Not applicable: grey italic label, the text 30 line, no panels.
    const int na = Rotulo(s.itemNotApplicable);
    EXPECT_EQ(L(na)->EstiloItem, 2);
    EXPECT_TRUE(L(na)->FontItalic());
    EXPECT_EQ(L(na)->ForeColor(), 0x808080);
    Passa(na);
    EXPECT_EQ(C().lblObsRapida->text(), QStringLiteral("NOT APPLICABLE"));
    EXPECT_TRUE(C().lblComponente->text().isEmpty());
    EXPECT_FALSE(Visivel(C().imgTitNoTQ2));
    EXPECT_FALSE(Visivel(C().pctToolTipFig_Pop));
    V().lblItem_MouseUp(na, 1);
    EXPECT_TRUE(menus.shown.empty());
}

TEST_F(Figura, TooltipAndRightButtonStepThroughAnItemsComponents)
{
    // Edition M: paging lines and the components of the three-component item.
    Abre(QStringLiteral("M"));
    D().AbreConjunto(s.casesAssembly, QString());
    const int i = Rotulo(s.itemThreeComponents);
    Passa(i);
    EXPECT_TRUE(Visivel(C().pctToolTipFig_Pop));
    EXPECT_TRUE(Visivel(C().lblPaginaXdeXF_Pop));
    EXPECT_EQ(C().lblPaginaXdeXF_Pop->text(), QStringLiteral("Item 1 de 3"));
    QStringList vistos{C().lblNumeroEmpresa->text()};
    for (const char* esperado : {"Item 2 de 3", "Item 3 de 3", "Item 1 de 3"}) {
        V().lblItem_MouseUp(i, 2);
        EXPECT_EQ(C().lblPaginaXdeXF_Pop->text(), QString::fromUtf8(esperado));
        vistos << C().lblNumeroEmpresa->text();
    }
    EXPECT_EQ(vistos[0], vistos[3]);
    EXPECT_EQ(QSet<QString>(vistos.begin(), vistos.end()).size(), 3);
    // The panel sits beside the frame, its bottom 10 pixels below the frame's top.
    const QRect painel = C().pctToolTipFig_Pop->geometry(), quadro = C().shpSelecaoItem->geometry();
    EXPECT_EQ(painel.top() + painel.height(), quadro.top() + 10);
    EXPECT_TRUE(painel.left() == quadro.right() + 3 || painel.right() == quadro.left() - 3);
    TearDown();

    // Other editions: no paging lines, the right button still steps.
    Abre(QStringLiteral("V"));
    D().AbreConjunto(s.casesAssembly, QString());
    const int j = Rotulo(s.itemThreeComponents);
    Passa(j);
    EXPECT_FALSE(Visivel(C().pctToolTipFig_Pop));
    const QString primeiro = C().lblNumeroEmpresa->text();
    V().lblItem_MouseUp(j, 2);
    EXPECT_NE(C().lblNumeroEmpresa->text(), primeiro);
    EXPECT_EQ(Conjunto::Tag(C().lblPaginaXdeXF_Pop), QStringLiteral("2"));
    // An item with optionals and notes shows both hints, the optional one above.
    Passa(Rotulo(s.itemAllFlags));
    EXPECT_TRUE(Visivel(C().pctToolTipFig_Pop));
    EXPECT_FALSE(Visivel(C().lblPaginaXdeXF_Pop));
    EXPECT_TRUE(Visivel(C().lblOpTp) && Visivel(C().lblObsTp));
    EXPECT_LT(C().lblOpTp->y(), C().lblObsTp->y());
    // One component: the right button does nothing.
    const int um = Rotulo(QStringLiteral("04.010"));
    Passa(um);
    const QString antes = C().lblNumeroEmpresa->text();
    V().lblItem_MouseUp(um, 2);
    EXPECT_EQ(C().lblNumeroEmpresa->text(), antes);
}

TEST_F(Figura, ItemMenuEntriesAndWhatTheyDo)
{
    Abre();
    D().AbreConjunto(s.casesAssembly, QString());
    const std::int64_t componente = Valor(QStringLiteral("SELECT CodigoComponente FROM PECA_COMPONENTE WHERE CodigoPeca = %1 AND ItemComponente = '%2' "
                                                         "AND FlagOpcionalComponente = 0")
                                              .arg(s.casesAssembly)
                                              .arg(s.itemAllFlags))
                                        .toLongLong();
    const int i = Rotulo(s.itemAllFlags);
    Passa(i);
    // The item's tooltip is not left over the menu.
    ASSERT_TRUE(Visivel(C().pctToolTipFig_Pop));
    bool dicaSobreMenu = true;
    menus.whileShown = [&] { dicaSobreMenu = Visivel(C().pctToolTipFig_Pop); };
    // Every flag, no second assembly: six entries and two separators.
    menus.answers = {0};
    V().lblItem_MouseUp(i, 1);
    ASSERT_EQ(menus.shown.size(), 1u);
    EXPECT_FALSE(dicaSobreMenu);
    menus.whileShown = nullptr;
    EXPECT_EQ(menus.shown[0].texts(), (QStringList{"Sugestão de Compra", "-", "Incluir Item no Carrinho", "-", "Tabela", "Opcionais",
                                                   "Jogos de Reparo", "Observação"}));
    // Cart: quantity "2" is 2, the optional flag is passed, with the animation.
    EXPECT_EQ(D().Carrinho(), QStringList{QStringLiteral("COM|%1|2|op").arg(componente)});
    EXPECT_EQ(D().chamadas.filter(QStringLiteral("EfeitoCarrinho")), QStringList{"EfeitoCarrinho(0)"});
    for (int codigo : {3, 2, 4, 5}) {
        menus.answers = {codigo};
        V().lblItem_MouseUp(i, 1);
    }
    EXPECT_EQ(D().requisicoes, (QStringList{QStringLiteral("0|COM|%1|%2|%3").arg(componente).arg(s.casesAssembly).arg(s.itemAllFlags),
                                            QStringLiteral("1|%1|%2|%3|0").arg(s.casesAssembly).arg(s.itemAllFlags).arg(componente),
                                            QStringLiteral("4|%1|%2|%3|0").arg(s.casesAssembly).arg(componente).arg(s.itemAllFlags)}));
    EXPECT_EQ(D().sugestoes.last(), QStringLiteral("menu"));
    // "A/R" counts as 1; closing the menu does nothing.
    Passa(Rotulo(s.itemAsRequired));
    menus.answers = {0};
    V().lblItem_MouseUp(Rotulo(s.itemAsRequired), 1);
    const std::int64_t comoRequerido =
        Valor(QStringLiteral("SELECT CodigoComponente FROM PECA_COMPONENTE WHERE CodigoPeca = %1 AND ItemComponente = '%2'")
                  .arg(s.casesAssembly)
                  .arg(s.itemAsRequired))
            .toLongLong();
    EXPECT_TRUE(D().Carrinho().contains(QStringLiteral("COM|%1|1|").arg(comoRequerido))) << qPrintable(D().Carrinho().join(QLatin1Char(' ')));
    const int pedidos = D().requisicoes.size();
    V().lblItem_MouseUp(Rotulo(s.itemAsRequired), 1);
    EXPECT_EQ(D().requisicoes.size(), pedidos);
    // With a second assembly and no flag: text 101 alone.
    F().mCodigoPecaComparacao = s.showcaseAssembly;
    V().lblItem_MouseUp(Rotulo(s.itemAsRequired), 1);
    EXPECT_EQ(menus.shown.back().texts(), QStringList{"Incluir Item no Carrinho"});
    F().mCodigoPecaComparacao = -1;
    // "Tabela" opens the table at the item.
    Passa(i);
    menus.answers = {1};
    V().lblItem_MouseUp(i, 1);
    EXPECT_EQ(F().mHistoricoTelas, QStringLiteral("0135"));
    EXPECT_EQ(V().ItemAtualTabela(), s.itemAllFlags);
}
