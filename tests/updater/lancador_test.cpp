// The launcher in a temporary program folder with a stand-in catalogue
// program (tq_fake_catalogue) that notes how it was started.
#include "updater/lancador.h"

#include "platform/process/process.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace L = frmCallDazadizeTQ;

namespace {

// The stand-in program, padded so that the copies can be told apart by size.
QByteArray fakeProgram(int padding, bool failsAtStart = false)
{
    QByteArray bytes = tqtest::readFile(QStringLiteral(TQ_FAKE_CATALOGUE));
    EXPECT_FALSE(bytes.isEmpty());
    bytes.append(QByteArray(padding, 'p'));
    if (failsAtStart)
        bytes.append("FAIL-AT-START");
    return bytes;
}

class Launcher : public ::testing::Test {
protected:
    void SetUp() override
    {
        oldProgram = fakeProgram(100);
        newProgram = fakeProgram(300);
        env.pasta = dir.pathSlash();
        env.mensagem = [this](const QString& t) { messages << t; };
        env.limiteEspera = 5000;
        // Every stand-in ends by itself at once, and the launcher's wait for
        // a swapped-in program ends as soon as it does: a long window costs
        // nothing, and a slow start on a busy machine (or under the
        // sanitizers) still falls inside it.
        env.confirmacaoInicio = 60000;
    }

    QString path(const char* name) const { return dir.file(QString::fromLatin1(name)); }

    // Written beside and renamed into place: a program started by an earlier
    // step may still be running from the old file, which cannot be opened
    // for writing then ("text file busy").
    void put(const char* name, const QByteArray& bytes, QFile::Permissions perms)
    {
        const QString fresh = path(name) + QStringLiteral(".novo");
        tqtest::writeFile(fresh, bytes);
        QFile::setPermissions(fresh, perms);
        ASSERT_EQ(::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path(name)).constData()), 0);
    }
    void putOld() { put(L::kPrograma, oldProgram, exec); }
    void putPending(const QByteArray& bytes) { put(L::kPendente, bytes, plain); }

    // The lines the stand-in wrote, once `count` of them are there.
    QStringList started(int count = 1) const
    {
        QStringList lines;
        (void)QTest::qWaitFor([&] {
            lines = QString::fromUtf8(tqtest::readFile(path("iniciado.txt"))).split('\n', Qt::SkipEmptyParts);
            return lines.size() >= count;
        }, 5000);
        return lines;
    }
    QString startedLine(qint64 size) const { return QStringLiteral("CallDazadizeTQ|%1").arg(size); }

    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    tqtest::TempDir dir;
    L::Ambiente env;
    QStringList messages;
    QByteArray oldProgram, newProgram;
    const QFile::Permissions exec = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
        | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    const QFile::Permissions plain = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
};

}  // namespace

TEST_F(Launcher, StartsTheCatalogueWithItsStartWord)
{
    putOld();
    EXPECT_EQ(L::Form_Load(QString(), env), L::Iniciado);
    EXPECT_EQ(started(), QStringList{startedLine(oldProgram.size())});
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Launcher, SwapsInThePendingProgramAndDropsTheBackup)
{
    for (const bool withOld : {true, false}) {
        SCOPED_TRACE(withOld ? "old program present" : "no old program");
        QFile::remove(path("iniciado.txt"));
        QFile::remove(path(L::kPrograma));
        if (withOld)
            putOld();
        putPending(newProgram);
        EXPECT_EQ(L::Form_Load(QString(), env), L::Iniciado);
        EXPECT_EQ(started(), QStringList{startedLine(newProgram.size())});
        EXPECT_EQ(files(), (QStringList{QStringLiteral("Tavrix_V"), QStringLiteral("iniciado.txt")}));
        EXPECT_EQ(tqtest::readFile(path(L::kPrograma)), newProgram);
        EXPECT_TRUE(QFileInfo(path(L::kPrograma)).isExecutable());
        EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    }
}

TEST_F(Launcher, RefusesAPendingFileThatIsNoProgramAndStartsTheOldOne)
{
    struct Case {
        const char* name;
        QByteArray pending;
        QString words;
    } cases[] = {
        {"empty", QByteArray(), QStringLiteral("está vazio")},
        {"a Windows program", QByteArray("MZ\x90\x00\x03\x00\x00\x00", 8) + QByteArray(600, '\0'),
         QStringLiteral("não é um programa deste sistema")},
        {"text", QByteArray("#!/bin/sh\necho hi\n"), QStringLiteral("não é um programa deste sistema")},
    };
    putOld();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        QFile::remove(path("iniciado.txt"));
        putPending(c.pending);
        EXPECT_EQ(L::Form_Load(QString(), env), L::Iniciado);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_EQ(messages[0], QStringLiteral("Erro ao Atualizar Razovovu. O arquivo \"") + path(L::kPendente)
                                   + QStringLiteral("\" ") + c.words + QStringLiteral(" e não foi aplicado.\r\n\r\n")
                                   + QStringLiteral("O Razovovu TQ atual será iniciado."));
        EXPECT_EQ(started(), QStringList{startedLine(oldProgram.size())});
        EXPECT_EQ(tqtest::readFile(path(L::kPendente)), c.pending);
        EXPECT_EQ(tqtest::readFile(path(L::kPrograma)), oldProgram);
    }
}

