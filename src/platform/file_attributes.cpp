#include <sys/stat.h>

#include "platform/attributes.h"

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

}  // namespace krellix
