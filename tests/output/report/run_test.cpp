// The figure and table run, end to end: page order and progress steps,
// printing to PDF (pdfinfo, pdftotext as oracles), JPEG pages (djpeg), the
// ZIP file (unzip -t) and the e-mail through a stand-in xdg-email, run
// through the built tqsaida program.
#include "reportfixture.h"

#include "support/fakemail.h"
#include "support/fakesavedialog.h"

#include "output/report/arquivos.h"
#include "output/report/compactacao.h"
#include "output/report/figuras.h"
#include "output/report/superficieimpressora.h"
#include "core/files.h"
#include "core/globals.h"
#include "core/texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <unistd.h>

using namespace reporttest;
using saida::Operacao;

namespace {

struct Resultado {
    int codigo = -1;
    QString saida;
};

Resultado Executa(const QString& programa, const QStringList& argumentos, const QProcessEnvironment& ambiente = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(ambiente);
    p.start(programa, argumentos);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2, QString::fromUtf8(p.readAllStandardOutput())};
}

Resultado Saida(const QStringList& argumentos, const QProcessEnvironment& ambiente = QProcessEnvironment::systemEnvironment())
{
    return Executa(tqtest::builtProgram(QStringLiteral("tqsaida")), argumentos, ambiente);
}

QString InfoPdf(const QString& pdf) { return Executa(QStringLiteral("pdfinfo"), {pdf}).saida; }

int PaginasPdf(const QString& pdf)
{
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(InfoPdf(pdf));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The user's temporary folder of one test alone (TMPDIR), made afresh;
// the one before comes back at the end.
struct PastaTemporariaDoTeste {
    explicit PastaTemporariaDoTeste(const QString& pasta) : caminho(pasta), antes(qgetenv("TMPDIR"))
    {
        QDir().mkpath(caminho);
        qputenv("TMPDIR", QFile::encodeName(caminho));
    }
    ~PastaTemporariaDoTeste()
    {
        if (antes.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", antes);
    }
    const QString caminho;
    const QByteArray antes;
};

}  // namespace

TEST(ReportRun, PageOrderAndNothingChosen)
{
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::FakeMessageBoxes caixas;
    tqtest::FakePrintDialogs dialogos(QString(), 600);
    AmbienteTeste ambiente;
    saida::Saida s(ambiente);
    saida::SuperficieGravacao* g = nullptr;
    s.FabricaSuperficieImpressora = [&](int dpi) {
        auto r = std::make_unique<saida::SuperficieGravacao>(dpi);
        g = r.get();
        return r;
    };

    // Neither option, or no part: text 16 and no dialog.
    s.CodigoPecaSaida = cat.s.outputAssembly23;
    EscolhaSaida e = Escolha(cat.s.outputAssembly23, QStringLiteral("*"), 0);
    e.Figura = e.Tabela = false;
    EXPECT_FALSE(s.GeraFiguraTabela(e));
    e = Escolha(cat.s.outputAssemblyNoParts, QStringLiteral("*"), 255);
    EXPECT_TRUE(e.Partes.empty());
    EXPECT_FALSE(s.GeraFiguraTabela(e));
    ASSERT_EQ(caixas.shown.size(), 2u);
    EXPECT_EQ(caixas.last().text, Modulo::ObtemTexto(16) + QStringLiteral("."));
    EXPECT_EQ(dialogos.shown, 0);
    EXPECT_TRUE(ambiente.janela.isEmpty());

    // Both options, parts 1 and 2 of 23: figure 1, table 1, figure 2, table 2,
    // the window disabled while the run draws.
    e = Escolha(cat.s.outputAssembly23, QStringLiteral("*"), 0);
    ASSERT_EQ(e.Partes.size(), 23u);
    EXPECT_TRUE(e.Partes[6].Descricao.isEmpty());  // a Null description
    e.Partes[1].Selecionada = true;
    EXPECT_TRUE(s.GeraFiguraTabela(e));
    EXPECT_EQ(ambiente.janela, (QStringList{QStringLiteral("off"), QStringLiteral("on")}));
    ASSERT_NE(g, nullptr);
    QStringList titulos;
    for (int p = 1; p <= g->Paginas(); ++p)
        titulos << g->Textos(p).at(1)->texto;
    EXPECT_EQ(titulos, (QStringList{QStringLiteral("Figura"), QStringLiteral("Tabela"), QStringLiteral("Figura"),
                                    QStringLiteral("Tabela")}));
    EXPECT_EQ(g->Operacoes().back().tipo, Operacao::FimDocumento);
    EXPECT_EQ(caixas.shown.size(), 2u);

    // Table only, every part: the parts' tables, the undrawn items, then the
    // kit and note sections.
    e = Escolha(cat.s.outputAssembly23, QStringLiteral("T"), 255);
    EXPECT_TRUE(s.GeraFiguraTabela(e));
    EXPECT_NE(g->Procura(Modulo::ObtemTexto(4)), nullptr);
    EXPECT_NE(g->Procura(Modulo::ObtemTexto(8)), nullptr);
    EXPECT_EQ(g->Procura(QStringLiteral("Figura")), nullptr);
}

TEST(ReportRun, ProgressStepsAndJpegPages)
{
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::FakeMessageBoxes caixas;
    tqtest::TempDir pasta;
    tqtest::FakeSaveDialogs dialogos;
    dialogos.answers = {pasta.file(QStringLiteral("pecas.jpg")), pasta.file(QStringLiteral("pecas.jpg"))};
    AmbienteTeste ambiente;
    saida::Saida s(ambiente);
    s.mModoSaida = QStringLiteral("G");
    s.CodigoPecaSaida = cat.s.showcaseAssembly;
    // Figure only, parts 1 and 3 of a four-part figure or more: three steps.
    EscolhaSaida e = Escolha(cat.s.showcaseAssembly, QStringLiteral("F"), 0);
    ASSERT_GE(e.Partes.size(), 4u);
    e.Partes[2].Selecionada = true;
    EXPECT_TRUE(s.GeraFiguraTabela(e));
    EXPECT_EQ(ambiente.status, (QStringList{QStringLiteral("Gerando... 0.00 %"), QStringLiteral("Gerando... 33.33 %"),
                                            QStringLiteral("Gerando... 66.67 %"), QStringLiteral("Gerando... 100.00 %"),
                                            QString()}));
    ASSERT_EQ(dialogos.requests.size(), 1u);
    EXPECT_EQ(dialogos.requests[0].fileName, QStringLiteral("CAT_TQ_2024-05-01_14-03-09.jpg"));
    EXPECT_EQ(dialogos.requests[0].filter, QStringLiteral("JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg"));
    EXPECT_EQ(dialogos.requests[0].folder, platform::saveDialogFolder());
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_EQ(caixas.last().icon(), platform::vbInformation);
    EXPECT_TRUE(caixas.last().text.contains(pasta.file(QStringLiteral("pecas.jpg"))));
    EXPECT_EQ(s.ContadorPaginas(), 2);
    for (const QString& nome : {QStringLiteral("pecas.jpg"), QStringLiteral("pecas__2.jpg")}) {
        SCOPED_TRACE(nome.toStdString());
        QProcess djpeg;
        djpeg.start(QStringLiteral("djpeg"), {QStringLiteral("-pnm"), pasta.file(nome)});
        ASSERT_TRUE(djpeg.waitForFinished(30000));
        EXPECT_EQ(djpeg.exitCode(), 0);
        EXPECT_TRUE(djpeg.readAllStandardOutput().startsWith("P5\n840 630\n255\n"));  // greyscale
    }
    EXPECT_FALSE(QFileInfo::exists(pasta.file(QStringLiteral("pecas__3.jpg"))));
    // A second run replaces the pages; a read-only page is replaced too.
    tqtest::writeFile(pasta.file(QStringLiteral("pecas.jpg")), "older");
    QFile(pasta.file(QStringLiteral("pecas.jpg"))).setPermissions(QFileDevice::ReadOwner);
    e.Partes[2].Selecionada = false;
    EXPECT_TRUE(s.GeraFiguraTabela(e));
    EXPECT_TRUE(tqtest::readFile(pasta.file(QStringLiteral("pecas.jpg"))).startsWith("\xFF\xD8"));
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden).size(), 2u);  // no temporary file left
}

