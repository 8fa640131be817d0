#pragma once

#include <string>

namespace krellix {

// The form in which the directory tree reports a directory: absolute, with "." and ".."
// levels resolved and without a trailing delimiter, except for the root "/". `base` (with or
// without its trailing delimiter) completes a relative path.
std::string TreeForm(const std::string& path, const std::string& base);

}  // namespace krellix
