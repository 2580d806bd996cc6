#pragma once
// The texts table: every caption, tooltip, column title, label and message
// that the catalogue composes at run time, numbered 0 to 121, in Portuguese
// ("P"), Spanish ("E") and English ("I").  Entries 5, 60 and 97 have a
// variant for edition D and one for the other editions; entry 19 (the program
// title) has one per edition V, A, D and M.  "|1|" and "|2|" inside a text
// are filled by the caller.
//
// A text that goes between apostrophes in SQL passes through TextoSQL
// (core/searchtext.h) first: a translation may contain an apostrophe.

#include <QString>

namespace Modulo {

constexpr int kPrimeiroTexto = 0;
constexpr int kUltimoTexto = 121;

// Entry Indice in language Idioma (empty: gIdioma) for edition gEdicao.  A
// number outside 0..121, an empty entry, a language other than "P", "E" and
// "I" (exact case), and for entry 19 an edition other than V, A, D and M give
// the empty string.  Never fails.
QString ObtemTexto(long Indice, const QString& Idioma = {});

// The same for an explicit edition letter.
QString ObtemTexto(long Indice, const QString& Idioma, const QString& Edicao);

// Entry 19 in the current language: the program title of the running edition.
QString ObtemTituloPrograma();

}  // namespace Modulo