TEST(ReportRun, UnwritablePagesStopTheRunWithOneBox)
{
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::TempDir pasta;
    tqtest::writeFile(pasta.file(QStringLiteral("arquivo")), "not a folder");
    // Every figure page of 23 parts: the first page that cannot be written
    // or printed ends the run.
    struct Caso { QString modo; QString caminho; long erro; };
    for (const Caso& c : {Caso{QStringLiteral("G"), pasta.file(QStringLiteral("falta/p.jpg")), platform::errors::PathNotFound},
                          Caso{QStringLiteral("G"), pasta.file(QStringLiteral("arquivo/p.jpg")), platform::errors::PathNotFound},
                          Caso{QStringLiteral("P"), pasta.file(QStringLiteral("falta/p.pdf")), saida::kErroImpressora}}) {
        SCOPED_TRACE((c.modo + QLatin1Char(' ') + c.caminho).toStdString());
        tqtest::FakeMessageBoxes caixas;
        tqtest::FakeSaveDialogs salvar;
        salvar.answers = {c.caminho};
        tqtest::FakePrintDialogs imprimir(c.caminho, 300);
        AmbienteTeste ambiente;
        saida::Saida s(ambiente);
        s.mModoSaida = c.modo;
        s.CodigoPecaSaida = cat.s.outputAssembly23;
        EXPECT_FALSE(s.GeraFiguraTabela(Escolha(cat.s.outputAssembly23, QStringLiteral("F"), 255)));
        ASSERT_EQ(caixas.shown.size(), 1u);
        EXPECT_EQ(caixas.last().icon(), platform::vbCritical);
        EXPECT_TRUE(caixas.last().text.startsWith(Modulo::ObtemTexto(21) + QStringLiteral(": %1\r\n").arg(c.erro)))
            << caixas.last().text.toStdString();
        EXPECT_EQ(ambiente.janela, (QStringList{QStringLiteral("off"), QStringLiteral("on")}));
        EXPECT_FALSE(QFileInfo::exists(c.caminho));
    }
}

TEST(ReportRun, AnyPageErrorStopsTheRunAndRemovesItsTemporaryFiles)
{
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::TempDir pasta;
    PastaTemporariaDoTeste tmp(pasta.file(QStringLiteral("tmp")));
    const QString destino = pasta.file(QStringLiteral("destino"));
    QDir().mkpath(destino);
    // 23 figure pages; the 4th page file cannot be written (0: every page
    // can, and the archive's folder is missing).  The pages of mode G stay
    // where the user put them; nothing else is left.
    struct Caso { QString modo; bool zip; int errno_; long erro; QString arquivo; QStringList ficam; };
    const QStringList tres{QStringLiteral("p.jpg"), QStringLiteral("p__2.jpg"), QStringLiteral("p__3.jpg")};
    for (const Caso& c : {Caso{QStringLiteral("G"), false, ENOSPC, 61, QStringLiteral("p.jpg"), tres},
                          Caso{QStringLiteral("G"), false, EACCES, 70, QStringLiteral("p.jpg"), tres},
                          Caso{QStringLiteral("E"), false, ENOSPC, 61, QString(), {}},
                          Caso{QStringLiteral("E"), false, EACCES, 70, QString(), {}},
                          Caso{QStringLiteral("E"), true, EROFS, 70, QString(), {}},
                          Caso{QStringLiteral("G"), true, EIO, 57, QStringLiteral("p.zip"), {}},
                          Caso{QStringLiteral("G"), true, 0, platform::errors::PathNotFound, QStringLiteral("falta/p.zip"), {}}}) {
        SCOPED_TRACE((c.modo + QStringLiteral(" zip %1 errno %2").arg(c.zip).arg(c.errno_)).toStdString());
        tqtest::FakeMessageBoxes caixas;
        tqtest::FakeMailer correio;
        tqtest::FakeSaveDialogs salvar;
        salvar.answers = {destino + QLatin1Char('/') + c.arquivo};
        AmbienteTeste ambiente;
        saida::Saida s(ambiente);
        s.mModoSaida = c.modo;
        s.UnicoArquivoCompactado = c.zip;
        s.CodigoPecaSaida = cat.s.outputAssembly23;
        int gravadas = 0;
        s.GravadorPagina = [&](const QString& arquivo, const QByteArray& bytes) {
            return ++gravadas >= 4 && c.errno_ ? c.errno_ : saida::GravaArquivoPagina(arquivo, bytes);
        };
        EXPECT_FALSE(s.GeraFiguraTabela(Escolha(cat.s.outputAssembly23, QStringLiteral("F"), 255)));
        // One box, the error of the page that failed (or of the archive),
        // and no other: no success text, no mail.
        ASSERT_EQ(caixas.shown.size(), 1u);
        EXPECT_EQ(caixas.last().icon(), platform::vbCritical);
        const QString caixa = caixas.last().text;
        EXPECT_TRUE(caixa.startsWith(Modulo::ObtemTexto(21) + QStringLiteral(": %1\r\n").arg(c.erro))) << caixa.toStdString();
        if (c.errno_) {
            EXPECT_EQ(gravadas, 4);
            EXPECT_EQ(caixa.mid(caixa.indexOf(QLatin1Char('\n')) + 1),
                      QStringLiteral("Não foi possível gravar \"%1\": %2")
                          .arg(saida::NumeraNomeArquivo(s.ArquivoBase(), 4), QString::fromLocal8Bit(std::strerror(c.errno_))));
        } else {
            EXPECT_EQ(gravadas, 23);
        }
        EXPECT_TRUE(correio.sent.empty());
        EXPECT_EQ(ambiente.janela, (QStringList{QStringLiteral("off"), QStringLiteral("on")}));
        EXPECT_EQ(QDir(Modulo::ObtemPastaSistema(QStringLiteral("TEMP"), false)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{});
        EXPECT_EQ(QDir(destino).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), c.ficam);
        for (const QString& pagina : c.ficam)
            QFile::remove(destino + QLatin1Char('/') + pagina);
    }
}

