#include "platform/profile_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "platform/ascii_text.h"
#include "platform/crlf_line_writer.h"
#include "platform/number_text.h"

namespace krellix {
namespace {

constexpr std::size_t npos = std::string::npos;

// A section or key name as the index holds it: ASCII letters in lower case.
std::string Fold(std::string_view name) { return AsciiLower(name); }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

std::optional<std::int64_t> ParseProfileInt(std::string_view text) {
  text = Trim(text);
  if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    // Hexadecimal takes the whole 64 bits; the top half of the range reads as negative.
    const auto bits = ParseDigits<std::uint64_t>(text.substr(2), 16);
    if (!bits) return std::nullopt;
    return static_cast<std::int64_t>(*bits);
  }
  return ParseSignedDecimal<std::int64_t>(text);
}

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) { Reload(); }

void ProfileFile::Reload() {
  sections_.assign(1, Section{});
  section_index_.clear();
  read_error_ = 0;
  std::FILE* in = std::fopen(path_.c_str(), "rbe");
  if (in == nullptr) {
    if (errno != ENOENT && errno != ENOTDIR) read_error_ = errno;
    return;
  }
  std::string content;
  char buf[65536];
  std::size_t n = 0;
  while ((n = std::fread(buf, 1, sizeof buf, in)) > 0) content.append(buf, n);
  if (std::ferror(in)) read_error_ = errno != 0 ? errno : EIO;
  std::fclose(in);
  Parse(content);
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
        Section section;
        section.has_head = true;
        section.head = std::move(line.text);
        const std::string folded = Fold(Trim(t.substr(1, close - 1)));
        section_index_.try_emplace(folded, sections_.size());
        sections_.push_back(std::move(section));
        continue;
      }
    } else if (!t.empty() && t.front() != ';') {
      const auto eq = line.text.find('=');
      if (eq != npos) {
        line.name = std::string(Trim(std::string_view(line.text).substr(0, eq)));
        line.value_at = eq + 1;
      }
    }
    Section& current = sections_.back();
    if (!line.name.empty()) current.keys.try_emplace(Fold(line.name), current.lines.size());
    current.lines.push_back(std::move(line));
  }
}

const ProfileFile::Section* ProfileFile::FindSection(std::string_view section) const {
  const auto it = section_index_.find(Fold(section));
  return it == section_index_.end() ? nullptr : &sections_[it->second];
}

ProfileFile::Section* ProfileFile::FindSection(std::string_view section) {
  const auto it = section_index_.find(Fold(section));
  return it == section_index_.end() ? nullptr : &sections_[it->second];
}

void ProfileFile::IndexKeys(Section& section) {
  section.keys.clear();
  for (std::size_t i = 0; i < section.lines.size(); ++i) {
    if (!section.lines[i].name.empty()) section.keys.try_emplace(Fold(section.lines[i].name), i);
  }
}

std::optional<std::string> ProfileFile::Read(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  if (s == nullptr) return std::nullopt;
  const auto k = s->keys.find(Fold(key));
  if (k == s->keys.end()) return std::nullopt;
  const Line& line = s->lines[k->second];
  return line.text.substr(line.value_at, kMaxValue);
}

std::vector<std::string> ProfileFile::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  const Section* s = FindSection(section);
  if (s == nullptr) return names;
  for (const Line& line : s->lines) {
    if (!line.name.empty()) names.push_back(line.name);
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

void ProfileFile::Write(std::string_view section, std::string_view key, std::string_view value) {
  Section* s = FindSection(section);
  if (s == nullptr) {
    // A blank line before the new section, unless the file ends with one (or is empty).
    Section& last = sections_.back();
    const std::string* last_line = !last.lines.empty() ? &last.lines.back().text
                                   : last.has_head     ? &last.head
                                                       : nullptr;
    if (last_line != nullptr && !Trim(*last_line).empty()) last.lines.push_back(Line{});
    Section added;
    added.has_head = true;
    added.head = "[" + std::string(section) + "]";
    section_index_.emplace(Fold(section), sections_.size());
    sections_.push_back(std::move(added));
    s = &sections_.back();
  }
  const std::string folded = Fold(key);
  if (const auto k = s->keys.find(folded); k != s->keys.end()) {
    Line& line = s->lines[k->second];
    line = MakeKeyLine(line.name, value);
    return;
  }
  // After the section's last line that is not blank, before the blank lines that close it;
  // only blank lines move, and they are not in the index.
  std::size_t at = s->lines.size();
  while (at > 0 && Trim(s->lines[at - 1].text).empty()) --at;
  s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(at), MakeKeyLine(key, value));
  s->keys.emplace(folded, at);
}

void ProfileFile::WriteInt(std::string_view section, std::string_view key, std::int64_t value) {
  Write(section, key, std::to_string(value));
}

void ProfileFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  Write(section, key, value ? "1" : "0");
}

void ProfileFile::DeleteKey(std::string_view section, std::string_view key) {
  const std::string folded = Fold(key);
  DeleteKeys(section, [&folded](const std::string& name) { return Fold(name) == folded; });
}

void ProfileFile::DeleteKeys(std::string_view section,
                             const std::function<bool(const std::string&)>& which) {
  Section* s = FindSection(section);
  if (s == nullptr) return;
  const auto gone = std::remove_if(s->lines.begin(), s->lines.end(), [&which](const Line& l) {
    return !l.name.empty() && which(l.name);
  });
  if (gone == s->lines.end()) return;
  s->lines.erase(gone, s->lines.end());
  IndexKeys(*s);
}

void ProfileFile::ForEachLine(const std::function<void(std::string_view)>& line) const {
  for (const Section& s : sections_) {
    if (s.has_head) line(s.head);
    for (const Line& l : s.lines) line(l.text);
  }
}

std::string ProfileFile::Text() const {
  std::string content;
  ForEachLine([&content](std::string_view line) {
    content += line;
    content += kLineEnd;
  });
  return content;
}

FileResult ProfileFile::Save() const {
  // Writing what was read of a file that could not be read would lose the rest of it.
  if (read_error_ != 0) return ErrnoError(path_, read_error_);
  CrlfLineWriter out;
  if (FileResult opened = out.Open(path_, WriteHow::kReplace); !opened) return opened;
  ForEachLine([&out](std::string_view line) { out.WriteLine(line); });
  return out.Close();
}

}  // namespace krellix
