#include "platform/base/vbruntime.h"

#include <QDate>
#include <QTime>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace platform::vb {
namespace {

// ---------------------------------------------------------------------------
// Decimal numbers: the digits of a value, so that numeric text formats
// exactly and a Double formats from its 15 significant digits, as the run
// time does.

constexpr int kMaxDigits = 40;

struct Decimal {
    bool neg = false;
    int n = 0;     // significant digits in d; 0 for zero
    int point = 0; // value = 0.d[0]d[1]... x 10^point
    char d[kMaxDigits];

    bool isZero() const { return n == 0; }
    // Digit at index i of the expansion (0 beyond the stored digits).
    char at(int i) const { return i >= 0 && i < n ? d[i] : '0'; }
};

void stripTrailingZeros(Decimal& x)
{
    while (x.n > 0 && x.d[x.n - 1] == '0')
        --x.n;
    if (x.n == 0) {
        x.point = 0;
        x.neg = false;
    }
}

Decimal fromInt64(std::int64_t v)
{
    Decimal x;
    x.neg = v < 0;
    std::uint64_t m = x.neg ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    char tmp[24];
    int len = 0;
    while (m > 0) {
        tmp[len++] = char('0' + m % 10);
        m /= 10;
    }
    for (int i = 0; i < len; ++i)
        x.d[i] = tmp[len - 1 - i];
    x.n = len;
    x.point = len;
    stripTrailingZeros(x);
    return x;
}

Decimal fromDouble(double v)
{
    Decimal x;
    if (v == 0 || !std::isfinite(v))
        return x;
    x.neg = v < 0;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 14);
    *res.ptr = '\0';
    // "d.dddddddddddddde+XX"
    const char* p = buf;
    x.d[x.n++] = *p++;
    if (*p == '.')
        ++p;
    while (*p >= '0' && *p <= '9')
        x.d[x.n++] = *p++;
    int exp = 0;
    if (*p == 'e')
        std::from_chars(p + 1 + (p[1] == '+'), res.ptr, exp);
    x.point = exp + 1;
    stripTrailingZeros(x);
    return x;
}

double toDouble(const Decimal& x)
{
    if (x.isZero())
        return 0;
    char buf[kMaxDigits + 16];
    int len = 0;
    buf[len++] = '0';
    buf[len++] = '.';
    for (int i = 0; i < x.n; ++i)
        buf[len++] = x.d[i];
    buf[len++] = 'e';
    auto r = std::to_chars(buf + len, buf + sizeof buf, x.point);
    double out = 0;
    std::from_chars(buf, r.ptr, out);
    return x.neg ? -out : out;
}

// Rounds to `decimals` places after the point: half away from zero, or half
// to even when `bankers`.
void roundDecimal(Decimal& x, int decimals, bool bankers = false)
{
    const int r = x.point + decimals; // index of the first dropped digit
    if (r >= x.n)
        return;
    if (r < 0) {
        x.n = 0;
        stripTrailingZeros(x);
        return;
    }
    bool up = x.d[r] >= '5';
    if (bankers && x.d[r] == '5' && r == x.n - 1) // exactly half
        up = r > 0 && ((x.d[r - 1] - '0') & 1);
    x.n = r;
    if (up) {
        int i = x.n - 1;
        while (i >= 0 && x.d[i] == '9')
            --i;
        if (i < 0) {
            x.d[0] = '1';
            x.n = 1;
            ++x.point;
        } else {
            ++x.d[i];
            x.n = i + 1;
        }
    }
    stripTrailingZeros(x);
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// &H / &O numbers: up to 4 digits a 16-bit value, up to 8 a 32-bit value,
// both signed as the run time reads them.
bool parseRadix(std::string_view s, std::size_t& i, std::int64_t& out)
{
    if (i + 1 >= s.size() || s[i] != '&')
        return false;
    const char kind = char(s[i + 1] | 0x20);
    int radix = kind == 'h' ? 16 : kind == 'o' ? 8 : 0;
    if (!radix)
        return false;
    std::size_t j = i + 2;
    std::uint64_t v = 0;
    int digits = 0;
    while (j < s.size()) {
        const char c = s[j];
        int dv = -1;
        if (c >= '0' && c <= '9')
            dv = c - '0';
        else if (radix == 16 && (c | 0x20) >= 'a' && (c | 0x20) <= 'f')
            dv = (c | 0x20) - 'a' + 10;
        if (dv < 0 || dv >= radix)
            break;
        v = v * radix + dv;
        ++digits;
        ++j;
        if (v > 0xFFFFFFFFull)
            return false;
    }
    if (digits == 0)
        return false;
    const bool small = radix == 16 ? digits <= 4 : v <= 0xFFFF;
    if (small && v > 0x7FFF && v <= 0xFFFF)
        out = std::int64_t(v) - 0x10000;
    else if (v > 0x7FFFFFFF)
        out = std::int64_t(v) - 0x100000000ll;
    else
        out = std::int64_t(v);
    i = j;
    return true;
}

// The number rule of IsNumeric.  Fills `out` when the whole text is a number.
bool parseNumeric(std::string_view s, Decimal& out)
{
    std::size_t i = 0, e = s.size();
    while (i < e && isBlank(s[i]))
        ++i;
    while (e > i && isBlank(s[e - 1]))
        --e;
    if (i == e)
        return false;
    s = s.substr(0, e);
    std::int64_t radixValue = 0;
    if (s[i] == '&') {
        if (!parseRadix(s, i, radixValue) || i != e)
            return false;
        out = fromInt64(radixValue);
        return true;
    }
    Decimal x;
    if (s[i] == '+' || s[i] == '-') {
        x.neg = s[i] == '-';
        ++i;
    }
    bool any = false, nonZero = false;
    int point = 0;
    while (i < e && s[i] >= '0' && s[i] <= '9') {
        any = true;
        if (s[i] != '0' || nonZero) {
            nonZero = true;
            if (x.n < kMaxDigits)
                x.d[x.n++] = s[i];
            ++point;
        }
        ++i;
    }
    if (i < e && s[i] == '.') {
        ++i;
        while (i < e && s[i] >= '0' && s[i] <= '9') {
            any = true;
            if (s[i] != '0' || nonZero) {
                nonZero = true;
                if (x.n < kMaxDigits)
                    x.d[x.n++] = s[i];
            } else {
                --point;
            }
            ++i;
        }
    }
    if (!any)
        return false;
    if (i < e && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        ++i;
        bool eneg = false;
        if (i < e && (s[i] == '+' || s[i] == '-')) {
            eneg = s[i] == '-';
            ++i;
        }
        if (i == e || s[i] < '0' || s[i] > '9')
            return false;
        int exp = 0;
        while (i < e && s[i] >= '0' && s[i] <= '9') {
            exp = std::min(exp * 10 + (s[i] - '0'), 100000);
            ++i;
        }
        point += eneg ? -exp : exp;
    }
    if (i != e)
        return false;
    if (point > 400) // beyond a Double
        return false;
    x.point = point;
    stripTrailingZeros(x);
    out = x;
    return true;
}

// ---------------------------------------------------------------------------
// Dates

const QDate& baseDate()
{
    static const QDate base(1899, 12, 30);
    return base;
}

struct DateParts {
    int year, month, day, hour, minute, second;
    int weekday;   // 1 Sunday .. 7 Saturday
    int dayOfYear; // 1..366
    std::int64_t whole;
    int secs;
};

[[noreturn]] void dateOverflow() { throw platform::Error(platform::errors::Overflow, QStringLiteral("Overflow")); }

// Whole days and seconds of the day; false outside the date range.
bool splitSeconds(double days, double* wholeOut, long long* secsOut)
{
    if (!(days > kMinDayNumber - 1 && days < kMaxDayNumber + 1)) // NaN too
        return false;
    double whole = std::trunc(days);
    const double frac = std::fabs(days - whole);
    long long secs = std::llround(frac * 86400.0);
    if (secs >= 86400) {
        secs -= 86400;
        whole += days < 0 ? -1 : 1;
    }
    if (whole < kMinDayNumber || whole > kMaxDayNumber)
        return false;
    *wholeOut = whole;
    *secsOut = secs;
    return true;
}

DateParts splitDayNumber(double days)
{
    DateParts p{};
    double whole = 0;
    long long secs = 0;
    if (!splitSeconds(days, &whole, &secs))
        dateOverflow();
    p.whole = static_cast<std::int64_t>(whole);
    p.secs = int(secs);
    const QDate d = baseDate().addDays(p.whole);
    p.year = d.year();
    p.month = d.month();
    p.day = d.day();
    p.weekday = d.dayOfWeek() % 7 + 1;
    p.dayOfYear = d.dayOfYear();
    p.hour = p.secs / 3600;
    p.minute = p.secs / 60 % 60;
    p.second = p.secs % 60;
    return p;
}

const char* const kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};
const char* const kDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

