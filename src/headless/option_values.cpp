#include "headless/option_values.h"

#include <array>

#include "output/output_options.h"
#include "platform/ascii_text.h"
#include "platform/number_text.h"

namespace krellix {
namespace {

// The number that `digits` decimal digits at `at` of `text` spell.
std::optional<int> Field(std::string_view text, std::size_t at, std::size_t digits) {
  if (at + digits > text.size()) return std::nullopt;
  const std::string_view part = text.substr(at, digits);
  for (const char c : part) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  return ParseDigits<int>(part);
}

struct Column {
  const char* name;
  bool OutputOptions::*flag;
};
constexpr std::array<Column, 5> kColumns = {{
    {"string", &OutputOptions::ListScan},
    {"volume", &OutputOptions::ListVolume},
    {"path", &OutputOptions::ListPath},
    {"size", &OutputOptions::ListSize},
    {"date", &OutputOptions::ListDate},
}};

}  // namespace

std::optional<WallMs> ParseDateValue(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto y = Field(text, 0, 4), m = Field(text, 5, 2), d = Field(text, 8, 2);
  if (!y || !m || !d) return std::nullopt;
  const CivilDateTime c{*y, *m, *d};
  const WallMs t = FromCivil(c);
  // A day that does not exist (February 30th) comes back as another one.
  const CivilDateTime back = ToCivil(t);
  if (back.year != c.year || back.month != c.month || back.day != c.day) return std::nullopt;
  return t;
}

std::optional<WallMs> ParseTimeValue(std::string_view text) {
  if ((text.size() != 5 && text.size() != 8) || text[2] != ':') return std::nullopt;
  if (text.size() == 8 && text[5] != ':') return std::nullopt;
  const auto h = Field(text, 0, 2), m = Field(text, 3, 2);
  const auto s = text.size() == 8 ? Field(text, 6, 2) : std::optional<int>(0);
  if (!h || !m || !s || *h > 23 || *m > 59 || *s > 59) return std::nullopt;
  return FromCivil(CivilDateTime{1970, 1, 1, *h, *m, *s});
}

bool IsSizeBoxText(std::string_view text) {
  if (text.empty() || text.size() > 9) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::optional<bool> ParseSizeUnit(std::string_view text) {
  if (EqualsIgnoreAsciiCase(text, "Kbytes")) return true;
  if (EqualsIgnoreAsciiCase(text, "bytes")) return false;
  return std::nullopt;
}

std::string DelimiterOf(std::string_view text) {
  if (EqualsIgnoreAsciiCase(text, "TAB")) return "\t";
  if (EqualsIgnoreAsciiCase(text, "COMMA")) return ",";
  if (EqualsIgnoreAsciiCase(text, "Version-0.3")) return "  ";
  return std::string(text);
}

std::string DelimiterName(const std::string& sep) {
  if (sep == "\t") return "TAB";
  if (sep == ",") return "COMMA";
  if (sep == "  ") return "Version-0.3";
  return sep;
}

std::optional<ItemOrder> ParseSortOrder(std::string_view text) {
  if (text.size() != 1) return std::nullopt;
  return ItemOrderOf(static_cast<char>(AsciiUpper(static_cast<unsigned char>(text[0]))));
}

void ApplyCsvPreset(OutputOptions& options) {
  options.SaveCSV = true;
  options.Quotes = options.Titles = true;
  options.Headers = options.Statistics = false;
  options.OutputSep.assign(1, '\t');
}

bool SetColumns(std::string_view text, OutputOptions& options) {
  OutputOptions chosen = options;
  for (const Column& c : kColumns) chosen.*c.flag = false;
  while (!text.empty()) {
    const std::size_t comma = text.find(',');
    const std::string_view name = text.substr(0, comma);
    bool known = false;
    for (const Column& c : kColumns) {
      if (EqualsIgnoreAsciiCase(name, c.name)) {
        chosen.*c.flag = true;
        known = true;
      }
    }
    if (!known) return false;
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
  }
  options = chosen;
  return true;
}

std::string ColumnsText(const OutputOptions& options) {
  std::string text;
  for (const Column& c : kColumns) {
    if (!(options.*c.flag)) continue;
    if (!text.empty()) text += ',';
    text += c.name;
  }
  return text;
}

}  // namespace krellix
