#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace krellix {

// A settings file in the classic profile layout: "[Section]" lines opening sections and
// "Key=Value" lines. Section and key names match without regard to case (ASCII letters);
// values are kept exactly, blanks and tabs included, and read back cut to 2047 characters.
// Reading never creates anything; every write goes to the file at once, creating the file,
// the section and the key as needed, with CR LF line ends. LF-only files read as well.
class ProfileFile {
 public:
  static constexpr std::size_t kMaxValue = 2047;

  // Reads the file at `path`; a missing or unreadable file reads as empty.
  explicit ProfileFile(std::string path);

  const std::string& Path() const { return path_; }
  // Reads the file again, dropping what was held.
  void Reload();

  // The value of a key, nothing when the key is missing. The first of duplicate keys counts.
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

  // Writes a key and saves the file; false when the file could not be written (the value is
  // then not kept in memory either).
  bool Write(std::string_view section, std::string_view key, std::string_view value);
  bool WriteInt(std::string_view section, std::string_view key, std::int64_t value);
  bool WriteBool(std::string_view section, std::string_view key, bool value);
  // Removes a key (all its duplicates) and saves the file.
  bool DeleteKey(std::string_view section, std::string_view key);

 private:
  struct Line {
    std::string text;   // the line as read, without its line end
    std::string name;   // section or key name (trimmed); empty for other lines
    bool is_section = false;
    std::size_t value_at = 0;  // where the value starts in `text` (key lines)
  };

  void Parse(const std::string& content);
  bool Save(const std::vector<Line>& lines) const;
  // Index of the section line, or npos.
  std::size_t FindSection(std::string_view section) const;
  // Index of the first key line in the section starting at `section_line`, or npos.
  std::size_t FindKey(std::size_t section_line, std::string_view key) const;
  static Line MakeKeyLine(std::string_view key, std::string_view value);

  std::string path_;
  std::vector<Line> lines_;
};

// Parses an integer the way settings values are read: optional blanks and sign, decimal
// digits, or "0x"/"0X" and hexadecimal digits.
std::optional<std::int64_t> ParseProfileInt(std::string_view text);

}  // namespace krellix
