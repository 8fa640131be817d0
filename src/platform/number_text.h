#pragma once

#include <charconv>
#include <concepts>
#include <optional>
#include <string_view>

namespace krellix {

// The number that the whole of `text` spells in `base`: digits only, with a leading '-' for a
// signed T; no blanks, no '+', no "0x". Nothing when anything else is there or T cannot hold
// the value.
template <std::integral T>
std::optional<T> ParseDigits(std::string_view text, int base = 10) {
  T value{};
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(text.data(), last, value, base);
  if (error != std::errc{} || end != last) return std::nullopt;
  return value;
}

// A decimal number with an optional sign, '+' or '-', before its digits; otherwise as
// ParseDigits.
template <std::signed_integral T>
std::optional<T> ParseSignedDecimal(std::string_view text) {
  if (text.starts_with('+')) {
    text.remove_prefix(1);
    if (text.starts_with('-')) return std::nullopt;
  }
  return ParseDigits<T>(text);
}

}  // namespace krellix
