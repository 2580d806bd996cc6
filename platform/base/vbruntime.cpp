// The run-time conversions: the decimal digits of numbers, numbers in text,
// the C... conversions, rounding and trimming, and Format on a QVariant.

#include "platform/base/vbruntime.h"

#include "platform/base/language.h"
#include "platform/base/vbruntime_internal.h"

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
namespace internal {

// ---------------------------------------------------------------------------
// Decimal numbers

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

void roundDecimal(Decimal& x, int decimals, bool bankers)
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
// Text helpers

void appendUtf8(std::string& out, const QString& s)
{
    const QByteArray b = s.toUtf8();
    out.append(b.constData(), std::size_t(b.size()));
}

QString fromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

std::string_view viewOf(const QByteArray& b) { return std::string_view(b.constData(), std::size_t(b.size())); }

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

// The run-time error `number` with its description in the run's language.
[[noreturn]] void raise(long number) { throw platform::Error(number, platform::runTimeErrorText(number)); }

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

}  // namespace internal

using namespace internal;

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
        raise(platform::errors::Overflow);
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
        raise(errors::InvalidUseOfNull);
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    return FormatText(value);
}

double CDbl(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        raise(errors::InvalidUseOfNull);
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
    raise(platform::errors::TypeMismatch);
}

namespace {
double roundedInRange(const QVariant& v, double lo, double hi)
{
    const double r = std::nearbyint(CDbl(v)); // the default mode rounds half to even
    if (!(r >= lo && r <= hi))
        raise(platform::errors::Overflow);
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
        raise(platform::errors::InvalidProcedureCall);
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
