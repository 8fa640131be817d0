#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/file_result.h"

namespace krellix {

// A settings file in the classic profile layout: "[Section]" lines opening sections and
// "Key=Value" lines. Section and key names match without regard to case (ASCII letters);
// values are kept exactly, blanks and tabs included, and read back cut to 2047 characters.
//
// The file is read once, when the object is made, into memory with an index: reading a key is
// a lookup. Writing and deleting change the memory only; Save() writes the whole file at once
// through a replacement (a temporary file renamed over it), so the file on disk is always
// either the old or the new one, never half of each. Lines are written with CR LF ends; LF-only
// files read as well. Reading never creates anything.
class ProfileFile {
 public:
  static constexpr std::size_t kMaxValue = 2047;

  // Reads the file at `path`; a missing or unreadable file reads as empty (and one that exists
  // but cannot be read is never saved over, see Save()).
  explicit ProfileFile(std::string path);

  const std::string& Path() const { return path_; }
  // Reads the file again, dropping what was held (unsaved changes too).
  void Reload();

  // The value of a key, nothing when the key is missing. The first of duplicate keys counts,
  // and of two sections with one name only the first is read.
  std::optional<std::string> Read(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         const std::string& def) const;
  // Decimal, or hexadecimal after "0x"/"0X" (three or more characters); a value that is no
  // integer gives `def`.
  std::int64_t ReadInt(std::string_view section, std::string_view key, std::int64_t def) const;
  // An integer; non-zero is true.
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;
  // The names of the keys of a section, in file order (duplicates included).
  std::vector<std::string> KeyNames(std::string_view section) const;

  // Sets a key, adding the section and the key as needed: a new key goes after the section's
  // last line that is not blank, a new section at the end after a blank line. An existing key
  // (the first of duplicates) keeps its stored name and place.
  void Write(std::string_view section, std::string_view key, std::string_view value);
  void WriteInt(std::string_view section, std::string_view key, std::int64_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  // Removes a key, all its duplicates included.
  void DeleteKey(std::string_view section, std::string_view key);
  // Removes every key of the section whose name `which` picks. One pass, however many.
  void DeleteKeys(std::string_view section, const std::function<bool(const std::string&)>& which);

  // The whole file as Save() writes it.
  std::string Text() const;
  // Writes the file at Path() as Text(). On failure the file stays as it was and the changes
  // stay in memory, so a later Save() can try again. A file that exists but could not be read
  // is not written at all (the reason of the failed read is returned): it would lose its keys.
  FileResult Save() const;

 private:
  struct Line {
    std::string text;          // the line as read, without its line end
    std::string name;          // key name (trimmed); empty for other lines
    std::size_t value_at = 0;  // where the value starts in `text` (key lines)
  };
  struct Section {
    bool has_head = false;  // false only for the lines before the first section
    std::string head;       // the "[Name]" line as read
    std::vector<Line> lines;
    // Folded key name to the index of its first line.
    std::unordered_map<std::string, std::size_t> keys;
  };

  void Parse(const std::string& content);
  const Section* FindSection(std::string_view section) const;
  Section* FindSection(std::string_view section);
  static void IndexKeys(Section& section);
  static Line MakeKeyLine(std::string_view key, std::string_view value);
  // Every line of the file in order, without its line end.
  void ForEachLine(const std::function<void(std::string_view)>& line) const;

  std::string path_;
  int read_error_ = 0;  // errno of a failed read of an existing file
  // The first entry holds the lines before any section line (it has no head).
  std::vector<Section> sections_;
  // Folded section name to the first section of that name.
  std::unordered_map<std::string, std::size_t> section_index_;
};

// Parses an integer the way settings values are read: optional blanks and sign, decimal
// digits, or "0x"/"0X" and hexadecimal digits.
std::optional<std::int64_t> ParseProfileInt(std::string_view text);

}  // namespace krellix