void append2(std::string& out, int v)
{
    out += char('0' + v / 10 % 10);
    out += char('0' + v % 10);
}

void appendInt(std::string& out, long long v)
{
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

void appendPadded(std::string& out, long long v, int width)
{
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v < 0 ? -v : v);
    if (v < 0)
        out += '-';
    for (int k = int(r.ptr - buf); k < width; ++k)
        out += '0';
    out.append(buf, r.ptr);
}

void appendShortDate(std::string& out, const DateParts& p)
{
    append2(out, p.day);
    out += '/';
    append2(out, p.month);
    out += '/';
    appendPadded(out, p.year, 4);
}

void appendLongTime(std::string& out, const DateParts& p)
{
    append2(out, p.hour);
    out += ':';
    append2(out, p.minute);
    out += ':';
    append2(out, p.second);
}

void appendGeneralDate(std::string& out, double days)
{
    const DateParts p = splitDayNumber(days);
    if (p.whole != 0 || p.secs == 0)
        appendShortDate(out, p);
    if (p.secs != 0) {
        if (p.whole != 0)
            out += ' ';
        appendLongTime(out, p);
    }
}

// A value as it is written without a mask.
void appendValueText(const Value& v, std::string& out)
{
    switch (v.kind) {
    case Value::Integer: appendInt(out, v.i); break;
    case Value::Real: AppendNumberText(v.r, out); break;
    case Value::Date: appendGeneralDate(out, v.r); break;
    default: out.append(v.text); break;
    }
}

// ---------------------------------------------------------------------------
// Text helpers

void appendUtf8(std::string& out, const QString& s)
{
    const QByteArray b = s.toUtf8();
    out.append(b.constData(), std::size_t(b.size()));
}

QString fromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

std::string_view viewOf(const QByteArray& b) { return std::string_view(b.constData(), std::size_t(b.size())); }

// The UTF-8 bytes of a value taken as text (a byte array as it is).
QByteArray utf8Of(const QVariant& v)
{
    return v.metaType().id() == QMetaType::QByteArray ? v.toByteArray() : v.toString().toUtf8();
}

bool isWholeNumberType(int id)
{
    switch (id) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Char:
    case QMetaType::UChar:
    case QMetaType::SChar:
        return true;
    default:
        return false;
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// Format masks

struct FormatMask::Impl {
    enum class Kind { Number, Date, Text, Literal, GeneralNumber, YesNo, TrueFalse, OnOff };

    enum class Tok {
        Literal,
        Digit0,
        DigitHash,
        Point,
        Comma,
        Percent,
        Exp,
        // date and time
        General,
        Day, Day2, DayName, DayNameLong, ShortDate, LongDate,
        Weekday, Week,
        Month, Month2, MonthName, MonthNameLong,
        Quarter, DayOfYear, Year2, Year4,
        Hour, Hour2, Minute, Minute2, Second, Second2, LongTime,
        AmPmUpper, AmPmLower, APUpper, APLower, AmPmLocale,
        // text
        CharAt, CharAmp,
    };

    struct Token {
        Tok tok;
        std::string text; // Literal text; Exp: "E+" etc.
    };

    struct Section {
        Kind kind = Kind::Literal;
        bool empty = true;
        std::vector<Token> toks;
        // Number sections, from the tokens:
        std::vector<Token> intToks, fracToks, expToks;
        bool hasPoint = false;
        bool grouping = false;
        int scale = 0; // thousands commas before the point
        bool percent = false;
        bool scientific = false;
        std::string expText; // "E+", "e-", ...
        int minInt = 0, decimals = 0, minDec = 0, expMin = 0, intPlaceholders = 0;
        // Date sections:
        bool twelveHour = false;
        // Text sections:
        bool lower = false, upper = false, leftToRight = false;
        int textPlaceholders = 0;
    };

    std::vector<Section> sections;
    bool noMask = false;

    explicit Impl(const QString& mask);
    void compileNumber(Section& s, const QString& text);
    void compileDate(Section& s, const QString& text);
    void compileText(Section& s, const QString& text);

    bool apply(const Value& v, std::string& out) const;
    void formatNumber(const Section& s, Decimal x, bool withSign, std::string& out) const;
    void formatDate(const Section& s, double days, std::string& out) const;
    void formatText(const Section& s, std::string_view text, std::string& out) const;
    static void literalsOnly(const Section& s, std::string& out);
};

namespace {

// Splits a mask at unquoted, unescaped semicolons.
QStringList splitSections(const QString& mask)
{
    QStringList out;
    QString cur;
    bool quoted = false;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        const QChar c = mask[i];
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('\\') && i + 1 < mask.size()) {
            cur += c;
            cur += mask[++i];
            continue;
        }
        if (!quoted && c == QLatin1Char(';')) {
            out << cur;
            cur.clear();
            continue;
        }
        cur += c;
    }
    out << cur;
    return out;
}

