#pragma once
// The state of the main window's cart animation, without widgets: the window
// (frmTQ1.EfeitoCarrinho and its 50 ms timer tmrAnimacao) applies it to
// pctAnimacaoCarro, pctToolTipCarrinho and lblToolTipCarrinho.
//
// EfeitoCarrinho(false) starts or restarts: the tooltip box shows at once,
// the counter goes to 0 and the timer runs.  Each tick adds one: ticks 1 to
// 12 show the frames "ANIMACAOCARRO1" to "ANIMACAOCARRO12" (the car box
// shows from tick 1), ticks 13 to 19 keep the last frame, tick 20 stops
// everything (as EfeitoCarrinho(true)).  So the car is seen from 50 ms to 1 s
// and the tooltip from the start to 1 s after the last start.  The tooltip's
// caption (text 100) is set at the first start of the run only.

#include <QString>

namespace Modulo {

class AnimacaoCarrinho {
public:
    static constexpr int kIntervaloMs = 50;
    static constexpr int kQuadros = 12;
    static constexpr int kTiqueFinal = 20;

    // sApenasDesabilita true stops the animation and hides both boxes.
    void EfeitoCarrinho(bool sApenasDesabilita = false);
    // One tick of the timer; nothing while the timer is off.
    void Tique();

    bool TimerAtivo() const { return m_timer; }
    bool CarroVisivel() const { return m_carro; }
    bool DicaVisivel() const { return m_dica; }
    // The frame painted last (1..12), 0 before the first tick.
    int Quadro() const { return m_quadro; }
    // The resource name of that frame ("ANIMACAOCARRO7"), empty for none.
    QString NomeQuadro() const;
    // The tick counter (the timer's Tag).
    int Contador() const { return m_contador; }
    // True once the tooltip's caption must hold text 100 (set on the first
    // start; the window writes the caption when this turns true).
    bool LegendaDefinida() const { return m_legenda; }

private:
    bool m_timer = false;
    bool m_carro = false;
    bool m_dica = false;
    bool m_legenda = false;
    int m_quadro = 0;
    int m_contador = 0;
};

}  // namespace Modulo
