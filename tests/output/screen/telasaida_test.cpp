// Report output's requests in the detail window: the output options screen
// (request 5) in the three modes over the 23-part figure, its action button
// to the end of each mode (a PDF checked with pdfinfo, JPEG pages and the
// ZIP file, the e-mail's attachments), the runs that stop and leave the
// screen as it was, and the comparison printout of request 6 read from the
// main window.
#include "reportfixture.h"

#include "output/report/arquivos.h"
#include "output/screen/telasaida.h"

#include "core/globals.h"
#include "core/itemtexts.h"
#include "core/janeladetalhe.h"
#include "core/janelaprincipal.h"
#include "core/pictures.h"
#include "core/texts.h"
#include "detailwindow/frmTQ2.h"
#include "mainwindow/frmTQ1.h"
#include "platform/desktop/desktopprogram.h"
#include "support/fakemail.h"
#include "support/fakesavedialog.h"
#include "support/standinprogram.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace reporttest;

namespace {

QString Executa(const QString& programa, const QStringList& argumentos, int* codigo = nullptr)
{
    QProcess p;
    p.start(programa, argumentos);
    p.waitForFinished(60000);
    if (codigo)
        *codigo = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    return QString::fromUtf8(p.readAllStandardOutput());
}

int PaginasPdf(const QString& pdf)
{
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(Executa(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

bool MesmaImagem(const QPixmap& a, const QString& recurso)
{
    return !a.isNull() && a.toImage() == Modulo::CarregaImagemRecurso(recurso).toImage();
}

std::vector<int> Selecionadas(const frmTQ2& j) { return j.mEscolhaSaida.PartesSelecionadas(); }

class TelaSaidaJanela : public ::testing::Test {
protected:
    TelaSaidaJanela() : cat(QStringLiteral("V")) { TelaSaida::Registra(); }
    ~TelaSaidaJanela() override
    {
        janela.reset();
        frmTQ2::RegistraExibeTelaSaida({});
        frmTQ2::RegistraImprimeComparacaoEFecha({});
        Modulo::gParametro.clear();
    }

    frmTQ2& Abre(const QString& pedido)
    {
        janela.reset();
        Modulo::gParametro = pedido;
        janela = std::make_unique<frmTQ2>();
        janela->Form_Load();
        janela->Form_Activate();
        return *janela;
    }
    QString Pedido(const QString& modo, const QString& opcoes, int parte) const
    {
        return QStringLiteral("5|%1|%2|%3|%4").arg(cat.s.outputAssembly23).arg(modo, opcoes).arg(parte);
    }
    void Pressiona() { Q_EMIT janela->imgImprimir->clicado(1); }

    CatalogoAberto cat;
    tqtest::FakeMessageBoxes caixas;
    tqtest::TempDir pasta;
    std::unique_ptr<frmTQ2> janela;
};

}  // namespace

TEST_F(TelaSaidaJanela, ScreenFiveInTheThreeModes)
{
    struct Caso {
        QString modo;
        const char* botao;
        const char* titulo;
        THPicture* frmTQ2::*lugar;  // the cart list's button of the same picture
    };
    for (const Caso& c : {Caso{QStringLiteral("P"), "IMPRIMIR", "TITULOIMPRIMIR", &frmTQ2::imgImprimir},
                          Caso{QStringLiteral("G"), "GERARARQUIVO", "TITULOGERARARQUIVO", &frmTQ2::imgGerarArquivo},
                          Caso{QStringLiteral("E"), "ENVIAREMAIL", "TITULOENVIAREMAIL", &frmTQ2::imgEnviarEmail}}) {
        SCOPED_TRACE(c.modo.toStdString());
        frmTQ2& j = Abre(Pedido(c.modo, QStringLiteral("F"), 4));
        ASSERT_FALSE(j.Descarregada());
        EXPECT_EQ(j.mHistoricoTelas, QStringLiteral("5"));
        EXPECT_EQ(j.mModoSaida, c.modo);
        EXPECT_FALSE(j.pctTela[5]->isHidden());
        EXPECT_EQ(j.pctTela[5]->Tag, QString::number(cat.s.outputAssembly23));
        EXPECT_EQ(j.lblSubTitulo->text(), Modulo::ObtemTituloItem(QStringLiteral("PCA"), cat.s.outputAssembly23));
        EXPECT_TRUE(MesmaImagem(j.imgImprimir->picture(), QLatin1String(c.botao)));
        EXPECT_TRUE(MesmaImagem(j.imgImprimirSelecionada->picture(), QLatin1String(c.botao) + QStringLiteral("_S")));
        EXPECT_TRUE(MesmaImagem(j.imgTitulo->picture(), QLatin1String(c.titulo)));
        EXPECT_EQ(j.imgImprimir->x(), (j.*c.lugar)->x());
        EXPECT_FALSE(j.imgImprimir->isHidden());
        EXPECT_FALSE(j.imgVoltar->isHidden());
        EXPECT_TRUE(j.imgGerarArquivo->isHidden());

        // The 23 parts in rows of 10, 10 and 3; part 4 alone selected; the
        // figure ticked, the table not.
        ASSERT_EQ(j.mEscolhaSaida.Partes.size(), 23u);
        EXPECT_EQ(j.imgParteFigura[22]->pos() - j.imgParteFigura[0]->pos(), QPoint(2 * 40, 2 * 35));
        EXPECT_EQ(Selecionadas(j), std::vector<int>{4});
        EXPECT_FALSE(j.imgQuadradoParte[4]->isHidden());
        EXPECT_TRUE(j.imgQuadradoParte[3]->isHidden());
        EXPECT_TRUE(j.mEscolhaSaida.Figura);
        EXPECT_FALSE(j.mEscolhaSaida.Tabela);

        // The progress label and the compressed-file box only in the file
        // modes, the box unticked.
        const bool arquivo = c.modo != QLatin1String("P");
        EXPECT_EQ(!j.lblStatusGerandoArquivo->isHidden(), arquivo);
        EXPECT_TRUE(j.lblStatusGerandoArquivo->text().isEmpty());
        EXPECT_EQ(!j.chkGerarUnicoArquivoCompactado->isHidden(), arquivo);
        EXPECT_FALSE(j.chkGerarUnicoArquivoCompactado->isChecked());
        EXPECT_EQ(j.chkGerarUnicoArquivoCompactado->text(), Modulo::ObtemTexto(52));
    }

    // The content letters, case-sensitive; 255 selects every part.
    struct Opcao { QString opcoes; bool figura, tabela; };
    for (const Opcao& o : {Opcao{QStringLiteral("T"), false, true}, Opcao{QStringLiteral("*"), true, true},
                           Opcao{QStringLiteral("f"), true, true}}) {
        SCOPED_TRACE(o.opcoes.toStdString());
        frmTQ2& j = Abre(Pedido(QStringLiteral("P"), o.opcoes, 255));
        EXPECT_EQ(j.mEscolhaSaida.Figura, o.figura);
        EXPECT_EQ(j.mEscolhaSaida.Tabela, o.tabela);
        EXPECT_EQ(Selecionadas(j).size(), 23u);
    }
    EXPECT_TRUE(caixas.shown.empty());
}

TEST_F(TelaSaidaJanela, PartsPastThePictureSetGetButtonsOfTheSameStyle)
{
    frmTQ2& j = Abre(QStringLiteral("5|%1|P|*|255").arg(cat.s.bigFigureAssembly));
    ASSERT_EQ(j.imgParteFigura.size(), std::size_t(cat.s.bigFigurePages));
    ASSERT_GT(j.imgParteFigura.size(), 30u);
    const QImage carregada = j.imgParteFigura[29]->picture().toImage();
    const QImage desenhada = j.imgParteFigura[30]->picture().toImage();
    ASSERT_FALSE(desenhada.isNull());
    EXPECT_EQ(desenhada.size(), carregada.size());
    EXPECT_FALSE(j.imgParteFigura[30]->isHidden());
    // The same frame and ground as the picture set's buttons (JPEG aside).
    for (const QPoint p : {QPoint(0, 0), QPoint(1, 5), QPoint(8, 0)}) {
        const QColor a = carregada.pixelColor(p), b = desenhada.pixelColor(p);
        EXPECT_LE(std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()), 60)
            << p.x() << "," << p.y();
    }
    // The number: dark strokes inside the frame.
    int tinta = 0;
    for (int y = 2; y < desenhada.height() - 2; ++y)
        for (int x = 2; x < desenhada.width() - 2; ++x)
            tinta += qGray(desenhada.pixel(x, y)) < 160 ? 1 : 0;
    EXPECT_GE(tinta, 6);
}

TEST_F(TelaSaidaJanela, PrintClosesTheWindowAfterTheDocument)
{
    const QString pdf = pasta.file(QStringLiteral("saida.pdf"));
    tqtest::FakePrintDialogs dialogos(pdf, 300);
    frmTQ2& j = Abre(Pedido(QStringLiteral("P"), QStringLiteral("F"), 4));
    // A second part picked on the chooser: two figure pages.
    j.imgParteFigura_Click(6);
    Pressiona();
    EXPECT_EQ(dialogos.shown, 1);
    EXPECT_TRUE(j.Descarregada());
    EXPECT_EQ(PaginasPdf(pdf), 2);
    const QString texto = Executa(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_EQ(texto.count(Modulo::ObtemTexto(22)), 2);
    EXPECT_TRUE(texto.contains(QStringLiteral("15-MAR-2024 R2")));
    EXPECT_TRUE(caixas.shown.empty());
}

TEST_F(TelaSaidaJanela, FileModesWritePagesZipAndMail)
{
    // Mode G with the box ticked: one archive where the dialog said, text 32
    // naming it, the temporary pages gone, the window closed.
    {
        tqtest::FakeSaveDialogs dialogos;
        const QString zip = pasta.file(QStringLiteral("figuras.zip"));
        dialogos.answers.push_back(zip);
        frmTQ2& j = Abre(Pedido(QStringLiteral("G"), QStringLiteral("F"), 255));
        j.chkGerarUnicoArquivoCompactado->click();
        EXPECT_TRUE(j.chkGerarUnicoArquivoCompactado->isChecked());
        EXPECT_TRUE(j.chkGerarUnicoArquivoCompactado->isEnabled());
        Pressiona();
        ASSERT_EQ(dialogos.requests.size(), 1u);
        EXPECT_TRUE(dialogos.requests[0].fileName.endsWith(QStringLiteral(".zip")));
        EXPECT_EQ(dialogos.requests[0].filter, saida::FiltroArquivo(QStringLiteral("ZIP")));
        EXPECT_TRUE(j.Descarregada());
        ASSERT_EQ(caixas.shown.size(), 1u);
        EXPECT_EQ(caixas.last().icon(), platform::vbInformation);
        EXPECT_EQ(caixas.last().text, Modulo::ObtemTexto(32).replace(QStringLiteral("|1|"), zip) + QStringLiteral("."));
        int codigo = -1;
        Executa(QStringLiteral("unzip"), {QStringLiteral("-tq"), zip}, &codigo);
        EXPECT_EQ(codigo, 0);
        EXPECT_EQ(Executa(QStringLiteral("unzip"), {QStringLiteral("-Z1"), zip}).count(QStringLiteral(".jpg")), 23);
        EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files), QStringList{QStringLiteral("figuras.zip")});
    }
    // Mode E: the pages attached in page order, each an 840 x 630 JPEG.
    {
        tqtest::FakeMailer correio;
        frmTQ2& j = Abre(Pedido(QStringLiteral("E"), QStringLiteral("*"), 0));
        Pressiona();
        EXPECT_TRUE(j.Descarregada());
        ASSERT_EQ(correio.sent.size(), 1u);
        const QStringList& anexos = correio.sent[0];
        ASSERT_GE(anexos.size(), 2);  // figure 1, table 1 (and the sections)
        for (int k = 0; k < anexos.size(); ++k) {
            EXPECT_EQ(anexos[k], saida::NumeraNomeArquivo(anexos[0], k + 1));
            EXPECT_EQ(QImage(anexos[k]).size(), QSize(840, 630));
            QFile::remove(anexos[k]);
        }
        EXPECT_EQ(caixas.shown.size(), 1u);  // only the earlier text 32
    }
}

TEST_F(TelaSaidaJanela, StoppedRunsLeaveTheScreenAsItWas)
{
    tqtest::FakePrintDialogs dialogos(pasta.file(QStringLiteral("x.pdf")));
    frmTQ2& j = Abre(Pedido(QStringLiteral("P"), QStringLiteral("*"), 2));

    // Nothing ticked: text 16, no dialog.
    j.imgChkFigura_Click();
    j.imgChkTabela_Click();
    Pressiona();
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_EQ(caixas.last().text, Modulo::ObtemTexto(16) + QStringLiteral("."));
    EXPECT_EQ(dialogos.shown, 0);

    // The dialog cancelled: no message, nothing written.
    j.imgChkTabela_Click();
    dialogos.cancel = true;
    Pressiona();
    EXPECT_EQ(dialogos.shown, 1);
    EXPECT_EQ(caixas.shown.size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(pasta.file(QStringLiteral("x.pdf"))));

    EXPECT_FALSE(j.Descarregada());
    EXPECT_EQ(j.TelaAtual(), 5);
    EXPECT_TRUE(j.isEnabled());
    EXPECT_EQ(Selecionadas(j), std::vector<int>{2});
    EXPECT_FALSE(j.mEscolhaSaida.Figura);
    EXPECT_TRUE(j.mEscolhaSaida.Tabela);
}

TEST_F(TelaSaidaJanela, AMailProgramThatFailsIsReportedAndTheScreenStays)
{
    tqtest::FakeMailer correio;
    correio.failWith = platform::Error(platform::kMailProgramMissing, QStringLiteral("no xdg-email"));
    frmTQ2& j = Abre(Pedido(QStringLiteral("E"), QStringLiteral("F"), 0));
    Pressiona();
    ASSERT_EQ(correio.sent.size(), 1u);
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_EQ(caixas.last().icon(), platform::vbCritical);
    EXPECT_TRUE(caixas.last().text.startsWith(Modulo::ObtemTexto(21) + QStringLiteral(": 53\r\n")));
    EXPECT_FALSE(j.Descarregada());
    EXPECT_TRUE(j.isEnabled());
    EXPECT_TRUE(j.lblStatusGerandoArquivo->text().isEmpty());
    for (const QString& f : correio.sent[0])
        QFile::remove(f);
}

TEST_F(TelaSaidaJanela, AMailProgramThatFailsAfterTheWaitGivesTheSameBoxWhenItEnds)
{
    const int espera = platform::desktopProgramWait();
    tqtest::StandInProgram xdgEmail(QStringLiteral("xdg-email"));
    const auto removeAnexos = [&] {
        for (const QString& a : xdgEmail.arguments())
            if (a != QLatin1String("--attach"))
                QFile::remove(a);
    };

    // Failing at once: the box, and the screen stays.
    platform::setDesktopProgramWait(120000);
    xdgEmail.endsAtOnce(3);
    frmTQ2& j = Abre(Pedido(QStringLiteral("E"), QStringLiteral("F"), 0));
    Pressiona();
    EXPECT_FALSE(j.Descarregada());
    ASSERT_EQ(caixas.shown.size(), 1u);
    const tqtest::FakeMessageBoxes::Box rapida = caixas.last();
    EXPECT_EQ(rapida.text, Modulo::ObtemTexto(21) + QStringLiteral(": 57\r\nO programa de e-mail falhou (código de saída 3 "
                                                                   "do xdg-email: uma ferramenta necessária não foi "
                                                                   "encontrada)."));
    EXPECT_EQ(rapida.icon(), platform::vbCritical);
    removeAnexos();

    // Failing after the wait: the run ends as a success and the window
    // closes; the same box comes when the program ends, the window gone.
    platform::setDesktopProgramWait(0);
    xdgEmail.endsWhenReleased(3);
    frmTQ2& k = Abre(Pedido(QStringLiteral("E"), QStringLiteral("F"), 0));
    Pressiona();
    EXPECT_TRUE(k.Descarregada());
    EXPECT_EQ(caixas.shown.size(), 1u);
    janela.reset();
    xdgEmail.release();
    ASSERT_TRUE(QTest::qWaitFor([] { return platform::desktopProgramsRunning() == 0; }, 60000));
    ASSERT_EQ(caixas.shown.size(), 2u);
    EXPECT_EQ(caixas.last().text, rapida.text);
    EXPECT_EQ(caixas.last().style, rapida.style);
    EXPECT_EQ(caixas.last().title, rapida.title);
    removeAnexos();
    platform::setDesktopProgramWait(espera);
}

TEST_F(TelaSaidaJanela, RequestSixPrintsTheMainWindowsComparisonAndCloses)
{
    platform::dao::DatabasePtr db = platform::dao::DBEngine::CreateDatabase(pasta.file(QStringLiteral("aux.mdb")));
    db->Execute(QStringLiteral("CREATE TABLE Cmp_1 (NumeroEmpresaComponente TEXT(12), DescricaoComponente TEXT(50), "
                               "ImagensGrid TEXT(5), QuantidadeComponente1 TEXT(5), QuantidadeComponente2 TEXT(5), Iguais SHORT)"));
    db->Execute(QStringLiteral("INSERT INTO Cmp_1 VALUES ('0501 000 001', 'ANEL DE VEDAÇÃO', ' ', '2', '2', 1)"));
    db->Execute(QStringLiteral("INSERT INTO Cmp_1 VALUES ('0501 000 002', 'EIXO PRIMÁRIO', NULL, '1', '1', 1)"));
    frmTQ1 principal;
    principal.dtcTHGrid1->SetRecordset(
        db->OpenRecordset(QStringLiteral("SELECT * FROM Cmp_1 WHERE Iguais = 1 ORDER BY NumeroEmpresaComponente"),
                          platform::dao::dbOpenSnapshot));
    principal.dtcTHGrid1->Recordset()->MoveLast();
    principal.pctExibirComparacao->SetTag(QStringLiteral("1"));
    principal.lblSubTitulo->setText(QStringLiteral("Transmissão: 1269 000 001  /  1269 000 002"));
    principal.lblNumeroEmpresaPeca[0]->setText(QStringLiteral("1269 000 001"));
    principal.lblNumeroEmpresaPeca[1]->setText(QStringLiteral("1269 000 002"));
    Modulo::DefineJanelaPrincipal(&principal);

    const QString pdf = pasta.file(QStringLiteral("comparacao.pdf"));
    {
        tqtest::FakePrintDialogs dialogos(pdf, 300);
        frmTQ2& j = Abre(QStringLiteral("6"));
        EXPECT_EQ(dialogos.shown, 1);
        EXPECT_TRUE(j.Descarregada());
        EXPECT_EQ(j.mHistoricoTelas, QStringLiteral("6"));
    }
    EXPECT_EQ(principal.dtcTHGrid1->Recordset()->AbsolutePosition(), 1);  // the grid's row stays
    EXPECT_TRUE(caixas.shown.empty());
    EXPECT_EQ(PaginasPdf(pdf), 1);
    EXPECT_TRUE(Executa(QStringLiteral("pdfinfo"), {pdf}).contains(QStringLiteral("595 x 842 pts (A4)")));  // portrait
    const QString texto = Executa(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(QRegularExpression(QRegularExpression::escape(Modulo::ObtemTexto(54)) +
                                   QStringLiteral(" - Transmissão: 1269 000 001\\s+/\\s+1269 000 002"))
                    .match(texto)
                    .hasMatch())
        << texto.toStdString();
    EXPECT_TRUE(texto.contains(Modulo::ObtemTexto(65)));
    EXPECT_TRUE(texto.contains(Modulo::ObtemTexto(25) + QStringLiteral(" 1269 000 002")));
    EXPECT_TRUE(texto.contains(QStringLiteral("ANEL DE VEDAÇÃO")));

    // A cancelled dialog: nothing printed, the window closes all the same.
    QFile::remove(pdf);
    {
        tqtest::FakePrintDialogs dialogos(pdf, 300);
        dialogos.cancel = true;
        frmTQ2& j = Abre(QStringLiteral("6"));
        EXPECT_TRUE(j.Descarregada());
    }
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_TRUE(caixas.shown.empty());

    // The main window's Print on its comparison screen sends request 6.
    frmTQ2::Registra();
    principal.mHistoricoTelas = QStringLiteral("098");
    {
        tqtest::FakePrintDialogs dialogos(pdf, 300);
        principal.imgImprimir_Click();
        EXPECT_EQ(dialogos.shown, 1);
    }
    EXPECT_EQ(PaginasPdf(pdf), 1);
    EXPECT_TRUE(caixas.shown.empty());
    Modulo::RegistraJanelaDetalhe({});
    Modulo::DefineJanelaPrincipal(nullptr);
}

// The main window's Print on its figure screen, through the detail window's
// modal show: screen 5 comes up for the part on show, its action button
// prints that part's figure page, and the window closes.
TEST_F(TelaSaidaJanela, ThePrintButtonOfTheFigureScreenPrintsThroughScreenFive)
{
    frmTQ2::Registra();
    frmTQ1 principal;
    Modulo::DefineJanelaPrincipal(&principal);
    principal.mHistoricoTelas = QStringLiteral("034");
    principal.mCodigoPeca = cat.s.outputAssembly23;
    principal.mParteFiguraAtual = 2;
    const QString pdf = pasta.file(QStringLiteral("figura.pdf"));
    tqtest::FakePrintDialogs dialogos(pdf, 300);

    // The user presses the action button once screen 5 is up.
    QString pedido;
    std::vector<int> selecionadas;
    QTimer usuario;
    QObject::connect(&usuario, &QTimer::timeout, [&] {
        frmTQ2* j = frmTQ2::Instancia();
        if (!j || j->TelaAtual() != 5 || !j->isVisible())
            return;
        usuario.stop();
        pedido = j->pctTela[5]->Tag;
        selecionadas = j->mEscolhaSaida.PartesSelecionadas();
        Q_EMIT j->imgImprimir->clicado(1);
    });
    usuario.start(10);
    principal.imgImprimir_Click();

    EXPECT_EQ(pedido, QString::number(cat.s.outputAssembly23));
    EXPECT_EQ(selecionadas, std::vector<int>{2});
    EXPECT_EQ(dialogos.shown, 1);
    EXPECT_EQ(PaginasPdf(pdf), 1);
    EXPECT_TRUE(Modulo::gParametro.isEmpty());
    EXPECT_TRUE(caixas.shown.empty());
    Modulo::DefineJanelaPrincipal(nullptr);
    Modulo::RegistraJanelaDetalhe({});
}