// Whether the mask has one of the characters outside quotes and escapes.
bool hasPlaceholder(const QString& text, QLatin1StringView placeholders)
{
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && c == QLatin1Char('\\'))
            ++i;
        else if (!quoted && placeholders.contains(c))
            return true;
    }
    return false;
}

bool hasNumberPlaceholder(const QString& text) { return hasPlaceholder(text, QLatin1StringView("0#")); }
bool hasTextPlaceholder(const QString& text) { return hasPlaceholder(text, QLatin1StringView("@&<>!")); }

void addLiteral(std::vector<FormatMask::Impl::Token>& toks, const QString& text)
{
    using Tok = FormatMask::Impl::Tok;
    const QByteArray b = text.toUtf8();
    if (!toks.empty() && toks.back().tok == Tok::Literal)
        toks.back().text.append(b.constData(), std::size_t(b.size()));
    else
        toks.push_back({Tok::Literal, std::string(b.constData(), std::size_t(b.size()))});
}

// Reads a quoted or escaped literal at i; returns false when there is none.
bool readLiteral(const QString& text, qsizetype& i, QString& lit)
{
    const QChar c = text[i];
    if (c == QLatin1Char('"')) {
        const qsizetype end = text.indexOf(QLatin1Char('"'), i + 1);
        lit = text.mid(i + 1, (end < 0 ? text.size() : end) - i - 1);
        i = end < 0 ? text.size() : end + 1;
        return true;
    }
    if (c == QLatin1Char('\\')) {
        lit = i + 1 < text.size() ? QString(text[i + 1]) : QString();
        i += 2;
        return true;
    }
    return false;
}

QString namedMask(const QString& mask, FormatMask::Impl::Kind* special)
{
    using Kind = FormatMask::Impl::Kind;
    const QString m = mask.trimmed().toLower();
    struct Named {
        const char* name;
        const char* mask;
        Kind special;
    };
    static const Named table[] = {
        {"general number", "", Kind::GeneralNumber},
        {"currency", "$#,##0.00;($#,##0.00)", Kind::Number},
        {"fixed", "0.00", Kind::Number},
        {"standard", "#,##0.00", Kind::Number},
        {"percent", "0.00%", Kind::Number},
        {"scientific", "0.00E+00", Kind::Number},
        {"yes/no", "", Kind::YesNo},
        {"true/false", "", Kind::TrueFalse},
        {"on/off", "", Kind::OnOff},
        {"general date", "c", Kind::Date},
        {"long date", "dddddd", Kind::Date},
        {"medium date", "dd-mmm-yy", Kind::Date},
        {"short date", "ddddd", Kind::Date},
        {"long time", "ttttt", Kind::Date},
        {"medium time", "hh:nn AMPM", Kind::Date},
        {"short time", "hh:nn", Kind::Date},
    };
    for (const Named& n : table)
        if (m == QLatin1String(n.name)) {
            *special = n.special;
            return QString::fromLatin1(n.mask);
        }
    *special = Kind::Literal;
    return mask;
}

}  // namespace

FormatMask::Impl::Impl(const QString& rawMask)
{
    if (rawMask.isEmpty()) {
        noMask = true;
        return;
    }
    Kind special = Kind::Literal;
    const QString mask = namedMask(rawMask, &special);
    if (special == Kind::GeneralNumber || special == Kind::YesNo || special == Kind::TrueFalse ||
        special == Kind::OnOff) {
        Section s;
        s.kind = special;
        s.empty = false;
        sections.push_back(s);
        return;
    }
    for (const QString& text : splitSections(mask)) {
        Section s;
        s.empty = text.isEmpty();
        if (hasNumberPlaceholder(text))
            compileNumber(s, text);
        else {
            compileDate(s, text);
            if (s.kind != Kind::Date) {
                if (hasTextPlaceholder(text))
                    compileText(s, text);
                else
                    compileNumber(s, text); // literals only
            }
        }
        sections.push_back(std::move(s));
        if (sections.size() == 4)
            break;
    }
}

