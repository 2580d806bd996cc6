// Jet statements through the translator: the DDL map, the catalogue's own
// statements, the common forms of update scripts, FindFirst criteria and
// syntax errors with Jet's numbers.

#include "jettestdb.h"

#include "platform/dao/dao.h"

#include <gtest/gtest.h>

using namespace platform::dao;
using tqtest::errorNumber;
using tqtest::JetDb;

TEST(JetDdl, TypeMapAndColumnsReadBack)
{
    JetDb db;
    const jet::Translation t = jet::TranslateStatement(QStringLiteral(
        "CREATE TABLE Tudo (a TEXT(12) NOT NULL, b CHAR, c VARCHAR(5), d MEMO, e LONGTEXT, f LONG, g INTEGER, h SHORT, "
        "i BYTE, j BIT, k YESNO, l SINGLE, m DOUBLE, n FLOAT, o CURRENCY, p DATETIME, q DATE, r COUNTER, s LONGBINARY, "
        "u OLEOBJECT, v TEXT(5) Null)"));
    EXPECT_EQ(t.kind, jet::StatementKind::CreateTable);
    EXPECT_EQ(t.table, QStringLiteral("Tudo"));
    db.run(t.sql);

    struct Expect {
        const char* decl;
        int jetType;
        int size;
    };
    const Expect expected[] = {
        {"TEXT(12)", dbText, 12}, {"TEXT(255)", dbText, 255}, {"TEXT(5)", dbText, 5}, {"LONGTEXT", dbMemo, 0},
        {"LONGTEXT", dbMemo, 0},  {"INTEGER", dbLong, 4},     {"INTEGER", dbLong, 4}, {"SMALLINT", dbInteger, 2},
        {"TINYINT", dbByte, 1},   {"BOOLEAN", dbBoolean, 1},  {"BOOLEAN", dbBoolean, 1}, {"REAL", dbSingle, 4},
        {"DOUBLE", dbDouble, 8},  {"DOUBLE", dbDouble, 8},    {"CURRENCY", dbCurrency, 8}, {"DATETIME", dbDate, 8},
        {"DATETIME", dbDate, 8},  {"INTEGER", dbLong, 4},     {"BLOB", dbLongBinary, 0}, {"BLOB", dbLongBinary, 0},
        {"TEXT(5)", dbText, 5},
    };
    const auto info = db.run("SELECT name, type, \"notnull\", pk FROM pragma_table_info('Tudo')");
    ASSERT_EQ(info.size(), std::size(expected));
    ASSERT_EQ(t.columns.size(), std::size(expected));
    for (std::size_t k = 0; k < info.size(); ++k) {
        SCOPED_TRACE(info[k][0].toString().toStdString());
        EXPECT_EQ(info[k][1].toString(), QLatin1String(expected[k].decl));
        int size = -1;
        EXPECT_EQ(jet::JetTypeFromDeclType(info[k][1].toString(), &size), expected[k].jetType);
        EXPECT_EQ(size, expected[k].size);
        EXPECT_EQ(t.columns[k].name, info[k][0].toString());
        EXPECT_EQ(t.columns[k].jetType, expected[k].jetType);
        EXPECT_EQ(t.columns[k].size, expected[k].size);
        EXPECT_EQ(t.columns[k].required, k == 0);
    }
    // The counter is the table's key when nothing else is.
    EXPECT_EQ(info[17][3].toInt(), 1);
    db.exec(QStringLiteral("INSERT INTO Tudo (a) VALUES ('x')"));
    db.exec(QStringLiteral("INSERT INTO Tudo (a) VALUES ('y')"));
    EXPECT_EQ(db.column(QStringLiteral("SELECT r FROM Tudo ORDER BY r")), QStringList({"1", "2"}));

    // Text columns compare the Jet way.
    EXPECT_EQ(db.column(QStringLiteral("SELECT a FROM Tudo WHERE a = 'X'")), QStringList{"x"});

    // Types of other origins by SQLite's affinity rules.
    int size = 0;
    EXPECT_EQ(jet::JetTypeFromDeclType(QStringLiteral("varchar(30)"), &size), dbText);
    EXPECT_EQ(size, 30);
    EXPECT_EQ(jet::JetTypeFromDeclType(QStringLiteral("BIGINT"), &size), dbLong);
    EXPECT_EQ(jet::JetTypeFromDeclType(QStringLiteral("NUMERIC"), &size), dbDouble);
}

