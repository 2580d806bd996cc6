#pragma once
// The registry of the main window frmTQ1: where the subsystems that own
// screens and handlers of the main window (search, assembly view,
// comparison and suggestion, cart, program update) put their routines, so
// that the frame and the other subsystems call them by their names on the
// window without depending on their libraries.
//
// How a subsystem plugs in
//   1. Its library depends on tq_mainwindow (mainwindow/) and offers one
//      registration function, e.g. `void Pesquisa::Registra();`, which fills
//      the slots it owns:
//
//        auto& r = RegistroTQ1::Global();
//        r.MostraPesquisaPecas = [](frmTQ1& f, quint8 origem) { ... };
//        r.imgAvancar_Click[1] = [](frmTQ1& f) { ... };     // Forward on screen 1
//        r.AoCriar.push_back([](frmTQ1& f) {                 // each new window
//            QObject::connect(f.txtNumeroEmpresa, &QLineEdit::textChanged, &f, ...);
//            new PesquisaTela(&f);                           // state of its own, a child of the window
//        });
//
//   2. The program (mainwindow/main/subsistemas.cpp) calls that function once
//      at start, one line per subsystem, before any window exists.
//   3. Everything else goes through the window: its controls and members are
//      public and named as the design names them (frmTQ1.h); the frame's own
//      routines (history, buttons, hover, picture sets, the detail-window
//      opener) are public members.  State that belongs to a subsystem alone
//      lives in an object of its own made a child of the window in AoCriar
//      (find it again with f.findChild<T*>()), so that it dies with the window.
//
// Calling: the window's members of the same names (f.MostraPesquisaPecas(0),
// f.imgAvancar_Click(), ...) call the slot; an empty slot does nothing.  Slots
// run on the user-interface thread inside the caller's guard (Modulo::Guarda)
// and may raise platform::Error; they do not catch for their caller.
//
// Tests replace the registry for a scope with RegistroTQ1::Temporario.

#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <vector>

class frmTQ1;

struct RegistroTQ1 {
    using Rotina = std::function<void(frmTQ1&)>;
    using RotinaOrigem = std::function<void(frmTQ1&, quint8 sTelaOrigem)>;
    using RotinaIndice = std::function<void(frmTQ1&, int Index)>;
    using RotinaSimNao = std::function<void(frmTQ1&, bool)>;

    // ---- Screens 1, 2 and 3 (catalogue search) -------------------------
    RotinaOrigem MostraPesquisaPecas;
    Rotina EscondePesquisaPecas;
    RotinaOrigem MostraPesquisaVeiculos;
    Rotina EscondePesquisaVeiculos;
    // Saves the live part search into its slot (Back and Forward from 1).
    Rotina GuardaFiltrosPesquisa;
    std::function<void(frmTQ1&, quint8 sTelaOrigem, const QString& sTipoItem, long sCodigoItem)> MostraListaPecas;
    Rotina EscondeListaPecas;

    // ---- Screens 4 and 5 (assembly view) -------------------------------
    RotinaOrigem MostraFigura;
    Rotina EscondeFigura;
    Rotina FechaFigura;
    RotinaOrigem MostraComponentes;
    Rotina EscondeComponentes;
    // Leaves the current assembly (screens 4, 5 or 8).
    Rotina FechaConjunto;
    RotinaIndice imgParteFigura_Click;
    RotinaSimNao LimpaSelecaoItem;
    // The item menu's entries 0 to 5 (JanelaPrincipal::MenuItemFigura).
    RotinaIndice MenuItemFigura;
    std::function<void(frmTQ1&, const QString& Coluna)> OrdenaTabelaPorColuna;

    // ---- Screens 8 and 9, suggestion panel, cart -----------------------
    RotinaOrigem MostraComparacao;
    Rotina EscondeComparacao;
    RotinaOrigem MostraSelecaoComparacao;
    Rotina EscondeSelecaoComparacao;
    std::function<void(frmTQ1&, const QString& CodigoComponente, int Filtro, const QString& Ordem, bool Recriar,
                       bool Atualizar)>
        AtualizaGridComparacao;
    Rotina MostraSugestaoGrid;
    // The panel beside a hovered figure item: the item label's index and its
    // Left inside pctTela(4) (the figure's labels past lblItem(0) are the
    // assembly view's run-time controls, not members of the window); and the
    // pointer moved onto the panel (the item menu's suggestion entry).
    std::function<void(frmTQ1&, int Index, int LeftRotulo)> MostraSugestaoFigura;
    Rotina MostraSugestaoMenu;
    RotinaIndice imgMudaPagina_Click;
    // The cart animation (JanelaPrincipal::EfeitoCarrinho); true only stops it.
    RotinaSimNao EfeitoCarrinho;

    // ---- Handlers of the frame's buttons that other screens own --------
    // Forward by screen code (index 0 to 9), run inside Forward's common
    // frame (pending messages run, the hourglass, the default pointer after
    // the slot).  Screen 6 (the presentation's next page) is the frame's own;
    // its slot is not read.
    std::array<Rotina, 10> imgAvancar_Click;
    // The Figure button of the components table.
    Rotina imgFigura_Click;
    // The start screen's search buttons (by number, by vehicle).
    Rotina imgPesquisa0_Click;
    Rotina imgPesquisa1_Click;

    // ---- Update checks (program update) --------------------------------
    RotinaSimNao IniciaVerificacaoAtualizacao;
    Rotina MostraMenuAtualizacao;
    Rotina tmrVerificarAtualizacoes_Timer;
    Rotina tmrVerificaProcessoVerificacao_Timer;

    // ---- The window's life ----------------------------------------------
    // Run, in registration order, when a window has made its controls and
    // connected the frame's own handlers (before Form_Load): connect the
    // subsystem's handlers, make its run-time state.
    std::vector<Rotina> AoCriar;
    // Run at closing after the wheel hook is released and before the run
    // tables are dropped and the databases closed: release what the
    // subsystem holds (recordsets, locks, timers, threads).  Errors are
    // ignored, each hook on its own.
    std::vector<Rotina> AoDescarregar;

    // The program-wide registry.
    static RegistroTQ1& Global();

    // Replaces the registry for its lifetime (tests), restoring the old one.
    class Temporario {
    public:
        explicit Temporario(RegistroTQ1 novo = {});
        ~Temporario();
        Temporario(const Temporario&) = delete;
        Temporario& operator=(const Temporario&) = delete;

    private:
        RegistroTQ1* m_salvo;
    };
};
