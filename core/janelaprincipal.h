#pragma once
// What the other windows and the shared module call on the main window.
//
// The main window implements this interface and announces itself with
// DefineJanelaPrincipal when it loads (and with nullptr when it closes), so
// that the detail window, the item menu and the cart routines reach it
// without depending on its library.  ObtemJanelaPrincipal() is nullptr while
// no main window is loaded; callers then do what the design says for that
// case (the detail window centres itself, the cart plays no animation).

#include <QRect>

class QWidget;

namespace Modulo {

class JanelaPrincipal {
public:
    virtual ~JanelaPrincipal() = default;

    // The window itself (a parent for dialogs, the wheel hand-over).
    virtual QWidget* Janela() = 0;
    // Removes the mouse-wheel hook if one is installed; with true hooks the
    // wheel of the window gFormRoda again (core/janelas.h).
    virtual void SubClassing(bool ativar) = 0;
    // The screen rectangle of the menu bar pctMenu (the detail window places
    // itself from its corner).
    virtual QRect RetanguloMenu() const = 0;
    // An entry of the figure's item menu: 0 cart, 1 components table,
    // 2 repair kits, 3 observation, 4 optional components, 5 buying suggestion.
    virtual void MenuItemFigura(int sMenu) = 0;
    // The cart animation and its tooltip; with true it only stops them.
    virtual void EfeitoCarrinho(bool sApenasDesabilita = false) = 0;
};

// The loaded main window, or nullptr.
JanelaPrincipal* ObtemJanelaPrincipal();
void DefineJanelaPrincipal(JanelaPrincipal* janela);

}  // namespace Modulo
