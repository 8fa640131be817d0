#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "platform/file_copy.h"

namespace krellix {

// The parent folder of `path` (with its trailing "/", "./" for a bare name) and the name in it.
// Trailing delimiters of `path` are ignored.
struct SplitName {
  std::string parent;
  std::string name;
};
SplitName SplitParent(const std::string& path);

// True when `inner` names `outer` itself (when `or_same`) or an entry below it, after links,
// "." and ".." are resolved as far as the paths exist.
bool IsInside(const std::string& inner, const std::string& outer, bool or_same);

// Creates `dir` with every missing parent. Returns the top-most folder it created in
// `created_top` ("" when all existed).
FileResult MakeDirectories(const std::string& dir, std::string& created_top);

// The walk behind the copy functions of file_copy.h. One engine runs one operation: it counts
// progress across everything it copies and, on failure, removes every entry it created.
class CopyEngine {
 public:
  // `sync`: every file and folder written is synced before it counts as done (a move removes
  // its source only after that).
  CopyEngine(bool replace, bool sync, const CopyProgress& progress);

  // One entry to `target`, or to a free name beside it unless replacing.
  CopyResult Entry(const std::string& source, const std::string& target);
  // The entries of `source_dir` into `target_dir`.
  CopyResult Contents(const std::string& source_dir, const std::string& target_dir);

  // Counts already made elsewhere in the same operation (a move that copies some entries).
  void AddCounts(const CopyCounts& counts);

 private:
  enum class Collision { kFail, kFreeName, kReplace };

  FileResult Node(int sdir, const std::string& sparent, const std::string& name, int ddir,
                  const std::string& dparent, std::string& dname, Collision how, bool boundary);
  FileResult File(int sdir, const std::string& spath, const std::string& name,
                  const struct stat& st, int ddir, const std::string& dparent, std::string& dname,
                  Collision how, bool boundary);
  FileResult Directory(int sdir, const std::string& spath, const std::string& name,
                       const struct stat& st, int ddir, const std::string& dparent,
                       std::string& dname, Collision how, bool boundary);
  FileResult Other(int sdir, const std::string& spath, const std::string& name,
                   const struct stat& st, int ddir, const std::string& dparent, std::string& dname,
                   Collision how, bool boundary);
  FileResult Data(int in, int out, std::int64_t size, const std::string& spath,
                  const std::string& dpath);
  template <class MakeFn>
  int Create(std::string& dname, Collision how, MakeFn make);
  std::string TempName(const std::string& name);
  unsigned KeptMode(const struct stat& st) const;
  FileResult Tick(const std::string& path);
  CopyResult Finish(FileResult result, std::string target);

  bool replace_;
  bool sync_;
  const CopyProgress& progress_;
  CopyCounts counts_;
  // Entries this operation made in folders that existed before it: removed after a failure.
  std::vector<std::string> created_;
  mode_t umask_;
  uid_t euid_;
  gid_t egid_;
  std::mt19937_64 random_;
  std::vector<char> buffer_;
};

}  // namespace krellix
