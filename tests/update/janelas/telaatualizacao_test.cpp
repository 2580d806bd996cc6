// Screen 7 of the real detail window over the update run, served by nginx:
// the four rows as the run goes (titles, arrows, bars, percentages, check
// marks), the window's frame for the screen, Esc and closing held off while
// the run goes on, the window closed at the end, and the error box.
#include "update/janelas/telaatualizacao.h"

#include "atualizacaofixture.h"
#include "core/database.h"
#include "core/globals.h"
#include "core/janeladetalhe.h"
#include "core/texts.h"
#include "support/qstringprinter.h"
#include "update/janelas/registra.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A row as the screen shows it: ">" arrow, "v" check mark, "." neither; the
// bar's width; the percentage.  "v582 100.00 %".
QString LinhaDaTela(const frmTQ2& j, std::size_t k)
{
    const bool seta = !j.imgPassoAtualAtualizacao[k]->isHidden();
    const bool ok = !j.imgPassoConcluidoAtualizacao[k]->isHidden();
    return QStringLiteral("%1%2 %3")
        .arg(seta && ok ? QStringLiteral("?") : seta ? QStringLiteral(">") : ok ? QStringLiteral("v") : QStringLiteral("."))
        .arg(j.imgBarraAtualizacao[k]->width())
        .arg(j.lblNumAtualizacao[k]->text());
}

QStringList Linhas(const frmTQ2& j)
{
    QStringList out;
    for (std::size_t k = 1; k <= 4; ++k)
        out << LinhaDaTela(j, k);
    return out;
}

// Message boxes that also note the rows on the screen when they show.
class CaixasComTela final : public platform::MessageBoxes {
public:
    CaixasComTela() { platform::setMessageBoxes(this); }
    ~CaixasComTela() override { platform::setMessageBoxes(nullptr); }
    int Show(const QString& text, int, const QString&) override
    {
        textos << text;
        const frmTQ2* j = frmTQ2::Instancia();
        telas << (j && !j->Descarregada() ? Linhas(*j) : QStringList{QStringLiteral("closed")});
        return platform::vbOK;
    }
    QStringList textos;
    QList<QStringList> telas;
};

class TelaAtualizacao : public tqupd::TesteAtualizacao {
protected:
    void SetUp() override
    {
        TesteAtualizacao::SetUp();
        frmTQ2::Registra();
    }
    void TearDown() override
    {
        frmTQ2::RegistraExibeTelaAtualizacao({});
        Modulo::RegistraJanelaDetalhe({});
        TesteAtualizacao::TearDown();
    }

    // Request 7 through the detail window's opener, as the main window
    // makes it; `aCada` runs at every checkpoint with the open window.
    void Abre(int atual, int nova, std::function<void(int, const QString&, frmTQ2&)> aCada = {})
    {
        Atualizacao::OpcoesAtualizacao o = opcoes;
        o.pontoControle = [this, aCada](int n, const QString& ponto) {
            frmTQ2* j = frmTQ2::Instancia();
            ASSERT_NE(j, nullptr);
            pontos << ponto;
            if (aCada)
                aCada(n, ponto, *j);
        };
        Atualizacao::RegistraTelaAtualizacao(o);
        Modulo::gParametro = QStringLiteral("7|%1|%2").arg(atual).arg(nova);
        Modulo::ExibeJanelaDetalhe();
    }

    QString Versao() const { return tqupd::ConsultaBanco(Catalogo(), QStringLiteral("SELECT Versao FROM UMREGISTRO")); }

    CaixasComTela caixasTela;
    QStringList pontos;
};

