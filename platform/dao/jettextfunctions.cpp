// Text functions of Jet SQL: Left, Right, Mid, Len, UCase, LCase, Trim,
// LTrim, RTrim, InStr, Replace, StrComp, Nz, Chr, Asc, Space, String, Str,
// Hex.  Characters are counted as characters of the text, not bytes.

#include "platform/dao/jetfunctions.h"

#include "platform/base/codepage.h"
#include "platform/dao/jetcollation.h"

#include <QList>

#include <iterator>

namespace platform::dao::jet::detail {
namespace {

// ---------------------------------------------------------------------------
// Text

// The character count argument of Left, Right, Mid and the like.
bool countArg(sqlite3_context* ctx, sqlite3_value* v, long long* out)
{
    if (isNull(v)) {
        invalidUseOfNull(ctx);
        return false;
    }
    if (!intOf(v, out)) {
        typeMismatch(ctx);
        return false;
    }
    if (*out < 0) {
        invalidCall(ctx);
        return false;
    }
    return true;
}

void fnLeft(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    long long n;
    if (nullIn(ctx, argv[0]) || !countArg(ctx, argv[1], &n))
        return;
    std::string buf;
    const std::string_view s = textOf(argv[0], buf);
    resultText(ctx, s.substr(0, byteOffset(s, std::size_t(n))));
}

void fnRight(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    long long n;
    if (nullIn(ctx, argv[0]) || !countArg(ctx, argv[1], &n))
        return;
    std::string buf;
    const std::string_view s = textOf(argv[0], buf);
    const std::size_t len = charCount(s);
    const std::size_t skip = std::size_t(n) >= len ? 0 : len - std::size_t(n);
    resultText(ctx, s.substr(byteOffset(s, skip)));
}

void fnMid(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    long long start, n = -1;
    if (nullIn(ctx, argv[0]) || !countArg(ctx, argv[1], &start))
        return;
    if (start < 1)
        return invalidCall(ctx);
    if (argc > 2 && !countArg(ctx, argv[2], &n))
        return;
    std::string buf;
    const std::string_view s = textOf(argv[0], buf);
    const std::size_t from = byteOffset(s, std::size_t(start - 1));
    const std::string_view rest = s.substr(from);
    resultText(ctx, n < 0 ? rest : rest.substr(0, byteOffset(rest, std::size_t(n))));
}

void fnLen(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (nullIn(ctx, argv[0]))
        return;
    std::string buf;
    sqlite3_result_int64(ctx, sqlite3_int64(charCount(textOf(argv[0], buf))));
}

template <bool Upper>
void fnCase(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (nullIn(ctx, argv[0]))
        return;
    thread_local std::string buf;
    const std::string_view s = textOf(argv[0], buf);
    bool ascii = true;
    for (unsigned char c : s)
        ascii = ascii && c < 0x80;
    if (ascii) {
        thread_local std::string out;
        out.assign(s);
        for (char& c : out)
            c = Upper ? (c >= 'a' && c <= 'z' ? char(c - 32) : c) : (c >= 'A' && c <= 'Z' ? char(c + 32) : c);
        resultText(ctx, out);
        return;
    }
    const QString q = QString::fromUtf8(s.data(), qsizetype(s.size()));
    resultText(ctx, Upper ? q.toUpper() : q.toLower());
}

template <bool Left, bool Right>
void fnTrim(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (nullIn(ctx, argv[0]))
        return;
    std::string buf;
    std::string_view s = textOf(argv[0], buf);
    if (Left)
        while (!s.empty() && s.front() == ' ')
            s.remove_prefix(1);
    if (Right)
        while (!s.empty() && s.back() == ' ')
            s.remove_suffix(1);
    resultText(ctx, s);
}

void fnInStr(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    // InStr([start,] text, sought [, compare])
    long long start = 1;
    int first = 0;
    if (argc >= 3) {
        if (isNull(argv[0]))
            return invalidUseOfNull(ctx);
        if (!intOf(argv[0], &start))
            return typeMismatch(ctx);
        if (start < 1)
            return invalidCall(ctx);
        first = 1;
    }
    long long compare = 1;
    if (argc == 4 && !isNull(argv[3]) && !intOf(argv[3], &compare))
        return typeMismatch(ctx);
    if (nullIn(ctx, 2, argv + first))
        return;
    QString text = qtextOf(argv[first]), sought = qtextOf(argv[first + 1]);
    const QList<uint> t = text.toUcs4(), p = sought.toUcs4();
    const long long n = t.size(), m = p.size();
    if (start > n) {
        sqlite3_result_int(ctx, 0);
        return;
    }
    if (m == 0) {
        sqlite3_result_int64(ctx, start);
        return;
    }
    for (long long i = start - 1; i + m <= n; ++i) {
        bool eq = true;
        for (long long k = 0; eq && k < m; ++k)
            eq = compare == 0 ? t[i + k] == p[k] : detail::FoldChar(t[i + k]) == detail::FoldChar(p[k]);
        if (eq) {
            sqlite3_result_int64(ctx, i + 1);
            return;
        }
    }
    sqlite3_result_int(ctx, 0);
}

void fnReplace(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    // Replace(text, find, with [, start [, count [, compare]]])
    if (nullIn(ctx, argv[0]))
        return;
    if (isNull(argv[1]) || isNull(argv[2]))
        return invalidUseOfNull(ctx);
    long long start = 1, count = -1, compare = 0;
    if ((argc > 3 && !intOf(argv[3], &start)) || (argc > 4 && !intOf(argv[4], &count)) ||
        (argc > 5 && !intOf(argv[5], &compare)))
        return typeMismatch(ctx);
    if (start < 1 || count < -1)
        return invalidCall(ctx);
    QString text = qtextOf(argv[0]);
    const QString find = qtextOf(argv[1]), with = qtextOf(argv[2]);
    text = text.mid(start - 1);
    if (find.isEmpty() || count == 0) {
        resultText(ctx, text);
        return;
    }
    const Qt::CaseSensitivity cs = compare == 0 ? Qt::CaseSensitive : Qt::CaseInsensitive;
    QString out;
    qsizetype from = 0;
    long long done = 0;
    while (count < 0 || done < count) {
        const qsizetype at = text.indexOf(find, from, cs);
        if (at < 0)
            break;
        // Every UTF-16 unit takes at least one byte of UTF-8.
        if (tooLong(ctx, std::size_t(out.size() + (at - from) + with.size())))
            return;
        out += text.mid(from, at - from) + with;
        from = at + find.size();
        ++done;
    }
    out += text.mid(from);
    resultText(ctx, out);
}

void fnStrComp(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (nullIn(ctx, 2, argv))
        return;
    long long compare = 1;
    if (argc > 2 && !isNull(argv[2]) && !intOf(argv[2], &compare))
        return typeMismatch(ctx);
    std::string ba, bb;
    const std::string_view a = textOf(argv[0], ba), b = textOf(argv[1], bb);
    int r;
    if (compare == 0) {
        const int c = a.compare(b);
        r = c < 0 ? -1 : c > 0 ? 1 : 0;
    } else {
        r = detail::CompareUtf8(a, b, false);
    }
    sqlite3_result_int(ctx, r);
}

void fnNz(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (!isNull(argv[0]))
        sqlite3_result_value(ctx, argv[0]);
    else if (argc > 1)
        sqlite3_result_value(ctx, argv[1]);
    else
        sqlite3_result_text(ctx, "", 0, SQLITE_STATIC);
}

// Chr and Asc know the characters by their Windows-1252 codes.
void fnChr(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    long long code;
    if (isNull(argv[0]))
        return invalidUseOfNull(ctx);
    if (!intOf(argv[0], &code))
        return typeMismatch(ctx);
    if (code < 0 || code > 255)
        return invalidCall(ctx);
    resultText(ctx, QString(QChar(platform::windows1252Char(static_cast<unsigned char>(code)))));
}

void fnAsc(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return invalidUseOfNull(ctx);
    const QString s = qtextOf(argv[0]);
    if (s.isEmpty())
        return invalidCall(ctx);
    const char16_t c = s[0].unicode();
    const int code = platform::windows1252Byte(c);
    sqlite3_result_int(ctx, code >= 0 ? code : c);
}

void fnSpace(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    long long n;
    if (!countArg(ctx, argv[0], &n) || tooLong(ctx, std::uint64_t(n)))
        return;
    resultText(ctx, std::string(std::size_t(n), ' '));
}

void fnString(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    long long n;
    if (!countArg(ctx, argv[0], &n))
        return;
    if (isNull(argv[1]))
        return invalidUseOfNull(ctx);
    QString ch;
    long long code;
    if (sqlite3_value_type(argv[1]) == SQLITE_TEXT) {
        ch = qtextOf(argv[1]).left(1);
        if (ch.isEmpty())
            return invalidCall(ctx);
    } else if (intOf(argv[1], &code)) {
        ch = QString(QChar(char16_t(code & 0xFF)));
    } else {
        return typeMismatch(ctx);
    }
    const std::uint64_t bytesPerChar = std::uint64_t(ch.toUtf8().size());
    if (std::uint64_t(n) > textLimit(ctx) / bytesPerChar)
        return outOfStringSpace(ctx);
    resultText(ctx, ch.repeated(qsizetype(n)));
}

void fnStr(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    double d;
    if (!numberArg(ctx, argv[0], &d))
        return;
    std::string s = d >= 0 ? " " : "";
    vb::AppendNumberText(d, s);
    resultText(ctx, s);
}

void fnHex(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    long long v;
    if (!intArg(ctx, argv[0], &v))
        return;
    if (v < -2147483648LL || v > 4294967295LL)
        return overflow(ctx);
    resultText(ctx, QString::number(static_cast<quint32>(v), 16).toUpper());
}


const Registration kTextFunctions[] = {
    {"jet_left", 2, fnLeft, true},
    {"jet_right", 2, fnRight, true},
    {"jet_mid", 2, fnMid, true, 3},
    {"jet_len", 1, fnLen, true},
    {"jet_ucase", 1, fnCase<true>, true},
    {"jet_lcase", 1, fnCase<false>, true},
    {"jet_trim", 1, fnTrim<true, true>, true},
    {"jet_ltrim", 1, fnTrim<true, false>, true},
    {"jet_rtrim", 1, fnTrim<false, true>, true},
    {"jet_instr", 2, fnInStr, true, 4},
    {"jet_replace", 3, fnReplace, true, 6},
    {"jet_strcomp", 2, fnStrComp, true, 3},
    {"jet_nz", 1, fnNz, true, 2},
    {"jet_chr", 1, fnChr, true},
    {"jet_asc", 1, fnAsc, true},
    {"jet_space", 1, fnSpace, true},
    {"jet_string", 2, fnString, true},
    {"jet_str", 1, fnStr, true},
    {"jet_hex", 1, fnHex, true},
};

}  // namespace

void RegisterTextFunctions(sqlite3* db) { Register(db, kTextFunctions, std::size(kTextFunctions)); }

}  // namespace platform::dao::jet::detail
