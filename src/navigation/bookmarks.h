#pragma once

#include <string>
#include <vector>

namespace krellix {

// The bookmark list: directories, newest first, at most FavouritesSize of them.
class Bookmarks {
 public:
  const std::vector<std::string>& Entries() const { return entries_; }
  void Assign(std::vector<std::string> entries) { entries_ = std::move(entries); }

  enum class Added { kAdded, kExists };
  // `BookmarkDirectory`: appends the delimiter, refuses an exact duplicate (letter case
  // counts), inserts at the head; then trims to `favourites_size`. `dir` comes back as stored.
  Added BookmarkDirectory(std::string& dir, int favourites_size);

  // The directory a bookmark jumps to: its caption up to and including the last delimiter.
  static std::string JumpTarget(const std::string& caption);

 private:
  std::vector<std::string> entries_;
};

// The editing commands of the "Bookmarks" window, on its own copy of the list.
namespace bookmark_edit {
// "Add": at the head when the text is not empty, duplicates allowed; then trimmed.
void Add(std::vector<std::string>& list, const std::string& text, int favourites_size);
// "Up" / "Down" on the selected entry; returns the new selection.
int Up(std::vector<std::string>& list, int selected);
int Down(std::vector<std::string>& list, int selected);
// "Sort": ascending, letter case ignored.
void Sort(std::vector<std::string>& list);
// "OK": the entries with a trailing delimiter each.
std::vector<std::string> Confirmed(const std::vector<std::string>& list);
}  // namespace bookmark_edit

}  // namespace krellix
