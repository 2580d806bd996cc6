// Format masks: the number, date and text sections of a mask, the named
// masks, and a value written through a mask or without one.

#include "platform/base/vbruntime.h"

#include "platform/base/vbruntime_internal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace platform::vb {

using namespace internal;

namespace {

const char* const kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};
const char* const kDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

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

}  // namespace platform::vb
