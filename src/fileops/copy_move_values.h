#pragma once

#include <string>

namespace krellix {

// Where "Rename during" puts the running number.
enum class NumberPlace { kSkip, kPrefix, kSuffix };

// The rename rules of the "Copy / Move" dialog.
struct RenameDuring {
  std::string old_text, new_text;  // the first "Old:" in the base name becomes "New:"
  std::string prefix, suffix;
  NumberPlace number = NumberPlace::kSkip;
  int zero_fill = 3;  // the number has at least this many digits, "0" in front
  bool use_separator = false;
  std::string separator;  // between the number and the name
};

// What the "Copy / Move" dialog holds when it closes with OK. The command fills `title`,
// `rename.old_text` and `rename.new_text` before it opens.
struct CopyMoveValues {
  std::string title;        // "Copy" or "Move"
  std::string destination;  // the address box
  bool full_path = false;   // recreate the item's folders under the destination
  bool replace = false;     // overwrite targets that exist
  bool skip = false;        // leave items whose target exists
  bool rename = false;      // "Rename during"
  RenameDuring rules;
  // The number fields as typed (digits only in the dialog; may be empty).
  std::string start = "1", step = "1", zero_fill = "3";
};

}  // namespace krellix
