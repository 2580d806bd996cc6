// The printer surface's failures, told in the run's language, and the PDF
// file of a print to a file: whole, or the earlier file kept.

#include "reportfixture.h"

#include "core/globals.h"
#include "core/texts.h"
#include "output/report/superficieimpressora.h"
#include "platform/base/error.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

TEST(SuperficieImpressora, APrinterThatCannotStartSaysSoInTheRunsLanguage)
{
    const QString idioma = Modulo::gIdioma;
    tqtest::TempDir pasta;
    struct Caso {
        const char* idioma;
        const char* texto;
    };
    const Caso casos[] = {
        {"P", "Erro de impressora: a impressora não pode iniciar o documento"},
        {"E", "Error de impresora: la impresora no puede iniciar el documento"},
        {"I", "Printer error: the printer cannot start the document"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.idioma);
        Modulo::gIdioma = QString::fromLatin1(c.idioma);
        auto impressora = std::make_unique<QPrinter>(QPrinter::HighResolution);
        impressora->setOutputFormat(QPrinter::PdfFormat);
        impressora->setOutputFileName(pasta.file(QStringLiteral("nenhuma/pasta/saida.pdf")));
        saida::SuperficieImpressora s(std::move(impressora));
        try {
            s.Print(QStringLiteral("texto"), true);
            ADD_FAILURE() << "no error";
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.number(), saida::kErroImpressora);
            EXPECT_EQ(e.description(), QString::fromUtf8(c.texto));
        }
    }
    Modulo::gIdioma = idioma;
}

