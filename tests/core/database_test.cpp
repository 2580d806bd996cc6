// Opening the databases, the update lock across programs, the check stamp,
// the batch runner and the date text.

#include "core/database.h"
#include "core/globals.h"

#include "support/testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
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
// input and its output; `stop`: the point of writing the lock database it
// stops at (see its main.cpp).
class Probe {
public:
    explicit Probe(const QString& folder, const char* stop = nullptr)
    {
        int ends[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
            return;
        const std::string program = (tqtest::binaryDir() + QStringLiteral("/tests/tq_lockprobe")).toStdString();
        const std::string dir = folder.toStdString();
        char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(dir.c_str()),
                        const_cast<char*>("turns"), const_cast<char*>(stop), nullptr};
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
    // Ends it at once, wherever it is, as a kill or a power cut would.
    void kill()
    {
        if (m_pid <= 0)
            return;
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }
    // The next line it prints, without its end; "(no answer)" when none
    // comes within `ms` milliseconds.
    std::string line(int ms = 60000)
    {
        for (;;) {
            if (const std::size_t end = m_buffer.find('\n'); end != std::string::npos) {
                std::string l = m_buffer.substr(0, end);
                m_buffer.erase(0, end + 1);
                return l;
            }
            pollfd p{m_fd, POLLIN, 0};
            char chunk[256];
            const ssize_t n = ::poll(&p, 1, ms) == 1 ? ::read(m_fd, chunk, sizeof chunk) : 0;
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

// What a folder holds, hidden names too, sorted.
QStringList FolderNames(const QString& dir)
{
    QStringList l = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    l.sort();
    return l;
}

// The hidden files lock databases are written in before they are renamed
// into place, in folder `dir`.
int LockDatabasesBeingWritten(const QString& dir)
{
    const QStringList names = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    const QRegularExpression written(QStringLiteral("\\A\\.") + QRegularExpression::escape(NomeArquivoBloqueio())
                                     + QStringLiteral("\\.[0-9a-f]{8}\\.tmp\\z"));
    return int(names.filter(written).size());
}

// Two update runs that take the lock at the same instant, each in a program
// of its own: their answers, "1 and 0" when exactly one passes.
std::string TwoRunsAtOnce(const QString& folder)
{
    Probe a(folder), b(folder);
    if (a.line() != "ready" || b.line() != "ready")
        return "the probes did not start";
    a.send("lock\n");
    b.send("lock\n");
    std::string first = a.line(), second = b.line();
    a.send("release\n");
    b.send("release\n");
    if (a.line() != "released" || b.line() != "released")
        return "not released";
    if (first == "0" && second == "1")
        std::swap(first, second);
    return first + " and " + second;
}

// A run killed at each point of rebuilding the lock database (its turn held
// throughout): with the hidden file written, and once it is renamed into
// place; twice in a row, the second taking over the first one's turn; with
// the lock database missing or no lock database.  The next run leaves the
// folder with the lock database alone, whole, and the lock still lets one
// of two runs at once pass; files that only look alike stay.
TEST(UpdateLock, WhatARunKilledWhileRebuildingTheLockLeavesTheNextRunRemoves)
{
    tqtest::TempDir scratch;
    const QByteArray tableless = SqliteFileBytes(scratch.file(QStringLiteral("tableless")), "CREATE TABLE OUTRA (a INTEGER)");
    ASSERT_FALSE(tableless.isEmpty());
    struct Case {
        const char* name;
        bool present;
        QByteArray bytes;
        std::vector<const char*> kills;  // where each run is killed, one after the other
        QStringList others;              // other files of the folder
    };
    const QString prefix = QLatin1Char('.') + NomeArquivoBloqueio() + QLatin1Char('.');
    const QStringList alike = {prefix + QStringLiteral("0123ABCD.tmp"), prefix + QStringLiteral("0123abcd.tmp.keep"),
                               prefix + QStringLiteral("0123abc.tmp"), prefix + QStringLiteral("0123abcd.new"),
                               QStringLiteral(".DAZADIZETQ_V.MDB.0123abcd.tmp"), QStringLiteral("x") + prefix + QStringLiteral("0123abcd.tmp")};
    const Case cases[] = {
        {"missing, killed with its file written", false, {}, {"written"}, {}},
        {"missing, killed once renamed", false, {}, {"renamed"}, {}},
        {"empty, killed with its file written", true, {}, {"written"}, {}},
        {"empty, killed once renamed", true, {}, {"renamed"}, {}},
        {"no lock table, killed with its file written", true, tableless, {"written"}, {}},
        {"no lock table, killed once renamed", true, tableless, {"renamed"}, {}},
        {"empty, two runs killed with their files written", true, {}, {"written", "written"}, {}},
        {"empty, killed with its file written, then once renamed", true, {}, {"written", "renamed"}, {}},
        {"empty, killed with its file written, files alike beside", true, {}, {"written"}, alike},
        {"missing, killed once renamed, files alike beside", false, {}, {"renamed"}, alike},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tqtest::TempDir d;
        const QString folder = d.pathSlash();
        const QString lck = folder + NomeArquivoBloqueio();
        if (c.present)
            tqtest::writeFile(lck, c.bytes);
        for (const QString& o : c.others)
            tqtest::writeFile(folder + o, QByteArray("x"));
        // A symbolic link and a folder of the hidden files' names stay too.
        QStringList expected = c.others;
        if (!c.others.isEmpty()) {
            ASSERT_TRUE(QDir().mkdir(folder + prefix + QStringLiteral("00000000.tmp")));
            ASSERT_TRUE(QFile::link(folder + QStringLiteral("nowhere"), folder + prefix + QStringLiteral("11111111.tmp")));
            expected << prefix + QStringLiteral("00000000.tmp") << prefix + QStringLiteral("11111111.tmp");
        }
        expected << NomeArquivoBloqueio();
        expected.sort();

        int written = 0;
        for (const char* kill : c.kills) {
            Probe k(folder, kill);
            ASSERT_EQ(k.line(), "ready");
            k.send("lock\n");
            ASSERT_EQ(k.line(), std::string("at ") + kill);
            // Where it is: holding its turn, with its file written or the
            // lock database in place.
            const QStringList there = FolderNames(d.path());
            EXPECT_TRUE(there.contains(NomeArquivoVezBloqueio()));
            if (std::strcmp(kill, "written") == 0) {
                EXPECT_EQ(LockDatabasesBeingWritten(d.path()), ++written);
            } else {
                EXPECT_EQ(LockFileAsRead(lck), "whole");
            }
            k.kill();
        }
        // The next run takes the lock, lets it go and leaves the folder as
        // it should be.
        QProcess next;
        next.start(tqtest::binaryDir() + QStringLiteral("/tests/tq_lockprobe"), {folder});
        ASSERT_TRUE(next.waitForFinished(60000));
        EXPECT_EQ(next.readAllStandardOutput().trimmed(), QByteArray("1"));
        EXPECT_EQ(FolderNames(d.path()), expected);
        EXPECT_EQ(LockFileAsRead(lck), "whole");
        EXPECT_EQ(TwoRunsAtOnce(folder), "1 and 0");
        EXPECT_EQ(FolderNames(d.path()), expected);
    }
}

// A run that starts while another, alive, holds the turn: while it rebuilds
// the lock database (its hidden file written) the newcomer waits for the
// turn, and once it has put the database in place (its turn not yet let go)
// the newcomer takes the whole lock database without waiting; either way
// the holder's files stay as they are, the holder goes on to its lock, and
// the folder ends with the lock database alone.
TEST(UpdateLock, ARunStartingWhileAnotherHoldsTheTurnLeavesItsFilesAlone)
{
    for (const char* point : {"written", "renamed"}) {
        SCOPED_TRACE(point);
        tqtest::TempDir d;
        const QString folder = d.pathSlash();
        const QString lck = folder + NomeArquivoBloqueio();
        tqtest::writeFile(lck, QByteArray());
        Probe holder(folder, point);
        ASSERT_EQ(holder.line(), "ready");
        holder.send("lock\n");
        ASSERT_EQ(holder.line(), std::string("at ") + point);
        const QStringList held = FolderNames(d.path());
        const QString vez = folder + NomeArquivoVezBloqueio();
        const auto inode = [](const QString& path) {
            struct stat st {};
            return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : ino_t(0);
        };
        const ino_t turn = inode(vez);
        ASSERT_NE(turn, ino_t(0));

        Probe newcomer(folder);
        ASSERT_EQ(newcomer.line(), "ready");
        newcomer.send("lock\n");
        if (std::strcmp(point, "written") == 0) {
            EXPECT_EQ(newcomer.line(500), "(no answer)") << "it waits for the turn";
            EXPECT_EQ(FolderNames(d.path()), held);
            EXPECT_EQ(inode(vez), turn);
            holder.send("go\n");
            EXPECT_EQ(holder.line(), "1");
            EXPECT_EQ(newcomer.line(), "0");
        } else {
            EXPECT_EQ(newcomer.line(), "1");
            EXPECT_EQ(FolderNames(d.path()), held);
            EXPECT_EQ(inode(vez), turn);
            holder.send("go\n");
            EXPECT_EQ(holder.line(), "0");
        }
        holder.send("release\n");
        newcomer.send("release\n");
        EXPECT_EQ(holder.line(), "released");
        EXPECT_EQ(newcomer.line(), "released");
        EXPECT_EQ(FolderNames(d.path()), QStringList{NomeArquivoBloqueio()});
        EXPECT_EQ(LockFileAsRead(lck), "whole");
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
