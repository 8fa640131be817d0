#pragma once

#include <cstdint>
#include <string>

namespace krellix {

// The attribute word of an entry, with the bit values of the classic desktop file systems.
// On POSIX file systems the bits are derived (see file_attributes.cpp).
namespace attr {
inline constexpr std::uint32_t kReadOnly = 0x01;
inline constexpr std::uint32_t kHidden = 0x02;
inline constexpr std::uint32_t kSystem = 0x04;
inline constexpr std::uint32_t kVolumeId = 0x08;
inline constexpr std::uint32_t kDirectory = 0x10;
inline constexpr std::uint32_t kArchive = 0x20;
inline constexpr std::uint32_t kNormal = 0x80;
}  // namespace attr

// Attribute word of an entry from its name and POSIX mode (after following links).
std::uint32_t AttributesFromMode(const char* name, unsigned mode);

// Attribute word of the entry at `path`, read from the file system (links followed; a
// trailing delimiter is allowed). False when the entry cannot be queried (it vanished, say).
bool ReadAttributes(const std::string& path, std::uint32_t& attributes);

}  // namespace krellix
