#pragma once
// Texts about one catalogue item, read from the catalogue database
// (gDbDazadize) in the current language: its header line, its notes with
// their attachments, and its supersession history.
//
// Item kinds are "COM" (component), "JRE" (repair kit) and "PCA" (assembly),
// and "VEI" (vehicle) for headers; -5 stands for no item.  A kind outside
// these raises 3075 (the statement cannot be built), as the database would
// reject it.  Database errors reach the caller.

#include <QString>

#include <optional>

namespace Modulo {

// "Componente: ANEL DE VEDAÇÃO          Nº TQ: 0501 123 456": the kind's name,
// ": ", the description, ten spaces, the number's label, ": " and the
// company number (for vehicles: "Veículo: " description, ten spaces,
// "Fabricante: " manufacturer).  Null values add nothing.  The empty string
// when the item does not exist.  Assemblies are "Eixo"/"Transmissão" by
// their type letter, "Conjunto" in editions D and M.
QString ObtemTituloItem(const QString& Tipo, long Codigo);

// The kind of a displayed type name: "COM" for text 2, "JRE" for text 4 of
// the current language, "PCA" for a part type of TIPOPECA in the current
// language, otherwise the name itself.
QString ObtemCodigoTipo(const QString& NomeTipo);

// The notes of an item shown in the context of the assembly CodigoPeca (-5:
// none) and, for a component, of its item number there.  With SomenteRapida
// only the short notes (default separator " / "); otherwise the long note of
// each note row, or its short note when it has no long one (default
// separator CR LF, ten "_", CR LF, CR LF), and Anexos receives "/" and the
// attachment names of each row when the catalogue has attachment columns
// ("" otherwise).  Notes without an assembly (or item) apply everywhere.
// The result is the supersession text, TextoExtra and the notes, joined by
// the separator where both sides are non-empty.
QString ObtemObservacoes(const QString& Tipo, long Codigo, long CodigoPeca,
                         const std::optional<QString>& ItemComponente, bool SomenteRapida,
                         const QString& Separador, const QString& TextoExtra, QString& Anexos);

// "ATUAL: <number of the newest replacement>   ANTIGO: <numbers of the items
// it replaced, level by level>", either part alone when the other is empty,
// or the empty string when the item takes part in no supersession.
QString ObtemTextoSubstituicao(long Codigo, const QString& Tipo);

// The newest item that replaces the item (following the chain of
// replacements, stopping at the first repetition or an empty code), or -5
// when nothing replaces it.
long ObtemCodigoSubstituto(long Codigo, const QString& Tipo);

}  // namespace Modulo
