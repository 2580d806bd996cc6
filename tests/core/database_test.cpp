// Opening the databases, the update lock across programs, the check stamp,
// the batch runner and the date text.

#include "core/database.h"
#include "core/globals.h"

#include "support/testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

using namespace Modulo;
using namespace platform::dao;

namespace {

// A data folder with a small catalogue and an empty auxiliary database.
class DataFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        gCaminhoDados = dir.pathSlash();
        DatabasePtr cat = DBEngine::CreateDatabase(gCaminhoDados + NomeArquivoCatalogo());
        cat->Execute(QStringLiteral("CREATE TABLE UMREGISTRO (UrlAtualizacao TEXT(255), Versao LONG, "
                                    "DataUltimaVerificacao DATETIME, FlagErroUltimaVerificacao BYTE)"));
        cat->Execute(QStringLiteral("INSERT INTO UMREGISTRO (UrlAtualizacao, Versao, FlagErroUltimaVerificacao) "
                                    "VALUES ('http://127.0.0.1/', 140, 0)"));
        cat->Execute(QStringLiteral("CREATE TABLE T (Codigo LONG CONSTRAINT PK_T PRIMARY KEY, Nome TEXT(20))"));
        cat->Close();
        DBEngine::CreateDatabase(gCaminhoDados + NomeArquivoAuxiliar())->Close();
        AbreBancoDazadize(gWsDazadize, QStringLiteral("gWS"), gDbDazadize, true);
    }
    void TearDown() override
    {
        BloqueiaDazadize(false);
        FechaBanco(gWsDazadize, gDbDazadize);
        gIdioma = QStringLiteral("P");
    }
    QString probe()
    {
        QProcess p;
        p.start(tqtest::binaryDir() + QStringLiteral("/tests/tq_lockprobe"), {gCaminhoDados});
        p.waitForFinished(10000);
        return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    }
    tqtest::TempDir dir;
};

TEST_F(DataFolder, OpensBothDatabasesAndClosesSafely)
{
    EXPECT_TRUE(gDbDazadize->ReadOnly());
    EXPECT_EQ(tqtest::errorNumberOf([] { gDbDazadize->Execute(QStringLiteral("DELETE FROM T")); }), JetError::ReadOnly);
    WorkspacePtr ws;
    DatabasePtr db;
    AbreBancoAuxiliar(ws, db);
    EXPECT_EQ(ws->Name(), QStringLiteral("DbTqAux"));
    EXPECT_FALSE(db->ReadOnly());
    FechaBanco(ws, db);
    FechaBanco(ws, db);  // twice: ignored
    EXPECT_FALSE(db);

    gCaminhoDados = dir.file(QStringLiteral("nada/"));
    EXPECT_EQ(tqtest::errorNumberOf([&] { AbreBancoAuxiliar(ws, db); }), JetError::FileNotFound);
}

TEST_F(DataFolder, TheLockHeldHereMakesAnotherProgramFailWhileOurStampWorks)
{
    EXPECT_EQ(probe(), QStringLiteral("1"));  // free: the other program takes and releases it
    ASSERT_TRUE(BloqueiaDazadize(true));
    EXPECT_EQ(probe(), QStringLiteral("0"));
    // This program's own writable connections keep working while it holds the lock.
    GravaVerificacaoAtualizacao(QStringLiteral("DateSerial(2024,5,5)+TimeSerial(13,5,9)"), QStringLiteral("1"));
    auto rs = gDbDazadize->OpenRecordset(QStringLiteral("SELECT DataUltimaVerificacao, FlagErroUltimaVerificacao FROM UMREGISTRO"));
    EXPECT_EQ(rs->Value(0).toDateTime(), QDateTime(QDate(2024, 5, 5), QTime(13, 5, 9)));
    EXPECT_EQ(rs->Value(1).toInt(), 1);
    EXPECT_TRUE(BloqueiaDazadize(false));
    EXPECT_EQ(probe(), QStringLiteral("1"));
}

