#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace krellix {

// The path delimiter of this platform, the "\" of classic desktop paths.
inline constexpr char kPathDelim = '/';

// Appends the delimiter when `path` does not end with one.
std::string WithTrailingDelim(std::string path);
// Directory part of a path, with its trailing delimiter ("" when there is none).
std::string DirectoryPart(const std::string& path);
// Name part of a path (after the last delimiter).
std::string NamePart(const std::string& path);

bool FileExists(const std::string& path);       // exists and is not a directory
bool DirectoryExists(const std::string& path);  // exists and is a directory (links followed)

// The process's current directory, with a trailing delimiter; "" when it cannot be read.
std::string CurrentDirectory();
bool SetCurrentDirectory(const std::string& path);
// Creates one directory level; true when it exists afterwards.
bool CreateDirectory(const std::string& path);
// Deletes a file for good; false when it could not be deleted.
bool RemoveFile(const std::string& path);

// The user's folders, each with a trailing delimiter, "" when unknown.
struct SpecialFolders {
  std::string appl_data;   // $XDG_CONFIG_HOME, default ~/.config/
  std::string prog_files;  // /usr/bin/
  std::string my_docs;     // the XDG documents folder, else $HOME/
};
SpecialFolders GetSpecialFolders();

// Reads the XDG documents folder from a user-dirs.dirs text ("$HOME/Documents" style), with
// `home` substituted; "" when the file names none.
std::string DocumentsFromUserDirs(const std::string& user_dirs_text, const std::string& home);

// Total and free bytes of the file system holding `path`; false when it cannot be queried.
bool DiskSpace(const std::string& path, std::uint64_t& total, std::uint64_t& free);

// A mounted file system of interest to a user (pseudo file systems left out).
struct MountPoint {
  std::string path;  // with a trailing delimiter
  std::string fs_type;
  std::string device;  // the mount source
};
// Parses /proc/self/mountinfo text.
std::vector<MountPoint> ParseMountInfo(const std::string& text);
std::vector<MountPoint> ListMountPoints();
// The mount point that holds `path` (the longest mount path that is a prefix of it); "/" when
// none matches.
std::string MountPointOf(const std::string& path, const std::vector<MountPoint>& mounts);

}  // namespace krellix
