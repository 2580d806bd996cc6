// The translator: a recursive-descent parser of Jet SQL that writes SQLite
// text as it goes.  Operator precedence is Jet's, from the tightest:
//   ^ ; unary - ; * / ; \ ; Mod ; + - ; & ; comparisons (= <> < > <= >=
//   Like Is In Between) ; Not ; And ; Or ; Xor ; Eqv ; Imp
// Every operation is written fully parenthesised, so SQLite's own
// precedence never comes into play.

#include "platform/dao/jetsql.h"

#include "platform/base/vbruntime.h"
#include "platform/dao/dao.h"
#include "platform/dao/jettokenizer.h"

#include <QDate>
#include <QSet>

#include <functional>

#include <charconv>
#include <cmath>

namespace platform::dao::jet {
namespace {

using detail::Token;
using detail::TokenKind;

const QString kSource = QStringLiteral("DAO");

QString quoteName(QString name)
{
    name.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + name + QLatin1Char('"');
}

QString quoteText(QString text)
{
    text.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

QString numberText(double v)
{
    if (v == std::trunc(v) && std::fabs(v) < 1e15)
        return QString::number(static_cast<long long>(v));
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, r.ptr - buf);
}

// An expression as SQLite text, with what the translator needs to know of it.
struct Expr {
    QString sql;
    bool column = false;    // a plain column reference
    bool qualified = false; // ... written with its table
    bool integer = false;   // an unsigned integer literal
    bool star = false;      // t.*
};

// Words that cannot start an operand.
bool isReserved(const Token& t)
{
    static const QSet<QString> words = {
        QStringLiteral("SELECT"), QStringLiteral("FROM"),     QStringLiteral("WHERE"),   QStringLiteral("GROUP"),
        QStringLiteral("ORDER"),  QStringLiteral("HAVING"),   QStringLiteral("UNION"),   QStringLiteral("AS"),
        QStringLiteral("ON"),     QStringLiteral("JOIN"),     QStringLiteral("INNER"),   QStringLiteral("OUTER"),
        QStringLiteral("INTO"),   QStringLiteral("VALUES"),   QStringLiteral("SET"),     QStringLiteral("AND"),
        QStringLiteral("OR"),     QStringLiteral("XOR"),      QStringLiteral("EQV"),     QStringLiteral("IMP"),
        QStringLiteral("MOD"),    QStringLiteral("LIKE"),     QStringLiteral("IS"),      QStringLiteral("IN"),
        QStringLiteral("BETWEEN"), QStringLiteral("BY"),      QStringLiteral("DISTINCT"), QStringLiteral("DISTINCTROW"),
        QStringLiteral("TOP"),    QStringLiteral("ASC"),      QStringLiteral("DESC"),    QStringLiteral("NOT"),
        QStringLiteral("CONSTRAINT"), QStringLiteral("PRIMARY"), QStringLiteral("KEY"),
    };
    return t.kind == TokenKind::Word && words.contains(t.text.toUpper());
}

// Words that end a table reference (so they are no alias).
bool endsTableRef(const Token& t)
{
    static const QSet<QString> words = {
        QStringLiteral("INNER"), QStringLiteral("LEFT"),  QStringLiteral("RIGHT"), QStringLiteral("JOIN"),
        QStringLiteral("ON"),    QStringLiteral("WHERE"), QStringLiteral("GROUP"), QStringLiteral("ORDER"),
        QStringLiteral("HAVING"), QStringLiteral("UNION"), QStringLiteral("IN"),   QStringLiteral("SET"),
        QStringLiteral("OUTER"), QStringLiteral("FULL"),  QStringLiteral("CROSS"), QStringLiteral("INTO"),
    };
    return t.kind != TokenKind::Word || words.contains(t.text.toUpper());
}

// ---------------------------------------------------------------------------
// Jet functions and the registered functions that carry them out.

struct FunctionInfo {
    const char* jet;
    const char* sql;
    int minArgs, maxArgs;
    bool aggregate;
};

const FunctionInfo kFunctions[] = {
    {"FORMAT", "jet_format", 1, 4, false},       {"ISNULL", "jet_isnull", 1, 1, false},
    {"ISNUMERIC", "jet_isnumeric", 1, 1, false}, {"ISDATE", "jet_isdate", 1, 1, false},
    {"VAL", "jet_val", 1, 1, false},             {"INT", "jet_int", 1, 1, false},
    {"FIX", "jet_fix", 1, 1, false},             {"LEFT", "jet_left", 2, 2, false},
    {"RIGHT", "jet_right", 2, 2, false},         {"MID", "jet_mid", 2, 3, false},
    {"LEN", "jet_len", 1, 1, false},             {"UCASE", "jet_ucase", 1, 1, false},
    {"LCASE", "jet_lcase", 1, 1, false},         {"TRIM", "jet_trim", 1, 1, false},
    {"LTRIM", "jet_ltrim", 1, 1, false},         {"RTRIM", "jet_rtrim", 1, 1, false},
    {"DATESERIAL", "jet_dateserial", 3, 3, false}, {"TIMESERIAL", "jet_timeserial", 3, 3, false},
    {"NOW", "jet_now", 0, 0, false},             {"DATE", "jet_date", 0, 0, false},
    {"TIME", "jet_time", 0, 0, false},           {"YEAR", "jet_year", 1, 1, false},
    {"MONTH", "jet_month", 1, 1, false},         {"DAY", "jet_day", 1, 1, false},
    {"HOUR", "jet_hour", 1, 1, false},           {"MINUTE", "jet_minute", 1, 1, false},
    {"SECOND", "jet_second", 1, 1, false},       {"WEEKDAY", "jet_weekday", 1, 2, false},
    {"DATEADD", "jet_dateadd", 3, 3, false},     {"DATEDIFF", "jet_datediff", 3, 5, false},
    {"DATEPART", "jet_datepart", 2, 4, false},   {"DATEVALUE", "jet_datevalue", 1, 1, false},
    {"TIMEVALUE", "jet_timevalue", 1, 1, false}, {"CDATE", "jet_cdate", 1, 1, false},
    {"CVDATE", "jet_cdate", 1, 1, false},        {"CSTR", "jet_cstr", 1, 1, false},
    {"CLNG", "jet_clng", 1, 1, false},           {"CINT", "jet_cint", 1, 1, false},
    {"CBYTE", "jet_cbyte", 1, 1, false},         {"CDBL", "jet_cdbl", 1, 1, false},
    {"CSNG", "jet_csng", 1, 1, false},           {"CCUR", "jet_ccur", 1, 1, false},
    {"CBOOL", "jet_cbool", 1, 1, false},         {"NZ", "jet_nz", 1, 2, false},
    {"INSTR", "jet_instr", 2, 4, false},         {"REPLACE", "jet_replace", 3, 6, false},
    {"ABS", "jet_abs", 1, 1, false},             {"SGN", "jet_sgn", 1, 1, false},
    {"SQR", "jet_sqr", 1, 1, false},             {"ROUND", "jet_round", 1, 2, false},
    {"EXP", "jet_exp", 1, 1, false},             {"LOG", "jet_log", 1, 1, false},
    {"CHR", "jet_chr", 1, 1, false},             {"ASC", "jet_asc", 1, 1, false},
    {"SPACE", "jet_space", 1, 1, false},         {"STRING", "jet_string", 2, 2, false},
    {"STR", "jet_str", 1, 1, false},             {"HEX", "jet_hex", 1, 1, false},
    {"STRCOMP", "jet_strcomp", 2, 3, false},     {"COUNT", "count", 1, 1, true},
    {"SUM", "sum", 1, 1, true},                  {"AVG", "avg", 1, 1, true},
    {"MIN", "min", 1, 1, true},                  {"MAX", "max", 1, 1, true},
    {"FIRST", "jet_first", 1, 1, true},          {"LAST", "jet_last", 1, 1, true},
};

const FunctionInfo* findFunction(const QString& upperName)
{
    for (const FunctionInfo& f : kFunctions)
        if (upperName == QLatin1String(f.jet))
            return &f;
    return nullptr;
}

// ---------------------------------------------------------------------------
// The DDL type map.

struct TypeMap {
    const char* decl; // SQLite declared type; "TEXT" gets its size
    int jetType;
    int size;
    bool text;
    bool counter;
};

bool mapType(const QString& upperType, int sizeArg, TypeMap* out)
{
    struct Entry {
        const char* names[8];
        TypeMap map;
    };
    static const Entry table[] = {
        {{"TEXT", "CHAR", "VARCHAR", "STRING", "ALPHANUMERIC", "CHARACTER", "NCHAR", "NVARCHAR"},
         {"TEXT", dbText, 255, true, false}},
        {{"MEMO", "LONGTEXT", "LONGCHAR", "NOTE", "NTEXT", nullptr}, {"LONGTEXT", dbMemo, 0, true, false}},
        {{"LONG", "INTEGER", "INT", "INTEGER4", nullptr}, {"INTEGER", dbLong, 4, false, false}},
        {{"SHORT", "SMALLINT", "INTEGER2", nullptr}, {"SMALLINT", dbInteger, 2, false, false}},
        {{"BYTE", "TINYINT", "INTEGER1", nullptr}, {"TINYINT", dbByte, 1, false, false}},
        {{"BIT", "YESNO", "LOGICAL", "LOGICAL1", "BOOLEAN", nullptr}, {"BOOLEAN", dbBoolean, 1, false, false}},
        {{"SINGLE", "REAL", "FLOAT4", "IEEESINGLE", nullptr}, {"REAL", dbSingle, 4, false, false}},
        {{"DOUBLE", "FLOAT", "NUMBER", "FLOAT8", "IEEEDOUBLE", "NUMERIC", "DECIMAL", nullptr},
         {"DOUBLE", dbDouble, 8, false, false}},
        {{"CURRENCY", "MONEY", nullptr}, {"CURRENCY", dbCurrency, 8, false, false}},
        {{"DATETIME", "DATE", "TIME", "TIMESTAMP", nullptr}, {"DATETIME", dbDate, 8, false, false}},
        {{"COUNTER", "AUTOINCREMENT", "IDENTITY", nullptr}, {"INTEGER", dbLong, 4, false, true}},
        {{"BINARY", "VARBINARY", "LONGBINARY", "OLEOBJECT", "GENERAL", "IMAGE", nullptr},
         {"BLOB", dbLongBinary, 0, false, false}},
        {{"GUID", "UNIQUEIDENTIFIER", nullptr}, {"TEXT", dbText, 38, true, false}},
    };
    for (const Entry& e : table)
        for (const char* n : e.names) {
            if (!n)
                break;
            if (upperType == QLatin1String(n)) {
                *out = e.map;
                if (out->jetType == dbText && sizeArg > 0)
                    out->size = sizeArg;
                return true;
            }
        }
    return false;
}

// ---------------------------------------------------------------------------
// Date literals: #m/d/yyyy#, #yyyy-mm-dd#, #d-mmm-yyyy#, #mmm d, yyyy#, with
// or without a time (#h:nn[:ss] [AM|PM]#), or a time alone.

int monthOfName(const QString& w)
{
    static const char* const names[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                        "jul", "aug", "sep", "oct", "nov", "dec"};
    const QString l = w.toLower();
    if (l.size() < 3)
        return 0;
    for (int k = 0; k < 12; ++k)
        if (l.startsWith(QLatin1String(names[k])))
            return k + 1;
    return 0;
}

bool parseJetDate(const QString& text, double* out)
{
    QString s = text.trimmed();
    int ampm = 0;
    if (s.endsWith(QLatin1String("AM"), Qt::CaseInsensitive) || s.endsWith(QLatin1String("PM"), Qt::CaseInsensitive)) {
        ampm = s.right(2).toUpper() == QLatin1String("PM") ? 2 : 1;
        s.chop(2);
        s = s.trimmed();
    }
    QString datePart, timePart;
    for (const QString& p : s.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (p.contains(QLatin1Char(':')))
            timePart = p;
        else
            datePart += (datePart.isEmpty() ? QString() : QStringLiteral(" ")) + p;
    }
    if (ampm && timePart.isEmpty())
        return false;
    double days = 0;
    if (!datePart.isEmpty()) {
        QStringList f;
        QString cur;
        for (QChar c : datePart) {
            if (c == QLatin1Char('-') || c == QLatin1Char('/') || c == QLatin1Char(' ') || c == QLatin1Char(',') ||
                c == QLatin1Char('.')) {
                if (!cur.isEmpty())
                    f << cur;
                cur.clear();
            } else {
                cur += c;
            }
        }
        if (!cur.isEmpty())
            f << cur;
        if (f.size() != 3)
            return false;
        int y = 0, m = 0, d = 0, named = -1;
        for (int k = 0; k < 3; ++k)
            if (monthOfName(f[k])) {
                named = k;
                m = monthOfName(f[k]);
            }
        bool ok[3] = {true, true, true};
        int v[3];
        for (int k = 0; k < 3; ++k)
            v[k] = k == named ? 0 : f[k].toInt(&ok[k]);
        if (!ok[0] || !ok[1] || !ok[2])
            return false;
        bool fourDigitYear = false;
        if (named >= 0) {
            const int a = named == 0 ? 1 : 0, b = named == 2 ? 1 : 2;
            const bool aIsYear = f[a].size() == 4 || v[a] > 31;
            y = aIsYear ? v[a] : v[b];
            d = aIsYear ? v[b] : v[a];
            fourDigitYear = (aIsYear ? f[a] : f[b]).size() > 2;
        } else if (f[0].size() == 4) {
            y = v[0], m = v[1], d = v[2];
            fourDigitYear = true;
        } else {
            m = v[0], d = v[1], y = v[2];
            fourDigitYear = f[2].size() > 2;
        }
        if (!fourDigitYear)
            y += y < 30 ? 2000 : 1900;
        const QDate date(y, m, d);
        if (!date.isValid())
            return false;
        days = vb::ToDayNumber(date);
    }
    if (!timePart.isEmpty()) {
        const QStringList f = timePart.split(QLatin1Char(':'));
        if (f.size() < 2 || f.size() > 3)
            return false;
        int hms[3] = {0, 0, 0};
        for (int k = 0; k < f.size(); ++k) {
            bool ok;
            hms[k] = f[k].toInt(&ok);
            if (!ok || hms[k] < 0)
                return false;
        }
        if (ampm) {
            if (hms[0] < 1 || hms[0] > 12)
                return false;
            hms[0] = hms[0] % 12 + (ampm == 2 ? 12 : 0);
        }
        if (hms[0] > 23 || hms[1] > 59 || hms[2] > 59)
            return false;
        const double frac = vb::TimeSerial(hms[0], hms[1], hms[2]);
        days = days < 0 ? days - frac : days + frac;
    }
    *out = days;
    return true;
}

// ---------------------------------------------------------------------------

class Translator {
public:
    Translator(const QString& text, const QStringList* fields)
        : m_text(text), m_toks(detail::Tokenize(text)), m_fields(fields)
    {
    }

