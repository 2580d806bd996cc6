#include "core/database.h"

#include "core/globals.h"
#include "core/textosproprios.h"
#include "platform/base/atomicfile.h"
#include "platform/base/doevents.h"
#include "platform/posix/lockfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

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

QString NomeArquivoVezBloqueio() { return NomeArquivoBloqueio() + QStringLiteral("-vez"); }

namespace {

enum class EstadoBloqueio { Falta, Inteiro, Danificado };

// A lock database is whole when it holds the lock table.  An empty file, a
// database without the table (a creation cut short by an older program) or
// a file that is no database at all can be held by nobody: it is rebuilt.
// A file that cannot be read for any other reason (busy, no permission) is
// left to the regular open, which reports it.
EstadoBloqueio ExaminaBancoBloqueio(const QString& path)
{
    const QFileInfo fi(path);
    if (!fi.exists() && !fi.isSymLink())
        return EstadoBloqueio::Falta;
    try {
        WorkspacePtr ws = DBEngine::CreateWorkspace(QStringLiteral("mWsLockCheck"));
        DatabasePtr db = ws->OpenDatabase(path, false, true);
        bool tabela = false;
        for (const TableDef& t : db->TableDefs())
            tabela = tabela || t.Name().compare(QLatin1String("CONTROLETRAN"), Qt::CaseInsensitive) == 0;
        ws->Close();
        return tabela ? EstadoBloqueio::Inteiro : EstadoBloqueio::Danificado;
    } catch (const platform::Error& e) {
        if (e.number() == JetError::NotADatabase || e.number() == JetError::Corrupt)
            return EstadoBloqueio::Danificado;
        return EstadoBloqueio::Inteiro;
    }
}

// The bytes of a fresh lock database: its one-row table.
QByteArray ConteudoBancoBloqueio()
{
    QTemporaryDir pasta;
    if (!pasta.isValid())
        throw platform::Error(JetError::CannotOpen,
                              TextoNoIdioma("Não foi possível criar uma pasta temporária para o banco de bloqueio.",
                                            "No se pudo crear una carpeta temporal para la base de bloqueo.",
                                            "Cannot create a temporary folder for the lock database."));
    const QString arquivo = pasta.filePath(QStringLiteral("bloqueio.db"));
    DatabasePtr db = DBEngine::CreateDatabase(arquivo);
    db->Execute(QStringLiteral("CREATE TABLE CONTROLETRAN (a INTEGER)"));
    db->Execute(QStringLiteral("INSERT INTO CONTROLETRAN (a) VALUES (1)"));
    db->Close();
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        throw platform::Error(JetError::CannotOpen, TextoNoIdioma("Não foi possível ler o banco de bloqueio novo.",
                                                                  "No se pudo leer la base de bloqueo nueva.",
                                                                  "Cannot read the new lock database."));
    return f.readAll();
}

// The ending of the hidden file a lock database is written in before it is
// renamed into place, by the holder of the turn; a program that creates a
// missing one without the turn (its file cannot be made) marks its own
// apart, since the turn's holder removes every "tmp" one left there
// (RemoveSobrasBloqueio).
constexpr const char* kFimTemporarioVez = "tmp";
constexpr const char* kFimTemporarioSemVez = "new";

// The description of 3051 for a file that cannot be created, the system's
// reason in parentheses.
QString TextoErroCriarArquivo(const QString& path, int erro)
{
    return TextoNoIdioma("O mecanismo de banco de dados não pode criar o arquivo '%1' (%2).",
                         "El motor de base de datos no puede crear el archivo '%1' (%2).",
                         "The database engine cannot create the file '%1' (%2).")
        .arg(path, QString::fromLocal8Bit(std::strerror(erro)));
}

// Puts a whole lock database at `path`, written beside it and renamed into
// place, so that nobody ever sees a partial one.  A missing file is created
// only while the name is free (another program may create it at the same
// moment: then theirs is used); a damaged one is replaced, unless someone
// has rebuilt it meanwhile.  `comVez`: this program holds the turn.
void CriaBancoBloqueio(const QString& path, EstadoBloqueio estado, bool comVez)
{
    const QByteArray conteudo = ConteudoBancoBloqueio();
    platform::AtomicFile f;
    int erro = f.open(path, platform::AtomicFile::kKeepPermissions, comVez ? kFimTemporarioVez : kFimTemporarioSemVez);
    if (erro == 0)
        erro = f.write(conteudo.constData(), static_cast<std::size_t>(conteudo.size()));
    if (erro == 0)
        erro = f.sync();
    if (erro == 0) {
        if (estado == EstadoBloqueio::Falta) {
            erro = f.commitNew();
        } else if (ExaminaBancoBloqueio(path) == EstadoBloqueio::Danificado) {
            // A journal left beside the damaged file belongs to it; applied
            // to the new file it would damage that one too.
            QFile::remove(path + QStringLiteral("-journal"));
            erro = f.commit();
        } else {
            f.discard();
        }
    }
    if (erro != 0 && erro != EEXIST)
        throw platform::Error(JetError::CannotOpen,
                              TextoErroCriarArquivo(path, erro));
}

// What a program that ended while holding the turn (killed, its computer
// turned off) leaves beside the lock database at `path`: the hidden file it
// was writing a lock database in, and the turn's file itself, which stays
// for good beside a whole lock database (opened without the turn).  Only
// the turn's holder writes such a file, so while this program holds the
// turn `vez` every one there is left over; without it the turn's file is
// taken only when nobody holds it (never waiting for a live program, whose
// files stay), and let go at once, which removes it.  Other files, and
// anything of that name that is no plain file, are left alone.
void RemoveSobrasBloqueio(const QString& path, platform::posix::LockFile& vez)
{
    platform::posix::LockFile sobra;
    if (!vez.isLocked()
        && sobra.tryLock(QFile::encodeName(gCaminhoDados + NomeArquivoVezBloqueio()).toStdString()) != 0)
        return;
    const QString prefixo = QFileInfo(platform::HiddenNamePrefix(path)).fileName();
    const QRegularExpression nome(QStringLiteral("\\A") + QRegularExpression::escape(prefixo) + QStringLiteral("[0-9a-f]{8}\\.")
                                  + QLatin1String(kFimTemporarioVez) + QStringLiteral("\\z"));
    const QFileInfo alvo(path);
    for (const QFileInfo& f : alvo.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks))
        if (nome.match(f.fileName()).hasMatch())
            QFile::remove(f.filePath());
}

