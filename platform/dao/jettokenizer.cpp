#include "platform/dao/jettokenizer.h"

#include "platform/base/error.h"
#include "platform/base/language.h"

namespace platform::dao::jet::detail {
namespace {

[[noreturn]] void fail(const QString& sql, qsizetype from, const char* what)
{
    throw platform::Error(3075,
                          platform::textInLanguage("Erro de sintaxe (%1) na expressão de consulta '%2'.",
                                                   "Error de sintaxis (%1) en la expresión de consulta '%2'.",
                                                   "Syntax error (%1) in query expression '%2'.")
                              .arg(QLatin1String(what), sql.mid(from).trimmed()),
                          QStringLiteral("DAO"));
}

bool isWordStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// &H and &O literals; `i` moves past the literal when there is one.
bool radixLiteral(const QString& sql, qsizetype& i, Token& t)
{
    const qsizetype n = sql.size();
    if (i + 2 >= n)
        return false;
    const QChar kind = sql[i + 1].toLower();
    if (kind != QLatin1Char('h') && kind != QLatin1Char('o'))
        return false;
    qsizetype j = i + 2;
    while (j < n && sql[j].isLetterOrNumber())
        ++j;
    bool ok = false;
    const qlonglong v = sql.mid(i + 2, j - i - 2).toLongLong(&ok, kind == QLatin1Char('h') ? 16 : 8);
    if (!ok || v < 0 || v > 0xFFFFFFFFll)
        return false;
    t.kind = TokenKind::Number;
    t.text = QString::number(v);
    i = j;
    return true;
}

}  // namespace

std::vector<Token> Tokenize(const QString& sql)
{
    std::vector<Token> out;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (true) {
        while (i < n && sql[i].isSpace())
            ++i;
        Token t;
        t.pos = i;
        if (i >= n) {
            t.kind = TokenKind::End;
            t.end = n;
            out.push_back(t);
            return out;
        }
        const QChar c = sql[i];
        if (isWordStart(c)) {
            qsizetype j = i + 1;
            while (j < n && isWordChar(sql[j]))
                ++j;
            if (j < n && sql[j] == QLatin1Char('$'))
                ++j;
            t.kind = TokenKind::Word;
            t.text = sql.mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char('[')) {
            const qsizetype j = sql.indexOf(QLatin1Char(']'), i + 1);
            if (j < 0)
                fail(sql, i, "missing ]");
            t.kind = TokenKind::Bracket;
            t.text = sql.mid(i + 1, j - i - 1);
            if (t.text.isEmpty())
                fail(sql, i, "empty name");
            i = j + 1;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            qsizetype j = i + 1;
            QString value;
            bool closed = false;
            while (j < n) {
                if (sql[j] == c) {
                    if (j + 1 < n && sql[j + 1] == c) {
                        value += c;
                        j += 2;
                        continue;
                    }
                    closed = true;
                    ++j;
                    break;
                }
                value += sql[j++];
            }
            if (!closed)
                fail(sql, i, "missing closing quote");
            t.kind = TokenKind::String;
            t.text = value;
            i = j;
        } else if (c == QLatin1Char('#')) {
            const qsizetype j = sql.indexOf(QLatin1Char('#'), i + 1);
            if (j < 0)
                fail(sql, i, "missing #");
            t.kind = TokenKind::Date;
            t.text = sql.mid(i + 1, j - i - 1).trimmed();
            i = j + 1;
        } else if (isDigit(c) || (c == QLatin1Char('.') && i + 1 < n && isDigit(sql[i + 1]))) {
            qsizetype j = i;
            while (j < n && isDigit(sql[j]))
                ++j;
            if (j < n && sql[j] == QLatin1Char('.')) {
                ++j;
                while (j < n && isDigit(sql[j]))
                    ++j;
            }
            if (j < n && (sql[j] == QLatin1Char('e') || sql[j] == QLatin1Char('E'))) {
                qsizetype k = j + 1;
                if (k < n && (sql[k] == QLatin1Char('+') || sql[k] == QLatin1Char('-')))
                    ++k;
                if (k < n && isDigit(sql[k])) {
                    while (k < n && isDigit(sql[k]))
                        ++k;
                    j = k;
                }
            }
            if (j < n && isWordStart(sql[j]))
                fail(sql, i, "invalid number");
            t.kind = TokenKind::Number;
            t.text = sql.mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char('&') && radixLiteral(sql, i, t)) {
            // &H1F and &O17: a concatenation with a name needs a blank ("a & H").
        } else {
            static const char* const two[] = {"<>", "<=", ">="};
            t.kind = TokenKind::Symbol;
            for (const char* s : two)
                if (sql.mid(i, 2) == QLatin1String(s))
                    t.text = QLatin1String(s);
            if (t.text.isEmpty()) {
                if (!QStringLiteral("(),.;*+-/\\^&=<>").contains(c))
                    fail(sql, i, "invalid character");
                t.text = QString(c);
            }
            i += t.text.size();
        }
        t.end = i;
        out.push_back(t);
    }
}

}  // namespace platform::dao::jet::detail