    Translation statement();
    QByteArray criteria();

private:
    // Tokens
    const Token& peek(std::size_t k = 0) const
    {
        return m_toks[std::min(m_pos + k, m_toks.size() - 1)];
    }
    const Token& next()
    {
        const Token& t = m_toks[m_pos];
        if (m_pos + 1 < m_toks.size())
            ++m_pos;
        return t;
    }
    bool acceptWord(const char* w)
    {
        if (!peek().isWord(w))
            return false;
        next();
        return true;
    }
    bool acceptSymbol(const char* s)
    {
        if (!peek().isSymbol(s))
            return false;
        next();
        return true;
    }
    void expectWord(const char* w)
    {
        if (!acceptWord(w))
            syntaxError();
    }
    void expectSymbol(const char* s)
    {
        if (!acceptSymbol(s))
            syntaxError();
    }
    bool atName() const { return peek().kind == TokenKind::Word || peek().kind == TokenKind::Bracket; }
    QString name()
    {
        if (!atName() || (peek().kind == TokenKind::Word && isReserved(peek())))
            syntaxError();
        return next().text;
    }

    [[noreturn]] void fail(long number, const QString& message) const
    {
        throw platform::Error(number, message, kSource);
    }
    // A syntax error: in an expression Jet quotes it (3075); elsewhere the
    // statement's own error applies.
    [[noreturn]] void syntaxError() const;

