#pragma once

#include <string>

#include "platform/file_result.h"

namespace krellix {

// The message that tells why a file operation failed: the reason, then the file it concerns
// ("No space left on device: /mnt/stick/big.iso").
std::string FailureText(const FileError& error);

}  // namespace krellix
