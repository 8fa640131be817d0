#pragma once

#include <string>
#include <vector>

#include "platform/file_result.h"

namespace krellix {

// Starts `program` (a path, not looked up in PATH) with `args` as its arguments, exactly these
// bytes each and no shell between, detached from this process: it is not waited for and
// outlives the program. Fails with the program's path and the reason when it cannot be
// executed (missing, not executable, no permission).
FileResult StartDetached(const std::string& program, const std::vector<std::string>& args);

}  // namespace krellix
