#include "platform/file_copy.h"

#include <sys/stat.h>

#include <cstdlib>

#include "platform/copy_engine.h"

namespace krellix {

std::string NumberedName(const std::string& name, int n) {
  std::size_t dot = name.rfind('.');
  // A leading dot starts a hidden name, not an extension.
  if (dot == std::string::npos || dot == 0) dot = name.size();
  return name.substr(0, dot) + " (" + std::to_string(n) + ")" + name.substr(dot);
}

std::string FreeName(const std::string& target,
                     const std::function<bool(const std::string&)>& taken) {
  if (!taken(target)) return target;
  const SplitName split = SplitParent(target);
  const std::string folder = target.substr(0, target.size() - split.name.size());
  for (int n = 2;; ++n) {
    std::string candidate = folder + NumberedName(split.name, n);
    if (!taken(candidate)) return candidate;
  }
}

std::string FreeTargetName(const std::string& target) {
  return FreeName(target, [](const std::string& name) {
    struct stat st {};
    return ::lstat(name.c_str(), &st) == 0;
  });
}

CopyResult CopyEntry(const std::string& source, const std::string& target, bool replace,
                     const CopyProgress& progress) {
  return CopyEngine(replace, false, progress).Entry(source, target);
}

CopyResult CopyDirectoryContents(const std::string& source_dir, const std::string& target_dir,
                                 bool replace, const CopyProgress& progress) {
  return CopyEngine(replace, false, progress).Contents(source_dir, target_dir);
}

std::optional<std::string> CopyOneFile(const std::string& source, const std::string& target,
                                       bool replace, std::string& error) {
  struct stat st {};
  if (::stat(source.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    error = "not a regular file";
    return std::nullopt;
  }
  // A link is followed here: the copy holds the file's bytes.
  std::string from = source;
  if (char* real = ::realpath(source.c_str(), nullptr)) {
    from = real;
    std::free(real);
  }
  CopyResult r = CopyEntry(from, target, replace);
  if (!r.Ok()) {
    error = r.result.Error().reason;
    return std::nullopt;
  }
  return r.target;
}

}  // namespace krellix
