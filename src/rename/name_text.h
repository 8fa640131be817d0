#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace krellix {

// Character work on a name held as bytes. A character is a UTF-8 sequence; a byte that starts
// none counts as one character and is carried through unchanged, so a name that is not UTF-8
// keeps its bytes through every edit that does not touch them.

// The number of characters of `text`.
std::size_t NameLength(std::string_view text);
// The characters of `text` from character `first` (0-based), `count` of them (fewer when fewer
// remain; none when `first` is past the end).
std::string NameMid(std::string_view text, std::size_t first,
                    std::size_t count = std::string_view::npos);

// `text` with the first occurrence of `old_text` (or, with `all`, every occurrence, left to
// right without overlap) replaced by `new_text`; letters compare without regard to case. An
// empty `old_text` changes nothing.
std::string ReplaceIgnoringCase(std::string_view text, std::string_view old_text,
                                std::string_view new_text, bool all);
// `text` with every occurrence of `from` replaced by `to` (exact bytes).
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// Letter case of a whole name, every alphabet; bytes that are not UTF-8 stay as they are.
std::string NameUpper(std::string_view text);
std::string NameLower(std::string_view text);
// Lower case, then the first character and every one after a blank, "(", ")", "[", "]", "{",
// "}", "-", "_", "&" or "." raised when it is an ASCII letter.
std::string NameTitleCase(std::string_view text);
// Lower case, then the first character raised when it is an ASCII letter.
std::string NameSentenceCase(std::string_view text);

}  // namespace krellix
