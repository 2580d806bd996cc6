// The search runner through the real window: typing starts searches that
// never block, and whatever reads the list right after typing (Forward, a
// navigation key, a click) acts on the newest search; a failing search shows
// one error box and leaves the user on the screen and list he had.  No
// sleeps: QSignalSpy and QTest::qWaitFor.

#include "telafixture.h"

#include "core/errorbox.h"
#include "core/globals.h"
#include "core/searchtext.h"
#include "core/texts.h"
#include "search/sqlpesquisa.h"

#include "support/qstringprinter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>

using namespace tqtest;

namespace {

class Janela : public TelaPesquisaTeste {
protected:
    // The statement screen 1 binds for a typed number (V, main slot, by number).
    static QString SqlNumero(const QString& numero)
    {
        Pesquisa::EntradaPesquisaPecas e;
        e.numeroEmpresa = numero;
        e.componentes = e.jogosReparo = e.transmissoes = true;
        return Pesquisa::SqlPesquisaPecas(e, QStringLiteral("1"));
    }
};

TEST_F(Janela, ForwardRightAfterTypingActsOnTheNewestSearch)
{
    frmTQ1& f = Abre();
    const demo::Summary& s = Demo();
    const QString numero =
        Modulo::NormalizaNumeroEmpresa(Modulo::ObtemValorSQL(QStringLiteral("SELECT NumeroEmpresaComponente FROM COMPONENTE "
                                                                            "WHERE CodigoComponente = %1")
                                                                 .arg(s.clutchDiscComponent))
                                           .toString());
    f.show();
    QApplication::setActiveWindow(&f);
    f.imgPesquisa0_Click();
    f.txtNumeroEmpresa->setFocus();
    // Keystroke by keystroke, then Forward at once (Enter).
    QTest::keyClicks(f.txtNumeroEmpresa, numero);
    EXPECT_EQ(f.txtNumeroEmpresa->text(), numero);
    QTest::keyClick(f.txtNumeroEmpresa, Qt::Key_Return);
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("013"));
    EXPECT_EQ(f.mFiltrosPesquisa[0].TextoNumeroEmpresa, numero);
    const QStringList esperadas = Linhas(SqlNumero(numero));
    ASSERT_FALSE(esperadas.isEmpty());
    EXPECT_EQ(f.mCodigoItemLista, esperadas.first().section(QLatin1Char('|'), 3, 3).toLong());
    EXPECT_TRUE(caixas.shown.empty());

    // Back, then type and press Down in the box: the key moves the newest
    // list, bound before the window handles it.
    f.imgVoltar_Click();
    QTest::keyClicks(f.txtNumeroEmpresa, QStringLiteral("0"));
    QTest::keyClick(f.txtNumeroEmpresa, Qt::Key_Backspace);
    QTest::keyClick(f.txtNumeroEmpresa, Qt::Key_Backspace);
    EXPECT_TRUE(Pesquisa::TelaPesquisa::De(f).Pendente());
    QTest::keyClick(f.txtNumeroEmpresa, Qt::Key_Down);
    EXPECT_FALSE(Pesquisa::TelaPesquisa::De(f).Pendente());
    const QString atual = numero.left(numero.size() - 1);
    EXPECT_EQ(f.dtcTHGrid1->RecordSource(), SqlNumero(atual));
    EXPECT_EQ(Lista()->RecordCount(), Linhas(SqlNumero(atual)).size());

    // A click on the list after typing acts on the newest rows too.
    QTest::keyClicks(f.txtNumeroEmpresa, QStringLiteral("9"));
    EXPECT_TRUE(Pesquisa::TelaPesquisa::De(f).Pendente());
    QTest::mouseClick(f.grdTHGrid1->innerGrid()->viewport(), Qt::LeftButton, {}, QPoint(40, 5));
    EXPECT_FALSE(Pesquisa::TelaPesquisa::De(f).Pendente());
    EXPECT_EQ(f.dtcTHGrid1->RecordSource(), SqlNumero(atual + QLatin1Char('9')));
}

