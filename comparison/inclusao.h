#pragma once
// How the comparison and the buying suggestion put items into the cart: a
// routine with the arguments of Modulo::IncluiItemCarrinho (kind "COM",
// "JRE" or "PCA", code, quantity text, optional, play the animation), which
// the screens pass in.  Tests pass a recorder; tools the cart routine itself.

#include <QString>

#include <functional>

namespace Comparacao {

using IncluiItem = std::function<void(const QString& Tipo, long Codigo, const QString& Quantidade, bool Opcional,
                                      bool EfeitoVisual)>;

// Plays the cart animation once (frmTQ1.EfeitoCarrinho(False)).
using EfeitoCarrinho = std::function<void()>;

// The animation of the loaded main window (core/janelaprincipal.h); nothing
// while no main window is loaded.
EfeitoCarrinho EfeitoCarrinhoJanelaPrincipal();

}  // namespace Comparacao
