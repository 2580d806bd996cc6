#pragma once
// Run-time error numbers the list controls raise, with the run time's words.
// They travel as platform::Error like every other error of the program.

#include "platform/base/error.h"

#include <QString>

namespace THErro {

constexpr long Overflow = 6;                 // "Overflow"
constexpr long SubscriptOutOfRange = 9;      // "Subscript out of range"
constexpr long TypeMismatch = 13;            // "Type mismatch"
constexpr long ObjectNotSet = 91;            // "Object variable or With block variable not set"
constexpr long ElementNotFound = 340;        // "Control array element '...' doesn't exist"
constexpr long AlreadyLoaded = 360;          // "Object already loaded"
constexpr long InvalidPropertyValue = 380;   // "Invalid property value"

// Raises the error with its standard description; source names the member.
[[noreturn]] void Levanta(long numero, const QString& origem, const QString& detalhe = {});

// The controls' own event handlers (a click, a timer tick, a move of the
// recordset) run inside the program's one guard, Modulo::Guarda
// (core/errorbox.h): an error raised there, by the control or by a host's
// handler of the event it raised, goes to the error box instead of crossing
// the event loop.

}  // namespace THErro