TEST(ReportRun, LongFileNamesWriteEveryPage)
{
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::TempDir pasta;
    PastaTemporariaDoTeste tmp(pasta.file(QStringLiteral("tmp")));
    // 240 bytes, two to a character: the page names, up to "__23", are
    // valid names as well.  The pages, and an archive of that name.
    const QString base = QString(118, QChar(0xE3));
    for (const QString& tipo : {QStringLiteral(".jpg"), QStringLiteral(".zip")}) {
        SCOPED_TRACE(tipo.toStdString());
        const QString nome = base + tipo;
        ASSERT_EQ(nome.toUtf8().size(), 240);
        const QString saida = pasta.file(tipo.mid(1));
        QDir().mkpath(saida);
        tqtest::FakeMessageBoxes caixas;
        tqtest::FakeSaveDialogs salvar;
        salvar.answers = {saida + QLatin1Char('/') + nome};
        AmbienteTeste ambiente;
        saida::Saida s(ambiente);
        s.mModoSaida = QStringLiteral("G");
        s.UnicoArquivoCompactado = tipo == QLatin1String(".zip");
        s.CodigoPecaSaida = cat.s.outputAssembly23;
        EXPECT_TRUE(s.GeraFiguraTabela(Escolha(cat.s.outputAssembly23, QStringLiteral("F"), 255)));
        ASSERT_EQ(caixas.shown.size(), 1u);
        EXPECT_EQ(caixas.last().icon(), platform::vbInformation) << caixas.last().text.toStdString();
        QStringList paginas;
        for (int k = 1; k <= 23; ++k)
            paginas << saida::NumeraNomeArquivo(base + QStringLiteral(".jpg"), k);
        if (s.UnicoArquivoCompactado) {
            EXPECT_EQ(QDir(saida).entryList(QDir::Files | QDir::Hidden), QStringList{nome});
            EXPECT_EQ(Executa(QStringLiteral("unzip"), {QStringLiteral("-Z1"), saida + QLatin1Char('/') + nome}).saida,
                      paginas.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        } else {
            paginas.sort();
            EXPECT_EQ(QDir(saida).entryList(QDir::Files | QDir::Hidden, QDir::Name), paginas);
            for (const QString& pagina : {paginas.first(), paginas.last()})
                EXPECT_TRUE(tqtest::readFile(saida + QLatin1Char('/') + pagina).startsWith("\xFF\xD8\xFF"));
        }
    }
}

TEST(ReportRun, OutputsOfTheSameSecondKeepTheirOwnFiles)
{
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::FakeMessageBoxes caixas;
    tqtest::FakeMailer correio;
    tqtest::TempDir pasta;
    // The user's temporary folder of this test alone.
    const QByteArray tmpAntes = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(pasta.file(QStringLiteral("tmp"))));
    QDir().mkpath(pasta.file(QStringLiteral("tmp")));
    const QString zip = pasta.file(QStringLiteral("CAT_TQ_2024-05-01_14-03-09.zip"));
    tqtest::FakeSaveDialogs salvar;
    salvar.answers = {zip};
    EscolhaSaida e = Escolha(cat.s.outputAssembly23, QStringLiteral("F"), 0);
    e.Partes[1].Selecionada = true;
    // Two e-mails, an archive of the same base name and an e-mailed archive,
    // all at 14:03:09.
    struct Caso { QString modo; bool zip; };
    for (const Caso& c : {Caso{QStringLiteral("E"), false}, Caso{QStringLiteral("E"), false}, Caso{QStringLiteral("G"), true},
                          Caso{QStringLiteral("E"), true}}) {
        AmbienteTeste ambiente;
        saida::Saida s(ambiente);
        s.mModoSaida = c.modo;
        s.UnicoArquivoCompactado = c.zip;
        s.CodigoPecaSaida = cat.s.outputAssembly23;
        EXPECT_TRUE(s.GeraFiguraTabela(e));
    }
    // Every file handed to the mail program is still there, and is no other
    // message's file.
    ASSERT_EQ(correio.sent.size(), 3u);
    EXPECT_EQ(correio.sent[0].size(), 2);
    QStringList vistos;
    for (const QStringList& anexos : correio.sent)
        for (const QString& anexo : anexos) {
            SCOPED_TRACE(anexo.toStdString());
            EXPECT_TRUE(QFileInfo(anexo).fileName().startsWith(QStringLiteral("CAT_TQ_2024-05-01_14-03-09")));
            EXPECT_TRUE(QFileInfo::exists(anexo));
            EXPECT_FALSE(vistos.contains(anexo));
            vistos << anexo;
        }
    EXPECT_EQ(Executa(QStringLiteral("unzip"), {QStringLiteral("-Z1"), zip}).saida,
              QStringLiteral("CAT_TQ_2024-05-01_14-03-09.jpg\nCAT_TQ_2024-05-01_14-03-09__2.jpg\n"));
    // Nothing left of the archives' pages: only the folders of the e-mails.
    const QString tmp = Modulo::ObtemPastaSistema(QStringLiteral("TEMP"), false);
    EXPECT_TRUE(tmp.startsWith(pasta.path()));
    EXPECT_EQ(QDir(tmp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 3);
    EXPECT_TRUE(caixas.shown.size() == 1u && caixas.last().icon() == platform::vbInformation);
    if (tmpAntes.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", tmpAntes);
}

TEST(ReportFiles, NamesAndNumberedPages)
{
    const QDateTime t(QDate(2024, 5, 1), QTime(14, 3, 9));
    EXPECT_EQ(saida::MontaNomeArquivo(QStringLiteral("JPG"), QStringLiteral("V"), t), QStringLiteral("CAT_TQ_2024-05-01_14-03-09.jpg"));
    EXPECT_EQ(saida::MontaNomeArquivo(QStringLiteral("ZIP"), QStringLiteral("D"), t), QStringLiteral("CAT_TQSD_2024-05-01_14-03-09.zip"));
    struct Caso { QString nome; int n; QString esperado; };
    // The file name's own dot counts, never one in a folder's name.
    for (const Caso& c : {Caso{QStringLiteral("/o/B.jpg"), 1, QStringLiteral("/o/B.jpg")},
                          Caso{QStringLiteral("/o/B.jpg"), 12, QStringLiteral("/o/B__12.jpg")},
                          Caso{QStringLiteral("/o/report"), 2, QStringLiteral("/o/report__2")},
                          Caso{QStringLiteral("/o/saida.v2/relatorio"), 2, QStringLiteral("/o/saida.v2/relatorio__2")},
                          Caso{QStringLiteral("/o/saida.v2/relatorio.jpg"), 3, QStringLiteral("/o/saida.v2/relatorio__3.jpg")},
                          Caso{QStringLiteral("/o.d/p.q/B.x.jpg"), 2, QStringLiteral("/o.d/p.q/B.x__2.jpg")},
                          Caso{QStringLiteral("relatorio"), 2, QStringLiteral("relatorio__2")}})
        EXPECT_EQ(saida::NumeraNomeArquivo(c.nome, c.n), c.esperado);
}

TEST(ReportFiles, ZipIsCompleteOrNotThere)
{
    tqtest::TempDir pasta;
    QStringList paginas;
    for (const char* n : {"P.jpg", "P__2.jpg", "P__10.jpg"}) {
        paginas << pasta.file(QLatin1String(n));
        tqtest::writeFile(paginas.back(), QByteArray(1000, n[3]));
    }
    const QString zip = pasta.file(QStringLiteral("P.zip"));
    tqtest::writeFile(zip, "older");
    saida::CompactaArquivos(zip, paginas);
    EXPECT_EQ(Executa(QStringLiteral("unzip"), {QStringLiteral("-tq"), zip}).codigo, 0);
    const QString lista = Executa(QStringLiteral("unzip"), {QStringLiteral("-Z1"), zip}).saida;
    EXPECT_EQ(lista, QStringLiteral("P.jpg\nP__2.jpg\nP__10.jpg\n"));
    // A missing page: error 53, the old archive kept, nothing left behind.
    tqtest::writeFile(zip, "older");
    EXPECT_EQ(tqtest::errorNumberOf([&] { saida::CompactaArquivos(zip, {pasta.file(QStringLiteral("nada.jpg"))}); }), 53);
    EXPECT_EQ(tqtest::readFile(zip), QByteArray("older"));
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden).size(), 4u);
}