    // Statements
    Translation select();
    Translation insert();
    Translation update();
    Translation deleteStatement();
    Translation create();
    Translation drop();
    Translation alter();

    QString query(QString* intoTable);
    QString selectMember(QString* intoTable, bool first, QString* limit);
    QString orderBy(bool compound);
    QString fromList();
    QString joinExpression();
    QString tableReference();

    struct ColumnDef {
        QString name;
        TypeMap type{};
        int sizeArg = 0;
        bool notNull = false;
        bool primaryKey = false;
        QString pkConstraint;
        QStringList otherConstraints; // already in SQLite text
    };
    ColumnDef columnDefinition();
    QString columnSql(const ColumnDef& c, bool counterIsKey, bool forcedNotNull) const;
    QString nameList(QStringList* names = nullptr);
    Translation::Column columnInfo(const ColumnDef& c) const;

    // Expressions
    Expr expression(); // a whole expression: Jet quotes it in its errors
    Expr imp();
    Expr eqv();
    Expr xorExpr();
    Expr orExpr();
    Expr andExpr();
    Expr notExpr();
    Expr comparison();
    Expr concat();
    Expr additive();
    Expr modulo();
    Expr intDivision();
    Expr multiplicative();
    Expr unary();
    Expr power();
    Expr primary();
    Expr functionCall();
    Expr identifier();
    QString subquery();

    static Expr op(const QString& sql) { return Expr{sql}; }
    static Expr call(const char* fn, const std::vector<Expr>& args);
    static Expr compare(const Expr& a, const char* op, const Expr& b);
    static QString collated(const Expr& e, const char* collation) { return e.sql + " COLLATE " + collation; }

