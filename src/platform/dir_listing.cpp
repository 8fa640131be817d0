#include "platform/dir_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace krellix {

std::vector<std::string> SubdirectoryNames(const std::string& dir) {
  std::vector<std::string> names;
  DIR* d = ::opendir(dir.c_str());
  if (d == nullptr) return names;
  while (const dirent* e = ::readdir(d)) {
    if (e->d_name[0] == '.') continue;
    bool is_dir = e->d_type == DT_DIR;
    if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
      struct stat st {};
      is_dir = ::fstatat(::dirfd(d), e->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
    }
    if (is_dir) names.emplace_back(e->d_name);
  }
  ::closedir(d);
  return names;
}

}  // namespace krellix