void FormatMask::Impl::compileNumber(Section& s, const QString& text)
{
    s.kind = Kind::Number;
    bool anyPlaceholder = false;
    for (qsizetype i = 0; i < text.size();) {
        QString lit;
        if (readLiteral(text, i, lit)) {
            addLiteral(s.toks, lit);
            continue;
        }
        const QChar c = text[i];
        if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            s.toks.push_back({c == QLatin1Char('0') ? Tok::Digit0 : Tok::DigitHash, {}});
            anyPlaceholder = true;
        } else if (c == QLatin1Char('.') && !s.hasPoint && !s.scientific) {
            s.toks.push_back({Tok::Point, {}});
            s.hasPoint = true;
        } else if (c == QLatin1Char(',')) {
            s.toks.push_back({Tok::Comma, ","}); // grouping, scaling or text: resolved below
        } else if (c == QLatin1Char('%')) {
            s.toks.push_back({Tok::Percent, "%"});
            s.percent = true;
        } else if ((c == QLatin1Char('E') || c == QLatin1Char('e')) && i + 1 < text.size() &&
                   (text[i + 1] == QLatin1Char('+') || text[i + 1] == QLatin1Char('-')) && anyPlaceholder &&
                   !s.scientific) {
            s.toks.push_back({Tok::Exp, std::string{char(c.unicode()), char(text[i + 1].unicode())}});
            s.scientific = true;
            ++i;
        } else {
            addLiteral(s.toks, QString(c));
        }
        ++i;
    }
    if (!anyPlaceholder) {
        s.kind = Kind::Literal;
        for (Token& t : s.toks)
            if (t.tok == Tok::Comma)
                t.tok = Tok::Literal;
        return;
    }

    // Split into the integer part, the fraction and the exponent.
    int part = 0; // 0 int, 1 frac, 2 exponent
    for (const Token& t : s.toks) {
        if (t.tok == Tok::Point && part == 0) {
            part = 1;
            continue;
        }
        if (t.tok == Tok::Exp) {
            s.expText = t.text;
            part = 2;
            continue;
        }
        (part == 0 ? s.intToks : part == 1 ? s.fracToks : s.expToks).push_back(t);
    }

    // Commas: between placeholders of the integer part they ask for groups
    // of three; after the last placeholder of the integer part each one
    // divides by 1000; before any placeholder they are plain text.
    int lastPh = -1, firstPh = -1;
    for (int k = 0; k < int(s.intToks.size()); ++k)
        if (s.intToks[k].tok == Tok::Digit0 || s.intToks[k].tok == Tok::DigitHash) {
            lastPh = k;
            if (firstPh < 0)
                firstPh = k;
        }
    std::vector<Token> intToks;
    for (int k = 0; k < int(s.intToks.size()); ++k) {
        const Token& t = s.intToks[k];
        if (t.tok == Tok::Comma) {
            if (firstPh >= 0 && k > firstPh && k < lastPh)
                s.grouping = true;
            else if (firstPh >= 0 && k > lastPh)
                ++s.scale;
            else
                addLiteral(intToks, QStringLiteral(","));
            continue;
        }
        intToks.push_back(t);
    }
    s.intToks = std::move(intToks);
    for (std::vector<Token>* v : {&s.fracToks, &s.expToks})
        for (Token& t : *v)
            if (t.tok == Tok::Comma)
                t.tok = Tok::Literal;

    bool seenZero = false;
    for (const Token& t : s.intToks) {
        if (t.tok == Tok::Digit0)
            seenZero = true;
        if (t.tok == Tok::Digit0 || t.tok == Tok::DigitHash) {
            ++s.intPlaceholders;
            if (seenZero)
                ++s.minInt;
        }
    }
    int k = 0;
    for (const Token& t : s.fracToks) {
        if (t.tok == Tok::Digit0 || t.tok == Tok::DigitHash) {
            ++k;
            if (t.tok == Tok::Digit0)
                s.minDec = k;
        }
    }
    s.decimals = k;
    for (const Token& t : s.expToks)
        if (t.tok == Tok::Digit0)
            ++s.expMin;
}

void FormatMask::Impl::compileDate(Section& s, const QString& text)
{
    bool anyDate = false;
    bool lastWasHour = false;
    std::vector<Token> toks;
    auto push = [&](Tok t) {
        toks.push_back({t, {}});
        anyDate = true;
    };
    for (qsizetype i = 0; i < text.size();) {
        QString lit;
        if (readLiteral(text, i, lit)) {
            addLiteral(toks, lit);
            continue;
        }
        const QChar c = text[i];
        const QString rest = text.mid(i, 5);
        if (rest.startsWith(QLatin1String("AM/PM"), Qt::CaseInsensitive)) {
            push(text[i] == QLatin1Char('A') ? Tok::AmPmUpper : Tok::AmPmLower);
            s.twelveHour = true;
            i += 5;
            continue;
        }
        if (rest.startsWith(QLatin1String("AMPM"), Qt::CaseInsensitive)) {
            push(Tok::AmPmLocale);
            s.twelveHour = true;
            i += 4;
            continue;
        }
        if (rest.startsWith(QLatin1String("A/P"), Qt::CaseInsensitive)) {
            push(text[i] == QLatin1Char('A') ? Tok::APUpper : Tok::APLower);
            s.twelveHour = true;
            i += 3;
            continue;
        }
        const char16_t lc = c.toLower().unicode();
        qsizetype run = 1;
        while (i + run < text.size() && text[i + run].toLower().unicode() == lc)
            ++run;
        bool handled = true;
        switch (lc) {
        case u'c':
            push(Tok::General);
            run = 1;
            break;
        case u'd': {
            static const Tok byLen[] = {Tok::Day, Tok::Day2, Tok::DayName, Tok::DayNameLong, Tok::ShortDate,
                                        Tok::LongDate};
            run = std::min<qsizetype>(run, 6);
            push(byLen[run - 1]);
            break;
        }
        case u'w':
            run = std::min<qsizetype>(run, 2);
            push(run == 1 ? Tok::Weekday : Tok::Week);
            break;
        case u'm':
            run = std::min<qsizetype>(run, 4);
            if (lastWasHour && run <= 2)
                push(run == 1 ? Tok::Minute : Tok::Minute2);
            else {
                static const Tok byLen[] = {Tok::Month, Tok::Month2, Tok::MonthName, Tok::MonthNameLong};
                push(byLen[run - 1]);
            }
            break;
        case u'n':
            run = std::min<qsizetype>(run, 2);
            push(run == 1 ? Tok::Minute : Tok::Minute2);
            break;
        case u'q':
            run = 1;
            push(Tok::Quarter);
            break;
        case u'y':
            if (run >= 4) {
                run = 4;
                push(Tok::Year4);
            } else if (run >= 2) {
                run = 2;
                push(Tok::Year2);
            } else {
                push(Tok::DayOfYear);
            }
            break;
        case u'h':
            run = std::min<qsizetype>(run, 2);
            push(run == 1 ? Tok::Hour : Tok::Hour2);
            break;
        case u's':
            run = std::min<qsizetype>(run, 2);
            push(run == 1 ? Tok::Second : Tok::Second2);
            break;
        case u't':
            if (run >= 5) {
                run = 5;
                push(Tok::LongTime);
            } else {
                handled = false;
            }
            break;
        default:
            handled = false;
        }
        if (!handled) {
            addLiteral(toks, QString(c));
            i += 1;
            continue;
        }
        lastWasHour = toks.back().tok == Tok::Hour || toks.back().tok == Tok::Hour2;
        i += run;
    }
    if (anyDate) {
        s.kind = Kind::Date;
        s.toks = std::move(toks);
    }
}

