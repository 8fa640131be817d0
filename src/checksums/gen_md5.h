#pragma once

#include <string>
#include <string_view>

#include "platform/md5_hasher.h"

namespace krellix {

// The checksum text of a file that could not be read.
inline constexpr std::string_view kMd5Failed = "*** MD5 failed ***";

// The digest as 32 upper-case hexadecimal digits, in digest order.
std::string Md5Text(const Md5Digest& digest);

// The checksum text of the file `fileName` (a full name): its digest as Md5Text, or
// kMd5Failed when the file is missing, is no regular file, is open for writing elsewhere or
// cannot be read. Never fails otherwise.
std::string GenMD5(const std::string& fileName);
// The same with a hasher kept from file to file.
std::string GenMD5(Md5Hasher& hasher, const std::string& fileName);

}  // namespace krellix