class ReportProgram : public ::testing::Test {
protected:
    void SetUp() override { dados = Catalogo(QStringLiteral("V")).dataFolder; }
    QString dados;
    tqtest::TempDir pasta;
};

TEST_F(ReportProgram, PrintsToPdfAt300And600Dpi)
{
    const auto& s = Catalogo(QStringLiteral("V"));
    for (int dpi : {300, 600}) {
        SCOPED_TRACE(dpi);
        const QString pdf = pasta.file(QStringLiteral("f%1.pdf").arg(dpi));
        const Resultado r = Saida({dados, QString::number(s.outputAssembly23), QStringLiteral("P"), QStringLiteral("FT"),
                                   QStringLiteral("0"), pdf, QStringLiteral("--dpi"), QString::number(dpi)});
        EXPECT_EQ(r.codigo, 0) << r.saida.toStdString();
        EXPECT_TRUE(r.saida.isEmpty()) << r.saida.toStdString();
        // Figure and table of part 1; the kit and note sections follow the
        // table on its page.
        EXPECT_EQ(PaginasPdf(pdf), 2);
        EXPECT_TRUE(InfoPdf(pdf).contains(QStringLiteral("842 x 595 pts (A4)")));  // landscape
        const QString p1 = TextoPdf(pdf, 1), p2 = TextoPdf(pdf, 2), p3 = p2;
        const QString cabecalho = QRegularExpression::escape(Modulo::ObtemTexto(19, QStringLiteral("P"), QStringLiteral("V"))) +
                                  QStringLiteral("\\s+3\\.2\\s+15-MAR-2024 R2");
        EXPECT_TRUE(QRegularExpression(cabecalho).match(p1).hasMatch()) << p1.left(300).toStdString();
        EXPECT_TRUE(p1.contains(QStringLiteral("Figura")));
        EXPECT_TRUE(p1.contains(QStringLiteral("Transmissão: TRANSMISSÃO NV-2400")));
        EXPECT_TRUE(p1.contains(s.outputItemWithoutComponent));
        EXPECT_TRUE(p2.contains(QStringLiteral("Tabela")));
        EXPECT_TRUE(p2.contains(QStringLiteral("Jogos de Reparo")));
        EXPECT_TRUE(QRegularExpression(QStringLiteral("(?m)^\\s*2\\s*$")).match(p2).hasMatch());  // page number
        EXPECT_TRUE(p3.contains(QStringLiteral("Jogo de Reparo")));
        EXPECT_TRUE(p3.contains(QStringLiteral("Observação")));
        EXPECT_TRUE(p3.contains(QStringLiteral("Aplicar vedante na rosca.")));
    }
}