void FormatMask::Impl::compileText(Section& s, const QString& text)
{
    s.kind = Kind::Text;
    for (qsizetype i = 0; i < text.size();) {
        QString lit;
        if (readLiteral(text, i, lit)) {
            addLiteral(s.toks, lit);
            continue;
        }
        const QChar c = text[i++];
        if (c == QLatin1Char('@') || c == QLatin1Char('&')) {
            s.toks.push_back({c == QLatin1Char('@') ? Tok::CharAt : Tok::CharAmp, {}});
            ++s.textPlaceholders;
        } else if (c == QLatin1Char('<')) {
            s.lower = true;
            s.upper = false;
        } else if (c == QLatin1Char('>')) {
            s.upper = true;
            s.lower = false;
        } else if (c == QLatin1Char('!')) {
            s.leftToRight = true;
        } else {
            addLiteral(s.toks, QString(c));
        }
    }
}

void FormatMask::Impl::literalsOnly(const Section& s, std::string& out)
{
    for (const Token& t : s.toks)
        if (t.tok == Tok::Literal || t.tok == Tok::Percent || t.tok == Tok::Comma)
            out += t.text;
}

void FormatMask::Impl::formatNumber(const Section& s, Decimal x, bool withSign, std::string& out) const
{
    if (s.kind == Kind::Literal) {
        literalsOnly(s, out);
        return;
    }
    const bool negative = x.neg && withSign;
    x.neg = false;
    if (s.percent && !x.isZero())
        x.point += 2;
    if (!x.isZero())
        x.point -= 3 * s.scale;

    int exponent = 0;
    if (s.scientific && !x.isZero()) {
        exponent = x.point - s.intPlaceholders;
        x.point = s.intPlaceholders;
        roundDecimal(x, s.decimals);
        if (x.point > s.intPlaceholders) { // 9.99 became 10.0
            exponent += x.point - s.intPlaceholders;
            x.point = s.intPlaceholders;
        }
    } else {
        roundDecimal(x, s.decimals);
    }

    // Digits of the integer part, at least minInt of them.
    std::string intDigits;
    for (int k = 0; k < x.point; ++k)
        intDigits += x.at(k);
    if (int(intDigits.size()) < s.minInt)
        intDigits.insert(0, std::size_t(s.minInt) - intDigits.size(), '0');
    if (s.grouping && intDigits.size() > 3) {
        std::string g;
        const int len = int(intDigits.size());
        for (int k = 0; k < len; ++k) {
            if (k > 0 && (len - k) % 3 == 0)
                g += ',';
            g += intDigits[k];
        }
        intDigits = std::move(g);
    }
    // Digits of the fraction: all places, then optional trailing zeros dropped.
    std::string fracDigits;
    for (int k = 0; k < s.decimals; ++k)
        fracDigits += x.at(x.point + k);
    while (int(fracDigits.size()) > s.minDec && fracDigits.back() == '0')
        fracDigits.pop_back();

    if (negative && !x.isZero())
        out += '-';

    // Integer part, right to left: each placeholder takes the next digit; the
    // leftmost one takes every digit still left.
    const std::size_t start = out.size();
    int firstPh = -1;
    for (int k = 0; k < int(s.intToks.size()); ++k)
        if (s.intToks[k].tok == Tok::Digit0 || s.intToks[k].tok == Tok::DigitHash) {
            firstPh = k;
            break;
        }
    int j = int(intDigits.size()) - 1;
    for (int k = int(s.intToks.size()) - 1; k >= 0; --k) {
        const Token& t = s.intToks[k];
        if (t.tok == Tok::Digit0 || t.tok == Tok::DigitHash) {
            if (k == firstPh)
                while (j >= 0)
                    out += intDigits[j--];
            else if (j >= 0)
                out += intDigits[j--];
        } else {
            out.append(t.text.rbegin(), t.text.rend());
        }
    }
    if (firstPh < 0) // no placeholder before the point
        while (j >= 0)
            out += intDigits[j--];
    std::reverse(out.begin() + std::ptrdiff_t(start), out.end());

    if (s.hasPoint)
        out += '.';
    int k = 0;
    for (const Token& t : s.fracToks) {
        if (t.tok == Tok::Digit0 || t.tok == Tok::DigitHash) {
            if (k < int(fracDigits.size()))
                out += fracDigits[k];
            ++k;
        } else {
            out += t.text;
        }
    }
    if (s.scientific) {
        out += s.expText[0];
        if (exponent < 0)
            out += '-';
        else if (s.expText[1] == '+')
            out += '+';
        std::string digits;
        appendPadded(digits, exponent < 0 ? -exponent : exponent, s.expMin);
        bool placed = false;
        for (const Token& t : s.expToks) {
            if (t.tok == Tok::Digit0 || t.tok == Tok::DigitHash) {
                if (!placed)
                    out += digits;
                placed = true;
            } else {
                out += t.text;
            }
        }
        if (!placed)
            out += digits;
    }
}

