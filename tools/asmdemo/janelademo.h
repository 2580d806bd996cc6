#pragma once
// The catalogue's main window frmTQ1 prepared for the assembly view alone:
// the viewer asmdemo and the offscreen tests of the assembly view drive the
// real window and the real screens through it.
//
// JanelaDemo registers the assembly view (Conjunto::Registra) in a registry
// of its own for its lifetime, with thin stand-ins for the neighbours the
// assembly screens call: the parts list (screen 3: a placeholder panel; Back
// to it leaves the assembly), the comparison list (screen 8: a placeholder
// panel), the buying-suggestion panel and the cart animation (recorded).
// The detail window's opener records each request instead of showing the
// window.  The cart is the run's real cart table (Modulo::IncluiItemCarrinho).
// The window is loaded as the start window loads it, at 800 x 600, with its
// data controls on the open catalogue, and shown.
//
// The catalogue program registers the same view with the real neighbours
// (mainwindow/main/subsistemas.cpp); nothing here is used by the program.

#include "assembly/janela/conjuntotq1.h"
#include "mainwindow/frmTQ1.h"
#include "mainwindow/registro.h"

#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace asmdemo {

// Opens the data folder's catalogue (any edition's file "DAZADIZETQ_?.MDB")
// read-only as the run's catalogue database, its auxiliary database (in
// `pastaAuxiliar`, the data folder when empty) and the run's cart table, and
// sets the data folder, the edition (empty: the file's letter) and the
// language.  Raises platform::Error when the folder holds no catalogue.
void AbreDados(const QString& pasta, const QString& edicao, const QString& idioma, const QString& pastaAuxiliar = {});
// Drops the cart table and closes what AbreDados opened.
void FechaDados();

class JanelaDemo {
public:
    // `antes` fills slots of the registry before the assembly view registers
    // (another subsystem's registration running first).
    explicit JanelaDemo(const std::function<void(RegistroTQ1&)>& antes = {});
    ~JanelaDemo();
    JanelaDemo(const JanelaDemo&) = delete;
    JanelaDemo& operator=(const JanelaDemo&) = delete;

    frmTQ1& F() { return *m_janela; }
    Conjunto::ConjuntoTQ1& Conjunto() { return *Conjunto::ConjuntoTQ1::De(*m_janela); }
    Conjunto::VistaConjunto& Vista() { return Conjunto().Vista(); }

    // The parts list's Forward on an assembly row: a new assembly (in
    // comparison mode with a second one), its figure with the locate request
    // (the parts list's pctTela(3).Tag).
    void AbreConjunto(long codigoPeca, const QString& solicitacao, long comparacao = -1);

    // The cart's rows in key order, "kind|code|quantity|optional".
    QStringList Carrinho() const;

    // What reached the neighbours, in order.
    QStringList requisicoes;  // detail-window requests, "code|fields"
    QStringList sugestoes;    // "figura INDEX LEFT", "menu", "tabela"
    QStringList chamadas;     // the parts list's and the comparison's stand-ins, the cart animation

private:
    std::unique_ptr<RegistroTQ1::Temporario> m_registro;
    QPointer<frmTQ1> m_janela;
};

}  // namespace asmdemo
