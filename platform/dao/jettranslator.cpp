// Statements: SELECT (with UNION, TOP, INTO), INSERT, UPDATE and DELETE,
// the FROM clause, FindFirst criteria, and the entry points of jetsql.h.

#include "platform/dao/jettranslator.h"

#include "platform/base/error.h"

#include <QHash>
#include <QSet>

#include <charconv>
#include <cmath>
#include <functional>
#include <mutex>

namespace platform::dao::jet::detail {

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
    const Nesting nesting(*this);
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
        left += kind + right + QStringLiteral(" ON ") + joinCondition();
    }
}

// A bare column as the condition would join every row with every other; Jet
// refuses it.
QString Translator::joinCondition()
{
    const qsizetype start = peek().pos;
    const Expr cond = expression();
    m_exprStart = -1;
    if (cond.column)
        fail(3296, QStringLiteral("JOIN expression not supported. ('%1')")
                       .arg(m_text.mid(start, (peek().kind == TokenKind::End ? m_text.size() : peek().pos) - start)
                                .trimmed()));
    return cond.sql;
}

QString Translator::tableReference()
{
    const Nesting nesting(*this);
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
            const Nesting nesting(*this);
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
                conditions << joinCondition();
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

QByteArray Translator::criteria()
{
    if (peek().kind == TokenKind::End)
        syntaxError();
    const Expr e = expression();
    if (peek().kind != TokenKind::End)
        syntaxError();
    return (QStringLiteral("SELECT ") + e.sql).toUtf8();
}

}  // namespace platform::dao::jet::detail

namespace platform::dao::jet {

namespace {

// Queries are opened again and again with the same text (a screen's list,
// its combo, the rows of a figure), and translating one costs about as much
// as SQLite's own parsing.  A translation depends on the text alone, so the
// queries' translations are kept; the other statements (rows of literals,
// DDL) rarely repeat and are not.  The recordsets of the catalogue search
// open on a worker thread: the cache is shared under a lock.
constexpr qsizetype kCachedQueries = 256;

std::mutex& QueryCacheLock()
{
    static std::mutex m;
    return m;
}

QHash<QString, Translation>& QueryCache()
{
    static QHash<QString, Translation> cache;
    return cache;
}

}  // namespace

Translation TranslateStatement(const QString& jetSql)
{
    {
        const std::lock_guard<std::mutex> lock(QueryCacheLock());
        const auto it = QueryCache().constFind(jetSql);
        if (it != QueryCache().cend())
            return *it;
    }
    detail::Translator t(jetSql, nullptr);
    Translation r = t.statement();
    if (r.kind == StatementKind::Select) {
        const std::lock_guard<std::mutex> lock(QueryCacheLock());
        QHash<QString, Translation>& cache = QueryCache();
        if (cache.size() >= kCachedQueries)
            cache.clear();
        cache.insert(jetSql, r);
    }
    return r;
}

QByteArray TranslateCriteria(const QString& criteria, const QStringList& fieldNames)
{
    detail::Translator t(criteria, &fieldNames);
    return t.criteria();
}

}  // namespace platform::dao::jet
