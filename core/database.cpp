#include "core/database.h"

#include "core/globals.h"
#include "platform/base/doevents.h"

#include <QFileInfo>

namespace Modulo {

using namespace platform::dao;

void AbreBancoDazadize(WorkspacePtr& ws, const QString& nomeWs, DatabasePtr& db, bool somenteLeitura)
{
    ws = DBEngine::CreateWorkspace(nomeWs, QStringLiteral("admin"), QString(), dbUseJet);
    db = ws->OpenDatabase(gCaminhoDados + NomeArquivoCatalogo(), false, somenteLeitura);
}

void AbreBancoAuxiliar(WorkspacePtr& ws, DatabasePtr& db)
{
    ws = DBEngine::CreateWorkspace(QStringLiteral("DbTqAux"), QStringLiteral("admin"), QString(), dbUseJet);
    db = ws->OpenDatabase(gCaminhoDados + NomeArquivoAuxiliar(), false, false);
}

void FechaBanco(WorkspacePtr& ws, DatabasePtr& db)
{
    try {
        if (db)
            db->Close();
    } catch (...) {
    }
    try {
        if (ws)
            ws->Close();
    } catch (...) {
    }
    db.reset();
    ws.reset();
}

QString NomeArquivoBloqueio()
{
    QString nome = NomeArquivoCatalogo();
    const int dot = nome.lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        nome.truncate(dot);
    return nome + QStringLiteral(".LCK");
}

namespace {

// Opens the lock database, creating it with its one-row table when missing.
void AbreBancoBloqueio(WorkspacePtr& ws, DatabasePtr& db)
{
    const QString path = gCaminhoDados + NomeArquivoBloqueio();
    if (!QFileInfo::exists(path)) {
        try {
            DatabasePtr created = DBEngine::CreateDatabase(path);
            created->Execute(QStringLiteral("CREATE TABLE CONTROLETRAN (a INTEGER)"));
            created->Execute(QStringLiteral("INSERT INTO CONTROLETRAN (a) VALUES (1)"));
            created->Close();
        } catch (const platform::Error& e) {
            // Another program created it at the same moment: use theirs.
            if (e.number() != 3204 && e.number() != JetError::TableExists)
                throw;
        }
    }
    ws = DBEngine::CreateWorkspace(QStringLiteral("mWsLockTrans"), QStringLiteral("admin"), QString(), dbUseJet);
    db = ws->OpenDatabase(path, false, false);
}

}  // namespace

bool BloqueiaDazadize(bool bloquear)
{
    if (!bloquear) {
        if (gWsBloqueio) {
            try {
                gWsBloqueio->CommitTrans();
            } catch (const platform::Error&) {
                // Nothing was held: releasing is still a success.
            }
        }
        FechaBanco(gWsBloqueio, gDbBloqueio);
        return true;
    }
    AbreBancoBloqueio(gWsBloqueio, gDbBloqueio);
    gWsBloqueio->BeginTrans();
    try {
        // The write lock this update holds until the transaction ends is the lock.
        gDbBloqueio->Execute(QStringLiteral("UPDATE CONTROLETRAN SET a = a"), dbFailOnError | dbSeeChanges);
        return true;
    } catch (const platform::Error&) {
        FechaBanco(gWsBloqueio, gDbBloqueio);
        return false;
    }
}

void GravaVerificacaoAtualizacao(const QString& dataUltimaVerificacao, const QString& flagErro)
{
    QString lista;
    if (!dataUltimaVerificacao.isEmpty())
        lista += QStringLiteral(",DataUltimaVerificacao=") + dataUltimaVerificacao;
    if (!flagErro.isEmpty())
        lista += QStringLiteral(",FlagErroUltimaVerificacao=") + flagErro;
    if (lista.isEmpty())
        return;

    WorkspacePtr ws;
    DatabasePtr db;
    AbreBancoDazadize(ws, QStringLiteral("sWsNotReadOnly"), db, false);
    try {
        ws->BeginTrans();
        db->Execute(QStringLiteral("UPDATE UMREGISTRO SET ") + lista.mid(1), dbFailOnError);
        ws->CommitTrans(dbForceOSFlush);
    } catch (...) {
        FechaBanco(ws, db);
        throw;
    }
    DBEngine::Idle(dbRefreshCache);
    FechaBanco(ws, db);
    platform::DoEvents();
    DBEngine::Idle(dbRefreshCache);
    platform::DoEvents();
}

QString DataHoraSQL(const QDateTime& data)
{
    QDateTime d = data;
    if (!d.isValid() || d == QDateTime(QDate(1899, 12, 31), QTime(0, 0)))
        d = QDateTime::currentDateTime();
    const QDate day = d.date();
    const QTime t = d.time();
    return QStringLiteral("DateSerial(%1,%2,%3)+TimeSerial(%4,%5,%6)")
        .arg(day.year())
        .arg(day.month())
        .arg(day.day())
        .arg(t.hour())
        .arg(t.minute())
        .arg(t.second());
}

QVariant ExecutaComandosSQL(const QStringList& comandos, const QString& consultaFinal, DatabasePtr* db,
                            WorkspacePtr* ws)
{
    // Without a connection of the caller's, the catalogue's, handed back.
    if (db && !*db)
        *db = gDbDazadize;
    if (ws && !*ws)
        *ws = gWsDazadize;
    DatabasePtr dbRef = db ? *db : gDbDazadize;
    WorkspacePtr wsRef = ws ? *ws : gWsDazadize;
    if (!dbRef || !wsRef)
        throw platform::Error(JetError::ObjectClosed, QStringLiteral("Object invalid or no longer set."),
                              QStringLiteral("ExecutaComandosSQL"));

    wsRef->BeginTrans();
    try {
        for (const QString& c : comandos)
            if (!c.isEmpty())
                dbRef->Execute(c, dbFailOnError);
        QVariant valor;
        if (!consultaFinal.isEmpty()) {
            RecordsetPtr rs = AbreConsulta(consultaFinal, &dbRef, dbOpenForwardOnly);
            try {
                valor = rs->Fields(0).Value();
            } catch (...) {
                FechaConsulta(rs);
                throw;
            }
            FechaConsulta(rs);
        }
        wsRef->CommitTrans();
        return valor;
    } catch (...) {
        try {
            wsRef->Rollback();
        } catch (...) {
        }
        throw;
    }
}

QVariant ExecutaComandosSQL(const QString& comando, const QString& consultaFinal, DatabasePtr* db,
                            WorkspacePtr* ws)
{
    return ExecutaComandosSQL(QStringList{comando}, consultaFinal, db, ws);
}

RecordsetPtr AbreConsulta(const QString& sql, DatabasePtr* db, int tipo)
{
    if (db && !*db)
        *db = gDbDazadize;
    const DatabasePtr& target = db ? *db : gDbDazadize;
    if (!target)
        throw platform::Error(JetError::ObjectClosed, QStringLiteral("Object invalid or no longer set."),
                              QStringLiteral("AbreConsulta"));
    return target->OpenRecordset(sql, tipo);
}

void FechaConsulta(RecordsetPtr& rs)
{
    try {
        if (rs)
            rs->Close();
    } catch (...) {
    }
    rs.reset();
}

}  // namespace Modulo
