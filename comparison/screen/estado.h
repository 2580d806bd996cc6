#pragma once
// What the comparison's screens keep on a main window: the assemblies'
// snapshot of screen 9, the buying-suggestion panel's page model and the
// panel's drag.  One object per window, its child (found again with
// EstadoTelas::De), so it dies with the window.  Also the small helpers the
// screens' files share.

#include "comparison/sugestaocompra.h"
#include "core/janelas.h"
#include "listcontrols/thgrid.h"
#include "platform/dao/dao.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <array>

class frmTQ1;

namespace Comparacao {

class EstadoTelas : public QObject {
    Q_OBJECT
public:
    explicit EstadoTelas(frmTQ1& janela);
    // The state of a window, made on first use.
    static EstadoTelas& De(frmTQ1& janela);

    // mRsPecasComparacao: open while screen 9 is shown.
    platform::dao::RecordsetPtr mRsPecasComparacao;
    // The panel's list: its rows' ticks and quantities, the page on show.
    SugestaoCompra sugestao;
    // The panel's drag: under way, where the pointer and the panel started.
    bool arrastando = false;
    QPoint cursorInicio;
    QPoint painelInicio;
};

// The hourglass for the length of an action (core/janelas.h).
using Modulo::Ampulheta;

// The list icons of the two picture columns, by their names in the
// language-free picture set.
THPictures CarregaIcones(const std::array<std::array<QString, 4>, 2>& nomes);

// A critical box of a text of the texts table followed by ".", titled with
// text 19.
void MensagemCritica(int Texto);

// Runs `f` and ignores any error (the design's focus changes).
template <typename F>
void IgnorandoErros(F f)
{
    try {
        f();
    } catch (...) {
    }
}

}  // namespace Comparacao
