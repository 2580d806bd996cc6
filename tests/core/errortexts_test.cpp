// The descriptions of the errors the database layer, the files and the run
// time raise, which reach the error box as they are: in a Portuguese or
// Spanish run none of them keeps the English words, and in an English run
// they read as they always have.  The system's own reason (strerror, the
// engine library's message) may follow in parentheses as it is given.
#include "core/files.h"
#include "core/globals.h"
#include "platform/base/error.h"
#include "platform/base/language.h"
#include "platform/base/vbruntime.h"
#include "platform/dao/dao.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>

namespace {

using platform::dao::DatabasePtr;
namespace DBEngine = platform::dao::DBEngine;
namespace JetError = platform::dao::JetError;

// A database with a keyed table, a required field and a few rows.
DatabasePtr NovoBanco(const QString& arquivo)
{
    DatabasePtr db = DBEngine::CreateDatabase(arquivo);
    db->Execute(QStringLiteral("CREATE TABLE T (Codigo LONG CONSTRAINT PK_T PRIMARY KEY, Nome TEXT(50) NOT NULL)"));
    db->Execute(QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (1, 'um')"));
    return db;
}

struct Caso {
    const char* nome;
    long numero;
    std::function<void(const QString& pasta)> provoca;
    const char* p;  // words of the description in each language
    const char* e;
    const char* i;
};

const Caso kCasos[] = {
    {"not a database", JetError::NotADatabase,
     [](const QString& pasta) {
         tqtest::writeFile(pasta + "lixo.mdb", QByteArray(8192, '\x5a'));
         DBEngine::CreateWorkspace("w")->OpenDatabase(pasta + "lixo.mdb");
     },
     "Formato de banco de dados não reconhecido", "Formato de base de datos no reconocido",
     "Unrecognized database format"},
    {"damaged", JetError::Corrupt,
     [](const QString& pasta) {
         {
             DatabasePtr db = NovoBanco(pasta + "b.mdb");
             for (int k = 2; k < 400; ++k)
                 db->Execute(QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (%1, '%2')").arg(k).arg(QString(40, 'x')));
             db->Close();
         }
         // The pages of the table overwritten, the header left.
         QFile f(pasta + "b.mdb");
         ASSERT_TRUE(f.open(QIODevice::ReadWrite));
         f.seek(4096);
         f.write(QByteArray(f.size() - 4096, '\x7f'));
         f.close();
         DBEngine::CreateWorkspace("w")->OpenDatabase(pasta + "b.mdb")->OpenRecordset("SELECT * FROM T");
     },
     "O arquivo pode estar danificado", "El archivo puede estar dañado", "The file may be damaged"},
    {"missing file", JetError::FileNotFound,
     [](const QString& pasta) { DBEngine::CreateWorkspace("w")->OpenDatabase(pasta + "nada.mdb"); },
     "Não foi possível encontrar o arquivo", "No se encuentra el archivo", "Could not find file"},
    {"a folder", JetError::CannotOpen,
     [](const QString& pasta) { DBEngine::CreateWorkspace("w")->OpenDatabase(pasta); },
     "é uma pasta, não um arquivo de banco de dados", "es una carpeta, no un archivo de base de datos",
     "is a folder, not a database file"},
    {"read-only", JetError::ReadOnly,
     [](const QString& pasta) {
         NovoBanco(pasta + "b.mdb")->Close();
         DBEngine::CreateWorkspace("w")->OpenDatabase(pasta + "b.mdb", false, true)->Execute(
             "INSERT INTO T (Codigo, Nome) VALUES (2, 'dois')");
     },
     "somente leitura", "solo lectura", "read-only"},
    {"locked by another program", JetError::Locked,
     [](const QString& pasta) {
         NovoBanco(pasta + "b.mdb")->Close();
         sqlite3* outro = nullptr;
         ASSERT_EQ(sqlite3_open(QString(pasta + "b.mdb").toUtf8().constData(), &outro), SQLITE_OK);
         sqlite3_exec(outro, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
         const std::unique_ptr<sqlite3, int (*)(sqlite3*)> fecha(outro, sqlite3_close);
         DBEngine::CreateWorkspace("w")->OpenDatabase(pasta + "b.mdb")->Execute(
             "INSERT INTO T (Codigo, Nome) VALUES (2, 'dois')");
     },
     "bloqueado por outra sessão", "bloqueada por otra sesión", "currently locked by another session"},
    {"disk full", JetError::DiskFull,
     [](const QString& pasta) {
         DatabasePtr db = NovoBanco(pasta + "b.mdb");
         // The file may not grow past the pages it has.
         sqlite3_exec(db->nativeHandle(), "PRAGMA max_page_count = 3", nullptr, nullptr, nullptr);
         for (int k = 2; k < 1000; ++k)
             db->Execute(QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (%1, '%2')").arg(k).arg(QString(50, 'x')));
     },
     "Recursos do sistema esgotados", "Recursos del sistema agotados", "System resource exceeded"},
    {"duplicate key", JetError::DuplicateKey,
     [](const QString& pasta) { NovoBanco(pasta + "b.mdb")->Execute("INSERT INTO T (Codigo, Nome) VALUES (1, 'de novo')"); },
     "criariam valores repetidos no índice", "crearían valores duplicados en el índice",
     "would create duplicate values in the index"},
    {"required field left Null", JetError::RequiredNull,
     [](const QString& pasta) { NovoBanco(pasta + "b.mdb")->Execute("INSERT INTO T (Codigo) VALUES (2)"); },
     "não pode conter um valor Null", "no puede contener un valor Null", "cannot contain a Null value"},
    {"missing table", JetError::NoSuchTable,
     [](const QString& pasta) { NovoBanco(pasta + "b.mdb")->OpenRecordset("SELECT * FROM VEICULO"); },
     "não encontra a tabela ou consulta de entrada", "no encuentra la tabla o consulta de entrada",
     "cannot find the input table or query"},
    {"missing column", JetError::TooFewParameters,
     [](const QString& pasta) { NovoBanco(pasta + "b.mdb")->OpenRecordset("SELECT DescricaoP FROM T"); },
     "Poucos parâmetros", "Pocos parámetros", "Too few parameters"},
    {"no current record", JetError::NoCurrentRecord,
     [](const QString& pasta) {
         NovoBanco(pasta + "b.mdb")->OpenRecordset("SELECT * FROM T WHERE Codigo = 0", platform::dao::dbOpenSnapshot)->Fields(0).Value();
     },
     "Nenhum registro atual", "No hay ningún registro activo", "No current record"},
    {"a file that is missing", platform::errors::FileNotFound,
     [](const QString& pasta) { Modulo::LeArquivo(pasta + "nada.txt"); }, "Arquivo não encontrado",
     "No se encontró el archivo", "File not found"},
    {"a folder on the way that is missing", platform::errors::PathNotFound,
     [](const QString& pasta) { Modulo::LeArquivo(pasta + "nada/nada.txt"); }, "Caminho não encontrado",
     "No se encontró la ruta de acceso", "Path not found"},
    {"a folder read as a file", 75, [](const QString& pasta) { Modulo::LeArquivo(pasta); },
     "Erro de acesso ao caminho/arquivo", "Error de acceso a la ruta o el archivo", "Path/File access error"},
    {"a path that leaves its folder", 75,
     [](const QString& pasta) { Modulo::CriaPastas(pasta, "a/../../b", false); }, "sai da sua pasta",
     "sale de su carpeta", "leaves its folder"},
    {"a number that is text", platform::errors::TypeMismatch,
     [](const QString&) { platform::vb::CInt(QVariant(QStringLiteral("abc"))); }, "Tipos incompatíveis",
     "No coinciden los tipos", "Type mismatch"},
    {"a number too large", platform::errors::Overflow,
     [](const QString&) { platform::vb::CInt(QVariant(QStringLiteral("99999"))); }, "Estouro", "Desbordamiento",
     "Overflow"},
    {"a Null value", 94, [](const QString&) { platform::vb::CStr(QVariant()); }, "Uso inválido de Null",
     "Uso no válido de Null", "Invalid use of Null"},
};

// The description raised by a case in a run of `idioma`.
QString Descricao(const Caso& c, const char* idioma)
{
    Modulo::gIdioma = QString::fromLatin1(idioma);
    tqtest::TempDir pasta;
    QString descricao;
    try {
        c.provoca(pasta.pathSlash());
        ADD_FAILURE() << "no error";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), c.numero);
        descricao = e.description();
    }
    Modulo::gIdioma = QStringLiteral("P");
    return descricao;
}

}  // namespace

TEST(ErrorTexts, EveryLayerSpeaksTheLanguageOfTheRun)
{
    for (const Caso& c : kCasos) {
        SCOPED_TRACE(c.nome);
        const QString p = Descricao(c, "P"), e = Descricao(c, "E"), i = Descricao(c, "I");
        EXPECT_TRUE(i.contains(QString::fromUtf8(c.i))) << i.toStdString();
        EXPECT_TRUE(p.contains(QString::fromUtf8(c.p))) << p.toStdString();
        EXPECT_TRUE(e.contains(QString::fromUtf8(c.e))) << e.toStdString();
        EXPECT_FALSE(p.contains(QString::fromUtf8(c.i))) << p.toStdString();
        EXPECT_FALSE(e.contains(QString::fromUtf8(c.i))) << e.toStdString();
        EXPECT_NE(p, i);
        EXPECT_NE(e, i);
        EXPECT_NE(p, e);
    }
}

// Without a language source (the programs that have none) the layer words
// its errors in English.
TEST(ErrorTexts, WithoutALanguageTheEnglishWords)
{
    platform::setTextLanguageSource(nullptr);
    Modulo::gIdioma = QStringLiteral("P");
    tqtest::TempDir pasta;
    try {
        DBEngine::CreateWorkspace("w")->OpenDatabase(pasta.file("nada.mdb"));
        ADD_FAILURE() << "no error";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.description(), QStringLiteral("Could not find file '%1'.").arg(pasta.file("nada.mdb")));
    }
    platform::setTextLanguageSource([] { return Modulo::gIdioma; });
}
