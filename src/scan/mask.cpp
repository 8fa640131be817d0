#include "scan/mask.h"

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
    const auto c = static_cast<unsigned char>(pattern[i]);
    Element e{};
    if (c == '*') {
      // Runs of stars are one star.
      if (mask.elements_.empty() || mask.elements_.back().kind != Kind::kAnyRun) {
        e.kind = Kind::kAnyRun;
        mask.elements_.push_back(e);
      }
      ++i;
      continue;
    }
    if (c == '?') {
      e.kind = Kind::kAnyChar;
      mask.elements_.push_back(e);
      ++i;
      continue;
    }
    if (c != '[') {
      e.kind = Kind::kLiteral;
      e.literal = UpperAscii(c);
      mask.elements_.push_back(e);
      ++i;
      continue;
    }
    e.kind = Kind::kSet;
    ++i;
    bool negate = false;
    if (i < n && pattern[i] == '!') {
      negate = true;
      ++i;
    }
    bool closed = false;
    while (i < n) {
      const auto lo = static_cast<unsigned char>(pattern[i]);
      if (lo == ']') {
        closed = true;
        ++i;
        break;
      }
      if (i + 1 < n && pattern[i + 1] == '-') {
        if (i + 2 >= n) return fail(n);
        const auto hi = static_cast<unsigned char>(pattern[i + 2]);
        if (hi == ']') return fail(i + 2);
        for (unsigned x = lo; x <= hi; ++x) e.set.set(UpperAscii(static_cast<unsigned char>(x)));
        i += 3;
      } else {
        e.set.set(UpperAscii(lo));
        ++i;
      }
    }
    if (!closed) return fail(n);
    if (negate) e.set.flip();
    mask.elements_.push_back(e);
  }
  return mask;
}

bool Mask::ElementMatches(const Element& e, unsigned char c) const {
  switch (e.kind) {
    case Kind::kLiteral:
      return e.literal == UpperAscii(c);
    case Kind::kAnyChar:
      return true;
    case Kind::kSet:
      return e.set.test(UpperAscii(c));
    case Kind::kAnyRun:
      break;
  }
  return false;
}

bool Mask::Matches(std::string_view text) const {
  // Classic backtracking over the last star: linear for masks with one star, never worse than
  // the product of the lengths.
  std::size_t t = 0, m = 0;
  std::size_t star_m = std::string_view::npos, star_t = 0;
  const std::size_t nm = elements_.size();
  while (t < text.size()) {
    if (m < nm && elements_[m].kind == Kind::kAnyRun) {
      star_m = m++;
      star_t = t;
    } else if (m < nm && ElementMatches(elements_[m], static_cast<unsigned char>(text[t]))) {
      ++m;
      ++t;
    } else if (star_m != std::string_view::npos) {
      m = star_m + 1;
      t = ++star_t;
    } else {
      return false;
    }
  }
  while (m < nm && elements_[m].kind == Kind::kAnyRun) ++m;
  return m == nm;
}

std::string Mask::InvalidMaskMessage(std::string_view pattern, int error_pos) {
  return "'" + std::string(pattern) + "' is an invalid mask at (" + std::to_string(error_pos) +
         ")";
}

}  // namespace krellix
