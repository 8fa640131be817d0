#pragma once

#include <cerrno>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/file_result.h"

namespace krellix {

// How far a copy or move has got: bytes of file data written and entries (files, links,
// directories) finished.
struct CopyCounts {
  std::int64_t bytes = 0;
  std::int64_t items = 0;
};

// Told after every finished entry and between the large pieces of a big file. Returning false
// asks the operation to stop there: what it was writing is removed, the source is untouched.
using CopyProgress = std::function<bool(const CopyCounts&)>;

// errno value of a stop asked for through CopyProgress.
inline constexpr int kCopyStopped = ECANCELED;

// The outcome of a copy or move.
struct CopyResult {
  FileResult result;
  // Where the source went: the target or the free name taken instead (on success).
  std::string target;
  // After a failure: a partial target that could not be removed, "" when nothing is left.
  std::string left;
  CopyCounts counts;

  bool Ok() const { return result.Ok(); }
};

// A free name for `target`: the name itself when nothing lies there, else "name (2).ext",
// "name (3).ext", ... beside it.
std::string FreeTargetName(const std::string& target);
// The first of `target`, "name (2).ext", "name (3).ext", ... beside it that `taken` calls free.
std::string FreeName(const std::string& target,
                     const std::function<bool(const std::string&)>& taken);
// `name` with " (n)" before its extension: NumberedName("a.txt", 2) is "a (2).txt". A leading
// dot starts a hidden name, not an extension.
std::string NumberedName(const std::string& name, int n);

// Copies one entry to `target`: a regular file with its bytes (copy_file_range, so the file
// system may share the blocks), permission bits and modification time; a symbolic link as a
// link; a device, FIFO or socket as a new node of its kind; a directory with everything inside
// it. Missing folders above `target` are created.
//
// Nothing existing is overwritten unless `replace`: a taken target name makes the copy take a
// free name beside it (NumberedName). With `replace` a file is written to a temporary file
// beside the target, synced and renamed over it, so the old file stays whole until the new one
// is; a directory is merged into an existing one. A failed or stopped copy removes what it
// created; set-user and set-group bits are kept only when the copy keeps the owner.
CopyResult CopyEntry(const std::string& source, const std::string& target, bool replace,
                     const CopyProgress& progress = {});

// Copies the entries of the directory `source_dir` into `target_dir` (created with missing
// parents when needed), each as CopyEntry would: top-level names that are taken get free names
// unless `replace`. Refused (EINVAL) when `target_dir` lies inside `source_dir`; copying a
// directory onto itself gives every entry a free name.
CopyResult CopyDirectoryContents(const std::string& source_dir, const std::string& target_dir,
                                 bool replace, const CopyProgress& progress = {});

// Copies one regular file as CopyEntry does. Returns the name written, or nothing with `error`
// set to the system's reason.
std::optional<std::string> CopyOneFile(const std::string& source, const std::string& target,
                                       bool replace, std::string& error);

}  // namespace krellix