void FormatMask::Impl::formatDate(const Section& s, double days, std::string& out) const
{
    const DateParts p = splitDayNumber(days);
    auto hour12 = [&] { return p.hour % 12 == 0 ? 12 : p.hour % 12; };
    for (const Token& t : s.toks) {
        switch (t.tok) {
        case Tok::Literal: out += t.text; break;
        case Tok::General: appendGeneralDate(out, days); break;
        case Tok::Day: appendInt(out, p.day); break;
        case Tok::Day2: append2(out, p.day); break;
        case Tok::DayName: out.append(kDayNames[p.weekday - 1], 3); break;
        case Tok::DayNameLong: out += kDayNames[p.weekday - 1]; break;
        case Tok::ShortDate: appendShortDate(out, p); break;
        case Tok::LongDate:
            out += kDayNames[p.weekday - 1];
            out += ", ";
            appendInt(out, p.day);
            out += ' ';
            out += kMonthNames[p.month - 1];
            out += ' ';
            appendPadded(out, p.year, 4);
            break;
        case Tok::Weekday: appendInt(out, p.weekday); break;
        case Tok::Week: {
            const int jan1 = QDate(p.year, 1, 1).dayOfWeek() % 7 + 1;
            appendInt(out, (p.dayOfYear - 1 + jan1 - 1) / 7 + 1);
            break;
        }
        case Tok::Month: appendInt(out, p.month); break;
        case Tok::Month2: append2(out, p.month); break;
        case Tok::MonthName: out.append(kMonthNames[p.month - 1], 3); break;
        case Tok::MonthNameLong: out += kMonthNames[p.month - 1]; break;
        case Tok::Quarter: appendInt(out, (p.month - 1) / 3 + 1); break;
        case Tok::DayOfYear: appendInt(out, p.dayOfYear); break;
        case Tok::Year2: append2(out, ((p.year % 100) + 100) % 100); break;
        case Tok::Year4: appendPadded(out, p.year, 4); break;
        case Tok::Hour: appendInt(out, s.twelveHour ? hour12() : p.hour); break;
        case Tok::Hour2: append2(out, s.twelveHour ? hour12() : p.hour); break;
        case Tok::Minute: appendInt(out, p.minute); break;
        case Tok::Minute2: append2(out, p.minute); break;
        case Tok::Second: appendInt(out, p.second); break;
        case Tok::Second2: append2(out, p.second); break;
        case Tok::LongTime: appendLongTime(out, p); break;
        case Tok::AmPmUpper:
        case Tok::AmPmLocale: out += p.hour < 12 ? "AM" : "PM"; break;
        case Tok::AmPmLower: out += p.hour < 12 ? "am" : "pm"; break;
        case Tok::APUpper: out += p.hour < 12 ? 'A' : 'P'; break;
        case Tok::APLower: out += p.hour < 12 ? 'a' : 'p'; break;
        default: break;
        }
    }
}

void FormatMask::Impl::formatText(const Section& s, std::string_view utf8, std::string& out) const
{
    QString text = fromUtf8(utf8);
    if (s.upper)
        text = text.toUpper();
    else if (s.lower)
        text = text.toLower();
    if (s.textPlaceholders == 0) {
        literalsOnly(s, out);
        appendUtf8(out, text);
        return;
    }
    // Placeholders take the characters from the right (or from the left
    // with "!"); the outermost placeholder takes any characters left over.
    const QList<uint> chars = text.toUcs4();
    std::vector<QString> slot(s.toks.size());
    if (!s.leftToRight) {
        qsizetype j = chars.size() - 1;
        int firstPh = -1;
        for (int k = 0; k < int(s.toks.size()); ++k)
            if (s.toks[k].tok == Tok::CharAt || s.toks[k].tok == Tok::CharAmp) {
                firstPh = k;
                break;
            }
        for (int k = int(s.toks.size()) - 1; k >= 0; --k) {
            const Token& t = s.toks[k];
            if (t.tok != Tok::CharAt && t.tok != Tok::CharAmp)
                continue;
            if (k == firstPh && j >= 0) {
                slot[k] = QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData()), j + 1);
                j = -1;
            } else if (j >= 0) {
                slot[k] = QString::fromUcs4(reinterpret_cast<const char32_t*>(&chars[j]), 1);
                --j;
            } else if (t.tok == Tok::CharAt) {
                slot[k] = QStringLiteral(" ");
            }
        }
    } else {
        qsizetype j = 0;
        int lastPh = -1;
        for (int k = 0; k < int(s.toks.size()); ++k)
            if (s.toks[k].tok == Tok::CharAt || s.toks[k].tok == Tok::CharAmp)
                lastPh = k;
        for (int k = 0; k < int(s.toks.size()); ++k) {
            const Token& t = s.toks[k];
            if (t.tok != Tok::CharAt && t.tok != Tok::CharAmp)
                continue;
            if (k == lastPh && j < chars.size()) {
                slot[k] = QString::fromUcs4(reinterpret_cast<const char32_t*>(&chars[j]), chars.size() - j);
                j = chars.size();
            } else if (j < chars.size()) {
                slot[k] = QString::fromUcs4(reinterpret_cast<const char32_t*>(&chars[j]), 1);
                ++j;
            } else if (t.tok == Tok::CharAt) {
                slot[k] = QStringLiteral(" ");
            }
        }
    }
    for (int k = 0; k < int(s.toks.size()); ++k) {
        if (s.toks[k].tok == Tok::Literal)
            out += s.toks[k].text;
        else
            appendUtf8(out, slot[k]);
    }
}

bool FormatMask::Impl::apply(const Value& v, std::string& out) const
{
    out.clear();
    if (v.kind == Value::Null) {
        if (sections.size() >= 4 && !noMask) {
            literalsOnly(sections[3], out);
            return true;
        }
        return false;
    }
    if (noMask) {
        appendValueText(v, out);
        return true;
    }

    const Section& first = sections.front();
    // Text masks take the value as text.
    if (first.kind == Kind::Text) {
        std::string tmp;
        if (v.kind != Value::Text)
            appendValueText(v, tmp);
        formatText(first, v.kind == Value::Text ? v.text : std::string_view(tmp), out);
        return true;
    }

    // Everything else needs a number (a day number for date masks).
    Decimal x;
    double days = 0;
    bool haveDays = false;
    switch (v.kind) {
    case Value::Integer: x = fromInt64(v.i); break;
    case Value::Real: x = fromDouble(v.r); break;
    case Value::Date:
        x = fromDouble(v.r);
        days = v.r;
        haveDays = true;
        break;
    default:
        if (!parseNumeric(v.text, x)) {
            if (first.kind == Kind::Date && ParseDateText(fromUtf8(v.text), &days)) {
                formatDate(first, days, out);
                return true;
            }
            out.assign(v.text); // text that is not a number stays as it is
            return true;
        }
        break;
    }

    switch (first.kind) {
    case Kind::GeneralNumber:
        if (v.kind == Value::Integer)
            appendInt(out, v.i);
        else
            AppendNumberText(toDouble(x), out);
        return true;
    case Kind::YesNo: out += x.isZero() ? "No" : "Yes"; return true;
    case Kind::TrueFalse: out += x.isZero() ? "False" : "True"; return true;
    case Kind::OnOff: out += x.isZero() ? "Off" : "On"; return true;
    default: break;
    }

    // The section: negative values take the second, zero the third.
    const Section* s = &first;
    bool withSign = true;
    if (x.neg && sections.size() >= 2 && !sections[1].empty) {
        s = &sections[1];
        withSign = false;
    } else if (x.isZero() && sections.size() >= 3 && !sections[2].empty) {
        s = &sections[2];
    }
    if (s->kind == Kind::Date) {
        formatDate(*s, haveDays ? days : toDouble(x), out);
        return true;
    }
    if (s->kind == Kind::Text) {
        std::string tmp;
        AppendNumberText(toDouble(x), tmp);
        formatText(*s, tmp, out);
        return true;
    }
    formatNumber(*s, x, withSign, out);
    return true;
}