// Opens the lock database, creating it when missing and rebuilding it when
// it is no lock database.  A whole one is never replaced, so it is opened as
// it is.  Otherwise the turn `vez` is taken first, and the caller holds it
// until its lock statement has run: two programs that both found the file
// damaged would each put a file of their own at the name and lock that one,
// two locks on two files; in turn, the second finds the first's file whole
// (and locked).  A missing file is safe without the turn (only one creation
// takes the name), so it is still created where the turn's file cannot be.
// Then what a run that ended while holding the turn left goes.
void AbreBancoBloqueio(WorkspacePtr& ws, DatabasePtr& db, platform::posix::LockFile& vez)
{
    const QString path = gCaminhoDados + NomeArquivoBloqueio();
    if (EstadoBloqueio estado = ExaminaBancoBloqueio(path); estado != EstadoBloqueio::Inteiro) {
        const QString nomeVez = gCaminhoDados + NomeArquivoVezBloqueio();
        const int erro = vez.lock(QFile::encodeName(nomeVez).toStdString());
        if (erro == 0)
            estado = ExaminaBancoBloqueio(path);
        if (erro != 0 && estado != EstadoBloqueio::Falta)
            throw platform::Error(JetError::CannotOpen,
                                  TextoErroCriarArquivo(nomeVez, erro));
        if (estado != EstadoBloqueio::Inteiro)
            CriaBancoBloqueio(path, estado, vez.isLocked());
    }
    RemoveSobrasBloqueio(path, vez);
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
    platform::posix::LockFile vez;  // let go on return, once the lock statement has run
    AbreBancoBloqueio(gWsBloqueio, gDbBloqueio, vez);
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
        throw platform::Error(JetError::ObjectClosed, ObjectClosedText(),
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
        throw platform::Error(JetError::ObjectClosed, ObjectClosedText(),
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
