#pragma once
// The caption of a picture in a language: the texts table's wording where the
// manifest names its entries, the manifest's own caption otherwise.

#include "resources/manifest.h"

#include <functional>

namespace resources {

// Looks up entry n of the texts table in a language and an edition letter.
using TextLookup = std::function<QString(long n, QChar language, QChar edition)>;

// Expands a texts-table template: "{n}" is entry n, "{n@D}" entry n as in
// edition D, "{n:m}" entry n with every "|1|" replaced by entry m; other text
// is kept.  Entries without an edition take defaultEdition.  Returns an empty
// string when a named entry is empty (the caller then uses the manifest).
QString expandTextTemplate(const QString& templ, QChar language, QChar defaultEdition, const TextLookup& lookup);

// The lookup of the program's texts table (Modulo::ObtemTexto).
TextLookup programTexts();

// Caption of a picture in a language letter ('G' reads as 'P').
QString pictureCaption(const PictureSpec& spec, QChar language);

}  // namespace resources