TEST_F(ReportProgram, PrintsOnlyThePageRangeThePrinterComesBackWith)
{
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::FakeMessageBoxes caixas;
    EscolhaSaida e = Escolha(cat.s.outputAssembly23, QStringLiteral("F"), 0);
    e.Partes[1].Selecionada = e.Partes[2].Selecionada = true;
    // Three figure pages; the page numbers printed are those of the run.
    struct Caso { std::pair<int, int> intervalo; QStringList numeros; };
    for (const Caso& c : {Caso{{2, 2}, {QStringLiteral("2")}}, Caso{{2, 3}, {QStringLiteral("2"), QStringLiteral("3")}},
                          Caso{{0, 0}, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}}}) {
        SCOPED_TRACE(c.intervalo.first);
        const QString pdf = pasta.file(QStringLiteral("r%1-%2.pdf").arg(c.intervalo.first).arg(c.intervalo.second));
        tqtest::FakePrintDialogs dialogos(pdf, 300);
        dialogos.range = c.intervalo;
        saida::Saida s;
        s.CodigoPecaSaida = cat.s.outputAssembly23;
        EXPECT_TRUE(s.GeraFiguraTabela(e));
        ASSERT_EQ(PaginasPdf(pdf), c.numeros.size());
        for (int p = 1; p <= c.numeros.size(); ++p) {
            const QString texto = TextoPdf(pdf, p);
            EXPECT_TRUE(texto.contains(QStringLiteral("Figura")));
            EXPECT_TRUE(QRegularExpression(QStringLiteral("(?m)^\\s*%1\\s*$").arg(c.numeros[p - 1])).match(texto).hasMatch())
                << texto.toStdString();
        }
    }
    EXPECT_TRUE(caixas.shown.empty());
}

TEST_F(ReportProgram, CancelledDialogPrintsNothing)
{
    CatalogoAberto cat(QStringLiteral("V"));
    tqtest::FakeMessageBoxes caixas;
    tqtest::FakePrintDialogs dialogos(pasta.file(QStringLiteral("x.pdf")));
    dialogos.cancel = true;
    saida::Saida s;
    s.CodigoPecaSaida = cat.s.outputAssembly23;
    EXPECT_FALSE(s.GeraFiguraTabela(Escolha(cat.s.outputAssembly23, QStringLiteral("*"), 255)));
    EXPECT_EQ(dialogos.shown, 1);
    EXPECT_TRUE(caixas.shown.empty());
    EXPECT_FALSE(QFileInfo::exists(pasta.file(QStringLiteral("x.pdf"))));
}

