#include "scan/mask.h"

#include <algorithm>

#include "platform/unicode_text.h"

namespace krellix {

std::string UpperAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(UpperAscii(static_cast<unsigned char>(c)));
  return out;
}

std::optional<Mask> Mask::Parse(std::string_view pattern, int* error_pos) {
  Mask mask;
  const std::size_t n = pattern.size();
  std::size_t i = 0;
  auto fail = [&](std::size_t pos) -> std::optional<Mask> {
    if (error_pos != nullptr) *error_pos = static_cast<int>(pos) + 1;
    return std::nullopt;
  };
  while (i < n) {
    const unicode::Char ch = unicode::Decode(pattern, i);
    Element e{};
    if (ch.code == '*') {
      // Runs of stars are one star.
      if (mask.elements_.empty() || mask.elements_.back().kind != Kind::kAnyRun) {
        e.kind = Kind::kAnyRun;
        mask.elements_.push_back(e);
      }
      i += ch.length;
      continue;
    }
    if (ch.code == '?') {
      e.kind = Kind::kAnyChar;
      mask.elements_.push_back(e);
      i += ch.length;
      continue;
    }
    if (ch.code != '[') {
      e.kind = Kind::kLiteral;
      e.literal = unicode::Upper(ch.code);
      mask.elements_.push_back(e);
      i += ch.length;
      continue;
    }
    e.kind = Kind::kSet;
    ++i;
    if (i < n && pattern[i] == '!') {
      e.negate = true;
      ++i;
    }
    bool closed = false;
    while (i < n) {
      const unicode::Char lo = unicode::Decode(pattern, i);
      if (lo.code == ']') {
        closed = true;
        ++i;
        break;
      }
      char32_t hi = lo.code;
      const std::size_t after = i + lo.length;
      if (after < n && pattern[after] == '-') {
        if (after + 1 >= n) return fail(n);
        const unicode::Char h = unicode::Decode(pattern, after + 1);
        if (h.code == ']') return fail(after + 1);
        hi = h.code;
        i = after + 1 + h.length;
      } else {
        i = after;
      }
      for (char32_t x = lo.code; x <= hi && x < 0x80; ++x) {
        e.ascii.set(static_cast<unsigned char>(unicode::Upper(x)));
      }
      if (hi >= 0x80) e.wide.push_back({std::max<char32_t>(lo.code, 0x80), hi});
    }
    if (!closed) return fail(n);
    mask.elements_.push_back(e);
  }
  return mask;
}

bool Mask::ElementMatches(const Element& e, char32_t c) const {
  switch (e.kind) {
    case Kind::kLiteral:
      return e.literal == unicode::Upper(c);
    case Kind::kAnyChar:
      return true;
    case Kind::kSet: {
      const char32_t up = unicode::Upper(c);
      bool in = up < 0x80 && e.ascii.test(up);
      if (!in && !e.wide.empty()) {
        // A letter is in the set when the set names it in either case.
        const char32_t low = unicode::Lower(c);
        for (const Range& r : e.wide) {
          if ((c >= r.lo && c <= r.hi) || (up >= r.lo && up <= r.hi) ||
              (low >= r.lo && low <= r.hi)) {
            in = true;
            break;
          }
        }
      }
      return in != e.negate;
    }
    case Kind::kAnyRun:
      break;
  }
  return false;
}

bool Mask::Matches(std::string_view text) const {
  // Classic backtracking over the last star, a character at a time: linear for masks with one
  // star, never worse than the product of the lengths.
  std::size_t t = 0, m = 0;
  std::size_t star_m = std::string_view::npos, star_t = 0;
  const std::size_t nm = elements_.size();
  while (t < text.size()) {
    const unicode::Char ch = unicode::Decode(text, t);
    if (m < nm && elements_[m].kind == Kind::kAnyRun) {
      star_m = m++;
      star_t = t;
    } else if (m < nm && ElementMatches(elements_[m], ch.code)) {
      ++m;
      t += ch.length;
    } else if (star_m != std::string_view::npos) {
      m = star_m + 1;
      star_t += unicode::Decode(text, star_t).length;
      t = star_t;
    } else {
      return false;
    }
  }
  while (m < nm && elements_[m].kind == Kind::kAnyRun) ++m;
  return m == nm;
}

std::string Mask::InvalidMaskMessage(std::string_view pattern, int error_pos) {
  return "'" + std::string(pattern) + "' is an invalid mask at (" + std::to_string(error_pos) + ")";
}

}  // namespace krellix
