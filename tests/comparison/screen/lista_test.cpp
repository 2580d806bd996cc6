// The cart list on the real detail window (request 3): its rows and the row
// a request names, the toolbar, Clear, Print, Generate file and E-mail
// through the desktop fakes, E-mail through a stand-in mail program with the
// user clicking meanwhile, and rows whose catalogue texts are Null.
#include "comparison/carrinho.h"
#include "comparison/exportacaolista.h"
#include "comparison/screen/telascomparacao.h"
#include "core/files.h"
#include "core/runtables.h"
#include "core/searchtext.h"
#include "core/texts.h"
#include "detailwindow/detalhefixture.h"
#include "listcontrols/thgrid.h"
#include "platform/base/codepage.h"
#include "platform/desktop/desktopprogram.h"

#include "support/fakemail.h"
#include "support/fakeprintdialog.h"
#include "support/fakesavedialog.h"
#include "support/standinprogram.h"

#include <QAbstractItemView>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace tqtest {
namespace {

class ListaCarrinho : public DetalheFixture {
protected:
    void SetUp() override
    {
        DetalheFixture::SetUp();
        Modulo::AbreBancoAuxiliar(Modulo::gWsAuxiliar, Modulo::gDbAuxiliar);
        Modulo::gTabelaCarrinho = Modulo::CriaTabelaLista(Modulo::gDbAuxiliar);
        Modulo::gTextoDataEmissao = QStringLiteral("15-MAR-2024 R2");
        frmTQ2::RegistraExibeTelaLista(&Comparacao::ExibeTelaLista);
    }
    void TearDown() override
    {
        m_janela.reset();
        frmTQ2::RegistraExibeTelaLista({});
        Modulo::ExcluiTabela(Modulo::gDbAuxiliar, Modulo::gTabelaCarrinho);
        Modulo::FechaBanco(Modulo::gWsAuxiliar, Modulo::gDbAuxiliar);
        Modulo::gTabelaCarrinho.clear();
        Modulo::gTextoDataEmissao.clear();
        DetalheFixture::TearDown();
    }

