#include "platform/file_system.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string_view>

#include "platform/number_text.h"

namespace krellix {

std::string WithTrailingDelim(std::string path) {
  if (path.empty() || path.back() != kPathDelim) path.push_back(kPathDelim);
  return path;
}

std::string DirectoryPart(const std::string& path) {
  const auto pos = path.rfind(kPathDelim);
  return pos == std::string::npos ? std::string() : path.substr(0, pos + 1);
}

std::string NamePart(const std::string& path) {
  const auto pos = path.rfind(kPathDelim);
  return pos == std::string::npos ? path : path.substr(pos + 1);
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string CurrentDirectory() {
  std::string buf(4096, '\0');
  while (::getcwd(buf.data(), buf.size()) == nullptr) {
    if (errno != ERANGE) return "";
    buf.resize(buf.size() * 2);
  }
  buf.resize(std::char_traits<char>::length(buf.c_str()));
  return WithTrailingDelim(buf);
}

bool SetCurrentDirectory(const std::string& path) { return ::chdir(path.c_str()) == 0; }

bool RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool CreateDirectory(const std::string& path) {
  return ::mkdir(path.c_str(), 0777) == 0 || DirectoryExists(path);
}

bool DiskSpace(const std::string& path, std::uint64_t& total, std::uint64_t& free) {
  struct statvfs st {};
  if (::statvfs(path.c_str(), &st) != 0) return false;
  total = static_cast<std::uint64_t>(st.f_blocks) * st.f_frsize;
  free = static_cast<std::uint64_t>(st.f_bavail) * st.f_frsize;
  return true;
}

namespace {

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v == nullptr ? std::string() : std::string(v);
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

}  // namespace

std::string DocumentsFromUserDirs(const std::string& text, const std::string& home) {
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    const std::string key = "XDG_DOCUMENTS_DIR=";
    if (line.rfind(key, 0) != 0) continue;
    std::string v = line.substr(key.size());
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
    if (v.rfind("$HOME", 0) == 0) v = home + v.substr(5);
    return v;
  }
  return "";
}

SpecialFolders GetSpecialFolders() {
  SpecialFolders f;
  const std::string home = Env("HOME");
  std::string config = Env("XDG_CONFIG_HOME");
  if (config.empty() && !home.empty()) config = home + "/.config";
  if (!config.empty()) f.appl_data = WithTrailingDelim(config);
  f.prog_files = "/usr/bin/";
  std::string docs;
  if (!config.empty())
    docs = DocumentsFromUserDirs(ReadWholeFile(config + "/user-dirs.dirs"), home);
  if (docs.empty() || !DirectoryExists(docs)) docs = home;
  if (!docs.empty()) f.my_docs = WithTrailingDelim(docs);
  return f;
}

std::vector<MountPoint> ParseMountInfo(const std::string& text) {
  // Pseudo file systems a user does not browse for files.
  static const std::set<std::string> kPseudo = {
      "proc",       "sysfs",   "devtmpfs",    "devpts",     "cgroup",  "cgroup2",  "pstore",
      "securityfs", "debugfs", "tracefs",     "configfs",   "fusectl", "mqueue",   "hugetlbfs",
      "bpf",        "autofs",  "binfmt_misc", "rpc_pipefs", "nsfs",    "efivarfs", "selinuxfs"};
  std::vector<MountPoint> out;
  std::set<std::string> seen;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    // id parent major:minor root mountpoint options [optional...] - fstype source superopts
    std::istringstream fields(line);
    std::string id, parent, devno, root, mount_path;
    if (!(fields >> id >> parent >> devno >> root >> mount_path)) continue;
    const auto dash = line.find(" - ");
    if (dash == std::string::npos) continue;
    std::istringstream tail(line.substr(dash + 3));
    std::string fs_type, source;
    tail >> fs_type >> source;
    if (kPseudo.contains(fs_type)) continue;
    // mountinfo escapes blanks and the like as \ooo.
    const std::string_view escaped = mount_path;
    std::string path;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
      const std::optional<unsigned char> byte =
          escaped[i] == '\\' && i + 3 < escaped.size()
              ? ParseDigits<unsigned char>(escaped.substr(i + 1, 3), 8)
              : std::nullopt;
      if (byte) {
        path.push_back(static_cast<char>(*byte));
        i += 3;
      } else {
        path.push_back(escaped[i]);
      }
    }
    path = WithTrailingDelim(path);
    if (!seen.insert(path).second) continue;
    out.push_back({path, fs_type, source});
  }
  return out;
}

std::vector<MountPoint> ListMountPoints() {
  return ParseMountInfo(ReadWholeFile("/proc/self/mountinfo"));
}

std::string MountPointOf(const std::string& path, const std::vector<MountPoint>& mounts) {
  const std::string p = WithTrailingDelim(path);
  std::string best = "/";
  for (const MountPoint& m : mounts) {
    if (p.rfind(m.path, 0) == 0 && m.path.size() > best.size()) best = m.path;
  }
  return best;
}

}  // namespace krellix
