#pragma once
// The LIKE pattern of the description and vehicle boxes.
//
// What the user types is upper-cased and its accented capitals are folded to
// their base letters with the shared module's folding table (RemoveAcentos),
// so "peça" searches PECA and finds both PEÇA and PECA.  The text is then
// reduced to the letters A to Z and the digits; every run of other
// characters (spaces, punctuation, letters outside the table, other scripts)
// that stands between two kept characters becomes one "*", so "disco
// embreagem" searches DISCO*EMBREAGEM and finds "DISCO DE EMBREAGEM".  Last,
// each of A, E, I, O, U and C becomes the class that matches it with or
// without accents (PreparaTextoPesquisa).
//
// For a single unaccented word the result is exactly the shared module's
// PreparaTextoPesquisa(SomenteLetrasDigitos(text), true), so such searches
// keep their rows.  The result holds only A-Z, 0-9, "*" and the bracketed
// vowel and C classes: it is safe between apostrophes and never an invalid
// pattern.  The caller adds the outer "*" wildcards.

#include <QString>

namespace Pesquisa {

QString PadraoTextoPesquisa(const QString& texto);

}  // namespace Pesquisa
