#pragma once
// Jet's text order and LIKE over UTF-8, for the registered collations and
// the like() function (jetfunctions.cpp) and for jet::Compare/CompareSort/Like.
//
// Every character has three keys, read from tables built once for the Basic
// Multilingual Plane:
//   primary   - the base letter (accents and case removed: "Á" -> "a");
//               blanks and punctuation order before digits, digits before
//               letters;
//   secondary - the character with its case folded ("Á" -> "á");
//   tertiary  - its case (lower case before upper case).
// The equality collation JET compares primary, then secondary keys, so it
// ignores case but not accents, and orders like Jet's sort without case;
// the sort collation JETSORT adds the tertiary key.  Strings equal under JET
// are therefore adjacent under JETSORT.

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace platform::dao::jet::detail {

// The case-folded code point ("A" -> "a", "Ç" -> "ç").
std::uint32_t FoldChar(std::uint32_t cp);

// Three-way comparison of UTF-8 texts; `withCase` selects JETSORT.
int CompareUtf8(std::string_view a, std::string_view b, bool withCase);

// A compiled Jet LIKE pattern: * any run, ? any character, # a digit,
// [abc] [a-z] [!abc] classes (case-insensitive, accents count), "[]" nothing.
// A pattern with an unclosed "[" is invalid and matches nothing.
class LikePattern {
public:
    explicit LikePattern(std::string_view utf8Pattern);
    ~LikePattern();
    bool valid() const { return m_valid; }
    bool matches(std::string_view utf8Text) const;

private:
    struct Elem;
    struct Class;
    bool matchesOne(const Elem& x, std::uint32_t folded) const;
    std::vector<Elem> m_elems;
    std::vector<Class> m_classes;
    bool m_valid = true;
};

}  // namespace platform::dao::jet::detail
