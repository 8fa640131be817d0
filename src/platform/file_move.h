#pragma once

#include <string>

#include "platform/file_copy.h"

namespace krellix {

// Moves one entry to `target`. On one file system this is a rename (never over an existing
// name unless `replace`; a taken name gives a free name). Across file systems the entry is
// copied, synced and closed first and the source removed only after the whole copy succeeded;
// a failed copy removes its partial target and leaves the source as it was. With `replace` a
// directory is merged into an existing one. A directory is never moved into itself.
CopyResult MoveEntry(const std::string& source, const std::string& target, bool replace,
                     const CopyProgress& progress = {});

// Moves the entries of `source_dir` into `target_dir` (created when needed) as MoveEntry does;
// `source_dir` itself stays, emptied. Refused (EINVAL) when `target_dir` is `source_dir` or
// lies inside it. Entries moved before a failure stay moved.
CopyResult MoveDirectoryContents(const std::string& source_dir, const std::string& target_dir,
                                 bool replace, const CopyProgress& progress = {});

}  // namespace krellix
