#pragma once
// Shared set-up of the main-window tests: a demo catalogue of an edition
// (generated once per test program and edition), the run's databases and
// cart table opened as the start-up sequence leaves them, a fixed screen
// (1024 x 768, caption 18), recording message boxes, file opener, popup
// menus and beeps, and a registry of recording stubs.
//
// Stubs (RegistroGravador): every slot of the registry records its call as
// text ("MostraListaPecas(4,COM,123)") in `chamadas`; the show routines
// change the history and hide the screen they leave as the real screens do,
// so that navigation runs through them unchanged.

#include "core/config.h"
#include "core/database.h"
#include "core/globals.h"
#include "core/janeladetalhe.h"
#include "core/janelas.h"
#include "core/runtables.h"
#include "mainwindow/frmTQ1.h"
#include "mainwindow/registro.h"
#include "tools/demo/demo.h"

#include "support/fakedesktop.h"
#include "support/fakemessagebox.h"
#include "support/testutil.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace tqtest {

// The demo folder of an edition, its catalogue file renamed to this build's
// catalogue name so that the run opens it.
inline const demo::Summary& CatalogoDemo(const QString& edicao)
{
    static std::map<QString, std::pair<std::unique_ptr<TempDir>, demo::Summary>> pastas;
    auto it = pastas.find(edicao);
    if (it == pastas.end()) {
        auto dir = std::make_unique<TempDir>();
        demo::Summary s = demo::GenerateDataFolder(demo::Options::Fixture(edicao, dir->file(edicao)));
        const QString nome = Modulo::NomeArquivoCatalogo();
        if (QFileInfo(s.catalogueFile).fileName() != nome) {
            QFile::rename(s.catalogueFile, s.dataFolder + nome);
            s.catalogueFile = s.dataFolder + nome;
        }
        it = pastas.emplace(edicao, std::make_pair(std::move(dir), s)).first;
    }
    return it->second.second;
}

// Records the registry's calls; the show routines keep the history.
struct RegistroGravador {
    QStringList chamadas;

