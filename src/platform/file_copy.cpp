#include "platform/file_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/file_writer.h"

namespace krellix {
namespace {

bool Exists(const std::string& path) {
  struct stat st {};
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
  const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat st {};
  if (in < 0 || ::fstat(in, &st) != 0) {
    error = std::strerror(errno);
    if (in >= 0) ::close(in);
    return std::nullopt;
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(in);
    error = "not a regular file";
    return std::nullopt;
  }
  const std::string name = replace ? target : FreeTargetName(target);
  WriteOptions options;
  options.permissions = static_cast<unsigned>(st.st_mode & 07777);
  options.modified_ns =
      static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  FileWriter out;
  // Without `replace` a file that took the free name meanwhile is not overwritten.
  FileResult result = out.Open(name, replace ? WriteHow::kReplace : WriteHow::kCreateNew, options);
  std::vector<char> buffer(1 << 20);
  while (result) {
    const ssize_t n = ::read(in, buffer.data(), buffer.size());
    if (n == 0) break;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result = ErrnoError(source, errno);
    } else if (!out.Write(std::string_view(buffer.data(), static_cast<std::size_t>(n)))) {
      break;  // the write failure comes from Commit
    }
  }
  ::close(in);
  if (result) {
    result = out.Commit();
  } else {
    out.Abandon();
  }
  if (!result) {
    error = result.Error().reason;
    return std::nullopt;
  }
  return name;
}

}  // namespace krellix