// A new program that cannot start is reported; the old one is put back from
// the backup and started, and the new one waits again as the pending file.
TEST_F(Launcher, RollsBackWhenTheNewProgramCannotStart)
{
    struct Case {
        const char* name;
        QByteArray pending;
        QString detail;
    } cases[] = {
        {"ends at once", fakeProgram(300, true),
         QStringLiteral("Erro Nº: 127\r\nO programa terminou logo ao iniciar (código de saída 127).")},
        {"cannot be executed", newProgram.left(64), QStringLiteral("Erro Nº: ")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        QFile::remove(path("iniciado.txt"));
        putOld();
        putPending(c.pending);
        EXPECT_EQ(L::Form_Load(QString(), env), L::Iniciado);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Erro ao Chamar \"") + path(L::kPrograma)
                                           + QStringLiteral("\"\r\n\r\n") + c.detail))
            << messages[0].toStdString();
        EXPECT_EQ(started(), QStringList{startedLine(oldProgram.size())});
        EXPECT_EQ(tqtest::readFile(path(L::kPrograma)), oldProgram);
        EXPECT_EQ(tqtest::readFile(path(L::kPendente)), c.pending);
        EXPECT_EQ(files(), (QStringList{QStringLiteral("NVTavrix_V.tmp"), QStringLiteral("Tavrix_V"),
                                        QStringLiteral("iniciado.txt")}));
    }
}

TEST_F(Launcher, ReportsAFailedRenameAndChangesNothing)
{
    // A folder in the program's place: the pending file cannot take its name.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Tavrix_V")));
    putPending(newProgram);
    EXPECT_EQ(L::Form_Load(QString(), env), L::ErroTroca);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Erro ao Renomear Arquivo \"") + path(L::kPendente)
                                       + QStringLiteral("\"\r\n\r\nErro Nº: ")))
        << messages[0].toStdString();
    EXPECT_EQ(tqtest::readFile(path(L::kPendente)), newProgram);
    EXPECT_FALSE(QFile::exists(path("iniciado.txt")));
}

TEST_F(Launcher, ReportsABackupThatCannotBeMade)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "a read-only folder does not stop root";
    putOld();
    putPending(newProgram);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(L::Form_Load(QString(), env), L::ErroTroca);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(messages.size(), 1);
    const QString program = path(L::kPrograma);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Erro ao Atualizar Razovovu. O Razovovu TQ (") + program
                                       + QStringLiteral(") não pode estar em uso.\r\n\r\nCertifique-se que ninguém "
                                                        "esteja utilizando \"")
                                       + program + QStringLiteral("\" e entre no Razovovu novamente.\r\n\r\nErro Nº: 70")))
        << messages[0].toStdString();
    EXPECT_EQ(tqtest::readFile(program), oldProgram);
    EXPECT_EQ(tqtest::readFile(path(L::kPendente)), newProgram);
}

TEST_F(Launcher, WaitsForTheProcessItIsGiven)
{
    putOld();
    const auto sleeper = platform::spawnProgram(QStringLiteral("/bin/sleep"), {QStringLiteral("0.4")});
    ASSERT_TRUE(sleeper.ok());
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(L::Form_Load(QStringLiteral("  %1  ").arg(sleeper.pid), env), L::Iniciado);
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_FALSE(platform::processRunning(sleeper.pid));
    EXPECT_EQ(started().size(), 1);
    platform::waitForChild(sleeper.pid, 1000, nullptr);

    // A process id that names no process does not delay the start.
    clock.restart();
    EXPECT_EQ(L::Form_Load(QString::number(sleeper.pid), env), L::Iniciado);
    EXPECT_LT(clock.elapsed(), 300);
    EXPECT_EQ(started(2).size(), 2);
}

TEST_F(Launcher, GivesUpWaitingAndStartsNothing)
{
    putOld();
    putPending(newProgram);
    env.limiteEspera = 300;
    const auto sleeper = platform::spawnProgram(QStringLiteral("/bin/sleep"), {QStringLiteral("30")});
    ASSERT_TRUE(sleeper.ok());
    EXPECT_EQ(L::Form_Load(QString::number(sleeper.pid), env), L::ErroEspera);
    ::kill(static_cast<pid_t>(sleeper.pid), SIGKILL);
    platform::waitForChild(sleeper.pid, 2000, nullptr);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], QStringLiteral("Erro ao Atualizar Razovovu. O Razovovu TQ (processo %1) ainda está em "
                                          "execução após 1 segundos de espera.\r\n\r\nFeche o Razovovu TQ e entre no "
                                          "Razovovu novamente.")
                               .arg(sleeper.pid));
    EXPECT_EQ(tqtest::readFile(path(L::kPendente)), newProgram);
    EXPECT_FALSE(QFile::exists(path("iniciado.txt")));
}

