#include "platform/dao/insertcache.h"

#include "platform/dao/daoerrors.h"
#include "platform/dao/jetsql.h"
#include "platform/dao/jettokenizer.h"
#include "platform/dao/jettranslator.h"

#include <sqlite3.h>

#include <vector>

namespace platform::dao::detail {

using jet::detail::Token;
using jet::detail::TokenKind;

namespace {

struct Valor {
    enum Tipo { Texto, Inteiro, Nulo } tipo = Nulo;
    QString texto;       // the literal's value, or its digits
    qint64 inteiro = 0;
};

struct Insercao {
    QString tabela;
    QStringList colunas;
    std::vector<Valor> valores;
};

bool nome(const Token& t) { return t.kind == TokenKind::Word || t.kind == TokenKind::Bracket; }

// The statement's parts, when it is an INSERT of literals.
bool analisa(const std::vector<Token>& t, Insercao& ins)
{
    std::size_t i = 0;
    auto at = [&](std::size_t k) -> const Token& { return t[std::min(k, t.size() - 1)]; };
    if (!at(0).isWord("INSERT") || !at(1).isWord("INTO") || !nome(at(2)))
        return false;
    ins.tabela = at(2).text;
    i = 3;
    if (at(i).isSymbol("(")) {
        ++i;
        do {
            if (!nome(at(i)))
                return false;
            ins.colunas << at(i++).text;
        } while (at(i).isSymbol(",") && ++i);
        if (!at(i++).isSymbol(")"))
            return false;
    }
    if (!at(i++).isWord("VALUES") || !at(i++).isSymbol("("))
        return false;
    do {
        const Token& v = at(i++);
        Valor valor;
        if (v.kind == TokenKind::String) {
            valor.tipo = Valor::Texto;
            valor.texto = v.text;
        } else if (v.kind == TokenKind::Number) {
            bool ok = !v.text.isEmpty();
            for (QChar c : v.text)
                ok = ok && c >= QLatin1Char('0') && c <= QLatin1Char('9');
            if (ok)
                valor.inteiro = v.text.toLongLong(&ok);
            if (!ok)
                return false;
            valor.tipo = Valor::Inteiro;
            valor.texto = v.text;
        } else if (!v.isWord("NULL")) {
            return false;
        }
        ins.valores.push_back(valor);
    } while (at(i).isSymbol(",") && ++i);
    return at(i).isSymbol(")") && at(i + 1).kind == TokenKind::End;
}

// The SQLite text of the shape: the values as parameters, or written in.
QString texto(const Insercao& ins, bool escritos)
{
    QString sql = QStringLiteral("INSERT INTO ") + jet::detail::quoteName(ins.tabela);
    if (!ins.colunas.isEmpty()) {
        QStringList colunas;
        for (const QString& c : ins.colunas)
            colunas << jet::detail::quoteName(c);
        sql += QStringLiteral(" (") + colunas.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    QStringList valores;
    for (const Valor& v : ins.valores) {
        if (v.tipo == Valor::Nulo)
            valores << QStringLiteral("NULL");
        else if (!escritos)
            valores << QStringLiteral("?");
        else
            valores << (v.tipo == Valor::Texto ? jet::detail::quoteText(v.texto) : v.texto);
    }
    return sql + QStringLiteral(" VALUES (") + valores.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QString forma(const Insercao& ins)
{
    QString k = ins.tabela + QLatin1Char('\n') + ins.colunas.join(QLatin1Char('\n')) + QLatin1Char('\n');
    for (const Valor& v : ins.valores)
        k += v.tipo == Valor::Texto ? QLatin1Char('T') : v.tipo == Valor::Inteiro ? QLatin1Char('I') : QLatin1Char('N');
    return k;
}

}  // namespace

bool InsertCache::Run(const QString& jetSql, long* changes)
{
    // A cheap look first: most statements are no INSERT.
    const QString inicio = jetSql.left(16).trimmed();
    if (!inicio.startsWith(QLatin1String("INSERT"), Qt::CaseInsensitive))
        return false;
    Insercao ins;
    if (!analisa(jet::detail::Tokenize(jetSql), ins))
        return false;
    const QString chave = forma(ins);
    auto achado = m_shapes.constFind(chave);
    sqlite3_stmt* st = nullptr;
    if (achado == m_shapes.constEnd()) {
        // The translator sees the first statement of a shape (a syntax error
        // is raised here as the general path would raise it).
        const jet::Translation t = jet::TranslateStatement(jetSql);
        if (t.kind == jet::StatementKind::Insert && t.sql == texto(ins, true).toUtf8()) {
            const QByteArray sql = texto(ins, false).toUtf8();
            if (sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &st, nullptr) != SQLITE_OK) {
                sqlite3_finalize(st);
                st = nullptr;
            }
        }
        if (m_shapes.size() >= kShapes)
            Clear();
        m_shapes.insert(chave, st);
    } else {
        st = *achado;
    }
    if (!st)
        return false;

    int p = 1;
    int rc = SQLITE_OK;
    for (const Valor& v : ins.valores) {
        if (v.tipo == Valor::Texto) {
            const QByteArray u = v.texto.toUtf8();
            rc = sqlite3_bind_text(st, p++, u.constData(), int(u.size()), SQLITE_TRANSIENT);
        } else if (v.tipo == Valor::Inteiro) {
            rc = sqlite3_bind_int64(st, p++, v.inteiro);
        }
        if (rc != SQLITE_OK) {
            // A value the connection refuses (too long) fails as its literal would.
            sqlite3_clear_bindings(st);
            throw MakeError(rc, QString::fromUtf8(sqlite3_errstr(rc)), Context::Action);
        }
    }
    rc = sqlite3_step(st);
    if (rc != SQLITE_DONE) {
        const int ext = sqlite3_extended_errcode(m_db);
        const QString msg = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
        throw MakeError(ext, msg, Context::Action);
    }
    sqlite3_reset(st);
    sqlite3_clear_bindings(st);
    *changes = long(sqlite3_changes(m_db));
    return true;
}

void InsertCache::Clear()
{
    for (sqlite3_stmt* st : std::as_const(m_shapes))
        sqlite3_finalize(st);
    m_shapes.clear();
}

}  // namespace platform::dao::detail
