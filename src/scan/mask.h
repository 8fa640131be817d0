#pragma once

#include <bitset>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace krellix {

// A file mask: "*" matches any run of characters (also none), "?" exactly one character, and
// "[...]" one character of a set of characters and ranges ("[a-f0-9]", "[à-ÿ]"), negated by a
// "!" right after the "[". Characters are UTF-8; matching ignores letter case, non-ASCII
// letters included. A byte that is not valid UTF-8 is one character of its own and matches
// only itself.
class Mask {
 public:
  // Parses `pattern`. On a malformed mask returns nothing and sets `error_pos` to the 1-based
  // position of the fault (one past the end for an unclosed set).
  static std::optional<Mask> Parse(std::string_view pattern, int* error_pos = nullptr);

  bool Matches(std::string_view text) const;

  // The message for a mask that failed to parse.
  static std::string InvalidMaskMessage(std::string_view pattern, int error_pos);

 private:
  enum class Kind { kLiteral, kAnyChar, kAnyRun, kSet };
  struct Range {
    char32_t lo, hi;
  };
  struct Element {
    Kind kind;
    char32_t literal = 0;     // upper-cased
    std::bitset<128> ascii;   // the ASCII characters the set takes, case folded, before "!"
    std::vector<Range> wide;  // ranges reaching beyond ASCII
    bool negate = false;
  };

  bool ElementMatches(const Element& e, char32_t c) const;

  std::vector<Element> elements_;
};

// Upper-cases the letters a to z, leaving every other byte as it is.
inline unsigned char UpperAscii(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c;
}
std::string UpperAscii(std::string_view s);

}  // namespace krellix