// What a program killed while creating the lock database leaves behind, and
// other files that are no lock database, are rebuilt: nobody can hold such a
// file, so it must not read as a lock held elsewhere.  The file of the turn
// to rebuild it that such a program may leave too is taken over and removed.
TEST_F(DataFolder, ALockFileThatIsNoLockDatabaseIsRebuilt)
{
    const QString lck = gCaminhoDados + NomeArquivoBloqueio();
    const auto files = [&] {
        QStringList l = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        l.sort();
        return l;
    };
    QStringList expected = files() << NomeArquivoBloqueio();
    expected.sort();
    struct Case {
        const char* name;
        QByteArray bytes;  // empty: a database without the lock table
        bool tableless;
        bool turnLeftBehind;
    } cases[] = {
        {"empty file", QByteArray(), false, false},
        {"database without the lock table", QByteArray(), true, false},
        {"text", QByteArray(2048, 'x'), false, false},
        {"damaged database header", QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\xff'), false, false},
        {"empty file and the turn's file", QByteArray(), false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(lck);
        if (c.tableless) {
            DatabasePtr db = DBEngine::CreateDatabase(lck);
            db->Execute(QStringLiteral("CREATE TABLE OUTRA (a LONG)"));
            db->Close();
        } else {
            tqtest::writeFile(lck, c.bytes);
        }
        if (c.turnLeftBehind)
            tqtest::writeFile(gCaminhoDados + NomeArquivoVezBloqueio(), QByteArray());
        ASSERT_TRUE(BloqueiaDazadize(true));
        EXPECT_EQ(probe(), QStringLiteral("0"));  // a real lock: the other program cannot take it
        EXPECT_TRUE(BloqueiaDazadize(false));
        EXPECT_EQ(probe(), QStringLiteral("1"));
        EXPECT_EQ(files(), expected) << "nothing left beside the lock database";
    }
}

// Where the turn's file cannot be made (here a folder has its name), a
// damaged lock database is not rebuilt without it, and the error names that
// file in the run's language, the system's reason after it; a whole or a
// missing one needs no turn and works as always.
TEST_F(DataFolder, WithoutTheTurnsFileOnlyADamagedLockFileIsRefused)
{
    const struct {
        const char* idioma;
        const char* texto;
    } idiomas[] = {
        {"P", "O mecanismo de banco de dados não pode criar o arquivo '%1' (%2)."},
        {"E", "El motor de base de datos no puede crear el archivo '%1' (%2)."},
        {"I", "The database engine cannot create the file '%1' (%2)."},
    };
    for (const auto& l : idiomas) {
        SCOPED_TRACE(l.idioma);
        gIdioma = QString::fromLatin1(l.idioma);
        const QString lck = gCaminhoDados + NomeArquivoBloqueio();
        const QString vez = gCaminhoDados + NomeArquivoVezBloqueio();
        QFile::remove(lck);
        ASSERT_TRUE(QDir().mkpath(vez));

        ASSERT_TRUE(BloqueiaDazadize(true));  // missing: created
        EXPECT_EQ(probe(), QStringLiteral("0"));
        EXPECT_TRUE(BloqueiaDazadize(false));
        EXPECT_EQ(probe(), QStringLiteral("1"));  // whole

        tqtest::writeFile(lck, QByteArray());
        try {
            BloqueiaDazadize(true);
            ADD_FAILURE() << "the damaged lock file was taken";
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.number(), JetError::CannotOpen);
            EXPECT_EQ(e.description(),
                      QString::fromUtf8(l.texto).arg(vez, QString::fromLocal8Bit(std::strerror(EISDIR))));
        }
        EXPECT_EQ(QFileInfo(lck).size(), 0) << "left as it was";
        EXPECT_TRUE(QFileInfo(vez).isDir());
    }
}

// One tq_lockprobe taking turns, spoken to through a socket that is its
// input and its output.
class Probe {
public:
    explicit Probe(const QString& folder)
    {
        int ends[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
            return;
        const std::string program = (tqtest::binaryDir() + QStringLiteral("/tests/tq_lockprobe")).toStdString();
        const std::string dir = folder.toStdString();
        char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(dir.c_str()),
                        const_cast<char*>("turns"), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, ends[1], 0);
        posix_spawn_file_actions_adddup2(&actions, ends[1], 1);
        if (posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv, environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(ends[1]);
        m_fd = ends[0];
    }
    ~Probe()
    {
        if (m_fd >= 0)
            ::close(m_fd);  // the end of its input ends it
        if (m_pid > 0)
            ::waitpid(m_pid, nullptr, 0);
    }
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;

    void send(const char* line) { ::send(m_fd, line, std::strlen(line), MSG_NOSIGNAL); }
    // The next line it prints, without its end; "(no answer)" when none comes.
    std::string line()
    {
        for (;;) {
            if (const std::size_t end = m_buffer.find('\n'); end != std::string::npos) {
                std::string l = m_buffer.substr(0, end);
                m_buffer.erase(0, end + 1);
                return l;
            }
            pollfd p{m_fd, POLLIN, 0};
            char chunk[256];
            const ssize_t n = ::poll(&p, 1, 60000) == 1 ? ::read(m_fd, chunk, sizeof chunk) : 0;
            if (n <= 0)
                return "(no answer)";
            m_buffer.append(chunk, std::size_t(n));
        }
    }

private:
    pid_t m_pid = -1;
    int m_fd = -1;
    std::string m_buffer;
};

// The bytes of an SQLite database made by `sql`, written by SQLite itself.
QByteArray SqliteFileBytes(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return tqtest::readFile(path);
}

// The lock file as SQLite reads it: "whole" for the table with its one row.
std::string LockFileAsRead(const QString& path)
{
    sqlite3* db = nullptr;
    std::string result = "not a database";
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT count(*), min(a) FROM CONTROLETRAN", -1, &st, nullptr) != SQLITE_OK)
            result = sqlite3_errmsg(db);
        else if (sqlite3_step(st) == SQLITE_ROW)
            result = sqlite3_column_int(st, 0) == 1 && sqlite3_column_int(st, 1) == 1 ? "whole" : "rows changed";
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return result;
}

// Two update runs that try to take the lock at the same instant, many times
// over and for every state a lock file can be in: exactly one of them gets
// past the lock each time, and the lock file is a whole lock database
// afterwards with nothing left beside it.  Several folders take turns at once
// to keep the test short (the loser of each turn waits out the lock's short
// wait).
TEST(UpdateLock, OfTwoRunsStartedTogetherExactlyOnePassesWhateverTheLockFileIsLike)
{
    constexpr int kTurns = 100;    // a state
    constexpr int kFolders = 5;    // a state, side by side
    struct State {
        const char* name;
        bool present;
        QByteArray bytes;
    };
    tqtest::TempDir scratch;
    const QByteArray whole = SqliteFileBytes(scratch.file(QStringLiteral("whole")),
                                             "CREATE TABLE CONTROLETRAN (a INTEGER); INSERT INTO CONTROLETRAN VALUES (1)");
    const QByteArray tableless = SqliteFileBytes(scratch.file(QStringLiteral("tableless")), "CREATE TABLE OUTRA (a INTEGER)");
    ASSERT_FALSE(whole.isEmpty());
    ASSERT_FALSE(tableless.isEmpty());
    const State states[] = {
        {"missing", false, {}},
        {"empty", true, {}},
        {"database without the lock table", true, tableless},
        {"whole", true, whole},
    };

    struct Run {
        explicit Run(const State* s) : state(s) {}
        const State* state;
        tqtest::TempDir dir;
        std::vector<std::string> faults;
    };
    std::vector<std::unique_ptr<Run>> runs;
    for (const State& s : states)
        for (int i = 0; i < kFolders; ++i)
            runs.push_back(std::make_unique<Run>(&s));

    std::vector<std::thread> threads;
    for (const auto& run : runs) {
        threads.emplace_back([&r = *run] {
            const QString lck = r.dir.pathSlash() + NomeArquivoBloqueio();
            Probe a(r.dir.path() + QLatin1Char('/')), b(r.dir.path() + QLatin1Char('/'));
            if (a.line() != "ready" || b.line() != "ready") {
                r.faults.push_back("the probes did not start");
                return;
            }
            for (int turn = 0; turn < kTurns / kFolders; ++turn) {
                QFile::remove(lck);
                if (r.state->present)
                    tqtest::writeFile(lck, r.state->bytes);
                a.send("lock\n");
                b.send("lock\n");
                const std::string first = a.line(), second = b.line();
                a.send("release\n");
                b.send("release\n");
                const std::string releasedA = a.line(), releasedB = b.line();
                const std::string read = LockFileAsRead(lck);
                const QStringList left = QDir(r.dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
                const std::string outcome = first + " and " + second + ", lock file " + read + ", folder "
                                          + left.join(QLatin1Char(' ')).toStdString();
                if (!((first == "1" && second == "0") || (first == "0" && second == "1")) || read != "whole"
                    || left != QStringList{NomeArquivoBloqueio()} || releasedA != "released" || releasedB != "released")
                    r.faults.push_back(outcome);
            }
        });
    }
    for (std::thread& t : threads)
        t.join();

    for (const State& s : states) {
        std::vector<std::string> faults;
        for (const auto& run : runs)
            if (run->state == &s)
                faults.insert(faults.end(), run->faults.begin(), run->faults.end());
        std::string list;
        for (const std::string& f : faults)
            list += "\n  " + f;
        EXPECT_TRUE(faults.empty()) << s.name << ": " << faults.size() << " of " << kTurns
                                    << " turns went wrong (results of the two runs):" << list;
    }
}

TEST_F(DataFolder, StampWritesOnlyTheColumnsGiven)
{
    GravaVerificacaoAtualizacao(QString(), QString());  // opens nothing, changes nothing
    GravaVerificacaoAtualizacao(QString(), QStringLiteral("1"));
    auto rs = gDbDazadize->OpenRecordset(QStringLiteral("SELECT DataUltimaVerificacao, FlagErroUltimaVerificacao FROM UMREGISTRO"));
    EXPECT_TRUE(IsNull(rs->Value(0)));
    EXPECT_EQ(rs->Value(1).toInt(), 1);
}

TEST(DataHoraSQLTest, WritesPlainNumbers)
{
    EXPECT_EQ(DataHoraSQL(QDateTime(QDate(2024, 5, 5), QTime(13, 5, 9))),
              QStringLiteral("DateSerial(2024,5,5)+TimeSerial(13,5,9)"));
    EXPECT_EQ(DataHoraSQL(QDateTime(QDate(2000, 1, 1), QTime(0, 0))), QStringLiteral("DateSerial(2000,1,1)+TimeSerial(0,0,0)"));
    const QString now = DataHoraSQL();
    EXPECT_TRUE(now.startsWith(QStringLiteral("DateSerial(%1,").arg(QDate::currentDate().year()))) << now.toStdString();
    EXPECT_EQ(DataHoraSQL(QDateTime(QDate(1899, 12, 31), QTime(0, 0))).left(15), now.left(15));
}

TEST_F(DataFolder, BatchRunnerIsAllOrNothing)
{
    WorkspacePtr ws;
    DatabasePtr db;
    AbreBancoDazadize(ws, QStringLiteral("sWsNotReadOnly"), db, false);
    const QStringList dois{QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (1, 'um')"),
                           QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (1, 'outro')")};
    EXPECT_EQ(tqtest::errorNumberOf([&] { ExecutaComandosSQL(dois, QString(), &db, &ws); }), JetError::DuplicateKey);
    EXPECT_EQ(db->OpenRecordset(QStringLiteral("SELECT * FROM T"))->RecordCount(), 0);

    // A single statement, empty elements skipped, the final query's value returned.
    EXPECT_EQ(ExecutaComandosSQL(QStringList{QString(), QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (2, 'dois')")},
                                 QStringLiteral("SELECT Nome FROM T WHERE Codigo = 2"), &db, &ws)
                  .toString(),
              QStringLiteral("dois"));
    EXPECT_FALSE(ExecutaComandosSQL(QStringLiteral("UPDATE T SET Nome = 'x'"), QString(), &db, &ws).isValid());
    // A final query without rows rolls back and raises "no current record".
    EXPECT_EQ(tqtest::errorNumberOf([&] {
                  ExecutaComandosSQL(QStringLiteral("DELETE FROM T"), QStringLiteral("SELECT Nome FROM T"), &db, &ws);
              }),
              JetError::NoCurrentRecord);
    EXPECT_EQ(db->OpenRecordset(QStringLiteral("SELECT * FROM T"))->RecordCount(), 1);
    // Creating a table and its rows in one transaction: a failing row takes the table with it.
    ws->BeginTrans();
    EXPECT_NE(tqtest::errorNumberOf([&] {
                  db->Execute(QStringLiteral("CREATE TABLE N (a TEXT(1) NOT NULL CONSTRAINT a PRIMARY KEY)"));
                  ExecutaComandosSQL(QStringList{QStringLiteral("INSERT INTO N (a) VALUES ('x')"),
                                                 QStringLiteral("INSERT INTO N (a) VALUES ('X')")},
                                     QString(), &db, &ws);
              }),
              0);
    ws->Rollback();
    EXPECT_EQ(tqtest::errorNumberOf([&] { db->OpenRecordset(QStringLiteral("SELECT * FROM N")); }), JetError::NoSuchTable);
    FechaBanco(ws, db);
}

}  // namespace
