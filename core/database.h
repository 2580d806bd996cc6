#pragma once
// The two databases of the catalogue program, the update lock, the stamp of
// the last update check, the SQL batch runner and the recordset routines.
//
// The catalogue database is browsed read-only for the whole run; every
// write to it goes through a short writable connection ("sWsNotReadOnly")
// that commits and closes.  The update lock lives in a small lock database
// beside the catalogue (NomeArquivoBloqueio), so that holding it never blocks
// this program's own writes to the catalogue, while another program's
// attempt fails at once.

#include "platform/dao/dao.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace Modulo {

using platform::dao::DatabasePtr;
using platform::dao::RecordsetPtr;
using platform::dao::WorkspacePtr;

// Creates workspace `nomeWs` and opens the catalogue database of the data
// folder in it, read-only when `somenteLeitura`.  Errors reach the caller.
void AbreBancoDazadize(WorkspacePtr& ws, const QString& nomeWs, DatabasePtr& db, bool somenteLeitura);
// Workspace "DbTqAux" and the auxiliary database, writable.
void AbreBancoAuxiliar(WorkspacePtr& ws, DatabasePtr& db);
// Closes and releases both; never fails.
void FechaBanco(WorkspacePtr& ws, DatabasePtr& db);

// The lock database's file name: the catalogue's name with ".LCK".
QString NomeArquivoBloqueio();
// The file beside it through which programs take turns to create or rebuild
// it; it is there only while one of them does (NomeArquivoBloqueio + "-vez").
QString NomeArquivoVezBloqueio();
// True takes the update lock, false releases it.  The result tells whether
// the lock was taken (always true when releasing).  A lock database that is
// missing or is no lock database (empty, without its table, not a database)
// is built whole beside its name and renamed into place first, by one program
// at a time (NomeArquivoVezBloqueio): of two programs that try at the same
// moment, one gets the lock and the other fails as when the lock is held,
// whatever state the file was in.  Errors before the lock statement (the
// lock database cannot be created or opened) reach the caller.
bool BloqueiaDazadize(bool bloquear);

// Stamps the version record; each argument is SQL text and an empty argument
// leaves its column unchanged.  The change is on disk when the call returns.
void GravaVerificacaoAtualizacao(const QString& dataUltimaVerificacao, const QString& flagErro);

// A date and time as Jet SQL text: DateSerial(y,m,d)+TimeSerial(h,n,s).  An
// invalid date, or 31 December 1899 at midnight, means now.
QString DataHoraSQL(const QDateTime& data = {});

// Runs a batch of statements in one transaction (empty elements skipped) and
// returns the first field of the first row of `consultaFinal` (an invalid
// QVariant when there is no final query).  The first failure rolls the whole
// batch back and reaches the caller unchanged.  Without `db`/`ws` the
// catalogue's connection is used (and handed back through the pointers).
QVariant ExecutaComandosSQL(const QStringList& comandos, const QString& consultaFinal,
                            DatabasePtr* db = nullptr, WorkspacePtr* ws = nullptr);
QVariant ExecutaComandosSQL(const QString& comando, const QString& consultaFinal,
                            DatabasePtr* db = nullptr, WorkspacePtr* ws = nullptr);

// Opens a recordset of `tipo` on `db`, or on the catalogue database when
// `db` is null (and then sets it).
RecordsetPtr AbreConsulta(const QString& sql, DatabasePtr* db = nullptr,
                          int tipo = platform::dao::dbOpenSnapshot);
// Closes and releases; never fails.
void FechaConsulta(RecordsetPtr& rs);

}  // namespace Modulo
