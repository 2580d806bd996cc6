#pragma once
// Translation of Jet SQL text into SQLite SQL, and the SQL functions,
// collations and LIKE that give the translated text Jet's meaning.
//
// The translator tokenizes and parses the statement; it never substitutes
// text.  What it does:
//   - string literals in '...' or "..." become SQLite '...' literals; #date#
//     literals (#m/d/yyyy#, #yyyy-mm-dd#, #d-mmm-yyyy#, with or without a
//     time) become day numbers; every name becomes a "quoted" name, so no
//     SQLite keyword gets in the way;
//   - TOP n becomes LIMIT n (TOP n PERCENT too); a union member with TOP
//     becomes a sub-query; DELETE * FROM becomes DELETE FROM; SELECT ... INTO
//     becomes CREATE TABLE ... AS SELECT; UPDATE over an INNER JOIN becomes
//     UPDATE ... FROM; DELETE t.* FROM a join deletes the rows of t it joins;
//   - the operators & (Null-tolerant concatenation), + (text concatenation or
//     addition), - * / \ Mod ^ become calls of registered functions with
//     Jet's precedence kept; True and False become -1 and 0; Xor, Eqv, Imp
//     are written out;
//   - Jet functions become registered functions (Format, IIf, IsNull,
//     IsNumeric, Val, Int, Left, Right, Mid, Len, UCase, LCase, Trim, ...);
//     an unknown function is Jet's 3085;
//   - every comparison (= <> < > <= >= In Between) of which neither operand
//     is a plain column gets the Jet collation; a plain column keeps its
//     declared one and its indexes; computed columns of SELECT DISTINCT and
//     computed GROUP BY terms get the Jet collation as well;
//   - ORDER BY terms get the Jet sort collation, ordinals included; an
//     unqualified name in ORDER BY of a simple SELECT means the column of the
//     FROM tables even where a computed column has that alias, as in Jet;
//   - computed result columns without an alias are named Expr1000, Expr1001...
//   - DDL types map by affinity and keep names the layer reads back
//     (JetTypeFromDeclType); every text column gets the Jet collation; key
//     columns are NOT NULL (Jet refuses Null in a key); a COUNTER is an
//     INTEGER PRIMARY KEY AUTOINCREMENT unless the table declares another key
//     (then a plain INTEGER, not numbered by SQLite); index names carry their
//     table's ("CREATE INDEX i ON t" makes "t_i") so that DROP INDEX i ON t
//     and ALTER TABLE t DROP CONSTRAINT i find them.
//
// Errors of the translation are raised as platform::Error with Jet numbers:
// 3075 syntax error in an expression, 3129 not a statement, 3131 FROM clause,
// 3134 INSERT INTO, 3144 UPDATE, 3290 CREATE TABLE, 3289 CONSTRAINT, 3291
// CREATE INDEX, 3293 ALTER TABLE, 3295 DROP, 3141 SELECT, 3142 characters
// after the end, 3085 unknown function, 3251 a Jet form SQLite cannot do
// (ALTER COLUMN, external databases).  Errors of the registered functions
// while a statement runs reach SQLite as the message "JET<number>:<text>"
// (3464 data type mismatch, 11 division by zero, 6 overflow, 5 invalid
// procedure call, 94 invalid use of Null).

#include "platform/base/error.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

struct sqlite3;

namespace platform::dao::jet {

// Names of the registered collations.
inline constexpr const char* kCollation = "JET";        // equality: case-insensitive, accents count
inline constexpr const char* kSortCollation = "JETSORT"; // order: base letters, accents, case

enum class StatementKind { Select, Insert, Update, Delete, CreateTable, DropTable, AlterTable,
                           CreateIndex, DropIndex, Other };

struct Translation {
    QByteArray sql;                 // UTF-8 SQLite text
    StatementKind kind = StatementKind::Other;
    // The table the statement writes or defines (INSERT, UPDATE, DELETE,
    // SELECT INTO, CREATE/DROP/ALTER TABLE, CREATE/DROP INDEX); for CREATE
    // TABLE and ALTER TABLE ADD COLUMN the fields as Jet sees them (type,
    // size, NOT NULL as declared), for the layer's field properties.
    QString table;
    struct Column { QString name; int jetType; int size; bool required; };
    std::vector<Column> columns;
};

// One Jet statement to SQLite.  Raises platform::Error on a syntax error.
Translation TranslateStatement(const QString& jetSql);

// A criteria expression of FindFirst over a recordset whose fields are
// `fieldNames`.  The result is "SELECT <expr>" in which each field reference
// is a numbered parameter ?N (1-based index into fieldNames); a name qualified
// by a table ("T.Campo") matches the field "Campo".  An unknown name raises
// 3070 ("The Microsoft Jet database engine does not recognize 'x' as a
// valid field name or expression."), a syntax error 3077.
QByteArray TranslateCriteria(const QString& criteria, const QStringList& fieldNames);

// The Jet type (DataTypeEnum) of a column declared with `decl` by the DDL
// map; `size` receives the text length or the byte size of numbers.
int JetTypeFromDeclType(const QString& decl, int* size);

// Registers on a connection the collations, LIKE, and every function that
// translated SQL calls.  Idempotent.  It also turns off SQLite's reading of
// an unknown "name" as a string, so that an unknown column is an error.
void RegisterFunctions(sqlite3* db);

// The Jet collations as plain functions, for code that orders or compares
// texts the way the database does.
int Compare(const QString& a, const QString& b);      // equality order (case ignored)
int CompareSort(const QString& a, const QString& b);  // sort order (case last)
// Jet LIKE: pattern with * ? # [..] [!..], case-insensitive.
bool Like(const QString& text, const QString& pattern);

// Format, IsNumeric, Val and the other run-time conversions that the SQL
// functions share with the catalogue code live in platform/base/vbruntime.h.

}  // namespace platform::dao::jet
