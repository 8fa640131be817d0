#pragma once

#include <ctime>
#include <string>
#include <vector>

namespace krellix::test {

// A temporary folder for one test, removed with everything in it when the object goes.
class TempTree {
 public:
  TempTree();
  ~TempTree();
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  // The folder, with a trailing "/".
  const std::string& Root() const { return root_; }
  std::string Path(const std::string& relative) const { return root_ + relative; }

  // Creates a file (and missing parent folders) holding `size` bytes; `mtime` in UTC seconds
  // when not 0.
  std::string File(const std::string& relative, std::size_t size = 0, std::time_t mtime = 0);
  std::string Dir(const std::string& relative);
  std::string Link(const std::string& relative, const std::string& target);

 private:
  std::string root_;
};

// The bytes of a file; "" when it cannot be read.
std::string ReadWholeFile(const std::string& path);
// The entries below a folder as "name" or "dir/name", sorted.
std::vector<std::string> EntriesBelow(const std::string& folder);
// The lines each followed by CR LF, as the program writes text files.
std::string CrLfLines(const std::vector<std::string>& lines);

}  // namespace krellix::test
