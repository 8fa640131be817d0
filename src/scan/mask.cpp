#include "scan/mask.h"

#include "platform/unicode_text.h"

namespace krellix {

std::optional<Mask> Mask::Parse(std::string_view pattern, int* error_pos) {
  // Split into characters first, so that positions count characters.
  std::vector<char32_t> p;
  for (std::size_t i = 0; i < pattern.size();) {
    const unicode::Char ch = unicode::Decode(pattern, i);
    p.push_back(ch.code);
    i += ch.length;
  }
  Mask mask;
  const std::size_t n = p.size();
  std::size_t i = 0;
  auto fail = [&](std::size_t pos) -> std::optional<Mask> {
    if (error_pos != nullptr) *error_pos = static_cast<int>(pos) + 1;
    return std::nullopt;
  };
  while (i < n) {
    const char32_t c = p[i];
    if (c == '*') {
      // Runs of stars are one star.
      if (mask.elements_.empty() || mask.elements_.back().kind != Kind::kAnyRun) {
        mask.elements_.push_back({Kind::kAnyRun});
      }
      ++i;
      continue;
    }
    if (c == '?') {
      mask.elements_.push_back({Kind::kAnyChar});
      ++i;
      continue;
    }
    if (c != '[') {
      mask.elements_.push_back({Kind::kLiteral, 0, unicode::Upper(c)});
      ++i;
      continue;
    }
    Set set;
    ++i;
    if (i < n && p[i] == '!') {
      set.negated = true;
      ++i;
    }
    bool closed = false;
    while (i < n) {
      const char32_t lo = p[i];
      if (lo == ']') {
        closed = true;
        ++i;
        break;
      }
      if (i + 1 < n && p[i + 1] == '-') {
        if (i + 2 >= n) return fail(n);
        const char32_t hi = p[i + 2];
        if (hi == ']') return fail(i + 2);
        set.ranges.push_back({lo, hi});
        i += 3;
      } else {
        set.ranges.push_back({lo, lo});
        ++i;
      }
    }
    if (!closed) return fail(n);
    for (char32_t a = 0; a < 128; ++a) set.ascii.set(a, SetHas(set, a));
    mask.elements_.push_back({Kind::kSet, static_cast<std::uint32_t>(mask.sets_.size())});
    mask.sets_.push_back(std::move(set));
  }
  mask.elements_.push_back({Kind::kEnd});
  return mask;
}

bool Mask::SetHas(const Set& s, char32_t c) {
  // A character belongs when it, its upper case or the lower case of that is a member: the
  // same case folding as a literal, without listing every member's case forms.
  const char32_t upper = unicode::Upper(c);
  const char32_t lower = unicode::Lower(upper);
  for (const Range& r : s.ranges) {
    if ((c >= r.lo && c <= r.hi) || (upper >= r.lo && upper <= r.hi) ||
        (lower >= r.lo && lower <= r.hi)) {
      return !s.negated;
    }
  }
  return s.negated;
}

inline bool Mask::Accepts(const Element& e, char32_t c) const {
  switch (e.kind) {
    case Kind::kLiteral:
      return e.literal == unicode::Upper(c);
    case Kind::kAnyChar:
      return true;
    case Kind::kSet:
      return c < 128 ? sets_[e.set].ascii.test(c) : SetHas(sets_[e.set], c);
    case Kind::kAnyRun:
    case Kind::kEnd:
      break;
  }
  return false;
}

bool Mask::Matches(std::string_view text) const {
  // Classic backtracking over the last star: linear for masks with one star, never worse than
  // the product of the lengths. Positions in `text` are byte offsets of character starts.
  const Element* e = elements_.data();
  const Element* after_star = nullptr;
  std::size_t t = 0, star_t = 0;
  const std::size_t n = text.size();
  while (t < n) {
    if (e->kind == Kind::kAnyRun) {
      after_star = ++e;
      star_t = t;
      continue;
    }
    const unicode::Char ch = unicode::Decode(text, t);
    if (Accepts(*e, ch.code)) {
      ++e;
      t += ch.length;
    } else if (after_star != nullptr) {
      e = after_star;
      star_t += unicode::Decode(text, star_t).length;
      t = star_t;
    } else {
      return false;
    }
  }
  while (e->kind == Kind::kAnyRun) ++e;
  return e->kind == Kind::kEnd;
}

std::string Mask::InvalidMaskMessage(std::string_view pattern, int error_pos) {
  return "'" + std::string(pattern) + "' is an invalid mask at (" + std::to_string(error_pos) + ")";
}

}  // namespace krellix
