#pragma once
// The search screens on a real main window over a demo catalogue: the
// window's frame and search's own slots (Pesquisa::Registra), recording
// stubs for the neighbours' slots (figure, comparison, suggestion panel,
// sorting of their tables), recording message boxes, and a detail window
// that records each request and closes at once.

#include "mainwindow/janelafixture.h"

#include "core/janeladetalhe.h"
#include "listcontrols/thcombo.h"
#include "listcontrols/thgrid.h"
#include "search/screens/telapesquisa.h"
#include "search/screens/telas.h"

#include <QTest>

namespace tqtest {

class TelaPesquisaTeste : public JanelaPrincipalTeste {
protected:
    void SetUp() override
    {
        JanelaPrincipalTeste::SetUp();
        GravaPedidosDetalhe(true);
    }
    void TearDown() override
    {
        JanelaPrincipalTeste::TearDown();
        m_registroPesquisa.reset();
    }

    // A loaded main window of the edition with search's slots on top of the
    // recording stubs.
    frmTQ1& Abre(const QString& edicao = QStringLiteral("V"))
    {
        AbreCatalogo(edicao);
        RegistroTQ1 r = gravador.Registro();
        Pesquisa::Registra(r);
        auto grava = [this](const QString& s) { gravador.chamadas << s; };
        r.FechaFigura = [grava](frmTQ1& f) {
            grava(QStringLiteral("FechaFigura"));
            f.mFiguraCarregada = false;
        };
        r.OrdenaTabelaPorColuna = [grava](frmTQ1&, const QString& c) {
            grava(QStringLiteral("OrdenaTabelaPorColuna(%1)").arg(c));
        };
        r.AtualizaGridComparacao = [grava](frmTQ1&, const QString& c, int filtro, const QString& ordem, bool recriar,
                                           bool atualizar) {
            grava(QStringLiteral("AtualizaGridComparacao(%1,%2,%3,%4,%5)")
                      .arg(c)
                      .arg(filtro)
                      .arg(ordem)
                      .arg(recriar)
                      .arg(atualizar));
        };
        r.MostraSugestaoGrid = [grava](frmTQ1&) { grava(QStringLiteral("MostraSugestaoGrid")); };
        m_registroPesquisa = std::make_unique<RegistroTQ1::Temporario>(std::move(r));
        janela = new frmTQ1;
        janela->Form_Load();
        return *janela;
    }

    const demo::Summary& Demo(const QString& edicao = QStringLiteral("V")) { return CatalogoDemo(edicao); }

    // Waits until the pending search of the window is bound.
    void EsperaLista()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !Pesquisa::TelaPesquisa::De(*janela).Pendente(); }, 20000));
    }

    platform::dao::RecordsetPtr Lista() { return janela->dtcTHGrid1->Recordset(); }

    // The current row's field as text.
    QString Atual(const QString& campo)
    {
        const auto rs = Lista();
        return rs && !rs->EOF_() && !rs->BOF() ? rs->Value(campo).toString() : QString();
    }

    // Makes the row with `campo` = `valor` current (FindFirst); false when
    // the list has no such row.
    bool VaiPara(const QString& criterio)
    {
        const auto rs = Lista();
        if (!rs)
            return false;
        rs->FindFirst(criterio);
        return !rs->NoMatch();
    }

    // The rows of a statement on the catalogue, one "a|b|c" text per row.
    static QStringList Linhas(const QString& sql)
    {
        const auto rs = Modulo::gDbDazadize->OpenRecordset(sql);
        QStringList out;
        for (long r = 0; r < rs->RecordCount(); ++r) {
            QStringList c;
            for (int i = 0; i < rs->FieldCount(); ++i)
                c << rs->ValueAt(r, i).toString();
            out << c.join(QLatin1Char('|'));
        }
        return out;
    }
    static QStringList Linhas(const platform::dao::RecordsetPtr& rs)
    {
        QStringList out;
        for (long r = 0; r < rs->RecordCount(); ++r) {
            QStringList c;
            for (int i = 0; i < rs->FieldCount(); ++i)
                c << rs->ValueAt(r, i).toString();
            out << c.join(QLatin1Char('|'));
        }
        return out;
    }

private:
    std::unique_ptr<RegistroTQ1::Temporario> m_registroPesquisa;
};

}  // namespace tqtest
