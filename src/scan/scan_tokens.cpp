#include "scan/scan_tokens.h"

namespace krellix {
namespace {

bool IsBlank(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 1 && u <= 32;
}

}  // namespace

std::vector<std::string> TokeniseScanString(std::string_view text) {
  // A NUL ends the text, as it would a C string.
  text = text.substr(0, text.find('\0'));
  std::vector<std::string> tokens;
  std::size_t p = 0;
  const std::size_t n = text.size();
  while (p < n && IsBlank(text[p])) ++p;
  while (p < n) {
    std::string token;
    if (text[p] == '"') {
      ++p;
      while (p < n) {
        if (text[p] == '"') {
          if (p + 1 < n && text[p + 1] == '"') {
            token.push_back('"');
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        token.push_back(text[p++]);
      }
    } else {
      const std::size_t start = p;
      while (p<n&& static_cast<unsigned char>(text[p])> 32 && text[p] != ',') ++p;
      token.assign(text.substr(start, p - start));
    }
    tokens.push_back(std::move(token));
    while (p < n && IsBlank(text[p])) ++p;
    if (p < n && text[p] == ',') {
      if (p + 1 == n) tokens.emplace_back();
      do {
        ++p;
      } while (p < n && IsBlank(text[p]));
    }
  }
  return tokens;
}

TokenTest ClassifyToken(const std::string& token) {
  TokenTest t{token, true};
  if (token.find_first_of("*?") != std::string::npos) t.substring = false;
  if (!token.empty() && token[0] == '"') t.substring = true;
  if (!token.empty() && token[0] == ':') {
    t.substring = false;
    t.tested.erase(0, 1);
  }
  return t;
}

}  // namespace krellix