FormatMask::FormatMask(std::string_view utf8Mask) : m_impl(std::make_unique<Impl>(fromUtf8(utf8Mask))) {}
FormatMask::~FormatMask() = default;

bool FormatMask::apply(const Value& value, std::string& out) const { return m_impl->apply(value, out); }

// ---------------------------------------------------------------------------
// Numbers and text

bool IsNumericText(std::string_view utf8)
{
    Decimal x;
    return parseNumeric(utf8, x);
}

bool TextToNumber(std::string_view utf8, double* out)
{
    Decimal x;
    if (!parseNumeric(utf8, x))
        return false;
    *out = toDouble(x);
    return true;
}

bool IsNumeric(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return false;
    const int id = value.metaType().id();
    if (id == QMetaType::Bool || id == QMetaType::Double || id == QMetaType::Float || isWholeNumberType(id))
        return true;
    if (id == QMetaType::QString || id == QMetaType::QByteArray)
        return IsNumericText(viewOf(utf8Of(value)));
    return false;
}

double Val(std::string_view s)
{
    std::string buf;
    std::size_t i = 0;
    // Val skips blanks, tabs and line feeds, but not carriage returns.
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n'; };
    auto skip = [&] {
        while (i < s.size() && blank(s[i]))
            ++i;
    };
    skip();
    if (i < s.size() && s[i] == '&') {
        // Radix numbers may have blanks between their digits as well.
        std::string compact;
        for (std::size_t k = i; k < s.size(); ++k)
            if (!blank(s[k]))
                compact += s[k];
        std::size_t j = 0;
        std::int64_t v = 0;
        return parseRadix(compact, j, v) ? double(v) : 0.0;
    }
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        buf += s[i++];
        skip();
    }
    bool digits = false, point = false;
    while (i < s.size()) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            buf += c;
            digits = true;
        } else if (c == '.' && !point) {
            buf += c;
            point = true;
        } else if (!blank(c)) {
            break;
        }
        ++i;
    }
    if (!digits)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t k = i + 1;
        std::string exp = "e";
        while (k < s.size() && blank(s[k]))
            ++k;
        if (k < s.size() && (s[k] == '+' || s[k] == '-'))
            exp += s[k++];
        bool expDigits = false;
        while (k < s.size()) {
            if (s[k] >= '0' && s[k] <= '9') {
                exp += s[k];
                expDigits = true;
            } else if (!blank(s[k])) {
                break;
            }
            ++k;
        }
        if (expDigits)
            buf += exp;
    }
    if (buf[0] == '+')
        buf.erase(0, 1);
    double out = 0;
    std::from_chars(buf.data(), buf.data() + buf.size(), out);
    if (!std::isfinite(out))
        throw platform::Error(platform::errors::Overflow, QStringLiteral("Overflow"));
    return out;
}

double Val(QStringView text)
{
    const QByteArray b = text.toUtf8();
    return Val(viewOf(b));
}

void AppendNumberText(double value, std::string& out)
{
    if (std::isnan(value)) {
        out += "NaN";
        return;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-Inf" : "Inf";
        return;
    }
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        appendInt(out, static_cast<long long>(value));
        return;
    }
    const Decimal x = fromDouble(value);
    if (x.isZero()) {
        out += '0';
        return;
    }
    if (x.neg)
        out += '-';
    const int exp10 = x.point - 1;
    if (exp10 < -4 || exp10 >= 15) {
        out += x.d[0];
        if (x.n > 1) {
            out += '.';
            out.append(x.d + 1, std::size_t(x.n - 1));
        }
        out += 'E';
        out += exp10 < 0 ? '-' : '+';
        appendPadded(out, exp10 < 0 ? -exp10 : exp10, 2);
        return;
    }
    if (x.point <= 0) {
        out += "0.";
        out.append(std::size_t(-x.point), '0');
        out.append(x.d, std::size_t(x.n));
        return;
    }
    for (int k = 0; k < x.point; ++k)
        out += x.at(k);
    if (x.n > x.point) {
        out += '.';
        out.append(x.d + x.point, std::size_t(x.n - x.point));
    }
}

