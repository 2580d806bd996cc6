#pragma once
// Dates with the month abbreviation of the user's language, and the
// fixed-width fields of the cart's text export.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

namespace Modulo {

// The texts-table entry of a month's abbreviation (84..87, 89..96 for months
// 1..12); 0 for any other number.
int IndiceTextoMes(int Mes);

// "08-DEZ-2026": two-digit day, the month abbreviation in Idioma (empty: the
// current language), four-digit year.
QString FormataData(const QDate& Data, const QString& Idioma = {});
QString FormataData(const QDateTime& Data, const QString& Idioma = {});

// "08-DEZ-2026 19:05:00": the date text, a space and the 24-hour time.
QString FormataDataHora(const QDateTime& Data, const QString& Idioma = {});

// The value as text, spaces trimmed, made exactly Tamanho characters wide.
// Alinhamento "D" (trimmed, any case) keeps the text left: spaces after it,
// or its leftmost characters; any other alignment keeps it right: spaces
// before it, or its rightmost characters.  A Null value is the empty text (so
// the field is all spaces); a width below 1 gives the empty string.
QString FormataCampoFixo(const QVariant& Valor, int Tamanho, const QString& Alinhamento);

}  // namespace Modulo
