#include "platform/profile_file.h"

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>

namespace krellix {
namespace {

constexpr std::size_t npos = std::string::npos;

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

std::optional<std::int64_t> ParseProfileInt(std::string_view text) {
  text = Trim(text);
  if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    std::uint64_t v = 0;
    for (const char c : text.substr(2)) {
      if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
      if (v > (std::numeric_limits<std::uint64_t>::max() >> 4)) return std::nullopt;
      v = v * 16 + static_cast<std::uint64_t>(std::isdigit(static_cast<unsigned char>(c))
                                                  ? c - '0'
                                                  : std::tolower(c) - 'a' + 10);
    }
    return static_cast<std::int64_t>(v);
  }
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t v = 0;
  for (const char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    if (v > (std::numeric_limits<std::int64_t>::max() - 9) / 10) return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return negative ? -v : v;
}

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) { Reload(); }

void ProfileFile::Reload() {
  lines_.clear();
  std::ifstream in(path_, std::ios::binary);
  if (!in) return;
  std::ostringstream content;
  content << in.rdbuf();
  Parse(content.str());
}

void ProfileFile::Parse(const std::string& content) {
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == npos) end = content.size();
    Line line;
    line.text = content.substr(start, end - start);
    if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
    start = end + 1;
    const std::string_view t = Trim(line.text);
    if (!t.empty() && t.front() == '[') {
      const auto close = t.find(']');
      if (close != npos) {
        line.is_section = true;
        line.name = std::string(Trim(t.substr(1, close - 1)));
      }
    } else if (!t.empty() && t.front() != ';') {
      const auto eq = line.text.find('=');
      if (eq != npos) {
        line.name = std::string(Trim(std::string_view(line.text).substr(0, eq)));
        line.value_at = eq + 1;
      }
    }
    lines_.push_back(std::move(line));
  }
}

std::size_t ProfileFile::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].is_section && SameName(lines_[i].name, section)) return i;
  }
  return npos;
}

std::size_t ProfileFile::FindKey(std::size_t section_line, std::string_view key) const {
  for (std::size_t i = section_line + 1; i < lines_.size() && !lines_[i].is_section; ++i) {
    if (!lines_[i].name.empty() && SameName(lines_[i].name, key)) return i;
  }
  return npos;
}

std::optional<std::string> ProfileFile::Read(std::string_view section,
                                             std::string_view key) const {
  const std::size_t s = FindSection(section);
  if (s == npos) return std::nullopt;
  const std::size_t k = FindKey(s, key);
  if (k == npos) return std::nullopt;
  return lines_[k].text.substr(lines_[k].value_at, kMaxValue);
}

std::vector<std::string> ProfileFile::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  const std::size_t s = FindSection(section);
  if (s == npos) return names;
  for (std::size_t i = s + 1; i < lines_.size() && !lines_[i].is_section; ++i) {
    if (!lines_[i].name.empty()) names.push_back(lines_[i].name);
  }
  return names;
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    const std::string& def) const {
  auto v = Read(section, key);
  return v ? *v : def;
}

std::int64_t ProfileFile::ReadInt(std::string_view section, std::string_view key,
                                  std::int64_t def) const {
  const auto v = Read(section, key);
  if (!v) return def;
  const auto n = ParseProfileInt(*v);
  return n ? *n : def;
}

bool ProfileFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInt(section, key, def ? 1 : 0) != 0;
}

ProfileFile::Line ProfileFile::MakeKeyLine(std::string_view key, std::string_view value) {
  Line line;
  line.text = std::string(key) + "=" + std::string(value);
  line.name = std::string(key);
  line.value_at = key.size() + 1;
  return line;
}

bool ProfileFile::Write(std::string_view section, std::string_view key, std::string_view value) {
  std::vector<Line> lines = lines_;
  std::size_t s = FindSection(section);
  if (s == npos) {
    if (!lines.empty() && !Trim(lines.back().text).empty()) lines.push_back(Line{});
    Line head;
    head.text = "[" + std::string(section) + "]";
    head.name = std::string(section);
    head.is_section = true;
    lines.push_back(std::move(head));
    lines.push_back(MakeKeyLine(key, value));
  } else if (const std::size_t k = FindKey(s, key); k != npos) {
    lines[k] = MakeKeyLine(lines_[k].name, value);
  } else {
    // After the section's last key line, before any blank lines that close it.
    std::size_t at = s + 1;
    for (std::size_t i = s + 1; i < lines.size() && !lines[i].is_section; ++i) {
      if (!Trim(lines[i].text).empty()) at = i + 1;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), MakeKeyLine(key, value));
  }
  if (!Save(lines)) return false;
  lines_ = std::move(lines);
  return true;
}

bool ProfileFile::WriteInt(std::string_view section, std::string_view key, std::int64_t value) {
  return Write(section, key, std::to_string(value));
}

bool ProfileFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  return Write(section, key, value ? "1" : "0");
}

bool ProfileFile::DeleteKey(std::string_view section, std::string_view key) {
  const std::size_t s = FindSection(section);
  if (s == npos) return true;
  std::vector<Line> lines = lines_;
  for (std::size_t i = s + 1; i < lines.size() && !lines[i].is_section;) {
    if (!lines[i].name.empty() && SameName(lines[i].name, key)) {
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
  if (!Save(lines)) return false;
  lines_ = std::move(lines);
  return true;
}

bool ProfileFile::Save(const std::vector<Line>& lines) const {
  std::string content;
  for (const Line& l : lines) {
    content += l.text;
    content += "\r\n";
  }
  // Write beside the file and rename over it, so a failed write never leaves half a file.
  const std::string temp = path_ + ".tmp";
  auto write_to = [&content](const std::string& p) {
    std::FILE* f = std::fopen(p.c_str(), "wb");
    if (f == nullptr) return false;
    const bool ok = std::fwrite(content.data(), 1, content.size(), f) == content.size();
    return (std::fclose(f) == 0) && ok;
  };
  if (write_to(temp)) {
    if (std::rename(temp.c_str(), path_.c_str()) == 0) return true;
    std::remove(temp.c_str());
    return false;
  }
  std::remove(temp.c_str());
  // A folder that takes no new files may still hold a writable settings file.
  return write_to(path_);
}

}  // namespace krellix