    // Four items of the catalogue: components (one optional, one with an
    // apostrophe, one with a character outside the code page) and a kit.
    void Enche()
    {
        Modulo::IncluiItemCarrinho(QStringLiteral("COM"), resumo().cmpEqual, QStringLiteral("2"), false, false);
        Modulo::IncluiItemCarrinho(QStringLiteral("COM"), resumo().cmpApostrophe, QStringLiteral("7"), true, false);
        Modulo::IncluiItemCarrinho(QStringLiteral("COM"), resumo().cmpOutsideCodePage, QStringLiteral("1"), false, false);
        Modulo::IncluiItemCarrinho(QStringLiteral("JRE"), resumo().suggestionKitOfAssembly, QStringLiteral("3"), false, false);
    }
    static long Linhas(frmTQ2& j) { return j.dtcTHGrid1->Recordset()->RecordCount(); }
    static QString Atual(frmTQ2& j, const char* campo)
    {
        return j.dtcTHGrid1->Recordset()->Value(QString::fromLatin1(campo)).toString();
    }
    static QByteArray Le(const QString& caminho)
    {
        QFile f(caminho);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QString Texto(int n) { return Modulo::ObtemTexto(n); }
};

TEST_F(ListaCarrinho, OpensSortedOnTheNamedRowWithItsToolbar)
{
    Enche();
    frmTQ2& j = Abre(QStringLiteral("3||0"));
    EXPECT_EQ(j.mHistoricoTelas, QStringLiteral("3"));
    EXPECT_FALSE(j.pctTela[3]->isHidden());
    EXPECT_EQ(j.dtcTHGrid1->Database(), Modulo::gDbAuxiliar) << "the open auxiliary database";
    ASSERT_EQ(Linhas(j), 4);
    QStringList numeros;
    for (long r = 0; r < 4; ++r)
        numeros << j.dtcTHGrid1->Recordset()->ValueAt(r, 0).toString();
    QStringList ordenados = numeros;
    ordenados.sort();
    EXPECT_EQ(numeros, ordenados);
    EXPECT_EQ(numeros[0].size(), 12) << "formatted '0000 000 000'";
    EXPECT_EQ(j.dtcTHGrid1->Recordset()->AbsolutePosition(), 0);
    for (THPicture* b : {j.imgVoltar, j.imgImprimir, j.imgGerarArquivo, j.imgEnviarEmail, j.imgLimpar})
        EXPECT_FALSE(b->isHidden());
    EXPECT_EQ(j.grdTHGrid1->geometry().topLeft(), j.pctTela[3]->pos() + QPoint(22, 51));
    EXPECT_EQ(j.grdTHGrid1->width(), 544);
    EXPECT_EQ(j.grdTHGrid1->ColumnCount(), 8);
    EXPECT_EQ(j.grdTHGrid1->mTextGridVazio, Texto(16));

    // A request naming an item in the cart opens on it; one not in the cart
    // on the first row.
    frmTQ2& k = Abre(QStringLiteral("3|JRE|%1").arg(resumo().suggestionKitOfAssembly));
    EXPECT_EQ(Atual(k, "Tipo"), QStringLiteral("JRE"));
    frmTQ2& l = Abre(QStringLiteral("3|COM|%1").arg(resumo().cmpDifferent));
    EXPECT_EQ(l.dtcTHGrid1->Recordset()->AbsolutePosition(), 0);
}

TEST_F(ListaCarrinho, ClearAsksFirstAndRefusesAnEmptyList)
{
    Enche();
    frmTQ2& j = Abre(QStringLiteral("3||0"));
    m_caixas.answers.push_back(platform::vbNo);
    j.imgLimpar->clicado(1);
    ASSERT_EQ(m_caixas.shown.size(), 1u);
    EXPECT_EQ(m_caixas.last().text, Texto(35));
    EXPECT_EQ(m_caixas.last().style & platform::vbDefaultButton2, platform::vbDefaultButton2);
    EXPECT_EQ(Linhas(j), 4);

    m_caixas.answers.push_back(platform::vbYes);
    j.imgLimpar->clicado(1);
    EXPECT_EQ(Linhas(j), 0);
    EXPECT_EQ(Modulo::ObtemValorSQL(QStringLiteral("SELECT Count(*) FROM ") + Modulo::gTabelaCarrinho, Modulo::gDbAuxiliar).toInt(), 0);

    j.imgLimpar->clicado(1);
    ASSERT_EQ(m_caixas.shown.size(), 3u);
    EXPECT_EQ(m_caixas.last().text, Texto(16) + QLatin1Char('.'));
    EXPECT_EQ(m_caixas.last().icon(), platform::vbCritical);
}

TEST_F(ListaCarrinho, PrintRefusesAnEmptyListThenPrintsThroughTheDialog)
{
    TempDir pasta;
    FakePrintDialogs dialogos(pasta.file(QStringLiteral("lista.pdf")), 150);
    frmTQ2& vazia = Abre(QStringLiteral("3||0"));
    vazia.imgImprimir->clicado(1);
    ASSERT_EQ(m_caixas.shown.size(), 1u);
    EXPECT_EQ(m_caixas.last().text, Texto(16) + QLatin1Char('.'));
    EXPECT_EQ(dialogos.shown, 0);

    Enche();
    frmTQ2& j = Abre(QStringLiteral("3||0"));
    j.dtcTHGrid1->Recordset()->MoveLast();
    j.imgImprimir->clicado(1);
    EXPECT_EQ(dialogos.shown, 1);
    EXPECT_EQ(m_caixas.shown.size(), 1u) << "no error";
    EXPECT_EQ(j.dtcTHGrid1->Recordset()->AbsolutePosition(), 3) << "the list's row stays";
    QProcess texto;
    texto.start(QStringLiteral("pdftotext"), {pasta.file(QStringLiteral("lista.pdf")), QStringLiteral("-")});
    ASSERT_TRUE(texto.waitForFinished(20000));
    const QString impresso = QString::fromUtf8(texto.readAllStandardOutput());
    EXPECT_TRUE(impresso.contains(QStringLiteral("PROTETOR D'ÁGUA DO EIXO PILOTO"))) << impresso.toStdString();

    dialogos.cancel = true;
    j.imgImprimir->clicado(1);
    EXPECT_EQ(dialogos.shown, 2);
    EXPECT_EQ(m_caixas.shown.size(), 1u) << "a cancel says nothing";
}

TEST_F(ListaCarrinho, GenerateFileThroughTheSaveDialog)
{
    TempDir pasta;
    FakeSaveDialogs dialogos;
    frmTQ2& vazia = Abre(QStringLiteral("3||0"));
    vazia.imgGerarArquivo->clicado(1);
    EXPECT_EQ(m_caixas.last().text, Texto(16) + QLatin1Char('.'));
    EXPECT_TRUE(dialogos.requests.empty());

    Enche();
    frmTQ2& j = Abre(QStringLiteral("3||0"));
    // A cancel: no file, no message.
    m_caixas.shown.clear();
    j.imgGerarArquivo->clicado(1);
    ASSERT_EQ(dialogos.requests.size(), 1u);
    const platform::SaveFileRequest& pedido = dialogos.requests[0];
    EXPECT_EQ(pedido.title, Texto(19) + QStringLiteral(" - ") + Texto(20));
    EXPECT_EQ(pedido.folder, platform::saveDialogFolder());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^CAT_TQ_\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d\\.txt$")).match(pedido.fileName).hasMatch())
        << pedido.fileName.toStdString();
    EXPECT_EQ(pedido.filter, QStringLiteral("TXT (*.txt)|*.txt"));
    EXPECT_TRUE(m_caixas.shown.empty());

    // Saved, then saved again over the first with one row less.
    const QString caminho = pasta.file(QStringLiteral("lista.txt"));
    dialogos.answers.push_back(caminho);
    j.imgGerarArquivo->clicado(1);
    const QByteArray primeiro = Le(caminho);
    ASSERT_EQ(m_caixas.shown.size(), 1u);
    EXPECT_EQ(m_caixas.last().text, Texto(32).replace(QStringLiteral("|1|"), caminho) + QLatin1Char('.'));
    EXPECT_EQ(m_caixas.last().icon(), platform::vbInformation);
    const QList<QByteArray> linhas = primeiro.split('\n');
    ASSERT_EQ(linhas.size(), 8) << "title, empty line, header, four rows, and the end";
    EXPECT_TRUE(linhas[0].startsWith(platform::toWindows1252(Texto(19) + QStringLiteral("     3.2     15-MAR-2024 R2"))));
    for (int i = 2; i < 7; ++i)
        EXPECT_EQ(linhas[i].size(), 116) << i;  // 115 and the CR
    // A character outside the code page is one "?".
    const QString fora = Modulo::ObtemValorSQL(QStringLiteral("SELECT DescricaoComponenteP FROM COMPONENTE WHERE CodigoComponente=") +
                                                   QString::number(resumo().cmpOutsideCodePage),
                                               Modulo::gDbDazadize)
                             .toString();
    ASSERT_TRUE(fora.contains(QChar(0x2264)));
    EXPECT_TRUE(primeiro.contains(platform::toWindows1252(QString(fora).replace(QChar(0x2264), QLatin1Char('?')))));

    j.dtcTHGrid1->Recordset()->MoveFirst();
    j.grdTHGrid1_ImageClick(3, {}, 1);  // deletes the first row
    dialogos.answers.push_back(caminho);
    j.imgGerarArquivo->clicado(1);
    EXPECT_EQ(Le(caminho).split('\n').size(), 7) << "the second save replaced the first";

    // A folder that cannot be written: the error box, the window usable.
    m_caixas.shown.clear();
    dialogos.answers.push_back(pasta.file(QStringLiteral("falta/lista.txt")));
    j.imgGerarArquivo->clicado(1);
    ASSERT_EQ(m_caixas.shown.size(), 1u);
    EXPECT_TRUE(m_caixas.last().text.startsWith(Texto(21))) << m_caixas.last().text.toStdString();
    EXPECT_FALSE(j.Descarregada());
}

TEST_F(ListaCarrinho, EMailWritesIntoThePrivateTemporaryFolderAndMailsIt)
{
    FakeMailer correio;
    frmTQ2& vazia = Abre(QStringLiteral("3||0"));
    vazia.imgEnviarEmail->clicado(1);
    EXPECT_EQ(m_caixas.last().text, Texto(16) + QLatin1Char('.'));
    EXPECT_TRUE(correio.sent.empty());

    Enche();
    frmTQ2& j = Abre(QStringLiteral("3||0"));
    m_caixas.shown.clear();
    j.imgEnviarEmail->clicado(1);
    ASSERT_EQ(correio.sent.size(), 1u);
    ASSERT_EQ(correio.sent[0].size(), 1);
    const QString caminho = correio.sent[0][0];
    EXPECT_TRUE(caminho.startsWith(Modulo::ObtemPastaSistema(QStringLiteral("TEMP"), true)));
    EXPECT_TRUE(caminho.endsWith(QStringLiteral(".txt")));
    EXPECT_EQ(Le(caminho).split('\n').size(), 8);
    EXPECT_TRUE(m_caixas.shown.empty());
    QFile::remove(caminho);

    // No mail program: the error box with its number.
    correio.failWith = platform::Error(platform::kMailProgramMissing, QStringLiteral("xdg-email not found"));
    j.imgEnviarEmail->clicado(1);
    ASSERT_EQ(m_caixas.shown.size(), 1u);
    EXPECT_TRUE(m_caixas.last().text.contains(QStringLiteral(": 53"))) << m_caixas.last().text.toStdString();
    EXPECT_FALSE(j.Descarregada());
    QFile::remove(correio.sent[1][0]);
}

// The mail program stays open (a mail client left open) until the test lets
// it go.  The most impatient user clicks "Enviar E-mail" ten times before
// the wait has begun and ten times during it, double-clicks it, clicks a
// row's "+" twice and "Limpar" once, and types "+" and Delete on the list:
// one mail program starts, and nothing else happens, during the wait or
// after it.  The next click, 100 ms after one thrown away, sends again, and
// "+" then adds one.
TEST_F(ListaCarrinho, InputDuringTheMailProgramsWaitDoesNothingAndOneClickSendsOnce)
{
    tqtest::StandInProgram correio(QStringLiteral("xdg-email"));
    correio.endsWhenReleased(0);
    const int espera = platform::desktopProgramWait();
    platform::setDesktopProgramWait(120000);
    Modulo::IncluiItemCarrinho(QStringLiteral("COM"), resumo().cmpEqual, QStringLiteral("1"), false, false);
    Modulo::IncluiItemCarrinho(QStringLiteral("JRE"), resumo().suggestionKitOfAssembly, QStringLiteral("1"), false, false);
    frmTQ2& j = AbreVisivel(QStringLiteral("3||0"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&j));
    QWindow* janela = j.windowHandle();
    const auto centro = [&j](QWidget* w) { return w->mapTo(&j, w->rect().center()); };
    // The "+" of the first row: the row icon under the "+" column's hover
    // picture, on the first line.
    THPicture* mais = nullptr;
    for (int e = 0; THPicture* p = j.grdTHGrid1->rowIcon(e); ++e)
        if (!mais && !p->isHidden() && p->x() == j.grdTHGrid1->hoverPicture(1)->x() && p->y() <= 1)
            mais = p;
    ASSERT_NE(mais, nullptr);
    const QPoint email = centro(j.imgEnviarEmail), limpar = centro(j.imgLimpar), maisPos = centro(mais);
    m_caixas.answers.push_back(platform::vbYes);  // a question to clear would be answered yes

    int tratados = 0;  // clicks the e-mail button has acted on, counted after its handler
    QObject::connect(j.imgEnviarEmail, &THPicture::clicado, &j, [&] { ++tratados; });
    // A mail program started from within the wait is let go at once, so
    // that a run that starts more than one ends.
    QTimer socorro;
    QObject::connect(&socorro, &QTimer::timeout, [&] {
        if (correio.starts() > 1)
            correio.release();
    });
    socorro.start(5);
    const auto clique = [&](const QPoint& em, ulong momento) {
        const QPointF global = janela->mapToGlobal(em);
        qt_handleMouseEvent(janela, em, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress, {}, int(momento));
        qt_handleMouseEvent(janela, em, global, {}, Qt::LeftButton, QEvent::MouseButtonRelease, {}, int(momento + 1));
    };
    const ulong ultimo = ulong(QTest::lastMouseTimestamp) + 10000;
    QTest::lastMouseTimestamp = int(ultimo) + 10000;
    bool durante = false;
    QTimer programa;
    QObject::connect(&programa, &QTimer::timeout, [&] {
        if (durante || !QFile::exists(correio.pidFile()))
            return;
        durante = true;
        for (int i = 0; i < 10; ++i)
            QTest::mouseClick(janela, Qt::LeftButton, {}, email);
        QTest::mouseDClick(janela, Qt::LeftButton, {}, email);
        QTest::mouseClick(janela, Qt::LeftButton, {}, maisPos);
        QTest::mouseClick(janela, Qt::LeftButton, {}, maisPos);
        QTest::mouseClick(janela, Qt::LeftButton, {}, limpar);
        j.grdTHGrid1->innerGrid()->setFocus();
        QTest::keyClick(janela, '+');
        QTest::keyClick(janela, Qt::Key_Delete);
        clique(email, ultimo);
        correio.release();
    });
    programa.start(5);
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::postEvent(janela, new QMouseEvent(QEvent::MouseButtonPress, email, janela->mapToGlobal(email),
                                                            Qt::LeftButton, Qt::LeftButton, {}));
        QCoreApplication::postEvent(janela, new QMouseEvent(QEvent::MouseButtonRelease, email, janela->mapToGlobal(email),
                                                            Qt::LeftButton, Qt::NoButton, {}));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return durante && tratados > 0; }, 120000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return platform::desktopProgramsRunning() == 0; }, 60000));
    QApplication::processEvents();
    programa.stop();

    EXPECT_EQ(correio.starts(), 1);
    EXPECT_EQ(tratados, 1);
    EXPECT_EQ(Linhas(j), 2) << "not cleared";
    EXPECT_EQ(Coluna(j, QStringLiteral("Quantidade")), (QStringList{QStringLiteral("1"), QStringLiteral("1")}));
    EXPECT_TRUE(m_caixas.shown.empty()) << m_caixas.last().text.toStdString();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // After the wait: the first click, 100 ms after the one thrown away,
    // sends again (the program, let go, ends at once); "+" adds one.
    clique(email, ultimo + 100);
    EXPECT_EQ(correio.starts(), 2);
    EXPECT_EQ(tratados, 2);
    QTest::mouseClick(janela, Qt::LeftButton, {}, maisPos);
    QStringList quantidades = Coluna(j, QStringLiteral("Quantidade"));
    quantidades.sort();
    EXPECT_EQ(quantidades, (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_TRUE(m_caixas.shown.empty());
    platform::setDesktopProgramWait(espera);
    for (const QString& f : QDir(Modulo::ObtemPastaSistema(QStringLiteral("TEMP"), true)).entryList({QStringLiteral("CAT_TQ_*.txt")}))
        QFile::remove(Modulo::ObtemPastaSistema(QStringLiteral("TEMP"), true) + f);
}

TEST_F(ListaCarrinho, RowsWithNullTextsShowAndExportEmptyFields)
{
    Modulo::gDbAuxiliar->Execute(QStringLiteral("INSERT INTO %1(Tipo,Codigo,Quantidade,Opcional) VALUES('COM',%2,4,' ')")
                                     .arg(Modulo::gTabelaCarrinho)
                                     .arg(resumo().cmpEqual));
    FakeSaveDialogs dialogos;
    TempDir pasta;
    frmTQ2& j = Abre(QStringLiteral("3||0"));
    ASSERT_EQ(Linhas(j), 1);
    EXPECT_TRUE(Atual(j, "Descricao").isEmpty());
    dialogos.answers.push_back(pasta.file(QStringLiteral("nulos.txt")));
    j.imgGerarArquivo->clicado(1);
    const QList<QByteArray> linhas = Le(pasta.file(QStringLiteral("nulos.txt"))).split('\n');
    ASSERT_EQ(linhas.size(), 5);
    EXPECT_EQ(linhas[3], QByteArray(31 + 51, ' ') + QByteArray("         4") + QByteArray(21, ' ') + "op\r");
}

}  // namespace
}  // namespace tqtest
