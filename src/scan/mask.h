#pragma once

#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace krellix {

// A file mask: "*" matches any run of characters (also none), "?" exactly one character, and
// "[...]" one character of a set of characters and ranges ("[a-f0-9]", ranges by code point),
// negated by a "!" right after the "[". Characters are those of UTF-8; a byte that is not part
// of valid UTF-8 is a character of its own that matches only the same byte. Matching ignores
// case, non-ASCII letters included (simple one-to-one upper-casing).
class Mask {
 public:
  // Parses `pattern`. On a malformed mask returns nothing and sets `error_pos` to the 1-based
  // character position of the fault (one past the end for an unclosed set).
  static std::optional<Mask> Parse(std::string_view pattern, int* error_pos = nullptr);

  bool Matches(std::string_view text) const;

  // The message for a mask that failed to parse.
  static std::string InvalidMaskMessage(std::string_view pattern, int error_pos);

 private:
  Mask() = default;

  enum class Kind : std::uint8_t { kLiteral, kAnyChar, kAnyRun, kSet, kEnd };
  struct Element {
    Kind kind;
    std::uint32_t set = 0;  // index into sets_ for kSet
    char32_t literal = 0;   // upper-cased, for kLiteral
  };
  struct Range {
    char32_t lo, hi;
  };
  struct Set {
    std::bitset<128> ascii;     // the verdict for each ASCII character, negation applied
    std::vector<Range> ranges;  // members as written, single characters as one-wide ranges
    bool negated = false;
  };

  static bool SetHas(const Set& s, char32_t c);
  bool Accepts(const Element& e, char32_t c) const;

  std::vector<Element> elements_;  // ends with one kEnd
  std::vector<Set> sets_;
};

}  // namespace krellix
