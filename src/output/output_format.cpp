#include "output/output_format.h"

namespace krellix {

std::string EscapeLineBreaks(std::string_view value) {
  if (value.find_first_of("\r\n\\") == std::string_view::npos) return std::string(value);
  std::string out;
  out.reserve(value.size() + 8);
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\\') {
      const char next = i + 1 < value.size() ? value[i + 1] : '\0';
      const bool ambiguous =
          next == 'n' || next == 'r' || next == '\\' || next == '\n' || next == '\r';
      out += ambiguous ? "\\\\" : "\\";
    } else {
      out += c;
    }
  }
  return out;
}

std::string DoubleQuotes(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (const char c : value) {
    if (c == '"') out += '"';
    out += c;
  }
  return out;
}

std::string FieldDelimiter(const std::string& output_sep, bool quotes) {
  const char edge = quotes ? '"' : ' ';
  return edge + output_sep + edge;
}

namespace {

// The columns of one row or of the title row, and how they are joined.
struct Columns {
  const std::string* scan = nullptr;
  const std::string* attr = nullptr;
  const std::string* vol = nullptr;
  const std::string* path = nullptr;
  const std::string* file = nullptr;
  const std::string* size = nullptr;
  const std::string* date = nullptr;
  bool glue = false;  // the file name follows the path without a delimiter
};

std::string Join(const Columns& c, const std::string& delimiter, bool quotes) {
  std::string row;
  const auto escaped = [quotes](const std::string& value) {
    return quotes ? DoubleQuotes(value) : EscapeLineBreaks(value);
  };
  const auto add = [&](const std::string* value) {
    if (value == nullptr) return;
    row += delimiter;
    row += escaped(*value);
  };
  add(c.scan);
  add(c.attr);
  add(c.vol);
  add(c.path);
  if (c.glue) {
    row += escaped(*c.file);
  } else {
    add(c.file);
  }
  add(c.size);
  add(c.date);
  if (row.starts_with(delimiter)) row.erase(0, delimiter.size());
  if (quotes) row = '"' + row + '"';
  return row;
}

}  // namespace

std::string OutputRow(const OutputOptions& o, const std::string& delimiter,
                      const std::string& scan_text, const ItemFields& f) {
  Columns c;
  c.scan = o.ListScan ? &scan_text : nullptr;
  c.attr = &f.Attr;
  c.vol = o.ListVolume && !f.Vol.empty() ? &f.Vol : nullptr;
  c.path = o.ListPath ? &f.Path : nullptr;
  c.glue = o.ListPath && o.GluePath;
  c.file = &f.File;
  c.size = o.ListSize ? &f.Size : nullptr;
  c.date = o.ListDate ? &f.Date : nullptr;
  return Join(c, delimiter, o.Quotes);
}

std::string TitleRow(const OutputOptions& o, const std::string& delimiter) {
  static const std::string kScan = "String", kAttr = "Attr", kVol = "Volume", kPath = "Path",
                           kFile = "Filename", kGlued = "Path\\Filename", kSize = "Size",
                           kDate = "Date", kEmpty;
  Columns c;
  c.scan = o.ListScan ? &kScan : nullptr;
  c.attr = &kAttr;
  c.vol = o.ListVolume ? &kVol : nullptr;
  const bool glued = o.ListPath && o.GluePath;
  c.path = o.ListPath ? (glued ? &kGlued : &kPath) : nullptr;
  c.glue = glued;
  c.file = glued ? &kEmpty : &kFile;
  c.size = o.ListSize ? &kSize : nullptr;
  c.date = o.ListDate ? &kDate : nullptr;
  return Join(c, delimiter, o.Quotes);
}

std::string FileSavedHeader(const std::string& date_time) {
  return "- File saved on: " + date_time;
}

std::vector<std::string> HeaderBlock(const std::string& window_title, const std::string& copyright,
                                     const std::string& header1, const std::string& header2) {
  return {";  ", ";  - " + window_title + " -- " + copyright, ";  " + header1, ";  " + header2,
          ";  "};
}

std::vector<std::string> StatisticsBlock(const ScanStatistics& s, const LocaleFormat& locale) {
  const auto kbytes = [&](double value, int decimals) {
    return FormatNumber(value, decimals, locale) + " Kbytes";
  };
  return {
      ";  ",
      ";  Total number " + FormatNumber(static_cast<double>(s.TotalFiles), 0, locale),
      ";    Total size " + kbytes(s.TotalSize, 0),
      "; Smallest size " + kbytes(s.SmallestSize, 3),
      "; Smallest name " + EscapeLineBreaks(s.SmallestName),
      ";  Largest size " + kbytes(s.LargestSize, 3),
      ";  Largest name " + EscapeLineBreaks(s.LargestName),
      ";   Oldest date " + s.OldestDate,
      ";   Oldest name " + EscapeLineBreaks(s.OldestName),
      "; Youngest date " + s.YoungestDate,
      "; Youngest name " + EscapeLineBreaks(s.YoungestName),
      ";  ",
  };
}

}  // namespace krellix
