#pragma once
// The opener of the detail window.
//
// The main window, the update checks and the tools hand a request to the
// detail window through gParametro and then call ExibeJanelaDetalhe(), which
// shows the detail window modally and returns when it has closed.  The detail
// window's library registers the routine that does this (its modal show) with
// RegistraJanelaDetalhe when the program starts, so that the callers need not
// depend on it.  Until one is registered, ExibeJanelaDetalhe behaves as the
// empty request does: nothing is shown, gParametro is emptied and the pointer
// is restored.

#include <functional>

namespace Modulo {

using AbridorJanelaDetalhe = std::function<void()>;

// Registers (or, with an empty function, removes) the modal show of the
// detail window.
void RegistraJanelaDetalhe(AbridorJanelaDetalhe abridor);

// Shows the detail window for the request in gParametro; returns when it has
// closed.  Errors of the detail window reach the caller's guard.
void ExibeJanelaDetalhe();

}  // namespace Modulo
