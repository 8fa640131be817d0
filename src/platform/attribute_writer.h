#pragma once

#include <string>

#include "platform/file_result.h"
#include "platform/safe_rename.h"
#include "platform/wall_time.h"

namespace krellix {

// The writes behind the attribute word of platform/attributes.h.

// Read-only on takes every write permission away from `path` (links followed). Off gives the
// owner write permission back as far as the umask allows; group and others get none they did
// not have. Fails when the owner still has no write permission afterwards.
FileResult SetReadOnly(const std::string& path, bool read_only);

// Sets the modification time of `path` to the local wall time `local` (whole seconds). The
// item is opened for writing to do so, so a directory, a file without write permission for
// this user or a busy executable fails; the access time is kept.
FileResult SetModifiedTime(const std::string& path, const CivilDateTime& local);

}  // namespace krellix