TEST_F(ReportProgram, PdfOnAFullDiskIsWholeOrTheEarlierFileStays)
{
    // Real file systems: a tmpfs mounted in a mount namespace of its own
    // (only where this process may mount one: root with the privilege to),
    // holding an earlier file at the PDF's path and, to leave just so many
    // blocks free, a file that takes the rest.
    const QString disco = pasta.file(QStringLiteral("disco"));
    QDir().mkpath(disco);
    if (::geteuid() != 0 || Executa(QStringLiteral("unshare"), {QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"),
                                                               QStringLiteral("mount -t tmpfs -o size=200k tqteste \"$1\""),
                                                               QStringLiteral("sh"), disco}).codigo != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const auto& s = Catalogo(QStringLiteral("V"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), pasta.path());
    env.insert(QStringLiteral("QT_HASH_SEED"), QStringLiteral("0"));
    const QString anterior = pasta.file(QStringLiteral("anterior.pdf"));
    tqtest::writeFile(anterior, QByteArray("%PDF-1.4 an earlier printout\n") + QByteArray(5000, 'x'));
    const QString copia = pasta.file(QStringLiteral("copia.pdf"));

    // The whole printout of every figure and table of the 23-part assembly,
    // and its size on a disk with room, in each language.
    QMap<QString, qint64> tamanhos;
    for (const QString& idioma : {QStringLiteral("P"), QStringLiteral("E"), QStringLiteral("I")}) {
        const QString pdf = pasta.file(QStringLiteral("medida-%1.pdf").arg(idioma));
        const Resultado r = Executa(tqtest::builtProgram(QStringLiteral("tqsaida")),
                                    {dados, QString::number(s.outputAssembly23), QStringLiteral("P"), QStringLiteral("FT"),
                                     QStringLiteral("255"), pdf, QStringLiteral("--idioma"), idioma},
                                    env);
        ASSERT_EQ(r.codigo, 0) << r.saida.toStdString();
        tamanhos[idioma] = QFileInfo(pdf).size();
    }
    const int paginas = PaginasPdf(pasta.file(QStringLiteral("medida-P.pdf")));
    ASSERT_GT(paginas, 23);

    // $5 the tmpfs's size, $6 the blocks left free for the printout (empty:
    // whatever the earlier file leaves), $7 the run's language, $8 "ro" for a
    // read-only file system, $9 the earlier file.  Prints the run's boxes,
    // "--" and the names on the disk; the PDF at the path is copied out to
    // ${10}.
    const QString script = QStringLiteral(
        "mount -t tmpfs -o size=$5 tqteste \"$1\" || exit 99; cp \"$9\" \"$1/p.pdf\" || exit 98; "
        "if [ -n \"$6\" ]; then b=$(stat -f -c %S \"$1\"); l=$(stat -f -c %a \"$1\"); "
        "head -c $(( (l - $6) * b )) /dev/zero > \"$1/ocupado\"; [ \"$(stat -f -c %a \"$1\")\" = \"$6\" ] || exit 97; fi; "
        "[ \"$8\" != ro ] || mount -o remount,ro \"$1\" || exit 96; "
        "\"$2\" \"$3\" \"$4\" P FT 255 \"$1/p.pdf\" --idioma \"$7\"; r=$?; echo --; ls -A \"$1\"; cp \"$1/p.pdf\" \"${10}\"; exit $r");
    const qint64 bloco = 4096;
    const auto blocos = [&](const QString& idioma) { return QString::number((tamanhos[idioma] + bloco - 1) / bloco); };
    const auto menos1 = [&](const QString& idioma) { return QString::number((tamanhos[idioma] + bloco - 1) / bloco - 1); };
    struct Caso {
        const char* nome;
        QString tamanho, livres, idioma, somenteLeitura;
        QString caixa;  // "": a complete printout
    };
    const QString cheio = QString::fromLocal8Bit(std::strerror(ENOSPC));
    const auto erro = [](const char* idioma, int numero) {
        return Modulo::ObtemTexto(21, QLatin1String(idioma), QStringLiteral("V")) + QStringLiteral(": %1\n").arg(numero);
    };
    const QString caminho = disco + QStringLiteral("/p.pdf");
    const std::vector<Caso> casos = {
        // 200 KB: full long before the end, in each language.
        {"full P", QStringLiteral("200k"), QString(), QStringLiteral("P"), QString(),
         erro("P", 61) + QStringLiteral("Não foi possível gravar o documento \"%1\": %2\n").arg(caminho, cheio)},
        {"full E", QStringLiteral("200k"), QString(), QStringLiteral("E"), QString(),
         erro("E", 61) + QStringLiteral("No se pudo guardar el documento \"%1\": %2\n").arg(caminho, cheio)},
        {"full I", QStringLiteral("200k"), QString(), QStringLiteral("I"), QString(),
         erro("I", 61) + QStringLiteral("The document \"%1\" could not be written: %2\n").arg(caminho, cheio)},
        // Room for all but the last block: the disk fills in the document's
        // last bytes (the end of the cross-reference table, the trailer).
        {"one block short", QStringLiteral("2m"), menos1(QStringLiteral("P")), QStringLiteral("P"), QString(),
         erro("P", 61) + QStringLiteral("Não foi possível gravar o documento \"%1\": %2\n").arg(caminho, cheio)},
        {"one block short I", QStringLiteral("2m"), menos1(QStringLiteral("I")), QStringLiteral("I"), QString(),
         erro("I", 61) + QStringLiteral("The document \"%1\" could not be written: %2\n").arg(caminho, cheio)},
        // Exactly the room the document takes: it is written whole.
        {"exact room", QStringLiteral("2m"), blocos(QStringLiteral("P")), QStringLiteral("P"), QString(), QString()},
        {"exact room E", QStringLiteral("2m"), blocos(QStringLiteral("E")), QStringLiteral("E"), QString(), QString()},
        // A read-only file system: the printer cannot start, as before.
        {"read-only", QStringLiteral("2m"), QString(), QStringLiteral("P"), QStringLiteral("ro"),
         erro("P", 482) + QStringLiteral("Erro de impressora: a impressora não pode iniciar o documento\n")},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        QFile::remove(copia);
        const Resultado r = Executa(QStringLiteral("unshare"),
                                    {QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"), script, QStringLiteral("sh"), disco,
                                     tqtest::builtProgram(QStringLiteral("tqsaida")), dados, QString::number(s.outputAssembly23),
                                     c.tamanho, c.livres, c.idioma, c.somenteLeitura, anterior, copia},
                                    env);
        const QString nomes = c.livres.isEmpty() ? QStringLiteral("p.pdf\n") : QStringLiteral("ocupado\np.pdf\n");
        if (c.caixa.isEmpty()) {
            EXPECT_EQ(r.codigo, 0) << r.saida.toStdString();
            EXPECT_EQ(r.saida, QStringLiteral("--\n") + nomes);
            EXPECT_EQ(QFileInfo(copia).size(), tamanhos[c.idioma]);
            EXPECT_EQ(PaginasPdf(copia), paginas) << InfoPdf(copia).toStdString();
            EXPECT_EQ(Executa(QStringLiteral("pdftotext"), {copia, QStringLiteral("-")}).codigo, 0);
        } else {
            // One box, no success, the earlier file as it was and nothing
            // left beside it.
            EXPECT_EQ(r.codigo, 1) << r.saida.toStdString();
            EXPECT_EQ(r.saida, c.caixa + QStringLiteral("--\n") + nomes);
            EXPECT_TRUE(tqtest::readFile(copia) == tqtest::readFile(anterior)) << QFileInfo(copia).size() << " bytes";
        }
    }
}

TEST_F(ReportProgram, PdfCutShortInMemoryIsNotWritten)
{
    // A limit on the size of the files this process writes (SIGXFSZ
    // ignored, so that writes past it fail) cuts the document the print
    // engine writes before it ever reaches the disk: the printer's box, and
    // the earlier file as it was.
    const auto& s = Catalogo(QStringLiteral("V"));
    const QString pdf = pasta.file(QStringLiteral("p.pdf"));
    const QByteArray anterior("%PDF-1.4 an earlier printout\n");
    tqtest::writeFile(pdf, anterior);
    const QString script = QStringLiteral("trap '' XFSZ; ulimit -f 200 || exit 99; exec \"$@\"");
    const Resultado r = Executa(QStringLiteral("sh"), {QStringLiteral("-c"), script, QStringLiteral("sh"),
                                                       tqtest::builtProgram(QStringLiteral("tqsaida")), dados,
                                                       QString::number(s.outputAssembly23), QStringLiteral("P"),
                                                       QStringLiteral("FT"), QStringLiteral("255"), pdf});
    EXPECT_EQ(r.codigo, 1) << r.saida.toStdString();
    EXPECT_EQ(r.saida, Modulo::ObtemTexto(21, QStringLiteral("P"), QStringLiteral("V")) +
                           QStringLiteral(": 482\nErro de impressora: o documento não pôde ser enviado\n"));
    EXPECT_TRUE(tqtest::readFile(pdf) == anterior) << QFileInfo(pdf).size() << " bytes";
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("p.pdf")});
}

TEST_F(ReportProgram, GenerateFilesAndZip)
{
    const auto& s = Catalogo(QStringLiteral("V"));
    const QString zip = pasta.file(QStringLiteral("Pecas.ZIP"));
    const Resultado r = Saida({dados, QString::number(s.outputAssembly23), QStringLiteral("G"), QStringLiteral("F"),
                               QStringLiteral("255"), zip, QStringLiteral("--zip")});
    EXPECT_EQ(r.codigo, 0);
    // Text 32 names the archive, which exists and holds the 23 pages in order.
    EXPECT_TRUE(r.saida.contains(QStringLiteral("\"") + zip + QStringLiteral("\""))) << r.saida.toStdString();
    EXPECT_EQ(Executa(QStringLiteral("unzip"), {QStringLiteral("-tq"), zip}).codigo, 0);
    const QStringList nomes = Executa(QStringLiteral("unzip"), {QStringLiteral("-Z1"), zip}).saida.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(nomes.size(), 23);
    EXPECT_EQ(nomes[0], QStringLiteral("Pecas.jpg"));
    EXPECT_EQ(nomes[11], QStringLiteral("Pecas__12.jpg"));
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Pecas.ZIP")});
}

