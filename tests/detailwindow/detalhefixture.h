#pragma once
// The detail window over the demo generator's fixture catalogue (edition V
// rows, written once per test program), with recording message boxes and
// file opener, a temporary configuration folder, and a main window fake
// that records the wheel hand-over and gives the menu bar's rectangle.

#include "core/config.h"
#include "core/database.h"
#include "core/globals.h"
#include "core/janelaprincipal.h"
#include "core/janelas.h"
#include "core/searchtext.h"
#include "detailwindow/frmTQ2.h"
#include "support/fakedesktop.h"
#include "support/fakemessagebox.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"
#include "tools/demo/demo.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace tqtest {

class FakeJanelaPrincipal final : public Modulo::JanelaPrincipal {
public:
    QWidget* Janela() override { return &janela; }
    void SubClassing(bool ativar) override { chamadas << (ativar ? QStringLiteral("on:") : QStringLiteral("off:")) + nomeRoda(); }
    QRect RetanguloMenu() const override { return menu; }
    void MenuItemFigura(int) override {}
    void EfeitoCarrinho(bool) override {}

    static QString nomeRoda()
    {
        return Modulo::gFormRoda ? Modulo::gFormRoda->objectName() : QStringLiteral("none");
    }

    QWidget janela;
    QRect menu{200, 100, 84, 600};
    QStringList chamadas;
};

class DetalheFixture : public ::testing::Test {
public:
    static void SetUpTestSuite()
    {
        s_pasta = new TempDir;
        s_resumo = new demo::Summary(demo::GenerateDataFolder(demo::Options::Fixture(QStringLiteral("V"), s_pasta->file(QStringLiteral("V")))));
    }
    static void TearDownTestSuite()
    {
        delete s_resumo;
        delete s_pasta;
        s_resumo = nullptr;
        s_pasta = nullptr;
    }

protected:
    const demo::Summary& resumo() const { return *s_resumo; }

    void SetUp() override
    {
        m_idioma = Modulo::gIdioma;
        m_edicao = Modulo::gEdicao;
        m_caminho = Modulo::gCaminhoDados;
        m_roda = Modulo::gRodaAtiva;
        m_verificacao = Modulo::gVerificacaoAutomatica;
        Modulo::gIdioma = QStringLiteral("P");
        Modulo::gEdicao = QStringLiteral("V");
        Modulo::gCaminhoDados = s_resumo->dataFolder;
        Modulo::gRodaAtiva = false;
        Modulo::gParametro.clear();
        Modulo::DefinePastaUsuario(m_config.path());
        Modulo::gWsDazadize = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("gWS"));
        Modulo::gDbDazadize = Modulo::gWsDazadize->OpenDatabase(s_resumo->catalogueFile, false, true);
    }

    void TearDown() override
    {
        m_janela.reset();
        Modulo::DefineJanelaPrincipal(nullptr);
        Modulo::FechaBanco(Modulo::gWsDazadize, Modulo::gDbDazadize);
        Modulo::DefinePastaUsuario(QString());
        Modulo::gIdioma = m_idioma;
        Modulo::gEdicao = m_edicao;
        Modulo::gCaminhoDados = m_caminho;
        Modulo::gRodaAtiva = m_roda;
        Modulo::gVerificacaoAutomatica = m_verificacao;
        Modulo::gFormRoda = nullptr;
        Modulo::gParametro.clear();
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }

    // A new window for the request, loaded and first activated.
    frmTQ2& Abre(const QString& pedido)
    {
        m_janela.reset();
        Modulo::gParametro = pedido;
        m_janela = std::make_unique<frmTQ2>();
        m_janela->Form_Load();
        m_janela->Form_Activate();
        return *m_janela;
    }

    // The same, shown and active, so that keys and focus work.
    frmTQ2& AbreVisivel(const QString& pedido)
    {
        m_janela.reset();
        Modulo::gParametro = pedido;
        m_janela = std::make_unique<frmTQ2>();
        m_janela->Form_Load();
        m_janela->show();
        m_janela->activateWindow();
        QApplication::setActiveWindow(m_janela.get());
        m_janela->Form_Activate();
        QApplication::processEvents();
        return *m_janela;
    }

    // The text columns of the list's rows (by data field) for checking.
    QStringList Coluna(frmTQ2& j, const QString& campo) const
    {
        QStringList r;
        const auto rs = j.dtcTHGrid1->Recordset();
        const int f = rs->FieldIndex(campo);
        for (long i = 0; i < rs->RecordCount(); ++i)
            r << rs->ValueAt(i, f).toString();
        return r;
    }

    static TempDir* s_pasta;
    static demo::Summary* s_resumo;

    FakeMessageBoxes m_caixas;
    FakeFileOpener m_abridor;
    TempDir m_config;
    std::unique_ptr<frmTQ2> m_janela;

private:
    QString m_idioma, m_edicao, m_caminho;
    bool m_roda = false;
    bool m_verificacao = true;
};

inline TempDir* DetalheFixture::s_pasta = nullptr;
inline demo::Summary* DetalheFixture::s_resumo = nullptr;

}  // namespace tqtest
