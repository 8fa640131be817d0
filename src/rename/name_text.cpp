#include "rename/name_text.h"

#include <vector>

#include "platform/ascii_text.h"
#include "platform/unicode_text.h"

namespace krellix {
namespace {

std::vector<unicode::Char> Chars(std::string_view text) {
  std::vector<unicode::Char> chars;
  chars.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    chars.push_back(unicode::Decode(text, pos));
    pos += chars.back().length;
  }
  return chars;
}

template <typename Map>
std::string MapChars(std::string_view text, Map map) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const unicode::Char c = unicode::Decode(text, pos);
    if (c.code >= unicode::kRawByte) {
      out.append(text.substr(pos, c.length));
    } else {
      unicode::AppendChar(out, map(c.code));
    }
    pos += c.length;
  }
  return out;
}

// Raises the ASCII letter at byte `pos`, when there is one.
void RaiseAscii(std::string& text, std::size_t pos) {
  if (pos < text.size())
    text[pos] = static_cast<char>(AsciiUpper(static_cast<unsigned char>(text[pos])));
}

}  // namespace

std::size_t NameLength(std::string_view text) {
  std::size_t n = 0;
  for (std::size_t pos = 0; pos < text.size(); ++n) pos += unicode::Decode(text, pos).length;
  return n;
}

std::string NameMid(std::string_view text, std::size_t first, std::size_t count) {
  std::size_t pos = 0;
  for (std::size_t n = 0; n < first && pos < text.size(); ++n) {
    pos += unicode::Decode(text, pos).length;
  }
  std::size_t end = pos;
  for (std::size_t n = 0; n < count && end < text.size(); ++n) {
    end += unicode::Decode(text, end).length;
  }
  return std::string(text.substr(pos, end - pos));
}

std::string ReplaceIgnoringCase(std::string_view text, std::string_view old_text,
                                std::string_view new_text, bool all) {
  if (old_text.empty()) return std::string(text);
  const std::vector<unicode::Char> hay = Chars(text);
  const std::vector<unicode::Char> needle = Chars(old_text);
  const auto matches_at = [&](std::size_t i) {
    if (hay.size() - i < needle.size()) return false;
    for (std::size_t k = 0; k < needle.size(); ++k) {
      if (unicode::Lower(hay[i + k].code) != unicode::Lower(needle[k].code)) return false;
    }
    return true;
  };
  std::string out;
  std::size_t pos = 0;  // byte offset of hay[i]
  bool replaced = false;
  for (std::size_t i = 0; i < hay.size();) {
    if ((all || !replaced) && matches_at(i)) {
      out.append(new_text);
      for (std::size_t k = 0; k < needle.size(); ++k) pos += hay[i + k].length;
      i += needle.size();
      replaced = true;
      continue;
    }
    out.append(text.substr(pos, hay[i].length));
    pos += hay[i].length;
    ++i;
  }
  return out;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  std::size_t pos = 0;
  for (std::size_t hit; !from.empty() && (hit = text.find(from, pos)) != std::string_view::npos;
       pos = hit + from.size()) {
    out.append(text.substr(pos, hit - pos)).append(to);
  }
  out.append(text.substr(pos));
  return out;
}

std::string NameUpper(std::string_view text) { return MapChars(text, unicode::Upper); }

std::string NameLower(std::string_view text) { return MapChars(text, unicode::Lower); }

std::string NameTitleCase(std::string_view text) {
  std::string out = NameLower(text);
  constexpr std::string_view kBreaks = " ()[]{}-_&.";
  RaiseAscii(out, 0);
  for (std::size_t pos = 0; pos + 1 < out.size(); ++pos) {
    // Every break character is ASCII, so the byte after it starts a character.
    if (kBreaks.find(out[pos]) != std::string_view::npos) RaiseAscii(out, pos + 1);
  }
  return out;
}

std::string NameSentenceCase(std::string_view text) {
  std::string out = NameLower(text);
  RaiseAscii(out, 0);
  return out;
}

}  // namespace krellix
