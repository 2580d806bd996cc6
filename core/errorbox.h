#pragma once
// The error box, the loaded-window test and the one guard of event handlers.

#include <QString>

#include <functional>

namespace Modulo {

// Shows the program's error box: critical icon, one OK button, title text 19,
// body text 21, ": ", the number, CR LF and the message, all in the current
// language.  The mouse pointer is reset to the default first (an hourglass set
// by a long action is cleared).  Returns when the user closes the box; raises
// nothing.
void MostraErro(long Numero, const QString& Mensagem);

// Whether a window of exactly that name (case-sensitive objectName) is
// loaded: a top-level widget of that name exists, shown or hidden.  A window
// that was unloaded (deleted) is no longer found.
bool FormularioCarregado(const QString& Nome);

// Runs an event handler's work.  An error that escapes it (platform::Error,
// any std::exception, anything else) is shown in the error box, and the
// window stays usable: no exception leaves the handler.  Returns true when
// the work ended without an error.
bool Guarda(const std::function<void()>& trabalho);

// Error numbers the guard gives to failures that carry none of their own.
constexpr long kErroInterno = 51;     // "Internal error"
constexpr long kErroSemMemoria = 7;   // "Out of memory"

}  // namespace Modulo
