#pragma once
// Tokens of Jet SQL text, for the translator (jetparser.cpp).

#include <QString>

#include <vector>

namespace platform::dao::jet::detail {

enum class TokenKind {
    End,
    Word,    // a name or keyword as written (letters, digits, "_", a final "$")
    Bracket, // [a name], without the brackets
    String,  // '...' or "...", the value with doubled quotes undone
    Number,  // digits, "." and exponent as written; &H and &O literals as decimal
    Date,    // #...#, the text between the signs
    Symbol,  // ( ) , . ; * + - / \ ^ & = <> < > <= >=
};

struct Token {
    TokenKind kind = TokenKind::End;
    QString text;
    qsizetype pos = 0; // offset of the token in the statement
    qsizetype end = 0; // offset after it

    bool is(TokenKind k, const char* t) const
    {
        return kind == k && text.compare(QLatin1String(t), Qt::CaseInsensitive) == 0;
    }
    bool isWord(const char* w) const { return is(TokenKind::Word, w); }
    bool isSymbol(const char* s) const { return kind == TokenKind::Symbol && text == QLatin1String(s); }
};

// Splits a statement into tokens; the last one is End.  Raises
// platform::Error 3075 for an unterminated string, name or date and for a
// character that has no place in Jet SQL.
std::vector<Token> Tokenize(const QString& sql);

}  // namespace platform::dao::jet::detail