    RegistroTQ1 Registro()
    {
        RegistroTQ1 r;
        auto grava = [this](const QString& s) { chamadas << s; };
        auto mostra = [grava](const char* nome, const QString& digito, std::function<void(frmTQ1&, quint8)> esconde) {
            return [=](frmTQ1& f, quint8 o) {
                grava(QStringLiteral("%1(%2)").arg(QLatin1String(nome)).arg(o));
                esconde(f, o);
                f.pctTela[digito.toInt()]->show();
                f.AjustaBotoesNavegacao(digito.toInt());
            };
        };
        // What each show routine hides by its origin and how it changes the
        // history (the screens' own rules).
        r.MostraPesquisaPecas = mostra("MostraPesquisaPecas", QStringLiteral("1"), [](frmTQ1& f, quint8 o) {
            if (o == 0) { f.mHistoricoTelas += QLatin1Char('1'); f.EscondeInicio(); }
            if (o == 9) { f.mHistoricoTelas += QLatin1Char('1'); f.EscondeSelecaoComparacao(); }
            if (o == 3) f.EscondeListaPecas();
        });
        r.MostraPesquisaVeiculos = mostra("MostraPesquisaVeiculos", QStringLiteral("2"), [](frmTQ1& f, quint8 o) {
            if (o == 0) { f.mHistoricoTelas += QLatin1Char('2'); f.EscondeInicio(); }
            if (o == 9) { f.mHistoricoTelas += QLatin1Char('2'); f.EscondeSelecaoComparacao(); }
            if (o == 3) f.EscondeListaPecas();
        });
        r.MostraListaPecas = [grava](frmTQ1& f, quint8 o, const QString& tipo, long codigo) {
            grava(QStringLiteral("MostraListaPecas(%1,%2,%3)").arg(o).arg(tipo).arg(codigo));
            if (o == 1) { f.mHistoricoTelas += QLatin1Char('3'); f.EscondePesquisaPecas(); }
            if (o == 2) { f.mHistoricoTelas += QLatin1Char('3'); f.EscondePesquisaVeiculos(); }
            if (o == 4 || o == 5) f.FechaConjunto();
            f.mTipoItemLista = tipo;
            f.mCodigoItemLista = codigo;
            f.pctTela[3]->show();
            f.AjustaBotoesNavegacao(3);
        };
        r.MostraFigura = mostra("MostraFigura", QStringLiteral("4"), [](frmTQ1& f, quint8 o) {
            if (o == 3) { f.mHistoricoTelas += QLatin1Char('4'); f.EscondeListaPecas(); }
            if (o == 5 || o == 8) { f.mHistoricoTelas.back() = QLatin1Char('4'); f.pctTela[o]->hide(); }
        });
        r.MostraComponentes = mostra("MostraComponentes", QStringLiteral("5"), [](frmTQ1& f, quint8 o) {
            if (o == 3) { f.mHistoricoTelas += QLatin1Char('5'); f.EscondeListaPecas(); }
            if (o == 4) { f.mHistoricoTelas.back() = QLatin1Char('5'); f.pctTela[4]->hide(); }
        });
        r.MostraComparacao = mostra("MostraComparacao", QStringLiteral("8"), [](frmTQ1& f, quint8 o) {
            if (o == 0) { f.mHistoricoTelas += QLatin1Char('8'); f.EscondeSelecaoComparacao(); }
            if (o == 4) { f.mHistoricoTelas.back() = QLatin1Char('8'); f.pctTela[4]->hide(); }
        });
        r.MostraSelecaoComparacao = mostra("MostraSelecaoComparacao", QStringLiteral("9"), [](frmTQ1& f, quint8 o) {
            if (o == 0) { f.mHistoricoTelas += QLatin1Char('9'); f.EscondeInicio(); }
            if (o == 3) { f.mHistoricoTelas.chop(2); f.EscondeListaPecas(); }
            if (o == 1) f.EscondePesquisaPecas();
            if (o == 2) f.EscondePesquisaVeiculos();
            if (o == 4 || o == 8) f.FechaConjunto();
        });
        const auto esconde = [grava](const char* nome, int tela) {
            return [=](frmTQ1& f) {
                grava(QString::fromLatin1(nome));
                f.AjustaBotoesNavegacao(200);
                f.pctTela[tela]->hide();
            };
        };
        r.EscondePesquisaPecas = esconde("EscondePesquisaPecas", 1);
        r.EscondePesquisaVeiculos = esconde("EscondePesquisaVeiculos", 2);
        r.EscondeListaPecas = esconde("EscondeListaPecas", 3);
        r.EscondeSelecaoComparacao = esconde("EscondeSelecaoComparacao", 9);
        r.FechaConjunto = [grava](frmTQ1& f) {
            grava(QStringLiteral("FechaConjunto"));
            f.AjustaBotoesNavegacao(200);
            for (int t : {4, 5, 8})
                f.pctTela[t]->hide();
        };
        r.GuardaFiltrosPesquisa = [grava](frmTQ1&) { grava(QStringLiteral("GuardaFiltrosPesquisa")); };
        r.imgParteFigura_Click = [grava](frmTQ1& f, int i) {
            grava(QStringLiteral("imgParteFigura_Click(%1)").arg(i));
            f.mParteFiguraAtual = static_cast<quint8>(i);
        };
        r.imgMudaPagina_Click = [grava](frmTQ1&, int i) { grava(QStringLiteral("imgMudaPagina_Click(%1)").arg(i)); };
        r.LimpaSelecaoItem = [grava](frmTQ1&, bool b) { grava(QStringLiteral("LimpaSelecaoItem(%1)").arg(b)); };
        r.imgFigura_Click = [grava](frmTQ1&) { grava(QStringLiteral("imgFigura_Click")); };
        for (int t = 0; t < 10; ++t)
            r.imgAvancar_Click[t] = [grava, t](frmTQ1&) { grava(QStringLiteral("imgAvancar_Click[%1]").arg(t)); };
        r.IniciaVerificacaoAtualizacao = [grava](frmTQ1&, bool a) {
            grava(QStringLiteral("IniciaVerificacaoAtualizacao(%1)").arg(a));
        };
        r.MostraMenuAtualizacao = [grava](frmTQ1&) { grava(QStringLiteral("MostraMenuAtualizacao")); };
        return r;
    }
};

