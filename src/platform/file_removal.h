#pragma once

#include <string>

#include "platform/file_result.h"

namespace krellix {

// Removes a file, a symbolic link (not what it points to) or a directory with everything in it,
// for good. Links inside a directory are removed, never followed. Fails when `path` does not
// exist; a failure part way through a tree leaves the entries not yet removed.
FileResult PurgePath(const std::string& path);

// Moves a file or a directory with its contents into the desktop's Trash (the freedesktop.org
// Trash that file managers share), where it can be restored. Where no Trash can take it (a
// file system without a trash folder the user may create) nothing is removed and the failure
// says so (code ENOTSUP).
FileResult MoveToTrash(const std::string& path);

}  // namespace krellix
