#pragma once
// Resource pictures: the user-interface pictures embedded in the program, one
// set per interface language (types "P", "E", "I") and one language-free set
// ("G"), found by type and upper-case name.  The program links them in
// through the tq_resources library (resources/); this loader reads them from
// ":/tq/<type>/<NAME>".

#include <QPixmap>
#include <QString>

namespace Modulo {

// Error raised for a name that the resource type does not hold (the run
// time's "resource not found").
inline constexpr long ErroRecursoNaoEncontrado = 326;

// The picture Nome of resource type Tipo, at its own size; an empty type is
// the current language letter (gIdioma).  JPEG and GIF data both load.  Data
// that cannot be decoded gives a null picture (the control then shows
// nothing).  A name the type does not hold raises platform::Error 326.
// A decoded picture is kept in the application's pixmap cache
// (QPixmapCache) and shared by later calls; the resources never change.
QPixmap CarregaImagemRecurso(const QString& Nome, const QString& Tipo = {});

// The screen loaders' form: mode "D" releases, returning a null picture
// without reading anything (any name will do); any other mode loads through
// CarregaImagemRecurso after the edition rule (NomeRecursoEdicao with
// gEdicao).  A missing type stays missing and defaults to the language.
QPixmap CarregaOuLiberaImagem(const QString& Modo, const QString& Nome, const QString& Tipo = {});

// The edition rule: in edition "D" the TQ-number column title "GRIDNROTQ"
// (exactly that name) is "GRIDNROTQSD"; every other name is unchanged.
QString NomeRecursoEdicao(const QString& Nome, const QString& Edicao);

// Whether resource type Tipo holds a picture named Nome (nothing decoded).
bool RecursoImagemExiste(const QString& Nome, const QString& Tipo);

}  // namespace Modulo