TEST_F(ReportProgram, MailsThePagesInOrderThroughXdgEmail)
{
    const auto& s = Catalogo(QStringLiteral("V"));
    // A stand-in xdg-email that writes its arguments, one a line.
    const QString bin = pasta.file(QStringLiteral("bin"));
    QDir().mkpath(bin);
    const QString registro = pasta.file(QStringLiteral("args.txt"));
    tqtest::writeFile(bin + QStringLiteral("/xdg-email"),
                      QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > '%1'\n"
                                     "[ -z \"$XDG_FAKE_SLEEP\" ] || sleep \"$XDG_FAKE_SLEEP\"\nexit ${XDG_FAKE_EXIT:-0}\n").arg(registro).toUtf8());
    QFile(bin + QStringLiteral("/xdg-email")).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::WriteOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PATH"), bin + QStringLiteral(":/usr/bin:/bin"));
    // Pages of its own: the per-user temporary folder is shared with the
    // other output tests running at the same time, and pages named in the
    // same second would be theirs too.
    env.insert(QStringLiteral("TMPDIR"), pasta.path());

    // The 23 figure pages, attached in page order.
    Resultado r = Saida({dados, QString::number(s.outputAssembly23), QStringLiteral("E"), QStringLiteral("F"), QStringLiteral("255"),
                         QStringLiteral("-")}, env);
    EXPECT_EQ(r.codigo, 0) << r.saida.toStdString();
    QStringList args = QString::fromUtf8(tqtest::readFile(registro)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(args.size(), 46);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("/CAT_TQ_\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d\\.jpg$")).match(args[1]).hasMatch());
    for (int k = 0; k < 23; ++k) {
        EXPECT_EQ(args[2 * k], QStringLiteral("--attach"));
        EXPECT_EQ(args[2 * k + 1], saida::NumeraNomeArquivo(args[1], k + 1));
        EXPECT_TRUE(QFileInfo::exists(args[2 * k + 1]));
    }

    // With the box ticked the archive alone; a failing or missing mail
    // program is reported and the run does not complete.
    r = Saida({dados, QString::number(s.outputAssembly23), QStringLiteral("E"), QStringLiteral("F"), QStringLiteral("0"),
               QStringLiteral("-"), QStringLiteral("--zip")}, env);
    EXPECT_EQ(r.codigo, 0);
    args = QString::fromUtf8(tqtest::readFile(registro)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(args.size(), 2);
    EXPECT_TRUE(args[1].endsWith(QStringLiteral(".zip")));
    EXPECT_EQ(Executa(QStringLiteral("unzip"), {QStringLiteral("-tq"), args[1]}).codigo, 0);

    env.insert(QStringLiteral("XDG_FAKE_EXIT"), QStringLiteral("3"));
    r = Saida({dados, QString::number(s.outputAssembly23), QStringLiteral("E"), QStringLiteral("F"), QStringLiteral("0"), QStringLiteral("-")}, env);
    EXPECT_EQ(r.codigo, 1);
    const QString falha = QStringLiteral("Erro Nº: 57\nO programa de e-mail falhou (código de saída 3 do xdg-email: uma "
                                         "ferramenta necessária não foi encontrada).\n");
    EXPECT_EQ(r.saida, falha);
    // Failing only after the wait a window gives it (5 s): with nobody at the
    // screen the run waits for the mail program's result and reports it the
    // same way.
    env.insert(QStringLiteral("XDG_FAKE_SLEEP"), QStringLiteral("6"));
    r = Saida({dados, QString::number(s.outputAssembly23), QStringLiteral("E"), QStringLiteral("F"), QStringLiteral("0"), QStringLiteral("-")}, env);
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(r.saida, falha);
    env.remove(QStringLiteral("XDG_FAKE_SLEEP"));
    env.insert(QStringLiteral("PATH"), pasta.file(QStringLiteral("vazio")));
    r = Saida({dados, QString::number(s.outputAssembly23), QStringLiteral("E"), QStringLiteral("F"), QStringLiteral("0"), QStringLiteral("-")}, env);
    EXPECT_EQ(r.codigo, 1);
    EXPECT_TRUE(r.saida.startsWith(QStringLiteral("Erro Nº: 53\n"))) << r.saida.toStdString();
}

