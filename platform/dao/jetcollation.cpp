#include "platform/dao/jetcollation.h"

#include "platform/dao/jetsql.h"

#include <QChar>
#include <QString>

#include <algorithm>
#include <array>

namespace platform::dao::jet::detail {
namespace {

// Primary keys: class in bits 20..21 (0 blanks and punctuation, 1 digits,
// 2 letters, 3 other planes), the value below; bit 31 set for a character
// that differs from its case-folded form (upper and title case).
constexpr std::uint32_t kUpperBit = 0x80000000u;
constexpr std::uint32_t kPrimaryMask = 0x7FFFFFFFu;

struct Tables {
    std::array<std::uint16_t, 0x10000> fold;
    std::array<std::uint32_t, 0x10000> key;

    Tables()
    {
        for (std::uint32_t cp = 0; cp < 0x10000; ++cp) {
            if (cp >= 0xD800 && cp <= 0xDFFF) {
                fold[cp] = std::uint16_t(cp);
                key[cp] = cp;
                continue;
            }
            char32_t f = QChar::toCaseFolded(char32_t(cp));
            if (f > 0xFFFF)
                f = cp;
            fold[cp] = std::uint16_t(f);
            key[cp] = primaryOf(f) | (f != cp ? kUpperBit : 0);
        }
    }

    static std::uint32_t primaryOf(char32_t folded)
    {
        char32_t base = folded;
        for (int depth = 0; depth < 4 && QChar::decompositionTag(base) != QChar::NoDecomposition; ++depth) {
            const QString d = QChar::decomposition(base);
            if (d.isEmpty())
                break;
            const char32_t next = d.size() > 1 && d[0].isHighSurrogate() ? QChar::surrogateToUcs4(d[0], d[1])
                                                                          : char32_t(d[0].unicode());
            if (next == base)
                break;
            base = next;
        }
        base = QChar::toCaseFolded(base);
        if (QChar::isLetter(base))
            return (2u << 20) | (base & 0xFFFFF);
        if (QChar::category(base) == QChar::Number_DecimalDigit)
            return (1u << 20) | std::uint32_t(QChar::digitValue(base));
        return base & 0xFFFFF;
    }
};

const Tables& tables()
{
    static const Tables t;
    return t;
}

inline std::uint32_t decode(const unsigned char*& p, const unsigned char* e)
{
    const unsigned c = *p++;
    if (c < 0x80)
        return c;
    int extra;
    std::uint32_t cp;
    if ((c & 0xE0) == 0xC0) {
        extra = 1;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        extra = 2;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        extra = 3;
        cp = c & 0x07;
    } else {
        return 0xFFFD;
    }
    for (int k = 0; k < extra; ++k) {
        if (p >= e || (*p & 0xC0) != 0x80)
            return 0xFFFD;
        cp = (cp << 6) | (*p++ & 0x3F);
    }
    return cp;
}

inline std::uint32_t foldOf(const Tables& t, std::uint32_t cp)
{
    if (cp < 0x10000)
        return t.fold[cp];
    return QChar::toCaseFolded(char32_t(cp));
}

inline std::uint32_t keyOf(const Tables& t, std::uint32_t cp)
{
    if (cp < 0x10000)
        return t.key[cp];
    const char32_t f = QChar::toCaseFolded(char32_t(cp));
    return (3u << 20) | (f & 0xFFFFF) | (f != cp ? kUpperBit : 0);
}

}  // namespace

std::uint32_t FoldChar(std::uint32_t cp) { return foldOf(tables(), cp); }

int CompareUtf8(std::string_view a, std::string_view b, bool withCase)
{
    const Tables& t = tables();
    auto pa = reinterpret_cast<const unsigned char*>(a.data());
    auto pb = reinterpret_cast<const unsigned char*>(b.data());
    const auto ea = pa + a.size();
    const auto eb = pb + b.size();
    // Equal characters decide nothing: skip the bytes both texts share, back
    // to the start of the character where they part.
    {
        const std::size_t shared = std::size_t(std::mismatch(pa, pa + std::min(a.size(), b.size()), pb).first - pa);
        std::size_t k = shared;
        const auto continuation = [&](std::size_t i) {
            return (pa + i < ea && (pa[i] & 0xC0) == 0x80) || (pb + i < eb && (pb[i] & 0xC0) == 0x80);
        };
        while (k > 0 && continuation(k))
            --k;
        pa += k;
        pb += k;
    }
    int secondary = 0, tertiary = 0;
    while (pa < ea && pb < eb) {
        std::uint32_t ca, cb;
        if (*pa < 0x80 && *pb < 0x80) {
            ca = *pa++;
            cb = *pb++;
        } else {
            ca = decode(pa, ea);
            cb = decode(pb, eb);
        }
        if (ca == cb)
            continue;
        const std::uint32_t ka = keyOf(t, ca), kb = keyOf(t, cb);
        if ((ka & kPrimaryMask) != (kb & kPrimaryMask))
            return (ka & kPrimaryMask) < (kb & kPrimaryMask) ? -1 : 1;
        if (!secondary) {
            const std::uint32_t fa = foldOf(t, ca), fb = foldOf(t, cb);
            if (fa != fb)
                secondary = fa < fb ? -1 : 1;
        }
        if (!tertiary && (ka & kUpperBit) != (kb & kUpperBit))
            tertiary = (ka & kUpperBit) ? 1 : -1;
    }
    if (pa < ea)
        return 1;
    if (pb < eb)
        return -1;
    if (secondary)
        return secondary;
    return withCase ? tertiary : 0;
}

// ---------------------------------------------------------------------------
// LIKE

struct LikePattern::Elem {
    enum Kind : std::uint8_t { Star, Any, Digit, Char, Class };
    Kind kind;
    std::uint32_t ch; // Char: folded code point; Class: index
    // The ASCII characters (as they stand in the text, before folding) that
    // the element matches, worked out once when the pattern is compiled.
    std::uint64_t ascii[2] = {0, 0};
};

struct LikePattern::Class {
    bool negated = false;
    std::uint64_t ascii[2] = {0, 0}; // folded ASCII members
    std::vector<std::uint32_t> singles;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> ranges;

