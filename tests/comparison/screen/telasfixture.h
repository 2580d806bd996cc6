#pragma once
// The main window over the demo catalogue with the comparison's screens
// registered for real and every other subsystem's slot a recording stub
// (tests/mainwindow/janelafixture.h): the cart animation, the figure and the
// detail window's opener are recorded too.  With the search registered, its
// handlers act on the comparison's screens as in the program (Forward on
// screen 9, the column titles and the list's row actions of screen 8) while
// its own screens stay stubs.  The window is shown and active, so that focus
// and positions on the screen work offscreen.

#include "assembly/janela/registra.h"
#include "comparison/comparacaotabela.h"
#include "comparison/screen/telascomparacao.h"
#include "detailwindow/frmTQ2.h"
#include "core/janeladetalhe.h"
#include "mainwindow/janelafixture.h"
#include "search/screens/telas.h"

#include "support/fakepointerwarp.h"
#include "support/qstringprinter.h"

#include <QApplication>

namespace tqtest {

class TelasComparacaoTeste : public JanelaPrincipalTeste {
protected:
    void SetUp() override
    {
        JanelaPrincipalTeste::SetUp();
        GravaPedidosDetalhe(false);
    }

    void TearDown() override
    {
        // The run's comparison table goes with the window, as at closing.
        if (janela && !janela->mTabelaComparacao.isEmpty() && Modulo::gDbAuxiliar)
            Modulo::ExcluiTabela(Modulo::gDbAuxiliar, janela->mTabelaComparacao);
        JanelaPrincipalTeste::TearDown();
        m_registroComparacao.reset();
        frmTQ2::RegistraExibeTelaLista({});
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }

    // A loaded window of the edition with the comparison registered (and
    // the search's handlers; with `comConjunto` the assembly view's screens
    // too, as the program registers them).
    frmTQ1& Abre(const QString& edicao = QStringLiteral("V"), bool comPesquisa = true, bool comConjunto = false)
    {
        AbreCatalogo(edicao);
        m_registroComparacao = std::make_unique<RegistroTQ1::Temporario>(gravador.Registro());
        RegistroTQ1& r = RegistroTQ1::Global();
        if (comPesquisa) {
            const RegistroTQ1 stubs = r;
            Pesquisa::Registra(r);
            r.MostraPesquisaPecas = stubs.MostraPesquisaPecas;
            r.EscondePesquisaPecas = stubs.EscondePesquisaPecas;
            r.MostraPesquisaVeiculos = stubs.MostraPesquisaVeiculos;
            r.EscondePesquisaVeiculos = stubs.EscondePesquisaVeiculos;
            r.GuardaFiltrosPesquisa = stubs.GuardaFiltrosPesquisa;
            r.MostraListaPecas = stubs.MostraListaPecas;
            r.EscondeListaPecas = stubs.EscondeListaPecas;
            for (int t = 1; t <= 3; ++t)
                r.imgAvancar_Click[std::size_t(t)] = stubs.imgAvancar_Click[std::size_t(t)];
        }
        if (comConjunto)
            Conjunto::Registra();
        Comparacao::Registra();
        r.EfeitoCarrinho = [this](frmTQ1&, bool parar) {
            gravador.chamadas << QStringLiteral("EfeitoCarrinho(%1)").arg(parar);
        };
        if (!comConjunto) {
            r.EscondeFigura = [this](frmTQ1& f) {
                gravador.chamadas << QStringLiteral("EscondeFigura");
                f.pctTela[4]->hide();
            };
            r.FechaFigura = [this](frmTQ1&) { gravador.chamadas << QStringLiteral("FechaFigura"); };
        }
        janela = new frmTQ1;
        janela->Form_Load();
        janela->show();
        QApplication::setActiveWindow(janela);
        QApplication::processEvents();
        return *janela;
    }

    // Screen 9 with the two numbers typed and Forward pressed.
    frmTQ1& Compara(const QString& numero1, const QString& numero2, const QString& edicao = QStringLiteral("V"))
    {
        frmTQ1& f = Abre(edicao);
        f.imgComparar_Click();
        f.txtNumeroEmpresaComp[0]->setText(numero1);
        f.txtNumeroEmpresaComp[1]->setText(numero2);
        f.imgAvancar_Click();
        return f;
    }

    // A column of the list's rows, in the list's order.
    QStringList Coluna(frmTQ1& f, const QString& campo) const
    {
        QStringList r;
        const auto rs = f.dtcTHGrid1->Recordset();
        if (!rs)
            return r;
        const int i = rs->FieldIndex(campo);
        for (long k = 0; k < rs->RecordCount(); ++k)
            r << rs->ValueAt(k, i).toString();
        return r;
    }

    // The cart's rows as "Tipo:Codigo:Quantidade[:op]", by kind and code.
    static QStringList Carrinho()
    {
        QStringList r;
        auto rs = Modulo::gDbAuxiliar->OpenRecordset(QStringLiteral("SELECT Tipo,Codigo,Quantidade,Opcional FROM ") +
                                                         Modulo::gTabelaCarrinho + QStringLiteral(" ORDER BY Tipo,Codigo"),
                                                     platform::dao::dbOpenSnapshot);
        for (; !rs->EOF_(); rs->MoveNext())
            r << rs->Value(0).toString() + QLatin1Char(':') + rs->Value(1).toString() + QLatin1Char(':') +
                     rs->Value(2).toString() + (rs->Value(3).toString() == QLatin1String(" ") ? QStringLiteral(":op") : QString());
        rs->Close();
        return r;
    }

    int Chamadas(const QString& nome) const { return int(gravador.chamadas.count(nome)); }

    FakePointerWarper ponteiro;

private:
    std::unique_ptr<RegistroTQ1::Temporario> m_registroComparacao;
};

}  // namespace tqtest
