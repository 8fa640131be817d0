#include "platform/file_copy.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace krellix {
namespace {

namespace fs = std::filesystem;

bool Exists(const std::string& path) {
  struct stat st{};
  return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace

std::string FreeTargetName(const std::string& target) {
  if (!Exists(target)) return target;
  const std::size_t slash = target.rfind('/');
  const std::size_t name_at = slash == std::string::npos ? 0 : slash + 1;
  std::size_t dot = target.rfind('.');
  // A leading dot starts a hidden name, not an extension.
  if (dot == std::string::npos || dot <= name_at) dot = target.size();
  const std::string stem = target.substr(0, dot);
  const std::string ext = target.substr(dot);
  for (int n = 2;; ++n) {
    std::string candidate = stem + " (" + std::to_string(n) + ")" + ext;
    if (!Exists(candidate)) return candidate;
  }
}

std::optional<std::string> CopyOneFile(const std::string& source, const std::string& target,
                                       bool replace, std::string& error) {
  struct stat st{};
  if (::stat(source.c_str(), &st) != 0) {
    error = std::strerror(errno);
    return std::nullopt;
  }
  if (!S_ISREG(st.st_mode)) {
    error = "not a regular file";
    return std::nullopt;
  }
  const std::string name = replace ? target : FreeTargetName(target);
  const std::string temp = name + ".krellix-copy";
  std::error_code ec;
  fs::copy_file(source, temp, fs::copy_options::overwrite_existing, ec);
  if (!ec) fs::last_write_time(temp, fs::last_write_time(source, ec), ec);
  if (!ec) fs::rename(temp, name, ec);
  if (ec) {
    error = ec.message();
    std::error_code ignored;
    fs::remove(temp, ignored);
    return std::nullopt;
  }
  return name;
}

}  // namespace krellix
