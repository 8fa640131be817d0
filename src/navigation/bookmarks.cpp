#include "navigation/bookmarks.h"

#include <algorithm>

#include "platform/ascii_text.h"
#include "platform/file_system.h"

namespace krellix {
namespace {

void Trim(std::vector<std::string>& list, int size) {
  const std::size_t keep = size > 0 ? static_cast<std::size_t>(size) : 0;
  while (list.size() > keep) list.pop_back();
}

}  // namespace

Bookmarks::Added Bookmarks::BookmarkDirectory(std::string& dir, int favourites_size) {
  dir = WithTrailingDelim(std::move(dir));
  const bool exists = std::find(entries_.begin(), entries_.end(), dir) != entries_.end();
  if (!exists) entries_.insert(entries_.begin(), dir);
  Trim(entries_, favourites_size);
  return exists ? Added::kExists : Added::kAdded;
}

std::string Bookmarks::JumpTarget(const std::string& caption) {
  return WithTrailingDelim(DirectoryPart(caption));
}

namespace bookmark_edit {

void Add(std::vector<std::string>& list, const std::string& text, int favourites_size) {
  if (text.empty()) return;
  list.insert(list.begin(), text);
  Trim(list, favourites_size);
}

int Up(std::vector<std::string>& list, int selected) {
  if (selected <= 0 || selected >= static_cast<int>(list.size())) return selected;
  std::swap(list[static_cast<std::size_t>(selected)], list[static_cast<std::size_t>(selected - 1)]);
  return selected - 1;
}

int Down(std::vector<std::string>& list, int selected) {
  if (selected < 0 || selected + 1 >= static_cast<int>(list.size())) return selected;
  std::swap(list[static_cast<std::size_t>(selected)], list[static_cast<std::size_t>(selected) + 1]);
  return selected + 1;
}

void Sort(std::vector<std::string>& list) {
  std::stable_sort(list.begin(), list.end(), [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](unsigned char x, unsigned char y) { return AsciiLower(x) < AsciiLower(y); });
  });
}

std::vector<std::string> Confirmed(const std::vector<std::string>& list) {
  std::vector<std::string> out;
  out.reserve(list.size());
  for (const std::string& s : list) out.push_back(WithTrailingDelim(s));
  return out;
}

}  // namespace bookmark_edit
}  // namespace krellix
