#include <sys/stat.h>

#include "platform/attributes.h"
#include "platform/file_system.h"

namespace krellix {

std::uint32_t AttributesFromMode(const char* name, unsigned mode) {
  std::uint32_t a = 0;
  if (!(mode & S_IWUSR)) a |= attr::kReadOnly;
  const bool dot_or_dotdot =
      name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
  if (name[0] == '.' && !dot_or_dotdot) a |= attr::kHidden;
  if (S_ISCHR(mode) || S_ISBLK(mode) || S_ISFIFO(mode) || S_ISSOCK(mode)) a |= attr::kSystem;
  if (S_ISDIR(mode)) a |= attr::kDirectory;
  if (S_ISREG(mode) && !(a & (attr::kReadOnly | attr::kHidden | attr::kSystem))) {
    a |= attr::kNormal;
  }
  return a;
}

bool ReadAttributes(const std::string& path, std::uint32_t& attributes) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  std::string trimmed = path;
  while (trimmed.size() > 1 && trimmed.back() == kPathDelim) trimmed.pop_back();
  attributes = AttributesFromMode(NamePart(trimmed).c_str(), st.st_mode);
  return true;
}

}  // namespace krellix