TEST_F(TelaAtualizacao, TheRowsFollowTheRunAndTheWindowClosesAtItsEnd)
{
    NoServidor(QStringLiteral("ListVersao38.txt"), "FIG;Figuras\\Nova\\a.jpg;4\r\nSDB;s38.sql;0\r\n");
    NoServidor(QStringLiteral("Figuras/Nova/a.jpg"), "NOVA");
    NoServidor(QStringLiteral("s38.sql"), "E:UPDATE NOTA SET Texto = 'novo' WHERE Codigo = 1\r\n"
                                          "E:DELETE FROM NOTA WHERE Codigo = 2\r\n");
    TQ_SERVE(ServeNginx());

    QMap<QString, QStringList> vistas;
    bool quadro = false;
    Abre(37, 38, [&](int, const QString& ponto, frmTQ2& j) {
        vistas.insert(ponto, Linhas(j));
        if (quadro)
            return;
        quadro = true;
        // The screen's frame: its history alone, the title without a
        // subtitle, no toolbar button, the request on the panel.
        EXPECT_EQ(j.mHistoricoTelas, QStringLiteral("7"));
        EXPECT_FALSE(j.pctTitulo->isHidden());
        EXPECT_TRUE(j.lblSubTitulo->text().isEmpty());
        EXPECT_FALSE(j.imgTitulo->picture().isNull());
        for (const QWidget* b : {static_cast<QWidget*>(j.imgVoltar), static_cast<QWidget*>(j.imgAvancar),
                                 static_cast<QWidget*>(j.imgImprimir), static_cast<QWidget*>(j.imgLimpar)})
            EXPECT_TRUE(b->isHidden());
        EXPECT_FALSE(j.pctTela[7]->isHidden());
        EXPECT_EQ(j.pctTela[7]->Tag, QStringLiteral("7|37|38"));
        const QStringList titulos = Atualizacao::TitulosPassos();
        for (std::size_t k = 1; k <= 4; ++k) {
            EXPECT_EQ(j.lblTitAtualizacao[k]->text(), titulos[int(k) - 1]);
            // Arrow and check mark level with the row, left of the panel; the
            // bar in front of its frame.
            const QPoint lugar(43, j.imgBarraAtualizacao[k]->y() + 67);
            EXPECT_EQ(j.imgPassoAtualAtualizacao[k]->pos(), lugar);
            EXPECT_EQ(j.imgPassoConcluidoAtualizacao[k]->pos(), lugar);
            const QObjectList filhos = j.pctTela[7]->children();
            EXPECT_GT(filhos.indexOf(j.imgBarraAtualizacao[k]), filhos.indexOf(j.imgBordaBarraAtualizacao[k]));
            EXPECT_FALSE(j.imgBordaBarraAtualizacao[k]->picture().isNull());
            EXPECT_FALSE(j.imgPassoConcluidoAtualizacao[k]->picture().isNull());
        }
    });

    // One list of one: half the row once the list is in, the whole row only
    // when the merge is done.
    EXPECT_EQ(vistas.value(QStringLiteral("lista 38")),
              (QStringList{QStringLiteral(">291 50.00 %"), QStringLiteral(".0 0 %"), QStringLiteral(".0 0 %"),
                           QStringLiteral(".0 0 %")}));
    // Downloading the file: the lists' row done, its bytes counted.
    const QStringList baixando = vistas.value(QStringLiteral("download Figuras\\Nova\\a.jpg"));
    ASSERT_EQ(baixando.size(), 4);
    EXPECT_EQ(baixando[0], QStringLiteral("v582 100.00 %"));
    EXPECT_EQ(baixando[1], QStringLiteral(">582 100.00 %"));  // 4 of 4 bytes
    // Before the commit: 3 of 4 pieces (the empty one before the script, its
    // two lines, the empty one after its last line end).
    EXPECT_EQ(vistas.value(QStringLiteral("antes da confirmação")).value(3), QStringLiteral(">436 75.00 %"));

    // The end: every row done when the success box shows, then the window
    // closes.
    ASSERT_EQ(caixasTela.textos, QStringList{Modulo::ObtemTexto(73) + QLatin1Char('.')});
    EXPECT_EQ(caixasTela.telas[0], QStringList(4, QStringLiteral("v582 100.00 %")));
    EXPECT_EQ(frmTQ2::Instancia(), nullptr);  // closed and gone
    EXPECT_TRUE(Modulo::gParametro.isEmpty());
    EXPECT_EQ(Versao(), QStringLiteral("38"));
    EXPECT_EQ(tqtest::readFile(dados + QStringLiteral("Figuras/Nova/a.jpg")), QByteArray("NOVA"));
}

TEST_F(TelaAtualizacao, EscAndClosingDoNothingWhileTheRunGoesOn)
{
    NoServidor(QStringLiteral("ListVersao38.txt"), "TXT;a.txt;3\r\nSDB;s38.sql;0\r\n");
    NoServidor(QStringLiteral("a.txt"), "aaa");
    NoServidor(QStringLiteral("s38.sql"), "E:DELETE FROM NOTA WHERE Codigo = 2\r\n");
    TQ_SERVE(ServeNginx());

    int tentativas = 0;
    bool abertaDepois = true;
    Abre(37, 38, [&](int n, const QString&, frmTQ2& j) {
        if (n == 1) {
            // Esc reaches the window through its focused control.
            j.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&j, 5000));
            j.pctTela[7]->setFocus();
            QWidget* alvo = QApplication::focusWidget();
            ASSERT_TRUE(alvo && (alvo == &j || j.isAncestorOf(alvo)));
            QTest::keyClick(alvo, Qt::Key_Escape);
            j.close();
            ++tentativas;
        } else {
            abertaDepois = abertaDepois && !j.Descarregada() && j.isVisible();
        }
    });
    EXPECT_EQ(tentativas, 1);
    EXPECT_TRUE(abertaDepois);
    ASSERT_EQ(caixasTela.textos, QStringList{Modulo::ObtemTexto(73) + QLatin1Char('.')});
    EXPECT_EQ(Versao(), QStringLiteral("38"));
}

TEST_F(TelaAtualizacao, AFailedRunShowsTheErrorBoxAndClosesTheWindow)
{
    NoServidor(QStringLiteral("ListVersao38.txt"), "TXT;a.txt;3\r\n");  // a.txt is missing
    TQ_SERVE(ServeNginx());
    const QString antes = tqupd::DumpBanco(Catalogo());
    Abre(37, 38);
    ASSERT_EQ(caixasTela.textos.size(), 1);
    EXPECT_TRUE(caixasTela.textos[0].startsWith(Modulo::ObtemTexto(21) + QStringLiteral(": -104\r\n")))
        << caixasTela.textos[0].toStdString();
    EXPECT_TRUE(caixasTela.textos[0].contains(QStringLiteral("Status=404")));
    // The box shows over the screen as the run left it; then the window goes.
    EXPECT_EQ(caixasTela.telas[0].value(1), QStringLiteral(">0 0.00 %"));
    EXPECT_EQ(tqupd::DumpBanco(Catalogo()), antes);
    EXPECT_FALSE(QFile::exists(dados + QStringLiteral("a.txt")));
}

}  // namespace
