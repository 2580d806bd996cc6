#pragma once
// Search-text normalisation and the SQL utilities of the shared module:
// canonical part numbers, LIKE patterns that match with or without accents,
// single values and lists read by SQL, the sort expression of item numbers,
// and the quoting of texts put between apostrophes.

#include "platform/dao/dao.h"

#include <QString>
#include <QVariant>

#include <cstdint>

namespace Modulo {

// The upper-cased text keeping only "A" to "Z" and "0" to "9".
QString SomenteLetrasDigitos(const QString& texto);
// The text without its leading "0" characters.
QString RemoveZerosEsquerda(const QString& texto);
// Accented capitals of the folding table replaced by their base letter;
// everything else, lower-case accented letters included, passes unchanged.
QString RemoveAcentos(const QString& texto);
// Canonical numbers: SomenteLetrasDigitos, then RemoveZerosEsquerda.
QString NormalizaNumeroEmpresa(const QString& texto);
QString NormalizaNumeroFabricante(const QString& texto);
// Trimmed, apostrophes as "´", upper-cased, "|" removed; for LIKE also
// without [ ] ? * # !, accents folded and each of A E I O U C written as the
// class that matches it with or without accents.
QString PreparaTextoPesquisa(const QString& texto, bool paraLike);

// The text with every apostrophe doubled, for SQL text put between
// apostrophes by the caller.
QString TextoSQL(const QString& texto);

// First column of the first row, or `padrao` when the query yields no row
// (a Null value is returned as Null).  Without a database: the catalogue's.
QVariant ObtemValorSQL(const QString& sql, platform::dao::DatabasePtr db = {}, const QVariant& padrao = {});
// First column of every row joined by `separador`; Null values are left out.
QString ObtemListaSQL(const QString& sql, platform::dao::DatabasePtr db = {},
                      const QString& separador = QStringLiteral(","));

// The SQL expression that sorts item numbers of a table's ItemComponente.
QString ExpressaoItemComponente(const QString& tabela);

// The text as a 16-bit integer (rounded down), or `padrao` when it is not
// numeric or out of range.
std::int16_t ConverteInteiro(const QString& texto, std::int16_t padrao);

// `seNulo` for Null; otherwise `senaoValor` when given, else `valor`.
QVariant ValorSeNulo(const QVariant& valor, const QVariant& seNulo);
QVariant ValorSeNulo(const QVariant& valor, const QVariant& seNulo, const QVariant& senaoValor);

// Whether an array has elements.
template <typename C>
bool MatrizDimensionada(const C& matriz)
{
    return !matriz.empty();
}

}  // namespace Modulo