TEST_F(Janela, AFailingSearchShowsOneBoxAndKeepsTheScreenAndList)
{
    frmTQ1& f = Abre();
    f.imgPesquisa0_Click();
    f.txtNumeroEmpresa->setText(QStringLiteral("0501"));
    EsperaLista();
    const QString sql = f.dtcTHGrid1->RecordSource();
    const long linhas = Lista()->RecordCount();

    // The catalogue is gone for the next search.
    TempDir vazia;
    const QString dados = Modulo::gCaminhoDados;
    Modulo::gCaminhoDados = vazia.path() + QLatin1Char('/');
    QSignalSpy falhas(&Pesquisa::TelaPesquisa::De(f).Executor(), &Pesquisa::ExecutorPesquisa::falhou);
    f.txtNumeroEmpresa->setText(QStringLiteral("05012"));
    ASSERT_TRUE(falhas.wait(20000));
    EXPECT_EQ(caixas.shown.size(), 1u);
    EXPECT_EQ(caixas.last().icon(), platform::vbCritical);
    EXPECT_EQ(f.dtcTHGrid1->RecordSource(), sql);
    EXPECT_EQ(Lista()->RecordCount(), linhas);
    QCoreApplication::processEvents();
    EXPECT_EQ(caixas.shown.size(), 1u);

    // Forward reads the list shown, but the parts list's own query fails:
    // one box, screen 1 stays.
    caixas.shown.clear();
    EXPECT_FALSE(Modulo::Guarda([&f] { f.imgAvancar_Click(); }));
    EXPECT_EQ(caixas.shown.size(), 1u);
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("01"));
    EXPECT_TRUE(f.pctTela[1]->isVisibleTo(&f));
    EXPECT_EQ(f.dtcTHGrid1->RecordSource(), sql);
    // With the catalogue back, Forward opens the list.  Back from it shows
    // screen 1 at once, without waiting for its search: while the catalogue
    // is gone again that search fails when it ends, with one box, and the
    // list stays empty until a search succeeds.
    Modulo::gCaminhoDados = dados;
    f.imgAvancar_Click();
    ASSERT_EQ(f.mHistoricoTelas, QStringLiteral("013"));
    Modulo::gCaminhoDados = vazia.path() + QLatin1Char('/');
    caixas.shown.clear();
    falhas.clear();
    EXPECT_TRUE(Modulo::Guarda([&f] { f.imgVoltar_Click(); }));
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("01"));
    EXPECT_TRUE(f.pctTela[1]->isVisibleTo(&f));
    EXPECT_FALSE(f.pctTela[3]->isVisibleTo(&f));
    ASSERT_TRUE(!falhas.isEmpty() || falhas.wait(20000));
    EXPECT_EQ(caixas.shown.size(), 1u);
    EXPECT_EQ(Lista(), nullptr);
    Modulo::gCaminhoDados = dados;
    f.txtNumeroEmpresa->setText(QStringLiteral("0501"));
    EsperaLista();
    EXPECT_EQ(f.dtcTHGrid1->RecordSource(), sql);
    EXPECT_EQ(Lista()->RecordCount(), linhas);
    EXPECT_EQ(caixas.shown.size(), 1u);
}

}  // namespace

namespace {

// Keys the user types while a search screen opens wait in the window's
// queue until the show routine lets events run: they are the screen's, and
// reach the box it focuses, every one of them.
TEST_F(Janela, KeysTypedWhileAScreenOpensReachItsBox)
{
    frmTQ1& f = Abre();
    f.show();
    QApplication::setActiveWindow(&f);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    const auto digita = [&f](const QString& texto) {
        for (const QChar c : texto) {
            const int tecla = c == QLatin1Char(' ') ? int(Qt::Key_Space)
                              : c.isDigit()         ? Qt::Key_0 + c.digitValue()
                                                    : Qt::Key_A + (c.toUpper().unicode() - u'A');
            QCoreApplication::postEvent(f.windowHandle(), new QKeyEvent(QEvent::KeyPress, tecla, Qt::NoModifier, c));
            QCoreApplication::postEvent(f.windowHandle(), new QKeyEvent(QEvent::KeyRelease, tecla, Qt::NoModifier, c));
        }
    };
    const struct {
        const char* tela;
        std::function<void()> clique;
        QLineEdit* caixa;
        QString texto;
    } casos[] = {
        {"screen 1", [&f] { f.imgPesquisa0_Click(); }, f.txtNumeroEmpresa, QStringLiteral("0501 0005")},
        {"screen 2", [&f] { f.imgPesquisa1_Click(); }, f.txtVeiculo, QStringLiteral("fh 12")},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tela);
        ASSERT_EQ(f.mHistoricoTelas, QStringLiteral("0"));
        digita(c.texto);
        c.clique();
        EXPECT_EQ(c.caixa->text(), c.texto);
        EXPECT_EQ(QApplication::focusWidget(), c.caixa);
        EsperaLista();
        f.imgVoltar_Click();
    }
    EXPECT_TRUE(caixas.shown.empty());
}

TEST_F(Janela, AnyTypedTextIsAValidSearch)
{
    frmTQ1& f = Abre();
    const QString ruim = QStringLiteral("' [ ] * ? # ! | ") + QChar(0x01) + QChar(0x7F) + QLatin1Char('\t') +
                         QStringLiteral(" Ωμέγα 中文 ") + QString(10000, QLatin1Char('x'));
    f.imgPesquisa0_Click();
    for (QLineEdit* caixa : {static_cast<QLineEdit*>(f.txtNumeroEmpresa), static_cast<QLineEdit*>(f.txtDescricao),
                             static_cast<QLineEdit*>(f.txtNumeroFabricante)}) {
        SCOPED_TRACE(caixa->objectName().toStdString());
        caixa->setText(ruim);
        EsperaLista();
        EXPECT_EQ(Lista()->RecordCount(), 0);
        caixa->clear();
        EsperaLista();
        EXPECT_GT(Lista()->RecordCount(), 0);
    }
    f.imgVoltar_Click();
    f.imgPesquisa1_Click();
    f.txtVeiculo->setText(ruim);
    EsperaLista();
    EXPECT_EQ(Lista()->RecordCount(), 0);
    EXPECT_TRUE(caixas.shown.empty());
}

}  // namespace