// A main window over the demo catalogue, loaded as the start window loads it.
class JanelaPrincipalTeste : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_idioma = Modulo::gIdioma;
        m_edicao = Modulo::gEdicao;
        Modulo::DefineTamanhoTela(QSize(1024, 768));
        Modulo::DefineAlturaLegenda(18);
        Modulo::DefinePastaUsuario(m_usuario.path());
        Modulo::gIdioma = QStringLiteral("P");
        frmTQ1::setEncerramento({[this](const QString& p, const QStringList& a) {
                                     iniciados << p + QLatin1Char(' ') + a.join(QLatin1Char(' '));
                                     platform::SpawnResult r;
                                     r.pid = lancadorFalha ? -1 : 4242;
                                     r.error = lancadorFalha ? ENOENT : 0;
                                     return r;
                                 },
                                 [this] { ++creditos; }, [this] { ++terminado; }});
    }

    void TearDown() override
    {
        delete janela.data();
        m_registro.reset();
        Modulo::RegistraJanelaDetalhe({});
        frmTQ1::setEncerramento({});
        if (Modulo::gDbAuxiliar && !Modulo::gTabelaCarrinho.isEmpty())
            Modulo::ExcluiTabela(Modulo::gDbAuxiliar, Modulo::gTabelaCarrinho);
        Modulo::FechaBanco(Modulo::gWsAuxiliar, Modulo::gDbAuxiliar);
        Modulo::FechaBanco(Modulo::gWsDazadize, Modulo::gDbDazadize);
        Modulo::gTabelaCarrinho.clear();
        Modulo::gParametro.clear();
        Modulo::gRodaAtiva = false;
        Modulo::gAlvoRodaNome.clear();
        Modulo::gReiniciarPeloLancador = false;
        Modulo::DefinePonteiroTela(Modulo::vbDefault);
        Modulo::DefineTamanhoTela(QSize());
        Modulo::DefineAlturaLegenda(-1);
        Modulo::DefinePastaUsuario(QString());
        Modulo::gIdioma = m_idioma;
        Modulo::gEdicao = m_edicao;
    }

    // The detail window's stand-in: each request's parameter into `pedidos`
    // (cleared as the window takes it), then `aoPedir` when set; with
    // `ponteiroPadrao` the default pointer, as the window leaves it.  Undone
    // at TearDown.
    void GravaPedidosDetalhe(bool ponteiroPadrao)
    {
        Modulo::RegistraJanelaDetalhe([this, ponteiroPadrao] {
            pedidos << Modulo::gParametro;
            Modulo::gParametro.clear();
            if (ponteiroPadrao)
                Modulo::DefinePonteiroTela(Modulo::vbDefault);
            if (aoPedir)
                aoPedir();
        });
    }

    // Opens the edition's catalogue as the start-up sequence does.
    void AbreCatalogo(const QString& edicao = QStringLiteral("V"))
    {
        const demo::Summary& s = CatalogoDemo(edicao);
        Modulo::gEdicao = edicao;
        Modulo::gCaminhoDados = s.dataFolder;
        Modulo::AbreBancoDazadize(Modulo::gWsDazadize, QStringLiteral("gWS"), Modulo::gDbDazadize, true);
        Modulo::AbreBancoAuxiliar(Modulo::gWsAuxiliar, Modulo::gDbAuxiliar);
        Modulo::gTabelaCarrinho = Modulo::CriaTabelaLista(Modulo::gDbAuxiliar);
    }

    // A loaded window over the catalogue, with the stubs registered.
    frmTQ1* Carrega(const QString& edicao = QStringLiteral("V"))
    {
        AbreCatalogo(edicao);
        m_registro = std::make_unique<RegistroTQ1::Temporario>(gravador.Registro());
        janela = new frmTQ1;
        janela->Form_Load();
        return janela;
    }

    RegistroGravador gravador;
    QPointer<frmTQ1> janela;
    FakeMessageBoxes caixas;
    FakeFileOpener abridor;
    FakePopupMenus menus;
    FakeBeeper bipes;
    QStringList iniciados;
    bool lancadorFalha = false;
    int creditos = 0;
    int terminado = 0;
    // The detail-window requests, in order ("0|COM|17"), and what a test
    // does at each (GravaPedidosDetalhe).
    QStringList pedidos;
    std::function<void()> aoPedir;

private:
    std::unique_ptr<RegistroTQ1::Temporario> m_registro;
    TempDir m_usuario;
    QString m_idioma;
    QString m_edicao;
};

}  // namespace tqtest
