#include "core/cipher.h"
#include "core/config.h"
#include "core/files.h"
#include "core/globals.h"
#include "core/texts.h"
#include "platform/base/error.h"
#include "support/fakemessagebox.h"
#include "support/testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "support/qstringprinter.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Modulo;

namespace {

// A user folder and a system folder in a temporary folder, and the run's
// shared state restored afterwards.
class ConfigTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(m_dir.path()).mkdir("sys");
        DefinePastaUsuario(m_dir.file("home/.config"));
        DefinePastaSistema(m_dir.file("sys"));
        gCaminhoDados = m_dir.pathSlash();
    }
    void TearDown() override
    {
        DefinePastaUsuario({});
        DefinePastaSistema({});
        DefineLinhaComando(QString());
        gIdioma = m_idioma;
        gVerificacaoAutomatica = m_verificacao;
        gCaminhoDados = m_dados;
    }

    QString userFile() const { return m_dir.file("home/.config/NorvaleInformatica/DazadizeTQConfig_V.txt"); }
    QString systemFile() const { return m_dir.file("sys/DazadizeTQConfig_V.txt"); }
    void writeUser(const QByteArray& content)
    {
        ObtemPastaUsuario(true);
        tqtest::writeFile(userFile(), content);
    }
    QByteArray user() const { return tqtest::readFile(userFile()); }

    void readLanguage()
    {
        QString u, s;
        LeConfiguracao("IDIOMA_VERIFICACAOAUTOMATICA", u, s);
    }

    tqtest::TempDir m_dir;
    QString m_idioma = gIdioma;
    bool m_verificacao = gVerificacaoAutomatica;
    QString m_dados = gCaminhoDados;
};

}  // namespace

TEST_F(ConfigTest, UserFolderIsCreatedBelowTheConfigurationLocation)
{
    EXPECT_EQ(ObtemPastaUsuario(true), m_dir.file("home/.config/NorvaleInformatica/"));
    EXPECT_EQ(ObtemPastaUsuario(false), m_dir.file("home/.config/NorvaleInformatica"));
    EXPECT_TRUE(QFileInfo(m_dir.file("home/.config/NorvaleInformatica")).isDir());
}