TEST_F(ReportProgram, FullDiskStopsTheRunWithOneBox)
{
    // A real full file system: a 200 KB tmpfs as the temporary folder of the
    // run, mounted in a mount namespace of its own (only where this process
    // may mount one: root with the privilege to).
    const QString disco = pasta.file(QStringLiteral("disco"));
    QDir().mkpath(disco);
    const QString montagem = QStringLiteral("mount -t tmpfs -o size=200k tqteste \"$1\"");
    if (::geteuid() != 0 || Executa(QStringLiteral("unshare"), {QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"), montagem,
                                                               QStringLiteral("sh"), disco}).codigo != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    // A stand-in xdg-email, should the run ever get to the mail.
    const QString bin = pasta.file(QStringLiteral("bin"));
    QDir().mkpath(bin);
    tqtest::writeFile(bin + QStringLiteral("/xdg-email"), "#!/bin/sh\nexit 0\n");
    QFile(bin + QStringLiteral("/xdg-email")).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PATH"), bin + QStringLiteral(":/usr/bin:/bin"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), pasta.path());
    // The run's boxes, then "--" and what it left in the program's own
    // temporary folder on the disk.
    const QString script = montagem + QStringLiteral(" || exit 99; TMPDIR=\"$1\" \"$2\" \"$3\" \"$4\" E F 255 - $5 --idioma $6; "
                                                     "r=$?; echo --; ls -A \"$1\"/*/; exit $r");
    const auto& s = Catalogo(QStringLiteral("V"));
    // The box in the language of the run, the system's reason after it.
    const struct {
        const char* idioma;
        const char* erro;
        const char* texto;
    } idiomas[] = {
        {"P", "Erro Nº", "Não foi possível gravar"},
        {"E", "Erro Nº", "No se pudo guardar"},
        {"I", "Err Nr", "Cannot write"},
    };
    for (const auto& l : idiomas) {
        for (const QString& zip : {QString(), QStringLiteral("--zip")}) {
            SCOPED_TRACE(l.idioma + zip.toStdString());
            const Resultado r = Executa(QStringLiteral("unshare"), {QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"), script,
                                                                    QStringLiteral("sh"), disco, tqtest::builtProgram(QStringLiteral("tqsaida")),
                                                                    dados, QString::number(s.outputAssembly23), zip,
                                                                    QString::fromLatin1(l.idioma)},
                                        env);
            EXPECT_EQ(r.codigo, 1) << r.saida.toStdString();
            EXPECT_EQ(r.saida.count(QString::fromUtf8(l.erro) + QLatin1Char(':')), 1) << r.saida.toStdString();
            EXPECT_TRUE(QRegularExpression(QStringLiteral("^%1: 61\n%2 \"[^\"]+__\\d+\\.jpg\": ")
                                               .arg(QString::fromUtf8(l.erro), QString::fromUtf8(l.texto)) +
                                           QRegularExpression::escape(QString::fromLocal8Bit(std::strerror(ENOSPC))) + QStringLiteral("\n--\n$"))
                            .match(r.saida)
                            .hasMatch())
                << r.saida.toStdString();
        }
    }
}

// The output's file errors that reach the error box, in each language: the
// output's own words in it, the system's reason after them as it is.
TEST(ReportFiles, FileErrorsSpeakTheLanguageOfTheRun)
{
    const auto& s = Catalogo(QStringLiteral("V"));
    tqtest::TempDir pasta;
    QDir().mkpath(pasta.file(QStringLiteral("Figuras")));
    tqtest::writeFile(pasta.file(QStringLiteral("Figuras/TEXTO.jpg")), "not a picture");
    const QString pagina = pasta.file(QStringLiteral("p.jpg"));
    tqtest::writeFile(pagina, tqtest::readFile(s.dataFolder + QStringLiteral("Figuras/FIG_NV2400_01.jpg")));
    // A folder in the place of the archive: it cannot be renamed in.
    const QString ocupado = pasta.file(QStringLiteral("ocupado.zip"));
    QDir().mkpath(ocupado + QStringLiteral("/x"));
    const QString antes = Modulo::gCaminhoDados;
    Modulo::gCaminhoDados = pasta.pathSlash();
    const struct {
        const char* nome;
        long erro;
        std::function<void()> provoca;
        const char* p;
        const char* e;
        const char* i;
    } casos[] = {
        {"a missing drawing", 53, [] { saida::CarregaDesenho(QStringLiteral("NADA.jpg")); }, "Arquivo não encontrado: ",
         "No se encontró el archivo: ", "File not found: "},
        {"a drawing that is no picture", 481, [] { saida::CarregaDesenho(QStringLiteral("TEXTO.jpg")); },
         "Imagem inválida: ", "Imagen no válida: ", "Invalid picture: "},
        {"a drawing outside its folder", 75, [] { saida::CarregaDesenho(QStringLiteral("..\\fora.jpg")); },
         "Erro de acesso ao caminho/arquivo: ", "Error de acceso a la ruta o el archivo: ", "Path/File access error: "},
        {"a page gone before the archive", 53,
         [&] { saida::CompactaArquivos(pasta.file(QStringLiteral("a.zip")), {pasta.file(QStringLiteral("nada.jpg"))}); },
         "Arquivo não encontrado: ", "No se encontró el archivo: ", "File not found: "},
        {"the archive's folder missing", 76,
         [&] { saida::CompactaArquivos(pasta.file(QStringLiteral("falta/a.zip")), {pagina}); },
         "Caminho não encontrado: ", "No se encontró la ruta de acceso: ", "Path not found: "},
        {"the archive's name taken by a folder", 57, [&] { saida::CompactaArquivos(ocupado, {pagina}); },
         "Não foi possível gravar \"", "No se pudo guardar \"", "Cannot write \""},
    };
    for (const auto& c : casos) {
        for (const char* idioma : {"P", "E", "I"}) {
            SCOPED_TRACE(std::string(c.nome) + ", " + idioma);
            Modulo::gIdioma = QString::fromLatin1(idioma);
            const char* texto = *idioma == 'P' ? c.p : *idioma == 'E' ? c.e : c.i;
            try {
                c.provoca();
                ADD_FAILURE() << "no error";
            } catch (const platform::Error& e) {
                EXPECT_EQ(e.number(), c.erro);
                EXPECT_TRUE(e.description().startsWith(QString::fromUtf8(texto))) << e.description().toStdString();
            }
        }
    }
    Modulo::gIdioma = QStringLiteral("P");
    Modulo::gCaminhoDados = antes;
}

TEST(ReportFiles, BadDrawingsGiveTheirErrors)
{
    const auto& s = Catalogo(QStringLiteral("V"));
    tqtest::TempDir pasta;
    QDir().mkpath(pasta.file(QStringLiteral("Figuras")));
    const QByteArray jpeg = tqtest::readFile(s.dataFolder + QStringLiteral("Figuras/FIG_NV2400_01.jpg"));
    tqtest::writeFile(pasta.file(QStringLiteral("Figuras/CORTADO.JPG")), jpeg.left(jpeg.size() / 2));
    tqtest::writeFile(pasta.file(QStringLiteral("Figuras/TEXTO.jpg")), "not a picture");
    tqtest::writeFile(pasta.file(QStringLiteral("fora.jpg")), jpeg);
    const QString antes = Modulo::gCaminhoDados;
    Modulo::gCaminhoDados = pasta.pathSlash();
    struct Caso { QString nome; long erro; };
    for (const Caso& c : {Caso{QStringLiteral("cortado.jpg"), 481}, Caso{QStringLiteral("TEXTO.jpg"), 481},
                          Caso{QStringLiteral("NADA.jpg"), 53}, Caso{QStringLiteral("..\\fora.jpg"), 75},
                          Caso{QStringLiteral("  "), 75}}) {
        SCOPED_TRACE(c.nome.toStdString());
        EXPECT_EQ(tqtest::errorNumberOf([&] { saida::CarregaDesenho(c.nome); }), c.erro);
    }
    Modulo::gCaminhoDados = antes;
}
