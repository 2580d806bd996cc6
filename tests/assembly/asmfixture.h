#pragma once
// The assembly view on the demo catalogue, offscreen, on the catalogue's
// main window (janelademo.h: the real window and screens, the neighbours'
// screens replaced by recording stand-ins).
//
// The demo folders are written once per build (the first test process that
// needs one writes it under a lock into <build>/tests/asmdata-<edition>,
// again whenever the test program is newer) and then opened read-only by
// every test; the auxiliary database is a fresh one in the test's own
// temporary folder.  Message boxes, popup menus and beeps are recorded.

#include "janelademo.h"

#include "assembly/rotuloitem.h"
#include "assembly/vistaconjunto.h"
#include "tools/demo/demo.h"

#include "support/fakedesktop.h"
#include "support/fakemessagebox.h"
#include "support/testutil.h"

#include <QString>

#include <gtest/gtest.h>

#include <memory>

namespace asmtest {

// The shared demo folder of an edition (with drawings in edition V).
QString PastaDemo(const QString& edicao);
// What that folder holds (the generator's summary, computed without writing).
const demo::Summary& Resumo(const QString& edicao);

class TelaConjunto : public ::testing::Test {
protected:
    // Opens the edition's demo catalogue (or `pasta`) and loads the window.
    void Abre(const QString& edicao = QStringLiteral("V"), const QString& idioma = QStringLiteral("P"), const QString& pasta = {});
    void TearDown() override;

    asmdemo::JanelaDemo& D() { return *m_demo; }
    frmTQ1& F() { return m_demo->F(); }
    Conjunto::VistaConjunto& V() { return m_demo->Vista(); }
    const Conjunto::ControlesFigura& C() { return m_demo->Conjunto().Figura(); }
    const Conjunto::ControlesTabela& T() { return m_demo->Conjunto().Tabela(); }

    // The label of the n-th hot spot (0-based) of an item, -1 when none.
    int Rotulo(const QString& item, int n = 0);
    Conjunto::RotuloItem* L(int indice) { return V().lblItem(indice); }
    // Moves the pointer onto a label (showing its page first).
    void Passa(int indice);
    // Chooses a kit in the combo as the user does (the all row with 0).
    void EscolheJogo(std::int64_t jogo);
    // The labels of the page shown, their indexes.
    std::vector<int> RotulosVisiveis();
    // One value of a catalogue query.
    QVariant Valor(const QString& sql);
    // Waits for the blink timer's next tick.
    void EsperaTique();

    demo::Summary s;
    // Slots another subsystem fills before the assembly view registers.
    std::function<void(RegistroTQ1&)> vizinhos;
    tqtest::FakeMessageBoxes caixas;
    tqtest::FakePopupMenus menus;
    tqtest::FakeBeeper bipes;

private:
    std::unique_ptr<tqtest::TempDir> m_aux;
    std::unique_ptr<asmdemo::JanelaDemo> m_demo;
};

}  // namespace asmtest
