#pragma once

#include <string>

namespace krellix {

// The values of the "Rename" dialog: five groups of rules applied in order to the name of every
// selected item. Numeric fields keep their text as typed ("Start:" 0001 gives the first number
// with its zeros); each holds decimal digits only, up to the number of digits noted.
struct RenameParameters {
  // "(1) Edit": only the rules of the tab showing apply.
  enum class EditTab { kReplace, kCrop, kInsert, kSwap, kPath };
  enum class Crop { kSkip, kRemove, kRemoveLast, kKeepLast };
  enum class Swap { kSkip, kFirst, kLast };
  enum class PathLevels { kSkip, kAddLast, kAddFirst, kAddAll };
  // "(3) Number"
  enum class NumberPlace { kSkip, kPrefix, kSuffix };
  // "(4) Case"
  enum class Case { kKeep, kUpper, kLower, kTitle, kSentence };
  // "(5) Extension"
  enum class Extension { kSkip, kAdd, kReplace, kDelete };

  EditTab tab = EditTab::kReplace;

  // "Replace": "Old:" ("*.*" takes the whole name), "New:", "Replace all".
  std::string old_text;
  std::string new_text;
  bool replace_all = false;

  // "Crop": "Remove" count characters after position, "Remove last" / "Keep last" count.
  Crop crop = Crop::kSkip;
  std::string remove_count = "0";     // 3 digits
  std::string remove_position = "1";  // 3 digits
  std::string last_count = "0";       // 3 digits

  // "Insert:" text after position.
  std::string insert_text;
  std::string insert_position = "0";  // 3 digits

  Swap swap = Swap::kSkip;
  std::string swap_count = "0";  // 2 digits

  PathLevels path = PathLevels::kSkip;
  std::string path_count = "1";  // 2 digits

  // "(2) Add"
  std::string prefix;
  std::string suffix;
  bool date_prefix = false;
  bool date_suffix = false;
  bool md5_prefix = false;
  bool md5_suffix = false;

  // "(3) Number"
  NumberPlace number = NumberPlace::kSkip;
  std::string start = "1";      // 6 digits
  std::string step = "1";       // 6 digits
  std::string zero_fill = "3";  // 2 digits
  bool use_separator = false;
  std::string separator;

  // "(4) Case"
  bool underscore_blank = false;
  bool percent20_blank = false;
  Case letter_case = Case::kKeep;

  // "(5) Extension"
  Extension extension = Extension::kSkip;
  std::string extension_text;

  bool operator==(const RenameParameters&) const = default;
};

// Every parameter back to its default, except "Old:" and "New:" (and the tab showing), which
// stay as they are.
inline void ResetToDefault(RenameParameters& p) {
  RenameParameters fresh;
  fresh.tab = p.tab;
  fresh.old_text = std::move(p.old_text);
  fresh.new_text = std::move(p.new_text);
  p = std::move(fresh);
}

}  // namespace krellix
