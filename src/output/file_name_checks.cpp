#include "output/file_name_checks.h"

#include "itemlist/item_entry.h"

namespace krellix {

namespace {

bool IsControl(unsigned char c) { return c < 32; }

bool IsUtf8Continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte offset where character number `n` (from 0) starts; the text's size when it has fewer.
std::size_t CharOffset(std::string_view text, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t chars = 0; i < text.size(); ++chars) {
    if (chars == n) return i;
    ++i;
    // A lead byte takes at most three continuation bytes with it.
    for (int k = 0; k < 3 && i < text.size() && IsUtf8Continuation(text[i]); ++k) ++i;
  }
  return text.size();
}

}  // namespace

bool ValidFilename(std::string_view filename) {
  if (filename.empty()) return false;
  for (unsigned char c : filename.substr(CharOffset(filename, 2))) {
    if (IsControl(c)) return false;
    switch (c) {
      case '"':
      case '*':
      case ':':
      case '<':
      case '>':
      case '?':
      case '|':
        return false;
      default:
        break;
    }
  }
  return true;
}

bool ValidFileNameChars(std::string_view name) {
  for (unsigned char c : name) {
    if (IsControl(c)) return false;
    switch (c) {
      case '"':
      case '*':
      case '/':
      case ':':
      case '<':
      case '>':
      case '?':
      case '\\':
      case '|':
        return false;
      default:
        break;
    }
  }
  return true;
}

std::string WithExtension(std::string_view path, std::string_view extension) {
  if (path.empty()) return {};
  const std::string_view old = ExtensionOf(path);
  std::string out(path.substr(0, path.size() - old.size()));
  out += extension;
  return out;
}

}  // namespace krellix
