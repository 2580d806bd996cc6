// The update script interpreter on a fixture catalogue.
#include "update/scriptatualizacao.h"

#include "core/globals.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace platform::dao;
using Atualizacao::InterpretadorScript;

namespace {

class Script : public ::testing::Test {
protected:
    void SetUp() override
    {
        Modulo::gCaminhoDados = dir.pathSlash();
        Modulo::gReiniciarPeloLancador = false;
        file = dir.file(QStringLiteral("CATALOGO.MDB"));
        DBEngine::CreateDatabase(file)->Close();
        ws = DBEngine::CreateWorkspace(QStringLiteral("sWsNotReadOnly"));
        db = ws->OpenDatabase(file);
        db->Execute(QStringLiteral("CREATE TABLE T (a LONG, b TEXT(50))"));
    }
    void TearDown() override
    {
        ws->Close();
        Modulo::gReiniciarPeloLancador = false;
    }

    void run(const QStringList& lines)
    {
        for (const QString& l : lines)
            script.ExecutaComandoScript(db, l);
    }

    // The rows of T as "a|b", in insertion order.
    QStringList rows()
    {
        QStringList out;
        RecordsetPtr rs = db->OpenRecordset(QStringLiteral("SELECT a, b FROM T"), dbOpenSnapshot);
        for (; !rs->EOF_(); rs->MoveNext())
            out << rs->Fields(0).Text() + QLatin1Char('|') + rs->Fields(1).Text();
        rs->Close();
        return out;
    }

    tqtest::TempDir dir;
    QString file;
    WorkspacePtr ws;
    DatabasePtr db;
    InterpretadorScript script;
};

const QString kInsert = QStringLiteral("B:INSERT INTO T (a, b) VALUES (?1, '?2')");

}  // namespace

