#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace krellix {

// The address bar's list of visited directories, newest first, duplicates kept, with the
// position that Previous and Next walk and the flag that keeps their moves out of the list.
class AddressHistory {
 public:
  const std::vector<std::string>& Entries() const { return entries_; }
  std::size_t Position() const { return position_; }

  // Replaces the entries (a restored history) and returns to position 0.
  void Assign(std::vector<std::string> entries);
  void Clear() { Assign({}); }

  // Records a directory change: at the head, with a trailing delimiter, position 0, then the
  // oldest entries dropped until at most `address_size` - 1 remain. A raised suppress flag
  // skips the recording once; the flag is lowered either way.
  void RecordChange(const std::string& dir, int address_size);
  // Inserts at the head without looking at the suppress flag.
  void BookmarkAddress(std::string dir, int address_size);

  // Raise the suppress flag and move the position back (older) or forward (newer), wrapping
  // around; the entry to go to. An empty history does nothing.
  std::optional<std::string> Previous();
  std::optional<std::string> Next();

  bool Suppressed() const { return suppress_; }
  // Lowers the suppress flag: a walk that changed no directory must not keep the next change
  // out of the list.
  void LowerSuppress() { suppress_ = false; }

 private:
  std::vector<std::string> entries_;
  std::size_t position_ = 0;
  bool suppress_ = false;
};

}  // namespace krellix