TEST_F(Launcher, RefusesACommandLineThatIsNoProcessId)
{
    putOld();
    for (const char* arg : {"abc", "-5", "12abc", "1.5", "+7", "0", "99999999999"}) {
        SCOPED_TRACE(arg);
        messages.clear();
        EXPECT_EQ(L::Form_Load(QString::fromLatin1(arg), env), L::ErroArgumento);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_EQ(messages[0], QStringLiteral("Erro ao Acessar Razovovu. Parâmetro inválido: \"%1\".\r\n\r\n"
                                              "O parâmetro deve ser o número do processo a aguardar, ou nenhum.")
                                   .arg(QString::fromLatin1(arg)));
    }
    EXPECT_FALSE(QFile::exists(path("iniciado.txt")));
}

TEST(LauncherNames, BackupNamesFollowThePatternAndAreFree)
{
    tqtest::TempDir dir;
    const QString serial = L::ObtemSerieVolume();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F]{8}$")).match(serial).hasMatch()) << serial.toStdString();
    const QRegularExpression pattern(QStringLiteral("^%1/\\d{12}%2\\d{1,4}\\.tmp$")
                                         .arg(QRegularExpression::escape(dir.path()), serial));
    for (int i = 0; i < 20; ++i) {
        const QString name = L::ObtemNomeArquivoTemporario(dir.path());
        EXPECT_TRUE(pattern.match(name).hasMatch()) << name.toStdString();
        EXPECT_FALSE(QFile::exists(name));
        tqtest::writeFile(name, "x");
    }
}

TEST(LauncherNames, RecognisesProgramsOfThisSystem)
{
    tqtest::TempDir dir;
    QByteArray self = tqtest::readFile(QStringLiteral("/proc/self/exe"));
    QByteArray otherMachine = self.left(4096);
    otherMachine[18] = static_cast<char>(otherMachine[18] ^ 0x55);
    QByteArray otherSize = self.left(4096);
    otherSize[4] = static_cast<char>(otherSize[4] == 2 ? 1 : 2);
    struct Case {
        const char* name;
        QByteArray bytes;
        bool program;
    } cases[] = {
        {"this test program", self, true},
        {"empty", {}, false},
        {"ELF of another machine", otherMachine, false},
        {"ELF of another word size", otherSize, false},
        {"short file", QByteArray("\x7f" "ELF"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tqtest::writeFile(dir.file(QStringLiteral("p")), c.bytes);
        EXPECT_EQ(L::EhProgramaDoSistema(dir.file(QStringLiteral("p"))), c.program);
    }
    EXPECT_FALSE(L::ArquivoExiste(dir.path()));
    EXPECT_FALSE(L::ArquivoExiste(dir.file(QStringLiteral("missing"))));
}

// The real program, copied into a program folder beside the stand-in.
TEST(LauncherProgram, SwapsAndStartsFromItsOwnFolder)
{
    tqtest::TempDir dir;
    ASSERT_TRUE(QFile::copy(QStringLiteral(TQ_LAUNCHER), dir.file(QStringLiteral("DazadizeTQ_V"))));
    tqtest::writeFile(dir.file(QStringLiteral("Tavrix_V")), fakeProgram(100));
    QFile::setPermissions(dir.file(QStringLiteral("Tavrix_V")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray fresh = fakeProgram(300);
    tqtest::writeFile(dir.file(QStringLiteral("NVTavrix_V.tmp")), fresh);

    QProcess launcher;
    launcher.setProgram(dir.file(QStringLiteral("DazadizeTQ_V")));
    launcher.setArguments({QString::number(99999999)});  // names no process: nothing to wait for
    launcher.start();
    ASSERT_TRUE(launcher.waitForFinished(10000));
    EXPECT_EQ(launcher.exitCode(), 0) << launcher.readAllStandardError().toStdString();
    QStringList lines;
    (void)QTest::qWaitFor([&] {
        lines = QString::fromUtf8(tqtest::readFile(dir.file(QStringLiteral("iniciado.txt")))).split('\n', Qt::SkipEmptyParts);
        return !lines.isEmpty();
    }, 5000);
    EXPECT_EQ(lines, QStringList{QStringLiteral("CallDazadizeTQ|%1").arg(fresh.size())});
    EXPECT_EQ(tqtest::readFile(dir.file(QStringLiteral("Tavrix_V"))), fresh);
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("NVTavrix_V.tmp"))));
}
