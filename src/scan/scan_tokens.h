#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace krellix {

// Splits a scan string into tokens by the comma-text rules:
//  - characters with codes 1 to 32 before a token are skipped;
//  - a token starting with a double quote runs to the next lone double quote (a doubled one
//    stands for one), the quotes removed;
//  - any other token runs to the next character of code 32 or less, or the next comma;
//  - a comma after a token is consumed with the blanks around it; a comma that ends the text
//    adds an empty token, and two commas in a row give an empty token between them.
// So "*.txt *.doc", "*.txt,*.doc" and "*.txt, *.doc" all give {"*.txt", "*.doc"}.
std::vector<std::string> TokeniseScanString(std::string_view text);

// How one token is tested: a token holding "*" or "?" is a mask, unless it starts with a double
// quote; one starting with ":" is always a mask, tested without that ":". Anything else is a
// substring.
struct TokenTest {
  std::string tested;  // the token, without a leading ":"
  bool substring = true;
};
TokenTest ClassifyToken(const std::string& token);

}  // namespace krellix