TEST(JetDdl, CatalogueTablesKeysAndCounters)
{
    JetDb db;
    // The part-type table and the run tables exactly as the catalogue writes them.
    db.exec(QStringLiteral("CREATE TABLE TIPOPECA(CodigoTipoPeca     TEXT(1)  NOT NULL CONSTRAINT CodigoTipoPeca PRIMARY "
                           "KEY,DescricaoTipoPecaP TEXT(50) NOT NULL,DescricaoTipoPecaE TEXT(50) NOT NULL,"
                           "DescricaoTipoPecaI TEXT(50) NOT NULL )"));
    db.exec(QStringLiteral("INSERT INTO TIPOPECA(CodigoTipoPeca,DescricaoTipoPecaP,DescricaoTipoPecaE,"
                           "DescricaoTipoPecaI) VALUES('T','Transmissão','Transmisión','Transmission')"));
    EXPECT_EQ(errorNumber([&] {
                  db.exec(QStringLiteral("INSERT INTO TIPOPECA VALUES('t','x','y','z')"));
              }),
              -1); // the key ignores case, as in Jet
    EXPECT_EQ(db.column(QStringLiteral("SELECT 1 FROM TIPOPECA WHERE DescricaoTipoPecaP='TRANSMISSÃO'")),
              QStringList{"1"});

    db.exec(QStringLiteral("CREATE TABLE Lista_20240505_0(Tipo          text(3) ,Codigo        long    ,Quantidade    "
                           "short   ,Descricao     text(50),NumeroEmpresa text(30),DescricaoTipo text(30),Opcional      "
                           "text(1) ,CONSTRAINT PKLista_20240505_0 PRIMARY KEY(Tipo, Codigo))"));
    db.exec(QStringLiteral("INSERT INTO Lista_20240505_0(Tipo,Codigo,Quantidade,Descricao,NumeroEmpresa,DescricaoTipo,"
                           "Opcional)VALUES('COM',5,2,'ANEL','501123456','Componente',' ')"));
    EXPECT_NE(errorNumber([&] {
                  db.exec(QStringLiteral("INSERT INTO Lista_20240505_0(Tipo,Codigo)VALUES('com',5)"));
              }),
              0);
    // Jet refuses Null in a key column.
    EXPECT_NE(errorNumber([&] { db.exec(QStringLiteral("INSERT INTO Lista_20240505_0(Codigo)VALUES(6)")); }), 0);

    db.exec(QStringLiteral("CREATE TABLE Cmp_20240505_1A281CEC_0(CodigoComponente        long,NumeroEmpresaComponente "
                           "text(12),DescricaoComponente     text(50),QuantidadeComponente1   text(5) Null,"
                           "QuantidadeComponente2   text(5) Null,ImagensGrid             text(3),Iguais                  "
                           "byte)"));
    db.exec(QStringLiteral("INSERT INTO Cmp_20240505_1A281CEC_0 (CodigoComponente,NumeroEmpresaComponente,"
                           "DescricaoComponente,QuantidadeComponente1,QuantidadeComponente2,ImagensGrid,Iguais) "
                           "VALUES(7,'0501 123 456','ANEL','2',Null,'  ' & Chr(13),0)"));
    EXPECT_EQ(db.column(QStringLiteral("SELECT CodigoComponente FROM Cmp_20240505_1A281CEC_0 WHERE "
                                       "QuantidadeComponente1 Is Not Null AND Iguais = 0")),
              QStringList{"7"});

    // A counter beside another key is a plain number.
    const jet::Translation t = jet::TranslateStatement(
        QStringLiteral("CREATE TABLE n (id COUNTER, k TEXT(5), CONSTRAINT pk PRIMARY KEY (k))"));
    EXPECT_TRUE(t.sql.contains("\"id\" INTEGER"));
    EXPECT_FALSE(t.sql.contains("AUTOINCREMENT"));
    // A counter named as the key carries it.
    EXPECT_TRUE(jet::TranslateStatement(QStringLiteral("CREATE TABLE m (id AUTOINCREMENT, CONSTRAINT pk PRIMARY KEY (id))"))
                    .sql.contains("\"id\" INTEGER CONSTRAINT \"pk\" PRIMARY KEY AUTOINCREMENT"));
}

