#pragma once
// The tables of one run in the auxiliary database: the cart table
// ("Lista_yyyymmdd_n") and the comparison table ("Cmp_yyyymmdd_SERIAL_n"),
// with the first free number n, and the table routines around them.

#include "platform/dao/dao.h"

#include <QDate>
#include <QString>

namespace Modulo {

using platform::dao::DatabasePtr;

// Whether the database has a table of that name (trimmed, any letter case).
bool TabelaExiste(const DatabasePtr& db, const QString& nome);

// The first free cart-table name of `hoje`; creating the table returns its name.
QString ObtemNomeTabelaLista(const DatabasePtr& db, const QDate& hoje = QDate::currentDate());
QString CriaTabelaLista(const DatabasePtr& db, const QDate& hoje = QDate::currentDate());

// The same for the comparison table; its text columns accept empty strings.
QString ObtemNomeTabelaComparacao(const DatabasePtr& db, const QDate& hoje = QDate::currentDate());
QString CriaTabelaComparacao(const DatabasePtr& db, const QDate& hoje = QDate::currentDate());

// Drops the table; true when the drop succeeded.  Never raises.
bool ExcluiTabela(const DatabasePtr& db, const QString& nome);

// Lets every text and memo field of the table accept zero-length strings.
void PermiteTextoVazio(platform::dao::TableDef& tabela);

}  // namespace Modulo
