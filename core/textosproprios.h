#pragma once
// Messages the program adds beside the texts table (core/texts.h): the boxes
// and error texts of its own checks, each written in Portuguese, Spanish and
// English and shown in the language of the run.

#include <QString>

namespace Modulo {

// The Portuguese, Spanish or English text (UTF-8) for gIdioma "P", "E" or
// any other.
QString TextoNoIdioma(const char* Portugues, const char* Espanhol, const char* Ingles);

}  // namespace Modulo