TEST(JetDdl, IndexesAlterAndDrop)
{
    JetDb db;
    db.exec(QStringLiteral("CREATE TABLE a (x LONG, y TEXT(10))"));
    db.exec(QStringLiteral("CREATE TABLE b (x LONG)"));
    // Index names are per table in Jet: the same name on two tables.
    const jet::Translation ci = jet::TranslateStatement(QStringLiteral("CREATE UNIQUE INDEX ix ON a (y DESC)"));
    EXPECT_EQ(ci.kind, jet::StatementKind::CreateIndex);
    EXPECT_EQ(ci.table, QStringLiteral("a"));
    db.run(ci.sql);
    db.exec(QStringLiteral("CREATE INDEX ix ON b (x) WITH IGNORE NULL"));
    EXPECT_EQ(db.column(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' ORDER BY name")),
              QStringList({"a_ix", "b_ix"}));
    db.exec(QStringLiteral("INSERT INTO a VALUES (1, 'abc')"));
    EXPECT_NE(errorNumber([&] { db.exec(QStringLiteral("INSERT INTO a VALUES (2, 'ABC')")); }), 0);
    const jet::Translation di = jet::TranslateStatement(QStringLiteral("DROP INDEX ix ON a"));
    EXPECT_EQ(di.kind, jet::StatementKind::DropIndex);
    db.run(di.sql);
    EXPECT_EQ(db.column(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index'")), QStringList{"b_ix"});

    const jet::Translation add = jet::TranslateStatement(QStringLiteral("ALTER TABLE a ADD COLUMN z TEXT(20)"));
    EXPECT_EQ(add.kind, jet::StatementKind::AlterTable);
    ASSERT_EQ(add.columns.size(), 1u);
    EXPECT_EQ(add.columns[0].jetType, dbText);
    EXPECT_EQ(add.columns[0].size, 20);
    db.run(add.sql);
    db.exec(QStringLiteral("ALTER TABLE a ADD w SHORT"));
    db.exec(QStringLiteral("ALTER TABLE a DROP COLUMN w"));
    db.exec(QStringLiteral("ALTER TABLE a ADD CONSTRAINT uz UNIQUE (z)"));
    db.exec(QStringLiteral("ALTER TABLE a DROP CONSTRAINT uz"));
    EXPECT_EQ(db.run("SELECT name, type FROM pragma_table_info('a')").size(), 3u);
    EXPECT_EQ(db.run("SELECT name, type FROM pragma_table_info('a')")[2][1].toString(), QStringLiteral("TEXT(20)"));

    const jet::Translation dt = jet::TranslateStatement(QStringLiteral("DROP TABLE b"));
    EXPECT_EQ(dt.kind, jet::StatementKind::DropTable);
    EXPECT_EQ(dt.table, QStringLiteral("b"));
    db.run(dt.sql);
    EXPECT_EQ(errorNumber([&] { jet::TranslateStatement(QStringLiteral("ALTER TABLE a ALTER COLUMN y TEXT(30)")); }),
              3251);
}

namespace {

// The tables of the catalogue search, with a few rows.
void searchFixture(JetDb& db)
{
    for (const char* ddl : {
             "CREATE TABLE COMPONENTE (CodigoCOMPONENTE LONG, NumeroEmpresaCOMPONENTE TEXT(12), "
             "DescricaoCOMPONENTEP TEXT(50), ImagensGrid TEXT(4))",
             "CREATE TABLE JOGOREPARO (CodigoJOGOREPARO LONG, NumeroEmpresaJOGOREPARO TEXT(12), "
             "DescricaoJOGOREPAROP TEXT(50), ImagensGrid TEXT(4))",
             "CREATE TABLE PECA (CodigoPECA LONG, NumeroEmpresaPECA TEXT(12), DescricaoPECAP TEXT(50), "
             "DescricaoPECAPesquisaP TEXT(50), TipoPeca TEXT(1), ImagensGrid TEXT(4))",
             "CREATE TABLE TIPOPECA (CodigoTipoPeca TEXT(1), DescricaoTipoPecaP TEXT(50))",
         })
        db.exec(QString::fromUtf8(ddl));
    for (const char* row : {
             "INSERT INTO COMPONENTE VALUES (1, '501234567', 'ANEL DE VEDAÇÃO', '    ')",
             "INSERT INTO COMPONENTE VALUES (2, '50123', 'arruela', '    ')",
             "INSERT INTO COMPONENTE VALUES (3, '601000000', 'BUCHA', '    ')",
             "INSERT INTO JOGOREPARO VALUES (1, '5012999', 'JOGO DE JUNTAS', '    ')",
             "INSERT INTO PECA VALUES (1, '501200001', 'TRANSMISSÃO X', 'TRANSMISSAO X', 'T', '    ')",
             "INSERT INTO PECA VALUES (2, '501200002', 'EIXO Y', 'EIXO Y', 'E', '    ')",
             "INSERT INTO TIPOPECA VALUES ('T', 'Transmissão')",
             "INSERT INTO TIPOPECA VALUES ('E', 'Eixo')",
         })
        db.exec(QString::fromUtf8(row));
}

}  // namespace

TEST(JetStatement, CatalogueSearchOfTheWorkedExample)
{
    JetDb db;
    searchFixture(db);
    // Edition V, language P, all kinds ticked, number box 0501-2, order "1".
    const QString sql = QStringLiteral(
        "SELECT Format(COMPONENTE.NumeroEmpresaCOMPONENTE,'0000 000 000') As NumeroEmpresa,"
        "COMPONENTE.DescricaoCOMPONENTEP AS Descricao,'Componente' AS Tipo,COMPONENTE.CodigoCOMPONENTE AS Codigo,"
        "COMPONENTE.ImagensGrid FROM COMPONENTE WHERE COMPONENTE.NumeroEmpresaCOMPONENTE LIKE '5012*' UNION ALL "
        "SELECT Format(JOGOREPARO.NumeroEmpresaJOGOREPARO,'0000 000 000') As NumeroEmpresa,"
        "JOGOREPARO.DescricaoJOGOREPAROP AS Descricao,'Jogo de Reparo' AS Tipo,JOGOREPARO.CodigoJOGOREPARO AS Codigo,"
        "JOGOREPARO.ImagensGrid FROM JOGOREPARO WHERE JOGOREPARO.NumeroEmpresaJOGOREPARO LIKE '5012*' UNION ALL "
        "SELECT Format(PECA.NumeroEmpresaPECA,'0000 000 000') As NumeroEmpresa,PECA.DescricaoPECAP AS Descricao,"
        "TIPOPECA.DescricaoTipoPecaP AS Tipo,PECA.CodigoPECA AS Codigo,PECA.ImagensGrid FROM PECA LEFT JOIN TIPOPECA "
        "ON PECA.TipoPeca = TIPOPECA.CodigoTipoPeca WHERE PECA.NumeroEmpresaPECA LIKE '5012*' AND TipoPeca = 'T' "
        "ORDER BY 1");
    EXPECT_EQ(db.columnNames(sql), QStringList({"NumeroEmpresa", "Descricao", "Tipo", "Codigo", "ImagensGrid"}));
    const auto rows = db.rows(sql);
    QStringList got;
    for (const QVariantList& r : rows)
        got << r[0].toString() + QLatin1Char('|') + r[2].toString() + QLatin1Char('|') + r[3].toString();
    EXPECT_EQ(got, QStringList({"0000 050 123|Componente|2", "0005 012 999|Jogo de Reparo|1",
                                "0501 200 001|Transmissão|1", "0501 234 567|Componente|1"}));

    // The description box: letters widened to their accent classes, in any case.
    const QString byDescription = QStringLiteral(
        "SELECT Format(COMPONENTE.NumeroEmpresaCOMPONENTE,'0000 000 000') As NumeroEmpresa,"
        "COMPONENTE.DescricaoCOMPONENTEP AS Descricao FROM COMPONENTE WHERE COMPONENTE.DescricaoCOMPONENTEP LIKE "
        "'*V[EÉÈÊË]D[AÁÀÂÄÃª][CÇ][AÁÀÂÄÃª][OÓÒÔÖÕº]*' UNION ALL SELECT Format(PECA.NumeroEmpresaPECA,'0000 000 000') "
        "As NumeroEmpresa,PECA.DescricaoPECAP AS Descricao FROM PECA LEFT JOIN TIPOPECA ON PECA.TipoPeca = "
        "TIPOPECA.CodigoTipoPeca WHERE PECA.DescricaoPECAPesquisaP LIKE '*TR[AÁÀÂÄÃª]NSM*' ORDER BY 2");
    EXPECT_EQ(db.column(byDescription), QStringList({"0501 234 567", "0501 200 001"}));

    // All boxes empty: every row, sorted by the formatted number.
    EXPECT_EQ(db.column(QStringLiteral("SELECT Format(COMPONENTE.NumeroEmpresaCOMPONENTE,'0000 000 000') As "
                                       "NumeroEmpresa FROM COMPONENTE UNION ALL SELECT "
                                       "Format(PECA.NumeroEmpresaPECA,'0000 000 000') As NumeroEmpresa FROM PECA LEFT "
                                       "JOIN TIPOPECA ON PECA.TipoPeca = TIPOPECA.CodigoTipoPeca ORDER BY 1"))
                  .size(),
              5);
}

TEST(JetStatement, CatalogueQueryForms)
{
    JetDb db;
    searchFixture(db);
    db.exec(QStringLiteral("CREATE TABLE CODIGOFABRICANTE (Codigo LONG)"));
    db.exec(QStringLiteral("INSERT INTO CODIGOFABRICANTE VALUES (1)"));

    // A union whose ORDER BY names a column alias; the constant row sorts first.
    EXPECT_EQ(db.column(QStringLiteral("SELECT CodigoTipoPeca,DescricaoTipoPecaP AS DescricaoTipoPeca,1 AS OrderBy FROM "
                                       "TIPOPECA UNION ALL SELECT ' ' AS CodigoTipoPeca, 'TODOS' AS DescricaoTipoPeca, "
                                       "0 AS OrderBy FROM CODIGOFABRICANTE UNION ALL SELECT '2' AS CodigoTipoPeca, "
                                       "'Componente' AS DescricaoTipoPeca, 4 AS OrderBy FROM CODIGOFABRICANTE ORDER BY "
                                       "3,2")),
              QStringList({" ", "E", "T", "2"}));

    // "= Null" is never true; Chr(13) inside a literal; EXISTS.
    EXPECT_EQ(db.column(QStringLiteral("SELECT ' ' & IIF(EXISTS(SELECT 1 FROM PECA AS A WHERE A.CodigoPECA = "
                                       "COMPONENTE.CodigoCOMPONENTE AND (A.TipoPeca = Null OR A.TipoPeca = 'T')),' ','\r') "
                                       "AS ImagensGrid FROM COMPONENTE ORDER BY COMPONENTE.CodigoCOMPONENTE")),
              QStringList({"  ", " \r", " \r"}));

    // Aggregates over IIf, IsNumeric and Val; Mid of Min.
    db.exec(QStringLiteral("CREATE TABLE PC (CodigoComponente LONG, QuantidadeComponente TEXT(5), ImagensGrid TEXT(4))"));
    for (const char* r : {"(1, '2', ' X  ')", "(1, '1.5', '  X ')", "(1, 'A', '    ')", "(2, Null, 'X   ')"})
        db.exec(QStringLiteral("INSERT INTO PC VALUES %1").arg(QLatin1String(r)));
    const auto agg = db.rows(QStringLiteral(
        "SELECT PC.CodigoComponente, Sum(IIF(IsNumeric(PC.QuantidadeComponente), Val(PC.QuantidadeComponente), 0)) AS "
        "Q, Max(Mid(PC.ImagensGrid, 2, 1)) AS Opcional, Sum(IIF(IsNumeric(PC.QuantidadeComponente), "
        "Int(PC.QuantidadeComponente), 1)) AS QI FROM PC GROUP BY PC.CodigoComponente ORDER BY PC.CodigoComponente"));
    ASSERT_EQ(agg.size(), 2u);
    EXPECT_DOUBLE_EQ(agg[0][1].toDouble(), 3.5);
    EXPECT_EQ(agg[0][2].toString(), QStringLiteral("X"));
    EXPECT_EQ(agg[0][3].toInt(), 4);
    EXPECT_EQ(agg[1][2].toString(), QStringLiteral(" "));

    // ORDER BY a name that is both a column and an alias sorts by the column.
    db.exec(QStringLiteral("CREATE TABLE N (NumeroEmpresa TEXT(12))"));
    for (const char* n : {"99", "501123456", "7"})
        db.exec(QStringLiteral("INSERT INTO N VALUES ('%1')").arg(QLatin1String(n)));
    EXPECT_EQ(db.column(QStringLiteral("SELECT Format(N.NumeroEmpresa, '0000 000 000') AS NumeroEmpresa FROM N ORDER "
                                       "BY NumeroEmpresa")),
              QStringList({"0501 123 456", "0000 000 007", "0000 000 099"}));
    // Unnamed computed columns are named as Jet names them.
    EXPECT_EQ(db.columnNames(QStringLiteral("SELECT 1, N.NumeroEmpresa, Len(NumeroEmpresa) FROM N")),
              QStringList({"Expr1000", "NumeroEmpresa", "Expr1001"}));
}

TEST(JetStatement, UpdateScriptForms)
{
    JetDb db;
    db.exec(QStringLiteral("CREATE TABLE [Tabela Nova] (Id LONG, [Descrição] TEXT(30), Valor DOUBLE, Quando DATETIME)"));
    db.exec(QStringLiteral("INSERT INTO [Tabela Nova] (Id, [Descrição], Valor) VALUES (1, \"com \"\"aspas\"\"\", 1.5)"));
    db.exec(QStringLiteral("INSERT INTO [Tabela Nova] VALUES (2, 'd''água', -2, #2024-05-06#)"));
    db.exec(QStringLiteral("INSERT INTO [Tabela Nova] (Id, Valor) SELECT Id + 10, Valor * 2 FROM [Tabela Nova]"));
    EXPECT_EQ(db.column(QStringLiteral("SELECT [Descrição] FROM [Tabela Nova] WHERE Id < 10 ORDER BY Id")),
              QStringList({"com \"aspas\"", "d'água"}));
    db.exec(QStringLiteral("UPDATE [Tabela Nova] SET Valor = Valor + 1, [Tabela Nova].Quando = DateSerial(2024,5,5) "
                           "WHERE Id = 1"));
    EXPECT_EQ(db.column(QStringLiteral("SELECT Format(Quando, 'dd/mm/yyyy') & ' ' & Valor FROM [Tabela Nova] WHERE Id = "
                                       "1")),
              QStringList{"05/05/2024 2.5"});
    db.exec(QStringLiteral("DELETE * FROM [Tabela Nova] WHERE Id > 10 AND Valor < 0"));
    db.exec(QStringLiteral("DELETE FROM [Tabela Nova] WHERE Quando = #5/6/2024#"));
    EXPECT_EQ(db.column(QStringLiteral("SELECT Id FROM [Tabela Nova] ORDER BY Id")), QStringList({"1", "11"}));

    // Joined updates and deletes.
    db.exec(QStringLiteral("CREATE TABLE P (Codigo LONG, Preco CURRENCY)"));
    db.exec(QStringLiteral("CREATE TABLE Novo (Codigo LONG, Preco CURRENCY)"));
    db.exec(QStringLiteral("INSERT INTO P VALUES (1, 10)"));
    db.exec(QStringLiteral("INSERT INTO P VALUES (2, 20)"));
    db.exec(QStringLiteral("INSERT INTO Novo VALUES (2, 25)"));
    db.exec(QStringLiteral("UPDATE P INNER JOIN Novo ON P.Codigo = Novo.Codigo SET P.Preco = Novo.Preco"));
    EXPECT_EQ(db.column(QStringLiteral("SELECT Preco FROM P ORDER BY Codigo")), QStringList({"10", "25"}));
    db.exec(QStringLiteral("DELETE P.* FROM P INNER JOIN Novo ON P.Codigo = Novo.Codigo"));
    EXPECT_EQ(db.column(QStringLiteral("SELECT Codigo FROM P")), QStringList{"1"});

    // SELECT ... INTO makes a table.
    const jet::Translation into = jet::TranslateStatement(QStringLiteral("SELECT Codigo, Preco INTO Copia FROM P"));
    EXPECT_EQ(into.kind, jet::StatementKind::CreateTable);
    EXPECT_EQ(into.table, QStringLiteral("Copia"));
    db.run(into.sql);
    EXPECT_EQ(db.column(QStringLiteral("SELECT Codigo FROM Copia")), QStringList{"1"});

    // The lock statement of the catalogue.
    db.exec(QStringLiteral("CREATE TABLE CONTROLETRAN (a LONG)"));
    db.exec(QStringLiteral("UPDATE CONTROLETRAN SET a = a"));
}

TEST(JetStatement, FindFirstCriteria)
{
    JetDb db;
    const QStringList fields = {"Tipo", "Codigo", "ItemComponente", "CodigoTipoPeca"};
    struct Case {
        const char* criteria;
        QVariantList row;
        int expected;
    } cases[] = {
        {"CodigoTipoPeca='T'", {"COM", 5, "12.345", "t"}, 1},
        {"Tipo = 'COM' AND Codigo = 5", {"com", 5, "", ""}, 1},
        {"Tipo = 'COM' AND Codigo = 5", {"COM", 6, "", ""}, 0},
        {"ItemComponente LIKE '12*'", {"", 0, "12.345", ""}, 1},
        {"ItemComponente LIKE '[*'", {"", 0, "[*", ""}, 0},
        {"ItemComponente = '12.345' AND Codigo=7", {"", 7, "12.345", ""}, 1},
        {"T.Codigo IN (1,2,7)", {"", 7, "", ""}, 1},
        {"[Codigo] = 5", {"", 5, "", ""}, 1},
        {"ItemComponente = Null", {"", 5, QVariant(), ""}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.criteria);
        const QByteArray sql = jet::TranslateCriteria(QString::fromUtf8(c.criteria), fields);
        ASSERT_TRUE(sql.startsWith("SELECT "));
        const auto r = db.run(sql, c.row);
        if (c.expected < 0)
            EXPECT_FALSE(r[0][0].isValid());
        else
            EXPECT_EQ(r[0][0].toInt() != 0, c.expected == 1);
    }
    EXPECT_EQ(jet::TranslateCriteria(QStringLiteral("Codigo = 5 OR codigo = 6"), fields),
              QByteArray("SELECT ((?2 = 5 COLLATE JET) OR (?2 = 6 COLLATE JET))"));
    EXPECT_EQ(errorNumber([&] { jet::TranslateCriteria(QStringLiteral("Desconhecido = 1"), fields); }), 3070);
    EXPECT_EQ(errorNumber([&] { jet::TranslateCriteria(QStringLiteral("Codigo = "), fields); }), 3077);
    EXPECT_EQ(errorNumber([&] { jet::TranslateCriteria(QString(), fields); }), 3077);
}

TEST(JetStatement, SyntaxErrorsCarryJetNumbers)
{
    struct Case {
        const char* sql;
        long number;
    } cases[] = {
        {"SELEC * FROM t", 3129},
        {"", 3129},
        {"SELECT a FROM t WHERE (a = 1", 3075},
        {"SELECT a FROM t WHERE a = 'abc", 3075},
        {"SELECT a FROM t WHERE a = #13/45/2024#", 3075},
        {"SELECT a + FROM t", 3075},
        {"SELECT Foo(a) FROM t", 3085},
        {"SELECT Left(a) FROM t", 3075},
        {"SELECT a FROM", 3131},
        {"SELECT a FROM t INNER JOIN u", 3131},
        {"SELECT a FROM t; DROP TABLE t", 3142},
        {"SELECT a b c FROM t", 3142},
        {"INSERT INTO t (a VALUES (1)", 3134},
        {"INSERT t VALUES (1)", 3134},
        {"UPDATE t a = 1", 3144},
        {"CREATE TABLE t (a FOO)", 3290},
        {"CREATE TABLE t ()", 3290},
        {"CREATE TABLE t (a LONG, CONSTRAINT PRIMARY KEY (a))", 3289},
        {"CREATE INDEX i ON t", 3291},
        {"DROP INDEX i", 3295},
        {"ALTER TABLE t RENAME TO u", 3293},
        {"SELECT a FROM t WHERE a = ?", 3075},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        EXPECT_EQ(errorNumber([&] { jet::TranslateStatement(QString::fromUtf8(c.sql)); }), c.number);
    }
    try {
        jet::TranslateStatement(QStringLiteral("SELECT a FROM t WHERE a = 1 +"));
        FAIL();
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.description(), QStringLiteral("Syntax error (missing operator) in query expression 'a = 1 +'."));
    }
}