    QString m_text;
    std::vector<Token> m_toks;
    std::size_t m_pos = 0;
    const QStringList* m_fields;
    int m_subqueryDepth = 0;
    qsizetype m_exprStart = -1;
    long m_statementError = 3075;
    QString m_statementMessage;
    int m_exprNames = 0;
    // Tables of the FROM clause being read: (table, alias).
    std::vector<std::pair<QString, QString>> m_tableRefs;
};

void Translator::syntaxError() const
{
    if (m_fields && m_subqueryDepth == 0)
        fail(3077, QStringLiteral("Syntax error (missing operator) in expression."));
    if (m_exprStart >= 0) {
        const qsizetype end = peek().kind == TokenKind::End ? m_text.size() : peek().end;
        fail(3075, QStringLiteral("Syntax error (missing operator) in query expression '%1'.")
                       .arg(m_text.mid(m_exprStart, end - m_exprStart).trimmed()));
    }
    fail(m_statementError, m_statementMessage);
}

Expr Translator::call(const char* fn, const std::vector<Expr>& args)
{
    QString s = QLatin1String(fn) + QLatin1Char('(');
    for (std::size_t k = 0; k < args.size(); ++k)
        s += (k ? QStringLiteral(", ") : QString()) + args[k].sql;
    return op(s + QLatin1Char(')'));
}

// Plain columns compare with their declared collation (and keep their
// indexes usable); anything else compares the Jet way.
Expr Translator::compare(const Expr& a, const char* o, const Expr& b)
{
    if (a.column || b.column)
        return op(QLatin1Char('(') + a.sql + QLatin1Char(' ') + QLatin1String(o) + QLatin1Char(' ') + b.sql +
                  QLatin1Char(')'));
    return op(QLatin1Char('(') + a.sql + QLatin1Char(' ') + QLatin1String(o) + QLatin1Char(' ') +
              collated(b, kCollation) + QLatin1Char(')'));
}

// ---------------------------------------------------------------------------
// Statements

Translation Translator::statement()
{
    Translation t;
    const Token& first = peek();
    if (first.isWord("SELECT") || first.isSymbol("("))
        t = select();
    else if (first.isWord("INSERT"))
        t = insert();
    else if (first.isWord("UPDATE"))
        t = update();
    else if (first.isWord("DELETE"))
        t = deleteStatement();
    else if (first.isWord("CREATE"))
        t = create();
    else if (first.isWord("DROP"))
        t = drop();
    else if (first.isWord("ALTER"))
        t = alter();
    else
        fail(3129, QStringLiteral("Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or "
                                  "'UPDATE'."));
    acceptSymbol(";");
    if (peek().kind != TokenKind::End)
        fail(3142, QStringLiteral("Characters found after end of SQL statement."));
    return t;
}

Translation Translator::select()
{
    m_statementError = 3141;
    m_statementMessage = QStringLiteral("The SELECT statement includes a reserved word or an argument name that is "
                                        "misspelled or missing, or the punctuation is incorrect.");
    Translation t;
    QString into;
    const QString sql = query(&into);
    if (!into.isEmpty()) {
        t.kind = StatementKind::CreateTable;
        t.table = into;
        t.sql = ("CREATE TABLE " + quoteName(into) + " AS " + sql).toUtf8();
    } else {
        t.kind = StatementKind::Select;
        t.sql = sql.toUtf8();
    }
    return t;
}

// SELECT ... [UNION [ALL] SELECT ...] [ORDER BY ...].  A member with TOP
// becomes a sub-query, since SQLite limits only a whole compound.
QString Translator::query(QString* intoTable)
{
    std::vector<QString> members, limits, ops;
    QString limit;
    members.push_back(selectMember(intoTable, true, &limit));
    limits.push_back(limit);
    while (peek().isWord("UNION")) {
        next();
        ops.push_back(acceptWord("ALL") ? QStringLiteral(" UNION ALL ") : QStringLiteral(" UNION "));
        limit.clear();
        members.push_back(selectMember(nullptr, false, &limit));
        limits.push_back(limit);
    }
    const bool compound = members.size() > 1;
    const QString order = peek().isWord("ORDER") ? orderBy(compound) : QString();
    if (!compound)
        return members[0] + order + limits[0];
    QString out;
    for (std::size_t k = 0; k < members.size(); ++k) {
        if (k)
            out += ops[k - 1];
        out += limits[k].isEmpty() ? members[k] : QStringLiteral("SELECT * FROM (") + members[k] + limits[k] + ')';
    }
    return out + order;
}

QString Translator::selectMember(QString* intoTable, bool first, QString* limit)
{
    if (acceptSymbol("(")) {
        const QString inner = query(nullptr);
        expectSymbol(")");
        return QStringLiteral("SELECT * FROM (") + inner + QLatin1Char(')');
    }
    m_exprStart = -1;
    expectWord("SELECT");
    QString out = QStringLiteral("SELECT ");
    bool distinct = false;
    if (acceptWord("DISTINCT")) {
        out += QStringLiteral("DISTINCT ");
        distinct = true;
    } else if (!acceptWord("DISTINCTROW")) {
        acceptWord("ALL");
    }
    QString topCount;
    bool percent = false;
    if (acceptWord("TOP")) {
        if (peek().kind != TokenKind::Number)
            syntaxError();
        topCount = next().text;
        bool ok = false;
        topCount.toLongLong(&ok);
        if (!ok)
            syntaxError();
        percent = acceptWord("PERCENT");
    }

    QStringList items;
    do {
        if (acceptSymbol("*")) {
            items << QStringLiteral("*");
            continue;
        }
        const Expr e = expression();
        QString item = e.sql;
        if (distinct && !e.column && !e.star)
            item = collated(e, kCollation); // Jet's DISTINCT ignores case in computed columns too
        if (acceptWord("AS")) {
            item += QStringLiteral(" AS ") + quoteName(name());
        } else if (first && !e.column && !e.star && m_subqueryDepth == 0) {
            item += QStringLiteral(" AS ") + quoteName(QStringLiteral("Expr%1").arg(1000 + m_exprNames++));
        }
        items << item;
    } while (acceptSymbol(","));
    m_exprStart = -1;
    out += items.join(QStringLiteral(", "));

    if (peek().isWord("INTO")) {
        if (!intoTable || m_subqueryDepth > 0)
            syntaxError();
        next();
        *intoTable = name();
        if (peek().isWord("IN"))
            fail(3251, QStringLiteral("Operation is not supported for this type of object. (external database)"));
    }
    QString core;
    if (acceptWord("FROM"))
        core += QStringLiteral(" FROM ") + fromList();
    if (acceptWord("WHERE"))
        core += QStringLiteral(" WHERE ") + expression().sql;
    if (peek().isWord("GROUP")) {
        next();
        expectWord("BY");
        QStringList terms;
        do {
            const Expr e = expression();
            terms << (e.column ? e.sql : collated(e, kCollation));
        } while (acceptSymbol(","));
        core += QStringLiteral(" GROUP BY ") + terms.join(QStringLiteral(", "));
    }
    if (acceptWord("HAVING"))
        core += QStringLiteral(" HAVING ") + expression().sql;
    m_exprStart = -1;
    out += core;

    if (!topCount.isEmpty()) {
        if (percent)
            *limit = QStringLiteral(" LIMIT (SELECT (COUNT(*) * %1 + 99) / 100 FROM (%2))").arg(topCount, out);
        else
            *limit = QStringLiteral(" LIMIT ") + topCount;
    }
    return out;
}

// ORDER BY: every term sorts through the Jet sort collation.  An unqualified
// name in a simple SELECT means the column of the FROM tables, as in Jet,
// even when a computed column carries the same alias ("+name" makes SQLite
// look at the tables first).
QString Translator::orderBy(bool compound)
{
    next();
    expectWord("BY");
    QStringList terms;
    do {
        const Expr e = expression();
        QString term;
        if (e.column && !e.qualified && !compound)
            term = QStringLiteral("+") + collated(e, kSortCollation);
        else
            term = collated(e, kSortCollation);
        if (acceptWord("DESC"))
            term += QStringLiteral(" DESC");
        else
            acceptWord("ASC");
        terms << term;
    } while (acceptSymbol(","));
    m_exprStart = -1;
    return QStringLiteral(" ORDER BY ") + terms.join(QStringLiteral(", "));
}

QString Translator::fromList()
{
    const long saved = m_statementError;
    const QString savedMsg = m_statementMessage;
    m_statementError = 3131;
    m_statementMessage = QStringLiteral("Syntax error in FROM clause.");
    QStringList parts;
    do
        parts << joinExpression();
    while (acceptSymbol(","));
    m_statementError = saved;
    m_statementMessage = savedMsg;
    return parts.join(QStringLiteral(", "));
}

QString Translator::joinExpression()
{
    QString left = tableReference();
    while (true) {
        QString kind;
        if (peek().isWord("INNER") && peek(1).isWord("JOIN")) {
            kind = QStringLiteral(" INNER JOIN ");
            next();
        } else if ((peek().isWord("LEFT") || peek().isWord("RIGHT")) &&
                   (peek(1).isWord("JOIN") || (peek(1).isWord("OUTER") && peek(2).isWord("JOIN")))) {
            kind = peek().isWord("LEFT") ? QStringLiteral(" LEFT JOIN ") : QStringLiteral(" RIGHT JOIN ");
            next();
            acceptWord("OUTER");
        } else {
            return left;
        }
        expectWord("JOIN");
        const QString right = tableReference();
        if (!acceptWord("ON"))
            syntaxError();
        const Expr cond = expression();
        m_exprStart = -1;
        left += kind + right + QStringLiteral(" ON ") + cond.sql;
    }
}

QString Translator::tableReference()
{
    QString out;
    if (acceptSymbol("(")) {
        if (peek().isWord("SELECT") || peek().isSymbol("(")) {
            if (peek().isSymbol("(")) {
                // "((a INNER JOIN b ...)": a parenthesised join, not a query
                std::size_t k = 0;
                while (peek(k).isSymbol("("))
                    ++k;
                if (!peek(k).isWord("SELECT")) {
                    out = QLatin1Char('(') + joinExpression() + QLatin1Char(')');
                    expectSymbol(")");
                    return out;
                }
            }
            out = QLatin1Char('(') + subquery() + QLatin1Char(')');
            expectSymbol(")");
            const bool as = acceptWord("AS");
            if (as || !endsTableRef(peek())) {
                const QString alias = name();
                out += QStringLiteral(" AS ") + quoteName(alias);
            }
            return out;
        }
        out = QLatin1Char('(') + joinExpression() + QLatin1Char(')');
        expectSymbol(")");
        return out;
    }
    const QString table = name();
    out = quoteName(table);
    QString alias;
    if (acceptWord("AS") || (atName() && !endsTableRef(peek()) && !isReserved(peek()))) {
        alias = name();
        out += QStringLiteral(" AS ") + quoteName(alias);
    }
    if (peek().isWord("IN") && peek(1).kind == TokenKind::String)
        fail(3251, QStringLiteral("Operation is not supported for this type of object. (external database)"));
    m_tableRefs.emplace_back(table, alias);
    return out;
}

QString Translator::subquery()
{
    ++m_subqueryDepth;
    const qsizetype savedStart = m_exprStart;
    const auto savedRefs = m_tableRefs;
    const QString sql = query(nullptr);
    m_tableRefs = savedRefs;
    m_exprStart = savedStart;
    --m_subqueryDepth;
    return sql;
}

Translation Translator::insert()
{
    m_statementError = 3134;
    m_statementMessage = QStringLiteral("Syntax error in INSERT INTO statement.");
    next();
    expectWord("INTO");
    Translation t;
    t.kind = StatementKind::Insert;
    t.table = name();
    if (peek().isWord("IN"))
        fail(3251, QStringLiteral("Operation is not supported for this type of object. (external database)"));
    QString out = QStringLiteral("INSERT INTO ") + quoteName(t.table);
    if (peek().isSymbol("(") && !peek(1).isWord("SELECT")) {
        next();
        QStringList cols;
        do {
            QString col = name();
            while (acceptSymbol("."))
                col = name(); // a qualified column names the same column
            cols << quoteName(col);
        } while (acceptSymbol(","));
        expectSymbol(")");
        out += QStringLiteral(" (") + cols.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    if (acceptWord("VALUES")) {
        expectSymbol("(");
        QStringList values;
        do
            values << expression().sql;
        while (acceptSymbol(","));
        m_exprStart = -1;
        expectSymbol(")");
        out += QStringLiteral(" VALUES (") + values.join(QStringLiteral(", ")) + QLatin1Char(')');
    } else if (peek().isWord("SELECT") || peek().isSymbol("(")) {
        out += QLatin1Char(' ') + query(nullptr);
    } else {
        syntaxError();
    }
    t.sql = out.toUtf8();
    return t;
}

// UPDATE t SET ... [WHERE ...]; a join of tables (INNER JOIN or commas)
// becomes SQLite's UPDATE ... FROM with the join conditions in WHERE.
Translation Translator::update()
{
    m_statementError = 3144;
    m_statementMessage = QStringLiteral("Syntax error in UPDATE statement.");
    next();
    Translation t;
    t.kind = StatementKind::Update;

    QStringList tables, conditions;
    std::function<void()> joinTree = [&]() {
        auto primaryRef = [&]() {
            if (acceptSymbol("(")) {
                joinTree();
                expectSymbol(")");
                return;
            }
            const QString table = name();
            QString ref = quoteName(table);
            if (acceptWord("AS") || (atName() && !endsTableRef(peek()) && !isReserved(peek())))
                ref += QStringLiteral(" AS ") + quoteName(name());
            if (tables.isEmpty())
                t.table = table;
            tables << ref;
        };
        primaryRef();
        while (true) {
            if (peek().isWord("INNER") && peek(1).isWord("JOIN")) {
                next();
                next();
                primaryRef();
                expectWord("ON");
                conditions << expression().sql;
                m_exprStart = -1;
            } else if (peek().isWord("LEFT") || peek().isWord("RIGHT")) {
                fail(3251, QStringLiteral("Operation is not supported for this type of object. (UPDATE with an "
                                          "outer join)"));
            } else if (acceptSymbol(",")) {
                primaryRef();
            } else {
                return;
            }
        }
    };
    joinTree();
    expectWord("SET");
    QStringList sets;
    do {
        QString col = name();
        while (acceptSymbol("."))
            col = name();
        expectSymbol("=");
        sets << quoteName(col) + QStringLiteral(" = ") + expression().sql;
        m_exprStart = -1;
    } while (acceptSymbol(","));
    QString out = QStringLiteral("UPDATE ") + tables[0] + QStringLiteral(" SET ") + sets.join(QStringLiteral(", "));
    if (tables.size() > 1)
        out += QStringLiteral(" FROM ") + tables.mid(1).join(QStringLiteral(", "));
    if (acceptWord("WHERE"))
        conditions << expression().sql;
    m_exprStart = -1;
    if (!conditions.isEmpty())
        out += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    t.sql = out.toUtf8();
    return t;
}

// DELETE [*|t.*] FROM t [WHERE ...]; from a join, the rows of the named (or
// first) table that the join selects.
Translation Translator::deleteStatement()
{
    m_statementError = 3075;
    m_statementMessage = QStringLiteral("Syntax error in DELETE statement.");
    next();
    Translation t;
    t.kind = StatementKind::Delete;
    QString target;
    if (!acceptSymbol("*") && !peek().isWord("FROM")) {
        target = name();
        if (acceptSymbol(".")) {
            if (!acceptSymbol("*"))
                name();
        }
        while (acceptSymbol(",")) { // a list of fields deletes whole rows all the same
            name();
            if (acceptSymbol(".") && !acceptSymbol("*"))
                name();
        }
    }
    expectWord("FROM");
    m_tableRefs.clear();
    const QString from = fromList();
    QString where;
    if (acceptWord("WHERE"))
        where = QStringLiteral(" WHERE ") + expression().sql;
    m_exprStart = -1;

    const bool single = m_tableRefs.size() == 1 && !from.contains(QLatin1String(" JOIN "));
    QString table = m_tableRefs.empty() ? QString() : m_tableRefs.front().first;
    QString ref = m_tableRefs.empty() ? QString() : (m_tableRefs.front().second.isEmpty() ? table
                                                                                           : m_tableRefs.front().second);
    if (!target.isEmpty()) {
        bool found = false;
        for (const auto& [tab, alias] : m_tableRefs)
            if (tab.compare(target, Qt::CaseInsensitive) == 0 || alias.compare(target, Qt::CaseInsensitive) == 0) {
                table = tab;
                ref = target;
                found = true;
                break;
            }
        if (!found && !single)
            syntaxError();
    }
    if (table.isEmpty())
        syntaxError();
    t.table = table;
    if (single)
        t.sql = (QStringLiteral("DELETE FROM ") + from + where).toUtf8();
    else
        t.sql = (QStringLiteral("DELETE FROM ") + quoteName(table) + QStringLiteral(" WHERE rowid IN (SELECT ") +
                 quoteName(ref) + QStringLiteral(".rowid FROM ") + from + where + QLatin1Char(')'))
                    .toUtf8();
    return t;
}

QString Translator::nameList(QStringList* names)
{
    expectSymbol("(");
    QStringList cols;
    do {
        const QString n = name();
        if (names)
            *names << n;
        QString col = quoteName(n);
        if (acceptWord("DESC"))
            col += QStringLiteral(" DESC");
        else
            acceptWord("ASC");
        cols << col;
    } while (acceptSymbol(","));
    expectSymbol(")");
    return QLatin1Char('(') + cols.join(QStringLiteral(", ")) + QLatin1Char(')');
}

Translator::ColumnDef Translator::columnDefinition()
{
    ColumnDef c;
    c.name = name();
    if (peek().kind != TokenKind::Word)
        syntaxError();
    const QString type = next().text.toUpper();
    if (acceptSymbol("(")) {
        if (peek().kind != TokenKind::Number)
            syntaxError();
        c.sizeArg = next().text.toInt();
        while (acceptSymbol(",")) { // precision and scale, counter seed and step
            if (peek().kind != TokenKind::Number)
                syntaxError();
            next();
        }
        expectSymbol(")");
    }
    if (!mapType(type, c.sizeArg, &c.type))
        fail(3290, QStringLiteral("Syntax error in CREATE TABLE statement. (unknown type '%1')").arg(type));
    while (true) {
        QString constraintName;
        if (acceptWord("CONSTRAINT"))
            constraintName = name();
        if (peek().isWord("NOT") && peek(1).isWord("NULL")) {
            next();
            next();
            c.notNull = true;
        } else if (acceptWord("NULL")) {
        } else if (peek().isWord("PRIMARY")) {
            next();
            expectWord("KEY");
            c.primaryKey = true;
            c.pkConstraint = constraintName;
        } else if (acceptWord("UNIQUE")) {
            c.otherConstraints << (constraintName.isEmpty() ? QString()
                                                            : QStringLiteral("CONSTRAINT ") + quoteName(constraintName) +
                                                                  QLatin1Char(' ')) +
                                      QStringLiteral("UNIQUE");
        } else if (acceptWord("REFERENCES")) {
            QString ref = QStringLiteral("REFERENCES ") + quoteName(name());
            if (peek().isSymbol("("))
                ref += QLatin1Char(' ') + nameList();
            c.otherConstraints << (constraintName.isEmpty() ? QString()
                                                            : QStringLiteral("CONSTRAINT ") + quoteName(constraintName) +
                                                                  QLatin1Char(' ')) +
                                      ref;
        } else if (acceptWord("DEFAULT")) {
            const Expr e = primary();
            c.otherConstraints << QStringLiteral("DEFAULT (") + e.sql + QLatin1Char(')');
        } else if (peek().isWord("WITH") && (peek(1).isWord("COMPRESSION") || peek(1).isWord("COMP"))) {
            next();
            next();
        } else {
            if (!constraintName.isEmpty())
                syntaxError();
            break;
        }
    }
    return c;
}

QString Translator::columnSql(const ColumnDef& c, bool counterIsKey, bool forcedNotNull) const
{
    QString s = quoteName(c.name) + QLatin1Char(' ');
    if (c.type.counter && counterIsKey) {
        s += QStringLiteral("INTEGER");
        if (!c.pkConstraint.isEmpty())
            s += QStringLiteral(" CONSTRAINT ") + quoteName(c.pkConstraint);
        s += QStringLiteral(" PRIMARY KEY AUTOINCREMENT");
    } else {
        if (c.type.jetType == dbText)
            s += QStringLiteral("TEXT(%1)").arg(c.type.size);
        else
            s += QLatin1String(c.type.decl);
        if (c.type.text)
            s += QStringLiteral(" COLLATE ") + QLatin1String(kCollation);
        // Jet refuses Null in a key; SQLite would let it into a composite one.
        if (c.notNull || c.primaryKey || forcedNotNull)
            s += QStringLiteral(" NOT NULL");
        if (c.primaryKey) {
            if (!c.pkConstraint.isEmpty())
                s += QStringLiteral(" CONSTRAINT ") + quoteName(c.pkConstraint);
            s += QStringLiteral(" PRIMARY KEY");
        }
    }
    for (const QString& o : c.otherConstraints)
        s += QLatin1Char(' ') + o;
    return s;
}

Translation::Column Translator::columnInfo(const ColumnDef& c) const
{
    return Translation::Column{c.name, c.type.jetType, c.type.size, c.notNull};
}

Translation Translator::create()
{
    next();
    Translation t;
    if (peek().isWord("TABLE") || (peek().isWord("TEMPORARY") && peek(1).isWord("TABLE"))) {
        m_statementError = 3290;
        m_statementMessage = QStringLiteral("Syntax error in CREATE TABLE statement.");
        const bool temporary = acceptWord("TEMPORARY");
        next();
        t.kind = StatementKind::CreateTable;
        t.table = name();
        expectSymbol("(");
        std::vector<ColumnDef> columns;
        QStringList tableConstraints;
        QStringList keyColumns;
        QString keyConstraint;
        bool tableKey = false;
        do {
            QString constraintName;
            if (acceptWord("CONSTRAINT")) {
                m_statementError = 3289;
                m_statementMessage = QStringLiteral("Syntax error in CONSTRAINT clause.");
                constraintName = name();
            }
            const QString prefix = constraintName.isEmpty()
                                       ? QString()
                                       : QStringLiteral("CONSTRAINT ") + quoteName(constraintName) + QLatin1Char(' ');
            if (peek().isWord("PRIMARY") && peek(1).isWord("KEY")) {
                next();
                next();
                if (tableKey)
                    syntaxError();
                tableKey = true;
                keyConstraint = constraintName;
                nameList(&keyColumns);
            } else if (acceptWord("UNIQUE")) {
                tableConstraints << prefix + QStringLiteral("UNIQUE ") + nameList();
            } else if (peek().isWord("FOREIGN") && peek(1).isWord("KEY")) {
                next();
                next();
                QString fk = prefix + QStringLiteral("FOREIGN KEY ") + nameList();
                expectWord("REFERENCES");
                fk += QStringLiteral(" REFERENCES ") + quoteName(name());
                if (peek().isSymbol("("))
                    fk += QLatin1Char(' ') + nameList();
                tableConstraints << fk;
            } else if (!constraintName.isEmpty()) {
                syntaxError();
            } else {
                columns.push_back(columnDefinition());
            }
            m_statementError = 3290;
            m_statementMessage = QStringLiteral("Syntax error in CREATE TABLE statement.");
        } while (acceptSymbol(","));
        expectSymbol(")");
        if (columns.empty())
            syntaxError();

        // A counter is the table's own key unless another key is declared.
        int columnKeys = 0;
        for (const ColumnDef& c : columns)
            columnKeys += c.primaryKey ? 1 : 0;
        if (columnKeys + (tableKey ? 1 : 0) > 1)
            syntaxError();
        std::vector<QString> sqlColumns;
        for (ColumnDef& c : columns) {
            bool counterIsKey = false;
            if (c.type.counter) {
                if (c.primaryKey)
                    counterIsKey = true;
                else if (!tableKey && columnKeys == 0)
                    counterIsKey = true;
                else if (tableKey && keyColumns.size() == 1 &&
                         keyColumns[0].compare(c.name, Qt::CaseInsensitive) == 0) {
                    counterIsKey = true;
                    c.pkConstraint = keyConstraint;
                    tableKey = false; // the column carries the key itself
                }
            }
            bool inKey = false;
            for (const QString& k : keyColumns)
                inKey = inKey || k.compare(c.name, Qt::CaseInsensitive) == 0;
            sqlColumns.push_back(columnSql(c, counterIsKey, tableKey && inKey));
            t.columns.push_back(columnInfo(c));
        }
        QStringList parts(sqlColumns.begin(), sqlColumns.end());
        if (tableKey) {
            QStringList quoted;
            for (const QString& k : keyColumns)
                quoted << quoteName(k);
            parts << (keyConstraint.isEmpty() ? QString()
                                              : QStringLiteral("CONSTRAINT ") + quoteName(keyConstraint) + QLatin1Char(' ')) +
                         QStringLiteral("PRIMARY KEY (") + quoted.join(QStringLiteral(", ")) + QLatin1Char(')');
        }
        parts << tableConstraints;
        t.sql = (QStringLiteral("CREATE ") + (temporary ? QStringLiteral("TEMPORARY ") : QString()) +
                 QStringLiteral("TABLE ") + quoteName(t.table) + QStringLiteral(" (") +
                 parts.join(QStringLiteral(", ")) + QLatin1Char(')'))
                    .toUtf8();
        return t;
    }
    if (peek().isWord("INDEX") || (peek().isWord("UNIQUE") && peek(1).isWord("INDEX"))) {
        m_statementError = 3291;
        m_statementMessage = QStringLiteral("Syntax error in CREATE INDEX statement.");
        bool unique = acceptWord("UNIQUE");
        next();
        const QString index = name();
        expectWord("ON");
        t.kind = StatementKind::CreateIndex;
        t.table = name();
        const QString cols = nameList();
        if (acceptWord("WITH")) {
            do {
                if (acceptWord("PRIMARY"))
                    unique = true;
                else if ((peek().isWord("DISALLOW") || peek().isWord("IGNORE")) && peek(1).isWord("NULL")) {
                    next();
                    next();
                } else {
                    syntaxError();
                }
            } while (!peek().isSymbol(";") && peek().kind != TokenKind::End);
        }
        // Index names belong to their table in Jet and to the database in
        // SQLite: the SQLite name carries the table's.
        t.sql = (QStringLiteral("CREATE ") + (unique ? QStringLiteral("UNIQUE ") : QString()) +
                 QStringLiteral("INDEX ") + quoteName(t.table + QLatin1Char('_') + index) + QStringLiteral(" ON ") +
                 quoteName(t.table) + QLatin1Char(' ') + cols)
                    .toUtf8();
        return t;
    }
    fail(3129, QStringLiteral("Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or "
                              "'UPDATE'."));
}

Translation Translator::drop()
{
    m_statementError = 3295;
    m_statementMessage = QStringLiteral("Syntax error in DROP TABLE or DROP INDEX.");
    next();
    Translation t;
    if (acceptWord("TABLE")) {
        t.kind = StatementKind::DropTable;
        t.table = name();
        t.sql = (QStringLiteral("DROP TABLE ") + quoteName(t.table)).toUtf8();
        return t;
    }
    if (acceptWord("INDEX")) {
        const QString index = name();
        expectWord("ON");
        t.kind = StatementKind::DropIndex;
        t.table = name();
        t.sql = (QStringLiteral("DROP INDEX ") + quoteName(t.table + QLatin1Char('_') + index)).toUtf8();
        return t;
    }
    syntaxError();
}

Translation Translator::alter()
{
    m_statementError = 3293;
    m_statementMessage = QStringLiteral("Syntax error in ALTER TABLE statement.");
    next();
    expectWord("TABLE");
    Translation t;
    t.kind = StatementKind::AlterTable;
    t.table = name();
    const QString table = quoteName(t.table);
    if (acceptWord("ADD")) {
        if (acceptWord("CONSTRAINT")) {
            const QString constraint = name();
            bool unique = false;
            if (peek().isWord("PRIMARY") && peek(1).isWord("KEY")) {
                next();
                next();
                unique = true;
            } else if (acceptWord("UNIQUE")) {
                unique = true;
            }
            if (!unique)
                fail(3251, QStringLiteral("Operation is not supported for this type of object. (ADD CONSTRAINT)"));
            const QString cols = nameList();
            t.kind = StatementKind::CreateIndex;
            t.sql = (QStringLiteral("CREATE UNIQUE INDEX ") + quoteName(t.table + QLatin1Char('_') + constraint) +
                     QStringLiteral(" ON ") + table + QLatin1Char(' ') + cols)
                        .toUtf8();
            return t;
        }
        acceptWord("COLUMN");
        ColumnDef c = columnDefinition();
        if (c.primaryKey)
            fail(3251, QStringLiteral("Operation is not supported for this type of object. (a key column added "
                                      "to a table)"));
        c.type.counter = false;
        t.columns.push_back(columnInfo(c));
        t.sql = (QStringLiteral("ALTER TABLE ") + table + QStringLiteral(" ADD COLUMN ") + columnSql(c, false, false))
                    .toUtf8();
        return t;
    }
    if (acceptWord("DROP")) {
        if (acceptWord("CONSTRAINT")) {
            t.kind = StatementKind::DropIndex;
            t.sql = (QStringLiteral("DROP INDEX ") + quoteName(t.table + QLatin1Char('_') + name())).toUtf8();
            return t;
        }
        acceptWord("COLUMN");
        t.sql = (QStringLiteral("ALTER TABLE ") + table + QStringLiteral(" DROP COLUMN ") + quoteName(name())).toUtf8();
        return t;
    }
    if (peek().isWord("ALTER"))
        fail(3251, QStringLiteral("Operation is not supported for this type of object. (ALTER COLUMN)"));
    syntaxError();
}

// ---------------------------------------------------------------------------
// Expressions

Expr Translator::expression()
{
    const bool outer = m_exprStart < 0;
    if (outer)
        m_exprStart = peek().pos;
    Expr e = imp();
    if (outer)
        m_exprStart = -1;
    return e;
}

Expr Translator::imp()
{
    Expr a = eqv();
    while (acceptWord("IMP")) {
        const Expr b = eqv();
        a = op(QStringLiteral("((NOT ") + a.sql + QStringLiteral(") OR ") + b.sql + QLatin1Char(')'));
    }
    return a;
}

Expr Translator::eqv()
{
    Expr a = xorExpr();
    while (acceptWord("EQV")) {
        const Expr b = xorExpr();
        a = op(QStringLiteral("((") + a.sql + QStringLiteral(" <> 0) = (") + b.sql + QStringLiteral(" <> 0))"));
    }
    return a;
}

Expr Translator::xorExpr()
{
    Expr a = orExpr();
    while (acceptWord("XOR")) {
        const Expr b = orExpr();
        a = op(QStringLiteral("((") + a.sql + QStringLiteral(" <> 0) <> (") + b.sql + QStringLiteral(" <> 0))"));
    }
    return a;
}

Expr Translator::orExpr()
{
    Expr a = andExpr();
    while (acceptWord("OR")) {
        const Expr b = andExpr();
        a = op(QLatin1Char('(') + a.sql + QStringLiteral(" OR ") + b.sql + QLatin1Char(')'));
    }
    return a;
}

Expr Translator::andExpr()
{
    Expr a = notExpr();
    while (acceptWord("AND")) {
        const Expr b = notExpr();
        a = op(QLatin1Char('(') + a.sql + QStringLiteral(" AND ") + b.sql + QLatin1Char(')'));
    }
    return a;
}

Expr Translator::notExpr()
{
    if (acceptWord("NOT")) {
        const Expr a = notExpr();
        return op(QStringLiteral("(NOT ") + a.sql + QLatin1Char(')'));
    }
    return comparison();
}

Expr Translator::comparison()
{
    Expr a = concat();
    while (true) {
        static const char* const ops[] = {"=", "<>", "<=", ">=", "<", ">"};
        bool matched = false;
        for (const char* o : ops)
            if (peek().isSymbol(o)) {
                next();
                const Expr b = concat();
                a = compare(a, o, b);
                matched = true;
                break;
            }
        if (matched)
            continue;
        const bool negated = peek().isWord("NOT") &&
                             (peek(1).isWord("LIKE") || peek(1).isWord("IN") || peek(1).isWord("BETWEEN"));
        if (negated)
            next();
        const char* notText = negated ? " NOT" : "";
        if (acceptWord("LIKE")) {
            const Expr b = concat();
            a = op(QLatin1Char('(') + a.sql + QLatin1String(notText) + QStringLiteral(" LIKE ") + b.sql +
                   QLatin1Char(')'));
        } else if (acceptWord("IN")) {
            const QString left = a.column ? a.sql : collated(a, kCollation);
            expectSymbol("(");
            QString list;
            if (peek().isWord("SELECT") || (peek().isSymbol("(") && peek(1).isWord("SELECT"))) {
                list = subquery();
            } else {
                QStringList items;
                do
                    items << concat().sql;
                while (acceptSymbol(","));
                list = items.join(QStringLiteral(", "));
            }
            expectSymbol(")");
            a = op(QLatin1Char('(') + left + QLatin1String(notText) + QStringLiteral(" IN (") + list +
                   QStringLiteral("))"));
        } else if (acceptWord("BETWEEN")) {
            const QString left = a.column ? a.sql : collated(a, kCollation);
            const Expr lo = concat();
            expectWord("AND");
            const Expr hi = concat();
            a = op(QLatin1Char('(') + left + QLatin1String(notText) + QStringLiteral(" BETWEEN ") + lo.sql +
                   QStringLiteral(" AND ") + hi.sql + QLatin1Char(')'));
        } else if (negated) {
            syntaxError();
        } else if (acceptWord("IS")) {
            const bool isNot = acceptWord("NOT");
            expectWord("NULL");
            a = op(QLatin1Char('(') + a.sql + (isNot ? QStringLiteral(" IS NOT NULL)") : QStringLiteral(" IS NULL)")));
        } else {
            return a;
        }
    }
}

Expr Translator::concat()
{
    std::vector<Expr> parts{additive()};
    while (acceptSymbol("&"))
        parts.push_back(additive());
    return parts.size() == 1 ? parts[0] : call("jet_concat", parts);
}

Expr Translator::additive()
{
    Expr a = modulo();
    while (true) {
        if (acceptSymbol("+"))
            a = call("jet_add", {a, modulo()});
        else if (acceptSymbol("-"))
            a = call("jet_sub", {a, modulo()});
        else
            return a;
    }
}

Expr Translator::modulo()
{
    Expr a = intDivision();
    while (acceptWord("MOD"))
        a = call("jet_mod", {a, intDivision()});
    return a;
}

Expr Translator::intDivision()
{
    Expr a = multiplicative();
    while (acceptSymbol("\\"))
        a = call("jet_idiv", {a, multiplicative()});
    return a;
}

Expr Translator::multiplicative()
{
    Expr a = unary();
    while (true) {
        if (acceptSymbol("*"))
            a = call("jet_mul", {a, unary()});
        else if (acceptSymbol("/"))
            a = call("jet_div", {a, unary()});
        else
            return a;
    }
}

Expr Translator::unary()
{
    if (acceptSymbol("-")) {
        if (peek().kind == TokenKind::Number && !peek(1).isSymbol("^")) {
            Expr e = primary();
            e.sql = QLatin1Char('-') + e.sql;
            e.integer = false;
            return e;
        }
        const Expr e = unary();
        return call("jet_neg", {e});
    }
    if (acceptSymbol("+"))
        return unary();
    return power();
}

Expr Translator::power()
{
    Expr a = primary();
    while (acceptSymbol("^")) {
        // The exponent may carry its own sign: 2^-1.
        int sign = 0;
        while (peek().isSymbol("-") || peek().isSymbol("+"))
            sign ^= next().text == QLatin1String("-") ? 1 : 0;
        Expr b = primary();
        if (sign)
            b = call("jet_neg", {b});
        a = call("jet_pow", {a, b});
    }
    return a;
}

QString normalizedNumber(const QString& text)
{
    QString mantissa = text, exponent;
    const qsizetype e = text.indexOf(QLatin1Char('e'), 0, Qt::CaseInsensitive);
    if (e >= 0) {
        mantissa = text.left(e);
        exponent = QLatin1Char('e') + text.mid(e + 1);
    }
    if (mantissa.startsWith(QLatin1Char('.')))
        mantissa.prepend(QLatin1Char('0'));
    if (mantissa.endsWith(QLatin1Char('.')))
        mantissa.append(QLatin1Char('0'));
    return mantissa + exponent;
}

Expr Translator::primary()
{
    const Token& t = peek();
    switch (t.kind) {
    case TokenKind::Number: {
        next();
        Expr e = op(normalizedNumber(t.text));
        bool allDigits = !t.text.isEmpty();
        for (QChar c : t.text)
            allDigits = allDigits && c.isDigit();
        e.integer = allDigits;
        return e;
    }
    case TokenKind::String:
        next();
        return op(quoteText(t.text));
    case TokenKind::Date: {
        double days = 0;
        if (!parseJetDate(t.text, &days)) {
            const qsizetype start = m_exprStart >= 0 ? m_exprStart : t.pos;
            fail(m_fields ? 3077 : 3075,
                 QStringLiteral("Syntax error in date in query expression '%1'.").arg(m_text.mid(start, t.end - start)));
        }
        next();
        return op(numberText(days));
    }
    case TokenKind::Bracket:
        return identifier();
    case TokenKind::Word: {
        if (t.isWord("TRUE")) {
            next();
            return op(QStringLiteral("-1"));
        }
        if (t.isWord("FALSE")) {
            next();
            return op(QStringLiteral("0"));
        }
        if (t.isWord("NULL")) {
            next();
            return op(QStringLiteral("NULL"));
        }
        if (t.isWord("EXISTS")) {
            next();
            expectSymbol("(");
            const QString sub = subquery();
            expectSymbol(")");
            return op(QStringLiteral("EXISTS (") + sub + QLatin1Char(')'));
        }
        if (peek(1).isSymbol("("))
            return functionCall();
        if (isReserved(t))
            syntaxError();
        return identifier();
    }
    case TokenKind::Symbol:
        if (t.isSymbol("(")) {
            next();
            if (peek().isWord("SELECT")) {
                const QString sub = subquery();
                expectSymbol(")");
                return op(QLatin1Char('(') + sub + QLatin1Char(')'));
            }
            Expr e = imp();
            expectSymbol(")");
            if (!e.column)
                e.sql = QLatin1Char('(') + e.sql + QLatin1Char(')');
            e.integer = false;
            return e;
        }
        syntaxError();
    default:
        syntaxError();
    }
}

Expr Translator::identifier()
{
    QStringList parts{next().text};
    bool star = false;
    while (peek().isSymbol(".")) {
        next();
        if (acceptSymbol("*")) {
            star = true;
            break;
        }
        if (!atName())
            syntaxError();
        parts << next().text;
    }
    if (m_fields && m_subqueryDepth == 0) {
        if (star)
            syntaxError();
        qsizetype index = -1;
        for (qsizetype k = 0; k < m_fields->size() && index < 0; ++k)
            if (m_fields->at(k).compare(parts.last(), Qt::CaseInsensitive) == 0)
                index = k;
        if (index < 0)
            fail(3070, QStringLiteral("The Microsoft Jet database engine does not recognize '%1' as a valid field "
                                      "name or expression.")
                           .arg(parts.join(QLatin1Char('.'))));
        return op(QStringLiteral("?%1").arg(index + 1));
    }
    QStringList quoted;
    for (const QString& p : parts)
        quoted << quoteName(p);
    Expr e = op(quoted.join(QLatin1Char('.')));
    if (star) {
        e.sql += QStringLiteral(".*");
        e.star = true;
        return e;
    }
    e.column = true;
    e.qualified = parts.size() > 1;
    return e;
}

Expr Translator::functionCall()
{
    const Token nameTok = next();
    QString upper = nameTok.text.toUpper();
    if (upper.endsWith(QLatin1Char('$')))
        upper.chop(1);
    expectSymbol("(");
    const FunctionInfo* info = findFunction(upper);
    const bool special = upper == QLatin1String("IIF") || upper == QLatin1String("SWITCH") ||
                         upper == QLatin1String("CHOOSE");
    if (!info && !special)
        fail(3085, QStringLiteral("Undefined function '%1' in expression.").arg(nameTok.text));

    std::vector<Expr> args;
    QString distinct;
    if (!peek().isSymbol(")")) {
        do {
            if (info && info->aggregate && args.empty() && upper == QLatin1String("COUNT") && acceptSymbol("*")) {
                args.push_back(op(QStringLiteral("*")));
                continue;
            }
            if (info && info->aggregate && args.empty() && acceptWord("DISTINCT"))
                distinct = QStringLiteral("DISTINCT ");
            args.push_back(imp());
        } while (acceptSymbol(","));
    }
    expectSymbol(")");
    const int n = int(args.size());
    auto wrongCount = [&] {
        const qsizetype start = m_exprStart >= 0 ? m_exprStart : nameTok.pos;
        fail(m_fields ? 3077 : 3075, QStringLiteral("Wrong number of arguments used with function in query "
                                                    "expression '%1'.")
                                         .arg(m_text.mid(start, peek().pos - start).trimmed()));
    };

    if (upper == QLatin1String("IIF")) {
        if (n != 3)
            wrongCount();
        return op(QStringLiteral("(CASE WHEN ") + args[0].sql + QStringLiteral(" THEN ") + args[1].sql +
                  QStringLiteral(" ELSE ") + args[2].sql + QStringLiteral(" END)"));
    }
    if (upper == QLatin1String("SWITCH")) {
        if (n < 2 || n % 2)
            wrongCount();
        QString s = QStringLiteral("(CASE");
        for (int k = 0; k < n; k += 2)
            s += QStringLiteral(" WHEN ") + args[k].sql + QStringLiteral(" THEN ") + args[k + 1].sql;
        return op(s + QStringLiteral(" END)"));
    }
    if (upper == QLatin1String("CHOOSE")) {
        if (n < 2)
            wrongCount();
        QString s = QStringLiteral("(CASE jet_fix(") + args[0].sql + QLatin1Char(')');
        for (int k = 1; k < n; ++k)
            s += QStringLiteral(" WHEN %1 THEN ").arg(k) + args[k].sql;
        return op(s + QStringLiteral(" END)"));
    }
    if (n < info->minArgs || n > info->maxArgs)
        wrongCount();
    if (!distinct.isEmpty())
        return op(QLatin1String(info->sql) + QLatin1Char('(') + distinct + args[0].sql + QLatin1Char(')'));
    return call(info->sql, args);
}

QByteArray Translator::criteria()
{
    if (peek().kind == TokenKind::End)
        syntaxError();
    const Expr e = expression();
    if (peek().kind != TokenKind::End)
        syntaxError();
    return (QStringLiteral("SELECT ") + e.sql).toUtf8();
}

}  // namespace

Translation TranslateStatement(const QString& jetSql)
{
    Translator t(jetSql, nullptr);
    return t.statement();
}

QByteArray TranslateCriteria(const QString& criteria, const QStringList& fieldNames)
{
    Translator t(criteria, &fieldNames);
    return t.criteria();
}

int JetTypeFromDeclType(const QString& decl, int* size)
{
    QString d = decl.trimmed().toUpper();
    int arg = 0;
    const qsizetype paren = d.indexOf(QLatin1Char('('));
    if (paren >= 0) {
        arg = d.mid(paren + 1).section(QLatin1Char(')'), 0, 0).section(QLatin1Char(','), 0, 0).trimmed().toInt();
        d = d.left(paren).trimmed();
    }
    TypeMap m{};
    int type = dbText, s = 255;
    if (d == QLatin1String("TEXT")) {
        type = dbText;
        s = arg > 0 ? arg : 255;
    } else if (mapType(d, arg, &m)) {
        type = m.jetType;
        s = m.size;
    } else if (d.contains(QLatin1String("INT"))) { // SQLite's affinity rules for other names
        type = dbLong, s = 4;
    } else if (d.contains(QLatin1String("CHAR")) || d.contains(QLatin1String("CLOB")) ||
               d.contains(QLatin1String("TEXT"))) {
        type = dbText, s = arg > 0 ? arg : 255;
    } else if (d.contains(QLatin1String("BLOB"))) {
        type = dbLongBinary, s = 0;
    } else if (d.contains(QLatin1String("REAL")) || d.contains(QLatin1String("FLOA")) ||
               d.contains(QLatin1String("DOUB")) || d.contains(QLatin1String("NUM")) ||
               d.contains(QLatin1String("DEC"))) {
        type = dbDouble, s = 8;
    }
    if (size)
        *size = s;
    return type;
}

}  // namespace platform::dao::jet
