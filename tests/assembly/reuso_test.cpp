// Showing a figure again: its drawings are decoded once while their files
// stay the same, and the label widgets of an unloaded figure serve the next
// one, each as a new label would be.

#include "asmfixture.h"

#include "assembly/utilcontroles.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QTimeZone>

#include <sys/stat.h>

#include <cstdio>

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

TEST_F(Reuso, ADrawingReplacedWithTheSameSizeAndTimeIsReadAgain)
{
    // A copy of the catalogue whose first page of the cases assembly shows
    // TROCA.bmp; the file is replaced, while the run goes on, by pictures of
    // the same byte size stamped with the old modification time (what a copy
    // with -p, rsync -t or an archive unpacked over the folder leave).
    tqtest::TempDir dir;
    {
        Abre();  // writes the shared folder when needed
        TearDown();
    }
    ASSERT_TRUE(QFile::copy(PastaDemo(QStringLiteral("V")) + QStringLiteral("/DAZADIZETQ_V.MDB"), dir.file(QStringLiteral("DAZADIZETQ_V.MDB"))));
    ASSERT_TRUE(QDir().mkpath(dir.file(QStringLiteral("Figuras"))));
    {
        auto ws = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("w"));
        auto db = ws->OpenDatabase(dir.file(QStringLiteral("DAZADIZETQ_V.MDB")));
        db->Execute(QStringLiteral("UPDATE FIGURADETALHADA1 SET ArquivoFigura = 'TROCA.bmp' WHERE CodigoPeca = %1 AND NumeroParte = 0")
                        .arg(s.casesAssembly));
        db->Close();
    }
    const QString arquivo = dir.file(QStringLiteral("Figuras/TROCA.bmp"));
    const QDateTime carimbo(QDate(2024, 3, 15), QTime(10, 0), QTimeZone::utc());
    const auto desenho = [](QColor cor) {
        QImage imagem(300, 200, QImage::Format_RGB32);
        imagem.fill(cor);
        QPainter(&imagem).fillRect(QRect(20, 20, 100, 60), Qt::black);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        imagem.save(&buffer, "BMP");
        return std::pair{imagem, bytes};
    };
    const auto carimba = [&](const QString& caminho) {
        QFile f(caminho);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(carimbo, QFileDevice::FileModificationTime));
    };
    // The file's inode and change time.
    const auto mudanca = [&] {
        struct stat st {};
        ::stat(QFile::encodeName(arquivo).constData(), &st);
        return std::tuple{st.st_ino, st.st_ctim.tv_sec, st.st_ctim.tv_nsec};
    };
    // The drawing shown, as the colours of its ground and of its black box.
    const auto cores = [](const QImage& imagem) {
        return imagem.pixelColor(250, 150).name() + QLatin1Char(' ') + imagem.pixelColor(50, 50).name();
    };
    const auto mostrado = [&] { return cores(C().imgFiguraDetalhada->pixmap().toImage()); };

    const auto [primeiro, bytesPrimeiro] = desenho(Qt::red);
    tqtest::writeFile(arquivo, bytesPrimeiro);
    carimba(arquivo);
    Abre(QStringLiteral("V"), QStringLiteral("P"), dir.path());
    D().AbreConjunto(s.casesAssembly, QString());
    ASSERT_EQ(V().ArquivoFiguraAtual(), QStringLiteral("TROCA.bmp"));
    ASSERT_EQ(mostrado(), cores(primeiro));

    struct Caso {
        const char* como;
        QColor cor;
        bool renomeia;  // a new file renamed over the old one; else written into it
    };
    for (const Caso& c : {Caso{"written in place", Qt::green, false}, Caso{"renamed over", Qt::blue, true}}) {
        SCOPED_TRACE(c.como);
        V().FechaConjunto();
        const auto [novo, bytes] = desenho(c.cor);
        ASSERT_EQ(bytes.size(), bytesPrimeiro.size());
        const auto antes = mudanca();
        if (c.renomeia) {
            const QString temporario = dir.file(QStringLiteral("Figuras/TROCA.novo"));
            tqtest::writeFile(temporario, bytes);
            carimba(temporario);
            ASSERT_EQ(::rename(QFile::encodeName(temporario).constData(), QFile::encodeName(arquivo).constData()), 0);
        } else {
            tqtest::writeFile(arquivo, bytes);
            // Stamped until the clock has moved on from the first write's
            // change time (a write in the same clock tick cannot be told).
            do
                carimba(arquivo);
            while (mudanca() == antes);
        }
        ASSERT_EQ(std::get<0>(mudanca()) == std::get<0>(antes), !c.renomeia);
        ASSERT_EQ(QFileInfo(arquivo).lastModified(), carimbo);
        ASSERT_EQ(QFileInfo(arquivo).size(), bytesPrimeiro.size());
        D().AbreConjunto(s.casesAssembly, QString());
        ASSERT_EQ(V().ArquivoFiguraAtual(), QStringLiteral("TROCA.bmp"));
        EXPECT_EQ(mostrado(), cores(novo));
        // Unchanged, the drawing still shows (from the cache or the file).
        V().imgParteFigura_Click(1);
        V().imgParteFigura_Click(0);
        EXPECT_EQ(mostrado(), cores(novo));
    }
}
