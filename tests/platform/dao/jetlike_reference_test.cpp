// LIKE and the text order against plain reference implementations on many
// generated texts and patterns: the matcher's fast paths (ASCII texts, the
// skip after a star, the shared prefix of two texts) change no answer.

#include "platform/dao/jetcollation.h"
#include "platform/dao/jetsql.h"

#include <QString>

#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace {

using platform::dao::jet::detail::FoldChar;

// The reference: Jet LIKE by recursion over folded code points.
bool ClassHas(const std::u32string& p, std::size_t& i, char32_t c, bool* ok)
{
    // p[i] is just after "["; on return i is at the closing "]".
    bool neg = false;
    if (i < p.size() && p[i] == U'!' && i + 1 < p.size() && p[i + 1] != U']') {
        neg = true;
        ++i;
    }
    bool in = false;
    while (i < p.size() && p[i] != U']') {
        const char32_t lo = FoldChar(p[i]);
        if (i + 2 < p.size() && p[i + 1] == U'-' && p[i + 2] != U']') {
            in = in || (c >= lo && c <= FoldChar(p[i + 2]));
            i += 3;
        } else {
            in = in || c == lo;
            ++i;
        }
    }
    *ok = i < p.size();
    return in != neg;
}

bool Referencia(const std::u32string& p, std::size_t pi, const std::u32string& t, std::size_t ti)
{
    if (pi == p.size())
        return ti == t.size();
    if (p[pi] == U'*')
        return Referencia(p, pi + 1, t, ti) || (ti < t.size() && Referencia(p, pi, t, ti + 1));
    if (p[pi] == U'[' && pi + 1 < p.size() && p[pi + 1] == U']')
        return Referencia(p, pi + 2, t, ti);  // "[]" stands for nothing
    if (ti == t.size())
        return false;
    const char32_t c = FoldChar(t[ti]);
    if (p[pi] == U'?')
        return Referencia(p, pi + 1, t, ti + 1);
    if (p[pi] == U'#')
        return c >= U'0' && c <= U'9' && Referencia(p, pi + 1, t, ti + 1);
    if (p[pi] == U'[') {
        std::size_t i = pi + 1;
        bool fechado = false;
        const bool in = ClassHas(p, i, c, &fechado);
        if (!fechado)
            return false;
        return in && Referencia(p, i + 1, t, ti + 1);
    }
    return FoldChar(p[pi]) == c && Referencia(p, pi + 1, t, ti + 1);
}

bool ComUnclosed(const std::u32string& p)
{
    for (std::size_t i = 0; i < p.size(); ++i)
        if (p[i] == U'[') {
            const auto j = p.find(U']', i + 1);
            if (j == std::u32string::npos)
                return true;
            i = j;
        }
    return false;
}

TEST(JetLikeReference, GeneratedTextsAndPatternsAgree)
{
    const std::u32string letras = U"aAbBcCáÁçÇeÉêsSſkKK5 -ñ";
    const std::u32string especiais = U"*?#[]!-";
    std::mt19937 rng(12345);
    const auto texto = [&](int max, bool padrao) {
        std::u32string s;
        const int n = int(rng() % std::uint32_t(max + 1));
        for (int k = 0; k < n; ++k)
            s += padrao && rng() % 3 == 0 ? especiais[rng() % especiais.size()] : letras[rng() % letras.size()];
        return s;
    };
    int casos = 0;
    for (int k = 0; k < 20000; ++k) {
        const std::u32string p = texto(6, true), t = texto(8, false);
        const QString qp = QString::fromStdU32String(p), qt = QString::fromStdU32String(t);
        const bool esperado = !ComUnclosed(p) && Referencia(p, 0, t, 0);
        ASSERT_EQ(platform::dao::jet::Like(qt, qp), esperado) << qt.toStdString() << " LIKE " << qp.toStdString();
        ++casos;
    }
    EXPECT_EQ(casos, 20000);
}

// The reference order: characters compared one by one (primary, then the
// first case-folded difference, then the first case difference), as the
// collation is documented; equal prefixes skipped or not, the same answer.
TEST(JetCollationReference, SharedPrefixesChangeNoOrder)
{
    const std::u32string letras = U"aAáÁàçÇeE1 -ñÑ";
    std::mt19937 rng(777);
    const auto texto = [&] {
        std::u32string s = U"ENGRENAGEM ";  // a long shared prefix, as descriptions have
        const int n = int(rng() % 6);
        for (int k = 0; k < n; ++k)
            s += letras[rng() % letras.size()];
        return QString::fromStdU32String(s);
    };
    for (int k = 0; k < 20000; ++k) {
        const QString a = texto(), b = texto();
        const QString ra = a.mid(11), rb = b.mid(11);
        // Sharing a prefix changes nothing: compare the tails alone.
        ASSERT_EQ(platform::dao::jet::CompareSort(a, b), platform::dao::jet::CompareSort(ra, rb))
            << a.toStdString() << " / " << b.toStdString();
        ASSERT_EQ(platform::dao::jet::Compare(a, b), platform::dao::jet::Compare(ra, rb));
        ASSERT_EQ(platform::dao::jet::CompareSort(a, b), -platform::dao::jet::CompareSort(b, a));
    }
}

}  // namespace