TEST(SuperficieImpressora, ListAndComparisonThatCannotBeWrittenKeepTheEarlierFile)
{
    using reporttest::CatalogoAberto;
    tqtest::TempDir pasta;
    // A cart list of five pages and a comparison.
    QStringList linhas;
    for (int i = 0; i < 150; ++i)
        linhas << QStringLiteral("INSERT INTO L VALUES ('0501 000 %1', 'PEÇA %1', %2, 'Componente', '\r')").arg(100 + i).arg(i + 1);
    platform::dao::DatabasePtr db;
    const auto lista = reporttest::Linhas(pasta,
                                          QStringLiteral("CREATE TABLE L (NumeroEmpresa TEXT(12), Descricao TEXT(50), Quantidade SHORT, "
                                                         "DescricaoTipo TEXT(30), Opcional TEXT(1))"),
                                          linhas, QStringLiteral("SELECT * FROM L ORDER BY NumeroEmpresa"), db);
    db->Execute(QStringLiteral("CREATE TABLE C (NumeroEmpresaComponente TEXT(12), DescricaoComponente TEXT(50), "
                               "QuantidadeComponente1 TEXT(5), QuantidadeComponente2 TEXT(5), ImagensGrid TEXT(3))"));
    db->Execute(QStringLiteral("INSERT INTO C VALUES ('0501 112 648', 'CARCAÇA', '1', NULL, NULL)"));
    const auto comparacao = db->OpenRecordset(QStringLiteral("SELECT * FROM C"), platform::dao::dbOpenSnapshot);

    const QString destino = pasta.file(QStringLiteral("impresso"));
    QDir().mkpath(destino);
    const QString pdf = destino + QStringLiteral("/saida.pdf");
    const QByteArray anterior("%PDF-1.4 an earlier printout\n");
    struct Caso {
        const char* nome;
        bool comparacao;
        const char* idioma;
        int erro;
        long numero;
        const char* texto;
    };
    const Caso casos[] = {
        {"list, disk full", false, "P", ENOSPC, 61, "Não foi possível gravar o documento \"%1\": %2"},
        {"comparison, disk full", true, "E", ENOSPC, 61, "No se pudo guardar el documento \"%1\": %2"},
        {"comparison, quota", true, "P", EDQUOT, 61, "Não foi possível gravar o documento \"%1\": %2"},
        {"list, I/O error", false, "I", EIO, 57, "The document \"%1\" could not be written: %2"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        CatalogoAberto cat(QStringLiteral("V"), QLatin1String(c.idioma));
        tqtest::FakeMessageBoxes caixas;
        tqtest::FakePrintDialogs dialogos(pdf, 300);
        tqtest::writeFile(pdf, anterior);
        QStringList arquivos;
        QByteArray documento;
        saida::Saida s;
        s.GravadorDocumento = [&](const QString& arquivo, const QByteArray& bytes) {
            arquivos << arquivo;
            documento = bytes;
            return c.erro;
        };
        if (c.comparacao)
            s.ImprimeComparacao({comparacao, QStringLiteral("2"), QStringLiteral("Transmissão: 1269 104 729  /  1269 112 648"),
                                 QStringLiteral("1269 104 729"), QStringLiteral("1269 112 648")});
        else
            s.ImprimeLista(lista);
        // The whole document was handed to the writer once, and its failure
        // is the one box.
        EXPECT_EQ(arquivos, QStringList{pdf});
        EXPECT_TRUE(documento.startsWith("%PDF-") && documento.endsWith("%%EOF\n"));
        ASSERT_EQ(caixas.shown.size(), 1u);
        EXPECT_EQ(caixas.last().icon(), platform::vbCritical);
        EXPECT_EQ(caixas.last().text, Modulo::ObtemTexto(21) + QStringLiteral(": %1\r\n").arg(c.numero) +
                                          QString::fromUtf8(c.texto).arg(pdf, QString::fromLocal8Bit(std::strerror(c.erro))));
        EXPECT_TRUE(tqtest::readFile(pdf) == anterior) << QFileInfo(pdf).size() << " bytes";
        EXPECT_EQ(QDir(destino).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{QStringLiteral("saida.pdf")});
    }

    // The same document through the program's own writer: the file is
    // replaced, whole, with the list's five pages.
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::FakeMessageBoxes caixas;
    tqtest::FakePrintDialogs dialogos(pdf, 300);
    saida::Saida s;
    s.ImprimeLista(lista);
    EXPECT_TRUE(caixas.shown.empty());
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished();
    const QString paginas = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(paginas.contains(QRegularExpression(QStringLiteral("Pages:\\s+5\n")))) << paginas.toStdString();
    EXPECT_EQ(QDir(destino).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{QStringLiteral("saida.pdf")});

    // Printed through a link, the file the link points to is replaced and
    // the link stays.
    const QString ligacao = pasta.file(QStringLiteral("ligacao.pdf"));
    ASSERT_TRUE(QFile::link(pdf, ligacao));
    tqtest::FakePrintDialogs viaLigacao(ligacao, 300);
    saida::Saida outra;
    outra.ImprimeComparacao({comparacao, QStringLiteral("2"), QString(), QString(), QString()});
    EXPECT_TRUE(caixas.shown.empty());
    EXPECT_TRUE(QFileInfo(ligacao).isSymLink());
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished();
    const QString umaPagina = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(umaPagina.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\n")))) << umaPagina.toStdString();
}

TEST(SuperficieImpressora, AWholePdfAndOneThatLostAPiece)
{
    // Three pages of text and a picture, as the engine writes them.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(300);
        QPainter p(&pdf);
        QImage figura(400, 300, QImage::Format_RGB32);
        for (int y = 0; y < figura.height(); ++y)
            for (int x = 0; x < figura.width(); ++x)
                figura.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x * y) % 256));
        for (int pagina = 0; pagina < 3; ++pagina) {
            if (pagina > 0)
                pdf.newPage();
            p.drawImage(QRectF(0, 400, 1600, 1200), figura);
            for (int linha = 0; linha < 40; ++linha)
                p.drawText(QPointF(0, 50 * linha + 50), QStringLiteral("Página %1, linha %2 — ÇÃÕ").arg(pagina + 1).arg(linha));
        }
    }
    const QByteArray inteiro = buffer.data();
    ASSERT_TRUE(saida::PdfInteiro(inteiro));
    ASSERT_GT(inteiro.size(), 3 * 16384);
    const qsizetype tabela = inteiro.lastIndexOf("\nxref\n") + 1;
    const qsizetype trailer = inteiro.lastIndexOf("trailer");
    struct Caso {
        const char* nome;
        qsizetype inicio, quantos;  // the bytes lost
    };
    const Caso casos[] = {
        {"the last byte of %%EOF", inteiro.size() - 2, 1},
        {"the trailer", trailer, inteiro.size() - trailer},
        {"the end from the table on", tabela, inteiro.size() - tabela},
        {"half the document", inteiro.size() / 2, inteiro.size() - inteiro.size() / 2},
        {"a block at the start", 0, 4096},
        {"a buffer's worth in the middle", 16384, 16384},
        {"a byte in the middle", inteiro.size() / 3, 1},
        {"the byte before the table", tabela - 1, 1},
        {"a byte of the table", tabela + 40, 1},
        {"a byte of the trailer's size", inteiro.indexOf("/Size", trailer) + 6, 1},
        {"the trailer's close", inteiro.indexOf(">>", trailer), 2},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        QByteArray cortado = inteiro;
        cortado.remove(c.inicio, c.quantos);
        EXPECT_FALSE(saida::PdfInteiro(cortado));
    }
    EXPECT_FALSE(saida::PdfInteiro(QByteArray()));
}

}  // namespace
