#pragma once
// The translator's parser, shared by its three parts: statements
// (jettranslator.cpp), DDL (jetddl.cpp) and expressions (jetexpression.cpp).
// It reads Jet SQL by recursive descent and writes SQLite text as it goes.
// Operator precedence is Jet's, from the tightest:
//   ^ ; unary - ; * / ; \ ; Mod ; + - ; & ; comparisons (= <> < > <= >=
//   Like Is In Between) ; Not ; And ; Or ; Xor ; Eqv ; Imp
// Every operation is written fully parenthesised, so SQLite's own
// precedence never comes into play.

#include "platform/dao/jetsql.h"
#include "platform/dao/jettokenizer.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <utility>
#include <vector>

namespace platform::dao::jet::detail {

QString quoteName(QString name);
QString quoteText(QString text);
// A number as SQLite text: whole numbers without a fraction.
QString numberText(double v);
// Words that cannot start an operand, and words that end a table reference.
bool isReserved(const Token& t);
bool endsTableRef(const Token& t);

// An expression as SQLite text, with what the translator needs to know of it.
struct Expr {
    QString sql;
    bool column = false;    // a plain column reference
    bool qualified = false; // ... written with its table
    bool integer = false;   // an unsigned integer literal
    bool star = false;      // t.*
};

// The DDL type map: Jet type names to SQLite declared types.
struct TypeMap {
    const char* decl; // SQLite declared type; "TEXT" gets its size
    int jetType;
    int size;
    bool text;
    bool counter;
};

bool mapType(const QString& upperType, int sizeArg, TypeMap* out);

// Date literals of Jet SQL as day numbers; false when the text is no date.
bool parseJetDate(const QString& text, double* out);

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
        throw platform::Error(number, message, QStringLiteral("DAO"));
    }
    // A syntax error: in an expression Jet quotes it (3075); elsewhere the
    // statement's own error applies.
    [[noreturn]] void syntaxError() const;

    // Nesting of the recursive descent (parentheses, function calls,
    // sub-queries, NOT and sign chains, parenthesised joins): deeper than
    // kMaxNesting levels is Jet's 3360, so that no statement can exhaust the
    // stack.  A few hundred levels is far beyond any real statement.
    static constexpr int kMaxNesting = 200;
    class Nesting {
    public:
        explicit Nesting(Translator& t) : m_t(t)
        {
            if (++m_t.m_nesting > kMaxNesting) {
                --m_t.m_nesting;
                m_t.fail(3360, QStringLiteral("Query is too complex."));
            }
        }
        ~Nesting() { --m_t.m_nesting; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;

    private:
        Translator& m_t;
    };
    // The condition of a join: a comparison, never a bare column (3296).
    QString joinCondition();

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
    int m_nesting = 0;
    qsizetype m_exprStart = -1;
    long m_statementError = 3075;
    QString m_statementMessage;
    int m_exprNames = 0;
    // Tables of the FROM clause being read: (table, alias).
    std::vector<std::pair<QString, QString>> m_tableRefs;
};

}  // namespace platform::dao::jet::detail
