#include "support/temp_tree.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace krellix::test {

namespace fs = std::filesystem;

TempTree::TempTree() {
  std::string pattern = (fs::temp_directory_path() / "krellix-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  root_ = pattern + "/";
}

TempTree::~TempTree() {
  std::error_code ec;
  // Give back permissions a test took away, so everything can be removed.
  for (auto it = fs::recursive_directory_iterator(
           root_, fs::directory_options::skip_permission_denied, ec);
       it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (!it->is_symlink()) ::chmod(it->path().c_str(), 0700);
  }
  ::chmod(root_.c_str(), 0700);
  fs::remove_all(root_, ec);
}

std::string TempTree::File(const std::string& relative, std::size_t size, std::time_t mtime) {
  const std::string path = root_ + relative;
  fs::create_directories(fs::path(path).parent_path());
  {
    std::ofstream out(path, std::ios::binary);
    out << std::string(size, 'x');
  }
  if (mtime != 0) {
    timespec times[2] = {{mtime, 0}, {mtime, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
  }
  return path;
}

std::string TempTree::Dir(const std::string& relative) {
  const std::string path = root_ + relative;
  fs::create_directories(path);
  return path;
}

std::string TempTree::Link(const std::string& relative, const std::string& target) {
  const std::string path = root_ + relative;
  fs::create_directories(fs::path(path).parent_path());
  fs::create_symlink(target, path);
  return path;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\r\n";
  return text;
}

std::vector<std::string> EntriesBelow(const std::string& folder) {
  std::vector<std::string> names;
  for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator();
       ++it) {
    names.push_back(fs::relative(it->path(), folder).string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace krellix::test
