#include "core/globals.h"
#include "core/imagemdados.h"
#include "core/janeladetalhe.h"
#include "core/janelas.h"

#include "support/fakedesktop.h"
#include "support/fakemessagebox.h"
#include "support/testutil.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Modulo;

namespace {

// Restores the wheel-target globals a test changes.
struct RodaLimpa {
    RodaLimpa() { Limpa(); }
    ~RodaLimpa() { Limpa(); }
    static void Limpa()
    {
        gRodaAtiva = false;
        gAlvoRodaNome.clear();
        gAlvoRoda = nullptr;
        gAlvoRodaGrid = nullptr;
        gAlvoRodaTipo = 0;
    }
};

QByteArray Imagem(const char* formato, int w = 6, int h = 4)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, formato);
    return bytes;
}

}  // namespace

TEST(Janelas, PixelsToTwipsByAxis)
{
    EXPECT_EQ(PixelsParaTwips(10, QStringLiteral(" width ")), 150);
    EXPECT_EQ(PixelsParaTwips(-3, QStringLiteral("H")), -45);
    EXPECT_EQ(PixelsParaTwips(0, QStringLiteral("Left")), 0);
    EXPECT_EQ(tqtest::errorNumberOf([] { PixelsParaTwips(200000000, QStringLiteral("W")); }), 6);
}

TEST(Janelas, PositionInTheFormCountsBorderedContainers)
{
    QWidget form;
    QWidget externo(&form), interno(&externo), controle(&interno);
    externo.move(100, 200);
    externo.setProperty("BorderStyle", 1);
    interno.move(10, 20);
    interno.setProperty("BorderStyle", 1);
    controle.move(5, 7);
    int x = 0, y = 0;
    ObtemPosicaoNoForm(&controle, x, y);
    EXPECT_EQ(x, 117);
    EXPECT_EQ(y, 229);

    // Without borders only the positions add up.
    interno.setProperty("BorderStyle", 0);
    ObtemPosicaoNoForm(&controle, x, y);
    EXPECT_EQ(x, 116);
    EXPECT_EQ(y, 228);

    externo.move(32760, 0);
    EXPECT_EQ(tqtest::errorNumberOf([&] { ObtemPosicaoNoForm(&controle, x, y); }), 6);
}

TEST(Janelas, WheelTargetFollowsTheTable)
{
    RodaLimpa limpa;
    QWidget lista, figura;
    RegistraControleRoda(QStringLiteral("CAT_GRID1"), &lista);
    RegistraControleRoda(QStringLiteral("CAT_FIGURA"), &figura);
    RegistraControleRoda(QStringLiteral("TEL_GRID1"), &lista);

    // The hook disabled: nothing changes.
    DefineAlvoRoda(QStringLiteral("CAT_GRID1"));
    EXPECT_TRUE(gAlvoRodaNome.isEmpty());

    gRodaAtiva = true;
    DefineAlvoRoda(QStringLiteral("CAT_FIGURA"));
    EXPECT_EQ(gAlvoRodaNome, QStringLiteral("CAT_FIGURA"));
    EXPECT_EQ(gAlvoRoda, &figura);
    EXPECT_EQ(gAlvoRodaGrid, nullptr);
    EXPECT_EQ(gAlvoRodaTipo, 1);

    DefineAlvoRoda(QStringLiteral("TEL_GRID1"));
    EXPECT_EQ(gAlvoRoda, &lista);
    EXPECT_EQ(gAlvoRodaGrid, &lista);
    EXPECT_EQ(gAlvoRodaTipo, 4);

    // The same key again does no work: a changed registration is not seen.
    QWidget outra;
    RegistraControleRoda(QStringLiteral("TEL_GRID1"), &outra);
    DefineAlvoRoda(QStringLiteral("TEL_GRID1"));
    EXPECT_EQ(gAlvoRoda, &lista);

    // Keys match exactly; the empty key clears.
    DefineAlvoRoda(QStringLiteral("cat_grid1"));
    EXPECT_EQ(gAlvoRoda, nullptr);
    EXPECT_EQ(gAlvoRodaTipo, 0);
    DefineAlvoRoda(QStringLiteral("CAT_GRID1"));
    DefineAlvoRoda(QString());
    EXPECT_TRUE(gAlvoRodaNome.isEmpty());
    EXPECT_EQ(gAlvoRodaGrid, nullptr);
}