    void add(std::uint32_t lo, std::uint32_t hi)
    {
        if (lo > hi)
            return;
        if (lo == hi)
            singles.push_back(lo);
        else
            ranges.emplace_back(lo, hi);
        for (std::uint32_t c = lo; c <= std::min<std::uint32_t>(hi, 127); ++c)
            ascii[c >> 6] |= std::uint64_t(1) << (c & 63);
    }

    bool contains(std::uint32_t folded) const
    {
        bool in;
        if (folded < 128) {
            in = (ascii[folded >> 6] >> (folded & 63)) & 1;
        } else {
            in = std::find(singles.begin(), singles.end(), folded) != singles.end();
            for (std::size_t k = 0; !in && k < ranges.size(); ++k)
                in = folded >= ranges[k].first && folded <= ranges[k].second;
        }
        return in != negated;
    }
};

LikePattern::LikePattern(std::string_view pattern)
{
    const Tables& t = tables();
    std::vector<std::uint32_t> cps;
    auto p = reinterpret_cast<const unsigned char*>(pattern.data());
    const auto e = p + pattern.size();
    while (p < e)
        cps.push_back(decode(p, e));

    for (std::size_t i = 0; i < cps.size(); ++i) {
        const std::uint32_t c = cps[i];
        if (c == '*') {
            if (m_elems.empty() || m_elems.back().kind != Elem::Star)
                m_elems.push_back({Elem::Star, 0});
        } else if (c == '?') {
            m_elems.push_back({Elem::Any, 0});
        } else if (c == '#') {
            m_elems.push_back({Elem::Digit, 0});
        } else if (c == '[') {
            std::size_t j = i + 1;
            Class cls;
            if (j < cps.size() && cps[j] == '!' && j + 1 < cps.size() && cps[j + 1] != ']') {
                cls.negated = true;
                ++j;
            }
            const std::size_t first = j;
            bool closed = false;
            while (j < cps.size()) {
                if (cps[j] == ']') {
                    closed = true;
                    break;
                }
                const std::uint32_t lo = cps[j];
                if (j + 2 < cps.size() && cps[j + 1] == '-' && cps[j + 2] != ']') {
                    cls.add(foldOf(t, lo), foldOf(t, cps[j + 2]));
                    j += 3;
                } else {
                    cls.add(foldOf(t, lo), foldOf(t, lo));
                    ++j;
                }
            }
            if (!closed) {
                m_valid = false;
                return;
            }
            if (j == first) { // "[]" stands for nothing
                i = j;
                continue;
            }
            m_classes.push_back(std::move(cls));
            m_elems.push_back({Elem::Class, std::uint32_t(m_classes.size() - 1)});
            i = j;
        } else {
            m_elems.push_back({Elem::Char, foldOf(t, c)});
        }
    }
    for (Elem& x : m_elems)
        for (std::uint32_t c = 0; c < 128; ++c)
            if (x.kind != Elem::Star && matchesOne(x, foldOf(t, c)))
                x.ascii[c >> 6] |= std::uint64_t(1) << (c & 63);
}

bool LikePattern::matchesOne(const Elem& x, std::uint32_t folded) const
{
    switch (x.kind) {
    case Elem::Any: return true;
    case Elem::Digit: return folded >= '0' && folded <= '9';
    case Elem::Char: return folded == x.ch;
    case Elem::Class: return m_classes[x.ch].contains(folded);
    default: return false;
    }
}

LikePattern::~LikePattern() = default;

bool LikePattern::matches(std::string_view text) const
{
    if (!m_valid)
        return false;
    const Tables& t = tables();
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    const std::size_t m = m_elems.size();
    const Elem* el = m_elems.data();
    // Works on the UTF-8 bytes: positions are byte offsets, an ASCII
    // character is tested against the element's table of ASCII characters,
    // any other is decoded and folded where it stands.
    const auto one = [&](const Elem& x, std::size_t i, std::size_t* len) {
        const unsigned c = s[i];
        if (c < 0x80) {
            *len = 1;
            return ((x.ascii[c >> 6] >> (c & 63)) & 1) != 0;
        }
        const unsigned char* p = s + i;
        const std::uint32_t cp = decode(p, s + n);
        *len = std::size_t(p - (s + i));
        return matchesOne(x, foldOf(t, cp));
    };
    const auto step = [&](std::size_t i) {
        if (s[i] < 0x80)
            return i + 1;
        const unsigned char* p = s + i;
        decode(p, s + n);
        return std::size_t(p - s);
    };
    // Greedy match with backtracking to the last star: every element other
    // than a star takes exactly one character.
    std::size_t pi = 0, ti = 0, starP = std::size_t(-1), starT = 0, len = 0;
    while (ti < n) {
        if (pi < m && el[pi].kind == Elem::Star) {
            starP = pi++;
            // Skip to the next character the element after the star takes.
            if (pi < m && el[pi].kind != Elem::Star)
                while (ti < n && !one(el[pi], ti, &len))
                    ti += len;
            starT = ti;
        } else if (pi < m && one(el[pi], ti, &len)) {
            ++pi;
            ti += len;
        } else if (starP != std::size_t(-1)) {
            pi = starP + 1;
            ti = starT = step(starT);
        } else {
            return false;
        }
    }
    while (pi < m && el[pi].kind == Elem::Star)
        ++pi;
    return pi == m;
}

}  // namespace platform::dao::jet::detail

namespace platform::dao::jet {

int Compare(const QString& a, const QString& b)
{
    const QByteArray ua = a.toUtf8(), ub = b.toUtf8();
    return detail::CompareUtf8({ua.constData(), std::size_t(ua.size())}, {ub.constData(), std::size_t(ub.size())},
                               false);
}

int CompareSort(const QString& a, const QString& b)
{
    const QByteArray ua = a.toUtf8(), ub = b.toUtf8();
    return detail::CompareUtf8({ua.constData(), std::size_t(ua.size())}, {ub.constData(), std::size_t(ub.size())},
                               true);
}

bool Like(const QString& text, const QString& pattern)
{
    const QByteArray ut = text.toUtf8(), up = pattern.toUtf8();
    const detail::LikePattern p({up.constData(), std::size_t(up.size())});
    return p.matches({ut.constData(), std::size_t(ut.size())});
}

}  // namespace platform::dao::jet
