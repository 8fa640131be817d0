#include "checksums/gen_md5.h"

namespace krellix {

std::string Md5Text(const Md5Digest& digest) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(digest.size() * 2);
  for (const std::uint8_t byte : digest) {
    text += kHex[byte >> 4];
    text += kHex[byte & 0x0F];
  }
  return text;
}

std::string GenMD5(Md5Hasher& hasher, const std::string& fileName) {
  Md5Digest digest{};
  if (!hasher.Hash(fileName, digest)) return std::string(kMd5Failed);
  return Md5Text(digest);
}

std::string GenMD5(const std::string& fileName) {
  Md5Hasher hasher;
  return GenMD5(hasher, fileName);
}

}  // namespace krellix
