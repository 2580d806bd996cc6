#pragma once
// Translation of Jet SQL text into SQLite SQL, and the SQL functions,
// collations and LIKE that give the translated text Jet's meaning.
//
// The translator tokenizes and parses the statement; it never substitutes
// text.  What it does:
//   - string literals in '...' or "..." become SQLite '...' literals; #date#
//     literals become day numbers; [bracketed names] become "quoted" names;
//   - TOP n becomes LIMIT n; DELETE * FROM becomes DELETE FROM;
//   - the operators & (Null-tolerant concatenation), + (text concatenation or
//     addition), \ (integer division), Mod, ^ become calls of registered
//     functions with Jet's precedence kept; True and False become -1 and 0;
//   - Jet functions become registered functions (Format, IIf, IsNull,
//     IsNumeric, Val, Int, Left, Right, Mid, Len, UCase, LCase, Trim, ...);
//   - every comparison between two operands of which neither is a plain
//     column gets the Jet collation; ORDER BY terms get the Jet sort collation;
//   - DDL types map by affinity, and every text column gets the Jet collation.
//
// Errors are raised as platform::Error with Jet numbers (3075 syntax error in
// an expression, 3129 not a statement, ...).

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
    // DDL only: the table created, and for CREATE TABLE its fields as Jet
    // sees them (type, size, NOT NULL), for the layer's field properties.
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
// valid field name or expression.").
QByteArray TranslateCriteria(const QString& criteria, const QStringList& fieldNames);

// The Jet type (DataTypeEnum) of a column declared with `decl` by the DDL
// map; `size` receives the text length or the byte size of numbers.
int JetTypeFromDeclType(const QString& decl, int* size);

// Registers on a connection the collations, LIKE, and every function that
// translated SQL calls.  Idempotent.
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