TEST(Janelas, PointerOnTheRightOrBottomEdgeIsOutside)
{
    QWidget janela;
    QWidget filho(&janela);
    janela.setGeometry(100, 100, 300, 200);
    filho.setGeometry(10, 20, 50, 40);
    janela.show();
    const QPoint origem = filho.mapToGlobal(QPoint(0, 0));
    EXPECT_TRUE(CursorSobreJanela(&filho, origem));
    EXPECT_TRUE(CursorSobreJanela(&filho, origem + QPoint(49, 39)));
    EXPECT_FALSE(CursorSobreJanela(&filho, origem + QPoint(50, 10)));
    EXPECT_FALSE(CursorSobreJanela(&filho, origem + QPoint(10, 40)));
    EXPECT_FALSE(CursorSobreJanela(nullptr, origem));
}

TEST(Janelas, AttachmentsOpenOnlyDocumentsInsideTheDataFolder)
{
    tqtest::TempDir dados, fora;
    const QString antes = gCaminhoDados;
    gCaminhoDados = dados.pathSlash();
    QDir(dados.path()).mkpath(QStringLiteral("Anexos"));
    const QString pdf = dados.file(QStringLiteral("Anexos/guia.pdf"));
    tqtest::writeFile(pdf, "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\n<<>>\nendobj\ntrailer\n<<>>\n%%EOF\n");
    const QString script = dados.file(QStringLiteral("Anexos/leia.pdf"));
    tqtest::writeFile(script, "#!/bin/sh\necho hi\n");
    const QString desktop = dados.file(QStringLiteral("Anexos/atalho.desktop"));
    tqtest::writeFile(desktop, "[Desktop Entry]\nType=Application\nExec=true\n");
    QFile elf(QStringLiteral("/bin/true"));
    ASSERT_TRUE(elf.open(QIODevice::ReadOnly));
    const QString programa = dados.file(QStringLiteral("Anexos/manual.txt"));
    tqtest::writeFile(programa, elf.readAll());
    const QString externo = fora.file(QStringLiteral("x.pdf"));
    tqtest::writeFile(externo, "%PDF-1.4\n");

    tqtest::FakeFileOpener opener;
    tqtest::FakeMessageBoxes boxes;

    EXPECT_GT(AbreArquivoAssociado(pdf), 32);
    EXPECT_EQ(opener.opened, QStringList{pdf});
    EXPECT_TRUE(boxes.shown.empty());

    struct Row {
        const char* name;
        QString path;
    };
    const Row negados[] = {
        {"script named .pdf", script},
        {"desktop entry", desktop},
        {"program named .txt", programa},
        {"outside the folder", externo},
        {"leaving through ..", dados.file(QStringLiteral("Anexos/../../")) + QFileInfo(fora.path()).fileName() + "/x.pdf"},
    };
    for (const Row& r : negados) {
        SCOPED_TRACE(r.name);
        opener.opened.clear();
        boxes.shown.clear();
        EXPECT_EQ(AbreArquivoAssociado(r.path), kAberturaNegada);
        EXPECT_TRUE(opener.opened.isEmpty());
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_TRUE(boxes.last().text.endsWith(QStringLiteral("Erro Nº: (5)\r\nAccess denied")));
        EXPECT_EQ(boxes.last().icon(), platform::vbCritical);
    }

    // A failure of the opener itself: the box quotes the full path.
    boxes.shown.clear();
    opener.result = platform::kOpenNoAssociation;
    const QString semPrograma = dados.file(QStringLiteral("Anexos/desenho.xyz"));
    tqtest::writeFile(semPrograma, "plain words");
    EXPECT_EQ(AbreArquivoAssociado(semPrograma), 31);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.last().text, QStringLiteral("Erro ao Abrir o Arquivo \"") + semPrograma +
                                     QStringLiteral("\"\r\n\r\nErro Nº: (31)\r\nNo association for file extension"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // The same failure after the wait (the call answered success): the same
    // box when the program ends.
    const tqtest::FakeMessageBoxes::Box rapida = boxes.last();
    opener.result = platform::kOpenSucceeded;
    EXPECT_GT(AbreArquivoAssociado(semPrograma), 32);
    EXPECT_EQ(boxes.shown.size(), 1u);
    ASSERT_FALSE(opener.lateFailures.empty());
    opener.lateFailures.back()(platform::kOpenNoAssociation);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.last().text, rapida.text);
    EXPECT_EQ(boxes.last().style, rapida.style);
    EXPECT_EQ(boxes.last().title, rapida.title);
    gCaminhoDados = antes;
}