// The reading cases: content of the user file (or none), of the system
// folder's copy (or none), what the run reads and what the file holds after.
TEST_F(ConfigTest, ReadingLanguageAndCheckTable)
{
    const QString cred = CifraTexto("proxyuser", true) + "|" + CifraTexto("secret", true);
    struct Row {
        const char* name;
        QByteArray user;     // null: no user file
        const char* system;  // nullptr: no system copy
        const char* language;
        bool check;
        QByteArray after;
    };
    const QByteArray credBytes = cred.toLatin1();
    const Row rows[] = {
        {"no file anywhere", QByteArray(), nullptr, "P", true, "P|1||"},
        {"seeded from the system folder", QByteArray(), "E|0||", "E", false, "E|0||"},
        {"bad language repaired", "X|1||", nullptr, "P", true, "P|1||"},
        {"bad language repaired, credentials kept", "X|0|" + credBytes, nullptr, "P", false,
         "P|0|" + credBytes},
        {"lower-case language read as is", "e|0||", nullptr, "E", false, "e|0||"},
        {"first letter counts", "PT|1||", nullptr, "P", true, "PT|1||"},
        {"blanks around the language", " i |0||", nullptr, "I", false, " i |0||"},
        {"check field other than 1 is off", "P|yes||", nullptr, "P", false, "P|yes||"},
        {"language alone: padded, not reset", "E", nullptr, "E", true, "E|1||"},
        {"P alone", "P", nullptr, "P", true, "P|1||"},
        {"empty file", QByteArray(""), nullptr, "P", true, "P|1||"},
        {"language and check only", "I|0", nullptr, "I", false, "I|0"},
        {"line end of an editor", "E|0||\r\n", nullptr, "E", false, "E|0||\r\n"},
        {"user file wins over the system copy", "I|1||", "E|0||", "I", true, "I|1||"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QFile::remove(userFile());
        QFile::remove(systemFile());
        if (!r.user.isNull())
            writeUser(r.user);
        if (r.system)
            tqtest::writeFile(systemFile(), r.system);
        gIdioma = "?";
        gVerificacaoAutomatica = !r.check;
        readLanguage();
        EXPECT_EQ(gIdioma, QString::fromLatin1(r.language));
        EXPECT_EQ(gVerificacaoAutomatica, r.check);
        EXPECT_EQ(user(), r.after);
        if (r.system) {
            EXPECT_EQ(tqtest::readFile(systemFile()), QByteArray(r.system)) << "the system copy is never changed";
        }
    }
}

TEST_F(ConfigTest, ReadingCredentialsTable)
{
    const QString name = CifraTexto("proxyuser", true);
    const QString pass = CifraTexto("s3cr3t|x", true);
    struct Row {
        const char* name;
        QString content;
        QString user;
        QString pass;
        QString after;
    };
    const Row rows[] = {
        {"both fields good", "E|0|" + name + "|" + pass, "proxyuser", "s3cr3t|x", "E|0|" + name + "|" + pass},
        {"both empty", "E|0||", "", "", "E|0||"},
        {"user not hex: emptied, password kept", "E|1|ZZZZ|" + pass, "", "s3cr3t|x", "E|1||" + pass},
        {"odd length", "E|1|" + name.left(31) + "|" + pass, "", "s3cr3t|x", "E|1||" + pass},
        {"wrong length prefix (another key)", "P|1|" + name + "|" + QString(32, '0'), "proxyuser", "",
         "P|1|" + name + "|"},
        {"lower-case hex accepted", "P|1|" + name.toLower() + "|", "proxyuser", "", "P|1|" + name.toLower() + "|"},
        {"credentials missing: padded, language and check kept", "I|0", "", "", "I|0||"},
        {"password missing", "I|0|" + name, "proxyuser", "", "I|0|" + name + "|"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        writeUser(r.content.toLatin1());
        QString u = "stale", s = "stale";
        LeConfiguracao("USUARIO_SENHA", u, s);
        EXPECT_EQ(u, r.user);
        EXPECT_EQ(s, r.pass);
        EXPECT_EQ(QString::fromLatin1(user()), r.after);
    }
}

TEST_F(ConfigTest, OtherKeysOnlyMakeSureTheFileExists)
{
    QString u = "u", s = "s";
    gIdioma = "I";
    LeConfiguracao("ANYTHING", u, s);
    EXPECT_EQ(user(), QByteArray("P|1||"));
    EXPECT_EQ(gIdioma, "I");
    EXPECT_EQ(u, "u");
}

TEST_F(ConfigTest, WritingKeepsWhatItIsNotAskedToChange)
{
    writeUser("E|0||");
    EXPECT_TRUE(GravaConfiguracao("", "1", "", "", false));
    EXPECT_EQ(user(), QByteArray("E|1||"));
    EXPECT_TRUE(GravaConfiguracao("", "", "proxy user", "pa ss ção", true));
    const QList<QByteArray> f = user().split('|');
    ASSERT_EQ(f.size(), 4);
    EXPECT_EQ(f[0], "E");
    EXPECT_EQ(f[1], "1");
    EXPECT_FALSE(user().contains("proxy")) << "credentials are never stored in plain";
    QString u, s;
    LeConfiguracao("USUARIO_SENHA", u, s);
    EXPECT_EQ(u, "proxy user");
    EXPECT_EQ(s, "pa ss ção");
    EXPECT_TRUE(GravaConfiguracao("I", "", "", "", false));
    EXPECT_TRUE(user().startsWith("I|1|" + f[2] + "|" + f[3]));
    // Empty credentials are written as empty fields.
    EXPECT_TRUE(GravaConfiguracao("", "", "", "", true));
    EXPECT_EQ(user(), QByteArray("I|1||"));
    // Extra fields of a newer version are kept.
    writeUser("E|0|||future");
    EXPECT_TRUE(GravaConfiguracao("P", "", "", "", false));
    EXPECT_EQ(user(), QByteArray("P|0|||future"));
}

TEST_F(ConfigTest, FileIsPrivateAndReplacedAtomically)
{
    writeUser("E|0||");
    ::chmod(QFile::encodeName(userFile()).constData(), 0644);
    ASSERT_TRUE(GravaConfiguracao("", "", "u", "p", true));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(userFile()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(ObtemPastaUsuario(false)).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(ConfigTest, TextOutsideTheCodePageIsRefusedAndNothingWritten)
{
    writeUser("E|0||");
    EXPECT_THROW(GravaConfiguracao("", "", QStringLiteral("us\u4E2Der"), "p", true), platform::Error);
    EXPECT_EQ(user(), QByteArray("E|0||"));
}

TEST_F(ConfigTest, FailedWriteKeepsTheOldFileAndSaysSo)
{
    writeUser("E|0||");
    // A disk that takes no more than a few bytes: the write fails half-way.
    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 8;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = GravaConfiguracao("I", "1", "someone", "secret", true);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(user(), QByteArray("E|0||"));
    EXPECT_EQ(QDir(ObtemPastaUsuario(false)).entryList(QDir::Files | QDir::Hidden).size(), 1);

    if (::geteuid() != 0) {  // root writes into read-only folders
        const QString folder = ObtemPastaUsuario(false);
        ::chmod(QFile::encodeName(folder).constData(), 0500);
        EXPECT_FALSE(GravaConfiguracao("I", "1", "", "", false));
        ::chmod(QFile::encodeName(folder).constData(), 0700);
        EXPECT_EQ(user(), QByteArray("E|0||"));
    }
}

TEST_F(ConfigTest, UnreadableFileReachesTheReader)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads anything";
    writeUser("E|0||");
    ::chmod(QFile::encodeName(userFile()).constData(), 0);
    // A file that exists but cannot be read is an error for the caller; it is
    // neither seeded over nor replaced by the defaults.
    QString u, s;
    tqtest::writeFile(systemFile(), "I|1||");
    EXPECT_THROW(LeConfiguracao("IDIOMA_VERIFICACAOAUTOMATICA", u, s), platform::Error);
    EXPECT_FALSE(GravaConfiguracao("I", "", "", "", false));
    ::chmod(QFile::encodeName(userFile()).constData(), 0600);
    EXPECT_EQ(user(), QByteArray("E|0||"));
}

TEST_F(ConfigTest, LimitedMode)
{
    tqtest::FakeMessageBoxes boxes;
    struct Row {
        const char* commandLine;
        bool marker;
        bool limited;
    };
    const Row rows[] = {
        {"CALLDAZADIZETQ", false, false},
        {"CALLDAZADIZETQLIMITADO", false, true},
        {"  calldazadizetqlimitado  ", false, true},
        {"CALLDAZADIZETQLIMITADOX", false, true},
        {"CALLDAZADIZETQLIMITAD", false, false},
        {"CALLDAZADIZETQ", true, true},
        {"", true, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.commandLine);
        DefineLinhaComando(QString::fromLatin1(r.commandLine));
        QFile::remove(m_dir.file("ML.txt"));
        if (r.marker)
            tqtest::writeFile(m_dir.file("ML.txt"), {});
        boxes.shown.clear();
        EXPECT_EQ(ModoLimitado(false), r.limited);
        EXPECT_TRUE(boxes.shown.empty());
        EXPECT_EQ(ModoLimitado(true), r.limited);
        ASSERT_EQ(boxes.shown.size(), r.limited ? 1u : 0u);
        if (r.limited) {
            EXPECT_EQ(boxes.last().text,
                      QStringLiteral("Função Indisponível, pois o Razovovu está sendo executado no Modo Limitado."));
            EXPECT_EQ(boxes.last().icon(), platform::vbInformation);
            EXPECT_EQ(boxes.last().title, ObtemTexto(19, ""));
        }
    }
    EXPECT_FALSE(EmAmbienteDesenvolvimento());
}