QString NumberToText(double value)
{
    std::string s;
    AppendNumberText(value, s);
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

namespace {

[[noreturn]] void raise(long number, const char* text) { throw platform::Error(number, QString::fromLatin1(text)); }

bool isDateType(const QVariant& v)
{
    const int id = v.metaType().id();
    return id == QMetaType::QDateTime || id == QMetaType::QDate || id == QMetaType::QTime;
}

double dateOf(const QVariant& v)
{
    switch (v.metaType().id()) {
    case QMetaType::QDateTime: return ToDayNumber(v.toDateTime());
    case QMetaType::QDate: return ToDayNumber(v.toDate());
    default: return v.toTime().msecsSinceStartOfDay() / 86400000.0;
    }
}

Value toValue(const QVariant& v, QByteArray& holder)
{
    Value out;
    if (!v.isValid() || v.isNull())
        return out;
    const int id = v.metaType().id();
    if (isWholeNumberType(id)) {
        out.kind = Value::Integer;
        out.i = v.toLongLong();
        return out;
    }
    switch (id) {
    case QMetaType::Bool:
        out.kind = Value::Integer;
        out.i = v.toBool() ? -1 : 0;
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        out.kind = Value::Real;
        out.r = v.toDouble();
        break;
    case QMetaType::QDateTime:
    case QMetaType::QDate:
    case QMetaType::QTime:
        out.kind = Value::Date;
        out.r = dateOf(v);
        break;
    default:
        holder = utf8Of(v);
        out.kind = Value::Text;
        out.text = viewOf(holder);
        break;
    }
    return out;
}

}  // namespace

QString CStr(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        raise(errors::InvalidUseOfNull, "Invalid use of Null");
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    return FormatText(value);
}

double CDbl(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        raise(errors::InvalidUseOfNull, "Invalid use of Null");
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool() ? -1 : 0;
    if (isDateType(value))
        return dateOf(value);
    if (IsNumeric(value)) {
        if (value.metaType().id() == QMetaType::QString || value.metaType().id() == QMetaType::QByteArray) {
            Decimal x;
            parseNumeric(viewOf(utf8Of(value)), x);
            return toDouble(x);
        }
        return value.toDouble();
    }
    raise(platform::errors::TypeMismatch, "Type mismatch");
}

namespace {
double roundedInRange(const QVariant& v, double lo, double hi)
{
    const double r = std::nearbyint(CDbl(v)); // the default mode rounds half to even
    if (!(r >= lo && r <= hi))
        raise(platform::errors::Overflow, "Overflow");
    return r;
}
}  // namespace

std::int32_t CLng(const QVariant& value) { return std::int32_t(roundedInRange(value, -2147483648.0, 2147483647.0)); }
std::int16_t CInt(const QVariant& value) { return std::int16_t(roundedInRange(value, -32768.0, 32767.0)); }
std::uint8_t CByte(const QVariant& value) { return std::uint8_t(roundedInRange(value, 0.0, 255.0)); }

double Int(double value) { return std::floor(value); }
double Fix(double value) { return std::trunc(value); }

double Round(double value, int digits)
{
    if (!std::isfinite(value))
        return value;
    if (digits < 0)
        raise(platform::errors::InvalidProcedureCall, "Invalid procedure call or argument");
    Decimal x = fromDouble(value);
    roundDecimal(x, std::min(digits, 400), true); // past a Double's digits nothing changes
    return toDouble(x);
}

QString LTrim(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    return text.mid(i);
}

QString RTrim(const QString& text)
{
    qsizetype e = text.size();
    while (e > 0 && text[e - 1] == QLatin1Char(' '))
        --e;
    return text.left(e);
}

QString Trim(const QString& text) { return LTrim(RTrim(text)); }

// ---------------------------------------------------------------------------
// Dates

bool IsDayNumberInRange(double days)
{
    double whole = 0;
    long long secs = 0;
    return splitSeconds(days, &whole, &secs);
}

double DateSerial(int year, int month, int day)
{
    if (year >= 0 && year < 100)
        year += year < 30 ? 2000 : 1900;
    const long long months = static_cast<long long>(year) * 12 + (month - 1LL);
    const long long y = months >= 0 ? months / 12 : -((-months + 11) / 12);
    const int m = int(months - y * 12) + 1;
    if (y < 1 || y > 9999)
        raise(platform::errors::InvalidProcedureCall, "Invalid procedure call or argument");
    const QDate first(int(y), m, 1);
    const double days = double(baseDate().daysTo(first) + (day - 1LL));
    if (!first.isValid() || days < kMinDayNumber || days > kMaxDayNumber)
        raise(platform::errors::InvalidProcedureCall, "Invalid procedure call or argument");
    return days;
}

double TimeSerial(int hour, int minute, int second)
{
    return (static_cast<double>(hour) * 3600 + static_cast<double>(minute) * 60 + second) / 86400.0;
}

double ToDayNumber(const QDate& d) { return double(baseDate().daysTo(d)); }

double ToDayNumber(const QDateTime& dt)
{
    const double days = double(baseDate().daysTo(dt.date()));
    const double frac = dt.time().msecsSinceStartOfDay() / 86400000.0;
    return days < 0 ? days - frac : days + frac;
}

QDateTime FromDayNumber(double days)
{
    const DateParts p = splitDayNumber(days);
    return QDateTime(baseDate().addDays(p.whole), QTime(p.hour, p.minute, p.second));
}

bool ParseDateText(QStringView text, double* days)
{
    const QString t = text.trimmed().toString();
    if (t.isEmpty())
        return false;
    QString datePart = t, timePart;
    const qsizetype sp = t.indexOf(QLatin1Char(' '));
    if (sp > 0) {
        datePart = t.left(sp);
        timePart = t.mid(sp + 1).trimmed();
    } else if (t.contains(QLatin1Char(':'))) {
        datePart.clear();
        timePart = t;
    }
    double result = 0;
    if (!datePart.isEmpty()) {
        const QChar sep = datePart.contains(QLatin1Char('-')) ? QLatin1Char('-') : QLatin1Char('/');
        const QStringList f = datePart.split(sep);
        if (f.size() != 3)
            return false;
        bool ok1, ok2, ok3;
        int a = f[0].toInt(&ok1), b = f[1].toInt(&ok2), c = f[2].toInt(&ok3);
        if (!ok1 || !ok2 || !ok3)
            return false;
        int y, m, d;
        if (f[0].size() == 4) {
            y = a, m = b, d = c;
        } else {
            d = a, m = b, y = c;
            if (f[2].size() <= 2)
                y += y < 30 ? 2000 : 1900;
        }
        const QDate date(y, m, d);
        if (!date.isValid() || y < 100 || y > 9999)
            return false;
        result = ToDayNumber(date);
    }
    if (!timePart.isEmpty()) {
        const QStringList f = timePart.split(QLatin1Char(':'));
        if (f.size() < 2 || f.size() > 3)
            return false;
        int hms[3] = {0, 0, 0};
        for (qsizetype k = 0; k < f.size(); ++k) {
            bool ok;
            hms[k] = f[k].toInt(&ok);
            if (!ok)
                return false;
        }
        if (hms[0] > 23 || hms[1] > 59 || hms[2] > 59 || hms[0] < 0 || hms[1] < 0 || hms[2] < 0)
            return false;
        const double frac = TimeSerial(hms[0], hms[1], hms[2]);
        result = result < 0 ? result - frac : result + frac;
    }
    *days = result;
    return true;
}

double Now() { return ToDayNumber(QDateTime::currentDateTime()); }
double Today() { return ToDayNumber(QDate::currentDate()); }

// ---------------------------------------------------------------------------
// Format on QVariant

QVariant Format(const QVariant& value, const QString& mask)
{
    QByteArray holder;
    const Value v = toValue(value, holder);
    const QByteArray m = mask.toUtf8();
    const FormatMask fm(viewOf(m));
    std::string out;
    if (!fm.apply(v, out))
        return {};
    return QString::fromUtf8(out.data(), qsizetype(out.size()));
}

QString FormatText(const QVariant& value, const QString& mask)
{
    const QVariant v = Format(value, mask);
    return v.isValid() ? v.toString() : QString();
}

}  // namespace platform::vb
