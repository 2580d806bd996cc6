// Showing a figure again: its drawings are decoded once while their files
// stay the same, and the label widgets of an unloaded figure serve the next
// one, each as a new label would be.

#include "asmfixture.h"

#include "assembly/utilcontroles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPointer>

#include <tuple>

using namespace asmtest;

namespace {

class Reuso : public TelaConjunto {
protected:
    // What a label shows and where: caption, place, size, colour, bold,
    // italic, back style and style state.
    using Estado = std::tuple<QString, QRect, long, bool, bool, int, int>;
    std::vector<Estado> Estados()
    {
        std::vector<Estado> out;
        for (int i = 1; i <= V().Figura().UltimoItem(); ++i)
            out.emplace_back(L(i)->Caption(), L(i)->geometry(), L(i)->ForeColor(), L(i)->FontBold(), L(i)->FontItalic(),
                             L(i)->BackStyle(), L(i)->EstiloItem);
        return out;
    }
    // The labels' places among the figure screen's children, in label order.
    std::vector<qsizetype> Ordem()
    {
        const QObjectList filhos = L(1)->parentWidget()->children();
        std::vector<qsizetype> out;
        for (int i = 1; i <= V().Figura().UltimoItem(); ++i)
            out.push_back(filhos.indexOf(L(i)));
        return out;
    }
};

}  // namespace

TEST_F(Reuso, AReopenedFigureKeepsItsDrawingAndItsLabelsStartAsNew)
{
    Abre();
    D().AbreConjunto(s.showcaseAssembly, QString());
    const qint64 desenho = C().imgFiguraDetalhada->pixmap().cacheKey();
    const std::vector<Estado> novos = Estados();
    std::vector<QPointer<Conjunto::RotuloItem>> antigos;
    for (int i = 1; i <= V().Figura().UltimoItem(); ++i)
        antigos.emplace_back(L(i));
    // Every state a label can be left in.
    for (int i = 1; i <= V().Figura().UltimoItem(); ++i) {
        L(i)->SetFontBold(true);
        L(i)->SetFontItalic(true);
        L(i)->SetBackStyle(1);
        L(i)->SetForeColor(0xFF);
        L(i)->SetCaption(QStringLiteral("XX.999 long caption"));
        L(i)->EstiloItem = 7;
        L(i)->raise();
        L(i)->setVisible(true);
    }
    V().FechaConjunto();

    // Another figure between: the kept labels serve it, the rest are new.
    D().AbreConjunto(s.assemblyOnePage, QString());
    V().FechaConjunto();

    D().AbreConjunto(s.showcaseAssembly, QString());
    EXPECT_EQ(C().imgFiguraDetalhada->pixmap().cacheKey(), desenho);
    EXPECT_EQ(Estados(), novos);
    for (int i = 1; i <= V().Figura().UltimoItem(); ++i) {
        EXPECT_EQ(L(i)->Indice(), i);
        EXPECT_TRUE(std::find(antigos.begin(), antigos.end(), L(i)) != antigos.end()) << "label " << i << " is a new widget";
    }
    // Only the first page's labels show, above everything made before them,
    // in label order, as a figure's new labels stand.
    std::vector<int> pagina;
    for (int i = V().Figura().Parte(0).primeiro; i <= V().Figura().Parte(0).ultimo; ++i)
        pagina.push_back(i);
    EXPECT_EQ(RotulosVisiveis(), pagina);
    const std::vector<qsizetype> ordem = Ordem();
    EXPECT_TRUE(std::is_sorted(ordem.begin(), ordem.end()));
    EXPECT_LT(L(1)->parentWidget()->children().indexOf(C().imgFiguraDetalhada), ordem.front());
}

TEST_F(Reuso, ADrawingReplacedOnDiskIsReadAgain)
{
    // A copy of the catalogue with the showcase's first drawing.
    tqtest::TempDir dir;
    const QString origem = PastaDemo(QStringLiteral("V"));
    {
        Abre();  // writes the shared folder when needed
        TearDown();
    }
    ASSERT_TRUE(QFile::copy(origem + QStringLiteral("/DAZADIZETQ_V.MDB"), dir.file(QStringLiteral("DAZADIZETQ_V.MDB"))));
    ASSERT_TRUE(QDir().mkpath(dir.file(QStringLiteral("Figuras"))));
    Abre(QStringLiteral("V"), QStringLiteral("P"), dir.path());
    const QString nome =
        Valor(QStringLiteral("SELECT TOP 1 ArquivoFigura FROM FIGURADETALHADA1 WHERE CodigoPeca = %1 ORDER BY NumeroParte")
                  .arg(s.showcaseAssembly))
            .toString();
    D().AbreConjunto(s.showcaseAssembly, QString());
    V().FechaConjunto();
    ASSERT_TRUE(QFile::copy(origem + QStringLiteral("/Figuras/") + nome, dir.file(QStringLiteral("Figuras/") + nome)));

    D().AbreConjunto(s.showcaseAssembly, QString());
    ASSERT_EQ(V().ArquivoFiguraAtual(), nome);
    const QImage antes = C().imgFiguraDetalhada->pixmap().toImage();
    V().FechaConjunto();

    // The same name, another picture (a newer file of another size).
    QImage outra(320, 200, QImage::Format_RGB32);
    outra.fill(Qt::red);
    const QString caminho = dir.file(QStringLiteral("Figuras/") + nome);
    ASSERT_TRUE(QFile::remove(caminho));
    ASSERT_TRUE(outra.save(caminho, "PNG"));
    QFile arquivo(caminho);
    ASSERT_TRUE(arquivo.open(QIODevice::ReadWrite));
    ASSERT_TRUE(arquivo.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    arquivo.close();

    D().AbreConjunto(s.showcaseAssembly, QString());
    EXPECT_EQ(V().ArquivoFiguraAtual(), nome);
    EXPECT_EQ(C().imgFiguraDetalhada->pixmap().size(), QSize(320, 200));
    EXPECT_NE(C().imgFiguraDetalhada->pixmap().toImage(), antes);

    // Gone: an empty drawing, not the kept one.
    V().FechaConjunto();
    ASSERT_TRUE(QFile::remove(caminho));
    D().AbreConjunto(s.showcaseAssembly, QString());
    EXPECT_TRUE(C().imgFiguraDetalhada->pixmap().isNull());
    EXPECT_EQ(V().ArquivoFiguraAtual(), QString());
}
