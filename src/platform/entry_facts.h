#pragma once

#include <cstdint>

#include "platform/wall_time.h"

namespace krellix {

// What the matcher may ask about one directory entry. Implementations compute the costly facts
// (those that need the entry's metadata) on first use and at most once, so a name that fails
// the scan string never costs a stat call.
class EntryFacts {
 public:
  virtual ~EntryFacts() = default;
  // True for directories, symbolic links to directories included. Cheap where the directory
  // listing already tells the type.
  virtual bool IsDirectory() = 0;
  // The attribute word (platform/attributes.h).
  virtual std::uint32_t Attributes() = 0;
  // True for a volume-label entry. No POSIX file system lists one, so the directory reader
  // answers without reading metadata.
  virtual bool IsVolumeId() { return (Attributes() & 0x08) != 0; }
  // Size in bytes; 0 for directories.
  virtual std::int64_t Size() = 0;
  // Last write, local wall time, at the two-second resolution of the classic file times.
  virtual WallMs Modified() = 0;
  // Creation (birth) time where the file system keeps it, else the last write; milliseconds.
  virtual WallMs Created() = 0;
  // Device number of the file system holding the entry, for the volume label.
  virtual std::uint64_t Device() = 0;
};

// Plain facts given up front, for callers that already know them.
struct KnownEntryFacts final : EntryFacts {
  std::uint32_t attributes = 0;
  std::int64_t size = 0;
  WallMs modified = 0;
  WallMs created = 0;
  std::uint64_t device = 0;

  bool IsDirectory() override { return (attributes & 0x10) != 0; }
  std::uint32_t Attributes() override { return attributes; }
  std::int64_t Size() override { return size; }
  WallMs Modified() override { return modified; }
  WallMs Created() override { return created; }
  std::uint64_t Device() override { return device; }
};

}  // namespace krellix