TEST(Janelas, DetailOpenerWithoutAWindowActsAsTheEmptyRequest)
{
    gParametro = QStringLiteral("3||0");
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ExibeJanelaDetalhe();
    EXPECT_TRUE(gParametro.isEmpty());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    QString visto;
    RegistraJanelaDetalhe([&] { visto = gParametro; });
    gParametro = QStringLiteral("6");
    ExibeJanelaDetalhe();
    EXPECT_EQ(visto, QStringLiteral("6"));
    RegistraJanelaDetalhe({});
}

TEST(ImagemDados, ReadsPicturesByContentInsideTheDataFolder)
{
    tqtest::TempDir dados, fora;
    QDir(dados.path()).mkpath(QStringLiteral("Figuras"));
    const QByteArray jpeg = Imagem("JPEG");
    tqtest::writeFile(dados.file(QStringLiteral("Figuras/A.JPG")), jpeg);
    // Qt writes no GIF: a 1 x 1 GIF by hand.
    tqtest::writeFile(dados.file(QStringLiteral("Figuras/gif-named.jpg")),
                      QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
                                 ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;",
                                 35));
    tqtest::writeFile(dados.file(QStringLiteral("Figuras/b.bmp")), Imagem("BMP"));
    tqtest::writeFile(dados.file(QStringLiteral("Figuras/c.png")), Imagem("PNG"));
    tqtest::writeFile(dados.file(QStringLiteral("Figuras/cut.jpg")), jpeg.left(jpeg.size() / 3));
    // Cut inside the coded data, which Qt would decode with a grey rest.
    const QByteArray grande = Imagem("JPEG", 300, 200);
    tqtest::writeFile(dados.file(QStringLiteral("Figuras/cut-late.jpg")), grande.left(grande.size() - 40));
    const QByteArray png = Imagem("PNG", 300, 200);
    tqtest::writeFile(dados.file(QStringLiteral("Figuras/cut.png")), png.left(png.size() - 20));
    tqtest::writeFile(dados.file(QStringLiteral("Figuras/text.jpg")), "not a picture at all");
    tqtest::writeFile(dados.file(QStringLiteral("Figuras/empty.jpg")), "");
    tqtest::writeFile(dados.file(QStringLiteral("Figuras/x.xpm")), Imagem("XPM"));
    // A BMP header that declares 30000 x 30000 pixels and holds none of them.
    QByteArray enorme = Imagem("BMP", 1, 1);
    const qint32 lado = 30000;
    memcpy(enorme.data() + 18, &lado, 4);
    memcpy(enorme.data() + 22, &lado, 4);
    tqtest::writeFile(dados.file(QStringLiteral("Figuras/huge.bmp")), enorme);
    tqtest::writeFile(fora.file(QStringLiteral("out.jpg")), jpeg);

    struct Row {
        const char* name;
        QSize size;  // empty: no picture
    };
    const Row rows[] = {
        {"Figuras\\A.JPG", {6, 4}},
        {"figuras\\a.jpg  ", {6, 4}},
        {"FIGURAS/GIF-NAMED.JPG", {1, 1}},
        {"Figuras/b.bmp", {6, 4}},
        {"Figuras/c.png", {6, 4}},
        {"Figuras/cut.jpg", {}},
        {"Figuras/cut-late.jpg", {}},
        {"Figuras/cut.png", {}},
        {"Figuras/text.jpg", {}},
        {"Figuras/empty.jpg", {}},
        {"Figuras/x.xpm", {}},
        {"Figuras/huge.bmp", {}},
        {"Figuras/missing.jpg", {}},
        {"", {}},
        {"Figuras", {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const QImage img = CarregaImagemDados(QString::fromUtf8(r.name), dados.pathSlash());
        EXPECT_EQ(img.isNull() ? QSize() : img.size(), r.size);
    }
    const QString rel = QStringLiteral("../") + QFileInfo(fora.path()).fileName() + QStringLiteral("/out.jpg");
    EXPECT_TRUE(CarregaImagemDados(rel, dados.pathSlash()).isNull());
    EXPECT_TRUE(CarregaImagemDados(fora.file(QStringLiteral("out.jpg")), dados.pathSlash()).isNull());
}