TEST_F(Script, LineKinds)
{
    struct Case {
        const char* name;
        QStringList lines;
        QStringList rows;
        bool restart = false;
    } cases[] = {
        {"template and a data row", {kInsert, QStringLiteral("5<<;>>x")}, {QStringLiteral("5|x")}},
        {"?10 is not taken for ?1",
         {QStringLiteral("B:INSERT INTO T (a, b) VALUES (?1, '?10')"),
          QStringLiteral("1<<;>>2<<;>>3<<;>>4<<;>>5<<;>>6<<;>>7<<;>>8<<;>>9<<;>>ten")},
         {QStringLiteral("1|ten")}},
        {"only the first occurrence is filled",
         {QStringLiteral("B:INSERT INTO T (a, b) VALUES (?1, '?1')"), QStringLiteral("7")}, {QStringLiteral("7|?1")}},
        {"more values than slots: the extra ones are dropped", {kInsert, QStringLiteral("3<<;>>y<<;>>extra<<;>>more")},
         {QStringLiteral("3|y")}},
        {"fewer values: the slot stays", {kInsert, QStringLiteral("4")}, {QStringLiteral("4|?2")}},
        {"a value holding ?1 before the template's own is filled too",
         {QStringLiteral("B:INSERT INTO T (b, a) VALUES ('?2 ?1', 0)"), QStringLiteral("8<<;>>a?1b")},
         {QStringLiteral("0|a8b ?1")}},
        {"line break marker in a value", {kInsert, QStringLiteral("9<<;>>l1<<vbCrLf>>l2")},
         {QStringLiteral("9|l1\r\nl2")}},
        {"statement", {QStringLiteral("E:INSERT INTO T (a, b) VALUES (1, 'e')")}, {QStringLiteral("1|e")}},
        {"empty statement", {QStringLiteral("E:")}, {}},
        {"blank lines are skipped",
         {QStringLiteral("E:INSERT INTO T (a) VALUES (1)"), QStringLiteral("   "), QString(),
          QStringLiteral("E:INSERT INTO T (a) VALUES (2)")},
         {QStringLiteral("1|"), QStringLiteral("2|")}},
        {"a failing statement is skipped",
         {QStringLiteral("E:INSERT INTO Missing VALUES (1)"), QStringLiteral("E:INSERT INTO T (a) VALUES (2)")},
         {QStringLiteral("2|")}},
        {"kinds are upper case and start the line",
         {QStringLiteral("B:INSERT INTO T (a, b) VALUES (0, '?1')"), QStringLiteral(" E:x"), QStringLiteral("e:y"),
          QStringLiteral("X:z")},
         {QStringLiteral("0| E:x"), QStringLiteral("0|e:y"), QStringLiteral("0|X:z")}},
        {"a statement nested too deep is skipped, not a crash",
         {QStringLiteral("E:INSERT INTO T (a) VALUES (") + QString(5000, QLatin1Char('(')) + QStringLiteral("1") +
              QString(5001, QLatin1Char(')')),
          QStringLiteral("B:INSERT INTO T (a) VALUES (?1)"),
          QString(5000, QLatin1Char('(')) + QStringLiteral("2") + QString(5000, QLatin1Char(')')),
          QStringLiteral("E:INSERT INTO T (a) VALUES (3)")},
         {QStringLiteral("3|")}},
        {"a data row without a template does nothing", {QStringLiteral("5<<;>>x")}, {}},
        {"restart", {QStringLiteral("R:"), QStringLiteral("E:INSERT INTO T (a) VALUES (1)")}, {QStringLiteral("1|")},
         true},
        {"bare LF line ends",
         {QStringLiteral("E:INSERT INTO T (a) VALUES (1)\nE:INSERT INTO T (a) VALUES (2)\r\n\nR:anything")},
         {QStringLiteral("1|"), QStringLiteral("2|")}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        db->Execute(QStringLiteral("DELETE FROM T"));
        script = InterpretadorScript();
        Modulo::gReiniciarPeloLancador = false;
        run(c.lines);
        EXPECT_EQ(rows(), c.rows);
        EXPECT_EQ(Modulo::gReiniciarPeloLancador, c.restart);
    }
}

TEST_F(Script, TheTemplateLastsFromScriptToScript)
{
    run({kInsert, QStringLiteral("1<<;>>a")});
    run({QStringLiteral("2<<;>>b")});
    EXPECT_EQ(rows(), (QStringList{QStringLiteral("1|a"), QStringLiteral("2|b")}));
    EXPECT_EQ(script.ModeloScript(), kInsert.mid(2));
}

// What a script may not do to the database: attach or write other files,
// change the connection's settings.
TEST_F(Script, SqlRunsUnderTheAuthorizer)
{
    const QString other = dir.file(QStringLiteral("outro.db"));
    run({QStringLiteral("E:ATTACH DATABASE '%1' AS x").arg(other), QStringLiteral("E:VACUUM INTO '%1'").arg(other),
         QStringLiteral("E:PRAGMA journal_mode = WAL"), QStringLiteral("E:PRAGMA application_id = 7"),
         QStringLiteral("E:INSERT INTO T (a) VALUES (1)")});
    EXPECT_FALSE(QFile::exists(other));
    EXPECT_EQ(rows(), QStringList{QStringLiteral("1|")});
    ws->Close();
    // The file header: bytes 18 and 19 are 1 in rollback-journal mode (2 in
    // WAL mode), bytes 68..71 the application id.
    const QByteArray header = tqtest::readFile(file).left(100);
    ASSERT_EQ(header.size(), 100);
    EXPECT_EQ(header.mid(18, 2), QByteArray("\x01\x01", 2));
    EXPECT_EQ(header.mid(68, 4), QByteArray(4, '\0'));
    db = (ws = DBEngine::CreateWorkspace(QStringLiteral("w")))->OpenDatabase(file);
}

// A statement that fails is reported with the database layer's words in the
// language of the run, and the script goes on.
TEST_F(Script, FailedStatementsAreToldInTheLanguageOfTheRun)
{
    const struct {
        const char* linha;
        long erro;
        const char* p;
        const char* e;
        const char* i;
    } casos[] = {
        {"E:BEGIN TRANSACTION", JetError::NotAllowedHere, "Instrução não permitida aqui. (As transações são",
         "Instrucción no permitida aquí. (Las transacciones son", "Statement not allowed here. (Transactions"},
        {"E:INSERT INTO NADA (a) VALUES (1)", JetError::NoSuchTable, "não encontra a tabela ou consulta de entrada 'NADA'",
         "no encuentra la tabla o consulta de entrada 'NADA'", "cannot find the input table or query 'NADA'"},
        {"E:SELECT * FROM T", 3065, "Não é possível executar uma consulta seleção.",
         "No se puede ejecutar una consulta de selección.", "Cannot execute a select query."},
    };
    QList<platform::Error> falhas;
    script.DefineRelatorFalhas([&](const QString&, const platform::Error& e) { falhas << e; });
    for (const auto& c : casos) {
        for (const char* idioma : {"P", "E", "I"}) {
            SCOPED_TRACE(std::string(c.linha) + ", " + idioma);
            Modulo::gIdioma = QString::fromLatin1(idioma);
            falhas.clear();
            run({QString::fromLatin1(c.linha)});
            ASSERT_EQ(falhas.size(), 1);
            EXPECT_EQ(falhas[0].number(), c.erro);
            const char* texto = *idioma == 'P' ? c.p : *idioma == 'E' ? c.e : c.i;
            EXPECT_TRUE(falhas[0].description().contains(QString::fromUtf8(texto)))
                << falhas[0].description().toStdString();
        }
    }
    Modulo::gIdioma = QStringLiteral("P");
    EXPECT_EQ(rows(), QStringList{}) << "no statement changed the table";
}

TEST_F(Script, CommandsRunOnlyProgramsOfTheDataOrProgramFolder)
{
    const QString tool = dir.file(QStringLiteral("ferramenta"));
    tqtest::writeFile(tool, "#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/saida.txt\"\n");
    QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    run({QStringLiteral("S:\"Ferramenta.exe\" /s \"a b\"  c")});
    EXPECT_EQ(tqtest::readFile(dir.file(QStringLiteral("saida.txt"))), QByteArray("/s a b c\n"));

    ASSERT_TRUE(QFile::link(QStringLiteral("/bin/true"), dir.file(QStringLiteral("atalho"))));
    struct Case {
        const char* name;
        QString line;
        long error;
    } cases[] = {
        {"absolute path outside", QStringLiteral("S:/bin/true"), platform::errors::PermissionDenied},
        {"climbing out", QStringLiteral("S:..\\..\\bin\\true"), platform::errors::PermissionDenied},
        {"a link that leads outside", QStringLiteral("S:atalho"), platform::errors::PermissionDenied},
        {"missing program", QStringLiteral("S:naoexiste.exe /x"), platform::errors::FileNotFound},
        {"no program at all", QStringLiteral("S:   "), platform::errors::FileNotFound},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            run({c.line});
            ADD_FAILURE() << "no error";
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.number(), c.error);
            EXPECT_TRUE(e.description().startsWith(
                QStringLiteral("O comando do script de atualização não pode ser executado: ")))
                << e.description().toStdString();
        }
    }
}

TEST(ScriptParts, SplitsCommandsAndLines)
{
    EXPECT_EQ(Atualizacao::DivideComando(QStringLiteral("\"C:\\a b\\x.exe\" /s \"\" d")),
              (QStringList{QStringLiteral("C:\\a b\\x.exe"), QStringLiteral("/s"), QString(), QStringLiteral("d")}));
    EXPECT_EQ(Atualizacao::DivideLinhasScript(QStringLiteral("a\r\nb\nc\r\n")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QString()}));
}
